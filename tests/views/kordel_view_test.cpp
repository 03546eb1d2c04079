// The main view's input summary sheet on the recording device context. On a recording of 100
// px/in in MapMode::LoEnglish one 0.01-inch unit is one pixel with y flipped; recorded fonts
// have ascent 0.8 em and descent 0.2 em and advance 0.6 em a character, so the large font (13
// units) makes 13-unit lines and a text's baseline lies 10.4 units below its top.
//
// The golden files (tests/views/golden/) hold every primitive of page 1 of each example, on the
// screen (96 px/in) and printed (Letter at 100 px/in), and of the printed pages 2 and 3 of each
// example and page 4 of the post-tensioned example 4, in US and metric units; rewrite them with
// KORDEL_UPDATE_GOLDEN=1 and read the difference before committing it.
#include "views/kordel_view.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "document/kordel_doc.h"
#include "platform/ui/headless_toolkit.h"
#include "platform/ui/recording_print.h"
#include "report/format.h"
#include "tests/report/report_test_support.h"
#include "tests/test_support.h"
#include "tests/views/sheet_test_support.h"
#include "views/sheet_page1.h"
#include "views/sheet_page2.h"
#include "views/sheet_page3.h"
#include "views/sheet_page4.h"
#include "views/title_block.h"

namespace kordel {
namespace {

using platform::ui::DC;
using platform::ui::MapMode;
using platform::ui::PageGeometry;
using platform::ui::PageSetup;
using platform::ui::PrintInfo;
using platform::ui::RecordingDC;
using platform::ui::RecordingPrintSurface;
using OpKind = RecordingDC::OpKind;

/// Line height of the large font on a recording: its em, 13 units.
constexpr int kH = 13;
/// A recorded text's baseline below its top: 0.8 of the 13-unit em.
constexpr double kBaseline = 10.4;

/// A text drawn, with its top-left corner in logical units (a recording at 100 px/in).
struct PlacedText {
    std::string text;
    double x;
    double top;
};

class SheetTest : public test::EngineTest {
  protected:
    SheetTest() : m_toolkitGuard(toolkit) { host.FixTime({2019, 7, 4, 9, 5, 3}); }

    /// Example design `n`, analysed, in `units`.
    CKordelDoc& Example(int n, int units = kUnitsUS) {
        m_doc = NewDoc();
        EXPECT_TRUE(m_doc->BuildExampleDesign(n));
        m_doc->m_nUnits = units;
        m_doc->RunAnalysis();
        view.SetDocument(m_doc.get());
        view.OnInitialUpdate();
        return *m_doc;
    }

    /// A recording of 100 px/in in MapMode::LoEnglish, the large font selected as the sheet
    /// selects it.
    static std::unique_ptr<RecordingDC> LoEnglish(bool printing = false) {
        auto dc = std::make_unique<RecordingDC>(100.0, printing, platform::ui::Size{850, 1400});
        dc->SetMapMode(MapMode::LoEnglish);
        dc->SelectFont(sheet::kLargeFont);
        return dc;
    }

    /// The sheet drawing of the design, as OnDraw prepares it on `dc`.
    SheetDrawing Prepared(DC& dc) {
        FillUnitTable(m_doc->m_nUnits, m_factors, m_labels);
        SheetDrawing sheet(*m_doc, m_factors, m_labels);
        sheet.h = MeasureLineHeight(dc);
        return sheet;
    }

    /// The texts of the input column, with their logical positions.
    std::vector<PlacedText> Column(int K = 0) {
        auto dc = LoEnglish();
        const SheetDrawing sheet = Prepared(*dc);
        DrawInputColumn(*dc, sheet, K);
        std::vector<PlacedText> texts;
        for (const auto& op : dc->OpsOf(OpKind::Text))
            texts.push_back({op.text, op.points[0].x, -(op.points[0].y - kBaseline)});
        return texts;
    }

    /// The text drawn on the same line as `label` at the value's x, or "(none)".
    std::string ValueOf(const std::vector<PlacedText>& texts, const std::string& label) {
        for (const PlacedText& t : texts) {
            if (t.text != label) continue;
            for (const PlacedText& v : texts) {
                if (v.top == t.top && v.x == kColumnValueX) return v.text;
            }
            return "(no value)";
        }
        return "(none)";
    }

    /// The view painted on a screen recording at 96 px/in.
    std::unique_ptr<RecordingDC> Screen() {
        auto dc = std::make_unique<RecordingDC>(96.0, false, platform::ui::Size{1000, 800});
        view.Paint(*dc);
        return dc;
    }

    /// Pages `from` to `to` of the sheet printed on recordings of `page`.
    std::unique_ptr<RecordingPrintSurface> Print(const PageGeometry& page, int from = 1,
                                                 int to = PrintInfo::kNoLimit) {
        auto surface = std::make_unique<RecordingPrintSurface>("", page);
        PrintInfo info;
        EXPECT_TRUE(view.OnPreparePrinting(info));
        info.fromPage = from;
        info.toPage = to;
        EXPECT_GE(platform::ui::RunPrintLoop(view, *surface, info), 0);
        return surface;
    }

    platform::ui::HeadlessToolkit toolkit{host};
    CKordelView view;
    std::unique_ptr<CKordelDoc> m_doc;
    double m_factors[kUnitSlotCount] = {};
    std::string m_labels[kUnitSlotCount];

  private:
    platform::ui::ScopedToolkit m_toolkitGuard;
};

bool Has(const std::vector<std::string>& texts, const std::string& text) {
    return std::find(texts.begin(), texts.end(), text) != texts.end();
}

// ---- Golden drawings --------------------------------------------------------------------------

TEST_F(SheetTest, PageOneOfEveryExampleMatchesItsGoldenDrawing) {
    for (int n = 1; n <= 4; ++n) {
        for (int units : {kUnitsUS, kUnitsMetric}) {
            Example(n, units);
            const std::string name =
                "sheet_page1_ex" + std::to_string(n) + (units == kUnitsUS ? "_us" : "_metric");
            SCOPED_TRACE(name);
            test::ExpectMatchesGolden(test::Describe(*Screen()), name + "_screen", "views");
            auto printed = Print(PageGeometry::Letter(100.0), 1, 1);
            ASSERT_EQ(printed->PageCount(), 1);
            test::ExpectMatchesGolden(test::Describe(printed->Page(0)), name + "_print", "views");
        }
    }
}

// ---- The unit table ---------------------------------------------------------------------------

TEST_F(SheetTest, TheUnitTableFollowsTheDesignsUnitsAtEveryDrawing) {
    Example(1);
    Screen();
    EXPECT_EQ(view.m_astrUnitLabel[kUnitFeet], "ft");
    EXPECT_EQ(view.m_adUnitFactor[kUnitLineLoad], 1.0);
    m_doc->m_nUnits = kUnitsMetric;
    Screen();
    const std::pair<int, const char*> metric[] = {
        {kUnitFeet, "m"},           {kUnitInchesAsMetres, "m"}, {kUnitInches, "mm"},
        {kUnitSquareInches, "mm2"}, {kUnitAreaAsMetres, "m2"},  {kUnitModulus, "m3"},
        {kUnitInertia, "m4"},       {kUnitKips, "kN"},          {kUnitKsi, "MPa"},
        {kUnitDensity, "kg/m3"},    {kUnitLineLoad, "kN/m"},    {kUnitAreaPerLength, "mm2/mm"},
    };
    for (const auto& [slot, label] : metric) EXPECT_EQ(view.m_astrUnitLabel[slot], label) << slot;
    // 453.6 kg / 0.3048^3 m3, and 0.0254^4 m4.
    EXPECT_NEAR(view.m_adUnitFactor[kUnitDensity], 453.6 / (0.3048 * 0.3048 * 0.3048), 1e-9);
    EXPECT_NEAR(view.m_adUnitFactor[kUnitInertia], 0.0254 * 0.0254 * 0.0254 * 0.0254, 1e-18);
}

// ---- The input data column --------------------------------------------------------------------

TEST_F(SheetTest, TheColumnStepsALineAndHalfALineAfterEachGroup) {
    Example(1);
    const std::vector<PlacedText> texts = Column();
    ASSERT_GE(texts.size(), 3u);
    EXPECT_EQ(texts[0].text, "Specification: LRFD 6th");
    EXPECT_EQ(texts[0].x, kColumnHeadingX);
    EXPECT_EQ(texts[0].top, 0.0);
    // The group of one line ends half a line lower: the next heading at -(13 + 6).
    EXPECT_EQ(texts[1].text, "Bridge Geometry:");
    EXPECT_EQ(texts[1].top, -(kH + kH / 2));
    EXPECT_EQ(texts[2].x, kColumnItemX);
    EXPECT_EQ(texts[2].top, -(2 * kH + kH / 2));
    // Printed, the column starts at the page offset.
    EXPECT_EQ(Column(-110)[0].top, -110.0);
}

TEST_F(SheetTest, OnlyAContinuousDesignShowsItsCurrentSpansPierDistanceAndOffset) {
    Example(1);
    EXPECT_EQ(ValueOf(Column(), "CL Pier to Pier"), "(none)");
    EXPECT_EQ(ValueOf(Column(), "Girder Offset"), "(none)");
    Example(3);
    m_doc->m_nCurrentSpan = 2;
    m_doc->m_adSpanLength[2] = 123.456;
    m_doc->m_adGirderOffsetLeft[2] = 0.75;
    const std::vector<PlacedText> texts = Column();
    EXPECT_EQ(ValueOf(texts, "CL Pier to Pier"), "123.456 ft");
    EXPECT_EQ(ValueOf(texts, "Girder Offset"), "  0.750 ft");
    EXPECT_EQ(ValueOf(texts, "Span/Girder"), " 2 /  " + std::to_string(m_doc->m_nCurrentGirder));
}

TEST_F(SheetTest, TheColumnsValuesFollowTheirConditions) {
    Example(1);
    // The Standard Specifications take no skew angle; LRFD prints it in degrees in any units.
    m_doc->m_dSkewAngle = 15.0;
    EXPECT_EQ(ValueOf(Column(), "Skew Angle"), "15.000 deg");
    m_doc->m_nSpecification = kSpecStandard;
    m_doc->m_nUnits = kUnitsMetric;
    EXPECT_EQ(ValueOf(Column(), "Skew Angle"), "  n/a");
    m_doc->m_nSpecification = kSpecLrfd;
    EXPECT_EQ(ValueOf(Column(), "Skew Angle"), "15.000 deg");
    m_doc->m_nUnits = kUnitsUS;

    // The top strands' pull shows only when it differs, and the group ends after either line.
    m_doc->m_dTopPullFraction = m_doc->m_dPullFraction;
    std::vector<PlacedText> texts = Column();
    EXPECT_EQ(ValueOf(texts, "Top strand pull"), "(none)");
    auto topOf = [&](const std::string& label) {
        for (const PlacedText& t : texts)
            if (t.text == label) return t.top;
        return 1.0;
    };
    EXPECT_EQ(topOf("Strand pull fraction") - topOf("Loads:"), kH + kH / 2);
    m_doc->m_dTopPullFraction = 0.7;
    texts = Column();
    EXPECT_EQ(ValueOf(texts, "Top strand pull"), "0.700");
    EXPECT_EQ(topOf("Top strand pull") - topOf("Loads:"), kH + kH / 2);

    // No diaphragm anywhere: a weight of 0 whatever is stored; at the user's location only:
    // the stored weight and that location.
    m_doc->m_dDiaphragmWeight = 3.5;
    m_doc->m_strDiaphragmAtQuarter = "NONE";
    m_doc->m_strDiaphragmAtThird = "";
    m_doc->m_strDiaphragmAtHalf = "";
    m_doc->m_bDiaphragmAtUserLocation = 0;
    texts = Column();
    EXPECT_EQ(ValueOf(texts, "Diaphragm wt."), " 0.000 kip");
    EXPECT_EQ(ValueOf(texts, "Std. diaph. locations"), " NONE");
    EXPECT_EQ(ValueOf(texts, "User diaph. location"), "(none)");
    m_doc->m_bDiaphragmAtUserLocation = 1;
    m_doc->m_dDiaphragmUserLocation = 40.0;
    texts = Column();
    EXPECT_EQ(ValueOf(texts, "Diaphragm wt."), " 3.500 kip");
    EXPECT_EQ(ValueOf(texts, "User diaph. location"), "40.000 ft");
    m_doc->m_strDiaphragmAtQuarter = "";
    m_doc->m_strDiaphragmAtThird = "L/3 ";
    m_doc->m_strDiaphragmAtHalf = "L/2 ";
    EXPECT_EQ(ValueOf(Column(), "Std. diaph. locations"), " L/3 L/2 ");
}

TEST_F(SheetTest, TheVehicleLineNamesTheVehiclesIncluded) {
    Example(1);
    m_doc->m_recVehicle1.m_strName = "HL-93";
    m_doc->m_recVehicle2.m_strName = "Permit 7";
    struct Case {
        int first;
        int second;
        const char* label;
        const char* value;
    };
    const Case cases[] = {
        {1, 1, "Veh1: HL-93, Veh2: Permit 7", "(no value)"},
        {1, 0, "Vehicle", "HL-93"},
        {0, 1, "Vehicle", "Permit 7"},
        {0, 0, "Vehicle", "(none)"},
    };
    for (const Case& c : cases) {
        m_doc->m_recVehicle1.m_bIncluded = c.first;
        m_doc->m_recVehicle2.m_bIncluded = c.second;
        const std::vector<PlacedText> texts = Column();
        EXPECT_EQ(ValueOf(texts, c.label), c.value) << c.first << c.second;
        // The pedestrian load closes the column whatever the vehicles.
        EXPECT_EQ(texts.back().text, " 0.000 klf");
    }
}

TEST_F(SheetTest, AMetricDesignPrintsEveryValueWithItsMetricLabel) {
    Example(1, kUnitsMetric);
    const std::vector<PlacedText> texts = Column();
    // 12 in = 304.80 mm; 6 ksi = 41.369 MPa; 0.150 kcf = 2402.810 kg/m3; 0.167 klf in kN/m.
    EXPECT_EQ(ValueOf(texts, "Brng Pad Length"),
              Format("%6.2f mm", m_doc->m_dBearingPadLength * 25.4));
    EXPECT_EQ(ValueOf(texts, "Slab Thickness"), Format("%6.2f mm", m_doc->m_dDeckThickness * 25.4));
    EXPECT_EQ(ValueOf(texts, "f'ci"), Format("%6.3f MPa", m_doc->m_dBeamFci * 6.8948));
    EXPECT_EQ(ValueOf(texts, "Barriers"), Format("%6.3f kN/m", m_doc->m_dBarrierLoad * 14.5939));
    EXPECT_EQ(ValueOf(texts, "Girder Length"), Format("%7.3f m", m_doc->m_dGirderLength * 0.3048));
    EXPECT_NE(ValueOf(texts, "density").find("kg/m3"), std::string::npos);
}

// ---- Framing plan, cross sections and properties -------------------------------------------

/// The rectangles of `dc` filled with `colour`.
std::vector<RecordingDC::Op> Filled(const RecordingDC& dc, OpKind kind,
                                    platform::ui::Colour colour) {
    std::vector<RecordingDC::Op> ops;
    for (const auto& op : dc.OpsOf(kind))
        if (op.hasFill && op.fill == colour) ops.push_back(op);
    return ops;
}

const platform::ui::Colour kGrey{195, 195, 195};

TEST_F(SheetTest, OnlyTheCurrentGirderIsShadedInThePlanAndTheBridgeSection) {
    Example(1);  // a single span of five girders
    auto plan = [&] {
        auto dc = LoEnglish();
        DrawFramingPlan(*dc, Prepared(*dc), 0);
        return dc;
    };
    auto section = [&] {
        auto dc = LoEnglish();
        DrawBridgeSection(*dc, Prepared(*dc), 0);
        return dc;
    };
    m_doc->m_nCurrentGirder = 2;
    const auto second = Filled(*plan(), OpKind::Rectangle, kGrey);
    ASSERT_EQ(second.size(), 1u);
    m_doc->m_nCurrentGirder = 4;
    const auto fourth = Filled(*plan(), OpKind::Rectangle, kGrey);
    ASSERT_EQ(fourth.size(), 1u);
    // Two girders further down the plan: two beam spacings at the plan's scale.
    EXPECT_GT(fourth[0].points[0].y, second[0].points[0].y);
    // One shaded outline in the bridge section (the haunches are grey rectangles, not
    // polygons), and it moves with the current girder.
    const auto shaded4 = Filled(*section(), OpKind::Polygon, kGrey);
    ASSERT_EQ(shaded4.size(), 1u);
    m_doc->m_nCurrentGirder = 1;
    const auto shaded1 = Filled(*section(), OpKind::Polygon, kGrey);
    ASSERT_EQ(shaded1.size(), 1u);
    EXPECT_LT(shaded1[0].points[0].x, shaded4[0].points[0].x);
}

TEST_F(SheetTest, ChangingTheCurrentSpanMovesTheShadedGirderAlongThePlan) {
    Example(3);  // three continuous spans
    auto shaded = [&](int span) {
        m_doc->m_nCurrentSpan = span;
        auto dc = LoEnglish();
        DrawFramingPlan(*dc, Prepared(*dc), 0);
        const auto grey = Filled(*dc, OpKind::Rectangle, kGrey);
        EXPECT_EQ(grey.size(), 1u);
        return grey.empty() ? 0.0 : grey[0].points[0].x;
    };
    const double first = shaded(1);
    const double second = shaded(2);
    const double third = shaded(3);
    EXPECT_LT(first, second);
    EXPECT_LT(second, third);
}

TEST_F(SheetTest, APlanOfOneBeamOrOfNoWidthStillHasItsScale) {
    Example(2);
    // One beam: its row at a sixth of the plan's height above y0 = -125.
    m_doc->m_nBeams = 1;
    m_doc->m_nCurrentGirder = 1;
    auto dc = LoEnglish();
    SheetDrawing sheet = Prepared(*dc);
    EXPECT_DOUBLE_EQ(sheet.planWidth, 12.0 * m_doc->m_dBeamSpacing);
    DrawFramingPlan(*dc, sheet, 0);
    double T = 0.0;
    for (int i = 1; i <= m_doc->m_nSpans; ++i) T += m_doc->m_adSpanLength[i];
    const double s = std::min(465.0 / (12.0 * T + 48.0), 115.0 / sheet.planWidth);
    const auto girders = Filled(*dc, OpKind::Rectangle, kGrey);
    ASSERT_EQ(girders.size(), 1u);
    // Device y is -logical y; the girder's lower edge is its larger device y.
    EXPECT_EQ(std::max(girders[0].points[0].y, girders[0].points[1].y),
              -platform::ui::ToLogical(-125 + s * sheet.planWidth / 6.0));

    // No spacing: the plan is 1.5 outline widths wide.
    m_doc->m_dBeamSpacing = 0.0;
    EXPECT_DOUBLE_EQ(Prepared(*dc).planWidth, 1.5 * OutlineWidth(*m_doc));
    auto empty = LoEnglish();
    DrawFramingPlan(*empty, Prepared(*empty), 0);
    for (const auto& op : empty->Ops())
        for (const auto& p : op.points) EXPECT_TRUE(std::isfinite(p.x) && std::isfinite(p.y));
}

TEST_F(SheetTest, AHaunchOfNoThicknessIsDrawnFlatAndANegativeOneNotAtAll) {
    Example(1);
    auto haunches = [&](double thickness) {
        m_doc->m_dHaunchThickness = thickness;
        auto dc = LoEnglish();
        DrawGirderSection(*dc, Prepared(*dc), 0);
        // The grey rectangles: the deck, then the haunch when there is one.
        return Filled(*dc, OpKind::Rectangle, kGrey);
    };
    const auto flat = haunches(0.0);
    ASSERT_EQ(flat.size(), 2u);
    EXPECT_EQ(flat[1].points[0].y, flat[1].points[1].y) << "a haunch of no height";
    EXPECT_EQ(haunches(-1.0).size(), 1u);
    EXPECT_EQ(haunches(2.0).size(), 2u);
}

TEST_F(SheetTest, ThePropertyTableShowsMidSpanValuesInTheDesignsUnits) {
    Example(1);
    auto table = [&] {
        auto dc = LoEnglish();
        DrawSectionProperties(*dc, Prepared(*dc), 0);
        return dc->Texts();
    };
    std::vector<std::string> texts = table();
    const double area = m_doc->m_adAreaAtStation[50][kSectionCaseGirder];
    EXPECT_TRUE(Has(texts, Format("%9.1f", area))) << area;
    EXPECT_TRUE(
        Has(texts, Format("%8.2f", m_doc->m_adAreaAtStation[50][kSectionCaseTransformedOverlay])));
    EXPECT_TRUE(Has(texts, "Area, in2"));
    // Three deck-top moduli: the girder alone and at final have none.
    int deckRow = 0;
    for (int c : {kSectionCaseGirder, kSectionCaseDeck, kSectionCaseOverlay, kSectionCaseFinal,
                  kSectionCaseTransformedOverlay}) {
        const double sdck =
            m_doc->m_adSectionModulusAtStation[50][SectionModulusSlot(c, kFibreDeckTop)];
        if (Has(texts, Format("%9.1f", sdck))) ++deckRow;
    }
    EXPECT_EQ(deckRow, 3);

    m_doc->m_nUnits = kUnitsMetric;
    texts = table();
    EXPECT_TRUE(Has(texts, Format("%9.3f", area * 0.00064516)));
    EXPECT_TRUE(Has(
        texts, Format("%8.2f",
                      m_doc->m_adAreaAtStation[50][kSectionCaseTransformedOverlay] * 0.00064516)));
    EXPECT_TRUE(Has(texts, Format("%9.3f", m_doc->m_dDrawingSectionHeight * 0.0254)));
    EXPECT_TRUE(Has(texts, "MI, m4"));
}

// ---- Shared drawing elements -------------------------------------------------------------------

TEST_F(SheetTest, StrandDotsBeamElevationAndClosurePoursScaleFromInches) {
    Example(4);
    auto dc = LoEnglish();
    // A pair of strands at x = +-2 in, y = 3 in, s = 10 units/in, origin (100, -200): the dot
    // spans x 1.55 to 2.45 in and y 2.55 to 3.45 in, truncated after scaling.
    DrawStrandDot(*dc, 2.0, 3.0, 100, -200, 10.0, true);
    const auto dots = dc->OpsOf(OpKind::Ellipse);
    ASSERT_EQ(dots.size(), 2u);
    EXPECT_EQ(dots[0].points[0], (platform::ui::PointD{115.0, 166.0}));
    EXPECT_EQ(dots[0].points[1], (platform::ui::PointD{124.0, 175.0}));
    EXPECT_EQ(dots[1].points[0], (platform::ui::PointD{76.0, 166.0}));
    EXPECT_EQ(dots[1].points[1], (platform::ui::PointD{85.0, 175.0}));
    EXPECT_EQ(dots[0].fill, (platform::ui::Colour{0, 0, 255}));

    // The elevation: 100 ft by 72 in at half a unit per inch from (15, -300).
    m_doc->m_dGirderLength = 100.0;
    m_doc->m_dSectionHeight = 72.0;
    dc->Clear();
    DrawBeamElevation(*dc, *m_doc, -300, 0.5);
    ASSERT_EQ(dc->Ops().size(), 1u);
    EXPECT_EQ(dc->Ops()[0].points[0], (platform::ui::PointD{15.0, 264.0}));
    EXPECT_EQ(dc->Ops()[0].points[1], (platform::ui::PointD{615.0, 300.0}));

    // Closure pours after each segment but the last: 50 ft then a 2 ft pour, 40 ft then 1 ft.
    m_doc->m_nSegments = 3;
    m_doc->m_adSegments[0][kSegmentLength] = 50.0;
    m_doc->m_adSegments[0][kSegmentClosure] = 2.0;
    m_doc->m_adSegments[1][kSegmentLength] = 40.0;
    m_doc->m_adSegments[1][kSegmentClosure] = 1.0;
    m_doc->m_adSegments[2][kSegmentLength] = 30.0;
    dc->Clear();
    DrawClosurePours(*dc, *m_doc, -300, 0.5);
    const auto pours = dc->OpsOf(OpKind::Rectangle);
    ASSERT_EQ(pours.size(), 2u);
    EXPECT_EQ(pours[0].points[0].x, 15.0 + 300.0);  // 600 in from the end
    EXPECT_EQ(pours[0].points[1].x, 15.0 + 312.0);  // 24 in of pour
    EXPECT_EQ(pours[1].points[0].x, 15.0 + 552.0);  // 600 + 24 + 480 in
    EXPECT_EQ(pours[1].points[1].x, 15.0 + 558.0);
    EXPECT_EQ(pours[0].fill, kGrey);
}

TEST_F(SheetTest, TheSectionOutlineDrawsItsVoidsUnlessLeftOut) {
    Example(2);  // the box beam has a polygonal void
    ASSERT_GT(m_doc->m_nVoidPointCount, 0);
    m_doc->m_nCircularVoidCount = 1;
    m_doc->m_adCircularVoid[0][kVoidCentreX] = 0.0;
    m_doc->m_adCircularVoid[0][kVoidCentreY] = 10.0;
    m_doc->m_adCircularVoid[0][kVoidRadius] = 4.0;
    auto lines = [](const RecordingDC& dc) { return dc.OpsOf(OpKind::Polyline).size(); };
    auto dc = LoEnglish();
    DrawSectionOutline(*dc, *m_doc, 0, 0, 1.0);
    // One segment per pair of points of the outline and of the void; the circle filled white.
    EXPECT_EQ(lines(*dc),
              static_cast<size_t>(m_doc->m_nOutlinePointCount - 1 + m_doc->m_nVoidPointCount - 1));
    const auto circles = dc->OpsOf(OpKind::Ellipse);
    ASSERT_EQ(circles.size(), 1u);
    EXPECT_EQ(circles[0].points[0], (platform::ui::PointD{-4.0, -14.0}));
    EXPECT_EQ(circles[0].fill, platform::ui::kWhite);
    dc->Clear();
    DrawSectionOutline(*dc, *m_doc, m_doc->m_adOutline, m_doc->m_nOutlinePointCount, 0, 0, 1.0,
                       true);
    EXPECT_EQ(lines(*dc), static_cast<size_t>(m_doc->m_nOutlinePointCount - 1));
    EXPECT_TRUE(dc->OpsOf(OpKind::Ellipse).empty());
}

TEST_F(SheetTest, EachDrawingPreparesTheEndOutlineAndTheDebondingSymbols) {
    Example(1);
    auto dc = LoEnglish();
    SheetDrawing plain = Prepared(*dc);
    EXPECT_EQ(plain.endOutlineCount, m_doc->m_nOutlinePointCount);
    EXPECT_EQ(plain.endOutline[3][kPointX], m_doc->m_adOutline[3][kPointX]);
    // With end blocks the girder end is the widened end-block outline.
    m_doc->m_bIncludeEndBlocks = 1;
    m_doc->m_dEndBlockWidth = 20.0;
    m_doc->m_dEndBlockLength = 3.0;
    SheetDrawing blocked = Prepared(*dc);
    // Example 1's web (3 in, its fillets 5 in from the middle) is widened to the block's 10 in
    // half width; the flanges keep their edges.
    ASSERT_EQ(blocked.endOutlineCount, m_doc->m_nOutlinePointCount);
    for (int i = 0; i < blocked.endOutlineCount; ++i) {
        const double x = m_doc->m_adOutline[i][kPointX];
        EXPECT_EQ(blocked.endOutline[i][kPointX], std::abs(x) < 10.0 ? std::copysign(10.0, x) : x)
            << "point " << i;
        EXPECT_EQ(blocked.endOutline[i][kPointY], m_doc->m_adOutline[i][kPointY]) << "point " << i;
    }
    // The symbols: K twice, no J; two copies.
    EXPECT_EQ(plain.symbols.size(), 26u);
    EXPECT_EQ(plain.symbols.substr(9, 2), "KK");
    EXPECT_EQ(plain.symbols.find('J'), std::string::npos);
    EXPECT_EQ(plain.midTableSymbols, plain.symbols);
}

// ---- The view on the screen ----------------------------------------------------------------

TEST_F(SheetTest, OnTheScreenThePagesAreSeparatedByDottedLines) {
    auto pageLines = [&] {
        std::vector<double> ys;
        for (const auto& op : Screen()->OpsOf(OpKind::Polyline)) {
            if (op.penStyle == platform::ui::PenStyle::Dot &&
                op.penColour == platform::ui::Colour{55, 155, 155})
                ys.push_back(op.points[0].y);
        }
        return ys;
    };
    Example(1);
    // At 96 px/in: -1000 and -2000 units are 960 and 1920 px down.
    EXPECT_EQ(pageLines(), (std::vector<double>{960.0, 1920.0}));
    EXPECT_EQ(view.TotalDeviceSize(), (platform::ui::Size{955, 2952}));  // 995 x 3075 units
    Example(4);
    EXPECT_EQ(pageLines(), (std::vector<double>{960.0, 1920.0, 2880.0}));
    EXPECT_EQ(view.TotalDeviceSize(), (platform::ui::Size{955, 3936}));  // 995 x 4100 units
    // The extent follows the prestressing at the next drawing.
    m_doc->m_nPrestressType = kPretensionOnly;
    Screen();
    EXPECT_EQ(view.TotalDeviceSize().cy, 2952);
}

TEST_F(SheetTest, TheOutlineIsCopiedInWholeInches) {
    Example(1);
    m_doc->m_adOutline[0][kPointX] = -12.7;
    m_doc->m_adOutline[0][kPointY] = 33.9;
    Screen();
    EXPECT_EQ(view.m_nOutlinePointCount, m_doc->m_nOutlinePointCount);
    EXPECT_EQ(view.m_aptOutline[0], (platform::ui::Point{-12, 33}));
}

// ---- Printing -------------------------------------------------------------------------------

TEST_F(SheetTest, APretensionedDesignPrintsThreeSheetsAndAPostTensionedOneFour) {
    Example(1);
    PrintInfo info;
    ASSERT_TRUE(view.OnPreparePrinting(info));
    EXPECT_EQ(info.maxPage, 3);
    EXPECT_EQ(info.previewPages, 1);
    EXPECT_EQ(Print(PageGeometry::Letter(100.0))->PageCount(), 3);
    Example(4);
    ASSERT_TRUE(view.OnPreparePrinting(info));
    EXPECT_EQ(info.maxPage, 4);
    EXPECT_EQ(Print(PageGeometry::Letter(100.0))->PageCount(), 4);
}

TEST_F(SheetTest, EachSheetShowsItsBandUnderItsTitleBlock) {
    Example(4);
    // Legal paper leaves room for the 0.60 and 0.30 inch offsets: logical (x, y) of sheet p,
    // whose band begins at top = -(p - 1) x 1060, is device (60 + x, 30 + top - y).
    PageSetup legal;
    legal.paper = platform::ui::PaperSize::Legal;
    auto printed = Print(PageGeometry::ForPaper(legal, 100.0));
    ASSERT_EQ(printed->PageCount(), 4);
    for (int p = 1; p <= 4; ++p) {
        const RecordingDC& page = printed->Page(p - 1);
        // The band, clipped: (0, top) to (755, top - 1060), inside the 800 px printable width.
        const auto clips = page.OpsOf(OpKind::Clip);
        ASSERT_FALSE(clips.empty());
        EXPECT_EQ(clips.front().points[0].x, 60.0);
        EXPECT_EQ(clips.front().points[0].y, 30.0);
        EXPECT_EQ(clips.front().points[1].x, 800.0);
        EXPECT_EQ(clips.front().points[1].y, 1090.0);
        // Its own title block's frame, from (1, top - 1) to (735, top - 1015), and its label.
        const auto frames = page.OpsOf(OpKind::Rectangle);
        EXPECT_TRUE(std::any_of(frames.begin(), frames.end(), [](const RecordingDC::Op& op) {
            return op.points[0] == platform::ui::PointD{61.0, 31.0} &&
                   op.points[1] == platform::ui::PointD{795.0, 1045.0};
        })) << p;
        EXPECT_TRUE(Has(page.Texts(), "Kordel p. " + std::to_string(p) + " of 4")) << p;
    }
    // Sheet 1's content starts 110 units below the sheet's top: the column's first line.
    const auto firstPage = printed->Page(0).OpsOf(OpKind::Text);
    auto at = [&](const std::string& text) {
        for (const auto& op : firstPage)
            if (op.text.rfind(text, 0) == 0) return op.points[0];
        return platform::ui::PointD{-1, -1};
    };
    EXPECT_EQ(at("Specification:").x, 60.0 + 5.0);
    EXPECT_DOUBLE_EQ(at("Specification:").y, 30.0 + 110.0 + kBaseline);
    EXPECT_DOUBLE_EQ(at("Framing Plan").y, 30.0 + 110.0 + 130.0 + kBaseline);
}

TEST_F(SheetTest, ASheetIsPlacedOnThePaperWithItsOffsetsOrShrunkToFit) {
    struct Case {
        const char* paper;
        platform::ui::Size printable;  // 0.01 inch
        double zoom;
        int left;
        int top;
    };
    const Case cases[] = {
        // Legal: room for both offsets.
        {"Legal", {800, 1350}, 1.0, 60, 30},
        // Letter with quarter-inch strips: 1050 high, so the program line under the frame
        // (1027 below the band's top) leaves 23 of the 30.
        {"Letter", {800, 1050}, 1.0, 60, 23},
        // A4: 7.77 inches across leave 41 of the 60.
        {"A4", {777, 1119}, 1.0, 41, 30},
        // Letter landscape: the sheet is shrunk to the 8 inches of the page's height.
        {"Letter landscape", {1050, 800}, 800.0 / 1027.0, 60, 0},
        {"no printable area", {0, 0}, 1.0, 0, 0},
    };
    for (const Case& c : cases) {
        const CKordelView::SheetPlacement place = CKordelView::PlaceSheet(c.printable);
        EXPECT_DOUBLE_EQ(place.zoom, c.zoom) << c.paper;
        EXPECT_EQ(place.left, c.left) << c.paper;
        EXPECT_EQ(place.top, c.top) << c.paper;
    }
}

TEST_F(SheetTest, OnEveryPaperTheSheetStaysInsideThePrintableArea) {
    Example(1);
    for (auto paper : {platform::ui::PaperSize::Letter, platform::ui::PaperSize::A4,
                       platform::ui::PaperSize::Legal}) {
        for (auto orientation :
             {platform::ui::PageOrientation::Portrait, platform::ui::PageOrientation::Landscape}) {
            const PageGeometry page = PageGeometry::ForPaper({paper, orientation}, 100.0);
            auto printed = Print(page);
            ASSERT_EQ(printed->PageCount(), 3);
            // The frame of each sheet and the program line under it lie in the printable area.
            for (int p = 0; p < 3; ++p) {
                for (const auto& op : printed->Page(p).Ops()) {
                    const bool titleBlock = op.kind == OpKind::Rectangle && op.hasPen &&
                                            op.penColour == platform::ui::kBlack && !op.hasFill;
                    const bool programLine =
                        op.kind == OpKind::Text && op.text.rfind("Kordel - ", 0) == 0;
                    if (!titleBlock && !programLine) continue;
                    const double clipBottom = page.printableSize.cy;
                    for (const auto& pt : op.points) {
                        if (pt.y < 0 || pt.y > clipBottom + 1) continue;  // another sheet's
                        EXPECT_GE(pt.x, 0.0);
                        EXPECT_LE(pt.x, page.printableSize.cx);
                    }
                    if (programLine && op.points[0].y > 0 && op.points[0].y < clipBottom + 1) {
                        EXPECT_LE(op.points[0].y + 0.2 * op.fontSize, clipBottom)
                            << "program line cut off";
                    }
                }
            }
        }
    }
}

// ---- The title block ------------------------------------------------------------------------

TEST_F(SheetTest, TheTitleBlockOfSheetThreeOfFour) {
    Example(4);
    m_doc->m_nCurrentSpan = 2;
    m_doc->m_nCurrentGirder = 11;
    m_doc->m_strDesigner = "RWK";
    auto dc = LoEnglish(true);
    EXPECT_EQ(DrawPageTitleBlock(*dc, *m_doc, 3, 4), -220);
    const auto frames = dc->OpsOf(OpKind::Rectangle);
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0].points[0], (platform::ui::PointD{1.0, 2121.0}));
    EXPECT_EQ(frames[0].points[1], (platform::ui::PointD{735.0, 3135.0}));
    const auto texts = dc->Texts();
    EXPECT_TRUE(Has(texts, "Kordel p. 3 of 4"));
    EXPECT_TRUE(Has(texts, "7/4/19 @ 09:05:03"));
    EXPECT_TRUE(Has(texts, "Span/Girder  2 /11"));
    EXPECT_TRUE(Has(texts, "By: RWK, Ck:_____"));
    EXPECT_TRUE(Has(texts, "Kordel - Prestressed concrete bridge beam design, version 4.62"));
    EXPECT_EQ(DrawPageTitleBlock(*dc, *m_doc, 1, 4), -110);
    EXPECT_EQ(DrawPageTitleBlock(*dc, *m_doc, 2, 4), -165);
    EXPECT_EQ(FormatTwoDigits(5), "05");
    EXPECT_EQ(FormatTwoDigits(23), "23");
}

TEST_F(SheetTest, SheetsPrintedFromARangeCountThePrintoutsSheets) {
    Example(4);
    auto printed = Print(PageGeometry::Letter(100.0), 2, 3);
    ASSERT_EQ(printed->PageCount(), 2);
    EXPECT_TRUE(Has(printed->Page(0).Texts(), "Kordel p. 2 of 4"));
    EXPECT_TRUE(Has(printed->Page(1).Texts(), "Kordel p. 3 of 4"));
}

TEST_F(SheetTest, TheTitleBlocksRightColumnStaysInsideTheFrame) {
    Example(1);
    host.FixTime({2026, 12, 31, 23, 59, 59});
    m_doc->m_strDesigner = "R. W. Kowalczyk";
    auto dc = LoEnglish(true);
    DrawPageTitleBlock(*dc, *m_doc, 1, 3);
    int column = 0;
    for (const auto& op : dc->OpsOf(OpKind::Text)) {
        if (op.points[0].x != 605.0) continue;
        ++column;
        const double right =
            op.points[0].x + RecordingDC::kAdvancePerEm * op.fontSize * op.text.size();
        EXPECT_LE(right, 735.0) << op.text;
        EXPECT_LE(op.fontSize, 14.0) << op.text;
    }
    EXPECT_EQ(column, 5);
    EXPECT_TRUE(Has(dc->Texts(), "12/31/26 @ 23:59:59"));
    EXPECT_TRUE(Has(dc->Texts(), "By: R. W. Kowalczyk, Ck:_____"));
}

TEST_F(SheetTest, LongJobLinesAreShortenedToTheirLimits) {
    // In the body font (14 units) a recorded character advances 8.4 units.
    auto dc = LoEnglish(true);
    dc->SelectFont({"Arial", -14});
    auto width = [&](const std::string& text) { return dc->GetTextExtent(text).cx; };
    // "Job. No.\t: " is 11 characters; 13 more make 24 = 201.6 units, over 188; the first cut
    // leaves 23 (193.2), the next 22 (184.8), below 188.
    const std::string job = JobNumberLine(*dc, "ABCDEFGHIJKLM");
    EXPECT_EQ(job, "Job. No.\t: ABC...IJKLM");
    EXPECT_LT(width(job), kJobLineLimit);
    EXPECT_EQ(JobNumberLine(*dc, "J-117"), "Job. No.\t: J-117");
    // A long client loses characters from its end and gets an ellipsis.
    const std::string client = ClientLine(*dc, "Department of Transportation");
    EXPECT_EQ(client.rfind("Client: Department", 0), 0u);
    EXPECT_EQ(client.substr(client.size() - 3), "...");
    EXPECT_LT(width(client), kClientLineLimit);
    EXPECT_EQ(ClientLine(*dc, "DOT"), "Client: DOT");
    // A long file name keeps its first seven characters and its end.
    const std::string file = FileLine(*dc, "cedar-creek-bridge-girder-final.kdx");
    EXPECT_EQ(file.rfind("File: cedar-c...", 0), 0u);
    EXPECT_EQ(file.substr(file.size() - 4), ".kdx");
    EXPECT_LT(width(file), kFileLineLimit);
}

TEST_F(SheetTest, TheShorteningLoopsEndWhenNothingIsLeftToRemove) {
    // A font so large that no line can meet its limit: each loop stops once its step no
    // longer changes the text.
    auto dc = LoEnglish(true);
    dc->SelectFont({"Arial", -60});
    EXPECT_EQ(JobNumberLine(*dc, "J-2019-117"), "Job. No.\t: J-2...");
    EXPECT_EQ(JobNumberLine(*dc, "AB"), "Job. No.\t: AB");
    EXPECT_EQ(ClientLine(*dc, "DOT"), "Client: ...");
    EXPECT_EQ(FileLine(*dc, "bridge-girder.kdx"), "File: bridge-...");
    EXPECT_EQ(FileLine(*dc, "a.kdx"), "File: a.kdx");
}


// ---- Pages 2 to 4 -------------------------------------------------------------------------------

TEST_F(SheetTest, PagesTwoToFourOfEveryExampleMatchTheirGoldenDrawings) {
    for (int n = 1; n <= 4; ++n) {
        for (int units : {kUnitsUS, kUnitsMetric}) {
            Example(n, units);
            const std::string suffix =
                "_ex" + std::to_string(n) + (units == kUnitsUS ? "_us" : "_metric") + "_print";
            const int pages = n == 4 ? 4 : 3;
            auto printed = Print(PageGeometry::Letter(100.0), 2, pages);
            ASSERT_EQ(printed->PageCount(), pages - 1);
            for (int p = 2; p <= pages; ++p) {
                const std::string name = "sheet_page" + std::to_string(p) + suffix;
                SCOPED_TRACE(name);
                test::ExpectMatchesGolden(test::Describe(printed->Page(p - 2)), name, "views");
            }
        }
    }
}

TEST_F(SheetTest, ThePatternTablesListOnlyRowsWithStrandsNumberedWithoutGaps) {
    Example(1);
    for (auto& row : m_doc->m_aEndRows) row = {};
    for (auto& row : m_doc->m_aDrapeRows) row = {};
    m_doc->m_nTemplateRowCount = 4;
    // Row 0 straight only, row 1 empty, row 2 both, row 3 straight; row 5 lies past the
    // template's rows: the draped table still lists it, the straight table does not.
    m_doc->m_aEndRows[0] = {{2.0, 6, 0, 0}};
    m_doc->m_aEndRows[2] = {{6.0, 4, 8.0, 2}};
    m_doc->m_aEndRows[3] = {{10.0, 2, 0, 0}};
    m_doc->m_aEndRows[5] = {{30.0, 2, 40.0, 2}};
    m_doc->m_aDrapeRows[1] = {{0, 0, 4.0, 4}};
    auto dc = LoEnglish();
    const SheetDrawing sheet = Prepared(*dc);
    DrawPatternTables(*dc, sheet, 0);
    auto column = [&](double right) {
        std::vector<std::string> texts;
        for (const auto& op : dc->OpsOf(OpKind::Text)) {
            const double width = 0.6 * 13.0 * static_cast<double>(op.text.size());
            if (std::abs(op.points[0].x + width - right) < 0.01 && op.points[0].y > 1192.0)
                texts.push_back(op.text);
        }
        return texts;
    };
    EXPECT_EQ(column(420), (std::vector<std::string>{" 1", " 2", " 3"}));
    EXPECT_EQ(column(445), (std::vector<std::string>{" 6", " 4", " 2"}));
    EXPECT_EQ(column(495), (std::vector<std::string>{" 2.00", " 6.00", "10.00"}));
    EXPECT_EQ(column(545), (std::vector<std::string>{" 1", " 2"}));
    EXPECT_EQ(column(620), (std::vector<std::string>{" 8.00", "40.00"}));
    EXPECT_EQ(column(645), (std::vector<std::string>{" 1"}));
    EXPECT_EQ(column(720), (std::vector<std::string>{" 4.00"}));
}

/// Example 1 with its strand groups replaced: one pair per entry of `endLengths` (ft), at 2 in
/// steps across and up.
void SetDebondedGroups(CKordelDoc& doc, const std::vector<double>& endLengths) {
    doc.m_nStrandGroupCount = static_cast<int>(endLengths.size());
    for (size_t g = 0; g < endLengths.size(); ++g) {
        StrandGroup& group = doc.m_aStrandGroup[g];
        group = {};
        group[kGroupStrands] = 2;
        group[kGroupLocation] = 2.0 + static_cast<double>(g % 5) * 2.0;
        group[kGroupElevationEnd] = group[kGroupElevationDrape] =
            2.0 + static_cast<double>(g / 5) * 2.0;
        group[kGroupDebondEnd] = endLengths[g];
    }
}

TEST_F(SheetTest, DebondedStrandsShareASymbolUntilAnotherLengthComesBetween) {
    Example(1);
    SetDebondedGroups(*m_doc, {10.0, 10.0, 0.0, 6.0, 10.0});
    auto dc = LoEnglish();
    const SheetDrawing sheet = Prepared(*dc);
    EXPECT_EQ(DebondLengths(sheet, kGroupDebondEnd), (std::vector<double>{10.0, 6.0, 10.0}));
    EXPECT_TRUE(DebondLengths(sheet, kGroupDebondMid).empty());
    DrawDebonding(*dc, sheet, 0);
    // The end view: two symbols per pair (A A for the first two pairs, B, C), the bonded pair
    // as two dots; the end table lists A 10, B 6, C 10; the mid table one dot and 0.
    std::vector<std::string> small, tableText;
    for (const auto& op : dc->OpsOf(OpKind::Text)) {
        if (op.fontSize < 10.0) small.push_back(op.text);
        else if (op.points[0].x == 290.0 || op.points[0].x == 340.0) tableText.push_back(op.text);
    }
    EXPECT_EQ(small, (std::vector<std::string>{"A", "A", "A", "A", "B", "B", "C", "C"}));
    EXPECT_EQ(tableText, (std::vector<std::string>{"A", "10.00", "B", " 6.00", "C", "10.00",
                                                   " 0.00"}));
}

TEST_F(SheetTest, ThirtyDistinctDebondLengthsEachGetASymbolOfTheirOwn) {
    Example(1);
    std::vector<double> lengths;
    for (int k = 0; k < 30; ++k) lengths.push_back(1.0 + k);
    SetDebondedGroups(*m_doc, lengths);
    auto dc = LoEnglish();
    const SheetDrawing sheet = Prepared(*dc);
    DrawDebonding(*dc, sheet, 0);
    std::vector<std::string> symbols;
    for (const auto& op : dc->OpsOf(OpKind::Text))
        if (op.points[0].x == 290.0 && op.fontSize > 10.0) symbols.push_back(op.text);
    ASSERT_EQ(symbols.size(), 30u);
    // Places 0 to 25 are the letters (K twice); from 26 on a pair of them follows, never empty.
    EXPECT_EQ(symbols[0], "A");
    EXPECT_EQ(symbols[25], "Z");
    EXPECT_EQ(symbols[26], "AA");
    EXPECT_EQ(symbols[29], "AD");
    for (const std::string& s : symbols) EXPECT_FALSE(s.empty());
    EXPECT_EQ(DebondSymbol(sheet.symbols, 27), "AB");
    EXPECT_EQ(DebondSymbol(sheet.symbols, 9), "K");
    EXPECT_EQ(DebondSymbol(sheet.symbols, 10), "K");
    // Every symbol drawn on the view has a width: none is empty.
    for (const auto& op : dc->OpsOf(OpKind::Text)) EXPECT_FALSE(op.text.empty());
}

TEST_F(SheetTest, CastingDataPrintsHoldDownForcesOnlyForADrapedPattern) {
    Example(1);
    auto texts = [&] {
        auto dc = LoEnglish();
        const SheetDrawing sheet = Prepared(*dc);
        DrawCastingData(*dc, sheet, 0);
        return dc->Texts();
    };
    m_doc->m_nPatternType = kPatternDraped;
    m_doc->m_dDrapeFraction = 0.4;
    m_doc->m_adHoldDownSummary[kHoldDownFirstPoint] = 40.0;
    m_doc->m_adHoldDownSummary[kHoldDownSecondPoint] = 60.0;
    m_doc->m_dTopPullFraction = m_doc->m_dPullFraction;
    std::vector<std::string> draped = texts();
    EXPECT_TRUE(Has(draped, "Hold-Down Forces:"));
    EXPECT_TRUE(Has(draped, "  Loc1= 40.000 ft, Loc2= 60.000 ft"));
    EXPECT_FALSE(std::any_of(draped.begin(), draped.end(),
                             [](const std::string& t) { return t.rfind("Top Strands", 0) == 0; }));
    m_doc->m_dDrapeFraction = 0.5;
    EXPECT_TRUE(Has(texts(), "  Loc1= 40.000 ft"));
    m_doc->m_nPatternType = 1;
    EXPECT_FALSE(Has(texts(), "Hold-Down Forces:"));
}

TEST_F(SheetTest, ZonesElevenToTwentyFillTheRightTableAndAreaZonesStartAtEndLessLength) {
    Example(1);
    m_doc->m_bStirrupLayout = 0;
    m_doc->m_nStirrupZoneCount = 12;
    for (int i = 0; i < 12; ++i) {
        m_doc->m_adStirrupZones[i][kZoneEnd] = 5.0 * (i + 1);
        m_doc->m_adStirrupZones[i][kZoneLength] = 4.0;
        m_doc->m_adStirrupZones[i][kZoneArea] = 0.2;
    }
    auto dc = LoEnglish();
    const SheetDrawing sheet = Prepared(*dc);
    DrawShearZones(*dc, sheet, 0);
    EXPECT_TRUE(Has(dc->Texts(), "Beam Elevation - Shear Steel Layout"));
    // Zone numbers: 1 to 10 right-aligned at 40, 11 and 12 at 405, both from the first row.
    std::vector<std::pair<std::string, double>> numbers;
    for (const auto& op : dc->OpsOf(OpKind::Text)) {
        const double right = op.points[0].x + 0.6 * 13.0 * static_cast<double>(op.text.size());
        if (std::abs(right - 40.0) < 0.01 || std::abs(right - 405.0) < 0.01)
            numbers.push_back({op.text, op.points[0].y});
    }
    ASSERT_EQ(numbers.size(), 12u);
    EXPECT_EQ(numbers[10].first, "11");
    EXPECT_EQ(numbers[10].second, numbers[0].second);
    // Zone 1 starts at 5 - 4 = 1 ft: the start column, and the first boundary at 1 ft.
    EXPECT_TRUE(Has(dc->Texts(), "  1.00"));
    const double s = std::min(705.0 / (12.0 * m_doc->m_dGirderLength),
                              65.0 / (m_doc->m_dSectionHeight + m_doc->m_dDeckThickness +
                                      m_doc->m_dHaunchThickness));
    const auto lines = dc->OpsOf(OpKind::Polyline);
    EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [&](const RecordingDC::Op& op) {
        return op.points[0].x == std::trunc(12.0 * s + 15.0) &&
               op.points[0].x == op.points[1].x;
    }));
}

TEST_F(SheetTest, ASectionShowsTheBarsThatReachItAndNoDeckWithoutComposite) {
    Example(1);
    const double xm = m_doc->m_adStationX[kStationMidspan] + m_doc->m_dEndDistance;
    m_doc->m_nGirderBarCount = 2;
    m_doc->m_aGirderBars[0] = {};
    m_doc->m_aGirderBars[0].m_nBarSize = 8;
    m_doc->m_aGirderBars[0].m_adStart[kBarX] = 0.0;
    m_doc->m_aGirderBars[0].m_adEnd[kBarX] = xm;  // ends exactly at mid-span
    m_doc->m_aGirderBars[0].m_adStart[kBarY] = 3.0;
    m_doc->m_aGirderBars[1] = m_doc->m_aGirderBars[0];
    m_doc->m_aGirderBars[1].m_adEnd[kBarX] = xm - 0.01;  // stops short of it
    m_doc->m_nDeckBarCount = 0;
    m_doc->m_bCompositeDeck = 0;
    auto dc = LoEnglish();
    const SheetDrawing sheet = Prepared(*dc);
    DrawRebarSections(*dc, sheet, 0);
    // Both bars cross the bearing face; only the first reaches mid-span.
    const auto circles = dc->OpsOf(OpKind::Ellipse);
    int left = 0, mid = 0;
    for (const auto& op : circles) {
        if (op.fill != kGrey) continue;
        (op.points[0].x < 197.0 ? left : mid)++;
    }
    EXPECT_EQ(left, 2);
    EXPECT_EQ(mid, 1);
    // No deck: no grey rectangle.
    for (const auto& op : dc->OpsOf(OpKind::Rectangle)) EXPECT_NE(op.fill, kGrey);
}

TEST_F(SheetTest, TheTendonTablePrintsMetricDuctsInMillimetres) {
    Example(4, kUnitsMetric);
    ASSERT_GT(m_doc->m_nTendonCount, 0);
    auto dc = LoEnglish();
    const SheetDrawing sheet = Prepared(*dc);
    DrawTendonTables(*dc, sheet, 0);
    const std::vector<std::string> texts = dc->Texts();
    EXPECT_TRUE(Has(texts, "Duct Dia(mm)"));
    const double d = static_cast<double>(m_doc->m_aTendons[0].m_fDuctDiameter);
    EXPECT_TRUE(Has(texts, Format("%6.0f", d * 25.4)));
    // Both centroids in metres with three decimals.
    EXPECT_TRUE(Has(texts, Format("%5.3f", m_doc->m_aTendons[0].m_adProfile[kProfileStart][kProfileCg] * 0.0254)));
    EXPECT_TRUE(Has(texts, "cg@M(m)"));
    m_doc->m_nUnits = kUnitsUS;
    auto us = LoEnglish();
    const SheetDrawing usSheet = Prepared(*us);
    DrawTendonTables(*us, usSheet, 0);
    EXPECT_TRUE(Has(us->Texts(), "Duct Dia(in)"));
    EXPECT_TRUE(Has(us->Texts(), Format("%6.2f", d)));
}

TEST_F(SheetTest, ATendonOfEqualCentroidsRunsLevelAndOneSegmentHasNoClosure) {
    Example(4);
    m_doc->m_nTendonCount = 1;
    PostTensioningTendon& t = m_doc->m_aTendons[0];
    t.m_adProfile[kProfileStart][kProfileCg] = 10.0;
    t.m_adProfile[kProfileVertex][kProfileCg] = 10.0;
    m_doc->m_nSegments = 1;
    auto dc = LoEnglish();
    const SheetDrawing sheet = Prepared(*dc);
    DrawTendonProfiles(*dc, sheet, 0);
    int chords = 0;
    for (const auto& op : dc->OpsOf(OpKind::Polyline)) {
        if (op.penStyle != platform::ui::PenStyle::Dot) continue;
        ++chords;
        EXPECT_EQ(op.points[0].y, op.points[1].y);
    }
    EXPECT_EQ(chords, 100);
    for (const auto& op : dc->OpsOf(OpKind::Rectangle)) EXPECT_NE(op.fill, kGrey);
    dc->Clear();
    DrawTendonTables(*dc, sheet, 0);
    // One segment row and no closure pour value at x 720 below the segment heading.
    int closures = 0;
    for (const auto& op : dc->OpsOf(OpKind::Text)) {
        const double right = op.points[0].x + 0.6 * 13.0 * static_cast<double>(op.text.size());
        if (std::abs(right - 720.0) < 0.01 && op.points[0].y > 3320.0) ++closures;
    }
    EXPECT_EQ(closures, 0);
}

}  // namespace
}  // namespace kordel
