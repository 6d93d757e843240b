// The SVG chart writer (see svg_plot.h). Sizes are in pixels of a 96-dpi screen; text widths are
// estimated from the character count, which is what keeps labels apart without a font engine.
#include "svg_plot.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <string>

namespace {

constexpr double k_Font = 12.0;            // tick labels and legend
constexpr double k_Char_Width = 7.0;       // an upper bound of one character's width at k_Font
constexpr double k_Label_Gap = 10.0;       // least free space between two tick labels
constexpr double k_Top = 82.0;             // figure title, subtitle and panel titles above the plot areas
constexpr double k_Title_Char_Width = 10.5; // an upper bound of one character's width in the bold title
constexpr double k_Panel_Gap = 28.0;       // between panels that share the vertical axis
constexpr int k_Most_Ticks = 8;

const char* const k_Colours[] = {"#1f77b4", "#d62728", "#2ca02c", "#ff7f0e", "#9467bd",
                                 "#8c564b", "#e377c2", "#17becf", "#7f7f7f", "#bcbd22"};
const char* const k_Dashes[] = {"", "7 4", "2 3"};

std::string Num(double v) {
    char b[32];
    std::snprintf(b, sizeof b, "%.2f", v);
    return b;
}

double Text_Width(const std::string& s) {
    // UTF-8 continuation bytes do not start a character
    int n = 0;
    for (unsigned char c : s) n += (c & 0xC0) != 0x80;
    return n * k_Char_Width;
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
    double lo = 0.0, hi = 0.0;   // zero is always inside: every figure's quantities start from it
    void add(double v) {
        if (!std::isfinite(v)) return;
        lo = std::min(lo, v);
        hi = std::max(hi, v);
    }
};

// The ticks of an axis of `length` pixels whose labels must fit beside each other (horizontal
// axis) or above each other (vertical axis).
Ticks Fitting_Ticks(const Range& r, double length, bool horizontal) {
    for (int most = k_Most_Ticks; most > 2; --most) {
        const Ticks t = Nice_Ticks(r.lo, r.hi, most);
        const int scale = Tick_Scale(t);
        double widest = 0.0;
        for (int i = 0; i < t.count; ++i) widest = std::max(widest, Text_Width(Tick_Label(t.value(i), t.step, scale)));
        const double room = length / (t.count - 1);
        if (room >= (horizontal ? widest : k_Font) + k_Label_Gap) return t;
    }
    return Nice_Ticks(r.lo, r.hi, 2);
}

double Widest_Label(const Ticks& t) {
    const int scale = Tick_Scale(t);
    double widest = 0.0;
    for (int i = 0; i < t.count; ++i) widest = std::max(widest, Text_Width(Tick_Label(t.value(i), t.step, scale)));
    return widest;
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

std::string Svg_Figure(const Figure& f) {
    const double w = f.panel_width;
    const double h = f.panel_height;

    // colours by series name, in order of first appearance
    std::map<std::string, int> colour_of;
    std::vector<std::string> names;
    std::vector<bool> name_markers;
    for (const Panel& p : f.panels) {
        for (const Series& s : p.series) {
            if (colour_of.count(s.name) == 0) {
                colour_of[s.name] = static_cast<int>(names.size());
                names.push_back(s.name);
                name_markers.push_back(s.markers);
            }
        }
    }

    // axes: a shared depth axis for all panels, else one vertical axis per panel
    std::vector<Ticks> xt, yt;
    Range depth;
    if (f.ground) depth.add(*f.ground);
    for (const Panel& p : f.panels) {
        Range rx, ry;
        for (const Series& s : p.series) {
            for (double v : s.x) rx.add(v);
            for (double v : s.y) (f.depth_axis ? depth : ry).add(v);
        }
        xt.push_back(Fitting_Ticks(rx, w, true));
        if (!f.depth_axis) yt.push_back(Fitting_Ticks(ry, h, false));
    }
    if (f.depth_axis) {
        // depth starts at the pile head (or the ground above it), never above zero
        const Ticks shared = Fitting_Ticks(depth, h, false);
        yt.assign(f.panels.size(), shared);
    }

    // horizontal layout: room for the vertical tick labels and title left of a panel that has them
    std::vector<double> left(f.panels.size());
    double x = 0.0;
    for (std::size_t i = 0; i < f.panels.size(); ++i) {
        const bool labelled = !f.depth_axis || i == 0;
        double gap = labelled ? 34.0 + Widest_Label(yt[i]) + 8.0 : k_Panel_Gap;
        if (i > 0) {
            // the last horizontal tick label of the panel before and the first of this one are
            // centred on the panels' edges: keep them apart
            const Ticks& a = xt[i - 1];
            const Ticks& b = xt[i];
            const double halves = Text_Width(Tick_Label(a.last(), a.step, Tick_Scale(a))) / 2 +
                                  Text_Width(Tick_Label(b.first, b.step, Tick_Scale(b))) / 2;
            gap = std::max(gap, halves + k_Label_Gap);
        }
        x += gap;
        left[i] = x;
        x += w;
    }
    double width = x + 24.0;

    // legend rows under the panels
    const double legend_top = k_Top + h + 58.0;
    std::vector<std::pair<double, double>> legend_at;
    double lx = left.empty() ? 20.0 : left[0], ly = legend_top;
    for (const std::string& n : names) {
        const double entry = 30.0 + Text_Width(n) + 18.0;
        if (lx + entry > width - 10.0 && lx > (left.empty() ? 20.0 : left[0])) {
            lx = left.empty() ? 20.0 : left[0];
            ly += 20.0;
        }
        legend_at.push_back({lx, ly});
        lx += entry;
    }
    width = std::max(width, Text_Width(f.title) / k_Char_Width * k_Title_Char_Width + 40.0);
    // the subtitle keeps the figure's width: a long one is cut at a character boundary
    std::string subtitle = f.subtitle;
    const std::size_t room = static_cast<std::size_t>((width - 40.0) / k_Char_Width);
    if (Text_Width(subtitle) / k_Char_Width > room && room > 1) {
        std::size_t keep = 0, chars = 0;
        while (keep < subtitle.size() && chars < room - 1) {
            ++keep;
            while (keep < subtitle.size() && (static_cast<unsigned char>(subtitle[keep]) & 0xC0) == 0x80) ++keep;
            ++chars;
        }
        subtitle = subtitle.substr(0, keep) + "\u2026";
    }
    const double height = (names.empty() ? legend_top : ly + 20.0) + 12.0;

    std::string svg;
    svg += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    svg += "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + Num(width) + "\" height=\"" + Num(height) +
           "\" viewBox=\"0 0 " + Num(width) + " " + Num(height) +
           "\" font-family=\"DejaVu Sans, Arial, Helvetica, sans-serif\" font-size=\"" + Num(k_Font) + "\">\n";
    svg += "<title>" + Xml_Escape(f.title) + "</title>\n";
    svg += "<rect x=\"0\" y=\"0\" width=\"" + Num(width) + "\" height=\"" + Num(height) + "\" fill=\"#ffffff\"/>\n";
    svg += "<text x=\"" + Num(width / 2) + "\" y=\"24\" text-anchor=\"middle\" font-size=\"16\" font-weight=\"bold\">" +
           Xml_Escape(f.title) + "</text>\n";
    if (!subtitle.empty()) {
        svg += "<text class=\"subtitle\" x=\"" + Num(width / 2) + "\" y=\"44\" text-anchor=\"middle\" fill=\"#444444\">" +
               Xml_Escape(subtitle) + "</text>\n";
    }

    for (std::size_t i = 0; i < f.panels.size(); ++i) {
        const Panel& p = f.panels[i];
        const Ticks& tx = xt[i];
        const Ticks& ty = yt[i];
        const double x0 = left[i];
        const double top = k_Top;
        auto px = [&](double v) { return x0 + (v - tx.first) / (tx.last() - tx.first) * w; };
        // depth grows downward; any other vertical quantity grows upward
        auto py = [&](double v) {
            const double frac = (v - ty.first) / (ty.last() - ty.first);
            return f.depth_axis ? top + frac * h : top + h - frac * h;
        };
        const int sx = Tick_Scale(tx);
        const int sy = Tick_Scale(ty);

        svg += "<g class=\"panel\" id=\"panel-" + std::to_string(i + 1) + "\">\n";
        svg += "<text class=\"panel-title\" x=\"" + Num(x0 + w / 2) + "\" y=\"" + Num(top - 12) +
               "\" text-anchor=\"middle\" font-size=\"13\" font-weight=\"bold\">" + Xml_Escape(p.title) + "</text>\n";
        // grid and ticks
        for (int k = 0; k < tx.count; ++k) {
            const double gx = px(tx.value(k));
            svg += "<line x1=\"" + Num(gx) + "\" y1=\"" + Num(top) + "\" x2=\"" + Num(gx) + "\" y2=\"" + Num(top + h) +
                   "\" stroke=\"#e3e3e3\"/>\n";
            svg += "<text class=\"x-tick\" x=\"" + Num(gx) + "\" y=\"" + Num(top + h + 16) +
                   "\" text-anchor=\"middle\">" + Tick_Label(tx.value(k), tx.step, sx) + "</text>\n";
        }
        for (int k = 0; k < ty.count; ++k) {
            const double gy = py(ty.value(k));
            svg += "<line x1=\"" + Num(x0) + "\" y1=\"" + Num(gy) + "\" x2=\"" + Num(x0 + w) + "\" y2=\"" + Num(gy) +
                   "\" stroke=\"#e3e3e3\"/>\n";
            if (!f.depth_axis || i == 0) {
                svg += "<text class=\"y-tick\" x=\"" + Num(x0 - 6) + "\" y=\"" + Num(gy + 4) +
                       "\" text-anchor=\"end\">" + Tick_Label(ty.value(k), ty.step, sy) + "</text>\n";
            }
        }
        // the zero lines, then the frame
        if (tx.first < 0.0 && tx.last() > 0.0) {
            svg += "<line x1=\"" + Num(px(0.0)) + "\" y1=\"" + Num(top) + "\" x2=\"" + Num(px(0.0)) + "\" y2=\"" +
                   Num(top + h) + "\" stroke=\"#8a8a8a\"/>\n";
        }
        if (!f.depth_axis && ty.first < 0.0 && ty.last() > 0.0) {
            svg += "<line x1=\"" + Num(x0) + "\" y1=\"" + Num(py(0.0)) + "\" x2=\"" + Num(x0 + w) + "\" y2=\"" +
                   Num(py(0.0)) + "\" stroke=\"#8a8a8a\"/>\n";
        }
        svg += "<rect x=\"" + Num(x0) + "\" y=\"" + Num(top) + "\" width=\"" + Num(w) + "\" height=\"" + Num(h) +
               "\" fill=\"none\" stroke=\"#333333\"/>\n";
        if (f.depth_axis && f.ground) {
            const double gy = py(*f.ground);
            svg += "<line class=\"ground\" x1=\"" + Num(x0) + "\" y1=\"" + Num(gy) + "\" x2=\"" + Num(x0 + w) +
                   "\" y2=\"" + Num(gy) + "\" stroke=\"#8b5a2b\" stroke-width=\"2\" stroke-dasharray=\"8 4\"/>\n";
            if (i == 0) {
                // above the line, or below it where the line runs along the top of the frame
                const double label_y = gy - top < 16.0 ? gy + 14.0 : gy - 4.0;
                svg += "<text class=\"ground-label\" x=\"" + Num(x0 + 4) + "\" y=\"" + Num(label_y) +
                       "\" fill=\"#8b5a2b\" font-size=\"11\">Ground surface</text>\n";
            }
        }
        // axis titles
        svg += "<text class=\"x-title\" x=\"" + Num(x0 + w / 2) + "\" y=\"" + Num(top + h + 36) +
               "\" text-anchor=\"middle\">" + Xml_Escape(Scaled_Title(p.x_title, sx)) + "</text>\n";
        if (!f.depth_axis || i == 0) {
            const double tx_pos = x0 - Widest_Label(ty) - 18.0;
            const double ty_pos = top + h / 2;
            svg += "<text class=\"y-title\" x=\"" + Num(tx_pos) + "\" y=\"" + Num(ty_pos) +
                   "\" text-anchor=\"middle\" transform=\"rotate(-90 " + Num(tx_pos) + " " + Num(ty_pos) + ")\">" +
                   Xml_Escape(Scaled_Title(p.y_title, sy)) + "</text>\n";
        }
        // the series
        for (const Series& s : p.series) {
            const int c = colour_of[s.name];
            const std::string colour = k_Colours[c % 10];
            const std::string dash = k_Dashes[(c / 10) % 3];
            if (s.markers) {
                svg += "<g class=\"series\" data-name=\"" + Xml_Escape(s.name) + "\" fill=\"" + colour + "\">\n";
                for (std::size_t k = 0; k < s.x.size() && k < s.y.size(); ++k) {
                    if (!std::isfinite(s.x[k]) || !std::isfinite(s.y[k])) continue;
                    svg += "<circle cx=\"" + Num(px(s.x[k])) + "\" cy=\"" + Num(py(s.y[k])) + "\" r=\"4\"/>\n";
                    if (k < s.point_labels.size()) {
                        svg += "<text x=\"" + Num(px(s.x[k]) + 7) + "\" y=\"" + Num(py(s.y[k]) - 6) +
                               "\" font-size=\"11\" fill=\"#333333\">" + Xml_Escape(s.point_labels[k]) + "</text>\n";
                    }
                }
                svg += "</g>\n";
            } else {
                std::string points;
                for (std::size_t k = 0; k < s.x.size() && k < s.y.size(); ++k) {
                    if (!std::isfinite(s.x[k]) || !std::isfinite(s.y[k])) continue;
                    points += Num(px(s.x[k])) + "," + Num(py(s.y[k])) + " ";
                }
                if (!points.empty()) points.pop_back();
                svg += "<polyline class=\"series\" data-name=\"" + Xml_Escape(s.name) + "\" points=\"" + points +
                       "\" fill=\"none\" stroke=\"" + colour + "\" stroke-width=\"1.8\"" +
                       (dash[0] ? std::string(" stroke-dasharray=\"") + dash + "\"" : std::string()) + "/>\n";
            }
        }
        svg += "</g>\n";
    }

    // legend
    svg += "<g class=\"legend\">\n";
    for (std::size_t n = 0; n < names.size(); ++n) {
        const double ex = legend_at[n].first, ey = legend_at[n].second;
        const std::string colour = k_Colours[n % 10];
        const std::string dash = k_Dashes[(n / 10) % 3];
        if (name_markers[n]) {
            svg += "<circle cx=\"" + Num(ex + 12) + "\" cy=\"" + Num(ey - 4) + "\" r=\"4\" fill=\"" + colour + "\"/>\n";
        } else {
            svg += "<line x1=\"" + Num(ex) + "\" y1=\"" + Num(ey - 4) + "\" x2=\"" + Num(ex + 24) + "\" y2=\"" +
                   Num(ey - 4) + "\" stroke=\"" + colour + "\" stroke-width=\"2.5\"" +
                   (dash[0] ? std::string(" stroke-dasharray=\"") + dash + "\"" : std::string()) + "/>\n";
        }
        svg += "<text class=\"legend-entry\" x=\"" + Num(ex + 30) + "\" y=\"" + Num(ey) + "\">" + Xml_Escape(names[n]) +
               "</text>\n";
    }
    svg += "</g>\n</svg>\n";
    return svg;
}
