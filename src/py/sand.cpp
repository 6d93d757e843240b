// Reese sand p-y criterion ("Sand    "): PY_Sand sets Es_Node for the nodes of one layer from
// the curve of Reese, Cox and Koop (1974), keeps the layer's integral of ultimate resistance for
// the layers below, or prints the curve block in print mode. The equivalent depth of a Reese
// sand layer is computed once per run. Shared sand laws are in py/sand_resistance.
#include "py/sand.h"

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
#include "py/sand_factors.h"
#include "py/sand_resistance.h"
#include "report/fortran_format.h"
#include "report/number_writer.h"
#include "report/plot_file.h"

namespace {

constexpr double k_K0 = 0.4;
constexpr double k_Sloping = 1e-15;               // slope above which the wedge tilts
constexpr double k_Plateau_Step = 0.02500000037252903;    // 0.025 (s)

// What a node of the layer needs for its curve and its printed block.
struct ReeseSandNode {
    double phi_degrees;
    double gamma;
    double k;                 // subgrade modulus after the default
    bool default_k;
    SandAngles angles;        // with the level-ground Ka
    double zu;
    double Pst;
    double Psd;
    double Ps;
    ReeseSandCurve curve;
};

// ---- Messages --------------------------------------------------------------------------

// Input Data Error No. 8, in the runtime message file.
void Raise_Zero_Friction_Angle() {
    Raise_PY_Input_Error(8,
                         {"", "An error was detected in the input data for friction angle.",
                          "Problem:  Zero was input for the friction angle for a sand when computing ",
                          "          a p-y curve using the Reese et al. criteria.", "",
                          "Solution: Check values of soil strength values and revise the input data.", ""},
                         false);
}

// Input Data Error No. 9: the ground of the first layer slopes more steeply than the sand's
// friction angle.
void Raise_Slope_Too_Steep(int L) {
    FortranRecord layer;
    Start_Record(layer);
    Append_Text(layer, "the Reese sand criteria for layer ");
    Append_I(layer, L, 0);
    Append_Text(layer, ".");
    Raise_PY_Input_Error(9,
                         {"", "An error was found in the input data when computing a p-y curve using ",
                          layer.text.data(), "",
                          "Problem:  The angle of the ground slope can not be greater than the ",
                          "internal friction angle of the sand.", "",
                          "Solution:  Set the value for slope angle to be less than the angle of friction."},
                         true);
}

// Warning 302: its text goes to the runtime message file at every report.
void Warn_Friction_Angle(double phi_degrees) {
    if (!(phi_degrees < k_Sand_Lowest_Angle || phi_degrees > k_Sand_Highest_Angle)) return;
    const char* lines[] = {
        "", "**** Warning ****", "",
        "An unreasonable value for friction angle was input for a Reese sand layer. ",
        "The input value is either smaller than 20 degrees or higher than 48 degrees.",
        "The input data should be checked for correctness.", "",
        "The input value for friction angle was used in computations.", ""};
    for (const char* l : lines) Write_Message_Line(l);
    RecordWarning(-302);
}

// ---- Resistance ------------------------------------------------------------------------

// Ps = min(wedge, flow) at the node; the wedge uses the depth for ultimate resistance and the
// active coefficient of the slope, the flow the true depth and the level-ground Ka.
void Compute_Resistance(ReeseSandNode& n, double b, double zg, double ys, double Ka_slope) {
    const double ES = g_Model.EffectiveSlope;
    const double theta = std::fabs(ES);
    n.Pst = Sand_Wedge_Level(n.gamma, n.zu, b, n.angles, Ka_slope);
    double f = 1.0;
    if (theta > k_Sloping) {
        const double t = std::tan(theta) * std::tan(n.angles.beta);
        const bool toward_falling = (ys > k_Sand_Direction && ES > k_Sand_Direction) ||
                                    (ys <= k_Sand_Direction && ES < k_Sand_Direction);
        f = toward_falling ? 1.0 + t : 1.0 - t;
        if (f > k_Sand_Positive_Factor) n.Pst = Sand_Wedge_Sloping(n.gamma, n.zu, b, n.angles, Ka_slope, t, f);
    }
    n.Psd = Sand_Flow(n.gamma, zg, b, n.angles);
    // a wedge that cannot form on steep falling ground leaves the flow resistance
    if (f <= k_Sand_Vanishing_Factor && theta > k_Sand_Zero_Angle) n.Pst = n.Psd;
    n.Ps = std::min(n.Pst, n.Psd);
}

// ---- Printed block ---------------------------------------------------------------------

void Print_Sand_Parameters(int L, const PYNodeValues& v, const ReeseSandNode& n) {
    const AnalysisModel& m = g_Model;
    const ReeseSandCurve& c = n.curve;
    const bool cyclic = m.b_Cyclic != 0;
    Write_PY_Title(cyclic ? "p-y Curve in Sand Computed Using Reese Criteria for Cyclic Loading Conditions"
                          : "p-y Curve in Sand Computed Using Reese Criteria for Static Loading Conditions",
                   nullptr);
    Write_PY_Layer_And_Depths(L, v.z, 12);
    Write_PY_Slope_Lines("Pile Batter");
    Write_PY_Value_Line("Equivalent Depth (see note)", n.zu, 3, m.LabelLength);
    Write_PY_Value_Line("Pile Diameter, b", v.b, 3, m.LabelLength);
    Write_PY_Value_Line("Angle of Friction", n.phi_degrees, 3, "degrees");
    if (m.IUNITS == k_Units_US) {
        Write_PY_Value_Line("Avg. Eff. Unit Weight", n.gamma * 1728.0, 5, "pcf");
    } else {
        Write_PY_Value_Line("Avg. Eff. Unit Weight", n.gamma, 5, m.LabelUnitWeight);
    }
    Write_PY_Value_Line("kpy", n.k, 3, m.LabelSubgradeModulus);
    Write_PY_Value_Line("K active", n.angles.Ka, 3, nullptr);
    Write_PY_Value_Line("K passive", n.angles.Kp, 3, nullptr);
    Write_PY_Value_Line("K0", n.angles.K0, 3, nullptr);
    Write_PY_Force_Line("Pst", n.Pst, 3);
    Write_PY_Force_Line("Psd", n.Psd, 3);
    Write_PY_Force_Line(n.Psd > n.Pst ? "Ps = Pst (shallow controls)" : "Ps = Psd (deep controls)", n.Ps, 3);
    Write_PY_Value_Line(cyclic ? "A (cyclic)" : "A (static)", c.A, 4, nullptr);
    Write_PY_Value_Line(cyclic ? "B (cyclic)" : "B (static)", c.B, 4, nullptr);
    Write_PY_Value_Line("C = Pm/(Ym^(1/n))", c.C, 4, nullptr);
    Write_PY_Value_Line("n = Pm/(m Ym)", c.n, 4, nullptr);
    Write_PY_Value_Line("m = (Pu-Pm)/(Yu-Ym)", c.m, 4, nullptr);
    Write_PY_Value_Line("Yk = [c/(kx)]^(n/(n-1))", c.yk, 4, m.LabelLength);
    Write_PY_Force_Line("Pk", c.pk, 3);
    Write_PY_Value_Line("Ym = b/60", c.ym, 4, m.LabelLength);
    Write_PY_Force_Line("Pm = B ps", c.pm, 3);
    Write_PY_Value_Line("Yu = 3b/80", c.yu, 4, m.LabelLength);
    Write_PY_Force_Line("Pu = A Ps", c.pu, 3);
    FortranRecord es;
    Start_PY_Label_Line(es, "Es,lim");
    Append_F(es, c.kx, 12, 3);
    Append_Text(es, " ");
    Append_Force_Per_Length_Label(es);
    Append_Trimmed(es, m.LabelSlash);
    Append_Trimmed(es, m.LabelLength);
    Write_PY_Record(es);
    Write_PY_Multipliers(v.pm, v.ym);
}

void Print_Sand_Notes(const ReeseSandCurve& c) {
    if (g_Model.i_RockLayersAbove > 0) {
        WriteLine("This layer is below one or more layers of rock.  In this case, the ");
        WriteLine("layering correction is not used and the true depth below the ground ");
        WriteLine("surface is used when computing the p-y curve.  ");
    } else {
        WriteLine("This p-y curve is computed using the equivalent depth.");
    }
    switch (Reese_Sand_Shape(c)) {
        case k_Shape_Normal:
            WriteLine("This curve has the normal shape for a Reese sand p-y curve where Yk < Ym < Yu.");
            break;
        case k_Shape_Trilinear:
            WriteLine("This curve has a tri-linear shape for a Reese sand p-y curve because Ym < Yk < Yu.");
            break;
        case k_Shape_Bilinear:
            WriteLine("This curve has a bi-linear shape for a Reese sand p-y curve because Ym < Yu < Yk.");
            break;
        case k_Shape_None:
            break;
    }
}

// Heading, the 17 points (those on the initial line marked "*") and the notes after them.
void Print_Sand_Table(int k, const PYNodeValues& v, const ReeseSandNode& n) {
    const ReeseSandCurve& c = n.curve;
    WriteLine("");
    Write_PY_Table_Heading(10, 26, nullptr, k_PY_Table_Dashes);
    Record_Printed_PY_Curve(k_PY_Curve_Reese_Sand, v.x, k_PY_Print_Points, k);
    const double yp = c.pu / c.kx;
    bool any_marked = false;
    for (int j = 1; j <= k_PY_Print_Points; ++j) {
        double y_prime = Reese_Sand_Table_Deflection(c, v.b, j);
        bool on_line = false;
        double p = Reese_Sand_P(c, y_prime, &on_line);
        bool marked = j >= 2 && on_line;
        // Beyond the line the curve may rise above k x y: the point then lies on the line, or
        // for the last two points, where the line reaches pu.
        if (j >= 2 && !on_line && Reese_Sand_P_Beyond_Line(c, y_prime) > c.kx * y_prime) {
            if (j <= 15) {
                marked = true;
            } else if (j == 16) {
                y_prime = yp;
                p = c.pu;
            } else {
                y_prime = (1.0 + k_Plateau_Step) * c.yu + yp;
                p = c.pu;
            }
        }
        any_marked = any_marked || marked;
        const double y = v.ym * y_prime;
        const double pv = v.pm * p;
        FortranRecord row;   // 3X, y, 5X, p (the report's number forms, width 12), mark
        Start_Record(row);
        Append_X(row, 3);
        Append_Text(row, Format_Number(y, 12).text.data());
        Append_X(row, 5);
        Append_Text(row, Format_Number(pv, 12).text.data());
        if (marked) Append_Text(row, "   *");
        Write_PY_Record(row);
        Record_Printed_PY_Point(k_PY_Curve_Reese_Sand, y, pv, j);
    }
    if (any_marked) {
        WriteLine("");
        WriteLine("* p value(s) computed using p = k * Eff x * y ");
    }
    WriteLine("");
    if (n.default_k) {
        WriteLine("The above p-y curve was computed using internal default values of k.");
        WriteLine("");
    }
}

// ---- The criterion ---------------------------------------------------------------------

}  // namespace

ReeseSandCurve Reese_Sand_Curve(double b, double zu, double kx, double Ps, bool cyclic) {
    ReeseSandCurve c{};
    c.kx = kx;
    c.A = Sand_Factor(zu, b, cyclic, false);
    c.B = Sand_Factor(zu, b, cyclic, true);
    c.pu = c.A * Ps;
    c.yu = 3.0 * b / 80.0;
    c.pm = c.B * Ps;
    c.ym = b / 60.0;
    c.m = (c.pu - c.pm) / (c.yu - c.ym);
    if (zu < 0.0) {
        // Above the equivalent ground surface the parabola does not exist; the initial line
        // is taken to reach two diameters.
        c.yk = 2.0 * b;
    } else if (zu > 0.0) {
        c.n = c.pm / (c.m * c.ym);
        c.C = c.pm / std::pow(c.ym, 1.0 / c.n);
        c.yk = std::pow(c.C / kx, c.n / (c.n - 1.0));
        c.pk = c.C * std::pow(c.yk, 1.0 / c.n);
    }
    return c;
}

double Reese_Sand_P_Beyond_Line(const ReeseSandCurve& c, double y_prime) {
    if (y_prime > c.ym) return y_prime > c.yu ? c.pu : c.pm + c.m * (y_prime - c.ym);
    return c.n == 0.0 ? 0.0 : c.C * std::pow(y_prime, 1.0 / c.n);
}

double Reese_Sand_P(const ReeseSandCurve& c, double y_prime, bool* initial_line) {
    const bool on_line = y_prime <= c.yk && y_prime < c.ym;
    if (initial_line != nullptr) *initial_line = on_line;
    const double line = c.kx * y_prime;
    if (on_line) return line;
    return std::min(Reese_Sand_P_Beyond_Line(c, y_prime), line);
}

ReeseSandShape Reese_Sand_Shape(const ReeseSandCurve& c) {
    if (c.yk < c.ym && c.ym < c.yu) return k_Shape_Normal;
    if (c.ym < c.yk && c.yk < c.yu) return k_Shape_Trilinear;
    if (c.ym < c.yu && c.yu < c.yk) return k_Shape_Bilinear;
    return k_Shape_None;
}

double Reese_Sand_Table_Deflection(const ReeseSandCurve& c, double b, int j) {
    if (j == 1) return 0.0;
    const double step = k_Plateau_Step * (j - 15);
    if (c.yk < c.ym) {
        // normal: the initial line, eleven steps over the parabola, the straight part, plateau
        if (j == 2) return c.yk;
        if (j <= 12) return c.yk + (j - 2) * (c.ym - c.yk) / 11.0;
        if (j == 13) return c.ym;
        if (j == 14) return 13.0 * b / 480.0;
        if (j == 15) return c.yu;
        return c.yu * (1.0 + step);
    }
    if (c.yk < c.yu) {
        // tri-linear (and yk = ym): from where the initial line meets the straight part
        const double s = (c.pu - c.pk) / (c.yu - c.yk);
        const double yx = (c.pu - c.yu * s) / (c.kx - s);
        if (j <= 14) return yx + (j - 2) * (c.yu - yx) / 13.0;
        if (j == 15) return c.yu;
        return c.yu * (1.0 + step);
    }
    // bi-linear (and yk = yu): the initial line straight up to pu
    const double yp = c.pu / c.kx;
    if (j == 2) return yp / 14.0;
    if (j <= 14) return (j - 1) * yp / 14.0;
    if (j == 15) return yp;
    return yp * (1.0 + step);
}

namespace {

bool Reese_Sand_At_Node(int L, int k, const PYNodeValues& v, bool print, PYNodeModulus& out) {
    const AnalysisModel& m = g_Model;
    const bool cyclic = m.b_Cyclic != 0;
    const double theta = std::fabs(m.EffectiveSlope);
    // soil properties
    ReeseSandNode n{};
    n.gamma = AverageUnitWeightAbove(v.z);
    if (m.ErrorStatus != 0) return false;
    n.phi_degrees = FrictionAngleAtDepth(v.z);
    if (m.ErrorStatus != 0) return false;
    const double phi = n.phi_degrees * k_PY_Pi / 180.0;
    Warn_Friction_Angle(n.phi_degrees);
    n.k = Layer_Sand_K(L, v.z);
    n.default_k = n.k < 0.0;
    if (phi < k_Sand_Zero_Angle) {
        Raise_Zero_Friction_Angle();
        return false;
    }
    if (n.default_k) {
        n.k = DefaultSandK(n.phi_degrees, n.gamma);
        if (m.ErrorStatus != 0) return false;
    }
    // active coefficient on the slope; in a deeper layer a slope steeper than the friction
    // angle goes on and ends as a modulus that is not a number
    n.angles = Sand_Angles(phi, k_K0);
    double Ka_slope = n.angles.Ka;
    if (L == 1 && Slope_Radicand(phi, theta) < k_Sand_Zero_Radicand) {
        Raise_Slope_Too_Steep(L);
        return false;
    }
    if (theta > k_Sand_Zero_Angle) Ka_slope = Sloping_Active_Coefficient(phi, theta);
    const EquivalentTopInputs in = Sand_Top_Inputs(v.b, n.gamma, n.angles, Ka_slope, v.zg, cyclic);
    n.zu = Depth_For_Ultimate_Resistance(L, v.z, k == Layer_First_Point(L, print), print, in);
    // resistance and curve
    Compute_Resistance(n, v.b, v.zg, v.ys, Ka_slope);
    n.curve = Reese_Sand_Curve(v.b, n.zu, n.k * n.zu, n.Ps, cyclic);
    if (print) {
        Print_Sand_Parameters(L, v, n);
        Print_Sand_Notes(n.curve);
        Print_Sand_Table(k, v, n);
        return true;
    }
    // the integral of ultimate resistance; above the pile head a triangle
    out.pu = n.curve.pu;
    out.p_ends = n.curve.pu;
    // secant modulus; at (almost) no deflection the initial slope, without multipliers
    out.limiting = v.y_prime < k_PY_Tiny_Deflection;
    out.Es = out.limiting ? n.curve.kx : Secant_Modulus(v, Reese_Sand_P(n.curve, v.y_prime, nullptr));
    return true;
}

// Reese sand takes part in soil movement, keeps its integral of ultimate resistance and tests its
// modulus: Runtime Error No. 32 for the initial slope, 31 for the secant.
constexpr PYCriterion k_Reese_Sand = {
    "Reese Sand", 32, 31, true, k_PY_Trapezoid_Integral, true, nullptr, Reese_Sand_At_Node};

}  // namespace

void PY_Sand(int L, bool print) { Run_PY_Criterion(L, print, k_Reese_Sand); }
