// Pile discretization: node depths, the section of every node, the node ranges of the layers
// and the thin-layer error. Node ranges are worked out by hand from node depths 0, 10, ..., 100.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "input/run_values.h"
#include "model/model.h"
#include "model/units.h"
#include "pile/discretization.h"
#include "support/model_fixture.h"

namespace {

class DiscretizationTest : public ModelTest {
protected:
    // Eleven nodes every 10 units, vertical depth equal to depth along the pile.
    static void Set_Nodes_Every_10() {
        AnalysisModel& m = g_Model;
        m.NumNodes = 11;
        m.PileLength = 100.0;
        for (int k = 1; k <= 11; ++k) {
            m.XNode[k] = 10.0 * (k - 1);
            m.ZNode[k] = m.XNode[k];
        }
    }

    // Layers from the ground surface and the given bottoms, tops derived as before a load case.
    static void Set_Layers(double ground, const std::vector<double>& bottoms) {
        AnalysisModel& m = g_Model;
        m.XGroundSurface = ground;
        m.i_Number_of_Layers = static_cast<int>(bottoms.size());
        for (int L = 1; L <= m.i_Number_of_Layers; ++L) m.XLayerBottom[L] = bottoms[L - 1];
        Derive_Run_Values();
    }
};

struct LayerCase {
    const char* name;
    double ground;
    std::vector<double> bottoms;
    std::vector<int> top_nodes;      // per layer, 0: no node
    std::vector<int> bottom_nodes;   // per layer
};

const LayerCase k_Layer_Cases[] = {
    {"node on an interface starts the lower layer", 0.0, {30.0, 100.0}, {1, 4}, {3, 11}},
    {"thin layer between two nodes holds none", 0.0, {32.0, 38.0, 100.0}, {1, 0, 5}, {4, 0, 11}},
    {"layer below the tip holds none", 0.0, {50.0, 100.0, 120.0}, {1, 6, 0}, {5, 11, 0}},
    {"layer reaching past the tip takes the tip node", 0.0, {55.0, 130.0}, {1, 7}, {6, 11}},
    {"nodes above the ground surface are in no layer", 15.0, {60.0, 100.0}, {3, 7}, {6, 11}},
    {"thin first layer between nodes", 2.0, {8.0, 100.0}, {0, 2}, {0, 11}},
};

}  // namespace

TEST_F(DiscretizationTest, LayerNodeRanges) {
    for (const LayerCase& row : k_Layer_Cases) {
        SCOPED_TRACE(row.name);
        TearDown();   // a fresh model and fresh captured files for every row
        SetUp();
        Capture_Run_Files();
        Set_Nodes_Every_10();
        Set_Layers(row.ground, row.bottoms);
        g_Model.i_TopNodeInLayer[7] = 5;      // stale entries of an earlier case are cleared
        g_Model.i_BottomNodeInLayer[7] = 9;
        AssignNodesToLayers(11);
        for (int L = 1; L <= g_Model.i_Number_of_Layers; ++L) {
            SCOPED_TRACE(L);
            EXPECT_EQ(g_Model.i_TopNodeInLayer[L], row.top_nodes[L - 1]);
            EXPECT_EQ(g_Model.i_BottomNodeInLayer[L], row.bottom_nodes[L - 1]);
        }
        EXPECT_EQ(g_Model.i_TopNodeInLayer[7], 0);
        EXPECT_EQ(g_Model.i_BottomNodeInLayer[7], 0);
        EXPECT_TRUE(Captured_Report_Lines().empty());
    }
}

TEST_F(DiscretizationTest, PileTipBelowTheDeepestLayerIsAnInternalError) {
    // The input checks refuse a pile tip below the soil profile (Input Data Error No. 18), so
    // layers whose nodes run past the deepest layer are our own mistake: an assertion in builds
    // that keep them; elsewhere the layer is left without its last node (-1), silently.
    Capture_Run_Files();
    Set_Nodes_Every_10();
    Set_Layers(0.0, {40.0, 80.0});
#ifdef NDEBUG
    AssignNodesToLayers(11);
    EXPECT_EQ(g_Model.i_BottomNodeInLayer[2], -1);
    EXPECT_TRUE(Captured_Report_Lines().empty());
#else
    EXPECT_DEATH(AssignNodesToLayers(11), "");
#endif
}

TEST_F(DiscretizationTest, AlongThePileUsesDepthsAlongTheAxis) {
    Set_Nodes_Every_10();
    for (int k = 1; k <= 11; ++k) g_Model.ZNode[k] = 0.5 * g_Model.XNode[k];
    Set_Layers(0.0, {30.0, 100.0});
    AssignNodesToLayersAlongPile(11);
    EXPECT_EQ(g_Model.i_TopNodeInLayer[2], 4);     // XNode(4) = 30
    EXPECT_EQ(g_Model.i_BottomNodeInLayer[1], 3);
    AssignNodesToLayers(11);
    EXPECT_EQ(g_Model.i_TopNodeInLayer[2], 7);     // ZNode(7) = 30
    EXPECT_EQ(g_Model.i_BottomNodeInLayer[1], 6);
}

TEST_F(DiscretizationTest, SingleSectionPutsEveryEntryInSectionOne) {
    g_Model.NumSections = 1;
    for (int k = 1; k <= k_Max_Nodes; ++k) g_Model.i_SectionOfNode[k] = 7;
    AssignSectionsToNodes(41);
    for (int k = 1; k <= k_Max_Nodes; ++k) ASSERT_EQ(g_Model.i_SectionOfNode[k], 1) << "node " << k;
}

TEST_F(DiscretizationTest, NodeOnASectionBoundaryBelongsToTheSectionAbove) {
    AnalysisModel& m = g_Model;
    Set_Nodes_Every_10();
    m.XNode[11] = 105.0;            // beyond the last section
    m.i_SectionOfNode[11] = 9;
    m.NumSections = 3;              // 0-30, 30-45, 45-100
    const double points[] = {0.0, 30.0, 30.0, 45.0, 45.0, 100.0};
    for (int i = 1; i <= 6; ++i) m.XSectionPoint[i] = points[i - 1];
    AssignSectionsToNodes(11);
    const int expected[] = {1, 1, 1, 1, 2, 3, 3, 3, 3, 3, 9};
    for (int k = 1; k <= 11; ++k) EXPECT_EQ(m.i_SectionOfNode[k], expected[k - 1]) << "node " << k;
}

TEST_F(DiscretizationTest, DiscretizePileFillsNodesSectionsAndLayers) {
    AnalysisModel& m = g_Model;
    m.NumIncrements = 40;
    m.PileLength = 400.0;
    m.NumSections = 1;
    m.NumSectionPoints = 2;
    m.XSectionPoint[2] = 400.0;
    m.SectionPointE[1] = m.SectionPointE[2] = 29.0e6;
    m.SectionPointI[1] = m.SectionPointI[2] = 300.0;
    Set_Layers(0.0, {95.0, 400.0});
    DiscretizePile();
    EXPECT_EQ(m.NumNodes, 41);
    EXPECT_EQ(m.IncrementLength, 10.0);
    EXPECT_EQ(m.XNode[1], 0.0);
    EXPECT_EQ(m.XNode[11], 100.0);
    EXPECT_EQ(m.XNode[41], 400.0);
    EXPECT_EQ(m.ZNode[11], 100.0);
    EXPECT_EQ(m.EI_Node[1], 8.7e9);
    EXPECT_EQ(m.EI_Node[41], 8.7e9);
    EXPECT_EQ(m.i_SectionOfNode[41], 1);
    EXPECT_EQ(m.i_TopNodeInLayer[2], 11);
    EXPECT_EQ(m.i_BottomNodeInLayer[1], 10);
    EXPECT_EQ(m.i_BottomNodeInLayer[2], 41);
}

TEST_F(DiscretizationTest, BatterTurnsNodeDepthsIntoVerticalDepths) {
    AnalysisModel& m = g_Model;
    m.NumIncrements = 40;
    m.PileLength = 400.0;
    m.PileBatter = std::acos(0.8);
    Set_Layers(0.0, {200.0, 400.0});
    DiscretizePile();
    // Tolerance: cos(acos(0.8)) differs from 0.8 in the last bits.
    EXPECT_NEAR(m.ZNode[11], 80.0, 1e-12);
    EXPECT_EQ(m.XNode[11], 100.0);
    EXPECT_EQ(m.i_TopNodeInLayer[2], 26);   // first vertical depth >= 200: XNode 250
}

TEST_F(DiscretizationTest, TipNodeSitsExactlyAtThePileLength) {
    AnalysisModel& m = g_Model;
    m.NumIncrements = 44;
    m.PileLength = 100.0;
    Set_Layers(0.0, {100.0});
    ASSERT_NE(44 * (100.0 / 44), 100.0);   // the case needs a rounding error at the tip
    Capture_Run_Files();
    DiscretizePile();
    EXPECT_EQ(m.XNode[45], 100.0);
    // The vertical depth of the tip follows: a tip beyond the layer bottom by a rounding error
    // left the layer without its last node (-1) and wrote the "ERROR 2" lines.
    EXPECT_EQ(m.ZNode[45], 100.0);
    EXPECT_EQ(m.i_BottomNodeInLayer[1], 45);
    EXPECT_TRUE(Captured_Report_Lines().empty());
}

// The thin-layer test: layers 0-32, 32-38 (no node), 38-100 over nodes every 10.
class ThinLayerTest : public DiscretizationTest {
protected:
    void SetUp() override {
        DiscretizationTest::SetUp();
        Capture_Run_Files();
        g_Model.IUNITS = k_Units_US;
        Set_Unit_Labels();
        Set_Nodes_Every_10();
    }
};

TEST_F(ThinLayerTest, LayerWithoutANodeRaisesRuntimeError29) {
    Set_Layers(0.0, {32.0, 38.0, 100.0});
    AssignNodesToLayers(11);
    CheckLayerHasNode(2);
    EXPECT_EQ(g_Model.ErrorStatus, 229);
    // 6 thick, h = 100 / 10 = 10, estimate int(100 / 6) = 16.
    const std::vector<std::string> report = {
        "**** Runtime Error No. 29 ****",
        "PROBLEM:  The thickness of layer 2 was too thin to contain a nodal point.",
        "This layer lacks a nodal point and this prevents the correct computation of p-y curves "
        "for the layer .",
        "The thickness of layer 2 is     6.000 in  and the pile increment length is    10.000 in ",
        "The current number of pile increments is 10.",
        "The estimated minimum number of increments needed to get at least one nodal point in the "
        "layer is 16.",
        "",
        "SOLUTION: Increase the number of pile increments. Up to 500 pile increments are allowed "
        "in Orvane.",
        "If this error occurs with the maximum number of pile increments, you will need to "
        "combine the thinnest",
        "soil layer with an adjacent layer.",
        "",
        "",
    };
    EXPECT_EQ(Captured_Report_Lines(), report);
    std::vector<std::string> message = report;
    message[2] = "This layer lacks a nodal point and this prevents the correct computation of the "
                 "layer's p-y curves.";
    EXPECT_EQ(Captured_Message_Lines(), message);
}

struct ToleratedCase {
    const char* name;
    double ground;
    std::vector<double> bottoms;
    int layer;
    double equivalent_top;   // XEquivalentTop of the layer
    int below_rock;          // b_BelowRockLayer of the layer
};

const ToleratedCase k_Tolerated_Cases[] = {
    {"layer with a node", 0.0, {32.0, 38.0, 100.0}, 3, k_No_Equivalent_Top, 0},
    {"thin first layer", 2.0, {8.0, 100.0}, 1, k_No_Equivalent_Top, 0},
    {"equivalent depth already computed", 0.0, {32.0, 38.0, 100.0}, 2, 35.0, 0},
    {"below a rock layer", 0.0, {32.0, 38.0, 100.0}, 2, k_No_Equivalent_Top, -1},
    {"layer starting at the tip", 0.0, {50.0, 100.0, 120.0}, 3, k_No_Equivalent_Top, 0},
};

TEST_F(ThinLayerTest, ToleratedLayersRaiseNothing) {
    for (const ToleratedCase& row : k_Tolerated_Cases) {
        SCOPED_TRACE(row.name);
        Set_Layers(row.ground, row.bottoms);
        AssignNodesToLayers(11);
        g_Model.XEquivalentTop[row.layer] = row.equivalent_top;
        g_Model.b_BelowRockLayer[row.layer] = row.below_rock;
        CheckLayerHasNode(row.layer);
        EXPECT_EQ(g_Model.ErrorStatus, 0);
        EXPECT_TRUE(Captured_Report_Lines().empty());
        g_Model.XEquivalentTop[row.layer] = k_No_Equivalent_Top;
        g_Model.b_BelowRockLayer[row.layer] = 0;
    }
}
