// Echo of the pile-head loading. The LRFD input blocks show what was read; forming the factored
// combinations from them belongs to lrfd/.
#include "input/echo_loading.h"

#include "input/echo_lines.h"
#include "model/capacities.h"
#include "model/model.h"
#include "model/units.h"
#include "report/number_writer.h"

namespace {

constexpr const char* k_Loading_Rule =
    "-----   ----   --------------------   -----------------------   ----------------   "
    "---------------------";

struct HeadLoadType {
    const char* text;          // load number's type column and the first condition's symbol
    const char* second;        // symbol of the second condition
};
constexpr HeadLoadType k_Head_Load_Types[] = {
    {"", ""},
    {"     1     V = ", "M = "},
    {"     2     V = ", "S = "},
    {"     3     V = ", "R = "},
    {"     4     y = ", "M = "},
    {"     5     y = ", "S = "},
};

// Unit texts of the two conditions of a load type.
void Append_Condition(FortranRecord& line, double value, const char* unit) {
    Append_Text(line, Format_Number(value, 10).text.data());
    Append_Text(line, " ");
    Append_Trimmed(line, unit);
}

void Write_Load_Row(int i) {
    const AnalysisModel& m = g_Model;
    const int type = m.LoadType[i];
    FortranRecord line;
    Start_Record(line);
    Append_I(line, i, 4);
    if (type < 1 || type > 5) {
        Append_Text(line, "     ");
        Append_I(line, type, 1);
        WriteLine(line.text.data());
        return;
    }
    FortranRecord rotational;
    Start_Record(rotational);
    Append_Trimmed(rotational, m.LabelMoment);
    Append_Text(rotational, "/rad");
    const char* unit1 = type <= 3 ? m.LabelForce : m.LabelLength;
    const char* unit2 = type == 1 || type == 4 ? m.LabelMoment
                        : type == 3            ? rotational.text.data()
                                               : "radians";
    Append_Text(line, k_Head_Load_Types[type].text);
    Append_Condition(line, m.Load1[i], unit1);
    Tab_To(line, 39);
    Append_Text(line, k_Head_Load_Types[type].second);
    Append_Condition(line, m.Load2[i], unit2);
    Tab_To(line, 65);
    Append_Text(line, Format_Number(m.AxialThrustLoad[i], 12).text.data());
    Append_Text(line, " ");
    Append_Trimmed(line, m.LabelForce);
    Tab_To(line, 84);
    Append_Text(line, m.b_LengthStudy[i] != 0 ? " Yes " : " No  ");
    WriteLine(line.text.data());
}

// Load type labels of the LRFD tables by load type 1..13.
constexpr const char* k_Group_Labels[k_Num_Lrfd_Load_Types + 1] = {
    "", "Dead Load   (DL)", "Live Load   (LL)", "Earthquake  (EQ)", "Impact Load (IM)",
    "Wind Load    (W)", "Water Load  (HW)", "Ice Load   (Ice)", "Horiz. Soil (Hs)",
    "Live Roof   (Lr)", "Rain Load   (DL)", "Snow Load   (DL)", "Temperature (Tm)",
    "Special     (Sp)"};
constexpr const char* k_Totals_Labels[k_Num_Lrfd_Load_Types + 1] = {
    "", "Dead Loads   (DL)", "Live Loads   (LL)", "Earthquake   (EQ)", "Impact Load  (IM)",
    "Wind Loads    (W)", "Water Loads  (HW)", "Ice Loads   (Ice)", "Horiz. Soil  (Hs)",
    "Live Roof    (Lr)", "Rain Loads   (Rn)", "Snow Loads   (Sn)", "Temperature  (Tm)",
    "Special      (Sp)"};

bool SI() { return g_Model.IUNITS == k_Units_SI; }

void Write_Group_Distributed_Loads(int g) {
    const AnalysisModel& m = g_Model;
    FortranRecord head = Text_With_Integer("Number of Distributed Loading Points Input for Load Group ", g, " = ");
    Append_I(head, m.NumLrfdDistPoints[g], 0);
    WriteLine("");
    WriteLine(head.text.data());
    WriteLine("Point           Depth          Distributed Load");
    WriteLine(SI() ? "                  m                kN/m      "
                   : "                  ft               lb/inch   ");
    WriteLine("-----     ----------------     ----------------");
    for (int j = 1; j <= m.NumLrfdDistPoints[g] && j <= k_Max_Lrfd_Dist_Points; ++j) {
        FortranRecord row;
        Start_Record(row);
        Append_I(row, j, 4);
        Append_F(row, m.XLrfdDist[j][g], 21, 2);
        Append_F(row, m.LrfdDist[j][g], 21, 2);
        WriteLine(row.text.data());
    }
}

// An LRFD block's opening: blank_lines empty lines, the title between two rules, an empty
// line and the line counting the block's entries.
void Write_Lrfd_Block_Heading(int blank_lines, const char* rule, const char* title,
                              const char* count_text, int count) {
    for (int i = 0; i < blank_lines; ++i) WriteLine("");
    WriteLine(rule);
    WriteLine(title);
    WriteLine(rule);
    WriteLine("");
    const FortranRecord line = Text_With_Integer(count_text, count);
    WriteLine(line.text.data());
}

void Write_Loading_Groups() {
    const AnalysisModel& m = g_Model;
    Write_Lrfd_Block_Heading(
        3, "-------------------------------------------------------------------------------",
        "                  Unfactored Loading Groups for LRFD Analysis",
        "Number of Loading Groups = ", m.NumLrfdLoads);
    WriteLine("      Load                    Load                Horiz. Force               Moment "
              "               Axial Force           Number of ");
    WriteLine(SI() ? "      Group                   Type                     kN                   "
                     "  kN-m                     kN             Distrib. Lds. "
                   : "      Group                   Type                     lbs                  "
                     "inch-lbs                   lbs             Distrib. Lds. ");
    WriteLine("-----------------      ------------------      ------------------      ----------"
              "--------      ------------------      -------------");
    for (int g = 1; g <= m.NumLrfdLoads && g <= k_Max_Lrfd_Loads; ++g) {
        const int type = m.LrfdLoadType[g];
        FortranRecord row;
        Start_Record(row);
        Append_I(row, g, 9);
        Append_X(row, 15);
        Append_Text(row, type >= 1 && type <= k_Num_Lrfd_Load_Types ? k_Group_Labels[type]
                                                                   : "Unknown type    ");
        Append_F(row, m.LrfdH[g], 24, 2);
        Append_F(row, m.LrfdM[g], 24, 2);
        Append_F(row, m.LrfdP[g], 24, 2);
        Append_I(row, m.NumLrfdDistPoints[g], 14);
        WriteLine(row.text.data());
    }
    for (int g = 1; g <= m.NumLrfdLoads && g <= k_Max_Lrfd_Loads; ++g) {
        if (m.NumLrfdDistPoints[g] > 0) Write_Group_Distributed_Loads(g);
    }
}

void Write_Load_Type_Totals() {
    const AnalysisModel& m = g_Model;
    WriteLine("");
    WriteLine("");
    WriteLine("Totals of Unfactored Loads by Load Type for LRFD Analyses:");
    WriteLine("----------------------------------------------------------");
    FortranRecord count = Text_With_Integer("Number of Defined Unfactored Load Cases = ", m.NumLrfdLoads);
    WriteLine(count.text.data());
    WriteLine("The following table presents the sum of unfactored pile-head loads for each load "
              "type.");
    WriteLine("      Load                Horiz. Force               Moment                Axial "
              "Force           Number of ");
    // "Kn" and "Kn-M" are the SI heading as it has always read
    WriteLine(SI() ? "      Type                     Kn                     Kn-M                  "
                     "   kN                  Loads   "
                   : "      Type                     lbs                  inch-lbs                "
                     "   lbs                 Loads   ");
    WriteLine("-----------------      ------------------      ------------------      ----------"
              "--------   ---------");
    for (int t = 1; t <= k_Num_Lrfd_Load_Types; ++t) {
        double H = 0.0, M = 0.0, P = 0.0;
        int n = 0;
        for (int g = 1; g <= m.NumLrfdLoads && g <= k_Max_Lrfd_Loads; ++g) {
            if (m.LrfdLoadType[g] != t) continue;
            H += m.LrfdH[g];
            M += m.LrfdM[g];
            P += m.LrfdP[g];
            ++n;
        }
        FortranRecord row;
        Start_Record(row);
        Append_Text(row, k_Totals_Labels[t]);
        Append_F(row, H, 24, 2);
        Append_F(row, M, 24, 2);
        Append_F(row, P, 24, 2);
        Append_I(row, n, 12);
        WriteLine(row.text.data());
    }
}

void Write_Factors() {
    const AnalysisModel& m = g_Model;
    const char* const heading =
        " No.    DL     LL     EQ     IM    Wind   Watr    Ice   Soil   Roof   Rain   Snow   "
        "Temp   Spec   M RF   V RF   Name";
    Write_Lrfd_Block_Heading(
        2, "-----------------------------------------------------------------------------",
        "     Load and Resistance Factors by Load Combinations for LRFD Analyses      ",
        "Number of Factored Load Combinations = ", m.NumLrfdCombinations);
    WriteLine("");
    WriteLine("Summary of Load and Resistance Factors:");
    WriteLine("---------------------------------------");
    WriteLine("");
    WriteLine(heading);
    WriteLine("----  -----  -----  -----  -----  -----  -----  -----  -----  -----  -----  -----  "
              "-----  -----  -----  -----   ----");
    for (int c = 1; c <= m.NumLrfdCombinations && c <= k_Max_Lrfd_Combinations; ++c) {
        FortranRecord row;
        Start_Record(row);
        Append_I(row, c, 3);
        Append_Text(row, " ");
        for (int t = 1; t <= k_Num_Lrfd_Load_Types; ++t) {
            // a type without a positive factor takes no part in the combination
            if (m.LrfdFactor[t][c] <= 0.0) Append_Text(row, "    -- ");
            else Append_F(row, m.LrfdFactor[t][c], 7, 2);
        }
        Append_F(row, m.PhiM[c] <= 0.0 ? 0.75 : m.PhiM[c], 7, 2);
        Append_F(row, m.PhiV[c] <= 0.0 ? 0.75 : m.PhiV[c], 7, 2);
        Append_Text(row, "   ");
        Append_Trimmed(row, m.LrfdCombinationName[c].data());
        WriteLine(row.text.data());
    }
}

}  // namespace

void WritePileHeadLoading() {
    const AnalysisModel& m = g_Model;
    Write_Echo_Heading("Pile-head Loading and Pile-head Fixity Conditions", 15);
    FortranRecord count = Text_With_Integer("Number of loads specified = ", m.NumLoadCases);
    WriteLine(count.text.data());
    WriteLine("");
    WriteLine("Load    Load         Condition               Condition            Axial Thrust    "
              "        Compute");
    FortranRecord units;
    Start_Record(units);
    Append_Text(units, " No.    Type             1                       2                 Force, ");
    Append_Trimmed(units, m.LabelForce);
    Tab_To(units, 84);
    Append_Text(units, "Top y vs. Pile Length");
    WriteLine(units.text.data());
    WriteLine(k_Loading_Rule);
    for (int i = 1; i <= m.NumLoadCases && i <= k_Max_Load_Cases; ++i) Write_Load_Row(i);
    WriteLine("");
    WriteLine("V = perpendicular shear force applied to pile head");
    WriteLine("M = bending moment applied to pile head");
    WriteLine("y = lateral deflection relative to pile axis");
    WriteLine("S = pile slope relative to original pile batter angle");
    // "applie" is the note as engineers know it
    WriteLine("R = rotational stiffness applie to pile head");
    WriteLine("Axial thrust is assumed to be acting axially for all pile batter angles.");
}

void Write_Lrfd_Input_Echo() {
    Write_Loading_Groups();
    Write_Load_Type_Totals();
    Write_Factors();
}
