// Liquefied sand ("Liq Sand") after Rollins et al. (2005): PY_LiquefiedSand sets Es_Node for
// the nodes of one layer from the concave-up power law of a 0.3 m reference pile, scaled by a
// diameter factor and capped, keeps the layer's integral of the upper limit for the equivalent
// depth of the layers below, and prints the curve block in print mode. The law is dimensional
// (mm and kN/m): US customary runs convert at its edges, general units get no resistance.
#include "py/liquefied_sand.h"

#include <algorithm>
#include <cmath>

#include "model/model.h"
#include "model/units.h"
#include "pile/soil_profile.h"
#include "py/criteria.h"
#include "py/py_framework.h"
#include "py/py_node.h"
#include "report/number_writer.h"
#include "report/plot_file.h"

namespace {

constexpr double k_Metres_Per_Inch = 0.02539999969303608;   // 0.0254 (s)
constexpr double k_Mm_Per_Inch = 25.399999618530273;        // 25.4 (s)
constexpr double k_Lb_In_Per_kN_M = 5.710147380828857;
constexpr double k_Pci_For_10_kN_M3 = 0.036839600652456284;
constexpr double k_Reference_Width = 0.30000001192092896;   // 0.3 (s), metres
constexpr double k_Pd_Slope = 3.809999942779541;            // 3.81 (s)
constexpr double k_Pd_Intercept = 5.599999904632568;        // 5.6 (s)
constexpr double k_A_Factor = 3e-7;
constexpr double k_A_Exponent = 6.050000190734863;          // 6.05 (s)
constexpr double k_B_Factor = 2.799999952316284;            // 2.8 (s)
constexpr double k_B_Exponent = 0.10999999940395355;        // 0.11 (s)
constexpr double k_C_Factor = 2.8499999046325684;           // 2.85 (s)
constexpr double k_C_Exponent = -0.4099999964237213;        // -0.41 (s)
constexpr double k_Reference_Deflection_mm = 150.0;
constexpr double k_Cap_kN_M = 15.0;
constexpr double k_Uncapped_Yu_m = 0.15000000596046448;     // 0.15 (s)
constexpr double k_Beyond_Yu = 1.0499999523162842;          // 1.05 (s)
constexpr double k_Smallest_Deflection_mm = 1e-3;           // below it the secant is held
constexpr double k_Recommended_Depth_m = 6.0;

// Tabulated deflections of a curve that is not capped: up to 157.5 mm, single-precision values.
constexpr double k_SI_Table[k_PY_Print_Points + 1] = {
    0, 0.0, 0.003000000026077032, 0.006500000134110451, 0.009999999776482582,
    0.012500000186264515, 0.014999999664723873, 0.029999999329447746, 0.04500000178813934,
    0.05999999865889549, 0.07500000298023224, 0.09000000357627869, 0.10000000149011612,
    0.11500000208616257, 0.125, 0.14000000059604645, 0.15000000596046448, 0.1574999988079071};
constexpr double k_US_Table[k_PY_Print_Points + 1] = {
    0, 0.0, 0.125, 0.25, 0.375, 0.5, 1.0, 1.5, 2.0, 2.5, 3.0, 3.5, 4.0, 4.5, 5.0, 5.5,
    5.905511856079102, 6.200787544250488};

// Printed curve at requested depth k.
void Print_Liquefied_Sand_Curve(int L, int k, const PYNodeValues& v, double bm, double gamma,
                                double zn, const LiquefiedSandCurve& curve) {
    const AnalysisModel& m = g_Model;
    const bool us = m.IUNITS == k_Units_US;
    Write_PY_Title("p-y Curve Computed Using Liquefied Sand Criteria", nullptr);
    WriteLine("");
    Write_PY_Depths(v.z);
    if (L >= 2) Write_PY_Real_Line("Normalized depth below ground surface in meters*", zn, 12, 3, "m");
    Write_PY_Real_Line("Pile Diameter", v.b, 12, 3, m.LabelLength);
    Write_PY_Real_Line("Pile Diameter in meters ", bm, 12, 3, "m");
    Write_PY_Real_Line("Avg. Eff. Unit Weight          ", gamma, 12, 5, m.LabelUnitWeight);
    if (us) Write_PY_Real_Line("Avg. Eff. Unit Weight          ", gamma * 1728.0, 12, 5, "pcf");
    Write_PY_Real_Line("A ", curve.A, 12, 5, nullptr);
    Write_PY_Real_Line("B ", curve.B, 12, 5, nullptr);
    Write_PY_Real_Line("C ", curve.C, 12, 5, nullptr);
    Write_PY_Real_Line("Pd", curve.Pd, 12, 5, nullptr);
    Write_PY_Force_Line("Upper limit Pu", curve.pu, 3);
    Write_PY_Real_Line("Yu ", curve.yu, 12, 5, m.LabelLength);
    Write_PY_Multipliers(v.pm, v.ym);
    if (L >= 2) {
        WriteLine("The depth of the p-y curve was equated to the initial vertical stress divided ");
        WriteLine("by 10 kN/m3, as recommended by Rollins, et al. (2005)");
    }
    if (zn > k_Recommended_Depth_m) {
        WriteLine("NOTE: The normalized depth of the p-y curve is deeper than the depth of ");
        WriteLine("6.0 meters recommended by Rollins, et al. (2005)");
    }
    Write_PY_Table_Heading_After(12);
    Print_Tabulated_PY_Curve(k_PY_Curve_Liquefied_Sand, k, v, k_PY_Rows_Numbers,
                             [&](int j) { return Liquefied_Sand_Table_Deflection(curve, j, m.IUNITS); },
                             [&](double y_prime) { return Liquefied_Sand_P(curve, y_prime); });
    WriteLine("");
}

bool Liquefied_Sand_At_Node(int L, int k, const PYNodeValues& v, bool print, PYNodeModulus& out) {
    const AnalysisModel& m = g_Model;
    const double bm = m.IUNITS == k_Units_US ? v.b * k_Metres_Per_Inch : v.b;
    const double gamma = AverageUnitWeightAbove(v.z);
    if (m.ErrorStatus != 0) return false;
    const double zn = Liquefied_Sand_Normalized_Depth(v.zg, gamma, L == 1, m.IUNITS);
    const LiquefiedSandCurve curve = Liquefied_Sand_Curve(bm, zn, m.IUNITS);
    if (print) {
        Print_Liquefied_Sand_Curve(L, k, v, bm, gamma, zn, curve);
        return true;
    }
    // the upper limit goes to the layer integral, for the equivalent depth of the layers below
    out.pu = curve.pu;
    out.Es = v.pm * Liquefied_Sand_Secant(curve, v.y_prime) / v.ym;
    return true;
}

// Liquefied sand takes part in soil movement and keeps the integral of its upper limit.
constexpr PYCriterion k_Liquefied_Sand = {
    nullptr, 0, 0, true, k_PY_Trapezoid_Integral, false,
    Begin_Layer_Taking_Missing_Cycles_As_One, Liquefied_Sand_At_Node};

}  // namespace

double Liquefied_Sand_Diameter_Factor(double bm) {
    if (bm > k_Reference_Width) return k_Pd_Slope * std::log(bm) + k_Pd_Intercept;
    return bm / k_Reference_Width;
}

double Liquefied_Sand_Normalized_Depth(double zg, double gamma, bool first_layer, int units) {
    const bool us = units == k_Units_US;
    if (first_layer) return us ? zg * k_Metres_Per_Inch : zg;
    // Below another layer the depth is the vertical effective stress over 10 kN/m3.
    if (us) return gamma * zg / k_Pci_For_10_kN_M3 * k_Metres_Per_Inch;
    return zg * gamma / 10.0;
}

LiquefiedSandCurve Liquefied_Sand_Curve(double bm, double zn, int units) {
    LiquefiedSandCurve s{};
    const bool us = units == k_Units_US;
    s.mm_per_length = us ? k_Mm_Per_Inch : 1000.0;
    // General units have no conversion of the dimensional law: no resistance.
    s.p_per_kN_per_m = us ? k_Lb_In_Per_kN_M : (units == k_Units_SI ? 1.0 : 0.0);
    s.Pd = Liquefied_Sand_Diameter_Factor(bm);
    s.A = k_A_Factor * std::pow(1.0 + zn, k_A_Exponent);
    s.B = k_B_Factor * std::pow(1.0 + zn, k_B_Exponent);
    s.C = k_C_Factor * std::pow(1.0 + zn, k_C_Exponent);
    s.p150 = s.A * std::pow(k_Reference_Deflection_mm * s.B, s.C);
    const double pcap = std::min(s.p150, k_Cap_kN_M);
    s.pu = s.Pd * pcap * s.p_per_kN_per_m;
    s.capped = !(s.p150 < k_Cap_kN_M);
    if (!s.capped) {
        s.yu = us ? k_Reference_Deflection_mm / k_Mm_Per_Inch : k_Uncapped_Yu_m;
    } else {
        // The reference deflection at which A (B y)^C reaches 15 kN/m.
        const double ymm = std::exp(std::log(k_Cap_kN_M / s.A) / s.C - std::log(s.B));
        s.yu = us ? ymm / k_Mm_Per_Inch : ymm / 1000.0;
    }
    return s;
}

double Liquefied_Sand_P(const LiquefiedSandCurve& s, double y_prime) {
    const double p = s.Pd * s.p_per_kN_per_m * s.A * std::pow(s.mm_per_length * s.B * y_prime, s.C);
    return std::min(p, s.pu);
}

double Liquefied_Sand_Secant(const LiquefiedSandCurve& s, double y_prime) {
    const double smallest = k_Smallest_Deflection_mm / s.mm_per_length;
    const double y = std::max(y_prime, smallest);
    return Liquefied_Sand_P(s, y) / y;
}

double Liquefied_Sand_Table_Deflection(const LiquefiedSandCurve& s, int j, int units) {
    if (s.capped) {
        if (j == k_PY_Print_Points) return k_Beyond_Yu * s.yu;
        if (j == k_PY_Print_Points - 1) return s.yu;
        return (j - 1) * s.yu / 15.0;
    }
    return units == k_Units_US ? k_US_Table[j] : k_SI_Table[j];
}

void PY_LiquefiedSand(int L, bool print) { Run_PY_Criterion(L, print, k_Liquefied_Sand); }
