// Soil properties at a vertical depth below the pile head, for the p-y criteria: the shear
// strength fn_c with its rules at layer interfaces, the averages of strength and effective unit
// weight between the ground surface and a depth, and the strain, friction angle, RQD and other
// columns of the soil strength table. The tables are filled by the soil layer input (two points
// per layer, top and bottom); the criteria that use these values live in py/.
#pragma once

#include <array>

#include "model/capacities.h"
#include "model/soil_types.h"


// Soil class of layer L. A "User p-y" layer is cohesive where the strength value of the table
// point in question is positive and cohesionless elsewhere.
int Soil_Class_Of_Layer(int L, double strength_at_point);

// The interface law of fn_c: the strength on the interface between a layer of class_above with
// strength `above` at its bottom and a layer of class_below with `below` at its top. Returns
// false, with strength untouched, for a pair of classes the law does not cover.
bool Strength_At_Interface(int class_above, int class_below, double above, double below,
                           bool at_tip, double& strength);

// The interface law of the strain, friction angle, J and RQD columns: the mean of the two layer
// values, or the one value that is not zero (below 1e-20) when the other is.
double Column_Value_At_Interface(double upper, double lower);

// Shear strength at depth z: undrained cohesion c, or the compressive strength qu of rock.
// Raises Input Data Errors No. 5 (z below the data) and No. 60 (a zero-length segment), Runtime
// Error No. 30 (a pair of soil classes without a rule) and the status 999 (an interior point
// that matches no layer interface); 0 is returned after any of them. The second form also tells
// whether z lies on an interior point of the strength table (within 1e-6), that is on a layer
// interface, where the clay criteria test no strength limits.
double fn_c(double z);
double fn_c(double z, bool& at_interior_point);

// The strength lookup of massive rock: the rule and the raises of fn_c on the same column, with
// messages that name the uniaxial compressive strength of rock.
double fn_HB_qu_at_DepthX(double z);

// Mean shear strength and mean effective unit weight between the ground surface and z; 0 above
// the ground surface. Raise Input Data Error No. 3 and No. 15 when z lies below the data.
double AverageShearStrengthAbove(double z);
double AverageUnitWeightAbove(double z);

// Column values at depth z: linear inside a layer, the interface law on a layer interface, and
// the upper layer's value on an interface at the pile tip (except RQD, which has no tip rule).
// Below the data: Epsilon50AtDepth and JAtDepth return 0; FrictionAngleAtDepth raises Input Data
// Error No. 4 and RQDAtDepth No. 31. An RQD outside 0 to 100 raises No. 49. 0 after a raise.
double Epsilon50AtDepth(double z);
double JAtDepth(double z);
double FrictionAngleAtDepth(double z);
double RQDAtDepth(double z);

// k_rm of weak rock (held in the strain column) at z: linear inside a layer, the lower layer's
// top value on an interface, the upper value at the pile tip; 0 below the data.
double KrmAtDepth(double z);

// Value of a per-point column of layer L at depth z, linear between the layer's top point 2L-1
// and bottom point 2L (for the in-situ test values and the elastic subgrade modulus). A layer of
// zero thickness gives its top value.
double Layer_Column_At_Depth(int L, const std::array<double, k_Max_Soil_Points + 1>& column,
                             double z);

// Subgrade modulus k of layer L at soil depth z: linear from the layer's top value LayerKTop to
// k_bottom, the bottom value the criterion takes (LayerKBottom as read, or the top value where
// its rule leaves a missing bottom value to the top's); the top value where the two are equal.
// Reads only; the layer's values stay as read.
double fn_LayerK(int L, double z, double k_bottom);
