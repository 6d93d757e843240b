// The results report of a load case, line for line, for a five-node pile whose deflected shape
// is set by hand (no solution is run): with h = 10, EI = 1e6, Es = 8, Q = 100 and
// y(-1..6) = 1, 0.75, 0.5, 0.3125, 0.125, 0, -0.125, -0.25 the responses are
//   node      M        V         S          p    stress = Q/A + |M| c/I (A 4, I 2, c 1)
//   1       625   -2.1875  -0.021875      -4    337.5
//   2         0   -1.875   -0.01875     -2.5     25
//   3       625   -1.5625  -0.015625      -1    337.5
//   4         0   -32.5    -0.0125         0     25
//   5 (tip)   0    0       -0.0125         1     25
// The number texts were worked out independently of the engine (exact decimal rounding of the
// binary values, as Fortran's edit descriptors round).
// The shape is not a solution, so the equilibrium check warns: its largest moment imbalance is
// 696.875 (segment of nodes 3-4) and its largest force imbalance -64.0625 (head segment, whose
// moment is the specified 0); the check's own tests work these out segment by segment.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "model/model.h"
#include "model/units.h"
#include "report/load_case_results.h"
#include "solver/case_results.h"
#include "support/model_fixture.h"

namespace {

// The solver completes the case's results; the writer formats them.
void Complete_And_Write(int lc, int iterations) {
    Complete_Case_Results(lc);
    WriteLoadCaseResults(lc, iterations);
}

const std::string k_Dashes(80, '-');

class LoadCaseResults : public ModelTest {
protected:
    void SetUp() override {
        ModelTest::SetUp();
        Capture_Run_Files();
        AnalysisModel& m = g_Model;
        m.IUNITS = k_Units_US;
        Set_Unit_Labels();
        m.i_Analysis_Type = 3;
        m.NumLoadCases = 1;
        m.PrintIncrement = 2;
        m.NumSections = 1;
        m.SectionType[1] = 11;   // elastic
        m.NumNodes = 5;
        m.IncrementLength = 10.0;
        m.AxialThrust = 100.0;
        m.i_HeadLoadType = 1;
        m.HeadShear = 1000.0;
        m.HeadMoment = 0.0;
        m.i_CurrentLoadCase = 1;
        for (int k = 1; k <= 5; ++k) {
            m.XNode[k] = 10.0 * (k - 1);
            m.EI_Node[k] = 1.0e6;
            m.Es_Node[k] = 8.0;
            m.i_SectionOfNode[k] = 1;
        }
        m.W_Node[3] = 2.5;
        // one prismatic section over the pile: A 4, I 2, D 2 (extreme fibre at 1)
        m.NumSectionPoints = 2;
        m.XSectionPoint[1] = 0.0;
        m.XSectionPoint[2] = 40.0;
        for (int i = 1; i <= 2; ++i) {
            m.SectionPointA[i] = 4.0;
            m.SectionPointI[i] = 2.0;
            m.SectionPointD[i] = 2.0;
            m.SectionPointE[i] = 5.0e5;
        }
        const double y[8] = {1.0, 0.75, 0.5, 0.3125, 0.125, 0.0, -0.125, -0.25};
        for (int k = -1; k <= 6; ++k) Y_Node(k) = y[k + 1];
    }
};

const std::vector<std::string> k_Heading = {
    "",
    "",
    k_Dashes,
    "                 Computed Values of Pile Loading and Deflection",
    "                   for Lateral Loading for Load Case Number 1",
    k_Dashes,
};

const std::vector<std::string> k_Table_Heading_Top = {
    "   Depth    Deflect.    Bending    Shear       Slope      Total    Bending   Soil Res.  "
    "Soil Spr.   Distrib. ",
    "     X         y        Moment     Force         S       Stress   Stiffness      p         "
    "Es*h    Lat. Load ",
};
const std::string k_Rule =
    "---------- ---------- ---------- ---------- ---------- ---------- ---------- ---------- "
    "---------- ----------";

// The equilibrium warning block of this shape, in the report.
std::vector<std::string> Imbalance_Warning(bool us) {
    return {
        "",
        "",
        us ? "**** Warning - POSSIBLE SOLUTION ERROR 5501 ****"
           : "**** Warning - Possible Solution Error 5501 ****",
        "",
        "Force and moment imbalances may be too large for a good solution.",
        "",
        "The cause of the imbalance may be due to extreme changes in magnitude",
        us ? "of nonlinear bending stiffness within three nodal points of the top of the pile"
           : "of nonlinear bending stiffness within the top three nodal points of the pile",
        "which may affect the finite difference computation of shear force.",
        "",
        "Please examine curves and printed output for deflection, moment, shear force,",
        "and number of iterations to determine if computed values are reasonable.",
        "If the shear force shows large changes, increase the number of nodal points",
        "(pile increments) and repeat the analysis.",
        "",
        us ? "Maximum internal moment imbalance for pile        =    696.87500 in-lb"
           : "Maximum internal moment imbalance for pile        =    696.87500 kN-m",
        us ? "Maximum internal lateral force imbalance for pile =    -64.06250 lbs"
           : "Maximum internal lateral force imbalance for pile =    -64.06250 kN",
    };
}

std::vector<std::string> Concat(std::vector<std::vector<std::string>> parts) {
    std::vector<std::string> all;
    for (const auto& p : parts) all.insert(all.end(), p.begin(), p.end());
    return all;
}

void Expect_Lines(const std::vector<std::string>& actual, const std::vector<std::string>& expected) {
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(actual[i], expected[i]) << "line " << i;
}

TEST_F(LoadCaseResults, USReportMatchesLineForLine) {
    Complete_And_Write(1, 7);
    const std::vector<std::string> expected = Concat({
        k_Heading,
        {
            "Pile-head conditions are Shear and Moment (Loading Type 1)",
            "Shear force at pile head                               =        1000.000 lbs",
            "Applied moment at pile head                            =           0.000 in-lbs",
            "Axial thrust load on pile head                         =         100.000 lbs",
            "",
        },
        k_Table_Heading_Top,
        {
            "   feet      inches     in-lbs      lbs       radians     psi*      lb-in^2    lb/in"
            "      lb/inch    lb/inch ",
            k_Rule,
            // nodes 1, 3 and 5 with a printing increment of 2; depth in feet; a stiffness
            // above 10000 is written without decimals
            "      0.00     0.5000   625.0000    -2.1875    -0.0219   337.5000   1000000.    -4.0000"
            "    40.0000      0.000",
            "     1.667     0.1250   625.0000    -1.5625    -0.0156   337.5000   1000000.    -1.0000"
            "    80.0000     2.5000",
            "     3.333    -0.1250      0.000      0.000    -0.0125    25.0000   1000000.     1.0000"
            "    40.0000      0.000",
            "",
            "* The above values of total stress are combined axial and bending stress. ",
        },
        Imbalance_Warning(true),
        {
            "",
            "Output Summary for Load Case No. 1:",
            "",
            "Pile-head deflection             =      0.5000000 inches",
            "Computed slope at pile head      =     -0.0218750 radians",
            // the head and node 3 share the largest moment: the head, the earlier node, holds it
            "Maximum bending moment           =    625.0000000 inch-lbs",
            "Maximum shear force              =    -32.5000000 lbs",
            "Depth of maximum bending moment  =       0.000000 inches below pile head",
            "Depth of maximum shear force     =     30.0000000 inches below pile head",
            "Number of iterations             =              7",
            "Number of zero deflection points =              0",
            "",
        },
    });
    Expect_Lines(Captured_Report_Lines(), expected);
}

TEST_F(LoadCaseResults, SIReportHasItsUnitTextsAndTheNonlinearStressNote) {
    g_Model.IUNITS = k_Units_SI;
    Set_Unit_Labels();
    g_Model.SectionType[1] = 1;   // a section with moment-curvature tables
    Complete_And_Write(1, 12);
    const std::vector<std::string> expected = Concat({
        k_Heading,
        {
            "Pile-head conditions are Shear and Moment (Loading Type 1)",
            "Shear force at pile head                               =        1000.000 kN",
            "Applied moment at pile head                            =           0.000 kN-m",
            "Axial thrust load on pile head                         =         100.000 kN",
            "",
        },
        k_Table_Heading_Top,
        {
            "   meters    meters      kN-m       kN        radians     kPa*      kN-m^2     kN/m "
            "       kN/m      kN/m    ",
            k_Rule,
            "      0.00     0.5000   625.0000    -2.1875    -0.0219   337.5000   1000000.    -4.0000"
            "    40.0000      0.000",
            "    20.000     0.1250   625.0000    -1.5625    -0.0156   337.5000   1000000.    -1.0000"
            "    80.0000     2.5000",
            "    40.000    -0.1250      0.000      0.000    -0.0125    25.0000   1000000.     1.0000"
            "    40.0000      0.000",
            "",
            "* This analysis makes computations of pile response using nonlinear moment-curvature "
            "relationships. ",
            "  The above values of total stress are computed for combined axial and bending stress "
            "in elastic ",
            "  sections and do not equal actual stresses in concrete and steel in the range of "
            "nonlinear bending. ",
        },
        Imbalance_Warning(false),
        {
            "",
            "Output Summary for Load Case No. 1:",
            "",
            "Pile-head deflection             =      0.5000000 meters",
            "Computed slope at pile head      =     -0.0218750 radians",
            "Maximum bending moment           =    625.0000000 kN-m",
            "Maximum shear force              =    -32.5000000 kN",
            "Depth of maximum bending moment  =       0.000000 meters below pile head",
            "Depth of maximum shear force     =     30.0000000 meters below pile head",
            "Number of iterations             =             12",
            "Number of zero deflection points =              0",
            "",
        },
    });
    Expect_Lines(Captured_Report_Lines(), expected);
}

TEST_F(LoadCaseResults, PlotRecordsCarryEveryNodeWithLine9ForTheFirstCaseOnly) {
    Complete_And_Write(1, 7);
    const std::vector<std::string> expected = {
        "    1    5    1" + std::string(65, ' ') +
            "Line 9:  No. loads, No. nodes, iunits: 1 = USCS, 2 = SI",
        "  0.0000000E+00  0.5000000E+00  0.6250000E+03 -0.2187500E+01 -0.4000000E+01  0.1000000E+07"
        " Line 10(  1): nodal depth, y, M, V, p, EI",
        "  0.1000000E+02  0.3125000E+00  0.0000000E+00 -0.1875000E+01 -0.2500000E+01  0.1000000E+07"
        " Line 10(  2): nodal depth, y, M, V, p, EI",
        "  0.2000000E+02  0.1250000E+00  0.6250000E+03 -0.1562500E+01 -0.1000000E+01  0.1000000E+07"
        " Line 10(  3): nodal depth, y, M, V, p, EI",
        // the soil reaction -8 x 0 is a negative zero; it is written as 0
        "  0.3000000E+02  0.0000000E+00  0.0000000E+00 -0.3250000E+02  0.0000000E+00  0.1000000E+07"
        " Line 10(  4): nodal depth, y, M, V, p, EI",
        "  0.4000000E+02 -0.1250000E+00  0.0000000E+00  0.0000000E+00  0.1000000E+01  0.1000000E+07"
        " Line 10(  5): nodal depth, y, M, V, p, EI",
    };
    Expect_Lines(Captured_Plot_Lines(), expected);

    // a second load case writes its node records without Line 9
    g_Model.NumLoadCases = 2;
    Complete_And_Write(2, 7);
    const std::vector<std::string> plot = Captured_Plot_Lines();
    ASSERT_EQ(plot.size(), 11u);
    EXPECT_EQ(plot[6].substr(91), "Line 10(  1): nodal depth, y, M, V, p, EI");
}

TEST_F(LoadCaseResults, SummaryOnlyWritesOnlyTheEquilibriumWarningButKeepsValuesAndPlotRecords) {
    g_Model.b_PrintSummaryOnly = -1;
    Complete_And_Write(1, 7);
    Expect_Lines(Captured_Report_Lines(), Imbalance_Warning(true));
    EXPECT_EQ(Captured_Plot_Lines().size(), 6u);
    const AnalysisModel& m = g_Model;
    EXPECT_EQ(m.rd_CaseHeadDeflection[1], 0.5);
    EXPECT_EQ(m.rd_CaseHeadSlope[1], (0.3125 - 0.75) / 20.0);
    EXPECT_EQ(m.rd_CaseHeadShear[1], 1000.0);   // type 1: the specified shear
    EXPECT_EQ(m.rd_CaseHeadMoment[1], 0.0);
    EXPECT_EQ(m.rd_CaseMaxMoment[1], 625.0);
    EXPECT_EQ(m.rd_CaseXMaxMoment[1], 0.0);
    EXPECT_EQ(m.rd_CaseMaxShear[1], -32.5);
    EXPECT_EQ(m.rd_CaseXMaxShear[1], 30.0);
}

TEST_F(LoadCaseResults, StiffnessPassWritesNeitherHeadingNorNodeRecords) {
    g_Model.b_PrintSummaryOnly = -1;   // the stiffness study runs in summary-only mode
    g_Model.b_StiffnessPass = -1;
    Complete_And_Write(2, 9);
    // the equilibrium check still runs for the study's cases
    Expect_Lines(Captured_Report_Lines(), Imbalance_Warning(true));
    EXPECT_TRUE(Captured_Plot_Lines().empty());
    EXPECT_EQ(g_Model.rd_CaseHeadShear[2], 1000.0);
}

TEST_F(LoadCaseResults, PrintingIncrementBeyondThePileLengthPrintsTheHeadRowOnly) {
    g_Model.PrintIncrement = 4;   // N - 1: head and tip
    Complete_And_Write(1, 7);
    std::vector<std::string> report = Captured_Report_Lines();
    int rule = Find_Line(report, k_Rule);
    ASSERT_GT(rule, 0);
    EXPECT_EQ(report[rule + 1].substr(0, 10), "      0.00");
    EXPECT_EQ(report[rule + 2].substr(0, 10), "     3.333");
    EXPECT_EQ(report[rule + 3], "");

    Capture_Run_Files();
    g_Model.PrintIncrement = 5;
    Complete_And_Write(1, 7);
    report = Captured_Report_Lines();
    rule = Find_Line(report, k_Rule);
    ASSERT_GT(rule, 0);
    EXPECT_EQ(report[rule + 1].substr(0, 10), "      0.00");
    EXPECT_EQ(report[rule + 2], "");
}

// The pile-head condition block of every load type (the block begins after the heading).
struct HeadBlockCase {
    const char* name;
    int units;
    int type;
    double load1, load2;
    std::vector<std::string> lines;
};

TEST_F(LoadCaseResults, HeadConditionBlockOfEveryLoadType) {
    const HeadBlockCase cases[] = {
        {"type 2, fixed head, US", k_Units_US, 2, 1000.0, 0.0,
         {"Pile-head conditions are Shear and Pile-head Rotation (Loading Type 2)",
          "Shear force at pile head                               =        1000.000 lbs",
          "Rotation of pile head                                  =       0.000E+00 radians",
          "Axial load at pile head                                =         100.000 lbs",
          "(Zero slope for this load indicates fixed-head conditions)"}},
        {"type 2, rotated head, SI", k_Units_SI, 2, 12.5, -0.0025,
         {"Pile-head conditions are Shear and Pile-head Rotation (Loading Type 2)",
          "Shear force at pile head                               =          12.500 kN",
          "Rotation of pile head                                  =      -0.250E-02 radians",
          "Axial load at pile head                                =         100.000 kN",
          "(Non-zero slope for this load does indicates rotated pile-head condition)"}},
        {"type 3, US", k_Units_US, 3, 1000.0, 2.5e7,
         {"Pile-head conditions are Shear and Rotational Stiffness (Loading Type 3)",
          "Shear force at pile head                               =        1000.000 lb",
          "Rotational stiffness                                   =    25000000.000 in-lb/rad",
          "Axial load at pile head                                =         100.000 lbs"}},
        {"type 3, SI", k_Units_SI, 3, 10.0, 3000.0,
         {"Pile-head conditions are Shear and Rotational Stiffness (Loading Type 3)",
          "Shear force at pile head                               =          10.000 kN",
          "Rotational stiffness                                   =        3000.000 kN-m/rad",
          "Axial load at pile head                                =         100.000 kN"}},
        {"type 4, US", k_Units_US, 4, 0.25, -5000.0,
         {"Pile-head conditions are Displacement and Moment (Loading Type 4)",
          "Displacement of pile head                              =        0.250000 inches",
          "Moment at pile head                                    =       -5000.000 in-lbs",
          "Axial load at pile head                                =         100.000 lbs"}},
        {"type 5, SI", k_Units_SI, 5, 0.0125, 0.001,
         {"Pile-head conditions are Displacement and Pile-head Rotation (Loading Type 5)",
          "Displacement of pile head                              =        0.012500 meters",
          "Rotation of pile head                                  =       0.100E-02 radians",
          "Axial load on pile head                                =         100.000 kN"}},
        {"type 5, US", k_Units_US, 5, 0.5, 0.0,
         {"Pile-head conditions are Displacement and Pile-head Rotation (Loading Type 5)",
          "Displacement of pile head                              =        0.500000 inches",
          "Rotation of pile head                                  =       0.000E+00 radians",
          "Axial load on pile head                                =         100.000 lbs"}},
    };
    for (const HeadBlockCase& row : cases) {
        SCOPED_TRACE(row.name);
        Capture_Run_Files();
        AnalysisModel& m = g_Model;
        m.IUNITS = row.units;
        m.i_HeadLoadType = row.type;
        switch (row.type) {
            case 2: m.HeadShear = row.load1; m.HeadSlope = row.load2; break;
            case 3: m.HeadShear = row.load1; m.HeadRotStiffness = row.load2; break;
            case 4: m.HeadDeflection = row.load1; m.HeadMoment = row.load2; break;
            default: m.HeadDeflection = row.load1; m.HeadSlope = row.load2; break;
        }
        Complete_And_Write(1, 7);
        const std::vector<std::string> report = Captured_Report_Lines();
        ASSERT_GE(report.size(), 6 + row.lines.size() + 1);
        for (std::size_t i = 0; i < row.lines.size(); ++i) EXPECT_EQ(report[6 + i], row.lines[i]);
        // the response table heading follows at once
        EXPECT_EQ(report[6 + row.lines.size()], k_Table_Heading_Top[0]);
    }
}

TEST_F(LoadCaseResults, LrfdHeadingNamesTheCombination) {
    AnalysisModel& m = g_Model;
    m.b_UseLRFD = -1;
    m.NumLrfdCombinations = 3;
    std::strcpy(m.LrfdCombinationName[3].data(), "Strength I, 1.25 DC + 1.75 LL");
    Complete_And_Write(3, 7);
    const std::vector<std::string> report = Captured_Report_Lines();
    const std::vector<std::string> expected = {
        "",
        "",
        k_Dashes,
        "                 Computed Values of Pile Loading and Deflection",
        "                 for Lateral Loading for LRFD Load Case Number 3",
        "",
        "Load Case No. 3:  Strength I, 1.25 DC + 1.75 LL",
        "",
        k_Dashes,
        "Pile-head conditions are Shear and Moment (Loading Type 1)",
    };
    ASSERT_GE(report.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(report[i], expected[i]) << i;
    EXPECT_EQ(Find_Line(report, "Output Summary for Load Case No. 3:"),
              static_cast<int>(report.size()) - 11);
    // Line 9 belongs to the first case only
    EXPECT_EQ(Captured_Plot_Lines().size(), 5u);
}

struct ZeroPointCase {
    const char* name;
    std::vector<double> y;   // nodes 1..N+1 (the last is the node below the tip)
    int expected;
};

TEST(ZeroDeflectionPoints, CountSignChangesOnly) {
    const ZeroPointCase cases[] = {
        {"no crossing", {0.4, 0.3, 0.2, 0.1, 0.05, 0.0}, 0},
        {"crossing twice", {0.4, 0.1, -0.2, -0.1, 0.05, 0.2}, 2},
        {"touching zero without changing sign", {0.4, 0.1, 0.0, 0.1, 0.2, 0.3}, 0},
        {"crossing at the node below the tip", {0.4, 0.3, 0.2, 0.1, 0.05, -0.01}, 1},
    };
    for (const ZeroPointCase& row : cases) {
        SCOPED_TRACE(row.name);
        Initialize_Model();
        g_Model.NumNodes = static_cast<int>(row.y.size()) - 1;
        for (std::size_t i = 0; i < row.y.size(); ++i) Y_Node(static_cast<int>(i) + 1) = row.y[i];
        EXPECT_EQ(Count_Zero_Deflection_Points(), row.expected);
    }
}

}  // namespace
