// Time of a whole analysis of the example designs: as after an input command that changed the
// bridge, materials, loads or options (the moving-load analysis redone), and as after one that
// did not (the load effects kept); and the analysis with its report read, as when a report view
// is open (the text report and the girder summary are built at their first read).
#include <benchmark/benchmark.h>

#include "bench/bench_support.h"

namespace {

void RunExample(benchmark::State& state, bool loadEffectsDirty, bool readReport) {
    kordel::bench::Session session;
    session.NewExample(static_cast<int>(state.range(0)));
    auto& doc = session.doc;
    for (auto _ : state) {
        if (loadEffectsDirty) doc->m_bLoadEffectsDirty = 1;
        doc->RunAnalysis();
        if (readReport) benchmark::DoNotOptimize(doc->Report().data());
        benchmark::DoNotOptimize(doc->m_aServiceStress);
    }
}

void BM_RunAnalysis(benchmark::State& state) { RunExample(state, true, false); }
void BM_RunAnalysisLoadEffectsKept(benchmark::State& state) { RunExample(state, false, false); }
void BM_RunAnalysisReportRead(benchmark::State& state) { RunExample(state, true, true); }

BENCHMARK(BM_RunAnalysis)->Arg(1)->Arg(2)->Arg(3)->Arg(4)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RunAnalysisLoadEffectsKept)->Arg(1)->Arg(3)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RunAnalysisReportRead)->Arg(1)->Arg(3)->Unit(benchmark::kMicrosecond);

}  // namespace
