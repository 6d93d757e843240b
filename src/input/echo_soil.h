// Echo of the soil profile: one labelled block per layer with the properties its p-y criterion
// reads, the input p-y curves, the default-value notes, the depth check of liquefied sand layers
// and the summary of layers by soil type.
#pragma once

// Writes the "Soil and Rock Layering Information" block; may record warning 354.
void Write_Soil_Layers_Echo();

// For a liquefied sand layer L whose bottom lies deeper below the ground surface than 6 m
// (19.685039520263672 ft, the single-precision 6 m), writes the warning lines of the unit system
// and records warning 354. Depths are in input units; general units are not checked.
void Check_Liquefied_Sand_Depth(int L);
