// Nonlinear bending stiffness of the nodes from the moment-curvature tables of their sections.
// US customary runs keep the tables in kips and inches: node moments are divided by 1000 before
// a lookup and stiffnesses multiplied by 1000 after.
#include "solver/bending_stiffness.h"

#include <cmath>

#include "model/model.h"
#include "model/section_types.h"
#include "model/units.h"
#include "pile/section_properties.h"
#include "solver/node_response.h"

namespace {


double Table_Scale() { return g_Model.IUNITS == k_Units_US ? 1000.0 : 1.0; }

// Curvature at node k from the deflected shape; zero at the tip.
double Node_Curvature(int k) {
    const AnalysisModel& m = g_Model;
    if (k >= m.NumNodes) return 0.0;
    const double h = m.IncrementLength;
    return (Y_Node(k + 1) - 2.0 * Y_Node(k) + Y_Node(k - 1)) / (h * h);
}

// The section containing node k along the pile: the first whose bottom is at or below it.
int Section_Containing(double x) {
    const AnalysisModel& m = g_Model;
    for (int s = 1; s <= m.NumSections; ++s) {
        if (m.XSectionBottom[s] >= x) return s;
    }
    return m.NumSections;
}

// Plastic moment of an elastic-plastic section at depth x, linear from its top to its bottom.
double Plastic_Moment_At(int s, double x) {
    const AnalysisModel& m = g_Model;
    const double top = m.XSectionTop[s];
    const double length = m.XSectionBottom[s] - top;
    if (length <= 0.0) return m.PlasticMomentTop[s];
    return m.PlasticMomentTop[s] +
           (m.PlasticMomentBottom[s] - m.PlasticMomentTop[s]) * (x - top) / length;
}

}  // namespace

int Thrust_Index(double Qk) {
    const AnalysisModel& m = g_Model;
    const int n = m.i_NumTableThrusts;
    if (n <= 1 || Qk <= m.rd_TableThrust[1]) return 1;
    if (Qk >= m.rd_TableThrust[n]) return n;
    for (int i = 1; i < n; ++i) {
        if (m.rd_TableThrust[i] <= Qk && Qk < m.rd_TableThrust[i + 1]) return i;
    }
    return n;
}

double Thrust_In_Table_Units(double Q) { return Q / Table_Scale(); }

double Secant_Stiffness_From_Table(double M_abs, double phi_k, int P, const double* M,
                                   const double* EI, const double* phi, bool& beyond) {
    beyond = false;
    if (M_abs <= M[1] || phi_k <= phi[1]) return EI[1];
    if (phi_k >= phi[P]) {
        beyond = true;
        return M[P] / phi_k;
    }
    int j = P - 1;
    for (int i = 1; i <= P - 1; ++i) {
        if (phi[i] < phi_k && phi_k <= phi[i + 1]) {
            j = i;
            break;
        }
    }
    const double M_phi = M[j + 1] == M[j]
                             ? M[j]
                             : M[j] + (M[j + 1] - M[j]) * (phi_k - phi[j]) / (phi[j + 1] - phi[j]);
    return M_phi / phi_k;
}

double StiffnessFromCurvature(int k, int s, int t) {
    AnalysisModel& m = g_Model;
    bool beyond = false;
    const double EI = Secant_Stiffness_From_Table(
        std::fabs(m.rd_Moment_Node[k]), std::fabs(Node_Curvature(k)), m.i_TablePoints[s][t],
        m.rd_TableMoment[s][t].data(), m.rd_TableEI[s][t].data(),
        m.rd_TableCurvature[s][t].data(), beyond);
    if (beyond) {
        m.BeyondCurveFlag[k] = -1;
        m.b_BeyondCurve = -1;
    }
    return EI * Table_Scale();
}

void UpdateBendingStiffness(int t, double Qk) {
    AnalysisModel& m = g_Model;
    const double scale = Table_Scale();
    for (int k = 1; k <= m.NumNodes; ++k) {
        const int s = Section_Containing(m.XNode[k]);
        if (m.SectionType[s] == k_Section_Elastic) continue;
        // A section whose tables have not been computed keeps its elastic stiffness.
        if (m.SectionType[s] != k_Section_Elastic_Plastic && m.i_TablePoints[s][t] < 1) continue;
        NodeResponse(k);
        // The node moment stays in the tables' unit until the next response computation.
        m.rd_Moment_Node[k] /= scale;
        if (m.SectionType[s] == k_Section_Elastic_Plastic) {
            const double Mp = Plastic_Moment_At(s, m.XNode[k]) / scale;
            const double Mref = std::fmax(m.rd_TableMoment[s][t][1], std::fabs(m.rd_Moment_Node[k]));
            if (Mp > Mref) {
                m.EI_Node[k] = SectionPropertiesAtDepth(m.XNode[k]).EI;
            } else if (k < m.NumNodes) {
                const double phi = Node_Curvature(k);
                if (phi != 0.0) m.EI_Node[k] = std::fabs(Mp / std::fabs(phi)) * scale;
            }
            continue;
        }
        const double E1 = StiffnessFromCurvature(k, s, t);
        m.EI_Node[k] = E1;
        if (t < m.i_NumTableThrusts && Qk > m.rd_TableThrust[1]) {
            const double E2 = StiffnessFromCurvature(k, s, t + 1);
            m.EI_Node[k] = E2 - (E2 - E1) * (m.rd_TableThrust[t + 1] - Qk) /
                                    (m.rd_TableThrust[t + 1] - m.rd_TableThrust[t]);
        }
    }
    // The three top nodes share one stiffness.
    if (m.NumNodes >= 3) m.EI_Node[3] = m.EI_Node[2];
}
