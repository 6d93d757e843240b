// The results document of a run: the JSON text callers read in place of the report (the command's
// --json file and figures, the Python package). It is written from what the run kept as data
// (the kept results of the model, the bending-stiffness tables, the studies' values, the warning
// log and the kept error text), never from the run's printed files, at the full precision of the
// computation. Its layout is the results file format of docs/results-json.md.
#pragma once

#include <string>

// The version of the layout; it changes when a field changes meaning or goes away.
constexpr int k_Results_Format_Version = 2;

// The results document of the run the model holds, ended with a line break; without_nodes leaves
// out the "nodes" of every case, for callers that take the node columns as numbers.
std::string Results_Document(bool without_nodes = false);

// The explanation of the error the model keeps: its problem and solution lines, joined.
std::string Error_Explanation();

// The one-line outcome of the run the model holds: how it ended and, for an error, the error's
// first explanation ("Problem: ...").
std::string Outcome_Text();

// The version of the check document's layout.
constexpr int k_Check_Format_Version = 1;

// The document of a check of the input (orvane_check_json): whether the problem would be
// analysed, the one-line outcome, the error that refuses it with its input line and text, and the
// warnings, in the results document's forms.
std::string Check_Document();

// The engine's version and the format versions of its documents ("orvane 0.1 results 2 check 1").
extern const char* const k_Version_Text;

// The number of cases the last run analysed, and node column `column` (k_Node_Depth ..
// k_Node_Total_Stress) of case lc, in the units of the results document, copied into values (at
// most capacity of them). Returns the case's node count, 0 for a case without results, -1 for a
// case or column that does not exist.
int Kept_Case_Count();
int Copy_Node_Column(int lc, int column, double* values, int capacity);
