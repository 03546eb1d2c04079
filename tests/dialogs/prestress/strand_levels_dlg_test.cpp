// "Strand Pattern" (the level-by-level editor) on example 1: the three lists with the top level
// first, a level edited through its row of edits, the profile switch, and the checks of OK,
// which are those of the pretensioning dialog.
#include "dialogs/prestress/strand_levels_dlg.h"

#include <gtest/gtest.h>

#include <cmath>

#include "dialogs/prestress/strand_constraints_dlg.h"
#include "dialogs/prestress/strand_pattern_edit.h"
#include "tests/app/desktop_test_support.h"

namespace kordel::test {
namespace {

using platform::MsgResult;
using platform::ui::DialogDriver;

class StrandLevelsTest : public DesktopTest {
  protected:
    void SetUp() override {
        ASSERT_TRUE(Start());
        NewDesign();
        ASSERT_EQ(Doc()->m_nPatternType, kPatternDraped);
    }
    /// The editor on the open design with `script`; returns how it ended.
    int Run(CStrandPatDlg& dlg, std::function<void(DialogDriver&)> script) {
        dlg.CopyIn(*Doc());
        toolkit.QueueDialog(std::move(script));
        return dlg.DoModal();
    }
};

TEST_F(StrandLevelsTest, ListsShowTheTopLevelFirstAndALevelIsEditedInItsRow) {
    const CKordelDoc& doc = *Doc();
    const int n = doc.m_nTemplateRowCount;
    CStrandPatDlg dlg;
    const int ended = Run(dlg, [&](DialogDriver& d) {
        const std::vector<std::string> lines = d.Items(IDC_LEVELS_STRAIGHT_LIST);
        ASSERT_EQ(static_cast<int>(lines.size()), n);
        EXPECT_EQ(lines.back().substr(0, 3), " 1\t") << "level 1 on the last line";
        EXPECT_EQ(d.TabStops(IDC_LEVELS_STRAIGHT_LIST), (std::vector<int>{18, 36, 60}));
        EXPECT_EQ(d.Selection(IDC_LEVELS_STRAIGHT_LIST), n - 1) << "the bottom level";
        EXPECT_EQ(d.Selection(IDC_LEVELS_END_DRAPED_LIST), 0) << "the top level";
        EXPECT_EQ(d.Text(IDC_LEVELS_STRAIGHT_LEV), " 1");
        EXPECT_EQ(d.Text(IDC_LEVELS_STRAIGHT_QTY),
                  platform::ui::FormatDouble(std::trunc(doc.m_aEndRows[0][kRowStraightCount])));
        // Two strands more in level 1; the line and the totals follow on leaving the level.
        const double more = doc.m_aEndRows[0][kRowStraightCount] + 2;
        d.Type(IDC_LEVELS_STRAIGHT_QTY, platform::ui::FormatDouble(more));
        d.Choose(IDC_LEVELS_STRAIGHT_LIST, n - 2);
        EXPECT_EQ(d.Text(IDC_LEVELS_STRAIGHT_LEV), " 2");
        EXPECT_NE(d.Items(IDC_LEVELS_STRAIGHT_LIST).back().find(FormatValue("%3.0f", more)),
                  std::string::npos);
        EXPECT_EQ(d.Text(IDC_LEVELS_COUNT), FormatValue("%2.0f", doc.m_nStrandCount + 2));
        d.Ok();
    });
    ASSERT_EQ(ended, platform::ui::kIdOk);
    EXPECT_EQ(dlg.m_nStrandCount, doc.m_nStrandCount + 2);
    EXPECT_EQ(dlg.m_aDrapeRows[0][kRowStraightCount], dlg.m_aEndRows[0][kRowStraightCount])
        << "a straight strand is in both patterns";
}

TEST_F(StrandLevelsTest, StraightClearsTheDrapedStrandsAndDrapedStartsAt045) {
    CStrandPatDlg dlg;
    Run(dlg, [](DialogDriver& d) {
        d.Click(IDC_LEVELS_STRAIGHT);
        EXPECT_FALSE(d.IsEnabled(IDC_LEVELS_END_DRAPED_LIST));
        EXPECT_FALSE(d.IsEnabled(IDC_LEVELS_DRAPE_FRACTION));
        EXPECT_EQ(d.Text(IDC_LEVELS_DRAPE_FRACTION), "0");
        d.Click(IDC_LEVELS_DRAPED);
        EXPECT_TRUE(d.IsEnabled(IDC_LEVELS_DRAPE_QTY));
        EXPECT_EQ(d.Text(IDC_LEVELS_DRAPE_FRACTION), "0.45");
        d.Cancel();
    });
    for (int r = 0; r < dlg.m_nRowCount; ++r) {
        EXPECT_EQ(dlg.m_aEndRows[r][kRowDrapedCount], 0) << r;
        EXPECT_EQ(dlg.m_aDrapeRows[r][kRowDrapedCount], 0) << r;
    }
}

TEST_F(StrandLevelsTest, OkChecksTheDrapePointAndTheCountsAsThePretensioningDialogDoes) {
    struct Case {
        const char* what;
        std::function<void(DialogDriver&)> type;
        std::vector<MsgResult> answers;
        std::string message;
    };
    const Case cases[] = {
        {"a draped pattern at drape fraction 0",
         [](DialogDriver& d) { d.Type(IDC_LEVELS_DRAPE_FRACTION, "0"); },
         {},
         kDrapeFractionRange},
        {"a low drape fraction answered No",
         [](DialogDriver& d) { d.Type(IDC_LEVELS_DRAPE_FRACTION, "0.2"); },
         {MsgResult::No},
         kDrapeFractionLow},
        {"more draped strands at the end than at the drape point",
         [this](DialogDriver& d) {
             // The drape-point line of the lowest level with draped strands.
             const CKordelDoc& doc = *Doc();
             int r = 0;
             while (r < doc.m_nTemplateRowCount && doc.m_aDrapeRows[r][kRowDrapedCount] == 0) ++r;
             ASSERT_LT(r, doc.m_nTemplateRowCount);
             d.Choose(IDC_LEVELS_DRAPE_LIST, doc.m_nTemplateRowCount - 1 - r);
             d.Type(IDC_LEVELS_DRAPE_QTY, "0");
         },
         {},
         kUnequalPatterns},
        {"more strands than the level holds",
         [](DialogDriver& d) { d.Type(IDC_LEVELS_STRAIGHT_QTY, "500"); },
         {},
         "Level 1: 500 straight strands at the girder end are more than"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        host.ClearMessages();
        for (MsgResult a : c.answers) host.QueueAnswer(a);
        CStrandPatDlg dlg;
        bool ended = true;
        Run(dlg, [&](DialogDriver& d) {
            c.type(d);
            d.Ok();
            ended = d.Ended();
            if (!ended) d.Cancel();
        });
        EXPECT_FALSE(ended);
        ASSERT_FALSE(Messages().empty());
        EXPECT_EQ(Messages().front().substr(0, c.message.size()), c.message);
    }
}

TEST_F(StrandLevelsTest, DesignPatternRunsTheDesignWithTheConstraintsAsked) {
    CKordelDoc& doc = *Doc();
    CStrandPatDlg dlg;
    Run(dlg, [&](DialogDriver& d) {
        toolkit.QueueDialog([](DialogDriver& c) {
            c.Click(IDC_CONSTRAINT_INCLUDE_TOP);
            c.Type(IDC_CONSTRAINT_TOP_COUNT, "2");
            c.Ok();
        });
        d.Click(IDC_LEVELS_DESIGN);
        EXPECT_EQ(doc.m_bDesignIncludeTopStrands, 1);
        EXPECT_EQ(doc.m_dDesignTopStrandCount, 2);
        EXPECT_EQ(d.Text(IDC_LEVELS_COUNT), FormatValue("%2.0f", doc.m_nStrandCount));
        d.Cancel();
    });
    EXPECT_EQ(dlg.m_bDesignRan, 1);
}

TEST_F(StrandLevelsTest, TheConstraintsDialogStartsClearedEveryTime) {
    for (int type : {1, 2}) {
        SCOPED_TRACE(type);
        CStrandPatParamDlg dlg;
        dlg.m_nPatternType = type;
        host.ClearMessages();
        toolkit.QueueDialog([type](DialogDriver& d) {
            EXPECT_EQ(d.IsEnabled(IDC_CONSTRAINT_SPACING_TOUCHING), type == 2);
            EXPECT_TRUE(d.IsChecked(IDC_CONSTRAINT_SPACING_TEMPLATE));
            EXPECT_FALSE(d.IsEnabled(IDC_CONSTRAINT_TOP_COUNT));
            d.Click(IDC_CONSTRAINT_INCLUDE_TOP);
            EXPECT_TRUE(d.IsEnabled(IDC_CONSTRAINT_TOP_COUNT));
            EXPECT_TRUE(d.IsEnabled(IDC_CONSTRAINT_TOP_COUNT_LABEL));
            d.Type(IDC_CONSTRAINT_TOP_COUNT, "100");
            d.Ok();
            EXPECT_FALSE(d.Ended()) << "100 is beyond the count's range";
            d.Type(IDC_CONSTRAINT_TOP_COUNT, "99.9");
            if (type == 2) d.Click(IDC_CONSTRAINT_SPACING_TOUCHING);
            d.Ok();
        });
        ASSERT_EQ(dlg.DoModal(), platform::ui::kIdOk);
        EXPECT_EQ(dlg.m_dTopStrandCount, 99.9);
        EXPECT_EQ(dlg.m_nDrapedSpacing, type == 2 ? kDrapedTouching : kDrapedPerTemplate);
        EXPECT_EQ(Messages().size(), 1u);
    }
}

}  // namespace
}  // namespace kordel::test
