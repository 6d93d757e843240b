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

// A steel pipe 914 x 25 mm, 25 m long (E = 200 GPa, A = 0.0698 m2, I = 6.942e-3 m4), SI units,
// in the given soil layers, with one free-head load case per shear of k_Shears.
std::string Pipe_Problem(const char* loading, const char* layers) {
    std::string s = "ORVANE6\nTITLE\nSteel pipe pile in stiff clay\n\n\n\n\nOPTIONS\nUnits SI\n"
                    "UseLRFD NO\nComputeKmatrix NO\nUseTipShear NO\nUseSoilMovement NO\n"
                    "UsePYModifiers NO\nComputeEIOnly NO\n";
    s += std::string(loading) + "\n";
    char line[128];
    std::snprintf(line, sizeof line, "MaxIterations %d\n", k_Max_Iterations);
    s += line;
    s += "MaxDeflection 2.0\nTolerance 1.0E-5\nIncrements 250\nPrintSummaryOnly NO\n"
         "PrintIncrement 25\nPrintPYCurves NO\nComputeInteraction NO\nSECTIONS\n1\n1\n11\n25.0\n2\n2.0E+8\n"
         "914.0\n914.0\n69810.0\n69810.0\n6.942E+9\n6.942E+9\n";
    s += std::string("SOIL LAYERS\n") + layers;
    std::snprintf(line, sizeof line, "LOADING\n%d\n", k_Cases);
    s += line;
    for (int i = 0; i < k_Cases; ++i) {
        std::snprintf(line, sizeof line, "%d 1 %.1f 0.0 0.0 1\n", i + 1, k_Shears[i]);
        s += line;
    }
    return s + "0\nEND\n";
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
            EXPECT_GE(iterations[lc], 4);   // the nonlinear soil needs more than the minimum
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
