// Non-convergence report with its recommendations, and the excess-deflection error block.
#include "solver/convergence_report.h"

#include <cmath>

#include "engine/messages.h"
#include "model/model.h"
#include "model/units.h"
#include "report/fortran_format.h"
#include "report/number_writer.h"

namespace {

// Recommended upper limits of the convergence tolerance, single-precision 1e-4 in and 2.54e-6 m.
constexpr double k_Tolerance_Limit_US = 9.999999747378752e-05;
constexpr double k_Tolerance_Limit_SI = 2.539999968576012e-06;
constexpr int k_Iteration_Ceiling = 1000;

// "label value unit" with the value in E12.4 and a blank before the length unit.
void Write_Value_Line(const char* label, double value) {
    FortranRecord r = Text_With_E(label, value, 12, 4, " ");
    Append_Text(r, g_Model.LabelLength);
    WriteLine(r.text.data());
}

// Advice on raising the convergence tolerance, written when it is below the recommended limit
// and the last change of deflection is too.
void Write_Tolerance_Advice(double dymax, bool si, bool estimate_known) {
    WriteLine("The current value for convergence tolerance is less than the recommended upper limit of ");
    WriteLine(si ? "0.00000254 meters, so a solution is possible if the convergence tolerance is raised to a value "
                 : "0.0001 inches, so a solution is possible if the convergence tolerance is raised to a value ");
    FortranRecord r = Text_With_E("greater than ", dymax, 12, 4, " ");
    Append_Text(r, g_Model.LabelLength);
    Append_Text(r, ".");
    WriteLine(r.text.data());
    WriteLine("");
    if (!si) {
        WriteLine("It is recommended that the convergence tolerance not be raised above 0.0001 inches.");
    } else if (estimate_known) {
        WriteLine("It is recommended that the convergence tolerance not be raised above 0.00000254 meters.");
    } else {
        WriteLine("It is recommended that the convergence tolerance not be raised above 2.54E-6 meters.");
    }
}

}  // namespace

bool Estimate_Iterations_Needed(int max_iterations, double dymax, double delta_dymax,
                                double tolerance, long long& estimate) {
    const double n = std::fabs(max_iterations + (dymax - tolerance) / delta_dymax);
    // Infinity cannot be truncated to an integer either: it is no estimate.
    if (!std::isfinite(n) || n >= 9.2e18) return false;
    estimate = static_cast<long long>(n);
    return true;
}

void Write_Non_Convergence_Report(int max_iterations, double dymax, double delta_dymax,
                                  double tolerance) {
    const char* dashes36 = "------------------------------------";
    const char* dashes77 =
        "-----------------------------------------------------------------------------";
    WriteLine("");
    WriteLine("");
    WriteLine(dashes36);
    WriteLine("  ****  Runtime Error No. 10  ****  ");
    WriteLine(dashes36);
    FortranRecord r = Text_With_Integer("The analysis failed to converge within the limit of ", max_iterations, " iterations.");
    WriteLine(r.text.data());
    Write_Value_Line("Maximum change in nodal deflections                      = ", dymax);
    Write_Value_Line("Maximum change in nodal deflections from prior iteration = ", delta_dymax);
    Write_Value_Line("Specified convergence tolerance on nodal deflections     = ", tolerance);
    WriteLine("");
    WriteLine(dashes77);
    WriteLine("         Analysis of Convergence Performance and Recommendations for         ");
    WriteLine("         Modification of Iterations Limit and Convergence Tolerance          ");
    WriteLine(dashes77);
    WriteLine("The following recommendations are made on the basis of an analysis of ");
    WriteLine("convergence performancefor the last analysis. ");

    const int units = g_Model.IUNITS;
    const bool us = units == k_Units_US;
    const bool si = units == k_Units_SI;
    const double limit = us ? k_Tolerance_Limit_US : k_Tolerance_Limit_SI;
    const bool iterations_allow_advice = !us || max_iterations <= k_Iteration_Ceiling;

    long long estimate = 0;
    if (!Estimate_Iterations_Needed(max_iterations, dymax, delta_dymax, tolerance, estimate)) {
        WriteLine("The estimated number of iterations needed to obtain a solution cannot be computed.");
        WriteLine("for the current criteria values.");
        if ((us || si) && tolerance < limit && dymax < limit && iterations_allow_advice) {
            Write_Tolerance_Advice(dymax, si, false);
        }
        return;
    }
    WriteLine("The estimated number of iterations needed to obtain a solution for the current convergence ");
    Start_Record(r);
    Append_Text(r, "tolerance value is ");
    Append_I(r, estimate, 0);
    Append_Text(r, " iterations.");
    WriteLine(r.text.data());
    if (!us && !si) return;   // general units: no advice

    if (tolerance < limit && iterations_allow_advice) {
        if (estimate < k_Iteration_Ceiling) {
            WriteLine("A solution may be possible by increasing the maximum number of iterations to above this value.");
        } else if (estimate > k_Iteration_Ceiling) {
            WriteLine(si ? "The estimated number of iterations required to obtain a solution is greater than 1,000, so a "
                         : "The estimated number of iterations required to obtain a solution is greater than 1000, so a ");
            WriteLine("solution can only be obtained if the convergence tolerance is increased in value.");
        }
        if (dymax < limit) Write_Tolerance_Advice(dymax, si, true);
    }
    if (dymax >= limit) {
        if (estimate < k_Iteration_Ceiling && max_iterations < k_Iteration_Ceiling) {
            WriteLine("The analysis of convergence performance found that it is not likely that a ");
            WriteLine("solution can be obtained by changing the solution criteria for this problem. ");
            WriteLine("However, the maximum number of iterations is less than 1000, so a solution ");
            WriteLine("may be obtained by raising the maximum number of iterations to 1000.");
        } else if (max_iterations >= k_Iteration_Ceiling || estimate > k_Iteration_Ceiling) {
            WriteLine("The analysis of convergence performance found that it is not possible to obtain a ");
            WriteLine("solution by changing the solution criteria for this problem. This indicates that  ");
            WriteLine("the pile is loaded above its structural and/or geotechnical capacity.");
        }
    }
}

void Write_Excess_Deflection_Error(double y_top, double limit) {
    FortranRecord computed = Text_With_E("The computed deflection of the pile head is ", y_top, 12, 4, " ");
    Append_Text(computed, g_Model.LabelLength);
    FortranRecord specified = Text_With_E("The specified excess deflection limit is    ", limit, 12, 4, " ");
    Append_Text(specified, g_Model.LabelLength);
    const char* lines[] = {
        "", "", "**** Runtime Error No. 9 ****",
        "An error in the analysis was detected by the program.  ",
        "Problem:  The computed deflection is larger than the specified excess deflection limit.",
        computed.text.data(), specified.text.data(),
        "This error may be due to overloading the pile or bad input data.", "", "Solution:",
        "Please check input values for pile loading and soil properties for accuracy and/or ",
        "increase the size of the pile if necessary."};
    for (const char* l : lines) Write_Report_Line(l);
    for (const char* l : lines) Write_Message_Line(l);
}
