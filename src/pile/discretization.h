// The pile's nodes for one load case: equal increments along the pile, the depth of every node
// along the pile and below the pile head, the elastic bending stiffness at every node, the pile
// section that contains each node, and the first and last node of every soil layer. The p-y
// criteria work over the layer node ranges set here; the solver works over the node arrays.
// Section values come from pile/section_properties; the distributed load, soil movement and LRFD
// load terms per node belong to the lateral-load modules.
#pragma once

#include <array>

#include "model/capacities.h"

// Divides the pile into NumIncrements equal increments and fills NumNodes, IncrementLength,
// XNode, ZNode, W_Node (outside LRFD runs) and EI_Node, then the section of every node and the
// node range of every layer. Called at the start of every load case and every pass of the length
// study, with rd_PileLengthAnalysed already set for it. Raises nothing itself.
void DiscretizePile();

// Fills i_SectionOfNode(1..N) from XNode. A node on a section boundary belongs to the section
// above; with one section every entry is section 1; a node no section contains keeps its entry.
void AssignSectionsToNodes(int N);

// Fills i_TopNodeInLayer and i_BottomNodeInLayer from the vertical node depths ZNode(1..N).
// A node on a layer interface is the first node of the layer below; a layer no node falls into
// gets 0 in both entries. When the pile tip lies below the deepest layer the last layer with
// nodes gets -1 as its last node and the report receives the "ERROR 2" lines; the run goes on.
void AssignNodesToLayers(int N);

// Ranges of the n sorted depths depth(1..n) in each layer, 1-based by layer: a layer holds the
// depths from the first at or below its top (top 0 and bottom 0: none, when that one lies below
// its bottom) to the one before the next layer's first (-1 when no layer below holds any); the
// layer that reaches the deepest depth holds the rest. Serves the pile's nodes and the depths
// of the printed p-y curves alike.
using LayerRanges = std::array<int, k_Max_Soil_Points + 1>;
void Assign_Depth_Ranges_To_Layers(const double* depth, int n, LayerRanges& top,
                                   LayerRanges& bottom);

// As AssignNodesToLayers, with the depths along the pile XNode(1..N); used while XNode holds the
// depths at which p-y curves are printed.
void AssignNodesToLayersAlongPile(int N);

// The thin-layer test for layer L, made in the first iteration of a load case after the layer's
// p-y update: a layer below the first that holds no node, starts above the pile tip, has no
// equivalent depth computed and does not lie below a rock layer raises Runtime Error No. 29
// (status 229) with its message in the report and the runtime message file.
void CheckLayerHasNode(int L);
