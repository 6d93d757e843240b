// Public C interface of the Orvane engine library.
#pragma once

#include <stdint.h>

// The interface version the engine accepts, and the result of a call with any other.
#define ORVANE_INTERFACE_VERSION 6032
#define ORVANE_RESULT_WRONG_VERSION 99
// A run that reaches a massive rock layer holding nodes stops with this result (the same value
// as a wrong version, as callers have always received it): that criterion computes no p-y curve.
// The report and the runtime message file name the layer.
#define ORVANE_RESULT_MASSIVE_ROCK 99
// Result 100 + N is Input Data Error No. N, 200 + N Runtime Error No. N (N = 1..99); a result of
// -300 tells warnings of more than one number.
#define ORVANE_RESULT_INPUT_ERROR_BASE 100
#define ORVANE_RESULT_RUNTIME_ERROR_BASE 200
#define ORVANE_RESULT_MANY_WARNINGS (-300)

#ifdef __cplusplus
extern "C" {
#endif

// Runs one complete analysis in the current working directory, whose NAMES.DAT names the input
// data file, the output report file, the plot output file and the runtime message file.
// version must be 6032; any other value returns 99 and touches nothing. Returns 0 for a normal
// end, the negative warning code or -300 when warnings were recorded, 100 + N for Input Data
// Error No. N, 200 + N for Runtime Error No. N, or another positive status set directly.
int32_t ORVGO(int32_t version);

// The results of this process's last ORVGO call as a JSON document (format "orvane-results",
// described in docs/results-json.md): every analysed case with its status and node table at full
// precision, the summary, the p-y curves and moment-curvature tables, the studies, the warnings
// and the error that ended the run with its text, and the one-line outcome. A NUL-terminated
// text that the caller releases with orvane_free; NULL when no call has run in this process or
// no memory was left. It writes no file, and the next ORVGO call replaces what it reads.
char* orvane_results_json(void);

// The one-line outcome of this process's last ORVGO call ("The analysis ended normally.", or the
// error that ended it and its first explanation), as the results document's outcome text: a
// NUL-terminated text released with orvane_free; NULL as for orvane_results_json.
char* orvane_outcome_text(void);

// Checks the input data file at input_path as a run would before computing, computing nothing
// and writing no file: the reader, the consistency checks of the input, the discretization of
// the pile and the data of every pile section. Returns a JSON document (format "orvane-check")
// released with orvane_free: "accepted" (the problem would be analysed), the one-line outcome,
// the error that refuses it (kind, number, the input line where the reader was, the framed text)
// and the warnings; NULL when no memory was left. It replaces the results of an earlier call.
char* orvane_check_json(const char* input_path);

// Releases a text the engine handed out.
void orvane_free(void* text);

#ifdef __cplusplus
}
#endif
