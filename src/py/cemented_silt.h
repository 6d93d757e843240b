// The cemented silt (c-phi soil) p-y law as pure functions: the ultimate resistance is A times
// the wedge-or-flow resistance of the Reese sand plus a cohesive part computed like soft clay
// with J = 0.5; the curve has the Reese sand shape (initial line k x y, parabola, straight line,
// plateau) with its own point pm = 1.5 (Ps + Pu,c). cemented_silt.cpp gathers the node's
// properties, checks them and applies these.
#pragma once

struct CementedSiltCurve {
    double kx;     // slope of the initial straight line, k times the depth for ultimate resistance
    double A;      // factor on Ps (static or cyclic row of the sand table)
    double Ps;     // frictional resistance, min(wedge, flow)
    double Puc;    // cohesive resistance
    double pu;     // A Ps + Pu,c, the plateau beyond yu
    double yu;     // 3 b / 80
    double ym;     // b / 60
    double pm;     // 1.5 (Ps + Pu,c), the resistance at ym
    double m;      // slope of the straight part between ym and yu
    double n;      // exponent of the parabola p = C y^(1/n)
    double C;
    double yk;     // where the initial line meets the parabola
    // False when a parameter of the curve is not finite (no straight part, a parabola of
    // exponent 1, a slope of zero): the curve is then min(kx y, pu).
    bool finite;
};

// Default strain eps50 for cohesion c (lb/in2 or kPa), or 0 in general units (none exists).
// The strain is printed with the curve; the curve does not use it.
double Cemented_Silt_Default_Eps50(double c, int units);

// Default subgrade modulus: a cohesive part by cohesion class and loading type plus a frictional
// part by friction angle (degrees) and unit weight (above or below the water table), in lb/in3
// or kN/m3. Returns -1 in general units, where neither part exists.
double Cemented_Silt_Default_K(double c, double phi_degrees, double gamma, bool cyclic, int units);

// Factor on the cohesive resistance on ground sloping at effective slope ES (radians) for the
// signed deflection yd: below 1 toward falling ground, above 1 into rising ground. A deflection
// of zero counts as negative, so on sloping ground the factor is never 1.
double Silt_Sloping_Factor(double yd, double ES);

// Cohesive resistance at depth for ultimate resistance zu of a pile of width b:
// c b Np with Np = 3 + 0.5 zu / b + gamma zu / c (times the sloping factor on sloping ground),
// at most 9 c b; 0 for a cohesion of zero or less.
double Cemented_Silt_Cohesive_Resistance(double c, double b, double gamma, double zu, double yd,
                                         double ES);

// The curve of a node of width b at depth for ultimate resistance zu, with initial slope kx,
// frictional resistance Ps and cohesive resistance Puc, static or cyclic A.
CementedSiltCurve Cemented_Silt_Curve(double b, double zu, double kx, double Ps, double Puc,
                                      bool cyclic);

// Soil resistance at deflection y_prime >= 0: never above kx y_prime, and the plateau pu beyond
// yu even where the initial line reaches past yu.
double Cemented_Silt_P(const CementedSiltCurve& curve, double y_prime);

// Deflection y' of printed point j (1..17): thirteen points from 0 to ym, then yu and three
// points 5 % apart beyond it.
double Cemented_Silt_Table_Deflection(const CementedSiltCurve& curve, int j);
