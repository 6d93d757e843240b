// Weak rock criterion against hand calculations of the Reese (1997) curves: the law alone
// (ultimate resistance and initial slope above and below three diameters, the quarter-power
// curve, the corner of a curve whose ultimate resistance lies beyond the initial line's reach),
// then the criterion over a layer of nodes (moduli, depth into the rock mass, the refusals of
// unusable data, the warnings) and its printed block.
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
#include "py/weak_rock.h"
#include "support/model_fixture.h"

namespace {

// The single-precision factors (1/150, 1.4, 5.2) move the hand values by a few parts in 1e8.
constexpr double k_Single = 1e-7;

// The hand calculation of the issue, US customary: b = 24 in, qur = 500 psi, RQD 50 %,
// Eir = 1e5 psi, k_rm = 1e-4.
constexpr double k_B = 24.0;
constexpr double k_Qur = 500.0;
constexpr double k_RQD = 50.0;
constexpr double k_Eir = 1.0e5;
constexpr double k_Krm = 1.0e-4;

}  // namespace

TEST(WeakRockLaw, HandCalculationAtOneDiameterAndBelowThree) {
    // alpha_r = 1 - 50 / 150 = 2/3. At xr = b:
    //   pu  = alpha_r qur b (1 + 1.4 xr / b) = 2/3 x 500 x 24 x 2.4 = 19,200 lb/in
    //   Kir = Eir (100 + 400 xr / 3b) = 1e5 x 233.33 = 2.3333e7 lb/in2
    //   yrm = k_rm b = 0.0024 in; p(yrm) = 0.5 pu = 9,600 lb/in
    //   Es(0.01 in) = 0.5 pu (0.01 / 0.0024)^0.25 / 0.01 = 9600 x 1.42872 / 0.01 = 1.3716e6
    const WeakRockCurve c = Weak_Rock_Curve(k_B, k_Qur, k_RQD, k_Eir, k_Krm, k_B);
    EXPECT_NEAR_REL(c.alpha_r, 2.0 / 3.0, k_Single);
    EXPECT_NEAR_REL(c.pu, 19200.0, k_Single);
    EXPECT_NEAR_REL(c.Kir, 7.0e7 / 3.0, 1e-15);
    EXPECT_NEAR_REL(c.yrm, 0.0024, 1e-15);
    EXPECT_NEAR_REL(Weak_Rock_P(c, c.yrm), 9600.0, k_Single);
    EXPECT_NEAR_REL(Weak_Rock_P(c, 0.01) / 0.01, 1.3716e6, 5e-5);   // the five digits given
    EXPECT_NEAR_REL(Weak_Rock_P(c, 0.01) / 0.01, 9600.0 * std::pow(0.01 / 0.0024, 0.25) / 0.01,
                    k_Single);
    // yA from its definition, with the exponent 1.333 (s): (pu / (2 yrm^0.25 Kir))^1.333
    // = (19200 / (2 x 0.2213364 x 2.333333e7))^1.333 = 0.00185884^1.333 = 2.2903e-4 in.
    EXPECT_NEAR_REL(c.yA, 2.2903e-4, 1e-4);
    EXPECT_EQ(c.y_corner, c.yA);
    // Below three diameters: pu = 5.2 alpha_r qur b = 41,600 lb/in, Kir = 500 Eir = 5e7.
    const WeakRockCurve deep = Weak_Rock_Curve(k_B, k_Qur, k_RQD, k_Eir, k_Krm, 80.0);
    EXPECT_NEAR_REL(deep.pu, 41600.0, k_Single);
    EXPECT_EQ(deep.Kir, 5.0e7);
}

TEST(WeakRockLaw, ContinuousAtThreeDiametersAndReductionByRQD) {
    // At xr = 3b the shallow form gives alpha_r qur b (1 + 1.4 x 3) = 5.2 alpha_r qur b and
    // Eir (100 + 400), the deep values (to the single-precision 1.4 and 5.2).
    const WeakRockCurve at = Weak_Rock_Curve(k_B, k_Qur, k_RQD, k_Eir, k_Krm, 3.0 * k_B);
    const WeakRockCurve beyond = Weak_Rock_Curve(k_B, k_Qur, k_RQD, k_Eir, k_Krm, 3.0 * k_B + 1e-9);
    EXPECT_NEAR_REL(at.pu, beyond.pu, k_Single);
    EXPECT_EQ(at.Kir, beyond.Kir);
    // RQD 0 keeps the whole strength, RQD 100 a third of it.
    EXPECT_EQ(Weak_Rock_Alpha(0.0), 1.0);
    EXPECT_NEAR(Weak_Rock_Alpha(100.0), 1.0 / 3.0, 1e-7);
}

TEST(WeakRockLaw, CurveRisesToPuAtSixteenYrmAndTableRises) {
    const WeakRockCurve c = Weak_Rock_Curve(k_B, k_Qur, k_RQD, k_Eir, k_Krm, k_B);
    // The initial line and the quarter-power curve meet at yA (to the exponent 1.333 rather
    // than 4/3, a few parts in a thousand).
    EXPECT_NEAR_REL(c.Kir * c.yA, 0.5 * c.pu * std::pow(c.yA / c.yrm, 0.25), 5e-3);
    EXPECT_NEAR_REL(Weak_Rock_P(c, 16.0 * c.yrm), c.pu, 1e-15);
    EXPECT_EQ(Weak_Rock_P(c, 40.0 * c.yrm), c.pu);
    // Printed points: 0, yA, 13 points towards 16 yrm (2 % and 90 % of the way), 16 and 20 yrm.
    EXPECT_EQ(Weak_Rock_Table_Deflection(c, 1), 0.0);
    EXPECT_EQ(Weak_Rock_Table_Deflection(c, 2), c.yA);
    // (the fractions are single-precision values)
    EXPECT_NEAR_REL(Weak_Rock_Table_Deflection(c, 3), c.yA + 0.02 * (16.0 * c.yrm - c.yA), k_Single);
    EXPECT_NEAR_REL(Weak_Rock_Table_Deflection(c, 15), c.yA + 0.9 * (16.0 * c.yrm - c.yA), k_Single);
    EXPECT_EQ(Weak_Rock_Table_Deflection(c, 16), 16.0 * c.yrm);
    EXPECT_EQ(Weak_Rock_Table_Deflection(c, 17), 20.0 * c.yrm);
    for (int j = 2; j <= 17; ++j) {
        SCOPED_TRACE(j);
        EXPECT_GT(Weak_Rock_Table_Deflection(c, j), Weak_Rock_Table_Deflection(c, j - 1));
    }
}

TEST(WeakRockLaw, UltimateResistanceBeyondTheInitialLineCapsTheLine) {
    // Soft rock with a small modulus: b = 24, qur = 500, RQD 0, Eir = 1000, k_rm = 5e-5, deep.
    // pu = 5.2 x 500 x 24 = 62,400; Kir = 5e5; 16 yrm = 16 x 0.0012 = 0.0192 in, so
    // 16 Kir yrm = 9,600 < pu. The line reaches pu at pu / Kir = 0.1248 in, while yA =
    // (62400 / (2 x 0.0012^0.25 x 5e5))^1.333 = 0.2329 in lies beyond: uncapped, the line
    // would give 1.16e5 at yA, far above pu, and the printed deflections would fall from yA
    // back to 16 yrm.
    const WeakRockCurve c = Weak_Rock_Curve(24.0, 500.0, 0.0, 1000.0, 5e-5, 100.0);
    ASSERT_GT(c.yA, 16.0 * c.yrm);
    EXPECT_NEAR_REL(c.pu, 62400.0, k_Single);
    EXPECT_NEAR_REL(c.y_corner, 0.1248, k_Single);
    EXPECT_NEAR_REL(c.yA, 0.2329, 1e-3);
    EXPECT_EQ(Weak_Rock_P(c, 0.1), 5.0e5 * 0.1);   // still on the line
    EXPECT_EQ(Weak_Rock_P(c, 0.2), c.pu);          // capped, not 1e5
    double y_prev = -1.0;
    double p_prev = -1.0;
    for (int j = 1; j <= 17; ++j) {
        SCOPED_TRACE(j);
        const double y = Weak_Rock_Table_Deflection(c, j);
        const double p = Weak_Rock_P(c, y);
        EXPECT_GT(y, y_prev);
        EXPECT_GE(p, p_prev);
        EXPECT_LE(p, c.pu);
        y_prev = y;
        p_prev = p;
    }
    EXPECT_EQ(Weak_Rock_P(c, Weak_Rock_Table_Deflection(c, 2)), c.pu);
}

namespace {

// US customary pile 24 in wide and 480 in long, nodes every 12 in; one weak rock layer from
// the pile head (the ground surface) with the hand-calculation values throughout.
void Set_Up_Rock(double qur_top = k_Qur, double qur_bottom = k_Qur, double krm = k_Krm,
                 double eir = k_Eir) {
    Set_Up_Pile(k_Units_US, k_B, 480.0, 41);
    Add_Layer(k_Soil_WeakRock, 0.0, 480.0, {0.04, qur_top, krm, 0.0, 0.0},
              {0.04, qur_bottom, krm, 0.0, 0.0}, eir, eir);
    g_Model.RQDAtPoint[1] = g_Model.RQDAtPoint[2] = k_RQD;
    Assign_Layers();
}

void Set_Multipliers(double pm, double ym) {
    AnalysisModel& m = g_Model;
    m.NumPYModifierPoints = 2;
    m.XPYModifier[1] = 0.0;
    m.XPYModifier[2] = 480.0;
    m.PMultiplier[1] = m.PMultiplier[2] = pm;
    m.YMultiplier[1] = m.YMultiplier[2] = ym;
}

}  // namespace

class WeakRockTest : public ModelTest {};

TEST_F(WeakRockTest, ModuliOnTheLineAndOnTheCurve) {
    Set_Up_Rock();
    Set_Multipliers(0.5, 2.0);
    AnalysisModel& m = g_Model;
    m.NumCycles = 0.0;
    Y_Node(3) = 0.0;       // z = 24 in, xr = b
    Y_Node(9) = 2.0e-4;    // z = 96 in, below 3b; y' = 1e-4 lies on the initial line
    Y_Node(5) = 0.05;      // z = 48 in, xr = 2b; y' = 0.025 on the quarter-power curve
    PY_WeakRock(1, false);
    ASSERT_EQ(m.ErrorStatus, 0);
    // static loading entered as 0 cycles: the curves take one, the count as read stays
    EXPECT_EQ(m.NumCycles, 0.0);
    EXPECT_EQ(Cycles_Of_Loading(), 1.0);
    // On the initial line the modulus is Kir itself, without the multipliers.
    EXPECT_NEAR_REL(m.Es_Node[3], 7.0e7 / 3.0, 1e-9);
    EXPECT_EQ(m.Es_Node[9], 5.0e7);
    // xr = 2b: pu = 2/3 x 500 x 24 x (1 + 2.8) = 30,400; p = 0.5 pu (0.025 / 0.0024)^0.25;
    // Es = pm p / (ym y') = 0.5 p / (2 x 0.025).
    const double p = 0.5 * 30400.0 * std::pow(0.025 / 0.0024, 0.25);
    EXPECT_NEAR_REL(m.Es_Node[5], 0.5 * p / (2.0 * 0.025), k_Single);
}

TEST_F(WeakRockTest, SoilMovementActsThroughTheSpring) {
    Set_Up_Rock();
    AnalysisModel& m = g_Model;
    m.NumSoilMovementPoints = 2;
    m.SoilMovement_Node[5] = 0.01;
    m.DistLoad_Node[5] = 3.0;
    Y_Node(5) = 0.035;   // y' = 0.025 relative to the moving rock
    PY_WeakRock(1, false);
    const double p = 0.5 * 30400.0 * std::pow(0.025 / 0.0024, 0.25);
    EXPECT_NEAR_REL(m.Es_Node[5], p / 0.025, k_Single);
    EXPECT_NEAR(m.W_Node[5], 0.01 * m.Es_Node[5] + 3.0, 1e-9 * m.W_Node[5]);
}

TEST_F(WeakRockTest, DepthIntoRockCountsTheRockLayersAboveOnly) {
    Set_Up_Pile(k_Units_US, k_B, 480.0, 41);
    const LayerValues v{0.04, 500.0, 1e-4, 0.0, 0.0};
    Add_Layer(k_Soil_Sand, 0.0, 100.0, v, v);
    Add_Layer(k_Soil_WeakRock, 100.0, 200.0, v, v);
    Add_Layer(k_Soil_VuggyLS, 200.0, 300.0, v, v);
    Add_Layer(k_Soil_WeakRock, 300.0, 400.0, v, v);
    Add_Layer(k_Soil_StfClyAW, 400.0, 450.0, v, v);
    Add_Layer(k_Soil_WeakRock, 450.0, 480.0, v, v);
    const double offset = 9.99999993922529e-09;   // 1e-8 (s)
    // below sand xr starts at the layer's own top
    EXPECT_EQ(Depth_Into_Rock(2, 150.0), 150.0 + offset - 100.0);
    // weak rock under vuggy limestone under weak rock: one rock mass from 100 in
    EXPECT_NEAR(Depth_Into_Rock(4, 350.0), 250.0, 1e-7);
    // clay between rock layers breaks the mass
    EXPECT_NEAR(Depth_Into_Rock(6, 460.0), 10.0, 1e-7);
}

TEST_F(WeakRockTest, NoDeflectionOnAStrengthlessInterfaceUsesTheInitialModulus) {
    // Sand over weak rock whose strength at its top is 0: on the interface node the rock's
    // value 0 applies, pu = 0 and yA = 0. At zero deflection the secant was 0/0; it is Kir.
    Set_Up_Pile(k_Units_US, k_B, 480.0, 41);
    Add_Layer(k_Soil_Sand, 0.0, 24.0, {0.04, 0.0, 0.0, 0.0, 30.0}, {0.04, 0.0, 0.0, 0.0, 30.0});
    Add_Layer(k_Soil_WeakRock, 24.0, 480.0, {0.04, 0.0, k_Krm, 0.0, 0.0},
              {0.04, 456.0, k_Krm, 0.0, 0.0}, k_Eir, k_Eir);
    AnalysisModel& m = g_Model;
    m.RQDAtPoint[3] = m.RQDAtPoint[4] = 0.0;
    Assign_Layers();
    ASSERT_EQ(m.i_TopNodeInLayer[2], 3);
    PY_WeakRock(2, false);
    ASSERT_EQ(m.ErrorStatus, 0);
    // xr = 1e-8 (s): Kir = Eir (100 + 400 xr / 3b), a hair above 100 Eir.
    EXPECT_NEAR_REL(m.Es_Node[3], 100.0 * k_Eir, 1e-9);
    // Deflected, the point without resistance gives no resistance, still a number.
    Y_Node(3) = 0.01;
    PY_WeakRock(2, false);
    EXPECT_EQ(m.Es_Node[3], 0.0);
    // Off the interface qur = 12 psi, a warning but a curve.
    EXPECT_GT(m.Es_Node[4], 0.0);
    EXPECT_GT(m.WarningLog[3071], 0);
}

struct RefusalCase {
    const char* name;
    double qur_top, qur_bottom, krm, eir;
    int status;
    const char* line;   // a line of the message, in both files
};

TEST_F(WeakRockTest, UnusableRockDataIsRefusedWithItsError) {
    const RefusalCase cases[] = {
        {"zero strength", 0.0, 0.0, k_Krm, k_Eir, 162,
         "Problem:   The input value for compressive strength is less than or equal to zero."},
        {"negative strength", -10.0, -10.0, k_Krm, k_Eir, 162,
         "Solution:  Check the input values for layer 1"},
        {"zero k_rm", k_Qur, k_Qur, 0.0, k_Eir, 163,
         "Problem:  The input value for k_rm for weak rock is less than or equal to zero."},
        {"zero initial modulus", k_Qur, k_Qur, k_Krm, 0.0, 189,
         "Problem:   The initial modulus of the rock mass, Eir, is less than or equal to zero."},
        {"negative initial modulus", k_Qur, k_Qur, k_Krm, -5.0e4, 189,
         "Solution:  Enter a positive initial modulus Eir for the top and bottom of layer 1"},
    };
    for (const RefusalCase& row : cases) {
        SCOPED_TRACE(row.name);
        Initialize_Model();
        Capture_Run_Files();
        Set_Up_Rock(row.qur_top, row.qur_bottom, row.krm, row.eir);
        PY_WeakRock(1, false);
        EXPECT_EQ(g_Model.ErrorStatus, row.status);
        EXPECT_GE(Find_Line(Captured_Report_Lines(), row.line), 0);
        EXPECT_GE(Find_Line(Captured_Message_Lines(), row.line), 0);
        for (int k = 1; k <= 41; ++k) EXPECT_FALSE(std::isnan(g_Model.Es_Node[k]));
        TearDown();
    }
}

TEST_F(WeakRockTest, NegativeStrengthOnAnInterfaceIsRefusedToo) {
    // Sand over rock entered with a negative strength at its top: the interface node skips the
    // strength checks, but a negative strength would make yA undefined.
    Capture_Run_Files();
    Set_Up_Pile(k_Units_US, k_B, 480.0, 41);
    Add_Layer(k_Soil_Sand, 0.0, 24.0, {0.04, 0.0, 0.0, 0.0, 30.0}, {0.04, 0.0, 0.0, 0.0, 30.0});
    Add_Layer(k_Soil_WeakRock, 24.0, 480.0, {0.04, -5.0, k_Krm, 0.0, 0.0},
              {0.04, 500.0, k_Krm, 0.0, 0.0}, k_Eir, k_Eir);
    Assign_Layers();
    PY_WeakRock(2, false);
    EXPECT_EQ(g_Model.ErrorStatus, 162);
    EXPECT_GE(Find_Line(Captured_Report_Lines(), "Solution:  Check the input values for layer 2"), 0);
}

TEST_F(WeakRockTest, StrengthlessPointOnTheLayerBottomBelowTheFirstNode) {
    // Rock whose strength falls to 0 at its bottom, over sand; a node a hair above the
    // interface is on it (within 1e-6) but not the layer's first: Input Data Error No. 16.
    Capture_Run_Files();
    Set_Up_Pile(k_Units_US, k_B, 480.0, 41);
    Add_Layer(k_Soil_WeakRock, 0.0, 240.0, {0.04, 500.0, k_Krm, 0.0, 0.0},
              {0.04, 0.0, k_Krm, 0.0, 0.0}, k_Eir, k_Eir);
    Add_Layer(k_Soil_Sand, 240.0, 480.0, {0.04, 0.0, 0.0, 0.0, 30.0}, {0.04, 0.0, 0.0, 0.0, 30.0});
    AnalysisModel& m = g_Model;
    m.XNode[21] = m.ZNode[21] = 240.0 - 1e-7;
    Assign_Layers();
    ASSERT_EQ(m.i_BottomNodeInLayer[1], 21);
    PY_WeakRock(1, false);
    EXPECT_EQ(m.ErrorStatus, 116);
    EXPECT_GE(Find_Line(Captured_Report_Lines(), "           input as negative or zero (0)."), 0);
}

TEST_F(WeakRockTest, LayerOfNoThicknessAndPileOfNoWidth) {
    Capture_Run_Files();
    Set_Up_Rock();
    AnalysisModel& m = g_Model;
    m.XLayerBottom[1] = m.rd_LayerTop[1];
    EXPECT_EQ(LayerKAtDepth(1, 0.0), 0.0);
    EXPECT_EQ(m.ErrorStatus, 220);
    EXPECT_EQ(Captured_Report_Lines(),
              (std::vector<std::string>{"**** Runtime Error No. 20 ****", "",
                                        "Problem:  The top and bottom elevations for weak rock layer are equal.",
                                        "Solution: Correct the input data for elevations defining weak rock layer.",
                                        ""}));
    // k_rm b of zero: Runtime Error No. 22, in both files, before any modulus is stored.
    TearDown();
    Initialize_Model();
    Capture_Run_Files();
    Set_Up_Rock();
    m.SectionPointD[1] = m.SectionPointD[2] = 0.0;
    m.Es_Node[1] = -1.0;
    PY_WeakRock(1, false);
    EXPECT_EQ(m.ErrorStatus, 222);
    EXPECT_EQ(m.Es_Node[1], -1.0);
    EXPECT_GE(Find_Line(Captured_Message_Lines(),
                        "Solution:  Check the input values for the week rock properties in the soil layer 1"),
              0);
}

struct WarningCase {
    const char* name;
    int units;
    double qur, krm;
    std::vector<int> warnings;   // recorded at every node off the interfaces
};

TEST_F(WeakRockTest, PlausibilityWarnings) {
    const WarningCase cases[] = {
        {"US plausible", k_Units_US, 500.0, 1e-4, {}},
        {"US weak", k_Units_US, 99.0, 1e-4, {3071}},
        {"US strong, k_rm large", k_Units_US, 1001.0, 6e-4, {3072, 317}},
        {"US k_rm exactly 0.00005 is not below 5e-5 (s)", k_Units_US, 500.0, 0.00005, {}},
        {"US k_rm small", k_Units_US, 500.0, 4e-5, {316}},
        {"SI weak", k_Units_SI, 689.0, 1e-4, {3073}},
        {"SI strong", k_Units_SI, 6896.0, 1e-4, {3074}},
        {"SI plausible", k_Units_SI, 5000.0, 1e-4, {}},
        {"general units: no strength warnings", k_Units_General, 1.0, 1e-4, {}},
    };
    for (const WarningCase& row : cases) {
        SCOPED_TRACE(row.name);
        Initialize_Model();
        Set_Up_Rock(row.qur, row.qur, row.krm);
        g_Model.IUNITS = row.units;
        PY_WeakRock(1, false);
        ASSERT_EQ(g_Model.ErrorStatus, 0);
        for (const int w : {316, 317, 3071, 3072, 3073, 3074}) {
            bool expected = false;
            for (const int e : row.warnings) expected = expected || e == w;
            EXPECT_EQ(g_Model.WarningLog[w], expected ? 41 : 0) << w;
        }
    }
}

TEST_F(WeakRockTest, StrengthWarningsSkipTheInterfaceButKrmWarningsDoNot) {
    // Sand over weak rock of 50 psi with k_rm 1e-5: the rock's first node lies on the
    // interface, where only the k_rm warning is recorded.
    Set_Up_Pile(k_Units_US, k_B, 480.0, 41);
    Add_Layer(k_Soil_Sand, 0.0, 24.0, {0.04, 0.0, 0.0, 0.0, 30.0}, {0.04, 0.0, 0.0, 0.0, 30.0});
    Add_Layer(k_Soil_WeakRock, 24.0, 480.0, {0.04, 50.0, 1e-5, 0.0, 0.0},
              {0.04, 50.0, 1e-5, 0.0, 0.0}, k_Eir, k_Eir);
    Assign_Layers();
    PY_WeakRock(2, false);
    ASSERT_EQ(g_Model.ErrorStatus, 0);
    EXPECT_EQ(g_Model.WarningLog[316], 39);
    EXPECT_EQ(g_Model.WarningLog[3071], 38);
}

TEST_F(WeakRockTest, PrintedBlockOfTheHandCalculation) {
    // One requested depth at 2 ft in the rock of the hand calculation, multipliers 1.
    Set_Up_Rock();
    Capture_Run_Files();
    AnalysisModel& m = g_Model;
    m.rd_PYCurveDepth[1] = 24.0;
    m.i_TopPYDepthInLayer[1] = m.i_BottomPYDepthInLayer[1] = 1;
    const double es_before = m.Es_Node[1];
    PY_WeakRock(1, true);
    ASSERT_EQ(m.ErrorStatus, 0);
    EXPECT_EQ(m.Es_Node[1], es_before);
    const auto label = [](const char* text) {
        std::string l = text;
        l.resize(55, ' ');
        return l + "= ";
    };
    const std::vector<std::string> report = Captured_Report_Lines();
    ASSERT_EQ(report.size(), 44u);   // 26 lines of parameters and heading, 17 rows, 1 empty
    // gamma' = 0.04 pci = 69.12 pcf; Yu = 3b / 80 = 0.9 in.
    const std::vector<std::string> expected = {
        "", "", "p-y Curve Computed Using Weak Rock Criteria", "",
        label("Soil Layer Number") + "           1",
        label("Depth below pile head") + "       2.000 ft",
        label("Depth below ground surface") + "       2.000 ft",
        label("Diameter") + "      24.000 in",
        label("Unconfined Compressive Strength") + "     500.000 psi",
        label("Avg. Eff. Unit Weight") + "     0.04000 pci",
        label("Avg. Eff. Unit Weight") + "    69.12000 pcf",
        label("Xr") + "      24.000 in",
        label("RQD") + "      50.000 %",
        label("Eir") + "     100000. lbs/in**2",
        label("Pu") + "   19200.000 lbs/in",
        label("k_rm") + "     0.00010",
        label("K_ir") + " 0.23333E+08 lbs/in",
        label("Alpha_r") + "       0.667",
        label("Yu") + "     0.90000 in",
        label("Yrm") + "     0.00240 in",
        label("Y_A") + " 0.22903E-03 in",
        label("p-multiplier") + "     1.00000",
        label("y-multiplier") + "     1.00000",
        "",
        "        y, in                p, lbs/in",
        "----------------    -----------------",
    };
    for (std::size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(report[i], expected[i]) << i;
    // 17 rows from 0 to 20 yrm = 0.048 in, the last at pu, then an empty line.
    EXPECT_EQ(report[expected.size()], "         0.0000           0.0000");
    EXPECT_EQ(report[expected.size() + 16], "        0.04800           19200.");
    EXPECT_EQ(report[expected.size() + 17], "");
    const std::vector<std::string> plot = Captured_Plot_Lines();
    ASSERT_EQ(plot.size(), 18u);
    EXPECT_NE(plot[0].find("Line 7:  p-y curve depth in weak rock, no. p-y points on curve no. 1"),
              std::string::npos);
    EXPECT_NE(plot[17].find("Line 8(17): y, p, for weak rock"), std::string::npos);
}
