// Error termination and the warning log. A raiser writes its framed message, calls RaiseError
// (or Set_Error_Status for the few direct statuses) and returns; every caller checks
// g_Model.ErrorStatus after each call that can raise and returns at once. Only this file
// writes ErrorStatus.
#pragma once

#include <cstdint>
#include <cstdio>

#include "engine/orvane.h"
#include "report/fortran_format.h"

constexpr int k_Status_Input_Base = ORVANE_RESULT_INPUT_ERROR_BASE;      // Input Data Error No. N: 100 + N
constexpr int k_Status_Runtime_Base = ORVANE_RESULT_RUNTIME_ERROR_BASE;  // Runtime Error No. N: 200 + N
constexpr int32_t k_Result_Many_Warnings = ORVANE_RESULT_MANY_WARNINGS;

// Ends the run with the given status: for statuses 1..199 writes the "ended prematurely" line
// (and for 125 the empty-input block) to the report, then sets ErrorStatus. code_text is the
// eight-character error code, "INP00053" or "RUN00009".
void RaiseError(const char* code_text, int status);

// Ends the run with Input Data Error No. number (status 100 + number, code "INP000nn") or
// Runtime Error No. number (status 200 + number, code "RUN000nn"): the status and the code text
// both follow from the one number. The framed message is the raiser's to write first.
void Raise_Input_Error(int number);
void Raise_Runtime_Error(int number);

// The heading line of a framed error message, "**** Input Data Error No. n ****" or
// "**** Runtime Error No. n ****", with `stars` asterisks on each side (a few messages have five).
FortranRecord Error_Heading(bool input_error, int number, int stars = 4);

// The framed message of an input error told in one problem and one solution line: two empty
// lines, "***** Input Data Error No. N *****", an empty line, problem, solution and two empty
// lines, to the runtime message file and then to the report; raises Input Data Error No. N.
void Raise_Input_Problem(int number, const char* problem, const char* solution);

// Sets ErrorStatus directly, for the statuses that end a run without RaiseError's report lines
// (228, 229, 231-238, 99, 123, 999).
void Set_Error_Status(int status);

// Notes that an output file (report, plot, runtime message or moment-curvature file) could not
// be created or written completely: the first such file and the system's reason (errno). The run
// goes on; it ends with Runtime Error No. 8 once its files are closed.
void Note_Write_Failure(const char* file_name, int error_number);

// Closes an output file the run wrote; a failure of its buffered data or of the closing is
// noted as a write failure of `name`. A null file is left alone.
void Close_Output_File(std::FILE* file, const char* name);

// Runtime Error No. 8 for the noted write failure, its message to the runtime message file or
// standard error. The status replaces any error raised before: the outputs that would tell of
// that error are themselves incomplete, and a caller must not take them for a run's results.
void Raise_Write_Failure();

// For a check of the input that goes on after an error (the other pile sections' data): sets the
// error aside (the first whole, a further one as its status, line and explanation) and clears
// the status and the kept text so that the next check can raise its own. Restore_First_Check_Error
// makes the first error the run's again at the end.
void Set_Aside_Check_Error(const char* explanation);
void Restore_First_Check_Error();

// Records one report of the warning with this (negative) code; a count stops at 4000.
void RecordWarning(int code);

// Writes the error code text of an input ("INP") or runtime ("RUN") error number into out[9].
void Make_Error_Code_Text(bool input_error, int number, char (&out)[9]);

// Number of distinct warning numbers recorded so far.
int Count_Warning_Numbers();

// The run's result code from the final error status and warning log.
int32_t Result_Code();
