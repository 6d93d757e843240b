// Stress-strain laws and force integration of the section analysis. Concrete follows a parabola
// to its peak at eps0, a straight line down to 0.85 f'c at 0.0038 and is crushed beyond; in
// tension it follows the mirrored parabola until the modulus of rupture, after which the whole
// section's concrete carries no tension. Bars, casing and core steel are elastic-perfectly
// plastic; strands follow their grade's power-formula or bilinear law. US customary runs
// compute in ksi, SI runs in kPa (the empirical concrete and strand formulas are evaluated in
// ksi and converted).
#include "section/materials.h"

#include <array>
#include <cmath>

#include "model/model.h"
#include "model/section_types.h"
#include "model/units.h"

namespace {

constexpr double k_Ec_Factor = 57.0;                           // Ec = 57 sqrt(1000 f'c) (ksi)
constexpr double k_Rupture_Reinforced = 0.007499999832361937;  // 0.0075 (s)
constexpr double k_Rupture_Prestressed = 0.004000000189989805; // 0.004 (s)
constexpr double k_Peak_Strain_Factor = 1.7000000476837158;    // 1.7 (s)
constexpr double k_Descent_Fraction = 0.15000000596046448;     // 0.15 (s)
constexpr double k_Crushed_Stress = 0.0010000000474974513;     // 0.001 (s): crushed concrete
constexpr double k_Strand_Modulus = 28500.0;                   // ksi, strand laws 4-6
constexpr double k_Strand_Bar_Modulus = 29000.0;               // ksi, strand bar laws 7-9

bool Flag(int b) { return b != 0; }

double Slope_Sign(double eps) { return eps < 0.0 ? -1.0 : 1.0; }

// Stress of the positive branch of a strand law for eps >= 0 (ksi).
double Strand_Positive(int law, double eps, double fpy) {
    switch (law) {
        case 4:
            if (eps <= 0.007600000128149986) return k_Strand_Modulus * eps;   // 0.0076 (s)
            // 0.04 (s), 0.0064 (s)
            return std::fmin(250.0, 250.0 - 0.03999999910593033 / (eps - 0.006399999838322401));
        case 5:
            if (eps <= 0.00860000029206276) return k_Strand_Modulus * eps;    // 0.0086 (s)
            // 0.04 (s), 0.007 (s)
            return std::fmin(270.0, 270.0 - 0.03999999910593033 / (eps - 0.007000000216066837));
        case 6:
            if (eps <= 0.00888460036367178) return k_Strand_Modulus * eps;
            // 0.0835 (s), 0.0071 (s)
            return std::fmin(300.0, 300.0 - 0.08349999785423279 / (eps - 0.0071000000461936));
        case 7: return eps <= 0.005 ? k_Strand_Bar_Modulus * eps : 145.0;
        case 8: return eps <= 0.005517241379310344 ? k_Strand_Bar_Modulus * eps : 160.0;
        case 9: return eps <= fpy / k_Strand_Bar_Modulus ? k_Strand_Bar_Modulus * eps : fpy;
        default: return 0.0;
    }
}

// Stress of concrete in tension before the cracking test, or 0 once cracked (sets b_Cracked).
double Tension_Stress(double eps, bool all_cracked_test) {
    AnalysisModel& m = g_Model;
    if (Flag(m.b_Cracked)) return 0.0;
    const double sigma = Concrete_Tension_Stress(eps, m.rd_fc, m.rd_Eps0);
    if (m.rd_ft > sigma || (all_cracked_test && Flag(m.b_AllCracked))) {
        m.b_Cracked = -1;
        return 0.0;
    }
    return sigma;
}

// Sets b_Cracked when the extreme tension fibre, prestrain included, is beyond epsT.
void Test_Extreme_Fibre() {
    AnalysisModel& m = g_Model;
    const double eps_bottom =
        (m.rd_TrialNADepth - m.rd_Depth) * m.rd_CurrentCurvature + m.rd_PrestrainConcrete;
    if (eps_bottom < m.rd_EpsT) m.b_Cracked = -1;
}

double Limited(double stress, double limit, bool& limited) {
    limited = false;
    if (stress > limit) {
        limited = true;
        return limit;
    }
    if (stress < -limit) {
        limited = true;
        return -limit;
    }
    return stress;
}

using SliceValues = std::array<double, k_Num_Slices + 1>;

// The force one component carries over slices first to last: each slice's stress from its strain
// by the component's law, kept per slice, times the slice's area of the component, summed from
// the top down.
template <class StressLaw>
double Slice_Force(int first, int last, const SliceValues& area, SliceValues& stress, StressLaw law) {
    const SliceValues& strain = g_Model.rd_SliceStrain;
    double force = 0.0;
    for (int i = first; i <= last; ++i) {
        const double sigma = law(strain[i]);
        stress[i] = sigma;
        force += sigma * area[i];
    }
    return force;
}

}  // namespace

double Outer_Concrete_Stress(double eps, double fc, double eps0, double drop, double descent) {
    if (eps > k_Crush_Strain) return k_Crushed_Stress;
    const double x = eps / eps0;
    if (x < 1.0) return fc * (2.0 * x - x * x);
    return fc - (eps - eps0) / descent * drop;
}

double Core_Concrete_Stress(double eps, double fc, double eps0) {
    if (eps > k_Crush_Strain) return k_Crushed_Stress;
    const double x = eps / eps0;
    // Past twice eps0 the parabola would turn a compressive strain into tension.
    return std::fmax(0.0, fc * (2.0 * x - x * x));
}

double Modulus_Of_Rupture_Ksi(double fc, bool prestressed) {
    return -(prestressed ? k_Rupture_Prestressed : k_Rupture_Reinforced) * std::sqrt(1000.0 * fc);
}

double Concrete_Tension_Stress(double eps, double fc, double eps0) {
    const double x = std::fabs(eps / eps0);
    return -fc * (2.0 * x - x * x);
}

double Elastic_Plastic_Stress(double eps, double E, double Fy, bool& limited) {
    return Limited(E * eps, Fy, limited);
}

double Strand_Stress_Ksi(int law, double eps, double fpy) {
    return Slope_Sign(eps) * Strand_Positive(law, std::fabs(eps), fpy);
}

double Deformed_Bar_Fpy(int grade) {
    switch (grade) {
        case 1: return 157.0;
        case 3:
        case 5: return 160.0;
        default: return 150.0;
    }
}

double Strand_Modulus(int s) {
    const AnalysisModel& m = g_Model;
    const double stored = m.ReinforcementModulus[s];
    const bool si = m.IUNITS == k_Units_SI;
    if (!(stored > 0.0)) return si ? k_Strand_Modulus * k_Ksi_To_KPa : k_Strand_Modulus;
    const bool bar_type = m.i_StrandType[s] >= 3 && m.i_StrandType[s] <= 5;
    if (bar_type || m.IUNITS != k_Units_US) return stored;
    return stored / 1000.0;   // psi to ksi
}

int Reinforcement_Law_Of(int s) {
    const AnalysisModel& m = g_Model;
    if (!Is_Prestressed_Type(m.SectionType[s])) return 2;
    const int strand_type = m.i_StrandType[s];
    return strand_type >= 0 && strand_type <= 5 ? 4 + strand_type : 4;
}

void Set_Material_Constants(int s) {
    AnalysisModel& m = g_Model;
    const int type = m.SectionType[s];
    // Input stresses are psi in US customary runs; the section analysis works in ksi.
    const double scale = m.IUNITS == k_Units_US ? 0.001 : 1.0;
    const bool pipe = m.i_SectionModel == k_Model_Pipe;
    const bool prestressed = Is_Prestressed_Type(type);
    m.b_Prestressed = prestressed ? -1 : 0;
    m.i_ConcreteModel = pipe ? 1 : 2;
    m.i_CoreConcreteModel =
        m.i_SectionModel == k_Model_Cased_Core && Flag(m.b_FillCoreWithConcrete[s]) ? 2 : 1;
    m.i_ReinforcementLaw = Reinforcement_Law_Of(s);
    m.rd_fc = pipe ? 0.0 : m.ConcreteStrength[s] * scale;
    m.rd_fy = m.RebarYieldStress[s] * scale;
    m.rd_Es = m.ReinforcementModulus[s] * scale;
    if (prestressed) {
        m.rd_Es = Strand_Modulus(s);
        m.rd_fy = 0.0;
    }
    m.rd_StrandFpy = Deformed_Bar_Fpy(m.i_BarSize[1][s]);
    m.rd_CasingFy = (pipe ? m.PipeYieldStress[s] : m.CasingYieldStress[s]) * scale;
    m.rd_CasingE = (pipe ? m.PipeModulus[s] : m.CasingModulus[s]) * scale;
    m.rd_CoreFy = m.CoreYieldStress[s] * scale;
    m.rd_CoreE = m.CoreModulus[s] * scale;
    m.rd_PrestrainConcrete = 0.0;
    m.rd_PrestrainSteel = 0.0;
    SetConcreteConstants();
}

void SetConcreteConstants() {
    AnalysisModel& m = g_Model;
    if (m.i_ConcreteModel == 1) {
        m.rd_Ec = 0.0;
        return;
    }
    const bool si = m.IUNITS == k_Units_SI;
    if (si) {
        m.rd_fc /= k_Ksi_To_KPa;
        m.rd_fy /= k_Ksi_To_KPa;
        m.rd_Es /= k_Ksi_To_KPa;
    }
    m.rd_Ec = k_Ec_Factor * std::sqrt(1000.0 * m.rd_fc);
    m.rd_ft = Modulus_Of_Rupture_Ksi(m.rd_fc, Flag(m.b_Prestressed));
    m.rd_Eps0 = k_Peak_Strain_Factor * m.rd_fc / m.rd_Ec;
    m.rd_EpsT = -(1.0 - std::sqrt(m.rd_ft / m.rd_fc + 1.0)) * m.rd_Eps0;
    m.rd_fc015 = k_Descent_Fraction * m.rd_fc;
    m.rd_EpsDescent = k_Crush_Strain - m.rd_Eps0;
    if (si) {
        m.rd_fc *= k_Ksi_To_KPa;
        m.rd_fy *= k_Ksi_To_KPa;
        m.rd_Es *= k_Ksi_To_KPa;
        m.rd_Ec *= k_Ksi_To_KPa;
        m.rd_ft *= k_Ksi_To_KPa;
        m.rd_fc015 *= k_Ksi_To_KPa;
    }
}

double Compute_Concrete_Force() {
    AnalysisModel& m = g_Model;
    m.b_Cracked = 0;
    Test_Extreme_Fibre();
    // The constants in locals: the stores into the slice arrays could otherwise make every
    // slice read them from the model again.
    const double fc = m.rd_fc, eps0 = m.rd_Eps0, ft = m.rd_ft;
    const double drop = m.rd_fc015, descent = m.rd_EpsDescent;
    const bool all_cracked = Flag(m.b_AllCracked);
    bool cracked = Flag(m.b_Cracked);
    const double force = Slice_Force(1, k_Num_Slices, m.ConcreteSliceArea, m.ConcreteStress, [&](double eps) {
        if (eps > 0.0) return Outer_Concrete_Stress(eps, fc, eps0, drop, descent);
        if (cracked) return 0.0;
        // Tension on the mirrored parabola up to the modulus of rupture; once a slice cracks, so
        // does every slice below it.
        const double sigma = Concrete_Tension_Stress(eps, fc, eps0);
        if (ft > sigma || all_cracked) {
            cracked = true;
            return 0.0;
        }
        return sigma;
    });
    if (cracked) m.b_Cracked = -1;
    m.rd_ConcreteForce = force;
    return force;
}

double Compute_Concrete_Force_Inside_Core() {
    AnalysisModel& m = g_Model;
    if (m.i_CoreConcreteModel == 1 || m.b_FillCoreWithConcrete[m.i_CurrentSection] == 0) {
        for (int i = 1; i <= k_Num_Slices; ++i) m.CoreConcreteStress[i] = 0.0;
        m.rd_CoreConcreteForce = 0.0;
        return 0.0;
    }
    Test_Extreme_Fibre();
    const double fc = m.rd_fc, eps0 = m.rd_Eps0;
    const double force = Slice_Force(1, k_Num_Slices, m.CoreConcreteSliceArea, m.CoreConcreteStress, [&](double eps) {
        return eps <= 0.0 ? Tension_Stress(eps, false) : Core_Concrete_Stress(eps, fc, eps0);
    });
    m.rd_CoreConcreteForce = force;
    return force;
}

double Compute_Rebar_Force() {
    AnalysisModel& m = g_Model;
    const int law = m.i_ReinforcementLaw;
    const int first = m.i_FirstRebarSlice;
    const int last = m.i_LastRebarSlice;
    // Slices without bars or strands carry no reinforcement stress.
    for (int i = 1; i < first; ++i) m.RebarStress[i] = 0.0;
    for (int i = last + 1; i <= k_Num_Slices; ++i) m.RebarStress[i] = 0.0;
    double force = 0.0;
    if (law == 2) {
        // The yield flag looks at the strain of every slice, with or without bars; the strains
        // vary linearly with depth, so the end slices decide it.
        if (m.NumBars[m.i_CurrentSection] > 0) {
            bool limited_top = false, limited_bottom = false;
            Elastic_Plastic_Stress(m.rd_SliceStrain[1], m.rd_Es, m.rd_fy, limited_top);
            Elastic_Plastic_Stress(m.rd_SliceStrain[k_Num_Slices], m.rd_Es, m.rd_fy, limited_bottom);
            if (limited_top || limited_bottom) m.b_Yielded = -1;
        }
        const double Es = m.rd_Es, fy = m.rd_fy;
        force = Slice_Force(first, last, m.RebarSliceArea, m.RebarStress, [&](double eps) {
            bool limited = false;
            return Elastic_Plastic_Stress(eps, Es, fy, limited);
        });
    } else {
        const double to_section_units = m.IUNITS == k_Units_SI ? k_Ksi_To_KPa : 1.0;
        const double prestrain = m.rd_PrestrainSteel, fpy = m.rd_StrandFpy;
        force = Slice_Force(first, last, m.RebarSliceArea, m.RebarStress, [&](double eps) {
            return Strand_Stress_Ksi(law, eps + prestrain, fpy) * to_section_units;
        });
    }
    m.rd_RebarForce = force;
    return force;
}

double Compute_Casing_Force() {
    AnalysisModel& m = g_Model;
    const double E = m.rd_CasingE, fy = m.rd_CasingFy;
    double force = Slice_Force(1, k_Num_Slices, m.CasingSliceArea, m.CasingStress, [&](double eps) {
        bool limited = false;
        const double sigma = Elastic_Plastic_Stress(eps, E, fy, limited);
        if (limited) m.b_Yielded = -1;
        return sigma;
    });
    if (m.rd_CasingWall <= 0.0) force = 0.0;
    m.rd_CasingForce = force;
    return force;
}

double Compute_Core_Force() {
    AnalysisModel& m = g_Model;
    for (int i = 1; i <= k_Num_Slices; ++i) m.CoreStress[i] = 0.0;
    double force = 0.0;
    if (m.rd_CoreWall > 0.0 && m.i_CoreTopSlice > 0) {
        const double E = m.rd_CoreE, fy = m.rd_CoreFy;
        force = Slice_Force(m.i_CoreTopSlice, m.i_CoreBottomSlice, m.CoreSliceArea, m.CoreStress, [&](double eps) {
            bool limited = false;
            const double sigma = Elastic_Plastic_Stress(eps, E, fy, limited);
            if (limited) m.b_Yielded = -1;
            return sigma;
        });
    }
    m.rd_CoreForce = force;
    return force;
}

SectionComponents Components_Of(int model) {
    switch (model) {
        case k_Model_Pipe: return {false, true, false, false, false};
        case k_Model_Cased_Core: return {true, true, true, true, true};
        case k_Model_Cased:
        case k_Model_Micropile: return {true, true, true, false, false};
        case k_Model_Round_Core: return {true, false, true, true, true};
        case k_Model_Rectangle_Core: return {true, false, true, true, false};
        default: return {true, false, true, false, false};
    }
}

double Compute_Axial_Thrust_Force(double NA) {
    AnalysisModel& m = g_Model;
    const double phi = m.rd_CurrentCurvature;
    m.rd_TrialNADepth = NA;
    for (int i = 1; i <= k_Num_Slices; ++i) m.rd_SliceStrain[i] = (NA - m.rd_SliceDepth[i]) * phi;
    m.rd_ConcreteForce = m.rd_RebarForce = m.rd_CasingForce = 0.0;
    m.rd_CoreForce = m.rd_CoreConcreteForce = 0.0;
    const SectionComponents c = Components_Of(m.i_SectionModel);
    double total = 0.0;
    if (c.concrete) total += Compute_Concrete_Force();
    if (c.casing) total += Compute_Casing_Force();
    if (c.bars) total += Compute_Rebar_Force();
    if (c.core_steel) total += Compute_Core_Force();
    if (c.core_concrete) total += Compute_Concrete_Force_Inside_Core();
    m.rd_TotalAxialForce = total;
    return total;
}
