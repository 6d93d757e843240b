// Steel pipe piles (elastic sections) in the three stiff clays, run end to end through ORVGO
// under increasing free-head shears, static and cyclic: the runs converge, the head deflection
// grows faster than the load, and the soil reactions of the plot records balance the head shear
// and the (zero) head moment.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "e2e/run_support.h"
#include "support/test_support.h"

namespace {

constexpr int k_Max_Iterations = 100;
const double k_Shears[] = {100.0, 200.0, 350.0, 500.0};   // kN
constexpr int k_Cases = 4;

// The shared pipe pile in the given stiff clay layers, one free-head case per shear.
std::string Pipe_Problem(const char* loading, const char* layers) {
    PipeProblem p{"Steel pipe pile in stiff clay", layers, k_Shears, k_Cases};
    p.loading = loading;
    p.max_iterations = k_Max_Iterations;
    return Pipe_Problem_Text(p);
}

struct SoilCase {
    const char* name;
    const char* loading;
    const char* layers;
};

// Overconsolidated clays, c from 60 to 150 kPa; eps50 and k given or left to the defaults.
const SoilCase k_Soil_Cases[] = {
    {"stiff clay with free water, static", "Loading STATIC",
     "1\n2 0.0 25.0\n9.0 60.0 0.007 135000.0\n9.0 150.0 0.005 271000.0\n"},
    {"stiff clay with free water, cyclic, default eps50 and k", "Loading CYCLIC   100",
     "1\n2 0.0 25.0\n9.0 60.0 0.0 0.0\n9.0 150.0 0.0 0.0\n"},
    {"stiff clay without free water, static", "Loading STATIC",
     "1\n3 0.0 25.0\n19.0 60.0 0.007\n19.0 150.0 0.005\n"},
    {"stiff clay without free water, cyclic", "Loading CYCLIC   100",
     "1\n3 0.0 25.0\n19.0 60.0 0.0\n19.0 150.0 0.0\n"},
    {"stiff clay with k, static", "Loading STATIC",
     "1\n4 0.0 25.0\n19.0 60.0 0.007 135000.0\n19.0 150.0 0.005 271000.0\n"},
    {"stiff clay with k over stiff clay with free water, cyclic", "Loading CYCLIC   20",
     "2\n4 0.0 6.0\n19.0 60.0 0.0 0.0\n19.0 80.0 0.0 0.0\n2 6.0 25.0\n9.0 80.0 0.0 0.0\n9.0 150.0 0.0 0.0\n"},
};

}  // namespace

TEST(StiffClayEndToEnd, ConvergesSoftensAndBalances) {
    for (const SoilCase& soil : k_Soil_Cases) {
        SCOPED_TRACE(soil.name);
        EngineRun run;
        ASSERT_EQ(run.Run(Pipe_Problem(soil.loading, soil.layers)), 0);
        const auto report = Read_Lines(run.report());
        EXPECT_GE(Find_Line(report, "The analysis ended normally. "), 0);

        const std::vector<int> iterations = Iterations_Per_Case(Read_Lines(run.messages()), k_Cases);
        for (int lc = 1; lc <= k_Cases; ++lc) {
            EXPECT_LT(iterations[lc], k_Max_Iterations);
        }

        Expect_Softening_Balanced_Cases(Node_Records(Read_Lines(run.plot())), k_Shears, k_Cases,
                                        251, 25.0);
    }
}

TEST(StiffClayEndToEnd, ZeroCohesionEndsTheRunBeforeAnyResult) {
    struct Case { const char* name; const char* layers; int result; const char* first_line; };
    const Case cases[] = {
        {"with free water", "1\n2 0.0 25.0\n9.0 60.0 0.0 0.0\n9.0 0.0 0.0 0.0\n", 114,
         "**** Input Data Error No. 14 ****"},
        {"without free water", "1\n3 0.0 25.0\n19.0 60.0 0.0\n19.0 0.0 0.0\n", 113,
         "**** Input Data Error No. 13 ****"},
    };
    for (const Case& row : cases) {
        SCOPED_TRACE(row.name);
        EngineRun run;
        EXPECT_EQ(run.Run(Pipe_Problem("Loading STATIC", row.layers)), row.result);
        const auto report = Read_Lines(run.report());
        EXPECT_GE(Find_Line(report, row.first_line), 0);
        for (const std::string& l : Read_Lines(run.plot())) EXPECT_EQ(l.find("Line 10("), std::string::npos);
        EXPECT_EQ(Find_Line(report, "The analysis ended normally. "), -1);
    }
}

TEST(StiffClayEndToEnd, ExampleRunsToANormalEndWithItsPrintedCurves) {
    EngineRun run;
    EXPECT_EQ(run.Run(Read_File(std::string(ORVANE_EXAMPLES_DIR) + "/pipe-pile-stiff-clay.lp")), 0);
    const auto report = Read_Lines(run.report());
    EXPECT_GE(Find_Line(report, "The analysis ended normally. "), 0);
    EXPECT_GE(Find_Line(report, "p-y Curve Computed Using Cyclic Criteria for Stiff Clay without Free Water"), 0);
    EXPECT_GE(Find_Line(report, "p-y Curve Computed Using Cyclic Criteria for Stiff Clay with Free Water"), 0);
}
