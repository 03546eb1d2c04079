// Cost of flexural strength by strain compatibility: the solution alone at the 115 stations of
// each example design (both moment signs on the continuous example 3), and the whole analysis of
// example 1 with the option off and on (the moving-load analysis redone, as after an input
// command).
#include <benchmark/benchmark.h>

#include "app/main_frame_state.h"
#include "document/kordel_doc.h"
#include "engine/checks/strain_compatibility.h"
#include "platform/headless_host.h"

namespace {

void BM_StrainCompatibilitySolution(benchmark::State& state) {
    platform::HeadlessHost host;
    platform::ScopedHost hostGuard(host);
    kordel::CMainFrameState frame;
    kordel::ScopedMainFrame frameGuard(frame);
    auto doc = kordel::CKordelDoc::CreateObject();
    doc->BuildExampleDesign(static_cast<int>(state.range(0)));
    doc->m_bStrainCompatibility = 1;
    doc->RunAnalysis();
    for (auto _ : state) {
        kordel::TheStrainCompatibility().ComputeFlexuralStrength(doc.get());
        benchmark::DoNotOptimize(doc->m_aFlexureMr);
    }
}

void BM_RunAnalysisStrainCompatibility(benchmark::State& state) {
    platform::HeadlessHost host;
    platform::ScopedHost hostGuard(host);
    kordel::CMainFrameState frame;
    kordel::ScopedMainFrame frameGuard(frame);
    frame.m_nSeedChoice = 1;
    auto doc = kordel::CKordelDoc::CreateObject();
    doc->OnNewDocument();
    doc->m_bStrainCompatibility = static_cast<int>(state.range(0));
    for (auto _ : state) {
        doc->m_bLoadEffectsDirty = 1;
        doc->RunAnalysis();
        benchmark::DoNotOptimize(doc->m_saReport.data());
    }
}

BENCHMARK(BM_StrainCompatibilitySolution)->DenseRange(1, 4)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RunAnalysisStrainCompatibility)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace
