// "Strand Pattern Layout and Pull Fraction" run on its own: the three grids with the top level
// first, what OK reads back from them and the counts it refuses, "Clear Pattern" with its
// question, and "Edit Template..." starting the pattern afresh on the new template.
#include "dialogs/prestress/strand_layout_dlg.h"

#include <gtest/gtest.h>

#include "dialogs/prestress/strand_pattern_edit.h"
#include "dialogs/prestress/strand_template_dlg.h"
#include "tests/app/desktop_test_support.h"

namespace kordel::test {
namespace {

using platform::MsgResult;
using platform::ui::DialogDriver;

class StrandLayoutTest : public DesktopTest {
  protected:
    /// Three levels of 9, 8 and 6 positions (4 of each for draped strands) at 2, 4 and 6 in;
    /// 6 straight strands in level 1, 2 draped in level 3 held at 3 in at the drape point.
    static void ThreeLevels(CStrandPatternLayoutDlg& dlg, int patternType = 2) {
        dlg.m_nPatternType = patternType;
        dlg.m_nRowCount = 3;
        dlg.m_nColumnCount = 5;
        dlg.m_dTopPull = 0.7;
        dlg.m_dBalancePull = 0.75;
        for (int r = 0; r < 3; ++r) {
            const double y = 2.0 + 2 * r;
            dlg.m_adTemplate[r][kTemplateElevation] = y;
            dlg.m_adTemplate[r][kTemplatePositions] = 10 - 2 * r;
            dlg.m_adTemplate[r][kTemplateDrapedPositions] = 4;
            dlg.m_aEndRows[r] = StrandPatternRow{{y, 0, y, 0}};
            dlg.m_aDrapeRows[r] = StrandPatternRow{{y, 0, y, 0}};
        }
        dlg.m_adTemplate[0][kTemplatePositions] = 9;
        dlg.m_aEndRows[0][kRowStraightCount] = dlg.m_aDrapeRows[0][kRowStraightCount] = 6;
        dlg.m_aEndRows[2][kRowDrapedCount] = dlg.m_aDrapeRows[2][kRowDrapedCount] = 2;
        dlg.m_aDrapeRows[2][kRowDrapedElevation] = 3;
    }
    static CStrandPatternLayoutDlg& Dlg(DialogDriver& d) {
        return static_cast<CStrandPatternLayoutDlg&>(d.Target());
    }
};

TEST_F(StrandLayoutTest, TheGridsShowTheTopLevelFirstAndOkReadsThemBack) {
    CStrandPatternLayoutDlg dlg;
    ThreeLevels(dlg);
    toolkit.QueueDialog([](DialogDriver& d) {
        CStrandPatternLayoutDlg& l = Dlg(d);
        for (CGridCtrl* grid : {&l.m_gridStraight, &l.m_gridEndDraped, &l.m_gridDrape}) {
            ASSERT_EQ(grid->GetRowCount(), 4);
            EXPECT_EQ(grid->GetCellText(0, kLayoutColumnLevel), "Lev");
            EXPECT_EQ(grid->GetCellText(0, kLayoutColumnElevation), "Elev,in");
            EXPECT_EQ(grid->GetCellText(1, kLayoutColumnLevel), "  3");
            EXPECT_EQ(grid->GetCellText(3, kLayoutColumnLevel), "  1");
            EXPECT_FALSE(grid->IsCellEditable(1, kLayoutColumnCapacity));
            EXPECT_TRUE(grid->IsCellEditable(1, kLayoutColumnQuantity));
        }
        EXPECT_EQ(l.m_gridStraight.GetCellText(3, kLayoutColumnCapacity), "  9");
        EXPECT_EQ(l.m_gridStraight.GetCellText(3, kLayoutColumnQuantity), "  6");
        EXPECT_EQ(l.m_gridStraight.GetCellText(1, kLayoutColumnQuantity), "") << "0 shows empty";
        EXPECT_EQ(l.m_gridEndDraped.GetCellText(1, kLayoutColumnCapacity), "  4");
        EXPECT_EQ(l.m_gridEndDraped.GetCellText(1, kLayoutColumnElevation), " 6.000");
        EXPECT_FALSE(l.m_gridEndDraped.IsCellEditable(1, kLayoutColumnElevation));
        EXPECT_EQ(l.m_gridDrape.GetCellText(1, kLayoutColumnElevation), " 3.000");
        EXPECT_TRUE(l.m_gridDrape.IsCellEditable(1, kLayoutColumnElevation));

        l.m_gridStraight.SetCellText(2, kLayoutColumnQuantity, "3x");  // level 2
        l.m_gridEndDraped.SetCellText(1, kLayoutColumnQuantity, "x3");  // reads 0
        l.m_gridDrape.SetCellText(1, kLayoutColumnQuantity, "");
        l.m_gridDrape.SetCellText(2, kLayoutColumnElevation, "7.5");
        d.Type(IDC_LAYOUT_TOP_PULL, "0.72");
        d.Ok();
    });
    ASSERT_EQ(dlg.DoModal(), platform::ui::kIdOk);
    EXPECT_EQ(dlg.m_aEndRows[1][kRowStraightCount], 3);
    EXPECT_EQ(dlg.m_aDrapeRows[1][kRowStraightCount], 3) << "straight at both points";
    EXPECT_EQ(dlg.m_aEndRows[2][kRowDrapedCount], 0);
    EXPECT_EQ(dlg.m_aDrapeRows[2][kRowDrapedCount], 0);
    EXPECT_EQ(dlg.m_aDrapeRows[1][kRowDrapedElevation], 7.5);
    EXPECT_EQ(dlg.m_aDrapeRows[2][kRowDrapedElevation], 3.0);
    EXPECT_EQ(dlg.m_aEndRows[0][kRowStraightCount], 6);
    EXPECT_EQ(dlg.m_dTopPull, 0.72);
}

TEST_F(StrandLayoutTest, OkRefusesCountsTheLevelsCannotHold) {
    struct Case {
        const char* what;
        int grid;  // 0 straight, 1 draped at the end, 2 draped at the drape point
        const char* typed;
        const char* message;
    };
    const Case cases[] = {
        {"more than the level's positions", 0, "11",
         "Level 1: 11 straight strands at the girder end are more than the 9 positions the "
         "level holds."},
        {"more draped strands than draped positions", 1, "5",
         "Level 1: 5 draped strands at the girder end are more than the 4 positions the level "
         "holds."},
        {"straight and draped together", 1, "4",
         "Level 1: 10 strands at the girder end are more than the 9 positions the level "
         "holds."},
        {"a fractional count", 2, "1.5",
         "Level 1: the number of draped strands at the drape point must be a whole number of 0 "
         "or more."},
        {"a negative count", 0, "-2",
         "Level 1: the number of straight strands at the girder end must be a whole number of 0 "
         "or more."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CStrandPatternLayoutDlg dlg;
        ThreeLevels(dlg);
        host.ClearMessages();
        toolkit.QueueDialog([&c](DialogDriver& d) {
            CStrandPatternLayoutDlg& l = Dlg(d);
            CGridCtrl* grids[] = {&l.m_gridStraight, &l.m_gridEndDraped, &l.m_gridDrape};
            grids[c.grid]->SetCellText(3, kLayoutColumnQuantity, c.typed);
            d.Ok();
            EXPECT_FALSE(d.Ended());
            d.Cancel();
        });
        EXPECT_EQ(dlg.DoModal(), platform::ui::kIdCancel);
        EXPECT_EQ(Messages(), std::vector<std::string>{c.message});
        EXPECT_EQ(dlg.m_aEndRows[0][kRowStraightCount], 6) << "nothing taken from the grids";
    }
}

TEST_F(StrandLayoutTest, ClearPatternAsksFirstAndAStraightPatternHasNoDrapedGrids) {
    CStrandPatternLayoutDlg dlg;
    ThreeLevels(dlg);
    host.QueueAnswer(MsgResult::No);
    host.QueueAnswer(MsgResult::Yes);
    toolkit.QueueDialog([](DialogDriver& d) {
        CStrandPatternLayoutDlg& l = Dlg(d);
        d.Click(IDC_LAYOUT_CLEAR_PATTERN);
        EXPECT_EQ(l.m_gridStraight.GetCellText(3, kLayoutColumnQuantity), "  6") << "No";
        d.Click(IDC_LAYOUT_CLEAR_PATTERN);
        EXPECT_EQ(l.m_gridStraight.GetCellText(3, kLayoutColumnQuantity), "");
        EXPECT_EQ(l.m_gridEndDraped.GetCellText(1, kLayoutColumnQuantity), "");
        EXPECT_EQ(l.m_gridDrape.GetCellText(1, kLayoutColumnElevation), " 3.000")
            << "elevations stay";
        d.Ok();
    });
    ASSERT_EQ(dlg.DoModal(), platform::ui::kIdOk);
    EXPECT_EQ(Messages(), (std::vector<std::string>{kClearPatternQuestion, kClearPatternQuestion}));
    EXPECT_EQ(PatternCountAndCentroid(dlg.m_aEndRows, 3).count, 0);

    CStrandPatternLayoutDlg straight;
    ThreeLevels(straight, 1);
    toolkit.QueueDialog([](DialogDriver& d) {
        EXPECT_EQ(Dlg(d).m_gridEndDraped.GetRowCount(), 0);
        EXPECT_EQ(Dlg(d).m_gridDrape.GetRowCount(), 0);
        d.Ok();
    });
    ASSERT_EQ(straight.DoModal(), platform::ui::kIdOk);
    EXPECT_EQ(straight.m_aEndRows[2][kRowDrapedCount], 0) << "no draped strands after OK";
    EXPECT_EQ(straight.m_aDrapeRows[2][kRowDrapedCount], 0);
}

TEST_F(StrandLayoutTest, EditTemplateStartsThePatternAfreshWithItsLayout) {
    for (bool ok : {true, false}) {
        SCOPED_TRACE(ok ? "template OK" : "template cancelled");
        CStrandPatternLayoutDlg dlg;
        ThreeLevels(dlg);
        dlg.m_nTemplateLayout = 1;
        toolkit.QueueDialog([this, ok](DialogDriver& d) {
            toolkit.QueueDialog([ok](DialogDriver& t) {
                EXPECT_EQ(t.Caption(), "Strand Template");
                EXPECT_EQ(static_cast<CStrandTemplateDlgV3&>(t.Target()).m_nRowCount, 3);
                t.Click(IDC_TEMPLATE_EXTERIOR);
                if (ok) t.Ok(); else t.Cancel();
            });
            d.Click(IDC_LAYOUT_EDIT_TEMPLATE);
            d.Ok();
        });
        ASSERT_EQ(dlg.DoModal(), platform::ui::kIdOk);
        EXPECT_EQ(dlg.m_nTemplateLayout, ok ? 2 : 1);
        const PatternTotals end = PatternCountAndCentroid(dlg.m_aEndRows, 3);
        const PatternTotals drape = PatternCountAndCentroid(dlg.m_aDrapeRows, 3);
        if (ok) {
            EXPECT_EQ(end.count, 1) << "one straight strand in level 1";
            EXPECT_EQ(dlg.m_aEndRows[0][kRowStraightCount], 1);
            EXPECT_EQ(drape.count, 1);
            EXPECT_EQ(dlg.m_aDrapeRows[2][kRowDrapedElevation], 6.0) << "at the template's rows";
        } else {
            EXPECT_EQ(end.count, 8) << "the pattern as it was";
            EXPECT_EQ(dlg.m_aDrapeRows[2][kRowDrapedElevation], 3.0);
        }
    }
}

}  // namespace
}  // namespace kordel::test
