// Fuzz harness of the whole engine: every input becomes the input data file of one complete run
// through ORVGO in a private working directory with its NAMES.DAT, as the command line prepares
// it, and the run's results document and outcome line as the command reads them. A crash, a hang
// or a sanitizer report is a finding; any result code is an answer.
#include <stdlib.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "engine/orvane.h"

namespace {

// The harness's working directory, made once for the fuzzing process.
const std::string& Work_Directory() {
    static const std::string dir = [] {
        char pattern[] = "/tmp/orvane-engine-fuzz-XXXXXX";
        const char* made = mkdtemp(pattern);
        return std::string(made != nullptr ? made : "");
    }();
    return dir;
}

bool Write_Bytes(const std::string& path, const uint8_t* data, size_t size) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (f == nullptr) return false;
    const bool ok = std::fwrite(data, 1, size, f) == size;
    return std::fclose(f) == 0 && ok;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string& dir = Work_Directory();
    if (dir.empty() || chdir(dir.c_str()) != 0) return 0;
    static const char names[] = "problem.lp\nproblem-report.txt\nproblem-plot.txt\nproblem-messages.txt\n";
    if (!Write_Bytes(dir + "/problem.lp", data, size)) return 0;
    if (!Write_Bytes(dir + "/NAMES.DAT", reinterpret_cast<const uint8_t*>(names), sizeof names - 1)) return 0;
    ORVGO(ORVANE_INTERFACE_VERSION);
    orvane_free(orvane_results_json());
    orvane_free(orvane_outcome_text());
    return 0;
}
