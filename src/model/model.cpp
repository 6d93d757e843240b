// The one definition of the analysis model and its initial state.
#include "model/model.h"

#include <cstring>
#include <type_traits>

#include "model/soil_types.h"

static_assert(std::is_trivially_copyable<AnalysisModel>::value,
              "the model must stay plain data so that it can be cleared in place");

AnalysisModel g_Model;

void Initialize_Model() {
    // The model is megabytes: clear it in place rather than assigning a temporary. All-zero bytes
    // are 0 for every integer, 0.0 for every double, an empty text and a null file handle.
    std::memset(static_cast<void*>(&g_Model), 0, sizeof g_Model);
    Set_Soil_Type_Codes();
    // No equivalent depth has been computed for any layer yet.
    for (int L = 1; L <= k_Max_Layers; ++L) g_Model.XEquivalentTop[L] = k_No_Equivalent_Top;
}
