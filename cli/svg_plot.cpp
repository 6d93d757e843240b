// The SVG chart writer (see svg_plot.h). Sizes are in pixels of a 96-dpi screen; text widths are
// estimated from the character count, which is what keeps labels apart without a font engine.
#include "svg_plot.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <map>
#include <string>

namespace {

constexpr double k_Font = 12.0;            // tick labels, axis titles and legend
constexpr double k_Small_Font = 11.0;      // point labels, soil column, notes
constexpr double k_Label_Gap = 10.0;       // least free space between two tick labels
constexpr double k_Title_Font = 16.0;
constexpr double k_Panel_Title_Font = 13.0;
constexpr double k_Panel_Gap = 28.0;       // between panels that share the vertical axis
constexpr double k_Line_Step = 18.0;       // from one line of text to the next
constexpr int k_Most_Ticks = 8;

const char* const k_Colours[] = {"#1f77b4", "#d62728", "#2ca02c", "#ff7f0e", "#9467bd",
                                 "#8c564b", "#e377c2", "#17becf", "#7f7f7f", "#bcbd22"};
const char* const k_Dashes[] = {"", "7 4", "2 3"};

std::string Num(double v) {
    char b[32];
    std::snprintf(b, sizeof b, "%.2f", v);
    return b;
}

int Char_Count(const std::string& s) {
    // UTF-8 continuation bytes do not start a character
    int n = 0;
    for (unsigned char c : s) n += (c & 0xC0) != 0x80;
    return n;
}

const char* const k_Superscripts[] = {"\u2070", "\u00B9", "\u00B2", "\u00B3", "\u2074",
                                      "\u2075", "\u2076", "\u2077", "\u2078", "\u2079"};

std::string Power_Of_Ten(int p) {
    std::string s = "\u00D710";
    if (p < 0) s += "\u207B";
    const std::string digits = std::to_string(p < 0 ? -p : p);
    for (char d : digits) s += k_Superscripts[d - '0'];
    return s;
}

// An axis title with the factor its labels leave out: "Moment (kN-m)" becomes
// "Moment (×10³ kN-m)".
std::string Scaled_Title(const std::string& title, int scale) {
    if (scale == 0) return title;
    const std::size_t open = title.rfind('(');
    if (open == std::string::npos) return title + " (" + Power_Of_Ten(scale) + ")";
    return title.substr(0, open + 1) + Power_Of_Ten(scale) + " " + title.substr(open + 1);
}

struct Range {
    double lo = 0.0, hi = 0.0;
    bool empty = true;
    void add(double v) {
        if (!std::isfinite(v)) return;
        lo = empty ? v : std::min(lo, v);
        hi = empty ? v : std::max(hi, v);
        empty = false;
    }
};

// The ticks of an axis of `length` pixels whose labels must fit beside each other (horizontal
// axis) or above each other (vertical axis).
Ticks Fitting_Ticks(const Range& r, double length, bool horizontal) {
    for (int most = k_Most_Ticks; most > 2; --most) {
        const Ticks t = Nice_Ticks(r.lo, r.hi, most);
        const int scale = Tick_Scale(t);
        double widest = 0.0;
        for (int i = 0; i < t.count; ++i) widest = std::max(widest, Text_Width(Tick_Label(t.value(i), t.step, scale), k_Font));
        const double room = length / (t.count - 1);
        if (room >= (horizontal ? widest : k_Font) + k_Label_Gap) return t;
    }
    return Nice_Ticks(r.lo, r.hi, 2);
}

double Widest_Label(const Ticks& t) {
    const int scale = Tick_Scale(t);
    double widest = 0.0;
    for (int i = 0; i < t.count; ++i) widest = std::max(widest, Text_Width(Tick_Label(t.value(i), t.step, scale), k_Font));
    return widest;
}

// The lines of `text` broken at blanks so that each fits `width` pixels at `font` (a word longer
// than the width stands on a line of its own).
std::vector<std::string> Wrapped(const std::string& text, double width, double font) {
    std::vector<std::string> lines;
    std::string line;
    std::size_t at = 0;
    while (at < text.size()) {
        std::size_t end = text.find(' ', at);
        if (end == std::string::npos) end = text.size();
        const std::string word = text.substr(at, end - at);
        at = end + 1;
        if (word.empty()) continue;
        const std::string longer = line.empty() ? word : line + " " + word;
        if (!line.empty() && Text_Width(longer, font) > width) {
            lines.push_back(line);
            line = word;
        } else {
            line = longer;
        }
    }
    if (!line.empty()) lines.push_back(line);
    return lines;
}

// A text's box on the figure.
struct Box {
    double x0, y0, x1, y1;
    bool overlaps(const Box& b) const { return x0 < b.x1 && b.x0 < x1 && y0 < b.y1 && b.y0 < y1; }
};

// The box of a horizontal text with its baseline at y: glyphs rise 0.8 and descend 0.25 of the size.
Box Text_Box(double x, double y, const std::string& text, double font, const char* anchor) {
    const double w = Text_Width(text, font);
    const double x0 = anchor[0] == 'm' ? x - w / 2 : anchor[0] == 'e' ? x - w : x;
    return {x0, y - 0.8 * font, x0 + w, y + 0.25 * font};
}

// Whether the segment from (ax, ay) to (bx, by) passes through the box.
bool Segment_Crosses(double ax, double ay, double bx, double by, const Box& b) {
    // clip the segment to the box's slab in x, then test its y extent there
    double t0 = 0.0, t1 = 1.0;
    const double dx = bx - ax, dy = by - ay;
    auto clip = [&](double p, double q) {
        if (p == 0.0) return q >= 0.0;
        const double r = q / p;
        if (p < 0.0) {
            if (r > t1) return false;
            t0 = std::max(t0, r);
        } else {
            if (r < t0) return false;
            t1 = std::min(t1, r);
        }
        return true;
    };
    return clip(-dx, ax - b.x0) && clip(dx, b.x1 - ax) && clip(-dy, ay - b.y0) && clip(dy, b.y1 - ay) && t0 <= t1;
}

// What the figure has drawn so far that a label must keep clear of: the boxes of texts and
// markers, and the segments of the curves.
struct Obstacles {
    std::vector<Box> boxes;
    std::vector<std::array<double, 4>> segments;
    bool free(const Box& b, bool mind_segments) const {
        for (const Box& o : boxes) {
            if (o.overlaps(b)) return false;
        }
        if (!mind_segments) return true;
        for (const auto& s : segments) {
            if (Segment_Crosses(s[0], s[1], s[2], s[3], b)) return false;
        }
        return true;
    }
};

std::string Text_Element(double x, double y, const std::string& text, double font, const char* anchor,
                          const std::string& cls, const std::string& extra = std::string()) {
    std::string e = "<text";
    if (!cls.empty()) e += " class=\"" + cls + "\"";
    e += " x=\"" + Num(x) + "\" y=\"" + Num(y) + "\"";
    if (anchor[0] != 's') e += std::string(" text-anchor=\"") + anchor + "\"";
    if (font != k_Font) e += " font-size=\"" + Num(font) + "\"";
    e += extra + ">" + Xml_Escape(text) + "</text>\n";
    return e;
}

struct PanelAxes {
    Ticks x, y;
};

// The ranges of a panel's data (series, marks and reference lines) on each axis.
void Data_Ranges(const Panel& p, Range& rx, Range& ry) {
    if (p.x_from_zero) rx.add(0.0);
    if (p.y_from_zero) ry.add(0.0);
    for (const Series& s : p.series) {
        for (double v : s.x) rx.add(v);
        for (double v : s.y) ry.add(v);
    }
    for (const Mark& m : p.marks) {
        rx.add(m.x);
        ry.add(m.y);
    }
    for (const RefLine& l : p.lines) (l.vertical ? rx : ry).add(l.value);
    if (p.x_range) {
        rx = Range();
        rx.add(p.x_range->lo);
        rx.add(p.x_range->hi);
    }
    if (p.y_range) {
        ry = Range();
        ry.add(p.y_range->lo);
        ry.add(p.y_range->hi);
    }
}

// One legend entry: a line (with its dash), a point, or a hollow ring of a marked maximum.
struct LegendEntry {
    std::string text;
    std::string colour;
    std::string dash;
    enum Kind { Line, Point, Ring } kind = Line;
};

std::vector<LegendEntry> Legend_Entries(const Figure& f, std::map<std::string, int>& colour_of) {
    std::vector<LegendEntry> entries;
    for (const Panel& p : f.panels) {
        for (const Series& s : p.series) {
            if (colour_of.count(s.name) != 0) continue;
            const int n = static_cast<int>(colour_of.size());
            colour_of[s.name] = n;
            LegendEntry e;
            e.text = s.legend.empty() ? s.name : s.legend;
            e.colour = Series_Colour(n);
            e.dash = s.markers ? "" : k_Dashes[(n / 10) % 3];
            e.kind = s.markers && !s.line ? LegendEntry::Point : LegendEntry::Line;
            entries.push_back(e);
        }
    }
    std::vector<std::string> seen;
    for (const Panel& p : f.panels) {
        for (const RefLine& l : p.lines) {
            if (l.legend.empty() || std::find(seen.begin(), seen.end(), l.legend) != seen.end()) continue;
            seen.push_back(l.legend);
            entries.push_back({l.legend, l.colour, l.dash, LegendEntry::Line});
        }
    }
    bool marks = false;
    for (const Panel& p : f.panels) marks = marks || !p.marks.empty();
    if (marks && !f.mark_legend.empty()) entries.push_back({f.mark_legend, "#333333", "", LegendEntry::Ring});
    return entries;
}

// A soil column label: the text, the depth pixel it names, and where it is written.
struct ColumnLabel {
    std::string text;
    std::string colour;
    double want = 0.0, at = 0.0;
};

// Spreads labels of one line each over [lo, hi] pixels: each as near its wanted place as the
// ones before it allow, then pushed back up from the bottom where they ran past it.
void Spread_Labels(std::vector<ColumnLabel>& labels, double lo, double hi, double step) {
    std::sort(labels.begin(), labels.end(), [](const ColumnLabel& a, const ColumnLabel& b) { return a.want < b.want; });
    double next = lo;
    for (ColumnLabel& l : labels) {
        l.at = std::max(l.want, next);
        next = l.at + step;
    }
    double last = hi;
    for (auto it = labels.rbegin(); it != labels.rend(); ++it) {
        it->at = std::min(it->at, last);
        last = it->at - step;
    }
}

}  // namespace

Ticks Nice_Ticks(double lo, double hi, int max_count) {
    if (!std::isfinite(lo) || !std::isfinite(hi)) lo = hi = 0.0;
    if (lo > hi) std::swap(lo, hi);
    max_count = std::max(max_count, 2);
    if (hi - lo <= 1e-12 * std::max(std::fabs(lo), std::fabs(hi))) {
        const double pad = lo == 0.0 ? 1.0 : 0.1 * std::fabs(lo);
        lo -= pad;
        hi += pad;
    }
    const double rough = (hi - lo) / (max_count - 1);
    double step = std::pow(10.0, std::floor(std::log10(rough)));
    for (;;) {
        for (double m : {1.0, 2.0, 5.0}) {
            const double s = m * step;
            // a small allowance keeps values that sit on a tick from adding one more
            const double first = std::floor(lo / s + 1e-9) * s;
            const double last = std::ceil(hi / s - 1e-9) * s;
            const int count = static_cast<int>(std::lround((last - first) / s)) + 1;
            if (count <= max_count) return Ticks{first, s, std::max(count, 2)};
        }
        step *= 10.0;
    }
}

int Tick_Scale(const Ticks& t) {
    const double biggest = std::max(std::fabs(t.first), std::fabs(t.last()));
    if (biggest == 0.0 || !std::isfinite(biggest)) return 0;
    if (biggest >= 1e4 || biggest < 1e-2) return static_cast<int>(std::floor(std::log10(biggest) + 1e-9));
    return 0;
}

std::string Tick_Label(double v, double step, int scale) {
    const double unit = std::pow(10.0, scale);
    const double value = v / unit;
    const double s = step / unit;
    const int decimals = std::max(0, static_cast<int>(-std::floor(std::log10(s) + 1e-9)));
    char b[48];
    std::snprintf(b, sizeof b, "%.*f", decimals, value);
    std::string text = b;
    if (text.find_first_not_of("-0.") == std::string::npos && text[0] == '-') text.erase(0, 1);
    return text;
}

std::string Readable_Number(double v) {
    if (!std::isfinite(v)) return "n/a";
    const double a = std::fabs(v);
    char b[64];
    if (a >= 1e9 || (a > 0.0 && a < 1e-3)) {
        std::snprintf(b, sizeof b, "%.3e", v);
        return b;
    }
    // four significant digits, at least none after the point
    const int decimals = a == 0.0 ? 0 : std::max(0, 3 - static_cast<int>(std::floor(std::log10(a))));
    std::snprintf(b, sizeof b, "%.*f", decimals, a);
    std::string digits = b;
    const std::size_t point = digits.find('.');
    std::string whole = digits.substr(0, point);
    const std::string fraction = point == std::string::npos ? "" : digits.substr(point);
    for (int at = static_cast<int>(whole.size()) - 3; at > 0; at -= 3) whole.insert(static_cast<std::size_t>(at), ",");
    // trailing zeros of the fraction say nothing: "50.00" reads "50"
    std::string trimmed = fraction;
    while (!trimmed.empty() && trimmed.back() == '0') trimmed.pop_back();
    if (trimmed == ".") trimmed.clear();
    const std::string text = whole + trimmed;
    const bool zero = text.find_first_not_of("0.,") == std::string::npos;
    return (v < 0.0 && !zero ? "-" : "") + text;
}

std::string Xml_Escape(const std::string& text) {
    std::string out;
    for (char c : text) {
        switch (c) {
            case '&': out += "&amp;"; break;
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            case '"': out += "&quot;"; break;
            default: out += c;
        }
    }
    return out;
}

double Text_Width(const std::string& text, double font_size) { return Char_Count(text) * font_size * 7.0 / 12.0; }

const char* Series_Colour(int n) { return k_Colours[((n % 10) + 10) % 10]; }

std::string Svg_Figure(const Figure& f) {
    const double w = f.panel_width;
    const double h = f.panel_height;
    const std::size_t n_panels = f.panels.size();
    const int columns = f.depth_axis || f.columns <= 0 ? static_cast<int>(std::max<std::size_t>(n_panels, 1))
                                                       : f.columns;

    std::map<std::string, int> colour_of;
    const std::vector<LegendEntry> legend = Legend_Entries(f, colour_of);

    // axes: a shared depth axis for all panels, else each panel its own
    std::vector<PanelAxes> axes(n_panels);
    Range depth;
    depth.add(0.0);
    if (f.ground) depth.add(*f.ground);
    for (std::size_t i = 0; i < n_panels; ++i) {
        Range rx, ry;
        Data_Ranges(f.panels[i], rx, ry);
        axes[i].x = Fitting_Ticks(rx, w, true);
        if (f.depth_axis) {
            depth.add(ry.lo);
            depth.add(ry.hi);
        } else {
            axes[i].y = Fitting_Ticks(ry, h, false);
        }
    }
    if (f.depth_axis) {
        // depth starts at the pile head (or the ground above it), never above zero
        const Ticks shared = Fitting_Ticks(depth, h, false);
        for (PanelAxes& a : axes) a.y = shared;
    }

    // the soil column left of the first panel on a depth axis: its labels decide its width
    std::vector<ColumnLabel> column_labels;
    for (const Band& b : f.bands) {
        if (!b.label.empty()) column_labels.push_back({b.label, "#333333", 0.0, 0.0});
    }
    if (f.depth_axis && f.ground) column_labels.push_back({"Ground surface", "#8b5a2b", 0.0, 0.0});
    const bool soil_column = f.depth_axis && !f.bands.empty();
    double column_w = 0.0;
    if (soil_column) {
        for (const ColumnLabel& l : column_labels) column_w = std::max(column_w, Text_Width(l.text, k_Small_Font));
        column_w = std::max(column_w + 14.0, Text_Width("Soil layers", k_Panel_Title_Font) + 8.0);
    }

    // horizontal layout of one row: room for the vertical tick labels and title left of a panel
    // that has them; a grid takes the widest of these for every column
    double y_label_room = 0.0;
    for (std::size_t i = 0; i < n_panels; ++i) {
        if (f.depth_axis && i > 0) continue;
        y_label_room = std::max(y_label_room, 34.0 + Widest_Label(axes[i].y) + 8.0);
    }
    std::vector<double> left(n_panels);
    double row_width = 0.0;
    {
        double x = y_label_room + (soil_column ? column_w + 12.0 : 0.0);
        for (std::size_t i = 0; i < n_panels; ++i) {
            const int col = static_cast<int>(i) % columns;
            if (col == 0) {
                x = y_label_room + (soil_column ? column_w + 12.0 : 0.0);
            } else {
                double gap = f.depth_axis ? k_Panel_Gap : y_label_room;
                // the last horizontal tick label of the panel before and the first of this one
                // are centred on the panels' edges: keep them apart
                const Ticks& a = axes[i - 1].x;
                const Ticks& b = axes[i].x;
                const double halves = Text_Width(Tick_Label(a.last(), a.step, Tick_Scale(a)), k_Font) / 2 +
                                      Text_Width(Tick_Label(b.first, b.step, Tick_Scale(b)), k_Font) / 2;
                gap = std::max(gap, halves + k_Label_Gap + (f.depth_axis ? 0.0 : 8.0));
                x += gap;
            }
            left[i] = x;
            x += w;
            row_width = std::max(row_width, x);
        }
    }
    double width = std::max(row_width + 24.0, Text_Width(f.title, k_Title_Font) * 1.1 + 40.0);
    for (const LegendEntry& e : legend) width = std::max(width, 20.0 + 30.0 + Text_Width(e.text, k_Font) + 28.0);

    // panel titles wrap to the panel's width; each row of the grid is as tall as its titles need
    std::vector<std::vector<std::string>> panel_title_lines(n_panels);
    std::size_t most_title_lines = 0;
    for (std::size_t i = 0; i < n_panels; ++i) {
        const double room = w + (f.depth_axis ? k_Panel_Gap : 20.0);
        std::vector<std::string> lines = Wrapped(f.panels[i].title, room, k_Panel_Title_Font);
        for (const std::string& l : Wrapped(f.panels[i].subtitle, room, k_Small_Font)) lines.push_back("\x01" + l);
        most_title_lines = std::max(most_title_lines, lines.size());
        panel_title_lines[i] = lines;
    }
    const std::vector<std::string> subtitle = Wrapped(f.subtitle, width - 40.0, k_Font);
    const double header = 30.0 + subtitle.size() * k_Line_Step;
    const double title_block = most_title_lines * 16.0 + 10.0;
    const double row_height = title_block + h + 52.0;
    const int rows = static_cast<int>((n_panels + columns - 1) / columns);
    auto panel_top = [&](std::size_t i) { return header + (i / columns) * row_height + title_block; };

    // legend rows under the panels, then the notes
    const double legend_top = header + rows * row_height + 14.0;
    std::vector<std::pair<double, double>> legend_at;
    const double legend_left = 20.0;
    double lx = legend_left, ly = legend_top;
    for (const LegendEntry& e : legend) {
        const double entry = 30.0 + Text_Width(e.text, k_Font) + 18.0;
        if (lx + entry > width - 10.0 && lx > legend_left) {
            lx = legend_left;
            ly += 20.0;
        }
        legend_at.push_back({lx, ly});
        lx += entry;
    }
    double notes_top = legend.empty() ? legend_top : ly + 22.0;

    Obstacles placed;
    std::string body;
    std::vector<std::string> dropped_labels;

    for (std::size_t i = 0; i < n_panels; ++i) {
        const Panel& p = f.panels[i];
        const Ticks& tx = axes[i].x;
        const Ticks& ty = axes[i].y;
        const double x0 = left[i];
        const double top = panel_top(i);
        const bool y_labelled = !f.depth_axis || i == 0;
        // the depth axis's labels stand left of the soil column
        const double column_shift = f.depth_axis && soil_column ? column_w + 12.0 : 0.0;
        auto px = [&](double v) { return x0 + (v - tx.first) / (tx.last() - tx.first) * w; };
        // depth grows downward; any other vertical quantity grows upward
        auto py = [&](double v) {
            const double frac = (v - ty.first) / (ty.last() - ty.first);
            return f.depth_axis ? top + frac * h : top + h - frac * h;
        };
        const int sx = Tick_Scale(tx);
        const int sy = Tick_Scale(ty);

        body += "<g class=\"panel\" id=\"panel-" + std::to_string(i + 1) + "\">\n";
        double ty_title = top - 10.0 - (panel_title_lines[i].size() - 1) * 16.0;
        for (const std::string& line : panel_title_lines[i]) {
            const bool second = !line.empty() && line[0] == '\x01';
            const std::string text = second ? line.substr(1) : line;
            body += second ? Text_Element(x0 + w / 2, ty_title, text, k_Small_Font, "middle", "panel-subtitle",
                                          " fill=\"#444444\"")
                           : Text_Element(x0 + w / 2, ty_title, text, k_Panel_Title_Font, "middle", "panel-title",
                                          " font-weight=\"bold\"");
            ty_title += 16.0;
        }
        // soil layers shaded behind the grid
        if (f.depth_axis) {
            for (const Band& b : f.bands) {
                const double y0 = std::max(py(b.top), top), y1 = std::min(py(b.bottom), top + h);
                if (y1 <= y0) continue;
                body += "<rect class=\"layer\" x=\"" + Num(x0) + "\" y=\"" + Num(y0) + "\" width=\"" + Num(w) +
                        "\" height=\"" + Num(y1 - y0) + "\" fill=\"" + b.fill + "\" fill-opacity=\"0.55\"/>\n";
                // layers of one soil family share a shade: a thin line marks each boundary
                if (y0 > top + 0.5) {
                    body += "<line class=\"layer-boundary\" x1=\"" + Num(x0) + "\" y1=\"" + Num(y0) + "\" x2=\"" +
                            Num(x0 + w) + "\" y2=\"" + Num(y0) + "\" stroke=\"#a0a0a0\" stroke-width=\"0.8\"/>\n";
                }
            }
        }
        // grid and ticks
        for (int k = 0; k < tx.count; ++k) {
            const double gx = px(tx.value(k));
            body += "<line x1=\"" + Num(gx) + "\" y1=\"" + Num(top) + "\" x2=\"" + Num(gx) + "\" y2=\"" + Num(top + h) +
                    "\" stroke=\"#dddddd\"/>\n";
            body += Text_Element(gx, top + h + 18, Tick_Label(tx.value(k), tx.step, sx), k_Font, "middle", "x-tick");
        }
        for (int k = 0; k < ty.count; ++k) {
            const double gy = py(ty.value(k));
            body += "<line x1=\"" + Num(x0) + "\" y1=\"" + Num(gy) + "\" x2=\"" + Num(x0 + w) + "\" y2=\"" + Num(gy) +
                    "\" stroke=\"#dddddd\"/>\n";
            if (y_labelled) body += Text_Element(x0 - 6 - column_shift, gy + 4, Tick_Label(ty.value(k), ty.step, sy), k_Font, "end", "y-tick");
        }
        // the zero lines, then the frame
        if (tx.first < 0.0 && tx.last() > 0.0) {
            body += "<line x1=\"" + Num(px(0.0)) + "\" y1=\"" + Num(top) + "\" x2=\"" + Num(px(0.0)) + "\" y2=\"" +
                    Num(top + h) + "\" stroke=\"#8a8a8a\"/>\n";
        }
        if (!f.depth_axis && ty.first < 0.0 && ty.last() > 0.0) {
            body += "<line x1=\"" + Num(x0) + "\" y1=\"" + Num(py(0.0)) + "\" x2=\"" + Num(x0 + w) + "\" y2=\"" +
                    Num(py(0.0)) + "\" stroke=\"#8a8a8a\"/>\n";
        }
        body += "<rect x=\"" + Num(x0) + "\" y=\"" + Num(top) + "\" width=\"" + Num(w) + "\" height=\"" + Num(h) +
                "\" fill=\"none\" stroke=\"#333333\"/>\n";
        if (f.depth_axis && f.ground) {
            const double gy = py(*f.ground);
            body += "<line class=\"ground\" x1=\"" + Num(x0) + "\" y1=\"" + Num(gy) + "\" x2=\"" + Num(x0 + w) +
                    "\" y2=\"" + Num(gy) + "\" stroke=\"#8b5a2b\" stroke-width=\"2\" stroke-dasharray=\"8 4\"/>\n";
        }
        // axis titles
        body += Text_Element(x0 + w / 2, top + h + 36, Scaled_Title(p.x_title, sx), k_Font, "middle", "x-title");
        if (y_labelled) {
            const double tx_pos = x0 - Widest_Label(ty) - 18.0 - column_shift;
            const double ty_pos = top + h / 2;
            body += Text_Element(tx_pos, ty_pos, Scaled_Title(p.y_title, sy), k_Font, "middle", "y-title",
                                 " transform=\"rotate(-90 " + Num(tx_pos) + " " + Num(ty_pos) + ")\"");
        }
        // reference lines (capacities), within the panel's frame
        for (const RefLine& l : p.lines) {
            const double along0 = l.from ? *l.from : (l.vertical ? ty.first : tx.first);
            const double along1 = l.to ? *l.to : (l.vertical ? ty.last() : tx.last());
            const double x1 = l.vertical ? px(l.value) : px(along0), x2 = l.vertical ? px(l.value) : px(along1);
            const double y1 = l.vertical ? py(along0) : py(l.value), y2 = l.vertical ? py(along1) : py(l.value);
            body += "<line class=\"" + l.css_class + "\" data-name=\"" + Xml_Escape(l.legend) + "\" x1=\"" + Num(x1) +
                    "\" y1=\"" + Num(y1) + "\" x2=\"" + Num(x2) + "\" y2=\"" + Num(y2) + "\" stroke=\"" + l.colour +
                    "\" stroke-width=\"1.6\"" + (l.dash.empty() ? "" : " stroke-dasharray=\"" + l.dash + "\"") + "/>\n";
        }
        // the series
        std::vector<std::array<double, 2>> labelled_points;
        for (const Series& s : p.series) {
            const int c = colour_of[s.name];
            const std::string colour = Series_Colour(c);
            const std::string dash = s.markers ? "" : k_Dashes[(c / 10) % 3];
            std::string points;
            double last_x = 0.0, last_y = 0.0;
            bool have_last = false;
            for (std::size_t k = 0; k < s.x.size() && k < s.y.size(); ++k) {
                if (!std::isfinite(s.x[k]) || !std::isfinite(s.y[k])) continue;
                const double X = px(s.x[k]), Y = py(s.y[k]);
                points += Num(X) + "," + Num(Y) + " ";
                if (have_last && (s.line || !s.markers)) placed.segments.push_back({last_x, last_y, X, Y});
                last_x = X;
                last_y = Y;
                have_last = true;
            }
            if (!points.empty()) points.pop_back();
            if (s.line || !s.markers) {
                body += "<polyline class=\"series\" data-name=\"" + Xml_Escape(s.name) + "\" points=\"" + points +
                        "\" fill=\"none\" stroke=\"" + colour + "\" stroke-width=\"1.8\"" +
                        (dash.empty() ? std::string() : " stroke-dasharray=\"" + dash + "\"") + "/>\n";
            }
            if (s.markers) {
                body += "<g class=\"" + std::string(s.line ? "points" : "series") + "\" data-name=\"" +
                        Xml_Escape(s.name) + "\" fill=\"" + colour + "\">\n";
                for (std::size_t k = 0; k < s.x.size() && k < s.y.size(); ++k) {
                    if (!std::isfinite(s.x[k]) || !std::isfinite(s.y[k])) continue;
                    const double X = px(s.x[k]), Y = py(s.y[k]);
                    body += "<circle cx=\"" + Num(X) + "\" cy=\"" + Num(Y) + "\" r=\"4\"/>\n";
                    placed.boxes.push_back({X - 4.5, Y - 4.5, X + 4.5, Y + 4.5});
                }
                body += "</g>\n";
            }
        }
        for (const Mark& m : p.marks) {
            const auto it = colour_of.find(m.series);
            const std::string colour = Series_Colour(it == colour_of.end() ? 0 : it->second);
            const double X = px(m.x), Y = py(m.y);
            body += "<circle class=\"maximum\" data-name=\"" + Xml_Escape(m.series) + "\" cx=\"" + Num(X) + "\" cy=\"" +
                    Num(Y) + "\" r=\"5\" fill=\"#ffffff\" stroke=\"" + colour + "\" stroke-width=\"2\"/>\n";
            placed.boxes.push_back({X - 5.5, Y - 5.5, X + 5.5, Y + 5.5});
        }
        // point labels: the first free place around the point inside the frame, clear of texts,
        // points and curves; else one clear of texts and points; else listed under the figure
        const Box frame{x0, top, x0 + w, top + h};
        for (const Series& s : p.series) {
            for (std::size_t k = 0; k < s.point_labels.size() && k < s.x.size() && k < s.y.size(); ++k) {
                if (!std::isfinite(s.x[k]) || !std::isfinite(s.y[k]) || s.point_labels[k].empty()) continue;
                const std::string& text = s.point_labels[k];
                const double X = px(s.x[k]), Y = py(s.y[k]);
                const double tw = Text_Width(text, k_Small_Font);
                const double offsets[][2] = {{7, -6}, {7, 14}, {-7 - tw, -6}, {-7 - tw, 14}, {-tw / 2, -9},
                                             {-tw / 2, 19}, {12, 4}, {-12 - tw, 4}};
                std::optional<Box> chosen;
                for (int pass = 0; pass < 2 && !chosen; ++pass) {
                    for (const auto& o : offsets) {
                        const Box b = Text_Box(X + o[0], Y + o[1], text, k_Small_Font, "start");
                        const bool inside = b.x0 >= frame.x0 + 1 && b.x1 <= frame.x1 - 1 && b.y0 >= frame.y0 + 1 &&
                                            b.y1 <= frame.y1 - 1;
                        if (inside && placed.free(b, pass == 0)) {
                            chosen = b;
                            break;
                        }
                    }
                }
                if (!chosen) {
                    dropped_labels.push_back(s.name + ": " + text);
                    continue;
                }
                placed.boxes.push_back(*chosen);
                body += Text_Element(chosen->x0, chosen->y0 + 0.8 * k_Small_Font, text, k_Small_Font, "start",
                                     "point-label", " fill=\"#222222\"");
            }
        }
        body += "</g>\n";
    }

    // the soil column: each layer's band with its name, the ground line, on the depth axis
    if (soil_column && n_panels > 0) {
        const Ticks& ty = axes[0].y;
        const double top = panel_top(0);
        const double cx0 = left[0] - column_w - 12.0;
        auto py = [&](double v) { return top + (v - ty.first) / (ty.last() - ty.first) * h; };
        body += "<g class=\"soil-column\">\n";
        body += Text_Element(cx0 + column_w / 2, top - 10.0, "Soil layers", k_Panel_Title_Font, "middle", "panel-title",
                             " font-weight=\"bold\"");
        std::size_t next_label = 0;
        for (const Band& b : f.bands) {
            const double y0 = std::max(py(b.top), top), y1 = std::min(py(b.bottom), top + h);
            if (y1 > y0) {
                body += "<rect class=\"layer\" x=\"" + Num(cx0) + "\" y=\"" + Num(y0) + "\" width=\"" + Num(column_w) +
                        "\" height=\"" + Num(y1 - y0) + "\" fill=\"" + b.fill + "\" stroke=\"#999999\"/>\n";
            }
            if (!b.label.empty() && next_label < column_labels.size()) {
                // the name sits in the middle of the band's visible part
                column_labels[next_label++].want = (std::max(y0, top) + std::min(std::max(y1, y0), top + h)) / 2 + 4;
            }
        }
        body += "<rect x=\"" + Num(cx0) + "\" y=\"" + Num(top) + "\" width=\"" + Num(column_w) + "\" height=\"" +
                Num(h) + "\" fill=\"none\" stroke=\"#333333\"/>\n";
        if (f.ground) {
            const double gy = py(*f.ground);
            body += "<line class=\"ground\" x1=\"" + Num(cx0) + "\" y1=\"" + Num(gy) + "\" x2=\"" + Num(cx0 + column_w) +
                    "\" y2=\"" + Num(gy) + "\" stroke=\"#8b5a2b\" stroke-width=\"2\" stroke-dasharray=\"8 4\"/>\n";
            // above the line, or below it where the line runs along the top of the frame
            column_labels.back().want = gy - top < 16.0 ? gy + 13.0 : gy - 4.0;
        }
        Spread_Labels(column_labels, top + 12.0, top + h - 4.0, 14.0);
        for (const ColumnLabel& l : column_labels) {
            body += Text_Element(cx0 + 6, l.at, l.text, k_Small_Font, "start", "layer-label",
                                 " fill=\"" + l.colour + "\"");
            if (std::fabs(l.at - l.want) > 6.0) {
                // moved off its band: a short leader from the name's start to the band
                body += "<line x1=\"" + Num(cx0 + 3) + "\" y1=\"" + Num(l.at - 4) + "\" x2=\"" + Num(cx0 + 3) +
                        "\" y2=\"" + Num(l.want - 4) + "\" stroke=\"" + l.colour + "\"/>\n";
            }
        }
        body += "</g>\n";
    }

    // a note said for each of several series is said once
    std::vector<std::string> notes;
    for (const std::string& n : f.notes) {
        if (std::find(notes.begin(), notes.end(), n) == notes.end()) notes.push_back(n);
    }
    if (!dropped_labels.empty()) {
        std::string joined = "Points without room for their label: ";
        for (std::size_t k = 0; k < dropped_labels.size(); ++k) joined += (k ? "; " : "") + dropped_labels[k];
        notes.push_back(joined);
    }
    std::vector<std::string> note_lines;
    for (const std::string& n : notes) {
        for (const std::string& l : Wrapped(n, width - 40.0, k_Small_Font)) note_lines.push_back(l);
    }
    const double height = notes_top + note_lines.size() * 16.0 + 10.0;

    std::string svg;
    svg += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    svg += "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + Num(width) + "\" height=\"" + Num(height) +
           "\" viewBox=\"0 0 " + Num(width) + " " + Num(height) +
           "\" font-family=\"DejaVu Sans, Arial, Helvetica, sans-serif\" font-size=\"" + Num(k_Font) + "\">\n";
    svg += "<title>" + Xml_Escape(f.title) + "</title>\n";
    svg += "<rect x=\"0\" y=\"0\" width=\"" + Num(width) + "\" height=\"" + Num(height) + "\" fill=\"#ffffff\"/>\n";
    svg += Text_Element(width / 2, 24, f.title, k_Title_Font, "middle", "figure-title", " font-weight=\"bold\"");
    for (std::size_t k = 0; k < subtitle.size(); ++k) {
        svg += Text_Element(width / 2, 44 + k * k_Line_Step, subtitle[k], k_Font, "middle", "subtitle", " fill=\"#444444\"");
    }
    svg += body;

    svg += "<g class=\"legend\">\n";
    for (std::size_t n = 0; n < legend.size(); ++n) {
        const LegendEntry& e = legend[n];
        const double ex = legend_at[n].first, ey = legend_at[n].second;
        if (e.kind == LegendEntry::Point) {
            svg += "<circle cx=\"" + Num(ex + 12) + "\" cy=\"" + Num(ey - 4) + "\" r=\"4\" fill=\"" + e.colour + "\"/>\n";
        } else if (e.kind == LegendEntry::Ring) {
            svg += "<circle cx=\"" + Num(ex + 12) + "\" cy=\"" + Num(ey - 4) + "\" r=\"5\" fill=\"#ffffff\" stroke=\"" +
                   e.colour + "\" stroke-width=\"2\"/>\n";
        } else {
            svg += "<line x1=\"" + Num(ex) + "\" y1=\"" + Num(ey - 4) + "\" x2=\"" + Num(ex + 24) + "\" y2=\"" +
                   Num(ey - 4) + "\" stroke=\"" + e.colour + "\" stroke-width=\"2.5\"" +
                   (e.dash.empty() ? std::string() : " stroke-dasharray=\"" + e.dash + "\"") + "/>\n";
        }
        svg += Text_Element(ex + 30, ey, e.text, k_Font, "start", "legend-entry");
    }
    svg += "</g>\n";
    for (std::size_t k = 0; k < note_lines.size(); ++k) {
        svg += Text_Element(20, notes_top + k * 16.0, note_lines[k], k_Small_Font, "start", "note", " fill=\"#333333\"");
    }
    svg += "</svg>\n";
    return svg;
}
