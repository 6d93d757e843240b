// Soil-type dispatch of the p-y criteria and one pass over the soil layers.
#pragma once

// Whether a p-y criterion is built for this soil type: the types UpdateLayerSoilModuli calls a
// criterion for. The run refuses a problem with a layer of another type before computing.
bool Has_Criterion(int soil_type);

// Calls the criterion of layer L's soil type, in normal mode (print false: it sets the layer's
// moduli) or in print mode (print true: it prints its curves at the requested depths that lie
// in the layer). A soil type without a criterion leaves the layer's moduli unchanged.
void UpdateLayerSoilModuli(int L, bool print);

// Counts rock-type layers and marks layers lying below one, after layer L was processed.
void Update_Rock_Layer_Bookkeeping(int L);

// One normal-mode pass: every layer that holds nodes, top down, with its bookkeeping. Stops at
// the first error. Returns with ErrorStatus set when a criterion raised.
void Update_Soil_Moduli_Pass();

// The pass at the start of a load case, before its first solution: every vuggy limestone layer
// that holds nodes, top down with its bookkeeping (counting only these layers), so that the
// first solution already sees the rock's own stiff initial modulus instead of the default one.
// Stops at the first error.
void Update_Vuggy_Limestone_Layers();
