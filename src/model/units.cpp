// Unit labels per unit system.
#include "model/units.h"

#include <cstring>

#include "model/model.h"

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
