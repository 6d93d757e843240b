// The messages of a load case that fails to converge: Runtime Error No. 10 with the analysis of
// convergence performance, and Runtime Error No. 9 for a pile-head deflection beyond the
// excess deflection limit.
#pragma once

// Estimated iterations to reach the tolerance by extrapolating the last change rate; false when
// the estimate is not a number (it is truncated toward zero to a 64-bit integer).
bool Estimate_Iterations_Needed(int max_iterations, double dymax, double delta_dymax,
                                double tolerance, long long& estimate);

// Writes the Runtime Error No. 10 report with its recommendations to the output report.
void Write_Non_Convergence_Report(int max_iterations, double dymax, double delta_dymax,
                                  double tolerance);

// Writes the Runtime Error No. 9 block to the report and the runtime message file.
void Write_Excess_Deflection_Error(double y_top, double limit);
