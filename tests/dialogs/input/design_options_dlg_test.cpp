// "Project Settings" on its own: what it shows of its members, and what it hands back.
#include "dialogs/input/design_options_dlg.h"

#include <gtest/gtest.h>

#include "document/kordel_doc.h"
#include "tests/app/desktop_test_support.h"

namespace kordel::test {
namespace {

using platform::ui::DialogDriver;
using platform::ui::kIdOk;

class DesignOptionsDlgTest : public DesktopTest {
  protected:
    DesignOptionsDlgTest() {
        dlg.m_nSpecification = kSpecLrfd;
        dlg.m_saAgencies = {"None", "Caltrans", "MN", "MT", "ND", "ODOT", "FDOT"};
        dlg.m_saSpecEditions = {"Standard Specs", "LRFD 5th", "LRFD 6th",
                                "LRFD 6th w/ 2013 Interims", "LRFD 7th"};
        dlg.m_nSpecEdition = kEditionLrfd6th;
        dlg.m_nAgency = kAgencyMT;
        dlg.m_nCurrentSpan = 3;
        dlg.m_nLossMethod = kLossLrfd6thDetailed;
    }
    int Run(std::function<void(DialogDriver&)> script) {
        toolkit.QueueDialog(std::move(script));
        return dlg.DoModal();
    }
    CDesignOptionsDlg dlg;
};

TEST_F(DesignOptionsDlgTest, ItShowsTheDesignsChoices) {
    dlg.m_nUnits = kUnitsMetric;
    dlg.m_bContinuous = 1;
    dlg.m_nPrestressType = kPostTensioned;
    Run([](DialogDriver& d) {
        EXPECT_EQ(d.Caption(), "Project Settings");
        EXPECT_TRUE(d.IsChecked(IDC_UNITS_METRIC));
        EXPECT_FALSE(d.IsChecked(IDC_UNITS_US));
        EXPECT_TRUE(d.IsChecked(IDC_CONTINUOUS));
        EXPECT_TRUE(d.IsChecked(IDC_POST_TENSIONING));
        EXPECT_FALSE(d.IsChecked(IDC_PRETENSIONING_ONLY));
        EXPECT_EQ(d.Items(IDC_AGENCY).size(), 7u);
        EXPECT_EQ(d.Text(IDC_AGENCY), "MT");
        EXPECT_EQ(d.Items(IDC_SPEC_EDITION).back(), "LRFD 7th") << "in the document's order";
        EXPECT_EQ(d.Text(IDC_SPEC_EDITION), "LRFD 6th");
        EXPECT_FALSE(d.IsVisible(IDC_SPEC_LRFD)) << "the edition decides the specification";
        EXPECT_FALSE(d.IsVisible(IDC_SPEC_STANDARD));
        d.Cancel();
    });
}

TEST_F(DesignOptionsDlgTest, OkWithoutAChangeReportsNoChangeButKeepsItsOwnRules) {
    dlg.m_bSpecEditionChanged = 1;  // a flag from before is not reported again
    dlg.m_nPrestressType = kPostTensioned;
    EXPECT_EQ(Run([](DialogDriver& d) { d.Ok(); }), kIdOk);
    EXPECT_EQ(dlg.m_bSpecEditionChanged, 0);
    EXPECT_EQ(dlg.m_bAgencyChanged, 0);
    EXPECT_EQ(dlg.m_nCurrentSpan, 1) << "a simple span is span 1";
    EXPECT_EQ(dlg.m_nLossMethod, kLossLrfd3rd) << "post-tensioning under LRFD";
}

TEST_F(DesignOptionsDlgTest, AChoiceTakenBackIsNoChangeButAnAgencyPickedAgainIs) {
    dlg.m_bContinuous = 1;
    Run([](DialogDriver& d) {
        d.Choose(IDC_SPEC_EDITION, "LRFD 7th");
        d.Choose(IDC_SPEC_EDITION, "LRFD 6th");
        d.Choose(IDC_AGENCY, "MT");
        d.Click(IDC_UNITS_METRIC);
        d.Click(IDC_UNITS_US);
        d.Ok();
    });
    EXPECT_EQ(dlg.m_bSpecEditionChanged, 0);
    EXPECT_EQ(dlg.m_nSpecEdition, kEditionLrfd6th);
    EXPECT_EQ(dlg.m_bAgencyChanged, 1);
    EXPECT_EQ(dlg.m_nAgency, kAgencyMT);
    EXPECT_EQ(dlg.m_nUnits, kUnitsUS);
    EXPECT_EQ(dlg.m_nCurrentSpan, 3) << "a continuous girder keeps its span";
    EXPECT_EQ(dlg.m_nLossMethod, kLossLrfd6thDetailed) << "pretensioning keeps its method";
}

TEST_F(DesignOptionsDlgTest, TheKeyboardReachesEveryChoice) {
    Run([](DialogDriver& d) {
        EXPECT_EQ(d.FocusId(), IDC_SPEC_EDITION) << "the first control";
        EXPECT_TRUE(d.PressKey('M', platform::ui::kModAlt));
        EXPECT_TRUE(d.PressKey('C', platform::ui::kModAlt));
        EXPECT_TRUE(d.PressKey('P', platform::ui::kModAlt));
        EXPECT_TRUE(d.PressKey('A', platform::ui::kModAlt));
        EXPECT_EQ(d.FocusId(), IDC_AGENCY);
        d.PressKey(platform::ui::kKeyReturn);
    });
    EXPECT_EQ(dlg.m_nUnits, kUnitsMetric);
    EXPECT_EQ(dlg.m_bContinuous, 1);
    EXPECT_EQ(dlg.m_nPrestressType, kPostTensioned);
}

}  // namespace
}  // namespace kordel::test
