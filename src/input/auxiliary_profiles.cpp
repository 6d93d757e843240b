// The small profile sections, read by the input reader itself, and the axial thrust list derived
// from the load cases after END. Depths of soil movement points, p-y modifier rows and p-y output
// depths are stored in the input's length unit (feet in US customary runs) for the one-time
// conversion after the echo; tip shear values are stored as input.
#include "input/auxiliary_profiles.h"

#include <cstdio>

#include "engine/errors.h"
#include "engine/messages.h"
#include "input/input_errors.h"
#include "input/line_reader.h"
#include "model/model.h"
#include "model/units.h"

namespace {

constexpr double k_Pi = 3.141592653589793;
constexpr double k_Pounds_Per_Kip = 1000.0;
constexpr double k_Millimeters_Per_Meter = 1000.0;
constexpr int k_Min_Soil_Movement_Points = 2;

static_assert(k_Max_Load_Cases <= k_Max_EI_Thrusts,
              "every distinct load-case thrust must fit the thrust list");

// Reads the count line of a table of rows that may be empty into count (a null value keeps it):
// true when rows follow, after the line `reading` to the runtime message file. A count of zero or less is stored as none, so that no later loop or
// lookup ever sees a negative one; a count beyond capacity raises Input Data Error No. 95 and
// leaves count as it was.
bool Read_Row_Count(int& count, const char* what, int capacity, const char* reading) {
    int n = count;
    if (!Read_Int_Value(n)) return false;
    if (n <= 0) {
        count = 0;
        return false;
    }
    if (!Check_Count(what, n, 0, capacity)) return false;
    count = n;
    Write_Message_Line(reading);
    return true;
}

// Reads n rows, each its running number and one real per column into the 1-based column
// tables; input_lines, when given, keeps each row's input line. False when a read raised.
bool Read_Real_Rows(int n, std::initializer_list<double*> columns, int* input_lines) {
    const AnalysisModel& m = g_Model;
    for (int j = 1; j <= n; ++j) {
        DataItem items[k_Max_Numbered_Line_Items];
        int count = 0;
        for (double* column : columns) items[count++] = Real_Item(column[j]);
        if (!Read_Numbered_Line(items, count)) return false;
        if (input_lines != nullptr) input_lines[j] = m.i_InputLineNumber;
    }
    return true;
}

// Ascending insertion sort of values[1..n] of a 1-based table.
void Sort_Ascending(double* values, int n) {
    for (int i = 2; i <= n; ++i) {
        const double v = values[i];
        int j = i - 1;
        while (j >= 1 && values[j] > v) {
            values[j + 1] = values[j];
            --j;
        }
        values[j + 1] = v;
    }
}

}  // namespace

// SOIL MOVEMENTS: count, then per point: running number, depth, movement.
void Read_Soil_Movements() {
    AnalysisModel& m = g_Model;
    if (m.b_UseSoilMovement == 0) return;
    Write_Message_Line("Reading soil movement data");
    int n = m.NumSoilMovementPoints;
    if (!Read_Int_Value(n)) return;
    if (n < k_Min_Soil_Movement_Points || n > k_Max_Soil_Movement_Points) {
        char line[96];
        std::snprintf(line, sizeof line, "Number of lines specified for soil movement data = %d", n);
        const std::initializer_list<const char*> lines = {
            "**** Input Data Error No. 53 ****", "", line,
            "The number of lines of soil movement data cannot be less than 2 or exceed 100.", ""};
        Write_Message_Lines(lines);
        Write_Report_Lines(lines);
        Raise_Input_Error(53);
        return;
    }
    m.NumSoilMovementPoints = n;
    if (!Read_Real_Rows(n, {m.XSoilMovement.data(), m.SoilMovement.data()}, nullptr)) return;
    if (m.IUNITS == k_Units_SI) {
        for (int j = 1; j <= n; ++j) m.SoilMovement[j] /= k_Millimeters_Per_Meter;
    }
}

// GROUP EFFECT FACTORS: count, then per row: running number, depth, p-multiplier, y-multiplier.
void Read_Group_Effect_Factors() {
    AnalysisModel& m = g_Model;
    // no rows: the p-y curves are unmodified
    if (Read_Row_Count(m.NumPYModifierPoints, "p-y modifier rows", k_Max_PY_Modifier_Points,
                       "Reading p-y multiplier data")) {
        Read_Real_Rows(m.NumPYModifierPoints,
                       {m.XPYModifier.data(), m.PMultiplier.data(), m.YMultiplier.data()},
                       m.i_PYModifierInputLine.data());
    }
}

// TIP SHEAR: count, then per point: running number, tip deflection, tip shear.
void Read_Tip_Shear() {
    AnalysisModel& m = g_Model;
    if (!Read_Row_Count(m.NumTipShearPoints, "tip shear points", k_Max_Tip_Shear_Points,
                        "Reading tip shear data")) {
        return;
    }
    Read_Real_Rows(m.NumTipShearPoints, {m.YTipShear.data(), m.VTipShear.data()},
                   m.i_TipShearInputLine.data());
}

// PILE BATTER AND SLOPE: ground slope line, pile batter line, both in degrees.
void Read_Batter_And_Slope() {
    AnalysisModel& m = g_Model;
    Write_Message_Line("Reading pile batter and ground slope angles");
    // Degrees are read into locals so that a stored angle is always in radians.
    double slope = m.GroundSlope * 180.0 / k_Pi;
    double batter = m.PileBatter * 180.0 / k_Pi;
    Read_Data_Line({Real_Item(slope)});
    if (m.ErrorStatus != 0) return;
    Read_Data_Line({Real_Item(batter)});
    if (m.ErrorStatus != 0) return;
    m.GroundSlope = slope * k_Pi / 180.0;
    m.PileBatter = batter * k_Pi / 180.0;
    m.EffectiveSlope = m.GroundSlope - m.PileBatter;
}

// DEPTHS OF PRINTED P-Y CURVES: count, then per depth: running number, depth.
void Read_PY_Output_Depths() {
    AnalysisModel& m = g_Model;
    if (m.b_PrintPYCurves == 0) return;
    Write_Message_Line("Reading p-y output depths data");
    if (!Read_Checked_Count(m.NumPYOutputDepths, "p-y output depths", k_Max_PY_Output_Depths)) {
        return;
    }
    const int n = m.NumPYOutputDepths;
    Read_Real_Rows(n, {m.XPYOutputDepth.data()}, m.i_PYOutputDepthInputLine.data());
}

// AXIAL THRUST LOADS: count, then per thrust: running number, thrust.
void Read_Axial_Thrust_Loads() {
    AnalysisModel& m = g_Model;
    int n = m.NumLoadCases;
    if (!Read_Int_Value(n)) return;
    if (n <= 0) {
        // One thrust: whatever the first load case holds (0 in a fresh run).
        m.NumLoadCases = 1;
    } else {
        if (!Check_Count("axial thrusts", n, 0, k_Max_Load_Cases)) return;
        m.NumLoadCases = n;
        Write_Message_Line("Reading axial thrust force data for EI-only computations");
        if (!Read_Real_Rows(n, {m.AxialThrustLoad.data()}, nullptr)) return;
    }
    Sort_Ascending(m.AxialThrustLoad.data(), m.NumLoadCases);
}

void Derive_EI_Thrusts() {
    AnalysisModel& m = g_Model;
    if (m.b_UseLRFD != 0 || m.NumSections <= 0) return;
    const int n = m.NumLoadCases;
    for (int i = 1; i <= n; ++i) {
        const double thrust = m.AxialThrustLoad[i];
        m.EIThrust[i] = m.IUNITS == k_Units_US ? thrust / k_Pounds_Per_Kip : thrust;
    }
    Sort_Ascending(m.EIThrust.data(), n);
    // Keep each value once; equal as numbers means exactly equal.
    int kept = 0;
    for (int i = 1; i <= n; ++i) {
        if (kept == 0 || m.EIThrust[i] != m.EIThrust[kept]) m.EIThrust[++kept] = m.EIThrust[i];
    }
    m.NumEIThrusts = kept;
}
