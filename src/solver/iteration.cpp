// The nonlinear iteration of one load case and of the pile-head studies' head conditions.
#include "solver/iteration.h"

#include <cmath>

#include "engine/errors.h"
#include "engine/messages.h"
#include "model/model.h"
#include "model/units.h"
#include "pile/discretization.h"
#include "pile/lateral_loads.h"
#include "py/dispatch.h"
#include "report/fortran_format.h"
#include "solver/beam_column.h"
#include "solver/bending_stiffness.h"
#include "solver/case_results.h"
#include "solver/convergence_report.h"
#include "solver/node_response.h"

namespace {

constexpr double k_Initial_Soil_Modulus = 50000.0;   // before the first p-y evaluation
constexpr int k_Minimum_Solutions = 6;               // convergence is accepted from the sixth on
constexpr int k_Excess_Check_From = 11;              // excess deflection is an error from here on
constexpr int k_Nonlinear_Analysis = 3;              // analysis types from here use M-EI tables

// Head values of the case being solved: the two loads go to the quantities the load type
// prescribes. Load cases and the studies' own series set their heads here alike.
void Set_Head_Conditions(int type, double load1, double load2, double thrust) {
    AnalysisModel& m = g_Model;
    m.i_HeadLoadType = type;
    m.HeadShear = m.HeadMoment = m.HeadSlope = m.HeadRotStiffness = m.HeadDeflection = 0.0;
    switch (type) {
        case 1: m.HeadShear = load1; m.HeadMoment = load2; break;
        case 2: m.HeadShear = load1; m.HeadSlope = load2; break;
        case 3: m.HeadShear = load1; m.HeadRotStiffness = load2; break;
        case 4: m.HeadDeflection = load1; m.HeadMoment = load2; break;
        case 5: m.HeadDeflection = load1; m.HeadSlope = load2; break;
        default: break;
    }
    m.AxialThrust = thrust;
    m.TipShear = 0.0;
}

// Deflections of the last case are not carried over; the soil starts stiff below the ground.
void Reset_Case_State() {
    AnalysisModel& m = g_Model;
    for (int k = -1; k <= m.NumNodes + 1; ++k) Y_Node(k) = 0.0;
    for (int k = 1; k <= m.NumNodes; ++k) {
        m.Es_Node[k] = m.ZNode[k] >= m.XGroundSurface ? k_Initial_Soil_Modulus : 0.0;
        m.BeyondCurveFlag[k] = 0;
    }
    m.b_BeyondCurve = 0;
}

// The three values of a progress line: top deflection, largest change and its change.
void Append_Iteration_Values(FortranRecord& r) {
    const AnalysisModel& m = g_Model;
    Append_Text(r, "Y(top) =");
    Append_E(r, Y_Node(1), 12, 4);
    Append_Text(r, ", dYmax =");
    Append_E(r, m.DYMax, 12, 4);
    Append_Text(r, ", Delta dYmax =");
    Append_E(r, m.DeltaDYMax, 12, 4);
}

// "Analysis Case lc, Iteration it, Y(top) = ..." to the runtime message file, and in the last
// five allowed iterations its twin to the report.
void Write_Progress(int lc, int it) {
    FortranRecord r = Text_With_Integer("Analysis Case ", lc, ",");
    Tab_To(r, 20);
    Append_Text(r, "Iteration ");
    Append_I(r, it, 0);
    Append_Text(r, ",");
    Tab_To(r, 36);
    Append_Iteration_Values(r);
    Write_Message_Line(r.text.data());
    if (it > g_Model.MaxIterations - 5) {
        FortranRecord t = Text_With_Integer("For Analysis Case ", lc, ", Iteration ");
        Append_I(t, it, 0);
        Append_Text(t, ",");
        Tab_To(t, 37);
        Append_Text(t, " ");
        Append_Iteration_Values(t);
        Write_Report_Line(t.text.data());
    }
}

// Runtime Error No. 28: the solution holds a value that is not a number.
bool Raise_If_Not_A_Number(int it) {
    const AnalysisModel& m = g_Model;
    const bool top_nan = std::isnan(Y_Node(1));
    if (!top_nan && !std::isnan(m.DYMax)) return false;
    FortranRecord r;
    Start_Record(r);
    Append_Text(r, top_nan ? "Top deflection is Not-A-Number after iteration "
                           : "Maximum change in deflection is Not-A-Number after iteration ");
    Append_I(r, it, 0);
    Write_Report_Line("**** Runtime Error No. 28 ****");
    Write_Report_Line("");
    Write_Report_Line(r.text.data());
    Set_Error_Status(k_Status_Runtime_Base + 28);
    return true;
}

// One pass of the p-y criteria over the layers; in the first iteration every layer, with or
// without nodes, is also checked for being too thin to hold a node.
void Update_Soil_Moduli(bool first_iteration) {
    AnalysisModel& m = g_Model;
    m.i_RockLayersAbove = 0;
    for (int L = 1; L <= m.i_Number_of_Layers; ++L) {
        if (m.i_TopNodeInLayer[L] != 0) {
            UpdateLayerSoilModuli(L, false);
            if (m.ErrorStatus != 0) return;
            Update_Rock_Layer_Bookkeeping(L);
        }
        if (first_iteration) {
            CheckLayerHasNode(L);
            if (m.ErrorStatus != 0) return;
        }
    }
}

bool Uses_Nonlinear_Stiffness() { return g_Model.i_Analysis_Type >= k_Nonlinear_Analysis; }

// The fixed-point iteration from the state Start_Case left: solve, test, update the p-y moduli
// and the bending stiffnesses, repeat. A load case (trial false) writes its progress lines and
// raises Runtime Error No. 9, 10 or 28 when it cannot finish; a trial of the length study ends
// quietly instead, unconverged. Errors of the solver and the criteria end both.
IterationResult Iterate(int lc, bool trial) {
    AnalysisModel& m = g_Model;
    const double Qk = Thrust_In_Table_Units(m.AxialThrust);
    const int t = Thrust_Index(Qk);
    if (Uses_Nonlinear_Stiffness()) UpdateBendingStiffness(t, Qk);

    for (int it = 1; it <= m.MaxIterations; ++it) {
        Reset_Response_Maxima();
        SolvePile(it);
        if (m.ErrorStatus != 0) return {it, false};
        if (trial) {
            if (std::isnan(Y_Node(1)) || std::isnan(m.DYMax)) return {it, false};
        } else {
            if (Raise_If_Not_A_Number(it)) return {it, false};
            Write_Progress(lc, it);
        }
        const double change = std::fabs(m.DYMax);
        if (change <= m.ConvergenceTolerance) {
            if (it >= k_Minimum_Solutions) return {it, true};
        } else if (it >= k_Excess_Check_From && std::fabs(Y_Node(1)) >= m.MaxAllowableDeflection) {
            if (trial) return {it, false};
            Write_Excess_Deflection_Error(Y_Node(1), m.MaxAllowableDeflection);
            Raise_Runtime_Error(9);
            return {it, false};
        }
        Update_Soil_Moduli(it == 1);
        if (m.ErrorStatus != 0) return {it, false};
        if (Uses_Nonlinear_Stiffness()) UpdateBendingStiffness(t, Qk);
    }
    if (!trial) {
        Write_Non_Convergence_Report(m.MaxIterations, m.DYMax, m.DeltaDYMax, m.ConvergenceTolerance);
        Raise_Runtime_Error(10);
    }
    return {m.MaxIterations, false};
}

}  // namespace

void Start_Case(int type, double load1, double load2, double thrust) {
    Reset_Case_State();
    Set_Head_Conditions(type, load1, load2, thrust);
    // vuggy limestone takes its moduli from the pile's first deflections: set before solving
    Update_Vuggy_Limestone_Layers();
}

namespace {

// One case from a fresh discretization of the input pile length: the node loads of LRFD
// combination `combination` when it is one (0: the loads the discretization set), the progress
// line, the head conditions and the iteration. Returns the number of solutions.
int Solve_Case(int number, int combination, int type, double load1, double load2, double thrust) {
    AnalysisModel& m = g_Model;
    m.rd_PileLengthAnalysed = m.PileLength;
    DiscretizePile();
    if (m.ErrorStatus != 0) return 0;
    if (combination != 0) Set_Lrfd_Node_Loads(combination);
    FortranRecord line = Text_With_Integer("Computing lateral response of pile for load number ", number);
    Write_Message_Line(line.text.data());
    Start_Case(type, load1, load2, thrust);
    if (m.ErrorStatus != 0) return 0;
    return Iterate(number, false).solutions;
}

}  // namespace

int Solve_Head_Condition(int number, int type, double load1, double load2, double thrust) {
    return Solve_Case(number, 0, type, load1, load2, thrust);
}

namespace {

// The head condition case lc is solved for, kept for callers before the solution starts, so that
// a case that fails still tells what it was.
void Keep_Case_Head(int lc, int type, double value1, double value2, double thrust) {
    AnalysisModel& m = g_Model;
    m.i_CaseHeadType[lc] = type;
    m.rd_CaseHeadValue1[lc] = value1;
    m.rd_CaseHeadValue2[lc] = value2;
    m.rd_CaseAxialThrust[lc] = thrust;
}

}  // namespace

int SolveLoadCase(int lc) {
    AnalysisModel& m = g_Model;
    m.i_CurrentLoadCase = lc;
    // an LRFD combination is a shear-and-moment case with its factored loads
    if (m.b_UseLRFD != 0) {
        Keep_Case_Head(lc, 1, m.rd_LrfdShear[lc], m.rd_LrfdMoment[lc], m.rd_LrfdThrust[lc]);
        return Solve_Case(lc, lc, 1, m.rd_LrfdShear[lc], m.rd_LrfdMoment[lc], m.rd_LrfdThrust[lc]);
    }
    Keep_Case_Head(lc, m.LoadType[lc], m.Load1[lc], m.Load2[lc], m.AxialThrustLoad[lc]);
    return Solve_Case(lc, 0, m.LoadType[lc], m.Load1[lc], m.Load2[lc], m.AxialThrustLoad[lc]);
}

IterationResult Iterate_Trial() { return Iterate(0, true); }
