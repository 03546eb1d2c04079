// The preliminary end-debonding design run from the main frame: the design goes into the open
// design first, the debonding dialog then shows its proposal, and the report shows it passing.
#include <gtest/gtest.h>

#include <algorithm>

#include "dialogs/prestress/debonding_dlg.h"
#include "tests/app/desktop_test_support.h"

namespace kordel::test {
namespace {

using platform::ui::DialogDriver;

class PrelimDebondCommandTest : public DesktopTest {
  protected:
    void SetUp() override {
        ASSERT_TRUE(Start());
        NewDesign();  // example 1
        CKordelDoc& doc = *Doc();
        // A tight release tension limit, -0.1 sqrt(f'ci) = -0.1 x sqrt(5) = -0.224 ksi: the top
        // fibre at the transfer point (-0.256 ksi) is overstressed with every strand bonded.
        doc.m_dReleaseTensionCoef = -0.1;
        doc.m_nReleaseTensionLimit = 0;
        doc.m_bShowAsterisks = 1;
        doc.RunAnalysis();
        doc.SetModifiedFlag(false);
        host.ClearMessages();
    }
    /// The release stress at the top fibre at the left transfer point, ksi (tension negative).
    static double TopReleaseStressAtTransfer(const CKordelDoc& d) {
        return d.m_aServiceStress[kStationLeftTransfer][0][kServiceTop];
    }
    static std::string DebondLine(CKordelDoc& d) {
        for (const std::string& line : d.GirderSummary())
            if (line.rfind("Debonding Limit Check", 0) == 0) return line;
        return "(missing)";
    }
};

TEST_F(PrelimDebondCommandTest, TheProposalIsShownAndTheReportShowsItPassing) {
    CKordelDoc& doc = *Doc();
    ASSERT_LT(TopReleaseStressAtTransfer(doc), doc.m_dAllowReleaseTension)
        << "the fully bonded pattern fails the tightened limit";
    toolkit.QueueDialog([&](DialogDriver& d) {
        EXPECT_EQ(d.TemplateId(), IDD_DEBONDING_DETENSIONING);
        // The dialog opens on the designed pattern.
        EXPECT_NE(d.Text(IDC_DEBOND_TOTAL_COUNT), "  0");
        const auto lines = d.Items(IDC_DEBOND_GROUPS);
        EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [](const std::string& l) {
            return l.find("\t 5.000\t") != std::string::npos;
        })) << "groups debonded by the 5 ft step";
        d.Ok();
    });
    ASSERT_TRUE(Choose(ID_INPUT_PRELIM_DEBOND_DESIGN));
    ASSERT_FALSE(Messages().empty());
    EXPECT_EQ(Messages()[0], "Preliminary debonding pattern found.\nPlease review it.");
    EXPECT_NE(doc.m_anDebondFlags[kDebondFlagEnd], 0);
    EXPECT_GE(TopReleaseStressAtTransfer(doc), doc.m_dAllowReleaseTension)
        << "the release stress at the transfer point passes";
    // 2 of 36 strands (5.6 %), 2 of the 10 of their row (20 %): within 25 % and 40 %.
    const std::string line = DebondLine(doc);
    EXPECT_EQ(line.substr(line.size() - 2), "OK") << line;
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(PrelimDebondCommandTest, CancelKeepsTheProposalAndMarksTheDesignToBeSaved) {
    CKordelDoc& doc = *Doc();
    toolkit.QueueDialog([](DialogDriver& d) { d.Cancel(); });
    ASSERT_TRUE(Choose(ID_INPUT_PRELIM_DEBOND_DESIGN));
    EXPECT_NE(doc.m_anDebondFlags[kDebondFlagEnd], 0);
    EXPECT_TRUE(doc.IsModified()) << "the design differs from its file: closing asks to save";
}

TEST_F(PrelimDebondCommandTest, AStepReadFromAFileThatIsNotPositiveRunsNoDesign) {
    CKordelDoc& doc = *Doc();
    doc.m_dDebondLengthStep = 0.0;
    toolkit.QueueDialog([](DialogDriver& d) { d.Cancel(); });
    ASSERT_TRUE(Choose(ID_INPUT_PRELIM_DEBOND_DESIGN));
    ASSERT_FALSE(Messages().empty());
    EXPECT_EQ(Messages()[0],
              "The debonding length step must be greater than 0.\nThe debonding design is not run.");
    EXPECT_EQ(doc.m_anDebondFlags[kDebondFlagEnd], 0);
}

}  // namespace
}  // namespace kordel::test
