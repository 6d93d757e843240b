// Choosing and filling the figures of a run (see results_plots.h).
#include "results_plots.h"

#include <cstdio>
#include <string>

#include "svg_plot.h"

namespace {

std::string With_Unit(const std::string& name, const std::string& unit) {
    return unit.empty() ? name : name + " (" + unit + ")";
}

std::string Short(double v) {
    char b[32];
    std::snprintf(b, sizeof b, "%g", v);
    return b;
}

std::string Case_Name(const LoadCaseResult& c) {
    return (c.lrfd ? "Combination " : "Load case ") + std::to_string(c.number);
}

std::string Problem_Title(const RunResults& r) {
    return r.title.empty() ? std::string() : r.title.front();
}

Figure Response_Figure(const RunResults& r) {
    const UnitLabels& u = r.units;
    Figure f;
    f.title = "Pile response";
    f.subtitle = Problem_Title(r);
    f.depth_axis = true;
    f.ground = r.ground_depth;
    struct Quantity {
        const char* title;
        std::string unit;
        const std::vector<double> NodeTable::*values;
    };
    const Quantity quantities[] = {{"Deflection", u.deflection, &NodeTable::deflection},
                                   {"Bending moment", u.moment, &NodeTable::moment},
                                   {"Shear force", u.shear, &NodeTable::shear},
                                   {"Soil reaction", u.soil_reaction, &NodeTable::soil_reaction}};
    for (const Quantity& q : quantities) {
        Panel p;
        p.title = q.title;
        p.x_title = With_Unit(q.title, q.unit);
        p.y_title = With_Unit("Depth below pile head", u.depth);
        for (const LoadCaseResult& c : r.cases) {
            if (c.nodes.depth.empty()) continue;
            Series s;
            s.name = Case_Name(c);
            s.x = c.nodes.*(q.values);
            s.y = c.nodes.depth;
            p.series.push_back(s);
        }
        f.panels.push_back(p);
    }
    return f;
}

Figure Py_Figure(const RunResults& r) {
    Figure f;
    f.title = "p-y curves at the requested depths";
    f.subtitle = Problem_Title(r);
    f.panel_width = 520.0;
    f.panel_height = 380.0;
    Panel p;
    p.title = "Soil resistance against deflection";
    p.x_title = With_Unit("Deflection y", r.units.py_deflection);
    p.y_title = With_Unit("Soil resistance p", r.units.py_soil_resistance);
    for (const PyCurve& c : r.py_curves) {
        Series s;
        s.name = "Curve " + std::to_string(c.number) + " at " + Short(c.depth) +
                 (r.units.depth.empty() ? "" : " " + r.units.depth) + (c.soil.empty() ? "" : ", " + c.soil);
        s.x = c.y;
        s.y = c.p;
        p.series.push_back(s);
    }
    f.panels.push_back(p);
    return f;
}

Figure Section_Figure(const RunResults& r, int section) {
    Figure f;
    f.title = "Moment-curvature and bending stiffness, section " + std::to_string(section);
    f.subtitle = Problem_Title(r);
    f.panel_width = 340.0;
    f.panel_height = 340.0;
    Panel mc, ei;
    for (const MomentCurvatureTable& t : r.moment_curvature) {
        if (t.section != section) continue;
        if (mc.title.empty()) {
            mc.title = "Moment against curvature";
            mc.x_title = With_Unit("Curvature", r.units.curvature);
            mc.y_title = With_Unit("Moment", r.units.moment);
            ei.title = "Bending stiffness against moment";
            ei.x_title = With_Unit("Moment", r.units.moment);
            ei.y_title = With_Unit("Bending stiffness EI", r.units.bending_stiffness);
        }
        Series a;
        a.name = "Axial thrust " + Short(t.axial_thrust) +
                 (r.units.axial_thrust.empty() ? "" : " " + r.units.axial_thrust);
        a.x = t.curvature;
        a.y = t.moment;
        mc.series.push_back(a);
        Series b = a;
        b.x = t.moment;
        b.y = t.bending_stiffness;
        ei.series.push_back(b);
    }
    f.panels = {mc, ei};
    return f;
}

Figure Head_Figure(const RunResults& r) {
    Figure f;
    f.title = "Pile-head shear against pile-head deflection";
    f.subtitle = Problem_Title(r);
    f.panel_width = 480.0;
    f.panel_height = 340.0;
    Panel p;
    p.title = "Load cases (point labels: load case number)";
    p.x_title = With_Unit("Pile-head deflection", r.units.deflection);
    p.y_title = With_Unit("Pile-head shear", r.units.shear);
    Series s;
    s.name = "Pile head, one point per load case";
    s.markers = true;
    for (const SummaryRow& row : r.summary) {
        s.x.push_back(row.head_deflection);
        s.y.push_back(row.head_shear);
        s.point_labels.push_back(std::to_string(row.load_case));
    }
    p.series.push_back(s);
    f.panels.push_back(p);
    return f;
}

}  // namespace

std::vector<FigureFile> Results_Figures(const RunResults& r) {
    std::vector<FigureFile> files;
    if (!r.has_results) return files;
    bool any_nodes = false;
    for (const LoadCaseResult& c : r.cases) any_nodes = any_nodes || !c.nodes.depth.empty();
    if (any_nodes) files.push_back({"-response.svg", Svg_Figure(Response_Figure(r))});
    if (!r.py_curves.empty()) files.push_back({"-py-curves.svg", Svg_Figure(Py_Figure(r))});
    std::vector<int> sections;
    for (const MomentCurvatureTable& t : r.moment_curvature) {
        if (t.moment.empty()) continue;
        bool seen = false;
        for (int s : sections) seen = seen || s == t.section;
        if (!seen) sections.push_back(t.section);
    }
    for (int s : sections) {
        files.push_back({"-section-" + std::to_string(s) + ".svg", Svg_Figure(Section_Figure(r, s))});
    }
    if (!r.summary.empty()) files.push_back({"-head-load-deflection.svg", Svg_Figure(Head_Figure(r))});
    return files;
}
