// Line reading of the input data file: text lines as 256-character fields, free-format data
// reads with continuation, null values, quoted words, and the values that cannot be read.
#include "input/line_reader.h"

#include <gtest/gtest.h>

#include <string>

#include "support/input_fixture.h"
#include "model/model.h"

namespace {

using LineReader = InputFixture;

// A 256-character field followed by more text on the same line.
std::string Padded_To_256(const std::string& start, const std::string& beyond) {
    std::string line = start;
    line.resize(256, ' ');
    return line + beyond;
}

struct TextCase {
    const char* name;
    std::string input;
    std::string expected;
};

TEST_F(LineReader, TextLinesAreFieldsOf256CharactersWithoutLineEndOrTrailingBlanks) {
    const TextCase cases[] = {
        {"LF line end", "OPTIONS\nnext\n", "OPTIONS"},
        {"CR-LF line end", "OPTIONS\r\nnext\n", "OPTIONS"},
        {"trailing blanks and tabs dropped", "OPTIONS  \t \nnext\n", "OPTIONS"},
        {"leading blank kept", " END\n", " END"},
        {"inner tab kept", "Units\tUSCS\n", "Units\tUSCS"},
        {"no final line end", "END", "END"},
        {"blanks beyond column 256 are outside the field", std::string(256, 'x') + "    \n",
         std::string(256, 'x')},
        {"CR beyond column 256 is outside the field", std::string(256, 'x') + "\r\n",
         std::string(256, 'x')},
        {"NUL reads as question mark", std::string("END\0xy\n", 7), "END?xy"},
        {"non-ASCII bytes kept", "Pile \xC3\xA9tude\n", "Pile \xC3\xA9tude"},
        {"empty line", "\nEND\n", ""},
    };
    for (const TextCase& row : cases) {
        SCOPED_TRACE(row.name);
        Use_Input(row.input);
        NameText line;
        ASSERT_TRUE(Read_Text_Line(line));
        EXPECT_EQ(std::string(line.data()), row.expected);
    }
}

TEST_F(LineReader, TextLineAfterLongLineStartsOnTheNextLine) {
    Use_Input(Padded_To_256("A", "    ") + "\nEND\n");
    NameText line;
    ASSERT_TRUE(Read_Text_Line(line));
    ASSERT_TRUE(Read_Text_Line(line));
    EXPECT_STREQ(line.data(), "END");
    EXPECT_FALSE(Read_Text_Line(line));
    EXPECT_EQ(g_Model.i_InputLineNumber, 2);
}

struct FreeCase {
    const char* name;
    std::string input;
    int a;
    double b;
    int c;
    const char* next_line;   // the text line that follows the read
};

// Items of the tests: integer a, real b, integer c, each starting from a marker value so that a
// null value shows as the marker.
constexpr int k_A0 = -7;
constexpr double k_B0 = -7.5;
constexpr int k_C0 = -9;

TEST_F(LineReader, FreeFormatReadTakesValuesAcrossSeparatorsAndLines) {
    const FreeCase cases[] = {
        {"commas and blanks", "1, 12.5 3\nNEXT\n", 1, 12.5, 3, "NEXT"},
        {"three lines", "1\n12.5\n3\nNEXT\n", 1, 12.5, 3, "NEXT"},
        {"blank lines skipped", "1\n\n   \n12.5,3\nNEXT\n", 1, 12.5, 3, "NEXT"},
        {"tabs separate", "1\t12.5\t\t3\nNEXT\n", 1, 12.5, 3, "NEXT"},
        {"CR-LF", "1 12.5 3\r\nNEXT\r\n", 1, 12.5, 3, "NEXT"},
        {"extra values ignored", "1 12.5 3 4 five\nNEXT\n", 1, 12.5, 3, "NEXT"},
        {"two commas keep the item", "1,,3\nNEXT\n", 1, k_B0, 3, "NEXT"},
        {"blank comma blank comma", "1 , , 3\nNEXT\n", 1, k_B0, 3, "NEXT"},
        {"leading comma keeps the first", ",12.5,3\nNEXT\n", k_A0, 12.5, 3, "NEXT"},
        {"comma ends line, comma starts next", "1,\n,3\nNEXT\n", 1, k_B0, 3, "NEXT"},
        {"comma ends line", "1,\n12.5,3\nNEXT\n", 1, 12.5, 3, "NEXT"},
        {"exponent E", "1 1.25E+1 3\nNEXT\n", 1, 12.5, 3, "NEXT"},
        {"exponent D", "1 1.25d1 3\nNEXT\n", 1, 12.5, 3, "NEXT"},
        {"signs and leading point", "+1 .125E2 -3\nNEXT\n", 1, 12.5, -3, "NEXT"},
        {"real without point", "1 12 3\nNEXT\n", 1, 12.0, 3, "NEXT"},
        {"trailing point", "1 12. 3\nNEXT\n", 1, 12.0, 3, "NEXT"},
        {"integer limits", "-2147483648 0 2147483647\nNEXT\n", -2147483647 - 1, 0.0, 2147483647,
         "NEXT"},
        {"no final line end", "1 12.5 3", 1, 12.5, 3, nullptr},
        {"value ending in column 256", Padded_To_256("1 12.5", "").substr(0, 255) + "3\nNEXT\n",
         1, 12.5, 3, "NEXT"},
    };
    for (const FreeCase& row : cases) {
        SCOPED_TRACE(row.name);
        Use_Input(row.input);
        int a = k_A0;
        double b = k_B0;
        int c = k_C0;
        Read_Data_Line({Int_Item(a), Real_Item(b), Int_Item(c)});
        ASSERT_EQ(g_Model.ErrorStatus, 0);
        EXPECT_EQ(a, row.a);
        EXPECT_EQ(b, row.b);
        EXPECT_EQ(c, row.c);
        NameText next;
        if (row.next_line != nullptr) {
            ASSERT_TRUE(Read_Text_Line(next));
            EXPECT_STREQ(next.data(), row.next_line);
        } else {
            EXPECT_FALSE(Read_Text_Line(next));
        }
    }
}

TEST_F(LineReader, TextBeyondColumn256IsInputError88) {
    // Text past the 256-character field was once cut off silently: a 100,000-digit number read
    // as 0 and the run went on to a misleading later error, or a value beyond column 256 was
    // lost. Blanks there are harmless; anything else ends the run naming the line.
    struct Case { const char* name; std::string input; bool data_read; };
    const Case cases[] = {
        {"text line", "OPTIONS\n" + std::string(300, 'x') + "\n", false},
        {"value beyond column 256", "OPTIONS\n" + Padded_To_256("1 12.5", "99") + "\n3\n", true},
        {"100,000-digit number", "OPTIONS\n1" + std::string(100000, '0') + "\n", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TearDown();
        SetUp();
        Use_Input(c.input);
        NameText line;
        ASSERT_TRUE(Read_Text_Line(line));
        if (c.data_read) {
            int a = 0;
            double b = 0.0;
            int d = 0;
            Read_Data_Line({Int_Item(a), Real_Item(b), Int_Item(d)});
        } else {
            EXPECT_FALSE(Read_Text_Line(line));
        }
        EXPECT_EQ(g_Model.ErrorStatus, 188);
        const std::vector<std::string> report = Report_Lines();
        EXPECT_TRUE(Has_Line(report, "***** Input Data Error No. 88 *****"));
        EXPECT_TRUE(Has_Line(report, "Problem:  Line 2 of the input data file has text beyond column "
                                     "256, which cannot be read."));
        // one message, not a second one about the end of the file
        EXPECT_FALSE(Has_Line(report, "***** INPUT ERROR *****"));
    }
}

TEST_F(LineReader, WordsAreCutToTheirWidthAndMayBeQuoted) {
    struct WordCase {
        const char* name;
        const char* input;
        const char* first;
        const char* second;
    };
    const WordCase cases[] = {
        {"plain words", "Interaction AASHTO\n", "Interaction", "AASHTO"},
        {"cut to 11 characters", "ABCDEFGHIJKLMNOP Eurocode2\n", "ABCDEFGHIJK", "Eurocode2"},
        {"single quotes keep blanks", "'Code name' ACI318\n", "Code name", "ACI318"},
        {"double quotes and comma", "\"a,b\",x\n", "a,b", "x"},
        {"doubled quote", "'it''s' x\n", "it's", "x"},
        {"number as word", "100 200\n", "100", "200"},
    };
    for (const WordCase& row : cases) {
        SCOPED_TRACE(row.name);
        Use_Input(row.input);
        char first[12] = "";
        char second[12] = "";
        Read_Data_Line({Word_Item(first, 11), Word_Item(second, 11)});
        ASSERT_EQ(g_Model.ErrorStatus, 0);
        EXPECT_STREQ(first, row.first);
        EXPECT_STREQ(second, row.second);
    }
}

struct BadCase {
    const char* name;
    std::string input;
    const char* quoted_line;   // the line quoted in the frame
    const char* problem;       // the problem line that follows it
};

TEST_F(LineReader, UnreadableValueRaisesError99QuotingTheLine) {
    const BadCase cases[] = {
        {"word for integer", "one 12.5 3\n", "one 12.5 3",
         "Problem:  Line 1 of the input data file holds \"one\" where an integer number is "
         "expected."},
        {"real for integer", "1.0 12.5 3\n", "1.0 12.5 3",
         "Problem:  Line 1 of the input data file holds \"1.0\" where an integer number is "
         "expected."},
        {"decimal comma splits the value", "1\n12,5x 3\n", "12,5x 3",
         "Problem:  Line 2 of the input data file holds \"12,5\": a comma between digits, which "
         "separates two values, so that the digits after it would be lost or shift the values "
         "after them."},
        {"nan", "1 nan 3\n", "1 nan 3",
         "Problem:  Line 1 of the input data file holds \"nan\" where a number is expected."},
        {"infinity", "1 inf 3\n", "1 inf 3",
         "Problem:  Line 1 of the input data file holds \"inf\" where a number is expected."},
        {"hexadecimal", "1 0x10 3\n", "1 0x10 3",
         "Problem:  Line 1 of the input data file holds \"0x10\" where a number is expected."},
        {"repeat count is not read", "1 2*0 3\n", "1 2*0 3",
         "Problem:  Line 1 of the input data file holds \"2*0\" where a number is expected."},
        {"quoted number", "1 '12.5' 3\n", "1 '12.5' 3",
         "Problem:  Line 1 of the input data file holds the quoted text \"12.5\" where a number "
         "is expected."},
        {"integer too large", "1 12.5 2147483648\n", "1 12.5 2147483648",
         "Problem:  Line 1 of the input data file holds the integer 2147483648, which is outside "
         "the range -2147483648 to 2147483647."},
        {"real too large", "1 1e999 3\n", "1 1e999 3",
         "Problem:  Line 1 of the input data file holds the number 1e999, which is too large to "
         "be stored."},
        {"end of file within the read", "1 12.5\n\n", "1 12.5",
         "Problem:  The input data file ends after line 2, before all values of this data line "
         "were read."},
        {"end of file before the read", "", "(end of the input data file)",
         "Problem:  The input data file ends after line 0, before the line END."},
    };
    for (const BadCase& row : cases) {
        SCOPED_TRACE(row.name);
        TearDown();
        SetUp();
        Use_Input(row.input);
        int a = k_A0;
        double b = k_B0;
        int c = k_C0;
        Read_Data_Line({Int_Item(a), Real_Item(b), Int_Item(c)});
        EXPECT_EQ(g_Model.ErrorStatus, 199);
        for (const auto& lines : {Report_Lines(), Message_Lines()}) {
            ASSERT_GE(lines.size(), 9u);
            EXPECT_EQ(lines[2], "***** INPUT ERROR *****");
            EXPECT_EQ(lines[4], "The following line is unrecognized or is out-of-order");
            EXPECT_EQ(lines[6], row.quoted_line);
            EXPECT_EQ(lines[8], row.problem);
        }
    }
}

TEST_F(LineReader, UnclosedQuoteRaisesError99) {
    Use_Input("'AASHTO\nnext\n");
    char word[12] = "";
    Read_Data_Line({Word_Item(word, 11)});
    EXPECT_EQ(g_Model.ErrorStatus, 199);
    EXPECT_TRUE(Has_Line(Report_Lines(),
                         "Problem:  Line 1 of the input data file has a quoted text without its "
                         "closing quote."));
}

TEST_F(LineReader, ValuesBeforeAnUnreadableOneStayStored) {
    Use_Input("4 2.5 x\n");
    int a = k_A0;
    double b = k_B0;
    int c = k_C0;
    Read_Data_Line({Int_Item(a), Real_Item(b), Int_Item(c)});
    EXPECT_EQ(g_Model.ErrorStatus, 199);
    EXPECT_EQ(a, 4);
    EXPECT_EQ(b, 2.5);
    EXPECT_EQ(c, k_C0);
}

}  // namespace
