// Choosing and filling the figures of a run (see results_plots.h). Values are converted to the
// report's units through display_units, and every axis title names its unit.
#include "results_plots.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <string>

#include "display_units.h"
#include "svg_plot.h"

namespace {

// The moment-curvature curve of an elastic section runs to whatever its table holds, far beyond
// any pile; it is drawn up to this multiple of the largest moment the run reached in the section.
constexpr double k_Elastic_Moment_Reach = 2.0;
// Without a moment reached (a bending-stiffness-only run), the curvature at which the extreme
// fibre of the section's diameter is strained 0.5 percent, beyond the working range of any pile.
constexpr double k_Elastic_Fibre_Strain = 0.005;

// The warning the engine gives when the pile-head stiffness series was computed under soil movement.
constexpr int k_Stiffness_Soil_Movement_Warning = 412;

const char* const k_Capacity_Dashes[] = {"6 3", "2 2", "10 3 2 3"};

// The first title line names the problem; the others describe it in the HTML report.
std::string Problem_Title(const RunResults& r) {
    for (const std::string& line : r.title) {
        if (!line.empty()) return line;
    }
    return std::string();
}

std::string Case_Key(const LoadCaseResult& c) {
    return (c.lrfd ? "Combination " : "Load case ") + std::to_string(c.number);
}

// A value with its display unit: "250 kN".
std::string Value(const RunResults& r, Quantity q, double engine_value) {
    const DisplayUnit u = Display_Unit(r, q);
    return Readable_Number(engine_value * u.factor) + (u.label.empty() ? "" : " " + u.label);
}

// The soil layer holding a depth (engine units), or null.
const SoilLayer* Layer_At(const RunResults& r, double depth) {
    for (const SoilLayer& l : r.layers) {
        if (depth >= l.top - 1e-9 && depth <= l.bottom + 1e-9) return &l;
    }
    return nullptr;
}

// The shading of a soil layer by its family: clays, sands, rocks, silts and residual soils, the
// elastic subgrade and user curves.
std::string Soil_Fill(int soil_type) {
    switch (soil_type) {
        case 1: case 2: case 3: case 4: case 15: return "#e8d9c3";   // clays
        case 5: case 6: case 7: return "#f5ebb8";                    // sands
        case 8: case 9: case 16: return "#d9d9d9";                   // rocks
        case 10: case 11: case 12: return "#e2d8ea";                 // silts and residual soils
        case 13: return "#d3e6ef";                                   // elastic subgrade
        default: return "#e1ecd3";                                   // user curves, others
    }
}

std::vector<Band> Soil_Bands(const RunResults& r) {
    std::vector<Band> bands;
    for (const SoilLayer& l : r.layers) {
        Band b;
        b.top = Shown(r, Quantity::Depth, l.top);
        b.bottom = Shown(r, Quantity::Depth, l.bottom);
        b.fill = Soil_Fill(l.soil_type);
        b.label = std::to_string(l.layer) + " " + l.soil;
        bands.push_back(b);
    }
    return bands;
}

std::vector<double> Scaled(const std::vector<double>& v, double factor) {
    std::vector<double> out(v.size());
    for (std::size_t i = 0; i < v.size(); ++i) out[i] = v[i] * factor;
    return out;
}

// The moment-curvature table of a section whose axial thrust is nearest the given one.
const MomentCurvatureTable* Nearest_Table(const RunResults& r, int section, double thrust) {
    const MomentCurvatureTable* best = nullptr;
    for (const MomentCurvatureTable& t : r.moment_curvature) {
        if (t.section != section || t.moment.empty()) continue;
        if (best == nullptr || std::fabs(t.axial_thrust - thrust) < std::fabs(best->axial_thrust - thrust)) best = &t;
    }
    return best;
}

// The largest moment magnitude a case with results reached between two depths (engine units).
double Largest_Moment(const RunResults& r, double top, double bottom) {
    double most = 0.0;
    for (const LoadCaseResult& c : r.cases) {
        for (std::size_t k = 0; k < c.nodes.depth.size() && k < c.nodes.moment.size(); ++k) {
            if (c.nodes.depth[k] < top - 1e-9 || c.nodes.depth[k] > bottom + 1e-9) continue;
            if (std::isfinite(c.nodes.moment[k])) most = std::max(most, std::fabs(c.nodes.moment[k]));
        }
    }
    return most;
}

// The ± nominal moment capacity lines of every section over its depths; none for a section
// without a capacity (elastic). Of the section's tables whose thrusts the cases with results take
// (the table whose thrust is nearest the case's), the smallest capacity is drawn: one pair of
// lines per section keeps the panel readable, and the smallest is the one a check compares with.
std::vector<RefLine> Capacity_Lines(const RunResults& r) {
    std::vector<RefLine> lines;
    int drawn = 0;
    for (const PileSection& s : r.sections) {
        const MomentCurvatureTable* smallest = nullptr;
        for (const LoadCaseResult& c : r.cases) {
            if (c.nodes.depth.empty()) continue;
            const double thrust = std::isfinite(c.head.axial_thrust) ? c.head.axial_thrust : 0.0;
            const MomentCurvatureTable* t = Nearest_Table(r, s.section, thrust);
            if (t == nullptr || !t->nominal_capacity) continue;
            if (smallest == nullptr || std::fabs(*t->nominal_capacity) < std::fabs(*smallest->nominal_capacity)) smallest = t;
        }
        if (smallest == nullptr) continue;
        const double mn = Shown(r, Quantity::Moment, std::fabs(*smallest->nominal_capacity));
        const bool plastic = smallest->kind == "elastic-plastic";
        const std::string legend = std::string(plastic ? "\u00B1Mp, plastic moment" : "\u00B1Mn, nominal moment capacity") +
                                   " of section " + std::to_string(s.section) + ": " +
                                   Value(r, Quantity::Moment, std::fabs(*smallest->nominal_capacity)) + " (at P = " +
                                   Value(r, Quantity::AxialThrust, smallest->axial_thrust) + ")";
        for (double sign : {1.0, -1.0}) {
            RefLine l;
            l.vertical = true;
            l.value = sign * mn;
            l.from = Shown(r, Quantity::Depth, s.top);
            l.to = Shown(r, Quantity::Depth, s.bottom);
            l.legend = legend;
            l.css_class = "capacity";
            l.colour = "#333333";
            l.dash = k_Capacity_Dashes[drawn % 3];
            lines.push_back(l);
        }
        ++drawn;
    }
    return lines;
}

// Where a case's moment is largest in magnitude: node index, or -1.
int Max_Moment_Node(const LoadCaseResult& c) {
    int best = -1;
    for (std::size_t k = 0; k < c.nodes.moment.size() && k < c.nodes.depth.size(); ++k) {
        if (!std::isfinite(c.nodes.moment[k])) continue;
        if (best < 0 || std::fabs(c.nodes.moment[k]) > std::fabs(c.nodes.moment[static_cast<std::size_t>(best)])) {
            best = static_cast<int>(k);
        }
    }
    return best;
}

Figure Response_Figure(const RunResults& r, const FigureOptions& options) {
    Figure f;
    if (options.for_print) {
        // a portrait page is about 180 mm wide: four panels of 175 pixels and the soil column
        // print at about two thirds of their size, their text still 6 points or more
        f.panel_width = 175.0;
        f.panel_height = 560.0;
    }
    f.title = "Pile response";
    f.subtitle = Problem_Title(r);
    f.depth_axis = true;
    if (r.ground_depth) f.ground = Shown(r, Quantity::Depth, *r.ground_depth);
    f.bands = Soil_Bands(r);
    f.mark_legend = "Largest bending moment of each case";
    struct Column {
        const char* title;
        Quantity quantity;
        const std::vector<double> NodeTable::*values;
    };
    const Column columns[] = {{"Deflection", Quantity::Deflection, &NodeTable::deflection},
                              {"Bending moment", Quantity::Moment, &NodeTable::moment},
                              {"Shear force", Quantity::Shear, &NodeTable::shear},
                              {"Soil reaction", Quantity::SoilReaction, &NodeTable::soil_reaction}};
    const double depth_factor = Display_Unit(r, Quantity::Depth).factor;
    for (const Column& q : columns) {
        Panel p;
        p.title = q.title;
        p.x_title = With_Unit(q.title, r, q.quantity);
        p.y_title = With_Unit("Depth below pile head", r, Quantity::Depth);
        const double factor = Display_Unit(r, q.quantity).factor;
        for (const LoadCaseResult& c : r.cases) {
            if (c.nodes.depth.empty()) continue;
            Series s;
            s.name = Case_Key(c);
            s.legend = Case_Legend(r, c);
            const int k = Max_Moment_Node(c);
            if (k >= 0) {
                s.legend += "; largest moment " + Value(r, Quantity::Moment, c.nodes.moment[static_cast<std::size_t>(k)]) +
                            " at " + Value(r, Quantity::Depth, c.nodes.depth[static_cast<std::size_t>(k)]);
            }
            s.x = Scaled(c.nodes.*(q.values), factor);
            s.y = Scaled(c.nodes.depth, depth_factor);
            p.series.push_back(s);
            if (q.quantity == Quantity::Moment && k >= 0) {
                p.marks.push_back({s.name, s.x[static_cast<std::size_t>(k)], s.y[static_cast<std::size_t>(k)]});
            }
        }
        if (q.quantity == Quantity::Moment) p.lines = Capacity_Lines(r);
        f.panels.push_back(p);
    }
    return f;
}

Figure Py_Figure(const RunResults& r, const FigureOptions& options) {
    Figure f;
    f.title = "p-y curves at the requested depths";
    f.subtitle = Problem_Title(r);
    const std::size_t n = r.py_curves.size();
    f.columns = n <= 2 ? static_cast<int>(n) : 3;
    f.panel_width = 250.0;
    f.panel_height = 190.0;
    const double fy = Display_Unit(r, Quantity::PyDeflection).factor;
    const double fp = Display_Unit(r, Quantity::PyResistance).factor;
    AxisRange common;
    for (const PyCurve& c : r.py_curves) {
        Panel p;
        p.title = "Curve " + std::to_string(c.number) + " at " + Value(r, Quantity::Depth, c.depth);
        const SoilLayer* layer = Layer_At(r, c.depth);
        p.subtitle = (layer != nullptr ? "Layer " + std::to_string(layer->layer) + ", " : std::string()) + c.soil;
        p.x_title = With_Unit("Deflection y", r, Quantity::PyDeflection);
        p.y_title = With_Unit("Soil resistance p", r, Quantity::PyResistance);
        Series s;
        s.name = "p-y curve";
        s.legend = "p-y curve at the panel's depth (each panel on its own scales)";
        if (options.py_common_scale) s.legend = "p-y curve at the panel's depth (all panels on one scale)";
        s.x = Scaled(c.y, fy);
        s.y = Scaled(c.p, fp);
        for (double v : s.x) {
            if (std::isfinite(v)) common.hi = std::max(common.hi, v), common.lo = std::min(common.lo, v);
        }
        p.series.push_back(s);
        f.panels.push_back(p);
    }
    if (options.py_common_scale) {
        AxisRange pr;
        for (const Panel& p : f.panels) {
            for (double v : p.series.front().y) {
                if (std::isfinite(v)) pr.hi = std::max(pr.hi, v), pr.lo = std::min(pr.lo, v);
            }
        }
        for (Panel& p : f.panels) {
            p.x_range = common;
            p.y_range = pr;
        }
    }
    return f;
}

// The moment at which a concrete section cracks, read from its table: the first step where the
// bending stiffness falls by more than 3 percent of its initial value while the moment stays
// within 1 percent of the table's largest, below 60 percent of that largest (the table steps from
// the uncracked to the cracked stiffness at one moment there; yielding near the capacity, where
// the curve also flattens, is not cracking). None where the table shows no such step (steel).
std::optional<double> Cracking_Moment(const MomentCurvatureTable& t) {
    const std::size_t n = std::min(t.bending_stiffness.size(), t.moment.size());
    if (n < 2 || !(t.bending_stiffness.front() > 0.0)) return std::nullopt;
    double largest = 0.0;
    for (std::size_t k = 0; k < n; ++k) largest = std::max(largest, std::fabs(t.moment[k]));
    const double ei0 = t.bending_stiffness.front();
    for (std::size_t k = 1; k < n; ++k) {
        const bool drop = (t.bending_stiffness[k - 1] - t.bending_stiffness[k]) / ei0 > 0.03;
        const bool same_moment = std::fabs(t.moment[k] - t.moment[k - 1]) < 0.01 * largest;
        const bool below = t.moment[k - 1] > 0.0 && t.moment[k - 1] < 0.6 * largest;
        if (drop && same_moment && below) return t.moment[k - 1];
    }
    return std::nullopt;
}

Figure Section_Figure(const RunResults& r, int section) {
    Figure f;
    f.title = "Moment-curvature and bending stiffness, section " + std::to_string(section);
    f.subtitle = Problem_Title(r);
    f.panel_width = 340.0;
    f.panel_height = 300.0;
    const PileSection* where = nullptr;
    for (const PileSection& s : r.sections) {
        if (s.section == section) where = &s;
    }
    Panel mc, ei;
    mc.title = "Moment against curvature";
    mc.x_title = With_Unit("Curvature", r, Quantity::Curvature);
    mc.y_title = With_Unit("Moment", r, Quantity::Moment);
    ei.title = "Bending stiffness against moment";
    ei.x_title = With_Unit("Moment", r, Quantity::Moment);
    ei.y_title = With_Unit("Bending stiffness EI", r, Quantity::BendingStiffness);
    const double fm = Display_Unit(r, Quantity::Moment).factor;
    const double fk = Display_Unit(r, Quantity::Curvature).factor;
    const double fe = Display_Unit(r, Quantity::BendingStiffness).factor;
    int n = 0;
    for (const MomentCurvatureTable& t : r.moment_curvature) {
        if (t.section != section || t.moment.empty()) continue;
        Series a;
        a.name = "Axial thrust " + Value(r, Quantity::AxialThrust, t.axial_thrust);
        a.x = t.curvature;
        a.y = t.moment;
        std::vector<double> moments = t.moment, stiffness = t.bending_stiffness;
        if (t.kind == "elastic" && !t.bending_stiffness.empty() && t.bending_stiffness.front() > 0.0) {
            // M = EI phi from the origin up to a moment a pile reaches, EI constant
            const double ei0 = t.bending_stiffness.front();
            const double reached = where != nullptr ? Largest_Moment(r, where->top, where->bottom) : 0.0;
            double limit = 0.0;
            if (reached > 0.0) {
                limit = k_Elastic_Moment_Reach * reached;
                f.notes.push_back("Elastic section: drawn up to " + Readable_Number(k_Elastic_Moment_Reach) +
                                  " times the largest moment of the run in the section, " +
                                  Value(r, Quantity::Moment, reached) + "; its bending stiffness is constant.");
            } else if (where != nullptr && where->diameter > 0.0) {
                limit = ei0 * 2.0 * k_Elastic_Fibre_Strain / where->diameter;
                f.notes.push_back("Elastic section: drawn up to the curvature at which the extreme fibre is strained "
                                  "0.5 percent; its bending stiffness is constant.");
            }
            if (limit > 0.0) {
                a.x = {0.0, limit / ei0};
                a.y = {0.0, limit};
                moments = {0.0, limit};
                stiffness = {ei0, ei0};
            }
        }
        a.x = Scaled(a.x, fk);
        a.y = Scaled(a.y, fm);
        mc.series.push_back(a);
        Series b;
        b.name = a.name;
        b.x = Scaled(moments, fm);
        b.y = Scaled(stiffness, fe);
        ei.series.push_back(b);
        // A moment marked on both panels: vertical on the stiffness panel, horizontal on the other.
        const auto mark_moment = [&](double moment, const std::string& legend, const char* css_class,
                                     const char* dash) {
            RefLine l;
            l.value = moment * fm;
            l.legend = legend;
            l.css_class = css_class;
            l.colour = Series_Colour(n);
            l.dash = dash;
            ei.lines.push_back(l);
            l.vertical = false;
            mc.lines.push_back(l);
        };
        const std::string at_thrust = " at P = " + Value(r, Quantity::AxialThrust, t.axial_thrust) + ": ";
        if (t.nominal_capacity) {
            mark_moment(*t.nominal_capacity,
                        std::string(t.kind == "elastic-plastic" ? "Plastic moment Mp" : "Nominal moment capacity Mn") +
                            at_thrust + Value(r, Quantity::Moment, *t.nominal_capacity),
                        "capacity", "6 3");
        }
        const std::optional<double> cracking = t.kind == "nonlinear" ? Cracking_Moment(t) : std::nullopt;
        if (cracking) {
            mark_moment(*cracking,
                        "Cracking moment" + at_thrust + Value(r, Quantity::Moment, *cracking) +
                            " (where EI first drops at one moment)",
                        "cracking", "2 3");
        }
        ++n;
    }
    if (where != nullptr) f.subtitle += (f.subtitle.empty() ? "" : " \u2014 ") + where->kind;
    f.panels = {mc, ei};
    return f;
}

// The head condition a case's pile head is held in, as its series in the head figure.
std::string Head_Condition(const HeadConditions& h) {
    switch (h.load_type) {
        case 1: return "Free head (shear and moment given)";
        case 2: return h.slope == 0.0 ? "Fixed head (zero slope)" : "Shear and slope given";
        case 3: return "Rotational restraint (shear and rotational stiffness given)";
        case 4: return "Deflection and moment given";
        case 5: return h.slope == 0.0 ? "Deflection given, fixed head" : "Deflection and slope given";
        default: return "Pile head";
    }
}

Figure Head_Figure(const RunResults& r) {
    Figure f;
    f.title = "Pile-head shear against pile-head deflection";
    f.subtitle = Problem_Title(r);
    f.panel_width = 480.0;
    f.panel_height = 320.0;
    Panel p;
    p.title = "One point per load case, labelled with its number";
    p.x_title = With_Unit("Pile-head deflection", r, Quantity::Deflection);
    p.y_title = With_Unit("Pile-head shear", r, Quantity::Shear);
    std::map<std::string, std::vector<std::pair<double, std::pair<double, std::string>>>> by_condition;
    std::vector<std::string> order;
    for (const SummaryRow& row : r.summary) {
        const LoadCaseResult* c = nullptr;
        for (const LoadCaseResult& lc : r.cases) {
            if (lc.number == row.load_case) c = &lc;
        }
        const std::string condition = c != nullptr ? Head_Condition(c->head) : "Pile head";
        if (by_condition.count(condition) == 0) order.push_back(condition);
        const std::string label = c != nullptr && c->lrfd && !c->combination.empty() ? c->combination
                                                                                      : std::to_string(row.load_case);
        by_condition[condition].push_back({Shown(r, Quantity::Deflection, row.head_deflection),
                                           {Shown(r, Quantity::Shear, row.head_shear), label}});
    }
    for (const std::string& condition : order) {
        auto points = by_condition[condition];
        std::sort(points.begin(), points.end());
        Series s;
        s.name = condition;
        s.markers = true;
        s.line = points.size() > 1;
        for (const auto& pt : points) {
            s.x.push_back(pt.first);
            s.y.push_back(pt.second.first);
            s.point_labels.push_back(pt.second.second);
        }
        p.series.push_back(s);
    }
    f.panels.push_back(p);
    return f;
}

Figure Length_Study_Figure(const RunResults& r) {
    Figure f;
    f.title = "Pile-head deflection against pile length";
    f.subtitle = Problem_Title(r);
    f.panel_width = 480.0;
    f.panel_height = 320.0;
    Panel p;
    p.title = "Length study";
    p.x_title = With_Unit("Pile length", r, Quantity::PileLength);
    p.y_title = With_Unit("Pile-head deflection", r, Quantity::Deflection);
    p.x_from_zero = false;
    int n = 0;
    for (const LoadCaseResult& c : r.cases) {
        if (c.length_study.empty()) continue;
        std::vector<LengthStudyPoint> points = c.length_study;
        std::sort(points.begin(), points.end(),
                  [](const LengthStudyPoint& a, const LengthStudyPoint& b) { return a.pile_length < b.pile_length; });
        Series s;
        s.name = Case_Key(c);
        s.legend = Case_Legend(r, c);
        s.markers = true;
        for (const LengthStudyPoint& pt : points) {
            s.x.push_back(Shown(r, Quantity::PileLength, pt.pile_length));
            s.y.push_back(Shown(r, Quantity::Deflection, pt.head_deflection));
        }
        p.series.push_back(s);
        const std::optional<double> critical = Critical_Length(c.length_study);
        if (critical) {
            RefLine l;
            l.value = Shown(r, Quantity::PileLength, *critical);
            l.legend = "Critical length of load case " + std::to_string(c.number) + ": " + Value(r, Quantity::PileLength, *critical);
            l.css_class = "critical-length";
            l.colour = Series_Colour(n);
            l.dash = "6 3";
            p.lines.push_back(l);
        }
        ++n;
    }
    f.notes.push_back("Critical length: the shortest pile length whose head deflection, and that of every longer "
                      "pile of the study, is within " + Readable_Number(100.0 * k_Critical_Length_Tolerance) +
                      " percent of the longest pile's.");
    f.panels.push_back(p);
    return f;
}

Figure Stiffness_Figure(const RunResults& r) {
    Figure f;
    f.title = "Pile-head stiffnesses against pile-head deflection";
    f.subtitle = Problem_Title(r);
    f.panel_width = 320.0;
    f.panel_height = 260.0;
    struct Term {
        const char* title;
        const char* axis;
        Quantity quantity;
        double StiffnessRow::*value;
    };
    const Term terms[] = {{"Lateral stiffness K22", "K22", Quantity::K22, &StiffnessRow::k22},
                          {"Rotational stiffness K33", "K33", Quantity::K33, &StiffnessRow::k33}};
    std::vector<StiffnessRow> rows = r.stiffness;
    std::sort(rows.begin(), rows.end(), [](const StiffnessRow& a, const StiffnessRow& b) {
        return std::fabs(a.head_deflection) < std::fabs(b.head_deflection);
    });
    for (const Term& t : terms) {
        Panel p;
        p.title = t.title;
        p.x_title = With_Unit("Pile-head deflection", r, Quantity::Deflection);
        p.y_title = With_Unit(t.axis, r, t.quantity);
        Series s;
        s.name = "Stiffness study";
        s.legend = "Stiffness study, one point per pile-head load of the study";
        s.markers = true;
        for (const StiffnessRow& row : rows) {
            s.x.push_back(Shown(r, Quantity::Deflection, row.head_deflection));
            s.y.push_back(Shown(r, t.quantity, row.*(t.value)));
        }
        p.series.push_back(s);
        f.panels.push_back(p);
    }
    // the engine's doubt about the series (soil movement) stands under the figure
    for (const RunMessage& w : r.warnings) {
        if (w.number != k_Stiffness_Soil_Movement_Warning) continue;
        std::string text;
        for (const std::string& line : w.text) {
            if (line.rfind("*", 0) != 0) text += (text.empty() ? "" : " ") + line;
        }
        f.notes.push_back("Warning " + std::to_string(w.number) + ": " + text);
    }
    return f;
}

}  // namespace

std::optional<double> Critical_Length(const std::vector<LengthStudyPoint>& study) {
    if (study.size() < 2) return std::nullopt;
    std::vector<LengthStudyPoint> points = study;
    std::sort(points.begin(), points.end(),
              [](const LengthStudyPoint& a, const LengthStudyPoint& b) { return a.pile_length > b.pile_length; });
    const double reference = std::fabs(points.front().head_deflection);
    double critical = points.front().pile_length;
    for (const LengthStudyPoint& p : points) {
        if (!(std::fabs(std::fabs(p.head_deflection) - reference) <= k_Critical_Length_Tolerance * reference)) break;
        critical = p.pile_length;
    }
    return critical;
}

std::string Case_Legend(const RunResults& r, const LoadCaseResult& c) {
    const HeadConditions& h = c.head;
    std::string name = c.lrfd && !c.combination.empty() ? c.combination + " (combination " + std::to_string(c.number) + ")"
                                                        : Case_Key(c);
    std::string loads;
    auto add = [&](const std::string& text) { loads += (loads.empty() ? "" : ", ") + text; };
    switch (h.load_type) {
        case 1: add("free head"); add("V = " + Value(r, Quantity::Shear, h.shear)); add("M = " + Value(r, Quantity::Moment, h.moment)); break;
        case 2:
            add(h.slope == 0.0 ? "fixed head" : "slope " + Value(r, Quantity::Slope, h.slope));
            add("V = " + Value(r, Quantity::Shear, h.shear));
            break;
        case 3:
            add("rotational restraint " + Value(r, Quantity::RotationalStiffness, h.rotational_stiffness));
            add("V = " + Value(r, Quantity::Shear, h.shear));
            break;
        case 4: add("y = " + Value(r, Quantity::Deflection, h.deflection)); add("M = " + Value(r, Quantity::Moment, h.moment)); break;
        case 5:
            add(h.slope == 0.0 ? "fixed head" : "slope " + Value(r, Quantity::Slope, h.slope));
            add("y = " + Value(r, Quantity::Deflection, h.deflection));
            break;
        default: break;
    }
    if (std::isfinite(h.axial_thrust) && h.axial_thrust != 0.0) add("P = " + Value(r, Quantity::AxialThrust, h.axial_thrust));
    return loads.empty() ? name : name + ": " + loads;
}

std::vector<FigureFile> Results_Figures(const RunResults& r) { return Results_Figures(r, FigureOptions()); }

std::vector<FigureFile> Results_Figures(const RunResults& r, const FigureOptions& options) {
    std::vector<FigureFile> files;
    if (!r.has_results) return files;
    bool any_nodes = false, any_study = false;
    for (const LoadCaseResult& c : r.cases) {
        any_nodes = any_nodes || !c.nodes.depth.empty();
        any_study = any_study || !c.length_study.empty();
    }
    if (any_nodes) files.push_back({"-response.svg", Svg_Figure(Response_Figure(r, options))});
    if (!r.py_curves.empty()) files.push_back({"-py-curves.svg", Svg_Figure(Py_Figure(r, options))});
    std::vector<int> sections;
    for (const MomentCurvatureTable& t : r.moment_curvature) {
        if (t.moment.empty()) continue;
        if (std::find(sections.begin(), sections.end(), t.section) == sections.end()) sections.push_back(t.section);
    }
    for (int s : sections) {
        files.push_back({"-section-" + std::to_string(s) + ".svg", Svg_Figure(Section_Figure(r, s))});
    }
    if (!r.summary.empty()) files.push_back({"-head-load-deflection.svg", Svg_Figure(Head_Figure(r))});
    if (any_study) files.push_back({"-length-study.svg", Svg_Figure(Length_Study_Figure(r))});
    if (!r.stiffness.empty()) files.push_back({"-stiffness.svg", Svg_Figure(Stiffness_Figure(r))});
    return files;
}
