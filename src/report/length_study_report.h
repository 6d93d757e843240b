// The report block of a load case's pile-head deflection versus pile length study and its plot
// records "Line 11" and "Line 12". It formats what solver/length_study kept; it computes nothing.
#pragma once

// Writes the study block of load case lc (title, the load case's pile-head condition, and the
// table of points or the note that no trial succeeded) and the plot records. Raises nothing.
void Write_Length_Study_Report(int lc);
