// The input data file reader: recognizes section keywords, hands each section to its reader
// and stops at the END line.
#pragma once

// The line that closes the problem; lines after it are not read.
constexpr const char* k_End_Keyword = "END";

// Reads from the line after the tag line up to the END line into the model, then derives the
// axial thrust list of the section analysis from the load cases. Raises Input Data Error No. 99
// for an unrecognized line or an input data file that ends before END; the section readers raise
// their own errors.
void ReadInputData();

// The section keywords the reader recognizes, in the order of its dispatch table (END, which
// closes the problem, is not among them): Section_Keyword(i) for i from 0 to
// Section_Keyword_Count() - 1, nullptr outside. For the documentation check of the input format.
int Section_Keyword_Count();
const char* Section_Keyword(int i);
