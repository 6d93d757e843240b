// The results report of one load case and its node records in the plot output file, written from
// the results the solver completed (solver/case_results): node responses, maxima, equilibrium and
// the kept values. Numbers of the report go through report/number_writer (table and summary) or
// report/fortran_format (the fixed-format pile-head block); the records' layouts are
// report/plot_file's.
#include "report/load_case_results.h"

#include <cmath>
#include <cstring>
#include <string>

#include "engine/messages.h"
#include "model/model.h"
#include "model/section_types.h"
#include "model/units.h"
#include "report/fortran_format.h"
#include "report/equilibrium_report.h"
#include "report/number_writer.h"
#include "report/plot_file.h"

namespace {

constexpr const char* k_Dash_Line_80 =
    "--------------------------------------------------------------------------------";
constexpr double k_Written_As_Zero = 1e-20;    // response values below it print as 0
constexpr int k_Equals_Column = 56;            // "= " of the pile-head condition block

bool US_Units() { return g_Model.IUNITS == k_Units_US; }

double Zero_If_Tiny(double x) { return std::fabs(x) < k_Written_As_Zero ? 0.0 : x; }

// Heading framed by dashes; an LRFD run names the combination inside the frame.
void Write_Heading(int lc) {
    const AnalysisModel& m = g_Model;
    WriteLine("");
    WriteLine("");
    WriteLine(k_Dash_Line_80);
    FortranRecord line;
    Start_Record(line);
    Append_X(line, 17);
    Append_Text(line, "Computed Values of Pile Loading and Deflection");
    WriteLine(line.text.data());
    Start_Record(line);
    if (m.b_UseLRFD != 0) {
        Append_X(line, 17);
        Append_Text(line, "for Lateral Loading for LRFD Load Case Number ");
        Append_I(line, lc, 0);
        WriteLine(line.text.data());
        WriteLine("");
        Start_Record(line);
        Append_Text(line, "Load Case No. ");
        Append_I(line, lc, 0);
        Append_Text(line, ":  ");
        Append_Text(line, m.LrfdCombinationName[lc].data());
        WriteLine(line.text.data());
        WriteLine("");
    } else {
        Append_X(line, 19);
        Append_Text(line, "for Lateral Loading for Load Case Number ");
        Append_I(line, lc, 0);
        WriteLine(line.text.data());
    }
    WriteLine(k_Dash_Line_80);
}

// One line of the pile-head condition block: label, "= " at its column, value, unit text.
enum class Form { F, E };
struct HeadLine {
    const char* label;
    double value;
    Form form;
    int decimals;
    const char* unit_us;
    const char* unit_si;
};

void Write_Head_Line(const HeadLine& h) {
    FortranRecord line;
    Start_Record(line);
    Append_Text(line, h.label);
    Tab_To(line, k_Equals_Column);
    Append_Text(line, "= ");
    if (h.form == Form::F) Append_F(line, h.value, 15, h.decimals);
    else Append_E(line, h.value, 15, h.decimals);
    Append_Text(line, US_Units() ? h.unit_us : h.unit_si);
    WriteLine(line.text.data());
}

// The pile-head condition the load case was solved for: per loading type its title and its
// two conditions with the axial load, then what follows them (types 1 and 2 only).
void Write_Head_Condition() {
    const AnalysisModel& m = g_Model;
    const double Q = m.AxialThrust;
    struct HeadBlock {
        const char* title;
        HeadLine lines[3];
    };
    const HeadLine shear = {"Shear force at pile head", m.HeadShear, Form::F, 3, " lbs", " kN"};
    const HeadLine displacement = {"Displacement of pile head", m.HeadDeflection, Form::F, 6,
                                   " inches", " meters"};
    const HeadLine axial = {"Axial load at pile head ", Q, Form::F, 3, " lbs", " kN"};
    const HeadBlock blocks[] = {
        {"Pile-head conditions are Shear and Moment (Loading Type 1)",
         {shear,
          {"Applied moment at pile head        ", m.HeadMoment, Form::F, 3, " in-lbs", " kN-m"},
          {"Axial thrust load on pile head     ", Q, Form::F, 3, " lbs", " kN"}}},
        {"Pile-head conditions are Shear and Pile-head Rotation (Loading Type 2)",
         {shear, {"Rotation of pile head   ", m.HeadSlope, Form::E, 3, " radians", " radians"},
          axial}},
        // the shear of this type has always been labelled in "lb"
        {"Pile-head conditions are Shear and Rotational Stiffness (Loading Type 3)",
         {{"Shear force at pile head", m.HeadShear, Form::F, 3, " lb", " kN"},
          {"Rotational stiffness    ", m.HeadRotStiffness, Form::F, 3, " in-lb/rad", " kN-m/rad"},
          axial}},
        {"Pile-head conditions are Displacement and Moment (Loading Type 4)",
         {displacement, {"Moment at pile head      ", m.HeadMoment, Form::F, 3, " in-lbs", " kN-m"},
          {"Axial load at pile head  ", Q, Form::F, 3, " lbs", " kN"}}},
        {"Pile-head conditions are Displacement and Pile-head Rotation (Loading Type 5)",
         {displacement,
          {"Rotation of pile head    ", m.HeadSlope, Form::E, 3, " radians", " radians"},
          {"Axial load on pile head  ", Q, Form::F, 3, " lbs", " kN"}}},
    };
    // any other type is reported as type 5
    const int type = m.i_HeadLoadType >= 1 && m.i_HeadLoadType <= 4 ? m.i_HeadLoadType : 5;
    const HeadBlock& block = blocks[type - 1];
    WriteLine(block.title);
    for (const HeadLine& line : block.lines) Write_Head_Line(line);
    if (type == 1) WriteLine("");
    if (type == 2) {
        // "does indicates" is the report's established wording
        WriteLine(std::fabs(m.HeadSlope) < 1e-10
                      ? "(Zero slope for this load indicates fixed-head conditions)"
                      : "(Non-zero slope for this load does indicates rotated pile-head "
                        "condition)");
    }
}

void Write_Table_Heading() {
    WriteLine("   Depth    Deflect.    Bending    Shear       Slope      Total    Bending   "
              "Soil Res.  Soil Spr.   Distrib. ");
    WriteLine("     X         y        Moment     Force         S       Stress   Stiffness      "
              "p         Es*h    Lat. Load ");
    WriteLine(US_Units()
                  ? "   feet      inches     in-lbs      lbs       radians     psi*      lb-in^2    "
                    "lb/in      lb/inch    lb/inch "
                  : "   meters    meters      kN-m       kN        radians     kPa*      kN-m^2     "
                    "kN/m        kN/m      kN/m    ");
    for (int g = 0; g < 10; ++g) {
        if (g > 0) WriteBlanks(1);
        WriteText10("----------");
    }
    EndLine();
}

// One printed row of node k.
void Write_Table_Row(int k, double y, double M, double V, double p) {
    const AnalysisModel& m = g_Model;
    const int N = m.NumNodes;
    const double depth = US_Units() ? m.XNode[k] / 12.0 : m.XNode[k];
    // the head and tip nodes carry half an increment of soil
    const double spring = m.Es_Node[k] * m.IncrementLength * (k == 1 || k == N ? 0.5 : 1.0);
    WriteNumber(depth, 10);
    const double values[9] = {y, M, V, m.rd_Slope_Node[k], m.rd_Stress_Node[k], m.EI_Node[k],
                              p, spring, m.W_Node[k]};
    for (double v : values) WriteNumber(v, 11);
    EndLine();
}

// The node records and, every printing increment, the printed rows.
void Write_Node_Responses(bool full_report) {
    const AnalysisModel& m = g_Model;
    const int N = m.NumNodes;
    // a printing increment below one would print no row after the head
    const int p_step = m.PrintIncrement >= 1 ? m.PrintIncrement : 1;
    for (int k = 1; k <= N; ++k) {
        const double y = Zero_If_Tiny(Y_Node(k));
        const double M = Zero_If_Tiny(m.rd_Moment_Node[k]);
        const double V = Zero_If_Tiny(m.rd_Shear_Node[k]);
        const double p = Zero_If_Tiny(m.rd_SoilReaction_Node[k]);
        if (m.b_StiffnessPass == 0) Write_Line10_Record(k, y, M, V, p);
        if (full_report && (k - 1) % p_step == 0) Write_Table_Row(k, y, M, V, p);
    }
}

void Write_Stress_Note() {
    const AnalysisModel& m = g_Model;
    bool all_elastic = true;
    for (int s = 1; s <= m.NumSections; ++s) {
        if (m.SectionType[s] != k_Section_Elastic) all_elastic = false;
    }
    WriteLine("");
    if (all_elastic) {
        WriteLine("* The above values of total stress are combined axial and bending stress. ");
        return;
    }
    WriteLine("* This analysis makes computations of pile response using nonlinear "
              "moment-curvature relationships. ");
    WriteLine("  The above values of total stress are computed for combined axial and bending "
              "stress in elastic ");
    WriteLine("  sections and do not equal actual stresses in concrete and steel in the range of "
              "nonlinear bending. ");
}

void Write_Output_Summary(int lc, int iterations, int zero_points) {
    const AnalysisModel& m = g_Model;
    WriteLine("");
    FortranRecord line = Text_With_Integer("Output Summary for Load Case No. ", lc, ":");
    WriteLine(line.text.data());
    WriteLine("");
    struct SummaryLine {
        const char* label;
        double value;
        const char* unit_us;
        const char* unit_si;
    };
    const SummaryLine numbers[] = {
        {"Pile-head deflection             = ", Y_Node(1), " inches", " meters"},
        {"Computed slope at pile head      = ", m.rd_HeadSlopeResult, " radians", " radians"},
        {"Maximum bending moment           = ", m.rd_MaxMoment, " inch-lbs", " kN-m"},
        {"Maximum shear force              = ", m.rd_MaxShear, " lbs", " kN"},
        {"Depth of maximum bending moment  = ", m.rd_XMaxMoment, " inches below pile head",
         " meters below pile head"},
        {"Depth of maximum shear force     = ", m.rd_XMaxShear, " inches below pile head",
         " meters below pile head"},
    };
    // label, number and unit share one line: the number's text comes from the number writer
    for (const SummaryLine& s : numbers) {
        Start_Record(line);
        Append_Text(line, s.label);
        Append_Text(line, Format_Number(s.value, 14).text.data());
        Append_Text(line, US_Units() ? s.unit_us : s.unit_si);
        WriteLine(line.text.data());
    }
    const struct {
        const char* label;
        int value;
    } counts[] = {{"Number of iterations             = ", iterations},
                  {"Number of zero deflection points = ", zero_points}};
    for (const auto& c : counts) {
        Start_Record(line);
        Append_Text(line, c.label);
        Append_I(line, c.value, 14);
        WriteLine(line.text.data());
    }
    WriteLine("");
}

// A depth along the pile as the report's tables show it: feet in US customary runs.
double Shown_Depth(double x) { return US_Units() ? x / 12.0 : x; }

void Append_Depth_Range(FortranRecord& line, double top, double bottom) {
    Append_Text(line, "             from a depth of ");
    Append_Field_In_Sentence(line, Format_F(Shown_Depth(top), 20, 3));
    Append_Text(line, " to ");
    Append_Field_In_Sentence(line, Format_F(Shown_Depth(bottom), 20, 3));
    Append_Text(line, US_Units() ? " ft" : " m");
}

// The warnings of a case whose pile is loaded past its structure, after its results, so that
// the user reading them cannot miss them; the summary of warnings counts them again.
void Write_Structural_Warnings(int lc) {
    const AnalysisModel& m = g_Model;
    const char* what = m.b_UseLRFD != 0 ? "LRFD load combination " : "load case ";
    if (m.b_CaseOverCapacity[lc] != 0) {
        FortranRecord line = Text_With_Integer((std::string("Warning 410: In ") + what).c_str(), lc,
                                               " the bending moment exceeds the nominal moment capacity of section ");
        Append_I(line, m.i_CaseRatioSection[lc], 0);
        WriteLine("");
        WriteLine(line.text.data());
        Start_Record(line);
        Append_Depth_Range(line, m.rd_CaseOverCapacityTop[lc], m.rd_CaseOverCapacityBottom[lc]);
        Append_Text(line, ": largest moment / nominal capacity = ");
        Append_Field_In_Sentence(line, Format_F(m.rd_CaseMomentRatio[lc], 20, 3));
        Append_Text(line, ".");
        WriteLine(line.text.data());
    }
    if (m.b_CaseBeyondCurve[lc] != 0) {
        FortranRecord line = Text_With_Integer((std::string("Warning 411: In ") + what).c_str(), lc,
                                               " the curvature runs past the end of the moment-curvature table");
        WriteLine("");
        WriteLine(line.text.data());
        Start_Record(line);
        Append_Depth_Range(line, m.rd_CaseBeyondTop[lc], m.rd_CaseBeyondBottom[lc]);
        Append_Text(line, ": the bending stiffness there lies beyond the analysed curve.");
        WriteLine(line.text.data());
    }
}

}  // namespace

void WriteLoadCaseResults(int lc, int iterations) {
    const AnalysisModel& m = g_Model;
    // the stiffness series' cases are written as in summary-only mode, whatever the option says
    const bool full_report = m.b_PrintSummaryOnly == 0 && m.b_StiffnessPass == 0;
    if (full_report) Write_Heading(lc);
    // the stiffness series' cases are no load cases of the problem: no "Line 9" for them
    if (lc == 1 && m.b_StiffnessPass == 0) Write_Line9_Record();
    if (full_report) Write_Head_Condition();
    if (full_report && m.i_Analysis_Type >= 3) Write_Table_Heading();
    Write_Node_Responses(full_report);
    if (full_report && m.i_Analysis_Type == 3) Write_Stress_Note();
    if (m.NumNodes >= 2) Write_Equilibrium_Result();
    if (full_report) Write_Output_Summary(lc, iterations, m.i_CaseZeroDeflectionPoints[lc]);
    if (m.b_StiffnessPass == 0) Write_Structural_Warnings(lc);
}
