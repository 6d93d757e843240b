// The SVG figures of a finished run, drawn from the engine's results data: the response along the
// pile for every case that has results, the p-y curves printed at requested depths, the
// moment-curvature and bending stiffness curves of each section, and the pile-head load against
// deflection over the load cases. A run ended before any result has no figures; a run ended by an
// error in a later case shows the cases that finished before it.
#pragma once

#include <string>
#include <vector>

#include "results_data.h"

struct FigureFile {
    std::string suffix;   // appended to the input's stem: "-response.svg"
    std::string svg;
};

// The figures the run's results allow, each with its file-name suffix.
std::vector<FigureFile> Results_Figures(const RunResults& r);
