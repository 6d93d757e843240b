// Piedmont residual soil p-y criterion ("Piedmont"): PY_Piedmont sets Es_Node for the nodes of
// one layer from the initial modulus of the layer's field test, or prints the curve block in
// print mode. The test values are used as entered; the layer counts as rock-type for the layers
// below it, keeps no integral of ultimate resistance and takes no part in soil movement.
#include "py/piedmont.h"

#include <array>
#include <cmath>

#include "engine/errors.h"
#include "model/capacities.h"
#include "model/model.h"
#include "model/units.h"
#include "pile/soil_profile.h"
#include "py/criteria.h"
#include "py/py_framework.h"
#include "py/py_node.h"
#include "report/fortran_format.h"
#include "report/number_writer.h"
#include "report/plot_file.h"

namespace {

constexpr double k_YB = 0.0010000000474974513;           // 0.001 (s) b, end of the line
constexpr double k_YA = 0.03750000149011612;             // 0.0375 (s) b, start of the plateau
constexpr double k_Log_Factor = 0.21624703162973105;
constexpr double k_Plateau_Factor = 0.21632074170043247; // the logarithmic branch at yA
constexpr double k_Beyond_YA = 1.0499999523162842;       // 1.05 (s)
constexpr double k_Tiny = 9.9999998245167e-15;           // 1e-14 (s)

// Factors by test type 1..4: US customary, SI.
constexpr double k_Factors[5][2] = {
    {0.0, 0.0},
    {22.0, 151.68465995788574},                          // SPT N60
    {0.11800000071525574, 0.11800000071525574},          // CPT qc, 0.118 (s)
    {0.07599999755620956, 0.07599999755620956},          // DMT modulus, 0.076 (s)
    {0.23499999940395355, 0.23499999940395355},          // PMT modulus, 0.235 (s)
};

using SoilColumn = std::array<double, k_Max_Soil_Points + 1>;

struct FieldTest {
    const char* name;
    const char* value_label;
    const char* us_unit;
    const char* si_unit;
};
// The CPT, DMT and PMT values are used as entered: with the factor of the US column they give a
// modulus in lb/in2, so they are lb/in2 themselves.
constexpr FieldTest k_Tests[5] = {
    {"", "", "", ""},
    {"Standard Penetration Test", "SPT  N60-value", " blows/ft", " blows/0.3 m"},
    {"Cone Penetration Test", "CPT qc", " psi", " kPa"},
    {"Dilatometer Test", "DMT Edmt", " psi", " kPa"},
    {"Pressuremeter Test", "DMT Epmt", " psi", " kPa"},
};

// The field test's column of the soil data.
const SoilColumn* Test_Column(int test_type) {
    const AnalysisModel& m = g_Model;
    switch (test_type) {
        case 1: return &m.SPTN60AtPoint;
        case 2: return &m.ConeTipResistanceAtPoint;
        case 3: return &m.DilatometerModulusAtPoint;
        case 4: return &m.PressuremeterModulusAtPoint;
        default: return nullptr;
    }
}

void Print_Piedmont_Curve(int L, int k, const PYNodeValues& v, int test, double value, double Epy) {
    const AnalysisModel& m = g_Model;
    Write_PY_Title("p-y Curve for Piedmont Residual Soil Criteria", nullptr);
    Write_PY_Layer_And_Depths(L, v.z);
    Write_PY_Value_Line("Shaft Diameter", v.b, 3, m.LabelLength);
    if (test >= 1 && test <= 4) {
        const FieldTest& t = k_Tests[test];
        FortranRecord r;
        Start_PY_Label_Line(r, "Type of Field Test");
        Append_Text(r, t.name);
        Write_PY_Record(r);
        if (m.IUNITS == k_Units_US || m.IUNITS == k_Units_SI) {
            Start_PY_Label_Line(r, t.value_label);
            Append_F(r, value, 12, 3);
            Append_Text(r, m.IUNITS == k_Units_US ? t.us_unit : t.si_unit);
            Write_PY_Record(r);
        }
    }
    Write_PY_Value_Line("Initial Modulus from Field Tests", Epy, 3, m.LabelStress);
    Write_PY_Multipliers(v.pm, v.ym);
    Write_PY_Table_Heading(9, 22, nullptr, "---------------   ---------------");
    Print_Tabulated_PY_Curve(k_PY_Curve_Piedmont, k, v, k_PY_Rows_Numbers,
                             [&](int j) { return Piedmont_Table_Deflection(v.b, j); },
                             [&](double y_prime) { return Piedmont_P(Epy, v.b, y_prime); });
}

// The layer resists nothing without a modulus; the report's warning summary says why.
bool Begin_Piedmont_Layer(int L, bool print) {
    const AnalysisModel& m = g_Model;
    const int test = m.FieldTestTypeAtPoint[2 * L - 1];
    if (!print && m.i_TopNodeInLayer[L] <= m.i_BottomNodeInLayer[L]) {
        if (Test_Column(test) == nullptr) {
            RecordWarning(-k_Warning_Piedmont_Test_Type);
        } else if (Piedmont_Test_Factor(test, m.IUNITS) == 0.0) {
            RecordWarning(-k_Warning_Piedmont_General_Units);
        }
    }
    return true;
}

bool Piedmont_At_Node(int L, int k, const PYNodeValues& v, bool print, PYNodeModulus& out) {
    const AnalysisModel& m = g_Model;
    const int test = m.FieldTestTypeAtPoint[2 * L - 1];
    const SoilColumn* column = Test_Column(test);
    const double value = column != nullptr ? Layer_Column_At_Depth(L, *column, v.z) : 0.0;
    const double Epy = Piedmont_Test_Factor(test, m.IUNITS) * value;
    if (print) {
        Print_Piedmont_Curve(L, k, v, test, value, Epy);
        return true;
    }
    // at (almost) no deflection the initial slope, without the p-multiplier
    out.Es = v.y_prime < k_Tiny ? Epy * v.b / v.ym
                                : v.pm * Piedmont_P(Epy, v.b, v.y_prime) / (v.ym * v.y_prime);
    return true;
}

// Piedmont residual soil takes no part in soil movement and keeps no layer integral.
constexpr PYCriterion k_Piedmont = {
    nullptr, 0, 0, false, k_PY_No_Integral, false, Begin_Piedmont_Layer, Piedmont_At_Node};

}  // namespace

double Piedmont_Test_Factor(int test_type, int units) {
    if (test_type < 1 || test_type > 4) return 0.0;
    if (units == k_Units_US) return k_Factors[test_type][0];
    if (units == k_Units_SI) return k_Factors[test_type][1];
    return 0.0;
}

double Piedmont_P(double Epy, double b, double y_prime) {
    const double yB = k_YB * b;
    const double yA = k_YA * b;
    if (y_prime < yB) return Epy * b * y_prime;
    if (y_prime < yA) return Epy * b * y_prime * (1.0 - k_Log_Factor * std::log(1000.0 * y_prime / b));
    return Piedmont_Plateau(Epy, b);
}

double Piedmont_Plateau(double Epy, double b) { return Epy * b * (k_YA * b) * k_Plateau_Factor; }

double Piedmont_Table_Deflection(double b, int j) {
    const double yB = k_YB * b;
    const double yA = k_YA * b;
    if (j == 1) return 0.0;
    if (j == 2) return yB;
    if (j <= 15) return yB + (j - 2) * (yA - yB) / 14.0;
    if (j == 16) return yA;
    return k_Beyond_YA * yA;
}

void PY_Piedmont(int L, bool print) { Run_PY_Criterion(L, print, k_Piedmont); }
