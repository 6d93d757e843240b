// The small sections of the input data file that carry auxiliary profiles: SOIL MOVEMENTS,
// GROUP EFFECT FACTORS (GROUPEFF), TIP SHEAR, PILE BATTER AND SLOPE, DEPTHS OF PRINTED P-Y
// CURVES and AXIAL THRUST LOADS, and the axial thrust list that the reader derives after END.
#pragma once

// With "UseSoilMovement YES": the soil movement profile (SI movements from mm to m). Without it
// nothing is read. Raises Input Data Error No. 53 for a count outside 2-100, and No. 99.
void Read_Soil_Movements();

// The p-y modifier rows; they replace the row count set by "UsePYModifiers". Raises Input Data
// Error No. 95 above 80 rows, and No. 99.
void Read_Group_Effect_Factors();

// The tip shear table. Raises Input Data Error No. 95 above 50 points, and No. 99.
void Read_Tip_Shear();

// Ground slope and pile batter in degrees, stored in radians with EffectiveSlope. Raises No. 99.
void Read_Batter_And_Slope();

// With "PrintPYCurves YES": the depths of printed p-y curves. Without it nothing is read. Raises
// Input Data Error No. 95 for a count outside 0-100, and No. 99.
void Read_PY_Output_Depths();

// The axial thrusts of a bending-stiffness computation, stored as the load cases' thrusts and
// sorted ascending; a count of 0 or less keeps one thrust. Raises No. 95 above 100, and No. 99.
void Read_Axial_Thrust_Loads();

// After END: when LRFD is not in use and there are pile sections, the distinct axial thrusts of
// the load cases, ascending (kips in US customary runs), become the thrust list EIThrust of the
// section analysis, whatever the ComputeInteraction option says.
void Derive_EI_Thrusts();
