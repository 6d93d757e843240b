// Building the JSON results file with nlohmann-json from what the results reader gathered.
// Numbers keep the plot output file's values; a value the engine could not write as a number
// and a node column the report did not print are null.
#include "results_json.h"

#include <cmath>

#include <nlohmann/json.hpp>

using json = nlohmann::ordered_json;

namespace {

json Number(double v) { return std::isfinite(v) ? json(v) : json(nullptr); }

json Numbers(const std::vector<double>& v) {
    json a = json::array();
    for (double x : v) a.push_back(Number(x));
    return a;
}

json Printed(const std::vector<std::optional<double>>& v) {
    json a = json::array();
    for (const auto& x : v) a.push_back(x ? Number(*x) : json(nullptr));
    return a;
}

json Labelled_Values(const std::vector<LabelledValue>& values) {
    json a = json::array();
    for (const LabelledValue& v : values) a.push_back({{"name", v.name}, {"value", Number(v.value)}, {"unit", v.unit}});
    return a;
}

json Message(const RunMessage& m) {
    const json number = m.number ? json(*m.number) : json(nullptr);
    if (m.kind == "warning") return {{"number", number}, {"count", m.count}, {"text", m.text}};
    return {{"kind", m.kind}, {"number", number}, {"text", m.text}};
}

json Units(const UnitLabels& u) {
    return {{"depth", u.depth},
            {"deflection", u.deflection},
            {"slope", u.slope},
            {"moment", u.moment},
            {"shear", u.shear},
            {"soil_reaction", u.soil_reaction},
            {"bending_stiffness", u.bending_stiffness},
            {"soil_spring", u.soil_spring},
            {"distributed_load", u.distributed_load},
            {"total_stress", u.total_stress},
            {"py_deflection", u.py_y},
            {"py_soil_resistance", u.py_p},
            {"pile_length", u.depth}};
}

json Load_Case(const LoadCaseResult& c) {
    const NodeTable& t = c.nodes;
    json nodes = {{"depth", Numbers(t.depth)},
                  {"deflection", Numbers(t.deflection)},
                  {"slope", Printed(t.slope)},
                  {"moment", Numbers(t.moment)},
                  {"shear", Numbers(t.shear)},
                  {"soil_reaction", Numbers(t.soil_reaction)},
                  {"soil_spring", Printed(t.soil_spring)},
                  {"bending_stiffness", Numbers(t.bending_stiffness)},
                  {"distributed_load", Printed(t.distributed_load)},
                  {"total_stress", Printed(t.total_stress)}};
    json study = json::array();
    for (const LengthStudyPoint& p : c.length_study) {
        study.push_back({{"pile_length", Number(p.pile_length)},
                         {"head_deflection", Number(p.head_deflection)},
                         {"max_moment", Number(p.max_moment)},
                         {"max_shear", Number(p.max_shear)}});
    }
    return {{"number", c.number},
            {"lrfd_combination", c.lrfd},
            {"head_conditions",
             {{"load_type", c.load_type > 0 ? json(c.load_type) : json(nullptr)},
              {"description", c.head_condition_text},
              {"values", Labelled_Values(c.head_conditions)}}},
            {"converged", c.converged},
            {"iterations", c.iterations ? json(*c.iterations) : json(nullptr)},
            {"nodes", nodes},
            {"output_summary", Labelled_Values(c.output_summary)},
            {"length_study", study}};
}

json Results(const RunResults& r) {
    json cases = json::array();
    for (const LoadCaseResult& c : r.cases) cases.push_back(Load_Case(c));
    json summary = json::array();
    for (std::size_t i = 0; i < r.summary.size(); ++i) {
        const SummaryRow& s = r.summary[i];
        summary.push_back({{"load_case", static_cast<int>(i) + 1},
                           {"head_shear", Number(s.head_shear)},
                           {"head_deflection", Number(s.head_deflection)},
                           {"max_moment", Number(s.max_moment)},
                           {"max_shear", Number(s.max_shear)},
                           {"head_rotation", Number(s.head_rotation)}});
    }
    json curves = json::array();
    for (const PyCurve& c : r.py_curves) {
        curves.push_back({{"number", c.number},
                          {"depth", Number(c.depth)},
                          {"soil", c.soil.empty() ? json(nullptr) : json(c.soil)},
                          {"y", Numbers(c.y)},
                          {"p", Numbers(c.p)}});
    }
    json tables = json::array();
    for (const MomentCurvatureTable& t : r.moment_curvature) {
        tables.push_back({{"section", t.section},
                          {"thrust_index", t.thrust_index},
                          {"kind", t.kind},
                          {"axial_thrust", Number(t.axial_thrust)},
                          {"nominal_moment_capacity", Number(t.nominal_moment_capacity)},
                          {"units",
                           {{"moment", t.moment_unit},
                            {"bending_stiffness", t.stiffness_unit},
                            {"curvature", t.curvature_unit},
                            {"axial_thrust", t.thrust_unit},
                            {"nominal_moment_capacity", t.capacity_unit}}},
                          {"moment", Numbers(t.moment)},
                          {"bending_stiffness", Numbers(t.bending_stiffness)},
                          {"curvature", Numbers(t.curvature)}});
    }
    json kmatrix = nullptr;
    if (!r.stiffness_matrix.empty()) {
        kmatrix = json::array();
        for (const StiffnessRow& k : r.stiffness_matrix) {
            kmatrix.push_back({{"shear", Number(k.shear)},
                               {"moment", Number(k.moment)},
                               {"k22", Number(k.k22)},
                               {"k23", Number(k.k23)},
                               {"k32", Number(k.k32)},
                               {"k33", Number(k.k33)},
                               {"head_deflection", Number(k.head_deflection)},
                               {"head_rotation", Number(k.head_rotation)}});
        }
    }
    return {{"node_count", r.node_count},
            {"load_cases", cases},
            {"summary", summary},
            {"py_curves", curves},
            {"moment_curvature", tables},
            {"stiffness_matrix", kmatrix}};
}

}  // namespace

std::string Results_Json_Text(const RunResults& r, const std::string& input, const std::string& outcome) {
    json errors = json::array();
    for (const RunMessage& e : r.errors) errors.push_back(Message(e));
    json warnings = json::array();
    for (const RunMessage& w : r.warnings) warnings.push_back(Message(w));
    const char* analysis = r.analysis_type == 2 ? "bending stiffness only"
                           : r.analysis_type == 3 ? "conventional"
                                                  : nullptr;
    json doc = {{"format", "orvane-results"},
                {"format_version", k_Results_Format_Version},
                {"input", input},
                {"title", r.title},
                {"outcome", {{"result_code", r.result_code}, {"text", outcome}}},
                {"analysis_type", analysis ? json(analysis) : json(nullptr)},
                {"unit_system", r.units.system.empty() ? json(nullptr) : json(r.units.system)},
                {"units", Units(r.units)},
                {"ground_surface_depth", r.ground_depth ? Number(*r.ground_depth) : json(nullptr)},
                {"errors", errors},
                {"warnings", warnings},
                {"results", r.ended_by_error() ? json(nullptr) : Results(r)}};
    return doc.dump(1) + "\n";
}
