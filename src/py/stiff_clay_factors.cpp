// Stiff clay factors As and Ac: cubic fits capped at their deep values. The coefficients are
// single-precision numbers widened to double.
#include "py/stiff_clay_factors.h"

#include <algorithm>

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
