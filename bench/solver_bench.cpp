// One linear solution of the pile at the largest discretization (500 increments, 501 nodes):
// the cost the nonlinear iteration pays per iteration. Nothing is allocated inside the loop.
#include <benchmark/benchmark.h>

#include "model/model.h"
#include "solver/beam_column.h"

namespace {

void Set_Pile() {
    Initialize_Model();
    AnalysisModel& m = g_Model;
    m.NumNodes = k_Max_Nodes;
    m.IncrementLength = 30.0 / (k_Max_Nodes - 1);
    for (int k = 1; k <= m.NumNodes; ++k) {
        m.XNode[k] = (k - 1) * m.IncrementLength;
        m.EI_Node[k] = 1.0e5;
        m.Es_Node[k] = 1.0e4 * (1.0 + m.XNode[k]);
    }
    m.AxialThrust = 500.0;
}

void BM_SolvePile501Nodes(benchmark::State& state) {
    Set_Pile();
    g_Model.i_HeadLoadType = static_cast<int>(state.range(0));
    g_Model.HeadShear = 100.0;
    g_Model.HeadDeflection = 0.01;
    int iteration = 0;
    for (auto _ : state) {
        SolvePile(++iteration);
        benchmark::DoNotOptimize(g_Model.DYMax);
    }
}
BENCHMARK(BM_SolvePile501Nodes)->Arg(1)->Arg(4)->Arg(5);

}  // namespace
