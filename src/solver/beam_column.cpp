// The finite-difference beam-column solver: recursion from the pile tip, a small dense system
// for the pile-head condition, back-substitution down the pile. The difference equation at
// node m, with R = EI_Node, E = Es_Node, W = W_Node, q = Q h^2 (Q compression positive):
//   R(m-1) y(m-2) - (2R(m-1) + 2R(m) - q) y(m-1) + (R(m-1) + 4R(m) + R(m+1) - 2q + E(m) h^4) y(m)
//   - (2R(m) + 2R(m+1) - q) y(m+1) + R(m+1) y(m+2) = W(m) h^4,
// with zero moment and the tip shear at the tip, eliminated upward into the relation
//   y(m) = a(m) y(m-1) - b(m) y(m-2) + c(m) + d(m).
// The head stiffness R(0) = R(1) = R(2): the two imaginary nodes above the head carry the
// stiffness of the first real increment.
#include "solver/beam_column.h"

#include <algorithm>
#include <cassert>
#include <cmath>

#include "engine/errors.h"
#include "engine/messages.h"
#include "model/model.h"
#include "report/fortran_format.h"

namespace {

// Element (i, j), 1-based, of the head system matrix, stored column by column.
double& F(int i, int j) { return g_Model.rd_HeadF[(i - 1) + 5 * (j - 1)]; }

// Stiffness of node j, with the imaginary node 0 taking the head stiffness.
double R(int j) { return g_Model.EI_Node[j < 1 ? 1 : j]; }

// Recursion coefficients a, b, c, d and pivot D of every node, from the tip up to node 1.
void Eliminate_From_Tip(double q, double h) {
    AnalysisModel& m = g_Model;
    const int N = m.NumNodes;
    const double h3 = h * h * h;
    const double h4 = h3 * h;
    auto& a = m.rd_RecursionA;
    auto& b = m.rd_RecursionB;
    auto& c = m.rd_RecursionC;
    auto& d = m.rd_RecursionD;
    auto& D = m.rd_RecursionPivot;

    // tip: zero moment (y(N+1) = 2y(N) - y(N-1)) and the tip shear
    D[N] = R(N - 1) + R(N) - 2.0 * q + m.Es_Node[N] * h4;
    a[N] = 2.0 * (R(N - 1) + R(N) - q) / D[N];
    b[N] = (R(N - 1) + R(N)) / D[N];
    c[N] = m.W_Node[N] * h4 / D[N];
    d[N] = -2.0 * m.TipShear * h3 / D[N];

    // the node above the tip, where only one node lies below
    {
        const int k = N - 1;
        const double below = 2.0 * R(k) - q;
        D[k] = R(k - 1) + 4.0 * R(k) - 2.0 * q + m.Es_Node[k] * h4 - a[N] * below;
        a[k] = (2.0 * (R(k) * (1.0 - b[N]) + R(k - 1)) - (1.0 - b[N]) * q) / D[k];
        b[k] = R(k - 1) / D[k];
        c[k] = (m.W_Node[k] * h4 + c[N] * below) / D[k];
        d[k] = d[N] * below / D[k];
    }

    for (int k = N - 2; k >= 1; --k) {
        const double P = 2.0 * R(k) + (2.0 - a[k + 2]) * R(k + 1) - q;
        D[k] = (2.0 * R(k) - q) * (2.0 - a[k + 1]) + m.Es_Node[k] * h4 + R(k - 1) +
               ((1.0 - b[k + 2]) - a[k + 1] * (2.0 - a[k + 2])) * R(k + 1);
        a[k] = (2.0 * (R(k) + R(k - 1)) - (1.0 - b[k + 1]) * q -
                (2.0 * R(k) + (2.0 - a[k + 2]) * R(k + 1)) * b[k + 1]) / D[k];
        b[k] = R(k - 1) / D[k];
        c[k] = (m.W_Node[k] * h4 + c[k + 1] * P - c[k + 2] * R(k + 1)) / D[k];
        d[k] = (d[k + 1] * P - d[k + 2] * R(k + 1)) / D[k];
    }
}

// Writes one line, text then a number field, to the report and the runtime message file.
void Write_Labelled_Line(const char* text, const FieldText& value) {
    FortranRecord line;
    Start_Record(line);
    Append_Text(line, text);
    Append_Text(line, value.text.data());
    Write_Report_Line(line.text.data());
    Write_Message_Line(line.text.data());
}

// A dump title of the head system, framed by two empty lines on each side.
void Write_Dump_Title(const char* title) {
    const char* lines[] = {"", "", title, "", ""};
    for (const char* l : lines) Write_Report_Line(l);
}

// Runtime Error No. 11: the framed message to the report and the runtime message file, then
// the head system as it stood at the failure (F column by column, five per line; G and Y one
// per line), and the raise.
void Raise_Small_Pivot_Error(int node, double pivot) {
    const char* problem[] = {"**** Runtime Error No. 11 ****", "",
                             "Problem:  Solution failed due to small pivot value."};
    const char* solution[] = {
        "",
        "Solution: This error usually occurs when a lateral bearing capacity failure occurs.  ",
        "          Reduce the load on the pile and repeat the analysis.",
        "          You may also consider increasing pile diameter or pile length.",
    };
    for (const char* l : problem) {
        Write_Report_Line(l);
        Write_Message_Line(l);
    }
    Write_Labelled_Line("          Node number = ", Format_I(node, 0));
    Write_Labelled_Line("          Pivot value = ", Format_E(pivot, 12, 5));
    for (const char* l : solution) {
        Write_Report_Line(l);
        Write_Message_Line(l);
    }

    const AnalysisModel& m = g_Model;
    Write_Dump_Title("F Matrix ");
    for (int row = 0; row < 5; ++row) {
        FortranRecord line;
        Start_Record(line);
        for (int j = 0; j < 5; ++j) Append_E(line, m.rd_HeadF[5 * row + j], 12, 4);
        Write_Report_Line(line.text.data());
    }
    const std::array<double, 5 + 1>* vectors[] = {&m.rd_HeadG, &m.rd_HeadY};
    const char* titles[] = {"G Vector ", "YG Vector"};
    for (int v = 0; v < 2; ++v) {
        Write_Dump_Title(titles[v]);
        for (int i = 1; i <= 5; ++i) Write_Report_Line(Format_E((*vectors[v])[i], 12, 4).text.data());
    }
    Raise_Runtime_Error(11);
}

double C(int k) { return g_Model.rd_RecursionC[k] + g_Model.rd_RecursionD[k]; }

// Head system of load types 1-3 in the unknowns y(3), y(2), y(1), y(0), y(-1): the head shear,
// the recursion at nodes 3, 2 and 1, and the moment, slope or rotational-restraint condition.
void Set_Head_System_Shear_Types(double q, double h) {
    AnalysisModel& m = g_Model;
    const double Rh = R(1);
    const auto& a = m.rd_RecursionA;
    const auto& b = m.rd_RecursionB;
    m.rd_HeadF.fill(0.0);
    m.rd_HeadG.fill(0.0);
    m.rd_HeadY.fill(0.0);

    const double s = 2.0 - q / Rh;
    F(1, 1) = 1.0;  F(1, 2) = -s;     F(1, 4) = s;      F(1, 5) = -1.0;
    m.rd_HeadG[1] = 2.0 * m.HeadShear * h * h * h / Rh;
    F(2, 1) = 1.0;  F(2, 2) = -a[3];  F(2, 3) = b[3];
    m.rd_HeadG[2] = C(3);
    F(3, 2) = 1.0;  F(3, 3) = -a[2];  F(3, 4) = b[2];
    m.rd_HeadG[3] = C(2);
    switch (m.i_HeadLoadType) {
        case 1:   // moment: R (y(2) - 2y(1) + y(0)) / h^2 = M
            F(4, 2) = 1.0;  F(4, 3) = -2.0;  F(4, 4) = 1.0;
            m.rd_HeadG[4] = m.HeadMoment * h * h / Rh;
            break;
        case 2:   // slope: (y(2) - y(0)) / 2h = S
            F(4, 2) = 1.0;  F(4, 4) = -1.0;
            m.rd_HeadG[4] = 2.0 * h * m.HeadSlope;
            break;
        default: {  // rotational restraint: head moment = K-theta times head slope
            const double t = h * m.HeadRotStiffness / (2.0 * Rh);
            F(4, 2) = 1.0 - t;  F(4, 3) = -2.0;  F(4, 4) = 1.0 + t;
            m.rd_HeadG[4] = 0.0;
            break;
        }
    }
    F(5, 3) = 1.0;  F(5, 4) = -a[1];  F(5, 5) = b[1];
    m.rd_HeadG[5] = C(1);
}

// Head system of load type 4 in the unknowns y(2), y(1), y(0), y(-1).
void Set_Head_System_Deflection_Moment(double h) {
    AnalysisModel& m = g_Model;
    const auto& a = m.rd_RecursionA;
    const auto& b = m.rd_RecursionB;
    m.rd_HeadF.fill(0.0);
    m.rd_HeadG.fill(0.0);
    m.rd_HeadY.fill(0.0);
    F(1, 1) = 1.0;  F(1, 2) = -2.0;   F(1, 3) = 1.0;
    m.rd_HeadG[1] = m.HeadMoment * h * h / R(1);
    F(2, 2) = 1.0;
    m.rd_HeadG[2] = m.HeadDeflection;
    F(3, 1) = 1.0;  F(3, 2) = -a[2];  F(3, 3) = b[2];
    m.rd_HeadG[3] = C(2);
    F(4, 2) = 1.0;  F(4, 3) = -a[1];  F(4, 4) = b[1];
    m.rd_HeadG[4] = C(1);
}

struct HeadDeflections {
    double y1, y2, y0, ym1;   // y(1), y(2), y(0), y(-1)
};

// Load type 5 fixes y(1) and the slope; the recursion at nodes 2 and 1 gives the rest directly.
HeadDeflections Solve_Deflection_Slope(double h) {
    const AnalysisModel& m = g_Model;
    const auto& a = m.rd_RecursionA;
    const auto& b = m.rd_RecursionB;
    const double two_h_s = 2.0 * h * m.HeadSlope;
    HeadDeflections y{};
    y.y1 = m.HeadDeflection + m.SoilMovement_Node[1];
    y.y2 = (a[2] * y.y1 + b[2] * two_h_s + C(2)) / (1.0 + b[2]);
    y.y0 = y.y2 - two_h_s;
    y.ym1 = (a[1] * y.y0 - y.y1 + C(1)) / b[1];
    return y;
}

// New deflections down the pile from the head values; DYMax, DeltaDYMax and the node below
// the tip.
void Substitute_Downward(const HeadDeflections& head) {
    AnalysisModel& m = g_Model;
    const int N = m.NumNodes;
    double dy = std::max(std::fabs(Y_Node(1) - head.y1), std::fabs(Y_Node(2) - head.y2));
    Y_Node(1) = head.y1;
    Y_Node(2) = head.y2;
    Y_Node(0) = head.y0;
    Y_Node(-1) = head.ym1;
    for (int k = 3; k <= N; ++k) {
        const double y = m.rd_RecursionC[k] + m.rd_RecursionD[k] +
                         m.rd_RecursionA[k] * Y_Node(k - 1) - m.rd_RecursionB[k] * Y_Node(k - 2);
        dy = std::max(dy, std::fabs(Y_Node(k) - y));
        Y_Node(k) = y;
    }
    m.DYMax = dy;
    m.DeltaDYMax = std::fabs(m.DYMax - m.rd_PreviousDYMax);
    m.rd_PreviousDYMax = m.DYMax;
    Y_Node(N + 1) = 2.0 * Y_Node(N) - Y_Node(N - 1);
}

}  // namespace

double Interpolate_Tip_Shear(double y_tip, int count,
                             const std::array<double, k_Max_Tip_Shear_Points + 1>& yT,
                             const std::array<double, k_Max_Tip_Shear_Points + 1>& vT,
                             double previous) {
    assert(count >= 0 && count <= k_Max_Tip_Shear_Points);
    if (count == 0) return 0.0;
    const double ay = std::fabs(y_tip);
    const double sign = y_tip < 0.0 ? -1.0 : 1.0;
    if (count == 1) return ay > yT[1] ? sign * vT[1] : previous;
    double v = vT[count];
    for (int i = 2; i <= count; ++i) {
        if (ay <= yT[i]) {
            const double span = yT[i] - yT[i - 1];
            // a zero-length first segment cannot be extrapolated: its first value holds
            v = span != 0.0 ? vT[i - 1] + (vT[i] - vT[i - 1]) * (ay - yT[i - 1]) / span : vT[i - 1];
            break;
        }
    }
    return sign * v;
}

bool SolveHeadSystem(int n) {
    AnalysisModel& m = g_Model;
    assert(n == 4 || n == 5);
    auto& G = m.rd_HeadG;
    auto& Y = m.rd_HeadY;
    for (int k = 1; k <= n - 1; ++k) {
        if (std::fabs(F(k, k)) < 1e-20) {
            Raise_Small_Pivot_Error(k, F(k, k));
            return false;
        }
        for (int i = k + 1; i <= n; ++i) {
            if (F(i, k) == 0.0) continue;
            const double f = F(i, k) / F(k, k);
            for (int j = k; j <= n; ++j) F(i, j) -= f * F(k, j);
            G[i] -= f * G[k];
        }
    }
    // the last pivot is not tested: a zero there gives an infinite deflection, which the
    // iteration's not-a-number and deflection-limit tests report
    Y[n] = G[n] / F(n, n);
    for (int i = n - 1; i >= 1; --i) {
        double sum = G[i];
        for (int j = i + 1; j <= n; ++j) sum -= F(i, j) * Y[j];
        Y[i] = sum / F(i, i);
    }
    return true;
}

void SolvePile(int iteration) {
    AnalysisModel& m = g_Model;
    const int N = m.NumNodes;
    assert(N >= 4 && N <= k_Max_Nodes);
    const double h = m.IncrementLength;
    const double q = m.AxialThrust * h * h;

    m.EI_Node[1] = m.EI_Node[2];
    if (iteration == 1) m.rd_PreviousDYMax = 0.0;
    m.TipShear = Interpolate_Tip_Shear(Y_Node(N), m.NumTipShearPoints, m.YTipShear, m.VTipShear,
                                       m.TipShear);
    Eliminate_From_Tip(q, h);

    HeadDeflections head{};
    const auto& Y = m.rd_HeadY;
    switch (m.i_HeadLoadType) {
        case 4:
            Set_Head_System_Deflection_Moment(h);
            if (!SolveHeadSystem(4)) return;
            head = {Y[2], Y[1], Y[3], Y[4]};
            break;
        case 5:
            head = Solve_Deflection_Slope(h);
            break;
        default:
            assert(m.i_HeadLoadType >= 1 && m.i_HeadLoadType <= 3);
            Set_Head_System_Shear_Types(q, h);
            if (!SolveHeadSystem(5)) return;
            head = {Y[3], Y[2], Y[4], Y[5]};
            break;
    }
    Substitute_Downward(head);
}
