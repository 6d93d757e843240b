// The input data file reader: recognizes section keywords, hands each section to its reader
// and stops at the END line.
#pragma once

// Reads from the line after the tag line up to the END line into the model. Raises Input Data
// Error No. 99 for an unrecognized line or an input data file that ends before END.
void ReadInputData();
