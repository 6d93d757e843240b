// The load-case loop: every case solved in order, with what follows each one (the p-y curves at
// output depths after the first, the results report, the length study of a case that asks for
// it). Above the iteration and the length study, which it drives.
#pragma once

// Every pile-head load case (or, in an LRFD run, every factored combination) in order:
// iteration, p-y curves at output depths after the first, the results report, the length study
// of a case that asks for it, and the progress lines of the runtime message file.
void RunLoadCases();
