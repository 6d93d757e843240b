// Fortran edit descriptors as gfortran renders them. The digits are those of the exact binary
// value rounded with ties to even, exactly as printf's "%f" and "%e" give them and as gfortran's
// run time does by default: fixed forms from std::to_chars with a precision, exponent forms from
// Significant_Digits (a scaled product, with std::to_chars for the values it cannot settle), at
// a fraction of printf's cost (the plot file alone holds tens of thousands of numbers). This file
// arranges those digits into Fortran fields: sign, optional leading zero, 0.ddd mantissa,
// exponent forms, asterisks on overflow.
#include "report/fortran_format.h"

#include <algorithm>
#include <charconv>
#include <cassert>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "model/model.h"
#include "report/error_text.h"

namespace {

// 309 integer digits of the largest double, a point and up to k_Max_Field_Width decimals.
constexpr int k_Fixed_Digits_Capacity = 309 + 1 + k_Max_Field_Width + 8;

int clamp_width(int w, int smallest) {
    assert(w >= smallest && w <= k_Max_Field_Width);
    return std::min(std::max(w, smallest), k_Max_Field_Width);
}

FieldText filled_field(int w, char c) {
    FieldText field;
    std::memset(field.text.data(), c, static_cast<std::size_t>(w));
    field.text[static_cast<std::size_t>(w)] = '\0';
    field.length = w;
    return field;
}

// Infinity and NaN are written right-justified: "Infinity" when the field is wide enough
// (a minus sign needs one more column), else "Inf"; "NaN"; asterisks below three columns,
// and for a negative infinity in exactly three.
FieldText infinity_or_nan_field(double x, int w) {
    if (w < 3) return filled_field(w, '*');
    FieldText field = filled_field(w, ' ');
    char* end = field.text.data() + w;
    if (std::isnan(x)) {
        std::memcpy(end - 3, "NaN", 3);
        return field;
    }
    const bool negative = std::signbit(x);
    if (negative && w == 3) return filled_field(w, '*');
    const int long_form_width = negative ? 9 : 8;
    if (w >= long_form_width) {
        std::memcpy(end - 8, "Infinity", 8);
        if (negative) end[-9] = '-';
    } else {
        std::memcpy(end - 3, "Inf", 3);
        if (negative) end[-4] = '-';
    }
    return field;
}

// Places a real's body (from the decimal point on, or with its integer digits) right-justified
// in w columns. The zero before the point of a value below one is written only when a column
// is left for it. A lone "." or "-." is never written: gfortran shows asterisks instead.
FieldText placed_number(bool negative, bool zero_before_point, const char* body, int body_length,
                        int w) {
    const int needed = body_length + (negative ? 1 : 0);
    if (needed > w || w == 1 || (w == 2 && negative)) return filled_field(w, '*');
    const bool lead_zero = zero_before_point && needed < w;
    FieldText field = filled_field(w, ' ');
    char* p = field.text.data() + (w - needed - (lead_zero ? 1 : 0));
    if (negative) *p++ = '-';
    if (lead_zero) *p++ = '0';
    std::memcpy(p, body, static_cast<std::size_t>(body_length));
    return field;
}

// Copies up to `length` characters into the record at its column, padding a gap left by a tab
// or a skip with blanks. Text beyond the record's capacity is dropped.
void put_characters(FortranRecord& record, const char* characters, int length) {
    assert(record.column + length <= k_Max_Record_Length);
    const int start = std::min(record.column, k_Max_Record_Length);
    const int count = std::min(length, k_Max_Record_Length - start);
    if (start > record.length) {
        std::memset(record.text.data() + record.length, ' ',
                    static_cast<std::size_t>(start - record.length));
    }
    std::memcpy(record.text.data() + start, characters, static_cast<std::size_t>(count));
    record.column = start + count;
    record.length = std::max(record.length, record.column);
    record.text[static_cast<std::size_t>(record.length)] = '\0';
}

}  // namespace

FieldText Format_I(long long n, int w) {
    w = clamp_width(w, 0);
    char digits[24];
    const int length = static_cast<int>(std::to_chars(digits, digits + sizeof digits, n).ptr - digits);
    if (w == 0) w = length;
    if (length > w) return filled_field(w, '*');
    FieldText field = filled_field(w, ' ');
    std::memcpy(field.text.data() + (w - length), digits, static_cast<std::size_t>(length));
    return field;
}

FieldText Format_I_Min(long long n, int w, int m) {
    w = clamp_width(w, 1);
    if (m < 0) m = 0;
    if (m > w) return filled_field(w, '*');
    char digits[48];
    const unsigned long long magnitude =
        n < 0 ? 0ULL - static_cast<unsigned long long>(n) : static_cast<unsigned long long>(n);
    int length = 0;
    if (magnitude == 0 && m == 0) {
        length = 0;
    } else {
        length = std::snprintf(digits, sizeof digits, "%s%0*llu", n < 0 ? "-" : "", m, magnitude);
    }
    if (length > w) return filled_field(w, '*');
    FieldText field = filled_field(w, ' ');
    std::memcpy(field.text.data() + (w - length), digits, static_cast<std::size_t>(length));
    return field;
}

FieldText Format_F(double x, int w, int d) {
    w = clamp_width(w, 1);
    if (!std::isfinite(x)) return infinity_or_nan_field(x, w);
    if (d < 0 || d > k_Max_Field_Width) return filled_field(w, '*');
    char digits[k_Fixed_Digits_Capacity];
    const std::to_chars_result r = std::to_chars(digits, digits + sizeof digits - 1, std::fabs(x),
                                                 std::chars_format::fixed, d);
    if (r.ec != std::errc()) return filled_field(w, '*');
    int length = static_cast<int>(r.ptr - digits);
    // Fortran keeps the point when d = 0, as in "2."
    if (d == 0) digits[length++] = '.';
    // a value that rounds below one has the lone integer digit "0", which is optional
    const bool below_one = digits[0] == '0' && digits[1] == '.';
    const char* body = below_one ? digits + 1 : digits;
    return placed_number(std::signbit(x), below_one, body, length - (below_one ? 1 : 0), w);
}

namespace {

// The powers of ten that are exact doubles.
constexpr double k_Exact_Powers_Of_Ten[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                            1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                            1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
constexpr int k_Largest_Exact_Power = 22;
// "00" to "99", the two digits of every number below a hundred.
constexpr char k_Digit_Pairs[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";
// Up to 15 digits the scaled value stays an exact integer below 2^53.
constexpr int k_Most_Scaled_Digits = 15;

// The fast way for 0 < x normal and d <= 15: y = x 10^s with 10^(d-1) <= y < 10^d is formed in
// one correctly rounded operation by an exact power of ten, so it lies within y 2^-53 of the true
// product, and rounding it to an integer gives the true digits unless the fraction is that close
// to one half. Returns false, leaving the work to std::to_chars, for such near ties and for
// scales beyond the exact powers.
bool Scaled_Significant_Digits(double x, int d, char* digits, int& exponent) {
    std::uint64_t bits;
    std::memcpy(&bits, &x, sizeof bits);
    const int binary_exponent = static_cast<int>((bits >> 52) & 0x7ff) - 1023;
    // floor(log10 x), or one below it: 2^binary_exponent <= x < 2^(binary_exponent + 1)
    // (the floor taken by hand: the library's floor is a call where the plot file needs speed)
    const double log10_low = binary_exponent * 0.30102999566398120;
    int decimal = static_cast<int>(log10_low);
    if (log10_low < decimal) --decimal;
    const double top = k_Exact_Powers_Of_Ten[d];
    double y = 0.0;
    for (int attempt = 0; attempt < 2; ++attempt) {
        const int s = d - 1 - decimal;
        if (s > k_Largest_Exact_Power || s < -k_Largest_Exact_Power) return false;
        y = s >= 0 ? x * k_Exact_Powers_Of_Ten[s] : x / k_Exact_Powers_Of_Ten[-s];
        if (y < top) break;
        ++decimal;
    }
    if (y >= top) return false;
    // y >= 1: the conversion truncates to its floor
    std::uint64_t n = static_cast<std::uint64_t>(y);
    const double fraction = y - static_cast<double>(n);
    if (std::fabs(fraction - 0.5) <= y * 0x1p-51) return false;
    if (fraction > 0.5) ++n;
    if (n == static_cast<std::uint64_t>(top)) {   // 9.99..95 carried to 10.00..0
        n /= 10;
        ++decimal;
    }
    if (d <= 9) {   // below 2^32: the cheaper division, two digits at a time
        std::uint32_t m = static_cast<std::uint32_t>(n);
        int i = d;
        for (; i >= 2; i -= 2) {
            std::memcpy(digits + i - 2, k_Digit_Pairs + 2 * (m % 100), 2);
            m /= 100;
        }
        if (i == 1) digits[0] = static_cast<char>('0' + m);
    } else {
        for (int i = d - 1; i >= 0; --i) {
            digits[i] = static_cast<char>('0' + n % 10);
            n /= 10;
        }
    }
    exponent = decimal;
    return true;
}

}  // namespace

void Significant_Digits(double x, int d, char* digits, int& exponent) {
    assert(d >= 1 && d <= k_Max_Field_Width && std::isfinite(x));
    x = std::fabs(x);
    if (x == 0.0) {
        std::memset(digits, '0', static_cast<std::size_t>(d));
        exponent = 0;
        return;
    }
    if (d <= k_Most_Scaled_Digits && x >= 0x1p-1022 && Scaled_Significant_Digits(x, d, digits, exponent)) {
        return;
    }
    char text[k_Max_Field_Width + 16];
    const std::to_chars_result r =
        std::to_chars(text, text + sizeof text, x, std::chars_format::scientific, d - 1);
    assert(r.ec == std::errc());
    // d.ddde+XX: the digits around the point, then the exponent
    int count = 0;
    const char* p = text;
    for (; p < r.ptr && *p != 'e'; ++p) {
        if (*p != '.') digits[count++] = *p;
    }
    int magnitude = 0;
    for (const char* q = p + 2; q < r.ptr; ++q) magnitude = magnitude * 10 + (*q - '0');
    exponent = p[1] == '-' ? -magnitude : magnitude;
}

FieldText Format_E(double x, int w, int d) {
    w = clamp_width(w, 1);
    if (!std::isfinite(x)) return infinity_or_nan_field(x, w);
    if (d < 1 || d > k_Max_Field_Width) return filled_field(w, '*');
    char body[k_Max_Field_Width + 16];
    int length = 0;
    body[length++] = '.';
    int first = 0;
    Significant_Digits(x, d, body + length, first);
    length += d;
    // the mantissa 0.DDDD is one decade below D.DDD; zero keeps the exponent 0 (rounding that
    // carries, 0.99999999 to 1.000000, is already in the first digit's exponent)
    const long exponent = first + (x != 0.0 ? 1 : 0);
    const long magnitude = exponent < 0 ? -exponent : exponent;
    if (magnitude > 999) return filled_field(w, '*');
    // beyond two exponent digits gfortran drops the E to keep the field's width
    // (the exponent digits are placed by hand: this runs for every number of the plot file)
    if (magnitude <= 99) {
        body[length++] = 'E';
    }
    body[length++] = exponent < 0 ? '-' : '+';
    if (magnitude > 99) body[length++] = static_cast<char>('0' + magnitude / 100);
    body[length++] = static_cast<char>('0' + magnitude / 10 % 10);
    body[length++] = static_cast<char>('0' + magnitude % 10);
    return placed_number(std::signbit(x), true, body, length, w);
}

void Start_Record(FortranRecord& record) {
    record.text[0] = '\0';
    record.length = 0;
    record.column = 0;
}

void Append_I(FortranRecord& record, long long n, int w) {
    const FieldText field = Format_I(n, w);
    put_characters(record, field.text.data(), field.length);
}

void Append_F(FortranRecord& record, double x, int w, int d) {
    const FieldText field = Format_F(x, w, d);
    put_characters(record, field.text.data(), field.length);
}

void Append_E(FortranRecord& record, double x, int w, int d) {
    const FieldText field = Format_E(x, w, d);
    put_characters(record, field.text.data(), field.length);
}

void Append_Text(FortranRecord& record, const char* text) {
    if (text == nullptr) return;
    put_characters(record, text, static_cast<int>(std::strlen(text)));
}

void Append_Field_In_Sentence(FortranRecord& record, const FieldText& field) {
    const char* digits = field.text.data();
    while (*digits == ' ') ++digits;
    Append_Text(record, digits);
}

void Append_Trimmed(FortranRecord& record, const char* text) {
    if (text == nullptr) return;
    int n = static_cast<int>(std::strlen(text));
    while (n > 0 && text[n - 1] == ' ') --n;
    put_characters(record, text, n);
}

void Append_X(FortranRecord& record, int n) {
    if (n <= 0) return;
    record.column = std::min(record.column + n, k_Max_Record_Length);
}

void Tab_To(FortranRecord& record, int column) {
    record.column = std::min(std::max(column, 1) - 1, k_Max_Record_Length);
}

void Write_Record(std::FILE* file, const FortranRecord& record) {
    if (file == nullptr) return;
    std::fwrite(record.text.data(), 1, static_cast<std::size_t>(record.length), file);
    std::fputc('\n', file);
    if (file == g_Model.ReportFile || file == g_Model.MessageFile) {
        Keep_Written_Line(record.text.data(), static_cast<std::size_t>(record.length));
    }
}

namespace {

// A record holding before, one rendered field and after.
FortranRecord Text_With_Field(const char* before, const FieldText& field, const char* after) {
    FortranRecord r;
    Start_Record(r);
    Append_Text(r, before);
    put_characters(r, field.text.data(), field.length);
    Append_Text(r, after);
    return r;
}

}  // namespace

FortranRecord Tabbed_Record(std::initializer_list<TabbedText> pieces) {
    FortranRecord record;
    Start_Record(record);
    for (const TabbedText& piece : pieces) {
        Tab_To(record, piece.column);
        Append_Trimmed(record, piece.text);
    }
    return record;
}

FortranRecord Text_With_Integer(const char* before, long long n, const char* after) {
    return Text_With_Field(before, Format_I(n, 0), after);
}

FortranRecord Text_With_F(const char* before, double x, int w, int d, const char* after) {
    return Text_With_Field(before, Format_F(x, w, d), after);
}

FortranRecord Text_With_E(const char* before, double x, int w, int d, const char* after) {
    return Text_With_Field(before, Format_E(x, w, d), after);
}
