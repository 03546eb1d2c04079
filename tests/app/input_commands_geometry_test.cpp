// Input/Bridge Section Geometry on the example designs: what comes back to the design on OK (a
// new span analysed and shown, metric entries in US units, a simple span's bearing pads, a new
// section's one-strand pattern) and that Cancel leaves the design as it was to the last byte.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "app/child_frame.h"
#include "dialogs/input/geometry_dlg.h"
#include "dialogs/input/girder_segment_dlg.h"
#include "libraries/section_prop_dlg.h"
#include "platform/ui/recording_dc.h"
#include "tests/app/desktop_test_support.h"
#include "views/text_view.h"

namespace kordel::test {
namespace {

using platform::ui::DialogDriver;

/// Installs a stand-in for the section properties dialog for one test.
class ScopedSectionProperties {
  public:
    explicit ScopedSectionProperties(SectionPropertiesOpener opener)
        : m_previous(std::exchange(GeometrySectionPropertiesOpener(), std::move(opener))) {}
    ~ScopedSectionProperties() { GeometrySectionPropertiesOpener() = std::move(m_previous); }
    ScopedSectionProperties(const ScopedSectionProperties&) = delete;
    ScopedSectionProperties& operator=(const ScopedSectionProperties&) = delete;

  private:
    SectionPropertiesOpener m_previous;
};

class GeometryCommandTest : public DesktopTest {
  protected:
    void SetUp() override { ASSERT_TRUE(Start()); }
    void Geometry(std::function<void(DialogDriver&)> script) {
        toolkit.QueueDialog(std::move(script));
        ASSERT_TRUE(Choose(ID_INPUT_GEOMETRY));
    }
    /// Every line the text view draws, the whole report down.
    std::vector<std::string> TextViewLines() {
        auto* view = dynamic_cast<CTextView*>(app->ActiveFrame()->GetActiveView());
        EXPECT_NE(view, nullptr);
        if (!view) return {};
        platform::ui::RecordingDC dc(96.0, false, {1000, 1000000});
        view->OnDraw(dc);
        return dc.Texts();
    }
};

/// The line of the text whose words begin with `first`, or "" when none.
std::string LineStarting(const std::vector<std::string>& lines, const std::string& first) {
    for (const std::string& line : lines) {
        const std::size_t start = line.find_first_not_of(' ');
        if (start != std::string::npos && line.compare(start, first.size(), first) == 0)
            return line;
    }
    return {};
}

TEST_F(GeometryCommandTest, ANewSpanIsAnalysedAndTheTextViewShowsItsMoments) {
    NewDesign();
    Choose(ID_RESULTS_TEXT_SHORT);
    // Midspan of the 105 ft span: the flexure line at 52.50 ft, Mu 7545 k-ft.
    const std::vector<std::string> before = TextViewLines();
    ASSERT_NE(LineStarting(before, "52.50  5.51"), "");
    CChildFrame* textFrame = app->ActiveFrame();
    app->SetActiveFrame(app->Frames().front().get());

    Geometry([](DialogDriver& d) {
        d.Type(IDC_GEOM_GIRDER_LENGTH, "111");
        d.Type(IDC_GEOM_RELEASE_SPAN, "111");
        d.Type(IDC_GEOM_DESIGN_SPAN, "110");
        d.Ok();
    });
    EXPECT_EQ(Doc()->m_dDesignSpan, 110.0);
    EXPECT_TRUE(Doc()->IsModified());
    // The bearing pads of the simple span follow: (111 - 110) / 2 at each end.
    EXPECT_EQ(Doc()->m_adPadOffsetLeft[1], 0.5);
    EXPECT_EQ(Doc()->m_adPadOffsetRight[1], 0.5);

    app->SetActiveFrame(textFrame);
    const std::vector<std::string> after = TextViewLines();
    EXPECT_EQ(LineStarting(after, "52.50  5.51"), "");
    const std::string midspan = LineStarting(after, "55.00");
    ASSERT_NE(midspan, "") << "the flexure line at the new midspan, 55 ft";
    // Mu grows with the span, the dead loads' part as its square, the truck's more slowly:
    // between 7545 k-ft and (110 / 105)^2 x 7545 = 8281 k-ft.
    std::istringstream words(midspan);
    std::vector<double> values{std::istream_iterator<double>(words), {}};
    ASSERT_GE(values.size(), 9u);
    const double mu = values[8];  // Loc, Aps, dp, As, ds, c, a, fps, Mu
    EXPECT_GT(mu, 7545.0 * 1.05);
    EXPECT_LT(mu, 8281.0);
    EXPECT_NE(LineStarting(after, "Design Span  :   110.00 ft"), "");
}

TEST_F(GeometryCommandTest, CancelLeavesTheDesignAsItWasToTheLastByte) {
    const std::string path = SavedDesign("geometry.kdx");
    const std::string bytes = ReadFileBytes(path);
    const std::vector<std::string> report = Doc()->Report();
    ScopedSectionProperties properties([](CGeometryDlg& dlg) {
        dlg.m_section.m_strSectionName = "Another";
        dlg.m_bTemplateChanged = 1;
        return true;
    });
    Geometry([](DialogDriver& d) {
        d.Type(IDC_GEOM_DESIGN_SPAN, "100");
        d.Spin(IDC_GEOM_BEAMS_SPIN, false);
        d.Spin(IDC_GEOM_GIRDER_SPIN, false);
        d.Click(IDC_GEOM_NON_COMPOSITE);
        d.Choose(IDC_GEOM_SUPERSTRUCTURE, 0);
        d.Click(IDC_GEOM_INCLUDE_END_BLOCKS);
        d.Click(IDC_GEOM_PROPERTIES);
        EXPECT_EQ(d.Text(IDC_GEOM_SECTION_NAME), "Another");
        d.Cancel();
    });
    EXPECT_FALSE(Doc()->IsModified());
    EXPECT_EQ(Doc()->Report(), report);
    Choose(ID_FILE_SAVE);
    EXPECT_TRUE(ReadFileBytes(path) == bytes) << "the file saved again is the same";
}

TEST_F(GeometryCommandTest, AMetricDesignIsShownInMetresAndMillimetresAndStoredInFeetAndInches) {
    NewDesign(IDC_SEED_SPLICED);
    Doc()->m_nUnits = kUnitsMetric;
    Main().m_nUnits = kUnitsMetric;
    Doc()->m_dBeamSpacing = 1.7;  // 0.51816 m, which is not 1.7 ft again to the last bit
    Doc()->m_bLoadEffectsDirty = 1;
    Doc()->RunAnalysis();
    const std::string path = temp / "metric.kdx";
    host.QueueFileName(path);
    Choose(ID_FILE_SAVE_AS);
    const std::string bytes = ReadFileBytes(path);
    Geometry([](DialogDriver& d) {
        EXPECT_EQ(d.Text(IDC_GEOM_LENGTHS_GROUP), "Span/Girder Length, m");
        EXPECT_EQ(d.Text(IDC_GEOM_DECK_GROUP), "Cast-In-Place Deck, mm");
        EXPECT_EQ(d.Text(IDC_GEOM_END_BLOCK_TRANSITION_LABEL), "Transition Length,m");
        EXPECT_EQ(d.Text(IDC_GEOM_GIRDER_LENGTH), "58.8264");  // 193 ft
        EXPECT_EQ(d.Text(IDC_GEOM_PAD_LENGTH), "304.8");       // 12 in
        EXPECT_EQ(d.Text(IDC_GEOM_DECK_THICKNESS), "203.2");   // 8 in
        EXPECT_EQ(d.Text(IDC_GEOM_BEAM_SPACING), "0.51816");
        d.Ok();
    });
    Choose(ID_FILE_SAVE);
    EXPECT_TRUE(ReadFileBytes(path) == bytes) << "confirmed as shown, the design is the same";

    Geometry([](DialogDriver& d) {
        d.Type(IDC_GEOM_GIRDER_LENGTH, "30.48");
        d.Type(IDC_GEOM_DESIGN_SPAN, "30.1752");
        d.Type(IDC_GEOM_DECK_THICKNESS, "190.5");
        d.Ok();
    });
    EXPECT_DOUBLE_EQ(Doc()->m_dGirderLength, 100.0);
    EXPECT_DOUBLE_EQ(Doc()->m_dDesignSpan, 99.0);
    EXPECT_DOUBLE_EQ(Doc()->m_dDeckThickness, 7.5);
    EXPECT_DOUBLE_EQ(Doc()->m_adPadOffsetLeft[1], 0.5);
}

TEST_F(GeometryCommandTest, ANewSectionResetsThePatternToOneStrandAndKeepingItKeepsThePattern) {
    NewDesign();
    CKordelDoc& doc = *Doc();
    const auto endRows = std::vector<StrandPatternRow>(std::begin(doc.m_aEndRows),
                                                       std::end(doc.m_aEndRows));
    ASSERT_EQ(doc.m_nStrandCount, 36);

    // A section record edited without a new template: the pattern stays.
    ScopedSectionProperties edited([](CGeometryDlg& dlg) {
        dlg.m_section.m_dTorsionConstant = 50000;
        return true;
    });
    Geometry([](DialogDriver& d) {
        EXPECT_TRUE(d.IsEnabled(IDC_GEOM_PROPERTIES));
        d.Click(IDC_GEOM_PROPERTIES);
        d.Ok();
    });
    EXPECT_EQ(doc.m_dTorsionConstant, 50000.0);
    EXPECT_TRUE(std::equal(endRows.begin(), endRows.end(), doc.m_aEndRows));
    EXPECT_EQ(doc.m_nStrandCount, 36);

    // Another section: a solid 48 x 36 in block with a template of rows at 3, 5 and 7 in.
    ASSERT_DOUBLE_EQ(doc.m_dOutlineWidth, 42.0) << "PCI BT-72's top flange";
    ScopedSectionProperties replaced([](CGeometryDlg& dlg) {
        SectionModel& s = dlg.m_section;
        s.m_strSectionName = "Box 48";
        s.m_nSectionType = kSectionBoxBeam;
        s.m_nTemplateRowCount = 3;
        for (int r = 0; r < kMaxPatternRows; ++r)
            s.m_adStrandTemplate[r][kTemplateElevation] = r < 3 ? 3.0 + 2.0 * r : 0.0;
        const double block[][2] = {{-24, 0}, {24, 0}, {24, 36}, {-24, 36}, {-24, 0}};
        s.m_nOutlinePointCount = 5;
        std::copy(&block[0][0], &block[0][0] + 10, &s.m_adOutline[0][0]);
        s.m_nVoidPointCount = 0;
        dlg.m_bTemplateChanged = 1;
        return true;
    });
    Geometry([](DialogDriver& d) {
        d.Click(IDC_GEOM_INCLUDE_END_BLOCKS);
        d.Click(IDC_GEOM_PROPERTIES);
        EXPECT_EQ(d.Text(IDC_GEOM_SECTION_NAME), "Box 48");
        EXPECT_FALSE(d.IsVisible(IDC_GEOM_END_BLOCK_WIDTH)) << "an I-girder's only";
        d.Ok();
    });
    EXPECT_EQ(doc.m_strSectionName, "Box 48");
    for (int r = 0; r < kMaxPatternRows; ++r) {
        for (const StrandPatternRow* rows : {doc.m_aEndRows, doc.m_aDrapeRows}) {
            EXPECT_EQ(rows[r][kRowStraightCount], r == 0 ? 1.0 : 0.0) << "row " << r;
            EXPECT_EQ(rows[r][kRowDrapedCount], 0.0) << "row " << r;
            EXPECT_EQ(rows[r][kRowStraightElevation], doc.m_adStrandTemplate[r][kTemplateElevation]);
            EXPECT_EQ(rows[r][kRowDrapedElevation], doc.m_adStrandTemplate[r][kTemplateElevation]);
        }
    }
    EXPECT_EQ(doc.m_nStrandCount, 1);
    EXPECT_EQ(doc.m_dStrandCgEnd, 3.0);
    EXPECT_EQ(doc.m_nStrandGroupCount, 1);
    // The new outline's width and horizontal centroid are worked out again, not kept from the
    // old one.
    EXPECT_DOUBLE_EQ(doc.m_dOutlineWidth, 48.0);
    EXPECT_DOUBLE_EQ(doc.m_dSectionXbar, 24.0);
    // Template rows past the three used are the design's own still.
    EXPECT_NE(doc.m_adStrandTemplate[3][kTemplateElevation], 0.0);
}

TEST_F(GeometryCommandTest, ADeckedBulbTeeTakesNoCastInPlaceDeck) {
    NewDesign();
    ScopedSectionProperties dbt([](CGeometryDlg& dlg) {
        dlg.m_section.m_nSectionType = kSectionDeckedBulbTee;
        return true;
    });
    Geometry([](DialogDriver& d) {
        d.Click(IDC_GEOM_PROPERTIES);
        EXPECT_TRUE(d.IsChecked(IDC_GEOM_NON_COMPOSITE));
        EXPECT_FALSE(d.IsEnabled(IDC_GEOM_COMPOSITE));
        EXPECT_FALSE(d.IsEnabled(IDC_GEOM_NON_COMPOSITE));
        EXPECT_FALSE(d.IsEnabled(IDC_GEOM_INCLUDE_END_BLOCKS));
        EXPECT_EQ(d.Text(IDC_GEOM_DECK_THICKNESS), "0");
        EXPECT_EQ(d.Selection(IDC_GEOM_SUPERSTRUCTURE), 6) << "LRFD(j) T-Beam non-comp";
        d.Ok();
    });
    EXPECT_EQ(Doc()->m_bCompositeDeck, 0);
    EXPECT_EQ(Doc()->m_dDeckThickness, 0.0);
    EXPECT_EQ(Doc()->m_nSectionType, kSectionDeckedBulbTee);

    // What the deck edit takes for a decked bulb-tee is not handed back.
    Geometry([](DialogDriver& d) {
        EXPECT_EQ(d.Text(IDC_GEOM_DECK_THICKNESS), "0");
        EXPECT_FALSE(d.IsEnabled(IDC_GEOM_COMPOSITE));
        d.Ok();
    });
    EXPECT_EQ(Doc()->m_dDeckThickness, 0.0);
}

TEST_F(GeometryCommandTest, PropertiesOpensTheSectionDialogWhoseTemplateButtonOpensTheTemplate) {
    NewDesign();
    const int strands = Doc()->m_nStrandCount;
    ASSERT_GT(strands, 1);
    ASSERT_TRUE(GeometrySectionPropertiesOpener());
    // Each case: whether the strand template is confirmed, and the strands after Geometry's OK.
    for (const bool confirm : {false, true}) {
        std::vector<std::string> captions;
        toolkit.QueueDialog([](DialogDriver& d) {
            EXPECT_TRUE(d.IsEnabled(IDC_GEOM_PROPERTIES));
            EXPECT_TRUE(d.Click(IDC_GEOM_PROPERTIES));
            d.Ok();
        });
        toolkit.QueueDialog([&](DialogDriver& d) {
            captions.push_back(d.Caption());
            EXPECT_TRUE(d.Click(IDC_SECTION_TEMPLATE));
            d.Ok();
        });
        toolkit.QueueDialog([&](DialogDriver& d) {
            captions.push_back(d.Caption());
            if (confirm) {
                d.Ok();
            } else {
                d.Cancel();
            }
        });
        ASSERT_TRUE(Choose(ID_INPUT_GEOMETRY));
        EXPECT_EQ(captions, (std::vector<std::string>{"Section Properties", "Strand Template"}));
        // A confirmed template is a new one: the pattern starts again from one strand.
        EXPECT_EQ(Doc()->m_nStrandCount, confirm ? 1 : strands) << confirm;
    }
}

}  // namespace
}  // namespace kordel::test
