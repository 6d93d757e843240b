// Pile properties at a depth along the pile, interpolated in the section property table
// (XSectionPoint and its columns; point 2s-1 is the top and 2s the bottom of section s). The
// table itself is filled by the section input; which section a node belongs to is decided in
// pile/discretization.
#pragma once

// The five values the lateral solution and the p-y criteria need at one depth.
struct SectionProperties {
    double D;    // outside dimension, the pile width b of the p-y curves (in | m)
    double D2;   // second dimension (in | m)
    double I;    // moment of inertia (in4 | m4)
    double A;    // cross-sectional area (in2 | m2)
    double EI;   // elastic bending stiffness (lb-in2 | kN-m2)
};

// Properties at depth x along the pile. Inside a section the values are linear in x, and EI is
// the linear interpolation of the products E x I of the two points. A depth exactly on a section
// boundary takes the section below; a depth below the table takes the last point. Raises nothing.
SectionProperties SectionPropertiesAtDepth(double x);

// Nominal moment capacity of section s at depth x along the pile, for the thrust index t of its
// bending-stiffness tables (in-lb | kN-m): the plastic moment interpolated from the top of the
// section to its bottom for the elastic-plastic shapes whose capacity varies along the section
// (rectangle, circle, pipe, embedded pole), otherwise the capacity of the section's table at t.
// Returns false for an elastic section, which never yields and has no capacity.
bool Nominal_Moment_Capacity_At(int s, int t, double x, double& capacity);
