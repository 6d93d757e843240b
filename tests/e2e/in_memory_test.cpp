// The engine called in memory through its public interface: a problem given as text runs as its
// file does and writes nothing, its node columns come back as numbers, and one call at a time
// runs in a process — a second call made meanwhile is refused, never mixed into the first.
#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "e2e/run_support.h"
#include "engine/orvane.h"
#include "support/test_support.h"

namespace {

std::string Example(const char* name) { return Read_File(std::string(ORVANE_EXAMPLES_DIR) + "/" + name); }

std::string Results_Text() {
    char* text = orvane_results_json();
    std::string copy = text != nullptr ? text : "";
    orvane_free(text);
    return copy;
}

TEST(InMemory, ATextRunsAsItsFileAndWritesNothing) {
    const std::string input = Example("pipe-pile-clay-sand-subgrade.lp");
    EngineRun run;
    ASSERT_EQ(run.Run(input), 0);
    const std::string from_file = Results_Text();
    TempDir here;
    const WorkingDirectory cwd(here.path());
    ASSERT_EQ(orvane_run_text(input.data(), input.size(), "problem.lp"), 0);
    EXPECT_EQ(Results_Text(), from_file);
    EXPECT_TRUE(std::filesystem::is_empty(here.path()));
    // the node columns as numbers: the deflections of case 2, as the document has them
    ASSERT_EQ(orvane_case_count(), 5);
    std::vector<double> y(501);
    ASSERT_EQ(orvane_node_column(2, 1, y.data(), 501), 501);
    EXPECT_GT(y[0], 0.0);   // the head moves with the load
    EXPECT_EQ(orvane_node_column(6, 1, y.data(), 501), -1);    // no such case
    EXPECT_EQ(orvane_node_column(2, 11, y.data(), 501), -1);   // no such column
}

TEST(InMemory, AnEmptyTextIsAnEmptyInputDataFile) {
    EXPECT_EQ(orvane_run_text("", 0, "empty.lp"), 125);
    EXPECT_EQ(orvane_run_text(nullptr, 0, nullptr), 125);
}

TEST(InMemory, OneCallAtATimeAndNoneMixedIntoAnother) {
    // Two threads call the engine at once, one of them many times: every call either runs whole
    // (its results those of its problem) or is refused as busy; the refusal is seen at least once.
    const std::string big = Example("pipe-pile-clay-sand-subgrade.lp");
    const std::string small = Example("pipe-pile-soft-clay.lp");
    std::atomic<bool> stop{false};
    std::atomic<int> big_runs{0};
    std::thread other([&] {
        while (!stop) {
            if (orvane_run_text(big.data(), big.size(), "big.lp") == 0) ++big_runs;
        }
    });
    int busy = 0;
    int normal = 0;
    for (int i = 0; i < 2000 && (busy == 0 || normal == 0); ++i) {
        const int result = orvane_run_text(small.data(), small.size(), "small.lp");
        if (result == ORVANE_RESULT_BUSY) ++busy;
        if (result == 0) ++normal;
        EXPECT_TRUE(result == 0 || result == ORVANE_RESULT_BUSY) << result;
    }
    stop = true;
    other.join();
    EXPECT_GT(busy, 0);
    EXPECT_GT(big_runs.load(), 0);
    // after the other thread's last run the model is whole: a run of the small problem now gives
    // the same document as a run of its file
    ASSERT_EQ(orvane_run_text(small.data(), small.size(), "problem.lp"), 0);
    const std::string in_memory = Results_Text();
    EngineRun run;
    ASSERT_EQ(run.Run(small), 0);
    EXPECT_EQ(Results_Text(), in_memory);
}

TEST(InMemory, VersionNamesTheDocumentFormats) {
    EXPECT_STREQ(orvane_version(), "orvane 0.1 results 2 check 1");
}

}  // namespace
