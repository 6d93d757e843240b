// Soil property profiles: fn_c and its interface rules, the averages above a depth, and the
// column lookups. Expected values are worked by hand from small layer tables.
#include <gtest/gtest.h>

#include <vector>

#include "model/model.h"
#include "model/soil_types.h"
#include "pile/soil_profile.h"
#include "support/model_fixture.h"

namespace {

// Relative tolerance for sums of a few trapezoids divided by a depth: the hand values are
// exact decimals, the sums carry a few roundings of double precision.
constexpr double k_Sum_Tolerance = 1e-14;

struct LayerRow {
    int type;
    double top, bottom;
    double c_top, c_bottom;
    double eps_top, eps_bottom;
    double phi_top, phi_bottom;
    double gamma_top, gamma_bottom;
};

// Fills the layers, the strength table and the unit weight table as the soil input does.
void Set_Profile(const std::vector<LayerRow>& rows) {
    AnalysisModel& m = g_Model;
    m.i_Number_of_Layers = static_cast<int>(rows.size());
    for (int L = 1; L <= m.i_Number_of_Layers; ++L) {
        const LayerRow& r = rows[L - 1];
        const int t = 2 * L - 1;
        const int b = 2 * L;
        m.i_SoilLayer_py_Type[L] = r.type;
        m.rd_LayerTop[L] = r.top;
        m.XLayerBottom[L] = r.bottom;
        m.XSoilPoint[t] = m.XUnitWeightPoint[t] = r.top;
        m.XSoilPoint[b] = m.XUnitWeightPoint[b] = r.bottom;
        m.StrengthAtPoint[t] = r.c_top;
        m.StrengthAtPoint[b] = r.c_bottom;
        m.Epsilon50AtPoint[t] = r.eps_top;
        m.Epsilon50AtPoint[b] = r.eps_bottom;
        m.FrictionAngleAtPoint[t] = r.phi_top;
        m.FrictionAngleAtPoint[b] = r.phi_bottom;
        m.UnitWeightAtPoint[t] = r.gamma_top;
        m.UnitWeightAtPoint[b] = r.gamma_bottom;
    }
    m.NumStrengthPoints = m.NumUnitWeightPoints = 2 * m.i_Number_of_Layers;
    m.XGroundSurface = rows.front().top;
}

// Clay 0-10 over clay 10-20 over sand 20-30 over clay 30-40; the pile reaches 50.
class SoilProfileTest : public ModelTest {
protected:
    void SetUp() override {
        ModelTest::SetUp();
        Capture_Run_Files();
        Set_Profile({
            {k_Soil_SoftClay, 0.0, 10.0, 2.0, 4.0, 0.02, 0.02, 0.0, 0.0, 0.0, 0.06},
            {k_Soil_SoftClay, 10.0, 20.0, 6.0, 8.0, 0.0, 0.0, 0.0, 0.0, 0.04, 0.04},
            {k_Soil_Sand, 20.0, 30.0, 0.0, 0.0, 0.005, 0.007, 30.0, 34.0, 0.05, 0.07},
            {k_Soil_SoftClay, 30.0, 40.0, 10.0, 12.0, 0.01, 0.01, 0.0, 0.0, 0.05, 0.05},
        });
        g_Model.rd_PileLengthAnalysed = 50.0;
    }
};

struct StrengthCase {
    const char* name;
    double z;
    double c;
    bool at_node;   // z lies on an interior point of the strength table
};

const StrengthCase k_Strength_Cases[] = {
    {"inside a layer", 5.0, 3.0, false},
    {"ground surface is the first point", 0.0, 2.0, false},
    {"above the ground the first layer extends", -5.0, 1.0, false},
    {"clay over clay takes the mean", 10.0, 5.0, true},
    {"within 1e-6 of an interface counts as on it", 10.0 + 5e-7, 5.0, true},
    {"clay over sand takes the clay value", 20.0, 8.0, true},
    {"sand over clay takes the clay value", 30.0, 10.0, true},
    {"inside the deepest layer", 35.0, 11.0, false},
    {"deepest point gives its value", 40.0, 12.0, false},
    {"within 1e-6 below the deepest point", 40.0 + 5e-7, 12.0, false},
};

}  // namespace

TEST_F(SoilProfileTest, StrengthAtDepth) {
    for (const StrengthCase& row : k_Strength_Cases) {
        SCOPED_TRACE(row.name);
        // set to the wrong answer first, so that a lookup that leaves it alone fails
        bool at_node = !row.at_node;
        EXPECT_DOUBLE_EQ(fn_c(row.z, at_node), row.c);
        EXPECT_EQ(at_node, row.at_node);
        EXPECT_DOUBLE_EQ(fn_c(row.z), row.c);
    }
    EXPECT_EQ(g_Model.ErrorStatus, 0);
}

TEST_F(SoilProfileTest, InterfaceAtThePileTipTakesTheUpperLayer) {
    g_Model.rd_PileLengthAnalysed = 10.0;
    EXPECT_EQ(fn_c(10.0), 4.0);   // not the clay-over-clay mean 5
}

struct InterfaceCase {
    const char* name;
    int above_class, below_class;
    bool at_tip;
    bool defined;
    double strength;   // with 4 above and 6 below
};

const InterfaceCase k_Interface_Cases[] = {
    {"cohesive over cohesive: mean", 1, 1, false, true, 5.0},
    {"rock over rock: mean", 3, 3, false, true, 5.0},
    {"cohesive over rock: (2 above + below) / 2", 1, 3, false, true, 7.0},
    {"rock over cohesive: (2 below + above) / 2", 3, 1, false, true, 8.0},
    {"cohesive over cohesionless", 1, 2, false, true, 4.0},
    {"rock over cemented silt", 3, 4, false, true, 4.0},
    {"cohesive over elastic subgrade", 1, 5, false, true, 4.0},
    {"cohesionless over cohesive", 2, 1, false, true, 6.0},
    {"cemented silt over rock", 4, 3, false, true, 6.0},
    {"elastic subgrade over cohesive", 5, 1, false, true, 6.0},
    {"at the tip any pair takes the upper value", 2, 2, true, true, 4.0},
    {"cohesionless over cohesionless has no rule", 2, 2, false, false, 0.0},
    {"cemented silt over cemented silt has no rule", 4, 4, false, false, 0.0},
    {"other over cohesionless has no rule", 0, 2, false, false, 0.0},
    {"cemented silt over other has no rule", 4, 0, false, false, 0.0},
    // residual soil (no strength of this kind) over weathered rock or clay, and clay over it,
    // are ordinary layerings
    {"other over cohesive takes the clay (lower) value", 0, 1, false, true, 6.0},
    {"cohesive over other takes the clay value", 1, 0, false, true, 4.0},
    {"other over rock takes the rock (lower) value", 0, 3, false, true, 6.0},
    {"rock over other takes the rock value", 3, 0, false, true, 4.0},
};

TEST(StrengthInterfaceLaw, RuleForEveryPairOfClasses) {
    for (const InterfaceCase& row : k_Interface_Cases) {
        SCOPED_TRACE(row.name);
        double c = -1.0;
        EXPECT_EQ(Strength_At_Interface(row.above_class, row.below_class, 4.0, 6.0, row.at_tip, c),
                  row.defined);
        EXPECT_EQ(c, row.defined ? row.strength : -1.0);
    }
}

TEST(ColumnInterfaceLaw, MeanOrTheNonZeroSide) {
    EXPECT_EQ(Column_Value_At_Interface(0.02, 0.01), 0.015);
    EXPECT_EQ(Column_Value_At_Interface(0.02, 0.0), 0.02);
    EXPECT_EQ(Column_Value_At_Interface(0.0, 0.01), 0.01);
    EXPECT_EQ(Column_Value_At_Interface(0.0, 0.0), 0.0);
    EXPECT_EQ(Column_Value_At_Interface(0.02, 1e-21), 0.02);   // below 1e-20 counts as zero
}

TEST_F(SoilProfileTest, SoilClassesOfLayers) {
    struct Case { int type; double strength; int soil_class; };
    const Case cases[] = {
        {k_Soil_SoftClay, 0.0, 1}, {k_Soil_StfClyAK, 0.0, 1}, {k_Soil_SoftClyJ, 0.0, 1},
        {k_Soil_APISand, 0.0, 2}, {k_Soil_LiqSand, 0.0, 2}, {k_Soil_KSLoess, 0.0, 2},
        {k_Soil_WeakRock, 0.0, 3}, {k_Soil_VuggyLS, 0.0, 3}, {k_Soil_MassRock, 0.0, 3},
        {k_Soil_CemSilt, 0.0, 4}, {k_Soil_ElastSG, 0.0, 5}, {k_Soil_Piedmont, 0.0, 0},
        {k_Soil_FrzSoil, 0.0, 0}, {k_Soil_UserPY, 5.0, 1}, {k_Soil_UserPY, 0.0, 2},
        {k_Soil_UserPY, -1.0, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.type);
        g_Model.i_SoilLayer_py_Type[1] = c.type;
        EXPECT_EQ(Soil_Class_Of_Layer(1, c.strength), c.soil_class);
    }
}

TEST_F(SoilProfileTest, UserCurveLayerIsClassedByTheStrengthAtThePoint) {
    // Clay 0-10 (c 4 at its bottom) over a user p-y layer: cohesive where its top strength is
    // positive (mean), cohesionless where it is zero (the clay value).
    g_Model.i_SoilLayer_py_Type[2] = k_Soil_UserPY;
    EXPECT_EQ(fn_c(10.0), 5.0);
    g_Model.StrengthAtPoint[3] = 0.0;
    EXPECT_EQ(fn_c(10.0), 4.0);
}

struct AverageCase {
    const char* name;
    double z;
    double strength;      // AverageShearStrengthAbove
    double unit_weight;   // AverageUnitWeightAbove
};

const AverageCase k_Average_Cases[] = {
    // strength: 2 -> 4 over 0-10, 6 -> 8 over 10-20, 0 in the sand; unit weight 0 -> 0.06,
    // then 0.04, then 0.05 -> 0.07.
    {"above the ground surface", -1.0, 0.0, 0.0},
    {"at the surface: strength there, first positive unit weight", 0.0, 2.0, 0.06},
    {"part of the first layer", 5.0, 12.5 / 5.0, 0.075 / 5.0},
    {"whole first layer, ends on an interface", 10.0, 30.0 / 10.0, 0.3 / 10.0},
    {"into the second layer", 15.0, 62.5 / 15.0, 0.5 / 15.0},
    {"into the sand", 25.0, 100.0 / 25.0, (0.3 + 0.4 + 0.275) / 25.0},
    {"deepest point", 40.0, 210.0 / 40.0, (0.3 + 0.4 + 0.6 + 0.5) / 40.0},
};

TEST_F(SoilProfileTest, AveragesBetweenTheGroundSurfaceAndADepth) {
    for (const AverageCase& row : k_Average_Cases) {
        SCOPED_TRACE(row.name);
        EXPECT_NEAR_REL(AverageShearStrengthAbove(row.z), row.strength, k_Sum_Tolerance);
        EXPECT_NEAR_REL(AverageUnitWeightAbove(row.z), row.unit_weight, k_Sum_Tolerance);
    }
    EXPECT_EQ(g_Model.ErrorStatus, 0);
}

TEST_F(SoilProfileTest, AveragesBelowAGroundSurfaceUnderThePileHead) {
    Set_Profile({{k_Soil_SoftClay, 2.0, 12.0, 2.0, 4.0, 0.0, 0.0, 0.0, 0.0, 0.05, 0.07}});
    EXPECT_EQ(AverageShearStrengthAbove(1.0), 0.0);
    EXPECT_EQ(AverageShearStrengthAbove(2.0), 2.0);
    // 5 below the ground: the mean of 2 -> 3 is 2.5, of 0.05 -> 0.06 is 0.055.
    EXPECT_NEAR_REL(AverageShearStrengthAbove(7.0), 2.5, k_Sum_Tolerance);
    EXPECT_NEAR_REL(AverageUnitWeightAbove(7.0), 0.055, k_Sum_Tolerance);
}

TEST_F(SoilProfileTest, SurfaceUnitWeightWithNoPositiveValueIsTheLastPoint) {
    Set_Profile({{k_Soil_Sand, 0.0, 10.0, 0.0, 0.0, 0.0, 0.0, 30.0, 30.0, 0.0, -0.01},
                 {k_Soil_Sand, 10.0, 20.0, 0.0, 0.0, 0.0, 0.0, 30.0, 30.0, 0.0, -0.02}});
    EXPECT_EQ(AverageUnitWeightAbove(0.0), -0.02);
}

struct ColumnCase {
    const char* name;
    double z;
    double eps50;
    double phi;
};

const ColumnCase k_Column_Cases[] = {
    {"inside a layer", 25.0, 0.006, 32.0},
    {"interface, lower layer at its default", 10.0, 0.02, 0.0},
    {"interface, upper layer at its default", 20.0, 0.005, 30.0},
    {"interface with values on both sides", 30.0, 0.0085, 34.0},
    {"deepest point", 40.0, 0.01, 0.0},
    {"first point", 0.0, 0.02, 0.0},
};

TEST_F(SoilProfileTest, StrainAndFrictionAngleAtDepth) {
    for (const ColumnCase& row : k_Column_Cases) {
        SCOPED_TRACE(row.name);
        EXPECT_DOUBLE_EQ(Epsilon50AtDepth(row.z), row.eps50);
        EXPECT_DOUBLE_EQ(FrictionAngleAtDepth(row.z), row.phi);
    }
    EXPECT_EQ(Epsilon50AtDepth(45.0), 0.0);   // below the data: the criterion's default
    EXPECT_EQ(g_Model.ErrorStatus, 0);
}

TEST_F(SoilProfileTest, ColumnInterfaceAtThePileTipTakesTheUpperValueExceptRQD) {
    AnalysisModel& m = g_Model;
    m.rd_PileLengthAnalysed = 30.0;
    m.JAtPoint[6] = 0.25;
    m.JAtPoint[7] = 0.5;
    m.RQDAtPoint[6] = 40.0;
    m.RQDAtPoint[7] = 60.0;
    EXPECT_EQ(Epsilon50AtDepth(30.0), 0.007);
    EXPECT_EQ(JAtDepth(30.0), 0.25);
    EXPECT_EQ(FrictionAngleAtDepth(30.0), 34.0);
    EXPECT_EQ(RQDAtDepth(30.0), 50.0);
    m.rd_PileLengthAnalysed = 50.0;
    EXPECT_EQ(JAtDepth(30.0), 0.375);
}

TEST_F(SoilProfileTest, RQDInterfaceRuleAndRange) {
    AnalysisModel& m = g_Model;
    const double rqd[] = {0.0, 20.0, 0.0, 90.0, 70.0, 0.0, 100.0, 100.0, 100.0};   // points 1-8
    for (int i = 1; i <= 8; ++i) m.RQDAtPoint[i] = rqd[i];
    EXPECT_EQ(RQDAtDepth(5.0), 10.0);
    EXPECT_EQ(RQDAtDepth(10.0), 90.0);    // only the upper value is zero: the lower value
    EXPECT_EQ(RQDAtDepth(20.0), 70.0);    // the lower value is zero: the upper value
    EXPECT_EQ(RQDAtDepth(25.0), 50.0);
    EXPECT_EQ(RQDAtDepth(30.0), 100.0);   // 100 is still inside the range
    EXPECT_EQ(g_Model.ErrorStatus, 0);
}

TEST_F(SoilProfileTest, KrmTakesTheLowerLayerOnAnInterfaceAndTheUpperAtTheTip) {
    EXPECT_EQ(KrmAtDepth(20.0), 0.005);
    EXPECT_DOUBLE_EQ(KrmAtDepth(25.0), 0.006);
    EXPECT_EQ(KrmAtDepth(45.0), 0.0);
    g_Model.rd_PileLengthAnalysed = 20.0;
    EXPECT_EQ(KrmAtDepth(20.0), 0.0);
}

TEST_F(SoilProfileTest, LayerColumnIsLinearInsideItsLayer) {
    AnalysisModel& m = g_Model;
    m.ElasticSubgradeAtPoint[5] = 100.0;
    m.ElasticSubgradeAtPoint[6] = 300.0;
    EXPECT_EQ(Layer_Column_At_Depth(3, m.ElasticSubgradeAtPoint, 25.0), 200.0);
    EXPECT_EQ(Layer_Column_At_Depth(3, m.ElasticSubgradeAtPoint, 20.0), 100.0);
    m.XSoilPoint[6] = 20.0;   // a layer of no thickness gives its top value
    EXPECT_EQ(Layer_Column_At_Depth(3, m.ElasticSubgradeAtPoint, 20.0), 100.0);
}
