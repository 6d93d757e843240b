// Moment-curvature analysis of a nonlinear pile section: for every axial thrust the curvature
// is stepped up from zero, the neutral axis that balances the thrust is found at every step and
// the moment integrated, until the section crushes, the tensile zone closes or 150 points are
// reached. From each curve comes the nominal moment capacity; the curves become the bending-
// stiffness tables of the lateral solution; the section step writes the "Line 4"/"Line 5" plot
// records and the moment-curvature files from them.
#pragma once

// First curvature increment of a section whose first dimension is D1 (in | m); 0 in general units.
double Initial_Curvature_Increment(double D1);

// Curvature of point k for the first increment dphi (the 1/2/8/48 step pattern).
double Curvature_At_Point(int k, double dphi);

// What the curves of one section carry from one thrust to the next, within the section step.
struct CurveSeries {
    double dphi0;                // first curvature increment of the concrete sections
    double prestrain_concrete;   // prestrains as the section setup left them, given back
    double prestrain_steel;      // when the thrust changes
    bool negative_moment;        // some curve reached a moment of zero or less
};

// The start of the curves of section s, set up by Initialize_EI_Vars with its thrust list built.
CurveSeries Start_Curve_Series(int s);

// The curve of thrust a: its points, run messages, nominal capacity (rd_NominalMomentCap,
// rd_StrainAtCap) and warnings 305 and 355. Raises Runtime Error 16 when the first point has
// no neutral axis.
void ComputeThrustCurve(int a, CurveSeries& series);

// After the last curve: warning 306 for a non-positive moment; in a conventional run, Runtime
// Error 40 for a curve without first stiffness; otherwise the hand-off tables of section s
// (rd_Table*, i_TablePoints, rd_TableThrust, i_NumTableThrusts).
void Finish_Curve_Series(int s, const CurveSeries& series);

// Neutral-axis depth of point k of thrust a at the current curvature; stores rd_NADepth[a][k]
// and the next start rd_NAGuess and returns true. Returns false when no depth balances the
// thrust: at the first point it raises Runtime Error 16, later the curve ends before point k.
bool Find_Neutral_Axis(int a, int k);

// Stress maxima of point k of thrust a from the last evaluation of the section.
void ComputePointExtremes(int a, int k);

// Moment, bending stiffness and extreme strains of point k of thrust a.
void ComputeSectionMoment(int a, int k);
