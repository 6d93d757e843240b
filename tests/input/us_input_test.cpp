// The one-time conversion of US customary input to inches and pounds.
#include <gtest/gtest.h>

#include "input/us_input.h"
#include "model/model.h"
#include "model/soil_types.h"
#include "model/units.h"
#include "support/model_fixture.h"

namespace {

class USInputTest : public ModelTest {};

// A two-layer US customary problem: soft clay over weak rock, with one section and the
// auxiliary profiles that the conversion must and must not touch.
void Set_Up_US_Problem() {
    AnalysisModel& m = g_Model;
    m.IUNITS = k_Units_US;
    m.i_Number_of_Layers = 2;
    m.i_SoilLayer_py_Type[1] = k_Soil_SoftClay;
    m.XLayerTop[1] = 0.0;
    m.XLayerBottom[1] = 10.0;
    m.XSoilPoint[1] = 0.0;
    m.XSoilPoint[2] = 10.0;
    m.StrengthAtPoint[1] = 720.0;
    m.StrengthAtPoint[2] = 720.0;
    m.UnitWeightAtPoint[1] = 115.2;
    m.i_SoilLayer_py_Type[2] = k_Soil_WeakRock;
    m.StrengthAtPoint[3] = 500.0;
    m.StrengthAtPoint[4] = 500.0;
    m.NumSections = 12;
    for (int s = 1; s <= 12; ++s) {
        m.SectionLength[s] = 2.0;
        m.XSectionTop[s] = 2.0 * (s - 1);
        m.XSectionBottom[s] = 2.0 * s;
    }
    m.PileLength = 24.0;
    m.NumDistLoadPoints = 1;
    m.XDistLoad[1] = 60.0;
    m.NumPYOutputDepths = 1;
    m.XPYOutputDepth[1] = 3.0;
    // An LRFD loading group with a distributed load from 2 to 7 ft (the echo heads them "ft").
    m.NumLrfdLoads = 1;
    m.NumLrfdDistPoints[1] = 2;
    m.XLrfdDist[1][1] = 2.0;
    m.XLrfdDist[2][1] = 7.0;
}

TEST_F(USInputTest, USCustomaryConversionToInchesAndPounds) {
    Set_Up_US_Problem();
    ConvertUSCustomaryInput();
    const AnalysisModel& m = g_Model;
    EXPECT_DOUBLE_EQ(m.XLayerBottom[1], 120.0);
    EXPECT_DOUBLE_EQ(m.XSoilPoint[2], 120.0);
    EXPECT_DOUBLE_EQ(m.StrengthAtPoint[1], 5.0);                 // 720 psf = 5 psi
    EXPECT_DOUBLE_EQ(m.UnitWeightAtPoint[1], 115.2 / 1728.0);    // 0.0666... pci
    EXPECT_DOUBLE_EQ(m.StrengthAtPoint[3], 500.0);               // weak rock qu is input in psi
    EXPECT_DOUBLE_EQ(m.StrengthAtPoint[4], 500.0);
    for (int s = 1; s <= 12; ++s) {
        EXPECT_DOUBLE_EQ(m.SectionLength[s], 24.0);
        EXPECT_DOUBLE_EQ(m.XSectionBottom[s], 24.0 * s);
    }
    EXPECT_DOUBLE_EQ(m.PileLength, 288.0);
    EXPECT_DOUBLE_EQ(m.XDistLoad[1], 60.0);                      // input in inches already
    EXPECT_DOUBLE_EQ(m.XPYOutputDepth[1], 36.0);
    EXPECT_DOUBLE_EQ(m.XLrfdDist[1][1], 24.0);                   // LRFD depths are input in feet
    EXPECT_DOUBLE_EQ(m.XLrfdDist[2][1], 84.0);
    EXPECT_EQ(m.NumSectionPoints, 24);
}

TEST_F(USInputTest, ConversionRunsOnlyOnce) {
    Set_Up_US_Problem();
    ConvertUSCustomaryInput();
    ConvertUSCustomaryInput();
    EXPECT_DOUBLE_EQ(g_Model.PileLength, 288.0);
    EXPECT_DOUBLE_EQ(g_Model.StrengthAtPoint[1], 5.0);
}

TEST_F(USInputTest, SIAndGeneralProblemsAreNotConverted) {
    for (int units : {k_Units_SI, k_Units_General}) {
        Initialize_Model();
        Set_Up_US_Problem();
        g_Model.IUNITS = units;
        ConvertUSCustomaryInput();
        EXPECT_DOUBLE_EQ(g_Model.PileLength, 24.0);
        EXPECT_DOUBLE_EQ(g_Model.StrengthAtPoint[1], 720.0);
        EXPECT_DOUBLE_EQ(g_Model.UnitWeightAtPoint[1], 115.2);
        EXPECT_DOUBLE_EQ(g_Model.XLrfdDist[2][1], 7.0);
    }
}

}  // namespace
