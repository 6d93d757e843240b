// Section properties along the pile: interpolation inside a section, the section below at a
// boundary, the last point below the table. Values by hand from a two-section table.
#include <gtest/gtest.h>

#include "model/model.h"
#include "pile/section_properties.h"
#include "support/model_fixture.h"

namespace {

// Section 1 from 0 to 10 tapers (D 2 -> 3, I 10 -> 20, E 100 -> 200, A 4 -> 6, D2 1 -> 2);
// section 2 from 10 to 30 keeps D 1.5, I 5, A 3, D2 0.5 while E rises from 300 to 400.
class SectionPropertiesTest : public ModelTest {
protected:
    void SetUp() override {
        ModelTest::SetUp();
        struct Point { double x, D, D2, I, E, A; };
        const Point points[] = {
            {0.0, 2.0, 1.0, 10.0, 100.0, 4.0},
            {10.0, 3.0, 2.0, 20.0, 200.0, 6.0},
            {10.0, 1.5, 0.5, 5.0, 300.0, 3.0},
            {30.0, 1.5, 0.5, 5.0, 400.0, 3.0},
        };
        AnalysisModel& m = g_Model;
        m.NumSections = 2;
        m.NumSectionPoints = 4;
        for (int i = 1; i <= 4; ++i) {
            const Point& p = points[i - 1];
            m.XSectionPoint[i] = p.x;
            m.SectionPointD[i] = p.D;
            m.SectionPointD2[i] = p.D2;
            m.SectionPointI[i] = p.I;
            m.SectionPointE[i] = p.E;
            m.SectionPointA[i] = p.A;
        }
    }
};

struct DepthCase {
    const char* name;
    double x;
    SectionProperties expected;
};

// Interpolated values are exact binary fractions here, so the comparison can be exact.
const DepthCase k_Depth_Cases[] = {
    {"head takes the first point", 0.0, {2.0, 1.0, 10.0, 4.0, 1000.0}},
    // EI interpolates the products 1000 and 4000; E and I interpolated apart would give 2250.
    {"mid-section interpolates EI as a product", 5.0, {2.5, 1.5, 15.0, 5.0, 2500.0}},
    {"quarter of the section", 2.5, {2.25, 1.25, 12.5, 4.5, 1750.0}},
    {"section boundary takes the section below", 10.0, {1.5, 0.5, 5.0, 3.0, 1500.0}},
    {"inside the lower section", 20.0, {1.5, 0.5, 5.0, 3.0, 1750.0}},
    {"pile tip is the last point", 30.0, {1.5, 0.5, 5.0, 3.0, 2000.0}},
    {"below the table is the last point", 45.0, {1.5, 0.5, 5.0, 3.0, 2000.0}},
};

}  // namespace

TEST_F(SectionPropertiesTest, ValuesAlongThePile) {
    for (const DepthCase& row : k_Depth_Cases) {
        SCOPED_TRACE(row.name);
        const SectionProperties p = SectionPropertiesAtDepth(row.x);
        EXPECT_DOUBLE_EQ(p.D, row.expected.D);
        EXPECT_DOUBLE_EQ(p.D2, row.expected.D2);
        EXPECT_DOUBLE_EQ(p.I, row.expected.I);
        EXPECT_DOUBLE_EQ(p.A, row.expected.A);
        EXPECT_DOUBLE_EQ(p.EI, row.expected.EI);
    }
}

TEST_F(SectionPropertiesTest, TableOfOnePointGivesThatPoint) {
    g_Model.NumSectionPoints = 1;
    const SectionProperties p = SectionPropertiesAtDepth(5.0);
    EXPECT_DOUBLE_EQ(p.D, 2.0);
    EXPECT_DOUBLE_EQ(p.EI, 1000.0);
}
