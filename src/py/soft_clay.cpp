// Soft clay p-y criteria after Matlock (1970): PY_SoftClay (J = 0.5) and PY_SoftClayJ (J from
// the soil data) set Es_Node for the nodes of one layer, keep the layer's integral of ultimate
// resistance for the equivalent depth of the layers below, or print the curve block in print
// mode. Soil properties come from pile/soil_profile; the curve framework is py/py_framework.
#include "py/soft_clay.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <initializer_list>

#include "engine/errors.h"
#include "engine/messages.h"
#include "model/model.h"
#include "model/units.h"
#include "pile/soil_profile.h"
#include "py/criteria.h"
#include "py/equivalent_depth.h"
#include "py/py_framework.h"
#include "py/py_node.h"
#include "report/fortran_format.h"
#include "report/number_writer.h"
#include "report/plot_file.h"

namespace {

constexpr double k_Cube_Root_Exponent = 0.3333333432674408;   // 1/3 (s)
constexpr double k_Cyclic_Plateau = 0.7211247682571411;       // 0.5 * 3^(1/3) (s)
constexpr double k_Limit_Numerator = 0.01077217236161232;     // 0.5 * (1e-5)^(1/3)
constexpr double k_Limit_Ratio = 9.999999747378752e-06;       // 1e-5 (s)
constexpr double k_Limit_Denominator = 2.9999999242136255e-05;   // 3e-5 (s)
constexpr int k_Message_Length = 512;   // room for a location line of the zero-cohesion message

// Cohesion limits of the default strain: 500, 1000 and 4000 lb/ft2 in lb/in2 (s), and their SI
// equivalents in kPa (s); 2000 lb/ft2 separates two classes with the same default.
constexpr double k_US_Limits[3] = {3.472222328186035, 6.94444465637207, 27.77777862548828};
constexpr double k_SI_Limits[3] = {23.940128326416016, 47.88025665283203, 191.52102661132812};
constexpr double k_Default_Eps50[4] = {0.019999999552965164, 0.009999999776482582,
                                       0.004999999888241291, 0.004000000189989805};

// Warning limits on cohesion: 1250 lb/ft2 in lb/in2 and its SI equivalent in kPa (s).
constexpr double k_Float_Range = 3.0e38;   // a cohesion beyond it keeps its double value

constexpr double k_US_High_Cohesion = 8.68055534362793;
constexpr double k_SI_High_Cohesion = 59.85032272338867;

// Tabulated deflections over y50; the fractions are single-precision values.
constexpr double k_Static_Ratios[k_PY_Print_Points + 1] = {
    0, 0.0, 0.05000000074505806, 0.125, 0.25, 0.375, 0.5, 1.0, 1.5, 2.0, 2.5, 3.0,
    4.0, 5.0, 6.0, 7.0, 8.0, 8.5};
constexpr double k_Cyclic_Ratios[k_PY_Print_Points + 1] = {
    0, 0.0, 0.05000000074505806, 0.10000000149011612, 0.20000000298023224,
    0.30000001192092896, 0.4000000059604645, 0.5, 0.6000000238418579, 0.800000011920929,
    1.0, 1.5, 2.0, 2.5, 3.0, 9.0, 15.0, 16.0};

// What differs between the two criteria: J, error numbers and printed words.
struct SoftClayVariant {
    bool with_J;
    int zero_cohesion_error;    // Input Data Error number
    int default_nan_error;      // Runtime Error numbers
    int computed_nan_error;
    int no_default_error;
    const char* problem_line;
    const char* criterion_words;   // in the not-a-number messages
    const char* static_title;
    const char* cyclic_title;
    int curve_kind;                // of the plot records
};

constexpr SoftClayVariant k_Soft_Clay = {
    false, 12, 33, 34, 37,
    "Problem:  A negative or zero value of cohesion was input for a soft clay soil.",
    "soft clay",
    "p-y Curve Computed Using the Soft Clay Criteria for Static Loading Conditions",
    "p-y Curve Computed Using the Soft Clay Criteria for Cyclic Loading Conditions",
    k_PY_Curve_Soft_Clay};

constexpr SoftClayVariant k_Soft_Clay_J = {
    true, 71, 35, 36, 38,
    "Problem:  A negative or zero value of cohesion was input for a soft clay soil with J.",
    "API soft clay",
    "p-y Curve Computed Using the Soft Clay Criteria with J for Static Loading Conditions",
    "p-y Curve Computed Using the Soft Clay Criteria with J for Cyclic Loading Conditions",
    k_PY_Curve_Soft_Clay_J};

// ---- Messages --------------------------------------------------------------------------

// Input Data Error No. 12 or 71: zero cohesion below the layer's first node (or requested
// depth, in print mode). The message file gives the point's depth along the pile, the report the
// soil depth and the pile's extent.
void Raise_Zero_Cohesion(const SoftClayVariant& variant, int L, int k, bool print, double z,
                         double c) {
    const AnalysisModel& m = g_Model;
    const int top = Layer_First_Point(L, print);
    const FortranRecord heading = Error_Heading(true, variant.zero_cohesion_error);
    const std::initializer_list<const char*> lines = {
        heading.text.data(), "",
        "An error was detected that is related to an incompatibility between the input ",
        "data defining soil layering and soil shear strength values when computing a ",
        "p-y curve using the Matlock soft clay criteria.", "", variant.problem_line, "",
        "Solution:  Please compare the depth values for soil layering and soil shear ",
        "strength values and revise the input data.", ""};
    // the node, its layer and the cohesion at the given elevation (I0 and F10.3 fields)
    const auto where = [&](double elevation, char (&line)[k_Message_Length]) {
        std::snprintf(line, sizeof line,
                      "Layer no. = %s, Node no. = %s, Top node in layer = %s, Elevation = %s, c(x) = %s",
                      Format_I(L, 0).text.data(), Format_I(k, 0).text.data(), Format_I(top, 0).text.data(),
                      Format_F(elevation, 10, 3).text.data(), Format_F(c, 10, 3).text.data());
    };
    char line[k_Message_Length];
    where(Point_Depth(k, print), line);
    Write_Message_Lines(lines);
    Write_Message_Line(line);
    Write_Report_Lines(lines);
    where(z, line);
    char report[2 * k_Message_Length];
    std::snprintf(report, sizeof report, "%s, Pile length = %s", line,
                  Format_F(m.rd_PileLengthAnalysed, 10, 3).text.data());
    Write_Report_Line(report);
    std::snprintf(line, sizeof line, ", ITOP = %s, IBOT = %s", Format_I(top, 0).text.data(),
                  Format_I(Layer_Last_Point(L, print), 0).text.data());
    Write_Report_Line(line);
    Raise_Input_Error(variant.zero_cohesion_error);
}

// Warnings 3041 (US) and 3042 (SI) on a cohesion too high for soft clay; general units have
// none, and a depth on a layer interface is not tested.
void Warn_High_Cohesion(double c, bool on_interface) {
    if (on_interface) return;
    const int units = g_Model.IUNITS;
    if (units == k_Units_US && c > k_US_High_Cohesion) RecordWarning(-3041);
    if (units == k_Units_SI && c > k_SI_High_Cohesion) RecordWarning(-3042);
}

// ---- Printed block ---------------------------------------------------------------------

// Parameters up to the "Line 7" record.
void Print_Soft_Clay_Parameters(const SoftClayVariant& variant, int L, int k,
                                const PYNodeValues& v, double c, double gamma, double J,
                                double eps50, double zu, const SoftClayCurve& curve) {
    const AnalysisModel& m = g_Model;
    const bool us = m.IUNITS == k_Units_US;
    const bool cycles = Cycles_Of_Loading() >= 2.0;
    Write_PY_Title(cycles ? variant.cyclic_title : variant.static_title, nullptr);
    Write_PY_Layer_And_Depths(L, v.z, 12);
    Write_PY_Slope_Lines("Pile Batter");
    Write_PY_Value_Line("Equivalent Depth", zu, 3, m.LabelLength);
    Write_PY_Value_Line("Pile Diameter", v.b, 3, m.LabelLength);
    // Soft clay with J prints cohesion and unit weight once, in lb/ft2 and lb/ft3 in US
    // customary runs; soft clay prints the internal units and adds those lines.
    if (!variant.with_J || !us) Write_PY_Value_Line("Cohesion, c", c, 3, m.LabelStress);
    if (us) Write_PY_Value_Line("Cohesion, c", c * 144.0, 3, "psf");
    if (!variant.with_J || !us) Write_PY_Value_Line("Avg. Eff. Unit Weight", gamma, 5, m.LabelUnitWeight);
    if (us) Write_PY_Value_Line("Avg. Eff. Unit Weight", gamma * 1728.0, 5, "pcf");
    Write_PY_Value_Line("Epsilon50 parameter", eps50, 5, nullptr);
    Write_PY_Value_Line(variant.with_J ? "J parameter" : "J", J, 3, nullptr);
    Write_PY_Value_Line("Transition Depth Xr", curve.zr, 3, m.LabelLength);
    Write_PY_Force_Line("pu_s", c * v.b * curve.Np_s, 3);
    Write_PY_Force_Line("pu_d", 9.0 * c * v.b, 3);
    Write_PY_Value_Line(variant.with_J ? "y_50" : "Y50", curve.y50, 5, m.LabelLength);
    Write_PY_Value_Line("p-multiplier", v.pm, 5, nullptr);
    Write_PY_Value_Line("y-multiplier", v.ym, 5, nullptr);
    if (cycles) {
        FortranRecord r;
        Start_PY_Label_Line(r, "Number of cycles of loading");
        Append_F(r, Cycles_Of_Loading(), 12, 0);
        if (!variant.with_J) Append_Text(r, " cycles");
        Write_PY_Record(r);
        Write_PY_Value_Line(variant.with_J ? "Xr" : "X_r", curve.zr, 3, m.LabelLength);
    }
    Record_Printed_PY_Curve(variant.curve_kind, v.x, k_PY_Print_Points, k);
}

// Slope factor, resistances, heading and the 17 tabulated points.
void Print_Soft_Clay_Table(const SoftClayVariant& variant, const PYNodeValues& v, double F,
                           const SoftClayCurve& curve) {
    const AnalysisModel& m = g_Model;
    Write_PY_Value_Line("Sloping Ground Factor", F, 3, nullptr);
    Write_PY_Force_Line("pu_static", curve.pu, 3);
    if (Cycles_Of_Loading() >= 2.0) Write_PY_Force_Line("pu_cyclic", curve.pc, 3);
    WriteLine("");
    Write_PY_Table_Heading(6, 25, m.LabelForcePerLength, k_PY_Table_Dashes);
    const PYCurveTable t =
        Tabulate_PY_Curve([&](int j) { return Soft_Clay_Table_Ratio(j, curve.cyclic) * curve.y50; },
                          [&](double y_prime) { return Soft_Clay_P(curve, y_prime); });
    Write_PY_Curve_Table(variant.curve_kind, v, t,
                         variant.with_J ? k_PY_Rows_Numbers : k_PY_Rows_Numbers_Wide);
}

// ---- The criterion ---------------------------------------------------------------------

// Adds node k's share to Fu_Layer(L): trapezoids between nodes from the previous node's values
// rd_PreviousNode* (under cyclic loading of the plateau and, above the transition depth, of the
// residual too), the last node's resistance over one increment; then keeps node k's values.
void Add_Soft_Clay_To_Layer_Integral(int L, int k, const SoftClayCurve& curve) {
    AnalysisModel& m = g_Model;
    const double h = m.IncrementLength;
    if (k > m.i_TopNodeInLayer[L]) {
        if (curve.cyclic) {
            m.Fu_Layer[L] += (m.rd_PreviousNodePc + curve.pc) * h / 2.0;
            if (!curve.flow) m.Fu_Layer[L] += (m.rd_PreviousNodePr + curve.pr) * h / 2.0;
        } else {
            m.Fu_Layer[L] += (m.rd_PreviousNodePu + curve.pu) * h / 2.0;
        }
    }
    if (k == m.i_BottomNodeInLayer[L]) m.Fu_Layer[L] += curve.pu * h;
    m.rd_PreviousNodePu = curve.pu;
    m.rd_PreviousNodePc = curve.pc;
    m.rd_PreviousNodePr = curve.pr;
}

bool Soft_Clay_At_Node(const SoftClayVariant& variant, int L, int k, const PYNodeValues& v,
                      bool print, PYNodeModulus& out) {
    const AnalysisModel& m = g_Model;
    const int top = Layer_First_Point(L, print);
    const bool cyclic = m.b_Cyclic != 0;
    // soil properties, stopping at the first lookup that raises
    bool on_interface = false;
    const double c = fn_c(v.z, on_interface);
    if (m.ErrorStatus != 0) return false;
    const double gamma = AverageUnitWeightAbove(v.z);
    if (m.ErrorStatus != 0) return false;
    double J = 0.5;
    if (variant.with_J) {
        J = JAtDepth(v.z);
        if (m.ErrorStatus != 0) return false;
    }
    Warn_High_Cohesion(c, on_interface);
    // strain, with the default by cohesion where the data give none
    const double eps50 = Epsilon50_Or_Default(v.z, Default_Soft_Clay_Epsilon50(c, m.IUNITS));
    if (m.ErrorStatus != 0) return false;
    if (eps50 <= 0.0) {
        Set_Error_Status(k_Status_Runtime_Base + variant.no_default_error);
        return false;
    }
    // zero cohesion is tolerated at the layer's first node only
    if (k > top && c < k_PY_Zero_Cohesion) {
        Raise_Zero_Cohesion(variant, L, k, print, v.z, c);
        return false;
    }
    const EquivalentTopInputs in = Clay_Top_Inputs(v.b, c, c, gamma, J, v.zg, cyclic);
    const double zu = Depth_For_Ultimate_Resistance(L, v.z, k == top, print, in);
    // the sloping-ground factor is reported even where the ground is level
    const double F = SlopingGroundFactor(v.ys, m.EffectiveSlope);
    const bool sloping = std::fabs(m.EffectiveSlope) > k_PY_Flat_Slope;
    const SoftClayCurve curve = Soft_Clay_Curve(v.b, c, gamma, J, eps50, zu, F, sloping, cyclic);
    if (print) {
        Print_Soft_Clay_Parameters(variant, L, k, v, c, gamma, J, eps50, zu, curve);
        Print_Soft_Clay_Table(variant, v, F, curve);
        return true;
    }
    // the criterion's own layer integral; above the pile head the closed form from 3 c b
    Add_Soft_Clay_To_Layer_Integral(L, k, curve);
    out.p_ends = 3.0 * c * v.b + curve.pu;
    // secant modulus; the limiting modulus carries no multipliers
    out.limiting = Soft_Clay_Uses_Limiting_Modulus(curve, v.y_prime);
    out.Es = out.limiting ? curve.Esl : Secant_Modulus(v, Soft_Clay_P(curve, v.y_prime));
    return true;
}

bool Soft_Clay_Node(int L, int k, const PYNodeValues& v, bool print, PYNodeModulus& out) {
    return Soft_Clay_At_Node(k_Soft_Clay, L, k, v, print, out);
}

bool Soft_Clay_J_Node(int L, int k, const PYNodeValues& v, bool print, PYNodeModulus& out) {
    return Soft_Clay_At_Node(k_Soft_Clay_J, L, k, v, print, out);
}

// Both criteria take part in soil movement, keep their own layer integral and test their
// modulus.
constexpr PYCriterion k_Soft_Clay_Criterion = {
    k_Soft_Clay.criterion_words, k_Soft_Clay.default_nan_error, k_Soft_Clay.computed_nan_error,
    true, k_PY_Own_Integral, true, nullptr, Soft_Clay_Node};
constexpr PYCriterion k_Soft_Clay_J_Criterion = {
    k_Soft_Clay_J.criterion_words, k_Soft_Clay_J.default_nan_error,
    k_Soft_Clay_J.computed_nan_error, true, k_PY_Own_Integral, true, nullptr, Soft_Clay_J_Node};

}  // namespace

double Default_Soft_Clay_Epsilon50(double c, int units) {
    const double* limits = nullptr;
    if (units == k_Units_US) limits = k_US_Limits;
    if (units == k_Units_SI) limits = k_SI_Limits;
    if (limits == nullptr) return 0.0;
    // The class limits are single-precision values: c is compared at that precision too, so
    // that a cohesion of exactly 500, 1000 or 4000 lb/ft2 (or its kPa value) opens the class
    // above, whatever digits the conversion to lb/in2 left below the float.
    const double cs = std::fabs(c) < k_Float_Range ? static_cast<double>(static_cast<float>(c)) : c;
    int i = 0;
    while (i < 3 && cs >= limits[i]) ++i;
    return k_Default_Eps50[i];
}

SoftClayCurve Soft_Clay_Curve(double b, double c, double gamma, double J, double eps50,
                              double zu, double slope_factor, bool apply_slope, bool cyclic) {
    SoftClayCurve s{};
    s.cyclic = cyclic;
    s.y50 = 2.5 * b * eps50;
    // wedge below the surface, flow around the pile at depth: Np grows to the cap of 9
    s.Np_s = 3.0 + gamma * zu / c + J * zu / b;
    s.zr = std::max(2.5 * b, 6.0 * b * c / (J * c + gamma * b));
    const double Np = apply_slope ? slope_factor * s.Np_s : s.Np_s;
    s.pu = Np < 9.0 ? c * b * Np : 9.0 * c * b;
    // above the transition depth the cyclic curve softens to a residual
    s.pc = k_Cyclic_Plateau * s.pu;
    s.flow = !(s.zr > zu);
    s.pr = s.flow ? s.pc : s.pc * zu / s.zr;
    s.Esl = k_Limit_Numerator * s.pu / (k_Limit_Denominator * s.y50);
    return s;
}

bool Soft_Clay_Uses_Limiting_Modulus(const SoftClayCurve& curve, double y_prime) {
    return y_prime < k_Limit_Ratio * curve.y50;
}

double Soft_Clay_P(const SoftClayCurve& s, double y_prime) {
    if (Soft_Clay_Uses_Limiting_Modulus(s, y_prime)) return s.Esl * y_prime;
    const double y50 = s.y50;
    if (y_prime <= 3.0 * y50 || (!s.cyclic && y_prime <= 8.0 * y50)) {
        return 0.5 * s.pu * std::pow(y_prime / y50, k_Cube_Root_Exponent);
    }
    if (!s.cyclic) return s.pu;
    if (s.flow) return s.pc;
    if (y_prime > 15.0 * y50) return s.pr;
    return s.pc + (y_prime - 3.0 * y50) * (s.pr - s.pc) / (12.0 * y50);
}

double Soft_Clay_Table_Ratio(int j, bool cyclic) {
    return cyclic ? k_Cyclic_Ratios[j] : k_Static_Ratios[j];
}

void PY_SoftClay(int L, bool print) { Run_PY_Criterion(L, print, k_Soft_Clay_Criterion); }

void PY_SoftClayJ(int L, bool print) { Run_PY_Criterion(L, print, k_Soft_Clay_J_Criterion); }
