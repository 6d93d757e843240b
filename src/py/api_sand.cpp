// API sand p-y criterion ("API Sand"): PY_APISand sets Es_Node for the nodes of one layer from
// the hyperbolic-tangent curve of the API recommendations, keeps the layer's integral of the
// resistance at 3 b / 80 for the layers below, or prints the curve block in print mode. Shared
// sand laws are in py/sand_resistance.
#include "py/api_sand.h"

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
#include "report/fortran_format.h"
#include "report/number_writer.h"
#include "report/plot_file.h"

namespace {

constexpr double k_Pi_Over_16 = 0.19634954084936207;
constexpr double k_K0 = 0.4000000059604645;          // 0.4 (s)
constexpr double k_Cyclic_A = 0.8999999761581421;    // 0.9 (s)
constexpr double k_A_Slope = 0.800000011920929;      // 0.8 (s)
constexpr double k_Surface = 1e-10;                  // zu below this: at the ground surface
constexpr double k_US_Surface_Step = 0.05000000074505806;     // 0.05 (s) in
constexpr double k_SI_Surface_Step = 0.0012700000079348683;   // 0.00127 (s) m

struct ApiSandNode {
    double phi_degrees;
    double gamma;
    double k;                 // subgrade modulus after the default
    bool default_k;
    double zu;
    double A;
    ApiSandCoefficients C;    // for the report
    ApiSandResistance R;
};

// ---- Messages --------------------------------------------------------------------------

// Input Data Errors No. 1 and 2, framed to the runtime message file and then the report: the
// opening names the criterion (in words that differ between the two) and layer L; then the
// problem and solution lines.
void Raise_Layer_Error(int number, const char* criterion_words, int L,
                       std::initializer_list<const char*> problem) {
    FortranRecord layer;
    Start_Record(layer);
    Append_Text(layer, criterion_words);
    Append_I(layer, L, 0);
    Append_Text(layer, ".");
    const FortranRecord heading = Error_Heading(true, number);
    const std::initializer_list<const char*> opening = {
        heading.text.data(), "", "An error was detected in the input data when computing a p-y.",
        layer.text.data(), ""};
    Write_Message_Lines(opening);
    Write_Message_Lines(problem);
    Write_Report_Lines(opening);
    Write_Report_Lines(problem);
    Raise_Input_Error(number);
}

// Input Data Error No. 1: zero friction angle below the layer's first node.
void Raise_Zero_Friction_Angle(int L) {
    Raise_Layer_Error(1, "curve using the API sand criteria for layer ", L,
                      {"Problem:  A zero was input for the friction angle for sand.", "",
                       "Solution:  Check the friction angle values and revise the ",
                       "data to correct this problem.", ""});
}

// Input Data Error No. 2: the ground of the first layer slopes more steeply than the sand's
// friction angle.
void Raise_Slope_Too_Steep(int L) {
    Raise_Layer_Error(2, "curve using the API criteria for sand for layer ", L,
                      {"Problem:  The angle of the ground slope can not be greater ",
                       "than the internal friction angle of the sand.", "",
                       "Solution:  Set the value for slope angle to be less than ",
                       "the angle of friction."});
}

// ---- Resistance ------------------------------------------------------------------------

// Ultimate resistance Pu on sloping ground (theta > 0), with the report's Pus (wedge), Pud
// (flow) and coefficients. Raises Input Data Error No. 2 for a too steep slope in layer 1.
void Sloping_Resistance(int L, ApiSandNode& n, const SandAngles& a, double b, double ys) {
    const double ES = g_Model.EffectiveSlope;
    const double theta = std::fabs(ES);
    if (L == 1 && Slope_Radicand(a.phi, theta) < k_Sand_Zero_Radicand) {
        Raise_Slope_Too_Steep(L);
        return;
    }
    const double Ka_slope = Sloping_Active_Coefficient(a.phi, theta);
    ApiSandResistance& R = n.R;
    R.Pus = Sand_Wedge_Level(n.gamma, n.zu, b, a, Ka_slope);
    const double t = std::tan(theta) * std::tan(a.beta);
    const double f = Api_Sand_Direction_Factor(ys, ES, t);
    if (f > k_Sand_Positive_Factor) R.Pus = Sand_Wedge_Sloping(n.gamma, n.zu, b, a, Ka_slope, t, f);
    R.Pud = Sand_Flow(n.gamma, n.zu, b, a);
    // a wedge that cannot form on steep falling ground leaves the flow resistance
    if (f <= k_Sand_Vanishing_Factor) R.Pus = R.Pud;
    R.Pu = std::min(R.Pus, R.Pud);
    n.C = Api_Sand_Coefficients(a, Ka_slope);
}

// ---- Printed block ---------------------------------------------------------------------

void Print_Api_Sand_Parameters(int L, const PYNodeValues& v, const ApiSandNode& n) {
    const AnalysisModel& m = g_Model;
    Write_PY_Title(m.b_Cyclic != 0 ? "p-y Curve Computed Using API Sand Criteria for Cyclic Loading"
                                   : "p-y Curve Computed Using API Sand Criteria for Static Loading",
                   nullptr);
    Write_PY_Layer_And_Depths(L, v.z, 12);
    Write_PY_Slope_Lines("Pile Batter");
    Write_PY_Real_Line("Equivalent Depth (see note)", n.zu, 12, 3, m.LabelLength);
    Write_PY_Real_Line("Diameter", v.b, 12, 3, m.LabelLength);
    Write_PY_Real_Line("Friction Angle phi", n.phi_degrees, 12, 3, "deg.");
    Write_PY_Real_Line("Avg. Eff. Unit Weight", n.gamma, 12, 5, m.LabelUnitWeight);
    if (m.IUNITS == k_Units_US) Write_PY_Real_Line("Avg. Eff. Unit Weight", n.gamma * 1728.0, 12, 5, "pcf");
    Write_PY_Real_Line("A", n.A, 12, 5, nullptr);
    Write_PY_Real_Line("k", n.k, 12, 3, m.LabelSubgradeModulus);
    Write_PY_Real_Line("C1", n.C.C1, 12, 5, nullptr);
    Write_PY_Real_Line("C2", n.C.C2, 12, 5, nullptr);
    Write_PY_Real_Line("C3", n.C.C3, 12, 5, nullptr);
    Write_PY_Force_Line("Pus", n.R.Pus, 3);
    Write_PY_Force_Line("Pud", n.R.Pud, 3);
    Write_PY_Force_Line("Pu", n.R.Pu, 3);
    Write_PY_Multipliers(v.pm, v.ym);
    if (m.i_RockLayersAbove > 0) {
        WriteLine("This layer is below one or more layers of rock.  In this case, the ");
        WriteLine("layering correction is not used and the true depth below the ground ");
        WriteLine("surface is used when computing the p-y curve.  ");
    } else {
        WriteLine("This p-y curve is computed using the equivalent depth.");
    }
}

// Heading and 17 points evenly spaced up to where the tangent reaches tanh(pi).
void Print_Api_Sand_Table(int k, const PYNodeValues& v, const ApiSandNode& n) {
    const AnalysisModel& m = g_Model;
    WriteLine("");
    Write_PY_Table_Heading_After(13);
    const double kz = n.k * n.zu;
    double step = m.IUNITS == k_Units_SI ? k_SI_Surface_Step : k_US_Surface_Step;
    if (kz != 0.0) step = k_Pi_Over_16 * n.A * n.R.Pu / kz;
    Print_Tabulated_PY_Curve(k_PY_Curve_API_Sand, k, v, k_PY_Rows_Fixed,
                             [&](int j) { return (j - 1) * step; },
                             [&](double y_prime) {
                                 return Api_Sand_P(n.A, n.R.Pu, n.k, n.zu, y_prime);
                             });
    if (n.default_k) {
        WriteLine("");
        WriteLine("The above p-y curve was computed using the internal default value of k.");
        WriteLine("");
    }
}

// ---- The criterion ---------------------------------------------------------------------

}  // namespace

ApiSandCoefficients Api_Sand_Coefficients(const SandAngles& a, double Ka) {
    const double tb = std::tan(a.beta), ta = std::tan(a.alpha), tp = std::tan(a.phi);
    ApiSandCoefficients C{};
    C.C1 = tb * (tb * tb * ta + a.K0 * (tp * std::sin(a.beta) * (1.0 / std::cos(a.alpha) + 1.0) - ta));
    C.C2 = a.Kp - Ka;
    C.C3 = std::pow(tb, 4) * (a.Kp + a.K0 * tp) - Ka;
    return C;
}

ApiSandResistance Api_Sand_Level_Resistance(const ApiSandCoefficients& C, double gamma, double zu,
                                            double zg, double b) {
    ApiSandResistance r{};
    r.Pus = (C.C1 * zu + C.C2 * b) * gamma * zu;
    r.Pud = C.C3 * b * gamma * zg;
    r.Pu = std::min(r.Pus, r.Pud);
    return r;
}

double Api_Sand_Direction_Factor(double yd, double ES, double t) {
    const bool rising_slope = ES > k_Sand_Direction;
    if (yd > k_Sand_Direction) return rising_slope ? 1.0 + t : 1.0 - t;
    if (yd < -k_Sand_Direction) return rising_slope ? 1.0 - t : 1.0 + t;
    // No side to push toward: the smaller resistance, as at zero deflection on a positive slope.
    return 1.0 + t;
}

double Api_Sand_A(double zu, double b, bool cyclic) {
    if (cyclic) return k_Cyclic_A;
    return std::max(3.0 - k_A_Slope * zu / b, k_Cyclic_A);
}

double Api_Sand_P(double A, double Pu, double k, double zu, double y) {
    if (zu < k_Surface) return 0.0;
    return A * Pu * std::tanh(k * zu * y / (A * Pu));
}

namespace {

// The angles of friction angle phi at node k with the level-ground coefficients, computed when
// the node has none kept for this angle and kept in the model for the next iteration.
SandAngles Kept_Angles(int k, double phi) {
    AnalysisModel& m = g_Model;
    if (m.b_APISandKept[k] == 0 || m.rd_APISandPhi[k] != phi) {
        const SandAngles a = Sand_Angles(phi, k_K0);
        const ApiSandCoefficients C = Api_Sand_Coefficients(a, a.Ka);
        m.b_APISandKept[k] = -1;
        m.rd_APISandPhi[k] = phi;
        m.rd_APISandKa[k] = a.Ka;
        m.rd_APISandKp[k] = a.Kp;
        m.rd_APISandC1[k] = C.C1;
        m.rd_APISandC2[k] = C.C2;
        m.rd_APISandC3[k] = C.C3;
        return a;
    }
    // the cheap parts as Sand_Angles forms them, the angle functions as kept
    SandAngles a{};
    a.phi = phi;
    a.alpha = phi / 2.0;
    a.beta = k_PY_Pi / 4.0 + phi / 2.0;
    a.K0 = k_K0;
    a.Ka = m.rd_APISandKa[k];
    a.Kp = m.rd_APISandKp[k];
    return a;
}

// The level-ground coefficients kept with node k's angles (Kept_Angles runs first).
ApiSandCoefficients Kept_Level_Coefficients(int k) {
    const AnalysisModel& m = g_Model;
    return {m.rd_APISandC1[k], m.rd_APISandC2[k], m.rd_APISandC3[k]};
}

// The default subgrade modulus at node k for friction angle phi_degrees and unit weight gamma,
// computed when the node has none kept for these values and kept for the next iteration.
double Kept_Default_K(int k, double phi_degrees, double gamma) {
    AnalysisModel& m = g_Model;
    if (m.b_APISandDefaultKKept[k] == 0 || m.rd_APISandDefaultKPhi[k] != phi_degrees ||
        m.rd_APISandDefaultKGamma[k] != gamma) {
        const double k_default = DefaultSandK(phi_degrees, gamma);
        if (m.ErrorStatus != 0) return k_default;
        m.b_APISandDefaultKKept[k] = -1;
        m.rd_APISandDefaultKPhi[k] = phi_degrees;
        m.rd_APISandDefaultKGamma[k] = gamma;
        m.rd_APISandDefaultK[k] = k_default;
    }
    return m.rd_APISandDefaultK[k];
}

}  // namespace

namespace {

bool Api_Sand_At_Node(int L, int k, const PYNodeValues& v, bool print, PYNodeModulus& out) {
    const AnalysisModel& m = g_Model;
    const bool cyclic = m.b_Cyclic != 0;
    const double theta = std::fabs(m.EffectiveSlope);
    // soil properties
    ApiSandNode n{};
    n.gamma = AverageUnitWeightAbove(v.z);
    if (m.ErrorStatus != 0) return false;
    n.phi_degrees = FrictionAngleAtDepth(v.z);
    if (m.ErrorStatus != 0) return false;
    const double phi = n.phi_degrees * k_PY_Pi / 180.0;
    if (n.phi_degrees < k_Sand_Lowest_Angle || n.phi_degrees > k_Sand_Highest_Angle) RecordWarning(-303);
    n.k = Layer_Sand_K(L, v.z);
    n.default_k = n.k < 0.0;
    // a zero friction angle is tolerated at the layer's first node only
    const bool first = k == Layer_First_Point(L, print);
    if (!first && phi < k_Sand_Zero_Angle) {
        Raise_Zero_Friction_Angle(L);
        return false;
    }
    const SandAngles a = Kept_Angles(k, phi);
    const EquivalentTopInputs in = Sand_Top_Inputs(v.b, n.gamma, a, a.Ka, v.zg, cyclic);
    n.zu = Depth_For_Ultimate_Resistance(L, v.z, first, print, in);
    // ultimate resistance: wedge at zu, flow below
    if (theta > k_Sand_Zero_Angle) {
        Sloping_Resistance(L, n, a, v.b, v.ys);
        if (m.ErrorStatus != 0) return false;
    } else {
        n.C = Kept_Level_Coefficients(k);
        n.R = Api_Sand_Level_Resistance(n.C, n.gamma, n.zu, v.zg, v.b);
    }
    if (n.default_k) {
        n.k = Kept_Default_K(k, n.phi_degrees, n.gamma);
        if (m.ErrorStatus != 0) return false;
    }
    // below rock the initial slope grows with the true depth
    const double kx = n.k * (m.i_RockLayersAbove > 0 ? v.zg : n.zu);
    n.A = Api_Sand_A(n.zu, v.b, cyclic);
    if (print) {
        Print_Api_Sand_Parameters(L, v, n);
        Print_Api_Sand_Table(k, v, n);
        return true;
    }
    // the integral of the resistance at 3 b / 80; above the pile head a triangle
    const double p80 = Api_Sand_P(n.A, n.R.Pu, n.k, n.zu, 3.0 * v.b / 80.0);
    out.pu = p80;
    out.p_ends = p80;
    out.Es = v.y_prime < k_PY_Tiny_Deflection
                 ? kx
                 : Secant_Modulus(v, Api_Sand_P(n.A, n.R.Pu, n.k, n.zu, v.y_prime));
    return true;
}

// API sand takes part in soil movement and keeps its integral of the resistance at 3 b / 80.
constexpr PYCriterion k_Api_Sand = {
    nullptr, 0, 0, true, k_PY_Trapezoid_Integral, true, nullptr, Api_Sand_At_Node};

}  // namespace

void PY_APISand(int L, bool print) { Run_PY_Criterion(L, print, k_Api_Sand); }
