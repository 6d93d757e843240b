// The printable HTML report of a run, built from the engine's results document alone: the problem
// (title, pile sections, soil layers, load cases), the summary tables, every figure inline as SVG,
// and every warning and error with its text. One self-contained file: no script, no style sheet,
// font or image fetched from anywhere; its print style sheet breaks pages between its parts and
// keeps each figure and table row whole on A4 and Letter paper.
#pragma once

#include <string>

#include "results_plots.h"

// The HTML document of the results document `results_document` (a document that does not parse
// gives a report saying so).
std::string Html_Report(const std::string& results_document);
std::string Html_Report(const std::string& results_document, const FigureOptions& options);
