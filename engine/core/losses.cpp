// Prestress losses of the pretensioned strands, in ksi, computed once per analysis from the
// section and the loads at midspan (station 50): specified percentages of the jacking stress, or
// one of four methods: 1 the refined estimate of the Standard Specifications, 2 that of the
// earlier LRFD article, 3 the refined time-dependent losses of LRFD 5.9.5.4 by stage, 4 the
// approximate long-term losses of LRFD 5.9.5.3. A girder that is post-tensioned as well takes its
// own road (ComputeLossesWithPostTensioning).
#include <algorithm>
#include <optional>
#include <string>

#include "document/kordel_doc.h"
#include "engine/core/aashto_losses.h"
#include "engine/core/prestress_messages.h"

namespace kordel {
namespace {

/// The section values at midspan that the methods read, chosen by the strand transformation.
struct MidspanSection {
    double A;        ///< area of the section at release, in2
    double I;        ///< inertia of the section at release, in4
    double ybPrime;  ///< centroid of the girder in service, in
    double IPrime;   ///< inertia of the girder in service, in4
    double Ic;       ///< inertia of the composite section, in4
    double ybc;      ///< centroid of the composite section, in
};

/// The midspan values of `doc`: the gross girder and composite section (cases 0 and 2), or with
/// `transformed` the sections with the strands transformed (cases 3, 4 and 6).
MidspanSection MidspanSectionOf(const CKordelDoc& doc, bool transformed) {
    const double* A = doc.m_adAreaAtStation[kStationMidspan];
    const double* yb = doc.m_adCentroidAtStation[kStationMidspan];
    const double* I = doc.m_adInertiaAtStation[kStationMidspan];
    if (!transformed) {
        return {A[kSectionCaseGirder], I[kSectionCaseGirder],  yb[kSectionCaseGirder],
                I[kSectionCaseGirder], I[kSectionCaseOverlay], yb[kSectionCaseOverlay]};
    }
    return {A[kSectionCaseRelease],
            I[kSectionCaseRelease],
            yb[kSectionCaseFinal],
            I[kSectionCaseFinal],
            I[kSectionCaseTransformedOverlay],
            yb[kSectionCaseTransformedOverlay]};
}

/// One run of the loss computation: the shared inputs, the messages, and one routine per method.
/// Each routine writes the members of its method and returns the release and final losses.
class LossRun {
  public:
    struct Totals {
        double release = 0.0;  ///< ksi
        double final = 0.0;    ///< ksi
    };

    LossRun(CKordelDoc& doc, double jackingStress, double strandArea)
        : d(doc),
          fpj(jackingStress),
          Aps(strandArea),
          F50(doc.m_adJackingForceAtStation[kStationMidspan]),
          cg(doc.m_adStrandCgAtStation[kStationMidspan]),
          e(doc.m_adStrandEccentricity[kStationMidspan][kEccentricityRelease]),
          M(doc.m_aMoment[kStationMidspan]),
          Ep(doc.m_dStrandEp),
          Eci(doc.m_dBeamEci),
          Ec(doc.m_dBeamEc),
          lrfd(IsLrfd(doc.m_nSpecification)),
          composite(doc.m_bCompositeDeck != 0) {}

    Totals Refined();
    Totals Detailed();
    Totals Approximate();

  private:
    /// `value`, or `neutral` after a message. A girder without strands and without force gets
    /// its neutral values without a message: it has no losses to report.
    double Take(std::optional<double> value, double neutral, const std::string& text) {
        if (value) return *value;
        if (Aps > 0.0 || F50 != 0.0) messages.Show(text);
        return neutral;
    }

    CKordelDoc& d;
    PrestressMessages messages;
    const double fpj;           ///< jacking stress, ksi
    const double Aps;           ///< strand area, in2
    const double F50;           ///< anchored force at jacking stress at midspan, kip
    const double cg;            ///< strand centroid at midspan, in
    const double e;             ///< strand eccentricity at midspan, release section, in
    const LoadEffectRecord& M;  ///< moments at midspan, kip-ft [LoadCase]
    const double Ep, Eci, Ec;   ///< moduli, ksi
    const bool lrfd;
    const bool composite;
};

// Methods 1 and 2: the refined estimates of the Standard Specifications and the earlier LRFD.
LossRun::Totals LossRun::Refined() {
    const MidspanSection s =
        MidspanSectionOf(d, TransformsStrandsForDeadLoads(d.m_nTransformStrandsMode));
    const double K = RelaxationBeforeTransferDivisor(d.m_nStrandKind, lrfd);
    const double RE1 =
        Take(RelaxationBeforeTransfer(d.m_dTransferAge, fpj, d.m_dStrandFpy, K), 0.0,
             MessageText("Prestress losses: the relaxation before transfer cannot be "
                         "computed for a transfer age of %g days and fpy = %g ksi; "
                         "it is taken as 0.",
                         d.m_dTransferAge, d.m_dStrandFpy));
    const double M0 = M[kCaseGirderRelease];
    const double ES =
        Take(ElasticShorteningLoss(Aps, fpj - RE1, s.A, s.I, e, M0, Eci, Ep), 0.0,
             "Prestress losses: the elastic shortening cannot be computed (the girder section at "
             "midspan or the strand modulus Ep is 0); it is taken as 0.");
    const double SH = ShrinkageLossRefined(d.m_dRelativeHumidity);

    const double Pi = F50 - (ES + RE1) * Aps;  // kip
    const double fcgp = Take(StressAtStrands(Pi, s.A, s.I, e, M0), 0.0,
                             "Prestress losses: the girder section at midspan has no area or "
                             "inertia; the concrete stress at the strands is taken as 0.");
    const double ecp = s.ybc - cg;  // strands below the composite centroid, in
    const double dfcdp =
        Take(LoadStressAtStrands(M[kCaseDeck] + M[kCaseDiaphragms] + M[kCaseOtherNonComposite], e,
                                 s.I),
             0.0,
             "Prestress losses: the girder section at midspan has no inertia; the stress of the "
             "non-composite loads at the strands is taken as 0.") +
        Take(LoadStressAtStrands(M[kCaseOverlay] + M[kCaseBarriers] + M[kCaseWearingSurface] +
                                     M[kCaseOtherComposite],
                                 ecp, s.Ic),
             0.0,
             "Prestress losses: the composite section at midspan has no inertia; the stress of "
             "the composite loads at the strands is taken as 0.");
    const double CR = CreepLossRefined(fcgp, dfcdp);
    const double RE2 = RelaxationAfterTransfer(d.m_nStrandKind, lrfd, ES, SH, CR);

    d.m_adLossRelaxation[kRelaxationBeforeTransfer] = RE1;
    d.m_adLossRelaxation[kRelaxationAfterTransfer] = RE2;
    d.m_adLossElasticShortening[kElasticFcgp] = fcgp;
    d.m_adLossElasticShortening[kElasticLoss] = ES;
    d.m_dLossShrinkage = SH;
    d.m_adLossCreep[kCreepLoss] = CR;
    d.m_adLossCreep[kCreepCompositeModulus] = ecp != 0.0 ? s.Ic / ecp : 0.0;
    d.m_adLossCreep[kCreepMinusDfcdp] = -dfcdp;
    d.m_adLossWork[kLossWorkSps] = e != 0.0 ? s.I / e : 0.0;
    d.m_adLossWork[kLossWorkPi] = Pi;
    // RE1 is spent before the strands are bonded: it is not part of the final loss.
    return {ES + RE1, ES + SH + CR + RE2};
}

// Method 3: the refined time-dependent losses of LRFD 5.9.5.4, always on the transformed sections.
LossRun::Totals LossRun::Detailed() {
    const MidspanSection s = MidspanSectionOf(d, true);
    const double* A50 = d.m_adAreaAtStation[kStationMidspan];
    const double* yb50 = d.m_adCentroidAtStation[kStationMidspan];
    const double* I50 = d.m_adInertiaAtStation[kStationMidspan];
    const double psiTfTi = static_cast<double>(d.m_recCreepGirderFinalFromTransfer.m_fPsi);
    const double psiTdTi = static_cast<double>(d.m_recCreepGirderDeckFromTransfer.m_fPsi);
    const double psiTfTd = static_cast<double>(d.m_recCreepGirderFinalFromDeck.m_fPsi);
    const double psiDeck = static_cast<double>(d.m_recCreepDeckFinal.m_fPsi);
    const double epsBid = static_cast<double>(d.m_recShrinkGirderTransferToDeck.m_fStrain);
    const double epsBdf = static_cast<double>(d.m_fShrinkGirderDeckToFinal);
    const double epsDdf = static_cast<double>(d.m_recShrinkDeckToFinal.m_fStrain);
    const auto cannot = [](const char* what, const char* neutral) {
        return MessageText(
            "Prestress losses (LRFD detailed method): %s cannot be computed; it is "
            "taken as %s.",
            what, neutral);
    };

    d.m_adTotalLoss[kTotalLossDetailedCleared] = 0.0;

    // Transfer to deck placement.
    const double Ag = d.m_dSectionArea;
    const double Ig = d.m_dSectionIxx;
    const double eg = d.m_dSectionYb - cg;  // in
    const double Kid =
        Take(TransformedSectionCoefficient(Ep, Eci, Aps, Ag, Ig, eg, psiTfTi), 1.0,
             cannot("Kid (the girder section, Eci or the creep coefficient gives no value)", "1"));
    const double SR = GirderShrinkageLoss(epsBid, Ep, Kid);
    const double e3 = yb50[kSectionCaseRelease] - cg;  // in
    const double fcgp = Take(StressAtStrands(F50, s.A, s.I, e3, M[kCaseGirder]), 0.0,
                             cannot("fcgp (the transformed girder section at midspan has no area "
                                    "or inertia)",
                                    "0"));
    const double CR = Take(CreepLossToDeck(Ep, Eci, fcgp, psiTdTi, Kid), 0.0,
                           cannot("the creep loss before the deck (Eci is 0)", "0"));
    const double ES =
        Take(ElasticShorteningDetailed(Ep, Eci, fcgp), 0.0, cannot("the elastic shortening", "0"));
    const double R1 = Take(RelaxationLossDetailed(d.m_nStrandKind, fpj - ES, d.m_dStrandFpy), 0.0,
                           cannot("the relaxation (fpy is 0)", "0"));
    const double toDeck = SR + CR + R1;

    // Deck placement to final, on the composite section.
    const double Ac = A50[kSectionCaseOverlay];
    const double Ic2 = I50[kSectionCaseOverlay];
    const double yb2 = yb50[kSectionCaseOverlay];
    const double epc = yb2 - cg;  // in
    const double Kdf = Take(
        TransformedSectionCoefficient(Ep, Eci, Aps, Ac, Ic2, epc, psiTfTi), 1.0,
        cannot("Kdf (the composite section, Eci or the creep coefficient gives no value)", "1"));
    const double SD = GirderShrinkageLoss(epsBdf, Ep, Kdf);
    // The loss force of the first stage acting on the gross girder, the deck and diaphragms on
    // the girder, and the barriers and wearing surface on the composite section.
    const double dfcd =
        -Take(StressAtStrands(toDeck * Aps, Ag, Ig, eg, 0.0), 0.0,
              cannot("the stress of the first-stage losses (the girder section is 0)", "0")) -
        Take(LoadStressAtStrands(M[kCaseDeck] + M[kCaseDiaphragms], s.ybPrime - cg, s.IPrime), 0.0,
             cannot("the stress of the deck weight (the girder inertia is 0)", "0")) -
        Take(LoadStressAtStrands(M[kCaseBarriers] + M[kCaseWearingSurface], s.ybc - cg, s.Ic), 0.0,
             cannot("the stress of the composite loads (the composite inertia is 0)", "0"));
    const double CD =
        Take(CreepLossDeckToFinal(Ep, Eci, Ec, fcgp, psiTfTi, psiTdTi, dfcd, psiTfTd, Kdf), 0.0,
             cannot("the creep loss after the deck (Eci or Ec is 0)", "0"));
    const double R2 = R1;

    double SS = 0.0;
    double dfcdf = 0.0;
    if (composite) {
        const double t = d.m_dDeckThickness + d.m_dOverlayThickness -
                         d.m_dWearingSurfaceThickness;  // deck and overlay, in
        const double Ad = t * d.m_dEffFlangeWidth2 + d.m_dHaunchWidth * d.m_dHaunchThickness;
        const double ed = d.m_dCompositeHeight - yb2 - t / 2.0;  // in
        d.m_adLossApprox[kApproxDeckArea] = Ad;
        d.m_adLossApprox[kApproxDeckEccentricity] = ed;
        const double force = Take(DeckShrinkageForce(epsDdf, Ad, d.m_dDeckEc, psiDeck), 0.0,
                                  cannot("the deck shrinkage force", "0"));
        if (d.m_nDetailedLossBasis == kDeckShrinkagePciGuidelines) {
            // The force is applied to the composite section as a load case of its own.
            d.m_dDeckShrinkageForce = force;
        } else {
            dfcdf =
                Take(DeckShrinkageStressAtStrands(force, Ac, Ic2, epc, ed), 0.0,
                     cannot("the stress of the deck shrinkage (the composite section is 0)", "0"));
            SS = Take(DeckShrinkageGain(Ep, Ec, dfcdf, Kdf, psiTfTd), 0.0,
                      cannot("the deck shrinkage gain (Ec is 0)", "0"));
        }
    }
    const double deckToFinal = SD + CD + R2 - SS;

    // Elastic gains of the loads placed after transfer. The non-composite loads act on the girder
    // in service, whose centroid and inertia go together (case 4).
    const double g1 = Take(
        ElasticGain(Ep, Ec,
                    M[kCaseDeck] + M[kCaseOverlay] + M[kCaseDiaphragms] + M[kCaseOtherNonComposite],
                    s.ybPrime - cg, s.IPrime),
        0.0, cannot("the elastic gain of the non-composite loads", "0"));
    const double g2 = Take(ElasticGain(Ep, Ec,
                                       M[kCaseBarriers] + M[kCaseWearingSurface] +
                                           M[kCaseOtherComposite] + M[kCaseRestraintPositive],
                                       s.ybc - cg, s.Ic),
                           0.0, cannot("the elastic gain of the composite loads", "0"));
    const double g3 =
        d.m_bOmitElasticGain != 0
            ? 0.0
            : Take(ElasticGain(Ep, Ec, M[kCaseLiveLoad] + M[kCasePedestrian], s.ybc - cg, s.Ic),
                   0.0, cannot("the elastic gain of the live load", "0"));

    d.m_adLossIntermediate[kIntermediateKid] = Kid;
    d.m_adLossIntermediate[kIntermediateKdf] = Kdf;
    d.m_adLossIntermediate[kIntermediateDfcd] = dfcd;
    d.m_adLossIntermediate[kIntermediateDfcdf] = dfcdf;
    d.m_adLossElasticShortening[kElasticFcgp] = fcgp;
    d.m_adLossWork[kLossWorkSps] = e3 != 0.0 ? s.I / e3 : 0.0;
    d.m_adLossWork[kLossWorkPi] = F50;
    d.m_adLossDetailed[kDetailedR1] = R1;
    d.m_adLossDetailed[kDetailedSR] = SR;
    d.m_adLossDetailed[kDetailedCR] = CR;
    d.m_adLossDetailed[kDetailedToDeck] = toDeck;
    d.m_adLossDetailed[kDetailedR2] = R2;
    d.m_adLossDetailed[kDetailedSD] = SD;
    d.m_adLossDetailed[kDetailedCD] = CD;
    d.m_adLossDetailed[kDetailedSS] = SS;
    d.m_adLossDetailed[kDetailedDeckToFinal] = deckToFinal;
    d.m_adTotalLoss[kTotalLossToDeckPercent] = toDeck / fpj * 100.0;
    d.m_adTotalLoss[kTotalLossDeckToFinalPercent] = deckToFinal / fpj * 100.0;
    d.m_adLossApprox[kApproxDetailedEs] = ES;
    d.m_adLossApprox[kApproxGainNonComposite] = g1;
    d.m_adLossApprox[kApproxGainComposite] = g2;
    d.m_adLossApprox[kApproxGainLiveLoad] = g3;
    return {ES, toDeck + deckToFinal + ES - g1 - g2 - g3};
}

// Method 4: the approximate long-term losses of LRFD 5.9.5.3.
LossRun::Totals LossRun::Approximate() {
    const bool transformed = TransformsStrandsForDeadLoads(d.m_nTransformStrandsMode);
    const MidspanSection s = MidspanSectionOf(d, transformed);
    // No relaxation before transfer in this method: the strands stand at fpj until release.
    const double ES =
        Take(ElasticShorteningLoss(Aps, fpj, s.A, s.I, e, M[kCaseGirderRelease], Eci, Ep), 0.0,
             "Prestress losses: the elastic shortening cannot be computed (the girder section at "
             "midspan or the strand modulus Ep is 0); it is taken as 0.");
    double longTerm = 0.0;  // ksi
    if (composite) {
        const double gammaH = ApproxHumidityFactor(d.m_dRelativeHumidity);
        const double gammaSt = Take(ApproxStrengthFactor(d.m_dBeamFci), 1.0,
                                    "Prestress losses: gamma_st cannot be computed for this f'ci; "
                                    "it is taken as 1.");
        std::optional<ApproxLongTermLoss> loss =
            ApproximateLongTermLoss(fpj, Aps, d.m_dSectionArea, gammaH, gammaSt, d.m_nStrandKind);
        if (!loss) {
            Take(std::nullopt, 0.0,
                 "Prestress losses: the girder area is 0; the creep term of the long-term loss is "
                 "taken as 0.");
            loss = ApproximateLongTermLoss(fpj, 0.0, 1.0, gammaH, gammaSt, d.m_nStrandKind);
        }
        d.m_adLossApprox[kApproxGammaH] = gammaH;
        d.m_adLossApprox[kApproxGammaSt] = gammaSt;
        d.m_adLossDetailed[kDetailedCD] = loss->creep;
        d.m_adLossDetailed[kDetailedSD] = loss->shrinkage;
        d.m_adLossDetailed[kDetailedR2] = loss->relaxation;
        longTerm = loss->Total();
    } else {
        longTerm = LumpSumLongTermLoss(d.m_nSuperstructureType, d.m_dBeamFc);
    }
    d.m_adLossElasticShortening[kElasticLoss] = ES;
    d.m_adLossDetailed[kDetailedDeckToFinal] = longTerm;
    d.m_adTotalLoss[kTotalLossDeckToFinalPercent] = longTerm / fpj * 100.0;
    // With the strands transformed into the section the elastic shortening is in the stresses
    // already: it is not counted as a loss.
    if (transformed) return {0.0, longTerm};
    return {ES, ES + longTerm};
}

}  // namespace

void CKordelDoc::ComputeLosses() {
    // Common start: no value of an earlier run survives.
    std::fill(std::begin(m_adLossRelaxation), std::end(m_adLossRelaxation), 0.0);
    std::fill(std::begin(m_adLossElasticShortening), std::end(m_adLossElasticShortening), 0.0);
    m_dLossShrinkage = 0.0;
    std::fill(std::begin(m_adLossCreep), std::end(m_adLossCreep), 0.0);
    std::fill(std::begin(m_adLossWork), std::end(m_adLossWork), 0.0);
    std::fill(std::begin(m_adTotalLoss), std::end(m_adTotalLoss), 0.0);
    std::fill(std::begin(m_adLossDetailed), std::end(m_adLossDetailed), 0.0);
    std::fill(std::begin(m_adLossIntermediate), std::end(m_adLossIntermediate), 0.0);
    std::fill(std::begin(m_adLossApprox), std::end(m_adLossApprox), 0.0);
    std::fill(std::begin(m_adLossSecondStage), std::end(m_adLossSecondStage), 0.0);
    m_dDeckShrinkageForce = 0.0;

    const double fpj = m_dPullFraction * m_dStrandFpu;  // ksi
    m_dStrandStressJacking = fpj;
    const bool forceEntry = m_nPretensionEntryMode != kEntryStrandPattern;
    double Aps = 0.0;  // in2
    if (!forceEntry)
        Aps = m_nStrandCount * m_dStrandUnitArea;
    else if (fpj != 0.0)
        Aps = m_dPForceJacking / fpj;
    m_dStrandArea = Aps;

    if (m_nPrestressType == kPostTensioned && m_nTendonCount > 0) {
        ComputeLossesWithPostTensioning();
    } else if (fpj == 0.0) {
        // Nothing is jacked: no loss can be put against a jacking stress. A girder that has strands
        // or a force is told so.
        const bool prestressed = forceEntry ? m_dPForceJacking != 0.0 : m_nStrandCount > 0;
        if (prestressed) {
            PrestressMessages().Show(
                "Prestress losses: the jacking stress of the strands (pull fraction x fpu) is 0; "
                "the losses are taken as 0.");
        }
    } else if (m_nLossMode != kLossesComputed) {
        m_adTotalLoss[kTotalLossRelease] = m_dSpecifiedReleaseLoss / 100.0 * fpj;
        m_adTotalLoss[kTotalLossFinal] = m_dSpecifiedFinalLoss / 100.0 * fpj;
    } else {
        LossRun run(*this, fpj, Aps);
        std::optional<LossRun::Totals> totals;
        switch (m_nLossMethod) {
            case kLossStandardSpecs:
            case kLossLrfd3rd:
                totals = run.Refined();
                break;
            case kLossLrfd6thDetailed:
                totals = run.Detailed();
                break;
            case kLossLrfd6thApproximate:
                totals = run.Approximate();
                break;
            default:
                break;
        }
        if (totals) {
            m_adTotalLoss[kTotalLossRelease] = totals->release;
            m_adTotalLoss[kTotalLossFinal] = totals->final;
        }
    }

    // Every road: the two losses in percent of the jacking stress.
    if (fpj != 0.0) {
        m_adTotalLoss[kTotalLossReleasePercent] = m_adTotalLoss[kTotalLossRelease] / fpj * 100.0;
        m_adTotalLoss[kTotalLossFinalPercent] = m_adTotalLoss[kTotalLossFinal] / fpj * 100.0;
    }
}

}  // namespace kordel
