// Reading the engine's results document into what the figures and the HTML report show (see
// results_data.h).
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

double Member(const json& parent, const char* key) {
    const auto it = parent.find(key);
    return it == parent.end() ? std::numeric_limits<double>::quiet_NaN() : Number(*it);
}

std::optional<double> Optional(const json& parent, const char* key) {
    const auto it = parent.find(key);
    if (it == parent.end() || !it->is_number()) return std::nullopt;
    return it->get<double>();
}

std::vector<std::string> Texts(const json& parent, const char* key) {
    std::vector<std::string> out;
    const auto it = parent.find(key);
    if (it == parent.end() || !it->is_array()) return out;
    for (const json& v : *it) {
        if (v.is_string()) out.push_back(v.get<std::string>());
    }
    return out;
}

const json& Array(const json& parent, const char* key) {
    static const json empty = json::array();
    const auto it = parent.find(key);
    return it != parent.end() && it->is_array() ? *it : empty;
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
    l.slope = Text(u, "slope");
    l.pile_length = Text(u, "pile_length");
    l.force = Text(u, "force");
    l.rotational_stiffness = Text(u, "rotational_stiffness");
    l.k22 = Text(u, "k22");
    l.k23 = Text(u, "k23");
    l.k32 = Text(u, "k32");
    l.k33 = Text(u, "k33");
    return l;
}

HeadConditions Head(const json& h) {
    HeadConditions head;
    if (!h.is_object()) return head;
    head.load_type = Integer(h, "load_type");
    head.description = Text(h, "description");
    head.shear = Member(h, "shear");
    head.moment = Member(h, "moment");
    head.slope = Member(h, "slope");
    head.rotational_stiffness = Member(h, "rotational_stiffness");
    head.deflection = Member(h, "deflection");
    head.axial_thrust = Member(h, "axial_thrust");
    return head;
}

LoadCaseResult Load_Case(const json& c) {
    LoadCaseResult lc;
    lc.number = Integer(c, "number");
    const json combination = c.value("lrfd_combination", json());
    lc.lrfd = combination.is_object();
    if (lc.lrfd) lc.combination = Text(combination, "name");
    lc.status = Text(c, "status");
    lc.iterations = Integer(c, "iterations");
    lc.head = Head(c.value("head_conditions", json()));
    const json nodes = c.value("nodes", json());
    if (nodes.is_object()) {
        lc.nodes.depth = Numbers(nodes, "depth");
        lc.nodes.deflection = Numbers(nodes, "deflection");
        lc.nodes.moment = Numbers(nodes, "moment");
        lc.nodes.shear = Numbers(nodes, "shear");
        lc.nodes.soil_reaction = Numbers(nodes, "soil_reaction");
    }
    const json summary = c.value("output_summary", json());
    if (summary.is_object()) {
        OutputSummary o;
        o.head_deflection = Member(summary, "head_deflection");
        o.head_slope = Member(summary, "head_slope");
        o.max_moment = Member(summary, "max_moment");
        o.depth_of_max_moment = Member(summary, "depth_of_max_moment");
        o.max_shear = Member(summary, "max_shear");
        o.depth_of_max_shear = Member(summary, "depth_of_max_shear");
        lc.summary = o;
    }
    const json state = c.value("structural_state", json());
    if (state.is_object()) lc.moment_capacity_ratio = Optional(state, "moment_capacity_ratio");
    for (const json& p : Array(c, "length_study")) {
        LengthStudyPoint point;
        point.pile_length = Member(p, "pile_length");
        point.head_deflection = Member(p, "head_deflection");
        point.max_moment = Member(p, "max_moment");
        lc.length_study.push_back(point);
    }
    return lc;
}

void Read_Problem(const json& doc, RunResults& r) {
    for (const json& l : Array(doc, "soil_layers")) {
        SoilLayer layer;
        layer.layer = Integer(l, "layer");
        layer.soil_type = Integer(l, "soil_type");
        layer.soil = Text(l, "soil");
        layer.top = Member(l, "top");
        layer.bottom = Member(l, "bottom");
        r.layers.push_back(layer);
    }
    for (const json& s : Array(doc, "pile_sections")) {
        PileSection section;
        section.section = Integer(s, "section");
        section.kind = Text(s, "kind");
        section.top = Member(s, "top");
        section.bottom = Member(s, "bottom");
        section.diameter = Member(s, "diameter");
        r.sections.push_back(section);
    }
    for (const json& e : Array(doc, "errors")) {
        r.errors.push_back({Text(e, "kind"), Integer(e, "number"), 0, Texts(e, "text")});
    }
    for (const json& w : Array(doc, "warnings")) {
        r.warnings.push_back({"warning", Integer(w, "number"), Integer(w, "count"), Texts(w, "text")});
    }
}

void Read_Tables(const json& results, RunResults& r) {
    for (const json& c : Array(results, "section_capacities")) {
        r.capacities.push_back({Integer(c, "section"), Member(c, "axial_compression"), Member(c, "axial_tension"),
                                Member(c, "cracking_load")});
    }
    for (const json& s : Array(results, "stiffness_matrix")) {
        r.stiffness.push_back({Member(s, "shear"), Member(s, "moment"), Member(s, "k22"), Member(s, "k23"),
                               Member(s, "k32"), Member(s, "k33"), Member(s, "head_deflection"),
                               Member(s, "head_rotation")});
    }
    for (const json& p : Array(results, "lrfd_performance")) {
        LrfdRow row;
        row.combination = Text(p, "combination");
        row.section = Integer(p, "section");
        row.resistance_factor = Member(p, "resistance_factor");
        row.max_moment = Member(p, "max_moment");
        row.max_shear = Member(p, "max_shear");
        row.head_deflection = Member(p, "head_deflection");
        row.factored_capacity = Optional(p, "factored_moment_capacity");
        row.moment_fraction = Optional(p, "moment_fraction");
        const auto passed = p.find("passed");
        if (passed != p.end() && passed->is_boolean()) row.passed = passed->get<bool>();
        r.lrfd.push_back(row);
    }
}

}  // namespace

HeadConditions::HeadConditions()
    : shear(std::numeric_limits<double>::quiet_NaN()), moment(shear), slope(shear), rotational_stiffness(shear),
      deflection(shear), axial_thrust(shear) {}

OutputSummary::OutputSummary()
    : head_deflection(std::numeric_limits<double>::quiet_NaN()), head_slope(head_deflection),
      max_moment(head_deflection), depth_of_max_moment(head_deflection), max_shear(head_deflection),
      depth_of_max_shear(head_deflection) {}

RunResults Run_Results_From_Document(const std::string& text) {
    RunResults r;
    const json doc = json::parse(text, nullptr, false);
    if (!doc.is_object()) return r;
    r.input = Text(doc, "input");
    const json outcome = doc.value("outcome", json());
    if (outcome.is_object()) r.outcome = Text(outcome, "text");
    r.analysis_type = Text(doc, "analysis_type");
    r.unit_system = Text(doc, "unit_system");
    Read_Problem(doc, r);
    r.units = Units(doc.value("units", json()));
    for (const json& line : doc.value("title", json::array())) {
        if (line.is_string()) r.title.push_back(line.get<std::string>());
    }
    const json ground = doc.value("ground_surface_depth", json());
    if (ground.is_number()) r.ground_depth = ground.get<double>();
    const json results = doc.value("results", json());
    if (!results.is_object()) return r;
    r.has_results = true;
    for (const json& c : Array(results, "load_cases")) r.cases.push_back(Load_Case(c));
    for (const json& s : results.value("summary", json::array())) {
        SummaryRow row;
        row.load_case = Integer(s, "load_case");
        row.head_shear = Number(s.value("head_shear", json()));
        row.head_deflection = Number(s.value("head_deflection", json()));
        row.max_moment = Member(s, "max_moment");
        row.max_shear = Member(s, "max_shear");
        row.head_rotation = Member(s, "head_rotation");
        row.moment_capacity_ratio = Optional(s, "moment_capacity_ratio");
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
        table.thrust_index = Integer(t, "thrust_index");
        table.kind = Text(t, "kind");
        table.nominal_capacity = Optional(t, "nominal_moment_capacity");
        table.axial_thrust = Number(t.value("axial_thrust", json()));
        table.moment = Numbers(t, "moment");
        table.bending_stiffness = Numbers(t, "bending_stiffness");
        table.curvature = Numbers(t, "curvature");
        r.moment_curvature.push_back(table);
    }
    Read_Tables(results, r);
    return r;
}
