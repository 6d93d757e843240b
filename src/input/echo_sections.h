// Echo of the pile: totals, the section property table along the pile with its diameter check,
// and the input fields of every pile section.
#pragma once

// Writes the "Pile Structural Properties and Geometry" block. Raises Input Data Error No. 27
// (a section property point without a diameter) right after the diameter table.
void Write_Pile_Properties_Echo();
