// The LRFD performance table and warning 400.
#include "lrfd/performance.h"

#include "engine/errors.h"
#include "model/capacities.h"
#include "model/model.h"
#include "model/section_types.h"
#include "pile/section_properties.h"
#include "report/fortran_format.h"
#include "report/number_writer.h"

namespace {

constexpr int k_Warning_Lrfd_Failure = 400;
constexpr const char* k_Not_Available = "    N/A   ";

constexpr const char* k_Dash_Line_80 =
    "--------------------------------------------------------------------------------";

void Append_Number(FortranRecord& r, double x) { Append_Text(r, Format_Number(x, 10).text.data()); }

void Write_Heading() {
    const char* const lines[] = {
        "", "", k_Dash_Line_80, "                   LRFD Performance by Load Case Combination",
        k_Dash_Line_80, "",
        "Load             Resistance    Factored      Maximum    Fact. Mom.    Pass/Fail     "
        "Maximum                           ",
        "Case   Section     Factor       Moment        Moment     Fraction     for LRFD    Shear "
        "For.    Pile-Top     Pile-Top ",
        " No.     No.     for Moment    Capacity     Developed    Mobilized     Moment      "
        "Developed   Deflection    Rotation ",
        "                              of Section   in Section   in Section   of Section   in "
        "Section    Developed    Developed   Name of Load Case Combination",
        "--- -------   ----------   ----------   ----------   ----------   ----------   "
        "----------   ----------   ----------      -----------------------------"};
    for (const char* line : lines) WriteLine(line);
}

// One row; returns true when the pair fails. The fields sit under their headings: three
// blanks between the columns, the name under its heading.
bool Write_Row(int c, int s) {
    const AnalysisModel& m = g_Model;
    const LrfdPerformance p = Lrfd_Performance_Of(c, s);
    FortranRecord r;
    Start_Record(r);
    Append_I(r, c, 3);
    Append_X(r, 1);
    Append_I(r, s, 7);
    Append_X(r, 3);
    Append_Number(r, m.PhiM[c]);
    Append_X(r, 3);
    if (!p.has_capacity) {
        Append_Text(r, k_Not_Available);
        Append_X(r, 3);
        Append_Number(r, p.max_moment);
        Append_X(r, 3);
        Append_Text(r, k_Not_Available);
        Append_X(r, 3);
        Append_Text(r, "    N/A      ");
    } else {
        Append_Number(r, p.capacity);
        Append_X(r, 3);
        Append_Number(r, p.max_moment);
        Append_X(r, 3);
        if (p.has_fraction) Append_F(r, p.fraction, 10, 4);
        else Append_Text(r, k_Not_Available);
        Append_X(r, 3);
        Append_Text(r, p.failed ? " > FAIL <    " : "   Pass      ");
    }
    Append_Number(r, p.max_shear);
    Append_X(r, 3);
    Append_Number(r, m.rd_CaseHeadDeflection[c]);
    Append_X(r, 3);
    Append_Number(r, m.rd_CaseHeadSlope[c]);
    Append_X(r, 6);
    Append_Trimmed(r, m.LrfdCombinationName[c].data());
    WriteLine(r.text.data());
    return p.failed;
}

}  // namespace

double Factored_Moment_Capacity(int c, int s, bool& has_capacity) {
    const AnalysisModel& m = g_Model;
    // a capacity that varies along the section is taken at the node of the largest moment
    const int k = m.i_SectionMaxMomentNode[s][c];
    const double x = k >= 1 && k <= m.NumNodes ? m.XNode[k] : m.XSectionTop[s];
    double capacity = 0.0;
    has_capacity = Nominal_Moment_Capacity_At(s, m.i_LrfdThrustIndex[c], x, capacity);
    return has_capacity ? m.PhiM[c] * capacity : 0.0;
}

LrfdPerformance Lrfd_Performance_Of(int c, int s) {
    const AnalysisModel& m = g_Model;
    LrfdPerformance p{};
    p.capacity = Factored_Moment_Capacity(c, s, p.has_capacity);
    p.max_moment = m.rd_SectionMaxMoment[s][c];
    p.max_shear = m.rd_SectionMaxShear[s][c];
    if (!p.has_capacity) return p;
    // A capacity of 0 or less leaves no fraction to show, and the section cannot pass.
    p.has_fraction = p.capacity > 0.0;
    if (p.has_fraction) p.fraction = p.max_moment / p.capacity;
    p.failed = !(p.capacity > 0.0 && p.capacity > p.max_moment);
    return p;
}

int WriteLrfdPerformance() {
    const AnalysisModel& m = g_Model;
    Write_Heading();
    int failures = 0;
    for (int c = 1; c <= m.NumLrfdCombinations && c <= k_Max_Lrfd_Combinations; ++c) {
        for (int s = 1; s <= m.NumSections && s <= k_Max_Sections; ++s) {
            if (!Write_Row(c, s)) continue;
            ++failures;
            RecordWarning(-k_Warning_Lrfd_Failure);
        }
    }
    WriteLine("");
    if (failures == 0) {
        WriteLine("All LRFD load combinations have passed for all pile sections.");
    } else {
        WriteLine(Text_With_Integer("", failures, " LRFD load combinations have failed.").text.data());
    }
    return failures;
}
