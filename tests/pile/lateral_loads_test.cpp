// Distributed load per node by tributary length, and soil movement per node.
#include <gtest/gtest.h>

#include "model/model.h"
#include "pile/lateral_loads.h"
#include "support/model_fixture.h"

class LateralLoadsTest : public ModelTest {
protected:
    // A 100-long pile in 10 increments: nodes at 0, 10, ..., 100.
    void SetUp() override {
        ModelTest::SetUp();
        AnalysisModel& m = g_Model;
        m.PileLength = 100.0;
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
