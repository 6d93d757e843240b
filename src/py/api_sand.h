// The API sand p-y law as pure functions: ultimate resistance from the API coefficients C1, C2
// and C3 (wedge near the surface, flow at depth), the factor A, and the hyperbolic-tangent
// curve. api_sand.cpp gathers the node's properties and applies these.
#pragma once

#include "py/sand_resistance.h"

struct ApiSandCoefficients {
    double C1;
    double C2;
    double C3;
};

// C1, C2 and C3 of the friction angle's coefficients, with active coefficient Ka (the sloping
// value on sloping ground, for the report).
ApiSandCoefficients Api_Sand_Coefficients(const SandAngles& a, double Ka);

// Ultimate resistance: the wedge Pus, the flow around the pile Pud and the smaller of the two.
struct ApiSandResistance {
    double Pus;
    double Pud;
    double Pu;
};

// Level ground: Pus = (C1 zu + C2 b) gamma zu at the depth for ultimate resistance zu and
// Pud = C3 b gamma zg at the depth below the ground surface zg.
ApiSandResistance Api_Sand_Level_Resistance(const ApiSandCoefficients& C, double gamma, double zu,
                                            double zg, double b);

// Direction factor of the wedge on sloping ground for signed deflection yd and effective slope
// ES, with t = tan|ES| tan beta: 1 + t when the pile pushes toward falling ground, 1 - t into
// rising ground. A deflection within +-1e-14 counts as pushing toward falling ground.
double Api_Sand_Direction_Factor(double yd, double ES, double t);

// Factor A: 0.9 for cyclic loading; 3 - 0.8 zu / b, at least 0.9, for static loading.
double Api_Sand_A(double zu, double b, bool cyclic);

// p = A Pu tanh(k zu y / (A Pu)) at deflection y >= 0; 0 at the ground surface (zu < 1e-10).
double Api_Sand_P(double A, double Pu, double k, double zu, double y);
