// Axial capacities of a pile section (nominal compression, nominal tension, tensile cracking
// load), the thrust list the moment-curvature analysis runs with and its checks against those
// capacities, and the summary of nominal and factored moment capacities after the curves.
#pragma once

// Nominal compressive capacity (models 1, 3, 6, 7, 9) and its report lines.
void ComputeAxialCapacity();

// Concrete constants for cracking, cracking load and nominal tensile capacity (models 1, 3, 6,
// 7, 9) and their report lines.
void ComputeTensileCapacity();

// The thrust list of the section (rd_Thrust, i_NumThrusts) from the run's list, filtered or
// checked by the analysis type, and its report lines and "Line 3" record (section 1). Raises
// Runtime Errors 24-27 for a thrust beyond a capacity.
void BuildThrustList(int s);

// Bending stiffness at moment M on the curve of thrust a, linear in M between the points that
// bracket it; the first point's stiffness at or below the first moment, the last beyond the end.
double InterpolateEIAtMoment(int a, double M);

// Summary tables of nominal and factored moment capacity after the curves of section s.
void WriteCapacitySummary(int s);
