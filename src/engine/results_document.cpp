// The results document of a run, written from the model's kept results (see results_document.h).
// Values are in the model's units: US customary runs in inches and pounds, SI runs in meters and
// kilonewtons, general runs in the user's consistent units; one table of unit labels names the
// unit of every quantity. The bending-stiffness tables keep kips for US customary runs; they are
// given here in pounds like every other quantity of the run.
#include "engine/results_document.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <initializer_list>
#include <string>
#include <vector>

#include "engine/errors.h"
#include "input/warning_catalogue.h"
#include "lrfd/performance.h"
#include "model/model.h"
#include "model/section_types.h"
#include "model/units.h"
#include "report/number_writer.h"
#include "report/plot_file.h"
#include "section/capacities.h"

namespace {

// ---- JSON text ------------------------------------------------------------------------------

// Appends JSON values to a text. Objects and arrays are opened and closed by the caller; the
// builder puts the commas between members.
struct JsonText {
    std::string text;
    bool first = true;   // the next member is the first of its object or array

    void Separate() {
        if (!first) text += ',';
        first = false;
    }
    void Open(char bracket) {
        text += bracket;
        first = true;
    }
    void Close(char bracket) {
        text += bracket;
        first = false;
    }
    void Key(const char* key) {
        Separate();
        String_Text(key);
        text += ':';
        first = true;   // the value that follows takes no comma
    }
    void String_Text(const char* s) {
        text += '"';
        for (const unsigned char* c = reinterpret_cast<const unsigned char*>(s); *c != 0; ++c) {
            switch (*c) {
                case '"': text += "\\\""; break;
                case '\\': text += "\\\\"; break;
                case '\n': text += "\\n"; break;
                case '\r': text += "\\r"; break;
                case '\t': text += "\\t"; break;
                default:
                    if (*c < 0x20) {
                        char u[8];
                        std::snprintf(u, sizeof u, "\\u%04x", *c);
                        text += u;
                    } else {
                        text += static_cast<char>(*c);
                    }
            }
        }
        text += '"';
    }
    void String(const char* s) {
        Separate();
        String_Text(s);
    }
    // A number in its shortest form that reads back to the same double; null when it is not finite.
    void Number(double x) {
        Separate();
        if (!std::isfinite(x)) {
            text += "null";
            return;
        }
        const ShortestText t = Shortest_Number_Text(x);
        text.append(t.text.data(), static_cast<std::size_t>(t.length));
    }
    void Integer(long long n) {
        Separate();
        text += std::to_string(n);
    }
    void Boolean(bool b) {
        Separate();
        text += b ? "true" : "false";
    }
    void Null() {
        Separate();
        text += "null";
    }
    void Member(const char* key, double x) { Key(key); Number(x); }
    void Member_Int(const char* key, long long n) { Key(key); Integer(n); }
    void Member_Text(const char* key, const char* s) { Key(key); String(s); }
    void Member_Bool(const char* key, bool b) { Key(key); Boolean(b); }
    void Member_Null(const char* key) { Key(key); Null(); }
    // The member named key: null when its value is absent (false), else its object or array opened.
    bool Open_Member_Or_Null(const char* key, bool present, char bracket) {
        Key(key);
        if (!present) {
            Null();
            return false;
        }
        Open(bracket);
        return true;
    }
    // An object or array opened as the next element of an array.
    void Open_Element(char bracket) {
        Separate();
        Open(bracket);
    }
    // The member named key: x, or null when it is absent.
    void Member_Or_Null(const char* key, bool present, double x) {
        Key(key);
        if (present) Number(x);
        else Null();
    }
    // Number members in order, each a key and its value.
    struct NumberMember {
        const char* key;
        double value;
    };
    void Members(std::initializer_list<NumberMember> members) {
        for (const NumberMember& n : members) Member(n.key, n.value);
    }
    // Points 1..n of a 1-based table, each times scale.
    template <typename Table>
    void Numbers(const char* key, const Table& values, int n, double scale = 1.0) {
        Key(key);
        Open('[');
        for (int i = 1; i <= n; ++i) Number(values[i] * scale);
        Close(']');
    }
};

// ---- units --------------------------------------------------------------------------------

bool US() { return g_Model.IUNITS == k_Units_US; }
bool SI() { return g_Model.IUNITS == k_Units_SI; }

// The bending-stiffness tables of US customary runs are in kips: to pounds.
double Table_To_Run_Units() { return US() ? 1000.0 : 1.0; }

struct UnitLabel {
    const char* key;
    const char* us;
    const char* si;
    const char* general;
};
constexpr UnitLabel k_Unit_Labels[] = {
    {"depth", "in", "m", "L"},
    {"deflection", "in", "m", "L"},
    {"slope", "rad", "rad", "rad"},
    {"moment", "in-lb", "kN-m", "F-L"},
    {"shear", "lb", "kN", "F"},
    {"soil_reaction", "lb/in", "kN/m", "F/L"},
    {"soil_modulus", "lb/in^2", "kN/m^2", "F/L^2"},
    {"soil_spring", "lb/in", "kN/m", "F/L"},
    {"bending_stiffness", "lb-in^2", "kN-m^2", "F-L^2"},
    {"distributed_load", "lb/in", "kN/m", "F/L"},
    {"total_stress", "psi", "kPa", "F/L^2"},
    {"py_deflection", "in", "m", "L"},
    {"py_soil_resistance", "lb/in", "kN/m", "F/L"},
    {"pile_length", "in", "m", "L"},
    {"axial_thrust", "lb", "kN", "F"},
    {"force", "lb", "kN", "F"},
    {"curvature", "rad/in", "rad/m", "rad/L"},
    {"rotational_stiffness", "in-lb/rad", "kN-m/rad", "F-L/rad"},
    {"k22", "lb/in", "kN/m", "F/L"},
    {"k23", "lb/rad", "kN/rad", "F/rad"},
    {"k32", "in-lb/in", "kN-m/m", "F-L/L"},
    {"k33", "in-lb/rad", "kN-m/rad", "F-L/rad"},
};

void Write_Units(JsonText& j) {
    j.Key("units");
    j.Open('{');
    for (const UnitLabel& u : k_Unit_Labels) {
        j.Member_Text(u.key, US() ? u.us : SI() ? u.si : u.general);
    }
    j.Close('}');
}

const char* Unit_System_Name() {
    switch (g_Model.IUNITS) {
        case k_Units_US: return "US customary";
        case k_Units_SI: return "SI";
        case k_Units_General: return "general";
        default: return nullptr;
    }
}

// ---- texts --------------------------------------------------------------------------------

// A kept text line without surrounding blanks; empty for a line of blanks or a rule of dashes.
std::string Shown_Line(const char* line) {
    std::string t(line);
    const std::size_t first = t.find_first_not_of(' ');
    if (first == std::string::npos) return "";
    t = t.substr(first, t.find_last_not_of(' ') - first + 1);
    if (t.find_first_not_of('-') == std::string::npos) return "";
    return t;
}

bool Input_Error(int status) { return status > k_Status_Input_Base && status < k_Status_Runtime_Base; }
bool Runtime_Error(int status) {
    return status > k_Status_Runtime_Base && status < k_Status_Runtime_Base + 100;
}

bool Starts_With(const std::string& t, const char* word) { return t.rfind(word, 0) == 0; }

// Text lines joined by one blank, the runs of blanks that align the report's columns made one.
void Append_Joined(std::string& out, const std::string& line) {
    for (char c : line) {
        if (c == ' ' && (out.empty() || out.back() == ' ')) continue;
        out += c;
    }
    if (!out.empty() && out.back() != ' ') out += ' ';
}

}  // namespace

// The explanation of the ending error for its one-line outcome: the problem lines of its message
// (from "Problem:" to the empty line or "Solution:" that ends them, without the word "Problem:")
// and its solution lines, joined; for a message without a problem line, its first line after the
// heading. Empty when the error has no kept text.
std::string Error_Explanation() {
    const AnalysisModel& m = g_Model;
    std::vector<std::string> lines;
    for (int i = 1; i <= m.i_ErrorTextLines; ++i) {
        std::string t(m.ErrorText[i].data());
        const std::size_t first = t.find_first_not_of(' ');
        lines.push_back(first == std::string::npos ? std::string() : t.substr(first));
    }
    std::string text;
    std::size_t i = 0;
    while (i < lines.size() && !Starts_With(lines[i], "Problem:") && !Starts_With(lines[i], "PROBLEM:")) ++i;
    if (i < lines.size()) {
        Append_Joined(text, lines[i].substr(std::strlen("Problem:")));
        for (++i; i < lines.size() && !lines[i].empty() && !Starts_With(lines[i], "Solution"); ++i) {
            Append_Joined(text, lines[i]);
        }
        while (i < lines.size() && !Starts_With(lines[i], "Solution")) ++i;
        for (bool first = true; i < lines.size() && (first || !lines[i].empty()); ++i, first = false) {
            Append_Joined(text, lines[i]);
        }
    } else {
        for (const std::string& l : lines) {
            if (l.empty() || l[0] == '*' || Shown_Line(l.c_str()).empty()) continue;
            Append_Joined(text, l);
            break;
        }
    }
    while (!text.empty() && text.back() == ' ') text.pop_back();
    return text;
}

namespace {

// The members of one error before its text: kind, number (N of Input Data or Runtime Error No. N,
// else the status), input line and whether the reader refused that line (rather than a check of
// the problem after the reading); the caller writes the text and closes the object.
void Open_Error(JsonText& j, int status, int line, bool while_reading) {
    const bool input = Input_Error(status);
    const bool runtime = Runtime_Error(status);
    j.Open_Element('{');
    j.Member_Text("kind", input ? "input" : runtime ? "runtime" : "engine status");
    j.Member_Int("number", input || runtime ? status % 100 : status);
    j.Key("line");
    if (line > 0) j.Integer(line);
    else j.Null();
    j.Member_Bool("while_reading", while_reading);
    j.Key("text");
    j.Open('[');
}

void Write_Error(JsonText& j) {
    const AnalysisModel& m = g_Model;
    j.Key("errors");
    j.Open('[');
    if (m.ErrorStatus != 0) {
        Open_Error(j, m.ErrorStatus, m.i_ErrorInputLine, m.b_ErrorWhileReading != 0);
        for (int i = 1; i <= m.i_ErrorTextLines; ++i) {
            const std::string t = Shown_Line(m.ErrorText[i].data());
            if (!t.empty()) j.String(t.c_str());
        }
        j.Close(']');
        j.Close('}');
    }
    // the further errors a check of the input found, each with its explanation
    for (int e = 1; e <= m.i_NumFurtherErrors && e <= k_Max_Further_Errors; ++e) {
        Open_Error(j, m.i_FurtherErrorStatus[e], m.i_FurtherErrorLine[e], false);
        j.String(m.FurtherErrorText[e].data());
        j.Close(']');
        j.Close('}');
    }
    j.Close(']');
}

void Write_Warnings(JsonText& j) {
    const AnalysisModel& m = g_Model;
    j.Key("warnings");
    j.Open('[');
    for (int k = 1; k <= k_Max_Warning_Number; ++k) {
        if (m.WarningLog[k] == 0) continue;
        j.Open_Element('{');
        j.Member_Int("number", k);
        j.Member_Int("count", m.WarningLog[k]);
        j.Key("text");
        j.Open('[');
        const char* lines[k_Max_Warning_Text_Lines];
        const int n = Warning_Text_Lines(k, lines);
        for (int i = 0; i < n; ++i) {
            const std::string t = Shown_Line(lines[i]);
            if (!t.empty()) j.String(t.c_str());
        }
        j.Close(']');
        j.Close('}');
    }
    j.Close(']');
}

void Write_Title(JsonText& j) {
    const AnalysisModel& m = g_Model;
    int last = 0;
    for (int i = 1; i <= k_Num_Title_Lines; ++i) {
        if (!Shown_Line(m.TitleLine[i].data()).empty()) last = i;
    }
    j.Key("title");
    j.Open('[');
    for (int i = 1; i <= last; ++i) {
        std::string t(m.TitleLine[i].data());
        while (!t.empty() && t.back() == ' ') t.pop_back();
        j.String(t.c_str());
    }
    j.Close(']');
}

// ---- load cases ---------------------------------------------------------------------------

const char* Head_Description(int type) {
    switch (type) {
        case 1: return "Shear and Moment";
        case 2: return "Shear and Pile-head Rotation";
        case 3: return "Shear and Rotational Stiffness";
        case 4: return "Displacement and Moment";
        case 5: return "Displacement and Pile-head Rotation";
        default: return "";
    }
}

// The two head values of a load type by the quantity each one is.
struct HeadKeys {
    const char* first;
    const char* second;
};
HeadKeys Head_Keys(int type) {
    switch (type) {
        case 1: return {"shear", "moment"};
        case 2: return {"shear", "slope"};
        case 3: return {"shear", "rotational_stiffness"};
        case 4: return {"deflection", "moment"};
        case 5: return {"deflection", "slope"};
        default: return {nullptr, nullptr};
    }
}

const char* Case_Status(int outcome) {
    switch (outcome) {
        case k_Case_Converged: return "converged";
        case k_Case_Not_Converged: return "not converged";
        case k_Case_Failed: return "failed";
        default: return "not reached";
    }
}

// Load type names of the LRFD factors, 1..13.
constexpr const char* k_Lrfd_Factor_Names[k_Num_Lrfd_Load_Types + 1] = {
    "",         "dead",         "live",      "earthquake", "impact", "wind",   "water",
    "ice",      "horizontal_soil", "live_roof", "rain",     "snow",   "temperature", "special"};

void Write_Lrfd_Combination(JsonText& j, int c) {
    const AnalysisModel& m = g_Model;
    if (!j.Open_Member_Or_Null("lrfd_combination", m.b_UseLRFD != 0, '{')) return;
    std::string name(m.LrfdCombinationName[c].data());
    while (!name.empty() && name.back() == ' ') name.pop_back();
    j.Member_Text("name", name.c_str());
    j.Key("factors");
    j.Open('{');
    for (int t = 1; t <= k_Num_Lrfd_Load_Types; ++t) j.Member(k_Lrfd_Factor_Names[t], m.LrfdFactor[t][c]);
    j.Close('}');
    j.Member("resistance_factor_moment", m.PhiM[c]);
    j.Member("resistance_factor_shear", m.PhiV[c]);
    j.Key("factored_loads");
    j.Open('{');
    j.Members({{"horizontal", m.rd_LrfdHorizontal[c]}, {"vertical", m.rd_LrfdVertical[c]},
               {"shear", m.rd_LrfdShear[c]}, {"moment", m.rd_LrfdMoment[c]},
               {"axial_thrust", m.rd_LrfdThrust[c]}});
    j.Close('}');
    j.Close('}');
}

void Write_Head_Conditions(JsonText& j, int lc) {
    const AnalysisModel& m = g_Model;
    const int type = m.i_CaseHeadType[lc];
    j.Key("head_conditions");
    j.Open('{');
    j.Key("load_type");
    if (type >= 1 && type <= 5) j.Integer(type);
    else j.Null();
    j.Member_Text("description", Head_Description(type));
    const HeadKeys keys = Head_Keys(type);
    if (keys.first != nullptr) {
        j.Member(keys.first, m.rd_CaseHeadValue1[lc]);
        j.Member(keys.second, m.rd_CaseHeadValue2[lc]);
    }
    j.Member("axial_thrust", m.rd_CaseAxialThrust[lc]);
    j.Close('}');
}

constexpr const char* k_Node_Column_Names[k_Num_Node_Columns] = {
    "depth",         "deflection",  "slope",       "moment",
    "shear",         "soil_reaction", "soil_modulus", "soil_spring",
    "bending_stiffness", "distributed_load", "total_stress"};

void Write_Nodes(JsonText& j, int lc) {
    const AnalysisModel& m = g_Model;
    const int n = m.i_CaseNodeCount[lc];
    if (!j.Open_Member_Or_Null("nodes", n > 0, '{')) return;
    for (int c = 0; c < k_Num_Node_Columns; ++c) j.Numbers(k_Node_Column_Names[c], m.rd_CaseNodeTable[lc][c], n);
    j.Close('}');
}

bool Has_Results(int lc) { return g_Model.i_CaseNodeCount[lc] > 0; }

void Write_Output_Summary(JsonText& j, int lc) {
    const AnalysisModel& m = g_Model;
    if (!j.Open_Member_Or_Null("output_summary", Has_Results(lc), '{')) return;
    j.Members({{"head_deflection", m.rd_CaseHeadDeflection[lc]},
               {"head_slope", m.rd_CaseHeadSlope[lc]}, {"head_shear", m.rd_CaseHeadShear[lc]}, {"head_moment", m.rd_CaseHeadMoment[lc]},
               {"max_moment", m.rd_CaseMaxMoment[lc]},
               {"depth_of_max_moment", m.rd_CaseXMaxMoment[lc]},
               {"max_shear", m.rd_CaseMaxShear[lc]},
               {"depth_of_max_shear", m.rd_CaseXMaxShear[lc]}});
    j.Member_Int("zero_deflection_points", m.i_CaseZeroDeflectionPoints[lc]);
    j.Close('}');
}

// The structural state of a case with results: the largest ratio of moment to nominal moment
// capacity and its section (null without a section that has a capacity), and the depth ranges
// where the moment exceeds the capacity and where the curvature ran past the moment-curvature
// table (null where neither happened).
void Write_Structural_State(JsonText& j, int lc) {
    const AnalysisModel& m = g_Model;
    if (!j.Open_Member_Or_Null("structural_state", Has_Results(lc), '{')) return;
    const bool capacity = m.i_CaseRatioSection[lc] != 0;
    j.Member_Or_Null("moment_capacity_ratio", capacity, m.rd_CaseMomentRatio[lc]);
    j.Key("section");
    if (capacity) j.Integer(m.i_CaseRatioSection[lc]);
    else j.Null();
    const struct {
        const char* key;
        int flag;
        double top, bottom;
    } ranges[] = {{"over_capacity_depths", m.b_CaseOverCapacity[lc], m.rd_CaseOverCapacityTop[lc],
                   m.rd_CaseOverCapacityBottom[lc]},
                  {"beyond_curve_depths", m.b_CaseBeyondCurve[lc], m.rd_CaseBeyondTop[lc], m.rd_CaseBeyondBottom[lc]}};
    for (const auto& r : ranges) {
        j.Key(r.key);
        if (r.flag == 0) {
            j.Null();
            continue;
        }
        j.Open('[');
        j.Number(r.top);
        j.Number(r.bottom);
        j.Close(']');
    }
    j.Close('}');
}

void Write_Length_Study(JsonText& j, int lc) {
    const AnalysisModel& m = g_Model;
    j.Key("length_study");
    j.Open('[');
    for (int p = 1; p <= m.i_LengthStudyPoints[lc] && p <= k_Max_Length_Trials; ++p) {
        j.Open_Element('{');
        j.Members({{"pile_length", m.rd_StudyPileLength[p][lc]},
                   {"head_deflection", m.rd_StudyHeadDeflection[p][lc]},
                   {"max_moment", m.rd_StudyMaxMoment[p][lc]},
                   {"max_shear", m.rd_StudyMaxShear[p][lc]}});
        j.Close('}');
    }
    j.Close(']');
}

void Write_Load_Case(JsonText& j, int lc, bool without_nodes) {
    const AnalysisModel& m = g_Model;
    const int outcome = m.i_CaseOutcome[lc];
    j.Open_Element('{');
    j.Member_Int("number", lc);
    j.Member_Text("status", Case_Status(outcome));
    j.Member_Bool("converged", outcome == k_Case_Converged);
    j.Key("iterations");
    if (outcome == k_Case_Not_Reached) j.Null();
    else j.Integer(m.i_CaseIterations[lc]);
    Write_Lrfd_Combination(j, lc);
    if (outcome == k_Case_Not_Reached) j.Member_Null("head_conditions");
    else Write_Head_Conditions(j, lc);
    if (!without_nodes) Write_Nodes(j, lc);
    Write_Output_Summary(j, lc);
    Write_Structural_State(j, lc);
    Write_Length_Study(j, lc);
    j.Close('}');
}

// ---- tables after the cases ---------------------------------------------------------------

void Write_Summary(JsonText& j, int cases) {
    const AnalysisModel& m = g_Model;
    j.Key("summary");
    j.Open('[');
    for (int lc = 1; lc <= cases; ++lc) {
        if (!Has_Results(lc)) continue;
        j.Open_Element('{');
        j.Member_Int("load_case", lc);
        j.Members({{"head_shear", m.rd_CaseHeadShear[lc]},
                   {"head_deflection", m.rd_CaseHeadDeflection[lc]}, {"max_moment", m.rd_CaseMaxMoment[lc]}, {"max_shear", m.rd_CaseMaxShear[lc]},
                   {"head_rotation", m.rd_CaseHeadSlope[lc]}});
        j.Member_Or_Null("moment_capacity_ratio", m.i_CaseRatioSection[lc] != 0,
                         m.rd_CaseMomentRatio[lc]);
        j.Close('}');
    }
    j.Close(']');
}

// Names of the p-y criteria of the printed curves, by curve kind.
constexpr const char* k_PY_Curve_Soils[k_Num_PY_Curve_Kinds + 1] = {
    "",
    "soft clay",
    "soft clay with J",
    "stiff clay with free water, static",
    "stiff clay with free water, cyclic",
    "stiff clay without free water",
    "stiff clay without free water, with initial k",
    "sand",
    "API sand",
    "liquefied sand",
    "elastic subgrade",
    "user-input p-y curve",
    "cemented silt",
    "cemented silt",
    "Piedmont residual soil",
    "loess",
    "weak rock",
    "vuggy limestone",
};

void Write_PY_Curves(JsonText& j) {
    const AnalysisModel& m = g_Model;
    j.Key("py_curves");
    j.Open('[');
    for (int c = 1; c <= m.i_NumKeptPYCurves; ++c) {
        const int kind = m.i_KeptPYCurveKind[c];
        j.Open_Element('{');
        j.Member_Int("number", m.i_KeptPYCurveNumber[c]);
        j.Member("depth", m.rd_KeptPYCurveDepth[c]);
        j.Member_Text("soil", kind >= 1 && kind <= k_Num_PY_Curve_Kinds ? k_PY_Curve_Soils[kind] : "");
        j.Numbers("y", m.rd_KeptPY_y[c], m.i_KeptPYCurvePoints[c]);
        j.Numbers("p", m.rd_KeptPY_p[c], m.i_KeptPYCurvePoints[c]);
        j.Close('}');
    }
    j.Close(']');
}

const char* Table_Kind(int s) {
    switch (g_Model.SectionType[s]) {
        case k_Section_Elastic: return "elastic";
        case k_Section_Elastic_Plastic: return "elastic-plastic";
        case k_Section_User_EI: return "input M-EI";
        default: return "nonlinear";
    }
}

void Write_Moment_Curvature(JsonText& j) {
    const AnalysisModel& m = g_Model;
    const double scale = Table_To_Run_Units();
    j.Key("moment_curvature");
    j.Open('[');
    for (int s = 1; s <= m.NumSections && s <= k_Max_Sections; ++s) {
        if (m.b_SectionTablesKept[s] == 0) continue;
        for (int t = 1; t <= m.i_SectionThrusts[s] && t <= k_Max_EI_Thrusts; ++t) {
            const int n = m.i_TablePoints[s][t];
            j.Open_Element('{');
            j.Member_Int("section", s);
            j.Member_Int("thrust_index", t);
            j.Member_Text("kind", Table_Kind(s));
            j.Member("axial_thrust", m.rd_SectionThrust[s][t] * scale);
            // an elastic section never yields: the last moment of its table is no capacity
            j.Member_Or_Null("nominal_moment_capacity", m.SectionType[s] != k_Section_Elastic,
                             m.rd_TableNominalCap[s][t]);
            j.Numbers("moment", m.rd_TableMoment[s][t], n, scale);
            j.Numbers("bending_stiffness", m.rd_TableEI[s][t], n, scale);
            j.Numbers("curvature", m.rd_TableCurvature[s][t], n);
            j.Close('}');
        }
    }
    j.Close(']');
}

// The structural capacities of the sections that have them (reinforced concrete and steel pipe
// models): nominal axial capacities and cracking load, and per thrust of the section's tables
// the nominal moment capacity and the factored capacities of each resistance factor (none for a
// pipe, whose capacity is its plastic moment).
void Write_Section_Capacities(JsonText& j) {
    const AnalysisModel& m = g_Model;
    const double scale = Table_To_Run_Units();
    j.Key("section_capacities");
    j.Open('[');
    for (int s = 1; s <= m.NumSections && s <= k_Max_Sections; ++s) {
        if (m.b_SectionCapacitiesKept[s] == 0 || m.b_SectionTablesKept[s] == 0) continue;
        j.Open_Element('{');
        j.Member_Int("section", s);
        j.Members({{"axial_compression", m.rd_SectionAxialCapComp[s] * scale},
                   {"axial_tension", m.rd_SectionAxialCapTens[s] * scale},
                   {"cracking_load", m.rd_SectionCrackingLoad[s] * scale}});
        j.Key("thrusts");
        j.Open('[');
        for (int t = 1; t <= m.i_SectionThrusts[s] && t <= k_Max_EI_Thrusts; ++t) {
            j.Open_Element('{');
            j.Member_Int("thrust_index", t);
            j.Members({{"axial_thrust", m.rd_SectionThrust[s][t] * scale},
                       {"nominal_moment", m.rd_SectionNominalMoment[s][t] * scale},
                       {"strain_at_nominal_moment", m.rd_SectionStrainAtCap[s][t]}});
            j.Key("factored");
            j.Open('[');
            for (int f = 1; f <= k_Num_Resistance_Factors && m.SectionType[s] != k_Section_Pipe; ++f) {
                j.Open_Element('{');
                j.Members({{"resistance_factor", k_Resistance_Factors[static_cast<std::size_t>(f)]},
                           {"axial_thrust", m.rd_SectionFactoredThrust[s][t][f] * scale},
                           {"moment", m.rd_SectionFactoredMoment[s][t][f] * scale},
                           {"bending_stiffness", m.rd_SectionFactoredEI[s][t][f] * scale}});
                j.Close('}');
            }
            j.Close(']');
            j.Close('}');
        }
        j.Close(']');
        j.Close('}');
    }
    j.Close(']');
}

void Write_Lrfd_Performance(JsonText& j) {
    const AnalysisModel& m = g_Model;
    const bool kept = m.b_UseLRFD != 0 && m.b_LrfdPerformanceKept != 0;
    if (!j.Open_Member_Or_Null("lrfd_performance", kept, '[')) return;
    for (int c = 1; c <= m.NumLrfdCombinations && c <= k_Max_Lrfd_Combinations; ++c) {
        for (int s = 1; s <= m.NumSections && s <= k_Max_Sections; ++s) {
            const LrfdPerformance p = Lrfd_Performance_Of(c, s);
            j.Open_Element('{');
            j.Member_Int("combination", c);
            j.Member_Int("section", s);
            j.Member("resistance_factor", m.PhiM[c]);
            j.Member_Or_Null("factored_moment_capacity", p.has_capacity, p.capacity);
            j.Member("max_moment", p.max_moment);
            j.Member_Or_Null("moment_fraction", p.has_fraction, p.fraction);
            j.Key("passed");
            if (p.has_capacity) j.Boolean(!p.failed);
            else j.Null();
            j.Member("max_shear", p.max_shear);
            j.Member("head_deflection", m.rd_CaseHeadDeflection[c]);
            j.Member("head_rotation", m.rd_CaseHeadSlope[c]);
            j.Close('}');
        }
    }
    j.Close(']');
}

void Write_Stiffness_Matrix(JsonText& j) {
    const AnalysisModel& m = g_Model;
    if (!j.Open_Member_Or_Null("stiffness_matrix", m.b_StiffnessMatrixKept != 0, '[')) return;
    for (int i = 1; i <= k_Num_Stiffness_Rows; ++i) {
        const int moment_case = k_Num_Stiffness_Rows + i;
        j.Open_Element('{');
        j.Members({{"shear", m.rd_StiffnessHeadShear[i]},
                   {"moment", m.rd_StiffnessHeadMoment[moment_case]}, {"k22", m.rd_K22[i]},
                   {"k23", m.rd_K23[i]}, {"k32", m.rd_K32[i]}, {"k33", m.rd_K33[i]},
                   {"head_deflection", m.rd_StiffnessHeadDeflection[i]},
                   {"head_rotation", m.rd_StiffnessHeadSlope[moment_case]}});
        j.Close('}');
    }
    j.Close(']');
}

// Something was computed: a section's tables or a case that was reached.
bool Anything_Computed(int cases) {
    const AnalysisModel& m = g_Model;
    for (int s = 1; s <= m.NumSections && s <= k_Max_Sections; ++s) {
        if (m.b_SectionTablesKept[s] != 0) return true;
    }
    for (int lc = 1; lc <= cases; ++lc) {
        if (m.i_CaseOutcome[lc] != k_Case_Not_Reached) return true;
    }
    return false;
}

void Write_Results(JsonText& j, bool without_nodes) {
    const AnalysisModel& m = g_Model;
    // a bending-stiffness-only run analyses no case
    const int cases = Kept_Case_Count();
    if (!j.Open_Member_Or_Null("results", Anything_Computed(cases), '{')) return;
    j.Member_Int("node_count", m.NumNodes);
    j.Key("load_cases");
    j.Open('[');
    for (int lc = 1; lc <= cases; ++lc) Write_Load_Case(j, lc, without_nodes);
    j.Close(']');
    j.Key("failed_case");
    int failed = 0;
    for (int lc = 1; lc <= cases; ++lc) {
        if (m.i_CaseOutcome[lc] == k_Case_Failed || m.i_CaseOutcome[lc] == k_Case_Not_Converged) failed = lc;
    }
    if (failed != 0) j.Integer(failed);
    else j.Null();
    Write_Summary(j, cases);
    Write_PY_Curves(j);
    Write_Moment_Curvature(j);
    Write_Section_Capacities(j);
    Write_Lrfd_Performance(j);
    Write_Stiffness_Matrix(j);
    j.Close('}');
}

// The input's depths are known once converted: US customary runs read them in feet.
bool Depths_Known() { return g_Model.IUNITS != 0 && (!US() || g_Model.b_USCustomaryConverted != 0); }

const char* Section_Type_Name(int type) {
    switch (type) {
        case k_Section_Rectangular: return "rectangular concrete pile";
        case k_Section_Shaft: return "drilled shaft";
        case k_Section_Cased: return "drilled shaft with permanent casing";
        case k_Section_Cased_Core: return "drilled shaft with casing and core";
        case k_Section_Pipe: return "steel pipe";
        case k_Section_Circular_Solid: return "circular solid prestressed pile";
        case k_Section_Circular_Hollow: return "circular hollow prestressed pile";
        case k_Section_Square_Solid: return "square solid prestressed pile";
        case k_Section_Square_Hollow: return "square hollow prestressed pile";
        case k_Section_Octagonal_Solid: return "octagonal solid prestressed pile";
        case k_Section_Octagonal_Hollow: return "octagonal hollow prestressed pile";
        case k_Section_Elastic: return "elastic";
        case k_Section_Elastic_Plastic: return "elastic-plastic";
        case k_Section_User_EI: return "input M-EI";
        case k_Section_Micropile: return "micropile";
        default: return "";
    }
}

// The soil layers: number, soil type code and long name, top and bottom depth below the pile
// head (the top as analysed, from the ground surface or the layer above, once the run has derived
// it; as read before); null before the input's depths are known.
void Write_Soil_Layers(JsonText& j) {
    const AnalysisModel& m = g_Model;
    if (!j.Open_Member_Or_Null("soil_layers", Depths_Known(), '[')) return;
    for (int L = 1; L <= m.i_Number_of_Layers && L <= k_Max_Layers; ++L) {
        const int type = m.i_SoilLayer_py_Type[L];
        const bool known = type >= 1 && type <= k_Num_Soil_Types;
        j.Open_Element('{');
        j.Member_Int("layer", L);
        j.Member_Int("soil_type", type);
        j.Member_Text("soil", known ? m.SoilTypeName[type].data() : "");
        j.Member("top", m.b_RunValuesDerived != 0 ? m.rd_LayerTop[L] : m.XLayerTop[L]);
        j.Member("bottom", m.XLayerBottom[L]);
        j.Close('}');
    }
    j.Close(']');
}

// The pile sections as read: number, section type and its name, top and bottom depth below the
// pile head, and the diameter (or width) the p-y curves take; null before the depths are known.
void Write_Pile_Sections(JsonText& j) {
    const AnalysisModel& m = g_Model;
    if (!j.Open_Member_Or_Null("pile_sections", Depths_Known(), '[')) return;
    for (int s = 1; s <= m.NumSections && s <= k_Max_Sections; ++s) {
        j.Open_Element('{');
        j.Member_Int("section", s);
        j.Member_Int("section_type", m.SectionType[s]);
        j.Member_Text("kind", Section_Type_Name(m.SectionType[s]));
        j.Member("top", m.XSectionTop[s]);
        j.Member("bottom", m.XSectionBottom[s]);
        // elastic sections give their outside dimension in the section property table only
        const int top_point = 2 * s - 1;
        const double d = m.SectionDiameter[s] > 0.0 || top_point > k_Max_Section_Points ? m.SectionDiameter[s]
                                                                                        : m.SectionPointD[top_point];
        j.Member("diameter", d);
        j.Close('}');
    }
    j.Close(']');
}

const char* Analysis_Type_Name() {
    switch (g_Model.i_Analysis_Type) {
        case 2: return "bending stiffness only";
        case 3: return "conventional";
        default: return nullptr;
    }
}

// The input data file's name without its folder.
std::string Input_Name() {
    const char* path = g_Model.InputFileName.data();
    const char* slash = std::strrchr(path, '/');
    std::string name(slash != nullptr ? slash + 1 : path);
    while (!name.empty() && name.back() == ' ') name.pop_back();
    return name;
}

}  // namespace

const char* const k_Version_Text = "orvane 0.1 results 2 check 1";

int Kept_Case_Count() {
    const int counted = g_Model.i_Analysis_Type == 2 ? 0 : Analysed_Case_Count();
    return counted <= k_Max_Load_Cases ? counted : k_Max_Load_Cases;
}

int Copy_Node_Column(int lc, int column, double* values, int capacity) {
    const AnalysisModel& m = g_Model;
    if (lc < 1 || lc > Kept_Case_Count() || column < 0 || column >= k_Num_Node_Columns) return -1;
    const int n = m.i_CaseNodeCount[lc];
    for (int k = 1; k <= n && k <= capacity && values != nullptr; ++k) values[k - 1] = m.rd_CaseNodeTable[lc][column][k];
    return n;
}

namespace {

// How an error ends a run, or a check of the input.
const char* Error_Ending() {
    return g_Model.b_CheckOnly != 0 ? "The problem would be refused with" : "The analysis ended due to";
}

}  // namespace

std::string Outcome_Text() {
    const int result = Result_Code();
    const int status = g_Model.ErrorStatus;
    char text[200];
    if (g_Model.b_CheckOnly != 0 && result <= 0) {
        std::snprintf(text, sizeof text, "The input was checked: the problem would be analysed.");
    } else if (result == 0) {
        std::snprintf(text, sizeof text, "The analysis ended normally.");
    } else if (result < 0) {
        const int kinds = Count_Warning_Numbers();
        std::snprintf(text, sizeof text, "The analysis ended normally with %d warning kind%s.", kinds,
                      kinds == 1 ? "" : "s");
    } else if (Input_Error(status)) {
        std::snprintf(text, sizeof text, "%s input error No. %d.", Error_Ending(), status % 100);
    } else if (Runtime_Error(status)) {
        std::snprintf(text, sizeof text, "%s runtime error No. %d.", Error_Ending(), status % 100);
    } else if (status == ORVANE_RESULT_MASSIVE_ROCK) {
        std::snprintf(text, sizeof text,
                      "The analysis stopped at a massive rock layer, whose criterion computes no p-y "
                      "curve (engine status %d).",
                      status);
    } else {
        std::snprintf(text, sizeof text, "The analysis ended with engine status %d.", status);
    }
    std::string outcome = text;
    if (result > 0) {
        const std::string why = Error_Explanation();
        if (!why.empty()) outcome += " " + why;
        const int further = g_Model.i_NumFurtherErrors;
        if (further > 0) outcome += " (and " + std::to_string(further) + " more error" + (further == 1 ? "" : "s") + ")";
    }
    return outcome;
}

std::string Results_Document(bool without_nodes) {
    const AnalysisModel& m = g_Model;
    JsonText j;
    j.text.reserve(4096 + static_cast<std::size_t>(Analysed_Case_Count()) * 12 * 24 * static_cast<std::size_t>(m.NumNodes));
    j.Open('{');
    j.Member_Text("format", "orvane-results");
    j.Member_Int("format_version", k_Results_Format_Version);
    j.Member_Text("input", Input_Name().c_str());
    Write_Title(j);
    j.Key("outcome");
    j.Open('{');
    j.Member_Int("result_code", Result_Code());
    j.Member_Text("text", Outcome_Text().c_str());
    j.Close('}');
    j.Key("analysis_type");
    if (Analysis_Type_Name() != nullptr) j.String(Analysis_Type_Name());
    else j.Null();
    j.Key("unit_system");
    if (Unit_System_Name() != nullptr) j.String(Unit_System_Name());
    else j.Null();
    Write_Units(j);
    // the ground surface is read in feet in US customary runs: known in inches once converted
    j.Member_Or_Null("ground_surface_depth", Depths_Known(), m.XGroundSurface);
    Write_Soil_Layers(j);
    Write_Pile_Sections(j);
    Write_Error(j);
    Write_Warnings(j);
    Write_Results(j, without_nodes);
    j.Close('}');
    j.text += '\n';
    return j.text;
}

std::string Check_Document() {
    JsonText j;
    j.Open('{');
    j.Member_Text("format", "orvane-check");
    j.Member_Int("format_version", k_Check_Format_Version);
    j.Member_Text("input", Input_Name().c_str());
    j.Member_Bool("accepted", Result_Code() <= 0);
    j.Key("outcome");
    j.Open('{');
    j.Member_Int("result_code", Result_Code());
    j.Member_Text("text", Outcome_Text().c_str());
    j.Close('}');
    j.Key("unit_system");
    if (Unit_System_Name() != nullptr) j.String(Unit_System_Name());
    else j.Null();
    Write_Error(j);
    Write_Warnings(j);
    j.Close('}');
    j.text += '\n';
    return j.text;
}
