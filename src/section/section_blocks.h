// The per-type block of dimensions and properties that opens a pile section's part of the
// report, and the bar spacing it reports. AnalyzeSection (section/section_report) writes the
// block once the section's analysis values are set up.
#pragma once

// The block of pile section s by its input type (types 0 to 10): heading, dimensions and
// properties, up to where the capacity lines (section/capacities) follow. Reads the input of
// section s and the analysis values of Setup_Section_Values.
void Write_Section_Block(int s);

// The bar or strand tables that close the block of section s after its capacity lines; nothing
// for the types without bars.
void Write_Section_Details(int s);

// Edge-to-edge spacing of the bars of section s on a circle: centre distance from bar 1 to the
// first bar of the next group less the bar diameter; 0 unless the bars lie on a circle in two
// or more groups (there is no next group otherwise).
double Edge_To_Edge_Bar_Spacing(int s);
