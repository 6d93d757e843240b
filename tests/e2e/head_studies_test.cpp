// The pile-head stiffness study and the pile-head deflection versus pile length study, run end
// to end through ORVGO on elastic piles in elastic subgrades, against closed forms:
// - uniform subgrade Es = k b, semi-infinite beam (Hetenyi): K22 = 4 EI b^3, K23 = K32 =
//   2 EI b^2, K33 = 2 EI b with b = beta = (Es / 4 EI)^(1/4);
// - subgrade rising with depth Es = nh z: the head flexibility coefficients of the
//   nondimensional equation phi'''' + Z phi = 0 (Z = x / T, T = (EI / nh)^(1/5)), computed
//   here from its power series, give the stiffness coefficients;
// - free head in a uniform subgrade at any length L: y0 = (2 V beta / Es) (sinh bL cosh bL -
//   sin bL cos bL) / (sinh^2 bL - sin^2 bL), the long-pile value 2 V beta / Es from bL = 4 on,
//   and the rigid-pile value 4 V / (Es L) for short piles.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "e2e/run_support.h"
#include "support/test_support.h"

namespace {

struct StudyProblem {
    bool si = true;
    double length = 20.0;        // ft | m
    double diameter = 600.0;     // in | mm
    double E = 2.0e8;            // psi | kPa
    double I = 9.585e8;          // in4 | mm4
    double ground = 0.0;         // depth of the ground surface below the pile head (ft | m)
    double k_top = 20000.0;      // subgrade modulus at the ground surface (pci | kN/m3)
    double k_bottom = 20000.0;   // at the pile tip
    int increments = 400;
    const char* max_deflection = "1.0";
    bool stiffness = true;
    bool summary_only = false;
    std::vector<std::string> loads;   // "type load1 load2 thrust code"
};

std::string Input_For(const StudyProblem& p) {
    char line[256];
    std::string s = "ORVANE6\nTITLE\nPile-head studies of an elastic pile\n\n\n\n\nOPTIONS\n";
    s += p.si ? "Units SI\n" : "Units USCS\n";
    s += "UseLRFD NO\n";
    s += p.stiffness ? "ComputeKmatrix YES\n" : "ComputeKmatrix NO\n";
    s += "UseTipShear NO\nUseSoilMovement NO\nUsePYModifiers NO\nComputeEIOnly NO\n"
         "Loading STATIC\nMaxIterations 100\n";
    s += std::string("MaxDeflection ") + p.max_deflection + "\n";
    s += p.si ? "Tolerance 1.0E-9\n" : "Tolerance 1.0E-8\n";
    std::snprintf(line, sizeof line, "Increments %d\n", p.increments);
    s += line;
    s += p.summary_only ? "PrintSummaryOnly YES\n" : "PrintSummaryOnly NO\n";
    s += "PrintIncrement 50\nPrintPYCurves NO\nComputeInteraction NO\n";
    std::snprintf(line, sizeof line,
                  "SECTIONS\n1\n1\n11\n%.9g\n2\n%.9g\n%.9g\n%.9g\n100.0\n100.0\n%.9g\n%.9g\n",
                  p.length, p.E, p.diameter, p.diameter, p.I, p.I);
    s += line;
    const char* gamma = p.si ? "9.0" : "60.0";
    std::snprintf(line, sizeof line, "SOIL LAYERS\n1\n13 %.9g %.9g\n%s %.9g\n%s %.9g\n", p.ground,
                  p.length, gamma, p.k_top, gamma, p.k_bottom);
    s += line;
    s += "LOADING\n" + std::to_string(p.loads.size()) + "\n";
    for (std::size_t i = 0; i < p.loads.size(); ++i) s += std::to_string(i + 1) + " " + p.loads[i] + "\n";
    return s + "0\nEND\n";
}

struct StudyRun {
    int result;
    std::vector<std::string> report, plot, messages;
};

StudyRun Run_Study(const StudyProblem& p) {
    EngineRun run;
    StudyRun out;
    out.result = run.Run(Input_For(p));
    out.report = Read_Lines(run.report());
    out.plot = Read_Lines(run.plot());
    out.messages = Read_Lines(run.messages());
    return out;
}

bool Has_Label(const std::string& line, const char* label) { return line.find(label) != std::string::npos; }

// The E15.7 fields of a plot record, from its first column.
std::vector<double> Fields(const std::string& line, int n) {
    std::vector<double> values;
    for (int i = 0; i < n; ++i) values.push_back(std::strtod(line.substr(15 * i, 15).c_str(), nullptr));
    return values;
}

// The ten "Line 14" records: V, M, K22, K23, K32, K33, ytop, theta.
std::vector<std::vector<double>> Stiffness_Rows(const std::vector<std::string>& plot) {
    std::vector<std::vector<double>> rows;
    for (const std::string& l : plot) {
        if (Has_Label(l, "Line 14: ")) rows.push_back(Fields(l, 8));
    }
    return rows;
}

// Length-study points of each load case that ran one: (pile length, ytop, Mmax, Vmax).
std::vector<std::vector<std::vector<double>>> Study_Points(const std::vector<std::string>& plot) {
    std::vector<std::vector<std::vector<double>>> studies;
    for (const std::string& l : plot) {
        if (Has_Label(l, "Line 11: Num. points on Ytop vs. pile length")) studies.emplace_back();
        if (Has_Label(l, "Line 12: ")) studies.back().push_back(Fields(l, 4));
    }
    return studies;
}

int Count_Label(const std::vector<std::string>& lines, const char* label) {
    int n = 0;
    for (const std::string& l : lines) n += Has_Label(l, label) ? 1 : 0;
    return n;
}

// 600 mm x 12 mm steel pipe of the elastic subgrade tests: EI = 2e8 kPa x 9.585e-4 m4 and
// Es = k b = 20000 kN/m3 x 0.6 m; beta L = 0.354 x 20 m = 7.1, a long pile.
constexpr double k_EI = 2.0e8 * 9.585e-4;
constexpr double k_Es = 20000.0 * 0.6;
double Beta() { return std::pow(k_Es / (4.0 * k_EI), 0.25); }

// With h = 0.05 m, beta h = 0.018: central differences carry about (beta h)^2 = 3e-4; the
// oracles of the issue allow 1 %.
constexpr double k_Oracle_Tol = 0.01;
// Ten rows of a linear soil differ only by rounding.
constexpr double k_Linear_Rows_Tol = 1e-6;

// Free-head deflection of an elastic pile of length L in a uniform subgrade.
double Free_Head_Deflection(double V, double L) {
    const double b = Beta();
    const double x = b * L;
    const double ratio = (std::sinh(x) * std::cosh(x) - std::sin(x) * std::cos(x)) /
                         (std::sinh(x) * std::sinh(x) - std::sin(x) * std::sin(x));
    return 2.0 * V * b / k_Es * ratio;
}

// Load case 1 (shear and moment) gives the bases of the stiffness series; load case 2 (a free
// head) asks for the length study; so does case 1. The plot file holds its records in order.
StudyProblem Uniform_Problem() {
    StudyProblem p;
    p.loads = {"1 100.0 50.0 0.0 0", "1 100.0 0.0 0.0 2"};
    return p;
}

TEST(HeadStudiesEndToEnd, UniformSubgradeStiffnessMatchesTheSemiInfiniteBeam) {
    const StudyRun run = Run_Study(Uniform_Problem());
    ASSERT_EQ(run.result, 0);
    const double b = Beta();
    const std::vector<std::vector<double>> rows = Stiffness_Rows(run.plot);
    ASSERT_EQ(rows.size(), 10u);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        SCOPED_TRACE(i + 1);
        const std::vector<double>& r = rows[i];
        EXPECT_NEAR_REL(r[2], 4.0 * k_EI * b * b * b, k_Oracle_Tol);   // K22
        EXPECT_NEAR_REL(r[3], 2.0 * k_EI * b * b, k_Oracle_Tol);       // K23
        EXPECT_NEAR_REL(r[4], 2.0 * k_EI * b * b, k_Oracle_Tol);       // K32
        EXPECT_NEAR_REL(r[5], 2.0 * k_EI * b, k_Oracle_Tol);           // K33
        // reciprocity of the head: the two coupling terms are one
        EXPECT_NEAR_REL(r[3], r[4], 1e-3);
        // a linear soil gives the same stiffness under every load of the series
        for (int k = 2; k <= 5; ++k) EXPECT_NEAR_REL(r[k], rows[0][k], k_Linear_Rows_Tol);
    }
    // The bases are the shear and moment of load case 1: the tenth row carries them, the
    // first a tenth of them (0.1 in single precision).
    EXPECT_NEAR_REL(rows[9][0], 100.0, 1e-7);
    EXPECT_NEAR_REL(rows[9][1], 50.0, 1e-7);
    EXPECT_NEAR_REL(rows[0][0], 10.0, 1e-7);
    // a head shear on a head held at zero slope and a head moment at zero deflection
    EXPECT_NEAR_REL(rows[9][6], 100.0 / (4.0 * k_EI * b * b * b), k_Oracle_Tol);
    EXPECT_NEAR_REL(std::fabs(rows[9][7]), 50.0 / (2.0 * k_EI * b), k_Oracle_Tol);

    // The report's tables and the progress of the twenty cases.
    EXPECT_GE(Find_Line(run.report, "                   Computed Pile-head Stiffness Matrix Values"), 0);
    EXPECT_GE(Find_Line(run.report, "  K22 = abs(Shear Reaction/Top y)"), 0);
    EXPECT_GE(Find_Line(run.report, "  K33 = abs(Moment Reaction/Top Rotation)"), 0);
    const int announced = Find_Line(run.messages, "Computing pile-head stiffness matrix components.");
    ASSERT_GE(announced, 0);
    EXPECT_GE(Find_Line(run.messages, "Computing lateral response of pile for load number 20", announced), 0);
    EXPECT_GE(Find_Line(run.report, "The analysis ended normally. "), 0);
}

// Matlock-Reese head coefficients of a pile in a subgrade Es = nh x, from the power series of
// phi'''' + Z phi = 0: phi = sum c_n Z^n with c_(n+5) = -c_n / ((n+5)(n+4)(n+3)(n+2)) and c_4 = 0.
// A unit head shear (phi'' = 0, phi''' = 1 at Z = 0) and a unit head moment (phi'' = 1,
// phi''' = 0) with a free tip (phi'' = phi''' = 0 at Zmax) give y = (Ay H T^3 + By M T^2) / EI
// and S = (As H T^2 + Bs M T) / EI. Inverting that flexibility gives K22 = |Bs / D| EI / T^3,
// K23 = |By / D| EI / T^2, K32 = |As / D| EI / T^2, K33 = |Ay / D| EI / T, D = Ay Bs - By As
// (1.0777, 0.9992 and 1.4988 for a long pile).
struct HeadCoefficients {
    double K22, K23, K32, K33;
};

HeadCoefficients Series_Coefficients(double Zmax) {
    constexpr int k_Terms = 400;
    // derivatives 0..3 at Zmax of the four basis series that start with c_i = 1, i = 0..3
    double d[4][4] = {};
    for (int i = 0; i < 4; ++i) {
        std::vector<double> c(k_Terms + 6, 0.0);
        c[i] = 1.0;
        for (int n = 0; n + 5 < static_cast<int>(c.size()); ++n) {
            c[n + 5] = -c[n] / ((n + 5.0) * (n + 4.0) * (n + 3.0) * (n + 2.0));
        }
        for (int n = 0; n < static_cast<int>(c.size()); ++n) {
            if (c[n] == 0.0) continue;
            double falling = 1.0;   // n (n-1) ... (n-r+1)
            for (int r = 0; r < 4 && r <= n; ++r) {
                d[i][r] += c[n] * falling * std::pow(Zmax, n - r);
                falling *= n - r;
            }
        }
    }
    // c2, c3 fixed by the head; c0 = y, c1 = slope from the free tip
    auto head_values = [&](double c2, double c3, double& y, double& s) {
        const double r1 = -(c2 * d[2][2] + c3 * d[3][2]);
        const double r2 = -(c2 * d[2][3] + c3 * d[3][3]);
        const double det = d[0][2] * d[1][3] - d[1][2] * d[0][3];
        y = (r1 * d[1][3] - d[1][2] * r2) / det;
        s = (d[0][2] * r2 - r1 * d[0][3]) / det;
    };
    double Ay = 0.0, As = 0.0, By = 0.0, Bs = 0.0;
    head_values(0.0, 1.0 / 6.0, Ay, As);
    head_values(0.5, 0.0, By, Bs);
    const double D = Ay * Bs - By * As;
    return {std::fabs(Bs / D), std::fabs(By / D), std::fabs(As / D), std::fabs(Ay / D)};
}

// US customary: 24 in pile, EI = 29e6 psi x 2000 in4, k from 0 at the head (the ground
// surface) to 500 pci at 100 ft: nh = 500 x 24 / 1200 = 10 pci, T = 89.7 in, Zmax = 13.4.
TEST(HeadStudiesEndToEnd, SubgradeRisingWithDepthMatchesTheSeriesCoefficients) {
    const HeadCoefficients long_pile = Series_Coefficients(10.0);
    // the rounded values, which the series refines
    EXPECT_NEAR(long_pile.K22, 1.076, 2e-3);
    EXPECT_NEAR(long_pile.K23, 0.998, 2e-3);
    EXPECT_NEAR(long_pile.K33, 1.497, 2e-3);

    StudyProblem p;
    p.si = false;
    p.length = 100.0;
    p.diameter = 24.0;
    p.E = 29.0e6;
    p.I = 2000.0;
    p.k_top = 0.0;
    p.k_bottom = 500.0;
    p.max_deflection = "40.0";
    p.loads = {"1 10000.0 1.0E+6 0.0 1"};
    const StudyRun run = Run_Study(p);
    ASSERT_EQ(run.result, 0);
    const double EI = 29.0e6 * 2000.0;
    const double nh = 500.0 * 24.0 / 1200.0;
    const double T = std::pow(EI / nh, 0.2);
    const HeadCoefficients c = Series_Coefficients(1200.0 / T);
    const std::vector<std::vector<double>> rows = Stiffness_Rows(run.plot);
    ASSERT_EQ(rows.size(), 10u);
    // h / T = 3 / 89.7: the difference equation is good to about 0.1 %
    for (const std::vector<double>& r : rows) {
        EXPECT_NEAR_REL(r[2], c.K22 * EI / (T * T * T), k_Oracle_Tol);
        EXPECT_NEAR_REL(r[3], c.K23 * EI / (T * T), k_Oracle_Tol);
        EXPECT_NEAR_REL(r[4], c.K32 * EI / (T * T), k_Oracle_Tol);
        EXPECT_NEAR_REL(r[5], c.K33 * EI / T, k_Oracle_Tol);
    }
    // one length study asked for: none here, and Line 1 says so
    EXPECT_EQ(run.plot[0].substr(0, 20), "    3    1    0    1");
}

TEST(HeadStudiesEndToEnd, FreeHeadDeflectionVersusLengthMatchesTheClosedForm) {
    const StudyRun run = Run_Study(Uniform_Problem());
    ASSERT_EQ(run.result, 0);
    const auto studies = Study_Points(run.plot);
    ASSERT_EQ(studies.size(), 2u);
    // the free head of load case 2: twenty trial lengths from 20 m down to 1 m, all solved
    const auto& points = studies[1];
    ASSERT_EQ(points.size(), 20u);
    const double V = 100.0;
    const double b = Beta();
    for (std::size_t j = 0; j < points.size(); ++j) {
        SCOPED_TRACE(j);
        const double L = points[j][0];
        EXPECT_NEAR_REL(L, 20.0 * (1.0 - 0.05 * j), 1e-6);
        EXPECT_NEAR_REL(points[j][1], Free_Head_Deflection(V, L), k_Oracle_Tol);
        // the free head carries the shear; the largest shear is the head shear
        EXPECT_NEAR_REL(std::fabs(points[j][3]), V, 1e-6);
        // long piles (beta L >= 4) all deflect as the semi-infinite one
        if (b * L >= 4.0) {
            EXPECT_NEAR_REL(points[j][1], 2.0 * V * b / k_Es, k_Oracle_Tol);
        }
    }
    // The shortest pile (beta L = 0.35) turns as a rigid body: y0 = 4 V / (Es L) to within
    // (beta L)^4 / 5 = 0.3 % of the closed form.
    const double L_short = points.back()[0];
    EXPECT_NEAR_REL(points.back()[1], 4.0 * V / (k_Es * L_short), k_Oracle_Tol);
    // and deflects far more than a long pile: the curve flattens only beyond the critical length
    EXPECT_GT(points.back()[1], 5.0 * points.front()[1]);

    // the report block of case 2, headed by its load case
    const int block = Find_Line(run.report, "            Pile-head Deflection vs. Pile Length for Load Case 2");
    ASSERT_GE(block, 0);
    EXPECT_EQ(run.report[block + 3], "Boundary Condition Type 1, Shear and Moment");
    EXPECT_GE(Find_Line(run.messages, "Computing top deflection vs. pile embedment length for load case 2."), 0);
}

// The plot file of a run with both studies: Line 1 counts two length studies and flags the
// stiffness matrix; per case its node records, then Line 11 and its Line 12 records; the
// summary's Line 13 records; the ten Line 14 records last. The stiffness cases write neither
// node records nor a second Line 9.
TEST(HeadStudiesEndToEnd, PlotRecordsComeInTheirOrder) {
    const StudyRun run = Run_Study(Uniform_Problem());
    ASSERT_EQ(run.result, 0);
    ASSERT_FALSE(run.plot.empty());
    EXPECT_EQ(run.plot[0].substr(0, 20), "    3    2    2    1");
    EXPECT_EQ(Count_Label(run.plot, "Line 9: "), 1);
    EXPECT_EQ(Count_Label(run.plot, "Line 10("), 2 * 401);
    std::string order;   // one letter per record kind, runs collapsed
    for (const std::string& l : run.plot) {
        char kind = 0;
        if (Has_Label(l, "Line 10(")) kind = 'n';
        if (Has_Label(l, "Line 11: ")) kind = 'c';
        if (Has_Label(l, "Line 12: ")) kind = 'p';
        if (Has_Label(l, "Line 13: ")) kind = 's';
        if (Has_Label(l, "Line 14: ")) kind = 'k';
        if (kind != 0 && (order.empty() || order.back() != kind)) order += kind;
    }
    EXPECT_EQ(order, "ncpncpsk");
    EXPECT_EQ(Count_Label(run.plot, "Line 12: "), 40);
    EXPECT_EQ(Count_Label(run.plot, "Line 14: "), 10);
}

// A ground surface half way down the pile stops the study at the first trial shorter than 5 %
// of the pile plus the ground depth (0.55 L): that trial and all shorter ones are never
// solved, so none of them can add a point left over from the trial before.
TEST(HeadStudiesEndToEnd, TrialsTooShortForTheSoilAreNotSolved) {
    StudyProblem p;
    p.ground = 10.0;
    p.stiffness = false;
    p.loads = {"1 20.0 0.0 0.0 0"};
    const StudyRun run = Run_Study(p);
    ASSERT_EQ(run.result, 0);
    const auto studies = Study_Points(run.plot);
    ASSERT_EQ(studies.size(), 1u);
    ASSERT_EQ(studies[0].size(), 9u);   // 20 m down to 12 m
    for (const std::vector<double>& point : studies[0]) {
        EXPECT_GE(point[0], 0.55 * 20.0);
        EXPECT_GT(point[1], 0.0);
    }
    int count_at = -1;
    for (std::size_t i = 0; i < run.plot.size(); ++i) {
        if (Has_Label(run.plot[i], "Line 11: ")) count_at = static_cast<int>(i);
    }
    ASSERT_GE(count_at, 0);
    EXPECT_EQ(run.plot[count_at].substr(0, 5), "    9");
}

// Points come only from trials within the excess deflection limit; the shorter piles deflect
// more and give none. A limit below the deflection of the full length leaves no point at all,
// and the block says so (the load case itself, linear and converged by its sixth solution, is
// not checked against the limit).
TEST(HeadStudiesEndToEnd, TrialsBeyondTheDeflectionLimitGiveNoPoint) {
    const double V = 100.0;
    const double y_long = Free_Head_Deflection(V, 20.0);
    struct Row {
        const char* name;
        double limit;
    };
    const Row rows[] = {{"three times the long-pile deflection", 3.0 * y_long},
                        {"below the full-length deflection", 0.5 * y_long}};
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        char limit[32];
        std::snprintf(limit, sizeof limit, "%.6g", r.limit);
        StudyProblem p;
        p.stiffness = false;
        p.max_deflection = limit;
        p.loads = {"1 100.0 0.0 0.0 0"};
        const StudyRun run = Run_Study(p);
        ASSERT_EQ(run.result, 0);
        std::size_t expected = 0;
        for (int j = 0; j < 20; ++j) {
            if (Free_Head_Deflection(V, 20.0 * (1.0 - 0.05 * j)) <= r.limit) ++expected;
        }
        const auto studies = Study_Points(run.plot);
        ASSERT_EQ(studies.size(), 1u);
        EXPECT_EQ(studies[0].size(), expected);
        for (const std::vector<double>& point : studies[0]) EXPECT_LE(point[1], r.limit);
        const int none = Find_Line(run.report, "No computations for top deflection vs. pile length "
                                               "were successful for this load case.");
        EXPECT_EQ(none >= 0, expected == 0);
    }
}

// Summary-only mode survives the length study: the case after the study still writes no
// results table (the study used to switch the mode off for the rest of the run), while the
// study's own block is written in either mode.
TEST(HeadStudiesEndToEnd, SummaryOnlyModeSurvivesTheLengthStudy) {
    StudyProblem p;
    p.summary_only = true;
    p.stiffness = false;
    p.loads = {"1 100.0 0.0 0.0 0", "1 150.0 0.0 0.0 1"};
    const StudyRun run = Run_Study(p);
    ASSERT_EQ(run.result, 0);
    EXPECT_GE(Find_Line(run.report, "            Pile-head Deflection vs. Pile Length for Load Case 1"), 0);
    for (const std::string& l : run.report) {
        EXPECT_EQ(l.find("Computed Values of Pile Loading and Deflection"), std::string::npos);
        EXPECT_EQ(l.find("Output Summary for Load Case No. "), std::string::npos);
    }
    EXPECT_GE(Find_Line(run.report, "                           Summary of Pile Response(s)"), 0);
}

// Load case 1 prescribes a deflection and a slope: neither is a force, so the series runs on
// the default bases, 10 lb (0.04448222 kN) and 100 in-lb (0.01129848 kN-m) in single precision;
// a linear soil gives the same stiffness whatever the loads.
TEST(HeadStudiesEndToEnd, LoadCaseWithoutForcesGivesTheDefaultBases) {
    StudyProblem p;
    p.loads = {"5 0.005 0.0 0.0 1"};
    const StudyRun run = Run_Study(p);
    ASSERT_EQ(run.result, 0);
    int tenth = -1;
    int seen = 0;
    for (std::size_t i = 0; i < run.plot.size(); ++i) {
        if (Has_Label(run.plot[i], "Line 14: ") && ++seen == 10) tenth = static_cast<int>(i);
    }
    ASSERT_GE(tenth, 0);
    EXPECT_EQ(run.plot[tenth].substr(0, 30), "  0.4448222E-01  0.1129848E-01");
    const double b = Beta();
    const std::vector<double> r = Fields(run.plot[tenth], 8);
    EXPECT_NEAR_REL(r[2], 4.0 * k_EI * b * b * b, k_Oracle_Tol);
    EXPECT_NEAR_REL(r[5], 2.0 * k_EI * b, k_Oracle_Tol);
}

// The example of the two studies: a 24 in steel pipe (moment-curvature section) in API sand,
// 30 ft long, about 5.5 T with T = (EI / nh)^(1/5) near 5.5 ft, so a little beyond its
// critical length. Its length curves are flat over the first trials and rise once the pile is
// shorter than about 4 T; the trial at the full length repeats the load case itself. In the
// nonlinear soil the stiffness falls as the series' loads grow.
TEST(HeadStudiesEndToEnd, ExampleShowsTheFlatteningAndASofteningStiffness) {
    EngineRun run;
    ASSERT_EQ(run.Run(Read_File(std::string(ORVANE_EXAMPLES_DIR) + "/pipe-pile-stiffness-length-study.lp")), 0);
    const std::vector<std::string> plot = Read_Lines(run.plot());
    const std::vector<std::string> report = Read_Lines(run.report());
    EXPECT_GE(Find_Line(report, "The analysis ended normally. "), 0);
    EXPECT_EQ(plot[0].substr(0, 20), "    3    1    2    1");

    std::vector<std::vector<double>> summary;   // Line 13: V, y, Mmax, Vmax, rotation
    for (const std::string& l : plot) {
        if (Has_Label(l, "Line 13: ")) summary.push_back(Fields(l, 5));
    }
    ASSERT_EQ(summary.size(), 3u);
    const auto studies = Study_Points(plot);
    ASSERT_EQ(studies.size(), 2u);   // load cases 1 and 2; case 3 asks for none
    for (std::size_t s = 0; s < studies.size(); ++s) {
        SCOPED_TRACE(s + 1);
        const auto& points = studies[s];
        ASSERT_GE(points.size(), 8u);
        EXPECT_NEAR_REL(points[0][0], 360.0, 1e-7);
        // the full-length trial is the load case again, to the tolerance of the iteration
        EXPECT_NEAR_REL(points[0][1], summary[s][1], 1e-3);
        // beyond the critical length (30 ft down to 25.5 ft) the head deflection hardly changes
        for (int j = 1; j <= 3; ++j) EXPECT_NEAR_REL(points[j][1], points[0][1], 2e-3);
        // the shortest pile that still carries the load deflects clearly more
        EXPECT_GT(points.back()[1], 1.3 * points[0][1]);
    }

    const std::vector<std::vector<double>> rows = Stiffness_Rows(plot);
    ASSERT_EQ(rows.size(), 10u);
    // bases: the shear and moment of load case 1
    EXPECT_NEAR_REL(rows[9][0], 20000.0, 1e-7);
    EXPECT_NEAR_REL(rows[9][1], 600000.0, 1e-7);
    for (std::size_t i = 1; i < rows.size(); ++i) {
        EXPECT_LT(rows[i][2], rows[i - 1][2]);   // K22 softens
        EXPECT_LT(rows[i][5], rows[i - 1][5]);   // K33 softens
    }
    // under the smallest loads the soil is nearly linear and the head reciprocal
    EXPECT_NEAR_REL(rows[0][3], rows[0][4], 1e-3);
}

// The stiffness series is solved as load cases are, errors included. Load case 1 holds the
// head of a pipe in weak soft clay at a slope of 0.03 against its shear and converges; the
// series applies the same shear to a head held level, which pushes the clay past the excess
// deflection limit: Runtime Error No. 9 ends the run after the summary, with no stiffness
// table and no "Line 14" record.
TEST(HeadStudiesEndToEnd, AnIterationErrorInTheSeriesEndsTheRun) {
    const std::string input =
        "ORVANE6\nTITLE\nStiffness series beyond the soil's strength\n\n\n\n\nOPTIONS\nUnits SI\n"
        "UseLRFD NO\nComputeKmatrix YES\nUseTipShear NO\nUseSoilMovement NO\nUsePYModifiers NO\n"
        "ComputeEIOnly NO\nLoading STATIC\nMaxIterations 100\nMaxDeflection 0.3\n"
        "Tolerance 1.0E-5\nIncrements 100\nPrintSummaryOnly YES\nPrintIncrement 10\n"
        "PrintPYCurves NO\nComputeInteraction NO\n"
        "SECTIONS\n1\n1\n11\n20.0\n2\n2.0E+8\n600.0\n600.0\n22167.0\n22167.0\n9.585E+8\n9.585E+8\n"
        "SOIL LAYERS\n1\n1 0.0 20.0\n6.0 10.0 0.02\n6.0 30.0 0.02\n"
        "LOADING\n1\n1 2 700.0 0.03 0.0 1\n0\nEND\n";
    EngineRun run;
    EXPECT_EQ(run.Run(input), 209);
    const std::vector<std::string> report = Read_Lines(run.report());
    const std::vector<std::string> messages = Read_Lines(run.messages());
    const int summary = Find_Line(report, "                           Summary of Pile Response(s)");
    ASSERT_GE(summary, 0);
    EXPECT_GT(Find_Line(report, "**** Runtime Error No. 9 ****", summary), summary);
    EXPECT_GE(Find_Line(messages, "The convergence criteria have been met for load case 1"), 0);
    EXPECT_GE(Find_Line(messages, "Computing pile-head stiffness matrix components."), 0);
    EXPECT_EQ(Find_Line(report, "                   Computed Pile-head Stiffness Matrix Values"), -1);
    EXPECT_EQ(Count_Label(Read_Lines(run.plot()), "Line 14: "), 0);
    EXPECT_GE(Find_Line(report, "The analysis ended due to runtime error No. 9."), 0);
}

// Without any load case the stiffness study still runs, on the pile of the input length, with
// the default bases at zero thrust.
TEST(HeadStudiesEndToEnd, StiffnessWithoutLoadCasesUsesTheDefaultBases) {
    StudyProblem p;
    const StudyRun run = Run_Study(p);
    ASSERT_EQ(run.result, 0);
    const std::vector<std::vector<double>> rows = Stiffness_Rows(run.plot);
    ASSERT_EQ(rows.size(), 10u);
    const double b = Beta();
    EXPECT_NEAR_REL(rows[9][0], 0.044482216238975525, 1e-6);
    EXPECT_NEAR_REL(rows[9][2], 4.0 * k_EI * b * b * b, k_Oracle_Tol);
    EXPECT_NEAR_REL(rows[9][5], 2.0 * k_EI * b, k_Oracle_Tol);
}

}  // namespace
