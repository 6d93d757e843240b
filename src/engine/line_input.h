// Reading a text file line by line into a fixed field, for every file the engine reads: the input
// data file, NAMES.DAT and the names of the moment-curvature files.
#pragma once

#include <cstdio>

// Reads one line of any length from f up to its line end and keeps its first `width` characters
// in field (NUL-terminated, so field holds width + 1 characters): a NUL byte is kept as '?', so
// that it cannot end the text early. cut tells whether a character other than a blank, a tab or
// a carriage return lay beyond the field. Returns the number of characters kept, or -1 at the
// end of the file or on a read error before any character of the line.
int Read_Line_Into(std::FILE* f, char* field, int width, bool& cut);
