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

// The opening of a sentence of the code-range message: lead, the owner numbered n, the joint
// and the name of the code, then a blank.
FortranRecord Start_Code_Sentence(const char* lead, const char* owner, int n, const char* joint,
                                  const char* what) {
    FortranRecord r;
    Start_Record(r);
    Append_Text(r, lead);
    Append_Text(r, owner);
    Append_Text(r, " ");
    Append_I(r, n, 0);
    Append_Text(r, joint);
    Append_Text(r, what);
    Append_Text(r, " ");
    return r;
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
    Raise_Input_Problem(95, problem, solution);
}

void Raise_Code_Out_Of_Range(const CodeRange& range, int n, int code) {
    FortranRecord problem =
        Start_Code_Sentence("Problem:  ", range.owner, n, " has the ", range.what);
    Append_I(problem, code, 0);
    Append_Text(problem, ", outside the ");
    Append_Text(problem, range.valid);
    Append_Text(problem, ".");
    FortranRecord solution =
        Start_Code_Sentence("Solution: Give ", range.owner_in_solution, n, " a ", range.what);
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
