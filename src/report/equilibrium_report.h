// What the report and the runtime message file say about the equilibrium of a solved load case:
// the confirmation that the segment imbalances are within the limit, or the possible-solution-
// error warning with the largest imbalances. The imbalances are solver/equilibrium's results.
#pragma once

// After the results table: the warning blocks when the largest moment imbalance exceeds one
// inch-pound, otherwise the confirmation (not in summary-only mode nor with the pile-head
// stiffness option). Reads rd_MaxMomentImbalance, rd_MaxForceImbalance and their nodes.
void Write_Equilibrium_Result();
