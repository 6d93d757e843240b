// The finite-difference beam-column solver of the pile: one linear solution of the fourth-order
// difference equation for the current secant soil moduli, bending stiffnesses, axial thrust,
// distributed loads, tip shear and pile-head condition. The nonlinear iteration owns the loop
// around it; node responses (moment, shear, ...) from the deflected shape are in node_response.
#pragma once

#include <array>

#include "model/capacities.h"

// Solves the pile for the current state of the model (IncrementLength, AxialThrust, EI_Node,
// Es_Node, W_Node, TipShear table, pile-head condition). Writes Y_Node(-1 .. N+1), TipShear,
// DYMax, DeltaDYMax and the recursion coefficients; sets EI_Node(1) = EI_Node(2). iteration 1
// clears the previous DYMax. Can raise Runtime Error No. 11 (small pivot of the head system);
// the deflections then stay as they were.
void SolvePile(int iteration);

// Gaussian elimination without row exchange of the leading n x n block (n = 4 or 5) of rd_HeadF
// with right side rd_HeadG; the solution goes to rd_HeadY. Returns false, after raising Runtime
// Error No. 11 with its message and the dump of F, G and Y, when a pivot is below 1e-20.
bool SolveHeadSystem(int n);

// Tip shear for the tip deflection y_tip from the table of count points (tip deflection yT,
// tip shear vT, 1-based): linear in |y_tip| within the table (the first segment extrapolates
// below yT(1)), the last value beyond it, with the sign of y_tip. A single point applies only
// once |y_tip| exceeds yT(1); until then the previous tip shear holds. No points: no tip shear.
double Interpolate_Tip_Shear(double y_tip, int count,
                             const std::array<double, k_Max_Tip_Shear_Points + 1>& yT,
                             const std::array<double, k_Max_Tip_Shear_Points + 1>& vT,
                             double previous);
