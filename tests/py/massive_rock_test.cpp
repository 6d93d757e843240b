// Massive rock computes no p-y curve: a layer that holds nodes stops the run with status 99
// after its lookups and a message that names the layer; a layer without nodes does nothing.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/model.h"
#include "model/soil_types.h"
#include "model/units.h"
#include "py/criteria.h"
#include "py/layered_pile.h"
#include "support/model_fixture.h"

class MassiveRockTest : public ModelTest {
protected:
    // SI pile 1 m wide, 10 m long, nodes every 0.5 m: sand to 4 m over massive rock to `bottom`.
    void Set_Up(double bottom) {
        Set_Up_Pile(k_Units_SI, 1.0, 10.0, 21);
        const LayerValues sand{10.0, 0.0, 0.0, 0.0, 36.0};
        const LayerValues rock{12.0, 0.0, 0.0, 0.0, 0.0};
        Add_Layer(k_Soil_Sand, 0.0, 4.0, sand, sand);
        Add_Layer(k_Soil_MassRock, 4.0, bottom, rock, rock);
        Assign_Layers();
    }
};

TEST_F(MassiveRockTest, ALayerWithNodesStopsTheRunNamingIt) {
    Capture_Run_Files();
    Set_Up(12.0);
    AnalysisModel& m = g_Model;
    for (int k = 1; k <= 21; ++k) m.Es_Node[k] = -1.0;
    PY_MassiveRock(2, false);
    EXPECT_EQ(m.ErrorStatus, 99);
    for (int k = 1; k <= 21; ++k) EXPECT_EQ(m.Es_Node[k], -1.0);
    const std::vector<std::string> expected = {
        "",
        "The analysis stopped at soil layer 2, a layer of massive rock (\"MassRock\").",
        "",
        "Problem:  The massive rock criterion of soil layer 2 computes no p-y curve.",
        "          No lateral response can be computed for a pile that reaches this layer.",
        "Solution: Describe the rock of this layer with the weak rock or the strong rock",
        "          (vuggy limestone) criteria, or end the pile above the layer.",
        ""};
    EXPECT_EQ(Captured_Report_Lines(), expected);
    EXPECT_EQ(Captured_Message_Lines(), expected);
}

TEST_F(MassiveRockTest, ALayerWithoutNodesDoesNothing) {
    Capture_Run_Files();
    Set_Up(12.0);
    AnalysisModel& m = g_Model;
    m.i_TopNodeInLayer[2] = m.i_BottomNodeInLayer[2] = 0;
    PY_MassiveRock(2, false);
    EXPECT_EQ(m.ErrorStatus, 0);
    EXPECT_TRUE(Captured_Report_Lines().empty());
}

TEST_F(MassiveRockTest, LookupErrorsComeFirst) {
    // The effective unit weight table ends above the layer's first node: Input Data Error
    // No. 15, not the stop.
    Capture_Run_Files();
    Set_Up(12.0);
    AnalysisModel& m = g_Model;
    m.NumUnitWeightPoints = 1;
    PY_MassiveRock(2, false);
    EXPECT_EQ(m.ErrorStatus, 115);
}
