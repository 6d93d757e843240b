// List-directed records. Every expected text was written by gfortran on this machine with
// `write(*,*)` of the same items (double precision reals, default integers and logicals).
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "report/list_directed.h"

namespace {

struct RealCase {
    const char* name;
    double x;
    const char* field;   // the 25 columns after the separating blank
};

const RealCase k_Real_Cases[] = {
    {"fixed form, three integer digits", 120.0, "  120.00000000000000     "},
    {"fixed form, negative", -3.25, " -3.2500000000000000     "},
    {"zero keeps sixteen decimals", 0.0, "  0.0000000000000000     "},
    {"negative zero keeps its sign", -0.0, " -0.0000000000000000     "},
    {"0.1 is the smallest fixed value", 0.1, " 0.10000000000000001     "},
    {"just below 0.1 is exponent form", 0.09999, "  9.9989999999999996E-002"},
    {"small value in exponent form", 0.05, "  5.0000000000000003E-002"},
    {"1e16 is fixed with a bare point", 1.0e16, "  10000000000000000.     "},
    {"1e17 is exponent form", 1.0e17, "  1.0000000000000000E+017"},
    {"ten has fifteen decimals", 10.0, "  10.000000000000000     "},
    {"three-digit exponent", 1.0e100, "  1.0000000000000000E+100"},
    {"negative tiny value", -1.0e-300, " -1.0000000000000000E-300"},
    {"largest double", std::numeric_limits<double>::max(), "  1.7976931348623157E+308"},
    {"infinity", std::numeric_limits<double>::infinity(), "                 Infinity"},
    {"negative infinity", -std::numeric_limits<double>::infinity(), "                -Infinity"},
    {"not a number", std::numeric_limits<double>::quiet_NaN(), "                      NaN"},
};

std::string Record_Text(const ListRecord& r) { return std::string(r.text, static_cast<std::size_t>(r.length)); }

}  // namespace

TEST(ListDirectedReal, SeventeenDigitsInFixedOrExponentForm) {
    for (const RealCase& row : k_Real_Cases) {
        SCOPED_TRACE(row.name);
        char field[26];
        Format_List_Real(row.x, field);
        EXPECT_STREQ(field, row.field);
    }
}

TEST(ListDirectedRecord, SeparatorsBetweenItems) {
    ListRecord r;
    Start_List_Record(r);
    List_Text(r, "X value for f(c) =");
    List_Real(r, 120.0);
    EXPECT_EQ(Record_Text(r), " X value for f(c) =   120.00000000000000     ");

    Start_List_Record(r);
    List_Text(r, "JBOT index             =");
    List_Integer(r, 7);
    List_Text(r, "= index number of strength value below depth in question");
    EXPECT_EQ(Record_Text(r), " JBOT index             =           7 = index number of strength "
                              "value below depth in question");

    Start_List_Record(r);
    List_Text(r, "At tip condition       =");
    List_Logical(r, true);
    List_Text(r, ", T = true, F = false");
    EXPECT_EQ(Record_Text(r), " At tip condition       = T , T = true, F = false");
}

TEST(ListDirectedRecord, TextsRunTogetherAndNumbersTakeElevenColumns) {
    ListRecord r;
    Start_List_Record(r);
    List_Text(r, "a");
    List_Text(r, "b");
    List_Integer(r, 3);
    List_Text(r, "c");
    List_Text(r, "d");
    List_Logical(r, false);
    List_Integer(r, 4);
    List_Integer(r, 5);
    EXPECT_EQ(Record_Text(r), " ab           3 cd F           4           5");

    Start_List_Record(r);
    List_Integer(r, 3);
    List_Text(r, "x");
    EXPECT_EQ(Record_Text(r), "           3 x");

    Start_List_Record(r);
    List_Integer(r, std::numeric_limits<int>::min());
    EXPECT_EQ(Record_Text(r), " -2147483648");
}
