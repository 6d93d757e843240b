// The LRFD performance table: factored capacities by section kind, pass and fail against the
// largest moment, N/A for elastic sections and for capacities of 0 or less, warning 400 per
// failing pair and the closing count.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "engine/errors.h"
#include "lrfd/performance.h"
#include "model/model.h"
#include "model/section_types.h"
#include "model/units.h"
#include "support/input_fixture.h"
#include "support/model_fixture.h"

namespace {

constexpr double k_Hand_Tol = 1e-9;

class LrfdPerformance : public ModelTest {
protected:
    // Section 1 nonlinear (nominal capacities 1000 and 2000 at thrusts 1 and 2), section 2
    // elastic, section 3 elastic-plastic circle with Mp 800 at its top (x = 0) and 1200 at its
    // bottom (x = 100), nodes every 10. Two combinations with phi = 0.9 at thrusts 1 and 2.
    void SetUp() override {
        ModelTest::SetUp();
        AnalysisModel& m = g_Model;
        m.IUNITS = k_Units_SI;
        m.b_UseLRFD = -1;
        m.NumSections = 3;
        m.SectionType[1] = k_Section_Pipe;
        m.SectionType[2] = k_Section_Elastic;
        m.SectionType[3] = k_Section_Elastic_Plastic;
        m.i_ElasticShape[3] = 2;
        m.XSectionTop[3] = 0.0;
        m.XSectionBottom[3] = 100.0;
        m.PlasticMomentTop[3] = 800.0;
        m.PlasticMomentBottom[3] = 1200.0;
        m.NumNodes = 11;
        for (int k = 1; k <= 11; ++k) m.XNode[k] = 10.0 * (k - 1);
        m.rd_TableNominalCap[1][1] = 1000.0;
        m.rd_TableNominalCap[1][2] = 2000.0;
        m.NumLrfdCombinations = 2;
        for (int c = 1; c <= 2; ++c) {
            m.PhiM[c] = 0.9;
            m.i_LrfdThrustIndex[c] = c;
        }
        std::strcpy(m.LrfdCombinationName[1].data(), "Strength I");
        std::strcpy(m.LrfdCombinationName[2].data(), "Extreme");
    }
};

TEST_F(LrfdPerformance, FactoredCapacityBySectionKind) {
    AnalysisModel& m = g_Model;
    m.i_SectionMaxMomentNode[3][2] = 6;   // x = 50: Mp = 800 + 400 * 50 / 100 = 1000
    bool has = false;
    EXPECT_NEAR(Factored_Moment_Capacity(1, 1, has), 0.9 * 1000.0, k_Hand_Tol);
    EXPECT_TRUE(has);
    EXPECT_NEAR(Factored_Moment_Capacity(2, 1, has), 0.9 * 2000.0, k_Hand_Tol);
    Factored_Moment_Capacity(1, 2, has);
    EXPECT_FALSE(has);
    EXPECT_NEAR(Factored_Moment_Capacity(2, 3, has), 0.9 * 1000.0, k_Hand_Tol);
    EXPECT_TRUE(has);
    // An H-pile keeps the capacity of its tables.
    m.i_ElasticShape[3] = 4;
    m.rd_TableNominalCap[3][2] = 1500.0;
    EXPECT_NEAR(Factored_Moment_Capacity(2, 3, has), 0.9 * 1500.0, k_Hand_Tol);
}

TEST_F(LrfdPerformance, CapacityBetweenTheMomentsFailsTheLargerOnes) {
    AnalysisModel& m = g_Model;
    // Section 1: 0.9 * 1000 = 900 against 899 (pass); 0.9 * 2000 = 1800 against exactly 1800
    // (fail: the capacity must be greater). Section 3: Mp at node 1 (800) * 0.9 = 720 against
    // 500 and 721.
    m.rd_SectionMaxMoment[1][1] = 899.0;
    m.rd_SectionMaxMoment[1][2] = 1800.0;
    m.rd_SectionMaxMoment[2][1] = 5000.0;
    m.rd_SectionMaxMoment[2][2] = 5000.0;
    m.i_SectionMaxMomentNode[3][1] = 1;
    m.i_SectionMaxMomentNode[3][2] = 1;
    m.rd_SectionMaxMoment[3][1] = 500.0;
    m.rd_SectionMaxMoment[3][2] = 721.0;
    Capture_Run_Files();
    EXPECT_EQ(WriteLrfdPerformance(), 2);
    const std::vector<std::string> report = Captured_Report_Lines();
    const auto count = [&](const char* text) {
        return std::count_if(report.begin(), report.end(),
                             [&](const std::string& l) { return l.find(text) != std::string::npos; });
    };
    EXPECT_EQ(count(" > FAIL <"), 2);
    EXPECT_EQ(count("   Pass   "), 2);
    EXPECT_EQ(count("    N/A      "), 2);   // the elastic section in both combinations
    EXPECT_TRUE(Has_Line(report, "2 LRFD load combinations have failed."));
    EXPECT_EQ(m.WarningLog[400], 2);
    // A row under its heading: 899 / 900 = 0.9989.
    const std::string first_row = "  1       1        0.900      900.000      899.000       0.9989      Pass   ";
    EXPECT_EQ(count(first_row.c_str()), 1);
}

TEST_F(LrfdPerformance, AllPassedLineAndNoWarning) {
    AnalysisModel& m = g_Model;
    m.NumSections = 1;
    m.rd_SectionMaxMoment[1][1] = 10.0;
    m.rd_SectionMaxMoment[1][2] = 10.0;
    Capture_Run_Files();
    EXPECT_EQ(WriteLrfdPerformance(), 0);
    EXPECT_TRUE(Has_Line(Captured_Report_Lines(), "All LRFD load combinations have passed for all pile sections."));
    EXPECT_EQ(g_Model.WarningLog[400], 0);
}

TEST_F(LrfdPerformance, CapacityOfZeroOrLessIsNotApplicableAndFails) {
    // A plastic moment of 0 (or a negative one) gives no fraction: the row shows N/A in place of
    // the infinite or undefined ratio and fails, with its warning.
    AnalysisModel& m = g_Model;
    m.NumSections = 3;
    m.SectionType[2] = k_Section_Pipe;
    m.rd_TableNominalCap[2][1] = -5.0;
    m.rd_TableNominalCap[2][2] = 0.0;
    m.PlasticMomentTop[3] = m.PlasticMomentBottom[3] = 0.0;
    m.i_SectionMaxMomentNode[3][1] = m.i_SectionMaxMomentNode[3][2] = 1;
    m.rd_SectionMaxMoment[1][1] = m.rd_SectionMaxMoment[1][2] = 1.0;   // pass
    Capture_Run_Files();
    EXPECT_EQ(WriteLrfdPerformance(), 4);
    const std::vector<std::string> report = Captured_Report_Lines();
    int not_applicable_fails = 0;
    for (const std::string& l : report) {
        if (l.find(" > FAIL <") != std::string::npos && l.find("    N/A   ") != std::string::npos) ++not_applicable_fails;
        EXPECT_EQ(l.find("Infinity"), std::string::npos);
        EXPECT_EQ(l.find("NaN"), std::string::npos);
    }
    EXPECT_EQ(not_applicable_fails, 4);
    EXPECT_EQ(m.WarningLog[400], 4);
}

}  // namespace
