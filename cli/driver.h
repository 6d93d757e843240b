// The command-line driver: prepares a private working directory with NAMES.DAT and the list of
// moment-curvature file names, runs the engine once and tells how the run ended.
#pragma once

#include <string>

// Exit codes of the orvane command.
constexpr int k_Exit_Normal = 0;          // the analysis ended normally (warnings included)
constexpr int k_Exit_Input_Error = 1;     // ended by an input data error
constexpr int k_Exit_Usage = 2;           // the command line was not understood
constexpr int k_Exit_Runtime_Error = 3;   // ended by a runtime error or another engine status
constexpr int k_Exit_Driver_Error = 4;    // the run could not be prepared (files, directories)

struct DriverRequest {
    std::string input;     // the input data file as given
    std::string out_dir;   // where the outputs go; empty: next to the input
    bool json = false;     // also write STEM-results.json
    bool plots = false;    // also write the SVG figures STEM-*.svg
    bool html = false;     // also write the printable report STEM-report.html
    bool py_common_scale = false;   // the p-y figure's panels on one common scale
    bool check = false;    // only check the input (--check): compute nothing, write no file
};

// The output file names of a run of this input into this directory.
struct OutputNames {
    std::string report;
    std::string plot;
    std::string messages;
    std::string mc_prefix;   // moment-curvature file k is mc_prefix + k + ".txt"
    std::string results;     // the JSON results file
    std::string stem;        // the figures are stem + their suffix ("-response.svg")
};
OutputNames Output_Names_For(const std::string& input, const std::string& out_dir);

// Runs one analysis; prints the one-line outcome to standard output (or a driver error to
// standard error) and returns the exit code.
int Run_Driver(const DriverRequest& request);

// Checks the input without computing (--check): prints the outcome with the input line of the
// error and the warnings, or with --json the engine's check document, to standard output.
// Returns 0 when the problem would be analysed, 1 when it would be refused, 4 when the input
// data file cannot be read.
int Run_Check(const DriverRequest& request);
