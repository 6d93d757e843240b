// The results of a finished run as the command's figures and its HTML report read them: taken from
// the engine's results document (orvane_results_json), the engine's own data at full precision,
// never from its printed files. Only what the figures and the report show is kept here, in the
// engine's units; display_units converts for showing. The document itself is the JSON file.
#pragma once

#include <optional>
#include <string>
#include <vector>

// The columns of the node table of one case that the figures draw, one entry per node.
struct NodeTable {
    std::vector<double> depth, deflection, moment, shear, soil_reaction;
};

// The pile-head boundary conditions of a case: the two values its load type names (NaN where
// the type has no such value).
struct HeadConditions {
    int load_type = 0;                      // 1 shear and moment ... 5 deflection and slope
    std::string description;                // "Shear and Moment", ...
    double shear, moment, slope, rotational_stiffness, deflection, axial_thrust;
    HeadConditions();
};

struct OutputSummary {
    double head_deflection, head_slope, max_moment, depth_of_max_moment, max_shear, depth_of_max_shear;
    OutputSummary();
};

// One point of the pile-head deflection versus pile length study of a case.
struct LengthStudyPoint {
    double pile_length = 0.0, head_deflection = 0.0, max_moment = 0.0;
};

struct LoadCaseResult {
    int number = 0;
    bool lrfd = false;                      // an LRFD combination rather than a pile-head load case
    std::string combination;                // the LRFD combination's name ("Strength I")
    std::string status;                     // "converged", "not converged", "failed", "not reached"
    int iterations = 0;
    HeadConditions head;
    NodeTable nodes;                        // empty when the case has no results
    std::optional<OutputSummary> summary;   // none when the case has no results
    std::optional<double> moment_capacity_ratio;
    std::vector<LengthStudyPoint> length_study;
};

// One row of the summary of pile responses.
struct SummaryRow {
    int load_case = 0;
    double head_shear = 0.0, head_deflection = 0.0, max_moment = 0.0, max_shear = 0.0, head_rotation = 0.0;
    std::optional<double> moment_capacity_ratio;
};

struct PyCurve {
    int number = 0;
    double depth = 0.0;
    std::string soil;
    std::vector<double> y, p;
};

struct MomentCurvatureTable {
    int section = 0;
    int thrust_index = 0;
    std::string kind;                       // "nonlinear", "elastic", "elastic-plastic", "input M-EI"
    double axial_thrust = 0.0;
    std::optional<double> nominal_capacity; // none for an elastic section
    std::vector<double> moment, bending_stiffness, curvature;
};

struct SoilLayer {
    int layer = 0;
    int soil_type = 0;
    std::string soil;                       // the soil type's name
    double top = 0.0, bottom = 0.0;         // below the pile head
};

struct PileSection {
    int section = 0;
    std::string kind;                       // "drilled shaft", "steel pipe", "elastic", ...
    double top = 0.0, bottom = 0.0, diameter = 0.0;
};

// The nominal axial capacities and cracking load of a reinforced concrete or steel pipe section.
struct SectionCapacity {
    int section = 0;
    double axial_compression = 0.0, axial_tension = 0.0, cracking_load = 0.0;
};

struct StiffnessRow {
    double shear = 0.0, moment = 0.0, k22 = 0.0, k23 = 0.0, k32 = 0.0, k33 = 0.0, head_deflection = 0.0,
           head_rotation = 0.0;
};

struct LrfdRow {
    std::string combination;
    int section = 0;
    double resistance_factor = 0.0, max_moment = 0.0, max_shear = 0.0, head_deflection = 0.0;
    std::optional<double> factored_capacity, moment_fraction;
    std::optional<bool> passed;
};

// A warning or the error of the run, with its number and text lines.
struct RunMessage {
    std::string kind;                       // "warning", "input", "runtime", "engine status"
    int number = 0;
    int count = 0;                          // warnings: times reported
    std::vector<std::string> text;
};

// The unit texts of the quantities the document gives, as it names them (engine units).
struct UnitLabels {
    std::string depth, deflection, slope, moment, shear, soil_reaction, bending_stiffness, curvature,
        axial_thrust, py_deflection, py_soil_resistance, pile_length, force, rotational_stiffness, k22, k23,
        k32, k33;
};

struct RunResults {
    bool has_results = false;               // the document's "results" is not null
    std::string input;                      // the input data file's name
    std::string outcome;                    // the one-line outcome
    std::string analysis_type;
    std::string unit_system;                // "US customary", "SI", "general"
    UnitLabels units;
    std::vector<std::string> title;
    std::optional<double> ground_depth;     // depth of the ground surface below the pile head
    std::vector<SoilLayer> layers;
    std::vector<PileSection> sections;
    std::vector<LoadCaseResult> cases;
    std::vector<SummaryRow> summary;
    std::vector<PyCurve> py_curves;
    std::vector<MomentCurvatureTable> moment_curvature;
    std::vector<SectionCapacity> capacities;
    std::vector<StiffnessRow> stiffness;
    std::vector<LrfdRow> lrfd;
    std::vector<RunMessage> errors, warnings;
};

// The results of the document `text`. A document that does not parse, or a part of it missing,
// leaves the parts empty; nothing here fails.
RunResults Run_Results_From_Document(const std::string& text);
