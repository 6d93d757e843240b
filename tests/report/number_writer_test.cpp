// The report's number writer: the form each magnitude selects (expected texts are gfortran's
// for the descriptor the form names), the single-precision limits between forms, and the
// appenders' effect on the report file.
#include "report/number_writer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "model/model.h"
#include "report/gfortran_reference.h"

namespace {

std::string Text_Of(const FieldText& field) {
    return std::string(field.text.data(), static_cast<std::size_t>(field.length));
}

std::string Descriptor_Name(char kind, int w, int d) {
    char name[32];
    std::snprintf(name, sizeof name, "%c%d.%d", kind, w, d);
    return name;
}

// The report file is a temporary file; Report_Text reads back all that was written.
class ReportWriterTest : public ::testing::Test {
protected:
    void SetUp() override {
        Initialize_Model();
        g_Model.ReportFile = std::tmpfile();
        ASSERT_NE(g_Model.ReportFile, nullptr);
    }
    void TearDown() override {
        if (g_Model.ReportFile != nullptr) std::fclose(g_Model.ReportFile);
        g_Model.ReportFile = nullptr;
    }
    std::string Report_Text() {
        std::fflush(g_Model.ReportFile);
        std::rewind(g_Model.ReportFile);
        std::string text;
        char buffer[256];
        std::size_t count;
        while ((count = std::fread(buffer, 1, sizeof buffer, g_Model.ReportFile)) > 0) {
            text.append(buffer, count);
        }
        return text;
    }
};

}  // namespace

TEST(NumberFormLimits, SinglePrecisionValuesMatchGfortran) {
    const GfortranReference reference = Read_Gfortran_Reference();
    ASSERT_TRUE(reference.loaded);
    ASSERT_EQ(reference.limits.size(), 8u);   // W = 9 .. 16
    for (const ReferenceLimits& row : reference.limits) {
        SCOPED_TRACE(row.W);
        const NumberFormLimits limits = Compute_Number_Form_Limits(row.W);
        EXPECT_EQ(Bits_Of_Double(limits.A), row.a_bits);
        EXPECT_EQ(Bits_Of_Double(limits.B), row.b_bits);
        EXPECT_EQ(Bits_Of_Double(limits.C), row.c_bits);
    }
    // By hand for W = 12: 999999999 is not a float and rounds up to 1e9; 0.001 widens high.
    const NumberFormLimits twelve = Compute_Number_Form_Limits(12);
    EXPECT_EQ(twelve.A, 1.0e9);
    EXPECT_EQ(twelve.B, 0.001000000047497451305389404296875);
    EXPECT_EQ(twelve.C, 9.999999747378751635551452636718750e-06);
}

// Width 12: the descriptor each value must be written with; the text is gfortran's.
struct FormCase { const char* name; double x; const char* descriptor; double rendered; };
const FormCase k_Width12_Forms[] = {
    {"zero",                                0.0,          "F11.4", 0.0},
    {"negative zero shows no sign",         -0.0,         "F11.4", 0.0},
    {"below 1e-12 is zero",                 9.9e-13,      "F11.4", 0.0},
    {"tiny negative is unsigned zero",      -5.0e-13,     "F11.4", 0.0},
    {"below 1e-25 is zero",                 1.0e-26,      "F11.4", 0.0},
    {"denormal is zero",                    4.9406564584124654e-324, "F11.4", 0.0},
    {"1e-12 itself is below C",             1.0e-12,      "E11.4", 1.0e-12},
    {"exactly 10000 keeps five decimals",   10000.0,      "F11.5", 10000.0},
    {"-10000 does not fit five decimals",   -10000.0,     "E11.4", -10000.0},
    {"just above 10000 has no decimals",    10000.000000000002, "F11.0", 10000.000000000002},
    {"10000.4 rounds to a trailing point",  10000.4,      "F11.0", 10000.4},
    {"negative large fixed",                -98765.4321,  "F11.0", -98765.4321},
    {"about one hundred",                   123.456,      "F11.5", 123.456},
    {"one",                                 1.0,          "F11.5", 1.0},
    {"half a thousandth",                   0.0005,       "F11.7", 0.0005},
    {"beyond A in exponent form",           1.5e10,       "E11.4", 1.5e10},
    {"three-digit exponent",                -1.234e100,   "E11.4", -1.234e100},
    {"largest double",                      1.7976931348623157e308, "E11.4", 1.7976931348623157e308},
    {"infinity in exponent form",           HUGE_VAL,     "E11.4", HUGE_VAL},
    {"negative infinity",                   -HUGE_VAL,    "E11.4", -HUGE_VAL},
};

TEST(FormatNumber, FormChosenByMagnitudeAtWidth12) {
    const GfortranReference reference = Read_Gfortran_Reference();
    ASSERT_TRUE(reference.loaded);
    for (const FormCase& row : k_Width12_Forms) {
        SCOPED_TRACE(row.name);
        const std::string field = Reference_Real_Text(reference, row.descriptor, row.rendered);
        EXPECT_EQ(Text_Of(Format_Number(row.x, 12)), " " + field);
    }
}

TEST(FormatNumber, SpelledOutExamplesAtWidth12) {
    EXPECT_EQ(Text_Of(Format_Number(0.0, 12)), "      0.0000");
    EXPECT_EQ(Text_Of(Format_Number(10000.0, 12)), " 10000.00000");
    EXPECT_EQ(Text_Of(Format_Number(10000.4, 12)), "      10000.");
    EXPECT_EQ(Text_Of(Format_Number(1.5e10, 12)), "  0.1500E+11");
    EXPECT_EQ(Text_Of(Format_Number(0.0005, 12)), "   0.0005000");
    // F11.5 would need twelve columns for -10000: the exponent form keeps the value readable.
    EXPECT_EQ(Text_Of(Format_Number(-10000.0, 12)), " -0.1000E+05");
    EXPECT_EQ(Text_Of(Format_Number(-9999.999999, 12)), " -0.1000E+05");
    EXPECT_EQ(Text_Of(Format_Number(-9999.99999, 12)), " -9999.99999");
}

// At every width, each limit and its neighbouring double fall on the side the rule gives.
TEST(FormatNumber, SinglePrecisionBoundariesAtEveryWidth) {
    const GfortranReference reference = Read_Gfortran_Reference();
    ASSERT_TRUE(reference.loaded);
    ASSERT_FALSE(reference.limits.empty());
    for (const ReferenceLimits& limits : reference.limits) {
        const int W = limits.W;
        const double A = Double_From_Bits(limits.a_bits);
        const double B = Double_From_Bits(limits.b_bits);
        const double C = Double_From_Bits(limits.c_bits);
        const std::string exponent = Descriptor_Name('E', W - 1, W - 8);
        const std::string no_decimals = Descriptor_Name('F', W - 1, 0);
        const std::string few_decimals = Descriptor_Name('F', W - 1, W - 7);
        const std::string many_decimals = Descriptor_Name('F', W - 1, W - 5);
        const struct { const char* name; double x; std::string descriptor; } cases[] = {
            {"A is fixed without decimals", A, no_decimals},
            {"above A is exponent form", std::nextafter(A, HUGE_VAL), exponent},
            {"B has W-5 decimals", B, many_decimals},
            {"above B has W-7 decimals", std::nextafter(B, HUGE_VAL), few_decimals},
            {"C has W-5 decimals", C, many_decimals},
            {"below C is exponent form", std::nextafter(C, 0.0), exponent},
        };
        for (const auto& row : cases) {
            for (const double sign : {1.0, -1.0}) {
                SCOPED_TRACE(testing::Message() << "W=" << W << ": " << row.name
                                                << (sign < 0 ? " (negative)" : ""));
                const double x = sign * row.x;
                std::string expected = Reference_Real_Text(reference, row.descriptor, x);
                // A negative value too wide for its fixed form is shown in exponent form.
                if (expected.find('*') != std::string::npos) {
                    expected = Reference_Real_Text(reference, exponent, x);
                }
                EXPECT_EQ(Text_Of(Format_Number(x, W)), " " + expected);
            }
        }
    }
}

TEST(FormatNumber, NotANumberTextWhateverTheWidth) {
    for (const int W : {9, 10, 12, 16}) {
        SCOPED_TRACE(W);
        EXPECT_EQ(Text_Of(Format_Number(std::nan(""), W)), "  Not-a-Number");
        EXPECT_EQ(Text_Of(Format_Number(-std::nan(""), W)), "  Not-a-Number");
    }
}

TEST_F(ReportWriterTest, PiecesBuildOneLineThenEnd) {
    WriteBlanks(2);
    WriteText10("Depth");
    WriteNumber(123.456, 12);
    WriteNumber(std::nan(""), 10);
    WriteInteger(42, 5);
    WriteBlanks(0);
    WriteBlanks(-3);
    WriteText10("a text longer than ten");
    EndLine();
    WriteLine("closing line   ");
    EXPECT_EQ(Report_Text(),
              "  " "Depth     " "   123.45600" "  Not-a-Number" "   42" "a text lon\n"
              "closing line   \n");
}

struct IntegerWidthCase { const char* name; int n; int W; const char* text; int W_after; };
const IntegerWidthCase k_Integer_Widths[] = {
    {"zero width becomes 10",     42,    0,  "        42", 10},
    {"width 17 becomes 10",       -42,   17, "       -42", 10},
    {"negative width becomes 10", 7,     -5, "         7", 10},
    {"width 16 is kept",          501,   16, "             501", 16},
    {"width 1 is kept",           5,     1,  "5", 1},
    {"too narrow shows asterisks", 1234, 3,  "***", 3},
};

TEST_F(ReportWriterTest, IntegerWidthOutsideRangeBecomesTen) {
    for (const IntegerWidthCase& row : k_Integer_Widths) {
        SCOPED_TRACE(row.name);
        std::fclose(g_Model.ReportFile);
        g_Model.ReportFile = std::tmpfile();
        ASSERT_NE(g_Model.ReportFile, nullptr);
        int W = row.W;
        WriteInteger(row.n, W);
        EXPECT_EQ(W, row.W_after);
        EXPECT_EQ(Report_Text(), row.text);
    }
}

TEST_F(ReportWriterTest, ConstantIntegerWidthIsReplacedLocally) {
    WriteInteger(3, 17);
    EndLine();
    EXPECT_EQ(Report_Text(), "         3\n");
}

TEST_F(ReportWriterTest, TextTenPadsAndCuts) {
    WriteText10("");
    WriteText10("SoftClay");
    WriteText10("0123456789X");
    EndLine();
    EXPECT_EQ(Report_Text(), "          SoftClay  0123456789\n");
}

TEST(NumberWriterWithoutReport, WritesNothingButStillCorrectsWidth) {
    Initialize_Model();
    ASSERT_EQ(g_Model.ReportFile, nullptr);
    WriteNumber(1.0, 12);
    WriteBlanks(3);
    WriteText10("x");
    EndLine();
    WriteLine("x");
    int W = 0;
    WriteInteger(1, W);
    EXPECT_EQ(W, 10);
}
