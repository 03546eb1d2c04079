// "Prestressing  (Pretensioning)" opened from the Input menu on the example designs: its states
// and what each enables, the running totals, the checks of OK, the sub-dialogs it opens
// ("Design...", "Layout and Pull...", "Strand List...") and what comes back to the design, a
// metric design through it unchanged, and its three drawings.
#include "dialogs/prestress/pretensioning_dlg.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>

#include "dialogs/input/design_options_dlg.h"
#include "dialogs/prestress/strand_constraints_dlg.h"
#include "dialogs/prestress/strand_layout_dlg.h"
#include "dialogs/prestress/strand_list_dlg.h"
#include "dialogs/prestress/strand_pattern_edit.h"
#include "dialogs/prestress/strand_template_dlg.h"
#include "document/filled_design.h"
#include "platform/ui/recording_dc.h"
#include "tests/app/desktop_test_support.h"

namespace kordel::test {
namespace {

using platform::MsgResult;
using platform::ui::DialogDriver;
using platform::ui::RecordingDC;

class PretensioningTest : public DesktopTest {
  protected:
    void SetUp() override {
        ASSERT_TRUE(Start());
        NewDesign();
        ASSERT_NE(Doc(), nullptr);
    }
    /// Input/Prestressing (Pretensioning) with `script` played in the dialog.
    void Pretensioning(std::function<void(DialogDriver&)> script) {
        toolkit.QueueDialog(std::move(script));
        ASSERT_TRUE(Choose(ID_INPUT_PRETENSIONING));
    }
    static CStrandPatDlgV3& Dlg(DialogDriver& d) {
        return static_cast<CStrandPatDlgV3&>(d.Target());
    }
    /// The messages the pretensioning dialog showed since message `first`.
    std::vector<std::string> MessagesSince(std::size_t first) const {
        std::vector<std::string> texts;
        const auto& all = host.Messages();
        for (std::size_t i = first; i < all.size(); ++i) {
            if (all[i].owner == "Prestressing  (Pretensioning)") texts.push_back(all[i].text);
        }
        return texts;
    }
};

TEST_F(PretensioningTest, EachStateEnablesItsControls) {
    ASSERT_EQ(Doc()->m_nPatternType, kPatternDraped);
    Doc()->m_dPForceCgEnd = 20;
    Doc()->m_dPForceCgMid = 6;
    Pretensioning([](DialogDriver& d) {
        EXPECT_EQ(d.Caption(), "Prestressing  (Pretensioning)");
        // Strand pattern, draped by fraction.
        EXPECT_TRUE(d.IsChecked(IDC_PRETENSION_ENTRY_PATTERN));
        EXPECT_TRUE(d.IsChecked(IDC_PRETENSION_DRAPED));
        EXPECT_TRUE(d.IsChecked(IDC_PRETENSION_VAR));
        for (int id : {IDC_PRETENSION_DESIGN, IDC_PRETENSION_LAYOUT, IDC_PRETENSION_STRAND_LIST,
                       IDC_PRETENSION_PULL_FRAME, IDC_PRETENSION_DRAPE_FRACTION, IDC_PRETENSION_XL,
                       IDC_PRETENSION_VAR, IDC_PRETENSION_FIX})
            EXPECT_TRUE(d.IsEnabled(id)) << id;
        for (int id :
             {IDC_PRETENSION_TOP_PULL, IDC_PRETENSION_BALANCE_PULL, IDC_PRETENSION_PJACK,
              IDC_PRETENSION_JACKING_FRAME, IDC_PRETENSION_DRAPE_DISTANCE, IDC_PRETENSION_FT})
            EXPECT_FALSE(d.IsEnabled(id)) << id;
        for (int id :
             {IDC_PRETENSION_SHOW_CG, IDC_PRETENSION_SHOW_DRAPED, IDC_PRETENSION_SHOW_STRAIGHT})
            EXPECT_TRUE(d.IsChecked(id)) << id;
        EXPECT_FALSE(d.IsChecked(IDC_PRETENSION_EXPAND_VERTICAL));

        // "Fix:" swaps the two edits.
        d.Click(IDC_PRETENSION_FIX);
        EXPECT_TRUE(d.IsEnabled(IDC_PRETENSION_DRAPE_DISTANCE));
        EXPECT_TRUE(d.IsEnabled(IDC_PRETENSION_FT));
        EXPECT_FALSE(d.IsEnabled(IDC_PRETENSION_DRAPE_FRACTION));
        EXPECT_FALSE(d.IsEnabled(IDC_PRETENSION_XL));

        // "P-Force": the jacking force instead of the pattern, one strand standing for it.
        EXPECT_FALSE(d.IsEnabled(IDC_PRETENSION_CG_END));
        d.Click(IDC_PRETENSION_ENTRY_FORCE);
        for (int id : {IDC_PRETENSION_DESIGN, IDC_PRETENSION_LAYOUT, IDC_PRETENSION_STRAND_LIST,
                       IDC_PRETENSION_PULL_FRAME, IDC_PRETENSION_TOP_LABEL})
            EXPECT_FALSE(d.IsEnabled(id)) << id;
        for (int id : {IDC_PRETENSION_JACKING_FRAME, IDC_PRETENSION_PJACK, IDC_PRETENSION_CG_END,
                       IDC_PRETENSION_CG_MID, IDC_PRETENSION_PJACK_LABEL})
            EXPECT_TRUE(d.IsEnabled(id)) << id;
        EXPECT_EQ(d.Text(IDC_PRETENSION_STRAND_COUNT), " 1");
        EXPECT_EQ(d.Text(IDC_PRETENSION_CG_END_TEXT), "20.000");
        EXPECT_EQ(d.Text(IDC_PRETENSION_CG_DRAPE_TEXT), " 6.000");
        EXPECT_EQ(d.Text(IDC_PRETENSION_TOTAL_LENGTH), "    0.0");
        EXPECT_EQ(d.FocusId(), IDC_PRETENSION_PJACK);
        const CStrandPatDlgV3& dlg = Dlg(d);
        EXPECT_EQ(dlg.m_nGroupCount, 1);
        EXPECT_EQ(dlg.m_aGroups[0], (StrandGroup{{1, 20, 6, 0, 0, 0.75, 0}}));

        d.Click(IDC_PRETENSION_ENTRY_PATTERN);
        EXPECT_TRUE(d.IsEnabled(IDC_PRETENSION_DESIGN));
        EXPECT_FALSE(d.IsEnabled(IDC_PRETENSION_PJACK));
        EXPECT_FALSE(d.IsEnabled(IDC_PRETENSION_TOP_PULL)) << "the pull fractions stay disabled";

        // "Straight" takes every draped strand out; "Draped @:" does not bring them back.
        d.Click(IDC_PRETENSION_STRAIGHT);
        for (int id : {IDC_PRETENSION_VAR, IDC_PRETENSION_FIX, IDC_PRETENSION_DRAPE_FRACTION,
                       IDC_PRETENSION_DRAPE_DISTANCE, IDC_PRETENSION_XL, IDC_PRETENSION_FT})
            EXPECT_FALSE(d.IsEnabled(id)) << id;
        d.Click(IDC_PRETENSION_DRAPED);
        EXPECT_TRUE(d.IsEnabled(IDC_PRETENSION_FIX));
        EXPECT_TRUE(d.IsEnabled(IDC_PRETENSION_DRAPE_DISTANCE)) << "still in Fix: mode";
        d.Cancel();
    });
}

TEST_F(PretensioningTest, APostTensionedDesignOpeningStraightCannotBeDraped) {
    Doc()->m_nPrestressType = kPostTensioned;
    Doc()->m_nPatternType = kPatternStraight;
    Pretensioning([](DialogDriver& d) {
        EXPECT_TRUE(d.IsChecked(IDC_PRETENSION_STRAIGHT));
        EXPECT_FALSE(d.IsEnabled(IDC_PRETENSION_DRAPED));
        d.Cancel();
    });
}

TEST_F(PretensioningTest, RunningTotalsSumWholeCountsBelowTheCentroid) {
    CKordelDoc& doc = *Doc();
    // Two rows, straight: 2.5 strands at 2 in and 3 at 4 in.
    doc.m_nPatternType = kPatternStraight;
    doc.m_nTemplateRowCount = 2;
    for (StrandPatternRow* rows : {doc.m_aEndRows, doc.m_aDrapeRows}) {
        rows[0] = StrandPatternRow{{2, 2.5, 2, 0}};
        rows[1] = StrandPatternRow{{4, 3, 4, 0}};
    }
    const double length = doc.m_dGirderLength;
    Pretensioning([length](DialogDriver& d) {
        EXPECT_EQ(d.Text(IDC_PRETENSION_STRAND_COUNT), " 5") << "5.5 strands count as 5";
        // (2.5 x 2 + 3 x 4) / (2 + 3)
        EXPECT_EQ(d.Text(IDC_PRETENSION_CG_END_TEXT), " 3.400");
        EXPECT_EQ(d.Text(IDC_PRETENSION_CG_DRAPE_TEXT), " 3.400");
        EXPECT_EQ(d.Text(IDC_PRETENSION_TOTAL_LENGTH), FormatValue("%7.1f", 5 * length))
            << "a straight pattern is n x L";
        d.Cancel();
    });

    // A draped pattern: the pieces to the drape points run on the centroid's slope.
    EXPECT_NEAR(TotalStrandLength(10, 100, 98, 0.4, 30, 6, false),
                10 * (2 * 40.2 / std::cos(std::atan(24.0 / 12 / 39.2)) + (100 - 80.4)), 1e-9);
    EXPECT_NEAR(TotalStrandLength(10, 30.48, 29.8704, 0.4, 0.762, 0.1524, true),
                10 * (2 * (0.3048 + 0.4 * 29.8704) / std::cos(std::atan(0.6096 / (0.4 * 29.8704))) +
                      (30.48 - 2 * (0.3048 + 0.4 * 29.8704))),
                1e-9);
    EXPECT_EQ(TotalStrandLength(10, 100, 98, 0, 30, 6, false), 1000.0) << "no drape length";
}

TEST_F(PretensioningTest, OkChecksTheDrapePointAndTheCountsInOrder) {
    struct Case {
        const char* what;
        std::function<void(CKordelDoc&)> prepare;
        std::function<void(DialogDriver&)> type;
        std::vector<MsgResult> answers;
        std::vector<std::string> messages;
        bool closes;
    };
    const auto fraction = [](const char* f) {
        return [f](DialogDriver& d) { d.Type(IDC_PRETENSION_DRAPE_FRACTION, f); };
    };
    const Case cases[] = {
        {"0.5 passes", {}, fraction("0.5"), {}, {}, true},
        {"0 is out of range", {}, fraction("0"), {}, {kDrapeFractionRange}, false},
        {"0.51 is out of range", {}, fraction("0.51"), {}, {kDrapeFractionRange}, false},
        {"0.35 passes without the question", {}, fraction("0.35"), {}, {}, true},
        {"0.3499 asks, No keeps the dialog open",
         {},
         fraction("0.3499"),
         {MsgResult::No},
         {kDrapeFractionLow},
         false},
        {"0.3499 asks, Yes goes on",
         {},
         fraction("0.3499"),
         {MsgResult::Yes},
         {kDrapeFractionLow},
         true},
        {"Fix: 0",
         {},
         [](DialogDriver& d) {
             d.Click(IDC_PRETENSION_FIX);
             d.Type(IDC_PRETENSION_DRAPE_DISTANCE, "0");
         },
         {},
         {"For draped (harped) patterns, the drape\nfraction (Fix:) must be greater than 0."},
         false},
        {"a straight pattern is never asked about its drape point",
         [](CKordelDoc& doc) { doc.m_nPatternType = kPatternStraight; },
         fraction("0"),
         {},
         {},
         true},
        {"12 strands at the end and 10 at the drape point",
         [](CKordelDoc& doc) { doc.m_aDrapeRows[0][kRowStraightCount] -= 2; },
         {},
         {},
         {kUnequalPatterns},
         false},
        {"no strands",
         [](CKordelDoc& doc) {
             for (StrandPatternRow* rows : {doc.m_aEndRows, doc.m_aDrapeRows}) {
                 for (int r = 0; r < kMaxPatternRows; ++r)
                     rows[r][kRowStraightCount] = rows[r][kRowDrapedCount] = 0;
             }
         },
         {},
         {},
         {kEmptyPattern},
         false},
        {"a P-Force entry always has its strand",
         [](CKordelDoc& doc) {
             for (StrandPatternRow* rows : {doc.m_aEndRows, doc.m_aDrapeRows}) {
                 for (int r = 0; r < kMaxPatternRows; ++r)
                     rows[r][kRowStraightCount] = rows[r][kRowDrapedCount] = 0;
             }
         },
         [](DialogDriver& d) { d.Click(IDC_PRETENSION_ENTRY_FORCE); },
         {},
         {},
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Doc()->SetModifiedFlag(false);
        NewDesign();
        if (c.prepare) c.prepare(*Doc());
        for (MsgResult a : c.answers) host.QueueAnswer(a);
        const std::size_t first = Messages().size();
        bool ended = false;
        Pretensioning([&](DialogDriver& d) {
            if (c.type) c.type(d);
            d.Ok();
            ended = d.Ended();
            if (!ended) d.Cancel();
        });
        EXPECT_EQ(ended, c.closes);
        EXPECT_EQ(MessagesSince(first), c.messages);
    }
}

TEST_F(PretensioningTest, OkWritesTheEditedPatternBackAndCancelChangesNothing) {
    const std::string path = temp / "ex1.kdx";
    host.QueueFileName(path);
    Choose(ID_FILE_SAVE_AS);
    const std::string bytes = ReadFileBytes(path);
    Pretensioning([](DialogDriver& d) {
        d.Type(IDC_PRETENSION_DRAPE_FRACTION, "0.4");
        d.Click(IDC_PRETENSION_STRAIGHT);
        d.Cancel();
    });
    EXPECT_FALSE(Doc()->IsModified());
    Choose(ID_FILE_SAVE);
    EXPECT_TRUE(ReadFileBytes(path) == bytes) << "Cancel keeps the design to the last byte";

    Pretensioning([](DialogDriver& d) {
        d.Type(IDC_PRETENSION_DRAPE_FRACTION, "0.4");
        d.Ok();
    });
    EXPECT_TRUE(Doc()->IsModified());
    EXPECT_EQ(Doc()->m_dDrapeFraction, 0.4);
}

TEST_F(PretensioningTest, AMetricDesignComesBackUnchanged) {
    toolkit.QueueDialog([](DialogDriver& d) {
        d.Click(IDC_UNITS_METRIC);
        d.Ok();
    });
    ASSERT_TRUE(Choose(ID_INPUT_PROJECT_SETTINGS));
    const std::string path = temp / "metric.kdx";
    host.QueueFileName(path);
    Choose(ID_FILE_SAVE_AS);
    const std::string bytes = ReadFileBytes(path);
    const StoredGroups before(*Doc());
    const double span = Doc()->m_dDesignSpan;
    Pretensioning([span](DialogDriver& d) {
        EXPECT_EQ(d.Text(IDC_PRETENSION_CG_END_UNIT), "m");
        EXPECT_EQ(d.Text(IDC_PRETENSION_LENGTH_UNIT), "m");
        EXPECT_EQ(d.Text(IDC_PRETENSION_PJACK_LABEL), "Pjack,kN");
        EXPECT_EQ(d.Text(IDC_PRETENSION_CG_MID_LABEL), "CG@mid,m");
        EXPECT_EQ(d.Text(IDC_PRETENSION_FT), "ft") << "the Fix: distance stays in feet";
        const CStrandPatDlgV3& dlg = Dlg(d);
        EXPECT_DOUBLE_EQ(dlg.m_dDesignSpan, span * 0.3048);
        EXPECT_LT(dlg.m_dCgEnd, 1.0) << "the centroid in metres";
        d.Ok();
    });
    EXPECT_TRUE(SameGroups(StoredGroups(*Doc()), before));
    Choose(ID_FILE_SAVE);
    EXPECT_TRUE(ReadFileBytes(path) == bytes) << "OK on what was shown stores the same design";
}

TEST_F(PretensioningTest, DesignWorksOnTheTemplateTheDialogShowsAndReloadsTheDesign) {
    CKordelDoc& doc = *Doc();
    const int rows = doc.m_nTemplateRowCount;
    const double bottom = doc.m_adStrandTemplate[0][kTemplateElevation];
    int designed = -1;
    Pretensioning([&](DialogDriver& d) {
        // Layout and Pull -> Edit Template...: the bottom row of the template raised by an inch
        // and laid out from the web; the pattern starts afresh on it.
        toolkit.QueueDialog([&](DialogDriver& layout) {
            toolkit.QueueDialog([&](DialogDriver& t) {
                auto& dlg = static_cast<CStrandTemplateDlgV3&>(t.Target());
                dlg.m_grid.SetCellText(rows, 3, FormatValue("%7.4f", bottom + 1));
                t.Click(IDC_TEMPLATE_EXTERIOR);
                t.Ok();
            });
            layout.Click(IDC_LAYOUT_EDIT_TEMPLATE);
            layout.Ok();
        });
        d.Click(IDC_PRETENSION_LAYOUT);
        EXPECT_EQ(d.Text(IDC_PRETENSION_STRAND_COUNT), " 1");
        EXPECT_EQ(Dlg(d).m_nTemplateLayout, 2) << "the layout the template was given comes back";

        toolkit.QueueDialog([](DialogDriver& c) {
            EXPECT_EQ(c.Caption(), "Strand Pattern Design Constraints");
            c.Ok();
        });
        d.Click(IDC_PRETENSION_DESIGN);
        EXPECT_EQ(doc.m_adStrandTemplate[0][kTemplateElevation], bottom + 1)
            << "the design lays its strands on the template the dialog shows";
        EXPECT_EQ(doc.m_nTemplateLayout, 2);
        const CStrandPatDlgV3& dlg = Dlg(d);
        designed = doc.m_nStrandCount;
        EXPECT_GT(designed, 1);
        EXPECT_EQ(d.Text(IDC_PRETENSION_STRAND_COUNT), FormatValue("%2.0f", designed))
            << "the dialog shows the design";
        EXPECT_EQ(dlg.m_aEndRows[0], doc.m_aEndRows[0]);
        EXPECT_GT(dlg.m_nGroupCount, 0);
        d.Cancel();
    });
    EXPECT_EQ(doc.m_nStrandCount, designed) << "Cancel leaves the design in the document";
    EXPECT_TRUE(doc.IsModified()) << "and the changed design is to be saved";
}

TEST_F(PretensioningTest, TheStrandListEditsPullFractionAndLocationOfEachGroup) {
    CKordelDoc& doc = *Doc();
    doc.m_aStrandGroup[1][kGroupLocation] += 0.00123;  // more digits than the list shows
    const StrandGroup first = doc.m_aStrandGroup[0];
    Pretensioning([&](DialogDriver& d) {
        toolkit.QueueDialog([&](DialogDriver& l) {
            EXPECT_EQ(l.Caption(), "Strand List");
            auto& list = static_cast<CEditStrandCoordsDlg&>(l.Target());
            EXPECT_EQ(list.m_grid.GetRowCount(), doc.m_nStrandGroupCount + 1);
            EXPECT_EQ(list.m_grid.GetCellText(0, 2), "Elev End,in");
            EXPECT_EQ(list.m_grid.GetCellText(1, 2), FormatValue("%5.2f", first[1]));
            EXPECT_FALSE(list.m_grid.IsCellEditable(1, 2));
            EXPECT_TRUE(list.m_grid.IsCellEditable(1, kListColumnPull));
            list.m_grid.SetCellText(1, kListColumnPull, "0.7x");
            list.m_grid.SetCellText(1, kListColumnLocation, "");
            l.Ok();
        });
        d.Click(IDC_PRETENSION_STRAND_LIST);
        EXPECT_EQ(Dlg(d).m_aGroups[0][kGroupPullFraction], 0.7);
        EXPECT_EQ(Dlg(d).m_aGroups[0][kGroupLocation], 0.0) << "an empty cell reads as 0";
        EXPECT_EQ(Dlg(d).m_aGroups[1], doc.m_aStrandGroup[1])
            << "cells left alone keep their digits";
        d.Ok();
    });
    EXPECT_EQ(doc.m_aStrandGroup[0][kGroupPullFraction], 0.7);
}

TEST_F(PretensioningTest, TheDrawingsShowTheGirderTheCentroidLineAndTheStrandGroups) {
    CKordelDoc& doc = *Doc();
    Pretensioning([&](DialogDriver& d) {
        const auto profile = d.Paint(IDC_PRETENSION_PROFILE);
        const auto lines = profile->OpsOf(RecordingDC::OpKind::Polyline);
        ASSERT_FALSE(lines.empty());
        EXPECT_EQ(lines.back().penStyle, platform::ui::PenStyle::Dot);
        EXPECT_EQ(lines.back().penColour, platform::ui::Rgb(255, 0, 0));
        EXPECT_EQ(lines.back().points.size(), 4u) << "three pieces bent at the drape points";
        const CStrandPatDlgV3& dlg = Dlg(d);
        EXPECT_DOUBLE_EQ(dlg.m_dProfileScaleX, dlg.m_dProfileScaleY) << "true to scale";

        int circles = 0;
        for (int g = 0; g < doc.m_nStrandGroupCount; ++g)
            circles += doc.m_aStrandGroup[g][kGroupStrands] == 1 ? 1 : 2;
        for (int id : {IDC_PRETENSION_END_SECTION, IDC_PRETENSION_DRAPE_SECTION}) {
            const auto section = d.Paint(id);
            int blue = 0;
            for (const auto& op : section->OpsOf(RecordingDC::OpKind::Ellipse))
                blue += op.hasFill && op.fill == platform::ui::Rgb(0, 0, 255) ? 1 : 0;
            EXPECT_EQ(blue, circles) << id;
        }

        // Without the straight groups and the centroid line; the height fills the frame.
        d.Click(IDC_PRETENSION_SHOW_STRAIGHT);
        d.Click(IDC_PRETENSION_SHOW_DRAPED);
        d.Click(IDC_PRETENSION_SHOW_CG);
        d.Click(IDC_PRETENSION_EXPAND_VERTICAL);
        const auto bare = d.Paint(IDC_PRETENSION_PROFILE);
        for (const auto& op : bare->OpsOf(RecordingDC::OpKind::Polyline))
            EXPECT_NE(op.penStyle, platform::ui::PenStyle::Dot);
        EXPECT_GT(dlg.m_dProfileScaleY, dlg.m_dProfileScaleX);
        EXPECT_TRUE(
            d.Paint(IDC_PRETENSION_END_SECTION)->OpsOf(RecordingDC::OpKind::Ellipse).empty());
        d.Cancel();
    });

    // A girder of no length or height draws the bare frame.
    doc.m_dGirderLength = 0;
    doc.m_dSectionHeight = 0;
    doc.m_nOutlinePointCount = 0;
    Pretensioning([](DialogDriver& d) {
        for (int id :
             {IDC_PRETENSION_PROFILE, IDC_PRETENSION_END_SECTION, IDC_PRETENSION_DRAPE_SECTION})
            EXPECT_TRUE(d.Paint(id)->OpsOf(RecordingDC::OpKind::Ellipse).empty()) << id;
        d.Cancel();
    });
}

}  // namespace
}  // namespace kordel::test
