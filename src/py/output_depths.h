// p-y curves printed at the depths the user lists, once, after the first load case converged.
#pragma once

// Sorts and purges the requested depths, writes the framing, calls each layer's criterion in
// print mode over the requested depths and restores the discretization. Sets status 123
// (Input Data Error No. 23) for a depth above the ground surface.
void PrintPYCurvesAtDepths();
