// The report's number writer: numbers, integers, blanks and short texts appended to the open
// line of the output report file (g_Model.ReportFile), and the line's end. A number chooses its
// form by magnitude so that a column of fixed width shows large, ordinary and tiny values
// readably. Format_Number renders the same text without the file, for writers that need it in
// a buffer. Digits and field rules come from report/fortran_format.
#pragma once

#include <array>

#include "report/fortran_format.h"

// Magnitude limits of the number forms for a field of W characters: A = 10^(W-3) - 1,
// B = 10^(9-W), C = 10^(7-W), each evaluated in single precision and widened, so that the
// boundaries between forms fall where the report's columns have always put them.
struct NumberFormLimits {
    double A;   // above it: exponent form
    double B;   // above it, up to 10000: W-7 decimals; from C up to it: W-5 decimals
    double C;   // below it: exponent form
};
NumberFormLimits Compute_Number_Form_Limits(int W);

// The text WriteNumber writes: a blank and x in W-1 columns in the form its magnitude selects,
// or "  Not-a-Number" (14 characters, whatever W) for a value that is not a number.
// W of at least 9 gives every form a decimal; below that the exponent form is asterisks.
FieldText Format_Number(double x, int W);

// The shortest decimal text that reads back to exactly x ("0.1", "1.2345678901234567e-05",
// "-250"), for the results document; "nan", "inf" or "-inf" for a value that is not finite.
struct ShortestText {
    std::array<char, 32> text;   // NUL-terminated
    int length;
};
ShortestText Shortest_Number_Text(double x);

// Appends Format_Number(x, W) to the report's open line.
void WriteNumber(double x, int W);

// Appends n right-justified in W characters (asterisks when it does not fit). A W outside
// 1..16 is replaced by 10, in the caller's variable too; a constant width is replaced locally.
void WriteInteger(int n, int& W);
void WriteInteger(int n, const int& W);

// Appends n blanks; nothing for n <= 0.
void WriteBlanks(int n);

// Appends s left-justified in 10 characters, cut or blank-padded.
void WriteText10(const char* s);

// Ends the report's open line.
void EndLine();

// Writes s as a complete line.
void WriteLine(const char* s);
