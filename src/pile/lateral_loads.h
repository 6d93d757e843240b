// Loads along the pile rather than at its head: the distributed lateral load averaged over each
// node's tributary length, and the lateral soil movement interpolated to every node.
#pragma once

// Average distributed load over the tributary length of the node at depth x along the pile
// (half an increment each way, cut at the head and the tip); 0 without a load profile.
double DistributedLoadAtNode(double x);

// Soil movement at nodes 1..N from the soil movement profile (only with two or more points):
// 0 above the first and below the last point, linear in between.
void SoilMovementAtNodes(int N);
