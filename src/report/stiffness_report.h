// The report of the pile-head stiffness study: the title box, the table of the shear series
// (K22, K32) and the table of the moment series (K23, K33), and the ten "Line 14" records of
// the plot output file. It formats what solver/head_stiffness kept; it computes nothing.
#pragma once

// Writes the stiffness report from rd_Stiffness* and rd_K22/K23/K32/K33. Raises nothing.
void Write_Stiffness_Report();
