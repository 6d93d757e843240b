// The run sequence of one analysis, behind the exported entry function.
#pragma once

#include <cstddef>
#include <cstdint>

#include "engine/orvane.h"

constexpr int32_t k_Interface_Version = ORVANE_INTERFACE_VERSION;
constexpr int32_t k_Result_Wrong_Version = ORVANE_RESULT_WRONG_VERSION;

// Performs one complete run (see ORVGO) and returns its result code.
int32_t Run_Analysis(int32_t version);

// Checks the input data file at path as a run would before computing (see orvane_check_json),
// writing no file, and returns the result code the run would end with so far: 0 or a warning
// code when the problem would be analysed.
int32_t Check_Input(int32_t version, const char* path);

// Performs one complete run of the problem given as input text, in memory (see orvane_run_text).
int32_t Run_Analysis_Of_Text(int32_t version, const char* text, std::size_t length, const char* name);

// Checks the problem given as input text (see orvane_check_text).
int32_t Check_Input_Text(int32_t version, const char* text, std::size_t length, const char* name);
