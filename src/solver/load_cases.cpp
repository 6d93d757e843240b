// The load-case loop (see load_cases.h).
#include "solver/load_cases.h"

#include "engine/errors.h"
#include "engine/messages.h"
#include "model/model.h"
#include "py/output_depths.h"
#include "report/fortran_format.h"
#include "report/load_case_results.h"
#include "report/plot_file.h"
#include "solver/case_results.h"
#include "solver/iteration.h"
#include "solver/length_study.h"
#include "solver/node_response.h"

void RunLoadCases() {
    AnalysisModel& m = g_Model;
    // The request for curves at output depths is served once, after the first case converged.
    const bool print_py = PY_Curves_Requested();
    const int cases = Analysed_Case_Count();
    for (int lc = 1; lc <= cases; ++lc) {
        const int iterations = SolveLoadCase(lc);
        m.i_CaseIterations[lc] = iterations;
        // A displacement-and-moment case that did not converge is still reported.
        const bool report_failed_case = m.ErrorStatus == k_Status_Runtime_Base + 10 &&
                                        m.b_UseLRFD == 0 && m.LoadType[lc] == 4;
        m.i_CaseOutcome[lc] = m.ErrorStatus == 0 ? k_Case_Converged
                              : report_failed_case ? k_Case_Not_Converged
                                                   : k_Case_Failed;
        if (m.ErrorStatus != 0 && !report_failed_case) return;
        if (!report_failed_case) {
            FortranRecord line = Text_With_Integer("The convergence criteria have been met for load case ", lc);
            Write_Message_Line(line.text.data());
        }
        if (lc == 1 && m.ErrorStatus == 0) {
            if (print_py) {
                PrintPYCurvesAtDepths();
                if (m.ErrorStatus != 0) return;
            } else {
                Write_Line6_Record(0);   // no curves requested
            }
        }
        Clear_Section_Maxima(lc);
        Complete_Case_Results(lc);
        WriteLoadCaseResults(lc, iterations);
        if (m.ErrorStatus != 0) return;
        // the length study is a study of pile-head load cases; an LRFD combination has none
        if (m.b_LengthStudy[lc] != 0 && m.b_UseLRFD == 0) {
            FortranRecord study = Text_With_Integer(
                "Computing top deflection vs. pile embedment length for load case ", lc, ".");
            Write_Message_Line(study.text.data());
            DeflectionVersusLength(lc);
            if (m.ErrorStatus != 0) return;
        } else {
            Write_Line11_No_Study_Record(lc);
        }
        FortranRecord done = Text_With_Integer("Completed Analysis ", lc);
        Write_Message_Line(done.text.data());
        Write_Message_Line("");
    }
}
