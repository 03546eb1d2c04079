// "Girder Segment Details" on its own: the grid of segments and closure pours, the count spin,
// the sum beside the girder length, and OK refusing segments and closures that do not add up
// to the girder length. A person types into the grid's cells as into any grid.
#include "dialogs/input/girder_segment_dlg.h"

#include <gtest/gtest.h>

#include <string>

#include "document/model_limits.h"
#include "platform/headless_host.h"
#include "platform/ui/headless_controls.h"
#include "platform/ui/headless_toolkit.h"
#include "platform/ui/menu.h"

namespace kordel::test {
namespace {

using namespace platform::ui;

class GirderSegmentDlgTest : public ::testing::Test {
  protected:
    GirderSegmentDlgTest() : m_hostGuard(host), m_toolkitGuard(toolkit) {}

    /// Types `text` into cell (row, col) of the dialog's grid and ends the edit with Return.
    static void TypeInCell(DialogDriver& d, int row, int col, const std::string& text) {
        auto& dlg = static_cast<CGirderSegementDetailsDlg&>(d.Target());
        HeadlessControl* window = d.ControlWindow(IDC_SEGMENT_GRID);
        ASSERT_NE(window, nullptr);
        dlg.m_grid.SetFocusCell(row, col);
        window->Char(text[0]);
        ASSERT_NE(window->Edit(), nullptr) << "cell " << row << "," << col << " is editable";
        window->Edit()->Type(text.substr(1));
        window->Edit()->Char(kKeyReturn);
    }
    static std::string Cell(DialogDriver& d, int row, int col) {
        return static_cast<CGirderSegementDetailsDlg&>(d.Target()).m_grid.GetCellText(row, col);
    }
    std::vector<std::string> Messages() const {
        std::vector<std::string> texts;
        for (const auto& m : host.Messages()) texts.push_back(m.text);
        return texts;
    }

    /// An 80 ft girder of one piece.
    void OnePiece(CGirderSegementDetailsDlg& dlg) {
        dlg.m_dOverallLength = 80;
        dlg.m_nSegments = 1;
        dlg.m_adSegments[0][kSegmentLength] = 80;
    }

    platform::HeadlessHost host;
    HeadlessToolkit toolkit{host};

  private:
    platform::ScopedHost m_hostGuard;
    ScopedToolkit m_toolkitGuard;
};

TEST_F(GirderSegmentDlgTest, SegmentsAndClosuresMustAddUpToTheGirderLength) {
    CGirderSegementDetailsDlg dlg;
    OnePiece(dlg);
    toolkit.QueueDialog([](DialogDriver& d) {
        EXPECT_EQ(d.Text(IDC_SEGMENT_OVERALL), "80.00");
        EXPECT_EQ(d.Text(IDC_SEGMENT_SUM), "80.00");
        d.Spin(IDC_SEGMENT_COUNT_SPIN, true);
        EXPECT_EQ(d.Text(IDC_SEGMENT_COUNT), "2");
        EXPECT_EQ(Cell(d, 2, 1), " 0.00") << "the new segment has no length yet";
        EXPECT_EQ(Cell(d, 1, 2), " 0.00") << "the first closure is editable now";
        EXPECT_EQ(d.Text(IDC_SEGMENT_SUM), "80.00");
        // 40 + 38 without the closure: 78 ft, refused.
        TypeInCell(d, 1, 1, "40");
        TypeInCell(d, 2, 1, "38");
        EXPECT_EQ(d.Text(IDC_SEGMENT_SUM), "78.00");
        d.Ok();
        EXPECT_FALSE(d.Ended());
        // With the 2 ft closure pour between them: 40 + 2 + 38 = 80 ft.
        TypeInCell(d, 1, 2, "2");
        EXPECT_EQ(d.Text(IDC_SEGMENT_SUM), "80.00");
        d.Ok();
    });
    ASSERT_EQ(dlg.DoModal(), kIdOk);
    EXPECT_EQ(Messages(), std::vector<std::string>{CGirderSegementDetailsDlg::kSumMessage});
    EXPECT_EQ(dlg.m_nSegments, 2);
    EXPECT_EQ(dlg.m_adSegments[0][kSegmentLength], 40.0);
    EXPECT_EQ(dlg.m_adSegments[0][kSegmentClosure], 2.0);
    EXPECT_EQ(dlg.m_adSegments[1][kSegmentLength], 38.0);
}

TEST_F(GirderSegmentDlgTest, TheLastClosureIsGreyAndReadOnlyAndOneSegmentTakesTheWholeGirder) {
    CGirderSegementDetailsDlg dlg;
    dlg.m_dOverallLength = 80;
    dlg.m_nSegments = 2;
    dlg.m_adSegments[0][kSegmentLength] = 40;
    dlg.m_adSegments[0][kSegmentClosure] = 2;
    dlg.m_adSegments[1][kSegmentLength] = 38;
    dlg.m_adSegments[1][kSegmentClosure] = 5;  // nothing follows the last segment
    toolkit.QueueDialog([&dlg](DialogDriver& d) {
        EXPECT_EQ(d.Text(IDC_SEGMENT_SUM), "80.00") << "the last closure is not counted";
        EXPECT_EQ(Cell(d, 2, 2), "");
        EXPECT_FALSE(dlg.m_grid.IsCellEditable(2, 2));
        EXPECT_EQ(dlg.m_grid.GetCell(2, 2)->GetBackColor(), GridColour(Rgb(230, 230, 230)));
        EXPECT_TRUE(dlg.m_grid.IsCellEditable(1, 2));
        d.Spin(IDC_SEGMENT_COUNT_SPIN, false);
        EXPECT_EQ(Cell(d, 1, 1), "80.00");
        EXPECT_EQ(Cell(d, 1, 2), "") << "one piece has no closure";
        d.Spin(IDC_SEGMENT_COUNT_SPIN, false);
        EXPECT_EQ(d.Text(IDC_SEGMENT_COUNT), "1") << "no fewer than one segment";
        d.Ok();
    });
    ASSERT_EQ(dlg.DoModal(), kIdOk);
    EXPECT_EQ(dlg.m_nSegments, 1);
    EXPECT_EQ(dlg.m_adSegments[0][kSegmentLength], 80.0);
    EXPECT_EQ(dlg.m_adSegments[0][kSegmentClosure], 0.0);
}

TEST_F(GirderSegmentDlgTest, TheSumIsCheckedToAThousandthOfTheLengthsAsTyped) {
    struct Case {
        const char* length;  // the one segment, ft
        bool accepted;
    };
    // 80.001 is 0.001 ft off; 80.002 is 0.002 ft off (the sum is kept in single precision:
    // 80.002f is 80.00199890 and still more than 0.001 away). The grid shows two decimals,
    // "80.00", but keeps the length typed.
    const Case cases[] = {{"80.001", true}, {"79.999", true}, {"80.002", false}, {"79.998", false}};
    for (const Case& c : cases) {
        CGirderSegementDetailsDlg dlg;
        OnePiece(dlg);
        bool ended = false;
        toolkit.QueueDialog([&](DialogDriver& d) {
            TypeInCell(d, 1, 1, c.length);
            EXPECT_EQ(Cell(d, 1, 1), "80.00") << c.length;
            d.Ok();
            ended = d.Ended();
            if (!ended) d.Cancel();
        });
        dlg.DoModal();
        EXPECT_EQ(ended, c.accepted) << c.length;
        if (c.accepted) {
            EXPECT_EQ(dlg.m_adSegments[0][kSegmentLength], std::stod(c.length));
        }
    }
}

TEST_F(GirderSegmentDlgTest, AMetricDesignIsShownInMetresAndHandedBackInFeet) {
    // 40 + 1.7 + 38.3 = 80 ft; 1.7 ft is 0.51816 m, which divided by 0.3048 is not 1.7 again
    // to the last bit.
    ASSERT_NE(0.51816 / 0.3048, 1.7);
    const auto metric = [](CGirderSegementDetailsDlg& dlg) {
        dlg.m_nUnits = kUnitsMetric;
        dlg.m_dOverallLength = 24.384;  // 80 ft
        dlg.m_nSegments = 2;
        dlg.m_adSegments[0][kSegmentLength] = 40;
        dlg.m_adSegments[0][kSegmentClosure] = 1.7;
        dlg.m_adSegments[1][kSegmentLength] = 38.3;
    };
    CGirderSegementDetailsDlg dlg;
    metric(dlg);
    toolkit.QueueDialog([](DialogDriver& d) {
        EXPECT_EQ(d.Text(IDC_SEGMENT_OVERALL_LABEL), "Overall Girder Length, m:");
        EXPECT_EQ(d.Text(IDC_SEGMENT_OVERALL), "24.384");
        EXPECT_EQ(Cell(d, 0, 1), "Segment Length,m");
        EXPECT_EQ(Cell(d, 1, 1), "12.19200");  // 40 ft
        EXPECT_EQ(Cell(d, 1, 2), " 0.51816");  // 1.7 ft
        EXPECT_EQ(d.Text(IDC_SEGMENT_SUM), "24.384");
        d.Ok();
    });
    ASSERT_EQ(dlg.DoModal(), kIdOk);
    EXPECT_EQ(dlg.m_adSegments[0][kSegmentClosure], 1.7) << "left as shown, back as handed in";
    EXPECT_EQ(dlg.m_adSegments[1][kSegmentLength], 38.3);

    CGirderSegementDetailsDlg edited;
    metric(edited);
    toolkit.QueueDialog([](DialogDriver& d) {
        TypeInCell(d, 1, 2, "0.6096");   // 2 ft
        TypeInCell(d, 2, 1, "11.5824");  // 38 ft
        EXPECT_EQ(d.Text(IDC_SEGMENT_SUM), "24.384");
        d.Ok();
    });
    ASSERT_EQ(edited.DoModal(), kIdOk);
    EXPECT_EQ(edited.m_adSegments[0][kSegmentLength], 40.0);
    EXPECT_DOUBLE_EQ(edited.m_adSegments[0][kSegmentClosure], 2.0);
    EXPECT_DOUBLE_EQ(edited.m_adSegments[1][kSegmentLength], 38.0);
}

TEST_F(GirderSegmentDlgTest, ACountOutsideOneToFourIsRefusedAndNeverReachesPastTheTable) {
    for (const char* typed : {"0", "5", "11"}) {
        CGirderSegementDetailsDlg dlg;
        OnePiece(dlg);
        toolkit.QueueDialog([typed](DialogDriver& d) {
            d.Type(IDC_SEGMENT_COUNT, typed);
            d.Ok();
            EXPECT_FALSE(d.Ended()) << typed;
            d.Cancel();
        });
        EXPECT_EQ(dlg.DoModal(), kIdCancel);
        EXPECT_EQ(Messages().back(), "Enter a number between 1 and 4.") << typed;
    }
    // A count past the table handed in is shown as the four segments the table holds.
    CGirderSegementDetailsDlg dlg;
    OnePiece(dlg);
    dlg.m_nSegments = 9;
    toolkit.QueueDialog([](DialogDriver& d) {
        EXPECT_EQ(d.Text(IDC_SEGMENT_COUNT), "4");
        d.Cancel();
    });
    dlg.DoModal();
}

}  // namespace
}  // namespace kordel::test
