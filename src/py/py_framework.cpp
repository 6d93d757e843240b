// Multipliers, sloping ground, the steps of a criterion's node loop and the printed p-y block
// pieces.
#include "py/py_framework.h"

#include <algorithm>
#include <cmath>

#include "engine/errors.h"
#include "engine/messages.h"
#include "model/model.h"
#include "model/units.h"
#include "pile/soil_profile.h"
#include "report/number_writer.h"
#include "report/plot_file.h"

namespace {

constexpr double k_Quarter_Pi = 0.7853981633974483;
constexpr double k_Cos_Quarter_Pi = 0.7071067690849304;   // cos(pi/4) (s)
constexpr double k_Level = 1e-20;                         // |angle| or |y| below this is zero
constexpr int k_Equals_Column = 56;                       // "= " of every label line starts here

}  // namespace

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

double Cycles_Of_Loading() {
    const AnalysisModel& m = g_Model;
    return m.b_NumCyclesRaised != 0 ? m.rd_NumCyclesInUse : m.NumCycles;
}

void Take_Missing_Cycles_As_One() {
    AnalysisModel& m = g_Model;
    if (Cycles_Of_Loading() <= 0.0) {
        m.rd_NumCyclesInUse = 1.0;
        m.b_NumCyclesRaised = -1;
    }
}

bool Begin_Layer_Taking_Missing_Cycles_As_One(int, bool) {
    Take_Missing_Cycles_As_One();
    return true;
}

void Take_At_Least_One_Cycle() {
    AnalysisModel& m = g_Model;
    m.rd_NumCyclesInUse = std::max(1.0, Cycles_Of_Loading());
    m.b_NumCyclesRaised = -1;
}

bool Begin_PY_Node(int L, int k, bool print, PYNodeValues& v) {
    AnalysisModel& m = g_Model;
    if (!print && k == Layer_First_Point(L, print)) m.Fu_Layer[L] = 0.0;
    v = Gather_PY_Node(k, print);
    return m.ErrorStatus == 0;
}

double Epsilon50_Or_Default(double z, double default_eps50) {
    const double eps50 = Epsilon50AtDepth(z);
    return eps50 <= 0.0 && default_eps50 > 0.0 ? default_eps50 : eps50;
}

void Add_To_Layer_Integral(int L, int k, double pu, double& pu_prev) {
    AnalysisModel& m = g_Model;
    if (k > m.i_TopNodeInLayer[L]) m.Fu_Layer[L] += (pu_prev + pu) * m.IncrementLength / 2.0;
    if (k == m.i_BottomNodeInLayer[L]) m.Fu_Layer[L] += pu * (m.XLayerBottom[L] - m.XNode[k]);
    pu_prev = pu;
}

void Close_Layer_Integral_Above_Head(int L, double p_sum) {
    AnalysisModel& m = g_Model;
    if (L != 1 || !(m.XGroundSurface < k_PY_Above_Head)) return;
    m.Fu_Layer[1] = p_sum * 0.5 * (m.XLayerBottom[1] - m.rd_LayerTop[1]);
}

double Secant_Modulus(const PYNodeValues& v, double p) { return v.pm * p / (v.ym * v.y_prime); }

void Store_PY_Modulus(int k, double Es) {
    const PYCriterion rules = {nullptr, 0, 0, true, k_PY_No_Integral, false, nullptr, nullptr};
    Store_Criterion_Modulus(k, PYNodeModulus{Es, false, 0.0, 0.0}, rules);
}

void Store_PY_Modulus(int k, double Es, int nan_error, bool limiting, const char* criterion) {
    const PYCriterion rules = {criterion, nan_error, nan_error, true, k_PY_No_Integral, false,
                               nullptr, nullptr};
    Store_Criterion_Modulus(k, PYNodeModulus{Es, limiting, 0.0, 0.0}, rules);
}

void Run_PY_Criterion(int L, bool print, const PYCriterion& c) {
    AnalysisModel& m = g_Model;
    if (c.begin_layer != nullptr && !c.begin_layer(L, print)) return;
    double pu_prev = 0.0;
    for (int k = Layer_First_Point(L, print); k <= Layer_Last_Point(L, print); ++k) {
        PYNodeValues v{};
        if (c.layer_integral == k_PY_Trapezoid_Integral || c.layer_integral == k_PY_Own_Integral) {
            if (!Begin_PY_Node(L, k, print, v)) return;
        } else {
            v = Gather_PY_Node(k, print);
            if (m.ErrorStatus != 0) return;
        }
        PYNodeModulus out{0.0, false, 0.0, 0.0};
        if (!c.at_node(L, k, v, print, out)) return;
        if (print) continue;
        // the integral of ultimate resistance, for the equivalent depth of the layers below
        if (c.layer_integral == k_PY_Trapezoid_Integral) Add_To_Layer_Integral(L, k, out.pu, pu_prev);
        if (c.layer_integral == k_PY_Increment_Integral) {
            if (k == Layer_First_Point(L, print)) m.Fu_Layer[L] = 0.0;
            m.Fu_Layer[L] += out.pu * m.IncrementLength;
        }
        if (c.closed_above_head) Close_Layer_Integral_Above_Head(L, out.p_ends);
        Store_Criterion_Modulus(k, out, c);
        if (m.ErrorStatus != 0) return;
    }
}

void Store_Criterion_Modulus(int k, const PYNodeModulus& out, const PYCriterion& c) {
    g_Model.Es_Node[k] = out.Es;
    if (c.words != nullptr && std::isnan(out.Es)) {
        Raise_Modulus_Not_A_Number(out.limiting ? c.default_nan_error : c.computed_nan_error,
                                   out.limiting, c.words, k);
        return;
    }
    if (c.soil_movement) Apply_Soil_Movement_Load(k);
}

void Raise_Modulus_Not_A_Number(int number, bool limiting, const char* criterion, int k) {
    // No. 36 (soft clay with J) has always been headed with the period after the number.
    FortranRecord heading = Error_Heading(false, number);
    if (number == 36) {
        Start_Record(heading);
        Append_Text(heading, "**** Runtime Error No 36. ****");
    }
    FortranRecord what;
    Start_Record(what);
    Append_Text(what, limiting ? "The default value of soil modulus computed in "
                               : "The computed value of soil modulus computed in ");
    Append_Text(what, criterion);
    Append_Text(what, " is not-a-number for node number ");
    Append_I(what, k, 0);
    Write_Report_Lines({heading.text.data(), "", what.text.data(),
                        "This problem is usually due to a required soil property being left equal to zero."});
    Set_Error_Status(k_Status_Runtime_Base + number);
}

void Raise_PY_Input_Error(int number, std::initializer_list<const char*> lines, bool to_report) {
    const FortranRecord heading = Error_Heading(true, number);
    Write_Message_Line(heading.text.data());
    Write_Message_Lines(lines);
    if (to_report) {
        Write_Report_Line(heading.text.data());
        Write_Report_Lines(lines);
    }
    Raise_Input_Error(number);
}

void Write_PY_Title(const char* title, const char* second_line) {
    WriteLine("");
    WriteLine("");
    WriteLine(title);
    if (second_line != nullptr) WriteLine(second_line);
    WriteLine("");
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

void Write_PY_Value_Line(const char* label, double value, int d, const char* unit) {
    Write_PY_Real_Line(label, value, 12, d, unit);
}

void Write_PY_Force_Line(const char* label, double value, int d) {
    FortranRecord r;
    Start_PY_Label_Line(r, label);
    Append_F(r, value, 12, d);
    Append_Text(r, " ");
    Append_Force_Per_Length_Label(r);
    Write_PY_Record(r);
}

void Write_PY_Stress_Line(const char* label, double value, int d) {
    const AnalysisModel& m = g_Model;
    FortranRecord r;
    Start_PY_Label_Line(r, label);
    Append_F(r, value, 12, d);
    Append_Text(r, " ");
    Append_Force_Per_Length_Label(r);
    Append_Trimmed(r, m.LabelPower);
    Append_Trimmed(r, m.LabelExp2);
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
    Write_PY_Real_Line("Ground Slope Angle", m.GroundSlope * 180.0 / k_PY_Pi, 12, 3, "degrees");
    Write_PY_Real_Line(batter_label, m.PileBatter * 180.0 / k_PY_Pi, 12, 3, "degrees");
    Write_PY_Real_Line("Effective Slope", m.EffectiveSlope * 180.0 / k_PY_Pi, 12, 3, "degrees");
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

void Append_Unit_Or_Force_Per_Length(FortranRecord& record, const char* unit) {
    if (unit != nullptr) {
        Append_Trimmed(record, unit);
    } else {
        Append_Force_Per_Length_Label(record);
    }
}

void Append_Subgrade_Label(FortranRecord& record) {
    Append_Force_Per_Length_Label(record);
    Append_Trimmed(record, g_Model.LabelPower);
    Append_Trimmed(record, g_Model.LabelExp3);
}

void Write_PY_Table_Heading(int y_column, int p_column, const char* p_unit, const char* dashes) {
    FortranRecord r;
    Start_Record(r);
    Tab_To(r, y_column);
    Append_Text(r, "y, ");
    Append_Trimmed(r, g_Model.LabelLength);
    Tab_To(r, p_column);
    Append_Text(r, "p, ");
    Append_Unit_Or_Force_Per_Length(r, p_unit);
    Write_PY_Record(r);
    WriteLine(dashes);
}

void Write_PY_Table_Heading_After(int gap) {
    FortranRecord r;
    Start_Record(r);
    Append_Text(r, "        y, ");
    Append_Trimmed(r, g_Model.LabelLength);
    Append_X(r, gap);
    Append_Text(r, "p, ");
    Append_Force_Per_Length_Label(r);
    Write_PY_Record(r);
    WriteLine(k_PY_Table_Dashes);
}

void Write_PY_Table_Row(double y, double p, int blanks_before, int blanks_between) {
    WriteBlanks(blanks_before);
    WriteNumber(y, 12);
    WriteBlanks(blanks_between);
    WriteNumber(p, 12);
    EndLine();
}

void Write_PY_Fixed_Row(double y, double p) {
    FortranRecord r;
    Start_Record(r);
    Append_F(r, y, 15, 4);
    Append_F(r, p, 17, 3);
    Write_PY_Record(r);
}

PYCurveTable Tabulate_PY_Curve(const std::function<double(int)>& deflection,
                               const std::function<double(double)>& law) {
    PYCurveTable t{};
    for (int j = 1; j <= k_PY_Print_Points; ++j) {
        t.y_prime[j] = deflection(j);
        t.p[j] = law(t.y_prime[j]);
    }
    return t;
}

void Print_Tabulated_PY_Curve(int kind, int k, const PYNodeValues& v, int rows,
                              const std::function<double(int)>& deflection,
                              const std::function<double(double)>& law) {
    Record_Printed_PY_Curve(kind, v.x, k_PY_Print_Points, k);
    Write_PY_Curve_Table(kind, v, Tabulate_PY_Curve(deflection, law), rows);
}

void Write_PY_Curve_Table(int kind, const PYNodeValues& v, const PYCurveTable& t, int rows) {
    for (int j = 1; j <= k_PY_Print_Points; ++j) {
        const double y = v.ym * t.y_prime[j];
        const double p = v.pm * t.p[j];
        if (rows == k_PY_Rows_Fixed) {
            Write_PY_Fixed_Row(y, p);
        } else if (rows == k_PY_Rows_Numbers_Wide) {
            Write_PY_Table_Row(y, p, 0, 9);
        } else {
            Write_PY_Table_Row(y, p, 3, 5);
        }
        Record_Printed_PY_Point(kind, y, p, j);
    }
}

void Record_Printed_PY_Curve(int kind, double depth, int points, int number) {
    AnalysisModel& m = g_Model;
    if (m.i_NumKeptPYCurves < k_Max_Kept_PY_Curves) {
        const int c = ++m.i_NumKeptPYCurves;
        m.i_KeptPYCurveKind[c] = kind;
        m.i_KeptPYCurveNumber[c] = number;
        m.rd_KeptPYCurveDepth[c] = depth;
        m.i_KeptPYCurvePoints[c] = 0;
    }
    Write_Line7_Record(kind, depth, points, number);
}

void Record_Printed_PY_Point(int kind, double y, double p, int j) {
    AnalysisModel& m = g_Model;
    const int c = m.i_NumKeptPYCurves;
    if (c >= 1 && j >= 1 && j <= k_Max_Kept_PY_Points) {
        m.rd_KeptPY_y[c][j] = y;
        m.rd_KeptPY_p[c][j] = p;
        if (j > m.i_KeptPYCurvePoints[c]) m.i_KeptPYCurvePoints[c] = j;
    }
    Write_Line8_Record(kind, y, p, j);
}
