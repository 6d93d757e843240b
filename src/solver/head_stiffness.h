// The pile-head stiffness study: after the load cases, two series of ten head loads at the axial
// thrust of the analysis, shears on a head held at zero slope and moments on a head held at zero
// deflection, each solved by the nonlinear iteration, give the terms K22, K32 (shear series) and
// K23, K33 (moment series) that a structural model of the supported structure takes as the
// pile's spring. The report tables and the "Line 14" records are report/stiffness_report's.
#pragma once

// Warning of a stiffness series or a length study on which soil movement acts (a number the
// catalogue leaves free): their head deflections include the soil's.
constexpr int k_Warning_Soil_Movement_Study = 412;

// True when soil movement acts on the pile (the option and a movement profile).
bool Soil_Movement_Acts();

// The head loads a stiffness series is built on: the base shear and moment (the tenth case of
// each series carries them) and the axial thrust of all twenty cases.
struct StiffnessBases {
    double shear;    // Vb (lbs | kN)
    double moment;   // Mb (in-lb | kN-m)
    double thrust;   // (lbs | kN)
};

// The one place the series takes its loads from. Outside an LRFD run: pile-head load case 1,
// whose first value is a base shear only for load types 1 to 3 and whose second value is a
// base moment only for types 1 and 4 (a slope, a rotational stiffness or a deflection is no
// force); a value below 1e-7 in magnitude, a value of another kind or a problem without load
// cases gives the default base of 10 lb or 100 in-lb (their kN and kN-m equivalents in SI runs).
// An LRFD run has no pile-head load case of its own: its combinations are factored load groups,
// never the loads of a stiffness series, so it takes the default bases at zero thrust. Reads the
// load cases, the unit system and b_UseLRFD.
StiffnessBases Stiffness_Series_Bases();

// Head load of stiffness case j (1..20): 0.1 Vb, then Vb log10(j) for j = 2..10; the moment
// series repeats this with Mb for j = 11..20.
double Stiffness_Series_Load(int j, const StiffnessBases& bases);

// Runs the twenty cases of the series (summary-only results, no node records), keeps their head
// values and stiffness terms, and writes the stiffness report and its "Line 14" records. The
// report mode, the stiffness-pass flag and the load case being solved are restored afterwards;
// the input load cases are never touched. Raises what the iteration raises (Runtime Errors No.
// 9, 10, 28 and those of the solver and the criteria); a moment case that does not converge is
// still completed, as every prescribed-deflection case is, before the run ends.
void ComputeHeadStiffness();
