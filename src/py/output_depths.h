// p-y curves printed at the depths the user lists, once, after the first load case converged.
#pragma once

// Sorts and purges the requested depths into rd_PYCurveDepth, writes the framing and calls each layer's criterion in
// print mode over the requested depths of the layer; the pile's nodes are not touched. Sets
// status 123 (Input Data Error No. 23) for a depth above the ground surface.
void PrintPYCurvesAtDepths();
