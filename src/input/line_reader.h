// Line reading of the input data file, the one place that turns its bytes into lines and values:
// text lines read as 256-character fields, the format tag at the start of the file, free-format
// data reads (values separated by blanks, tabs or commas, continued over following lines, with
// null values and quoted words) and the fixed-column field of the loading-type line. A value that
// cannot be converted, or an end of file in the middle of a read, raises Input Data Error No. 99
// with the line quoted; the section readers own every other check.
#pragma once

#include <initializer_list>

#include "model/model.h"

// Reads the next line of the input data file as a text line: its first 256 characters, without
// the line end (LF or CR-LF) and without trailing blanks and tabs. A NUL byte reads as '?', so
// that it can never shorten or complete a keyword. Returns false at the end of the file, and
// when text other than blanks runs past column 256: such a line would be read cut short, so it
// raises Input Data Error No. 88 quoting the line.
bool Read_Text_Line(NameText& line);

// Reads the next text line for a section reader. At the end of the file raises Input Data Error
// No. 99 (the file ends before END) and returns false.
bool Read_Required_Text_Line(NameText& line);

// A title line: its first 256 characters, with warning k_Warning_Title_Cut when text ran past
// them. Raises Input Data Error No. 99 at the end of the file.
bool Read_Title_Line(NameText& line);

// Reads the first free-format value of the input data file (blank- or comma-delimited, skipping
// empty lines) into a 7-character field padded with blanks; "3" and six blanks when no value
// can be read. The file is left at the line after the one that held the value.
void Read_Format_Tag(char (&tag)[8]);

// One item of a free-format data read. Build items with Int_Item, Real_Item and Word_Item.
enum class DataItemKind { Integer, Real, Word };
struct DataItem {
    DataItemKind kind;
    int* integer;     // target of an Integer item
    double* real;     // target of a Real item
    char* text;       // target of a Word item: width characters and a NUL
    int width;        // characters of a word kept; the rest of the word is dropped
};
DataItem Int_Item(int& target);
DataItem Real_Item(double& target);
DataItem Word_Item(char* target, int width);

// One free-format data read: starts on a new line and fills the items in order, going on to the
// following lines while items remain; values left on the last line used are ignored. A null value
// (nothing between two commas, or a comma before the first value) leaves its item unchanged.
// Integers are digits with an optional sign; reals may have a decimal point and an exponent
// (E or D); a word is one blank-free value or a quoted text ('...' or "..."; a doubled quote
// stands for one). Raises Input Data Error No. 99 for a value of the wrong kind, a number outside
// its type, an unclosed quote or an end of file before the items are filled.
void Read_Data_Line(const DataItem* items, int count);
void Read_Data_Line(std::initializer_list<DataItem> items);

// One data line of a numbered table: its running number, read and not kept, then up to
// k_Max_Numbered_Line_Items items; false when the read raised an input error.
constexpr int k_Max_Numbered_Line_Items = 8;
bool Read_Numbered_Line(const DataItem* items, int count);
bool Read_Numbered_Line(std::initializer_list<DataItem> items);

// A count on its own data line, checked against 0 .. capacity (Input Data Error No. 95 names
// what is counted) and then stored; a null value keeps the stored count. False when the read or
// the check raised, the stored count then unchanged.
bool Read_Checked_Count(int& stored, const char* what, int capacity);

// Entries 1..n of a section (load cases, layers, pile sections ...), each read by read_entry;
// stops at the first raised error and returns false.
bool Read_Entries(int n, void (*read_entry)(int));

// One value on its own data line; false when the read raised an input error.
bool Read_Real_Value(double& value);
bool Read_Int_Value(int& value);

// One value on its own data line, named for the message when the line holds no number: "Line n
// of the input data file holds "x" where <what> is expected." and the given "Solution: ..." line.
// Raises Input Data Error No. 99 as Read_Real_Value does; false when the read raised an error.
bool Read_Named_Real_Value(double& value, const char* what, const char* solution);

// Converts columns first .. first + width - 1 (1-based) of a text line as a real field: a blank
// field is 0, a value without a decimal point is a whole number. Raises Input Data Error No. 99,
// naming what the field holds, when the field is not a number.
void Read_Fixed_Real_Field(const NameText& line, int first, int width, const char* what,
                           double& value);
