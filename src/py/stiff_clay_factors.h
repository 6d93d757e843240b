// Pieces shared by the stiff clay criteria and the equivalent depth: the empirical factors As
// (static) and Ac (cyclic) of stiff clay with free water, functions of depth over pile width;
// the sloping ground factor of the stiff clays, which takes a deflection of zero as a push
// toward the negative side; and the cohesion class that selects their default strain and
// subgrade modulus.
#pragma once

#include "py/py_node.h"

double StiffClayAs(double r);
double StiffClayAc(double r);

// Factor on the shallow ultimate resistance for the signed deflection y on ground sloping at
// theta (radians): 1 / (1 + tan|theta|) when the pile pushes toward falling ground, cos|theta|
// cos45 / cos(pi/4 + |theta|) when it pushes into rising ground. Unlike SlopingGroundFactor a
// deflection of exactly zero counts as negative; cos45 is the criterion's value of cos(pi/4).
// The caller applies it only when |theta| > 1e-20.
double Stiff_Clay_Slope_Factor(double y, double theta, double cos45);

// Class 0..3 of cohesion c against three ascending single-precision limits. c is compared at
// single precision, so that a cohesion entered exactly on a limit (1000 lb/ft2, say, which
// becomes 6.9444... lb/in2) opens the class above it.
int Stiff_Clay_Cohesion_Class(double c, const double (&limits)[3]);

// What differs between the default tables of the two stiff clay criteria, by cohesion class: the
// class limits in US customary (lb/in2) and SI (kPa) runs and the SI subgrade moduli (kN/m3),
// which each criterion converted from the same values in its own single precision. The strains
// and the US customary moduli (lb/in3) are the same for both (stiff_clay_factors.cpp).
struct StiffClayDefaults {
    double us_limits[3];
    double si_limits[3];
    double si_static_k[4];
    double si_cyclic_k[4];
};

// Warnings on a cohesion c outside the range of a stiff clay criterion, numbered in warnings (US
// low, US high, SI low, SI high): below 500 or above 8000 lb/ft2 in US customary runs, outside
// si_limits (kPa) in SI runs, where each criterion converted the two limits in its own single
// precision. General units have no test, and a depth on a layer interface is not tested.
void Warn_Stiff_Clay_Cohesion(double c, bool on_interface, const int (&warnings)[4],
                              const double (&si_limits)[2]);

// The cohesion c at point k of stiff clay layer L (v gathered there): zero cohesion is tolerated
// at the layer's first point only, below it raise_zero raises the criterion's own input error;
// then the criterion's cohesion warnings as Warn_Stiff_Clay_Cohesion gives them. False after an
// error.
bool Stiff_Clay_Cohesion(int L, int k, const PYNodeValues& v, bool print, void (*raise_zero)(),
                         const int (&warnings)[4], const double (&si_limits)[2], double& c);

// k at soil depth z of layer L: linear between the layer's top and bottom values (a missing
// bottom value, 0 or less, is taken as the top one; the model keeps both as read), or default_k where the
// layer has no top value. Stiff clay with free water takes a top value of 0 or less as missing
// (negative_is_missing), "StfClyAK" only a top value of exactly 0, as each always has.
double Stiff_Clay_Layer_K(int L, double z, double default_k, bool negative_is_missing);

// Default eps50 and k for cohesion c from the tables; general units have no default (0).
double Default_Epsilon50_From(const StiffClayDefaults& d, double c, int units);
double Default_K_From(const StiffClayDefaults& d, double c, int units, bool cyclic);
