// Cemented silt criterion: the resistance and curve against a hand calculation, the default
// strain and subgrade modulus tables, the cohesive part's own sloping-ground factor, the
// degenerate curves and the guard beyond yu; then the criterion over a layer with its errors, a
// silt next to a layer the interface law has no rule for, and the printed block.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "model/model.h"
#include "model/soil_types.h"
#include "model/units.h"
#include "py/cemented_silt.h"
#include "py/criteria.h"
#include "py/layered_pile.h"
#include "py/py_framework.h"
#include "py/sand_resistance.h"
#include "support/model_fixture.h"

namespace {

const double k_Pi = 3.141592653589793;
constexpr double k_Hand_Tol = 1e-9;   // relative; the hand values carry 12 or more digits

// US customary, static, level ground: b = 24 in, zu = 48 in, c = 5 psi, phi = 30 degrees,
// gamma' = 0.04 pci, k = 100 pci, K0 = 0.4 (s). With alpha = 15, beta = 60 degrees, Ka = 1/3:
//   Pst = 0.04 x 48 [K0 48 tan30 sin60 / (tan30 cos15) + 3 (24 + 48 tan60 tan15)
//                    + K0 48 tan60 (tan30 sin60 - tan15) - 24 / 3]                = 299.0627
//   Psd = 24 x 0.04 x 48 [(1/3)(tan^8 60 - 1) + K0 tan30 tan^4 60]                = 1324.5755
//   Np = 3 + 0.5 x 48 / 24 + 0.04 x 48 / 5 = 4.384 (below 9); Pu,c = 5 x 24 x Np = 526.08
//   A (static, zu / b = 2) = 1.48 (s); Pu = A Pst + Pu,c                          = 968.6928
//   pm = 1.5 (Pst + Pu,c) = 1237.7140 at ym = 0.4 in; yu = 0.9 in; kx = 100 x 48 = 4800
//   m = (Pu - pm) / (yu - ym) = -538.0425; n = pm / (ym m) = -5.751005
//   C = pm / ym^(1/n) = 1055.4203; yk = (C / kx)^(n / (n - 1)) = 0.2751845 in
constexpr double k_Pst = 299.0626920172477;
constexpr double k_Psd = 1324.5754828824918;
constexpr double k_Puc = 526.08;
constexpr double k_Pu = 968.6927898896947;
constexpr double k_Pm = 1237.7140380258716;
constexpr double k_C = 1055.4203237140644;
constexpr double k_Yk = 0.27518445543202114;
// The curve at 0.3 in (on the falling parabola): C 0.3^(1/n); at 0.5 in (straight part):
// pm + m (0.5 - 0.4).
constexpr double k_P_03 = 1301.202818928043;
constexpr double k_P_05 = 1183.9097883986362;

CementedSiltCurve Hand_Curve(double kx = 4800.0) {
    return Cemented_Silt_Curve(24.0, 48.0, kx, k_Pst, k_Puc, false);
}

}  // namespace

TEST(CementedSiltLaw, ResistanceMatchesTheHandCalculation) {
    const SandAngles a = Sand_Angles(30.0 * k_Pi / 180.0, 0.4000000059604645);
    EXPECT_NEAR(Sand_Wedge_Level(0.04, 48.0, 24.0, a, a.Ka), k_Pst, k_Hand_Tol * k_Pst);
    EXPECT_NEAR(Sand_Flow(0.04, 48.0, 24.0, a), k_Psd, k_Hand_Tol * k_Psd);
    EXPECT_NEAR(Cemented_Silt_Cohesive_Resistance(5.0, 24.0, 0.04, 48.0, 0.0, 0.0), k_Puc, k_Hand_Tol * k_Puc);
    const CementedSiltCurve c = Hand_Curve();
    EXPECT_EQ(c.A, 1.4800000190734863);
    EXPECT_NEAR(c.pu, k_Pu, k_Hand_Tol * k_Pu);
    EXPECT_NEAR(c.pm, k_Pm, k_Hand_Tol * k_Pm);
    EXPECT_NEAR(c.C, k_C, k_Hand_Tol * k_C);
    EXPECT_NEAR(c.yk, k_Yk, k_Hand_Tol);
    struct Point { double y; double p; };
    const Point points[] = {{0.05, 240.0}, {0.2, 960.0}, {0.3, k_P_03}, {0.5, k_P_05}, {1.0, k_Pu}};
    for (const Point& pt : points) {
        SCOPED_TRACE(pt.y);
        EXPECT_NEAR(Cemented_Silt_P(c, pt.y), pt.p, k_Hand_Tol * pt.p);
    }
}

TEST(CementedSiltLaw, CurvePeaksAboveItsUltimateResistanceBeforeFallingToIt) {
    // Built as the criterion defines it: pm = 1.5 (Ps + Pu,c) lies above Pu = A Ps + Pu,c, so
    // the curve rises along k x y to yk, falls along a parabola of negative exponent to pm at
    // ym and on along the straight part to Pu at yu.
    const CementedSiltCurve c = Hand_Curve();
    EXPECT_LT(c.n, 0.0);
    EXPECT_LT(c.m, 0.0);
    const double peak = Cemented_Silt_P(c, c.yk);
    EXPECT_NEAR(peak, 4800.0 * k_Yk, k_Hand_Tol * peak);
    EXPECT_GT(peak, 1.36 * c.pu);
    EXPECT_GT(Cemented_Silt_P(c, c.ym), c.pu);
    EXPECT_NEAR(Cemented_Silt_P(c, c.yu), c.pu, k_Hand_Tol * c.pu);
    // In cyclic loading A <= 1.11 and pm exceeds Pu at every depth.
    for (const double zu : {0.0, 24.0, 48.0, 144.0, 480.0}) {
        const CementedSiltCurve cyclic = Cemented_Silt_Curve(24.0, zu, 4800.0, k_Pst, k_Puc, true);
        EXPECT_GT(cyclic.pm, cyclic.pu) << zu;
    }
}

TEST(CementedSiltLaw, PlateauBeyondYuEvenWhereTheInitialLineReachesPastIt) {
    // With kx = C the initial line meets the parabola at yk = 1 in, beyond yu = 0.9 in; on the
    // line k x y would exceed Pu just beyond yu (1055.4 x 0.95 = 1002.6 > 968.7).
    const CementedSiltCurve c = Hand_Curve(k_C);
    EXPECT_NEAR(c.yk, 1.0, 1e-12);
    EXPECT_GT(k_C * 0.95, c.pu);
    EXPECT_EQ(Cemented_Silt_P(c, 0.95), c.pu);
    EXPECT_EQ(Cemented_Silt_P(c, 0.85), k_C * 0.85);   // below yu the line still governs
}

TEST(CementedSiltLaw, DegenerateCurvesStayFinite) {
    // No initial slope: no resistance (not 0 x infinity).
    const CementedSiltCurve flat = Hand_Curve(0.0);
    EXPECT_EQ(Cemented_Silt_P(flat, 0.5), 0.0);
    // No cohesion: no cohesive part, where gamma zu / c would be infinite.
    EXPECT_EQ(Cemented_Silt_Cohesive_Resistance(0.0, 24.0, 0.04, 48.0, 0.1, 0.0), 0.0);
    EXPECT_EQ(Cemented_Silt_Cohesive_Resistance(-1.0, 24.0, 0.04, 48.0, 0.1, 0.0), 0.0);
    // Pu = pm (m = 0, n infinite): Ps (A - 1.5) = 0.5 Pu,c at zu = 0 with A = 2.83 (s).
    const double A0 = 2.8299999237060547;
    const CementedSiltCurve no_slope = Cemented_Silt_Curve(24.0, 0.0, 100.0, 0.5 * 300.0 / (A0 - 1.5), 300.0, false);
    EXPECT_FALSE(no_slope.finite);
    for (const double y : {0.1, 0.5, 5.0, 50.0}) {
        SCOPED_TRACE(y);
        EXPECT_NEAR(Cemented_Silt_P(no_slope, y), std::fmin(100.0 * y, no_slope.pu), 1e-9 * no_slope.pu);
    }
    // At the ground surface of a layer without cohesion: Ps = Pu,c = 0, so pm = Pu = 0.
    const CementedSiltCurve bare = Cemented_Silt_Curve(24.0, 0.0, 0.0, 0.0, 0.0, false);
    EXPECT_EQ(Cemented_Silt_P(bare, 0.3), 0.0);
    EXPECT_TRUE(std::isfinite(Cemented_Silt_P(Cemented_Silt_Curve(24.0, 0.0, 50.0, 0.0, 0.0, false), 0.3)));
    // Above the equivalent ground surface (zu < 0) the line reaches two diameters.
    EXPECT_EQ(Cemented_Silt_Curve(24.0, -1.0, 100.0, k_Pst, k_Puc, false).yk, 48.0);
}

TEST(CementedSiltLaw, DefaultStrainAndSubgradeModulus) {
    struct Eps { int units; double c; double eps50; };
    const Eps strains[] = {
        {k_Units_US, 3.0, 0.019999999552965164}, {k_Units_US, 3.472222328186035, 0.009999999776482582},
        {k_Units_US, 10.0, 0.004999999888241291}, {k_Units_US, 20.0, 0.004999999888241291},
        {k_Units_US, 30.0, 0.004000000189989805}, {k_Units_SI, 23.0, 0.019999999552965164},
        {k_Units_SI, 191.5208282470703, 0.004000000189989805}, {k_Units_General, 10.0, 0.0},
    };
    for (const Eps& row : strains) {
        SCOPED_TRACE(row.c);
        EXPECT_EQ(Cemented_Silt_Default_Eps50(row.c, row.units), row.eps50);
    }
    // cohesive part by class and loading + frictional part by angle and water table
    struct K { const char* name; int units; double c; double phi; double gamma; bool cyclic; double k; };
    const K moduli[] = {
        {"US static, soft, 30 deg below water", k_Units_US, 5.0, 30.0, 0.04, false, 250.0 + 20.0},
        {"US cyclic, 10 psi, 33 deg above water", k_Units_US, 10.0, 33.0, 0.05, true, 200.0 + 90.0},
        {"US static, 6.94 psi starts class 2", k_Units_US, 6.940000057220459, 36.0, 0.045, false, 500.0 + 60.0},
        {"US cyclic, hard, 40 deg above water", k_Units_US, 30.0, 40.0, 0.07, true, 800.0 + 225.0},
        {"SI static, 100 kPa, 40 deg below water", k_Units_SI, 100.0, 40.0, 10.0, false,
         271447.1875 + 33930.8984375},
        {"SI cyclic, 40 kPa, 32 deg above water", k_Units_SI, 40.0, 32.0, 18.0, true,
         27144.7109375 + 24430.240234375},
    };
    for (const K& row : moduli) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(Cemented_Silt_Default_K(row.c, row.phi, row.gamma, row.cyclic, row.units), row.k);
    }
    EXPECT_LT(Cemented_Silt_Default_K(10.0, 30.0, 10.0, false, k_Units_General), 0.0);
}

TEST(CementedSiltLaw, CohesiveSlopingFactorCountsZeroDeflectionAsNegative) {
    const double theta = 10.0 * k_Pi / 180.0;
    const double falling = 1.0 / (1.0 + std::tan(theta));
    const double rising = std::cos(theta) * 0.7071067690849304 / std::cos(k_Pi / 4 + theta);
    struct Case { double yd; double ES; double factor; };
    const Case cases[] = {
        {0.1, theta, falling}, {-0.1, theta, rising}, {0.0, theta, rising},
        {0.1, -theta, rising}, {-0.1, -theta, falling}, {0.0, -theta, falling},
        {0.1, 0.0, 1.0}, {0.0, 0.0, 1.0},
    };
    for (const Case& row : cases) {
        SCOPED_TRACE(std::to_string(row.yd) + " " + std::to_string(row.ES));
        EXPECT_NEAR(Silt_Sloping_Factor(row.yd, row.ES), row.factor, 1e-15);
    }
    // The clay criteria's shared factor is 1 at zero deflection, the silt's is not.
    EXPECT_EQ(SlopingGroundFactor(0.0, theta), 1.0);
    // Np on sloping ground: 4.384 x the factor, still below 9.
    EXPECT_NEAR(Cemented_Silt_Cohesive_Resistance(5.0, 24.0, 0.04, 48.0, 0.1, theta),
                120.0 * 4.384 * falling, 1e-9);
    // Deep enough Np reaches 9: Pu,c = 9 c b.
    EXPECT_EQ(Cemented_Silt_Cohesive_Resistance(5.0, 24.0, 0.04, 480.0, 0.1, 0.0), 9.0 * 5.0 * 24.0);
}

TEST(CementedSiltLaw, TabulatedDeflections) {
    const CementedSiltCurve c = Hand_Curve();
    EXPECT_EQ(Cemented_Silt_Table_Deflection(c, 1), 0.0);
    EXPECT_NEAR(Cemented_Silt_Table_Deflection(c, 7), 0.2, 1e-15);
    EXPECT_NEAR(Cemented_Silt_Table_Deflection(c, 13), c.ym, 1e-15);
    EXPECT_EQ(Cemented_Silt_Table_Deflection(c, 14), c.yu);
    EXPECT_NEAR(Cemented_Silt_Table_Deflection(c, 17), c.yu * (1.0 + 3 * 0.05000000074505806), 1e-15);
}

// ---- The criterion over a layer --------------------------------------------------------

namespace {

// US customary: a 24 in pile, 240 in long, nodes every 12 in, in one cemented silt layer from
// the pile head with the values of the hand calculation (k = 100 pci, or the default for 0).
void Set_Up_Silt(double c_top, double c_bottom, double phi, double k_top, double k_bottom) {
    Set_Up_Pile(k_Units_US, 24.0, 240.0, 21);
    Add_Layer(k_Soil_CemSilt, 0.0, 240.0, {0.04, c_top, 0.0, 0.0, phi}, {0.04, c_bottom, 0.0, 0.0, phi},
              k_top, k_bottom);
    Assign_Layers();
}

}  // namespace

class CementedSiltTest : public ModelTest {};

TEST_F(CementedSiltTest, ModulusFromTheHandCurve) {
    Set_Up_Silt(5.0, 5.0, 30.0, 100.0, 100.0);
    AnalysisModel& m = g_Model;
    for (int k = 1; k <= 21; ++k) Y_Node(k) = 0.3;
    Y_Node(3) = 0.0;
    PY_CementedSilt(1, false);
    ASSERT_EQ(m.ErrorStatus, 0);
    // node 5 at 48 in on the falling parabola; node 3 at 24 in without deflection: the initial
    // slope k zu = 2400, without multipliers
    EXPECT_NEAR(m.Es_Node[5], k_P_03 / 0.3, k_Hand_Tol * k_P_03 / 0.3);
    EXPECT_EQ(m.Es_Node[3], 2400.0);
    // A bottom k of 0 is the top value; the model keeps it as read (the criterion once wrote
    // the top value over it).
    Initialize_Model();
    Set_Up_Silt(5.0, 5.0, 30.0, 100.0, 0.0);
    for (int k = 1; k <= 21; ++k) Y_Node(k) = 0.3;
    PY_CementedSilt(1, false);
    ASSERT_EQ(g_Model.ErrorStatus, 0);
    EXPECT_EQ(g_Model.LayerKBottom[1], 0.0);
    EXPECT_NEAR(g_Model.Es_Node[5], k_P_03 / 0.3, k_Hand_Tol * k_P_03 / 0.3);
}

TEST_F(CementedSiltTest, SlopeLowersTheResistanceWhenThePilePushesTowardFallingGround) {
    // 10 degree slope, node 5 at 48 in deflected 1 in, beyond yu = 0.9 in: Es = Pu / 1 in. The
    // wedge and the cohesive part both shrink toward falling ground and grow into rising ground.
    double Es[2] = {0.0, 0.0};
    for (int side = 0; side < 2; ++side) {
        Initialize_Model();
        Set_Up_Silt(5.0, 5.0, 30.0, 100.0, 100.0);
        g_Model.GroundSlope = g_Model.EffectiveSlope = 10.0 * k_Pi / 180.0;
        for (int k = 1; k <= 21; ++k) Y_Node(k) = side == 0 ? 1.0 : -1.0;
        PY_CementedSilt(1, false);
        ASSERT_EQ(g_Model.ErrorStatus, 0);
        Es[side] = g_Model.Es_Node[5];
    }
    EXPECT_LT(Es[0], k_Pu);   // level ground: Pu = 968.69
    EXPECT_GT(Es[1], k_Pu);
}

TEST_F(CementedSiltTest, DefaultKIsTheSumOfItsParts) {
    Set_Up_Silt(5.0, 5.0, 30.0, 0.0, 0.0);
    PY_CementedSilt(1, false);
    ASSERT_EQ(g_Model.ErrorStatus, 0);
    // 250 (c below 6.94 psi, static) + 20 (30 degrees, 0.04 pci: below the water table), at
    // zero deflection kx = 270 x zu
    EXPECT_EQ(g_Model.Es_Node[5], 270.0 * 48.0);
}

TEST_F(CementedSiltTest, NoCohesionAtTheLayerTopIsAcceptedThere) {
    // c = 0 at the top node gives no cohesive part (not a number), and a finite modulus.
    Set_Up_Silt(0.0, 10.0, 30.0, 100.0, 100.0);
    for (int k = 1; k <= 21; ++k) Y_Node(k) = 0.3;
    PY_CementedSilt(1, false);
    ASSERT_EQ(g_Model.ErrorStatus, 0);
    EXPECT_TRUE(std::isfinite(g_Model.Es_Node[1]));
    EXPECT_EQ(g_Model.Es_Node[1], 0.0);   // zu = 0: no initial slope
}

TEST_F(CementedSiltTest, ZeroThicknessLayerTakesItsTopK) {
    // A layer from 48 to 48 in holding node 5, k from 100 to 300: no division by its thickness.
    Set_Up_Pile(k_Units_US, 24.0, 240.0, 21);
    Add_Layer(k_Soil_CemSilt, 0.0, 48.0, {0.04, 5.0, 0.0, 0.0, 30.0}, {0.04, 5.0, 0.0, 0.0, 30.0}, 100.0, 100.0);
    Add_Layer(k_Soil_CemSilt, 48.0, 48.0, {0.04, 5.0, 0.0, 0.0, 30.0}, {0.04, 5.0, 0.0, 0.0, 30.0}, 100.0, 300.0);
    Add_Layer(k_Soil_CemSilt, 48.0, 240.0, {0.04, 5.0, 0.0, 0.0, 30.0}, {0.04, 5.0, 0.0, 0.0, 30.0}, 100.0, 100.0);
    Assign_Layers();
    AnalysisModel& m = g_Model;
    m.i_TopNodeInLayer[2] = m.i_BottomNodeInLayer[2] = 5;
    m.Fu_Layer[1] = 0.0;
    m.XEquivalentTop[2] = 48.0;
    Y_Node(5) = 0.0;
    m.i_RockLayersAbove = 1;   // the true depth, whatever the layers above hold
    PY_CementedSilt(2, false);
    ASSERT_EQ(m.ErrorStatus, 0);
    EXPECT_EQ(m.Es_Node[5], 100.0 * 48.0);
}

TEST_F(CementedSiltTest, InputAndRuntimeErrors) {
    struct Case { const char* name; int units; double c; double phi; double slope_degrees;
                  double k_top; int status; const char* first_line; int node_reached; };
    const Case cases[] = {
        {"no cohesion below the layer top", k_Units_US, 0.0, 30.0, 0.0, 100.0, 148,
         "**** Input Data Error No. 48 ****", 1},
        {"no friction angle", k_Units_US, 5.0, 0.0, 0.0, 100.0, 110, "**** Input Data Error No. 10 ****", 0},
        {"slope steeper than phi", k_Units_US, 5.0, 30.0, 35.0, 100.0, 223, "**** Runtime Error No. 23 ****", 0},
        {"slope of phi without cohesion", k_Units_US, 0.0, 30.0, 30.0, 100.0, 111,
         "**** Input Data Error No. 11 ****", 0},
        {"default k in general units", k_Units_General, 5.0, 30.0, 0.0, 0.0, 243,
         "**** Runtime Error No. 43 ****", 0},
    };
    for (const Case& row : cases) {
        SCOPED_TRACE(row.name);
        Initialize_Model();
        Capture_Run_Files();
        Set_Up_Silt(row.c, row.c, row.phi, row.k_top, row.k_top);
        g_Model.IUNITS = row.units;
        // just inside 30 degrees for the cohesionless case: R = cos^2 theta - cos^2 phi < 1e-10
        g_Model.GroundSlope = g_Model.EffectiveSlope = row.slope_degrees * k_Pi / 180.0 * (1.0 - 1e-12);
        g_Model.Es_Node[1] = g_Model.Es_Node[2] = -1.0;
        PY_CementedSilt(1, false);
        EXPECT_EQ(g_Model.ErrorStatus, row.status);
        EXPECT_EQ(g_Model.Es_Node[1] != -1.0, row.node_reached >= 1);
        EXPECT_EQ(g_Model.Es_Node[2], -1.0);
        EXPECT_GE(Find_Line(Captured_Message_Lines(), row.first_line), 0);
        EXPECT_GE(Find_Line(Captured_Report_Lines(), row.first_line), 0);
    }
    const auto report = Captured_Report_Lines();
    EXPECT_GE(Find_Line(report, "Problem:  Soil layer 1 is cemented silt with default values of subgrade k,"), 0);
}

TEST_F(CementedSiltTest, ZeroCohesionMessageNamesLayerDepthAndCohesion) {
    Capture_Run_Files();
    Set_Up_Silt(0.0, 0.0, 30.0, 100.0, 100.0);
    PY_CementedSilt(1, false);
    ASSERT_EQ(g_Model.ErrorStatus, 148);
    const auto messages = Captured_Message_Lines();
    const int at = Find_Line(messages, "**** Input Data Error No. 48 ****");
    ASSERT_GE(at, 0);
    // I0, F13.8 and E10.3 of gfortran
    EXPECT_EQ(messages[static_cast<std::size_t>(at) + 5], "Layer = 1, Depth =   12.00000000, c =  0.000E+00");
    EXPECT_EQ(messages[static_cast<std::size_t>(at) + 8], "Both cohesion and friction angle should be non-zero for silt soils.");
}

TEST_F(CementedSiltTest, SiltBelowSandUsesItsOwnCohesionOnTheInterface) {
    // The interface law of the strength table has no rule for sand over silt; the silt's top
    // node, on the interface, takes the silt's own top value and the run goes on.
    Set_Up_Pile(k_Units_US, 24.0, 240.0, 21);
    Add_Layer(k_Soil_Sand, 0.0, 48.0, {0.04, 0.0, 0.0, 0.0, 34.0}, {0.04, 0.0, 0.0, 0.0, 34.0}, 100.0, 100.0);
    Add_Layer(k_Soil_CemSilt, 48.0, 240.0, {0.04, 5.0, 0.0, 0.0, 30.0}, {0.04, 5.0, 0.0, 0.0, 30.0}, 100.0, 100.0);
    Assign_Layers();
    AnalysisModel& m = g_Model;
    ASSERT_EQ(m.i_TopNodeInLayer[2], 5);   // the node at 48 in
    m.i_RockLayersAbove = 1;               // the true depth below the ground surface
    for (int k = 1; k <= 21; ++k) Y_Node(k) = 0.3;
    PY_CementedSilt(2, false);
    ASSERT_EQ(m.ErrorStatus, 0);
    // At 48 in the friction angle is the mean of 34 and 30 degrees on the interface, so only
    // its finiteness and the absence of an error are the point here.
    EXPECT_TRUE(std::isfinite(m.Es_Node[5]));
    EXPECT_GT(m.Es_Node[5], 0.0);
}

TEST_F(CementedSiltTest, PrintedBlock) {
    // A requested depth of 48 in: the hand case.
    Set_Up_Silt(5.0, 5.0, 30.0, 100.0, 100.0);
    Capture_Run_Files();
    AnalysisModel& m = g_Model;
    m.rd_PYCurveDepth[1] = 48.0;
    m.i_TopPYDepthInLayer[1] = m.i_BottomPYDepthInLayer[1] = 1;
    PY_CementedSilt(1, true);
    ASSERT_EQ(m.ErrorStatus, 0);
    const auto report = Captured_Report_Lines();
    ASSERT_EQ(report[2], "p-y Curve Computed Using the Static Criteria for Cemented Silt");
    const std::string pad(55, ' ');
    const auto line = [&](const std::string& label, const std::string& rest) {
        return label + pad.substr(label.size()) + "= " + rest;
    };
    EXPECT_EQ(report[4], line("Soil Layer Number", "           1"));
    EXPECT_EQ(report[5], line("Depth below pile head", "       4.000 ft"));
    EXPECT_EQ(report[7], line("Equivalent Depth, x", "      48.000 in"));
    EXPECT_EQ(report[9], line("Cohesion, c", "       5.000 psi"));
    EXPECT_EQ(report[10], line("Cohesion, c", "     720.000 psf"));
    EXPECT_EQ(report[11], line("Angle of Friction, phi", "      30.000 deg."));
    EXPECT_EQ(report[13], line("Avg. Eff. Unit Weight", "    69.12000 pcf"));
    EXPECT_EQ(report[14], line("k (interp. from input)", "     100.000 pci"));
    EXPECT_EQ(report[15], line("Epsilon50 (interp.)", "     0.01000"));
    EXPECT_EQ(report[16], line("x/B ratio", "       2.000"));
    EXPECT_EQ(report[17], line("A parameter = fn(x/B)", "     1.48000"));
    EXPECT_EQ(report[18], line("B parameter = fn(x/B)", "     1.05000"));
    EXPECT_EQ(report[22], line("yk", "     0.27518 in"));
    EXPECT_EQ(report[23], line("Pu", "     968.693 lbs/in"));
    EXPECT_EQ(report[24], line("Pc", "     526.080 lbs/in"));
    EXPECT_EQ(report[26], line("pm", "    1237.714 lbs/in"));
    EXPECT_EQ(report[28], line("Pu,c", "     526.080 lbs/in"));
    EXPECT_EQ(report[29], line("Pu,phi", "     299.063 lbs/in"));
    EXPECT_EQ(report[34], "        y, in             p, lbs/in");
    EXPECT_EQ(report[35], k_PY_Table_Dashes);
    EXPECT_EQ(report.size(), 36u + 17u);
    const auto plot = Captured_Plot_Lines();
    ASSERT_EQ(plot.size(), 18u);
    EXPECT_EQ(plot[0].substr(80), "Line 7:  p-y curve depth in cemented silt (in), no. p-y points on curve no. 1");
    EXPECT_EQ(plot[17].substr(80), "Line 8(17): y, p, for cemented c-phi");
}
