// Analysis stations of a simple span and of a girder whose design span equals its length, the
// drape point rules, the handling-support clamps, the span layout of a simple span, and the end
// values of the current span on hand-filled shear tables.
#include <cmath>

#include "test_support.h"

namespace kordel::test {
namespace {

class StationsTest : public EngineTest {
  protected:
    /// A 106 ft girder on a 105 ft design span (e = 0.5 ft), 12 in pads, 0.5 in strands with a
    /// transfer length of 60 db (2.5 ft), a 72 in girder with an 8 in deck (hc = 80 in), LRFD,
    /// drape at 0.4 L, lifting 5 ft and shipping 8 and 10 ft from the ends.
    std::unique_ptr<CKordelDoc> SimpleSpan() {
        auto doc = NewDoc();
        doc->m_nSpecification = kSpecLrfd;
        doc->m_bContinuous = 0;
        doc->m_dGirderLength = 106;
        doc->m_dDesignSpan = 105;
        doc->m_dBearingPadLength = 12;
        doc->m_dStrandDiameter = 0.5;
        doc->m_dTransferLengthFactor = 60;
        doc->m_dSectionHeight = 72;
        doc->m_dDeckThickness = 8;
        doc->m_nDrapePointMode = kDrapeByFraction;
        doc->m_dDrapeFraction = 0.4;
        doc->m_dLiftSupportLeft = 5;
        doc->m_dLiftSupportRight = 5;
        doc->m_dShipSupportLeft = 8;
        doc->m_dShipSupportRight = 10;
        return doc;
    }
};

void ExpectStations(const CKordelDoc& doc, const std::vector<std::pair<int, double>>& expected) {
    for (const auto& [i, x] : expected) {
        EXPECT_NEAR(doc.m_adStationX[i], x, 1e-12) << "station " << i << ", ft";
    }
}

TEST_F(StationsTest, SimpleSpan) {
    auto doc = SimpleSpan();
    doc->ComputeStations();

    EXPECT_DOUBLE_EQ(doc->m_dEndDistance, 0.5);          // (106 - 105) / 2
    EXPECT_DOUBLE_EQ(doc->m_dTransferLength, 2.5);       // 60 x 0.5 / 12
    EXPECT_DOUBLE_EQ(doc->m_dCompositeHeight, 80.0);     // 72 + 0 + 8 + 0 - 0
    EXPECT_DOUBLE_EQ(doc->m_dDrapePointDistance, 42.0);  // 0.4 x 105
    ExpectStations(*doc, {
                             {0, 0.0},     {1, 1.05},                 // 105 / 100
                             {37, 38.85},                             // 0.37 x 105
                             {50, 52.5},   {100, 105.0}, {101, 0.5},  // 12 / 2 / 12
                             {102, 2.0},                              // lt - e = 2.5 - 0.5
                             {103, 5.3},    // (0.72 x 80 + 6) / 12 = 63.6 / 12
                             {104, 42.0},   // 0.4 x 105
                             {105, 63.0},   // 105 - 42
                             {106, 99.7},   // 105 - 5.3
                             {107, 103.0},  // 105 - 2
                             {108, 104.5},  // 105 - 0.5
                             {109, 4.5},    // 5 - 0.5
                             {110, 100.5},  // 106 - 5 - 0.5
                             {111, 7.5},    // 8 - 0.5
                             {112, 95.5},   // 106 - 10 - 0.5
                             {113, 0.1},   {114, 0.1},
                         });

    // The single span of a simple-span design.
    EXPECT_EQ(doc->m_nSpans, 1);
    EXPECT_EQ(doc->m_adSpanLength[1], 105.0);
    EXPECT_EQ(doc->m_adSpanGirderLength[1], 106.0);
    EXPECT_EQ(doc->m_adGirderOffsetLeft[1], -0.5);  // (105 - 106) / 2
    EXPECT_EQ(doc->m_adPadOffsetLeft[1], 0.5);
    EXPECT_EQ(doc->m_adPadOffsetRight[1], 0.5);
}

TEST_F(StationsTest, CriticalSectionUnderTheStandardSpecifications) {
    auto doc = SimpleSpan();
    doc->m_nSpecification = kSpecStandard;
    doc->ComputeStations();
    EXPECT_NEAR(doc->m_adStationX[kStationLeftCritical], 46.0 / 12.0,
                1e-12);  // (0.5 x 80 + 6) / 12
    EXPECT_NEAR(doc->m_adStationX[kStationRightCritical], 105.0 - 46.0 / 12.0, 1e-12);

    // The composite height counts haunch and overlay and takes off the integral wearing surface:
    // 50 + 1 + 8 + 1.5 - 0.5 = 60 in; LRFD (0.72 x 60 + 6) / 12 = 4.1.
    doc->m_nSpecification = kSpecLrfd;
    doc->m_dSectionHeight = 50;
    doc->m_dHaunchThickness = 1;
    doc->m_dOverlayThickness = 1.5;
    doc->m_dWearingSurfaceThickness = 0.5;
    doc->ComputeStations();
    EXPECT_DOUBLE_EQ(doc->m_dCompositeHeight, 60.0);
    EXPECT_NEAR(doc->m_adStationX[kStationLeftCritical], 4.1, 1e-12);
}

TEST_F(StationsTest, DesignSpanEqualToGirderLength) {
    // End distance 0: the bearing centrelines are the girder ends and station 100 lies at x = G.
    auto doc = SimpleSpan();
    doc->m_dDesignSpan = 106;
    doc->m_dLiftSupportLeft = 0;
    doc->m_dLiftSupportRight = 0;
    doc->ComputeStations();
    EXPECT_EQ(doc->m_dEndDistance, 0.0);
    ExpectStations(*doc, {
                             {50, 53.0},
                             {100, 106.0},
                             {102, 2.5},    // lt - 0
                             {107, 103.5},  // 106 - 2.5
                             {104, 42.4},   // 0.4 x 106
                             {109, 0.0},    // 0 - 0
                             {110, 106.0},  // 106 - 0 - 0, at L
                             {112, 96.0},   // 106 - 10 - 0
                         });
    EXPECT_EQ(doc->m_adGirderOffsetLeft[1], 0.0);
    EXPECT_EQ(doc->m_adPadOffsetLeft[1], 0.0);
    EXPECT_EQ(host.Messages().size(), 0u);
}

TEST_F(StationsTest, TransferLengthShorterThanTheEndDistance) {
    // e = (110 - 105) / 2 = 2.5 ft, lt = 60 x 0.25 / 12 = 1.25 ft: the transfer point lies between
    // the girder end and the bearing, left of station 0, and its mirror beyond L.
    auto doc = SimpleSpan();
    doc->m_dGirderLength = 110;
    doc->m_dStrandDiameter = 0.25;
    doc->ComputeStations();
    EXPECT_NEAR(doc->m_adStationX[kStationLeftTransfer], -1.25, 1e-12);
    EXPECT_NEAR(doc->m_adStationX[kStationRightTransfer], 106.25, 1e-12);
}

TEST_F(StationsTest, HandlingSupportsStayOnTheSpan) {
    auto doc = SimpleSpan();
    doc->m_dLiftSupportLeft = 0.2;   // nearer the end than the bearing (e = 0.5): 0.2 - 0.5 < 0
    doc->m_dShipSupportRight = 0.1;  // 106 - 0.1 - 0.5 = 105.4 > L
    doc->m_dShipSupportLeft = 0.5;   // exactly at the bearing
    doc->ComputeStations();
    EXPECT_EQ(doc->m_adStationX[kStationLeftLift], 0.0);
    EXPECT_EQ(doc->m_adStationX[kStationRightShip], 105.0);
    EXPECT_EQ(doc->m_adStationX[kStationLeftShip], 0.0);
}

TEST_F(StationsTest, DrapePoint) {
    struct Case {
        const char* name;
        int mode;
        double fraction;       // entered
        double distance;       // entered, ft
        double fractionAfter;  // kept in the design
        double distanceAfter;  // ft
        double x104;           // ft; L = 105
    };
    const Case cases[] = {
        {"fraction 0.4", kDrapeByFraction, 0.4, 7.0, 0.4, 42.0, 42.0},
        {"fraction 0: midspan, distance 0", kDrapeByFraction, 0.0, 7.0, 0.0, 0.0, 52.5},
        {"distance 42 ft", kDrapeByDistance, 0.1, 42.0, 0.4, 42.0, 42.0},
        // 0.6 L = 63 ft lies beyond midspan: moved to midspan.
        {"distance beyond midspan", kDrapeByDistance, 0.1, 63.0, 0.5, 52.5, 52.5},
        {"distance exactly at midspan", kDrapeByDistance, 0.1, 52.5, 0.5, 52.5, 52.5},
        {"other mode keeps both", 3, 0.3, 12.0, 0.3, 12.0, 31.5},
        {"other mode, fraction 0", 0, 0.0, 12.0, 0.0, 12.0, 52.5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto doc = SimpleSpan();
        doc->m_nDrapePointMode = c.mode;
        doc->m_dDrapeFraction = c.fraction;
        doc->m_dDrapePointDistance = c.distance;
        doc->ComputeStations();
        EXPECT_NEAR(doc->m_dDrapeFraction, c.fractionAfter, 1e-12);
        EXPECT_NEAR(doc->m_dDrapePointDistance, c.distanceAfter, 1e-12);
        EXPECT_NEAR(doc->m_adStationX[kStationLeftDrape], c.x104, 1e-12);
        EXPECT_NEAR(doc->m_adStationX[kStationRightDrape], 105.0 - c.x104, 1e-12);
    }
}

TEST_F(StationsTest, DrapeByDistanceOnASpanOfZero) {
    // 0 / 0 has no value: the routine says so and keeps the entered fraction.
    auto doc = SimpleSpan();
    doc->m_dDesignSpan = 0;
    doc->m_nDrapePointMode = kDrapeByDistance;
    doc->m_dDrapePointDistance = 0;
    doc->m_dDrapeFraction = 0.35;
    doc->ComputeStations();
    ASSERT_EQ(host.Messages().size(), 1u);
    EXPECT_NE(host.Messages()[0].text.find("design span is 0"), std::string::npos);
    EXPECT_EQ(doc->m_dDrapeFraction, 0.35);
    for (int i = 0; i < kStationCount; ++i) {
        EXPECT_TRUE(std::isfinite(doc->m_adStationX[i])) << "station " << i;
    }
}

TEST_F(StationsTest, ContinuousLayoutIsLeftAsEntered) {
    auto doc = SimpleSpan();
    doc->m_bContinuous = 1;
    doc->m_nSpans = 3;
    doc->m_adSpanLength[1] = 106;
    doc->m_adGirderOffsetLeft[1] = -0.5;
    doc->ComputeStations();
    EXPECT_EQ(doc->m_nSpans, 3);
    EXPECT_EQ(doc->m_adSpanLength[1], 106.0);
    EXPECT_EQ(doc->m_adGirderOffsetLeft[1], -0.5);
}

// ---- Span end values ----------------------------------------------------------------------------

class SpanEndValuesTest : public EngineTest {
  protected:
    /// Three spans; span 2 is 120 ft pier to pier with a 119 ft girder whose left end stands
    /// 0.5 ft into the span and whose bearings are 0.5 ft in from its ends. Stations of a 118 ft
    /// design span: x10 = 11.8, x90 = 106.2 ft. Barrier shears (entry 6): 20 kip at station 0,
    /// 16 at 10, -16 at 90, -20 at 100; girder end records 12.5 (left) and -12.5 (right).
    std::unique_ptr<CKordelDoc> ThreeSpans(int currentSpan) {
        auto doc = NewDoc();
        doc->m_bContinuous = 1;
        doc->m_nSpans = 3;
        doc->m_nCurrentSpan = currentSpan;
        for (int s = 1; s <= 3; ++s) {
            doc->m_adSpanLength[s] = 120;
            doc->m_adSpanGirderLength[s] = 119;
            doc->m_adGirderOffsetLeft[s] = 0.5;
            doc->m_adPadOffsetLeft[s] = 0.5;
            doc->m_adPadOffsetRight[s] = 0.5;
        }
        for (int i = 0; i <= 100; ++i) doc->m_adStationX[i] = i / 100.0 * 118.0;
        LoadEffectRecord* V = doc->m_aShear;
        V[0][kCaseBarriers] = 20;
        V[10][kCaseBarriers] = 16;
        V[90][kCaseBarriers] = -16;
        V[100][kCaseBarriers] = -20;
        doc->m_aSupportEffect[kSupportLeftReaction][kCaseBarriers] = 12.5;
        doc->m_aSupportEffect[kSupportRightReaction][kCaseBarriers] = -12.5;
        doc->m_aSupportEffect[kSupportSpanLeftEnd][kCaseDeck] = 7.0;  // not an end-value entry
        return doc;
    }
};

// Extrapolated to the support line: slope 4 / 11.8 kip/ft over 0.5 + 0.5 + 11.8 = 12.8 ft on the
// left and (120 - 119 - 0.5) + 0.5 + 11.8 = 12.8 ft on the right, from |16|:
// 16 + 12.8 x 4 / 11.8 = 20.338983 kip.
constexpr double kExtrapolated = 16.0 + 12.8 * 4.0 / 11.8;

TEST_F(SpanEndValuesTest, CopiedAtGirderEndsExtrapolatedAtInnerSupports) {
    struct Case {
        int span;
        double left;   // record 0, entry 6
        double right;  // record 3, entry 6
    };
    const Case cases[] = {
        {1, 12.5, kExtrapolated},           // first span: left end is the girder's own end
        {2, kExtrapolated, kExtrapolated},  // inner span: both ends extrapolated (magnitudes)
        {3, kExtrapolated, -12.5},          // last span: right end copied with its sign
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "span " << c.span);
        auto doc = ThreeSpans(c.span);
        doc->ComputeSpanEndValues();
        EXPECT_NEAR(doc->m_aSupportEffect[kSupportSpanLeftEnd][kCaseBarriers], c.left, 1e-12);
        EXPECT_NEAR(doc->m_aSupportEffect[kSupportSpanRightEnd][kCaseBarriers], c.right, 1e-12);
        EXPECT_EQ(doc->m_aSupportEffect[kSupportSpanLeftEnd][kCaseDeck], 7.0)
            << "entries other than 6, 7, 8, 13 and 15 are not written";
    }
}

TEST_F(SpanEndValuesTest, OneSpanCopiesBothEnds) {
    auto doc = ThreeSpans(1);
    doc->m_nSpans = 1;
    doc->m_aSupportEffect[kSupportLeftReaction][kCaseLiveLoad] = 55.0;
    doc->m_aSupportEffect[kSupportRightReaction][kCasePedestrian] = -3.0;
    doc->ComputeSpanEndValues();
    EXPECT_EQ(doc->m_aSupportEffect[kSupportSpanLeftEnd][kCaseBarriers], 12.5);
    EXPECT_EQ(doc->m_aSupportEffect[kSupportSpanRightEnd][kCaseBarriers], -12.5);
    EXPECT_EQ(doc->m_aSupportEffect[kSupportSpanLeftEnd][kCaseLiveLoad], 55.0);
    EXPECT_EQ(doc->m_aSupportEffect[kSupportSpanRightEnd][kCasePedestrian], -3.0);
}

TEST_F(SpanEndValuesTest, CoincidentStationsTakeASlopeOfOne) {
    // L = 0: stations 0 and 10 coincide, the slope is taken as 1 kip/ft:
    // left (0.5 + 0.5 + 0) x 1 + |16| = 17; right ((120 - 119 - 0.5) + 0.5 + 0) x 1 + |-16| = 17.
    auto doc = ThreeSpans(2);
    for (int i = 0; i <= 100; ++i) doc->m_adStationX[i] = 0.0;
    EXPECT_DOUBLE_EQ(doc->ExtrapolateSpanEndValue(kCaseBarriers, 0), 17.0);
    EXPECT_DOUBLE_EQ(doc->ExtrapolateSpanEndValue(kCaseBarriers, 1), 17.0);
}

TEST_F(SpanEndValuesTest, SpanOutsideTheLayoutIsNotRead) {
    // Span 25 has no slot: the girder's own end values stand in, and the user is told.
    auto doc = ThreeSpans(25);
    doc->ComputeSpanEndValues();
    EXPECT_EQ(doc->m_aSupportEffect[kSupportSpanLeftEnd][kCaseBarriers], 12.5);
    EXPECT_EQ(doc->m_aSupportEffect[kSupportSpanRightEnd][kCaseBarriers], -12.5);
    EXPECT_EQ(host.Messages().size(), 1u);
}

TEST_F(StationsTest, BlankDesignStaysQuietAndFinite) {
    // A new document before any design is chosen: every length 0. The stations and the span end
    // step run without a message and without a non-finite value.
    auto doc = NewDoc();
    doc->ComputeStations();
    doc->ComputeSpanEndValues();
    EXPECT_EQ(host.Messages().size(), 0u);
    for (int i = 0; i < kStationCount; ++i) {
        EXPECT_EQ(doc->m_adStationX[i], i == kStationFixed1 || i == kStationFixed2 ? 0.1 : 0.0)
            << "station " << i;
    }
    for (int k = 0; k < kLoadEffectFields; ++k) {
        EXPECT_TRUE(std::isfinite(doc->m_aSupportEffect[kSupportSpanLeftEnd][k]));
        EXPECT_TRUE(std::isfinite(doc->m_aSupportEffect[kSupportSpanRightEnd][k]));
    }
}

}  // namespace
}  // namespace kordel::test
