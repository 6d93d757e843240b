// Loess criterion: the hyperbolic curve against a hand calculation, the number of cycles (at
// least one), the reduction of the cone tip resistance near the pile head; then the criterion
// over a layer: its limit of ten cycles, the secant with multipliers, no soil movement load and
// the printed block.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "model/model.h"
#include "model/soil_types.h"
#include "model/units.h"
#include "py/criteria.h"
#include "py/layered_pile.h"
#include "py/loess.h"
#include "support/model_fixture.h"

namespace {

constexpr double k_Hand_Tol = 1e-12;   // relative

// US customary: b = 24 in, qc = 1000 psi, yr = 0.117 (s) in. pu0 = 0.409 (s) x 1000,
// pu = 24 pu0 = 9816.0002 lb/in (one cycle: ln 1 = 0). At y = yr, D = 1 + (1 + 0.1 (s) / e),
// p = pu / (2 + 0.1 / e) = 4819.3531; at y = 10 yr, p = 10 pu / (1 + 10 (1 + 0.1 e^-10))
// = 8923.5997. With N = 10: pu = 9816.0002 / (1 + 0.24 (s) ln 10) = 6322.2151.
constexpr double k_Pu = 9816.00022315979;
constexpr double k_P_Yr = 4819.353064647433;
constexpr double k_P_10Yr = 8923.59973643551;
constexpr double k_Pu_10_Cycles = 6322.21511462117;

}  // namespace

TEST(LoessLaw, CurveMatchesTheHandCalculation) {
    const double yr = Loess_Reference_Deflection(k_Units_US);
    EXPECT_EQ(yr, 0.11699999868869781);
    EXPECT_EQ(Loess_Reference_Deflection(k_Units_SI), 0.0029718000441789627);
    const LoessCurve c = Loess_Curve(24.0, 1000.0, 1.0, yr);
    EXPECT_NEAR(c.pu, k_Pu, k_Hand_Tol * k_Pu);
    EXPECT_NEAR(c.Ei, k_Pu / yr, k_Hand_Tol * k_Pu / yr);
    EXPECT_NEAR(Loess_P(c, yr), k_P_Yr, k_Hand_Tol * k_P_Yr);
    EXPECT_NEAR(Loess_P(c, 10.0 * yr), k_P_10Yr, k_Hand_Tol * k_P_10Yr);
    EXPECT_EQ(Loess_P(c, 0.0), 0.0);
    EXPECT_NEAR(Loess_Curve(24.0, 1000.0, 10.0, yr).pu, k_Pu_10_Cycles, k_Hand_Tol * k_Pu_10_Cycles);
    // the curve approaches pu from below
    EXPECT_LT(Loess_P(c, 1000.0 * yr), c.pu);
    EXPECT_GT(Loess_P(c, 1000.0 * yr), 0.99 * c.pu);
}

TEST(LoessLaw, FewerThanOneCycleCountsAsOne) {
    // No cycles (static loading), a fraction of a cycle or a negative count: ln 0 would be
    // infinite, a fraction would raise pu above one cycle's; the magnitude of a negative count
    // is used.
    const double yr = Loess_Reference_Deflection(k_Units_US);
    struct Case { double N; double pu; };
    const Case cases[] = {{0.0, k_Pu}, {0.5, k_Pu}, {1.0, k_Pu}, {-10.0, k_Pu_10_Cycles}, {10.0, k_Pu_10_Cycles}};
    for (const Case& row : cases) {
        SCOPED_TRACE(row.N);
        const LoessCurve c = Loess_Curve(24.0, 1000.0, row.N, yr);
        EXPECT_NEAR(c.pu, row.pu, k_Hand_Tol * row.pu);
        EXPECT_TRUE(std::isfinite(Loess_P(c, yr)));
    }
}

TEST(LoessLaw, ConeResistanceIsReducedNearThePileHead) {
    // Halved at the head, x / (2 b) + 0.5 below it, whole from one diameter down: the factor
    // never exceeds 1 (x / (2 b) + 0.5 alone would reach 1.5 just above two diameters).
    struct Case { double x; double factor; };
    const Case cases[] = {{0.0, 0.5}, {6.0, 0.625}, {12.0, 0.75}, {24.0, 1.0}, {36.0, 1.0},
                          {47.9, 1.0}, {48.0, 1.0}, {100.0, 1.0}};
    for (const Case& row : cases) {
        SCOPED_TRACE(row.x);
        EXPECT_DOUBLE_EQ(Loess_Head_Factor(row.x, 24.0), row.factor);
    }
}

// ---- The criterion over a layer --------------------------------------------------------

namespace {

// US customary: a 24 in pile, 240 in long, nodes every 24 in, in one loess layer from the pile
// head with qc = 1000 psi throughout and the given number of cycles.
void Set_Up_Loess(double cycles) {
    Set_Up_Pile(k_Units_US, 24.0, 240.0, 11);
    Add_Layer(k_Soil_KSLoess, 0.0, 240.0, {0.06, 0.0, 0.0, 0.0, 0.0}, {0.06, 0.0, 0.0, 0.0, 0.0});
    AnalysisModel& m = g_Model;
    m.ConeTipResistanceAtPoint[1] = m.ConeTipResistanceAtPoint[2] = 1000.0;
    m.NumCycles = cycles;
    Assign_Layers();
}

}  // namespace

class LoessTest : public ModelTest {};

TEST_F(LoessTest, TenCyclesAtMost) {
    struct Case { double N; int status; };
    const Case cases[] = {{10.1, 0}, {10.2, 170}, {-10.2, 170}, {0.0, 0}};
    for (const Case& row : cases) {
        SCOPED_TRACE(row.N);
        Initialize_Model();
        Capture_Run_Files();
        Set_Up_Loess(row.N);
        g_Model.Es_Node[1] = -1.0;
        PY_Loess(1, false);
        EXPECT_EQ(g_Model.ErrorStatus, row.status);
        if (row.status == 0) continue;
        EXPECT_EQ(g_Model.Es_Node[1], -1.0);
        const auto report = Captured_Report_Lines();
        const int at = Find_Line(report, "**** Input Data Error No. 70 ****");
        ASSERT_GE(at, 2);
        EXPECT_EQ(report[static_cast<std::size_t>(at) + 2],
                  "PROBLEM: Soil layer 1 is a loess and the input value for the number of cycles of loading = "
                  + std::string(row.N > 0 ? "        10.2" : "       -10.2"));
        EXPECT_EQ(Find_Line(Captured_Message_Lines(), "**** Input Data Error No. 70 ****"), -1);
    }
}

TEST_F(LoessTest, SecantWithMultipliersAndNoSoilMovementLoad) {
    Set_Up_Loess(1.0);
    AnalysisModel& m = g_Model;
    // p-multiplier 0.5 and y-multiplier 2 along the whole pile; soil movement defined
    m.NumPYModifierPoints = 2;
    m.XPYModifier[1] = 0.0;
    m.XPYModifier[2] = 240.0;
    m.PMultiplier[1] = m.PMultiplier[2] = 0.5;
    m.YMultiplier[1] = m.YMultiplier[2] = 2.0;
    m.NumSoilMovementPoints = 1;
    for (int k = 1; k <= 11; ++k) {
        Y_Node(k) = 2.0 * 0.11699999868869781;   // y' = yr
        m.W_Node[k] = 7.0;
    }
    Y_Node(4) = 0.0;
    PY_Loess(1, false);
    ASSERT_EQ(m.ErrorStatus, 0);
    const double Ei = k_Pu / 0.11699999868869781;
    // node 5 at 96 in (below 2 b): Es = pm p(yr) / (ym yr)
    EXPECT_NEAR(m.Es_Node[5], 0.5 * k_P_Yr / (2.0 * 0.11699999868869781), 1e-9 * Ei);
    // node 4 at 72 in, no deflection: the limit pm Ei / ym
    EXPECT_NEAR(m.Es_Node[4], 0.5 * Ei / 2.0, 1e-9 * Ei);
    // node 1 at the head: qc halved, so every resistance halves
    EXPECT_NEAR(m.Es_Node[1], 0.5 * m.Es_Node[5], 1e-9 * Ei);
    for (int k = 1; k <= 11; ++k) EXPECT_EQ(m.W_Node[k], 7.0) << k;
    EXPECT_EQ(m.Fu_Layer[1], 0.0);
}

TEST_F(LoessTest, PrintedBlock) {
    // A requested depth of 12 in: qc = 1000 x 0.75, no cycles given (static loading).
    Set_Up_Loess(0.0);
    Capture_Run_Files();
    AnalysisModel& m = g_Model;
    m.rd_PYCurveDepth[1] = 12.0;
    m.i_TopPYDepthInLayer[1] = m.i_BottomPYDepthInLayer[1] = 1;
    PY_Loess(1, true);
    ASSERT_EQ(m.ErrorStatus, 0);
    const auto report = Captured_Report_Lines();
    ASSERT_EQ(report[2], "p-y Curve for Loess");
    const std::string pad(55, ' ');
    const auto line = [&](const std::string& label, const std::string& rest) {
        return label + pad.substr(label.size()) + "= " + rest;
    };
    EXPECT_EQ(report[4], line("Soil Layer Number", "         1"));
    EXPECT_EQ(report[7], line("Shaft Diameter", "      24.000 in"));
    EXPECT_EQ(report[8], line("Depth Adj. Cone tip resistance", "     750.000 psi"));
    EXPECT_EQ(report[10], line("p_u0", "     306.750 psi"));
    EXPECT_EQ(report[11], line("p_u", "    7362.000 lbs/in"));
    EXPECT_EQ(report[12], line("Number of Cycles of Loading", "          0. cycles"));
    EXPECT_EQ(report[16], "        y, in        p, lbs/in");
    EXPECT_EQ(report[17], "---------------   ---------------");
    EXPECT_EQ(report.size(), 18u + 17u);
    const auto plot = Captured_Plot_Lines();
    ASSERT_EQ(plot.size(), 18u);
    EXPECT_EQ(plot[0].substr(80), "Line 7:  p-y curve depth in Piedmont residual soil, no. p-y points on curve no. 1");
    EXPECT_EQ(plot[17].substr(80), "Line 8(17): y, p, for Loess");
    // the last point at 50 yr: p = Ei 50 yr / (1 + 50 (1 + 0.1 e^-50)) = 50 pu / 51
    EXPECT_NEAR(std::strtod(plot[17].substr(15, 15).c_str(), nullptr), 50.0 * 7362.0 / 51.0, 1e-3);
}
