// Keyword dispatch of the input data file: each keyword line hands its section to the section's
// reader, TITLE is read here, and END closes the problem. The sections may come in any order and
// may repeat (a later one overwrites); the readers that depend on options expect OPTIONS first.
//
// Input data file after the tag line: { keyword line, section lines } ... END
#include "input/reader.h"

#include <cstring>

#include "engine/errors.h"
#include "engine/messages.h"
#include "input/auxiliary_profiles.h"
#include "input/input_errors.h"
#include "input/line_reader.h"
#include "input/loading.h"
#include "input/options.h"
#include "input/sections.h"
#include "input/soil_layers.h"
#include "model/model.h"

namespace {

// TITLE: five text lines.
void Read_Title() {
    Write_Message_Line("Reading title data");
    for (int i = 1; i <= k_Num_Title_Lines; ++i) {
        if (!Read_Title_Line(g_Model.TitleLine[i])) return;
    }
}

struct Keyword {
    const char* text;
    void (*read)();
};

constexpr Keyword k_Keywords[] = {
    {"TITLE", Read_Title},
    {"OPTIONS", ReadOptions},
    {"SECTIONS", ReadSections},
    {"SOIL LAYERS", ReadSoilLayers},
    {"LOADING", ReadLoading},
    {"LRFD LOADS", ReadLrfdLoads},
    {"LRFD FACTORS AND CASES", ReadLrfdFactors},
    {"SOIL MOVEMENTS", Read_Soil_Movements},
    {"GROUP EFFECT FACTORS", Read_Group_Effect_Factors},
    {"GROUPEFF", Read_Group_Effect_Factors},
    {"TIP SHEAR", Read_Tip_Shear},
    {"PILE BATTER AND SLOPE", Read_Batter_And_Slope},
    {"DEPTHS OF PRINTED P-Y CURVES", Read_PY_Output_Depths},
    {"AXIAL THRUST LOADS", Read_Axial_Thrust_Loads},
};

}  // namespace

int Section_Keyword_Count() { return static_cast<int>(sizeof k_Keywords / sizeof k_Keywords[0]); }

const char* Section_Keyword(int i) {
    return i >= 0 && i < Section_Keyword_Count() ? k_Keywords[i].text : nullptr;
}

void ReadInputData() {
    Write_Message_Line("Input of data begun");
    NameText line;
    for (;;) {
        if (!Read_Text_Line(line)) {
            if (g_Model.ErrorStatus == 0) Raise_End_Of_Input(nullptr);
            return;
        }
        // Trailing blanks are already gone, so an exact comparison is the comparison of the
        // 256-character field with the blank-padded keyword.
        const Keyword* found = nullptr;
        for (const Keyword& k : k_Keywords) {
            if (std::strcmp(line.data(), k.text) == 0) found = &k;
        }
        if (found != nullptr) {
            found->read();
            if (g_Model.ErrorStatus != 0) return;
            continue;
        }
        if (std::strcmp(line.data(), k_End_Keyword) == 0) break;
        Raise_Unrecognized_Line(line.data());
        return;
    }
    Derive_EI_Thrusts();
    Derive_Length_Study_Count();
}
