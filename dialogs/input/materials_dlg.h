// "Materials": the concrete of girder and deck with their moduli of elasticity, the inputs of
// the time-dependent restraint-moment analysis, the pretensioning and post-tensioning strands
// with their losses, the loss method and the reinforcing steel grades. Opens the loss
// parameters, the modulus of rupture and the Mcr factors, and reaches the main window's Stress
// Limits command through its "Stress Limits..." button. The members are the dialog's whole
// interface, in the units the design shows (US, or metric for a metric design).
#pragma once

#include <optional>
#include <string>

#include "platform/ui/dialog.h"

namespace kordel {

inline constexpr int IDD_MATERIALS = 136;
inline constexpr int IDC_MAT_STRAND_TYPE = 1003;
inline constexpr int IDC_MAT_LT_FACTOR = 1007;
inline constexpr int IDC_MAT_DECK_FC = 1008;
inline constexpr int IDC_MAT_RELEASE_LOSS = 1009;
inline constexpr int IDC_MAT_FINAL_LOSS = 1010;
inline constexpr int IDC_MAT_LOSSES_COMPUTE = 1014;
inline constexpr int IDC_MAT_LOSSES_SPECIFY = 1015;
inline constexpr int IDC_MAT_LOSS_STANDARD = 1016;
inline constexpr int IDC_MAT_LOSS_LRFD3 = 1017;
inline constexpr int IDC_MAT_LD_FACTOR = 1018;
inline constexpr int IDC_MAT_EC_FACTOR = 1022;
inline constexpr int IDC_MAT_EC_SPEC_EQ = 1023;
inline constexpr int IDC_MAT_EC_HS = 1024;
inline constexpr int IDC_MAT_EC_SPECIFY = 1025;
inline constexpr int IDC_MAT_PT_LOSSES_SPECIFY = 1026;
inline constexpr int IDC_MAT_LOSS_LRFD6_DETAILED = 1028;
inline constexpr int IDC_MAT_PT_FINAL_LOSS = 1033;
inline constexpr int IDC_MAT_BEAM_FC = 1081;
inline constexpr int IDC_MAT_BEAM_FCI = 1082;
inline constexpr int IDC_MAT_BEAM_DENSITY = 1086;
inline constexpr int IDC_MAT_DECK_DENSITY = 1087;
inline constexpr int IDC_MAT_STIRRUP_GR60 = 1089;
inline constexpr int IDC_MAT_LONG_GR60 = 1090;
inline constexpr int IDC_MAT_STIRRUP_FY = 1091;
inline constexpr int IDC_MAT_LONG_SPECIFY = 1092;
inline constexpr int IDC_MAT_STIRRUP_SPECIFY = 1093;
inline constexpr int IDC_MAT_LONG_FY = 1094;
inline constexpr int IDC_MAT_DECK_LABEL = 1163;
inline constexpr int IDC_MAT_RM_DECK_LABEL = 1164;
inline constexpr int IDC_MAT_REL_LABEL = 1243;
inline constexpr int IDC_MAT_FIN_LABEL = 1244;
inline constexpr int IDC_MAT_BEAM_ECI = 1340;
inline constexpr int IDC_MAT_DECK_SHRINKAGE = 1342;
inline constexpr int IDC_MAT_CREEP = 1343;
inline constexpr int IDC_MAT_AGE_CONTINUITY = 1344;
inline constexpr int IDC_MAT_AGE_DECK_CASTING = 1345;
inline constexpr int IDC_MAT_BEAM_EC = 1346;
inline constexpr int IDC_MAT_DECK_EC = 1347;
inline constexpr int IDC_MAT_EC_UNIT_WEIGHT = 1349;
inline constexpr int IDC_MAT_PT_LOSSES_COMPUTE = 1361;
inline constexpr int IDC_MAT_BEAM_SHRINKAGE = 1397;
inline constexpr int IDC_MAT_RESTRAINT_GROUP = 1409;
inline constexpr int IDC_MAT_FC_UNIT = 1426;
inline constexpr int IDC_MAT_FCI_UNIT = 1427;
inline constexpr int IDC_MAT_DENSITY_UNIT = 1428;
inline constexpr int IDC_MAT_WC_LABEL = 1469;
inline constexpr int IDC_MAT_REBAR_GROUP = 1476;
inline constexpr int IDC_MAT_PT_STRAND_TYPE = 1497;
inline constexpr int IDC_MAT_PARAMETERS = 1619;
inline constexpr int IDC_MAT_PT_FIN_LABEL = 1621;
inline constexpr int IDC_MAT_LOSS_LRFD6_APPROX = 1666;
inline constexpr int IDC_MAT_BEAM_NORMAL = 1668;
inline constexpr int IDC_MAT_BEAM_ALL_LIGHT = 1669;
inline constexpr int IDC_MAT_BEAM_SAND_LIGHT = 1670;
inline constexpr int IDC_MAT_DECK_NORMAL = 1671;
inline constexpr int IDC_MAT_DECK_ALL_LIGHT = 1672;
inline constexpr int IDC_MAT_DECK_SAND_LIGHT = 1673;
inline constexpr int IDC_MAT_PT_REL_LABEL = 1758;
inline constexpr int IDC_MAT_PT_RELEASE_LOSS = 1759;
inline constexpr int IDC_MAT_ECT_FACTOR = 1766;
inline constexpr int IDC_MAT_WCT = 1767;
inline constexpr int IDC_MAT_MCR_FACTORS = 1789;
inline constexpr int IDC_MAT_FR_FACTORS = 1790;
inline constexpr int IDC_MAT_BEAM_CLASS = 1804;
inline constexpr int IDC_MAT_DECK_CLASS = 1805;
/// The labels the dialog enables, disables or hides.
inline constexpr int IDC_MAT_HEAD_NORMAL = 1901;
inline constexpr int IDC_MAT_HEAD_WEIGHT = 1902;
inline constexpr int IDC_MAT_HEAD_LIGHTWEIGHT = 1903;
inline constexpr int IDC_MAT_HEAD_SAND = 1904;
inline constexpr int IDC_MAT_HEAD_ALL = 1905;
inline constexpr int IDC_MAT_EQ_BEAM_LABEL = 1910;
inline constexpr int IDC_MAT_EC_FACTOR_LABEL = 1911;
inline constexpr int IDC_MAT_EQ_DECK_LABEL = 1912;
inline constexpr int IDC_MAT_ECT_FACTOR_LABEL = 1913;
inline constexpr int IDC_MAT_WCT_LABEL = 1914;
inline constexpr int IDC_MAT_SPEC_BEAM_LABEL = 1915;
inline constexpr int IDC_MAT_ECI_LABEL = 1916;
inline constexpr int IDC_MAT_EC_LABEL = 1917;
inline constexpr int IDC_MAT_SPEC_DECK_LABEL = 1918;
inline constexpr int IDC_MAT_ECT_LABEL = 1919;
inline constexpr int IDC_MAT_CONTINUITY_LABEL = 1920;
inline constexpr int IDC_MAT_CASTING_LABEL = 1921;
inline constexpr int IDC_MAT_RM_BEAM_LABEL = 1922;
inline constexpr int IDC_MAT_BEAM_ESU_LABEL = 1923;
inline constexpr int IDC_MAT_CREEP_LABEL = 1924;
inline constexpr int IDC_MAT_DECK_ESU_LABEL = 1925;
/// The button that carries the main window's Stress Limits command.
inline constexpr int IDC_MAT_STRESS_LIMITS = 32802;

/// m_nEcMethod: how the moduli are obtained.
inline constexpr int kEcBySpecEquation = 1;   ///< "Compute per Spec Eq."
inline constexpr int kEcByHsFormula = 2;      ///< "Compute using HS formula"
inline constexpr int kEcSpecified = 3;        ///< "Specify (ksi):"

/// Rows of the strand lists (a stored type is a 0-based row).
inline constexpr int kStrandTableRows = 16;

/// One strand of the strand table as the design keeps it.
struct StrandTableRow {
    const char* listText;    ///< the pretensioning list's text
    const char* ptListText;  ///< the post-tensioning list's text
    const char* name;        ///< m_strStrandName
    double area;             ///< one strand, in2
    double diameter;         ///< in
    double fpu;              ///< ksi
    int kind;                ///< 1 low-relaxation, 2 stress-relieved
    const char* kindText;    ///< m_strStrandKind
};

/// The strand of row `type` of the pretensioning or the post-tensioning list; a type no row
/// holds gives the fallback strand ("1/2in 270 LR", 0.1531 in2).
StrandTableRow StrandOfType(int type, bool postTensioning);
/// fpy of a strand of `kind` and `fpu` (ksi): 0.90 fpu low-relaxation, else 0.85 fpu.
double StrandFpy(int kind, double fpu);

/// The density class the LRFD 7th edition gives concrete of `density` (kcf): 4 (lightweight)
/// up to 0.135 kcf, else 1 (normal weight).
int SeventhEditionDensityClass(double density);

class CMaterialsDlg : public platform::ui::Dialog {
  public:
    CMaterialsDlg();
    bool OnInitDialog() override;
    void OnOK() override;
    void DoDataExchange(platform::ui::DataExchange& dx) override;
    static const platform::ui::DialogTemplate& Template();

    /// Modulus of elasticity by the design code's equation in the dialog's units: of `f`
    /// (f'c or f'ci, ksi | MPa) and `w` (kcf | kg/m3) with coefficient `K`; nullopt where the
    /// equation gives no number (a negative strength).
    std::optional<double> ModulusBySpecEquation(double f, double w, double K) const;

    // In only.
    int m_nUnits = 1;          ///< 1 US, 2 metric
    int m_nSpecEdition = 0;    ///< 0 "Standard Specs" ... 4 "LRFD 7th"
    int m_nPrestressType = 1;  ///< 2: post-tensioning with pretensioning
    int m_bCompositeDeck = 1;
    int m_nSectionType = 0;
    int m_bContinuous = 0;

    // Concrete.
    double m_dBeamFc = 0;       ///< ksi | MPa
    double m_dBeamFci = 0;      ///< ksi | MPa
    double m_dBeamDensity = 0;  ///< kcf | kg/m3
    int m_nBeamConcreteType = 1;
    double m_dDeckFc = 0;       ///< ksi | MPa
    double m_dDeckDensity = 0;  ///< kcf | kg/m3
    int m_nDeckConcreteType = 1;
    std::string m_strBeamDensityClass;
    std::string m_strDeckDensityClass;
    int m_nEcMethod = kEcBySpecEquation;
    double m_dEcFactor = 0;      ///< K of the girder's equation
    double m_dEcUnitWeight = 0;  ///< kcf | kg/m3
    double m_dEctFactor = 0;     ///< K of the deck's equation
    double m_dWct = 0;           ///< kcf | kg/m3
    double m_dBeamEci = 0;       ///< ksi | MPa
    double m_dBeamEc = 0;        ///< ksi | MPa
    double m_dDeckEc = 0;        ///< ksi | MPa

    // Restraint moments.
    double m_dAgeAtContinuity = 0;         ///< days
    double m_dAgeAtDeckCasting = 0;        ///< days
    double m_dBeamUltimateShrinkage = 0;   ///< x 10^-6
    double m_dUltimateCreep = 0;
    double m_dDeckUltimateShrinkage = 0;   ///< x 10^-6

    // Strands and losses.
    int m_nStrandType = 0;
    int m_nLossMode = 1;  ///< 1 computed, 2 specified
    double m_dSpecifiedReleaseLoss = 0;  ///< percent
    double m_dSpecifiedFinalLoss = 0;    ///< percent
    double m_dDevLengthFactor = 0;
    double m_dTransferLengthFactor = 0;  ///< strand diameters, 1 to 999
    int m_nPTStrandType = 0;
    int m_nPostTensionLossMode = 1;         ///< 1 computed, 2 specified
    double m_dPTSpecifiedReleaseLoss = 0;   ///< percent
    double m_dPTSpecifiedFinalLoss = 0;     ///< percent
    int m_nLossMethod = 2;                  ///< 1 to 4

    // Reinforcement.
    int m_nStirrupGrade = 1;  ///< 1 Grade 60, 2 specified
    double m_dStirrupFy = 0;  ///< ksi | MPa
    int m_nLongitudinalGrade = 1;
    double m_dLongitudinalFy = 0;

    // Handed to the loss parameters.
    double m_dVolumeToSurface = 0;          ///< in | mm
    double m_dDeckVolumeToSurface = 0;      ///< in | mm
    int m_bComputeDeckVolumeToSurface = 1;
    double m_dRelativeHumidity = 0;
    double m_dTransferAge = 0;
    double m_dFinalAge = 0;
    double m_dPtAnchorSet = 0;  ///< in | mm
    double m_dPtWobbleK = 0;    ///< per ft | per m
    double m_dPtFrictionMu = 0;
    int m_nDetailedLossBasis = 0;
    float m_fDeckForcePercent = 0;  ///< percent, kept within 0 to 100

    // Handed to the Mcr and modulus of rupture factors.
    float m_fMcrGamma1 = 0, m_fMcrGamma2 = 0, m_fMcrGamma3 = 0;
    float m_fFrGeneric = 0, m_fFrMinReinf = 0, m_fFrShear = 0, m_fFrSandLightweight = 0,
          m_fFrAllLightweight = 0;

  private:
    bool Metric() const { return m_nUnits != 1; }
    bool SeventhEdition() const;
    /// Recomputes the moduli named by `beamEc`, `beamEci`, `deckEc` when the equation is
    /// chosen: the controls are read, the values worked out and written back.
    void RecomputeModuli(bool beamEc, bool beamEci, bool deckEc);
    void OnDensityLeft(int& concreteClass, double density);
    void RefreshClassDisplay();
    void ShowEcMethod();
    void OnEcMethod(int method);
    void ShowLossMode(int mode, bool postTensioning);
    void OnGrade60(bool stirrups);
    void OnSpecifyGrade(bool stirrups);
    /// Runs sub-dialog `Sub` on the fields `fields(dialog, sub, copy)` names (each as
    /// copy(mine, theirs)): the controls are read, the fields copied in, taken back on OK only
    /// (then `afterOk` runs), and the members written to the controls.
    template <class Sub, class Fields>
    void ExchangeWith(Fields fields, void (*afterOk)(CMaterialsDlg&) = nullptr);
    void OnParameters();
    void OnMcrFactors();
    void OnFrFactors();
};

}  // namespace kordel
