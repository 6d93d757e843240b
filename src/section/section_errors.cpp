// The quoted numbers of a pile section's input error messages (see section_errors.h).
#include "section/section_errors.h"

#include "report/number_writer.h"

void Append_Quoted_Number(FortranRecord& record, double x) {
    Append_Field_In_Sentence(record, Format_Number(x, 15));
}

