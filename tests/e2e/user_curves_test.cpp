// A steel pipe pile (elastic section) in a "User p-y" layer, run end to end through ORVGO:
// under rising free-head shears the run converges, softens and balances; straight user curves
// reproduce the elastic subgrade they describe; the printed curves reach the plot file.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "e2e/run_support.h"
#include "support/test_support.h"

namespace {

const double k_Shears[] = {100.0, 250.0, 450.0, 700.0};   // kN
constexpr int k_Cases = 4;

// The shared pipe pile in user-input p-y curves with a tight tolerance, one free-head case per
// shear; p-y curves printed at the given depths (none when empty).
std::string Pipe_Problem(const char* layers, const char* py_depths = "") {
    PipeProblem p{"Steel pipe pile in user-input p-y curves", layers, k_Shears, k_Cases};
    p.tolerance = "1.0E-7";
    p.py_depths = py_depths;
    return Pipe_Problem_Text(p);
}

// Curves that stiffen with depth and flatten at 60 kN/m at the head and 600 kN/m at the tip.
const char* k_Softening_Layer =
    "1\n14 0.0 25.0\n"
    "9.0 5\n0.0 0.0\n0.005 20.0\n0.02 40.0\n0.05 55.0\n0.2 60.0\n"
    "9.0 5\n0.0 0.0\n0.005 200.0\n0.02 400.0\n0.05 550.0\n0.2 600.0\n";

}  // namespace

TEST(UserCurvesEndToEnd, ConvergesSoftensAndBalances) {
    EngineRun run;
    ASSERT_EQ(run.Run(Pipe_Problem(k_Softening_Layer, "2\n1 5.0\n2 12.5\n")), 0);
    const auto report = Read_Lines(run.report());
    EXPECT_GE(Find_Line(report, "The analysis ended normally. "), 0);
    const auto plot = Read_Lines(run.plot());
    Expect_Softening_Balanced_Cases(Node_Records(plot), k_Shears, k_Cases, 251, 25.0);
    // Two printed curves, each a "Line 7" record and 17 "Line 8" records; at 12.5 m, halfway,
    // the last point (y = 0.457 m, beyond both curves) is the mean of 60 and 600.
    int curves = 0;
    int points = 0;
    for (const std::string& l : plot) {
        curves += l.find("Line 7:  p-y curve depth in user-input p-y curve") != std::string::npos;
        points += l.find("): y, p, for user-input p-y curve") != std::string::npos;
    }
    EXPECT_EQ(curves, 2);
    EXPECT_EQ(points, 34);
    EXPECT_GE(Find_Line(plot, "  0.4570000E+00  0.3300000E+03" + std::string(20, ' ') +
                                  "Line 8(17): y, p, for user-input p-y curve"), 0);
}

// Straight user curves p = 12000 y (kN/m, y in m) at both depths describe the elastic subgrade
// k = 12000 / 0.914 kN/m3 on the 0.914 m pile (ks = k b = 12000 kN/m2): both runs must give the
// same pile.
TEST(UserCurvesEndToEnd, StraightCurvesMatchTheElasticSubgrade) {
    const char* user = "1\n14 0.0 25.0\n9.0 2\n0.0 0.0\n10.0 120000.0\n9.0 2\n0.0 0.0\n10.0 120000.0\n";
    const char* subgrade = "1\n13 0.0 25.0\n9.0 13129.1028446\n9.0 13129.1028446\n";
    EngineRun user_run;
    EngineRun subgrade_run;
    ASSERT_EQ(user_run.Run(Pipe_Problem(user)), 0);
    ASSERT_EQ(subgrade_run.Run(Pipe_Problem(subgrade)), 0);
    const auto a = Node_Records(Read_Lines(user_run.plot()));
    const auto b = Node_Records(Read_Lines(subgrade_run.plot()));
    ASSERT_EQ(a.size(), static_cast<std::size_t>(k_Cases));
    ASSERT_EQ(b.size(), a.size());
    for (std::size_t c = 0; c < a.size(); ++c) {
        ASSERT_EQ(a[c].size(), b[c].size());
        for (std::size_t k = 0; k < a[c].size(); k += 25) {
            SCOPED_TRACE(k);
            EXPECT_NEAR(a[c][k].y, b[c][k].y, 1e-6 * std::fabs(b[c][0].y));
            EXPECT_NEAR(a[c][k].M, b[c][k].M, 1e-6 * k_Shears[c] * 25.0);
        }
    }
}
