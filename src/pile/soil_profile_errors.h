// The framed messages of the soil property lookups and their raises: the input errors of a pile
// station below the soil data or of unusable data, and the two internal diagnostics of fn_c at a
// layer interface. Each operation writes its message, sets the status and returns; the lookup
// that calls it returns 0 and its caller stops at its next status check.
#pragma once

// Input Data Error No. 3: depth z below the shear strength data (averaging).
void Raise_Strength_Average_Below_Data(double z);
// Input Data Error No. 4: depth z below the friction angle data.
void Raise_Friction_Angle_Below_Data(double z);
// Input Data Error No. 5: depth z below the deepest strength point at `deepest`. With
// rock_strength the message names the uniaxial compressive strength of rock (the massive rock
// lookup) instead of the shear strength of soil.
void Raise_Strength_Below_Data(double z, double deepest, bool rock_strength = false);
// Input Data Error No. 15: depth z below the effective unit weight data.
void Raise_Unit_Weight_Below_Data(double z);
// Input Data Error No. 31: depth z below the RQD data.
void Raise_RQD_Below_Data(double z);
// Input Data Error No. 49: an interpolated RQD outside 0 to 100 percent.
void Raise_RQD_Out_Of_Range(double rqd);
// Input Data Error No. 60: a zero-length strength segment met while interpolating at depth z.
void Raise_Zero_Strength_Segment(double z);

// Runtime Error No. 30: fn_c has no rule for the soil classes on both sides of an interface.
// i is the strength point just above the interface (the layer above is i / 2).
// With rock_strength the diagnostic names the massive rock lookup fn_HB_qu_at_DepthX.
void Raise_Interface_Class_Error(double z, int class_above, int class_below, int i, bool at_tip,
                                 bool rock_strength = false);

// Status 999: z lies on an interior strength point but on no layer interface. KTOP and KBOT are
// the last pair of layers examined. With rock_strength the flag lines are those of the massive
// rock lookup fn_HB_qu_at_DepthX.
void Raise_Interface_Not_Found(double z, bool at_node, bool at_tip, int KTOP, int KBOT,
                               bool rock_strength = false);
