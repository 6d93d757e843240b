// Factored LRFD combinations: factoring by hand, the batter transform, the distinct thrust list
// with its positions, and the report blocks with the thrust list handed to the section analysis.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "lrfd/combinations.h"
#include "model/model.h"
#include "model/units.h"
#include "support/input_fixture.h"
#include "support/model_fixture.h"

namespace {

constexpr double k_Hand_Tol = 1e-9;   // sums of a few products, exact to rounding
constexpr double k_Pi = 3.141592653589793;

class LrfdCombinations : public ModelTest {
protected:
    // Dead load (10, 100, 1000) and live load (5, 50, 500) as (H, M, P); combination 1 is
    // 1.25 DL + 1.75 LL.
    void SetUp() override {
        ModelTest::SetUp();
        AnalysisModel& m = g_Model;
        m.IUNITS = k_Units_US;
        m.b_UseLRFD = -1;
        Add_Group(1, 10.0, 100.0, 1000.0);
        Add_Group(2, 5.0, 50.0, 500.0);
        m.NumLrfdCombinations = 1;
        m.LrfdFactor[1][1] = 1.25;
        m.LrfdFactor[2][1] = 1.75;
        m.PhiM[1] = 0.9;
        m.PhiV[1] = 0.75;
        std::strcpy(m.LrfdCombinationName[1].data(), "Strength I");
    }
    static void Add_Group(int type, double H, double M, double P) {
        AnalysisModel& m = g_Model;
        const int g = ++m.NumLrfdLoads;
        m.LrfdLoadType[g] = type;
        m.LrfdH[g] = H;
        m.LrfdM[g] = M;
        m.LrfdP[g] = P;
    }
};

TEST_F(LrfdCombinations, FactoredLoadsByHand) {
    // 1.25 (10, 100, 1000) + 1.75 (5, 50, 500) = (12.5 + 8.75, 125 + 87.5, 1250 + 875)
    const FactoredLoads f = Factor_Combination(1);
    EXPECT_NEAR(f.H, 21.25, k_Hand_Tol);
    EXPECT_NEAR(f.M, 212.5, k_Hand_Tol);
    EXPECT_NEAR(f.P, 2125.0, k_Hand_Tol);
}

TEST_F(LrfdCombinations, FactorsOfZeroOrLessTakeNoPart) {
    // An earthquake group with a negative factor and a second dead-load group: the negative
    // factor must not subtract its group, the dead-load groups add up by type.
    AnalysisModel& m = g_Model;
    Add_Group(3, 1000.0, 1000.0, 1000.0);
    Add_Group(1, 2.0, 20.0, 200.0);
    m.LrfdFactor[3][1] = -1.0;
    const FactoredLoads f = Factor_Combination(1);
    EXPECT_NEAR(f.H, 21.25 + 1.25 * 2.0, k_Hand_Tol);
    EXPECT_NEAR(f.M, 212.5 + 1.25 * 20.0, k_Hand_Tol);
    EXPECT_NEAR(f.P, 2125.0 + 1.25 * 200.0, k_Hand_Tol);
}

TEST(LrfdBatter, TransformByHand) {
    // 10 degrees: cos = 0.984807753012208, sin = 0.173648177666930.
    // V = 0.984807753 * 21.25 + 0.173648178 * 2125 = 20.927164752 + 369.002377542 = 389.929542294
    // Q = -0.173648178 * 21.25 + 0.984807753 * 2125 = -3.690023775 + 2092.716475151 = 2089.026451376
    double V = 0.0, Q = 0.0;
    Transform_For_Batter(10.0 * k_Pi / 180.0, 21.25, 2125.0, V, Q);
    EXPECT_NEAR(V, 389.929542294, 1e-8);
    EXPECT_NEAR(Q, 2089.026451376, 1e-8);
    // Within 1e-6 radians of vertical the loads act as they are.
    Transform_For_Batter(1e-6, 21.25, 2125.0, V, Q);
    EXPECT_EQ(V, 21.25);
    EXPECT_EQ(Q, 2125.0);
}

TEST(LrfdThrusts, SortedDistinctListAndPositions) {
    struct Case {
        const char* name;
        std::vector<double> thrusts;
        std::vector<double> list;
        std::vector<int> positions;
    };
    const Case cases[] = {
        {"duplicates share an entry", {300.0, 100.0, 100.0, 200.0}, {100.0, 200.0, 300.0}, {3, 1, 1, 2}},
        {"negative thrusts sort first", {0.0, -50.0, 25.0}, {-50.0, 0.0, 25.0}, {2, 1, 3}},
        // 1e-16 lies within 1e-15 of 0 and is dropped; it takes the nearest kept entry (it once
        // found no exact match and pointed at position 0, before the list).
        {"near-duplicate takes the nearest entry", {5.0, 1e-16, 0.0}, {0.0, 5.0}, {2, 1, 1}},
        {"near-duplicate above zero kept first", {1e-16, 0.0, 5.0}, {0.0, 5.0}, {1, 1, 2}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const int n = static_cast<int>(c.thrusts.size());
        double Q[8] = {};
        for (int i = 0; i < n; ++i) Q[i + 1] = c.thrusts[static_cast<std::size_t>(i)];
        double list[8] = {};
        const int kept = Distinct_Thrusts(Q, n, list);
        ASSERT_EQ(kept, static_cast<int>(c.list.size()));
        for (int a = 1; a <= kept; ++a) EXPECT_EQ(list[a], c.list[static_cast<std::size_t>(a - 1)]);
        for (int i = 1; i <= n; ++i) EXPECT_EQ(Thrust_Position(Q[i], list, kept), c.positions[static_cast<std::size_t>(i - 1)]);
    }
}

TEST_F(LrfdCombinations, FormingReportsTheLoadsAndHandsTheThrustsInKipsToTheSections) {
    AnalysisModel& m = g_Model;
    // A second combination with the same thrust, and a third whose thrust is lower.
    m.NumLrfdCombinations = 3;
    m.LrfdFactor[1][2] = 1.25;
    m.LrfdFactor[2][2] = 1.75;
    m.LrfdFactor[1][3] = 0.9;
    std::strcpy(m.LrfdCombinationName[2].data(), "Strength I again");
    std::strcpy(m.LrfdCombinationName[3].data(), "Uplift");
    Capture_Run_Files();
    FormLrfdCombinations();
    const std::vector<std::string> report = Captured_Report_Lines();
    EXPECT_TRUE(Has_Line(report, "Factored Load =  1.25*DL + 1.75*LL"));
    EXPECT_TRUE(Has_Line(report, "Factored Load =  0.90*DL"));
    EXPECT_TRUE(Has_Line(report, "Factored Horizontal Force =                    21.25 lbs"));
    EXPECT_TRUE(Has_Line(report, "Factored Vertical Force   =                  2125.00 lbs"));
    EXPECT_TRUE(Has_Line(report, "Factored Moment           =                   212.50 in-lbs"));
    EXPECT_TRUE(Has_Line(report, "Structural Resistance Factor for Shear   = 0.750"));
    EXPECT_TRUE(Has_Line(report, "        1                     21.25             212.50            2125.00   Strength I"));
    EXPECT_TRUE(Has_Line(report, "Number of Unique Axial Thrust Values = 2"));
    EXPECT_TRUE(Has_Line(report, "   1         900.000"));
    EXPECT_TRUE(Has_Line(report, "   2        2125.000"));
    // no batter, no transformation block
    EXPECT_FALSE(Has_Line(report, "Factored Loads Transformed for Pile Batter by Load Combination:"));
    ASSERT_EQ(m.NumEIThrusts, 2);
    EXPECT_EQ(m.EIThrust[1], 0.9);      // 900 lbs in kips
    EXPECT_EQ(m.EIThrust[2], 2.125);
    EXPECT_EQ(m.i_LrfdThrustIndex[1], 2);
    EXPECT_EQ(m.i_LrfdThrustIndex[2], 2);
    EXPECT_EQ(m.i_LrfdThrustIndex[3], 1);
    EXPECT_EQ(m.rd_LrfdShear[1], 21.25);
    EXPECT_EQ(m.rd_LrfdThrust[3], 900.0);
}

TEST_F(LrfdCombinations, BatteredPileGetsTheTransformBlockAndTransformedLoads) {
    AnalysisModel& m = g_Model;
    m.PileBatter = 10.0 * k_Pi / 180.0;
    Capture_Run_Files();
    FormLrfdCombinations();
    const std::vector<std::string> report = Captured_Report_Lines();
    EXPECT_TRUE(Has_Line(report, "Pile PileBatter =  10.000 degrees"));
    EXPECT_TRUE(Has_Line(report, "   T(1,1) =  Cos(PileBatter) =   0.9848   T(1,2) = Sin(PileBatter) =   0.1736"));
    EXPECT_TRUE(Has_Line(report, "   T(2,1) = -Sin(PileBatter) =  -0.1736   T(2,2) = Cos(PileBatter) =   0.9848"));
    // the hand values of LrfdBatter.TransformByHand, rounded to two decimals
    EXPECT_TRUE(Has_Line(report, "        1                    389.93             212.50            2089.03   Strength I"));
    EXPECT_NEAR(m.rd_LrfdShear[1], 389.929542294, 1e-8);
    EXPECT_NEAR(m.rd_LrfdThrust[1], 2089.026451376, 1e-8);
    EXPECT_NEAR(m.EIThrust[1], 2.089026451376, 1e-11);
}

TEST_F(LrfdCombinations, AnLrfdRunNeedsItsLoadsAndItsCombinations) {
    // Either section missing would leave nothing (or only unloaded piles) to judge, and the run
    // would report every combination as passed.
    struct Case { const char* name; bool loads; bool combinations; int error; };
    const Case cases[] = {{"no LRFD LOADS", false, true, 93},
                          {"no LRFD FACTORS AND CASES", true, false, 92},
                          {"neither", false, false, 93}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        AnalysisModel& m = g_Model;
        if (!c.loads) m.NumLrfdLoads = 0;
        if (!c.combinations) m.NumLrfdCombinations = 0;
        Capture_Run_Files();
        FormLrfdCombinations();
        EXPECT_EQ(m.ErrorStatus, 100 + c.error);
        const std::vector<std::string> report = Captured_Report_Lines();
        const std::string heading = "***** Input Data Error No. " + std::to_string(c.error) + " *****";
        EXPECT_TRUE(Has_Line(report, heading));
        EXPECT_FALSE(Has_Line(report, "Number of Unique Axial Thrust Values = 1"));
        TearDown();
        SetUp();
    }
}

}  // namespace
