// Distributed lateral load per node and soil movement per node.
#include "pile/lateral_loads.h"

#include <algorithm>

#include "model/model.h"

namespace {

constexpr double k_Short_Segment = 1e-5;   // a soil movement segment shorter than this is a step

// Integral over [a, b] of the piecewise-linear load of the profile (0 outside it). A segment of
// zero length adds nothing, so at a step the lower point's value applies below the step.
double Integrate_Load(double a, double b) {
    const AnalysisModel& m = g_Model;
    double sum = 0.0;
    for (int i = 1; i < m.NumDistLoadPoints; ++i) {
        const double x0 = m.XDistLoad[i];
        const double x1 = m.XDistLoad[i + 1];
        const double lo = std::max(a, x0);
        const double hi = std::min(b, x1);
        if (hi <= lo || x1 <= x0) continue;
        const double slope = (m.DistLoad[i + 1] - m.DistLoad[i]) / (x1 - x0);
        const double w_lo = m.DistLoad[i] + slope * (lo - x0);
        const double w_hi = m.DistLoad[i] + slope * (hi - x0);
        sum += 0.5 * (w_lo + w_hi) * (hi - lo);
    }
    return sum;
}

}  // namespace

double DistributedLoadAtNode(double x) {
    const AnalysisModel& m = g_Model;
    const int n = m.NumDistLoadPoints;
    if (n <= 0) return 0.0;
    const double h = m.IncrementLength;
    const double L = m.PileLength;
    const double a = std::max(0.0, x - h / 2.0);
    const double b = std::min(L, x + h / 2.0);
    if (b <= m.XDistLoad[1] || a > m.XDistLoad[n]) return 0.0;
    // The head and the tip have half a tributary length.
    const double length = (x == 0.0 || x == L) ? h / 2.0 : h;
    return Integrate_Load(a, b) / length;
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
