// The raise of a pile section's input errors (see section_errors.h).
#include "section/section_errors.h"

#include "engine/errors.h"
#include "engine/messages.h"
#include "report/number_writer.h"

void Append_Quoted_Number(FortranRecord& record, double x) {
    Append_Field_In_Sentence(record, Format_Number(x, 15));
}

void Raise_Section_Input_Error(int number, const char* problem, const char* solution) {
    const FortranRecord heading = Error_Heading(true, number, 5);
    const char* lines[] = {"", "", heading.text.data(), "", problem, solution, "", ""};
    for (const char* l : lines) Write_Message_Line(l);
    for (const char* l : lines) Write_Report_Line(l);
    Raise_Input_Error(number);
}
