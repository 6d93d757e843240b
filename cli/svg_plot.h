// A small SVG chart writer for the command line's figures: panels of line series side by side,
// optionally sharing one vertical axis, with tick values in steps of 1, 2 or 5 times a power of
// ten, a depth axis that grows downward with the ground line marked, axis titles with units and
// one legend entry per series name. Tick labels never overlap: an axis takes fewer ticks until
// its labels fit.
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

struct Series {
    std::string name;                 // the legend text; series of one name share one colour
    std::vector<double> x, y;
    bool markers = false;             // draw points (with their labels) rather than a line
    std::vector<std::string> point_labels;
};

struct Panel {
    std::string title;
    std::string x_title, y_title;     // axis titles with their units
    std::vector<Series> series;
};

struct Figure {
    std::string title;
    std::string subtitle;             // a line under the title (the problem's title), cut to fit
    std::vector<Panel> panels;
    bool depth_axis = false;          // the vertical axis is depth, growing downward, shared by all panels
    std::optional<double> ground;     // depth of the ground line on a depth axis
    double panel_width = 260.0;       // plot area of one panel, in pixels
    double panel_height = 460.0;
};

// The SVG document of a figure.
std::string Svg_Figure(const Figure& f);

// XML text with &, <, > and quotes escaped.
std::string Xml_Escape(const std::string& text);
