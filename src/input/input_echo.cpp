// The input echo's order of blocks and the small blocks themselves: title, program options,
// batter and slope, p-y modifiers, soil movements, loading type, distributed load, tip shear and
// the p-y output depths. The pile, the soil layers and the pile-head loading have their own
// echo files; the consistency checks are in input/input_checks.
#include "input/input_echo.h"

#include "engine/errors.h"
#include "engine/messages.h"
#include "input/echo_lines.h"
#include "input/echo_loading.h"
#include "input/echo_sections.h"
#include "input/echo_soil.h"
#include "input/input_checks.h"
#include "input/plausibility.h"
#include "input/warning_catalogue.h"
#include "lrfd/combinations.h"
#include "model/capacities.h"
#include "model/model.h"
#include "model/units.h"
#include "report/number_writer.h"

namespace {

// Replacements of a negative convergence tolerance, single-precision values widened.
constexpr double k_Degrees_Per_Radian = 57.29577951308232;          // 180 / pi

bool Failed() { return g_Model.ErrorStatus != 0; }

FortranRecord Text_With_Count(const char* before, int n, const char* after) {
    FortranRecord line = Text_With_Integer(before, n, after);
    return line;
}

void Write_Title() {
    Write_Echo_Heading("Problem Title", 32);
    for (int i = 1; i <= k_Num_Title_Lines; ++i) WriteLine(g_Model.TitleLine[i].data());
}

void Write_Option(int flag, const char* yes, const char* no) { WriteLine(flag != 0 ? yes : no); }

bool Any_Length_Study() {
    const AnalysisModel& m = g_Model;
    if (m.b_UseLRFD != 0) return false;   // combinations have no length study
    for (int i = 1; i <= m.NumLoadCases && i <= k_Max_Load_Cases; ++i) {
        if (m.b_LengthStudy[i] != 0) return true;
    }
    return false;
}

void Write_Solution_Control() {
    const AnalysisModel& m = g_Model;
    WriteLine("");
    WriteLine("Solution Control Parameters:");
    Write_Count_Line("- Number of pile increments", m.NumIncrements);
    Write_Count_Line("- Maximum number of iterations allowed", m.MaxIterations);
    const bool si = m.IUNITS == k_Units_SI;
    if (m.b_ToleranceReset != 0) {
        FortranRecord reset = Text_With_E("(Specified convergence tolerance of 0 reset by program to", m.ConvergenceTolerance, 12, 4);
        Append_Text(reset, si ? " meters)" : " inches)");
        WriteLine(reset.text.data());
    }
    Write_E_Line("- Deflection tolerance for convergence", m.ConvergenceTolerance, m.LabelLength);
    Write_F_Line("- Maximum allowable deflection", m.MaxAllowableDeflection, m.LabelLength);
}

void Write_Program_Options() {
    const AnalysisModel& m = g_Model;
    Write_Echo_Heading("Program Options", 31);
    switch (m.IUNITS) {
        case k_Units_US: WriteLine("Engineering units are US Customary Units: pounds, inches, feet"); break;
        case k_Units_SI: WriteLine("Engineering units are SI Units: kilonewtons, meters, millimeters"); break;
        case k_Units_General: WriteLine("Engineering units are Generic Units: force, length"); break;
        default: break;   // no OPTIONS section: no unit system to name
    }
    WriteLine("");
    WriteLine("Basic Program Options:");
    WriteLine("");
    if (m.i_Analysis_Type == 2) {
        WriteLine("This analysis computes nominal moment capacity and nonlinear bending stiffness only.");
    } else if (m.i_Analysis_Type == 3) {
        WriteLine("This analysis computes pile response to lateral loading and will compute nonlinear ");
        WriteLine("moment-curvature and nominal moment capacity for section types with nonlinear properties.");
    } else if (m.i_Analysis_Type == 5) {
        WriteLine("This analysis computes pile response using user-specified nonlinear bending stiffness.");
    }
    WriteLine("");
    WriteLine("Computation Options:");
    Write_Option(m.b_UsePYModifiers, "- Analysis uses p-y multiplers for group action",
                 "- Analysis does not use p-y multipliers (individual pile or shaft only)");
    Write_Option(m.b_UseTipShear, "- Analysis uses tip shear resistance for short pile or shaft",
                 "- Analysis assumes no shear resistance at pile tip");
    if (Any_Length_Study()) {
        WriteLine("- Analysis includes automatic computation of pile-top deflection vs.");
        WriteLine("  pile embedment length");
    } else {
        WriteLine("- Analysis for fixed-length pile or shaft only");
    }
    Write_Option(m.b_ComputeKmatrix,
                 "- Analysis includes computation of foundation stiffness matrix values ",
                 "- No computation of foundation stiffness matrix values");
    if (m.b_PrintSummaryOnly != 0) {
        WriteLine("- Report summary table of pile-top values for deflection, maximum bending ");
        WriteLine("  moment, and shear force only");
    } else {
        WriteLine("- Report pile response for full length of pile");
    }
    Write_Option(m.b_UseSoilMovement, "- Analysis includes loading by soil movements acting on pile",
                 "- Analysis assumes no loading by soil movements acting on pile");
    Write_Option(m.b_PrintPYCurves, "- p-y curves computed and reported at user-specified depths",
                 "- No p-y curves to be computed and reported for user-specified depths");
    Write_Solution_Control();
    WriteLine("");
    WriteLine("Pile Response Output Options:");
    if (m.b_PrintSummaryOnly != 0) {
        WriteLine("- Only summary tables of pile-head deflection, maximum bending moment,");
        WriteLine("  and maximum shear force are to be written to output report file.");
    } else {
        WriteLine("- Values of pile-head deflection, bending moment, shear force, and ");
        WriteLine("  soil reaction are printed for full length of pile.");
    }
    Write_Integer_Line("- Printing Increment (nodal spacing of output points)", m.PrintIncrement);
}

void Write_Slope_And_Batter() {
    const AnalysisModel& m = g_Model;
    Write_Echo_Heading("Ground Slope and Pile Batter Angles", 22);
    Write_Number_Line("Ground Slope Angle", m.GroundSlope * k_Degrees_Per_Radian, "degrees");
    Write_Number_Line("Pile Batter Angle", m.PileBatter * k_Degrees_Per_Radian, "degrees");
}

// One value column of a profile's point table: the values (1-based), the blanks before the
// field and its Fw.d form.
struct PointColumn {
    const double* values;
    int blanks;
    int w;
    int d;
};

// A profile's echo block: the heading, "<what> n points", an empty line, the column names and
// their units, then per point (at most capacity) its number in I3 and its value columns.
void Write_Profile_Block(const char* title, int indent, const char* what, int n, int capacity,
                         std::initializer_list<ColumnHead> names,
                         std::initializer_list<ColumnHead> units,
                         std::initializer_list<PointColumn> columns) {
    Write_Echo_Heading(title, indent);
    WriteLine(Text_With_Count(what, n, " points").text.data());
    WriteLine("");
    Write_Column_Heads(names);
    Write_Column_Heads(units);
    for (int j = 1; j <= n && j <= capacity; ++j) {
        FortranRecord row;
        Start_Record(row);
        Append_I(row, j, 3);
        for (const PointColumn& column : columns) {
            Append_X(row, column.blanks);
            Append_F(row, column.values[j], column.w, column.d);
        }
        WriteLine(row.text.data());
    }
}

void Write_PY_Modifiers() {
    const AnalysisModel& m = g_Model;
    if (m.NumPYModifierPoints <= 0) return;
    // A table given with the option off still acts, as files written that way rely on; the
    // user learns it from the warning.
    if (m.b_UsePYModifiers == 0) RecordWarning(-k_Warning_Modifiers_Option_NO);
    Write_Profile_Block("p-y Modification Factors for Group Action", 19,
                        "Distribution of p-y modifiers with depth defined using ",
                        m.NumPYModifierPoints, k_Max_PY_Modifier_Points,
                        {{"Point", 5}, {"Depth X", 20}, {"p-mult", 35}, {"y-mult", 50}},
                        {{"No.", 3}, {m.LabelLengthLarge, 20}},
                        {{m.XPYModifier.data(), 0, 17, 3}, {m.PMultiplier.data(), 0, 15, 4},
                         {m.YMultiplier.data(), 0, 15, 4}});
}

void Write_Soil_Movements() {
    const AnalysisModel& m = g_Model;
    if (m.b_UseSoilMovement == 0 || m.NumSoilMovementPoints <= 0) return;
    Write_Profile_Block("Lateral Soil Movements", 29,
                        "Profile of soil movement with depth defined using ",
                        m.NumSoilMovementPoints, k_Max_Soil_Movement_Points,
                        {{"Point", 5}, {"Depth X", 20}, {"Soil Movement", 35}},
                        {{"No.", 3}, {m.LabelLengthLarge, 20}, {m.LabelLength, 35}},
                        {{m.XSoilMovement.data(), 2, 15, 5}, {m.SoilMovement.data(), 0, 15, 5}});
}

// The loading type block; the number of cycles is checked right after it is shown.
void Write_Loading_Type() {
    const AnalysisModel& m = g_Model;
    if (m.b_Cyclic != 0) {
        Write_Echo_Heading("Loading Type", 34);
        WriteLine("Cyclic loading criteria were used for computation of p-y curves for all analyses.");
        Write_Number_Line("Number of cycles of loading", m.NumCycles, "");
        Check_Load_Cycles();
    } else {
        Write_Echo_Heading("Loading Type", 33);
        WriteLine("Static loading criteria were used when computing p-y curves for all analyses.");
    }
}

void Write_Distributed_Load() {
    const AnalysisModel& m = g_Model;
    if (m.NumDistLoadPoints <= 0) return;
    Write_Profile_Block("Distributed Lateral Loading", 27,
                        "Distributed lateral load intensity defined using ", m.NumDistLoadPoints,
                        k_Max_Dist_Load_Points, {{"Point", 5}, {"Depth X", 23}, {"Dist. Load", 43}},
                        {{"No.", 3}, {m.LabelLength, 23}, {m.LabelForcePerLength, 43}},
                        {{m.XDistLoad.data(), 0, 20, 3}, {m.DistLoad.data(), 0, 20, 3}});
}

// The tip shear block when points were given; the curve is checked in any case.
void Write_Tip_Shear() {
    const AnalysisModel& m = g_Model;
    if (m.NumTipShearPoints > 0) {
        if (m.b_UseTipShear == 0) RecordWarning(-k_Warning_Tip_Shear_Option_NO);
        Write_Echo_Heading("Shear Resistance Curve at Pile Tip ", 22);
        WriteLine("Point     Displacement     Tip Shear Force");
        for (int j = 1; j <= m.NumTipShearPoints && j <= k_Max_Tip_Shear_Points; ++j) {
            FortranRecord row;
            Start_Record(row);
            Append_I(row, j, 4);
            Append_X(row, 5);
            Append_F(row, m.YTipShear[j], 10, 3);
            Append_X(row, 10);
            Append_F(row, m.VTipShear[j], 10, 3);
            WriteLine(row.text.data());
        }
    }
    Check_Tip_Shear_Curve();
}

// The requested p-y output depths are checked first; a request without depths shows no block.
void Write_PY_Output_Depths() {
    Check_PY_Output_Depths();
    if (Failed()) return;
    const AnalysisModel& m = g_Model;
    if (!PY_Curves_Requested()) return;
    Write_Echo_Heading("Specified Depths for Output of p-y Curves", 19);
    WriteLine(Text_With_Count("Lateral load-transfer (p-y) curves are computed and output at ",
                              m.NumPYOutputDepths, " depths.").text.data());
    WriteLine("(Note that these curves are independent from the curves used at nodal point depths)");
    WriteLine("");
    Write_Column_Heads({{"No.", 3}, {"Depth Below Pile Head", 25}, {"Depth Below Ground Surface", 52}});
    Write_Column_Heads({{m.LabelLengthLarge, 25}, {m.LabelLengthLarge, 52}});
    for (int j = 1; j <= m.NumPYOutputDepths && j <= k_Max_PY_Output_Depths; ++j) {
        FortranRecord row;
        Start_Record(row);
        Append_I(row, j, 3);
        Append_F(row, m.XPYOutputDepth[j], 22, 3);
        Append_F(row, m.XPYOutputDepth[j] - m.XGroundSurface, 27, 3);
        WriteLine(row.text.data());
    }
    WriteLine("");
    FortranRecord ground = Text_With_F("Depth of ground surface below top of pile = ", m.XGroundSurface, 10, 2, " ");
    Append_Trimmed(ground, m.LabelLengthLarge);
    WriteLine(ground.text.data());
}

}  // namespace

void WriteInputEcho() {
    Write_Message_Line("Output of input data begun");
    Write_Title();
    Write_Program_Options();
    Write_Pile_Properties_Echo();
    if (Failed()) return;
    Write_Slope_And_Batter();
    Write_Soil_Layers_Echo();
    Write_PY_Modifiers();
    Write_Soil_Movements();
    Write_Loading_Type();
    if (Failed()) return;
    Write_Distributed_Load();
    if (g_Model.b_UseLRFD != 0) {
        Write_Lrfd_Input_Echo();
        FormLrfdCombinations();
        if (Failed()) return;
    } else {
        WritePileHeadLoading();
    }
    Write_Tip_Shear();
    if (Failed()) return;
    Write_PY_Output_Depths();
    if (Failed()) return;
    // the consistency checks that follow the echo, in order; the first error ends the echo
    for (void (*check)() : {Check_Section_Point_Count, Check_Soil_Profile, Check_User_PY_Curves,
                            Check_Soil_Test_Values, Check_Soil_Criteria}) {
        check();
        if (Failed()) return;
    }
    Check_Unit_Plausibility();
    Write_Message_Line("Output of input data completed");
    Write_Message_Line("");
}
