// Losses of a girder that is post-tensioned as well as pretensioned, at mid-span (station 50):
// the losses of the pretensioned strands up to the post-tensioning and to final, with the elastic
// shortening the tendons cause; the immediate losses of the tendons (friction, wobble and anchor
// set) with the tendon stress along the girder; and the time-dependent losses of the tendons. Only
// the refined estimates (methods 1 and 2) compute losses on this road. ComputeLosses has set fpj
// and Aps and cleared every loss before it comes here, and turns the release and final losses
// into percentages afterwards.
#include <algorithm>
#include <optional>
#include <string>

#include "document/kordel_doc.h"
#include "engine/core/aashto_losses.h"
#include "engine/core/aashto_post_tensioning.h"
#include "engine/core/prestress_messages.h"

namespace kordel {
namespace {

/// True for the loss methods that compute losses on the post-tensioned road.
bool IsRefinedMethod(int lossMethod) {
    return lossMethod == kLossStandardSpecs || lossMethod == kLossLrfd3rd;
}

/// The quantities both stages share: the segment moment, friction and anchor set and the tendon
/// force after seating.
struct SharedQuantities {
    double Ls = 0;    ///< governing segment length, ft
    double Mseg = 0;  ///< girder weight moment of that segment, kip-ft
    TendonFrictionAnchorSet friction;
    double Ppt = 0;  ///< tendon force after seating, kip
};

}  // namespace

void CKordelDoc::ComputeLossesWithPostTensioning() {
    PrestressMessages messages;
    const bool lrfd = IsLrfd(m_nSpecification);
    const double fpj = m_dStrandStressJacking;  // ksi, set by ComputeLosses
    const double Aps = m_dStrandArea;           // in2
    const double fpjt = TendonJackingStress(m_nPTJackingBasis, m_dPtJackingFraction, m_dPTStrandFpy,
                                            m_dPTStrandFpu);
    const double Apt = m_dPtStrandArea;  // in2
    const double Lg = m_dGirderLength;   // ft
    const bool pretensionComputed = m_nLossMode == kLossesComputed;
    const bool tendonComputed = m_nTendonLossMode == kLossesComputed;
    const bool refined = IsRefinedMethod(m_nLossMethod);

    // The tendon losses of this run only.
    std::fill(std::begin(m_adPtTotalLoss), std::end(m_adPtTotalLoss), 0.0);
    std::fill(std::begin(m_adPtFrictionAnchorSet), std::end(m_adPtFrictionAnchorSet), 0.0);
    std::fill(std::begin(m_adTendonStressAtStation), std::end(m_adTendonStressAtStation), 0.0);
    m_adPtTotalLoss[kPtJackingStress] = fpjt;
    const TendonStressLimits limits =
        TendonStressLimitsOf(m_nPTStrandKind, m_dPTStrandFpy, m_dPTStrandFpu);
    m_adLossSecondStage[kSecondStageAllowJacking] = limits.jacking;
    m_adLossSecondStage[kSecondStageAllowAnchorage] = limits.anchorage;
    m_adLossSecondStage[kSecondStageAllowAnchorZone] = limits.anchorZone;
    m_adLossSecondStage[kSecondStageAllowService] = limits.service;

    if ((pretensionComputed || tendonComputed) && !refined) {
        messages.Show(
            "Prestress losses: the LRFD 6th edition loss methods (detailed and approximate) do not "
            "compute the losses of a post-tensioned girder. The computed pretensioning and tendon "
            "losses are taken as 0 and the tendon forces after losses as 0; choose the "
            "\"Standard Specs\" or \"LRFD 3rd edition\" method, or specify the losses.");
    }

    // Section values at mid-span, as the refined methods take them.
    const int s50 = kStationMidspan;
    const bool transformed = TransformsStrandsForDeadLoads(m_nTransformStrandsMode);
    const double A = m_adAreaAtStation[s50][transformed ? kSectionCaseRelease : kSectionCaseGirder];
    const double I =
        m_adInertiaAtStation[s50][transformed ? kSectionCaseRelease : kSectionCaseGirder];
    const int compositeCase = transformed ? kSectionCaseTransformedOverlay : kSectionCaseOverlay;
    const double Ic = m_adInertiaAtStation[s50][compositeCase];
    const double ybc = m_adCentroidAtStation[s50][compositeCase];
    const double F50 = m_adJackingForceAtStation[s50];                   // kip
    const double cg = m_adStrandCgAtStation[s50];                        // in
    const double e = m_adStrandEccentricity[s50][kEccentricityRelease];  // in
    const double ept = m_adPtEccentricity[s50][kEccentricityRelease];    // in
    const double cgpt = m_adPtCg[s50];                                   // in
    const LoadEffectRecord& M = m_aMoment[s50];                          // kip-ft
    const double M0 = M[kCaseGirderRelease];
    const double MnonComposite = M[kCaseDeck] + M[kCaseDiaphragms] + M[kCaseOtherNonComposite];
    const double Mcomposite =
        M[kCaseOverlay] + M[kCaseBarriers] + M[kCaseWearingSurface] + M[kCaseOtherComposite];
    const auto sectionMessage = [](const char* what) {
        return MessageText(
            "Prestress losses with post-tensioning: %s cannot be computed (the "
            "section at mid-span has no area or inertia); it is taken as 0.",
            what);
    };

    // Quantities both stages share, computed afresh before each.
    const auto shared = [&](bool firstStage) {
        SharedQuantities q;
        const int nSegments = std::clamp(m_nSegments, 0, kMaxSegmentSlots);
        if (nSegments == 3) {
            q.Ls = m_adSegments[1][kSegmentLength];
        } else {
            for (int k = 0; k < nSegments; ++k)
                q.Ls = std::max(q.Ls, m_adSegments[k][kSegmentLength]);
        }
        q.Mseg = m_dBeamWeight * q.Ls * q.Ls / 8.0;
        // The drop of the tendon centroid from the end to mid-length; station 51 stands next to
        // mid-span.
        const double sag = m_adPtCg[kStationLeftBearing] - m_adPtCg[kStationMidspan + 1];  // in
        if (m_dPtAnchorSet < 0.0) {
            messages.Show(
                "Prestress losses with post-tensioning: the anchor set is negative; it is taken "
                "as 0.");
        }
        const double anchorSet = std::max(m_dPtAnchorSet, 0.0);
        const std::optional<TendonFrictionAnchorSet> f = ComputeTendonFrictionAnchorSet(
            fpjt, sag, Lg, m_dPtWobbleK, m_dPtFrictionMu, anchorSet, m_dPTStrandEp);
        if (!f) {
            messages.Show(
                "Prestress losses with post-tensioning: the girder length is 0; the friction and "
                "anchor-set losses of the tendons are taken as 0.");
        }
        q.friction = f.value_or(TendonFrictionAnchorSet{});
        // The tendon force after seating takes an elastic shortening of the tendons of 5.3 ksi.
        constexpr double kAssumedTendonShortening = 5.3;  // ksi
        if (firstStage && !tendonComputed)
            q.Ppt = (fpjt - m_dPTSpecifiedReleaseLoss / 100.0 * fpjt) * Apt;
        else
            q.Ppt = (fpjt - (kAssumedTendonShortening + q.friction.FR + q.friction.AM)) * Apt;
        m_adLossSecondStage[kSecondStageSegmentLength] = q.Ls;
        m_adLossSecondStage[kSecondStageSegmentMoment] = q.Mseg;
        m_adLossSecondStage[kSecondStageTendonForce] = q.Ppt;
        return q;
    };

    // ---- Stage 1: the pretensioned strands ----------------------------------------------------
    double ES = 0.0, RE1 = 0.0;  // ksi
    if (!pretensionComputed) {
        const double release = m_dSpecifiedReleaseLoss / 100.0 * fpj;
        m_adTotalLoss[kTotalLossRelease] = release;
        m_adLossSecondStage[kSecondStageLoss] = release;
        m_adTotalLoss[kTotalLossFinal] = m_dSpecifiedFinalLoss / 100.0 * fpj;
    } else if (refined) {
        const SharedQuantities q = shared(true);
        const double K = RelaxationBeforeTransferDivisor(m_nStrandKind, lrfd);
        RE1 = messages.Take(RelaxationBeforeTransfer(m_dTransferAge, fpj, m_dStrandFpy, K), 0.0,
                            MessageText("Prestress losses: the relaxation before transfer cannot "
                                        "be computed for a transfer age of %g days and fpy = %g "
                                        "ksi; it is taken as 0.",
                                        m_dTransferAge, m_dStrandFpy));
        ES = messages.Take(
            ElasticShorteningLoss(Aps, fpj - RE1, A, I, e, q.Mseg, m_dBeamEci, m_dStrandEp), 0.0,
            sectionMessage("the elastic shortening of the strands"));
        const double SH = ShrinkageLossRefined(m_dRelativeHumidity);
        // Shrinkage and creep up to the deck casting, counted from 30 days; a deck cast earlier
        // gives no share yet.
        const double tDeck = m_dAgeAtDeckCasting - 30.0;  // days
        const double shFactor = ShrinkageTimeFactor(tDeck);
        const double SHdeck = shFactor * SH;
        const double Pi = F50 - (ES + RE1) * Aps;  // kip
        const double fcgp = messages.Take(StressAtStrands(Pi, A, I, e, q.Mseg), 0.0,
                                          sectionMessage("the concrete stress at the strands"));
        const double crFactor = CreepTimeFactor(tDeck);
        const double CRdeck = std::max(crFactor * 12.0 * fcgp, 0.0);
        // The post-tensioning shortens the bonded strands.
        const double fpt =
            messages.Take(ConcreteStressAtLevel(q.Ppt, ept, M0, A, I, e), 0.0,
                          sectionMessage("the stress of the post-tensioning at the strands"));
        const double ESpt = m_dBeamEc != 0.0
                                ? m_dStrandEp / m_dBeamEc * fpt
                                : messages.Take(std::nullopt, 0.0,
                                                "Prestress losses with post-tensioning: Ec of the "
                                                "girder is 0; the shortening of the strands by the "
                                                "tendons is taken as 0.");
        const double dfcdp =
            messages.Take(LoadStressAtStrands(MnonComposite, e, I), 0.0,
                          sectionMessage("the stress of the non-composite loads at the strands")) +
            messages.Take(LoadStressAtStrands(Mcomposite, ybc - cg, Ic), 0.0,
                          sectionMessage("the stress of the composite loads at the strands"));
        const double CR = CreepLossRefined(fcgp, dfcdp - fpt);
        const double RE2 = RelaxationAfterTransfer(m_nStrandKind, lrfd, ES, SH, CR);

        m_adLossRelaxation[kRelaxationBeforeTransfer] = RE1;
        m_adLossRelaxation[kRelaxationAfterTransfer] = RE2;
        m_adLossElasticShortening[kElasticFcgp] = fcgp;
        m_adLossElasticShortening[kElasticLoss] = ES;
        m_dLossShrinkage = SH;
        m_adLossCreep[kCreepLoss] = CR;
        m_adLossCreep[kCreepCompositeModulus] = ybc - cg != 0.0 ? Ic / (ybc - cg) : 0.0;
        m_adLossCreep[kCreepMinusDfcdp] = -dfcdp;
        m_adLossWork[kLossWorkSps] = e != 0.0 ? I / e : 0.0;
        m_adLossWork[kLossWorkPi] = Pi;
        m_adLossApprox[kApproxFcgpFromPt] = fpt;
        m_adLossSecondStage[kSecondStageShrinkFactor] = shFactor;
        m_adLossSecondStage[kSecondStageShrinkToDeck] = SHdeck;
        m_adLossSecondStage[kSecondStageCreepFactor] = crFactor;
        m_adLossSecondStage[kSecondStageCreepToDeck] = CRdeck;
        m_adLossSecondStage[kSecondStageEsFromPt] = ESpt;
        m_adLossSecondStage[kSecondStageLoss] = ES + SHdeck + CRdeck + RE1 + ESpt;
        m_adTotalLoss[kTotalLossRelease] = ES + RE1;
        m_adTotalLoss[kTotalLossFinal] = ES + SH + CR + RE2 + ESpt;
    }
    if (fpj != 0.0) {
        m_adLossSecondStage[kSecondStageLossPercent] =
            m_adLossSecondStage[kSecondStageLoss] / fpj * 100.0;
    }

    // ---- Stage 2: the tendons -----------------------------------------------------------------
    if (!tendonComputed) {
        m_adPtTotalLoss[kPtLossStage] = m_dPTSpecifiedReleaseLoss / 100.0 * fpjt;
        m_adPtTotalLoss[kPtLossFinal] = m_dPTSpecifiedFinalLoss / 100.0 * fpjt;
        return;
    }
    if (!refined) return;

    const double Pi = pretensionComputed ? F50 - (ES + RE1) * Aps
                                         : F50 - m_dSpecifiedReleaseLoss / 100.0 * fpj * Aps;
    const SharedQuantities q = shared(false);
    const TendonFrictionAnchorSet& f = q.friction;
    m_adPtFrictionAnchorSet[kPtAngleChange] = f.alpha;
    m_adPtFrictionAnchorSet[kPtFrictionLoss] = f.FR;
    m_adPtFrictionAnchorSet[kPtFrictionPerInch] = f.p;
    m_adPtFrictionAnchorSet[kPtAnchorSetLoss] = f.AM;
    m_adPtFrictionAnchorSet[kPtAnchorageLoss] = f.DA;
    m_adPtFrictionAnchorSet[kPtAnchorSetLength] = f.xa;

    // Tendon stress along the girder, by the stressing end of the first tendon.
    const std::string& end = m_aTendons[0].m_strStressingEnd;
    const double atAnchorage = fpjt - f.DA;             // ksi
    const double atZoneEnd = fpjt - 12.0 * f.p * f.xa;  // ksi
    const double atDeadEnd = fpjt - 12.0 * f.p * Lg;    // ksi
    const bool left = end == "L", right = end == "R", both = end == "B";
    if (left) {
        m_adPtTotalLoss[kPtLeftAnchorage] = atAnchorage;
        m_adPtTotalLoss[kPtLeftAnchorZoneEnd] = atZoneEnd;
        m_adPtTotalLoss[kPtRightAnchorage] = atDeadEnd;
        m_adPtTotalLoss[kPtRightAnchorZoneEnd] = atDeadEnd;
    } else if (right) {
        m_adPtTotalLoss[kPtRightAnchorage] = atAnchorage;
        m_adPtTotalLoss[kPtRightAnchorZoneEnd] = atZoneEnd;
        m_adPtTotalLoss[kPtLeftAnchorage] = atDeadEnd;
        m_adPtTotalLoss[kPtLeftAnchorZoneEnd] = atDeadEnd;
    } else if (both) {
        m_adPtTotalLoss[kPtLeftAnchorage] = atAnchorage;
        m_adPtTotalLoss[kPtRightAnchorage] = atAnchorage;
        m_adPtTotalLoss[kPtLeftAnchorZoneEnd] = atZoneEnd;
        m_adPtTotalLoss[kPtRightAnchorZoneEnd] = atZoneEnd;
    } else {
        messages.Show(
            MessageText("Prestress losses with post-tensioning: the stressing end "
                        "\"%s\" of the first tendon is not L, R or B; the tendon "
                        "stresses along the girder are taken as 0.",
                        end.c_str()));
    }
    if (left || right || both) {
        for (int i = 0; i < kStationCount; ++i) {
            const double x = m_dEndDistance + m_adStationX[i];  // ft from the left girder end
            const bool fromLeft = left || (both && x <= Lg / 2.0);
            m_adTendonStressAtStation[i] = TendonStressAfterSeating(f, fpjt, x, Lg, fromLeft);
        }
    }

    const double fcgpt = messages.Take(StressAtStrands(q.Ppt, A, I, ept, M0), 0.0,
                                       sectionMessage("the concrete stress at the tendons"));
    const int N = std::clamp(m_nTendonCount, 0, kMaxTendons);
    const double ESt = messages.Take(TendonElasticShortening(N, m_dStrandEp, m_dBeamEc, fcgpt), 0.0,
                                     "Prestress losses with post-tensioning: Ec of the girder is "
                                     "0; the elastic shortening of the tendons is taken as 0.");
    const double SHt = TendonShrinkageLoss(m_dRelativeHumidity);
    const double dfcdpt =
        messages.Take(LoadStressAtStrands(MnonComposite, ept, I), 0.0,
                      sectionMessage("the stress of the non-composite loads at the tendons")) +
        messages.Take(LoadStressAtStrands(Mcomposite, ybc - cgpt, Ic), 0.0,
                      sectionMessage("the stress of the composite loads at the tendons"));
    // The pretensioning at release and the segment weight, at the tendon level.
    const double fps =
        messages.Take(ConcreteStressAtLevel(Pi, e, q.Mseg, A, I, ept), 0.0,
                      sectionMessage("the stress of the pretensioning at the tendons"));
    const double CRt = CreepLossRefined(fcgpt, dfcdpt - fps);
    const double REt = TendonRelaxationLoss(m_nStrandKind, lrfd, f.FR, ESt, SHt, CRt);

    m_adLossSecondStage[kSecondStageSpt] = ept != 0.0 ? I / ept : 0.0;
    m_adLossSecondStage[kSecondStageTendonFcgp] = fcgpt;
    m_adLossSecondStage[kSecondStageTendonEs] = ESt;
    m_adLossSecondStage[kSecondStageTendonSh] = SHt;
    m_adLossSecondStage[kSecondStageTendonCr] = CRt;
    m_adLossSecondStage[kSecondStageTendonRe] = REt;
    m_adLossSecondStage[kSecondStageScpt] = ybc - cgpt != 0.0 ? Ic / (ybc - cgpt) : 0.0;
    m_adLossSecondStage[kSecondStageMinusDfcdpt] = -dfcdpt;
    m_adLossSecondStage[kSecondStageStressFromStrands] = fps;
    m_adPtTotalLoss[kPtLossStage] = f.FR + f.AM + ESt;
    m_adPtTotalLoss[kPtLossFinal] = f.FR + f.AM + ESt + SHt + CRt + REt;
}

}  // namespace kordel
