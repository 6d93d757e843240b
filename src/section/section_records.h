// The plot output records of the section analysis: "Line 3" (thrust count), "Line 4" (points,
// thrust and nominal moment capacity of one curve) and "Line 5" (one curve point).
#pragma once

// I5, 75X, label.
void Write_Line3_Record(int thrusts, const char* label);

// I5, 10X, 2E15.7, T81, label, then the section number (I0) when section > 0.
void Write_Line4_Record(int points, double thrust, double capacity, const char* label, int section);

// 3E15.7, T81, label, section (I0), ", AxLd#=", thrust index (I0), ", CurvPnt#=", point (I0).
void Write_Line5_Record(double M, double EI, double phi, const char* label, int s, int a, int k);
