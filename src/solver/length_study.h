// The pile-head deflection versus pile length study of a load case: the pile is shortened in
// steps of 5 % of its input length and solved again under the load case's head condition; every
// trial length that converges within the excess deflection limit gives a point of pile length,
// pile-head deflection, largest moment and largest shear. Its report block and plot records are
// report/length_study_report's.
#pragma once

// Fraction of the input pile length at trial j = 0..19: 1 - 0.05 j, with 0.05 j formed in
// single precision as the study has always stepped.
double Trial_Length_Fraction(int j);

// Runs the study of load case lc: trials from the full length down, stopping at the first trial
// shorter than 5 % of the pile plus the depth of the ground surface (it and every shorter one
// would leave too little pile in the soil, and are never solved); stores the points in
// i_LengthStudyPoints and rd_Study*[.][lc], writes the study's report block, "Line 11" and one
// "Line 12" per point. Restores the analysed pile length and the load case being solved. Raises what the
// solver and the criteria raise; a trial that exceeds the excess deflection limit, does not
// converge or yields no number only yields no point.
void DeflectionVersusLength(int lc);
