// Every p-y criterion, one per soil type code; dispatch.cpp calls them by the layer's code.
// Each sets Es_Node (and, with soil movement, W_Node) for the nodes of layer L in normal mode,
// or prints its curves at the requested depths in print mode.
#pragma once

void PY_SoftClay(int L);
void PY_SoftClayJ(int L);
void PY_StiffClayFreeWater(int L);
void PY_StiffClayNoFreeWater(int L);
void PY_StiffClayNoFreeWaterK(int L);
void PY_Sand(int L);
void PY_APISand(int L);
void PY_LiquefiedSand(int L);
void PY_ElasticSubgrade(int L);
void PY_UserCurves(int L);
