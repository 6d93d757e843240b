// Elastic subgrade ("Elast SG"): a straight p-y line p = k b y whose subgrade modulus k varies
// linearly through the layer. It counts as a rock-type layer for the layers below it, takes
// part in soil movement, and keeps no integral of ultimate resistance.
#include "model/model.h"
#include "pile/soil_profile.h"
#include "py/criteria.h"
#include "py/py_framework.h"
#include "py/py_node.h"
#include "report/number_writer.h"

namespace {

constexpr int k_Print_Points = 17;
constexpr const char* k_Depth_Phrase = "elastic subgrade soil";
constexpr const char* k_Point_Phrase = "elastic subgrade";

// Printed curve at requested depth k: parameters, then 17 points from 0 to 2 b.
void Print_Elastic_Subgrade_Curve(int L, int k, const PYNodeValues& v, double ks) {
    WriteLine("");
    WriteLine("");
    WriteLine("p-y Curve for Elastic Subgrade");
    WriteLine("");
    Write_PY_Layer_And_Depths(L, v.z);
    Write_PY_Real_Line("Shaft Diameter", v.b, 12, 3, g_Model.LabelLength);
    FortranRecord r;
    Start_PY_Label_Line(r, "Elastic Subgrade Modulus");
    Append_F(r, ks, 12, 3);
    Append_Text(r, " ");
    Append_Subgrade_Label(r);
    Write_PY_Record(r);
    Write_PY_Multipliers(v.pm, v.ym);
    Write_PY_Table_Heading(22, "---------------   ---------------");
    Write_Plot_PY_Depth(g_Model.XNode[k], k_Print_Points, k_Depth_Phrase, k);
    for (int j = 1; j <= k_Print_Points; ++j) {
        const double y_prime = (j - 1) * v.b / 8.0;
        const double y = v.ym * y_prime;
        const double p = v.pm * ks * v.b * y_prime;
        Write_PY_Table_Row(y, p, 3, 5);
        Write_Plot_PY_Point(y, p, j, k_Point_Phrase);
    }
}

}  // namespace

void PY_ElasticSubgrade(int L) {
    AnalysisModel& m = g_Model;
    const int top = m.i_TopNodeInLayer[L];
    const int bottom = m.i_BottomNodeInLayer[L];
    for (int k = top; k <= bottom; ++k) {
        const PYNodeValues v = Gather_PY_Node(k);
        if (m.ErrorStatus != 0) return;
        const double ks = Layer_Column_At_Depth(L, m.ElasticSubgradeAtPoint, v.z);
        if (m.b_PrintPYMode != 0) {
            Print_Elastic_Subgrade_Curve(L, k, v, ks);
            continue;
        }
        // The secant of a straight line is its slope, whatever the deflection.
        m.Es_Node[k] = v.pm * ks * v.b / v.ym;
        Apply_Soil_Movement_Load(k);
    }
}
