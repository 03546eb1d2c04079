// Factored strength effects from hand load-effect tables on example design 1 (LRFD defaults:
// Strength I 1.25 DC, 1.5 DW, 1.75 LL; Strength II 1.25, 1.5, 1.35; restraint 0.5): Strength I
// at midspan and at the critical section, the shears held near the supports, Strength II only
// when asked, the load modifier, the shear-design pairs and the continuous-girder moments.
#include "test_support.h"

namespace kordel::test {
namespace {

constexpr double kTol = 1e-6;  // kip-ft, kip

class FactoredEffectsTest : public EngineTest {
  protected:
    void SetUp() override {
        frame.m_nSeedChoice = SeedSimpleSpan;
        doc = NewDoc();
        ASSERT_TRUE(doc->OnNewDocument());
        ASSERT_EQ(doc->m_dStrengthIDeadLoadFactor, 1.25);
        ASSERT_EQ(doc->m_dStrengthIWearingSurfaceFactor, 1.5);
        ASSERT_EQ(doc->m_dStrengthILiveLoadFactor, 1.75);
        ASSERT_EQ(doc->m_dStrengthIIDeadLoadFactor, 1.25);
        ASSERT_EQ(doc->m_dStrengthIIWearingSurfaceFactor, 1.5);
        ASSERT_EQ(doc->m_dStrengthIILiveLoadFactor, 1.35);
        ASSERT_EQ(doc->m_dRestrainingMomentFactor, 0.5);
        ASSERT_LT(doc->m_adStationX[kStationLeftBearingFace],
                  doc->m_adStationX[kStationLeftCritical]);
        SetHandEffects();
    }

    /// Every table 0 but for these hand values.
    /// Midspan: M1 1101.064, M2 1240.3125, M6 230.147 (DC = 2571.5235), M7 268.734, M13 2000,
    /// M15 100, M18 2000, M19 1900.
    /// Left critical section (station 103): M1 200, M2 220, M6 40 (DC = 460), M7 48, M13 400,
    /// M15 20, M18 400, M19 380; V1 40, V2 45, V6 8 (DC = 93), V7 9, V13 60, V15 3, V18 62,
    /// V19 55. Right bearing (station 100, outside the right critical section): V1 -40.
    void SetHandEffects() {
        for (int i = 0; i < kStationCount; ++i) {
            doc->m_aMoment[i] = {};
            doc->m_aShear[i] = {};
            for (int k = 0; k < kVehicleEnvelopeEntries; ++k)
                doc->m_aVehicle2Moment[i][k] = doc->m_aVehicle2Shear[i][k] = 0.0;
        }
        LoadEffectRecord& M = doc->m_aMoment[kStationMidspan];
        M[kCaseGirder] = 1101.064;
        M[kCaseDeck] = 1240.3125;
        M[kCaseBarriers] = 230.147;
        M[kCaseWearingSurface] = 268.734;
        M[kCaseLiveLoad] = 2000.0;
        M[kCasePedestrian] = 100.0;
        M[kCaseLiveLoadGoverning] = 2000.0;
        M[kCaseLiveLoadConcurrent] = 1900.0;
        LoadEffectRecord& Mc = doc->m_aMoment[kStationLeftCritical];
        Mc[kCaseGirder] = 200.0;
        Mc[kCaseDeck] = 220.0;
        Mc[kCaseBarriers] = 40.0;
        Mc[kCaseWearingSurface] = 48.0;
        Mc[kCaseLiveLoad] = 400.0;
        Mc[kCasePedestrian] = 20.0;
        Mc[kCaseLiveLoadGoverning] = 400.0;
        Mc[kCaseLiveLoadConcurrent] = 380.0;
        LoadEffectRecord& Vc = doc->m_aShear[kStationLeftCritical];
        Vc[kCaseGirder] = 40.0;
        Vc[kCaseDeck] = 45.0;
        Vc[kCaseBarriers] = 8.0;
        Vc[kCaseWearingSurface] = 9.0;
        Vc[kCaseLiveLoad] = 60.0;
        Vc[kCasePedestrian] = 3.0;
        Vc[kCaseLiveLoadGoverning] = 62.0;
        Vc[kCaseLiveLoadConcurrent] = 55.0;
        doc->m_aShear[kStationRightBearing][kCaseGirder] = -40.0;
        // Entries not part of the dead-load sums: the girder on the release span.
        doc->m_aMoment[kStationMidspan][kCaseGirderRelease] = 5000.0;
        doc->m_aShear[kStationLeftCritical][kCaseGirderRelease] = 500.0;
    }

    std::unique_ptr<CKordelDoc> doc;
};

// Midspan Strength I: 1.25 x 2571.5235 = 3214.404375, 1.5 x 268.734 = 403.101, so the factored
// dead load is 3617.505375; live 1.75 x (2000 + 100) = 3675: Mu = 7292.505375 kip-ft.
constexpr double kDeadMidspan = 3617.505375;
constexpr double kMuMidspan = 7292.505375;

TEST_F(FactoredEffectsTest, StrengthIAtMidspanAndAtTheCriticalSection) {
    doc->ComputeFactoredEffects();
    const int m = kStationMidspan;
    EXPECT_NEAR(doc->m_aMuFlexure[m][kStrengthIPositive], kMuMidspan, kTol);
    // governing moment M18 = 2000: the same; concurrent M19 = 1900: 3617.505375 + 1.75 x 2000
    EXPECT_NEAR(doc->m_aFactoredMomentByGroup[m][kStrengthIPositive], kMuMidspan, kTol);
    EXPECT_NEAR(doc->m_aFactoredWork3[m][kStrengthIPositive], kDeadMidspan + 3500.0, kTol);
    // negative group on a simple span: dead and pedestrian only, 3617.505375 + 175
    EXPECT_NEAR(doc->m_aMuFlexure[m][kStrengthINegative], kDeadMidspan + 175.0, kTol);
    EXPECT_NEAR(doc->m_adMu[m], kMuMidspan, kTol);
    EXPECT_NEAR(doc->m_adMuStrengthI[m], kMuMidspan, kTol);

    const int c = kStationLeftCritical;
    // Mu = 1.25 x 460 + 1.5 x 48 + 1.75 x 420 = 575 + 72 + 735 = 1382
    EXPECT_NEAR(doc->m_aMuFlexure[c][kStrengthIPositive], 1382.0, kTol);
    // Vu = 1.25 x 93 + 1.5 x 9 + 1.75 x (60 + 3) = 116.25 + 13.5 + 110.25 = 240
    EXPECT_NEAR(doc->m_aFactoredShearMagnitude[c][kStrengthIPositive], 240.0, kTol);
    // with V19: 129.75 + 1.75 x 58 = 231.25; with V18: 129.75 + 1.75 x 65 = 243.5
    EXPECT_NEAR(doc->m_aFactoredWork1[c][kStrengthIPositive], 231.25, kTol);
    EXPECT_NEAR(doc->m_aFactoredWork2[c][kStrengthIPositive], 243.5, kTol);
    // negative group: 129.75 + 1.75 x 3 = 135; the larger, 240, is Strength I's
    EXPECT_NEAR(doc->m_aFactoredShearMagnitude[c][kStrengthINegative], 135.0, kTol);
    EXPECT_NEAR(doc->m_adVuStrengthI[c], 240.0, kTol);
    EXPECT_NEAR(doc->m_adVu[c], 240.0, kTol);
    EXPECT_NEAR(doc->m_adMu[c], 1382.0, kTol);

    // Shear design pairs at the critical section: the governing moment (1.25 x 460 + 72 +
    // 1.75 x 420 = 1382) with |Vu| from V19 (231.25); the governing shear (243.5) with the
    // moment from M19 (647 + 1.75 x 400 = 1347).
    EXPECT_NEAR(doc->m_aFactoredForShear1[c][kShearDesignGoverning], 1382.0, kTol);
    EXPECT_NEAR(doc->m_aFactoredForShear2[c][kShearDesignConcurrent], 231.25, kTol);
    EXPECT_NEAR(doc->m_aFactoredForShear2[c][kShearDesignGoverning], 243.5, kTol);
    EXPECT_NEAR(doc->m_aFactoredForShear1[c][kShearDesignConcurrent], 1347.0, kTol);
}

TEST_F(FactoredEffectsTest, ShearsNearTheSupportsHeldAtTheCriticalSections) {
    doc->ComputeFactoredEffects();
    const double xLeft = doc->m_adStationX[kStationLeftCritical];
    const double xRight = doc->m_adStationX[kStationRightCritical];
    int held = 0;
    for (int i = 0; i < kStationCount; ++i) {
        const int from = doc->m_adStationX[i] < xLeft    ? int{kStationLeftCritical}
                         : doc->m_adStationX[i] > xRight ? int{kStationRightCritical}
                                                         : -1;
        if (from < 0) continue;
        ++held;
        for (int j = 0; j < kStrengthGroupCount; ++j) {
            EXPECT_EQ(doc->m_aFactoredShearMagnitude[i][j], doc->m_aFactoredShearMagnitude[from][j])
                << "station " << i << " group " << j;
            EXPECT_EQ(doc->m_aFactoredWork1[i][j], doc->m_aFactoredWork1[from][j]) << i;
            EXPECT_EQ(doc->m_aFactoredWork2[i][j], doc->m_aFactoredWork2[from][j]) << i;
        }
    }
    EXPECT_GE(held, 4);  // stations 0, 100, the bearing faces and transfer points at least
    // The left bearing and face take station 103's 240 kip; the right bearing's own 1.25 x 40 =
    // 50 kip is replaced by station 106's 0.
    EXPECT_NEAR(doc->m_adVu[kStationLeftBearing], 240.0, kTol);
    EXPECT_NEAR(doc->m_adVu[kStationLeftBearingFace], 240.0, kTol);
    EXPECT_EQ(doc->m_adVu[kStationRightBearing], 0.0);
}

TEST_F(FactoredEffectsTest, StrengthIIOnlyWhenAsked) {
    // Vehicle 2 at midspan: E2M+ = 3000 gives 3617.505375 + 1.35 x 3000 = 7667.505375, more than
    // Strength I's 7292.505375; at the critical section E2V+ = 100 gives 129.75 + 135 = 264.75.
    doc->m_aVehicle2Moment[kStationMidspan][kVehiclePositive] = 3000.0;
    doc->m_aVehicle2Moment[kStationMidspan][kVehicleGoverning] = 3000.0;
    doc->m_aVehicle2Shear[kStationLeftCritical][kVehiclePositive] = 100.0;
    doc->m_aVehicle2Shear[kStationLeftCritical][kVehicleGoverning] = 100.0;
    const int m = kStationMidspan, c = kStationLeftCritical;

    doc->m_bIncludeStrengthII = 0;
    doc->ComputeFactoredEffects();
    EXPECT_NEAR(doc->m_aMuFlexure[m][kStrengthIPositive], kMuMidspan, kTol);
    EXPECT_NEAR(doc->m_aMuFlexure[m][kStrengthIIPositive], 7667.505375, kTol);  // computed, unused
    EXPECT_NEAR(doc->m_adMu[m], kMuMidspan, kTol);
    EXPECT_NEAR(doc->m_adVu[c], 240.0, kTol);
    EXPECT_NEAR(doc->m_aFactoredForShear1[m][kShearDesignGoverning], kMuMidspan, kTol);

    doc->m_bIncludeStrengthII = 1;
    doc->ComputeFactoredEffects();
    EXPECT_NEAR(doc->m_aMuFlexure[m][kStrengthIPositive], 7667.505375, kTol);
    EXPECT_NEAR(doc->m_aMuStrengthI[m][kStrengthMomentPositive], kMuMidspan, kTol);
    EXPECT_NEAR(doc->m_aMuStrengthII[m][kStrengthMomentPositive], 7667.505375, kTol);
    EXPECT_NEAR(doc->m_aFactoredShearMagnitude[c][kStrengthIPositive], 264.75, kTol);
    EXPECT_NEAR(doc->m_adVu[c], 264.75, kTol);  // Strength II governs the shear
    // Its moment: Strength II at 103, 575 + 72 + 0 (no vehicle-2 moment there) = 647
    EXPECT_NEAR(doc->m_adMu[c], 647.0, kTol);
    EXPECT_NEAR(doc->m_aFactoredForShear1[m][kShearDesignGoverning], 7667.505375, kTol);
    EXPECT_NEAR(doc->m_aFactoredForShear2[c][kShearDesignGoverning], 264.75, kTol);
}

TEST_F(FactoredEffectsTest, LoadModifierUnderEachSpecification) {
    doc->m_dLoadModDuctility = 1.05;
    doc->m_dLoadModRedundancy = 1.0;
    doc->m_dLoadModImportance = 0.95;
    doc->ComputeFactoredEffects();
    // eta = 1.05 x 1.0 x 0.95 = 0.9975
    EXPECT_NEAR(doc->m_aMuFlexure[kStationMidspan][kStrengthIPositive], 0.9975 * kMuMidspan, kTol);
    EXPECT_NEAR(doc->m_adVu[kStationLeftCritical], 0.9975 * 240.0, kTol);

    doc->m_nSpecification = kSpecStandard;  // eta = 1 whatever the modifiers say
    doc->ComputeFactoredEffects();
    EXPECT_NEAR(doc->m_aMuFlexure[kStationMidspan][kStrengthIPositive], kMuMidspan, kTol);
}

TEST_F(FactoredEffectsTest, SimpleSpanLeavesTheNegativeMomentsAlone) {
    doc->m_dLeftPierMoment = 123.0;
    doc->m_dRightPierMoment = 456.0;
    doc->ComputeFactoredEffects();
    for (int i = 0; i < kStationCount; ++i)
        for (int j = 0; j < kStrengthGroupCount; ++j)
            EXPECT_EQ(doc->m_aFactoredMomentEnvelope[i][j], 0.0) << i << " " << j;
    EXPECT_EQ(doc->m_dLeftPierMoment, 123.0);
    EXPECT_EQ(doc->m_dRightPierMoment, 456.0);
}

TEST_F(FactoredEffectsTest, ContinuousGirderNegativeMoments) {
    ASSERT_EQ(doc->m_nSpans, 1);
    ASSERT_EQ(doc->m_nCurrentSpan, 1);
    doc->m_bContinuous = 1;
    LoadEffectRecord& M = doc->m_aMoment[kStationMidspan];
    M[kCaseLiveLoadNegative] = -3000.0;
    M[kCaseRestraintPositive] = 50.0;
    M[kCaseRestraintNegative] = -100.0;
    // Left pier: S0 -100, S1 -50, S2 -10, S12 -800, S13 -20, S17 -30; right pier: S12 -600.
    double* left = doc->m_aSpanEnvelope1[1][0];
    double* right = doc->m_aSpanEnvelope1[1][kSpanTenthPoints - 1];
    for (int k = 0; k < kSpanEnvelopeValues; ++k) left[k] = right[k] = 0.0;
    left[kSpanBarrier] = -100.0;
    left[kSpanWearingSurface] = -50.0;
    left[kSpanOtherComposite] = -10.0;
    left[kSpanDesignMin] = -800.0;
    left[kSpanPedestrian] = -20.0;
    left[kSpanValue17] = -30.0;
    right[kSpanDesignMin] = -600.0;
    doc->ComputeFactoredEffects();
    const int m = kStationMidspan;
    // group 0: 7292.505375 + 0.5 x 50 = 7317.505375
    EXPECT_NEAR(doc->m_aMuFlexure[m][kStrengthIPositive], kMuMidspan + 25.0, kTol);
    // group 2: 3617.505375 - 50 + 1.75 x (-3000 + 100) = -1507.494625, and it is the design
    // moment of the continuous girder
    EXPECT_NEAR(doc->m_aMuFlexure[m][kStrengthINegative], -1507.494625, kTol);
    EXPECT_NEAR(doc->m_adMuStrengthI[m], -1507.494625, kTol);
    // composite negative moment: 1.25 x 230.147 + 403.101 - 50 - 5075 = -4434.21525
    EXPECT_NEAR(doc->m_aFactoredMomentEnvelope[m][kStrengthINegative], -4434.21525, kTol);
    EXPECT_NEAR(doc->m_aMuStrengthIEnd[m][kStrengthMomentNegativeComposite], -4434.21525, kTol);
    // Strength II negative without vehicle 2; this one table keeps the pedestrian load under the
    // Strength II live-load factor: 287.68375 + 403.101 - 50 + 1.35 x 100 = 775.78475
    EXPECT_NEAR(doc->m_aFactoredMomentEnvelope[m][kStrengthIINegative], 775.78475, kTol);
    // Piers: 1.25 x (-110) + 1.5 x (-50) + 0.5 x (-30) + 1.75 x (-820) = -1662.5; right
    // 1.75 x -600 = -1050
    EXPECT_NEAR(doc->m_dLeftPierMoment, -1662.5, kTol);
    EXPECT_NEAR(doc->m_dRightPierMoment, -1050.0, kTol);

    // With Strength II the pier takes the larger vehicle: vehicle 2's -900 over vehicle 1's -700.
    doc->m_bIncludeStrengthII = 1;
    doc->m_aSpanEnvelope5[1][0][kSpanDesignMin] = -700.0;
    doc->m_aSpanEnvelope9[1][0][kSpanDesignMin] = -900.0;
    doc->ComputeFactoredEffects();
    // -137.5 - 75 - 15 + 1.75 x (-920) = -1837.5
    EXPECT_NEAR(doc->m_dLeftPierMoment, -1837.5, kTol);
    // the governing negative composite moment: the smaller of -4434.21525 and 775.78475
    EXPECT_NEAR(doc->m_aFactoredMomentEnvelope[m][kStrengthINegative], -4434.21525, kTol);
}

}  // namespace
}  // namespace kordel::test
