// docs/input-format.md held to the reader's own tables: every section keyword the reader
// dispatches on, END, every option line it recognizes by its words with each accepted value, and
// every soil type code must appear in the reference as code (`SOIL LAYERS`, `UseLRFD YES`), so
// that a keyword or value added to the reader without its documentation fails here. The lists
// come from the reader (Section_Keyword, Option_Words) and the model's soil type table; the
// fixture tests make sure the option list is the one the OPTIONS reader acts on.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "input/options.h"
#include "input/reader.h"
#include "model/capacities.h"
#include "model/model.h"
#include "support/input_fixture.h"

namespace {

std::string Read_Reference() {
    std::ifstream in(std::string(ORVANE_DOCS_DIR) + "/input-format.md");
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string Code(const std::string& text) { return "`" + text + "`"; }

std::vector<std::string> Section_Keywords() {
    std::vector<std::string> words;
    for (int i = 0; i < Section_Keyword_Count(); ++i) words.push_back(Section_Keyword(i));
    return words;
}

// An option line as the reader compares it: "<word> <value>", or the value alone where the
// reader does not compare the line's label.
std::string Option_Line(const OptionWords& option, int v) {
    const std::string value = option.values[v];
    return option.word[0] == '\0' ? value : std::string(option.word) + " " + value;
}

std::vector<std::string> Option_Lines() {
    std::vector<std::string> lines;
    for (int i = 0; i < Option_Words_Count(); ++i) {
        const OptionWords& option = *Option_Words(i);
        for (int v = 0; v < option.num_values; ++v) lines.push_back(Option_Line(option, v));
    }
    return lines;
}

// The soil type codes of the model's table, without their padding blanks.
std::vector<std::string> Soil_Type_Codes() {
    std::vector<std::string> codes;
    for (int i = 1; i <= k_Num_Soil_Types; ++i) {
        std::string code = g_Model.SoilTypeCode[i].data();
        code.erase(code.find_last_not_of(' ') + 1);
        codes.push_back(code);
    }
    return codes;
}

// Every text the reference must show as code.
std::vector<std::string> Required_Code() {
    std::vector<std::string> all;
    for (const std::string& w : Section_Keywords()) all.push_back(Code(w));
    all.push_back(Code(k_End_Keyword));
    for (const std::string& l : Option_Lines()) all.push_back(Code(l));
    for (const std::string& c : Soil_Type_Codes()) all.push_back(Code(c));
    return all;
}

std::vector<std::string> Missing_From(const std::string& reference,
                                      const std::vector<std::string>& required) {
    std::vector<std::string> missing;
    for (const std::string& r : required) {
        if (reference.find(r) == std::string::npos) missing.push_back(r);
    }
    return missing;
}

bool Contains(const std::vector<std::string>& list, const std::string& item) {
    return std::find(list.begin(), list.end(), item) != list.end();
}

std::string Joined(const std::vector<std::string>& list) {
    std::string text;
    for (const std::string& s : list) text += s + "\n";
    return text;
}

// Words every list must hold: the first and last keyword of the dispatch table, the alias of
// GROUP EFFECT FACTORS, the first and the conditional option lines, and a soil type code.
struct KnownWord {
    const char* name;
    std::vector<std::string> (*list)();
    const char* word;
};
const KnownWord k_Known_Words[] = {
    {"first keyword", Section_Keywords, "TITLE"},
    {"keyword with a blank", Section_Keywords, "SOIL LAYERS"},
    {"alias keyword", Section_Keywords, "GROUPEFF"},
    {"last keyword", Section_Keywords, "AXIAL THRUST LOADS"},
    {"unit system", Option_Lines, "Units GENERAL"},
    {"first YES/NO option", Option_Lines, "UseLRFD YES"},
    {"last YES/NO option", Option_Lines, "ComputeInteraction NO"},
    {"loading type", Option_Lines, "CYCLIC"},
    {"interaction code", Option_Lines, "Eurocode2"},
    {"soil type code", Soil_Type_Codes, "API Sand"},
};

using InputFormatDoc = InputFixture;   // the fixture's Initialize_Model fills the soil type codes

TEST_F(InputFormatDoc, ReaderListsHoldTheKnownWords) {
    EXPECT_GT(Section_Keyword_Count(), 0);
    EXPECT_GT(Option_Words_Count(), 0);
    EXPECT_EQ(Section_Keyword(-1), nullptr);
    EXPECT_EQ(Section_Keyword(Section_Keyword_Count()), nullptr);
    EXPECT_EQ(Option_Words(-1), nullptr);
    EXPECT_EQ(Option_Words(Option_Words_Count()), nullptr);
    for (const KnownWord& row : k_Known_Words) {
        SCOPED_TRACE(row.name);
        EXPECT_TRUE(Contains(row.list(), row.word)) << row.word;
    }
}

TEST_F(InputFormatDoc, ReferenceShowsEveryKeywordOptionLineAndSoilTypeCode) {
    const std::string reference = Read_Reference();
    ASSERT_FALSE(reference.empty()) << ORVANE_DOCS_DIR "/input-format.md cannot be read";
    const std::vector<std::string> missing = Missing_From(reference, Required_Code());
    EXPECT_TRUE(missing.empty()) << "not in docs/input-format.md as code:\n" << Joined(missing);
}

// The check itself can fail: an empty reference misses everything, and a word the reader does
// not know is not in the reference.
TEST_F(InputFormatDoc, CheckFindsWhatIsMissing) {
    const std::vector<std::string> required = Required_Code();
    EXPECT_EQ(Missing_From("", required), required);
    EXPECT_EQ(Missing_From(Read_Reference(), {Code("SOIL LAYER")}).size(), 1u);
}

struct OptionsReader : InputFixture {
    void Reset() {
        TearDown();
        SetUp();
    }
    // Reads the default options with the line starting with `word ` replaced by `line`; returns
    // the index of that line, or -1 (and reads nothing) when no default line starts with word.
    int Read_With_Line_Of(const std::string& word, const std::string& line) {
        std::vector<std::string> lines = Default_Option_Lines();
        for (std::size_t j = 0; j < lines.size(); ++j) {
            if (lines[j].rfind(word + " ", 0) != 0) continue;
            lines[j] = line;
            Read_Input(Options_Section(lines) + "END\n");
            return static_cast<int>(j);
        }
        return -1;
    }
    // The default options with "ComputeInteraction YES" and the interaction code line.
    void Read_With_Interaction_Code(const std::string& code) {
        std::vector<std::string> lines = Default_Option_Lines();
        lines.back() = "ComputeInteraction YES";
        lines.push_back("Interaction " + code);
        Read_Input(Options_Section(lines) + "END\n");
    }
};

// Every listed option line is accepted in its place, and the lines with a word come in the
// order the reader reads them.
TEST_F(OptionsReader, EveryListedOptionLineIsAcceptedInReadingOrder) {
    int previous = -1;
    for (int i = 0; i < Option_Words_Count(); ++i) {
        const OptionWords& option = *Option_Words(i);
        for (int v = 0; v < option.num_values; ++v) {
            const std::string line = Option_Line(option, v);
            SCOPED_TRACE(line);
            Reset();
            if (option.word[0] != '\0') {
                const int at = Read_With_Line_Of(option.word, line);
                ASSERT_GE(at, 0);
                if (line == "ComputeInteraction YES") {
                    // the line asks for one more, the interaction code
                    Reset();
                    Read_With_Interaction_Code("AASHTO");
                }
                EXPECT_GT(at, previous);
                if (v == option.num_values - 1) previous = at;
            } else {
                // A value-only line: a loading type in columns 9-14, or an interaction code after
                // "ComputeInteraction YES".
                ASSERT_GE(Read_With_Line_Of("Loading", "Loading " + line), 0);
                if (g_Model.ErrorStatus != 0) {
                    Reset();
                    Read_With_Interaction_Code(line);
                }
            }
            EXPECT_EQ(g_Model.ErrorStatus, 0);
        }
    }
}

TEST_F(OptionsReader, ValueOutsideTheListIsRefused) {
    ASSERT_GE(Read_With_Line_Of("UseLRFD", "UseLRFD MAYBE"), 0);
    EXPECT_NE(g_Model.ErrorStatus, 0);
    Reset();
    ASSERT_GE(Read_With_Line_Of("Loading", "Loading SEISMIC"), 0);
    EXPECT_NE(g_Model.ErrorStatus, 0);
    Reset();
    Read_With_Interaction_Code("ACI");
    EXPECT_NE(g_Model.ErrorStatus, 0);
}

}  // namespace
