// Pile response at a node from the deflected shape of the last solution: bending moment, shear,
// slope, soil reaction and combined stress, with the running maxima of a load case and the
// pile-head values the reports use. The solution itself is in beam_column.
#pragma once

// Computes M, V, S, p and the combined stress of node k into rd_Moment_Node, rd_Shear_Node,
// rd_Slope_Node, rd_SoilReaction_Node and rd_Stress_Node, and updates the maxima (rd_MaxMoment,
// rd_MaxShear, rd_MaxStress, and per pile section of i_CurrentLoadCase). Node 1 also sets the
// pile-head results rd_HeadShearResult, rd_HeadMomentResult and rd_HeadSlopeResult. Sets
// EI_Node(1) = EI_Node(2) first.
void NodeResponse(int k);

// Clears the largest moment, shear and stress of the load case and their depths.
void Reset_Response_Maxima();

// Clears the per-section largest moment and shear of load case lc, with their nodes.
void Clear_Section_Maxima(int lc);

// Combined axial and bending stress |Q|/A + |M| c / I; 0 when A or I is 0 (no section data).
double Combined_Stress(double Q, double M, double A, double I, double c);
