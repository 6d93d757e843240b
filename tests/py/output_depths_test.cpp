// p-y curves at requested depths: sorting, purging, the depth check, the depths' layers and the
// pile's nodes left as discretized.
#include <gtest/gtest.h>

#include "model/model.h"
#include "model/soil_types.h"
#include "model/units.h"
#include "pile/discretization.h"
#include "py/output_depths.h"
#include "support/model_fixture.h"

class OutputDepthsTest : public ModelTest {
protected:
    // An SI pile 10 m long in 10 increments, one "Elast SG" layer from the ground at 1 m.
    void Set_Up_Pile(std::initializer_list<double> depths) {
        AnalysisModel& m = g_Model;
        m.IUNITS = k_Units_SI;
        Set_Unit_Labels();
        m.rd_PileLengthAnalysed = 10.0;
        m.NumIncrements = 10;
        m.NumSections = 1;
        m.NumSectionPoints = 2;
        m.XSectionPoint[2] = 10.0;
        m.SectionPointD[1] = m.SectionPointD[2] = 0.5;
        m.XGroundSurface = 1.0;
        m.i_Number_of_Layers = 1;
        m.i_SoilLayer_py_Type[1] = k_Soil_ElastSG;
        m.rd_LayerTop[1] = m.XSoilPoint[1] = 1.0;
        m.XLayerBottom[1] = m.XSoilPoint[2] = 10.0;
        m.ElasticSubgradeAtPoint[1] = m.ElasticSubgradeAtPoint[2] = 5000.0;
        m.NumNodes = 11;
        for (int k = 1; k <= 11; ++k) m.XNode[k] = m.ZNode[k] = k - 1.0;
        AssignNodesToLayers(m.NumNodes);
        m.NumPYOutputDepths = 0;
        for (double d : depths) m.XPYOutputDepth[++m.NumPYOutputDepths] = d;
        Capture_Run_Files();
    }
};

TEST_F(OutputDepthsTest, DepthsAreSortedPurgedAndPrintedInOrder) {
    Set_Up_Pile({8.0, 4.0, 4.0, 2.0});
    PrintPYCurvesAtDepths();
    const AnalysisModel& m = g_Model;
    ASSERT_EQ(m.ErrorStatus, 0);
    ASSERT_EQ(m.i_NumPYCurveDepths, 3);
    EXPECT_EQ(m.rd_PYCurveDepth[1], 2.0);
    EXPECT_EQ(m.rd_PYCurveDepth[2], 4.0);
    EXPECT_EQ(m.rd_PYCurveDepth[3], 8.0);
    EXPECT_EQ(m.rd_PYCurveDepth[4], 0.0);
    // the depths as read stay as read (they were once sorted and purged in place)
    ASSERT_EQ(m.NumPYOutputDepths, 4);
    EXPECT_EQ(m.XPYOutputDepth[1], 8.0);
    EXPECT_EQ(m.XPYOutputDepth[2], 4.0);
    EXPECT_EQ(m.XPYOutputDepth[3], 4.0);
    EXPECT_EQ(m.XPYOutputDepth[4], 2.0);
    const auto plot = Captured_Plot_Lines();
    ASSERT_FALSE(plot.empty());
    EXPECT_EQ(plot[0], "    3" + std::string(75, ' ') + "Line 6 : number of output p-y curves");
    int curves = 0;
    for (const std::string& l : Captured_Report_Lines()) curves += l == "p-y Curve for Elastic Subgrade";
    EXPECT_EQ(curves, 3);
    // The curves were computed at the three depths of the layer; the pile's own nodes stay,
    // with the layer's node range over them.
    EXPECT_EQ(m.i_TopPYDepthInLayer[1], 1);
    EXPECT_EQ(m.i_BottomPYDepthInLayer[1], 3);
    EXPECT_EQ(m.XNode[3], 2.0);
    EXPECT_EQ(m.XNode[11], 10.0);
    EXPECT_EQ(m.i_TopNodeInLayer[1], 2);
    EXPECT_EQ(m.i_BottomNodeInLayer[1], 11);
}

// The printed curves are computed at the requested depths themselves: the pile's nodes, their
// layer ranges and the increment stay exactly as discretized, whatever the discretization (the
// nodes were once overwritten by the depths and rebuilt as a uniform grid afterwards).
TEST_F(OutputDepthsTest, PrintedCurvesLeaveThePilesNodesAsDiscretized) {
    Set_Up_Pile({8.0, 2.0, 4.5});
    AnalysisModel& m = g_Model;
    for (int k = 1; k <= 11; ++k) m.XNode[k] = m.ZNode[k] = 10.0 * (k - 1) * (k - 1) / 100.0;
    AssignNodesToLayers(m.NumNodes);
    m.IncrementLength = 0.75;
    const auto nodes = m.XNode;
    const auto tops = m.i_TopNodeInLayer;
    const auto bottoms = m.i_BottomNodeInLayer;
    PrintPYCurvesAtDepths();
    ASSERT_EQ(m.ErrorStatus, 0);
    EXPECT_EQ(m.XNode, nodes);
    EXPECT_EQ(m.i_TopNodeInLayer, tops);
    EXPECT_EQ(m.i_BottomNodeInLayer, bottoms);
    EXPECT_EQ(m.NumNodes, 11);
    EXPECT_EQ(m.IncrementLength, 0.75);
    int curves = 0;
    for (const std::string& l : Captured_Report_Lines()) curves += l == "p-y Curve for Elastic Subgrade";
    EXPECT_EQ(curves, 3);
}

// A requested depth on a layer interface belongs to the layer below, as a node does; a layer
// without a requested depth prints nothing.
TEST_F(OutputDepthsTest, RequestedDepthsTakeTheLayersTheirNodesWouldTake) {
    Set_Up_Pile({2.0, 4.0, 9.0});
    AnalysisModel& m = g_Model;
    m.i_Number_of_Layers = 3;
    m.XLayerBottom[1] = m.XSoilPoint[2] = 4.0;
    m.i_SoilLayer_py_Type[2] = m.i_SoilLayer_py_Type[3] = k_Soil_ElastSG;
    m.rd_LayerTop[2] = 4.0;
    m.XLayerBottom[2] = 6.0;
    m.rd_LayerTop[3] = 6.0;
    m.XLayerBottom[3] = 10.0;
    for (int p = 3; p <= 6; ++p) {
        m.XSoilPoint[p] = p % 2 == 1 ? m.rd_LayerTop[(p + 1) / 2] : m.XLayerBottom[p / 2];
        m.ElasticSubgradeAtPoint[p] = 5000.0;
    }
    AssignNodesToLayers(m.NumNodes);
    PrintPYCurvesAtDepths();
    ASSERT_EQ(m.ErrorStatus, 0);
    EXPECT_EQ(m.i_TopPYDepthInLayer[1], 1);
    EXPECT_EQ(m.i_BottomPYDepthInLayer[1], 1);
    EXPECT_EQ(m.i_TopPYDepthInLayer[2], 2);
    EXPECT_EQ(m.i_BottomPYDepthInLayer[2], 2);
    EXPECT_EQ(m.i_TopPYDepthInLayer[3], 3);
    EXPECT_EQ(m.i_BottomPYDepthInLayer[3], 3);
    // the same ranges as the pile's nodes at those depths would get
    EXPECT_EQ(m.i_TopNodeInLayer[2], 5);   // the node at 4 m
}

TEST_F(OutputDepthsTest, NoDepthsWritesOnlyTheFraming) {
    Set_Up_Pile({});
    PrintPYCurvesAtDepths();
    EXPECT_EQ(Captured_Plot_Lines().size(), 1u);
    EXPECT_EQ(Captured_Report_Lines().size(), 3u);
    EXPECT_EQ(Captured_Message_Lines(),
              std::vector<std::string>{"Computing p-y curves for output at user-specified depths."});
}

TEST_F(OutputDepthsTest, DepthAboveGroundIsInputError23AndAtGroundIsAccepted) {
    Set_Up_Pile({1.0});
    PrintPYCurvesAtDepths();
    EXPECT_EQ(g_Model.ErrorStatus, 0);

    Initialize_Model();
    Set_Up_Pile({0.5, 3.0});
    PrintPYCurvesAtDepths();
    EXPECT_EQ(g_Model.ErrorStatus, 123);
    const std::vector<std::string> expected = {
        "**** Input Data Error No. 23 (NON-FATAL) ****", "",
        "p-y curves cannot be generated at depth number 1",
        "This location is     0.500 m below the pile head and ",
        "is above the ground surface for this problem.", "",
        "The ground surface is     1.000 m below the top of the pile.", ""};
    const auto report = Captured_Report_Lines();
    EXPECT_EQ(std::vector<std::string>(report.begin() + 3, report.end()), expected);
    EXPECT_EQ(Captured_Plot_Lines().back(),
              "  0.5000000E+00    0" + std::string(60, ' ') + "Line 7:  p-y curve depth, no. p-y points");
    EXPECT_EQ(g_Model.XNode[2], 1.0);   // the pile's nodes untouched
}
