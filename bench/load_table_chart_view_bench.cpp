// Time of drawing the load-table chart (axes, the turned strand-axis title, the curves of the
// default load table of example 1 and the side panel with its section) into the dialog's chart
// frame, as a repaint of the Load Tables dialog does, on the recording device context. A repaint
// has to stay well under a frame of 16 ms.
#include <benchmark/benchmark.h>

#include "bench/bench_support.h"
#include "dialogs/tools/load_table_chart.h"
#include "engine/checks/load_tables.h"
#include "platform/ui/recording_dc.h"

namespace {

void BM_PaintLoadTableChart(benchmark::State& state) {
    kordel::bench::Session session;
    kordel::CKordelDoc& doc = session.NewExample(kordel::SeedSimpleSpan);
    const kordel::LoadTableSet set =
        kordel::GenerateLoadTables(doc, kordel::LoadTableRequestOf(kordel::OptionsModel{}));
    size_t ops = 0;
    for (auto _ : state) {
        // The chart frame of the dialog at 96 pixels per inch, in 0.01-inch units.
        platform::ui::RecordingDC dc(96.0, false, {640, 520});
        dc.SetMapMode(platform::ui::MapMode::LoEnglish);
        const platform::ui::Rect r = dc.DPtoLP(platform::ui::Rect{0, 0, 640, 520});
        kordel::DrawLoadTableChart(dc, r, set, doc);
        ops = dc.Ops().size();
        benchmark::DoNotOptimize(dc.Ops().data());
    }
    state.counters["primitives"] = static_cast<double>(ops);
}

}  // namespace

BENCHMARK(BM_PaintLoadTableChart)->Unit(benchmark::kMicrosecond);
