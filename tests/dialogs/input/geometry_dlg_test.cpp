// "Geometry", opened from the Input menu on the example designs: the values that follow an entry
// (lanes, spacing and overhang, the deck width of the girder's location), the composite switch,
// the four spins, the checks of OK in their order, and the pictures. Example 1 has five beams
// 9 ft apart on a 42 ft bridge with 3 ft overhangs, girder 2 (interior) designed, a composite
// 8 in deck and the type "LRFD(k) I-Beam comp".
#include "dialogs/input/geometry_dlg.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialogs/input/girder_segment_dlg.h"
#include "platform/ui/picture.h"
#include "platform/ui/recording_dc.h"
#include "tests/app/desktop_test_support.h"

namespace kordel::test {
namespace {

using platform::ui::DialogDriver;
using platform::ui::RecordingDC;

class GeometryDlgTest : public DesktopTest {
  protected:
    void SetUp() override { ASSERT_TRUE(Start()); }
    void Geometry(std::function<void(DialogDriver&)> script) {
        toolkit.QueueDialog(std::move(script));
        ASSERT_TRUE(Choose(ID_INPUT_GEOMETRY));
    }
    void Metric() {
        Doc()->m_nUnits = kUnitsMetric;
        Main().m_nUnits = kUnitsMetric;
    }
    /// Types `text` into edit `id` and leaves it for `next`, as Tab would.
    static void Enter(DialogDriver& d, int id, const std::string& text, int next) {
        d.Type(id, text);
        d.Focus(next);
    }
};

TEST(LanesFromCurbToCurb, TwelveFootLanesAboveTwentyFourFeetTwoFromTwentyOneBelow) {
    struct Case {
        double w;
        bool metric;
        int lanes;
    };
    const Case cases[] = {
        {40.0, false, 3},  {36.0, false, 3},  {35.9, false, 2},  {24.01, false, 2},
        {24.0, false, 2},  {20.0, false, 2},  {19.99, false, 1}, {0.0, false, 1},
        {12.192, true, 3}, {7.3152, true, 2}, {7.32, true, 2},   {6.096, true, 2},
        {6.09, true, 1},   {10.9728, true, 3},  // 36 ft
    };
    for (const Case& c : cases)
        EXPECT_EQ(LanesFromCurbToCurb(c.w, c.metric), c.lanes) << c.w << (c.metric ? " m" : " ft");
}

TEST_F(GeometryDlgTest, TheBridgeWidthGivesTheCurbToCurbWidthAndTheLanes) {
    struct Case {
        const char* width;
        const char* curbToCurb;
        const char* lanes;
    };
    const Case us[] = {{"43", "40", "3"}, {"27", "24", "2"}, {"22.9", "19.9", "1"}};
    NewDesign();
    Geometry([&us](DialogDriver& d) {
        for (const Case& c : us) {
            Enter(d, IDC_GEOM_BRIDGE_WIDTH, c.width, IDC_GEOM_OVERHANG);
            EXPECT_EQ(d.Text(IDC_GEOM_CURB_TO_CURB), c.curbToCurb) << c.width;
            EXPECT_EQ(d.Text(IDC_GEOM_LANES), c.lanes) << c.width;
        }
        // The curb-to-curb width typed gives the lanes on its own.
        Enter(d, IDC_GEOM_CURB_TO_CURB, "36", IDC_GEOM_OVERHANG);
        EXPECT_EQ(d.Text(IDC_GEOM_LANES), "3");
        d.Cancel();
    });
    Metric();
    Geometry([](DialogDriver& d) {
        EXPECT_EQ(d.Text(IDC_GEOM_BRIDGE_WIDTH_LABEL), "Bridge Width,m:");
        Enter(d, IDC_GEOM_BRIDGE_WIDTH, "13.1064", IDC_GEOM_OVERHANG);  // 43 ft
        EXPECT_EQ(d.Text(IDC_GEOM_CURB_TO_CURB), "12.192");
        EXPECT_EQ(d.Text(IDC_GEOM_LANES), "3");
        d.Cancel();
    });
}

TEST_F(GeometryDlgTest, SpacingAndOverhangFollowEachOtherAndASpacingTooLargeIsPutBack) {
    NewDesign();
    Geometry([this](DialogDriver& d) {
        // Five beams on 40 ft with 3 ft overhangs: (40 - 2 x 3) / 4 = 8.5 ft apart.
        Enter(d, IDC_GEOM_BRIDGE_WIDTH, "40", IDC_GEOM_OVERHANG);
        Enter(d, IDC_GEOM_OVERHANG, "3", IDC_GEOM_BEAM_SPACING);
        EXPECT_EQ(d.Text(IDC_GEOM_BEAM_SPACING), "8.5");
        EXPECT_EQ(d.Text(IDC_GEOM_DECK_WIDTH), "102") << "interior girder: the spacing, in";
        // de: overhang less half the barriers, less the web location (in to ft).
        const double web = Doc()->m_dWebLocation / 12.0;
        EXPECT_EQ(d.Text(IDC_GEOM_DE), platform::ui::FormatDouble(3.0 - 1.5 - web));
        // 11 ft apart leaves (40 - 4 x 11) / 2 = -2 ft of overhang.
        Enter(d, IDC_GEOM_BEAM_SPACING, "11", IDC_GEOM_LANES);
        EXPECT_EQ(Messages().back(), CGeometryDlg::kSpacingTooLarge);
        EXPECT_EQ(d.Text(IDC_GEOM_BEAM_SPACING), "8.5");
        EXPECT_EQ(d.Text(IDC_GEOM_OVERHANG), "3");
        // 10 ft apart: no overhang left.
        Enter(d, IDC_GEOM_BEAM_SPACING, "10", IDC_GEOM_LANES);
        EXPECT_EQ(d.Text(IDC_GEOM_OVERHANG), "0");
        EXPECT_EQ(d.Text(IDC_GEOM_DECK_WIDTH), "120");
        d.Cancel();
    });
}

TEST_F(GeometryDlgTest, TheGirderSpinDecidesTheLocationAndTheDeckWidth) {
    struct Case {
        bool metric;
        const char* interiorWidth;  // the spacing
        const char* exteriorWidth;  // half the spacing and the overhang
    };
    // US: 9 ft x 12 = 108 in; (4.5 + 3) x 12 = 90 in. Metric: 2.7432 m x 1000 = 2743.2 mm;
    // (1.3716 + 0.9144) x 1000 = 2286 mm.
    const Case cases[] = {{false, "108", "90"}, {true, "2743.2", "2286"}};
    for (const Case& c : cases) {
        NewDesign();
        if (c.metric) Metric();
        Geometry([&c](DialogDriver& d) {
            EXPECT_EQ(d.Text(IDC_GEOM_LOCATION), "Interior");
            EXPECT_EQ(d.SpinRange(IDC_GEOM_GIRDER_SPIN), (std::pair{1, 5}));
            d.Spin(IDC_GEOM_GIRDER_SPIN, false);
            EXPECT_EQ(d.Text(IDC_GEOM_CURRENT_GIRDER), "1");
            EXPECT_EQ(d.Text(IDC_GEOM_LOCATION), "Exterior");
            EXPECT_TRUE(d.IsChecked(IDC_GEOM_EXTERIOR));
            EXPECT_TRUE(d.IsEnabled(IDC_GEOM_OVERHANG));
            EXPECT_TRUE(d.IsEnabled(IDC_GEOM_DE));
            EXPECT_EQ(d.Text(IDC_GEOM_DECK_WIDTH), c.exteriorWidth);
            d.Spin(IDC_GEOM_GIRDER_SPIN, true);
            d.Spin(IDC_GEOM_GIRDER_SPIN, true);
            EXPECT_EQ(d.Text(IDC_GEOM_LOCATION), "Interior");
            EXPECT_FALSE(d.IsEnabled(IDC_GEOM_DE));
            EXPECT_EQ(d.Text(IDC_GEOM_DECK_WIDTH), c.interiorWidth);
            d.Spin(IDC_GEOM_GIRDER_SPIN, true);
            d.Spin(IDC_GEOM_GIRDER_SPIN, true);
            EXPECT_EQ(d.Text(IDC_GEOM_CURRENT_GIRDER), "5");
            EXPECT_EQ(d.Text(IDC_GEOM_LOCATION), "Exterior") << "the last girder";
            d.Spin(IDC_GEOM_GIRDER_SPIN, true);
            EXPECT_EQ(d.Text(IDC_GEOM_CURRENT_GIRDER), "5") << "no girder 6";
            d.Ok();
        });
        EXPECT_EQ(Doc()->m_nCurrentGirder, 5);
        EXPECT_EQ(Doc()->m_nGirderLocation, kGirderExterior);
        EXPECT_EQ(Doc()->m_strGirderLocation, "Ext");
        EXPECT_DOUBLE_EQ(Doc()->m_dDeckWidth, 90.0);
        Doc()->SetModifiedFlag(false);
    }
}

TEST_F(GeometryDlgTest, AnyChangeOfTheBeamCountGivesTheGirderItsLocationAgain) {
    NewDesign();
    Doc()->m_nCurrentGirder = 3;
    Geometry([](DialogDriver& d) {
        EXPECT_EQ(d.Text(IDC_GEOM_LOCATION), "Interior");
        d.Spin(IDC_GEOM_BEAMS_SPIN, false);
        EXPECT_EQ(d.Text(IDC_GEOM_BEAMS), "4");
        EXPECT_EQ(d.Text(IDC_GEOM_LOCATION), "Interior") << "girder 3 of 4";
        EXPECT_EQ(d.Text(IDC_GEOM_BEAM_SPACING), "12") << "(42 - 2 x 3) / 3";
        d.Spin(IDC_GEOM_BEAMS_SPIN, false);
        // Girder 3 of 3 is the last: exterior, with the exterior deck width and the girder
        // spin ranging over the three beams.
        EXPECT_EQ(d.Text(IDC_GEOM_BEAM_SPACING), "18");
        EXPECT_EQ(d.Text(IDC_GEOM_LOCATION), "Exterior");
        EXPECT_TRUE(d.IsChecked(IDC_GEOM_EXTERIOR));
        EXPECT_TRUE(d.IsEnabled(IDC_GEOM_DE));
        EXPECT_EQ(d.Text(IDC_GEOM_DECK_WIDTH), "144") << "(9 + 3) x 12";
        EXPECT_EQ(d.SpinRange(IDC_GEOM_GIRDER_SPIN), (std::pair{1, 3}));
        // One beam: interior, half the bridge width on each side, one lane.
        d.Spin(IDC_GEOM_BEAMS_SPIN, false);
        d.Spin(IDC_GEOM_BEAMS_SPIN, false);
        EXPECT_EQ(d.Text(IDC_GEOM_BEAMS), "1");
        EXPECT_EQ(d.Text(IDC_GEOM_CURRENT_GIRDER), "1");
        EXPECT_EQ(d.Text(IDC_GEOM_LOCATION), "Interior");
        EXPECT_EQ(d.Text(IDC_GEOM_OVERHANG), "21");
        EXPECT_EQ(d.Text(IDC_GEOM_BEAM_SPACING), "0");
        EXPECT_EQ(d.Text(IDC_GEOM_LANES), "1");
        EXPECT_FALSE(d.IsEnabled(IDC_GEOM_BEAM_SPACING));
        EXPECT_FALSE(d.IsEnabled(IDC_GEOM_OVERHANG));
        EXPECT_EQ(d.Text(IDC_GEOM_DECK_WIDTH), "504") << "the bridge width, in";
        // Two beams again: girder 1 of 2 is exterior.
        d.Spin(IDC_GEOM_BEAMS_SPIN, true);
        EXPECT_EQ(d.Text(IDC_GEOM_LOCATION), "Exterior");
        EXPECT_TRUE(d.IsEnabled(IDC_GEOM_BEAM_SPACING));
        EXPECT_EQ(d.Text(IDC_GEOM_BEAM_SPACING), "0") << "42 - 2 x 21";
        d.Ok();
    });
    EXPECT_EQ(Doc()->m_nBeams, 2);
    EXPECT_EQ(Doc()->m_nCurrentGirder, 1);
    EXPECT_EQ(Doc()->m_nGirderLocation, kGirderExterior);
}

TEST_F(GeometryDlgTest, TheCompositeSwitchSetsTheDeckAsideAndTheTypeFollows) {
    NewDesign();
    Doc()->m_dHaunchThickness = 1.5;
    Doc()->m_dOverlayThickness = 0.5;
    Geometry([](DialogDriver& d) {
        EXPECT_EQ(d.Items(IDC_GEOM_SUPERSTRUCTURE).size(), 10u);
        EXPECT_EQ(d.Selection(IDC_GEOM_SUPERSTRUCTURE), 7);
        d.Type(IDC_GEOM_DECK_THICKNESS, "9");
        d.Click(IDC_GEOM_COMPOSITE);
        EXPECT_EQ(d.Text(IDC_GEOM_DECK_THICKNESS), "9") << "a click on the chosen button";
        d.Click(IDC_GEOM_NON_COMPOSITE);
        EXPECT_EQ(d.Text(IDC_GEOM_DECK_THICKNESS), "0");
        EXPECT_EQ(d.Text(IDC_GEOM_HAUNCH_THICKNESS), "0");
        EXPECT_EQ(d.Text(IDC_GEOM_OVERLAY), "0");
        EXPECT_EQ(d.Text(IDC_GEOM_DECK_WIDTH), "108") << "the width stays";
        EXPECT_FALSE(d.IsEnabled(IDC_GEOM_DECK_THICKNESS));
        EXPECT_FALSE(d.IsEnabled(IDC_GEOM_WEARING_LABEL));
        EXPECT_EQ(d.Selection(IDC_GEOM_SUPERSTRUCTURE), 6) << "LRFD(j) T-Beam non-comp";
        EXPECT_TRUE(d.IsEnabled(IDC_GEOM_SUFFICIENTLY_CONNECTED));
        d.Click(IDC_GEOM_NON_COMPOSITE);
        d.Click(IDC_GEOM_COMPOSITE);
        EXPECT_EQ(d.Text(IDC_GEOM_DECK_THICKNESS), "9") << "the deck comes back as typed";
        EXPECT_EQ(d.Text(IDC_GEOM_HAUNCH_THICKNESS), "1.5");
        EXPECT_EQ(d.Text(IDC_GEOM_OVERLAY), "0.5");
        EXPECT_EQ(d.Text(IDC_GEOM_HAUNCH_WIDTH), "42") << "the top flange of PCI BT-72";
        EXPECT_EQ(d.Selection(IDC_GEOM_SUPERSTRUCTURE), 7) << "LRFD(k) I-Beam comp";
        EXPECT_TRUE(d.IsEnabled(IDC_GEOM_DECK_THICKNESS));
        d.Ok();
    });
    EXPECT_EQ(Doc()->m_dDeckThickness, 9.0);
    EXPECT_EQ(Doc()->m_nSuperstructureType, 7);

    // A design without a deck gets the usual 8 in (203.2 mm) when made composite.
    for (const bool metric : {false, true}) {
        NewDesign();
        if (metric) Metric();
        Doc()->m_bCompositeDeck = 0;
        Doc()->m_dDeckThickness = 0;
        Doc()->m_nSuperstructureType = 6;
        Geometry([metric](DialogDriver& d) {
            EXPECT_FALSE(d.IsEnabled(IDC_GEOM_DECK_WIDTH));
            d.Click(IDC_GEOM_COMPOSITE);
            EXPECT_EQ(d.Text(IDC_GEOM_DECK_THICKNESS), metric ? "203.2" : "8");
            EXPECT_EQ(d.Text(IDC_GEOM_HAUNCH_WIDTH), metric ? "1066.8" : "42");
            EXPECT_EQ(d.Selection(IDC_GEOM_SUPERSTRUCTURE), 7);
            d.Ok();
        });
        EXPECT_DOUBLE_EQ(Doc()->m_dDeckThickness, 8.0);
        EXPECT_DOUBLE_EQ(Doc()->m_dHaunchWidth, 42.0);
        Doc()->SetModifiedFlag(false);
    }
}

TEST_F(GeometryDlgTest, TheSuperstructureTypeEnablesTheConnectionSwitchUnderEachSpecification) {
    NewDesign();
    Doc()->m_bSufficientlyConnected = 1;
    Geometry([](DialogDriver& d) {
        EXPECT_FALSE(d.IsEnabled(IDC_GEOM_SUFFICIENTLY_CONNECTED)) << "LRFD(k) I-Beam comp";
        d.Choose(IDC_GEOM_SUPERSTRUCTURE, "LRFD(g) Adj Box non-comp");
        EXPECT_TRUE(d.IsEnabled(IDC_GEOM_SUFFICIENTLY_CONNECTED));
        d.Choose(IDC_GEOM_SUPERSTRUCTURE, "LRFD(f) Adj Box comp");
        EXPECT_FALSE(d.IsEnabled(IDC_GEOM_SUFFICIENTLY_CONNECTED));
        EXPECT_FALSE(d.IsChecked(IDC_GEOM_SUFFICIENTLY_CONNECTED));
        EXPECT_TRUE(d.IsEnabled(IDC_GEOM_SKEW));
        d.Cancel();
    });
    Doc()->m_nSpecification = kSpecStandard;
    Doc()->m_nSuperstructureType = 3;
    Geometry([](DialogDriver& d) {
        EXPECT_EQ(d.Items(IDC_GEOM_SUPERSTRUCTURE).size(), 6u);
        EXPECT_EQ(d.Items(IDC_GEOM_SUPERSTRUCTURE)[3], "Std MultBm:box beam");
        EXPECT_TRUE(d.IsEnabled(IDC_GEOM_SUFFICIENTLY_CONNECTED)) << "type 3 under both";
        EXPECT_FALSE(d.IsEnabled(IDC_GEOM_SKEW));
        d.Choose(IDC_GEOM_SUPERSTRUCTURE, "Std I-Beam");
        EXPECT_TRUE(d.IsEnabled(IDC_GEOM_SUFFICIENTLY_CONNECTED)) << "kept as it was";
        d.Cancel();
    });
}

TEST_F(GeometryDlgTest, TheSpanAndGirderLengthSpinsSetTheGirderLengths) {
    NewDesign(IDC_SEED_CONTINUOUS);
    Metric();
    Geometry([](DialogDriver& d) {
        EXPECT_EQ(d.SpinRange(IDC_GEOM_SPAN_SPIN), (std::pair{1, 3}));
        d.Spin(IDC_GEOM_SPAN_SPIN, true);
        EXPECT_EQ(d.Text(IDC_GEOM_CURRENT_SPAN), "2");
        // Span 2: a 119 ft girder on 0.5 ft pads, 118 ft bearing to bearing.
        EXPECT_EQ(d.Text(IDC_GEOM_GIRDER_LENGTH), "36.2712");
        EXPECT_EQ(d.Text(IDC_GEOM_RELEASE_SPAN), "36.2712");
        EXPECT_EQ(d.Text(IDC_GEOM_DESIGN_SPAN), "35.9664");
        d.Spin(IDC_GEOM_GIRDER_LENGTH_SPIN, true);
        EXPECT_EQ(d.Text(IDC_GEOM_GIRDER_LENGTH), "37.2712");
        EXPECT_EQ(d.Text(IDC_GEOM_DESIGN_SPAN), "36.9664");
        d.Spin(IDC_GEOM_GIRDER_LENGTH_SPIN, false);
        d.Spin(IDC_GEOM_GIRDER_LENGTH_SPIN, false);
        EXPECT_EQ(d.Text(IDC_GEOM_RELEASE_SPAN), "35.2712");
        d.Ok();
    });
    EXPECT_EQ(Doc()->m_nCurrentSpan, 2);
    EXPECT_DOUBLE_EQ(Doc()->m_dGirderLength, 35.2712 / 0.3048);
    EXPECT_DOUBLE_EQ(Doc()->m_dDesignSpan, 34.9664 / 0.3048);
}

TEST_F(GeometryDlgTest, OkChecksTheTypeTheSpanTheDeckAndTheSpacingInThatOrder) {
    NewDesign();
    Doc()->m_nSuperstructureType = kNoSuperstructureType;
    Geometry([this](DialogDriver& d) {
        EXPECT_EQ(d.Selection(IDC_GEOM_SUPERSTRUCTURE), -1);
        d.Type(IDC_GEOM_DESIGN_SPAN, "106");  // the girder length
        d.Type(IDC_GEOM_DECK_THICKNESS, "0");
        d.Type(IDC_GEOM_OVERHANG, "30");  // (42 - 60) / 4: a negative spacing
        d.Focus(IDC_GEOM_LANES);
        const std::size_t before = Messages().size();
        d.Ok();
        d.Choose(IDC_GEOM_SUPERSTRUCTURE, "LRFD(k) I-Beam comp");
        d.Ok();
        d.Type(IDC_GEOM_DESIGN_SPAN, "-5");
        d.Ok();
        d.Type(IDC_GEOM_DECK_THICKNESS, "8");
        d.Ok();
        d.Type(IDC_GEOM_DESIGN_SPAN, "105");
        d.Ok();
        EXPECT_FALSE(d.Ended());
        EXPECT_EQ(d.Text(IDC_GEOM_BEAM_SPACING), "-4.5") << "every entry as typed";
        const std::vector<std::string> all = Messages();
        EXPECT_EQ(std::vector<std::string>(all.begin() + static_cast<long>(before), all.end()),
                  (std::vector<std::string>{
                      CGeometryDlg::kChooseSuperstructure, CGeometryDlg::kDesignSpanTooLong,
                      CGeometryDlg::kCompositeNeedsDeck, CGeometryDlg::kDesignSpanNotPositive,
                      CGeometryDlg::kNegativeSpacing}));
        EXPECT_EQ(host.Messages().back().icon, platform::MsgIcon::Error);
        d.Type(IDC_GEOM_OVERHANG, "3");
        d.Focus(IDC_GEOM_LANES);
        d.Ok();
        EXPECT_TRUE(d.Ended());
    });
}

TEST_F(GeometryDlgTest, ThePicturesFollowTheEntriesAndNeverRaiseAMessage) {
    NewDesign();
    const auto greyFill = [](RecordingDC& dc) {
        for (const auto& op : dc.OpsOf(RecordingDC::OpKind::Polygon)) {
            if (op.fill == platform::ui::kPictureGrey) return op.points.front().x;
        }
        return -1.0;
    };
    double usFill = 0;
    std::size_t usOps = 0;
    Geometry([&](DialogDriver& d) {
        auto dc = d.Paint(IDC_GEOM_CROSS_SECTION_VIEW);
        usFill = greyFill(*dc);
        usOps = dc->Ops().size();
        ASSERT_GT(usFill, 0.0);
        d.Spin(IDC_GEOM_GIRDER_SPIN, true);
        EXPECT_GT(greyFill(*d.Paint(IDC_GEOM_CROSS_SECTION_VIEW)), usFill)
            << "the grey girder moves with the girder spin";
        // The haunch drawn as it is typed: five haunches appear.
        const auto rectangles = [&d] {
            return d.Paint(IDC_GEOM_CROSS_SECTION_VIEW)->OpsOf(RecordingDC::OpKind::Rectangle).size();
        };
        const std::size_t without = rectangles();
        d.Type(IDC_GEOM_HAUNCH_THICKNESS, "2");
        EXPECT_EQ(rectangles(), without + 5);
        // No width across the girder view: its frame only.
        d.Type(IDC_GEOM_DECK_WIDTH, "0");
        d.Type(IDC_GEOM_BEAM_SPACING, "0");
        EXPECT_EQ(d.Paint(IDC_GEOM_GIRDER_VIEW)->Ops().size(), 1u);
        // What is no number draws with the value held, and no width draws the frame; painting
        // shows no message.
        const std::size_t messages = host.Messages().size();
        d.Type(IDC_GEOM_HAUNCH_THICKNESS, "x");
        d.Type(IDC_GEOM_BRIDGE_WIDTH, "wide");
        EXPECT_GT(d.Paint(IDC_GEOM_CROSS_SECTION_VIEW)->Ops().size(), 1u);
        d.Type(IDC_GEOM_BRIDGE_WIDTH, "0");
        EXPECT_EQ(d.Paint(IDC_GEOM_CROSS_SECTION_VIEW)->Ops().size(), 1u);
        EXPECT_EQ(host.Messages().size(), messages);
        d.Cancel();
    });
    // A metric design draws the picture of the same bridge.
    Metric();
    Geometry([&](DialogDriver& d) {
        auto dc = d.Paint(IDC_GEOM_CROSS_SECTION_VIEW);
        EXPECT_NEAR(greyFill(*dc), usFill, 1.0);
        EXPECT_EQ(dc->Ops().size(), usOps);
        d.Cancel();
    });
}

TEST_F(GeometryDlgTest, SegmentsOpenOnlyForPostTensioningAndComeBackOnlyOnOk) {
    NewDesign();
    Geometry([](DialogDriver& d) {
        EXPECT_FALSE(d.IsEnabled(IDC_GEOM_SEGMENTS)) << "pretensioning only";
        d.Cancel();
    });
    NewDesign(IDC_SEED_SPLICED);
    CKordelDoc& doc = *Doc();
    ASSERT_EQ(doc.m_nSegments, 3);
    // The geometry dialog's girder length, as typed, is the length the segments add up to.
    toolkit.QueueDialog([](DialogDriver& d) {
        d.Type(IDC_GEOM_GIRDER_LENGTH, "80");
        d.Type(IDC_GEOM_RELEASE_SPAN, "80");
        d.Type(IDC_GEOM_DESIGN_SPAN, "79");
        EXPECT_TRUE(d.Click(IDC_GEOM_SEGMENTS));
        d.Ok();
    });
    Geometry([](DialogDriver& d) {
        EXPECT_EQ(d.TemplateId(), IDD_GIRDER_SEGMENTS);
        EXPECT_EQ(d.Text(IDC_SEGMENT_OVERALL), "80.00");
        EXPECT_EQ(d.Text(IDC_SEGMENT_COUNT), "3");
        d.Spin(IDC_SEGMENT_COUNT_SPIN, false);
        d.Spin(IDC_SEGMENT_COUNT_SPIN, false);
        d.Ok();
    });
    EXPECT_EQ(doc.m_nSegments, 1);
    EXPECT_EQ(doc.m_adSegments[0][kSegmentLength], 80.0);
    EXPECT_EQ(doc.m_dGirderLength, 80.0);

    // Segments changed and the geometry dialog cancelled: the design keeps its segments.
    toolkit.QueueDialog([](DialogDriver& d) {
        d.Click(IDC_GEOM_SEGMENTS);
        d.Cancel();
    });
    Geometry([](DialogDriver& d) {
        d.Spin(IDC_SEGMENT_COUNT_SPIN, true);
        auto& segments = static_cast<CGirderSegementDetailsDlg&>(d.Target());
        segments.m_grid.SetCellText(1, 1, "40");
        segments.m_grid.SetCellText(1, 2, "2");
        segments.m_grid.SetCellText(2, 1, "38");
        d.Ok();
        EXPECT_TRUE(d.Ended());
    });
    EXPECT_EQ(doc.m_nSegments, 1);
}

}  // namespace
}  // namespace kordel::test
