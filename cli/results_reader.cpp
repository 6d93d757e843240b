// Reading a finished run: the plot output file's records by label number and column, and from the
// report and the runtime message file only what no record holds (see results_reader.h).
#include "results_reader.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr int k_Max_Cases = 100;   // load cases or LRFD combinations a run can hold

// The integer at p, held to the range of int: a file of another origin may hold any digits.
int Int_At(const char* p) {
    const long v = std::strtol(p, nullptr, 10);
    return static_cast<int>(std::max<long>(std::min<long>(v, 1000000000L), -1000000000L));
}

std::vector<std::string> Read_Lines(const std::string& path) {
    std::vector<std::string> lines;
    std::ifstream in(path, std::ios::binary);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

std::string Trim(const std::string& s) {
    const std::size_t b = s.find_first_not_of(" \t");
    if (b == std::string::npos) return "";
    const std::size_t e = s.find_last_not_of(" \t");
    return s.substr(b, e - b + 1);
}

bool Starts_With(const std::string& s, const char* prefix) {
    return s.compare(0, std::strlen(prefix), prefix) == 0;
}

bool Is_Rule(const std::string& line, char c) {
    return line.size() >= 40 && line.find_first_not_of(c) == std::string::npos;
}

// The field of a record from column `from` (0-based) of width `width`; blanks past the end.
std::string Field(const std::string& record, std::size_t from, std::size_t width) {
    if (from >= record.size()) return "";
    return record.substr(from, width);
}

std::optional<int> Parse_Int(const std::string& field) {
    const std::string t = Trim(field);
    if (t.empty()) return std::nullopt;
    char* end = nullptr;
    (void)std::strtol(t.c_str(), &end, 10);
    if (end == t.c_str() || *end != '\0') return std::nullopt;
    return Int_At(t.c_str());
}

// Reals of a record laid out as `count` fields of 15 columns from column `from`.
bool Reals(const std::string& record, std::size_t from, int count, std::vector<double>& out) {
    out.clear();
    for (int i = 0; i < count; ++i) {
        const std::optional<double> v = Parse_Fortran_Real(Field(record, from + 15 * i, 15));
        out.push_back(v ? *v : std::nan(""));
        if (!v) {
            // a field the engine could not write as a number stays in the table as not-a-number
            const std::string t = Trim(Field(record, from + 15 * i, 15));
            if (t.empty()) return false;
        }
    }
    return true;
}

// The integer that closes a label, such as the curve number of "... on curve no. 2".
std::optional<int> Trailing_Int(const std::string& text) {
    const std::string t = Trim(text);
    std::size_t b = t.size();
    while (b > 0 && std::isdigit(static_cast<unsigned char>(t[b - 1]))) --b;
    if (b == t.size()) return std::nullopt;
    return Int_At(t.c_str() + b);
}

std::optional<int> Int_After(const std::string& text, const char* key) {
    const std::size_t at = text.find(key);
    if (at == std::string::npos) return std::nullopt;
    const char* p = text.c_str() + at + std::strlen(key);
    if (!std::isdigit(static_cast<unsigned char>(*p))) return std::nullopt;
    return Int_At(p);
}

// The text inside the parentheses after `key` in a label, as "kN-m" of "Moment (kN-m)".
std::string Unit_After(const std::string& label, const char* key) {
    const std::size_t at = label.find(key);
    if (at == std::string::npos) return "";
    const std::size_t open = label.find('(', at + std::strlen(key));
    if (open == std::string::npos || open > at + std::strlen(key) + 1) return "";
    const std::size_t close = label.find(')', open);
    if (close == std::string::npos) return "";
    return Trim(label.substr(open + 1, close - open - 1));
}

// "name   =   value unit" of the report; false when the line has no number after "=".
bool Labelled(const std::string& line, LabelledValue& out) {
    const std::size_t eq = line.find('=');
    if (eq == std::string::npos) return false;
    const std::string rest = Trim(line.substr(eq + 1));
    const std::size_t space = rest.find(' ');
    const std::optional<double> v = Parse_Fortran_Real(rest.substr(0, space));
    if (!v) return false;
    out.name = Trim(line.substr(0, eq));
    out.value = *v;
    out.unit = space == std::string::npos ? "" : Trim(rest.substr(space));
    return true;
}

// ---- plot output file -------------------------------------------------------------------------

void Read_Plot(const std::string& path, RunResults& r) {
    int current = -1;                    // index of the case whose node records are being read
    int length_case = -1;                // index of the case the last "Line 11" named
    for (const std::string& rec : Read_Lines(path)) {
        const int n = Plot_Record_Number(rec);
        const std::size_t label_at = rec.find("Line ");
        const std::string label = label_at == std::string::npos ? "" : rec.substr(label_at);
        std::vector<double> v;
        switch (n) {
            case 1: {
                r.analysis_type = Parse_Int(Field(rec, 0, 5)).value_or(0);
                r.unit_system = Parse_Int(Field(rec, 5, 5)).value_or(0);
                r.kmatrix_requested = Parse_Int(Field(rec, 15, 5)).value_or(0) == 1;
                break;
            }
            case 4: {
                if (!Reals(rec, 15, 2, v)) break;
                MomentCurvatureTable t;
                t.axial_thrust = v[0];
                t.nominal_moment_capacity = v[1];
                t.kind = label.find("Elas.") != std::string::npos           ? "elastic"
                         : label.find("elastic-plastic") != std::string::npos ? "elastic-plastic"
                         : label.find("input M-EI") != std::string::npos      ? "input M-EI"
                                                                               : "nonlinear";
                t.thrust_unit = Unit_After(label, "Axial Thrust Load");
                t.capacity_unit = Unit_After(label, "Nom. Moment Cap.");
                if (label.find("Section ") != std::string::npos) t.section = Trailing_Int(label).value_or(0);
                r.moment_curvature.push_back(t);
                break;
            }
            case 5: {
                if (r.moment_curvature.empty() || !Reals(rec, 0, 3, v)) break;
                MomentCurvatureTable& t = r.moment_curvature.back();
                if (t.moment.empty()) {
                    if (const auto s = Int_After(label, "Sect#=")) t.section = *s;
                    if (const auto a = Int_After(label, "AxLd#=")) t.thrust_index = *a;
                    t.moment_unit = Unit_After(label, "Moment");
                    t.stiffness_unit = Unit_After(label, "EI");
                    t.curvature_unit = Unit_After(label, "Curvature");
                    if (t.moment_unit.empty()) t.moment_unit = t.capacity_unit;
                }
                t.moment.push_back(v[0]);
                t.bending_stiffness.push_back(v[1]);
                t.curvature.push_back(v[2]);
                break;
            }
            case 7: {
                const std::optional<double> depth = Parse_Fortran_Real(Field(rec, 0, 15));
                if (!depth) break;
                PyCurve c;
                c.depth = *depth;
                c.number = static_cast<int>(r.py_curves.size()) + 1;
                const std::size_t in = label.find("depth in ");
                if (in != std::string::npos) {
                    const std::size_t comma = label.find(", no.", in);
                    c.soil = Trim(label.substr(in + 9, comma == std::string::npos ? std::string::npos
                                                                                  : comma - in - 9));
                    if (const auto k = Trailing_Int(label)) c.number = *k;
                }
                r.py_curves.push_back(c);
                break;
            }
            case 8: {
                if (r.py_curves.empty() || !Reals(rec, 0, 2, v)) break;
                r.py_curves.back().y.push_back(v[0]);
                r.py_curves.back().p.push_back(v[1]);
                break;
            }
            case 9: {
                r.node_count = Parse_Int(Field(rec, 5, 5)).value_or(0);
                break;
            }
            case 10: {
                if (!Reals(rec, 0, 6, v)) break;
                // node numbers restart at 1 with every case
                const std::size_t open = label.find('(');
                const long node = open == std::string::npos ? 0 : std::strtol(label.c_str() + open + 1, nullptr, 10);
                if (current < 0 || node == 1) {
                    LoadCaseResult c;
                    c.number = static_cast<int>(r.cases.size()) + 1;
                    r.cases.push_back(c);
                    current = static_cast<int>(r.cases.size()) - 1;
                }
                NodeTable& t = r.cases[current].nodes;
                t.depth.push_back(v[0]);
                t.deflection.push_back(v[1]);
                t.moment.push_back(v[2]);
                t.shear.push_back(v[3]);
                t.soil_reaction.push_back(v[4]);
                t.bending_stiffness.push_back(v[5]);
                break;
            }
            case 11: {
                // closes a case and names it; its length-study points follow
                const std::optional<int> lc = Trailing_Int(label);
                if (!lc || *lc < 1 || *lc > k_Max_Cases) break;
                while (static_cast<int>(r.cases.size()) < *lc) {
                    LoadCaseResult c;
                    c.number = static_cast<int>(r.cases.size()) + 1;
                    r.cases.push_back(c);
                }
                length_case = *lc - 1;
                r.cases[length_case].lrfd = label.find("LRFD") != std::string::npos;
                current = -1;
                break;
            }
            case 12: {
                if (length_case < 0 || !Reals(rec, 0, 4, v)) break;
                r.cases[length_case].length_study.push_back({v[0], v[1], v[2], v[3]});
                break;
            }
            case 13: {
                if (!Reals(rec, 0, 5, v)) break;
                r.summary.push_back({v[0], v[1], v[2], v[3], v[4]});
                break;
            }
            case 14: {
                if (!Reals(rec, 0, 8, v)) break;
                r.stiffness_matrix.push_back({v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7]});
                break;
            }
            default:
                break;  // records of other kinds are not part of these outputs
        }
    }
}

}  // namespace

namespace {

// ---- output report ----------------------------------------------------------------------------

// Reads up to ten numbers of a printed node row; false for any other line.
bool Node_Row(const std::string& line, std::vector<double>& out) {
    out.clear();
    std::size_t at = 0;
    while (at < line.size()) {
        at = line.find_first_not_of(' ', at);
        if (at == std::string::npos) break;
        const std::size_t end = line.find(' ', at);
        const std::optional<double> v = Parse_Fortran_Real(line.substr(at, end == std::string::npos ? std::string::npos : end - at));
        if (!v) return false;
        out.push_back(*v);
        at = end;
    }
    return out.size() == 10;
}

// Puts the printed-only columns of a report row on the node at its depth; depth_factor turns the
// printed depth into the records' unit.
void Place_Printed_Row(NodeTable& t, const std::vector<double>& row, double depth_factor) {
    const std::size_t n = t.depth.size();
    if (n == 0) return;
    const double depth = row[0] * depth_factor;
    std::size_t best = 0;
    for (std::size_t k = 1; k < n; ++k) {
        if (std::fabs(t.depth[k] - depth) < std::fabs(t.depth[best] - depth)) best = k;
    }
    const double spacing = n > 1 ? std::fabs(t.depth[1] - t.depth[0]) : 0.0;
    if (std::fabs(t.depth[best] - depth) > 0.5 * spacing) return;
    t.slope[best] = row[4];
    t.total_stress[best] = row[5];
    t.soil_spring[best] = row[8];
    t.distributed_load[best] = row[9];
}

std::vector<std::string> Message_Block(const std::vector<std::string>& lines, std::size_t from, std::size_t to) {
    std::vector<std::string> text;
    for (std::size_t i = from; i < to && i < lines.size(); ++i) {
        std::string t = Trim(lines[i]);
        if (t.empty() || Is_Rule(t, '-') || Starts_With(t, "Orvane ended prematurely")) continue;
        text.push_back(t);
    }
    return text;
}

// The framed message of the error that ended the run: the last heading of an error of this
// number (any heading of an error when the number is not known) and its lines up to the ending.
std::vector<std::string> Error_Text(const std::vector<std::string>& lines, const std::optional<int>& number) {
    std::size_t end = lines.size();
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (Starts_With(lines[i], "The analysis ended due to")) { end = i; break; }
    }
    // a heading "**** Input Data Error No. 53 ****" of this number; failing that, the last framed
    // heading that is not a warning's, such as "***** INPUT ERROR *****"
    std::size_t heading = end;
    for (std::size_t i = end; i-- > 0 && heading == end;) {
        const std::string& l = lines[i];
        if (l.empty() || l[0] != '*' || l.find("Error No") == std::string::npos) continue;
        if (number) {
            const std::size_t at = l.find("Error No");
            const char* p = l.c_str() + at + 8;
            while (*p == '.' || *p == ' ') ++p;
            if (Int_At(p) != *number) continue;
        }
        heading = i;
    }
    for (std::size_t i = end; i-- > 0 && heading == end;) {
        const std::string& l = lines[i];
        if (Starts_With(l, "****") && l.find("arning") == std::string::npos && l.find("ARNING") == std::string::npos) {
            heading = i;
        }
    }
    if (heading < end) {
        const std::size_t i = heading;
        const std::string& l = lines[i];
        std::size_t stop = end;
        for (std::size_t j = i + 1; j < end; ++j) {
            if (Starts_With(lines[j], "**** Warning") || Starts_With(lines[j], "The following warning") ||
                Trim(lines[j]) == "Summary of Warning Messages") { stop = j; break; }
        }
        std::vector<std::string> text{Trim(l)};
        for (const std::string& t : Message_Block(lines, i + 1, stop)) text.push_back(t);
        return text;
    }
    return {};
}

void Read_Report(const std::string& path, RunResults& r) {
    const std::vector<std::string> lines = Read_Lines(path);
    LoadCaseResult* lc = nullptr;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        const std::string t = Trim(line);
        if (t == "Problem Title" && r.title.empty()) {
            std::size_t j = i + 1;
            if (j < lines.size() && Is_Rule(lines[j], '-')) ++j;
            for (; j < lines.size() && !Is_Rule(lines[j], '-'); ++j) {
                std::string text = lines[j];
                while (!text.empty() && text.back() == ' ') text.pop_back();
                r.title.push_back(text);
            }
            while (!r.title.empty() && r.title.front().empty()) r.title.erase(r.title.begin());
            while (!r.title.empty() && r.title.back().empty()) r.title.pop_back();
            continue;
        }
        if (!r.ground_depth && Starts_With(line, "Depth of ground surface below top of pile")) {
            LabelledValue v;
            if (Labelled(line, v)) r.ground_depth = v.value * (v.unit == "ft" ? 12.0 : 1.0);
            continue;
        }
        if (Starts_With(t, "for Lateral Loading for Load Case Number ")) {
            const std::optional<int> n = Trailing_Int(t);
            lc = n && *n >= 1 && *n <= static_cast<int>(r.cases.size()) ? &r.cases[*n - 1] : nullptr;
            continue;
        }
        if (Starts_With(t, "Output Summary for Load Case No. ")) {
            const std::string head = t.substr(0, t.size() - (t.back() == ':' ? 1 : 0));
            const std::optional<int> n = Trailing_Int(head);
            lc = n && *n >= 1 && *n <= static_cast<int>(r.cases.size()) ? &r.cases[*n - 1] : nullptr;
            if (lc == nullptr) continue;
            std::size_t j = i + 1;
            while (j < lines.size() && Trim(lines[j]).empty()) ++j;
            for (LabelledValue v; j < lines.size() && Labelled(lines[j], v); ++j) {
                if (v.name == "Number of iterations") lc->iterations = static_cast<int>(v.value);
                lc->output_summary.push_back(v);
            }
            i = j - 1;
            lc = nullptr;
            continue;
        }
        if (lc == nullptr) continue;
        if (Starts_With(t, "Pile-head conditions are ")) {
            const std::size_t open = t.rfind(" (Loading Type ");
            lc->head_condition_text = t.substr(25, open == std::string::npos ? std::string::npos : open - 25);
            if (open != std::string::npos) {
                const int type = Int_At(t.c_str() + open + 15);
                lc->load_type = type >= 1 && type <= 5 ? type : 0;
            }
            std::size_t j = i + 1;
            while (j < lines.size() && Trim(lines[j]).empty()) ++j;
            for (LabelledValue v; j < lines.size() && Labelled(lines[j], v); ++j) lc->head_conditions.push_back(v);
            continue;
        }
        if (Starts_With(t, "Depth") && line.find("Deflect.") != std::string::npos && i + 3 < lines.size() &&
            Starts_With(lines[i + 3], "----------")) {
            // depths printed in feet are inches in the records
            const double row_depth_factor = Trim(lines[i + 2]).rfind("feet", 0) == 0 ? 12.0 : 1.0;
            NodeTable& nt = lc->nodes;
            const std::size_t n = nt.depth.size();
            nt.slope.assign(n, std::nullopt);
            nt.total_stress.assign(n, std::nullopt);
            nt.soil_spring.assign(n, std::nullopt);
            nt.distributed_load.assign(n, std::nullopt);
            std::vector<double> row;
            std::size_t j = i + 4;
            for (; j < lines.size() && Node_Row(lines[j], row); ++j) Place_Printed_Row(nt, row, row_depth_factor);
            i = j - 1;
        }
    }
    for (LoadCaseResult& c : r.cases) {
        NodeTable& nt = c.nodes;
        const std::size_t n = nt.depth.size();
        if (nt.slope.size() != n) {
            nt.slope.assign(n, std::nullopt);
            nt.total_stress.assign(n, std::nullopt);
            nt.soil_spring.assign(n, std::nullopt);
            nt.distributed_load.assign(n, std::nullopt);
        }
    }

    // warnings: the closing summary repeats each warning once with its count
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (!Starts_With(lines[i], "The following warning was reported ")) continue;
        RunMessage w;
        w.kind = "warning";
        w.count = Int_At(lines[i].c_str() + 35);
        std::size_t j = i + 1;
        while (j < lines.size() && !Starts_With(lines[j], "The following warning was reported ") &&
               !Starts_With(lines[j], "The analysis ended")) ++j;
        w.text = Message_Block(lines, i + 1, j);
        r.warnings.push_back(w);
        i = j - 1;
    }
    // the result code carries the number of a warning when it was the only one
    if (r.warnings.size() == 1 && r.result_code < 0 && r.result_code != -300) {
        r.warnings[0].number = -r.result_code;
    }

    if (r.result_code > 0) {
        RunMessage e;
        if (r.result_code > 100 && r.result_code < 200) {
            e.kind = "input";
            e.number = r.result_code - 100;
        } else if (r.result_code > 200 && r.result_code < 300) {
            e.kind = "runtime";
            e.number = r.result_code - 200;
        } else {
            e.kind = "engine status";
            e.number = r.result_code;
        }
        const bool numbered = e.kind != "engine status";
        e.text = Error_Text(lines, numbered ? e.number : std::nullopt);
        r.errors.push_back(e);
    }
}

void Read_Messages(const std::string& path, RunResults& r) {
    const char* met = "The convergence criteria have been met for load case ";
    for (const std::string& line : Read_Lines(path)) {
        if (!Starts_With(line, met)) continue;
        const std::optional<int> n = Trailing_Int(line);
        if (n && *n >= 1 && *n <= static_cast<int>(r.cases.size())) r.cases[*n - 1].converged = true;
    }
}

}  // namespace

std::optional<double> Parse_Fortran_Real(const std::string& field) {
    std::string t = Trim(field);
    if (t.empty()) return std::nullopt;
    // the exponent form of three-digit exponents drops the letter: 0.1234567+100
    const std::size_t sign = t.find_first_of("+-", 1);
    if (sign != std::string::npos && t.find_first_of("eEdD") == std::string::npos &&
        std::isdigit(static_cast<unsigned char>(t[sign - 1]))) {
        t.insert(sign, "E");
    }
    for (char& c : t) {
        if (c == 'd' || c == 'D') c = 'E';
    }
    const char* begin = t.c_str();
    char* end = nullptr;
    const double v = std::strtod(begin, &end);
    if (end == begin || *end != '\0') return std::nullopt;
    return v;
}

int Plot_Record_Number(const std::string& record) {
    const std::size_t at = record.find("Line ");
    if (at == std::string::npos) return 0;
    const char* p = record.c_str() + at + 5;
    if (!std::isdigit(static_cast<unsigned char>(*p))) return 0;
    return Int_At(p);
}

UnitLabels Unit_Labels_For(int unit_system) {
    UnitLabels u;
    switch (unit_system) {
        case 1:
            u = {"US customary", "in", "in", "rad", "in-lb", "lbs", "lb/in", "lb-in^2",
                 "lb/in", "lb/in", "psi", "in", "lb/in"};
            break;
        case 2:
            u = {"SI", "m", "m", "rad", "kN-m", "kN", "kN/m", "kN-m^2",
                 "kN/m", "kN/m", "kPa", "m", "kN/m"};
            break;
        case 3:
            u = {"general", "L", "L", "rad", "F-L", "F", "F/L", "F-L^2",
                 "F/L", "F/L", "F/L^2", "L", "F/L"};
            break;
        default:
            break;
    }
    return u;
}

RunResults Read_Run_Results(const std::string& report, const std::string& plot,
                            const std::string& messages, int result_code) {
    RunResults r;
    r.result_code = result_code;
    Read_Plot(plot, r);
    r.units = Unit_Labels_For(r.unit_system);
    Read_Report(report, r);
    Read_Messages(messages, r);
    return r;
}
