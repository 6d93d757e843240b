// The nonlinear bending stiffness of the nodes during the iteration: the thrust index into the
// moment-curvature tables and the secant stiffness at each node's current curvature.
#pragma once

// Thrust index t for the thrust Qk (kips | kN): 1 at or below the first table thrust, the last
// at or above the last, otherwise the i with T(i) <= Qk < T(i+1).
int Thrust_Index(double Qk);

// Axial thrust of the load case in the tables' force unit (kips for US customary runs).
double Thrust_In_Table_Units(double Q);

// Secant stiffness from a moment-curvature table (points 1..P of M, EI and curvature phi) for a
// node carrying |moment| M_abs at curvature phi_k; beyond the last point M(P) / phi_k and
// beyond is set. Pure: reads no model field.
double Secant_Stiffness_From_Table(double M_abs, double phi_k, int P, const double* M,
                                   const double* EI, const double* phi, bool& beyond);

// Secant stiffness of node k from table (s, t), in the model's stiffness unit (lb-in2 | kN-m2).
double StiffnessFromCurvature(int k, int s, int t);

// Updates EI_Node of every node of a non-elastic section for thrust index t and thrust Qk.
void UpdateBendingStiffness(int t, double Qk);
