// Piles in rock run end to end through ORVGO: a pipe pile in weak rock converges, softens and
// balances; a shaft in vuggy limestone loaded within the rock's initial line is a Winkler beam
// (Hetenyi's closed form) from its first solution on; the weak rock example prints its curves;
// ordinary layerings with an interface exactly on a node never reach the interface diagnostics;
// massive rock stops the run with a message naming the layer.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "e2e/run_support.h"
#include "support/test_support.h"

namespace {

// The value after "=" on the n-th (0-based) report line that starts with label.
double Summary_Value(const std::vector<std::string>& report, const std::string& label, int n) {
    int seen = 0;
    for (const std::string& line : report) {
        if (line.rfind(label, 0) != 0) continue;
        if (seen++ < n) continue;
        return std::strtod(line.c_str() + line.find('=') + 1, nullptr);
    }
    ADD_FAILURE() << "no line " << n << " starting with " << label;
    return NAN;
}

int Count_Containing(const std::vector<std::string>& lines, const std::string& text) {
    int n = 0;
    for (const std::string& l : lines) n += l.find(text) != std::string::npos ? 1 : 0;
    return n;
}

}  // namespace

TEST(RockEndToEnd, PipePileInWeakRockSoftensAndBalances) {
    // SI weak rock from the pile head: qur 3 -> 4 MPa, Eir 300 -> 400 MPa, RQD 30 %,
    // k_rm 0.0002; gamma' 12 kN/m3. Plausible values: no warnings.
    const double shears[] = {500.0, 1000.0, 1800.0};
    PipeProblem p{"Pipe pile in weak rock",
                  "1\n8 0.0 30.0\n12.0 3000.0 300000.0 30.0 0.0002\n12.0 4000.0 400000.0 30.0 0.0002\n",
                  shears, 3};
    EngineRun run;
    ASSERT_EQ(run.Run(Pipe_Problem_Text(p)), 0);
    const auto plot = Read_Lines(run.plot());
    Expect_Softening_Balanced_Cases(Node_Records(plot), shears, 3, 251, 25.0);
}

// 1.2 m shaft as an elastic section (E = 2.5e7 kPa, I = pi 1.2^4 / 64 = 0.1017876 m4), 10 m in
// vuggy limestone of qu = 7,000 kPa: c = 3,500 kPa and the initial line has Es = 2000 c =
// 7e6 kN/m2 up to y = 0.0004 b = 0.48 mm. beta = (Es / 4 EI)^(1/4) = 0.9106 /m, beta L = 9.1: a
// long beam. Under H = 1000 kN the free head moves 2 H beta / Es = 0.26 mm, inside the line.
TEST(RockEndToEnd, VuggyLimestoneInItsInitialLineIsAWinklerBeam) {
    const double EI = 2.5e7 * M_PI * std::pow(1.2, 4) / 64.0;
    const double Es = 2000.0 * 3500.0;
    const double beta = std::pow(Es / (4.0 * EI), 0.25);
    const double H = 1000.0;
    const std::string input =
        "ORVANE6\nTITLE\nShaft in vuggy limestone\n\n\n\n\nOPTIONS\nUnits SI\nUseLRFD NO\n"
        "ComputeKmatrix NO\nUseTipShear NO\nUseSoilMovement NO\nUsePYModifiers NO\n"
        "ComputeEIOnly NO\nLoading STATIC\nMaxIterations 100\nMaxDeflection 1.0\n"
        "Tolerance 1.0E-9\nIncrements 500\nPrintSummaryOnly NO\nPrintIncrement 50\n"
        "PrintPYCurves NO\nComputeInteraction NO\n"
        "SECTIONS\n1\n1\n11\n10.0\n2\n2.5E+7\n1200.0\n1200.0\n1130973.0\n1130973.0\n"
        "1.017876E+11\n1.017876E+11\n"
        "SOIL LAYERS\n1\n9 0.0 10.0\n10.0 7000.0\n10.0 7000.0\n"
        "LOADING\n2\n1 1 1000.0 0.0 0.0 1\n2 2 1000.0 0.0 0.0 1\n0\nEND\n";
    EngineRun run;
    ASSERT_EQ(run.Run(input), 0);
    const auto report = Read_Lines(run.report());
    // h = 0.02 m, beta h = 0.018: the central differences are good to about (beta h)^2.
    const double tol = 1e-3;
    const double y0 = 2.0 * H * beta / Es;
    ASSERT_LT(y0, 0.0004 * 1.2);
    EXPECT_NEAR_REL(Summary_Value(report, "Pile-head deflection", 0), y0, tol);
    EXPECT_NEAR_REL(Summary_Value(report, "Computed slope at pile head", 0), -2.0 * H * beta * beta / Es, tol);
    EXPECT_NEAR_REL(Summary_Value(report, "Maximum bending moment", 0),
                    std::exp(-M_PI / 4) * std::sin(M_PI / 4) * H / beta, tol);
    EXPECT_NEAR_REL(Summary_Value(report, "Pile-head deflection", 1), H * beta / Es, tol);
    EXPECT_NEAR_REL(Summary_Value(report, "Maximum bending moment", 1), -H / (2.0 * beta), tol);
    // The limestone is evaluated before each case's first solution: that solution already
    // has the rock's own modulus (with the default modulus the head would move 40 times more).
    const auto messages = Read_Lines(run.messages());
    for (int lc = 1; lc <= 2; ++lc) {
        SCOPED_TRACE(lc);
        char head[40];
        std::snprintf(head, sizeof head, "Analysis Case %d,", lc);
        std::string line;
        for (const std::string& l : messages) {
            if (l.rfind(head, 0) == 0) {
                line = l;
                break;
            }
        }
        ASSERT_NE(line.find("Iteration 1,"), std::string::npos) << line;
        const double first = std::strtod(line.c_str() + line.find("Y(top) =") + 8, nullptr);
        EXPECT_NEAR_REL(first, lc == 1 ? y0 : H * beta / Es, 5e-3);   // E12.4 on the line
    }
}

TEST(RockEndToEnd, WeakRockExamplePrintsItsCurves) {
    EngineRun run;
    const int result = run.Run(Read_File(std::string(ORVANE_EXAMPLES_DIR) + "/drilled-shaft-weak-rock.lp"));
    ASSERT_EQ(result, 0);
    const auto report = Read_Lines(run.report());
    EXPECT_EQ(Count_Containing(report, "p-y Curve Computed Using Weak Rock Criteria"), 3);
    const auto plot = Read_Lines(run.plot());
    EXPECT_EQ(Count_Containing(plot, "Line 7:  p-y curve depth in weak rock, no. p-y points on curve no. "), 3);
    EXPECT_EQ(Count_Containing(plot, "): y, p, for weak rock"), 3 * 17);
    // The shear at the head balances the soil reactions in every free-head case; the deeper
    // the curve, the stiffer the rock: 1 ft, 10 ft and 25 ft into it.
    EXPECT_NEAR(Summary_Value(report, "Xr", 0), 12.0, 1e-3);
    EXPECT_NEAR(Summary_Value(report, "Xr", 1), 120.0, 1e-3);
    EXPECT_NEAR(Summary_Value(report, "Xr", 2), 300.0, 1e-3);
    EXPECT_LT(Summary_Value(report, "K_ir", 0), Summary_Value(report, "K_ir", 1));
    EXPECT_LT(Summary_Value(report, "Pu", 0), Summary_Value(report, "Pu", 1));
}

TEST(RockEndToEnd, InterfacesOnNodesAroundRockHaveTheirRules) {
    // SI pipe pile with 0.1 m between nodes: every interface lies exactly on a node at 12.5 m,
    // where the node belongs to the lower layer and the rock and clay criteria ask for the
    // strength on the interface. None of these ordinary layerings has a pair without a rule
    // (Piedmont residual soil has no strength of that kind).
    const char* weak = "8 %s\n12.0 3000.0 300000.0 30.0 0.0002\n12.0 3000.0 300000.0 30.0 0.0002\n";
    const char* clay = "3 %s\n9.0 100.0 0.005\n9.0 120.0 0.005\n";
    const char* sand = "5 %s\n10.0 36.0 0.0\n10.0 36.0 0.0\n";
    const char* vuggy = "9 %s\n12.0 8000.0\n12.0 8000.0\n";
    const char* subgrade = "13 %s\n12.0 50000.0\n12.0 50000.0\n";
    const char* piedmont = "10 %s\n10.0 1 30.0 0.0 0.0 0.0\n10.0 1 30.0 0.0 0.0 0.0\n";
    struct Case {
        const char* name;
        const char* upper;
        const char* lower;
    };
    const Case cases[] = {
        {"clay over weak rock", clay, weak},   {"sand over weak rock", sand, weak},
        {"weak rock over weak rock", weak, weak}, {"vuggy limestone over weak rock", vuggy, weak},
        {"weak rock over vuggy limestone", weak, vuggy}, {"weak rock over sand", weak, sand},
        {"weak rock over clay", weak, clay},   {"subgrade over weak rock", subgrade, weak},
        {"sand over vuggy limestone", sand, vuggy}, {"clay over vuggy limestone", clay, vuggy},
        {"residual soil over weak rock", piedmont, weak}, {"residual soil over clay", piedmont, clay},
        {"clay over residual soil", clay, piedmont},
    };
    const double shears[] = {300.0};
    for (const Case& row : cases) {
        SCOPED_TRACE(row.name);
        char layers[512];
        char upper[160];
        char lower[160];
        std::snprintf(upper, sizeof upper, row.upper, "0.0 12.5");
        std::snprintf(lower, sizeof lower, row.lower, "12.5 30.0");
        std::snprintf(layers, sizeof layers, "2\n%s%s", upper, lower);
        PipeProblem p{"Interface on a node", layers, shears, 1};
        EngineRun run;
        EXPECT_EQ(run.Run(Pipe_Problem_Text(p)), 0);
        const auto report = Read_Lines(run.report());
        EXPECT_EQ(Count_Containing(report, "Runtime Error No. 30"), 0);
        EXPECT_GE(Find_Line(report, "The analysis ended normally. "), 0);
    }
}

TEST(RockEndToEnd, MassiveRockStopsTheRunNamingTheLayer) {
    const double shears[] = {300.0};
    const char* massive = "16 %s\n15.0 50000.0 3 60.0 0.0\n15.0 50000.0 3 60.0 0.0\n";
    char rock[128];
    // In reach of the pile: the first evaluation of the curves stops the run with status 99.
    std::snprintf(rock, sizeof rock, massive, "5.0 30.0");
    const std::string reached = std::string("2\n5 0.0 5.0\n10.0 36.0 0.0\n10.0 36.0 0.0\n") + rock;
    PipeProblem p{"Pile into massive rock", reached.c_str(), shears, 1};
    EngineRun run;
    EXPECT_EQ(run.Run(Pipe_Problem_Text(p)), 99);
    for (const auto& lines : {Read_Lines(run.report()), Read_Lines(run.messages())}) {
        EXPECT_GE(Find_Line(lines, "The analysis stopped at soil layer 2, a layer of massive rock (\"MassRock\")."), 0);
        EXPECT_GE(Find_Line(lines, "Problem:  The massive rock criterion of soil layer 2 computes no p-y curve."), 0);
        EXPECT_EQ(Find_Line(lines, "The analysis ended normally. "), -1);
        EXPECT_EQ(Count_Containing(lines, "The analysis ended due to"), 0);
    }
    // Below the pile tip it holds no node and has no effect.
    std::snprintf(rock, sizeof rock, massive, "26.0 30.0");
    const std::string below = std::string("2\n5 0.0 26.0\n10.0 36.0 0.0\n10.0 36.0 0.0\n") + rock;
    PipeProblem q{"Massive rock below the tip", below.c_str(), shears, 1};
    EngineRun deeper;
    EXPECT_EQ(deeper.Run(Pipe_Problem_Text(q)), 0);
}
