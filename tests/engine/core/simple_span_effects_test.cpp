// Simple-span load effects on example design 1 (105-ft span) against hand calculations: the
// composite dead loads with their end rotations, HL-93 under LRFD (design truck, tandem and lane,
// with impact and distribution) and HS20 under the Standard Specifications, the symmetry about
// mid-span, the concentrated lane loads, a vehicle without a tandem, the fatigue truck, the
// two vehicles combined, and a span of no length.
#include <cmath>
#include <string>
#include <utility>

#include "engine/liveload/load_effects_test_support.h"

namespace kordel::test {
namespace {

constexpr double kL = 105.0;  // ft, design span of example 1

class SimpleSpanEffectsTest : public LoadEffectsTestBase {
  protected:
    void SetUp() override { d = Example(1); }

    /// Vehicle 1 replaced by `v`, the design analysed again.
    void Analyse(const LiveLoadVehicle& v) {
        d->m_recVehicle1 = v;
        d->m_bLoadEffectsDirty = 1;
        d->RunAnalysis();
    }

    std::unique_ptr<CKordelDoc> d;
};

TEST_F(SimpleSpanEffectsTest, CompositeDeadLoadsByTheUniformLoadFormulas) {
    ASSERT_TRUE(host.Messages().empty()) << MessageTexts();
    // Barriers 0.167 klf, wearing surface 0.195 klf, no other composite load, on the composite
    // section (case 2 at mid-span, strands not transformed).
    const double EI = d->m_dBeamEc * d->m_adInertiaAtStation[kStationMidspan][kSectionCaseOverlay];
    struct Row {
        int k;
        double w;  // klf
    };
    for (const Row& r : {Row{kCaseBarriers, 0.167}, Row{kCaseWearingSurface, 0.195},
                         Row{kCaseOtherComposite, 0.0}}) {
        SCOPED_TRACE("case " + std::to_string(r.k));
        EXPECT_TRUE(NearRelative(d->m_aMoment[50][r.k], r.w * kL * kL / 8.0));  // 230.16, 268.73
        EXPECT_TRUE(NearRelative(d->m_aShear[0][r.k], r.w * kL / 2.0));         // 8.77, 10.24
        EXPECT_TRUE(NearRelative(d->m_aShear[100][r.k], -r.w * kL / 2.0));
        EXPECT_TRUE(NearRelative(d->m_aSupportEffect[kSupportRightReaction][r.k], r.w * kL / 2.0));
        // -w L^3 / (24 E I), w in kip/in and L in in.
        const double theta = -(r.w / 12.0) * std::pow(12.0 * kL, 3) / (24.0 * EI);
        EXPECT_TRUE(NearRelative(d->m_aSupportEffect[kSupportLeftRotation][r.k], theta, 1e-12));
        EXPECT_TRUE(NearRelative(d->m_aSupportEffect[kSupportRightRotation][r.k], -theta, 1e-12));
    }
    // All stresses with transformed strands: the rotations take case 6.
    d->m_nTransformStrandsMode = kTransformAll;
    d->RunAnalysis();
    const double EI6 =
        d->m_dBeamEc * d->m_adInertiaAtStation[kStationMidspan][kSectionCaseTransformedOverlay];
    EXPECT_TRUE(NearRelative(d->m_aSupportEffect[kSupportLeftRotation][kCaseBarriers],
                             -(0.167 / 12.0) * std::pow(12.0 * kL, 3) / (24.0 * EI6), 1e-12));
}

TEST_F(SimpleSpanEffectsTest, Hl93UnderLrfdByHand) {
    // Per lane, at mid-span (x = 52.5 ft):
    //   design truck, 32 kip on mid-span, 32 and 8 kip 14 ft either side, influence ordinates
    //   26.25, 19.25, 19.25: 32 (26.25) + 32 (19.25) + 8 (19.25) = 1610.0 kip-ft;
    //   design tandem, 25 kip on mid-span and 4 ft off: 25 (26.25 + 24.25) = 1262.5 kip-ft;
    //   lane 0.64 (105^2) / 8 = 882.0 kip-ft.
    // At the bearing: the truck's 32-kip axle on the 0.1-ft station (an axle on the bearing stands
    // on the support): (32 (104.9) + 32 (90.9) + 8 (76.9)) / 105 = 65.531 kip; the tandem, its
    // second axle on the bearing: 25 + 25 (101 / 105) = 49.048 kip; lane 0.64 (105) / 2 = 33.6.
    // With g (0.7423 for moment, 0.8839 for shear, distribution stage) and IM = 0.33:
    //   M = g (1.33 (1610) + 882) = 2244.2 kip-ft, V = g (1.33 (65.531) + 33.6) = 106.73 kip.
    const LoadEffectRecord& M = d->m_aMoment[50];
    const LoadEffectRecord& V = d->m_aShear[0];
    EXPECT_TRUE(NearRelative(M[kCaseAxlesWork], 1610.0));
    EXPECT_TRUE(NearRelative(M[kCaseTandemWork], 1262.5));
    EXPECT_TRUE(NearRelative(M[kCaseLaneWork], 882.0));
    EXPECT_TRUE(NearRelative(M[kCaseTruckWork], 1610.0));
    const double truckV = (32.0 * 104.9 + 32.0 * 90.9 + 8.0 * 76.9) / kL;
    EXPECT_TRUE(NearRelative(V[kCaseAxlesWork], truckV));
    EXPECT_TRUE(NearRelative(V[kCaseTandemWork], 25.0 + 25.0 * 101.0 / kL));
    EXPECT_TRUE(NearRelative(V[kCaseLaneWork], 33.6));

    const double g = d->m_dDfMoment;
    const double gv = d->m_dDfShear;
    EXPECT_NEAR(g, 0.7423, 1e-4);
    EXPECT_NEAR(gv, 0.8839, 1e-4);
    EXPECT_TRUE(NearRelative(M[kCaseLiveLoad], g * (1.33 * 1610.0 + 882.0)));
    EXPECT_NEAR(M[kCaseLiveLoad], 2244.2, 0.1);
    EXPECT_TRUE(NearRelative(M[kCaseLiveLoadGoverning], M[kCaseLiveLoad]));
    EXPECT_TRUE(NearRelative(V[kCaseLiveLoad], gv * (1.33 * truckV + 33.6)));
    EXPECT_NEAR(V[kCaseLiveLoad], 106.73, 0.01);
    // The end reaction is the bearing shear; simple span, no negative live load.
    for (int i = 0; i < kStationCount; ++i) {
        ASSERT_EQ(d->m_aMoment[i][kCaseLiveLoadNegative], 0.0);
        ASSERT_EQ(d->m_aShear[i][kCaseLiveLoadNegative], 0.0);
        ASSERT_EQ(d->m_aVehicle1Moment[i][kVehicleNegative], 0.0);
        ASSERT_EQ(d->m_aVehicle2Moment[i][kVehiclePositive], 0.0) << "vehicle 2 not included";
    }
    EXPECT_EQ(d->m_aVehicle1Moment[50][kVehiclePositive], M[kCaseLiveLoad]);
    EXPECT_EQ(d->m_aVehicle1Shear[0][kVehiclePositive], V[kCaseLiveLoad]);
    EXPECT_EQ(d->m_recCurrentVehicle, d->m_recVehicle1);
}

TEST_F(SimpleSpanEffectsTest, Hs20UnderTheStandardSpecificationsByHand) {
    d->m_nSpecification = kSpecStandard;
    d->m_strSpecCode = "STND";
    d->m_nVehicle1ImpactMode = kValueComputed;
    // HS20-44 with its lane loading: 0.64 klf and 18 kip for moment or 26 kip for shear; no
    // tandem; the truck or the lane. AASHTO Standard Specifications 17th ed. Art. 3.7.4.
    LiveLoadVehicle hs20 = Hl93Vehicle();
    hs20.m_strName = "HS20-44";
    hs20.m_bIncludeTandem = 0;
    hs20.m_dLaneMomentLoad = 18.0;
    hs20.m_dLaneShearLoad = 26.0;
    hs20.m_nCombination = kCombineTruckOrTandemOrLane;
    Analyse(hs20);
    // Impact 50 / (105 + 125) = 0.21739, at the bearing over the whole span as well; wheel-line
    // factor S / 5.5 = 9 / 5.5 = 1.6364, 0.81818 lanes.
    const double I = 50.0 / 230.0;
    EXPECT_TRUE(NearRelative(d->m_dImpactPositiveMoment, I));
    EXPECT_TRUE(NearRelative(d->m_dDfMoment, 9.0 / 5.5 / 2.0, 1e-6));
    // Mid-span: truck 1610.0 against lane 882.0 + 18 (105) / 4 = 1354.5 kip-ft: the truck,
    // M = 0.81818 (1.21739) (1610) = 1603.6 kip-ft.
    EXPECT_TRUE(NearRelative(d->m_aMoment[50][kCaseLaneWork], 1354.5));
    EXPECT_TRUE(NearRelative(d->m_aMoment[50][kCaseLiveLoad], 9.0 / 11.0 * (1.0 + I) * 1610.0));
    EXPECT_NEAR(d->m_aMoment[50][kCaseLiveLoad], 1603.6, 0.1);
    // Bearing: truck 65.531 against lane 33.6 + 26 = 59.6 kip: the truck.
    EXPECT_TRUE(NearRelative(d->m_aShear[0][kCaseLaneWork], 59.6));
    const double truckV = (32.0 * 104.9 + 32.0 * 90.9 + 8.0 * 76.9) / kL;
    EXPECT_TRUE(NearRelative(d->m_aShear[0][kCaseLiveLoad], d->m_dDfShear * (1.0 + I) * truckV));
    // No tandem: entry 11 stays 0 and the truck governs alone.
    EXPECT_EQ(d->m_aMoment[50][kCaseTandemWork], 0.0);
    EXPECT_EQ(d->m_aMoment[50][kCaseTruckWork], d->m_aMoment[50][kCaseAxlesWork]);
    EXPECT_EQ(d->m_aShear[25][kCaseTruckWork], d->m_aShear[25][kCaseAxlesWork]);
}

TEST_F(SimpleSpanEffectsTest, RightHalfMirrorsTheLeftWhicheverWayTheAxlesRun) {
    // The mirror image: moments equal, shears of equal size and opposite sign.
    auto expectMirrored = [&](const char* what) {
        SCOPED_TRACE(what);
        for (int k : {kCaseLiveLoad, kCaseLiveLoadGoverning, kCaseLiveLoadConcurrent}) {
            for (int r = 1; r <= 50; ++r) {
                ASSERT_EQ(d->m_aMoment[50 + r][k], d->m_aMoment[50 - r][k]) << r << " " << k;
                ASSERT_EQ(d->m_aShear[50 + r][k], -d->m_aShear[50 - r][k]) << r << " " << k;
            }
            for (auto [right, left] : {std::pair{kStationRightBearingFace, kStationLeftBearingFace},
                                       std::pair{kStationRightTransfer, kStationLeftTransfer},
                                       std::pair{kStationRightCritical, kStationLeftCritical},
                                       std::pair{kStationRightDrape, kStationLeftDrape}}) {
                EXPECT_EQ(d->m_aMoment[right][k], d->m_aMoment[left][k]);
                EXPECT_EQ(d->m_aShear[right][k], -d->m_aShear[left][k]);
            }
        }
    };
    expectMirrored("HL-93");
    const LoadEffectRecord atQuarter = d->m_aMoment[25];
    const double shearAt0 = d->m_aShear[0][kCaseLiveLoad];

    LiveLoadVehicle backwards = Hl93Vehicle();  // 32, 32, 8 kip at 14 ft
    backwards.m_aAxles[0] = {32, 14, 30};
    backwards.m_aAxles[1] = {32, 14, 14};
    backwards.m_aAxles[2] = {8, 0, 0};
    Analyse(backwards);
    expectMirrored("the axles in the other order");
    EXPECT_TRUE(NearRelative(d->m_aMoment[25][kCaseLiveLoad], atQuarter[kCaseLiveLoad], 1e-12));
    EXPECT_TRUE(NearRelative(d->m_aShear[0][kCaseLiveLoad], shearAt0, 1e-12));
}

TEST_F(SimpleSpanEffectsTest, HandlingStationsRightOfMidSpanTakeTheNegativeShear) {
    // The right lifting support 11 ft and the right shipping support 16.25 ft from the girder end
    // (e = 0.5 ft): at 106 - 11 - 0.5 = 94.5 ft = station 90 and 106 - 16.25 - 0.5 = 89.25 ft =
    // station 85, whose live load is the mirror image of stations 10 and 15: the shear of the
    // largest size is negative there, not the small positive shear of the loads right of them.
    d->m_dLiftSupportRight = 11.0;
    d->m_dShipSupportRight = 16.25;
    d->m_bLoadEffectsDirty = 1;
    d->RunAnalysis();
    for (auto [station, hundredth] :
         {std::pair{kStationRightLift, 90}, std::pair{kStationRightShip, 85}}) {
        SCOPED_TRACE(testing::Message() << "station " << station);
        ASSERT_NEAR(d->m_adStationX[station], d->m_adStationX[hundredth], 1e-9);
        EXPECT_LT(d->m_aShear[station][kCaseLiveLoad], -50.0);
        for (int k : {kCaseLiveLoad, kCaseLiveLoadGoverning, kCaseLiveLoadConcurrent}) {
            EXPECT_NEAR(d->m_aShear[station][k], d->m_aShear[hundredth][k], 1e-9) << k;
            EXPECT_NEAR(d->m_aMoment[station][k], d->m_aMoment[hundredth][k], 1e-9) << k;
        }
        EXPECT_NEAR(d->m_adVu[station], d->m_adVu[hundredth], 1e-9);
    }
}

TEST_F(SimpleSpanEffectsTest, ConcentratedLaneLoadsAndTheTruckOrLaneCode) {
    // A lane of 20 kip for moment alone: P L / 4 = 20 (105) / 4 = 525 kip-ft at mid-span.
    LiveLoadVehicle lane;
    lane.m_strName = "LANE";
    lane.m_dLaneMomentLoad = 20.0;
    lane.m_nCombination = kCombineTruckOrTandemPlusLane;
    lane.m_dMultiplier = 1.0;
    lane.m_bIncluded = 1;
    Analyse(lane);
    EXPECT_TRUE(NearRelative(d->m_aMoment[50][kCaseLaneWork], 525.0));
    EXPECT_EQ(d->m_aMoment[50][kCaseAxlesWork], 0.0) << "no axles";
    // With the uniform 0.64 klf: 882 + 525.
    lane.m_dLaneLoad = 0.64;
    Analyse(lane);
    EXPECT_TRUE(NearRelative(d->m_aMoment[50][kCaseLaneWork], 1407.0));
    // (Truck + Lane): the lane load without impact, M = g (1.33 (0) + 1407).
    EXPECT_TRUE(NearRelative(d->m_aMoment[50][kCaseLiveLoad], d->m_dDfMoment * 1407.0));

    // "Truck OR Tandem OR Lane" with a lane that governs: the impact applies to the lane,
    // g (1.33) (4 (105^2) / 8).
    LiveLoadVehicle heavy = Hl93Vehicle();
    heavy.m_dLaneLoad = 4.0;
    heavy.m_nCombination = kCombineTruckOrTandemOrLane;
    Analyse(heavy);
    EXPECT_TRUE(
        NearRelative(d->m_aMoment[50][kCaseLiveLoad], d->m_dDfMoment * 1.33 * 4.0 * kL * kL / 8.0));
    EXPECT_TRUE(NearRelative(d->m_aShear[0][kCaseLiveLoad], d->m_dDfShear * 1.33 * 4.0 * kL / 2.0));
}

TEST_F(SimpleSpanEffectsTest, FatigueTruckOnlyUnderLrfdWithTheOption) {
    // Fatigue truck 8, 32, 32 kip at 14 and 30 ft, at mid-span: the first 32-kip axle on it,
    // 32 kip 30 ft and 8 kip 14 ft away: 32 (26.25) + 32 (22.5 / 2) + 8 (38.5 / 2) = 1354 kip-ft;
    // per girder (1 + 0.15) g_F. AASHTO LRFD 6th ed. Art. 3.6.1.4.1
    d->m_bFatigueOneTruck = 1;
    d->m_bLoadEffectsDirty = 1;
    d->RunAnalysis();
    EXPECT_TRUE(NearRelative(d->m_aMoment[50][kCaseFatigue], 1354.0 * 1.15 * d->m_dDfFatigue));
    EXPECT_EQ(d->m_aShear[100][kCaseFatigue], -d->m_aShear[0][kCaseFatigue]);
    // Heavy axle on the 0.1-ft station: (32 (104.9) + 32 (74.9) + 8 (60.9)) / 105 = 59.437.
    EXPECT_TRUE(
        NearRelative(d->m_aShear[0][kCaseFatigue],
                     (32.0 * 104.9 + 32.0 * 74.9 + 8.0 * 60.9) / kL * 1.15 * d->m_dDfFatigue));

    // Without the option, or under the Standard Specifications, the entry is not touched.
    for (auto [designCode, option] : {std::pair{kSpecLrfd, 0}, std::pair{kSpecStandard, 1}}) {
        d->m_nSpecification = designCode;
        d->m_bFatigueOneTruck = option;
        for (int i = 0; i < kStationCount; ++i) d->m_aMoment[i][kCaseFatigue] = 7.0;
        d->ComputeSimpleSpanLoadEffects();
        for (int i = 0; i < kStationCount; ++i) ASSERT_EQ(d->m_aMoment[i][kCaseFatigue], 7.0);
    }
}

TEST_F(SimpleSpanEffectsTest, TwoVehiclesCombined) {
    d->m_recVehicle2 = Hl93Vehicle();
    d->m_recVehicle2.m_dMultiplier = 1.2;
    d->m_bLoadEffectsDirty = 1;
    d->RunAnalysis();
    const double M1 = d->m_aVehicle1Moment[50][kVehiclePositive];
    const double M2 = d->m_aVehicle2Moment[50][kVehiclePositive];
    EXPECT_TRUE(NearRelative(M2, 1.2 * M1));
    // Adopt the governing results: vehicle 2 for moment and shear, with its concurrent values.
    EXPECT_EQ(d->m_aMoment[50][kCaseLiveLoad], M2);
    EXPECT_EQ(d->m_aShear[0][kCaseLiveLoad], d->m_aVehicle2Shear[0][kVehiclePositive]);
    EXPECT_EQ(d->m_aShear[50][kCaseLiveLoadConcurrent],
              d->m_aVehicle2Shear[50][kVehicleConcurrent]);

    d->m_nVehicleCombineMode = kCombineNotCombined;
    d->RunAnalysis();
    EXPECT_EQ(d->m_aMoment[50][kCaseLiveLoad], M1);
    EXPECT_EQ(d->m_aMoment[50][kCaseLiveLoadGoverning],
              d->m_aVehicle1Moment[50][kVehicleGoverning]);

    // Vehicle 2 as the permit vehicle: E2 / g (g1 / Z) + E1 / g (gm - g1 / Z), Z = 1.0 here.
    d->m_nVehicleCombineMode = kCombineOverload;
    d->RunAnalysis();
    const double g = d->m_dDfMoment;
    const double g1 = d->m_adDfMomentByLanes[kDfOneLane];
    const double gm = d->m_adDfMomentByLanes[kDfLanesAsSet];
    ASSERT_EQ(d->m_anDfOneLaneLeverFlags[kDfFamilyMoment], 0);
    EXPECT_TRUE(NearRelative(d->m_aMoment[50][kCaseLiveLoad], M2 / g * g1 + M1 / g * (gm - g1)));

    // Vehicle 1 left out, results of vehicle 1 only: nothing.
    d->m_nVehicleCombineMode = kCombineNotCombined;
    d->m_recVehicle1.m_bIncluded = 0;
    d->RunAnalysis();
    for (int i = 0; i < kStationCount; ++i) {
        for (int k : {kCaseLiveLoad, kCaseLiveLoadGoverning, kCaseLiveLoadConcurrent}) {
            ASSERT_EQ(d->m_aMoment[i][k], 0.0) << i << " " << k;
            ASSERT_EQ(d->m_aShear[i][k], 0.0) << i << " " << k;
        }
        ASSERT_EQ(d->m_aVehicle1Moment[i][kVehiclePositive], 0.0);
    }
    // Neither vehicle: the governing results are 0 as well.
    d->m_nVehicleCombineMode = kCombineGoverning;
    d->m_recVehicle2.m_bIncluded = 0;
    d->RunAnalysis();
    EXPECT_EQ(d->m_aMoment[50][kCaseLiveLoad], 0.0);
    EXPECT_EQ(d->m_aShear[0][kCaseLiveLoadGoverning], 0.0);
    EXPECT_EQ(d->m_aVehicle2Shear[0][kVehiclePositive], 0.0);
}

TEST_F(SimpleSpanEffectsTest, SpanOfNoLengthIsSaidAndGivesZeros) {
    host.ClearMessages();
    d->m_dDesignSpan = 0.0;
    d->ComputeSimpleSpanLoadEffects();
    ASSERT_EQ(host.Messages().size(), 1u);
    EXPECT_NE(host.Messages()[0].text.find("design span is 0 ft"), std::string::npos);
    for (int i = 0; i < kStationCount; ++i) {
        for (int k = kCaseBarriers; k <= kCaseLiveLoadConcurrent; ++k) {
            if (k == kCaseFatigue || k == kCaseRestraintPositive) continue;
            ASSERT_EQ(d->m_aMoment[i][k], 0.0) << i << " " << k;
            ASSERT_EQ(d->m_aShear[i][k], 0.0) << i << " " << k;
        }
    }
    EXPECT_EQ(d->m_aSupportEffect[kSupportLeftRotation][kCaseBarriers], 0.0);
}

}  // namespace
}  // namespace kordel::test
