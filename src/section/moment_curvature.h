// Moment-curvature analysis of a nonlinear pile section: for every axial thrust the curvature
// is stepped up from zero, the neutral axis that balances the thrust is found at every step and
// the moment integrated, until the section crushes, the tensile zone closes or 150 points are
// reached. From each curve comes the nominal moment capacity; the curves become the bending-
// stiffness tables of the lateral solution, the "Line 4"/"Line 5" plot records and the
// moment-curvature files.
#pragma once

// First curvature increment of a section whose first dimension is D1 (in | m); 0 in general units.
double Initial_Curvature_Increment(double D1);

// Curvature of point k for the first increment dphi (the 1/2/8/48 step pattern).
double Curvature_At_Point(int k, double dphi);

// The whole analysis of section s (set up by Initialize_EI_Vars): thrust list, curves, capacities,
// report tables, hand-off tables, records and files. Can raise Runtime Errors 14-16, 24-27 and
// the section errors of the stiffness hand-off.
void ComputeMomentCurvature(int s);

// Neutral-axis depth of point k of thrust a at the current curvature; stores rd_NADepth[a][k]
// and the next start rd_NAGuess and returns true. Returns false when no depth balances the
// thrust: at the first point it raises Runtime Error 16, later the curve ends before point k.
bool Find_Neutral_Axis(int a, int k);

// Stress maxima of point k of thrust a from the last evaluation of the section.
void ComputePointExtremes(int a, int k);

// Moment, bending stiffness and extreme strains of point k of thrust a.
void ComputeSectionMoment(int a, int k);
