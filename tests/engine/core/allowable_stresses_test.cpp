// Allowable stresses of example design 1 under both specifications and the 7th-edition bound,
// and the bonded steel of the tension zone at release.
//
// Example 1: f'ci = 5 ksi, f'c = 6 ksi, deck f'c = 4 ksi, lambda 1, LRFD 6th edition; release
// tension rule 1 with -0.0948, release compression 0.6, final tension -0.19 (both), final
// compression 0.45, 0.60 and 0.40. Section: h = 72 in, top flange 2.5 in thick and 42 in wide,
// web 6 in; tension-zone steel at 30 ksi.
#include "test_support.h"

namespace kordel::test {
namespace {

constexpr double kTol = 1e-5;  // ksi, in2

class AllowableStressesTest : public EngineTest {
  protected:
    void SetUp() override {
        frame.m_nSeedChoice = SeedSimpleSpan;
        doc = NewDoc();
        ASSERT_TRUE(doc->OnNewDocument());
        host.ClearMessages();
    }

    /// Release stresses of 0 at every station.
    void ClearRelease() {
        for (ServiceStress& S : doc->m_aServiceStress) {
            S[kServiceRelease][kServiceBottom] = 0.0;
            S[kServiceRelease][kServiceTop] = 0.0;
        }
    }

    std::unique_ptr<CKordelDoc> doc;
};

TEST_F(AllowableStressesTest, Example1Lrfd) {
    ASSERT_EQ(doc->m_nSpecification, kSpecLrfd);
    ASSERT_EQ(doc->m_dBeamFci, 5.0);
    ASSERT_EQ(doc->m_dBeamFc, 6.0);
    ASSERT_EQ(doc->m_dLambdaGirder, 1.0);
    // -0.0948 sqrt(5) = -0.211979, held to -0.2 by rule 1
    EXPECT_NEAR(doc->m_dAllowReleaseTension, -0.2, kTol);
    EXPECT_NEAR(doc->m_dAllowReleaseCompression, 3.0, kTol);  // 0.6 x 5
    // -0.24 sqrt(5)
    EXPECT_NEAR(doc->m_adAllowableStress[kAllowReleaseTensionWithSteel], -0.5366563, kTol);
    // -0.19 sqrt(6), 6th edition: no lambda, no bound
    EXPECT_NEAR(doc->m_dAllowFinalTensionAllLoads, -0.4654031, kTol);
    EXPECT_NEAR(doc->m_dAllowFinalTensionPermanent, -0.4654031, kTol);
    EXPECT_NEAR(doc->m_dAllowFinalCompressionPermanent, 2.7, kTol);        // 0.45 x 6
    EXPECT_NEAR(doc->m_dAllowFinalCompressionAllLoads, 3.6, kTol);         // 0.60 x 6
    EXPECT_NEAR(doc->m_dAllowFinalCompressionHalfPermanentLL, 2.4, kTol);  // 0.40 x 6
    EXPECT_NEAR(doc->m_dAllowDeckCompression, 1.6, kTol);                  // 0.40 x 4 (deck)
}

TEST_F(AllowableStressesTest, Example1StandardSpecifications) {
    doc->m_nSpecification = kSpecStandard;
    doc->ComputeAllowableStresses();
    // 7.5 sqrt(5000 psi) = 530.33 psi: -(7.5 / sqrt(1000)) sqrt(5)
    EXPECT_NEAR(doc->m_adAllowableStress[kAllowReleaseTensionWithSteel], -0.5303301, kTol);
    // The coefficient limits do not depend on the specification.
    EXPECT_NEAR(doc->m_dAllowReleaseTension, -0.2, kTol);
    EXPECT_NEAR(doc->m_dAllowFinalTensionAllLoads, -0.4654031, kTol);
    EXPECT_NEAR(doc->m_dAllowFinalCompressionPermanent, 2.7, kTol);
}

TEST_F(AllowableStressesTest, SeventhEditionBoundsTheFinalTension) {
    doc->m_nSpecEdition = 4;
    doc->m_dBeamFc = 10.0;
    doc->m_dLambdaGirder = 1.0;
    doc->m_dFinalTensionCoefAllLoads = -0.19;
    doc->m_dFinalTensionCoefPermanent = -0.0948;
    doc->ComputeAllowableStresses();
    EXPECT_NEAR(doc->m_dAllowFinalTensionAllLoads, -0.6, kTol);         // -0.19 sqrt(10) = -0.6008
    EXPECT_NEAR(doc->m_dAllowFinalTensionPermanent, -0.2997839, kTol);  // -0.0948 sqrt(10)
}

TEST_F(AllowableStressesTest, ReleaseTensionSteelByStation) {
    ClearRelease();
    // flim = -0.0948 sqrt(5) = -0.212, held to -0.2.
    struct Case {
        int station;
        double top, bottom, steel;
        const char* what;
    } const cases[] = {
        // y = 0.3 / 3.0 x 72 = 7.2 in below the 2.5 in flange: T = 28.7925 kip (see the
        // provision test), As = 28.7925 / 30 = 0.95975 in2
        {kStationLeftTransfer, -0.3, 2.7, 0.95975, "tension zone into the web"},
        // y = 0.05 / 2.55 x 72 = 1.411765 in within the flange: T = 0.5 x 0.05 x 1.411765 x 42
        // = 1.482353 kip; but -0.05 is inside the limit, so no steel
        {30, -0.05, 2.5, 0.0, "tension inside the limit"},
        // y = 0.21 / 2.71 x 72 = 5.579336 in; f1 = 0.21 x 3.079336 / 5.579336 = 0.115903;
        // T = 0.5 x 0.115903 x 3.079336 x 6 + 0.5 x 0.325903 x 2.5 x 42 = 1.070711 + 17.109896
        // = 18.180607 kip; As = 0.606020 in2
        {40, -0.21, 2.5, 0.6060202, "just beyond the limit"},
        {60, -0.5, -0.1, 0.0, "tension at both fibres"},
        {70, -0.5, 0.0, 0.0, "no compression at the bottom"},
    };
    for (const Case& c : cases) {
        doc->m_aServiceStress[c.station][kServiceRelease][kServiceTop] = c.top;
        doc->m_aServiceStress[c.station][kServiceRelease][kServiceBottom] = c.bottom;
    }
    doc->m_adReleaseTensionSteel[90] = 7.0;  // stale value of an earlier run
    doc->ComputeReleaseTensionSteel();
    for (const Case& c : cases)
        EXPECT_NEAR(doc->m_adReleaseTensionSteel[c.station], c.steel, kTol) << c.what;
    EXPECT_EQ(doc->m_adReleaseTensionSteel[90], 0.0);
    EXPECT_EQ(doc->m_bReleaseTensionSteelRequired, 1);
    EXPECT_EQ(doc->m_aServiceStress[0][kServiceRelease][kServiceEntryUnused], 0.0);

    ClearRelease();
    doc->ComputeReleaseTensionSteel();
    EXPECT_EQ(doc->m_bReleaseTensionSteelRequired, 0);
    for (int i = 0; i < kStationCount; ++i) EXPECT_EQ(doc->m_adReleaseTensionSteel[i], 0.0) << i;
}

TEST_F(AllowableStressesTest, ReleaseTensionLimitFollowsFci) {
    ClearRelease();
    doc->m_dBeamFci = 4.0;  // flim = -0.0948 x 2 = -0.1896
    doc->m_aServiceStress[50][kServiceRelease][kServiceTop] = -0.195;
    doc->m_aServiceStress[50][kServiceRelease][kServiceBottom] = 2.0;
    doc->ComputeReleaseTensionSteel();
    EXPECT_EQ(doc->m_bReleaseTensionSteelRequired, 1);
    EXPECT_GT(doc->m_adReleaseTensionSteel[50], 0.0);
}

TEST_F(AllowableStressesTest, NoSteelStressGivesAMessageAndNoArea) {
    ClearRelease();
    doc->m_dTensionTieSteelStress = 0.0;
    doc->m_aServiceStress[50][kServiceRelease][kServiceTop] = -0.3;
    doc->m_aServiceStress[50][kServiceRelease][kServiceBottom] = 2.7;
    doc->m_aServiceStress[51][kServiceRelease][kServiceTop] = -0.3;
    doc->m_aServiceStress[51][kServiceRelease][kServiceBottom] = 2.7;
    doc->ComputeReleaseTensionSteel();
    EXPECT_EQ(doc->m_adReleaseTensionSteel[50], 0.0);
    EXPECT_EQ(doc->m_bReleaseTensionSteelRequired, 1);  // steel is still needed
    EXPECT_EQ(host.Messages().size(), 1u);              // one message for the whole girder
}

}  // namespace
}  // namespace kordel::test
