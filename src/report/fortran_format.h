// Fortran edit descriptors, rendered character for character as gfortran's formatted WRITE
// renders them: Iw and I0 for integers, Fw.d and Ew.d for reals (rounding, optional leading
// zero, signed zero, asterisks for a value that does not fit, Infinity and NaN), and a record
// builder with nX and Tn for the fixed-column plot records. Everything here works on text alone
// (Write_Record only copies a finished record to the file it is given); the report's number
// forms are in report/number_writer, the records' layouts in the writers that own them.
#pragma once

#include <array>
#include <cstdio>
#include <initializer_list>

constexpr int k_Max_Field_Width = 48;       // widest single field; wider requests are cut to it
constexpr int k_Max_Record_Length = 400;    // longest record; plot records with labels stay below 260

// One rendered field: `length` characters of `text`, followed by a NUL.
struct FieldText {
    std::array<char, k_Max_Field_Width + 1> text;
    int length;
};

// Iw: n right-justified in w columns, w asterisks when it does not fit; w = 0 is I0, the
// minimal width.
FieldText Format_I(long long n, int w);

// Iw.m: as Iw with at least m digits, zero-padded on the left ("05" for I2.2 of 5); with m = 0
// a zero value is written as blanks only.
FieldText Format_I_Min(long long n, int w, int m);

// Fw.d: x rounded to d decimals (exact binary value, ties to even), a leading zero only when
// it fits, a minus sign for every negative value including -0 and values that round to zero.
FieldText Format_F(double x, int w, int d);

// The first d significant digits of |x| (finite; 1 <= d <= 48), rounded from the exact binary
// value with ties to even, into digits[0..d-1] (no NUL), and the decimal exponent of the first
// digit: |x| is about d1.d2d3... times 10^exponent. Zero gives d zeros and exponent 0. The
// digits and exponent are those of printf's "%.*e" with precision d - 1.
void Significant_Digits(double x, int d, char* digits, int& exponent);

// Ew.d: x as 0.ddd with d digits and exponent "E+xx", or "+xxx" for exponents of 100 to 999.
// gfortran refuses d = 0 at run time; here such a field, like any that cannot hold x, is asterisks.
FieldText Format_E(double x, int w, int d);

// A record under construction: the characters written so far and the column where the next
// edit descriptor begins. As in a Fortran record, a tab or a skip beyond the end adds blanks
// only when something is written after it, and a tab back overwrites what was there.
struct FortranRecord {
    std::array<char, k_Max_Record_Length + 1> text;   // NUL after `length` characters
    int length;                                       // characters in the record so far
    int column;                                       // 0-based column of the next character
};

void Start_Record(FortranRecord& record);
void Append_I(FortranRecord& record, long long n, int w);
void Append_F(FortranRecord& record, double x, int w, int d);
void Append_E(FortranRecord& record, double x, int w, int d);
void Append_Text(FortranRecord& record, const char* text);
// The text without its trailing blanks, as unit labels are written inside report lines.
void Append_Trimmed(FortranRecord& record, const char* text);
// A rendered field without its leading blanks, as a number is written inside a sentence.
void Append_Field_In_Sentence(FortranRecord& record, const FieldText& field);
void Append_X(FortranRecord& record, int n);          // nX: skip n columns
void Tab_To(FortranRecord& record, int column);       // Tn: next character at 1-based column n

// A text from its 1-based column: one piece of a heading line such as a table's units line.
struct TabbedText {
    int column;
    const char* text;
};
// A record holding each text from its column (Tn), without its trailing blanks.
FortranRecord Tabbed_Record(std::initializer_list<TabbedText> pieces);

// A record holding before, n in I0 and after: a sentence with one whole number in it.
FortranRecord Text_With_Integer(const char* before, long long n, const char* after = "");

// Records holding before, x as Fw.d or Ew.d, and after: a sentence with one real number in it.
FortranRecord Text_With_F(const char* before, double x, int w, int d, const char* after = "");
FortranRecord Text_With_E(const char* before, double x, int w, int d, const char* after = "");

// Writes the record and its line end to file; a null file receives nothing.
void Write_Record(std::FILE* file, const FortranRecord& record);
