// The framework shared by the p-y criteria: p- and y-multipliers by depth, the sloping ground
// factor of the clay criteria, the node loop of a layer (Run_PY_Criterion: the node's values,
// the layer integral of ultimate resistance, the one store step of the secant modulus with the
// soil-movement load and the not-a-number check, print mode), the strain or its default, framed
// input errors, and the pieces of the printed p-y curve blocks (title, label lines, table
// heading and rows). A criterion supplies its law at a node, its checks and its report block,
// one file each; dispatch.cpp chooses among them. The plot records of a printed curve are
// report/plot_file's.
#pragma once

#include <array>
#include <functional>
#include <initializer_list>

#include "py/py_node.h"
#include "report/fortran_format.h"

constexpr double k_PY_Pi = 3.141592653589793;
// An effective ground slope below this (radians) is level ground for the clay criteria.
constexpr double k_PY_Flat_Slope = 1e-20;
// A cohesion below this is zero: the clay criteria tolerate it at a layer's first node only.
constexpr double k_PY_Zero_Cohesion = 1e-10;
// Points of every printed p-y curve.
constexpr int k_PY_Print_Points = 17;
// The dash line under most printed p-y tables.
constexpr const char* k_PY_Table_Dashes = "----------------    -----------------";
// Below this deflection a secant modulus becomes the curve's initial slope.
constexpr double k_PY_Tiny_Deflection = 1e-14;
// A ground surface above this depth lies above the pile head: the first layer's integral of
// ultimate resistance is then a closed form over the whole layer.
constexpr double k_PY_Above_Head = -9.999999747378752e-06;   // -1e-5 (s)


// Factor on the shallow ultimate resistance of clay for the signed deflection y on ground
// sloping at theta (radians, EffectiveSlope): below 1 when the pile pushes toward falling
// ground, above 1 when it pushes into rising ground, 1 on level ground or at zero deflection.
double SlopingGroundFactor(double y, double theta);

// With soil movement defined, replaces the load term of node k by the force that the moving
// soil exerts through the node's spring plus the distributed load at the node.
void Apply_Soil_Movement_Load(int k);

// The number of cycles of loading the curves take: NumCycles as read, or the count a criterion
// that needs at least one cycle has raised it to earlier in the run (rd_NumCyclesInUse).
double Cycles_Of_Loading();

// The raises of the criteria that need at least one cycle; NumCycles itself is never written.
// A count of 0 or less is taken as one cycle (weak rock, liquefied sand).
void Take_Missing_Cycles_As_One();
// The layer's begin hook of those criteria, defined for at least one cycle: the count raised
// so is kept for the run, and the layer always goes on.
bool Begin_Layer_Taking_Missing_Cycles_As_One(int L, bool print);
// Any count below one is taken as one cycle (stiff clay without free water).
void Take_At_Least_One_Cycle();

// ---- Steps of a criterion's node loop -----------------------------------------------------

// The first step at node k of layer L: in normal mode, at the layer's first node, clears
// Fu_Layer(L) for the integral the criterion builds; then gathers the node's values into v.
// Returns false when a lookup raised.
bool Begin_PY_Node(int L, int k, bool print, PYNodeValues& v);

// The strain eps50 of the soil data at soil depth z, or default_eps50 where the data give none
// (0 or less) and the default is positive.
double Epsilon50_Or_Default(double z, double default_eps50);

// Adds node k's share of the ultimate resistance pu to Fu_Layer(L): the trapezoid from the
// previous node's pu_prev (from the layer's second node on), and at the layer's last node pu
// down to the layer bottom. Then sets pu_prev to pu.
void Add_To_Layer_Integral(int L, int k, double pu, double& pu_prev);

// For the first layer when the ground surface lies above the pile head, replaces Fu_Layer(1) by
// half of p_sum (the resistances at the layer's top and bottom) over the layer's thickness.
void Close_Layer_Integral_Above_Head(int L, double p_sum);

// Secant modulus of node values v from the curve's resistance p at v.y_prime, with the p- and
// y-multipliers: pm p / (ym y_prime).
double Secant_Modulus(const PYNodeValues& v, double p);

// Stores Es as node k's secant modulus and, with soil movement, the node's load: the store step
// Store_Criterion_Modulus with the rules of a criterion in soil movement.
void Store_PY_Modulus(int k, double Es);
// The same for a criterion that tests its modulus: one that is not a number raises Runtime
// Error No. nan_error instead of the load (see Raise_Modulus_Not_A_Number).
void Store_PY_Modulus(int k, double Es, int nan_error, bool limiting, const char* criterion);

// Runtime Error No. number, in the report only: the limiting ("default") or computed soil
// modulus of the named criterion is not a number at node k. Sets the status directly.
void Raise_Modulus_Not_A_Number(int number, bool limiting, const char* criterion, int k);

// Input Data Error No. number of a criterion: the framed heading and lines to the runtime
// message file and, with to_report, then to the report; then the raise.
void Raise_PY_Input_Error(int number, std::initializer_list<const char*> lines, bool to_report);

// ---- The node loop of a layer --------------------------------------------------------------

// How a criterion keeps its layer's integral of ultimate resistance, Fu_Layer, for the
// equivalent depth of the layers below: not at all, by trapezoids between nodes and the last
// node's value down to the layer bottom, each node's value over one increment, or by the
// criterion's own rule (the loop clears it at the layer's first node, the criterion adds to it).
constexpr int k_PY_No_Integral = 0;
constexpr int k_PY_Trapezoid_Integral = 1;
constexpr int k_PY_Increment_Integral = 2;
constexpr int k_PY_Own_Integral = 3;

// What a criterion returns for one node of its layer in normal mode.
struct PYNodeModulus {
    double Es;         // secant soil modulus of the node (lb/in2 | kPa)
    bool limiting;     // Es is the curve's limiting ("default") modulus, not its secant
    double pu;         // ultimate resistance at the node, for the layer integral (force/length)
    double p_ends;     // sum of the resistances at the layer's top and bottom, for the closed
                       // form of a first layer that rises above the pile head (force/length)
};

// A criterion as the node loop calls it: its rules as plain values and two functions of its
// own. The loop walks the layer's nodes, gathers each node's values, calls at_node, adds pu to
// the layer integral, stores the modulus and stops at the first raise; in print mode at_node
// writes the node's report block instead and nothing is stored.
struct PYCriterion {
    const char* words;          // the criterion in the not-a-number messages; null: Es is not tested
    int default_nan_error;      // Runtime Error No. of a limiting modulus that is not a number
    int computed_nan_error;     // the same for a secant modulus
    bool soil_movement;         // the node's load carries the moving soil
    int layer_integral;         // k_PY_*_Integral: how the layer keeps Fu_Layer
    bool closed_above_head;     // a first layer above the pile head takes the closed form of p_ends
    // The layer's own checks and settings before its first node (null: none); false when one
    // raised.
    bool (*begin_layer)(int L, bool print);
    // The curve at node k of layer L with the node's values v: its report block in print mode,
    // else its modulus in out. False when a lookup or a check raised.
    bool (*at_node)(int L, int k, const PYNodeValues& v, bool print, PYNodeModulus& out);
};

// Sets the moduli of layer L by criterion c, or prints its curves (print true).
void Run_PY_Criterion(int L, bool print, const PYCriterion& c);

// The store step of the node loop: out.Es as node k's secant modulus; by the criterion's rules
// a modulus that is not a number raises its Runtime Error, and with soil movement the node's
// load carries the moving soil.
void Store_Criterion_Modulus(int k, const PYNodeModulus& out, const PYCriterion& c);

// ---- Printed p-y curve blocks -------------------------------------------------------------

// Two empty lines, the block's title (and a second title line when not null), an empty line.
void Write_PY_Title(const char* title, const char* second_line);

// A label line of a printed p-y curve block: the label, "= " from column 56, then the caller
// appends the value and unit and writes the record with Write_PY_Record.
void Start_PY_Label_Line(FortranRecord& record, const char* label);
void Write_PY_Record(const FortranRecord& record);

// "label = value unit" with the value in Fw.d (unit may be null).
void Write_PY_Real_Line(const char* label, double value, int w, int d, const char* unit);
// "label = value unit" with the value in F12.d (unit may be null).
void Write_PY_Value_Line(const char* label, double value, int d, const char* unit);
// "label = value" in F12.d and the force-per-length label ("lbs/in", "kN/m").
void Write_PY_Force_Line(const char* label, double value, int d);
// "label = value" in F12.d, a blank and force / length ** 2 built from the unit labels, the
// form of the stresses and moduli that the criteria compute rather than read.
void Write_PY_Stress_Line(const char* label, double value, int d);

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
// The unit text, or the force-per-length label when unit is null.
void Append_Unit_Or_Force_Per_Length(FortranRecord& record, const char* unit);
void Append_Subgrade_Label(FortranRecord& record);

// Table heading and its dash line: "y, " and the length label from column y_column, "p, " and
// p_unit (null: the force-per-length label built from force and length) from column p_column.
void Write_PY_Table_Heading(int y_column, int p_column, const char* p_unit, const char* dashes);
// The same with "y, " from column 9 and "p, " after gap blanks that follow the length label, and
// k_PY_Table_Dashes.
void Write_PY_Table_Heading_After(int gap);

// One tabulated point: blanks, y (WriteNumber 12), blanks, p (WriteNumber 12), line end.
void Write_PY_Table_Row(double y, double p, int blanks_before, int blanks_between);
// One tabulated point in fixed decimals: y (F15.4), p (F17.3).
void Write_PY_Fixed_Row(double y, double p);

// Row layouts of a printed table: numbers after 3 blanks with 5 between, numbers with 9
// between, fixed decimals.
constexpr int k_PY_Rows_Numbers = 0;
constexpr int k_PY_Rows_Numbers_Wide = 1;
constexpr int k_PY_Rows_Fixed = 2;

// The tabulated points j = 1..17 of a printed curve as the criterion's law gives them: the
// deflection y' on the curve and its resistance p(y'), both without multipliers.
struct PYCurveTable {
    std::array<double, k_PY_Print_Points + 1> y_prime;
    std::array<double, k_PY_Print_Points + 1> p;
};

// Writes the points of table t of a curve of the given kind at node values v, y = ym y' and
// p = pm p(y'), in the row layout rows (k_PY_Rows_*), and keeps each point (its "Line 8").
void Write_PY_Curve_Table(int kind, const PYNodeValues& v, const PYCurveTable& t, int rows);

// The table of a criterion whose points are its tabulated deflection y'(j) and its law p(y').
PYCurveTable Tabulate_PY_Curve(const std::function<double(int)>& deflection,
                               const std::function<double(double)>& law);
// A printed curve of the given kind at node k whose table is tabulated so: kept with its
// "Line 7" record, then its points written in the row layout rows.
void Print_Tabulated_PY_Curve(int kind, int k, const PYNodeValues& v, int rows,
                              const std::function<double(int)>& deflection,
                              const std::function<double(double)>& law);

// A p-y curve printed at requested depth number `number`, at `depth` along the pile, with its
// kind (k_PY_Curve_* of report/plot_file) and number of points: kept for callers, then its
// "Line 7" record. Each point j of it: kept, then its "Line 8" record.
void Record_Printed_PY_Curve(int kind, double depth, int points, int number);
void Record_Printed_PY_Point(int kind, double y, double p, int j);
