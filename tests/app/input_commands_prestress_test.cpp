// The pretensioning commands driven from the main frame: the preliminary strand design with its
// proposal shown in the strand pattern editor (kept on OK, turned down on Cancel), the editor
// alone, and the Input Wizard ending on the pretensioning dialog.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "dialogs/prestress/pretensioning_dlg.h"
#include "dialogs/prestress/strand_levels_dlg.h"
#include "dialogs/prestress/strand_pattern_edit.h"
#include "document/filled_design.h"
#include "engine/checks/strand_design.h"
#include "tests/app/desktop_test_support.h"

namespace kordel::test {
namespace {

using platform::ui::DialogDriver;

class PretensioningCommandTest : public DesktopTest {
  protected:
    void SetUp() override {
        ASSERT_TRUE(Start());
        NewDesign();
        ASSERT_NE(Doc(), nullptr);
    }
    /// Example 1 with a pattern of too few strands, saved; returns the file's bytes.
    std::string WeakDesignSaved(const std::string& path) {
        CKordelDoc& doc = *Doc();
        for (StrandPatternRow* rows : {doc.m_aEndRows, doc.m_aDrapeRows}) {
            for (int r = 0; r < kMaxPatternRows; ++r)
                rows[r][kRowStraightCount] = rows[r][kRowDrapedCount] = 0;
            rows[0][kRowStraightCount] = 4;
        }
        doc.GetStrandCountAndCentroid(doc.m_aEndRows, doc.m_nStrandCount, doc.m_dStrandCgEnd);
        doc.GetStrandCountAndCentroid(doc.m_aDrapeRows, doc.m_nStrandCount, doc.m_dStrandCgMid);
        doc.RebuildStrandGroups();
        doc.RunAnalysis();
        host.QueueFileName(path);
        Choose(ID_FILE_SAVE_AS);
        return ReadFileBytes(path);
    }
};

TEST_F(PretensioningCommandTest, ThePreliminaryDesignIsShownKeptOnOkAndTurnedDownOnCancel) {
    const std::string path = temp / "weak.kdx";
    const std::string bytes = WeakDesignSaved(path);
    CKordelDoc& doc = *Doc();
    ASSERT_FALSE(FinalTensionOk(doc) && MidspanStrengthOk(doc)) << "four strands are too few";
    const std::vector<std::string> weakReport = doc.Report();
    const StoredGroups weak(doc);

    int proposed = 0;
    toolkit.QueueDialog([&](DialogDriver& d) {
        EXPECT_EQ(d.Caption(), "Strand Pattern");
        proposed = doc.m_nStrandCount;
        EXPECT_GT(proposed, 4);
        EXPECT_EQ(d.Text(IDC_LEVELS_COUNT), FormatValue("%2.0f", proposed)) << "shows the proposal";
        d.Cancel();
    });
    ASSERT_TRUE(Choose(ID_INPUT_PRELIM_STRAND_DESIGN));
    EXPECT_EQ(Messages().back(), "Preliminary solution found.\nPlease review it.");
    EXPECT_EQ(doc.m_nStrandCount, 4) << "Cancel turns the proposal down";
    EXPECT_FALSE(doc.IsModified());
    EXPECT_TRUE(SameGroups(StoredGroups(doc), weak));
    EXPECT_EQ(doc.Report(), weakReport) << "the results of the design as it was";
    Choose(ID_FILE_SAVE);
    EXPECT_TRUE(ReadFileBytes(path) == bytes) << "the previous pattern exactly";

    toolkit.QueueDialog([](DialogDriver& d) { d.Ok(); });
    ASSERT_TRUE(Choose(ID_INPUT_PRELIM_STRAND_DESIGN));
    EXPECT_EQ(doc.m_nStrandCount, proposed) << "OK keeps the proposal";
    EXPECT_TRUE(doc.IsModified());
    EXPECT_TRUE(FinalTensionOk(doc) && MidspanStrengthOk(doc)) << "the analysed design passes";
    EXPECT_NE(doc.Report(), weakReport);
}

TEST_F(PretensioningCommandTest, TheWizardEndsOnThePretensioningDialog) {
    // Job Information, Project Settings, Geometry, Materials and Loads come first.
    for (int step = 0; step < 5; ++step) toolkit.QueueDialog([](DialogDriver& d) { d.Cancel(); });
    toolkit.QueueDialog([](DialogDriver& d) {
        EXPECT_EQ(d.TemplateId(), IDD_PRETENSIONING);
        d.Cancel();
    });
    ASSERT_TRUE(Choose(ID_INPUT_WIZARD));
    EXPECT_EQ(toolkit.DialogsShown().back(), IDD_PRETENSIONING);
}

TEST_F(PretensioningCommandTest, TheStrandPatternEditorWritesBackWhatItEdits) {
    CKordelDoc& doc = *Doc();
    const int count = doc.m_nStrandCount;
    toolkit.QueueDialog([](DialogDriver& d) {
        d.Type(IDC_LEVELS_TOP_PULL, "0.7");
        d.Ok();
    });
    ASSERT_TRUE(Choose(ID_INPUT_STRAND_PATTERN));
    EXPECT_EQ(doc.m_dTopPullFraction, 0.7);
    EXPECT_EQ(doc.m_nStrandCount, count);
    EXPECT_TRUE(doc.IsModified());
}

}  // namespace
}  // namespace kordel::test
