// Reading the engine's results document into what the figures draw (see results_data.h).
#include "results_data.h"

#include <limits>

#include <nlohmann/json.hpp>

using json = nlohmann::json;

namespace {

// A number of the document; null (a value that was not finite) reads as NaN, which the figures skip.
double Number(const json& v) { return v.is_number() ? v.get<double>() : std::numeric_limits<double>::quiet_NaN(); }

std::vector<double> Numbers(const json& parent, const char* key) {
    std::vector<double> out;
    const auto it = parent.find(key);
    if (it == parent.end() || !it->is_array()) return out;
    out.reserve(it->size());
    for (const json& v : *it) out.push_back(Number(v));
    return out;
}

std::string Text(const json& parent, const char* key) {
    const auto it = parent.find(key);
    return it != parent.end() && it->is_string() ? it->get<std::string>() : std::string();
}

int Integer(const json& parent, const char* key) {
    const auto it = parent.find(key);
    return it != parent.end() && it->is_number_integer() ? it->get<int>() : 0;
}

UnitLabels Units(const json& u) {
    UnitLabels l;
    if (!u.is_object()) return l;
    l.depth = Text(u, "depth");
    l.deflection = Text(u, "deflection");
    l.moment = Text(u, "moment");
    l.shear = Text(u, "shear");
    l.soil_reaction = Text(u, "soil_reaction");
    l.bending_stiffness = Text(u, "bending_stiffness");
    l.curvature = Text(u, "curvature");
    l.axial_thrust = Text(u, "axial_thrust");
    l.py_deflection = Text(u, "py_deflection");
    l.py_soil_resistance = Text(u, "py_soil_resistance");
    return l;
}

}  // namespace

RunResults Run_Results_From_Document(const std::string& text) {
    RunResults r;
    const json doc = json::parse(text, nullptr, false);
    if (!doc.is_object()) return r;
    r.units = Units(doc.value("units", json()));
    for (const json& line : doc.value("title", json::array())) {
        if (line.is_string()) r.title.push_back(line.get<std::string>());
    }
    const json ground = doc.value("ground_surface_depth", json());
    if (ground.is_number()) r.ground_depth = ground.get<double>();
    const json results = doc.value("results", json());
    if (!results.is_object()) return r;
    r.has_results = true;
    for (const json& c : results.value("load_cases", json::array())) {
        LoadCaseResult lc;
        lc.number = Integer(c, "number");
        lc.lrfd = c.value("lrfd_combination", json()).is_object();
        lc.status = Text(c, "status");
        const json nodes = c.value("nodes", json());
        if (nodes.is_object()) {
            lc.nodes.depth = Numbers(nodes, "depth");
            lc.nodes.deflection = Numbers(nodes, "deflection");
            lc.nodes.moment = Numbers(nodes, "moment");
            lc.nodes.shear = Numbers(nodes, "shear");
            lc.nodes.soil_reaction = Numbers(nodes, "soil_reaction");
        }
        r.cases.push_back(lc);
    }
    for (const json& s : results.value("summary", json::array())) {
        SummaryRow row;
        row.load_case = Integer(s, "load_case");
        row.head_shear = Number(s.value("head_shear", json()));
        row.head_deflection = Number(s.value("head_deflection", json()));
        r.summary.push_back(row);
    }
    for (const json& c : results.value("py_curves", json::array())) {
        PyCurve curve;
        curve.number = Integer(c, "number");
        curve.depth = Number(c.value("depth", json()));
        curve.soil = Text(c, "soil");
        curve.y = Numbers(c, "y");
        curve.p = Numbers(c, "p");
        r.py_curves.push_back(curve);
    }
    for (const json& t : results.value("moment_curvature", json::array())) {
        MomentCurvatureTable table;
        table.section = Integer(t, "section");
        table.axial_thrust = Number(t.value("axial_thrust", json()));
        table.moment = Numbers(t, "moment");
        table.bending_stiffness = Numbers(t, "bending_stiffness");
        table.curvature = Numbers(t, "curvature");
        r.moment_curvature.push_back(table);
    }
    return r;
}
