// Elastic subgrade ("Elast SG"): a straight p-y line p = k b y whose subgrade modulus k varies
// linearly through the layer. It counts as a rock-type layer for the layers below it, takes
// part in soil movement, and keeps no integral of ultimate resistance.
#include "model/model.h"
#include "pile/soil_profile.h"
#include "py/criteria.h"
#include "py/py_framework.h"
#include "py/py_node.h"
#include "report/number_writer.h"
#include "report/plot_file.h"

namespace {

// Printed curve at requested depth k: parameters, then 17 points from 0 to 2 b.
void Print_Elastic_Subgrade_Curve(int L, int k, const PYNodeValues& v, double ks) {
    Write_PY_Title("p-y Curve for Elastic Subgrade", nullptr);
    Write_PY_Layer_And_Depths(L, v.z);
    Write_PY_Real_Line("Shaft Diameter", v.b, 12, 3, g_Model.LabelLength);
    FortranRecord r;
    Start_PY_Label_Line(r, "Elastic Subgrade Modulus");
    Append_F(r, ks, 12, 3);
    Append_Text(r, " ");
    Append_Subgrade_Label(r);
    Write_PY_Record(r);
    Write_PY_Multipliers(v.pm, v.ym);
    WriteLine("");
    Write_PY_Table_Heading(9, 22, nullptr, "---------------   ---------------");
    Record_Printed_PY_Curve(k_PY_Curve_Elastic_Subgrade, v.x, k_PY_Print_Points, k);
    for (int j = 1; j <= k_PY_Print_Points; ++j) {
        const double y_prime = (j - 1) * v.b / 8.0;
        const double y = v.ym * y_prime;
        const double p = v.pm * ks * v.b * y_prime;
        Write_PY_Table_Row(y, p, 3, 5);
        Record_Printed_PY_Point(k_PY_Curve_Elastic_Subgrade, y, p, j);
    }
}

bool Elastic_Subgrade_At_Node(int L, int k, const PYNodeValues& v, bool print, PYNodeModulus& out) {
    const double ks = Layer_Column_At_Depth(L, g_Model.ElasticSubgradeAtPoint, v.z);
    if (print) {
        Print_Elastic_Subgrade_Curve(L, k, v, ks);
        return true;
    }
    // The secant of a straight line is its slope, whatever the deflection.
    out.Es = v.pm * ks * v.b / v.ym;
    return true;
}

constexpr PYCriterion k_Elastic_Subgrade = {
    nullptr, 0, 0, true, k_PY_No_Integral, false, nullptr, Elastic_Subgrade_At_Node};

}  // namespace

void PY_ElasticSubgrade(int L, bool print) { Run_PY_Criterion(L, print, k_Elastic_Subgrade); }
