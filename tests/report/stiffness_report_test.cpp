// The pile-head stiffness report: title box, the shear-series and moment-series tables with
// their unit lines, one row per case, and the ten "Line 14" records pairing shear case i with
// moment case 10 + i. Record texts are those gfortran writes for the same format and values.
#include "report/stiffness_report.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/model.h"
#include "model/units.h"
#include "support/model_fixture.h"

namespace {

class StiffnessReportTest : public ModelTest {
protected:
    // Row i: shear case i and moment case 10 + i with distinguishable values.
    void Fill_Series() {
        AnalysisModel& m = g_Model;
        for (int i = 1; i <= k_Num_Stiffness_Rows; ++i) {
            const int j = k_Num_Stiffness_Rows + i;
            m.rd_StiffnessHeadDeflection[i] = 1.0e-3 * i;
            m.rd_StiffnessHeadShear[i] = 100.0 * i;
            m.rd_StiffnessHeadMoment[i] = -6000.0 * i;
            m.rd_StiffnessHeadSlope[j] = -1.0e-5 * i;
            m.rd_StiffnessHeadShear[j] = -60.0 * i;
            m.rd_StiffnessHeadMoment[j] = 3000.0 * i;
            m.rd_K22[i] = 1.0e5 + i;
            m.rd_K32[i] = 6.0e6 + i;
            m.rd_K23[i] = 6.0e6 - i;
            m.rd_K33[i] = 3.0e8 + i;
        }
    }
};

TEST_F(StiffnessReportTest, TablesAndRecordsInUSAndSIUnits) {
    struct Row {
        int units;
        const char* shear_units;
        const char* moment_units;
    };
    const Row rows[] = {
        {k_Units_US, "     inches          lbs            in-lbs          lb/in.         in-lb/in.  ",
         "     radians          lbs            in-lbs         lb/rad         in-lb/rad "},
        {k_Units_SI, "     meters           kN             kN-m            kN/m            kN-m/m   ",
         "     radians          kN             kN-m           kN/rad          kN-m/rad  "},
    };
    const std::string dashes(80, '-');
    const std::string rule = "  ------------  --------------  --------------  --------------  --------------";
    for (const Row& r : rows) {
        SCOPED_TRACE(r.units);
        Initialize_Model();
        Capture_Run_Files();
        g_Model.IUNITS = r.units;
        Fill_Series();
        Write_Stiffness_Report();
        const std::vector<std::string> report = Captured_Report_Lines();
        const std::vector<std::string> head = {
            "", "", dashes, "                   Computed Pile-head Stiffness Matrix Values",
            "                        K22, K23, K32, K33 for Pile Head",
            "                              Based on Load Case 1", dashes, "",
            "  K22 = abs(Shear Reaction/Top y)", "  K32 = abs(Moment Reaction/Top y)", "",
            "    Pile-Top       Pile-Top        Pile-Top                                   ",
            "   Deflection   Shear Reaction   Moment React.       K22              K32     ",
            r.shear_units, rule};
        // 15 lines, 10 rows, an empty line; the moment table the same
        ASSERT_EQ(report.size(), head.size() + 11 + 7 + 11);
        for (std::size_t i = 0; i < head.size(); ++i) EXPECT_EQ(report[i], head[i]) << i;
        const std::size_t moment_at = head.size() + 11;
        EXPECT_EQ(report[moment_at], "  K23 = abs(Shear Reaction/Top Rotation) ");
        EXPECT_EQ(report[moment_at + 1], "  K33 = abs(Moment Reaction/Top Rotation)");
        EXPECT_EQ(report[moment_at + 4],
                  "    Rotation     Shear React.    Moment React.       K23              K33    ");
        EXPECT_EQ(report[moment_at + 5], r.moment_units);
        // rows of 14 + 4 x 16 characters
        for (int i = 0; i < k_Num_Stiffness_Rows; ++i) {
            EXPECT_EQ(report[head.size() + i].size(), 78u);
            EXPECT_EQ(report[moment_at + 7 + i].size(), 78u);
        }
        const std::vector<std::string> plot = Captured_Plot_Lines();
        ASSERT_EQ(plot.size(), 10u);
        // row 3: shear of case 3, moment of case 13, K22 K23 K32 K33, deflection of case 3,
        // rotation of case 13
        EXPECT_EQ(plot[2], "  0.3000000E+03  0.9000000E+04  0.1000030E+06  0.5999997E+07"
                           "  0.6000003E+07  0.3000000E+09  0.3000000E-02 -0.3000000E-04"
                           "  Line 14: V, M, K22, K23, K32, K33, ytop, theta");
    }
}

}  // namespace
