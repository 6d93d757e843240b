// Reese sand criterion and the sand laws it shares with API sand, against hand calculations:
// wedge and flow resistance, the default subgrade modulus, the piecewise curve with its k x
// initial line and its printed table; then the criterion over a layer.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "model/model.h"
#include "model/soil_types.h"
#include "model/units.h"
#include "py/criteria.h"
#include "py/dispatch.h"
#include "py/layered_pile.h"
#include "py/sand.h"
#include "py/sand_resistance.h"
#include "support/model_fixture.h"

namespace {

const double k_Pi = 3.141592653589793;

// phi = 30 degrees: alpha = 15, beta = 60 degrees, Ka = 1/3, Kp = 3, tan^4 beta = 9.
SandAngles Thirty_Degrees() { return Sand_Angles(30.0 * k_Pi / 180.0, 0.4); }

// Hand calculation for gamma' = 10 kN/m3, b = 1 m, zu = 2 m, K0 = 0.4:
// wedge 20 [0.8 sin60 / cos15 + 3 (1 + 2 tan60 tan15) + 0.8 tan60 (0.5 - tan15) - 1/3]
//     = 20 [0.717260 + 5.784610 + 0.321539 - 0.333333] = 129.8015;
// flow  20 [(1/3)(81 - 1) + 0.4 tan30 x 9] = 574.9026.
constexpr double k_Wedge_2m = 129.80151532289963;
constexpr double k_Flow_2m = 574.9025527149852;
constexpr double k_Hand_Tol = 1e-9;   // relative; the hand values carry 16 digits

}  // namespace

TEST(SandLaw, WedgeAndFlowResistanceOnLevelGround) {
    const SandAngles a = Thirty_Degrees();
    EXPECT_NEAR(a.Ka, 1.0 / 3.0, 1e-15);
    EXPECT_NEAR(a.Kp, 3.0, 1e-14);
    EXPECT_NEAR(Sand_Wedge_Level(10.0, 2.0, 1.0, a, a.Ka), k_Wedge_2m, k_Hand_Tol * k_Wedge_2m);
    EXPECT_NEAR(Sand_Flow(10.0, 2.0, 1.0, a), k_Flow_2m, k_Hand_Tol * k_Flow_2m);
}

TEST(SandLaw, SlopingGroundWedge) {
    const SandAngles a = Thirty_Degrees();
    const double theta = 10.0 * k_Pi / 180.0;
    // Ka on a 10 degree slope: cos10 (cos10 - sqrt R) / (cos10 + sqrt R), R = cos^2 10 - cos^2 30
    const double R = std::cos(theta) * std::cos(theta) - 0.75;
    const double Ka = std::cos(theta) * (std::cos(theta) - std::sqrt(R)) / (std::cos(theta) + std::sqrt(R));
    EXPECT_NEAR(Sloping_Active_Coefficient(a.phi, theta), Ka, 1e-15);
    EXPECT_GT(Ka, a.Ka);   // the falling ground pushes harder
    // A direction factor of 1 with t = 0 is level ground.
    EXPECT_NEAR(Sand_Wedge_Sloping(10.0, 2.0, 1.0, a, a.Ka, 0.0, 1.0), k_Wedge_2m, k_Hand_Tol * k_Wedge_2m);
    // Toward falling ground (f = 1 + t) the wedge is smaller, into rising ground larger.
    const double t = std::tan(theta) * std::tan(a.beta);
    const double level = Sand_Wedge_Level(10.0, 2.0, 1.0, a, Ka);
    EXPECT_LT(Sand_Wedge_Sloping(10.0, 2.0, 1.0, a, Ka, t, 1.0 + t), level);
    EXPECT_GT(Sand_Wedge_Sloping(10.0, 2.0, 1.0, a, Ka, t, 1.0 - t), level);
    // A slope steeper than the friction angle has no real active coefficient.
    EXPECT_LT(Slope_Radicand(a.phi, 35.0 * k_Pi / 180.0), 0.0);
    EXPECT_TRUE(std::isnan(Sloping_Active_Coefficient(a.phi, 35.0 * k_Pi / 180.0)));
}

TEST(SandLaw, DefaultSubgradeModulusMeetsItsPlateauAtFortyDegrees) {
    struct Case { const char* name; int units; double gamma; double plateau; };
    const Case cases[] = {
        {"US customary, any unit weight", k_Units_US, 0.08, 160.54745483398438},
        {"SI above the water table", k_Units_SI, 19.0, 78739.0078125},
        {"SI submerged", k_Units_SI, 9.0, 43580.1484375},
    };
    for (const Case& row : cases) {
        SCOPED_TRACE(row.name);
        // the fitted power law reaches the plateau at 40 degrees to about 1e-7 (single-precision fits)
        EXPECT_NEAR(Default_Sand_K_For_Units(40.0, row.gamma, row.units), row.plateau, 1e-6 * row.plateau);
        EXPECT_EQ(Default_Sand_K_For_Units(40.5, row.gamma, row.units), row.plateau);
        EXPECT_LT(Default_Sand_K_For_Units(30.0, row.gamma, row.units), 0.25 * row.plateau);
    }
    EXPECT_LT(Default_Sand_K_For_Units(34.0, 0.0, k_Units_General), 0.0);
}

namespace {

// b = 1 m at zu = 2 m, static: A = 1.48, B = 1.05 (s) at zu / b = 2; Ps = the wedge.
ReeseSandCurve Curve_With_Kx(double kx) { return Reese_Sand_Curve(1.0, 2.0, kx, k_Wedge_2m, false); }

}  // namespace

TEST(ReeseSandLaw, FactorsAndCornerPoints) {
    const ReeseSandCurve c = Curve_With_Kx(40000.0);
    EXPECT_EQ(c.A, static_cast<double>(1.48f));
    EXPECT_EQ(c.B, static_cast<double>(1.05f));
    const double pu = 1.48f * k_Wedge_2m;
    const double pm = 1.05f * k_Wedge_2m;
    EXPECT_NEAR(c.yu, 3.0 / 80.0, 1e-15);
    EXPECT_NEAR(c.ym, 1.0 / 60.0, 1e-15);
    struct Case { const char* name; double y; double p; };
    const Case cases[] = {
        {"pm at ym", 1.0 / 60.0, pm},
        {"straight part halfway", 0.5 * (1.0 / 60.0 + 3.0 / 80.0), 0.5 * (pm + pu)},
        {"pu at yu", 3.0 / 80.0, pu},
        {"plateau beyond yu", 0.5, pu},
    };
    for (const Case& row : cases) {
        SCOPED_TRACE(row.name);
        EXPECT_NEAR(Reese_Sand_P(c, row.y, nullptr), row.p, 1e-9 * pu);
    }
    // Deep down A and B keep their last table values.
    const ReeseSandCurve deep = Reese_Sand_Curve(1.0, 8.0, 1e6, 1000.0, false);
    EXPECT_EQ(deep.A, static_cast<double>(0.88f));
    EXPECT_EQ(deep.B, static_cast<double>(0.50f));
}

TEST(ReeseSandLaw, InitialLineMeetsTheParabolaAtYk) {
    const ReeseSandCurve c = Curve_With_Kx(40000.0);
    const double pm = 1.05f * k_Wedge_2m;
    // parabola through (ym, pm) with the straight part's slope there: p = C y^(1/n)
    EXPECT_NEAR(c.C * std::pow(c.ym, 1.0 / c.n), pm, 1e-9 * pm);
    EXPECT_NEAR(c.pm / c.n / c.ym, c.m, 1e-9 * c.m);
    // the initial line k x y reaches the parabola at yk, below ym: the normal shape
    ASSERT_LT(c.yk, c.ym);
    EXPECT_NEAR(c.kx * c.yk, c.pk, 1e-9 * c.pk);
    EXPECT_EQ(Reese_Sand_Shape(c), k_Shape_Normal);
    bool on_line = false;
    EXPECT_NEAR(Reese_Sand_P(c, 0.5 * c.yk, &on_line), 0.5 * c.kx * c.yk, 1e-12);
    EXPECT_TRUE(on_line);
    EXPECT_NEAR(Reese_Sand_P(c, 2.0 * c.yk, &on_line), c.C * std::pow(2.0 * c.yk, 1.0 / c.n), 1e-9);
    EXPECT_FALSE(on_line);
    // never above the initial line
    for (double y = 1e-6; y < 0.1; y *= 1.5) {
        EXPECT_LE(Reese_Sand_P(c, y, nullptr), c.kx * y * (1.0 + 1e-12));
    }
}

TEST(ReeseSandLaw, ShapesAndTabulatedDeflections) {
    // normal (stiff initial line), tri-linear (line meets the straight part), bi-linear (line
    // reaches pu beyond yu)
    const ReeseSandCurve normal = Curve_With_Kx(40000.0);
    const ReeseSandCurve tri = Curve_With_Kx(8000.0);
    const ReeseSandCurve bi = Curve_With_Kx(1000.0);
    ASSERT_EQ(Reese_Sand_Shape(tri), k_Shape_Trilinear);
    ASSERT_EQ(Reese_Sand_Shape(bi), k_Shape_Bilinear);
    EXPECT_EQ(Reese_Sand_Table_Deflection(normal, 1.0, 1), 0.0);
    EXPECT_EQ(Reese_Sand_Table_Deflection(normal, 1.0, 2), normal.yk);
    EXPECT_NEAR(Reese_Sand_Table_Deflection(normal, 1.0, 13), normal.ym, 1e-15);
    EXPECT_NEAR(Reese_Sand_Table_Deflection(normal, 1.0, 14), 13.0 / 480.0, 1e-15);
    EXPECT_NEAR(Reese_Sand_Table_Deflection(normal, 1.0, 17), normal.yu * 1.05, 1e-9);
    // tri-linear: the second point is where k x y meets the straight line through (yu, pu)
    const double yx = Reese_Sand_Table_Deflection(tri, 1.0, 2);
    const double s = (tri.pu - tri.pk) / (tri.yu - tri.yk);
    EXPECT_NEAR(tri.kx * yx, tri.pu - s * (tri.yu - yx), 1e-9 * tri.pu);
    EXPECT_NEAR(Reese_Sand_Table_Deflection(tri, 1.0, 15), tri.yu, 1e-15);
    // bi-linear: fourteen steps up the line to yp = pu / kx
    const double yp = bi.pu / bi.kx;
    EXPECT_NEAR(Reese_Sand_Table_Deflection(bi, 1.0, 8), 7.0 * yp / 14.0, 1e-15);
    EXPECT_NEAR(Reese_Sand_Table_Deflection(bi, 1.0, 15), yp, 1e-15);
}

// ---- The criterion over a layer --------------------------------------------------------

namespace {

// SI: a 1 m pile, 16 m long, nodes every 2 m, in one Reese sand layer from the pile head:
// gamma' = 10 kN/m3, phi = 30 degrees, k = 20000 kN/m3 (or the default when k_top is 0).
void Set_Up_Sand(int type, double k_top, double phi = 30.0) {
    Set_Up_Pile(k_Units_SI, 1.0, 16.0, 9);
    Add_Layer(type, 0.0, 16.0, {10.0, 0.0, 0.0, 0.0, phi}, {10.0, 0.0, 0.0, 0.0, phi}, k_top, 20000.0);
    Assign_Layers();
}

}  // namespace

class ReeseSandTest : public ModelTest {};

TEST_F(ReeseSandTest, ModulusFromTheCurveAndTheInitialSlope) {
    Set_Up_Sand(k_Soil_Sand, 20000.0);
    AnalysisModel& m = g_Model;
    for (int k = 1; k <= 9; ++k) Y_Node(k) = 0.1;
    Y_Node(2) = 0.0;
    PY_Sand(1, false);
    ASSERT_EQ(m.ErrorStatus, 0);
    // node 2 at 2 m, no deflection: the initial slope k zu, without multipliers
    EXPECT_NEAR(m.Es_Node[2], 40000.0, 1e-9);
    // Beyond yu, Es = pu / y with pu = 0.88 Ps (zu / b >= 6). By hand as for 2 m: at 8 m the
    // wedge 1436.824 stays below the flow 2299.610 (4 x the 2 m flow); at 16 m the flow
    // 4599.220 is below the wedge 5320.630.
    struct Case { const char* name; int k; double Ps; };
    const Case cases[] = {{"wedge at 8 m", 5, 1436.8242451663943}, {"flow at 16 m", 9, 4.0 * k_Flow_2m * 2.0}};
    for (const Case& row : cases) {
        SCOPED_TRACE(row.name);
        const double Es = 0.88f * row.Ps / 0.1;
        EXPECT_NEAR(m.Es_Node[row.k], Es, k_Hand_Tol * Es);
    }
}

TEST_F(ReeseSandTest, LayerWithoutKUsesTheDefaultForTheRestOfTheRun) {
    Set_Up_Sand(k_Soil_Sand, 0.0);
    AnalysisModel& m = g_Model;
    // submerged SI sand at 30 degrees, at zero deflection: kx = k x zu at node 3 (4 m)
    const double k = 3.284046397311613e-05 * std::pow(30.0, 5.694468021392822);
    // every pass of the run takes the default, and the layer's k pair stays as read: the
    // criterion once wrote zeros over it
    for (int pass = 1; pass <= 2; ++pass) {
        SCOPED_TRACE(pass);
        PY_Sand(1, false);
        ASSERT_EQ(m.ErrorStatus, 0);
        EXPECT_EQ(m.LayerKTop[1], 0.0);
        EXPECT_EQ(m.LayerKBottom[1], 20000.0);
        EXPECT_NEAR(m.Es_Node[3], 4.0 * k, 1e-9 * k);
    }
}

TEST_F(ReeseSandTest, InputAndRuntimeErrors) {
    struct Case { const char* name; int units; double phi; double slope_degrees; double k_top;
                  int status; const char* first_line; bool in_report; };
    const Case cases[] = {
        {"zero friction angle", k_Units_SI, 0.0, 0.0, 20000.0, 108, "**** Input Data Error No. 8 ****", false},
        {"slope steeper than phi in layer 1", k_Units_SI, 30.0, 35.0, 20000.0, 109,
         "**** Input Data Error No. 9 ****", true},
        {"default k in general units", k_Units_General, 30.0, 0.0, 0.0, 213,
         "**** Runtime Error No. 13 ****", true},
    };
    for (const Case& row : cases) {
        SCOPED_TRACE(row.name);
        Initialize_Model();
        Capture_Run_Files();
        Set_Up_Sand(k_Soil_Sand, row.k_top, row.phi);
        g_Model.IUNITS = row.units;
        g_Model.GroundSlope = g_Model.EffectiveSlope = row.slope_degrees * k_Pi / 180.0;
        g_Model.Es_Node[1] = -1.0;
        PY_Sand(1, false);
        EXPECT_EQ(g_Model.ErrorStatus, row.status);
        EXPECT_EQ(g_Model.Es_Node[1], -1.0);   // raised before the first modulus
        EXPECT_GE(Find_Line(Captured_Message_Lines(), row.first_line), 0);
        EXPECT_EQ(Find_Line(Captured_Report_Lines(), row.first_line) >= 0, row.in_report);
    }
    EXPECT_GE(Find_Line(Captured_Report_Lines(),
                        "a non-zero for k."), 0);
}

TEST_F(ReeseSandTest, FrictionAngleWarningIsWrittenAndCounted) {
    Capture_Run_Files();
    Set_Up_Sand(k_Soil_Sand, 20000.0, 50.0);
    PY_Sand(1, false);
    ASSERT_EQ(g_Model.ErrorStatus, 0);
    EXPECT_EQ(g_Model.WarningLog[302], 9);
    const auto messages = Captured_Message_Lines();
    EXPECT_EQ(messages[3], "An unreasonable value for friction angle was input for a Reese sand layer. ");
    EXPECT_EQ(messages[7], "The input value for friction angle was used in computations.");
}

TEST_F(ReeseSandTest, SlopeLowersTheWedgeWhenThePilePushesTowardFallingGround) {
    // 10 degree slope, a node at 2 m in the wedge regime deflected beyond yu: Es = pu / y.
    double Es[2] = {0.0, 0.0};
    for (int side = 0; side < 2; ++side) {
        Initialize_Model();
        Set_Up_Sand(k_Soil_Sand, 20000.0);
        g_Model.GroundSlope = g_Model.EffectiveSlope = 10.0 * k_Pi / 180.0;
        for (int k = 1; k <= 9; ++k) Y_Node(k) = side == 0 ? 0.1 : -0.1;
        PY_Sand(1, false);
        ASSERT_EQ(g_Model.ErrorStatus, 0);
        Es[side] = g_Model.Es_Node[2];
    }
    EXPECT_LT(Es[0], Es[1]);
    EXPECT_LT(Es[0], 1.48f * k_Wedge_2m / 0.1);   // below level ground
}

TEST_F(ReeseSandTest, PrintedBlockMarksPointsOnTheInitialLine) {
    // A requested depth of 2 m: the normal shape, its second point (yk) lies on k x y.
    Set_Up_Sand(k_Soil_Sand, 20000.0);
    Capture_Run_Files();
    AnalysisModel& m = g_Model;
    m.rd_PYCurveDepth[1] = 2.0;
    m.i_TopPYDepthInLayer[1] = m.i_BottomPYDepthInLayer[1] = 1;
    PY_Sand(1, true);
    ASSERT_EQ(m.ErrorStatus, 0);
    const auto report = Captured_Report_Lines();
    ASSERT_EQ(report[2], "p-y Curve in Sand Computed Using Reese Criteria for Static Loading Conditions");
    const std::string pad(55, ' ');
    const auto line = [&](const std::string& label, const std::string& rest) {
        return label + pad.substr(label.size()) + "= " + rest;
    };
    EXPECT_EQ(report[12], line("Angle of Friction", "      30.000 degrees"));
    EXPECT_EQ(report[14], line("kpy", "   20000.000 kN/m3"));
    EXPECT_EQ(report[15], line("K active", "       0.333"));
    EXPECT_EQ(report[18], line("Pst", "     129.802 kN/m"));
    EXPECT_EQ(report[19], line("Psd", "     574.903 kN/m"));
    EXPECT_EQ(report[20], line("Ps = Pst (shallow controls)", "     129.802 kN/m"));
    EXPECT_EQ(report[21], line("A (static)", "      1.4800"));
    EXPECT_EQ(report[32], line("Es,lim", "   40000.000 kN/m/m"));
    const int note = Find_Line(report, "This p-y curve is computed using the equivalent depth.");
    ASSERT_EQ(note, 36);
    EXPECT_EQ(report[37], "This curve has the normal shape for a Reese sand p-y curve where Yk < Ym < Yu.");
    EXPECT_EQ(report[39], "         y, m            p, kN/m");
    EXPECT_EQ(report[42].substr(32), "   *");   // point 2 at yk
    EXPECT_EQ(report[43].size(), 32u);        // point 3 on the parabola, unmarked
    EXPECT_EQ(report[58], "");
    EXPECT_EQ(report[59], "* p value(s) computed using p = k * Eff x * y ");
    EXPECT_EQ(report.size(), 61u);            // no default-k note
    const auto plot = Captured_Plot_Lines();
    EXPECT_EQ(plot[0].substr(80), "Line 7:  p-y curve depth in sand, no. p-y points on curve no. 1");
    EXPECT_EQ(plot[17].substr(80), "Line 8(17): y, p, for sand");
}
