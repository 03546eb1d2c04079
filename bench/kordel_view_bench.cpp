// Time of drawing the input summary sheet's page 1 (the main view's whole drawing on the screen,
// and printed sheet 1) on the recording device context, for each example design. A paint has
// to stay well under a frame of 16 ms.
#include <benchmark/benchmark.h>

#include "bench/bench_support.h"
#include "platform/ui/headless_toolkit.h"
#include "platform/ui/recording_dc.h"
#include "views/kordel_view.h"

namespace {

struct ViewSession : kordel::bench::Session {
    explicit ViewSession(int example) : toolkitGuard(toolkit) {
        NewExample(example);
        view.SetDocument(doc.get());
        view.OnInitialUpdate();
    }
    platform::ui::HeadlessToolkit toolkit{host};
    platform::ui::ScopedToolkit toolkitGuard;
    kordel::CKordelView view;
};

void BM_PaintSheetOnScreen(benchmark::State& state) {
    ViewSession session(static_cast<int>(state.range(0)));
    size_t ops = 0;
    for (auto _ : state) {
        platform::ui::RecordingDC dc(96.0, false, {1200, 800});
        session.view.Paint(dc);
        ops = dc.Ops().size();
        benchmark::DoNotOptimize(dc.Ops().data());
    }
    state.counters["primitives"] = static_cast<double>(ops);
}

void BM_PrintSheetPage1(benchmark::State& state) {
    ViewSession session(static_cast<int>(state.range(0)));
    const platform::ui::PageGeometry page = platform::ui::PageGeometry::Letter(600.0);
    platform::ui::PrintInfo info;
    session.view.OnPreparePrinting(info);
    for (auto _ : state) {
        platform::ui::RecordingDC dc(page.dpi, true, page.printableSize);
        page.ApplyTo(dc);
        platform::ui::PrintPage(session.view, dc, info, 1);
        benchmark::DoNotOptimize(dc.Ops().data());
    }
}

}  // namespace

BENCHMARK(BM_PaintSheetOnScreen)->DenseRange(1, 4)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PrintSheetPage1)->DenseRange(1, 4)->Unit(benchmark::kMicrosecond);
