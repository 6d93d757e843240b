// Axial capacities against hand calculations (squash load, yield of the steel in tension, the
// transformed section at the concrete's cracking strain), the thrust list's filter and fatal
// checks, the stiffness interpolation on a curve and the layout of the capacity summary.
#include "section/capacities.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/model.h"
#include "model/units.h"
#include "section/section_geometry.h"
#include "section/section_lines.h"
#include "support/model_fixture.h"

namespace {

constexpr double k_Pi = 3.141592653589793;

// The implementation uses 0.85, 1.7 and 0.0075 as single-precision values, within 3e-8 of the
// decimals the hand results use; 1e-6 covers that and still catches a missed bar (> 1e-3).
constexpr double k_Hand_Tol = 1e-6;

bool Has_Line(const std::vector<std::string>& lines, const std::string& text) {
    return Find_Line(lines, text) >= 0;
}

// Index of the first line that starts with text, or -1.
int Find_Prefix(const std::vector<std::string>& lines, const std::string& text) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].compare(0, text.size(), text) == 0) return static_cast<int>(i);
    }
    return -1;
}

class Capacities : public ModelTest {
protected:
    void SetUp() override {
        ModelTest::SetUp();
        Capture_Run_Files();
        g_Model.IUNITS = k_Units_US;
        Set_Section_Unit_Labels();
        g_Model.i_CurrentSection = 1;
        g_Model.b_FillCoreWithConcrete[1] = 0;
    }
    // Section 1 with n bars of equal area, in kips, inches and ksi.
    static void Section(int model, double D, double width, int bars, double bar_area) {
        AnalysisModel& m = g_Model;
        m.i_SectionModel = model;
        m.rd_Depth = D;
        m.rd_Width = width;
        m.rd_fc = 4.0;
        m.rd_fy = 60.0;
        m.rd_Es = 29000.0;
        m.rd_CasingFy = 36.0;
        m.rd_CoreFy = 50.0;
        m.NumBars[1] = bars;
        for (int j = 1; j <= bars; ++j) m.BarArea[j][1] = bar_area;
    }
};

struct AxialCase {
    const char* name;
    int model;
    double D;
    double width;
    int bars;
    double bar_area;
    double casing_wall;
    double core_D;
    double core_wall;
    int filled_core;
    double Pn;    // 0.85 f'c (concrete) + fy As + Fy (steel shells), worked by hand
    double Tn;    // -(fy As + Fy steel shells)
    double Pcr;   // (Es As_all + Ec Aconc) epsT; 0 for the pipe
};

// f'c 4 ksi: Ec = 57 sqrt(4000) = 3604.9965 ksi, ft = -0.0075 sqrt(4000) = -0.474342 ksi,
// eps0 = 1.7 (4) / Ec = 0.00188627, epsT = -(1 - sqrt(1 + ft/f'c)) eps0 = -1.153703e-4.
const AxialCase k_Axial_Cases[] = {
    // 0.85(4)(12 x 18 - 3.16) + 60(3.16) = 913.256; Pcr = (29000(3.16) + Ec(212.84)) epsT.
    {"rectangle 12 x 18, 4 bars of 0.79", k_Model_Rectangle, 18.0, 12.0, 4, 0.79, 0, 0, 0, 0,
     913.256, -189.6, (29000.0 * 3.16 + 3604.9965325919525 * 212.84) * -0.00011537031245258208},
    // Ag = 1017.876: 0.85(4)(1017.876 - 12) + 720 = 4139.978.
    {"round D 36, 12 bars of 1", k_Model_Round, 36.0, 0, 12, 1.0, 0, 0, 0, 0, 4139.978467194516,
     -720.0, -458.5023379794323},
    // Ai = pi/4 35^2 = 962.113, casing 55.763: 36(55.763) + 0.85(4)(952.113) + 600.
    {"cased D 36, wall 0.5, 10 bars", k_Model_Cased, 36.0, 0, 10, 1.0, 0.5, 0, 0, 0,
     5844.661056194248, -2607.477705643876, -616.0195504546825},
    // A filled core gives up only its wall (8.639) to the concrete of Ai = 1734.94.
    {"casing and filled core", k_Model_Cased_Core, 48.0, 0, 12, 1.0, 0.5, 12.0, 0.5, -1,
     10105.86291636153, -4309.269606726335, 0},
    // A hollow core gives up its whole circle (113.097).
    {"casing and hollow core", k_Model_Cased_Core, 48.0, 0, 12, 1.0, 0.5, 12.0, 0.5, 0,
     9782.750111939818, -4309.269606726335, -1019.7727417971553},
    // 36 pi/4 (24^2 - 23^2) = 1328.894 both ways; a pipe has no concrete to crack.
    {"pipe D 24, wall 0.5", k_Model_Pipe, 24.0, 0, 0, 0, 0.5, 0, 0, 0, 1328.893692468483,
     -1328.893692468483, 0},
};

TEST_F(Capacities, NominalAxialCapacitiesMatchHandCalculations) {
    for (const AxialCase& row : k_Axial_Cases) {
        SCOPED_TRACE(row.name);
        Section(row.model, row.D, row.width, row.bars, row.bar_area);
        g_Model.rd_CasingWall = row.casing_wall;
        g_Model.rd_CoreOuterDiameter = row.core_D;
        g_Model.rd_CoreWall = row.core_wall;
        g_Model.b_FillCoreWithConcrete[1] = row.filled_core;
        ComputeAxialCapacity();
        ComputeTensileCapacity();
        ASSERT_EQ(g_Model.ErrorStatus, 0);
        EXPECT_NEAR_REL(g_Model.rd_AxialCapComp, row.Pn, k_Hand_Tol);
        EXPECT_NEAR_REL(g_Model.rd_AxialCapTens, row.Tn, k_Hand_Tol);
        EXPECT_EQ(g_Model.rd_SteelArea, row.bars * row.bar_area);
        if (row.Pcr != 0) {
            EXPECT_NEAR_REL(g_Model.rd_CrackingLoad, row.Pcr, k_Hand_Tol);
        }
    }
}

struct MicropileAxialCase {
    const char* name;
    double casing_wall;   // 0: no casing
    int bars;             // the central bar, 2.5 in, or none
};

// A micropile in an 8 in hole: grout 4 ksi, casing 7 in outside (Fy 36 ksi, E 28000 ksi, a
// modulus apart from the bar's so that each steel shows its own), central bar of 2.5 in (fy 60
// ksi, Es 29000 ksi). The grout fills the hole less the casing ring and the bar.
TEST_F(Capacities, MicropileCapacitiesTakeGroutCasingAndBarEachWithItsOwnStrength) {
    const MicropileAxialCase cases[] = {
        {"casing and bar", 0.5, 1},
        {"no casing", 0.0, 1},
        {"no bar", 0.5, 0},
    };
    const double hole = 0.25 * k_Pi * 8.0 * 8.0;                  // 50.265 in2
    const double bar = 0.25 * k_Pi * 2.5 * 2.5;                   // 4.909 in2
    const double Ec = 3604.9965325919525;                         // 57 sqrt(4000) ksi
    const double epsT = -0.00011537031245258208;                  // of f'c 4 ksi, as above
    for (const MicropileAxialCase& row : cases) {
        SCOPED_TRACE(row.name);
        Section(k_Model_Micropile, 8.0, 0, row.bars, bar);
        g_Model.rd_CasingWall = row.casing_wall;
        g_Model.rd_CasingOuterDiameter = 7.0;
        g_Model.rd_CasingE = 28000.0;
        const double ring = row.casing_wall > 0.0 ? 0.25 * k_Pi * (49.0 - 36.0) : 0.0;   // 10.210 in2
        const double As = row.bars * bar;
        const double grout = hole - ring - As;
        ComputeAxialCapacity();
        ComputeTensileCapacity();
        ASSERT_EQ(g_Model.ErrorStatus, 0);
        EXPECT_NEAR_REL(g_Model.rd_AxialCapComp, 0.85 * 4.0 * grout + 36.0 * ring + 60.0 * As, k_Hand_Tol);
        EXPECT_NEAR_REL(g_Model.rd_AxialCapTens, -(36.0 * ring + 60.0 * As), k_Hand_Tol);
        EXPECT_NEAR_REL(g_Model.rd_CrackingLoad, (28000.0 * ring + 29000.0 * As + Ec * grout) * epsT, k_Hand_Tol);
        // kept for callers like the other bar models
        EXPECT_EQ(g_Model.b_SectionCapacitiesKept[1], -1);
        EXPECT_EQ(g_Model.rd_SectionAxialCapComp[1], g_Model.rd_AxialCapComp);
        EXPECT_EQ(g_Model.rd_SectionAxialCapTens[1], g_Model.rd_AxialCapTens);
        EXPECT_EQ(g_Model.rd_SectionCrackingLoad[1], g_Model.rd_CrackingLoad);
    }
}

TEST_F(Capacities, CrackingConstantsAreTheReinforcedConcreteOnesInBothUnitSystems) {
    Section(k_Model_Round, 36.0, 0, 12, 1.0);
    ComputeTensileCapacity();
    EXPECT_NEAR_REL(g_Model.rd_Ec, 3604.9965325919525, k_Hand_Tol);
    EXPECT_NEAR_REL(g_Model.rd_ft, -0.4743416490252569, k_Hand_Tol);
    EXPECT_NEAR_REL(g_Model.rd_Eps0, 0.0018862708850127174, k_Hand_Tol);
    EXPECT_NEAR_REL(g_Model.rd_EpsT, -0.00011537031245258208, k_Hand_Tol);

    // The same concrete in kPa: stresses scale by the kPa per ksi, strains stay.
    const double kPa = 6894.75732421875;
    g_Model.IUNITS = k_Units_SI;
    g_Model.rd_fc = 4.0 * kPa;
    g_Model.rd_fy = 60.0 * kPa;
    g_Model.rd_Es = 29000.0 * kPa;
    ComputeTensileCapacity();
    EXPECT_NEAR_REL(g_Model.rd_Ec, 3604.9965325919525 * kPa, k_Hand_Tol);
    EXPECT_NEAR_REL(g_Model.rd_ft, -0.4743416490252569 * kPa, k_Hand_Tol);
    EXPECT_NEAR_REL(g_Model.rd_Eps0, 0.0018862708850127174, k_Hand_Tol);
    EXPECT_NEAR_REL(g_Model.rd_EpsT, -0.00011537031245258208, k_Hand_Tol);
}

TEST_F(Capacities, ReportLinesCarryLabelValueAndForceUnit) {
    Section(k_Model_Round, 36.0, 0, 12, 1.0);
    ComputeAxialCapacity();
    ComputeTensileCapacity();
    WriteAxialCapacities(1);
    const std::vector<std::string> lines = Captured_Report_Lines();
    const int heading = Find_Line(lines, "Axial Structural Capacities:");
    ASSERT_GE(heading, 0);
    EXPECT_EQ(lines[heading + 1], "----------------------------");
    // "= " in column 56, F15.3, the trimmed unit label. The single-precision 0.85 adds 9.6e-5
    // kips to the decimal 4139.97847, so the printed value rounds up.
    EXPECT_EQ(lines[heading + 2], "Nom. Axial Structural Capacity = 0.85 Fc Ac + Fy As    =        4139.979 kips");
    EXPECT_EQ(lines[heading + 3], "Tensile Load for Cracking of Concrete                  =        -458.502 kips");
    EXPECT_EQ(lines[heading + 4], "Nominal Axial Tensile Capacity                         =        -720.000 kips");
}

TEST_F(Capacities, PipeReportsTheSteelFormulaAndNoCrackingLoad) {
    Section(k_Model_Pipe, 24.0, 0, 0, 0);
    g_Model.rd_CasingWall = 0.5;
    ComputeAxialCapacity();
    ComputeTensileCapacity();
    WriteAxialCapacities(1);
    const std::vector<std::string> lines = Captured_Report_Lines();
    EXPECT_GE(Find_Prefix(lines, "Nom. Axial Structural Capacity = Fy As "), 0);
    EXPECT_GE(Find_Prefix(lines, "Nominal Axial Tensile Capacity "), 0);
    EXPECT_LT(Find_Prefix(lines, "Tensile Load for Cracking of Concrete"), 0);
    EXPECT_EQ(g_Model.rd_CrackingLoad, 0.0);
}

TEST_F(Capacities, PrestressedSectionsKeepTheirPrestressCapacities) {
    // A chamfer-free square prestressed pile is sliced as a rectangle; its capacities come from
    // the prestress, and the bar formulas must not overwrite them.
    Section(k_Model_Rectangle, 18.0, 18.0, 8, 0.153);
    g_Model.b_Prestressed = -1;
    g_Model.rd_AxialCapComp = 1234.0;
    g_Model.rd_AxialCapTens = -321.0;
    ComputeAxialCapacity();
    ComputeTensileCapacity();
    WriteAxialCapacities(1);
    EXPECT_EQ(g_Model.rd_AxialCapComp, 1234.0);
    EXPECT_EQ(g_Model.b_SectionCapacitiesKept[1], 0);
    EXPECT_EQ(g_Model.rd_AxialCapTens, -321.0);
    EXPECT_TRUE(Captured_Report_Lines().empty());
}

// ---- Thrust list ---------------------------------------------------------------------------

class ThrustList : public Capacities {
protected:
    void SetUp() override {
        Capacities::SetUp();
        g_Model.rd_AxialCapComp = 4000.0;
        g_Model.rd_AxialCapTens = -720.0;
    }
    static void Run_Thrusts(const std::vector<double>& thrusts) {
        g_Model.i_NumTableThrusts = static_cast<int>(thrusts.size());
        for (std::size_t a = 0; a < thrusts.size(); ++a) g_Model.rd_TableThrust[a + 1] = thrusts[a];
    }
};

TEST_F(ThrustList, BendingStiffnessOnlyKeepsThrustsStrictlyInsideTheCapacities) {
    g_Model.i_Analysis_Type = 2;
    // Both capacities themselves are dropped, as is everything beyond them.
    Run_Thrusts({-800.0, -720.0, -100.0, 0.0, 500.0, 4000.0, 4500.0});
    BuildThrustList();
    ASSERT_EQ(g_Model.ErrorStatus, 0);
    WriteThrustList(1);
    ASSERT_EQ(g_Model.i_NumThrusts, 3);
    EXPECT_EQ(g_Model.rd_Thrust[1], -100.0);
    EXPECT_EQ(g_Model.rd_Thrust[2], 0.0);
    EXPECT_EQ(g_Model.rd_Thrust[3], 500.0);
    const std::vector<std::string> lines = Captured_Report_Lines();
    EXPECT_TRUE(Has_Line(lines, "The following computations were performed only for the axial thrust values in the valid range."));
    EXPECT_TRUE(Has_Line(lines, "Number of Axial Thrust Force Values Determined from Input Data = 3"));
    const int table = Find_Line(lines, "   Number     Axial Thrust Force");
    ASSERT_GE(table, 0);
    ASSERT_GE(static_cast<int>(lines.size()), table + 6);
    EXPECT_EQ(lines[table + 1], "             kips");
    EXPECT_EQ(lines[table + 2], "   ------     ------------------");
    EXPECT_EQ(lines[table + 3], "      1             -100.000");
    EXPECT_EQ(lines[table + 5], "      3              500.000");
    const std::vector<std::string> plot = Captured_Plot_Lines();
    ASSERT_EQ(plot.size(), 1u);
    EXPECT_EQ(plot[0], "    3" + std::string(75, ' ') +
                           "Line 3 : Total number of axial thrusts for EI-only computations");
}

TEST_F(ThrustList, ListInsideTheRangeGetsNoNoteAndLaterSectionsNoRecord) {
    g_Model.i_Analysis_Type = 2;
    Run_Thrusts({0.0, 100.0});
    BuildThrustList();
    WriteThrustList(2);
    EXPECT_EQ(g_Model.i_NumThrusts, 2);
    EXPECT_LT(Find_Prefix(Captured_Report_Lines(), "The following computations"), 0);
    EXPECT_TRUE(Captured_Plot_Lines().empty());
}

struct CheckCase {
    const char* name;
    int lrfd;
    std::vector<double> thrusts;
    int status;                 // 0: the list passes
    const char* title;
    const char* problem;
    const char* thrust_line;
    const char* capacity_line;
};

const CheckCase k_Check_Cases[] = {
    {"both capacities exactly pass", 0, {-720.0, 0.0, 4000.0}, 0, "", "", "", ""},
    {"second thrust beyond compression", 0, {100.0, 4000.5, -800.0}, 224,
     "**** Runtime Error No. 24 ****",
     "PROBLEM:  The axial thrust load for load case no. 2 exceeds the axial structural capacity in compression.",
     "          Axial thrust load                  =        4000.500 kips",
     "          Nominal axial compressive capacity =        4000.000 kips"},
    {"first thrust beyond tension ends the run first", 0, {-800.0, 5000.0}, 225,
     "**** Runtime Error No. 25 ****",
     "PROBLEM:  The axial thrust load for load case no. 1 exceeds the axial structural capacity in tension.",
     "          Axial thrust load              =        -800.000 kips",
     "          Nominal axial tensile capacity =        -720.000 kips"},
    {"LRFD combination beyond compression", -1, {0.0, 4100.0}, 226,
     "**** Runtime Error No. 26 ****",
     "PROBLEM:  The axial thrust load for LRFD load case no. 2 exceeds the axial structural capacity in compression.",
     "          Factored axial thrust load     =        4100.000 kips",
     "          Nominal axial compressive capacity =        4000.000 kips"},
    {"LRFD combination beyond tension", -1, {-721.0}, 227,
     "**** Runtime Error No. 27 ****",
     "PROBLEM:  The axial thrust load for LRFD load case no. 1 exceeds the axial structural capacity in tension.",
     "          Factored axial thrust load     =        -721.000 kips",
     "          Nominal axial tensile capacity =        -720.000 kips"},
};

TEST_F(ThrustList, ConventionalRunsStopAtTheFirstThrustBeyondACapacity) {
    for (const CheckCase& row : k_Check_Cases) {
        SCOPED_TRACE(row.name);
        TearDown();
        SetUp();
        g_Model.i_Analysis_Type = 3;
        g_Model.b_UseLRFD = row.lrfd;
        Run_Thrusts(row.thrusts);
        BuildThrustList();
        EXPECT_EQ(g_Model.ErrorStatus, row.status);
        if (g_Model.ErrorStatus == 0) WriteThrustList(1);
        const std::vector<std::string> lines = Captured_Report_Lines();
        if (row.status == 0) {
            EXPECT_EQ(g_Model.i_NumThrusts, static_cast<int>(row.thrusts.size()));
            EXPECT_TRUE(Has_Line(lines, "Number of Axial Thrust Force Values Determined from Pile-head Loadings = 3"));
            EXPECT_EQ(Captured_Plot_Lines().at(0).substr(80), "Line 3 : Total number of axial thrusts");
            continue;
        }
        const int title = Find_Line(lines, row.title);
        ASSERT_GE(title, 1);
        EXPECT_EQ(lines[title - 1], "");
        ASSERT_EQ(static_cast<int>(lines.size()), title + 7);   // nothing written after the frame
        EXPECT_EQ(lines[title + 1], "");
        EXPECT_EQ(lines[title + 2], row.problem);
        EXPECT_EQ(lines[title + 3], row.thrust_line);
        EXPECT_EQ(lines[title + 4], row.capacity_line);
        EXPECT_EQ(lines[title + 5], "");
        EXPECT_EQ(lines[title + 6], "SOLUTION: Change the properties of the section to increase the axial structural capacity.");
        EXPECT_TRUE(Captured_Plot_Lines().empty());
    }
}

TEST_F(ThrustList, LrfdListIsCountedUnderItsOwnLabel) {
    g_Model.i_Analysis_Type = 3;
    g_Model.b_UseLRFD = -1;
    Run_Thrusts({10.0, 20.0});
    BuildThrustList();
    ASSERT_EQ(g_Model.ErrorStatus, 0);
    WriteThrustList(1);
    const std::vector<std::string> lines = Captured_Report_Lines();
    const int count = Find_Line(lines, "Number of Axial Thrust Force Values Determined from LRFD Pile-head Loadings = 2");
    ASSERT_GE(count, 1);
    EXPECT_EQ(lines[count - 1], "");
    EXPECT_EQ(Captured_Plot_Lines().at(0).substr(80), "Line 3 : Total number of axial thrusts for LRFD");
}

// ---- Stiffness at a moment -------------------------------------------------------------

class CurveLookup : public ModelTest {
protected:
    static constexpr int k_A = 2;   // a thrust other than 1, to catch a fixed index
    void SetUp() override {
        ModelTest::SetUp();
        const double M[] = {100.0, 200.0, 300.0};
        const double EI[] = {1000.0, 800.0, 500.0};
        g_Model.i_NumCurvPoints[k_A] = 3;
        for (int k = 1; k <= 3; ++k) {
            g_Model.rd_Moment[k_A][k] = M[k - 1];
            g_Model.rd_EI[k_A][k] = EI[k - 1];
        }
        // Point 0 and the point after the curve are never computed; values there must not leak.
        g_Model.rd_Moment[k_A][0] = 0.0;
        g_Model.rd_EI[k_A][0] = -7.0;
        g_Model.rd_Moment[k_A][4] = 1000.0;
        g_Model.rd_EI[k_A][4] = -9.0;
    }
};

TEST_F(CurveLookup, LinearInMomentBetweenPointsAndClampedOutside) {
    struct Row { const char* name; double M; double EI; };
    const Row rows[] = {
        {"zero moment takes the first point", 0.0, 1000.0},
        {"below the first point", 50.0, 1000.0},
        {"at the first point", 100.0, 1000.0},
        {"halfway to the second", 150.0, 900.0},
        {"three quarters into the last interval", 275.0, 575.0},
        {"at the last point", 300.0, 500.0},
        {"beyond the last computed point", 600.0, 500.0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        // Linear interpolation of a few products of exact binary values.
        EXPECT_NEAR(InterpolateEIAtMoment(k_A, row.M), row.EI, 1e-9);
    }
}

TEST_F(CurveLookup, ACurveWithoutPointsGivesNoStiffness) {
    EXPECT_EQ(InterpolateEIAtMoment(1, 50.0), 0.0);
}

// ---- Capacity summary ------------------------------------------------------------------

class Summary : public Capacities {
protected:
    void SetUp() override {
        Capacities::SetUp();
        AnalysisModel& m = g_Model;
        m.i_NumThrusts = 2;
        m.rd_Thrust[1] = 100.0;
        m.rd_Thrust[2] = 500.0;
        m.rd_NominalMomentCap[1] = 5000.0;
        m.rd_NominalMomentCap[2] = 6000.0;
        m.rd_StrainAtCap[1] = 0.003;
        m.rd_StrainAtCap[2] = 0.0025;
        // Curve 1: EI falls linearly from 2e6 at 1000 in-kip to 1e6 at 5000 in-kip.
        m.i_NumCurvPoints[1] = 2;
        m.rd_Moment[1][1] = 1000.0;
        m.rd_EI[1][1] = 2.0e6;
        m.rd_Moment[1][2] = 5000.0;
        m.rd_EI[1][2] = 1.0e6;
        m.i_NumCurvPoints[2] = 1;
        m.rd_Moment[2][1] = 6000.0;
        m.rd_EI[2][1] = 3.0e6;
    }
};

TEST_F(Summary, ConcreteSectionsGetNominalAndFactoredTables) {
    g_Model.i_SectionModel = k_Model_Round;
    KeepMomentCapacities(3);
    WriteCapacitySummary(3);
    const std::vector<std::string> lines = Captured_Report_Lines();
    ASSERT_GE(lines.size(), 5u);
    EXPECT_EQ(lines[0], "");
    EXPECT_EQ(lines[1], "");
    EXPECT_EQ(lines[2], std::string(80, '-'));
    EXPECT_EQ(lines[3], "   Summary of Results for Nominal (Unfactored) Moment Capacity for Section 3");
    EXPECT_EQ(lines[4], std::string(80, '-'));
    const int nominal = Find_Line(lines, " ----         ----------------     ------------------     ------------");
    ASSERT_GE(nominal, 1);
    // The 8-character labels start in columns 20 and 41, each with its leading blank.
    EXPECT_EQ(lines[nominal - 1], "  No.               kips                 in-kip              Strain");
    EXPECT_EQ(lines[nominal + 1], "   1         100.000        5000.000     0.00300000");
    EXPECT_EQ(lines[nominal + 2], "   2         500.000        6000.000     0.00250000");
    EXPECT_TRUE(Has_Line(lines, "Note note that the values of moment capacity in the table above are not "));

    const int factored = Find_Prefix(lines, " -----     ----------");
    ASSERT_GE(factored, 1);
    EXPECT_EQ(lines[factored - 1],
              "  No.      for Moment           in-kip                   kips                   in-kip                 kip-in^2");
    // phi 0.65 on thrust 1: Mu = 3250 in-kip lies 9/16 along the curve from 1000 to 5000, so
    // EI = 2e6 - (2250/4000) 1e6 = 1437500; phi P = 65. phi is the single-precision 0.65,
    // 2.4e-8 low, so Mu is 1.2e-4 below 3250 and EI 0.03 above the decimal result.
    EXPECT_EQ(lines[factored + 1],
              "   1          0.65                5000.000                  65.000                "
              "3250.000             1437500.030");
    // Three blocks of two rows, an empty line between blocks; phi 0.75 on thrust 2: Mu = 4500
    // is below the first point of its curve, which gives the stiffness.
    ASSERT_GE(static_cast<int>(lines.size()), factored + 9);
    EXPECT_EQ(lines[factored + 3], "");
    EXPECT_EQ(lines[factored + 6], "");
    EXPECT_EQ(lines[factored + 8],
              "   2          0.75                6000.000                 375.000                "
              "4500.000             3000000.000");
}

TEST_F(Summary, PipeGetsTheNominalTableWithoutFactoredCapacities) {
    g_Model.i_SectionModel = k_Model_Pipe;
    KeepMomentCapacities(1);
    WriteCapacitySummary(1);
    const std::vector<std::string> lines = Captured_Report_Lines();
    const int rule = Find_Line(lines, " ----         ----------------     ------------------");
    ASSERT_GE(rule, 0);
    EXPECT_EQ(lines[rule + 1], "   1         100.000          5000.0");
    EXPECT_TRUE(Has_Line(lines, "reduction factor for LRFD."));
    EXPECT_LT(Find_Prefix(lines, "Note note"), 0);
    EXPECT_LT(Find_Prefix(lines, " Axial     Resistance"), 0);
}

}  // namespace
