// The non-convergence report and its recommendations, branch by branch.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "model/model.h"
#include "model/units.h"
#include "solver/convergence_report.h"
#include "support/model_fixture.h"

class ConvergenceReportTest : public ModelTest {
protected:
    std::vector<std::string> Report(int units, int max_iterations, double dymax, double delta,
                                    double tolerance) {
        Initialize_Model();
        Capture_Run_Files();
        g_Model.IUNITS = units;
        Set_Unit_Labels();
        Write_Non_Convergence_Report(max_iterations, dymax, delta, tolerance);
        return Captured_Report_Lines();
    }
    static bool Has(const std::vector<std::string>& lines, const std::string& text) {
        return Find_Line(lines, text) >= 0;
    }
};

TEST(EstimateIterations, LinearExtrapolationTruncated) {
    long long n = 0;
    // 100 + (1e-3 - 1e-5) / 1e-5 = 199 (truncated from 199.0000...)
    ASSERT_TRUE(Estimate_Iterations_Needed(100, 1e-3, 1e-5, 1e-5, n));
    EXPECT_EQ(n, 199);
    // No change between the last two solutions and DYMax at the tolerance: 0/0.
    EXPECT_FALSE(Estimate_Iterations_Needed(100, 1e-5, 0.0, 1e-5, n));
}

TEST_F(ConvergenceReportTest, HeadingAndValues) {
    const auto lines = Report(k_Units_US, 100, 2.5e-3, 1.0e-4, 1.0e-5);
    ASSERT_GE(lines.size(), 16u);
    EXPECT_EQ(lines[2], std::string(36, '-'));
    EXPECT_EQ(lines[3], "  ****  Runtime Error No. 10  ****  ");
    EXPECT_EQ(lines[5], "The analysis failed to converge within the limit of 100 iterations.");
    EXPECT_EQ(lines[6], "Maximum change in nodal deflections                      =   0.2500E-02 in ");
    EXPECT_EQ(lines[8], "Specified convergence tolerance on nodal deflections     =   0.1000E-04 in ");
    EXPECT_EQ(lines[10], std::string(77, '-'));
    EXPECT_EQ(lines[14], "The following recommendations are made on the basis of an analysis of ");
    EXPECT_EQ(lines[15], "convergence performancefor the last analysis. ");
    EXPECT_TRUE(Has(lines, "tolerance value is 124 iterations."));
}

TEST_F(ConvergenceReportTest, RecommendationBranches) {
    struct Case {
        const char* name;
        int units;
        int max_iterations;
        double dymax, delta, tolerance;
        const char* expected;     // a line that must be there
        const char* absent;       // a line that must not be there (may be null)
    };
    const char* raise_iterations =
        "A solution may be possible by increasing the maximum number of iterations to above this value.";
    const char* raise_to_1000 = "may be obtained by raising the maximum number of iterations to 1000.";
    const char* overloaded = "the pile is loaded above its structural and/or geotechnical capacity.";
    const char* cannot = "The estimated number of iterations needed to obtain a solution cannot be computed.";
    const Case cases[] = {
        {"small change, small tolerance: more iterations", k_Units_US, 100, 5e-5, 1e-6, 1e-5,
         raise_iterations, overloaded},
        {"small change: tolerance may be raised (US)", k_Units_US, 100, 5e-5, 1e-6, 1e-5,
         "It is recommended that the convergence tolerance not be raised above 0.0001 inches.", nullptr},
        {"small change: tolerance may be raised (SI)", k_Units_SI, 100, 1e-6, 1e-8, 1e-7,
         "It is recommended that the convergence tolerance not be raised above 0.00000254 meters.", nullptr},
        {"too many iterations needed", k_Units_US, 100, 5e-5, 1e-9, 1e-5,
         "solution can only be obtained if the convergence tolerance is increased in value.", raise_iterations},
        {"large change, few iterations allowed", k_Units_US, 100, 2e-3, 1e-4, 1e-5, raise_to_1000,
         overloaded},
        {"large change, limit already 1000", k_Units_US, 1000, 2e-3, 1e-4, 1e-5, overloaded,
         raise_to_1000},
        {"no estimate: cannot be computed", k_Units_SI, 100, 1e-6, 0.0, 1e-6, cannot, nullptr},
        {"no estimate: SI advice names 2.54E-6", k_Units_SI, 100, 1e-6, 0.0, 1e-6,
         "It is recommended that the convergence tolerance not be raised above 2.54E-6 meters.", nullptr},
        {"general units give no advice", k_Units_General, 100, 2e-3, 1e-4, 1e-5,
         "tolerance value is 119 iterations.", overloaded},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto lines = Report(c.units, c.max_iterations, c.dymax, c.delta, c.tolerance);
        EXPECT_TRUE(Has(lines, c.expected));
        if (c.absent != nullptr) {
            EXPECT_FALSE(Has(lines, c.absent));
        }
    }
}

TEST_F(ConvergenceReportTest, ExcessDeflectionBlockGoesToBothFiles) {
    Capture_Run_Files();
    g_Model.IUNITS = k_Units_SI;
    Set_Unit_Labels();
    Write_Excess_Deflection_Error(2.5, 1.0);
    for (const auto& lines : {Captured_Report_Lines(), Captured_Message_Lines()}) {
        ASSERT_EQ(lines.size(), 12u);
        EXPECT_EQ(lines[2], "**** Runtime Error No. 9 ****");
        EXPECT_EQ(lines[5], "The computed deflection of the pile head is   0.2500E+01 m  ");
        EXPECT_EQ(lines[6], "The specified excess deflection limit is      0.1000E+01 m  ");
        EXPECT_EQ(lines[11], "increase the size of the pile if necessary.");
    }
}
