// Node responses from the deflected shape: central differences inside the pile, the zero-moment
// tip, and at the head either central differences through the imaginary nodes or, when the
// head deflection and slope are imposed (load type 5), one-sided differences, because the
// imaginary nodes then only carry the imposed slope.
#include "solver/node_response.h"

#include <algorithm>
#include <cassert>
#include <cmath>

#include "model/model.h"
#include "model/section_types.h"
#include "pile/section_properties.h"

namespace {


struct Response {
    double M, V, S;
};

// Pile head: moment, shear and slope of node 1, and the values the reports keep for the head:
// the specified value where the load type imposes it, the computed one otherwise.
Response Head_Response() {
    AnalysisModel& m = g_Model;
    const double h = m.IncrementLength;
    const double Q = m.AxialThrust;
    const double R2 = m.EI_Node[2];
    Response r{};
    r.M = R2 * (Y_Node(2) - 2.0 * Y_Node(1) + Y_Node(0)) / (h * h);
    if (m.i_HeadLoadType == 5) {
        r.S = (4.0 * Y_Node(2) - 3.0 * Y_Node(1) - Y_Node(3)) / (2.0 * h);
        const double M2 = R2 * (Y_Node(3) - 2.0 * Y_Node(2) + Y_Node(1)) / (h * h);
        const double M3 = R2 * (Y_Node(4) - 2.0 * Y_Node(3) + Y_Node(2)) / (h * h);
        r.V = Q * r.S + (4.0 * M2 - 3.0 * r.M - M3) / (2.0 * h);
    } else {
        r.S = (Y_Node(2) - Y_Node(0)) / (2.0 * h);
        r.V = R2 * (Y_Node(3) - 2.0 * Y_Node(2) + 2.0 * Y_Node(0) - Y_Node(-1)) / (2.0 * h * h * h) +
              Q * r.S;
    }
    const int type = m.i_HeadLoadType;
    m.rd_HeadShearResult = type <= 3 ? m.HeadShear : r.V;
    m.rd_HeadMomentResult = (type == 1 || type == 4) ? m.HeadMoment : r.M;
    m.rd_HeadSlopeResult = type == 5 ? m.HeadSlope : r.S;
    return r;
}

// Node 2: the shear uses the head stiffness R(2) on both sides, as nodes 0 to 3 share it.
double Second_Node_Shear() {
    const AnalysisModel& m = g_Model;
    const double h = m.IncrementLength;
    const double R2 = m.EI_Node[2];
    const double axial = m.AxialThrust * (Y_Node(3) - Y_Node(1)) / (2.0 * h);
    if (m.i_HeadLoadType == 5) {
        const double M1 = R2 * (Y_Node(2) - 2.0 * Y_Node(1) + Y_Node(0)) / (h * h);
        const double M3 = R2 * (Y_Node(4) - 2.0 * Y_Node(3) + Y_Node(2)) / (h * h);
        return (M3 - M1) / (2.0 * h) + axial;
    }
    return R2 * (Y_Node(4) - 2.0 * Y_Node(3) + 2.0 * Y_Node(1) - Y_Node(0)) / (2.0 * h * h * h) +
           axial;
}

Response Inner_Response(int k) {
    const AnalysisModel& m = g_Model;
    const double h = m.IncrementLength;
    const auto& R = m.EI_Node;
    Response r{};
    r.M = R[k] * (Y_Node(k + 1) - 2.0 * Y_Node(k) + Y_Node(k - 1)) / (h * h);
    r.S = (Y_Node(k + 1) - Y_Node(k - 1)) / (2.0 * h);
    if (k == 2) {
        r.V = Second_Node_Shear();
    } else {
        r.V = m.AxialThrust * r.S +
              (R[k + 1] * (Y_Node(k + 2) - 2.0 * Y_Node(k + 1) + Y_Node(k)) -
               R[k - 1] * (Y_Node(k - 2) - 2.0 * Y_Node(k - 1) + Y_Node(k))) / (2.0 * h * h * h);
    }
    return r;
}

// Soil reaction p at node k: the spring's force, which with soil movement acts on y - ys. The
// distributed load on the node is a load, not a reaction of the soil.
double Soil_Reaction(int k) {
    const AnalysisModel& m = g_Model;
    const double ys = m.b_UseSoilMovement != 0 ? m.SoilMovement_Node[k] : 0.0;
    const double p = -m.Es_Node[k] * (Y_Node(k) - ys);
    // an infinite modulus at zero deflection gives no number; the node carries no reaction
    return std::isnan(p) && Y_Node(k) == 0.0 ? 0.0 : p;
}

// Combined stress at node k from the section properties at its depth. The extreme fibre lies at
// D/2, except for elastic and elastic-plastic poles in a drilled hole (shape 6), where D is the
// hole and D2 the pole: only that shape fills D2 in the section property table.
double Node_Stress(int k, double M) {
    const AnalysisModel& m = g_Model;
    const SectionProperties props = SectionPropertiesAtDepth(m.XNode[k]);
    const int type = m.SectionType[m.i_SectionOfNode[k]];
    const bool pole_in_hole =
        (type == k_Section_Elastic || type == k_Section_Elastic_Plastic) && props.D2 != 0.0;
    const double c = (pole_in_hole ? props.D2 : props.D) / 2.0;
    return Combined_Stress(m.AxialThrust, M, props.A, props.I, c);
}

// Running maxima of the load case and of the node's pile section; ties keep the earlier node.
void Update_Maxima(int k) {
    AnalysisModel& m = g_Model;
    const double M = m.rd_Moment_Node[k];
    const double V = m.rd_Shear_Node[k];
    if (std::fabs(M) > std::fabs(m.rd_MaxMoment)) {
        m.rd_MaxMoment = M;
        m.rd_XMaxMoment = m.XNode[k];
    }
    if (std::fabs(V) > std::fabs(m.rd_MaxShear)) {
        m.rd_MaxShear = V;
        m.rd_XMaxShear = m.XNode[k];
    }
    if (m.rd_Stress_Node[k] > m.rd_MaxStress) m.rd_MaxStress = m.rd_Stress_Node[k];

    const int s = m.i_SectionOfNode[k];
    const int lc = m.i_CurrentLoadCase;
    assert(s >= 0 && s <= k_Max_Sections && lc >= 0 && lc <= k_Max_Load_Cases);
    if (s == 0 || lc == 0) return;   // node not assigned to a section, or no load case running
    if (std::fabs(M) > m.rd_SectionMaxMoment[s][lc]) {
        m.rd_SectionMaxMoment[s][lc] = std::fabs(M);
        m.i_SectionMaxMomentNode[s][lc] = k;
    }
    if (std::fabs(V) > m.rd_SectionMaxShear[s][lc]) {
        m.rd_SectionMaxShear[s][lc] = std::fabs(V);
        m.i_SectionMaxShearNode[s][lc] = k;
    }
}

}  // namespace

double Combined_Stress(double Q, double M, double A, double I, double c) {
    if (I == 0.0 || A == 0.0) return 0.0;
    return std::fabs(Q) / A + std::fabs(M) * c / I;
}

void NodeResponse(int k) {
    AnalysisModel& m = g_Model;
    const int N = m.NumNodes;
    assert(N >= 4 && k >= 1 && k <= N);
    m.EI_Node[1] = m.EI_Node[2];

    Response r{};
    if (k == 1) {
        r = Head_Response();
    } else if (k == N) {
        r = {0.0, m.TipShear, (Y_Node(N) - Y_Node(N - 1)) / m.IncrementLength};
    } else {
        r = Inner_Response(k);
    }
    m.rd_Moment_Node[k] = r.M;
    m.rd_Shear_Node[k] = r.V;
    m.rd_Slope_Node[k] = r.S;
    m.rd_SoilReaction_Node[k] = Soil_Reaction(k);
    m.rd_Stress_Node[k] = Node_Stress(k, r.M);
    Update_Maxima(k);
}

void Reset_Response_Maxima() {
    AnalysisModel& m = g_Model;
    m.rd_MaxMoment = 0.0;
    m.rd_XMaxMoment = 0.0;
    m.rd_MaxShear = 0.0;
    m.rd_XMaxShear = 0.0;
    m.rd_MaxStress = 0.0;
}

void Clear_Section_Maxima(int lc) {
    AnalysisModel& m = g_Model;
    assert(lc >= 1 && lc <= k_Max_Load_Cases);
    // only the problem's sections ever hold a maximum
    const int sections = std::min(std::max(m.NumSections, 0), k_Max_Sections);
    for (int s = 1; s <= sections; ++s) {
        m.rd_SectionMaxMoment[s][lc] = 0.0;
        m.i_SectionMaxMomentNode[s][lc] = 0;
        m.rd_SectionMaxShear[s][lc] = 0.0;
        m.i_SectionMaxShearNode[s][lc] = 0;
    }
}
