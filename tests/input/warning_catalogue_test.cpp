// The closing summary of warning messages.
#include <gtest/gtest.h>

#include "engine/errors.h"
#include "input/warning_catalogue.h"
#include "model/model.h"
#include "support/model_fixture.h"

class WarningSummaryTest : public ModelTest {};

TEST_F(WarningSummaryTest, ListsEachNumberOnceInAscendingOrderWithItsCount) {
    Capture_Run_Files();
    for (int i = 0; i < 120; ++i) RecordWarning(-3041);
    RecordWarning(-400);
    RecordWarning(-400);
    WriteWarningSummary();
    const auto lines = Captured_Report_Lines();
    const std::vector<std::string> head = {
        "", "", std::string(80, '-'), std::string(26, ' ') + "Summary of Warning Messages",
        std::string(80, '-'), ""};
    ASSERT_GE(lines.size(), head.size());
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 6), head);
    const int first = Find_Line(lines, "The following warning was reported 2 times");
    const int second = Find_Line(lines, "The following warning was reported 120 times");
    ASSERT_GE(first, 0);
    ASSERT_GT(second, first);
    // 400 has no empty line after its last text line; 3041 has the usual frame.
    const std::vector<std::string> w400 = {
        "", "", "**** Warning - Failure for One or More LRFD Load Cases ****", "",
        "This warning message is provided to alert the user that one or more of ",
        "LRFD load cases has overloaded the structural capacity of the pile."};
    EXPECT_EQ(std::vector<std::string>(lines.begin() + first + 1, lines.begin() + second), w400);
    EXPECT_EQ(lines[static_cast<std::size_t>(second) + 3], "**** Warning ****");
    EXPECT_EQ(lines.back(), "");
    EXPECT_EQ(lines[lines.size() - 2],
              "psi (1,250 psf).  You should check your input data for correctness.");
}

TEST_F(WarningSummaryTest, FramesFollowEachWarningsLayout) {
    struct Case { int number; std::vector<std::string> text; };
    const Case cases[] = {
        {354, {"", "**** Warning - Possible Modelling Error ****", "",
               "The depth of this liquefied sand layer is deeper than the recommended depth ",
               "limit of 6 meters for using the p-y criteria for liquefied sand.",
               "Please consult the Orvane Technical Manual for additional background ",
               "information regarding limitations on the use of the liquefied sand criteria.", ""}},
        {305, {"***** Warning *****", "", "Too many values were calculated for moment-curvature.",
               "This may indicate that the pile is too weak or is under-reinforced, ",
               "where all reinforcing steel has yielded.  You should examine your input ",
               "data and increase the amount of steel reinforcement if necessary."}},
        {306, {"", "Warning - Negative values of bending moment were computed in nonlinear EI computations.",
               "This may indicate that the pile is too weak or is under-reinforced and that all reinforcing steel ",
               "has yielded.",
               "You should examine your input data and increase the amount of steel reinforcement if necessary.",
               ""}},
        {316, {"***** Warning *****", "",
               "The input value for k_rm used by the weak rock criteria is smaller than ",
               "0.00005.  This value is outside the recommended range of 0.00005 to 0.0005.",
               "You should check your input data for accuracy.", ""}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.number);
        Initialize_Model();
        Capture_Run_Files();
        RecordWarning(-c.number);
        WriteWarningSummary();
        const auto lines = Captured_Report_Lines();
        ASSERT_EQ(lines.size(), 8 + c.text.size());
        EXPECT_EQ(lines[6], "The following warning was reported 1 times");
        EXPECT_EQ(std::vector<std::string>(lines.begin() + 8, lines.end()), c.text);
    }
}
