// Stiff clay with free water against hand calculations of the Reese, Cox and Koop curves: the law
// alone (resistances, factors, static and cyclic branches, initial line, defaults), then the
// criterion over a layer of nodes (moduli, layer integral, error 14, warnings, printed block).
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "model/model.h"
#include "model/soil_types.h"
#include "model/units.h"
#include "py/criteria.h"
#include "py/dispatch.h"
#include "py/layered_pile.h"
#include "py/stiff_clay_factors.h"
#include "py/stiff_clay_free_water.h"
#include "support/model_fixture.h"

namespace {

// The constants of the law are single-precision values (0.411, 2.83, 0.936 ...): against hand
// calculations with their decimal values results agree to about 1e-7 relative.
constexpr double k_Single_Tol = 1e-6;

// b = 0.6 m, c = ca = 100 kPa, gamma' = 9 kN/m3, k = 100 MN/m3, eps50 = 0.005: y50 = 0.003 m.
StiffClayFreeWaterCurve Curve_At(double zu, bool cyclic, double k = 100000.0) {
    return Stiff_Clay_Free_Water_Curve(0.6, 100.0, 100.0, 9.0, k, 0.005, zu, 1.0, false, cyclic);
}

// As at zu / b = 2 from the cubic with decimal coefficients.
const double k_As_At_2 = 0.2345 + 0.2958796 * 2.0 - 0.0786111 * 4.0 + 0.0068981 * 8.0;

}  // namespace

TEST(StiffClayFreeWaterLaw, FactorsFollowTheCubicsUpToTheirCaps) {
    struct Case { const char* name; double r; double As; double Ac; };
    const Case cases[] = {
        {"at the surface", 0.0, 0.2345, 0.2},
        {"r = 1", 1.0, 0.2345 + 0.2958796 - 0.0786111 + 0.0068981, 0.2 + 0.153333 - 0.075 + 0.011667},
        {"r = 2: Ac capped beyond 1.5", 2.0, k_As_At_2, 0.3},
        {"r = 3.4: As capped beyond 3.3", 3.4, 0.6, 0.3},
    };
    for (const Case& row : cases) {
        SCOPED_TRACE(row.name);
        EXPECT_NEAR(StiffClayAs(row.r), row.As, k_Single_Tol);
        EXPECT_NEAR(StiffClayAc(row.r), row.Ac, k_Single_Tol);
    }
}

TEST(StiffClayFreeWaterLaw, WedgeNearTheSurfaceFlowAtDepthAndResidualFactors) {
    // zu = 1.2 m: pct = (9 x 0.6 + 2.83 x 100) 1.2 + 2 x 100 x 0.6 = 466.08 < pcd = 660
    const StiffClayFreeWaterCurve wedge = Curve_At(1.2, false);
    EXPECT_NEAR(wedge.pct, 466.08, 466.08 * k_Single_Tol);
    EXPECT_EQ(wedge.pcd, 660.0);
    EXPECT_EQ(wedge.pc, wedge.pct);
    EXPECT_NEAR(wedge.pu, (0.5 * std::sqrt(6.0 * k_As_At_2) - 0.411 - 0.75 * k_As_At_2) * 466.08,
                k_Single_Tol * 466.08);
    EXPECT_NEAR(wedge.kx, 120000.0, 1e-9);
    // zu = 6 m: flow governs; As = 0.6, Ac = 0.3
    const StiffClayFreeWaterCurve flow = Curve_At(6.0, false);
    EXPECT_EQ(flow.pc, 660.0);
    EXPECT_NEAR(flow.pu, (0.5 * std::sqrt(3.6) - 0.411 - 0.45) * 660.0, k_Single_Tol * 660.0);
    EXPECT_NEAR(Curve_At(6.0, true).pu, (0.936 * 0.3 - 0.4182 * 0.6) * 660.0, k_Single_Tol * 660.0);
    // Sloping ground scales the wedge only.
    const StiffClayFreeWaterCurve sloped =
        Stiff_Clay_Free_Water_Curve(0.6, 100.0, 100.0, 9.0, 1e5, 0.005, 1.2, 0.5, true, false);
    EXPECT_NEAR(sloped.pct, 233.04, 233.04 * k_Single_Tol);
    EXPECT_EQ(sloped.pcd, 660.0);
}

TEST(StiffClayFreeWaterLaw, StaticCurveRisesSoftensAndEndsOnTheResidual) {
    const StiffClayFreeWaterCurve s = Curve_At(6.0, false);   // pc = 660, As = 0.6, y50 = 0.003
    const double Ay = 0.6 * 0.003;
    const double top = 0.5 * std::sqrt(3.6);
    struct Case { const char* name; double y; double p_over_pc; double tol; };
    const Case cases[] = {
        {"square root: a quarter of pc at y50 / 4", 0.00075, 0.25, k_Single_Tol},
        {"at As y50, from below", Ay, 0.5 * std::sqrt(0.6), k_Single_Tol},
        // 0.055 (s) x 5^1.25 = 0.41122 against 0.411 of the straight part: a step of 2e-4 pc
        {"at 6 As y50 by the softening branch", 6.0 * Ay, top - 0.055 * std::pow(5.0, 1.25), k_Single_Tol},
        {"just beyond 6 As y50 on the straight decline", 6.0 * Ay * (1 + 1e-6), top - 0.411, k_Single_Tol},
        {"halfway down the decline at 12 As y50", 12.0 * Ay, top - 0.411 - 0.0625 * 6.0 * 0.6, k_Single_Tol},
        {"the residual at 18 As y50", 18.0 * Ay, top - 0.411 - 0.45, k_Single_Tol},
        {"the residual beyond", 1.0, top - 0.411 - 0.45, k_Single_Tol},
    };
    for (const Case& row : cases) {
        SCOPED_TRACE(row.name);
        EXPECT_NEAR(Stiff_Clay_Free_Water_P(s, row.y) / 660.0, row.p_over_pc, row.tol);
    }
    // Continuity at As y50: both branches give 0.5 pc sqrt(As) there.
    EXPECT_NEAR(Stiff_Clay_Free_Water_P(s, Ay * (1 + 1e-12)), Stiff_Clay_Free_Water_P(s, Ay), 1e-6);
    EXPECT_NEAR(Stiff_Clay_Free_Water_P(s, 1.0), s.pu, 1e-9);
}

TEST(StiffClayFreeWaterLaw, CyclicCurvePeaksAtAcPcAndDegradesToTheResidual) {
    const StiffClayFreeWaterCurve s = Curve_At(6.0, true);
    const double yp = 4.1 * 0.6 * 0.003;   // 0.00738 m
    const double Acpc = 0.3 * 660.0;
    struct Case { const char* name; double y; double p; };
    const Case cases[] = {
        {"zero at zero", 0.0, 0.0},
        {"the peak Ac pc at 0.45 yp", 0.45 * yp, Acpc},
        {"at 0.6 yp from the peak curve", 0.6 * yp, Acpc * (1.0 - std::pow(1.0 / 3.0, 2.5))},
        {"down the straight line at 1.2 yp", 1.2 * yp, 0.936 * Acpc - 0.085 * 660.0 * 0.6 * yp / 0.003},
        {"the residual at 1.8 yp", 1.8 * yp, 0.936 * Acpc - 0.102 * 660.0 * yp / 0.003},
        {"the residual beyond", 10.0 * yp, 0.936 * Acpc - 0.102 * 660.0 * yp / 0.003},
    };
    for (const Case& row : cases) {
        SCOPED_TRACE(row.name);
        EXPECT_NEAR(Stiff_Clay_Free_Water_P(s, row.y), row.p, k_Single_Tol * 660.0);
    }
    // The straight line reaches the residual resistance exactly where it flattens.
    EXPECT_NEAR(Stiff_Clay_Free_Water_P(s, 1.8 * yp), s.pu, k_Single_Tol * 660.0);
}

TEST(StiffClayFreeWaterLaw, InitialStraightLineCapsTheCurve) {
    // kx = k zu = 600000 kN/m2: at 1e-6 m the line (0.6) lies far below the square root (6.0).
    const StiffClayFreeWaterCurve s = Curve_At(6.0, false);
    EXPECT_NEAR(Stiff_Clay_Free_Water_P(s, 1e-6), 0.6, 1e-12);
    // A very soft k: the line governs the whole static and cyclic curves.
    for (bool cyclic : {false, true}) {
        SCOPED_TRACE(cyclic);
        const StiffClayFreeWaterCurve soft = Curve_At(6.0, cyclic, 0.1);
        for (double y : {0.001, 0.005, 0.02}) EXPECT_NEAR(Stiff_Clay_Free_Water_P(soft, y), 0.6 * y, 1e-12);
    }
}

TEST(StiffClayFreeWaterLaw, PrintedDeflections) {
    const StiffClayFreeWaterCurve s = Curve_At(6.0, false);
    const double Ay = 0.6 * 0.003;
    const double yp = 4.1 * Ay;
    const StiffClayFreeWaterCurve c = Curve_At(6.0, true);
    struct Case { int j; double static_y; double cyclic_y; };
    const Case cases[] = {
        {1, 0.0, 0.0}, {2, 0.5 * Ay, 0.05 * yp}, {13, 6.0 * Ay, 0.6 * yp}, {14, 10.0 * Ay, 1.0 * yp},
        {15, 14.0 * Ay, 1.4 * yp}, {16, 18.0 * Ay, 1.8 * yp}, {17, 19.0 * Ay, 1.9 * yp},
    };
    for (const Case& row : cases) {
        SCOPED_TRACE(row.j);
        // As = 0.6 (s) carries its single-precision excess into every point
        EXPECT_NEAR(Stiff_Clay_Free_Water_Table_Deflection(s, row.j), row.static_y, 1e-7 * row.static_y);
        EXPECT_NEAR(Stiff_Clay_Free_Water_Table_Deflection(c, row.j), row.cyclic_y, 1e-7 * yp);
    }
}

TEST(StiffClayFreeWaterLaw, DefaultStrainAndSubgradeModulusByCohesion) {
    struct Case { const char* name; int units; double c; double eps50; double k_static; double k_cyclic; };
    const Case cases[] = {
        {"US 900 psf", k_Units_US, 900.0 / 144.0, 0.011, 250.0, 100.0},
        {"US exactly 1000 psf opens class 2", k_Units_US, 1000.0 / 144.0, 0.007, 500.0, 200.0},
        {"US 3000 psf", k_Units_US, 3000.0 / 144.0, 0.005, 1000.0, 400.0},
        {"US 5000 psf", k_Units_US, 5000.0 / 144.0, 0.004, 2000.0, 800.0},
        {"SI 40 kPa", k_Units_SI, 40.0, 0.011, 67861.78125, 27144.7109375},
        {"SI 60 kPa", k_Units_SI, 60.0, 0.007, 135723.5625, 54289.421875},
        {"SI 150 kPa", k_Units_SI, 150.0, 0.005, 271447.125, 108578.84375},
        {"SI 200 kPa", k_Units_SI, 200.0, 0.004, 542894.25, 217157.6875},
        {"general units have none", k_Units_General, 150.0, 0.0, 0.0, 0.0},
    };
    for (const Case& row : cases) {
        SCOPED_TRACE(row.name);
        EXPECT_NEAR(Default_Stiff_Clay_Free_Water_Epsilon50(row.c, row.units), row.eps50, 1e-9);
        EXPECT_EQ(Default_Stiff_Clay_Free_Water_K(row.c, row.units, false), row.k_static);
        EXPECT_EQ(Default_Stiff_Clay_Free_Water_K(row.c, row.units, true), row.k_cyclic);
    }
}

TEST(StiffClaySlopeFactor, ZeroDeflectionCountsAsNegative) {
    const double t = 10.0 * M_PI / 180.0;
    const double falling = 1.0 / (1.0 + std::tan(t));
    const double rising = std::cos(t) * std::sqrt(0.5) / std::cos(M_PI / 4.0 + t);
    struct Case { const char* name; double y; double theta; double F; };
    const Case cases[] = {
        {"down a falling slope", 0.01, t, falling},
        {"up a rising slope", -0.01, t, rising},
        {"zero deflection on a positive slope pushes uphill", 0.0, t, rising},
        {"zero deflection on a negative slope pushes downhill", 0.0, -t, falling},
        {"positive deflection on a negative slope", 0.01, -t, rising},
    };
    for (const Case& row : cases) {
        SCOPED_TRACE(row.name);
        EXPECT_NEAR(Stiff_Clay_Slope_Factor(row.y, row.theta, 0.7071067811865476), row.F, 1e-12);
    }
}

// ---- The criterion over a layer --------------------------------------------------------

namespace {

// SI: a 0.6 m pile, 20 m long, nodes every 5 m, in one stiff clay layer from the pile head to
// `bottom`: gamma' = 9 kN/m3, c from 60 kPa at the top to 140 kPa at 20 m, eps50 = 0.005,
// k from k_top at the top to k_bottom at the bottom.
void Set_Up_Clay(double k_top, double k_bottom, double bottom = 20.0) {
    Set_Up_Pile(k_Units_SI, 0.6, 20.0, 5);
    const double c_bottom = 60.0 + 4.0 * bottom;
    Add_Layer(k_Soil_StfClyBW, 0.0, bottom, {9.0, 60.0, 0.005, 0.0, 0.0},
              {9.0, c_bottom, 0.005, 0.0, 0.0}, k_top, k_bottom);
    Assign_Layers();
}

std::string Label_Line(const std::string& label, const std::string& rest) {
    return label + std::string(55 - label.size(), ' ') + "= " + rest;
}

}  // namespace

class StiffClayFreeWaterTest : public ModelTest {};

TEST_F(StiffClayFreeWaterTest, ModulusIsTheSecantWithMultipliersOrTheInitialSlope) {
    Set_Up_Clay(50000.0, 150000.0);
    AnalysisModel& m = g_Model;
    for (int k = 1; k <= 5; ++k) Y_Node(k) = 0.05;
    Y_Node(4) = 0.0;
    m.NumPYModifierPoints = 2;
    m.XPYModifier[1] = 0.0;
    m.XPYModifier[2] = 20.0;
    m.PMultiplier[1] = m.PMultiplier[2] = 0.8;
    m.YMultiplier[1] = m.YMultiplier[2] = 1.25;
    PY_StiffClayFreeWater(1, false);
    ASSERT_EQ(m.ErrorStatus, 0);
    // Node 3, z = 10 m, c = 100: the flow resistance 660 governs (the wedge with the average
    // cohesion 80 from the surface is 2414); y' = 0.04 lies beyond 18 As y50 = 0.0324, on the
    // residual. Es = pm p / (ym y').
    const double pu = (0.5 * std::sqrt(3.6) - 0.411 - 0.45) * 660.0;
    EXPECT_NEAR(m.Es_Node[3], 0.8 * pu / 0.05, k_Single_Tol * m.Es_Node[3]);
    // Node 4, z = 15 m, at rest: the initial slope k zu = 125000 x 15 without multipliers.
    EXPECT_NEAR(m.Es_Node[4], 125000.0 * 15.0, 1e-6);
    // Node 1 at the surface: zu = 0 puts the initial line at zero slope.
    EXPECT_EQ(m.Es_Node[1], 0.0);
}

TEST_F(StiffClayFreeWaterTest, MissingKTakesTheDefaultOfTheCohesionClassAndLoading) {
    struct Case { const char* name; int cyclic; double k; };
    const Case cases[] = {
        {"static", 0, 271447.125},    // c = 100 kPa at 10 m: class 3
        {"cyclic", -1, 108578.84375},
    };
    for (const Case& row : cases) {
        SCOPED_TRACE(row.name);
        Initialize_Model();
        Set_Up_Clay(0.0, 0.0);
        g_Model.b_Cyclic = row.cyclic;
        PY_StiffClayFreeWater(1, false);   // every node at rest: Es = k zu
        ASSERT_EQ(g_Model.ErrorStatus, 0);
        EXPECT_NEAR(g_Model.Es_Node[3], row.k * 10.0, 1e-6);
    }
    // A bottom value of zero is taken as the top value; the model keeps it as read (the
    // criterion once wrote the top value over it).
    Initialize_Model();
    Set_Up_Clay(80000.0, 0.0);
    PY_StiffClayFreeWater(1, false);
    EXPECT_EQ(g_Model.LayerKTop[1], 80000.0);
    EXPECT_EQ(g_Model.LayerKBottom[1], 0.0);
    EXPECT_NEAR(g_Model.Es_Node[3], 800000.0, 1e-6);
}

TEST_F(StiffClayFreeWaterTest, LayerIntegralRunsToTheLayerBottom) {
    // Uniform c = 100 kPa; the layer reaches 5 m below the pile tip. Static residual pu =
    // f(As) pc at every node; the last node's pu is carried over the 5 m below it.
    Set_Up_Pile(k_Units_SI, 0.6, 20.0, 5);
    Add_Layer(k_Soil_StfClyBW, 0.0, 25.0, {9.0, 100.0, 0.005, 0.0, 0.0}, {9.0, 100.0, 0.005, 0.0, 0.0},
              1e5, 1e5);
    Assign_Layers();
    PY_StiffClayFreeWater(1, false);
    ASSERT_EQ(g_Model.ErrorStatus, 0);
    // zu = 0: As = 0.2345, pc = 2 c b = 120; below, the flow resistance 660 and As = 0.6.
    const double f0 = 0.5 * std::sqrt(6.0 * 0.2345) - 0.411 - 0.75 * 0.2345;
    const double f = 0.5 * std::sqrt(3.6) - 0.411 - 0.45;
    const double pu0 = f0 * 120.0, pu = f * 660.0;
    const double expected = 2.5 * (pu0 + pu) + 3.0 * 5.0 * pu + 5.0 * pu;
    EXPECT_NEAR(g_Model.Fu_Layer[1], expected, k_Single_Tol * expected);
}

TEST_F(StiffClayFreeWaterTest, ZeroCohesionBelowTheFirstNodeIsInputError14) {
    Capture_Run_Files();
    Set_Up_Pile(k_Units_SI, 0.6, 20.0, 5);
    Add_Layer(k_Soil_StfClyBW, 0.0, 10.0, {9.0, 0.0, 0.005, 0.0, 0.0}, {9.0, 0.0, 0.005, 0.0, 0.0}, 1e5, 1e5);
    Add_Layer(k_Soil_StfClyBW, 10.0, 20.0, {9.0, 80.0, 0.005, 0.0, 0.0}, {9.0, 80.0, 0.005, 0.0, 0.0}, 1e5, 1e5);
    Assign_Layers();
    for (int k = 1; k <= 5; ++k) Y_Node(k) = 0.01;
    g_Model.Es_Node[2] = -1.0;
    UpdateLayerSoilModuli(1, false);
    EXPECT_EQ(g_Model.ErrorStatus, 114);
    EXPECT_EQ(g_Model.Es_Node[2], -1.0);   // raised at node 2 before its modulus
    const std::vector<std::string> expected = {
        "**** Input Data Error No. 14 ****", "",
        "An error was detected in the input data used to compute p-y curves in ",
        "stiff clay with free water.", "",
        "Problem:  Zero was input for the cohesion of a stiff clay. ", "",
        "Solution:  Check and compare the values of shear strength and revise the ",
        "input so that the strength values are correct for the soil types specified.", ""};
    const auto messages = Captured_Message_Lines();
    ASSERT_GE(messages.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(messages[i], expected[i]);
    const auto report = Captured_Report_Lines();
    const int at = Find_Line(report, expected[0]);
    ASSERT_GE(at, 0);
    for (std::size_t i = 1; i < expected.size(); ++i) EXPECT_EQ(report[at + i], expected[i]);
}

TEST_F(StiffClayFreeWaterTest, CohesionOutsideItsRangeWarnsInUSAndSIUnits) {
    struct Case { const char* name; int units; double c; int warning; };
    const Case cases[] = {
        {"US below 500 psf", k_Units_US, 450.0 / 144.0, 3051},
        {"US above 8000 psf", k_Units_US, 8100.0 / 144.0, 3052},
        {"US in range", k_Units_US, 2000.0 / 144.0, 0},
        {"SI below 23.94 kPa", k_Units_SI, 23.9, 3053},
        {"SI above 383.04 kPa", k_Units_SI, 383.1, 3054},
        {"SI in range", k_Units_SI, 100.0, 0},
        {"general units", k_Units_General, 1.0, 0},
    };
    for (const Case& row : cases) {
        SCOPED_TRACE(row.name);
        Initialize_Model();
        Set_Up_Pile(row.units, 24.0, 400.0, 5);
        Add_Layer(k_Soil_StfClyBW, 0.0, 400.0, {0.03, row.c, 0.005, 0.0, 0.0}, {0.03, row.c, 0.005, 0.0, 0.0},
                  500.0, 500.0);
        Assign_Layers();
        PY_StiffClayFreeWater(1, false);
        ASSERT_EQ(g_Model.ErrorStatus, 0);
        for (int w : {3051, 3052, 3053, 3054}) EXPECT_EQ(g_Model.WarningLog[w], w == row.warning ? 5 : 0);
    }
}

TEST_F(StiffClayFreeWaterTest, ModulusNotANumberIsReportedUnderStaticLoadingAndTheRunGoesOn) {
    // An absurd cohesion overflows both resistances; on the straight decline of the static
    // curve pc - pc is not a number.
    Set_Up_Pile(k_Units_General, 0.6, 20.0, 5);
    Add_Layer(k_Soil_StfClyBW, 0.0, 20.0, {9.0, 1e308, 0.005, 0.0, 0.0}, {9.0, 1e308, 0.005, 0.0, 0.0},
              1e5, 1e5);
    Assign_Layers();
    for (int k = 1; k <= 5; ++k) Y_Node(k) = 0.02;   // between 6 and 18 As y50 (0.0108, 0.0324)
    Capture_Run_Files();
    PY_StiffClayFreeWater(1, false);
    EXPECT_EQ(g_Model.ErrorStatus, 0);
    EXPECT_TRUE(std::isnan(g_Model.Es_Node[5]));
    const auto messages = Captured_Message_Lines();
    ASSERT_FALSE(messages.empty());
    EXPECT_EQ(messages[0], "Error in stiff clay with water at line 502");
}

TEST_F(StiffClayFreeWaterTest, PrintedStaticBlockLineForLine) {
    Set_Up_Clay(50000.0, 150000.0);
    Capture_Run_Files();
    AnalysisModel& m = g_Model;
    m.rd_PYCurveDepth[1] = 10.0;   // one requested depth: c = 100 kPa, ca = 80 kPa from the surface
    m.i_TopPYDepthInLayer[1] = m.i_BottomPYDepthInLayer[1] = 1;
    PY_StiffClayFreeWater(1, true);
    ASSERT_EQ(m.ErrorStatus, 0);
    const std::vector<std::string> expected = {
        "", "", "p-y Curve Computed Using Static Criteria for Stiff Clay with Free Water", "",
        Label_Line("Soil Layer Number", "           1"),
        Label_Line("Depth below pile head", "      10.000 m"),
        Label_Line("Depth below ground surface", "      10.000 m"),
        Label_Line("Equivalent Depth", "      10.000 m"),
        Label_Line("Diameter", "       0.600 m"),
        Label_Line("c (at curve depth)", "     100.000 kN/m**2"),
        Label_Line("Average cohesion, c", "    80.00000 kPa"),
        Label_Line("Average Eff. Unit Weight", "     9.00000 kN/m3"),
        Label_Line("k", "  100000.000 kN/m3"),
        Label_Line("Epsilon50", "     0.00500"),
        Label_Line("y50", "       0.003 m"),
        Label_Line("As", "       0.600"),
        Label_Line("Ac (not used)", "     0.30000"),
        Label_Line("pct", "    2414.000 kN/m"),    // (5.4 + 2.83 x 80) 10 + 96
        Label_Line("pcd", "     660.000 kN/m"),
        Label_Line("pc", "     660.000 kN/m"),
        Label_Line("pu", "      57.871 kN/m"),     // (0.5 sqrt(3.6) - 0.861) 660
        Label_Line("p-multiplier", "     1.00000"),
        Label_Line("y-multiplier", "     1.00000"),
        "",
        "        y, m             p, kN/m",
        "----------------    -----------------",
        // point 1 at zero, point 2 at 0.5 As y50 = 0.0009: 0.5 x 660 x sqrt(0.3)
        "         0.0000           0.0000",
        "      0.0009000        180.74845",
    };
    const auto report = Captured_Report_Lines();
    ASSERT_EQ(report.size(), expected.size() + 15);
    for (std::size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(report[i], expected[i]) << i;
    // the last point at 19 As y50 lies on the residual
    EXPECT_EQ(report.back(), "        0.03420         57.87097");
    const auto plot = Captured_Plot_Lines();
    ASSERT_EQ(plot.size(), 18u);
    EXPECT_EQ(plot[0], "  0.1000000E+02   17" + std::string(60, ' ') +
                           "Line 7:  p-y curve depth in stiff clay with free water, no. p-y points on curve no. 1");
    EXPECT_EQ(plot[17], "  0.3420000E-01  0.5787097E+02" + std::string(50, ' ') +
                            "Line 8(17): y, p, for static stiff clay with free water");
}

TEST_F(StiffClayFreeWaterTest, PrintedCyclicBlockInUSUnits) {
    // US: 24 in pile, requested depth 10 ft in a layer of c = 2000 psf, gamma' = 60 pcf, k = 400.
    Set_Up_Pile(k_Units_US, 24.0, 480.0, 5);
    const double c = 2000.0 / 144.0, g = 60.0 / 1728.0;
    Add_Layer(k_Soil_StfClyBW, 0.0, 480.0, {g, c, 0.005, 0.0, 0.0}, {g, c, 0.005, 0.0, 0.0}, 400.0, 400.0);
    Assign_Layers();
    Capture_Run_Files();
    AnalysisModel& m = g_Model;
    m.b_Cyclic = -1;
    m.NumCycles = 100.0;
    m.rd_PYCurveDepth[1] = 120.0;
    m.i_TopPYDepthInLayer[1] = m.i_BottomPYDepthInLayer[1] = 1;
    PY_StiffClayFreeWater(1, true);
    ASSERT_EQ(m.ErrorStatus, 0);
    const auto report = Captured_Report_Lines();
    ASSERT_EQ(report[2], "p-y Curve Computed Using Cyclic Criteria for Stiff Clay with Free Water");
    EXPECT_EQ(report[5], Label_Line("Depth below pile head", "      10.000 ft"));
    EXPECT_EQ(report[9], Label_Line("c (at curve depth)", "      13.889 psi"));
    EXPECT_EQ(report[10], Label_Line("c (at curve depth)", "    2000.000 psf"));
    EXPECT_EQ(report[12], Label_Line("Undrained cohesion, c", "  2000.00000 psf"));
    EXPECT_EQ(report[14], Label_Line("Average Eff. Unit Weight", "    60.00000 pcf"));
    EXPECT_EQ(report[15], Label_Line("k", "     400.000 pci"));
    EXPECT_EQ(report[19], Label_Line("Ac", "     0.30000"));
    EXPECT_EQ(report[22], Label_Line("pc", "    3666.667 lb/in"));   // 11 c b
    EXPECT_EQ(report[23], Label_Line("pu", "     109.560 lb/in"));   // (0.936 Ac - 0.4182 As) pc
    EXPECT_EQ(report[26], Label_Line("Number of Cycles of Loading", "        100."));
    EXPECT_EQ(report[27], "");
    EXPECT_EQ(report[28], "        y, in             p, lbs/in");
    ASSERT_EQ(report.size(), 47u);
    // F15.4 and F17.3: point 10 at 0.45 yp = 0.45 x 4.1 x 0.6 x 0.12 in reaches the peak
    // Ac pc = 1100 lb/in; point 16 at 1.8 yp is on the residual pu.
    EXPECT_EQ(report[30 + 9], "         0.1328         1100.000");
    EXPECT_EQ(report[30 + 15], "         0.5314          109.560");
    const auto plot = Captured_Plot_Lines();
    EXPECT_EQ(plot[17].substr(80), "Line 8(17): y, p, for cyclic stiff clay with free water");
}
