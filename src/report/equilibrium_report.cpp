// The equilibrium confirmation and warning blocks of a load case.
#include "report/equilibrium_report.h"

#include <cmath>

#include "engine/messages.h"
#include "model/model.h"
#include "model/units.h"
#include "report/fortran_format.h"
#include "report/number_writer.h"

namespace {

constexpr double k_Moment_Limit_US = 1.0;          // in-lb
constexpr double k_Moment_Limit_SI = 0.00011298;   // kN-m, one inch-pound

bool US_Units() { return g_Model.IUNITS == k_Units_US; }

// "label value unit" with the report's number form of width 12.
void Write_Report_Imbalance(const char* label, double value, const char* unit) {
    FortranRecord line;
    Start_Record(line);
    Append_Text(line, label);
    Append_Text(line, Format_Number(value, 12).text.data());
    Append_Text(line, " ");
    Append_Trimmed(line, unit);
    WriteLine(line.text.data());
}

// "label value unit at node k" with E12.5, for the runtime message file.
void Write_Message_Imbalance(const char* label, double value, const char* unit, int node) {
    FortranRecord line = Text_With_E(label, value, 12, 5, " ");
    Append_Trimmed(line, unit);
    Append_Text(line, " at node ");
    Append_I(line, node, 0);
    Write_Message_Line(line.text.data());
}

// The warning block, to the report (error 5501) and to the runtime message file (550); the SI
// texts differ in the heading's case and in the wording of where the stiffness changes.
void Write_Imbalance_Warning() {
    const AnalysisModel& m = g_Model;
    const bool us = US_Units();
    const char* const where =
        us ? "of nonlinear bending stiffness within three nodal points of the top of the pile"
           : "of nonlinear bending stiffness within the top three nodal points of the pile";
    const char* const body[] = {
        "",
        "Force and moment imbalances may be too large for a good solution.",
        "",
        "The cause of the imbalance may be due to extreme changes in magnitude",
        where,
        "which may affect the finite difference computation of shear force.",
        "",
        "Please examine curves and printed output for deflection, moment, shear force,",
        "and number of iterations to determine if computed values are reasonable.",
        "If the shear force shows large changes, increase the number of nodal points",
        "(pile increments) and repeat the analysis.",
        "",
    };
    WriteLine("");
    WriteLine("");
    WriteLine(us ? "**** Warning - POSSIBLE SOLUTION ERROR 5501 ****"
                 : "**** Warning - Possible Solution Error 5501 ****");
    for (const char* line : body) WriteLine(line);
    Write_Report_Imbalance("Maximum internal moment imbalance for pile        = ",
                           m.rd_MaxMomentImbalance, m.LabelMoment);
    Write_Report_Imbalance("Maximum internal lateral force imbalance for pile = ",
                           m.rd_MaxForceImbalance, m.LabelForce);

    Write_Message_Line("");
    Write_Message_Line("");
    Write_Message_Line(us ? "**** Warning - POSSIBLE SOLUTION ERROR 550 ****"
                          : "**** Warning - Possible Solution Error 550 ****");
    for (const char* line : body) Write_Message_Line(line);
    // "pile  solution" with two blanks lines its "=" up with the moment line's
    Write_Message_Imbalance("Maximum internal moment imbalance for pile solution         = ",
                            m.rd_MaxMomentImbalance, m.LabelMoment, m.i_MaxMomentImbalanceNode);
    Write_Message_Imbalance("Maximum internal lateral force imbalance for pile  solution = ",
                            m.rd_MaxForceImbalance, m.LabelForce, m.i_MaxForceImbalanceNode);
}

}  // namespace

void Write_Equilibrium_Result() {
    const AnalysisModel& m = g_Model;
    const double limit = US_Units() ? k_Moment_Limit_US : k_Moment_Limit_SI;
    if (std::fabs(m.rd_MaxMomentImbalance) > limit) {
        Write_Imbalance_Warning();
        return;
    }
    if (m.b_PrintSummaryOnly != 0 || m.b_ComputeKmatrix != 0) return;
    WriteLine("");
    WriteLine("Output Verification: Computed forces and moments are within specified convergence "
              "limits.");
    WriteLine("");
}

