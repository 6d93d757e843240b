// Nonlinear bending stiffness: thrust index and the secant stiffness from a moment-curvature
// table.
#include <gtest/gtest.h>

#include "model/model.h"
#include "model/units.h"
#include "solver/bending_stiffness.h"
#include "support/model_fixture.h"

class BendingStiffnessTest : public ModelTest {};

TEST_F(BendingStiffnessTest, ThrustIndexBracketsTheThrust) {
    AnalysisModel& m = g_Model;
    m.i_NumTableThrusts = 3;
    m.rd_TableThrust[1] = 0.0;
    m.rd_TableThrust[2] = 100.0;
    m.rd_TableThrust[3] = 300.0;
    struct Case { double Qk; int t; };
    const Case cases[] = {{-50.0, 1}, {0.0, 1}, {50.0, 1}, {100.0, 2}, {299.0, 2}, {300.0, 3}, {900.0, 3}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Qk);
        EXPECT_EQ(Thrust_Index(c.Qk), c.t);
    }
    m.IUNITS = k_Units_US;
    EXPECT_DOUBLE_EQ(Thrust_In_Table_Units(250000.0), 250.0);   // pounds to kips
    m.IUNITS = k_Units_SI;
    EXPECT_DOUBLE_EQ(Thrust_In_Table_Units(250.0), 250.0);
}

TEST(SecantStiffnessFromTable, ByHand) {
    // Bilinear M-phi: EI 1000 up to phi = 0.01 (M = 10), then M rising to 12 at phi = 0.03.
    const double M[] = {0, 1.0, 10.0, 12.0};
    const double phi[] = {0, 0.001, 0.01, 0.03};
    const double EI[] = {0, 1000.0, 1000.0, 400.0};
    struct Case { const char* name; double M_abs; double phi_k; double EI; bool beyond; };
    const Case cases[] = {
        {"moment below the first point", 0.5, 0.02, 1000.0, false},
        {"curvature below the first point", 5.0, 0.0005, 1000.0, false},
        {"elastic branch", 5.0, 0.005, 1000.0, false},
        // phi = 0.02 on the second segment: M = 10 + 2 x 0.5 = 11, EI = 11 / 0.02.
        {"cracked branch", 11.0, 0.02, 550.0, false},
        // Beyond the last point the moment stays at 12: EI = 12 / 0.06.
        {"beyond the table", 12.0, 0.06, 200.0, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        bool beyond = !c.beyond;
        EXPECT_NEAR(Secant_Stiffness_From_Table(c.M_abs, c.phi_k, 3, M, EI, phi, beyond), c.EI, 1e-9);
        EXPECT_EQ(beyond, c.beyond);
    }
}

TEST_F(BendingStiffnessTest, ElasticSectionsKeepTheirStiffnessAndOthersInterpolateInThrust) {
    AnalysisModel& m = g_Model;
    m.IUNITS = k_Units_SI;
    m.NumNodes = 5;
    m.NumSections = 2;
    m.SectionType[1] = 11;   // elastic: never looked up
    m.XSectionTop[1] = 0.0;
    m.XSectionBottom[1] = 2.0;
    m.SectionType[2] = 1;    // drilled shaft with tables at two thrusts
    m.XSectionTop[2] = 2.0;
    m.XSectionBottom[2] = 4.0;
    m.IncrementLength = 1.0;
    for (int k = 1; k <= 5; ++k) {
        m.XNode[k] = k - 1.0;
        m.EI_Node[k] = 777.0;
    }
    // Two thrusts, each a straight line EI = 1000 (t = 1) and EI = 2000 (t = 2).
    m.i_NumTableThrusts = 2;
    m.rd_TableThrust[1] = 0.0;
    m.rd_TableThrust[2] = 100.0;
    for (int t = 1; t <= 2; ++t) {
        m.i_TablePoints[2][t] = 2;
        for (int i = 1; i <= 2; ++i) {
            m.rd_TableCurvature[2][t][i] = 0.001 * i;
            m.rd_TableEI[2][t][i] = 1000.0 * t;
            m.rd_TableMoment[2][t][i] = 1000.0 * t * 0.001 * i;
        }
    }
    UpdateBendingStiffness(1, 25.0);
    // At zero deflection every moment is below the first table point: EI(1) of each thrust,
    // interpolated a quarter of the way from t = 1 to t = 2.
    EXPECT_EQ(m.EI_Node[1], 777.0);
    EXPECT_EQ(m.EI_Node[3], 777.0);   // node 3 follows node 2 (elastic section)
    EXPECT_NEAR(m.EI_Node[4], 1250.0, 1e-9);
    EXPECT_NEAR(m.EI_Node[5], 1250.0, 1e-9);
}
