// Cost of flexural strength by strain compatibility: the solution alone at the 115 stations of
// each example design (both moment signs on the continuous example 3), and the whole analysis of
// example 1 with the option off and on (the moving-load analysis redone, as after an input
// command).
#include <benchmark/benchmark.h>

#include "bench/bench_support.h"

#include "engine/checks/strain_compatibility.h"

namespace {

void BM_StrainCompatibilitySolution(benchmark::State& state) {
    kordel::bench::Session session;
    auto& doc = session.doc;
    doc->BuildExampleDesign(static_cast<int>(state.range(0)));
    doc->m_bStrainCompatibility = 1;
    doc->RunAnalysis();
    for (auto _ : state) {
        kordel::TheStrainCompatibility().ComputeFlexuralStrength(doc.get());
        benchmark::DoNotOptimize(doc->m_aFlexureMr);
    }
}

void BM_RunAnalysisStrainCompatibility(benchmark::State& state) {
    kordel::bench::Session session;
    session.NewExample(1);
    auto& doc = session.doc;
    doc->m_bStrainCompatibility = static_cast<int>(state.range(0));
    for (auto _ : state) {
        doc->m_bLoadEffectsDirty = 1;
        doc->RunAnalysis();
        benchmark::DoNotOptimize(doc->m_aFlexureMr);
    }
}

BENCHMARK(BM_StrainCompatibilitySolution)->DenseRange(1, 4)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RunAnalysisStrainCompatibility)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace
