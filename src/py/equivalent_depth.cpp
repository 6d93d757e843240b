// Equivalent layer-top depths from the integral of ultimate resistance above a layer.
#include "py/equivalent_depth.h"

#include <cmath>

#include "model/model.h"
#include "model/soil_types.h"
#include "py/sand_factors.h"
#include "py/stiff_clay_factors.h"

namespace {

constexpr double k_Negligible_Fu = 0.009999999776482582;   // 0.01 (s)
constexpr double k_Cyclic_Clay = 0.7200000286102295;       // 0.72 (s)
constexpr double k_Flow_Factor = 0.8799999952316284;       // 0.88 (s)
constexpr double k_Huge_Fa = 1e20;
constexpr int k_Stiff_Clay_Steps = 50;
constexpr int k_Sand_Steps = 500;

double Soft_Clay_Top(double Fa, const EquivalentTopInputs& in) {
    const double b = in.b, c = in.c, g = in.gamma, J = in.J;
    const double zt = 6.0 * b * c / (J * c + g * b);
    const double Pd = 9.0 * c * b * (in.cyclic ? k_Cyclic_Clay : 1.0);
    const double Ft = in.cyclic
                          ? k_Cyclic_Clay * (1.5 * zt * b * c + c * zt * zt / 6.0 + zt * zt * b * g / 3.0)
                          : zt * (3.0 * c * b + J * g * b * zt + 0.25 * c * zt);
    if (Fa > Ft) return zt + (Fa - Ft) / Pd;
    // Above the transition depth static and cyclic loading share one quadratic.
    const double a = 0.25 * c + 0.5 * b * g;
    const double B = 3.0 * b * c;
    return (std::sqrt(B * B + 4.0 * a * Fa) - B) * 0.5 / a;
}

double Stiff_Clay_Free_Water_Top(double Fa, const EquivalentTopInputs& in) {
    const double b = in.b, c = in.c, ca = in.ca, g = in.gamma;
    const double k283 = 2.8299999237060547;   // 2.83 (s)
    const double zt = (11.0 * c - 2.0 * ca) * b / (g * b + k283 * ca);
    const double dz = zt / k_Stiff_Clay_Steps;
    double S = 0.0;
    double f = 0.0;
    for (int i = 1; i <= k_Stiff_Clay_Steps; ++i) {
        const double zi = i * dz;
        const double r = zi / b;
        const double As = StiffClayAs(r);
        const double Ac = StiffClayAc(r);
        f = in.cyclic ? 0.9359999895095825 * Ac - 0.41819998621940613 * As    // 0.936, 0.4182 (s)
                      : 0.5 * std::sqrt(6.0 * As) - 0.41100001335144043 - 0.75 * As;  // 0.411 (s)
        const double pct = (2.0 * ca + g * zi) * b + k283 * zi * ca;
        const double S_prev = S;
        S += dz * f * pct;
        if (S > Fa) return zi - dz * (S - Fa) / (S - S_prev);
    }
    return zt + (Fa - S) / (11.0 * c * f * b);
}

double Stiff_Clay_No_Free_Water_Top(double Fa, const EquivalentTopInputs& in) {
    const double b = in.b, c = in.c, ca = in.ca, g = in.gamma;
    const double zt = (9.0 * c - 3.0 * ca) * b / (0.5 * ca + g * b);
    const double Ft = zt * ((0.25 * zt + 3.0 * b) * ca + 0.5 * g * zt * b);
    if (Fa > Ft) return zt + (Fa - Ft) / (9.0 * b * c);
    const double a = 0.25 * ca + 0.5 * g * b;
    const double B = 3.0 * ca * b;
    return (std::sqrt(B * B + 4.0 * a * Fa) - B) / (2.0 * a);
}

// Sand (trapezoid integration of the wedge resistance) and cemented silt (end-of-step values
// with the cohesive part added).
double Sand_Or_Silt_Top(double Fa, const EquivalentTopInputs& in, bool silt) {
    const double b = in.b, g = in.gamma, c = in.c;
    const double C1 = std::tan(in.beta) *
                      (in.Kp * std::tan(in.alpha) +
                       in.K0 * (std::tan(in.phi) * std::sin(in.beta) * (1.0 / std::cos(in.alpha) + 1.0) -
                                std::tan(in.alpha)));
    const double C2 = in.Kp - in.Ka;
    const double C3 = in.Kp * in.Kp * (in.Kp + in.K0 * std::tan(in.phi)) - in.Ka;
    const double zt = b * (C3 - C2) / C1;
    const double dz = zt / k_Sand_Steps;
    const double* X = Sand_Table_Ratios();
    const double* Arow = Sand_Table_Row(in.cyclic ? k_Sand_A_Cyclic : k_Sand_A_Static);
    double S = 0.0;
    double p_prev = 0.0;
    for (int i = 1; i <= k_Sand_Steps; ++i) {
        const double zi = i * dz;
        const double A = TableAtRatio(zi, b, X, Arow);
        const double wedge = A * g * (C1 * zi * zi + C2 * b * zi);
        const double S_prev = S;
        if (silt) {
            S += ((g * b + 0.5 * c) * zi + 3.0 * b * c + wedge) * dz;
        } else {
            S += (p_prev + wedge) * dz / 2.0;
        }
        if (S > Fa) return zi - dz * (S - Fa) / (S - S_prev);
        p_prev = wedge;
    }
    const double flow = k_Flow_Factor * C3 * g * b * in.zg;
    return zt + (Fa - S) / (silt ? flow + 9.0 * b * c : flow);
}

bool Uses_Equivalent_Depth(int soil_type) {
    switch (soil_type) {
        case k_Soil_SoftClay: case k_Soil_SoftClyJ: case k_Soil_StfClyBW: case k_Soil_StfClyAW:
        case k_Soil_StfClyAK: case k_Soil_Sand: case k_Soil_APISand: case k_Soil_CemSilt:
            return true;
        default:
            return false;
    }
}

}  // namespace

bool Equivalent_Top_For(int soil_type, double Fa, const EquivalentTopInputs& in, double& top) {
    switch (soil_type) {
        case k_Soil_SoftClay:
        case k_Soil_SoftClyJ: top = Soft_Clay_Top(Fa, in); return true;
        case k_Soil_StfClyBW: top = Stiff_Clay_Free_Water_Top(Fa, in); return true;
        case k_Soil_StfClyAW:
        case k_Soil_StfClyAK: top = Stiff_Clay_No_Free_Water_Top(Fa, in); return true;
        case k_Soil_Sand:
        case k_Soil_APISand: top = Sand_Or_Silt_Top(Fa, in, false); return true;
        case k_Soil_CemSilt: top = Sand_Or_Silt_Top(Fa, in, true); return true;
        default: return false;
    }
}

EquivalentTopInputs Clay_Top_Inputs(double b, double c, double ca, double gamma, double J,
                                    double zg, bool cyclic) {
    EquivalentTopInputs in{};
    in.b = b;
    in.c = c;
    in.ca = ca;
    in.gamma = gamma;
    in.J = J;
    in.zg = zg;
    in.cyclic = cyclic;
    return in;
}

void ComputeEquivalentTop(int L, const EquivalentTopInputs& in) {
    AnalysisModel& m = g_Model;
    for (int i = 1; i < L; ++i) {
        // Liquefied sand keeps even a negligible integral.
        if (m.Fu_Layer[i] < k_Negligible_Fu && m.i_SoilLayer_py_Type[i] != k_Soil_LiqSand) {
            m.Fu_Layer[i] = 0.0;
        }
    }
    double Fa = 0.0;
    for (int i = 1; i < L; ++i) {
        Fa += m.Fu_Layer[i];
        if (Fa > k_Huge_Fa) Fa = 100.0;
    }
    double top = 0.0;
    if (Equivalent_Top_For(m.i_SoilLayer_py_Type[L], Fa, in, top)) m.XEquivalentTop[L] = top;
}

double Depth_For_Ultimate_Resistance(int L, double z, bool first_node, bool print,
                                     const EquivalentTopInputs& in) {
    AnalysisModel& m = g_Model;
    double zu = z - m.XGroundSurface;
    if (L >= 2) {
        const int type = m.i_SoilLayer_py_Type[L];
        const bool rock_above = print ? m.b_BelowRockLayer[L] != 0 : m.i_RockLayersAbove != 0;
        if (!print && first_node && !rock_above && Uses_Equivalent_Depth(type)) {
            // Reese sand keeps the equivalent depth of its first computation for the whole run.
            if (type != k_Soil_Sand || m.XEquivalentTop[L] == k_No_Equivalent_Top) {
                ComputeEquivalentTop(L, in);
            }
        }
        if (!rock_above) zu = z - m.rd_LayerTop[L] + m.XEquivalentTop[L];
        // A profile whose first or second layer ends above the pile head measures from layer 1.
        if (m.XLayerBottom[1] < -1e-8 || m.XLayerBottom[2] < -1e-8) zu = z - m.rd_LayerTop[1];
    }
    return zu;
}
