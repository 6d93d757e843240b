// Complete analyses through the exported entry function ORVGO on the bundled examples: reading
// the input, the section tables, every load case with its nonlinear iteration and p-y curves,
// and writing the report, plot and message files. Time is process CPU time per analysis; the
// peak resident set of the whole benchmark process is reported beside it.
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "engine/orvane.h"

namespace {

// Peak resident set size of this process so far (MB).
double Peak_Resident_MB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;   // ru_maxrss is in kilobytes
}

bool Copy_File(const std::string& from, const std::string& to) {
    std::FILE* in = std::fopen(from.c_str(), "rb");
    if (in == nullptr) return false;
    std::FILE* out = std::fopen(to.c_str(), "wb");
    if (out == nullptr) {
        std::fclose(in);
        return false;
    }
    char buffer[4096];
    std::size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, in)) > 0) std::fwrite(buffer, 1, n, out);
    std::fclose(in);
    std::fclose(out);
    return true;
}

// A private working directory holding the example and the NAMES.DAT that names it and the
// three output files; the process works there for the duration of the benchmark.
bool Prepare_Run(const char* example, std::string& dir) {
    char pattern[] = "/tmp/orvane-bench-XXXXXX";
    if (mkdtemp(pattern) == nullptr) return false;
    dir = pattern;
    if (!Copy_File(std::string(ORVANE_EXAMPLES_DIR) + "/" + example, dir + "/problem.lp")) return false;
    std::FILE* names = std::fopen((dir + "/NAMES.DAT").c_str(), "w");
    if (names == nullptr) return false;
    std::fprintf(names, "problem.lp\nproblem-report.txt\nproblem-plot.txt\nproblem-messages.txt\n");
    std::fclose(names);
    return chdir(dir.c_str()) == 0;
}

void Remove_Run(const std::string& dir) {
    for (const char* f : {"problem.lp", "problem-report.txt", "problem-plot.txt",
                          "problem-messages.txt", "NAMES.DAT"}) {
        std::remove((dir + "/" + f).c_str());
    }
    std::remove(dir.c_str());
}

void BM_Analysis(benchmark::State& state, const char* example) {
    char previous[4096];
    std::string dir;
    if (getcwd(previous, sizeof previous) == nullptr || !Prepare_Run(example, dir)) {
        state.SkipWithError("cannot prepare the working directory");
        return;
    }
    int result = 0;
    for (auto _ : state) {
        result = ORVGO(6032);
        benchmark::DoNotOptimize(result);
    }
    if (result != 0) state.SkipWithError("the analysis did not end normally");
    state.counters["peak_RSS_MB"] = Peak_Resident_MB();
    if (chdir(previous) != 0) state.SkipWithError("cannot return to the working directory");
    Remove_Run(dir);
}

// 500 increments, soft clay over API sand over an elastic subgrade, five load cases.
BENCHMARK_CAPTURE(BM_Analysis, clay_sand_subgrade_500_increments, "pipe-pile-clay-sand-subgrade.lp")
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Analysis, soft_clay, "pipe-pile-soft-clay.lp")
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Analysis, sand_us_customary, "pipe-pile-sand.lp")
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMillisecond);
// Reinforced concrete drilled shafts: the section analysis of every section, then the load cases
// with the nonlinear bending stiffness.
BENCHMARK_CAPTURE(BM_Analysis, pier4_drilled_shaft, "pier4-drilled-shaft.lp")
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Analysis, drilled_shaft_si, "drilled-shaft-clay-sand-si.lp")
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace
