// Equilibrium of the solved pile, checked segment by segment during the results pass of a load
// case: each increment between two nodes must balance its end moments and shears against the
// axial thrust acting through its deflection and the net lateral load on it. The check keeps the
// largest moment and lateral force imbalances of the case; report/equilibrium_report confirms the
// solution or warns. The node responses it reads come from solver/node_response.
#pragma once

// Imbalances of one segment, from the values at its upper node u and lower node l = u + 1.
struct SegmentImbalance {
    double force;    // lateral force imbalance (lbs | kN)
    double moment;   // moment imbalance (in-lb | kN-m)
};

// The law of one segment of length h under thrust Q. shear_u is EI y''' at u (no axial part),
// slope_u the slope there; shear_l_total the whole shear at l (the axial part included);
// M_u, M_l the moments; y_u, y_l the deflections; n_u, n_l the net lateral load terms W - Es y.
SegmentImbalance Compute_Segment_Imbalance(double h, double Q, double shear_u, double slope_u,
                                           double shear_l_total, double M_u, double M_l,
                                           double y_u, double y_l, double n_u, double n_l);

// Called by the results pass right after NodeResponse(k) for k = 3..N, which closes the segment
// from node k - 2 to node k - 1, and once more with k = N + 1 for the segment ending at the tip.
// The call for node 3 starts the case: it clears the kept largest imbalances and takes the
// head values (slope and shear through the imaginary nodes, the pile-head moment kept by the
// node response of node 1). The call for N + 1 closes the tip segment.
// Reads Y_Node, EI_Node, W_Node, Es_Node, rd_Moment_Node, TipShear; writes the rd_Eq* fields
// and the largest imbalances with their nodes. Raises nothing.
void CheckEquilibrium(int k);
