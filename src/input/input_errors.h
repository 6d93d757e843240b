// Framed messages shared by the input reader and its section readers: the unrecognized-line
// message of Input Data Error No. 99 and its variants for values that cannot be read, the end of
// the file before END, and the Input Data Error No. 95 frame for counts and codes out of range.
// Messages that belong to one section alone stay in that section's reader.
#pragma once

#include "engine/messages.h"

// The unrecognized or out-of-order line, quoted in its frame, to the report and then to the
// runtime message file; raises Input Data Error No. 99.
void Raise_Unrecognized_Line(const char* line);

// The same frame for a line whose values cannot be read, followed by a "Problem:" and a
// "Solution:" line; raises Input Data Error No. 99.
void Raise_Unreadable_Line(const char* line, const char* problem, const char* solution);

// The input data file ended before END. partial_line is the last line of a data read that was
// left incomplete, or nullptr when the end came where a new line was expected. Raises Input Data
// Error No. 99.
void Raise_End_Of_Input(const char* partial_line);

// "***** Input Data Error No. 95 *****" with a problem and a solution line, to the runtime
// message file and then to the report; raises Input Data Error No. 95.
void Raise_Input_Error_95(const char* problem, const char* solution);

// A code read from the input outside its valid values, for Input Data Error No. 95:
// "Problem:  <owner> n has the <what> code, outside the <valid>." and
// "Solution: Give <owner in solution> n a <what> <allowed>."
struct CodeRange {
    const char* owner;               // "Section", "Soil layer", "Pile-head load case"
    const char* owner_in_solution;   // "section", "soil layer", "load case"
    const char* what;                // "section type code"
    const char* valid;               // "valid range of 1 to 20"
    const char* allowed;             // "from 1 to 20"
};
void Raise_Code_Out_Of_Range(const CodeRange& range, int n, int code);

// A count read from the input outside low .. high: Input Data Error No. 95 naming the count and
// its limit. what is the plural noun of the counted items ("soil layers").
void Raise_Count_Out_Of_Range(const char* what, int count, int low, int high);

// Checks a count against low .. high; raises Input Data Error No. 95 and returns false outside.
bool Check_Count(const char* what, int count, int low, int high);
