// Material laws and constants against hand values: concrete constants at f'c = 4 ksi, the
// parabola's peak and its initial tangent, the descending line, crushing, the strand laws'
// continuity and symmetry, and section forces under a uniform strain.
#include "section/materials.h"

#include <gtest/gtest.h>

#include <cmath>

#include "model/model.h"
#include "model/units.h"
#include "section/section_geometry.h"
#include "section/section_setup.h"
#include "support/model_fixture.h"

namespace {

constexpr double k_Pi = 3.141592653589793;

class Materials : public ModelTest {
protected:
    void Use_Concrete(int units, double fc_input, int type = 1) {
        g_Model.IUNITS = units;
        g_Model.NumSections = 1;
        g_Model.SectionType[1] = type;
        g_Model.SectionDiameter[1] = 36.0;
        g_Model.ConcreteStrength[1] = fc_input;
        Setup_Section_Values(1);
    }
};

TEST_F(Materials, ConcreteConstantsAtFourKsiByHand) {
    Use_Concrete(k_Units_US, 4000.0);
    const AnalysisModel& m = g_Model;
    EXPECT_DOUBLE_EQ(m.rd_fc, 4.0);
    EXPECT_NEAR(m.rd_Ec, 3604.997, 1e-3);            // 57 sqrt(4000)
    EXPECT_NEAR(m.rd_ft, -0.474342, 1e-6);           // -0.0075 sqrt(4000)
    EXPECT_NEAR(m.rd_Eps0, 0.0018862, 1e-7);         // 1.7 f'c / Ec
    // The tensile fracture strain is where the mirrored parabola reaches the modulus of rupture.
    EXPECT_NEAR(Concrete_Tension_Stress(m.rd_EpsT, m.rd_fc, m.rd_Eps0), m.rd_ft, 1e-12);
    // Prestressed concrete ruptures at -0.004 sqrt(1000 f'c).
    Use_Concrete(k_Units_US, 4000.0, 5);
    EXPECT_NEAR(g_Model.rd_ft, -0.252982, 1e-6);
}

TEST_F(Materials, SIConstantsAreTheKsiValuesConverted) {
    const double ksi = k_Ksi_To_KPa;
    Use_Concrete(k_Units_SI, 4.0 * ksi);
    EXPECT_NEAR(g_Model.rd_fc, 4.0 * ksi, 1e-9 * ksi);
    EXPECT_NEAR(g_Model.rd_Ec, 3604.997 * ksi, 1e-3 * ksi);
    EXPECT_NEAR(g_Model.rd_ft, -0.474342 * ksi, 1e-6 * ksi);
    EXPECT_NEAR(g_Model.rd_Eps0, 0.0018862, 1e-7);   // strains carry no unit
}

TEST_F(Materials, ParabolaPeaksAtEps0WithInitialTangentTwoFcOverEps0NotEc) {
    Use_Concrete(k_Units_US, 4000.0);
    const AnalysisModel& m = g_Model;
    const auto stress = [&](double eps) {
        return Outer_Concrete_Stress(eps, m.rd_fc, m.rd_Eps0, m.rd_fc015, m.rd_EpsDescent);
    };
    EXPECT_NEAR(stress(m.rd_Eps0), 4.0, 1e-12);
    const double eps = 1e-8;
    // The secant at eps lies below the tangent by the factor 1 - eps/(2 eps0), 3e-6 here.
    EXPECT_NEAR_REL(stress(eps) / eps, 2.0 * 4.0 / m.rd_Eps0, 1e-5);
    EXPECT_GT(stress(eps) / eps, 1.15 * m.rd_Ec);   // 4241 ksi against Ec = 3605 ksi
    // The straight line ends at 0.85 f'c at 0.0038; beyond it the concrete is crushed.
    EXPECT_NEAR(stress(k_Crush_Strain), 0.85 * 4.0, 1e-6);
    EXPECT_NEAR(stress(0.0038001), 0.001, 1e-9);
    EXPECT_LT(stress(0.003), 4.0);
    EXPECT_GT(stress(0.003), 3.4);
}

TEST_F(Materials, CoreConcreteFollowsTheParabolaButNeverTurnsToTension) {
    // f'c = 3 ksi: eps0 = 0.00163, so 0.0038 lies beyond twice eps0.
    const double fc = 3.0;
    const double eps0 = 1.7000000476837158 * fc / (57.0 * std::sqrt(3000.0));
    EXPECT_NEAR(Core_Concrete_Stress(eps0, fc, eps0), fc, 1e-12);
    EXPECT_NEAR(Core_Concrete_Stress(1.5 * eps0, fc, eps0), fc * 0.75, 1e-12);
    EXPECT_EQ(Core_Concrete_Stress(0.0037, fc, eps0), 0.0);
    EXPECT_NEAR(Core_Concrete_Stress(0.004, fc, eps0), 0.001, 1e-9);
}

TEST(StrandLaws, ContinuousAtTheirLinearLimitsAndOddSymmetric) {
    struct Case {
        const char* name;
        int law;
        double limit, fpy;
    };
    const Case cases[] = {
        {"PCI 250", 4, 0.007600000128149986, 0}, {"PCI 270", 5, 0.00860000029206276, 0},
        {"grade 300", 6, 0.00888460036367178, 0}, {"smooth 145", 7, 0.005, 0},
        {"smooth 160", 8, 0.005517241379310344, 0}, {"deformed 157", 9, 157.0 / 29000.0, 157.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const double below = Strand_Stress_Ksi(c.law, c.limit, c.fpy);
        const double above = Strand_Stress_Ksi(c.law, c.limit * (1.0 + 1e-9), c.fpy);
        // The power formulas meet the straight line to within their single-precision constants.
        EXPECT_NEAR(above, below, 1e-3 * below);
        for (const double eps : {0.001, 0.006, 0.012, 0.05}) {
            EXPECT_EQ(Strand_Stress_Ksi(c.law, -eps, c.fpy), -Strand_Stress_Ksi(c.law, eps, c.fpy));
        }
    }
    // PCI 270 by hand: 28500 x 0.0086 at the limit, 270 - 0.04/0.003 at 0.01.
    EXPECT_NEAR(Strand_Stress_Ksi(5, -0.0086, 0), -245.1, 1e-3);
    EXPECT_NEAR(Strand_Stress_Ksi(5, -0.01, 0), -256.67, 5e-3);
    // Far out the strands reach their grade.
    EXPECT_NEAR(Strand_Stress_Ksi(6, 1.0, 0), 300.0, 0.1);
    EXPECT_EQ(Strand_Stress_Ksi(8, 0.02, 0), 160.0);
}

TEST(StrandLaws, DeformedBarYieldByGrade) {
    const int grades[] = {0, 1, 2, 3, 4, 5, 6, 17};
    const double fpy[] = {150, 157, 150, 160, 150, 160, 150, 150};
    for (int i = 0; i < 8; ++i) EXPECT_EQ(Deformed_Bar_Fpy(grades[i]), fpy[i]) << grades[i];
}

TEST_F(Materials, PipeUnderUniformStrainCarriesEAEpsThenFyA) {
    g_Model.IUNITS = k_Units_US;
    g_Model.NumSections = 1;
    g_Model.SectionType[1] = 4;
    g_Model.SectionDiameter[1] = 24.0;
    g_Model.PipeThickness[1] = 0.5;
    g_Model.PipeYieldStress[1] = 36000.0;
    g_Model.PipeModulus[1] = 29.0e6;
    Setup_Section_Values(1);
    Slice_Section(1);
    const double A = 0.25 * k_Pi * (24.0 * 24.0 - 23.0 * 23.0);
    // A curvature so small that NA phi is the strain at every slice to 1e-12.
    g_Model.rd_CurrentCurvature = 1e-14;
    struct Case {
        double eps, force;
        bool yielded;
    };
    const Case cases[] = {{0.0005, 29000.0 * 0.0005 * A, false},
                          {-0.0008, -29000.0 * 0.0008 * A, false},
                          {0.004, 36.0 * A, true},
                          {-0.01, -36.0 * A, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.eps);
        g_Model.b_Yielded = 0;
        const double na = c.eps / g_Model.rd_CurrentCurvature + 12.0;
        EXPECT_NEAR(Compute_Axial_Thrust_Force(na), c.force, 1e-8 * std::fabs(c.force));
        EXPECT_EQ(g_Model.b_Yielded != 0, c.yielded);
    }
}

TEST_F(Materials, ConcreteBeyondFractureAtTheExtremeFibreCarriesNoTension) {
    Use_Concrete(k_Units_US, 4000.0);
    Slice_Section(1);
    AnalysisModel& m = g_Model;
    // Neutral axis at mid-depth, curvature putting the bottom fibre just past epsT.
    m.rd_CurrentCurvature = 1.01 * -m.rd_EpsT / 18.0;
    Compute_Axial_Thrust_Force(18.0);
    EXPECT_NE(m.b_Cracked, 0);
    for (int i = 51; i <= 100; ++i) EXPECT_EQ(m.ConcreteStress[i], 0.0) << i;
    // Just short of it, the slices near the axis still carry tension.
    m.rd_CurrentCurvature = 0.99 * -m.rd_EpsT / 18.0;
    Compute_Axial_Thrust_Force(18.0);
    EXPECT_EQ(m.b_Cracked, 0);
    EXPECT_LT(m.ConcreteStress[60], 0.0);
    // A tensile thrust beyond cracking leaves every slice without tension.
    m.b_AllCracked = -1;
    m.rd_CurrentCurvature = 1e-7;
    Compute_Axial_Thrust_Force(18.0);
    for (int i = 51; i <= 100; ++i) EXPECT_EQ(m.ConcreteStress[i], 0.0) << i;
}

}  // namespace
