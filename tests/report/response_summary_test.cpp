// The summary of pile responses, line for line, from values kept per load case set by hand.
// The rows cover every load type and every number form of the columns (fixed with and without
// decimals, small values, exponent form, zero); the expected texts were produced by gfortran with
// the edit descriptors each value's magnitude selects, e.g. for the first US row
//   (I3,1X,A,1X,F10.4,A,1X,F10.0,1X,F14.8,1X,F14.8,1X,F14.0,4X,1X,F10.4,F15.8),
// and the "Line 13" records with (5E15.7,T81,A).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/model.h"
#include "model/units.h"
#include "report/response_summary.h"
#include "support/model_fixture.h"

namespace {

const std::string k_Dashes(80, '-');

struct CaseValues {
    int type;
    double load1, load2, thrust;
    double head_shear, deflection, max_moment, max_shear, slope;
};

class ResponseSummary : public ModelTest {
protected:
    void Set_Cases(int units, const std::vector<CaseValues>& cases) {
        Capture_Run_Files();
        AnalysisModel& m = g_Model;
        m.IUNITS = units;
        m.NumLoadCases = static_cast<int>(cases.size());
        for (int lc = 1; lc <= m.NumLoadCases; ++lc) {
            const CaseValues& c = cases[lc - 1];
            m.LoadType[lc] = c.type;
            m.Load1[lc] = c.load1;
            m.Load2[lc] = c.load2;
            m.AxialThrustLoad[lc] = c.thrust;
            m.rd_CaseHeadShear[lc] = c.head_shear;
            m.rd_CaseHeadDeflection[lc] = c.deflection;
            m.rd_CaseMaxMoment[lc] = c.max_moment;
            m.rd_CaseMaxShear[lc] = c.max_shear;
            m.rd_CaseHeadSlope[lc] = c.slope;
        }
    }
};

const std::vector<CaseValues> k_US_Cases = {
    {1, 1000.0, -25000.0, 5000.0, 1000.0, 0.25, 1.5e6, -1200.5, -0.0013},
    // type 4: the specified deflection is condition 1; the head shear is the computed one
    {4, 0.5, 0.0, 0.0, 4321.5, 0.5, -2.5e7, 35000.0, 0.0123456789},
    {3, 250.0, 1.0e9, 1.0e5, 250.0, 1.0e-7, 2.5e13, 0.005, 0.0},
};
const std::vector<CaseValues> k_SI_Cases = {
    {2, 12.5, 0.0, 100.0, 12.5, 0.0125, 45.75, -12.5, 0.0},
    {5, 0.02, -0.001, 0.0, 33.3, 0.02, 30.0, 8.25, -0.001},
};

std::vector<std::string> Heading(bool us) {
    std::vector<std::string> lines = {
        "", "", "", k_Dashes, "                           Summary of Pile Response(s)", k_Dashes, "",
        "Definitions of Pile-head Loading Conditions:", ""};
    const std::vector<std::string> definitions =
        us ? std::vector<std::string>{
                 "Load Type 1: Load 1 = Shear, lbs, and Load 2 = Moment, in-lbs",
                 "Load Type 2: Load 1 = Shear, lbs, and Load 2 = Slope, radians",
                 "Load Type 3: Load 1 = Shear, lbs, and Load 2 = Rotational Stiffness, in-lbs/radian",
                 "Load Type 4: Load 1 = Top Deflection, inches, and Load 2 = Moment, in-lbs",
                 "Load Type 5: Load 1 = Top Deflection, inches, and Load 2 = Slope, radians"}
           : std::vector<std::string>{
                 "Load Type 1: Load 1 = Shear, kN, and Load 2 = Moment, kN-m ",
                 "Load Type 2: Load 1 = Shear, kN, and Load 2 = Slope, radians",
                 "Load Type 3: Load 1 = Shear, kN, and Load 2 = Rotational Stiffness, kN-m/radian",
                 "Load Type 4: Load 1 = Top Deflection, m, and Load 2 = Moment, kN-m",
                 "Load Type 5: Load 1 = Top Deflection, m, and Load 2 = Slope, radians"};
    lines.insert(lines.end(), definitions.begin(), definitions.end());
    lines.push_back("");
    lines.push_back("               Pile-head      Pile-head ");
    lines.push_back("Load  Load    Condition 1    Condition 2        Axial        Pile-head       "
                    "Maximum        Maximum       Pile-head  ");
    if (us) {
        lines.push_back("Case  Type    V(lbs) or     in-lb, rad.,       Loading      Deflection       "
                        "Moment          Shear        Rotation   ");
        lines.push_back(" No.   No.    y(inches)     or in-lb/rad.        lbs          inches         "
                        "in-lbs           lbs          radians   ");
    } else {
        lines.push_back("Case  Type    V(kN) or       kN-m, rad.,       Loading      Deflection       "
                        "Moment          Shear        Rotation   ");
        lines.push_back(" No.   No.    y(meters)      or kN-m/rad.        kN           meters          "
                        "kN-m            kN           radians   ");
    }
    lines.push_back("----  ----  --------------  --------------  -------------  -------------  "
                    "-------------  -------------  -------------");
    return lines;
}

TEST_F(ResponseSummary, USTableLineForLine) {
    Set_Cases(k_Units_US, k_US_Cases);
    Write_Response_Summary();
    std::vector<std::string> expected = Heading(true);
    const std::vector<std::string> rows = {
        "  1     1   V =  1000.0000  M =    -25000.  5000.00000000     0.25000000       1500000."
        "     -1200.5000    -0.00130000",
        "  2     4   y =     0.5000  M =      0.000      0.0000000     0.50000000     -25000000."
        "         35000.     0.01234568",
        "  3     3   V =   250.0000  R =  0.100E+10        100000.   0.0000001000  0.2500000E+14"
        "       0.005000     0.00000000",
    };
    expected.insert(expected.end(), rows.begin(), rows.end());
    EXPECT_EQ(Captured_Report_Lines(), expected);
}

TEST_F(ResponseSummary, SITableLineForLine) {
    Set_Cases(k_Units_SI, k_SI_Cases);
    Write_Response_Summary();
    std::vector<std::string> expected = Heading(false);
    const std::vector<std::string> rows = {
        "  1     2   V =    12.5000  S =      0.000   100.00000000     0.01250000    45.75000000"
        "       -12.5000     0.00000000",
        "  2     5   y =     0.0200  S =  -0.001000      0.0000000     0.02000000    30.00000000"
        "         8.2500    -0.00100000",
    };
    expected.insert(expected.end(), rows.begin(), rows.end());
    EXPECT_EQ(Captured_Report_Lines(), expected);
}

TEST_F(ResponseSummary, OneLine13RecordPerCaseWithTheUnitSystemsLabel) {
    const std::string us_label =
        "     Line 13: TopV(lbs), TopY(in), Mmax(in-lbs), Vmax(lbs), Rotation(rad)";
    const std::string si_label = "     Line 13: TopV(kN) TopY(m), Mmax(kN-m), Vmax(kN), Rotation(rad)";
    Set_Cases(k_Units_US, k_US_Cases);
    Write_Response_Summary();
    EXPECT_EQ(Captured_Plot_Lines(),
              (std::vector<std::string>{
                  "  0.1000000E+04  0.2500000E+00  0.1500000E+07 -0.1200500E+04 -0.1300000E-02" +
                      us_label,
                  // the head shear of a deflection case is the computed one, not a load
                  "  0.4321500E+04  0.5000000E+00 -0.2500000E+08  0.3500000E+05  0.1234568E-01" +
                      us_label,
                  "  0.2500000E+03  0.1000000E-06  0.2500000E+14  0.5000000E-02  0.0000000E+00" +
                      us_label,
              }));

    Set_Cases(k_Units_SI, k_SI_Cases);
    Write_Response_Summary();
    EXPECT_EQ(Captured_Plot_Lines(),
              (std::vector<std::string>{
                  "  0.1250000E+02  0.1250000E-01  0.4575000E+02 -0.1250000E+02  0.0000000E+00" +
                      si_label,
                  "  0.3330000E+02  0.2000000E-01  0.3000000E+02  0.8250000E+01 -0.1000000E-02" +
                      si_label,
              }));

    // general units take the SI label
    Set_Cases(k_Units_General, {k_SI_Cases[0]});
    Write_Response_Summary();
    const std::vector<std::string> plot = Captured_Plot_Lines();
    ASSERT_EQ(plot.size(), 1u);
    EXPECT_EQ(plot[0].substr(75), si_label);
}

TEST_F(ResponseSummary, NothingDuringThePileHeadStiffnessStudy) {
    Set_Cases(k_Units_US, k_US_Cases);
    g_Model.b_StiffnessPass = -1;
    Write_Response_Summary();
    EXPECT_TRUE(Captured_Report_Lines().empty());
    EXPECT_TRUE(Captured_Plot_Lines().empty());
}

TEST_F(ResponseSummary, WithoutLoadCasesTheTableHasNoRows) {
    Set_Cases(k_Units_US, {});
    Write_Response_Summary();
    EXPECT_EQ(Captured_Report_Lines(), Heading(true));
    EXPECT_TRUE(Captured_Plot_Lines().empty());
}

}  // namespace
