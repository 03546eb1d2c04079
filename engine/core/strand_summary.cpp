// End-zone splitting steel at transfer, and the totals of the strand pattern that the reports and
// drawings print: strand count and length, girder volume and weight, debonding counts and
// shares, the hold-down force of draped strands and the elastic shortening at release.
#include <algorithm>
#include <cmath>
#include <numbers>

#include "document/kordel_doc.h"
#include "engine/core/aashto_stress_limits.h"
#include "engine/core/strand_groups.h"
#include "platform/host.h"

namespace kordel {
namespace {

constexpr double kDegreesPerRadian = 180.0 / std::numbers::pi;
constexpr double kCubicFeetPerCubicYard = 27.0;
constexpr double kSquareInchesPerSquareFoot = 144.0;

/// Inclination of a draped group, radian: rise `yE - yD` (in) over the run `run` (ft) from the
/// girder end to the drape point; 0 for a straight group or no run.
double DrapeSlope(const StrandGroup& g, double run) {
    const double rise = g[kGroupElevationEnd] - g[kGroupElevationDrape];  // in
    if (rise == 0.0 || run == 0.0) return 0.0;
    return std::atan(rise / (12.0 * run));
}

}  // namespace

void CKordelDoc::ComputeSplittingSteel() {
    const double P = m_adJackingForceAtStation[kStationLeftTransfer];  // kip
    const double Panchor = SplittingForce(P);                          // kip
    m_adAnchorZone[kAnchorSplittingForce] = Panchor;
    if (m_dSplittingSteelStress > 0.0) {
        m_adAnchorZone[kAnchorSteelArea] = Panchor / m_dSplittingSteelStress;
    } else {
        m_adAnchorZone[kAnchorSteelArea] = 0.0;
        if (Panchor != 0.0)
            platform::ShowMessage(
                "The stress of the splitting steel must be greater than 0.\n"
                "The end-zone splitting steel is not computed.");
    }
    bool known = true;
    m_adAnchorZone[kAnchorZoneLength] =
        SplittingZoneLength(IsLrfd(m_nSpecification), m_nSectionType, m_dSectionHeight,
                            m_dOutlineWidth, m_dStrandCgEnd, known);
    if (!known)
        platform::ShowMessage(
            "The end-zone length of the splitting steel is not defined for this section type.\n"
            "One quarter of the section height is used.");
}

void CKordelDoc::SummarizeStrandPattern() {
    for (int k = 0; k < kGirderTotalCount; ++k)
        if (k != kTotalKeptEntry) m_adGirderTotals[k] = 0.0;
    m_dDebondedStrandLength = 0.0;
    m_nStrandCount = 0;

    const int groups = std::clamp(m_nStrandGroupCount, 0, kMaxStrandGroups);
    for (int g = 0; g < groups; ++g)
        m_nStrandCount += static_cast<int>(m_aStrandGroup[g][kGroupStrands]);

    const double e = m_dEndDistance;                         // ft
    const double Lg = m_dGirderLength;                       // ft
    const double run = e + m_adStationX[kStationLeftDrape];  // ft, girder end to drape point
    double strandLength = 0.0;                               // ft
    for (int g = 0; g < groups; ++g) {
        const StrandGroup& G = m_aStrandGroup[g];
        const double n = G[kGroupStrands];
        const double alpha = DrapeSlope(G, run);  // radian
        strandLength += alpha == 0.0 ? n * Lg : n * (2.0 * run / std::cos(alpha) + Lg - 2.0 * run);
    }
    m_adGirderTotals[kTotalStrandLength] = strandLength;

    if (m_anDebondFlags[kDebondFlagEnd] != 0 || m_anDebondFlags[kDebondFlagMid] != 0) {
        double debonded = 0.0;
        for (int g = 0; g < groups; ++g)
            if (m_aStrandGroup[g][kGroupDebondEnd] > 0.0)
                debonded += m_aStrandGroup[g][kGroupStrands];
        m_adDebondSummary[kDebondedStrands] = debonded;
        m_adDebondSummary[kDebondedPercent] =
            m_nStrandCount > 0 ? debonded / m_nStrandCount * 100.0 : 0.0;

        const DebondedRow worst =
            WorstDebondedRow(m_aStrandGroup, groups, m_aEndRows, m_nTemplateRowCount);
        m_afDebondSummary[kRowDebondedStrands] = static_cast<float>(worst.strands);
        m_afDebondSummary[kRowDebondedPercent] = static_cast<float>(worst.percent);

        for (int g = 0; g < groups; ++g) {
            const StrandGroup& G = m_aStrandGroup[g];
            const double alpha = DrapeSlope(G, run);  // radian
            m_dDebondedStrandLength += 2.0 * G[kGroupStrands] *
                                       (G[kGroupDebondEnd] / std::cos(alpha) + G[kGroupDebondMid]);
        }
    }

    const double Pmid = m_adJackingForceAtStation[kStationMidspan];  // kip
    if (m_nPatternType == kPatternDraped) {
        const double drapeRun = m_dDrapeFraction * m_dDesignSpan + e;  // ft
        m_dStrandDrapeAngle =
            drapeRun != 0.0
                ? std::atan((m_dStrandCgEnd - m_dStrandCgMid) / 12.0 / drapeRun) * kDegreesPerRadian
                : 0.0;
        m_adHoldDownSummary[kHoldDownForce] =
            HoldDownForce(Pmid, m_dStrandDrapeAngle, m_dDrapeFraction);
        m_adHoldDownSummary[kHoldDownFirstPoint] = m_adStationX[kStationLeftDrape] + e;
        if (m_dDrapeFraction != 0.5)
            m_adHoldDownSummary[kHoldDownSecondPoint] =
                Lg - m_adHoldDownSummary[kHoldDownFirstPoint];
    }

    // Elastic shortening at release, P L / (A Eci), on the gross girder at midspan.
    const double A50 = m_adAreaAtStation[kStationMidspan][kSectionCaseGirder];  // in2
    const double AEci = A50 * m_dBeamEci;                                       // kip
    m_adHoldDownSummary[kElasticShortening] = AEci > 0.0 ? Pmid * Lg * 12.0 / AEci : 0.0;
    if (AEci <= 0.0 && Pmid != 0.0)
        platform::ShowMessage(
            "The girder area or its modulus at release is not greater than 0.\n"
            "The elastic shortening of the girder at release is not computed.");

    if (m_dSelfWeightMultiplier > 0.0) {
        m_adGirderTotals[kTotalGirderWeight] = m_dBeamWeight * Lg / m_dSelfWeightMultiplier;
    } else if (m_dBeamWeight != 0.0) {
        platform::ShowMessage(
            "The multiplier on the girder self-weight must be greater than 0.\n"
            "The girder weight of the summary is not computed.");
    }
    m_adGirderTotals[kTotalConcreteVolume] =
        Lg * A50 / kSquareInchesPerSquareFoot / kCubicFeetPerCubicYard;
}

}  // namespace kordel
