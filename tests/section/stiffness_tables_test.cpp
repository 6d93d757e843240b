// Bending-stiffness tables without moment-curvature analysis, checked against their closed
// forms (elastic M = EI phi; elastic-plastic M = EI phi up to Mp, then Mp with EI = Mp / phi),
// against the chords of the user's M-EI points, and for the refusals of tables that cannot be
// made into a curve.
#include "section/stiffness_tables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "model/model.h"
#include "model/units.h"
#include "support/model_fixture.h"

namespace {

// Table values are products and quotients of a few input values; the E15.7 records carry 8
// significant digits. Both tolerances are relative.
constexpr double k_Rel = 1e-12;
constexpr double k_Record_Rel = 1e-7;

// Value of field i (0-based) of a record of E15.7 fields.
double Field(const std::string& record, int i) { return std::strtod(record.substr(15 * i, 15).c_str(), nullptr); }
// Field of a Line 4 record: I5, 10X, then E15.7 fields.
double Line4_Field(const std::string& record, int i) {
    return std::strtod(record.substr(15 + 15 * i, 15).c_str(), nullptr);
}

std::vector<std::string> Records_Starting(const std::vector<std::string>& lines, const std::string& label) {
    std::vector<std::string> found;
    for (const std::string& l : lines) {
        if (l.size() > 80 && l.compare(80, label.size(), label) == 0) found.push_back(l);
    }
    return found;
}

class StiffnessTables : public ModelTest {
protected:
    static constexpr int k_S = 2;   // a section other than 1, to catch a fixed index

    void SetUp() override {
        ModelTest::SetUp();
        Capture_Run_Files();
        AnalysisModel& m = g_Model;
        m.IUNITS = k_Units_SI;
        m.NumSections = 2;
        m.i_NumTableThrusts = 2;
        m.rd_TableThrust[1] = 0.0;
        m.rd_TableThrust[2] = 500.0;
    }
    // Section k_S from x = 10 to x = 30 along a pile of nodes every 5 from 0 to 40.
    void Place_Section_And_Nodes() {
        AnalysisModel& m = g_Model;
        m.XSectionTop[k_S] = 10.0;
        m.XSectionBottom[k_S] = 30.0;
        m.SectionLength[k_S] = 20.0;
        m.NumNodes = 9;
        for (int k = 1; k <= 9; ++k) {
            m.XNode[k] = 5.0 * (k - 1);
            m.EI_Node[k] = -1.0;   // marks a node the fill must leave alone
        }
    }
    void Set_Elastic(double E, double I_top, double I_bottom) {
        AnalysisModel& m = g_Model;
        m.SectionType[k_S] = 11;
        m.ElasticModulus[k_S] = E;
        m.TopInertia[k_S] = I_top;
        m.BottomInertia[k_S] = I_bottom;
    }
    void Set_User_Points(int b, double thrust, const std::vector<std::pair<double, double>>& points) {
        AnalysisModel& m = g_Model;
        m.SectionType[k_S] = 13;
        if (m.i_NumMEIThrusts[k_S] < b) m.i_NumMEIThrusts[k_S] = b;
        m.MEIThrust[b][k_S] = thrust;
        m.i_NumMEIPoints[b][k_S] = static_cast<int>(points.size());
        for (std::size_t p = 0; p < points.size(); ++p) {
            m.MEIMoment[p + 1][b][k_S] = points[p].first;
            m.MEIStiffness[p + 1][b][k_S] = points[p].second;
        }
    }
    static double M(int t, int k) { return g_Model.rd_TableMoment[k_S][t][k]; }
    static double EI(int t, int k) { return g_Model.rd_TableEI[k_S][t][k]; }
    static double Phi(int t, int k) { return g_Model.rd_TableCurvature[k_S][t][k]; }
};

// ---- Elastic -------------------------------------------------------------------------------

TEST_F(StiffnessTables, ElasticTableHasOneStiffnessAtEveryCurvatureUpTo1500) {
    Set_Elastic(2.0e8, 0.004, 0.004);   // SI: EI = 800000 kN-m2
    FillElasticTables(k_S);
    ASSERT_EQ(g_Model.ErrorStatus, 0);
    for (int t = 1; t <= 2; ++t) {
        SCOPED_TRACE(t);
        ASSERT_EQ(g_Model.i_TablePoints[k_S][t], 150);
        for (int k = 1; k <= 150; ++k) {
            EXPECT_EQ(EI(t, k), 8.0e5);
            EXPECT_EQ(Phi(t, k), 10.0 * k);
            EXPECT_NEAR_REL(M(t, k), 8.0e5 * 10.0 * k, k_Rel);
        }
        EXPECT_EQ(Phi(t, 150), 1500.0);
        EXPECT_NEAR_REL(g_Model.rd_TableNominalCap[k_S][t], 8.0e5 * 1500.0, k_Rel);
    }
    EXPECT_NE(Find_Line(Captured_Report_Lines(), "Moment-curvature properties were derived from elastic section properties"),
              -1);
}

TEST_F(StiffnessTables, ElasticTablesOfUSRunsAreInKipsAndTheNodesInPounds) {
    g_Model.IUNITS = k_Units_US;
    Place_Section_And_Nodes();
    Set_Elastic(29.0e6, 1000.0, 3000.0);   // EI 2.9e10 at top, 8.7e10 at bottom (lb-in2)
    FillElasticTables(k_S);
    ASSERT_EQ(g_Model.ErrorStatus, 0);
    EXPECT_NEAR_REL(EI(1, 1), 2.9e7, k_Rel);                 // kip-in2
    EXPECT_NEAR_REL(M(2, 150), 2.9e7 * 1500.0, k_Rel);       // in-kips
    EXPECT_NEAR_REL(g_Model.rd_TableNominalCap[k_S][2], 2.9e10 * 1500.0, k_Rel);   // in-lb
    // Nodes in (10, 30] interpolate by depth; the top node belongs to the section above.
    const double expected[] = {-1.0, -1.0, -1.0, 4.35e10, 5.8e10, 7.25e10, 8.7e10, -1.0, -1.0};
    for (int k = 1; k <= 9; ++k) {
        SCOPED_TRACE(k);
        if (expected[k - 1] < 0.0) {
            EXPECT_EQ(g_Model.EI_Node[k], -1.0);
        } else {
            EXPECT_NEAR_REL(g_Model.EI_Node[k], expected[k - 1], k_Rel);
        }
    }
}

TEST_F(StiffnessTables, ElasticSectionAtThePileHeadGivesTheHeadNodeItsTopStiffness) {
    Place_Section_And_Nodes();
    g_Model.XSectionTop[k_S] = 0.0;
    g_Model.SectionLength[k_S] = 30.0;
    Set_Elastic(1.0, 100.0, 400.0);
    FillElasticTables(k_S);
    EXPECT_EQ(g_Model.EI_Node[1], 100.0);
    EXPECT_NEAR_REL(g_Model.EI_Node[4], 250.0, k_Rel);   // x = 15 of 0..30
}

TEST_F(StiffnessTables, ElasticRecordsCarryTheirLabelsAndCountsWithLine3ForSectionOneOnly) {
    Set_Elastic(2.0e8, 0.004, 0.004);
    FillElasticTables(k_S);
    FillElasticTables(1);   // section 1 has E = 0 and is refused: nothing is written for it
    EXPECT_EQ(g_Model.ErrorStatus, 186);
    const std::vector<std::string> plot = Captured_Plot_Lines();
    EXPECT_TRUE(Records_Starting(plot, "Line 3 :").empty());
    const std::vector<std::string> line4 = Records_Starting(
        plot, "Line 4 : Num. Elas. M-EI-Crv Points, Axial Thrust Load (kN) , Nom. Moment Cap. (kN-m) for linear EI pile at top of section");
    ASSERT_EQ(line4.size(), 2u);
    EXPECT_EQ(line4[1].substr(0, 5), "  150");
    EXPECT_NEAR_REL(Line4_Field(line4[1], 0), 500.0, k_Record_Rel);
    EXPECT_NEAR_REL(Line4_Field(line4[1], 1), 8.0e5 * 1500.0, k_Record_Rel);
    const std::vector<std::string> line5 =
        Records_Starting(plot, "Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=");
    ASSERT_EQ(line5.size(), 300u);
    EXPECT_EQ(line5[299].substr(80), "Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=2, AxLd#=2, CurvPnt#=150");

    // Section 1 writes the count of thrusts before its curves.
    Initialize_Model();
    Capture_Run_Files();
    g_Model.IUNITS = k_Units_US;
    g_Model.i_NumTableThrusts = 3;
    g_Model.ElasticModulus[1] = 1.0;
    g_Model.TopInertia[1] = 1.0;
    g_Model.BottomInertia[1] = 1.0;
    FillElasticTables(1);
    const std::vector<std::string> us_plot = Captured_Plot_Lines();
    ASSERT_FALSE(us_plot.empty());
    EXPECT_EQ(us_plot[0], "    3" + std::string(75, ' ') + "Line 3 : Total number of axial thrusts for elastic section");
    EXPECT_EQ(Records_Starting(us_plot, "Line 4 : Num. Elas. M-EI-Crv Points, Axial Thrust Load (kips), Nom. Moment Cap. (in-kips) for linear EI pile at top of section").size(), 3u);
}

// ---- Elastic-plastic -----------------------------------------------------------------------

TEST_F(StiffnessTables, ElasticPlasticTableIsElasticToThePlasticMomentThenHoldsIt) {
    AnalysisModel& m = g_Model;
    m.IUNITS = k_Units_US;
    m.SectionType[k_S] = 12;
    m.ElasticModulus[k_S] = 29.0e6;
    m.TopInertia[k_S] = 1000.0;          // EI = 2.9e10 lb-in2
    m.BottomInertia[k_S] = 1000.0;
    m.PlasticMomentTop[k_S] = 5.8e6;     // Mp in-lb, so phi_y = 2e-4 rad/in
    m.PlasticMomentBottom[k_S] = 5.8e6;
    FillElasticPlasticTables(k_S);
    ASSERT_EQ(m.ErrorStatus, 0);
    const double EI0 = 2.9e7;            // kip-in2
    const double Mp = 5.8e3;             // in-kips
    const double phi_y = 2.0e-4;
    for (int t = 1; t <= 2; ++t) {
        SCOPED_TRACE(t);
        ASSERT_EQ(m.i_TablePoints[k_S][t], 150);
        for (int k = 1; k <= 150; ++k) {
            SCOPED_TRACE(k);
            const double phi = Phi(t, k);
            EXPECT_NEAR_REL(M(t, k), EI(t, k) * phi, k_Rel);
            if (k <= 100) {
                EXPECT_NEAR_REL(phi, phi_y * k / 100.0, k_Rel);
                EXPECT_NEAR_REL(EI(t, k), EI0, k_Rel);
            } else {
                EXPECT_NEAR_REL(phi, phi_y * (1.0 + 0.2 * (k - 100)), k_Rel);
                EXPECT_NEAR_REL(M(t, k), Mp, k_Rel);
            }
        }
        EXPECT_NEAR_REL(M(t, 100), Mp, k_Rel);                 // the elastic branch ends at Mp
        EXPECT_NEAR_REL(EI(t, 150), EI0 / 11.0, k_Rel);        // phi(150) = 11 phi_y
        EXPECT_NEAR_REL(m.rd_TableNominalCap[k_S][t], 5.8e6, k_Rel);
    }
    // Records in the units their labels name: Line 4 capacity in in-kip, Line 5 in pounds.
    const std::vector<std::string> plot = Captured_Plot_Lines();
    const std::vector<std::string> line4 = Records_Starting(
        plot, "Line 4 : Num. M-EI-Crv Points, Axial Thrust Load (kips), Nom. Moment Cap. (in-kip) for elastic-plastic EI at top of section");
    ASSERT_EQ(line4.size(), 2u);
    EXPECT_NEAR_REL(Line4_Field(line4[0], 1), Mp, k_Record_Rel);
    const std::vector<std::string> line5 =
        Records_Starting(plot, "Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=");
    ASSERT_EQ(line5.size(), 300u);
    EXPECT_NEAR_REL(Field(line5[99], 0), 5.8e6, k_Record_Rel);
    EXPECT_NEAR_REL(Field(line5[99], 1), 2.9e10, k_Record_Rel);
    EXPECT_NE(Find_Line(Captured_Report_Lines(), "Moment-curvature properties were derived from elastic-plastic section properties"),
              -1);
}

// Before the fix an EI or Mp of 0 divided by zero into the yield curvature and the tables
// were filled with infinities and NaNs; now the section is refused as input error 86.
TEST_F(StiffnessTables, ElasticPlasticSectionWithoutStiffnessOrPlasticMomentIsRefused) {
    struct Case { const char* name; double E; double I_bottom; double Mp_top; double Mp_bottom; const char* value_text; };
    const Case cases[] = {
        {"zero modulus", 0.0, 1.0, 10.0, 10.0, "EI at top"},
        {"negative inertia at bottom", 1.0, -1.0, 10.0, 10.0, "EI at bottom"},
        {"zero plastic moment", 1.0, 1.0, 0.0, 10.0, "plastic moment capacity at top"},
        {"negative plastic moment at bottom", 1.0, 1.0, 10.0, -5.0, "plastic moment capacity at bottom"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        AnalysisModel& m = g_Model;
        m.SectionType[k_S] = 12;
        m.ElasticModulus[k_S] = c.E;
        m.TopInertia[k_S] = 1.0;
        m.BottomInertia[k_S] = c.I_bottom;
        m.PlasticMomentTop[k_S] = c.Mp_top;
        m.PlasticMomentBottom[k_S] = c.Mp_bottom;
        FillElasticPlasticTables(k_S);
        EXPECT_EQ(m.ErrorStatus, 186);
        EXPECT_EQ(m.i_TablePoints[k_S][1], 0);
        EXPECT_TRUE(Captured_Plot_Lines().empty());
        const std::vector<std::string> report = Captured_Report_Lines();
        const int head = Find_Line(report, "***** Input Data Error No. 86 *****");
        ASSERT_NE(head, -1);
        EXPECT_EQ(report[head + 2].rfind("Problem:  Section 2: ", 0), 0u) << report[head + 2];
        EXPECT_NE(report[head + 2].find(c.value_text), std::string::npos) << report[head + 2];
    }
}

// ---- User-defined M-EI ---------------------------------------------------------------------

// Each row: input points, the expected number of table points, and where input points must
// reappear unchanged (input index, table index).
TEST_F(StiffnessTables, UserPointsAreRefinedAlongTheChordsOfTheGivenTable) {
    struct Case {
        const char* name;
        std::vector<std::pair<double, double>> points;
        int expected_points;
        std::vector<std::pair<int, int>> input_at;
    };
    std::vector<std::pair<double, double>> full;
    for (int p = 1; p <= 150; ++p) full.push_back({10.0 * p, 1.0e4 - p});
    const Case cases[] = {
        // m = 4 with the zero point, r = 147 div 3 = 49: 3 x 49 + 1 points
        {"zero point put in front", {{100.0, 1.0e6}, {200.0, 8.0e5}, {250.0, 5.0e5}}, 148, {{1, 50}, {2, 99}, {3, 148}}},
        // m = n = 3, r = 147 div 2 = 73
        {"first moment already zero", {{0.0, 1.0e6}, {100.0, 8.0e5}, {200.0, 5.0e5}}, 147, {{1, 1}, {2, 74}, {3, 147}}},
        // one point with a moment: the zero point and 149 steps to it
        {"one point with a moment", {{50.0, 2.0e3}}, 150, {{1, 150}}},
        // a single zero-moment point used to divide by zero (m - 1 = 0); it is kept as given
        {"one point at zero moment", {{0.0, 2.0e3}}, 1, {{1, 1}}},
        // n = 150 leaves no room: r = 0 and the input is the table
        {"150 points used as given", full, 150, {{1, 1}, {75, 75}, {150, 150}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        g_Model.i_NumTableThrusts = 1;
        Set_User_Points(1, 0.0, c.points);
        FillUserEITables(k_S);
        ASSERT_EQ(g_Model.ErrorStatus, 0);
        ASSERT_EQ(g_Model.i_TablePoints[k_S][1], c.expected_points);
        // Every input point reappears, and the points between two of them lie on their chord.
        for (const auto& [input, at] : c.input_at) {
            EXPECT_EQ(M(1, at), c.points[input - 1].first);
            EXPECT_EQ(EI(1, at), c.points[input - 1].second);
        }
        for (int k = 1; k <= c.expected_points; ++k) {
            SCOPED_TRACE(k);
            EXPECT_NEAR(Phi(1, k), M(1, k) / EI(1, k), 1e-15 * (1.0 + std::fabs(Phi(1, k))));
            if (k > 1 && k < c.expected_points) {
                // uniform steps: each point is the mean of its neighbours unless it is an input point
                bool input_point = false;
                for (const auto& pair : c.input_at) input_point = input_point || pair.second == k;
                if (!input_point && c.points.size() < 150) {
                    EXPECT_NEAR(M(1, k), 0.5 * (M(1, k - 1) + M(1, k + 1)), 1e-9 * std::fabs(M(1, k + 1)) + 1e-12);
                    EXPECT_NEAR(EI(1, k), 0.5 * (EI(1, k - 1) + EI(1, k + 1)), 1e-9 * std::fabs(EI(1, k + 1)));
                }
            }
        }
        double largest = 0.0;
        for (const auto& point : c.points) largest = std::max(largest, point.first);
        EXPECT_NEAR_REL(g_Model.rd_TableNominalCap[k_S][1], largest, k_Rel);
    }
}

TEST_F(StiffnessTables, UserTablesOfUSRunsAreWrittenInPoundsAndStoredInKips) {
    g_Model.IUNITS = k_Units_US;
    g_Model.i_NumTableThrusts = 1;
    Set_User_Points(1, 0.0, {{0.0, 4.0e9}, {2.0e6, 2.0e9}});
    FillUserEITables(k_S);
    ASSERT_EQ(g_Model.ErrorStatus, 0);
    const int n = g_Model.i_TablePoints[k_S][1];
    EXPECT_NEAR_REL(M(1, n), 2.0e3, k_Rel);
    EXPECT_NEAR_REL(EI(1, n), 2.0e6, k_Rel);
    EXPECT_NEAR_REL(Phi(1, n), 1.0e-3, k_Rel);   // curvature does not change with the units
    EXPECT_NEAR_REL(g_Model.rd_TableNominalCap[k_S][1], 2.0e6, k_Rel);
    const std::vector<std::string> plot = Captured_Plot_Lines();
    const std::vector<std::string> line5 = Records_Starting(plot, "Line 5 : Moment, EI, Curvature for Sect#=");
    ASSERT_EQ(static_cast<int>(line5.size()), n);
    EXPECT_NEAR_REL(Field(line5.back(), 0), 2.0e6, k_Record_Rel);
    EXPECT_NEAR_REL(Field(line5.back(), 1), 2.0e9, k_Record_Rel);
    const std::vector<std::string> line4 = Records_Starting(
        plot, "Line 4 : Num. M-EI-Crv Points, Axial Thrust Load (kips), Nom. Moment Cap. (in-kips) for input M-EI pile, Section 2");
    ASSERT_EQ(line4.size(), 1u);
    EXPECT_NEAR_REL(Line4_Field(line4[0], 1), 2.0e3, k_Record_Rel);
    const std::vector<std::string> report = Captured_Report_Lines();
    ASSERT_GE(report.size(), 3u);
    EXPECT_EQ(report[0], "Moment-Curvature properties for Section 2 derived from input values for nonlinear M-EI properties");
    EXPECT_EQ(report[1], "");
    EXPECT_EQ(report[2], "");
}

// The user's tables belong to the section's own thrusts. Before the fix the run's thrust index
// t picked user table t whatever its thrust, and a run with more thrusts than the section read
// tables that were never given. Now each run thrust takes the user table of its thrust, the
// nearest one beyond the ends, or the blend of the two around it at equal curvature.
TEST_F(StiffnessTables, EachRunThrustTakesTheUserTableOfItsThrust) {
    struct Case { const char* name; int units; double run_thrust; double EI_first; double EI_last; };
    // Lower table (thrust 0): EI 1000 at phi 0.1, 500 at phi 0.4; upper (thrust 100): 2000, 1000.
    const Case cases[] = {
        {"below the lowest thrust", k_Units_SI, -10.0, 1000.0, 500.0},
        {"at the lower thrust", k_Units_SI, 0.0, 1000.0, 500.0},
        {"a quarter of the way", k_Units_SI, 25.0, 1250.0, 625.0},
        {"half way", k_Units_SI, 50.0, 1500.0, 750.0},
        {"at the upper thrust", k_Units_SI, 100.0, 2000.0, 1000.0},
        {"beyond the highest thrust", k_Units_SI, 250.0, 2000.0, 1000.0},
        // US user thrusts are in pounds, the run's in kips: 50 kips lies half way to 100000 lb
        {"US half way", k_Units_US, 50.0, 1500.0, 750.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        for (bool reversed : {false, true}) {
            SCOPED_TRACE(reversed ? "user thrusts given high to low" : "user thrusts given low to high");
            SetUp();
            g_Model.IUNITS = c.units;
            const double scale = c.units == k_Units_US ? 1000.0 : 1.0;
            g_Model.i_NumTableThrusts = 1;
            g_Model.rd_TableThrust[1] = c.run_thrust;
            const std::vector<std::pair<double, double>> low = {{100.0, 1000.0}, {200.0, 500.0}};
            const std::vector<std::pair<double, double>> high = {{200.0, 2000.0}, {400.0, 1000.0}};
            Set_User_Points(reversed ? 2 : 1, 0.0, low);
            Set_User_Points(reversed ? 1 : 2, 100.0 * scale, high);
            FillUserEITables(k_S);
            ASSERT_EQ(g_Model.ErrorStatus, 0);
            // Two points with a moment: the zero point in front, r = 148 div 2 = 74.
            ASSERT_EQ(g_Model.i_TablePoints[k_S][1], 149);
            EXPECT_NEAR_REL(EI(1, 1) * scale, c.EI_first, k_Rel);
            EXPECT_NEAR_REL(EI(1, 75) * scale, c.EI_first, k_Rel);
            EXPECT_NEAR_REL(Phi(1, 75), 0.1, k_Rel);
            EXPECT_NEAR_REL(M(1, 75) * scale, 0.1 * c.EI_first, k_Rel);
            EXPECT_NEAR_REL(EI(1, 149) * scale, c.EI_last, k_Rel);
            EXPECT_NEAR_REL(Phi(1, 149), 0.4, k_Rel);
        }
    }
}

TEST_F(StiffnessTables, UserTablesThatCannotMakeACurveAreRefused) {
    struct Case { const char* name; int thrusts; int points; double EI; const char* text; };
    const Case cases[] = {
        {"no thrust at all", 0, 2, 1.0, "has no axial thrust"},
        {"a thrust without points", 1, 0, 1.0, "number of M-EI points"},
        {"zero bending stiffness", 1, 2, 0.0, "bending stiffness EI = "},
        {"negative bending stiffness", 1, 2, -3.0, "bending stiffness EI = "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        AnalysisModel& m = g_Model;
        m.SectionType[k_S] = 13;
        m.i_NumMEIThrusts[k_S] = c.thrusts;
        m.i_NumMEIPoints[1][k_S] = c.points;
        m.MEIMoment[1][1][k_S] = 0.0;
        m.MEIStiffness[1][1][k_S] = 5.0;
        m.MEIMoment[2][1][k_S] = 10.0;
        m.MEIStiffness[2][1][k_S] = c.EI;
        FillUserEITables(k_S);
        EXPECT_EQ(m.ErrorStatus, 186);
        EXPECT_EQ(m.i_TablePoints[k_S][1], 0);
        EXPECT_TRUE(Captured_Plot_Lines().empty());
        const std::vector<std::string> report = Captured_Report_Lines();
        const int head = Find_Line(report, "***** Input Data Error No. 86 *****");
        ASSERT_NE(head, -1);
        EXPECT_NE(report[head + 2].find("Section 2"), std::string::npos) << report[head + 2];
        EXPECT_NE(report[head + 2].find(c.text), std::string::npos) << report[head + 2];
    }
}

// Moments that are negative, that do not rise from point to point, or whose curvature M / EI
// turns back cannot make a curve: before these checks a table starting at a negative moment put
// NaN and negative stiffness into the tables and the run ended normally. Each is refused as
// input error 86 naming the section, the point and the thrust; a rising table passes.
TEST_F(StiffnessTables, UserTablesWithNegativeOrFallingMomentsAreRefused) {
    struct Case {
        const char* name;
        std::vector<std::pair<double, double>> points;
        const char* text;   // in the problem line, "" for a table that passes
    };
    const Case cases[] = {
        {"starts at a negative moment", {{-100.0, 1.0e6}, {200.0, 8.0e5}}, "negative moment M at point 1 of the axial thrust"},
        {"a negative moment later", {{0.0, 1.0e6}, {100.0, 8.0e5}, {-50.0, 5.0e5}}, "negative moment M at point 3"},
        {"moments fall", {{0.0, 1.0e6}, {200.0, 8.0e5}, {150.0, 5.0e5}}, "moment M not larger than the one before at point 3"},
        {"moments repeat", {{100.0, 1.0e6}, {100.0, 8.0e5}}, "moment M not larger than the one before at point 2"},
        // M rises but EI rises faster: 100 / 1e3 = 0.1, then 150 / 3e3 = 0.05
        {"curvature turns back", {{100.0, 1.0e3}, {150.0, 3.0e3}}, "curvature M / EI not larger than the one before at point 2"},
        {"a rising table", {{0.0, 1.0e6}, {100.0, 8.0e5}, {200.0, 5.0e5}}, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        g_Model.i_NumTableThrusts = 1;
        Set_User_Points(1, 250.0, c.points);
        FillUserEITables(k_S);
        if (c.text[0] == '\0') {
            EXPECT_EQ(g_Model.ErrorStatus, 0);
            EXPECT_GT(g_Model.i_TablePoints[k_S][1], 0);
            continue;
        }
        EXPECT_EQ(g_Model.ErrorStatus, 186);
        EXPECT_EQ(g_Model.i_TablePoints[k_S][1], 0);
        EXPECT_TRUE(Captured_Plot_Lines().empty());
        const std::vector<std::string> report = Captured_Report_Lines();
        const int head = Find_Line(report, "***** Input Data Error No. 86 *****");
        ASSERT_NE(head, -1);
        const std::string& problem = report[head + 2];
        EXPECT_EQ(problem.rfind("Problem:  Section 2: ", 0), 0u) << problem;
        EXPECT_NE(problem.find(c.text), std::string::npos) << problem;
        EXPECT_NE(problem.find("of the axial thrust 250."), std::string::npos) << problem;
        EXPECT_EQ(report[head + 3].rfind("Solution: Give the moments of the user-defined M-EI table", 0), 0u);
    }
}

}  // namespace
