// The section analysis of a 36-in reinforced concrete drilled shaft: slicing the section once,
// and the moment-curvature curves of 100 axial thrusts from tension to near the squash load,
// as the section step computes them (report lines go nowhere).
#include <benchmark/benchmark.h>

#include "model/model.h"
#include "model/units.h"
#include "input/bar_placement.h"
#include "section/capacities.h"
#include "section/moment_curvature.h"
#include "section/section_geometry.h"
#include "section/section_setup.h"
#include "section/section_lines.h"

namespace {

// 36-in shaft, f'c 4 ksi, 16 bars of 1.56 in2 with 3 in of cover, fy 60 ksi.
void Set_Shaft() {
    Initialize_Model();
    AnalysisModel& m = g_Model;
    m.IUNITS = k_Units_US;
    m.i_Analysis_Type = 3;
    m.NumSections = 1;
    m.SectionType[1] = 1;
    m.SectionDiameter[1] = 36.0;
    m.ConcreteStrength[1] = 4000.0;
    m.RebarYieldStress[1] = 60000.0;
    m.ReinforcementModulus[1] = 29.0e6;
    m.NumBars[1] = 16;
    for (int j = 1; j <= 16; ++j) {
        m.BarDiameter[j][1] = 1.41;
        m.BarArea[j][1] = 1.56;
    }
    PlaceBarsOnCircle(1, 36.0, 3.0, 1.41, 16, 1);
    Set_Section_Unit_Labels();
}

void BM_SliceShaft(benchmark::State& state) {
    Set_Shaft();
    Setup_Section_Values(1);
    for (auto _ : state) {
        Slice_Section(1);
        benchmark::DoNotOptimize(g_Model.rd_TotalConcreteArea);
    }
}
BENCHMARK(BM_SliceShaft)->Unit(benchmark::kMicrosecond);

void BM_ShaftCurves100Thrusts(benchmark::State& state) {
    Set_Shaft();
    AnalysisModel& m = g_Model;
    Setup_Section_Values(1);
    ComputeAxialCapacity();
    ComputeTensileCapacity();
    // From the tensile capacity's half to 90 % of the squash load, in 100 steps.
    const double low = 0.5 * m.rd_AxialCapTens;
    const double high = 0.9 * m.rd_AxialCapComp;
    for (auto _ : state) {
        m.i_NumTableThrusts = k_Max_EI_Thrusts;
        for (int t = 1; t <= k_Max_EI_Thrusts; ++t) {
            m.rd_TableThrust[t] = low + (high - low) * (t - 1) / (k_Max_EI_Thrusts - 1);
        }
        ComputeMomentCurvature(1);
        if (m.ErrorStatus != 0) {
            state.SkipWithError("the section analysis ended with an error");
            return;
        }
        benchmark::DoNotOptimize(m.rd_NominalMomentCap[50]);
    }
}
BENCHMARK(BM_ShaftCurves100Thrusts)->MeasureProcessCPUTime()->Unit(benchmark::kMillisecond);

}  // namespace
