// Discretization of the pile and the node ranges of sections and layers.
#include "pile/discretization.h"

#include <cassert>
#include <climits>
#include <cmath>

#include "engine/errors.h"
#include "engine/messages.h"
#include "model/model.h"
#include "pile/section_properties.h"
#include "pile/lateral_loads.h"
#include "report/fortran_format.h"

namespace {

using NodeDepths = std::array<double, k_Max_Nodes + 1>;

// Node ranges of the layers for the node depths given (vertical, or along the pile).
void Assign_Layer_Node_Ranges(const NodeDepths& depth, int N) {
    AnalysisModel& m = g_Model;
    assert(N <= k_Max_Nodes && m.i_Number_of_Layers <= k_Max_Layers);
    Assign_Depth_Ranges_To_Layers(depth.data(), N, m.i_TopNodeInLayer, m.i_BottomNodeInLayer);
    // Some layer below holds a node unless the pile reaches below the deepest layer, which the
    // input checks refuse (Input Data Error No. 18) before any discretization.
    for (int L = 1; L <= m.i_Number_of_Layers; ++L) assert(m.i_BottomNodeInLayer[L] != -1);
}

// The Runtime Error No. 29 block; the runtime message file words line 3 differently.
void Write_Thin_Layer_Error(int L, bool to_report) {
    const AnalysisModel& m = g_Model;
    void (*const write)(const char*) = to_report ? Write_Report_Line : Write_Message_Line;
    const int N = m.NumNodes;
    const double thickness = m.XLayerBottom[L] - m.rd_LayerTop[L];
    // Truncated toward zero; a zero thickness makes the estimate unbounded, and I0 then shows
    // the largest magnitude a 64-bit integer holds rather than an undefined conversion.
    const double estimate = m.rd_PileLengthAnalysed / thickness;
    const long long increments_needed =
        estimate >= 9.2e18 ? LLONG_MAX : estimate <= -9.2e18 ? LLONG_MIN : static_cast<long long>(estimate);
    FortranRecord r;
    write("**** Runtime Error No. 29 ****");
    Start_Record(r);
    Append_Text(r, "PROBLEM:  The thickness of layer ");
    Append_I(r, L, 0);
    Append_Text(r, " was too thin to contain a nodal point.");
    write(r.text.data());
    write(to_report ? "This layer lacks a nodal point and this prevents the correct computation "
                      "of p-y curves for the layer ."
                    : "This layer lacks a nodal point and this prevents the correct computation "
                      "of the layer's p-y curves.");
    Start_Record(r);
    Append_Text(r, "The thickness of layer ");
    Append_I(r, L, 0);
    Append_Text(r, " is ");
    Append_F(r, thickness, 9, 3);
    Append_Text(r, " ");
    Append_Text(r, m.LabelLength);
    Append_Text(r, " and the pile increment length is ");
    Append_F(r, m.rd_PileLengthAnalysed / (N - 1), 9, 3);
    Append_Text(r, " ");
    Append_Text(r, m.LabelLength);
    write(r.text.data());
    Start_Record(r);
    Append_Text(r, "The current number of pile increments is ");
    Append_I(r, N - 1, 0);
    Append_Text(r, ".");
    write(r.text.data());
    Start_Record(r);
    Append_Text(r, "The estimated minimum number of increments needed to get at least one nodal "
                   "point in the layer is ");
    Append_I(r, increments_needed, 0);
    Append_Text(r, ".");
    write(r.text.data());
    write("");
    write("SOLUTION: Increase the number of pile increments. Up to 500 pile increments are "
          "allowed in Orvane.");
    write("If this error occurs with the maximum number of pile increments, you will need to "
          "combine the thinnest");
    write("soil layer with an adjacent layer.");
    write("");
    write("");
}

}  // namespace

void DiscretizePile() {
    AnalysisModel& m = g_Model;
    const int n = m.NumIncrements;
    assert(n >= 1 && n <= k_Max_Increments);
    const int N = n + 1;
    const double L = m.rd_PileLengthAnalysed;
    const double h = L / n;
    m.NumNodes = N;
    m.IncrementLength = h;
    const double cos_batter = std::cos(m.PileBatter);
    for (int k = 1; k <= N; ++k) {
        m.XNode[k] = (k - 1) * h;
        m.ZNode[k] = m.XNode[k] * cos_batter;
        m.DistLoad_Node[k] = DistributedLoadAtNode(m.XNode[k]);
        // In an LRFD run each combination puts its factored loads in W_Node instead.
        if (m.b_UseLRFD == 0) m.W_Node[k] = m.DistLoad_Node[k];
        m.EI_Node[k] = SectionPropertiesAtDepth(m.XNode[k]).EI;
    }
    // (N - 1) h may miss the pile length by a rounding error; the tip node sits exactly at the
    // tip. Its vertical depth follows, or a tip a hair below the deepest layer bottom would fall
    // outside the soil profile (no last node for the layer, a unit weight lookup below the data).
    if (m.XNode[N] != L) {
        m.XNode[N] = L;
        m.ZNode[N] = L * cos_batter;
    }
    AssignSectionsToNodes(N);
    AssignNodesToLayers(N);
    SoilMovementAtNodes(N);
    // The per-type loads of an LRFD run; each combination factors them (Set_Lrfd_Node_Loads).
    if (m.b_UseLRFD != 0) LRFDDistributedLoads();
}

void AssignSectionsToNodes(int N) {
    AnalysisModel& m = g_Model;
    assert(N <= k_Max_Nodes);
    if (m.NumSections == 1) {
        for (int k = 1; k <= k_Max_Nodes; ++k) m.i_SectionOfNode[k] = 1;
        return;
    }
    if (N >= 1) m.i_SectionOfNode[1] = 1;
    for (int k = 2; k <= N; ++k) {
        for (int s = 1; s <= m.NumSections; ++s) {
            // Top excluded, bottom included: a node on a boundary stays with the section above.
            if (m.XSectionPoint[2 * s - 1] < m.XNode[k] && m.XNode[k] <= m.XSectionPoint[2 * s]) {
                m.i_SectionOfNode[k] = s;
                break;
            }
        }
    }
}

void AssignNodesToLayers(int N) { Assign_Layer_Node_Ranges(g_Model.ZNode, N); }

void AssignNodesToLayersAlongPile(int N) { Assign_Layer_Node_Ranges(g_Model.XNode, N); }

void CheckLayerHasNode(int L) {
    const AnalysisModel& m = g_Model;
    assert(L >= 1 && L <= k_Max_Layers);
    // Tolerated: a thin first layer, a layer wholly below the tip, a layer whose equivalent
    // depth is already known and a layer below a rock layer.
    if (L <= 1 || m.i_TopNodeInLayer[L] != 0) return;
    if (!(m.rd_LayerTop[L] < m.ZNode[m.NumNodes])) return;
    if (m.XEquivalentTop[L] != k_No_Equivalent_Top) return;
    if (m.b_BelowRockLayer[L] != 0) return;
    Write_Thin_Layer_Error(L, false);
    Write_Thin_Layer_Error(L, true);
    Set_Error_Status(k_Status_Runtime_Base + 29);
}

void Assign_Depth_Ranges_To_Layers(const double* depth, int n, LayerRanges& top,
                                   LayerRanges& bottom) {
    const AnalysisModel& m = g_Model;
    top.fill(0);
    bottom.fill(0);
    const int layers = m.i_Number_of_Layers;
    int last = layers + 1;   // the layer that holds the deepest depth; one past the last when none does
    for (int L = 1; L <= layers; ++L) {
        int a = 1;
        while (a <= n && !(depth[a] >= m.rd_LayerTop[L])) ++a;
        // With every depth above the layer top the layer holds none.
        if (a > n || depth[a] > m.XLayerBottom[L]) continue;
        top[L] = a;
        if (n >= 1 && m.XLayerBottom[L] >= depth[n]) {
            last = L;
            break;
        }
    }
    bottom[last] = n;
    for (int L = 1; L <= last - 1; ++L) {
        if (top[L] == 0) continue;
        int below = L + 1;
        while (below <= layers && top[below] == 0) ++below;
        bottom[L] = below <= layers ? top[below] - 1 : -1;
    }
}
