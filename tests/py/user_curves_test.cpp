// User-input p-y curves: resistance read from the top and bottom curves and interpolated by
// depth, the first-segment modulus at vanishing deflection, the layer integral, soil movement
// and the printed block. Expected values are worked by hand from the two curves below.
#include <gtest/gtest.h>

#include <string>

#include "model/model.h"
#include "model/soil_types.h"
#include "model/units.h"
#include "py/criteria.h"
#include "support/model_fixture.h"

namespace {

// An SI pile of width 0.6 m, one "User p-y" layer from 0 to 10 m, nodes every 2.5 m.
// Top curve:    (0, 0), (0.01, 100), (0.05, 300)               first slope 10000
// Bottom curve: (0, 0), (0.02, 400), (0.04, 600), (0.1, 800)   first slope 20000
void Set_Up_Layer() {
    AnalysisModel& m = g_Model;
    m.IUNITS = k_Units_SI;
    Set_Unit_Labels();
    m.NumSectionPoints = 2;
    m.XSectionPoint[1] = 0.0;
    m.XSectionPoint[2] = 10.0;
    m.SectionPointD[1] = m.SectionPointD[2] = 0.6;
    m.i_Number_of_Layers = 1;
    m.i_SoilLayer_py_Type[1] = k_Soil_UserPY;
    m.rd_LayerTop[1] = m.XSoilPoint[1] = m.UserPYDepth[1] = 0.0;
    m.XLayerBottom[1] = m.XSoilPoint[2] = m.UserPYDepth[2] = 10.0;
    const double top[3][2] = {{0.0, 0.0}, {0.01, 100.0}, {0.05, 300.0}};
    const double bottom[4][2] = {{0.0, 0.0}, {0.02, 400.0}, {0.04, 600.0}, {0.1, 800.0}};
    m.NumUserPYPoints[1] = 3;
    m.NumUserPYPoints[2] = 4;
    for (int j = 1; j <= 3; ++j) {
        m.UserPY_y[j][1] = top[j - 1][0];
        m.UserPY_p[j][1] = top[j - 1][1];
    }
    for (int j = 1; j <= 4; ++j) {
        m.UserPY_y[j][2] = bottom[j - 1][0];
        m.UserPY_p[j][2] = bottom[j - 1][1];
    }
    m.NumNodes = 5;
    m.IncrementLength = 2.5;
    for (int k = 1; k <= 5; ++k) m.XNode[k] = m.ZNode[k] = 2.5 * (k - 1);
    m.i_TopNodeInLayer[1] = 1;
    m.i_BottomNodeInLayer[1] = 5;
}

void Set_Multipliers(double pm, double ym) {
    AnalysisModel& m = g_Model;
    m.NumPYModifierPoints = 2;
    m.XPYModifier[1] = 0.0;
    m.XPYModifier[2] = 10.0;
    m.PMultiplier[1] = m.PMultiplier[2] = pm;
    m.YMultiplier[1] = m.YMultiplier[2] = ym;
}

}  // namespace

class UserCurvesTest : public ModelTest {};

TEST_F(UserCurvesTest, SecantFromBothCurvesInterpolatedByDepth) {
    struct Case {
        const char* what;
        int node;
        double y;
        double es;
    };
    const Case cases[] = {
        // x = 5 halfway: top 50, bottom 100 (both on their first segment), p = 75.
        {"halfway, first segments", 3, 0.005, 75.0 / 0.005},
        // x = 2.5: top 100 + 200 (0.02 / 0.04) = 200 on its last segment, bottom
        // 400 + 200 (0.01 / 0.02) = 500 on its second; p = 200 + 0.25 (500 - 200) = 275.
        {"quarter depth, later segments", 2, 0.03, 275.0 / 0.03},
        // A deflection on an input point of the top curve: top 100, bottom 200, p = 150.
        {"on an input point", 3, 0.01, 150.0 / 0.01},
        // Beyond the last point of both curves: the last values 300 and 800.
        {"beyond the last point at the top", 1, 0.2, 300.0 / 0.2},
        {"beyond the last point at the bottom", 5, 0.2, 800.0 / 0.2},
        // Beyond the top curve's last point only: top 300, bottom 600 + 200 (0.02 / 0.06).
        {"beyond the top curve only", 4, 0.06, (300.0 + 0.75 * (600.0 + 200.0 / 3.0 - 300.0)) / 0.06},
        // Vanishing deflection: the first slopes 10000 and 20000 interpolated by depth.
        {"zero deflection at x = 5", 3, 0.0, 15000.0},
        {"zero deflection at x = 7.5", 4, 0.0, 17500.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TearDown();
        SetUp();
        Set_Up_Layer();
        Y_Node(c.node) = -c.y;   // the curve uses the size of the deflection
        PY_UserCurves(1, false);
        EXPECT_NEAR(g_Model.Es_Node[c.node], c.es, 1e-9 * c.es);
    }
}

TEST_F(UserCurvesTest, MultipliersScaleTheSecantButNotTheLimitingModulus) {
    Set_Up_Layer();
    Set_Multipliers(0.5, 2.0);
    AnalysisModel& m = g_Model;
    Y_Node(3) = 0.01;   // y' = 0.005 at x = 5: p = 75 without multipliers
    Y_Node(4) = 0.0;
    PY_UserCurves(1, false);
    EXPECT_NEAR(m.Es_Node[3], 0.5 * 75.0 / (2.0 * 0.005), 1e-9);
    EXPECT_NEAR(m.Es_Node[4], 17500.0, 1e-9);
}

TEST_F(UserCurvesTest, NodeOutsideTheCurveDepthsHasNoResistance) {
    // Curves at 1 m and 9 m: nodes at 0 and 10 m lie outside them (as with batter).
    Set_Up_Layer();
    AnalysisModel& m = g_Model;
    m.UserPYDepth[1] = 1.0;
    m.UserPYDepth[2] = 9.0;
    for (int k = 1; k <= 5; ++k) m.Es_Node[k] = -1.0;
    Y_Node(1) = 0.01;
    Y_Node(5) = 0.0;
    Y_Node(3) = 0.005;   // x = 5 still halfway between the curves
    PY_UserCurves(1, false);
    EXPECT_EQ(m.Es_Node[1], 0.0);
    EXPECT_EQ(m.Es_Node[5], 0.0);
    EXPECT_NEAR(m.Es_Node[3], 75.0 / 0.005, 1e-9);
}

TEST_F(UserCurvesTest, CurvesAtOneDepthActAsTheTopCurve) {
    Set_Up_Layer();
    AnalysisModel& m = g_Model;
    m.UserPYDepth[1] = m.UserPYDepth[2] = 5.0;
    Y_Node(3) = 0.005;
    Y_Node(2) = 0.005;
    PY_UserCurves(1, false);
    EXPECT_NEAR(m.Es_Node[3], 50.0 / 0.005, 1e-9);
    EXPECT_EQ(m.Es_Node[2], 0.0);
    EXPECT_NEAR(m.Fu_Layer[1], 5 * 300.0 * 2.5, 1e-9);
}

TEST_F(UserCurvesTest, LayerIntegralUsesTheLastValuesAndStartsAfresh) {
    // Last values 300 at the top, 800 at the bottom: 300, 425, 550, 675, 800 at the nodes,
    // summed and times h = 2.5. Curves at 1 m and 9 m extrapolate the same line without the
    // range test: 237.5, 393.75, 550, 706.25, 862.5.
    Set_Up_Layer();
    AnalysisModel& m = g_Model;
    m.Fu_Layer[1] = 999.0;
    Y_Node(2) = 0.02;
    PY_UserCurves(1, false);
    EXPECT_NEAR(m.Fu_Layer[1], 2750.0 * 2.5, 1e-9);
    PY_UserCurves(1, false);
    EXPECT_NEAR(m.Fu_Layer[1], 2750.0 * 2.5, 1e-9);
    m.UserPYDepth[1] = 1.0;
    m.UserPYDepth[2] = 9.0;
    PY_UserCurves(1, false);
    EXPECT_NEAR(m.Fu_Layer[1], 2750.0 * 2.5, 1e-9);
    m.UserPY_p[3][1] = 500.0;   // top last value 500: 500 + (x - 1) 300 / 8, summed over x
    PY_UserCurves(1, false);
    EXPECT_NEAR(m.Fu_Layer[1], (5 * 500.0 + 300.0 / 8.0 * (25.0 - 5.0)) * 2.5, 1e-9);
}

TEST_F(UserCurvesTest, SoilMovementActsThroughTheSpring) {
    Set_Up_Layer();
    AnalysisModel& m = g_Model;
    m.NumSoilMovementPoints = 2;
    m.SoilMovement_Node[3] = 0.01;
    m.DistLoad_Node[3] = 3.0;
    Y_Node(3) = 0.015;   // relative deflection 0.005 at x = 5: Es = 15000
    m.SoilMovement_Node[4] = 0.02;
    Y_Node(4) = 0.02;    // moves with the soil: the limiting modulus 17500
    PY_UserCurves(1, false);
    EXPECT_NEAR(m.Es_Node[3], 15000.0, 1e-9);
    EXPECT_NEAR(m.W_Node[3], 0.01 * 15000.0 + 3.0, 1e-9);
    EXPECT_NEAR(m.Es_Node[4], 17500.0, 1e-9);
    EXPECT_NEAR(m.W_Node[4], 0.02 * 17500.0, 1e-9);
}

TEST_F(UserCurvesTest, PrintedBlockLineForLine) {
    Set_Up_Layer();
    Set_Multipliers(0.5, 2.0);
    Capture_Run_Files();
    AnalysisModel& m = g_Model;
    m.rd_PYCurveDepth[1] = m.ZNode[1] = 5.0;   // one requested depth, halfway between the curves
    m.i_TopPYDepthInLayer[1] = m.i_BottomPYDepthInLayer[1] = 1;
    m.XGroundSurface = -1.5;
    m.Es_Node[1] = 123.0;
    m.Fu_Layer[1] = 7.0;
    PY_UserCurves(1, true);
    EXPECT_EQ(m.Es_Node[1], 123.0);
    EXPECT_EQ(m.Fu_Layer[1], 7.0);
    const std::string pad(55, ' ');
    const auto label = [&](const std::string& text) { return text + pad.substr(text.size()) + "= "; };
    // Rows: y = 2 y', 0.5 times the mean of the two curves at x = 5, b = 0.6. y'2 = 0.001:
    // 10 and 20; y'3 = 0.6 x 0.00625 = 0.00375: 37.5 and 75; y'10 = 0.03: 200 and 500;
    // y'14 = 0.6 x 0.075 = 0.045: 100 + 200 (0.035 / 0.04) = 275 and 600 + 200 (0.005 / 0.06);
    // y'15 = 0.12, y'16 = 0.225, y'17 = 0.3: beyond both curves, 300 and 800.
    const std::string expected[] = {
        "",
        "",
        "p-y Curve Computed by Interpolation Between User-input Curves",
        "",
        label("Soil Layer Number") + "           1",
        label("Depth below pile head") + "       5.000 m",
        label("Depth below ground surface") + "       6.500 m",
        label("Pile diameter") + "       0.600 m",
        label("p-multiplier") + "       0.500",
        label("y-multiplier") + "       2.000",
        "",
        "      y, m              p, kN/m",
        "----------------    ----------------",
        "         0.0000              0.0000",
        "         0.0020              7.5000",
        "         0.0075             28.1250",
        "         0.0150             56.2500",
        "         0.0225             82.8125",
        "         0.0300            106.2500",
        "         0.0375            129.6875",
        "         0.0450            146.8750",
        "         0.0525            160.9375",
        "         0.0600            175.0000",
        "         0.0675            189.0625",
        "         0.0750            203.1250",
        "         0.0825            215.1042",
        "         0.0900            222.9167",
        "         0.2400            275.0000",
        "         0.4500            275.0000",
        "         0.6000            275.0000",
    };
    const auto report = Captured_Report_Lines();
    ASSERT_EQ(report.size(), std::size(expected));
    for (std::size_t i = 0; i < report.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(report[i], expected[i]);
    }
    const auto plot = Captured_Plot_Lines();
    ASSERT_EQ(plot.size(), 18u);
    EXPECT_EQ(plot[0], "  0.5000000E+01   17" + std::string(60, ' ') +
                           "Line 7:  p-y curve depth in user-input p-y curve, no. p-y points on curve no. 1");
    EXPECT_EQ(plot[1], "  0.0000000E+00  0.0000000E+00" + std::string(20, ' ') +
                           "Line 8( 1): y, p, for user-input p-y curve");
    EXPECT_EQ(plot[17], "  0.6000000E+00  0.2750000E+03" + std::string(20, ' ') +
                            "Line 8(17): y, p, for user-input p-y curve");
}
