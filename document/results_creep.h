// Creep and shrinkage coefficients, moduli and strain limits: what the creep and shrinkage stage
// (engine/core/creep_shrinkage.cpp) leaves for the section properties, the allowable stresses,
// the flexure checks and the detailed prestress losses. The moduli it computes go back into the
// design model (m_dBeamEci, m_dBeamEc, m_dDeckEc, m_dDeckVolumeToSurface).
#pragma once

#include "document/model_limits.h"

namespace kordel {

/// One creep coefficient psi(t, ti) of AASHTO LRFD Art. 5.4.2.3.2 with its factors, as the
/// detailed loss method and the report use it. Single precision by design.
struct CreepCoefficient {
    float m_fT = 0;    ///< t, time for the time-development factor ktd, days
    float m_fTi = 0;   ///< ti, age of the concrete when the load is applied, days
    float m_fKvs = 0;  ///< ks, volume-to-surface factor
    float m_fKhc = 0;  ///< khc, humidity factor for creep
    float m_fKf = 0;   ///< kf, concrete strength factor
    float m_fKtd = 0;  ///< ktd, time-development factor
    float m_fPsi = 0;  ///< psi, the creep coefficient

    bool operator==(const CreepCoefficient&) const = default;
};

/// One shrinkage strain eps_sh of AASHTO LRFD Art. 5.4.2.3.3 with its factors. Single precision.
struct ShrinkageStrain {
    float m_fT = 0;       ///< t, time for the time-development factor ktd, days
    float m_fKvs = 0;     ///< ks, volume-to-surface factor
    float m_fKhs = 0;     ///< khs, humidity factor for shrinkage
    float m_fKf = 0;      ///< kf, concrete strength factor
    float m_fKtd = 0;     ///< ktd, time-development factor
    float m_fStrain = 0;  ///< eps_sh, the shrinkage strain (shortening positive)

    bool operator==(const ShrinkageStrain&) const = default;
};

struct CreepResults {
    // ---- Strain limits of the longitudinal bars (LRFD flexure, resistance factor) ---------------
    double m_dStrainLimitCompression = 0;  ///< compression-controlled strain limit eps_cl
    double m_dStrainLimitTension = 0;      ///< tension-controlled strain limit eps_tl
    double m_dCdtCompressionLimit = 0;     ///< c/dt at eps_cl: eps_cu / (eps_cu + eps_cl)
    double m_dCdtTensionLimit = 0;         ///< c/dt at eps_tl: eps_cu / (eps_cu + eps_tl)

    // ---- Concrete density modification factors lambda -------------------------------------------
    double m_dLambdaGirder = 0;  ///< lambda of the girder concrete; 1.0 except under LRFD 7th ed.
    double m_dLambdaDeck = 0;    ///< lambda of the deck concrete; 1.0 except under LRFD 7th ed.

    // ---- Creep coefficients (detailed loss method only) -----------------------------------------
    CreepCoefficient m_recCreepGirderFinalFromTransfer;  ///< girder psi_b(tf, ti)
    CreepCoefficient m_recCreepGirderDeckFromTransfer;   ///< girder psi_b(td, ti)
    CreepCoefficient m_recCreepGirderFinalFromDeck;      ///< girder psi_b(tf, td)
    CreepCoefficient m_recCreepDeckFinal;                ///< deck psi_d(tf, td); composite only

    // ---- Shrinkage strains (detailed loss method only) ------------------------------------------
    ShrinkageStrain m_recShrinkGirderTransferToFinal;  ///< girder eps_bif, transfer to final
    ShrinkageStrain m_recShrinkGirderTransferToDeck;   ///< girder eps_bid, transfer to deck
    float m_fShrinkGirderDeckToFinal = 0;    ///< girder eps_bdf = eps_bif - eps_bid, deck to final
    ShrinkageStrain m_recShrinkDeckToFinal;  ///< deck eps_ddf, deck to final; composite only
};

}  // namespace kordel
