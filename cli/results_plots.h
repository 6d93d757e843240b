// The SVG figures of a finished run, drawn from the engine's results data in the units the report
// prints: the response along the pile for every case that has results (with the soil layers, the
// ground line, the sections' moment capacities and each case's maximum moment), the p-y curves
// printed at requested depths as small multiples, the moment-curvature and bending stiffness
// curves of each section in the range a pile reaches, the pile-head load against deflection per
// head condition, and the studies: pile-head deflection against pile length with the critical
// length, and the pile-head stiffnesses against deflection. A run ended before any result has no
// figures; a run ended by an error in a later case shows the cases that finished before it.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "results_data.h"

struct FigureFile {
    std::string suffix;   // appended to the input's stem: "-response.svg"
    std::string svg;
};

struct FigureOptions {
    bool py_common_scale = false;   // every p-y panel on the scales of the largest curve, for comparison
    bool for_print = false;         // narrower, taller response panels that fit a portrait page's width
};

// The figures the run's results allow, each with its file-name suffix.
std::vector<FigureFile> Results_Figures(const RunResults& r);
std::vector<FigureFile> Results_Figures(const RunResults& r, const FigureOptions& options);

// The share of the longest pile's head deflection within which a shorter pile of the length study
// counts as long enough: the critical length is the shortest length whose head deflection stays
// within it.
constexpr double k_Critical_Length_Tolerance = 0.05;

// The critical length of a length study (engine units): the shortest pile length whose head
// deflection, and that of every longer pile of the study, is within the tolerance of the longest
// pile's. None for a study of fewer than two points.
std::optional<double> Critical_Length(const std::vector<LengthStudyPoint>& study);

// The legend text of a case: its name (or LRFD combination's name), head condition and loads in
// display units, as "Load case 1: free head, V = 250 kN, M = 0 kN-m".
std::string Case_Legend(const RunResults& r, const LoadCaseResult& c);
