// Time of the design loops on example 1: the preliminary strand design from a cleared pattern
// (growth, drape raising and the two full analyses), one load-table case, the whole default load
// table, and the preliminary debonding design.
#include <benchmark/benchmark.h>

#include "bench/bench_support.h"
#include "bench/default_load_table.h"

namespace {

/// The drape search of argument 0 of a benchmark: 0 bisection, 1 the row walk.
kordel::DrapeSearch SearchOf(const benchmark::State& state) {
    return state.range(0) == 0 ? kordel::DrapeSearch::Bisection : kordel::DrapeSearch::RowWalk;
}

void BM_DesignStrandPattern(benchmark::State& state) {
    kordel::bench::Session session;
    kordel::CKordelDoc& doc = session.NewExample(kordel::SeedSimpleSpan);
    for (auto _ : state) {
        doc.DesignStrandPattern(SearchOf(state));
        benchmark::DoNotOptimize(doc.m_nStrandCount);
        session.host.ClearMessages();
    }
}

void BM_DesignLoadTableStrands(benchmark::State& state) {
    kordel::bench::Session session;
    kordel::CKordelDoc& doc = session.NewExample(kordel::SeedSimpleSpan);
    kordel::SetLoadTableSpan(doc, static_cast<double>(state.range(0)));
    doc.RunAnalysis();
    for (auto _ : state) {
        benchmark::DoNotOptimize(doc.DesignLoadTableStrands(kordel::kLoadTableBothChecks));
    }
}

void BM_DesignDefaultLoadTable(benchmark::State& state) {
    kordel::bench::Session session;
    kordel::CKordelDoc& doc = session.NewExample(kordel::SeedSimpleSpan);
    for (auto _ : state) {
        int cells = 0;
        kordel::bench::DesignDefaultLoadTable(
            doc, SearchOf(state), [&](const kordel::bench::LoadTableCell&) { ++cells; });
        benchmark::DoNotOptimize(cells);
    }
}

/// Counts the analyses a design loop runs: every analysis, full or shortened, combines the
/// service stresses once; only a full one works out the stations.
struct AnalysisCounter : kordel::AnalysisObserver {
    long analyses = 0;
    long full = 0;
    void OnStage(kordel::AnalysisStage stage) override {
        if (stage == kordel::AnalysisStage::CombineServiceStresses) ++analyses;
        if (stage == kordel::AnalysisStage::ComputeStations) ++full;
    }
};

/// "Generate" of the load-table tool on example 1 with the default settings: both spacings,
/// the filters of the rows, and the design put back and analysed again at the end.
void BM_GenerateDefaultLoadTables(benchmark::State& state) {
    kordel::bench::Session session;
    kordel::CKordelDoc& doc = session.NewExample(kordel::SeedSimpleSpan);
    const kordel::LoadTableRequest request = kordel::LoadTableRequestOf(kordel::OptionsModel{});
    AnalysisCounter counter;
    doc.m_pAnalysisObserver = &counter;
    long rows = 0;
    for (auto _ : state) {
        const kordel::LoadTableSet set = kordel::GenerateLoadTables(doc, request);
        rows = set.m_aTables[1].m_nRows + set.m_aTables[2].m_nRows;
    }
    doc.m_pAnalysisObserver = nullptr;
    const double runs = static_cast<double>(state.iterations());
    state.counters["analyses"] = static_cast<double>(counter.analyses) / runs;
    state.counters["full_analyses"] = static_cast<double>(counter.full) / runs;
    state.counters["rows"] = static_cast<double>(rows);
}

void BM_DesignDebonding(benchmark::State& state) {
    kordel::bench::Session session;
    kordel::CKordelDoc& doc = session.NewExample(kordel::SeedSimpleSpan);
    // A release tension limit of -0.03 sqrt(f'ci) ksi, without the 0.2 ksi cap: the upper groups
    // tip the top fibre near the ends, so the search lengthens debonding section after section.
    doc.m_dReleaseTensionCoef = -0.03;
    doc.m_nReleaseTensionLimit = 0;
    doc.RunAnalysis();
    for (auto _ : state) {
        doc.DesignDebonding();
        benchmark::DoNotOptimize(doc.m_anDebondFlags[kordel::kDebondFlagEnd]);
        session.host.ClearMessages();
    }
}

// Argument 0 raises the draped strands by bisection, 1 by the row walk.
BENCHMARK(BM_DesignStrandPattern)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
// The span of the load-table case, ft: example 1's own, and the longest of its load table.
BENCHMARK(BM_DesignLoadTableStrands)->Arg(105)->Arg(140)->Unit(benchmark::kMillisecond);
// Argument 0 raises the draped strands by bisection, 1 by the row walk.
BENCHMARK(BM_DesignDefaultLoadTable)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GenerateDefaultLoadTables)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DesignDebonding)->Unit(benchmark::kMillisecond);

}  // namespace
