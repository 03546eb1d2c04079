// Input/Rebar - Longitudinal and Input/Rebar- Transverse on metric designs: what the dialogs
// show converted (the stirrup bar size is a number, not a length), and a metric design taken
// through both commands and every sub-dialog, saved and opened again, holding every row, bar
// and zone of the US design it was converted from to the last bit.
#include <gtest/gtest.h>

#include <memory>

#include "dialogs/input/design_options_dlg.h"
#include "dialogs/input/edit_rebar_list_dlg.h"
#include "dialogs/input/longit_rebar_dlg.h"
#include "dialogs/input/rebar_layout_dlg.h"
#include "dialogs/input/transverse_rebar_dlg.h"
#include "document/model_prestress.h"
#include "document/older_design_files.h"
#include "document/rebar_layout.h"
#include "tests/app/desktop_test_support.h"
#include "tests/dialogs/input/rebar_dialog_support.h"

namespace kordel::test {
namespace {

using platform::ui::DialogDriver;

class RebarCommandTest : public DesktopTest {
  protected:
    void SetUp() override { ASSERT_TRUE(Start()); }
    void ToMetric() {
        toolkit.QueueDialog([](DialogDriver& d) {
            d.Click(IDC_UNITS_METRIC);
            d.Ok();
        });
        ASSERT_TRUE(Choose(ID_INPUT_PROJECT_SETTINGS));
        ASSERT_EQ(Doc()->m_nUnits, kUnitsMetric);
    }
};

/// The reinforcement of a design, compared value by value.
void ExpectSameReinforcement(const PrestressModel& a, const PrestressModel& b) {
    EXPECT_EQ(a.m_nGirderRebarRowCount, b.m_nGirderRebarRowCount);
    EXPECT_EQ(a.m_nDeckRebarRowCount, b.m_nDeckRebarRowCount);
    for (int r = 0; r < kMaxLongitRebarRows; ++r) {
        for (int c = 0; c < kRebarRowValueCount; ++c) {
            EXPECT_EQ(a.m_adGirderRebarRows[r][c], b.m_adGirderRebarRows[r][c]) << r << "," << c;
            EXPECT_EQ(a.m_adDeckRebarRows[r][c], b.m_adDeckRebarRows[r][c]) << r << "," << c;
        }
    }
    ASSERT_EQ(a.m_nGirderBarCount, b.m_nGirderBarCount);
    ASSERT_EQ(a.m_nDeckBarCount, b.m_nDeckBarCount);
    for (int i = 0; i < a.m_nGirderBarCount; ++i)
        EXPECT_EQ(a.m_aGirderBars[i], b.m_aGirderBars[i]) << "girder bar " << i + 1;
    for (int i = 0; i < a.m_nDeckBarCount; ++i)
        EXPECT_EQ(a.m_aDeckBars[i], b.m_aDeckBars[i]) << "deck bar " << i + 1;
    EXPECT_EQ(a.m_bStirrupsSymmetric, b.m_bStirrupsSymmetric);
    EXPECT_EQ(a.m_bStirrupLayout, b.m_bStirrupLayout);
    EXPECT_EQ(a.m_nStirrupLegs, b.m_nStirrupLegs);
    ASSERT_EQ(a.m_nStirrupZoneCount, b.m_nStirrupZoneCount);
    for (int k = 0; k < a.m_nStirrupZoneCount; ++k) {
        for (int c = 0; c < kStirrupZoneValueCount; ++c)
            EXPECT_EQ(a.m_adStirrupZones[k][c], b.m_adStirrupZones[k][c]) << k << "," << c;
    }
}

TEST_F(RebarCommandTest, MetricDialogsShowConvertedLengthsAndTheStirrupSizeAsItIs) {
    NewDesign();  // example 1
    CKordelDoc& doc = *Doc();
    doc.m_nGirderRebarRowCount = 1;
    const double row[] = {2, 5, 3, 10, 96, 1};  // a row area of 1 in2
    std::copy(row, row + kRebarRowValueCount, doc.m_adGirderRebarRows[0]);
    doc.m_nGirderBarCount = 1;
    doc.m_aGirderBars[0] = {.m_nBarSize = 5,
                            .m_adStart = {10, 3, 1},
                            .m_strTag1 = "S",
                            .m_adEnd = {96, 3, 1},
                            .m_strTag2 = "S",
                            .m_strTag3 = "B",
                            .m_strTag4 = "X"};
    doc.m_adStirrupZones[1][kZoneArea] = 0.2;
    ToMetric();
    toolkit.QueueDialog([](DialogDriver& d) {
        auto& dlg = static_cast<CLongitRebarPat&>(d.Target());
        EXPECT_EQ(dlg.m_aGirderBars[0].m_adStart[kBarX], 3.048) << "10 ft";
        EXPECT_NEAR(dlg.m_aGirderBars[0].m_adStart[kBarY], 0.0762, 1e-15) << "3 in";
        EXPECT_EQ(dlg.m_aGirderRows[0][kRebarRowArea], 645.16) << "1 in2";
        EXPECT_EQ(dlg.m_aGirderRows[0][kRebarRowBarSize], 5);
        d.Cancel();
    });
    ASSERT_TRUE(Choose(ID_INPUT_REBAR_LONGITUDINAL));
    toolkit.QueueDialog([](DialogDriver& d) {
        auto& dlg = static_cast<CTransverseRebarPatDlg&>(d.Target());
        EXPECT_NEAR(dlg.m_aZones[1][kZoneArea], 0.42333, 1e-5) << "0.2 in2/ft";
        EXPECT_EQ(dlg.m_grid.GetCellText(1, 2), "    5") << "the bar size is no length";
        EXPECT_EQ(dlg.m_grid.GetCellText(1, 4), "  102") << "4 in";
        // An edit elsewhere works the areas out again from the size shown.
        d.Spin(IDC_TRANSVERSE_LEGS_SPIN, true);
        TypeIntoCell(d, IDC_TRANSVERSE_GRID, dlg.m_grid, 2, 3, "20");
        EXPECT_EQ(dlg.m_grid.GetCellText(1, 6), " 5.91") << "3 legs of #5 at 101.6 mm";
        d.Ok();
    });
    ASSERT_TRUE(Choose(ID_INPUT_REBAR_TRANSVERSE));
    EXPECT_EQ(doc.m_adStirrupZones[0][kZoneBarSize], 5);
    EXPECT_NEAR(doc.m_adStirrupZones[0][kZoneArea], 3 * 0.31 * 12 / 4, 1e-12);
    EXPECT_EQ(doc.m_nStirrupLegs, 3);
}

TEST_F(RebarCommandTest, AMetricDesignThroughBothCommandsKeepsEveryBarAndZoneOfItsUsDesign) {
    NewDesign(IDC_SEED_CONTINUOUS);  // example 3: deck bars and symmetric stirrups
    CKordelDoc& doc = *Doc();
    // Girder rows whose values have more digits than the grids show.
    doc.m_nGirderRebarRowCount = 2;
    const double rows[2][kRebarRowValueCount] = {
        {3, 5, 2.125, 0.3333, 105.6667, RebarRowArea(3, 5, false)},
        {4, 6, 5.0625, 1.0 / 3, 52.987654, RebarRowArea(4, 6, false)}};
    for (int r = 0; r < 2; ++r)
        std::copy(rows[r], rows[r] + kRebarRowValueCount, doc.m_adGirderRebarRows[r]);
    design_file::ExpandGirderRebarRows(doc);
    doc.m_aGirderBars[2].m_adStart[kBarZ] = 2.0 / 3;  // one bar moved in the bar list
    auto us = std::make_unique<PrestressModel>(static_cast<const PrestressModel&>(doc));

    ToMetric();
    toolkit.QueueDialog([](DialogDriver& d) {
        for (int id : {IDC_LONGIT_GIRDER_BAR_LIST, IDC_LONGIT_DECK_LAYOUT, IDC_LONGIT_DECK_BAR_LIST,
                       IDC_LONGIT_GIRDER_LAYOUT})
            d.Click(id);
        d.Ok();
    });
    for (int i = 0; i < 4; ++i) toolkit.QueueDialog([](DialogDriver& d) { d.Ok(); });
    ASSERT_TRUE(Choose(ID_INPUT_REBAR_LONGITUDINAL));
    EXPECT_EQ(toolkit.DialogsShown().size(), 7u) << "settings, rebar, 2 lists, 2 layouts";
    toolkit.QueueDialog([](DialogDriver& d) { d.Ok(); });
    ASSERT_TRUE(Choose(ID_INPUT_REBAR_TRANSVERSE));

    const std::string path = temp / "metric.kdx";
    host.QueueFileName(path);
    Choose(ID_FILE_SAVE_AS);
    Choose(ID_FILE_CLOSE);
    host.QueueFileName(path);
    Choose(ID_FILE_OPEN);
    ASSERT_NE(Doc(), nullptr);
    ASSERT_EQ(Doc()->m_nUnits, kUnitsMetric);
    // The girder layout was confirmed: its bars are those of the rows again, bar 3 back on the
    // 2-in pitch, as the US design's layout would give them.
    design_file::ExpandGirderRebarRows(*us);
    ExpectSameReinforcement(*Doc(), *us);
}

TEST_F(RebarCommandTest, CancelledTransverseEditsLeaveTheSavedDesignAsItWas) {
    const std::string path = SavedDesign("transverse.kdx");
    const std::string bytes = ReadFileBytes(path);
    toolkit.QueueDialog([](DialogDriver& d) {
        auto& dlg = static_cast<CTransverseRebarPatDlg&>(d.Target());
        d.Spin(IDC_TRANSVERSE_ZONES_SPIN, true);
        d.Spin(IDC_TRANSVERSE_LEGS_SPIN, true);
        TypeIntoCell(d, IDC_TRANSVERSE_GRID, dlg.m_grid, 1, 1, "1");
        d.Click(IDC_TRANSVERSE_USE_AREA);
        d.Click(IDC_TRANSVERSE_SYMMETRIC);
        d.Cancel();
    });
    ASSERT_TRUE(Choose(ID_INPUT_REBAR_TRANSVERSE));
    EXPECT_FALSE(Doc()->IsModified());
    Choose(ID_FILE_SAVE);
    EXPECT_TRUE(ReadFileBytes(path) == bytes) << "the file saved again is the same";
}

}  // namespace
}  // namespace kordel::test
