// Keyword dispatch of the input data file: exact keyword lines, END, unrecognized lines, the end
// of the file, TITLE and repeated sections.
#include "input/reader.h"

#include <gtest/gtest.h>

#include <string>

#include "input/warning_catalogue.h"
#include "model/model.h"
#include "support/input_fixture.h"

namespace {

using Reader = InputFixture;

struct KeywordCase {
    const char* name;
    std::string body;        // after the tag line
    int status;
    const char* quoted;      // line quoted in the unrecognized-line frame (status 199)
};

TEST_F(Reader, KeywordLinesAreComparedExactlyOverTheWholeLine) {
    const KeywordCase cases[] = {
        {"END alone", "END\n", 0, nullptr},
        {"END with trailing blanks and CR-LF", "END   \r\n", 0, nullptr},
        {"END without final line end", "END", 0, nullptr},
        {"lines after END are not read", "END\nnonsense\n", 0, nullptr},
        {"end in lower case", "end\n", 199, "end"},
        {"END with a leading blank", " END\n", 199, " END"},
        {"END followed by a word", "END NOW\n", 199, "END NOW"},
        {"blank line where a keyword is expected", "\nEND\n", 199, ""},
        {"keyword in other capitalization", "Tip Shear\n0\nEND\n", 199, "Tip Shear"},
        {"keyword with two blanks inside", "TIP  SHEAR\n0\nEND\n", 199, "TIP  SHEAR"},
        {"TIP SHEAR with trailing tab", "TIP SHEAR\t\n0\nEND\n", 0, nullptr},
        {"GROUPEFF alias", "GROUPEFF\n0\nEND\n", 0, nullptr},
        {"SECTIONS with no section", "SECTIONS\n0\nEND\n", 0, nullptr},
        {"data line left over", "TIP SHEAR\n1\n1 0.0 0.0\n2 0.5 10.0\nEND\n", 199, "2 0.5 10.0"},
    };
    for (const KeywordCase& row : cases) {
        SCOPED_TRACE(row.name);
        TearDown();
        SetUp();
        Read_Input(row.body);
        EXPECT_EQ(g_Model.ErrorStatus, row.status);
        if (row.quoted != nullptr) {
            const auto lines = Report_Lines();
            ASSERT_GE(lines.size(), 7u);
            EXPECT_EQ(lines[2], "***** INPUT ERROR *****");
            EXPECT_EQ(lines[6], row.quoted);
            EXPECT_TRUE(Has_Line(lines, "Orvane ended prematurely due to input error number INP00099"));
            // The runtime message file carries the same frame.
            const auto messages = Message_Lines();
            std::size_t head = 0;
            while (head < messages.size() && messages[head] != "***** INPUT ERROR *****") ++head;
            ASSERT_LT(head + 4, messages.size());
            EXPECT_EQ(messages[head + 4], row.quoted);
        }
    }
}

TEST_F(Reader, TagAndEndOnlyLeaveTheInitialModel) {
    Read_Input("END\n");
    EXPECT_EQ(g_Model.ErrorStatus, 0);
    EXPECT_EQ(g_Model.IUNITS, 0);
    EXPECT_EQ(g_Model.NumLoadCases, 0);
    EXPECT_EQ(g_Model.i_Number_of_Layers, 0);
    EXPECT_EQ(g_Model.NumEIThrusts, 0);
    EXPECT_EQ(Message_Lines(), std::vector<std::string>{"Input of data begun"});
}

TEST_F(Reader, EndOfFileBeforeEndRaisesError99) {
    Read_Input("TIP SHEAR\n0\n");
    EXPECT_EQ(g_Model.ErrorStatus, 199);
    const auto lines = Report_Lines();
    EXPECT_EQ(lines[6], "(end of the input data file)");
    EXPECT_EQ(lines[8], "Problem:  The input data file ends after line 3, before the line END.");
    EXPECT_EQ(lines[9], "Solution: Complete the input data; its last line must be END.");
}

TEST_F(Reader, TitleTakesFiveTextLines) {
    const std::string long_title(270, 'T');
    Read_Input("TITLE\nDrilled shaft, pier 4\n\n  indented, with trailing blanks   \n" + long_title +
               "\nEND\nEND\n");
    ASSERT_EQ(g_Model.ErrorStatus, 0);
    EXPECT_STREQ(g_Model.TitleLine[1].data(), "Drilled shaft, pier 4");
    EXPECT_STREQ(g_Model.TitleLine[2].data(), "");
    EXPECT_STREQ(g_Model.TitleLine[3].data(), "  indented, with trailing blanks");
    // A title line may be cut to its field: the run goes on, with a warning that says so.
    EXPECT_EQ(std::string(g_Model.TitleLine[4].data()), std::string(256, 'T'));
    EXPECT_EQ(g_Model.WarningLog[k_Warning_Title_Cut], 1);
    // A title line reading "END" is a title line, not the end of the problem.
    EXPECT_STREQ(g_Model.TitleLine[5].data(), "END");
    EXPECT_TRUE(Has_Line(Message_Lines(), "Reading title data"));
}

TEST_F(Reader, SecondLoadingSectionReplacesTheFirst) {
    Read_Input("LOADING\n3\n1 1 100 0 0 1\n2 1 200 0 0 1\n3 1 300 0 0 1\n0\n"
               "LOADING\n1\n1 2 50 0.001 20 0\n0\nEND\n");
    ASSERT_EQ(g_Model.ErrorStatus, 0);
    EXPECT_EQ(g_Model.NumLoadCases, 1);
    EXPECT_EQ(g_Model.LoadType[1], 2);
    EXPECT_EQ(g_Model.Load1[1], 50.0);
    EXPECT_EQ(g_Model.Load2[1], 0.001);
    EXPECT_EQ(g_Model.AxialThrustLoad[1], 20.0);
    EXPECT_NE(g_Model.b_LengthStudy[1], 0);
}

TEST_F(Reader, ErrorInsideASectionStopsTheReaderAtOnce) {
    // The unreadable tip shear point ends the run; the TITLE after it is never read.
    Read_Input("TIP SHEAR\n2\n1 0 0\n2 x 5\nTITLE\na\nb\nc\nd\ne\nEND\n");
    EXPECT_EQ(g_Model.ErrorStatus, 199);
    EXPECT_FALSE(Has_Line(Message_Lines(), "Reading title data"));
    EXPECT_STREQ(g_Model.TitleLine[1].data(), "");
}

}  // namespace
