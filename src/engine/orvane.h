// Public C interface of the Orvane engine library.
#pragma once

#include <stddef.h>
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
// The result of a call made while another call of the engine runs in the same process: the
// engine keeps one model per process, so it runs one analysis at a time and refuses the second
// call outright, touching nothing.
#define ORVANE_RESULT_BUSY 97

#ifdef __cplusplus
extern "C" {
#endif

// Runs one complete analysis in the current working directory, whose NAMES.DAT names the input
// data file, the output report file, the plot output file and the runtime message file.
// version must be 6032; any other value returns 99 and touches nothing. Returns 0 for a normal
// end, the negative warning code or -300 when warnings were recorded, 100 + N for Input Data
// Error No. N, 200 + N for Runtime Error No. N, or another positive status set directly.
int32_t ORVGO(int32_t version);

// Runs one complete analysis of the problem given as the text of its input data file (length
// bytes, not necessarily NUL-terminated), in memory: it writes no file, and its results are the
// results document of orvane_results_json (name is the input's name there; NULL for none).
// Returns the result code as ORVGO does, or ORVANE_RESULT_BUSY.
int32_t orvane_run_text(const char* text, size_t length, const char* name);

// The check of orvane_check_json for a problem given as the text of its input data file; NULL
// when another call is running (ORVANE_RESULT_BUSY) or no memory was left.
char* orvane_check_text(const char* text, size_t length, const char* name);

// The number of load cases (or LRFD combinations) of the last run, and the node column of one of
// them copied into values (at most capacity values; column 0 depth, 1 deflection, 2 slope,
// 3 moment, 4 shear, 5 soil reaction, 6 soil modulus, 7 soil spring, 8 bending stiffness,
// 9 distributed load, 10 total stress, in the units of the results document). Returns the number
// of nodes of the case, 0 for a case without results, -1 for a case or column that does not exist.
int32_t orvane_case_count(void);
int32_t orvane_node_column(int32_t load_case, int32_t column, double* values, int32_t capacity);

// The engine's version ("0.1") and the format versions of its documents, as a NUL-terminated
// text owned by the engine ("orvane 0.1 results 2 check 1").
const char* orvane_version(void);

// Threading: the engine keeps one model per process. One call of ORVGO, orvane_run_text,
// orvane_check_json or orvane_check_text runs at a time; a call made while another runs returns
// ORVANE_RESULT_BUSY (or NULL) at once. The results functions read what the last call left and
// must not be called while a call runs. Separate processes run in parallel freely.

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

// The results document of orvane_results_json without the node tables of the cases (their
// "nodes" keys left out), for a caller that takes the node columns as numbers with
// orvane_node_column; released with orvane_free.
char* orvane_results_json_without_nodes(void);

// Releases a text the engine handed out.
void orvane_free(void* text);

#ifdef __cplusplus
}
#endif
