// Line reading of the input data file: text lines read as 256-character fields, and the format
// tag at the start of the file.
#pragma once

#include "model/model.h"

// Reads the next line of the input data file as a text line: its first 256 characters, without
// the line end (LF or CR-LF) and without trailing blanks. Returns false at the end of the file.
bool Read_Text_Line(NameText& line);

// Reads the first free-format value of the input data file (blank- or comma-delimited, skipping
// empty lines) into a 7-character field padded with blanks; "3" and six blanks when no value
// can be read. The file is left at the line after the one that held the value.
void Read_Format_Tag(char (&tag)[8]);
