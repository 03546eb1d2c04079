// Time-dependent restraint moments on example design 3 (three continuous spans of 106, 120 and
// 106 ft of 72 in bulb-tees with 36 strands of 0.5 in at 0.75 fpu; continuity at 20 days, deck at
// 60 days; ultimate creep 2.0, shrinkage 600 x 10^-6 of girder and deck), with a hand estimate of
// the creep and shrinkage restraint, and the cases of two spans and of no strands.
#include <cmath>

#include "test_support.h"

namespace kordel::test {
namespace {

class RestraintMomentsTest : public EngineTest {
  protected:
    void SetUp() override {
        frame.m_nSeedChoice = SeedContinuous;
        doc = NewDoc();
        ASSERT_TRUE(doc->OnNewDocument());
        ASSERT_EQ(doc->m_bComputeRestraintMoments, 1);
        host.ClearMessages();
    }
    double Field(int station, int field) const { return doc->m_aMoment[station][field]; }
    std::unique_ptr<CKordelDoc> doc;
};

// Hand estimate at the first pier (the right end of span 1), by the method of NCHRP Report 322
// simplified to one step (the end span taken as a propped cantilever: a uniform moment M0 gives a
// fixed-end moment 1.5 M0, a uniform load wL^2/8 the moment Md = wL^2/8 itself):
//   creep from continuity (20 days) to the deck (60 days): the strands at about 171 ksi,
//   P = 171 x 36 x 0.153 = 942 kip, about 30 in below the girder centroid: P e = 2355 kip-ft;
//   the girder weight Md = 1101 kip-ft; the creep coefficient grows by 2.0 (c(60) - c(20)) =
//   2.0 (0.5384 - 0.3763) = 0.324, which gives a restraint of (1 - exp(-0.324)) = 0.28 of the
//   locked-in rotation: M+ = (1.5 x 2355 - 1101) x 0.28 = 680 kip-ft, sagging (the prestress
//   keeps cambering the girders up against the continuity connection).
//   Deck shrinkage in the 40 days after casting: 600 x 40/75 = 320 x 10^-6 in the deck against
//   600 x (100/155 - 60/115) = 74 x 10^-6 in the girder; the difference 246 x 10^-6 on the deck
//   (8 x 108 in, Ecd about 3600 ksi) is a force of 765 kip at 20.5 in above the composite
//   centroid, Ms = 1307 kip-ft; restrained as a uniform moment with creep relief a = 0.85:
//   -1.5 x 1307 x 0.85 = -1666 kip-ft, so with the creep before it M- = 680 - 1666 = -986
//   kip-ft, hogging.
// The stepped analysis must agree in sign and within a factor of two.
TEST_F(RestraintMomentsTest, Example3AgainstAHandEstimate) {
    ASSERT_EQ(doc->m_nCurrentSpan, 1);
    const double Mpos = Field(kStationRightBearing, kCaseRestraintPositive);
    const double Mneg = Field(kStationRightBearing, kCaseRestraintNegative);
    EXPECT_GT(Mpos, 0.5 * 680) << "positive restraint at the pier";
    EXPECT_LT(Mpos, 2.0 * 680) << "positive restraint at the pier";
    EXPECT_LT(Mneg, 0.5 * -986) << "negative restraint at the pier";
    EXPECT_GT(Mneg, 2.0 * -986) << "negative restraint at the pier";
    // The free end of span 1 takes none; the fields vary linearly over the span.
    EXPECT_EQ(Field(kStationLeftBearing, kCaseRestraintPositive), 0.0);
    EXPECT_EQ(Field(kStationLeftBearing, kCaseRestraintNegative), 0.0);
    const double u = doc->m_adStationX[kStationMidspan] / doc->m_dDesignSpan;
    EXPECT_NEAR(Field(kStationMidspan, kCaseRestraintPositive), u * Mpos, 1e-9);
    // The series: 33 points from 20 to 10000 days, finite throughout, the strand stress falling
    // from release (fpi = 202.5 ksi) and rising by the elastic gain when the deck is cast.
    EXPECT_EQ(doc->m_nTdTimeCount, 33);
    EXPECT_EQ(doc->m_adTdTime[1], 20.0);
    EXPECT_EQ(doc->m_adTdTime[33], 10000.0);
    EXPECT_LT(doc->m_dTdStressAfterRelease, 202500.0);
    EXPECT_LT(doc->m_dTdStrandStress, doc->m_dTdStressAfterRelease);
    for (const auto& row : doc->m_aTimeDependent)
        for (double v : row) ASSERT_TRUE(std::isfinite(v));
    EXPECT_TRUE(host.Messages().empty());
}

TEST_F(RestraintMomentsTest, OnlyTheCurrentSpanTableTakesTheNegativeRestraint) {
    // The negative restraint line of the span being designed, from its left to its right support,
    // goes into that span's table; the other spans' tables stay 0 (their supports carry other
    // moments), and an abutment carries none.
    struct Case {
        int span;
        bool leftAbutment, rightAbutment;
    } const cases[] = {{1, true, false}, {2, false, false}, {3, false, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "current span " << c.span);
        doc->m_nCurrentSpan = c.span;
        doc->RunAnalysis();
        const double left = Field(kStationLeftBearing, kCaseRestraintNegative);
        const double right = Field(kStationRightBearing, kCaseRestraintNegative);
        EXPECT_EQ(left == 0.0, c.leftAbutment) << left;
        EXPECT_EQ(right == 0.0, c.rightAbutment) << right;
        for (int span = 1; span <= 3; ++span) {
            for (int k = 0; k < kSpanTenthPoints; ++k) {
                const double expected = span == c.span ? left + k / 10.0 * (right - left) : 0.0;
                EXPECT_NEAR(doc->m_aSpanEnvelope1[span][k][kSpanValue17], expected, 1e-9)
                    << "span " << span << ", tenth point " << k;
            }
        }
    }
}

TEST_F(RestraintMomentsTest, TwoSpansUseTheExteriorSeriesAtBothEnds) {
    doc->m_nSpans = 2;
    doc->m_adSpanLength[3] = 0;
    doc->RunAnalysis();
    const double Xe = Field(kStationRightBearing, kCaseRestraintNegative);
    EXPECT_LT(Xe, 0.0);
    EXPECT_EQ(Field(kStationLeftBearing, kCaseRestraintNegative), 0.0);
    // The interior series carry nothing with two spans.
    for (int i = 2; i <= doc->m_nTdTimeCount + 1; ++i) {
        EXPECT_EQ(doc->m_aTimeDependent[kTdInterior][i], 0.0);
        EXPECT_EQ(doc->m_aTimeDependent[kTdInteriorLeft][i], 0.0);
    }
    // Span 2 is the mirror image: the smallest exterior value at its left end, 0 at its right.
    doc->m_nCurrentSpan = 2;
    doc->RunAnalysis();
    double XeMin = 0;
    for (int i = 2; i <= doc->m_nTdTimeCount; ++i)
        XeMin = std::min(XeMin, doc->m_aTimeDependent[kTdExterior][i + 1]);
    EXPECT_LT(XeMin, 0.0);
    EXPECT_EQ(Field(kStationLeftBearing, kCaseRestraintNegative), XeMin);
    EXPECT_EQ(Field(kStationRightBearing, kCaseRestraintNegative), 0.0);
}

TEST_F(RestraintMomentsTest, InteriorSpanUsesTheInteriorSupports) {
    // The middle of three spans takes the left and right series of the second span.
    doc->m_nCurrentSpan = 2;
    doc->RunAnalysis();
    double maxL = 0, maxR = 0;
    for (int i = 2; i <= doc->m_nTdTimeCount; ++i) {
        maxL = std::max(maxL, doc->m_aTimeDependent[kTdInteriorLeft][i + 1]);
        maxR = std::max(maxR, doc->m_aTimeDependent[kTdInteriorRight][i + 1]);
    }
    EXPECT_NEAR(Field(kStationLeftBearing, kCaseRestraintPositive), maxL, 1e-9);
    EXPECT_NEAR(Field(kStationRightBearing, kCaseRestraintPositive), maxR, 1e-9);
}

TEST_F(RestraintMomentsTest, DeckBeforeContinuityAndNoStrands) {
    // Deck cast before continuity: composite from the first step after continuity, and no gain
    // added later (the two strand series fall monotonically).
    doc->m_dAgeAtDeckCasting = 10;
    doc->RunAnalysis();
    for (int i = 2; i <= doc->m_nTdTimeCount; ++i)
        EXPECT_LE(doc->m_aTimeDependent[kTdStrandExterior][i + 1],
                  doc->m_aTimeDependent[kTdStrandExterior][i] + 1e-9);
    // No strands at all: the strand centroid is taken as 0 (not 0/0) and every value is finite.
    for (int r = 0; r < kMaxPatternRows; ++r) {
        doc->m_aEndRows[r][kRowStraightCount] = 0;
        doc->m_aEndRows[r][kRowDrapedCount] = 0;
        doc->m_aDrapeRows[r][kRowDrapedCount] = 0;
    }
    doc->m_nStrandCount = 0;
    doc->ComputeContinuityRestraint();
    for (const auto& row : doc->m_aTimeDependent)
        for (double v : row) ASSERT_TRUE(std::isfinite(v));
    for (int i = 0; i < kStationCount; ++i) {
        ASSERT_TRUE(std::isfinite(Field(i, kCaseRestraintPositive)));
        ASSERT_TRUE(std::isfinite(Field(i, kCaseRestraintNegative)));
    }
}

TEST_F(RestraintMomentsTest, MissingSectionGivesNoRestraintAndAMessage) {
    doc->m_dVolumeToSurface = 0;
    doc->ComputeContinuityRestraint();
    EXPECT_FALSE(host.Messages().empty());
    for (int i = 0; i < kStationCount; ++i) {
        EXPECT_EQ(Field(i, kCaseRestraintPositive), 0.0);
        EXPECT_EQ(Field(i, kCaseRestraintNegative), 0.0);
    }
}

}  // namespace
}  // namespace kordel::test
