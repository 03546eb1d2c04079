// Time of a whole analysis of the example designs: as after an input command that changed the
// bridge, materials, loads or options (the moving-load analysis redone), and as after one that
// did not (the load effects kept).
#include <benchmark/benchmark.h>

#include "bench/bench_support.h"

namespace {

void RunExample(benchmark::State& state, bool loadEffectsDirty) {
    kordel::bench::Session session;
    session.NewExample(static_cast<int>(state.range(0)));
    auto& doc = session.doc;
    for (auto _ : state) {
        if (loadEffectsDirty) doc->m_bLoadEffectsDirty = 1;
        doc->RunAnalysis();
        benchmark::DoNotOptimize(doc->m_saReport.data());
    }
}

void BM_RunAnalysis(benchmark::State& state) { RunExample(state, true); }
void BM_RunAnalysisLoadEffectsKept(benchmark::State& state) { RunExample(state, false); }

BENCHMARK(BM_RunAnalysis)->Arg(1)->Arg(2)->Arg(3)->Arg(4)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RunAnalysisLoadEffectsKept)->Arg(1)->Arg(3)->Unit(benchmark::kMicrosecond);

}  // namespace
