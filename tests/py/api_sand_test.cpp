// API sand criterion against hand calculations: the coefficients C1, C2 and C3, the factor A,
// the hyperbolic-tangent curve, then the criterion over a layer and its printed block.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "model/model.h"
#include "model/soil_types.h"
#include "model/units.h"
#include "py/api_sand.h"
#include "py/criteria.h"
#include "py/layered_pile.h"
#include "support/model_fixture.h"

namespace {

const double k_Pi = 3.141592653589793;
constexpr double k_K0 = 0.4000000059604645;   // 0.4 (s), the criterion's K0

}  // namespace

TEST(ApiSandLaw, CoefficientsAtThirtyDegreesByHand) {
    // beta = 60, alpha = 15 degrees, K0 = 0.4:
    // C1 = tan60 [tan^2 60 tan15 + 0.4 (tan30 sin60 (1/cos15 + 1) - tan15)] = 1.91170;
    // C2 = Kp - Ka = 3 - 1/3; C3 = tan^4 60 (Kp + 0.4 tan30) - Ka = 9 (3.23094) - 1/3.
    const ApiSandCoefficients C = Api_Sand_Coefficients(Sand_Angles(k_Pi / 6.0, 0.4), 1.0 / 3.0);
    EXPECT_NEAR(C.C1, 1.9117045497391574, 1e-13);
    EXPECT_NEAR(C.C2, 8.0 / 3.0, 1e-13);
    EXPECT_NEAR(C.C3, 28.74512763574927, 1e-12);
    // Level ground, b = 1, gamma' = 10: the wedge (C1 zu + C2 b) gamma zu governs near the
    // surface, the flow C3 b gamma zg at depth; they cross at zu = b (C3 - C2) / C1 = 13.6 m.
    struct Case { const char* name; double z; double Pu; };
    const Case cases[] = {
        {"wedge at 2 m", 2.0, (1.9117045497391574 * 2.0 + 8.0 / 3.0) * 20.0},
        {"flow at 20 m", 20.0, 28.74512763574927 * 200.0},
    };
    for (const Case& row : cases) {
        SCOPED_TRACE(row.name);
        EXPECT_NEAR(Api_Sand_Level_Resistance(C, 10.0, row.z, row.z, 1.0).Pu, row.Pu, 1e-9 * row.Pu);
    }
}

TEST(ApiSandLaw, FactorAAndTangentCurve) {
    struct Case { const char* name; double zu; bool cyclic; double A; };
    const Case cases[] = {
        {"static at the surface", 0.0, false, 3.0},
        {"static at one diameter", 1.0, false, 3.0 - 0.800000011920929},
        {"static deep: at least 0.9", 5.0, false, 0.8999999761581421},
        {"cyclic", 0.5, true, 0.8999999761581421},
    };
    for (const Case& row : cases) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(Api_Sand_A(row.zu, 1.0, row.cyclic), row.A);
    }
    // p = A Pu tanh(k zu y / (A Pu)): half of A Pu where the argument is atanh(1/2).
    const double A = 2.0, Pu = 300.0, k = 20000.0, zu = 2.0;
    const double y_half = std::atanh(0.5) * A * Pu / (k * zu);
    EXPECT_NEAR(Api_Sand_P(A, Pu, k, zu, y_half), 0.5 * A * Pu, 1e-10);
    EXPECT_NEAR(Api_Sand_P(A, Pu, k, zu, 1.0), A * Pu, 1e-9);
    EXPECT_NEAR(Api_Sand_P(A, Pu, k, zu, 1e-9) / 1e-9, k * zu, 1e-3);   // initial slope k zu
    EXPECT_EQ(Api_Sand_P(A, Pu, k, 0.0, 0.5), 0.0);                    // at the ground surface
}

TEST(ApiSandLaw, DirectionFactorOnSlopingGround) {
    const double t = 0.25;
    struct Case { const char* name; double yd; double slope; double f; };
    const Case cases[] = {
        {"pushing down a positive slope", 0.01, 0.1, 1.25},
        {"pushing up a positive slope", -0.01, 0.1, 0.75},
        {"pushing up a negative slope", 0.01, -0.1, 0.75},
        {"pushing down a negative slope", -0.01, -0.1, 1.25},
        {"no deflection, positive slope", 0.0, 0.1, 1.25},
        {"no deflection, negative slope: the smaller resistance", 0.0, -0.1, 1.25},
        {"deflection within 1e-14", 5e-15, -0.1, 1.25},
    };
    for (const Case& row : cases) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(Api_Sand_Direction_Factor(row.yd, row.slope, t), row.f);
    }
}

// ---- The criterion over a layer --------------------------------------------------------

namespace {

// SI: a 1 m pile, 16 m long, nodes every 2 m, in one API sand layer from the pile head:
// gamma' = 10 kN/m3, phi = 30 degrees, k = 20000 kN/m3 (the default when k_top is 0).
void Set_Up_Api_Sand(double k_top, double phi_top = 30.0, double phi_bottom = 30.0) {
    Set_Up_Pile(k_Units_SI, 1.0, 16.0, 9);
    Add_Layer(k_Soil_APISand, 0.0, 16.0, {10.0, 0.0, 0.0, 0.0, phi_top},
              {10.0, 0.0, 0.0, 0.0, phi_bottom}, k_top, 20000.0);
    Assign_Layers();
}

// Pu of the layer at depth z (level ground, the criterion's K0).
double Layer_Pu(double z) {
    const SandAngles a = Sand_Angles(k_Pi / 6.0, k_K0);
    return Api_Sand_Level_Resistance(Api_Sand_Coefficients(a, a.Ka), 10.0, z, z, 1.0).Pu;
}

}  // namespace

class ApiSandTest : public ModelTest {};

TEST_F(ApiSandTest, ModulusFromTheTangentCurveAndTheInitialSlope) {
    Set_Up_Api_Sand(20000.0);
    AnalysisModel& m = g_Model;
    for (int k = 1; k <= 9; ++k) Y_Node(k) = 1.0;
    Y_Node(3) = 0.0;
    PY_APISand(1, false);
    ASSERT_EQ(m.ErrorStatus, 0);
    EXPECT_NEAR(m.Es_Node[3], 20000.0 * 4.0, 1e-9);   // no deflection: k zu
    // node 5 at 8 m: A = 0.9, the curve is flat at A Pu by 1 m (argument above 100)
    const double p = 0.8999999761581421 * Layer_Pu(8.0);
    EXPECT_NEAR(m.Es_Node[5], p / 1.0, 1e-9 * p);
    // layer integral of p(3 b / 80): at the head zu = 0 gives 0, so it is a sum of trapezoids
    double Fu = 0.0, prev = 0.0;
    for (int k = 2; k <= 9; ++k) {
        const double z = 2.0 * (k - 1);
        const double A = std::max(3.0 - 0.800000011920929 * z, 0.8999999761581421);
        const double p80 = A * Layer_Pu(z) * std::tanh(3.0 / 80.0 * 20000.0 * z / (A * Layer_Pu(z)));
        Fu += (prev + p80) * 1.0;
        prev = p80;
    }
    EXPECT_NEAR(m.Fu_Layer[1], Fu, 1e-9 * Fu);
}

TEST_F(ApiSandTest, KeptAngleValuesFollowAChangeOfTheFrictionAngle) {
    // The node's angle functions and coefficients are kept from one iteration to the next; a
    // different friction angle at the node (another layer, another problem) computes them anew.
    Set_Up_Api_Sand(20000.0);
    AnalysisModel& m = g_Model;
    for (int k = 1; k <= 9; ++k) Y_Node(k) = 1.0;
    PY_APISand(1, false);
    const double at_30 = m.Es_Node[5];
    PY_APISand(1, false);
    EXPECT_EQ(m.Es_Node[5], at_30);   // kept values give the same modulus to the bit
    m.FrictionAngleAtPoint[1] = m.FrictionAngleAtPoint[2] = 36.0;   // the layer's top and bottom
    const double kept_phi = m.rd_APISandPhi[5];
    PY_APISand(1, false);
    EXPECT_NE(m.rd_APISandPhi[5], kept_phi);
    // 36 degrees resist more than 30: the values were not the kept ones
    EXPECT_GT(m.Es_Node[5], 1.2 * at_30);
    const SandAngles a = Sand_Angles(36.0 * k_Pi / 180.0, k_K0);
    EXPECT_EQ(m.rd_APISandC3[5], Api_Sand_Coefficients(a, a.Ka).C3);
}

TEST_F(ApiSandTest, ZeroFrictionAngleIsInputError1BelowTheFirstNode) {
    Capture_Run_Files();
    Set_Up_Api_Sand(20000.0, 0.0, 0.0);
    AnalysisModel& m = g_Model;
    m.Es_Node[1] = m.Es_Node[2] = -1.0;
    for (int k = 1; k <= 9; ++k) Y_Node(k) = 0.01;
    PY_APISand(1, false);
    EXPECT_EQ(m.ErrorStatus, 101);
    EXPECT_EQ(m.Es_Node[1], 0.0);   // the first node was computed: no resistance at the surface
    EXPECT_EQ(m.Es_Node[2], -1.0);
    const auto report = Captured_Report_Lines();
    const int at = Find_Line(report, "**** Input Data Error No. 1 ****");
    ASSERT_GE(at, 0);
    EXPECT_EQ(report[at + 3], "curve using the API sand criteria for layer 1.");
    EXPECT_GE(Find_Line(Captured_Message_Lines(), "Problem:  A zero was input for the friction angle for sand."), 0);
}

TEST_F(ApiSandTest, SlopeSteeperThanFrictionAngleInLayer1IsInputError2) {
    Capture_Run_Files();
    Set_Up_Api_Sand(20000.0);
    g_Model.GroundSlope = g_Model.EffectiveSlope = 32.0 * k_Pi / 180.0;
    PY_APISand(1, false);
    EXPECT_EQ(g_Model.ErrorStatus, 102);
    const auto report = Captured_Report_Lines();
    const int at = Find_Line(report, "**** Input Data Error No. 2 ****");
    ASSERT_GE(at, 0);
    EXPECT_EQ(report[at + 3], "curve using the API criteria for sand for layer 1.");
    // the same framed lines in the message file and then in the report
    const std::vector<std::string> framed = {
        "**** Input Data Error No. 2 ****", "",
        "An error was detected in the input data when computing a p-y.",
        "curve using the API criteria for sand for layer 1.", "",
        "Problem:  The angle of the ground slope can not be greater ",
        "than the internal friction angle of the sand.", "",
        "Solution:  Set the value for slope angle to be less than ", "the angle of friction."};
    const auto messages = Captured_Message_Lines();
    const int first = Find_Line(messages, framed[0]);
    ASSERT_GE(first, 0);
    ASSERT_GE(messages.size(), static_cast<std::size_t>(first) + framed.size());
    EXPECT_EQ(std::vector<std::string>(messages.begin() + first, messages.begin() + first + framed.size()), framed);
    ASSERT_GE(report.size(), static_cast<std::size_t>(at) + framed.size());
    EXPECT_EQ(std::vector<std::string>(report.begin() + at, report.begin() + at + framed.size()), framed);
}

TEST_F(ApiSandTest, FrictionAngleWarningIsOnlyCounted) {
    Capture_Run_Files();
    Set_Up_Api_Sand(20000.0, 18.0, 18.0);
    PY_APISand(1, false);
    ASSERT_EQ(g_Model.ErrorStatus, 0);
    EXPECT_EQ(g_Model.WarningLog[303], 9);
    EXPECT_TRUE(Captured_Message_Lines().empty());
}

TEST_F(ApiSandTest, PrintedBlockEndsAtTanhPi) {
    struct Case { const char* name; double depth; double k_top; };
    const Case cases[] = {{"at 2 m with k = 20000", 2.0, 20000.0}, {"at the surface, default k", 0.0, 0.0}};
    for (const Case& row : cases) {
        SCOPED_TRACE(row.name);
        Initialize_Model();
        Set_Up_Api_Sand(row.k_top);
        Capture_Run_Files();
        AnalysisModel& m = g_Model;
        m.rd_PYCurveDepth[1] = row.depth;
        m.i_TopPYDepthInLayer[1] = m.i_BottomPYDepthInLayer[1] = 1;
        PY_APISand(1, true);
        ASSERT_EQ(m.ErrorStatus, 0);
        const auto report = Captured_Report_Lines();
        ASSERT_EQ(report[2], "p-y Curve Computed Using API Sand Criteria for Static Loading");
        EXPECT_EQ(report[25], "This p-y curve is computed using the equivalent depth.");
        EXPECT_EQ(report[27], "        y, m             p, kN/m");
        EXPECT_EQ(report[28], "----------------    -----------------");
        const std::string last = report[45];
        if (row.depth > 0.0) {
            // A = 3 - 1.6 = 1.4; the 17th point is at y = pi A Pu / (k zu) with p = A Pu tanh(pi)
            const double A = 3.0 - 2.0 * 0.800000011920929;
            const double y = k_Pi * A * Layer_Pu(2.0) / 40000.0;
            const double p = A * Layer_Pu(2.0) * std::tanh(k_Pi);
            EXPECT_NEAR(std::strtod(last.substr(0, 15).c_str(), nullptr), y, 5e-5);
            EXPECT_NEAR(std::strtod(last.substr(15).c_str(), nullptr), p, 5e-4);
            EXPECT_EQ(report.size(), 46u);
        } else {
            // no resistance at the surface; steps of 0.00127 m
            EXPECT_EQ(last, "         0.0203            0.000");
            EXPECT_EQ(report[47], "The above p-y curve was computed using the internal default value of k.");
        }
    }
}
