// The realistic problems of examples/ read end to end, with spot checks of the model.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "input/line_reader.h"
#include "input/reader.h"
#include "model/model.h"
#include "model/soil_types.h"
#include "support/input_fixture.h"

namespace {

struct Examples : InputFixture {
    // Reads examples/name through the tag check and the reader.
    void Read_Example(const char* name) {
        std::ifstream in(std::string(ORVANE_EXAMPLES_DIR) + "/" + name, std::ios::binary);
        ASSERT_TRUE(in.good()) << name;
        std::stringstream text;
        text << in.rdbuf();
        Use_Input(text.str());
        char tag[8];
        Read_Format_Tag(tag);
        ASSERT_STREQ(tag, "ORVANE6");
        ReadInputData();
    }
};

TEST_F(Examples, DrilledShaftInLayeredSoil) {
    Read_Example("pier4-drilled-shaft.lp");
    ASSERT_EQ(g_Model.ErrorStatus, 0);
    const AnalysisModel& m = g_Model;
    EXPECT_STREQ(m.TitleLine[1].data(), "Bridge pier 4, drilled shaft in layered soil");
    EXPECT_EQ(m.IUNITS, 1);
    EXPECT_EQ(m.b_Cyclic, -1);
    EXPECT_EQ(m.NumCycles, 100.0);
    EXPECT_EQ(m.MaxIterations, 500);
    EXPECT_EQ(m.PrintIncrement, 2);
    EXPECT_EQ(m.i_Number_of_Layers, 4);
    EXPECT_EQ(m.XGroundSurface, 2.0);
    EXPECT_EQ(m.i_SoilLayer_py_Type[2], k_Soil_Sand);
    EXPECT_EQ(m.FrictionAngleAtPoint[4], 34.0);
    EXPECT_EQ(m.LayerKBottom[3], 1000.0);
    EXPECT_EQ(m.StrengthAtPoint[7], 1500.0);     // weak rock qu at the top of layer 4
    EXPECT_EQ(m.LayerKTop[4], 150000.0);         // weak rock Eir
    EXPECT_EQ(m.Epsilon50AtPoint[8], 0.0005);    // weak rock k_rm
    EXPECT_EQ(m.NumStrengthPoints, 8);
    EXPECT_EQ(m.XSoilPoint[8], 60.0);
    EXPECT_EQ(m.NumLoadCases, 4);
    EXPECT_EQ(m.Load2[2], 2.4e6);
    EXPECT_EQ(m.LoadType[4], 3);
    EXPECT_EQ(m.b_LengthStudy[4], -1);
    EXPECT_EQ(m.NumDistLoadPoints, 2);
    EXPECT_EQ(m.NumPYModifierPoints, 2);
    EXPECT_EQ(m.PMultiplier[1], 0.8);
    EXPECT_DOUBLE_EQ(m.GroundSlope, 5.0 * 3.141592653589793 / 180.0);
    EXPECT_EQ(m.NumPYOutputDepths, 3);
    EXPECT_EQ(m.XPYOutputDepth[3], 30.0);
}

TEST_F(Examples, LrfdPipePileInSIUnits) {
    Read_Example("harbour-pipe-pile-lrfd.lp");
    ASSERT_EQ(g_Model.ErrorStatus, 0);
    const AnalysisModel& m = g_Model;
    EXPECT_EQ(m.IUNITS, 2);
    EXPECT_EQ(m.b_UseLRFD, -1);
    EXPECT_EQ(m.b_ComputeKmatrix, -1);
    EXPECT_EQ(m.ConvergenceTolerance, 2.54e-7);
    EXPECT_EQ(m.XGroundSurface, -1.5);
    EXPECT_EQ(m.JAtPoint[2], 0.5);
    EXPECT_EQ(m.NumUserPYPoints[5], 4);
    EXPECT_EQ(m.NumUserPYPoints[6], 3);
    EXPECT_EQ(m.UserPY_p[4][5], 130.0);
    EXPECT_EQ(m.UserPYDepth[6], 18.0);
    EXPECT_EQ(m.ElasticSubgradeAtPoint[8], 80000.0);
    EXPECT_EQ(m.NumLrfdLoads, 3);
    EXPECT_EQ(m.LrfdLoadType[3], 5);
    EXPECT_EQ(m.XLrfdDist[2][3], 6.0);
    EXPECT_EQ(m.NumLrfdCombinations, 3);
    EXPECT_EQ(m.LrfdFactor[5][2], 1.4);
    EXPECT_EQ(m.PhiV[3], 0.75);
    EXPECT_STREQ(m.LrfdCombinationName[3].data(), "Extreme event, wind on the dolphin");
    EXPECT_EQ(m.NumSoilMovementPoints, 3);
    EXPECT_EQ(m.SoilMovement[1], 0.15);   // 150 mm
    EXPECT_EQ(m.NumTipShearPoints, 3);
    EXPECT_EQ(m.VTipShear[3], 60.0);
    EXPECT_EQ(m.NumLoadCases, 0);
    EXPECT_EQ(m.NumEIThrusts, 0);
}

}  // namespace
