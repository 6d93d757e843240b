// Unit plausibility of the input: values far outside what their unit allows for a real pile or
// soil, which usually mean a value given in the units of the other system (a diameter in meters
// where SI files take millimeters, a unit weight in pcf in an SI file). Warnings, never errors: a
// value may be meant, and it is used as given.
#pragma once

// Warning numbers the catalogue leaves free, for the unit plausibility warnings.
constexpr int k_Warning_Section_Dimension_Unit = 394;   // a diameter or width outside 10 mm .. 10 m
constexpr int k_Warning_Slenderness = 395;              // a pile more than 1,000 diameters long
constexpr int k_Warning_Unit_Weight_Unit = 398;         // an effective unit weight outside real soils
constexpr int k_Warning_Cohesion_Unit = 399;            // a clay strength outside real clays

// Checks the section dimensions, the pile's slenderness, the layers' effective unit weights and
// the clays' shear strengths, in the units of the input (before the US customary conversion);
// writes a line naming the item and the value to the report and the runtime message file and
// records the warning for each. Nothing in general units, which have no scale.
void Check_Unit_Plausibility();
