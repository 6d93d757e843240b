// A run leaves the problem as the input stage left it: whatever the pile model, the criteria,
// the section analysis, the load cases, the length study and the stiffness study compute, the
// model's problem blocks after the whole run are byte for byte those a check of the same input
// leaves (the check stops once the input is read, echoed, converted and its sections checked).
#include <gtest/gtest.h>

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/run.h"
#include "model/model.h"
#include "support/model_fixture.h"

namespace {

// The problem blocks: from the first option to the first value derived from the problem.
std::vector<unsigned char> Problem_Bytes() {
    const auto* begin = reinterpret_cast<const unsigned char*>(&g_Model.IUNITS);
    const auto* end = reinterpret_cast<const unsigned char*>(&g_Model.b_RunValuesDerived);
    return {begin, end};
}

std::size_t First_Difference(const std::vector<unsigned char>& a, const std::vector<unsigned char>& b) {
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i] != b[i]) return i;
    }
    return a.size();
}

class ProblemStaysInputTest : public ModelTest {};

TEST_F(ProblemStaysInputTest, EveryExampleRunLeavesTheProblemAsTheInputStageLeftIt) {
    int examples = 0;
    for (const auto& entry : std::filesystem::directory_iterator(ORVANE_EXAMPLES_DIR)) {
        if (entry.path().extension() != ".lp") continue;
        const std::string name = entry.path().filename().string();
        SCOPED_TRACE(name);
        const std::string text = Read_File(entry.path().string());
        Check_Input_Text(k_Interface_Version, text.data(), text.size(), name.c_str());
        ASSERT_EQ(g_Model.ErrorStatus, 0);
        const std::vector<unsigned char> as_input = Problem_Bytes();
        Run_Analysis_Of_Text(k_Interface_Version, text.data(), text.size(), name.c_str());
        ASSERT_EQ(g_Model.ErrorStatus, 0);
        ASSERT_GT(g_Model.i_NumTableThrusts, 0);   // it got as far as the section analysis
        const std::size_t at = First_Difference(as_input, Problem_Bytes());
        EXPECT_EQ(at, as_input.size()) << "the run changed the problem at byte " << at
                                       << " after IUNITS";
        ++examples;
    }
    EXPECT_GT(examples, 0) << "no example found in " << ORVANE_EXAMPLES_DIR;
}

}  // namespace
