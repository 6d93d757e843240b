// Consistency checks of the complete problem. All depths are compared in the units of the input
// (the US customary conversion runs after the echo). The message texts, odd spellings and the
// stray quote of the p-multiplier message included, are the ones engineers know from the
// report and are kept as they are.
#include "input/input_checks.h"

#include <array>
#include <cmath>
#include <cstdio>

#include "engine/errors.h"
#include "engine/messages.h"
#include "input/input_errors.h"
#include "model/capacities.h"
#include "model/model.h"
#include "model/section_types.h"
#include "model/soil_types.h"
#include "model/units.h"
#include "py/dispatch.h"
#include "report/fortran_format.h"
#include "report/number_writer.h"
#include "section/section_checks.h"

namespace {

constexpr double k_Min_Cycles = 2.0;
constexpr double k_Max_Cycles = 5000.0;
constexpr int k_Min_Section_Points = 2;
constexpr int k_Analysis_EI_Only = 2;

// These checks run after the reading: an error they find is told at the input line that holds
// the item it names (0: no such line was read).
void Locate_At(int input_line) {
    if (g_Model.i_ErrorInputLine == 0) g_Model.i_ErrorInputLine = input_line;
}

// Blank lines, the framed heading of Input Data Error No. number and the body lines, to the
// runtime message file and then the same to the report; then the raise, told at input_line.
template <std::size_t N>
void Raise_Check(int number, int input_line, int blank_lines, const char* const (&body)[N]) {
    const FortranRecord heading = Error_Heading(true, number);
    for (void (*write)(const char*) : {Write_Message_Line, Write_Report_Line}) {
        for (int i = 0; i < blank_lines; ++i) write("");
        write(heading.text.data());
        for (const char* l : body) write(l);
    }
    Raise_Input_Error(number);
    Locate_At(input_line);
}

int Section_Line(int s) { return s >= 1 && s <= k_Max_Sections ? g_Model.i_SectionInputLine[s] : 0; }
int Layer_Line(int L) { return L >= 1 && L <= k_Max_Layers ? g_Model.i_LayerInputLine[L] : 0; }

// The dimensions of an elastic section's shape that the property table does not check as pile
// widths (No. 27): depths, walls, flanges, web and an embedded pole's widths. Each must be
// greater than zero; a dimension of zero or less is refused as No. 85 with its name and value.
bool Check_Elastic_Shape_Dimensions(int s) {
    const AnalysisModel& m = g_Model;
    struct Dimension {
        const char* what;
        double value;
    };
    Dimension dims[4] = {};
    int n = 0;
    switch (m.i_ElasticShape[s]) {
        case 1:   // rectangle
            dims[n++] = {"depth at its top", m.TopDepth[s]};
            dims[n++] = {"depth at its bottom", m.BottomDepth[s]};
            break;
        case 3:   // pipe
            dims[n++] = {"wall thickness at its top", m.TopWallThickness[s]};
            dims[n++] = {"wall thickness at its bottom", m.BottomWallThickness[s]};
            break;
        case 4:   // H-section, strong or weak axis
        case 5:
            dims[n++] = {"flange width", m.FlangeWidth[s]};
            dims[n++] = {"depth", m.TopDepth[s]};
            dims[n++] = {"flange thickness", m.FlangeThickness[s]};
            dims[n++] = {"web thickness", m.WebThickness[s]};
            break;
        case 6:   // pole embedded in a drilled hole
            dims[n++] = {"pole width at its top", m.TopWidth[s]};
            dims[n++] = {"pole width at its bottom", m.BottomWidth[s]};
            break;
        default:
            break;
    }
    const bool bounded = m.IUNITS == k_Units_US || m.IUNITS == k_Units_SI;
    const double L = m.IUNITS == k_Units_US ? k_Max_Real_Length_US : k_Max_Real_Length_SI;
    for (int i = 0; i < n; ++i) {
        if (dims[i].value > 0.0 && (!bounded || dims[i].value <= L)) continue;
        FortranRecord problem = Text_With_Integer("Problem:  Pile section ", s, " has a ");
        Append_Text(problem, dims[i].what);
        Append_Text(problem, " of ");
        Append_Text(problem, Format_Number(dims[i].value, 12).text.data());
        Append_Text(problem, dims[i].value > 0.0 ? ", beyond any real pile." : ".");
        const char* const body[] = {"", problem.text.data(),
                                    dims[i].value > 0.0
                                        ? "Solution: Check the value and its unit: no real pile comes within a factor of a thousand of it."
                                        : "Solution: Give the elastic section dimensions greater than zero.",
                                    ""};
        Raise_Check(85, Section_Line(s), 1, body);
        return false;
    }
    return true;
}

}  // namespace

namespace {

// Input Data Error No. 27 for a pile diameter or width of point i of the section property table
// that is named as read: "Problem:  Pile section s has a <what> of <value> <unit><after>", then
// the two solution lines.
void Raise_Diameter_Error(int i, const char* what, const char* after, const char* solution1,
                          const char* solution2) {
    const AnalysisModel& m = g_Model;
    FortranRecord problem = Text_With_Integer("Problem:  Pile section ", (i + 1) / 2, " has a ");
    Append_Text(problem, what);
    Append_Text(problem, " of ");
    Append_Field_In_Sentence(problem, Format_Number(m.SectionPointD[i], 15));
    Append_Text(problem, " ");
    Append_Trimmed(problem, m.LabelLength);
    Append_Text(problem, after);
    const char* const body[] = {"", problem.text.data(), "", solution1, solution2, ""};
    Raise_Check(27, Section_Line((i + 1) / 2), 1, body);
}

}  // namespace

void Check_Pile_Diameters() {
    const AnalysisModel& m = g_Model;
    for (int i = 1; i <= m.NumSectionPoints && i <= k_Max_Section_Points; ++i) {
        if (m.SectionPointD[i] < 0.0) {
            // The established text speaks of zero values: a negative one is named as read.
            Raise_Diameter_Error(i, "negative pile diameter or width", ".",
                                 "Solution:  Pile diameters and widths must be greater than zero.  Correct the ",
                                 "pile property data in your input data.");
            return;
        }
        const bool bounded = m.IUNITS == k_Units_US || m.IUNITS == k_Units_SI;
        const double L = m.IUNITS == k_Units_US ? k_Max_Real_Length_US : k_Max_Real_Length_SI;
        if (bounded && m.SectionPointD[i] > L) {
            Raise_Diameter_Error(i, "pile diameter or width", ", beyond any real pile.",
                                 "Solution:  Check the value and its unit: no real pile comes within a factor of a ",
                                 "thousand of it.  Correct the pile property data in your input data.");
            return;
        }
        if (m.SectionPointD[i] <= 0.0) {
            const char* const body[] = {"",
                "Problem:  Zero values for one of the following values were ",
                "entered for one or more values of pile diameter.", "",
                "Solution:  NONE of these values may be zero.  Correct the ",
                "pile property data in your input data.", ""};
            Raise_Check(27, Section_Line((i + 1) / 2), 1, body);
            return;
        }
    }
}

namespace {

// Input Data Error No. 85 at elastic section s: "has a <what> of <value>" and the ending, then
// the solution.
void Raise_Elastic_Section_Value(int s, const char* what, double value, const char* ending,
                                 const char* solution) {
    FortranRecord problem = Text_With_Integer("Problem:  Pile section ", s, " has a ");
    Append_Text(problem, what);
    Append_Text(problem, " of ");
    Append_Text(problem, Format_Number(value, 12).text.data());
    Append_Text(problem, ending);
    const char* const body[] = {"", problem.text.data(), solution, ""};
    Raise_Check(85, Section_Line(s), 1, body);
}

}  // namespace

void Check_Section_Values() {
    const AnalysisModel& m = g_Model;
    for (int s = 1; s <= m.NumSections && s <= k_Max_Sections; ++s) {
        if (m.SectionLength[s] <= 0.0) {
            FortranRecord problem = Text_With_Integer("Problem:  Pile section ", s, " has a length of ");
            Append_Text(problem, Format_Number(m.SectionLength[s], 12).text.data());
            Append_Text(problem, " ");
            Append_Trimmed(problem, m.LabelLengthLarge);
            Append_Text(problem, ".");
            const char* const body[] = {"", problem.text.data(),
                                        "Solution: Give every pile section a length greater than zero.", ""};
            Raise_Check(84, Section_Line(s), 1, body);
            return;
        }
        const int type = m.SectionType[s];
        if (type != k_Section_Elastic && type != k_Section_Elastic_Plastic) continue;
        const struct {
            const char* what;
            double value;
        } values[] = {{"modulus of elasticity", m.ElasticModulus[s]},
                      {"moment of inertia at its top", m.TopInertia[s]},
                      {"moment of inertia at its bottom", m.BottomInertia[s]},
                      {"area at its top", m.TopArea[s]},
                      {"area at its bottom", m.BottomArea[s]}};
        // Beyond any real pile: E above a thousand times steel's, A and I of a section a thousand
        // times wider than the widest real pile (general units have no bounds).
        const bool bounded = m.IUNITS == k_Units_US || m.IUNITS == k_Units_SI;
        const double L = m.IUNITS == k_Units_US ? k_Max_Real_Length_US : k_Max_Real_Length_SI;
        const double bounds[] = {m.IUNITS == k_Units_US ? k_Max_Real_Stress_US : k_Max_Real_Stress_SI,
                                 L * L * L * L, L * L * L * L, L * L, L * L};
        for (int i = 0; bounded && i < 5; ++i) {
            if (values[i].value <= bounds[i]) continue;
            Raise_Elastic_Section_Value(s, values[i].what, values[i].value, ", beyond any real pile.",
                                        "Solution: Check the value and its unit: no real pile comes "
                                        "within a factor of a thousand of it.");
            return;
        }
        for (const auto& v : values) {
            if (v.value > 0.0) continue;
            Raise_Elastic_Section_Value(s, v.what, v.value, ".",
                                        "Solution: Give the elastic section a modulus of elasticity, "
                                        "moments of inertia and areas greater than zero.");
            return;
        }
        if (!Check_Elastic_Shape_Dimensions(s)) return;
    }
}

void Check_Load_Cycles() {
    const AnalysisModel& m = g_Model;
    if (m.b_Cyclic == 0) return;
    if (m.NumCycles >= k_Min_Cycles && m.NumCycles <= k_Max_Cycles) return;
    FortranRecord count;
    Start_Record(count);
    Append_Text(count, "Number of cycles of loading = ");
    // the count is shown as the whole number of cycles, truncated
    Append_I(count, static_cast<long long>(std::trunc(m.NumCycles)), 0);
    const char* const body[] = {"",
        "Problem:  Cyclic loading type was specified and the number of cycles of loading",
        "are outside the valid range of 2 to 5,000.", "",
        "Solution:  Either correct the number of cycles of loading to be within 2 to 5,000",
        "or specify static loading.", count.text.data()};
    Raise_Check(28, m.i_LoadingTypeInputLine, 2, body);
}

void Check_Tip_Shear_Curve() {
    const AnalysisModel& m = g_Model;
    int bad = 0;
    if (m.YTipShear[1] != 0.0) {
        bad = 1;
    } else {
        // only the deflections must rise; the first shear value may be non-zero
        for (int j = 2; j <= m.NumTipShearPoints && j <= k_Max_Tip_Shear_Points; ++j) {
            if (m.YTipShear[j - 1] >= m.YTipShear[j]) {
                bad = j;
                break;
            }
        }
    }
    if (bad == 0) return;
    FortranRecord problem;
    Start_Record(problem);
    Append_Text(problem, "Problem:   The input data for shear resistance at the pile tip appears "
                         "to be in error at point ");
    Append_I(problem, bad, 0);
    Append_Text(problem, ".");
    const char* const body[] = {"", problem.text.data(), "",
        "Solution:  Check that the first point is (0,0) and that the x-values sucessively "
        "increase in deflection and magnitude."};
    Raise_Check(50, m.i_TipShearInputLine[bad], 0, body);
}

void Check_PY_Output_Depths() {
    const AnalysisModel& m = g_Model;
    if (m.b_PrintPYCurves == 0) return;
    for (int j = 1; j <= m.NumPYOutputDepths && j <= k_Max_PY_Output_Depths; ++j) {
        const double d = m.XPYOutputDepth[j];
        if (m.XGroundSurface <= d && 0.0 <= d && d <= m.PileLength) {
            continue;
        } else if (d > m.PileLength) {
            FortranRecord point = Text_With_Integer("Input Point ", j, " at ");
            Append_F(point, d, 7, 2);
            // the length label in its full three-character width, as the message has always had it
            Append_Text(point, m.LabelLength);
            Append_Text(point, " was not printed because it is below the pile tip.");
            const char* const body[] = {"",
                "Problem:  Printing of a p-y curve was specified below the pile tip.", "",
                "Solution:  Specify printing depths only for depths above the pile tip.", "",
                point.text.data()};
            Raise_Check(30, m.i_PYOutputDepthInputLine[j], 0, body);
            return;
        } else {
            const char* const body[] = {"",
                "Problem:  A depth above the ground surface was specified for the printing",
                "of a p-y curve.", "",
                "Solution:  Specify a depth between the ground surface and pile tip.", ""};
            Raise_Check(29, m.i_PYOutputDepthInputLine[j], 0, body);
            return;
        }
    }
}

void Check_Section_Point_Count() {
    const int n = g_Model.NumSectionPoints;
    if (n >= k_Min_Section_Points && n <= k_Max_Section_Points) return;
    FortranRecord count;
    Start_Record(count);
    Append_Text(count, "The number of points to define the pile properties is 2 to 40, not the "
                       "input value of ");
    Append_I(count, n, 10);
    const char* const body[] = {"",
                                 count.text.data(), ""};
    Raise_Check(17, 0, 2, body);
}

void Check_Soil_Profile() {
    const AnalysisModel& m = g_Model;
    if (m.i_Analysis_Type == k_Analysis_EI_Only) return;

    // a negative weight would turn the overburden, and with it every resistance, upside down
    for (int k = 1; k <= m.NumUnitWeightPoints && k <= k_Max_Soil_Points; ++k) {
        if (m.UnitWeightAtPoint[k] >= 0.0) continue;
        FortranRecord problem = Text_With_Integer("Problem:  Soil layer ", (k + 1) / 2,
                                                  " has a negative effective unit weight of ");
        Append_Text(problem, Format_Number(m.UnitWeightAtPoint[k], 12).text.data());
        Append_Text(problem, " ");
        Append_Trimmed(problem, m.LabelUnitWeightInput);
        Append_Text(problem, ".");
        const char* const body[] = {"", problem.text.data(),
                                    "Solution: Give the effective unit weight of the soil, which is zero or more "
                                    "(the submerged weight below the water table).", ""};
        Raise_Check(87, Layer_Line((k + 1) / 2), 1, body);
        return;
    }

    // the pile length along the pile against the vertical depth of the profile's bottom
    const double bottom = m.XLayerBottom[m.i_Number_of_Layers];
    if (m.PileLength > bottom) {
        FortranRecord depth = Text_With_E("Problem: The depth at the bottom of the lowermost soil layer is ", bottom, 12, 4);
        FortranRecord tip = Text_With_E("         This depth is higher than the tip of the pile at ", m.PileLength, 12, 4, ".");
        const char* const body[] = {"", depth.text.data(), tip.text.data(),
            "Solution: Increase the depth of the soil profile or shorten the pile length."};
        Raise_Check(18, Layer_Line(m.i_Number_of_Layers), 0, body);
        return;
    }

    const double u = m.XUnitWeightPoint[1];
    if (u > m.XGroundSurface) {
        FortranRecord at = Text_With_F("is located at ", u, 12, 4, " below the top of the pile.");
        FortranRecord ground = Text_With_F("The ground surface is located at ", m.XGroundSurface, 12, 4, ".");
        const char* const body[] = {"",
            "The depth of the first point of the data for effective unit", at.text.data(),
            ground.text.data(), "The first point for the effective unit weight should be located",
            "at the same elevation as the ground surface."};
        Raise_Check(19, Layer_Line(1), 0, body);
        return;
    }
    if (u != m.XGroundSurface) {
        FortranRecord at = Text_With_F("Problem:  The first depth of the soil profile is located at ", u, 12, 4);
        FortranRecord ground = Text_With_F("          The ground surface is elevation is ", m.XGroundSurface, 12, 4, ".");
        const char* const body[] = {"", at.text.data(),
            "          below the top of the pile.", ground.text.data(),
            "Solution: Correct the input data so that the first depth of ",
            "          the soil profile data is be located at the same elevation as the ground "
            "surface."};
        Raise_Check(20, Layer_Line(1), 0, body);
        return;
    }

    // a first p-multiplier depth below the ground surface is accepted
    if (m.NumPYModifierPoints > 0 && m.XGroundSurface > m.XPYModifier[1]) {
        FortranRecord at = Text_With_E("          located at ", m.XPYModifier[1], 12, 4, " below the top of the pile.'          The ground surface is located at ");
        Append_E(at, m.XGroundSurface, 12, 4);
        Append_Text(at, ".");
        const char* const body[] = {"",
            "Problem:  The depth for the first data for p-multipliers is ", at.text.data(),
            "Solution:  Correct the input data so that the first depth for ",
            "          the p-multiplier data is the same as the elevation as the ",
            "          ground surface."};
        Raise_Check(21, m.i_PYModifierInputLine[1], 0, body);
    }
}

void Check_User_PY_Curves() {
    const AnalysisModel& m = g_Model;
    if (m.i_Analysis_Type == k_Analysis_EI_Only) return;
    for (int L = 1; L <= m.i_Number_of_Layers; ++L) {
        if (m.i_SoilLayer_py_Type[L] != k_Soil_UserPY) continue;
        for (const bool top : {true, false}) {
            const int k = top ? 2 * L - 1 : 2 * L;
            const int n = m.NumUserPYPoints[k];
            bool usable = n >= 2 && m.UserPY_y[1][k] == 0.0;
            for (int j = 2; usable && j <= n; ++j) usable = m.UserPY_y[j][k] > m.UserPY_y[j - 1][k];
            if (usable) continue;
            char problem[128];
            std::snprintf(problem, sizeof problem,
                          "Problem:  The user-input p-y curve at the %s of soil layer %d is not usable.",
                          top ? "top" : "bottom", L);
            Raise_Input_Error_95(problem,
                                 "Solution: Give at least two points, the first at y = 0, with y increasing.");
            Locate_At(Layer_Line(L));
            return;
        }
    }
}

namespace {

// Input Data Error No. number: soil layer L gives a negative `what` at its top or bottom.
void Raise_Negative_Soil_Value(int number, int L, const char* what, double value, const char* unit,
                               const char* solution) {
    FortranRecord problem = Text_With_Integer("Problem:  Soil layer ", L, " has a negative ");
    Append_Text(problem, what);
    Append_Text(problem, " of ");
    Append_Text(problem, Format_Number(value, 12).text.data());
    if (unit[0] != '\0') {
        Append_Text(problem, " ");
        Append_Trimmed(problem, unit);
    }
    Append_Text(problem, ".");
    const char* const body[] = {"", problem.text.data(), solution, ""};
    Raise_Check(number, Layer_Line(L), 1, body);
}

// Whether the top or the bottom value of a layer is negative; value is the first negative one.
bool Negative_Pair(double top, double bottom, double& value) {
    value = top < 0.0 ? top : bottom;
    return top < 0.0 || bottom < 0.0;
}

}  // namespace

void Check_Soil_Test_Values() {
    const AnalysisModel& m = g_Model;
    if (m.i_Analysis_Type == k_Analysis_EI_Only) return;
    const char* test_solution =
        "Solution: Give the value measured in the field test, which is zero or more.";
    for (int L = 1; L <= m.i_Number_of_Layers && 2 * L <= k_Max_Soil_Points; ++L) {
        const int top = 2 * L - 1;
        const int bottom = 2 * L;
        double value = 0.0;
        switch (m.i_SoilLayer_py_Type[L]) {
            case k_Soil_KSLoess:
                if (Negative_Pair(m.ConeTipResistanceAtPoint[top], m.ConeTipResistanceAtPoint[bottom], value)) {
                    Raise_Negative_Soil_Value(76, L, "cone tip resistance", value, m.LabelStress, test_solution);
                    return;
                }
                break;
            case k_Soil_Piedmont: {
                // only the column of the layer's field test is read
                struct Test { const std::array<double, k_Max_Soil_Points + 1>* column; const char* what; const char* unit; };
                const char* blows = m.IUNITS == k_Units_SI ? "blows/0.3 m" : "blows/ft";
                const Test tests[5] = {{nullptr, "", ""},
                                       {&m.SPTN60AtPoint, "SPT N60 value", m.IUNITS == k_Units_General ? "" : blows},
                                       {&m.ConeTipResistanceAtPoint, "cone tip resistance", m.LabelStress},
                                       {&m.DilatometerModulusAtPoint, "dilatometer modulus", m.LabelStress},
                                       {&m.PressuremeterModulusAtPoint, "pressuremeter modulus", m.LabelStress}};
                const int type = m.FieldTestTypeAtPoint[top];
                if (type < 1 || type > 4) break;
                const Test& t = tests[type];
                if (Negative_Pair((*t.column)[top], (*t.column)[bottom], value)) {
                    Raise_Negative_Soil_Value(76, L, t.what, value, t.unit, test_solution);
                    return;
                }
                break;
            }
            case k_Soil_CemSilt:
                if (Negative_Pair(m.LayerKTop[L], m.LayerKBottom[L], value)) {
                    Raise_Negative_Soil_Value(77, L, "subgrade modulus k", value, m.LabelSubgradeModulus,
                                              "Solution: Give a subgrade modulus greater than zero, or 0 for the internal "
                                              "default values.");
                    return;
                }
                break;
            case k_Soil_ElastSG:
                if (Negative_Pair(m.ElasticSubgradeAtPoint[top], m.ElasticSubgradeAtPoint[bottom], value)) {
                    Raise_Negative_Soil_Value(77, L, "elastic subgrade modulus", value, m.LabelSubgradeModulus,
                                              "Solution: Give an elastic subgrade modulus of zero or more.");
                    return;
                }
                break;
            default:
                break;
        }
    }
}

void Check_Soil_Criteria() {
    const AnalysisModel& m = g_Model;
    if (m.i_Analysis_Type == k_Analysis_EI_Only) return;
    for (int L = 1; L <= m.i_Number_of_Layers; ++L) {
        const int type = m.i_SoilLayer_py_Type[L];
        if (Has_Criterion(type)) continue;
        // Without a criterion the layer would keep moduli of zero: a pile through it would be
        // analysed as if the layer were not there, without a word.
        FortranRecord problem = Text_With_Integer("Problem:  Soil layer ", L, " is of soil type \"");
        Append_Trimmed(problem, m.SoilTypeCode[type].data());
        Append_Text(problem, "\", for which no p-y criterion exists.");
        const char* const body[] = {
            "", problem.text.data(),
            "Solution: Describe the layer with a soil type that has p-y curves, for example with",
            "          user-input p-y curves.",
            ""};
        Raise_Check(78, Layer_Line(L), 1, body);
        return;
    }
}
