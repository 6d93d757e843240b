// The strong rock (vuggy limestone) p-y law as pure functions: a stiff initial line of slope
// 2000 c up to 0.0004 b, a second line of slope 100 c up to the rock's capacity b c at
// 0.0024 b, and beyond that deflection a small overburden resistance of fractured rock, with
// c half the uniaxial compressive strength. vuggy_limestone.cpp gathers each node's values from
// the model and applies these; tests tabulate them without a pile.
#pragma once

// Everything the curve of one node needs.
struct VuggyLimestoneCurve {
    double c;          // half the uniaxial compressive strength
    double ya, pa;     // end of the initial line and its resistance 0.8 b c
    double Ei;         // slope of the initial line, 2000 c
    double yb;         // where the second line reaches b c
    double delta;      // step of the printed points between ya and yb
    double residual;   // resistance of the fractured rock beyond yb, 0.5 gamma b zg
};

// The curve of a pile of width b in rock of compressive strength qu (positive), with average
// effective unit weight gamma above the node, at depth zg below the ground surface.
VuggyLimestoneCurve Vuggy_Limestone_Curve(double b, double qu, double gamma, double zg);

// Resistance at deflection y_prime >= 0, without multipliers.
double Vuggy_Limestone_P(const VuggyLimestoneCurve& curve, double y_prime);

// The j-th (1..17) tabulated deflection of a printed curve: 0, ya, 14 even steps towards yb,
// and yb.
double Vuggy_Limestone_Table_Deflection(const VuggyLimestoneCurve& curve, int j);
