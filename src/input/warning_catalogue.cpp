// Standard warning texts and WriteWarningSummary. The texts are the system's own and are kept
// as they stand, misspellings ("uisng") and trailing blanks included, because users and tools
// compare reports against earlier ones.
#include "input/warning_catalogue.h"

#include <cstdio>

#include "engine/messages.h"
#include "input/plausibility.h"
#include "solver/case_results.h"
#include "solver/head_stiffness.h"
#include "model/model.h"
#include "py/piedmont.h"
#include "report/fortran_format.h"

namespace {

struct WarningText {
    int number;
    bool blank_before;      // an empty line before the heading
    const char* heading;    // nullptr: no heading and no empty line after it
    bool blank_after;       // an empty line after the last text line
    const char* lines[6];   // text lines, ended by nullptr
};

const WarningText k_Warning_Texts[] = {
    {302, true, "**** Warning ****", true,
     {"An unreasonable value was input for friction angle has been specified",
      "for a soil layer defined uisng the sand criteria.  The input value is",
      "either smaller than 20 degrees or higher than 48 degrees.  The input",
      "data should be checked for correctness.", nullptr}},
    {303, false, "**** Warning ****", true,
     {"An unreasonable value was input for friction angle has been specified for a",
      "soil layer defined uisng the API sand criteria.  The input value is either",
      "smaller than 20 degrees or higher than 48 degrees.  The input data should",
      "be checked for correctness.", nullptr}},
    {305, false, "***** Warning *****", false,
     {"Too many values were calculated for moment-curvature.",
      "This may indicate that the pile is too weak or is under-reinforced, ",
      "where all reinforcing steel has yielded.  You should examine your input ",
      "data and increase the amount of steel reinforcement if necessary.", nullptr}},
    {306, true, nullptr, true,
     {"Warning - Negative values of bending moment were computed in nonlinear EI computations.",
      "This may indicate that the pile is too weak or is under-reinforced and that all "
      "reinforcing steel ",
      "has yielded.",
      "You should examine your input data and increase the amount of steel reinforcement if "
      "necessary.",
      nullptr}},
    {308, true, "**** Warning ****", true,
     {"An unreasonable input value for uniaxial compressive strength has been ",
      "specified for a soil defined using the vuggy limestone criteria.",
      "The input value is outside of the range of 1,000 to 2,500 psi (6,895 to 17,237 kPa).",
      "You should check your input data for correctness.", nullptr}},
    {316, false, "***** Warning *****", true,
     {"The input value for k_rm used by the weak rock criteria is smaller than ",
      "0.00005.  This value is outside the recommended range of 0.00005 to 0.0005.",
      "You should check your input data for accuracy.", nullptr}},
    {317, false, "**** Warning - Possible Input Data Error ****", true,
     {"The input value for k_rm used by the weak rock criteria is ",
      "greater than 0.0005.  This value is outside the recommended ",
      "range of 0.00005 to 0.005.  You should check your input data", "for accuracy.", nullptr}},
    {354, true, "**** Warning - Possible Modelling Error ****", true,
     {"The depth of this liquefied sand layer is deeper than the recommended depth ",
      "limit of 6 meters for using the p-y criteria for liquefied sand.",
      "Please consult the Orvane Technical Manual for additional background ",
      "information regarding limitations on the use of the liquefied sand criteria.", nullptr}},
    {355, true, "**** Warning - Possible Design Error ****", true,
     {"Maximum moment capacity was reached at maximum compressive strains that are",
      "smaller than 0.003.  This usually indicates that the pile section is under-",
      "reinforced.  The user should carefully examine the moment-curve results to",
      "determine if additional reinforcement or higher prestressing force is needed",
      "to achieve the necessary moment capacity.", nullptr}},
    {k_Warning_Title_Cut, true, "**** Warning ****", true,
     {"A line of the problem title is longer than 256 characters.  Only its first",
      "256 characters are kept and shown in the report.", nullptr}},
    {k_Warning_Modifiers_Option_NO, true, "**** Warning ****", true,
     {"A table of p-y modification factors for group action was given although the",
      "analysis options say that p-y multipliers are not used (UsePYModifiers NO).",
      "The factors of the table are applied to the p-y curves all the same.", nullptr}},
    {k_Warning_Tip_Shear_Option_NO, true, "**** Warning ****", true,
     {"A shear resistance curve at the pile tip was given although the analysis options",
      "say that tip shear is not used (UseTipShear NO).  The curve acts at the pile tip",
      "all the same.", nullptr}},
    {k_Warning_Piedmont_General_Units, true, "**** Warning - Possible Modelling Error ****", true,
     {"A soil layer defined using the Piedmont residual soil criteria was analysed in",
      "general units.  The factors that turn field test values into the initial modulus",
      "exist only in US customary and SI units, so the layer offered no soil resistance.",
      "Select US customary or SI units for this soil profile.", nullptr}},
    {k_Warning_Piedmont_Test_Type, true, "**** Warning - Possible Input Data Error ****", true,
     {"A soil layer defined using the Piedmont residual soil criteria names a type of",
      "field test other than 1 (SPT), 2 (CPT), 3 (DMT) or 4 (PMT).  No initial modulus",
      "could be computed, so the layer offered no soil resistance.",
      "You should check your input data for correctness.", nullptr}},
    {k_Warning_Section_Dimension_Unit, true, "**** Warning - Possible Unit Error ****", true,
     {"The diameter or width of a pile section lies outside the range of real piles",
      "(10 mm to 10 m).  Section dimensions are in millimeters in SI files and in",
      "inches in US customary files: check the units of the section.", nullptr}},
    {k_Warning_Slenderness, true, "**** Warning - Possible Unit Error ****", true,
     {"The pile is more than 1,000 times as long as its smallest diameter or width.",
      "Pile lengths are in meters (SI) or feet (US customary); section dimensions are",
      "in millimeters or inches: check the units of the sections and the pile length.", nullptr}},
    {k_Warning_Unit_Weight_Unit, true, "**** Warning - Possible Unit Error ****", true,
     {"The effective unit weight of a soil layer lies outside the range of real soils.",
      "Unit weights are in kN/m3 in SI files and in pcf in US customary files: check",
      "the units of the soil layers.", nullptr}},
    {k_Warning_Cohesion_Unit, true, "**** Warning - Possible Unit Error ****", true,
     {"The shear strength of a clay layer lies outside the range of real clays.",
      "Shear strengths are in kPa in SI files and in psf in US customary files: check",
      "the units of the soil layers.", nullptr}},
    {400, true, "**** Warning - Failure for One or More LRFD Load Cases ****", false,
     {"This warning message is provided to alert the user that one or more of ",
      "LRFD load cases has overloaded the structural capacity of the pile.", nullptr}},
    {k_Warning_Over_Capacity, true, "**** Warning - Structural Capacity Exceeded ****", true,
     {"The bending moment of one or more load cases exceeds the nominal moment capacity",
      "of the pile section where it acts.  The results of these load cases are those of",
      "a pile loaded past its structural capacity: see the warning after each load",
      "case's results for its depths and the ratio of moment to capacity.", nullptr}},
    {k_Warning_Beyond_Curve, true, "**** Warning - Structural Capacity Exceeded ****", true,
     {"The curvature of one or more load cases runs past the end of the moment-curvature",
      "table of the pile section.  Its bending stiffness there lies beyond the analysed",
      "curve: the section has failed in bending, and the results of these load cases",
      "are not those of a real pile.", nullptr}},
    {k_Warning_Soil_Movement_Study, true, "**** Warning - Soil Movement ****", true,
     {"Soil movement acts on the pile-head stiffness series or on the study of pile-head",
      "deflection against pile length.  Their pile-head deflections include the soil",
      "movement: the stiffness values and deflections describe the pile and the moving",
      "soil together, not the pile alone.", nullptr}},
    {3041, true, "**** Warning ****", true,
     {"An unreasonable input value for shear strength has been specified for a soil",
      "defined using the soft clay criteria.  The input value is greater than 8.68",
      "psi (1,250 psf).  You should check your input data for correctness.", nullptr}},
    {3042, true, "**** Warning ****", true,
     {"An unreasonable input value for shear strength has been specified for a soil",
      "defined using the soft clay criteria.",
      "The input value is greater than 59.85 kPa. You should check your input data for "
      "correctness.",
      nullptr}},
    {3051, true, "**** Warning ****", true,
     {"An unreasonable input value for shear strength has been specified for a layer.",
      "defined using the stiff clay with free water criteria.  The input value is ",
      "less than 3.47 psi (500 psf). You should check your input data for correctness.",
      nullptr}},
    {3052, true, "**** Warning ****", true,
     {"An unreasonable input value for shear strength has been specified for a layer.",
      "defined using the stiff clay with free water criteria.  The input value is ",
      "greater than 55.55 psi (8,000 psf).  You should check your input data for",
      "correctness.", nullptr}},
    {3053, true, "**** Warning ****", true,
     {"An unreasonable input value for shear strength has been specified for a layer.",
      "defined using the stiff clay with free water criteria.  The input value is ",
      "less than 23.94kPa.  You should check your input data for correctness.", nullptr}},
    {3054, true, "**** Warning ****", true,
     {"An unreasonable input value for shear strength has been specified for a layer. ",
      "defined using the stiff clay with free water criteria.  The input value is ",
      "greater than 383.04 kPa.  You should check your input data for correctness.", nullptr}},
    {3061, true, "**** Warning ****", true,
     {"An unreasonable input value for shear strength has been specified for a layer. ",
      "defined using the stiff clay without free water criteria.  The input value is ",
      "less than 3.47 psi (500 psf).  You should check your input data for correctness.",
      nullptr}},
    {3062, true, "**** Warning ****", true,
     {"An unreasonable input value for shear strength has been specified for a layer.",
      "defined using the stiff clay without free water criteria.  The input value is ",
      "greater than 8,000 psf (55.55 psi).  You should check your input data for correctness.",
      nullptr}},
    {3063, true, "**** Warning ****", true,
     {"An unreasonable input value for shear strength has been specified for a layer.",
      "defined using the stiff clay without free water criteria.  The input value is ",
      "less than 23.94 kPa.  You should check your input data for correctness.", nullptr}},
    {3064, true, "**** Warning ****", true,
     {"An unreasonable input value for shear strength has been specified for a layer.",
      "defined using the stiff clay without free water criteria.  The input value is ",
      "greater than 383.04 kPa.  You should check your input data for correctness.", nullptr}},
    {3071, true, "**** Warning ****", true,
     {"An unreasonable input value for the compressive strength has been specified",
      "for a soil defined using the weak rock criteria.  The input value is less ",
      "than 100 psi.  You should check your input data for correctness.", nullptr}},
    {3072, true, "**** Warning ****", true,
     {"An unreasonable input value for unconfined compressive strength has been ",
      "specified for a soil defined using the weak rock criteria.  The input value",
      "is greater than 1000 psi.  You should check your input data for correctness.", nullptr}},
    {3073, true, "**** Warning ****", true,
     {"An unreasonable input value for unconfined compressive strength has been ",
      "specified for a soil defined using the weak rock criteria.  The input value",
      "is less than  689.5 kPa.  You should check your input data for correctness.", nullptr}},
    {3074, true, "**** Warning ****", true,
     {"An unreasonable input value for unconfined compressive strength has been",
      "specified for a soil defined using the weak rock criteria.  The input value",
      "is greater than 6895 kPa.  You should check your input data for correctness.", nullptr}},
    {3261, true, "**** Warning ****", true,
     {"An unreasonable input value for shear strength has been specified for a layer.",
      "defined using the stiff clay without free water criteria using k.",
      "The input value is less than 500 psf (3.47 psi).",
      "   You should check your input data for correctness.", nullptr}},
    {3262, true, "**** Warning ****", true,
     {"An unreasonable input value for shear strength has been specified for a layer.",
      "defined using the stiff clay without free water criteria using k.",
      "The input value is greater than 8,000 psf (55.55 psi).",
      "You should check your input data for correctness.", nullptr}},
    {3263, true, "**** Warning ****", true,
     {"An unreasonable input value for shear strength has been specified for a layer.",
      "defined using the stiff clay without free water criteria using k.",
      "The input value is less than 23.94 kPa.",
      "You should check your input data for correctness.", nullptr}},
    {3264, true, "**** Warning ****", true,
     {"An unreasonable input value for shear strength has been specified for a layer.",
      "defined using the stiff clay without free water criteria using k.",
      "The input value is greater than 383.04 kPa.",
      "You should check your input data for correctness.", nullptr}},
};

const WarningText* Find_Warning_Text(int number) {
    for (const WarningText& w : k_Warning_Texts) {
        if (w.number == number) return &w;
    }
    return nullptr;
}

void Write_Warning_Text(const WarningText& w) {
    if (w.blank_before) Write_Report_Line("");
    if (w.heading != nullptr) {
        Write_Report_Line(w.heading);
        Write_Report_Line("");
    }
    for (int i = 0; w.lines[i] != nullptr; ++i) Write_Report_Line(w.lines[i]);
    if (w.blank_after) Write_Report_Line("");
}

}  // namespace

void WriteWarningSummary() {
    Write_Report_Line("");
    Write_Report_Line("");
    Write_Report_Line("--------------------------------------------------------------------------------");
    Write_Report_Line("                          Summary of Warning Messages");
    Write_Report_Line("--------------------------------------------------------------------------------");
    Write_Report_Line("");
    for (int k = 1; k <= k_Max_Warning_Number; ++k) {
        const int count = g_Model.WarningLog[k];
        if (count == 0) continue;
        FortranRecord line = Text_With_Integer("The following warning was reported ", count, " times");
        Write_Report_Line(line.text.data());
        Write_Report_Line("");
        const WarningText* w = Find_Warning_Text(k);
        if (w != nullptr) Write_Warning_Text(*w);
    }
}

int Warning_Text_Lines(int number, const char* (&lines)[k_Max_Warning_Text_Lines]) {
    const WarningText* w = Find_Warning_Text(number);
    if (w == nullptr) return 0;
    int n = 0;
    if (w->heading != nullptr) lines[n++] = w->heading;
    for (int i = 0; w->lines[i] != nullptr && n < k_Max_Warning_Text_Lines; ++i) lines[n++] = w->lines[i];
    return n;
}
