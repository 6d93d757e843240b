// Framed messages shared by the section readers of the input data file.
#include "input/input_errors.h"

#include <cstdio>

#include "engine/errors.h"
#include "report/fortran_format.h"
#include "engine/messages.h"
#include "model/model.h"

namespace {

constexpr const char* k_End_Of_File_Quote = "(end of the input data file)";

// The unrecognized-line frame with optional problem and solution lines, report first and then
// the runtime message file, as the reader has always written it.
void Write_Unrecognized_Frame(const char* line, const char* problem, const char* solution) {
    for (int pass = 0; pass < 2; ++pass) {
        void (*write)(const char*) = pass == 0 ? Write_Report_Line : Write_Message_Line;
        const char* head[] = {"", "", "***** INPUT ERROR *****", "",
                              "The following line is unrecognized or is out-of-order", "", line,
                              ""};
        for (const char* l : head) write(l);
        if (problem != nullptr) {
            write(problem);
            write(solution);
            write("");
        }
        write("");
    }
}

}  // namespace

void Raise_Unrecognized_Line(const char* line) {
    char problem[128];
    std::snprintf(problem, sizeof problem,
                  "Problem:  Line %d of the input data file is not what the reader expects here.",
                  g_Model.i_InputLineNumber);
    Write_Unrecognized_Frame(line, problem,
                             "Solution: Check its spelling (keywords and words are case-sensitive) and the "
                             "order of the sections.");
    Raise_Input_Error(99);
}

void Raise_Unreadable_Line(const char* line, const char* problem, const char* solution) {
    Write_Unrecognized_Frame(line, problem, solution);
    Raise_Input_Error(99);
}

void Raise_End_Of_Input(const char* partial_line) {
    char problem[160];
    if (partial_line != nullptr) {
        std::snprintf(problem, sizeof problem,
                      "Problem:  The input data file ends after line %d, before all values of "
                      "this data line were read.",
                      g_Model.i_InputLineNumber);
    } else {
        std::snprintf(problem, sizeof problem,
                      "Problem:  The input data file ends after line %d, before the line END.",
                      g_Model.i_InputLineNumber);
    }
    Raise_Unreadable_Line(partial_line != nullptr ? partial_line : k_End_Of_File_Quote, problem,
                          "Solution: Complete the input data; its last line must be END.");
}

void Raise_Input_Error_95(const char* problem, const char* solution) {
    const char* lines[] = {"", "", "***** Input Data Error No. 95 *****", "", problem, solution,
                           "", ""};
    for (const char* l : lines) Write_Message_Line(l);
    for (const char* l : lines) Write_Report_Line(l);
    Raise_Input_Error(95);
}

void Raise_Code_Out_Of_Range(const CodeRange& range, int n, int code) {
    FortranRecord problem;
    Start_Record(problem);
    Append_Text(problem, "Problem:  ");
    Append_Text(problem, range.owner);
    Append_Text(problem, " ");
    Append_I(problem, n, 0);
    Append_Text(problem, " has the ");
    Append_Text(problem, range.what);
    Append_Text(problem, " ");
    Append_I(problem, code, 0);
    Append_Text(problem, ", outside the ");
    Append_Text(problem, range.valid);
    Append_Text(problem, ".");
    FortranRecord solution;
    Start_Record(solution);
    Append_Text(solution, "Solution: Give ");
    Append_Text(solution, range.owner_in_solution);
    Append_Text(solution, " ");
    Append_I(solution, n, 0);
    Append_Text(solution, " a ");
    Append_Text(solution, range.what);
    Append_Text(solution, " ");
    Append_Text(solution, range.allowed);
    Append_Text(solution, ".");
    Raise_Input_Error_95(problem.text.data(), solution.text.data());
}

void Raise_Count_Out_Of_Range(const char* what, int count, int low, int high) {
    char problem[k_Name_Length + 128];
    char solution[k_Name_Length + 128];
    if (count > high) {
        std::snprintf(problem, sizeof problem,
                      "Problem:  The number of %s is %d, more than the limit of %d.", what, count,
                      high);
        std::snprintf(solution, sizeof solution, "Solution: Reduce the number of %s to %d or fewer.",
                      what, high);
    } else {
        std::snprintf(problem, sizeof problem,
                      "Problem:  The number of %s is %d, outside the valid range of %d to %d.",
                      what, count, low, high);
        std::snprintf(solution, sizeof solution, "Solution: Give a number of %s from %d to %d.",
                      what, low, high);
    }
    Raise_Input_Error_95(problem, solution);
}

bool Check_Count(const char* what, int count, int low, int high) {
    if (count >= low && count <= high) return true;
    Raise_Count_Out_Of_Range(what, count, low, high);
    return false;
}
