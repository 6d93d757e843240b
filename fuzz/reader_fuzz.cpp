// libFuzzer harness of the input reader: arbitrary bytes become the input data file, read from
// the tag line through ReadInputData into a freshly initialized model, exactly as a run reads
// it. Besides crashes and sanitizer reports, the harness traps when the reader leaves a count
// outside its table's capacity, which no sanitizer would see.
#include <cstdint>
#include <cstdio>

#include "engine/run_files.h"
#include "input/line_reader.h"
#include "input/reader.h"
#include "model/model.h"

namespace {

bool Within(int count, int low, int high) { return count >= low && count <= high; }

// Every count the reader stores must index its table safely.
bool Counts_Within_Capacity() {
    const AnalysisModel& m = g_Model;
    bool ok = Within(m.i_Number_of_Layers, 0, k_Max_Layers) &&
              Within(m.NumStrengthPoints, 0, k_Max_Soil_Points) &&
              Within(m.NumUnitWeightPoints, 0, k_Max_Soil_Points) &&
              Within(m.NumLoadCases, 0, k_Max_Load_Cases) &&
              Within(m.NumDistLoadPoints, 0, k_Max_Dist_Load_Points) &&
              Within(m.NumLrfdLoads, 0, k_Max_Lrfd_Loads) &&
              Within(m.NumLrfdCombinations, 0, k_Max_Lrfd_Combinations) &&
              Within(m.NumSoilMovementPoints, 0, k_Max_Soil_Movement_Points) &&
              Within(m.NumPYModifierPoints, 0, k_Max_PY_Modifier_Points) &&
              Within(m.NumTipShearPoints, 0, k_Max_Tip_Shear_Points) &&
              Within(m.NumPYOutputDepths, 0, k_Max_PY_Output_Depths) &&
              Within(m.NumEIThrusts, 0, k_Max_EI_Thrusts) &&
              Within(m.NumSections, 0, k_Max_Sections);
    for (int k = 1; k <= k_Max_Soil_Points; ++k) {
        ok = ok && Within(m.NumUserPYPoints[k], 0, k_Max_User_PY_Points);
    }
    for (int g = 1; g <= k_Max_Lrfd_Loads; ++g) {
        ok = ok && Within(m.NumLrfdDistPoints[g], 0, k_Max_Lrfd_Dist_Points);
    }
    for (int s = 1; s <= k_Max_Sections; ++s) {
        ok = ok && Within(m.NumBars[s], 0, k_Max_Bars) &&
             Within(m.NumConcreteCurvePoints[s], 0, k_Max_Concrete_Curve_Points) &&
             Within(m.i_NumMEIThrusts[s], 0, k_Max_MEI_Thrusts);
        for (int b = 1; b <= k_Max_MEI_Thrusts; ++b) {
            ok = ok && Within(m.i_NumMEIPoints[b][s], 0, k_Max_MEI_Points);
        }
    }
    // A stored soil type or LRFD load type is used as an index by later Parts.
    for (int L = 1; L <= m.i_Number_of_Layers; ++L) {
        ok = ok && Within(m.i_SoilLayer_py_Type[L], 1, k_Num_Soil_Types);
    }
    for (int g = 1; g <= m.NumLrfdLoads; ++g) {
        ok = ok && Within(m.LrfdLoadType[g], 1, k_Num_Lrfd_Load_Types);
    }
    for (int s = 1; s <= m.NumSections; ++s) {
        ok = ok && Within(m.SectionType[s], 0, 14);
    }
    return ok;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // An empty file never reaches the reader: the run stops at its size check.
    if (size == 0) return 0;
    Initialize_Model();
    g_Model.InputFile = fmemopen(const_cast<uint8_t*>(data), size, "rb");
    g_Model.ReportFile = std::fopen("/dev/null", "w");
    g_Model.MessageFile = std::fopen("/dev/null", "w");
    if (g_Model.InputFile == nullptr || g_Model.ReportFile == nullptr ||
        g_Model.MessageFile == nullptr) {
        Close_Run_Files();
        return 0;
    }
    char tag[8];
    Read_Format_Tag(tag);
    // The reader runs whatever the tag, so that every input exercises it.
    ReadInputData();
    // After a raise the run ends, so only a clean read must leave the model consistent.
    if (g_Model.ErrorStatus == 0 && !Counts_Within_Capacity()) __builtin_trap();
    Close_Run_Files();
    return 0;
}
