// The report block and the plot records of a length study: the title, the load case's head
// condition by load type, the table of points (pile length in feet in US runs) or the note that
// no trial succeeded, "Line 11" with the count and one "Line 12" per point. Expected texts of
// the Fortran edit descriptors are those gfortran writes for the same formats and values.
#include "report/length_study_report.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/model.h"
#include "model/units.h"
#include "support/model_fixture.h"

namespace {

class LengthStudyReportTest : public ModelTest {
protected:
    void Set_Case(int units, int lc, int type, double load1, double load2, double thrust) {
        AnalysisModel& m = g_Model;
        m.IUNITS = units;
        Set_Unit_Labels();
        m.NumLoadCases = lc;
        m.LoadType[lc] = type;
        m.Load1[lc] = load1;
        m.Load2[lc] = load2;
        m.AxialThrustLoad[lc] = thrust;
    }
    void Add_Point(int lc, double length, double y, double M, double V) {
        AnalysisModel& m = g_Model;
        const int j = ++m.i_LengthStudyPoints[lc];
        m.rd_StudyPileLength[j][lc] = length;
        m.rd_StudyHeadDeflection[j][lc] = y;
        m.rd_StudyMaxMoment[j][lc] = M;
        m.rd_StudyMaxShear[j][lc] = V;
    }
};

const std::string k_Dashes(80, '-');

TEST_F(LengthStudyReportTest, PointsOfAUSCaseInFeetAndTheirRecords) {
    Capture_Run_Files();
    Set_Case(k_Units_US, 3, 1, 20000.0, 600000.0, 50000.0);
    Add_Point(3, 360.0, 0.2719195, -1576754.4, -2.0e-30);
    Add_Point(3, 342.0, 0.2719778, 1576710.0, 20000.0);
    Write_Length_Study_Report(3);
    const std::vector<std::string> expected = {
        "", "", k_Dashes,
        "            Pile-head Deflection vs. Pile Length for Load Case 3",
        k_Dashes, "",
        "Boundary Condition Type 1, Shear and Moment", "",
        "Shear      =          20000. lbs",
        "Moment     =         600000. in-lb   ",
        "Axial Load =          50000. lbs",
        "", "",
        "    Pile       Pile Head       Maximum       Maximum",
        "   Length      Deflection      Moment         Shear ",
        "    feet         inches        ln-lbs          lbs ",
        "------------  ------------  ------------  ------------",
    };
    const std::vector<std::string> report = Captured_Report_Lines();
    ASSERT_EQ(report.size(), expected.size() + 2);
    for (std::size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(report[i], expected[i]) << i;
    // 360 in is 30 ft; the other columns are the number writer's forms
    EXPECT_EQ(report[expected.size()].substr(0, 11), "    30.0000");
    EXPECT_EQ(report[expected.size() + 1].substr(0, 11), "    28.5000");

    const std::vector<std::string> plot = Captured_Plot_Lines();
    ASSERT_EQ(plot.size(), 3u);
    EXPECT_EQ(plot[0], "    2" + std::string(75, ' ') +
                           "Line 11: Num. points on Ytop vs. pile length curve for load case 3");
    EXPECT_EQ(plot[1], "  0.3600000E+03  0.2719195E+00 -0.1576754E+07 -0.2000000E-29" +
                           std::string(20, ' ') +
                           "Line 12: pile length (in), Ytop (in), Mmax (in-lb), Vmax (lbs)");
}

// The head condition lines of every load type, SI labels; value fields F15.0, F15.5 and E15.7.
TEST_F(LengthStudyReportTest, HeadConditionByLoadType) {
    struct Row {
        int type;
        double load1, load2;
        std::vector<std::string> lines;
    };
    const Row rows[] = {
        {2, -2.5, -0.0025,
         {"Boundary Condition Type 2, Shear and Slope", "", "Shear      =             -2. kN ",
          "Slope      =        -0.00250", "Axial Load =            100. kN "}},
        {3, 0.5, 5.0e4,
         {"Boundary Condition Type 3, Shear and Rotational Restraint", "",
          "Shear      =              0. kN ", "Rot. Rest. =   0.5000000E+05 kN-m    /Radian",
          "Axial Load =            100. kN "}},
        {4, 0.005, 120.0,
         {"Boundary Condition Type 4, Deflection and Moment", "", "Deflection =         0.00500 m  ",
          "Moment     =            120. kN-m    ", "Axial Load =            100. kN "}},
        {5, 0.005, -0.0025,
         {"Boundary Condition Type 5, Deflection and Slope", "", "Deflection =         0.00500 m  ",
          "Slope      =        -0.00250", "Axial Load =            100. kN "}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.type);
        Initialize_Model();
        Capture_Run_Files();
        Set_Case(k_Units_SI, 1, r.type, r.load1, r.load2, 100.0);
        Add_Point(1, 9.5, 1.25e-3, 350.75, 100.0);
        Write_Length_Study_Report(1);
        const std::vector<std::string> report = Captured_Report_Lines();
        ASSERT_GE(report.size(), 11u + 4u);
        for (std::size_t i = 0; i < r.lines.size(); ++i) EXPECT_EQ(report[6 + i], r.lines[i]);
        EXPECT_EQ(report[6 + r.lines.size() + 4], "   meters        meters         kN-m           kN  ");
        const std::vector<std::string> plot = Captured_Plot_Lines();
        ASSERT_EQ(plot.size(), 2u);
        EXPECT_EQ(plot[1], "  0.9500000E+01  0.1250000E-02  0.3507500E+03  0.1000000E+03" +
                               std::string(20, ' ') +
                               "Line 12: pile length (m), Ytop (m), Mmax (kN-m), Vmax (kN)");
    }
}

TEST_F(LengthStudyReportTest, NoSuccessfulTrialWritesTheNoteAndAZeroCount) {
    Capture_Run_Files();
    Set_Case(k_Units_SI, 2, 1, 100.0, 0.0, 0.0);
    Write_Length_Study_Report(2);
    const std::vector<std::string> report = Captured_Report_Lines();
    const std::vector<std::string> tail = {
        "", "",
        "No computations for top deflection vs. pile length were successful for this load case.", "",
        "Results of last two iterations:", ""};
    ASSERT_EQ(report.size(), 11u + tail.size());
    for (std::size_t i = 0; i < tail.size(); ++i) EXPECT_EQ(report[11 + i], tail[i]);
    const std::vector<std::string> plot = Captured_Plot_Lines();
    ASSERT_EQ(plot.size(), 1u);
    EXPECT_EQ(plot[0], "    0" + std::string(75, ' ') +
                           "Line 11: Num. points on Ytop vs. pile length curve for load case 2");
}

}  // namespace
