// ReadSections: section records, section depths along the pile, PileLength and the section
// property table. Section lengths stay in feet (US customary) until the one-time conversion after
// the echo; dimensions are inches or, in SI runs, millimeters stored as meters. The materials and
// elastic properties are read by section_materials and elastic_sections.
//
// SECTIONS: count, then per section: section number, type code, dimension lines (one value per
// line, by type), then the sub-sections of the type (concrete and rebar, concrete and strands,
// elastic, elastic-plastic) or, for type 13, the M-EI table. A micropile (type 14) has no
// sub-sections: its grout, casing and central bar are dimension lines of their own.
#include "input/sections.h"

#include <cstdio>

#include "engine/errors.h"
#include "engine/messages.h"
#include "input/elastic_sections.h"
#include "input/input_errors.h"
#include "input/line_reader.h"
#include "input/section_materials.h"
#include "input/si_input.h"
#include "model/model.h"

namespace {

constexpr double k_Quarter_Pi = 0.7853981633974483;       // pi / 4
constexpr double k_Pi_Over_64 = 0.04908738521234052;      // pi / 64
constexpr int k_Void_Core_Code = -3;                      // casing with a void core, stored as 3

// Reads lengths (converted from millimeters in SI runs) one per line into the given fields.
bool Read_Lengths(std::initializer_list<double*> fields) {
    for (double* f : fields) {
        if (!Read_Real_Value(*f)) return false;
        *f = Input_Length(*f);
    }
    return true;
}

// The M-EI table of a type 13 section: thrust count, then per thrust its value, its point count
// and per point a moment line and a bending stiffness line. Values are used as input.
void Read_MEI_Table(int s) {
    AnalysisModel& m = g_Model;
    char what[96];
    std::snprintf(what, sizeof what, "M-EI thrusts of section %d", s);
    if (!Read_Checked_Count(m.i_NumMEIThrusts[s], what, k_Max_MEI_Thrusts)) return;
    const int thrusts = m.i_NumMEIThrusts[s];
    for (int b = 1; b <= thrusts; ++b) {
        if (!Read_Real_Value(m.MEIThrust[b][s])) return;
        std::snprintf(what, sizeof what, "M-EI points for thrust %d of section %d", b, s);
        if (!Read_Checked_Count(m.i_NumMEIPoints[b][s], what, k_Max_MEI_Points)) return;
        const int points = m.i_NumMEIPoints[b][s];
        for (int p = 1; p <= points; ++p) {
            if (!Read_Real_Value(m.MEIMoment[p][b][s])) return;
            if (!Read_Real_Value(m.MEIStiffness[p][b][s])) return;
        }
    }
}

// The one Solution line of every micropile line that holds no number: a file written when type 14
// read its length alone runs into the next section's or keyword's line here.
constexpr const char* k_Micropile_Lines_Solution =
    "Solution: After its length a micropile section needs one line each for its hole diameter, grout "
    "compressive strength, casing outside diameter, casing wall thickness, casing yield stress, casing "
    "modulus, bar diameter, bar yield stress and bar modulus (a casing wall or bar diameter of 0 "
    "leaves the casing or the bar out).";

// Micropile (type 14) lines after the length, into the fields of the other round sections: the
// hole is the section diameter, the grout its concrete, the casing the cased shaft's casing with
// its own outside diameter, the central bar the section's one bar.
//   hole diameter | grout f'c | casing outside diameter | casing wall | casing fy | casing E |
//   bar diameter | bar fy | bar E
void Read_Micropile(int s) {
    AnalysisModel& m = g_Model;
    struct Line {
        double* field;
        bool length;        // mm to m in SI runs
        const char* what;
    };
    const Line lines[] = {
        {&m.SectionDiameter[s], true, "the hole diameter"},
        {&m.ConcreteStrength[s], false, "the grout compressive strength"},
        {&m.rd_CasingDiameter[s], true, "the casing outside diameter"},
        {&m.CasingThickness[s], true, "the casing wall thickness"},
        {&m.CasingYieldStress[s], false, "the casing yield stress"},
        {&m.CasingModulus[s], false, "the casing modulus"},
        {&m.BarDiameter[1][s], true, "the bar diameter"},
        {&m.RebarYieldStress[s], false, "the bar yield stress"},
        {&m.ReinforcementModulus[s], false, "the bar modulus"},
    };
    for (const Line& l : lines) {
        char what[96];
        std::snprintf(what, sizeof what, "%s of micropile section %d", l.what, s);
        if (!Read_Named_Real_Value(*l.field, what, k_Micropile_Lines_Solution)) return;
        if (l.length) *l.field = Input_Length(*l.field);
    }
    // The central bar is the section's one bar at the centre, so that the slicing, the steel law,
    // the capacities and the bar tables of the other sections serve it unchanged.
    const double d = m.BarDiameter[1][s];
    m.NumBars[s] = d > 0.0 ? 1 : 0;
    m.BarArea[1][s] = d > 0.0 ? k_Quarter_Pi * d * d : 0.0;
    m.BarX[1][s] = 0.0;
    m.BarY[1][s] = 0.0;
}

// Dimension lines of section s by its input type code.
void Read_Dimensions(int s, int code) {
    AnalysisModel& m = g_Model;
    if (!Read_Real_Value(m.SectionLength[s])) return;
    double& D = m.SectionDiameter[s];
    switch (code) {
        case 0:
            // The depth of a rectangular pile is kept in the diameter field; its width is D of
            // the property table.
            Read_Lengths({&D, &m.SectionWidth[s]});
            break;
        case 1:
        case 5:
        case 9:
            Read_Lengths({&D});
            break;
        case 2:
            if (!Read_Lengths({&D, &m.CasingThickness[s]})) return;
            if (!Read_Real_Value(m.CasingYieldStress[s])) return;
            Read_Real_Value(m.CasingModulus[s]);
            break;
        case 3:
        case k_Void_Core_Code:
            if (!Read_Lengths({&D, &m.CasingThickness[s]})) return;
            if (!Read_Real_Value(m.CasingYieldStress[s])) return;
            if (!Read_Real_Value(m.CasingModulus[s])) return;
            if (!Read_Lengths({&m.CoreDiameter[s], &m.CoreThickness[s]})) return;
            if (!Read_Real_Value(m.CoreYieldStress[s])) return;
            Read_Real_Value(m.CoreModulus[s]);
            break;
        case 4:
            if (!Read_Lengths({&D, &m.PipeThickness[s]})) return;
            if (!Read_Real_Value(m.PipeYieldStress[s])) return;
            Read_Real_Value(m.PipeModulus[s]);
            break;
        case 6:
        case 10:
            Read_Lengths({&D, &m.VoidDiameter[s]});
            break;
        case 7:
            Read_Lengths({&D, &m.ChamferWidth[s]});
            break;
        case 8:
            Read_Lengths({&D, &m.VoidDiameter[s], &m.ChamferWidth[s]});
            break;
        case 13:
            if (!Read_Lengths({&D})) return;
            Read_MEI_Table(s);
            break;
        case 14:
            Read_Micropile(s);
            break;
        default:
            // Types 11 and 12 take everything from their sub-reader.
            break;
    }
}

// Depths of the section's ends, PileLength and the depths of its two table points.
void Set_Section_Depths(int s) {
    AnalysisModel& m = g_Model;
    m.XSectionTop[s] = m.PileLength;
    m.PileLength += m.SectionLength[s];
    m.XSectionBottom[s] = m.PileLength;
    m.XSectionPoint[2 * s - 1] = m.XSectionTop[s];
    m.XSectionPoint[2 * s] = m.XSectionBottom[s];
}

// D of the property table for the concrete, pipe, M-EI and micropile types (the micropile's is
// its hole, which the soil bears on); the steel pipe also has its E, A and I there. Elastic types
// fill their rows in their sub-readers.
void Set_Table_Properties(int s, int code) {
    AnalysisModel& m = g_Model;
    const int top = 2 * s - 1;
    const int bottom = 2 * s;
    const double D = code == 0 ? m.SectionWidth[s] : m.SectionDiameter[s];
    m.SectionPointD[top] = m.SectionPointD[bottom] = D;
    if (code != 4) return;
    const double t = m.PipeThickness[s];
    const double Di = D - 2.0 * t;
    const double A = k_Quarter_Pi * (D * D - Di * Di);
    const double I = k_Pi_Over_64 * (D * D * D * D - Di * Di * Di * Di);
    m.SectionPointA[top] = m.SectionPointA[bottom] = A;
    m.SectionPointI[top] = m.SectionPointI[bottom] = I;
    m.SectionPointE[top] = m.SectionPointE[bottom] = m.PipeModulus[s];
}

bool Is_Section_Code(int code) { return code == k_Void_Core_Code || (code >= 0 && code <= 14); }

// The sub-sections of the type, in their order.
void Read_Sub_Sections(int s, int code) {
    switch (code) {
        case 0:
        case 1:
        case 2:
        case 3:
        case k_Void_Core_Code:
            ReadConcrete(s);
            if (g_Model.ErrorStatus != 0) return;
            ReadRebar(s);
            break;
        case 5:
        case 6:
        case 7:
        case 8:
        case 9:
        case 10:
            ReadConcrete(s);
            if (g_Model.ErrorStatus != 0) return;
            ReadStrands(s);
            break;
        case 11:
            ReadElasticSection(s);
            break;
        case 12:
            ReadElasticPlasticSection(s);
            break;
        default:
            break;
    }
}

void Read_Section(int s) {
    AnalysisModel& m = g_Model;
    char line[128];
    std::snprintf(line, sizeof line, "Reading section properties for Section %d", s);
    Write_Message_Line(line);
    int number = 0;
    if (!Read_Int_Value(number)) return;
    // where the section's data begins, for the errors its checks find after the reading
    m.i_SectionInputLine[s] = m.i_InputLineNumber;
    if (number != s) {
        std::snprintf(line, sizeof line, "Expecting section number %d, but section number %d was found",
                      s, number);
        Write_Report_Lines({"SECTION DATA OUT-OF-ORDER", line});
        char problem[2 * k_Name_Length];
        std::snprintf(problem, sizeof problem,
                      "Problem:  Line %d of the input data file gives section number %d where the data of "
                      "section %d begins.",
                      g_Model.i_InputLineNumber, number, s);
        Raise_Input_Error_95(problem, "Solution: Number the sections 1, 2, ... in order, each with all its lines.");
        return;
    }
    int code = m.SectionType[s];
    if (!Read_Int_Value(code)) return;
    if (!Is_Section_Code(code)) {
        Raise_Code_Out_Of_Range({"Section", "section", "section type code",
                                 "valid codes -3 and 0 to 14", "of -3 or 0 to 14"},
                                s, code);
        return;
    }
    m.SectionType[s] = code == k_Void_Core_Code ? 3 : code;
    m.b_FillCoreWithConcrete[s] = code == 3 ? -1 : 0;
    Read_Dimensions(s, code);
    if (m.ErrorStatus != 0) return;
    Set_Section_Depths(s);
    if (code != 11 && code != 12) Set_Table_Properties(s, code);
    Read_Sub_Sections(s, code);
}

}  // namespace

void ReadSections() {
    AnalysisModel& m = g_Model;
    int n = m.NumSections;
    if (!Read_Int_Value(n)) return;
    m.PileLength = 0.0;
    if (n <= 0) {
        m.NumSections = 0;
        m.NumSectionPoints = 0;
        return;
    }
    if (!Check_Count("pile sections", n, 0, k_Max_Sections)) return;
    m.NumSections = n;
    m.NumSectionPoints = 2 * n;
    Read_Entries(n, Read_Section);
}
