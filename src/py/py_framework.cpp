// Multipliers, sloping ground, soil-movement load and the printed p-y block pieces.
#include "py/py_framework.h"

#include <cmath>
#include <cstdio>

#include "model/model.h"
#include "model/units.h"
#include "report/number_writer.h"

namespace {

constexpr double k_Quarter_Pi = 0.7853981633974483;
constexpr double k_Cos_Quarter_Pi = 0.7071067690849304;   // cos(pi/4) (s)
constexpr double k_Level = 1e-20;                         // |angle| or |y| below this is zero
constexpr int k_Equals_Column = 56;                       // "= " of every label line starts here
constexpr double k_Pi = 3.141592653589793;

}  // namespace

double Multiplier_From_Table(double x, int n, const double* depths, const double* values) {
    // A single row spans no depth interval (it is also what "UsePYModifiers YES" leaves when
    // no table follows, with zero values): the curves keep their own resistance.
    if (n <= 1 || x < depths[1] || x > depths[n]) return 1.0;
    int i = 2;
    while (i < n && x > depths[i]) ++i;
    if (x == depths[n]) return values[i];
    if (x == depths[i]) return (i < n && depths[i + 1] == depths[i]) ? values[i + 1] : values[i];
    const double t = (x - depths[i - 1]) / (depths[i] - depths[i - 1]);
    return values[i - 1] + t * (values[i] - values[i - 1]);
}

double PMultiplierAtDepth(double x) {
    const AnalysisModel& m = g_Model;
    return Multiplier_From_Table(x, m.NumPYModifierPoints, m.XPYModifier.data(),
                                 m.PMultiplier.data());
}

double YMultiplierAtDepth(double x) {
    const AnalysisModel& m = g_Model;
    return Multiplier_From_Table(x, m.NumPYModifierPoints, m.XPYModifier.data(),
                                 m.YMultiplier.data());
}

double SlopingGroundFactor(double y, double theta) {
    const double a = std::fabs(theta);
    const double falling = 1.0 / (1.0 + std::tan(a));
    const double rising = std::cos(a) * k_Cos_Quarter_Pi / std::cos(k_Quarter_Pi + a);
    if (theta > k_Level) {
        if (y > k_Level) return falling;
        if (y < -k_Level) return rising;
    } else if (theta < -k_Level) {
        if (y > k_Level) return rising;
        if (y < -k_Level) return falling;
    }
    return 1.0;
}

void Apply_Soil_Movement_Load(int k) {
    AnalysisModel& m = g_Model;
    if (m.NumSoilMovementPoints <= 0) return;
    m.W_Node[k] = m.SoilMovement_Node[k] * m.Es_Node[k] + m.DistLoad_Node[k];
}

void Start_PY_Label_Line(FortranRecord& record, const char* label) {
    Start_Record(record);
    Append_Text(record, label);
    Tab_To(record, k_Equals_Column);
    Append_Text(record, "= ");
}

void Write_PY_Record(const FortranRecord& record) { Write_Record(g_Model.ReportFile, record); }

void Write_PY_Real_Line(const char* label, double value, int w, int d, const char* unit) {
    FortranRecord r;
    Start_PY_Label_Line(r, label);
    Append_F(r, value, w, d);
    if (unit != nullptr) {
        Append_Text(r, " ");
        Append_Trimmed(r, unit);
    }
    Write_PY_Record(r);
}

void Write_PY_Layer_And_Depths(int L, double depth) { Write_PY_Layer_And_Depths(L, depth, 10); }

void Write_PY_Layer_And_Depths(int L, double depth, int layer_width) {
    FortranRecord r;
    Start_PY_Label_Line(r, "Soil Layer Number");
    Append_I(r, L, layer_width);
    Write_PY_Record(r);
    Write_PY_Depths(depth);
}

void Write_PY_Depths(double depth) {
    const AnalysisModel& m = g_Model;
    // Depths are printed in feet in US customary runs, as stored otherwise.
    const bool feet = m.IUNITS == k_Units_US;
    const double scale = feet ? 1.0 / 12.0 : 1.0;
    const char* unit = feet ? "ft" : m.LabelLength;
    Write_PY_Real_Line("Depth below pile head", depth * scale, 12, 3, unit);
    Write_PY_Real_Line("Depth below ground surface", (depth - m.XGroundSurface) * scale, 12, 3,
                       unit);
}

void Write_PY_Slope_Lines(const char* batter_label) {
    const AnalysisModel& m = g_Model;
    Write_PY_Real_Line("Ground Slope Angle", m.GroundSlope * 180.0 / k_Pi, 12, 3, "degrees");
    Write_PY_Real_Line(batter_label, m.PileBatter * 180.0 / k_Pi, 12, 3, "degrees");
    Write_PY_Real_Line("Effective Slope", m.EffectiveSlope * 180.0 / k_Pi, 12, 3, "degrees");
}

void Write_PY_Multipliers(double pm, double ym) {
    Write_PY_Real_Line("p-multiplier", pm, 12, 5, nullptr);
    Write_PY_Real_Line("y-multiplier", ym, 12, 5, nullptr);
    WriteLine("");
}

void Append_Force_Per_Length_Label(FortranRecord& record) {
    const AnalysisModel& m = g_Model;
    Append_Trimmed(record, m.LabelForce);
    Append_Trimmed(record, m.LabelSlash);
    Append_Trimmed(record, m.LabelLength);
}

void Append_Subgrade_Label(FortranRecord& record) {
    Append_Force_Per_Length_Label(record);
    Append_Trimmed(record, g_Model.LabelPower);
    Append_Trimmed(record, g_Model.LabelExp3);
}

void Write_PY_Table_Heading(int p_column, const char* dashes) {
    WriteLine("");
    FortranRecord r;
    Start_Record(r);
    Append_Text(r, "        y, ");
    Append_Trimmed(r, g_Model.LabelLength);
    Tab_To(r, p_column);
    Append_Text(r, "p, ");
    Append_Force_Per_Length_Label(r);
    Write_PY_Record(r);
    WriteLine(dashes);
}

void Write_PY_Table_Row(double y, double p, int blanks_before, int blanks_between) {
    WriteBlanks(blanks_before);
    WriteNumber(y, 12);
    WriteBlanks(blanks_between);
    WriteNumber(p, 12);
    EndLine();
}

void Write_Plot_PY_Depth(double depth, int points, const char* phrase, int curve_number) {
    char label[160];
    std::snprintf(label, sizeof label, "Line 7:  p-y curve depth in %s, no. p-y points on curve no. ",
                  phrase);
    Write_Plot_PY_Depth_Label(depth, points, label, curve_number);
}

void Write_Plot_PY_Depth_Label(double depth, int points, const char* label, int curve_number) {
    FortranRecord r;   // E15.7, I5, 60X, label, curve number (I0)
    Start_Record(r);
    Append_E(r, depth, 15, 7);
    Append_I(r, points, 5);
    Append_X(r, 60);
    Append_Text(r, label);
    Append_I(r, curve_number, 0);
    Write_Record(g_Model.PlotFile, r);
}

void Write_Plot_PY_Point(double y, double p, int j, const char* phrase) {
    FortranRecord r;   // 2E15.7, 50X, "Line 8(", point (I0), "): y, p, for " phrase
    Start_Record(r);
    Append_E(r, y, 15, 7);
    Append_E(r, p, 15, 7);
    Append_X(r, 50);
    Append_Text(r, "Line 8(");
    Append_I(r, j, 0);
    Append_Text(r, "): y, p, for ");
    Append_Text(r, phrase);
    Write_Record(g_Model.PlotFile, r);
}

void Write_Plot_PY_Point_I2(double y, double p, int j, const char* phrase) {
    FortranRecord r;
    Start_Record(r);
    Append_E(r, y, 15, 7);
    Append_E(r, p, 15, 7);
    Append_X(r, 20);
    Append_Text(r, "Line 8(");
    Append_I(r, j, 2);
    Append_Text(r, "): y, p, for ");
    Append_Text(r, phrase);
    Write_Record(g_Model.PlotFile, r);
}
