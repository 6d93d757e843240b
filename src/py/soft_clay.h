// The soft clay p-y law after Matlock (1970) as pure functions of the node's properties: the
// ultimate resistance in the wedge and flow regimes, the transition depth, the default strain
// by cohesion, and the static and cyclic curves. soft_clay.cpp gathers the properties of each
// node from the model and applies these; tests tabulate them without a pile.
#pragma once

// Everything the curve of one node needs, derived from its soil and pile properties.
struct SoftClayCurve {
    double y50;     // deflection at half the ultimate resistance, 2.5 b eps50
    double Np_s;    // bearing factor on level ground, before the cap
    double zr;      // transition depth, at least 2.5 b
    double pu;      // ultimate resistance after the sloping-ground factor and the 9 c b cap
    double pc;      // cyclic plateau: the static curve's value at 3 y50
    double pr;      // cyclic residual above the transition depth (pc below it)
    double Esl;     // limiting secant modulus at very small deflections
    bool flow;      // zu at or below the transition depth: the cyclic curve keeps pc
    bool cyclic;    // cyclic curve beyond 3 y50
};

// Default eps50 by cohesion c (lb/in2 in US customary units, kPa in SI); 0 in general units,
// where no default exists.
double Default_Soft_Clay_Epsilon50(double c, int units);

// The curve of a node of width b with cohesion c, average effective unit weight gamma, factor J,
// strain eps50 and depth for ultimate resistance zu. slope_factor multiplies the level-ground
// bearing factor when apply_slope is true.
SoftClayCurve Soft_Clay_Curve(double b, double c, double gamma, double J, double eps50,
                              double zu, double slope_factor, bool apply_slope, bool cyclic);

// Soil resistance p at deflection y_prime >= 0 on the curve, without multipliers. Below
// 1e-5 y50 the straight line of the limiting modulus.
double Soft_Clay_P(const SoftClayCurve& curve, double y_prime);

// Whether y_prime is small enough for the limiting modulus to replace the curve's secant.
bool Soft_Clay_Uses_Limiting_Modulus(const SoftClayCurve& curve, double y_prime);

// The 17 deflections of a printed curve, as multiples of y50, by loading (1-based).
double Soft_Clay_Table_Ratio(int j, bool cyclic);
