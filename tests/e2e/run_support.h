// A run of the engine in its own temporary working directory, with NAMES.DAT written for it.
#pragma once

#include <string>
#include <vector>

#include "support/test_support.h"

// Depth, deflection, moment, shear and soil reaction of one node, from a plot "Line 10" record.
struct NodeRecord {
    double x, y, M, V, p;
};

// The node records of every load case of a plot output file, case by case.
std::vector<std::vector<NodeRecord>> Node_Records(const std::vector<std::string>& plot);

// Solutions made for load cases 1..cases (index 0 unused), counted from the progress lines of a
// runtime message file.
std::vector<int> Iterations_Per_Case(const std::vector<std::string>& messages, int cases);

// For free-head cases under the rising head shears shears[0..n-1] on a pile of the given length
// and node count: the head deflection per unit shear grows by more than 2 % from case to case
// (the soil softens), and the soil reactions balance the head shear and the zero head moment.
void Expect_Softening_Balanced_Cases(const std::vector<std::vector<NodeRecord>>& cases,
                                     const double* shears, int n, std::size_t nodes, double length);

struct EngineRun {
    TempDir dir;
    std::string input() const { return dir.file("problem.lp"); }
    std::string report() const { return dir.file("problem-report.txt"); }
    std::string plot() const { return dir.file("problem-plot.txt"); }
    std::string messages() const { return dir.file("problem-messages.txt"); }

    // Writes NAMES.DAT naming the four files of this run.
    void Write_Names() const;
    // Writes the input data file and NAMES.DAT, calls ORVGO(6032) there and returns the result.
    int Run(const std::string& input_text) const;
    // Calls ORVGO(version) in the run's directory with whatever files are there.
    int Call(int version) const;
};

// The steel pipe pile of the soil end-to-end tests: 914 x 25 mm, 25 m long (E = 200 GPa,
// A = 0.0698 m2, I = 6.942e-3 m4) as an elastic section in 250 increments, in SI units (or in
// general units with the same numbers in meters and kilonewtons), in the given soil layers, with
// one free-head load case per shear of `shears`; p-y curves are printed at the given depths
// (none when `py_depths` is empty).
struct PipeProblem {
    const char* title;
    const char* layers;                       // the SOIL LAYERS block after its keyword line
    const double* shears;                     // kN
    int cases;
    const char* loading = "Loading STATIC";
    int max_iterations = 100;
    const char* tolerance = "1.0E-5";
    const char* py_depths = "";               // the DEPTHS OF PRINTED P-Y CURVES block body
    bool general_units = false;
};
std::string Pipe_Problem_Text(const PipeProblem& p);

// The smallest problem that passes the input echo's checks and ends normally: US customary
// options, one elastic section of 10 ft, one soft clay layer from the pile head to the tip, no
// load case. The tag line "ORVANE6" is included.
extern const char* const k_Minimal_Problem;
