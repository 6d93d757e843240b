// The input data file reader: recognizes section keywords, hands each section to its reader
// and stops at the END line.
#pragma once

// Reads from the line after the tag line up to the END line into the model, then derives the
// axial thrust list of the section analysis from the load cases. Raises Input Data Error No. 99
// for an unrecognized line or an input data file that ends before END; the section readers raise
// their own errors.
void ReadInputData();
