// The values a run analyses where they are not the problem as read: the layer tops follow the
// ground surface and the layer bottoms, the analysed pile length starts at the input length, and
// the problem keeps the tops the input gave.
#include <gtest/gtest.h>

#include <vector>

#include "input/run_values.h"
#include "model/model.h"
#include "support/model_fixture.h"

namespace {

class RunValuesTest : public ModelTest {};

TEST_F(RunValuesTest, LayersAreAnalysedContiguousFromTheGroundSurfaceAndTheProblemKeepsItsTops) {
    struct Case {
        const char* name;
        double ground;
        std::vector<double> tops, bottoms, analysed_tops;
    };
    const Case cases[] = {
        {"contiguous input", 0.0, {0.0, 10.0, 25.0}, {10.0, 25.0, 60.0}, {0.0, 10.0, 25.0}},
        {"a gap between layers 1 and 2", 2.0, {2.0, 12.0}, {10.0, 30.0}, {2.0, 10.0}},
        {"overlapping layers", 0.0, {0.0, 8.0, 20.0}, {10.0, 22.0, 40.0}, {0.0, 10.0, 22.0}},
        {"ground above the pile head", -3.0, {-3.0, 5.0}, {5.0, 50.0}, {-3.0, 5.0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Initialize_Model();
        AnalysisModel& m = g_Model;
        m.PileLength = 48.5;
        m.XGroundSurface = c.ground;
        m.i_Number_of_Layers = static_cast<int>(c.bottoms.size());
        for (int L = 1; L <= m.i_Number_of_Layers; ++L) {
            m.XLayerTop[L] = c.tops[L - 1];
            m.XLayerBottom[L] = c.bottoms[L - 1];
        }
        Derive_Run_Values();
        EXPECT_NE(m.b_RunValuesDerived, 0);
        EXPECT_EQ(m.rd_PileLengthAnalysed, 48.5);
        EXPECT_EQ(m.PileLength, 48.5);
        for (int L = 1; L <= m.i_Number_of_Layers; ++L) {
            SCOPED_TRACE(L);
            EXPECT_EQ(m.rd_LayerTop[L], c.analysed_tops[L - 1]);
            EXPECT_EQ(m.XLayerTop[L], c.tops[L - 1]);
            EXPECT_EQ(m.XLayerBottom[L], c.bottoms[L - 1]);
        }
    }
}

TEST_F(RunValuesTest, LayersBeyondTheProblemsAreLeftAlone) {
    AnalysisModel& m = g_Model;
    m.rd_LayerTop[4] = 99.0;
    m.XGroundSurface = 2.0;
    m.i_Number_of_Layers = 3;
    for (int L = 1; L <= 3; ++L) m.XLayerBottom[L] = 10.0 * L;
    Derive_Run_Values();
    EXPECT_EQ(m.rd_LayerTop[3], 20.0);
    EXPECT_EQ(m.rd_LayerTop[4], 99.0);
}

TEST_F(RunValuesTest, AProblemWithoutSoilLayersHasOnlyItsPileLength) {
    g_Model.PileLength = 30.0;
    Derive_Run_Values();
    EXPECT_EQ(g_Model.rd_PileLengthAnalysed, 30.0);
    EXPECT_EQ(g_Model.rd_LayerTop[1], 0.0);
}

}  // namespace
