// Dispatch by soil type and the pass over the layers. Layers are always processed from the top
// down: a layer's equivalent depth uses the Fu_Layer values of the layers above it from the
// same pass, and the rock-layer count decides whether it may be used at all.
#include "py/dispatch.h"

#include "model/model.h"
#include "model/soil_types.h"
#include "py/criteria.h"

void UpdateLayerSoilModuli(int L) {
    switch (g_Model.i_SoilLayer_py_Type[L]) {
        case k_Soil_SoftClay: PY_SoftClay(L); break;
        case k_Soil_SoftClyJ: PY_SoftClayJ(L); break;
        case k_Soil_StfClyBW: PY_StiffClayFreeWater(L); break;
        case k_Soil_StfClyAW: PY_StiffClayNoFreeWater(L); break;
        case k_Soil_StfClyAK: PY_StiffClayNoFreeWaterK(L); break;
        case k_Soil_Sand: PY_Sand(L); break;
        case k_Soil_APISand: PY_APISand(L); break;
        case k_Soil_LiqSand: PY_LiquefiedSand(L); break;
        case k_Soil_ElastSG: PY_ElasticSubgrade(L); break;
        case k_Soil_UserPY: PY_UserCurves(L); break;
        default: break;   // no criterion for this soil type: the moduli stay as they are
    }
}

void Update_Rock_Layer_Bookkeeping(int L) {
    AnalysisModel& m = g_Model;
    switch (m.i_SoilLayer_py_Type[L]) {
        case k_Soil_WeakRock:
            // Weak rock counts itself before it is marked.
            ++m.i_RockLayersAbove;
            m.b_BelowRockLayer[L] = -1;
            break;
        case k_Soil_VuggyLS:
        case k_Soil_MassRock:
        case k_Soil_Piedmont:
        case k_Soil_ElastSG:
            if (m.i_RockLayersAbove >= 1) m.b_BelowRockLayer[L] = -1;
            ++m.i_RockLayersAbove;
            break;
        case k_Soil_UserPY:
            break;
        default:
            if (m.i_RockLayersAbove >= 1) m.b_BelowRockLayer[L] = -1;
            break;
    }
}

void Update_Soil_Moduli_Pass() {
    AnalysisModel& m = g_Model;
    m.i_RockLayersAbove = 0;
    for (int L = 1; L <= m.i_Number_of_Layers; ++L) {
        if (m.i_TopNodeInLayer[L] == 0) continue;
        UpdateLayerSoilModuli(L);
        if (m.ErrorStatus != 0) return;
        Update_Rock_Layer_Bookkeeping(L);
    }
}
