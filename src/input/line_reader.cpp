// Text-line reading from the open input data file.
#include "input/line_reader.h"

#include <cstdio>
#include <cstring>

bool Read_Text_Line(NameText& line) {
    std::FILE* f = g_Model.InputFile;
    if (f == nullptr) return false;
    int n = 0;
    int c = 0;
    bool any = false;
    while ((c = std::fgetc(f)) != EOF) {
        any = true;
        if (c == '\n') break;
        // Characters beyond column 256 are outside the field and ignored.
        if (n < k_Name_Length) line[n++] = static_cast<char>(c);
    }
    if (!any) {
        line[0] = '\0';
        return false;
    }
    ++g_Model.i_InputLineNumber;
    // A line ending in CR-LF reads as the same line ending in LF.
    if (n > 0 && line[n - 1] == '\r') --n;
    while (n > 0 && line[n - 1] == ' ') --n;
    line[n] = '\0';
    return true;
}

void Read_Format_Tag(char (&tag)[8]) {
    NameText line;
    while (Read_Text_Line(line)) {
        const char* p = line.data();
        while (*p == ' ' || *p == '\t' || *p == ',') ++p;
        if (*p == '\0') continue;   // an empty line: the free-format read goes on to the next line
        std::size_t n = std::strcspn(p, " \t,");
        if (n > 7) n = 7;
        std::memset(tag, ' ', 7);
        std::memcpy(tag, p, n);
        tag[7] = '\0';
        return;
    }
    std::snprintf(tag, sizeof tag, "%-7s", "3");
}
