// Distributed lateral load per node (of the load profile, or of every LRFD load type and
// combination) and soil movement per node.
#include "pile/lateral_loads.h"

#include <algorithm>

#include "model/capacities.h"
#include "model/model.h"
#include "report/fortran_format.h"
#include "report/number_writer.h"

namespace {

constexpr double k_Short_Segment = 1e-5;   // a soil movement segment shorter than this is a step

// Integral over [a, b] of the piecewise-linear load of n points (1-based depth and load
// arrays; 0 outside them). A segment of zero length adds nothing, so at a step the lower
// point's value applies below the step.
double Integrate_Load(const double* depth, const double* load, int n, double a, double b) {
    double sum = 0.0;
    for (int i = 1; i < n; ++i) {
        const double x0 = depth[i];
        const double x1 = depth[i + 1];
        const double lo = std::max(a, x0);
        const double hi = std::min(b, x1);
        if (hi <= lo || x1 <= x0) continue;
        const double slope = (load[i + 1] - load[i]) / (x1 - x0);
        const double w_lo = load[i] + slope * (lo - x0);
        const double w_hi = load[i] + slope * (hi - x0);
        sum += 0.5 * (w_lo + w_hi) * (hi - lo);
    }
    return sum;
}

// Average of the profile over the tributary length of the node at depth x: half an increment
// each way, cut at the head and the tip, where the divisor is half an increment too.
double Average_At_Node(const double* depth, const double* load, int n, double x) {
    const AnalysisModel& m = g_Model;
    if (n <= 0) return 0.0;
    const double h = m.IncrementLength;
    const double L = m.rd_PileLengthAnalysed;
    const double a = std::max(0.0, x - h / 2.0);
    const double b = std::min(L, x + h / 2.0);
    if (b <= depth[1] || a > depth[n]) return 0.0;
    const double length = (x == 0.0 || x == L) ? h / 2.0 : h;
    return Integrate_Load(depth, load, n, a, b) / length;
}

// Type names of the distributed-load report, by LRFD load type 1..13.
constexpr const char* k_Type_Names[k_Num_Lrfd_Load_Types + 1] = {
    "", "Dead Load   (DL)", "Live Load   (LL)", "Earthquake  (EQ)", "Impact Load (IM)",
    "Wind Load    (W)", "Water Load  (HW)", "Ice Load   (Ice)", "Horiz. Soil (Hs)",
    "Live Roof   (Lr)", "Rain Load   (DL)", "Snow Load   (DL)", "Temperature (Tm)",
    "Special     (Sp)"};

void Write_Lrfd_Distributed_Loads() {
    const AnalysisModel& m = g_Model;
    WriteLine("");
    WriteLine("");
    WriteLine("Distributed Lateral Loads for LRFD:");
    WriteLine("-----------------------------------");
    for (int t = 1; t <= k_Num_Lrfd_Load_Types; ++t) {
        bool loaded = false;
        for (int k = 1; k <= m.NumNodes; ++k) loaded = loaded || m.rd_LrfdDistLoad_Node[t][k] != 0.0;
        if (!loaded) continue;
        WriteLine("");
        FortranRecord title;
        Start_Record(title);
        Append_Text(title, "Sums of Distributed Lateral Load Per Unit Length due to ");
        Append_Text(title, k_Type_Names[t]);
        WriteLine(title.text.data());
        WriteLine("   Depth     Distributed Load");
        WriteLine(Tabbed_Record({{5, m.LabelLength}, {19, m.LabelForcePerLength}}).text.data());
        WriteLine("----------   ----------------");
        for (int k = 1; k <= m.NumNodes; ++k) {
            FortranRecord row;
            Start_Record(row);
            Append_F(row, m.XNode[k], 10, 2);
            Append_X(row, 3);
            Append_F(row, m.rd_LrfdDistLoad_Node[t][k], 10, 2);
            WriteLine(row.text.data());
        }
    }
}

}  // namespace

double DistributedLoadAtNode(double x) {
    const AnalysisModel& m = g_Model;
    return Average_At_Node(m.XDistLoad.data(), m.DistLoad.data(), m.NumDistLoadPoints, x);
}

void LRFDDistributedLoads() {
    AnalysisModel& m = g_Model;
    const int N = m.NumNodes;
    for (int t = 1; t <= k_Num_Lrfd_Load_Types; ++t) {
        for (int k = 1; k <= N; ++k) m.rd_LrfdDistLoad_Node[t][k] = 0.0;
    }
    double depth[k_Max_Lrfd_Dist_Points + 1] = {};
    double load[k_Max_Lrfd_Dist_Points + 1] = {};
    for (int g = 1; g <= m.NumLrfdLoads && g <= k_Max_Lrfd_Loads; ++g) {
        const int t = m.LrfdLoadType[g];
        const int n = m.NumLrfdDistPoints[g];
        if (t < 1 || t > k_Num_Lrfd_Load_Types || n < 2 || n > k_Max_Lrfd_Dist_Points) continue;
        for (int j = 1; j <= n; ++j) {
            depth[j] = m.XLrfdDist[j][g];
            load[j] = m.LrfdDist[j][g];
        }
        for (int k = 1; k <= N; ++k) {
            m.rd_LrfdDistLoad_Node[t][k] += Average_At_Node(depth, load, n, m.XNode[k]);
        }
    }
    // The nodes are the same for every combination: one report serves them all.
    if (m.b_LrfdDistLoadsReported != 0) return;
    m.b_LrfdDistLoadsReported = -1;
    Write_Lrfd_Distributed_Loads();
}

double LRFDLoadAtNode(int k, int c) {
    const AnalysisModel& m = g_Model;
    double w = 0.0;
    for (int t = 1; t <= k_Num_Lrfd_Load_Types; ++t) {
        // a load type without a positive factor takes no part in the combination
        if (m.LrfdFactor[t][c] > 0.0) w += m.LrfdFactor[t][c] * m.rd_LrfdDistLoad_Node[t][k];
    }
    return w;
}

void Set_Lrfd_Node_Loads(int c) {
    AnalysisModel& m = g_Model;
    for (int k = 1; k <= m.NumNodes; ++k) {
        m.DistLoad_Node[k] = LRFDLoadAtNode(k, c);
        m.W_Node[k] = m.DistLoad_Node[k];
    }
}

void SoilMovementAtNodes(int N) {
    AnalysisModel& m = g_Model;
    const int n = m.NumSoilMovementPoints;
    if (n < 2) return;
    int j = 2;   // depths increase with k, so the search goes on from the previous node's segment
    for (int k = 1; k <= N; ++k) {
        const double x = m.XNode[k];
        if (x < m.XSoilMovement[1] || x > m.XSoilMovement[n]) {
            m.SoilMovement_Node[k] = 0.0;
            continue;
        }
        while (j < n && m.XSoilMovement[j] < x) ++j;
        const double x0 = m.XSoilMovement[j - 1];
        const double x1 = m.XSoilMovement[j];
        const double v0 = m.SoilMovement[j - 1];
        const double v1 = m.SoilMovement[j];
        m.SoilMovement_Node[k] =
            (x1 - x0 < k_Short_Segment) ? 0.5 * (v0 + v1) : v0 + (v1 - v0) * (x - x0) / (x1 - x0);
    }
}
