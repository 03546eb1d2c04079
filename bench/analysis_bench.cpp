// Time of a whole analysis of the example designs.
#include <benchmark/benchmark.h>

#include "app/main_frame_state.h"
#include "document/kordel_doc.h"
#include "platform/headless_host.h"

namespace {

void BM_RunAnalysis(benchmark::State& state) {
    platform::HeadlessHost host;
    platform::ScopedHost hostGuard(host);
    kordel::CMainFrameState frame;
    kordel::ScopedMainFrame frameGuard(frame);
    frame.m_nSeedChoice = static_cast<int>(state.range(0));
    auto doc = kordel::CKordelDoc::CreateObject();
    doc->OnNewDocument();
    for (auto _ : state) {
        doc->RunAnalysis();
        benchmark::DoNotOptimize(doc->m_saReport.data());
    }
}
BENCHMARK(BM_RunAnalysis)->Arg(1)->Arg(3)->Unit(benchmark::kMicrosecond);

}  // namespace
