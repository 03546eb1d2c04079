// Time of the design loops on example 1: the preliminary strand design from a cleared pattern
// (growth, drape raising and the two full analyses), one load-table case, the whole default load
// table, and the preliminary debonding design.
#include <benchmark/benchmark.h>

#include "bench/bench_support.h"
#include "bench/default_load_table.h"

namespace {

void BM_DesignStrandPattern(benchmark::State& state) {
    kordel::bench::Session session;
    auto& doc = session.doc;
    doc->BuildExampleDesign(kordel::SeedSimpleSpan);
    doc->RunAnalysis();
    const auto search = static_cast<kordel::DrapeSearch>(state.range(0));
    for (auto _ : state) {
        doc->DesignStrandPattern(search);
        benchmark::DoNotOptimize(doc->m_nStrandCount);
        session.host.ClearMessages();
    }
}

void BM_DesignLoadTableStrands(benchmark::State& state) {
    kordel::bench::Session session;
    auto& doc = session.doc;
    doc->BuildExampleDesign(kordel::SeedSimpleSpan);
    // The longest case of the example's load table: a 140 ft span.
    kordel::bench::SetLoadTableSpan(*doc, static_cast<double>(state.range(0)));
    doc->RunAnalysis();
    for (auto _ : state) {
        benchmark::DoNotOptimize(doc->DesignLoadTableStrands());
    }
}

void BM_DesignDefaultLoadTable(benchmark::State& state) {
    kordel::bench::Session session;
    auto& doc = session.doc;
    doc->BuildExampleDesign(kordel::SeedSimpleSpan);
    doc->RunAnalysis();
    const auto search = static_cast<kordel::DrapeSearch>(state.range(0));
    for (auto _ : state) {
        int cells = 0;
        kordel::bench::DesignDefaultLoadTable(
            *doc, search, [&](const kordel::bench::LoadTableCell&) { ++cells; });
        benchmark::DoNotOptimize(cells);
    }
}

void BM_DesignDebonding(benchmark::State& state) {
    kordel::bench::Session session;
    auto& doc = session.doc;
    doc->BuildExampleDesign(kordel::SeedSimpleSpan);
    // A release tension limit of -0.03 sqrt(f'ci) ksi, without the 0.2 ksi cap: the upper groups
    // tip the top fibre near the ends, so the search lengthens debonding section after section.
    doc->m_dReleaseTensionCoef = -0.03;
    doc->m_nReleaseTensionLimit = 0;
    doc->RunAnalysis();
    for (auto _ : state) {
        doc->DesignDebonding();
        benchmark::DoNotOptimize(doc->m_anDebondFlags[kordel::kDebondFlagEnd]);
        session.host.ClearMessages();
    }
}

// Argument 0 raises the draped strands by bisection, 1 by the row walk.
BENCHMARK(BM_DesignStrandPattern)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DesignLoadTableStrands)->Arg(105)->Arg(140)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DesignDefaultLoadTable)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DesignDebonding)->Unit(benchmark::kMillisecond);

}  // namespace
