// The input errors of a pile section's data that the section analysis and its checks find: their
// numbers, the bounds beyond which a value is no real pile, and the quoted numbers of their
// messages. They are raised through engine/errors (Raise_Input_Problem).
#pragma once

#include "report/fortran_format.h"

// Input Data Errors of the section analysis (numbers the catalogue leaves free).
constexpr int k_Error_No_Tension_Steel = 79;
constexpr int k_Error_Bar_Outside_Section = 80;
constexpr int k_Error_Section_Dimension = 81;
constexpr int k_Error_Material_Value = 82;
constexpr int k_Error_Concrete_Strength_Low = 83;
constexpr int k_Error_Stiffness_Table = 86;
constexpr int k_Error_Prestress_Value = 91;
constexpr int k_Error_Code_Out_Of_Range = 95;

// Bounds beyond any real pile: a thousand times the widest section of the echo's unit warnings
// (400 in, 10 m) and the modulus of steel (29e6 psi, 2e8 kPa). A value beyond them (1e30 typed
// for 30, or a unit slip of many orders) is no pile, and its analysis would print absurd finite
// numbers. General units have no bounds.
constexpr double k_Max_Real_Length_US = 4.0e5;    // in
constexpr double k_Max_Real_Length_SI = 1.0e4;    // m
constexpr double k_Max_Real_Stress_US = 2.9e10;   // psi
constexpr double k_Max_Real_Stress_SI = 2.0e11;   // kPa

// Appends x as the number writer renders it in 15 columns, without its leading blanks, for a
// value quoted inside a sentence.
void Append_Quoted_Number(FortranRecord& record, double x);
