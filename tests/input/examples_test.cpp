// The realistic problems of examples/ read end to end, with spot checks of the model.
#include <gtest/gtest.h>

#include <cmath>
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
    EXPECT_EQ(m.i_SoilLayer_py_Type[4], k_Soil_Sand);   // dense sand at the shaft's tip
    EXPECT_EQ(m.FrictionAngleAtPoint[8], 40.0);
    EXPECT_EQ(m.LayerKTop[4], 125.0);
    EXPECT_EQ(m.NumStrengthPoints, 8);
    EXPECT_EQ(m.XSoilPoint[8], 60.0);
    EXPECT_EQ(m.NumLoadCases, 4);
    EXPECT_EQ(m.Load2[2], 2.4e6);
    EXPECT_EQ(m.LoadType[4], 3);
    EXPECT_EQ(m.b_LengthStudy[4], 0);
    EXPECT_EQ(m.NumDistLoadPoints, 2);
    EXPECT_EQ(m.NumPYModifierPoints, 2);
    EXPECT_EQ(m.PMultiplier[1], 0.8);
    EXPECT_DOUBLE_EQ(m.GroundSlope, 5.0 * 3.141592653589793 / 180.0);
    EXPECT_EQ(m.NumPYOutputDepths, 3);
    EXPECT_EQ(m.XPYOutputDepth[3], 30.0);
    // Cased top section over an uncased shaft, 60 ft in all.
    EXPECT_EQ(m.NumSections, 2);
    EXPECT_EQ(m.SectionType[1], 2);
    EXPECT_EQ(m.PileLength, 60.0);
    EXPECT_EQ(m.XSectionPoint[3], 15.0);
    EXPECT_EQ(m.SectionPointD[4], 42.0);
    EXPECT_EQ(m.NumBars[2], 16);
    // Thrusts of the load cases, distinct and in kips.
    EXPECT_EQ(m.NumEIThrusts, 2);
    EXPECT_EQ(m.EIThrust[1], 150.0);
    EXPECT_EQ(m.EIThrust[2], 200.0);
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
    // With LRFD the thrust list comes from the factored combinations, not from the reader.
    EXPECT_EQ(m.NumEIThrusts, 0);
    EXPECT_EQ(m.SectionType[1], 4);
    EXPECT_EQ(m.SectionDiameter[1], 1.067);
    EXPECT_EQ(m.PipeThickness[1], 0.025);
    EXPECT_EQ(m.PileLength, 30.0);
}

TEST_F(Examples, OneSectionOfEachFamilyForBendingStiffnessOnly) {
    Read_Example("section-families-ei-only.lp");
    ASSERT_EQ(g_Model.ErrorStatus, 0);
    const AnalysisModel& m = g_Model;
    EXPECT_EQ(m.i_Analysis_Type, 2);
    EXPECT_EQ(m.NumSections, 7);
    EXPECT_EQ(m.PileLength, 70.0);
    // Drilled shaft: six pairs of bars on the circle R = (36 - 1.128)/2 - 3.
    EXPECT_EQ(m.NumBars[1], 12);
    EXPECT_NEAR(std::hypot(m.BarX[7][1], m.BarY[7][1]), (36.0 - 1.128) / 2.0 - 3.0, 1e-12);
    // Cased shaft with a concrete-filled core and listed bars.
    EXPECT_NE(m.b_FillCoreWithConcrete[2], 0);
    EXPECT_EQ(m.CoreDiameter[2], 20.0);
    EXPECT_EQ(m.BarX[3][2], -15.0);
    EXPECT_EQ(m.ConcreteTensileStrength[2], -450.0);
    // Steel pipe: the table holds its area.
    EXPECT_DOUBLE_EQ(m.SectionPointA[5], 0.7853981633974483 * (576.0 - 529.0));
    // Square prestressed pile: 12 strands, 3 per side.
    EXPECT_EQ(m.NumBars[4], 12);
    EXPECT_EQ(m.NumConcreteCurvePoints[4], 4);
    EXPECT_EQ(m.ChamferWidth[4], 0.75);
    // Elastic strong-axis H-pile: D is the flange width.
    EXPECT_EQ(m.SectionPointD[9], 10.075);
    EXPECT_EQ(m.SectionPointI[10], 210.0);
    // Elastic-plastic pipe.
    EXPECT_EQ(m.PlasticMomentBottom[6], 9.8e6);
    EXPECT_EQ(m.SectionPointD[12], 24.0);
    // Measured M-EI curve.
    EXPECT_EQ(m.i_NumMEIThrusts[7], 2);
    EXPECT_EQ(m.i_NumMEIPoints[1][7], 3);
    EXPECT_EQ(m.MEIStiffness[3][1][7], 4.0e10);
    EXPECT_EQ(m.MEIThrust[2][7], 500000.0);
    // Axial thrusts sorted, and as the thrust list in kips.
    EXPECT_EQ(m.NumLoadCases, 3);
    EXPECT_EQ(m.AxialThrustLoad[3], 500000.0);
    EXPECT_EQ(m.NumEIThrusts, 3);
    EXPECT_EQ(m.EIThrust[2], 250.0);
}

}  // namespace
