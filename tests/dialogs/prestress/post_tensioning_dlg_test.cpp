// "Post-Tensioning" on example 4 (a spliced girder with six tendons) from the Input menu: its
// elevation and section drawings, and the tendon table "Post-Tensioning Tendons" with its count
// spin, stressing-end drop-down, areas and jacking forces; what comes back to the design.
#include "dialogs/prestress/post_tensioning_dlg.h"

#include <gtest/gtest.h>

#include "controls/in_place_edit.h"
#include "dialogs/prestress/tendon_layout_dlg.h"
#include "document/filled_design.h"
#include "platform/ui/headless_controls.h"
#include "platform/ui/recording_dc.h"
#include "tests/app/desktop_test_support.h"

namespace kordel::test {
namespace {

using platform::ui::DialogDriver;
using platform::ui::RecordingDC;
using Op = RecordingDC::OpKind;

class PostTensioningDlgTest : public DesktopTest {
  protected:
    void SetUp() override {
        ASSERT_TRUE(Start());
        NewDesign(IDC_SEED_SPLICED);
        ASSERT_EQ(Doc()->m_nPrestressType, kPostTensioned);
        ASSERT_EQ(Doc()->m_nTendonCount, 6);
        host.ClearMessages();
    }
    void PostTensioning(std::function<void(DialogDriver&)> script) {
        toolkit.QueueDialog(std::move(script));
        ASSERT_TRUE(Choose(ID_INPUT_POST_TENSIONING));
    }
    /// Opens the tendon table from the post-tensioning dialog and plays `script` in it.
    void Table(DialogDriver& d, std::function<void(DialogDriver&, CGirderTendonLayoutDlg&)> script) {
        toolkit.QueueDialog([script](DialogDriver& t) {
            script(t, static_cast<CGirderTendonLayoutDlg&>(t.Target()));
        });
        EXPECT_TRUE(d.Click(IDC_PT_EDIT_PATTERN));
    }
    static std::vector<std::string> Column(const CGridCtrl& g, int col) {
        std::vector<std::string> texts;
        for (int r = 1; r < g.GetRowCount(); ++r) texts.push_back(g.GetCellText(r, col));
        return texts;
    }
};

TEST_F(PostTensioningDlgTest, TheTableShowsTheTendonsWithAreasAndJackingForces) {
    const CKordelDoc& doc = *Doc();
    PostTensioning([&](DialogDriver& d) {
        EXPECT_EQ(d.Caption(), "Post-Tensioning");
        Table(d, [&](DialogDriver& t, CGirderTendonLayoutDlg& dlg) {
            EXPECT_EQ(t.Caption(), "Post-Tensioning Tendons");
            const CGridCtrl& g = dlg.m_grid;
            ASSERT_EQ(g.GetRowCount(), 7);
            ASSERT_EQ(g.GetColumnCount(), 10);
            const std::vector<std::string> headings = {
                "Tendon", "Strands", "Duct Dia,in", "CG End,in", "CG Mid,in",
                "HLoc,in", "Z,in",   "Stress End",  "Area,in2",  "Pjack,K"};
            for (int c = 0; c < 10; ++c) EXPECT_EQ(g.GetCellText(0, c), headings[c]);
            EXPECT_EQ(g.GetCellText(2, 0), " 2");
            EXPECT_EQ(g.GetCellText(2, kTendonColCgEnd), "26.00");
            EXPECT_EQ(g.GetCellText(2, kTendonColCgMid), " 8.50");
            // n strands x 0.217 in2, and x 0.9 (fraction) x 243 ksi (fpy).
            const PostTensioningTendon& t0 = doc.m_aTendons[0];
            char area[32], pjack[32];
            const float a = static_cast<float>(t0.m_nStrands * 0.217);
            std::snprintf(area, sizeof area, "%5.2f", static_cast<double>(a));
            std::snprintf(pjack, sizeof pjack, "%5.1f",
                          static_cast<double>(static_cast<float>(
                              static_cast<double>(a) * doc.m_dPtJackingFraction *
                              (doc.m_nPTJackingBasis == kJackingOfFpy ? 243.0 : 270.0))));
            EXPECT_EQ(g.GetCellText(1, kTendonColArea), area);
            EXPECT_EQ(g.GetCellText(1, kTendonColPjack), pjack);
            for (int r = 1; r <= 6; ++r) {
                EXPECT_TRUE(g.GetCellState(r, kTendonColArea) & kGridCellStateReadOnly) << r;
                EXPECT_TRUE(g.GetCellState(r, kTendonColPjack) & kGridCellStateReadOnly) << r;
                EXPECT_EQ(!(g.GetCellState(r, kTendonColStressEnd) & kGridCellStateReadOnly),
                          r == 1)
                    << "only row 1 chooses the stressing end";
            }
            auto* combo = dynamic_cast<CGridCellCombo*>(g.GetCell(1, kTendonColStressEnd));
            ASSERT_NE(combo, nullptr);
            EXPECT_EQ(combo->GetChoices(), (std::vector<std::string>{"L", "R", "B"}));
            EXPECT_TRUE(combo->m_bChooseOnly);
            EXPECT_EQ(t.SpinRange(IDC_TENDON_COUNT_SPIN), (std::pair{0, 6}));
            EXPECT_EQ(t.SpinPos(IDC_TENDON_COUNT_SPIN), 6);
            EXPECT_EQ(t.Text(IDC_TENDON_COUNT), "6");
            t.Cancel();
        });
        d.Cancel();
    });
}

TEST_F(PostTensioningDlgTest, TheStressingEndOfRowOneGoesToEveryTendon) {
    PostTensioning([&](DialogDriver& d) {
        Table(d, [&](DialogDriver& t, CGirderTendonLayoutDlg& dlg) {
            auto* window = t.ControlWindow(IDC_TENDON_GRID);
            ASSERT_NE(window, nullptr);
            dlg.m_grid.SetFocusCell(1, kTendonColStressEnd);
            window->KeyDown(platform::ui::kKeyF1 + 1);  // F2 opens the drop-down
            ASSERT_NE(window->Edit(), nullptr);
            window->Edit()->KeyDown(platform::ui::kKeyDown);
            ASSERT_EQ(window->Edit()->GetText(), "R");
            window->Edit()->Char(platform::ui::kKeyReturn);
            EXPECT_EQ(Column(dlg.m_grid, kTendonColStressEnd),
                      std::vector<std::string>(6, "R"));
            t.Ok();
        });
        d.Ok();
    });
    for (int k = 0; k < 6; ++k) EXPECT_EQ(Doc()->m_aTendons[k].m_strStressingEnd, "R") << k;
}

TEST_F(PostTensioningDlgTest, EditsOfTheTableComeBackWithEndXAtTheGirderEnd) {
    CKordelDoc& doc = *Doc();
    // Tendon 6 ends short of the girder end; the table leaves x alone, the dialog does not.
    doc.m_aTendons[5].m_adProfile[kProfileEnd][kProfileX] = 100.0;
    PostTensioning([&](DialogDriver& d) {
        Table(d, [&](DialogDriver& t, CGirderTendonLayoutDlg& dlg) {
            // 3.9 strands: 3 strands, and the area of 3.
            EXPECT_TRUE(dlg.m_grid.SetCellTextChecked(2, kTendonColStrands, "3.9"));
            EXPECT_EQ(dlg.m_grid.GetCellText(2, kTendonColStrands), " 3");
            char area[32];
            std::snprintf(area, sizeof area, "%5.2f", static_cast<double>(static_cast<float>(3 * 0.217)));
            EXPECT_EQ(dlg.m_grid.GetCellText(2, kTendonColArea), area);
            EXPECT_TRUE(dlg.m_grid.SetCellTextChecked(2, kTendonColLocation, "4.5"));
            EXPECT_TRUE(dlg.m_grid.SetCellTextChecked(2, kTendonColZ, "abc"));
            EXPECT_EQ(dlg.m_grid.GetCellText(2, kTendonColZ), " 0.00") << "no number reads as 0";
            // The basis neither fpy nor fpu gives no jacking force; fpu the larger one.
            dlg.m_nPTJackingBasis = 0;
            EXPECT_TRUE(dlg.m_grid.SetCellTextChecked(1, kTendonColDuct, "3"));
            EXPECT_EQ(Column(dlg.m_grid, kTendonColPjack), std::vector<std::string>(6, "  0.0"));
            EXPECT_TRUE(t.Click(IDC_TENDON_BASIS_FPU));
            EXPECT_TRUE(t.Type(IDC_TENDON_JACKING_FRACTION, "0.75"));
            t.Ok();
        });
        d.Ok();
    });
    const PostTensioningTendon& t2 = doc.m_aTendons[1];
    EXPECT_EQ(t2.m_nStrands, 3);
    EXPECT_EQ(t2.m_adProfile[kProfileStart][kProfileLocation], 4.5);
    EXPECT_EQ(t2.m_adProfile[kProfileVertex][kProfileLocation], 4.5);
    EXPECT_EQ(t2.m_fZ, 0.0f);
    EXPECT_EQ(doc.m_aTendons[0].m_fDuctDiameter, 3.0f);
    EXPECT_EQ(doc.m_nPTJackingBasis, kJackingOfFpu);
    EXPECT_EQ(doc.m_dPtJackingFraction, 0.75);
    for (int k = 0; k < 6; ++k)
        EXPECT_EQ(doc.m_aTendons[k].m_adProfile[kProfileEnd][kProfileX], doc.m_dGirderLength) << k;
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(PostTensioningDlgTest, TheSpinAddsDefaultTendonsFromNoneToSix) {
    CKordelDoc& doc = *Doc();
    doc.m_nTendonCount = 2;
    PostTensioning([&](DialogDriver& d) {
        Table(d, [&](DialogDriver& t, CGirderTendonLayoutDlg& dlg) {
            EXPECT_TRUE(t.Spin(IDC_TENDON_COUNT_SPIN, true));
            EXPECT_EQ(t.Text(IDC_TENDON_COUNT), "3");
            ASSERT_EQ(dlg.m_grid.GetRowCount(), 4);
            EXPECT_EQ(dlg.m_aTendons[2].m_strName, "Tendon 3");
            EXPECT_EQ(dlg.m_grid.GetCellText(3, kTendonColZ), " 0.75");
            EXPECT_EQ(dlg.m_grid.GetCellText(3, kTendonColStressEnd), "L");
            // Lowered to none and raised again: tendon 1 is a new one.
            for (int k = 0; k < 3; ++k) EXPECT_TRUE(t.Spin(IDC_TENDON_COUNT_SPIN, false));
            EXPECT_EQ(dlg.m_grid.GetRowCount(), 1);
            t.Spin(IDC_TENDON_COUNT_SPIN, false);
            EXPECT_EQ(t.SpinPos(IDC_TENDON_COUNT_SPIN), 0) << "not below 0";
            EXPECT_TRUE(t.Spin(IDC_TENDON_COUNT_SPIN, true));
            EXPECT_EQ(dlg.m_aTendons[0].m_strName, "Tendon 1");
            EXPECT_EQ(dlg.m_aTendons[0].m_nStrands, 0);
            EXPECT_NE(dynamic_cast<CGridCellCombo*>(dlg.m_grid.GetCell(1, kTendonColStressEnd)),
                      nullptr);
            for (int k = 1; k < 6; ++k) EXPECT_TRUE(t.Spin(IDC_TENDON_COUNT_SPIN, true));
            t.Spin(IDC_TENDON_COUNT_SPIN, true);
            EXPECT_EQ(t.SpinPos(IDC_TENDON_COUNT_SPIN), 6) << "not above 6";
            EXPECT_EQ(dlg.m_grid.GetRowCount(), 7);
            EXPECT_EQ(dlg.m_aTendons[5].m_strName, "Tendon 6");
            t.Ok();
        });
        d.Ok();
    });
    EXPECT_EQ(doc.m_nTendonCount, 6);
    EXPECT_EQ(doc.m_aTendons[5].m_adProfile[kProfileVertex][kProfileX], doc.m_dGirderLength / 2);
}

TEST_F(PostTensioningDlgTest, ADesignWithMoreThanSixTendonsShowsThemAll) {
    CKordelDoc& doc = *Doc();
    doc.m_nTendonCount = 8;
    doc.m_aTendons[6] = doc.m_aTendons[7] = doc.m_aTendons[0];
    PostTensioning([&](DialogDriver& d) {
        Table(d, [&](DialogDriver& t, CGirderTendonLayoutDlg& dlg) {
            EXPECT_EQ(dlg.m_grid.GetRowCount(), 9);
            EXPECT_EQ(t.Text(IDC_TENDON_COUNT), "8");
            t.Ok();
        });
        d.Ok();
    });
    EXPECT_EQ(doc.m_nTendonCount, 8);
}

TEST_F(PostTensioningDlgTest, TheDrawings) {
    const CKordelDoc& doc = *Doc();
    PostTensioning([&](DialogDriver& d) {
        // The elevation: ground, girder, the closure pours and one dotted red line per tendon.
        auto elevation = d.Paint(IDC_PT_ELEVATION);
        const auto lines = elevation->OpsOf(Op::Polyline);
        int red = 0;
        for (const auto& op : lines) {
            if (op.penColour == platform::ui::Rgb(255, 0, 0)) {
                ++red;
                EXPECT_EQ(op.penStyle, platform::ui::PenStyle::Dot);
                EXPECT_EQ(op.points.size(), 101u);
            }
        }
        EXPECT_EQ(red, 6);
        const auto rects = elevation->OpsOf(Op::Rectangle);
        EXPECT_EQ(static_cast<int>(rects.size()), 2 + doc.m_nSegments - 1)
            << "ground, girder, closures";
        // Not expanded: one scale, the girder much longer than high.
        const auto girder = rects[1];
        const double wide = girder.points[1].x - girder.points[0].x;
        const double high = girder.points[1].y - girder.points[0].y;
        EXPECT_NEAR(wide / high, doc.m_dGirderLength * 12.0 / doc.m_dSectionHeight, 1.0);
        EXPECT_TRUE(d.Click(IDC_PT_EXPAND_VERTICAL));
        const auto expanded = d.Paint(IDC_PT_ELEVATION)->OpsOf(Op::Rectangle)[1];
        EXPECT_GT(expanded.points[1].y - expanded.points[0].y, 2 * high)
            << "expanded: the elevation fills the height of its view";

        // The sections: a cyan duct per tendon, at its centroid at the end and at midspan.
        for (int id : {IDC_PT_SECTION_END, IDC_PT_SECTION_MID}) {
            int ducts = 0;
            for (const auto& op : d.Paint(id)->OpsOf(Op::Ellipse))
                ducts += op.hasFill && op.fill == platform::ui::Rgb(0, 255, 255);
            EXPECT_EQ(ducts, 6) << id;
        }
        d.Cancel();
    });
}

TEST_F(PostTensioningDlgTest, NoTendonsDrawTheGirderOnly) {
    Doc()->m_nTendonCount = 0;
    PostTensioning([&](DialogDriver& d) {
        auto elevation = d.Paint(IDC_PT_ELEVATION);
        for (const auto& op : elevation->OpsOf(Op::Polyline))
            EXPECT_NE(op.penColour, platform::ui::Rgb(255, 0, 0));
        EXPECT_TRUE(d.Paint(IDC_PT_SECTION_END)->OpsOf(Op::Ellipse).empty() ||
                    Doc()->m_nCircularVoidCount > 0);
        d.Cancel();
    });
}

TEST_F(PostTensioningDlgTest, NothingIsDrawnOverAGirderWithNoLength) {
    PostTensioningPicture p;
    p.girderLength = 0.0;
    p.height = 72.0;
    RecordingDC dc;
    DrawPostTensioningElevation(dc, {300, 100}, p);
    EXPECT_EQ(dc.OpsOf(Op::Rectangle).size(), 1u) << "the ground only";
    EXPECT_EQ(PostTensioningSectionScale({200, 200}, p), 0.0) << "no width";
}

TEST_F(PostTensioningDlgTest, CancelChangesNothingAndPretensionedDesignsHaveNoCommand) {
    const StoredGroups before(*Doc());
    PostTensioning([&](DialogDriver& d) {
        Table(d, [](DialogDriver& t, CGirderTendonLayoutDlg& dlg) {
            dlg.m_grid.SetCellTextChecked(1, kTendonColStrands, "40");
            t.Ok();
        });
        d.Cancel();
    });
    EXPECT_TRUE(SameGroups(StoredGroups(*Doc()), before));
    EXPECT_FALSE(Doc()->IsModified());

    Doc()->SetModifiedFlag(false);
    NewDesign();  // example 1: pretensioned only
    EXPECT_FALSE(Query(ID_INPUT_POST_TENSIONING).enabled);
    EXPECT_TRUE(Query(ID_INPUT_DEBONDING).enabled);
    EXPECT_TRUE(Query(ID_INPUT_PRELIM_DEBOND_DESIGN).enabled);
}

}  // namespace
}  // namespace kordel::test
