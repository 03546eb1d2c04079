// The load-table chart's axes, its legend of the checks made and the printout's pages, and the
// results dialog: its grid, the over-reinforced mark, and "Set as Current Design" handing back
// the stored values of the row with the focus, never a heading row.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "dialogs/tools/load_table_chart.h"
#include "dialogs/tools/load_table_results_dlg.h"
#include "platform/headless_host.h"
#include "platform/ui/headless_toolkit.h"
#include "platform/ui/recording_dc.h"
#include "tests/test_support.h"

namespace kordel::test {
namespace {

using platform::ui::DialogDriver;
using platform::ui::PointD;

/// `tables` tables of `rows` rows each, spans from 90 ft by 4, strands growing with the span.
LoadTableSet Tables(int tables, int rows) {
    LoadTableSet set;
    set.m_nTables = tables;
    for (int t = 1; t <= tables; ++t) {
        LoadTable& table = set.m_aTables[t];
        table.m_dSpacing = 5.0 + 2.5 * t;
        table.m_dSlab = 8.0;
        table.m_nRows = rows;
        for (int r = 1; r <= rows; ++r) {
            table.m_adSpan[r] = 86.0 + 4.0 * r;
            table.m_anStrands[r] = 20 + 2 * r;
            table.m_adFci[r] = 4.0 + 0.1 * r;
            table.m_anMode[r] = 1 + r % 2;
        }
    }
    return set;
}

TEST(LoadTableChartTest, AxesCoverTheRows) {
    struct StrandCase {
        double max, min;
        double top;
        int step, intervals;
    };
    for (const StrandCase c : {StrandCase{38, 12, 40, 10, 4}, StrandCase{100, 30, 110, 25, 4},
                               StrandCase{40, 40, 50, 10, 5}, StrandCase{0, 0, 10, 10, 1}}) {
        SCOPED_TRACE(c.max);
        const StrandAxis a = StrandAxisFor(c.max, c.min);
        EXPECT_EQ(a.top, c.top);
        EXPECT_EQ(a.step, c.step);
        EXPECT_EQ(a.intervals, c.intervals);
    }
    struct SpanCase {
        double max, min;
        double lo, hi;
        int intervals;
    };
    // A range inside one multiple of ten gets one interval rather than none (no division by 0).
    for (const SpanCase c : {SpanCase{138, 90, 90, 140, 5}, SpanCase{100, 100, 100, 110, 1},
                             SpanCase{94.25, 94.25, 90, 100, 1}}) {
        SCOPED_TRACE(c.max);
        const SpanAxis a = SpanAxisFor(c.max, c.min);
        EXPECT_EQ(a.lo, c.lo);
        EXPECT_EQ(a.hi, c.hi);
        EXPECT_EQ(a.intervals, c.intervals);
    }
    EXPECT_EQ(LoadTableSpacingLabel(7.5), " 7.50 ft");
    EXPECT_EQ(LoadTableLetter(1), 'A');
    EXPECT_EQ(LoadTableLetter(4), 'D');
}

TEST(LoadTableChartTest, TablesContinueOnNumberedPages) {
    // Four tables of 13 rows: tables 1 and 2 fill page 1 down to -1005; table 3 would start at
    // -1035, so it starts page 2 at -150, and the legend follows table 4 there.
    const std::vector<LoadTableLine> lines = LoadTablePrintLines(Tables(4, 13));
    auto find = [&](LoadTableLine::Kind kind, int table, int row) {
        for (const LoadTableLine& l : lines)
            if (l.kind == kind && l.table == table && l.row == row) return l;
        return LoadTableLine{};
    };
    EXPECT_EQ(find(LoadTableLine::Table, 1, 0).y, -615);
    EXPECT_EQ(find(LoadTableLine::Row, 1, 1).y, -615);
    EXPECT_EQ(find(LoadTableLine::Row, 2, 13).page, 1);
    EXPECT_EQ(find(LoadTableLine::Row, 2, 13).y, -1005);
    EXPECT_EQ(find(LoadTableLine::Table, 3, 0).page, 2);
    EXPECT_EQ(find(LoadTableLine::Table, 3, 0).y, -150);
    EXPECT_EQ(lines.back().kind, LoadTableLine::Legend);
    EXPECT_EQ(lines.back().page, 2);
    EXPECT_EQ(LoadTablePageCount(Tables(4, 13)), 2);
    EXPECT_EQ(LoadTablePageCount(Tables(2, 13)), 1);
    // A table without rows prints its own line; the legend comes one line below it.
    const std::vector<LoadTableLine> empty = LoadTablePrintLines(Tables(1, 0));
    ASSERT_EQ(empty.size(), 2u);
    EXPECT_EQ(empty[1].y, empty[0].y - 15);
}

class LoadTableChartDrawingTest : public EngineTest {};

TEST_F(LoadTableChartDrawingTest, StrandAxisTitleReadsDownTheAxisBetweenFrameAndLabels) {
    // The recording's 100 pixels per inch make one LoEnglish unit one pixel with y flipped: the
    // chart in {0, 0, 700, -400} has its plot from y1 = 10 (10 below the top) down to y0 = 365
    // (35 above the bottom), in device pixels; the frame's left edge is x = 0. One row of 104
    // strands makes the axis 0 to 110, so the tick labels are three digits, the widest.
    LoadTableSet set = Tables(2, 13);
    set.m_aTables[1].m_anStrands[13] = 104;
    auto doc = NewDoc();
    platform::ui::RecordingDC dc;
    dc.SetMapMode(platform::ui::MapMode::LoEnglish);
    DrawLoadTableChart(dc, {0, 0, 700, -400}, set, *doc);
    using Op = platform::ui::RecordingDC::Op;
    using Kind = platform::ui::RecordingDC::OpKind;
    constexpr double y1 = 10, y0 = 365;

    // The strand axis runs the whole height of the plot: no title line above it.
    std::optional<double> x0;
    for (const Op& line : dc.OpsOf(Kind::Polyline)) {
        if (line.points.size() == 2 && line.points[0].x == line.points[1].x &&
            line.points[0].y == y1 && line.points[1].y == y0)
            x0 = line.points[0].x;
    }
    ASSERT_TRUE(x0.has_value()) << "no strand axis from y = 10 down to y = 365";

    std::optional<Op> title;
    double labelsLeft = *x0;  // the leftmost digit of the strand tick labels
    for (const Op& op : dc.OpsOf(Kind::Text)) {
        if (op.text == "Number of Strands") title = op;
        const size_t digits = op.text.find_first_not_of(' ');
        if (op.text.size() == 6 && digits != std::string::npos && op.points[0].x < *x0) {
            const double advance = platform::ui::RecordingDC::kAdvancePerEm * op.fontSize;
            labelsLeft = std::min(labelsLeft, op.points[0].x + digits * advance);
        }
    }
    ASSERT_TRUE(title.has_value());
    EXPECT_EQ(title->angle, -90.0) << "the title reads from top to bottom";
    EXPECT_TRUE(title->bold);
    // Reading down, its baseline starts at the top, the letters' tops face the axis (+x) and
    // their bottoms the frame's edge.
    const double em = title->fontSize;
    const double length = title->text.size() * platform::ui::RecordingDC::kAdvancePerEm * em;
    const double tops = title->points[0].x + platform::ui::RecordingDC::kAscentPerEm * em;
    const double bottoms = title->points[0].x - platform::ui::RecordingDC::kDescentPerEm * em;
    EXPECT_NEAR(title->points[0].y + length / 2.0, (y0 + y1) / 2.0, 1.0)
        << "centred on the axis between y1 = " << y1 << " and y0 = " << y0;
    EXPECT_LT(labelsLeft, *x0 - 20) << "the label 110 right-aligned 4 left of the axis";
    EXPECT_GE(labelsLeft - tops, 4.0)
        << "the title's letter tops at x " << tops << ", the labels from x " << labelsLeft;
    EXPECT_GE(bottoms, 0.0) << "the title's line from x " << bottoms << ", the frame at 0";
}

TEST_F(LoadTableChartDrawingTest, ControllingModeShowsOnlyTheChecksTheTablesWereDesignedOn) {
    auto doc = NewDoc();
    frame.m_nSeedChoice = SeedSimpleSpan;
    ASSERT_TRUE(doc->OnNewDocument());
    using platform::ui::RecordingDC;
    struct Case {
        const char* name;
        LoadTableChecks checks;
        // The panel's lines from "Controlling Mode" to "Beam Spacing".
        std::vector<std::string> legend;
        size_t dotted;  // sample lines of the strength (dotted)
    };
    const Case cases[] = {
        {"both: as always",
         {true, true},
         {"Controlling Mode", "Stress", "Strength", "Beam Spacing"},
         1},
        {"stress only",
         {true, false},
         {"Controlling Mode", "Stress", "Strength not checked", "Beam Spacing"},
         0},
        {"strength only",
         {false, true},
         {"Controlling Mode", "Stress not checked", "Strength", "Beam Spacing"},
         1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        LoadTableSet set = Tables(2, 5);
        set.m_checks = c.checks;
        RecordingDC dc;
        dc.SetMapMode(platform::ui::MapMode::LoEnglish);
        DrawLoadTableChart(dc, {0, 0, 650, -500}, set, *doc);
        const std::vector<std::string> texts = dc.Texts();
        const auto from = std::find(texts.begin(), texts.end(), "Controlling Mode");
        ASSERT_NE(from, texts.end());
        ASSERT_LE(c.legend.size(), static_cast<size_t>(texts.end() - from));
        EXPECT_EQ(std::vector<std::string>(from, from + static_cast<long>(c.legend.size())),
                  c.legend);
        size_t dotted = 0;
        for (const RecordingDC::Op& op : dc.OpsOf(RecordingDC::OpKind::Polyline))
            dotted += op.penStyle == platform::ui::PenStyle::Dot;
        EXPECT_EQ(dotted, c.dotted);
    }
}

class LoadTableResultsTest : public ::testing::Test {
  protected:
    LoadTableResultsTest() : m_hostGuard(host), m_toolkitGuard(toolkit) {}
    platform::HeadlessHost host;
    platform::ui::HeadlessToolkit toolkit{host};

  private:
    platform::ScopedHost m_hostGuard;
    platform::ui::ScopedToolkit m_toolkitGuard;
};

TEST_F(LoadTableResultsTest, GridListsEveryRowAndHandsBackTheStoredValues) {
    CLoadTableTabularResultsDlg dlg;
    dlg.m_strSectionName = "PCI BT-72";
    dlg.m_tables = Tables(2, 13);
    dlg.m_tables.m_aTables[2].m_nRows = 11;
    // Row 3 of table 2: a span between whole feet, over-reinforced.
    LoadTable& second = dlg.m_tables.m_aTables[2];
    second.m_adSpan[3] = 94.25;
    second.m_adMrMid[3] = 2345.6;
    second.m_anOverReinforced[3] = 1;
    second.m_dSpacing = 7.1275;
    toolkit.QueueDialog([&](DialogDriver& d) {
        EXPECT_EQ(d.Text(IDC_LTR_SECTION_NAME), "PCI BT-72");
        EXPECT_EQ(dlg.m_grid.GetRowCount(), 26);
        EXPECT_EQ(dlg.m_grid.GetColumnCount(), 11);
        EXPECT_EQ(dlg.m_grid.GetCellText(0, 3), "Req'd f'ci");
        EXPECT_EQ(dlg.m_grid.GetCellText(1, 10), "Mode");
        EXPECT_EQ(dlg.m_grid.GetCellText(2, 0), " 7.50");
        EXPECT_EQ(dlg.m_grid.GetCellText(15, 0), " 7.13");  // table 2 from grid row 15
        EXPECT_EQ(dlg.m_grid.GetCellText(17, 1), "  94");
        EXPECT_EQ(dlg.m_grid.GetCellText(17, 9), "a2346");
        EXPECT_EQ(dlg.m_grid.GetCellText(2, 10), "Strength");
        EXPECT_EQ(dlg.m_grid.GetCellText(3, 10), "Stress");
        EXPECT_TRUE(dlg.m_grid.GetCellState(25, 10) & kGridCellStateReadOnly);
        EXPECT_EQ(dlg.m_grid.GetFocusCell().row, 2);
        // The focus moved to that row: its values as stored, not as shown.
        dlg.m_grid.SetFocusCell(17, 5);
        d.Ok();
    });
    ASSERT_EQ(dlg.DoModal(), platform::ui::kIdOk);
    EXPECT_EQ(dlg.m_dSelSpan, 94.25);
    EXPECT_EQ(dlg.m_dSelSpacing, 7.1275);
    EXPECT_EQ(dlg.m_dSelSlab, 8.0);
    EXPECT_EQ(dlg.m_nSelTable, 2);
    EXPECT_EQ(dlg.m_nSelRow, 3);
}

TEST_F(LoadTableResultsTest, SetAsCurrentDesignNeedsARowOfATable) {
    {
        // No rows at all: nothing to choose.
        CLoadTableTabularResultsDlg dlg;
        dlg.m_tables = Tables(2, 0);
        toolkit.QueueDialog([](DialogDriver& d) {
            EXPECT_FALSE(d.IsEnabled(platform::ui::kIdOk));
            EXPECT_FALSE(d.Ok());
            d.Cancel();
        });
        EXPECT_EQ(dlg.DoModal(), platform::ui::kIdCancel);
    }
    {
        // No focus cell on a row of a table (the grid keeps it off the heading rows, but a
        // click beside the cells clears it): the dialog stays open and hands back nothing.
        CLoadTableTabularResultsDlg dlg;
        dlg.m_tables = Tables(1, 3);
        toolkit.QueueDialog([&](DialogDriver& d) {
            dlg.m_grid.SetFocusCell(-1, -1);
            d.Ok();
            EXPECT_FALSE(d.Ended());
            d.Cancel();
        });
        EXPECT_EQ(dlg.DoModal(), platform::ui::kIdCancel);
        EXPECT_EQ(dlg.m_dSelSpan, 0.0);
    }
}

}  // namespace
}  // namespace kordel::test
