// Slicing of every section model against the areas and moments of the outlines by hand: slice
// areas add up to the gross area, first moments vanish for symmetric sections, second moments
// approach I as the midpoint rule says they must, and bars keep their areas.
#include "section/section_geometry.h"
#include "section/section_setup.h"

#include <gtest/gtest.h>

#include <cmath>

#include "model/model.h"
#include "model/units.h"
#include "support/model_fixture.h"

namespace {

constexpr double k_Pi = 3.141592653589793;
// Slice areas are differences of segment areas of the same circle; sums of 100 of them carry
// a few hundred roundings of numbers near the gross area.
constexpr double k_Area_Tol = 1e-10;

struct Sums {
    double concrete, rebar, casing, core, core_concrete, first_moment, second_moment;
};

// Totals over the slices; moments of all material about the outline's mid-depth.
Sums Slice_Sums() {
    const AnalysisModel& m = g_Model;
    Sums s{};
    const double y_mid = m.SliceY[0] - 0.5 * m.rd_Depth;
    for (int i = 1; i <= k_Num_Slices; ++i) {
        const double A = m.ConcreteSliceArea[i] + m.RebarSliceArea[i] + m.CasingSliceArea[i] +
                         m.CoreSliceArea[i] + m.CoreConcreteSliceArea[i];
        const double y = 0.5 * (m.SliceY[i - 1] + m.SliceY[i]) - y_mid;
        s.concrete += m.ConcreteSliceArea[i];
        s.rebar += m.RebarSliceArea[i];
        s.casing += m.CasingSliceArea[i];
        s.core += m.CoreSliceArea[i];
        s.core_concrete += m.CoreConcreteSliceArea[i];
        s.first_moment += A * y;
        s.second_moment += A * y * y;
    }
    return s;
}

class SectionSlicing : public ModelTest {
protected:
    void SetUp() override {
        ModelTest::SetUp();
        g_Model.IUNITS = k_Units_US;
        g_Model.NumSections = 1;
    }
    void Slice(int type, double D) {
        g_Model.SectionType[1] = type;
        g_Model.SectionDiameter[1] = D;
        Setup_Section_Values(1);
        Slice_Section(1);
    }
    void Add_Bar(double x, double y, double d, double A) {
        const int j = ++g_Model.NumBars[1];
        g_Model.BarX[j][1] = x;
        g_Model.BarY[j][1] = y;
        g_Model.BarDiameter[j][1] = d;
        g_Model.BarArea[j][1] = A;
    }
};

TEST(CircleSegmentArea, EndsHalfAndComplement) {
    const double D = 36.0;
    const double full = 0.25 * k_Pi * D * D;
    EXPECT_EQ(CircleSegmentArea(D, 0.0), 0.0);
    EXPECT_NEAR(CircleSegmentArea(D, 0.5 * D), 0.5 * full, 1e-12 * full);
    EXPECT_NEAR(CircleSegmentArea(D, D), full, 1e-12 * full);
    for (const double h : {0.3, 2.0, 7.5, 11.0, 17.9, 25.0, 35.2}) {
        SCOPED_TRACE(h);
        EXPECT_NEAR(CircleSegmentArea(D, h) + CircleSegmentArea(D, D - h), full, 1e-12 * full);
    }
    // A cut above the top holds nothing; a cut below the bottom holds the whole circle.
    EXPECT_EQ(CircleSegmentArea(D, -1.0), 0.0);
    EXPECT_NEAR(CircleSegmentArea(D, D + 1.0), full, 1e-12 * full);
}

TEST_F(SectionSlicing, RoundShaftSlicesAddUpToTheCircleAndItsInertia) {
    Slice(1, 36.0);
    EXPECT_EQ(g_Model.i_SectionModel, k_Model_Round);
    const Sums s = Slice_Sums();
    const double A = 0.25 * k_Pi * 36.0 * 36.0;
    const double I = k_Pi * std::pow(36.0, 4) / 64.0;
    EXPECT_NEAR(s.concrete, A, k_Area_Tol * A);
    EXPECT_NEAR(s.first_moment, 0.0, 1e-9 * A * 36.0);
    // 100 strips of a circle hold its inertia to within a few parts in 10^4.
    EXPECT_NEAR(s.second_moment, I, 2e-4 * I);
}

TEST_F(SectionSlicing, RectangleStripsAreEqualAndTheMidpointRuleIsLowByOnePartIn10000) {
    g_Model.SectionWidth[1] = 12.0;
    Slice(0, 24.0);
    const Sums s = Slice_Sums();
    EXPECT_NEAR(s.concrete, 24.0 * 12.0, k_Area_Tol * 288.0);
    EXPECT_DOUBLE_EQ(g_Model.ConcreteSliceArea[1], g_Model.ConcreteSliceArea[100]);
    // The strip sum of y^2 misses n * W t^3 / 12 = I / n^2 of the exact integral.
    const double I = 12.0 * std::pow(24.0, 3) / 12.0;
    EXPECT_NEAR(s.second_moment, I * (1.0 - 1e-4), 1e-10 * I);
    EXPECT_NEAR(s.first_moment, 0.0, 1e-9 * 288.0 * 24.0);
}

TEST_F(SectionSlicing, PolygonOutlinesAddUpToTheirAreas) {
    struct Case {
        const char* name;
        int type;
        double W, chamfer, expected;
    };
    const double f = 0.2071000039577484;   // the octagon's single-precision half-side factor
    const Case cases[] = {
        {"chamfered square", 7, 16.0, 1.5, 16.0 * 16.0 - 2.0 * 1.5 * 1.5},
        // A square minus four corner triangles of legs D/2 - fD; the exact regular octagon
        // would be 2(sqrt 2 - 1) D^2 = 0.828427 D^2.
        {"octagon", 9, 20.0, 0.0, 400.0 * (1.0 - 2.0 * (0.5 - f) * (0.5 - f))},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        g_Model.ChamferWidth[1] = c.chamfer;
        Slice(c.type, c.W);
        EXPECT_EQ(g_Model.i_SectionModel, k_Model_Polygon);
        EXPECT_NEAR(g_Model.rd_Depth, c.W, 1e-12);
        const Sums s = Slice_Sums();
        EXPECT_NEAR(s.concrete, c.expected, 1e-9 * c.expected);
        EXPECT_NEAR(s.first_moment, 0.0, 1e-8 * c.expected * c.W);
    }
    EXPECT_NEAR(400.0 * (1.0 - 2.0 * (0.5 - f) * (0.5 - f)) / 400.0, 0.828427, 1e-4);
}

TEST_F(SectionSlicing, ChamferFreeSquaresFallBackToRectangles) {
    g_Model.ChamferWidth[1] = 0.0;
    Slice(7, 14.0);
    EXPECT_EQ(g_Model.i_SectionModel, k_Model_Rectangle);
    EXPECT_NEAR(Slice_Sums().concrete, 196.0, 1e-10 * 196.0);
    g_Model.VoidDiameter[1] = 6.0;
    Slice(8, 14.0);
    EXPECT_EQ(g_Model.i_SectionModel, k_Model_Rectangle_Core);
    EXPECT_NEAR(Slice_Sums().concrete, 196.0 - 9.0 * k_Pi, 1e-10 * 196.0);
}

TEST_F(SectionSlicing, HollowAndCasedSectionsKeepEveryComponentApart) {
    const double D = 48.0;
    const double full = 0.25 * k_Pi * D * D;
    // Hollow circular prestressed pile: an annulus of concrete and a void without steel.
    g_Model.VoidDiameter[1] = 30.0;
    Slice(6, D);
    Sums s = Slice_Sums();
    EXPECT_NEAR(s.concrete, full - 0.25 * k_Pi * 900.0, k_Area_Tol * full);
    EXPECT_EQ(s.core, 0.0);
    EXPECT_EQ(s.core_concrete, 0.0);

    // Steel pipe: casing annulus only.
    g_Model.PipeThickness[1] = 0.75;
    Slice(4, D);
    s = Slice_Sums();
    EXPECT_NEAR(s.casing, 0.25 * k_Pi * (D * D - 46.5 * 46.5), k_Area_Tol * full);
    EXPECT_EQ(s.concrete, 0.0);
    EXPECT_NEAR(s.first_moment, 0.0, 1e-9 * full * D);

    // Casing and a filled core pipe with bars: every piece of the circle is somewhere.
    g_Model.CasingThickness[1] = 0.5;
    g_Model.CoreDiameter[1] = 16.0;
    g_Model.CoreThickness[1] = 0.5;
    g_Model.b_FillCoreWithConcrete[1] = -1;
    Add_Bar(18.0, 0.0, 1.128, 1.0);
    Add_Bar(-18.0, 0.0, 1.128, 1.0);
    Slice(3, D);
    s = Slice_Sums();
    EXPECT_NEAR(s.concrete + s.rebar + s.casing + s.core + s.core_concrete, full, k_Area_Tol * full);
    EXPECT_NEAR(s.casing, 0.25 * k_Pi * (D * D - 47.0 * 47.0), k_Area_Tol * full);
    EXPECT_NEAR(s.core, 0.25 * k_Pi * (256.0 - 225.0), k_Area_Tol * full);
    EXPECT_NEAR(s.core_concrete, 0.25 * k_Pi * 225.0, k_Area_Tol * full);
    EXPECT_NEAR(s.rebar, 2.0, 1e-12);
    // The same core left void: its interior holds nothing.
    g_Model.b_FillCoreWithConcrete[1] = 0;
    Slice(3, D);
    s = Slice_Sums();
    EXPECT_EQ(s.core_concrete, 0.0);
    EXPECT_NEAR(s.concrete + s.rebar + s.casing + s.core, full - 0.25 * k_Pi * 225.0, k_Area_Tol * full);
}

TEST_F(SectionSlicing, BarsKeepTheirAreasWhereverTheyCutTheSlices) {
    // Bars inside one slice, across several, on a slice boundary and at the very faces.
    const double D = 30.0;   // slices 0.3 thick
    Add_Bar(0.0, 0.0, 1.0, 0.79);
    Add_Bar(3.0, 7.35, 0.1, 0.0078);     // wholly inside one slice
    Add_Bar(-3.0, 13.5, 1.41, 1.56);     // edge 0.795 below the face
    Add_Bar(5.0, -14.5, 1.0, 0.79);      // touches the tension face
    Add_Bar(-5.0, 14.5, 1.0, 0.79);      // touches the compression face: zero cover
    Slice(1, D);
    const Sums s = Slice_Sums();
    EXPECT_NEAR(s.rebar, 0.79 * 3 + 0.0078 + 1.56, 1e-12);
    EXPECT_NEAR(s.concrete + s.rebar, 0.25 * k_Pi * D * D, k_Area_Tol * D * D);
    // The small bar lies in the slice holding y = 7.35: slice 26, between 7.5 and 7.2.
    EXPECT_NEAR(g_Model.RebarSliceArea[26], 0.0078, 1e-15);
    // The bar at the compression face starts in slice 1.
    EXPECT_GT(g_Model.RebarSliceArea[1], 0.0);
    // Every slice area stays non-negative.
    for (int i = 1; i <= k_Num_Slices; ++i) EXPECT_GE(g_Model.RebarSliceArea[i], 0.0) << i;
}

TEST_F(SectionSlicing, CageOffsetMovesDrilledShaftBarsOnly) {
    Add_Bar(0.0, 10.0, 1.0, 0.79);
    g_Model.CageOffset[1] = 2.0;
    g_Model.SectionType[1] = 1;
    EXPECT_DOUBLE_EQ(Bar_Y(1, 1), 12.0);
    g_Model.SectionType[1] = 0;
    EXPECT_DOUBLE_EQ(Bar_Y(1, 1), 10.0);
}

TEST_F(SectionSlicing, SliceBoundaryBelongsToTheSliceBelow) {
    Slice(1, 10.0);   // SliceY(j) = 5 - 0.1 j
    EXPECT_EQ(fn_FindSliceY(5.0), 1);
    EXPECT_EQ(fn_FindSliceY(4.95), 1);
    EXPECT_EQ(fn_FindSliceY(g_Model.SliceY[3]), 4);
    EXPECT_EQ(fn_FindSliceY(-4.95), 100);
    // Outside the grid: slice 100 by convention.
    EXPECT_EQ(fn_FindSliceY(5.01), 100);
    EXPECT_EQ(fn_FindSliceY(-5.0), 100);
    EXPECT_NEAR(g_Model.rd_SliceDepth[1], 0.05, 1e-15);
    EXPECT_NEAR(g_Model.rd_SliceDepth[100], 9.95, 1e-12);
}

}  // namespace
