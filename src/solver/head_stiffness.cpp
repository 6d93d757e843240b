// Pile-head stiffness series and the stiffness terms formed from them.
#include "solver/head_stiffness.h"

#include <cassert>
#include <cmath>

#include "engine/errors.h"
#include "model/model.h"
#include "model/units.h"
#include "report/load_case_results.h"
#include "report/stiffness_report.h"
#include "solver/case_results.h"
#include "solver/iteration.h"

namespace {

constexpr double k_Smallest_Base = 1.0000000116860974e-07;   // 1e-7 (s)
constexpr double k_First_Fraction = 0.10000000149011612;     // 0.1 (s)
constexpr double k_Default_Shear = 10.0;                     // lbs, and in general units
constexpr double k_Default_Moment = 100.0;                   // in-lb, and in general units
constexpr double k_Default_Shear_SI = 0.044482216238975525;  // 10 lb in kN (s)
constexpr double k_Default_Moment_SI = 0.011298480443656445; // 100 in-lb in kN-m (s)

constexpr int k_Shear_Series_Type = 2;    // shear and slope, the slope held at zero
constexpr int k_Moment_Series_Type = 4;   // deflection and moment, the deflection held at zero
constexpr int k_Status_No_Convergence = k_Status_Runtime_Base + 10;

bool Is_SI() { return g_Model.IUNITS == k_Units_SI; }

// A load case value that is a force of the kind the series needs, or the default base.
double Base_Or_Default(bool right_kind, double value, double default_base) {
    return right_kind && std::fabs(value) >= k_Smallest_Base ? value : default_base;
}

// Keeps the head values of stiffness case j from its results pass.
void Keep_Stiffness_Case(int j) {
    AnalysisModel& m = g_Model;
    m.rd_StiffnessHeadDeflection[j] = Y_Node(1);
    m.rd_StiffnessHeadSlope[j] = m.rd_HeadSlopeResult;
    m.rd_StiffnessHeadShear[j] = m.rd_HeadShearResult;
    m.rd_StiffnessHeadMoment[j] = m.rd_HeadMomentResult;
}

// Row i of the stiffness terms: K22 and K32 from shear case i (per unit head deflection), K23
// and K33 from moment case 10 + i (per unit head rotation).
void Form_Stiffness_Terms(int i) {
    AnalysisModel& m = g_Model;
    const int v = i;
    const int r = k_Num_Stiffness_Rows + i;
    m.rd_K22[i] = std::fabs(m.rd_StiffnessHeadShear[v] / m.rd_StiffnessHeadDeflection[v]);
    m.rd_K32[i] = std::fabs(m.rd_StiffnessHeadMoment[v] / m.rd_StiffnessHeadDeflection[v]);
    m.rd_K23[i] = std::fabs(m.rd_StiffnessHeadShear[r] / m.rd_StiffnessHeadSlope[r]);
    m.rd_K33[i] = std::fabs(m.rd_StiffnessHeadMoment[r] / m.rd_StiffnessHeadSlope[r]);
}

// Solves stiffness case j and completes its results pass. Returns false when the run must end.
bool Run_Stiffness_Case(int j, const StiffnessBases& bases) {
    AnalysisModel& m = g_Model;
    const bool shear_series = j <= k_Num_Stiffness_Rows;
    const double load = Stiffness_Series_Load(j, bases);
    const int solutions =
        shear_series ? Solve_Head_Condition(j, k_Shear_Series_Type, load, 0.0, bases.thrust)
                     : Solve_Head_Condition(j, k_Moment_Series_Type, 0.0, load, bases.thrust);
    // A prescribed-deflection case that did not converge is still completed and reported.
    const bool failed_moment_case = !shear_series && m.ErrorStatus == k_Status_No_Convergence;
    if (m.ErrorStatus != 0 && !failed_moment_case) return false;
    Complete_Node_Results();
    Keep_Stiffness_Case(j);
    WriteLoadCaseResults(j, solutions);
    return m.ErrorStatus == 0;
}

}  // namespace

StiffnessBases Stiffness_Series_Bases() {
    const AnalysisModel& m = g_Model;
    const bool si = Is_SI();
    StiffnessBases bases{si ? k_Default_Shear_SI : k_Default_Shear,
                         si ? k_Default_Moment_SI : k_Default_Moment, 0.0};
    if (m.b_UseLRFD != 0 || m.NumLoadCases < 1) return bases;
    const int type = m.LoadType[1];
    bases.shear = Base_Or_Default(type >= 1 && type <= 3, m.Load1[1], bases.shear);
    bases.moment = Base_Or_Default(type == 1 || type == 4, m.Load2[1], bases.moment);
    bases.thrust = m.AxialThrustLoad[1];
    return bases;
}

double Stiffness_Series_Load(int j, const StiffnessBases& bases) {
    assert(j >= 1 && j <= k_Num_Stiffness_Cases);
    const bool shear_series = j <= k_Num_Stiffness_Rows;
    const double base = shear_series ? bases.shear : bases.moment;
    const int k = shear_series ? j : j - k_Num_Stiffness_Rows;
    return k == 1 ? k_First_Fraction * base : base * std::log10(static_cast<double>(k));
}

void ComputeHeadStiffness() {
    AnalysisModel& m = g_Model;
    const StiffnessBases bases = Stiffness_Series_Bases();
    const int current_case = m.i_CurrentLoadCase;
    m.b_StiffnessPass = -1;
    // no load case is being solved: the per-section maxima of the load cases stay theirs
    m.i_CurrentLoadCase = 0;
    bool completed = true;
    for (int j = 1; j <= k_Num_Stiffness_Cases && completed; ++j) completed = Run_Stiffness_Case(j, bases);
    m.b_StiffnessPass = 0;
    m.i_CurrentLoadCase = current_case;
    if (!completed) return;
    for (int i = 1; i <= k_Num_Stiffness_Rows; ++i) Form_Stiffness_Terms(i);
    m.b_StiffnessMatrixKept = -1;
    if (Soil_Movement_Acts()) RecordWarning(-k_Warning_Soil_Movement_Study);
    Write_Stiffness_Report();
}

bool Soil_Movement_Acts() {
    const AnalysisModel& m = g_Model;
    return m.b_UseSoilMovement != 0 && m.NumSoilMovementPoints > 0;
}
