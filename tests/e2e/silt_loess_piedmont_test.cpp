// Cemented silt, loess and Piedmont residual soil run end to end through ORVGO: the example
// with all three prints its curves with hand-checked parameters and plot records; a shaft in
// Piedmont soil that stays on the straight start of its curve is Hetenyi's beam on a Winkler
// foundation; the errors and the warning of these soils end or mark the run as they should.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "e2e/run_support.h"
#include "support/test_support.h"

namespace {

// The first report line from `from` on that starts with label, or -1.
int Find_Prefix(const std::vector<std::string>& report, int from, const std::string& label) {
    for (std::size_t i = static_cast<std::size_t>(from); i < report.size(); ++i) {
        if (report[i].rfind(label, 0) == 0) return static_cast<int>(i);
    }
    return -1;
}

// The value after the last "=" of the first report line from `from` on that starts with label
// (labels such as "yu = 3b/80" hold an "=" of their own).
double Value_After(const std::vector<std::string>& report, int from, const std::string& label) {
    const int i = Find_Prefix(report, from, label);
    if (i < 0) {
        ADD_FAILURE() << "no line starting with " << label;
        return NAN;
    }
    const std::string& line = report[static_cast<std::size_t>(i)];
    return std::strtod(line.c_str() + line.rfind('=') + 1, nullptr);
}

int Count_Containing(const std::vector<std::string>& lines, const std::string& text) {
    int n = 0;
    for (const std::string& l : lines) n += l.find(text) != std::string::npos;
    return n;
}

}  // namespace

TEST(SiltLoessPiedmontEndToEnd, ExampleRunsAndPrintsItsThreeCurves) {
    EngineRun run;
    const int result =
        run.Run(Read_File(std::string(ORVANE_EXAMPLES_DIR) + "/pipe-pile-silt-loess-piedmont.lp"));
    ASSERT_EQ(result, 0);
    const auto report = Read_Lines(run.report());
    EXPECT_GE(Find_Line(report, "The analysis ended normally. "), 0);
    // Echo: loess and Piedmont test values are labelled in the units they are used in.
    EXPECT_GE(Find_Line(report, "   Cone tip resistance at top of layer                 =    400.00000 psi"), 0);

    // Loess at 2 ft = 24 in, within two diameters (60 in) of the head: qc = 400 + 200 x 24 / 144
    // = 433.333 psi, times 24 / 60 + 0.5 = 0.9: 390 psi; pu0 = 0.409 x 390 = 159.51 psi and
    // pu = 30 in x pu0 (static loading: one cycle) = 4785.3 lb/in.
    const int loess = Find_Line(report, "p-y Curve for Loess");
    ASSERT_GE(loess, 0);
    EXPECT_NEAR(Value_After(report, loess, "Depth Adj. Cone tip resistance"), 390.0, 5e-4);
    EXPECT_NEAR(Value_After(report, loess, "p_u0"), 0.409 * 390.0, 5e-3);
    EXPECT_NEAR(Value_After(report, loess, "p_u "), 30.0 * 0.409 * 390.0, 5e-2);

    // Cemented silt at 20 ft below a loess layer, which builds no resistance integral: the
    // equivalent top is 0, so x = 240 - 144 = 96 in. c = (300 + 200 x 96 / 276) / 144 psi =
    // 2.566 psi; the average unit weight above, 82 pcf (> 0.045 pci), puts the layer above the
    // water table; default k = 250 (c < 6.94 psi, static) + 90 (30 < phi = 30.696 <= 36) = 340.
    const int silt = Find_Line(report, "p-y Curve Computed Using the Static Criteria for Cemented Silt");
    ASSERT_GE(silt, 0);
    EXPECT_NEAR(Value_After(report, silt, "Equivalent Depth, x"), 96.0, 5e-4);
    EXPECT_NEAR(Value_After(report, silt, "Cohesion, c"), (300.0 + 200.0 * 96.0 / 276.0) / 144.0, 5e-4);
    EXPECT_NEAR(Value_After(report, silt, "Avg. Eff. Unit Weight"), 82.0 / 1728.0, 5e-6);
    EXPECT_EQ(Value_After(report, silt, "k (interp. from input)"), 340.0);
    EXPECT_NEAR(Value_After(report, silt, "yu = 3b/80"), 1.125, 5e-6);

    // Piedmont at 45 ft: N60 = 20 + 20 x 10 / 25 = 28 blows/ft, Epy = 22 x 28 = 616 psi.
    const int piedmont = Find_Line(report, "p-y Curve for Piedmont Residual Soil Criteria");
    ASSERT_GE(piedmont, 0);
    EXPECT_GE(Find_Line(report, "SPT  N60-value                                         =       28.000 blows/ft"), piedmont);
    EXPECT_NEAR(Value_After(report, piedmont, "Initial Modulus from Field Tests"), 616.0, 5e-4);

    const auto plot = Read_Lines(run.plot());
    EXPECT_EQ(Count_Containing(plot, "Line 7:  p-y curve depth in cemented silt (in), no. p-y points on curve no. 2"), 1);
    EXPECT_EQ(Count_Containing(plot, "Line 7:  p-y curve depth in Piedmont residual soil, no. p-y points on curve no. "), 2);
    EXPECT_EQ(Count_Containing(plot, "): y, p, for Loess"), 17);
    EXPECT_EQ(Count_Containing(plot, "): y, p, for cemented c-phi"), 17);
    EXPECT_EQ(Count_Containing(plot, "): y, p, for Piedmont residual soil"), 17);

    // The two free-head cases soften and balance: the soil reactions carry the head shear.
    const auto cases = Node_Records(plot);
    ASSERT_EQ(cases.size(), 3u);
    const std::vector<std::vector<NodeRecord>> free_head(cases.begin(), cases.begin() + 2);
    const double shears[] = {50000.0, 150000.0};
    Expect_Softening_Balanced_Cases(free_head, shears, 2, 241, 720.0);
}

namespace {

// A 1 m elastic shaft (E = 2e8 kPa, I = 5e-3 m4), 40 m long in 400 increments, in SI or general
// units (the same numbers in m and kN), in the given layers, under the given load lines.
std::string Shaft_Problem(const char* units, const char* layers, const char* loads, int cases) {
    std::string s = "ORVANE6\nTITLE\nShaft in Piedmont residual soil\n\n\n\n\nOPTIONS\n";
    s += std::string("Units ") + units + "\n";
    s += "UseLRFD NO\nComputeKmatrix NO\nUseTipShear NO\nUseSoilMovement NO\n"
         "UsePYModifiers NO\nComputeEIOnly NO\nLoading STATIC\nMaxIterations 100\n"
         "MaxDeflection 1.0\nTolerance 1.0E-10\nIncrements 400\nPrintSummaryOnly NO\n"
         "PrintIncrement 50\nPrintPYCurves NO\nComputeInteraction NO\n"
         "SECTIONS\n1\n1\n11\n40.0\n2\n2.0E+8\n";
    // SI sections are given in mm; general units take the numbers as they are (m, kN)
    s += std::string(units) == "SI" ? "1000.0\n1000.0\n785398.0\n785398.0\n5.0E+9\n5.0E+9\n"
                                    : "1.0\n1.0\n0.785398\n0.785398\n5.0E-3\n5.0E-3\n";
    s += std::string("SOIL LAYERS\n") + layers;
    s += "LOADING\n" + std::to_string(cases) + "\n" + loads + "0\nEND\n";
    return s;
}

const char* k_Piedmont_SPT_20 = "1\n10 0.0 40.0\n9.0 1 20.0 0.0 0.0 0.0\n9.0 1 20.0 0.0 0.0 0.0\n";

}  // namespace

// Below yB = 0.001 b the curve is p = Epy b y: a Winkler bed of Es = Epy b = 151.68466 x 20 x 1
// = 3033.69 kN/m2. With EI = 1e6 kN m2, beta = (Es / 4 EI)^(1/4) = 0.16595 /m and beta L = 6.6
// (a long pile). Free head under H = 5 kN: y0 = 2 H beta / Es = 0.547 mm < yB = 1 mm, slope
// -2 H beta^2 / Es; fixed head: y0 = H beta / Es, head moment -H / (2 beta).
TEST(SiltLoessPiedmontEndToEnd, PiedmontInItsLinearRangeIsHetenyisWinklerBeam) {
    const double Es = 151.68465995788574 * 20.0;
    const double EI = 2.0e8 * 5.0e-3;
    const double beta = std::pow(Es / (4.0 * EI), 0.25);
    const double H = 5.0;
    EngineRun run;
    ASSERT_EQ(run.Run(Shaft_Problem("SI", k_Piedmont_SPT_20, "1 1 5.0 0.0 0.0 1\n2 2 5.0 0.0 0.0 1\n", 2)), 0);
    const auto report = Read_Lines(run.report());
    const double y0 = 2.0 * H * beta / Es;
    ASSERT_LT(y0, 0.001);
    // h = 0.1 m, beta h = 0.017: the central differences are good to about (beta h)^2.
    const double tol = 1e-3;
    const int first = Find_Prefix(report, 0, "Pile-head deflection");
    ASSERT_GE(first, 0);
    EXPECT_NEAR_REL(Value_After(report, first, "Pile-head deflection"), y0, tol);
    EXPECT_NEAR_REL(Value_After(report, first, "Computed slope at pile head"), -2.0 * H * beta * beta / Es, tol);
    const int second = Find_Prefix(report, first + 1, "Pile-head deflection");
    ASSERT_GT(second, first);
    EXPECT_NEAR_REL(Value_After(report, second, "Pile-head deflection"), H * beta / Es, tol);
    EXPECT_NEAR_REL(Value_After(report, second, "Maximum bending moment"), -H / (2.0 * beta), tol);
}

TEST(SiltLoessPiedmontEndToEnd, NegativeTestValuesAndModuliAreRefusedBeforeComputing) {
    struct Case { const char* name; const char* layers; int code; const char* problem; };
    const Case cases[] = {
        {"loess cone tip resistance", "1\n12 0.0 40.0\n9.0 1000.0\n9.0 -10.0\n", 176,
         "Problem:  Soil layer 1 has a negative cone tip resistance of    -10.00000 kPa."},
        {"Piedmont SPT N60", "1\n10 0.0 40.0\n9.0 1 -5.0 0.0 0.0 0.0\n9.0 1 20.0 0.0 0.0 0.0\n", 176,
         "Problem:  Soil layer 1 has a negative SPT N60 value of     -5.00000 blows/0.3 m."},
        {"Piedmont pressuremeter modulus", "1\n10 0.0 40.0\n9.0 4 0.0 0.0 0.0 10.0\n9.0 4 -5.0 0.0 0.0 -1.0\n", 176,
         "Problem:  Soil layer 1 has a negative pressuremeter modulus of     -1.00000 kPa."},
        {"cemented silt k", "1\n11 0.0 40.0\n9.0 20.0 30.0 0.0 -100.0\n9.0 20.0 30.0 0.0 -100.0\n", 177,
         "Problem:  Soil layer 1 has a negative subgrade modulus k of   -100.00000 kN/m3."},
        {"elastic subgrade modulus", "2\n13 0.0 10.0\n9.0 1000.0\n9.0 1000.0\n13 10.0 40.0\n9.0 -1.0\n9.0 1000.0\n", 177,
         "Problem:  Soil layer 2 has a negative elastic subgrade modulus of     -1.00000 kN/m3."},
    };
    for (const Case& row : cases) {
        SCOPED_TRACE(row.name);
        EngineRun run;
        EXPECT_EQ(run.Run(Shaft_Problem("SI", row.layers, "1 1 5.0 0.0 0.0 1\n", 1)), row.code);
        const auto report = Read_Lines(run.report());
        EXPECT_GE(Find_Line(report, row.problem), 0);
        EXPECT_GE(Find_Line(Read_Lines(run.messages()), row.problem), 0);
        EXPECT_EQ(Count_Containing(report, "Computations of Nominal Moment Capacity"), 0);
    }
    // A Piedmont value of another field test than the layer's is not read.
    EngineRun run;
    EXPECT_EQ(run.Run(Shaft_Problem("SI", "1\n10 0.0 40.0\n9.0 1 20.0 -1.0 -1.0 -1.0\n9.0 1 20.0 -1.0 -1.0 -1.0\n",
                                    "1 1 5.0 0.0 0.0 1\n", 1)), 0);
}

TEST(SiltLoessPiedmontEndToEnd, ErrorsAndWarningsOfTheCriteriaInARun) {
    struct Case { const char* name; const char* units; const char* loading; const char* layers;
                  int code; const char* line; };
    const Case cases[] = {
        // the criterion's own limit of ten cycles, inside the input's 2 to 5000
        {"loess under 20 cycles", "SI", "Loading CYCLIC    20", "1\n12 0.0 40.0\n9.0 1000.0\n9.0 1000.0\n", 170,
         "**** Input Data Error No. 70 ****"},
        {"silt without k in general units", "GENERAL", "Loading STATIC",
         "1\n11 0.0 40.0\n9.0 20.0 30.0 0.0 0.0\n9.0 20.0 30.0 0.0 0.0\n", 243, "**** Runtime Error No. 43 ****"},
        {"silt with k in general units", "GENERAL", "Loading STATIC",
         "1\n11 0.0 40.0\n9.0 20.0 30.0 0.0 20000.0\n9.0 20.0 30.0 0.0 20000.0\n", 0,
         "The analysis ended normally. "},
        {"Piedmont in general units", "GENERAL", "Loading STATIC",
         "2\n13 0.0 10.0\n9.0 20000.0\n9.0 20000.0\n10 10.0 40.0\n9.0 1 20.0 0.0 0.0 0.0\n9.0 1 20.0 0.0 0.0 0.0\n",
         -396, "exist only in US customary and SI units, so the layer offered no soil resistance."},
        {"Piedmont with test type 7", "SI", "Loading STATIC",
         "2\n13 0.0 10.0\n9.0 20000.0\n9.0 20000.0\n10 10.0 40.0\n9.0 7 20.0 0.0 0.0 0.0\n9.0 7 20.0 0.0 0.0 0.0\n",
         -397, "field test other than 1 (SPT), 2 (CPT), 3 (DMT) or 4 (PMT).  No initial modulus"},
    };
    for (const Case& row : cases) {
        SCOPED_TRACE(row.name);
        std::string input = Shaft_Problem(row.units, row.layers, "1 1 5.0 0.0 0.0 1\n", 1);
        input.replace(input.find("Loading STATIC"), 14, row.loading);
        EngineRun run;
        EXPECT_EQ(run.Run(input), row.code);
        EXPECT_GE(Find_Line(Read_Lines(run.report()), row.line), 0);
    }
}
