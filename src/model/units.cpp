// Unit labels per unit system and the US customary input conversion.
#include "model/units.h"

#include <cstring>

#include "model/model.h"
#include "model/soil_types.h"

namespace {

// Copies text into a label of the given width, padding with blanks on the right.
template <std::size_t N>
void Set_Label(char (&label)[N], const char* text) {
    constexpr std::size_t width = N - 1;
    std::memset(label, ' ', width);
    const std::size_t n = std::strlen(text);
    std::memcpy(label, text, n < width ? n : width);
    label[width] = '\0';
}

struct UnitLabels {
    const char* length;
    const char* force_per_length;
    const char* subgrade_modulus;
    const char* length_large;
    const char* length_small;
    const char* force;
    const char* moment;
    const char* unit_weight_input;
    const char* unit_weight;
    const char* stress_large;
    const char* stress;
};

constexpr UnitLabels k_Labels[4] = {
    {"", "", "", "", "", "", "", "", "", "", ""},
    {"in", "lb/in", "pci", "ft", "in", "lbs", "in-lb", "pcf", "pci", "psf", "psi"},
    {"m", "kN/m", "kN/m3", "m", "mm", "kN", "kN-m", "kN/m3", "kN/m3", "kPa", "kPa"},
    {"L", "F/L", "F/L3", "L", "L", "F", "F-L", "F/L3", "F/L3", "F/L2", "F/L2"},
};

}  // namespace

void Set_Unit_Labels() {
    AnalysisModel& m = g_Model;
    const int u = (m.IUNITS >= k_Units_US && m.IUNITS <= k_Units_General) ? m.IUNITS : 0;
    const UnitLabels& l = k_Labels[u];
    Set_Label(m.LabelLength, l.length);
    Set_Label(m.LabelForcePerLength, l.force_per_length);
    Set_Label(m.LabelSubgradeModulus, l.subgrade_modulus);
    Set_Label(m.LabelLengthLarge, l.length_large);
    Set_Label(m.LabelLengthSmall, l.length_small);
    Set_Label(m.LabelForce, l.force);
    Set_Label(m.LabelMoment, l.moment);
    Set_Label(m.LabelUnitWeightInput, l.unit_weight_input);
    Set_Label(m.LabelUnitWeight, l.unit_weight);
    Set_Label(m.LabelStressLarge, l.stress_large);
    Set_Label(m.LabelStress, l.stress);
    Set_Label(m.LabelSlash, "/");
    Set_Label(m.LabelDash, "-");
    Set_Label(m.LabelPower, "**");
    Set_Label(m.LabelExp2, "2");
    Set_Label(m.LabelExp3, "3");
    Set_Label(m.LabelExp4, "4");
}

void ConvertUSCustomaryInput() {
    AnalysisModel& m = g_Model;
    if (m.IUNITS != k_Units_US || m.b_USCustomaryConverted != 0) return;
    m.b_USCustomaryConverted = -1;

    // Feet to inches. Whole tables are converted, used or not, so that no entry is left in feet.
    m.PileLength *= 12.0;
    m.XGroundSurface *= 12.0;
    for (int k = 1; k <= k_Max_Soil_Points; ++k) {
        m.XSoilPoint[k] *= 12.0;
        m.XUnitWeightPoint[k] *= 12.0;
        m.XPYModifier[k] *= 12.0;
        m.UserPYDepth[k] *= 12.0;
    }
    for (int L = 1; L <= k_Max_Layers; ++L) {
        m.XLayerTop[L] *= 12.0;
        m.XLayerBottom[L] *= 12.0;
    }
    for (int j = 1; j <= k_Max_Soil_Movement_Points; ++j) m.XSoilMovement[j] *= 12.0;
    // LRFD distributed-load depths are input in feet, as their echo column says.
    for (int g = 1; g <= m.NumLrfdLoads && g <= k_Max_Lrfd_Loads; ++g) {
        for (int j = 1; j <= m.NumLrfdDistPoints[g] && j <= k_Max_Lrfd_Dist_Points; ++j) m.XLrfdDist[j][g] *= 12.0;
    }
    for (int j = 1; j <= k_Max_Section_Points; ++j) m.XSectionPoint[j] *= 12.0;
    for (int j = 1; j <= m.NumPYOutputDepths && j <= k_Max_PY_Output_Depths; ++j) {
        m.XPYOutputDepth[j] *= 12.0;
    }
    for (int s = 1; s <= k_Max_Sections; ++s) {
        m.SectionLength[s] *= 12.0;
        m.XSectionTop[s] *= 12.0;
        m.XSectionBottom[s] *= 12.0;
    }

    // psf to psi, except the rock strengths of weak rock and vuggy limestone, input in psi.
    for (int k = 1; k <= k_Max_Soil_Points; ++k) {
        const int L = (k + 1) / 2;
        const bool rock_in_psi = L <= m.i_Number_of_Layers &&
                                 (m.i_SoilLayer_py_Type[L] == k_Soil_WeakRock ||
                                  m.i_SoilLayer_py_Type[L] == k_Soil_VuggyLS);
        if (!rock_in_psi) m.StrengthAtPoint[k] /= 144.0;
    }
    // pcf to pci.
    for (int k = 1; k <= k_Max_Soil_Points; ++k) m.UnitWeightAtPoint[k] /= 1728.0;

    m.NumSectionPoints = 2 * m.NumSections;
}
