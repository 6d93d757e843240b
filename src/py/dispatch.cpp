// Dispatch by soil type and the pass over the layers. Layers are always processed from the top
// down: a layer's equivalent depth uses the Fu_Layer values of the layers above it from the
// same pass, and the rock-layer count decides whether it may be used at all.
#include "py/dispatch.h"

#include "model/model.h"
#include "model/soil_types.h"
#include "py/criteria.h"

namespace {

// A layer's criterion: sets the moduli of layer L or prints its curves.
using Criterion = void (*)(int L, bool print);

// The criterion of a soil type, or null where none is built.
Criterion Criterion_Of(int soil_type) {
    switch (soil_type) {
        case k_Soil_SoftClay: return PY_SoftClay;
        case k_Soil_SoftClyJ: return PY_SoftClayJ;
        case k_Soil_StfClyBW: return PY_StiffClayFreeWater;
        case k_Soil_StfClyAW: return PY_StiffClayNoFreeWater;
        case k_Soil_StfClyAK: return PY_StiffClayNoFreeWaterK;
        case k_Soil_Sand: return PY_Sand;
        case k_Soil_APISand: return PY_APISand;
        case k_Soil_LiqSand: return PY_LiquefiedSand;
        case k_Soil_CemSilt: return PY_CementedSilt;
        case k_Soil_KSLoess: return PY_Loess;
        case k_Soil_Piedmont: return PY_Piedmont;
        case k_Soil_WeakRock: return PY_WeakRock;
        case k_Soil_VuggyLS: return PY_VuggyLimestone;
        case k_Soil_MassRock: return PY_MassiveRock;
        case k_Soil_ElastSG: return PY_ElasticSubgrade;
        case k_Soil_UserPY: return PY_UserCurves;
        default: return nullptr;
    }
}

}  // namespace

bool Has_Criterion(int soil_type) { return Criterion_Of(soil_type) != nullptr; }

void UpdateLayerSoilModuli(int L, bool print) {
    const Criterion criterion = Criterion_Of(g_Model.i_SoilLayer_py_Type[L]);
    // no criterion for this soil type: the moduli stay as they are
    if (criterion != nullptr) criterion(L, print);
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
        UpdateLayerSoilModuli(L, false);
        if (m.ErrorStatus != 0) return;
        Update_Rock_Layer_Bookkeeping(L);
    }
}

void Update_Vuggy_Limestone_Layers() {
    AnalysisModel& m = g_Model;
    m.i_RockLayersAbove = 0;
    for (int L = 1; L <= m.i_Number_of_Layers; ++L) {
        if (m.i_TopNodeInLayer[L] == 0 || m.i_SoilLayer_py_Type[L] != k_Soil_VuggyLS) continue;
        UpdateLayerSoilModuli(L, false);
        if (m.ErrorStatus != 0) return;
        Update_Rock_Layer_Bookkeeping(L);
    }
}
