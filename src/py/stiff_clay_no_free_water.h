// The stiff clay without free water p-y law after Welch and Reese (1972) as pure functions of
// the node's properties: the wedge and flow resistances, the default strain and subgrade modulus
// by cohesion, the quarter-power curve (its cyclic form stretched by the number of cycles), the
// cap by the initial straight line of "StfClyAK", and the limiting modulus of "StfClyAW".
// stiff_clay_no_free_water.cpp gathers each node's properties from the model and applies these.
#pragma once

struct StiffClayNoFreeWaterCurve {
    double y50;     // 2.5 eps50 b
    double pct;     // wedge resistance, after the sloping ground factor
    double pcd;     // flow resistance 9 c b
    double pu;      // the smaller of the two
    double kx;      // slope of the initial straight line, k zu; 0 for "StfClyAW"
    double N;       // number of cycles, at least 1
    bool with_k;    // "StfClyAK": the quarter-power part is capped by kx y'
    bool cyclic;
};

// Default eps50 and subgrade modulus k ("StfClyAK") by cohesion c (lb/in2 in US customary
// units, kPa in SI) and loading; 0 in general units, where no default exists.
double Default_Stiff_Clay_No_Free_Water_Epsilon50(double c, int units);
double Default_Stiff_Clay_No_Free_Water_K(double c, int units, bool cyclic);

// The curve of a node of width b with cohesion c at the depth, average effective unit weight
// gamma, strain eps50, depth for ultimate resistance zu and initial slope kx (used only when
// with_k). slope_factor multiplies the wedge resistance when apply_slope is true. N is the
// number of cycles (raised to 1 by the criteria before they get here).
StiffClayNoFreeWaterCurve Stiff_Clay_No_Free_Water_Curve(double b, double c, double gamma,
                                                         double eps50, double zu, double kx,
                                                         double slope_factor, bool apply_slope,
                                                         bool with_k, bool cyclic, double N);

// Soil resistance at deflection y_prime >= 0 on the curve, without multipliers.
double Stiff_Clay_No_Free_Water_P(const StiffClayNoFreeWaterCurve& curve, double y_prime);

// Limiting modulus of "StfClyAW" below y' = 2e-5 b: the secant of the static quarter-power law
// at that deflection, with the multipliers pm and ym.
double Stiff_Clay_No_Free_Water_Limiting_Modulus(const StiffClayNoFreeWaterCurve& curve, double b,
                                                 double pm, double ym);

// Deflection y' of printed point j (1..17): fractions of 16 y50, then two points up to the
// curve's end (16.8 y50 static, 1.25 (16 + 9.6 log10 N) y50 cyclic).
double Stiff_Clay_No_Free_Water_Table_Deflection(const StiffClayNoFreeWaterCurve& curve, int j);
