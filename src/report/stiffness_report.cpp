// Pile-head stiffness tables and their plot records.
#include "report/stiffness_report.h"

#include "model/model.h"
#include "model/units.h"
#include "report/number_writer.h"
#include "report/plot_file.h"

namespace {

constexpr const char* k_Dash_Line_80 =
    "--------------------------------------------------------------------------------";
constexpr const char* k_Table_Rule =
    "  ------------  --------------  --------------  --------------  --------------";

bool US_Units() { return g_Model.IUNITS == k_Units_US; }

void Write_Lines(const char* const* lines, int n) {
    for (int i = 0; i < n; ++i) WriteLine(lines[i]);
}

void Write_Title() {
    const char* const lines[] = {"", "", k_Dash_Line_80,
                                 "                   Computed Pile-head Stiffness Matrix Values",
                                 "                        K22, K23, K32, K33 for Pile Head",
                                 "                              Based on Load Case 1",
                                 k_Dash_Line_80, ""};
    Write_Lines(lines, 8);
}

// One row: the head deflection or rotation in 14 columns, then four values in 16.
void Write_Row(double head, double shear, double moment, double k_first, double k_second) {
    WriteNumber(head, 14);
    const double values[4] = {shear, moment, k_first, k_second};
    for (double v : values) WriteNumber(v, 16);
    EndLine();
}

// Shear series: cases 1..10, per unit head deflection.
void Write_Shear_Table() {
    const AnalysisModel& m = g_Model;
    const char* const lines[] = {
        "  K22 = abs(Shear Reaction/Top y)", "  K32 = abs(Moment Reaction/Top y)", "",
        "    Pile-Top       Pile-Top        Pile-Top                                   ",
        "   Deflection   Shear Reaction   Moment React.       K22              K32     ",
        US_Units() ? "     inches          lbs            in-lbs          lb/in.         in-lb/in.  "
                   : "     meters           kN             kN-m            kN/m            kN-m/m   ",
        k_Table_Rule};
    Write_Lines(lines, 7);
    for (int i = 1; i <= k_Num_Stiffness_Rows; ++i) {
        Write_Row(m.rd_StiffnessHeadDeflection[i], m.rd_StiffnessHeadShear[i],
                  m.rd_StiffnessHeadMoment[i], m.rd_K22[i], m.rd_K32[i]);
    }
    WriteLine("");
}

// Moment series: cases 11..20, per unit head rotation.
void Write_Moment_Table() {
    const AnalysisModel& m = g_Model;
    const char* const lines[] = {
        "  K23 = abs(Shear Reaction/Top Rotation) ", "  K33 = abs(Moment Reaction/Top Rotation)", "",
        "    Pile-Top       Pile-Top        Pile-Top                                  ",
        "    Rotation     Shear React.    Moment React.       K23              K33    ",
        US_Units() ? "     radians          lbs            in-lbs         lb/rad         in-lb/rad "
                   : "     radians          kN             kN-m           kN/rad          kN-m/rad  ",
        k_Table_Rule};
    Write_Lines(lines, 7);
    for (int i = 1; i <= k_Num_Stiffness_Rows; ++i) {
        const int j = k_Num_Stiffness_Rows + i;
        Write_Row(m.rd_StiffnessHeadSlope[j], m.rd_StiffnessHeadShear[j],
                  m.rd_StiffnessHeadMoment[j], m.rd_K23[i], m.rd_K33[i]);
    }
    WriteLine("");
}

}  // namespace

void Write_Stiffness_Report() {
    Write_Title();
    Write_Shear_Table();
    Write_Moment_Table();
    for (int i = 1; i <= k_Num_Stiffness_Rows; ++i) Write_Line14_Record(i);
}
