// Forming the factored LRFD combinations and their report blocks.
#include "lrfd/combinations.h"

#include <algorithm>
#include <cmath>

#include "engine/errors.h"
#include "model/capacities.h"
#include "model/model.h"
#include "model/units.h"
#include "report/fortran_format.h"
#include "report/number_writer.h"

namespace {

constexpr double k_No_Batter = 1e-6;              // radians; below it the loads act as input
constexpr double k_Same_Thrust = 1e-15;            // thrusts closer than this share an entry
constexpr double k_Default_Resistance = 0.75;      // shown for a resistance factor of 0 or less
constexpr double k_Degrees_Per_Radian = 57.29577951308232;   // 180 / pi

// Term texts of the "Factored Load = " line, by load type 1..13.
constexpr const char* k_Terms[k_Num_Lrfd_Load_Types + 1] = {
    "", "*DL", "*LL", "*EQ", "*IM", "*W ", "*HW", "*Ice", "*Hs", "*Lr", "*Rn", "*Sn", "*Tm", "*Sp"};

bool SI() { return g_Model.IUNITS == k_Units_SI; }
bool US() { return g_Model.IUNITS == k_Units_US; }

const char* Force_Unit() { return US() ? " lbs" : SI() ? " kN" : nullptr; }
const char* Moment_Unit() { return US() ? " in-lbs" : SI() ? " kN-m" : nullptr; }

// " lbs" / " kN", or the general unit system's own label.
void Append_Unit(FortranRecord& r, const char* unit, const char* general_label) {
    if (unit != nullptr) {
        Append_Text(r, unit);
        return;
    }
    Append_Text(r, " ");
    Append_Trimmed(r, general_label);
}

double Shown_Resistance(double phi) { return phi <= 0.0 ? k_Default_Resistance : phi; }

void Write_Rule(int n) {
    char rule[k_Max_Record_Length + 1];
    for (int i = 0; i < n; ++i) rule[i] = '-';
    rule[n] = '\0';
    WriteLine(rule);
}

void Write_Value_Line(const char* label, double x, const char* unit, const char* general_label) {
    FortranRecord r = Text_With_F(label, x, 24, 2);
    Append_Unit(r, unit, general_label);
    WriteLine(r.text.data());
}

void Write_Combination(int c) {
    const AnalysisModel& m = g_Model;
    FortranRecord title = Text_With_Integer("Factored Load Combination No. ", c);
    WriteLine(title.text.data());
    Write_Rule(33);
    FortranRecord name;
    Start_Record(name);
    Append_Text(name, "Load Combination Name = ");
    Append_Trimmed(name, m.LrfdCombinationName[c].data());
    WriteLine(name.text.data());
    const FortranRecord flexure =
        Text_With_F("Structural Resistance Factor for Flexure =", Shown_Resistance(m.PhiM[c]), 6, 3);
    const FortranRecord shear =
        Text_With_F("Structural Resistance Factor for Shear   =", Shown_Resistance(m.PhiV[c]), 6, 3);
    WriteLine(flexure.text.data());
    WriteLine(shear.text.data());
    FortranRecord load;
    Start_Record(load);
    Append_Text(load, "Factored Load = ");
    bool first = true;
    for (int t = 1; t <= k_Num_Lrfd_Load_Types; ++t) {
        if (m.LrfdFactor[t][c] <= 0.0) continue;
        if (!first) Append_Text(load, " +");
        first = false;
        Append_F(load, m.LrfdFactor[t][c], 5, 2);
        Append_Text(load, k_Terms[t]);
    }
    WriteLine(load.text.data());
    Write_Value_Line("Factored Horizontal Force = ", m.rd_LrfdHorizontal[c], Force_Unit(), m.LabelForce);
    Write_Value_Line("Factored Vertical Force   = ", m.rd_LrfdVertical[c], Force_Unit(), m.LabelForce);
    Write_Value_Line("Factored Moment           = ", m.rd_LrfdMoment[c], Moment_Unit(), m.LabelMoment);
    WriteLine("");
}

// A row of the totals and batter tables: number (I9), 7 blanks, three values (3F19.2), 3 blanks
// and the combination's name.
void Write_Table_Row(int c, double a, double b, double d) {
    FortranRecord r;
    Start_Record(r);
    Append_I(r, c, 9);
    Append_X(r, 7);
    Append_F(r, a, 19, 2);
    Append_F(r, b, 19, 2);
    Append_F(r, d, 19, 2);
    Append_X(r, 3);
    Append_Trimmed(r, g_Model.LrfdCombinationName[c].data());
    WriteLine(r.text.data());
}

// Appends text so that it ends at 1-based column end (the last column of a value field).
void Append_Ending_At(FortranRecord& r, const char* text, int end) {
    int n = 0;
    while (text[n] != '\0') ++n;
    Tab_To(r, end - n + 1);
    Append_Text(r, text);
}

// Column heads of the totals and batter tables, right-aligned over the value fields (which end
// at columns 35, 54 and 73), with the unit labels of the run.
void Write_Table_Heads(const char* first, const char* third) {
    const AnalysisModel& m = g_Model;
    FortranRecord names;
    Start_Record(names);
    Append_Text(names, "Load Comb.");
    Append_Ending_At(names, first, 35);
    Append_Ending_At(names, "Moment", 54);
    Append_Ending_At(names, third, 73);
    Tab_To(names, 77);
    Append_Text(names, "Name");
    WriteLine(names.text.data());
    FortranRecord units;
    Start_Record(units);
    Append_Text(units, "   No.");
    FortranRecord force;
    Start_Record(force);
    Append_Trimmed(force, m.LabelForce);
    FortranRecord moment;
    Start_Record(moment);
    Append_Trimmed(moment, m.LabelMoment);
    Append_Ending_At(units, force.text.data(), 35);
    Append_Ending_At(units, moment.text.data(), 54);
    Append_Ending_At(units, force.text.data(), 73);
    WriteLine(units.text.data());
    WriteLine("---------    ----------------   ----------------   ----------------   ----");
}

void Write_Factored_Loads() {
    const AnalysisModel& m = g_Model;
    WriteLine("");
    WriteLine("");
    Write_Rule(78);
    WriteLine("                  Computed Factored Loads for LRFD Analyses");
    Write_Rule(78);
    WriteLine("");
    for (int c = 1; c <= m.NumLrfdCombinations && c <= k_Max_Lrfd_Combinations; ++c) Write_Combination(c);
    WriteLine("");
    WriteLine("Totals of Factored Loads by Load Combination:");
    Write_Rule(45);
    WriteLine("");
    Write_Table_Heads("Horiz. Force", "Vertical Force");
    for (int c = 1; c <= m.NumLrfdCombinations && c <= k_Max_Lrfd_Combinations; ++c) {
        Write_Table_Row(c, m.rd_LrfdHorizontal[c], m.rd_LrfdMoment[c], m.rd_LrfdVertical[c]);
    }
}

void Write_Batter_Transform() {
    const AnalysisModel& m = g_Model;
    const double beta = m.PileBatter;
    WriteLine("");
    WriteLine("");
    WriteLine("Factored Loads Transformed for Pile Batter by Load Combination:");
    Write_Rule(62);
    WriteLine("");
    WriteLine("Horizontal and vertical loads are transformed into transverse shear and axial loads");
    WriteLine("using the following:");
    WriteLine("");
    WriteLine(Text_With_F("Pile PileBatter = ", beta * k_Degrees_Per_Radian, 7, 3, " degrees").text.data());
    WriteLine("");
    WriteLine("Transformation Matrix and Equations:");
    FortranRecord row1 = Text_With_F("   T(1,1) =  Cos(PileBatter) = ", std::cos(beta), 8, 4);
    Append_Text(row1, "   T(1,2) = Sin(PileBatter) = ");
    Append_F(row1, std::sin(beta), 8, 4);
    WriteLine(row1.text.data());
    FortranRecord row2 = Text_With_F("   T(2,1) = -Sin(PileBatter) = ", -std::sin(beta), 8, 4);
    Append_Text(row2, "   T(2,2) = Cos(PileBatter) = ");
    Append_F(row2, std::cos(beta), 8, 4);
    WriteLine(row2.text.data());
    WriteLine("");
    WriteLine("   Shear Force = T(1,1) * Horiz. Force + T(1,2) * Vertical Force");
    WriteLine("   Axial Force = T(2,1) * Horiz. Force + T(2,2) * Vertical Force");
    WriteLine("");
    Write_Table_Heads("Shear Force", "Axial Force");
    for (int c = 1; c <= m.NumLrfdCombinations && c <= k_Max_Lrfd_Combinations; ++c) {
        Write_Table_Row(c, m.rd_LrfdShear[c], m.rd_LrfdMoment[c], m.rd_LrfdThrust[c]);
    }
}

void Write_Thrust_List(const double* list, int n) {
    WriteLine("");
    WriteLine("");
    WriteLine("Sorted Values of Axial Thrust Forces Sorted for LRFD Computations:");
    Write_Rule(66);
    WriteLine("");
    WriteLine(Text_With_Integer("Number of Unique Axial Thrust Values = ", n).text.data());
    WriteLine("");
    WriteLine("Number   Factored Axial Thrust");
    WriteLine("------   ---------------------");
    for (int a = 1; a <= n; ++a) {
        FortranRecord r;
        Start_Record(r);
        Append_I(r, a, 4);
        Append_F(r, list[a], 16, 3);
        WriteLine(r.text.data());
    }
}

// Without combinations nothing would be analysed, and without loading groups every
// combination would be an unloaded pile; either would end with every combination "passed".
bool Lrfd_Input_Complete() {
    const AnalysisModel& m = g_Model;
    if (m.NumLrfdLoads <= 0) {
        Raise_Input_Problem(
            k_Error_No_Lrfd_Loads,
            "Problem:  UseLRFD YES, but the input has no LRFD LOADS section.",
            "Solution: Give the unfactored loading groups in an LRFD LOADS section, or set "
            "UseLRFD NO.");
        return false;
    }
    if (m.NumLrfdCombinations <= 0) {
        Raise_Input_Problem(
            k_Error_No_Lrfd_Combinations,
            "Problem:  UseLRFD YES, but the input has no LRFD FACTORS AND CASES section.",
            "Solution: Give the load combinations in an LRFD FACTORS AND CASES section, or set "
            "UseLRFD NO.");
        return false;
    }
    return true;
}

}  // namespace

FactoredLoads Factor_Combination(int c) {
    const AnalysisModel& m = g_Model;
    FactoredLoads f{0.0, 0.0, 0.0};
    for (int g = 1; g <= m.NumLrfdLoads && g <= k_Max_Lrfd_Loads; ++g) {
        const int t = m.LrfdLoadType[g];
        if (t < 1 || t > k_Num_Lrfd_Load_Types) continue;
        const double factor = m.LrfdFactor[t][c];
        // a factor of 0 or less means the type takes no part in the combination
        if (factor <= 0.0) continue;
        f.H += factor * m.LrfdH[g];
        f.M += factor * m.LrfdM[g];
        f.P += factor * m.LrfdP[g];
    }
    return f;
}

void Transform_For_Batter(double beta, double H, double P, double& V, double& Q) {
    if (std::fabs(beta) <= k_No_Batter) {
        V = H;
        Q = P;
        return;
    }
    V = std::cos(beta) * H + std::sin(beta) * P;
    Q = -std::sin(beta) * H + std::cos(beta) * P;
}

int Distinct_Thrusts(const double* Q, int n, double* list) {
    double sorted[k_Max_Lrfd_Combinations + 1];
    n = std::min(n, k_Max_Lrfd_Combinations);
    for (int i = 1; i <= n; ++i) sorted[i] = Q[i];
    // exchange sort, ascending
    for (int i = 1; i < n; ++i) {
        for (int j = i + 1; j <= n; ++j) {
            if (sorted[j] < sorted[i]) {
                const double x = sorted[i];
                sorted[i] = sorted[j];
                sorted[j] = x;
            }
        }
    }
    int kept = 0;
    for (int i = 1; i <= n; ++i) {
        if (kept > 0 && std::fabs(sorted[i] - list[kept]) < k_Same_Thrust) continue;
        list[++kept] = sorted[i];
    }
    return kept;
}

int Thrust_Position(double q, const double* list, int n) {
    for (int a = 1; a <= n; ++a) {
        if (list[a] == q) return a;
    }
    // A thrust dropped as a near-duplicate has no equal entry: it takes the nearest one.
    int nearest = 1;
    for (int a = 2; a <= n; ++a) {
        if (std::fabs(list[a] - q) < std::fabs(list[nearest] - q)) nearest = a;
    }
    return nearest;
}

void FormLrfdCombinations() {
    AnalysisModel& m = g_Model;
    if (!Lrfd_Input_Complete()) return;
    // the reader holds the count to the capacity; the clamp keeps the arrays safe regardless
    const int n = std::min(std::max(m.NumLrfdCombinations, 0), k_Max_Lrfd_Combinations);
    for (int c = 1; c <= n; ++c) {
        const FactoredLoads f = Factor_Combination(c);
        m.rd_LrfdHorizontal[c] = f.H;
        m.rd_LrfdVertical[c] = f.P;
        m.rd_LrfdMoment[c] = f.M;
        Transform_For_Batter(m.PileBatter, f.H, f.P, m.rd_LrfdShear[c], m.rd_LrfdThrust[c]);
    }
    double list[k_Max_Lrfd_Combinations + 1];
    const int kept = Distinct_Thrusts(m.rd_LrfdThrust.data(), n, list);
    for (int c = 1; c <= n; ++c) m.i_LrfdThrustIndex[c] = Thrust_Position(m.rd_LrfdThrust[c], list, kept);

    Write_Factored_Loads();
    if (std::fabs(m.PileBatter) > k_No_Batter) Write_Batter_Transform();
    Write_Thrust_List(list, kept);

    // The section analysis computes its curves for these thrusts, in kips for US customary runs.
    const double scale = US() ? 1000.0 : 1.0;
    m.NumEIThrusts = kept;
    for (int a = 1; a <= kept; ++a) m.EIThrust[a] = list[a] / scale;
}
