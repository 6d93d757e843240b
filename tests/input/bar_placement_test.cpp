// Generated bar and strand positions, checked against hand-placed coordinates and against the
// geometry they must have: bars on their circle, bundled bars touching, strands on the square.
#include "input/bar_placement.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <utility>

#include "model/model.h"

namespace {

// Coordinates are formed from a few products of input values; 1e-12 in covers their rounding.
constexpr double k_Tol = 1e-12;

class BarPlacement : public ::testing::Test {
protected:
    void SetUp() override { Initialize_Model(); }
    double X(int j) const { return g_Model.BarX[j][k_S]; }
    double Y(int j) const { return g_Model.BarY[j][k_S]; }
    double Distance(int i, int j) const { return std::hypot(X(i) - X(j), Y(i) - Y(j)); }
    static constexpr int k_S = 2;   // a section other than 1, to catch a fixed index
};

TEST_F(BarPlacement, SingleBarsLieOnTheCircleInsideTheCover) {
    // D 36, bar 1, cover 3: R = (36 - 1)/2 - 3 = 14.5; four groups at 0, 90, 180, 270 degrees.
    ASSERT_EQ(PlaceBarsOnCircle(k_S, 36.0, 3.0, 1.0, 4, 1), 4);
    const double expected[4][2] = {{14.5, 0.0}, {0.0, 14.5}, {-14.5, 0.0}, {0.0, -14.5}};
    for (int j = 1; j <= 4; ++j) {
        SCOPED_TRACE(j);
        EXPECT_NEAR(X(j), expected[j - 1][0], k_Tol);
        EXPECT_NEAR(Y(j), expected[j - 1][1], k_Tol);
    }
}

TEST_F(BarPlacement, PairsStraddleTheGroupAngleOnTheSameRadius) {
    const double d = 1.0;
    const double R = 14.5;
    ASSERT_EQ(PlaceBarsOnCircle(k_S, 36.0, 3.0, d, 3, 2), 6);
    for (int j = 1; j <= 6; ++j) EXPECT_NEAR(std::hypot(X(j), Y(j)), R, k_Tol);
    // The pair's half angle is (d/R)/2, so the two bars sit one diameter apart along the arc:
    // their chord 2 R sin(d / 2R) is d less d^3 / (24 R^2).
    EXPECT_NEAR(Distance(1, 2), d - d * d * d / (24.0 * R * R), 1e-7);
    // Second group centred at 120 degrees.
    EXPECT_NEAR(std::atan2(Y(3) + Y(4), X(3) + X(4)), 2.0 * 3.141592653589793 / 3.0, k_Tol);
}

TEST_F(BarPlacement, ThirdBarOfABundleCompletesANearlyEquilateralTriangle) {
    const double d = 1.41;
    const double R = (48.0 - d) / 2.0 - 4.0;
    ASSERT_EQ(PlaceBarsOnCircle(k_S, 48.0, 4.0, d, 8, 3), 24);
    // The pair spans an arc of d, so its chord and the offsets of the third bar differ from an
    // exact triangle of side d by terms of order d^2 / R, about 3 percent of d here.
    const double tolerance = 0.03 * d;
    for (int group = 0; group < 8; ++group) {
        SCOPED_TRACE(group);
        const int a = 3 * group + 1;
        EXPECT_NEAR(Distance(a, a + 1), d, tolerance);
        EXPECT_NEAR(Distance(a, a + 2), d, tolerance);
        EXPECT_NEAR(Distance(a + 1, a + 2), d, tolerance);
        EXPECT_NEAR(std::hypot(X(a + 2), Y(a + 2)), R - std::sqrt(3.0) / 2.0 * d, k_Tol);
    }
}

TEST_F(BarPlacement, OneGroupSitsAtTheCentre) {
    ASSERT_EQ(PlaceBarsOnCircle(k_S, 24.0, 3.0, 1.0, 1, 1), 1);
    EXPECT_EQ(X(1), 0.0);
    EXPECT_EQ(Y(1), 0.0);
    ASSERT_EQ(PlaceBarsOnCircle(k_S, 24.0, 3.0, 1.0, 1, 2), 2);
    EXPECT_EQ(X(1), -0.5);
    EXPECT_EQ(X(2), 0.5);
    EXPECT_EQ(Y(2), 0.0);
}

TEST_F(BarPlacement, NothingIsPlacedWithoutRoom) {
    struct NoRoom {
        const char* name;
        double D, cover, d;
        int groups, per_group;
    };
    const NoRoom cases[] = {
        {"zero cover", 36.0, 0.0, 1.0, 4, 1},
        {"bar wider than the section", 1.0, 0.1, 2.0, 4, 1},
        {"zero diameter", 0.0, 3.0, 0.0, 4, 1},
        {"cover leaves no radius", 6.0, 3.0, 1.0, 4, 1},
        {"no groups", 36.0, 3.0, 1.0, 0, 1},
        {"301 groups", 36.0, 3.0, 1.0, 301, 1},
        {"four bars per group", 36.0, 3.0, 1.0, 4, 4},
    };
    for (const NoRoom& row : cases) {
        SCOPED_TRACE(row.name);
        g_Model.BarX[1][k_S] = 7.0;
        EXPECT_EQ(PlaceBarsOnCircle(k_S, row.D, row.cover, row.d, row.groups, row.per_group), 0);
        EXPECT_EQ(X(1), 7.0);
    }
}

TEST_F(BarPlacement, OversizedBarDiameterIsTakenAsZero) {
    // |d| > 100 counts as 0: R = 300/2 - 10 = 140, not (300 - 150)/2 - 10 = 65.
    ASSERT_EQ(PlaceBarsOnCircle(k_S, 300.0, 10.0, 150.0, 2, 1), 2);
    EXPECT_NEAR(X(1), 140.0, k_Tol);
}

// The strand positions as a set of points rounded to 1e-9.
std::set<std::pair<long long, long long>> Points(int n) {
    std::set<std::pair<long long, long long>> points;
    for (int j = 1; j <= n; ++j) {
        points.insert({std::llround(g_Model.BarX[j][2] * 1e9), std::llround(g_Model.BarY[j][2] * 1e9)});
    }
    return points;
}

struct SquareCase {
    const char* name;
    int pattern;
    int n;
    std::set<std::pair<double, double>> expected;
};

TEST_F(BarPlacement, StrandsOnTheSidesOfTheSquare) {
    // W 14, cover 2, strand 0.5: a = (14 - 0.5)/2 - 2 = 4.75; spacing 2a/m.
    const double a = 4.75;
    const SquareCase cases[] = {
        {"pattern 1, 8 strands: corners and side middles", 1, 8,
         {{-a, -a}, {0, -a}, {a, -a}, {a, 0}, {a, a}, {0, a}, {-a, a}, {-a, 0}}},
        {"pattern 2, 8 strands: quarter points of the sides", 2, 8,
         {{-a / 2, -a}, {a / 2, -a}, {a, -a / 2}, {a, a / 2}, {a / 2, a}, {-a / 2, a},
          {-a, a / 2}, {-a, -a / 2}}},
        {"pattern 1, 10 strands: two extra off the taken middles", 1, 10,
         {{-a, -a}, {0, -a}, {a, -a}, {a, 0}, {a, a}, {0, a}, {-a, a}, {-a, 0}, {a / 2, -a},
          {-a / 2, a}}},
        {"pattern 2, 7 strands: m = 1, middles taken", 2, 7,
         {{0, -a}, {a, 0}, {0, a}, {-a, 0}, {a, -a}, {-a, a}, {a, a}}},
        {"pattern 1, 3 strands: side middles only", 1, 3, {{0, -a}, {0, a}, {a, 0}}},
    };
    for (const SquareCase& row : cases) {
        SCOPED_TRACE(row.name);
        ASSERT_EQ(PlaceStrandsOnSquare(k_S, row.pattern, 14.0, 2.0, 0.5, row.n), -1);
        std::set<std::pair<long long, long long>> expected;
        for (const auto& p : row.expected) {
            expected.insert({std::llround(p.first * 1e9), std::llround(p.second * 1e9)});
        }
        // Distinct positions, exactly the expected ones.
        EXPECT_EQ(Points(row.n), expected);
        EXPECT_EQ(static_cast<int>(Points(row.n).size()), row.n);
    }
}

TEST_F(BarPlacement, NoStrandsPlacedWithoutASquare) {
    EXPECT_EQ(PlaceStrandsOnSquare(k_S, 1, 4.0, 2.0, 0.5, 8), 0);    // a < 0
    EXPECT_EQ(PlaceStrandsOnSquare(k_S, 3, 14.0, 2.0, 0.5, 8), 0);   // no such pattern
    EXPECT_EQ(PlaceStrandsOnSquare(k_S, 1, 14.0, 2.0, 0.5, 0), 0);
}

}  // namespace
