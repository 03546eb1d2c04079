// Simple-span load effects: for a girder that is not continuous, every load that acts after the
// deck is in place (barriers, future wearing surface, other composite load, pedestrian load, and
// the live load of both stored vehicles: lane load, axle train, tandem and the LRFD fatigue
// truck) on the single span between bearings, by closed-form beam formulas and a moving-load
// search over the analysis stations. The results replace those of the continuous-beam model that
// the general load-effect stage wrote.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <span>

#include "document/kordel_doc.h"
#include "engine/liveload/beam_formulas.h"
#include "platform/host.h"

namespace kordel {

namespace {

/// The fatigue truck: one design truck with 30 ft between the 32-kip axles.
/// AASHTO LRFD 6th ed. Art. 3.6.1.4.1
constexpr double kFatigueTruckAxles[] = {8.0, 32.0, 32.0};  // kip
constexpr double kFatigueTruckGaps[] = {14.0, 30.0};        // ft

/// Live-load cases that the symmetry step mirrors about mid-span, besides the fatigue truck.
constexpr int kMirroredCases[] = {kCaseLiveLoad, kCaseLiveLoadGoverning, kCaseLiveLoadConcurrent};

/// Pairs of special stations that mirror each other about mid-span (right, left).
constexpr int kMirroredSpecialStations[][2] = {
    {kStationRightBearingFace, kStationLeftBearingFace},
    {kStationRightTransfer, kStationLeftTransfer},
    {kStationRightCritical, kStationLeftCritical},
    {kStationRightDrape, kStationLeftDrape},
};

/// Stations that the moving-load search keeps: the left half and the special stations that the
/// symmetry step leaves alone. Stations 51 to 100 and 105 to 108 take the live loads of their
/// mirror images, and the working entries of the search stay 0 there.
constexpr auto kSearchedStations = [] {
    std::array<int, kStationMidspan + 1 + 4 + (kStationFixed2 - kStationLeftLift + 1)> stations{};
    int n = 0;
    for (int i = kStationLeftBearing; i <= kStationMidspan; ++i) stations[n++] = i;
    for (int i = kStationLeftBearingFace; i <= kStationLeftDrape; ++i) stations[n++] = i;
    for (int i = kStationLeftLift; i <= kStationFixed2; ++i) stations[n++] = i;
    return stations;
}();

/// Positions at which the moving-load search looks for each station: the station itself, but
/// for a searched station right of mid-span (a lifting or shipping support) its mirror image
/// about mid-span. The search keeps the largest positive shear, the shear of the left half; right
/// of mid-span the shear of the largest magnitude is negative and is that of the mirror image
/// with its sign reversed (`mirrored`), the moment the same.
struct SearchPositions {
    double x[kStationCount];       ///< ft from the left support
    bool mirrored[kStationCount];  ///< searched at L - x
};
SearchPositions SearchPositionsOf(const double* stationX, double L) {
    SearchPositions s{};
    for (int i = 0; i < kStationCount; ++i) {
        s.x[i] = stationX[i];
        s.mirrored[i] = i >= kStationLeftLift && PositionBeyond(stationX[i], L / 2.0);
        if (s.mirrored[i]) s.x[i] = L - stationX[i];
    }
    return s;
}

/// True when every load and spacing of `v` that the moving-load search reads is a number.
bool VehicleIsFinite(const LiveLoadVehicle& v, int axles) {
    bool finite = std::isfinite(v.m_dLaneLoad) && std::isfinite(v.m_dLaneMomentLoad) &&
                  std::isfinite(v.m_dLaneShearLoad) && std::isfinite(v.m_dMultiplier);
    for (int a = 0; a < axles; ++a) {
        finite = finite && std::isfinite(v.m_aAxles[a].m_dWeight) &&
                 std::isfinite(v.m_aAxles[a].m_dMinSpacing);
    }
    if (v.m_bIncludeTandem != 0) {
        finite = finite && std::isfinite(v.m_dTandemAxle1) && std::isfinite(v.m_dTandemAxle2) &&
                 std::isfinite(v.m_dTandemSpacing);
    }
    return finite;
}

/// Replaces the right half of the station tables of case `k` by the left half: station 50 + r
/// takes station 50 - r, the moment as it is and the shear with its sign reversed, and likewise
/// the special stations.
void MirrorAboutMidspan(LoadEffectRecord* moment, LoadEffectRecord* shear, int k) {
    for (int r = 1; r <= kStationMidspan; ++r) {
        moment[kStationMidspan + r][k] = moment[kStationMidspan - r][k];
        shear[kStationMidspan + r][k] = -shear[kStationMidspan - r][k];
    }
    for (const auto& [right, left] : kMirroredSpecialStations) {
        moment[right][k] = moment[left][k];
        shear[right][k] = -shear[left][k];
    }
}

}  // namespace

void CKordelDoc::ComputeSimpleSpanLoadEffects() {
    const double L = m_dDesignSpan;  // ft
    const StationPositions x(m_adStationX, kStationCount);
    const bool lrfd = IsLrfd(m_nSpecification);
    const bool fatigue = lrfd && m_bFatigueOneTruck == 1;

    // 1. No negative live load on a simple span.
    for (int i = 0; i < kStationCount; ++i) {
        m_aMoment[i][kCaseLiveLoadNegative] = 0.0;
        m_aShear[i][kCaseLiveLoadNegative] = 0.0;
    }

    // 2, 3. Per-girder barrier and wearing-surface loads.
    ComputeCompositeLineLoads();

    // The permit-vehicle combination divides the envelopes by the factors they were distributed
    // with: the one-lane factors are set up before any vehicle is distributed.
    if (m_nVehicleCombineMode == kCombineOverload) UseSingleLaneFactors();

    // 5. The vehicle envelopes start empty.
    for (auto* envelope :
         {m_aVehicle1Moment, m_aVehicle1Shear, m_aVehicle2Moment, m_aVehicle2Shear}) {
        std::fill(&envelope[0][0], &envelope[0][0] + kStationCount * kVehicleEnvelopeEntries, 0.0);
    }

    if (!(L > 0.0) || !std::isfinite(L)) {
        // The blank design of File New, with no girder section yet, has nothing to report.
        if (m_dSectionArea != 0.0 || m_nOutlinePointCount != 0) {
            char text[200];
            std::snprintf(text, sizeof text,
                          "The design span is %g ft: the composite dead loads, the live loads and "
                          "the pedestrian load of the simple span are set to 0.",
                          L);
            platform::ShowMessage(text);
        }
        for (int k = kCaseBarriers; k <= kCaseLiveLoadConcurrent; ++k) {
            if (k == kCaseRestraintPositive || (k == kCaseFatigue && !fatigue)) continue;
            for (int i = 0; i < kStationCount; ++i) m_aMoment[i][k] = m_aShear[i][k] = 0.0;
        }
        for (int record : {kSupportLeftReaction, kSupportRightReaction, kSupportLeftRotation,
                           kSupportRightRotation}) {
            for (int k : {kCaseBarriers, kCaseWearingSurface, kCaseOtherComposite}) {
                m_aSupportEffect[record][k] = 0.0;
            }
        }
        return;
    }

    // 4. Composite dead loads on the composite section, the strands transformed as the dead-load
    // stresses take them.
    const bool transformed = m_nTransformStrandsMode == kTransformAll ||
                             m_nTransformStrandsMode == kTransformAllButLiveLoad;
    const double I =
        m_adInertiaAtStation[kStationMidspan][transformed ? kSectionCaseTransformedOverlay
                                                          : kSectionCaseOverlay];  // in4
    const double Ec = m_dBeamEc;                                                   // ksi
    const std::pair<int, double> composite[] = {
        {kCaseBarriers, m_dBarrierLoad},
        {kCaseWearingSurface, m_dWearingSurfaceLoad},
        {kCaseOtherComposite, m_dOtherCompositeLoad},
    };
    bool rotationsLost = false;
    for (const auto& [k, w] : composite) {
        for (int i = 0; i < kStationCount; ++i) {
            m_aMoment[i][k] = UniformLoadMoment(w, L, x[i]);
            m_aShear[i][k] = UniformLoadShear(w, L, x[i]);
        }
        m_aSupportEffect[kSupportLeftReaction][k] = w * L / 2.0;
        m_aSupportEffect[kSupportRightReaction][k] = w * L / 2.0;
        m_aSupportEffect[kSupportLeftRotation][k] = UniformLoadLeftRotation(w, L, Ec, I);
        m_aSupportEffect[kSupportRightRotation][k] = -m_aSupportEffect[kSupportLeftRotation][k];
        rotationsLost = rotationsLost || (w != 0.0 && !(Ec * I > 0.0));
    }
    if (rotationsLost) {
        platform::ShowMessage(
            "The girder modulus or the composite section's moment of inertia at mid-span is 0: "
            "the end rotations of the composite dead loads are set to 0.");
    }

    // 6. Each included vehicle on the span.
    const SearchPositions search = SearchPositionsOf(m_adStationX, L);
    const StationPositions xs(search.x, kStationCount);
    for (int v : {1, 2}) {
        const LiveLoadVehicle& vehicle = v == 1 ? m_recVehicle1 : m_recVehicle2;
        if (vehicle.m_bIncluded != 1) continue;
        const int axles = std::clamp(vehicle.m_nAxleCount, 0, kMaxVehicleAxles);

        // 6.1
        m_recCurrentVehicle = vehicle;
        ComputeImpactFactors(v);
        for (int i = 0; i < kStationCount; ++i) {
            for (int k = kCaseLaneWork; k <= kCaseLiveLoad; ++k) {
                m_aMoment[i][k] = m_aShear[i][k] = 0.0;
            }
        }
        if (!VehicleIsFinite(vehicle, axles)) {
            char text[300];
            std::snprintf(text, sizeof text,
                          "The vehicle \"%s\" has a load or an axle spacing that is not a number; "
                          "its live load on the simple span is set to 0.",
                          vehicle.m_strName.c_str());
            platform::ShowMessage(text);
            for (int i = 0; i < kStationCount; ++i) {
                for (int k : {kCaseLiveLoadGoverning, kCaseLiveLoadConcurrent}) {
                    m_aMoment[i][k] = m_aShear[i][k] = 0.0;
                }
            }
            continue;
        }

        // 6.2 Lane load, per lane.
        double laneM[kStationCount];  // kip-ft
        double laneV[kStationCount];  // kip
        SimpleSpanLaneLoad(xs, L, vehicle.m_dLaneLoad, vehicle.m_dLaneMomentLoad,
                           vehicle.m_dLaneShearLoad, laneM, laneV);

        // 6.3 to 6.5 Axle train and tandem, per lane, with their concurrent values.
        double weights[kMaxVehicleAxles];  // kip
        double gaps[kMaxVehicleAxles];     // ft, the minimum spacing to the next axle
        for (int a = 0; a < axles; ++a) {
            weights[a] = vehicle.m_aAxles[a].m_dWeight;
            gaps[a] = vehicle.m_aAxles[a].m_dMinSpacing;
        }
        StationExtremes truck;
        EnvelopeAxleTrain(xs, L, std::span<const double>(weights, static_cast<size_t>(axles)),
                          std::span<const double>(gaps, static_cast<size_t>(axles)), truck,
                          kSearchedStations);
        StationExtremes tandem;
        if (vehicle.m_bIncludeTandem != 0) {
            EnvelopeTandem(xs, L, vehicle.m_dTandemAxle1, vehicle.m_dTandemAxle2,
                           vehicle.m_dTandemSpacing, tandem, kSearchedStations);
        }

        // 6.6, 6.7 Governing truck or tandem, combined with the lane load per girder.
        // AASHTO LRFD 6th ed. Art. 3.6.1.3.1; AASHTO Standard Specifications 17th ed.
        // Art. 3.7.1.2
        const double m = vehicle.m_dMultiplier;
        const double fM = m * m_dDfMoment;  // moments: times (1 + IM) and the per-lane values
        const double fV = m * m_dDfShear;
        const double IMM = 1.0 + m_dImpactPositiveMoment;
        for (int i = 0; i < kStationCount; ++i) {
            m_aMoment[i][kCaseLaneWork] = laneM[i];
            m_aShear[i][kCaseLaneWork] = laneV[i];
        }
        for (int i : kSearchedStations) {
            LoadEffectRecord& M = m_aMoment[i];
            LoadEffectRecord& S = m_aShear[i];
            M[kCaseAxlesWork] = truck.moment[i];
            S[kCaseAxlesWork] = truck.shear[i];
            M[kCaseTandemWork] = tandem.moment[i];
            S[kCaseTandemWork] = tandem.shear[i];

            const bool tandemMoment = tandem.moment[i] >= truck.moment[i];
            M[kCaseTruckWork] = M[kCaseLiveLoadGoverning] =
                tandemMoment ? tandem.moment[i] : truck.moment[i];
            S[kCaseLiveLoadConcurrent] =
                tandemMoment ? tandem.shearWithMoment[i] : truck.shearWithMoment[i];
            const bool tandemShear = tandem.shear[i] >= truck.shear[i];
            S[kCaseTruckWork] = S[kCaseLiveLoadGoverning] =
                tandemShear ? tandem.shear[i] : truck.shear[i];
            M[kCaseLiveLoadConcurrent] =
                tandemShear ? tandem.momentWithShear[i] : truck.momentWithShear[i];

            const double IMV = 1.0 + m_adImpactAtPoint[i];
            if (vehicle.m_nCombination == kCombineTruckOrTandemOrLane) {
                M[kCaseLiveLoad] = M[kCaseTruckWork];
                if (M[kCaseLaneWork] >= M[kCaseTruckWork]) {
                    M[kCaseLiveLoad] = M[kCaseLiveLoadGoverning] = M[kCaseLaneWork];
                    S[kCaseLiveLoadConcurrent] = S[kCaseLaneWork];
                }
                S[kCaseLiveLoad] = S[kCaseTruckWork];
                if (S[kCaseLaneWork] >= S[kCaseTruckWork]) {
                    S[kCaseLiveLoad] = S[kCaseLiveLoadGoverning] = S[kCaseLaneWork];
                    M[kCaseLiveLoadConcurrent] = M[kCaseLaneWork];
                }
                for (int k : {kCaseLiveLoad, kCaseLiveLoadGoverning, kCaseLiveLoadConcurrent}) {
                    M[k] *= fM * IMM;
                    S[k] *= fV * IMV;
                }
            } else {
                M[kCaseLiveLoad] = fM * (IMM * M[kCaseTruckWork] + M[kCaseLaneWork]);
                S[kCaseLiveLoad] = fV * (IMV * S[kCaseTruckWork] + S[kCaseLaneWork]);
                for (int k : {kCaseLiveLoadGoverning, kCaseLiveLoadConcurrent}) {
                    M[k] = fM * (IMM * M[k] + M[kCaseLaneWork]);
                    S[k] = fV * (IMV * S[k] + S[kCaseLaneWork]);
                }
            }
        }

        // 6.8 The fatigue truck per girder.
        if (fatigue) {
            StationExtremes fatigueTruck;
            EnvelopeAxleTrain(xs, L, kFatigueTruckAxles, kFatigueTruckGaps, fatigueTruck,
                              kSearchedStations);
            const double f = (1.0 + m_dFatigueImpact) * m_dDfFatigue;
            for (int i : kSearchedStations) {
                m_aMoment[i][kCaseFatigue] = fatigueTruck.moment[i] * f;
                m_aShear[i][kCaseFatigue] = fatigueTruck.shear[i] * f;
            }
        }

        // 6.9 The right half is the mirror image of the left half, whichever way the vehicle
        // runs; so are the right-half stations searched at their mirror images.
        for (int k : kMirroredCases) MirrorAboutMidspan(m_aMoment, m_aShear, k);
        if (fatigue) MirrorAboutMidspan(m_aMoment, m_aShear, kCaseFatigue);
        for (int i : kSearchedStations) {
            if (!search.mirrored[i]) continue;
            for (int k = kCaseLaneWork; k <= kCaseTruckWork; ++k) m_aShear[i][k] = -m_aShear[i][k];
            for (int k : kMirroredCases) m_aShear[i][k] = -m_aShear[i][k];
            if (fatigue) m_aShear[i][kCaseFatigue] = -m_aShear[i][kCaseFatigue];
        }

        // 6.10
        auto& moment = v == 1 ? m_aVehicle1Moment : m_aVehicle2Moment;
        auto& shear = v == 1 ? m_aVehicle1Shear : m_aVehicle2Shear;
        for (int i = 0; i < kStationCount; ++i) {
            for (auto [entry, k] : {std::pair{kVehiclePositive, kCaseLiveLoad},
                                    std::pair{kVehicleGoverning, kCaseLiveLoadGoverning},
                                    std::pair{kVehicleConcurrent, kCaseLiveLoadConcurrent}}) {
                moment[i][entry] = m_aMoment[i][k];
                shear[i][entry] = m_aShear[i][k];
            }
        }
    }

    // 7. The two vehicles combined.
    switch (m_nVehicleCombineMode) {
        case kCombineGoverning:
            for (int i = 0; i < kStationCount; ++i) {
                const bool moment1 =
                    m_aVehicle1Moment[i][kVehiclePositive] > m_aVehicle2Moment[i][kVehiclePositive];
                const double* M = moment1 ? m_aVehicle1Moment[i] : m_aVehicle2Moment[i];
                const double* Mv = moment1 ? m_aVehicle1Shear[i] : m_aVehicle2Shear[i];
                m_aMoment[i][kCaseLiveLoad] = M[kVehiclePositive];
                m_aMoment[i][kCaseLiveLoadGoverning] = M[kVehicleGoverning];
                m_aShear[i][kCaseLiveLoadConcurrent] = Mv[kVehicleConcurrent];
                const bool shear1 = std::abs(m_aVehicle1Shear[i][kVehiclePositive]) >
                                    std::abs(m_aVehicle2Shear[i][kVehiclePositive]);
                const double* S = shear1 ? m_aVehicle1Shear[i] : m_aVehicle2Shear[i];
                const double* Sm = shear1 ? m_aVehicle1Moment[i] : m_aVehicle2Moment[i];
                m_aShear[i][kCaseLiveLoad] = S[kVehiclePositive];
                m_aShear[i][kCaseLiveLoadGoverning] = S[kVehicleGoverning];
                m_aMoment[i][kCaseLiveLoadConcurrent] = Sm[kVehicleConcurrent];
            }
            break;
        case kCombineOverload: {
            // AASHTO LRFD 6th ed. Art. 4.6.2.2.5: vehicle 2 is the permit vehicle in one lane.
            const double ZM = m_anDfOneLaneLeverFlags[kDfFamilyMoment] != 0 ? 1.2 : 1.0;
            const double ZV = m_anDfOneLaneLeverFlags[kDfFamilyShear] != 0 ? 1.2 : 1.0;
            for (int i = 0; i < kStationCount; ++i) {
                for (auto [entry, k] : {std::pair{kVehiclePositive, kCaseLiveLoad},
                                        std::pair{kVehicleGoverning, kCaseLiveLoadGoverning},
                                        std::pair{kVehicleConcurrent, kCaseLiveLoadConcurrent}}) {
                    m_aMoment[i][k] = LrfdPermitWithTrafficEffect(
                        m_aVehicle2Moment[i][entry], m_aVehicle1Moment[i][entry], m_dDfMoment,
                        m_adDfMomentByLanes[kDfOneLane], m_adDfMomentByLanes[kDfLanesAsSet], ZM);
                    m_aShear[i][k] = LrfdPermitWithTrafficEffect(
                        m_aVehicle2Shear[i][entry], m_aVehicle1Shear[i][entry], m_dDfShear,
                        m_adDfShearByLanes[kDfOneLane], m_adDfShearByLanes[kDfLanesAsSet], ZV);
                }
            }
            break;
        }
        case kCombineNotCombined:
            for (int i = 0; i < kStationCount; ++i) {
                for (auto [entry, k] : {std::pair{kVehiclePositive, kCaseLiveLoad},
                                        std::pair{kVehicleGoverning, kCaseLiveLoadGoverning},
                                        std::pair{kVehicleConcurrent, kCaseLiveLoadConcurrent}}) {
                    m_aMoment[i][k] = m_aVehicle1Moment[i][entry];
                    m_aShear[i][k] = m_aVehicle1Shear[i][entry];
                }
            }
            break;
        default:
            break;
    }

    // 8. The pedestrian load, per girder without factors.
    for (int i = 0; i < kStationCount; ++i) {
        m_aMoment[i][kCasePedestrian] = UniformLoadMoment(m_dPedestrianLoad, L, x[i]);
        m_aShear[i][kCasePedestrian] = UniformLoadShear(m_dPedestrianLoad, L, x[i]);
    }
    ClearNonFiniteLoadEffects();
}

}  // namespace kordel
