// Checks of the section data the section analysis computes with: dimensions that leave no
// material or make an outline intersect itself, strengths and moduli that are not positive,
// a concrete strength too low for the tensile law, and bars outside the outline. Each refusal
// is a numbered input error naming the section and the value.
#pragma once

#include "section/section_errors.h"

// Checks pile section s (a type with a section model) before anything is computed with it.
// Setup_Section_Values(s) runs first: the bars are tested against the outline it makes.
// Raises No. 81 (dimensions, negative cover, cage offset, aggregate size, bar diameter or area,
// bars with more area than the section), No. 82 and 83 (materials), No. 81, 82 and 91 for values
// beyond any real pile, No. 95 (strand codes outside the strand table), No. 91 (prestressing
// force or loss), No. 80 (a bar outside the outline, wider than the section, or bars on a circle
// that overlap) and No. 79 (a concrete section or micropile with no steel to carry tension).
void Check_Section_Data(int s);

// The checks of pile section s that its analysis makes before computing, for a check of the
// input that computes nothing: the section's analysis values set up and its data checked (types
// with a section model). Raises what Setup_Section_Values and Check_Section_Data raise.
void Check_Section_Before_Analysis(int s);
