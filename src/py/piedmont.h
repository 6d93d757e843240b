// The Piedmont residual soil p-y law as pure functions: an initial modulus from one of four
// field tests, then a curve that is linear up to 0.001 b, logarithmic up to 0.0375 b and flat
// beyond. piedmont.cpp gathers the node's values and applies these.
#pragma once

// Warnings of the criterion: general units, where the field test factors do not exist, and a
// field test type other than 1 to 4. In both the layer offers no resistance.
constexpr int k_Warning_Piedmont_General_Units = 396;
constexpr int k_Warning_Piedmont_Test_Type = 397;

// Factor f of Epy = f v for field test type 1..4 (SPT N60, CPT qc, DMT and PMT moduli) in the
// run's units; 0 in general units or for another test type: no modulus exists.
double Piedmont_Test_Factor(int test_type, int units);

// Soil resistance at deflection y_prime >= 0 of a shaft of width b on initial modulus Epy.
double Piedmont_P(double Epy, double b, double y_prime);

// The resistance of the plateau, reached at yA = 0.0375 b.
double Piedmont_Plateau(double Epy, double b);

// Deflection y' of printed point j (1..17): 0, yB = 0.001 b, fourteen steps to yA = 0.0375 b,
// and 1.05 yA.
double Piedmont_Table_Deflection(double b, int j);
