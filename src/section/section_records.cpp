// Plot records "Line 3", "Line 4" and "Line 5" of the section analysis.
#include "section/section_records.h"

#include "model/model.h"
#include "report/fortran_format.h"

void Write_Line3_Record(int thrusts, const char* label) {
    FortranRecord r;
    Start_Record(r);
    Append_I(r, thrusts, 5);
    Append_X(r, 75);
    Append_Text(r, label);
    Write_Record(g_Model.PlotFile, r);
}

void Write_Line4_Record(int points, double thrust, double capacity, const char* label, int section) {
    FortranRecord r;
    Start_Record(r);
    Append_I(r, points, 5);
    Append_X(r, 10);
    Append_E(r, thrust, 15, 7);
    Append_E(r, capacity, 15, 7);
    Tab_To(r, 81);
    Append_Text(r, label);
    if (section > 0) Append_I(r, section, 0);
    Write_Record(g_Model.PlotFile, r);
}

void Write_Line5_Record(double M, double EI, double phi, const char* label, int s, int a, int k) {
    FortranRecord r;
    Start_Record(r);
    Append_E(r, M, 15, 7);
    Append_E(r, EI, 15, 7);
    Append_E(r, phi, 15, 7);
    Tab_To(r, 81);
    Append_Text(r, label);
    Append_I(r, s, 0);
    Append_Text(r, ", AxLd#=");
    Append_I(r, a, 0);
    Append_Text(r, ", CurvPnt#=");
    Append_I(r, k, 0);
    Write_Record(g_Model.PlotFile, r);
}
