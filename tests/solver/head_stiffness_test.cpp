// The loads of the pile-head stiffness series: the base shear and moment taken from load case 1
// only where that case's values are a shear or a moment, the defaults otherwise, and the twenty
// head loads built from the bases. The stiffness terms themselves are checked end to end
// against closed forms (tests/e2e/head_studies_test.cpp).
#include "solver/head_stiffness.h"

#include <gtest/gtest.h>

#include <cmath>

#include "model/model.h"
#include "model/units.h"
#include "support/model_fixture.h"

namespace {

class HeadStiffnessTest : public ModelTest {};

constexpr double k_Default_Shear_US = 10.0;                    // lbs
constexpr double k_Default_Moment_US = 100.0;                  // in-lb
constexpr double k_Default_Shear_SI = 0.044482216238975525;    // 10 lb in kN, single precision
constexpr double k_Default_Moment_SI = 0.011298480443656445;   // 100 in-lb in kN-m, single precision

struct BaseCase {
    const char* name;
    int units;
    int lrfd;
    int cases;
    int type;
    double load1, load2, thrust;
    double shear, moment, expected_thrust;
};

// A slope, a rotational stiffness or a deflection used to become a "force" base: load 1 is a
// shear only for load types 1-3 and load 2 a moment only for types 1 and 4.
const BaseCase k_Base_Cases[] = {
    {"type 1: shear and moment", k_Units_US, 0, 2, 1, 5000.0, -2.0e5, 1.0e4, 5000.0, -2.0e5, 1.0e4},
    {"type 2: the slope is no moment", k_Units_US, 0, 1, 2, 5000.0, 0.01, 0.0, 5000.0,
     k_Default_Moment_US, 0.0},
    {"type 3: the rotational stiffness is no moment", k_Units_SI, 0, 1, 3, 50.0, 1.0e6, 80.0, 50.0,
     k_Default_Moment_SI, 80.0},
    {"type 4: the deflection is no shear", k_Units_SI, 0, 1, 4, 0.01, 120.0, 0.0,
     k_Default_Shear_SI, 120.0, 0.0},
    {"type 5: neither value is a force", k_Units_US, 0, 1, 5, 0.5, 0.002, 300.0,
     k_Default_Shear_US, k_Default_Moment_US, 300.0},
    {"values below 1e-7 take the defaults", k_Units_SI, 0, 1, 1, 9.0e-8, -9.0e-8, 0.0,
     k_Default_Shear_SI, k_Default_Moment_SI, 0.0},
    {"general units take the plain defaults", 3, 0, 1, 5, 1.0, 1.0, 0.0, k_Default_Shear_US,
     k_Default_Moment_US, 0.0},
    {"no load case: defaults at zero thrust", k_Units_US, 0, 0, 1, 5000.0, 100.0, 50.0,
     k_Default_Shear_US, k_Default_Moment_US, 0.0},
    {"LRFD run: never the combinations' loads", k_Units_SI, -1, 3, 1, 700.0, 900.0, 2500.0,
     k_Default_Shear_SI, k_Default_Moment_SI, 0.0},
};

TEST_F(HeadStiffnessTest, BasesComeFromShearsAndMomentsOfLoadCaseOneOnly) {
    for (const BaseCase& c : k_Base_Cases) {
        SCOPED_TRACE(c.name);
        Initialize_Model();
        AnalysisModel& m = g_Model;
        m.IUNITS = c.units;
        m.b_UseLRFD = c.lrfd;
        m.NumLoadCases = c.cases;
        m.LoadType[1] = c.type;
        m.Load1[1] = c.load1;
        m.Load2[1] = c.load2;
        m.AxialThrustLoad[1] = c.thrust;
        const StiffnessBases b = Stiffness_Series_Bases();
        EXPECT_EQ(b.shear, c.shear);
        EXPECT_EQ(b.moment, c.moment);
        EXPECT_EQ(b.thrust, c.expected_thrust);
    }
}

// Case 1 carries a tenth of the base (0.1 in single precision), cases 2..10 Vb log10(k), so
// that case 10 carries the base itself; the moment series repeats the steps with Mb.
TEST_F(HeadStiffnessTest, SeriesStepsFromATenthToTheBase) {
    const StiffnessBases b{2000.0, -5.0e5, 0.0};
    EXPECT_EQ(Stiffness_Series_Load(1, b), 2000.0 * 0.10000000149011612);
    EXPECT_EQ(Stiffness_Series_Load(11, b), -5.0e5 * 0.10000000149011612);
    EXPECT_EQ(Stiffness_Series_Load(10, b), 2000.0);
    EXPECT_EQ(Stiffness_Series_Load(20, b), -5.0e5);
    EXPECT_DOUBLE_EQ(Stiffness_Series_Load(2, b), 2000.0 * 0.30102999566398120);
    EXPECT_DOUBLE_EQ(Stiffness_Series_Load(15, b), -5.0e5 * 0.69897000433601886);
    for (int j = 2; j <= 10; ++j) {
        EXPECT_GT(Stiffness_Series_Load(j, b), Stiffness_Series_Load(j - 1, b));
        EXPECT_LT(Stiffness_Series_Load(10 + j, b), Stiffness_Series_Load(9 + j, b));
    }
}

}  // namespace
