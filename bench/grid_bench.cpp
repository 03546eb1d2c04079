// Time of the grid control's painting on the recording device context: a 200 x 30 grid (a
// heading row and column, a number in every cell) in a window the size of a screen, and in
// one large enough to show every cell; and scrolling it by a page and painting the new page.
// One frame at 60 Hz is 16.7 ms.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "controls/grid_ctrl.h"
#include "platform/headless_host.h"
#include "platform/ui/headless_controls.h"
#include "platform/ui/headless_toolkit.h"
#include "platform/ui/recording_dc.h"

namespace {

constexpr int kRows = 200;
constexpr int kCols = 30;

/// A headless toolkit and a filled 200 x 30 grid in a window of `window` pixels.
struct GridSession {
    explicit GridSession(platform::ui::Size window)
        : hostGuard(host), toolkitGuard(toolkit), grid(kRows, kCols, 1, 1) {
        for (int r = 0; r < kRows; ++r) {
            for (int c = 0; c < kCols; ++c) {
                grid.SetCellText(r, c,
                                 r == 0   ? "Column " + std::to_string(c)
                                 : c == 0 ? std::to_string(r)
                                          : std::to_string(r * 31 + c) + ".25");
            }
        }
        grid.SetFocusCell(5, 5);
        grid.SetSelection(8, 3, 12, 9);
        auto peer = std::make_unique<platform::ui::HeadlessControl>(
            grid, platform::ui::Rect{0, 0, window.cx, window.cy});
        control = peer.get();
        grid.Attach(std::move(peer));
    }

    platform::HeadlessHost host;
    platform::ScopedHost hostGuard;
    platform::ui::HeadlessToolkit toolkit{host};
    platform::ui::ScopedToolkit toolkitGuard;
    kordel::CGridCtrl grid;
    platform::ui::HeadlessControl* control = nullptr;
};

// One recording serves every paint (cleared each time), so the figures are the grid's own work
// and not the growing of the recording's list.
void Paint(benchmark::State& state, platform::ui::Size window) {
    GridSession session(window);
    platform::ui::RecordingDC dc(96.0, false, session.control->ClientSize());
    for (auto _ : state) {
        dc.Clear();
        session.grid.Paint(dc);
        benchmark::DoNotOptimize(dc.Ops().data());
    }
    state.counters["ops"] = static_cast<double>(dc.Ops().size());
}

void BM_PaintGridScreen(benchmark::State& state) {
    Paint(state, {1920, 1080});
}

void BM_PaintGridWhole(benchmark::State& state) {
    Paint(state, {kCols * 101 + 40, kRows * 18 + 40});
}

void BM_ScrollGridOnePage(benchmark::State& state) {
    GridSession session({1920, 1080});
    platform::ui::RecordingDC dc(96.0, false, session.control->ClientSize());
    for (auto _ : state) {
        // Down a page at a time, and back to the top before the last page.
        if (session.grid.GetScrollPosition(true) >= session.grid.GetVertScrollRange() - 1100)
            session.grid.OnVScroll(kordel::GridScroll::Top);
        session.grid.OnVScroll(kordel::GridScroll::PageDown);
        dc.Clear();
        session.grid.Paint(dc);
        benchmark::DoNotOptimize(dc.Ops().data());
    }
}

}  // namespace

BENCHMARK(BM_PaintGridScreen)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaintGridWhole)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScrollGridOnePage)->Unit(benchmark::kMillisecond);
