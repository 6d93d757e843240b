// Stiff clay without free water p-y criteria after Welch and Reese (1972): PY_StiffClayNoFreeWater
// ("StfClyAW") and PY_StiffClayNoFreeWaterK ("StfClyAK", the same curve under an initial straight
// line k zu) set Es_Node for the nodes of one layer, keep the layer's integral of ultimate
// resistance for the equivalent depth of the layers below, or print the curve block in print
// mode. Soil properties come from pile/soil_profile; the curve framework is py/py_framework.
#include "py/stiff_clay_no_free_water.h"

#include <algorithm>
#include <cmath>

#include "engine/errors.h"
#include "engine/messages.h"
#include "model/model.h"
#include "model/units.h"
#include "pile/soil_profile.h"
#include "py/criteria.h"
#include "py/equivalent_depth.h"
#include "py/py_framework.h"
#include "py/py_node.h"
#include "py/stiff_clay_factors.h"
#include "report/fortran_format.h"
#include "report/number_writer.h"
#include "report/plot_file.h"

namespace {

constexpr double k_Cycle_Stretch = 0.6000000238418579;      // 0.6 (s)
constexpr double k_Static_End = 16.799999237060547;         // 16.8 (s)
constexpr double k_Cyclic_End = 9.600000381469727;          // 9.6 (s)
constexpr double k_Limit_Ratio = 2e-5;                      // of the pile width
constexpr double k_Cos_Quarter_Pi = 0.7071067690849304;     // cos(pi/4) (s)

// Printed deflections as fractions of 16 y50 (points 1 to 15); all but the last three are
// single-precision values.
constexpr double k_Table_Fractions[16] = {
    0, 0.0, 9.999999747378752e-06, 4.999999873689376e-05, 9.999999747378752e-05,
    0.0005000000237487257, 0.0010000000474974513, 0.004999999888241291, 0.009999999776482582,
    0.02500000037252903, 0.05000000074505806, 0.07500000298023224, 0.10000000149011612, 0.25,
    0.5, 1.0};

// Cohesion limits of the defaults: 6.94, 13.88 and 27.78 lb/in2 (s), and in kPa (s).
constexpr StiffClayDefaults k_Defaults = {
    // cohesion class limits (US, SI), k static and cyclic (SI)
    {6.940000057220459, 13.880000114440918, 27.780000686645508},
    {47.8927001953125, 95.785400390625, 191.57080078125},
    {67861.796875, 135723.59375, 271447.1875, 542894.375},
    {27144.7109375, 54289.3984375, 108578.8984375, 217157.703125},
};

// SI warning limits on cohesion: 500 and 8000 lb/ft2 in kPa (s).
constexpr double k_SI_Cohesion_Limits[2] = {23.940000534057617, 383.0400085449219};

// What differs between the two criteria: the initial line, warning numbers, plot records.
struct NoFreeWaterVariant {
    bool with_k;
    int warnings[4];   // US low, US high, SI low, SI high
    int curve_kind;    // of the plot records
};

constexpr NoFreeWaterVariant k_Without_K = {false, {3061, 3062, 3063, 3064}, k_PY_Curve_No_Free_Water};
constexpr NoFreeWaterVariant k_With_K = {true, {3261, 3262, 3263, 3264}, k_PY_Curve_No_Free_Water_K};

// ---- Messages --------------------------------------------------------------------------

// Input Data Error No. 13: zero cohesion below the layer's first node.
void Raise_Zero_Cohesion() {
    Raise_PY_Input_Error(
        13,
        {"", "An error was detected in the input data.",
         "Problem:  Zero was input for cohesion of stiff clay without free water.", "",
         "Solution:  Please check the values of soil shear strength and revise the input data.", ""},
        true);
}

// ---- Printed block ---------------------------------------------------------------------

// Appends the first n characters of a label, blank-padded: this block writes some unit labels
// at their fixed widths rather than trimmed.
void Append_Fixed(FortranRecord& r, const char* text, int n) {
    char piece[8];
    int i = 0;
    for (; i < n && text[i] != '\0'; ++i) piece[i] = text[i];
    for (; i < n; ++i) piece[i] = ' ';
    piece[n] = '\0';
    Append_Text(r, piece);
}

// A length line with the two-character length label ("m " in SI units).
void Write_Length_Line(const char* label, double value) {
    FortranRecord r;
    Start_PY_Label_Line(r, label);
    Append_F(r, value, 12, 3);
    Append_Text(r, " ");
    Append_Fixed(r, g_Model.LabelLength, 2);
    Write_PY_Record(r);
}

// A line whose unit is force / length ** exponent from fixed-width pieces ("kN /m **2").
void Write_Fixed_Unit_Line(const char* label, double value, const char* exponent) {
    const AnalysisModel& m = g_Model;
    FortranRecord r;
    Start_PY_Label_Line(r, label);
    Append_F(r, value, 12, 5);
    Append_Text(r, " ");
    Append_Fixed(r, m.LabelForce, 3);
    Append_Fixed(r, m.LabelSlash, 1);
    Append_Fixed(r, m.LabelLength, 2);
    Append_Fixed(r, m.LabelPower, 2);
    Append_Fixed(r, exponent, 1);
    Write_PY_Record(r);
}

void Print_No_Free_Water_Parameters(const NoFreeWaterVariant& variant, int L, int k,
                                    const PYNodeValues& v, double c, double gamma, double K,
                                    double eps50, double zu, const StiffClayNoFreeWaterCurve& s) {
    const AnalysisModel& m = g_Model;
    const bool us = m.IUNITS == k_Units_US;
    // "StfClyAK" under cyclic loading prints cohesion and unit weight once, in composed units
    const bool composed = variant.with_k && s.cyclic;
    Write_PY_Title(s.cyclic ? "p-y Curve Computed Using Cyclic Criteria for Stiff Clay without Free Water"
                            : "p-y Curve Computed Using Static Criteria for Stiff Clay without Free Water",
                   variant.with_k ? "with Option of Defining Initial k" : nullptr);
    Write_PY_Layer_And_Depths(L, v.z, 12);
    if (!variant.with_k) Write_PY_Slope_Lines("Pile Batter Angle");
    Write_Length_Line("Equivalent Depth", zu);
    Write_Length_Line("Diameter", v.b);
    if (composed) {
        Write_Fixed_Unit_Line("Undrained cohesion, c", c, m.LabelExp2);
        Write_Fixed_Unit_Line("Average Eff. Unit Weight", gamma, m.LabelExp3);
    } else {
        Write_PY_Value_Line("Undrained cohesion, c", c, 5, m.LabelStress);
        if (us) Write_PY_Value_Line("Undrained cohesion, c", c * 144.0, 5, "psf");
        Write_PY_Value_Line("Average Eff. Unit Weight", gamma, 5, m.LabelUnitWeight);
        if (us) Write_PY_Value_Line("Average Eff. Unit Weight", gamma * 1728.0, 5, "pcf");
    }
    if (variant.with_k) Write_PY_Value_Line("k", K, 0, m.LabelSubgradeModulus);
    Write_PY_Value_Line("Epsilon-50", eps50, 5, nullptr);
    Write_PY_Force_Line("Pct", s.pct, 3);
    Write_PY_Force_Line("Pcd", s.pcd, 3);
    Write_PY_Force_Line("Pu", s.pu, 3);
    Write_PY_Value_Line("y50", s.y50, 3, nullptr);
    Write_PY_Value_Line("p-multiplier", v.pm, 5, nullptr);
    Write_PY_Value_Line("y-multiplier", v.ym, 5, nullptr);
    if (s.cyclic) {
        Write_PY_Value_Line(variant.with_k ? "Number of Cycles of Loading" : "Number of cycles of loading ",
                             s.N, 0, nullptr);
    }
    WriteLine("");
    Write_PY_Table_Heading_After(12);
    Record_Printed_PY_Curve(variant.curve_kind, v.x, k_PY_Print_Points, k);
}

void Print_No_Free_Water_Table(const NoFreeWaterVariant& variant, const PYNodeValues& v,
                               const StiffClayNoFreeWaterCurve& s) {
    const PYCurveTable t =
        Tabulate_PY_Curve([&](int j) { return Stiff_Clay_No_Free_Water_Table_Deflection(s, j); },
                          [&](double y_prime) { return Stiff_Clay_No_Free_Water_P(s, y_prime); });
    Write_PY_Curve_Table(variant.curve_kind, v, t, k_PY_Rows_Numbers);
}

// ---- The criterion ---------------------------------------------------------------------

bool Begin_No_Free_Water_Layer(int, bool) {
    Take_At_Least_One_Cycle();   // the raised count is kept, for every later curve of the run
    return true;
}

bool No_Free_Water_At_Node(const NoFreeWaterVariant& variant, int L, int k, const PYNodeValues& v,
                           bool print, PYNodeModulus& out) {
    const AnalysisModel& m = g_Model;
    const bool cyclic = m.b_Cyclic != 0;
    const bool first = k == Layer_First_Point(L, print);
    double c = 0.0;
    if (!Stiff_Clay_Cohesion(L, k, v, print, Raise_Zero_Cohesion, variant.warnings, k_SI_Cohesion_Limits, c)) {
        return false;
    }
    const double cg = AverageShearStrengthAbove(v.z);
    if (m.ErrorStatus != 0) return false;
    const double gamma = AverageUnitWeightAbove(v.z);
    if (m.ErrorStatus != 0) return false;
    // strain, with the default by cohesion where the data give none
    const double eps50 =
        Epsilon50_Or_Default(v.z, Default_Stiff_Clay_No_Free_Water_Epsilon50(c, m.IUNITS));
    if (m.ErrorStatus != 0) return false;
    // The equivalent depth is computed at the layer's first node only, where the running
    // average of cohesion over the layer is the cohesion itself.
    const EquivalentTopInputs in = Clay_Top_Inputs(v.b, c, c, gamma, 0.0, v.zg, cyclic);
    const double zu = Depth_For_Ultimate_Resistance(L, v.z, first, print, in);
    const double K =
        variant.with_k
            ? Stiff_Clay_Layer_K(L, v.z, Default_Stiff_Clay_No_Free_Water_K(c, m.IUNITS, cyclic), false)
            : 0.0;
    const bool sloping = std::fabs(m.EffectiveSlope) > k_PY_Flat_Slope;
    const double F = Stiff_Clay_Slope_Factor(v.ys, m.EffectiveSlope, k_Cos_Quarter_Pi);
    const StiffClayNoFreeWaterCurve s = Stiff_Clay_No_Free_Water_Curve(
        v.b, c, gamma, eps50, zu, K * zu, F, sloping, variant.with_k, cyclic, Cycles_Of_Loading());
    if (print) {
        Print_No_Free_Water_Parameters(variant, L, k, v, c, gamma, K, eps50, zu, s);
        Print_No_Free_Water_Table(variant, v, s);
        return true;
    }
    // the integral of ultimate resistance; above the pile head a closed form with the average
    // cohesion from the ground surface
    out.pu = s.pu;
    out.p_ends = 3.0 * cg * v.b + s.pu;
    // secant modulus, below a small deflection the criterion's limiting modulus
    if (variant.with_k && v.y_prime < k_PY_Tiny_Deflection) {
        out.Es = s.kx;   // the initial slope, without multipliers
    } else if (!variant.with_k && v.y_prime < k_Limit_Ratio * v.b) {
        out.Es = Stiff_Clay_No_Free_Water_Limiting_Modulus(s, v.b, v.pm, v.ym);
    } else {
        out.Es = Secant_Modulus(v, Stiff_Clay_No_Free_Water_P(s, v.y_prime));
    }
    return true;
}

bool Without_K_At_Node(int L, int k, const PYNodeValues& v, bool print, PYNodeModulus& out) {
    return No_Free_Water_At_Node(k_Without_K, L, k, v, print, out);
}

bool With_K_At_Node(int L, int k, const PYNodeValues& v, bool print, PYNodeModulus& out) {
    return No_Free_Water_At_Node(k_With_K, L, k, v, print, out);
}

// Both criteria take part in soil movement and keep their integral of ultimate resistance.
constexpr PYCriterion k_No_Free_Water = {
    nullptr, 0, 0, true, k_PY_Trapezoid_Integral, true, Begin_No_Free_Water_Layer,
    Without_K_At_Node};
constexpr PYCriterion k_No_Free_Water_K = {
    nullptr, 0, 0, true, k_PY_Trapezoid_Integral, true, Begin_No_Free_Water_Layer,
    With_K_At_Node};

}  // namespace

double Default_Stiff_Clay_No_Free_Water_Epsilon50(double c, int units) {
    return Default_Epsilon50_From(k_Defaults, c, units);
}

double Default_Stiff_Clay_No_Free_Water_K(double c, int units, bool cyclic) {
    return Default_K_From(k_Defaults, c, units, cyclic);
}

StiffClayNoFreeWaterCurve Stiff_Clay_No_Free_Water_Curve(double b, double c, double gamma,
                                                         double eps50, double zu, double kx,
                                                         double slope_factor, bool apply_slope,
                                                         bool with_k, bool cyclic, double N) {
    StiffClayNoFreeWaterCurve s{};
    s.with_k = with_k;
    s.cyclic = cyclic;
    s.N = N;
    s.kx = with_k ? kx : 0.0;
    s.y50 = 2.5 * eps50 * b;
    // The wedge takes the cohesion at the depth, not an average; only the wedge feels the slope.
    s.pct = (gamma * b + 0.5 * c) * zu + 3.0 * b * c;
    if (apply_slope) s.pct *= slope_factor;
    s.pcd = 9.0 * b * c;
    s.pu = std::min(s.pct, s.pcd);
    return s;
}

double Stiff_Clay_No_Free_Water_P(const StiffClayNoFreeWaterCurve& s, double y_prime) {
    if (!s.cyclic) {
        // pu from 16 y50 on, even where the initial line of "StfClyAK" lies below it
        if (y_prime > 16.0 * s.y50) return s.pu;
        const double p = 0.5 * s.pu * std::pow(y_prime / s.y50, 0.25);
        return s.with_k ? std::min(p, s.kx * y_prime) : p;
    }
    // cycles stretch the deflections of the static quarter-power law
    const double stretch = 1.0 + k_Cycle_Stretch * std::log10(s.N);
    double p = std::min(s.pu, 0.5 * s.pu * std::pow(y_prime / (stretch * s.y50), 0.25));
    if (s.with_k) p = std::min(p, s.kx * y_prime);
    return p;
}

double Stiff_Clay_No_Free_Water_Limiting_Modulus(const StiffClayNoFreeWaterCurve& s, double b,
                                                 double pm, double ym) {
    const double ys = k_Limit_Ratio * b;
    return (pm / ym) * 0.5 * s.pu * std::pow(ys / s.y50, 0.25) / ys;
}

double Stiff_Clay_No_Free_Water_Table_Deflection(const StiffClayNoFreeWaterCurve& s, int j) {
    const double end = s.cyclic ? 1.25 * (16.0 + k_Cyclic_End * std::log10(s.N)) * s.y50
                                : k_Static_End * s.y50;
    if (j == 17) return end;
    if (j == 16) return (16.0 * s.y50 + end) / 2.0;
    return k_Table_Fractions[j] * 16.0 * s.y50;
}

void PY_StiffClayNoFreeWater(int L, bool print) { Run_PY_Criterion(L, print, k_No_Free_Water); }

void PY_StiffClayNoFreeWaterK(int L, bool print) { Run_PY_Criterion(L, print, k_No_Free_Water_K); }
