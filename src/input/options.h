// The OPTIONS section of the input data file: unit system, kind of analysis, loading type,
// solution control and report options.
#pragma once

// Reads the sixteen option lines (seventeen after "ComputeInteraction YES") into the model,
// checking each right after it is read. Raises Input Data Errors 55, 56, 65-68, 95 and 99; the
// lines before a failing line stay stored.
void ReadOptions();

// An option line as the reader recognizes it: its leading word and the values it accepts after
// one blank ("UseLRFD" with "YES" and "NO"). The loading type line and the interaction code line
// have a label the reader does not compare: their word is empty and only their values count.
// For the documentation check of the input format.
struct OptionWords {
    const char* word;
    const char* const* values;
    int num_values;
};

// The option lines in reading order: Option_Words(i) for i from 0 to Option_Words_Count() - 1,
// nullptr outside.
int Option_Words_Count();
const OptionWords* Option_Words(int i);
