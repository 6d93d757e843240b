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

// Line 9 (3I5, 65X, label): the number of load cases (LRFD combinations), nodes, unit system.
void Write_Line9_Record();
// Line 10 (6E15.7, T92, "Line 10(" node (I3) "): ..."): depth, deflection, moment, shear, soil
// reaction and bending stiffness of node k; y, M, V and p as the results table prints them.
void Write_Line10_Record(int k, double y, double M, double V, double p);
// Line 11 (I5, 75X, label, load case): a load case without a length study has no points; the
// label names an LRFD load case in an LRFD run.
void Write_Line11_No_Study_Record(int lc);

// Line 13 (5E15.7, T81, label): pile-head shear, deflection, largest moment, largest shear and
// pile-head rotation of load case lc, from the values the results pass kept.
void Write_Line13_Record(int lc);
