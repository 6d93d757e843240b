// The values every criterion gathers for one node before evaluating its curve: depths, pile
// width, multipliers and the deflection on the curve.
#pragma once

struct PYNodeValues {
    double x;         // depth along the pile (normal mode) or the requested depth (print mode)
    double z;         // vertical soil depth
    double zg;        // depth below the ground surface, z - XGroundSurface
    double b;         // pile width at x
    double pm;        // p-multiplier at x
    double ym;        // y-multiplier at x
    double y_prime;   // deflection on the curve without multipliers (normal mode)
    double ys;        // signed pile deflection, for the side on which sloping ground lies
};

// The points a criterion walks in layer L: the pile's nodes in normal mode, the requested depths
// of the printed curves (rd_PYCurveDepth) in print mode. First and last index (the first is 0 where the layer
// holds none), and the depth along the pile of point k.
int Layer_First_Point(int L, bool print);
int Layer_Last_Point(int L, bool print);
double Point_Depth(int k, bool print);

// Signed deflection of the pile at vertical depth z, linear between the two nodes whose ZNode
// values bracket z (nodes 1 and 2 above node 2). Reads Y_Node and ZNode of the pile's own nodes.
double Deflection_At_Vertical_Depth(double z);

// Multiplier at depth x along the pile from a table of rows (depth, value), depths
// non-decreasing: 1 outside the table or with fewer than two rows; at a step (two rows at one
// depth) the deeper row applies; linear in between.
double Multiplier_From_Table(double x, int n, const double* depths, const double* values);

// p- and y-multipliers of the p-y modifier table at depth x along the pile.
double PMultiplierAtDepth(double x);
double YMultiplierAtDepth(double x);

// Gathers the values of node k of the current pass. In print mode (print true) point k is the
// k-th requested depth, y_prime is not set (the criterion tabulates its own deflections) and ys
// is the deflection of the first load case interpolated at that depth.
PYNodeValues Gather_PY_Node(int k, bool print);
