// The run's figures and HTML report from small results documents written here: one p-y panel per
// printed depth, capacity lines where a section has a capacity and none for an elastic section,
// the elastic section's curve ending at a moment the pile reaches, values converted to the
// report's units (hand-converted below), the critical length of a length study, and the report's
// parts, figures and warnings.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "html_report.h"
#include "results_data.h"
#include "results_plots.h"
#include "svg_texts.h"

namespace {

int Count(const std::string& text, const std::string& what) {
    int n = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
    return n;
}

const FigureFile* Find(const std::vector<FigureFile>& files, const std::string& suffix) {
    for (const FigureFile& f : files) {
        if (f.suffix == suffix) return &f;
    }
    return nullptr;
}

// The part of an SVG from panel n's opening to the next panel (or the end).
std::string Panel_Text(const std::string& svg, int n) {
    const std::size_t from = svg.find("id=\"panel-" + std::to_string(n) + "\"");
    if (from == std::string::npos) return std::string();
    const std::size_t to = svg.find("id=\"panel-" + std::to_string(n + 1) + "\"", from);
    return svg.substr(from, to == std::string::npos ? std::string::npos : to - from);
}

// A US customary run of one case with two sections: section 1 reinforced concrete (nominal
// capacity 2,000,000 in-lb, cracking at 500,000 in-lb), section 2 elastic; two soil layers; three printed p-y curves; one
// warning. Depths in inches, moments in in-lb, forces in lb.
const char* const k_Us_Document = R"({
 "format": "orvane-results", "format_version": 2, "input": "shaft.lp",
 "title": ["Test shaft", "second line"],
 "outcome": {"result_code": -1, "text": "The analysis ended normally with 1 warning kind."},
 "analysis_type": "conventional", "unit_system": "US customary",
 "units": {"depth": "in", "deflection": "in", "slope": "rad", "moment": "in-lb", "shear": "lb",
           "soil_reaction": "lb/in", "bending_stiffness": "lb-in^2", "curvature": "rad/in",
           "axial_thrust": "lb", "force": "lb", "py_deflection": "in", "py_soil_resistance": "lb/in",
           "pile_length": "in", "rotational_stiffness": "in-lb/rad", "k22": "lb/in", "k23": "lb/rad",
           "k32": "in-lb/in", "k33": "in-lb/rad"},
 "ground_surface_depth": 0,
 "soil_layers": [{"layer": 1, "soil_type": 1, "soil": "Soft Clay", "top": 0, "bottom": 120},
                 {"layer": 2, "soil_type": 6, "soil": "API Sand", "top": 120, "bottom": 480}],
 "pile_sections": [{"section": 1, "section_type": 1, "kind": "drilled shaft", "top": 0, "bottom": 240, "diameter": 36},
                   {"section": 2, "section_type": 11, "kind": "elastic", "top": 240, "bottom": 480, "diameter": 36}],
 "errors": [],
 "warnings": [{"number": 199, "count": 2, "text": ["**** Warning ****", "A warning line to be shown."]}],
 "results": {
  "node_count": 3,
  "load_cases": [{"number": 1, "status": "converged", "converged": true, "iterations": 7, "lrfd_combination": null,
    "head_conditions": {"load_type": 2, "description": "Shear and Slope", "shear": 30000, "slope": 0, "axial_thrust": 0},
    "nodes": {"depth": [0, 120, 240, 480], "deflection": [0.5, 0.2, 0.01, 0], "moment": [-1200000, 600000, 300000, 0],
              "shear": [30000, -5000, -1000, 0], "soil_reaction": [0, -100, 20, 0]},
    "output_summary": null, "structural_state": null,
    "length_study": [{"pile_length": 480, "head_deflection": 0.50, "max_moment": 1}, {"pile_length": 360, "head_deflection": 0.51, "max_moment": 1},
                     {"pile_length": 240, "head_deflection": 0.60, "max_moment": 1}]}],
  "failed_case": null,
  "summary": [{"load_case": 1, "head_shear": 30000, "head_deflection": 0.5, "max_moment": -1200000, "max_shear": 30000,
               "head_rotation": 0, "moment_capacity_ratio": 0.6}],
  "py_curves": [{"number": 1, "depth": 60, "soil": "soft clay", "y": [0, 1], "p": [0, 10]},
                {"number": 2, "depth": 180, "soil": "API sand", "y": [0, 1], "p": [0, 500]},
                {"number": 3, "depth": 300, "soil": "API sand", "y": [0, 1], "p": [0, 900]}],
  "moment_curvature": [
    {"section": 1, "thrust_index": 1, "kind": "nonlinear", "axial_thrust": 0, "nominal_moment_capacity": 2000000,
     "moment": [0, 500000, 505000, 1000000, 2000000], "bending_stiffness": [2e10, 2e10, 1.2e10, 1.1e10, 1e10],
     "curvature": [0, 0.000025, 0.000042, 0.00009, 0.0002]},
    {"section": 2, "thrust_index": 1, "kind": "elastic", "axial_thrust": 0, "nominal_moment_capacity": null,
     "moment": [1e9, 2e9, 3e9], "bending_stiffness": [1e10, 1e10, 1e10], "curvature": [0.1, 0.2, 0.3]}],
  "section_capacities": [], "lrfd_performance": null, "stiffness_matrix": null}
})";

}  // namespace

TEST(ResultsFigures, OnePyPanelPerPrintedDepthWithItsDepthInFeet) {
    const std::vector<FigureFile> files = Results_Figures(Run_Results_From_Document(k_Us_Document));
    const FigureFile* py = Find(files, "-py-curves.svg");
    ASSERT_NE(py, nullptr);
    EXPECT_EQ(Count(py->svg, "class=\"panel\""), 3);
    // 60, 180 and 300 in are 5, 15 and 25 ft; each panel names its layer
    EXPECT_EQ(Texts_Of_Class(py->svg, "panel-title"),
              (std::vector<std::string>{"Curve 1 at 5 ft", "Curve 2 at 15 ft", "Curve 3 at 25 ft"}));
    EXPECT_EQ(Texts_Of_Class(py->svg, "panel-subtitle"),
              (std::vector<std::string>{"Layer 1, soft clay", "Layer 2, API sand", "Layer 2, API sand"}));
}

TEST(ResultsFigures, CapacityLinesOnlyForSectionsWithACapacity) {
    const std::vector<FigureFile> files = Results_Figures(Run_Results_From_Document(k_Us_Document));
    const FigureFile* response = Find(files, "-response.svg");
    const FigureFile* concrete = Find(files, "-section-1.svg");
    const FigureFile* elastic = Find(files, "-section-2.svg");
    ASSERT_TRUE(response != nullptr && concrete != nullptr && elastic != nullptr);
    // the moment panel: +Mn and -Mn of section 1 over its depths, nothing for the elastic section 2
    const std::string moment_panel = Panel_Text(response->svg, 2);
    EXPECT_EQ(Count(moment_panel, "class=\"capacity\""), 2);
    EXPECT_NE(response->svg.find("nominal moment capacity of section 1: 2,000 in-kip"), std::string::npos);
    EXPECT_EQ(response->svg.find("of section 2"), std::string::npos);
    EXPECT_EQ(Count(Panel_Text(response->svg, 1), "class=\"capacity\""), 0);
    // one line per panel of the concrete section's figure, none in the elastic one's
    EXPECT_EQ(Count(concrete->svg, "class=\"capacity\""), 2);
    EXPECT_EQ(Count(elastic->svg, "class=\"capacity\""), 0);
    // the concrete table steps from 2e10 to 1.2e10 lb-in2 at 500,000 in-lb: it cracks at 500 in-kip;
    // the elastic section never cracks
    EXPECT_EQ(Count(concrete->svg, "class=\"cracking\""), 2);
    EXPECT_NE(concrete->svg.find("Cracking moment at P = 0 kips: 500 in-kip"), std::string::npos);
    EXPECT_EQ(Count(elastic->svg, "class=\"cracking\""), 0);
}

TEST(ResultsFigures, ValuesAreShownInTheReportsUnits) {
    const std::vector<FigureFile> files = Results_Figures(Run_Results_From_Document(k_Us_Document));
    const FigureFile* response = Find(files, "-response.svg");
    ASSERT_NE(response, nullptr);
    // depth axis in feet, moments in in-kips, shear in kips: 1,200,000 in-lb = 1,200 in-kip at
    // the head; 30,000 lb = 30 kips; the fixed head of load type 2 with zero slope
    EXPECT_EQ(Texts_Of_Class(response->svg, "y-title"), std::vector<std::string>{"Depth below pile head (ft)"});
    EXPECT_EQ(Texts_Of_Class(response->svg, "x-title"),
              (std::vector<std::string>{"Deflection (in)", "Bending moment (in-kip)", "Shear force (kips)",
                                        "Soil reaction (lb/in)"}));
    const std::vector<std::string> legend = Texts_Of_Class(response->svg, "legend-entry");
    ASSERT_FALSE(legend.empty());
    EXPECT_EQ(legend.front(), "Load case 1: fixed head, V = 30 kips; largest moment -1,200 in-kip at 0 ft");
    // the depth ticks end at the pile's 40 ft
    EXPECT_EQ(Texts_Of_Class(response->svg, "y-tick").back(), "40");
    // the soil column names both layers
    EXPECT_EQ(Texts_Of_Class(response->svg, "layer-label").size(), 3u);   // two layers and the ground
}

TEST(ResultsFigures, ElasticSectionEndsAtTwiceTheLargestMomentItReached) {
    // section 2 (240 to 480 in) reached 300,000 in-lb = 300 in-kip: its curve ends at 600 in-kip,
    // where the table's 1e9 in-lb would be a million in-kips
    const std::vector<FigureFile> files = Results_Figures(Run_Results_From_Document(k_Us_Document));
    const FigureFile* elastic = Find(files, "-section-2.svg");
    ASSERT_NE(elastic, nullptr);
    const std::vector<std::string> moment_ticks = Texts_Of_Class(Panel_Text(elastic->svg, 2), "x-tick");
    ASSERT_FALSE(moment_ticks.empty());
    EXPECT_EQ(moment_ticks.back(), "600");
    EXPECT_EQ(Texts_Of_Class(Panel_Text(elastic->svg, 2), "x-title"), std::vector<std::string>{"Moment (in-kip)"});
}

TEST(ResultsFigures, CriticalLengthIsTheShortestWithinTheToleranceOfTheLongest) {
    // deflections 0.50 at 480, 0.51 at 360 (2 % more), 0.60 at 240 (20 % more): 360 is critical
    struct Case { const char* name; std::vector<LengthStudyPoint> study; double critical; };
    const Case cases[] = {
        {"the fixture's study", {{480, 0.50, 0}, {360, 0.51, 0}, {240, 0.60, 0}}, 360},
        {"in any order", {{240, 0.60, 0}, {480, 0.50, 0}, {360, 0.51, 0}}, 360},
        {"a shorter pile back within is not counted past a longer one outside",
         {{480, 1.0, 0}, {400, 1.2, 0}, {300, 1.01, 0}}, 480},
        {"all within: the shortest", {{480, 1.0, 0}, {400, 1.01, 0}, {300, 1.04, 0}}, 300},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::optional<double> critical = Critical_Length(c.study);
        ASSERT_TRUE(critical.has_value());
        EXPECT_DOUBLE_EQ(*critical, c.critical);
    }
    EXPECT_FALSE(Critical_Length({{480, 0.5, 0}}).has_value());

    const std::vector<FigureFile> files = Results_Figures(Run_Results_From_Document(k_Us_Document));
    const FigureFile* study = Find(files, "-length-study.svg");
    ASSERT_NE(study, nullptr);
    EXPECT_NE(study->svg.find("Critical length of load case 1: 30 ft"), std::string::npos);
}

TEST(HtmlReport, OneSelfContainedPageWithTheProblemFiguresTablesAndWarnings) {
    const std::string html = Html_Report(k_Us_Document);
    const std::vector<FigureFile> figures = Results_Figures(Run_Results_From_Document(k_Us_Document));
    // nothing fetched, nothing run
    for (const char* outside : {"<script", "src=", "href=", "@import", "url("}) {
        EXPECT_EQ(html.find(outside), std::string::npos) << outside;
    }
    EXPECT_EQ(Count(html, "<svg"), static_cast<int>(figures.size()));
    EXPECT_EQ(html.find("<?xml"), std::string::npos);
    // the parts, each after a page break but the first
    for (const char* part : {"id=\"problem\"", "id=\"results\"", "id=\"figures\"", "id=\"messages\""}) {
        EXPECT_NE(html.find(part), std::string::npos) << part;
    }
    EXPECT_EQ(Count(html, "class=\"part\""), 3);
    EXPECT_NE(html.find("break-before: page"), std::string::npos);
    // the problem: sections, layers and loads in the report's units
    for (const char* shown : {"drilled shaft", "elastic", "Soft Clay", "API Sand", "Load case 1: fixed head, V = 30 kips",
                              "Top (ft)", "A warning line to be shown.", "Warning 199 (reported 2 times)", "Test shaft",
                              "second line"}) {
        EXPECT_NE(html.find(shown), std::string::npos) << shown;
    }
    // a document that does not read still gives a page that says so
    EXPECT_NE(Html_Report("not json").find("could not be read"), std::string::npos);
}
