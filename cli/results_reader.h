// The one reader of a finished run's outputs for the command line's JSON results file and SVG
// figures. Every number the plot output file holds comes from its records ("Line N", found by
// the number after "Line" and read by column); the report supplies only what no record holds:
// the title, the pile-head conditions, the printed node columns (slope, total stress, soil spring,
// distributed load), the output summary with the iteration count, the ground surface depth, and
// the framed error and warning texts. The runtime message file tells which cases converged.
// Records this reader does not know are skipped, so that new record kinds never break it.
#pragma once

#include <optional>
#include <string>
#include <vector>

// One labelled value of the report, such as "Shear force at pile head = 50.000 kN".
struct LabelledValue {
    std::string name;
    double value = 0.0;
    std::string unit;
};

// The columns of the node table of one case, one entry per node. The plot records hold depth,
// deflection, moment, shear, soil reaction and bending stiffness for every node; the report
// prints the other columns at every PrintIncrement-th node only, so they are empty elsewhere.
struct NodeTable {
    std::vector<double> depth, deflection, moment, shear, soil_reaction, bending_stiffness;
    std::vector<std::optional<double>> slope, total_stress, soil_spring, distributed_load;
};

struct LengthStudyPoint {
    double pile_length, head_deflection, max_moment, max_shear;
};

struct LoadCaseResult {
    int number = 0;
    bool lrfd = false;                      // an LRFD combination rather than a pile-head load case
    int load_type = 0;                      // 1..5; 0 when the report names none
    std::string head_condition_text;        // "Shear and Moment"
    std::vector<LabelledValue> head_conditions;
    NodeTable nodes;
    std::vector<LabelledValue> output_summary;
    std::optional<int> iterations;
    bool converged = false;
    std::vector<LengthStudyPoint> length_study;
};

// One record of the summary of pile responses ("Line 13").
struct SummaryRow {
    double head_shear, head_deflection, max_moment, max_shear, head_rotation;
};

struct PyCurve {
    int number = 0;
    double depth = 0.0;
    std::string soil;                       // the soil phrase of the record; empty for the generic form
    std::vector<double> y, p;
};

struct MomentCurvatureTable {
    int section = 0;
    int thrust_index = 0;
    double axial_thrust = 0.0;
    double nominal_moment_capacity = 0.0;
    std::string kind;                       // "nonlinear", "elastic", "elastic-plastic", "input M-EI"
    std::string moment_unit, stiffness_unit, curvature_unit, thrust_unit, capacity_unit;
    std::vector<double> moment, bending_stiffness, curvature;
};

// One "Line 14" record of the pile-head stiffness analysis.
struct StiffnessRow {
    double shear, moment, k22, k23, k32, k33, head_deflection, head_rotation;
};

struct RunMessage {
    std::string kind;                       // "input" or "runtime" for errors; "warning"
    std::optional<int> number;
    int count = 1;                          // warnings: how many times it was reported
    std::vector<std::string> text;
};

// The unit texts of the quantities a run writes, in the units of the plot output file.
struct UnitLabels {
    std::string system;                     // "US customary", "SI", "general", "" when unknown
    std::string depth, deflection, slope, moment, shear, soil_reaction, bending_stiffness,
        soil_spring, distributed_load, total_stress, py_y, py_p;
};

struct RunResults {
    int result_code = 0;
    int analysis_type = 0;                  // 2 bending stiffness only, 3 conventional, 0 unknown
    int unit_system = 0;                    // 1 US customary, 2 SI, 3 general, 0 unknown
    bool kmatrix_requested = false;
    UnitLabels units;
    std::vector<std::string> title;
    std::optional<double> ground_depth;     // depth of the ground surface below the pile head
    int node_count = 0;
    std::vector<LoadCaseResult> cases;
    std::vector<SummaryRow> summary;
    std::vector<PyCurve> py_curves;
    std::vector<MomentCurvatureTable> moment_curvature;
    std::vector<StiffnessRow> stiffness_matrix;
    std::vector<RunMessage> errors;
    std::vector<RunMessage> warnings;
    bool ended_by_error() const { return result_code > 0; }
};

// Reads a real written by a Fortran E or F edit descriptor, including the exponent form without
// the letter E ("0.1234567+100"); empty for a field of blanks, asterisks or anything else.
std::optional<double> Parse_Fortran_Real(const std::string& field);

// The number N of a plot record's label "Line N", or 0 when the record has none.
int Plot_Record_Number(const std::string& record);

// Unit texts of the plot output file's quantities in a unit system (1, 2 or 3).
UnitLabels Unit_Labels_For(int unit_system);

// Reads the three files of a finished run whose engine result code was result_code. Files that
// are missing or hold less than expected leave their parts empty; nothing here fails.
RunResults Read_Run_Results(const std::string& report, const std::string& plot,
                            const std::string& messages, int result_code);
