// Distributed load per node by tributary length, and soil movement per node.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "model/model.h"
#include "pile/lateral_loads.h"
#include "model/units.h"
#include "support/model_fixture.h"

class LateralLoadsTest : public ModelTest {
protected:
    // A 100-long pile in 10 increments: nodes at 0, 10, ..., 100.
    void SetUp() override {
        ModelTest::SetUp();
        AnalysisModel& m = g_Model;
        m.rd_PileLengthAnalysed = 100.0;
        m.IncrementLength = 10.0;
        m.NumNodes = 11;
        for (int k = 1; k <= 11; ++k) m.XNode[k] = 10.0 * (k - 1);
    }
    static void Set_Load(std::initializer_list<std::pair<double, double>> points) {
        AnalysisModel& m = g_Model;
        m.NumDistLoadPoints = 0;
        for (const auto& p : points) {
            ++m.NumDistLoadPoints;
            m.XDistLoad[m.NumDistLoadPoints] = p.first;
            m.DistLoad[m.NumDistLoadPoints] = p.second;
        }
    }
};

TEST_F(LateralLoadsTest, UniformLoadGivesItsValueAtEveryNodeHeadAndTipIncluded) {
    Set_Load({{0.0, 7.0}, {100.0, 7.0}});
    for (int k = 1; k <= 11; ++k) EXPECT_NEAR(DistributedLoadAtNode(g_Model.XNode[k]), 7.0, 1e-12);
}

TEST_F(LateralLoadsTest, PartialCoverageAndSteps) {
    struct Case { const char* name; std::vector<std::pair<double, double>> points; double x; double w; };
    const Case cases[] = {
        // Load of 4 from depth 52 down: node 50 covers [45, 55], of which 3 is loaded.
        {"load starting between nodes", {{52.0, 4.0}, {100.0, 4.0}}, 50.0, 4.0 * 3.0 / 10.0},
        {"node above the load", {{52.0, 4.0}, {100.0, 4.0}}, 40.0, 0.0},
        // Step at 50 from 2 to 6: [45, 50] at 2 and [50, 55] at 6.
        {"step at the node", {{0.0, 2.0}, {50.0, 2.0}, {50.0, 6.0}, {100.0, 6.0}}, 50.0, 4.0},
        // Triangle 0 at 0 to 10 at 100: the average over [15, 25] is the value at 20.
        {"linear load", {{0.0, 0.0}, {100.0, 10.0}}, 20.0, 2.0},
        // At the tip only [95, 100] counts, over half an increment: average of 9.5 and 10.
        {"tip takes half an increment", {{0.0, 0.0}, {100.0, 10.0}}, 100.0, 9.75},
        {"load ends above the node", {{0.0, 5.0}, {20.0, 5.0}}, 30.0, 0.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        AnalysisModel& m = g_Model;
        m.NumDistLoadPoints = static_cast<int>(c.points.size());
        for (int i = 0; i < m.NumDistLoadPoints; ++i) {
            m.XDistLoad[i + 1] = c.points[static_cast<std::size_t>(i)].first;
            m.DistLoad[i + 1] = c.points[static_cast<std::size_t>(i)].second;
        }
        EXPECT_NEAR(DistributedLoadAtNode(c.x), c.w, 1e-12);
    }
}

TEST_F(LateralLoadsTest, SoilMovementInterpolatedBetweenItsPoints) {
    AnalysisModel& m = g_Model;
    m.NumSoilMovementPoints = 3;
    m.XSoilMovement[1] = 15.0;
    m.SoilMovement[1] = 1.0;
    m.XSoilMovement[2] = 35.0;
    m.SoilMovement[2] = 0.5;
    m.XSoilMovement[3] = 75.0;
    m.SoilMovement[3] = 0.0;
    for (int k = 1; k <= 11; ++k) m.SoilMovement_Node[k] = -9.0;
    SoilMovementAtNodes(11);
    const double expected[12] = {0, 0.0, 0.0, 0.875, 0.625, 0.4375, 0.3125, 0.1875, 0.0625, 0.0, 0.0, 0.0};
    for (int k = 1; k <= 11; ++k) {
        SCOPED_TRACE(k);
        EXPECT_NEAR(m.SoilMovement_Node[k], expected[k], 1e-12);
    }
}

// LRFD loading groups with distributed loads: each load type's groups add up per node, a
// combination sums only its positive factors, and the report block is written once a run.
class LrfdLateralLoadsTest : public LateralLoadsTest {
protected:
    void SetUp() override {
        LateralLoadsTest::SetUp();
        AnalysisModel& m = g_Model;
        m.IUNITS = k_Units_SI;
        m.b_UseLRFD = -1;
        Add_Group(1, {{0.0, 2.0}, {100.0, 2.0}});    // dead load 2 over the whole pile
        Add_Group(1, {{0.0, 1.0}, {100.0, 1.0}});    // and another 1
        Add_Group(2, {{0.0, 0.0}, {100.0, 10.0}});   // live load rising from 0 to 10
        Add_Group(3, {{0.0, 50.0}, {100.0, 50.0}});  // earthquake 50
        m.NumLrfdCombinations = 1;
        m.LrfdFactor[1][1] = 1.25;
        m.LrfdFactor[2][1] = 1.75;
        m.LrfdFactor[3][1] = -1.0;                   // takes no part
    }
    static void Add_Group(int type, std::initializer_list<std::pair<double, double>> points) {
        AnalysisModel& m = g_Model;
        const int g = ++m.NumLrfdLoads;
        m.LrfdLoadType[g] = type;
        for (const auto& p : points) {
            const int j = ++m.NumLrfdDistPoints[g];
            m.XLrfdDist[j][g] = p.first;
            m.LrfdDist[j][g] = p.second;
        }
    }
};

TEST_F(LrfdLateralLoadsTest, TypesAddUpPerNodeAndOnlyPositiveFactorsCombine) {
    Capture_Run_Files();
    LRFDDistributedLoads();
    const AnalysisModel& m = g_Model;
    for (int k = 1; k <= 11; ++k) {
        SCOPED_TRACE(k);
        // Live load at x is x / 10; the head averages [0, 5] (0.25), the tip [95, 100] (9.75).
        const double live = k == 1 ? 0.25 : k == 11 ? 9.75 : m.XNode[k] / 10.0;
        EXPECT_NEAR(m.rd_LrfdDistLoad_Node[1][k], 3.0, 1e-12);
        EXPECT_NEAR(m.rd_LrfdDistLoad_Node[2][k], live, 1e-12);
        EXPECT_NEAR(m.rd_LrfdDistLoad_Node[3][k], 50.0, 1e-12);
        EXPECT_NEAR(LRFDLoadAtNode(k, 1), 1.25 * 3.0 + 1.75 * live, 1e-12);
    }
    Set_Lrfd_Node_Loads(1);
    EXPECT_NEAR(m.W_Node[6], 1.25 * 3.0 + 1.75 * 5.0, 1e-12);
    EXPECT_EQ(m.DistLoad_Node[6], m.W_Node[6]);
}

TEST_F(LrfdLateralLoadsTest, ReportIsWrittenOnceForAllCombinations) {
    Capture_Run_Files();
    // every combination discretizes afresh; the nodes, and so the table, do not change
    for (int c = 1; c <= 3; ++c) LRFDDistributedLoads();
    const std::vector<std::string> report = Captured_Report_Lines();
    EXPECT_EQ(std::count(report.begin(), report.end(), "Distributed Lateral Loads for LRFD:"), 1);
    // one table per loaded type, earthquake included: its factor decides only the combination
    EXPECT_EQ(std::count_if(report.begin(), report.end(),
                            [](const std::string& l) {
                                return l.rfind("Sums of Distributed Lateral Load Per Unit Length due to ", 0) == 0;
                            }),
              3);
    EXPECT_NE(std::find(report.begin(), report.end(),
                        "Sums of Distributed Lateral Load Per Unit Length due to Live Load   (LL)"),
              report.end());
    EXPECT_NE(std::find(report.begin(), report.end(), "     50.00         5.00"), report.end());
}

TEST_F(LrfdLateralLoadsTest, AGroupOfOneHundredPointsIsUsedWhole) {
    // The reader accepts up to 100 points a group; the averaging must use all of them. The load
    // is 0 at points 1..98 (depths 0..97) and steps to 6 at point 99 (also at 97), held to point
    // 100 at the tip: only the tip node [95, 100] sees it, 6 * 3 over half an increment = 3.6.
    AnalysisModel& m = g_Model;
    m.NumLrfdLoads = 1;
    m.LrfdLoadType[1] = 4;
    m.NumLrfdDistPoints[1] = 100;
    for (int j = 1; j <= 99; ++j) {
        m.XLrfdDist[j][1] = j - 1.0;
        m.LrfdDist[j][1] = 0.0;
    }
    m.XLrfdDist[99][1] = 97.0;
    m.LrfdDist[99][1] = 6.0;
    m.XLrfdDist[100][1] = 100.0;
    m.LrfdDist[100][1] = 6.0;
    Capture_Run_Files();
    LRFDDistributedLoads();
    EXPECT_NEAR(m.rd_LrfdDistLoad_Node[4][11], 3.6, 1e-12);
    EXPECT_EQ(m.rd_LrfdDistLoad_Node[4][10], 0.0);
}
