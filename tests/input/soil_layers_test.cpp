// SOIL LAYERS: every soil type's property lines land in their columns at the right strength
// points, user p-y curves, the derived tables and ground surface, and the limits.
#include "input/soil_layers.h"

#include <gtest/gtest.h>

#include <string>

#include "model/model.h"
#include "model/soil_types.h"
#include "support/input_fixture.h"

namespace {

using SoilLayers = InputFixture;

// Values on the property lines of the all-types profile: value i of layer L is 100 L + i on the
// top line and 100 L + 50 + i on the bottom line, so that every column and point is distinct.
double Value(int L, bool top, int i) { return 100.0 * L + (top ? 0 : 50) + i; }

// Number of values on a property line, by soil type; -1 for the user p-y type, tested apart.
int Values_On_Line(int type) {
    switch (type) {
        case k_Soil_LiqSand: return 1;
        case k_Soil_VuggyLS: case k_Soil_KSLoess: case k_Soil_ElastSG: return 2;
        case k_Soil_SoftClay: case k_Soil_StfClyAW: case k_Soil_Sand: case k_Soil_APISand: return 3;
        case k_Soil_StfClyBW: case k_Soil_StfClyAK: case k_Soil_SoftClyJ: return 4;
        case k_Soil_WeakRock: case k_Soil_CemSilt: case k_Soil_MassRock: return 5;
        case k_Soil_Piedmont: return 6;
        default: return 0;
    }
}

// Layers of types 1 to 20 without 14, layer L from L + 1 to L + 2 (feet); the sand layer's lines
// carry one value too many.
std::string All_Types_Profile() {
    std::string text = "SOIL LAYERS\n19\n";
    int L = 0;
    for (int type = 1; type <= 20; ++type) {
        if (type == k_Soil_UserPY) continue;
        ++L;
        text += std::to_string(type) + " " + std::to_string(L + 1) + ".0 " +
                std::to_string(L + 2) + ".0\n";
        for (bool top : {true, false}) {
            for (int i = 1; i <= Values_On_Line(type); ++i) {
                text += std::to_string(static_cast<int>(Value(L, top, i))) + " ";
            }
            if (type == k_Soil_Sand) text += "9999";
            if (Values_On_Line(type) > 0) text += "\n";
        }
    }
    return text + "END\n";
}

struct ColumnCase {
    int type;
    int position;                          // value position on the property line
    double (*stored)(int L, int k, bool top);
};

double Gamma(int, int k, bool) { return g_Model.UnitWeightAtPoint[k]; }
double Strength(int, int k, bool) { return g_Model.StrengthAtPoint[k]; }
double Eps50(int, int k, bool) { return g_Model.Epsilon50AtPoint[k]; }
double J(int, int k, bool) { return g_Model.JAtPoint[k]; }
double Phi(int, int k, bool) { return g_Model.FrictionAngleAtPoint[k]; }
double Rqd(int, int k, bool) { return g_Model.RQDAtPoint[k]; }
double Subgrade(int L, int, bool top) { return top ? g_Model.LayerKTop[L] : g_Model.LayerKBottom[L]; }
double TestType(int, int k, bool) { return g_Model.FieldTestTypeAtPoint[k]; }
double N60(int, int k, bool) { return g_Model.SPTN60AtPoint[k]; }
double Qc(int, int k, bool) { return g_Model.ConeTipResistanceAtPoint[k]; }
double Dilatometer(int, int k, bool) { return g_Model.DilatometerModulusAtPoint[k]; }
double Pressuremeter(int, int k, bool) { return g_Model.PressuremeterModulusAtPoint[k]; }
double ElasticSubgrade(int, int k, bool) { return g_Model.ElasticSubgradeAtPoint[k]; }
double SigmaCi(int, int k, bool) { return g_Model.IntactRockStrengthAtPoint[k]; }
double RockType(int, int k, bool) { return g_Model.RockTypeAtPoint[k]; }
double Gsi(int, int k, bool) { return g_Model.GSIAtPoint[k]; }
double MassRockExtra(int, int k, bool) { return g_Model.MassRockExtraAtPoint[k]; }

const ColumnCase k_Columns[] = {
    {k_Soil_SoftClay, 1, Gamma}, {k_Soil_SoftClay, 2, Strength}, {k_Soil_SoftClay, 3, Eps50},
    {k_Soil_StfClyBW, 1, Gamma}, {k_Soil_StfClyBW, 2, Strength}, {k_Soil_StfClyBW, 3, Eps50},
    {k_Soil_StfClyBW, 4, Subgrade},
    {k_Soil_StfClyAW, 1, Gamma}, {k_Soil_StfClyAW, 2, Strength}, {k_Soil_StfClyAW, 3, Eps50},
    {k_Soil_StfClyAK, 1, Gamma}, {k_Soil_StfClyAK, 2, Strength}, {k_Soil_StfClyAK, 3, Eps50},
    {k_Soil_StfClyAK, 4, Subgrade},
    {k_Soil_Sand, 1, Gamma}, {k_Soil_Sand, 2, Phi}, {k_Soil_Sand, 3, Subgrade},
    {k_Soil_APISand, 1, Gamma}, {k_Soil_APISand, 2, Phi}, {k_Soil_APISand, 3, Subgrade},
    {k_Soil_LiqSand, 1, Gamma},
    // Weak rock: Eir in the k columns and k_rm in the eps50 column.
    {k_Soil_WeakRock, 1, Gamma}, {k_Soil_WeakRock, 2, Strength}, {k_Soil_WeakRock, 3, Subgrade},
    {k_Soil_WeakRock, 4, Rqd}, {k_Soil_WeakRock, 5, Eps50},
    {k_Soil_VuggyLS, 1, Gamma}, {k_Soil_VuggyLS, 2, Strength},
    {k_Soil_Piedmont, 1, Gamma}, {k_Soil_Piedmont, 2, TestType}, {k_Soil_Piedmont, 3, N60},
    {k_Soil_Piedmont, 4, Qc}, {k_Soil_Piedmont, 5, Dilatometer},
    {k_Soil_Piedmont, 6, Pressuremeter},
    {k_Soil_CemSilt, 1, Gamma}, {k_Soil_CemSilt, 2, Strength}, {k_Soil_CemSilt, 3, Phi},
    {k_Soil_CemSilt, 4, Eps50}, {k_Soil_CemSilt, 5, Subgrade},
    {k_Soil_KSLoess, 1, Gamma}, {k_Soil_KSLoess, 2, Qc},
    {k_Soil_ElastSG, 1, Gamma}, {k_Soil_ElastSG, 2, ElasticSubgrade},
    {k_Soil_SoftClyJ, 1, Gamma}, {k_Soil_SoftClyJ, 2, Strength}, {k_Soil_SoftClyJ, 3, Eps50},
    {k_Soil_SoftClyJ, 4, J},
    {k_Soil_MassRock, 1, Gamma}, {k_Soil_MassRock, 2, SigmaCi}, {k_Soil_MassRock, 3, RockType},
    {k_Soil_MassRock, 4, Gsi}, {k_Soil_MassRock, 5, MassRockExtra},
};

// Layer number of a soil type in the all-types profile (type 14 is left out).
int Layer_Of(int type) { return type < k_Soil_UserPY ? type : type - 1; }

TEST_F(SoilLayers, EverySoilTypeStoresItsPropertyLinesInItsColumns) {
    Read_Input(All_Types_Profile());
    ASSERT_EQ(g_Model.ErrorStatus, 0);
    for (const ColumnCase& row : k_Columns) {
        const int L = Layer_Of(row.type);
        for (bool top : {true, false}) {
            SCOPED_TRACE(std::string(g_Model.SoilTypeCode[row.type].data()) + " value " +
                         std::to_string(row.position) + (top ? " top" : " bottom"));
            EXPECT_EQ(g_Model.i_SoilLayer_py_Type[L], row.type);
            EXPECT_EQ(row.stored(L, top ? 2 * L - 1 : 2 * L, top), Value(L, top, row.position));
        }
    }
    // Values a type does not carry are left as they were: soft clay has no friction angle.
    EXPECT_EQ(g_Model.FrictionAngleAtPoint[1], 0.0);
    EXPECT_EQ(g_Model.LayerKTop[1], 0.0);
}

TEST_F(SoilLayers, DerivedTablesAndGroundSurface) {
    Read_Input(All_Types_Profile());
    ASSERT_EQ(g_Model.ErrorStatus, 0);
    const AnalysisModel& m = g_Model;
    EXPECT_EQ(m.i_Number_of_Layers, 19);
    EXPECT_EQ(m.NumStrengthPoints, 38);
    EXPECT_EQ(m.NumUnitWeightPoints, 38);
    for (int L = 1; L <= 19; ++L) {
        SCOPED_TRACE(L);
        EXPECT_EQ(m.XLayerTop[L], L + 1.0);
        EXPECT_EQ(m.XLayerBottom[L], L + 2.0);
        EXPECT_EQ(m.XSoilPoint[2 * L - 1], L + 1.0);
        EXPECT_EQ(m.XSoilPoint[2 * L], L + 2.0);
        EXPECT_EQ(m.XUnitWeightPoint[2 * L - 1], L + 1.0);
        EXPECT_EQ(m.XUnitWeightPoint[2 * L], L + 2.0);
    }
    // The first layer starts 2 feet below the pile head.
    EXPECT_EQ(m.XGroundSurface, 2.0);
    EXPECT_TRUE(Has_Line(Message_Lines(), "Reading soil layering data"));
}

TEST_F(SoilLayers, GroundAboveThePileHeadIsNegative) {
    Read_Input("SOIL LAYERS\n1\n7 -1.0 10.0\n60.0\n62.0\nEND\n");
    ASSERT_EQ(g_Model.ErrorStatus, 0);
    EXPECT_EQ(g_Model.XGroundSurface, -1.0);
}

TEST_F(SoilLayers, UserPYCurvesTakeTheirPointLinesAndLayerDepths) {
    // Top curve of 3 points, bottom curve of 4: nine lines after the layer line; the next
    // layer line must then be read as a layer line.
    Read_Input("SOIL LAYERS\n2\n14 0.0 10.0\n"
               "110.0 3\n0.0 0.0\n0.5 100.0\n2.0 150.0\n"
               "115.0 4\n0.0 0.0\n0.4 200.0\n1.0 300.0\n3.0 320.0\n"
               "17 10.0 20.0\nEND\n");
    ASSERT_EQ(g_Model.ErrorStatus, 0);
    const AnalysisModel& m = g_Model;
    EXPECT_EQ(m.NumUserPYPoints[1], 3);
    EXPECT_EQ(m.NumUserPYPoints[2], 4);
    EXPECT_EQ(m.UnitWeightAtPoint[1], 110.0);
    EXPECT_EQ(m.UnitWeightAtPoint[2], 115.0);
    EXPECT_EQ(m.UserPY_y[3][1], 2.0);
    EXPECT_EQ(m.UserPY_p[3][1], 150.0);
    EXPECT_EQ(m.UserPY_y[4][2], 3.0);
    EXPECT_EQ(m.UserPY_p[4][2], 320.0);
    EXPECT_EQ(m.UserPYDepth[1], 0.0);
    EXPECT_EQ(m.UserPYDepth[2], 10.0);
    // The frozen soil layer that follows has its layer line only.
    EXPECT_EQ(m.i_SoilLayer_py_Type[2], k_Soil_FrzSoil);
    EXPECT_EQ(m.XLayerBottom[2], 20.0);
}

TEST_F(SoilLayers, ZeroOrNegativeCountMeansNoLayers) {
    for (const char* count : {"0", "-3"}) {
        SCOPED_TRACE(count);
        TearDown();
        SetUp();
        Read_Input(std::string("SOIL LAYERS\n") + count + "\nEND\n");
        EXPECT_EQ(g_Model.ErrorStatus, 0);
        EXPECT_EQ(g_Model.i_Number_of_Layers, 0);
        EXPECT_EQ(g_Model.NumStrengthPoints, 0);
    }
}

struct LimitCase {
    const char* name;
    std::string body;
    const char* problem;
    const char* solution;
};

TEST_F(SoilLayers, CountsAndTypesBeyondTheModelRaiseError95) {
    const LimitCase cases[] = {
        {"41 layers", "SOIL LAYERS\n41\n",
         "Problem:  The number of soil layers is 41, more than the limit of 40.",
         "Solution: Reduce the number of soil layers to 40 or fewer."},
        {"soil type 0", "SOIL LAYERS\n1\n0 0.0 10.0\n",
         "Problem:  Soil layer 1 has the soil type number 0, outside the valid range of 1 to 20.",
         "Solution: Give soil layer 1 a soil type number from 1 to 20."},
        {"soil type 21 in layer 2", "SOIL LAYERS\n2\n7 0 5\n60\n60\n21 5.0 10.0\n",
         "Problem:  Soil layer 2 has the soil type number 21, outside the valid range of 1 to 20.",
         "Solution: Give soil layer 2 a soil type number from 1 to 20."},
        {"30 p-y points at the bottom", "SOIL LAYERS\n1\n14 0 10\n110 0\n110 30\n",
         "Problem:  The number of points of the user-input p-y curve at the bottom of soil layer "
         "1 is 30, more than the limit of 29.",
         "Solution: Reduce the number of points of the user-input p-y curve at the bottom of "
         "soil layer 1 to 29 or fewer."},
        {"negative p-y points", "SOIL LAYERS\n1\n14 0 10\n110 -1\n",
         "Problem:  The number of points of the user-input p-y curve at the top of soil layer 1 "
         "is -1, outside the valid range of 0 to 29.",
         "Solution: Give a number of points of the user-input p-y curve at the top of soil "
         "layer 1 from 0 to 29."},
    };
    for (const LimitCase& row : cases) {
        SCOPED_TRACE(row.name);
        TearDown();
        SetUp();
        Read_Input(row.body + "END\n");
        EXPECT_EQ(g_Model.ErrorStatus, 195);
        for (const auto& lines : {Message_Lines(), Report_Lines()}) {
            std::size_t head = 0;
            while (head < lines.size() && lines[head] != "***** Input Data Error No. 95 *****") {
                ++head;
            }
            ASSERT_LT(head + 3, lines.size());
            EXPECT_EQ(lines[head + 2], row.problem);
            EXPECT_EQ(lines[head + 3], row.solution);
        }
    }
}

TEST_F(SoilLayers, TwentyNinePointsAndFortyLayersAreAccepted) {
    std::string text = "SOIL LAYERS\n40\n14 0 1\n110 29\n";
    for (int j = 1; j <= 29; ++j) text += std::to_string(j) + " " + std::to_string(10 * j) + "\n";
    text += "110 0\n";
    for (int L = 2; L <= 40; ++L) text += "17 " + std::to_string(L - 1) + " " + std::to_string(L) + "\n";
    Read_Input(text + "END\n");
    ASSERT_EQ(g_Model.ErrorStatus, 0);
    EXPECT_EQ(g_Model.NumUserPYPoints[1], 29);
    EXPECT_EQ(g_Model.UserPY_p[29][1], 290.0);
    EXPECT_EQ(g_Model.i_Number_of_Layers, 40);
    EXPECT_EQ(g_Model.XSoilPoint[80], 40.0);
}

}  // namespace
