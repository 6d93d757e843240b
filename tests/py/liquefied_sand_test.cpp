// Liquefied sand criterion against hand calculations of the Rollins et al. (2005) power law:
// the law alone (diameter factor, cap, unit conversion), then the criterion over a layer of
// nodes (moduli, layer integral, cycles setting, soil movement) and its printed block.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "model/model.h"
#include "model/soil_types.h"
#include "model/units.h"
#include "py/criteria.h"
#include "py/py_framework.h"
#include "py/layered_pile.h"
#include "py/liquefied_sand.h"
#include "support/model_fixture.h"

namespace {

constexpr double k_Rel = 2e-9;   // hand values carry ten digits

void Expect_Rel(double actual, double expected, double rel) {
    EXPECT_NEAR(actual, expected, rel * std::fabs(expected));
}

}  // namespace

TEST(LiquefiedSandLaw, DiameterFactorJoinsAtReferenceWidth) {
    // Linear up to 0.3 m (0.3 (s) in the divisor), logarithmic above.
    Expect_Rel(Liquefied_Sand_Diameter_Factor(0.15), 0.15 / 0.30000001192092896, 1e-15);
    EXPECT_NEAR(Liquefied_Sand_Diameter_Factor(0.3), 1.0, 1e-7);
    // 3.81 ln 0.3 + 5.6 = 1.012865: the factor steps up by about 1 % just above 0.3 m.
    EXPECT_NEAR(Liquefied_Sand_Diameter_Factor(0.3000001), 1.012865, 1e-6);
    EXPECT_NEAR(Liquefied_Sand_Diameter_Factor(0.6), 3.653754307, 1e-9);
}

TEST(LiquefiedSandLaw, NormalizedDepthIsTrueDepthInFirstLayerAndStressBelow) {
    EXPECT_DOUBLE_EQ(Liquefied_Sand_Normalized_Depth(2.5, 9.0, true, k_Units_SI), 2.5);
    // 2.5 m below the surface under 9 kN/m3: 22.5 kPa, equated to 2.25 m of 10 kN/m3.
    EXPECT_DOUBLE_EQ(Liquefied_Sand_Normalized_Depth(2.5, 9.0, false, k_Units_SI), 2.25);
    // 100 in = 2.54 m; 0.0368396 pci is 10 kN/m3, so half of it halves the depth.
    EXPECT_NEAR(Liquefied_Sand_Normalized_Depth(100.0, 9.0, true, k_Units_US), 2.54, 1e-7);
    EXPECT_NEAR(Liquefied_Sand_Normalized_Depth(100.0, 0.036839600652456284 / 2.0, false, k_Units_US),
                1.27, 1e-7);
}

TEST(LiquefiedSandLaw, CurveAgainstHandCalculation) {
    // A = 3e-7 (1 + zn)^6.05, B = 2.8 (1 + zn)^0.11, C = 2.85 (1 + zn)^-0.41; p = Pd A (B y)^C
    // with y in mm, times 5.710147 lb/in per kN/m in US customary units.
    struct Case {
        const char* name;
        double bm, zn;
        int units;
        double y;           // run units
        double p, pu, yu;
        bool capped;
    };
    const Case cases[] = {
        // zn = 2: p150 = 16.75 kN/m exceeds 15, the cap is 15 Pd and reached at 141.15 mm.
        {"capped, on the power law", 0.6, 2.0, k_Units_SI, 0.01, 0.447175907, 54.80631461, 0.1411511204, true},
        {"capped, beyond yu", 0.6, 2.0, k_Units_SI, 0.5, 54.80631461, 54.80631461, 0.1411511204, true},
        // zn = 0.5, b = 0.2 m: p150 = 8.326 kN/m, Pd = 2/3; the limit is reached at 150 mm.
        {"not capped, on the law", 0.2, 0.5, k_Units_SI, 0.1, 2.086168315, 5.550674018, 0.150000006, false},
        {"not capped, beyond 150 mm", 0.2, 0.5, k_Units_SI, 0.2, 5.550674018, 5.550674018, 0.150000006, false},
        // 24 in = 0.6096 m, zn = 1: p150 = 9.913 kN/m; yu = 150 mm in inches.
        {"US customary at 1 in", 24.0 * 0.02539999969303608, 1.0, k_Units_US, 1.0, 4.659884866,
         210.234769, 5.9055119, false},
        {"US customary at 0.25 in", 24.0 * 0.02539999969303608, 1.0, k_Units_US, 0.25, 0.2382158334,
         210.234769, 5.9055119, false},
    };
    for (const Case& row : cases) {
        SCOPED_TRACE(row.name);
        const LiquefiedSandCurve s = Liquefied_Sand_Curve(row.bm, row.zn, row.units);
        EXPECT_EQ(s.capped, row.capped);
        Expect_Rel(Liquefied_Sand_P(s, row.y), row.p, k_Rel);
        Expect_Rel(s.pu, row.pu, k_Rel);
        Expect_Rel(s.yu, row.yu, k_Rel);
        // The power law meets its limit at yu.
        Expect_Rel(Liquefied_Sand_P(s, s.yu * (1.0 - 1e-9)), s.pu, 1e-8);
    }
}

TEST(LiquefiedSandLaw, GeneralUnitsGiveNoResistance) {
    const LiquefiedSandCurve s = Liquefied_Sand_Curve(0.6, 2.0, k_Units_General);
    EXPECT_EQ(s.pu, 0.0);
    EXPECT_EQ(Liquefied_Sand_P(s, 0.05), 0.0);
    EXPECT_EQ(Liquefied_Sand_Secant(s, 0.0), 0.0);
}

TEST(LiquefiedSandLaw, SecantAtZeroDeflectionIsHeldAtAThousandthOfAMillimetre) {
    const LiquefiedSandCurve si = Liquefied_Sand_Curve(0.6, 2.0, k_Units_SI);
    const double at_floor = Liquefied_Sand_P(si, 1e-6) / 1e-6;
    EXPECT_TRUE(std::isfinite(Liquefied_Sand_Secant(si, 0.0)));
    EXPECT_DOUBLE_EQ(Liquefied_Sand_Secant(si, 0.0), at_floor);
    EXPECT_DOUBLE_EQ(Liquefied_Sand_Secant(si, 5e-7), at_floor);
    Expect_Rel(Liquefied_Sand_Secant(si, 0.01), 44.7175907, k_Rel);
    // Very deep, C < 1: the secant would grow without bound at zero; it stays finite.
    const LiquefiedSandCurve deep = Liquefied_Sand_Curve(0.6, 20.0, k_Units_SI);
    ASSERT_LT(deep.C, 1.0);
    EXPECT_TRUE(std::isfinite(Liquefied_Sand_Secant(deep, 0.0)));
    EXPECT_GT(Liquefied_Sand_Secant(deep, 0.0), Liquefied_Sand_Secant(deep, 1e-3));
}

namespace {

// SI pile 0.6 m wide, 8 m long, nodes every 1 m; "Liq Sand" from 0 to 2.5 m over a second
// "Liq Sand" layer to 8 m, gamma' = 9 kN/m3 throughout.
void Set_Up_Two_Layers() {
    Set_Up_Pile(k_Units_SI, 0.6, 8.0, 9);
    const LayerValues soil{9.0, 0.0, 0.0, 0.0, 0.0};
    Add_Layer(k_Soil_LiqSand, 0.0, 2.5, soil, soil);
    Add_Layer(k_Soil_LiqSand, 2.5, 8.0, soil, soil);
    Assign_Layers();
}

}  // namespace

class LiquefiedSandTest : public ModelTest {};

TEST_F(LiquefiedSandTest, ModuliLayerIntegralAndCycles) {
    Set_Up_Two_Layers();
    AnalysisModel& m = g_Model;
    ASSERT_EQ(m.i_TopNodeInLayer[1], 1);
    ASSERT_EQ(m.i_BottomNodeInLayer[1], 3);
    m.NumCycles = 0.0;
    for (int k = 1; k <= 9; ++k) Y_Node(k) = 0.01;
    PY_LiquefiedSand(1, false);
    // the curves take one cycle; the count as read stays (the criterion once wrote over it)
    EXPECT_EQ(m.NumCycles, 0.0);
    EXPECT_EQ(Cycles_Of_Loading(), 1.0);
    // Node 3 at 2 m in layer 1: zn = 2, the capped curve of the law test: p(0.01) = 0.447176.
    Expect_Rel(m.Es_Node[3], 0.447175907 / 0.01, k_Rel);
    // Node 1 at the surface: zn = 0, p = Pd 3e-7 (2.8 y)^2.85 with y = 10 mm (2.8 and 2.85 (s)).
    Expect_Rel(m.Es_Node[1],
               3.653754307 * 3e-7 * std::pow(10.0 * 2.799999952316284, 2.8499999046325684) / 0.01,
               1e-8);
    // Integral of pu over 0..2.5 m: trapezoids over nodes 1..3, then pu(2 m) over 0.5 m.
    const double pu1 = 3.653754307 * 8.982173944;   // zn = 0: p150 = 8.98 kN/m
    const double pu2 = 3.653754307 * Liquefied_Sand_Curve(0.6, 1.0, k_Units_SI).p150;
    const double pu3 = 54.80631461;
    Expect_Rel(m.Fu_Layer[1], (pu1 + pu2) / 2.0 + (pu2 + pu3) / 2.0 + pu3 * 0.5, 1e-8);
    // A second pass rebuilds the integral rather than adding to it.
    PY_LiquefiedSand(1, false);
    Expect_Rel(m.Fu_Layer[1], (pu1 + pu2) / 2.0 + (pu2 + pu3) / 2.0 + pu3 * 0.5, 1e-8);
}

TEST_F(LiquefiedSandTest, LowerLayerUsesStressDepthMultipliersAndSoilMovement) {
    Set_Up_Two_Layers();
    AnalysisModel& m = g_Model;
    m.NumPYModifierPoints = 2;
    m.XPYModifier[1] = 0.0;
    m.XPYModifier[2] = 8.0;
    m.PMultiplier[1] = m.PMultiplier[2] = 0.5;
    m.YMultiplier[1] = m.YMultiplier[2] = 2.0;
    m.NumSoilMovementPoints = 2;
    m.SoilMovement_Node[5] = 0.01;
    m.DistLoad_Node[5] = 3.0;
    Y_Node(5) = 0.03;
    PY_LiquefiedSand(2, false);
    // Node 5 at 4 m: zn = 4 x 9 / 10 = 3.6; y' = (0.03 - 0.01) / 2 = 0.01.
    const LiquefiedSandCurve s = Liquefied_Sand_Curve(0.6, 3.6, k_Units_SI);
    ASSERT_TRUE(s.capped);
    EXPECT_NEAR(s.A, 3e-7 * std::pow(4.6, 6.050000190734863), 1e-15);
    Expect_Rel(m.Es_Node[5], 0.5 * Liquefied_Sand_P(s, 0.01) / (2.0 * 0.01), 1e-12);
    Expect_Rel(m.Es_Node[5], 0.5 * 3.653754307 * s.A * std::pow(10.0 * s.B, s.C) / 0.02, 1e-8);
    EXPECT_NEAR(m.W_Node[5], 0.01 * m.Es_Node[5] + 3.0, 1e-12);
    // A node moving with the soil keeps a finite modulus.
    EXPECT_TRUE(std::isfinite(m.Es_Node[4]));
}

// Layer 2 at 7 m: zn = 7 x 9 / 10 = 6.3 m, beyond the recommended 6 m. A = 3e-7 x 7.3^6.05 =
// 0.0501447, B = 3.48436, C = 1.26149; p150 = 134.7 kN/m, so the curve is capped at 15 Pd =
// 54.806 kN/m, reached at ymm = (15 / A)^(1 / C) / B = 26.335 mm; the table runs in fifteenths
// of yu, then yu and 1.05 yu.
TEST_F(LiquefiedSandTest, PrintedBlockOfCappedCurveInLowerLayer) {
    Set_Up_Two_Layers();
    Capture_Run_Files();
    AnalysisModel& m = g_Model;
    m.rd_PYCurveDepth[1] = 7.0;   // one requested depth, in layer 2
    m.i_TopPYDepthInLayer[2] = m.i_BottomPYDepthInLayer[2] = 1;
    const double es_before = m.Es_Node[1];
    const double fu_before = m.Fu_Layer[2];
    PY_LiquefiedSand(2, true);
    EXPECT_EQ(m.Es_Node[1], es_before);
    EXPECT_EQ(m.Fu_Layer[2], fu_before);
    const auto label = [](const char* text) {
        std::string l = text;
        l.resize(55, ' ');
        return l + "= ";
    };
    const std::vector<std::string> expected = {
        "", "", "p-y Curve Computed Using Liquefied Sand Criteria", "", "",
        label("Depth below pile head") + "       7.000 m",
        label("Depth below ground surface") + "       7.000 m",
        label("Normalized depth below ground surface in meters*") + "       6.300 m",
        label("Pile Diameter") + "       0.600 m",
        label("Pile Diameter in meters ") + "       0.600 m",
        label("Avg. Eff. Unit Weight          ") + "     9.00000 kN/m3",
        label("A ") + "     0.05014",
        label("B ") + "     3.48436",
        label("C ") + "     1.26149",
        label("Pd") + "     3.65375",
        label("Upper limit Pu") + "      54.806 kN/m",
        label("Yu ") + "     0.02634 m",
        label("p-multiplier") + "     1.00000",
        label("y-multiplier") + "     1.00000",
        "",
        "The depth of the p-y curve was equated to the initial vertical stress divided ",
        "by 10 kN/m3, as recommended by Rollins, et al. (2005)",
        "NOTE: The normalized depth of the p-y curve is deeper than the depth of ",
        "6.0 meters recommended by Rollins, et al. (2005)",
        "        y, m            p, kN/m",
        "----------------    -----------------",
        "         0.0000           0.0000",
        "        0.00176          1.79973",
        "        0.00351          4.31472",
        "        0.00527          7.19597",
        "        0.00702         10.34423",
        "        0.00878         13.70720",
        "        0.01053         17.25182",
        "        0.01229         20.95498",
        "        0.01405         24.79952",
        "        0.01580         28.77209",
        "        0.01756         32.86199",
        "        0.01931         37.06041",
        "        0.02107         41.35995",
        "        0.02282         45.75430",
        "        0.02458         50.23801",
        "        0.02634         54.80631",
        "        0.02765         54.80631",
        ""};
    const auto report = Captured_Report_Lines();
    ASSERT_EQ(report.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(report[i], expected[i]);
    }
    const auto plot = Captured_Plot_Lines();
    ASSERT_EQ(plot.size(), 18u);
    EXPECT_EQ(plot[0], "  0.7000000E+01   17" + std::string(60, ' ') +
                           "Line 7:  p-y curve depth in liquefied sand, no. p-y points on curve no. 1");
    const std::string gap(20, ' ');
    EXPECT_EQ(plot[1], "  0.0000000E+00  0.0000000E+00" + gap + "Line 8( 1): y, p, for liquefied sand");
    EXPECT_EQ(plot[2], "  0.1755674E-02  0.1799732E+01" + gap + "Line 8( 2): y, p, for liquefied sand");
    EXPECT_EQ(plot[16], "  0.2633510E-01  0.5480631E+02" + gap + "Line 8(16): y, p, for liquefied sand");
    EXPECT_EQ(plot[17], "  0.2765186E-01  0.5480631E+02" + gap + "Line 8(17): y, p, for liquefied sand");
}

// US customary, first layer at 5 ft below a pile head 1 ft above the ground: 24 in pile,
// gamma' = 0.0625 pci (108 pcf). zn = 48 in x 0.0254 = 1.2192 m; p150 = 11.01 kN/m < 15, so the
// table uses the fixed deflections in inches; no notes, and the unit weight also in pcf.
TEST_F(LiquefiedSandTest, PrintedBlockOfFirstLayerInUSCustomaryUnits) {
    Set_Up_Pile(k_Units_US, 24.0, 240.0, 11);
    const LayerValues soil{0.0625, 0.0, 0.0, 0.0, 0.0};
    Add_Layer(k_Soil_LiqSand, 12.0, 240.0, soil, soil);
    Assign_Layers();
    Capture_Run_Files();
    AnalysisModel& m = g_Model;
    m.rd_PYCurveDepth[1] = 60.0;
    m.i_TopPYDepthInLayer[1] = m.i_BottomPYDepthInLayer[1] = 1;
    PY_LiquefiedSand(1, true);
    const auto report = Captured_Report_Lines();
    ASSERT_EQ(report.size(), 40u);   // no normalized-depth line and no notes in layer 1
    const std::string pad(55, ' ');
    EXPECT_EQ(report[6], "Depth below ground surface" + pad.substr(26) + "=        4.000 ft");
    EXPECT_EQ(report[8], "Pile Diameter in meters " + pad.substr(24) + "=        0.610 m");
    EXPECT_EQ(report[10], "Avg. Eff. Unit Weight          " + pad.substr(31) + "=    108.00000 pcf");
    // pu = Pd x 11.0106 kN/m x 5.710147 = 3.714232 x 62.872 = 233.521 lb/in; yu = 150 / 25.4 in.
    EXPECT_EQ(report[15], "Upper limit Pu" + pad.substr(14) + "=      233.521 lbs/in");
    EXPECT_EQ(report[16], "Yu " + pad.substr(3) + "=      5.90551 in");
    EXPECT_EQ(report[20], "        y, in            p, lbs/in");
    // At 1 in: 3.714232 x 5.710147 x A (25.4 B)^C = 6.06812 lb/in; the last two rows are at 150
    // and 157.5 mm, both at the limit.
    EXPECT_EQ(report[27], "        1.00000          6.06812");
    EXPECT_EQ(report[37], "        5.90551        233.52092");
    EXPECT_EQ(report[38], "        6.20079        233.52092");
    const auto plot = Captured_Plot_Lines();
    ASSERT_EQ(plot.size(), 18u);
    EXPECT_EQ(plot[17], "  0.6200788E+01  0.2335209E+03" + std::string(20, ' ') +
                            "Line 8(17): y, p, for liquefied sand");
}
