// The conversion of US customary input to inches and pounds (see us_input.h).
#include "input/us_input.h"

#include "model/model.h"
#include "model/soil_types.h"
#include "model/units.h"

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
