// The elastic subgrade criterion: a straight line whose slope is the layer's subgrade modulus.
#include <gtest/gtest.h>

#include "model/model.h"
#include "model/soil_types.h"
#include "model/units.h"
#include "py/criteria.h"
#include "support/model_fixture.h"

namespace {

// An SI pile of width 0.6 m from 0 to 10 m, one "Elast SG" layer from 0 to 10 m with k rising
// from 1000 to 3000 kN/m3, nodes every 2.5 m.
void Set_Up_Layer() {
    AnalysisModel& m = g_Model;
    m.IUNITS = k_Units_SI;
    Set_Unit_Labels();
    m.NumSectionPoints = 2;
    m.XSectionPoint[1] = 0.0;
    m.XSectionPoint[2] = 10.0;
    m.SectionPointD[1] = m.SectionPointD[2] = 0.6;
    m.i_Number_of_Layers = 1;
    m.i_SoilLayer_py_Type[1] = k_Soil_ElastSG;
    m.rd_LayerTop[1] = m.XSoilPoint[1] = 0.0;
    m.XLayerBottom[1] = m.XSoilPoint[2] = 10.0;
    m.ElasticSubgradeAtPoint[1] = 1000.0;
    m.ElasticSubgradeAtPoint[2] = 3000.0;
    m.NumNodes = 5;
    for (int k = 1; k <= 5; ++k) m.XNode[k] = m.ZNode[k] = 2.5 * (k - 1);
    m.i_TopNodeInLayer[1] = 1;
    m.i_BottomNodeInLayer[1] = 5;
}

}  // namespace

class ElasticSubgradeTest : public ModelTest {};

TEST_F(ElasticSubgradeTest, ModulusIsKTimesWidthWhateverTheDeflection) {
    Set_Up_Layer();
    for (double y : {0.0, 1e-6, 0.05}) {
        SCOPED_TRACE(y);
        for (int k = 1; k <= 5; ++k) Y_Node(k) = y;
        PY_ElasticSubgrade(1, false);
        for (int k = 1; k <= 5; ++k) {
            const double ks = 1000.0 + 200.0 * g_Model.ZNode[k];
            EXPECT_NEAR(g_Model.Es_Node[k], ks * 0.6, 1e-9);
        }
    }
}

TEST_F(ElasticSubgradeTest, MultipliersScaleTheLine) {
    Set_Up_Layer();
    AnalysisModel& m = g_Model;
    m.NumPYModifierPoints = 2;
    m.XPYModifier[1] = 0.0;
    m.XPYModifier[2] = 10.0;
    m.PMultiplier[1] = m.PMultiplier[2] = 0.5;
    m.YMultiplier[1] = m.YMultiplier[2] = 2.0;
    PY_ElasticSubgrade(1, false);
    EXPECT_NEAR(m.Es_Node[3], 0.5 * 2000.0 * 0.6 / 2.0, 1e-9);
}

TEST_F(ElasticSubgradeTest, SoilMovementBecomesALoadThroughTheSpring) {
    Set_Up_Layer();
    AnalysisModel& m = g_Model;
    m.NumSoilMovementPoints = 2;
    m.SoilMovement_Node[2] = 0.01;
    m.DistLoad_Node[2] = 3.0;
    PY_ElasticSubgrade(1, false);
    EXPECT_NEAR(m.W_Node[2], 0.01 * m.Es_Node[2] + 3.0, 1e-12);
}

TEST_F(ElasticSubgradeTest, PrintedCurveIsAStraightLineToTwoDiameters) {
    Set_Up_Layer();
    Capture_Run_Files();
    AnalysisModel& m = g_Model;
    m.rd_PYCurveDepth[1] = m.ZNode[1] = 5.0;   // one requested depth
    m.i_TopPYDepthInLayer[1] = m.i_BottomPYDepthInLayer[1] = 1;
    const double es_before = m.Es_Node[1];
    PY_ElasticSubgrade(1, true);
    EXPECT_EQ(m.Es_Node[1], es_before);
    const auto report = Captured_Report_Lines();
    const int title = Find_Line(report, "p-y Curve for Elastic Subgrade");
    ASSERT_EQ(title, 2);
    const std::string pad(55, ' ');
    EXPECT_EQ(report[8], "Elastic Subgrade Modulus" + pad.substr(24) + "=     2000.000 kN/m**3");
    EXPECT_EQ(report[13], "        y, m         p, kN/m");
    EXPECT_EQ(report[14], "---------------   ---------------");
    // Last row: y = 2 b = 1.2 m, p = 2000 * 0.6 * 1.2 = 1440 kN/m.
    EXPECT_EQ(report.back(), "        1.20000       1440.00000");
    const auto plot = Captured_Plot_Lines();
    ASSERT_EQ(plot.size(), 18u);
    EXPECT_EQ(plot[0], "  0.5000000E+01   17" + std::string(60, ' ') +
                           "Line 7:  p-y curve depth in elastic subgrade soil, no. p-y points on curve no. 1");
    EXPECT_EQ(plot[17], "  0.1200000E+01  0.1440000E+04" + std::string(50, ' ') +
                            "Line 8(17): y, p, for elastic subgrade");
}
