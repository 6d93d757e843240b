// Error status, RaiseError and the warning log of the analysis model.
#include "engine/errors.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "engine/messages.h"
#include "model/model.h"
#include "report/error_text.h"
#include "report/fortran_format.h"

void RaiseError(const char* code_text, int status) {
    // the frame is complete: the lines below close the run, they are no part of it
    Close_Error_Text(status);
    if (status >= 1 && status <= 199) {
        Write_Report_Line("");
        Write_Report_Line("");
        char line[128];
        std::snprintf(line, sizeof line, "Orvane ended prematurely due to input error number %s",
                      code_text);
        Write_Report_Line(line);
    }
    if (status == k_Status_Input_Base + 25) {
        Write_Report_Line("");
        Write_Report_Line("**** Input Data Error No. 25 ****");
        Write_Report_Line("");
        Write_Report_Line("Length of input file is 0 bytes.  No analysis can be performed.");
    }
    Set_Error_Status(status);
}

void Raise_Input_Error(int number) {
    char code[9];
    Make_Error_Code_Text(true, number, code);
    RaiseError(code, k_Status_Input_Base + number);
}

void Raise_Runtime_Error(int number) {
    char code[9];
    Make_Error_Code_Text(false, number, code);
    RaiseError(code, k_Status_Runtime_Base + number);
}

void Raise_Input_Problem(int number, const char* problem, const char* solution) {
    const FortranRecord heading = Error_Heading(true, number, 5);
    const char* lines[] = {"", "", heading.text.data(), "", problem, solution, "", ""};
    for (const char* l : lines) Write_Message_Line(l);
    for (const char* l : lines) Write_Report_Line(l);
    Raise_Input_Error(number);
}

FortranRecord Error_Heading(bool input_error, int number, int stars) {
    char side[8];
    int n = 0;
    for (; n < stars && n < 7; ++n) side[n] = '*';
    side[n] = '\0';
    FortranRecord heading;
    Start_Record(heading);
    Append_Text(heading, side);
    Append_Text(heading, input_error ? " Input Data Error No. " : " Runtime Error No. ");
    Append_I(heading, number, 0);
    Append_Text(heading, " ");
    Append_Text(heading, side);
    return heading;
}

void Set_Error_Status(int status) {
    // A raised status is never lowered: the first error ends the run.
    if (g_Model.ErrorStatus == 0) {
        Close_Error_Text(status);
        g_Model.ErrorStatus = status;
    }
}

void Note_Write_Failure(const char* file_name, int error_number) {
    AnalysisModel& m = g_Model;
    if (m.b_WriteFailed != 0) return;   // the first file tells
    m.b_WriteFailed = -1;
    m.i_WriteFailedErrno = error_number != 0 ? error_number : EIO;
    std::snprintf(m.WriteFailedName.data(), m.WriteFailedName.size(), "%s", file_name);
}

void Close_Output_File(std::FILE* file, const char* name) {
    if (file == nullptr) return;
    errno = 0;
    const bool written = std::fflush(file) == 0 && std::ferror(file) == 0;
    const int write_error = errno;
    const bool closed = std::fclose(file) == 0;
    if (!written || !closed) Note_Write_Failure(name, written ? errno : write_error);
}

void Raise_Write_Failure() {
    AnalysisModel& m = g_Model;
    char problem[2 * k_Name_Length];
    std::snprintf(problem, sizeof problem, "Problem:  The file %s could not be written completely: %s.",
                  m.WriteFailedName.data(), std::strerror(m.i_WriteFailedErrno));
    Reopen_Error_Text();
    Write_Message_Lines({"**** Runtime Error No. 8 ****", "", problem,
                         "Solution: Free space on the device, or write the outputs to another folder; "
                         "the outputs of this run are incomplete.",
                         ""});
    Close_Error_Text(k_Status_Runtime_Base + 8);
    m.ErrorStatus = k_Status_Runtime_Base + 8;
}

void Set_Aside_Check_Error(const char* explanation) {
    AnalysisModel& m = g_Model;
    if (m.ErrorStatus == 0) return;
    if (m.i_SetAsideStatus == 0) {
        m.i_SetAsideStatus = m.ErrorStatus;
        m.i_SetAsideInputLine = m.i_ErrorInputLine;
        m.b_SetAsideWhileReading = m.b_ErrorWhileReading;
        m.i_SetAsideTextLines = m.i_ErrorTextLines;
        for (int i = 1; i <= m.i_ErrorTextLines; ++i) m.SetAsideText[i] = m.ErrorText[i];
    } else if (m.i_NumFurtherErrors < k_Max_Further_Errors) {
        const int n = ++m.i_NumFurtherErrors;
        m.i_FurtherErrorStatus[n] = m.ErrorStatus;
        m.i_FurtherErrorLine[n] = m.i_ErrorInputLine;
        std::snprintf(m.FurtherErrorText[n].data(), m.FurtherErrorText[n].size(), "%s", explanation);
    }
    m.ErrorStatus = 0;
    Reset_Error_Text();
}

void Restore_First_Check_Error() {
    AnalysisModel& m = g_Model;
    if (m.i_SetAsideStatus == 0) return;
    m.ErrorStatus = m.i_SetAsideStatus;
    m.i_ErrorInputLine = m.i_SetAsideInputLine;
    m.b_ErrorWhileReading = m.b_SetAsideWhileReading;
    m.i_ErrorTextLines = m.i_SetAsideTextLines;
    for (int i = 1; i <= m.i_SetAsideTextLines; ++i) m.ErrorText[i] = m.SetAsideText[i];
    m.b_ErrorTextClosed = -1;
}

void RecordWarning(int code) {
    const int k = std::abs(code);
    if (k < 1 || k > k_Max_Warning_Number) return;   // no such warning number exists
    if (g_Model.WarningLog[k] >= k_Max_Warning_Count) return;
    ++g_Model.WarningLog[k];
    g_Model.i_LastWarningCode = code;
}

void Make_Error_Code_Text(bool input_error, int number, char (&out)[9]) {
    // The number in five digits with leading zeros (I5.5).
    const FieldText digits = Format_I_Min(number, 5, 5);
    std::memcpy(out, input_error ? "INP" : "RUN", 3);
    std::memcpy(out + 3, digits.text.data(), 5);
    out[8] = '\0';
}

int Count_Warning_Numbers() {
    int n = 0;
    for (int k = 1; k <= k_Max_Warning_Number; ++k) {
        if (g_Model.WarningLog[k] != 0) ++n;
    }
    return n;
}

int32_t Result_Code() {
    if (g_Model.ErrorStatus != 0) return g_Model.ErrorStatus;
    const int kinds = Count_Warning_Numbers();
    if (kinds == 0) return 0;
    if (kinds == 1) return g_Model.i_LastWarningCode;
    return k_Result_Many_Warnings;
}
