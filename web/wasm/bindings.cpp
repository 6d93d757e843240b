// The web app's calls beyond the engine's own interface: the figures and the printable report of
// a run drawn by the command's own code (cli/results_plots, cli/html_report), so that the page and `orvane --plots` draw the same
// SVG from the same results document. Everything else the worker calls is the engine's public
// interface (src/engine/orvane.h) itself.
#include <cstdlib>
#include <cstring>
#include <string>

#include <nlohmann/json.hpp>

#include "html_report.h"
#include "results_data.h"
#include "results_plots.h"

namespace {

// A copy of text for the caller to release with orvane_free (the engine's free); NULL when no
// memory was left.
char* Handed_Out(const std::string& text) {
    char* copy = static_cast<char*>(std::malloc(text.size() + 1));
    if (copy != nullptr) std::memcpy(copy, text.c_str(), text.size() + 1);
    return copy;
}

}  // namespace

// The figures of the results document `results_json` as a JSON array of {"suffix", "svg"}, the
// suffix being the one the command appends to the input's stem ("-response.svg"); an empty array
// for a run without results. Released with orvane_free.
extern "C" __attribute__((used)) char* orvane_figures_json(const char* results_json) {
    nlohmann::json figures = nlohmann::json::array();
    if (results_json != nullptr) {
        for (const FigureFile& f : Results_Figures(Run_Results_From_Document(results_json))) {
            figures.push_back({{"suffix", f.suffix}, {"svg", f.svg}});
        }
    }
    return Handed_Out(figures.dump());
}

// The printable HTML report of the results document `results_json` (cli/html_report), the page's
// download of what `orvane --html` writes. Released with orvane_free.
extern "C" __attribute__((used)) char* orvane_html_report(const char* results_json) {
    return Handed_Out(Html_Report(results_json != nullptr ? results_json : ""));
}
