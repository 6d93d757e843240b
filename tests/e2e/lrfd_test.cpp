// LRFD runs end to end through ORVGO: superposition of the factored combinations on a linear
// problem (an elastic pile in an elastic subgrade, no thrust, no batter), the performance
// table's pass and fail against a capacity placed between two combinations' moments, and the
// harbour example.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "e2e/run_support.h"
#include "support/test_support.h"

namespace {

// One LRFD combination: the factors of load types 1 (DL), 2 (LL) and 5 (W), resistance factor
// for moment, and a name.
struct Combination {
    double dl, ll, w;
    double phi;
    const char* name;
};

// A 25 m elastic steel pipe (914 x 25 mm, as the soil end-to-end tests use) or the same pipe as
// an elastic-plastic circle with plastic moment Mp, in a uniform elastic subgrade of 20000 kN/m3,
// SI units, 250 increments. Loading groups: DL (100 kN, 50 kN-m), LL (40 kN with a load falling
// from 5 kN/m at the head to 0 at 10 m), W (60 kN, -30 kN-m with a triangular load of 8 kN/m at
// 6 m between 2 and 12 m); no axial load.
std::string Lrfd_Problem(const std::vector<Combination>& combinations, double Mp) {
    char line[256];
    std::string s = "ORVANE6\nTITLE\nLRFD combinations on an elastic pile\n\n\n\n\nOPTIONS\nUnits SI\n"
                    "UseLRFD YES\nComputeKmatrix NO\nUseTipShear NO\nUseSoilMovement NO\n"
                    "UsePYModifiers NO\nComputeEIOnly NO\nLoading STATIC\nMaxIterations 100\n"
                    "MaxDeflection 1.0\nTolerance 1.0E-9\nIncrements 250\nPrintSummaryOnly NO\n"
                    "PrintIncrement 25\nPrintPYCurves NO\nComputeInteraction NO\nSECTIONS\n1\n1\n";
    if (Mp > 0.0) {
        std::snprintf(line, sizeof line, "12\n25.0\n2\n2.0E+8\n%.9g\n%.9g\n", Mp, Mp);
    } else {
        std::snprintf(line, sizeof line, "11\n25.0\n2\n2.0E+8\n");
    }
    s += line;
    s += "914.0\n914.0\n69810.0\n69810.0\n6.942E+9\n6.942E+9\n";
    s += "SOIL LAYERS\n1\n13 0.0 25.0\n9.0 20000.0\n9.0 20000.0\n";
    s += "LRFD LOADS\n3\n1 1 100.0 50.0 0.0 0\n2 2 40.0 0.0 0.0 2\n1 0.0 5.0\n2 10.0 0.0\n"
         "3 5 60.0 -30.0 0.0 3\n1 2.0 0.0\n2 6.0 8.0\n3 12.0 0.0\n";
    std::snprintf(line, sizeof line, "LRFD FACTORS AND CASES\n%d\n", static_cast<int>(combinations.size()));
    s += line;
    int c = 0;
    for (const Combination& k : combinations) {
        std::snprintf(line, sizeof line, "%d %.9g %.9g 0 0 %.9g 0 0 0 0 0 0 0 0 %.9g 0.9\n%s\n", ++c,
                      k.dl, k.ll, k.w, k.phi, k.name);
        s += line;
    }
    return s + "END\n";
}

// Head shear, head deflection, maximum moment, maximum shear and head slope of every case, from
// the plot's "Line 13" records.
std::vector<std::vector<double>> Line13_Values(const std::vector<std::string>& plot) {
    std::vector<std::vector<double>> rows;
    for (const std::string& l : plot) {
        if (l.find("Line 13:") == std::string::npos) continue;
        std::vector<double> v;
        for (int i = 0; i < 5; ++i) v.push_back(std::strtod(l.substr(15 * static_cast<std::size_t>(i), 15).c_str(), nullptr));
        rows.push_back(v);
    }
    return rows;
}

long Count_Containing(const std::vector<std::string>& lines, const std::string& text) {
    return std::count_if(lines.begin(), lines.end(),
                         [&](const std::string& l) { return l.find(text) != std::string::npos; });
}

// The elastic subgrade and the elastic pile make the problem linear: the response to a
// combination is the factored sum of the responses to its load types alone. Cases 1-3 load
// one type each; case 4 also carries a factor of -1 on W, which must take no part (neither in
// the head loads nor in the distributed load).
TEST(LrfdEndToEnd, CombinationsAreTheFactoredSumsOfSingleLoadTypes) {
    const std::vector<Combination> combinations = {
        {1.0, 0.0, 0.0, 0.9, "DL alone"},
        {0.0, 1.0, 0.0, 0.9, "LL alone"},
        {0.0, 0.0, 1.0, 0.9, "W alone"},
        {1.25, 1.75, -1.0, 0.9, "Strength I"},
        {0.9, 0.0, 1.4, 0.9, "Strength III"},
    };
    EngineRun run;
    ASSERT_EQ(run.Run(Lrfd_Problem(combinations, 0.0)), 0);
    const std::vector<std::string> plot = Read_Lines(run.plot());
    const std::vector<std::vector<NodeRecord>> cases = Node_Records(plot);
    const std::vector<std::vector<double>> heads = Line13_Values(plot);
    ASSERT_EQ(cases.size(), 5u);
    ASSERT_EQ(heads.size(), 5u);
    for (int c = 3; c <= 4; ++c) {
        SCOPED_TRACE(combinations[static_cast<std::size_t>(c)].name);
        const Combination& f = combinations[static_cast<std::size_t>(c)];
        const double factor[3] = {f.dl, f.ll, f.w > 0.0 ? f.w : 0.0};
        const std::vector<NodeRecord>& nodes = cases[static_cast<std::size_t>(c)];
        double largest = 0.0;     // of the factored sum's moments
        double scale = 0.0;       // of the combination's own moments
        for (const NodeRecord& n : nodes) scale = std::max(scale, std::fabs(n.M));
        // The records hold seven significant digits; a sum of three of them is good to about
        // one part in a million of the largest moment.
        const double M_tol = 1e-6 * scale;
        for (std::size_t k = 0; k < nodes.size(); ++k) {
            double M = 0.0, y = 0.0;
            for (int t = 0; t < 3; ++t) {
                M += factor[t] * cases[static_cast<std::size_t>(t)][k].M;
                y += factor[t] * cases[static_cast<std::size_t>(t)][k].y;
            }
            EXPECT_NEAR(nodes[k].M, M, M_tol) << "node " << k;
            EXPECT_NEAR(nodes[k].y, y, 1e-6 * std::fabs(heads[static_cast<std::size_t>(c)][1])) << "node " << k;
            largest = std::max(largest, std::fabs(M));
        }
        double head_y = 0.0;
        for (int t = 0; t < 3; ++t) head_y += factor[t] * heads[static_cast<std::size_t>(t)][1];
        EXPECT_NEAR(heads[static_cast<std::size_t>(c)][1], head_y, 1e-6 * std::fabs(head_y));
        EXPECT_NEAR(std::fabs(heads[static_cast<std::size_t>(c)][2]), largest, M_tol);
        // the head shear is the factored sum of the head shears: 1.25*100 + 1.75*40, 0.9*100 + 1.4*60
        EXPECT_NEAR(heads[static_cast<std::size_t>(c)][0], c == 3 ? 195.0 : 174.0, 1e-4);
    }
    const std::vector<std::string> report = Read_Lines(run.report());
    EXPECT_EQ(Count_Containing(report, "Distributed Lateral Loads for LRFD:"), 1);
    EXPECT_GE(Find_Line(report, "Factored Load =  1.25*DL + 1.75*LL"), 0);
    EXPECT_EQ(Count_Containing(report, "LRFD Performance by Load Case Combination"), 1);
    // an elastic section has no capacity to judge
    EXPECT_EQ(Count_Containing(report, "    N/A      "), 5);
    EXPECT_GE(Find_Line(report, "All LRFD load combinations have passed for all pile sections."), 0);
    const std::vector<std::string> messages = Read_Lines(run.messages());
    EXPECT_GE(Find_Line(messages, "Completed Analysis 5"), 0);
    EXPECT_EQ(Count_Containing(plot, "Line 11: Num. points on Ytop vs. Length curve for LRFD load case "), 5);
}

// Moments of the head shear alone grow with its factor; a factored capacity placed between the
// second and third combinations' moments fails exactly the last two, each with warning 400.
TEST(LrfdEndToEnd, CapacityBetweenTwoMomentsFailsTheCombinationsAboveIt) {
    std::vector<Combination> combinations = {
        {1.0, 0.0, 0.0, 0.5, "1.0 DL"},
        {1.5, 0.0, 0.0, 0.5, "1.5 DL"},
        {1.8, 0.0, 0.0, 0.5, "1.8 DL"},
        {2.0, 0.0, 0.0, 0.5, "2.0 DL"},
    };
    // First with a plastic moment far above every moment: the pile stays elastic.
    EngineRun first;
    ASSERT_EQ(first.Run(Lrfd_Problem(combinations, 1.0E9)), 0);
    const std::vector<std::vector<double>> heads = Line13_Values(Read_Lines(first.plot()));
    ASSERT_EQ(heads.size(), 4u);
    const double M2 = std::fabs(heads[1][2]);
    const double M3 = std::fabs(heads[2][2]);
    ASSERT_LT(M2, M3);
    // 0.5 Mp halfway between them; Mp = M2 + M3 is above 2.0 DL's moment, so the second run
    // stays elastic and develops the same moments.
    EngineRun second;
    const int result = second.Run(Lrfd_Problem(combinations, M2 + M3));
    const std::vector<std::string> report = Read_Lines(second.report());
    EXPECT_EQ(Count_Containing(report, " > FAIL <"), 2);
    EXPECT_EQ(Count_Containing(report, "   Pass   "), 2);
    EXPECT_GE(Find_Line(report, "2 LRFD load combinations have failed."), 0);
    EXPECT_GE(Find_Line(report, "The following warning was reported 2 times"), 0);
    EXPECT_GE(Find_Line(report, "**** Warning - Failure for One or More LRFD Load Cases ****"), 0);
    EXPECT_EQ(result, -400);
}

// The harbour example: soft clay, sand, user p-y curves and an elastic subgrade, soil movement,
// a wind group with distributed loads, three combinations and the pile-head stiffness matrix.
TEST(LrfdEndToEnd, HarbourExampleRunsEveryCombination) {
    const std::string input = Read_File(std::string(ORVANE_EXAMPLES_DIR) + "/harbour-pipe-pile-lrfd.lp");
    ASSERT_NE(input.find("ComputeKmatrix YES"), std::string::npos);
    EngineRun run;
    // soil movement acts on the stiffness series: warning 412 says its stiffnesses are not the
    // pile's alone, and the run ends normally with it
    EXPECT_EQ(run.Run(input), -412);
    const std::vector<std::string> report = Read_Lines(run.report());
    // Strength I by hand: 1.25 (120, 300, 2500) + 1.75 (80, 150, 900) = (290, 637.5, 4700)
    EXPECT_GE(Find_Line(report, "Factored Horizontal Force =                   290.00 kN"), 0);
    EXPECT_GE(Find_Line(report, "Factored Moment           =                   637.50 kN-m"), 0);
    EXPECT_GE(Find_Line(report, "Factored Vertical Force   =                  4700.00 kN"), 0);
    EXPECT_GE(Find_Line(report, "Number of Unique Axial Thrust Values = 3"), 0);
    EXPECT_GE(Find_Line(report, "Number of Axial Thrust Force Values Determined from LRFD Pile-head Loadings = 3"), 0);
    EXPECT_EQ(Count_Containing(report, "Distributed Lateral Loads for LRFD:"), 1);
    EXPECT_GE(Find_Line(report, "All LRFD load combinations have passed for all pile sections."), 0);
    EXPECT_GE(Find_Line(report, "The analysis ended normally. "), 0);
    const int summary = Find_Line(report, "                           Summary of Pile Response(s)");
    ASSERT_GE(summary, 0);
    EXPECT_EQ(report[static_cast<std::size_t>(summary) + 7].substr(0, 44), "  1     1   V =   290.0000  M =   637.5000  ");
    const std::vector<std::string> messages = Read_Lines(run.messages());
    EXPECT_GE(Find_Line(messages, "Completed Analysis 3"), 0);
    const std::vector<std::string> plot = Read_Lines(run.plot());
    EXPECT_EQ(Line13_Values(plot).size(), 3u);
    // The stiffness series runs on its own loads, never on a combination's: an LRFD run has no
    // pile-head load case 1, so its first shear is a tenth of the default base of 10 lb in kN
    // (Strength I would give 290 kN).
    std::vector<double> first_stiffness_shear;
    int stiffness_rows = 0;
    for (const std::string& l : plot) {
        if (l.find("Line 14: ") == std::string::npos) continue;
        if (stiffness_rows++ == 0) first_stiffness_shear.push_back(std::strtod(l.substr(0, 15).c_str(), nullptr));
    }
    EXPECT_EQ(stiffness_rows, 10);
    ASSERT_EQ(first_stiffness_shear.size(), 1u);
    EXPECT_NEAR(first_stiffness_shear[0], 0.1 * 0.044482216, 1e-6);
}

// Pile-head load cases given beside the LRFD sections are not what an LRFD run analyses: the
// combinations are, with no length study, so a length-study flag on a load case does not stop
// the run either.
TEST(LrfdEndToEnd, PileHeadLoadCasesGivenBesideTheCombinationsAreNotAnalysed) {
    std::string input = Lrfd_Problem({{1.0, 0.0, 0.0, 0.9, "DL alone"}, {1.25, 1.75, 0.0, 0.9, "Strength I"}}, 0.0);
    input.replace(input.find("LRFD LOADS"), 0, "LOADING\n1\n1 1 999.0 0.0 0.0 0\n0\n");
    EngineRun run;
    EXPECT_EQ(run.Run(input), 0);
    const std::vector<std::vector<double>> heads = Line13_Values(Read_Lines(run.plot()));
    ASSERT_EQ(heads.size(), 2u);
    EXPECT_NEAR(heads[0][0], 100.0, 1e-4);   // the head shear of DL, not the load case's 999
    EXPECT_NEAR(heads[1][0], 195.0, 1e-4);
}

// The combinations' thrusts are the section analysis's: one beyond the pipe's axial capacity
// (345 MPa on 0.0818 m2, about 28 200 kN either way) ends the run before any combination is
// analysed, naming its position in the sorted list.
TEST(LrfdEndToEnd, FactoredThrustBeyondTheAxialCapacityEndsTheRun) {
    struct Case { const char* dead_load; int result; const char* problem; };
    const Case cases[] = {
        // sorted thrusts 0.9 * 25000 = 22500, 1.25 * 25000 = 31250, 31250 + 1.75 * 900 = 32825 kN:
        // the second is the first beyond the capacity
        {"1  1   120.0   300.0  25000.0  0", 226,
         "PROBLEM:  The axial thrust load for LRFD load case no. 2 exceeds the axial structural "
         "capacity in compression."},
        // 1.25 * -40000 = -50000 kN, the smallest
        {"1  1   120.0   300.0  -40000.0  0", 227,
         "PROBLEM:  The axial thrust load for LRFD load case no. 1 exceeds the axial structural "
         "capacity in tension."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.dead_load);
        std::string input = Read_File(std::string(ORVANE_EXAMPLES_DIR) + "/harbour-pipe-pile-lrfd.lp");
        const char* const dead_load = "1  1   120.0   300.0  2500.0  0";
        const std::size_t at = input.find(dead_load);
        ASSERT_NE(at, std::string::npos);
        input.replace(at, std::string(dead_load).size(), c.dead_load);
        EngineRun run;
        EXPECT_EQ(run.Run(input), c.result);
        const std::vector<std::string> report = Read_Lines(run.report());
        EXPECT_GE(Find_Line(report, c.problem), 0);
        EXPECT_EQ(Find_Line(Read_Lines(run.messages()), "Computing lateral response of pile for load number 1"), -1);
    }
}

}  // namespace
