// Moment-curvature curves against closed forms and against the same laws integrated over
// thousands of strips: a steel pipe (E I, first yield at Fy S, plastic limit Fy Z), a
// reinforced concrete shaft (uncracked stiffness with the parabola's tangent modulus, cracking
// moment, neutral axis at mid-depth while uncracked) and a rectangular beam section against the
// equivalent stress block. Also the curvature schedule, the end of a curve near the axial
// capacity and the hand-off to the lateral solution.
#include "section/moment_curvature.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

#include "model/model.h"
#include "model/units.h"
#include "input/bar_placement.h"
#include "section/capacities.h"
#include "section/materials.h"
#include "section/section_geometry.h"
#include "section/section_setup.h"
#include "section/section_lines.h"
#include "section/section_report.h"
#include "support/model_fixture.h"
#include "section/reinforced_shaft.h"

namespace {

constexpr double k_Pi = 3.141592653589793;

class MomentCurvature : public ModelTest {
protected:
    void SetUp() override {
        ModelTest::SetUp();
        Capture_Run_Files();
        AnalysisModel& m = g_Model;
        m.IUNITS = k_Units_US;
        m.i_Analysis_Type = 3;
        m.NumSections = 1;
        Set_Section_Unit_Labels();
    }
    // Runs the section step's analysis of section 1 for the given thrusts (kips).
    void Analyze(std::initializer_list<double> thrusts) {
        AnalysisModel& m = g_Model;
        int n = 0;
        for (const double P : thrusts) m.rd_TableThrust[++n] = P;
        m.i_NumTableThrusts = n;
        Setup_Section_Values(1);
        ComputeAxialCapacity();
        ComputeTensileCapacity();
        Analyze_Moment_Curvature(1);
    }
    void Use_Pipe() {
        AnalysisModel& m = g_Model;
        m.SectionType[1] = 4;
        m.SectionDiameter[1] = 24.0;
        m.PipeThickness[1] = 0.5;
        m.PipeYieldStress[1] = 36000.0;
        m.PipeModulus[1] = 29.0e6;
    }
    void Use_Shaft() { Use_Reinforced_Shaft(1); }
    // Moment on curve a at curvature phi, linear between points.
    static double Moment_At(int a, double phi) {
        const AnalysisModel& m = g_Model;
        for (int k = 2; k <= m.i_NumCurvPoints[a]; ++k) {
            if (m.rd_Curvature[a][k] >= phi) {
                const double f = (phi - m.rd_Curvature[a][k - 1]) /
                                 (m.rd_Curvature[a][k] - m.rd_Curvature[a][k - 1]);
                return m.rd_Moment[a][k - 1] + f * (m.rd_Moment[a][k] - m.rd_Moment[a][k - 1]);
            }
        }
        return m.rd_Moment[a][m.i_NumCurvPoints[a]];
    }
};

// Moment of an elastic-perfectly plastic annulus at curvature phi about its centre, by 200000
// strips of exact chord width.
double Fine_Pipe_Moment(double D, double t, double E, double Fy, double phi) {
    const int n = 200000;
    const double R = 0.5 * D, Ri = R - t;
    double M = 0.0;
    for (int i = 0; i < n; ++i) {
        const double y = -R + (i + 0.5) * D / n;
        const double outer = 2.0 * std::sqrt(std::fmax(0.0, R * R - y * y));
        const double inner = std::fabs(y) < Ri ? 2.0 * std::sqrt(Ri * Ri - y * y) : 0.0;
        const double sigma = std::fmax(-Fy, std::fmin(Fy, E * phi * y));
        M += sigma * (outer - inner) * (D / n) * y;
    }
    return M;
}

// A micropile as the reader leaves it: hole, grout f'c, casing and one central bar, in the input
// units of its run (in and psi, or m and kPa).
struct MicropileInput {
    const char* name;
    int units;
    double hole, grout, casing_od, casing_wall, casing_fy, casing_E, bar, bar_fy, bar_E;
};

void Use_Micropile(const MicropileInput& p) {
    AnalysisModel& m = g_Model;
    m.IUNITS = p.units;
    Set_Section_Unit_Labels();
    m.SectionType[1] = 14;
    m.SectionDiameter[1] = p.hole;
    m.ConcreteStrength[1] = p.grout;
    m.rd_CasingDiameter[1] = p.casing_od;
    m.CasingThickness[1] = p.casing_wall;
    m.CasingYieldStress[1] = p.casing_fy;
    m.CasingModulus[1] = p.casing_E;
    m.NumBars[1] = p.bar > 0.0 ? 1 : 0;
    m.BarDiameter[1][1] = p.bar;
    m.BarArea[1][1] = 0.25 * k_Pi * p.bar * p.bar;
    m.RebarYieldStress[1] = p.bar_fy;
    m.ReinforcementModulus[1] = p.bar_E;
}

const MicropileInput k_Micropiles[] = {
    {"8 in hole, casing 7 x 0.5 in, bar 2.5 in", k_Units_US, 8.0, 5000.0, 7.0, 0.5, 80000.0, 29.0e6, 2.5,
     75000.0, 29.0e6},
    {"8 in hole, no casing, bar 3 in", k_Units_US, 8.0, 5000.0, 0.0, 0.0, 0.0, 0.0, 3.0, 75000.0, 29.0e6},
    {"8 in hole, casing 7 x 0.5 in, no bar", k_Units_US, 8.0, 5000.0, 7.0, 0.5, 80000.0, 29.0e6, 0.0, 0.0, 0.0},
    {"200 mm hole, casing 177.8 x 12.7 mm, bar 63 mm (SI)", k_Units_SI, 0.2, 35000.0, 0.1778, 0.0127,
     552000.0, 2.0e8, 0.063, 520000.0, 2.0e8},
};

double Circle_Inertia(double D) { return k_Pi / 64.0 * D * D * D * D; }

TEST(CurvatureSchedule, FirstIncrementByDiameterAndTheStepPattern) {
    Initialize_Model();
    g_Model.IUNITS = k_Units_US;
    EXPECT_DOUBLE_EQ(Initial_Curvature_Increment(36.0), 6.25e-7);   // nint(1.5) = 2
    EXPECT_DOUBLE_EQ(Initial_Curvature_Increment(30.0), 1.25e-6);   // nint(1.25) = 1
    EXPECT_DOUBLE_EQ(Initial_Curvature_Increment(12.0), 1.25e-6);   // never below one step
    g_Model.IUNITS = k_Units_SI;
    EXPECT_DOUBLE_EQ(Initial_Curvature_Increment(36.0 * 0.02539999969303608), 4.921259901994065e-5 / 2.0);
    g_Model.IUNITS = k_Units_General;
    EXPECT_EQ(Initial_Curvature_Increment(36.0), 0.0);
    // 1 + 38 + 40 x 2 + 40 x 8 + 31 x 48 = 1927 increments at point 150.
    EXPECT_DOUBLE_EQ(Curvature_At_Point(150, 1.0), 1927.0);
    EXPECT_DOUBLE_EQ(Curvature_At_Point(40, 1.0), 41.0);
    EXPECT_DOUBLE_EQ(Curvature_At_Point(80, 1.0), 127.0);
}

TEST_F(MomentCurvature, SteelPipeFollowsTheElasticAndPlasticClosedForms) {
    Use_Pipe();
    Analyze({0.0});
    ASSERT_EQ(g_Model.ErrorStatus, 0);
    const AnalysisModel& m = g_Model;
    const double E = 29000.0, Fy = 36.0, D = 24.0, Di = 23.0;
    const double I = k_Pi / 64.0 * (std::pow(D, 4) - std::pow(Di, 4));
    const double S = I / (0.5 * D);
    const double Z = (std::pow(D, 3) - std::pow(Di, 3)) / 6.0;
    const int n = m.i_NumCurvPoints[1];
    // 100 strips of a thin ring hold its inertia to a few parts in 10^4.
    EXPECT_NEAR_REL(m.rd_EI[1][1], E * I, 5e-4);
    EXPECT_NEAR_REL(Moment_At(1, Fy / E / (0.5 * D)), Fy * S, 2e-3);
    for (int k = 1; k <= n; ++k) EXPECT_LT(m.rd_Moment[1][k], Fy * Z) << k;
    // The curve stops once the extreme fibre reaches five times the yield strain.
    const double last_strain = std::fabs(m.rd_MaxCompStrain[1][n]);
    EXPECT_GE(last_strain, 5.0 * Fy / E);
    EXPECT_LT(std::fabs(m.rd_MaxCompStrain[1][n - 1]), 5.0 * Fy / E);
    // The nominal capacity is the moment there, against 200000 strips of the same annulus; at
    // 5 Fy/E a thin ring carries 0.9933 of its plastic moment.
    const double fine = Fine_Pipe_Moment(D, 0.5, E, Fy, m.rd_Curvature[1][n]);
    EXPECT_NEAR_REL(m.rd_NominalMomentCap[1], fine, 2e-3);
    EXPECT_NEAR(m.rd_NominalMomentCap[1] / (Fy * Z), 0.993, 0.004);
    // Zero thrust keeps the neutral axis of the symmetric pipe at mid-depth.
    for (int k = 1; k <= n; ++k) EXPECT_NEAR(m.rd_NADepth[1][k], 12.0, 1e-5) << k;
}

TEST_F(MomentCurvature, UncrackedShaftStiffnessUsesTheParabolasTangentModulus) {
    Use_Shaft();
    Analyze({0.0});
    ASSERT_EQ(g_Model.ErrorStatus, 0);
    const AnalysisModel& m = g_Model;
    const double eps0 = m.rd_Eps0;
    const double Eci = 2.0 * 4.0 / eps0;
    double Is = 0.0;
    for (int j = 1; j <= 12; ++j) Is += m.BarY[j][1] * m.BarY[j][1];
    const double Ig = k_Pi * std::pow(36.0, 4) / 64.0;
    // Slicing (2e-4) and the secant below the tangent at the first strain (0.3 %) together.
    EXPECT_NEAR_REL(m.rd_EI[1][1], Eci * (Ig - Is) + 29000.0 * Is, 6e-3);
    // Uncracked and unloaded, the symmetric shaft bends about its mid-depth.
    int first_cracked = 0;
    for (int k = 1; k <= m.i_NumCurvPoints[1] && first_cracked == 0; ++k) {
        if (m.c_RunMsg[1][k][0] == 'C') {
            first_cracked = k;
        } else {
            EXPECT_NEAR(m.rd_NADepth[1][k], 18.0, 1e-4) << k;
        }
    }
    ASSERT_GT(first_cracked, 1);
    // Cracking moment fr Itr / c with the transformed bars: between the last uncracked moment
    // and the uncracked line at the first cracked curvature (2 % for the parabola's secant).
    const double n_ratio = 29000.0 / Eci;
    const double Mcr = 0.474342 * (Ig + (n_ratio - 1.0) * Is) / 18.0;
    EXPECT_LE(m.rd_Moment[1][first_cracked - 1], 1.02 * Mcr);
    EXPECT_GE(m.rd_EI[1][1] * m.rd_Curvature[1][first_cracked], 0.98 * Mcr);
    // Past cracking the stiffness falls.
    EXPECT_LT(m.rd_EI[1][m.i_NumCurvPoints[1]], 0.5 * m.rd_EI[1][1]);
}

TEST_F(MomentCurvature, ShaftPointsAgreeWithTheLawsOverThousandsOfStrips) {
    Use_Shaft();
    Analyze({0.0, 500.0});
    ASSERT_EQ(g_Model.ErrorStatus, 0);
    const AnalysisModel& m = g_Model;
    for (int a = 1; a <= 2; ++a) {
        const int n = m.i_NumCurvPoints[a];
        for (const int k : {n / 2, n - 1}) {
            SCOPED_TRACE(testing::Message() << "thrust " << a << " point " << k);
            ASSERT_NE(m.c_RunMsg[a][k][0], ' ');   // cracked: no concrete tension anywhere
            const double phi = m.rd_Curvature[a][k];
            const double na = m.rd_NADepth[a][k];
            const int strips = 20000;
            const double R = 18.0;
            double F = 0.0, M = 0.0;
            for (int i = 0; i < strips; ++i) {
                const double y = R - (i + 0.5) * 36.0 / strips;
                const double w = 2.0 * std::sqrt(R * R - y * y);
                const double eps = (na - (R - y)) * phi;
                const double sigma = eps > 0.0 ? Outer_Concrete_Stress(eps, m.rd_fc, m.rd_Eps0, m.rd_fc015,
                                                                       m.rd_EpsDescent)
                                               : 0.0;
                // Bars displace concrete where they are.
                F += sigma * w * 36.0 / strips;
                M += sigma * w * 36.0 / strips * y;
            }
            for (int j = 1; j <= 12; ++j) {
                const double y = m.BarY[j][1];
                const double eps = (na - (R - y)) * phi;
                bool limited = false;
                const double steel = Elastic_Plastic_Stress(eps, 29000.0, 60.0, limited);
                const double conc = eps > 0.0 ? Outer_Concrete_Stress(eps, m.rd_fc, m.rd_Eps0, m.rd_fc015,
                                                                      m.rd_EpsDescent)
                                              : 0.0;
                F += (steel - conc) * 1.0;
                M += (steel - conc) * 1.0 * y;
            }
            // 100 slices against 20000 strips: a fraction of a per cent.
            EXPECT_NEAR_REL(m.rd_Moment[a][k], M, 5e-3);
            EXPECT_NEAR(F, m.rd_Thrust[a], 5e-3 * 12.0 * 60.0);
        }
    }
}

// The first point of a micropile's curve at zero thrust is its uncracked transformed section:
// the grout at the initial tangent of the concrete parabola, 2 f'c / eps0 with eps0 = 1.7 f'c / Ec
// and Ec = 57000 sqrt(f'c psi) (SI strengths through psi), the casing ring and the bar at their
// own moduli, the inertias of circle and annulus by hand.
TEST_F(MomentCurvature, MicropileUncrackedStiffnessIsTheTransformedSection) {
    // 100 slices put each slice's area at its centre: a circle's inertia comes out short by
    // (16/12)/100^2 = 1.3e-4, the bar's by more of its small share. The first point's secant lies
    // below the parabola's tangent by 0.34 eps/eps0 of the grout's share, 8e-4 at the first
    // strain of 5e-6. A missed component or a wrong modulus is off by 2 % or far more.
    constexpr double k_Slicing_And_Secant_Tolerance = 2e-3;
    for (const MicropileInput& p : k_Micropiles) {
        SCOPED_TRACE(p.name);
        SetUp();
        Use_Micropile(p);
        Analyze({0.0});
        ASSERT_EQ(g_Model.ErrorStatus, 0);
        const bool si = p.units == k_Units_SI;
        const double to_section = si ? 1.0 : 0.001;                  // psi to ksi; kPa stays
        const double fc_psi = si ? p.grout / 6.894757293168 : p.grout;
        const double Ec = 57000.0 * std::sqrt(fc_psi) * (si ? 6.894757293168 : 0.001);
        const double Eci = 2.0 * Ec / 1.7000000476837158;            // 1.7 (s), the peak strain factor
        const double Di = p.casing_od - 2.0 * p.casing_wall;
        const double I_ring = p.casing_wall > 0.0 ? Circle_Inertia(p.casing_od) - Circle_Inertia(Di) : 0.0;
        const double I_bar = Circle_Inertia(p.bar);
        const double I_grout = Circle_Inertia(p.hole) - I_ring - I_bar;
        const double EI = Eci * I_grout + p.casing_E * to_section * I_ring + p.bar_E * to_section * I_bar;
        EXPECT_NEAR_REL(g_Model.rd_EI[1][1], EI, k_Slicing_And_Secant_Tolerance);
        TearDown();
    }
}

// Moment about the centre of a micropile with the extreme compression fibre at the capacity
// strain 0.003 and the thrust P, by 20000 strips of exact chord widths: the grout on the concrete
// law in compression and cracked in tension (beyond its small cracking strain at this curvature),
// casing and bar elastic-perfectly plastic. The laws are the engine's own functions, called here
// strip by strip; the geometry, the equilibrium and the integration are this oracle's. A Whitney
// block would differ from the parabola by several per cent on this ring-shaped compression zone.
double Fine_Micropile_Capacity(const MicropileInput& p, double P) {
    const double to_section = p.units == k_Units_SI ? 1.0 : 0.001;
    const double fc = p.grout * to_section;
    const double fc_psi = p.units == k_Units_SI ? p.grout / 6.894757293168 : p.grout;
    const double Ec = 57000.0 * std::sqrt(fc_psi) * (p.units == k_Units_SI ? 6.894757293168 : 0.001);
    const double eps0 = 1.7000000476837158 * fc / Ec;                 // 1.7 (s)
    const double drop = 0.15000000596046448 * fc;                     // 0.15 (s)
    const double descent = 0.003800000064074993 - eps0;               // 0.0038 (s)
    const double eps_cap = 0.003000000026077032;                      // 0.003 (s)
    const double R = 0.5 * p.hole, Rc = 0.5 * p.casing_od, Ri = Rc - p.casing_wall, Rb = 0.5 * p.bar;
    auto chord = [](double r, double y) { return std::fabs(y) < r ? 2.0 * std::sqrt(r * r - y * y) : 0.0; };
    const int strips = 20000;
    const double h = p.hole / strips;
    auto forces = [&](double x, double& M) {
        double F = 0.0;
        M = 0.0;
        for (int i = 0; i < strips; ++i) {
            const double u = (i + 0.5) * h;   // depth from the compression face
            const double y = R - u;
            const double eps = eps_cap * (x - u) / x;
            const double ring = p.casing_wall > 0.0 ? chord(Rc, y) - chord(Ri, y) : 0.0;
            const double bar = chord(Rb, y);
            const double grout = chord(R, y) - ring - bar;
            bool limited = false;
            const double sigma_g = eps > 0.0 ? Outer_Concrete_Stress(eps, fc, eps0, drop, descent) : 0.0;
            const double sigma_c = Elastic_Plastic_Stress(eps, p.casing_E * to_section, p.casing_fy * to_section, limited);
            const double sigma_b = Elastic_Plastic_Stress(eps, p.bar_E * to_section, p.bar_fy * to_section, limited);
            const double dF = (sigma_g * grout + sigma_c * ring + sigma_b * bar) * h;
            F += dF;
            M += dF * y;
        }
        return F;
    };
    // The force rises with the neutral-axis depth: bisect for F = P.
    double lo = 1e-3 * p.hole, hi = 2.0 * p.hole, M = 0.0;
    for (int n = 0; n < 60; ++n) {
        const double x = 0.5 * (lo + hi);
        if (forces(x, M) < P) lo = x; else hi = x;
    }
    forces(0.5 * (lo + hi), M);
    return M;
}

TEST_F(MomentCurvature, MicropileNominalCapacityAgreesWithAStripIntegration) {
    // 100 slices, each stressed at its centre, against 20000 strips, and the capacity
    // interpolated linearly between the two curve points around 0.003: a few parts in 10^4.
    constexpr double k_Strip_Tolerance = 2e-3;
    struct Row { int section; double thrust; };   // thrust in kips or kN
    const Row rows[] = {{0, 0.0}, {0, 100.0}, {1, 0.0}, {2, 0.0}, {3, 0.0}, {3, 300.0}};
    for (const Row& r : rows) {
        const MicropileInput& p = k_Micropiles[r.section];
        SCOPED_TRACE(testing::Message() << p.name << ", thrust " << r.thrust);
        SetUp();
        Use_Micropile(p);
        Analyze({r.thrust});
        ASSERT_EQ(g_Model.ErrorStatus, 0);
        ASSERT_EQ(g_Model.rd_StrainAtCap[1], 0.003000000026077032);
        EXPECT_NEAR_REL(g_Model.rd_NominalMomentCap[1], Fine_Micropile_Capacity(p, r.thrust), k_Strip_Tolerance);
        TearDown();
    }
}

TEST_F(MomentCurvature, RectangularBeamCapacityAgreesWithTheStressBlock) {
    AnalysisModel& m = g_Model;
    m.SectionType[1] = 0;
    m.SectionDiameter[1] = 24.0;   // depth
    m.SectionWidth[1] = 12.0;
    m.ConcreteStrength[1] = 4000.0;
    m.RebarYieldStress[1] = 60000.0;
    m.ReinforcementModulus[1] = 29.0e6;
    m.NumBars[1] = 3;
    for (int j = 1; j <= 3; ++j) {
        m.BarX[j][1] = -3.0 + 3.0 * (j - 1);
        m.BarY[j][1] = -9.5;   // d = 21.5
        m.BarDiameter[j][1] = 1.0;
        m.BarArea[j][1] = 0.79;
    }
    Analyze({0.0});
    ASSERT_EQ(m.ErrorStatus, 0);
    // a = As fy / (0.85 f'c b) = 3.485 in; Mn = As fy (d - a/2) = 2809 in-kips.
    const double As_fy = 3.0 * 0.79 * 60.0;
    const double a = As_fy / (0.85 * 4.0 * 12.0);
    EXPECT_NEAR_REL(m.rd_NominalMomentCap[1], As_fy * (21.5 - 0.5 * a), 0.03);
    EXPECT_EQ(m.rd_StrainAtCap[1], 0.003000000026077032);
}

TEST_F(MomentCurvature, TensionBeyondCrackingCracksEveryPointAndNearCapacityTheCurveEnds) {
    Use_Shaft();
    AnalysisModel& m = g_Model;
    Setup_Section_Values(1);
    ComputeAxialCapacity();
    ComputeTensileCapacity();
    const double Pn = m.rd_AxialCapComp;
    const double Pcr = m.rd_CrackingLoad;
    ASSERT_LT(Pcr, 0.0);
    // A thrust equal to the squash load passes the checks; once the curvature grows the section
    // can no longer carry it at any neutral-axis depth, and the curve ends at the point before,
    // short of the crushing strain, without an error. (The search once failed there and ended
    // the whole run with Runtime Error No. 16.)
    Analyze({1.5 * Pcr, 0.0, 1.0 * Pn});
    ASSERT_EQ(m.ErrorStatus, 0);
    for (int k = 1; k <= m.i_NumCurvPoints[1]; ++k) EXPECT_EQ(m.c_RunMsg[1][k][0], 'C') << k;
    EXPECT_GE(m.i_NumCurvPoints[3], 1);
    EXPECT_LT(m.i_NumCurvPoints[3], m.i_NumCurvPoints[2]);
    EXPECT_LT(m.rd_MaxCompStrain[3][m.i_NumCurvPoints[3]], 0.0038);
    // Capacities fall toward the squash load.
    EXPECT_LT(m.rd_NominalMomentCap[3], m.rd_NominalMomentCap[2]);
}

TEST_F(MomentCurvature, TablesRecordsAndFilesCarryEveryPoint) {
    Use_Pipe();
    TempDir dir;
    AnalysisModel& m = g_Model;
    m.i_NumMvsEIFileNames = 1;   // a name for the first pair only
    std::snprintf(m.MvsEIFileNames[1].data(), m.MvsEIFileNames[1].size(), "%s",
                  dir.file("mc1.txt").c_str());
    Analyze({0.0, 100.0});
    ASSERT_EQ(m.ErrorStatus, 0);
    EXPECT_EQ(m.i_NumTableThrusts, 2);
    EXPECT_EQ(m.rd_TableThrust[2], 100.0);
    const int n = m.i_NumCurvPoints[1];
    EXPECT_EQ(m.i_TablePoints[1][1], n);
    EXPECT_EQ(m.rd_TableNominalCap[1][1], 1000.0 * m.rd_NominalMomentCap[1]);
    const std::vector<std::string> rows = Read_Lines(dir.file("mc1.txt"));
    ASSERT_EQ(static_cast<int>(rows.size()), n);
    for (int k = 1; k <= n; ++k) {
        SCOPED_TRACE(k);
        ASSERT_EQ(rows[k - 1].size(), 30u);
        // in-lb and rad/in in E15.8: eight significant digits, a rounding of at most 5e-8.
        EXPECT_NEAR_REL(std::strtod(rows[k - 1].substr(0, 15).c_str(), nullptr),
                        1000.0 * m.rd_Moment[1][k], 5e-8);
        EXPECT_NEAR_REL(std::strtod(rows[k - 1].substr(15).c_str(), nullptr), m.rd_Curvature[1][k], 5e-8);
        EXPECT_EQ(m.rd_TableEI[1][1][k], m.rd_EI[1][k]);
    }
    // No name, no file: the second pair is only in the tables and the records.
    int line4 = 0, line5 = 0;
    for (const std::string& l : Captured_Plot_Lines()) {
        if (l.find("Line 4 : Num. M-EI-Crv Points, Axial Thrust Load (kips)") != std::string::npos) ++line4;
        if (l.find("Line 5 : Moment (in-kips)") != std::string::npos) ++line5;
    }
    EXPECT_EQ(line4, 2);
    EXPECT_EQ(line5, n + m.i_NumCurvPoints[2]);
    // A thrust shortens the pipe's curve: its yield strain is partly used up.
    EXPECT_LT(m.rd_NominalMomentCap[2], m.rd_NominalMomentCap[1]);
}

}  // namespace

namespace {

TEST_F(MomentCurvature, EccentricSteelWithoutFirstStiffnessEndsTheRunWithRuntimeError40) {
    // One heavy bar near the tension face of a 12 x 24 in section under 500 kips: the bar takes
    // so much of the thrust below mid-depth that the first moment about mid-depth is negative.
    AnalysisModel& m = g_Model;
    const auto use_section = [&m] {
        m.SectionType[1] = 0;
        m.SectionDiameter[1] = 24.0;
        m.SectionWidth[1] = 12.0;
        m.ConcreteStrength[1] = 4000.0;
        m.RebarYieldStress[1] = 60000.0;
        m.ReinforcementModulus[1] = 29.0e6;
        m.NumBars[1] = 1;
        m.BarY[1][1] = -10.0;
        m.BarDiameter[1][1] = 3.5;
        m.BarArea[1][1] = 10.0;
    };
    use_section();
    Analyze({500.0});
    EXPECT_EQ(m.ErrorStatus, 240);
    EXPECT_LE(m.rd_EI[1][1], 0.0);
    EXPECT_GT(m.WarningLog[306], 0);
    const auto report = Captured_Report_Lines();
    EXPECT_GE(Find_Line(report, "**** Runtime Error No. 40 ****"), 0);
    // Nothing reaches the lateral solution: no table was handed over.
    EXPECT_EQ(m.i_TablePoints[1][1], 0);
    // A bending-stiffness-only run keeps the curve and its warning without ending.
    TearDown();
    SetUp();
    m.i_Analysis_Type = 2;
    use_section();
    Analyze({500.0});
    EXPECT_EQ(m.ErrorStatus, 0);
    EXPECT_GT(m.WarningLog[306], 0);
}

// The lateral solution divides by the stiffness at every point of the tables, not only the
// first: a point of zero, negative or not-a-number stiffness anywhere in a curve ends a
// conventional run with Runtime Error No. 40 naming the section, the point and the thrust,
// and nothing is handed over. A bending-stiffness-only run keeps the curve.
TEST_F(MomentCurvature, AnyPointWithoutStiffnessEndsTheRunWithRuntimeError40) {
    struct Case { const char* name; int point; double EI; const char* text; };
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const Case cases[] = {
        {"zero at the third point", 3, 0.0, "Problem:  The bending stiffness of section 1 at point 3 of the curve of axial "
                                            "thrust no. 2 (250.00000000 kips) is zero or negative."},
        {"negative at the last point", 4, -2.0, "at point 4 of the curve of axial thrust no. 2 (250.00000000 kips) is zero or negative."},
        {"not a number at the first point", 1, nan, "Problem:  The bending stiffness of section 1 at point 1 of the curve of "
                                                    "axial thrust no. 2 (250.00000000 kips) is not a number."},
    };
    for (const Case& c : cases) {
        for (int type : {3, 2}) {
            SCOPED_TRACE(c.name);
            SCOPED_TRACE(type);
            SetUp();
            AnalysisModel& m = g_Model;
            m.i_Analysis_Type = type;
            std::snprintf(m.c_LabelForce, sizeof m.c_LabelForce, "kips");
            m.i_NumThrusts = 2;
            m.rd_Thrust[1] = 0.0;
            m.rd_Thrust[2] = 250.0;
            for (int a = 1; a <= 2; ++a) {
                m.i_NumCurvPoints[a] = 4;
                for (int k = 1; k <= 4; ++k) {
                    m.rd_Curvature[a][k] = 1e-5 * k;
                    m.rd_EI[a][k] = 1.0e6 / k;
                    m.rd_Moment[a][k] = m.rd_EI[a][k] * m.rd_Curvature[a][k];
                }
            }
            m.rd_EI[2][c.point] = c.EI;
            Finish_Curve_Series(1, CurveSeries{});
            if (type == 2) {
                EXPECT_EQ(m.ErrorStatus, 0);
                EXPECT_EQ(m.i_TablePoints[1][2], 4);
                TearDown();
                continue;
            }
            EXPECT_EQ(m.ErrorStatus, 240);
            EXPECT_GT(m.WarningLog[306], 0);
            EXPECT_EQ(m.i_TablePoints[1][1], 0);
            const auto report = Captured_Report_Lines();
            const int head = Find_Line(report, "**** Runtime Error No. 40 ****");
            ASSERT_GE(head, 0);
            EXPECT_NE(report[head + 2].find(c.text), std::string::npos) << report[head + 2];
            TearDown();
        }
    }
}

}  // namespace
