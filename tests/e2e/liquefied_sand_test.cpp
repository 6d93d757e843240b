// A steel pipe pile (elastic section) through a liquefied sand layer over sand or soft clay, run
// end to end through ORVGO under increasing free-head shears: the runs converge, the head
// deflection grows faster than the load, every load case is in equilibrium, and the p-y curve
// requested in the liquefied layer is printed with its plot records.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "e2e/run_support.h"
#include "support/test_support.h"

namespace {

constexpr int k_Max_Iterations = 100;
const double k_Shears[] = {100.0, 250.0, 450.0, 700.0};   // kN
constexpr int k_Cases = 4;

// The shared pipe pile in the given layers, one free-head case per shear, p-y curves printed at
// 2 m and 10 m.
std::string Pipe_Problem(const char* layers) {
    PipeProblem p{"Steel pipe pile through liquefied sand", layers, k_Shears, k_Cases};
    p.max_iterations = k_Max_Iterations;
    p.py_depths = "2\n1 2.0\n2 10.0\n";
    return Pipe_Problem_Text(p);
}

struct SoilCase {
    const char* name;
    const char* layers;
};

const SoilCase k_Soil_Cases[] = {
    {"liquefied sand over Reese sand",
     "2\n7 0.0 4.0\n9.0\n9.0\n5 4.0 25.0\n10.0 34.0 0.0\n10.0 36.0 0.0\n"},
    {"liquefied sand over soft clay",
     "2\n7 0.0 4.0\n9.0\n9.0\n1 4.0 25.0\n6.0 25.0 0.0\n6.0 45.0 0.0\n"},
};

}  // namespace

TEST(LiquefiedSandEndToEnd, ConvergesSoftensBalancesAndPrintsItsCurve) {
    for (const SoilCase& soil : k_Soil_Cases) {
        SCOPED_TRACE(soil.name);
        EngineRun run;
        ASSERT_EQ(run.Run(Pipe_Problem(soil.layers)), 0);
        const auto report = Read_Lines(run.report());
        EXPECT_GE(Find_Line(report, "The analysis ended normally. "), 0);

        const std::vector<int> iterations = Iterations_Per_Case(Read_Lines(run.messages()), k_Cases);
        for (int lc = 1; lc <= k_Cases; ++lc) {
            EXPECT_GT(iterations[lc], 6);   // the nonlinear soil needs more than the minimum of six solutions
            EXPECT_LT(iterations[lc], k_Max_Iterations);
        }
        Expect_Softening_Balanced_Cases(Node_Records(Read_Lines(run.plot())), k_Shears, k_Cases,
                                        251, 25.0);

        // The curve at 2 m in layer 1: zn = 2 m, the capped curve of a 0.914 m pile,
        // pu = 15 (3.81 ln 0.914 + 5.6) = 78.861 kN/m.
        const int title = Find_Line(report, "p-y Curve Computed Using Liquefied Sand Criteria");
        ASSERT_GE(title, 0);
        std::size_t pu = static_cast<std::size_t>(title);
        while (pu < report.size() && report[pu].rfind("Upper limit Pu", 0) != 0) ++pu;
        ASSERT_LT(pu, report.size());
        EXPECT_EQ(report[pu].substr(55), "=       78.861 kN/m");
        int points = 0;
        for (const std::string& l : Read_Lines(run.plot())) {
            points += l.find("): y, p, for liquefied sand") != std::string::npos;
        }
        EXPECT_EQ(points, 17);
    }
}
