// Segment equilibrium of a solved pile, with the node results set directly.
// A balanced pile: y(x) = a x^4 + e x^3 + b x^2 + c x + d on eleven nodes, with a stiffness step below
// the head and an axial thrust, and a net load n = W - Es y taken from the difference equation
// the solver satisfies; b makes the difference curvature vanish at the tip, where the moment is
// zero. Every segment then balances to rounding.
// An unbalanced pile: the five-node shape of the load-case results tests (h = 10, EI = 1e6,
// Es = 8, Q = 100, W(3) = 2.5, moments 625, 0, 625, 0, 0 with a specified head moment of 0 and
// a head shear through the imaginary nodes of 0). By hand, segment by segment:
//   check of node   upper shear incl. Q S   lower shear incl. Q S   force F     moment G
//   3 (nodes 1-2)     -2.1875                  29.375               -64.0625   -203.125
//   4 (nodes 2-3)     29.375                   -1.5625               25.9375   -437.5
//   5 (nodes 3-4)     -1.5625                 -32.5                  38.4375    696.875
//   6 (tip segment)  -32.5                     0 (tip shear)        -27.5      -312.5
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "model/model.h"
#include "model/units.h"
#include "report/equilibrium_report.h"
#include "solver/equilibrium.h"
#include "support/model_fixture.h"

namespace {

const std::string k_Confirmation =
    "Output Verification: Computed forces and moments are within specified convergence limits.";

// The checks of every segment, then what the report says of them.
void Run_Checks() {
    for (int k = 3; k <= g_Model.NumNodes + 1; ++k) CheckEquilibrium(k);
    Write_Equilibrium_Result();
}

class BalancedPile : public ModelTest {
protected:
    static constexpr int N = 11;
    static constexpr double h = 2.0;
    static constexpr double a = 1.0e-4;
    static constexpr double x_tip = h * (N - 1);
    static constexpr double e = -2.0e-3;
    static constexpr double b = -(6.0 * a * x_tip * x_tip + a * h * h + 3.0 * e * x_tip);
    static constexpr double Q = 3.0;

    static double X(int j) { return h * (j - 1); }
    static double Y(int j) {
        const double x = X(j);
        return a * std::pow(x, 4) + e * x * x * x + b * x * x - 0.05 * x + 1.5;
    }
    // second difference over h^2 of the polynomial, exact: 12 a x^2 + 2 a h^2 + 6 e x + 2 b
    static double Curvature(int j) {
        const double x = X(j);
        return 12.0 * a * x * x + 2.0 * a * h * h + 6.0 * e * x + 2.0 * b;
    }
    // node 0 above the head carries the head stiffness
    static double EI(int j) { return j <= 5 ? 100.0 : 250.0; }
    static double M(int j) { return EI(j < 1 ? 1 : j) * Curvature(j); }

    void SetUp() override {
        ModelTest::SetUp();
        Capture_Run_Files();
        AnalysisModel& m = g_Model;
        m.IUNITS = k_Units_US;
        Set_Unit_Labels();
        m.NumNodes = N;
        m.IncrementLength = h;
        m.AxialThrust = Q;
        for (int j = -1; j <= N + 1; ++j) Y_Node(j) = Y(j);
        for (int j = 1; j <= N; ++j) {
            m.EI_Node[j] = EI(j);
            m.Es_Node[j] = 0.5;
            m.rd_Moment_Node[j] = j == N ? 0.0 : M(j);
            // the difference equation of node j: (M(j+1) - 2M(j) + M(j-1))/h^2 + Q y''(j) = W - Es y
            const double n = j == N ? 0.0
                                    : (M(j + 1) - 2.0 * M(j) + M(j - 1)) / (h * h) + Q * Curvature(j);
            m.W_Node[j] = n + m.Es_Node[j] * Y(j);
        }
        m.rd_HeadMomentResult = M(1);
    }
};

// Moments are of order 10..100 here; rounding leaves imbalances near 1e-13.
constexpr double k_Rounding = 1e-9;

TEST_F(BalancedPile, EverySegmentBalancesAndTheReportConfirmsIt) {
    for (int k = 3; k <= N; ++k) CheckEquilibrium(k);
    // the force balance of the inner segments does not depend on the tip shear
    EXPECT_LT(std::fabs(g_Model.rd_MaxForceImbalance), k_Rounding);
    CheckEquilibrium(N + 1);
    Write_Equilibrium_Result();
    EXPECT_LT(std::fabs(g_Model.rd_MaxMomentImbalance), k_Rounding);
    EXPECT_EQ(Captured_Report_Lines(), (std::vector<std::string>{"", k_Confirmation, ""}));
    EXPECT_TRUE(Captured_Message_Lines().empty());
}

TEST_F(BalancedPile, ConfirmationIsLeftOutInSummaryOnlyModeAndWithTheStiffnessOption) {
    struct Mode {
        const char* name;
        int summary_only;
        int stiffness_option;
    };
    const Mode modes[] = {{"summary only", -1, 0}, {"pile-head stiffness option", 0, -1}};
    for (const Mode& row : modes) {
        SCOPED_TRACE(row.name);
        Capture_Run_Files();
        g_Model.b_PrintSummaryOnly = row.summary_only;
        g_Model.b_ComputeKmatrix = row.stiffness_option;
        Run_Checks();
        EXPECT_TRUE(Captured_Report_Lines().empty());
        EXPECT_TRUE(Captured_Message_Lines().empty());
    }
}

TEST_F(BalancedPile, AnAbruptStiffnessChangeAtTheHeadIsWarned) {
    // the head shear through the imaginary nodes takes EI(1); the moment of node 2 was
    // computed with a much stiffer section, as when the head section cracks between solutions
    g_Model.EI_Node[1] = 40.0;
    Run_Checks();
    EXPECT_EQ(g_Model.i_MaxMomentImbalanceNode, 3);
    EXPECT_GT(std::fabs(g_Model.rd_MaxMomentImbalance), 1.0);
    EXPECT_GE(Find_Line(Captured_Report_Lines(), "**** Warning - POSSIBLE SOLUTION ERROR 5501 ****"),
              0);
}

class UnbalancedPile : public ModelTest {
protected:
    void SetUp() override {
        ModelTest::SetUp();
        Capture_Run_Files();
        AnalysisModel& m = g_Model;
        m.IUNITS = k_Units_US;
        Set_Unit_Labels();
        m.NumNodes = 5;
        m.IncrementLength = 10.0;
        m.AxialThrust = 100.0;
        const double y[8] = {1.0, 0.75, 0.5, 0.3125, 0.125, 0.0, -0.125, -0.25};
        for (int k = -1; k <= 6; ++k) Y_Node(k) = y[k + 1];
        const double M[6] = {0.0, 625.0, 0.0, 625.0, 0.0, 0.0};
        for (int k = 1; k <= 5; ++k) {
            m.EI_Node[k] = 1.0e6;
            m.Es_Node[k] = 8.0;
            m.rd_Moment_Node[k] = M[k];
        }
        m.W_Node[3] = 2.5;
        m.rd_HeadMomentResult = 0.0;   // the specified head moment of load type 1
    }
};

TEST_F(UnbalancedPile, EachCheckKeepsTheLargerImbalanceWithItsNode) {
    struct Step {
        int k;
        double moment;
        int moment_node;
        double force;
        int force_node;
    };
    const Step steps[] = {
        {3, -203.125, 3, -64.0625, 3},
        {4, -437.5, 4, -64.0625, 3},
        {5, 696.875, 5, -64.0625, 3},
        {6, 696.875, 5, -64.0625, 3},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.k);
        CheckEquilibrium(s.k);
        EXPECT_DOUBLE_EQ(g_Model.rd_MaxMomentImbalance, s.moment);
        EXPECT_EQ(g_Model.i_MaxMomentImbalanceNode, s.moment_node);
        EXPECT_DOUBLE_EQ(g_Model.rd_MaxForceImbalance, s.force);
        EXPECT_EQ(g_Model.i_MaxForceImbalanceNode, s.force_node);
    }
}

TEST_F(UnbalancedPile, TheNextCaseStartsAfreshAtNode3) {
    Run_Checks();
    // a second case whose head segment has the smaller imbalances keeps its own
    Capture_Run_Files();
    g_Model.rd_Moment_Node[4] = 625.0;
    g_Model.rd_Moment_Node[5] = 625.0;
    CheckEquilibrium(3);
    EXPECT_DOUBLE_EQ(g_Model.rd_MaxMomentImbalance, -203.125);
    EXPECT_EQ(g_Model.i_MaxMomentImbalanceNode, 3);
}

const std::vector<std::string> k_Warning_Body = {
    "",
    "Force and moment imbalances may be too large for a good solution.",
    "",
    "The cause of the imbalance may be due to extreme changes in magnitude",
    "",   // the unit system's wording of where, filled in below
    "which may affect the finite difference computation of shear force.",
    "",
    "Please examine curves and printed output for deflection, moment, shear force,",
    "and number of iterations to determine if computed values are reasonable.",
    "If the shear force shows large changes, increase the number of nodal points",
    "(pile increments) and repeat the analysis.",
    "",
};

struct WarningCase {
    const char* name;
    int units;
    int summary_only;
    const char* report_heading;
    const char* message_heading;
    const char* where;
    const char* moment_unit;
    const char* force_unit;
};

TEST_F(UnbalancedPile, WarningBlocksInReportAndMessageFile) {
    const WarningCase cases[] = {
        {"US", k_Units_US, 0, "**** Warning - POSSIBLE SOLUTION ERROR 5501 ****",
         "**** Warning - POSSIBLE SOLUTION ERROR 550 ****",
         "of nonlinear bending stiffness within three nodal points of the top of the pile", "in-lb",
         "lbs"},
        {"SI", k_Units_SI, 0, "**** Warning - Possible Solution Error 5501 ****",
         "**** Warning - Possible Solution Error 550 ****",
         "of nonlinear bending stiffness within the top three nodal points of the pile", "kN-m",
         "kN"},
        {"US, summary only: the warning is still written", k_Units_US, -1,
         "**** Warning - POSSIBLE SOLUTION ERROR 5501 ****",
         "**** Warning - POSSIBLE SOLUTION ERROR 550 ****",
         "of nonlinear bending stiffness within three nodal points of the top of the pile", "in-lb",
         "lbs"},
    };
    for (const WarningCase& row : cases) {
        SCOPED_TRACE(row.name);
        Capture_Run_Files();
        g_Model.IUNITS = row.units;
        g_Model.b_PrintSummaryOnly = row.summary_only;
        Set_Unit_Labels();
        Run_Checks();
        std::vector<std::string> body = k_Warning_Body;
        body[4] = row.where;

        std::vector<std::string> report = {"", "", row.report_heading};
        report.insert(report.end(), body.begin(), body.end());
        // width 12 of the report's number forms: five decimals between 0.001 and 10000
        report.push_back(std::string("Maximum internal moment imbalance for pile        =    696.87500 ") +
                         row.moment_unit);
        report.push_back(std::string("Maximum internal lateral force imbalance for pile =    -64.06250 ") +
                         row.force_unit);
        EXPECT_EQ(Captured_Report_Lines(), report);

        std::vector<std::string> messages = {"", "", row.message_heading};
        messages.insert(messages.end(), body.begin(), body.end());
        // E12.5 as gfortran writes it; both values are exact binary ties, rounded to even
        messages.push_back(std::string("Maximum internal moment imbalance for pile solution         =  "
                                       "0.69688E+03 ") + row.moment_unit + " at node 5");
        messages.push_back(std::string("Maximum internal lateral force imbalance for pile  solution = "
                                       "-0.64062E+02 ") + row.force_unit + " at node 3");
        EXPECT_EQ(Captured_Message_Lines(), messages);
    }
}

// The limit is 1 inch-pound, or its SI value in kN-m; a moment imbalance exactly at it passes.
struct LimitCase {
    const char* name;
    int units;
    double imbalance;
    bool warned;
};

class EquilibriumLimit : public ModelTest {};

TEST_F(EquilibriumLimit, MomentImbalanceAboveOneInchPoundIsWarned) {
    const LimitCase cases[] = {
        {"US at the limit", k_Units_US, 1.0, false},
        {"US above the limit", k_Units_US, 1.0000001, true},
        {"US negative above the limit", k_Units_US, -1.5, true},
        {"SI at the limit", k_Units_SI, 0.00011298, false},
        {"SI above the limit", k_Units_SI, 0.000113, true},
        {"SI: one inch-pound is above it", k_Units_SI, 1.0, true},
    };
    AnalysisModel& m = g_Model;
    // a straight, unloaded pile of four nodes: only the head segment is out of balance, by the
    // head moment kept for the report, since every node's moment is zero
    m.NumNodes = 4;
    m.IncrementLength = 1.0;
    for (const LimitCase& row : cases) {
        SCOPED_TRACE(row.name);
        Capture_Run_Files();
        m.IUNITS = row.units;
        Set_Unit_Labels();
        m.rd_HeadMomentResult = row.imbalance;
        Run_Checks();
        EXPECT_DOUBLE_EQ(m.rd_MaxMomentImbalance, row.imbalance);
        EXPECT_EQ(m.i_MaxMomentImbalanceNode, 3);
        EXPECT_EQ(Find_Line(Captured_Report_Lines(), k_Confirmation) >= 0, !row.warned);
        EXPECT_EQ(Captured_Message_Lines().empty(), !row.warned);
    }
}

}  // namespace
