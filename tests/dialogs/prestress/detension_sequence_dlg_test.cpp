// "Detension Sequence": one grid row per cut, and an OK that takes only a permutation of the
// group numbers, whatever was typed or read from a design file.
#include "dialogs/prestress/detension_sequence_dlg.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "tests/app/desktop_test_support.h"

namespace kordel::test {
namespace {

using platform::ui::DialogDriver;

class DetensionSequenceDlgTest : public DesktopTest {
  protected:
    /// Runs the dialog on `order` for `n` groups with the cells of column 1 typed as `cells`
    /// (none: as shown), then OK; returns the dialog's result.
    int Run(CDetensionSequenceDlg& dlg, int n, const std::vector<int>& order,
            const std::vector<std::string>& cells) {
        dlg.m_nGroupCount = n;
        for (int k = 0; k < kMaxStrandGroups; ++k) dlg.m_anOrder[k] = k + 1;
        std::copy(order.begin(), order.end(), dlg.m_anOrder);
        toolkit.QueueDialog([&](DialogDriver& d) {
            for (std::size_t k = 0; k < cells.size(); ++k)
                dlg.m_grid.SetCellText(static_cast<int>(k) + 1, 1, cells[k]);
            d.Ok();
            if (!d.Ended()) d.Cancel();
        });
        return dlg.DoModal();
    }
};

TEST_F(DetensionSequenceDlgTest, TheGridShowsTheSequence) {
    CDetensionSequenceDlg dlg;
    dlg.m_nGroupCount = 3;
    const int order[] = {3, 1, 2};
    std::copy(std::begin(order), std::end(order), dlg.m_anOrder);
    dlg.m_anOrder[3] = 77;  // past the groups: passed through
    toolkit.QueueDialog([&](DialogDriver& d) {
        EXPECT_EQ(d.Caption(), "Detension Sequence");
        const CGridCtrl& g = dlg.m_grid;
        ASSERT_EQ(g.GetRowCount(), 4);
        ASSERT_EQ(g.GetColumnCount(), 2);
        EXPECT_EQ(g.GetFixedRowCount(), 1);
        EXPECT_EQ(g.GetFixedColumnCount(), 1);
        EXPECT_EQ(g.GetCellText(0, 0), "Sequence");
        EXPECT_EQ(g.GetCellText(0, 1), "Strand Group");
        EXPECT_EQ(g.GetCellText(1, 0), "  1");
        EXPECT_EQ(g.GetCellText(1, 1), "  3");
        EXPECT_EQ(g.GetCellText(3, 1), "  2");
        d.Ok();
    });
    EXPECT_EQ(dlg.DoModal(), platform::ui::kIdOk) << "3, 1, 2: group 3 is cut first";
    EXPECT_EQ(dlg.m_anOrder[0], 3);
    EXPECT_EQ(dlg.m_anOrder[3], 77);
    EXPECT_TRUE(host.Messages().empty());
}

TEST_F(DetensionSequenceDlgTest, OnlyAPermutationPasses) {
    const char* range = "Sequence values must be positive integers from 1 through 3";
    const char* missing = "Sequence values must contain all of the integers from 1 through 3";
    struct Case {
        const char* what;
        std::vector<int> order;          // handed in (as a design file may hold it)
        std::vector<std::string> cells;  // typed over the cells
        const char* message;             // nullptr: OK passes
    };
    const Case cases[] = {
        {"2, 3, 1 passes", {2, 3, 1}, {}, nullptr},
        {"blanks around a number", {1, 2, 3}, {" 3 ", "1", "2"}, nullptr},
        {"0", {1, 2, 3}, {"0"}, range},
        {"a minus sign is no digit", {1, 2, 3}, {"-1"}, range},
        {"above N", {1, 2, 3}, {"1", "2", "4"}, range},
        {"letters", {1, 2, 3}, {"1", "x"}, range},
        {"empty", {1, 2, 3}, {""}, range},
        {"too long for an int", {1, 2, 3}, {"99999999999999999999"}, range},
        {"a value out of range read from a file", {1, 200, 3}, {}, range},
        {"a negative value read from a file", {-5, 2, 3}, {}, range},
        {"out of range first, letters after: the first row's refusal", {1, 2, 3}, {"7", "x"},
         range},
        {"1, 1, 3: 2 is missing", {1, 2, 3}, {"1", "1", "3"}, missing},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        host.ClearMessages();
        CDetensionSequenceDlg dlg;
        const int result = Run(dlg, 3, c.order, c.cells);
        if (!c.message) {
            EXPECT_EQ(result, platform::ui::kIdOk);
            EXPECT_TRUE(host.Messages().empty());
            continue;
        }
        EXPECT_EQ(result, platform::ui::kIdCancel) << "the dialog stayed open";
        ASSERT_EQ(host.Messages().size(), 1u);
        EXPECT_EQ(host.Messages()[0].text, c.message);
        EXPECT_EQ(host.Messages()[0].icon, platform::MsgIcon::None);
    }
}

TEST_F(DetensionSequenceDlgTest, NoGroupsClosesAtOnce) {
    CDetensionSequenceDlg dlg;
    EXPECT_EQ(Run(dlg, 0, {}, {}), platform::ui::kIdOk);
    EXPECT_EQ(dlg.m_grid.GetRowCount(), 1);
    EXPECT_TRUE(host.Messages().empty());
}

}  // namespace
}  // namespace kordel::test
