// Geometry of a pile section for the section analysis: its outline (circle, rectangle, 8-point
// polygon, casing annulus, core or void), the bar positions in section coordinates, the grid of
// 100 horizontal slices and the per-slice areas of concrete, bars, casing, core steel and core
// concrete. The section model of an input type is model/section_types; material laws are
// section/materials, prestress strains section/prestress, and section/section_setup puts the
// three together.
#pragma once

#include "model/section_types.h"

// y of bar j of section s in section coordinates: the input or generated position plus, for
// the drilled-shaft types, the rebar cage offset.
double Bar_Y(int s, int j);

// Area of a circle of diameter D.
double Circle_Area(double D);

// Total area of the bars or strands of section s, counting no more than k_Max_Bars of them
// (a count beyond the capacity is refused by the input checks, never read past).
double Total_Bar_Area(int s);

// Area of a circle of diameter D above a horizontal line at distance h below its top.
double CircleSegmentArea(double D, double h);

// Area of the closed polygon (x[i], y[i]), i = 0..n-1, at or above the line y = y_line.
double Polygon_Area_Above(const double* x, const double* y, int n, double y_line);

// Area of the section's outline polygon between two horizontal lines.
double PolygonStripArea(double y_bottom, double y_top);

// The slice holding y: the first i with SliceY[i-1] >= y > SliceY[i]; 100 when y lies outside
// the grid.
int fn_FindSliceY(double y);

// Fill the per-slice areas of bars, casing and core and take them out of the concrete areas.
// Calculate_Rebar_Slice_Areas writes a report line and places nothing beyond 300 bars.
void Calculate_Rebar_Slice_Areas(int s);
void Calculate_Casing_Slice_Areas();
void Calculate_Core_Slice_Areas();

// The section's geometry values from its input: model, outline depth and width, casing, core
// or void and outline points. Reads section s of the input; writes i_CurrentSection,
// i_SectionModel and the section-analysis geometry.
void Set_Section_Outline(int s);

// Slice grid and every slice area of section s (its outline set by Set_Section_Outline), with the totals
// and the slice centre depths.
void Slice_Section(int s);
