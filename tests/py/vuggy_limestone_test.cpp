// Vuggy limestone (strong rock) criterion against hand calculations of its bilinear curve: the
// law alone, then the criterion over a layer of nodes (moduli with multipliers, soil movement
// left aside, the refusal of a strength of zero, warning 308), the pass at the start of a load
// case, and the printed block.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "model/model.h"
#include "model/soil_types.h"
#include "model/units.h"
#include "py/criteria.h"
#include "py/dispatch.h"
#include "py/layered_pile.h"
#include "py/vuggy_limestone.h"
#include "support/model_fixture.h"

namespace {

// 0.0004 and 0.8 are single-precision values: a few parts in 1e8 on the hand values.
constexpr double k_Single = 1e-7;

}  // namespace

TEST(VuggyLimestoneLaw, HandCalculationSI) {
    // b = 1 m, qu = 20,000 kPa: c = 10,000 kPa; ya = 0.0004 m, pa = 0.8 b c = 8,000 kN/m;
    // initial slope 2000 c = 2e7 kN/m2; second slope 100 c = 1e6 up to b c = 10,000 kN/m at
    // yb = 0.002 b + ya = 0.0024 m. Beyond, 0.5 gamma b zg = 0.5 x 10 x 1 x 3 = 15 kN/m.
    const VuggyLimestoneCurve s = Vuggy_Limestone_Curve(1.0, 20000.0, 10.0, 3.0);
    EXPECT_EQ(s.c, 10000.0);
    EXPECT_EQ(s.Ei, 2.0e7);
    EXPECT_NEAR_REL(s.ya, 0.0004, k_Single);
    EXPECT_NEAR_REL(s.yb, 0.0024, k_Single);
    EXPECT_NEAR_REL(Vuggy_Limestone_P(s, 0.0004), 8000.0, k_Single);
    EXPECT_NEAR_REL(Vuggy_Limestone_P(s, s.yb), 10000.0, 1e-12);
    EXPECT_NEAR_REL(Vuggy_Limestone_P(s, 0.0002), 4000.0, 1e-15);
    // continuous at ya (to the single-precision 0.0004 and 0.8); just beyond yb the fractured
    // rock
    EXPECT_NEAR_REL(Vuggy_Limestone_P(s, s.ya * (1.0 - 1e-12)), Vuggy_Limestone_P(s, s.ya), k_Single);
    EXPECT_EQ(Vuggy_Limestone_P(s, s.yb * (1.0 + 1e-12)), 15.0);
    // printed points: 0, ya, fifteenths of the second line, yb last
    EXPECT_EQ(Vuggy_Limestone_Table_Deflection(s, 1), 0.0);
    EXPECT_EQ(Vuggy_Limestone_Table_Deflection(s, 2), s.ya);
    EXPECT_NEAR_REL(Vuggy_Limestone_Table_Deflection(s, 16), s.ya + 14.0 * (s.yb - s.ya) / 15.0, 1e-14);
    EXPECT_EQ(Vuggy_Limestone_Table_Deflection(s, 17), s.yb);
}

namespace {

// SI pile 1 m wide and 10 m long, nodes every 0.5 m; dense sand to 2 m over vuggy limestone of
// qu = 20,000 kPa (warning 308 territory is tested apart), gamma' = 10 kN/m3.
void Set_Up_Sand_Over_Limestone(double qu = 20000.0) {
    Set_Up_Pile(k_Units_SI, 1.0, 10.0, 21);
    Add_Layer(k_Soil_Sand, 0.0, 2.0, {10.0, 0.0, 0.0, 0.0, 36.0}, {10.0, 0.0, 0.0, 0.0, 36.0});
    Add_Layer(k_Soil_VuggyLS, 2.0, 10.0, {10.0, qu, 0.0, 0.0, 0.0}, {10.0, qu, 0.0, 0.0, 0.0});
    Assign_Layers();
}

}  // namespace

class VuggyLimestoneTest : public ModelTest {};

TEST_F(VuggyLimestoneTest, ModuliFollowThePileNotTheMovingSoil) {
    Set_Up_Sand_Over_Limestone();
    AnalysisModel& m = g_Model;
    ASSERT_EQ(m.i_TopNodeInLayer[2], 5);
    m.NumPYModifierPoints = 2;
    m.XPYModifier[1] = 0.0;
    m.XPYModifier[2] = 10.0;
    m.PMultiplier[1] = m.PMultiplier[2] = 0.5;
    m.YMultiplier[1] = m.YMultiplier[2] = 2.0;
    m.NumSoilMovementPoints = 2;
    for (int k = 1; k <= 21; ++k) {
        m.SoilMovement_Node[k] = 0.01;
        m.W_Node[k] = 7.0;
    }
    Y_Node(6) = 0.0;       // no deflection: 2000 c / ym, without the p-multiplier
    Y_Node(7) = 0.0016;    // y' = 0.0008 on the second line
    Y_Node(8) = -0.01;     // y' = 0.005 beyond yb: the fractured rock
    PY_VuggyLimestone(2, false);
    ASSERT_EQ(m.ErrorStatus, 0);
    EXPECT_EQ(m.Es_Node[6], 2.0e7 / 2.0);
    // p = pa + 100 c (y' - ya) = 8000 + 1e6 x 0.0004 = 8400; Es = 0.5 p / (2 y').
    EXPECT_NEAR_REL(m.Es_Node[7], 0.5 * 8400.0 / (2.0 * 0.0008), k_Single);
    // Node 8 at 3.5 m: 0.5 gamma' b zg = 0.5 x 10 x 1 x 3.5 = 17.5 kN/m.
    EXPECT_NEAR_REL(m.Es_Node[8], 0.5 * 17.5 / (2.0 * 0.005), 1e-12);
    // the soil movement neither enters the curve nor changes the load term
    for (int k = 5; k <= 21; ++k) EXPECT_EQ(m.W_Node[k], 7.0);
}

TEST_F(VuggyLimestoneTest, StrengthOfZeroIsRefused) {
    Capture_Run_Files();
    Set_Up_Sand_Over_Limestone(0.0);
    PY_VuggyLimestone(2, false);
    EXPECT_EQ(g_Model.ErrorStatus, 190);
    const std::string solution =
        "Solution:  Enter a positive uniaxial compressive strength for the top and bottom of layer 2";
    EXPECT_GE(Find_Line(Captured_Report_Lines(), solution), 0);
    EXPECT_GE(Find_Line(Captured_Message_Lines(), solution), 0);
    for (int k = 5; k <= 21; ++k) EXPECT_FALSE(std::isnan(g_Model.Es_Node[k]));
}

TEST_F(VuggyLimestoneTest, Warning308OutsideTheRangeOfItsText) {
    // The text names 1,000 to 2,500 psi (6,895 to 17,237 kPa) of compressive strength. The
    // layer's first node, at its top, is not tested: 16 of its 17 nodes record.
    struct Case {
        int units;
        double qu;
        int count;
    };
    const Case cases[] = {
        {k_Units_US, 999.0, 16},  {k_Units_US, 1000.0, 0},  {k_Units_US, 2500.0, 0},
        {k_Units_US, 2501.0, 16}, {k_Units_SI, 6894.0, 16}, {k_Units_SI, 6895.0, 0},
        {k_Units_SI, 17237.0, 0}, {k_Units_SI, 17238.0, 16}, {k_Units_General, 1.0, 0},
    };
    for (const Case& row : cases) {
        SCOPED_TRACE(row.qu);
        Initialize_Model();
        Set_Up_Sand_Over_Limestone(row.qu);
        g_Model.IUNITS = row.units;
        PY_VuggyLimestone(2, false);
        ASSERT_EQ(g_Model.ErrorStatus, 0);
        EXPECT_EQ(g_Model.WarningLog[308], row.count);
    }
}

TEST_F(VuggyLimestoneTest, LoadCasePassEvaluatesOnlyTheLimestone) {
    // Limestone between two sand layers: the pass sets the limestone's initial modulus from
    // the zero deflection of a new case and leaves the sand at its default.
    Set_Up_Pile(k_Units_SI, 1.0, 10.0, 21);
    const LayerValues sand{10.0, 0.0, 0.0, 0.0, 36.0};
    Add_Layer(k_Soil_Sand, 0.0, 2.0, sand, sand);
    Add_Layer(k_Soil_VuggyLS, 2.0, 6.0, {10.0, 20000.0, 0.0, 0.0, 0.0}, {10.0, 20000.0, 0.0, 0.0, 0.0});
    Add_Layer(k_Soil_Sand, 6.0, 10.0, sand, sand);
    Assign_Layers();
    AnalysisModel& m = g_Model;
    for (int k = 1; k <= 21; ++k) m.Es_Node[k] = -1.0;
    Update_Vuggy_Limestone_Layers();
    ASSERT_EQ(m.ErrorStatus, 0);
    for (int k = 1; k <= 21; ++k) {
        SCOPED_TRACE(k);
        const bool limestone = k >= m.i_TopNodeInLayer[2] && k <= m.i_BottomNodeInLayer[2];
        EXPECT_EQ(m.Es_Node[k], limestone ? 2.0e7 : -1.0);
    }
    // only the limestone was counted, and it lies below no rock
    EXPECT_EQ(m.i_RockLayersAbove, 1);
    EXPECT_EQ(m.b_BelowRockLayer[2], 0);
}

TEST_F(VuggyLimestoneTest, PrintedBlock) {
    Set_Up_Sand_Over_Limestone();
    Capture_Run_Files();
    AnalysisModel& m = g_Model;
    m.rd_PYCurveDepth[1] = 4.0;
    m.i_TopPYDepthInLayer[2] = m.i_BottomPYDepthInLayer[2] = 1;
    PY_VuggyLimestone(2, true);
    ASSERT_EQ(m.ErrorStatus, 0);
    const auto label = [](const char* text) {
        std::string l = text;
        l.resize(55, ' ');
        return l + "= ";
    };
    const std::vector<std::string> expected = {
        "", "", "p-y Curve for Vuggy Limestone (Strong Rock) Criteria", "",
        label("Soil Layer Number") + "           2",
        label("Depth below pile head") + "       4.000 m",
        label("Depth below ground surface") + "       4.000 m",
        label("Shaft Diameter") + "       1.000 m",
        label("Uniaxial Compressive Strength") + "   20000.000 kPa",
        label("p-multiplier") + "     1.00000",
        label("y-multiplier") + "     1.00000",
        "",
        "        y, m         p, kN/m",
        "---------------   ---------------",
    };
    const std::vector<std::string> report = Captured_Report_Lines();
    ASSERT_EQ(report.size(), expected.size() + 17);
    for (std::size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(report[i], expected[i]) << i;
    // yb, at b c (a hair below 10,000, which the number writer shows with decimals)
    EXPECT_EQ(report.back(), "        0.00240      10000.00000");
    const std::vector<std::string> plot = Captured_Plot_Lines();
    ASSERT_EQ(plot.size(), 18u);
    EXPECT_NE(plot[0].find("Line 7:  p-y curve depth in vuggy limestone, no. p-y points on curve no. 1"),
              std::string::npos);
    EXPECT_NE(plot[1].find("Line 8(1): y, p, for vuggy limestone rock"), std::string::npos);
}
