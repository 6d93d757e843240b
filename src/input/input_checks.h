// Consistency checks of the complete problem, made by the input echo at the places where the
// values they test are printed: pile diameters, load cycles, the tip shear curve, the p-y output
// depths, the number of section property points and the start and end of the soil profile. Each
// failed check writes its framed message to the runtime message file and then to the report and
// raises its Input Data Error; the caller checks ErrorStatus after every call.
#pragma once

// Input Data Error No. 27: a section property point with a diameter of zero or less.
void Check_Pile_Diameters();

// Values no pile can have, refused before any computation: Input Data Error No. 84 for a pile
// section of length zero or less; No. 85 for an elastic or elastic-plastic section whose modulus
// of elasticity, moment of inertia or area (top or bottom) is zero or less.
void Check_Section_Values();

// Input Data Error No. 28: cyclic loading with fewer than 2 or more than 5000 cycles.
void Check_Load_Cycles();

// Input Data Error No. 50: a tip shear curve that does not start at zero deflection or whose
// deflections do not increase.
void Check_Tip_Shear_Curve();

// Every requested p-y output depth must lie between the ground surface and the pile tip:
// Input Data Error No. 30 for a depth below the tip, No. 29 for one above the ground surface.
void Check_PY_Output_Depths();

// Input Data Error No. 17: fewer than 2 or more than 40 section property points.
void Check_Section_Point_Count();

// Skipped in a bending-stiffness-only run. Input Data Error No. 87: a negative effective unit
// weight; No. 18: the soil profile ends above
// the pile tip; No. 19 / 20: the effective unit weight table starts below / above the ground
// surface; No. 21: the p-multipliers start above the ground surface.
void Check_Soil_Profile();

// Skipped in a bending-stiffness-only run. Input Data Error No. 95: a "User p-y" layer whose top
// or bottom curve has fewer than two points, does not start at y = 0 or does not rise in y. The
// curve is read by interpolation from y = 0 on and its first segment gives the modulus at
// vanishing deflection, so such a curve would leave deflections without a resistance.
void Check_User_PY_Curves();

// Skipped in a bending-stiffness-only run. Input Data Error No. 76: a negative cone tip
// resistance of a "KS Loess" layer, or a negative value of the field test a "Piedmont" layer
// names (SPT N60, cone tip resistance, dilatometer or pressuremeter modulus); No. 77: a negative
// subgrade modulus k of a "Cem Silt" layer or elastic subgrade modulus of an "Elast SG" layer.
// Each would make the soil push the pile the way it deflects.
void Check_Soil_Test_Values();

// Input Data Error No. 78: a soil layer of a type for which no p-y criterion exists (frozen soil),
// which would resist nothing. Not made in bending-stiffness-only runs.
void Check_Soil_Criteria();
