// Time of the design loops on example 1: the preliminary strand design from a cleared pattern
// (growth, drape raising and the two full analyses) and one load-table case.
#include <benchmark/benchmark.h>

#include "bench/bench_support.h"

namespace {

void BM_DesignStrandPattern(benchmark::State& state) {
    kordel::bench::Session session;
    auto& doc = session.doc;
    doc->BuildExampleDesign(kordel::SeedSimpleSpan);
    doc->RunAnalysis();
    for (auto _ : state) {
        doc->DesignStrandPattern();
        benchmark::DoNotOptimize(doc->m_nStrandCount);
        session.host.ClearMessages();
    }
}

void BM_DesignLoadTableStrands(benchmark::State& state) {
    kordel::bench::Session session;
    auto& doc = session.doc;
    doc->BuildExampleDesign(kordel::SeedSimpleSpan);
    // The longest case of the example's load table: a 140 ft span.
    const double span = static_cast<double>(state.range(0));  // ft
    doc->m_dDesignSpan = doc->m_adSpanLength[1] = span;
    doc->m_dGirderLength = doc->m_dReleaseSpan = doc->m_adSpanGirderLength[1] = span + 1.0;
    doc->RunAnalysis();
    for (auto _ : state) {
        benchmark::DoNotOptimize(doc->DesignLoadTableStrands());
    }
}

BENCHMARK(BM_DesignStrandPattern)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DesignLoadTableStrands)->Arg(105)->Arg(140)->Unit(benchmark::kMillisecond);

}  // namespace
