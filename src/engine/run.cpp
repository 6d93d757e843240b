// The run sequence of one call of the engine: hand-off files, opening of the run's files, input,
// report header, computation and the ending with its closing lines and result code. The first
// error ends the run: after every step that can raise, the sequence goes straight to the ending.
#include "engine/run.h"

#include <cstdio>
#include <cstring>
#include <ctime>

#include "engine/errors.h"
#include "engine/messages.h"
#include "engine/report_header.h"
#include "engine/results_document.h"
#include "engine/run_files.h"
#include "input/input_echo.h"
#include "input/line_reader.h"
#include "input/reader.h"
#include "input/run_values.h"
#include "input/us_input.h"
#include "input/warning_catalogue.h"
#include "lrfd/performance.h"
#include "model/model.h"
#include "model/section_types.h"
#include "model/soil_types.h"
#include "model/units.h"
#include "pile/discretization.h"
#include "report/fortran_format.h"
#include "report/plot_file.h"
#include "report/response_summary.h"
#include "section/section_checks.h"
#include "section/section_geometry.h"
#include "section/section_report.h"
#include "solver/head_stiffness.h"
#include "solver/load_cases.h"

namespace {

constexpr int k_Error_Not_Built = 1;   // Runtime Error No. 1: a part of the engine not built yet

constexpr const char* k_Format_Tag = "ORVANE6";

bool Failed() { return g_Model.ErrorStatus != 0; }

// Steps up to the opened files: NAMES.DAT, the four run files, the moment-curvature names.
void Open_Run() {
    Read_Names_File();
    if (Failed()) return;
    Open_Run_Files();
    if (Failed()) return;
    Read_MvsEI_File_Names();
}

// Empty-input check, tag check and the input reader.
void Read_Problem() {
    if (Input_File_Size() <= 0) {
        Write_Message_Line("**** Input Data Error No. 25 ****");
        Write_Message_Line("Size of input data file is 0 bytes.  No analysis performed.");
        Raise_Input_Error(25);
        return;
    }
    char tag[8];
    Read_Format_Tag(tag);
    // Only the exact tag starts the reader; with any other first value nothing more is read and
    // the run goes on with the model in its initial state.
    if (std::strcmp(tag, k_Format_Tag) == 0) {
        g_Model.b_ReadingInput = -1;
        ReadInputData();
        g_Model.b_ReadingInput = 0;
    }
}

void Write_Numbered_Message(const char* text, int n) {
    FortranRecord line = Text_With_Integer(text, n);
    Write_Message_Line(line.text.data());
}

// An error of section s's data found after the reading is told at the line where the section's
// data begins, unless it arose at a line the reader read.
void Locate_Section_Error(int s) {
    AnalysisModel& m = g_Model;
    if (m.i_ErrorInputLine == 0 && s >= 1 && s <= k_Max_Sections) m.i_ErrorInputLine = m.i_SectionInputLine[s];
}

// The thrusts of the bending-stiffness tables section s left behind, kept for callers: the next
// section starts from them and may change them.
void Keep_Section_Thrusts(int s) {
    AnalysisModel& m = g_Model;
    m.b_SectionTablesKept[s] = -1;
    m.i_SectionThrusts[s] = m.i_NumTableThrusts;
    for (int t = 1; t <= m.i_NumTableThrusts; ++t) m.rd_SectionThrust[s][t] = m.rd_TableThrust[t];
}

// The section analysis of every pile section in order, with its progress lines; a
// bending-stiffness-only run announces every section, a conventional run the first only.
void Analyze_Sections() {
    AnalysisModel& m = g_Model;
    // The sections start from the run's thrust list; each section leaves its own behind.
    m.i_NumTableThrusts = m.NumEIThrusts;
    for (int t = 1; t <= m.NumEIThrusts; ++t) m.rd_TableThrust[t] = m.EIThrust[t];
    const bool ei_only = m.i_Analysis_Type == 2;
    for (int s = 1; s <= m.NumSections; ++s) {
        if (ei_only || s == 1) Write_Numbered_Message("Computing nonlinear bending stiffness of section ", s);
        if (s == 1) Write_Section_Analysis_Heading();
        FortranRecord title = Text_With_Integer("Pile Section No. ", s, ":");
        Write_Report_Line(title.text.data());
        Write_Report_Line("");
        AnalyzeSection(s);
        if (m.ErrorStatus != 0) {
            Locate_Section_Error(s);
            return;
        }
        Keep_Section_Thrusts(s);
        Write_Numbered_Message("Completed computing nonlinear bending stiffness of section ", s);
        Write_Message_Line("");
    }
}

// What this engine build cannot compute yet. A problem that needs any of it ends with Runtime
// Error No. 1 naming it, before any computation, rather than with results that look complete
// but are not. Appends the first such feature to what and returns true, or returns false.
bool Missing_Capability(FortranRecord& what) {
    const AnalysisModel& m = g_Model;
    const char* missing = nullptr;
    if (m.i_Analysis_Type == 0) {
        missing = "a problem without its OPTIONS section";
    } else if (m.NumSections == 0) {
        missing = "a pile without pile sections";
    }
    for (int s = 1; missing == nullptr && s <= m.NumSections; ++s) {
        if (m.IUNITS == k_Units_General && Section_Model_Of(s) != k_Model_None) {
            missing = "the moment-curvature analysis of pile sections in general units";
        }
    }
    if (missing != nullptr) {
        Append_Text(what, missing);
        return true;
    }
    return false;
}

// A problem with neither sections nor load cases has nothing to compute.
bool Nothing_To_Compute() {
    const AnalysisModel& m = g_Model;
    return m.NumSections == 0 && m.NumLoadCases == 0 && m.b_UseLRFD == 0 && m.i_Analysis_Type != 2;
}

// Runtime Error No. 1 for a problem that needs what this build cannot compute; false after it.
bool Refuse_Missing_Capability() {
    FortranRecord what;
    Start_Record(what);
    Append_Text(what, "Problem:  This engine build cannot yet compute ");
    if (!Missing_Capability(what)) return true;
    Append_Text(what, ".");
    const FortranRecord heading = Error_Heading(false, k_Error_Not_Built);
    const char* lines[] = {
        "", heading.text.data(), "", what.text.data(),
        "Solution: Use an engine build that includes it, or leave it out of the problem.", ""};
    for (const char* l : lines) Write_Message_Line(l);
    for (const char* l : lines) Write_Report_Line(l);
    Raise_Runtime_Error(k_Error_Not_Built);
    return false;
}

// Sections and load cases: discretization, section analysis, the load cases, the summary and
// the pile-head stiffness study.
void Compute() {
    const AnalysisModel& m = g_Model;
    if (Nothing_To_Compute()) {
        Write_Line2_Record();
        return;
    }
    if (!Refuse_Missing_Capability()) return;
    Write_Line2_Record();
    if (m.i_Analysis_Type == 2) {
        Analyze_Sections();
        return;
    }
    DiscretizePile();
    if (m.ErrorStatus != 0) return;
    Analyze_Sections();
    if (m.ErrorStatus != 0) return;
    // without load cases the summary follows at once, with no rows
    if (Analysed_Case_Count() > 0) RunLoadCases();
    if (m.ErrorStatus != 0) return;
    Write_Response_Summary();
    if (m.b_UseLRFD != 0) {
        g_Model.b_LrfdPerformanceKept = -1;
        WriteLrfdPerformance();
    }
    if (m.b_ComputeKmatrix == 0) return;
    Write_Message_Line("Computing pile-head stiffness matrix components.");
    Write_Message_Line("");
    ComputeHeadStiffness();
}

// Closing lines, warning summary, closing of the files.
void Write_Ending() {
    const int status = g_Model.ErrorStatus;
    const bool input_error = status > k_Status_Input_Base && status < k_Status_Runtime_Base;
    const bool runtime_error = status > k_Status_Runtime_Base && status < k_Status_Runtime_Base + 100;
    if (input_error || runtime_error) {
        FortranRecord line;
        Start_Record(line);
        Append_Text(line, input_error ? "The analysis ended due to input error No. "
                                      : "The analysis ended due to runtime error No. ");
        Append_I(line, status % 100, 0);
        Append_Text(line, ".");
        const char* lines[] = {"", line.text.data(), ""};
        for (const char* l : lines) Write_Message_Line(l);
        for (const char* l : lines) Write_Report_Line(l);
    }
    if (Count_Warning_Numbers() > 0) {
        const char* const with_warnings =
            "The analysis ended with one or more warning messages. See the output report file "
            "for more details.";
        const char* lines[] = {"", "", with_warnings, "", ""};
        for (const char* l : lines) Write_Message_Line(l);
        WriteWarningSummary();
    }
    if (status == 0) {
        const char* lines[] = {"", "The analysis ended normally. ", ""};
        for (const char* l : lines) Write_Message_Line(l);
        for (const char* l : lines) Write_Report_Line(l);
    }
    Close_Run_Files();
}

// The run from its opened files: the input, the report header and the computation.
void Run_Opened() {
    Read_Problem();
    if (Failed()) return;
    Write_Message_Line("Input of data completed");
    Write_Message_Line("");

    Set_Unit_Labels();
    Write_Banner();
    Write_Files_Used();
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    Write_Date_And_Time(local);
    Write_Line1_Record();
    WriteInputEcho();
    if (Failed()) return;
    ConvertUSCustomaryInput();
    Derive_Run_Values();
    Compute();
}

void Run_Sequence() {
    Open_Run();
    if (Failed()) return;
    Run_Opened();
}

// What a check of the opened input makes, up to the computation: the reader, the echo's
// consistency checks, the conversion of US customary input, what this build cannot compute, the
// pile's discretization and the data of every pile section.
void Check_Opened() {
    Read_Problem();
    if (Failed()) return;
    Set_Unit_Labels();
    WriteInputEcho();
    if (Failed()) return;
    ConvertUSCustomaryInput();
    Derive_Run_Values();
    if (Nothing_To_Compute() || !Refuse_Missing_Capability()) return;
    if (g_Model.i_Analysis_Type != 2) {
        DiscretizePile();
        if (Failed()) return;
    }
    // each section's data is checked on its own: an error in one leaves the others to check
    for (int s = 1; s <= g_Model.NumSections; ++s) {
        Check_Section_Before_Analysis(s);
        if (Failed()) {
            Locate_Section_Error(s);
            Set_Aside_Check_Error(Error_Explanation().c_str());
        }
    }
    Restore_First_Check_Error();
}

void Check_Sequence(const char* path) {
    Open_Input_File(path);
    if (Failed()) return;
    Check_Opened();
}

}  // namespace

int32_t Check_Input(int32_t version, const char* path) {
    if (version != k_Interface_Version) return k_Result_Wrong_Version;
    Initialize_Model();
    g_Model.b_CheckOnly = -1;
    Check_Sequence(path);
    Close_Run_Files();
    return Result_Code();
}

int32_t Run_Analysis_Of_Text(int32_t version, const char* text, std::size_t length, const char* name) {
    if (version != k_Interface_Version) return k_Result_Wrong_Version;
    Initialize_Model();
    Open_Text_Input(text, length, name);
    if (!Failed()) Run_Opened();
    Write_Ending();
    if (g_Model.b_WriteFailed != 0) Raise_Write_Failure();
    return Result_Code();
}

int32_t Check_Input_Text(int32_t version, const char* text, std::size_t length, const char* name) {
    if (version != k_Interface_Version) return k_Result_Wrong_Version;
    Initialize_Model();
    g_Model.b_CheckOnly = -1;
    Open_Text_Input(text, length, name);
    if (!Failed()) Check_Opened();
    Close_Run_Files();
    return Result_Code();
}

int32_t Run_Analysis(int32_t version) {
    if (version != k_Interface_Version) return k_Result_Wrong_Version;
    Initialize_Model();
    Run_Sequence();
    Write_Ending();
    if (g_Model.b_WriteFailed != 0) Raise_Write_Failure();
    return Result_Code();
}
