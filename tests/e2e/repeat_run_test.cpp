// Repeated calls of the engine in one process: a call starts from the initial state whatever the
// call before it did or where it stopped, so a problem run again after another one writes the
// same report, plot and message files as the first time.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "e2e/run_support.h"

namespace {

std::string Example(const char* name) {
    return Read_File(std::string(ORVANE_EXAMPLES_DIR) + "/" + name);
}

// The text with its first occurrence of from replaced by to; the test fails if there is none.
std::string Replaced(std::string text, const std::string& from, const std::string& to) {
    const std::size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos) text.replace(at, from.size(), to);
    return text;
}

// The report without its date and time line, which is the only line allowed to differ.
std::vector<std::string> Report_Without_Date(const std::string& path) {
    std::vector<std::string> lines;
    for (const std::string& l : Read_Lines(path)) {
        if (l.find("Date:") == std::string::npos) lines.push_back(l);
    }
    return lines;
}

bool Holds_Text(const std::vector<std::string>& lines, const std::string& text) {
    for (const std::string& l : lines) {
        if (l.find(text) != std::string::npos) return true;
    }
    return false;
}

struct RunFiles {
    int result;
    std::vector<std::string> report, plot, messages;
};

// Runs the input in the run's directory (replacing the files of any run before) and reads back
// the three files. The directory is named in the files, so runs compared share one.
RunFiles Run_Once(const EngineRun& run, const std::string& input) {
    RunFiles files;
    files.result = run.Run(input);
    files.report = Report_Without_Date(run.report());
    files.plot = Read_Lines(run.plot());
    files.messages = Read_Lines(run.messages());
    return files;
}

struct RepeatCase {
    const char* name;
    const char* first;          // example run first and third
    std::string middle;         // input of the call between them
    int middle_result;          // how the middle call ends
    const char* middle_ending;  // text its report holds
};

TEST(RepeatedCalls, RunAgainAfterAnotherRunWritesTheSameFiles) {
    const RepeatCase cases[] = {
        // Every section family read (bars, strands, a user M-EI table) before a thrust value
        // that is no number stops the input.
        {"drilled shaft after an input error in the thrust list", "pier4-drilled-shaft.lp",
         Replaced(Example("section-families-ei-only.lp"), "1  500000.0", "1  5OO000.0"), 199,
         "Orvane ended prematurely due to input error number INP00099"},
        // 500 increments; load cases 1 and 2 complete, case 3 deflects beyond the limit.
        {"soft clay pile after excess deflection in load case 3", "pipe-pile-soft-clay.lp",
         Replaced(Example("pipe-pile-clay-sand-subgrade.lp"), "MaxDeflection 2.0",
                  "MaxDeflection 0.06"),
         209, "The analysis ended due to runtime error No. 9."},
        // Moment-curvature tables of seven sections, then a problem of two sections.
        {"bending-stiffness families after a drilled shaft that ends normally",
         "section-families-ei-only.lp", Example("pier4-drilled-shaft.lp"), 0,
         "The analysis ended normally."},
    };
    for (const RepeatCase& c : cases) {
        SCOPED_TRACE(c.name);
        const EngineRun run;
        const std::string first_input = Example(c.first);
        const RunFiles first = Run_Once(run, first_input);
        ASSERT_EQ(first.result, 0);
        ASSERT_GT(first.plot.size(), 10u);

        const RunFiles middle = Run_Once(run, c.middle);
        EXPECT_EQ(middle.result, c.middle_result);
        EXPECT_TRUE(Holds_Text(middle.report, c.middle_ending));

        const RunFiles again = Run_Once(run, first_input);
        EXPECT_EQ(again.result, first.result);
        EXPECT_EQ(again.report, first.report);
        EXPECT_EQ(again.plot, first.plot);
        EXPECT_EQ(again.messages, first.messages);
    }
}

// Load cases 1 and 2 of the run that stops in case 3 are those of the complete run: the stop
// happens half way through the load cases, with their results already written.
TEST(RepeatedCalls, RunStoppedInLoadCaseThreeHasSolvedTheCasesBefore) {
    const EngineRun run;
    const std::string complete = Example("pipe-pile-clay-sand-subgrade.lp");
    const RunFiles stopped =
        Run_Once(run, Replaced(complete, "MaxDeflection 2.0", "MaxDeflection 0.06"));
    const RunFiles whole = Run_Once(run, complete);
    ASSERT_EQ(stopped.result, 209);
    ASSERT_EQ(whole.result, 0);
    const auto stopped_cases = Node_Records(stopped.plot);
    const auto whole_cases = Node_Records(whole.plot);
    ASSERT_EQ(stopped_cases.size(), 2u);
    ASSERT_EQ(whole_cases.size(), 5u);
    for (std::size_t lc = 0; lc < 2; ++lc) {
        ASSERT_EQ(stopped_cases[lc].size(), whole_cases[lc].size());
        EXPECT_EQ(stopped_cases[lc].front().y, whole_cases[lc].front().y);
        EXPECT_EQ(stopped_cases[lc].back().M, whole_cases[lc].back().M);
    }
}

}  // namespace
