// The framework shared by the p-y criteria: p- and y-multipliers by depth, the sloping ground
// factor of the clay criteria, the soil-movement load update, and the pieces of the printed p-y
// curve blocks (label lines, table heading and rows, plot records "Line 7" and "Line 8").
// The criteria themselves are one file each; dispatch.cpp chooses among them.
#pragma once

#include "report/fortran_format.h"

// Multiplier at depth x along the pile from a table of rows (depth, value), depths
// non-decreasing: 1 outside the table or with fewer than two rows; at a step (two rows at one depth) the
// deeper row applies; linear in between.
double Multiplier_From_Table(double x, int n, const double* depths, const double* values);

// p- and y-multipliers of the p-y modifier table at depth x along the pile.
double PMultiplierAtDepth(double x);
double YMultiplierAtDepth(double x);

// Factor on the shallow ultimate resistance of clay for the signed deflection y on ground
// sloping at theta (radians, EffectiveSlope): below 1 when the pile pushes toward falling
// ground, above 1 when it pushes into rising ground, 1 on level ground or at zero deflection.
double SlopingGroundFactor(double y, double theta);

// With soil movement defined, replaces the load term of node k by the force that the moving
// soil exerts through the node's spring plus the distributed load at the node.
void Apply_Soil_Movement_Load(int k);

// ---- Printed p-y curve blocks -------------------------------------------------------------

// A label line of a printed p-y curve block: the label, "= " from column 56, then the caller
// appends the value and unit and writes the record with Write_PY_Record.
void Start_PY_Label_Line(FortranRecord& record, const char* label);
void Write_PY_Record(const FortranRecord& record);

// "label = value unit" with the value in Fw.d (unit may be null).
void Write_PY_Real_Line(const char* label, double value, int w, int d, const char* unit);

// "Soil Layer Number" (I10, or Iw) and the two depth lines (F12.3; feet in US customary runs).
void Write_PY_Layer_And_Depths(int L, double depth);
void Write_PY_Layer_And_Depths(int L, double depth, int layer_width);
// The two depth lines alone, for the blocks that print no layer number.
void Write_PY_Depths(double depth);

// The three angle lines of the sloping-ground criteria: "Ground Slope Angle", the batter line
// (its label differs between criteria) and "Effective Slope", in degrees (F12.3).
void Write_PY_Slope_Lines(const char* batter_label);

// "p-multiplier" and "y-multiplier" (F12.5), then an empty line.
void Write_PY_Multipliers(double pm, double ym);

// Unit texts of the printed blocks: force per length ("lbs/in", "kN/m", "F/L") and force per
// length cubed ("lbs/in**3", "kN/m**3", "F/L**3").
void Append_Force_Per_Length_Label(FortranRecord& record);
void Append_Subgrade_Label(FortranRecord& record);

// Table heading: "        y, " and the length label, "p, " and the force-per-length label from
// column p_column, then the dash line.
void Write_PY_Table_Heading(int p_column, const char* dashes);

// One tabulated point: blanks, y (WriteNumber 12), blanks, p (WriteNumber 12), line end.
void Write_PY_Table_Row(double y, double p, int blanks_before, int blanks_between);

// Plot records of a printed curve: "Line 7" (depth, points, phrase, the depth's number in the
// list of requested depths) and
// "Line 8" (y, p, point number, phrase).
void Write_Plot_PY_Depth(double depth, int points, const char* phrase, int curve_number);
// "Line 7" with the whole label text given (for the criteria whose label words differ).
void Write_Plot_PY_Depth_Label(double depth, int points, const char* label, int curve_number);
void Write_Plot_PY_Point(double y, double p, int j, const char* phrase);
// "Line 8" of the criteria that write it narrower: 2E15.7, 20X, "Line 8(", point (I2), "): y, p,
// for " phrase.
void Write_Plot_PY_Point_I2(double y, double p, int j, const char* phrase);
