// The stripping check on the 130 ft girder of the handling fixture, and its stress limits.
#include "engine/checks/stripping.h"

#include <cmath>

#include "handling_fixture.h"

namespace kordel::test {
namespace {

TEST(StrippingLimitsTest, TensionCompressionAndRupture) {
    // -0.0948 x 1.0 x sqrt(5.5) = -0.2223257, raised to -0.2 only when capped.
    EXPECT_DOUBLE_EQ(HandlingTensionLimit(-0.0948, 1.0, 5.5, true), -0.2);
    EXPECT_NEAR(HandlingTensionLimit(-0.0948, 1.0, 5.5, false), -0.2223257, 1e-7);
    EXPECT_NEAR(HandlingTensionLimit(-0.0948, 1.0, 4.0, true), -0.1896, 1e-12);
    struct Case {
        const char* name;
        bool lrfd;
        int densityClass;
        double fr;  // ksi at f'c = 4 ksi
    };
    const Case cases[] = {
        {"LRFD", true, kConcreteSandLightweight, -0.24 * 2},
        {"Standard, normal weight: 7.5 sqrt(4000 psi)", false, kConcreteNormalWeight,
         -7.5 * std::sqrt(4000.0) / 1000},
        {"Standard, sand-lightweight: 6.3", false, kConcreteSandLightweight,
         -6.3 * std::sqrt(4000.0) / 1000},
        {"Standard, all-lightweight: 5.5", false, kConcreteAllLightweight,
         -5.5 * std::sqrt(4000.0) / 1000},
        {"Standard, lightweight class 4 takes the all-lightweight value", false,
         kConcreteLightweight, -5.5 * std::sqrt(4000.0) / 1000},
    };
    for (const Case& c : cases) {
        EXPECT_NEAR(HandlingRuptureStress(c.lrfd, c.densityClass, 4.0), c.fr, 1e-12) << c.name;
    }
    EXPECT_EQ(HandlingRuptureStress(true, 1, -1.0), 0.0) << "no NaN from a negative strength";
    // Tie limit: -0.0948 sqrt(4) = -0.1896; at 5.529 ksi -0.2229 is held at -0.2.
    EXPECT_NEAR(StrippingTieTensionLimit(4.0), -0.1896, 1e-12);
    EXPECT_EQ(StrippingTieTensionLimit(5.529), -0.2);
}

TEST(StrippingLimitsTest, TensionTieForce) {
    // 72 in deep, 42 x 3.5 in flange, 6 in web.
    // Shallow: ft = -0.3, fb = 3.3: x = 0.3 / 3.6 x 72 = 6 in > 3.5: f2 = 2.5 / 6 x 0.3 = 0.125;
    // T = 0.5 (0.425) 3.5 x 42 + 0.5 x 0.125 x 2.5 x 6 = 31.2375 + 0.9375 = 32.175 kip.
    EXPECT_NEAR(TensionTieForce(3.3, -0.3, 72, 3.5, 42, 6), 32.175, 1e-9);
    // Within the flange: ft = -0.1, fb = 3.5: x = 0.1 / 3.6 x 72 = 2 in: T = 0.5 x 0.1 x 2 x 42.
    EXPECT_NEAR(TensionTieForce(3.5, -0.1, 72, 3.5, 42, 6), 4.2, 1e-9);
    // A bottom fibre in tension too needs no tie.
    EXPECT_EQ(TensionTieForce(-0.1, -0.5, 72, 3.5, 42, 6), 0.0);
}

using StrippingTest = LongGirderHandlingTest;

// The lifting devices at 10 ft from the left end and 6 ft from the right, 10 % form suction.
// With the same prestress everywhere the bottom fibre is most compressed where the hogging
// moment is largest, over the left device (station 109, x = 10 ft): -w a^2 / 2 = -39.95 k-ft,
// x 1.1 with suction = -43.945 k-ft.
//  B: (3.282009 + 12 x 39.95 / 14915.1366) / 0.6 = 5.523585 ksi
//  C: (3.282009 + 12 x 43.945 / 14915.1366) / 0.6 = 5.528941 ksi, and E (a = 10, b = 0) the
//     same: C comes first and governs.
//  D: (a = 0, b = 6) hogging 1.1 x 0.799 x 36 / 2 = 15.82 k-ft: 5.4912 ksi < 5.5: f'ci.
//  A: at most 3.282009 / 0.6 = 5.4700 ksi: f'ci.
TEST_F(StrippingTest, RequiredReleaseStrengthOfEachCase) {
    doc->m_dLiftSupportRight = 6.0;
    doc->CheckStripping();
    const CKordelDoc& d = *doc;
    const double expected[kStripCaseCount] = {5.5, 5.523585, 5.528941, 5.5, 5.528941};
    for (int k = 0; k < kStripCaseCount; ++k) {
        EXPECT_EQ(d.m_abStripCaseActive[k], 1) << "case " << k;
        EXPECT_EQ(d.m_abStripCaseConverged[k], 1) << "case " << k;
        EXPECT_NEAR(d.m_adStripCaseFci[k], expected[k], 1e-6) << "case " << k;
    }
    EXPECT_EQ(d.m_nStripGoverningCase, kStripCaseC);
    EXPECT_EQ(d.m_dStripFci, 5.5) << "the check ends with the input f'ci";

    // Stresses of case C over the left device: fb = 3.317365, ft = -0.635235 - 12 x 43.945 /
    // 15420.7345 = -0.669432 ksi.
    const int i = kStationLeftLift;
    EXPECT_NEAR(d.m_adStripTotalBottom[i][kStripCaseC], 3.317365, 1e-6);
    EXPECT_NEAR(d.m_adStripTotalTop[i][kStripCaseC], -0.669432, 1e-6);
    EXPECT_NEAR(d.m_adStripGirderTop[i][kStripCaseC], -12 * 43.945 / (kI / kYt), 1e-9);
    EXPECT_NEAR(d.m_adStripPrestressBottom[i], 3.282009, 1e-6);
    // Tension tie, limit max(-0.0948 sqrt(5.528941), -0.2) = -0.2: t = 0.669432,
    // x = t / (3.317365 + t) 72 = 12.08968 in; f2 = (x - 3.5) / x t = 0.475629;
    // T = 0.5 (t + f2) 3.5 x 42 + 0.5 f2 (x - 3.5) 6 = 96.4185 kip; As = T / 30 = 3.213951 in2.
    EXPECT_NEAR(d.m_adStripTensionSteelArea[i][kStripCaseC], 3.213951, 1e-6);
    EXPECT_EQ(d.m_abStripCaseTensionSteel[kStripCaseC], 1);

    // Allowables at the input f'ci = 5.5: tension -0.0948 sqrt(5.5) = -0.2223 held at -0.2,
    // compression 0.6 x 5.5 = 3.3, rupture -0.24 sqrt(5.5) = -0.562850.
    EXPECT_EQ(d.m_dReleaseTensionAllowable, -0.2);
    EXPECT_NEAR(d.m_dReleaseCompressionAllowable, 3.3, 1e-12);
    EXPECT_NEAR(d.m_dReleaseRuptureStress, -0.562850, 1e-6);
    EXPECT_TRUE(host.Messages().empty());
}

TEST_F(StrippingTest, CasesThatAreNotEvaluated) {
    struct Case {
        const char* name;
        double suction, left, right;
        int active[kStripCaseCount];
    };
    const Case cases[] = {
        {"no form suction skips C", 0, 10, 10, {1, 1, 0, 1, 1}},
        {"a right device at the end skips D", 10, 10, 0, {1, 1, 1, 0, 1}},
        {"both devices at the ends: only A, B and C", 10, 0, 0, {1, 1, 1, 0, 0}},
    };
    for (const Case& c : cases) {
        doc->m_dImpactFormSuction = c.suction;
        doc->m_dLiftSupportLeft = c.left;
        doc->m_dLiftSupportRight = c.right;
        doc->CheckStripping();
        for (int k = 0; k < kStripCaseCount; ++k) {
            EXPECT_EQ(doc->m_abStripCaseActive[k], c.active[k]) << c.name << ", case " << k;
        }
    }
}

TEST_F(StrippingTest, LowStressesNeedNoMoreThanTheInputStrength) {
    for (int i = 0; i < kStationCount; ++i) doc->m_adPrestressForceRelease[i] = 300;
    doc->CheckStripping();
    for (int k = 0; k < kStripCaseCount; ++k) {
        EXPECT_EQ(doc->m_adStripCaseFci[k], 5.5) << "case " << k;
        EXPECT_EQ(doc->m_abStripCaseConverged[k], 1) << "case " << k;
    }
    EXPECT_EQ(doc->m_nStripGoverningCase, kStripCaseA);
}

TEST_F(StrippingTest, PostTensionedDesignSetsOnlyTheAllowables) {
    doc->CheckStripping();
    const double before = doc->m_adStripTotalBottom[50][kStripCaseA];
    doc->m_nPrestressType = kPostTensioned;
    doc->m_dBeamFci = 4.0;
    for (int i = 0; i < kStationCount; ++i) doc->m_adPrestressForceRelease[i] = 0;
    doc->CheckStripping();
    EXPECT_EQ(doc->m_dStripFci, 4.0);
    EXPECT_NEAR(doc->m_dReleaseCompressionAllowable, 2.4, 1e-12);
    EXPECT_NEAR(doc->m_dReleaseTensionAllowable, -0.1896, 1e-12);
    EXPECT_EQ(doc->m_adStripTotalBottom[50][kStripCaseA], before);
}

TEST_F(StrippingTest, SupportsWithNoSpanAreReportedNotDivided) {
    doc->m_dLiftSupportLeft = 70;  // 70 + 65 > 130
    doc->m_dLiftSupportRight = 65;
    doc->CheckStripping();
    EXPECT_EQ(doc->m_abStripCaseActive[kStripCaseA], 1);
    EXPECT_EQ(doc->m_abStripCaseActive[kStripCaseB], 0);
    EXPECT_EQ(doc->m_abStripCaseActive[kStripCaseC], 0);
    ASSERT_EQ(host.Messages().size(), 2u);
    EXPECT_NE(host.Messages()[0].text.find("case B leave no span"), std::string::npos);

    // A section the stresses cannot be divided by: nothing is evaluated, one message.
    host.ClearMessages();
    doc->m_adSectionModulusAtStation[7][SectionModulusSlot(0, kFibreGirderTop)] = 0;
    doc->CheckStripping();
    for (int k = 0; k < kStripCaseCount; ++k) EXPECT_EQ(doc->m_abStripCaseActive[k], 0);
    ASSERT_EQ(host.Messages().size(), 1u);
    EXPECT_NE(host.Messages()[0].text.find("station 7"), std::string::npos);
    EXPECT_TRUE(std::isfinite(doc->m_dReleaseRuptureStress));
}

}  // namespace
}  // namespace kordel::test
