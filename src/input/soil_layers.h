// The SOIL LAYERS section of the input data file: the soil profile as a stack of layers.
#pragma once

// Reads the layer count and every layer with its top and bottom property lines into the layer
// arrays and the soil strength, unit weight and user p-y tables; sets XGroundSurface to the top
// of the first layer. Raises Input Data Error No. 95 for more than 40 layers, a soil type number
// outside 1-20 or a user p-y curve of more than 29 points, and No. 99 for unreadable lines.
void ReadSoilLayers();
