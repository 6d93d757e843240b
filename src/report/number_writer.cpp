// The report's number writer: the magnitude-dependent number forms and the small appenders that
// build report lines on g_Model.ReportFile. Opening and closing the report belong to engine/;
// with no report open, the appenders write nothing.
#include "report/number_writer.h"

#include <algorithm>
#include <charconv>
#include <cassert>
#include <cmath>
#include <cstring>

#include "model/model.h"
#include "report/error_text.h"

namespace {

constexpr int k_Widest_Integer_Field = 16;    // WriteInteger widths 1..16
constexpr int k_Default_Integer_Width = 10;   // replaces a width outside them
constexpr int k_Text10_Width = 10;
constexpr double k_Treated_As_Zero = 1e-12;   // below it a number is written as 0
constexpr double k_Tiny = 1e-25;
constexpr double k_Fixed_Without_Decimals = 10000.0;   // above it, up to A: no decimals
constexpr char k_Not_A_Number_Text[] = "  Not-a-Number";

// 10.0**n in single precision, evaluated as Fortran's real**integer is: binary powering of 10,
// and the reciprocal of the power for a negative n. Every step rounds to float.
float single_power_of_ten(int n) {
    unsigned int u = n < 0 ? 0u - static_cast<unsigned int>(n) : static_cast<unsigned int>(n);
    float x = 10.0f;
    float y = (u % 2 != 0) ? x : 1.0f;
    while ((u >>= 1) != 0) {
        x *= x;
        if (u % 2 != 0) y *= x;
    }
    return n < 0 ? 1.0f / y : y;
}

FieldText text_field(const char* text) {
    FieldText field;
    const std::size_t length = std::strlen(text);
    std::memcpy(field.text.data(), text, length + 1);
    field.length = static_cast<int>(length);
    return field;
}

void write_to_report(const char* characters, int length) {
    if (g_Model.ReportFile == nullptr || length <= 0) return;
    std::fwrite(characters, 1, static_cast<std::size_t>(length), g_Model.ReportFile);
    Keep_Written_Text(characters, static_cast<std::size_t>(length));
}

}  // namespace

NumberFormLimits Compute_Number_Form_Limits(int W) {
    // the subtraction of one is done in float too: from W = 11 on it leaves 10^(W-3) unchanged
    const float a = single_power_of_ten(W - 3) - 1.0f;
    const float b = single_power_of_ten(9 - W);
    const float c = single_power_of_ten(7 - W);
    return {static_cast<double>(a), static_cast<double>(b), static_cast<double>(c)};
}

FieldText Format_Number(double x, int W) {
    assert(W >= 2 && W <= k_Max_Field_Width);
    W = std::min(std::max(W, 2), k_Max_Field_Width);
    const int w = W - 1;
    if (std::fabs(x) < k_Treated_As_Zero) x = 0.0;
    const NumberFormLimits limits = Compute_Number_Form_Limits(W);
    const double magnitude = std::fabs(x);

    // The branch order matters: a NaN fails every comparison and falls through to its text,
    // an infinity is above A and gets the exponent form's "Infinity".
    FieldText number;
    if (x == 0.0 || magnitude < k_Tiny) {
        // the constant 0, so that -0 and tiny negatives show no sign
        number = Format_F(0.0, w, W - 8);
    } else if (magnitude > limits.A) {
        number = Format_E(x, w, W - 8);
    } else if (magnitude > k_Fixed_Without_Decimals) {
        number = Format_F(x, w, 0);
    } else if (magnitude > limits.B) {
        number = Format_F(x, w, W - 7);
    } else if (magnitude >= limits.C) {
        number = Format_F(x, w, W - 5);
    } else if (magnitude < limits.C) {
        number = Format_E(x, w, W - 8);
    } else {
        return text_field(k_Not_A_Number_Text);
    }

    // A negative value at the top of a fixed form's range (-10000 with five decimals in eleven
    // columns) does not fit; the exponent form shows it rather than a field of asterisks.
    if (std::memchr(number.text.data(), '*', static_cast<std::size_t>(number.length)) != nullptr) {
        number = Format_E(x, w, W - 8);
    }

    FieldText field;
    field.text[0] = ' ';
    std::memcpy(field.text.data() + 1, number.text.data(),
                static_cast<std::size_t>(number.length) + 1);
    field.length = number.length + 1;
    return field;
}

ShortestText Shortest_Number_Text(double x) {
    ShortestText t{};
    const std::to_chars_result r = std::to_chars(t.text.data(), t.text.data() + t.text.size() - 1, x);
    t.length = static_cast<int>(r.ptr - t.text.data());
    t.text[static_cast<std::size_t>(t.length)] = '\0';
    return t;
}

void WriteNumber(double x, int W) {
    const FieldText field = Format_Number(x, W);
    write_to_report(field.text.data(), field.length);
}

void WriteInteger(int n, int& W) {
    if (W < 1 || W > k_Widest_Integer_Field) W = k_Default_Integer_Width;
    const FieldText field = Format_I(n, W);
    write_to_report(field.text.data(), field.length);
}

void WriteInteger(int n, const int& W) {
    int width = W;
    WriteInteger(n, width);
}

void WriteBlanks(int n) {
    if (g_Model.ReportFile == nullptr) return;
    for (int i = 0; i < n; ++i) std::fputc(' ', g_Model.ReportFile);
    for (int i = 0; i < n; ++i) Keep_Written_Text(" ", 1);
}

void WriteText10(const char* s) {
    char field[k_Text10_Width + 1];
    std::memset(field, ' ', k_Text10_Width);
    field[k_Text10_Width] = '\0';
    if (s != nullptr) {
        const std::size_t length = std::strlen(s);
        std::memcpy(field, s, std::min(length, static_cast<std::size_t>(k_Text10_Width)));
    }
    write_to_report(field, k_Text10_Width);
}

void EndLine() {
    if (g_Model.ReportFile == nullptr) return;
    std::fputc('\n', g_Model.ReportFile);
    Keep_Line_End();
}

void WriteLine(const char* s) {
    if (g_Model.ReportFile == nullptr) return;
    if (s != nullptr) std::fputs(s, g_Model.ReportFile);
    std::fputc('\n', g_Model.ReportFile);
    Keep_Written_Line(s != nullptr ? s : "", s != nullptr ? std::strlen(s) : 0);
}
