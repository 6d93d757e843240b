// Cemented silt p-y criterion ("Cem Silt"): PY_CementedSilt sets Es_Node for the nodes of one
// layer of c-phi soil, keeps the layer's integral of ultimate resistance for the equivalent
// depth of the layers below, takes part in soil movement, or prints the curve block in print
// mode. The frictional resistance is the Reese sand's (py/sand_resistance) with K0 = 0.4; the
// cohesive part is soft clay's with J = 0.5 and a sloping-ground factor of its own.
#include "py/cemented_silt.h"

#include <algorithm>
#include <cmath>
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
#include "py/sand_factors.h"
#include "py/sand_resistance.h"
#include "report/fortran_format.h"
#include "report/number_writer.h"
#include "report/plot_file.h"

namespace {

constexpr double k_K0 = 0.4000000059604645;              // 0.4 (s)
constexpr double k_Quarter_Pi = 0.7853981633974483;
constexpr double k_Cos_Quarter_Pi = 0.7071067690849304;  // cos(pi/4) (s)
constexpr double k_Level = 1e-20;          // a slope, deflection or factor below this is zero
constexpr double k_Direction = 1e-14;      // the wedge's side: deflection and slope beyond this
constexpr double k_Zero_Angle = 1e-10;     // radians; also the smallest slope radicand
constexpr double k_Peak_Factor = 1.5;      // pm = 1.5 (Ps + Pu,c)
constexpr double k_Clay_Flow_Np = 9.0;
constexpr double k_Table_Step = 0.05000000074505806;   // 0.05 (s), beyond yu
constexpr int k_No_Default_K_Error = 43;   // Runtime Error: no default k in general units

// Default strain by cohesion class (lb/in2: 500, 1000, 2000, 4000 lb/ft2; kPa) (s).
constexpr double k_Eps50_US_Limits[4] = {3.472222328186035, 6.94444465637207, 13.88888931274414,
                                         27.77777862548828};
constexpr double k_Eps50_SI_Limits[4] = {23.94013023376465, 47.88020706176758, 95.76041412353516,
                                         191.5208282470703};
constexpr double k_Eps50_Values[5] = {0.019999999552965164, 0.009999999776482582,
                                      0.004999999888241291, 0.004999999888241291,
                                      0.004000000189989805};

// Cohesive part of the default k by cohesion class: US static, US cyclic, SI static, SI cyclic.
constexpr double k_K_US_Limits[3] = {6.940000057220459, 13.880000114440918, 27.780000686645508};
constexpr double k_K_SI_Limits[3] = {47.8927001953125, 95.785400390625, 191.57080078125};
constexpr double k_K_Cohesive[4][4] = {
    {250.0, 100.0, 67861.796875, 27144.7109375},
    {500.0, 200.0, 135723.59375, 54289.3984375},
    {1000.0, 400.0, 271447.1875, 108578.8984375},
    {2000.0, 800.0, 542894.375, 217157.703125},
};
// Frictional part by friction angle class: US above, US below, SI above, SI below the water table.
constexpr double k_K_Frictional[3][4] = {
    {25.0, 20.0, 6786.18017578125, 5428.93994140625},
    {90.0, 60.0, 24430.240234375, 16286.830078125},
    {225.0, 125.0, 61075.6015625, 33930.8984375},
};
constexpr double k_US_Above_Water = 0.04500000178813934;   // 0.045 (s) lb/in3
constexpr double k_SI_Above_Water = 12.225000381469727;    // 12.225 (s) kN/m3

// What a node of the layer needs for its curve and its printed block.
struct CementedSiltNode {
    double c;
    double gamma;
    double eps50;
    double phi_degrees;
    double k;
    bool default_k;
    SandAngles angles;   // with the level-ground Ka
    double zu;
    CementedSiltCurve curve;
};

// ---- Messages --------------------------------------------------------------------------

// Input Data Error No. 48: no cohesion below the layer's top.
void Raise_Zero_Cohesion(int L, double z, double c) {
    FortranRecord where = Text_With_Integer("Layer = ", L, ", Depth = ");
    Append_F(where, z, 13, 8);
    Append_Text(where, ", c = ");
    Append_E(where, c, 10, 3);
    Raise_PY_Input_Error(48,
                         {"", "Problem: A negative or zero value of cohesion was input for ",
                          "a soil defined as a silt.", "", where.text.data(), "",
                          "Solution:  Please revise and correct the input data.  ",
                          "Both cohesion and friction angle should be non-zero for silt soils."},
                         true);
}

// Input Data Error No. 10: no friction angle.
void Raise_Zero_Friction_Angle() {
    Raise_PY_Input_Error(10,
                         {"", "Problem:  A negative or zero value was input for the friction angle for a silt.",
                          "", "Solution:  Please revise and correct the input data.  ",
                          "Both cohesion and friction angle must be non-zero for the cemented silt soil."},
                         true);
}

// Input Data Error No. 11: a slope as steep as the friction angle of a silt without cohesion.
void Raise_Slope_Of_Cohesionless_Silt(int L) {
    const FortranRecord layer = Text_With_Integer("curve using the criteria for silt for layer ", L, ".");
    Raise_PY_Input_Error(11,
                         {"", "An error was detected in the input data when computing a p-y.",
                          layer.text.data(), "",
                          "Problem:  The angle of the ground slope can not be greater ",
                          "than the internal friction angle of cohesionless silt.", "",
                          "Solution:  Set the value for slope angle to be less than ",
                          "the angle of friction.", ""},
                         true);
}

// Runtime Error No. 23: the ground slopes more steeply than the friction angle.
void Raise_Slope_Too_Steep(int L) {
    const FortranRecord heading = Error_Heading(false, 23);
    const FortranRecord layer = Text_With_Integer("greater than the friction angle for silt for layer ", L, ".");
    const std::initializer_list<const char*> lines = {
        heading.text.data(), "",
        "A runtime error occurred due to the ground slope angle being", layer.text.data(), "",
        "Problem:  The angle of the ground slope can not be greater ",
        "than the internal friction angle of silt.", "",
        "Solution:  Set the value for slope angle to be less than ",
        "the angle of friction or convert the layer into an equivalent", "strength clay layer.", ""};
    Write_Message_Lines(lines);
    Write_Report_Lines(lines);
    Raise_Runtime_Error(23);
}

// Runtime Error No. 43: a layer relies on the default k, which general units do not have; it
// would otherwise offer no resistance at all.
void Raise_No_Default_K(int L) {
    const FortranRecord heading = Error_Heading(false, k_No_Default_K_Error);
    const FortranRecord layer = Text_With_Integer(
        "Problem:  Soil layer ", L, " is cemented silt with default values of subgrade k,");
    const std::initializer_list<const char*> lines = {
        "", "", heading.text.data(), "", layer.text.data(),
        "          and general units have been selected.  Orvane cannot compute default",
        "          values of subgrade modulus in general units.", "",
        "Solution:  Select US customary or SI units to use the default values of k for",
        "           cemented silt, or enter a non-zero value for k.", ""};
    Write_Message_Lines(lines);
    Write_Report_Lines(lines);
    Raise_Runtime_Error(k_No_Default_K_Error);
}

// ---- The layer's cohesion and subgrade modulus ------------------------------------------

constexpr double k_On_Interface = 1e-6;   // a depth this close to a layer boundary lies on it

// Cohesion of layer L at soil depth z. The interface law of fn_c gives a silt node on a layer
// boundary the clay or rock value of its neighbour, and has no rule at all for a silt against
// sand, loess, silt, Piedmont soil or an elastic subgrade (it would end the run as an internal
// error); on such a boundary the silt's own value applies.
double Silt_Cohesion(int L, double z) {
    const AnalysisModel& m = g_Model;
    int above = 0;
    if (L > 1 && std::fabs(z - m.rd_LayerTop[L]) < k_On_Interface &&
        std::fabs(z - m.XLayerBottom[L - 1]) < k_On_Interface) {
        above = L - 1;
    } else if (L < m.i_Number_of_Layers && std::fabs(z - m.XLayerBottom[L]) < k_On_Interface &&
               std::fabs(z - m.rd_LayerTop[L + 1]) < k_On_Interface) {
        above = L;
    }
    if (above != 0 && z != m.rd_PileLengthAnalysed) {
        const double upper = m.StrengthAtPoint[2 * above];
        const double lower = m.StrengthAtPoint[2 * above + 1];
        double strength = 0.0;
        if (!Strength_At_Interface(Soil_Class_Of_Layer(above, upper), Soil_Class_Of_Layer(above + 1, lower),
                                   upper, lower, false, strength)) {
            return Layer_Column_At_Depth(L, m.StrengthAtPoint, z);
        }
    }
    return fn_c(z);
}


// k of layer L at soil depth z from its top and bottom values, or -1 when the layer's top value
// is not positive (the default applies). A bottom value of 0 is the top value; a layer of no
// thickness has its top value throughout.
double Layer_Silt_K(int L, double z) {
    const AnalysisModel& m = g_Model;
    if (m.LayerKTop[L] <= 0.0) return -1.0;
    if (m.XLayerBottom[L] - m.rd_LayerTop[L] == 0.0) return m.LayerKTop[L];
    const double k_bottom = m.LayerKBottom[L] == 0.0 ? m.LayerKTop[L] : m.LayerKBottom[L];
    return fn_LayerK(L, z, k_bottom);
}

// ---- Resistance ------------------------------------------------------------------------

// Frictional resistance Ps = min(wedge, flow) at the node, as in the Reese sand: the wedge at
// the depth for ultimate resistance with the slope's active coefficient, the flow at the true
// depth with the level-ground Ka.
double Frictional_Resistance(const CementedSiltNode& n, double b, double zg, double yd,
                             double Ka_slope) {
    const double ES = g_Model.EffectiveSlope;
    const double theta = std::fabs(ES);
    double Pst = Sand_Wedge_Level(n.gamma, n.zu, b, n.angles, Ka_slope);
    double f = 1.0;
    if (theta > k_Level) {
        const double t = std::tan(theta) * std::tan(n.angles.beta);
        if ((yd > k_Direction && ES > k_Direction) || (yd < k_Direction && ES < k_Direction)) {
            f = 1.0 + t;
        } else if ((yd > k_Direction && ES < k_Direction) || (yd < k_Direction && ES > k_Direction)) {
            f = 1.0 - t;
        }
        if (f > k_Level) Pst = Sand_Wedge_Sloping(n.gamma, n.zu, b, n.angles, Ka_slope, t, f);
    }
    const double Psd = Sand_Flow(n.gamma, zg, b, n.angles);
    // a wedge that cannot form on steep falling ground leaves the flow resistance
    if (f <= k_Zero_Angle && theta > k_Zero_Angle) Pst = Psd;
    return std::min(Pst, Psd);
}

// ---- Printed block ---------------------------------------------------------------------

void Print_Silt_Parameters(int L, const PYNodeValues& v, const CementedSiltNode& n) {
    const AnalysisModel& m = g_Model;
    const CementedSiltCurve& c = n.curve;
    const bool us = m.IUNITS == k_Units_US;
    const bool cyclic = m.b_Cyclic != 0;
    Write_PY_Title(cyclic ? "p-y Curve Computed Using the Cyclic Criteria for Cemented Silt"
                          : "p-y Curve Computed Using the Static Criteria for Cemented Silt",
                   nullptr);
    Write_PY_Layer_And_Depths(L, v.z, 12);
    Write_PY_Value_Line("Equivalent Depth, x", n.zu, 3, m.LabelLength);
    Write_PY_Value_Line("Pile Diameter, B", v.b, 3, m.LabelLength);
    Write_PY_Value_Line("Cohesion, c", n.c, 3, m.LabelStress);
    if (us) Write_PY_Value_Line("Cohesion, c", n.c * 144.0, 3, "psf");
    Write_PY_Value_Line("Angle of Friction, phi", n.phi_degrees, 3, "deg.");
    Write_PY_Value_Line("Avg. Eff. Unit Weight", n.gamma, 5, m.LabelUnitWeight);
    if (us) Write_PY_Value_Line("Avg. Eff. Unit Weight", n.gamma * 1728.0, 5, "pcf");
    Write_PY_Value_Line("k (interp. from input)", n.k, 3, m.LabelSubgradeModulus);
    Write_PY_Value_Line("Epsilon50 (interp.)", n.eps50, 5, nullptr);
    Write_PY_Value_Line("x/B ratio", n.zu / v.b, 3, nullptr);
    Write_PY_Value_Line("A parameter = fn(x/B)", c.A, 5, nullptr);
    Write_PY_Value_Line("B parameter = fn(x/B)", Sand_Factor(n.zu, v.b, cyclic, true), 5, nullptr);
    Write_PY_Value_Line("m", c.m, 5, nullptr);
    Write_PY_Value_Line("n", c.n, 5, nullptr);
    Write_PY_Value_Line("Cbar", c.C, 5, nullptr);
    Write_PY_Value_Line("yk", c.yk, 5, m.LabelLength);
    // "Pu" is the plateau of the curve, "Pc" its cohesive part
    Write_PY_Force_Line("Pu", c.pu, 3);
    Write_PY_Force_Line("Pc", c.Puc, 3);
    Write_PY_Value_Line("ym = b/60", c.ym, 5, m.LabelLength);
    Write_PY_Force_Line("pm", c.pm, 3);
    Write_PY_Value_Line("yu = 3b/80", c.yu, 5, m.LabelLength);
    Write_PY_Force_Line("Pu,c", c.Puc, 3);
    Write_PY_Force_Line("Pu,phi", c.Ps, 3);
    Write_PY_Multipliers(v.pm, v.ym);
}

void Print_Silt_Table(int k, const PYNodeValues& v, const CementedSiltCurve& c) {
    const AnalysisModel& m = g_Model;
    // the plot records name the length unit of the run: inches, or meters otherwise
    const int kind = m.IUNITS == k_Units_US ? k_PY_Curve_Cemented_Silt_In : k_PY_Curve_Cemented_Silt_M;
    WriteLine("");
    Write_PY_Table_Heading_After(13);
    Print_Tabulated_PY_Curve(kind, k, v, k_PY_Rows_Numbers,
                             [&](int j) { return Cemented_Silt_Table_Deflection(c, j); },
                             [&](double y_prime) { return Cemented_Silt_P(c, y_prime); });
}

}  // namespace

double Cemented_Silt_Default_Eps50(double c, int units) {
    if (units != k_Units_US && units != k_Units_SI) return 0.0;
    const double* limits = units == k_Units_US ? k_Eps50_US_Limits : k_Eps50_SI_Limits;
    int i = 0;
    while (i < 4 && !(c < limits[i])) ++i;
    return k_Eps50_Values[i];
}

double Cemented_Silt_Default_K(double c, double phi_degrees, double gamma, bool cyclic, int units) {
    if (units != k_Units_US && units != k_Units_SI) return -1.0;
    const bool us = units == k_Units_US;
    const double* limits = us ? k_K_US_Limits : k_K_SI_Limits;
    int cls = 0;
    while (cls < 3 && !(c < limits[cls])) ++cls;
    const double cohesive = k_K_Cohesive[cls][(us ? 0 : 2) + (cyclic ? 1 : 0)];
    const int angle = phi_degrees <= 30.0 ? 0 : (phi_degrees <= 36.0 ? 1 : 2);
    const bool above_water = gamma > (us ? k_US_Above_Water : k_SI_Above_Water);
    const double frictional = k_K_Frictional[angle][(us ? 0 : 2) + (above_water ? 0 : 1)];
    return cohesive + frictional;
}

double Silt_Sloping_Factor(double yd, double ES) {
    const double theta = std::fabs(ES);
    const double falling = 1.0 / (1.0 + std::tan(theta));
    const double rising = std::cos(theta) * k_Cos_Quarter_Pi / std::cos(k_Quarter_Pi + theta);
    // a deflection of exactly zero is taken as negative
    if ((yd > k_Level && ES > k_Level) || (yd < k_Level && ES < -k_Level)) return falling;
    if ((yd > k_Level && ES < -k_Level) || (yd < k_Level && ES > k_Level)) return rising;
    return 1.0;
}

double Cemented_Silt_Cohesive_Resistance(double c, double b, double gamma, double zu, double yd,
                                         double ES) {
    // Without cohesion there is no cohesive part (gamma zu / c would not be a number).
    if (c <= 0.0) return 0.0;
    double Np = 3.0 + 0.5 * zu / b + gamma * zu / c;
    if (std::fabs(ES) > k_Level) Np *= Silt_Sloping_Factor(yd, ES);
    return Np < k_Clay_Flow_Np ? c * b * Np : k_Clay_Flow_Np * c * b;
}

CementedSiltCurve Cemented_Silt_Curve(double b, double zu, double kx, double Ps, double Puc,
                                      bool cyclic) {
    CementedSiltCurve c{};
    c.kx = kx;
    c.A = Sand_Factor(zu, b, cyclic, false);
    c.Ps = Ps;
    c.Puc = Puc;
    c.pu = c.A * Ps + Puc;
    c.yu = 3.0 * b / 80.0;
    c.ym = b / 60.0;
    c.pm = k_Peak_Factor * (Ps + Puc);
    c.finite = true;
    if (zu < 0.0) {
        // Above the equivalent ground surface the parabola does not exist; the initial line
        // is taken to reach two diameters.
        c.yk = 2.0 * b;
        return c;
    }
    c.m = (c.pu - c.pm) / (c.yu - c.ym);
    c.n = c.pm / (c.ym * c.m);
    c.C = c.n == 0.0 ? 0.0 : c.pm / std::pow(c.ym, 1.0 / c.n);
    const double exponent = c.n / (c.n - 1.0);
    c.yk = kx == 0.0 ? 0.0 : std::pow(c.C / kx, exponent);
    c.finite = std::isfinite(c.m) && std::isfinite(c.n) && std::isfinite(c.C) &&
               std::isfinite(exponent) && std::isfinite(c.yk);
    return c;
}

double Cemented_Silt_P(const CementedSiltCurve& c, double y_prime) {
    // Without an initial slope the soil offers nothing.
    if (c.kx == 0.0) return 0.0;
    const double line = c.kx * y_prime;
    if (!c.finite) return std::min(line, c.pu);
    double p;
    if (y_prime > c.yu) {
        // the plateau, also where the initial line would reach beyond yu
        p = c.pu;
    } else if (y_prime <= c.yk) {
        p = line;
    } else if (y_prime <= c.ym) {
        p = c.C * std::pow(y_prime, 1.0 / c.n);
    } else {
        p = c.pm + c.m * (y_prime - c.ym);
    }
    return std::min(p, line);
}

double Cemented_Silt_Table_Deflection(const CementedSiltCurve& c, int j) {
    if (j <= 13) return (j - 1) * c.ym / 12.0;
    return c.yu * (1.0 + k_Table_Step * (j - 14));
}

namespace {

bool Cemented_Silt_At_Node(int L, int k, const PYNodeValues& v, bool print, PYNodeModulus& out) {
    const AnalysisModel& m = g_Model;
    const bool cyclic = m.b_Cyclic != 0;
    const double theta = std::fabs(m.EffectiveSlope);
    // soil properties
    CementedSiltNode n{};
    n.c = Silt_Cohesion(L, v.z);
    if (m.ErrorStatus != 0) return false;
    if (n.c < k_PY_Zero_Cohesion && v.z > m.rd_LayerTop[L]) {
        Raise_Zero_Cohesion(L, v.z, n.c);
        return false;
    }
    n.gamma = AverageUnitWeightAbove(v.z);
    if (m.ErrorStatus != 0) return false;
    n.eps50 = Epsilon50_Or_Default(v.z, Cemented_Silt_Default_Eps50(n.c, m.IUNITS));
    if (m.ErrorStatus != 0) return false;
    n.phi_degrees = FrictionAngleAtDepth(v.z);
    if (m.ErrorStatus != 0) return false;
    const double phi = n.phi_degrees * k_PY_Pi / 180.0;
    if (phi < k_Zero_Angle) {
        Raise_Zero_Friction_Angle();
        return false;
    }
    n.k = Layer_Silt_K(L, v.z);
    n.default_k = n.k < 0.0;
    if (n.default_k) {
        n.k = Cemented_Silt_Default_K(n.c, n.phi_degrees, n.gamma, cyclic, m.IUNITS);
        if (n.k < 0.0) {
            Raise_No_Default_K(L);
            return false;
        }
    }
    if (theta > phi) {
        Raise_Slope_Too_Steep(L);
        return false;
    }
    if (Slope_Radicand(phi, theta) < k_Zero_Angle && n.c <= 0.0) {
        Raise_Slope_Of_Cohesionless_Silt(L);
        return false;
    }
    // earth pressure coefficients and the depth for ultimate resistance
    n.angles = Sand_Angles(phi, k_K0);
    const double Ka_slope = theta > k_Zero_Angle ? Sloping_Active_Coefficient(phi, theta) : n.angles.Ka;
    EquivalentTopInputs in = Sand_Top_Inputs(v.b, n.gamma, n.angles, Ka_slope, v.zg, cyclic);
    in.c = n.c;
    in.ca = n.c;
    n.zu = Depth_For_Ultimate_Resistance(L, v.z, k == Layer_First_Point(L, print), print, in);
    // resistance and curve
    const double Ps = Frictional_Resistance(n, v.b, v.zg, v.ys, Ka_slope);
    const double Puc = Cemented_Silt_Cohesive_Resistance(n.c, v.b, n.gamma, n.zu, v.ys, m.EffectiveSlope);
    n.curve = Cemented_Silt_Curve(v.b, n.zu, n.k * n.zu, Ps, Puc, cyclic);
    if (print) {
        Print_Silt_Parameters(L, v, n);
        Print_Silt_Table(k, v, n.curve);
        return true;
    }
    // the integral of ultimate resistance; above the pile head a trapezoid from 3 c b
    out.pu = n.curve.pu;
    out.p_ends = 3.0 * n.c * v.b + n.curve.pu;
    // secant modulus; at (almost) no deflection the initial slope, without multipliers
    out.Es = v.y_prime < k_PY_Tiny_Deflection ? n.curve.kx
                                               : Secant_Modulus(v, Cemented_Silt_P(n.curve, v.y_prime));
    return true;
}

// Cemented silt takes part in soil movement and keeps its integral of ultimate resistance.
constexpr PYCriterion k_Cemented_Silt = {
    nullptr, 0, 0, true, k_PY_Trapezoid_Integral, true, nullptr, Cemented_Silt_At_Node};

}  // namespace

void PY_CementedSilt(int L, bool print) { Run_PY_Criterion(L, print, k_Cemented_Silt); }
