// Strand force at the ends, post-tensioning, losses and effective prestress.
#pragma once

#include "document/model_limits.h"
#include "document/model_materials.h"
#include "document/model_options.h"
#include "document/model_prestress.h"

namespace kordel {

// ---- Strand force at the girder ends ------------------------------------------------------------

/// Entries of m_anDebondFlags.
enum DebondFlag : int {
    kDebondFlagEnd = 0,  ///< some strand group is debonded at the girder ends
    kDebondFlagMid = 1,  ///< some strand group is debonded about mid-length
};
inline constexpr int kDebondFlagCount = 2;

/// Section states of m_adStrandEccentricity (and of the tendon eccentricities).
enum EccentricityState : int {
    kEccentricityRelease = 0,  ///< the section at release
    kEccentricityService = 1,  ///< the section in service
};
inline constexpr int kEccentricityStateCount = 2;

// ---- Prestress losses ---------------------------------------------------------------------------

/// m_nDetailedLossBasis: how the detailed method takes the shrinkage of the deck.
inline constexpr int kDeckShrinkageSpecEquations = 0;  ///< "Use Spec. Equations": the loss SS
inline constexpr int kDeckShrinkagePciGuidelines = 1;  ///< "Use PCI Guidelines": a deck force

/// Entries of m_adLossRelaxation, ksi.
enum LossRelaxationEntry : int {
    kRelaxationBeforeTransfer = 0,  ///< RE1, from jacking to transfer
    kRelaxationAfterTransfer = 1,   ///< RE2, from transfer to final
};
inline constexpr int kLossRelaxationCount = 2;

/// Entries of m_adLossElasticShortening, ksi.
enum LossElasticEntry : int {
    kElasticFcgp = 0,  ///< fcgp, concrete stress at the strand centroid at release
    kElasticLoss = 1,  ///< ES, elastic shortening loss (methods 1, 2 and 4)
};
inline constexpr int kLossElasticCount = 2;

/// Entries of m_adLossCreep.
enum LossCreepEntry : int {
    kCreepLoss = 0,              ///< CR, creep loss, ksi
    kCreepCompositeModulus = 1,  ///< Scps = Ic / (ybc - cg), composite modulus at the strands, in3
    kCreepMinusDfcdp = 2,        ///< -dfcdp, minus the superimposed-load stress at the strands, ksi
};
inline constexpr int kLossCreepCount = 3;

/// Entries of m_adLossWork.
enum LossWorkEntry : int {
    kLossWorkSps = 0,  ///< Sps = I / e, girder section modulus at the strand centroid, in3
    kLossWorkPi = 3,   ///< Pi, strand force after release at midspan, kip
};
inline constexpr int kLossWorkCount = 4;

/// Entries of m_adTotalLoss: losses in ksi, shares in percent of fpj.
enum TotalLossEntry : int {
    kTotalLossRelease = 0,             ///< loss at release, ksi
    kTotalLossReleasePercent = 1,      ///< [0] in percent of fpj
    kTotalLossFinalPercent = 2,        ///< [6] in percent of fpj
    kTotalLossToDeckPercent = 3,       ///< methods 3, 4: loss from transfer to deck, percent
    kTotalLossDeckToFinalPercent = 4,  ///< methods 3, 4: deck to final (long-term), percent
    kTotalLossFinal = 6,               ///< final loss, ksi
    kTotalLossDetailedCleared = 7,     ///< set to 0 by the detailed method
};
inline constexpr int kTotalLossCount = 8;

/// Entries of m_adLossDetailed, ksi: the time-dependent losses of the LRFD detailed method by
/// stage (the approximate method keeps its long-term terms in the deck-to-final entries).
enum DetailedLossEntry : int {
    kDetailedR1 = 0,            ///< relaxation, transfer to deck
    kDetailedR2 = 1,            ///< relaxation, deck to final
    kDetailedSR = 3,            ///< girder shrinkage, transfer to deck
    kDetailedSD = 4,            ///< girder shrinkage, deck to final
    kDetailedCR = 6,            ///< girder creep, transfer to deck
    kDetailedCD = 7,            ///< girder creep, deck to final
    kDetailedSS = 10,           ///< deck shrinkage (a gain when positive)
    kDetailedToDeck = 11,       ///< sum from transfer to deck
    kDetailedDeckToFinal = 12,  ///< sum from deck to final
};
inline constexpr int kDetailedLossCount = 13;

/// Entries of m_adLossIntermediate (LRFD detailed method).
enum LossIntermediateEntry : int {
    kIntermediateKid = 0,    ///< Kid, transformed-section coefficient, transfer to deck
    kIntermediateKdf = 1,    ///< Kdf, transformed-section coefficient, deck to final
    kIntermediateDfcd = 2,   ///< dfcd, stress change at the strands from deck and loads, ksi
    kIntermediateDfcdf = 3,  ///< dfcdf, stress change at the strands from deck shrinkage, ksi
};
inline constexpr int kLossIntermediateCount = 4;

/// Entries of m_adLossApprox.
enum LossApproxEntry : int {
    kApproxDeckArea = 0,          ///< Ad, deck area, in2 (detailed method)
    kApproxDeckEccentricity = 1,  ///< ed, deck centroid above the composite centroid, in
    kApproxFcgpFromPt = 2,        ///< stress at the strand centroid from the post-tensioning, ksi
    kApproxDetailedEs = 3,        ///< ES of the detailed method, ksi
    kApproxGainNonComposite = 4,  ///< elastic gain, non-composite superimposed loads, ksi
    kApproxGainComposite = 5,     ///< elastic gain, composite loads and restraint, ksi
    kApproxGainLiveLoad = 6,      ///< elastic gain, live and pedestrian load, ksi
    kApproxGammaH = 7,            ///< gamma_h of the approximate method
    kApproxGammaSt = 8,           ///< gamma_st of the approximate method
};
inline constexpr int kLossApproxCount = 9;

/// Entries of m_adLossSecondStage with a meaning here; the post-tensioned road of the losses
/// fills the rest.
enum LossSecondStageEntry : int {
    kSecondStageSegmentLength = 0,       ///< Ls, governing segment length, ft
    kSecondStageLoss = 1,                ///< loss of the pretensioning at post-tensioning, ksi
    kSecondStageSpt = 2,                 ///< Spt = I / ept, girder modulus at the tendons, in3
    kSecondStageTendonFcgp = 6,          ///< fcgpt, concrete stress at the tendons, ksi
    kSecondStageTendonEs = 7,            ///< ESt, elastic shortening of the tendons, ksi
    kSecondStageTendonSh = 8,            ///< SHt, shrinkage loss of the tendons, ksi
    kSecondStageTendonCr = 9,            ///< CRt, creep loss of the tendons, ksi
    kSecondStageScpt = 10,               ///< composite modulus at the tendons, in3
    kSecondStageMinusDfcdpt = 11,        ///< minus the superimposed-load stress at the tendons
    kSecondStageTendonRe = 14,           ///< REt, relaxation loss of the tendons, ksi
    kSecondStageSegmentMoment = 16,      ///< Mseg = w Ls^2 / 8, kip-ft
    kSecondStageAllowJacking = 17,       ///< 0.90 fpy, before seating, ksi
    kSecondStageAllowAnchorage = 18,     ///< 0.70 fpu, at the anchorage after seating, ksi
    kSecondStageAllowAnchorZone = 19,    ///< 0.74 fpu (low relaxation) or 0.70 fpu, ksi
    kSecondStageAllowService = 20,       ///< 0.80 fpy, at final, ksi
    kSecondStageShrinkFactor = 21,       ///< time factor of the shrinkage up to the deck
    kSecondStageShrinkToDeck = 22,       ///< pretensioning shrinkage loss up to the deck, ksi
    kSecondStageCreepFactor = 23,        ///< time factor of the creep up to the deck
    kSecondStageCreepToDeck = 24,        ///< pretensioning creep loss up to the deck, ksi
    kSecondStageLossPercent = 25,        ///< [1] in percent of fpj
    kSecondStageTendonForce = 26,        ///< tendon force after seating, kip
    kSecondStageEsFromPt = 27,           ///< ESpt, shortening of the strands by the tendons, ksi
    kSecondStageStressFromStrands = 28,  ///< stress at the tendons from the strands at release
};
inline constexpr int kLossSecondStageCount = 29;

// ---- Effective prestress and prestress stresses -------------------------------------------------

/// Entries of m_adStrandForceSummary.
enum StrandForceSummaryEntry : int {
    kSummaryJackingForce = 0,   ///< Pj, kip
    kSummaryReleaseStress = 1,  ///< fpj - release loss, ksi
    kSummaryReleaseForce = 2,   ///< Pr, kip
};
inline constexpr int kStrandForceSummaryCount = 3;

/// Entries of m_adPrestressForceWork.
enum PrestressForceWorkEntry : int {
    kWorkStressAtPt = 0,  ///< fpj - loss at post-tensioning, ksi
    kWorkForceAtPt = 1,   ///< force at post-tensioning, kip
};
inline constexpr int kPrestressForceWorkCount = 2;

/// Entries of m_adStrandStressFinal.
enum StrandStressFinalEntry : int {
    kFinalStrandStress = 0,  ///< fpe = fpj - final loss, ksi
    kFinalStrandForce = 1,   ///< Pf, kip
};
inline constexpr int kStrandStressFinalCount = 2;

/// Entries of m_aPrestressStress, ksi, compression positive.
enum PrestressStressEntry : int {
    kPrestressReleaseBottom = 0,
    kPrestressReleaseTop = 1,
    kPrestressFinalBottom = 2,
    kPrestressFinalTop = 3,
};
inline constexpr int kPrestressStressCount = 4;

/// Entries of m_aPrestressLossStress, ksi, compression positive (LRFD detailed method): the loss
/// force from transfer to deck on the girder, and from deck to final on the composite section.
enum PrestressLossStressEntry : int {
    kLossStressToDeckBottom = 0,
    kLossStressToDeckTop = 1,
    kLossStressDeckToFinalBottom = 3,
    kLossStressDeckToFinalTop = 4,
    kLossStressDeckToFinalDeck = 5,  ///< top of the structural deck, deck concrete
};
inline constexpr int kPrestressLossStressCount = 6;

/// True when the stages take the losses of the LRFD detailed method as computed: method 3 with
/// losses computed. The forces are then the unreduced ones and the losses act as loss forces.
inline constexpr bool UsesDetailedLosses(int lossMethod, int lossMode) {
    return lossMethod == kLossLrfd6thDetailed && lossMode == kLossesComputed;
}

/// True when the strands are transformed into the section for the dead-load and prestress
/// stresses (m_nTransformStrandsMode 2 "All stresses" or 3 "All stresses except live load").
inline constexpr bool TransformsStrandsForDeadLoads(int transformStrandsMode) {
    return transformStrandsMode == kTransformAll ||
           transformStrandsMode == kTransformAllButLiveLoad;
}

// ---- Post-tensioning tendons --------------------------------------------------------------------

/// Entries of m_aPtStress, ksi, compression positive.
enum PtStressEntry : int {
    kPtStressStageBottom = 0,  ///< bottom fibre at the post-tensioning stage
    kPtStressStageTop = 1,     ///< girder top at the post-tensioning stage
    kPtStressFinalBottom = 2,  ///< bottom fibre at final
    kPtStressFinalTop = 3,     ///< girder top at final
};
inline constexpr int kPtStressCount = 4;

/// Entries of m_adPtTotalLoss, ksi.
enum PtTotalLossEntry : int {
    kPtLossStage = 0,             ///< tendon loss at post-tensioning
    kPtLossFinal = 1,             ///< tendon loss at final
    kPtLeftAnchorZoneEnd = 2,     ///< stress after seating at the end of the left anchor zone
    kPtRightAnchorZoneEnd = 3,    ///< the same at the right end
    kPtLeftAnchorage = 4,         ///< stress after seating at the left anchorage
    kPtRightAnchorage = 5,        ///< the same at the right anchorage
    kPtJackingStress = 6,         ///< fpjt, tendon jacking stress
};
inline constexpr int kPtTotalLossCount = 7;

/// Entries of m_adPtFrictionAnchorSet.
enum PtFrictionAnchorSetEntry : int {
    kPtAngleChange = 0,      ///< alpha, angle change from the end to mid-length, radian
    kPtFrictionLoss = 1,     ///< FR, friction loss at mid-length, ksi
    kPtFrictionPerInch = 2,  ///< p, friction loss per inch, ksi/in
    kPtAnchorSetLoss = 3,    ///< AM, anchor-set loss at mid-length, ksi
    kPtAnchorageLoss = 4,    ///< DA, anchor-set loss at the anchorage, ksi
    kPtAnchorSetLength = 5,  ///< xa, length affected by the anchor set, ft
};
inline constexpr int kPtFrictionAnchorSetCount = 6;

/// True when the girder is post-tensioned as well as pretensioned: m_nPrestressType 2 with at
/// least one tendon.
inline constexpr bool HasPostTensioning(int prestressType, int tendonCount) {
    return prestressType == kPostTensioned && tendonCount > 0;
}

struct PrestressResults {
    // ---- Strand force at the girder ends --------------------------------------------------------
    /// [DebondFlag]: 1 when some group is debonded at the ends / about mid-length; both 0 for a
    /// girder of several segments.
    int m_anDebondFlags[kDebondFlagCount] = {};
    /// Anchored strand force at jacking stress, no loss deducted, kip [station].
    double m_adJackingForceAtStation[kStationCount] = {};
    /// Elevation of that force above the girder bottom, in; 0 where the force is 0 [station].
    double m_adStrandCgAtStation[kStationCount] = {};
    /// Section centroid minus m_adStrandCgAtStation, in (positive below the centroid)
    /// [station][EccentricityState].
    double m_adStrandEccentricity[kStationCount][kEccentricityStateCount] = {};

    // ---- Prestress losses (ksi unless stated) ---------------------------------------------------
    double m_dStrandStressJacking = 0;  ///< fpj = pull fraction x fpu, ksi
    double m_dStrandArea = 0;           ///< Aps, area of the pretensioned strands, in2
    double m_adLossRelaxation[kLossRelaxationCount] = {};      ///< [LossRelaxationEntry]
    double m_adLossElasticShortening[kLossElasticCount] = {};  ///< [LossElasticEntry]
    double m_dLossShrinkage = 0;                               ///< SH, shrinkage loss
    double m_adLossCreep[kLossCreepCount] = {};                ///< [LossCreepEntry]
    double m_adLossWork[kLossWorkCount] = {};                  ///< [LossWorkEntry]
    double m_adTotalLoss[kTotalLossCount] = {};                ///< [TotalLossEntry]
    double m_adLossDetailed[kDetailedLossCount] = {};          ///< [DetailedLossEntry]
    double m_adLossIntermediate[kLossIntermediateCount] = {};  ///< [LossIntermediateEntry]
    double m_adLossApprox[kLossApproxCount] = {};              ///< [LossApproxEntry]
    /// Force that the shrinkage of the deck applies to the composite section, kip (detailed
    /// method with "Use PCI Guidelines" only).
    double m_dDeckShrinkageForce = 0;
    /// Losses of a post-tensioned design [LossSecondStageEntry]; 0 for pretensioning only.
    double m_adLossSecondStage[kLossSecondStageCount] = {};

    // ---- Effective prestress --------------------------------------------------------------------
    double m_adStrandForceSummary[kStrandForceSummaryCount] = {};  ///< [StrandForceSummaryEntry]
    double m_adPrestressForceWork[kPrestressForceWorkCount] = {};  ///< [PrestressForceWorkEntry]
    double m_adStrandStressFinal[kStrandStressFinalCount] = {};    ///< [StrandStressFinalEntry]
    double m_adPrestressForceRelease[kStationCount] = {};  ///< force after release, kip [station]
    double m_adEffectivePrestress[kStationCount] = {};     ///< final effective force, kip [station]
    /// Force for the release stresses: the anchored jacking force with the detailed losses
    /// computed, else the force after release, kip [station].
    double m_adPrestressForceJacking[kStationCount] = {};
    /// The anchored jacking force with the detailed losses computed, else the force at
    /// post-tensioning (the anchored jacking force without post-tensioning), kip [station].
    double m_adPrestressForceFinal[kStationCount] = {};
    /// Force for the final stresses: the anchored jacking force with the detailed losses
    /// computed, else the final effective force, kip [station].
    double m_adPtForceStage1[kStationCount] = {};
    /// Detailed losses computed: loss force from transfer to deck, -F x Lid / fpj (negative);
    /// otherwise 0, kip [station].
    double m_adLossForceTransferToDeck[kStationCount] = {};
    /// Detailed losses computed: loss force from deck to final, -F x Ldf / fpj; otherwise 0, kip
    /// [station].
    double m_adLossForceDeckToFinal[kStationCount] = {};

    // ---- Prestress stresses (ksi, compression positive) -----------------------------------------
    /// Pretensioning at release and at final [station][PrestressStressEntry].
    double m_aPrestressStress[kStationCount][kPrestressStressCount] = {};
    /// Loss forces of the detailed method; 0 otherwise [station][PrestressLossStressEntry].
    double m_aPrestressLossStress[kStationCount][kPrestressLossStressCount] = {};

    // ---- Post-tensioning tendons ----------------------------------------------------------------
    float m_afTendonArea[kMaxTendons] = {};  ///< area of tendon k: its strands x strand area, in2
    int m_nPtStrandCount = 0;                ///< total number of tendon strands
    double m_dPtStrandArea = 0;              ///< Apt, total tendon area, in2
    /// Jacking force of tendon k: fpjt (held in single precision) x its area, kip [tendon].
    float m_afTendonJackingForce[kMaxTendons] = {};
    /// Centroid height of tendon k above the girder bottom, in [tendon][station].
    double m_adTendonElevation[kMaxTendons][kStationCount] = {};
    double m_adPtForce[kStationCount] = {};  ///< sum of the tendon jacking forces, kip [station]
    /// Force-weighted centroid of the tendons above the girder bottom, in; 0 where the force is
    /// 0 [station].
    double m_adPtCg[kStationCount] = {};
    /// Section centroid minus m_adPtCg, in [station][EccentricityState].
    double m_adPtEccentricity[kStationCount][kEccentricityStateCount] = {};
    double m_adPtEffForce1[kStationCount] = {};  ///< tendon force at post-tensioning, kip [station]
    double m_adPtEffForce2[kStationCount] = {};  ///< tendon force at final, kip [station]
    /// Concrete stresses of the tendons, ksi, compression positive [station][PtStressEntry].
    double m_aPtStress[kStationCount][kPtStressCount] = {};

    // ---- Losses of the tendons (ksi unless stated) ----------------------------------------------
    double m_adPtTotalLoss[kPtTotalLossCount] = {};                  ///< [PtTotalLossEntry]
    double m_adPtFrictionAnchorSet[kPtFrictionAnchorSetCount] = {};  ///< [PtFrictionAnchorSetEntry]
    /// Tendon stress after friction and anchor set (a stress, not a loss), ksi [station]; 0 with
    /// specified tendon losses.
    double m_adTendonStressAtStation[kStationCount] = {};
};

}  // namespace kordel
