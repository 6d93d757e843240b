// Loess p-y criterion ("KS Loess"): PY_Loess sets Es_Node for the nodes of one layer from the
// cone tip resistance, or prints the curve block in print mode. The criterion keeps no integral
// of ultimate resistance, takes no part in soil movement and is valid for 1 to 10 cycles of
// loading.
#include "py/loess.h"

#include <algorithm>
#include <cmath>

#include "engine/errors.h"
#include "engine/messages.h"
#include "model/model.h"
#include "model/units.h"
#include "pile/soil_profile.h"
#include "py/criteria.h"
#include "py/py_framework.h"
#include "py/py_node.h"
#include "report/fortran_format.h"
#include "report/number_writer.h"
#include "report/plot_file.h"

namespace {

constexpr double k_Most_Cycles = 10.100000381469727;     // 10.1 (s)
constexpr double k_US_Reference = 0.11699999868869781;   // 0.117 (s) in
constexpr double k_SI_Reference = 0.0029718000441789627; // 0.0029718 (s) m
constexpr double k_Pu_Factor = 0.4090000092983246;       // 0.409 (s)
constexpr double k_Cycle_Factor = 0.23999999463558197;   // 0.24 (s)
constexpr double k_Hyperbola_Term = 0.10000000149011612; // 0.1 (s)
constexpr double k_Head_Zone = 2.0;                      // diameters below the head

// Tabulated deflections over yr.
constexpr double k_Table_Ratios[k_PY_Print_Points + 1] = {
    0, 0.0, 0.25, 0.5, 0.75, 1.0, 1.5, 2.0, 3.0, 4.0, 6.0, 8.0, 12.0, 16.0, 23.0, 30.0, 40.0, 50.0};

// Input Data Error No. 70, in the report only.
void Raise_Too_Many_Cycles(int L) {
    FortranRecord problem = Text_With_Integer("PROBLEM: Soil layer ", L,
                                              " is a loess and the input value for the number of cycles of loading = ");
    Append_F(problem, Cycles_Of_Loading(), 12, 1);
    const FortranRecord heading = Error_Heading(true, 70);
    Write_Report_Lines({"", "", heading.text.data(), "", problem.text.data(),
                        "This value is greater than 10. The soil model for loess is valid only for 1 to 10 cycles of loading. ",
                        "SOLUTION: Revise the input data so that the number of cycles of loading is in the range of 1 to 10.",
                        ""});
    Raise_Input_Error(70);
}

void Print_Loess_Curve(int L, int k, const PYNodeValues& v, const LoessCurve& c) {
    const AnalysisModel& m = g_Model;
    Write_PY_Title("p-y Curve for Loess", nullptr);
    Write_PY_Layer_And_Depths(L, v.z);
    Write_PY_Value_Line("Shaft Diameter", v.b, 3, m.LabelLength);
    Write_PY_Value_Line(Loess_Head_Factor(v.x, v.b) < 1.0 ? "Depth Adj. Cone tip resistance" : "Cone tip resistance",
                        c.qc, 3, m.LabelStress);
    Write_PY_Value_Line("Initial Modulus, Ei", c.Ei, 3, m.LabelStress);
    Write_PY_Value_Line("p_u0", c.pu0, 3, m.LabelStress);
    Write_PY_Force_Line("p_u", c.pu, 3);
    // the count as the run takes it, even where the curve takes it as one
    Write_PY_Value_Line("Number of Cycles of Loading", Cycles_Of_Loading(), 0, "cycles");
    Write_PY_Multipliers(v.pm, v.ym);
    Write_PY_Table_Heading(9, 22, nullptr, "---------------   ---------------");
    Print_Tabulated_PY_Curve(k_PY_Curve_Loess, k, v, k_PY_Rows_Numbers,
                             [&](int j) { return k_Table_Ratios[j] * c.yr; },
                             [&](double y_prime) { return Loess_P(c, y_prime); });
}

// The layer's check: the criterion holds for at most ten cycles.
bool Begin_Loess_Layer(int L, bool) {
    if (std::fabs(Cycles_Of_Loading()) > k_Most_Cycles) {
        Raise_Too_Many_Cycles(L);
        return false;
    }
    return true;
}

bool Loess_At_Node(int L, int k, const PYNodeValues& v, bool print, PYNodeModulus& out) {
    const AnalysisModel& m = g_Model;
    const double qc = Layer_Column_At_Depth(L, m.ConeTipResistanceAtPoint, v.z);
    const LoessCurve c = Loess_Curve(v.b, qc * Loess_Head_Factor(v.x, v.b), Cycles_Of_Loading(),
                                     Loess_Reference_Deflection(m.IUNITS));
    if (print) {
        Print_Loess_Curve(L, k, v, c);
        return true;
    }
    // the secant of the hyperbola, Ei / D, which at no deflection is Ei itself
    out.Es = v.pm * c.Ei / (v.ym * Loess_D(c, v.y_prime));
    return true;
}

// Loess takes no part in soil movement and keeps no layer integral.
constexpr PYCriterion k_Loess = {
    nullptr, 0, 0, false, k_PY_No_Integral, false, Begin_Loess_Layer, Loess_At_Node};

}  // namespace

double Loess_Reference_Deflection(int units) {
    return units == k_Units_US ? k_US_Reference : k_SI_Reference;
}

double Loess_Head_Factor(double x, double b) {
    // x is the depth below the pile head, not below the ground surface. The factor grows from
    // 0.5 at the head; it is a reduction and never raises qc (x / (2 b) + 0.5 alone would exceed
    // 1 from one diameter down and drop back to 1 at two).
    if (x < k_Head_Zone * b) return std::min(1.0, x / (k_Head_Zone * b) + 0.5);
    return 1.0;
}

LoessCurve Loess_Curve(double b, double qc, double N, double yr) {
    LoessCurve c{};
    c.qc = qc;
    c.yr = yr;
    c.pu0 = k_Pu_Factor * qc;
    // ln 0 does not exist and fewer than one cycle would raise the resistance above the first
    // cycle's (or make it infinite or negative): count at least one cycle.
    const double cycles = std::max(1.0, std::fabs(N));
    c.pu = b * c.pu0 / (1.0 + k_Cycle_Factor * std::log(cycles));
    c.Ei = c.pu / yr;
    return c;
}

double Loess_D(const LoessCurve& c, double y_prime) {
    const double r = y_prime / c.yr;
    return 1.0 + (1.0 + k_Hyperbola_Term * std::exp(-r)) * r;
}

double Loess_P(const LoessCurve& c, double y_prime) { return c.Ei * y_prime / Loess_D(c, y_prime); }

void PY_Loess(int L, bool print) { Run_PY_Criterion(L, print, k_Loess); }
