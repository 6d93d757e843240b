// The results document of a run (orvane_results_json), read after ORVGO through the public
// interface: full precision, the cases before a failed one kept, the error text as printed, the
// LRFD combinations and performance table, and bending-stiffness tables in the run's units.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "e2e/run_support.h"
#include "engine/orvane.h"
#include "support/test_support.h"

namespace {

using json = nlohmann::json;

// One soft clay layer over the whole pile (effective unit weight 8 kN/m3, c 30 kPa, eps50 0.01).
constexpr const char* k_Soft_Clay = "1\n1 0.0 25.0\n8.0 30.0 0.01\n8.0 30.0 0.01\n";

// The document of the last ORVGO call of this process.
json Document() {
    char* text = orvane_results_json();
    EXPECT_NE(text, nullptr);
    if (text == nullptr) return json();
    json doc = json::parse(text);
    orvane_free(text);
    return doc;
}

// Runs an input text and returns the document of the run.
json Run_Document(const EngineRun& run, const std::string& input, int& result) {
    result = run.Run(input);
    return Document();
}

std::string Example(const char* name) { return Read_File(std::string(ORVANE_EXAMPLES_DIR) + "/" + name); }

std::vector<double> Column(const json& nodes, const char* name) { return nodes.at(name).get<std::vector<double>>(); }

TEST(ResultsDocument, NodeColumnsCarryFullPrecision) {
    // The slope is the central difference of the deflections and the moment EI times their second
    // difference. Printed with the plot file's seven digits, a second difference of deflections
    // that agree to six or seven digits from node to node loses most of its digits; only the
    // engine's doubles reproduce the moment to 1e-9.
    constexpr double k_Slope_Tolerance = 1e-12;    // relative: the same arithmetic, in another order
    constexpr double k_Moment_Tolerance = 1e-9;    // relative, where |M| is above 1e-6 of its largest
    EngineRun run;
    int result = 0;
    const json doc = Run_Document(run, Example("pipe-pile-clay-sand-subgrade.lp"), result);
    ASSERT_EQ(result, 0);
    ASSERT_EQ(doc.at("format_version"), 2);
    const json& cases = doc.at("results").at("load_cases");
    ASSERT_EQ(cases.size(), 5u);
    for (const json& c : cases) {
        SCOPED_TRACE("case " + std::to_string(c.at("number").get<int>()));
        EXPECT_EQ(c.at("status"), "converged");
        EXPECT_TRUE(c.at("iterations").is_number_integer());
        const json& nodes = c.at("nodes");
        const std::vector<double> z = Column(nodes, "depth"), y = Column(nodes, "deflection"),
                                  S = Column(nodes, "slope"), M = Column(nodes, "moment"),
                                  EI = Column(nodes, "bending_stiffness");
        ASSERT_EQ(z.size(), 501u);
        const double h = z[1] - z[0];
        double largest = 0.0;
        for (double m : M) largest = std::max(largest, std::fabs(m));
        for (std::size_t k = 1; k + 1 < z.size(); ++k) {
            const double central = (y[k + 1] - y[k - 1]) / (2.0 * h);
            EXPECT_NEAR(S[k], central, k_Slope_Tolerance * std::fabs(central) + 1e-300) << "node " << k + 1;
            if (std::fabs(M[k]) < 1e-6 * largest) continue;
            const double curvature_moment = EI[k] * (y[k + 1] - 2.0 * y[k] + y[k - 1]) / (h * h);
            EXPECT_NEAR(M[k], curvature_moment, k_Moment_Tolerance * std::fabs(M[k])) << "node " << k + 1;
        }
    }
}

TEST(ResultsDocument, AFailedCaseKeepsTheCasesBeforeIt) {
    // Case 3 carries a head shear far beyond the pile's: Runtime Error No. 9 ends the run there.
    static const double k_Shears[] = {100.0, 200.0, 5000.0};
    const PipeProblem p{"three cases, the last beyond the pile", k_Soft_Clay, k_Shears, 3};
    EngineRun run;
    int result = 0;
    const json doc = Run_Document(run, Pipe_Problem_Text(p), result);
    ASSERT_EQ(result, 209);
    const json& r = doc.at("results");
    ASSERT_TRUE(r.is_object());
    const json& cases = r.at("load_cases");
    ASSERT_EQ(cases.size(), 3u);
    EXPECT_EQ(cases[0].at("status"), "converged");
    EXPECT_EQ(cases[1].at("status"), "converged");
    EXPECT_EQ(cases[2].at("status"), "failed");
    EXPECT_TRUE(cases[2].at("nodes").is_null());
    EXPECT_EQ(cases[2].at("head_conditions").at("shear"), 5000.0);
    EXPECT_EQ(r.at("failed_case"), 3);
    EXPECT_EQ(r.at("summary").size(), 2u);
    // the kept cases are those of the plot file, node by node, to its seven digits
    const std::vector<std::vector<NodeRecord>> records = Node_Records(Read_Lines(run.plot()));
    ASSERT_EQ(records.size(), 2u);
    for (std::size_t c = 0; c < 2; ++c) {
        const std::vector<double> y = Column(cases[c].at("nodes"), "deflection");
        const std::vector<double> M = Column(cases[c].at("nodes"), "moment");
        ASSERT_EQ(y.size(), records[c].size());
        for (std::size_t k = 0; k < y.size(); ++k) {
            EXPECT_NEAR(y[k], records[c][k].y, 5e-7 * std::fabs(y[k]) + 1e-20);
            EXPECT_NEAR(M[k], records[c][k].M, 5e-7 * std::fabs(M[k]) + 1e-20);
        }
    }
    const json& error = doc.at("errors").at(0);
    EXPECT_EQ(error.at("kind"), "runtime");
    EXPECT_EQ(error.at("number"), 9);
    EXPECT_EQ(error.at("text").at(0), "**** Runtime Error No. 9 ****");
    const std::string outcome = doc.at("outcome").at("text");
    EXPECT_EQ(outcome.rfind("The analysis ended due to runtime error No. 9. The computed deflection", 0), 0u);
}

TEST(ResultsDocument, ErrorTextIsTheFramedMessageAsPrinted) {
    // Thirty iterations at a tolerance no solution meets: Runtime Error No. 10 in case 1, whose
    // message the report prints through the number writer.
    static const double k_Shears[] = {100.0};
    PipeProblem p{"no convergence", k_Soft_Clay, k_Shears, 1};
    p.max_iterations = 30;
    p.tolerance = "1.0E-14";
    EngineRun run;
    int result = 0;
    const json doc = Run_Document(run, Pipe_Problem_Text(p), result);
    ASSERT_EQ(result, 210);
    const std::vector<std::string> text = doc.at("errors").at(0).at("text").get<std::vector<std::string>>();
    ASSERT_GE(text.size(), 3u);
    EXPECT_EQ(text[0], "****  Runtime Error No. 10  ****");
    EXPECT_EQ(text[1], "The analysis failed to converge within the limit of 30 iterations.");
    // every kept line is a line of the report, in the report's order
    const std::vector<std::string> report = Read_Lines(run.report());
    int at = 0;
    for (const std::string& line : text) {
        bool found = false;
        for (; at < static_cast<int>(report.size()) && !found; ++at) {
            found = report[static_cast<std::size_t>(at)].find(line) != std::string::npos;
        }
        EXPECT_TRUE(found) << line;
    }
    EXPECT_EQ(doc.at("results").at("load_cases").at(0).at("status"), "failed");
}

TEST(ResultsDocument, LrfdCombinationsCarryTheirNamesAndThePerformanceTable) {
    EngineRun run;
    int result = 0;
    const json doc = Run_Document(run, Example("harbour-pipe-pile-lrfd.lp"), result);
    ASSERT_LE(result, 0);
    const json& r = doc.at("results");
    const char* const names[] = {"Strength I", "Strength III", "Extreme event, wind on the dolphin"};
    const double phi[] = {0.9, 0.9, 1.0};
    const json& cases = r.at("load_cases");
    ASSERT_EQ(cases.size(), 3u);
    for (std::size_t c = 0; c < 3; ++c) {
        const json& combination = cases[c].at("lrfd_combination");
        EXPECT_EQ(combination.at("name"), names[c]);
        EXPECT_EQ(combination.at("resistance_factor_moment"), phi[c]);
        // the head is solved for the combination's factored shear, moment and thrust
        const json& head = cases[c].at("head_conditions");
        EXPECT_EQ(head.at("load_type"), 1);
        EXPECT_EQ(head.at("shear"), combination.at("factored_loads").at("shear"));
        EXPECT_EQ(head.at("moment"), combination.at("factored_loads").at("moment"));
    }
    EXPECT_EQ(cases[1].at("lrfd_combination").at("factors").at("wind"), 1.4);
    const json& table = r.at("lrfd_performance");
    ASSERT_TRUE(table.is_array());
    ASSERT_EQ(table.size(), 3u);   // three combinations, one pile section
    for (const json& row : table) {
        const int c = row.at("combination");
        SCOPED_TRACE("combination " + std::to_string(c));
        // the largest moment of the one section is the largest of the case's node table
        double largest = 0.0;
        for (double m : Column(cases[static_cast<std::size_t>(c - 1)].at("nodes"), "moment")) {
            largest = std::max(largest, std::fabs(m));
        }
        const double capacity = row.at("factored_moment_capacity");
        const double max_moment = row.at("max_moment");
        EXPECT_DOUBLE_EQ(std::fabs(max_moment), largest);
        EXPECT_DOUBLE_EQ(row.at("moment_fraction").get<double>(), max_moment / capacity);
        EXPECT_EQ(row.at("passed").get<bool>(), capacity > max_moment);
    }
}

TEST(ResultsDocument, UserStiffnessTablesKeepTheInputMoments) {
    // Section 7 of the example is a user M-EI section in US customary units, its table given in
    // in-lb and lb-in2 at thrusts 0 and 500000 lb. The engine keeps its tables in kips; the
    // document gives them in the run's pounds, so every input point appears as given.
    constexpr double k_Relative = 1e-14;   // a division by 1000 and the multiplication back
    EngineRun run;
    int result = 0;
    const json doc = Run_Document(run, Example("section-families-ei-only.lp"), result);
    ASSERT_LE(result, 0);
    EXPECT_EQ(doc.at("units").at("moment"), "in-lb");
    EXPECT_EQ(doc.at("units").at("bending_stiffness"), "lb-in^2");
    EXPECT_TRUE(doc.at("results").at("load_cases").empty());   // bending stiffness only
    struct Point { double thrust, M, EI; };
    const Point k_Input[] = {{0.0, 0.0, 1.2e11}, {0.0, 2.0e7, 9.0e10}, {0.0, 4.0e7, 4.0e10},
                             {500000.0, 0.0, 1.4e11}, {500000.0, 3.0e7, 8.0e10}};
    for (const Point& point : k_Input) {
        SCOPED_TRACE(std::to_string(point.thrust) + " lb, M " + std::to_string(point.M));
        bool found = false;
        for (const json& t : doc.at("results").at("moment_curvature")) {
            if (t.at("section") != 7 || t.at("axial_thrust").get<double>() != point.thrust) continue;
            EXPECT_EQ(t.at("kind"), "input M-EI");
            const std::vector<double> M = Column(t, "moment"), EI = Column(t, "bending_stiffness");
            for (std::size_t k = 0; k < M.size() && !found; ++k) {
                found = std::fabs(M[k] - point.M) <= k_Relative * point.M &&
                        std::fabs(EI[k] - point.EI) <= k_Relative * point.EI;
            }
            const double largest = point.thrust == 0.0 ? 4.0e7 : 3.0e7;
            EXPECT_NEAR(t.at("nominal_moment_capacity").get<double>(), largest, k_Relative * largest);
        }
        EXPECT_TRUE(found);
    }
    // an elastic section (5) never yields: it has no nominal capacity
    for (const json& t : doc.at("results").at("moment_curvature")) {
        if (t.at("section") == 5) {
            EXPECT_TRUE(t.at("nominal_moment_capacity").is_null());
        }
    }
}

TEST(ResultsDocument, SectionCapacitiesAreTheShaftsOwn) {
    // The example's 1.2 m shaft: f'c 30 MPa, 24 bars of 819 mm2 with fy 420 MPa.
    constexpr double k_Relative = 1e-6;   // the engine's block factor 0.85 is a single-precision value
    EngineRun run;
    int result = 0;
    const json doc = Run_Document(run, Example("drilled-shaft-clay-sand-si.lp"), result);
    ASSERT_LE(result, 0);
    const json& capacities = doc.at("results").at("section_capacities");
    ASSERT_EQ(capacities.size(), 1u);
    const json& shaft = capacities[0];
    const double Ag = 3.141592653589793 / 4.0 * 1.2 * 1.2;
    const double As = 24 * 819.0e-6;
    const double Pn = 0.85 * 30000.0 * (Ag - As) + 420000.0 * As;
    EXPECT_NEAR(shaft.at("axial_compression").get<double>(), Pn, k_Relative * Pn);
    EXPECT_NEAR(shaft.at("axial_tension").get<double>(), -420000.0 * As, k_Relative * 420000.0 * As);
    for (const json& t : shaft.at("thrusts")) {
        const double Mn = t.at("nominal_moment");
        // the nominal capacity is the one the bending-stiffness table of the thrust carries
        bool found = false;
        for (const json& table : doc.at("results").at("moment_curvature")) {
            if (table.at("thrust_index") != t.at("thrust_index")) continue;
            EXPECT_NEAR(table.at("nominal_moment_capacity").get<double>(), Mn, 1e-12 * Mn);
            found = true;
        }
        EXPECT_TRUE(found);
        ASSERT_EQ(t.at("factored").size(), 3u);
        for (const json& f : t.at("factored")) {
            const double phi = f.at("resistance_factor");
            EXPECT_NEAR(f.at("moment").get<double>(), phi * Mn, 1e-12 * Mn);
            EXPECT_NEAR(f.at("axial_thrust").get<double>(), phi * t.at("axial_thrust").get<double>(), 1e-9);
        }
    }
}

TEST(ResultsDocument, AnInputErrorBeforeAnyComputationHasNoResults) {
    EngineRun run;
    std::string input = k_Minimal_Problem;
    // 20 increments, below the 40 the pile needs at least, is refused while the input is read
    input.replace(input.find("Increments 40"), 13, "Increments 20");
    int result = 0;
    const json doc = Run_Document(run, input, result);
    ASSERT_GT(result, 100);
    ASSERT_LT(result, 200);
    EXPECT_TRUE(doc.at("results").is_null());
    EXPECT_EQ(doc.at("errors").size(), 1u);
    EXPECT_EQ(doc.at("errors").at(0).at("kind"), "input");
    EXPECT_EQ(doc.at("errors").at(0).at("number"), result % 100);
    EXPECT_EQ(doc.at("errors").at(0).at("line"), 14);   // the Increments line the reader refused
    EXPECT_FALSE(doc.at("errors").at(0).at("text").empty());
    EXPECT_EQ(doc.at("outcome").at("result_code"), result);
}

}  // namespace
