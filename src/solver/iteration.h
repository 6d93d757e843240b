// The load-case loop and the nonlinear iteration of one load case: solve with the current secant
// soil moduli and bending stiffnesses, re-evaluate the p-y curves and the stiffnesses at the new
// deflections, and repeat until the largest change of deflection is within the tolerance.
#pragma once

// Every pile-head load case (or, in an LRFD run, every factored combination) in order: iteration, p-y curves at output depths after the first,
// the results report, and the progress lines of the runtime message file.
void RunLoadCases();

// Iterates load case lc to convergence; raises Runtime Errors No. 9, 10 and 28 (and passes on
// those of the solver, the pile model and the criteria). Returns the number of solutions made.
int SolveLoadCase(int lc);
