// The beam-column solver against closed-form solutions: a long pile on a uniform Winkler
// foundation (Hetenyi's semi-infinite beam) under all five pile-head conditions, a cantilever
// without soil, and a beam-column with axial thrust. Soil moduli and stiffnesses are set
// directly; the p-y criteria play no part.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <utility>
#include <string>
#include <vector>

#include "model/model.h"
#include "solver/beam_column.h"
#include "solver/node_response.h"
#include "support/model_fixture.h"

namespace {

constexpr double k_Pi = 3.141592653589793;

// A prismatic pile of n increments over length L with bending stiffness EI and a uniform soil
// modulus Es at every node, one section, load case 1.
void Set_Uniform_Pile(int n, double L, double EI, double Es) {
    AnalysisModel& m = g_Model;
    m.NumNodes = n + 1;
    m.IncrementLength = L / n;
    for (int k = 1; k <= n + 1; ++k) {
        m.XNode[k] = (k - 1) * m.IncrementLength;
        m.EI_Node[k] = EI;
        m.Es_Node[k] = Es;
        m.i_SectionOfNode[k] = 1;
    }
    m.XNode[n + 1] = L;
    m.i_CurrentLoadCase = 1;
}

void Respond_All_Nodes() {
    Reset_Response_Maxima();
    for (int k = 1; k <= g_Model.NumNodes; ++k) NodeResponse(k);
}

void Set_Head(int type, double load1, double load2) {
    AnalysisModel& m = g_Model;
    m.i_HeadLoadType = type;
    switch (type) {
        case 1: m.HeadShear = load1; m.HeadMoment = load2; break;
        case 2: m.HeadShear = load1; m.HeadSlope = load2; break;
        case 3: m.HeadShear = load1; m.HeadRotStiffness = load2; break;
        case 4: m.HeadDeflection = load1; m.HeadMoment = load2; break;
        default: m.HeadDeflection = load1; m.HeadSlope = load2; break;
    }
}

// Head response of a semi-infinite beam on a Winkler foundation (Hetenyi), with x downward,
// M = EI y'' and V = EI y''': y0 = 2V beta/k + 2M beta^2/k, S0 = -2V beta^2/k - 4M beta^3/k.
struct HeadState {
    double y, S, V, M;
};
HeadState Winkler_Head(double beta, double k, int type, double load1, double load2) {
    const double b2 = beta * beta;
    const double b3 = b2 * beta;
    HeadState s{};
    switch (type) {
        case 1: s.V = load1; s.M = load2; break;
        case 2: s.V = load1; s.S = load2; s.M = -(load2 + 2.0 * load1 * b2 / k) * k / (4.0 * b3); break;
        case 3: {
            s.V = load1;
            const double S = -2.0 * load1 * b2 / k / (1.0 + 4.0 * b3 * load2 / k);
            s.M = load2 * S;
            break;
        }
        case 4: s.M = load2; s.V = load1 * k / (2.0 * beta) - load2 * beta; break;
        default:
            s.M = -(beta * load1 + load2) * k / (2.0 * b3);
            s.V = load1 * k / (2.0 * beta) - s.M * beta;
            break;
    }
    s.y = 2.0 * s.V * beta / k + 2.0 * s.M * b2 / k;
    s.S = -2.0 * s.V * b2 / k - 4.0 * s.M * b3 / k;
    return s;
}

// A long pile: EI 1e5 kN-m2 and k 1e4 kN/m2 give beta = 0.3976 /m; 30 m gives beta L = 11.9,
// so the tip changes the head response by about exp(-11.9), far below the difference error.
constexpr double k_EI = 1.0e5;
constexpr double k_Soil = 1.0e4;
constexpr double k_Long_Length = 30.0;

double Beta() { return std::pow(k_Soil / (4.0 * k_EI), 0.25); }

// The scheme is second order: its error in head deflection, slope, shear and moment is about
// C (beta h)^2 with C below 2 for these quantities (measured C: 0.25 deflection, 0.5 slope,
// 1.25 for the head moment under an imposed slope). With 200 increments beta h = 0.06, so
// 2 (beta h)^2 = 0.72 % bounds the error; with 400 increments 0.18 %.
double Second_Order_Bound(int n) {
    const double bh = Beta() * k_Long_Length / n;
    return 2.0 * bh * bh;
}

void Expect_Close(double actual, double expected, double scale, double rel, const char* what) {
    SCOPED_TRACE(what);
    EXPECT_LE(std::fabs(actual - expected), rel * std::fabs(scale))
        << "actual " << actual << " expected " << expected;
}

struct HeadCase {
    const char* name;
    int type;
    double load1, load2;
};
const HeadCase k_Head_Cases[] = {
    {"type 1, shear and moment", 1, 100.0, 50.0},
    {"type 2, fixed head", 2, 100.0, 0.0},
    {"type 2, imposed rotation", 2, 100.0, -2.0e-4},
    {"type 3, rotational restraint", 3, 100.0, 2.0e4},
    {"type 4, deflection and moment", 4, 0.01, 50.0},
    {"type 5, deflection and slope", 5, 0.01, -3.0e-3},
};

class WinklerPile : public ModelTest {};

TEST_F(WinklerPile, HeadResponseOfEveryLoadTypeMatchesHetenyi) {
    for (int n : {200, 400})
    for (const HeadCase& row : k_Head_Cases) {
        SCOPED_TRACE(row.name);
        SCOPED_TRACE(n);
        Initialize_Model();
        Set_Uniform_Pile(n, k_Long_Length, k_EI, k_Soil);
        Set_Head(row.type, row.load1, row.load2);
        SolvePile(1);
        ASSERT_EQ(g_Model.ErrorStatus, 0);
        Respond_All_Nodes();
        const HeadState e = Winkler_Head(Beta(), k_Soil, row.type, row.load1, row.load2);
        const double tol = Second_Order_Bound(n);
        // Each quantity is compared on the scale of its own magnitude in the closed form; the
        // imposed quantities of a load type then check that the condition really holds.
        Expect_Close(Y_Node(1), e.y, e.y, tol, "deflection");
        Expect_Close(g_Model.rd_HeadSlopeResult, e.S,
                     std::fabs(e.S) > 0 ? e.S : 2.0 * e.V * Beta() * Beta() / k_Soil, tol, "slope");
        Expect_Close(g_Model.rd_HeadShearResult, e.V, e.V, tol, "shear");
        Expect_Close(g_Model.rd_HeadMomentResult, e.M,
                     std::fabs(e.M) > 0 ? e.M : e.V / Beta(), tol, "moment");
    }
}

TEST_F(WinklerPile, MaximumMomentAndItsDepthMatchHetenyiForFreeAndFixedHeads) {
    const int n = 200;
    const double V = 100.0;
    const double beta = Beta();
    const double h = k_Long_Length / n;
    struct Case {
        const char* name;
        int type;
        double max_moment;   // closed form, signed
        double depth;
    };
    // free head: M(x) = (V/beta) exp(-beta x) sin(beta x), largest at beta x = pi/4;
    // fixed head: M(0) = -V/(2 beta) is the largest
    const Case cases[] = {
        {"free head", 1, V / beta * std::exp(-k_Pi / 4.0) * std::sin(k_Pi / 4.0), k_Pi / (4.0 * beta)},
        {"fixed head", 2, -V / (2.0 * beta), 0.0},
    };
    for (const Case& row : cases) {
        SCOPED_TRACE(row.name);
        Initialize_Model();
        Set_Uniform_Pile(n, k_Long_Length, k_EI, k_Soil);
        Set_Head(row.type, V, 0.0);
        SolvePile(1);
        Respond_All_Nodes();
        Expect_Close(g_Model.rd_MaxMoment, row.max_moment, row.max_moment, Second_Order_Bound(n),
                     "maximum moment");
        // the maximum is taken at nodes: its depth lies within half an increment of the peak
        EXPECT_NEAR(g_Model.rd_XMaxMoment, row.depth, 0.5 * h + 1e-12);
        // the largest shear of a head-loaded pile is the head shear
        Expect_Close(g_Model.rd_MaxShear, V, V, Second_Order_Bound(n), "maximum shear");
    }
}

TEST_F(WinklerPile, HalvingTheIncrementQuartersTheError) {
    // error of head deflection (free head) and head moment (fixed head) at 100, 200, 400
    // increments; a second-order scheme gives ratios near 4 (3.5 to 4.5 allows for the
    // higher-order terms at the coarsest spacing)
    struct Case {
        const char* name;
        int type;
    };
    const Case cases[] = {{"free head deflection", 1}, {"fixed head moment", 2}};
    for (const Case& row : cases) {
        SCOPED_TRACE(row.name);
        std::vector<double> errors;
        for (int n : {100, 200, 400}) {
            Initialize_Model();
            Set_Uniform_Pile(n, k_Long_Length, k_EI, k_Soil);
            Set_Head(row.type, 100.0, 0.0);
            SolvePile(1);
            Respond_All_Nodes();
            const HeadState e = Winkler_Head(Beta(), k_Soil, row.type, 100.0, 0.0);
            errors.push_back(row.type == 1 ? std::fabs(Y_Node(1) - e.y)
                                           : std::fabs(g_Model.rd_HeadMomentResult - e.M));
        }
        for (std::size_t i = 1; i < errors.size(); ++i) {
            const double ratio = errors[i - 1] / errors[i];
            EXPECT_GT(ratio, 3.5);
            EXPECT_LT(ratio, 4.5);
        }
    }
}

// Exact deflection of a uniform beam of length L on a Winkler foundation (EI y'''' + k y = 0),
// as a combination of exp(-+beta x) cos/sin(beta x) fixed by four boundary conditions. Each
// condition is sum_j w_j y^(j)(x) = g at x = 0 or x = L.
struct Condition {
    double x;
    double w[4];   // weights of y, y', y'', y'''
    double g;
};
struct FiniteBeam {
    double beta;
    double coef[4];   // of exp(-bx)cos, exp(-bx)sin, exp(bx)cos, exp(bx)sin
};

// j-th derivative at x of basis function f (0..3).
double Basis_Derivative(double beta, int f, int j, double x) {
    const double s = f < 2 ? -beta : beta;
    double P = (f % 2 == 0) ? 1.0 : 0.0;   // exp(sx) (P cos + R sin)
    double R = 1.0 - P;
    for (int i = 0; i < j; ++i) {
        const double p = s * P + beta * R;
        const double r = s * R - beta * P;
        P = p;
        R = r;
    }
    return std::exp(s * x) * (P * std::cos(beta * x) + R * std::sin(beta * x));
}

FiniteBeam Solve_Finite_Beam(double beta, const Condition (&bc)[4]) {
    double A[4][5];
    for (int i = 0; i < 4; ++i) {
        for (int f = 0; f < 4; ++f) {
            A[i][f] = 0.0;
            for (int j = 0; j < 4; ++j) A[i][f] += bc[i].w[j] * Basis_Derivative(beta, f, j, bc[i].x);
        }
        A[i][4] = bc[i].g;
    }
    for (int c = 0; c < 4; ++c) {   // elimination with partial pivoting
        int p = c;
        for (int r = c + 1; r < 4; ++r)
            if (std::fabs(A[r][c]) > std::fabs(A[p][c])) p = r;
        for (int j = 0; j < 5; ++j) std::swap(A[c][j], A[p][j]);
        for (int r = 0; r < 4; ++r) {
            if (r == c) continue;
            const double f = A[r][c] / A[c][c];
            for (int j = c; j < 5; ++j) A[r][j] -= f * A[c][j];
        }
    }
    FiniteBeam beam{beta, {}};
    for (int f = 0; f < 4; ++f) beam.coef[f] = A[f][4] / A[f][f];
    return beam;
}

double Beam_Derivative(const FiniteBeam& beam, int j, double x) {
    double v = 0.0;
    for (int f = 0; f < 4; ++f) v += beam.coef[f] * Basis_Derivative(beam.beta, f, j, x);
    return v;
}

TEST_F(WinklerPile, ShortPileWithTipShearMatchesTheExactFiniteBeam) {
    // beta L = 2.4: the tip matters; the tip shear resists the tip deflection (the pile's
    // shear EI y''' equals V_t at the tip), and the tip carries no moment
    const double L = 2.4 / Beta();
    const double Vt = 30.0;
    struct Case {
        const char* name;
        int type;
        double load1, load2;
        double head_w[4];   // the second head condition
        double head_g;
    };
    const Case cases[] = {
        {"type 1", 1, 100.0, 40.0, {0, 0, k_EI, 0}, 40.0},
        {"type 2", 2, 100.0, -1.0e-4, {0, 1, 0, 0}, -1.0e-4},
        {"type 3", 3, 100.0, 3.0e4, {0, -3.0e4, k_EI, 0}, 0.0},
    };
    for (int n : {100, 200})
    for (const Case& row : cases) {
        SCOPED_TRACE(row.name);
        SCOPED_TRACE(n);
        const Condition bc[4] = {{0.0, {0, 0, 0, k_EI}, row.load1},
                                 {0.0, {row.head_w[0], row.head_w[1], row.head_w[2], row.head_w[3]},
                                  row.head_g},
                                 {L, {0, 0, 1, 0}, 0.0},
                                 {L, {0, 0, 0, k_EI}, Vt}};
        const FiniteBeam beam = Solve_Finite_Beam(Beta(), bc);

        Initialize_Model();
        Set_Uniform_Pile(n, L, k_EI, k_Soil);
        g_Model.NumTipShearPoints = 1;
        g_Model.YTipShear[1] = 1.0e30;
        g_Model.TipShear = Vt;
        Set_Head(row.type, row.load1, row.load2);
        SolvePile(1);
        ASSERT_EQ(g_Model.ErrorStatus, 0);
        Respond_All_Nodes();
        const double bh = Beta() * L / n;
        const double tol = 2.0 * bh * bh;   // second order as for the long pile
        const double y0 = Beam_Derivative(beam, 0, 0.0);
        const double yL = Beam_Derivative(beam, 0, L);
        Expect_Close(Y_Node(1), y0, y0, tol, "head deflection");
        Expect_Close(Y_Node(n + 1), yL, y0, tol, "tip deflection");
        Expect_Close(g_Model.rd_HeadSlopeResult, Beam_Derivative(beam, 1, 0.0),
                     Beam_Derivative(beam, 1, 0.0), tol, "head slope");
    }
}

class CantileverPile : public ModelTest {};

// A pile without soil clamped at the head (load type 5 with zero deflection and slope) is a
// cantilever whose free end is the pile tip. The tip shear V_t is the resistance at the tip,
// so the tip carries the force H = -V_t. A tapered pile, EI(x) = EI0 (1 + x/L), exercises the
// terms of the difference equation that differ from node to node; its deflections follow from
// the virtual-work integrals of M(x)(L - x)/EI(x) over the pile.
TEST_F(CantileverPile, TipForceAndUniformLoadGiveCantileverDeflectionAndSlope) {
    const double EI = 2.0e7;
    const double L = 12.0;
    const int n = 200;
    const double H = 50.0;
    const double w = 3.0;
    const double ln2 = std::log(2.0);
    struct Case {
        const char* name;
        bool tapered;
        double tip_force;   // H
        double w;           // uniform distributed load
        double deflection;  // closed form at the tip
        double slope;
    };
    const Case cases[] = {
        {"tip force", false, H, 0.0, H * L * L * L / (3.0 * EI), H * L * L / (2.0 * EI)},
        {"uniform load", false, 0.0, w, w * L * L * L * L / (8.0 * EI), w * L * L * L / (6.0 * EI)},
        {"tapered, tip force", true, H, 0.0, H * L * L * L / EI * (4.0 * ln2 - 2.5),
         H * L * L / EI * (2.0 * ln2 - 1.0)},
        {"tapered, uniform load", true, 0.0, w, w * L * L * L * L / (2.0 * EI) * (8.0 * ln2 - 16.0 / 3.0),
         w * L * L * L / (2.0 * EI) * (4.0 * ln2 - 2.5)},
    };
    for (const Case& row : cases) {
        SCOPED_TRACE(row.name);
        Initialize_Model();
        Set_Uniform_Pile(n, L, EI, 0.0);
        for (int k = 1; k <= n + 1; ++k) {
            g_Model.W_Node[k] = row.w;
            if (row.tapered) g_Model.EI_Node[k] = EI * (1.0 + g_Model.XNode[k] / L);
        }
        // the iteration gives the three top nodes one stiffness, and the head shear's
        // one-sided differences rely on it
        g_Model.EI_Node[3] = g_Model.EI_Node[2];
        // one table point far beyond any deflection: the tip shear set here holds
        g_Model.NumTipShearPoints = 1;
        g_Model.YTipShear[1] = 1.0e30;
        g_Model.TipShear = -row.tip_force;
        Set_Head(5, 0.0, 0.0);
        SolvePile(1);
        ASSERT_EQ(g_Model.ErrorStatus, 0);
        Respond_All_Nodes();
        // second order in h/L = 1/200; the three head nodes share one stiffness, which costs
        // the tapered pile a little more: 0.2 %
        const double tol = 2.0e-3;
        Expect_Close(Y_Node(n + 1), row.deflection, row.deflection, tol, "tip deflection");
        Expect_Close(g_Model.rd_Slope_Node[n + 1], row.slope, row.slope, tol, "tip slope");
        // statics: the clamped head carries the whole lateral load and its moment
        const double total = row.tip_force + row.w * L;
        const double moment = -(row.tip_force * L + row.w * L * L / 2.0);
        Expect_Close(g_Model.rd_HeadShearResult, -total, total, tol, "head shear");
        Expect_Close(g_Model.rd_HeadMomentResult, -moment, moment, tol, "head moment");
    }
}

TEST_F(CantileverPile, ImposedHeadDeflectionAndSlopeMoveAnUnloadedPileRigidly) {
    // no soil, no load: every node equation holds for a straight line, which the difference
    // equations reproduce to rounding
    Set_Uniform_Pile(60, 15.0, 3.0e6, 0.0);
    Set_Head(5, 0.02, 1.5e-3);
    SolvePile(1);
    for (int k = -1; k <= 62; ++k) {
        const double x = (k - 1) * g_Model.IncrementLength;
        EXPECT_NEAR(Y_Node(k), 0.02 + 1.5e-3 * x, 1e-12) << "node " << k;
    }
}

class BeamColumn : public ModelTest {};

// Cantilever clamped at the head with axial thrust P and a lateral tip force H = -V_t; the head
// may be turned to a slope S. The pile's shear EI y''' + P y' then equals V_t all along, and
// with alpha = sqrt(|P|/EI) the tip deflection is
//   compression: L V_t/P + (S - V_t/P) tan(alpha L)/alpha,
//   tension:    -L V_t/|P| + (S + V_t/|P|) tanh(alpha L)/alpha.
// With S = 0 these are H (tan aL - aL)/(P alpha) and H (aL - tanh aL)/(|P| alpha).
TEST_F(BeamColumn, AxialThrustAmplifiesOrStiffensTheCantileverAsInClosedForm) {
    const double EI = 5.0e4;
    const double L = 10.0;
    const double H = 20.0;
    const double Vt = -H;
    const int n = 200;
    const double u = 1.2;   // alpha L
    const double alpha = u / L;
    const double P = alpha * alpha * EI;
    struct Case {
        const char* name;
        double thrust;   // compression positive
        double slope;
    };
    const Case cases[] = {{"compression", P, 0.0},
                          {"tension", -P, 0.0},
                          {"compression, turned head", P, 0.01},
                          {"tension, turned head", -P, 0.01}};
    for (const Case& row : cases) {
        SCOPED_TRACE(row.name);
        const double S = row.slope;
        const double expected = row.thrust > 0
                                    ? L * Vt / P + (S - Vt / P) * std::tan(u) / alpha
                                    : -L * Vt / P + (S + Vt / P) * std::tanh(u) / alpha;
        Initialize_Model();
        Set_Uniform_Pile(n, L, EI, 0.0);
        g_Model.AxialThrust = row.thrust;
        g_Model.NumTipShearPoints = 1;
        g_Model.YTipShear[1] = 1.0e30;
        g_Model.TipShear = Vt;
        Set_Head(5, 0.0, S);
        SolvePile(1);
        ASSERT_EQ(g_Model.ErrorStatus, 0);
        Respond_All_Nodes();
        // second order in h/L = 1/200 (the thrust term adds (alpha h)^2 = 3.6e-5): 0.1 %
        const double tol = 1.0e-3;
        Expect_Close(Y_Node(n + 1), expected, expected, tol, "tip deflection");
        // the head shear includes the thrust's share P S; the clamp's one-sided differences
        // are second order as well
        Expect_Close(g_Model.rd_HeadShearResult, Vt, Vt, tol, "head shear");
        for (int k = 2; k <= n + 1; ++k) {
            SCOPED_TRACE(k);
            Expect_Close(g_Model.rd_Shear_Node[k], Vt, Vt, tol, "shear along the pile");
        }
        if (S == 0.0) {
            // without the thrust the deflection would be H L^3 / 3EI
            const double linear = H * L * L * L / (3.0 * EI);
            if (row.thrust > 0) EXPECT_GT(Y_Node(n + 1), 1.1 * linear);
            else EXPECT_LT(Y_Node(n + 1), 0.95 * linear);
        }
    }
}

// A long pile on a Winkler foundation under axial compression P (a free head loses its
// lateral stiffness at P = sqrt(k EI), so P stays well below that):
// y = exp(-a x)(A cos bx + B sin bx) with a = sqrt(beta^2 - P/4EI), b = sqrt(beta^2 + P/4EI). The head condition (M = EI y'', V = EI y''' + P y', or the slope)
// fixes A and B; the derivatives at the head are linear in them.
TEST_F(BeamColumn, WinklerPileUnderThrustMatchesTheAnalyticSolution) {
    const int n = 200;
    const double beta = Beta();
    const double P = 0.5 * std::sqrt(k_Soil * k_EI);
    const double a = std::sqrt(beta * beta - P / (4.0 * k_EI));
    const double b = std::sqrt(beta * beta + P / (4.0 * k_EI));
    // d^j y / dx^j at the head = c[j][0] A + c[j][1] B
    const double c[4][2] = {{1.0, 0.0},
                            {-a, b},
                            {a * a - b * b, -2.0 * a * b},
                            {3.0 * a * b * b - a * a * a, 3.0 * a * a * b - b * b * b}};
    struct Case {
        const char* name;
        int type;
        double load1, load2;
    };
    const Case cases[] = {{"free head, shear and moment", 1, 100.0, 80.0},
                          {"fixed head", 2, 100.0, 0.0}};
    for (const Case& row : cases) {
        SCOPED_TRACE(row.name);
        // two conditions r1 . (A, B) = g1 and r2 . (A, B) = g2
        const double shear[2] = {k_EI * c[3][0] + P * c[1][0], k_EI * c[3][1] + P * c[1][1]};
        const double second[2] = {row.type == 1 ? k_EI * c[2][0] : c[1][0],
                                  row.type == 1 ? k_EI * c[2][1] : c[1][1]};
        const double det = shear[0] * second[1] - shear[1] * second[0];
        const double A = (row.load1 * second[1] - shear[1] * row.load2) / det;
        const double B = (shear[0] * row.load2 - row.load1 * second[0]) / det;

        Initialize_Model();
        Set_Uniform_Pile(n, k_Long_Length, k_EI, k_Soil);
        g_Model.AxialThrust = P;
        Set_Head(row.type, row.load1, row.load2);
        SolvePile(1);
        ASSERT_EQ(g_Model.ErrorStatus, 0);
        Respond_All_Nodes();
        const double y0 = A;
        const double M0 = k_EI * (c[2][0] * A + c[2][1] * B);
        // as for the pile without thrust: second order, 2 (beta h)^2 = 0.72 %
        const double tol = Second_Order_Bound(n);
        Expect_Close(Y_Node(1), y0, y0, tol, "head deflection");
        Expect_Close(g_Model.rd_HeadMomentResult, M0, M0, tol, "head moment");
        // the thrust must make the pile softer than without it
        const HeadState plain = Winkler_Head(beta, k_Soil, row.type, row.load1, row.load2);
        EXPECT_GT(Y_Node(1), 1.05 * plain.y);
    }
}

class SolverState : public ModelTest {};

TEST_F(SolverState, ImposedHeadDeflectionIsExactAndTheTipKeepsZeroMoment) {
    for (int type : {4, 5}) {
        SCOPED_TRACE(type);
        Initialize_Model();
        Set_Uniform_Pile(80, 20.0, k_EI, k_Soil);
        Set_Head(type, 0.0123, type == 4 ? 30.0 : 1.0e-3);
        SolvePile(1);
        EXPECT_EQ(Y_Node(1), 0.0123);
        const int N = g_Model.NumNodes;
        EXPECT_NEAR(Y_Node(N + 1) - 2.0 * Y_Node(N) + Y_Node(N - 1), 0.0, 1e-18);
    }
}

TEST_F(SolverState, FirstDYMaxIsTheLargestDeflectionAndLaterOnesTheChange) {
    Set_Uniform_Pile(80, 20.0, k_EI, k_Soil);
    Set_Head(1, 100.0, 0.0);
    SolvePile(1);
    double largest = 0.0;
    for (int k = 1; k <= g_Model.NumNodes; ++k) largest = std::fmax(largest, std::fabs(Y_Node(k)));
    EXPECT_EQ(g_Model.DYMax, largest);
    EXPECT_EQ(g_Model.DeltaDYMax, largest);

    // doubling the load doubles every deflection: the change is again the largest deflection
    const double y1 = Y_Node(1);
    g_Model.HeadShear = 200.0;
    SolvePile(2);
    EXPECT_NEAR(Y_Node(1), 2.0 * y1, 1e-15);
    EXPECT_NEAR(g_Model.DYMax, largest, 1e-15);
    EXPECT_NEAR(g_Model.DeltaDYMax, 0.0, 1e-15);
}

TEST_F(SolverState, SingularHeadSystemRaisesRuntimeError11AndKeepsDeflections) {
    // a free head and no soil leaves the pile a mechanism: the head system is singular
    Capture_Run_Files();
    Set_Uniform_Pile(40, 10.0, 1.0e5, 0.0);
    for (int k = -1; k <= 42; ++k) Y_Node(k) = 0.001 * k;
    Set_Head(1, 10.0, 0.0);
    SolvePile(3);
    EXPECT_EQ(g_Model.ErrorStatus, 211);
    for (int k = -1; k <= 42; ++k) EXPECT_EQ(Y_Node(k), 0.001 * k) << "node " << k;

    const std::vector<std::string> report = Captured_Report_Lines();
    ASSERT_GE(report.size(), 9u);
    EXPECT_EQ(report[0], "**** Runtime Error No. 11 ****");
    EXPECT_EQ(report[2], "Problem:  Solution failed due to small pivot value.");
    EXPECT_EQ(report[3].substr(0, 24), "          Node number = ");
    EXPECT_EQ(report[4].substr(0, 24), "          Pivot value = ");
    EXPECT_EQ(report[4].size(), 24u + 12u);   // E12.5
    EXPECT_EQ(report[6], "Solution: This error usually occurs when a lateral bearing capacity "
                         "failure occurs.  ");
    // dump: title framed by two empty lines each side, 5 lines of F, then G and Y, one per line
    const int f = Find_Line(report, "F Matrix ");
    ASSERT_GT(f, 0);
    EXPECT_EQ(report[f - 1], "");
    EXPECT_EQ(report[f + 3].size(), 60u);   // 5E12.4
    const int g = Find_Line(report, "G Vector ");
    const int y = Find_Line(report, "YG Vector");
    EXPECT_EQ(g, f + 2 + 5 + 3);
    EXPECT_EQ(y, g + 2 + 5 + 3);
    EXPECT_EQ(report[y + 3], "  0.0000E+00");
    EXPECT_EQ(static_cast<int>(report.size()), y + 3 + 5);

    const std::vector<std::string> messages = Captured_Message_Lines();
    ASSERT_EQ(messages.size(), 9u);
    EXPECT_EQ(messages[0], "**** Runtime Error No. 11 ****");
    EXPECT_EQ(messages[8], "          You may also consider increasing pile diameter or pile length.");
}

TEST_F(SolverState, HeadSystemEliminationSolvesAKnownSystemAndNamesTheZeroPivot) {
    Capture_Run_Files();
    // F = [[2,1,0,0],[1,3,1,0],[0,1,4,1],[0,0,1,5]] with solution (1,2,3,4)
    const double F[4][4] = {{2, 1, 0, 0}, {1, 3, 1, 0}, {0, 1, 4, 1}, {0, 0, 1, 5}};
    const double x[4] = {1, 2, 3, 4};
    for (int i = 0; i < 4; ++i) {
        double g = 0.0;
        for (int j = 0; j < 4; ++j) {
            g_Model.rd_HeadF[i + 5 * j] = F[i][j];
            g += F[i][j] * x[j];
        }
        g_Model.rd_HeadG[i + 1] = g;
    }
    ASSERT_TRUE(SolveHeadSystem(4));
    for (int i = 0; i < 4; ++i) EXPECT_NEAR(g_Model.rd_HeadY[i + 1], x[i], 1e-14);

    // a zero in the second pivot after elimination: [[1,1],[1,1],...]
    g_Model.rd_HeadF.fill(0.0);
    const double S[5][5] = {{1, 1, 0, 0, 0}, {1, 1, 1, 0, 0}, {0, 1, 1, 1, 0},
                            {0, 0, 1, 1, 1}, {0, 0, 0, 1, 1}};
    for (int i = 0; i < 5; ++i)
        for (int j = 0; j < 5; ++j) g_Model.rd_HeadF[i + 5 * j] = S[i][j];
    EXPECT_FALSE(SolveHeadSystem(5));
    EXPECT_EQ(g_Model.ErrorStatus, 211);
    const std::vector<std::string> report = Captured_Report_Lines();
    ASSERT_GE(report.size(), 5u);
    EXPECT_EQ(report[3], "          Node number = 2");
    EXPECT_EQ(report[4], "          Pivot value =  0.00000E+00");
}

}  // namespace

namespace {

// Tip shear table: (0.1, 10), (0.3, 50), (1.0, 120).
struct TipShearCase {
    const char* name;
    int count;
    double y_tip;
    double previous;
    double expected;
};
const TipShearCase k_Tip_Shear_Cases[] = {
    {"no points: no tip shear", 0, 0.2, 7.0, 0.0},
    {"inside the first segment", 3, 0.2, 7.0, 30.0},
    {"on a table point", 3, 0.3, 7.0, 50.0},
    {"second segment", 3, 0.65, 7.0, 85.0},
    {"below the first point extrapolates the first segment", 3, 0.05, 7.0, 0.0},
    {"beyond the table keeps the last value", 3, 5.0, 7.0, 120.0},
    {"negative deflection, same magnitude, negative", 3, -0.65, 7.0, -85.0},
    {"zero deflection counts as positive", 3, 0.0, 7.0, -10.0},
    {"one point, not yet reached: previous value", 1, 0.05, 7.0, 7.0},
    {"one point, exceeded: its value", 1, 0.2, 7.0, 10.0},
    {"one point, exceeded downward: its value negated", 1, -0.2, 7.0, -10.0},
};

TEST(TipShearLaw, LinearInTipDeflectionWithItsSign) {
    std::array<double, k_Max_Tip_Shear_Points + 1> yT{};
    std::array<double, k_Max_Tip_Shear_Points + 1> vT{};
    yT[1] = 0.1; vT[1] = 10.0;
    yT[2] = 0.3; vT[2] = 50.0;
    yT[3] = 1.0; vT[3] = 120.0;
    for (const TipShearCase& row : k_Tip_Shear_Cases) {
        SCOPED_TRACE(row.name);
        EXPECT_NEAR(Interpolate_Tip_Shear(row.y_tip, row.count, yT, vT, row.previous),
                    row.expected, 1e-12);
    }
}

}  // namespace
