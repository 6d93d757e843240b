// The elastic (type 11) and elastic-plastic (type 12) pile sections: shape, modulus, dimensions,
// areas, moments of inertia and plastic moments, and their rows of the section property table.
#pragma once

// Reads the elastic properties of section s and fills its section property table points.
// Raises Input Data Error No. 99 for unreadable lines.
void ReadElasticSection(int s);

// The same with the plastic moment capacity at top and bottom before the elastic lines.
void ReadElasticPlasticSection(int s);
