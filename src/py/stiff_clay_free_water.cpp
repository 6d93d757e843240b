// Stiff clay with free water p-y criterion after Reese, Cox and Koop (1975): PY_StiffClayFreeWater
// sets Es_Node for the nodes of one layer, keeps the layer's integral of residual resistance for
// the equivalent depth of the layers below, or prints the curve block in print mode. Soil
// properties come from pile/soil_profile; the curve framework is py/py_framework.
#include "py/stiff_clay_free_water.h"

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

constexpr double k_Wedge_Cohesion = 2.8299999237060547;     // 2.83 (s)
constexpr double k_Flow_Factor = 11.0;
constexpr double k_Static_Drop = 0.41100001335144043;       // 0.411 (s)
constexpr double k_Softening = 0.054999999701976776;        // 0.055 (s)
constexpr double k_Cyclic_Peak = 0.9359999895095825;        // 0.936 (s)
constexpr double k_Cyclic_Residual_As = 0.41819998621940613;   // 0.4182 (s)
constexpr double k_Cyclic_Slope = 0.08500000089406967;      // 0.085 (s)
constexpr double k_Cyclic_Drop = 0.10199999809265137;       // 0.102 (s)
constexpr double k_Yp_Factor = 4.099999904632568;           // 4.1 (s)
constexpr double k_Yp_Peak = 0.44999998807907104;           // 0.45 (s)
constexpr double k_Yp_First = 0.6000000238418579;           // 0.6 (s)
constexpr double k_Yp_Second = 1.7999999523162842;          // 1.8 (s)
constexpr double k_Yp_Step = 0.05000000074505806;           // 0.05 (s)
constexpr double k_Yp_Wide_Step = 0.4000000059604645;       // 0.4 (s)
constexpr double k_Yp_Last = 1.899999976158142;             // 1.9 (s)
constexpr double k_Cos_Quarter_Pi = 0.7071067811865476;     // this criterion's cos(pi/4) is exact

// Cohesion limits of the defaults: 1000, 2000 and 4000 lb/ft2 in lb/in2 (s), and in kPa (s).
// Default SI k (kN/m3) by class: cyclic loading takes two fifths of the static value.
constexpr StiffClayDefaults k_Defaults = {
    // cohesion class limits (US, SI), k static and cyclic (SI)
    {6.94444465637207, 13.88888931274414, 27.77777862548828},
    {47.8802604675293, 95.7605209350586, 191.5210418701172},
    {67861.78125, 135723.5625, 271447.125, 542894.25},
    {27144.7109375, 54289.421875, 108578.84375, 217157.6875},
};

// Warnings 3051 to 3054 on cohesion, and their SI limits: 500 and 8000 lb/ft2 in kPa (s).
constexpr int k_Cohesion_Warnings[4] = {3051, 3052, 3053, 3054};
constexpr double k_SI_Cohesion_Limits[2] = {23.940128326416016, 383.04205322265625};

// ---- Messages --------------------------------------------------------------------------

// Input Data Error No. 14: zero cohesion below the layer's first node.
void Raise_Zero_Cohesion() {
    Raise_PY_Input_Error(
        14,
        {"", "An error was detected in the input data used to compute p-y curves in ",
         "stiff clay with free water.", "", "Problem:  Zero was input for the cohesion of a stiff clay. ",
         "", "Solution:  Check and compare the values of shear strength and revise the ",
         "input so that the strength values are correct for the soil types specified.", ""},
        true);
}

// ---- Layer values ----------------------------------------------------------------------

// Running average of cohesion over the layer, from its first node (or requested depth) down to
// soil depth z with cohesion c there; the running values are the model's rd_AverageCohesion*.
double Update_Average_Cohesion(bool first, double z, double c) {
    AnalysisModel& m = g_Model;
    if (first) {
        m.rd_AverageCohesionTop = z;
        m.rd_AverageCohesionDepth = z;
        m.rd_AverageCohesionPrevious = c;
        m.rd_AverageCohesionIntegral = 0.0;
        return c;
    }
    m.rd_AverageCohesionIntegral +=
        (z - m.rd_AverageCohesionDepth) * (m.rd_AverageCohesionPrevious + c) / 2.0;
    m.rd_AverageCohesionDepth = z;
    m.rd_AverageCohesionPrevious = c;
    return m.rd_AverageCohesionIntegral / (z - m.rd_AverageCohesionTop);
}

// ---- Printed block ---------------------------------------------------------------------

int Free_Water_Curve_Kind(const StiffClayFreeWaterCurve& s) {
    return s.cyclic ? k_PY_Curve_Free_Water_Cyclic : k_PY_Curve_Free_Water_Static;
}

void Print_Free_Water_Parameters(int L, int k, const PYNodeValues& v, double c, double ca,
                                 double gamma, double K, double eps50, double zu,
                                 const StiffClayFreeWaterCurve& s) {
    const AnalysisModel& m = g_Model;
    const bool us = m.IUNITS == k_Units_US;
    Write_PY_Title(s.cyclic ? "p-y Curve Computed Using Cyclic Criteria for Stiff Clay with Free Water"
                            : "p-y Curve Computed Using Static Criteria for Stiff Clay with Free Water",
                   nullptr);
    Write_PY_Layer_And_Depths(L, v.z, 12);
    Write_PY_Value_Line("Equivalent Depth", zu, 3, m.LabelLength);
    Write_PY_Value_Line("Diameter", v.b, 3, m.LabelLength);
    if (s.cyclic) {
        Write_PY_Value_Line("c (at curve depth)", c, 3, m.LabelStress);
        if (us) Write_PY_Value_Line("c (at curve depth)", c * 144.0, 3, "psf");
    } else {
        Write_PY_Stress_Line("c (at curve depth)", c, 3);
    }
    Write_PY_Value_Line("Average cohesion, c", ca, 5, m.LabelStress);
    if (us) Write_PY_Value_Line("Undrained cohesion, c", ca * 144.0, 5, "psf");
    Write_PY_Value_Line("Average Eff. Unit Weight", gamma, 5, m.LabelUnitWeight);
    if (us) Write_PY_Value_Line("Average Eff. Unit Weight", gamma * 1728.0, 5, "pcf");
    Write_PY_Value_Line("k", K, 3, m.LabelSubgradeModulus);
    Write_PY_Value_Line("Epsilon50", eps50, 5, nullptr);
    Write_PY_Value_Line("y50", s.y50, 3, m.LabelLength);
    Write_PY_Value_Line("As", s.As, 3, nullptr);
    Write_PY_Value_Line(s.cyclic ? "Ac" : "Ac (not used)", s.Ac, 5, nullptr);
    Write_PY_Value_Line("pct", s.pct, 3, m.LabelForcePerLength);
    Write_PY_Value_Line("pcd", s.pcd, 3, m.LabelForcePerLength);
    Write_PY_Value_Line("pc", s.pc, 3, m.LabelForcePerLength);
    Write_PY_Value_Line("pu", s.pu, 3, m.LabelForcePerLength);
    Write_PY_Value_Line("p-multiplier", v.pm, 5, nullptr);
    Write_PY_Value_Line("y-multiplier", v.ym, 5, nullptr);
    if (s.cyclic) Write_PY_Value_Line("Number of Cycles of Loading", Cycles_Of_Loading(), 0, nullptr);
    WriteLine("");
    Write_PY_Table_Heading_After(13);
    Record_Printed_PY_Curve(Free_Water_Curve_Kind(s), v.x, k_PY_Print_Points, k);
}

void Print_Free_Water_Table(const PYNodeValues& v, const StiffClayFreeWaterCurve& s) {
    const PYCurveTable t =
        Tabulate_PY_Curve([&](int j) { return Stiff_Clay_Free_Water_Table_Deflection(s, j); },
                          [&](double y_prime) { return Stiff_Clay_Free_Water_P(s, y_prime); });
    // The cyclic table has always been written with fixed decimals.
    Write_PY_Curve_Table(Free_Water_Curve_Kind(s), v, t,
                         s.cyclic ? k_PY_Rows_Fixed : k_PY_Rows_Numbers);
}

// ---- The criterion ---------------------------------------------------------------------

}  // namespace

double Default_Stiff_Clay_Free_Water_Epsilon50(double c, int units) {
    return Default_Epsilon50_From(k_Defaults, c, units);
}

double Default_Stiff_Clay_Free_Water_K(double c, int units, bool cyclic) {
    return Default_K_From(k_Defaults, c, units, cyclic);
}

StiffClayFreeWaterCurve Stiff_Clay_Free_Water_Curve(double b, double c, double ca, double gamma,
                                                    double k, double eps50, double zu,
                                                    double slope_factor, bool apply_slope,
                                                    bool cyclic) {
    StiffClayFreeWaterCurve s{};
    s.cyclic = cyclic;
    s.y50 = eps50 * b;
    s.As = StiffClayAs(zu / b);
    s.Ac = StiffClayAc(zu / b);
    s.kx = k * zu;
    // wedge near the surface, flow around the pile at depth; only the wedge feels the slope
    s.pct = (gamma * b + k_Wedge_Cohesion * ca) * zu + 2.0 * ca * b;
    if (apply_slope) s.pct *= slope_factor;
    s.pcd = k_Flow_Factor * c * b;
    s.pc = std::min(s.pct, s.pcd);
    s.pu = cyclic ? (k_Cyclic_Peak * s.Ac - k_Cyclic_Residual_As * s.As) * s.pc
                  : (0.5 * std::sqrt(6.0 * s.As) - k_Static_Drop - 0.75 * s.As) * s.pc;
    return s;
}

double Stiff_Clay_Free_Water_P(const StiffClayFreeWaterCurve& s, double y_prime) {
    const double y50 = s.y50;
    const double pc = s.pc;
    double p = 0.0;
    if (!s.cyclic) {
        // square-root rise, softening from As y50, a straight decline from 6 As y50 and the
        // residual from 18 As y50
        const double Ay = s.As * y50;
        if (y_prime <= Ay) {
            p = 0.5 * pc * std::sqrt(y_prime / y50);
        } else if (y_prime <= 6.0 * Ay) {
            p = pc * (0.5 * std::sqrt(y_prime / y50) -
                      k_Softening * std::pow(y_prime / Ay - 1.0, 1.25));
        } else if (y_prime <= 18.0 * Ay) {
            p = 0.5 * std::sqrt(6.0 * s.As) * pc - k_Static_Drop * pc -
                0.0625 * pc * (y_prime - 6.0 * Ay) / y50;
        } else {
            p = 0.5 * std::sqrt(6.0 * s.As) * pc - 0.75 * s.As * pc - k_Static_Drop * pc;
        }
    } else {
        // a peak of Ac pc at 0.45 yp, then degradation to a residual from 1.8 yp
        const double yp = k_Yp_Factor * s.As * y50;
        if (y_prime <= k_Yp_First * yp) {
            const double r = std::fabs((y_prime - k_Yp_Peak * yp) / (k_Yp_Peak * yp));
            p = s.Ac * pc * (1.0 - std::pow(r, 2.5));
        } else if (y_prime <= k_Yp_Second * yp) {
            p = k_Cyclic_Peak * s.Ac * pc - k_Cyclic_Slope * pc * (y_prime - k_Yp_First * yp) / y50;
        } else {
            p = k_Cyclic_Peak * s.Ac * pc - k_Cyclic_Drop * pc * yp / y50;
        }
    }
    return std::min(p, s.kx * y_prime);
}

double Stiff_Clay_Free_Water_Table_Deflection(const StiffClayFreeWaterCurve& s, int j) {
    if (!s.cyclic) {
        const double Ay = s.As * s.y50;
        if (j <= 13) return (j - 1) * 0.5 * Ay;
        if (j == 17) return 19.0 * Ay;
        return (10.0 + 4.0 * (j - 14)) * Ay;   // 10, 14 and 18 As y50
    }
    const double yp = k_Yp_Factor * s.As * s.y50;
    if (j == 17) return k_Yp_Last * yp;
    // The wide steps are added to the last narrow one: 1.0, 1.4 and 1.8 yp.
    double y = std::min(j - 1, 12) * k_Yp_Step * yp;
    for (int i = 14; i <= j; ++i) y += k_Yp_Wide_Step * yp;
    return y;
}

namespace {

bool Free_Water_At_Node(int L, int k, const PYNodeValues& v, bool print, PYNodeModulus& out) {
    const AnalysisModel& m = g_Model;
    const bool cyclic = m.b_Cyclic != 0;
    const bool first = k == Layer_First_Point(L, print);
    double c = 0.0;
    if (!Stiff_Clay_Cohesion(L, k, v, print, Raise_Zero_Cohesion, k_Cohesion_Warnings, k_SI_Cohesion_Limits, c)) {
        return false;
    }
    const double gamma = AverageUnitWeightAbove(v.z);
    if (m.ErrorStatus != 0) return false;
    // Average cohesion over the layer; the first layer takes the average from the ground
    // surface, looked up at the depth along the pile as this criterion always has.
    double ca = Update_Average_Cohesion(first, v.z, c);
    if (L == 1) {
        ca = AverageShearStrengthAbove(v.x);
        if (m.ErrorStatus != 0) return false;
    }
    const double K =
        Stiff_Clay_Layer_K(L, v.z, Default_Stiff_Clay_Free_Water_K(c, m.IUNITS, cyclic), true);
    // strain, with the default by cohesion where the data give none
    const double eps50 = Epsilon50_Or_Default(v.z, Default_Stiff_Clay_Free_Water_Epsilon50(c, m.IUNITS));
    if (m.ErrorStatus != 0) return false;
    const EquivalentTopInputs in = Clay_Top_Inputs(v.b, c, ca, gamma, 0.0, v.zg, cyclic);
    const double zu = Depth_For_Ultimate_Resistance(L, v.z, first, print, in);
    const bool sloping = std::fabs(m.EffectiveSlope) > k_PY_Flat_Slope;
    const double F = Stiff_Clay_Slope_Factor(v.ys, m.EffectiveSlope, k_Cos_Quarter_Pi);
    const StiffClayFreeWaterCurve s =
        Stiff_Clay_Free_Water_Curve(v.b, c, ca, gamma, K, eps50, zu, F, sloping, cyclic);
    if (print) {
        Print_Free_Water_Parameters(L, k, v, c, ca, gamma, K, eps50, zu, s);
        Print_Free_Water_Table(v, s);
        return true;
    }
    // the integral of residual resistance; above the pile head a closed form
    out.pu = s.pu;
    out.p_ends = 2.0 * ca * v.b + s.pc;
    // secant modulus; at (nearly) zero deflection the initial slope, without multipliers
    out.Es = v.y_prime < k_PY_Tiny_Deflection ? s.kx
                                               : Secant_Modulus(v, Stiff_Clay_Free_Water_P(s, v.y_prime));
    // A modulus that is not a number is reported under static loading and the run goes on.
    if (!cyclic && std::isnan(out.Es)) Write_Message_Line("Error in stiff clay with water at line 502");
    return true;
}

// Stiff clay with free water takes part in soil movement and keeps its integral of residual
// resistance.
constexpr PYCriterion k_Free_Water = {
    nullptr, 0, 0, true, k_PY_Trapezoid_Integral, true, nullptr, Free_Water_At_Node};

}  // namespace

void PY_StiffClayFreeWater(int L, bool print) { Run_PY_Criterion(L, print, k_Free_Water); }
