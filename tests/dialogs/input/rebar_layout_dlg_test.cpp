// "Girder Rebar" and "Deck Rebar": the rows in the grid, the levels spin and the rows it brings
// into use, bar areas from the bar table, cell edits read back without rounding the other
// rows, OK reading the grid (girder) or not (deck), and rows calling for too many bars.
#include "dialogs/input/rebar_layout_dlg.h"

#include <gtest/gtest.h>

#include "tests/app/desktop_test_support.h"
#include "tests/dialogs/input/rebar_dialog_support.h"

namespace kordel::test {
namespace {

using platform::ui::DialogDriver;

class RebarLayoutDlgTest : public DesktopTest {};

TEST_F(RebarLayoutDlgTest, TheGridShowsTheRowsWithTheirAreasInEitherUnits) {
    struct Case {
        int units;
        std::vector<std::string> headings;
        std::vector<std::string> row;
    };
    const Case cases[] = {
        {kUnitsUS,
         {"Grp", "Qty", "Bar Size", "Ht,in", "Start,ft", "End,ft", "Area,in2"},
         {" 1", "    4", "    5", " 2.50", " 0.50", "105.50", " 1.24"}},
        {kUnitsMetric,
         {"Grp", "Qty", "Bar Size", "Ht,m", "Start,m", "End,m", "Area,mm2"},
         {" 1", "    4", "    5", " 2.500", " 0.500", "105.500", "800.00"}},
    };
    for (const Case& c : cases) {
        CGirderRebarDlg dlg;
        dlg.m_nUnits = c.units;
        dlg.m_nLevels = 1;
        const double row[] = {4, 5, 2.5, 0.5, 105.5, 0};
        std::copy(row, row + kRebarRowValueCount, dlg.m_aRows[0]);
        toolkit.QueueDialog([&](DialogDriver& d) {
            EXPECT_EQ(RowTexts(dlg.m_grid, 0), c.headings);
            EXPECT_EQ(d.Text(IDC_GIRDER_REBAR_LEVELS), "1");
            // An edit of the size works the area out: 4 x 0.31 in2, or x 645.16 mm2.
            TypeIntoCell(d, IDC_GIRDER_REBAR_GRID, dlg.m_grid, 1, 2, "5");
            EXPECT_EQ(RowTexts(dlg.m_grid, 1), c.row);
            EXPECT_FALSE(dlg.m_grid.IsCellEditable(1, 6)) << "the area is worked out";
            TypeIntoCell(d, IDC_GIRDER_REBAR_GRID, dlg.m_grid, 1, 2, "12");
            EXPECT_EQ(dlg.m_grid.GetCellText(1, 6), " 0.00") << "no #12 in the bar table";
            d.Cancel();
        });
        EXPECT_EQ(dlg.DoModal(), platform::ui::kIdCancel);
    }
}

TEST_F(RebarLayoutDlgTest, TheSpinBringsRowsIntoUseAfreshAndKeepsHiddenRowsUntilThen) {
    CDeckRebarDlg dlg;
    dlg.m_nLevels = 2;
    const double second[] = {3, 6, 4, 1, 50, 1.32};
    std::copy(second, second + kRebarRowValueCount, dlg.m_aRows[1]);
    toolkit.QueueDialog([&](DialogDriver& d) {
        EXPECT_EQ(d.SpinRange(IDC_REBAR_LEVELS_SPIN), (std::pair{0, kDeckRebarMaxLevels}));
        d.Spin(IDC_REBAR_LEVELS_SPIN, false);
        EXPECT_EQ(d.Text(IDC_DECK_REBAR_LEVELS), "1");
        EXPECT_EQ(dlg.m_grid.GetRowCount(), 2);
        EXPECT_EQ(dlg.m_aRows[1][kRebarRowBars], 3) << "a hidden row keeps its values";
        d.Spin(IDC_REBAR_LEVELS_SPIN, true);
        EXPECT_EQ(
            RowTexts(dlg.m_grid, 2),
            (std::vector<std::string>{" 2", "    0", "    4", " 0.00", " 0.00", " 0.00", " 0.00"}))
            << "the row coming into use starts afresh";
        d.Spin(IDC_REBAR_LEVELS_SPIN, false);
        d.Spin(IDC_REBAR_LEVELS_SPIN, false);
        EXPECT_EQ(dlg.m_nLevels, 0);
        d.Spin(IDC_REBAR_LEVELS_SPIN, true);
        EXPECT_EQ(dlg.m_grid.GetCellText(1, 2), "    4") << "row 1 reset at 0 levels";
        for (int i = 0; i < 10; ++i) d.Spin(IDC_REBAR_LEVELS_SPIN, true);
        EXPECT_EQ(dlg.m_nLevels, kDeckRebarMaxLevels) << "the deck stops at 6 levels";
        d.Ok();
    });
    EXPECT_EQ(dlg.DoModal(), platform::ui::kIdOk);
    EXPECT_EQ(dlg.m_nLevels, kDeckRebarMaxLevels);

    CGirderRebarDlg girder;
    toolkit.QueueDialog([&](DialogDriver& d) {
        for (int i = 0; i < 12; ++i) d.Spin(IDC_REBAR_LEVELS_SPIN, true);
        EXPECT_EQ(d.Text(IDC_GIRDER_REBAR_LEVELS), "10") << "the girder stops at 10 levels";
        d.Ok();
    });
    girder.DoModal();
    EXPECT_EQ(girder.m_nLevels, kGirderRebarMaxLevels);
}

TEST_F(RebarLayoutDlgTest, RowsBeyondWhatTheSpinReachesAreShownAndKept) {
    CDeckRebarDlg dlg;
    dlg.m_nLevels = kMaxLongitRebarRows;  // a file holds up to 11 deck rows
    for (int r = 0; r < kMaxLongitRebarRows; ++r) dlg.m_aRows[r][kRebarRowBars] = r + 1;
    toolkit.QueueDialog([&](DialogDriver& d) {
        EXPECT_EQ(dlg.m_grid.GetRowCount(), kMaxLongitRebarRows + 1);
        d.Ok();
    });
    ASSERT_EQ(dlg.DoModal(), platform::ui::kIdOk);
    EXPECT_EQ(dlg.m_nLevels, kMaxLongitRebarRows) << "no row dropped by OK";
    EXPECT_EQ(dlg.m_aRows[10][kRebarRowBars], 11);
}

TEST_F(RebarLayoutDlgTest, ACellEditTakesThatCellAndKeepsEveryOtherValueToTheLastBit) {
    CGirderRebarDlg dlg;
    dlg.m_nUnits = kUnitsMetric;
    dlg.m_nLevels = 2;
    // Values with more digits than the grid shows, as a US design's rows show in metres.
    const double first[] = {4, 5, 2.5 * 0.0254, 0.5 * 0.3048, 105.5 * 0.3048, 799.9984};
    const double second[] = {2, 4, 0.12345, 0.0508, 30.48, 258.064};
    std::copy(first, first + kRebarRowValueCount, dlg.m_aRows[0]);
    std::copy(second, second + kRebarRowValueCount, dlg.m_aRows[1]);
    toolkit.QueueDialog([&](DialogDriver& d) {
        EXPECT_EQ(dlg.m_grid.GetCellText(2, 3), " 0.123");
        TypeIntoCell(d, IDC_GIRDER_REBAR_GRID, dlg.m_grid, 2, 5, "31.5");
        d.Ok();
    });
    ASSERT_EQ(dlg.DoModal(), platform::ui::kIdOk);
    for (int c = 0; c < kRebarRowValueCount; ++c) EXPECT_EQ(dlg.m_aRows[0][c], first[c]) << c;
    EXPECT_EQ(dlg.m_aRows[1][kRebarRowElevation], 0.12345) << "not the 0.123 shown";
    EXPECT_EQ(dlg.m_aRows[1][kRebarRowStart], 0.0508);
    EXPECT_EQ(dlg.m_aRows[1][kRebarRowEnd], 31.5) << "the edited cell";
}

TEST_F(RebarLayoutDlgTest, GirderOkReadsTheGridOnceMoreDeckOkTakesTheLastEdit) {
    // A cell whose text changed without an edit's end (a drop of text on it) is read by the
    // girder dialog's OK only.
    const double row[] = {2, 4, 2, 0, 10, 0.4};
    for (bool girder : {true, false}) {
        std::unique_ptr<CRebarLayoutDlg> dlg;
        if (girder)
            dlg = std::make_unique<CGirderRebarDlg>();
        else
            dlg = std::make_unique<CDeckRebarDlg>();
        dlg->m_nLevels = 1;
        std::copy(row, row + kRebarRowValueCount, dlg->m_aRows[0]);
        toolkit.QueueDialog([&](DialogDriver& d) {
            dlg->m_grid.SetCellText(1, 1, "3");
            d.Ok();
        });
        ASSERT_EQ(dlg->DoModal(), platform::ui::kIdOk);
        EXPECT_EQ(dlg->m_aRows[0][kRebarRowBars], girder ? 3 : 2) << (girder ? "girder" : "deck");
        EXPECT_DOUBLE_EQ(dlg->m_aRows[0][kRebarRowArea], girder ? 0.6 : 0.4);
    }
}

TEST_F(RebarLayoutDlgTest, RowsCallingForMoreBarsThanAGroupHoldsAreSentBack) {
    CGirderRebarDlg dlg;
    dlg.m_nLevels = 2;
    const double row[] = {100, 4, 2, 0, 10, 20};
    std::copy(row, row + kRebarRowValueCount, dlg.m_aRows[0]);
    std::copy(row, row + kRebarRowValueCount, dlg.m_aRows[1]);
    toolkit.QueueDialog([&](DialogDriver& d) {
        TypeIntoCell(d, IDC_GIRDER_REBAR_GRID, dlg.m_grid, 2, 1, "102");
        d.Ok();
        EXPECT_FALSE(d.Ended());
        TypeIntoCell(d, IDC_GIRDER_REBAR_GRID, dlg.m_grid, 2, 1, "101");
        d.Ok();
        EXPECT_TRUE(d.Ended()) << "201 bars fit";
    });
    EXPECT_EQ(dlg.DoModal(), platform::ui::kIdOk);
    ASSERT_EQ(host.Messages().size(), 1u);
    EXPECT_EQ(
        host.Messages()[0].text,
        "These rows call for 202 bars; a group holds at most 201 bars.\nTake bars off a row.");
}

}  // namespace
}  // namespace kordel::test
