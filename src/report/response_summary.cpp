// Summary table of pile responses and its "Line 13" plot records. Every row is built as one
// record from the report's number forms (report/number_writer's Format_Number) and a Fortran
// F15.8 field for the rotation, then written as a line; the values were kept per load case by
// the results pass.
#include "report/response_summary.h"

#include <cassert>

#include "model/model.h"
#include "model/units.h"
#include "report/fortran_format.h"
#include "report/number_writer.h"
#include "report/plot_file.h"

namespace {

constexpr const char* k_Dash_Line_80 =
    "--------------------------------------------------------------------------------";

bool US_Units() { return g_Model.IUNITS == k_Units_US; }

// Text before condition 1 and label before condition 2, by pile-head load type.
struct TypeTexts {
    const char* type;
    const char* condition2;
};
constexpr TypeTexts k_Type_Texts[5 + 1] = {
    {"", ""},
    {"    1   V =", "  M ="},
    {"    2   V =", "  S ="},
    {"    3   V =", "  R ="},
    {"    4   y =", "  M ="},
    {"    5   y =", "  S ="},
};

constexpr const char* k_Rule =
    "----  ----  --------------  --------------  -------------  -------------  "
    "-------------  -------------  -------------";

// The LRFD heading: every row is a shear-and-moment case, so the columns name the factored
// loads. The SI unit line puts kN, kN-m and meters where the US line has its units.
void Write_Lrfd_Heading() {
    WriteLine("Load  Load      Pile-head     Pile-head         Axial        Pile-head       "
              "Maximum        Maximum       Pile-Head  ");
    WriteLine("Case  Type        Shear         Moment           Load        Deflection       "
              "Moment         Shear        Rotation    ");
    WriteLine(US_Units() ? " No.   No.         lbs          in-lbs           lbs          inches  "
                           "        in-lbs          lbs          radians   "
                         : " No.   No.         kN           kN-m             kN           meters  "
                           "        kN-m            kN           radians   ");
    WriteLine(k_Rule);
}

void Write_Heading() {
    const bool us = US_Units();
    const char* const top[] = {"", "", "", k_Dash_Line_80,
                               "                           Summary of Pile Response(s)",
                               k_Dash_Line_80, ""};
    for (const char* line : top) WriteLine(line);
    if (g_Model.b_UseLRFD != 0) {
        Write_Lrfd_Heading();
        return;
    }
    WriteLine("Definitions of Pile-head Loading Conditions:");
    WriteLine("");
    // the SI moment definition ends with a blank, as the report has always written it
    const char* const definitions_us[] = {
        "Load Type 1: Load 1 = Shear, lbs, and Load 2 = Moment, in-lbs",
        "Load Type 2: Load 1 = Shear, lbs, and Load 2 = Slope, radians",
        "Load Type 3: Load 1 = Shear, lbs, and Load 2 = Rotational Stiffness, in-lbs/radian",
        "Load Type 4: Load 1 = Top Deflection, inches, and Load 2 = Moment, in-lbs",
        "Load Type 5: Load 1 = Top Deflection, inches, and Load 2 = Slope, radians",
    };
    const char* const definitions_si[] = {
        "Load Type 1: Load 1 = Shear, kN, and Load 2 = Moment, kN-m ",
        "Load Type 2: Load 1 = Shear, kN, and Load 2 = Slope, radians",
        "Load Type 3: Load 1 = Shear, kN, and Load 2 = Rotational Stiffness, kN-m/radian",
        "Load Type 4: Load 1 = Top Deflection, m, and Load 2 = Moment, kN-m",
        "Load Type 5: Load 1 = Top Deflection, m, and Load 2 = Slope, radians",
    };
    for (const char* line : us ? definitions_us : definitions_si) WriteLine(line);
    WriteLine("");
    WriteLine("               Pile-head      Pile-head ");
    WriteLine("Load  Load    Condition 1    Condition 2        Axial        Pile-head       "
              "Maximum        Maximum       Pile-head  ");
    if (us) {
        WriteLine("Case  Type    V(lbs) or     in-lb, rad.,       Loading      Deflection       "
                  "Moment          Shear        Rotation   ");
        WriteLine(" No.   No.    y(inches)     or in-lb/rad.        lbs          inches         "
                  "in-lbs           lbs          radians   ");
    } else {
        WriteLine("Case  Type    V(kN) or       kN-m, rad.,       Loading      Deflection       "
                  "Moment          Shear        Rotation   ");
        WriteLine(" No.   No.    y(meters)      or kN-m/rad.        kN           meters          "
                  "kN-m            kN           radians   ");
    }
    WriteLine(k_Rule);
}

void Append_Number(FortranRecord& line, double x, int W) {
    Append_Text(line, Format_Number(x, W).text.data());
}

// One row: case, type and condition 1, condition 2, axial load, head deflection, largest moment,
// largest shear and head rotation.
void Write_Row(int lc) {
    const AnalysisModel& m = g_Model;
    const bool lrfd = m.b_UseLRFD != 0;
    const int type = lrfd ? 1 : m.LoadType[lc];
    assert(type >= 1 && type <= 5);
    FortranRecord line;
    Start_Record(line);
    Append_I(line, lc, 3);
    Append_Text(line, " ");
    Append_Text(line, k_Type_Texts[type].type);
    Append_Number(line, lrfd ? m.rd_LrfdShear[lc] : m.Load1[lc], 11);
    Append_Text(line, k_Type_Texts[type].condition2);
    Append_Number(line, lrfd ? m.rd_LrfdMoment[lc] : m.Load2[lc], 11);
    Append_Number(line, lrfd ? m.rd_LrfdThrust[lc] : m.AxialThrustLoad[lc], 15);
    Append_Number(line, m.rd_CaseHeadDeflection[lc], 15);
    Append_Number(line, m.rd_CaseMaxMoment[lc], 15);
    Append_X(line, 4);
    Append_Number(line, m.rd_CaseMaxShear[lc], 11);
    Append_F(line, m.rd_CaseHeadSlope[lc], 15, 8);
    WriteLine(line.text.data());
}

// The structural state of every case beside the summary, when some section has a nominal moment
// capacity: the largest ratio of moment to capacity and its section, and whether a curvature ran
// past the end of a moment-curvature table.
void Write_Structural_State(int cases) {
    const AnalysisModel& m = g_Model;
    const char* const heading[] = {
        "", "Maximum Moment against Nominal Moment Capacity:", "",
        "Load    Section    Max. Moment /       Curvature Past End of",
        "Case      No.      Nominal Capacity    Moment-Curvature Table",
        "----    -------    ----------------    ----------------------"};
    for (const char* line : heading) WriteLine(line);
    for (int lc = 1; lc <= cases; ++lc) {
        FortranRecord line;
        Start_Record(line);
        Append_I(line, lc, 4);
        if (m.i_CaseRatioSection[lc] == 0) {
            Append_Text(line, "          -            none");
        } else {
            Append_I(line, m.i_CaseRatioSection[lc], 11);
            Append_F(line, m.rd_CaseMomentRatio[lc], 20, 4);
        }
        Append_Text(line, m.b_CaseBeyondCurve[lc] != 0 ? "                 yes" : "                 no");
        if (m.b_CaseOverCapacity[lc] != 0) Append_Text(line, "    > capacity <");
        WriteLine(line.text.data());
    }
}

}  // namespace

void Write_Response_Summary() {
    const AnalysisModel& m = g_Model;
    if (m.b_StiffnessPass != 0) return;
    Write_Heading();
    const int cases = Analysed_Case_Count();
    for (int lc = 1; lc <= cases; ++lc) Write_Row(lc);
    if (m.b_AnyMomentCapacity != 0 && cases > 0) Write_Structural_State(cases);
    for (int lc = 1; lc <= cases; ++lc) Write_Line13_Record(lc);
}
