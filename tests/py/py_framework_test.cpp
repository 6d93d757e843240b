// Multipliers by depth, the sloping ground factor and the printed label lines.
#include <gtest/gtest.h>

#include <cmath>

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
