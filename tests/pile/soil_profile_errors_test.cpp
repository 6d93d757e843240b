// The errors of the soil property lookups: each input error's framed message in the runtime
// message file and the report, its status and the value 0; the two list-directed diagnostics of
// fn_c at a layer interface. Number fields were checked against gfortran's E12.4, F10.3 and
// list-directed output of the same values.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/model.h"
#include "model/soil_types.h"
#include "model/units.h"
#include "pile/soil_profile.h"
#include "support/model_fixture.h"

namespace {

using Lines = std::vector<std::string>;

// One soft clay layer from 0 to 40 (c 10 -> 12), US customary labels ("in ").
class SoilProfileErrorTest : public ModelTest {
protected:
    // Two sand layers meeting at depth z (ending at 2z), whose strength table has a point on
    // each side of the interface: an interface for which the strength rule has no pair.
    static void Sand_Over_Sand_At(double z) {
        AnalysisModel& m = g_Model;
        m.i_Number_of_Layers = 2;
        m.i_SoilLayer_py_Type[1] = m.i_SoilLayer_py_Type[2] = k_Soil_Sand;
        m.XLayerBottom[1] = m.rd_LayerTop[2] = z;
        m.XLayerBottom[2] = 2.0 * z;
        const double depths[] = {0.0, 0.0, z, z, 2.0 * z};
        for (int i = 1; i <= 4; ++i) m.XSoilPoint[i] = depths[i];
        m.NumStrengthPoints = 4;
    }

    void SetUp() override {
        ModelTest::SetUp();
        Capture_Run_Files();
        AnalysisModel& m = g_Model;
        m.IUNITS = k_Units_US;
        Set_Unit_Labels();
        m.rd_PileLengthAnalysed = 50.0;
        m.i_Number_of_Layers = 1;
        m.i_SoilLayer_py_Type[1] = k_Soil_SoftClay;
        m.XLayerBottom[1] = 40.0;
        m.XSoilPoint[2] = m.XUnitWeightPoint[2] = 40.0;
        m.StrengthAtPoint[1] = 10.0;
        m.StrengthAtPoint[2] = 12.0;
        m.UnitWeightAtPoint[1] = m.UnitWeightAtPoint[2] = 0.04;
        m.NumStrengthPoints = m.NumUnitWeightPoints = 2;
    }
};

struct InputErrorCase {
    const char* name;
    double (*lookup)();
    int status;
    Lines block;
};

const InputErrorCase k_Input_Error_Cases[] = {
    {"strength below the data", [] { return fn_c(45.0); }, 105,
     {"**** Input Data Error No. 5 ****", "",
      "An error was detected that is related to an incompatibility between ",
      "the input data defining pile embedment depth and values of shear ",
      "strength of soil versus depth.", "",
      "Problem:  The value for a pile station depth is   0.4500E+02 in ",
      "This depth is below the deepest extent of the input curve for ",
      "shear strength of soil versus depth at     40.000 in ", "",
      "Solution:  Please revise the input data by either extending the ",
      "maximum depth for shear strength of soil or shorten the ",
      "pile to be entirely within the defined soil layers."}},
    {"average strength below the data", [] { return AverageShearStrengthAbove(45.0); }, 103,
     {"**** Input Data Error No. 3 ****", "",
      "An error was detected that is related to an incompatibility",
      "between the input data defining the embedment of the pile and",
      "the maximum depth of the soil shear strength data.", "",
      "The value for a pile station depth is   0.4500E+02",
      "This depth is below the deepest extent of the input data for",
      "soil shear strength versus depth.", "", "Solution:",
      "Please revise the input data by either extending the maximum",
      "depth for soil shear strength or shorten the pile to correct", "this problem."}},
    {"average unit weight below the data", [] { return AverageUnitWeightAbove(45.0); }, 115,
     {"**** Input Data Error No. 15 ****", "",
      "An error was detected related to an incompatibility between ",
      "the data defining pile embedment depth and effective unit ", "weights versus depth.", "",
      "The value for a pile station depth is   0.4500E+02",
      "This depth is below the deepest extent of the input curve for",
      "effective unit weight versus depth.", "", "Solution:",
      "Please revise the input data by either extending the maximum",
      "depth for effective unit weight or shorten the length of pile",
      "to be within the range of defined soil properties."}},
    {"friction angle below the data", [] { return FrictionAngleAtDepth(45.0); }, 104,
     {"**** Input Data Error No. 4 ****", "",
      "An error was detected that is related to an incompatibility",
      "between the input data defining the embedment of the pile and",
      "the maximum depth of the soil shear strength data.", "",
      "Problem:  The value for a pile station depth is   0.4500E+02",
      "This depth is below the deepest extent of the input data for",
      "soil friction angle versus depth.", "",
      "Solution:  Please revise the input data by either extending ",
      "the maximum depth for soil friction angle or shorten the ",
      "pile to correct this problem."}},
    {"RQD below the data", [] { return RQDAtDepth(45.0); }, 131,
     {"**** Input Data Error No. 31 ****", "",
      "An error was detected that is related to an incompatibility",
      "between the input data defining the embedment of the pile and",
      "the maximum depth of the soil shear strength data.", "",
      "Problem:  The value for a pile station depth is   0.4500E+02",
      "This depth is below the deepest extent of the input data for", "RQD versus depth.", "",
      "Solution:  Revise the input data by either extending the ",
      "maximum depth for RQD or shorten the pile to correct this ", "problem."}},
    {"RQD above 100 percent",
     [] {
         g_Model.RQDAtPoint[1] = g_Model.RQDAtPoint[2] = 120.0;
         return RQDAtDepth(20.0);
     },
     149,
     {"**** Input Data Error No. 49 ****", "",
      "Problem:  The interpolated value of RQD used for p-y curves in weak rock ",
      "was found to be invalid because it was either less than zero or more than ",
      "100 percent.", "", "Solution:  Check your input data and revise in the data for RQD.", "",
      "The interpolated value of RQD =   0.1200E+03 %"}},
    {"strength segment of zero length",
     [] {
         g_Model.XSoilPoint[1] = g_Model.XSoilPoint[2] = 5.0;
         return fn_c(3.0);
     },
     160,
     {"**** Input Data Error No. 60 ****", "",
      "An error was found in the strength of soil input data when interpolating ",
      "to obtain values of cohesion or uniaxial compressive strength.", "",
      "Problem:  The depth increment between the upper and lower soil depths in a ",
      "layer is zero.  The depth of computation is      3.000", "",
      "Solution:  Examine the program output file to find the depth in question",
      "and correct the soil layer depth values. "}},
};

}  // namespace

TEST_F(SoilProfileErrorTest, InputErrorsWriteTheirMessageAndReturnZero) {
    for (const InputErrorCase& row : k_Input_Error_Cases) {
        SCOPED_TRACE(row.name);
        TearDown();   // a fresh model and fresh captured files for every row
        SetUp();
        EXPECT_EQ(row.lookup(), 0.0);
        EXPECT_EQ(g_Model.ErrorStatus, row.status);
        EXPECT_EQ(Captured_Message_Lines(), row.block);
        Lines report = row.block;
        char ended[80];
        std::snprintf(ended, sizeof ended, "Orvane ended prematurely due to input error number INP%05d",
                      row.status - 100);
        report.insert(report.end(), {"", "", ended});
        EXPECT_EQ(Captured_Report_Lines(), report);
    }
}

TEST_F(SoilProfileErrorTest, RQDBelowZeroIsOutOfRangeToo) {
    g_Model.RQDAtPoint[1] = g_Model.RQDAtPoint[2] = -1.0;
    EXPECT_EQ(RQDAtDepth(20.0), 0.0);
    EXPECT_EQ(g_Model.ErrorStatus, 149);
}

TEST_F(SoilProfileErrorTest, SandOverSandInterfaceIsRuntimeError30) {
    AnalysisModel& m = g_Model;
    Sand_Over_Sand_At(10.0);
    EXPECT_EQ(fn_c(10.0), 0.0);
    EXPECT_EQ(m.ErrorStatus, 230);
    const Lines expected = {
        " ***** Runtime Error No. 30 *****",
        " Error in fn_c, please report by email to support@orvane.io",
        " X value for f(c) =   10.000000000000000     ",
        " Soil types: 1 = cohesive, 2 = cohesionless, 3 = rock, 4= user input)",
        " Soil type above        =           2",
        " Soil type below        =           2",
        " cohesionless           =           2",
        " cohesive               =           1",
        " JBOT index             =           2 = index number of strength value below depth in "
        "question",
        " At tip condition       = F , T = true, F = false",
        " i_SoilLayer_py_Type(JBOT/2)          =           5",
        " i_SoilLayer_py_Type(JBOT/2+1)        =           5",
    };
    EXPECT_EQ(Captured_Report_Lines(), expected);
    EXPECT_TRUE(Captured_Message_Lines().empty());
}

TEST_F(SoilProfileErrorTest, InteriorPointOffEveryInterfaceEndsWith999) {
    // The strength table puts the interface at 10, the layers at 12.
    AnalysisModel& m = g_Model;
    m.i_Number_of_Layers = 2;
    m.i_SoilLayer_py_Type[2] = k_Soil_SoftClay;
    m.XLayerBottom[1] = m.rd_LayerTop[2] = 12.0;
    m.XLayerBottom[2] = 20.0;
    const double depths[] = {0.0, 0.0, 10.0, 10.0, 20.0};
    for (int i = 1; i <= 4; ++i) m.XSoilPoint[i] = depths[i];
    m.NumStrengthPoints = 4;
    EXPECT_EQ(fn_c(10.0), 0.0);
    EXPECT_EQ(m.ErrorStatus, 999);
    const Lines expected = {
        " Internal error in function C (undrained shear strength)",
        " The layer interface cannot be located",
        " Please contact Brindlemark for support",
        " Elevation             =   10.000000000000000     ",
        " b_AtInterface         = F",
        " b_InMiddle            = F",
        " b_AtTip               = F",
        " b_AtNode              = T",
        " Layer index above     =           1",
        " Layer index below     =           2",
        " DABS(X-XLayerBottom(KTOP))    =   2.0000000000000000     ",
        " DABS(X-XLayerTop(KBOT))    =   2.0000000000000000     ",
    };
    EXPECT_EQ(Captured_Report_Lines(), expected);
}

// The massive rock strength lookup follows fn_c with texts that name the rock's strength.
TEST_F(SoilProfileErrorTest, RockStrengthLookupNamesTheRockInItsMessages) {
    EXPECT_EQ(fn_HB_qu_at_DepthX(20.0), 11.0);   // inside the data: fn_c's value
    EXPECT_EQ(fn_HB_qu_at_DepthX(45.0), 0.0);
    EXPECT_EQ(g_Model.ErrorStatus, 105);
    const Lines common_depth = {
        "Problem:  The value for a pile station depth is   0.4500E+02 in ",
        "This depth is below the deepest extent of the input curve for ",
        "uniaxial compressive strength versus depth at     40.000 in ", ""};
    Lines messages = {"**** Input Data Error No. 5 ****", "",
                      "An error was detected that is related to an incompatibility ",
                      "between the input data defining pile embedment depth and rock ",
                      "uniaxial compressive strength values versus depth.", ""};
    messages.insert(messages.end(), common_depth.begin(), common_depth.end());
    messages.insert(messages.end(), {"Solution:  Please revise the input data by either extending ",
                                     "the maximum depth for uniaxial compressive strength or shorten the ",
                                     "pile to be entirely within the defined soil layers."});
    EXPECT_EQ(Captured_Message_Lines(), messages);
    Lines report = {"**** Input Data Error No. 5 ****", "",
                    "An error was detected that is related to an incompatibility between ",
                    "the input data defining pile embedment depth and values of uniaxial ",
                    "compressive strength of rock versus depth.", ""};
    report.insert(report.end(), common_depth.begin(), common_depth.end());
    report.insert(report.end(), {"Solution:  Please revise the input data by either extending the ",
                                 "maximum depth for uniaxial compressive strength or shorten the ",
                                 "pile to be entirely within the defined soil layers.", "", "",
                                 "Orvane ended prematurely due to input error number INP00005"});
    EXPECT_EQ(Captured_Report_Lines(), report);
}

TEST_F(SoilProfileErrorTest, RockStrengthLookupDiagnosticsAtAnInterface) {
    AnalysisModel& m = g_Model;
    Sand_Over_Sand_At(10.0);
    EXPECT_EQ(fn_HB_qu_at_DepthX(10.0), 0.0);
    EXPECT_EQ(m.ErrorStatus, 230);
    const Lines report = Captured_Report_Lines();
    ASSERT_EQ(report.size(), 12u);
    EXPECT_EQ(report[1],
              " Error in fn_HB_qu_at_DepthX, please report this error and your data file by email to "
              "support@orvane.io");
    EXPECT_EQ(report[2], " X value for f(qu) =   10.000000000000000     ");
    EXPECT_EQ(report[3], " Soil types: 1 = cohesive, 2 = cohesionless, 3 = rock, 4= user input)");

    // An interior point off every interface: the flag lines of the rock lookup.
    TearDown();
    SetUp();
    m.i_Number_of_Layers = 2;
    m.i_SoilLayer_py_Type[2] = k_Soil_SoftClay;
    m.XLayerBottom[1] = m.rd_LayerTop[2] = 12.0;
    m.XLayerBottom[2] = 20.0;
    const double depths[] = {0.0, 0.0, 10.0, 10.0, 20.0};
    for (int i = 1; i <= 4; ++i) m.XSoilPoint[i] = depths[i];
    m.NumStrengthPoints = 4;
    EXPECT_EQ(fn_HB_qu_at_DepthX(10.0), 0.0);
    EXPECT_EQ(m.ErrorStatus, 999);
    const Lines lines = Captured_Report_Lines();
    ASSERT_EQ(lines.size(), 12u);
    EXPECT_EQ(lines[4], " b_XElevAtLayerInterface         = F");
    EXPECT_EQ(lines[5], " b_XElevInPileMiddle            = F");
    EXPECT_EQ(lines[6], " b_XElevAtPileTip               = F");
    EXPECT_EQ(lines[7], " b_AtNode              = T");
}

// An error of the soil data met while computing is told at the input line of the layer holding
// the depth, the deepest layer for a depth below the data.
TEST_F(SoilProfileErrorTest, ErrorsAtADepthAreToldAtTheLayersInputLine) {
    struct Case {
        const char* name;
        double (*lookup)();
        int line;
    };
    const Case cases[] = {
        {"strength below the data", [] { return fn_c(45.0); }, 31},
        {"unit weight below the data", [] { return AverageUnitWeightAbove(45.0); }, 31},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TearDown();
        SetUp();
        AnalysisModel& m = g_Model;
        // two layers read at lines 27 and 31, the deeper one ending at 40
        m.i_Number_of_Layers = 2;
        m.i_SoilLayer_py_Type[2] = k_Soil_SoftClay;
        m.XLayerBottom[1] = m.rd_LayerTop[2] = 20.0;
        m.XLayerBottom[2] = 40.0;
        m.i_LayerInputLine[1] = 27;
        m.i_LayerInputLine[2] = 31;
        c.lookup();
        EXPECT_NE(m.ErrorStatus, 0);
        EXPECT_EQ(m.i_ErrorInputLine, c.line);
    }
}
