// The results of a finished run as the command's figures read them: taken from the engine's
// results document (orvane_results_json), the engine's own data at full precision, never from its
// printed files. Only what the figures draw is kept here; the document itself is the JSON file.
#pragma once

#include <optional>
#include <string>
#include <vector>

// The columns of the node table of one case that the figures draw, one entry per node.
struct NodeTable {
    std::vector<double> depth, deflection, moment, shear, soil_reaction;
};

struct LoadCaseResult {
    int number = 0;
    bool lrfd = false;                      // an LRFD combination rather than a pile-head load case
    std::string status;                     // "converged", "not converged", "failed", "not reached"
    NodeTable nodes;                        // empty when the case has no results
};

// One row of the summary of pile responses.
struct SummaryRow {
    int load_case = 0;
    double head_shear = 0.0, head_deflection = 0.0;
};

struct PyCurve {
    int number = 0;
    double depth = 0.0;
    std::string soil;
    std::vector<double> y, p;
};

struct MomentCurvatureTable {
    int section = 0;
    double axial_thrust = 0.0;
    std::vector<double> moment, bending_stiffness, curvature;
};

// The unit texts of the quantities the figures show.
struct UnitLabels {
    std::string depth, deflection, moment, shear, soil_reaction, bending_stiffness, curvature,
        axial_thrust, py_deflection, py_soil_resistance;
};

struct RunResults {
    bool has_results = false;               // the document's "results" is not null
    UnitLabels units;
    std::vector<std::string> title;
    std::optional<double> ground_depth;     // depth of the ground surface below the pile head
    std::vector<LoadCaseResult> cases;
    std::vector<SummaryRow> summary;
    std::vector<PyCurve> py_curves;
    std::vector<MomentCurvatureTable> moment_curvature;
};

// The results of the document `text`. A document that does not parse, or a part of it missing,
// leaves the parts empty; nothing here fails.
RunResults Run_Results_From_Document(const std::string& text);
