// Elastic piles in an elastic subgrade, run end to end through ORVGO, against closed forms:
// Hetenyi's beam on a uniform Winkler foundation, and the nondimensional long-pile coefficients
// for a subgrade modulus proportional to depth.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "e2e/run_support.h"
#include "support/test_support.h"

namespace {

struct PileProblem {
    bool si;
    double length;          // ft | m
    double diameter;        // in | mm
    double E;               // psi | kPa
    double I;               // in4 | mm4
    double k_top;           // pci | kN/m3
    double k_bottom;
    int increments;
    std::vector<std::string> load_lines;   // "type load1 load2"
};

std::string Input_For(const PileProblem& p) {
    char line[256];
    std::string s = "ORVANE6\nTITLE\nElastic pile in elastic subgrade\n\n\n\n\nOPTIONS\n";
    s += p.si ? "Units SI\n" : "Units USCS\n";
    s += "UseLRFD NO\nComputeKmatrix NO\nUseTipShear NO\nUseSoilMovement NO\n"
         "UsePYModifiers NO\nComputeEIOnly NO\nLoading STATIC\nMaxIterations 100\n";
    s += p.si ? "MaxDeflection 1.0\nTolerance 1.0E-9\n" : "MaxDeflection 40.0\nTolerance 1.0E-8\n";
    std::snprintf(line, sizeof line, "Increments %d\n", p.increments);
    s += line;
    s += "PrintSummaryOnly NO\nPrintIncrement 50\nPrintPYCurves NO\nComputeInteraction NO\n";
    std::snprintf(line, sizeof line,
                  "SECTIONS\n1\n1\n11\n%.6g\n2\n%.6g\n%.6g\n%.6g\n100.0\n100.0\n%.6g\n%.6g\n",
                  p.length, p.E, p.diameter, p.diameter, p.I, p.I);
    s += line;
    std::snprintf(line, sizeof line, "SOIL LAYERS\n1\n13 0.0 %.6g\n%s %.6g\n%s %.6g\n", p.length,
                  p.si ? "9.0" : "60.0", p.k_top, p.si ? "9.0" : "60.0", p.k_bottom);
    s += line;
    std::snprintf(line, sizeof line, "LOADING\n%d\n", static_cast<int>(p.load_lines.size()));
    s += line;
    for (std::size_t i = 0; i < p.load_lines.size(); ++i) {
        std::snprintf(line, sizeof line, "%d %s 0.0 1\n", static_cast<int>(i + 1),
                      p.load_lines[i].c_str());
        s += line;
    }
    return s + "0\nEND\n";
}

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

struct RunOutput {
    int result;
    std::vector<std::string> report;
};

RunOutput Run_Pile(const PileProblem& p) {
    EngineRun run;
    RunOutput out;
    out.result = run.Run(Input_For(p));
    out.report = Read_Lines(run.report());
    return out;
}

}  // namespace

// 600 mm x 12 mm steel pipe, EI = 2e8 kPa x 9.585e-4 m4, k = 20000 kN/m3 (ks = k b = 12000 kN/m2):
// beta = (ks / 4 EI)^(1/4). Free head under H: y0 = 2 H beta / ks, slope -2 H beta^2 / ks, largest
// moment 0.3224 H / beta at beta z = pi/4. Fixed head: y0 = H beta / ks, head moment -H / (2 beta),
// the largest moment in magnitude, reported with its sign.
TEST(ElasticSubgradeEndToEnd, UniformSubgradeMatchesHetenyi) {
    const double EI = 2.0e8 * 9.585e-4;
    const double ks = 20000.0 * 0.6;
    const double beta = std::pow(ks / (4.0 * EI), 0.25);
    const double H = 100.0;
    PileProblem p{true, 20.0, 600.0, 2.0e8, 9.585e8, 20000.0, 20000.0, 400,
                  {"1 100.0 0.0", "2 100.0 0.0"}};
    const RunOutput out = Run_Pile(p);
    ASSERT_EQ(out.result, 0);
    // With h = 0.05 m, beta h = 0.018: the central differences are good to about (beta h)^2.
    const double tol = 1e-3;
    EXPECT_NEAR_REL(Summary_Value(out.report, "Pile-head deflection", 0), 2.0 * H * beta / ks, tol);
    EXPECT_NEAR_REL(Summary_Value(out.report, "Computed slope at pile head", 0),
                    -2.0 * H * beta * beta / ks, tol);
    // 0.3224 is the closed form's e^(-pi/4) sin(pi/4) to four digits.
    EXPECT_NEAR_REL(Summary_Value(out.report, "Maximum bending moment", 0),
                    std::exp(-M_PI / 4) * std::sin(M_PI / 4) * H / beta, tol);
    EXPECT_NEAR_REL(Summary_Value(out.report, "Depth of maximum bending moment", 0),
                    M_PI / 4 / beta, 0.05 * beta * M_PI / 4);   // the node nearest pi/4 beta
    EXPECT_NEAR_REL(Summary_Value(out.report, "Pile-head deflection", 1), H * beta / ks, tol);
    EXPECT_NEAR_REL(Summary_Value(out.report, "Maximum bending moment", 1), -H / (2.0 * beta), tol);
}

// US customary: 24 in pile, EI = 29e6 psi x 2000 in4, k rising linearly from 0 at the ground
// surface (the pile head) to 500 pci at 100 ft, so Es = nh z with nh = 500 x 24 / 1200 = 10 pci.
// T = (EI / nh)^(1/5). Long-pile coefficients: free head y0 = 2.435 H T^3 / EI, slope
// -1.623 H T^2 / EI, largest moment 0.772 H T; fixed head y0 = (2.435 - 1.623^2 / 1.75) H T^3 / EI
// = 0.93 H T^3 / EI and head moment -(1.623 / 1.75) H T. The published coefficients carry three
// to four digits.
TEST(ElasticSubgradeEndToEnd, SubgradeProportionalToDepthMatchesLongPileCoefficients) {
    const double EI = 29.0e6 * 2000.0;
    const double nh = 500.0 * 24.0 / 1200.0;
    const double T = std::pow(EI / nh, 0.2);
    const double H = 10000.0;
    PileProblem p{false, 100.0, 24.0, 29.0e6, 2000.0, 0.0, 500.0, 400,
                  {"1 10000.0 0.0", "2 10000.0 0.0"}};
    const RunOutput out = Run_Pile(p);
    ASSERT_EQ(out.result, 0);
    const double coefficient_tol = 0.01;   // three-digit coefficients and h/T = 0.03
    EXPECT_NEAR_REL(Summary_Value(out.report, "Pile-head deflection", 0), 2.435 * H * T * T * T / EI,
                    coefficient_tol);
    EXPECT_NEAR_REL(Summary_Value(out.report, "Computed slope at pile head", 0),
                    -1.623 * H * T * T / EI, coefficient_tol);
    EXPECT_NEAR_REL(Summary_Value(out.report, "Maximum bending moment", 0), 0.772 * H * T,
                    coefficient_tol);
    EXPECT_NEAR_REL(Summary_Value(out.report, "Pile-head deflection", 1), 0.93 * H * T * T * T / EI,
                    coefficient_tol);
    EXPECT_NEAR_REL(Summary_Value(out.report, "Maximum bending moment", 1),
                    -(1.623 / 1.75) * H * T, coefficient_tol);
}

// Prescribed head deflection (types 4 and 5) gives that deflection exactly, and the fixed-head
// deflection case reproduces the fixed-head shear of the closed form: H = y0 ks / beta.
TEST(ElasticSubgradeEndToEnd, PrescribedHeadDeflection) {
    const double EI = 2.0e8 * 9.585e-4;
    const double ks = 20000.0 * 0.6;
    const double beta = std::pow(ks / (4.0 * EI), 0.25);
    PileProblem p{true, 20.0, 600.0, 2.0e8, 9.585e8, 20000.0, 20000.0, 400,
                  {"4 0.005 0.0", "5 0.005 0.0"}};
    const RunOutput out = Run_Pile(p);
    ASSERT_EQ(out.result, 0);
    EXPECT_NEAR(Summary_Value(out.report, "Pile-head deflection", 0), 0.005, 1e-9);
    EXPECT_NEAR(Summary_Value(out.report, "Pile-head deflection", 1), 0.005, 1e-9);
    // Free head: H = y0 ks / (2 beta); fixed head: H = y0 ks / beta (largest shear at the head).
    EXPECT_NEAR_REL(Summary_Value(out.report, "Maximum shear force", 0), 0.005 * ks / (2.0 * beta), 2e-3);
    EXPECT_NEAR_REL(Summary_Value(out.report, "Maximum shear force", 1), 0.005 * ks / beta, 2e-3);
}

namespace {

// A 10 m elastic pile of general units in one or two "Elast SG" layers, with the given options
// for tolerance and deflection limit.
std::string General_Problem(const char* tolerance, const char* limit, const char* E,
                            const char* layers, const char* shear = "100.0") {
    std::string s = "ORVANE6\nOPTIONS\nUnits GENERAL\nUseLRFD NO\nComputeKmatrix NO\n"
                    "UseTipShear NO\nUseSoilMovement NO\nUsePYModifiers NO\nComputeEIOnly NO\n"
                    "Loading STATIC\nMaxIterations 30\n";
    s += std::string("MaxDeflection ") + limit + "\nTolerance " + tolerance + "\n";
    s += "Increments 40\nPrintSummaryOnly NO\nPrintIncrement 10\nPrintPYCurves NO\n"
         "ComputeInteraction NO\n";
    s += std::string("SECTIONS\n1\n1\n11\n10.0\n2\n") + E + "\n1.0\n1.0\n0.785\n0.785\n0.049\n0.049\n";
    s += std::string("SOIL LAYERS\n") + layers;
    return s + "LOADING\n1\n1 1 " + shear + " 0.0 0.0 1\n0\nEND\n";
}

const char* k_One_Layer = "1\n13 0.0 10.0\n1.0 1000.0\n1.0 1000.0\n";
// Soft clay: its secant moduli keep changing in the last digits for many more solutions than an
// elastic subgrade, whose second solution already repeats the first exactly.
const char* k_Soft_Clay_Layer = "1\n1 0.0 10.0\n1.0 10.0 0.02\n1.0 10.0 0.02\n";

}  // namespace

TEST(IterationErrorsEndToEnd, ExcessDeflectionIsRuntimeError9FromIteration11) {
    // A tolerance of 1E-300 is not met within 30 solutions in soft clay (general units check no
    // tolerance; a negative one would be reset by the input echo), so the deflection limit is
    // tested from the eleventh solution on.
    EngineRun run;
    EXPECT_EQ(run.Run(General_Problem("1.0E-300", "1.0E-6", "1.0E6", k_Soft_Clay_Layer)), 209);
    const auto messages = Read_Lines(run.messages());
    const int at = Find_Line(messages, "**** Runtime Error No. 9 ****");
    ASSERT_GE(at, 0);
    EXPECT_EQ(messages[static_cast<std::size_t>(at) - 3].rfind("Analysis Case 1,   Iteration 11,", 0), 0u);
    const auto report = Read_Lines(run.report());
    EXPECT_GE(Find_Line(report, "Problem:  The computed deflection is larger than the specified excess deflection limit."), 0);
    EXPECT_GE(Find_Line(report, "The analysis ended due to runtime error No. 9."), 0);
    EXPECT_EQ(Find_Line(report, "Orvane ended prematurely due to input error number RUN00009"), -1);
}

TEST(IterationErrorsEndToEnd, NoConvergenceIsRuntimeError10WithItsReport) {
    EngineRun run;
    EXPECT_EQ(run.Run(General_Problem("1.0E-300", "1.0E6", "1.0E6", k_Soft_Clay_Layer)), 210);
    const auto report = Read_Lines(run.report());
    EXPECT_GE(Find_Line(report, "  ****  Runtime Error No. 10  ****  "), 0);
    EXPECT_GE(Find_Line(report, "The analysis failed to converge within the limit of 30 iterations."), 0);
    // The last five iterations are echoed to the report.
    int echoed = 0;
    for (const std::string& l : report) echoed += l.rfind("For Analysis Case 1, Iteration ", 0) == 0;
    EXPECT_EQ(echoed, 5);
    EXPECT_GE(Find_Line(report, "The analysis ended due to runtime error No. 10."), 0);
}

TEST(IterationErrorsEndToEnd, OverflowingDeflectionIsRuntimeError28) {
    // A shear near the largest double on a soft pile overflows the first solution.
    EngineRun run;
    EXPECT_EQ(run.Run(General_Problem("1.0E-6", "1.0E307", "1.0", k_One_Layer, "1.0E307")), 228);
    const auto report = Read_Lines(run.report());
    const int at = Find_Line(report, "**** Runtime Error No. 28 ****");
    ASSERT_GE(at, 0);
    EXPECT_EQ(report[static_cast<std::size_t>(at) + 2], "Top deflection is Not-A-Number after iteration 1");
    EXPECT_GE(Find_Line(report, "The analysis ended due to runtime error No. 28."), 0);
}

TEST(IterationErrorsEndToEnd, LayerBetweenTwoNodesIsRuntimeError29) {
    // Nodes every 0.25: the layer from 5.01 to 5.02 holds none.
    const char* layers = "3\n13 0.0 5.01\n1.0 1000.0\n1.0 1000.0\n13 5.01 5.02\n1.0 1000.0\n"
                         "1.0 1000.0\n13 5.02 10.0\n1.0 1000.0\n1.0 1000.0\n";
    EngineRun run;
    EXPECT_EQ(run.Run(General_Problem("1.0E-6", "1.0E6", "1.0E6", layers)), 229);
    const auto report = Read_Lines(run.report());
    const int at = Find_Line(report, "**** Runtime Error No. 29 ****");
    ASSERT_GE(at, 0);
    EXPECT_EQ(report[static_cast<std::size_t>(at) + 1],
              "PROBLEM:  The thickness of layer 2 was too thin to contain a nodal point.");
    EXPECT_GE(Find_Line(report, "The analysis ended due to runtime error No. 29."), 0);
    const auto messages = Read_Lines(run.messages());
    EXPECT_GE(Find_Line(messages, "This layer lacks a nodal point and this prevents the correct computation of the layer's p-y curves."), 0);
}

// A rotational restraint at the head spans the free head (no restraint) and the fixed head (a
// restraint far stiffer than the pile).
TEST(ElasticSubgradeEndToEnd, RotationalRestraintSpansFreeAndFixedHeads) {
    PileProblem p{true, 20.0, 600.0, 2.0e8, 9.585e8, 20000.0, 20000.0, 200,
                  {"1 100.0 0.0", "3 100.0 0.0", "2 100.0 0.0", "3 100.0 1.0E12"}};
    const RunOutput out = Run_Pile(p);
    ASSERT_EQ(out.result, 0);
    const double tol = 1e-6;   // the same difference equations with the same limits
    EXPECT_NEAR_REL(Summary_Value(out.report, "Pile-head deflection", 1),
                    Summary_Value(out.report, "Pile-head deflection", 0), tol);
    EXPECT_NEAR_REL(Summary_Value(out.report, "Pile-head deflection", 3),
                    Summary_Value(out.report, "Pile-head deflection", 2), 1e-4);
    EXPECT_NEAR_REL(Summary_Value(out.report, "Maximum bending moment", 3),
                    Summary_Value(out.report, "Maximum bending moment", 2), 1e-4);
}

TEST(IterationErrorsEndToEnd, SoilTypeWithoutCriterionIsRefusedByName) {
    // An elastic subgrade over frozen soil, which has no p-y criterion: the layer would resist
    // nothing, so the run ends before any computation with an input error naming type and layer.
    const char* layers = "2\n13 0.0 5.0\n1.0 1000.0\n1.0 1000.0\n17 5.0 10.0\n";
    EngineRun run;
    EXPECT_EQ(run.Run(General_Problem("1.0E-6", "1.0E6", "1.0E6", layers)), 178);
    const auto report = Read_Lines(run.report());
    EXPECT_GE(Find_Line(report, "Problem:  Soil layer 2 is of soil type \"Frz Soil\", for which no p-y criterion "
                                "exists."),
              0);
    EXPECT_EQ(Find_Line(report, "The analysis ended normally. "), -1);
    const auto messages = Read_Lines(run.messages());
    for (const std::string& l : messages) EXPECT_EQ(l.rfind("Computing lateral response", 0), std::string::npos);
}
