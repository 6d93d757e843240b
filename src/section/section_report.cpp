// The section step of a run and the report blocks it owns: AnalyzeSection sets a pile section
// up, writes its block of dimensions and properties, has its capacities computed and writes
// their lines (section/capacities), writes the bar or strand tables, and runs the moment-
// curvature analysis or the stiffness fills of section/stiffness_tables. Each step is computed
// into the model and then written from it, in the order the report shows: a curve is computed
// whole before its table is written, so an error raised by a later curve finds the report as
// far as the curves before it. Also the concrete block, the run-message definitions, the per-
// thrust moment-curvature table, the "Line 4"/"Line 5" records and the moment-curvature files.
// Slicing, material laws, curves and capacities are the other section files'.
#include "section/section_report.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "engine/errors.h"
#include "model/model.h"
#include "model/section_types.h"
#include "model/units.h"
#include "report/fortran_format.h"
#include "report/number_writer.h"
#include "report/plot_file.h"
#include "section/capacities.h"
#include "section/materials.h"
#include "section/moment_curvature.h"
#include "section/section_blocks.h"
#include "section/section_checks.h"
#include "section/section_geometry.h"
#include "section/section_setup.h"
#include "section/section_lines.h"
#include "section/stiffness_tables.h"

namespace {

constexpr double k_Pi = 3.141592653589793;
constexpr int k_Value_Width = 15;           // property values line up with the F15 capacity lines
constexpr int k_Column_Width = 14;          // every column of the moment-curvature table

bool Is_US() { return g_Model.IUNITS == k_Units_US; }
bool Is_SI() { return g_Model.IUNITS == k_Units_SI; }

// ---- Line pieces ---------------------------------------------------------------------------

FortranRecord Start_Property(const char* label) {
    FortranRecord line;
    Start_Record(line);
    Append_Text(line, label);
    Tab_To(line, k_Section_Equals_Column);
    Append_Text(line, "= ");
    return line;
}

void Finish_With_Unit(FortranRecord& line, const char* unit) {
    if (unit != nullptr && unit[0] != '\0') Append_Trimmed(line, unit);
    WriteLine(line.text.data());
}

// label = x by the number writer, then the unit label.
void Number_Line(const char* label, double x, const char* unit) {
    FortranRecord line = Start_Property(label);
    Append_Text(line, Format_Number(x, k_Value_Width).text.data());
    Finish_With_Unit(line, unit);
}

void Count_Line(const char* label, int n) {
    FortranRecord line = Start_Property(label);
    Append_I(line, n, k_Value_Width);
    WriteLine(line.text.data());
}

// label, then text starting at the "=" column (the text carries its own "=").
void Text_Line(const char* label, const char* text) {
    FortranRecord line;
    Start_Record(line);
    Append_Text(line, label);
    Tab_To(line, k_Section_Equals_Column);
    Append_Text(line, text);
    WriteLine(line.text.data());
}

// The opening of every block by section type: an empty line, the heading, a rule of dashes as
// long as the heading, an empty line, then "Length of Section" of section s: feet for US
// customary runs (lengths are inches by now), meters for SI.
void Write_Block_Opening(const char* heading, int s) {
    const AnalysisModel& m = g_Model;
    char rule[128];
    const std::size_t n = std::strlen(heading) < sizeof rule - 1 ? std::strlen(heading) : sizeof rule - 1;
    std::memset(rule, '-', n);
    rule[n] = '\0';
    WriteLine("");
    WriteLine(heading);
    WriteLine(rule);
    WriteLine("");
    if (Is_US()) {
        Number_Line("Length of Section", m.SectionLength[s] / 12.0, " ft");
    } else if (Is_SI()) {
        Number_Line("Length of Section", m.SectionLength[s], " m");
    } else {
        Number_Line("Length of Section", m.SectionLength[s], m.LabelLengthLarge);
    }
}

// 100 x part / whole, 0 when there is no whole to compare with.
double Percent_Of(double part, double whole) { return whole > 0.0 ? 100.0 * part / whole : 0.0; }

double Single_Bar_Area(int s) { return g_Model.NumBars[s] >= 1 ? g_Model.BarArea[1][s] : 0.0; }

double Annulus_Area(double D, double t) { return k_Pi / 4.0 * (D * D - (D - 2.0 * t) * (D - 2.0 * t)); }
double Annulus_Inertia(double D, double t) {
    const double d = D - 2.0 * t;
    return k_Pi / 64.0 * (D * D * D * D - d * d * d * d);
}

// Spacing lines shared by the drilled-shaft types: spacing, aggregate, their ratio, cage offset.
void Write_Spacing_Lines(int s) {
    const AnalysisModel& m = g_Model;
    const double spacing = Edge_To_Edge_Bar_Spacing(s);
    const double aggregate = m.AggregateSize[s];
    Number_Line("Edge-to-Edge Bar Spacing", spacing, m.c_LabelLength);
    Number_Line("Maximum Concrete Aggregate Size", aggregate, m.c_LabelLength);
    Write_Property_Line("Ratio of Bar Spacing to Aggregate Size", aggregate > 0.0 ? spacing / aggregate : 0.0, 2, "");
    Number_Line("Rebar Cage Offset from Center of Pile", m.CageOffset[s], m.c_LabelLength);
}

// ---- Blocks by section type ----------------------------------------------------------------

// The rectangular pile lists its bars with their size index in its own table.
void Write_Rectangular_Bar_Details(int s) {
    const AnalysisModel& m = g_Model;
    WriteLine("");
    WriteLine("Reinforcing Bar Details:");
    WriteLine("   Bar              Bar           Bar Diam.        Bar Area          Bar X            Bar Y");
    // each unit under the first letter of its column's heading ("Bar Diam.", "Bar Area", "Bar X", "Bar Y")
    WriteLine(Tabbed_Record({{1, "  Number           Index"},
                             {34, m.c_LabelLength},
                             {51, m.c_LabelArea},
                             {69, m.c_LabelLength},
                             {86, m.c_LabelLength}})
                  .text.data());
    WriteLine("----------     ------------     ------------     ------------     ------------     ------------");
    for (int j = 1; j <= m.NumBars[s] && j <= k_Max_Bars; ++j) {
        WriteInteger(j, 10);
        WriteBlanks(5);
        WriteInteger(m.i_BarSize[j][s], 12);
        const double values[] = {m.BarDiameter[j][s], m.BarArea[j][s], m.BarX[j][s], Bar_Y(s, j)};
        for (double x : values) {
            WriteBlanks(4);
            WriteNumber(x, 13);
        }
        EndLine();
    }
}

void Write_Rectangular_Block(int s) {
    const AnalysisModel& m = g_Model;
    Write_Block_Opening("Dimensions and Properties of Rectangular Concrete Pile:", s);
    const double Ag = m.rd_Depth * m.rd_Width;
    const double As = Total_Bar_Area(s);
    Number_Line("Depth of Section", m.rd_Depth, m.c_LabelLength);
    Number_Line("Width of Section", m.rd_Width, m.c_LabelLength);
    Count_Line("Number of Reinforcing Bars", m.NumBars[s]);
    Number_Line("Yield Stress of Reinforcing Bars", m.rd_fy, m.c_LabelStress);
    Number_Line("Modulus of Elasticity of Reinforcing Bars", m.rd_Es, m.c_LabelStress);
    Number_Line("Compressive Strength of Concrete", m.rd_fc, m.c_LabelStress);
    Number_Line("Modulus of Rupture of Concrete", m.rd_ft, m.c_LabelStress);
    Number_Line("Gross Area of Pile", Ag, m.c_LabelArea);
    Number_Line("Total Area of Reinforcing Steel", As, m.c_LabelArea);
    Write_Property_Line("Area Ratio of Steel Reinforcement", Percent_Of(As, Ag), 2, " percent");
}

void Write_Drilled_Shaft_Block(int s) {
    const AnalysisModel& m = g_Model;
    Write_Block_Opening("Dimensions and Properties of Drilled Shaft:", s);
    const double Ag = Circle_Area(m.rd_Depth);
    const double As = Total_Bar_Area(s);
    // "Shaft Diameter " and "... Reinforcement " keep the trailing blank of their report text
    Number_Line("Shaft Diameter ", m.rd_Depth, m.c_LabelLength);
    Number_Line("Concrete Cover Thickness", m.CoverThickness[s], m.c_LabelLength);
    Count_Line("Number of Reinforcing Bars", m.NumBars[s]);
    Number_Line("Yield Stress of Reinforcing Bars", m.rd_fy, m.c_LabelStress);
    Number_Line("Modulus of Elasticity of Reinforcing Bars", m.rd_Es, m.c_LabelStress);
    Number_Line("Gross Area of Shaft", Ag, m.c_LabelArea);
    Number_Line("Total Area of Reinforcing Steel", As, m.c_LabelArea);
    Write_Property_Line("Area Ratio of Steel Reinforcement ", Percent_Of(As, Ag), 2, " percent");
    Write_Spacing_Lines(s);
}

void Write_Cased_Shaft_Block(int s) {
    const AnalysisModel& m = g_Model;
    Write_Block_Opening("Dimensions and Properties of Drilled Shaft with Permanent Casing:", s);
    const double D = m.rd_Depth;
    const double tc = m.rd_CasingWall;
    const double As = Total_Bar_Area(s);
    const double Ac = Annulus_Area(D, tc);
    const double Ai = Circle_Area(D - 2.0 * tc);
    Number_Line("Outer Diameter of Casing", D, m.c_LabelLength);
    Number_Line("Concrete Cover Thickness Inside Casing", m.CoverThickness[s], m.c_LabelLength);
    Number_Line("Casing Wall Thickness", tc, m.c_LabelLength);
    Number_Line("Moment of Inertia of Steel Casing", Annulus_Inertia(D, tc), m.c_LabelInertia);
    Number_Line("Yield Stress of Casing", m.rd_CasingFy, m.c_LabelStress);
    Number_Line("Elastic Modulus of Casing", m.rd_CasingE, m.c_LabelStress);
    Count_Line("Number of Reinforcing Bars", m.NumBars[s]);
    Number_Line("Area of Single Reinforcing Bar", Single_Bar_Area(s), m.c_LabelArea);
    Write_Spacing_Lines(s);
    Number_Line("Yield Stress of Reinforcing Bars", m.rd_fy, m.c_LabelStress);
    Number_Line("Elastic Modulus of Reinforcing Bars", m.rd_Es, m.c_LabelStress);
    Number_Line("Area of Concrete", Ai - As, m.c_LabelArea);
    Number_Line("Cross-sectional Area of Steel Casing", Ac, m.c_LabelArea);
    Number_Line("Area of All Steel (Casing and Bars)", Ac + As, m.c_LabelArea);
    Write_Property_Line("Area Ratio of All Steel", Percent_Of(Ac + As, Circle_Area(D)), 2, " percent");
}

void Write_Cased_Core_Block(int s) {
    const AnalysisModel& m = g_Model;
    const bool filled = m.b_FillCoreWithConcrete[s] != 0;
    Write_Block_Opening(filled ? "Dimensions and Properties of Drilled Shaft with Casing and Filled Core:"
                               : "Dimensions and Properties of Drilled Shaft with Casing and Hollow Core:",
                        s);
    const double D = m.rd_Depth;
    const double tc = m.rd_CasingWall;
    const double Dk = m.rd_CoreOuterDiameter;
    const double tk = m.rd_CoreWall;
    const double As = Total_Bar_Area(s);
    const double Ac = Annulus_Area(D, tc);
    const double Ak = Annulus_Area(Dk, tk);
    const double Ai = Circle_Area(D - 2.0 * tc);
    // a filled core holds concrete inside its wall; a hollow one takes its whole circle out
    const double concrete = filled ? Ai - Ak - As : Ai - Circle_Area(Dk) - As;
    Number_Line("Outside Diameter of Casing", D, m.c_LabelLength);
    Number_Line("Concrete Cover Thickness Inside Casing", m.CoverThickness[s], m.c_LabelLength);
    Number_Line("Casing Wall Thickness", tc, m.c_LabelLength);
    Number_Line("Moment of Inertia of Steel Casing", Annulus_Inertia(D, tc), m.c_LabelInertia);
    Number_Line("Outside Diameter of Core", Dk, m.c_LabelLength);
    Number_Line("Core Wall Thickness", tk, m.c_LabelLength);
    Number_Line("Moment of Inertia of Steel Core", Annulus_Inertia(Dk, tk), m.c_LabelInertia);
    Number_Line("Yield Stress of Casing and Core", m.rd_CasingFy, m.c_LabelStress);
    Number_Line("Elastic Modulus of Casing and Core", m.rd_CasingE, m.c_LabelStress);
    Count_Line("Number of Reinforcing Bars", m.NumBars[s]);
    Number_Line("Area of Single Reinforcing Bar", Single_Bar_Area(s), m.c_LabelArea);
    Number_Line("Area of All Reinforcing Bars", As, m.c_LabelArea);
    Write_Spacing_Lines(s);
    Number_Line("Yield Stress of Reinforcing Bars", m.rd_fy, m.c_LabelStress);
    Number_Line("Elastic Modulus of Reinforcing Bars", m.rd_Es, m.c_LabelStress);
    Number_Line("Area of Concrete", concrete, m.c_LabelArea);
    Number_Line("Cross-sectional Area of Steel Casing", Ac, m.c_LabelArea);
    Number_Line("Cross-sectional Area of Steel Core", Ak, m.c_LabelArea);
    Number_Line("Area of All Steel (Casing, Core, and Bars)", Ac + Ak + As, m.c_LabelArea);
    Write_Property_Line("Area Ratio of All Steel", Percent_Of(Ac + Ak + As, Circle_Area(D)), 2, " percent");
    WriteLine(filled ? "Note that the core is assumed to be filled with concrete"
                     : "Note that the core is assumed to be void of concrete");
}

// The micropile's hole, casing and central bar as input, and the areas the capacities take.
void Write_Micropile_Block(int s) {
    const AnalysisModel& m = g_Model;
    Write_Block_Opening("Dimensions and Properties of Micropile:", s);
    const double D = m.rd_Depth;
    const double Dc = m.rd_CasingOuterDiameter;
    const double tc = m.rd_CasingWall;
    const double As = Total_Bar_Area(s);
    const double Ac = tc > 0.0 ? Annulus_Area(Dc, tc) : 0.0;
    Number_Line("Diameter of Drilled Hole", D, m.c_LabelLength);
    Number_Line("Outside Diameter of Casing", tc > 0.0 ? Dc : 0.0, m.c_LabelLength);
    Number_Line("Casing Wall Thickness", tc, m.c_LabelLength);
    Number_Line("Moment of Inertia of Steel Casing", tc > 0.0 ? Annulus_Inertia(Dc, tc) : 0.0, m.c_LabelInertia);
    Number_Line("Yield Stress of Casing", m.rd_CasingFy, m.c_LabelStress);
    Number_Line("Elastic Modulus of Casing", m.rd_CasingE, m.c_LabelStress);
    Number_Line("Diameter of Central Bar", m.NumBars[s] > 0 ? m.BarDiameter[1][s] : 0.0, m.c_LabelLength);
    Number_Line("Area of Central Bar", As, m.c_LabelArea);
    Number_Line("Yield Stress of Central Bar", m.rd_fy, m.c_LabelStress);
    Number_Line("Elastic Modulus of Central Bar", m.rd_Es, m.c_LabelStress);
    Number_Line("Area of Grout", Circle_Area(D) - Ac - As, m.c_LabelArea);
    Number_Line("Cross-sectional Area of Steel Casing", Ac, m.c_LabelArea);
    Number_Line("Area of All Steel (Casing and Bar)", Ac + As, m.c_LabelArea);
    Write_Property_Line("Area Ratio of All Steel", Percent_Of(Ac + As, Circle_Area(D)), 2, " percent");
    WriteLine("Note that the grout fills the hole around and inside the casing");
}

void Write_Pipe_Block(int s) {
    const AnalysisModel& m = g_Model;
    Write_Block_Opening("Dimensions and Properties of Steel Pipe Pile:", s);
    const double D = m.rd_Depth;
    const double t = m.rd_CasingWall;
    const double d = D - 2.0 * t;
    const double I = Annulus_Inertia(D, t);
    const double Z = (D * D * D - d * d * d) / 6.0;
    const char* modulus_unit = Is_US() ? " in^3" : Is_SI() ? " m^3" : "";
    Number_Line("Outer Diameter of Pipe", D, m.c_LabelLength);
    Number_Line("Pipe Wall Thickness", t, m.c_LabelLength);
    Number_Line("Yield Stress of Pipe", m.rd_CasingFy, m.c_LabelStress);
    Number_Line("Elastic Modulus", m.rd_CasingE, m.c_LabelStress);
    Number_Line("Cross-sectional Area", Annulus_Area(D, t), m.c_LabelArea);
    Number_Line("Moment of Inertia", I, m.c_LabelInertia);
    Number_Line("Elastic Bending Stiffness", m.rd_CasingE * I, m.c_LabelStiffness);
    Number_Line("Plastic Modulus, Z", Z, modulus_unit);
    Number_Line("Plastic Moment Capacity = Fy Z", m.rd_CasingFy * Z, m.c_LabelMoment);
}

// The outline of a prestressed pile by type: its heading, the label of its diameter or width,
// whether it has a corner chamfer, and the label of its void (null: solid).
struct PrestressedOutline {
    const char* heading;
    const char* width_label;
    bool chamfer;
    const char* void_label;
};

// Prestressed piles list their outline; the strand block follows as their details.
void Write_Prestressed_Block(int s) {
    static constexpr PrestressedOutline k_Outlines[] = {
        {"Dimensions and Properties of Circular Prestressed Pile:", "Diameter", false, nullptr},
        {"Dimensions and Properties of Hollow Core Circular Prestressed Pile:", "Outside Diameter",
         false, "Inside Diameter"},
        {"Dimensions of Square Prestressed Pile Section:", "Pile Width", true, nullptr},
        {"Dimensions and Properties of Square Prestressed Pile Section with Hollow Core:",
         "Pile Width", true, "Inside Void Diameter"},
        {"Dimensions and Properties of Octagonal Prestressed Pile:", "Pile Width", false, nullptr},
        {"Dimensions and Properties of Octagonal Prestressed Pile Section with Hollow Core:",
         "Pile Width", false, "Inside Void Diameter"},
    };
    const AnalysisModel& m = g_Model;
    const char* L = m.c_LabelLength;
    // types 5 to 9 in order; any other is the hollow octagonal pile (type 10)
    const int type = m.SectionType[s];
    const PrestressedOutline& o = k_Outlines[type >= 5 && type <= 9 ? type - 5 : 5];
    Write_Block_Opening(o.heading, s);
    Number_Line(o.width_label, m.SectionDiameter[s], L);
    if (o.chamfer) Number_Line("Corner Chamfer", m.ChamferWidth[s], L);
    if (o.void_label != nullptr) Number_Line(o.void_label, m.VoidDiameter[s], L);
}

// ---- Moment-curvature table ----------------------------------------------------------------

// One column of the table: its heading texts and unit texts, 14 characters each.
struct CurveColumn {
    const char* top;
    const char* middle;
    const char* us_unit;
    const char* si_unit;
};

constexpr CurveColumn k_Curvature_Column = {"    Bending   ", "   Curvature  ", "    rad/in.   ", "    rad/m     "};
constexpr CurveColumn k_Moment_Column = {"    Bending   ", "    Moment    ", "    in-kip    ", "    kN-m      "};
constexpr CurveColumn k_Stiffness_Column = {"    Bending   ", "   Stiffness  ", "    kip-in2   ", "    kN-m2     "};
constexpr CurveColumn k_Axis_Column = {"    Depth to  ", "     N Axis   ", "       in     ", "       m      "};
constexpr CurveColumn k_Comp_Column = {"    Max Comp  ", "     Strain   ", "     in/in    ", "     m/m      "};
constexpr CurveColumn k_Tens_Column = {"    Max Tens  ", "     Strain   ", "     in/in    ", "     m/m      "};
constexpr CurveColumn k_Concrete_Column = {"  Max Concrete", "     Stress   ", "      ksi     ", "      kPa     "};
constexpr CurveColumn k_Steel_Column = {"   Max Steel  ", "     Stress   ", "      ksi     ", "      kPa     "};
constexpr CurveColumn k_Casing_Column = {"  Max Casing  ", "     Stress   ", "      ksi     ", "      kPa     "};
constexpr CurveColumn k_Core_Column = {"    Max Core  ", "     Stress   ", "      ksi     ", "      kPa     "};
constexpr CurveColumn k_Total_Column = {"   Max Total  ", "     Stress   ", "      ksi     ", "      kPa     "};

// The columns of the section model's table and how many of them there are.
int Curve_Columns(const CurveColumn* (&columns)[10]) {
    const int model = g_Model.i_SectionModel;
    int n = 0;
    for (const CurveColumn* c : {&k_Curvature_Column, &k_Moment_Column, &k_Stiffness_Column, &k_Axis_Column}) {
        columns[n++] = c;
    }
    if (model == k_Model_Pipe) {
        columns[n++] = &k_Total_Column;
        return n;
    }
    for (const CurveColumn* c : {&k_Comp_Column, &k_Tens_Column, &k_Concrete_Column, &k_Steel_Column}) {
        columns[n++] = c;
    }
    if (model == k_Model_Cased || model == k_Model_Cased_Core || model == k_Model_Micropile) {
        columns[n++] = &k_Casing_Column;
    }
    if (model == k_Model_Cased_Core) columns[n++] = &k_Core_Column;
    return n;
}

void Write_Curve_Heading() {
    const CurveColumn* columns[10];
    const int n = Curve_Columns(columns);
    const bool pipe = g_Model.i_SectionModel == k_Model_Pipe;
    // the run-message column closes each row; the pipe's is one blank narrower
    const char* tails[4] = {"  Run", "  Msg", pipe ? "     " : "      ", pipe ? "  ---" : "  ---  "};
    for (int row = 0; row < 4; ++row) {
        FortranRecord line;
        Start_Record(line);
        for (int i = 0; i < n; ++i) {
            const CurveColumn& c = *columns[i];
            const char* text = row == 0 ? c.top : row == 1 ? c.middle : row == 2 ? (Is_US() ? c.us_unit : c.si_unit)
                                                                                : " -------------";
            Append_Text(line, text);
        }
        Append_Text(line, tails[row]);
        WriteLine(line.text.data());
    }
}

// Values of point k of thrust a in the order of the model's columns.
int Curve_Row(int a, int k, double (&values)[10]) {
    const AnalysisModel& m = g_Model;
    const int model = m.i_SectionModel;
    int n = 0;
    values[n++] = m.rd_Curvature[a][k];
    values[n++] = m.rd_Moment[a][k];
    values[n++] = m.rd_EI[a][k];
    values[n++] = m.rd_NADepth[a][k];
    if (model == k_Model_Pipe) {
        // the pipe's steel is sliced as casing steel
        values[n++] = m.rd_MaxCasingStress[a][k];
        return n;
    }
    values[n++] = m.rd_MaxCompStrain[a][k];
    values[n++] = m.rd_MaxTensStrain[a][k];
    values[n++] = m.rd_MaxConcreteStress[a][k];
    values[n++] = m.rd_MaxSteelStress[a][k];
    if (model == k_Model_Cased || model == k_Model_Cased_Core || model == k_Model_Micropile) {
        values[n++] = m.rd_MaxCasingStress[a][k];
    }
    if (model == k_Model_Cased_Core) values[n++] = m.rd_MaxCoreStress[a][k];
    return n;
}

// The text of warning 305 after a concrete curve that ran to its last point (the warning itself
// is recorded with the curve).
void Write_Curve_Points_Warning() {
    FortranRecord line = Text_With_Integer("Warning: ", k_Max_Curve_Points, " values were calculated for moment-curvature.");
    WriteLine("");
    WriteLine(line.text.data());
    WriteLine("This usually indicates that the pile is too weak or is under-reinforced, where all "
              "reinforcing steel has yielded.");
    WriteLine("");
    WriteLine("The input data should be examined and the amount of steel reinforcement should be "
              "increased if necessary.");
    WriteLine("");
}

// Opens the moment-curvature file of (s, a) when it has a name; null otherwise.
std::FILE* Open_MvsEI_File(int s, int a) {
    const AnalysisModel& m = g_Model;
    const int index = (s - 1) * m.i_NumThrusts + a;
    if (index < 1 || index > m.i_NumMvsEIFileNames || index > k_Max_MvsEI_Files) return nullptr;
    const char* name = m.MvsEIFileNames[index].data();
    if (name[0] == '\0') return nullptr;
    std::FILE* file = std::fopen(name, "w");
    if (file == nullptr) Note_Write_Failure(name, errno);
    return file;
}

// "Line 4"/"Line 5" records and moment-curvature files of the curves of section s; the files
// hold lb-in in US customary runs, as the hand-off tables' capacities.
void Write_Curve_Records(int s) {
    const AnalysisModel& m = g_Model;
    const double to_pound_units = Is_US() ? 1000.0 : 1.0;
    for (int a = 1; a <= m.i_NumThrusts; ++a) {
        const int n = m.i_NumCurvPoints[a];
        std::FILE* file = Open_MvsEI_File(s, a);
        Write_Line4_Record(k_Tables_Nonlinear, n, m.rd_Thrust[a], m.rd_NominalMomentCap[a], s);
        for (int k = 1; k <= n; ++k) {
            Write_Line5_Record(k_Tables_Nonlinear, m.rd_Moment[a][k], m.rd_EI[a][k], m.rd_Curvature[a][k], s, a, k);
            if (file != nullptr) {
                FortranRecord row;
                Start_Record(row);
                Append_E(row, m.rd_Moment[a][k] * to_pound_units, 15, 8);
                Append_E(row, m.rd_Curvature[a][k], 15, 8);
                Write_Record(file, row);
            }
        }
        if (file != nullptr) Close_Output_File(file, m.MvsEIFileNames[(s - 1) * m.i_NumThrusts + a].data());
    }
}

}  // namespace

double Edge_To_Edge_Bar_Spacing(int s) {
    const AnalysisModel& m = g_Model;
    const int g = m.i_BarsPerGroup[s];
    const int next = 1 + g;   // first bar of the second group
    if (m.b_RebarInCircle[s] == 0 || m.i_NumBarGroups[s] < 2 || g < 1 || next > m.NumBars[s] || next > k_Max_Bars) {
        return 0.0;
    }
    // the cage offset moves every bar alike, so the input positions give the distance
    const double dx = m.BarX[next][s] - m.BarX[1][s];
    const double dy = m.BarY[next][s] - m.BarY[1][s];
    return std::sqrt(dx * dx + dy * dy) - m.BarDiameter[1][s];
}

void Write_Section_Block(int s) {
    switch (g_Model.SectionType[s]) {
        case k_Section_Rectangular: Write_Rectangular_Block(s); break;
        case k_Section_Shaft: Write_Drilled_Shaft_Block(s); break;
        case k_Section_Cased: Write_Cased_Shaft_Block(s); break;
        case k_Section_Cased_Core: Write_Cased_Core_Block(s); break;
        case k_Section_Pipe: Write_Pipe_Block(s); break;
        case 5: case 6: case 7: case 8: case 9: case 10: Write_Prestressed_Block(s); break;
        case k_Section_Micropile: Write_Micropile_Block(s); break;
        default: break;
    }
}

void Write_Section_Details(int s) {
    switch (g_Model.SectionType[s]) {
        case k_Section_Rectangular: Write_Rectangular_Bar_Details(s); break;
        case k_Section_Shaft: case k_Section_Cased: case k_Section_Cased_Core: WriteBarTable(s); break;
        case 5: case 6: case 7: case 8: case 9: case 10: WriteStrandDetails(s); break;
        case k_Section_Micropile:
            if (g_Model.NumBars[s] > 0) WriteBarTable(s);
            break;
        default: break;   // the pipe has no bars
    }
}

void WriteBarTable(int s) {
    const AnalysisModel& m = g_Model;
    WriteLine("");
    WriteLine("Reinforcing Bar Dimensions and Positions Used in Computations:");
    WriteLine("     Bar          Bar Diam.      Bar Area          X              Y     ");
    WriteLine(Is_SI() ? "    Number         meters         sq. m.         meters         meters  "
                      : "    Number         inches         sq. in.        inches         inches  ");
    WriteLine("  ----------     ----------     ----------     ----------     ----------");
    for (int j = 1; j <= m.NumBars[s] && j <= k_Max_Bars; ++j) {
        WriteInteger(j, 12);
        const double values[] = {m.BarDiameter[j][s], m.BarArea[j][s], m.BarX[j][s], Bar_Y(s, j)};
        for (double x : values) {
            WriteBlanks(3);
            WriteNumber(x, 12);
        }
        EndLine();
    }
}

void WriteStrandDetails(int s) {
    AnalysisModel& m = g_Model;
    m.i_ReinforcementLaw = Reinforcement_Law_Of(s);
    WriteLine("");
    WriteLine("Prestressing Strand Details:");
    WriteLine("----------------------------");
    WriteLine("");
    static constexpr const char* k_Strand_Type_Texts[] = {
        "=    PCI 250", "=    PCI 270", "=    PCI 300",
        "= Smooth 145 ksi bars", "= Smooth 160 ksi bars", "= Deformed bars (150-160 ksi)"};
    const int type = m.i_StrandType[s];
    if (type >= 0 && type <= 5) Text_Line("Strand Type", k_Strand_Type_Texts[type]);
    // fpu is kept in psi whatever the unit system
    const double fpu_ksi = m.StrandFpu[s] / 1000.0;
    Write_Property_Line("Yield Stress, fpu", Is_SI() ? fpu_ksi * k_Ksi_To_KPa : fpu_ksi, 0, m.c_LabelStress);
    // the equations are report texts, misspelling included; the laws computed are materials'
    switch (m.i_ReinforcementLaw) {
        case 4:
            WriteLine("Stress-strain curve for reinforcement defined using PCI 250 Lo-lax equation");
            WriteLine("If eps > 0.008, fps = 248 - 0.058/(eps-0.006) < 0.98 fpu (ksi)");
            break;
        case 5:
            WriteLine("Stress-strain curve for reinforcement defined ssing PCI 270 Lo-lax equation");
            WriteLine("If eps > 0.008 fpu = 268 - 0.075/(eps-0.0065) < 0.98 fpu (ksi)");
            break;
        case 6:
            WriteLine("Stress-strain curve for reinforcement defined using grade 300 equation");
            WriteLine("If eps > 0.0088846 fpu = 300.0-(0.0835/(eps-0.0071))) < 300 (ksi)");
            break;
        default:
            break;
    }
    Count_Line("Number of Reinforcing Strands", m.NumBars[s]);
    Write_Property_Line("Cross-sectional Area of Single Strand", m.BarArea[1][s], Is_SI() ? 7 : 3, m.c_LabelArea);
    Write_Property_Line("Concrete Cover Thickness Over Strands", m.CoverThickness[s], Is_SI() ? 5 : 3, m.c_LabelLength);

    WriteLine("");
    WriteLine("Prestressing Strand Geometry:");
    WriteLine("-----------------------------");
    WriteLine("Strand     Diameter       Area            X             Y");
    FortranRecord units;
    Start_Record(units);
    Append_Text(units, "  No.");
    // each unit under its column's heading word; the area is "Sq. " and the length unit
    char area_unit[16];
    const char* length = m.c_LabelLength;
    while (*length == ' ') ++length;
    std::strcpy(area_unit, "Sq. ");
    std::strncat(area_unit, length, sizeof area_unit - std::strlen(area_unit) - 1);
    Tab_To(units, 12);
    Append_Trimmed(units, length);
    Tab_To(units, 26);
    Append_Trimmed(units, area_unit);
    Tab_To(units, 42);
    Append_Trimmed(units, length);
    Tab_To(units, 56);
    Append_Trimmed(units, length);
    WriteLine(units.text.data());
    WriteLine("------    ---------    ----------    ----------    ----------");
    for (int j = 1; j <= m.NumBars[s] && j <= k_Max_Bars; ++j) {
        WriteInteger(j, 6);
        WriteBlanks(3);
        WriteNumber(m.BarDiameter[j][s], 10);
        const double values[] = {m.BarArea[j][s], m.BarX[j][s], Bar_Y(s, j)};
        for (double x : values) {
            WriteBlanks(3);
            WriteNumber(x, 11);
        }
        EndLine();
    }
}

void WriteConcreteProperties() {
    const AnalysisModel& m = g_Model;
    if (m.i_SectionModel == k_Model_Micropile) {
        // the grout follows the concrete law; it has no coarse aggregate
        WriteLine("");
        WriteLine("Grout Properties:");
        WriteLine("-----------------");
        Number_Line("Compressive Strength of Grout", m.rd_fc, m.c_LabelStress);
        Number_Line("Modulus of Elasticity of Grout", m.rd_Ec, m.c_LabelStress);
        Number_Line("Modulus of Rupture of Grout", m.rd_ft, m.c_LabelStress);
        Number_Line("Compression Strain at Peak Stress", m.rd_Eps0, "");
        Number_Line("Tensile Strain at Fracture of Grout", m.rd_EpsT, "");
        return;
    }
    WriteLine("");
    WriteLine("Concrete Properties:");
    WriteLine("--------------------");
    if (m.i_ConcreteModel != 2) return;
    Number_Line("Compressive Strength of Concrete", m.rd_fc, m.c_LabelStress);
    Number_Line("Modulus of Elasticity of Concrete", m.rd_Ec, m.c_LabelStress);
    Number_Line(m.b_Prestressed != 0 ? "Modulus of Rupture of Prestressed Concrete" : "Modulus of Rupture of Concrete",
                m.rd_ft, m.c_LabelStress);
    Number_Line("Compression Strain at Peak Stress", m.rd_Eps0, "");
    Number_Line("Tensile Strain at Fracture of Concrete", m.rd_EpsT, "");
    Number_Line("Maximum Coarse Aggregate Size", m.AggregateSize[m.i_CurrentSection], m.c_LabelLength);
}

void WriteRunMessageDefinitions() {
    if (g_Model.i_SectionModel == k_Model_Pipe) {
        WriteLine("");
        WriteLine("Definition of Run Messages:");
        WriteLine("");
        WriteLine("   Y = part of pipe section has yielded.");
        return;
    }
    // the texts are the report's own, "more than than" and trailing blanks included
    static constexpr const char* k_Lines[] = {
        "",
        "Definitions of Run Messages and Notes:",
        "--------------------------------------",
        "",
        "   C = concrete in section has cracked in tension.",
        "   Y = stress in reinforcing steel has reached yield stress.",
        "   T = ACI 318-08 criteria for tension-controlled section met, tensile strain in ",
        "       reinforcement exceeds 0.005 while simultaneously compressive strain in ",
        "       concrete more than than 0.003. See ACI 318-08, Section 10.3.4.",
        "   Z = depth of tensile zone in concrete section is less than 10 percent of section depth.",
        "",
        "Bending Stiffness (EI) = Computed Bending Moment / Curvature.",
        "Position of neutral axis is measured from edge of compression side of pile.",
        "Compressive stresses and strains are positive in sign.",
        "Tensile stresses and strains are negative in sign.",
    };
    for (const char* line : k_Lines) WriteLine(line);
}

void WriteCurveTable(int a) {
    const AnalysisModel& m = g_Model;
    WriteLine("");
    WriteLine("");
    FortranRecord thrust = Text_With_F("Axial Thrust Force = ", m.rd_Thrust[a], 10, 3);
    Append_Trimmed(thrust, m.c_LabelForce);
    WriteLine(thrust.text.data());
    WriteLine("");
    // general units have no unit texts to head the columns with
    if (Is_US() || Is_SI()) Write_Curve_Heading();
    for (int k = 1; k <= m.i_NumCurvPoints[a] && k <= k_Max_Curve_Points; ++k) {
        double values[10];
        const int n = Curve_Row(a, k, values);
        FortranRecord row;
        Start_Record(row);
        for (int i = 0; i < n; ++i) Append_Text(row, Format_Number(values[i], k_Column_Width).text.data());
        Append_X(row, 2);
        char message[4];
        std::memcpy(message, m.c_RunMsg[a][k].data(), 3);
        for (char& c : message) {
            if (c == '\0') c = ' ';   // a point without messages shows blanks
        }
        message[3] = '\0';
        Append_Text(row, message);
        WriteLine(row.text.data());
    }
}

void Analyze_Moment_Curvature(int s) {
    const AnalysisModel& m = g_Model;
    Initialize_EI_Vars(s);
    if (m.ErrorStatus != 0) return;
    const bool pipe = m.i_SectionModel == k_Model_Pipe;
    if (!pipe) WriteConcreteProperties();
    BuildThrustList();
    if (m.ErrorStatus != 0) return;
    WriteThrustList(s);
    WriteRunMessageDefinitions();
    CurveSeries series = Start_Curve_Series(s);
    for (int a = 1; a <= m.i_NumThrusts; ++a) {
        ComputeThrustCurve(a, series);
        if (m.ErrorStatus != 0) return;
        WriteCurveTable(a);
        if (!pipe && m.i_NumCurvPoints[a] >= k_Max_Curve_Points) Write_Curve_Points_Warning();
    }
    Finish_Curve_Series(s, series);
    if (m.ErrorStatus != 0) return;
    KeepMomentCapacities(s);
    Write_Curve_Records(s);
    WriteCapacitySummary(s);
}

void AnalyzeSection(int s) {
    AnalysisModel& m = g_Model;
    m.i_NumSlices = k_Num_Slices;
    m.i_MaxCurvPoints = k_Max_Curve_Points;
    m.b_PrestressReported = 0;   // the prestress block is written once for this section
    m.i_CurrentSection = s;

    const int type = m.SectionType[s];
    const bool sliced = Section_Model_Of(s) != k_Model_None;
    if (sliced) {
        Setup_Section_Values(s);
        if (m.ErrorStatus > 0) return;
        Check_Section_Data(s);
        if (m.ErrorStatus > 0) return;
    } else {
        m.i_SectionModel = k_Model_None;   // no stale model of the section before
    }
    Set_Section_Unit_Labels();

    if (sliced) {
        Write_Section_Block(s);
        if (m.ErrorStatus > 0) return;
        // Computed only now: the cracking load resets the concrete constants, and the rectangular
        // block shows the modulus of rupture of the material setup.
        ComputeAxialCapacity();
        ComputeTensileCapacity();
        WriteAxialCapacities(s);
        Write_Section_Details(s);
    }

    // the section's thrust list starts from the run's
    m.i_NumThrusts = m.i_NumTableThrusts;
    for (int t = 1; t <= m.i_NumTableThrusts; ++t) m.rd_Thrust[t] = m.rd_TableThrust[t];

    switch (type) {
        case k_Section_Elastic: FillElasticTables(s); break;
        case k_Section_Elastic_Plastic: FillElasticPlasticTables(s); break;
        case k_Section_User_EI: FillUserEITables(s); break;
        default:
            if (!sliced) break;
            Analyze_Moment_Curvature(s);
            break;
    }
}
