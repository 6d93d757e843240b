// Stiff clay without free water ("StfClyAW", "StfClyAK") against hand calculations of the Welch
// and Reese curves: the law alone (resistances, quarter-power curve, cycles, initial line,
// limiting modulus, printed deflections, defaults), then the criteria over a layer (moduli,
// equivalent depth below a first layer, error 13, warnings, printed blocks).
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "model/model.h"
#include "model/soil_types.h"
#include "model/units.h"
#include "py/criteria.h"
#include "py/py_framework.h"
#include "py/dispatch.h"
#include "py/layered_pile.h"
#include "py/stiff_clay_no_free_water.h"
#include "support/model_fixture.h"

namespace {

// 0.6 (s) in the cyclic stretch and the single-precision fractions differ from their decimals
// by about 1e-8 relative.
constexpr double k_Single_Tol = 1e-7;

// b = 0.6 m, c = 100 kPa, gamma' = 19 kN/m3, eps50 = 0.005: y50 = 2.5 x 0.005 x 0.6 = 0.0075 m.
// zu = 1 m: Pct = (19 x 0.6 + 50) 1 + 3 x 0.6 x 100 = 241.4 < Pcd = 540.
StiffClayNoFreeWaterCurve Curve(bool with_k, bool cyclic, double N = 1.0, double kx = 0.0,
                                double zu = 1.0) {
    return Stiff_Clay_No_Free_Water_Curve(0.6, 100.0, 19.0, 0.005, zu, kx, 1.0, false, with_k, cyclic, N);
}

}  // namespace

TEST(StiffClayNoFreeWaterLaw, UltimateResistanceIsTheSmallerOfWedgeAndFlow) {
    const StiffClayNoFreeWaterCurve wedge = Curve(false, false);
    EXPECT_NEAR(wedge.pct, 241.4, 1e-12);
    EXPECT_EQ(wedge.pcd, 540.0);
    EXPECT_EQ(wedge.pu, wedge.pct);
    EXPECT_NEAR(wedge.y50, 0.0075, 1e-15);
    // zu = 6 m: the wedge 548.4 exceeds 9 c b
    EXPECT_EQ(Curve(false, false, 1.0, 0.0, 6.0).pu, 540.0);
    // Sloping ground scales the wedge, never the flow resistance.
    const StiffClayNoFreeWaterCurve sloped =
        Stiff_Clay_No_Free_Water_Curve(0.6, 100.0, 19.0, 0.005, 6.0, 0.0, 0.5, true, false, false, 1.0);
    EXPECT_NEAR(sloped.pu, 274.2, 1e-9);
    const StiffClayNoFreeWaterCurve up =
        Stiff_Clay_No_Free_Water_Curve(0.6, 100.0, 19.0, 0.005, 6.0, 0.0, 1.5, true, false, false, 1.0);
    EXPECT_EQ(up.pcd, 540.0);
    EXPECT_EQ(up.pu, 540.0);
}

TEST(StiffClayNoFreeWaterLaw, QuarterPowerCurveStaticAndCyclic) {
    const double y50 = 0.0075, pu = 241.4;
    const double stretch = 1.0 + 0.6 * 2.0;   // N = 100
    struct Case { const char* name; bool cyclic; double N; double y; double p; };
    const Case cases[] = {
        {"static: half of pu at y50", false, 1.0, y50, 0.5 * pu},
        {"static: a quarter of pu at y50 / 16", false, 1.0, y50 / 16.0, 0.25 * pu},
        {"static: pu at 16 y50", false, 1.0, 16.0 * y50, pu},
        {"static: pu beyond", false, 1.0, 40.0 * y50, pu},
        {"one cycle equals the static curve", true, 1.0, 4.0 * y50, 0.5 * pu * std::sqrt(2.0)},
        {"100 cycles: half of pu at 2.2 y50", true, 100.0, stretch * y50, 0.5 * pu},
        {"100 cycles: below pu at 16 y50", true, 100.0, 16.0 * y50, pu * std::pow(1.0 / stretch, 0.25)},
        {"100 cycles: pu from 35.2 y50", true, 100.0, 16.0 * stretch * y50, pu},
        {"100 cycles: pu beyond", true, 100.0, 60.0 * y50, pu},
    };
    for (const Case& row : cases) {
        SCOPED_TRACE(row.name);
        EXPECT_NEAR(Stiff_Clay_No_Free_Water_P(Curve(false, row.cyclic, row.N), row.y), row.p,
                    k_Single_Tol * pu);
    }
}

TEST(StiffClayNoFreeWaterLaw, InitialLineOfTheKVariant) {
    const double y50 = 0.0075, pu = 241.4;
    struct Case { const char* name; bool cyclic; double kx; double y; double p; };
    const Case cases[] = {
        // a stiff line lies above the curve except at tiny deflections
        {"large k: the curve at y50", false, 1e7, y50, 0.5 * pu},
        {"large k: the line at 1e-7 m", false, 1e7, 1e-7, 1.0},
        {"large k, cyclic: the line at 1e-7 m", true, 1e7, 1e-7, 1.0},
        // a soft line governs while it lies below the curve
        {"soft k, static: the line at 2 y50", false, 5000.0, 2.0 * y50, 75.0},
        {"soft k, cyclic: the line at 3 y50", true, 5000.0, 3.0 * y50, 112.5},
        {"soft k, cyclic: the curve at 5 y50", true, 5000.0, 5.0 * y50, 0.5 * pu * std::pow(5.0, 0.25)},
        // a very soft line governs up to 16 y50; beyond it the static curve is pu whatever the line
        {"very soft k, static: the line at 16 y50", false, 100.0, 16.0 * y50, 12.0},
        {"very soft k, static: pu beyond 16 y50", false, 100.0, 17.0 * y50, pu},
        {"very soft k, cyclic: the line beyond 16 y50", true, 100.0, 20.0 * y50, 15.0},
    };
    for (const Case& row : cases) {
        SCOPED_TRACE(row.name);
        EXPECT_NEAR(Stiff_Clay_No_Free_Water_P(Curve(true, row.cyclic, 1.0, row.kx), row.y), row.p,
                    k_Single_Tol * pu);
    }
}

TEST(StiffClayNoFreeWaterLaw, LimitingModulusIsTheStaticSecantAtTwoHundredThousandthsOfTheWidth) {
    // ys = 2e-5 x 0.6 = 1.2e-5 m; Esl = (pm / ym) 0.5 pu (ys / y50)^0.25 / ys, also under cyclic
    // loading with many cycles.
    const double ys = 1.2e-5;
    const double secant = 0.5 * 241.4 * std::pow(ys / 0.0075, 0.25) / ys;
    EXPECT_NEAR(Stiff_Clay_No_Free_Water_Limiting_Modulus(Curve(false, false), 0.6, 1.0, 1.0), secant,
                1e-9 * secant);
    EXPECT_NEAR(Stiff_Clay_No_Free_Water_Limiting_Modulus(Curve(false, true, 1000.0), 0.6, 0.5, 2.0),
                0.25 * secant, 1e-9 * secant);
}

TEST(StiffClayNoFreeWaterLaw, PrintedDeflections) {
    const double y16 = 16.0 * 0.0075;
    struct Case { int j; double N; bool cyclic; double y; };
    const Case cases[] = {
        {1, 1.0, false, 0.0},
        {2, 1.0, false, 1e-5 * y16},
        {8, 1.0, false, 0.01 * y16},
        {9, 1.0, false, 0.025 * y16},
        {15, 1.0, false, y16},
        {16, 1.0, false, 16.4 * 0.0075},
        {17, 1.0, false, 16.8 * 0.0075},
        // 1.25 (16 + 9.6 log10 100) y50 = 44 y50
        {16, 100.0, true, 30.0 * 0.0075},
        {17, 100.0, true, 44.0 * 0.0075},
    };
    for (const Case& row : cases) {
        SCOPED_TRACE(row.j);
        EXPECT_NEAR(Stiff_Clay_No_Free_Water_Table_Deflection(Curve(false, row.cyclic, row.N), row.j),
                    row.y, k_Single_Tol * (row.y + 1e-12));
    }
}

TEST(StiffClayNoFreeWaterLaw, DefaultStrainAndSubgradeModulusByCohesion) {
    struct Case { const char* name; int units; double c; double eps50; double k_static; double k_cyclic; };
    const Case cases[] = {
        {"US 6.9 psi", k_Units_US, 6.9, 0.011, 250.0, 100.0},
        {"US exactly 6.94 psi opens class 2", k_Units_US, 6.94, 0.007, 500.0, 200.0},
        {"US 20 psi", k_Units_US, 20.0, 0.005, 1000.0, 400.0},
        {"US 30 psi", k_Units_US, 30.0, 0.004, 2000.0, 800.0},
        {"SI 40 kPa", k_Units_SI, 40.0, 0.011, 67861.796875, 27144.7109375},
        {"SI 60 kPa", k_Units_SI, 60.0, 0.007, 135723.59375, 54289.3984375},
        {"SI 150 kPa", k_Units_SI, 150.0, 0.005, 271447.1875, 108578.8984375},
        {"SI 200 kPa", k_Units_SI, 200.0, 0.004, 542894.375, 217157.703125},
        {"general units have none", k_Units_General, 150.0, 0.0, 0.0, 0.0},
    };
    for (const Case& row : cases) {
        SCOPED_TRACE(row.name);
        EXPECT_NEAR(Default_Stiff_Clay_No_Free_Water_Epsilon50(row.c, row.units), row.eps50, 1e-9);
        EXPECT_EQ(Default_Stiff_Clay_No_Free_Water_K(row.c, row.units, false), row.k_static);
        EXPECT_EQ(Default_Stiff_Clay_No_Free_Water_K(row.c, row.units, true), row.k_cyclic);
    }
}

// ---- The criteria over a layer ---------------------------------------------------------

namespace {

// SI: a 0.6 m pile, 20 m long, nodes every 5 m, in one layer of `type` from the pile head:
// gamma' = 19 kN/m3, c = 100 kPa, eps50 = 0.005 (y50 = 0.0075 m), k = k_top throughout.
void Set_Up_Clay(int type, double k_top = 0.0) {
    Set_Up_Pile(k_Units_SI, 0.6, 20.0, 5);
    Add_Layer(type, 0.0, 20.0, {19.0, 100.0, 0.005, 0.0, 0.0}, {19.0, 100.0, 0.005, 0.0, 0.0}, k_top, k_top);
    Assign_Layers();
}

std::string Label_Line(const std::string& label, const std::string& rest) {
    return label + std::string(55 - label.size(), ' ') + "= " + rest;
}

}  // namespace

class StiffClayNoFreeWaterTest : public ModelTest {};

TEST_F(StiffClayNoFreeWaterTest, ModuliOfBothCriteriaAtRestAndDeflected) {
    // node 2: z = 5 m, Pct = 61.4 x 5 + 180 = 487 < 540
    const double pu = 487.0;
    const double ys = 1.2e-5;
    struct Case { const char* name; int type; double y; double Es; };
    const Case cases[] = {
        {"AW at y50", k_Soil_StfClyAW, 0.0075, 0.5 * pu / 0.0075},
        {"AW at rest: the secant at 2e-5 b", k_Soil_StfClyAW, 0.0,
         0.5 * pu * std::pow(ys / 0.0075, 0.25) / ys},
        {"AW just below 2e-5 b", k_Soil_StfClyAW, 1.1e-5, 0.5 * pu * std::pow(ys / 0.0075, 0.25) / ys},
        {"AK at rest: k zu", k_Soil_StfClyAK, 0.0, 2000.0 * 5.0},
        {"AK at y50 under a soft line", k_Soil_StfClyAK, 0.0075, 2000.0 * 5.0},
        {"AK beyond 16 y50: pu", k_Soil_StfClyAK, 0.2, pu / 0.2},
    };
    for (const Case& row : cases) {
        SCOPED_TRACE(row.name);
        Initialize_Model();
        Set_Up_Clay(row.type, 2000.0);
        Y_Node(2) = row.y;
        UpdateLayerSoilModuli(1, false);
        ASSERT_EQ(g_Model.ErrorStatus, 0);
        EXPECT_NEAR(g_Model.Es_Node[2], row.Es, 1e-9 * row.Es);
    }
}

TEST_F(StiffClayNoFreeWaterTest, CyclesBelowOneAreTakenAsOneAndTheCountAsReadStays) {
    Set_Up_Clay(k_Soil_StfClyAW);
    g_Model.b_Cyclic = -1;
    g_Model.NumCycles = 0.0;
    Y_Node(2) = 4.0 * 0.0075;
    PY_StiffClayNoFreeWater(1, false);
    ASSERT_EQ(g_Model.ErrorStatus, 0);
    EXPECT_EQ(g_Model.NumCycles, 0.0);
    EXPECT_EQ(Cycles_Of_Loading(), 1.0);
    // with one cycle the cyclic curve is the static one: 0.5 pu 4^0.25 at 4 y50
    EXPECT_NEAR(g_Model.Es_Node[2], 0.5 * 487.0 * std::sqrt(2.0) / 0.03, 1e-9 * 1e4);
}

TEST_F(StiffClayNoFreeWaterTest, LowerLayerStartsAtTheEquivalentDepthOfTheLayerAbove) {
    // Layer 1, 0 to 7.5 m, c = 100 kPa: pu = 180 at the head and 487 at 5 m; the integral is
    // 2.5 (180 + 487) + 487 x 2.5 = 2885. Layer 2 from 7.5 m has c = 50 kPa: its first node, at
    // 10 m, gets the equivalent top from zt = (9 c - 3 ca) b / (0.5 ca + gamma b) = 180 / 36.4
    // = 4.945 m and Ft = zt ((0.25 zt + 3 b) ca + 0.5 gamma zt b) = 890 kN; 2885 exceeds Ft, so
    // the top lies (2885 - Ft) / (9 b c) below zt.
    Set_Up_Pile(k_Units_SI, 0.6, 20.0, 5);
    Add_Layer(k_Soil_StfClyAW, 0.0, 7.5, {19.0, 100.0, 0.005, 0.0, 0.0}, {19.0, 100.0, 0.005, 0.0, 0.0});
    Add_Layer(k_Soil_StfClyAK, 7.5, 20.0, {19.0, 50.0, 0.005, 0.0, 0.0}, {19.0, 50.0, 0.005, 0.0, 0.0},
              1000.0, 1000.0);
    Assign_Layers();
    ASSERT_EQ(g_Model.i_TopNodeInLayer[2], 3);
    Update_Soil_Moduli_Pass();
    ASSERT_EQ(g_Model.ErrorStatus, 0);
    EXPECT_NEAR(g_Model.Fu_Layer[1], 2885.0, 1e-9);
    const double zt = 180.0 / 36.4;
    const double Ft = zt * ((0.25 * zt + 1.8) * 50.0 + 0.5 * 19.0 * zt * 0.6);
    ASSERT_GT(2885.0, Ft);
    const double top = zt + (2885.0 - Ft) / 270.0;
    EXPECT_NEAR(g_Model.XEquivalentTop[2], top, 1e-9);
    // At rest node 3 gets k zu with zu = 10 - 7.5 + top.
    EXPECT_NEAR(g_Model.Es_Node[3], 1000.0 * (2.5 + top), 1e-6);
}

TEST_F(StiffClayNoFreeWaterTest, ZeroCohesionBelowTheFirstNodeIsInputError13) {
    for (int type : {k_Soil_StfClyAW, k_Soil_StfClyAK}) {
        SCOPED_TRACE(type);
        Initialize_Model();
        Capture_Run_Files();
        Set_Up_Pile(k_Units_SI, 0.6, 20.0, 5);
        Add_Layer(type, 0.0, 10.0, {19.0, 0.0, 0.005, 0.0, 0.0}, {19.0, 0.0, 0.005, 0.0, 0.0});
        Add_Layer(type, 10.0, 20.0, {19.0, 80.0, 0.005, 0.0, 0.0}, {19.0, 80.0, 0.005, 0.0, 0.0});
        Assign_Layers();
        g_Model.Es_Node[2] = -1.0;
        UpdateLayerSoilModuli(1, false);
        EXPECT_EQ(g_Model.ErrorStatus, 113);
        EXPECT_EQ(g_Model.Es_Node[2], -1.0);
        const std::vector<std::string> expected = {
            "**** Input Data Error No. 13 ****", "", "An error was detected in the input data.",
            "Problem:  Zero was input for cohesion of stiff clay without free water.", "",
            "Solution:  Please check the values of soil shear strength and revise the input data.", ""};
        const auto messages = Captured_Message_Lines();
        ASSERT_GE(messages.size(), expected.size());
        for (std::size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(messages[i], expected[i]);
        const auto report = Captured_Report_Lines();
        const int at = Find_Line(report, expected[0]);
        ASSERT_GE(at, 0);
        for (std::size_t i = 1; i < expected.size(); ++i) EXPECT_EQ(report[at + i], expected[i]);
    }
}

TEST_F(StiffClayNoFreeWaterTest, CohesionOutsideItsRangeWarnsWithTheCriterionsNumbers) {
    struct Case { const char* name; int type; int units; double c; int warning; };
    const Case cases[] = {
        {"AW US low", k_Soil_StfClyAW, k_Units_US, 3.4, 3061},
        {"AW US high", k_Soil_StfClyAW, k_Units_US, 56.0, 3062},
        {"AW SI low", k_Soil_StfClyAW, k_Units_SI, 23.9, 3063},
        {"AW SI high", k_Soil_StfClyAW, k_Units_SI, 384.0, 3064},
        {"AK US low", k_Soil_StfClyAK, k_Units_US, 3.4, 3261},
        {"AK US high", k_Soil_StfClyAK, k_Units_US, 56.0, 3262},
        {"AK SI low", k_Soil_StfClyAK, k_Units_SI, 23.9, 3263},
        {"AK SI high", k_Soil_StfClyAK, k_Units_SI, 384.0, 3264},
        {"SI in range", k_Soil_StfClyAK, k_Units_SI, 100.0, 0},
        {"general units", k_Soil_StfClyAW, k_Units_General, 1.0, 0},
    };
    for (const Case& row : cases) {
        SCOPED_TRACE(row.name);
        Initialize_Model();
        Set_Up_Pile(row.units, 24.0, 400.0, 5);
        Add_Layer(row.type, 0.0, 400.0, {0.07, row.c, 0.005, 0.0, 0.0}, {0.07, row.c, 0.005, 0.0, 0.0}, 500.0, 500.0);
        Assign_Layers();
        UpdateLayerSoilModuli(1, false);
        ASSERT_EQ(g_Model.ErrorStatus, 0);
        for (int w : {3061, 3062, 3063, 3064, 3261, 3262, 3263, 3264}) {
            EXPECT_EQ(g_Model.WarningLog[w], w == row.warning ? 5 : 0) << w;
        }
    }
}

TEST_F(StiffClayNoFreeWaterTest, PrintedStaticBlockWithoutKLineForLine) {
    Set_Up_Clay(k_Soil_StfClyAW);
    Capture_Run_Files();
    AnalysisModel& m = g_Model;
    m.rd_PYCurveDepth[1] = 5.0;   // one requested depth: Pct = 487 kN/m
    m.i_TopPYDepthInLayer[1] = m.i_BottomPYDepthInLayer[1] = 1;
    PY_StiffClayNoFreeWater(1, true);
    ASSERT_EQ(m.ErrorStatus, 0);
    const std::vector<std::string> expected = {
        "", "", "p-y Curve Computed Using Static Criteria for Stiff Clay without Free Water", "",
        Label_Line("Soil Layer Number", "           1"),
        Label_Line("Depth below pile head", "       5.000 m"),
        Label_Line("Depth below ground surface", "       5.000 m"),
        Label_Line("Ground Slope Angle", "       0.000 degrees"),
        Label_Line("Pile Batter Angle", "       0.000 degrees"),
        Label_Line("Effective Slope", "       0.000 degrees"),
        // the two-character length label keeps its blank
        Label_Line("Equivalent Depth", "       5.000 m "),
        Label_Line("Diameter", "       0.600 m "),
        Label_Line("Undrained cohesion, c", "   100.00000 kPa"),
        Label_Line("Average Eff. Unit Weight", "    19.00000 kN/m3"),
        Label_Line("Epsilon-50", "     0.00500"),
        Label_Line("Pct", "     487.000 kN/m"),
        Label_Line("Pcd", "     540.000 kN/m"),
        Label_Line("Pu", "     487.000 kN/m"),
        Label_Line("y50", "       0.007"),   // 0.0075 is stored just below the tie
        Label_Line("p-multiplier", "     1.00000"),
        Label_Line("y-multiplier", "     1.00000"),
        "",
        "        y, m            p, kN/m",
        "----------------    -----------------",
        "         0.0000           0.0000",
        // 1e-5 of 16 y50: 0.5 x 487 x (1.2e-6 / 0.0075)^0.25
        "     0.1200E-05         27.38602",
    };
    const auto report = Captured_Report_Lines();
    ASSERT_EQ(report.size(), expected.size() + 15);
    for (std::size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(report[i], expected[i]) << i;
    // pu from 16 y50 = 0.12 m; the last points at 16.4 and 16.8 y50
    EXPECT_EQ(report[report.size() - 3], "        0.12000        487.00000");
    EXPECT_EQ(report.back(), "        0.12600        487.00000");
    const auto plot = Captured_Plot_Lines();
    ASSERT_EQ(plot.size(), 18u);
    EXPECT_EQ(plot[0], "  0.5000000E+01   17" + std::string(60, ' ') +
                           "Line 7:  p-y curve depth in stiff clay w/o free water, no. p-y points on curve no. 1");
    EXPECT_EQ(plot[17], "  0.1260000E+00  0.4870000E+03" + std::string(50, ' ') +
                            "Line 8(17): y, p, for stiff clay w/o water");
}

TEST_F(StiffClayNoFreeWaterTest, PrintedBlocksDifferByCriterionAndLoading) {
    struct Case {
        const char* name;
        int type;
        int cyclic;
        int cohesion_line;           // index of the first "Undrained cohesion, c" line
        const char* cohesion;        // its value and unit
        const char* unit_weight;     // the line after the last cohesion line
        const char* closing;         // the last label line, or null when it is "y-multiplier"
        const char* last_point;      // the 17th table row
        const char* depth_label;     // plot "Line 7"
        const char* point_phrase;    // plot "Line 8"
    };
    const Case cases[] = {
        // 100 cycles stretch the deflections by 2.2: the curve ends at 1.25 x 35.2 y50 = 0.33 m
        {"AW cyclic", k_Soil_StfClyAW, -1, 12, "   100.00000 kPa", "    19.00000 kN/m3",
         "Number of cycles of loading ", "        0.33000        487.00000",
         "stiff clay w/o free water", "stiff clay w/o water"},
        {"AK static", k_Soil_StfClyAK, 0, 10, "   100.00000 kPa", "    19.00000 kN/m3", nullptr,
         "        0.12600        487.00000", "stiff clay w/o free water with k", "stiff clay with k"},
        // cyclic "StfClyAK" composes its units from fixed-width pieces
        {"AK cyclic", k_Soil_StfClyAK, -1, 10, "   100.00000 kN /m **2", "    19.00000 kN /m **3",
         "Number of Cycles of Loading", "        0.33000        487.00000",
         "stiff clay w/o free water with k", "stiff clay with k"},
    };
    for (const Case& row : cases) {
        SCOPED_TRACE(row.name);
        Initialize_Model();
        Set_Up_Clay(row.type, 2000.0);
        Capture_Run_Files();
        AnalysisModel& m = g_Model;
        m.b_Cyclic = row.cyclic;
        m.NumCycles = 100.0;
        m.rd_PYCurveDepth[1] = 5.0;
        m.i_TopPYDepthInLayer[1] = m.i_BottomPYDepthInLayer[1] = 1;
        UpdateLayerSoilModuli(1, true);
        ASSERT_EQ(m.ErrorStatus, 0);
        const auto report = Captured_Report_Lines();
        const bool with_k = row.type == k_Soil_StfClyAK;
        EXPECT_EQ(Find_Line(report, "with Option of Defining Initial k"), with_k ? 3 : -1);
        const int c = row.cohesion_line;
        EXPECT_EQ(report[c], Label_Line("Undrained cohesion, c", row.cohesion));
        EXPECT_EQ(report[c + 1], Label_Line("Average Eff. Unit Weight", row.unit_weight));
        if (with_k) {
            EXPECT_EQ(report[c + 2], Label_Line("k", "       2000. kN/m3"));
        }
        const int y_multiplier = Find_Line(report, Label_Line("y-multiplier", "     1.00000"));
        ASSERT_GT(y_multiplier, c);
        if (row.closing != nullptr) {
            EXPECT_EQ(report[y_multiplier + 1], Label_Line(row.closing, "        100."));
        }
        const int heading = y_multiplier + (row.closing != nullptr ? 3 : 2);
        EXPECT_EQ(report[heading - 1], "");
        EXPECT_EQ(report[heading], "        y, m            p, kN/m");
        ASSERT_EQ(report.size(), static_cast<std::size_t>(heading + 19));
        EXPECT_EQ(report.back(), row.last_point);
        const auto plot = Captured_Plot_Lines();
        ASSERT_EQ(plot.size(), 18u);
        EXPECT_EQ(plot[0].substr(80), std::string("Line 7:  p-y curve depth in ") + row.depth_label +
                                          ", no. p-y points on curve no. 1");
        EXPECT_EQ(plot[17].substr(80), std::string("Line 8(17): y, p, for ") + row.point_phrase);
    }
}
