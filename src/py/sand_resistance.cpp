// Sand resistance laws shared by the Reese and API sand criteria, and the subgrade modulus of a
// sand layer with its defaults.
#include "py/sand_resistance.h"

#include <cmath>
#include <initializer_list>

#include "engine/errors.h"
#include "engine/messages.h"
#include "model/model.h"
#include "model/units.h"
#include "pile/soil_profile.h"

namespace {

constexpr double k_Quarter_Pi = 0.7853981633974483;
constexpr double k_Submerged_Unit_Weight = 12.225000381469727;   // 12.225 (s) kN/m3
constexpr double k_Highest_Fitted_Angle = 40.0;                  // degrees; the fits meet here

double Square(double x) { return x * x; }

// Runtime Error No. 13: no default k exists in general units.
void Raise_No_Default_K() {
    const FortranRecord heading = Error_Heading(false, 13);
    const std::initializer_list<const char*> lines = {
        "", "", heading.text.data(), "",
        "Problem:  General units have been selected for use in computations in      ",
        "combination with default values of k for a layer classified as API sand    ",
        "criteria. This combination of data cannot be used because Orvane cannot     ",
        "compute default values of subgrade modulus in general units.               ", "",
        "Solution:  You must select either US customary for SI units for the        ",
        "units of computation to use a default value for subgrade subgrade modulus  ",
        "for the API sand criteria or enter an appropriate proper value by entering ",
        "a non-zero for k."};
    Write_Message_Lines(lines);
    Write_Report_Lines(lines);
    Raise_Runtime_Error(13);
}

}  // namespace

SandAngles Sand_Angles(double phi, double K0) {
    SandAngles a{};
    a.phi = phi;
    a.alpha = phi / 2.0;
    a.beta = k_Quarter_Pi + phi / 2.0;
    a.K0 = K0;
    a.Ka = Square(std::tan(k_Quarter_Pi - phi / 2.0));
    a.Kp = Square(std::tan(a.beta));
    return a;
}

EquivalentTopInputs Sand_Top_Inputs(double b, double gamma, const SandAngles& a, double Ka,
                                    double zg, bool cyclic) {
    EquivalentTopInputs in{};
    in.b = b;
    in.gamma = gamma;
    in.phi = a.phi;
    in.alpha = a.alpha;
    in.beta = a.beta;
    in.K0 = a.K0;
    in.Ka = Ka;
    in.Kp = a.Kp;
    in.zg = zg;
    in.cyclic = cyclic;
    return in;
}

double Slope_Radicand(double phi, double theta) {
    return Square(std::cos(theta)) - Square(std::cos(phi));
}

double Sloping_Active_Coefficient(double phi, double theta) {
    const double root = std::sqrt(Slope_Radicand(phi, theta));
    const double ct = std::cos(theta);
    return ct * (ct - root) / (ct + root);
}

double Sand_Wedge_Level(double gamma, double zu, double b, const SandAngles& a, double Ka) {
    const double tp = std::tan(a.phi), tb = std::tan(a.beta), ta = std::tan(a.alpha);
    const double sb = std::sin(a.beta);
    const double tbp = std::tan(a.beta - a.phi);
    return gamma * zu *
           (a.K0 * zu * tp * sb / (tbp * std::cos(a.alpha)) + tb / tbp * (b + zu * tb * ta) +
            a.K0 * zu * tb * (tp * sb - ta) - Ka * b);
}

double Sand_Wedge_Sloping(double gamma, double zu, double b, const SandAngles& a, double Ka,
                          double t, double f) {
    const double tp = std::tan(a.phi), tb = std::tan(a.beta), ta = std::tan(a.alpha);
    const double sb = std::sin(a.beta);
    const double tbp = std::tan(a.beta - a.phi);
    const double D1 = t / f;
    const double D2 = 1.0 / f;
    const double G = 4.0 * D1 * D1 * D1 - 3.0 * D1 * D1 + 1.0;
    return gamma * zu *
           (a.K0 * zu * tp * sb * G / (tbp * std::cos(a.alpha)) +
            tb / tbp * (b * D2 + zu * tb * ta * D2 * D2) + a.K0 * zu * tb * (tp * sb - ta) * G -
            Ka * b);
}

double Sand_Flow(double gamma, double z, double b, const SandAngles& a) {
    const double t4 = std::pow(std::tan(a.beta), 4);
    return b * gamma * z * (a.Ka * (t4 * t4 - 1.0) + a.K0 * std::tan(a.phi) * t4);
}

double Default_Sand_K_For_Units(double phi_degrees, double gamma, int units) {
    const bool steep = phi_degrees > k_Highest_Fitted_Angle;
    if (units == k_Units_US) {
        // US customary runs use the submerged fit whatever the unit weight.
        return steep ? 160.54745483398438
                     : 1.2098290369522147e-07 * std::pow(phi_degrees, 5.694468021392822);
    }
    if (units == k_Units_SI) {
        if (gamma > k_Submerged_Unit_Weight) {
            return steep ? 78739.0078125
                         : 4.14174883189844e-06 * std::pow(phi_degrees, 6.416118144989014);
        }
        return steep ? 43580.1484375
                     : 3.284046397311613e-05 * std::pow(phi_degrees, 5.694468021392822);
    }
    return -1.0;
}

double DefaultSandK(double phi_degrees, double gamma) {
    const double k = Default_Sand_K_For_Units(phi_degrees, gamma, g_Model.IUNITS);
    if (k < 0.0) {
        Raise_No_Default_K();
        return 0.0;
    }
    return k;
}

double Layer_Sand_K(int L, double z) {
    const AnalysisModel& m = g_Model;
    if (m.LayerKTop[L] <= 0.0) return -1.0;
    // A sand layer's bottom value is taken as read, zero included.
    return fn_LayerK(L, z, m.LayerKBottom[L]);
}
