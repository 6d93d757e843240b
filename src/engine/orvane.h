// Public C interface of the Orvane engine library.
#pragma once

#include <stdint.h>

// The interface version the engine accepts, and the result of a call with any other.
#define ORVANE_INTERFACE_VERSION 6032
#define ORVANE_RESULT_WRONG_VERSION 99

#ifdef __cplusplus
extern "C" {
#endif

// Runs one complete analysis in the current working directory, whose NAMES.DAT names the input
// data file, the output report file, the plot output file and the runtime message file.
// version must be 6032; any other value returns 99 and touches nothing. Returns 0 for a normal
// end, the negative warning code or -300 when warnings were recorded, 100 + N for Input Data
// Error No. N, 200 + N for Runtime Error No. N, or another positive status set directly.
int32_t ORVGO(int32_t version);

#ifdef __cplusplus
}
#endif
