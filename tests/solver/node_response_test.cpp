// Node responses from a given deflected shape: soil reaction with and without soil movement,
// combined stress, and the maxima per load case and per pile section. The deflections are set
// by hand so that every expected value can be worked out on paper.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "model/model.h"
#include "solver/node_response.h"
#include "support/model_fixture.h"

namespace {

class NodeResponseTest : public ModelTest {
protected:
    // Ten increments of h = 2 with EI = 100 and the deflection y(k) = k^2 (imaginary nodes
    // included), so the curvature is 2/h^2 = 0.5 everywhere and M = EI/2 = 50 inside the pile.
    void SetUp() override {
        ModelTest::SetUp();
        AnalysisModel& m = g_Model;
        m.NumNodes = 11;
        m.IncrementLength = 2.0;
        m.i_HeadLoadType = 1;
        m.i_CurrentLoadCase = 3;
        for (int k = 1; k <= 11; ++k) {
            m.XNode[k] = 2.0 * (k - 1);
            m.EI_Node[k] = 100.0;
            m.Es_Node[k] = 4.0;
            m.i_SectionOfNode[k] = k <= 6 ? 1 : 2;
        }
        for (int k = -1; k <= 12; ++k) Y_Node(k) = static_cast<double>(k) * k;
    }
};

TEST_F(NodeResponseTest, MomentSlopeAndSoilReactionOfAnInnerNode) {
    NodeResponse(5);
    EXPECT_DOUBLE_EQ(g_Model.rd_Moment_Node[5], 50.0);
    EXPECT_DOUBLE_EQ(g_Model.rd_Slope_Node[5], (36.0 - 16.0) / 4.0);
    EXPECT_DOUBLE_EQ(g_Model.rd_Shear_Node[5], 0.0);   // constant curvature: no shear
    EXPECT_DOUBLE_EQ(g_Model.rd_SoilReaction_Node[5], -4.0 * 25.0);
}

TEST_F(NodeResponseTest, SoilMovementLoadsThePileThroughTheSpring) {
    // The soil reaction is the spring's force on the relative deflection alone: p = -E (y - ys)
    // = -4 (25 - 30). The distributed load on the node is not soil reaction; it was once taken
    // off here too, so that a pile under 10 kN/m printed -20 kN/m of reaction with a movement
    // table of zeros and -10 without one.
    AnalysisModel& m = g_Model;
    m.DistLoad_Node[5] = 7.0;
    struct Case { const char* name; int use_movement; double ys; double p; };
    const Case cases[] = {{"movement of 30", -1, 30.0, 20.0},
                          {"movement table of zeros", -1, 0.0, -100.0},
                          {"no movement table", 0, 0.0, -100.0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        m.b_UseSoilMovement = c.use_movement;
        m.SoilMovement_Node[5] = c.ys;
        NodeResponse(5);
        EXPECT_DOUBLE_EQ(m.rd_SoilReaction_Node[5], c.p);
    }
}

TEST_F(NodeResponseTest, InfiniteModulusAtZeroDeflectionGivesNoReaction) {
    g_Model.Es_Node[4] = std::numeric_limits<double>::infinity();
    Y_Node(4) = 0.0;
    NodeResponse(4);
    EXPECT_EQ(g_Model.rd_SoilReaction_Node[4], 0.0);
}

TEST_F(NodeResponseTest, TipCarriesNoMomentAndTheTipShear) {
    g_Model.TipShear = -12.0;
    NodeResponse(11);
    EXPECT_EQ(g_Model.rd_Moment_Node[11], 0.0);
    EXPECT_EQ(g_Model.rd_Shear_Node[11], -12.0);
    EXPECT_DOUBLE_EQ(g_Model.rd_Slope_Node[11], (121.0 - 100.0) / 2.0);
}

// The whole pile as one section of the given type and properties.
void Set_Prismatic_Section(int type, double D, double D2, double A, double I) {
    AnalysisModel& m = g_Model;
    m.NumSections = 1;
    m.SectionType[1] = type;
    m.NumSectionPoints = 2;
    m.XSectionPoint[1] = 0.0;
    m.XSectionPoint[2] = m.XNode[m.NumNodes];
    for (int i = 1; i <= 2; ++i) {
        m.SectionPointD[i] = D;
        m.SectionPointD2[i] = D2;
        m.SectionPointA[i] = A;
        m.SectionPointI[i] = I;
    }
}

struct FibreCase {
    const char* name;
    int type;
    double D, D2;
    double c;   // expected extreme-fibre distance
};
const FibreCase k_Fibre_Cases[] = {
    {"drilled shaft: half the diameter", 1, 10.0, 0.0, 5.0},
    {"elastic pile: half the width", 11, 12.0, 0.0, 6.0},
    {"elastic pole in a drilled hole: half the pole width", 11, 20.0, 6.0, 3.0},
    {"elastic-plastic pole in a drilled hole", 12, 20.0, 8.0, 4.0},
};

TEST_F(NodeResponseTest, StressUsesTheExtremeFibreOfTheSectionAtTheNode) {
    g_Model.AxialThrust = -300.0;   // tension adds its magnitude as well
    for (const FibreCase& row : k_Fibre_Cases) {
        SCOPED_TRACE(row.name);
        Set_Prismatic_Section(row.type, row.D, row.D2, 30.0, 200.0);
        NodeResponse(5);
        // |Q|/A + |M| c / I with M = 50 inside the pile
        EXPECT_DOUBLE_EQ(g_Model.rd_Stress_Node[5], 300.0 / 30.0 + 50.0 * row.c / 200.0);
    }
}

TEST(CombinedStressLaw, AxialPlusBendingOrZeroWithoutSection) {
    // |Q|/A + |M| c / I = 1000/50 + 2000 * 6 / 400
    EXPECT_DOUBLE_EQ(Combined_Stress(-1000.0, -2000.0, 50.0, 400.0, 6.0), 50.0);
    EXPECT_EQ(Combined_Stress(1000.0, 2000.0, 0.0, 400.0, 6.0), 0.0);
    EXPECT_EQ(Combined_Stress(1000.0, 2000.0, 50.0, 0.0, 6.0), 0.0);
}

TEST_F(NodeResponseTest, MaximaKeepTheEarliestNodeOfTheLargestMagnitudePerSection) {
    AnalysisModel& m = g_Model;
    Set_Prismatic_Section(1, 10.0, 0.0, 10.0, 1000.0);   // extreme fibre at 5
    // a kink at node 8 (section 2): the second difference becomes 5, -4, 5 at nodes 7, 8, 9,
    // so M = 125, -100, 125 there, and the shear 100 (c(k+1) - c(k-1)) / 16 is -37.5 at node 7
    // and +37.5 at node 9
    Y_Node(8) = 64.0 + 3.0;
    Reset_Response_Maxima();
    Clear_Section_Maxima(3);
    for (int k = 1; k <= 11; ++k) NodeResponse(k);

    EXPECT_DOUBLE_EQ(m.rd_MaxMoment, 125.0);
    EXPECT_EQ(m.rd_XMaxMoment, 12.0);                 // node 7 wins the tie with node 9
    EXPECT_DOUBLE_EQ(m.rd_MaxShear, -37.5);           // signed value of the largest magnitude
    EXPECT_EQ(m.rd_XMaxShear, 12.0);
    EXPECT_DOUBLE_EQ(m.rd_MaxStress, 125.0 * 5.0 / 1000.0);
    // section 1 (nodes 1-6) has M = 50 at every node: the head node holds it
    EXPECT_DOUBLE_EQ(m.rd_SectionMaxMoment[1][3], 50.0);
    EXPECT_EQ(m.i_SectionMaxMomentNode[1][3], 1);
    EXPECT_DOUBLE_EQ(m.rd_SectionMaxMoment[2][3], 125.0);
    EXPECT_EQ(m.i_SectionMaxMomentNode[2][3], 7);
    EXPECT_DOUBLE_EQ(m.rd_SectionMaxShear[2][3], 37.5);
    EXPECT_EQ(m.i_SectionMaxShearNode[2][3], 7);
    // other load cases are untouched
    EXPECT_EQ(m.rd_SectionMaxMoment[2][2], 0.0);
}

struct HeadResultCase {
    const char* name;
    int type;
    bool shear_specified, moment_specified, slope_specified;
};
const HeadResultCase k_Head_Result_Cases[] = {
    {"type 1: shear and moment as specified", 1, true, true, false},
    {"type 2: shear specified", 2, true, false, false},
    {"type 3: shear specified", 3, true, false, false},
    {"type 4: moment specified", 4, false, true, false},
    {"type 5: slope specified", 5, false, false, true},
};

TEST_F(NodeResponseTest, HeadResultsTakeTheSpecifiedValueWhereTheLoadTypeImposesIt) {
    AnalysisModel& m = g_Model;
    m.HeadShear = 111.0;
    m.HeadMoment = 222.0;
    m.HeadSlope = 0.333;
    for (const HeadResultCase& row : k_Head_Result_Cases) {
        SCOPED_TRACE(row.name);
        m.i_HeadLoadType = row.type;
        NodeResponse(1);
        // y = k^2: M1 = EI 2/h^2 = 50; central slope (4 - 0)/4 = 1; one-sided (16 - 3 - 9)/4 = 1
        EXPECT_DOUBLE_EQ(m.rd_Moment_Node[1], 50.0);
        EXPECT_DOUBLE_EQ(m.rd_HeadShearResult, row.shear_specified ? 111.0 : m.rd_Shear_Node[1]);
        EXPECT_DOUBLE_EQ(m.rd_HeadMomentResult, row.moment_specified ? 222.0 : 50.0);
        EXPECT_DOUBLE_EQ(m.rd_HeadSlopeResult, row.slope_specified ? 0.333 : 1.0);
    }
}

}  // namespace
