// Soft clay criteria against hand calculations of Matlock's curves: the law alone, then the
// criteria over a layer of nodes (moduli, layer integral, errors, warnings, printed block).
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "model/model.h"
#include "model/soil_types.h"
#include "model/units.h"
#include "py/criteria.h"
#include "py/dispatch.h"
#include "py/layered_pile.h"
#include "py/soft_clay.h"
#include "support/model_fixture.h"

namespace {

// The exponent 1/3 (s) differs from 1/3 by 1e-8: curve values agree with exact cube roots to
// about 1e-8 relative at the ratios used here.
constexpr double k_Cube_Root_Tol = 1e-7;

// b = 0.6 m, c = 30 kPa, gamma' = 8 kN/m3, J = 0.5, eps50 = 0.01: y50 = 0.015 m,
// transition depth 6 b c / (J c + gamma b) = 108 / 19.8 = 5.4545 m.
SoftClayCurve Curve_At(double zu, bool cyclic) {
    return Soft_Clay_Curve(0.6, 30.0, 8.0, 0.5, 0.01, zu, 1.0, false, cyclic);
}

}  // namespace

TEST(SoftClayLaw, UltimateResistanceInWedgeAndFlowRegimes) {
    struct Case { const char* name; double zu; double pu; };
    const Case cases[] = {
        // Np = 3 + 8 zu / 30 + 0.5 zu / 0.6
        {"at the surface: 3 c b", 0.0, 3.0 * 30.0 * 0.6},
        {"wedge at 2 m: Np = 5.2", 2.0, (3.0 + 16.0 / 30.0 + 1.0 / 0.6) * 18.0},
        {"wedge at 5 m: Np = 8.5", 5.0, (3.0 + 40.0 / 30.0 + 2.5 / 0.6) * 18.0},
        {"flow at 6 m: capped at 9 c b", 6.0, 9.0 * 18.0},
        {"flow at 20 m", 20.0, 9.0 * 18.0},
    };
    for (const Case& row : cases) {
        SCOPED_TRACE(row.name);
        EXPECT_NEAR(Curve_At(row.zu, false).pu, row.pu, 1e-9);
    }
    EXPECT_NEAR(Curve_At(3.0, false).zr, 108.0 / 19.8, 1e-12);
    // A stiff narrow pile: 6 b c / (J c + gamma b) = 0.6 * 6 * 1 / (0.5 + 4.8) is below 2.5 b.
    EXPECT_NEAR(Soft_Clay_Curve(0.6, 1.0, 8.0, 0.5, 0.01, 1.0, 1.0, false, false).zr, 1.5, 1e-12);
}

TEST(SoftClayLaw, SlopingGroundFactorScalesTheWedgeButNotTheCap) {
    // zu = 2 m: Np_s = 5.2 (see above); on falling ground with F = 0.5 the wedge halves.
    const double Np_s = 3.0 + 16.0 / 30.0 + 1.0 / 0.6;
    EXPECT_NEAR(Soft_Clay_Curve(0.6, 30.0, 8.0, 0.5, 0.01, 2.0, 0.5, true, false).pu,
                0.5 * Np_s * 18.0, 1e-9);
    // The factor is ignored unless applied; deep down 1.5 Np_s still stops at 9 c b.
    EXPECT_NEAR(Soft_Clay_Curve(0.6, 30.0, 8.0, 0.5, 0.01, 2.0, 0.5, false, false).pu, Np_s * 18.0, 1e-9);
    EXPECT_NEAR(Soft_Clay_Curve(0.6, 30.0, 8.0, 0.5, 0.01, 20.0, 1.5, true, false).pu, 162.0, 1e-9);
}

TEST(SoftClayLaw, StaticCurveIsCubicRootUpToPlateauAtEightY50) {
    const SoftClayCurve s = Curve_At(10.0, false);
    ASSERT_NEAR(s.y50, 0.015, 1e-15);
    struct Case { const char* name; double y_over_y50; double p_over_pu; };
    const Case cases[] = {
        {"half of pu at y50", 1.0, 0.5},
        {"a quarter of pu at y50 / 8", 0.125, 0.25},
        {"pu at 8 y50", 8.0, 1.0},
        {"stays at pu beyond 8 y50", 20.0, 1.0},
    };
    for (const Case& row : cases) {
        SCOPED_TRACE(row.name);
        EXPECT_NEAR(Soft_Clay_P(s, row.y_over_y50 * s.y50) / s.pu, row.p_over_pu, k_Cube_Root_Tol);
    }
}

TEST(SoftClayLaw, CyclicCurveAboveTransitionDepthFallsToResidual) {
    // zu = 2 m above zr = 5.4545 m: pc = 0.7211 pu, pr = pc zu / zr.
    const SoftClayCurve s = Curve_At(2.0, true);
    const double pc = 0.5 * std::cbrt(3.0) * s.pu;
    const double pr = pc * 2.0 / (108.0 / 19.8);
    EXPECT_NEAR(s.pc, pc, 1e-7 * pc);
    EXPECT_NEAR(s.pr, pr, 1e-7 * pr);
    struct Case { const char* name; double y_over_y50; double p; };
    const Case cases[] = {
        {"half of pu at y50 as in static loading", 1.0, 0.5 * s.pu},
        {"pc at 3 y50", 3.0, pc},
        {"halfway down the straight line at 9 y50", 9.0, 0.5 * (pc + pr)},
        {"residual from 15 y50", 15.0, pr},
        {"residual beyond", 40.0, pr},
    };
    for (const Case& row : cases) {
        SCOPED_TRACE(row.name);
        EXPECT_NEAR(Soft_Clay_P(s, row.y_over_y50 * s.y50), row.p, k_Cube_Root_Tol * s.pu);
    }
    // At or below the transition depth the cyclic curve stays at pc.
    const SoftClayCurve deep = Curve_At(6.0, true);
    EXPECT_NEAR(Soft_Clay_P(deep, 30.0 * deep.y50), deep.pc, 1e-12);
    EXPECT_NEAR(deep.pr, deep.pc, 0.0);
}

TEST(SoftClayLaw, LimitingModulusIsAThirdOfTheSecantAtTheLimit) {
    const SoftClayCurve s = Curve_At(10.0, false);
    const double y_limit = 1e-5 * s.y50;
    const double secant = 0.5 * s.pu * std::cbrt(1e-5) / y_limit;
    EXPECT_NEAR(s.Esl, secant / 3.0, 1e-6 * secant);
    EXPECT_TRUE(Soft_Clay_Uses_Limiting_Modulus(s, 0.0));
    EXPECT_TRUE(Soft_Clay_Uses_Limiting_Modulus(s, 0.99e-5 * s.y50));
    EXPECT_FALSE(Soft_Clay_Uses_Limiting_Modulus(s, 1.01e-5 * s.y50));
    EXPECT_EQ(Soft_Clay_P(s, 0.0), 0.0);
}

TEST(SoftClayLaw, DefaultStrainByCohesion) {
    struct Case { const char* name; int units; double c; double eps50; };
    const Case cases[] = {
        {"US 400 psf", k_Units_US, 400.0 / 144.0, 0.019999999552965164},
        {"US 500 psf opens the next class", k_Units_US, 500.0 / 144.0, 0.009999999776482582},
        {"US 600 psf", k_Units_US, 600.0 / 144.0, 0.009999999776482582},
        {"US 2000 psf", k_Units_US, 2000.0 / 144.0, 0.004999999888241291},
        {"US exactly 4000 psf", k_Units_US, 4000.0 / 144.0, 0.004000000189989805},
        {"SI 20 kPa", k_Units_SI, 20.0, 0.019999999552965164},
        {"SI 100 kPa", k_Units_SI, 100.0, 0.004999999888241291},
        {"SI 200 kPa", k_Units_SI, 200.0, 0.004000000189989805},
        {"general units have none", k_Units_General, 20.0, 0.0},
    };
    for (const Case& row : cases) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(Default_Soft_Clay_Epsilon50(row.c, row.units), row.eps50);
    }
}

// ---- The criteria over a layer --------------------------------------------------------

namespace {

// SI: a 0.6 m pile, 20 m long, nodes every 5 m, in one layer of `type` from the pile head:
// gamma' = 8 kN/m3, c from 20 kPa at the top to 40 kPa at the bottom, eps50 = 0.01, J = 0.5.
void Set_Up_Clay(int type, int units = k_Units_SI) {
    Set_Up_Pile(units, 0.6, 20.0, 5);
    Add_Layer(type, 0.0, 20.0, {8.0, 20.0, 0.01, 0.5, 0.0}, {8.0, 40.0, 0.01, 0.5, 0.0});
    Assign_Layers();
}

}  // namespace

class SoftClayTest : public ModelTest {};

TEST_F(SoftClayTest, ModulusIsTheSecantAtTheNodeDeflectionInBothRegimes) {
    Set_Up_Clay(k_Soil_SoftClay);
    AnalysisModel& m = g_Model;
    for (int k = 1; k <= 5; ++k) Y_Node(k) = 0.01;
    PY_SoftClay(1, false);
    ASSERT_EQ(m.ErrorStatus, 0);
    // y50 = 0.015, p = 0.5 pu (0.01 / 0.015)^(1/3), Es = p / 0.01.
    const double shape = 0.5 * std::cbrt(0.01 / 0.015) / 0.01;
    // node 2, z = 5 m, c = 25: Np = 3 + 40 / 25 + 2.5 / 0.6 = 8.7667 (wedge)
    const double wedge = shape * 25.0 * 0.6 * (3.0 + 1.6 + 2.5 / 0.6);
    EXPECT_NEAR(m.Es_Node[2], wedge, k_Cube_Root_Tol * wedge);
    // node 3, z = 10 m, c = 30: Np = 14 > 9 (flow)
    const double flow = shape * 9.0 * 30.0 * 0.6;
    EXPECT_NEAR(m.Es_Node[3], flow, k_Cube_Root_Tol * flow);
    // Multipliers scale p and y: Es = pm p(y / ym) / y.
    m.NumPYModifierPoints = 2;
    m.XPYModifier[1] = 0.0;
    m.XPYModifier[2] = 20.0;
    m.PMultiplier[1] = m.PMultiplier[2] = 0.5;
    m.YMultiplier[1] = m.YMultiplier[2] = 2.0;
    PY_SoftClay(1, false);
    const double scaled = 0.5 * 0.5 * 162.0 * std::cbrt(0.005 / 0.015) / 0.01;
    EXPECT_NEAR(m.Es_Node[3], scaled, k_Cube_Root_Tol * scaled);
}

TEST_F(SoftClayTest, DeflectionEqualToSoilMovementGetsTheLimitingModulus) {
    Set_Up_Clay(k_Soil_SoftClay);
    AnalysisModel& m = g_Model;
    m.NumSoilMovementPoints = 2;
    Y_Node(3) = m.SoilMovement_Node[3] = 0.02;
    m.DistLoad_Node[3] = 1.5;
    PY_SoftClay(1, false);
    ASSERT_EQ(m.ErrorStatus, 0);
    const double Esl = 0.01077217236161232 * 162.0 / (2.9999999242136255e-05 * 0.015);
    EXPECT_NEAR(m.Es_Node[3], Esl, 1e-9 * Esl);
    EXPECT_NEAR(m.W_Node[3], 0.02 * Esl + 1.5, 1e-9 * Esl);
}

TEST_F(SoftClayTest, LayerIntegralOfUltimateResistance) {
    // Uniform c = 10 kPa, gamma' = 20 kN/m3: Np = 3 at the head and above 9 from 5 m on, so
    // pu = 18, 54, 54, 54, 54 kN/m (c b = 6) at nodes 5 m apart.
    struct Case { const char* name; int cyclic; double Fu; };
    const double pc = 0.7211247682571411;
    const Case cases[] = {
        // trapezoids 2.5 (18 + 54) + 3 x 2.5 x 108, then the last node's 54 x 5
        {"static", 0, 2.5 * 72.0 + 3.0 * 270.0 + 270.0},
        // trapezoids of pc; only the head node lies above zr (its residual is 0 and it has no
        // interval before it); the last node still adds pu x h
        {"cyclic", -1, pc * (2.5 * 72.0 + 3.0 * 270.0) + 270.0},
    };
    for (const Case& row : cases) {
        SCOPED_TRACE(row.name);
        Initialize_Model();
        Set_Up_Pile(k_Units_SI, 0.6, 20.0, 5);
        Add_Layer(k_Soil_SoftClay, 0.0, 20.0, {20.0, 10.0, 0.01, 0.5, 0.0}, {20.0, 10.0, 0.01, 0.5, 0.0});
        Assign_Layers();
        g_Model.b_Cyclic = row.cyclic;
        for (int k = 1; k <= 5; ++k) Y_Node(k) = 0.01;
        PY_SoftClay(1, false);
        ASSERT_EQ(g_Model.ErrorStatus, 0);
        EXPECT_NEAR(g_Model.Fu_Layer[1], row.Fu, 1e-9 * row.Fu);
    }
}

TEST_F(SoftClayTest, ZeroCohesionIsAcceptedAtTheFirstNodeOnly) {
    struct Case { const char* name; int type; int status; const char* problem; };
    const Case cases[] = {
        {"soft clay", k_Soil_SoftClay, 112,
         "Problem:  A negative or zero value of cohesion was input for a soft clay soil."},
        {"soft clay with J", k_Soil_SoftClyJ, 171,
         "Problem:  A negative or zero value of cohesion was input for a soft clay soil with J."},
    };
    for (const Case& row : cases) {
        SCOPED_TRACE(row.name);
        Initialize_Model();
        Capture_Run_Files();
        // c = 0 down to 10 m: accepted at the head (the layer's first node), fatal at 5 m
        Set_Up_Pile(k_Units_SI, 0.6, 20.0, 5);
        Add_Layer(row.type, 0.0, 10.0, {8.0, 0.0, 0.01, 0.5, 0.0}, {8.0, 0.0, 0.01, 0.5, 0.0});
        Add_Layer(row.type, 10.0, 20.0, {8.0, 30.0, 0.01, 0.5, 0.0}, {8.0, 30.0, 0.01, 0.5, 0.0});
        Assign_Layers();
        for (int k = 1; k <= 5; ++k) Y_Node(k) = 0.01;
        g_Model.Es_Node[2] = -1.0;
        UpdateLayerSoilModuli(1, false);
        EXPECT_EQ(g_Model.ErrorStatus, row.status);
        EXPECT_EQ(g_Model.Es_Node[2], -1.0);   // the raise came at node 2, before its modulus
        const auto messages = Captured_Message_Lines();
        ASSERT_GE(messages.size(), 12u);
        EXPECT_EQ(messages[6], row.problem);
        EXPECT_EQ(messages[11],
                  "Layer no. = 1, Node no. = 2, Top node in layer = 1, Elevation =      5.000, c(x) =      0.000");
        const auto report = Captured_Report_Lines();
        const int at = Find_Line(report, row.problem);
        ASSERT_GE(at, 0);
        EXPECT_EQ(report[at + 5],
                  "Layer no. = 1, Node no. = 2, Top node in layer = 1, Elevation =      5.000, c(x) =      "
                  "0.000, Pile length =     20.000");
        EXPECT_EQ(report[at + 6], ", ITOP = 1, IBOT = 2");
    }
}

TEST_F(SoftClayTest, HighCohesionWarnsInUSAndSIUnitsOnly) {
    struct Case { const char* name; int units; double c; int warning; };
    const Case cases[] = {
        {"US above 1250 psf", k_Units_US, 1300.0 / 144.0, 3041},
        {"US below", k_Units_US, 1200.0 / 144.0, 0},
        {"SI above 59.85 kPa", k_Units_SI, 60.0, 3042},
        {"general units", k_Units_General, 600.0, 0},
    };
    for (const Case& row : cases) {
        SCOPED_TRACE(row.name);
        Initialize_Model();
        Set_Up_Pile(row.units, 24.0, 400.0, 5);
        Add_Layer(k_Soil_SoftClay, 0.0, 400.0, {0.03, row.c, 0.01, 0.5, 0.0}, {0.03, row.c, 0.01, 0.5, 0.0});
        Assign_Layers();
        PY_SoftClay(1, false);
        ASSERT_EQ(g_Model.ErrorStatus, 0);
        EXPECT_EQ(g_Model.WarningLog[3041], row.warning == 3041 ? 5 : 0);
        EXPECT_EQ(g_Model.WarningLog[3042], row.warning == 3042 ? 5 : 0);
    }
}

TEST_F(SoftClayTest, NoDefaultStrainInGeneralUnitsIsRuntimeError37Or38) {
    for (int type : {k_Soil_SoftClay, k_Soil_SoftClyJ}) {
        SCOPED_TRACE(type);
        Initialize_Model();
        Set_Up_Pile(k_Units_General, 0.6, 20.0, 5);
        Add_Layer(type, 0.0, 20.0, {8.0, 20.0, 0.0, 0.5, 0.0}, {8.0, 40.0, 0.0, 0.5, 0.0});
        Assign_Layers();
        UpdateLayerSoilModuli(1, false);
        EXPECT_EQ(g_Model.ErrorStatus, type == k_Soil_SoftClay ? 237 : 238);
    }
}

TEST_F(SoftClayTest, PrintedBlockTitleFollowsCyclesAndTableFollowsLoading) {
    // 10 cycles under STATIC loading: the title says cyclic, the curve and its points are static.
    Set_Up_Clay(k_Soil_SoftClay);
    Capture_Run_Files();
    AnalysisModel& m = g_Model;
    m.NumCycles = 10.0;
    m.rd_PYCurveDepth[1] = 10.0;   // one requested depth, c = 30 kPa, flow regime
    m.i_TopPYDepthInLayer[1] = m.i_BottomPYDepthInLayer[1] = 1;
    PY_SoftClay(1, true);
    ASSERT_EQ(m.ErrorStatus, 0);
    const auto report = Captured_Report_Lines();
    ASSERT_EQ(report[2], "p-y Curve Computed Using the Soft Clay Criteria for Cyclic Loading Conditions");
    const std::string pad(55, ' ');
    const auto line = [&](const std::string& label, const std::string& rest) {
        return label + pad.substr(label.size()) + "= " + rest;
    };
    EXPECT_EQ(report[4], line("Soil Layer Number", "           1"));
    EXPECT_EQ(report[5], line("Depth below pile head", "      10.000 m"));
    EXPECT_EQ(report[11], line("Pile Diameter", "       0.600 m"));
    EXPECT_EQ(report[12], line("Cohesion, c", "      30.000 kPa"));
    EXPECT_EQ(report[13], line("Avg. Eff. Unit Weight", "     8.00000 kN/m3"));
    EXPECT_EQ(report[15], line("J", "       0.500"));
    EXPECT_EQ(report[16], line("Transition Depth Xr", "       5.455 m"));
    EXPECT_EQ(report[18], line("pu_d", "     162.000 kN/m"));
    EXPECT_EQ(report[19], line("Y50", "     0.01500 m"));
    EXPECT_EQ(report[22], line("Number of cycles of loading", "         10. cycles"));
    EXPECT_EQ(report[23], line("X_r", "       5.455 m"));
    EXPECT_EQ(report[24], line("Sloping Ground Factor", "       1.000"));
    EXPECT_EQ(report[25], line("pu_static", "     162.000 kN/m"));
    EXPECT_EQ(report[26], line("pu_cyclic", "     116.822 kN/m"));
    EXPECT_EQ(report[28], "     y, m               p, kN/m");
    EXPECT_EQ(report[29], "----------------    -----------------");
    // static points: the 16th at 8 y50 = 0.12 m reaches pu, the 17th at 8.5 y50 stays there
    EXPECT_EQ(report[45], "     0.12000            162.00000");
    EXPECT_EQ(report[46], "     0.12750            162.00000");
    const auto plot = Captured_Plot_Lines();
    ASSERT_EQ(plot.size(), 18u);
    EXPECT_EQ(plot[0], "  0.1000000E+02   17" + std::string(60, ' ') +
                           "Line 7:  p-y curve depth in soft clay, no. p-y points on curve no. 1");
    EXPECT_EQ(plot[7], "  0.1500000E-01  0.8100000E+02" + std::string(50, ' ') +
                           "Line 8(7): y, p, for soft clay");
}

TEST_F(SoftClayTest, PrintedBlockWithJGivesUSValuesOnceInFeetPsfAndPcf) {
    // US: 24 in pile, a requested depth of 10 ft in a layer of c = 720 psf, gamma' = 60 pcf.
    Set_Up_Pile(k_Units_US, 24.0, 480.0, 5);
    Add_Layer(k_Soil_SoftClyJ, 0.0, 480.0, {60.0 / 1728.0, 5.0, 0.01, 0.25, 0.0},
              {60.0 / 1728.0, 5.0, 0.01, 0.25, 0.0});
    Assign_Layers();
    Capture_Run_Files();
    AnalysisModel& m = g_Model;
    m.b_Cyclic = -1;
    m.NumCycles = 100.0;
    m.rd_PYCurveDepth[1] = 120.0;
    m.i_TopPYDepthInLayer[1] = m.i_BottomPYDepthInLayer[1] = 1;
    PY_SoftClayJ(1, true);
    ASSERT_EQ(m.ErrorStatus, 0);
    const auto report = Captured_Report_Lines();
    const std::string pad(55, ' ');
    const auto line = [&](const std::string& label, const std::string& rest) {
        return label + pad.substr(label.size()) + "= " + rest;
    };
    ASSERT_EQ(report[2], "p-y Curve Computed Using the Soft Clay Criteria with J for Cyclic Loading Conditions");
    EXPECT_EQ(report[5], line("Depth below pile head", "      10.000 ft"));
    EXPECT_EQ(report[12], line("Cohesion, c", "     720.000 psf"));
    EXPECT_EQ(report[13], line("Avg. Eff. Unit Weight", "    60.00000 pcf"));
    EXPECT_EQ(report[15], line("J parameter", "       0.250"));
    // zr = 6 b c / (J c + gamma b) = 720 / (1.25 + 0.8333) = 345.6 in
    EXPECT_EQ(report[16], line("Transition Depth Xr", "     345.600 in"));
    // y50 = 2.5 x 24 x 0.01
    EXPECT_EQ(report[19], line("y_50", "     0.60000 in"));
    EXPECT_EQ(report[22], line("Number of cycles of loading", "        100."));
    EXPECT_EQ(report[23], line("Xr", "     345.600 in"));
    EXPECT_EQ(report[28], "     y, in              p, lb/in");
    // three blanks, y, five blanks, p; the cyclic table's last point is at 16 y50
    EXPECT_EQ(report.back().substr(0, 15), "        9.60000");
    const auto plot = Captured_Plot_Lines();
    EXPECT_EQ(plot[0], "  0.1200000E+03   17" + std::string(60, ' ') +
                           "Line 7:  p-y curve depth in soft clay with J, no. points on p-y curve no. 1");
    EXPECT_EQ(plot[17].substr(80), "Line 8(17): y, p, for API soft clay");
}

TEST_F(SoftClayTest, PrintedSlopeFactorFollowsTheFirstCaseDeflectionAtTheDepth) {
    // Ground sloping at 10 degrees; the first load case left the pile deflected one way or the
    // other at 7.5 m (between nodes 2 and 3). In print mode rd_PYCurveDepth holds the requested depth.
    struct Case { const char* name; double y2; double y3; const char* factor; };
    const Case cases[] = {
        // toward falling ground: 1 / (1 + tan 10) = 0.850
        {"pushing down the slope", 0.01, 0.002, "       0.850"},
        // into rising ground: cos 10 cos 45 / cos 55 = 1.214
        {"pushing up the slope", -0.01, -0.002, "       1.214"},
        // the signs of the two nodes differ; at 7.5 m the deflection is (0.004 - 0.006) / 2 < 0
        {"interpolated between nodes of either sign", 0.004, -0.006, "       1.214"},
    };
    for (const Case& row : cases) {
        SCOPED_TRACE(row.name);
        Initialize_Model();
        Set_Up_Clay(k_Soil_SoftClay);
        Capture_Run_Files();
        AnalysisModel& m = g_Model;
        m.GroundSlope = m.EffectiveSlope = 10.0 * 3.141592653589793 / 180.0;
        Y_Node(2) = row.y2;
        Y_Node(3) = row.y3;
        m.rd_PYCurveDepth[1] = 7.5;
        m.i_TopPYDepthInLayer[1] = m.i_BottomPYDepthInLayer[1] = 1;
        PY_SoftClay(1, true);
        ASSERT_EQ(m.ErrorStatus, 0);
        const auto report = Captured_Report_Lines();
        const int at = Find_Line(report, "Sloping Ground Factor" + std::string(34, ' ') + "= " + row.factor);
        EXPECT_EQ(at, 22);
    }
}
