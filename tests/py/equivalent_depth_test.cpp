// Equivalent layer-top depths against hand calculations and an independent integration.
#include <gtest/gtest.h>

#include <cmath>

#include "model/model.h"
#include "model/soil_types.h"
#include "py/equivalent_depth.h"
#include "py/sand_factors.h"
#include "support/model_fixture.h"

namespace {

EquivalentTopInputs Clay(double b, double c, double gamma, bool cyclic) {
    EquivalentTopInputs in{};
    in.b = b;
    in.c = c;
    in.ca = c;
    in.gamma = gamma;
    in.J = 0.5;
    in.cyclic = cyclic;
    return in;
}

EquivalentTopInputs Sand(double b, double phi_degrees, double gamma, double zg) {
    EquivalentTopInputs in{};
    in.b = b;
    in.gamma = gamma;
    in.phi = phi_degrees * M_PI / 180.0;
    in.alpha = in.phi / 2.0;
    in.beta = M_PI / 4.0 + in.phi / 2.0;
    in.K0 = 0.4;
    in.Ka = std::pow(std::tan(M_PI / 4.0 - in.phi / 2.0), 2);
    in.Kp = std::pow(std::tan(in.beta), 2);
    in.zg = zg;
    return in;
}

}  // namespace

TEST(EquivalentTop, NoResistanceAboveGivesZeroForEveryCode) {
    const int codes[] = {k_Soil_SoftClay, k_Soil_SoftClyJ, k_Soil_StfClyBW, k_Soil_StfClyAW,
                         k_Soil_StfClyAK, k_Soil_Sand, k_Soil_APISand, k_Soil_CemSilt};
    EquivalentTopInputs in = Sand(24.0, 34.0, 0.04, 120.0);
    in.c = 5.0;
    in.ca = 5.0;
    in.J = 0.5;
    for (int code : codes) {
        SCOPED_TRACE(code);
        double top = -1.0;
        ASSERT_TRUE(Equivalent_Top_For(code, 0.0, in, top));
        EXPECT_NEAR(top, 0.0, 1e-12);
    }
    double untouched = 7.0;
    EXPECT_FALSE(Equivalent_Top_For(k_Soil_ElastSG, 100.0, in, untouched));
    EXPECT_EQ(untouched, 7.0);
}

TEST(EquivalentTop, SoftClayByHand) {
    // b = 24 in, c = 5 psi, gamma' = 0.04 pci, J = 0.5:
    // zt = 6 b c / (J c + gamma b) = 720 / 3.46 = 208.0925 in;
    // static Ft = zt (3 c b + J gamma b zt + 0.25 c zt).
    const EquivalentTopInputs in = Clay(24.0, 5.0, 0.04, false);
    const double zt = 720.0 / 3.46;
    const double Ft = zt * (360.0 + 0.48 * zt + 1.25 * zt);
    double top = 0.0;
    // Beyond the transition depth the resistance grows by Pd = 9 c b per unit depth.
    ASSERT_TRUE(Equivalent_Top_For(k_Soil_SoftClay, Ft + 1080.0 * 10.0, in, top));
    EXPECT_NEAR(top, zt + 10.0, 1e-9);
    // Above it, the quadratic: Fa = a z^2 + B z with a = 0.25 c + 0.5 b gamma, B = 3 b c.
    const double z = 50.0;
    const double Fa = (1.25 + 0.48) * z * z + 360.0 * z;
    ASSERT_TRUE(Equivalent_Top_For(k_Soil_SoftClay, Fa, in, top));
    EXPECT_NEAR(top, z, 1e-9);
    // The cyclic transition resistance is larger than Fa here, so cyclic gives the same depth.
    double cyclic_top = 0.0;
    ASSERT_TRUE(Equivalent_Top_For(k_Soil_SoftClay, Fa, Clay(24.0, 5.0, 0.04, true), cyclic_top));
    EXPECT_NEAR(cyclic_top, top, 1e-12);
}

TEST(EquivalentTop, StiffClayWithoutFreeWaterByHand) {
    // c = ca = 10 psi, b = 30 in, gamma' = 0.05 pci: zt = 6 c b / (0.5 c + 1.5) = 1800 / 6.5.
    const EquivalentTopInputs in = Clay(30.0, 10.0, 0.05, false);
    const double zt = 1800.0 / 6.5;
    const double Ft = zt * ((0.25 * zt + 90.0) * 10.0 + 0.75 * zt);
    double top = 0.0;
    ASSERT_TRUE(Equivalent_Top_For(k_Soil_StfClyAW, Ft + 2700.0 * 4.0, in, top));
    EXPECT_NEAR(top, zt + 4.0, 1e-9);
}

TEST(EquivalentTop, SandMatchesAnIndependentIntegration) {
    // Integrate A gamma (C1 z^2 + C2 b z) with a fine midpoint rule to the depth D = 40 in and
    // ask for the depth that gives the same resistance. The engine uses 500 trapezoid steps
    // down to the transition depth (about 290 in here), so a step is about 0.6 in; the
    // linear interpolation inside a step keeps the error well below one step.
    const EquivalentTopInputs in = Sand(24.0, 34.0, 0.04, 120.0);
    const double C1 = std::tan(in.beta) *
                      (in.Kp * std::tan(in.alpha) +
                       in.K0 * (std::tan(in.phi) * std::sin(in.beta) * (1.0 / std::cos(in.alpha) + 1.0) -
                                std::tan(in.alpha)));
    const double C2 = in.Kp - in.Ka;
    const double D = 40.0;
    const int n = 200000;
    double Fa = 0.0;
    for (int i = 0; i < n; ++i) {
        const double z = (i + 0.5) * D / n;
        const double A = Sand_Factor(z, in.b, false, false);
        Fa += A * in.gamma * (C1 * z * z + C2 * in.b * z) * D / n;
    }
    double top = 0.0;
    ASSERT_TRUE(Equivalent_Top_For(k_Soil_Sand, Fa, in, top));
    EXPECT_NEAR(top, D, 0.05);
}

class EquivalentDepthTest : public ModelTest {};

TEST_F(EquivalentDepthTest, NegligibleIntegralsAboveAreDroppedExceptLiquefiedSand) {
    AnalysisModel& m = g_Model;
    m.i_Number_of_Layers = 4;
    m.i_SoilLayer_py_Type[1] = k_Soil_SoftClay;
    m.i_SoilLayer_py_Type[2] = k_Soil_LiqSand;
    m.i_SoilLayer_py_Type[3] = k_Soil_SoftClay;
    m.i_SoilLayer_py_Type[4] = k_Soil_SoftClay;
    m.Fu_Layer[1] = 0.005;
    m.Fu_Layer[2] = 0.004;
    m.Fu_Layer[3] = 0.0;
    ComputeEquivalentTop(4, Clay(24.0, 5.0, 0.04, false));
    EXPECT_EQ(m.Fu_Layer[1], 0.0);
    EXPECT_EQ(m.Fu_Layer[2], 0.004);
    // Fa = 0.004: a tiny positive depth from the quadratic.
    EXPECT_GT(m.XEquivalentTop[4], 0.0);
    EXPECT_LT(m.XEquivalentTop[4], 1e-4);
}

TEST_F(EquivalentDepthTest, DepthForUltimateResistance) {
    AnalysisModel& m = g_Model;
    m.i_Number_of_Layers = 2;
    m.XGroundSurface = 12.0;
    m.rd_LayerTop[1] = 12.0;
    m.XLayerBottom[1] = 60.0;
    m.rd_LayerTop[2] = 60.0;
    m.XLayerBottom[2] = 240.0;
    m.i_SoilLayer_py_Type[1] = k_Soil_SoftClay;
    m.i_SoilLayer_py_Type[2] = k_Soil_SoftClay;
    const EquivalentTopInputs in = Clay(24.0, 5.0, 0.04, false);

    // Layer 1: depth below the ground surface.
    EXPECT_DOUBLE_EQ(Depth_For_Ultimate_Resistance(1, 30.0, true, false, in), 18.0);

    // Layer 2 under a clay layer with resistance: equivalent top plus depth into the layer.
    m.Fu_Layer[1] = (1.25 + 0.48) * 20.0 * 20.0 + 360.0 * 20.0;   // same soil, 20 in thick
    EXPECT_NEAR(Depth_For_Ultimate_Resistance(2, 60.0, true, false, in), 20.0, 1e-9);
    EXPECT_NEAR(Depth_For_Ultimate_Resistance(2, 90.0, false, false, in), 50.0, 1e-9);

    // Below a rock-type layer the true depth below the ground surface applies.
    m.i_RockLayersAbove = 1;
    EXPECT_DOUBLE_EQ(Depth_For_Ultimate_Resistance(2, 90.0, false, false, in), 78.0);
    m.i_RockLayersAbove = 0;

    // A first layer ending above the pile head: measured from the top of layer 1.
    m.rd_LayerTop[1] = -30.0;
    m.XLayerBottom[1] = -5.0;
    EXPECT_DOUBLE_EQ(Depth_For_Ultimate_Resistance(2, 90.0, false, false, in), 120.0);
}
