// Line pieces of the section report: property lines (label, "= " at column 56, a fixed-point
// value in 15 columns, the unit label) and the section-analysis unit labels. Shared by the
// section blocks, the capacities and the prestress block.
#pragma once

constexpr int k_Section_Equals_Column = 56;

// label, "= " at column 56, x as F15.decimals, then unit (trailing blanks dropped; none for "").
void Write_Property_Line(const char* label, double x, int decimals, const char* unit);

// Sets c_LabelStress .. c_LabelStiffness for the run's unit system; general units keep them.
void Set_Section_Unit_Labels();
