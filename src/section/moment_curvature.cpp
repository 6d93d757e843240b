// Moment-curvature analysis of a nonlinear section. For every thrust of the section's list the
// curvature is stepped up (small steps at first, larger ones once the section has softened);
// at each step the neutral-axis depth that makes the slice forces balance the thrust is found
// by Newton's method, kept inside a bracket of the root once one is known, and the moment of the
// slice forces about mid-depth gives the point. A curve ends when the concrete crushes, the
// tensile zone of a prestressed section closes, the pipe reaches its strain limit, the moment
// turns non-positive, no neutral axis exists any more, or after 150 points. The curves, their
// run messages and capacities, and the hand-off tables are computed into the model here; the
// section step (section/section_report) writes the report tables, records and files from them.
#include "section/moment_curvature.h"

#include <cmath>

#include "engine/errors.h"
#include "engine/messages.h"
#include "model/model.h"
#include "model/units.h"
#include "report/fortran_format.h"
#include "report/number_writer.h"
#include "section/materials.h"
#include "section/section_checks.h"
#include "section/section_geometry.h"

namespace {

constexpr double k_Pi = 3.141592653589793;
constexpr double k_Capacity_Strain = 0.003000000026077032;          // 0.003 (s)
constexpr double k_Tension_Control_Strain = -0.004999999888241291;  // -0.005 (s)
constexpr double k_Z_Limit = 0.10000000149011612;                   // 0.1 (s) of the depth
constexpr double k_Pipe_Strain_Factor = 1.7000000476837158;         // 1.7 (s)
constexpr double k_Meters_Per_Inch = 0.02539999969303608;           // 0.0254 (s)
constexpr double k_US_First_Increment = 1.25e-6;                    // rad/in
constexpr double k_SI_First_Increment = 4.921259901994065e-5;       // rad/m
constexpr int k_Max_Newton_Steps = 1000;
// A neutral axis is accepted once its step is within the tolerance and the force residual
// within this fraction of the larger of the thrust and the axial capacity.
constexpr double k_Force_Tolerance = 1e-9;
constexpr int k_Error_No_Neutral_Axis = 16;    // Runtime Error No. 16
constexpr int k_Error_No_Stiffness = 40;       // Runtime Error No. 40
constexpr int k_Analysis_EI_Only = 2;          // i_Analysis_Type of a bending-stiffness-only run

bool Is_Pipe() { return g_Model.i_SectionModel == k_Model_Pipe; }

// Pipe steel area, for its curvature increment and strain limit.
double Pipe_Area() {
    const AnalysisModel& m = g_Model;
    const double Di = m.rd_Depth - 2.0 * m.rd_CasingWall;
    return 0.25 * k_Pi * (m.rd_Depth * m.rd_Depth - Di * Di);
}

// The pipe's yield strain less the uniform strain of thrust P.
double Pipe_Strain_Offset(double P) {
    const AnalysisModel& m = g_Model;
    return P / (Pipe_Area() * m.rd_CasingE);
}

double Residual(double x, double P) { return Compute_Axial_Thrust_Force(x) - P; }

// Newton search for the neutral-axis depth of the current curvature and thrust P, starting at
// rd_NAGuess. Steps that leave a known bracket of the root, or a flat stretch where the slope
// vanishes, are replaced by bisection or by a widening search. Returns false after 1000 steps.
bool Solve_Neutral_Axis(double P, double& na) {
    AnalysisModel& m = g_Model;
    const double D = m.rd_Depth;
    const bool us = m.IUNITS == k_Units_US;
    const double h = us ? 1.0000000116860974e-07 : 2.5399999881159374e-09;    // 1e-7, 2.54e-9 (s)
    const double tau = us ? 9.999999974752427e-07 : 2.5400000325248584e-08;   // 1e-6, 2.54e-8 (s)
    const double force_scale = std::fmax(std::fabs(P), std::fabs(m.rd_AxialCapComp));
    const double force_tol = k_Force_Tolerance * (force_scale > 0.0 ? force_scale : 1.0);

    Residual(0.5 * D, P);   // sets the material flags of the point's first evaluation
    double x = std::fabs(m.rd_NAGuess) > D ? 0.5 * D : m.rd_NAGuess;
    bool have_lo = false, have_hi = false;
    double lo = 0.0, hi = 0.0;        // residual below zero at lo, above zero at hi
    double best_x = x, best_r = 0.0;
    double widen = 0.25 * D;
    for (int n = 1; n < k_Max_Newton_Steps; ++n) {
        const double r = Residual(x, P);
        const double r_minus = Residual(x - h, P);
        const double F_plus = Compute_Axial_Thrust_Force(x + h);
        if (n == 1 || std::fabs(r) < std::fabs(best_r)) {
            best_x = x;
            best_r = r;
        }
        if (r < 0.0 && (!have_lo || x > lo)) { lo = x; have_lo = true; }
        if (r > 0.0 && (!have_hi || x < hi)) { hi = x; have_hi = true; }
        if (r == 0.0) {
            na = x;
            return true;
        }
        const double slope = (F_plus - (r_minus + P)) / (2.0 * h);
        double step = slope != 0.0 ? -r / slope : 0.0;
        const bool bracketed = have_lo && have_hi;
        const double target = x + step;
        const bool newton_ok = slope != 0.0 && std::isfinite(step) &&
                               (!bracketed || (target > std::fmin(lo, hi) && target < std::fmax(lo, hi)));
        if (newton_ok && std::fabs(step) <= tau && std::fabs(r) <= force_tol) {
            na = target;
            return true;
        }
        if (!newton_ok) {
            if (bracketed) {
                step = 0.5 * (lo + hi) - x;
            } else {
                // The force rises with the neutral-axis depth: search deeper when short of the
                // thrust, shallower when beyond it, farther each time.
                step = r < 0.0 ? widen : -widen;
                widen = std::fmin(2.0 * widen, 1000.0 * D);
            }
        }
        if (bracketed && std::fabs(hi - lo) <= tau) {
            // The root lies in a jump of the force (concrete cracking): the best point of the
            // bracket is the neutral axis.
            na = best_x;
            return true;
        }
        x += step;
        m.rd_NAGuess = x;
    }
    return false;
}

// Σ stress × area × lever about mid-depth of one component.
double Component_Moment(const std::array<double, k_Num_Slices + 1>& stress,
                        const std::array<double, k_Num_Slices + 1>& area, int first, int last) {
    const AnalysisModel& m = g_Model;
    const double half = 0.5 * m.rd_Depth;
    double M = 0.0;
    for (int i = first; i <= last; ++i) M += stress[i] * area[i] * (half - m.rd_SliceDepth[i]);
    return M;
}

// The moment of the components present in the section model.
double Section_Moment() {
    const AnalysisModel& m = g_Model;
    const SectionComponents c = Components_Of(m.i_SectionModel);
    double M = 0.0;
    if (c.concrete) M += Component_Moment(m.ConcreteStress, m.ConcreteSliceArea, 1, k_Num_Slices);
    if (c.bars) M += Component_Moment(m.RebarStress, m.RebarSliceArea, 1, k_Num_Slices);
    if (c.casing && (!c.concrete || m.rd_CasingWall > 0.0)) {
        M += Component_Moment(m.CasingStress, m.CasingSliceArea, 1, k_Num_Slices);
    }
    if (c.core_steel && m.rd_CoreWall > 0.0 && m.i_CoreTopSlice > 0) {
        M += Component_Moment(m.CoreStress, m.CoreSliceArea, m.i_CoreTopSlice, m.i_CoreBottomSlice);
    }
    if (c.core_concrete && m.i_CoreConcreteModel == 2) {
        M += Component_Moment(m.CoreConcreteStress, m.CoreConcreteSliceArea, 1, k_Num_Slices);
    }
    return M;
}

// Stress of largest magnitude, kept with its sign, over the slices that carry the material.
double Extreme_Stress(const std::array<double, k_Num_Slices + 1>& stress,
                      const std::array<double, k_Num_Slices + 1>& area) {
    double extreme = 0.0;
    for (int i = 1; i <= k_Num_Slices; ++i) {
        if (area[i] > 0.0 && std::fabs(stress[i]) > std::fabs(extreme)) extreme = stress[i];
    }
    return extreme;
}

bool Is_Round_Reinforced() {
    const AnalysisModel& m = g_Model;
    return m.i_SectionModel == k_Model_Round && m.i_ReinforcementLaw == 2 &&
           m.NumBars[m.i_CurrentSection] > 0;
}

// Run message letters of point k and whether the curve stops after it.
bool Set_Run_Message_And_Stop(int a, int k) {
    AnalysisModel& m = g_Model;
    std::array<char, 4>& msg = m.c_RunMsg[a][k];
    msg = {' ', ' ', ' ', '\0'};
    if (m.b_Cracked != 0) msg[0] = 'C';
    if (m.b_Yielded != 0) msg[1] = 'Y';
    bool stop = false;
    if (m.b_Prestressed != 0 && m.rd_NADepth[a][k] < k_Z_Limit * m.rd_Depth) {
        msg[1] = 'Z';
        stop = true;
    }
    if (Is_Round_Reinforced() && m.rd_MostTensileBarStrain < k_Tension_Control_Strain &&
        m.rd_MaxCompStrain[a][k] >= k_Capacity_Strain) {
        msg[2] = 'T';
    }
    if (Is_Pipe()) {
        const double P = m.rd_Thrust[a];
        const double limit = 5.0 * m.rd_CasingFy / m.rd_CasingE - Pipe_Strain_Offset(P);
        if (std::fmax(std::fabs(m.rd_MaxCompStrain[a][k]), std::fabs(m.rd_MaxTensStrain[a][k])) >= limit) {
            stop = true;
        }
    } else if (m.rd_MaxCompStrain[a][k] >= k_Crush_Strain) {
        stop = true;
    }
    if (m.rd_Moment[a][k] <= 0.0) {
        m.b_NegativeMoment = -1;
        stop = true;
    }
    return stop;
}

// Nominal moment capacity of thrust a: the moment at 0.003 compressive strain, or the last
// moment before the section fails short of it.
void Set_Nominal_Capacity(int a) {
    AnalysisModel& m = g_Model;
    const int n = m.i_NumCurvPoints[a];
    if (Is_Pipe()) {
        m.rd_NominalMomentCap[a] = m.rd_Moment[a][n];
        m.rd_StrainAtCap[a] = m.rd_MaxCompStrain[a][n];
        return;
    }
    int j = 1;
    while (j + 1 < n && m.rd_MaxCompStrain[a][j + 1] < k_Capacity_Strain) ++j;
    if (j > k_Max_Curve_Points - 1) j = k_Max_Curve_Points - 1;
    // Only computed points are read; a point exactly at 0.003 is the capacity itself.
    if (j + 1 <= n && m.rd_MaxCompStrain[a][j + 1] >= k_Capacity_Strain && m.rd_Moment[a][j + 1] > 0.0) {
        const double e0 = m.rd_MaxCompStrain[a][j];
        const double e1 = m.rd_MaxCompStrain[a][j + 1];
        const double M0 = m.rd_Moment[a][j];
        const double M1 = m.rd_Moment[a][j + 1];
        m.rd_NominalMomentCap[a] = M0 + (M1 - M0) * (k_Capacity_Strain - e0) / (e1 - e0);
        m.rd_StrainAtCap[a] = k_Capacity_Strain;
        return;
    }
    m.rd_NominalMomentCap[a] = m.rd_Moment[a][j];
    m.rd_StrainAtCap[a] = m.rd_MaxCompStrain[a][j];
    if (m.rd_Thrust[a] > 0.0) RecordWarning(-355);
}

// Cracking state and prestrain at the start of thrust a.
void Reset_For_Thrust(int a) {
    AnalysisModel& m = g_Model;
    const double P = m.rd_Thrust[a];
    m.b_Yielded = 0;
    m.b_NegativeMoment = 0;
    m.b_AllCracked = 0;
    m.b_Cracked = 0;
    if (!Is_Pipe() && P < 0.0 && m.rd_CrackingLoad > P) {
        // Beyond the cracking load the concrete carries no tension anywhere; the steel takes the
        // whole thrust as a uniform strain.
        m.b_AllCracked = -1;
        m.b_Cracked = -1;
        const double As_Es = m.rd_TotalRebarArea * m.rd_Es;
        if (As_Es > 0.0) m.rd_PrestrainSteel = P / As_Es;
    }
    m.rd_NAGuess = 0.5 * m.rd_Depth;
    m.rd_NADepth[a][1] = 0.0;
}

void Write_Runtime_Error_16() {
    WriteLine(Error_Heading(false, k_Error_No_Neutral_Axis).text.data());
    WriteLine("Location of neutral axis was not found within 1,000 iterations.");
    Raise_Runtime_Error(k_Error_No_Neutral_Axis);
}

// The curve of thrust a; returns after the capacity is set, or with an error raised.
void Compute_Curve(int a, double dphi) {
    AnalysisModel& m = g_Model;
    Reset_For_Thrust(a);
    double phi = 0.0;
    double increment = dphi;
    int k = 1;
    for (;; ++k) {
        if (k == 40) increment *= 2.0;
        if (k == 80) increment *= 4.0;
        if (k == 120) increment *= 6.0;
        phi = k == 1 ? dphi : phi + increment;
        m.rd_CurrentCurvature = phi;
        m.rd_Curvature[a][k] = phi;
        // Along a smooth stretch of the curve the neutral axis moves steadily with the
        // curvature: the search starts where the last two points point to.
        if (k >= 3 && m.c_RunMsg[a][k - 1] == m.c_RunMsg[a][k - 2]) {
            const double slope = (m.rd_NADepth[a][k - 1] - m.rd_NADepth[a][k - 2]) /
                                 (m.rd_Curvature[a][k - 1] - m.rd_Curvature[a][k - 2]);
            m.rd_NAGuess = m.rd_NADepth[a][k - 1] + slope * (phi - m.rd_Curvature[a][k - 1]);
        }
        if (!Find_Neutral_Axis(a, k)) {
            if (m.ErrorStatus != 0) return;
            // Past the first point a missing neutral axis means the section can no longer carry
            // the thrust at this curvature: the curve ends at the point before.
            --k;
            break;
        }
        // Stresses and flags are those of the search's last evaluation, a step h or less from
        // the neutral axis found.
        ComputePointExtremes(a, k);
        ComputeSectionMoment(a, k);
        if (Set_Run_Message_And_Stop(a, k) || k >= k_Max_Curve_Points) break;
    }
    m.i_NumCurvPoints[a] = k;
    Set_Nominal_Capacity(a);
}

// A curve with a bending stiffness that is not positive (or not a number) at point k cannot
// serve the lateral solution, which divides by it. A first point of zero or less keeps its
// established text; any other point is named with its curve's thrust.
void Raise_Non_Positive_Stiffness(int s, int a, int k) {
    const AnalysisModel& m = g_Model;
    FortranRecord problem = Text_With_Integer("Problem:  The first bending stiffness of section ", s, " at axial thrust no. ");
    if (k == 1 && m.rd_EI[a][k] <= 0.0) {
        Append_I(problem, a, 0);
        Append_Text(problem, " is zero or negative.");
    } else {
        problem = Text_With_Integer("Problem:  The bending stiffness of section ", s, " at point ");
        Append_I(problem, k, 0);
        Append_Text(problem, " of the curve of axial thrust no. ");
        Append_I(problem, a, 0);
        Append_Text(problem, " (");
        Append_Quoted_Number(problem, m.rd_Thrust[a]);
        Append_Text(problem, " ");
        Append_Trimmed(problem, m.c_LabelForce);
        Append_Text(problem, ") is ");
        Append_Text(problem, m.rd_EI[a][k] <= 0.0 ? "zero or negative." : "not a number.");
    }
    const FortranRecord heading = Error_Heading(false, k_Error_No_Stiffness);
    const char* lines[] = {
        "", heading.text.data(), "", problem.text.data(),
        "          The reinforcement is too weak or too eccentric for the section to resist bending.",
        "Solution: Check the bar positions and areas of the section, or give it more reinforcement.",
        ""};
    for (const char* l : lines) Write_Message_Line(l);
    for (const char* l : lines) WriteLine(l);
    Raise_Runtime_Error(k_Error_No_Stiffness);
}

// Hand-off tables of section s: every curve's points and nominal capacity (lb-in in US
// customary runs, as the tables' moments are read), and the section's thrusts as the list the
// next section starts from.
void Keep_Hand_Off_Tables(int s) {
    AnalysisModel& m = g_Model;
    const double to_pound_units = m.IUNITS == k_Units_US ? 1000.0 : 1.0;
    for (int a = 1; a <= m.i_NumThrusts; ++a) {
        const int n = m.i_NumCurvPoints[a];
        m.i_TablePoints[s][a] = n;
        m.rd_TableNominalCap[s][a] = m.rd_NominalMomentCap[a] * to_pound_units;
        m.rd_TableThrust[a] = m.rd_Thrust[a];
        for (int k = 1; k <= n; ++k) {
            m.rd_TableMoment[s][a][k] = m.rd_Moment[a][k];
            m.rd_TableEI[s][a][k] = m.rd_EI[a][k];
            m.rd_TableCurvature[s][a][k] = m.rd_Curvature[a][k];
        }
    }
    m.i_NumTableThrusts = m.i_NumThrusts;
}

}  // namespace

double Initial_Curvature_Increment(double D1) {
    const int units = g_Model.IUNITS;
    if (units == k_Units_US) {
        const long steps = std::lround(D1 / 24.0);
        return k_US_First_Increment / static_cast<double>(steps > 1 ? steps : 1);
    }
    if (units == k_Units_SI) {
        const long steps = std::lround(D1 / k_Meters_Per_Inch / 24.0);
        return k_SI_First_Increment / static_cast<double>(steps > 1 ? steps : 1);
    }
    return 0.0;
}

double Curvature_At_Point(int k, double dphi) {
    double phi = dphi;
    double increment = dphi;
    for (int i = 2; i <= k; ++i) {
        if (i == 40) increment *= 2.0;
        if (i == 80) increment *= 4.0;
        if (i == 120) increment *= 6.0;
        phi += increment;
    }
    return phi;
}

bool Find_Neutral_Axis(int a, int k) {
    AnalysisModel& m = g_Model;
    double na = 0.0;
    if (!Solve_Neutral_Axis(m.rd_Thrust[a], na)) {
        if (k == 1) Write_Runtime_Error_16();
        return false;
    }
    m.rd_NADepth[a][k] = na;
    m.rd_NAGuess = na;
    return true;
}

void ComputePointExtremes(int a, int k) {
    AnalysisModel& m = g_Model;
    if (Is_Pipe()) {
        m.rd_MaxSteelStress[a][k] = Extreme_Stress(m.CasingStress, m.CasingSliceArea);
        m.rd_MaxCasingStress[a][k] = m.rd_MaxSteelStress[a][k];
        m.rd_MaxConcreteStress[a][k] = 0.0;
        m.rd_MaxCoreStress[a][k] = 0.0;
        return;
    }
    double largest = m.ConcreteStress[1];
    for (int i = 2; i <= k_Num_Slices; ++i) largest = std::fmax(largest, m.ConcreteStress[i]);
    m.rd_MaxConcreteStress[a][k] = largest;
    m.rd_MaxSteelStress[a][k] = Extreme_Stress(m.RebarStress, m.RebarSliceArea);
    m.rd_MaxCasingStress[a][k] = Extreme_Stress(m.CasingStress, m.CasingSliceArea);
    m.rd_MaxCoreStress[a][k] = Extreme_Stress(m.CoreStress, m.CoreSliceArea);
    if (Is_Round_Reinforced()) {
        const int s = m.i_CurrentSection;
        const double phi = m.rd_CurrentCurvature;
        const double na = m.rd_NADepth[a][k];
        double most_tensile = 0.0;
        for (int j = 1; j <= m.NumBars[s] && j <= k_Max_Bars; ++j) {
            const double strain = na * phi - (m.SliceY[0] - Bar_Y(s, j)) * phi;
            if (j == 1 || strain < most_tensile) most_tensile = strain;
        }
        m.rd_MostTensileBarStrain = most_tensile;
    }
}

void ComputeSectionMoment(int a, int k) {
    AnalysisModel& m = g_Model;
    const double M = Section_Moment();
    m.rd_Moment[a][k] = k > 1 ? std::fmax(m.rd_Moment[a][k - 1], M) : M;
    const double phi = m.rd_Curvature[a][k];
    const double x = m.rd_NADepth[a][k];
    m.rd_EI[a][k] = m.rd_Moment[a][k] / phi;
    m.rd_MaxCompStrain[a][k] = x * phi + (Is_Pipe() ? 0.0 : m.rd_PrestrainConcrete);
    m.rd_MaxTensStrain[a][k] = (x - m.rd_Depth) * phi;
}

CurveSeries Start_Curve_Series(int s) {
    const AnalysisModel& m = g_Model;
    CurveSeries series{};
    series.dphi0 = Initial_Curvature_Increment(m.SectionDiameter[s]);
    // The slices, materials and prestress do not depend on the thrust: a new thrust only needs
    // the prestrains back that a tensile thrust before it replaced.
    series.prestrain_concrete = m.rd_PrestrainConcrete;
    series.prestrain_steel = m.rd_PrestrainSteel;
    series.negative_moment = false;
    return series;
}

void ComputeThrustCurve(int a, CurveSeries& series) {
    AnalysisModel& m = g_Model;
    const double P = m.rd_Thrust[a];
    if (a > 1 && P != m.rd_Thrust[a - 1]) {
        m.rd_PrestrainConcrete = series.prestrain_concrete;
        m.rd_PrestrainSteel = series.prestrain_steel;
    }
    double dphi = series.dphi0;
    if (Is_Pipe()) {
        dphi = (k_Pipe_Strain_Factor * m.rd_CasingFy / m.rd_CasingE - Pipe_Strain_Offset(P)) /
               (0.5 * m.rd_Depth) / 80.0;
    }
    Compute_Curve(a, dphi);
    if (m.ErrorStatus != 0) return;
    if (m.b_NegativeMoment != 0) series.negative_moment = true;
    // a concrete curve that runs to the last point never crushed: the section is too weak
    if (!Is_Pipe() && m.i_NumCurvPoints[a] >= k_Max_Curve_Points) RecordWarning(-305);
}

void Finish_Curve_Series(int s, const CurveSeries& series) {
    AnalysisModel& m = g_Model;
    if (series.negative_moment) RecordWarning(-306);
    // The lateral solution (of a conventional or an LRFD run) divides by the bending stiffness
    // at every point of the tables; a point without positive stiffness would make the pile
    // weightless in bending there. A bending-stiffness-only run keeps its curves and warning.
    for (int a = 1; a <= m.i_NumThrusts && m.i_Analysis_Type != k_Analysis_EI_Only; ++a) {
        for (int k = 1; k <= m.i_NumCurvPoints[a]; ++k) {
            if (m.rd_EI[a][k] > 0.0) continue;
            RecordWarning(-306);
            Raise_Non_Positive_Stiffness(s, a, k);
            return;
        }
    }
    Keep_Hand_Off_Tables(s);
}
