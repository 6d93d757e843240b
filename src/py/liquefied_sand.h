// The liquefied sand p-y law after Rollins et al. (2005) as pure functions: a concave-up power
// law p = A (B y)^C for a 0.3 m reference pile (y in mm, p in kN/m), scaled by a diameter
// factor and capped at 15 kN/m times that factor. liquefied_sand.cpp gathers each node's
// width and depth from the model and applies these; tests tabulate them without a pile.
#pragma once

// Everything the curve of one node needs.
struct LiquefiedSandCurve {
    double A, B, C;    // coefficients of the reference pile at the normalized depth
    double Pd;         // diameter factor
    double p150;       // reference resistance at 150 mm, kN/m
    double pu;         // upper limit, force per length of the run
    double yu;         // deflection at which the curve reaches pu, length of the run
    bool capped;       // p150 reaches 15 kN/m: the curve meets its cap before 150 mm
    double mm_per_length;      // deflection of the run to millimetres of the reference law
    double p_per_kN_per_m;     // kN/m to force per length of the run; 0 in general units
};

// Diameter factor for a pile of width bm metres.
double Liquefied_Sand_Diameter_Factor(double bm);

// Normalized depth in metres for a node zg below the ground surface (run units) with average
// effective unit weight gamma: the true depth in the first layer, below it the vertical
// effective stress over 10 kN/m3.
double Liquefied_Sand_Normalized_Depth(double zg, double gamma, bool first_layer, int units);

// The curve of a pile of width bm metres at normalized depth zn in the run's units. General
// units have no conversion of the dimensional law: the curve there gives no resistance.
LiquefiedSandCurve Liquefied_Sand_Curve(double bm, double zn, int units);

// Resistance at deflection y_prime >= 0 (run units), without multipliers.
double Liquefied_Sand_P(const LiquefiedSandCurve& curve, double y_prime);

// Secant p / y_prime without multipliers. Below a thousandth of a millimetre the secant at that
// deflection is used: the power law has no finite nonzero secant at zero.
double Liquefied_Sand_Secant(const LiquefiedSandCurve& curve, double y_prime);

// The j-th (1..17) tabulated deflection of a printed curve, run units.
double Liquefied_Sand_Table_Deflection(const LiquefiedSandCurve& curve, int j, int units);
