// Load rating: inventory and operating rating factors at every station and their minimums.
#include "engine/checks/load_rating.h"

#include <algorithm>
#include <cmath>

#include "document/kordel_doc.h"
#include "engine/core/round_off.h"

namespace kordel {

double RatingFactor(double capacity, double liveLoad) {
    // A zero factored live load (no live load here, or a live-load factor of 0) leaves nothing
    // to rate; the sentinel keeps the division out.
    if (liveLoad == 0.0) return kRatingNoLiveLoad;
    return capacity / liveLoad;
}

namespace {

/// A stress rating where the live load moves the stress away from its limit (compression at
/// the bottom fibre, tension at the top, a strand relieved): the live load cannot bring the
/// fibre to the limit, so there is nothing to rate. Dividing would give a negative factor that
/// reads as a failing girder.
double StressRatingFactor(double capacity, double liveTowardLimit) {
    if (liveTowardLimit <= 0.0) return kRatingNoLiveLoad;
    return RatingFactor(capacity, liveTowardLimit);
}

}  // namespace

double TensionStressRating(double fPrestress, double fAllow, double fPermanent, double fLive,
                           double gammaLL) {
    return StressRatingFactor(fPrestress - fAllow + fPermanent, -fLive * gammaLL);
}

double CompressionStressRating(double fAllow, double fPrestress, double fPermanent, double fLive,
                               double share) {
    return StressRatingFactor(fAllow - share * (fPrestress + fPermanent), fLive);
}

double StrandStressRating(double limit, double fse, double dfsDL, double dfsLL, double gammaLL) {
    return StressRatingFactor(limit - (fse - dfsDL), -gammaLL * dfsLL);
}

namespace {

/// Component dead-load effect (loads 1 to 6 and 8) of a record.
double ComponentDeadLoad(const LoadEffectRecord& r) {
    return r[kCaseGirder] + r[kCaseDeck] + r[kCaseOverlay] + r[kCaseDiaphragms] +
           r[kCaseOtherNonComposite] + r[kCaseBarriers] + r[kCaseOtherComposite];
}

double WearingSurface(const LoadEffectRecord& r, const RatingEffects& e) {
    return e.ignoreFws ? 0.0 : r[kCaseWearingSurface] * e.eta;
}

}  // namespace

double PositiveFlexureRating(double Mr, const LoadEffectRecord& M, const RatingLoadFactors& g,
                             const RatingEffects& e) {
    const double DW = WearingSurface(M, e);
    const double ped = M[kCasePedestrian] > 0.0 ? M[kCasePedestrian] : 0.0;
    const double LL = (M[kCaseLiveLoad] + ped) * e.eta;
    if (LL == 0.0) return kRatingNoLiveLoad;
    const double demand =
        g.restraint * M[kCaseRestraintPositive] + g.DW * DW + g.DC * ComponentDeadLoad(M) * e.eta;
    return RatingFactor(Mr - demand, g.LL * LL);
}

double NegativeFlexureRating(double Mr, const LoadEffectRecord& M, const RatingLoadFactors& g,
                             const RatingEffects& e) {
    const double DW = WearingSurface(M, e);
    const double ped = M[kCasePedestrian] < 0.0 ? M[kCasePedestrian] : 0.0;
    const double LL = (M[kCaseLiveLoadNegative] + ped) * e.eta;
    if (LL == 0.0) return kRatingNoLiveLoad;
    // Only the loads on the composite section make negative moment over a pier.
    const double DC = (M[kCaseBarriers] + M[kCaseOtherComposite]) * e.eta;
    const double demand = g.restraint * M[kCaseRestraintNegative] + g.DW * DW + g.DC * DC;
    return RatingFactor(-Mr - demand, g.LL * LL);
}

double ShearRating(double phiVn, const LoadEffectRecord& V, const LoadEffectRecord& M,
                   const RatingLoadFactors& g, const RatingEffects& e) {
    const double VDC = ComponentDeadLoad(V) * e.eta;
    const double VDW = WearingSurface(V, e);
    const double pedPos = M[kCasePedestrian] > 0.0 ? V[kCasePedestrian] : 0.0;
    const double pedNeg = M[kCasePedestrian] < 0.0 ? V[kCasePedestrian] : 0.0;
    const double Vpos = (V[kCaseLiveLoad] + pedPos) * e.eta;
    const double Vneg = (V[kCaseLiveLoadNegative] + pedNeg) * e.eta;
    const double VLL = std::max(std::abs(Vpos), std::abs(Vneg));
    if (VLL == 0.0) return kRatingNoLiveLoad;
    return RatingFactor(phiVn - (g.DW * std::abs(VDW) + g.DC * std::abs(VDC)), g.LL * VLL);
}

namespace {

/// The live-load cases a rating divides by.
constexpr int kLiveLoadCases[] = {kCaseLiveLoad, kCaseLiveLoadNegative, kCasePedestrian};

/// Largest magnitude of the live-load cases of `records` over every station: the scale of the
/// terms of any live-load effect the rating divides by.
double LiveLoadScale(const LoadEffectRecord* records) {
    double scale = 0;
    for (int i = 0; i < kStationCount; ++i) {
        for (const int c : kLiveLoadCases) scale = std::max(scale, std::abs(records[i][c]));
    }
    return scale;
}

/// `value`, or 0 when it is round-off of live-load effects on the girder that reach `scale` (a
/// live-load moment at the end bearing of a chain, say): a station with no live load of that
/// kind rates as such, never as a quotient of round-off.
double LiveLoadOrNone(double value, double scale) {
    return IsRoundOffZero(value, scale) ? 0.0 : value;
}

/// `record` with every live-load case that is round-off of `scale` set to 0.
LoadEffectRecord WithoutRoundOffLiveLoad(LoadEffectRecord record, double scale) {
    for (const int c : kLiveLoadCases) record[c] = LiveLoadOrNone(record[c], scale);
    return record;
}

/// Last station that enters a minimum (the right transfer point); the handling points beyond it
/// never do.
constexpr int kLastRatedStation = kStationRightTransfer;

/// Smallest factor and its station x over stations 0 to kLastRatedStation whose x lies in
/// [xFrom, xTo], taking each row of `rows` at a station in turn. The factor starts at the search
/// start value; the location is written only with a smaller factor.
void TakeMinimum(const double* const* rows, int rowCount, const double* x, double xFrom, double xTo,
                 double* pair) {
    pair[0] = kRatingMinimumStart;
    for (int i = 0; i <= kLastRatedStation; ++i) {
        if (PositionBefore(x[i], xFrom) || PositionBeyond(x[i], xTo)) continue;
        for (int r = 0; r < rowCount; ++r) {
            if (rows[r][i] < pair[0]) {
                pair[0] = rows[r][i];
                pair[1] = x[i];
            }
        }
    }
}

}  // namespace

void CKordelDoc::ComputeLoadRating() {
    const bool lrfd = IsLrfd(m_nSpecification);
    const bool inventory = m_bRatingInventory == 1;
    const bool operating = m_bRatingOperating == 1;
    const bool detailedLosses = UsesDetailedLosses(m_nLossMethod, m_nLossMode);

    RatingEffects effects;
    effects.eta = lrfd ? m_dLoadModDuctility * m_dLoadModRedundancy * m_dLoadModImportance : 1.0;
    effects.ignoreFws = m_bRatingIgnoreFws != 0;
    RatingLoadFactors strengthI;
    strengthI.DC = m_dStrengthIDeadLoadFactor;
    strengthI.DW = m_dStrengthIWearingSurfaceFactor;
    strengthI.LL = m_dStrengthILiveLoadFactor;
    strengthI.restraint = m_dRestrainingMomentFactor;
    RatingLoadFactors strengthII;
    strengthII.DC = m_dStrengthIIDeadLoadFactor;
    strengthII.DW = m_dStrengthIIWearingSurfaceFactor;
    strengthII.LL = m_dStrengthIILiveLoadFactor;
    strengthII.restraint = m_dRestrainingMomentFactor;

    const double gammaLL = m_adAllowableStress[kServiceTensionLiveLoadFactor];
    const double n = m_dBeamEc > 0.0 ? m_dStrandEp / m_dBeamEc : 0.0;  // Ep / Ec
    // Centroid of the section that carries the dead-load stresses of the strand stress rating.
    int ybCase = kSectionCaseGirder;
    if (TransformsStrandsForDeadLoads(m_nTransformStrandsMode)) {
        ybCase = detailedLosses ? kSectionCaseRelease : kSectionCaseFinal;
    }

    double liveStressScale = 0;  // ksi
    for (int i = 0; i < kStationCount; ++i) {
        for (const int c : {kStressLiveLoad, kStressPedestrian}) {
            for (const int f : {kFibreGirderBottom, kFibreGirderTop}) {
                liveStressScale = std::max(liveStressScale, std::abs(m_aLoadCaseStress[i][c][f]));
            }
        }
    }
    const double liveMomentScale = LiveLoadScale(m_aMoment);  // k-ft
    const double liveShearScale = LiveLoadScale(m_aShear);    // kip

    for (int i = 0; i < kStationCount; ++i) {
        const LoadCaseStress& L = m_aLoadCaseStress[i];
        // Permanent-load stresses at the girder bottom and top, with the loss forces of the
        // detailed method.
        double perm[2] = {};
        for (const int f : {kFibreGirderBottom, kFibreGirderTop}) {
            for (const int c :
                 {kStressGirder, kStressDeck, kStressDiaphragms, kStressOtherNonComposite,
                  kStressOverlay, kStressBarriers, kStressWearingSurface, kStressOtherComposite}) {
                if (c == kStressWearingSurface && effects.ignoreFws) continue;
                perm[f] += L[c][f];
            }
        }
        if (detailedLosses) {
            const double* Ls = m_aPrestressLossStress[i];
            perm[kFibreGirderBottom] +=
                Ls[kLossStressToDeckBottom] + Ls[kLossStressDeckToFinalBottom];
            perm[kFibreGirderTop] += Ls[kLossStressToDeckTop] + Ls[kLossStressDeckToFinalTop];
        }
        const double fbPerm = perm[kFibreGirderBottom];
        const double ftPerm = perm[kFibreGirderTop];
        const double fbLive = LiveLoadOrNone(
            L[kStressLiveLoad][kFibreGirderBottom] + L[kStressPedestrian][kFibreGirderBottom],
            liveStressScale);
        const double ftLive = LiveLoadOrNone(
            L[kStressLiveLoad][kFibreGirderTop] + L[kStressPedestrian][kFibreGirderTop],
            liveStressScale);
        const LoadEffectRecord M = WithoutRoundOffLiveLoad(m_aMoment[i], liveMomentScale);
        const LoadEffectRecord V = WithoutRoundOffLiveLoad(m_aShear[i], liveShearScale);
        const double fpb =
            m_aPrestressStress[i][kPrestressFinalBottom] + m_aPtStress[i][kPtStressFinalBottom];
        const double fpt =
            m_aPrestressStress[i][kPrestressFinalTop] + m_aPtStress[i][kPtStressFinalTop];

        // Strand stress changes from the bottom-fibre stresses, scaled to the strand level.
        const double yb = m_adCentroidAtStation[i][ybCase];
        const double e = m_adStrandEccentricity[i][kEccentricityService];
        const double scale = yb != 0.0 ? e * n / yb : 0.0;
        const double dfsDL = scale * fbPerm;
        const double dfsLL = scale * fbLive;
        const double apsHere = m_aFlexureAps[i][kFlexurePositive];
        const double fse = apsHere != 0.0 && m_dStrandArea != 0.0
                               ? apsHere / m_dStrandArea * (m_adEffectivePrestress[i] / apsHere)
                               : 0.0;

        const double MrPos = m_aFlexureMr[i][kFlexurePositive];
        const double MrNeg = m_aFlexureMr[i][kFlexureNegative];
        const double phiVn = m_dPhiShear * m_adShearVr[i];

        if (inventory) {
            m_aRatingFactor[kRatingInvTension][i] =
                TensionStressRating(fpb, m_dAllowFinalTensionAllLoads, fbPerm, fbLive, gammaLL);
            m_aRatingFactor[kRatingInvCompression][i] =
                CompressionStressRating(m_dAllowFinalCompressionAllLoads, fpt, ftPerm, ftLive, 1.0);
            m_aRatingFactor[kRatingInvFlexurePos][i] =
                PositiveFlexureRating(MrPos, M, strengthI, effects);
            m_aRatingFactor[kRatingInvFlexureNeg][i] =
                NegativeFlexureRating(MrNeg, M, strengthI, effects);
            m_aRatingFactor[kRatingInvShear][i] =
                ShearRating(phiVn, V, M, strengthI, effects);
            if (!lrfd) {
                m_aRatingFactor2[kRatingInvAltCompression][i] = CompressionStressRating(
                    m_dAllowFinalCompressionHalfPermanentLL, fpt, ftPerm, ftLive, 0.5);
                m_aRatingFactor2[kRatingInvStrand][i] =
                    StrandStressRating(0.8 * m_dStrandFpy, fse, dfsDL, dfsLL, gammaLL);
            }
        }
        if (operating) {
            m_aRatingFactor[kRatingOprFlexurePos][i] =
                PositiveFlexureRating(MrPos, M, strengthII, effects);
            m_aRatingFactor[kRatingOprFlexureNeg][i] =
                NegativeFlexureRating(MrNeg, M, strengthII, effects);
            m_aRatingFactor[kRatingOprShear][i] =
                ShearRating(phiVn, V, M, strengthII, effects);
            if (!lrfd) {
                m_aRatingFactor2[kRatingOprStrand][i] =
                    StrandStressRating(0.9 * m_dStrandFpy, fse, dfsDL, dfsLL, gammaLL);
            }
        }
    }

    // Minimums: the stress and flexure ratings over every rated station, shear between the
    // critical sections and the strand stress between the transfer points.
    const double* x = m_adStationX;
    const double xAllFrom = -HUGE_VAL;
    const double xAllTo = HUGE_VAL;
    const double xShearFrom = x[kStationLeftCritical];
    const double xShearTo = x[kStationRightCritical];
    const double xStrandFrom = x[kStationLeftTransfer];
    const double xStrandTo = x[kStationRightTransfer];
    if (inventory) {
        const double* tension[] = {m_aRatingFactor[kRatingInvTension]};
        const double* compression[] = {m_aRatingFactor[kRatingInvCompression]};
        const double* flexure[] = {m_aRatingFactor[kRatingInvFlexurePos],
                                   m_aRatingFactor[kRatingInvFlexureNeg]};
        const double* shear[] = {m_aRatingFactor[kRatingInvShear]};
        TakeMinimum(tension, 1, x, xAllFrom, xAllTo, &m_adRatingMinimum[kRatingMinTension]);
        TakeMinimum(compression, 1, x, xAllFrom, xAllTo, &m_adRatingMinimum[kRatingMinCompression]);
        TakeMinimum(flexure, 2, x, xAllFrom, xAllTo, &m_adRatingMinimum[kRatingMinInvFlexure]);
        TakeMinimum(shear, 1, x, xShearFrom, xShearTo, &m_adRatingMinimum[kRatingMinInvShear]);
        if (!lrfd) {
            const double* alt[] = {m_aRatingFactor2[kRatingInvAltCompression]};
            const double* strand[] = {m_aRatingFactor2[kRatingInvStrand]};
            TakeMinimum(alt, 1, x, xAllFrom, xAllTo, &m_adRatingMinimum2[kRatingMinAltCompression]);
            TakeMinimum(strand, 1, x, xStrandFrom, xStrandTo,
                        &m_adRatingMinimum2[kRatingMinInvStrand]);
        }
    }
    if (operating) {
        const double* flexure[] = {m_aRatingFactor[kRatingOprFlexurePos],
                                   m_aRatingFactor[kRatingOprFlexureNeg]};
        const double* shear[] = {m_aRatingFactor[kRatingOprShear]};
        TakeMinimum(flexure, 2, x, xAllFrom, xAllTo, &m_adRatingMinimum[kRatingMinOprFlexure]);
        TakeMinimum(shear, 1, x, xShearFrom, xShearTo, &m_adRatingMinimum[kRatingMinOprShear]);
        if (!lrfd) {
            const double* strand[] = {m_aRatingFactor2[kRatingOprStrand]};
            TakeMinimum(strand, 1, x, xStrandFrom, xStrandTo,
                        &m_adRatingMinimum2[kRatingMinOprStrand]);
        }
    }
}

}  // namespace kordel
