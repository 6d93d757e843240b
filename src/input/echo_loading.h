// Echo of the pile-head loading: the table of pile-head load cases, and in an LRFD run the
// unfactored loading groups, their totals by load type and the load and resistance factors of
// the combinations as input.
#pragma once

// Writes the "Pile-head Loading and Pile-head Fixity Conditions" block.
void WritePileHeadLoading();

// Writes the LRFD input blocks: unfactored loading groups, totals by load type, factors.
void Write_Lrfd_Input_Echo();
