// orvane PROBLEM [--out-dir DIR] [--json] [--plots] [--html]: runs one analysis of an input data file;
// orvane --check PROBLEM [--json]: checks it without computing.
#include <cstdio>
#include <cstring>
#include <string>

#include "driver.h"

namespace {

constexpr const char* k_Usage =
    "usage: orvane PROBLEM [--out-dir DIR] [--json] [--plots] [--html] [--py-common-scale]\n"
    "       orvane --check PROBLEM [--json]   (orvane --help explains)";

constexpr const char* k_Help =
    "usage: orvane PROBLEM [--out-dir DIR] [--json] [--plots] [--html] [--py-common-scale]\n"
    "       orvane --check PROBLEM [--json]\n"
    "\n"
    "Analyses the single pile or drilled shaft under lateral load described by the input\n"
    "data file PROBLEM (a text file starting with the tag ORVANE6) by the p-y method.\n"
    "\n"
    "The run takes place in a private working directory: orvane writes the hand-off file\n"
    "NAMES.DAT there itself (a NAMES.DAT in your own directory is never read or touched),\n"
    "calls the engine once and removes the working directory afterwards.\n"
    "\n"
    "Outputs, named from the input's stem (PROBLEM without its extension), are written next\n"
    "to the input, or into DIR with --out-dir DIR:\n"
    "  STEM-report.txt     output report (human-readable results)\n"
    "  STEM-plot.txt       plot output file (fixed-column records \"Line 1\" to \"Line 14\")\n"
    "  STEM-messages.txt   runtime message file (progress and closing lines)\n"
    "  STEM-mcK.txt        moment-curvature file of the K-th (pile section, axial thrust)\n"
    "                      pair; only those the analysis computes are written\n"
    "With --json, also:\n"
    "  STEM-results.json   the results as JSON: title, units, every load case's node table,\n"
    "                      summaries, p-y curves, moment-curvature tables, errors, warnings\n"
    "With --plots, also SVG figures in the report's units (a run ended before any result\n"
    "has none):\n"
    "  STEM-response.svg   deflection, moment, shear and soil reaction against depth, with\n"
    "                      the soil layers, the ground line and the moment capacities\n"
    "  STEM-py-curves.svg  the p-y curves printed at the requested depths, one panel each\n"
    "                      (--py-common-scale: all panels on one scale, for comparison)\n"
    "  STEM-section-K.svg  moment-curvature and bending stiffness of pile section K\n"
    "  STEM-head-load-deflection.svg  pile-head shear against deflection per head condition\n"
    "  STEM-length-study.svg  pile-head deflection against pile length, critical length\n"
    "  STEM-stiffness.svg  pile-head stiffnesses K22 and K33 against pile-head deflection\n"
    "With --html, also:\n"
    "  STEM-report.html    one self-contained printable report: the problem, the summary\n"
    "                      tables, every figure and every warning (print it to PDF from a\n"
    "                      browser, A4 or Letter)\n"
    "Existing files of these names are replaced.\n"
    "\n"
    "orvane prints one line saying how the run ended and where the report is.\n"
    "\n"
    "With --check, orvane reads the problem and makes every check a run makes before it\n"
    "computes (the reader, the consistency checks of the input, the pile's discretization and\n"
    "the data of every pile section), computes nothing and writes no file. It prints one line:\n"
    "that the problem would be analysed, or the input line and the error that refuses it with\n"
    "its explanation; the warnings follow. With --json it prints the same as a JSON document\n"
    "on standard output. Exit code 0 when the problem would be analysed, 1 when it would be\n"
    "refused.\n"
    "\n"
    "Exit codes:\n"
    "  0  the analysis ended normally (with or without warnings)\n"
    "  1  the analysis was ended by an input data error (see the report)\n"
    "  2  the command line was not understood\n"
    "  3  the analysis was ended by a runtime error (see the report)\n"
    "  4  the run could not be prepared (input file missing, output directory not writable)\n";

}  // namespace

int main(int argc, char** argv) {
    DriverRequest request;
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        if (std::strcmp(arg, "--help") == 0 || std::strcmp(arg, "-h") == 0) {
            std::fputs(k_Help, stdout);
            return k_Exit_Normal;
        }
        if (std::strcmp(arg, "--json") == 0) {
            request.json = true;
        } else if (std::strcmp(arg, "--check") == 0) {
            request.check = true;
        } else if (std::strcmp(arg, "--plots") == 0) {
            request.plots = true;
        } else if (std::strcmp(arg, "--html") == 0) {
            request.html = true;
        } else if (std::strcmp(arg, "--py-common-scale") == 0) {
            request.py_common_scale = true;
        } else if (std::strcmp(arg, "--out-dir") == 0) {
            if (i + 1 >= argc || !request.out_dir.empty()) {
                std::fprintf(stderr, "orvane: --out-dir needs one directory\n%s\n", k_Usage);
                return k_Exit_Usage;
            }
            request.out_dir = argv[++i];
        } else if (arg[0] == '-' && arg[1] != '\0') {
            std::fprintf(stderr, "orvane: unknown option %s\n%s\n", arg, k_Usage);
            return k_Exit_Usage;
        } else if (request.input.empty()) {
            request.input = arg;
        } else {
            std::fprintf(stderr, "orvane: only one input data file per run\n%s\n", k_Usage);
            return k_Exit_Usage;
        }
    }
    if (request.input.empty()) {
        std::fprintf(stderr, "orvane: no input data file given\n%s\n", k_Usage);
        return k_Exit_Usage;
    }
    if (request.check && (request.plots || request.html || request.py_common_scale || !request.out_dir.empty())) {
        std::fprintf(stderr, "orvane: --check writes no file; it takes only --json\n%s\n", k_Usage);
        return k_Exit_Usage;
    }
    return request.check ? Run_Check(request) : Run_Driver(request);
}
