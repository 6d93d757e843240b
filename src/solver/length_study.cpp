// Pile-head deflection versus pile length.
#include "solver/length_study.h"

#include <cassert>
#include <cmath>

#include "engine/errors.h"
#include "model/model.h"
#include "pile/discretization.h"
#include "report/length_study_report.h"
#include "solver/head_stiffness.h"
#include "solver/iteration.h"
#include "solver/node_response.h"

namespace {

constexpr float k_Length_Step = 0.05f;                       // of the input length per trial
constexpr double k_Shortest_Fraction = 0.05000000074505806;  // 0.05 (s)

// Solves the pile at length Lj under the head condition of load case lc and, when the trial
// converged within the excess deflection limit, stores its point. Returns false on an error.
bool Run_Trial(int lc, double Lj) {
    AnalysisModel& m = g_Model;
    m.rd_PileLengthAnalysed = Lj;
    DiscretizePile();
    if (m.ErrorStatus != 0) return false;
    Start_Case(m.LoadType[lc], m.Load1[lc], m.Load2[lc], m.AxialThrustLoad[lc]);
    if (m.ErrorStatus != 0) return false;
    const IterationResult result = Iterate_Trial();
    if (m.ErrorStatus != 0) return false;
    const bool within_limit = std::fabs(Y_Node(1)) <= m.MaxAllowableDeflection;
    if (!result.converged || !within_limit || !(std::fabs(m.DYMax) < m.ConvergenceTolerance)) return true;
    Reset_Response_Maxima();
    for (int k = 1; k <= m.NumNodes; ++k) NodeResponse(k);
    const int j = ++m.i_LengthStudyPoints[lc];
    assert(j <= k_Max_Length_Trials);
    m.rd_StudyPileLength[j][lc] = m.XNode[m.NumNodes];
    m.rd_StudyHeadDeflection[j][lc] = Y_Node(1);
    m.rd_StudyMaxMoment[j][lc] = m.rd_MaxMoment;
    m.rd_StudyMaxShear[j][lc] = m.rd_MaxShear;
    return true;
}

}  // namespace

double Trial_Length_Fraction(int j) {
    const float step = k_Length_Step * static_cast<float>(j);
    return 1.0 - static_cast<double>(step);
}

void DeflectionVersusLength(int lc) {
    AnalysisModel& m = g_Model;
    assert(lc >= 1 && lc <= k_Max_Load_Cases);
    const double L = m.PileLength;
    const double shortest = k_Shortest_Fraction * L + m.XGroundSurface;
    m.i_LengthStudyPoints[lc] = 0;
    // The trials are no load case: the per-section maxima of load case lc stay its own.
    m.i_CurrentLoadCase = 0;
    bool ok = true;
    for (int j = 0; j < k_Max_Length_Trials && ok; ++j) {
        const double Lj = Trial_Length_Fraction(j) * L;
        if (Lj < shortest) break;   // every later trial is shorter still
        ok = Run_Trial(lc, Lj);
    }
    m.rd_PileLengthAnalysed = L;
    m.i_CurrentLoadCase = lc;
    if (Soil_Movement_Acts()) RecordWarning(-k_Warning_Soil_Movement_Study);
    if (!ok) return;
    Write_Length_Study_Report(lc);
}
