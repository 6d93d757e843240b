// Printing of p-y curves at requested depths: the pile's nodes are replaced by the requested
// depths for the duration, so that every criterion's print mode sees them as its layer's nodes.
#include "py/output_depths.h"

#include <initializer_list>

#include "engine/errors.h"
#include "engine/messages.h"
#include "model/model.h"
#include "pile/discretization.h"
#include "py/dispatch.h"
#include "report/fortran_format.h"
#include "report/plot_file.h"

namespace {

// Ascending order by exchange, then repeated depths dropped (exact equality).
void Sort_And_Purge_Depths() {
    AnalysisModel& m = g_Model;
    int n = m.NumPYOutputDepths;
    for (int k = 1; k < n; ++k) {
        for (int l = k + 1; l <= n; ++l) {
            if (m.XPYOutputDepth[k] > m.XPYOutputDepth[l]) {
                const double t = m.XPYOutputDepth[k];
                m.XPYOutputDepth[k] = m.XPYOutputDepth[l];
                m.XPYOutputDepth[l] = t;
            }
        }
    }
    if (n <= 1) return;
    int kept = 1;
    for (int j = 2; j <= n; ++j) {
        bool repeated = false;
        for (int i = 1; i <= kept; ++i) repeated = repeated || m.XPYOutputDepth[i] == m.XPYOutputDepth[j];
        if (!repeated) m.XPYOutputDepth[++kept] = m.XPYOutputDepth[j];
    }
    for (int j = kept + 1; j <= n; ++j) m.XPYOutputDepth[j] = 0.0;
    m.NumPYOutputDepths = kept;
}

// A sentence with a depth in it: before, the depth (F9.3), a blank and the length label, after.
FortranRecord Depth_Sentence(const char* before, double depth, const char* after) {
    FortranRecord r;
    Start_Record(r);
    Append_Text(r, before);
    Append_F(r, depth, 9, 3);
    Append_Text(r, " ");
    Append_Trimmed(r, g_Model.LabelLength);
    Append_Text(r, after);
    return r;
}

// Input Data Error No. 23: the depth lies above the ground surface. The run ends, but the message
// says non-fatal, as it always has.
void Raise_Depth_Above_Ground(int j, double depth) {
    FortranRecord number;
    Start_Record(number);
    Append_Text(number, "p-y curves cannot be generated at depth number ");
    Append_I(number, j, 0);
    const FortranRecord location = Depth_Sentence("This location is ", depth, " below the pile head and ");
    const FortranRecord ground =
        Depth_Sentence("The ground surface is ", g_Model.XGroundSurface, " below the top of the pile.");
    const std::initializer_list<const char*> lines = {
        "**** Input Data Error No. 23 (NON-FATAL) ****", "", number.text.data(),
        location.text.data(), "is above the ground surface for this problem.", "",
        ground.text.data(), ""};
    Write_Report_Lines(lines);
    Write_Message_Lines(lines);
    Set_Error_Status(k_Status_Input_Base + 23);
    Write_Line7_Record(k_PY_Curve_None, depth, 0, 0);
}

// The pile's own nodes again, with their layer and section assignments.
void Restore_Discretization() {
    AnalysisModel& m = g_Model;
    m.IncrementLength = m.PileLength / m.NumIncrements;
    m.NumNodes = m.NumIncrements + 1;
    for (int k = 1; k < m.NumNodes; ++k) m.XNode[k] = (k - 1) * m.IncrementLength;
    m.XNode[m.NumNodes] = m.PileLength;
    AssignNodesToLayers(m.NumNodes);
    AssignSectionsToNodes(m.NumNodes);
}

}  // namespace

void PrintPYCurvesAtDepths() {
    AnalysisModel& m = g_Model;
    Sort_And_Purge_Depths();
    const int n = m.NumPYOutputDepths;
    Write_Line6_Record(n);
    Write_Message_Line("Computing p-y curves for output at user-specified depths.");
    Write_Report_Line("--------------------------------------------------------------------------------");
    Write_Report_Line("                    p-y Curves Reported for Specified Depths");
    Write_Report_Line("--------------------------------------------------------------------------------");
    if (n <= 0) return;

    for (int j = 1; j <= n; ++j) {
        m.XNode[j] = m.XPYOutputDepth[j];
        if (m.XGroundSurface > m.XPYOutputDepth[j]) {
            Raise_Depth_Above_Ground(j, m.XPYOutputDepth[j]);
            Restore_Discretization();
            return;
        }
    }
    AssignNodesToLayersAlongPile(n);
    for (int L = 1; L <= m.i_Number_of_Layers; ++L) {
        if (m.i_TopNodeInLayer[L] == 0) continue;
        m.i_RockLayersAbove = m.b_BelowRockLayer[L] != 0 ? 1 : 0;
        UpdateLayerSoilModuli(L, true);
        // A criterion error ends the run; the nodes are restored anyway, as nothing is lost by it.
        if (m.ErrorStatus != 0) break;
        for (int i = 0; i < 3; ++i) Write_Report_Line("");
    }
    Restore_Discretization();
}
