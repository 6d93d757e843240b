// A small SVG chart writer for the command line's figures: panels of line series side by side or
// in a grid of small multiples (each with its own scales, or one common scale), or sharing one
// depth axis that grows downward with the ground line, shaded soil layers and a soil column with
// the layers' names beside it. Tick values come in steps of 1, 2 or 5 times a power of ten; axis
// titles carry their units; reference lines (capacities) and marked points (maxima) have legend
// entries; one legend entry per series name.
//
// No two texts overlap and no text lies on a curve: every text's box is estimated from its
// position, font size, character count and anchor (the same estimate the tests make), tick axes
// take fewer ticks until their labels fit, and point labels take the first free place around
// their point (or are listed under the figure when none is free).
#pragma once

#include <optional>
#include <string>
#include <vector>

// Tick values first, first + step, ..., first + (count - 1) * step covering [lo, hi].
struct Ticks {
    double first = 0.0;
    double step = 1.0;
    int count = 0;
    double value(int i) const { return first + step * i; }
    double last() const { return value(count - 1); }
};

// The ticks covering [lo, hi] with the smallest step of the form 1, 2 or 5 times a power of ten
// that needs at most max_count ticks (at least 2). An empty or single-valued range is widened
// around its value first.
Ticks Nice_Ticks(double lo, double hi, int max_count);

// The power of ten p that an axis with these ticks factors out (labels show value / 10^p), 0 when
// the values read well as they are.
int Tick_Scale(const Ticks& t);

// The label of tick value v on an axis with this step, after dividing by 10^scale: just the
// digits the step needs, and never "-0".
std::string Tick_Label(double v, double step, int scale);

// A number for a legend or a table: whole numbers in full with thousands grouped ("1,234,567"),
// fractions to four significant digits without trailing zeros ("56.7", "0.01235"), very large or
// small magnitudes in exponent form, never "-0".
std::string Readable_Number(double v);

std::string Xml_Escape(const std::string& text);

// The estimated width in pixels of a text at a font size: an upper bound of the width of DejaVu
// Sans and Arial glyphs, 7/12 of the font size per character.
double Text_Width(const std::string& text, double font_size);

struct Series {
    std::string name;                 // the key of its colour and legend entry; data-name in the SVG
    std::vector<double> x, y;
    bool markers = false;             // draw points (with their labels)
    std::vector<std::string> point_labels;
    bool line = true;                 // draw the line through the points (always for a series without markers)
    std::string legend;               // the legend text; empty: the name
};

// A straight line at x = value (vertical) or y = value across the panel, or only from `from` to
// `to` along the other axis; its legend text names it (lines of one legend share an entry).
struct RefLine {
    bool vertical = true;
    double value = 0.0;
    std::optional<double> from, to;
    std::string legend;
    std::string css_class = "reference";   // "capacity" for moment capacities
    std::string colour = "#000000";
    std::string dash = "6 3";
};

// A marked point (a maximum) in the colour of the series named `series`.
struct Mark {
    std::string series;
    double x = 0.0, y = 0.0;
};

// A band of the vertical axis (a soil layer on a depth axis), shaded behind the series.
struct Band {
    double top = 0.0, bottom = 0.0;
    std::string fill;
    std::string label;                // written in the soil column
};

struct AxisRange {
    double lo = 0.0, hi = 0.0;
};

struct Panel {
    std::string title;
    std::string subtitle;             // a second title line (soil and layer of a p-y curve)
    std::string x_title, y_title;     // axis titles with their units
    std::vector<Series> series;
    std::vector<RefLine> lines;
    std::vector<Mark> marks;
    std::optional<AxisRange> x_range, y_range;   // fixed ranges in place of the data's
    bool x_from_zero = true;          // the horizontal axis includes zero
    bool y_from_zero = true;
};

struct Figure {
    std::string title;
    std::string subtitle;             // a line under the title (the problem's title), wrapped to fit
    std::vector<Panel> panels;
    int columns = 0;                  // panels per row of a grid; 0: all in one row
    bool depth_axis = false;          // the vertical axis is depth, growing downward, shared by all panels
    std::optional<double> ground;     // depth of the ground line on a depth axis
    std::vector<Band> bands;          // soil layers on a depth axis: shaded, and named in a soil column
    std::string mark_legend;          // the legend text of the marked points
    std::vector<std::string> notes;   // lines under the legend
    double panel_width = 260.0;       // plot area of one panel, in pixels
    double panel_height = 460.0;
};

// The SVG document of a figure.
std::string Svg_Figure(const Figure& f);

// The SVG colour of the n-th series name of a figure (0-based), the palette of every figure and of
// the Python package's plots.
const char* Series_Colour(int n);
