// What the two sand criteria (Reese and API) share: the earth-pressure angles and coefficients,
// the wedge resistance near the surface on level and on sloping ground, the active coefficient
// on sloping ground, the layer's subgrade modulus and its default by friction angle. All but
// the two model operations at the end are pure functions of their arguments.
#pragma once

#include "py/equivalent_depth.h"

// Limits both sand criteria test against: a friction angle (radians) or slope radicand below
// 1e-10 is zero; a deflection and an effective slope beyond 1e-14 count as signed; a slope
// direction factor above 1e-20 is positive and one at or below 1e-10 lets no wedge form; a
// friction angle outside 20 to 48 degrees is suspicious.
constexpr double k_Sand_Zero_Angle = 1e-10;
constexpr double k_Sand_Zero_Radicand = 1e-10;
constexpr double k_Sand_Direction = 1e-14;
constexpr double k_Sand_Positive_Factor = 1e-20;
constexpr double k_Sand_Vanishing_Factor = 1e-10;
constexpr double k_Sand_Lowest_Angle = 20.0;
constexpr double k_Sand_Highest_Angle = 48.0;

// Angles and earth-pressure coefficients of a friction angle phi (radians).
struct SandAngles {
    double phi;
    double alpha;   // phi / 2
    double beta;    // pi/4 + phi/2
    double K0;      // at rest, as the criterion fixes it
    double Ka;      // active, tan^2(pi/4 - phi/2)
    double Kp;      // passive, tan^2(beta)
};
SandAngles Sand_Angles(double phi, double K0);

// The inputs of a sand layer's equivalent top: pile width b, unit weight, the angles and
// coefficients a with the criterion's active coefficient Ka, depth below the ground zg, loading.
EquivalentTopInputs Sand_Top_Inputs(double b, double gamma, const SandAngles& a, double Ka,
                                    double zg, bool cyclic);

// Active coefficient on ground sloping at theta (radians, >= 0):
// cos theta (cos theta - sqrt R) / (cos theta + sqrt R), R = cos^2 theta - cos^2 phi. Not a
// number when R < 0, that is when the slope is steeper than the friction angle.
double Sloping_Active_Coefficient(double phi, double theta);
// R = cos^2 theta - cos^2 phi, whose sign tells whether the slope exceeds the friction angle.
double Slope_Radicand(double phi, double theta);

// Wedge resistance at depth zu of a pile of width b on level ground, with active coefficient Ka
// (the sloping value where the ground slopes).
double Sand_Wedge_Level(double gamma, double zu, double b, const SandAngles& a, double Ka);

// Wedge resistance on sloping ground: t = tan theta tan beta, f the direction factor (1 + t
// toward falling ground, 1 - t into rising ground), f > 0.
double Sand_Wedge_Sloping(double gamma, double zu, double b, const SandAngles& a, double Ka,
                          double t, double f);

// Flow-around resistance at depth z of a pile of width b (level-ground Ka).
double Sand_Flow(double gamma, double z, double b, const SandAngles& a);

// Default subgrade modulus k for friction angle phi (degrees) and average effective unit weight
// gamma in the given unit system: lb/in3 in US customary units, kN/m3 in SI (larger above the
// water table, told by gamma above 12.225 kN/m3). Returns -1 in general units: no default.
double Default_Sand_K_For_Units(double phi_degrees, double gamma, int units);

// The model's default k: as above for the run's units; in general units Runtime Error No. 13
// is raised and 0 returned.
double DefaultSandK(double phi_degrees, double gamma);

// The subgrade modulus of layer L at depth z from its top and bottom values as read (fn_LayerK),
// or -1 when the layer's top value is not positive: the default then applies to the whole layer.
double Layer_Sand_K(int L, double z);
