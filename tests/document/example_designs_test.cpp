// The four example designs: the values later stages depend on, read from the built design before
// any analysis; the agreements that must hold inside each example (outline and properties,
// template and positions, pattern rows and strand groups, stirrup zones and girder length); and
// the new-design road that builds an example, hands it to the main frame, analyses it and saves
// it so that it loads back.
#include <algorithm>
#include <cmath>
#include <memory>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "app/batch_front.h"
#include "document/default_factors.h"
#include "platform/file_io.h"
#include "test_support.h"

namespace kordel::test {
namespace {

// ---- Helpers ------------------------------------------------------------------------------------

struct Point {
    double x;
    double y;
};

std::vector<Point> Outline(const double (*points)[kPointValueCount], int count) {
    std::vector<Point> out;
    for (int i = 0; i < count; ++i) out.push_back({points[i][kPointX], points[i][kPointY]});
    return out;
}

/// Area (in2), centroid height (in) and inertia about the centroid (in4) of a closed polygon.
// Shoelace sums of the polygon's edges (Green's theorem); Beer and Johnston, Statics, Ch. 9.
struct PlaneProps {
    double A;
    double yb;
    double I;
};
PlaneProps Props(const std::vector<Point>& p) {
    double a = 0, sy = 0, iy = 0;
    for (std::size_t k = 0; k + 1 < p.size(); ++k) {
        const double c = p[k].x * p[k + 1].y - p[k + 1].x * p[k].y;
        a += c / 2;
        sy += (p[k].y + p[k + 1].y) * c / 6;
        iy += (p[k].y * p[k].y + p[k].y * p[k + 1].y + p[k + 1].y * p[k + 1].y) * c / 12;
    }
    if (a < 0) a = -a, sy = -sy, iy = -iy;
    return {a, sy / a, iy - a * (sy / a) * (sy / a)};
}

/// Whether (x, y) lies inside the closed polygon (ray casting).
bool Inside(const std::vector<Point>& p, double x, double y) {
    bool in = false;
    for (std::size_t k = 0; k + 1 < p.size(); ++k) {
        const Point& a = p[k];
        const Point& b = p[k + 1];
        if ((a.y > y) != (b.y > y) && x < a.x + (y - a.y) * (b.x - a.x) / (b.y - a.y)) in = !in;
    }
    return in;
}

/// Shortest distance from (x, y) to the polygon's edges, in.
double DistanceToEdges(const std::vector<Point>& p, double x, double y) {
    double best = 1e30;
    for (std::size_t k = 0; k + 1 < p.size(); ++k) {
        const double dx = p[k + 1].x - p[k].x, dy = p[k + 1].y - p[k].y;
        double t = ((x - p[k].x) * dx + (y - p[k].y) * dy) / (dx * dx + dy * dy);
        t = std::clamp(t, 0.0, 1.0);
        best = std::min(best, std::hypot(x - (p[k].x + t * dx), y - (p[k].y + t * dy)));
    }
    return best;
}

/// Strand count and centroid of the used rows of a pattern, by their definition: whole strands
/// counted, [1] x [0] + [3] x [2] summed.
std::pair<int, double> CountAndCentroid(const StrandPatternRow* rows, int used) {
    int n = 0;
    double moment = 0;
    for (int r = 0; r < used; ++r) {
        n += static_cast<int>(rows[r][kRowStraightCount]) +
             static_cast<int>(rows[r][kRowDrapedCount]);
        moment += rows[r][kRowStraightCount] * rows[r][kRowStraightElevation] +
                  rows[r][kRowDrapedCount] * rows[r][kRowDrapedElevation];
    }
    return {n, n == 0 ? 0.0 : moment / n};
}

/// The model groups and the stored results of a document, for comparing whole designs.
struct ModelSnapshot {
    explicit ModelSnapshot(const CKordelDoc& d)
        : project(d), section(d), materials(d), loads(d), prestress(d), options(d), stored(d) {}
    ProjectModel project;
    SectionModel section;
    MaterialsModel materials;
    LoadsModel loads;
    PrestressModel prestress;
    OptionsModel options;
    StoredResults stored;
};

void ExpectSameModel(const ModelSnapshot& actual, const ModelSnapshot& expected) {
    EXPECT_TRUE(actual.project == expected.project) << "project, spans and deck differ";
    EXPECT_TRUE(actual.section == expected.section) << "girder section differs";
    EXPECT_TRUE(actual.materials == expected.materials) << "materials differ";
    EXPECT_TRUE(actual.loads == expected.loads) << "loads, vehicles or factors differ";
    EXPECT_TRUE(actual.prestress == expected.prestress) << "prestressing or reinforcement differs";
    EXPECT_TRUE(actual.options == expected.options) << "options differ";
    EXPECT_TRUE(actual.stored == expected.stored) << "stored results differ";
}

/// Takes a copy of the model when the analysis starts, before any stage has written to it.
class SnapshotAtAnalysisStart : public AnalysisObserver {
  public:
    explicit SnapshotAtAnalysisStart(const CKordelDoc& doc) : m_doc(doc) {}
    void OnStage(AnalysisStage stage) override {
        if (stage != AnalysisStage::ComputeStations) return;
        ++runs;
        if (!snapshot) snapshot = std::make_unique<ModelSnapshot>(m_doc);
    }
    std::unique_ptr<ModelSnapshot> snapshot;
    int runs = 0;

  private:
    const CKordelDoc& m_doc;
};

class ExampleDesignTest : public EngineTest {
  protected:
    /// Example `n` as the builder writes it, not analysed.
    std::unique_ptr<CKordelDoc> Example(int n) {
        auto doc = NewDoc();
        EXPECT_TRUE(doc->BuildExampleDesign(n)) << n;
        return doc;
    }

    /// The design as a design file carries it back: `saved` with the members the file does not
    /// hold at the constructor's values, and the flags stored as a byte at 0 or 1.
    std::unique_ptr<ModelSnapshot> AsLoadedBack(const CKordelDoc& saved) {
        auto expected = std::make_unique<ModelSnapshot>(saved);
        const auto fresh = NewDoc();
        expected->prestress.m_nStrandPatternDlgState = fresh->m_nStrandPatternDlgState;
        // Not in the file: a load gives it the specification's value.
        expected->loads.m_dStrengthIRestraintFactor = DefaultRestraintFactor(saved.m_nSpecification);
        expected->materials.m_bShrinkageAuxFlag = saved.m_bShrinkageAuxFlag != 0 ? 1 : 0;
        return expected;
    }
};

// ---- Spans, framing and section -----------------------------------------------------------------

TEST_F(ExampleDesignTest, SpansAndGirderLengths) {
    struct Case {
        int example;
        int continuous;
        std::vector<double> length, girderLength, offsetLeft;  // spans 1 on, ft
        std::vector<std::string> names;
        double props[3];                 // every span: I in4, A in2, yb in
        double girder, design, release;  // m_dGirderLength, m_dDesignSpan, m_dReleaseSpan, ft
    };
    // clang-format off
    const Case cases[] = {
        {1, 0, {105}, {106}, {-0.5}, {"PCI_BT_72"}, {545894, 767, 36.6}, 106, 105, 106},
        {2, 0, {95}, {96}, {-0.5}, {"AASHTO_BIII-48"}, {168367, 813, 19.29}, 96, 95, 96},
        {3, 1, {106, 120, 106}, {106, 119, 106}, {-0.5, 0.5, 0.5},
         {"PCI_BT_72", "PCI_BT_72", "PCI_BT_72"}, {545894, 767, 36.6}, 106, 105, 106},
        {4, 0, {192}, {193}, {-0.5}, {"BT_95"}, {1492483, 1236.8, 45.85}, 193, 192, 193},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE("example " + std::to_string(c.example));
        const auto doc = Example(c.example);
        const int n = static_cast<int>(c.length.size());
        EXPECT_EQ(doc->m_bContinuous, c.continuous);
        EXPECT_EQ(doc->m_nSpans, n);
        EXPECT_EQ(doc->m_saSpanSectionNames, c.names);
        for (int k = 0; k < kMaxSpanSlots; ++k) {
            const bool used = k >= 1 && k <= n;
            const std::size_t i = used ? static_cast<std::size_t>(k - 1) : 0;
            EXPECT_EQ(doc->m_adSpanLength[k], used ? c.length[i] : 0) << "span " << k;
            EXPECT_EQ(doc->m_adSpanGirderLength[k], used ? c.girderLength[i] : 0) << "span " << k;
            EXPECT_EQ(doc->m_adGirderOffsetLeft[k], used ? c.offsetLeft[i] : 0) << "span " << k;
            EXPECT_EQ(doc->m_adPadOffsetLeft[k], used ? 0.5 : 0) << "span " << k;
            EXPECT_EQ(doc->m_adPadOffsetRight[k], used ? 0.5 : 0) << "span " << k;
            for (int v = 0; v < kSpanSectionPropCount; ++v) {
                EXPECT_EQ(doc->m_adSpanSectionProps[k][v], used ? c.props[v] : 0) << "span " << k;
            }
        }
        EXPECT_EQ(doc->m_nCurrentSpan, 1);
        EXPECT_EQ(doc->m_nCurrentGirder, 2);
        EXPECT_EQ(doc->m_dGirderLength, c.girder);
        EXPECT_EQ(doc->m_dDesignSpan, c.design);
        EXPECT_EQ(doc->m_dReleaseSpan, c.release);
        EXPECT_EQ(doc->m_dBearingPadLength, 12);
        // The designed girder is span 1's, and its bearings sit 0.5 ft in from its ends.
        EXPECT_EQ(doc->m_dGirderLength, doc->m_adSpanGirderLength[1]);
        EXPECT_DOUBLE_EQ(
            doc->m_dDesignSpan,
            doc->m_adSpanGirderLength[1] - doc->m_adPadOffsetLeft[1] - doc->m_adPadOffsetRight[1]);
        // Every span carries the section's own properties.
        EXPECT_EQ(c.props[kSpanPropInertia], doc->m_dSectionIxx);
        EXPECT_EQ(c.props[kSpanPropArea], doc->m_dSectionArea);
        EXPECT_EQ(c.props[kSpanPropYb], doc->m_dSectionYb);
    }
}

TEST_F(ExampleDesignTest, BridgeFramingAndDeck) {
    struct Case {
        int example;
        int beams, lanes;
        double spacing, de, overhang, width, curbToCurb;  // ft
        int superType;
        const char* superName;
        int connected, composite;
        double deckThickness, deckWidth, haunchWidth;  // in
    };
    // clang-format off
    const Case cases[] = {
        {1, 5, 3, 9, 1.5, 3, 42, 39, 7, "LRFD (k) I-Beam composite", 0, 1, 8, 108, 42},
        {2, 7, 2, 4, -1.29, 2, 28, 25, 3, "LRFD (g) Adj Box non-comp", 1, 0, 0, 0, 0},
        {3, 5, 3, 9, 1.5, 3, 42, 39, 7, "LRFD (k) I-Beam composite", 0, 1, 8, 108, 42},
        {4, 4, 2, 8, 1.0, 3, 30, 26, 7, "LRFD (k) I-Beam composite", 0, 1, 8, 96, 50.875},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE("example " + std::to_string(c.example));
        const auto doc = Example(c.example);
        EXPECT_EQ(doc->m_nBeams, c.beams);
        EXPECT_EQ(doc->m_nLanes, c.lanes);
        EXPECT_EQ(doc->m_dBeamSpacing, c.spacing);
        EXPECT_EQ(doc->m_dSkewAngle, 0);
        EXPECT_EQ(doc->m_dDe, c.de);
        EXPECT_EQ(doc->m_dOverhang, c.overhang);
        EXPECT_EQ(doc->m_dBridgeWidth, c.width);
        EXPECT_EQ(doc->m_dCurbToCurb, c.curbToCurb);
        EXPECT_EQ(doc->m_nGirderLocation, 1);
        EXPECT_EQ(doc->m_strGirderLocation, "Int");
        EXPECT_EQ(doc->m_nSuperstructureType, c.superType);
        EXPECT_EQ(doc->m_strSuperstructureType, c.superName);
        EXPECT_EQ(doc->m_bSufficientlyConnected, c.connected);
        EXPECT_EQ(doc->m_bCompositeDeck, c.composite);
        EXPECT_EQ(doc->m_dDeckThickness, c.deckThickness);
        EXPECT_EQ(doc->m_dDeckWidth, c.deckWidth);
        EXPECT_EQ(doc->m_dHaunchWidth, c.haunchWidth);
        EXPECT_EQ(doc->m_dHaunchThickness, 0);
        EXPECT_EQ(doc->m_dOverlayThickness, 0);
        EXPECT_EQ(doc->m_dWearingSurfaceThickness, 0);
        if (c.composite) {
            // A composite deck spans the beam spacing; the haunch covers the top flange.
            EXPECT_EQ(doc->m_dDeckWidth, doc->m_dBeamSpacing * 12);
            EXPECT_EQ(doc->m_dHaunchWidth, doc->m_dTopFlangeWidth);
        }
    }
}

TEST_F(ExampleDesignTest, SectionAsGivenAndItsOutlineAgree) {
    struct Case {
        int example;
        int type;
        const char* name;
        double A, yb, Ixx, h, topWidth, topThickness, bottomWidth, bottomThickness, J, vs, bwo;
        int webs;
        double webWidth, webLocation;
        std::vector<double> genWidth, genDepth;  // slots 1 on
        int outlinePoints, voidPoints;
    };
    // clang-format off
    const Case cases[] = {
        {1, kSectionIGirder, "PCI_BT_72 ", 767, 36.6, 545894, 72, 42, 2.5, 26, 10.5, 1, 3.01, 6, 1,
         6, 0, {42, 26, 6, 2, 0}, {72, 3.5, 2, 2, 0, 4.5, 6}, 15, 0},
        {2, kSectionBoxBeam, "AASHTO_BIII-48", 813, 19.29, 168367, 39, 48, 5.5, 48, 5.5, 285854, 1.0,
         48, 2, 5, 21.5, {48, 5, 5, 3}, {39, 5.5, 5.5, 3}, 13, 9},
        {3, kSectionIGirder, "PCI_BT_72 ", 767, 36.6, 545894, 72, 42, 2.5, 26, 10.5, 1, 3.01, 6, 1,
         6, 0, {42, 26, 6, 2, 0}, {72, 3.5, 2, 2, 0, 4.5, 6}, 15, 0},
        {4, kSectionIGirder, "BT_95", 1236.8, 45.85, 1492483, 95, 50.875, 3.0, 40.5, 9.625, 1, 3.66,
         8, 1, 8, 0, {50.875, 40.5, 6, 2, 10}, {95, 3.5, 2, 2, 3, 4.5, 6}, 17, 0},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE("example " + std::to_string(c.example));
        const auto doc = Example(c.example);
        EXPECT_EQ(doc->m_nSectionType, c.type);
        EXPECT_EQ(doc->m_strSectionName, c.name);
        EXPECT_EQ(doc->m_dSectionArea, c.A);
        EXPECT_EQ(doc->m_dSectionYb, c.yb);
        EXPECT_EQ(doc->m_dSectionIxx, c.Ixx);
        EXPECT_EQ(doc->m_dSectionHeight, c.h);
        EXPECT_EQ(doc->m_dTopFlangeWidth, c.topWidth);
        EXPECT_EQ(doc->m_dTopFlangeThickness, c.topThickness);
        EXPECT_EQ(doc->m_dBottomFlangeWidth, c.bottomWidth);
        EXPECT_EQ(doc->m_dBottomFlangeThickness, c.bottomThickness);
        EXPECT_EQ(doc->m_dTorsionConstant, c.J);
        EXPECT_EQ(doc->m_dVolumeToSurface, c.vs);
        EXPECT_EQ(doc->m_dBwo, c.bwo);
        EXPECT_EQ(doc->m_nWebCount, c.webs);
        EXPECT_EQ(doc->m_dWebWidth, c.webWidth);
        EXPECT_EQ(doc->m_dWebLocation, c.webLocation);
        for (int i = 1; i < kSectionGeneratorSlots; ++i) {
            const std::size_t k = static_cast<std::size_t>(i - 1);
            EXPECT_EQ(doc->m_adGenWidth[i], k < c.genWidth.size() ? c.genWidth[k] : 0) << "B" << i;
            EXPECT_EQ(doc->m_adGenDepth[i], k < c.genDepth.size() ? c.genDepth[k] : 0) << "D" << i;
        }
        EXPECT_EQ(doc->m_nCircularVoidCount, 0);
        EXPECT_EQ(doc->m_nSectionAuxValue, 0);
        // The library properties stay for the analysis to complete.
        EXPECT_EQ(doc->m_dSectionIyy, 0);
        EXPECT_EQ(doc->m_dSectionXbar, 0);
        EXPECT_EQ(doc->m_dOutlineWidth, 0);

        ASSERT_EQ(doc->m_nOutlinePointCount, c.outlinePoints);
        ASSERT_EQ(doc->m_nVoidPointCount, c.voidPoints);
        const auto outline = Outline(doc->m_adOutline, doc->m_nOutlinePointCount);
        const auto hole = Outline(doc->m_adVoidOutline, doc->m_nVoidPointCount);
        EXPECT_EQ(outline.front().x, outline.back().x);  // closed
        EXPECT_EQ(outline.front().y, outline.back().y);
        if (!hole.empty()) {
            EXPECT_EQ(hole.front().x, hole.back().x);
            EXPECT_EQ(hole.front().y, hole.back().y);
        }
        double top = 0;
        for (const Point& p : outline) top = std::max(top, p.y);
        EXPECT_EQ(top, c.h);
        // The outline less the void reproduces the stated properties: a mistyped point would not.
        // (Rounding of the published values: 0.05 % on A, 0.15 % on Ixx for the box beam.)
        PlaneProps net = Props(outline);
        if (!hole.empty()) {
            const PlaneProps v = Props(hole);
            const double A = net.A - v.A;
            const double yb = (net.A * net.yb - v.A * v.yb) / A;
            const double I = net.I + net.A * (net.yb - yb) * (net.yb - yb) - v.I -
                             v.A * (v.yb - yb) * (v.yb - yb);
            net = {A, yb, I};
        }
        EXPECT_NEAR(net.A, c.A, 0.001 * c.A) << "outline area, in2";
        EXPECT_NEAR(net.yb, c.yb, 0.02) << "outline centroid, in";
        EXPECT_NEAR(net.I, c.Ixx, 0.002 * c.Ixx) << "outline inertia, in4";
    }
}

// ---- Strand template, pattern rows and strand groups --------------------------------------------

TEST_F(ExampleDesignTest, StrandTemplateRowsAndTheirLocations) {
    struct Case {
        int example;
        int rows, columns, layout;
        std::vector<std::pair<int, double>> positionsFrom;  // (first row, positions) bands
        double drapedPositions;                             // every row
        std::vector<std::pair<int, double>> raised;         // (row, elevation in) off 2(r + 1)
    };
    // clang-format off
    const Case cases[] = {
        {1, 35, 6, 1, {{0, 12}, {2, 8}, {3, 4}, {4, 2}}, 2, {}},
        {2, 18, 12, 2, {{0, 23}, {2, 2}}, 0, {}},
        {3, 35, 6, 1, {{0, 12}, {2, 8}, {3, 4}, {4, 2}}, 2, {}},
        {4, 35, 8, 1, {{0, 16}, {2, 8}, {3, 4}, {4, 2}}, 2, {{34, 92}}},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE("example " + std::to_string(c.example));
        const auto doc = Example(c.example);
        EXPECT_EQ(doc->m_nTemplateRowCount, c.rows);
        EXPECT_EQ(doc->m_nTemplateColumnCount, c.columns);
        EXPECT_EQ(doc->m_nTemplateLayout, c.layout);
        int mostLocations = 0;
        for (int r = 0; r < kMaxPatternRows; ++r) {
            const double* row = doc->m_adStrandTemplate[r];
            if (r >= c.rows) {
                EXPECT_TRUE(
                    std::all_of(row, row + kMaxPatternColumns, [](double v) { return v == 0; }))
                    << "unused row " << r;
                continue;
            }
            double elevation = 2.0 * (r + 1);
            for (auto [raisedRow, e] : c.raised) {
                if (raisedRow == r) elevation = e;
            }
            double positions = 0;
            for (auto [first, n] : c.positionsFrom) {
                if (first <= r) positions = n;
            }
            EXPECT_EQ(row[kTemplateElevation], elevation) << "row " << r;
            EXPECT_EQ(row[kTemplatePositions], positions) << "row " << r;
            EXPECT_EQ(row[kTemplateDrapedPositions], c.drapedPositions) << "row " << r;
            // A row lists the locations its positions fill, one side of the symmetric pattern:
            // from the centreline out (1, 3, 5, ... in, or 0, 2, 4, ... for an odd count), or from
            // the web inward (21.5, 19.5, ... in) ending on the centreline for an odd count.
            const int n = static_cast<int>(positions);
            std::vector<double> expected;
            if (c.layout == kTemplateFromCentreline) {
                for (int k = 0; k < (n + 1) / 2; ++k)
                    expected.push_back((n % 2 == 1 ? 0 : 1) + 2.0 * k);
            } else {
                for (int k = 0; k < n / 2; ++k) expected.push_back(doc->m_dWebLocation - 2.0 * k);
                if (n % 2 == 1) expected.push_back(0);
            }
            mostLocations = std::max(mostLocations, static_cast<int>(expected.size()));
            for (int k = 0; k < kMaxTemplateLocations; ++k) {
                const double want = k < static_cast<int>(expected.size()) ? expected[k] : 0;
                EXPECT_EQ(row[kTemplateFirstLocation + k], want)
                    << "row " << r << " location " << k;
            }
        }
        EXPECT_EQ(doc->m_nTemplateColumnCount, mostLocations);
    }
}

TEST_F(ExampleDesignTest, PatternRowsAndStrandTotals) {
    using Rows = std::vector<std::pair<int, double>>;  // (row, value)
    struct Case {
        int example;
        int patternType, drapedStrandRows;
        double drapeFraction;
        Rows straight, drapedAtEnd, drapedAtDrapePoint;
        Rows drapedElevationAtDrapePoint;  // rows not listed: 0
        // Totals by the rows' definition, with the hand sum of count x elevation.
        int strands;
        double cgEnd, cgMid;  // in
    };
    auto elevations = [](int first, int last, double from) {
        Rows out;
        for (int r = first; r <= last; ++r) out.push_back({r, from + 2.0 * (r - first)});
        return out;
    };
    Rows lowAndHigh = elevations(0, 8, 2);
    for (auto e : elevations(9, 14, 58)) lowAndHigh.push_back(e);
    // clang-format off
    const Case cases[] = {
        // end: 10x2 + 10x4 + 6x6 + 2x8 = 112 straight, 2x(36 + 38 + 40 + 42) = 312 draped;
        // drape point: 112 + 2x(2 + 4 + 6 + 8) = 152
        {1, 2, 1, 0.45, {{0, 10}, {1, 10}, {2, 6}, {3, 2}},
         {{17, 2}, {18, 2}, {19, 2}, {20, 2}}, {{0, 2}, {1, 2}, {2, 2}, {3, 2}},
         elevations(0, 14, 2), 36, 424.0 / 36, 152.0 / 36},
        // 23x2 + 6x4 + 2x36 = 142 at both places
        {2, 1, 0, 0.0, {{0, 23}, {1, 6}, {17, 2}}, {}, {}, elevations(0, 17, 2), 31, 142.0 / 31,
         142.0 / 31},
        // end: 112 + 2x(24 + 26 + 28 + 30) = 328; drape point as example 1
        {3, 2, 1, 0.45, {{0, 10}, {1, 10}, {2, 6}, {3, 2}},
         {{11, 2}, {12, 2}, {13, 2}, {14, 2}}, {{0, 2}, {1, 2}, {2, 2}, {3, 2}}, lowAndHigh, 36,
         328.0 / 36, 152.0 / 36},
        // 8x2 + 2x92 = 200 at both places: the top pair in the top flange
        {4, 1, 0, 0.45, {{0, 8}, {34, 2}}, {}, {}, lowAndHigh, 10, 200.0 / 10, 200.0 / 10},
    };
    // clang-format on
    auto valueAt = [](const Rows& rows, int r) {
        for (auto [row, v] : rows) {
            if (row == r) return v;
        }
        return 0.0;
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("example " + std::to_string(c.example));
        const auto doc = Example(c.example);
        EXPECT_EQ(doc->m_nStrandPatternDlgState, 1);
        EXPECT_EQ(doc->m_nPatternType, c.patternType);
        EXPECT_EQ(doc->m_nDrapedStrandRows, c.drapedStrandRows);
        EXPECT_EQ(doc->m_dDrapeFraction, c.drapeFraction);
        EXPECT_EQ(doc->m_dPullFraction, 0.75);
        EXPECT_EQ(doc->m_dTopPullFraction, 0.75);
        EXPECT_EQ(doc->m_nDrapePointMode, kDrapeByFraction);
        EXPECT_EQ(doc->m_dDrapePointDistance, 0);
        EXPECT_EQ(doc->m_bDesignIncludeTopStrands, 0);
        EXPECT_EQ(doc->m_dDesignTopStrandCount, 2);

        const int used = doc->m_nTemplateRowCount;
        for (int r = 0; r < kMaxPatternRows; ++r) {
            const StrandPatternRow& end = doc->m_aEndRows[r];
            const StrandPatternRow& drape = doc->m_aDrapeRows[r];
            if (r >= used) {
                EXPECT_EQ(end, StrandPatternRow{}) << "unused row " << r;
                EXPECT_EQ(drape, StrandPatternRow{}) << "unused row " << r;
                continue;
            }
            const double elevation = doc->m_adStrandTemplate[r][kTemplateElevation];
            EXPECT_EQ(end[kRowStraightElevation], elevation) << "row " << r;
            EXPECT_EQ(end[kRowStraightCount], valueAt(c.straight, r)) << "row " << r;
            EXPECT_EQ(end[kRowDrapedElevation], elevation) << "row " << r;
            EXPECT_EQ(end[kRowDrapedCount], valueAt(c.drapedAtEnd, r)) << "row " << r;
            EXPECT_EQ(drape[kRowStraightElevation], elevation) << "row " << r;
            EXPECT_EQ(drape[kRowStraightCount], valueAt(c.straight, r)) << "row " << r;
            EXPECT_EQ(drape[kRowDrapedElevation], valueAt(c.drapedElevationAtDrapePoint, r))
                << "row " << r;
            EXPECT_EQ(drape[kRowDrapedCount], valueAt(c.drapedAtDrapePoint, r)) << "row " << r;
            // Each section holds no more strands than the template row has positions for.
            const double positions = doc->m_adStrandTemplate[r][kTemplatePositions];
            const double drapedPositions = doc->m_adStrandTemplate[r][kTemplateDrapedPositions];
            EXPECT_LE(end[kRowStraightCount] + end[kRowDrapedCount], positions) << "row " << r;
            EXPECT_LE(drape[kRowStraightCount] + drape[kRowDrapedCount], positions) << "row " << r;
            EXPECT_LE(end[kRowDrapedCount], drapedPositions) << "row " << r;
            EXPECT_LE(drape[kRowDrapedCount], drapedPositions) << "row " << r;
        }
        const auto [endCount, cgEnd] = CountAndCentroid(doc->m_aEndRows, used);
        const auto [midCount, cgMid] = CountAndCentroid(doc->m_aDrapeRows, used);
        EXPECT_EQ(endCount, c.strands) << "strands at the girder end";
        EXPECT_EQ(midCount, c.strands) << "strands at the drape point";
        EXPECT_DOUBLE_EQ(cgEnd, c.cgEnd) << "strand centroid at the girder end, in";
        EXPECT_DOUBLE_EQ(cgMid, c.cgMid) << "strand centroid at the drape point, in";
        // The totals the builder stored through the document's own routine agree.
        EXPECT_EQ(doc->m_nStrandCount, c.strands);
        EXPECT_DOUBLE_EQ(doc->m_dStrandCgEnd, c.cgEnd);
        EXPECT_DOUBLE_EQ(doc->m_dStrandCgMid, c.cgMid);
    }
}

// Examples 1, 2 and 4 list their strand groups; the groups are the strands of the pattern rows,
// elevation by elevation at both sections, and every strand sits inside the concrete.
TEST_F(ExampleDesignTest, ListedStrandGroupsAreThePatternRowsStrands) {
    struct Case {
        int example;
        int groups;
        int debondedStrands;    // debonded 5 ft at each end
        double debondedLength;  // m_dDebondedStrandLength: 2 x strands x 5 ft
    };
    const Case cases[] = {{1, 18, 0, 0}, {2, 16, 7, 70}, {3, 18, 0, 0}, {4, 5, 0, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE("example " + std::to_string(c.example));
        const auto doc = Example(c.example);
        ASSERT_EQ(doc->m_nStrandGroupCount, c.groups);
        const auto outline = Outline(doc->m_adOutline, doc->m_nOutlinePointCount);
        const auto hole = Outline(doc->m_adVoidOutline, doc->m_nVoidPointCount);

        std::vector<std::pair<double, double>> groupEnd, groupDrape;  // (elevation, strands)
        int strands = 0, debonded = 0;
        double debondedLength = 0;
        for (int g = 0; g < c.groups; ++g) {
            const StrandGroup& group = doc->m_aStrandGroup[g];
            const double n = group[kGroupStrands];
            const double x = group[kGroupLocation];
            EXPECT_TRUE(n == 2 || (n == 1 && x == 0)) << "group " << g
                                                      << ": a pair, or one strand "
                                                         "on the centreline";
            EXPECT_EQ(group[kGroupPullFraction], 0.75) << "group " << g;
            EXPECT_EQ(group[kGroupDebondMid], 0) << "group " << g;
            EXPECT_TRUE(group[kGroupDebondEnd] == 0 || group[kGroupDebondEnd] == 5)
                << "group " << g;
            strands += static_cast<int>(n);
            if (group[kGroupDebondEnd] > 0) debonded += static_cast<int>(n);
            debondedLength += 2 * n * group[kGroupDebondEnd];
            groupEnd.push_back({group[kGroupElevationEnd], n});
            groupDrape.push_back({group[kGroupElevationDrape], n});
            for (double y : {group[kGroupElevationEnd], group[kGroupElevationDrape]}) {
                EXPECT_TRUE(Inside(outline, x, y))
                    << "group " << g << " at (" << x << ", " << y << ")";
                EXPECT_GE(DistanceToEdges(outline, x, y), 1.0) << "group " << g << " at y " << y;
                if (!hole.empty()) {
                    EXPECT_FALSE(Inside(hole, x, y)) << "group " << g << " in the void";
                    EXPECT_GE(DistanceToEdges(hole, x, y), 1.0) << "group " << g << " at y " << y;
                }
            }
        }
        EXPECT_EQ(strands, CountAndCentroid(doc->m_aEndRows, doc->m_nTemplateRowCount).first);
        EXPECT_EQ(debonded, c.debondedStrands);
        EXPECT_EQ(debondedLength, c.debondedLength);
        EXPECT_EQ(doc->m_dDebondedStrandLength, c.debondedLength);
        EXPECT_EQ(doc->m_dDebondLengthStep, 5);

        // Strands per elevation: the groups against the rows, at the end and at the drape point.
        auto rowsAt = [&](const StrandPatternRow* rows, double y) {
            double n = 0;
            for (int r = 0; r < doc->m_nTemplateRowCount; ++r) {
                if (rows[r][kRowStraightElevation] == y) n += rows[r][kRowStraightCount];
                if (rows[r][kRowDrapedElevation] == y) n += rows[r][kRowDrapedCount];
            }
            return n;
        };
        auto groupsAt = [](const std::vector<std::pair<double, double>>& list, double y) {
            double n = 0;
            for (auto [e, count] : list) n += e == y ? count : 0;
            return n;
        };
        std::vector<double> heights;
        for (auto [e, n] : groupEnd) heights.push_back(e);
        for (auto [e, n] : groupDrape) heights.push_back(e);
        for (int r = 0; r < doc->m_nTemplateRowCount; ++r) {
            heights.push_back(doc->m_aEndRows[r][kRowStraightElevation]);
            heights.push_back(doc->m_aDrapeRows[r][kRowDrapedElevation]);
        }
        for (double y : heights) {
            EXPECT_EQ(groupsAt(groupEnd, y), rowsAt(doc->m_aEndRows, y)) << "at the end, y " << y;
            EXPECT_EQ(groupsAt(groupDrape, y), rowsAt(doc->m_aDrapeRows, y))
                << "at the drape point, y " << y;
        }
    }
}

// ---- Live load, materials, loads and factors ----------------------------------------------------

TEST_F(ExampleDesignTest, VehicleOneIsTheHl93DesignVehicle) {
    const auto fresh = NewDoc();
    for (int n = 1; n <= 4; ++n) {
        SCOPED_TRACE("example " + std::to_string(n));
        const auto doc = Example(n);
        const LiveLoadVehicle& v = doc->m_recVehicle1;
        EXPECT_EQ(v.m_strName, "HL-93");
        ASSERT_EQ(v.m_nAxleCount, 3);
        // AASHTO LRFD 6th ed. Art. 3.6.1.2.2: 8, 32 and 32 kip, spacings 14 ft and 14 to 30 ft
        const VehicleAxle axles[] = {{8, 14, 14}, {32, 14, 30}, {32, 0, 0}};
        for (int a = 0; a < kMaxVehicleAxles; ++a) {
            EXPECT_EQ(v.m_aAxles[a], a < 3 ? axles[a] : VehicleAxle{}) << "axle " << a;
        }
        EXPECT_EQ(v.m_dLaneLoad, 0.64);  // klf, Art. 3.6.1.2.4
        EXPECT_EQ(v.m_dLaneMomentLoad, 0);
        EXPECT_EQ(v.m_dLaneShearLoad, 0);
        EXPECT_EQ(v.m_bIncludeTandem, 1);  // 2 x 25 kip at 4 ft, Art. 3.6.1.2.3
        EXPECT_EQ(v.m_dTandemAxle1, 25);
        EXPECT_EQ(v.m_dTandemAxle2, 25);
        EXPECT_EQ(v.m_dTandemSpacing, 4);
        EXPECT_EQ(v.m_nCombination, kCombineTruckOrTandemPlusLane);
        EXPECT_EQ(v.m_dMultiplier, 1.0);
        EXPECT_EQ(v.m_bIncluded, 1);
        EXPECT_EQ(v.m_nAuxFlag, fresh->m_recVehicle1.m_nAuxFlag);
        EXPECT_EQ(doc->m_recVehicle2, fresh->m_recVehicle2) << "vehicle 2 stays as constructed";
        EXPECT_EQ(doc->m_bCheckMilitary, 1);
        EXPECT_EQ(doc->m_nDistFactorMode, kValueComputed);
        EXPECT_EQ(doc->m_dUserDfMoment, 1.0);
        EXPECT_EQ(doc->m_dUserDfShear, 1.0);
        EXPECT_EQ(doc->m_dUserDfFatigue, 1.0);
        EXPECT_EQ(doc->m_dPedestrianLoad, 0);
        EXPECT_EQ(doc->m_nVehicle1ImpactMode, kValueComputed);
        EXPECT_EQ(doc->m_nVehicle2ImpactMode, kValueComputed);
        EXPECT_EQ(doc->m_dVehicle1ImpactSpecified, 0.33);
        EXPECT_EQ(doc->m_dVehicle2ImpactSpecified, 0.33);
    }
}

TEST_F(ExampleDesignTest, ConcreteTimeAndSteel) {
    struct Case {
        int example;
        double fc, fci, deckFc;                       // ksi
        double ageContinuity, ageDeck, finalAge, rh;  // days, percent
        int prestressType;
        int shrinkageAuxFlag;
    };
    // clang-format off
    const Case cases[] = {
        {1, 6, 5, 4, 20, 20, 750, 75, kPretensionOnly, 1},
        {2, 5, 4, 4, 20, 60, 750, 70, kPretensionOnly, 1},
        {3, 6, 4.5, 4, 20, 60, 750, 75, kPretensionOnly, 1},
        {4, 9, 7.5, 5, 90, 90, 20000, 70, kPostTensioned, 2},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE("example " + std::to_string(c.example));
        const auto doc = Example(c.example);
        EXPECT_EQ(doc->m_dBeamFc, c.fc);
        EXPECT_EQ(doc->m_dBeamFci, c.fci);
        EXPECT_EQ(doc->m_dDeckFc, c.deckFc);
        EXPECT_EQ(doc->m_dAgeAtContinuity, c.ageContinuity);
        EXPECT_EQ(doc->m_dAgeAtDeckCasting, c.ageDeck);
        EXPECT_EQ(doc->m_dFinalAge, c.finalAge);
        EXPECT_EQ(doc->m_dRelativeHumidity, c.rh);
        EXPECT_EQ(doc->m_nPrestressType, c.prestressType);
        EXPECT_EQ(doc->m_bShrinkageAuxFlag, c.shrinkageAuxFlag);
        EXPECT_EQ(doc->m_dWearingSurfaceAuxValue, c.fci);

        EXPECT_EQ(doc->m_dBeamDensity, 0.15);
        EXPECT_EQ(doc->m_dDeckDensity, 0.15);
        EXPECT_EQ(doc->m_dEcUnitWeight, 0.15);
        EXPECT_EQ(doc->m_dSelfWeightMultiplier, 1.0);
        EXPECT_EQ(doc->m_dEcFactor, 33);
        EXPECT_EQ(doc->m_nEcMethod, 1);
        EXPECT_EQ(doc->m_nBeamConcreteType, kConcreteNormalWeight);
        EXPECT_EQ(doc->m_nDeckConcreteType, kConcreteNormalWeight);
        EXPECT_EQ(doc->m_nInterfaceSurface, 1);
        EXPECT_EQ(doc->m_strInterfaceSurface, "Rough ");
        EXPECT_EQ(doc->m_dBeamEc, 0);  // the analysis computes the moduli
        EXPECT_EQ(doc->m_dBeamEci, 0);
        EXPECT_EQ(doc->m_dDeckEc, 0);
        EXPECT_EQ(doc->m_dTransferAge, 0.75);
        EXPECT_EQ(doc->m_dUltimateCreep, 2.0);
        EXPECT_EQ(doc->m_dBeamUltimateShrinkage, 600);
        EXPECT_EQ(doc->m_dDeckUltimateShrinkage, 600);
        EXPECT_EQ(doc->m_dDeckAuxValue, 0);
        EXPECT_EQ(doc->m_bEcAuxFlag, 0);

        EXPECT_EQ(doc->m_nStrandType, 0);
        EXPECT_EQ(doc->m_strStrandName, "1/2in 270 LR");
        EXPECT_EQ(doc->m_dStrandUnitArea, 0.153);
        EXPECT_EQ(doc->m_dStrandDiameter, 0.5);
        EXPECT_EQ(doc->m_dStrandFpu, 270);
        EXPECT_DOUBLE_EQ(doc->m_dStrandFpy, 243);  // 0.9 fpu, low-relaxation strand
        EXPECT_EQ(doc->m_nStrandKind, kStrandLowRelaxation);
        EXPECT_EQ(doc->m_strStrandKind, "Low-Relax");
        EXPECT_EQ(doc->m_dStrandEp, 28500);
        EXPECT_EQ(doc->m_dStrandK, 0.28);
        EXPECT_EQ(doc->m_dDevLengthFactor, 1.6);
        EXPECT_EQ(doc->m_dTransferLengthFactor, 60);
        EXPECT_EQ(doc->m_nLossMode, kLossesComputed);
        EXPECT_EQ(doc->m_dSpecifiedReleaseLoss, 10);
        EXPECT_EQ(doc->m_dSpecifiedFinalLoss, 25);
        EXPECT_EQ(doc->m_nStirrupGrade, kBarGrade60);
        EXPECT_EQ(doc->m_dStirrupFy, 60);
        EXPECT_EQ(doc->m_nLongitudinalGrade, kBarGrade60);
        EXPECT_EQ(doc->m_dLongitudinalFy, 60);
    }
}

TEST_F(ExampleDesignTest, DeadLoads) {
    struct Case {
        int example;
        int quarter, third, half;
        const char *quarterLabel, *thirdLabel, *halfLabel;
        double diaphragm, otherNonComposite;  // kip, klf
        int barrierMode;
        double barrierLoad, barrierWeight;  // klf
        int fwsMode;
        double fwsLoad, fwsPressure;  // klf, ksf
        int restraint;
    };
    // clang-format off
    const Case cases[] = {
        {1, 0, 0, 0, "NONE", "", "", 0, 0, kLoadConstant, 0.167, 0.405, kLoadConstant, 0.195, 0, 0},
        {2, 1, 0, 1, "L/4 ", "", "L/2 ", 0.73, 0.211, kLoadConstant, 0, 0, kLoadConstant, 0, 0, 0},
        {3, 0, 0, 0, "NONE", "", "", 0, 0, kLoadConstant, 0.167, 0.65, kLoadConstant, 0.195, 0, 1},
        {4, 0, 0, 0, "NONE", "", "", 0, 0, kLoadVariable, 0.15, 0.3, kLoadVariable, 0.144, 0.018, 0},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE("example " + std::to_string(c.example));
        const auto doc = Example(c.example);
        EXPECT_EQ(doc->m_bDiaphragmAtQuarter, c.quarter);
        EXPECT_EQ(doc->m_bDiaphragmAtThird, c.third);
        EXPECT_EQ(doc->m_bDiaphragmAtHalf, c.half);
        EXPECT_EQ(doc->m_strDiaphragmAtQuarter, c.quarterLabel);
        EXPECT_EQ(doc->m_strDiaphragmAtThird, c.thirdLabel);
        EXPECT_EQ(doc->m_strDiaphragmAtHalf, c.halfLabel);
        EXPECT_EQ(doc->m_bDiaphragmAtUserLocation, 0);
        EXPECT_EQ(doc->m_dDiaphragmUserLocation, 0);
        EXPECT_EQ(doc->m_dDiaphragmWeight, c.diaphragm);
        EXPECT_EQ(doc->m_dOtherNonCompositeLoad, c.otherNonComposite);
        EXPECT_EQ(doc->m_dOtherCompositeLoad, 0);
        EXPECT_EQ(doc->m_nBarrierLoadMode, c.barrierMode);
        EXPECT_EQ(doc->m_dBarrierLoad, c.barrierLoad);
        EXPECT_EQ(doc->m_nBarrierDistribution, kBarriersEqual);
        EXPECT_EQ(doc->m_nBarrierCount, 2);
        EXPECT_EQ(doc->m_dBarrierWeight, c.barrierWeight);
        EXPECT_EQ(doc->m_nFwsLoadMode, c.fwsMode);
        EXPECT_EQ(doc->m_dWearingSurfaceLoad, c.fwsLoad);
        EXPECT_EQ(doc->m_dFwsPressure, c.fwsPressure);
        EXPECT_EQ(doc->m_bComputeRestraintMoments, c.restraint);
        EXPECT_EQ(doc->m_dBeamWeight, 0);  // the analysis computes the weights
        EXPECT_EQ(doc->m_dDeckWeight, 0);
        EXPECT_EQ(doc->m_dOverlayWeight, 0);
    }
}

TEST_F(ExampleDesignTest, SpecificationFactorsAndStressLimits) {
    for (int n = 1; n <= 4; ++n) {
        SCOPED_TRACE("example " + std::to_string(n));
        const auto doc = Example(n);
        EXPECT_EQ(doc->m_strProject, n == 4 ? "3-Segment Spliced Girder" : "[New job]");
        EXPECT_EQ(doc->m_strTask, "");
        EXPECT_EQ(doc->m_strClient, "");
        EXPECT_EQ(doc->m_strJobNumber, "");
        EXPECT_EQ(doc->m_nSpecification, kSpecLrfd);
        EXPECT_EQ(doc->m_strSpecCode, "LRFD");
        EXPECT_EQ(doc->m_nSpecEdition, 2);  // "LRFD 6th"
        EXPECT_EQ(doc->m_nUnits, kUnitsUS);
        EXPECT_EQ(doc->m_bTransformPsStrand, 0);
        // Automatic factors: the LRFD set, AASHTO LRFD 6th ed. Tables 3.4.1-1, 3.4.1-2 and
        // Art. 5.5.4.2.1.
        EXPECT_EQ(doc->m_bAutoFactors, 1);
        EXPECT_EQ(doc->m_dPhiFlexure, 1.0);
        EXPECT_EQ(doc->m_dPhiShear, 0.9);
        EXPECT_EQ(doc->m_dServiceILiveLoadFactor, 1.0);
        EXPECT_EQ(doc->m_dServiceIIILiveLoadFactor, 0.8);
        EXPECT_EQ(doc->m_dStrengthIDeadLoadFactor, 1.25);
        EXPECT_EQ(doc->m_dStrengthIWearingSurfaceFactor, 1.5);
        EXPECT_EQ(doc->m_dStrengthILiveLoadFactor, 1.75);
        EXPECT_EQ(doc->m_dStrengthIRestraintFactor, 1.2);
        EXPECT_EQ(doc->m_dStrengthIILiveLoadFactor, 1.35);
        EXPECT_EQ(doc->m_nShearMethod, kShearLrfdSectional);
        // Stress limits: (code, coefficient) as entered.
        const std::pair<int, double> limits[] = {
            {doc->m_nReleaseTensionLimit, doc->m_dReleaseTensionCoef},
            {doc->m_nReleaseCompressionLimit, doc->m_dReleaseCompressionCoef},
            {doc->m_nFinalTensionLimitAllLoads, doc->m_dFinalTensionCoefAllLoads},
            {doc->m_nFinalCompressionLimitPermanent, doc->m_dFinalCompressionCoefPermanent},
            {doc->m_nFinalCompressionLimitAllLoads, doc->m_dFinalCompressionCoefAllLoads},
            {doc->m_nFinalCompressionLimitHalfPermanentLL,
             doc->m_dFinalCompressionCoefHalfPermanentLL},
            {doc->m_nFinalTensionLimitPermanent, doc->m_dFinalTensionCoefPermanent},
        };
        const std::pair<int, double> expected[] = {
            {1, -0.0948}, {1, 0.6}, {3, -0.19}, {1, 0.45}, {1, 0.6}, {1, 0.4}, {3, -0.19},
        };
        for (std::size_t i = 0; i < std::size(limits); ++i) {
            EXPECT_EQ(limits[i], expected[i]) << "stress limit " << i;
        }
    }
}

// ---- Post-tensioning and reinforcement ----------------------------------------------------------

TEST_F(ExampleDesignTest, SplicedGirderSegmentsAndTendons) {
    const auto doc = Example(4);
    ASSERT_EQ(doc->m_nSegments, 3);
    double length = 0;
    for (int s = 0; s < doc->m_nSegments; ++s) {
        EXPECT_EQ(doc->m_adSegments[s][kSegmentLength], 63) << "segment " << s;
        EXPECT_EQ(doc->m_adSegments[s][kSegmentClosure], s < 2 ? 2 : 0) << "segment " << s;
        length += doc->m_adSegments[s][kSegmentLength] + doc->m_adSegments[s][kSegmentClosure];
    }
    EXPECT_EQ(length, doc->m_dGirderLength) << "3 x 63 + 2 x 2 = 193 ft";

    EXPECT_EQ(doc->m_nPTStrandType, 4);
    EXPECT_EQ(doc->m_strPTStrandName, "0.6in 270 LR");
    EXPECT_EQ(doc->m_dPTStrandUnitArea, 0.217);
    EXPECT_EQ(doc->m_dPTStrandDiameter, 0.6);
    EXPECT_EQ(doc->m_dPTStrandFpu, 270);
    EXPECT_EQ(doc->m_dPTStrandFpy, 243);
    EXPECT_EQ(doc->m_nPTStrandKind, kStrandLowRelaxation);
    EXPECT_EQ(doc->m_strPTStrandKind, "Low-Relaxation");
    EXPECT_EQ(doc->m_nTendonLossMode, kLossesComputed);
    EXPECT_EQ(doc->m_dPTSpecifiedReleaseLoss, 5);
    EXPECT_EQ(doc->m_dPTSpecifiedFinalLoss, 15);
    EXPECT_EQ(doc->m_dPtAnchorSet, 0.25);
    EXPECT_EQ(doc->m_dPtFrictionMu, 0.2);
    EXPECT_EQ(doc->m_dPtWobbleK, 0.0002);
    EXPECT_EQ(doc->m_dPtJackingFraction, 0.8333);  // x fpy = 202.5 ksi, 0.75 fpu
    EXPECT_EQ(doc->m_nPTJackingBasis, kJackingOfFpy);
    EXPECT_EQ(doc->m_dPtAuxValue, 3.15);

    ASSERT_EQ(doc->m_nTendonCount, 6);
    const double cgEnd[] = {12, 26, 40, 54, 68, 82};
    const double cgMid[] = {3.5, 8.5, 13.5, 18.5, 23.5, 28.5};
    const auto outline = Outline(doc->m_adOutline, doc->m_nOutlinePointCount);
    for (int k = 0; k < 6; ++k) {
        SCOPED_TRACE("tendon " + std::to_string(k + 1));
        const PostTensioningTendon& t = doc->m_aTendons[k];
        EXPECT_EQ(t.m_strName, "Tendon " + std::to_string(k + 1));
        EXPECT_EQ(t.m_nStrands, 12);
        EXPECT_EQ(t.m_fDuctDiameter, 3.15f);
        EXPECT_EQ(t.m_fZ, 0.75f);
        EXPECT_EQ(t.m_strStressingEnd, "L");
        const double profile[3][3] = {{0, cgEnd[k], 0}, {96.5, cgMid[k], 0}, {193, cgEnd[k], 0}};
        for (int p = 0; p < kTendonProfilePoints; ++p) {
            for (int v = 0; v < kTendonProfileValueCount; ++v) {
                EXPECT_EQ(t.m_adProfile[p][v], profile[p][v]) << "point " << p << " value " << v;
            }
        }
        // The duct lies in the web at the ends and at mid-length.
        for (double cg : {cgEnd[k], cgMid[k]}) {
            const double y = cg + static_cast<double>(t.m_fZ);
            const double halfDuct = static_cast<double>(t.m_fDuctDiameter / 2);
            EXPECT_TRUE(Inside(outline, 0, y - halfDuct)) << "cg " << cg;
            EXPECT_TRUE(Inside(outline, 0, y + halfDuct)) << "cg " << cg;
        }
    }
    EXPECT_EQ(doc->m_aTendons[6], PostTensioningTendon{});

    for (int n = 1; n <= 3; ++n) {
        const auto other = Example(n);
        EXPECT_EQ(other->m_nSegments, 1) << n;
        EXPECT_EQ(other->m_nTendonCount, 0) << n;
        EXPECT_EQ(other->m_dPtAuxValue, NewDoc()->m_dPtAuxValue) << n;
    }
}

// Zones laid out from the left end: each ends where its gap and its spaces end, carries the
// area of two legs of its bar at its spacing, and the layout mirrors about mid-length inside
// the girder.
TEST_F(ExampleDesignTest, StirrupZones) {
    using Zone = std::vector<double>;  // gap ft, bar, spaces, spacing in, end ft, area in2/ft
    // clang-format off
    const std::vector<Zone> bt72 = {
        {0.15, 5, 3, 4, 1.15, 1.86}, {0.5, 4, 20, 12, 21.65, 0.4},  {1, 4, 20, 18, 52.65, 0.27},
        {0.7, 4, 20, 18, 83.35, 0.27}, {1, 4, 20, 12, 104.35, 0.4}, {0.5, 5, 3, 4, 105.85, 1.86},
    };
    const std::vector<Zone> box = {
        {0.17, 4, 4, 3, 1.17, 1.6},
        {2, 4, 22, 24, 47.17, 0.2},
        {1.66, 4, 22, 24, 92.83, 0.2},
        {2, 4, 4, 3, 95.83, 1.6},
    };
    // Zones 4 to 6 mirror zones 1 to 3 about mid-length of the 193-ft girder: 193 - 52.65 =
    // 140.35 ft starts zone 4.
    const std::vector<Zone> bt95 = {
        {0.15, 5, 3, 4, 1.15, 1.86}, {0.5, 4, 20, 12, 21.65, 0.4},    {1, 4, 20, 18, 52.65, 0.27},
        {87.7, 4, 20, 18, 170.35, 0.27}, {1, 4, 20, 12, 191.35, 0.4}, {0.5, 5, 3, 4, 192.85, 1.86},
    };
    // clang-format on
    const std::pair<int, const std::vector<Zone>*> cases[] = {
        {1, &bt72}, {2, &box}, {3, &bt72}, {4, &bt95}};
    for (auto [n, zones] : cases) {
        SCOPED_TRACE("example " + std::to_string(n));
        const auto doc = Example(n);
        EXPECT_EQ(doc->m_bStirrupLayout, 1);
        EXPECT_EQ(doc->m_bStirrupsSymmetric, 1);
        EXPECT_EQ(doc->m_nStirrupLegs, 2);
        ASSERT_EQ(doc->m_nStirrupZoneCount, static_cast<int>(zones->size()));
        const double G = doc->m_dGirderLength;
        double previousEnd = 0;
        for (int z = 0; z < doc->m_nStirrupZoneCount; ++z) {
            const double* zone = doc->m_adStirrupZones[z];
            for (int v = 0; v < 6; ++v) {
                EXPECT_EQ(zone[v],
                          (*zones)[static_cast<std::size_t>(z)][static_cast<std::size_t>(v)])
                    << "zone " << z + 1 << " value " << v;
            }
            EXPECT_EQ(zone[kZoneLength], 0) << "zone " << z + 1;
            const double length = zone[kZoneSpaces] * zone[kZoneSpacing] / 12;  // ft
            EXPECT_NEAR(zone[kZoneEnd], previousEnd + zone[kZoneGap] + length, 1e-9) << z + 1;
            // #4 0.20 in2, #5 0.31 in2 (ASTM A615); two legs every `spacing` inches, per foot
            const double bar = zone[kZoneBarSize] == 4 ? 0.20 : 0.31;
            EXPECT_NEAR(zone[kZoneArea], 2 * bar * 12 / zone[kZoneSpacing], 0.005) << z + 1;
            // The mirror of this zone's bars is another zone of the same bars and spacing.
            const double mirrorStart = G - zone[kZoneEnd];
            bool mirrored = false;
            for (int m = 0; m < doc->m_nStirrupZoneCount; ++m) {
                const double* other = doc->m_adStirrupZones[m];
                const double otherLength = other[kZoneSpaces] * other[kZoneSpacing] / 12;
                mirrored |= std::abs(other[kZoneEnd] - otherLength - mirrorStart) < 1e-9 &&
                            other[kZoneBarSize] == zone[kZoneBarSize] &&
                            other[kZoneSpacing] == zone[kZoneSpacing] &&
                            other[kZoneSpaces] == zone[kZoneSpaces];
            }
            EXPECT_TRUE(mirrored) << "zone " << z + 1 << " has no mirror about mid-length";
            previousEnd = zone[kZoneEnd];
        }
        EXPECT_LE(previousEnd, G) << "the zones stay on the girder";
    }
}

TEST_F(ExampleDesignTest, LongitudinalBarsOnlyInTheContinuousDeck) {
    for (int n : {1, 2, 4}) {
        const auto doc = Example(n);
        EXPECT_EQ(doc->m_nGirderRebarRowCount, 0) << n;
        EXPECT_EQ(doc->m_nGirderBarCount, 0) << n;
        EXPECT_EQ(doc->m_nDeckRebarRowCount, 0) << n;
        EXPECT_EQ(doc->m_nDeckBarCount, 0) << n;
    }
    // Example 3: twenty #7 bars at mid-depth of the 8-in deck over 0 to 109 ft, 20 x 0.60 = 12 in2.
    const auto doc = Example(3);
    EXPECT_EQ(doc->m_nGirderRebarRowCount, 0);
    EXPECT_EQ(doc->m_nGirderBarCount, 0);
    ASSERT_EQ(doc->m_nDeckRebarRowCount, 1);
    const double row[] = {20, 7, 4, 0, 109, 12};
    for (int v = 0; v < kRebarRowValueCount; ++v) {
        EXPECT_EQ(doc->m_adDeckRebarRows[0][v], row[v]) << "value " << v;
    }
    EXPECT_EQ(doc->m_adDeckRebarRows[1][kRebarRowBars], 0);
    // The row's bars: pairs at 1, 3, ..., 19 in from the centreline, positive side first, 72 in
    // girder + 4 in up, each parallel to the girder.
    ASSERT_EQ(doc->m_nDeckBarCount, 20);
    for (int b = 0; b < 20; ++b) {
        SCOPED_TRACE("bar " + std::to_string(b + 1));
        const RebarBar& bar = doc->m_aDeckBars[b];
        const double z = (b % 2 == 0 ? 1 : -1) * (1.0 + 2.0 * (b / 2));
        EXPECT_EQ(bar.m_nBarSize, 7);
        EXPECT_EQ(bar.m_adStart[kBarX], 0);
        EXPECT_EQ(bar.m_adStart[kBarY], 76);
        EXPECT_EQ(bar.m_adStart[kBarZ], z);
        EXPECT_EQ(bar.m_adEnd[kBarX], 109);
        EXPECT_EQ(bar.m_adEnd[kBarY], 76);
        EXPECT_EQ(bar.m_adEnd[kBarZ], z);
        EXPECT_EQ(bar.m_strTag1, "S");
        EXPECT_EQ(bar.m_strTag2, "S");
        EXPECT_EQ(bar.m_strTag3, "B");
        EXPECT_EQ(bar.m_strTag4, "X");
    }
    EXPECT_EQ(doc->m_aDeckBars[20], RebarBar{});
}

// ---- Camber, load tables, handling and options --------------------------------------------------

TEST_F(ExampleDesignTest, CamberLoadTablesHandlingAndOptions) {
    const auto fresh = NewDoc();
    struct Case {
        int example;
        bool loadTables;
        double spanMin, spanMax, spanInc;
        int spacings;
        double spacing[3], slab[3];  // slots 0 to 2
        double lift, ship;           // ft from each end
    };
    // clang-format off
    const Case cases[] = {
        {1, true, 80, 140, 2, 2, {0, 7.5, 10}, {0, 8, 8}, 9, 9},
        {2, true, 80, 120, 4, 1, {0, 4, 10}, {0, 0, 8}, 6, 10},  // entry 2 as constructed
        {3, false, 0, 0, 0, 0, {}, {}, 6, 10},
        {4, false, 0, 0, 0, 0, {}, {}, 6, 10},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE("example " + std::to_string(c.example));
        const auto doc = Example(c.example);
        const double input[] = {1.85, 1.85, 1.8, 1.8, 2.7, 2.4, 2.45, 2.2, 3.0, 3.0, 2.3};
        const double working[] = {1.8, 2.2, 1.85, 2.4, 2.3, 2.3, 2.3, 3.0, 3.0, 3.0, 3.0};
        for (int i = 0; i < kCamberMultiplierCount; ++i) {
            EXPECT_EQ(doc->m_adCamberMultiplierInput[i], input[i]) << "entered " << i;
            EXPECT_EQ(doc->m_adCamberMultiplier[i], working[i]) << "working " << i;
        }
        for (double v : doc->m_adCamberSummary) EXPECT_EQ(v, 0);

        if (c.loadTables) {
            EXPECT_EQ(doc->m_dLoadTableSpanMin, c.spanMin);
            EXPECT_EQ(doc->m_dLoadTableSpanMax, c.spanMax);
            EXPECT_EQ(doc->m_dLoadTableSpanInc, c.spanInc);
            EXPECT_EQ(doc->m_nLoadTableSpacingCount, c.spacings);
            for (int i = 0; i < 3; ++i) {
                EXPECT_EQ(doc->m_adLoadTableSpacing[i], c.spacing[i]) << "spacing " << i;
                EXPECT_EQ(doc->m_adLoadTableSlab[i], c.slab[i]) << "slab " << i;
            }
            EXPECT_EQ(doc->m_dLoadTableFciMin, 3);
            EXPECT_EQ(doc->m_dLoadTableFciMax, 6);
            EXPECT_EQ(doc->m_dLoadTableStrandsMin, 0);
            EXPECT_EQ(doc->m_dLoadTableStrandsMax, 60);
            EXPECT_EQ(doc->m_anLoadTableModes[kLoadTableModeStress], 1);
            EXPECT_EQ(doc->m_anLoadTableModes[kLoadTableModeStrength], 1);
        } else {
            EXPECT_EQ(doc->m_dLoadTableSpanMin, fresh->m_dLoadTableSpanMin);
            EXPECT_EQ(doc->m_dLoadTableSpanMax, fresh->m_dLoadTableSpanMax);
            EXPECT_EQ(doc->m_dLoadTableSpanInc, fresh->m_dLoadTableSpanInc);
            EXPECT_EQ(doc->m_nLoadTableSpacingCount, fresh->m_nLoadTableSpacingCount);
            EXPECT_TRUE(std::equal(std::begin(doc->m_adLoadTableSpacing),
                                   std::end(doc->m_adLoadTableSpacing),
                                   std::begin(fresh->m_adLoadTableSpacing)));
            EXPECT_EQ(doc->m_dLoadTableStrandsMax, fresh->m_dLoadTableStrandsMax);
        }

        EXPECT_EQ(doc->m_dLiftSupportLeft, c.lift);
        EXPECT_EQ(doc->m_dLiftSupportRight, c.lift);
        EXPECT_EQ(doc->m_dShipSupportLeft, c.ship);
        EXPECT_EQ(doc->m_dShipSupportRight, c.ship);
        EXPECT_EQ(doc->m_dImpactFormSuction, 10);
        EXPECT_EQ(doc->m_dImpactHandling, 25);
        EXPECT_EQ(doc->m_dImpactShipping, 40);
        EXPECT_EQ(doc->m_dTransportStiffness, fresh->m_dTransportStiffness);
        EXPECT_EQ(doc->m_bVcQuarterPtsReinforced, 0);
        EXPECT_EQ(doc->m_bCheckStripping, 0);
        EXPECT_EQ(doc->m_bCheckHandling, 0);
        EXPECT_EQ(doc->m_dRestrainingMomentFactor, 0.5);
        for (int k = 0; k < kMaxStrandGroups; ++k) {
            ASSERT_EQ(doc->m_anDetensionOrder[k], k + 1) << "cut " << k;
        }
        // Options the examples do not set keep the constructor's values.
        EXPECT_EQ(doc->m_nShearMethod, fresh->m_nShearMethod);
        EXPECT_EQ(doc->m_bStrainCompatibility, fresh->m_bStrainCompatibility);
        EXPECT_EQ(doc->m_bDetensioningAnalysis, fresh->m_bDetensioningAnalysis);
        EXPECT_EQ(doc->m_dLoadModImportance, fresh->m_dLoadModImportance);
    }
}

// ---- The new-design road ------------------------------------------------------------------------

TEST_F(ExampleDesignTest, NewDocumentBuildsTheExampleHandsItOnAndAnalysesOnce) {
    for (int n = 1; n <= 4; ++n) {
        SCOPED_TRACE("example " + std::to_string(n));
        frame.m_nSeedChoice = n;
        frame.m_nStructureType = 7;
        frame.m_nPrestressType = 7;
        frame.m_nUnits = 7;
        auto doc = NewDoc();
        SnapshotAtAnalysisStart observer(*doc);
        doc->m_pAnalysisObserver = &observer;
        ASSERT_TRUE(doc->OnNewDocument());
        EXPECT_EQ(observer.runs, 1);
        ASSERT_NE(observer.snapshot, nullptr);
        const auto built = Example(n);
        ExpectSameModel(*observer.snapshot, ModelSnapshot(*built));

        EXPECT_EQ(frame.m_nStructureType, n == 3 ? 1 : 0);
        EXPECT_EQ(frame.m_nPrestressType, n == 4 ? 2 : 1);
        EXPECT_EQ(frame.m_nUnits, 1);
        EXPECT_EQ(frame.m_nSeedChoice, n);  // left for the next File New
        EXPECT_FALSE(doc->IsModified());
        EXPECT_EQ(doc->GetPathName(), "");
        EXPECT_EQ(doc->m_strJobFileName, "Untitled.kdx");
    }
}

TEST_F(ExampleDesignTest, OtherChoicesKeepTheConstructorsDesignWhichAnalysesAndSaves) {
    TempFolder temp;
    for (int choice : {0, 5, 998, 1000, -1}) {
        SCOPED_TRACE("choice " + std::to_string(choice));
        frame.m_nSeedChoice = choice;
        auto doc = NewDoc();
        EXPECT_FALSE(NewDoc()->BuildExampleDesign(choice));
        SnapshotAtAnalysisStart observer(*doc);
        doc->m_pAnalysisObserver = &observer;
        ASSERT_TRUE(doc->OnNewDocument());
        EXPECT_EQ(observer.runs, 1);
        ASSERT_NE(observer.snapshot, nullptr);
        const auto fresh = NewDoc();
        ExpectSameModel(*observer.snapshot, ModelSnapshot(*fresh));
        EXPECT_TRUE(host.Messages().empty());

        const std::string path = temp.Path("choice" + std::to_string(choice) + ".kdx");
        ASSERT_TRUE(doc->DoSave(path));
        auto reopened = NewDoc();
        EXPECT_TRUE(reopened->OnOpenDocument(path));
        EXPECT_TRUE(host.Messages().empty()) << host.Messages().front().text;
    }
}

TEST_F(ExampleDesignTest, SavedExampleLoadsBackToTheSameDesign) {
    for (int n = 1; n <= 4; ++n) {
        SCOPED_TRACE("example " + std::to_string(n));
        const auto built = Example(n);
        platform::Archive store;
        built->Serialize(store);
        auto loaded = NewDoc();
        platform::Archive load(store.Bytes());
        ASSERT_NO_THROW(loaded->Serialize(load));
        EXPECT_TRUE(load.AtEnd()) << load.Remaining() << " bytes not read";
        ExpectSameModel(ModelSnapshot(*loaded), *AsLoadedBack(*built));
    }
}

TEST_F(ExampleDesignTest, BatchSavesEachExampleAndTheFileOpensToTheSameDesign) {
    TempFolder temp;
    for (int n = 1; n <= 4; ++n) {
        SCOPED_TRACE("example " + std::to_string(n));
        const std::string path = temp.Path("ex" + std::to_string(n) + ".kdx");
        std::ostringstream out, err;
        ASSERT_EQ(RunBatch({"--batch", "--example", std::to_string(n), "--save", path}, out, err),
                  kBatchOk)
            << err.str();

        frame.m_nSeedChoice = n;
        auto analysed = NewDoc();
        ASSERT_TRUE(analysed->OnNewDocument());
        auto opened = NewDoc();
        ASSERT_TRUE(opened->OnOpenDocument(path)) << host.Messages().back().text;
        ExpectSameModel(ModelSnapshot(*opened), *AsLoadedBack(*analysed));
    }
}

}  // namespace
}  // namespace kordel::test
