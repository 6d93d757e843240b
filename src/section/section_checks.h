// Checks of the section data the section analysis computes with: dimensions that leave no
// material or make an outline intersect itself, strengths and moduli that are not positive,
// a concrete strength too low for the tensile law, and bars outside the outline. Each refusal
// is a numbered input error naming the section and the value.
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

// "***** Input Data Error No. N *****", an empty line, the problem and solution lines, to the
// runtime message file and then to the report; raises Input Data Error No. N.
void Raise_Section_Input_Error(int number, const char* problem, const char* solution);

// Appends x as the number writer renders it in 15 columns, without its leading blanks, for a
// value quoted inside a sentence.
void Append_Quoted_Number(FortranRecord& record, double x);

// Checks pile section s (a type with a section model) before anything is computed with it.
// Setup_Section_Values(s) runs first: the bars are tested against the outline it makes.
// Raises No. 81 (dimensions, negative cover, cage offset, aggregate size, bar diameter or area,
// bars with more area than the section), No. 82 and 83 (materials), No. 81, 82 and 91 for values
// beyond any real pile, No. 95 (strand codes outside the strand table), No. 91 (prestressing
// force or loss), No. 80 (a bar outside the outline, wider than the section, or bars on a circle
// that overlap) and No. 79 (a concrete section or micropile with no steel to carry tension).
void Check_Section_Data(int s);

// The checks of pile section s that its analysis makes before computing, for a check of the
// input that computes nothing: the section's analysis values set up and its data checked (types
// with a section model). Raises what Setup_Section_Values and Check_Section_Data raise.
void Check_Section_Before_Analysis(int s);
