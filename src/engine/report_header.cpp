// Banner, files used, date and time, and the section-analysis heading of the report.
#include "engine/report_header.h"

#include <cstdio>

#include "engine/messages.h"
#include "engine/run_files.h"
#include "model/model.h"
#include "report/fortran_format.h"

namespace {

constexpr const char* k_Equals_Line =
    "================================================================================";
constexpr const char* k_Dash_Line =
    "--------------------------------------------------------------------------------";

// One files-used line to the report and to the runtime message file, report first.
void Write_File_Line(const char* label, const char* name) {
    FileNameParts parts;
    Split_File_Name(name, parts);
    char line[2 * k_Name_Length + 64];
    std::snprintf(line, sizeof line, "%s%s%s", label, parts.base, parts.extension);
    Write_Report_Line(line);
    Write_Message_Line(line);
}

}  // namespace

void Write_Banner() {
    char product[80];
    std::snprintf(product, sizeof product, "               Orvane Engine, Version %s",
                  k_Engine_Version);
    const char* lines[] = {
        k_Equals_Line,
        "",
        product,
        "",
        "                Analysis of Individual Piles and Drilled Shafts ",
        "               Subjected to Lateral Loading Using the p-y Method",
        "               Single piles and drilled shafts, p-y method of analysis",
        "",
        k_Equals_Line,
    };
    for (const char* l : lines) Write_Report_Line(l);
}

void Write_Files_Used() {
    const AnalysisModel& m = g_Model;
    FileNameParts input;
    Split_File_Name(m.InputFileName.data(), input);
    char path[k_Name_Length + 64];
    std::snprintf(path, sizeof path, "Path to file locations:        %s%s", input.drive,
                  input.directory);

    Write_Report_Line(k_Dash_Line);
    Write_Report_Line("                            Files Used for Analysis");
    Write_Report_Line(k_Dash_Line);
    Write_Report_Line("");
    Write_Report_Line(path);
    Write_Message_Line("File Path and Names Used for Analysis:");
    Write_Message_Line(path);

    Write_File_Line("Name of input data file:       ", m.InputFileName.data());
    Write_File_Line("Name of output report file:    ", m.ReportFileName.data());
    Write_File_Line("Name of plot output file:      ", m.PlotFileName.data());
    Write_File_Line("Name of runtime messeage file: ", m.MessageFileName.data());
    for (int i = 0; i < 2; ++i) {
        Write_Report_Line("");
        Write_Message_Line("");
    }
}

void Write_Date_And_Time(const std::tm& now) {
    static constexpr const char* k_Months[12] = {
        "January", "February", "March",     "April",   "May",      "June",
        "July",    "August",   "September", "October", "November", "December"};
    const int month = now.tm_mon >= 0 && now.tm_mon < 12 ? now.tm_mon : 0;
    FortranRecord line;
    Start_Record(line);
    Append_X(line, 15);
    Append_Text(line, "Date:  ");
    Append_Text(line, k_Months[month]);
    Append_Text(line, " ");
    Append_I(line, now.tm_mday, 0);
    Append_Text(line, ", ");
    Append_I(line, now.tm_year + 1900, 4);
    Append_X(line, 5);
    Append_Text(line, "Time:  ");
    Append_I(line, now.tm_hour, 2);
    Append_Text(line, ":");
    Append_Text(line, Format_I_Min(now.tm_min, 2, 2).text.data());
    Append_Text(line, ":");
    Append_Text(line, Format_I_Min(now.tm_sec, 2, 2).text.data());
    Write_Report_Line(k_Dash_Line);
    Write_Report_Line("                           Date and Time of Analysis");
    Write_Report_Line(k_Dash_Line);
    Write_Report_Line("");
    Write_Report_Line(line.text.data());
}

void Write_Section_Analysis_Heading() {
    const AnalysisModel& m = g_Model;
    Write_Report_Line("");
    Write_Report_Line("");
    Write_Report_Line(k_Dash_Line);
    Write_Report_Line("    Computations of Nominal Moment Capacity and Nonlinear Bending Stiffness");
    Write_Report_Line(k_Dash_Line);
    Write_Report_Line("");
    if (m.b_ComputeInteraction != 0) {
        Write_Report_Line("Axial thrust force values were determined from input values");
    } else if (m.b_UseLRFD != 0) {
        Write_Report_Line("Axial thrust force values were determined from LRFD load combinations");
    } else {
        Write_Report_Line("Axial thrust force values were determined from pile-head loading conditions");
    }
    Write_Report_Line("");
    FortranRecord line = Text_With_Integer("Number of Pile Sections Analyzed = ", m.NumSections);
    Write_Report_Line(line.text.data());
    Write_Report_Line("");
}
