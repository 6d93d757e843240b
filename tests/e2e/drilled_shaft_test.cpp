// Reinforced concrete drilled shafts run end to end through ORVGO: the nonlinear bending
// stiffness of the moment-curvature tables softens the shaft as the head shear rises, the soil
// reactions still balance the head loads, and the shaft deflects more than the same shaft held
// at its uncracked stiffness. Bending-stiffness-only runs write one moment-curvature file per
// named (section, thrust) pair, each holding the pair's "Line 5" records.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "e2e/run_support.h"
#include "support/test_support.h"

namespace {

const double k_Shears[] = {150.0, 450.0, 900.0};   // kN
constexpr int k_Cases = 3;
constexpr double k_Length = 20.0;                   // m
constexpr double k_Pi = 3.141592653589793;

// A 1.2 m shaft, 20 m long, in stiff clay over sand, with one free-head case per shear of
// k_Shears and no axial load; `section` is the SECTIONS block after the count line.
std::string Shaft_Problem(const std::string& section) {
    std::string s =
        "ORVANE6\nTITLE\nDrilled shaft 1.2 m in stiff clay over sand\n\n\n\n\nOPTIONS\nUnits SI\n"
        "UseLRFD NO\nComputeKmatrix NO\nUseTipShear NO\nUseSoilMovement NO\nUsePYModifiers NO\n"
        "ComputeEIOnly NO\nLoading STATIC\nMaxIterations 200\nMaxDeflection 2.0\nTolerance 1.0E-5\n"
        "Increments 100\nPrintSummaryOnly NO\nPrintIncrement 10\nPrintPYCurves NO\n"
        "ComputeInteraction NO\nSECTIONS\n1\n";
    s += section;
    s += "SOIL LAYERS\n2\n2 0.0 8.0\n9.0 100.0 0.0 0.0\n9.0 160.0 0.0 0.0\n"
         "5 8.0 20.0\n10.0 34.0 0.0\n10.0 36.0 0.0\nLOADING\n3\n";
    char line[96];
    for (int i = 0; i < k_Cases; ++i) {
        std::snprintf(line, sizeof line, "%d 1 %.1f 0.0 0.0 1\n", i + 1, k_Shears[i]);
        s += line;
    }
    return s + "0\nEND\n";
}

// 24 bars of 32 mm (819 mm2) on a circle with 75 mm cover, f'c 30 MPa, fy 420 MPa.
const char* const k_Concrete_Section =
    "1\n1\n20.0\n1200.0\n30000.0\n19.0\nUse default concrete tensile strength\n"
    "Use internal stress-strain curve for concrete\nRebar Arrangement Not Same As Section Above\n"
    "Rebar in circle\n420000.0\n2.0E+8\n24\n1\n32.0\n819.0\n75.0\n0.0\n";

// The same outline as an elastic circular section of bending stiffness EI (kN-m2).
std::string Elastic_Section(double EI) {
    const double I_m4 = k_Pi * std::pow(1.2, 4) / 64.0;
    const double A_mm2 = 0.25 * k_Pi * 1.2 * 1.2 * 1e6;
    char text[256];
    std::snprintf(text, sizeof text, "1\n11\n20.0\n2\n%.10e\n1200.0\n1200.0\n%.6f\n%.6f\n%.6e\n%.6e\n",
                  EI / I_m4, A_mm2, A_mm2, I_m4 * 1e12, I_m4 * 1e12);
    return text;
}

// Bending stiffness of every node of every load case, from the sixth field of "Line 10".
std::vector<std::vector<double>> Node_Stiffness(const std::vector<std::string>& plot) {
    std::vector<std::vector<double>> cases;
    for (const std::string& l : plot) {
        const std::size_t at = l.find("Line 10(");
        if (at == std::string::npos) continue;
        if (std::atoi(l.c_str() + at + 8) == 1) cases.emplace_back();
        cases.back().push_back(std::strtod(l.substr(75, 15).c_str(), nullptr));
    }
    return cases;
}

// The first point of the first curve: the uncracked bending stiffness (kN-m2).
double First_Table_Stiffness(const std::vector<std::string>& plot) {
    for (const std::string& l : plot) {
        if (l.find("CurvPnt#=1") != std::string::npos && l.find("Line 5 : Moment (kN-m)") != std::string::npos) {
            return std::strtod(l.substr(15, 15).c_str(), nullptr);
        }
    }
    return 0.0;
}

TEST(DrilledShaftEndToEnd, CrackingSoftensTheShaftWhileTheSoilBalancesTheLoads) {
    EngineRun run;
    ASSERT_EQ(run.Run(Shaft_Problem(k_Concrete_Section)), 0);
    const auto plot = Read_Lines(run.plot());
    const auto cases = Node_Records(plot);
    Expect_Softening_Balanced_Cases(cases, k_Shears, k_Cases, 101, k_Length);

    const double EI_uncracked = First_Table_Stiffness(plot);
    ASSERT_GT(EI_uncracked, 0.0);
    // Where the moment is largest the shaft has cracked under the large shears: its stiffness
    // falls well below the uncracked value; under the smallest shear it is nearly uncracked.
    const auto stiffness = Node_Stiffness(plot);
    ASSERT_EQ(stiffness.size(), static_cast<std::size_t>(k_Cases));
    double previous = 2.0 * EI_uncracked;
    for (int i = 0; i < k_Cases; ++i) {
        SCOPED_TRACE(k_Shears[i]);
        std::size_t at = 0;
        for (std::size_t k = 0; k < cases[i].size(); ++k) {
            if (std::fabs(cases[i][k].M) > std::fabs(cases[i][at].M)) at = k;
        }
        const double EI = stiffness[static_cast<std::size_t>(i)][at];
        EXPECT_LE(EI, EI_uncracked * (1.0 + 1e-6));
        EXPECT_LT(EI, previous);
        previous = EI;
    }
    EXPECT_LT(previous, 0.6 * EI_uncracked);

    // Held at its uncracked stiffness the same shaft deflects less under every shear, and the
    // difference grows with the shear.
    EngineRun elastic;
    ASSERT_EQ(elastic.Run(Shaft_Problem(Elastic_Section(EI_uncracked))), 0);
    const auto stiff_cases = Node_Records(Read_Lines(elastic.plot()));
    ASSERT_EQ(stiff_cases.size(), static_cast<std::size_t>(k_Cases));
    double previous_ratio = 1.0;
    for (int i = 0; i < k_Cases; ++i) {
        SCOPED_TRACE(k_Shears[i]);
        const double ratio = cases[i][0].y / stiff_cases[i][0].y;
        EXPECT_GE(ratio, previous_ratio * (1.0 - 1e-3));
        previous_ratio = ratio;
    }
    EXPECT_GT(previous_ratio, 1.2);
}

TEST(DrilledShaftEndToEnd, ExamplesRunToANormalEnd) {
    for (const char* name :
         {"pier4-drilled-shaft.lp", "drilled-shaft-clay-sand-si.lp", "drilled-shaft-weak-rock.lp"}) {
        SCOPED_TRACE(name);
        EngineRun run;
        const int result = run.Run(Read_File(std::string(ORVANE_EXAMPLES_DIR) + "/" + name));
        EXPECT_LE(result, 0);   // warnings allowed, no error
        const auto report = Read_Lines(run.report());
        EXPECT_GE(Find_Line(report, "The analysis ended normally. "), 0);
        EXPECT_GE(Find_Line(report, "    Computations of Nominal Moment Capacity and Nonlinear Bending Stiffness"), 0);
    }
}

TEST(DrilledShaftEndToEnd, BendingStiffnessOnlyRunWritesOneFilePerNamedPair) {
    // The section families example: seven sections, three thrusts; names for the first four
    // pairs only (section 1, thrusts 1-3, and section 2, thrust 1).
    EngineRun run;
    std::string names;
    for (int k = 1; k <= 4; ++k) names += run.dir.file("mc" + std::to_string(k) + ".txt") + "\n";
    Write_File(run.dir.file("M_vs_EI_report_names.txt"), names);
    const int result = run.Run(Read_File(std::string(ORVANE_EXAMPLES_DIR) + "/section-families-ei-only.lp"));
    EXPECT_LE(result, 0);
    EXPECT_FALSE(File_Exists(run.dir.file("M_vs_EI_report_names.txt")));
    const auto plot = Read_Lines(run.plot());
    EXPECT_NE(plot[2].find("Line 3 : Total number of axial thrusts for EI-only computations"), std::string::npos);
    for (int k = 1; k <= 4; ++k) {
        SCOPED_TRACE(k);
        const int s = k <= 3 ? 1 : 2;
        const int a = k <= 3 ? k : 1;
        const std::string tag = "Sect#=" + std::to_string(s) + ", AxLd#=" + std::to_string(a) + ", CurvPnt#=";
        std::vector<std::string> records;
        for (const std::string& l : plot) {
            if (l.find("Line 5 : Moment (in-kips)") != std::string::npos && l.find(tag) != std::string::npos) {
                records.push_back(l);
            }
        }
        const auto rows = Read_Lines(run.dir.file("mc" + std::to_string(k) + ".txt"));
        ASSERT_FALSE(rows.empty());
        ASSERT_EQ(rows.size(), records.size());
        for (std::size_t i = 0; i < rows.size(); ++i) {
            // File: moment in in-lb and curvature, E15.8; record: moment in in-kips, E15.7.
            const double M_file = std::strtod(rows[i].substr(0, 15).c_str(), nullptr);
            const double M_record = std::strtod(records[i].substr(0, 15).c_str(), nullptr);
            EXPECT_NEAR(M_file, 1000.0 * M_record, 5e-7 * std::fabs(M_file));
            const double phi_file = std::strtod(rows[i].substr(15, 15).c_str(), nullptr);
            const double phi_record = std::strtod(records[i].substr(30, 15).c_str(), nullptr);
            EXPECT_NEAR(phi_file, phi_record, 5e-7 * phi_file);
        }
    }
    EXPECT_FALSE(File_Exists(run.dir.file("mc5.txt")));
}

}  // namespace
