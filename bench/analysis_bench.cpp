// Complete analyses through the exported entry function ORVGO on the bundled examples: reading
// the input, the section tables, every load case with its nonlinear iteration and p-y curves,
// and writing the report, plot and message files. Time is process CPU time per analysis; the
// peak resident set of the whole benchmark process is reported beside it. BM_Repeated_Calls
// shows what a caller running many problems in one process sees: every call costs about the
// same, and the resident set does not grow from call to call.
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

#include "engine/orvane.h"

namespace {

// Peak resident set size of this process so far (MB).
double Peak_Resident_MB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;   // ru_maxrss is in kilobytes
}

// Resident set size of this process now (MB), from /proc/self/statm; 0 where that is missing.
double Resident_MB() {
    std::FILE* statm = std::fopen("/proc/self/statm", "r");
    if (statm == nullptr) return 0.0;
    long pages = 0;
    long resident = 0;
    const int read = std::fscanf(statm, "%ld %ld", &pages, &resident);
    std::fclose(statm);
    if (read != 2) return 0.0;
    return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) / 1048576.0;
}

double Process_CPU_Milliseconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
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

// The check of the input (orvane_check_json) on the bundled examples, as an editor calls it on
// every keystroke: the reader, the consistency checks, the discretization and the section data,
// no computation and no file written. The goal is well under 10 ms per check.
void BM_Check(benchmark::State& state, const char* example) {
    const std::string path = std::string(ORVANE_EXAMPLES_DIR) + "/" + example;
    bool accepted = true;
    for (auto _ : state) {
        char* document = orvane_check_json(path.c_str());
        accepted = accepted && document != nullptr && std::string(document).find("\"accepted\":true") != std::string::npos;
        orvane_free(document);
    }
    if (!accepted) state.SkipWithError("the check refused an example");
}

BENCHMARK_CAPTURE(BM_Check, clay_sand_subgrade_500_increments, "pipe-pile-clay-sand-subgrade.lp")
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Check, pier4_drilled_shaft, "pier4-drilled-shaft.lp")
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Check, harbour_lrfd, "harbour-pipe-pile-lrfd.lp")
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMicrosecond);

// The results document of a finished run (orvane_results_json): every node of every case at full
// precision; the 500-increment example with five cases is the largest of the examples.
void BM_Results_Document(benchmark::State& state, const char* example) {
    char previous[4096];
    std::string dir;
    if (getcwd(previous, sizeof previous) == nullptr || !Prepare_Run(example, dir)) {
        state.SkipWithError("cannot prepare the working directory");
        return;
    }
    if (ORVGO(6032) != 0) state.SkipWithError("the analysis did not end normally");
    std::size_t bytes = 0;
    for (auto _ : state) {
        char* document = orvane_results_json();
        bytes = document != nullptr ? std::string(document).size() : 0;
        orvane_free(document);
    }
    state.counters["document_kB"] = static_cast<double>(bytes) / 1024.0;
    if (chdir(previous) != 0) state.SkipWithError("cannot return to the working directory");
    Remove_Run(dir);
}

BENCHMARK_CAPTURE(BM_Results_Document, clay_sand_subgrade_500_increments, "pipe-pile-clay-sand-subgrade.lp")
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMillisecond);

// 200 calls of ORVGO on one problem in one process, each call timed on its own (process CPU
// time). Counters: the median call; the slowest call, the 95th percentile, the first and second
// calls and the mean of the last ten, each over the median (1.00 means no difference); the
// resident set after the first, the second and the last call, and its growth from the second
// call to the last. The second call is the first to clear the model: it alone brings in the
// pages of the model the first call left untouched and that are cleared whole.
void BM_Repeated_Calls(benchmark::State& state, const char* example) {
    constexpr int k_Calls = 200;
    char previous[4096];
    std::string dir;
    if (getcwd(previous, sizeof previous) == nullptr || !Prepare_Run(example, dir)) {
        state.SkipWithError("cannot prepare the working directory");
        return;
    }
    std::vector<double> call_ms;
    double resident_first = 0.0;
    double resident_second = 0.0;
    double resident_last = 0.0;
    bool all_normal = true;
    for (auto _ : state) {
        call_ms.clear();
        for (int i = 0; i < k_Calls; ++i) {
            const double start = Process_CPU_Milliseconds();
            const int result = ORVGO(6032);
            call_ms.push_back(Process_CPU_Milliseconds() - start);
            all_normal = all_normal && result == 0;
            if (i == 0) resident_first = Resident_MB();
            if (i == 1) resident_second = Resident_MB();
        }
        resident_last = Resident_MB();
    }
    if (!all_normal) state.SkipWithError("an analysis did not end normally");
    std::vector<double> sorted = call_ms;
    std::sort(sorted.begin(), sorted.end());
    const double median = sorted[sorted.size() / 2];
    double last_ten = 0.0;
    for (std::size_t i = call_ms.size() - 10; i < call_ms.size(); ++i) last_ten += call_ms[i] / 10.0;
    state.counters["call_ms_median"] = median;
    state.counters["slowest_over_median"] = sorted.back() / median;
    state.counters["p95_over_median"] = sorted[sorted.size() * 95 / 100] / median;
    state.counters["first_over_median"] = call_ms[0] / median;
    state.counters["second_over_median"] = call_ms[1] / median;
    state.counters["last10_over_median"] = last_ten / median;
    state.counters["RSS_first_MB"] = resident_first;
    state.counters["RSS_second_MB"] = resident_second;
    state.counters["RSS_last_MB"] = resident_last;
    state.counters["RSS_growth_MB"] = resident_last - resident_second;
    if (chdir(previous) != 0) state.SkipWithError("cannot return to the working directory");
    Remove_Run(dir);
}

BENCHMARK_CAPTURE(BM_Repeated_Calls, clay_sand_subgrade_200_calls, "pipe-pile-clay-sand-subgrade.lp")
    ->Iterations(1)
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Repeated_Calls, pier4_shaft_200_calls, "pier4-drilled-shaft.lp")
    ->Iterations(1)
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace
