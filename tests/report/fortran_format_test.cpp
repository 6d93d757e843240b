// Fortran edit descriptors against gfortran: every row of data/fortran_formats.txt (integers,
// reals, whole records with tabs and skips) must come out character for character.
#include "report/fortran_format.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <limits>
#include <random>
#include <string>

#include "report/gfortran_reference.h"

namespace {

std::string Text_Of(const FieldText& field) {
    EXPECT_EQ(field.length, static_cast<int>(std::strlen(field.text.data())));
    return std::string(field.text.data(), static_cast<std::size_t>(field.length));
}

std::string Render(const Descriptor& descriptor, double x) {
    return descriptor.kind == 'F' ? Text_Of(Format_F(x, descriptor.w, descriptor.d))
                                  : Text_Of(Format_E(x, descriptor.w, descriptor.d));
}

}  // namespace

TEST(FortranFormatReference, IntegerFieldsMatchGfortran) {
    const GfortranReference reference = Read_Gfortran_Reference();
    ASSERT_TRUE(reference.loaded);
    ASSERT_GE(reference.integers.size(), 200u);
    for (const ReferenceInteger& row : reference.integers) {
        Descriptor descriptor{};
        ASSERT_TRUE(Parse_Descriptor(row.descriptor, descriptor)) << row.descriptor;
        EXPECT_EQ(Text_Of(Format_I(row.value, descriptor.w)), row.text)
            << row.descriptor << " of " << row.value;
    }
}

TEST(FortranFormatReference, RealFieldsMatchGfortran) {
    const GfortranReference reference = Read_Gfortran_Reference();
    ASSERT_TRUE(reference.loaded);
    ASSERT_GE(reference.reals.size(), 4000u);
    for (const ReferenceReal& row : reference.reals) {
        Descriptor descriptor{};
        ASSERT_TRUE(Parse_Descriptor(row.descriptor, descriptor)) << row.descriptor;
        const double x = Double_From_Bits(row.bits);
        EXPECT_EQ(Render(descriptor, x), row.text)
            << row.descriptor << " of " << std::hexfloat << x << " (bits " << std::hex
            << row.bits << ")";
    }
}

// The behaviours that decide most report columns, spelled out; each text was read from gfortran
// and is also a row of the reference table.
struct KnownField { const char* name; char kind; int w; int d; double x; const char* text; };
const KnownField k_Known_Fields[] = {
    {"tie rounds to even, down",            'F', 5, 2, 0.125,        " 0.12"},
    {"tie rounds to even, up",              'F', 5, 2, 0.375,        " 0.38"},
    {"tie at no decimals keeps the point",  'F', 3, 0, 2.5,          " 2."},
    {"leading zero dropped to fit",         'F', 4, 3, 0.5,          ".500"},
    {"negative without room for its zero",  'F', 5, 3, -0.5,         "-.500"},
    {"negative that cannot fit at all",     'F', 4, 3, -0.5,         "****"},
    {"negative rounding to zero signed",    'F', 8, 4, -0.00001,     " -0.0000"},
    {"negative zero signed",                'F', 8, 4, -0.0,         " -0.0000"},
    {"lone point is never written",         'F', 1, 0, 0.0,          "*"},
    {"too large for the field",             'F', 11, 0, 1e300,       "***********"},
    {"NaN right-justified",                 'F', 11, 4, std::nan(""), "        NaN"},
    {"infinity spelled out",                'F', 8, 4, HUGE_VAL,     "Infinity"},
    {"negative infinity short form",        'F', 8, 4, -HUGE_VAL,    "    -Inf"},
    {"rounding carries into the exponent",  'E', 15, 7, 0.99999999,  "  0.1000000E+01"},
    {"three-digit exponent drops the E",    'E', 15, 7, 1.234e100,   "  0.1234000+101"},
    {"negative two-digit exponent",         'E', 15, 7, -1.234e-100, " -0.1234000E-99"},
    {"zero has exponent zero",              'E', 15, 7, 0.0,         "  0.0000000E+00"},
    {"smallest denormal",                   'E', 15, 7, 4.9406564584124654e-324, "  0.4940656-323"},
    {"mantissa loses its zero to fit",      'E', 10, 4, -1.234e10,   "-.1234E+11"},
};

TEST(FortranFormatReference, KnownGfortranBehaviours) {
    for (const KnownField& row : k_Known_Fields) {
        SCOPED_TRACE(row.name);
        const FieldText field =
            row.kind == 'F' ? Format_F(row.x, row.w, row.d) : Format_E(row.x, row.w, row.d);
        EXPECT_EQ(Text_Of(field), row.text);
    }
}

TEST(FortranFormat, IntegerMinimalWidthAndOverflow) {
    EXPECT_EQ(Text_Of(Format_I(std::numeric_limits<long long>::min(), 0)),
              "-9223372036854775808");
    EXPECT_EQ(Text_Of(Format_I(-12, 3)), "-12");
    EXPECT_EQ(Text_Of(Format_I(-123, 3)), "***");
}

TEST(FortranFormat, IntegerWithMinimumDigitsMatchesGfortran) {
    // Texts printed by gfortran 12 for '(I2.2)', '(I4.2)' and '(I3.0)'.
    struct Case { long long n; int w; int m; const char* text; };
    const Case cases[] = {
        {5, 2, 2, "05"}, {59, 2, 2, "59"}, {0, 2, 2, "00"}, {-7, 4, 2, " -07"},
        {123, 2, 2, "**"}, {0, 3, 0, "   "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(Text_Of(Format_I_Min(c.n, c.w, c.m)), c.text);
    }
}

TEST(FortranFormat, ExponentFormWithoutDecimalsIsAsterisks) {
    // gfortran stops with a run-time error for E8.0; the formatter shows the field as unusable
    EXPECT_EQ(Text_Of(Format_E(1234.5, 8, 0)), "********");
}

// The digits of the exponent forms against the C library's "%.*e", which rounds the exact binary
// value with ties to even: random values over the whole range of doubles, and values built to sit
// on or next to a tie (k + 0.5 units of the last digit, and their neighbours), where a rounded
// scaled product alone would be wrong.
TEST(FortranFormat, SignificantDigitsAreThoseOfTheExactValue) {
    auto check = [](double x, int d) {
        char expected[128];
        std::snprintf(expected, sizeof expected, "%.*e", d - 1, x);
        std::string want(expected[0] == '-' ? expected + 1 : expected);
        const std::size_t e = want.find('e');
        std::string want_digits = want.substr(0, e);
        want_digits.erase(std::remove(want_digits.begin(), want_digits.end(), '.'), want_digits.end());
        const int want_exponent = std::stoi(want.substr(e + 1));
        char digits[64];
        int exponent = 12345;
        Significant_Digits(x, d, digits, exponent);
        const std::string got(digits, static_cast<std::size_t>(d));
        if (got != want_digits || exponent != want_exponent) {
            ADD_FAILURE() << "x = " << expected << " d = " << d << ": got " << got << "e" << exponent;
            return false;
        }
        return true;
    };
    std::mt19937_64 random(20261210);
    int failures = 0;
    for (int i = 0; i < 50000 && failures < 10; ++i) {
        // random bit patterns cover every binade; a narrower spread covers the plot file's values
        double x;
        const std::uint64_t bits = random();
        std::memcpy(&x, &bits, sizeof x);
        if (!std::isfinite(x)) continue;
        const double ordinary = std::ldexp(static_cast<double>(random() >> 11), -53) *
                                std::pow(10.0, static_cast<int>(random() % 40) - 20);
        for (int d : {1, 4, 7, 12, 15, 17, 30}) {
            if (!check(x, d)) ++failures;
            if (!check(ordinary, d)) ++failures;
        }
    }
    for (int d = 1; d <= 15; ++d) {
        for (int i = 0; i < 20000 && failures < 10; ++i) {
            // d digits and a half, scaled by a power of ten: exact ties where the scale keeps it
            const double lowest = std::pow(10.0, d - 1);
            const double units = lowest + static_cast<double>(random() % static_cast<std::uint64_t>(9.0 * lowest));
            const double tie = (units + 0.5) * std::pow(10.0, static_cast<int>(random() % 31) - 15);
            for (double x : {tie, std::nextafter(tie, 0.0), std::nextafter(tie, 1e300)}) {
                if (!check(x, d)) ++failures;
            }
        }
    }
    for (double x : {0.0, -0.0, 1.0, 0.5, 2.5, 9.9999995, 9.99999949999, 99999995.0, 1e22, 1e23, 1e-22,
                     5e-324, 2.2250738585072014e-308, 1.7976931348623157e308, 0.125, 1.0625}) {
        for (int d = 1; d <= 17; ++d) check(x, d);
    }
}

// Records are composed field by field as the writers of the plot output file compose them.
struct RecordCase { const char* name; void (*build)(FortranRecord&); };
const RecordCase k_Record_Cases[] = {
    {"line_1", [](FortranRecord& r) {
         Append_I(r, 3, 5); Append_I(r, 1, 5); Append_I(r, 0, 5); Append_I(r, 1, 5);
         Append_X(r, 60);
         Append_Text(r, "Line 1 : i_Analysis_Type, IUNITS, KYL, ib_ComputeKmatrix_1T0F");
     }},
    {"line_4", [](FortranRecord& r) {
         Append_I(r, 37, 5); Append_X(r, 10);
         Append_E(r, 1234.5, 15, 7); Append_E(r, -9.87654321e-3, 15, 7);
         Tab_To(r, 81);
         Append_Text(r, "Line 4 : Num. M-EI-Crv Points, Axial Thrust Load (kips), Nom. Moment "
                        "Cap. (in-kips), Section ");
         Append_I(r, 2, 0);
     }},
    {"line_5", [](FortranRecord& r) {
         Append_E(r, -4.5e3, 15, 7); Append_E(r, 1.25e10, 15, 7); Append_E(r, 0.0, 15, 7);
         Tab_To(r, 81);
         Append_Text(r, "Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=");
         Append_I(r, 1, 0); Append_Text(r, ", AxLd#="); Append_I(r, 12, 0);
         Append_Text(r, ", CurvPnt#="); Append_I(r, 150, 0);
     }},
    {"line_10", [](FortranRecord& r) {
         const double values[] = {600.0, -1.0e-3, 1.5e120, -2.5e-120, 0.0, 0.99999999};
         for (const double v : values) Append_E(r, v, 15, 7);
         Tab_To(r, 92);
         Append_Text(r, "Line 10("); Append_I(r, 501, 3);
         Append_Text(r, "): nodal depth, y, M, V, p, EI");
     }},
    {"line_8_liquefied_sand", [](FortranRecord& r) {
         Append_E(r, 0.25, 15, 7); Append_E(r, -12.5, 15, 7); Append_X(r, 20);
         Append_Text(r, "Line 8("); Append_I(r, 7, 2);
         Append_Text(r, "): y, p, for liquefied sand");
     }},
    {"tab_back_overwrites", [](FortranRecord& r) {
         Append_Text(r, "abcdefgh"); Tab_To(r, 3); Append_Text(r, "XY");
     }},
    {"tab_back_keeps_the_rest", [](FortranRecord& r) {
         Append_Text(r, "abcdef"); Tab_To(r, 2); Append_Text(r, "Z");
     }},
    {"tab_back_then_skip", [](FortranRecord& r) {
         Append_Text(r, "abcdef"); Tab_To(r, 2); Append_X(r, 2); Append_Text(r, "Z");
     }},
    {"tab_forward_pads_with_blanks", [](FortranRecord& r) {
         Append_Text(r, "ab"); Tab_To(r, 10); Append_Text(r, "c");
     }},
    {"trailing_skip_adds_nothing", [](FortranRecord& r) { Append_I(r, 7, 3); Append_X(r, 5); }},
    {"trailing_tab_adds_nothing", [](FortranRecord& r) { Append_I(r, 7, 3); Tab_To(r, 20); }},
    {"fields_that_overflow", [](FortranRecord& r) {
         Append_I(r, 1234, 3); Append_F(r, -123.45, 5, 1); Append_E(r, 1.0e10, 8, 1);
         Append_F(r, -0.4, 3, 0);
     }},
};

TEST(FortranRecordReference, RecordsMatchGfortran) {
    const GfortranReference reference = Read_Gfortran_Reference();
    ASSERT_TRUE(reference.loaded);
    ASSERT_EQ(reference.records.size(), std::size(k_Record_Cases));
    for (const RecordCase& row : k_Record_Cases) {
        SCOPED_TRACE(row.name);
        const ReferenceRecord* expected = nullptr;
        for (const ReferenceRecord& candidate : reference.records) {
            if (candidate.name == row.name) expected = &candidate;
        }
        ASSERT_NE(expected, nullptr);
        FortranRecord record;
        Start_Record(record);
        row.build(record);
        EXPECT_EQ(std::string(record.text.data(), static_cast<std::size_t>(record.length)),
                  expected->text);
    }
}

TEST(FortranRecord, WriteRecordEndsTheLineAndSkipsNullFile) {
    FortranRecord record;
    Start_Record(record);
    Append_I(record, 42, 4);
    Append_X(record, 3);
    Write_Record(nullptr, record);   // no file: nothing to write, nothing to crash on
    std::FILE* file = std::tmpfile();
    ASSERT_NE(file, nullptr);
    Write_Record(file, record);
    std::rewind(file);
    char line[32] = {};
    const std::size_t count = std::fread(line, 1, sizeof line - 1, file);
    std::fclose(file);
    EXPECT_EQ(std::string(line, count), "  42\n");
}

// Units lines of the report tables: each text from its column, without its trailing blanks, so
// that a padded label leaves the line no longer than its last visible character.
struct TabbedCase {
    const char* name;
    std::initializer_list<TabbedText> pieces;
    const char* expected;
};

TEST(FortranRecord, TabbedRecordPutsEachTextAtItsColumnWithoutTrailingBlanks) {
    const TabbedCase cases[] = {
        {"leading blanks are kept", {{1, "  No."}, {10, "lbs"}}, "  No.    lbs"},
        {"trailing blanks of a padded label are dropped", {{5, "in      "}, {19, "lbs/in  "}},
         "    in            lbs/in"},
        {"a text longer than its gap runs on to the next column", {{1, "abcdef"}, {4, "X"}},
         "abcXef"},
        // as when a units label is blank (general units): the line still reaches its column
        {"a blank text ends the line before its column", {{1, "a"}, {20, "   "}},
         "a                  "},
    };
    for (const TabbedCase& row : cases) {
        SCOPED_TRACE(row.name);
        const FortranRecord record = Tabbed_Record(row.pieces);
        EXPECT_EQ(std::string(record.text.data(), static_cast<std::size_t>(record.length)),
                  row.expected);
    }
}
