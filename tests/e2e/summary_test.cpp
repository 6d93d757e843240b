// The end of a complete run: every load case passes the equilibrium check of its results, and
// the summary of pile responses follows the last case, with one row and one "Line 13" record per
// case that repeat the values the case's own output summary reported.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "e2e/run_support.h"
#include "support/test_support.h"

namespace {

struct ExampleCase {
    const char* file;
    int cases;
    const char* line13_label;
};

// Numbers of a line, in order; the row's type texts ("V =", "M =") are skipped.
std::vector<double> Numbers_Of(const std::string& line) {
    std::vector<double> numbers;
    std::istringstream in(line);
    std::string word;
    while (in >> word) {
        char* end = nullptr;
        const double x = std::strtod(word.c_str(), &end);
        if (end != word.c_str() && *end == '\0') numbers.push_back(x);
    }
    return numbers;
}

// The value after "=" on the first line from line `from` on that starts with label.
double Value_After(const std::vector<std::string>& report, const std::string& label, int from) {
    int at = from;
    while (at < static_cast<int>(report.size()) && report[at].rfind(label, 0) != 0) ++at;
    if (at == static_cast<int>(report.size())) {
        ADD_FAILURE() << "no line " << label;
        return NAN;
    }
    return std::strtod(report[at].c_str() + report[at].find('=') + 1, nullptr);
}

// Two prints of one value agree within their rounding steps: seven significant digits of the
// plot records, seven decimals of the output summary up to 10000 (none above), and the decimals
// of the table's column (four for the shear column, eight or more for deflection and slope).
void Expect_Same_Printed(double summary_value, double other_value, double column_step) {
    const double v = std::fabs(summary_value);
    const double tolerance = 6e-7 * v + (v > 10000.0 ? 0.5 : 0.5e-7) + column_step;
    EXPECT_NEAR(other_value, summary_value, tolerance);
}
constexpr double k_Fine = 0.5e-8;     // deflection and slope columns, eight decimals or more
constexpr double k_Coarse = 0.5e-4;   // shear column, four decimals (and the moment's fewer digits)

TEST(SummaryEndToEnd, ExampleRunsEndWithTheSummaryOfEveryCase) {
    const ExampleCase examples[] = {
        {"pipe-pile-sand.lp", 4,
         "Line 13: TopV(lbs), TopY(in), Mmax(in-lbs), Vmax(lbs), Rotation(rad)"},
        {"pipe-pile-clay-sand-subgrade.lp", 5,
         "Line 13: TopV(kN) TopY(m), Mmax(kN-m), Vmax(kN), Rotation(rad)"},
    };
    for (const ExampleCase& row : examples) {
        SCOPED_TRACE(row.file);
        EngineRun run;
        ASSERT_EQ(run.Run(Read_File(std::string(ORVANE_EXAMPLES_DIR) + "/" + row.file)), 0);
        const std::vector<std::string> report = Read_Lines(run.report());

        int verified = 0;
        for (const std::string& l : report) {
            if (l == "Output Verification: Computed forces and moments are within specified "
                     "convergence limits.") {
                ++verified;
            }
            EXPECT_EQ(l.find("Solution Error"), std::string::npos);
            EXPECT_EQ(l.find("SOLUTION ERROR"), std::string::npos);
        }
        EXPECT_EQ(verified, row.cases);

        const std::string last_case = "Output Summary for Load Case No. " + std::to_string(row.cases) + ":";
        const int last = Find_Line(report, last_case);
        const int summary = Find_Line(report, "                           Summary of Pile Response(s)");
        const int ending = Find_Line(report, "The analysis ended normally. ");
        ASSERT_GT(last, 0);
        ASSERT_GT(summary, last);
        ASSERT_GT(ending, summary);
        const int rule = Find_Line(report,
                                   "----  ----  --------------  --------------  -------------  "
                                   "-------------  -------------  -------------  -------------",
                                   summary);
        ASSERT_GT(rule, summary);
        ASSERT_EQ(ending, rule + row.cases + 2);   // the rows, an empty line, the ending line

        std::vector<std::string> line13;
        for (const std::string& l : Read_Lines(run.plot())) {
            if (l.find("Line 13:") != std::string::npos) line13.push_back(l);
        }
        ASSERT_EQ(static_cast<int>(line13.size()), row.cases);

        for (int lc = 1; lc <= row.cases; ++lc) {
            SCOPED_TRACE(lc);
            const int at = Find_Line(report, "Output Summary for Load Case No. " + std::to_string(lc) + ":");
            ASSERT_GT(at, 0);
            const double deflection = Value_After(report, "Pile-head deflection             = ", at);
            const double slope = Value_After(report, "Computed slope at pile head      = ", at);
            const double moment = Value_After(report, "Maximum bending moment           = ", at);
            const double shear = Value_After(report, "Maximum shear force              = ", at);

            // case, type, condition 1, condition 2, axial load, deflection, moment, shear, slope
            const std::vector<double> r = Numbers_Of(report[rule + lc]);
            ASSERT_EQ(r.size(), 9u);
            EXPECT_EQ(r[0], lc);
            Expect_Same_Printed(deflection, r[5], k_Fine);
            Expect_Same_Printed(moment, r[6], k_Coarse);
            Expect_Same_Printed(shear, r[7], k_Coarse);
            Expect_Same_Printed(slope, r[8], k_Fine);

            EXPECT_EQ(line13[lc - 1].substr(80), row.line13_label);
            const std::vector<double> p = Numbers_Of(line13[lc - 1].substr(0, 75));
            ASSERT_EQ(p.size(), 5u);
            Expect_Same_Printed(deflection, p[1], k_Fine);
            Expect_Same_Printed(moment, p[2], k_Coarse);
            Expect_Same_Printed(shear, p[3], k_Coarse);
            Expect_Same_Printed(slope, p[4], k_Fine);
        }
    }
}

}  // namespace
