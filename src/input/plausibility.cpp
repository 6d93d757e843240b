// The unit plausibility warnings of the input echo (see plausibility.h). The bounds are wide on
// purpose: each lies a factor of several beyond the largest or smallest real pile or soil, and
// the value of the other unit system (a factor of 25.4, 1000, 6.4 or 20.9 away) falls outside.
#include "input/plausibility.h"

#include <array>
#include <cstdio>

#include "engine/errors.h"
#include "engine/messages.h"
#include "model/model.h"
#include "model/soil_types.h"
#include "model/units.h"
#include "report/fortran_format.h"
#include "section/section_checks.h"

namespace {

// Section dimensions: 10 mm to 10 m (SI, in meters once read), 0.4 in to 400 in (US).
constexpr double k_Min_Dimension_SI = 0.01;
constexpr double k_Max_Dimension_SI = 10.0;
constexpr double k_Min_Dimension_US = 0.4;
constexpr double k_Max_Dimension_US = 400.0;
constexpr double k_Max_Slenderness = 1000.0;         // pile length over its smallest dimension
// Effective unit weights: up to 30 kN/m3 (SI), at least 15 pcf (US) for a layer that has weight.
constexpr double k_Max_Unit_Weight_SI = 30.0;
constexpr double k_Min_Unit_Weight_US = 15.0;
// Clay shear strengths: at least 100 psf (US) for a layer that has strength, at most 2000 kPa (SI).
constexpr double k_Min_Cohesion_US = 100.0;
constexpr double k_Max_Cohesion_SI = 2000.0;

bool US() { return g_Model.IUNITS == k_Units_US; }

// "Warning 394: " text, the value and the rest, to the report and the runtime message file.
void Warn(int number, const char* before, double value, const char* after) {
    FortranRecord line = Text_With_Integer("Warning ", number, ": ");
    Append_Text(line, before);
    Append_Quoted_Number(line, value);
    Append_Text(line, after);
    Write_Report_Line(line.text.data());
    Write_Message_Line(line.text.data());
    RecordWarning(-number);
}

void Check_Section_Dimensions() {
    const AnalysisModel& m = g_Model;
    const double low = US() ? k_Min_Dimension_US : k_Min_Dimension_SI;
    const double high = US() ? k_Max_Dimension_US : k_Max_Dimension_SI;
    double smallest = 0.0;
    // the outside dimension D of the section property table, at the top and bottom of each section
    for (int s = 1; s <= m.NumSections && s <= k_Max_Sections; ++s) {
        for (int point = 2 * s - 1; point <= 2 * s && point <= m.NumSectionPoints; ++point) {
            const double D = m.SectionPointD[point];
            if (!(D > 0.0)) continue;   // no dimension is the echo's error, not a unit question
            if (smallest == 0.0 || D < smallest) smallest = D;
            if (D >= low && D <= high) continue;
            char before[64];
            std::snprintf(before, sizeof before, "pile section %d has a diameter or width of ", s);
            Warn(k_Warning_Section_Dimension_Unit, before, US() ? D : D * 1000.0,
                 US() ? " in, outside 0.4 to 400 in of real piles; section dimensions are in inches."
                      : " mm, outside 10 mm to 10 m of real piles; SI section dimensions are in mm.");
            break;
        }
    }
    // the pile length is read in feet (US) or meters, the dimensions in inches or meters
    const double length = US() ? m.PileLength * 12.0 : m.PileLength;
    if (smallest > 0.0 && length / smallest > k_Max_Slenderness) {
        Warn(k_Warning_Slenderness, "the pile is ", length / smallest,
             " times as long as its smallest diameter or width; lengths are in m (SI) or ft, "
             "dimensions in mm or in.");
    }
}

bool Is_Clay(int type) {
    return type == k_Soil_SoftClay || type == k_Soil_StfClyBW || type == k_Soil_StfClyAW ||
           type == k_Soil_StfClyAK || type == k_Soil_SoftClyJ;
}

// The bounds of one soil value per layer point: the warning, what the value is, the least real
// US value of a layer that has any and the largest real SI value, and the rest of each line.
struct PointBounds {
    int warning;
    const char* owner;
    const char* what;
    double min_us;
    double max_si;
    const char* low_us;
    const char* high_si;
};

// Warns once for layer L when the value at its top or bottom point is beyond the bounds.
void Check_Layer_Points(int L, const std::array<double, k_Max_Soil_Points + 1>& values,
                        const PointBounds& b) {
    // points 2L-1 and 2L are the top and the bottom of layer L
    for (int p = 2 * L - 1; p <= 2 * L; ++p) {
        const double value = values[p];
        const bool low = US() && value > 0.0 && value < b.min_us;
        if (low || (!US() && value > b.max_si)) {
            const FortranRecord before = Text_With_Integer(b.owner, L, b.what);
            Warn(b.warning, before.text.data(), value, low ? b.low_us : b.high_si);
            return;
        }
    }
}

constexpr PointBounds k_Unit_Weight_Bounds = {
    k_Warning_Unit_Weight_Unit, "soil layer ", " has an effective unit weight of ",
    k_Min_Unit_Weight_US, k_Max_Unit_Weight_SI,
    " pcf, below 15 pcf of real soils; US unit weights are in pcf, not kN/m3.",
    " kN/m3, above 30 kN/m3 of real soils; SI unit weights are in kN/m3, not pcf."};
constexpr PointBounds k_Cohesion_Bounds = {
    k_Warning_Cohesion_Unit, "clay layer ", " has a shear strength of ",
    k_Min_Cohesion_US, k_Max_Cohesion_SI,
    " psf, below 100 psf of real clays; US shear strengths are in psf, not kPa.",
    " kPa, above 2000 kPa of real clays; SI shear strengths are in kPa, not psf."};

void Check_Soil_Values() {
    const AnalysisModel& m = g_Model;
    for (int L = 1; L <= m.i_Number_of_Layers && L <= k_Max_Layers; ++L) {
        Check_Layer_Points(L, m.UnitWeightAtPoint, k_Unit_Weight_Bounds);
        if (!Is_Clay(m.i_SoilLayer_py_Type[L])) continue;
        Check_Layer_Points(L, m.StrengthAtPoint, k_Cohesion_Bounds);
    }
}

}  // namespace

void Check_Unit_Plausibility() {
    if (g_Model.IUNITS != k_Units_US && g_Model.IUNITS != k_Units_SI) return;
    Check_Section_Dimensions();
    Check_Soil_Values();
}
