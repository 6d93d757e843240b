// The results of a converged load case, computed once before anything of the case is written:
// the response of every node (deflection, slope, moment, shear, soil reaction, stress), the
// equilibrium of every segment with its largest imbalances, the zero-deflection points, and the
// pile-head and maximum values the summary of pile responses and the studies read. The report and
// plot writers then only format what is in the model, whatever the print options.
#pragma once

// Warnings of a case whose pile is loaded past its structure (numbers the catalogue leaves free).
constexpr int k_Warning_Over_Capacity = 410;   // the moment exceeds the nominal moment capacity
constexpr int k_Warning_Beyond_Curve = 411;    // a curvature past the end of the moment-curvature table

// Completes the results of load case (or LRFD combination) lc from the final deflections and the
// pile-head condition of the solver state. The caller resets the response maxima before the last
// solution and clears the per-section maxima of lc. Writes the node response arrays, the maxima,
// the equilibrium fields, the rd_Case* values, the node table kept for callers and the
// structural state of lc (recording warnings 410 and 411 when the pile is loaded past its
// structure). Raises nothing.
void Complete_Case_Results(int lc);

// The node responses and the equilibrium check of Complete_Case_Results without the values kept
// per load case: for the pile-head stiffness series, which keeps its own. Raises nothing.
void Complete_Node_Results();

// Sign changes of the deflection between consecutive nodes 1..N, the last one compared with the
// imaginary node below the tip; a node at exactly zero deflection is no change.
int Count_Zero_Deflection_Points();
