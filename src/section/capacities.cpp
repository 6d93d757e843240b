// Axial capacities of the section being analysed (nominal compression and tension, tensile
// cracking load), the thrust list its moment-curvature curves are computed for, with the checks
// of those thrusts against the capacities, and the nominal and factored moment capacities of
// the curves. Each is computed into the model first (kept per section for callers after the
// run); the report lines and the "Line 3" record are written from the model by the Write
// operations here, which compute nothing. The section's geometry and materials come from the
// section setup; the curves themselves from section/moment_curvature; the prestressed sections'
// capacities from section/prestress.
#include "section/capacities.h"

#include <cmath>
#include <cstdio>
#include <cstring>

#include "engine/errors.h"
#include "model/model.h"
#include "model/units.h"
#include "report/fortran_format.h"
#include "report/number_writer.h"
#include "section/section_geometry.h"
#include "section/section_lines.h"
#include "report/plot_file.h"

namespace {

constexpr double k_Concrete_Block_Factor = 0.8500000238418579;    // 0.85 (s)
constexpr double k_Rupture_Coefficient_US = 0.007499999832361937;  // 0.0075 (s), ksi per sqrt(psi)
constexpr double k_Modulus_Coefficient_US = 57.0;                 // ksi per sqrt(psi)
constexpr double k_Psi_Per_kPa = 0.14503774046897888;
constexpr double k_Rupture_Coefficient_SI = 51.71067953109741;    // 0.0075 ksi in kPa
constexpr double k_Modulus_Coefficient_SI = 393001.16443634033;   // 57 ksi in kPa
constexpr double k_Peak_Strain_Factor = 1.7000000476837158;       // 1.7 (s)

// Steel and concrete areas of the circular outlines: Ai inside the casing, Ac of the casing
// annulus, Ak of the core pipe wall and the full core circle.
struct RoundAreas {
    double Ai;
    double Ac;
    double Ak;
    double core_circle;
};

RoundAreas Round_Areas() {
    const AnalysisModel& m = g_Model;
    const double D = m.rd_Depth;
    const double Dk = m.rd_CoreOuterDiameter;
    RoundAreas a{};
    a.Ai = Circle_Area(D - 2.0 * m.rd_CasingWall);
    a.Ac = Circle_Area(D) - a.Ai;
    a.Ak = Circle_Area(Dk) - Circle_Area(Dk - 2.0 * m.rd_CoreWall);
    a.core_circle = Circle_Area(Dk);
    return a;
}

// A micropile's hole, the steel ring of its casing (none without a wall) and the grout that fills
// the rest of the hole around and inside the casing, bar areas As taken out.
struct MicropileAreas {
    double hole;
    double casing;
    double grout;
};

MicropileAreas Micropile_Areas(double As) {
    const AnalysisModel& m = g_Model;
    const double Dc = m.rd_CasingOuterDiameter;
    const double tc = m.rd_CasingWall;
    MicropileAreas a{};
    a.hole = Circle_Area(m.rd_Depth);
    a.casing = tc > 0.0 ? Circle_Area(Dc) - Circle_Area(Dc - 2.0 * tc) : 0.0;
    a.grout = a.hole - a.casing - As;
    return a;
}

double Pipe_Steel_Area() {
    const double D = g_Model.rd_Depth;
    return Circle_Area(D) - Circle_Area(D - 2.0 * g_Model.rd_CasingWall);
}

// Bar-reinforced models only: prestressed sections get their capacities from the prestress.
bool Has_Bar_Capacities() {
    const int model = g_Model.i_SectionModel;
    if (model == k_Model_Pipe) return true;
    if (g_Model.b_Prestressed != 0) return false;
    return model == k_Model_Rectangle || model == k_Model_Round || model == k_Model_Cased ||
           model == k_Model_Cased_Core || model == k_Model_Micropile;
}

bool Core_Is_Filled() { return g_Model.b_FillCoreWithConcrete[g_Model.i_CurrentSection] != 0; }

// Concrete constants of the cracking load: reinforced-concrete rupture strength and modulus
// from f'c (ksi, or kPa in SI runs, where the empirical laws are taken through psi).
struct CrackingConstants {
    double ft;
    double Ec;
    double eps0;
    double epsT;
};

CrackingConstants Cracking_Constants(double fc, bool si) {
    CrackingConstants c{};
    if (si) {
        const double r = std::sqrt(k_Psi_Per_kPa * fc);
        c.ft = -k_Rupture_Coefficient_SI * r;
        c.Ec = k_Modulus_Coefficient_SI * r;
    } else {
        const double r = std::sqrt(1000.0 * fc);
        c.ft = -k_Rupture_Coefficient_US * r;
        c.Ec = k_Modulus_Coefficient_US * r;
    }
    c.eps0 = k_Peak_Strain_Factor * fc / c.Ec;
    c.epsT = -(1.0 - std::sqrt(c.ft / fc + 1.0)) * c.eps0;
    return c;
}

void Write_Record_Line(const FortranRecord& r) { WriteLine(r.text.data()); }

// text, then a value as F15.3 and the force unit: the value lines of the thrust errors.
void Write_Force_Line(const char* text, double value) {
    FortranRecord r = Text_With_F(text, value, 15, 3);
    Append_Trimmed(r, g_Model.c_LabelForce);
    Write_Record_Line(r);
}

void Write_Count_Line(const char* text, int n) {
    FortranRecord r = Text_With_Integer(text, n);
    Write_Record_Line(r);
}

// The framed message of a thrust beyond a capacity; the caller raises the error.
struct ThrustErrorText {
    int number;
    const char* problem_start;
    const char* problem_end;
    const char* thrust_label;
    const char* capacity_label;
};

const ThrustErrorText k_Thrust_Errors[] = {
    {24, "PROBLEM:  The axial thrust load for load case no. ",
     " exceeds the axial structural capacity in compression.",
     "          Axial thrust load                  = ",
     "          Nominal axial compressive capacity = "},
    {25, "PROBLEM:  The axial thrust load for load case no. ",
     " exceeds the axial structural capacity in tension.",
     "          Axial thrust load              = ",
     "          Nominal axial tensile capacity = "},
    {26, "PROBLEM:  The axial thrust load for LRFD load case no. ",
     " exceeds the axial structural capacity in compression.",
     "          Factored axial thrust load     = ",
     "          Nominal axial compressive capacity = "},
    {27, "PROBLEM:  The axial thrust load for LRFD load case no. ",
     " exceeds the axial structural capacity in tension.",
     "          Factored axial thrust load     = ",
     "          Nominal axial tensile capacity = "},
};

void Raise_Thrust_Error(const ThrustErrorText& e, int a, double P, double capacity) {
    const FortranRecord title = Error_Heading(false, e.number);
    WriteLine("");
    WriteLine(title.text.data());
    WriteLine("");
    FortranRecord r;
    Start_Record(r);
    Append_Text(r, e.problem_start);
    Append_I(r, a, 0);
    Append_Text(r, e.problem_end);
    Write_Record_Line(r);
    Write_Force_Line(e.thrust_label, P);
    Write_Force_Line(e.capacity_label, capacity);
    WriteLine("");
    WriteLine("SOLUTION: Change the properties of the section to increase the axial structural capacity.");
    Raise_Runtime_Error(e.number);
}

// Bending-stiffness-only runs: the thrusts strictly inside the capacity range, in order.
void Keep_Thrusts_Inside_Capacities() {
    AnalysisModel& m = g_Model;
    const int given = m.i_NumTableThrusts;
    int n = 0;
    for (int a = 1; a <= given; ++a) {
        const double P = m.rd_TableThrust[a];
        if (P > m.rd_AxialCapTens && P < m.rd_AxialCapComp) m.rd_Thrust[++n] = P;
    }
    m.i_NumThrusts = n;
}

// The count of a bending-stiffness-only run's list, with the note when thrusts were left out.
void Write_Kept_Thrust_Count(int s) {
    const AnalysisModel& m = g_Model;
    const int n = m.i_NumThrusts;
    if (n < m.i_NumTableThrusts) {
        WriteLine("");
        WriteLine("The following computations were performed only for the axial thrust values in the valid range.");
    }
    WriteLine("");
    WriteLine("Input Axial Thrust Forces:");
    WriteLine("--------------------------");
    WriteLine("");
    Write_Count_Line("Number of Axial Thrust Force Values Determined from Input Data = ", n);
    if (s == 1) Write_Line3_Record(k_Tables_EI_Only, n);
}

// Conventional runs: every thrust must lie within the capacities, compression tested first.
// Raises Runtime Error 24/25, or 26/27 for LRFD combinations, at the first thrust beyond one.
void Check_Thrusts_Against_Capacities() {
    AnalysisModel& m = g_Model;
    const bool lrfd = m.b_UseLRFD != 0;
    const ThrustErrorText& compression = k_Thrust_Errors[lrfd ? 2 : 0];
    const ThrustErrorText& tension = k_Thrust_Errors[lrfd ? 3 : 1];
    const int n = m.i_NumTableThrusts;
    for (int a = 1; a <= n; ++a) {
        const double P = m.rd_TableThrust[a];
        m.rd_Thrust[a] = P;
        if (P > m.rd_AxialCapComp) {
            Raise_Thrust_Error(compression, a, P, m.rd_AxialCapComp);
            return;
        }
        if (P < m.rd_AxialCapTens) {
            Raise_Thrust_Error(tension, a, P, m.rd_AxialCapTens);
            return;
        }
    }
    m.i_NumThrusts = n;
}

// The count of a conventional run's list, under the LRFD label when its thrusts are factored.
void Write_Checked_Thrust_Count(int s) {
    const AnalysisModel& m = g_Model;
    const int n = m.i_NumThrusts;
    if (m.b_UseLRFD != 0) {
        WriteLine("");
        Write_Count_Line("Number of Axial Thrust Force Values Determined from LRFD Pile-head Loadings = ", n);
        if (s == 1) Write_Line3_Record(k_Tables_LRFD, n);
    } else {
        Write_Count_Line("Number of Axial Thrust Force Values Determined from Pile-head Loadings = ", n);
        if (s == 1) Write_Line3_Record(k_Tables_Nonlinear, n);
    }
}

void Write_Thrust_Table() {
    const AnalysisModel& m = g_Model;
    WriteLine("   Number     Axial Thrust Force");
    // the 8-character label right-justified in 20 columns
    Write_Record_Line(Tabbed_Record({{13, m.c_LabelForce}}));
    WriteLine("   ------     ------------------");
    for (int a = 1; a <= m.i_NumThrusts; ++a) {
        FortranRecord r;
        Start_Record(r);
        Append_I(r, a, 7);
        Append_X(r, 9);
        Append_F(r, m.rd_Thrust[a], 12, 3);
        Write_Record_Line(r);
    }
}

void Write_Summary_Title(int s) {
    char dashes[81];
    std::memset(dashes, '-', 80);
    dashes[80] = '\0';
    WriteLine("");
    WriteLine("");
    WriteLine(dashes);
    FortranRecord r = Text_With_Integer("   Summary of Results for Nominal (Unfactored) Moment Capacity for Section ", s);
    Write_Record_Line(r);
    WriteLine(dashes);
}

// The nominal moment capacity of section s per thrust; a strain-limited capacity (with_strain)
// shows the compressive strain it was found at and three decimals, a pipe's plastic moment one.
void Write_Nominal_Moment_Table(int s, bool with_strain) {
    const AnalysisModel& m = g_Model;
    WriteLine(with_strain ? " Load           Axial Thrust        Nominal Mom. Cap.      Max. Comp."
                          : " Load           Axial Thrust        Nominal Mom. Cap.");
    FortranRecord units = Tabbed_Record({{1, "  No."}, {20, m.c_LabelForce}, {41, m.c_LabelMoment}});
    if (with_strain) {
        Tab_To(units, 62);
        Append_Text(units, "Strain");
    }
    Write_Record_Line(units);
    WriteLine(with_strain ? " ----         ----------------     ------------------     ------------"
                          : " ----         ----------------     ------------------");
    for (int a = 1; a <= m.i_NumThrusts; ++a) {
        FortranRecord r;
        Start_Record(r);
        Append_I(r, a, 4);
        Append_F(r, m.rd_Thrust[a], 16, 3);
        Append_F(r, m.rd_SectionNominalMoment[s][a], 16, with_strain ? 3 : 1);
        if (with_strain) Append_F(r, m.rd_SectionStrainAtCap[s][a], 15, 8);
        Write_Record_Line(r);
    }
}

// The pipe's capacity is its plastic moment, not a strain-limited value: no strain column and
// no factored table, only the note that the values carry no resistance factor.
void Write_Pipe_Capacities(int s) {
    Write_Nominal_Moment_Table(s, false);
    static constexpr const char* k_Note[] = {
        "",
        "Note that the values in the above table are not factored by a strength",
        "reduction factor for LRFD.",
        "",
        "The value of the strength reduction factor depends on the provisions of the ",
        "LRFD code being followed.",
        "",
        "The above values should be multiplied by the appropriate strength reduction ",
        "factor to compute ultimate moment capacity according to the LRFD structural ",
        "design standard being followed.",
        "",
    };
    for (const char* line : k_Note) WriteLine(line);
}

void Write_Nominal_Capacities(int s) {
    WriteLine("Moment values interpolated at maximum compressive strain = 0.003");
    WriteLine("or maximum developed moment if pile fails at smaller strains.");
    Write_Nominal_Moment_Table(s, true);
    // "Note note" is the report's own wording, kept as it has always been printed.
    static constexpr const char* k_Note[] = {
        "",
        "Note note that the values of moment capacity in the table above are not ",
        "factored by a strength reduction factor (phi-factor).",
        "",
        "In ACI 318-08, the value of the strength reduction factor depends on whether ",
        "the transverse reinforcing steel bars are tied hoops (0.65) or spirals (0.70).",
        "",
        "The above values should be multiplied by the appropriate strength reduction ",
        "factor to compute ultimate moment capacity according to ACI 318-08, Section ",
        "9.3.2.2 or the value required by the design standard being followed.",
        "",
        "The following table presents factored moment capacities and corresponding ",
        "bending stiffnesses computed for common resistance factor values used for ",
        "reinforced concrete sections.",
    };
    for (const char* line : k_Note) WriteLine(line);
}

void Write_Factored_Capacities(int s) {
    const AnalysisModel& m = g_Model;
    WriteLine("");
    WriteLine(" Axial     Resistance           Nominal           Ultimate (Factored)     Ultimate (Factored)     Bending Stiffness");
    WriteLine(" Load        Factor         Moment Capacity          Axial Thrust           Moment Capacity       at Ult. Mom. Cap.");
    Write_Record_Line(Tabbed_Record({{1, "  No.      for Moment"},
                                     {32, m.c_LabelMoment},
                                     {57, m.c_LabelForce},
                                     {80, m.c_LabelMoment},
                                     {104, m.c_LabelStiffness}}));
    WriteLine(" -----     ----------     -------------------     -------------------     -------------------     -------------------");
    for (int f = 1; f <= k_Num_Resistance_Factors; ++f) {
        if (f > 1) WriteLine("");
        for (int a = 1; a <= m.i_NumThrusts; ++a) {
            FortranRecord r;
            Start_Record(r);
            Append_I(r, a, 4);
            Tab_To(r, 14);
            Append_F(r, k_Resistance_Factors[f], 5, 2);
            Append_F(r, m.rd_SectionNominalMoment[s][a], 24, 3);
            Append_F(r, m.rd_SectionFactoredThrust[s][a][f], 24, 3);
            Append_F(r, m.rd_SectionFactoredMoment[s][a][f], 24, 3);
            Append_F(r, m.rd_SectionFactoredEI[s][a][f], 24, 3);
            Write_Record_Line(r);
        }
    }
}

}  // namespace

// Reads the section's bars and outline; writes rd_SteelArea, rd_AxialCapComp and, kept for the
// current section, b_SectionCapacitiesKept and rd_SectionAxialCapComp. Prestressed sections and
// models without bars are left alone.
void ComputeAxialCapacity() {
    AnalysisModel& m = g_Model;
    if (!Has_Bar_Capacities()) return;
    const double As = Total_Bar_Area(m.i_CurrentSection);
    const double fc = m.rd_fc;
    const double fy = m.rd_fy;
    const double D = m.rd_Depth;
    const RoundAreas r = Round_Areas();
    double Pn = 0.0;
    switch (m.i_SectionModel) {
        case k_Model_Rectangle:
            Pn = k_Concrete_Block_Factor * fc * (m.rd_Width * D - As) + fy * As;
            break;
        case k_Model_Round:
            Pn = k_Concrete_Block_Factor * fc * (Circle_Area(D) - As) + fy * As;
            break;
        case k_Model_Cased:
            Pn = m.rd_CasingFy * r.Ac + k_Concrete_Block_Factor * fc * (r.Ai - As) + fy * As;
            break;
        case k_Model_Cased_Core: {
            // A hollow core takes its whole circle out of the concrete, a filled one only its wall.
            const double Acore = Core_Is_Filled() ? r.Ai - r.Ak - As : r.Ai - r.core_circle - As;
            Pn = m.rd_CasingFy * r.Ac + m.rd_CoreFy * r.Ak + fy * As +
                 k_Concrete_Block_Factor * fc * Acore;
            break;
        }
        case k_Model_Micropile: {
            const MicropileAreas a = Micropile_Areas(As);
            Pn = k_Concrete_Block_Factor * fc * a.grout + m.rd_CasingFy * a.casing + fy * As;
            break;
        }
        default:   // the pipe
            Pn = m.rd_CasingFy * Pipe_Steel_Area();
            break;
    }
    m.rd_SteelArea = As;
    m.rd_AxialCapComp = Pn;
    m.b_SectionCapacitiesKept[m.i_CurrentSection] = -1;
    m.rd_SectionAxialCapComp[m.i_CurrentSection] = Pn;
}

// Reads the section's bars, outline and materials; writes rd_ft, rd_Ec, rd_Eps0, rd_EpsT
// (concrete models), rd_CrackingLoad, rd_AxialCapTens and, kept for the current section,
// rd_SectionCrackingLoad and rd_SectionAxialCapTens.
void ComputeTensileCapacity() {
    AnalysisModel& m = g_Model;
    if (!Has_Bar_Capacities()) return;
    const int model = m.i_SectionModel;
    const double As = Total_Bar_Area(m.i_CurrentSection);
    const double fy = m.rd_fy;
    if (model == k_Model_Pipe) {
        // No concrete: the concrete constants stay as the material setup left them.
        m.rd_CrackingLoad = 0.0;
        m.rd_AxialCapTens = -m.rd_CasingFy * Pipe_Steel_Area();
        m.rd_SectionCrackingLoad[m.i_CurrentSection] = 0.0;
        m.rd_SectionAxialCapTens[m.i_CurrentSection] = m.rd_AxialCapTens;
        return;
    }
    // The cracking load always takes the reinforced-concrete rupture strength.
    const CrackingConstants c = Cracking_Constants(m.rd_fc, m.IUNITS == k_Units_SI);
    m.rd_ft = c.ft;
    m.rd_Ec = c.Ec;
    m.rd_Eps0 = c.eps0;
    m.rd_EpsT = c.epsT;
    const double D = m.rd_Depth;
    const RoundAreas r = Round_Areas();
    double Aconc = 0.0;
    double steel = As;        // area strained with the concrete at cracking
    double Tn = -fy * As;
    double steel_EA = 0.0;    // axial stiffness of steel of another modulus than the bars'
    switch (model) {
        case k_Model_Rectangle: Aconc = m.rd_Width * D - As; break;
        case k_Model_Round: Aconc = Circle_Area(D) - As; break;
        case k_Model_Cased:
            Aconc = Circle_Area(D) - r.Ac - As;
            steel = r.Ac + As;
            Tn = -(m.rd_CasingFy * r.Ac + fy * As);
            break;
        case k_Model_Micropile: {
            // Casing and bar are different steels, each strained with the grout at its own modulus.
            const MicropileAreas a = Micropile_Areas(As);
            Aconc = a.grout;
            steel = 0.0;
            steel_EA = a.casing * m.rd_CasingE + As * m.rd_Es;
            Tn = -(m.rd_CasingFy * a.casing + fy * As);
            break;
        }
        default: {   // casing and core
            const double outline = Core_Is_Filled()
                                       ? Circle_Area(D)
                                       : Circle_Area(D) - Circle_Area(m.rd_CoreOuterDiameter - 2.0 * m.rd_CoreWall);
            Aconc = outline - r.Ac - r.Ak - As;
            steel = r.Ac + r.Ak + As;
            Tn = -(m.rd_CasingFy * r.Ac + m.rd_CoreFy * r.Ak + fy * As);
            break;
        }
    }
    m.rd_CrackingLoad = (steel * m.rd_Es + steel_EA + Aconc * c.Ec) * c.epsT;
    m.rd_AxialCapTens = Tn;
    m.rd_SectionCrackingLoad[m.i_CurrentSection] = m.rd_CrackingLoad;
    m.rd_SectionAxialCapTens[m.i_CurrentSection] = Tn;
}

// Reads the capacities kept for section s and the current section model; nothing for a section
// without them (prestressed sections write their own).
void WriteAxialCapacities(int s) {
    const AnalysisModel& m = g_Model;
    if (m.b_SectionCapacitiesKept[s] == 0) return;
    const bool pipe = m.i_SectionModel == k_Model_Pipe;
    WriteLine("");
    WriteLine("Axial Structural Capacities:");
    WriteLine("----------------------------");
    Write_Property_Line(pipe ? "Nom. Axial Structural Capacity = Fy As" : "Nom. Axial Structural Capacity = 0.85 Fc Ac + Fy As",
                        m.rd_SectionAxialCapComp[s], 3, m.c_LabelForce);
    // a pipe has no concrete to crack
    if (!pipe) Write_Property_Line("Tensile Load for Cracking of Concrete", m.rd_SectionCrackingLoad[s], 3, m.c_LabelForce);
    Write_Property_Line("Nominal Axial Tensile Capacity", m.rd_SectionAxialCapTens[s], 3, m.c_LabelForce);
}

// Reads rd_TableThrust (the run's list, or the previous section's), the capacities and the
// analysis type; writes rd_Thrust and i_NumThrusts. Raises Runtime Errors 24-27 in
// conventional runs, writing their framed message.
void BuildThrustList() {
    if (g_Model.i_Analysis_Type == 2) {
        Keep_Thrusts_Inside_Capacities();
    } else {
        Check_Thrusts_Against_Capacities();
    }
}

// Reads the list BuildThrustList left (and the run's list it came from); writes its count, the
// table and, for section 1, the "Line 3" record.
void WriteThrustList(int s) {
    if (g_Model.i_Analysis_Type == 2) {
        Write_Kept_Thrust_Count(s);
    } else {
        Write_Checked_Thrust_Count(s);
    }
    Write_Thrust_Table();
}

// Reads the computed points of curve a only; returns the stiffness interpolated linearly in
// moment, clamped to the first and last points' stiffness outside the curve; 0 for no points.
double InterpolateEIAtMoment(int a, double M) {
    const AnalysisModel& m = g_Model;
    const int n = m.i_NumCurvPoints[a];
    if (n < 1) return 0.0;
    const auto& moment = m.rd_Moment[a];
    const auto& EI = m.rd_EI[a];
    // At or below the first point there is no lower bracket; the curve starts there.
    if (M <= moment[1]) return EI[1];
    for (int i = 2; i <= n; ++i) {
        if (moment[i] >= M) {
            // moment[i - 1] < M <= moment[i], so the interval has length.
            const double t = (M - moment[i - 1]) / (moment[i] - moment[i - 1]);
            return EI[i - 1] + t * (EI[i] - EI[i - 1]);
        }
    }
    return EI[n];
}

// Reads the nominal capacities of the current section's curves (rd_NominalMomentCap,
// rd_StrainAtCap, rd_Thrust) and the curves themselves; writes, kept for section s,
// rd_SectionNominalMoment, rd_SectionStrainAtCap and, for the concrete models, the factored
// thrust, moment capacity and the stiffness at it for each resistance factor. The pipe's
// factored entries stay 0: its capacity is a plastic moment without a factored table.
void KeepMomentCapacities(int s) {
    AnalysisModel& m = g_Model;
    const bool pipe = m.i_SectionModel == k_Model_Pipe;
    for (int a = 1; a <= m.i_NumThrusts; ++a) {
        const double Mn = m.rd_NominalMomentCap[a];
        m.rd_SectionNominalMoment[s][a] = Mn;
        m.rd_SectionStrainAtCap[s][a] = m.rd_StrainAtCap[a];
        for (int f = 1; f <= k_Num_Resistance_Factors; ++f) {
            const double phi = k_Resistance_Factors[f];
            const double Mu = pipe ? 0.0 : phi * Mn;
            m.rd_SectionFactoredThrust[s][a][f] = pipe ? 0.0 : phi * m.rd_Thrust[a];
            m.rd_SectionFactoredMoment[s][a][f] = Mu;
            m.rd_SectionFactoredEI[s][a][f] = pipe ? 0.0 : InterpolateEIAtMoment(a, Mu);
        }
    }
}

// Reads the section's thrusts and the capacities kept for section s; writes the nominal table
// and, for the concrete models, the factored table with the stiffness at each factored capacity.
void WriteCapacitySummary(int s) {
    Write_Summary_Title(s);
    if (g_Model.i_SectionModel == k_Model_Pipe) {
        Write_Pipe_Capacities(s);
        return;
    }
    Write_Nominal_Capacities(s);
    Write_Factored_Capacities(s);
}
