// "Transverse Rebar", opened from the Input menu: a symmetric pattern edited as its left half
// and mirrored on OK, the zones and legs spins, both modes of the grid, the two extent
// messages, areas per length in US and metric units, and the girder profile.
#include "dialogs/input/transverse_rebar_dlg.h"

#include <gtest/gtest.h>

#include "platform/ui/recording_dc.h"
#include "tests/app/desktop_test_support.h"
#include "tests/dialogs/input/rebar_dialog_support.h"

namespace kordel::test {
namespace {

using platform::ui::DialogDriver;
using Kind = platform::ui::RecordingDC::OpKind;

class TransverseRebarDlgTest : public DesktopTest {
  protected:
    void SetUp() override {
        ASSERT_TRUE(Start());
        NewDesign();  // example 1: six symmetric zones on a 106-ft girder, 2 legs
        ASSERT_EQ(Doc()->m_nStirrupZoneCount, 6);
    }
    void Transverse(std::function<void(DialogDriver&, CTransverseRebarPatDlg&)> script) {
        toolkit.QueueDialog([script](DialogDriver& d) {
            script(d, static_cast<CTransverseRebarPatDlg&>(d.Target()));
        });
        ASSERT_TRUE(Choose(ID_INPUT_REBAR_TRANSVERSE));
    }
    /// Zones cleared, and the girder `length` ft long.
    void BareGirder(double length, int symmetric) {
        CKordelDoc& doc = *Doc();
        doc.m_dGirderLength = length;
        doc.m_dDesignSpan = length - 1;  // the example's bearings, 0.5 ft in from each end
        doc.m_bStirrupsSymmetric = symmetric;
        doc.m_nStirrupZoneCount = 0;
        for (auto& zone : doc.m_adStirrupZones) std::fill_n(zone, kStirrupZoneValueCount, 0.0);
    }
    void Type(DialogDriver& d, CTransverseRebarPatDlg& dlg, int row, int col,
              const std::string& text) {
        TypeIntoCell(d, IDC_TRANSVERSE_GRID, dlg.m_grid, row, col, text);
    }
};

TEST_F(TransverseRebarDlgTest, ASymmetricPatternOpensAsItsHalfAndAnUnchangedOneComesBackWhole) {
    CKordelDoc& doc = *Doc();
    double before[kMaxStirrupZones][kStirrupZoneValueCount];
    std::copy(&doc.m_adStirrupZones[0][0], &doc.m_adStirrupZones[0][0] + std::size(before) * 7,
              &before[0][0]);
    doc.m_nStirrupZoneCount = 5;  // an odd count opens halved downward
    Transverse([](DialogDriver& d, CTransverseRebarPatDlg& dlg) {
        EXPECT_EQ(d.Text(IDC_TRANSVERSE_ZONES), "2");
        EXPECT_EQ(d.Text(IDC_TRANSVERSE_LENGTH), "Girder Half Length is:  53.00 ft");
        EXPECT_EQ(d.SpinRange(IDC_TRANSVERSE_ZONES_SPIN), (std::pair{0, 10}));
        EXPECT_TRUE(d.IsChecked(IDC_TRANSVERSE_USE_STIRRUPS));
        EXPECT_EQ(RowTexts(dlg.m_grid, 0),
                  (std::vector<std::string>{"Zone", "Gap,ft", "Size", "Spaces", "Spacing,in",
                                            "End,ft", "Area,in2/ft"}));
        EXPECT_EQ(RowTexts(dlg.m_grid, 2),
                  (std::vector<std::string>{" 2", " 0.500", "    4", "   20", "12.00", "21.650",
                                            " 0.40"}));
        d.Ok();
    });
    EXPECT_EQ(doc.m_nStirrupZoneCount, 5) << "nothing changed, nothing mirrored";
    for (int k = 0; k < kMaxStirrupZones; ++k) {
        for (int c = 0; c < kStirrupZoneValueCount; ++c)
            EXPECT_EQ(doc.m_adStirrupZones[k][c], before[k][c]) << k << "," << c;
    }
}

TEST_F(TransverseRebarDlgTest, TheLeftHalfIsMirroredWithTheMiddleGapTakingUpTheRest) {
    BareGirder(100, 1);
    Transverse([this](DialogDriver& d, CTransverseRebarPatDlg& dlg) {
        d.Spin(IDC_TRANSVERSE_ZONES_SPIN, true);
        EXPECT_EQ(RowTexts(dlg.m_grid, 1),
                  (std::vector<std::string>{" 1", " 0.000", "    4", "    0", "12.00", " 0.000",
                                            " 0.40"}))
            << "a new zone: #4 at 12 in, 2 legs";
        Type(d, dlg, 1, 1, "0.25");
        Type(d, dlg, 1, 3, "10");
        Type(d, dlg, 1, 4, "6");
        EXPECT_EQ(dlg.m_grid.GetCellText(1, 5), " 5.250");
        d.Ok();
    });
    CKordelDoc& doc = *Doc();
    ASSERT_EQ(doc.m_nStirrupZoneCount, 2);
    EXPECT_DOUBLE_EQ(doc.m_adStirrupZones[1][kZoneGap], 89.5);  // 100 - 5.25 - 0.25 - 5.0
    EXPECT_EQ(doc.m_adStirrupZones[1][kZoneSpaces], 10);
    EXPECT_EQ(doc.m_adStirrupZones[1][kZoneSpacing], 6);
    EXPECT_DOUBLE_EQ(doc.m_adStirrupZones[1][kZoneEnd], 99.75);
    EXPECT_DOUBLE_EQ(doc.m_adStirrupZones[0][kZoneArea], 0.8);  // 2 x 0.20 x 12 / 6
    EXPECT_DOUBLE_EQ(doc.m_adStirrupZones[1][kZoneArea], 0.8);
    EXPECT_EQ(doc.m_bStirrupsSymmetric, 1);
}

TEST_F(TransverseRebarDlgTest, ZonesBeyondMidspanOrTheRightEndAreSentBack) {
    BareGirder(100, 1);
    Transverse([this](DialogDriver& d, CTransverseRebarPatDlg& dlg) {
        d.Spin(IDC_TRANSVERSE_ZONES_SPIN, true);
        Type(d, dlg, 1, 1, "50.01");
        d.Ok();
        EXPECT_FALSE(d.Ended());
        EXPECT_EQ(Messages().back(), CTransverseRebarPatDlg::kBeyondMidspan);
        d.Click(IDC_TRANSVERSE_SYMMETRIC);
        EXPECT_EQ(d.Text(IDC_TRANSVERSE_LENGTH), "Girder Length is: 100.00 ft");
        EXPECT_EQ(d.SpinRange(IDC_TRANSVERSE_ZONES_SPIN), (std::pair{0, 20}));
        d.Ok();
        EXPECT_TRUE(d.Ended()) << "asymmetric, it fits the girder";
    });
    EXPECT_EQ(Doc()->m_nStirrupZoneCount, 1);
    EXPECT_EQ(Doc()->m_bStirrupsSymmetric, 0);

    Transverse([this](DialogDriver& d, CTransverseRebarPatDlg& dlg) {
        Type(d, dlg, 1, 1, "100.01");
        d.Ok();
        EXPECT_FALSE(d.Ended());
        EXPECT_EQ(Messages().back(), CTransverseRebarPatDlg::kBeyondRightEnd);
        Type(d, dlg, 1, 1, "100");
        d.Ok();
        EXPECT_TRUE(d.Ended()) << "ending at the right end exactly";
    });
    EXPECT_EQ(Doc()->m_adStirrupZones[0][kZoneEnd], 100);
    EXPECT_EQ(Messages().size(), 2u);
}

TEST_F(TransverseRebarDlgTest, SteelAreasAreMirroredToEndAtTheGirdersEnd) {
    BareGirder(100, 1);
    Transverse([this](DialogDriver& d, CTransverseRebarPatDlg& dlg) {
        d.Click(IDC_TRANSVERSE_USE_AREA);
        EXPECT_FALSE(d.IsEnabled(IDC_TRANSVERSE_LEGS_SPIN));
        EXPECT_FALSE(d.IsEnabled(IDC_TRANSVERSE_LEGS_LABEL));
        d.Spin(IDC_TRANSVERSE_ZONES_SPIN, true);
        d.Spin(IDC_TRANSVERSE_ZONES_SPIN, true);
        EXPECT_EQ(RowTexts(dlg.m_grid, 0),
                  (std::vector<std::string>{"Zone", "Steel Area,in2/ft", "Length,ft", "Start,ft",
                                            "End,ft"}));
        EXPECT_EQ(RowTexts(dlg.m_grid, 2),
                  (std::vector<std::string>{" 2", " 0.00", " 1.000", " 1.000", " 2.000"}))
            << "a new zone one length unit past the last";
        Type(d, dlg, 1, 2, "10");
        Type(d, dlg, 2, 2, "5");
        Type(d, dlg, 2, 1, "0.5");
        d.Ok();
    });
    CKordelDoc& doc = *Doc();
    ASSERT_EQ(doc.m_nStirrupZoneCount, 4);
    EXPECT_EQ(doc.m_bStirrupLayout, 0);
    const double ends[] = {10, 15, 90, 100};
    for (int k = 0; k < 4; ++k) EXPECT_DOUBLE_EQ(doc.m_adStirrupZones[k][kZoneEnd], ends[k]);
    EXPECT_EQ(doc.m_adStirrupZones[2][kZoneArea], 0.5);
}

TEST_F(TransverseRebarDlgTest, TheLegsStayWithinOneToFourAndSymmetricClipsTheZonesToTen) {
    BareGirder(100, 0);
    Transverse([](DialogDriver& d, CTransverseRebarPatDlg& dlg) {
        for (int i = 0; i < 6; ++i) d.Spin(IDC_TRANSVERSE_LEGS_SPIN, true);
        EXPECT_EQ(d.Text(IDC_TRANSVERSE_LEGS), "4");
        for (int i = 0; i < 9; ++i) d.Spin(IDC_TRANSVERSE_LEGS_SPIN, false);
        EXPECT_EQ(dlg.m_nLegs, 1);
        for (int i = 0; i < 14; ++i) d.Spin(IDC_TRANSVERSE_ZONES_SPIN, true);
        EXPECT_EQ(dlg.m_grid.GetRowCount(), 15);
        d.Click(IDC_TRANSVERSE_SYMMETRIC);
        EXPECT_EQ(d.Text(IDC_TRANSVERSE_ZONES), "10");
        EXPECT_EQ(dlg.m_grid.GetRowCount(), 11);
        d.Cancel();
    });
}

TEST_F(TransverseRebarDlgTest, MetricZonesShowMillimetresAndANewZoneAFootBetweenStirrups) {
    Doc()->m_nUnits = kUnitsMetric;
    BareGirder(100, 0);
    Transverse([this](DialogDriver& d, CTransverseRebarPatDlg& dlg) {
        EXPECT_EQ(dlg.m_grid.GetCellText(0, 4), "Spacing,mm");
        EXPECT_EQ(dlg.m_grid.GetCellText(0, 6), "Area,mm2/mm");
        EXPECT_EQ(d.Text(IDC_TRANSVERSE_LENGTH), "Girder Length is: 30.480 m");
        d.Spin(IDC_TRANSVERSE_ZONES_SPIN, true);
        // 304.8 mm: 645.16 x 0.20 x 2 / 304.8 = 0.8467 mm2/mm, as 12 in gives 0.40 in2/ft.
        EXPECT_EQ(dlg.m_aZones[0][kZoneSpacing], 304.8) << "not 12 mm";
        EXPECT_EQ(dlg.m_grid.GetCellText(1, 4), "  305");
        EXPECT_EQ(dlg.m_grid.GetCellText(1, 6), " 0.85");
        Type(d, dlg, 1, 4, "150");
        EXPECT_EQ(dlg.m_grid.GetCellText(1, 6), " 1.72") << "645.16 x 0.20 x 2 / 150";
        Type(d, dlg, 1, 3, "6");
        EXPECT_EQ(dlg.m_grid.GetCellText(1, 5), " 0.900") << "6 x 150 mm";
        d.Ok();
    });
    EXPECT_DOUBLE_EQ(Doc()->m_adStirrupZones[0][kZoneSpacing], 150 / 25.4);
    EXPECT_NEAR(Doc()->m_adStirrupZones[0][kZoneArea], 2 * 0.2 * 12 / (150 / 25.4), 1e-12);
}

TEST_F(TransverseRebarDlgTest, TheProfileShowsEachZonesFirstAndLastStirrupOnBothHalves) {
    Transverse([](DialogDriver& d, CTransverseRebarPatDlg& dlg) {
        auto dc = d.Paint(IDC_TRANSVERSE_PROFILE);
        EXPECT_EQ(dc->OpsOf(Kind::Polyline).size(), 12u) << "3 zones, 2 lines each, twice";
        EXPECT_EQ(dc->OpsOf(Kind::Rectangle).size(), 2u) << "the frame and the girder";
        EXPECT_GT(dlg.m_dScaleX, 0);
        d.Click(IDC_TRANSVERSE_SYMMETRIC);
        EXPECT_EQ(d.Paint(IDC_TRANSVERSE_PROFILE)->OpsOf(Kind::Polyline).size(), 6u);
        d.Cancel();
    });
    Doc()->m_dGirderLength = 0;
    Transverse([](DialogDriver& d, CTransverseRebarPatDlg&) {
        auto dc = d.Paint(IDC_TRANSVERSE_PROFILE);
        EXPECT_EQ(dc->OpsOf(Kind::Rectangle).size(), 1u) << "the bare frame";
        EXPECT_TRUE(dc->OpsOf(Kind::Polyline).empty());
        d.Cancel();
    });
}

}  // namespace
}  // namespace kordel::test
