// The JSON results file of a run (STEM-results.json): everything the results reader gathered,
// laid out as docs/results-json.md describes and docs/orvane-results.schema.json defines.
#pragma once

#include <string>

#include "results_reader.h"

// The results file's format version; it changes only when a field changes meaning or goes away.
constexpr int k_Results_Format_Version = 1;

// The JSON text of a run's results. input is the input data file's name; outcome the command's
// one-line outcome. A run ended by an error has its error and warnings and "results": null.
std::string Results_Json_Text(const RunResults& r, const std::string& input, const std::string& outcome);
