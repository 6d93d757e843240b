// The SECTIONS section of the input data file: the pile as a sequence of sections from the head
// down, each with its type, dimensions, materials and reinforcement, and the section property
// table built from them.
#pragma once

// Reads every section into its section record, accumulates PileLength and the section depths,
// and fills the section property table (points 2s - 1 and 2s). SI dimensions in millimeters are
// stored in meters. Raises Input Data Error No. 95 for sections out of order, a type code outside
// -3 and 0 to 14, counts beyond the model's capacity and the sub-readers' unrecognized lines, and
// No. 99 for unreadable lines.
void ReadSections();
