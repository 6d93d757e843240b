// The bundled micropile example run end to end through ORVGO: a 200 mm grouted hole with a
// 177.8 x 12.7 mm casing and a 63 mm central bar, 12 m long, in soft clay over sand, under three
// free-head shears and one fixed-head shear with a 300 kN axial load. Its section is analysed
// like any round section (block, capacities, curve, tables), the lateral solution reads the
// tables, and the pile behaves as a pile should: softer under larger shears, stiffer at the head
// when the head is fixed.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "e2e/run_support.h"
#include "support/test_support.h"

namespace {

constexpr double k_Shears[] = {10.0, 20.0, 30.0};   // kN, free head; case 4 is 30 kN, fixed head
constexpr std::size_t k_Nodes = 121;                 // 120 increments

TEST(MicropileEndToEnd, ExampleRunsToANormalEndWithItsSectionAnalysed) {
    EngineRun run;
    const int result = run.Run(Read_File(std::string(ORVANE_EXAMPLES_DIR) + "/micropile-group-member.lp"));
    EXPECT_LE(result, 0);   // warnings allowed, no error
    const auto report = Read_Lines(run.report());
    EXPECT_GE(Find_Line(report, "The analysis ended normally. "), 0);
    EXPECT_GE(Find_Line(report, "   Section Type                                        = Micropile"), 0);
    EXPECT_GE(Find_Line(report, "Dimensions and Properties of Micropile:"), 0);
    EXPECT_GE(Find_Line(report, "Grout Properties:"), 0);
    EXPECT_GE(Find_Line(report, "   Summary of Results for Nominal (Unfactored) Moment Capacity for Section 1"), 0);

    const auto cases = Node_Records(Read_Lines(run.plot()));
    ASSERT_EQ(cases.size(), 4u);
    double previous_flexibility = 0.0;
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(k_Shears[i]);
        const std::vector<NodeRecord>& nodes = cases[static_cast<std::size_t>(i)];
        ASSERT_EQ(nodes.size(), k_Nodes);
        EXPECT_NEAR(nodes.back().x, 12.0, 1e-6);
        // Soft clay and a grout that cracks: each larger shear deflects the head more per kN.
        const double flexibility = nodes[0].y / k_Shears[i];
        EXPECT_GT(flexibility, 1.02 * previous_flexibility);
        previous_flexibility = flexibility;
        EXPECT_NEAR(nodes[0].M, 0.0, 1e-6);   // a free head carries no moment
    }
    // Fixed against rotation, the head deflects less than the free head under the same shear and
    // takes a restraining moment.
    const std::vector<NodeRecord>& fixed = cases[3];
    ASSERT_EQ(fixed.size(), k_Nodes);
    EXPECT_GT(fixed[0].y, 0.0);
    EXPECT_LT(fixed[0].y, 0.8 * cases[2][0].y);
    EXPECT_LT(fixed[0].M, 0.0);
}

}  // namespace
