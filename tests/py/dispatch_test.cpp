// The dispatch by soil type: which types have a criterion, and that a layer of a type without
// one keeps its moduli while a layer of a built type gets them.
#include <gtest/gtest.h>

#include "model/capacities.h"
#include "model/model.h"
#include "model/soil_types.h"
#include "py/dispatch.h"
#include "support/model_fixture.h"

class DispatchTest : public ModelTest {
protected:
    // Layer 1 of the given type over nodes 1 to 3 of a pile 0.5 m wide, with an elastic
    // subgrade modulus of 4000 kN/m3 and every modulus at a marker value.
    void Set_Up_Layer(int type) {
        AnalysisModel& m = g_Model;
        m.NumSectionPoints = 2;
        m.XSectionPoint[2] = 10.0;
        m.SectionPointD[1] = m.SectionPointD[2] = 0.5;
        m.i_Number_of_Layers = 1;
        m.i_SoilLayer_py_Type[1] = type;
        m.rd_LayerTop[1] = m.XSoilPoint[1] = 0.0;
        m.XLayerBottom[1] = m.XSoilPoint[2] = 10.0;
        m.NumStrengthPoints = 2;
        m.ElasticSubgradeAtPoint[1] = m.ElasticSubgradeAtPoint[2] = 4000.0;
        m.i_TopNodeInLayer[1] = 1;
        m.i_BottomNodeInLayer[1] = 3;
        for (int k = 1; k <= 3; ++k) {
            m.XNode[k] = m.ZNode[k] = 2.0 * k;
            m.Es_Node[k] = k_Marker;
        }
    }
    static constexpr double k_Marker = -123.0;
};

TEST_F(DispatchTest, TheBuiltCriteria) {
    const int built[] = {k_Soil_SoftClay, k_Soil_StfClyBW, k_Soil_StfClyAW, k_Soil_StfClyAK,
                         k_Soil_Sand,     k_Soil_APISand,  k_Soil_LiqSand,  k_Soil_ElastSG,
                         k_Soil_UserPY,   k_Soil_SoftClyJ, k_Soil_CemSilt,  k_Soil_KSLoess,
                         k_Soil_Piedmont, k_Soil_WeakRock, k_Soil_VuggyLS, k_Soil_MassRock};
    int count = 0;
    for (int type = 0; type <= k_Num_Soil_Types + 1; ++type) {
        SCOPED_TRACE(type);
        bool expected = false;
        for (const int b : built) expected = expected || b == type;
        EXPECT_EQ(Has_Criterion(type), expected);
        count += Has_Criterion(type) ? 1 : 0;
    }
    EXPECT_EQ(count, 16);
}

TEST_F(DispatchTest, ALayerWithoutACriterionKeepsItsModuli) {
    for (const int type : {k_Soil_FrzSoil, k_Num_Soil_Types}) {
        SCOPED_TRACE(type);
        Initialize_Model();
        Set_Up_Layer(type);
        ASSERT_FALSE(Has_Criterion(type));
        UpdateLayerSoilModuli(1, false);
        EXPECT_EQ(g_Model.ErrorStatus, 0);
        for (int k = 1; k <= 3; ++k) EXPECT_EQ(g_Model.Es_Node[k], k_Marker);
    }
}

TEST_F(DispatchTest, ALayerWithACriterionGetsItsModuli) {
    Set_Up_Layer(k_Soil_ElastSG);
    ASSERT_TRUE(Has_Criterion(k_Soil_ElastSG));
    UpdateLayerSoilModuli(1, false);
    ASSERT_EQ(g_Model.ErrorStatus, 0);
    // a straight line: k b at every node
    for (int k = 1; k <= 3; ++k) EXPECT_DOUBLE_EQ(g_Model.Es_Node[k], 4000.0 * 0.5);
}
