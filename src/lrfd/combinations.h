// The factored LRFD combinations: each combination's pile-head shear, moment and axial thrust
// from the unfactored loading groups and its load factors, turned to the pile axis for a
// battered pile, and the sorted list of distinct thrusts the section analysis runs with. The
// report blocks that show them follow the input echo of the groups and factors.
#pragma once

constexpr int k_Error_No_Lrfd_Combinations = 92;   // UseLRFD YES without LRFD FACTORS AND CASES
constexpr int k_Error_No_Lrfd_Loads = 93;          // UseLRFD YES without LRFD LOADS

// Factored horizontal force, moment and vertical force of a combination, before the batter.
struct FactoredLoads {
    double H;
    double M;
    double P;
};

// Sums of the loading groups' H, M and P by load type, each times the combination's factor of
// that type; a type whose factor is 0 or less takes no part. Reads the LRFD input only.
FactoredLoads Factor_Combination(int c);

// Shear perpendicular to the pile (V) and thrust along it (Q) of a horizontal force H and a
// vertical force P on a pile battered by beta radians; within 1e-6 of no batter, V = H, Q = P.
void Transform_For_Batter(double beta, double H, double P, double& V, double& Q);

// Copies Q[1..n] (n at most the number of combinations a run holds), sorts it ascending and
// keeps every value that differs from the last one kept by 1e-15 or more, into list[1..n];
// returns the number kept.
int Distinct_Thrusts(const double* Q, int n, double* list);

// Position of thrust q in list[1..n]: the first entry equal to it, or, for a thrust dropped as
// a near-duplicate, the entry nearest to it (the first of two at the same distance).
int Thrust_Position(double q, const double* list, int n);

// Forms every combination (rd_LrfdHorizontal .. rd_LrfdThrust, i_LrfdThrustIndex), writes the
// factored loads, their totals, the batter transform (with a batter) and the thrust list to the
// report, and makes the thrust list the section analysis's (EIThrust, NumEIThrusts; kips in US
// customary runs). Called by the input echo of an LRFD run. Raises Input Data Error No. 93 when
// the input has no LRFD LOADS section and No. 92 when it has no LRFD FACTORS AND CASES section.
void FormLrfdCombinations();
