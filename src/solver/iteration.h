// The nonlinear iteration of one load case: solve with the current secant
// soil moduli and bending stiffnesses, re-evaluate the p-y curves and the stiffnesses at the new
// deflections, and repeat until the largest change of deflection is within the tolerance. The
// pile-head studies solve their own series of head conditions through the same iteration.
#pragma once

// Iterates load case lc to convergence; raises Runtime Errors No. 9, 10 and 28 (and passes on
// those of the solver, the pile model and the criteria). Returns the number of solutions made.
int SolveLoadCase(int lc);

// As SolveLoadCase, for a head condition that is not an input load case: the pile of the input
// length under load type `type` with the two head values and the axial thrust given, announced
// and reported in the progress lines as case `number`. i_CurrentLoadCase is the caller's.
int Solve_Head_Condition(int number, int type, double load1, double load2, double thrust);

// Clears the deflections, sets the initial soil moduli and the head condition of a case on the
// pile as discretized, and the vuggy limestone moduli from them: the start of every solution,
// load case, study case or length trial. May raise the criteria's errors.
void Start_Case(int type, double load1, double load2, double thrust);

// Outcome of an iteration: the solutions made, and whether the last one met the tolerance.
struct IterationResult {
    int solutions;
    bool converged;
};

// A trial of the length study: the iteration from the state Start_Case left, without progress
// lines; a deflection beyond the excess limit after the tenth solution, a value that is not a
// number or the iteration limit end it unconverged rather than raising. Errors of the solver and
// the criteria still end the run.
IterationResult Iterate_Trial();
