// The warning catalogue: the standard text of every warning number and the closing summary of
// the warnings recorded in a run.
#pragma once

// Warning numbers the catalogue adds to the standard ones, for input the engine reads on with.
constexpr int k_Warning_Title_Cut = 391;   // a title line ran past its 256 characters

// Writes the summary of warning messages to the report: each recorded warning number in
// ascending order with its count and its standard text, once.
void WriteWarningSummary();
