// Property lines and unit labels of the section report.
#include "section/section_lines.h"

#include <cstdio>
#include <cstring>

#include "model/model.h"
#include "model/units.h"
#include "report/fortran_format.h"
#include "report/number_writer.h"

namespace {

constexpr int k_Value_Width = 15;

void Set_Label(char (&label)[9], const char* text) { std::snprintf(label, sizeof label, "%-8s", text); }

}  // namespace

void Write_Property_Line(const char* label, double x, int decimals, const char* unit) {
    FortranRecord line;
    Start_Record(line);
    Append_Text(line, label);
    Tab_To(line, k_Section_Equals_Column);
    Append_Text(line, "= ");
    Append_F(line, x, k_Value_Width, decimals);
    if (unit != nullptr && unit[0] != '\0') Append_Trimmed(line, unit);
    WriteLine(line.text.data());
}

void Set_Section_Unit_Labels() {
    AnalysisModel& m = g_Model;
    const bool us = m.IUNITS == k_Units_US;
    if (!us && m.IUNITS != k_Units_SI) return;   // general units keep what they had
    Set_Label(m.c_LabelStress, us ? " ksi" : " kPa");
    Set_Label(m.c_LabelLength, us ? " in" : " m");
    Set_Label(m.c_LabelForce, us ? " kips" : " kN");
    Set_Label(m.c_LabelMoment, us ? " in-kip" : " kN-m");
    Set_Label(m.c_LabelArea, us ? " sq. in." : " sq. m");
    Set_Label(m.c_LabelInertia, us ? " in^4" : " m^4");
    Set_Label(m.c_LabelStiffness, us ? "kip-in^2" : "kN-m^2");
}
