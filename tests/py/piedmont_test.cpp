// Piedmont residual soil criterion: the curve against a hand calculation and its factors by
// field test and units; then the criterion over a layer: the initial modulus without the
// p-multiplier, no resistance (with a warning) in general units and for an unknown test type,
// no soil movement load, and the printed block with its units.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "model/model.h"
#include "model/soil_types.h"
#include "model/units.h"
#include "py/criteria.h"
#include "py/layered_pile.h"
#include "py/piedmont.h"
#include "support/model_fixture.h"

namespace {

constexpr double k_Hand_Tol = 1e-12;   // relative

// SI: b = 1 m, N60 = 20: Epy = 151.68466 x 20 = 3033.6932 kPa. yB = 0.001 (s) m:
// p(yB) = Epy b yB = 3.0336933; at 0.01 m, p = Epy 0.01 (1 - 0.216247 ln 10) = 15.231349;
// pA = Epy b 0.0375 (s) b x 0.2163207 = 24.609405 kN/m.
constexpr double k_Epy = 3033.693199157715;
constexpr double k_P_YB = 3.03369334325041;
constexpr double k_P_001 = 15.231348648261676;
constexpr double k_PA = 24.60940458789064;

}  // namespace

TEST(PiedmontLaw, CurveMatchesTheHandCalculation) {
    const double Epy = Piedmont_Test_Factor(1, k_Units_SI) * 20.0;
    EXPECT_NEAR(Epy, k_Epy, k_Hand_Tol * k_Epy);
    // At yB the logarithmic branch begins: ln(1000 yB / b) = ln(1.00000005) with yB the
    // single-precision 0.001, which lowers p by 1e-8 of itself.
    EXPECT_NEAR(Piedmont_P(Epy, 1.0, 0.0010000000474974513), k_P_YB, 2e-8 * k_P_YB);
    EXPECT_NEAR(Piedmont_P(Epy, 1.0, 0.01), k_P_001, k_Hand_Tol * k_P_001);
    EXPECT_NEAR(Piedmont_Plateau(Epy, 1.0), k_PA, k_Hand_Tol * k_PA);
    // linear below yB, flat from yA on; the logarithmic branch ends within 0.04 % of the plateau
    EXPECT_NEAR(Piedmont_P(Epy, 1.0, 0.0005), Epy * 0.0005, k_Hand_Tol * k_P_YB);
    EXPECT_EQ(Piedmont_P(Epy, 1.0, 0.03750000149011612), k_PA);
    EXPECT_EQ(Piedmont_P(Epy, 1.0, 1.0), k_PA);
    EXPECT_NEAR(Piedmont_P(Epy, 1.0, 0.0375), k_PA, 4e-4 * k_PA);
    EXPECT_NEAR(Piedmont_P(Epy, 1.0, 0.0010000000474974513 * (1.0 - 1e-12)), k_P_YB, 1e-9 * k_P_YB);
}

TEST(PiedmontLaw, FactorsByTestAndUnits) {
    struct Case { int type; int units; double f; };
    const Case cases[] = {
        {1, k_Units_US, 22.0}, {1, k_Units_SI, 151.68465995788574},
        {2, k_Units_US, 0.11800000071525574}, {2, k_Units_SI, 0.11800000071525574},
        {3, k_Units_US, 0.07599999755620956}, {4, k_Units_SI, 0.23499999940395355},
        {1, k_Units_General, 0.0}, {0, k_Units_US, 0.0}, {5, k_Units_SI, 0.0},
    };
    for (const Case& row : cases) {
        SCOPED_TRACE(std::to_string(row.type) + " " + std::to_string(row.units));
        EXPECT_EQ(Piedmont_Test_Factor(row.type, row.units), row.f);
    }
}

TEST(PiedmontLaw, TabulatedDeflections) {
    const double yB = 0.0010000000474974513 * 2.0, yA = 0.03750000149011612 * 2.0;
    EXPECT_EQ(Piedmont_Table_Deflection(2.0, 1), 0.0);
    EXPECT_EQ(Piedmont_Table_Deflection(2.0, 2), yB);
    EXPECT_NEAR(Piedmont_Table_Deflection(2.0, 9), yB + 7.0 * (yA - yB) / 14.0, 1e-15);
    EXPECT_NEAR(Piedmont_Table_Deflection(2.0, 15), yB + 13.0 * (yA - yB) / 14.0, 1e-15);
    EXPECT_EQ(Piedmont_Table_Deflection(2.0, 16), yA);
    EXPECT_EQ(Piedmont_Table_Deflection(2.0, 17), 1.0499999523162842 * yA);
}

// ---- The criterion over a layer --------------------------------------------------------

namespace {

// A 1 m shaft (or 1 in in US customary units), 20 long, nodes every 2, in one Piedmont layer
// from the pile head naming field test `test`, with every test value 20.
void Set_Up_Piedmont(int units, int test) {
    Set_Up_Pile(units, 1.0, 20.0, 11);
    Add_Layer(k_Soil_Piedmont, 0.0, 20.0, {9.0, 0.0, 0.0, 0.0, 0.0}, {9.0, 0.0, 0.0, 0.0, 0.0});
    AnalysisModel& m = g_Model;
    m.FieldTestTypeAtPoint[1] = m.FieldTestTypeAtPoint[2] = test;
    for (int p = 1; p <= 2; ++p) {
        m.SPTN60AtPoint[p] = m.ConeTipResistanceAtPoint[p] = 20.0;
        m.DilatometerModulusAtPoint[p] = m.PressuremeterModulusAtPoint[p] = 20.0;
    }
    Assign_Layers();
}

}  // namespace

class PiedmontTest : public ModelTest {};

TEST_F(PiedmontTest, ModulusFromTheHandCurveAndItsInitialSlopeWithoutPMultiplier) {
    Set_Up_Piedmont(k_Units_SI, 1);
    AnalysisModel& m = g_Model;
    m.NumPYModifierPoints = 2;
    m.XPYModifier[1] = 0.0;
    m.XPYModifier[2] = 20.0;
    m.PMultiplier[1] = m.PMultiplier[2] = 0.5;
    m.YMultiplier[1] = m.YMultiplier[2] = 2.0;
    m.NumSoilMovementPoints = 1;
    for (int k = 1; k <= 11; ++k) {
        Y_Node(k) = 0.02;   // y' = 0.01 m
        m.W_Node[k] = 7.0;
    }
    Y_Node(3) = 0.0;
    PY_Piedmont(1, false);
    ASSERT_EQ(m.ErrorStatus, 0);
    EXPECT_NEAR(m.Es_Node[5], 0.5 * k_P_001 / 0.02, 1e-9 * k_Epy);
    EXPECT_NEAR(m.Es_Node[3], k_Epy / 2.0, 1e-9 * k_Epy);   // Epy b / ym, no p-multiplier
    for (int k = 1; k <= 11; ++k) EXPECT_EQ(m.W_Node[k], 7.0) << k;
    EXPECT_EQ(m.WarningLog[k_Warning_Piedmont_General_Units], 0);
}

TEST_F(PiedmontTest, NoModulusGivesNoResistanceAndAWarning) {
    struct Case { const char* name; int units; int test; int warning; };
    const Case cases[] = {
        {"general units", k_Units_General, 1, k_Warning_Piedmont_General_Units},
        {"test type 0", k_Units_SI, 0, k_Warning_Piedmont_Test_Type},
        {"test type 5", k_Units_US, 5, k_Warning_Piedmont_Test_Type},
    };
    for (const Case& row : cases) {
        SCOPED_TRACE(row.name);
        Initialize_Model();
        Set_Up_Piedmont(row.units, row.test);
        for (int k = 1; k <= 11; ++k) Y_Node(k) = 0.01;
        Y_Node(2) = 0.0;
        PY_Piedmont(1, false);
        ASSERT_EQ(g_Model.ErrorStatus, 0);
        for (int k = 1; k <= 11; ++k) EXPECT_EQ(g_Model.Es_Node[k], 0.0) << k;
        // once per pass over the layer
        EXPECT_EQ(g_Model.WarningLog[row.warning], 1);
    }
}

TEST_F(PiedmontTest, PrintedBlockLabelsTestValuesInTheUnitsTheyAreUsedIn) {
    struct Case { const char* name; int units; int test; const char* value_line; const char* modulus; };
    const Case cases[] = {
        {"US SPT", k_Units_US, 1, "SPT  N60-value", "      20.000 blows/ft"},
        {"SI SPT", k_Units_SI, 1, "SPT  N60-value", "      20.000 blows/0.3 m"},
        {"US CPT", k_Units_US, 2, "CPT qc", "      20.000 psi"},
        {"US DMT", k_Units_US, 3, "DMT Edmt", "      20.000 psi"},
        {"SI PMT", k_Units_SI, 4, "DMT Epmt", "      20.000 kPa"},
    };
    const std::string pad(55, ' ');
    const auto line = [&](const std::string& label, const std::string& rest) {
        return label + pad.substr(label.size()) + "= " + rest;
    };
    for (const Case& row : cases) {
        SCOPED_TRACE(row.name);
        Initialize_Model();
        Set_Up_Piedmont(row.units, row.test);
        Capture_Run_Files();
        AnalysisModel& m = g_Model;
        m.rd_PYCurveDepth[1] = 6.0;
        m.i_TopPYDepthInLayer[1] = m.i_BottomPYDepthInLayer[1] = 1;
        PY_Piedmont(1, true);
        ASSERT_EQ(m.ErrorStatus, 0);
        const auto report = Captured_Report_Lines();
        ASSERT_EQ(report[2], "p-y Curve for Piedmont Residual Soil Criteria");
        EXPECT_EQ(report[9], line(row.value_line, row.modulus));
        const double Epy = Piedmont_Test_Factor(row.test, row.units) * 20.0;
        const std::string unit = row.units == k_Units_US ? "psi" : "kPa";
        EXPECT_EQ(report[10].substr(0, 56), line("Initial Modulus from Field Tests", "").substr(0, 56));
        EXPECT_NEAR(std::strtod(report[10].c_str() + 57, nullptr), Epy, 5e-4);
        EXPECT_EQ(report[10].substr(report[10].size() - 3), unit);
        EXPECT_EQ(report.size(), 16u + 17u);
        const auto plot = Captured_Plot_Lines();
        ASSERT_EQ(plot.size(), 18u);
        EXPECT_EQ(plot[0].substr(80), "Line 7:  p-y curve depth in Piedmont residual soil, no. p-y points on curve no. 1");
        EXPECT_EQ(plot[17].substr(80), "Line 8(17): y, p, for Piedmont residual soil");
    }
    // General units: the test is named, its value line is not written.
    Initialize_Model();
    Set_Up_Piedmont(k_Units_General, 2);
    Capture_Run_Files();
    g_Model.rd_PYCurveDepth[1] = 6.0;
    g_Model.i_TopPYDepthInLayer[1] = g_Model.i_BottomPYDepthInLayer[1] = 1;
    PY_Piedmont(1, true);
    const auto report = Captured_Report_Lines();
    EXPECT_EQ(report[8], line("Type of Field Test", "Cone Penetration Test"));
    EXPECT_EQ(report[9], line("Initial Modulus from Field Tests", "       0.000 F/L2"));
}
