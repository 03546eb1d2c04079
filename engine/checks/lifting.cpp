// The lifting check: stresses and strength of the girder hanging from its two lifting devices,
// with the handling impact down and up, and the stability of the hanging girder against roll.
#include <cmath>
#include <string>

#include "document/kordel_doc.h"
#include "engine/checks/girder_stability.h"
#include "engine/checks/handling_statics.h"
#include "engine/checks/handling_strength.h"
#include "engine/core/round_off.h"
#include "platform/host.h"
#include "report/format.h"

namespace kordel {

namespace {

// Reasons, joined with "; ", why the hanging girder's stability cannot be computed.
std::string HangingStabilityProblems(const CKordelDoc& d, const HandlingEffects& mid) {
    std::string problems;
    const auto add = [&](const std::string& text) {
        problems += (problems.empty() ? "" : "; ") + text;
    };
    if (!(d.m_dBeamWeight > 0)) add("the girder weight per foot is not positive");
    if (!(d.m_dBeamDensity > 0)) add("the unit weight of the girder concrete is not positive");
    if (!(d.m_dSectionIyy > 0)) add("the weak-axis moment of inertia Iyy is not positive");
    if (!(d.m_dTopFlangeWidth > 0)) add("the top flange width is not positive");
    if (IsRoundOffZero(mid.M, mid.Mscale)) {
        add("the moment of the girder weight at mid-span is 0, so no tilt cracks the top flange "
            "there");
    }
    return problems;
}

void ClearHangingStability(CKordelDoc& d) {
    d.m_dLiftInitialEccentricity = 0;
    d.m_dLiftCamber = 0;
    d.m_dLiftRollAxisHeight = 0;
    d.m_dLiftLateralDeflection = 0;
    d.m_dLiftInitialTilt = 0;
    d.m_dLiftCrackingTilt = 0;
    d.m_dLiftSafetyFactor = 0;
}

}  // namespace

void CKordelDoc::CheckLifting() {
    const double L = m_dGirderLength;
    const double a = m_dLiftSupportLeft;
    const double b = m_dLiftSupportRight;
    const double l = L - a - b;
    const double fci = m_dStripFci;
    const double endOffset = (L - m_dDesignSpan) / 2;

    const int sectionCase = HandlingSectionCase(m_nTransformStrandsMode, false);
    const HandlingSections sec = HandlingSectionsOf(*this, sectionCase);
    std::string problem;
    const int badStation = FirstUnusableSection(sec);
    if (!(fci > 0))
        problem = Format("the release strength f'ci (%.3f ksi) is not positive", fci);
    else if (!(l > 0)) {
        problem = Format(
            "the lifting devices leave no span between them (girder length %.2f ft, "
            "devices %.2f ft from the left end and %.2f ft from the right end)",
            L, a, b);
    } else if (badStation >= 0) {
        problem = Format("the section properties at station %d are not positive", badStation);
    }
    if (!problem.empty()) {
        platform::ShowMessage("Lifting check: " + problem +
                              ". The girder is not checked for lifting; its factor of safety is "
                              "shown as 0.");
        ClearHandlingStrength(m_LiftingArrays, m_dPhiFlexure, endOffset);
        ClearHangingStability(*this);
        return;
    }

    const double fr = GetRuptureCoefficient(m_nBeamConcreteType) * m_dLambdaGirder * std::sqrt(fci);
    const HandlingImpact impacts[] = {{kHandlingGroupLiftImpactDown, m_dImpactHandling / 100},
                                      {kHandlingGroupLiftImpactUp, -m_dImpactHandling / 100}};
    BuildHandlingLoads(impacts, 2);
    ComputeHandlingStrength(m_LiftingArrays, a, l, kHandlingGroupLiftImpactDown,
                            kHandlingGroupLiftImpactUp, fci, fr, sec.A, sec.Sb, sec.St);

    // The hanging girder: the weight alone, no impact, in every term (the top-flange stress, the
    // lateral moment that tilts the flange and the lateral deflection), at mid-span.
    const int mid = kStationMidspan;
    const HandlingEffects weight =
        HandlingEffectsOf(*this, m_adStationX[mid] + m_LiftingArrays.m_dEndOffset,
                          kHandlingGroupSelfWeight, a, l);
    const double Mg = weight.M;                  // k-ft
    const double yt = sec.I[mid] / sec.St[mid];  // centroid to the top fibre, in
    const std::string problems = HangingStabilityProblems(*this, weight);
    if (!problems.empty()) {
        platform::ShowMessage("Lifting check: " + problems +
                              ". The stability of the hanging girder is not computed; its factor "
                              "of safety is shown as 0.");
        ClearHangingStability(*this);
        return;
    }

    HangingGirder g;
    g.L = L;
    g.a = a;
    g.b = b;
    g.w = m_dBeamWeight;
    g.E = StabilityModulus(m_dBeamDensity, fci);
    g.Iyy = m_dSectionIyy;
    g.yt = yt;
    g.camber =
        m_adCamberSummary[kCamberSummaryPretension] + m_adCamberSummary[kCamberSummaryGirderWeight];
    g.btf = m_dTopFlangeWidth;
    g.fr = fr;
    g.ft = m_LiftingArrays.m_adStressTop[mid][kHandlingStressPretension] +
           m_LiftingArrays.m_adStressTop[mid][kHandlingStressPostTension] + 12 * Mg / sec.St[mid];
    g.Mg = Mg;
    const HangingStability s = ComputeHangingStability(g);
    m_dLiftInitialEccentricity = s.ei;
    m_dLiftCamber = g.camber;
    m_dLiftRollAxisHeight = s.yr;
    m_dLiftLateralDeflection = s.z0;
    m_dLiftInitialTilt = s.thetaI;
    m_dLiftCrackingTilt = s.thetaMax;
    m_dLiftSafetyFactor = s.fs;
}

}  // namespace kordel
