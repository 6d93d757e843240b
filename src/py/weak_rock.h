// The weak rock p-y law after Reese (1997) as pure functions: an ultimate resistance from the
// rock's compressive strength reduced by its quality (RQD) and growing with the depth into the
// rock down to three diameters, an initial straight line from the rock's initial modulus, and a
// quarter-power curve that reaches the ultimate resistance at 16 yrm. weak_rock.cpp gathers each
// node's values from the model and applies these; tests tabulate them without a pile.
#pragma once

// Everything the curve of one node needs.
struct WeakRockCurve {
    double alpha_r;   // strength reduction from the RQD
    double pu;        // ultimate resistance, force per length
    double Kir;       // slope of the initial line, force per length squared
    double yrm;       // reference deflection k_rm b
    double yA;        // where the initial line meets the quarter-power curve
    double y_corner;  // where the curve first reaches pu or leaves the initial line, whichever
                      // comes first: yA unless pu exceeds 16 Kir yrm
};

// Strength reduction alpha_r = 1 - RQD / 150 (with the single-precision 1/150).
double Weak_Rock_Alpha(double rqd);

// The curve of a pile of width b in rock of compressive strength qur, quality rqd (percent),
// initial modulus Eir and k_rm, at the depth xr into the rock. yrm must be positive and pu not
// negative: the criterion refuses the data otherwise before it builds a curve.
WeakRockCurve Weak_Rock_Curve(double b, double qur, double rqd, double Eir, double krm, double xr);

// Resistance at deflection y_prime >= 0, without multipliers; never above pu.
double Weak_Rock_P(const WeakRockCurve& curve, double y_prime);

// The j-th (1..17) tabulated deflection of a printed curve: 0, the corner, 13 points between the
// corner and 16 yrm, 16 yrm and 20 yrm; when the corner lies at or beyond 16 yrm (pu above
// 16 Kir yrm) the points run from the corner to twice and two and a half times the corner, so
// that the deflections never decrease.
double Weak_Rock_Table_Deflection(const WeakRockCurve& curve, int j);

// Initial modulus Eir of weak rock layer L at soil depth z, linear between the values stored
// for the layer's top and bottom. A layer of zero thickness raises Runtime Error No. 20 and
// gives 0.
double LayerKAtDepth(int L, double z);

// Depth of soil depth z into the rock of layer L: from the layer's top, plus the whole thickness
// of every weak rock or vuggy limestone layer directly above it (such a stack is one rock mass).
double Depth_Into_Rock(int L, double z);
