// The reinforced concrete drilled shaft the section tests share: 36 in across, f'c 4000 psi,
// twelve 1-in2 bars of 1.128 in on a circle with 3 in of cover, fy 60000 psi, Es 29e6 psi, as the
// input leaves them in a US customary run.
#pragma once

#include "model/model.h"
#include "input/bar_placement.h"

inline void Use_Reinforced_Shaft(int s) {
    AnalysisModel& m = g_Model;
    m.SectionType[s] = 1;
    m.SectionDiameter[s] = 36.0;
    m.ConcreteStrength[s] = 4000.0;
    m.RebarYieldStress[s] = 60000.0;
    m.ReinforcementModulus[s] = 29.0e6;
    m.NumBars[s] = 12;
    for (int j = 1; j <= 12; ++j) {
        m.BarDiameter[j][s] = 1.128;
        m.BarArea[j][s] = 1.0;
    }
    PlaceBarsOnCircle(s, 36.0, 3.0, 1.128, 12, 1);
}
