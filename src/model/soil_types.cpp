// Soil type code table of the initial state.
#include "model/soil_types.h"

#include "model/capacities.h"

namespace {

struct SoilTypeEntry {
    const char* code;   // eight characters and two blanks; "Undefined" has nine and one blank
    const char* name;   // long name, at most 34 characters
};

constexpr SoilTypeEntry k_Soil_Types[k_Num_Soil_Types + 1] = {
    {"", ""},
    {"SoftClay  ", "Soft Clay"},
    {"StfClyBW  ", "Stiff Clay with Free Water"},
    {"StfClyAW  ", "Stiff Clay w/o Free Water"},
    {"StfClyAK  ", "Stiff Clay w/o Free Water, using k"},
    {"Sand      ", "Sand (Reese, et al.)"},
    {"API Sand  ", "API Sand"},
    {"Liq Sand  ", "Liquefied Sand"},
    {"WeakRock  ", "Weak Rock"},
    {"Vuggy LS  ", "Vuggy Limestone"},
    {"Piedmont  ", "Piedmont Residual"},
    {"Cem Silt  ", "Cemented Silt"},
    {"KS Loess  ", "Loess"},
    {"Elast SG  ", "Elastic Subgrade"},
    {"User p-y  ", "User Input p-y Curves"},
    {"SoftClyJ  ", "Soft Clay with User-defined J"},
    {"MassRock  ", "Massive Rock"},
    {"Frz Soil  ", "Frozen Soil"},
    {"Undefined ", ""},
    {"Undefined ", ""},
    {"Undefined ", ""},
};

}  // namespace

const char* Soil_Type_Code_Text(int type) {
    return type >= 1 && type <= k_Num_Soil_Types ? k_Soil_Types[type].code : "";
}

const char* Soil_Type_Name_Text(int type) {
    return type >= 1 && type <= k_Num_Soil_Types ? k_Soil_Types[type].name : "";
}
