// Bending-stiffness tables of the sections that need no moment-curvature analysis: the elastic
// section (one stiffness at every curvature), the elastic-plastic section (elastic up to the
// plastic moment, then the plastic moment) and the section with user-defined M-EI points. Each
// fill writes the hand-off tables of every thrust of the run, the node stiffness over the
// section where it owns one, the "Line 3/4/5" plot records and its report line. The thrust
// list is the run's (rd_TableThrust); the lookups that read the tables are the solver's.
#include "section/stiffness_tables.h"

#include <algorithm>
#include <cmath>

#include "engine/errors.h"
#include "model/model.h"
#include "model/section_types.h"
#include "model/units.h"
#include "report/fortran_format.h"
#include "report/number_writer.h"
#include "section/section_errors.h"
#include "report/plot_file.h"

namespace {

constexpr int k_Table_Points = 150;          // points of every table filled here
constexpr double k_Elastic_Curvature_Step = 10.0;   // curvature of point k is 10 k
constexpr double k_Moment_Treated_As_Zero = 1e-98;
constexpr int k_Elastic_Points = 100;        // elastic-plastic: points up to the yield curvature
constexpr double k_Plastic_Step = 20.0;      // beyond it, steps of 20 u

// US customary tables are in kips and inches while the input is in pounds and inches.
double Table_Scale() { return g_Model.IUNITS == k_Units_US ? 1000.0 : 1.0; }

// The problem line of a refusal: "Problem:  Section s: what = value." (value by the number writer).
void Refuse(int s, const char* what, double value, const char* solution) {
    FortranRecord problem = Text_With_Integer("Problem:  Section ", s, ": ");
    Append_Text(problem, what);
    Append_Text(problem, " = ");
    Append_Quoted_Number(problem, value);
    Append_Text(problem, ".");
    Raise_Input_Problem(k_Error_Stiffness_Table, problem.text.data(), solution);
}

// Refusal without a value, for tables that are missing altogether.
void Refuse_Missing(int s, const char* what, const char* solution) {
    FortranRecord problem = Text_With_Integer("Problem:  Section ", s, ": ");
    Append_Text(problem, what);
    Raise_Input_Problem(k_Error_Stiffness_Table, problem.text.data(), solution);
}

// EI_Node of every node in (section top, section bottom], linear in depth from the value at the
// top to the value at the bottom; node 1 takes the top value when the section starts at the head.
// Node stiffness is in the node arrays' units (lb-in2 | kN-m2), so no table scale applies.
void Set_Node_Stiffness(int s, double EI_top, double EI_bottom) {
    AnalysisModel& m = g_Model;
    const double x_top = m.XSectionTop[s];
    const double x_bottom = m.XSectionBottom[s];
    const double Ls = x_bottom - x_top;
    for (int k = 1; k <= m.NumNodes; ++k) {
        const double x = m.XNode[k];
        if (x > x_top && x <= x_bottom) {
            m.EI_Node[k] = EI_bottom - (x_bottom - x) * (EI_bottom - EI_top) / Ls;
        }
    }
    if (m.NumNodes >= 1 && m.XNode[1] >= x_top && m.XNode[1] <= x_bottom) m.EI_Node[1] = EI_top;
}

void Write_Line3_For_First_Section(int s, int kind) {
    if (s == 1) Write_Line3_Record(kind, g_Model.i_NumTableThrusts);
}

// ---- User-defined M-EI points ------------------------------------------------------------

// One table of points: moment, bending stiffness and curvature, 1-based.
struct PointTable {
    int n;
    std::array<double, k_Max_MEI_Points + 2> M;
    std::array<double, k_Max_MEI_Points + 2> EI;
    std::array<double, k_Max_MEI_Points + 2> phi;
};

// The input points of user thrust b of section s, each with its curvature M / EI.
void Load_Input_Points(int s, int b, PointTable& t) {
    const AnalysisModel& m = g_Model;
    t.n = m.i_NumMEIPoints[b][s];
    for (int p = 1; p <= t.n; ++p) {
        t.M[p] = m.MEIMoment[p][b][s];
        t.EI[p] = m.MEIStiffness[p][b][s];
        t.phi[p] = t.M[p] / t.EI[p];
    }
}

// Bending stiffness of table t at curvature phi: linear in curvature between the points that
// bracket it, the first point's stiffness at or below its curvature (the curve starts
// straight) and, beyond the last point, the last moment held (the curve has reached its
// capacity), so EI = M_last / phi there.
double Stiffness_At_Curvature(const PointTable& t, double phi) {
    if (phi <= t.phi[1]) return t.EI[1];
    for (int i = 1; i < t.n; ++i) {
        if (phi <= t.phi[i + 1] && t.phi[i + 1] > t.phi[i]) {
            const double M = t.M[i] + (t.M[i + 1] - t.M[i]) * (phi - t.phi[i]) / (t.phi[i + 1] - t.phi[i]);
            return M / phi;
        }
    }
    return t.M[t.n] / phi;
}

// Points of a thrust that lies between two user thrusts: at the curvatures of the nearer
// table, the stiffness of the two tables weighted by the thrust's position between them
// (w = 0 at the lower, 1 at the upper), the moment EI phi. This is the same linear-in-thrust
// blend the lateral solution applies between two tables at a node's curvature.
void Blend_Tables(const PointTable& lower, const PointTable& upper, double w, PointTable& out) {
    const PointTable& near = w <= 0.5 ? lower : upper;
    const PointTable& far = w <= 0.5 ? upper : lower;
    const double w_near = w <= 0.5 ? 1.0 - w : w;
    out.n = near.n;
    for (int p = 1; p <= near.n; ++p) {
        const double phi = near.phi[p];
        const double EI_far = Stiffness_At_Curvature(far, phi);
        out.EI[p] = w_near * near.EI[p] + (1.0 - w_near) * EI_far;
        out.M[p] = phi == 0.0 ? 0.0 : out.EI[p] * phi;
        out.phi[p] = phi;
    }
}

// The table of thrust T (table units) from the section's user thrusts: the user table of equal
// thrust, the nearest one beyond either end, or the blend of the two that bracket it.
void Points_For_Thrust(int s, double T, PointTable& out) {
    const AnalysisModel& m = g_Model;
    int lower = 0;
    int upper = 0;
    for (int b = 1; b <= m.i_NumMEIThrusts[s]; ++b) {
        const double Tb = m.MEIThrust[b][s] / Table_Scale();
        if (Tb <= T && (lower == 0 || Tb > m.MEIThrust[lower][s] / Table_Scale())) lower = b;
        if (Tb >= T && (upper == 0 || Tb < m.MEIThrust[upper][s] / Table_Scale())) upper = b;
    }
    if (lower == 0) lower = upper;
    if (upper == 0) upper = lower;
    PointTable low;
    Load_Input_Points(s, lower, low);
    const double T_low = m.MEIThrust[lower][s] / Table_Scale();
    const double T_up = m.MEIThrust[upper][s] / Table_Scale();
    if (lower == upper || T_up == T_low) {
        out = low;
        return;
    }
    PointTable up;
    Load_Input_Points(s, upper, up);
    Blend_Tables(low, up, (T - T_low) / (T_up - T_low), out);
}

// The points of one table from its input points: a zero-moment point with the first stiffness
// in front when the first moment is not zero, then each interval divided into r equal steps of
// moment and stiffness, r = (150 - n) div (m - 1), so the table has at most 150 points. With
// r < 1, or a single point, the input points are the table.
void Refine_Points(const PointTable& in, PointTable& out) {
    PointTable full;
    full.n = 0;
    if (in.M[1] != 0.0) {
        full.n = 1;
        full.M[1] = 0.0;
        full.EI[1] = in.EI[1];
    }
    for (int p = 1; p <= in.n; ++p) {
        ++full.n;
        full.M[full.n] = in.M[p];
        full.EI[full.n] = in.EI[p];
    }
    const int r = full.n > 1 ? (k_Table_Points - in.n) / (full.n - 1) : 0;
    if (r < 1) {
        out = in;
        return;
    }
    out.n = 0;
    for (int i = 1; i < full.n; ++i) {
        const double dM = (full.M[i + 1] - full.M[i]) / r;
        const double dEI = (full.EI[i + 1] - full.EI[i]) / r;
        for (int step = 0; step < r; ++step) {
            ++out.n;
            out.M[out.n] = full.M[i] + step * dM;
            out.EI[out.n] = full.EI[i] + step * dEI;
        }
    }
    ++out.n;
    out.M[out.n] = full.M[full.n];
    out.EI[out.n] = full.EI[full.n];
    for (int k = 1; k <= out.n; ++k) out.phi[k] = out.M[k] / out.EI[k];
}

// "Problem:  Section s: <what> at point p of the axial thrust T = <value>." for a point of a
// user table that cannot be on a moment-curvature curve.
void Refuse_Point(int s, int b, int p, const char* what, double value, const char* solution) {
    FortranRecord problem = Text_With_Integer("Problem:  Section ", s, ": ");
    Append_Text(problem, what);
    Append_I(problem, p, 0);
    Append_Text(problem, " of the axial thrust ");
    Append_Quoted_Number(problem, g_Model.MEIThrust[b][s]);
    Append_Text(problem, " = ");
    Append_Quoted_Number(problem, value);
    Append_Text(problem, ".");
    Raise_Input_Problem(k_Error_Stiffness_Table, problem.text.data(), solution);
}

// Refuses the points of user thrust b of section s that make no curve: a negative moment, a
// moment no larger than the point's before, or a curvature M / EI no larger than the point's
// before (the curve would turn back; the lookups need curvature rising along the table).
void Check_User_Moments(int s, int b) {
    const AnalysisModel& m = g_Model;
    const char* solution =
        "Solution: Give the moments of the user-defined M-EI table from zero or more, increasing from point to point, with the curvature M / EI increasing too.";
    double M_before = 0.0;
    double phi_before = 0.0;
    for (int p = 1; p <= m.i_NumMEIPoints[b][s]; ++p) {
        const double M = m.MEIMoment[p][b][s];
        if (!(M >= 0.0)) {
            Refuse_Point(s, b, p, "negative moment M at point ", M, solution);
            return;
        }
        if (p > 1 && !(M > M_before)) {
            Refuse_Point(s, b, p, "moment M not larger than the one before at point ", M, solution);
            return;
        }
        const double phi = M / m.MEIStiffness[p][b][s];
        if (p > 1 && !(phi > phi_before)) {
            Refuse_Point(s, b, p, "curvature M / EI not larger than the one before at point ", phi, solution);
            return;
        }
        M_before = M;
        phi_before = phi;
    }
}

// Refuses a section whose user tables cannot make a curve: no thrust, a thrust without points,
// a bending stiffness that is not positive (the curvature is M / EI), or moments that are
// negative or do not rise from point to point with their curvature.
void Check_User_Tables(int s) {
    const AnalysisModel& m = g_Model;
    const char* solution = "Solution: Give every axial thrust of the section at least one point with a positive bending stiffness.";
    if (m.i_NumMEIThrusts[s] < 1) {
        Refuse_Missing(s, "the user-defined M-EI table has no axial thrust.", solution);
        return;
    }
    for (int b = 1; b <= m.i_NumMEIThrusts[s]; ++b) {
        if (m.i_NumMEIPoints[b][s] < 1) {
            Refuse(s, "number of M-EI points for the axial thrust", m.MEIThrust[b][s], solution);
            return;
        }
        for (int p = 1; p <= m.i_NumMEIPoints[b][s]; ++p) {
            if (!(m.MEIStiffness[p][b][s] > 0.0)) {
                Refuse(s, "user-defined bending stiffness EI", m.MEIStiffness[p][b][s], solution);
                return;
            }
        }
        Check_User_Moments(s, b);
        if (m.ErrorStatus > 0) return;
    }
}

// Refuses an elastic section (or the elastic part of an elastic-plastic one) whose bending
// stiffness E I at the top or the bottom is not positive.
void Check_Elastic_Stiffness(int s, const char* solution) {
    const AnalysisModel& m = g_Model;
    const double EI_top = m.ElasticModulus[s] * m.TopInertia[s];
    const double EI_bottom = m.ElasticModulus[s] * m.BottomInertia[s];
    if (!(EI_top > 0.0)) return Refuse(s, "elastic bending stiffness EI at top", EI_top, solution);
    if (!(EI_bottom > 0.0)) return Refuse(s, "elastic bending stiffness EI at bottom", EI_bottom, solution);
}

constexpr const char* k_Elastic_Solution =
    "Solution: Give the elastic section a positive modulus of elasticity and moment of inertia.";
constexpr const char* k_Elastic_Plastic_Solution =
    "Solution: Give the elastic-plastic section a positive modulus of elasticity and moment of inertia.";

// Refuses an elastic-plastic section without a positive stiffness or plastic moment: it would
// leave no yield curvature.
void Check_Elastic_Plastic_Input(int s) {
    const AnalysisModel& m = g_Model;
    Check_Elastic_Stiffness(s, k_Elastic_Plastic_Solution);
    if (m.ErrorStatus > 0) return;
    const char* mp_solution = "Solution: Give the elastic-plastic section a positive plastic moment capacity.";
    if (!(m.PlasticMomentTop[s] > 0.0)) return Refuse(s, "plastic moment capacity at top", m.PlasticMomentTop[s], mp_solution);
    if (!(m.PlasticMomentBottom[s] > 0.0)) {
        return Refuse(s, "plastic moment capacity at bottom", m.PlasticMomentBottom[s], mp_solution);
    }
}

}  // namespace

void Check_Stiffness_Input(int s) {
    switch (g_Model.SectionType[s]) {
        case k_Section_Elastic: Check_Elastic_Stiffness(s, k_Elastic_Solution); break;
        case k_Section_Elastic_Plastic: Check_Elastic_Plastic_Input(s); break;
        case k_Section_User_EI: Check_User_Tables(s); break;
        default: break;
    }
}

// Elastic section: EI = E I at the top of the section at every one of 150 curvatures 10 k, for
// every thrust of the run; node stiffness linear from E Itop to E Ibot. Refuses EI <= 0.
void FillElasticTables(int s) {
    AnalysisModel& m = g_Model;
    const double E = m.ElasticModulus[s];
    const double EI_top = E * m.TopInertia[s];
    const double EI_bottom = E * m.BottomInertia[s];
    Check_Elastic_Stiffness(s, k_Elastic_Solution);
    if (m.ErrorStatus > 0) return;
    Set_Node_Stiffness(s, EI_top, EI_bottom);

    const double EI = EI_top / Table_Scale();
    for (int t = 1; t <= m.i_NumTableThrusts; ++t) {
        for (int k = 1; k <= k_Table_Points; ++k) {
            const double phi = k_Elastic_Curvature_Step * k;
            double M = EI * phi;
            if (std::fabs(M) < k_Moment_Treated_As_Zero) M = 0.0;
            m.rd_TableCurvature[s][t][k] = phi;
            m.rd_TableEI[s][t][k] = EI;
            m.rd_TableMoment[s][t][k] = M;
        }
        m.i_TablePoints[s][t] = k_Table_Points;
        // the capacity of a curve that never yields is its last moment
        m.rd_TableNominalCap[s][t] = m.rd_TableMoment[s][t][k_Table_Points] * Table_Scale();
    }

    Write_Line3_For_First_Section(s, k_Tables_Elastic);
    for (int t = 1; t <= m.i_NumTableThrusts; ++t) {
        // the capacity in the record's in-kips (US) or kN-m: the moment at the last point
        Write_Line4_Record(k_Tables_Elastic, k_Table_Points, m.rd_TableThrust[t], m.rd_TableMoment[s][t][k_Table_Points], s);
        for (int k = 1; k <= k_Table_Points; ++k) {
            Write_Line5_Record(k_Tables_Elastic, m.rd_TableMoment[s][t][k], m.rd_TableEI[s][t][k],
                               m.rd_TableCurvature[s][t][k], s, t, k);
        }
    }
    WriteLine("Moment-curvature properties were derived from elastic section properties");
}

// Elastic-plastic section: EI = E Itop up to the yield curvature Mp / EI in 100 steps, then the
// plastic moment Mp (top value) over 50 steps of 20 steps each; node stiffness linear from
// E Itop to E Ibot. Refuses EI <= 0 and Mp <= 0, which leave no yield curvature.
void FillElasticPlasticTables(int s) {
    AnalysisModel& m = g_Model;
    const double E = m.ElasticModulus[s];
    const double EI_top = E * m.TopInertia[s];
    const double EI_bottom = E * m.BottomInertia[s];
    const double Mp = m.PlasticMomentTop[s];
    Check_Elastic_Plastic_Input(s);
    if (m.ErrorStatus > 0) return;
    // The plastic moment along the section is interpolated by the solver from the top and
    // bottom values; the node arrays hold only the stiffness.
    Set_Node_Stiffness(s, EI_top, EI_bottom);

    const double u = Mp / EI_top / k_Elastic_Points;   // one hundredth of the yield curvature
    const double scale = Table_Scale();
    for (int t = 1; t <= m.i_NumTableThrusts; ++t) {
        for (int k = 1; k <= k_Elastic_Points; ++k) {
            const double phi = k * u;
            m.rd_TableCurvature[s][t][k] = phi;
            m.rd_TableEI[s][t][k] = EI_top / scale;
            m.rd_TableMoment[s][t][k] = EI_top * phi / scale;
        }
        for (int j = 1; j <= k_Table_Points - k_Elastic_Points; ++j) {
            const int k = k_Elastic_Points + j;
            const double phi = k_Elastic_Points * u + k_Plastic_Step * u * j;
            m.rd_TableCurvature[s][t][k] = phi;
            m.rd_TableMoment[s][t][k] = Mp / scale;
            m.rd_TableEI[s][t][k] = Mp / phi / scale;
        }
        m.i_TablePoints[s][t] = k_Table_Points;
        m.rd_TableNominalCap[s][t] = Mp;
    }

    Write_Line3_For_First_Section(s, k_Tables_Elastic_Plastic);
    for (int t = 1; t <= m.i_NumTableThrusts; ++t) {
        // each record in the units its label names: capacity in in-kips, points in pounds
        Write_Line4_Record(k_Tables_Elastic_Plastic, k_Table_Points, m.rd_TableThrust[t], Mp / scale, s);
        for (int k = 1; k <= k_Table_Points; ++k) {
            Write_Line5_Record(k_Tables_Elastic_Plastic, m.rd_TableMoment[s][t][k] * scale,
                               m.rd_TableEI[s][t][k] * scale, m.rd_TableCurvature[s][t][k], s, t, k);
        }
    }
    WriteLine("Moment-curvature properties were derived from elastic-plastic section properties");
}

// User-defined M-EI section: for every thrust of the run, the section's user table of that
// thrust (blended between the two user thrusts around it, the nearest beyond the ends),
// refined to at most 150 points; capacity = the largest moment. Records in the input's units,
// then US tables divided by 1000. Refuses a section without thrusts, points or positive EI.
void FillUserEITables(int s) {
    AnalysisModel& m = g_Model;
    Check_User_Tables(s);
    if (m.ErrorStatus > 0) return;

    FortranRecord heading = Text_With_Integer("Moment-Curvature properties for Section ", s, " derived from input values for nonlinear M-EI properties");
    WriteLine(heading.text.data());
    WriteLine("");
    WriteLine("");

    Write_Line3_For_First_Section(s, k_Tables_User_EI);
    const double scale = Table_Scale();
    for (int t = 1; t <= m.i_NumTableThrusts; ++t) {
        PointTable given;
        Points_For_Thrust(s, m.rd_TableThrust[t], given);
        PointTable table;
        Refine_Points(given, table);
        double largest = table.M[1];
        for (int k = 1; k <= table.n; ++k) largest = std::max(largest, table.M[k]);
        m.i_TablePoints[s][t] = table.n;
        m.rd_TableNominalCap[s][t] = largest;
        // the record's capacity in the in-kips its label names
        Write_Line4_Record(k_Tables_User_EI, table.n, m.rd_TableThrust[t], largest / scale, s);
        for (int k = 1; k <= table.n; ++k) {
            Write_Line5_Record(k_Tables_User_EI, table.M[k], table.EI[k], table.phi[k], s, t, k);
            m.rd_TableMoment[s][t][k] = table.M[k] / scale;
            m.rd_TableEI[s][t][k] = table.EI[k] / scale;
            m.rd_TableCurvature[s][t][k] = table.phi[k];
        }
    }
}
