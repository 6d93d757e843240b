// The warning catalogue: the standard text of every warning number and the closing summary of
// the warnings recorded in a run.
#pragma once

// Writes the summary of warning messages to the report: each recorded warning number in
// ascending order with its count and its standard text, once.
void WriteWarningSummary();
