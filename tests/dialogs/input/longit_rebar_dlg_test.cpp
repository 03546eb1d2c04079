// "Longitudinal Rebar", opened from the Input menu: a confirmed layout expands its group's bars
// again, the bar list moves single bars, Cancel anywhere changes nothing, and the three
// drawings (elevation scales, the expand and magnify boxes, the bars a section cuts, nothing
// drawn for a girder of no length).
#include "dialogs/input/longit_rebar_dlg.h"

#include <gtest/gtest.h>

#include "dialogs/input/edit_rebar_list_dlg.h"
#include "dialogs/input/rebar_layout_dlg.h"
#include "platform/ui/recording_dc.h"
#include "tests/app/desktop_test_support.h"
#include "tests/dialogs/input/rebar_dialog_support.h"

namespace kordel::test {
namespace {

using platform::ui::DialogDriver;
using platform::ui::RecordingDC;
using Kind = RecordingDC::OpKind;

/// Ops of `kind` drawn in the bars' blue.
std::vector<RecordingDC::Op> BlueOps(const RecordingDC& dc, Kind kind) {
    std::vector<RecordingDC::Op> ops;
    for (const auto& op : dc.OpsOf(kind)) {
        if (op.hasPen && op.penColour == kRebarBlue) ops.push_back(op);
    }
    return ops;
}

class LongitRebarDlgTest : public DesktopTest {
  protected:
    void SetUp() override {
        ASSERT_TRUE(Start());
        NewDesign(IDC_SEED_CONTINUOUS);  // example 3: a deck row of 20 #7 bars
        ASSERT_EQ(Doc()->m_nDeckBarCount, 20);
    }
    CLongitRebarPat& Dialog(DialogDriver& d) { return static_cast<CLongitRebarPat&>(d.Target()); }
};

TEST_F(LongitRebarDlgTest, AConfirmedLayoutExpandsItsGroupAndTheBarListMovesOneBar) {
    CKordelDoc& doc = *Doc();
    const double deckTop = doc.m_dSectionHeight + doc.m_dHaunchThickness;  // in
    toolkit.QueueDialog([](DialogDriver& d) {
        d.Click(IDC_LONGIT_GIRDER_LAYOUT);
        d.Click(IDC_LONGIT_DECK_LAYOUT);
        d.Click(IDC_LONGIT_GIRDER_BAR_LIST);
        d.Ok();
    });
    toolkit.QueueDialog([](DialogDriver& d) {  // Girder Rebar: two rows
        auto& dlg = static_cast<CGirderRebarDlg&>(d.Target());
        d.Spin(IDC_REBAR_LEVELS_SPIN, true);
        d.Spin(IDC_REBAR_LEVELS_SPIN, true);
        for (auto [row, text] : {std::pair{1, "3"}, {2, "2"}})
            TypeIntoCell(d, IDC_GIRDER_REBAR_GRID, dlg.m_grid, row, 1, text);
        TypeIntoCell(d, IDC_GIRDER_REBAR_GRID, dlg.m_grid, 1, 3, "2");
        TypeIntoCell(d, IDC_GIRDER_REBAR_GRID, dlg.m_grid, 2, 3, "6");
        TypeIntoCell(d, IDC_GIRDER_REBAR_GRID, dlg.m_grid, 1, 5, "100");
        d.Ok();
    });
    toolkit.QueueDialog([](DialogDriver& d) {  // Deck Rebar: 3 bars instead of 20
        auto& dlg = static_cast<CDeckRebarDlg&>(d.Target());
        TypeIntoCell(d, IDC_DECK_REBAR_GRID, dlg.m_grid, 1, 1, "3");
        d.Ok();
    });
    toolkit.QueueDialog([](DialogDriver& d) {  // Edit Rebar List: the girder's 5 bars
        auto& dlg = static_cast<CEditRebarListDlg&>(d.Target());
        EXPECT_EQ(dlg.m_grid.GetRowCount(), 6);
        TypeIntoCell(d, IDC_REBAR_LIST_GRID, dlg.m_grid, 4, 5, "7.5");
        d.Ok();
    });
    ASSERT_TRUE(Choose(ID_INPUT_REBAR_LONGITUDINAL));

    ASSERT_EQ(doc.m_nGirderRebarRowCount, 2);
    EXPECT_DOUBLE_EQ(doc.m_adGirderRebarRows[0][kRebarRowArea], 0.6) << "3 #4 bars";
    ASSERT_EQ(doc.m_nGirderBarCount, 5);
    const double z[] = {0, 2, -2, 7.5, -1};  // row 1 odd; row 2 from 1 in out; bar 4 moved
    const double y[] = {2, 2, 2, 6, 6};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(doc.m_aGirderBars[i].m_adStart[kBarZ], z[i]) << "bar " << i + 1;
        EXPECT_EQ(doc.m_aGirderBars[i].m_adStart[kBarY], y[i]) << "bar " << i + 1;
    }
    EXPECT_EQ(doc.m_aGirderBars[3].m_adEnd[kBarZ], 1) << "the end location is not shown";
    EXPECT_EQ(doc.m_aGirderBars[0].m_adEnd[kBarX], 100);
    ASSERT_EQ(doc.m_nDeckBarCount, 3);
    EXPECT_EQ(doc.m_aDeckBars[1].m_adStart[kBarY],
              doc.m_adDeckRebarRows[0][kRebarRowElevation] + deckTop)
        << "deck bars count from the top of the haunch";
    EXPECT_EQ(doc.m_aDeckBars[2].m_adStart[kBarZ], -2);
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(LongitRebarDlgTest, CancelInTheLayoutOrOnTheDialogChangesNothing) {
    const std::string path = temp / "cancel.kdx";
    host.QueueFileName(path);
    Choose(ID_FILE_SAVE_AS);
    const std::string bytes = ReadFileBytes(path);
    toolkit.QueueDialog([](DialogDriver& d) {
        d.Click(IDC_LONGIT_DECK_LAYOUT);
        d.Ok();
    });
    toolkit.QueueDialog([](DialogDriver& d) {
        auto& dlg = static_cast<CDeckRebarDlg&>(d.Target());
        TypeIntoCell(d, IDC_DECK_REBAR_GRID, dlg.m_grid, 1, 1, "3");
        d.Cancel();
    });
    ASSERT_TRUE(Choose(ID_INPUT_REBAR_LONGITUDINAL));
    EXPECT_EQ(Doc()->m_nDeckBarCount, 20) << "the layout cancelled";
    toolkit.QueueDialog([](DialogDriver& d) {
        d.Click(IDC_LONGIT_DECK_LAYOUT);
        d.Click(IDC_LONGIT_DECK_BAR_LIST);
        d.Cancel();
    });
    toolkit.QueueDialog([](DialogDriver& d) {
        auto& dlg = static_cast<CDeckRebarDlg&>(d.Target());
        TypeIntoCell(d, IDC_DECK_REBAR_GRID, dlg.m_grid, 1, 1, "3");
        d.Ok();
    });
    toolkit.QueueDialog([](DialogDriver& d) {
        auto& dlg = static_cast<CEditRebarListDlg&>(d.Target());
        EXPECT_EQ(dlg.m_nBarCount, 3) << "the bars of the layout just confirmed";
        TypeIntoCell(d, IDC_REBAR_LIST_GRID, dlg.m_grid, 1, 5, "9");
        d.Ok();
    });
    ASSERT_TRUE(Choose(ID_INPUT_REBAR_LONGITUDINAL));
    Choose(ID_FILE_SAVE);
    EXPECT_TRUE(ReadFileBytes(path) == bytes) << "the file saved again is the same";
}

TEST_F(LongitRebarDlgTest, TheElevationFitsTheGirderAndTheBoxesExpandAndMagnify) {
    toolkit.QueueDialog([this](DialogDriver& d) {
        CLongitRebarPat& dlg = Dialog(d);
        EXPECT_FALSE(d.IsChecked(IDC_LONGIT_EXPAND_VERTICAL));
        auto elevation = d.Paint(IDC_LONGIT_ELEVATION);
        // A long girder: one true scale for both directions, the horizontal fit.
        const double sx = dlg.m_dElevScaleX;
        EXPECT_EQ(dlg.m_dElevScaleY, sx);
        const platform::ui::Size size = d.Target().GetItemClientSize(IDC_LONGIT_ELEVATION);
        EXPECT_DOUBLE_EQ(sx, (size.cx - 8) / (Doc()->m_dGirderLength * 12));
        const auto lines = BlueOps(*elevation, Kind::Polyline);
        ASSERT_EQ(lines.size(), 20u) << "one line per deck bar";
        EXPECT_EQ(lines[0].penWidth, 1);
        EXPECT_EQ(elevation->OpsOf(Kind::Rectangle).size(), 3u) << "frame, girder, deck band";

        d.Click(IDC_LONGIT_EXPAND_VERTICAL);
        d.Paint(IDC_LONGIT_ELEVATION);
        const CKordelDoc& doc = *Doc();
        const double Htot = doc.m_dSectionHeight + doc.m_dHaunchThickness + doc.m_dDeckThickness;
        EXPECT_DOUBLE_EQ(dlg.m_dElevScaleY, (size.cy - 8) / Htot) << "the vertical fills the frame";
        EXPECT_EQ(dlg.m_dElevScaleX, sx);
        d.Click(IDC_LONGIT_MAGNIFY_BARS);
        EXPECT_EQ(BlueOps(*d.Paint(IDC_LONGIT_ELEVATION), Kind::Polyline)[0].penWidth, 2);
        d.Cancel();
    });
    ASSERT_TRUE(Choose(ID_INPUT_REBAR_LONGITUDINAL));
    toolkit.QueueDialog([](DialogDriver& d) {
        EXPECT_FALSE(d.IsChecked(IDC_LONGIT_MAGNIFY_BARS)) << "both boxes start cleared";
        d.Cancel();
    });
    ASSERT_TRUE(Choose(ID_INPUT_REBAR_LONGITUDINAL));
}

TEST_F(LongitRebarDlgTest, TheSectionsShowTheBarsTheyCutAtTheirSize) {
    CKordelDoc& doc = *Doc();
    // The deck bars stop exactly at midspan; one girder bar runs the whole girder.
    const double mid = doc.m_adStationX[kStationMidspan] + doc.m_dEndDistance;  // ft
    for (int i = 0; i < doc.m_nDeckBarCount; ++i) doc.m_aDeckBars[i].m_adEnd[kBarX] = mid;
    doc.m_nGirderBarCount = 1;
    doc.m_aGirderBars[0] = {.m_nBarSize = 8,
                            .m_adStart = {0, 4, 0},
                            .m_strTag1 = "S",
                            .m_adEnd = {200, 4, 0},
                            .m_strTag2 = "S",
                            .m_strTag3 = "B",
                            .m_strTag4 = "X"};
    toolkit.QueueDialog([this](DialogDriver& d) {
        CLongitRebarPat& dlg = Dialog(d);
        const auto dots = BlueOps(*d.Paint(IDC_LONGIT_SECTION_MIDSPAN), Kind::Ellipse);
        ASSERT_EQ(dots.size(), 21u) << "a bar ending at the section is cut by it";
        const double s = dlg.m_dSectionScale;
        EXPECT_NEAR(dots[0].points[1].x - dots[0].points[0].x, s * 1.0, 1.01) << "#8: 1 in";
        d.Click(IDC_LONGIT_MAGNIFY_BARS);
        const auto big = BlueOps(*d.Paint(IDC_LONGIT_SECTION_BEARING), Kind::Ellipse);
        ASSERT_EQ(big.size(), 21u);
        EXPECT_NEAR(big[0].points[1].x - big[0].points[0].x, 2 * s * 1.0, 1.01);
        d.Cancel();
    });
    ASSERT_TRUE(Choose(ID_INPUT_REBAR_LONGITUDINAL));
}

TEST_F(LongitRebarDlgTest, AGirderOfNoLengthOrHeightDrawsTheBareFrames) {
    CKordelDoc& doc = *Doc();
    doc.m_dGirderLength = 0;
    doc.m_dSectionHeight = doc.m_dHaunchThickness = doc.m_dDeckThickness = 0;
    toolkit.QueueDialog([](DialogDriver& d) {
        for (int id :
             {IDC_LONGIT_ELEVATION, IDC_LONGIT_SECTION_BEARING, IDC_LONGIT_SECTION_MIDSPAN}) {
            auto dc = d.Paint(id);
            EXPECT_EQ(dc->OpsOf(Kind::Rectangle).size(), 1u) << "the frame alone, " << id;
            EXPECT_TRUE(dc->OpsOf(Kind::Polyline).empty()) << id;
            EXPECT_TRUE(dc->OpsOf(Kind::Ellipse).empty()) << id;
        }
        d.Cancel();
    });
    ASSERT_TRUE(Choose(ID_INPUT_REBAR_LONGITUDINAL));
}

}  // namespace
}  // namespace kordel::test
