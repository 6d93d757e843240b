// Refusals of section data that the slicing and the material laws cannot compute with.
#include "section/section_checks.h"

#include <cstdio>

#include "engine/errors.h"
#include "engine/run_files.h"
#include "model/model.h"

void Raise_Section_Input_Error(int number, const char* problem, const char* solution) {
    char heading[48];
    std::snprintf(heading, sizeof heading, "***** Input Data Error No. %d *****", number);
    const char* lines[] = {"", "", heading, "", problem, solution, "", ""};
    for (const char* l : lines) Write_Message_Line(l);
    for (const char* l : lines) Write_Report_Line(l);
    char code[9];
    Make_Error_Code_Text(true, number, code);
    RaiseError(code, k_Status_Input_Base + number);
}
