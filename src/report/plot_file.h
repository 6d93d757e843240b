// The plot output file: every fixed-column record "Line 1" to "Line 14" that the front end reads
// by column, with its layout and its label, in one place. The computing subsystems decide what
// goes into a record and when; the columns and the texts are this file's.
#pragma once

// Line 1 (4I5, 60X, label): analysis type, unit system, length-study option, stiffness flag.
void Write_Line1_Record();
// Line 2 (I5, 75X, label): the number of pile sections.
void Write_Line2_Record();

// Kinds of bending-stiffness tables, for the labels of "Line 3", "Line 4" and "Line 5".
constexpr int k_Tables_Nonlinear = 1;       // moment-curvature analysis, conventional run
constexpr int k_Tables_EI_Only = 2;         // moment-curvature analysis, bending stiffness only
constexpr int k_Tables_LRFD = 3;            // moment-curvature analysis of LRFD thrusts
constexpr int k_Tables_Elastic = 4;         // elastic section
constexpr int k_Tables_Elastic_Plastic = 5; // elastic-plastic section
constexpr int k_Tables_User_EI = 6;         // user-defined M-EI section

// Line 3 (I5, 75X, label): the number of axial thrusts.
void Write_Line3_Record(int kind, int thrusts);
// Line 4 (I5, 10X, 2E15.7, T81, label): points, thrust and nominal moment capacity of one curve
// of section s; the labels of the moment-curvature and user tables end with the section number.
void Write_Line4_Record(int kind, int points, double thrust, double capacity, int s);
// Line 5 (3E15.7, T81, label, "Sect#=" s, ", AxLd#=" a, ", CurvPnt#=" k): one curve point.
void Write_Line5_Record(int kind, double M, double EI, double phi, int s, int a, int k);

// ---- p-y curve records ----

// Kinds of printed p-y curves, for the labels of "Line 7" and "Line 8". k_PY_Curve_None is a
// requested depth without a curve (above the ground surface).
constexpr int k_PY_Curve_None = 0;
constexpr int k_PY_Curve_Soft_Clay = 1;
constexpr int k_PY_Curve_Soft_Clay_J = 2;
constexpr int k_PY_Curve_Free_Water_Static = 3;   // stiff clay with free water
constexpr int k_PY_Curve_Free_Water_Cyclic = 4;
constexpr int k_PY_Curve_No_Free_Water = 5;       // stiff clay without free water
constexpr int k_PY_Curve_No_Free_Water_K = 6;     // the same with an initial k
constexpr int k_PY_Curve_Reese_Sand = 7;
constexpr int k_PY_Curve_API_Sand = 8;
constexpr int k_PY_Curve_Liquefied_Sand = 9;
constexpr int k_PY_Curve_Elastic_Subgrade = 10;
constexpr int k_PY_Curve_User = 11;
constexpr int k_PY_Curve_Cemented_Silt_In = 12;   // US customary runs
constexpr int k_PY_Curve_Cemented_Silt_M = 13;    // SI and general units
constexpr int k_PY_Curve_Piedmont = 14;
constexpr int k_PY_Curve_Loess = 15;              // Line 7 as Piedmont residual soil
constexpr int k_PY_Curve_Weak_Rock = 16;
constexpr int k_PY_Curve_Vuggy_Limestone = 17;
constexpr int k_Num_PY_Curve_Kinds = 17;

// Line 6 (I5, 75X, label): the number of p-y curves printed at requested depths.
void Write_Line6_Record(int curves);
// Line 7 (E15.7, I5, 60X, label, curve number I0): depth and number of points of the curve
// printed at requested depth number curve_number; a depth without a curve has no number.
void Write_Line7_Record(int kind, double depth, int points, int curve_number);
// Line 8 (2E15.7, then "Line 8(" point "): y, p, for " and the curve's phrase): point j of a
// printed curve. Most kinds place the label after 50X with the point in I0, liquefied sand and
// user-input curves after 20X with the point in I2.
void Write_Line8_Record(int kind, double y, double p, int j);

// ---- results records ----

// Line 9 (3I5, 65X, label): the number of load cases (LRFD combinations), nodes, unit system.
void Write_Line9_Record();
// Line 10 (6E15.7, T92, "Line 10(" node (I3) "): ..."): depth, deflection, moment, shear, soil
// reaction and bending stiffness of node k; y, M, V and p as the results table prints them.
void Write_Line10_Record(int k, double y, double M, double V, double p);
// Line 11 (I5, 75X, label, load case): a load case without a length study has no points; the
// label names an LRFD load case in an LRFD run.
void Write_Line11_No_Study_Record(int lc);
// Line 11 (I5, 75X, label, load case) of a load case whose length study ran: its number of
// points, followed by one Line 12 per point.
void Write_Line11_Study_Record(int lc);
// Line 12 (4E15.7, 20X, label): point j of the length study of load case lc: pile length,
// pile-head deflection, largest moment and largest shear.
void Write_Line12_Record(int lc, int j);

// Line 13 (5E15.7, T81, label): pile-head shear, deflection, largest moment, largest shear and
// pile-head rotation of load case lc, from the values the results pass kept.
void Write_Line13_Record(int lc);

// Line 14 (8E15.7, label): row i of the pile-head stiffness study: the shear of shear case i,
// the moment of moment case 10 + i, K22, K23, K32, K33, the head deflection of the shear case
// and the head rotation of the moment case.
void Write_Line14_Record(int i);
