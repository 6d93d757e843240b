// Node responses, equilibrium and kept values of a converged load case.
#include "solver/case_results.h"

#include <cmath>

#include "engine/errors.h"
#include "model/model.h"
#include "pile/section_properties.h"
#include "solver/bending_stiffness.h"
#include "solver/equilibrium.h"
#include "solver/node_response.h"

namespace {

// Pile-head and maximum values of the load case for the summary and the stiffness study.
void Keep_Case_Values(int lc, int zero_points) {
    AnalysisModel& m = g_Model;
    m.rd_CaseHeadDeflection[lc] = Y_Node(1);
    m.rd_CaseHeadSlope[lc] = m.rd_HeadSlopeResult;
    m.rd_CaseHeadShear[lc] = m.rd_HeadShearResult;
    m.rd_CaseHeadMoment[lc] = m.rd_HeadMomentResult;
    m.rd_CaseMaxMoment[lc] = m.rd_MaxMoment;
    m.rd_CaseXMaxMoment[lc] = m.rd_XMaxMoment;
    m.rd_CaseMaxShear[lc] = m.rd_MaxShear;
    m.rd_CaseXMaxShear[lc] = m.rd_XMaxShear;
    m.i_CaseZeroDeflectionPoints[lc] = zero_points;
}

// The node table of the load case for callers: every column at every node, as computed (the
// report and the plot file print tiny values as zero; the table keeps them).
void Keep_Case_Node_Table(int lc) {
    AnalysisModel& m = g_Model;
    const int N = m.NumNodes;
    auto& table = m.rd_CaseNodeTable[lc];
    m.i_CaseNodeCount[lc] = N;
    for (int k = 1; k <= N; ++k) {
        // the head and tip nodes carry half an increment of soil
        const double spring = m.Es_Node[k] * m.IncrementLength * (k == 1 || k == N ? 0.5 : 1.0);
        table[k_Node_Depth][k] = m.XNode[k];
        table[k_Node_Deflection][k] = Y_Node(k);
        table[k_Node_Slope][k] = m.rd_Slope_Node[k];
        table[k_Node_Moment][k] = m.rd_Moment_Node[k];
        table[k_Node_Shear][k] = m.rd_Shear_Node[k];
        table[k_Node_Soil_Reaction][k] = m.rd_SoilReaction_Node[k];
        table[k_Node_Soil_Modulus][k] = m.Es_Node[k];
        table[k_Node_Soil_Spring][k] = spring;
        table[k_Node_Bending_Stiffness][k] = m.EI_Node[k];
        table[k_Node_Distributed_Load][k] = m.W_Node[k];
        table[k_Node_Total_Stress][k] = m.rd_Stress_Node[k];
    }
}

// The structural state of load case lc, from its node moments and the nodes' bending-stiffness
// flags: the largest |M| / Mn over the nodes of sections with a nominal capacity, the depths
// where the moment exceeds the capacity and those past the end of the moment-curvature table.
// Records warning 410 or 411 once for the case; its results stay as they are.
void Keep_Structural_State(int lc) {
    AnalysisModel& m = g_Model;
    const int t = Thrust_Index(Thrust_In_Table_Units(m.AxialThrust));
    m.rd_CaseMomentRatio[lc] = 0.0;
    m.i_CaseRatioSection[lc] = 0;
    m.b_CaseOverCapacity[lc] = 0;
    m.b_CaseBeyondCurve[lc] = 0;
    for (int k = 1; k <= m.NumNodes; ++k) {
        const int s = m.i_SectionOfNode[k];
        double capacity = 0.0;
        if (Nominal_Moment_Capacity_At(s, t, m.XNode[k], capacity) && capacity > 0.0) {
            m.b_AnyMomentCapacity = -1;
            const double ratio = std::fabs(m.rd_Moment_Node[k]) / capacity;
            if (ratio > m.rd_CaseMomentRatio[lc]) {
                m.rd_CaseMomentRatio[lc] = ratio;
                m.i_CaseRatioSection[lc] = s;
            }
            if (ratio > 1.0) {
                if (m.b_CaseOverCapacity[lc] == 0) m.rd_CaseOverCapacityTop[lc] = m.XNode[k];
                m.b_CaseOverCapacity[lc] = -1;
                m.rd_CaseOverCapacityBottom[lc] = m.XNode[k];
            }
        }
        if (m.BeyondCurveFlag[k] != 0) {
            if (m.b_CaseBeyondCurve[lc] == 0) m.rd_CaseBeyondTop[lc] = m.XNode[k];
            m.b_CaseBeyondCurve[lc] = -1;
            m.rd_CaseBeyondBottom[lc] = m.XNode[k];
        }
    }
    if (m.b_CaseOverCapacity[lc] != 0) RecordWarning(-k_Warning_Over_Capacity);
    if (m.b_CaseBeyondCurve[lc] != 0) RecordWarning(-k_Warning_Beyond_Curve);
}

}  // namespace

int Count_Zero_Deflection_Points() {
    int count = 0;
    for (int k = 1; k <= g_Model.NumNodes; ++k) {
        const double a = Y_Node(k);
        const double b = Y_Node(k + 1);
        if ((a > 0.0 && b < 0.0) || (a < 0.0 && b > 0.0)) ++count;
    }
    return count;
}

void Complete_Node_Results() {
    const int N = g_Model.NumNodes;
    for (int k = 1; k <= N; ++k) {
        NodeResponse(k);
        // the segment above node k - 1 balances once the moment of node k is known
        if (k >= 3) CheckEquilibrium(k);
    }
    // the tip segment closes the equilibrium check of the whole pile
    if (N >= 2) CheckEquilibrium(N + 1);
}

void Complete_Case_Results(int lc) {
    Complete_Node_Results();
    Keep_Case_Values(lc, Count_Zero_Deflection_Points());
    Keep_Case_Node_Table(lc);
    Keep_Structural_State(lc);
}
