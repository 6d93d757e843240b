// The plot records of printed p-y curves: Line 6, Line 7 with the kind's label and curve number,
// and Line 8 in its wide and narrow layouts.
#include <gtest/gtest.h>

#include <string>

#include "model/model.h"
#include "report/plot_file.h"
#include "support/model_fixture.h"

class PlotPYRecordsTest : public ModelTest {};

TEST_F(PlotPYRecordsTest, CountDepthAndPointRecords) {
    Capture_Run_Files();
    Write_Line6_Record(3);
    Write_Line7_Record(k_PY_Curve_API_Sand, 120.0, 17, 2);
    Write_Line7_Record(k_PY_Curve_Soft_Clay_J, 60.0, 17, 1);
    Write_Line7_Record(k_PY_Curve_None, -5.0, 0, 4);
    Write_Line8_Record(k_PY_Curve_Free_Water_Cyclic, 0.5, -2.0, 3);
    Write_Line8_Record(k_PY_Curve_User, 0.5, 1500.0, 3);
    const auto plot = Captured_Plot_Lines();
    ASSERT_EQ(plot.size(), 6u);
    EXPECT_EQ(plot[0], "    3" + std::string(75, ' ') + "Line 6 : number of output p-y curves");
    EXPECT_EQ(plot[1], "  0.1200000E+03   17" + std::string(60, ' ') +
                           "Line 7:  p-y curve depth in API sand, no. p-y points on curve no. 2");
    EXPECT_EQ(plot[2], "  0.6000000E+02   17" + std::string(60, ' ') +
                           "Line 7:  p-y curve depth in soft clay with J, no. points on p-y curve no. 1");
    // a depth without a curve: no points and no curve number
    EXPECT_EQ(plot[3], " -0.5000000E+01    0" + std::string(60, ' ') + "Line 7:  p-y curve depth, no. p-y points");
    EXPECT_EQ(plot[4], "  0.5000000E+00 -0.2000000E+01" + std::string(50, ' ') +
                           "Line 8(3): y, p, for cyclic stiff clay with free water");
    EXPECT_EQ(plot[5], "  0.5000000E+00  0.1500000E+04" + std::string(20, ' ') +
                           "Line 8( 3): y, p, for user-input p-y curve");
}

TEST_F(PlotPYRecordsTest, RockCurvesUseTheWideLayout) {
    Capture_Run_Files();
    Write_Line7_Record(k_PY_Curve_Weak_Rock, 192.0, 17, 1);
    Write_Line8_Record(k_PY_Curve_Weak_Rock, 0.048, 19200.0, 17);
    Write_Line7_Record(k_PY_Curve_Vuggy_Limestone, 4.0, 17, 2);
    Write_Line8_Record(k_PY_Curve_Vuggy_Limestone, 0.0024, 10000.0, 1);
    const auto plot = Captured_Plot_Lines();
    ASSERT_EQ(plot.size(), 4u);
    EXPECT_EQ(plot[0], "  0.1920000E+03   17" + std::string(60, ' ') +
                           "Line 7:  p-y curve depth in weak rock, no. p-y points on curve no. 1");
    EXPECT_EQ(plot[1], "  0.4800000E-01  0.1920000E+05" + std::string(50, ' ') +
                           "Line 8(17): y, p, for weak rock");
    EXPECT_EQ(plot[2], "  0.4000000E+01   17" + std::string(60, ' ') +
                           "Line 7:  p-y curve depth in vuggy limestone, no. p-y points on curve no. 2");
    EXPECT_EQ(plot[3], "  0.2400000E-02  0.1000000E+05" + std::string(50, ' ') +
                           "Line 8(1): y, p, for vuggy limestone rock");
}
