// Strong rock ("Vuggy LS") p-y criterion for vuggy limestone: PY_VuggyLimestone sets Es_Node for
// the nodes of one layer, or prints the curve block in print mode. The curve follows the pile's
// own deflection (soil movement does not act on it, and W_Node keeps its value) and keeps no
// layer integral. Its initial modulus is far above the default one, so the run also evaluates
// every such layer once at the start of each load case (dispatch.cpp).
#include "py/vuggy_limestone.h"

#include <cmath>

#include "engine/errors.h"
#include "model/model.h"
#include "model/units.h"
#include "pile/soil_profile.h"
#include "py/criteria.h"
#include "py/py_framework.h"
#include "py/py_node.h"
#include "report/fortran_format.h"
#include "report/number_writer.h"
#include "report/plot_file.h"

namespace {

constexpr double k_Initial_Fraction = 0.00039999998989515007;   // 0.0004 (s)
constexpr double k_Initial_Share = 0.800000011920929;           // 0.8 (s)

// Plausible range of the compressive strength named by warning 308: 1,000 to 2,500 lb/in2, and
// 6,895 to 17,237 kPa.
constexpr double k_US_Low_Strength = 1000.0;
constexpr double k_US_High_Strength = 2500.0;
constexpr double k_SI_Low_Strength = 6895.0;
constexpr double k_SI_High_Strength = 17237.0;

// Input Data Error No. 90: a compressive strength of zero or less, which leaves the curve
// without stiffness or capacity (and its second line without an end).
void Raise_Strength_Not_Positive(int L) {
    FortranRecord solution;
    Start_Record(solution);
    Append_Text(solution, "Solution:  Enter a positive uniaxial compressive strength for the top and bottom of layer ");
    Append_I(solution, L, 0);
    Raise_PY_Input_Error(
        90, {"", "An error was detected when computing the p-y curve for vuggy limestone.",
             "Problem:   The uniaxial compressive strength of the rock is less than or equal to zero.", "",
             solution.text.data(), ""},
        true);
}

// Warning 308 on a strength outside the range its text names.
void Warn_Vuggy_Limestone_Strength(double qu) {
    const int units = g_Model.IUNITS;
    if (units == k_Units_US && (qu < k_US_Low_Strength || qu > k_US_High_Strength)) {
        RecordWarning(-308);
    } else if (units == k_Units_SI && (qu < k_SI_Low_Strength || qu > k_SI_High_Strength)) {
        RecordWarning(-308);
    }
}

void Print_Vuggy_Limestone_Curve(int L, int k, const PYNodeValues& v, double qu,
                                 const VuggyLimestoneCurve& c) {
    const AnalysisModel& m = g_Model;
    Write_PY_Title("p-y Curve for Vuggy Limestone (Strong Rock) Criteria", nullptr);
    Write_PY_Layer_And_Depths(L, v.z, 12);
    Write_PY_Value_Line("Shaft Diameter", v.b, 3, m.LabelLength);
    Write_PY_Value_Line("Uniaxial Compressive Strength", qu, 3, m.LabelStress);
    Write_PY_Multipliers(v.pm, v.ym);
    Write_PY_Table_Heading(9, 22, nullptr, "---------------   ---------------");
    Print_Tabulated_PY_Curve(k_PY_Curve_Vuggy_Limestone, k, v, k_PY_Rows_Numbers,
                             [&](int j) { return Vuggy_Limestone_Table_Deflection(c, j); },
                             [&](double y_prime) { return Vuggy_Limestone_P(c, y_prime); });
}

bool Vuggy_Limestone_At_Node(int L, int k, const PYNodeValues& v, bool print, PYNodeModulus& out) {
    const AnalysisModel& m = g_Model;
    const double qu = fn_c(v.z);
    if (m.ErrorStatus != 0) return false;
    const double gamma = AverageUnitWeightAbove(v.z);
    if (m.ErrorStatus != 0) return false;
    if (qu <= 0.0) {
        Raise_Strength_Not_Positive(L);
        return false;
    }
    if (v.z > m.rd_LayerTop[L]) Warn_Vuggy_Limestone_Strength(qu);
    const VuggyLimestoneCurve c = Vuggy_Limestone_Curve(v.b, qu, gamma, v.zg);
    if (print) {
        Print_Vuggy_Limestone_Curve(L, k, v, qu, c);
        return true;
    }
    // the pile's own deflection: soil movement does not act on the rock
    const double y_prime = std::fabs(Y_Node(k)) / v.ym;
    out.Es = y_prime < k_PY_Tiny_Deflection ? c.Ei / v.ym
                                             : v.pm * Vuggy_Limestone_P(c, y_prime) / (v.ym * y_prime);
    return true;
}

// The rock takes no part in soil movement and keeps no layer integral.
constexpr PYCriterion k_Vuggy_Limestone = {
    nullptr, 0, 0, false, k_PY_No_Integral, false, nullptr, Vuggy_Limestone_At_Node};

}  // namespace

VuggyLimestoneCurve Vuggy_Limestone_Curve(double b, double qu, double gamma, double zg) {
    VuggyLimestoneCurve s{};
    s.c = 0.5 * qu;
    s.ya = k_Initial_Fraction * b;
    s.pa = k_Initial_Share * b * s.c;
    s.Ei = 2000.0 * s.c;
    s.yb = (b * s.c - s.pa) / (100.0 * s.c) + s.ya;
    s.delta = (s.yb - s.ya) / 15.0;
    s.residual = 0.5 * gamma * b * zg;
    return s;
}

double Vuggy_Limestone_P(const VuggyLimestoneCurve& s, double y_prime) {
    if (y_prime < s.ya) return s.Ei * y_prime;
    if (y_prime <= s.yb) return s.pa + 100.0 * s.c * (y_prime - s.ya);
    // beyond its capacity the rock is fractured
    return s.residual;
}

double Vuggy_Limestone_Table_Deflection(const VuggyLimestoneCurve& s, int j) {
    if (j <= 1) return 0.0;
    if (j == k_PY_Print_Points) return s.yb;
    return s.ya + (j - 2) * s.delta;
}

void PY_VuggyLimestone(int L, bool print) { Run_PY_Criterion(L, print, k_Vuggy_Limestone); }
