// Every p-y criterion, one per soil type code; dispatch.cpp calls them by the layer's code.
// Each runs the framework's node loop (Run_PY_Criterion) with its own law and rules: the loop
// sets Es_Node (and, with soil movement, W_Node) for the nodes of layer L in normal mode
// (print false), or the criterion prints its curves at the requested depths (print true).
#pragma once

void PY_SoftClay(int L, bool print);
void PY_SoftClayJ(int L, bool print);
void PY_StiffClayFreeWater(int L, bool print);
void PY_StiffClayNoFreeWater(int L, bool print);
void PY_StiffClayNoFreeWaterK(int L, bool print);
void PY_Sand(int L, bool print);
void PY_APISand(int L, bool print);
void PY_LiquefiedSand(int L, bool print);
void PY_CementedSilt(int L, bool print);
void PY_Loess(int L, bool print);
void PY_Piedmont(int L, bool print);
void PY_WeakRock(int L, bool print);
void PY_VuggyLimestone(int L, bool print);
// Massive rock computes no curve: the first evaluation of a layer holding nodes stops the run.
void PY_MassiveRock(int L, bool print);
void PY_ElasticSubgrade(int L, bool print);
void PY_UserCurves(int L, bool print);
