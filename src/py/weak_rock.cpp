// Weak rock ("WeakRock") p-y criterion after Reese (1997): PY_WeakRock sets Es_Node (and, with
// soil movement, W_Node) for the nodes of one layer, or prints the curve block in print mode.
// The rock measures its own depth into the rock mass instead of an equivalent depth and keeps no
// layer integral. The layer's initial modulus Eir is held in the layer's k columns and k_rm in
// the strain column of the soil table.
#include "py/weak_rock.h"

#include <algorithm>
#include <cmath>

#include "engine/errors.h"
#include "engine/messages.h"
#include "model/model.h"
#include "model/soil_types.h"
#include "model/units.h"
#include "pile/soil_profile.h"
#include "py/criteria.h"
#include "py/py_framework.h"
#include "py/py_node.h"
#include "report/fortran_format.h"
#include "report/number_writer.h"
#include "report/plot_file.h"

namespace {

constexpr double k_RQD_Reduction = 0.006666666828095913;    // 1/150 (s)
constexpr double k_Deep_Factor = 5.199999809265137;         // 5.2 (s)
constexpr double k_Depth_Growth = 1.399999976158142;        // 1.4 (s)
constexpr double k_Depth_Offset = 9.99999993922529e-09;     // 1e-8 (s)
constexpr double k_YA_Exponent = 1.3329999446868896;        // 1.333 (s), not 4/3
constexpr double k_Krm_Low = 4.999999873689376e-05;         // 0.00005 (s)
constexpr double k_Krm_High = 0.0005000000237487257;        // 0.0005 (s)
constexpr double k_Zero_Strength = 1e-10;

// Strength limits of warnings 3071 to 3074: 100 and 1000 lb/in2, 689.5 and 6895 kPa.
constexpr double k_US_Low_Strength = 100.0;
constexpr double k_US_High_Strength = 1000.0;
constexpr double k_SI_Low_Strength = 689.5;
constexpr double k_SI_High_Strength = 6895.0;

// Fractions of the way from the corner to 16 yrm of the printed points 3 to 15.
constexpr double k_Table_Fractions[13] = {
    0.019999999552965164, 0.03999999910593033, 0.05999999865889549, 0.07999999821186066,
    0.10000000149011612,  0.20000000298023224, 0.30000001192092896, 0.4000000059604645,
    0.5,                  0.6000000238418579,  0.699999988079071,   0.800000011920929,
    0.8999999761581421};

// ---- Messages --------------------------------------------------------------------------

// "label" followed by the layer number in I0 form.
FortranRecord Layer_Line(const char* label, int L) {
    FortranRecord r;
    Start_Record(r);
    Append_Text(r, label);
    Append_I(r, L, 0);
    return r;
}

// Input Data Error No. 62: a compressive strength of zero or less.
void Raise_Strength_Not_Positive(int L) {
    const FortranRecord solution = Layer_Line("Solution:  Check the input values for layer ", L);
    Raise_PY_Input_Error(
        62, {"", "Problem:   The input value for compressive strength is less than or equal to zero.", "",
             solution.text.data()},
        true);
}

// Input Data Error No. 16: zero strength below the layer's first node.
void Raise_Zero_Strength() {
    Raise_PY_Input_Error(16,
                         {"", "An error was detected when computing the p-y curve for weak rock.",
                          "Problem:   The input value for the compressive strength of a weak rock was ",
                          "           input as negative or zero (0).", "",
                          "Solution:  Check the depth values for soil layering and soil shear strength ",
                          "           values and correct the input data.", ""},
                         true);
}

// Input Data Error No. 63: k_rm of zero or less.
void Raise_Krm_Not_Positive(int L) {
    const FortranRecord solution = Layer_Line("Solution: Check the input values for layer ", L);
    Raise_PY_Input_Error(
        63, {"", "Problem:  The input value for k_rm for weak rock is less than or equal to zero.", "",
             solution.text.data(), ""},
        true);
}

// Input Data Error No. 89: an initial modulus Eir of zero or less, which would give the rock no
// initial stiffness (or a negative one) and a curve without meaning.
void Raise_Modulus_Not_Positive(int L) {
    const FortranRecord solution = Layer_Line("Solution:  Enter a positive initial modulus Eir for the top and bottom of layer ", L);
    Raise_PY_Input_Error(
        89, {"", "An error was detected when computing the p-y curve for weak rock.",
             "Problem:   The initial modulus of the rock mass, Eir, is less than or equal to zero.", "",
             solution.text.data(), ""},
        true);
}

// Runtime Error No. 22: a reference deflection k_rm b of zero or less.
void Raise_Yrm_Not_Positive(int L) {
    const FortranRecord heading = Error_Heading(false, 22);
    const FortranRecord solution = Layer_Line(
        "Solution:  Check the input values for the week rock properties in the soil layer ", L);
    const std::initializer_list<const char*> lines = {
        heading.text.data(), "", "An error was detected when computing the p-y curve for weak rock.     ",
        "Problem:  The input value for k_rm is less than or equal to 0. ", "",
        solution.text.data(), ""};
    Write_Message_Lines(lines);
    Write_Report_Lines(lines);
    Raise_Runtime_Error(22);
}

// The strength checks, skipped on a layer interface: warnings 3071 and 3072 (US customary),
// Input Data Error No. 62 for a strength of zero or less, then warnings 3073 and 3074 (SI).
// Returns false when it raised.
bool Check_Weak_Rock_Strength(int L, double qur, bool on_interface) {
    if (on_interface) return true;
    const int units = g_Model.IUNITS;
    if (units == k_Units_US) {
        if (qur < k_US_Low_Strength) RecordWarning(-3071);
        if (qur > k_US_High_Strength) RecordWarning(-3072);
    }
    if (qur <= 0.0) {
        Raise_Strength_Not_Positive(L);
        return false;
    }
    if (units == k_Units_SI) {
        if (qur < k_SI_Low_Strength) RecordWarning(-3073);
        if (qur > k_SI_High_Strength) RecordWarning(-3074);
    }
    return true;
}

// ---- Printed block ---------------------------------------------------------------------

// "label = value" in E12.5, a blank and the unit (force / length when unit is null).
void Write_E_Line(const char* label, double value, const char* unit) {
    FortranRecord r;
    Start_PY_Label_Line(r, label);
    Append_E(r, value, 12, 5);
    Append_Text(r, " ");
    Append_Unit_Or_Force_Per_Length(r, unit);
    Write_PY_Record(r);
}

struct WeakRockPrint {
    double qur, gamma, xr, rqd, Eir, krm;
};

void Print_Weak_Rock_Curve(int L, int k, const PYNodeValues& v, const WeakRockPrint& in,
                           const WeakRockCurve& c) {
    const AnalysisModel& m = g_Model;
    Write_PY_Title("p-y Curve Computed Using Weak Rock Criteria", nullptr);
    Write_PY_Layer_And_Depths(L, v.z, 12);
    Write_PY_Value_Line("Diameter", v.b, 3, m.LabelLength);
    Write_PY_Value_Line("Unconfined Compressive Strength", in.qur, 3, m.LabelStress);
    Write_PY_Value_Line("Avg. Eff. Unit Weight", in.gamma, 5, m.LabelUnitWeight);
    if (m.IUNITS == k_Units_US) Write_PY_Value_Line("Avg. Eff. Unit Weight", in.gamma * 1728.0, 5, "pcf");
    Write_PY_Value_Line("Xr", in.xr, 3, m.LabelLength);
    Write_PY_Value_Line("RQD", in.rqd, 3, "%");
    Write_PY_Stress_Line("Eir", in.Eir, 0);
    Write_PY_Force_Line("Pu", c.pu, 3);
    Write_PY_Value_Line("k_rm", in.krm, 5, nullptr);
    Write_E_Line("K_ir", c.Kir, nullptr);
    Write_PY_Value_Line("Alpha_r", c.alpha_r, 3, nullptr);
    Write_PY_Value_Line("Yu", 3.0 * v.b / 80.0, 5, m.LabelLength);
    Write_PY_Value_Line("Yrm", c.yrm, 5, m.LabelLength);
    Write_E_Line("Y_A", c.yA, m.LabelLength);
    Write_PY_Multipliers(v.pm, v.ym);
    Write_PY_Table_Heading(9, 30, nullptr, k_PY_Table_Dashes);
    Print_Tabulated_PY_Curve(k_PY_Curve_Weak_Rock, k, v, k_PY_Rows_Numbers,
                             [&](int j) { return Weak_Rock_Table_Deflection(c, j); },
                             [&](double y_prime) { return Weak_Rock_P(c, y_prime); });
    WriteLine("");
}

bool Weak_Rock_At_Node(int L, int k, const PYNodeValues& v, bool print, PYNodeModulus& out) {
    const AnalysisModel& m = g_Model;
    bool on_interface = false;
    const double qur = fn_c(v.z, on_interface);
    if (m.ErrorStatus != 0) return false;
    if (!Check_Weak_Rock_Strength(L, qur, on_interface)) return false;
    // On an interface zero is tolerated at the layer's first node (no resistance there),
    // but a negative value can only come from a negative strength in the data.
    if (qur < 0.0) {
        Raise_Strength_Not_Positive(L);
        return false;
    }
    const double rqd = RQDAtDepth(v.z);
    if (m.ErrorStatus != 0) return false;
    const double Eir = LayerKAtDepth(L, v.z);
    if (m.ErrorStatus != 0) return false;
    if (k > Layer_First_Point(L, print) && qur < k_Zero_Strength) {
        Raise_Zero_Strength();
        return false;
    }
    if (Eir <= 0.0) {
        Raise_Modulus_Not_Positive(L);
        return false;
    }
    const double gamma = AverageUnitWeightAbove(v.z);
    if (m.ErrorStatus != 0) return false;
    const double krm = KrmAtDepth(v.z);
    if (krm <= 0.0) {
        Raise_Krm_Not_Positive(L);
        return false;
    }
    if (krm < k_Krm_Low) RecordWarning(-316);
    if (krm > k_Krm_High) RecordWarning(-317);
    const double xr = Depth_Into_Rock(L, v.z);
    if (krm * v.b <= 0.0) {
        Raise_Yrm_Not_Positive(L);
        return false;
    }
    const WeakRockCurve c = Weak_Rock_Curve(v.b, qur, rqd, Eir, krm, xr);
    if (print) {
        Print_Weak_Rock_Curve(L, k, v, {qur, gamma, xr, rqd, Eir, krm}, c);
        return true;
    }
    // On the initial line (and at no deflection at all, which a curve without resistance
    // would make 0/0) the initial modulus, without the multipliers.
    const bool on_line = v.y_prime < c.yA && c.Kir * v.y_prime <= c.pu;
    out.Es = on_line || v.y_prime < k_PY_Tiny_Deflection ? c.Kir
                                                          : Secant_Modulus(v, Weak_Rock_P(c, v.y_prime));
    return true;
}

// Weak rock takes part in soil movement and keeps no layer integral.
constexpr PYCriterion k_Weak_Rock = {
    nullptr, 0, 0, true, k_PY_No_Integral, false,
    Begin_Layer_Taking_Missing_Cycles_As_One, Weak_Rock_At_Node};

}  // namespace

double Weak_Rock_Alpha(double rqd) { return 1.0 - k_RQD_Reduction * rqd; }

WeakRockCurve Weak_Rock_Curve(double b, double qur, double rqd, double Eir, double krm, double xr) {
    WeakRockCurve c{};
    c.alpha_r = Weak_Rock_Alpha(rqd);
    // the resistance grows with the depth into the rock down to three diameters
    if (xr > 3.0 * b) {
        c.pu = k_Deep_Factor * c.alpha_r * qur * b;
        c.Kir = 500.0 * Eir;
    } else {
        c.pu = c.alpha_r * qur * b * (1.0 + k_Depth_Growth * xr / b);
        c.Kir = Eir * (100.0 + 400.0 * xr / (3.0 * b));
    }
    c.yrm = krm * b;
    c.yA = std::pow(c.pu / (2.0 * std::pow(c.yrm, 0.25) * c.Kir), k_YA_Exponent);
    // When pu exceeds 16 Kir yrm the line meets the quarter-power curve only beyond pu, and the
    // curve is the line up to pu and pu from there on.
    c.y_corner = c.yA < 16.0 * c.yrm ? c.yA : std::min(c.yA, c.pu / c.Kir);
    return c;
}

double Weak_Rock_P(const WeakRockCurve& c, double y_prime) {
    if (y_prime < c.yA) return std::min(c.pu, c.Kir * y_prime);
    return std::min(c.pu, 0.5 * c.pu * std::pow(y_prime / c.yrm, 0.25));
}

double Weak_Rock_Table_Deflection(const WeakRockCurve& c, int j) {
    const bool capped = !(c.yA < 16.0 * c.yrm);
    const double end = capped ? 2.0 * c.y_corner : 16.0 * c.yrm;
    if (j <= 1) return 0.0;
    if (j == 2) return c.y_corner;
    if (j <= 15) return c.y_corner + k_Table_Fractions[j - 3] * (end - c.y_corner);
    if (j == 16) return end;
    return capped ? 2.5 * c.y_corner : 20.0 * c.yrm;
}

double LayerKAtDepth(int L, double z) {
    const AnalysisModel& m = g_Model;
    if (m.rd_LayerTop[L] == m.XLayerBottom[L]) {
        Raise_Runtime_Error(20);
        Write_Report_Lines({"**** Runtime Error No. 20 ****", "",
                            "Problem:  The top and bottom elevations for weak rock layer are equal.",
                            "Solution: Correct the input data for elevations defining weak rock layer.",
                            ""});
        return 0.0;
    }
    // Eir is read into the layer's k pair, both values as given
    return fn_LayerK(L, z, m.LayerKBottom[L]);
}

double Depth_Into_Rock(int L, double z) {
    const AnalysisModel& m = g_Model;
    double xr = z + k_Depth_Offset - m.rd_LayerTop[L];
    for (int j = L - 1; j >= 1; --j) {
        const int type = m.i_SoilLayer_py_Type[j];
        if (type != k_Soil_WeakRock && type != k_Soil_VuggyLS) break;
        xr += m.XLayerBottom[j] - m.rd_LayerTop[j];
    }
    return xr;
}

void PY_WeakRock(int L, bool print) { Run_PY_Criterion(L, print, k_Weak_Rock); }
