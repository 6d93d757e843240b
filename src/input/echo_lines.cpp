// Framed headings and labelled value lines of the input echo.
#include "input/echo_lines.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "model/model.h"
#include "report/number_writer.h"

namespace {

constexpr const char* k_Dash_Line_80 =
    "--------------------------------------------------------------------------------";
constexpr int k_Count_Width = 12;      // I12 of counts
constexpr int k_Value_Width = 12;      // WriteNumber width and the E12.4 / F12.4 fields
constexpr int k_Value_Decimals = 4;

void Finish_With_Unit(FortranRecord& line, const char* unit) {
    if (unit != nullptr && unit[0] != '\0') {
        Append_Text(line, " ");
        Append_Trimmed(line, unit);
    }
    WriteLine(line.text.data());
}

}  // namespace

void Write_Echo_Heading(const char* title, int indent, int blank_lines) {
    for (int i = 0; i < blank_lines; ++i) WriteLine("");
    WriteLine(k_Dash_Line_80);
    FortranRecord line;
    Start_Record(line);
    Append_X(line, indent);
    Append_Text(line, title);
    WriteLine(line.text.data());
    WriteLine(k_Dash_Line_80);
    WriteLine("");
}

FortranRecord Start_Value_Line(const char* label) {
    FortranRecord line;
    Start_Record(line);
    Append_Text(line, label);
    Tab_To(line, k_Echo_Equals_Column);
    Append_Text(line, "= ");
    return line;
}

void Write_Count_Line(const char* label, int n) {
    FortranRecord line = Start_Value_Line(label);
    Append_I(line, n, k_Count_Width);
    WriteLine(line.text.data());
}

void Write_Integer_Line(const char* label, int n) {
    FortranRecord line = Start_Value_Line(label);
    Append_I(line, n, 0);
    WriteLine(line.text.data());
}

void Write_Number_Line(const char* label, double x, const char* unit) {
    FortranRecord line = Start_Value_Line(label);
    Append_Text(line, Format_Number(x, k_Value_Width).text.data());
    Finish_With_Unit(line, unit);
}

void Write_E_Line(const char* label, double x, const char* unit) {
    FortranRecord line = Start_Value_Line(label);
    Append_E(line, x, k_Value_Width, k_Value_Decimals);
    Finish_With_Unit(line, unit);
}

void Write_F_Line(const char* label, double x, const char* unit) {
    FortranRecord line = Start_Value_Line(label);
    Append_F(line, x, k_Value_Width, k_Value_Decimals);
    Finish_With_Unit(line, unit);
}

void Write_Text_Line(const char* label, const char* text) {
    FortranRecord line = Start_Value_Line(label);
    Append_Text(line, text);
    WriteLine(line.text.data());
}

UnitText Power_Unit(const char* length_label, const char* exponent) {
    UnitText unit;
    FortranRecord r;
    Start_Record(r);
    Append_Trimmed(r, length_label);
    Append_Trimmed(r, g_Model.LabelPower);
    Append_Trimmed(r, exponent);
    // a length label of at most three characters, "**" and one digit: far below 15
    std::snprintf(unit.text, sizeof unit.text, "%.15s", r.text.data());
    return unit;
}

void Write_Column_Heads(std::initializer_list<ColumnHead> heads) {
    FortranRecord line;
    Start_Record(line);
    for (const ColumnHead& h : heads) {
        int n = static_cast<int>(std::strlen(h.text));
        while (n > 0 && h.text[n - 1] == ' ') --n;
        const int start = h.end_column - n + 1;
        // a heading too long for its column keeps one blank after the one before it
        Tab_To(line, line.column == 0 ? start : std::max(start, line.column + 2));
        Append_Trimmed(line, h.text);
    }
    WriteLine(line.text.data());
}
