// The values a run analyses where they are not the problem as read (see run_values.h).
#include "input/run_values.h"

#include "model/model.h"

void Derive_Run_Values() {
    AnalysisModel& m = g_Model;
    m.rd_PileLengthAnalysed = m.PileLength;
    const int n = m.i_Number_of_Layers;
    if (n >= 1 && n <= k_Max_Layers) {
        m.rd_LayerTop[1] = m.XGroundSurface;
        for (int L = 1; L < n; ++L) m.rd_LayerTop[L + 1] = m.XLayerBottom[L];
    }
    m.b_RunValuesDerived = -1;
}
