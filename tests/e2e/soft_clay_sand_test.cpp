// Steel pipe piles (elastic sections) in soft clay and in sand, run end to end through ORVGO
// under increasing free-head shears, static and cyclic: the runs converge, the head deflection
// grows faster than the load, and the final solution of every load case is in equilibrium
// (the soil reactions of the plot records balance the head shear and their moment about the
// head balances the head moment).
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "e2e/run_support.h"
#include "support/test_support.h"

namespace {

constexpr int k_Max_Iterations = 100;
const double k_Shears[] = {100.0, 250.0, 450.0, 700.0};   // kN
constexpr int k_Cases = 4;

// The shared pipe pile in the given layers, one free-head case per shear of k_Shears; in SI
// units, or in general units with the same numbers in meters and kilonewtons.
std::string Pipe_Problem(const char* loading, const char* layers, bool general = false) {
    PipeProblem p{"Steel pipe pile in soft clay or sand", layers, k_Shears, k_Cases};
    p.loading = loading;
    p.max_iterations = k_Max_Iterations;
    p.general_units = general;
    return Pipe_Problem_Text(p);
}

struct SoilCase {
    const char* name;
    const char* loading;
    const char* layers;
};

const SoilCase k_Soil_Cases[] = {
    {"soft clay, static", "Loading STATIC",
     "1\n1 0.0 25.0\n6.0 15.0 0.0\n6.0 40.0 0.0\n"},
    {"soft clay, cyclic", "Loading CYCLIC   100",
     "1\n1 0.0 25.0\n6.0 15.0 0.02\n6.0 40.0 0.01\n"},
    {"soft clay with J over soft clay, static", "Loading STATIC",
     "2\n15 0.0 8.0\n6.0 15.0 0.0 0.25\n6.0 25.0 0.0 0.25\n1 8.0 25.0\n6.0 25.0 0.0\n6.0 40.0 0.0\n"},
    {"Reese sand, static", "Loading STATIC",
     "1\n5 0.0 25.0\n10.0 32.0 0.0\n10.0 36.0 0.0\n"},
    {"Reese sand over API sand, cyclic", "Loading CYCLIC   100",
     "2\n5 0.0 10.0\n10.0 32.0 15000.0\n10.0 34.0 15000.0\n6 10.0 25.0\n10.0 34.0 0.0\n10.0 36.0 0.0\n"},
    {"soft clay over API sand, static", "Loading STATIC",
     "2\n1 0.0 6.0\n6.0 15.0 0.0\n6.0 25.0 0.0\n6 6.0 25.0\n10.0 34.0 0.0\n10.0 36.0 0.0\n"},
};

}  // namespace

TEST(SoftClaySandEndToEnd, ConvergesSoftensAndBalances) {
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

TEST(SoftClaySandEndToEnd, CriterionErrorsEndTheRunBeforeAnyResult) {
    struct Case { const char* name; bool general; const char* layers; int result; const char* first_line; };
    const Case cases[] = {
        // the cohesion falls to 0 at the bottom of the layer: fatal below its first node
        {"soft clay without cohesion", false,
         "1\n1 0.0 25.0\n6.0 15.0 0.0\n6.0 0.0 0.0\n", 112, "**** Input Data Error No. 12 ****"},
        {"API sand with default k in general units", true,
         "1\n6 0.0 25.0\n10.0 34.0 0.0\n10.0 36.0 0.0\n", 213, "**** Runtime Error No. 13 ****"},
    };
    for (const Case& row : cases) {
        SCOPED_TRACE(row.name);
        EngineRun run;
        EXPECT_EQ(run.Run(Pipe_Problem("Loading STATIC", row.layers, row.general)), row.result);
        const auto report = Read_Lines(run.report());
        EXPECT_GE(Find_Line(report, row.first_line), 0);
        // No load case reached its results: the plot file holds no node records.
        for (const std::string& l : Read_Lines(run.plot())) EXPECT_EQ(l.find("Line 10("), std::string::npos);
        EXPECT_EQ(Find_Line(report, "The analysis ended normally. "), -1);
    }
}

TEST(SoftClaySandEndToEnd, ExamplesRunToANormalEnd) {
    for (const char* name : {"pipe-pile-soft-clay.lp", "pipe-pile-sand.lp", "pipe-pile-clay-sand-subgrade.lp"}) {
        SCOPED_TRACE(name);
        EngineRun run;
        EXPECT_EQ(run.Run(Read_File(std::string(ORVANE_EXAMPLES_DIR) + "/" + name)), 0);
        const auto report = Read_Lines(run.report());
        EXPECT_GE(Find_Line(report, "The analysis ended normally. "), 0);
        EXPECT_GE(Find_Line(report, "                    p-y Curves Reported for Specified Depths"), 0);
    }
}
