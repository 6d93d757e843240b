// Echo of the soil layers. Every layer is written from the same pieces: its line naming the
// criterion, the two depths and unit weights, then the property stems of its soil type, each at
// the top and at the bottom of the layer. Values are shown as input: depths in feet or meters,
// strengths in psf (psi for rock) or kPa, unit weights in pcf or kN/m3.
#include "input/echo_soil.h"

#include "engine/errors.h"
#include "input/echo_lines.h"
#include "model/capacities.h"
#include "model/model.h"
#include "model/soil_types.h"
#include "model/units.h"
#include "report/number_writer.h"

namespace {

constexpr double k_Liquefied_Depth_Limit_ft = 19.685039520263672;   // 6 m in feet, single precision
constexpr double k_Liquefied_Depth_Limit_m = 6.0;
constexpr int k_Warning_Liquefied_Depth = -354;

using PointColumn = std::array<double, k_Max_Soil_Points + 1> AnalysisModel::*;

enum class Unit { None, StressLarge, Stress, Subgrade, Degrees, Percent, Blows };

// One property written at the top and at the bottom of a layer; a null column is the layer's
// subgrade modulus pair LayerKTop / LayerKBottom.
struct Stem {
    const char* label;
    PointColumn column;
    Unit unit;
};

constexpr Stem k_Cohesion = {"   Undrained cohesion", &AnalysisModel::StrengthAtPoint, Unit::StressLarge};
constexpr Stem k_Epsilon50 = {"   Epsilon-50", &AnalysisModel::Epsilon50AtPoint, Unit::None};
constexpr Stem k_J = {"   p-y J factor", &AnalysisModel::JAtPoint, Unit::None};
constexpr Stem k_Subgrade_K = {"   Subgrade k", nullptr, Unit::Subgrade};
constexpr Stem k_Friction = {"   Friction angle", &AnalysisModel::FrictionAngleAtPoint, Unit::Degrees};
constexpr Stem k_Rock_Strength = {"   Uniaxial compressive strength", &AnalysisModel::StrengthAtPoint,
                                  Unit::Stress};
constexpr Stem k_Rock_Modulus = {"   Initial modulus of rock", nullptr, Unit::Stress};
constexpr Stem k_RQD = {"   RQD of rock", &AnalysisModel::RQDAtPoint, Unit::Percent};
constexpr Stem k_Krm = {"   k rm of rock", &AnalysisModel::Epsilon50AtPoint, Unit::None};
constexpr Stem k_Loess_Cone = {"   Cone tip resistance", &AnalysisModel::ConeTipResistanceAtPoint,
                               Unit::Stress};
constexpr Stem k_Elastic_Subgrade = {"   Elastic subgrade", &AnalysisModel::ElasticSubgradeAtPoint,
                                     Unit::Subgrade};
constexpr Stem k_SPT = {"   SPT N60", &AnalysisModel::SPTN60AtPoint, Unit::Blows};
// The Piedmont test values are used as entered, and the criterion's factors turn a value in
// lb/in2 into a modulus in lb/in2: the labels say psi (kPa), the units the numbers are read in.
constexpr Stem k_Piedmont_Cone = {"   Cone tip resistance", &AnalysisModel::ConeTipResistanceAtPoint,
                                  Unit::Stress};
constexpr Stem k_Dilatometer = {"   Dilatometer modulus", &AnalysisModel::DilatometerModulusAtPoint,
                                Unit::Stress};
constexpr Stem k_Pressuremeter = {"   Pressuremeter modulus",
                                  &AnalysisModel::PressuremeterModulusAtPoint, Unit::Stress};

// Which default note follows the property lines.
enum class Note { None, Epsilon50, SubgradeK, SubgradeKCemSilt };

struct LayerKind {
    const char* text;          // after "Layer " L
    Stem stems[4];
    int num_stems;
    Note notes[2];
};

// By soil type number 1..17.
const LayerKind k_Layer_Kinds[k_Soil_FrzSoil + 1] = {
    {"", {}, 0, {Note::None, Note::None}},
    {" is soft clay, p-y criteria by Matlock, 1970", {k_Cohesion, k_Epsilon50}, 2,
     {Note::Epsilon50, Note::None}},
    {" is stiff clay with water-induced erosion", {k_Cohesion, k_Epsilon50, k_Subgrade_K}, 3,
     {Note::Epsilon50, Note::SubgradeK}},
    {" is stiff clay without free water", {k_Cohesion, k_Epsilon50}, 2,
     {Note::Epsilon50, Note::None}},
    {" is stiff clay with water-induced erosion", {k_Cohesion, k_Epsilon50, k_Subgrade_K}, 3,
     {Note::Epsilon50, Note::SubgradeK}},
    {" is sand, p-y criteria by Reese et al., 1974", {k_Friction, k_Subgrade_K}, 2,
     {Note::SubgradeK, Note::None}},
    {" is sand, p-y criteria by API RP-2A, 1987", {k_Friction, k_Subgrade_K}, 2,
     {Note::SubgradeK, Note::None}},
    {" is liquefiable sand, by Rollins et al., 2004", {}, 0, {Note::None, Note::None}},
    {" is weak rock, p-y criteria by Reese, 1997", {k_Rock_Strength, k_Rock_Modulus, k_RQD, k_Krm},
     4, {Note::None, Note::None}},
    {" is strong rock (vuggy limestone)", {k_Rock_Strength}, 1, {Note::None, Note::None}},
    {" is Piedmont residual soil", {}, 0, {Note::None, Note::None}},
    {" is cemented silt with cohesion and friction",
     {k_Cohesion, k_Friction, k_Epsilon50, k_Subgrade_K}, 4, {Note::SubgradeKCemSilt, Note::None}},
    {" is loess silt", {k_Loess_Cone}, 1, {Note::None, Note::None}},
    {" is modelled using an elastic subgrade modulus", {k_Elastic_Subgrade}, 1,
     {Note::None, Note::None}},
    {" is modelled using user-specified p-y curves", {}, 0, {Note::None, Note::None}},
    {" is soft clay with user-defined J, p-y criteria by Matlock, 1970",
     {k_Cohesion, k_Epsilon50, k_J}, 3, {Note::Epsilon50, Note::None}},
    {" is massive rock, p-y criteria by Liang et al., 2009", {}, 0, {Note::None, Note::None}},
    {" is frozen soil", {}, 0, {Note::None, Note::None}},
};

const char* Unit_Text(Unit unit) {
    const AnalysisModel& m = g_Model;
    switch (unit) {
        case Unit::StressLarge: return m.LabelStressLarge;
        case Unit::Stress: return m.LabelStress;
        case Unit::Subgrade: return m.LabelSubgradeModulus;
        case Unit::Degrees: return "deg.";
        case Unit::Percent: return "%";
        case Unit::Blows: return m.IUNITS == k_Units_SI ? "blows/0.3 m" : "blows/ft";
        case Unit::None: break;
    }
    return "";
}

void Write_Labelled_Pair(const char* stem, double top, double bottom, const char* unit) {
    FortranRecord label;
    Start_Record(label);
    Append_Text(label, stem);
    Append_Text(label, " at top of layer");
    Write_Number_Line(label.text.data(), top, unit);
    Start_Record(label);
    Append_Text(label, stem);
    Append_Text(label, " at bottom of layer");
    Write_Number_Line(label.text.data(), bottom, unit);
}

void Write_Stem(int L, const Stem& stem) {
    const AnalysisModel& m = g_Model;
    const double top = stem.column != nullptr ? (m.*stem.column)[2 * L - 1] : m.LayerKTop[L];
    const double bottom = stem.column != nullptr ? (m.*stem.column)[2 * L] : m.LayerKBottom[L];
    Write_Labelled_Pair(stem.label, top, bottom, Unit_Text(stem.unit));
}

void Write_Note(int L, Note note) {
    const AnalysisModel& m = g_Model;
    switch (note) {
        case Note::None:
            return;
        case Note::Epsilon50:
            if (m.Epsilon50AtPoint[2 * L - 1] != 0.0 || m.Epsilon50AtPoint[2 * L] != 0.0) return;
            WriteLine("   NOTE: Internal default values for Epsilon-50 will be computed for");
            break;
        case Note::SubgradeK:
            if (m.LayerKTop[L] != 0.0 || m.LayerKBottom[L] != 0.0) return;
            WriteLine("   NOTE: Internal default values for subgrade k will be computed for");
            break;
        case Note::SubgradeKCemSilt:
            if (m.LayerKTop[L] != 0.0 || m.LayerKBottom[L] != 0.0) return;
            WriteLine("   NOTE:  Internal default values for subgrade k will be computed for");
            break;
    }
    WriteLine("         the above soil layer.");
    WriteLine("");
}

// The field test named at the top of a Piedmont layer selects the value shown.
void Write_Piedmont(int L) {
    struct FieldTest {
        const char* line;
        const Stem* stem;
    };
    // "(DMT)" for the pressuremeter is the report's established wording
    static constexpr FieldTest k_Field_Tests[] = {
        {"   The type of field test is the Standard Penetration Test (SPT)", &k_SPT},
        {"   The type of field test is the Cone Penetration Test (CPT)", &k_Piedmont_Cone},
        {"   The type of field test is the Dilatometer Test (DMT)", &k_Dilatometer},
        {"   The type of field test is the Pressuremeter Test (DMT)", &k_Pressuremeter},
    };
    const int test = g_Model.FieldTestTypeAtPoint[2 * L - 1];
    if (test < 1 || test > 4) {
        Write_Count_Line("   Field test type code (not one of 1 to 4)", test);
        return;
    }
    WriteLine(k_Field_Tests[test - 1].line);
    Write_Stem(L, *k_Field_Tests[test - 1].stem);
}

// One input p-y curve at strength point k.
void Write_User_Curve(int L, int k, bool top) {
    const AnalysisModel& m = g_Model;
    FortranRecord head;
    Start_Record(head);
    Append_Text(head, top ? "User-input p-y curve at top of layer "
                          : "User-input p-y curve at bottom of layer ");
    Append_I(head, L, 0);
    Append_Text(head, top ? ",    Depth = " : ", Depth = ");
    Append_F(head, m.UserPYDepth[k], 10, 3);
    Append_Text(head, " ");
    Append_Trimmed(head, m.LabelLengthLarge);
    WriteLine("");
    WriteLine(head.text.data());
    WriteLine("");
    WriteLine("Point                y                     p     ");
    WriteLine(Tabbed_Record({{1, " No."}, {22, m.LabelLength}, {42, m.LabelForcePerLength}}).text.data());
    WriteLine("-----          ------------          ------------");
    for (int j = 1; j <= m.NumUserPYPoints[k] && j <= k_Max_User_PY_Points; ++j) {
        WriteInteger(j, 5);
        WriteBlanks(9);
        WriteNumber(m.UserPY_y[j][k], 13);
        WriteBlanks(9);
        WriteNumber(m.UserPY_p[j][k], 13);
        EndLine();
    }
}

void Write_Layer(int L) {
    const AnalysisModel& m = g_Model;
    const int type = m.i_SoilLayer_py_Type[L];
    FortranRecord head = Text_With_Integer("Layer ", L);
    if (type >= 1 && type <= k_Soil_FrzSoil) {
        Append_Text(head, k_Layer_Kinds[type].text);
    } else {
        Append_Text(head, " is of undefined soil type ");
        Append_I(head, type, 0);
    }
    WriteLine("");
    WriteLine(head.text.data());
    WriteLine("");
    Write_Number_Line("   Distance from top of pile to top of layer", m.XLayerTop[L],
                      m.LabelLengthLarge);
    Write_Number_Line("   Distance from top of pile to bottom of layer", m.XLayerBottom[L],
                      m.LabelLengthLarge);
    Write_Labelled_Pair("   Effective unit weight", m.UnitWeightAtPoint[2 * L - 1],
                        m.UnitWeightAtPoint[2 * L], m.LabelUnitWeightInput);
    if (type < 1 || type > k_Soil_FrzSoil) return;
    if (type == k_Soil_LiqSand) {
        Check_Liquefied_Sand_Depth(L);
        return;
    }
    const LayerKind& kind = k_Layer_Kinds[type];
    for (int i = 0; i < kind.num_stems; ++i) Write_Stem(L, kind.stems[i]);
    if (type == k_Soil_Piedmont) Write_Piedmont(L);
    if (type == k_Soil_MassRock) {
        // the rock type selects the Hoek-Brown constant mi when the criterion evaluates the layer
        Write_Count_Line("   Rock type (selects Hoek-Brown constant mi)", m.RockTypeAtPoint[2 * L - 1]);
    }
    for (const Note note : kind.notes) Write_Note(L, note);
    if (type == k_Soil_UserPY) {
        Write_User_Curve(L, 2 * L - 1, true);
        Write_User_Curve(L, 2 * L, false);
    }
}

// Layers by soil type long name, in layer order.
void Write_Layer_Summary() {
    const AnalysisModel& m = g_Model;
    WriteLine("");
    WriteLine("Summary of Soil Layers by Soil Type:");
    WriteLine("");
    Write_Column_Heads({{"Layer", 5}, {"Soil Type Name", 22}, {"Top of Layer", 55},
                        {"Bottom of Layer", 72}});
    Write_Column_Heads({{m.LabelLengthLarge, 55}, {m.LabelLengthLarge, 72}});
    for (int L = 1; L <= m.i_Number_of_Layers && L <= k_Max_Layers; ++L) {
        const int type = m.i_SoilLayer_py_Type[L];
        FortranRecord line;
        Start_Record(line);
        Append_I(line, L, 5);
        Append_X(line, 3);
        Append_Text(line, type >= 1 && type <= k_Num_Soil_Types ? m.SoilTypeName[type].data() : "");
        Tab_To(line, 43);
        Append_Text(line, Format_Number(m.XLayerTop[L], 13).text.data());
        Append_X(line, 4);
        Append_Text(line, Format_Number(m.XLayerBottom[L], 13).text.data());
        WriteLine(line.text.data());
    }
}

}  // namespace

void Check_Liquefied_Sand_Depth(int L) {
    const AnalysisModel& m = g_Model;
    const double depth_below_ground = m.XLayerBottom[L] - m.XGroundSurface;
    if (m.IUNITS == k_Units_US && depth_below_ground > k_Liquefied_Depth_Limit_ft) {
        WriteLine("   Warning : The depth of this layer is deeper than the recommended depth limit ");
        WriteLine("             for using the p-y criteria for liquefied sand.");
        WriteLine("");
        WriteLine("   Please consult the Orvane Technical Manual for additional background ");
        WriteLine("   information regarding limitations on the use of the liquefied sand criteria.");
        WriteLine("");
        RecordWarning(k_Warning_Liquefied_Depth);
    } else if (m.IUNITS == k_Units_SI && depth_below_ground > k_Liquefied_Depth_Limit_m) {
        WriteLine("   Warning : The depth of this layer is deeper than the recommended depth ");
        WriteLine("             limit for using the p-y criteria for liquefied sand.");
        WriteLine("");
        WriteLine("   Please consult the Orvane Technical Manual for additional background ");
        WriteLine("   information regarding limitations on the use of the liquefied sand ");
        WriteLine("   criteria.");
        WriteLine("");
        RecordWarning(k_Warning_Liquefied_Depth);
    }
}

void Write_Soil_Layers_Echo() {
    const AnalysisModel& m = g_Model;
    Write_Echo_Heading("Soil and Rock Layering Information", 23);
    FortranRecord count = Text_With_Integer("The soil profile is modelled using ", m.i_Number_of_Layers, " layers");
    WriteLine(count.text.data());
    for (int L = 1; L <= m.i_Number_of_Layers && L <= k_Max_Layers; ++L) Write_Layer(L);
    Write_Layer_Summary();
}
