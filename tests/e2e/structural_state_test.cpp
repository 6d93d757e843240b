// The structural state of every load case: a pile loaded past its section's nominal moment
// capacity, or past the end of its moment-curvature table, ends normally but never silently
// (warnings 410 and 411 after the case's results, in the summary and in the results document);
// a stiffness series under soil movement says that its stiffnesses are not the pile's alone
// (warning 412).
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "e2e/run_support.h"
#include "engine/orvane.h"
#include "support/test_support.h"

namespace {

using json = nlohmann::json;

std::string Example(const char* name) { return Read_File(std::string(ORVANE_EXAMPLES_DIR) + "/" + name); }

std::string Changed(std::string text, const std::string& from, const std::string& to) {
    const std::size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos) text.replace(at, from.size(), to);
    return text;
}

json Document() {
    char* text = orvane_results_json();
    json doc = json::parse(text != nullptr ? text : "{}");
    orvane_free(text);
    return doc;
}

bool Has_Warning(const json& doc, int number) {
    for (const json& w : doc.at("warnings")) {
        if (w.at("number") == number) return true;
    }
    return false;
}

// The 1.2 m shaft of the example at an axial thrust of 1000 kN, its fourth case a fixed head:
// at 1200 kN (the example) the moment stays near half the capacity, at 2100 kN it passes it.
std::string Shaft(const char* fixed_head_shear) {
    std::string text = Changed(Example("drilled-shaft-clay-sand-si.lp"), "4  2  1200.0  0.0  1000.0  1",
                               std::string("4  2  ") + fixed_head_shear + "  0.0  1000.0  1");
    // room for the deflection of a shaft loaded to its capacity
    return Changed(text, "MaxDeflection 2.0", "MaxDeflection 5.0");
}

TEST(StructuralState, AShaftLoadedPastItsCapacityWarnsWithItsCaseAndRatio) {
    constexpr double k_Relative = 1e-12;   // the same quotient of the same doubles
    EngineRun run;
    ASSERT_EQ(run.Run(Shaft("2100.0")), -300);   // warnings 410 and 411: a normal end
    const json doc = Document();
    EXPECT_TRUE(Has_Warning(doc, 410));
    EXPECT_TRUE(Has_Warning(doc, 411));
    // the capacity the case is measured against: the section's nominal capacity at 1000 kN
    double Mn = 0.0;
    for (const json& t : doc.at("results").at("moment_curvature")) {
        if (t.at("axial_thrust").get<double>() == 1000.0) Mn = t.at("nominal_moment_capacity");
    }
    ASSERT_GT(Mn, 0.0);
    const json& cases = doc.at("results").at("load_cases");
    ASSERT_EQ(cases.size(), 4u);
    for (std::size_t c = 0; c < 4; ++c) {
        SCOPED_TRACE("case " + std::to_string(c + 1));
        const json& state = cases[c].at("structural_state");
        double largest = 0.0;
        for (double M : cases[c].at("nodes").at("moment").get<std::vector<double>>()) largest = std::max(largest, std::fabs(M));
        EXPECT_NEAR(state.at("moment_capacity_ratio").get<double>(), largest / Mn, k_Relative * largest / Mn);
        EXPECT_EQ(state.at("section"), 1);
        EXPECT_EQ(doc.at("results").at("summary").at(c).at("moment_capacity_ratio"), state.at("moment_capacity_ratio"));
        const bool past = c == 3;
        EXPECT_EQ(largest > Mn, past);
        EXPECT_EQ(state.at("over_capacity_depths").is_null(), !past);
    }
    // the fixed head carries the largest moment: the range where it passes the capacity starts there
    EXPECT_EQ(cases[3].at("structural_state").at("over_capacity_depths").at(0), 0.0);
    const std::vector<std::string> report = Read_Lines(run.report());
    const int warning = Find_Line(report, "Warning 410: In load case 4 the bending moment exceeds the nominal "
                                          "moment capacity of section 1");
    ASSERT_GE(warning, 0);
    char ratio[64];
    std::snprintf(ratio, sizeof ratio, "largest moment / nominal capacity = %.3f.",
                  cases[3].at("structural_state").at("moment_capacity_ratio").get<double>());
    EXPECT_NE(report[static_cast<std::size_t>(warning) + 1].find(ratio), std::string::npos);
    // the warning follows the case's results, after its output summary and before the next part
    EXPECT_GT(warning, Find_Line(report, "Output Summary for Load Case No. 4:"));
    EXPECT_EQ(Find_Line(report, "Warning 410: In load case 3"), -1);
    EXPECT_GE(Find_Line(report, "Maximum Moment against Nominal Moment Capacity:"), 0);
}

TEST(StructuralState, AShaftBelowItsCapacityEndsWithoutAWord) {
    EngineRun run;
    ASSERT_EQ(run.Run(Shaft("1200.0")), 0);
    const json doc = Document();
    EXPECT_TRUE(doc.at("warnings").empty());
    for (const json& c : doc.at("results").at("load_cases")) {
        EXPECT_LT(c.at("structural_state").at("moment_capacity_ratio").get<double>(), 1.0);
        EXPECT_TRUE(c.at("structural_state").at("beyond_curve_depths").is_null());
    }
}

TEST(StructuralState, AnElasticPileHasNoCapacityToMeasure) {
    EngineRun run;
    ASSERT_EQ(run.Run(Example("pipe-pile-soft-clay.lp")), 0);
    const json doc = Document();
    for (const json& c : doc.at("results").at("load_cases")) {
        EXPECT_TRUE(c.at("structural_state").at("moment_capacity_ratio").is_null());
    }
    EXPECT_EQ(Find_Line(Read_Lines(run.report()), "Maximum Moment against Nominal Moment Capacity:"), -1);
}

TEST(StructuralState, StiffnessSeriesUnderSoilMovementSaysSo) {
    struct Case {
        const char* example;
        bool soil_movement;
    };
    const Case cases[] = {{"harbour-pipe-pile-lrfd.lp", true}, {"pipe-pile-stiffness-length-study.lp", false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.example);
        EngineRun run;
        const int result = run.Run(Example(c.example));
        EXPECT_LE(result, 0);
        const json doc = Document();
        EXPECT_TRUE(doc.at("results").at("stiffness_matrix").is_array());
        EXPECT_EQ(Has_Warning(doc, 412), c.soil_movement);
    }
}

}  // namespace
