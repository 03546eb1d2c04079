// The shipping check: stress limits, stresses and strength of the girder on the truck with the
// shipping impact down and up, and its stability against roll on the truck's supports.
#include <cmath>
#include <string>

#include "document/kordel_doc.h"
#include "engine/checks/girder_stability.h"
#include "engine/checks/handling_statics.h"
#include "engine/checks/handling_strength.h"
#include "engine/checks/stripping.h"
#include "engine/core/round_off.h"
#include "platform/host.h"
#include "report/format.h"

namespace kordel {

namespace {

// Reasons, joined with "; ", why the roll stability on the truck cannot be computed.
std::string RollStabilityProblems(const CKordelDoc& d, const HandlingEffects& mid) {
    std::string problems;
    const auto add = [&](const std::string& text) {
        problems += (problems.empty() ? "" : "; ") + text;
    };
    if (!(d.m_dBeamWeight > 0)) add("the girder weight per foot is not positive");
    if (!(d.m_dBeamDensity > 0)) add("the unit weight of the girder concrete is not positive");
    if (!(d.m_dTransportStiffness > 0)) add("the transport stiffness is not positive");
    if (!(d.m_dSectionIyy > 0)) add("the weak-axis moment of inertia Iyy is not positive");
    if (!(d.m_dTopFlangeWidth > 0)) add("the top flange width is not positive");
    if (!(d.m_dBeamFc > 0)) add("the 28-day strength f'c is not positive");
    if (!(d.m_dStripFci > 0)) add("the release strength f'ci is not positive");
    if (!(d.m_dBeamEci > 0)) add("the modulus of the girder concrete at release is not positive");
    if (!(d.m_dLiftLateralDeflection > 0)) {
        add("the lateral deflection of the hanging girder, from which the one on the truck is "
            "derived, is not known");
    }
    if (IsRoundOffZero(mid.M, mid.Mscale)) {
        add("the moment of the girder weight at mid-span is 0, so no tilt cracks the top flange "
            "there");
    }
    if (!std::isfinite(d.m_dImpactShipping)) add("the shipping impact is not a number");
    const double values[] = {d.m_dSuperElevation, d.m_dBeamCgAboveRoad, d.m_dRollCenterAboveRoad,
                             d.m_dDualTireDistance};
    for (double v : values) {
        if (!std::isfinite(v)) {
            add("the truck geometry holds a value that is not a number");
            break;
        }
    }
    return problems;
}

void ClearRollStability(CKordelDoc& d) {
    d.m_dShipCrackingTilt = 0;
    d.m_dShipFailureTilt = 0;
    d.m_dShipLateralDeflection = 0;
    d.m_dShipFailureDeflection = 0;
    d.m_dShipCrackingSafetyFactor = 0;
    d.m_dShipFailureSafetyFactor = 0;
}

}  // namespace

void CKordelDoc::CheckShipping() {
    const double L = m_dGirderLength;
    const double a = m_dShipSupportLeft;
    const double b = m_dShipSupportRight;
    const double l = L - a - b;
    const bool useFc = m_bShipUseFc == 1;
    const double fc = useFc ? m_dBeamFc : m_dStripFci;
    const double endOffset = (L - m_dDesignSpan) / 2;

    m_dShipTensionAllowable = HandlingTensionLimit(m_dReleaseTensionCoef, m_dLambdaGirder, fc,
                                                   m_nReleaseTensionLimit == 1);
    m_dShipCompressionAllowable = fc > 0 ? m_dReleaseCompressionCoef * fc : 0.0;
    m_dShipRuptureStress = HandlingRuptureStress(IsLrfd(m_nSpecification), m_nBeamConcreteType, fc);

    const HandlingSections sec =
        HandlingSectionsOf(*this, HandlingSectionCase(m_nTransformStrandsMode, useFc));
    std::string problem;
    const int badStation = FirstUnusableSection(sec);
    if (!(fc > 0)) {
        problem = Format("the concrete strength for shipping (%.3f ksi) is not positive", fc);
    } else if (!(l > 0)) {
        problem = Format(
            "the truck supports leave no span between them (girder length %.2f ft, "
            "supports %.2f ft from the left end and %.2f ft from the right end)",
            L, a, b);
    } else if (badStation >= 0) {
        problem = Format("the section properties at station %d are not positive", badStation);
    }
    if (!problem.empty()) {
        platform::ShowMessage("Shipping check: " + problem +
                              ". The girder is not checked for shipping; its factors of safety are "
                              "shown as 0.");
        ClearHandlingStrength(m_ShippingArrays, m_dPhiFlexure, endOffset);
        ClearRollStability(*this);
        return;
    }

    const double fr = GetRuptureCoefficient(m_nBeamConcreteType) * m_dLambdaGirder * std::sqrt(fc);
    const HandlingImpact impacts[] = {{kHandlingGroupShipImpactDown, m_dImpactShipping / 100},
                                      {kHandlingGroupShipImpactUp, -m_dImpactShipping / 100}};
    BuildHandlingLoads(impacts, 2);
    ComputeHandlingStrength(m_ShippingArrays, a, l, kHandlingGroupShipImpactDown,
                            kHandlingGroupShipImpactUp, fc, fr, sec.A, sec.Sb, sec.St);

    // The weight alone at mid-span; the impact scales it in every term of the roll stability.
    const int mid = kStationMidspan;
    const HandlingEffects weight =
        HandlingEffectsOf(*this, m_adStationX[mid] + m_ShippingArrays.m_dEndOffset,
                          kHandlingGroupSelfWeight, a, l);
    const std::string problems = RollStabilityProblems(*this, weight);
    if (!problems.empty()) {
        platform::ShowMessage("Shipping check: " + problems +
                              ". The roll stability on the truck is not computed; its factors of "
                              "safety are shown as 0.");
        ClearRollStability(*this);
        return;
    }

    TopFlangeAtMidspan top;
    top.fr = fr;
    top.fps = m_ShippingArrays.m_adStressTop[mid][kHandlingStressPretension] +
              m_ShippingArrays.m_adStressTop[mid][kHandlingStressPostTension];
    top.St = sec.St[mid];
    top.Iyy = m_dSectionIyy;
    top.btf = m_dTopFlangeWidth;
    top.M = weight.M;
    TruckGirder g;
    g.L = L;
    g.l = l;
    g.w = m_dBeamWeight;
    g.Ktheta = m_dTransportStiffness;
    g.alpha = m_dSuperElevation;
    g.camber =
        m_adCamberSummary[kCamberSummaryPretension] + m_adCamberSummary[kCamberSummaryGirderWeight];
    g.cgAboveRoad = m_dBeamCgAboveRoad;
    g.hr = m_dRollCenterAboveRoad;
    g.zmax = m_dDualTireDistance;
    g.z0 = ShippingLateralDeflection(m_dLiftLateralDeflection, m_dStripFci, m_dBeamFc,
                                     StabilityModulus(m_dBeamDensity, fc), m_dBeamEci);
    const ShippingStability s = ComputeShippingStability(g, top, m_dImpactShipping / 100);
    m_dShipCrackingTilt = s.thetaMax;
    m_dShipFailureTilt = s.thetaFailure;
    m_dShipLateralDeflection = s.z0;
    m_dShipFailureDeflection = s.z0Failure;
    m_dShipCrackingSafetyFactor = s.fsCracking;
    m_dShipFailureSafetyFactor = s.fsRollover;
}

}  // namespace kordel
