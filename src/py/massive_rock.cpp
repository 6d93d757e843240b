// Massive rock ("MassRock"): the criterion computes no p-y curve. At the layer's first node it
// makes its property lookups (their input errors take precedence), then stops the run with the
// status 99 that callers have always received for it, after a message in the report and the
// runtime message file that names the layer, so that the stop is never silent.
#include "engine/errors.h"
#include "engine/messages.h"
#include "engine/orvane.h"
#include "model/model.h"
#include "pile/section_properties.h"
#include "pile/soil_profile.h"
#include "py/criteria.h"
#include "py/py_node.h"
#include "report/error_text.h"
#include "report/fortran_format.h"

namespace {

constexpr int k_Status_Massive_Rock = ORVANE_RESULT_MASSIVE_ROCK;

// The message of the stop at layer L, to the runtime message file and then to the report.
void Write_Massive_Rock_Stop(int L) {
    FortranRecord stop;
    Start_Record(stop);
    Append_Text(stop, "The analysis stopped at soil layer ");
    Append_I(stop, L, 0);
    Append_Text(stop, ", a layer of massive rock (\"MassRock\").");
    FortranRecord problem;
    Start_Record(problem);
    Append_Text(problem, "Problem:  The massive rock criterion of soil layer ");
    Append_I(problem, L, 0);
    Append_Text(problem, " computes no p-y curve.");
    const std::initializer_list<const char*> lines = {
        "", stop.text.data(), "", problem.text.data(),
        "          No lateral response can be computed for a pile that reaches this layer.",
        "Solution: Describe the rock of this layer with the weak rock or the strong rock",
        "          (vuggy limestone) criteria, or end the pile above the layer.",
        ""};
    // the message has no framed heading: its lines are the stop's text all the same; the copy
    // to the report replaces the message file's
    Open_Error_Text();
    Write_Message_Lines(lines);
    Open_Error_Text();
    Write_Report_Lines(lines);
}

}  // namespace

void PY_MassiveRock(int L, bool print) {
    const AnalysisModel& m = g_Model;
    const int k = Layer_First_Point(L, print);
    if (k == 0 || Layer_Last_Point(L, print) < k) return;
    const double x = Point_Depth(k, print);
    const double z = print ? x : m.ZNode[k];
    SectionPropertiesAtDepth(x);
    if (m.ErrorStatus != 0) return;
    AverageUnitWeightAbove(z);
    if (m.ErrorStatus != 0) return;
    // The strength is looked up for its errors only: no curve uses it.
    fn_HB_qu_at_DepthX(z);
    if (m.ErrorStatus != 0) return;
    Write_Massive_Rock_Stop(L);
    Set_Error_Status(k_Status_Massive_Rock);
}
