// List-directed output records: the text gfortran's `write(unit,*)` produces for a list of
// character, integer, double precision and logical items. A few internal diagnostic blocks are
// specified in this form. The formatted edit descriptors (I, F, E) live in report/fortran_format;
// this file owns only the list-directed spacing and the processor's choice of real form.
#pragma once

constexpr int k_Max_List_Record_Length = 300;   // longest diagnostic line stays far below this

// A list-directed record under construction. The record opens with one blank; every numeric
// or logical item is preceded by one blank, and a character item is preceded by one blank
// when it is the first item or follows a non-character item.
struct ListRecord {
    char text[k_Max_List_Record_Length + 1];   // NUL-terminated
    int length;                                // characters written so far
    bool last_was_text;                        // the previous item was a character item
    bool empty;                                // no item written yet
};

void Start_List_Record(ListRecord& record);
void List_Text(ListRecord& record, const char* text);
// INTEGER(4): eleven columns, right-justified.
void List_Integer(ListRecord& record, int n);
// DOUBLE PRECISION: 17 significant digits in a 25-column field; fixed form with five trailing
// blanks when the rounded magnitude lies in [0.1, 1e17) or is zero, else 1PE form with a
// three-digit exponent; Infinity and NaN right-justified.
void List_Real(ListRecord& record, double x);
// LOGICAL: "T" or "F".
void List_Logical(ListRecord& record, bool value);

// The field List_Real appends after its separating blank: 25 characters and a NUL.
void Format_List_Real(double x, char (&field)[26]);
