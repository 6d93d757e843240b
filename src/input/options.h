// The OPTIONS section of the input data file: unit system, kind of analysis, loading type,
// solution control and report options.
#pragma once

// Reads the sixteen option lines (seventeen after "ComputeInteraction YES") into the model,
// checking each right after it is read. Raises Input Data Errors 55, 56, 65-68, 95 and 99; the
// lines before a failing line stay stored.
void ReadOptions();
