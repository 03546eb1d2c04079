// The grid control on the desktop: example design 4 (a spliced girder of three segments) is
// built and analysed through the engine, and a window shows its girder segment table, set up
// and filled as the girder segment details dialog does it, above a table of its analysis
// stations that scrolls both ways. The segment table may be edited in place, by typing, pasting
// or dropping text; each change it takes is written to the standard output ("edited 1,2:
// 33.50"), and so is the screen position of its cells ("cell 1,2 at 240,75"), for the smoke
// test that drives it.
//
//   kordel_grid_demo        (xvfb-run kordel_grid_demo on a machine with no display)
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "controls/grid_ctrl.h"
#include "document/kordel_doc.h"
#include "document/main_frame_state.h"
#include "document/results_stations.h"
#include "platform/ui/application.h"
#include "platform/ui/toolkit.h"
#include "platform/wx/wx_app.h"
#include "report/format.h"

namespace {

using kordel::CGridCtrl;
using platform::ui::Rect;

constexpr int kMargin = 12;       ///< around and between the window's parts, pixels
constexpr int kWidth = 460;       ///< of both grids, pixels
constexpr int kLabelHeight = 20;  ///< of a label line, pixels
constexpr int kStationsHeight = 260;
constexpr int kBorderAllowance = 4;  ///< a grid window's frame, both sides together, pixels
constexpr int kSegmentGridId = 1624;
constexpr int kStationGridId = 1625;
constexpr double kFeetToMetres = 0.3048;

/// A length of the segment table as the dialog writes it, in the design's units.
std::string Length(double feet, bool us) {
    return us ? kordel::Format("%5.2f", feet) : kordel::Format("%8.5f", feet * kFeetToMetres);
}

/// The segment table as the girder segment details dialog sets it up and fills it: a heading
/// row, the segment numbers in a heading column, the lengths and the closure pours after them;
/// the last segment has no closure pour, so its cell is empty, read-only and grey.
void FillSegmentTable(CGridCtrl& grid, const kordel::CKordelDoc& doc) {
    const bool us = doc.m_nUnits == kordel::kUnitsUS;
    const int segments = doc.m_nSegments;

    grid.SetRowCount(segments + 1);
    grid.SetColumnCount(3);
    grid.SetFixedRowCount(1);
    grid.SetFixedColumnCount(1);
    grid.m_bAllowDragDrop = true;
    for (int c = 0; c < 3; ++c) grid.SetColumnWidth(c, 120);
    grid.SetColumnWidth(0, 80);
    grid.FitColumnsToWidth(true);
    grid.SetCellText(0, 0, "Segment No.");
    grid.SetCellText(0, 1, us ? "Segment Length,ft" : "Segment Length,m");
    grid.SetCellText(0, 2, us ? "Closure Pour Length,ft" : "Closure Pour Length,m");

    for (int i = 1; i <= segments; ++i) {
        for (int c = 0; c < 3; ++c) grid.SetCellText(i, c, "");
        grid.SetCellText(i, 0, kordel::Format("%2d", i));
        grid.SetCellText(i, 1, Length(doc.m_adSegments[i - 1][kordel::kSegmentLength], us));
    }
    for (int i = 1; i < segments; ++i) {
        grid.SetCellText(i, 2, Length(doc.m_adSegments[i - 1][kordel::kSegmentClosure], us));
        grid.SetCellState(i, 2, 0);
        grid.SetCellBackColor(i, 2, platform::ui::kWhite);
    }
    grid.SetCellState(segments, 2, grid.GetCellState(segments, 2) | kordel::kGridCellStateReadOnly);
    grid.SetCellBackColor(segments, 2, platform::ui::Rgb(230, 230, 230));
}

/// The hundredth-point stations of the design span: the position and the factored moment and
/// shear of both strength limit states, numbers right-aligned, columns as wide as their texts.
void FillStationTable(CGridCtrl& grid, const kordel::CKordelDoc& doc) {
    const std::vector<std::string> headings = {"Station",
                                               "x, ft",
                                               "Mu Strength I, kip-ft",
                                               "Vu Strength I, kip",
                                               "Mu Strength II, kip-ft",
                                               "Vu Strength II, kip"};
    grid.SetRowCount(kordel::kHundredthStations + 1);
    grid.SetColumnCount(static_cast<int>(headings.size()));
    grid.SetFixedRowCount(1);
    grid.SetFixedColumnCount(1);
    for (size_t c = 0; c < headings.size(); ++c)
        grid.SetCellText(0, static_cast<int>(c), headings[c]);
    const unsigned right = platform::ui::kDtRight | platform::ui::kDtVCenter |
                           platform::ui::kDtSingleLine | platform::ui::kDtNoPrefix |
                           platform::ui::kDtEndEllipsis;
    for (int s = 0; s < kordel::kHundredthStations; ++s) {
        const int row = s + 1;
        const double values[] = {doc.m_adStationX[s], doc.m_adMuStrengthI[s],
                                 doc.m_adVuStrengthI[s], doc.m_adMuStrengthII[s],
                                 doc.m_adVuStrengthII[s]};
        grid.SetCellText(row, 0, kordel::Format("%3d", s));
        for (int c = 0; c < 5; ++c) {
            grid.SetCellText(
                row, c + 1,
                c == 0 ? kordel::Format("%.2f", values[c]) : kordel::Format("%.1f", values[c]));
            grid.GetCell(row, c + 1)->SetFormat(right);
        }
    }
    for (int c = 0; c < grid.GetColumnCount(); ++c) grid.AutoSizeColumn(c);
}

/// Writes every change the segment table takes.
class EditLog : public kordel::GridOwner {
  public:
    bool OnGridEndEdit(CGridCtrl& grid, kordel::CCellID cell) override {
        std::printf("edited %d,%d: %s\n", cell.row, cell.col,
                    grid.GetCellText(cell.row, cell.col).c_str());
        std::fflush(stdout);
        return true;
    }
};

/// The screen position of the middle of every cell of `grid`.
void PrintCellPositions(const CGridCtrl& grid) {
    for (int r = 0; r < grid.GetRowCount(); ++r) {
        for (int c = 0; c < grid.GetColumnCount(); ++c) {
            Rect rect;
            if (!grid.GetCellRect(r, c, rect)) continue;
            const platform::ui::Point p = grid.GetPeer()->ClientToScreen(
                {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2});
            std::printf("cell %d,%d at %d,%d\n", r, c, p.x, p.y);
        }
    }
    std::fflush(stdout);
}

class GridDemo : public platform::ui::Application, public platform::ui::TopWindowHandler {
  public:
    bool InitInstance(const std::vector<std::string>&) override {
        m_frameGuard = std::make_unique<kordel::ScopedMainFrame>(m_frame);
        m_doc = kordel::CKordelDoc::CreateObject();
        m_frame.m_nSeedChoice = kordel::SeedSpliced;
        m_doc->OnNewDocument();

        m_segments = std::make_unique<CGridCtrl>();
        m_stations = std::make_unique<CGridCtrl>();
        const int rowHeight = m_segments->DefaultCellFor(false, false)->GetHeight();
        const int segmentHeight = (m_doc->m_nSegments + 1) * rowHeight + kBorderAllowance;
        const Rect segmentRect{kMargin, kMargin + kLabelHeight, kMargin + kWidth,
                               kMargin + kLabelHeight + segmentHeight};
        const int stationsTop = segmentRect.bottom + kMargin + kLabelHeight;
        const Rect stationRect{kMargin, stationsTop, kMargin + kWidth,
                               stationsTop + kStationsHeight};

        m_window = platform::ui::GetToolkit().CreateTopWindow(
            *this, "Grid demonstration - example 4",
            {kWidth + 2 * kMargin, stationRect.bottom + kMargin});
        if (!m_window) return false;
        m_window->AddLabel("Girder Segment Details",
                           {kMargin, kMargin, kMargin + kWidth, kMargin + kLabelHeight});
        m_window->AddLabel("Analysis stations of the design span",
                           {kMargin, segmentRect.bottom + kMargin, kMargin + kWidth, stationsTop});
        if (!m_segments->Create(*m_window, segmentRect, kSegmentGridId) ||
            !m_stations->Create(*m_window, stationRect, kStationGridId))
            return false;
        FillSegmentTable(*m_segments, *m_doc);
        FillStationTable(*m_stations, *m_doc);
        // The segment grid as high as its rows, whatever frame the theme gives its window.
        const int frame = segmentRect.Height() - m_segments->GetPeer()->ClientSize().cy;
        m_segments->GetPeer()->SetRect({segmentRect.left, segmentRect.top, segmentRect.right,
                                        segmentRect.top + m_segments->GetTotalHeight() + frame});
        m_segments->SetOwner(&m_editLog);
        m_window->Show(true);
        // Once the window is on the screen, where its cells are.
        m_positionTimer = platform::ui::GetToolkit().SetTimer(300, [this] {
            platform::ui::GetToolkit().KillTimer(m_positionTimer);
            PrintCellPositions(*m_segments);
        });
        return true;
    }

    int ExitInstance() override {
        m_segments.reset();
        m_stations.reset();
        m_window.reset();
        m_doc.reset();
        m_frameGuard.reset();
        return 0;
    }

    void OnClose() override { platform::ui::GetToolkit().Quit(0); }

  private:
    kordel::CMainFrameState m_frame;
    std::unique_ptr<kordel::ScopedMainFrame> m_frameGuard;
    std::unique_ptr<kordel::CKordelDoc> m_doc;
    std::unique_ptr<platform::ui::TopWindowPeer> m_window;
    std::unique_ptr<CGridCtrl> m_segments;
    std::unique_ptr<CGridCtrl> m_stations;
    EditLog m_editLog;
    int m_positionTimer = 0;
};

}  // namespace

int main(int argc, char** argv) {
    GridDemo demo;
    return platform::wx::RunApplication(demo, argc, argv);
}
