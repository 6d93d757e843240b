// List-directed records as gfortran writes them (see the header for the spacing rules).
#include "report/list_directed.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr int k_Real_Field_Width = 25;
constexpr int k_Real_Fixed_Width = 20;       // the fixed form keeps five blanks for the exponent
constexpr int k_Significant_Digits = 17;

void Append(ListRecord& record, const char* text) {
    const int room = k_Max_List_Record_Length - record.length;
    const int n = static_cast<int>(std::strlen(text));
    const int take = n < room ? n : room;
    std::memcpy(record.text + record.length, text, static_cast<std::size_t>(take));
    record.length += take;
    record.text[record.length] = '\0';
}

void Append_Value(ListRecord& record, const char* field) {
    Append(record, " ");
    Append(record, field);
    record.last_was_text = false;
    record.empty = false;
}

// Writes text right-justified in width columns to out[width + 1]; text never exceeds width.
void Right_Justify(const char* text, int width, char* out) {
    const int n = static_cast<int>(std::strlen(text));
    const int pad = n < width ? width - n : 0;
    std::memset(out, ' ', static_cast<std::size_t>(pad));
    std::memcpy(out + pad, text, static_cast<std::size_t>(width - pad));
    out[width] = '\0';
}

}  // namespace

void Start_List_Record(ListRecord& record) {
    record.text[0] = '\0';
    record.length = 0;
    record.last_was_text = false;
    record.empty = true;
}

void List_Text(ListRecord& record, const char* text) {
    // Consecutive character items run together; any other neighbour is one blank away.
    if (record.empty || !record.last_was_text) Append(record, " ");
    Append(record, text);
    record.last_was_text = true;
    record.empty = false;
}

void List_Integer(ListRecord& record, int n) {
    char field[16];
    std::snprintf(field, sizeof field, "%11d", n);
    Append_Value(record, field);
}

void List_Logical(ListRecord& record, bool value) { Append_Value(record, value ? "T" : "F"); }

void List_Real(ListRecord& record, double x) {
    char field[k_Real_Field_Width + 1];
    Format_List_Real(x, field);
    Append_Value(record, field);
}

void Format_List_Real(double x, char (&field)[26]) {
    if (std::isnan(x)) {
        Right_Justify("NaN", k_Real_Field_Width, field);
        return;
    }
    if (std::isinf(x)) {
        Right_Justify(x < 0 ? "-Infinity" : "Infinity", k_Real_Field_Width, field);
        return;
    }
    // The decimal exponent after rounding to 17 significant digits decides the form, so that a
    // value that rounds up to the next power of ten is written as that power.
    char scientific[40];
    std::snprintf(scientific, sizeof scientific, "%.*E", k_Significant_Digits - 1, x);
    const char* e_mark = std::strchr(scientific, 'E');
    const int exponent = std::atoi(e_mark + 1);
    if (exponent >= -1 && exponent <= k_Significant_Digits - 1) {   // zero has exponent 0
        const int decimals = k_Significant_Digits - 1 - exponent;
        char fixed[40];
        // '#' keeps the decimal point of a value with no decimals ("10000000000000000.").
        std::snprintf(fixed, sizeof fixed, "%#.*f", decimals, x);
        char justified[k_Real_Fixed_Width + 1];
        Right_Justify(fixed, k_Real_Fixed_Width, justified);
        std::snprintf(field, sizeof field, "%s     ", justified);
        return;
    }
    char exponential[40];
    std::snprintf(exponential, sizeof exponential, "%.*sE%c%03d",
                  static_cast<int>(e_mark - scientific), scientific, exponent < 0 ? '-' : '+',
                  std::abs(exponent));
    Right_Justify(exponential, k_Real_Field_Width, field);
}
