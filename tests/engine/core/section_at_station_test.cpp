// The section at a position along the girder: gross values without end blocks, the widened web of
// an I-girder's end block and its taper, the refusals, the solid end of a box beam, the closed end
// of a U-beam, the area below a height with voids, and the tendon angle.
#include <cmath>
#include <initializer_list>
#include <utility>

#include "test_support.h"

namespace kordel::test {
namespace {

using Pt = std::pair<double, double>;

void SetOutline(CKordelDoc& doc, std::initializer_list<Pt> points) {
    doc.m_nOutlinePointCount = 0;
    for (const Pt& p : points) {
        doc.m_adOutline[doc.m_nOutlinePointCount][kPointX] = p.first;
        doc.m_adOutline[doc.m_nOutlinePointCount][kPointY] = p.second;
        ++doc.m_nOutlinePointCount;
    }
}

struct Props {
    double A = 0, yb = 0, I = 0, bw = 0;
    int result = -1;
};

class SectionAtStationTest : public EngineTest {
  protected:
    /// PCI BT-72 (A 767 in2, yb 36.6 in, I 545,894 in4 as stored; 6 in web) on a 100 ft girder
    /// with a 98 ft design span (e = 1 ft); end blocks 26 in wide, 2 ft long with a 4 ft taper.
    std::unique_ptr<CKordelDoc> BulbTee() {
        auto doc = NewDoc();
        doc->m_nSectionType = kSectionIGirder;
        SetOutline(*doc, {{-13, 0},
                          {-13, 6},
                          {-3, 10.5},
                          {-3, 64.5},
                          {-5, 66.5},
                          {-21, 68.5},
                          {-21, 72},
                          {21, 72},
                          {21, 68.5},
                          {5, 66.5},
                          {3, 64.5},
                          {3, 10.5},
                          {13, 6},
                          {13, 0},
                          {-13, 0}});
        doc->m_dSectionArea = 767;
        doc->m_dSectionYb = 36.6;
        doc->m_dSectionIxx = 545894;
        doc->m_dSectionHeight = 72;
        doc->m_nWebCount = 1;
        doc->m_dWebWidth = 6;
        doc->m_dGirderLength = 100;
        doc->m_dDesignSpan = 98;
        doc->m_bIncludeEndBlocks = 1;
        doc->m_dEndBlockWidth = 26;
        doc->m_dEndBlockLength = 2;
        doc->m_dEndBlockTransition = 4;
        doc->ComputeStations();
        return doc;
    }

    static Props At(const CKordelDoc& doc, double x) {
        Props p;
        p.result = doc.GetEndZoneSectionProps(x, p.A, p.yb, p.I, p.bw);
        return p;
    }
    static Props AtStation(const CKordelDoc& doc, int station) {
        Props p;
        p.result = doc.GetStationSectionProps(station, 0, p.A, p.yb, p.I, p.bw);
        return p;
    }
};

void ExpectGross(const Props& p, const CKordelDoc& doc) {
    EXPECT_EQ(p.A, doc.m_dSectionArea);
    EXPECT_EQ(p.yb, doc.m_dSectionYb);
    EXPECT_EQ(p.I, doc.m_dSectionIxx);
    EXPECT_EQ(p.bw, doc.m_nWebCount * doc.m_dWebWidth);
}

TEST_F(SectionAtStationTest, WithoutEndBlocksEveryTypeGetsTheGrossSection) {
    for (int type = 0; type <= 7; ++type) {
        SCOPED_TRACE(::testing::Message() << "section type " << type);
        auto doc = BulbTee();
        doc->m_nSectionType = type;
        doc->m_bIncludeEndBlocks = 0;
        for (int station : {0, 1, 50, 101, 114}) {
            const Props p = AtStation(*doc, station);
            EXPECT_EQ(p.result, 1);
            ExpectGross(p, *doc);
        }
        double points[kMaxOutlinePoints][kPointValueCount];
        int n = 0;
        EXPECT_EQ(doc->GetSectionOutlineAt(0.0, points, n), 1);
        ASSERT_EQ(n, 15);
        for (int k = 0; k < n; ++k) EXPECT_EQ(points[k][kPointX], doc->m_adOutline[k][kPointX]);
    }
}

TEST_F(SectionAtStationTest, EndBlockWidensTheWebAndTapersToIt) {
    // Full width (w = 13 in) over the end block: the web faces and the top fillet move out to
    // +-13; the outline is a 26 x 66.5 block, a 26-to-42 taper 2 in high and the 42 x 3.5 flange:
    // A = 1729 + 68 + 147 = 1944 in2; yb = (1729 x 33.25 + 68 x 67.578 + 147 x 70.25) / 1944
    // = 37.2486 in; I = 664,817.6 + 62,575.2 + 160,246.4 = 887,639.2 in4; bw = 26 in.
    // Halfway along the taper (w = 13 + (4 - 2)(3 - 13) / 4 = 8): 156 + 94.5 (26-to-16 taper)
    // + 16 x 56 + 58 (16-to-42 taper) + 147 = 1351.5 in2, yb 36.9790 in, I 713,384.3 in4, bw 16.
    struct Case {
        const char* name;
        double x;  // ft from the left girder end; G = 100
        double A, yb, I, bw;
    };
    const Case full{"", 0, 1944.0, 37.248628, 887639.16, 26.0};
    const Case half{"", 0, 1351.5, 36.979036, 713384.26, 16.0};
    const Case cases[] = {
        {"girder end", 0.0, full.A, full.yb, full.I, full.bw},
        {"end of the block, x = Leb", 2.0, full.A, full.yb, full.I, full.bw},
        {"mid-taper, x = Leb + Ltr / 2", 4.0, half.A, half.yb, half.I, half.bw},
        {"right end block", 99.0, full.A, full.yb, full.I, full.bw},
        {"right mid-taper, G - x = 4", 96.0, half.A, half.yb, half.I, half.bw},
    };
    auto doc = BulbTee();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Props p = At(*doc, c.x);
        EXPECT_EQ(p.result, 1);
        EXPECT_NEAR(p.A, c.A, 1e-9);
        EXPECT_NEAR(p.yb, c.yb, 1e-5);
        EXPECT_NEAR(p.I, c.I, 0.01);
        EXPECT_NEAR(p.bw, c.bw, 1e-12);
    }
    // Beyond the zone (Leb + Ltr = 6 ft from each end), the gross values.
    for (double x : {6.5, 50.0, 93.5}) {
        const Props p = At(*doc, x);
        EXPECT_EQ(p.result, 1);
        ExpectGross(p, *doc);
    }
    // A station is a position from the girder end: station 0 lies at x = e = 1 ft, in the block.
    EXPECT_NEAR(AtStation(*doc, kStationLeftBearing).A, 1944.0, 1e-9);
    ExpectGross(AtStation(*doc, kStationMidspan), *doc);
}

TEST_F(SectionAtStationTest, WidenedOutlinePoints) {
    auto doc = BulbTee();
    double p[kMaxOutlinePoints][kPointValueCount];
    int n = 0;
    ASSERT_EQ(doc->GetSectionOutlineAt(4.0, p, n), 1);
    ASSERT_EQ(n, 15);
    // w = 8: faces at -8 and +8, the fillet points (-5, 66.5) and (5, 66.5) inside the web move
    // with them; the bottom-flange corners at +-13 and the flange at +-21 stay.
    const double expectedX[] = {-13, -13, -8, -8, -8, -21, -21, 21, 21, 8, 8, 8, 13, 13, -13};
    for (int k = 0; k < n; ++k) {
        EXPECT_EQ(p[k][kPointX], expectedX[k]) << "point " << k;
        EXPECT_EQ(p[k][kPointY], doc->m_adOutline[k][kPointY]) << "point " << k;
    }
    // Within 0.01 ft outside the zone the stored outline is handed out.
    ASSERT_EQ(doc->GetSectionOutlineAt(5.995, p, n), 1);
    EXPECT_EQ(p[2][kPointX], -3.0);
}

TEST_F(SectionAtStationTest, OutlinesThatCannotBeWidenedKeepTheGrossSection) {
    struct Case {
        const char* name;
        int point;  // point moved
        double x, y;
    };
    const Case cases[] = {
        // The left face is no longer vertical: the nearest vertical left edge is the bottom
        // flange's, 6 in long against the right face's 54 in.
        {"left web face not vertical", 2, -3.5, 10.5},
        // Right face 54.1 in, left 54 in.
        {"faces differ by more than 0.01 in", 11, 3, 10.4},
        // Right face 3.01 in out, left 3 in.
        {"right face further out", 10, 3.01, 64.5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto doc = BulbTee();
        doc->m_adOutline[c.point][kPointX] = c.x;
        doc->m_adOutline[c.point][kPointY] = c.y;
        if (c.point == 10) doc->m_adOutline[11][kPointX] = c.x;
        const Props p = At(*doc, 0.0);
        EXPECT_EQ(p.result, 0);
        ExpectGross(p, *doc);
    }
}

TEST_F(SectionAtStationTest, ClosedOutlineStaysClosedWhenTheWalkMovesItsFirstPoint) {
    // The outline listed from the foot of the left web face: the face's first point is point 0,
    // and its copy at the end must move out with it. Left behind at (-3, 10.5), the copy would
    // add an edge from (-13, 6) of (10 x 6 + 10 x 4.5 / 2) = 82.5 in2 to the area.
    auto doc = BulbTee();
    SetOutline(*doc, {{-3, 10.5},
                      {-3, 64.5},
                      {-5, 66.5},
                      {-21, 68.5},
                      {-21, 72},
                      {21, 72},
                      {21, 68.5},
                      {5, 66.5},
                      {3, 64.5},
                      {3, 10.5},
                      {13, 6},
                      {13, 0},
                      {-13, 0},
                      {-13, 6},
                      {-3, 10.5}});
    double p[kMaxOutlinePoints][kPointValueCount];
    int n = 0;
    ASSERT_EQ(doc->GetSectionOutlineAt(0.0, p, n), 1);
    EXPECT_EQ(p[0][kPointX], -13.0);
    EXPECT_EQ(p[n - 1][kPointX], -13.0);
    EXPECT_EQ(p[n - 1][kPointY], p[0][kPointY]);
    EXPECT_NEAR(At(*doc, 0.0).A, 1944.0, 1e-9);
}

TEST_F(SectionAtStationTest, BoxBeamEndIsSolid) {
    // AASHTO BIII-48 outline with its 9-point void; solid ends 3 ft long. At the end the outline
    // alone: A = 1859.3695 in2, yb = 19.41388 in, I = 235,098.24 in4 (edge by edge); bw = the
    // least width between points level with each other, 2 x 23.25 = 46.5 in.
    auto doc = NewDoc();
    doc->m_nSectionType = kSectionBoxBeam;
    SetOutline(*doc, {{-24, 0},
                      {-24, 27},
                      {-23.25, 27.75},
                      {-23.25, 32.35},
                      {-23.63, 33},
                      {-23.63, 39},
                      {23.63, 39},
                      {23.63, 33},
                      {23.25, 32.35},
                      {23.25, 27.75},
                      {24, 27},
                      {24, 0},
                      {-24, 0}});
    doc->m_nVoidPointCount = 9;
    const double voidPoints[9][2] = {{-16, 5.5}, {-19, 8.5}, {-19, 30.5}, {-16, 33.5}, {16, 33.5},
                                     {19, 30.5}, {19, 8.5},  {16, 5.5},   {-16, 5.5}};
    for (int k = 0; k < 9; ++k) {
        doc->m_adVoidOutline[k][kPointX] = voidPoints[k][0];
        doc->m_adVoidOutline[k][kPointY] = voidPoints[k][1];
    }
    doc->m_dSectionArea = 813;
    doc->m_dSectionYb = 19.29;
    doc->m_dSectionIxx = 168367;
    doc->m_nWebCount = 2;
    doc->m_dWebWidth = 5;
    doc->m_dGirderLength = 96;
    doc->m_bIncludeEndBlocks = 1;
    doc->m_dEndBlockLength = 3;
    struct Case {
        double x;
        bool solid;
    };
    for (const Case c : {Case{0.0, true}, Case{3.0, true}, Case{3.01, false}, Case{48.0, false},
                         Case{93.0, true}, Case{96.0, true}}) {
        SCOPED_TRACE(::testing::Message() << "x = " << c.x << " ft");
        const Props p = At(*doc, c.x);
        EXPECT_EQ(p.result, 1);
        if (c.solid) {
            EXPECT_NEAR(p.A, 1859.3695, 1e-6);
            EXPECT_NEAR(p.yb, 19.413885, 1e-6);
            EXPECT_NEAR(p.I, 235098.24, 0.01);
            EXPECT_NEAR(p.bw, 46.5, 1e-12);
        } else {
            ExpectGross(p, *doc);
        }
    }
}

TEST_F(SectionAtStationTest, UBeamEndIsClosedAcrossItsTop) {
    // A U 60 wide and 40 high with 8 in webs and an 8 in floor; at the end the top is closed:
    // the 60 x 40 rectangle, 2400 in2, listed with seven points.
    auto doc = NewDoc();
    doc->m_nSectionType = kSectionUBeam;
    SetOutline(
        *doc,
        {{-30, 0}, {-30, 40}, {-22, 40}, {-22, 8}, {22, 8}, {22, 40}, {30, 40}, {30, 0}, {-30, 0}});
    doc->m_dSectionHeight = 40;
    doc->m_dSectionArea = 1056;  // 60 x 40 - 44 x 32
    doc->m_dGirderLength = 80;
    doc->m_bIncludeEndBlocks = 1;
    doc->m_dEndBlockLength = 2;

    double p[kMaxOutlinePoints][kPointValueCount];
    int n = 0;
    ASSERT_EQ(doc->GetSectionOutlineAt(1.0, p, n), 1);
    EXPECT_EQ(n, 7);
    EXPECT_NEAR(At(*doc, 1.0).A, 2400.0, 1e-9);
    EXPECT_NEAR(At(*doc, 79.0).A, 2400.0, 1e-9);
    EXPECT_EQ(At(*doc, 40.0).A, 1056.0);

    // A girder height above the whole outline: no top to close, the stored outline and 0.
    doc->m_dSectionHeight = 50;
    EXPECT_EQ(doc->GetSectionOutlineAt(1.0, p, n), 0);
    EXPECT_EQ(n, 9);
    const Props refused = At(*doc, 1.0);
    EXPECT_EQ(refused.result, 0);
    EXPECT_EQ(refused.A, 1056.0);
}

TEST_F(SectionAtStationTest, AreaBelowWithCircularVoids) {
    // A voided slab 48 wide and 21 high with two voids of radius 6 at heights 10.5 (pi as
    // 3.1415 for the voids: 3.1415 x 36 = 113.094 in2 each), on a 50 ft girder with e = 0.
    auto doc = NewDoc();
    doc->m_nSectionType = kSectionSlab;
    SetOutline(*doc, {{-24, 0}, {-24, 21}, {24, 21}, {24, 0}, {-24, 0}});
    doc->m_nCircularVoidCount = 2;
    for (int k = 0; k < 2; ++k) {
        doc->m_adCircularVoid[k][kVoidCentreX] = k == 0 ? -12 : 12;
        doc->m_adCircularVoid[k][kVoidCentreY] = 10.5;
        doc->m_adCircularVoid[k][kVoidRadius] = 6;
    }
    doc->m_dGirderLength = 50;
    doc->m_dDesignSpan = 50;
    doc->ComputeStations();
    struct Case {
        const char* name;
        double y;         // in
        double expected;  // in2
    };
    const Case cases[] = {
        {"above the slab", 30.0, 1008.0 - 2 * 113.094},  // 48 x 21 less both voids
        {"at the void centres", 10.5, 504.0 - 113.094},  // half the slab, half of each void
        {"below the voids", 4.0, 192.0},                 // 48 x 4; void bottoms at 4.5
        {"at the bottom", 0.0, 0.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_NEAR(doc->GetAreaBelow(kStationMidspan, c.y), c.expected, 1e-9);
    }
    // With solid ends 2 ft long the voids are not taken off at the girder end (station 0, x = 0).
    doc->m_bIncludeEndBlocks = 1;
    doc->m_dEndBlockLength = 2;
    EXPECT_NEAR(doc->GetAreaBelow(kStationLeftBearing, 30.0), 1008.0, 1e-9);
    EXPECT_NEAR(doc->GetAreaBelow(kStationMidspan, 30.0), 1008.0 - 2 * 113.094, 1e-9);
}

TEST_F(SectionAtStationTest, AreaBelowOfTheEndBlockAndOfAPolygonalVoid) {
    // BT-72 at the girder end (w = 13): 26 x 40 below 40 in.
    auto doc = BulbTee();
    doc->m_dDesignSpan = 100;  // e = 0: station 0 at the girder end
    doc->ComputeStations();
    EXPECT_NEAR(doc->GetAreaBelow(kStationLeftBearing, 40.0), 1040.0, 1e-9);
    // At midspan the stored outline: 26 x 6 + (26 + 6) / 2 x 4.5 + 6 x 29.5 = 156 + 72 + 177.
    EXPECT_NEAR(doc->GetAreaBelow(kStationMidspan, 40.0), 405.0, 1e-9);

    // A square void 10 x 10 from y = 20 to 30 in a 20 x 40 block cut at 25: 500 - 50.
    auto slab = NewDoc();
    slab->m_nSectionType = kSectionSlab;
    SetOutline(*slab, {{-10, 0}, {-10, 40}, {10, 40}, {10, 0}, {-10, 0}});
    const double square[5][2] = {{-5, 20}, {-5, 30}, {5, 30}, {5, 20}, {-5, 20}};
    slab->m_nVoidPointCount = 5;
    for (int k = 0; k < 5; ++k) {
        slab->m_adVoidOutline[k][kPointX] = square[k][0];
        slab->m_adVoidOutline[k][kPointY] = square[k][1];
    }
    EXPECT_NEAR(slab->GetAreaBelow(0, 25.0), 450.0, 1e-9);
    EXPECT_NEAR(slab->GetAreaBelow(0, 15.0), 300.0, 1e-9) << "the void lies above the cut";
}

TEST_F(SectionAtStationTest, TendonAngle) {
    // Tendon over the whole 100 ft girder, 12 in at the ends and 3.5 in at mid-length:
    // e = 8.5 / 12 ft, 4 e / L = 0.0283333; station 0 lies at x = 1 ft (e = 1):
    // atan(0.0283333 x (2 / 100 - 1)) = atan(-0.0277667).
    auto doc = BulbTee();
    auto& p = doc->m_aTendons[0].m_adProfile;
    p[kProfileStart][kProfileX] = 0;
    p[kProfileStart][kProfileCg] = 12;
    p[kProfileVertex][kProfileX] = 50;
    p[kProfileVertex][kProfileCg] = 3.5;
    p[kProfileEnd][kProfileX] = 100;
    p[kProfileEnd][kProfileCg] = 12;
    const double k = 4.0 * (8.5 / 12.0) / 100.0;
    EXPECT_NEAR(doc->GetTendonAngle(0, kStationLeftBearing), std::atan(k * (2.0 / 100.0 - 1.0)),
                1e-15);
    EXPECT_LT(doc->GetTendonAngle(0, kStationLeftBearing), 0.0);
    EXPECT_NEAR(doc->GetTendonAngle(0, kStationMidspan), 0.0, 1e-15);
    EXPECT_NEAR(doc->GetTendonAngle(0, kStationRightBearing), -doc->GetTendonAngle(0, 0), 1e-15);

    p[kProfileVertex][kProfileCg] = 12;  // no drape
    EXPECT_EQ(doc->GetTendonAngle(0, kStationLeftBearing), 0.0);
    p[kProfileVertex][kProfileCg] = 3.5;
    p[kProfileEnd][kProfileX] = 0;  // profile of zero length
    EXPECT_EQ(doc->GetTendonAngle(0, kStationLeftBearing), 0.0);
    EXPECT_EQ(doc->GetTendonAngle(kMaxTendons, 0), 0.0);
}

}  // namespace
}  // namespace kordel::test
