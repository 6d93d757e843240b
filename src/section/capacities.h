// Axial capacities of a pile section (nominal compression, nominal tension, tensile cracking
// load), the thrust list the moment-curvature analysis runs with and its checks against those
// capacities, and the nominal and factored moment capacities of the curves. The Compute, Build
// and Keep operations fill the model (the section-analysis fields and the per-section fields
// callers read after the run); the Write operations write the report from it and compute nothing.
#pragma once

#include <array>

#include "model/capacities.h"

// Resistance factors of the factored-capacity table, 1-based as the model's factored fields
// (f = 1..k_Num_Resistance_Factors): tied hoops, spirals, and the upper common value.
constexpr std::array<double, k_Num_Resistance_Factors + 1> k_Resistance_Factors = {
    0.0,                  // unused
    0.6499999761581421,   // 0.65 (s)
    0.699999988079071,    // 0.70 (s)
    0.75};

// Nominal compressive capacity (models 1, 3, 6, 7, 9), kept for the current section.
void ComputeAxialCapacity();

// Concrete constants for cracking, cracking load and nominal tensile capacity (models 1, 3, 6,
// 7, 9), kept for the current section.
void ComputeTensileCapacity();

// The "Axial Structural Capacities" lines of section s from its kept capacities; nothing for a
// section that keeps none.
void WriteAxialCapacities(int s);

// The thrust list of the section (rd_Thrust, i_NumThrusts) from the run's list, filtered or
// checked by the analysis type. Raises Runtime Errors 24-27 for a thrust beyond a capacity.
void BuildThrustList();

// The thrust list's report lines and, for section 1, its "Line 3" record.
void WriteThrustList(int s);

// Bending stiffness at moment M on the curve of thrust a, linear in M between the points that
// bracket it; the first point's stiffness at or below the first moment, the last beyond the end.
double InterpolateEIAtMoment(int a, double M);

// Nominal and factored moment capacities of the current section's curves, kept for section s.
void KeepMomentCapacities(int s);

// Summary tables of nominal and factored moment capacity of section s, from its kept values.
void WriteCapacitySummary(int s);
