// The results pass of a load case: node responses from the final deflections, the report block
// of the load case (heading, pile-head condition, response table, stress note, output summary),
// the node records of the plot output file, and the pile-head and maximum values kept for the
// summary of pile responses and the pile-head stiffness study.
#pragma once

// Writes the results of load case lc (or LRFD combination lc) after iterations solutions.
// Reads the final deflections and the pile-head condition of the solver state; calls
// NodeResponse for every node (the caller resets the maxima before the last solution and
// clears the per-section maxima of lc). In summary-only mode only the plot records and the
// kept values are produced; a stiffness pass (b_StiffnessPass) writes no node records.
void WriteLoadCaseResults(int lc, int iterations);

// Sign changes of the deflection between consecutive nodes 1..N, the last one compared with the
// imaginary node below the tip; a node at exactly zero deflection is no change.
int Count_Zero_Deflection_Points();
