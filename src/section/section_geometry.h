// Geometry of a pile section for the section analysis: the section model of every input type,
// its outline (circle, rectangle, 8-point polygon, casing annulus, core or void), the bar
// positions in section coordinates, the grid of 100 horizontal slices and the per-slice areas
// of concrete, bars, casing, core steel and core concrete. Material laws are section/materials;
// prestress strains are section/prestress.
#pragma once

// Section models: the numbers the material laws and the report test.
constexpr int k_Model_None = 0;                // elastic, elastic-plastic, user EI
constexpr int k_Model_Rectangle = 1;
constexpr int k_Model_Rectangle_Core = 2;
constexpr int k_Model_Round = 3;
constexpr int k_Model_Round_Core = 5;
constexpr int k_Model_Cased = 6;
constexpr int k_Model_Cased_Core = 7;
constexpr int k_Model_Pipe = 9;
constexpr int k_Model_Polygon = 10;
constexpr int k_Model_Polygon_Voids = 11;
// A grouted hole with a steel casing inside it and a central bar. Its own model, not the cased
// core with no outer casing: that model would give the grout inside the casing the core's
// concrete law and take the bar out of the grout outside the casing, where it is not.
constexpr int k_Model_Micropile = 12;

// The section model of pile section s from its input type (chamfer-free squares fall back to
// the rectangle models); k_Model_None for the types without slicing.
int Section_Model_Of(int s);

// True for the prestressed input types (circular, square and octagonal, solid and hollow).
bool Is_Prestressed_Type(int type);

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

// The section's analysis values from its input: model, outline depth and width, casing, core
// or void, outline points, and the material constants (section/materials). Reads section s of
// the input; writes i_CurrentSection and the section-analysis geometry and materials.
void Setup_Section_Values(int s);

// Slice grid and every slice area of section s (set up by Setup_Section_Values), with the totals
// and the slice centre depths.
void Slice_Section(int s);

// The whole setup of section s before its curvature steps: analysis values, slicing, material
// constants and, for prestressed sections, the prestress strains. Can raise Runtime Errors 14 and 15.
void Initialize_EI_Vars(int s);
