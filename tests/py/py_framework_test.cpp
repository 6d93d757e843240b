// Multipliers by depth, the sloping ground factor, the printed label lines and the common steps
// of a criterion's node loop.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "engine/errors.h"
#include "model/model.h"
#include "model/units.h"
#include "py/py_framework.h"
#include "support/model_fixture.h"

class PYFrameworkTest : public ModelTest {};

TEST_F(PYFrameworkTest, MultipliersFollowTheModifierTable) {
    // Rows: 0 ft -> 0.5, 10 -> 0.8, step at 10 -> 0.9, 20 -> 1.1 (p); y column doubled.
    AnalysisModel& m = g_Model;
    m.NumPYModifierPoints = 4;
    const double depth[] = {0, 2.0, 10.0, 10.0, 20.0};
    const double p[] = {0, 0.5, 0.8, 0.9, 1.1};
    for (int i = 1; i <= 4; ++i) {
        m.XPYModifier[i] = depth[i];
        m.PMultiplier[i] = p[i];
        m.YMultiplier[i] = 2.0 * p[i];
    }
    struct Case { const char* name; double x; double pm; };
    const Case cases[] = {
        {"above the first row", 1.0, 1.0},
        {"at the first row", 2.0, 0.5},
        {"interpolated", 6.0, 0.65},
        {"at a step the deeper row applies", 10.0, 0.9},
        {"interpolated below the step", 15.0, 1.0},
        {"at the last row", 20.0, 1.1},
        {"below the last row", 20.5, 1.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_NEAR(PMultiplierAtDepth(c.x), c.pm, 1e-12);
        const double ym_expected = (c.x < 2.0 || c.x > 20.0) ? 1.0 : 2.0 * c.pm;
        EXPECT_NEAR(YMultiplierAtDepth(c.x), ym_expected, 1e-12);
    }
}

TEST_F(PYFrameworkTest, NoTableOrASingleRowLeavesCurvesUnchanged) {
    EXPECT_EQ(PMultiplierAtDepth(0.0), 1.0);
    // "UsePYModifiers YES" without a table leaves one row of zeros at depth 0.
    g_Model.NumPYModifierPoints = 1;
    EXPECT_EQ(PMultiplierAtDepth(0.0), 1.0);
    EXPECT_EQ(YMultiplierAtDepth(0.0), 1.0);
}

TEST(SlopingGroundFactor, FallingAndRisingGround) {
    const double theta = 0.2;   // radians
    const double falling = 1.0 / (1.0 + std::tan(theta));
    const double rising = std::cos(theta) * 0.7071067690849304 / std::cos(M_PI / 4 + theta);
    struct Case { const char* name; double y; double slope; double factor; };
    const Case cases[] = {
        {"push toward falling ground", 0.5, theta, falling},
        {"push into rising ground", -0.5, theta, rising},
        {"negative slope, positive push", 0.5, -theta, rising},
        {"negative slope, negative push", -0.5, -theta, falling},
        {"level ground", 0.5, 0.0, 1.0},
        {"zero deflection", 0.0, theta, 1.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_NEAR(SlopingGroundFactor(c.y, c.slope), c.factor, 1e-15);
    }
    EXPECT_LT(falling, 1.0);
    EXPECT_GT(rising, 1.0);
}

TEST_F(PYFrameworkTest, LabelLinesPutTheEqualsSignInColumn56AndDepthsInFeet) {
    Capture_Run_Files();
    g_Model.IUNITS = k_Units_US;
    Set_Unit_Labels();
    g_Model.XGroundSurface = 24.0;   // inches
    Write_PY_Layer_And_Depths(3, 120.0);
    Write_PY_Multipliers(0.75, 1.0);
    const auto lines = Captured_Report_Lines();
    ASSERT_EQ(lines.size(), 6u);
    const std::string pad = [] { return std::string(55, ' '); }();
    EXPECT_EQ(lines[0], "Soil Layer Number" + pad.substr(17) + "=          3");
    EXPECT_EQ(lines[1], "Depth below pile head" + pad.substr(21) + "=       10.000 ft");
    EXPECT_EQ(lines[2], "Depth below ground surface" + pad.substr(26) + "=        8.000 ft");
    EXPECT_EQ(lines[3], "p-multiplier" + pad.substr(12) + "=      0.75000");
    EXPECT_EQ(lines[4], "y-multiplier" + pad.substr(12) + "=      1.00000");
    EXPECT_EQ(lines[5], "");
}

// A layer 2 of three nodes at 0, 10 and 20 in, its bottom at 25 in: the trapezoids between the
// nodes and the last node's resistance down to the bottom.
TEST_F(PYFrameworkTest, LayerIntegralAddsTrapezoidsAndTheRestToTheLayerBottom) {
    AnalysisModel& m = g_Model;
    m.IncrementLength = 10.0;
    m.i_TopNodeInLayer[2] = 1;
    m.i_BottomNodeInLayer[2] = 3;
    m.rd_LayerTop[2] = 0.0;
    m.XLayerBottom[2] = 25.0;
    for (int k = 1; k <= 3; ++k) m.XNode[k] = 10.0 * (k - 1);
    m.Fu_Layer[2] = 0.0;
    const double pu[] = {0.0, 2.0, 4.0, 8.0};
    double pu_prev = -1.0;   // ignored at the layer's first node
    const double after[] = {0.0, 0.0, 30.0, 30.0 + 60.0 + 8.0 * 5.0};
    for (int k = 1; k <= 3; ++k) {
        Add_To_Layer_Integral(2, k, pu[k], pu_prev);
        EXPECT_DOUBLE_EQ(m.Fu_Layer[2], after[k]) << "node " << k;
        EXPECT_EQ(pu_prev, pu[k]);
    }
    // Only a first layer with the ground above the pile head takes the closed form.
    Close_Layer_Integral_Above_Head(2, 100.0);
    EXPECT_DOUBLE_EQ(m.Fu_Layer[2], 130.0);
    m.rd_LayerTop[1] = -10.0;
    m.XLayerBottom[1] = 30.0;
    m.Fu_Layer[1] = 7.0;
    m.XGroundSurface = 0.0;
    Close_Layer_Integral_Above_Head(1, 100.0);
    EXPECT_DOUBLE_EQ(m.Fu_Layer[1], 7.0);
    m.XGroundSurface = -10.0;
    Close_Layer_Integral_Above_Head(1, 100.0);
    EXPECT_DOUBLE_EQ(m.Fu_Layer[1], 100.0 * 0.5 * 40.0);
}

// A node's first step clears the layer integral only at the layer's first node in normal mode.
TEST_F(PYFrameworkTest, BeginNodeClearsTheIntegralOnlyAtTheTopInNormalMode) {
    AnalysisModel& m = g_Model;
    m.i_TopNodeInLayer[1] = 2;
    m.i_BottomNodeInLayer[1] = 3;
    struct Case { const char* name; int k; bool print; double Fu; };
    const Case cases[] = {
        {"first node, normal mode", 2, false, 0.0},
        {"second node, normal mode", 3, false, 5.0},
        {"first node, print mode", 2, true, 5.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        m.Fu_Layer[1] = 5.0;
        PYNodeValues v{};
        EXPECT_TRUE(Begin_PY_Node(1, c.k, c.print, v));
        EXPECT_EQ(m.Fu_Layer[1], c.Fu);
    }
}

// The secant with multipliers, and the stored modulus: with soil movement the node's load is the
// spring force on the soil's displacement plus the distributed load; a modulus that is not a
// number raises the criterion's runtime error in the report and leaves the load alone.
TEST_F(PYFrameworkTest, StoredModulusCarriesTheSoilMovementLoadOrRaisesWhenNotANumber) {
    Capture_Run_Files();
    AnalysisModel& m = g_Model;
    PYNodeValues v{};
    v.pm = 0.5;
    v.ym = 2.0;
    v.y_prime = 0.25;
    EXPECT_DOUBLE_EQ(Secant_Modulus(v, 10.0), 0.5 * 10.0 / (2.0 * 0.25));

    m.NumSoilMovementPoints = 2;
    m.SoilMovement_Node[4] = 0.1;
    m.DistLoad_Node[4] = 3.0;
    Store_PY_Modulus(4, 50.0);
    EXPECT_EQ(m.Es_Node[4], 50.0);
    EXPECT_DOUBLE_EQ(m.W_Node[4], 0.1 * 50.0 + 3.0);

    m.W_Node[4] = -1.0;
    Store_PY_Modulus(4, 60.0, 31, false, "Reese Sand");
    EXPECT_EQ(m.ErrorStatus, 0);
    EXPECT_DOUBLE_EQ(m.W_Node[4], 0.1 * 60.0 + 3.0);

    m.W_Node[4] = -1.0;
    Store_PY_Modulus(4, std::nan(""), 32, true, "Reese Sand");
    EXPECT_EQ(m.ErrorStatus, k_Status_Runtime_Base + 32);
    EXPECT_TRUE(std::isnan(m.Es_Node[4]));
    EXPECT_EQ(m.W_Node[4], -1.0);
    const auto report = Captured_Report_Lines();
    ASSERT_EQ(report.size(), 4u);
    EXPECT_EQ(report[0], "**** Runtime Error No. 32 ****");
    EXPECT_EQ(report[2], "The default value of soil modulus computed in Reese Sand is not-a-number "
                         "for node number 4");
}

// Runtime Error No. 36 keeps its heading with the period after the number; the others follow
// the framed form.
TEST_F(PYFrameworkTest, NotANumberHeadings) {
    struct Case { int number; bool limiting; const char* heading; const char* what; };
    const Case cases[] = {
        {33, true, "**** Runtime Error No. 33 ****", "The default value of soil modulus computed in soft clay is not-a-number for node number 7"},
        {34, false, "**** Runtime Error No. 34 ****", "The computed value of soil modulus computed in soft clay is not-a-number for node number 7"},
        {36, false, "**** Runtime Error No 36. ****", "The computed value of soil modulus computed in soft clay is not-a-number for node number 7"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.number);
        Initialize_Model();
        Capture_Run_Files();
        Raise_Modulus_Not_A_Number(c.number, c.limiting, "soft clay", 7);
        EXPECT_EQ(g_Model.ErrorStatus, k_Status_Runtime_Base + c.number);
        const auto report = Captured_Report_Lines();
        ASSERT_EQ(report.size(), 4u);
        EXPECT_EQ(report[0], c.heading);
        EXPECT_EQ(report[1], "");
        EXPECT_EQ(report[2], c.what);
        EXPECT_EQ(report[3], "This problem is usually due to a required soil property being left equal to zero.");
    }
}

// A criterion's input error: heading and lines to the message file, the report only when asked.
TEST_F(PYFrameworkTest, CriterionInputErrorFramesItsLines) {
    for (const bool to_report : {true, false}) {
        SCOPED_TRACE(to_report);
        Initialize_Model();
        Capture_Run_Files();
        Raise_PY_Input_Error(8, {"", "first", "second"}, to_report);
        EXPECT_EQ(g_Model.ErrorStatus, k_Status_Input_Base + 8);
        const std::vector<std::string> framed = {"**** Input Data Error No. 8 ****", "", "first", "second"};
        EXPECT_EQ(Captured_Message_Lines(), framed);
        const auto report = Captured_Report_Lines();
        const bool has_frame = std::search(report.begin(), report.end(), framed.begin(), framed.end()) != report.end();
        EXPECT_EQ(has_frame, to_report);
    }
}

TEST_F(PYFrameworkTest, CyclesTakenAsOneLeaveTheCountAsRead) {
    // The raises of the criteria in the order of the layers, and the count every later curve of
    // the run takes; the count as read is never written.
    enum Raise { None, Missing, Below_One };
    struct Case { const char* name; double read; Raise first; Raise second; double taken; };
    const Case cases[] = {
        {"no criterion raises", 0.0, None, None, 0.0},
        {"zero taken as one", 0.0, Missing, None, 1.0},
        {"a half is no missing count", 0.5, Missing, None, 0.5},
        {"a half taken as one", 0.5, Below_One, None, 1.0},
        {"a half, weak rock above stiff clay", 0.5, Missing, Below_One, 1.0},
        {"a negative count, stiff clay above weak rock", -3.0, Below_One, Missing, 1.0},
        {"many cycles stay", 100.0, Below_One, Missing, 100.0},
    };
    for (const Case& row : cases) {
        SCOPED_TRACE(row.name);
        Initialize_Model();
        g_Model.NumCycles = row.read;
        for (const Raise raise : {row.first, row.second}) {
            if (raise == Missing) Take_Missing_Cycles_As_One();
            if (raise == Below_One) Take_At_Least_One_Cycle();
        }
        EXPECT_EQ(Cycles_Of_Loading(), row.taken);
        EXPECT_EQ(g_Model.NumCycles, row.read);
    }
}

// The store step of the node loop follows the criterion's rules: a criterion outside soil
// movement leaves the node's load alone, and only a criterion that tests its modulus raises on
// one that is not a number (the limiting modulus with its own error number).
TEST_F(PYFrameworkTest, CriterionStoreStepFollowsTheCriterionsRules) {
    struct Case { const char* name; bool movement; const char* words; bool limiting; double Es;
                  double load; int status; };
    const Case cases[] = {
        {"in soil movement", true, nullptr, false, 50.0, 0.1 * 50.0 + 3.0, 0},
        {"outside soil movement", false, nullptr, false, 50.0, -1.0, 0},
        {"untested not-a-number", true, nullptr, false, std::nan(""), 0.0, 0},
        {"tested secant", true, "Reese Sand", false, std::nan(""), -1.0, k_Status_Runtime_Base + 31},
        {"tested limiting", true, "Reese Sand", true, std::nan(""), -1.0, k_Status_Runtime_Base + 32},
    };
    for (const Case& row : cases) {
        SCOPED_TRACE(row.name);
        Initialize_Model();
        Capture_Run_Files();
        AnalysisModel& m = g_Model;
        m.NumSoilMovementPoints = 2;
        m.SoilMovement_Node[4] = 0.1;
        m.DistLoad_Node[4] = 3.0;
        m.W_Node[4] = -1.0;
        const PYCriterion c = {row.words, 32, 31, row.movement, k_PY_No_Integral, false,
                               nullptr, nullptr};
        Store_Criterion_Modulus(4, PYNodeModulus{row.Es, row.limiting, 0.0, 0.0}, c);
        EXPECT_EQ(m.ErrorStatus, row.status);
        if (std::isnan(row.Es)) {
            EXPECT_TRUE(std::isnan(m.Es_Node[4]));
            // an untested modulus that is not a number still moves the load with it
            if (row.status == 0) EXPECT_TRUE(std::isnan(m.W_Node[4]));
            else EXPECT_EQ(m.W_Node[4], row.load);
        } else {
            EXPECT_EQ(m.Es_Node[4], row.Es);
            EXPECT_DOUBLE_EQ(m.W_Node[4], row.load);
        }
    }
}
