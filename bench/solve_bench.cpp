#include "engine/wall_model.h"

#include <benchmark/benchmark.h>

namespace torven {
namespace {

// A 30 m wall in 300 increments: stiffness over the whole wall, soil springs
// and a load below the excavation level, and one tieback-like held station.
WallModel typicalWall(int n) {
    WallModel wall;
    wall.reset(n, 30.0 / n);
    RangeDistributor dist(wall);
    RangeForm form{};
    RangeValues stiff;
    stiff.ei = 2.0e5;
    dist.add(0, n, 0, stiff, form);
    RangeValues soil;
    soil.s = 4.0e3;
    soil.q = 1.5;
    soil.p = -50.0;
    RangeDistributor loads(wall);
    loads.add(n / 3, n, 0, soil, form);
    wall.addRestraint(1, n / 10, 0.0, 0.0);
    wall.Qw = wall.Q;
    wall.Sw = wall.S;
    return wall;
}

void BM_Solve(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    WallModel wall = typicalWall(n);
    for (auto _ : state) {
        SolveCounts counts = wall.solve(1.0, 1e-6);
        benchmark::DoNotOptimize(counts);
        benchmark::DoNotOptimize(wall.W.data());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * (n + 1));
}
BENCHMARK(BM_Solve)->Arg(300);

}  // namespace
}  // namespace torven
