// Pile-head deflection versus pile length: report block and plot records.
#include "report/length_study_report.h"

#include "model/model.h"
#include "model/units.h"
#include "report/fortran_format.h"
#include "report/number_writer.h"
#include "report/plot_file.h"

namespace {

constexpr const char* k_Dash_Line_80 =
    "--------------------------------------------------------------------------------";

bool US_Units() { return g_Model.IUNITS == k_Units_US; }

// "label = " value (Fw.d or Ew.d) and, when given, a blank and the unit, as one line.
void Write_Value_Line(const char* label, double value, bool exponent, int d, const char* unit,
                      const char* after_unit = "") {
    FortranRecord r;
    Start_Record(r);
    Append_Text(r, label);
    if (exponent) {
        Append_E(r, value, 15, d);
    } else {
        Append_F(r, value, 15, d);
    }
    if (unit != nullptr) {
        Append_Text(r, " ");
        Append_Text(r, unit);
        Append_Text(r, after_unit);
    }
    WriteLine(r.text.data());
}

void Write_Title(int lc) {
    WriteLine("");
    WriteLine("");
    WriteLine(k_Dash_Line_80);
    FortranRecord r;
    Start_Record(r);
    Tab_To(r, 13);
    Append_Text(r, "Pile-head Deflection vs. Pile Length for Load Case ");
    Append_I(r, lc, 0);
    WriteLine(r.text.data());
    WriteLine(k_Dash_Line_80);
    WriteLine("");
}

// The head condition of load case lc as the input gave it, by load type.
void Write_Head_Condition(int lc) {
    const AnalysisModel& m = g_Model;
    const double load1 = m.Load1[lc];
    const double load2 = m.Load2[lc];
    const char* const headings[6] = {"",
                                      "Boundary Condition Type 1, Shear and Moment",
                                      "Boundary Condition Type 2, Shear and Slope",
                                      "Boundary Condition Type 3, Shear and Rotational Restraint",
                                      "Boundary Condition Type 4, Deflection and Moment",
                                      "Boundary Condition Type 5, Deflection and Slope"};
    const int type = m.LoadType[lc];
    if (type < 1 || type > 5) return;
    WriteLine(headings[type]);
    WriteLine("");
    if (type <= 3) {
        Write_Value_Line("Shear      = ", load1, false, 0, m.LabelForce);
    } else {
        Write_Value_Line("Deflection = ", load1, false, 5, m.LabelLength);
    }
    if (type == 1 || type == 4) {
        Write_Value_Line("Moment     = ", load2, false, 0, m.LabelMoment);
    } else if (type == 3) {
        Write_Value_Line("Rot. Rest. = ", load2, true, 7, m.LabelMoment, "/Radian");
    } else {
        Write_Value_Line("Slope      = ", load2, false, 5, nullptr);
    }
    Write_Value_Line("Axial Load = ", m.AxialThrustLoad[lc], false, 0, m.LabelForce);
}

void Write_Points(int lc) {
    const AnalysisModel& m = g_Model;
    const int n = m.i_LengthStudyPoints[lc];
    WriteLine("");
    WriteLine("");
    if (n == 0) {
        WriteLine("No computations for top deflection vs. pile length were successful for this "
                  "load case.");
        WriteLine("");
        WriteLine("Results of last two iterations:");
        WriteLine("");
        return;
    }
    // "ln-lbs" is the heading's own spelling.
    const char* const heading[] = {
        "    Pile       Pile Head       Maximum       Maximum",
        "   Length      Deflection      Moment         Shear ",
        US_Units() ? "    feet         inches        ln-lbs          lbs "
                   : "   meters        meters         kN-m           kN  ",
        "------------  ------------  ------------  ------------"};
    for (const char* line : heading) WriteLine(line);
    for (int j = 1; j <= n; ++j) {
        const double length = m.rd_StudyPileLength[j][lc];
        WriteNumber(US_Units() ? length / 12.0 : length, 11);
        WriteNumber(m.rd_StudyHeadDeflection[j][lc], 14);
        WriteNumber(m.rd_StudyMaxMoment[j][lc], 14);
        WriteNumber(m.rd_StudyMaxShear[j][lc], 14);
        EndLine();
    }
}

}  // namespace

void Write_Length_Study_Report(int lc) {
    Write_Title(lc);
    Write_Head_Condition(lc);
    Write_Points(lc);
    Write_Line11_Study_Record(lc);
    for (int j = 1; j <= g_Model.i_LengthStudyPoints[lc]; ++j) Write_Line12_Record(lc, j);
}
