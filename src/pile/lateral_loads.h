// Loads along the pile rather than at its head: the distributed lateral load averaged over each
// node's tributary length, and the lateral soil movement interpolated to every node.
#pragma once

// Average distributed load over the tributary length of the node at depth x along the pile
// (half an increment each way, cut at the head and the tip); 0 without a load profile.
double DistributedLoadAtNode(double x);

// LRFD runs: the distributed loads of all loading groups of each load type averaged at every
// node of the current discretization (rd_LrfdDistLoad_Node), exactly as a load profile is;
// the first call of a run also writes their report block, later calls only refill the values.
void LRFDDistributedLoads();

// Distributed load of LRFD combination c at node k: the sum of its positive load factors times
// the per-type node loads.
double LRFDLoadAtNode(int k, int c);

// Puts the distributed load of LRFD combination c at every node (DistLoad_Node and W_Node), so
// that the solver and the soil-movement coupling see the combination's load.
void Set_Lrfd_Node_Loads(int c);

// Soil movement at nodes 1..N from the soil movement profile (only with two or more points):
// 0 above the first and below the last point, linear in between.
void SoilMovementAtNodes(int N);
