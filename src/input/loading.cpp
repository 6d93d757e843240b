// ReadLoading, ReadLrfdLoads and ReadLrfdFactors: the pile-head loads of the problem. Loads are
// stored as input (pounds, inch-pounds, inches or kN, kN-m, meters); forming the factored LRFD
// combinations from them is left to the LRFD subsystem.
#include "input/loading.h"

#include <cstdio>

#include "engine/errors.h"
#include "engine/messages.h"
#include "input/input_errors.h"
#include "input/line_reader.h"
#include "model/model.h"

namespace {

constexpr double k_Default_Resistance_Factor = 0.75;
constexpr int k_Num_Load_Types = 5;

// The LRFD frames: two empty lines, the heading with five asterisks each side, an empty line,
// the message lines and two empty lines, to the report only.
void Raise_Lrfd_Error(int number, std::initializer_list<const char*> lines) {
    const FortranRecord heading = Error_Heading(true, number, 5);
    Write_Report_Lines({"", "", heading.text.data(), ""});
    Write_Report_Lines(lines);
    Write_Report_Lines({"", ""});
    Raise_Input_Error(number);
}

// Load case i: running number, loading type, Load1, Load2, axial thrust, length-study code.
void Read_Load_Case(int i) {
    AnalysisModel& m = g_Model;
    int running = 0;
    // Code 1 asks for the analysis of the fixed pile length only; a null code keeps the flag.
    int study = m.b_LengthStudy[i] != 0 ? 0 : 1;
    Read_Data_Line({Int_Item(running), Int_Item(m.LoadType[i]), Real_Item(m.Load1[i]),
                    Real_Item(m.Load2[i]), Real_Item(m.AxialThrustLoad[i]), Int_Item(study)});
    if (m.ErrorStatus != 0) return;
    m.b_LengthStudy[i] = study == 1 ? 0 : -1;
    const int type = m.LoadType[i];
    if (type >= 1 && type <= k_Num_Load_Types) return;
    Raise_Code_Out_Of_Range({"Pile-head load case", "load case", "loading type", "valid range of 1 to 5",
                             "from 1 to 5"},
                            i, type);
}

void Read_Distributed_Load() {
    AnalysisModel& m = g_Model;
    int n = m.NumDistLoadPoints;
    if (!Read_Int_Value(n)) return;
    if (n <= 0) {
        m.NumDistLoadPoints = 0;
        m.XDistLoad[1] = m.XDistLoad[2] = 0.0;
        m.DistLoad[1] = m.DistLoad[2] = 0.0;
        return;
    }
    if (!Check_Count("distributed lateral load points", n, 0, k_Max_Dist_Load_Points)) return;
    m.NumDistLoadPoints = n;
    for (int j = 1; j <= n; ++j) {
        if (!Read_Numbered_Line({Real_Item(m.XDistLoad[j]), Real_Item(m.DistLoad[j])})) return;
    }
}

// Unfactored load g: load number, load type, H, M, P, number of distributed points, then the
// points. Returns after raising when the load or a point is out of order or out of range.
void Read_Lrfd_Load(int g) {
    AnalysisModel& m = g_Model;
    int number = 0;
    int points = m.NumLrfdDistPoints[g];
    Read_Data_Line({Int_Item(number), Int_Item(m.LrfdLoadType[g]), Real_Item(m.LrfdH[g]),
                    Real_Item(m.LrfdM[g]), Real_Item(m.LrfdP[g]), Int_Item(points)});
    if (m.ErrorStatus != 0) return;
    char line1[128];
    char line2[128];
    if (number != g) {
        std::snprintf(line1, sizeof line1,
                      "Input load number is %d and the expected load number is %d", number, g);
        Raise_Lrfd_Error(97, {"Input appears to be out-of-order for LRFD loading", line1});
        return;
    }
    // The load type indexes the 13 load factors of every combination.
    const int type = m.LrfdLoadType[g];
    if (type < 1 || type > k_Num_Lrfd_Load_Types) {
        std::snprintf(line1, sizeof line1,
                      "Problem:  LRFD load %d has the load type %d, outside the valid range of 1 "
                      "to 13.",
                      g, type);
        std::snprintf(line2, sizeof line2, "Solution: Give LRFD load %d a load type from 1 to 13.",
                      g);
        Raise_Input_Error_95(line1, line2);
        return;
    }
    if (points != 0 && (points < 2 || points > k_Max_Lrfd_Dist_Points)) {
        std::snprintf(line1, sizeof line1,
                      "Number of distributed load points for LRFD load number %d is outside of "
                      "the valid range of 0 or 2 to 100.",
                      g);
        std::snprintf(line2, sizeof line2, "The input number of distributed load points is %d",
                      points);
        Raise_Lrfd_Error(95, {line1, "", line2});
        return;
    }
    m.NumLrfdDistPoints[g] = points;
    for (int j = 1; j <= points; ++j) {
        int point = 0;
        Read_Data_Line({Int_Item(point), Real_Item(m.XLrfdDist[j][g]), Real_Item(m.LrfdDist[j][g])});
        if (m.ErrorStatus != 0) return;
        if (point != j) {
            char line3[96];
            std::snprintf(line1, sizeof line1,
                          "Input appears to be out-of-order for LRFD distributed load %d", g);
            std::snprintf(line2, sizeof line2, "Input distributed load point is %d", point);
            std::snprintf(line3, sizeof line3, " and the expected point number is %d", j);
            Raise_Lrfd_Error(96, {line1, "", line2, line3});
            return;
        }
    }
}

// Combination c: its number, the 13 load factors, PhiM, PhiV; then its name on a text line.
void Read_Lrfd_Combination(int c) {
    AnalysisModel& m = g_Model;
    int number = 0;
    DataItem items[1 + k_Num_Lrfd_Load_Types + 2];
    int n = 0;
    items[n++] = Int_Item(number);
    for (int t = 1; t <= k_Num_Lrfd_Load_Types; ++t) items[n++] = Real_Item(m.LrfdFactor[t][c]);
    items[n++] = Real_Item(m.PhiM[c]);
    items[n++] = Real_Item(m.PhiV[c]);
    Read_Data_Line(items, n);
    if (m.ErrorStatus != 0) return;
    if (!Read_Required_Text_Line(m.LrfdCombinationName[c])) return;
    if (m.PhiM[c] <= 0.0) m.PhiM[c] = k_Default_Resistance_Factor;
    if (m.PhiV[c] <= 0.0) m.PhiV[c] = k_Default_Resistance_Factor;
    double sum = 0.0;
    for (int t = 1; t <= k_Num_Lrfd_Load_Types; ++t) sum += m.LrfdFactor[t][c];
    if (sum > 0.0) return;
    char line[96];
    std::snprintf(line, sizeof line, "The number of the LRFD load combination in error is %d", c);
    Raise_Lrfd_Error(72, {"All input load factors for LRFD analysis are zero.", "", line});
}

}  // namespace

// LOADING: count, then per case: running number, type, Load1, Load2, thrust, length-study code;
// then the number of distributed load points and per point: running number, depth, load.
void ReadLoading() {
    AnalysisModel& m = g_Model;
    Write_Message_Line("Reading pile head loading data");
    if (!Read_Checked_Count(m.NumLoadCases, "pile-head load cases", k_Max_Load_Cases)) return;
    const int n = m.NumLoadCases;
    if (!Read_Entries(n, Read_Load_Case)) return;
    Read_Distributed_Load();
}

// LRFD LOADS: count, then per load: number, type, H, M, P, points; then per point: number,
// depth, load.
void ReadLrfdLoads() {
    AnalysisModel& m = g_Model;
    Write_Message_Line("Reading LRFD unfactored load data");
    int n = m.NumLrfdLoads;
    if (!Read_Int_Value(n)) return;
    if (n < 1 || n > k_Max_Lrfd_Loads) {
        char line[96];
        std::snprintf(line, sizeof line, "Number of LRFD loads specified is %d", n);
        // "valid range to 1 to 100" is the message's own wording.
        Raise_Lrfd_Error(98, {line, "This is outside of the valid range to 1 to 100"});
        return;
    }
    m.NumLrfdLoads = n;
    Read_Entries(n, Read_Lrfd_Load);
}

// LRFD FACTORS AND CASES: count, then per combination a factor line and a name line.
void ReadLrfdFactors() {
    AnalysisModel& m = g_Model;
    Write_Message_Line("Reading LRFD load and resistance factor data ");
    int n = m.NumLrfdCombinations;
    if (!Read_Int_Value(n)) return;
    if (n < 1 || n > k_Max_Lrfd_Combinations) {
        char line[96];
        std::snprintf(line, sizeof line, "Number of LRFD load combinations input is %d", n);
        Raise_Lrfd_Error(94, {"Number of LRFD load combinations outside of the valid range of 1 "
                              "to 100.",
                              "", line});
        return;
    }
    m.NumLrfdCombinations = n;
    Read_Entries(n, Read_Lrfd_Combination);
}

void Derive_Length_Study_Count() {
    constexpr int k_Analysis_EI_Only = 2;
    AnalysisModel& m = g_Model;
    m.KYL = 0;
    if (m.i_Analysis_Type == k_Analysis_EI_Only || m.b_UseLRFD != 0) return;
    for (int lc = 1; lc <= m.NumLoadCases && lc <= k_Max_Load_Cases; ++lc) {
        if (m.b_LengthStudy[lc] != 0) ++m.KYL;
    }
}
