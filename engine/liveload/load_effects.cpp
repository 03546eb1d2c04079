// The load-effect stage, its frame and its dead loads: the loads on the girder alone (self-weight
// at release and in place, end blocks, deck and haunch, overlay, diaphragms, other non-composite
// load) on one simple span by closed forms, and the loads on the composite, made-continuous
// girder (barriers, future wearing surface, other composite load) on the continuous-beam model of
// all spans, interpolated to the stations of the girder being designed. The live loads follow
// (live_load_effects.cpp).
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

#include "document/kordel_doc.h"
#include "engine/liveload/beam_formulas.h"
#include "platform/host.h"

namespace kordel {

namespace {

constexpr double kSquareInchesPerSquareFoot = 144.0;
constexpr double kInchesPerFoot = 12.0;

/// End records that the stage clears; record 4 carries nothing.
constexpr int kClearedEndRecords[] = {kSupportSpanLeftEnd,   kSupportLeftReaction,
                                      kSupportRightReaction, kSupportSpanRightEnd,
                                      kSupportLeftRotation,  kSupportRightRotation};

/// Moments of the unit load closer to zero than this count as zero when the positive-moment
/// region is found, so that the round-off of the zero moment over an end support neither opens
/// nor closes the region.
constexpr double kZeroMoment = 1e-6;  // kip-ft

/// The stations of the design span as span positions.
StationPositions Stations(const CKordelDoc& d) {
    return StationPositions(d.m_adStationX, kStationCount);
}

}  // namespace

// ---- Helpers shared with the live loads and the simple-span stage -------------------------------

int CKordelDoc::CurrentSpanSlot() const {
    const int s = m_nCurrentSpan;
    return s >= 1 && s <= std::min(m_nSpans, kMaxSpans) ? s : 0;
}

int CKordelDoc::UsedSpanSlots() {
    m_nSpanSlotsUsed = std::clamp(std::max(m_nSpanSlotsUsed, m_nSpans), 0, kMaxSpans);
    return m_nSpanSlotsUsed;
}

double CKordelDoc::SpanTableAtStation(const SpanEnvelope* table, int value, int station) const {
    const int s = CurrentSpanSlot();
    if (s == 0) return 0.0;
    const double X = m_adStationX[station] + m_adGirderOffsetLeft[s] + m_adPadOffsetLeft[s];  // ft
    return TenthPointValueAt(table[s], value, m_adSpanLength[s], X);
}

void CKordelDoc::UseSingleLaneFactors() {
    if (m_bCheckSingleLane == 1) return;
    m_bCheckSingleLane = 1;
    ComputeDistributionFactors();
}

void CKordelDoc::ComputeCompositeLineLoads() {
    const int Nb = m_nBeams;
    if (m_nBarrierLoadMode == kLoadVariable) {
        const double n = m_nBarrierCount;
        const double W = m_dBarrierWeight;  // klf, one barrier
        const bool pcap = m_nBarrierDistribution == kBarriersPcap;
        const bool known = m_nBarrierDistribution == kBarriersEqual ||
                           m_nBarrierDistribution == kBarriersFdot || pcap;
        // PCAP: a non-composite box beam, or a bridge of more than six beams, carries a third of
        // one barrier.
        const bool third =
            pcap && ((m_nSectionType == kSectionBoxBeam && m_bCompositeDeck == 0) || Nb > 6);
        if (third) {
            m_dBarrierLoad = W / 3.0;
        } else if (known && Nb >= 1) {
            m_dBarrierLoad = n * W / Nb;
        } else if (known) {
            char text[200];
            std::snprintf(text, sizeof text,
                          "The barrier load cannot be shared among %d beams; the barrier load of "
                          "%.3f klf per girder is kept.",
                          Nb, m_dBarrierLoad);
            platform::ShowMessage(text);
        }
    }
    if (m_nFwsLoadMode == kLoadVariable) {
        if (m_nFwsWidthBasis == kFwsWidthBeamSpacing) {
            m_dWearingSurfaceLoad = m_dFwsPressure * m_dBeamSpacing;
        } else if (Nb >= 1) {
            m_dWearingSurfaceLoad = m_dFwsPressure * m_dCurbToCurb / Nb;
        } else {
            char text[200];
            std::snprintf(text, sizeof text,
                          "The wearing surface cannot be shared among %d beams; the wearing "
                          "surface load of %.3f klf per girder is kept.",
                          Nb, m_dWearingSurfaceLoad);
            platform::ShowMessage(text);
        }
    }
}

namespace {

/// True when any of the `count` values at `first` is infinite or not a number: its exponent bits
/// are all set. One pass without a branch per value.
bool AnyNonFinite(const double* first, std::size_t count) {
    constexpr int kMantissaBits = 52;
    constexpr std::uint64_t kExponentMask = 0x7ff;
    std::uint64_t any = 0;
    for (std::size_t i = 0; i < count; ++i) {
        std::uint64_t bits;
        std::memcpy(&bits, first + i, sizeof bits);
        any |= (((bits >> kMantissaBits) & kExponentMask) + 1) >> 11;  // 1 for exponent 0x7ff
    }
    return any != 0;
}

}  // namespace

bool CKordelDoc::ClearNonFiniteLoadEffects() {
    bool found = false;
    auto clear = [&found](double* first, std::size_t count) {
        if (!AnyNonFinite(first, count)) return;
        found = true;
        for (double* v = first; v != first + count; ++v) {
            if (!std::isfinite(*v)) *v = 0.0;
        }
    };
    for (LoadEffectRecord* table : {m_aMoment, m_aShear, m_aLoadEffect3}) {
        for (int i = 0; i < kStationCount; ++i) clear(table[i].m_adValue, kLoadEffectFields);
    }
    for (LoadEffectRecord& record : m_aSupportEffect) clear(record.m_adValue, kLoadEffectFields);
    for (auto* envelope :
         {m_aVehicle1Moment, m_aVehicle1Shear, m_aVehicle2Moment, m_aVehicle2Shear}) {
        clear(&envelope[0][0], kStationCount * kVehicleEnvelopeEntries);
    }
    for (auto* deflection :
         {m_adBarrierDeflection, m_adFwsDeflection, m_adOtherCompositeDeflection}) {
        clear(&deflection[0][0], kStationCount * kCompositeDeflectionColumns);
    }
    clear(&m_adVehicleDeflection[0][0][0],
          kDeflectionVehicles * kVehicleDeflectionTables * kStationCount);
    const int spans = std::clamp(m_nSpans, 0, kMaxSpans);
    for (SpanEnvelope* table :
         {m_aSpanEnvelope1, m_aSpanEnvelope2, m_aSpanEnvelope3, m_aSpanEnvelope4, m_aSpanEnvelope5,
          m_aSpanEnvelope6, m_aSpanEnvelope7, m_aSpanEnvelope8, m_aSpanEnvelope9, m_aSpanEnvelope10,
          m_aSpanEnvelope11, m_aSpanEnvelope12, m_aSpanEnvelope13, m_aSpanEnvelope14,
          m_aSpanEnvelope15, m_aSpanEnvelope16, m_aSpanEnvelope17, m_aSpanEnvelope18}) {
        for (int p = 1; p <= spans; ++p) {
            clear(&table[p][0][0], kSpanTenthPoints * kSpanEnvelopeValues);
        }
    }
    for (auto* reactions : {m_aSpanSummary, m_aSpanMaxReaction1, m_aSpanMaxReaction2}) {
        clear(&reactions[0][0], kMaxSupportSlots * kSpanEnvelopeValues);
    }
    if (found) {
        platform::ShowMessage(
            "Some load effects are not numbers (check the loads, the span lengths and the section "
            "properties); they are set to 0.");
    }
    return found;
}

// ---- The stage ----------------------------------------------------------------------------------

// The tenth-point rule: tenth point t of span p is the start of member 10 (p - 1) + t + 1, tenth
// point 10 the end of the span's last member, whose stored end moment and shear are minus the
// beam moment and shear there.
void CKordelDoc::StoreStaticBeamSolution(int value, bool solved) {
    const int slots = UsedSpanSlots();
    for (int p = 0; p <= slots; ++p) {
        for (int t = 0; t < kSpanTenthPoints; ++t) {
            m_aSpanEnvelope1[p][t][value] = 0.0;
            m_aSpanEnvelope2[p][t][value] = 0.0;
            m_aSpanEnvelope13[p][t][value] = 0.0;
            m_aSpanEnvelope14[p][t][value] = 0.0;
        }
    }
    for (auto& support : m_aSpanSummary) support[value] = 0.0;
    if (!solved) return;

    const int members = std::min(m_nFrameMembers, kFrameMembersPerSpan * kMaxSpans);
    for (int j = 1; j <= members; ++j) {
        const int p = (j - 1) / kFrameMembersPerSpan + 1;
        const int t = (j - 1) % kFrameMembersPerSpan;
        m_aSpanEnvelope1[p][t][value] += m_aFrameEndMoment[j][kAtStart];
        m_aSpanEnvelope2[p][t][value] += m_aFrameEndShear[j][kAtStart];
        m_aSpanEnvelope14[p][t][value] = kInchesPerFoot * m_aFrameDisplacement[j][kFrameDirY];
        m_aSpanEnvelope13[p][t][value] = m_aFrameDisplacement[j][kFrameDirRotation];
        if (t == kFrameMembersPerSpan - 1) {
            constexpr int kEnd = kSpanTenthPoints - 1;
            m_aSpanEnvelope1[p][kEnd][value] -= m_aFrameEndMoment[j][kAtEnd];
            m_aSpanEnvelope2[p][kEnd][value] -= m_aFrameEndShear[j][kAtEnd];
            m_aSpanEnvelope14[p][kEnd][value] =
                kInchesPerFoot * m_aFrameDisplacement[j + 1][kFrameDirY];
            m_aSpanEnvelope13[p][kEnd][value] = m_aFrameDisplacement[j + 1][kFrameDirRotation];
        }
    }
    const int supports = std::min(m_nFrameSupports, kMaxFrameSupports);
    for (int k = 1; k <= supports; ++k) m_aSpanSummary[k][value] = m_aFrameReaction[k][kReactionY];
}

void CKordelDoc::ComputeLoadEffects() {
    // The span slots of this design count as written from here on: the load-effect and the
    // restraint stages write the span tables of its spans.
    UsedSpanSlots();

    // 1. The dead-load entries are cleared on every run; the live-load and restraint entries
    // only when the moving-load analysis is redone, so that they keep its results meanwhile.
    const int cleared = m_bLoadEffectsDirty != 0 ? kLoadEffectFields : kCaseOtherComposite + 1;
    for (int i = 0; i < kStationCount; ++i) {
        for (int k = 0; k < cleared; ++k) {
            m_aMoment[i][k] = 0.0;
            m_aShear[i][k] = 0.0;
            m_aLoadEffect3[i][k] = 0.0;
        }
    }
    for (int record : kClearedEndRecords) {
        for (int k = 0; k < cleared; ++k) m_aSupportEffect[record][k] = 0.0;
    }
    LoadEffectRecord& reactionLeft = m_aSupportEffect[kSupportLeftReaction];
    LoadEffectRecord& reactionRight = m_aSupportEffect[kSupportRightReaction];
    LoadEffectRecord& rotationLeft = m_aSupportEffect[kSupportLeftRotation];
    LoadEffectRecord& rotationRight = m_aSupportEffect[kSupportRightRotation];

    // 2. Stiffness for the end rotations: the girder alone, with the strands transformed when
    // the dead-load stresses take them (at release for the release case, else at final).
    const bool transformed = m_nTransformStrandsMode == kTransformAll ||
                             m_nTransformStrandsMode == kTransformAllButLiveLoad;
    const double* I50 = m_adInertiaAtStation[kStationMidspan];
    const float Ia =
        static_cast<float>(I50[transformed ? kSectionCaseRelease : kSectionCaseGirder]);
    const float Ib = static_cast<float>(I50[transformed ? kSectionCaseFinal : kSectionCaseGirder]);
    const double Eci = m_dBeamEci;  // ksi
    const double Ec = m_dBeamEc;    // ksi
    // A load whose end rotation needs a stiffness the section does not have.
    bool rotationsLost = false;
    auto lost = [&rotationsLost](double load, double E, double I) {
        rotationsLost = rotationsLost || (load != 0.0 && !(E * I > 0.0));
    };

    // 3.
    m_nProgressStep = 1;

    const StationPositions x = Stations(*this);
    const double L = m_dDesignSpan;    // ft
    const double Lr = m_dReleaseSpan;  // ft
    m_adReleaseSpanShift[kReleaseSupportFromEnd] = (m_dGirderLength - Lr) / 2.0;
    m_adReleaseSpanShift[kReleaseStationShift] =
        m_dEndDistance - m_adReleaseSpanShift[kReleaseSupportFromEnd];
    const double shift = m_adReleaseSpanShift[kReleaseStationShift];  // ft

    // A uniform load on the design span: moments, shears, reactions and end rotations of case k.
    auto uniformOnDesignSpan = [&](int k, double w) {
        for (int i = 0; i < kStationCount; ++i) {
            m_aMoment[i][k] = UniformLoadMoment(w, L, x[i]);
            m_aShear[i][k] = UniformLoadShear(w, L, x[i]);
        }
        reactionLeft[k] = reactionRight[k] = w * L / 2.0;
        rotationLeft[k] = UniformLoadLeftRotation(w, L, Ec, Ib);
        lost(w, Ec, Ib);
        rotationRight[k] = -rotationLeft[k];
    };
    // Loads P at a and span - a, a <= span / 2, added to case k; stations are shifted by
    // `stationShift` onto the span.
    auto addPair = [&](int k, double P, double a, double span, double stationShift, double E,
                       double I) {
        for (int i = 0; i < kStationCount; ++i) {
            const double X = x[i] + stationShift;
            m_aMoment[i][k] += SymmetricPairMoment(P, a, span, X);
            m_aShear[i][k] += SymmetricPairShear(P, a, span, X);
        }
        reactionLeft[k] += P;
        reactionRight[k] += P;
        rotationLeft[k] += SymmetricPairLeftRotation(P, a, span, E, I);
        lost(P, E, I);
        rotationRight[k] = -rotationLeft[k];
    };

    // 4. Girder self-weight, at release on the release span and in place on the design span.
    const double A = m_dSectionArea;  // in2
    const double wg =
        m_dSelfWeightMultiplier * m_dBeamDensity * A / kSquareInchesPerSquareFoot;  // klf
    m_dBeamWeight = wg;
    for (int i = 0; i < kStationCount; ++i) {
        m_aMoment[i][kCaseGirderRelease] = UniformLoadMoment(wg, Lr, x[i] + shift);
    }
    reactionLeft[kCaseGirderRelease] = reactionRight[kCaseGirderRelease] = wg * Lr / 2.0;
    rotationLeft[kCaseGirderRelease] = UniformLoadLeftRotation(wg, Lr, Eci, Ia);
    lost(wg, Eci, Ia);
    rotationRight[kCaseGirderRelease] = -rotationLeft[kCaseGirderRelease];
    uniformOnDesignSpan(kCaseGirder, wg);

    // 5. End blocks: the extra weight of each block as a load at half its length from the
    // support.
    if (m_bIncludeEndBlocks == 1 && m_dEndBlockLength > 0.0) {
        double Ae = 0.0, yb = 0.0, Ie = 0.0, bw = 0.0;  // in2, in, in4, in
        GetStationSectionProps(kStationLeftBearing, 0, Ae, yb, Ie, bw);
        const double q = m_dSelfWeightMultiplier * m_dBeamDensity * (Ae - A) /
                         kSquareInchesPerSquareFoot;  // klf
        const double a = m_dEndBlockLength / 2.0;     // ft
        const double P = q * m_dEndBlockLength;       // kip
        addPair(kCaseGirderRelease, P, a, Lr, shift, Eci, Ia);
        addPair(kCaseGirder, P, a, L, 0.0, Ec, Ib);
    }

    // 6. Deck and haunch; 7. overlay, on the girder alone.
    m_dDeckWeight = (m_dDeckWidth * m_dDeckThickness / kSquareInchesPerSquareFoot +
                     m_dHaunchWidth * m_dHaunchThickness / kSquareInchesPerSquareFoot) *
                    m_dDeckDensity;
    uniformOnDesignSpan(kCaseDeck, m_dDeckWeight);
    m_dOverlayWeight =
        m_dDeckWidth * m_dOverlayThickness / kSquareInchesPerSquareFoot * m_dDeckDensity;
    uniformOnDesignSpan(kCaseOverlay, m_dOverlayWeight);

    // 8. Diaphragms of weight W: pairs at the quarter points, at the third points, one at
    // mid-span (a pair of halves), and a pair at the user's distance from either support.
    const double W = m_dDiaphragmWeight;  // kip
    if (m_bDiaphragmAtQuarter) addPair(kCaseDiaphragms, W, L / 4.0, L, 0.0, Ec, Ib);
    if (m_bDiaphragmAtThird) addPair(kCaseDiaphragms, W, L / 3.0, L, 0.0, Ec, Ib);
    if (m_bDiaphragmAtHalf) addPair(kCaseDiaphragms, W / 2.0, L / 2.0, L, 0.0, Ec, Ib);
    if (m_bDiaphragmAtUserLocation) {
        const double d = m_dDiaphragmUserLocation;  // ft
        if (d >= 0.0 && d <= L) {
            // A location past mid-span names the same pair from the other support.
            addPair(kCaseDiaphragms, W, std::min(d, L - d), L, 0.0, Ec, Ib);
        } else {
            char text[200];
            std::snprintf(text, sizeof text,
                          "The diaphragm location %.2f ft is not on the span of %.2f ft; those "
                          "diaphragms are left out.",
                          d, L);
            platform::ShowMessage(text);
        }
    }

    // 9. Other non-composite load.
    uniformOnDesignSpan(kCaseOtherNonComposite, m_dOtherNonCompositeLoad);

    if (rotationsLost) {
        platform::ShowMessage(
            "The girder's modulus of elasticity or moment of inertia at mid-span is 0: the end "
            "rotations of the dead loads on the girder are set to 0.");
    }

    // 10. Per-girder barrier and wearing-surface loads.
    ComputeCompositeLineLoads();

    // 11.
    m_nProgressStep = 1;
    ShowProgress();

    // The blank design of File New has no girder section yet: the continuous-beam model is not
    // built for it, and its composite and live load effects are 0 without a word.
    const bool blank = m_dSectionArea == 0.0 && m_nOutlinePointCount == 0;
    // A simple span takes these loads from the simple-span stage, whatever the span number.
    const int s = CurrentSpanSlot();
    if (s == 0 && !blank && m_bContinuous != 0) {
        char text[200];
        std::snprintf(text, sizeof text,
                      "The current span %d is not one of the %d spans: the composite dead loads "
                      "and the live loads are set to 0 at the stations.",
                      m_nCurrentSpan, m_nSpans);
        platform::ShowMessage(text);
    }

    // 13. Positive-moment region of the current span under 1 klf on every span: from the first
    // station where the moment is not negative to the next station where it is.
    if (!blank) AnalyzeContinuousBeam(kBeamStaticLoad, 1.0);
    // A model that could not be solved is not loaded again.
    const bool frameUsable = !blank && !m_bFrameSolveFailed;
    int ia = kStationLeftBearing;
    int ib = kStationRightBearing;
    if (frameUsable && s != 0) {
        // The moments at the tenth points of the current span, by the tenth-point rule.
        SpanEnvelope unit = {};
        for (int t = 0; t < kFrameMembersPerSpan; ++t) {
            const int j = kFrameMembersPerSpan * (s - 1) + t + 1;
            unit[t][kSpanBarrier] = m_aFrameEndMoment[j][kAtStart];
            if (t == kFrameMembersPerSpan - 1) {
                unit[kSpanTenthPoints - 1][kSpanBarrier] = -m_aFrameEndMoment[j][kAtEnd];
            }
        }
        const double offset = m_adGirderOffsetLeft[s] + m_adPadOffsetLeft[s];  // ft
        bool opened = false;
        bool closed = false;
        for (int i = kStationLeftBearing; i <= kStationRightBearing && !closed; ++i) {
            const double M = TenthPointValueAt(unit, kSpanBarrier, m_adSpanLength[s],
                                               x[i] + offset);  // kip-ft
            if (!opened && M >= -kZeroMoment) {
                ia = i;
                opened = true;
            } else if (opened && M < -kZeroMoment) {
                ib = i;
                closed = true;
            }
        }
    }

    // 14. Composite dead loads on the continuous-beam model, interpolated to the stations.
    struct CompositeLoad {
        int value;     ///< SpanEnvelopeValue
        int loadCase;  ///< LoadCase
        double w;      ///< klf
        double (*deflection)[kCompositeDeflectionColumns];
    };
    const CompositeLoad loads[] = {
        {kSpanBarrier, kCaseBarriers, m_dBarrierLoad, m_adBarrierDeflection},
        {kSpanWearingSurface, kCaseWearingSurface, m_dWearingSurfaceLoad, m_adFwsDeflection},
        {kSpanOtherComposite, kCaseOtherComposite, m_dOtherCompositeLoad,
         m_adOtherCompositeDeflection},
    };
    for (const CompositeLoad& load : loads) {
        // A load of 0 has the solution 0; the model is not solved for it.
        const bool solve = frameUsable && load.w != 0.0;
        if (solve) AnalyzeContinuousBeam(kBeamStaticLoad, load.w);
        StoreStaticBeamSolution(load.value, solve && !m_bFrameSolveFailed);
        const int k = load.loadCase;
        for (int i = 0; i < kStationCount; ++i) {
            m_aMoment[i][k] = SpanTableAtStation(m_aSpanEnvelope1, load.value, i);
            m_aShear[i][k] = SpanTableAtStation(m_aSpanEnvelope2, load.value, i);
            load.deflection[i][kDeflectionContinuousBeam] =
                SpanTableAtStation(m_aSpanEnvelope14, load.value, i);
        }
        if (s != 0) {
            reactionLeft[k] = m_aSpanSummary[s][load.value];
            reactionRight[k] = m_aSpanSummary[s + 1][load.value];
            rotationLeft[k] = m_aSpanEnvelope13[s][0][load.value];
            rotationRight[k] = m_aSpanEnvelope13[s][kSpanTenthPoints - 1][load.value];
        }
    }

    // 15. The live loads.
    ComputeLiveLoadEffects(ia, ib, frameUsable);
    ClearNonFiniteLoadEffects();
}

}  // namespace kordel
