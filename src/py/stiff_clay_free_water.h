// The stiff clay with free water p-y law after Reese, Cox and Koop (1975) as pure functions of
// the node's properties: the wedge and flow resistances, the residual resistance, the default
// strain and subgrade modulus by cohesion, and the static and cyclic curves under their initial
// straight line. stiff_clay_free_water.cpp gathers the properties of each node from the model
// and applies these; tests tabulate them without a pile.
#pragma once

// Everything the curve of one node needs.
struct StiffClayFreeWaterCurve {
    double y50;    // eps50 b
    double As;     // static factor at zu / b
    double Ac;     // cyclic factor at zu / b
    double kx;     // slope of the initial straight line, k zu
    double pct;    // wedge resistance, after the sloping ground factor
    double pcd;    // flow resistance 11 c b
    double pc;     // the smaller of the two
    double pu;     // residual resistance of the static or cyclic curve
    bool cyclic;
};

// Default eps50 and subgrade modulus k by cohesion c (lb/in2 in US customary units, kPa in SI)
// and loading; 0 in general units, where no default exists.
double Default_Stiff_Clay_Free_Water_Epsilon50(double c, int units);
double Default_Stiff_Clay_Free_Water_K(double c, int units, bool cyclic);

// The curve of a node of width b with cohesion c at the depth, average cohesion ca, average
// effective unit weight gamma, subgrade modulus k, strain eps50 and depth for ultimate
// resistance zu. slope_factor multiplies the wedge resistance when apply_slope is true.
StiffClayFreeWaterCurve Stiff_Clay_Free_Water_Curve(double b, double c, double ca, double gamma,
                                                    double k, double eps50, double zu,
                                                    double slope_factor, bool apply_slope,
                                                    bool cyclic);

// Soil resistance at deflection y_prime >= 0 on the curve, without multipliers, never above
// kx y_prime.
double Stiff_Clay_Free_Water_P(const StiffClayFreeWaterCurve& curve, double y_prime);

// Deflection y' of printed point j (1..17), by loading.
double Stiff_Clay_Free_Water_Table_Deflection(const StiffClayFreeWaterCurve& curve, int j);
