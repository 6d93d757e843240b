// The summary of pile responses written after the last load case: one table row per load case
// with its pile-head condition, axial load, pile-head deflection and rotation and the largest
// moment and shear, and the same values as "Line 13" records of the plot output file. The
// values come from those the results pass kept per load case (report/load_case_results).
#pragma once

// Writes the summary table of the analysed cases to the report and one "Line 13" record per case
// to the plot output file; nothing during the pile-head stiffness study (b_StiffnessPass).
// Reads LoadType, Load1, Load2, AxialThrustLoad (in an LRFD run the factored shear, moment and
// thrust of each combination, all of type 1) and the rd_Case* values. Raises nothing.
void Write_Response_Summary();
