// Text lines, free-format data reads and fixed-column fields of the input data file. Every line
// is a 256-character field; characters beyond column 256 are never looked at, whatever the kind
// of reading. Numbers are converted by strtol/strtod only after the text has been checked against
// the number's written form, so "inf", "nan", hexadecimal and partly numeric values are rejected
// rather than silently taken.
#include "input/line_reader.h"

#include <cassert>
#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "engine/errors.h"
#include "engine/line_input.h"
#include "engine/messages.h"
#include "input/input_errors.h"
#include "input/warning_catalogue.h"
#include "report/fortran_format.h"

namespace {

bool Is_Digit(char c) { return c >= '0' && c <= '9'; }
bool Is_Blank(char c) { return c == ' ' || c == '\t'; }

// [+-] digits
bool Is_Integer_Text(const char* s) {
    if (*s == '+' || *s == '-') ++s;
    if (!Is_Digit(*s)) return false;
    while (Is_Digit(*s)) ++s;
    return *s == '\0';
}

// [+-] (digits [. [digits]] | . digits) [(E|e|D|d) [+-] digits]
bool Is_Real_Text(const char* s) {
    if (*s == '+' || *s == '-') ++s;
    int digits = 0;
    while (Is_Digit(*s)) { ++s; ++digits; }
    if (*s == '.') {
        ++s;
        while (Is_Digit(*s)) { ++s; ++digits; }
    }
    if (digits == 0) return false;
    if (*s == 'E' || *s == 'e' || *s == 'D' || *s == 'd') {
        ++s;
        if (*s == '+' || *s == '-') ++s;
        if (!Is_Digit(*s)) return false;
        while (Is_Digit(*s)) ++s;
    }
    return *s == '\0';
}

// A comma with a digit on each side, at column pos of the line: a decimal comma when the line is
// written with blanks between its values (a line of values joined by commas alone is a list).
bool Is_Decimal_Comma(const NameText& line, int pos) {
    return pos > 0 && line[pos] == ',' && Is_Digit(line[pos - 1]) && Is_Digit(line[pos + 1]);
}

bool Has_Blank_Between_Values(const NameText& line) {
    bool seen_value = false;
    for (int i = 0; line[i] != '\0'; ++i) {
        if (!Is_Blank(line[i])) {
            seen_value = true;
        } else if (seen_value && line[i + 1] != '\0' && !Is_Blank(line[i + 1]) && line[i + 1] != ',' &&
                   line[i - 1] != ',') {
            return true;
        }
    }
    return false;
}

// The number around the comma at column pos, for the message: its digits on both sides.
void Raise_Decimal_Comma(const NameText& line, int pos) {
    int first = pos;
    while (first > 0 && (Is_Digit(line[first - 1]) || line[first - 1] == '.' || line[first - 1] == '-' ||
                         line[first - 1] == '+')) {
        --first;
    }
    int last = pos + 1;
    while (Is_Digit(line[last + 1])) ++last;
    char number[k_Name_Length + 1];
    std::snprintf(number, sizeof number, "%.*s", last - first + 1, line.data() + first);
    char problem[2 * k_Name_Length];
    std::snprintf(problem, sizeof problem,
                  "Problem:  Line %d of the input data file holds \"%s\": a comma between digits, "
                  "which separates two values, so that the digits after it would be lost or shift "
                  "the values after them.",
                  g_Model.i_InputLineNumber, number);
    Raise_Unreadable_Line(line.data(), problem,
                          "Solution: Write decimals with a point (12.5, not 12,5), and separate values "
                          "with blanks.");
}

enum class Conversion { Done, Wrong_Kind, Out_Of_Range };

Conversion Convert_Integer(const char* text, int& value) {
    if (!Is_Integer_Text(text)) return Conversion::Wrong_Kind;
    errno = 0;
    char* end = nullptr;
    const long v = std::strtol(text, &end, 10);
    if (errno == ERANGE || v < INT_MIN || v > INT_MAX) return Conversion::Out_Of_Range;
    value = static_cast<int>(v);
    return Conversion::Done;
}

Conversion Convert_Real(const char* text, double& value) {
    if (!Is_Real_Text(text)) return Conversion::Wrong_Kind;
    // strtod does not know the D exponent of Fortran-written numbers.
    char copy[k_Name_Length + 1];
    std::snprintf(copy, sizeof copy, "%s", text);
    for (char* p = copy; *p != '\0'; ++p) {
        if (*p == 'D' || *p == 'd') *p = 'E';
    }
    errno = 0;
    char* end = nullptr;
    const double v = std::strtod(copy, &end);
    // An underflow reads as the tiny (or zero) value strtod gives; only an overflow is refused.
    if (errno == ERANGE && std::fabs(v) > 1.0) return Conversion::Out_Of_Range;
    value = v;
    return Conversion::Done;
}

// The scanning state of one free-format read.
struct DataScan {
    NameText line;        // the line being scanned
    NameText last_used;   // the last line that gave this read a value, for messages
    int pos;              // next column to scan, 0-based
    bool line_open;       // line holds characters not yet scanned
    bool any_used;        // last_used holds a line
    bool after_comma;     // a comma separated the last value and nothing followed it yet
};

enum class Scan { Value, Null, End_Of_File, Open_Quote, Decimal_Comma };

// Quoted text starting at the quote in column s.pos. Returns false when the line ends first.
bool Scan_Quoted(DataScan& s, char (&token)[k_Name_Length + 1]) {
    const char quote = s.line[s.pos++];
    int n = 0;
    for (;;) {
        const char c = s.line[s.pos];
        if (c == '\0') return false;
        ++s.pos;
        if (c == quote) {
            if (s.line[s.pos] != quote) break;
            ++s.pos;   // a doubled quote stands for one quote character
        }
        token[n++] = c;
    }
    token[n] = '\0';
    return true;
}

// Finds the next value or null value of the read, reading further lines as needed.
Scan Next_Value(DataScan& s, char (&token)[k_Name_Length + 1], bool& quoted) {
    for (;;) {
        if (!s.line_open) {
            if (!Read_Text_Line(s.line)) return Scan::End_Of_File;
            s.pos = 0;
            s.line_open = true;
        }
        while (Is_Blank(s.line[s.pos])) ++s.pos;
        const char c = s.line[s.pos];
        if (c == '\0') {
            // The end of a line separates like a blank; the read goes on with the next line.
            s.line_open = false;
            continue;
        }
        s.last_used = s.line;
        s.any_used = true;
        if (c == ',') {
            if (Is_Decimal_Comma(s.line, s.pos) && Has_Blank_Between_Values(s.line)) return Scan::Decimal_Comma;
            ++s.pos;
            if (s.after_comma) return Scan::Null;
            s.after_comma = true;
            continue;
        }
        s.after_comma = false;
        quoted = c == '\'' || c == '"';
        if (quoted) return Scan_Quoted(s, token) ? Scan::Value : Scan::Open_Quote;
        int n = 0;
        while (s.line[s.pos] != '\0' && s.line[s.pos] != ',' && !Is_Blank(s.line[s.pos])) {
            token[n++] = s.line[s.pos++];
        }
        token[n] = '\0';
        return Scan::Value;
    }
}

// Raises Input Data Error No. 99 for a value that does not fit its item. A read that names its
// value (what, solution) says what the line should hold instead of only "a number".
void Raise_Bad_Value(const char* line, const char* token, bool quoted, DataItemKind kind,
                     Conversion failure, const char* what, const char* solution_text) {
    char problem[2 * k_Name_Length];
    const char* solution = nullptr;
    const int number = g_Model.i_InputLineNumber;
    if (failure == Conversion::Out_Of_Range && kind == DataItemKind::Integer) {
        std::snprintf(problem, sizeof problem,
                      "Problem:  Line %d of the input data file holds the integer %s, which is "
                      "outside the range -2147483648 to 2147483647.",
                      number, token);
        solution = "Solution: Correct the value; no input integer comes near this size.";
    } else if (failure == Conversion::Out_Of_Range) {
        std::snprintf(problem, sizeof problem,
                      "Problem:  Line %d of the input data file holds the number %s, which is "
                      "too large to be stored.",
                      number, token);
        solution = "Solution: Correct the value; its magnitude must stay below 1.0E+308.";
    } else if (what != nullptr) {
        std::snprintf(problem, sizeof problem,
                      "Problem:  Line %d of the input data file holds %s\"%s\" where %s is expected.",
                      number, quoted ? "the quoted text " : "", token, what);
        solution = solution_text;
    } else {
        const bool integer = kind == DataItemKind::Integer;
        std::snprintf(problem, sizeof problem,
                      "Problem:  Line %d of the input data file holds %s\"%s\" where %s is "
                      "expected.",
                      number, quoted ? "the quoted text " : "", token,
                      integer ? "an integer number" : "a number");
        solution = integer
                       ? "Solution: Write an integer number here, without a decimal point or exponent."
                       : "Solution: Write a number here, for example 12, 12.5 or 1.25E+1.";
    }
    Raise_Unreadable_Line(line, problem, solution);
}

}  // namespace

namespace {

// One line of the input data file into its 256-character field. Returns false at the end of the
// file; cut tells whether text other than blanks lay beyond the field.
bool Read_Line_Field(NameText& line, bool& cut) {
    cut = false;
    std::FILE* f = g_Model.InputFile;
    if (f == nullptr) return false;
    // A NUL reads as '?': "END" followed by NUL and garbage must not pass as END. Characters
    // beyond column 256 are outside the field.
    int n = Read_Line_Into(f, line.data(), k_Name_Length, cut);
    if (n < 0) {
        line[0] = '\0';
        return false;
    }
    ++g_Model.i_InputLineNumber;
    // A line ending in CR-LF reads as the same line ending in LF.
    if (n > 0 && line[n - 1] == '\r') --n;
    // Trailing blanks and tabs are invisible to the user and never part of a keyword or value.
    while (n > 0 && Is_Blank(line[n - 1])) --n;
    line[n] = '\0';
    return true;
}

// Input Data Error No. 88: a line whose text runs past the 256-character field, where a value
// or a keyword would be read cut short (a 100,000-digit number as 0, say).
void Raise_Line_Too_Long(const NameText& line) {
    const FortranRecord problem =
        Text_With_Integer("Problem:  Line ", g_Model.i_InputLineNumber,
                          " of the input data file has text beyond column 256, which cannot be read.");
    const FortranRecord heading = Error_Heading(true, 88, 5);
    for (void (*write)(const char*) : {Write_Message_Line, Write_Report_Line}) {
        write("");
        write(heading.text.data());
        write("");
        write(problem.text.data());
        write("          Its first 256 characters are:");
        write(line.data());
        write("Solution: Shorten the line to 256 characters or fewer.");
        write("");
    }
    Raise_Input_Error(88);
}

}  // namespace

bool Read_Text_Line(NameText& line) {
    bool cut = false;
    if (!Read_Line_Field(line, cut)) return false;
    if (cut) {
        Raise_Line_Too_Long(line);
        return false;
    }
    return true;
}

bool Read_Title_Line(NameText& line) {
    bool cut = false;
    if (!Read_Line_Field(line, cut)) {
        Raise_End_Of_Input(nullptr);
        return false;
    }
    // A title is text for the report: cut to its field, with a warning.
    if (cut) RecordWarning(-k_Warning_Title_Cut);
    return true;
}

bool Read_Required_Text_Line(NameText& line) {
    if (Read_Text_Line(line)) return true;
    if (g_Model.ErrorStatus == 0) Raise_End_Of_Input(nullptr);
    return false;
}

void Read_Format_Tag(char (&tag)[8]) {
    NameText line;
    bool first_line = true;
    bool cut = false;   // only the first value of the tag line counts
    while (Read_Line_Field(line, cut)) {
        const char* p = line.data();
        // A UTF-8 byte-order mark that an editor put in front of the file is an encoding
        // detail, not part of the tag.
        if (first_line && std::strncmp(p, "\xEF\xBB\xBF", 3) == 0) p += 3;
        first_line = false;
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

DataItem Int_Item(int& target) { return {DataItemKind::Integer, &target, nullptr, nullptr, 0}; }
DataItem Real_Item(double& target) { return {DataItemKind::Real, nullptr, &target, nullptr, 0}; }
DataItem Word_Item(char* target, int width) {
    return {DataItemKind::Word, nullptr, nullptr, target, width};
}

namespace {

// The free-format read of Read_Data_Line; what and solution name the values for the message of
// a value that cannot be read (nullptr: the general message).
void Read_Items(const DataItem* items, int count, const char* what, const char* solution) {
    DataScan s;
    s.pos = 0;
    s.line_open = false;
    s.any_used = false;
    // A comma before the first value of a read is a null value, as between two commas.
    s.after_comma = true;
    for (int i = 0; i < count; ++i) {
        const DataItem& item = items[i];
        char token[k_Name_Length + 1];
        bool quoted = false;
        const Scan found = Next_Value(s, token, quoted);
        if (found == Scan::End_Of_File) {
            // a line too long to read has ended the run already
            if (g_Model.ErrorStatus == 0) Raise_End_Of_Input(s.any_used ? s.last_used.data() : nullptr);
            return;
        }
        if (found == Scan::Open_Quote) {
            char problem[128];
            std::snprintf(problem, sizeof problem,
                          "Problem:  Line %d of the input data file has a quoted text without "
                          "its closing quote.",
                          g_Model.i_InputLineNumber);
            Raise_Unreadable_Line(s.line.data(), problem,
                                  "Solution: Close the quoted text on the same line.");
            return;
        }
        if (found == Scan::Decimal_Comma) {
            Raise_Decimal_Comma(s.line, s.pos);
            return;
        }
        if (found == Scan::Null) continue;
        Conversion done = Conversion::Done;
        switch (item.kind) {
            case DataItemKind::Integer:
                done = quoted ? Conversion::Wrong_Kind : Convert_Integer(token, *item.integer);
                break;
            case DataItemKind::Real:
                done = quoted ? Conversion::Wrong_Kind : Convert_Real(token, *item.real);
                break;
            case DataItemKind::Word:
                std::snprintf(item.text, static_cast<std::size_t>(item.width) + 1, "%s", token);
                break;
        }
        if (done != Conversion::Done) {
            Raise_Bad_Value(s.line.data(), token, quoted, item.kind, done, what, solution);
            return;
        }
    }
    // The values left on the last line are not read; a decimal comma right after the last value
    // would drop its fraction without a word ("27,5" read as 27).
    if (s.line_open && Is_Decimal_Comma(s.line, s.pos)) Raise_Decimal_Comma(s.line, s.pos);
}

}  // namespace

void Read_Data_Line(const DataItem* items, int count) { Read_Items(items, count, nullptr, nullptr); }

void Read_Data_Line(std::initializer_list<DataItem> items) {
    Read_Data_Line(items.begin(), static_cast<int>(items.size()));
}

bool Read_Checked_Count(int& stored, const char* what, int capacity) {
    int n = stored;
    if (!Read_Int_Value(n)) return false;
    if (!Check_Count(what, n, 0, capacity)) return false;
    stored = n;
    return true;
}

bool Read_Entries(int n, void (*read_entry)(int)) {
    for (int i = 1; i <= n; ++i) {
        read_entry(i);
        if (g_Model.ErrorStatus != 0) return false;
    }
    return true;
}

bool Read_Numbered_Line(const DataItem* items, int count) {
    assert(count >= 0 && count <= k_Max_Numbered_Line_Items);
    int running = 0;
    DataItem all[1 + k_Max_Numbered_Line_Items];
    all[0] = Int_Item(running);
    for (int i = 0; i < count; ++i) all[1 + i] = items[i];
    Read_Data_Line(all, 1 + count);
    return g_Model.ErrorStatus == 0;
}

bool Read_Numbered_Line(std::initializer_list<DataItem> items) {
    return Read_Numbered_Line(items.begin(), static_cast<int>(items.size()));
}

bool Read_Real_Value(double& value) {
    Read_Data_Line({Real_Item(value)});
    return g_Model.ErrorStatus == 0;
}

bool Read_Named_Real_Value(double& value, const char* what, const char* solution) {
    const DataItem item = Real_Item(value);
    Read_Items(&item, 1, what, solution);
    return g_Model.ErrorStatus == 0;
}

bool Read_Int_Value(int& value) {
    Read_Data_Line({Int_Item(value)});
    return g_Model.ErrorStatus == 0;
}

void Read_Fixed_Real_Field(const NameText& line, int first, int width, const char* what,
                           double& value) {
    // Columns past the end of a short line are blanks.
    const int length = static_cast<int>(std::strlen(line.data()));
    char field[k_Name_Length + 1];
    int n = 0;
    for (int col = first; col < first + width; ++col) {
        field[n++] = col <= length ? line[col - 1] : ' ';
    }
    field[n] = '\0';
    int b = 0;
    while (field[b] == ' ') ++b;
    while (n > b && field[n - 1] == ' ') --n;
    field[n] = '\0';
    const char* text = field + b;
    if (*text == '\0') {
        value = 0.0;
        return;
    }
    double v = 0.0;
    if (Convert_Real(text, v) == Conversion::Done) {
        value = v;
        return;
    }
    char problem[2 * k_Name_Length];
    std::snprintf(problem, sizeof problem,
                  "Problem:  Line %d of the input data file holds \"%s\" in columns %d to %d, "
                  "where %s is expected.",
                  g_Model.i_InputLineNumber, text, first, first + width - 1, what);
    char solution[k_Name_Length];
    std::snprintf(solution, sizeof solution, "Solution: Write %s as a number in columns %d to %d.",
                  what, first, first + width - 1);
    Raise_Unreadable_Line(line.data(), problem, solution);
}
