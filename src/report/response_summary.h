// The summary of pile responses written after the last load case: one table row per load case
// with its pile-head condition, axial load, pile-head deflection and rotation and the largest
// moment and shear, and the same values as "Line 13" records of the plot output file. The
// values come from those the results pass kept per load case (report/load_case_results).
#pragma once

// Writes the summary table of load cases 1..NumLoadCases to the report and one "Line 13" record
// per case to the plot output file; nothing during the pile-head stiffness study
// (b_StiffnessPass). Reads LoadType, Load1, Load2, AxialThrustLoad and the rd_Case* values.
// The table of LRFD combinations, with their factored loads, is not written here: this build
// refuses LRFD runs before any computation. Raises nothing.
void Write_Response_Summary();
