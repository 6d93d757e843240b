// Keyword dispatch of the input data file.
#include "input/reader.h"

#include <cstring>

#include "engine/errors.h"
#include "engine/run_files.h"
#include "input/line_reader.h"

namespace {

// The framed message of an unrecognized or out-of-order line, report first, then the runtime
// message file; raises Input Data Error No. 99.
void Raise_Unrecognized_Line(const char* line) {
    const char* lines[] = {"", "", "***** INPUT ERROR *****", "",
                           "The following line is unrecognized or is out-of-order", "", line, "",
                           ""};
    for (const char* l : lines) Write_Report_Line(l);
    for (const char* l : lines) Write_Message_Line(l);
    RaiseError("INP00099", k_Status_Input_Base + 99);
}

}  // namespace

void ReadInputData() {
    Write_Message_Line("Input of data begun");
    NameText line;
    for (;;) {
        if (!Read_Text_Line(line)) {
            Raise_Unrecognized_Line("(end of the input data file reached before the END line)");
            return;
        }
        if (std::strcmp(line.data(), "END") == 0) return;
        Raise_Unrecognized_Line(line.data());
        return;
    }
}
