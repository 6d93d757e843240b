// Messages of the soil property lookups. The input error blocks go to the runtime message file
// and then to the report, word for word the same; the fn_c diagnostics are list-directed lines
// in the report only.
#include "pile/soil_profile_errors.h"

#include <cmath>
#include <cstdio>
#include <initializer_list>

#include "engine/errors.h"
#include "engine/product.h"
#include "engine/messages.h"
#include "model/model.h"
#include "model/soil_types.h"
#include "report/fortran_format.h"
#include "report/list_directed.h"

namespace {

constexpr int k_Line_Length = 160;
using Line = char[k_Line_Length];

// The framed message of Input Data Error No. number, its heading then lines, to the runtime
// message file and then to the report; then the raise.
void Raise_Framed_Input_Error(int number, std::initializer_list<const char*> lines) {
    const FortranRecord heading = Error_Heading(true, number);
    Write_Message_Line(heading.text.data());
    Write_Message_Lines(lines);
    Write_Report_Line(heading.text.data());
    Write_Report_Lines(lines);
    Raise_Input_Error(number);
}

// An error of the soil data met at soil depth z is told at the input line of the layer holding z
// (the deepest layer for a depth below the data), unless it already has a line.
void Locate_At_Depth(double z) {
    AnalysisModel& m = g_Model;
    const int n = m.i_Number_of_Layers;
    if (m.i_ErrorInputLine != 0 || n < 1 || n > k_Max_Layers) return;
    int L = 1;
    while (L < n && !(z <= m.XLayerBottom[L])) ++L;
    m.i_ErrorInputLine = m.i_LayerInputLine[L];
}

// "... depth is " followed by z in E12.4 form.
void Depth_Line(const char* prefix, double z, Line& line) {
    const FieldText e = Format_E(z, 12, 4);
    std::snprintf(line, sizeof line, "%s%s", prefix, e.text.data());
}

// Depth, a blank and the length label, as the strength-curve messages write them.
void Depth_Line_With_Unit(const char* prefix, const char* number, Line& line) {
    std::snprintf(line, sizeof line, "%s%s %.3s", prefix, number, g_Model.LabelLength);
}

// The errors of a pile station below a column of the soil strength table: the opening paragraph
// names the shear strength data whatever the column, as it always has; then the depth line
// (depth_prefix and z in E12.4), the column's name and the solution lines.
void Raise_Below_Strength_Data(int number, const char* depth_prefix, double z, const char* column,
                               std::initializer_list<const char*> solution) {
    Line depth;
    Depth_Line(depth_prefix, z, depth);
    Line versus;
    std::snprintf(versus, sizeof versus, "%s versus depth.", column);
    const FortranRecord heading = Error_Heading(true, number);
    const std::initializer_list<const char*> lines = {
        heading.text.data(),
        "",
        "An error was detected that is related to an incompatibility",
        "between the input data defining the embedment of the pile and",
        "the maximum depth of the soil shear strength data.",
        "",
        depth,
        "This depth is below the deepest extent of the input data for",
        versus,
        ""};
    Write_Message_Lines(lines);
    Write_Message_Lines(solution);
    Write_Report_Lines(lines);
    Write_Report_Lines(solution);
    Raise_Input_Error(number);
    Locate_At_Depth(z);
}

void Write_Report_Record(const ListRecord& record) { Write_Report_Line(record.text); }

void Write_Text_Record(const char* text) {
    ListRecord r;
    Start_List_Record(r);
    List_Text(r, text);
    Write_Report_Record(r);
}

void Write_Integer_Record(const char* label, int n) {
    ListRecord r;
    Start_List_Record(r);
    List_Text(r, label);
    List_Integer(r, n);
    Write_Report_Record(r);
}

void Write_Real_Record(const char* label, double x) {
    ListRecord r;
    Start_List_Record(r);
    List_Text(r, label);
    List_Real(r, x);
    Write_Report_Record(r);
}

void Write_Logical_Record(const char* label, bool value) {
    ListRecord r;
    Start_List_Record(r);
    List_Text(r, label);
    List_Logical(r, value);
    Write_Report_Record(r);
}

}  // namespace

void Raise_Strength_Average_Below_Data(double z) {
    Raise_Below_Strength_Data(3, "The value for a pile station depth is ", z, "soil shear strength",
                              {"Solution:", "Please revise the input data by either extending the maximum",
                               "depth for soil shear strength or shorten the pile to correct",
                               "this problem."});
}

void Raise_Friction_Angle_Below_Data(double z) {
    Raise_Below_Strength_Data(4, "Problem:  The value for a pile station depth is ", z,
                              "soil friction angle",
                              {"Solution:  Please revise the input data by either extending ",
                               "the maximum depth for soil friction angle or shorten the ",
                               "pile to correct this problem."});
}

void Raise_Strength_Below_Data(double z, double deepest, bool rock_strength) {
    const FieldText e = Format_E(z, 12, 4);
    const FieldText f = Format_F(deepest, 10, 3);
    Line depth;
    Line curve;
    Depth_Line_With_Unit("Problem:  The value for a pile station depth is ", e.text.data(), depth);
    if (!rock_strength) {
        Depth_Line_With_Unit("shear strength of soil versus depth at ", f.text.data(), curve);
        Raise_Framed_Input_Error(5, {
            "",
            "An error was detected that is related to an incompatibility between ",
            "the input data defining pile embedment depth and values of shear ",
            "strength of soil versus depth.",
            "",
            depth,
            "This depth is below the deepest extent of the input curve for ",
            curve,
            "",
            "Solution:  Please revise the input data by either extending the ",
            "maximum depth for shear strength of soil or shorten the ",
            "pile to be entirely within the defined soil layers.",
        });
        Locate_At_Depth(z);
        return;
    }
    // The rock's message words its explanation differently in the two files.
    Depth_Line_With_Unit("uniaxial compressive strength versus depth at ", f.text.data(), curve);
    const FortranRecord heading = Error_Heading(true, 5);
    Write_Message_Line(heading.text.data());
    Write_Message_Lines({
        "",
        "An error was detected that is related to an incompatibility ",
        "between the input data defining pile embedment depth and rock ",
        "uniaxial compressive strength values versus depth.",
        "",
        depth,
        "This depth is below the deepest extent of the input curve for ",
        curve,
        "",
        "Solution:  Please revise the input data by either extending ",
        "the maximum depth for uniaxial compressive strength or shorten the ",
        "pile to be entirely within the defined soil layers.",
    });
    Write_Report_Line(heading.text.data());
    Write_Report_Lines({
        "",
        "An error was detected that is related to an incompatibility between ",
        "the input data defining pile embedment depth and values of uniaxial ",
        "compressive strength of rock versus depth.",
        "",
        depth,
        "This depth is below the deepest extent of the input curve for ",
        curve,
        "",
        "Solution:  Please revise the input data by either extending the ",
        "maximum depth for uniaxial compressive strength or shorten the ",
        "pile to be entirely within the defined soil layers.",
    });
    Raise_Input_Error(5);
    Locate_At_Depth(z);
}

void Raise_Unit_Weight_Below_Data(double z) {
    Line depth;
    Depth_Line("The value for a pile station depth is ", z, depth);
    Raise_Framed_Input_Error(15, {
        "",
        "An error was detected related to an incompatibility between ",
        "the data defining pile embedment depth and effective unit ",
        "weights versus depth.",
        "",
        depth,
        "This depth is below the deepest extent of the input curve for",
        "effective unit weight versus depth.",
        "",
        "Solution:",
        "Please revise the input data by either extending the maximum",
        "depth for effective unit weight or shorten the length of pile",
        "to be within the range of defined soil properties.",
    });
    Locate_At_Depth(z);
}

void Raise_RQD_Below_Data(double z) {
    Raise_Below_Strength_Data(31, "Problem:  The value for a pile station depth is ", z, "RQD",
                              {"Solution:  Revise the input data by either extending the ",
                               "maximum depth for RQD or shorten the pile to correct this ",
                               "problem."});
}

void Raise_RQD_Out_Of_Range(double rqd) {
    const FieldText e = Format_E(rqd, 12, 4);
    Line value;
    std::snprintf(value, sizeof value, "The interpolated value of RQD = %s %%", e.text.data());
    Raise_Framed_Input_Error(49, {
        "",
        "Problem:  The interpolated value of RQD used for p-y curves in weak rock ",
        "was found to be invalid because it was either less than zero or more than ",
        "100 percent.",
        "",
        "Solution:  Check your input data and revise in the data for RQD.",
        "",
        value,
    });
}

void Raise_Zero_Strength_Segment(double z) {
    const FieldText f = Format_F(z, 10, 3);
    Line depth;
    std::snprintf(depth, sizeof depth, "layer is zero.  The depth of computation is %s", f.text.data());
    Raise_Framed_Input_Error(60, {
        "",
        "An error was found in the strength of soil input data when interpolating ",
        "to obtain values of cohesion or uniaxial compressive strength.",
        "",
        "Problem:  The depth increment between the upper and lower soil depths in a ",
        depth,
        "",
        "Solution:  Examine the program output file to find the depth in question",
        "and correct the soil layer depth values. ",
    });
    Locate_At_Depth(z);
}

void Raise_Interface_Class_Error(double z, int class_above, int class_below, int i, bool at_tip,
                                 bool rock_strength) {
    const AnalysisModel& m = g_Model;
    Write_Text_Record(Error_Heading(false, 30, 5).text.data());
    Line request;
    std::snprintf(request, sizeof request,
                  rock_strength ? "Error in fn_HB_qu_at_DepthX, please report this error and your "
                                  "data file by email to %s"
                                : "Error in fn_c, please report by email to %s",
                  k_Support_Address);
    Write_Text_Record(request);
    Write_Real_Record(rock_strength ? "X value for f(qu) =" : "X value for f(c) =", z);
    Write_Text_Record("Soil types: 1 = cohesive, 2 = cohesionless, 3 = rock, 4= user input)");
    Write_Integer_Record("Soil type above        =", class_above);
    Write_Integer_Record("Soil type below        =", class_below);
    Write_Integer_Record("cohesionless           =", k_Soil_Class_Cohesionless);
    Write_Integer_Record("cohesive               =", k_Soil_Class_Cohesive);
    ListRecord r;
    Start_List_Record(r);
    List_Text(r, "JBOT index             =");
    List_Integer(r, i);
    List_Text(r, "= index number of strength value below depth in question");
    Write_Report_Record(r);
    Start_List_Record(r);
    List_Text(r, "At tip condition       =");
    List_Logical(r, at_tip);
    List_Text(r, ", T = true, F = false");
    Write_Report_Record(r);
    Write_Integer_Record("i_SoilLayer_py_Type(JBOT/2)          =", m.i_SoilLayer_py_Type[i / 2]);
    Write_Integer_Record("i_SoilLayer_py_Type(JBOT/2+1)        =",
                         m.i_SoilLayer_py_Type[i / 2 + 1]);
    Raise_Runtime_Error(30);
}

void Raise_Interface_Not_Found(double z, bool at_node, bool at_tip, int KTOP, int KBOT,
                               bool rock_strength) {
    const AnalysisModel& m = g_Model;
    Write_Text_Record("Internal error in function C (undrained shear strength)");
    Write_Text_Record("The layer interface cannot be located");
    Write_Text_Record("Please contact Brindlemark for support");
    Write_Real_Record("Elevation             =", z);
    // No interface was located, so the depth is not at one.
    Write_Logical_Record(rock_strength ? "b_XElevAtLayerInterface         ="
                                       : "b_AtInterface         =",
                         false);
    Write_Logical_Record(rock_strength ? "b_XElevInPileMiddle            =" : "b_InMiddle            =",
                         !at_node);
    Write_Logical_Record(rock_strength ? "b_XElevAtPileTip               =" : "b_AtTip               =",
                         at_tip);
    Write_Logical_Record("b_AtNode              =", at_node);
    Write_Integer_Record("Layer index above     =", KTOP);
    Write_Integer_Record("Layer index below     =", KBOT);
    Write_Real_Record("DABS(X-XLayerBottom(KTOP))    =", std::fabs(z - m.XLayerBottom[KTOP]));
    Write_Real_Record("DABS(X-XLayerTop(KBOT))    =", std::fabs(z - m.rd_LayerTop[KBOT]));
    Set_Error_Status(999);
}
