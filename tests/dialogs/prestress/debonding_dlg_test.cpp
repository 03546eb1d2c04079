// "Debonding Pattern and Detensioning", opened from the Input menu: the group list with the top
// line and the two edits of the selected group, the totals against the limits, Clear, the
// preliminary design through "Debonding Design Constraints", the detensioning switch and
// sequence, the refusal of a pattern debonded throughout, a metric design, and Cancel.
#include "dialogs/prestress/debonding_dlg.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "dialogs/prestress/detension_sequence_dlg.h"
#include "document/filled_design.h"
#include "tests/app/desktop_test_support.h"

namespace kordel::test {
namespace {

using platform::MsgResult;
using platform::ui::DialogDriver;

std::string FormatGroup(int number) {
    char text[16];
    std::snprintf(text, sizeof text, "%2.0d", number);
    return text;
}

class DebondingDlgTest : public DesktopTest {
  protected:
    void SetUp() override { ASSERT_TRUE(Start()); }
    /// Example 2 (31 straight strands, 7 of the bottom row of 23 debonded 5 ft at the ends).
    void Example2() {
        NewDesign(IDC_SEED_ADJACENT_BOX);
        ASSERT_NE(Doc(), nullptr);
        host.ClearMessages();
    }
    void Debonding(std::function<void(DialogDriver&)> script) {
        toolkit.QueueDialog(std::move(script));
        ASSERT_TRUE(Choose(ID_INPUT_DEBONDING));
    }
    /// The group debonded at the ends first, and one that is not.
    int FirstDebonded() const {
        const CKordelDoc& d = *app->GetDocument();
        for (int g = 0; g < d.m_nStrandGroupCount; ++g)
            if (d.m_aStrandGroup[g][kGroupDebondEnd] > 0.0) return g;
        return -1;
    }
    int FirstBonded() const {
        const CKordelDoc& d = *app->GetDocument();
        for (int g = 0; g < d.m_nStrandGroupCount; ++g)
            if (d.m_aStrandGroup[g][kGroupDebondEnd] == 0.0) return g;
        return -1;
    }
};

TEST_F(DebondingDlgTest, TheListTheTopLineAndTheTotals) {
    Example2();
    const CKordelDoc& doc = *Doc();
    const int groups = doc.m_nStrandGroupCount;
    Debonding([&](DialogDriver& d) {
        EXPECT_EQ(d.Caption(), "Debonding Pattern and Detensioning");
        const std::vector<std::string> lines = d.Items(IDC_DEBOND_GROUPS);
        ASSERT_EQ(static_cast<int>(lines.size()), groups);
        EXPECT_EQ(d.TabStops(IDC_DEBOND_GROUPS), (std::vector<int>{20, 42, 72, 110, 140, 175, 205}));
        const StrandGroup& g0 = doc.m_aStrandGroup[0];
        char line[160];
        std::snprintf(line, sizeof line, " 1\t%2.0f\t%6.3f\t%6.3f\t%6.3f\t%6.3f\t%6.4f\t%6.3f",
                      g0[kGroupStrands], g0[kGroupElevationEnd], g0[kGroupElevationDrape],
                      g0[kGroupDebondEnd], g0[kGroupDebondMid], g0[kGroupPullFraction],
                      g0[kGroupLocation]);
        EXPECT_EQ(lines[0], line);
        EXPECT_EQ(d.Selection(IDC_DEBOND_GROUPS), 0);
        EXPECT_EQ(d.Text(IDC_DEBOND_GROUP), " 1");
        // 7 of 31 strands debonded: 22.6 %; all 7 in the bottom row of 23: 30.4 %; 2 x 7 x 5 ft.
        EXPECT_EQ(d.Text(IDC_DEBOND_TOTAL_COUNT), "  7");
        EXPECT_EQ(d.Text(IDC_DEBOND_TOTAL_PERCENT), "= 22.6%  (Limit= 25%)");
        EXPECT_EQ(d.Text(IDC_DEBOND_ROW_COUNT), "  7");
        EXPECT_EQ(d.Text(IDC_DEBOND_ROW_PERCENT), "= 30.4%  (Limit= 40%)");
        EXPECT_EQ(d.Text(IDC_DEBOND_LENGTH), "  70.0");
        EXPECT_EQ(d.Text(IDC_DEBOND_ELEVATION_LABEL), "Elevation, in");
        d.Cancel();
    });
}

TEST_F(DebondingDlgTest, TheEditsGoToTheGroupTheyShow) {
    Example2();
    const int last = Doc()->m_nStrandGroupCount - 1;
    ASSERT_GT(last, 0);
    const StoredGroups before(*Doc());
    Debonding([&](DialogDriver& d) {
        // Group 1's End and Mid are typed, then another group chosen: group 1's line shows them.
        EXPECT_TRUE(d.Type(IDC_DEBOND_END, "2.5"));
        EXPECT_TRUE(d.Type(IDC_DEBOND_MID, "0"));
        EXPECT_TRUE(d.Choose(IDC_DEBOND_GROUPS, last));
        EXPECT_NE(d.Items(IDC_DEBOND_GROUPS)[0].find("\t 2.500\t 0.000\t"), std::string::npos);
        EXPECT_EQ(d.Text(IDC_DEBOND_GROUP), FormatGroup(last + 1));
        EXPECT_EQ(d.FocusId(), IDC_DEBOND_END);
        EXPECT_TRUE(d.Type(IDC_DEBOND_MID, "10"));
        EXPECT_TRUE(d.Ok()) << "OK stores the edits of the group shown, no other choice needed";
        EXPECT_TRUE(d.Ended());
    });
    const CKordelDoc& doc = *Doc();
    EXPECT_EQ(doc.m_aStrandGroup[0][kGroupDebondEnd], 2.5);
    EXPECT_EQ(doc.m_aStrandGroup[0][kGroupDebondMid], 0.0);
    EXPECT_EQ(doc.m_aStrandGroup[last][kGroupDebondMid], 10.0);
    EXPECT_EQ(doc.m_aStrandGroup[last][kGroupDebondEnd],
              before.m_aStrandGroup[last][kGroupDebondEnd]);
    for (int g = 1; g < last; ++g)
        EXPECT_EQ(doc.m_aStrandGroup[g], before.m_aStrandGroup[g]) << "group " << g;
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(DebondingDlgTest, MidDebondingCountsInTheLengthOnly) {
    Example2();
    const int bonded = FirstBonded();
    Debonding([&](DialogDriver& d) {
        ASSERT_TRUE(d.Choose(IDC_DEBOND_GROUPS, bonded));
        EXPECT_TRUE(d.Type(IDC_DEBOND_MID, "10"));
        // Another line chosen: the totals are worked out with the stored Mid.
        ASSERT_TRUE(d.Choose(IDC_DEBOND_GROUPS, 0));
        const double n = Doc()->m_aStrandGroup[bonded][kGroupStrands];
        char length[32];
        std::snprintf(length, sizeof length, "%6.1f", 70.0 + n * 2.0 * 10.0);
        EXPECT_EQ(d.Text(IDC_DEBOND_LENGTH), length);
        EXPECT_EQ(d.Text(IDC_DEBOND_TOTAL_COUNT), "  7");
        EXPECT_EQ(d.Text(IDC_DEBOND_ROW_COUNT), "  7");
        d.Cancel();
    });
}

TEST_F(DebondingDlgTest, ClearAsksFirst) {
    Example2();
    const StoredGroups before(*Doc());
    Debonding([&](DialogDriver& d) {
        host.QueueAnswer(MsgResult::No);
        EXPECT_TRUE(d.Click(IDC_DEBOND_CLEAR));
        EXPECT_EQ(d.Text(IDC_DEBOND_TOTAL_COUNT), "  7") << "No: nothing cleared";
        host.QueueAnswer(MsgResult::Yes);
        EXPECT_TRUE(d.Click(IDC_DEBOND_CLEAR));
        EXPECT_EQ(d.Text(IDC_DEBOND_TOTAL_COUNT), "  0");
        EXPECT_EQ(d.Text(IDC_DEBOND_LENGTH), "   0.0");
        EXPECT_EQ(d.Text(IDC_DEBOND_TOTAL_PERCENT), "=  0.0%  (Limit= 25%)");
        EXPECT_EQ(d.Selection(IDC_DEBOND_GROUPS), 0);
        d.Ok();
    });
    ASSERT_EQ(Messages().size(), 2u);
    EXPECT_EQ(Messages()[0], CDebondingDlg::kClearQuestion);
    const CKordelDoc& doc = *Doc();
    for (int g = 0; g < doc.m_nStrandGroupCount; ++g) {
        EXPECT_EQ(doc.m_aStrandGroup[g][kGroupDebondEnd], 0.0) << g;
        EXPECT_EQ(doc.m_aStrandGroup[g][kGroupDebondMid], 0.0) << g;
    }
    EXPECT_EQ(doc.m_anDebondFlags[kDebondFlagEnd], 0) << "the analysis saw the cleared pattern";
}

TEST_F(DebondingDlgTest, EveryStrandDebondedIsRefusedAndCancelChangesNothing) {
    Example2();
    const std::string path = temp / "debond.kdx";
    host.QueueFileName(path);
    ASSERT_TRUE(Choose(ID_FILE_SAVE_AS));
    for (int g = 0; g < Doc()->m_nStrandGroupCount; ++g)
        Doc()->m_aStrandGroup[g][kGroupDebondEnd] = 5.0;
    Doc()->RunAnalysis();
    host.QueueFileName(path);
    ASSERT_TRUE(Choose(ID_FILE_SAVE_AS));
    const std::string saved = ReadFileBytes(path);
    host.ClearMessages();
    Debonding([&](DialogDriver& d) {
        EXPECT_TRUE(d.Ok());
        EXPECT_FALSE(d.Ended()) << "the dialog stays open";
        ASSERT_EQ(Messages().size(), 1u);
        EXPECT_EQ(Messages()[0], "Cannot debond 100% of strands.");
        EXPECT_EQ(host.Messages()[0].icon, platform::MsgIcon::Error);
        // Some edits, the detensioning switch and Cancel.
        d.Type(IDC_DEBOND_END, "0");
        d.Click(IDC_DEBOND_CHECK_DETENSIONING);
        d.Cancel();
    });
    EXPECT_FALSE(Doc()->IsModified());
    host.QueueFileName(path);
    ASSERT_TRUE(Choose(ID_FILE_SAVE_AS));
    EXPECT_EQ(ReadFileBytes(path), saved);
}

TEST_F(DebondingDlgTest, DesignThroughTheConstraintsDialog) {
    NewDesign();  // example 1
    CKordelDoc& doc = *Doc();
    ASSERT_EQ(doc.m_dDebondLengthStep, 5.0);
    // A tight release tension limit, -0.03 sqrt(f'ci): the upper groups tip the top fibre.
    doc.m_dReleaseTensionCoef = -0.03;
    doc.m_nReleaseTensionLimit = 0;
    doc.RunAnalysis();
    doc.SetModifiedFlag(false);
    host.ClearMessages();
    Debonding([&](DialogDriver& d) {
        EXPECT_EQ(d.Text(IDC_DEBOND_TOTAL_COUNT), "  0");
        toolkit.QueueDialog([&](DialogDriver& c) {
            EXPECT_EQ(c.Caption(), "Debonding Design Constraints");
            EXPECT_EQ(c.Text(IDC_DEBOND_INCREMENT_LABEL), "Debonding increment,FT:");
            EXPECT_EQ(c.Text(IDC_DEBOND_INCREMENT), "5");
            for (const char* step : {"0", "-2"}) {
                c.Type(IDC_DEBOND_INCREMENT, step);
                EXPECT_TRUE(c.Ok());
                EXPECT_FALSE(c.Ended()) << step << " ft: a step that never gets on is refused";
                EXPECT_EQ(c.FocusId(), IDC_DEBOND_INCREMENT);
            }
            c.Type(IDC_DEBOND_INCREMENT, "4");
            c.Ok();
        });
        EXPECT_TRUE(d.Click(IDC_DEBOND_DESIGN));
        EXPECT_EQ(doc.m_dDebondLengthStep, 4.0);
        EXPECT_NE(d.Text(IDC_DEBOND_TOTAL_COUNT), "  0") << "the dialog shows the designed groups";
        EXPECT_EQ(d.Selection(IDC_DEBOND_GROUPS), 0);
        d.Cancel();
    });
    const std::vector<std::string> texts = Messages();
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[0], CDebondingConstraintsDlg::kStepMessage);
    EXPECT_EQ(texts[2], "Preliminary debonding pattern found.\nPlease review it.");
    // Cancel: the design keeps what the Design button wrote, and is to be saved.
    EXPECT_NE(doc.m_anDebondFlags[kDebondFlagEnd], 0);
    EXPECT_EQ(doc.m_dDebondLengthStep, 4.0);
    EXPECT_TRUE(doc.IsModified());

    // Cancel in the constraints dialog: no design.
    host.ClearMessages();
    const StoredGroups before(doc);
    Debonding([&](DialogDriver& d) {
        toolkit.QueueDialog([](DialogDriver& c) {
            c.Type(IDC_DEBOND_INCREMENT, "1");
            c.Cancel();
        });
        d.Click(IDC_DEBOND_DESIGN);
        d.Cancel();
    });
    EXPECT_TRUE(Messages().empty());
    EXPECT_TRUE(SameGroups(StoredGroups(doc), before));
}

TEST_F(DebondingDlgTest, AMetricDesignShowsMetresAndKeepsWhatIsNotEdited) {
    Example2();
    CKordelDoc& doc = *Doc();
    doc.m_nUnits = kUnitsMetric;
    Main().m_nUnits = kUnitsMetric;
    doc.RunAnalysis();
    const StoredGroups before(doc);
    const int debonded = FirstDebonded();
    ASSERT_GE(debonded, 0);
    Debonding([&](DialogDriver& d) {
        EXPECT_EQ(d.Text(IDC_DEBOND_ELEVATION_LABEL), "Elevation, m");
        EXPECT_EQ(d.Text(IDC_DEBOND_DEBONDING_LABEL), "Debonding, m");
        EXPECT_EQ(d.Text(IDC_DEBOND_LENGTH_LABEL), "Lm Debonding");
        EXPECT_EQ(d.Text(IDC_DEBOND_LOCATION_LABEL), "Loc, m");
        // 70 ft = 21.336 m; the worst row is found on metric elevations as on US ones.
        EXPECT_EQ(d.Text(IDC_DEBOND_LENGTH), "  21.3");
        EXPECT_EQ(d.Text(IDC_DEBOND_ROW_COUNT), "  7");
        EXPECT_EQ(d.Text(IDC_DEBOND_ROW_PERCENT), "= 30.4%  (Limit= 40%)");
        ASSERT_TRUE(d.Choose(IDC_DEBOND_GROUPS, debonded));
        EXPECT_EQ(d.Text(IDC_DEBOND_END), "1.524") << "5 ft";
        d.Ok();
    });
    EXPECT_TRUE(SameGroups(StoredGroups(doc), before)) << "OK without an edit changes nothing";

    Debonding([&](DialogDriver& d) {
        ASSERT_TRUE(d.Choose(IDC_DEBOND_GROUPS, debonded));
        d.Type(IDC_DEBOND_END, "3.048");
        d.Ok();
    });
    EXPECT_NEAR(doc.m_aStrandGroup[debonded][kGroupDebondEnd], 10.0, 1e-12);
    EXPECT_EQ(doc.m_aStrandGroup[debonded][kGroupElevationEnd],
              before.m_aStrandGroup[debonded][kGroupElevationEnd]);
}

TEST_F(DebondingDlgTest, DetensioningSwitchAndSequence) {
    Example2();
    CKordelDoc& doc = *Doc();
    const int n = doc.m_nStrandGroupCount;
    ASSERT_GE(n, 3);
    ASSERT_EQ(doc.m_bDetensioningAnalysis, 0);
    Debonding([&](DialogDriver& d) {
        EXPECT_FALSE(d.IsChecked(IDC_DEBOND_CHECK_DETENSIONING));
        EXPECT_TRUE(d.Click(IDC_DEBOND_CHECK_DETENSIONING));
        // The sequence: the first two groups swapped.
        toolkit.QueueDialog([n](DialogDriver& s) {
            auto& dlg = static_cast<CDetensionSequenceDlg&>(s.Target());
            EXPECT_EQ(dlg.m_grid.GetRowCount(), n + 1);
            EXPECT_EQ(dlg.m_grid.GetCellText(0, 1), "Strand Group");
            EXPECT_EQ(dlg.m_grid.GetCellText(2, 0), "  2");
            EXPECT_EQ(dlg.m_grid.GetCellText(2, 1), "  2");
            dlg.m_grid.SetCellText(1, 1, "2");
            dlg.m_grid.SetCellText(2, 1, " 1 ");
            s.Ok();
        });
        EXPECT_TRUE(d.Click(IDC_DEBOND_SEQUENCE));
        EXPECT_EQ(doc.m_anDetensionOrder[0], 1) << "the design has it only after this OK";
        d.Ok();
    });
    EXPECT_EQ(doc.m_bDetensioningAnalysis, 1);
    EXPECT_EQ(doc.m_anDetensionOrder[0], 2);
    EXPECT_EQ(doc.m_anDetensionOrder[1], 1);
    EXPECT_EQ(doc.m_anDetensionOrder[2], 3);
}

}  // namespace
}  // namespace kordel::test
