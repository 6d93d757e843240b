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
