// Design model: materials of the girder, deck, strands and bars, and the parameters of the
// time-dependent analysis and of the prestress losses.
#pragma once

#include <string>

#include "document/model_limits.h"

namespace kordel {

/// Concrete density classes of m_nBeamConcreteType and m_nDeckConcreteType.
inline constexpr int kConcreteNormalWeight = 1;
inline constexpr int kConcreteSandLightweight = 2;
inline constexpr int kConcreteAllLightweight = 3;
inline constexpr int kConcreteLightweight = 4;

/// m_nStrandKind and m_nPTStrandKind.
inline constexpr int kStrandLowRelaxation = 1;
inline constexpr int kStrandStressRelieved = 2;

/// m_nStirrupGrade and m_nLongitudinalGrade.
inline constexpr int kBarGrade60 = 1;
inline constexpr int kBarGradeSpecified = 2;

/// m_nLossMode and m_nTendonLossMode.
inline constexpr int kLossesComputed = 1;
inline constexpr int kLossesSpecified = 2;

/// m_nLossMethod ("P/S Loss Computation Method").
inline constexpr int kLossStandardSpecs = 1;       ///< "Standard Specs"
inline constexpr int kLossLrfd3rd = 2;             ///< "LRFD 3rd edition"
inline constexpr int kLossLrfd6thDetailed = 3;     ///< "LRFD 6th edition detailed"
inline constexpr int kLossLrfd6thApproximate = 4;  ///< "LRFD 6th edition approximate"

struct MaterialsModel {
    // ---- Concrete -------------------------------------------------------------------------------
    double m_dBeamFc = 0;       ///< f'c of the girder at 28 days, ksi
    double m_dBeamFci = 0;      ///< f'ci of the girder at release, ksi
    double m_dBeamDensity = 0;  ///< girder concrete unit weight, kcf
    /// Girder density class: 1 normal weight, 2 sand-lightweight, 3 all-lightweight, 4 lightweight.
    int m_nBeamConcreteType = 0;
    double m_dDeckFc = 0;                             ///< f'c of the deck, ksi
    double m_dDeckDensity = 0;                        ///< deck concrete unit weight, kcf
    int m_nDeckConcreteType = kConcreteNormalWeight;  ///< deck density class, codes as the girder's
    int m_nInterfaceSurface = 0;  ///< girder-to-deck interface: 1 roughened, 2 smooth
    /// Moduli: 1 by the specification's equation, 2 by the high-strength formula, 3 as entered.
    int m_nEcMethod = 0;
    double m_dEcFactor = 0;      ///< coefficient of the Ec equation ("Ec Factor:")
    double m_dEcUnitWeight = 0;  ///< unit weight wc of the Ec equation, kcf
    double m_dBeamEc = 0;        ///< Ec of the girder, ksi; computed unless entered
    double m_dBeamEci = 0;       ///< Eci of the girder at release, ksi; computed unless entered
    double m_dDeckEc = 0;        ///< Ec of the deck, ksi; computed unless entered
    double m_dEctFactor = 33.0;  ///< coefficient of the deck's Ec equation ("Ect Factor:")
    double m_dWct = 0.15;        ///< unit weight wct of the deck's Ec equation, kcf
    double m_dConcreteUltimateStrain = 0.003;  ///< usable strain ecu at the compression face
    double m_dDeckAuxValue = 0;  ///< stored with the deck concrete; read by no computation
    int m_bEcAuxFlag = 0;        ///< BOOL of older design files; read by no computation

    // ---- Modulus of rupture (coefficients on sqrt(f'c), f'c in ksi) and cracking moment ---------
    float m_fFrGeneric = 0.24f;          ///< normal weight ("Generic Factor")
    float m_fFrMinReinf = 0.37f;         ///< minimum-reinforcement check
    float m_fFrShear = 0.20f;            ///< simplified shear method
    float m_fFrSandLightweight = 0.20f;  ///< sand-lightweight ("Sand Lt-Weight")
    float m_fFrAllLightweight = 0.17f;   ///< all-lightweight ("All Lt-Weight")
    float m_fMcrGamma1 = 1.6f;           ///< cracking-moment factor gamma1
    float m_fMcrGamma2 = 1.1f;           ///< cracking-moment factor gamma2
    float m_fMcrGamma3 = 1.0f;           ///< cracking-moment factor gamma3

    // ---- Time-dependent parameters --------------------------------------------------------------
    double m_dRelativeHumidity = 0;       ///< ambient relative humidity H, percent
    double m_dTransferAge = 0;            ///< girder age at transfer, days
    double m_dAgeAtDeckCasting = 60;      ///< girder age when the deck is cast, days
    double m_dAgeAtContinuity = 0;        ///< girder age when continuity is made, days
    double m_dFinalAge = 20000;           ///< age at the end of service, days
    int m_nDeckVolumeToSurfaceMode = 1;   ///< nonzero: the deck V/S is computed; 0 as entered
    double m_dDeckVolumeToSurface = 3.0;  ///< deck V/S ("Deck V/S:"), in
    double m_dUltimateCreep = 0;          ///< ultimate creep coefficient v-ult
    double m_dBeamUltimateShrinkage = 0;  ///< ultimate shrinkage strain of the girder, x 10^6
    double m_dDeckUltimateShrinkage = 0;  ///< ultimate shrinkage strain of the deck, x 10^6
    int m_bShrinkageAuxFlag = 0;  ///< BOOL stored with the shrinkage inputs; read by no computation

    // ---- Prestress losses -----------------------------------------------------------------------
    int m_nLossMode = 0;                 ///< pretensioning losses: 1 computed, 2 specified
    double m_dSpecifiedReleaseLoss = 0;  ///< specified loss at release, percent
    double m_dSpecifiedFinalLoss = 0;    ///< specified final loss, percent
    /// Loss method: 1 Standard Specs, 2 LRFD 3rd, 3 LRFD 6th detailed, 4 LRFD 6th approximate.
    int m_nLossMethod = kLossLrfd3rd;
    int m_nDetailedLossBasis = 0;   ///< choice of basis within the detailed method
    float m_fDeckForcePercent = 0;  ///< "% Deck Force:" of the detailed method
    int m_bOmitElasticGain = 0;     ///< nonzero drops the elastic gain of superimposed loads
    int m_nTendonLossMode = kLossesComputed;  ///< post-tensioning losses: 1 computed, 2 specified
    double m_dPTSpecifiedReleaseLoss = 5;     ///< specified tendon loss at release, percent
    double m_dPTSpecifiedFinalLoss = 15;      ///< specified tendon final loss, percent

    // ---- Pretensioning strand -------------------------------------------------------------------
    int m_nStrandType = 0;               ///< row of the Materials dialog's strand table
    std::string m_strStrandName;         ///< strand name, e.g. "1/2in 270 LR"
    double m_dStrandUnitArea = 0;        ///< area of one strand, in2
    double m_dStrandDiameter = 0;        ///< strand diameter db, in
    double m_dStrandFpu = 0;             ///< tensile strength fpu, ksi
    double m_dStrandFpy = 0;             ///< yield strength fpy, ksi
    int m_nStrandKind = 0;               ///< 1 low-relaxation, 2 stress-relieved
    std::string m_strStrandKind;         ///< "Low-Relaxation" or "Stress-Relieved"
    double m_dStrandEp = 0;              ///< Ep, ksi; SetDefaultFactors sets it
    double m_dTransferLengthFactor = 0;  ///< transfer length in db ("Lt Fact:")
    double m_dDevLengthFactor = 0;       ///< development length factor K ("Ld Fact (K):")
    double m_dStrandK = 0;               ///< strand factor k; stored only

    // ---- Post-tensioning strand -----------------------------------------------------------------
    int m_nPTStrandType = 4;                           ///< row of the strand table
    std::string m_strPTStrandName = "0.6in 270 LR";    ///< strand name
    double m_dPTStrandUnitArea = 0.217;                ///< area of one strand, in2
    double m_dPTStrandDiameter = 0.6;                  ///< diameter, in
    double m_dPTStrandFpu = 270;                       ///< tensile strength fpu, ksi
    double m_dPTStrandFpy = 243;                       ///< yield strength fpy, ksi
    int m_nPTStrandKind = kStrandLowRelaxation;        ///< 1 low-relaxation, 2 stress-relieved
    std::string m_strPTStrandKind = "Low-Relaxation";  ///< kind text
    double m_dPTStrandEp = 28500;                      ///< Ep, ksi
    double m_dPTStrandK = 0.28;                        ///< strand factor k; stored only

    // ---- Mild steel -----------------------------------------------------------------------------
    int m_nStirrupGrade = 0;              ///< stirrups: 1 Grade 60, 2 specified yield
    double m_dStirrupFy = 0;              ///< stirrup yield strength fy, ksi
    int m_nLongitudinalGrade = 0;         ///< longitudinal bars: 1 Grade 60, 2 specified yield
    double m_dLongitudinalFy = 60;        ///< longitudinal bar yield strength fy, ksi
    double m_dRebarEs = 29000;            ///< bar modulus Es, ksi
    double m_dSplittingSteelStress = 20;  ///< stress of the end-zone splitting steel, ksi
    /// Stress of the bonded bars that take the tension at release, ksi: 0.5 x 60 ksi until
    /// SetDefaultFactors resets it.
    double m_dTensionTieSteelStress = 30;

    bool operator==(const MaterialsModel&) const = default;
};

}  // namespace kordel
