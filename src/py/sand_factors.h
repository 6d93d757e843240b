// The empirical factor tables A and B of the Reese sand criterion, indexed by depth over pile
// width, shared by sand, cemented silt and the equivalent depth of layered soils.
#pragma once

constexpr int k_Sand_Table_Points = 10;

// Rows of the table (1-based, points 1..10).
enum SandFactorRow { k_Sand_A_Static, k_Sand_B_Static, k_Sand_A_Cyclic, k_Sand_B_Cyclic };

// The depth ratios (zu / b) of the table columns and the values of one row, 1-based.
const double* Sand_Table_Ratios();
const double* Sand_Table_Row(SandFactorRow row);

// Y at the ratio a / b: Y(10) beyond the last column, otherwise linear between the bracketing
// columns (the first interval extended below 0).
double TableAtRatio(double a, double b, const double* X, const double* Y);

// The A (or B) factor at depth zu for width b, static or cyclic row.
double Sand_Factor(double zu, double b, bool cyclic, bool factor_b);
