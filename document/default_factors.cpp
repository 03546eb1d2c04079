// Routines that reset groups of the design model: the defaults that follow the specification,
// the colours of the 3D model and the working camber multipliers.
#include <algorithm>

#include "document/default_factors.h"
#include "document/kordel_doc.h"

namespace kordel {
namespace {

/// Defaults that follow the design specification. The first group is always reset; the load and
/// resistance factors only when the design asks for automatic factors.
struct SpecificationDefaults {
    double Ep;                  // strand modulus, ksi
    double ltFactor;            // transfer length, strand diameters
    double fcCoefPermanent;     // final compression limit, prestress + permanent loads, x f'c
    int shearMethod;            // m_nShearMethod
    double serviceIIILiveLoad;  // Service III, LL
    double serviceILiveLoad;    // Service I, LL
    double strengthIDead;       // Strength I, DC
    double strengthIWearing;    // Strength I, DW
    double strengthILiveLoad;   // Strength I, LL + IM
    double strengthIRestraint;  // Strength I, time-dependent restraint
    double phiShear;            // resistance factor, shear
    double phiFlexure;          // resistance factor, flexure of prestressed members
    double strengthIIDead;      // Strength II, DC
    double strengthIIWearing;   // Strength II, DW
    double strengthIILiveLoad;  // Strength II, LL + IM (permit vehicle)
};

// AASHTO LRFD 6th ed. Art. 5.4.4.2 (Ep), Art. 5.11.4.1 (60 db), Table 5.9.4.2.1-1 (0.45 f'c),
// Tables 3.4.1-1 and 3.4.1-2 (load factors), Art. 5.5.4.2.1 (phi).
const SpecificationDefaults kLrfdDefaults = {
    .Ep = 28500,
    .ltFactor = 60,
    .fcCoefPermanent = 0.45,
    .shearMethod = kShearLrfdSectional,
    .serviceIIILiveLoad = 0.8,
    .serviceILiveLoad = 1.0,
    .strengthIDead = 1.25,
    .strengthIWearing = 1.5,
    .strengthILiveLoad = 1.75,
    .strengthIRestraint = 1.2,
    .phiShear = 0.9,
    .phiFlexure = 1.0,
    .strengthIIDead = 1.25,
    .strengthIIWearing = 1.5,
    .strengthIILiveLoad = 1.35,
};

// AASHTO Standard Specifications 17th ed. Art. 9.20.2.4 (50 db), Art. 9.15.2.2 (0.40 f'c),
// Art. 3.22 Group I (1.3 D, 1.3 x 1.67 (L + I) = 2.171), Art. 9.14 (phi); Ep 28000 ksi.
const SpecificationDefaults kStandardDefaults = {
    .Ep = 28000,
    .ltFactor = 50,
    .fcCoefPermanent = 0.40,
    .shearMethod = kShearStandardVciVcw,
    .serviceIIILiveLoad = 1.0,
    .serviceILiveLoad = 1.0,
    .strengthIDead = 1.3,
    .strengthIWearing = 1.3,
    .strengthILiveLoad = 2.171,
    .strengthIRestraint = 1.0,
    .phiShear = 0.9,
    .phiFlexure = 1.0,
    .strengthIIDead = 1.3,
    .strengthIIWearing = 1.3,
    .strengthIILiveLoad = 1.3,
};

}  // namespace

double TensionTieSteelStress(bool lrfd, double fy /* ksi */, int longitudinalGrade) {
    // AASHTO LRFD 6th ed. Table 5.9.4.1.2-1: bonded reinforcement at 0.5 fy, not above 30 ksi
    if (lrfd) return std::min(0.5 * fy, 30.0);
    // AASHTO Standard Specifications 17th ed. Art. 8.15.2.2: fs 24 ksi for Grade 60, else 20 ksi
    return longitudinalGrade == kBarGrade60 ? 24.0 : 20.0;
}

double DefaultRestraintFactor(int specification) {
    return IsLrfd(specification) ? kLrfdDefaults.strengthIRestraint
                                 : kStandardDefaults.strengthIRestraint;
}

void CKordelDoc::SetDefaultFactors() {
    const bool lrfd = IsLrfd(m_nSpecification);
    const SpecificationDefaults& d = lrfd ? kLrfdDefaults : kStandardDefaults;

    m_dStrandEp = d.Ep;
    m_dTransferLengthFactor = d.ltFactor;
    m_dTensionTieSteelStress = TensionTieSteelStress(lrfd, m_dLongitudinalFy, m_nLongitudinalGrade);
    if (m_nFinalCompressionLimitPermanent == kLimitBySpecification) {
        m_dFinalCompressionCoefPermanent = d.fcCoefPermanent;
    }
    if (m_bAutoFactors != 0) {
        m_dServiceIIILiveLoadFactor = d.serviceIIILiveLoad;
        m_dServiceILiveLoadFactor = d.serviceILiveLoad;
        m_dStrengthIDeadLoadFactor = d.strengthIDead;
        m_dStrengthIWearingSurfaceFactor = d.strengthIWearing;
        m_dStrengthILiveLoadFactor = d.strengthILiveLoad;
        m_dStrengthIRestraintFactor = d.strengthIRestraint;
        m_dPhiShear = d.phiShear;
        m_dPhiFlexure = d.phiFlexure;
        m_dStrengthIIDeadLoadFactor = d.strengthIIDead;
        m_dStrengthIIWearingSurfaceFactor = d.strengthIIWearing;
        m_dStrengthIILiveLoadFactor = d.strengthIILiveLoad;
    }
    m_nShearMethod = d.shearMethod;
}

void CKordelDoc::SetDefaultModelColors() {
    for (int c = 0; c < kModelColourCount; ++c) {
        const float grey = c == 0 ? 0.6f : 0.8f;  // the girder's side faces darker than the rest
        for (float& component : m_afModelColour[c]) component = grey;
    }
}

void CKordelDoc::ApplyCamberMultiplierSet() {
    // The composite column of the entered multipliers; the camber stage chooses between the
    // columns again by the composite flag. Entries 0, 2, 4, 6 and 8 are not used here.
    const double* in = m_adCamberMultiplierInput;
    double* W = m_adCamberMultiplier;
    W[kWPrestressErection] = in[kCamberErectionPrestressComposite];
    W[kWPrestressFinal] = in[kCamberFinalPrestressComposite];
    W[kWGirderErection] = in[kCamberErectionGirderComposite];
    W[kWGirderFinal] = in[kCamberFinalGirderComposite];
    for (int w : {kWDeckFinal, kWOverlayFinal, kWDiaphragmsFinal}) {
        W[w] = in[kCamberFinalDeckComposite];
    }
    for (int w : {kWOtherNonCompositeFinal, kWBarriersFinal, kWWearingSurfaceFinal,
                  kWOtherCompositeFinal}) {
        W[w] = in[kCamberFinalSuperimposedComposite];
    }
}

}  // namespace kordel
