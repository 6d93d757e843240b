// Common per-node steps of the p-y criteria.
#include "py/py_node.h"

#include <cmath>

#include "model/model.h"
#include "pile/section_properties.h"

int Layer_First_Point(int L, bool print) {
    const AnalysisModel& m = g_Model;
    return print ? m.i_TopPYDepthInLayer[L] : m.i_TopNodeInLayer[L];
}

int Layer_Last_Point(int L, bool print) {
    const AnalysisModel& m = g_Model;
    return print ? m.i_BottomPYDepthInLayer[L] : m.i_BottomNodeInLayer[L];
}

double Point_Depth(int k, bool print) {
    const AnalysisModel& m = g_Model;
    return print ? m.rd_PYCurveDepth[k] : m.XNode[k];
}

PYNodeValues Gather_PY_Node(int k, bool print) {
    const AnalysisModel& m = g_Model;
    PYNodeValues v{};
    v.x = Point_Depth(k, print);
    // a requested depth is taken as a vertical soil depth too
    v.z = print ? v.x : m.ZNode[k];
    v.zg = v.z - m.XGroundSurface;
    v.b = SectionPropertiesAtDepth(v.x).D;
    v.pm = PMultiplierAtDepth(v.x);
    v.ym = YMultiplierAtDepth(v.x);
    if (!print) {
        // The spring acts on the pile's deflection relative to the moving soil.
        v.y_prime = std::fabs(Y_Node(k) - m.SoilMovement_Node[k]) / v.ym;
        v.ys = Y_Node(k);
    } else {
        // Print mode runs right after the first load case converged: Y_Node and ZNode hold that
        // case's pile nodes.
        v.ys = Deflection_At_Vertical_Depth(v.z);
    }
    return v;
}

double Deflection_At_Vertical_Depth(double z) {
    const AnalysisModel& m = g_Model;
    const int N = m.NumNodes;
    if (N < 2) return Y_Node(1);
    int i = 2;
    while (i < N && z > m.ZNode[i]) ++i;
    const double dz = m.ZNode[i] - m.ZNode[i - 1];
    if (dz == 0.0) return Y_Node(i);
    return Y_Node(i - 1) + (z - m.ZNode[i - 1]) * (Y_Node(i) - Y_Node(i - 1)) / dz;
}

double Multiplier_From_Table(double x, int n, const double* depths, const double* values) {
    // A single row spans no depth interval (it is also what "UsePYModifiers YES" leaves when
    // no table follows, with zero values): the curves keep their own resistance.
    if (n <= 1 || x < depths[1] || x > depths[n]) return 1.0;
    int i = 2;
    while (i < n && x > depths[i]) ++i;
    if (x == depths[n]) return values[i];
    if (x == depths[i]) return (i < n && depths[i + 1] == depths[i]) ? values[i + 1] : values[i];
    const double t = (x - depths[i - 1]) / (depths[i] - depths[i - 1]);
    return values[i - 1] + t * (values[i] - values[i - 1]);
}

double PMultiplierAtDepth(double x) {
    const AnalysisModel& m = g_Model;
    return Multiplier_From_Table(x, m.NumPYModifierPoints, m.XPYModifier.data(),
                                 m.PMultiplier.data());
}

double YMultiplierAtDepth(double x) {
    const AnalysisModel& m = g_Model;
    return Multiplier_From_Table(x, m.NumPYModifierPoints, m.XPYModifier.data(),
                                 m.YMultiplier.data());
}
