// The Reese sand p-y law (Reese, Cox and Koop 1974) as pure functions: an initial straight line
// k x y, a parabola, a straight line and a plateau, with the empirical factors A and B read from
// the sand factor tables. sand.cpp gathers the node's properties and applies these.
#pragma once

struct ReeseSandCurve {
    double kx;    // slope of the initial straight line, k times the depth for ultimate resistance
    double A;     // factor on Ps at yu
    double B;     // factor on Ps at ym
    double pu;    // A Ps, the plateau from yu on
    double yu;    // 3 b / 80
    double pm;    // B Ps
    double ym;    // b / 60
    double m;     // slope of the straight part between ym and yu
    double n;     // exponent of the parabola p = C y^(1/n)
    double C;
    double yk;    // where the initial line meets the parabola
    double pk;    // resistance of the parabola at yk
};

// The curve of a node of width b at depth for ultimate resistance zu, with initial slope kx and
// resistance Ps = min(wedge, flow); A and B from the static or cyclic tables at zu / b.
ReeseSandCurve Reese_Sand_Curve(double b, double zu, double kx, double Ps, bool cyclic);

// Soil resistance at deflection y_prime >= 0, never above kx y_prime. initial_line (may be
// null) tells whether the point lies on the initial straight line.
double Reese_Sand_P(const ReeseSandCurve& curve, double y_prime, bool* initial_line);

// Resistance of the parabola, straight part and plateau alone (beyond the initial line).
double Reese_Sand_P_Beyond_Line(const ReeseSandCurve& curve, double y_prime);

// Shape of a printed curve, by the order of yk, ym and yu.
enum ReeseSandShape { k_Shape_Normal, k_Shape_Trilinear, k_Shape_Bilinear, k_Shape_None };
ReeseSandShape Reese_Sand_Shape(const ReeseSandCurve& curve);

// Deflection y' of printed point j (1..17) for the curve's shape: points spread over the
// initial line, the parabola and the straight part, then just beyond the plateau's start.
double Reese_Sand_Table_Deflection(const ReeseSandCurve& curve, double b, int j);
