// The loess p-y law as pure functions: a hyperbolic curve whose ultimate resistance is
// proportional to the cone tip resistance and falls with the logarithm of the number of load
// cycles. loess.cpp gathers the node's values and applies these.
#pragma once

struct LoessCurve {
    double qc;    // cone tip resistance after the reduction near the pile head
    double pu0;   // ultimate resistance as a stress, 0.409 qc
    double pu;    // ultimate resistance per length of pile
    double Ei;    // initial modulus, pu / yr
    double yr;    // reference deflection
};

// The reference deflection of the run's units: 0.117 in, or 0.0029718 in meters (and in general
// units, taken as meters).
double Loess_Reference_Deflection(int units);

// Factor on the cone tip resistance at depth x along the pile for width b: near the pile head
// min(1, x / (2 b) + 0.5), so that qc is halved at the head and whole from one diameter down.
double Loess_Head_Factor(double x, double b);

// The curve for width b, cone tip resistance qc (already reduced near the head), number of cycles
// N and reference deflection yr. A number of cycles below one (0 when static loading gives none)
// counts as one cycle, so the curve never stiffens beyond its first cycle.
LoessCurve Loess_Curve(double b, double qc, double N, double yr);

// The denominator D of p = Ei y' / D: 1 + (1 + 0.1 e^(-y'/yr)) y' / yr.
double Loess_D(const LoessCurve& curve, double y_prime);

// Soil resistance at deflection y_prime >= 0.
double Loess_P(const LoessCurve& curve, double y_prime);
