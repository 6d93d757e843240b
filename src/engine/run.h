// The run sequence of one analysis, behind the exported entry function.
#pragma once

#include <cstdint>

constexpr int32_t k_Interface_Version = 6032;
constexpr int32_t k_Result_Wrong_Version = 99;

// Performs one complete run (see ORVGO) and returns its result code.
int32_t Run_Analysis(int32_t version);
