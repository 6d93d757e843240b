// Soil-type dispatch of the p-y criteria and one pass over the soil layers.
#pragma once

// Calls the criterion of layer L's soil type; a soil type without a criterion leaves the
// layer's moduli unchanged.
void UpdateLayerSoilModuli(int L);

// Counts rock-type layers and marks layers lying below one, after layer L was processed.
void Update_Rock_Layer_Bookkeeping(int L);

// One normal-mode pass: every layer that holds nodes, top down, with its bookkeeping. Stops at
// the first error. Returns with ErrorStatus set when a criterion raised.
void Update_Soil_Moduli_Pass();
