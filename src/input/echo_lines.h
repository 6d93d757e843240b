// The line pieces of the input echo: framed block headings and labelled value lines, whose
// label starts in column 1 and whose "= " stands in column 56. Numbers go through
// report/number_writer and report/fortran_format; unit texts come from the model's labels.
// What each block prints is owned by the echo files that call these.
#pragma once

#include <initializer_list>

#include "report/fortran_format.h"

constexpr int k_Echo_Equals_Column = 56;

// blank_lines empty lines, 80 dashes, the title after `indent` blanks, 80 dashes, an empty line.
void Write_Echo_Heading(const char* title, int indent, int blank_lines = 2);

// A record holding the label and "= " at column 56, ready for the value.
FortranRecord Start_Value_Line(const char* label);

// label = n (I12).
void Write_Count_Line(const char* label, int n);
// label = n (I0).
void Write_Integer_Line(const char* label, int n);
// label = x (WriteNumber, width 12), then " " and unit without trailing blanks (none for "").
void Write_Number_Line(const char* label, double x, const char* unit);
// label = x (Ew.d or Fw.d), then " " and unit (none for "").
void Write_E_Line(const char* label, double x, const char* unit);
void Write_F_Line(const char* label, double x, const char* unit);
// label = text.
void Write_Text_Line(const char* label, const char* text);

// Composed unit texts: the length label followed by "**" and an exponent ("in**2", "m**4").
struct UnitText {
    char text[16];
};
UnitText Power_Unit(const char* length_label, const char* exponent);

// One column heading of a table: its text (trailing blanks ignored) ends at end_column (1-based),
// over the right end of the column's number field.
struct ColumnHead {
    const char* text;
    int end_column;
};
void Write_Column_Heads(std::initializer_list<ColumnHead> heads);
