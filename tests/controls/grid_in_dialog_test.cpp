// A grid in an input dialog: the dialog makes the grid's window in the place its template keeps
// for it, fills the grid when it opens, and the grid draws and scrolls there as anywhere else.
#include <gtest/gtest.h>

#include "controls/grid_ctrl.h"
#include "platform/ui/dialog.h"
#include "tests/controls/grid_test_support.h"

namespace kordel::test {
namespace {

using namespace platform::ui;

constexpr int kGridId = 1400;

const DialogTemplate& TableTemplate() {
    static const DialogTemplate t = [] {
        DialogTemplate d;
        d.id = 905;
        d.caption = "Table";
        d.size = {220, 130};
        d.controls = {
            // 300 x 130 pixels: room for a few 18-pixel rows.
            MakeControl(ControlKind::Custom, kGridId, "MFCGridCtrl", 10, 10, 200, 80),
            MakeControl(ControlKind::DefPushButton, kIdOk, "OK", 160, 110, 50, 14),
        };
        return d;
    }();
    return t;
}

class TableDialog : public Dialog {
  public:
    TableDialog() : Dialog(TableTemplate()) {}
    bool OnInitDialog() override {
        Dialog::OnInitDialog();
        m_grid.Attach(CreateControlWindow(kGridId, m_grid), kGridId);
        m_grid.SetRowCount(31);
        m_grid.SetColumnCount(2);
        m_grid.SetFixedRowCount(1);
        m_grid.SetCellText(0, 0, "Row");
        for (int r = 1; r <= 30; ++r) m_grid.SetCellText(r, 0, std::to_string(r));
        return true;
    }
    CGridCtrl m_grid;
};

TEST_F(GridTest, AGridInADialogDrawsAndScrollsInItsPlace) {
    TableDialog dlg;
    toolkit.QueueDialog([&](DialogDriver& d) {
        HeadlessControl* window = d.ControlWindow(kGridId);
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(dlg.m_grid.GetDlgCtrlID(), kGridId);
        EXPECT_TRUE(window->Bar(true).shown) << "31 rows do not fit 130 pixels";
        EXPECT_EQ(SummaryOf(*window->PaintNow(), "text 'Row'").size(), 1u);
        window->Scroll(true, ScrollCode::LineDown);
        EXPECT_EQ(dlg.m_grid.GetFirstVisibleCell(true).row, 2) << "one row down";
        d.Ok();
    });
    EXPECT_EQ(dlg.DoModal(), kIdOk);
}

}  // namespace
}  // namespace kordel::test
