// The SVG figures of a finished run, drawn from what the results reader gathered: the response
// along the pile for all load cases, the p-y curves printed at requested depths, the
// moment-curvature and bending stiffness curves of each section, and the pile-head load against
// deflection over the load cases. A run ended by an error has no figures.
#pragma once

#include <string>
#include <vector>

#include "results_reader.h"

struct FigureFile {
    std::string suffix;   // appended to the input's stem: "-response.svg"
    std::string svg;
};

// The figures the run's results allow, each with its file-name suffix.
std::vector<FigureFile> Results_Figures(const RunResults& r);
