// The start of a pile section's analysis: its geometry, its material constants, its slices and,
// for a prestressed section, the strains of the prestress; above the geometry, the material laws
// and the prestress, which it puts together.
#pragma once

// The section's analysis values from its input: model, outline depth and width, casing, core
// or void, outline points, and the material constants (section/materials). Reads section s of
// the input; writes i_CurrentSection and the section-analysis geometry and materials.
void Setup_Section_Values(int s);

// The whole setup of section s before its curvature steps: analysis values, slicing, material
// constants and, for prestressed sections, the prestress strains. Can raise Runtime Errors 14 and 15.
void Initialize_EI_Vars(int s);
