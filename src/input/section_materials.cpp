// ReadConcrete, ReadRebar, ReadStrands and StrandProperties. Stresses and moduli are stored as
// input (psi or kPa); bar and strand dimensions and areas are inches and square inches, or meters
// and square meters in SI runs. Bar and strand positions generated from a pattern come from
// input/bar_placement, called as soon as the pattern's lines are read.
#include "input/section_materials.h"

#include <cstdio>
#include <cstring>

#include "engine/errors.h"
#include "engine/messages.h"
#include "input/input_errors.h"
#include "input/line_reader.h"
#include "input/si_input.h"
#include "model/model.h"
#include "model/units.h"
#include "input/bar_placement.h"

namespace {

constexpr double k_Meters_Per_Inch = 0.02539999969303608;   // 0.0254 (s)
constexpr double k_Strand_Bar_Modulus_US = 29000.0;         // ksi
constexpr double k_Strand_Bar_Modulus_SI = 199947760.0;     // kPa, also general units
constexpr int k_Max_Bars_Per_Group = 3;
constexpr int k_Max_Strand_Pattern = 2;

// Writes the report's established line of the error, then the number of the line the reader has
// just read and what it should hold, and raises Input Data Error No. 95.
void Raise_Option_Error(const char* text, const char* expected) {
    Write_Report_Line(text);
    char problem[2 * k_Name_Length];
    std::snprintf(problem, sizeof problem, "Problem:  Line %d of the input data file is not what section data needs here.",
                  g_Model.i_InputLineNumber);
    char solution[2 * k_Name_Length];
    std::snprintf(solution, sizeof solution, "Solution: Write %s.", expected);
    Raise_Input_Error_95(problem, solution);
}

// Reads an option line that names one of two choices: true with first set when it names the
// first; false after a failed read, or for any other line after the report's established
// error_text and Input Data Error No. 95 that asks for the two choices as spelled.
bool Read_Choice_Line(const char* first_choice, const char* second_choice, const char* error_text,
                      bool& first) {
    NameText line;
    if (!Read_Required_Text_Line(line)) return false;
    first = std::strcmp(line.data(), first_choice) == 0;
    if (first || std::strcmp(line.data(), second_choice) == 0) return true;
    char expected[2 * k_Name_Length - 32];   // leaves room for the solution's own words
    std::snprintf(expected, sizeof expected, "\"%s\" or \"%s\", spelled and capitalized as shown",
                  first_choice, second_choice);
    Raise_Option_Error(error_text, expected);
    return false;
}

void Write_Progress(const char* text, int s) {
    char line[96];
    std::snprintf(line, sizeof line, "%s%d", text, s);
    Write_Message_Line(line);
}

// One entry of the strand table: diameter and area in inches and square inches, fpu in psi.
// Decimal values are single-precision constants widened to double.
struct StrandSize {
    double diameter;
    double area;
    double fpu;   // used by the deformed bars (type 5), whose strength goes by size
};

constexpr StrandSize k_PCI250[] = {
    {0.3400000035762787, 0.057999998331069946, 0},   // 0.34 / 0.058 (s)
    {0.25, 0.035999998450279236, 0},                  // 0.036 (s)
    {0.3125, 0.057999998331069946, 0},
    {0.375, 0.07999999821186066, 0},                  // 0.08 (s)
    {0.4375, 0.1080000028014183, 0},                  // 0.108 (s)
    {0.5, 0.14399999380111694, 0},                    // 0.144 (s)
    {0.6000000238418579, 0.2160000056028366, 0},      // 0.6 / 0.216 (s)
};
constexpr StrandSize k_PCI270[] = {
    {0.3400000035762787, 0.057999998331069946, 0},
    {0.375, 0.08500000089406967, 0},                  // 0.085 (s)
    {0.4375, 0.11500000208616257, 0},                 // 0.115 (s)
    {0.5, 0.15299999713897705, 0},                    // 0.153 (s)
    {0.5, 0.16699999570846558, 0},                    // 0.167 (s)
    {0.5625, 0.19200000166893005, 0},                 // 0.192 (s)
    {0.6000000238418579, 0.21699999272823334, 0},     // 0.217 (s)
    {0.699999988079071, 0.2939999997615814, 0},       // 0.7 / 0.294 (s)
};
constexpr StrandSize k_Grade300[] = {
    {0.375, 0.08500000089406967, 0},
    {0.43799999356269836, 0.11500000208616257, 0},    // 0.438 (s)
    {0.5, 0.15299999713897705, 0},
    {0.5, 0.16699999570846558, 0},
    {0.6000000238418579, 0.21699999272823334, 0},
};
constexpr StrandSize k_Smooth_Bars[] = {
    {0.75, 0.44200000166893005, 0},                   // 0.442 (s)
    {0.875, 0.6010000109672546, 0},                   // 0.601 (s)
    {1.0, 0.7850000262260437, 0},                     // 0.785 (s)
    {1.125, 0.9940000176429749, 0},                   // 0.994 (s)
    {1.25, 1.2269999980926514, 0},                    // 1.227 (s)
    {1.375, 1.4850000143051147, 0},                   // 1.485 (s)
};
constexpr StrandSize k_Deformed_Bars[] = {
    {0.625, 0.2800000011920929, 157000},              // 0.28 (s)
    {1.0, 0.8500000238418579, 150000},                // 0.85 (s)
    {1.0, 0.8500000238418579, 160000},
    {1.25, 1.25, 150000},
    {1.25, 1.25, 160000},
    {1.375, 1.5800000429153442, 150000},              // 1.58 (s)
};

// Concrete tensile strength option: default, or an override with its value on the next line.
void Read_Tensile_Strength_Option(int s) {
    AnalysisModel& m = g_Model;
    bool by_default = false;
    if (!Read_Choice_Line("Use default concrete tensile strength", "Override concrete tensile strength",
                          "INPUT ERROR - Unrecognized command for concrete tensile strength option",
                          by_default)) {
        return;
    }
    m.b_OverrideTensileStrength[s] = by_default ? 0 : -1;
    if (!by_default) Read_Real_Value(m.ConcreteTensileStrength[s]);
}

// Concrete stress-strain option: the internal curve, or an input curve of numbered points.
void Read_Stress_Strain_Option(int s) {
    AnalysisModel& m = g_Model;
    bool internal = false;
    if (!Read_Choice_Line("Use internal stress-strain curve for concrete",
                          "Input stress-strain curve for concrete",
                          "INPUT ERROR - Unrecognized input for concrete stress-strain option", internal)) {
        return;
    }
    m.b_InputConcreteCurve[s] = internal ? 0 : -1;
    if (internal) return;
    char what[96];
    std::snprintf(what, sizeof what, "points of the concrete stress-strain curve of section %d", s);
    if (!Read_Checked_Count(m.NumConcreteCurvePoints[s], what, k_Max_Concrete_Curve_Points)) return;
    const int points = m.NumConcreteCurvePoints[s];
    for (int p = 1; p <= points; ++p) {
        int number = 0;
        Read_Data_Line({Int_Item(number), Real_Item(m.ConcreteCurveStrain[p][s]),
                        Real_Item(m.ConcreteCurveStress[p][s])});
        if (m.ErrorStatus != 0) return;
        if (number != p) {
            char text[96];
            std::snprintf(text, sizeof text, "Expecting line no. %d but line no. %d was read", p,
                          number);
            Write_Report_Line(
                "INPUT ERROR - Sequence error encountered when reading concrete stress-strain curve");
            char expected[96];
            std::snprintf(expected, sizeof expected, "the point number %d first on this line", p);
            Raise_Option_Error(text, expected);
            return;
        }
    }
}

// "Rebar in circle": fy, E, groups, bars per group, bar diameter, bar area, cover, cage offset.
void Read_Bars_In_Circle(int s) {
    AnalysisModel& m = g_Model;
    if (!Read_Real_Value(m.RebarYieldStress[s])) return;
    if (!Read_Real_Value(m.ReinforcementModulus[s])) return;
    int groups = m.i_NumBarGroups[s];
    int per_group = m.i_BarsPerGroup[s];
    if (!Read_Int_Value(groups)) return;
    if (!Read_Int_Value(per_group)) return;
    double d = 0.0;
    double area = 0.0;
    if (!Read_Real_Value(d) || !Read_Real_Value(area)) return;
    if (!Read_Real_Value(m.CoverThickness[s]) || !Read_Real_Value(m.CageOffset[s])) return;
    m.CoverThickness[s] = Input_Length(m.CoverThickness[s]);
    m.CageOffset[s] = Input_Length(m.CageOffset[s]);
    d = Input_Length(d);
    area = Input_Area(area);
    char what[96];
    std::snprintf(what, sizeof what, "bars per group of section %d", s);
    if (!Check_Count(what, per_group, 1, k_Max_Bars_Per_Group)) return;
    // Checked before the product is formed, so that the product always fits.
    std::snprintf(what, sizeof what, "bar groups of section %d", s);
    if (!Check_Count(what, groups, 0, k_Max_Bars)) return;
    const int bars = groups * per_group;
    std::snprintf(what, sizeof what, "bars of section %d", s);
    if (!Check_Count(what, bars, 0, k_Max_Bars)) return;
    m.i_NumBarGroups[s] = groups;
    m.i_BarsPerGroup[s] = per_group;
    m.NumBars[s] = bars;
    for (int j = 1; j <= bars; ++j) {
        m.BarDiameter[j][s] = d;
        m.BarArea[j][s] = area;
    }
    PlaceBarsOnCircle(s, m.SectionDiameter[s], m.CoverThickness[s], d, groups, per_group);
}

// "Rebar in noncircular pattern": fy, E, number of bars, then per bar: running number, size
// number, diameter, area, x, y.
void Read_Bar_List(int s) {
    AnalysisModel& m = g_Model;
    if (!Read_Real_Value(m.RebarYieldStress[s])) return;
    if (!Read_Real_Value(m.ReinforcementModulus[s])) return;
    char what[96];
    std::snprintf(what, sizeof what, "bars of section %d", s);
    if (!Read_Checked_Count(m.NumBars[s], what, k_Max_Bars)) return;
    const int bars = m.NumBars[s];
    for (int j = 1; j <= bars; ++j) {
        if (!Read_Numbered_Line({Int_Item(m.i_BarSize[j][s]), Real_Item(m.BarDiameter[j][s]),
                                 Real_Item(m.BarArea[j][s]), Real_Item(m.BarX[j][s]),
                                 Real_Item(m.BarY[j][s])})) {
            return;
        }
        m.BarDiameter[j][s] = Input_Length(m.BarDiameter[j][s]);
        m.BarArea[j][s] = Input_Area(m.BarArea[j][s]);
        m.BarX[j][s] = Input_Length(m.BarX[j][s]);
        m.BarY[j][s] = Input_Length(m.BarY[j][s]);
    }
}

// "Autoposition strands": type, size, number, prestressing force, loss, cover, pattern.
void Read_Auto_Strands(int s) {
    AnalysisModel& m = g_Model;
    int type = m.i_StrandType[s];
    int size = 0;
    int n = m.NumBars[s];
    int pattern = m.i_StrandPattern[s];
    if (!Read_Int_Value(type) || !Read_Int_Value(size) || !Read_Int_Value(n)) return;
    if (!Read_Real_Value(m.InitialPrestressForce[s]) || !Read_Real_Value(m.PrestressLossFraction[s])) return;
    if (!Read_Real_Value(m.CoverThickness[s]) || !Read_Int_Value(pattern)) return;
    m.CoverThickness[s] = Input_Length(m.CoverThickness[s]);
    char what[96];
    std::snprintf(what, sizeof what, "strands of section %d", s);
    if (!Check_Count(what, n, 0, k_Max_Bars)) return;
    if (pattern < 0 || pattern > k_Max_Strand_Pattern) {
        Raise_Code_Out_Of_Range({"Section", "section", "strand pattern code", "valid range of 0 to 2",
                                 "from 0 to 2"},
                                s, pattern);
        return;
    }
    m.i_StrandType[s] = type;
    m.i_StrandPattern[s] = pattern;
    m.NumBars[s] = n;
    for (int j = 1; j <= n; ++j) {
        m.i_BarSize[j][s] = size;
        StrandProperties(s, j, type, size);
    }
    if (n == 0) return;
    const double ds = m.BarDiameter[1][s];
    if (pattern == 0) {
        const int placed = PlaceBarsOnCircle(s, m.SectionDiameter[s], m.CoverThickness[s], ds, n, 1);
        m.b_StrandsPlaced[s] = placed > 0 ? -1 : 0;
    } else {
        m.b_StrandsPlaced[s] =
            PlaceStrandsOnSquare(s, pattern, m.SectionDiameter[s], m.CoverThickness[s], ds, n);
    }
}

// "Manually-positioned strands": type, number, prestressing force, loss; then per strand: strand
// number, type, size, x, y. The section has one strand type, so the last strand line's type holds.
void Read_Manual_Strands(int s) {
    AnalysisModel& m = g_Model;
    int n = m.NumBars[s];
    if (!Read_Int_Value(m.i_StrandType[s]) || !Read_Int_Value(n)) return;
    if (!Read_Real_Value(m.InitialPrestressForce[s]) || !Read_Real_Value(m.PrestressLossFraction[s])) return;
    char what[96];
    std::snprintf(what, sizeof what, "strands of section %d", s);
    if (!Check_Count(what, n, 0, k_Max_Bars)) return;
    m.NumBars[s] = n;
    for (int j = 1; j <= n; ++j) {
        int number = 0;
        Read_Data_Line({Int_Item(number), Int_Item(m.i_StrandType[s]), Int_Item(m.i_BarSize[j][s]),
                        Real_Item(m.BarX[j][s]), Real_Item(m.BarY[j][s])});
        if (m.ErrorStatus != 0) return;
        m.BarX[j][s] = Input_Length(m.BarX[j][s]);
        m.BarY[j][s] = Input_Length(m.BarY[j][s]);
        StrandProperties(s, j, m.i_StrandType[s], m.i_BarSize[j][s]);
        if (number != j) {
            char text[96];
            std::snprintf(text, sizeof text, "INPUT ERROR - Input out-of-order for strand no. %d",
                          number);
            char expected[96];
            std::snprintf(expected, sizeof expected, "the strand number %d first on this line", j);
            Raise_Option_Error(text, expected);
            return;
        }
    }
}

}  // namespace

// Concrete: f'c, aggregate size, tensile strength option, stress-strain option.
void ReadConcrete(int s) {
    AnalysisModel& m = g_Model;
    Write_Progress("Reading concrete property data for Section ", s);
    if (!Read_Real_Value(m.ConcreteStrength[s]) || !Read_Real_Value(m.AggregateSize[s])) return;
    m.AggregateSize[s] = Input_Length(m.AggregateSize[s]);
    Read_Tensile_Strength_Option(s);
    if (m.ErrorStatus != 0) return;
    Read_Stress_Strain_Option(s);
}

// Rebar: continuation option line, pattern line, then the lines of the pattern.
void ReadRebar(int s) {
    AnalysisModel& m = g_Model;
    Write_Progress("Reading rebar property data for Section ", s);
    NameText line;
    if (!Read_Required_Text_Line(line)) return;
    if (std::strcmp(line.data(), "No rebar") == 0) {
        m.NumBars[s] = 0;
        return;
    }
    // Both continuation lines are followed by the section's own bar lines.
    if (std::strcmp(line.data(), "Rebar Arrangement Same As Section Above") == 0) {
        m.b_RebarSameAsAbove[s] = -1;
    } else if (std::strcmp(line.data(), "Rebar Arrangement Not Same As Section Above") == 0) {
        m.b_RebarSameAsAbove[s] = 0;
    } else {
        Raise_Option_Error(
            "INPUT ERROR - Unrecognized command for rebar continuation from section above option",
            "\"No rebar\", \"Rebar Arrangement Same As Section Above\" or \"Rebar Arrangement Not Same As "
            "Section Above\", spelled and capitalized as shown");
        return;
    }
    bool in_circle = false;
    if (!Read_Choice_Line("Rebar in circle", "Rebar in noncircular pattern",
                          "INPUT ERROR - Unrecognized command for rebar pattern option", in_circle)) {
        return;
    }
    m.b_RebarInCircle[s] = in_circle ? -1 : 0;
    if (in_circle) Read_Bars_In_Circle(s);
    else Read_Bar_List(s);
}

// Strands: positioning option line, then the lines of the option.
void ReadStrands(int s) {
    AnalysisModel& m = g_Model;
    Write_Progress("Reading prestressing strand data for Section ", s);
    bool automatic = false;
    // No strand has been read yet when the option line is wrong.
    if (!Read_Choice_Line("Autoposition strands", "Manually-positioned strands",
                          "INPUT ERROR - Unrecognized input for strand no. 0", automatic)) {
        return;
    }
    m.b_AutoPositionStrands[s] = automatic ? -1 : 0;
    if (automatic) Read_Auto_Strands(s);
    else Read_Manual_Strands(s);
}

void StrandProperties(int s, int j, int type, int size) {
    AnalysisModel& m = g_Model;
    const StrandSize* table = nullptr;
    int count = 0;
    double fpu = 0.0;
    switch (type) {
        case 0: table = k_PCI250; count = 7; fpu = 250000.0; break;
        case 1: table = k_PCI270; count = 8; fpu = 270000.0; break;
        case 2: table = k_Grade300; count = 5; fpu = 300000.0; break;
        case 3: table = k_Smooth_Bars; count = 6; fpu = 145000.0; break;
        case 4: table = k_Smooth_Bars; count = 6; fpu = 160000.0; break;
        case 5: table = k_Deformed_Bars; count = 6; break;
        default: return;
    }
    if (type >= 3) {
        m.ReinforcementModulus[s] =
            m.IUNITS == k_Units_US ? k_Strand_Bar_Modulus_US : k_Strand_Bar_Modulus_SI;
    }
    if (type != 5) m.StrandFpu[s] = fpu;
    if (size < 0 || size >= count) return;
    const StrandSize& entry = table[size];
    if (type == 5) m.StrandFpu[s] = entry.fpu;
    m.BarDiameter[j][s] = entry.diameter;
    m.BarArea[j][s] = entry.area;
    if (m.IUNITS == k_Units_SI) {
        m.BarDiameter[j][s] *= k_Meters_Per_Inch;
        m.BarArea[j][s] *= k_Meters_Per_Inch * k_Meters_Per_Inch;
    }
}
