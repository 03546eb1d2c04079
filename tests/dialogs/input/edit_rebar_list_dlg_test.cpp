// "Edit Rebar List": one row per bar, only the transverse location editable, and OK taking back
// the locations edited while every other value (and every location left alone) keeps its bits.
#include "dialogs/input/edit_rebar_list_dlg.h"

#include <gtest/gtest.h>

#include "tests/app/desktop_test_support.h"
#include "tests/dialogs/input/rebar_dialog_support.h"

namespace kordel::test {
namespace {

using platform::ui::DialogDriver;

class EditRebarListDlgTest : public DesktopTest {};

TEST_F(EditRebarListDlgTest, OnlyTheTransverseLocationIsEditedAndNothingElseIsRounded) {
    CEditRebarListDlg dlg;
    dlg.m_nUnits = kUnitsMetric;
    dlg.m_nBarCount = 3;
    for (int i = 0; i < 3; ++i) {
        RebarBar& bar = dlg.m_aBars[i];
        bar.m_nBarSize = 5;
        bar.m_adStart[kBarX] = 0.5 * 0.3048;
        bar.m_adEnd[kBarX] = 105.5 * 0.3048;
        bar.m_adStart[kBarY] = 75 * 0.0254;
        bar.m_adStart[kBarZ] = (i - 1) * 0.0508;
        bar.m_adEnd[kBarY] = bar.m_adStart[kBarY];
        bar.m_adEnd[kBarZ] = bar.m_adStart[kBarZ];
    }
    const RebarBar before[3] = {dlg.m_aBars[0], dlg.m_aBars[1], dlg.m_aBars[2]};
    toolkit.QueueDialog([&](DialogDriver& d) {
        EXPECT_EQ(RowTexts(dlg.m_grid, 0),
                  (std::vector<std::string>{"ID", "Size", "Height,m", "Start Loc,m", "End Loc,m",
                                            "Transverse Loc,m"}));
        EXPECT_EQ(
            RowTexts(dlg.m_grid, 3),
            (std::vector<std::string>{" 3", " 5", "  1.905", "  0.152", " 32.156", "  0.051"}));
        EXPECT_EQ(dlg.m_grid.GetFixedColumnCount(), 5) << "every column but the last is fixed";
        TypeIntoCell(d, IDC_REBAR_LIST_GRID, dlg.m_grid, 2, 5, "0.1");
        d.Ok();
    });
    ASSERT_EQ(dlg.DoModal(), platform::ui::kIdOk);
    EXPECT_EQ(dlg.m_aBars[0], before[0]);
    EXPECT_EQ(dlg.m_aBars[2], before[2]) << "0.0508 m comes back as it went, not 0.051";
    RebarBar moved = before[1];
    moved.m_adStart[kBarZ] = 0.1;
    EXPECT_EQ(dlg.m_aBars[1], moved) << "only the start location moves";
}

TEST_F(EditRebarListDlgTest, AnEmptyListShowsTheHeadingsAlone) {
    CEditRebarListDlg dlg;
    toolkit.QueueDialog([&](DialogDriver& d) {
        EXPECT_EQ(dlg.m_grid.GetRowCount(), 1);
        EXPECT_EQ(dlg.m_grid.GetCellText(0, 5), "Transverse Loc,in");
        d.Ok();
    });
    EXPECT_EQ(dlg.DoModal(), platform::ui::kIdOk);
    EXPECT_EQ(dlg.m_nBarCount, 0);
}

}  // namespace
}  // namespace kordel::test
