// Writing the printable HTML report (see html_report.h). Numbers are shown in the report's units
// through display_units, with about four significant digits; the JSON results file keeps them at
// full precision.
#include "html_report.h"

#include <cmath>
#include <string>
#include <vector>

#include "display_units.h"
#include "results_data.h"
#include "svg_plot.h"

namespace {

// The page set-up: margins that leave the same printable box on A4 (210 x 297 mm) and Letter
// (216 x 279 mm) paper, at least 182 x 251 mm; a figure is at most 225 mm tall with its caption,
// so it never needs two pages.
constexpr const char* k_Style = R"(
@page { margin: 14mm; }
body { font-family: "DejaVu Sans", Arial, Helvetica, sans-serif; font-size: 10pt; color: #111; margin: 0 auto;
       max-width: 1000px; padding: 0 12px; }
h1 { font-size: 17pt; margin: 0 0 4pt 0; }
h2 { font-size: 13.5pt; border-bottom: 1.5pt solid #444; padding-bottom: 2pt; margin: 14pt 0 6pt 0; }
h3 { font-size: 11pt; margin: 10pt 0 4pt 0; }
p { margin: 3pt 0; }
.title-lines { color: #333; }
.outcome { font-weight: bold; margin: 6pt 0; }
table { border-collapse: collapse; margin: 4pt 0 10pt 0; font-size: 9pt; }
th, td { border: 0.6pt solid #999; padding: 2pt 5pt; text-align: right; vertical-align: top; }
th { background: #eee; }
td.text, th.text { text-align: left; }
thead { display: table-header-group; }
tr { break-inside: avoid; }
figure { margin: 0 0 10pt 0; break-inside: avoid; page-break-inside: avoid; }
figure svg { display: block; width: 100%; height: auto; max-height: 215mm; }
figcaption { font-weight: bold; margin: 0 0 3pt 0; break-after: avoid; }
.message { border-left: 3pt solid #c60; padding: 2pt 8pt; margin: 6pt 0; break-inside: avoid; }
.message.error { border-color: #b00; }
.message p { margin: 1pt 0; font-family: "DejaVu Sans Mono", monospace; font-size: 8.5pt; white-space: pre-wrap; }
.part { break-before: page; page-break-before: always; }
.part.first { break-before: auto; page-break-before: auto; }
@media print { body { max-width: none; padding: 0; } }
)";

std::string Esc(const std::string& text) { return Xml_Escape(text); }

std::string Cell(const std::string& text, bool is_text = false) {
    return std::string(is_text ? "<td class=\"text\">" : "<td>") + Esc(text) + "</td>";
}

std::string Number_Cell(const RunResults& r, Quantity q, double engine_value) {
    return Cell(Readable_Number(Shown(r, q, engine_value)));
}

std::string Header_Row(const std::vector<std::string>& heads) {
    std::string row = "<thead><tr>";
    for (std::size_t i = 0; i < heads.size(); ++i) row += (i == 0 ? "<th class=\"text\">" : "<th>") + Esc(heads[i]) + "</th>";
    return row + "</tr></thead>\n";
}

// "Depth (ft)": a column head with its display unit.
std::string Head(const std::string& name, const RunResults& r, Quantity q) { return With_Unit(name, r, q); }

std::string Problem_Part(const RunResults& r) {
    std::string h = "<section class=\"part first\" id=\"problem\">\n<h2>Problem</h2>\n";
    if (r.ground_depth) {
        h += "<p>Ground surface " + Esc(Readable_Number(Shown(r, Quantity::Depth, *r.ground_depth)) + " " +
                                       Display_Unit(r, Quantity::Depth).label) +
             " below the pile head.</p>\n";
    }
    if (!r.sections.empty()) {
        h += "<h3>Pile sections</h3>\n<table>" +
             Header_Row({"Section", "Kind", Head("Top", r, Quantity::Depth), Head("Bottom", r, Quantity::Depth),
                         Head("Diameter", r, Quantity::PyDeflection)}) +
             "<tbody>\n";
        for (const PileSection& s : r.sections) {
            h += "<tr>" + Cell(std::to_string(s.section), true) + Cell(s.kind, true) +
                 Number_Cell(r, Quantity::Depth, s.top) + Number_Cell(r, Quantity::Depth, s.bottom) +
                 Number_Cell(r, Quantity::PyDeflection, s.diameter) + "</tr>\n";
        }
        h += "</tbody></table>\n";
    }
    if (!r.layers.empty()) {
        h += "<h3>Soil layers</h3>\n<table>" +
             Header_Row({"Layer", "Soil", Head("Top", r, Quantity::Depth), Head("Bottom", r, Quantity::Depth)}) +
             "<tbody>\n";
        for (const SoilLayer& l : r.layers) {
            h += "<tr>" + Cell(std::to_string(l.layer), true) + Cell(l.soil, true) +
                 Number_Cell(r, Quantity::Depth, l.top) + Number_Cell(r, Quantity::Depth, l.bottom) + "</tr>\n";
        }
        h += "</tbody></table>\n";
    }
    if (!r.cases.empty()) {
        h += "<h3>Load cases</h3>\n<table>" + Header_Row({"Case", "Head condition and loads", "Status", "Iterations"}) +
             "<tbody>\n";
        for (const LoadCaseResult& c : r.cases) {
            h += "<tr>" + Cell(std::to_string(c.number), true) + Cell(Case_Legend(r, c), true) + Cell(c.status, true) +
                 Cell(c.iterations > 0 ? std::to_string(c.iterations) : "") + "</tr>\n";
        }
        h += "</tbody></table>\n";
    }
    return h + "</section>\n";
}

std::string Results_Part(const RunResults& r) {
    std::string h = "<section class=\"part\" id=\"results\">\n<h2>Summary of results</h2>\n";
    if (!r.summary.empty()) {
        h += "<h3>Summary of pile responses</h3>\n<table>" +
             Header_Row({"Case", Head("Head shear", r, Quantity::Shear), Head("Head deflection", r, Quantity::Deflection),
                         Head("Head rotation", r, Quantity::Slope), Head("Max. moment", r, Quantity::Moment),
                         Head("Max. shear", r, Quantity::Shear), "Moment / capacity"}) +
             "<tbody>\n";
        for (const SummaryRow& s : r.summary) {
            h += "<tr>" + Cell(std::to_string(s.load_case), true) + Number_Cell(r, Quantity::Shear, s.head_shear) +
                 Number_Cell(r, Quantity::Deflection, s.head_deflection) + Number_Cell(r, Quantity::Slope, s.head_rotation) +
                 Number_Cell(r, Quantity::Moment, s.max_moment) + Number_Cell(r, Quantity::Shear, s.max_shear) +
                 Cell(s.moment_capacity_ratio ? Readable_Number(*s.moment_capacity_ratio) : "no capacity") + "</tr>\n";
        }
        h += "</tbody></table>\n";
    }
    bool any_summary = false;
    for (const LoadCaseResult& c : r.cases) any_summary = any_summary || c.summary.has_value();
    if (any_summary) {
        h += "<h3>Where the largest values occur</h3>\n<table>" +
             Header_Row({"Case", Head("Max. moment", r, Quantity::Moment), Head("at depth", r, Quantity::Depth),
                         Head("Max. shear", r, Quantity::Shear), Head("at depth", r, Quantity::Depth)}) +
             "<tbody>\n";
        for (const LoadCaseResult& c : r.cases) {
            if (!c.summary) continue;
            h += "<tr>" + Cell(std::to_string(c.number), true) + Number_Cell(r, Quantity::Moment, c.summary->max_moment) +
                 Number_Cell(r, Quantity::Depth, c.summary->depth_of_max_moment) +
                 Number_Cell(r, Quantity::Shear, c.summary->max_shear) +
                 Number_Cell(r, Quantity::Depth, c.summary->depth_of_max_shear) + "</tr>\n";
        }
        h += "</tbody></table>\n";
    }
    if (!r.lrfd.empty()) {
        h += "<h3>LRFD performance</h3>\n<table>" +
             Header_Row({"Combination", "Section", "Resistance factor", Head("Factored capacity", r, Quantity::Moment),
                         Head("Max. moment", r, Quantity::Moment), "Moment / capacity", "Passed"}) +
             "<tbody>\n";
        for (const LrfdRow& l : r.lrfd) {
            h += "<tr>" + Cell(l.combination, true) + Cell(std::to_string(l.section)) +
                 Cell(Readable_Number(l.resistance_factor)) +
                 (l.factored_capacity ? Number_Cell(r, Quantity::Moment, *l.factored_capacity) : Cell("none")) +
                 Number_Cell(r, Quantity::Moment, l.max_moment) +
                 Cell(l.moment_fraction ? Readable_Number(*l.moment_fraction) : "") +
                 Cell(l.passed ? (*l.passed ? "yes" : "NO") : "") + "</tr>\n";
        }
        h += "</tbody></table>\n";
    }
    if (!r.stiffness.empty()) {
        h += "<h3>Pile-head stiffness study</h3>\n<table>" +
             Header_Row({Head("Shear", r, Quantity::Shear), Head("Moment", r, Quantity::Moment),
                         Head("K22", r, Quantity::K22), Head("K23", r, Quantity::K23), Head("K32", r, Quantity::K32),
                         Head("K33", r, Quantity::K33), Head("Head deflection", r, Quantity::Deflection)}) +
             "<tbody>\n";
        for (const StiffnessRow& s : r.stiffness) {
            h += "<tr>" + Number_Cell(r, Quantity::Shear, s.shear) + Number_Cell(r, Quantity::Moment, s.moment) +
                 Number_Cell(r, Quantity::K22, s.k22) + Number_Cell(r, Quantity::K23, s.k23) +
                 Number_Cell(r, Quantity::K32, s.k32) + Number_Cell(r, Quantity::K33, s.k33) +
                 Number_Cell(r, Quantity::Deflection, s.head_deflection) + "</tr>\n";
        }
        h += "</tbody></table>\n";
    }
    if (!r.capacities.empty()) {
        h += "<h3>Structural capacities of the sections</h3>\n<table>" +
             Header_Row({"Section", Head("Axial compression", r, Quantity::Force),
                         Head("Axial tension", r, Quantity::Force), Head("Cracking load", r, Quantity::Force)}) +
             "<tbody>\n";
        for (const SectionCapacity& c : r.capacities) {
            h += "<tr>" + Cell(std::to_string(c.section), true) + Number_Cell(r, Quantity::Force, c.axial_compression) +
                 Number_Cell(r, Quantity::Force, c.axial_tension) + Number_Cell(r, Quantity::Force, c.cracking_load) +
                 "</tr>\n";
        }
        h += "</tbody></table>\n";
    }
    return h + "</section>\n";
}

// The figure's SVG for inline use: without its XML declaration, with ids made unique in the page.
std::string Inline_Svg(const std::string& svg, int figure) {
    std::string s = svg;
    if (s.rfind("<?xml", 0) == 0) s.erase(0, s.find('\n') + 1);
    const std::string from = "id=\"panel-", to = "id=\"figure-" + std::to_string(figure) + "-panel-";
    for (std::size_t at = s.find(from); at != std::string::npos; at = s.find(from, at + to.size())) s.replace(at, from.size(), to);
    return s;
}

std::string Svg_Title(const std::string& svg) {
    const std::size_t open = svg.find("<title>");
    if (open == std::string::npos) return std::string();
    const std::size_t from = open + 7;
    return svg.substr(from, svg.find("</title>", from) - from);   // already escaped
}

std::string Figures_Part(const RunResults& r, FigureOptions options) {
    options.for_print = true;
    const std::vector<FigureFile> figures = Results_Figures(r, options);
    if (figures.empty()) return std::string();
    std::string h = "<section class=\"part\" id=\"figures\">\n<h2>Figures</h2>\n";
    int n = 0;
    for (const FigureFile& f : figures) {
        ++n;
        h += "<figure id=\"figure-" + std::to_string(n) + "\">\n<figcaption>Figure " + std::to_string(n) + ". " +
             Svg_Title(f.svg) + "</figcaption>\n" + Inline_Svg(f.svg, n) + "</figure>\n";
    }
    return h + "</section>\n";
}

std::string Messages_Part(const RunResults& r) {
    std::string h = "<section class=\"part\" id=\"messages\">\n<h2>Errors and warnings</h2>\n";
    if (r.errors.empty() && r.warnings.empty()) h += "<p>The run reported no error and no warning.</p>\n";
    for (const RunMessage& e : r.errors) {
        h += "<div class=\"message error\"><h3>" + Esc(e.kind) + " error No. " + std::to_string(e.number) + "</h3>\n";
        for (const std::string& line : e.text) h += "<p>" + Esc(line) + "</p>\n";
        h += "</div>\n";
    }
    for (const RunMessage& w : r.warnings) {
        h += "<div class=\"message warning\"><h3>Warning " + std::to_string(w.number) + " (reported " +
             std::to_string(w.count) + (w.count == 1 ? " time" : " times") + ")</h3>\n";
        for (const std::string& line : w.text) h += "<p>" + Esc(line) + "</p>\n";
        h += "</div>\n";
    }
    return h + "</section>\n";
}

// What the figures' and tables' units are, in one sentence.
std::string Units_Note(const RunResults& r) {
    if (r.unit_system.empty()) return std::string();
    std::string note = "Units: " + r.unit_system + "; depths in " + Display_Unit(r, Quantity::Depth).label +
                       ", deflections in " + Display_Unit(r, Quantity::Deflection).label + ", moments in " +
                       Display_Unit(r, Quantity::Moment).label + ", forces in " + Display_Unit(r, Quantity::Shear).label +
                       ". The JSON results file holds every value at full precision.";
    return "<p>" + Esc(note) + "</p>\n";
}

}  // namespace

std::string Html_Report(const std::string& results_document) { return Html_Report(results_document, FigureOptions()); }

std::string Html_Report(const std::string& results_document, const FigureOptions& options) {
    const RunResults r = Run_Results_From_Document(results_document);
    const std::string name = r.input.empty() ? std::string("Lateral pile analysis") : r.input;
    std::string h = "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n<title>" + Esc(name) +
                    " \u2014 lateral pile analysis report</title>\n<style>" + k_Style + "</style>\n</head>\n<body>\n";
    h += "<header>\n<h1>Lateral pile analysis: " + Esc(name) + "</h1>\n";
    if (!r.title.empty()) {
        h += "<div class=\"title-lines\">\n";
        for (const std::string& line : r.title) h += "<p>" + Esc(line) + "</p>\n";
        h += "</div>\n";
    }
    h += "<p class=\"outcome\">" + Esc(r.outcome.empty() ? std::string("The results document could not be read.") : r.outcome) +
         "</p>\n";
    h += Units_Note(r) + "</header>\n";
    h += Problem_Part(r);
    if (r.has_results) {
        h += Results_Part(r);
        h += Figures_Part(r, options);
    }
    h += Messages_Part(r);
    h += "</body>\n</html>\n";
    return h;
}
