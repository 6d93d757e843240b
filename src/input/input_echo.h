// The input echo: the whole problem written back to the output report in a fixed order of
// framed blocks, with the consistency checks of the complete problem made where the values
// they test are printed. Called once per run after the unit labels are set and before the US
// customary conversion, so the report shows the values as input.
#pragma once

// Writes every block of the echo and the runtime lines "Output of input data begun" and
// "Output of input data completed". May record warnings; raises the Input Data Error of the
// first failed check (17-21, 27-30, 50) and returns at once.
void WriteInputEcho();
