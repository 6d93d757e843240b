// User-input p-y curves ("User p-y"): the layer carries one curve given point by point at its
// top and one at its bottom. A node reads its resistance from both curves at its deflection and
// interpolates the two values linearly by depth. The layer keeps the integral of the curves' last
// values for the equivalent depth of the layers below, takes part in soil movement, and counts
// neither as a rock-type layer nor as one that uses an equivalent depth itself. The reader has
// already refused curves of fewer than two points, not starting at y = 0 or not rising in y.
#include <cmath>

#include "model/model.h"
#include "py/criteria.h"
#include "py/py_framework.h"
#include "py/py_node.h"
#include "report/fortran_format.h"
#include "report/number_writer.h"
#include "report/plot_file.h"

namespace {

constexpr double k_Same_Depth = 1e-6;
constexpr double k_First_Deflection = 0.0010000000474974513;   // 0.001 (s)
constexpr double k_Fraction_15 = 0.20000000298023224;          // 0.2 (s)
constexpr double k_Fraction_16 = 0.375;

// Resistance of curve k at deflection y_prime: linear between the points that bracket it, the
// last value beyond the last point.
double CurveValue(double y_prime, int k) {
    const AnalysisModel& m = g_Model;
    const int n = m.NumUserPYPoints[k];
    if (y_prime == m.UserPY_y[1][k]) return m.UserPY_p[1][k];
    if (y_prime > m.UserPY_y[n][k]) return m.UserPY_p[n][k];
    int j = n;
    for (int i = 2; i <= n - 1; ++i) {
        if (m.UserPY_y[i - 1][k] < y_prime && y_prime <= m.UserPY_y[i][k]) {
            j = i;
            break;
        }
    }
    const double y0 = m.UserPY_y[j - 1][k];
    const double p0 = m.UserPY_p[j - 1][k];
    return p0 + (m.UserPY_p[j][k] - p0) * (y_prime - y0) / (m.UserPY_y[j][k] - y0);
}

// Slope of the first segment of curve k, the curve's modulus at vanishing deflection.
double First_Slope(int k) { return g_Model.UserPY_p[2][k] / g_Model.UserPY_y[2][k]; }

// Where depth x lies between the two curve depths, as a fraction from the top curve; false
// outside them. Two curves at one depth act as the top curve alone.
bool Depth_Fraction(int L, double x, double& fraction) {
    const AnalysisModel& m = g_Model;
    const double dt = m.UserPYDepth[2 * L - 1];
    const double db = m.UserPYDepth[2 * L];
    if (x < dt || x > db) return false;
    fraction = std::fabs(db - dt) > k_Same_Depth ? (x - dt) / (db - dt) : 0.0;
    return true;
}

// Resistance p (without multipliers) and limiting modulus Kl at depth x and deflection y_prime;
// both 0 outside the curve depths (possible with batter, x being measured along the pile).
void Interpolated_Curve(int L, double x, double y_prime, double& p, double& kl) {
    const int kt = 2 * L - 1;
    const int kb = 2 * L;
    double f = 0.0;
    if (!Depth_Fraction(L, x, f)) {
        p = 0.0;
        kl = 0.0;
        return;
    }
    const double pt = CurveValue(y_prime, kt);
    const double pb = CurveValue(y_prime, kb);
    const double st = First_Slope(kt);
    const double sb = First_Slope(kb);
    p = pt + (pb - pt) * f;
    kl = st + (sb - st) * f;
}

// The curves' last values at depth x, linear in depth without the range test: the ultimate
// resistance that enters the layer integral.
double Last_Value_At_Depth(int L, double x) {
    const AnalysisModel& m = g_Model;
    const int kt = 2 * L - 1;
    const int kb = 2 * L;
    const double dt = m.UserPYDepth[kt];
    const double db = m.UserPYDepth[kb];
    const double top = m.UserPY_p[m.NumUserPYPoints[kt]][kt];
    const double bottom = m.UserPY_p[m.NumUserPYPoints[kb]][kb];
    if (std::fabs(db - dt) > k_Same_Depth) return top + (x - dt) * (bottom - top) / (db - dt);
    return top;
}

// Tabulated deflection j of the printed curve: 0, 0.001 in the run's length unit, then
// fractions of the pile width.
double Tabulated_Deflection(int j, double b) {
    if (j == 1) return 0.0;
    if (j == 2) return k_First_Deflection;
    if (j <= 14) return b * static_cast<double>(static_cast<float>(0.00625 * (j - 2)));
    if (j == 15) return b * k_Fraction_15;
    if (j == 16) return b * k_Fraction_16;
    return 0.5 * b;
}

// Printed curve at requested depth k: parameters, the "Line 7" record, then 17 points.
void Print_User_Curve(int L, int k, const PYNodeValues& v) {
    const AnalysisModel& m = g_Model;
    Write_PY_Title("p-y Curve Computed by Interpolation Between User-input Curves", nullptr);
    Write_PY_Layer_And_Depths(L, v.x, 12);
    Write_PY_Real_Line("Pile diameter", v.b, 12, 3, m.LabelLength);
    Write_PY_Real_Line("p-multiplier", v.pm, 12, 3, nullptr);
    Write_PY_Real_Line("y-multiplier", v.ym, 12, 3, nullptr);
    WriteLine("");
    Write_PY_Table_Heading(7, 25, nullptr, "----------------    ----------------");
    Record_Printed_PY_Curve(k_PY_Curve_User, v.x, k_PY_Print_Points, k);
    for (int j = 1; j <= k_PY_Print_Points; ++j) {
        double p = 0.0;
        double kl = 0.0;
        Interpolated_Curve(L, v.x, Tabulated_Deflection(j, v.b), p, kl);
        const double y = v.ym * Tabulated_Deflection(j, v.b);
        FortranRecord row;   // F15.4, 5X, F15.4
        Start_Record(row);
        Append_F(row, y, 15, 4);
        Append_X(row, 5);
        Append_F(row, v.pm * p, 15, 4);
        Write_PY_Record(row);
        Record_Printed_PY_Point(k_PY_Curve_User, y, v.pm * p, j);
    }
}

bool User_Curve_At_Node(int L, int k, const PYNodeValues& v, bool print, PYNodeModulus& out) {
    if (print) {
        Print_User_Curve(L, k, v);
        return true;
    }
    double p = 0.0;
    double kl = 0.0;
    Interpolated_Curve(L, v.x, v.y_prime, p, kl);
    // the last value of the curves goes to the layer integral, over one increment per node
    out.pu = Last_Value_At_Depth(L, v.x);
    // At vanishing deflection the secant becomes the first segment's slope, taken without
    // multipliers.
    out.Es = v.y_prime < k_PY_Tiny_Deflection ? kl : Secant_Modulus(v, p);
    return true;
}

// User curves take part in soil movement and keep the integral of their last values.
constexpr PYCriterion k_User_Curves = {
    nullptr, 0, 0, true, k_PY_Increment_Integral, false, nullptr, User_Curve_At_Node};

}  // namespace

void PY_UserCurves(int L, bool print) { Run_PY_Criterion(L, print, k_User_Curves); }
