// The figure writer: tick values in 1-2-5 steps (the cases worked by hand below), their labels,
// the power of ten an axis factors out, and the structure of a drawn figure.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "svg_plot.h"
#include "svg_texts.h"

namespace {

constexpr double k_Exact = 1e-12;   // tick values are products of small integers and powers of ten

// The step is 1, 2 or 5 times a power of ten.
bool Is_One_Two_Five(double step) {
    const double mantissa = step / std::pow(10.0, std::floor(std::log10(step) + 1e-9));
    return std::fabs(mantissa - 1) < 1e-9 || std::fabs(mantissa - 2) < 1e-9 || std::fabs(mantissa - 5) < 1e-9;
}

std::vector<std::string> Attribute_Values(const std::string& svg, const std::string& element_start,
                                          const std::string& attribute) {
    std::vector<std::string> values;
    for (std::size_t at = svg.find(element_start); at != std::string::npos; at = svg.find(element_start, at + 1)) {
        const std::size_t a = svg.find(attribute + "=\"", at);
        const std::size_t end = svg.find('>', at);
        if (a == std::string::npos || a > end) continue;
        const std::size_t from = a + attribute.size() + 2;
        values.push_back(svg.substr(from, svg.find('"', from) - from));
    }
    return values;
}

}  // namespace

TEST(NiceTicks, CoverTheRangeWithTheSmallestOneTwoFiveStepThatFits) {
    // Worked by hand: rough step = range / (max - 1); try 1, 2, 5 times its power of ten, then the
    // next power, until floor(lo / s) .. ceil(hi / s) needs at most max ticks.
    struct Case { const char* what; double lo, hi; int max; double first, step; int count; };
    const Case cases[] = {
        {"head deflection 0.0878 m", 0.0, 0.0878, 6, 0.0, 0.02, 6},      // 0.01 needs 10 ticks
        {"soil reaction -18.1..51.2", -18.12, 51.24, 8, -20.0, 20.0, 5},  // 5 needs 16, 10 needs 9
        {"pile of 30 m", 0.0, 30.0, 8, 0.0, 5.0, 7},                     // 2 needs 16
        {"pile of 720 in", 0.0, 720.0, 8, 0.0, 200.0, 5},                // 100 needs 9 (to 800)
        {"a maximum on a tick adds none", 0.0, 100.0, 6, 0.0, 20.0, 6},
        {"small deflections", 0.0, 0.00502, 6, 0.0, 0.002, 4},           // 0.001 needs 7
        {"all zero is widened to -1..1", 0.0, 0.0, 5, -1.0, 0.5, 5},
        {"one value 5 is widened to 4.5..5.5", 5.0, 5.0, 5, 4.5, 0.5, 3},
        {"reversed bounds", 10.0, -10.0, 5, -10.0, 5.0, 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const Ticks t = Nice_Ticks(c.lo, c.hi, c.max);
        EXPECT_NEAR(t.first, c.first, k_Exact);
        EXPECT_NEAR(t.step, c.step, k_Exact);
        EXPECT_EQ(t.count, c.count);
        EXPECT_TRUE(Is_One_Two_Five(t.step));
        EXPECT_LE(t.first, std::min(c.lo, c.hi) + k_Exact);
        EXPECT_GE(t.last(), std::max(c.lo, c.hi) - k_Exact);
        EXPECT_LE(t.count, c.max);
    }
}

TEST(NiceTicks, LabelsShowTheDigitsOfTheStepAndNeverMinusZero) {
    struct Case { double value, step; int scale; const char* label; };
    const Case cases[] = {
        {0.30000000000000004, 0.1, 0, "0.3"},   // rounding noise of first + 3 * step
        {-1e-17, 0.02, 0, "0.00"},             // a zero from -0.02 + 0.02
        {-0.0, 5.0, 0, "0"},
        {-20.0, 20.0, 0, "-20"},
        {1.5e7, 5e6, 7, "1.5"},                // labels of an axis "(x10^7 in-lb)"
        {0.002, 0.001, -3, "2"},
        {0.25, 0.05, 0, "0.25"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Tick_Label(c.value, c.step, c.scale), c.label) << c.value;
    }
    EXPECT_EQ(Tick_Scale(Ticks{0.0, 5e6, 4}), 7);
    EXPECT_EQ(Tick_Scale(Ticks{0.0, 0.002, 4}), -3);
    EXPECT_EQ(Tick_Scale(Ticks{-20.0, 20.0, 5}), 0);
    EXPECT_EQ(Tick_Scale(Ticks{0.0, 0.02, 6}), 0);   // 0.1 reads well as it is
}

TEST(SvgFigure, DepthGrowsDownwardEachSeriesIsDrawnAndTheLegendNamesEach) {
    Figure f;
    f.title = "Pile response";
    f.subtitle = "A & B <test>";
    f.depth_axis = true;
    f.ground = 2.0;
    for (const char* name : {"Deflection", "Moment"}) {
        Panel p;
        p.title = name;
        p.x_title = std::string(name) + " (m)";
        p.y_title = "Depth below pile head (m)";
        p.series.push_back({"Load case 1", {0.0, 1.0, 2.0}, {0.0, 5.0, 10.0}, false, {}, true, {}});
        p.series.push_back({"Load case 2", {0.0, -1.0, 3.0}, {0.0, 5.0, 10.0}, false, {}, true, {}});
        f.panels.push_back(p);
    }
    const std::string svg = Svg_Figure(f);
    EXPECT_EQ(Attribute_Values(svg, "<polyline", "data-name"),
              (std::vector<std::string>{"Load case 1", "Load case 2", "Load case 1", "Load case 2"}));
    EXPECT_EQ(Texts_Of_Class(svg, "legend-entry"), (std::vector<std::string>{"Load case 1", "Load case 2"}));
    EXPECT_EQ(Texts_Of_Class(svg, "y-title"), std::vector<std::string>{"Depth below pile head (m)"});
    EXPECT_EQ(Texts_Of_Class(svg, "x-title"), (std::vector<std::string>{"Deflection (m)", "Moment (m)"}));
    EXPECT_NE(svg.find("A &amp; B &lt;test&gt;"), std::string::npos);
    EXPECT_EQ(Attribute_Values(svg, "<line class=\"ground\"", "y1").size(), 2u);

    // the first series' points go down the figure as depth grows: y pixels 0 < 5 < 10 m
    const std::string points = Attribute_Values(svg, "<polyline", "points").front();
    std::vector<double> ys;
    for (std::size_t at = points.find(','); at != std::string::npos; at = points.find(',', at + 1)) {
        ys.push_back(std::atof(points.c_str() + at + 1));
    }
    ASSERT_EQ(ys.size(), 3u);
    EXPECT_LT(ys[0], ys[1]);
    EXPECT_LT(ys[1], ys[2]);
    // and the ground line at 2 m lies between the points at 0 and 5 m
    const double ground = std::atof(Attribute_Values(svg, "<line class=\"ground\"", "y1").front().c_str());
    EXPECT_GT(ground, ys[0]);
    EXPECT_LT(ground, ys[1]);
}

TEST(SvgFigure, TickLabelsOfANarrowPanelDoNotOverlap) {
    // Numbers like 123456.789 on a 120-pixel axis: the axis takes fewer ticks until the labels,
    // at most 7 pixels a character, leave room between them.
    Figure f;
    f.panel_width = 120.0;
    Panel p;
    p.x_title = "Moment (in-lb)";
    p.y_title = "EI";
    p.series.push_back({"a", {-3.3, 123456.789}, {0.0, 1.0}, false, {}, true, {}});
    f.panels.push_back(p);
    const std::string svg = Svg_Figure(f);
    const std::vector<std::string> xs = Attribute_Values(svg, "<text class=\"x-tick\"", "x");
    const std::vector<std::string> labels = Texts_Of_Class(svg, "x-tick");
    ASSERT_GE(labels.size(), 2u);
    for (std::size_t i = 1; i < labels.size(); ++i) {
        const double room = std::atof(xs[i].c_str()) - std::atof(xs[i - 1].c_str());
        const double needed = 7.0 * (labels[i].size() + labels[i - 1].size()) / 2.0;
        EXPECT_GT(room, needed) << labels[i - 1] << " and " << labels[i];
    }
}

namespace {

struct TextBox {
    std::string text;
    double x0, y0, x1, y1;
};

// The boxes of the texts of class `cls`, estimated as the writer and the figure checks do: 7/12 of
// the font size per character, rising 0.8 and descending 0.25 of it from the baseline.
std::vector<TextBox> Boxes_Of_Class(const std::string& svg, const std::string& cls, double font) {
    std::vector<TextBox> boxes;
    const std::vector<std::string> xs = Attribute_Values(svg, "<text class=\"" + cls + "\"", "x");
    const std::vector<std::string> ys = Attribute_Values(svg, "<text class=\"" + cls + "\"", "y");
    const std::vector<std::string> texts = Texts_Of_Class(svg, cls);
    for (std::size_t i = 0; i < texts.size() && i < xs.size() && i < ys.size(); ++i) {
        const double x = std::atof(xs[i].c_str()), y = std::atof(ys[i].c_str());
        boxes.push_back({texts[i], x, y - 0.8 * font, x + texts[i].size() * font * 7.0 / 12.0, y + 0.25 * font});
    }
    return boxes;
}

}  // namespace

TEST(SvgFigure, PointLabelsOfCrowdedPointsNeitherOverlapNorLeaveTheFrame) {
    // Eight points closer together than a label is wide, on a line through them: each label takes
    // a free place, or is listed under the figure.
    Figure f;
    f.panel_width = 300.0;
    f.panel_height = 200.0;
    Panel p;
    p.x_title = "Deflection (in)";
    p.y_title = "Shear (kips)";
    Series s;
    s.name = "Free head";
    s.markers = true;
    for (int k = 0; k < 8; ++k) {
        s.x.push_back(1.0 + 0.01 * k);
        s.y.push_back(10.0 + 0.05 * k);
        s.point_labels.push_back("case " + std::to_string(k + 1));
    }
    s.x.push_back(0.0);   // and one at the frame's corner
    s.y.push_back(0.0);
    s.point_labels.push_back("corner");
    p.series.push_back(s);
    f.panels.push_back(p);
    const std::string svg = Svg_Figure(f);
    const std::vector<TextBox> labels = Boxes_Of_Class(svg, "point-label", 11.0);
    const int listed = static_cast<int>(svg.find("Points without room for their label") != std::string::npos);
    ASSERT_GE(labels.size(), 3u);
    for (std::size_t i = 0; i < labels.size(); ++i) {
        for (std::size_t j = i + 1; j < labels.size(); ++j) {
            const bool overlap = labels[i].x0 < labels[j].x1 && labels[j].x0 < labels[i].x1 &&
                                 labels[i].y0 < labels[j].y1 && labels[j].y0 < labels[i].y1;
            EXPECT_FALSE(overlap) << labels[i].text << " and " << labels[j].text;
        }
    }
    // every label is drawn or listed
    if (labels.size() < 9u) {
        EXPECT_EQ(listed, 1);
    }
    const double frame_x0 = std::atof(Attribute_Values(svg, "<rect x=\"", "x")[1].c_str());
    for (const TextBox& b : labels) EXPECT_GE(b.x0, frame_x0) << b.text;
}

TEST(ReadableNumber, WholeDigitsGroupedFractionsToFourDigitsNoTrailingZeros) {
    struct Case { double value; const char* text; };
    const Case cases[] = {
        {250.0, "250"},           {1200.0, "1,200"},      {-1234567.0, "-1,234,567"},
        {0.0123456, "0.01235"},   {50.0, "50"},           {929.7, "929.7"},
        {-0.0, "0"},              {-0.00001, "-1.000e-05"}, {2.5e12, "2.500e+12"},
    };
    for (const Case& c : cases) EXPECT_EQ(Readable_Number(c.value), c.text) << c.value;
}
