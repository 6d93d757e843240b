// Reading a line of a text file into a fixed field (see line_input.h).
#include "engine/line_input.h"

int Read_Line_Into(std::FILE* f, char* field, int width, bool& cut) {
    cut = false;
    int n = 0;
    int c = 0;
    bool any = false;
    while ((c = std::fgetc(f)) != EOF) {
        any = true;
        if (c == '\n') break;
        if (c == '\0') c = '?';
        if (n < width) {
            field[n++] = static_cast<char>(c);
        } else if (c != ' ' && c != '\t' && c != '\r') {
            cut = true;
        }
    }
    field[n] = '\0';
    return any && !std::ferror(f) ? n : -1;
}
