// The results report of one load case: heading, pile-head condition, response table, stress
// note, equilibrium confirmation or warning and output summary, and the node records of the plot
// output file. It writes what solver/case_results completed; it computes nothing.
#pragma once

// Writes the results of load case lc (or LRFD combination lc) after iterations solutions, from
// the node responses, maxima, equilibrium and kept values of Complete_Case_Results. In
// summary-only mode only the plot records are written; a stiffness pass (b_StiffnessPass) is
// written as in summary-only mode, without the "Line 9" record and the node records.
void WriteLoadCaseResults(int lc, int iterations);
