// Stiff clay factors As and Ac (cubic fits capped at their deep values; the coefficients are
// single-precision numbers widened to double), the stiff clay sloping ground factor and the
// cohesion class of the default strain and subgrade modulus.
#include "py/stiff_clay_factors.h"

#include "engine/errors.h"
#include "model/model.h"
#include "model/units.h"
#include "pile/soil_profile.h"
#include "py/py_framework.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double k_Quarter_Pi = 0.7853981633974483;
constexpr double k_Level = 1e-20;          // deflections and angles below this count as zero
constexpr double k_Float_Range = 3.0e38;   // a cohesion beyond it keeps its double value

// Defaults of both stiff clay criteria by cohesion class: the strain (single-precision values)
// and the US customary subgrade modulus (lb/in3), where cyclic loading takes two fifths of the
// static value.
constexpr double k_Default_Eps50[4] = {0.010999999940395355, 0.007000000216066837,
                                       0.004999999888241291, 0.004000000189989805};
constexpr double k_US_Static_K[4] = {250.0, 500.0, 1000.0, 2000.0};
constexpr double k_US_Cyclic_K[4] = {100.0, 200.0, 400.0, 800.0};

// Warning limits on cohesion in US customary runs: 500 and 8000 lb/ft2 in lb/in2 (s).
constexpr double k_US_Low_Cohesion = 3.472222328186035;
constexpr double k_US_High_Cohesion = 55.55555725097656;

}  // namespace

double StiffClayAs(double r) {
    const double cap = 0.6000000238418579;   // 0.6 (s)
    if (r > 3.299999952316284) return cap;   // 3.3 (s)
    return std::min(cap, 0.2345000058412552 + 0.295879602432251 * r -
                             0.0786110982298851 * r * r + 0.006898100022226572 * r * r * r);
}

double StiffClayAc(double r) {
    const double cap = 0.30000001192092896;   // 0.3 (s)
    if (r > 1.5) return cap;
    return std::min(cap, 0.20000000298023224 + 0.15333299338817596 * r -
                             0.07500000298023224 * r * r + 0.011667000129818916 * r * r * r);
}

double Stiff_Clay_Slope_Factor(double y, double theta, double cos45) {
    const double a = std::fabs(theta);
    // The tests compare with +1e-20 on both sides: zero deflection and any negative slope fall
    // on the "below" side.
    const bool y_up = y > k_Level;
    const bool y_down = y < k_Level;
    const bool t_up = theta > k_Level;
    const bool t_down = theta < k_Level;
    if ((y_up && t_up) || (y_down && t_down)) return 1.0 / (1.0 + std::tan(a));
    if ((y_up && t_down) || (y_down && t_up)) return std::cos(a) * cos45 / std::cos(k_Quarter_Pi + a);
    return 1.0;
}

int Stiff_Clay_Cohesion_Class(double c, const double (&limits)[3]) {
    const double cs = std::fabs(c) < k_Float_Range ? static_cast<double>(static_cast<float>(c)) : c;
    int i = 0;
    while (i < 3 && cs >= limits[i]) ++i;
    return i;
}

double Default_Epsilon50_From(const StiffClayDefaults& d, double c, int units) {
    if (units == k_Units_US) return k_Default_Eps50[Stiff_Clay_Cohesion_Class(c, d.us_limits)];
    if (units == k_Units_SI) return k_Default_Eps50[Stiff_Clay_Cohesion_Class(c, d.si_limits)];
    return 0.0;
}

double Default_K_From(const StiffClayDefaults& d, double c, int units, bool cyclic) {
    if (units == k_Units_US) {
        const int i = Stiff_Clay_Cohesion_Class(c, d.us_limits);
        return cyclic ? k_US_Cyclic_K[i] : k_US_Static_K[i];
    }
    if (units == k_Units_SI) {
        const int i = Stiff_Clay_Cohesion_Class(c, d.si_limits);
        return cyclic ? d.si_cyclic_k[i] : d.si_static_k[i];
    }
    return 0.0;
}

void Warn_Stiff_Clay_Cohesion(double c, bool on_interface, const int (&warnings)[4],
                              const double (&si_limits)[2]) {
    if (on_interface) return;
    const int units = g_Model.IUNITS;
    if (units == k_Units_US) {
        if (c < k_US_Low_Cohesion) RecordWarning(-warnings[0]);
        if (c > k_US_High_Cohesion) RecordWarning(-warnings[1]);
    } else if (units == k_Units_SI) {
        if (c < si_limits[0]) RecordWarning(-warnings[2]);
        if (c > si_limits[1]) RecordWarning(-warnings[3]);
    }
}

double Stiff_Clay_Layer_K(int L, double z, double default_k, bool negative_is_missing) {
    const AnalysisModel& m = g_Model;
    const bool missing = negative_is_missing ? m.LayerKTop[L] <= 0.0 : m.LayerKTop[L] == 0.0;
    if (missing) return default_k;
    // a bottom value of 0 or less is the top value
    const double k_bottom = m.LayerKBottom[L] <= 0.0 ? m.LayerKTop[L] : m.LayerKBottom[L];
    return fn_LayerK(L, z, k_bottom);
}

bool Stiff_Clay_Cohesion(int L, int k, const PYNodeValues& v, bool print, void (*raise_zero)(),
                         const int (&warnings)[4], const double (&si_limits)[2], double& c) {
    const bool first = k == Layer_First_Point(L, print);
    bool on_interface = false;
    c = fn_c(v.z, on_interface);
    if (g_Model.ErrorStatus != 0) return false;
    if (!first && c < k_PY_Zero_Cohesion) {
        raise_zero();
        return false;
    }
    Warn_Stiff_Clay_Cohesion(c, on_interface, warnings, si_limits);
    return true;
}
