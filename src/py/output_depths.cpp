// Printing of p-y curves at requested depths: the requested depths, sorted without repeats into
// rd_PYCurveDepth, are assigned to the layers along the pile (i_TopPYDepthInLayer,
// i_BottomPYDepthInLayer), and every criterion's print mode walks them as its layer's points; the
// requested depths as read and the pile's nodes, their layers and sections stay as they are.
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

// The requested depths into rd_PYCurveDepth: ascending order by exchange, then repeated depths
// dropped (exact equality). XPYOutputDepth keeps the depths as read.
void Sort_And_Purge_Depths() {
    AnalysisModel& m = g_Model;
    const int n = m.NumPYOutputDepths;
    auto& d = m.rd_PYCurveDepth;
    d.fill(0.0);
    for (int j = 1; j <= n; ++j) d[j] = m.XPYOutputDepth[j];
    for (int k = 1; k < n; ++k) {
        for (int l = k + 1; l <= n; ++l) {
            if (d[k] > d[l]) {
                const double t = d[k];
                d[k] = d[l];
                d[l] = t;
            }
        }
    }
    m.i_NumPYCurveDepths = n;
    if (n <= 1) return;
    int kept = 1;
    for (int j = 2; j <= n; ++j) {
        bool repeated = false;
        for (int i = 1; i <= kept; ++i) repeated = repeated || d[i] == d[j];
        if (!repeated) d[++kept] = d[j];
    }
    for (int j = kept + 1; j <= n; ++j) d[j] = 0.0;
    m.i_NumPYCurveDepths = kept;
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

// Ranges of the n sorted requested depths in each layer, by depth along the pile, as the pile's
// nodes get theirs.
void Assign_Depths_To_Layers(int n) {
    AnalysisModel& m = g_Model;
    Assign_Depth_Ranges_To_Layers(m.rd_PYCurveDepth.data(), n, m.i_TopPYDepthInLayer,
                                  m.i_BottomPYDepthInLayer);
}

}  // namespace

void PrintPYCurvesAtDepths() {
    AnalysisModel& m = g_Model;
    Sort_And_Purge_Depths();
    const int n = m.i_NumPYCurveDepths;
    Write_Line6_Record(n);
    Write_Message_Line("Computing p-y curves for output at user-specified depths.");
    Write_Report_Line("--------------------------------------------------------------------------------");
    Write_Report_Line("                    p-y Curves Reported for Specified Depths");
    Write_Report_Line("--------------------------------------------------------------------------------");
    if (n <= 0) return;

    for (int j = 1; j <= n; ++j) {
        if (m.XGroundSurface > m.rd_PYCurveDepth[j]) {
            Raise_Depth_Above_Ground(j, m.rd_PYCurveDepth[j]);
            return;
        }
    }
    Assign_Depths_To_Layers(n);
    for (int L = 1; L <= m.i_Number_of_Layers; ++L) {
        if (m.i_TopPYDepthInLayer[L] == 0) continue;
        m.i_RockLayersAbove = m.b_BelowRockLayer[L] != 0 ? 1 : 0;
        UpdateLayerSoilModuli(L, true);
        // a criterion error ends the run
        if (m.ErrorStatus != 0) return;
        for (int i = 0; i < 3; ++i) Write_Report_Line("");
    }
}
