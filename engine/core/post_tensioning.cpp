// Post-tensioning tendons through the analysis: each tendon's area, jacking force and parabolic
// profile with the resultant force and centroid per station (right after the stations), the
// tendon eccentricities of the release and final sections (after the strand force at the ends),
// the tendon force per station after the losses of the two stages (after the losses), and the
// concrete fibre stresses of the tendons (after the pretensioning stresses).
#include <algorithm>
#include <cstdio>
#include <optional>

#include "document/kordel_doc.h"
#include "engine/core/aashto_post_tensioning.h"
#include "engine/core/fibre_stress.h"
#include "engine/core/prestress_messages.h"

namespace kordel {

void CKordelDoc::ComputeTendonGeometry() {
    PrestressMessages messages;
    // The tendon losses of an earlier run never outlive it: the losses stage refills them for a
    // post-tensioned girder.
    std::fill(std::begin(m_adPtTotalLoss), std::end(m_adPtTotalLoss), 0.0);
    std::fill(std::begin(m_adPtFrictionAnchorSet), std::end(m_adPtFrictionAnchorSet), 0.0);
    std::fill(std::begin(m_adTendonStressAtStation), std::end(m_adTendonStressAtStation), 0.0);
    std::fill(std::begin(m_afTendonArea), std::end(m_afTendonArea), 0.0f);
    std::fill(std::begin(m_afTendonJackingForce), std::end(m_afTendonJackingForce), 0.0f);
    for (auto& row : m_adTendonElevation) std::fill(std::begin(row), std::end(row), 0.0);

    const double fpjt = TendonJackingStress(m_nPTJackingBasis, m_dPtJackingFraction, m_dPTStrandFpy,
                                            m_dPTStrandFpu);
    // The jacking stress is held in single precision before it multiplies the area.
    const double fpjtSingle = static_cast<double>(static_cast<float>(fpjt));  // ksi
    m_nPtStrandCount = 0;
    m_dPtStrandArea = 0.0;

    const int nTendons = std::clamp(m_nTendonCount, 0, kMaxTendons);
    for (int k = 0; k < nTendons; ++k) {
        const PostTensioningTendon& tendon = m_aTendons[k];
        const double area = tendon.m_nStrands * m_dPTStrandUnitArea;  // in2
        m_nPtStrandCount += tendon.m_nStrands;
        m_dPtStrandArea += area;
        m_afTendonArea[k] = static_cast<float>(area);
        m_afTendonJackingForce[k] = static_cast<float>(fpjtSingle * area);

        const auto& p = tendon.m_adProfile;
        const double L = p[kProfileEnd][kProfileX] - p[kProfileStart][kProfileX];  // ft
        if (L == 0.0) {
            messages.Show(
                MessageText("Post-tensioning: tendon %d has a profile of zero length; "
                            "it is taken at its end elevation.",
                            k + 1));
        }
        for (int i = 0; i < kStationCount; ++i) {
            const double x = m_adStationX[i] + m_dEndDistance;  // ft from the left girder end
            m_adTendonElevation[k][i] = TendonProfileElevation(x, L, p[kProfileStart][kProfileCg],
                                                               p[kProfileVertex][kProfileCg],
                                                               static_cast<double>(tendon.m_fZ));
        }
    }

    for (int i = 0; i < kStationCount; ++i) {
        double F = 0.0;   // kip
        double Fy = 0.0;  // kip-in about the girder bottom
        for (int k = 0; k < nTendons; ++k) {
            const double Pk = static_cast<double>(m_afTendonJackingForce[k]);
            F += Pk;
            Fy += Pk * m_adTendonElevation[k][i];
        }
        m_adPtForce[i] = F;
        m_adPtCg[i] = F != 0.0 ? Fy / F : 0.0;
    }
}

void CKordelDoc::ComputeTendonEccentricity() {
    const bool transformed = TransformsStrandsForDeadLoads(m_nTransformStrandsMode);
    const bool detailed = UsesDetailedLosses(m_nLossMethod, m_nLossMode);
    for (int i = 0; i < kStationCount; ++i) {
        const double cg = m_adPtCg[i];  // in
        const double* yb = m_adCentroidAtStation[i];
        double* e = m_adPtEccentricity[i];
        if (transformed) {
            e[kEccentricityRelease] = yb[kSectionCaseRelease] - cg;
            e[kEccentricityService] =
                (detailed ? yb[kSectionCaseRelease] : yb[kSectionCaseFinal]) - cg;
        } else {
            e[kEccentricityRelease] = yb[kSectionCaseGirder] - cg;
            e[kEccentricityService] = yb[kSectionCaseGirder] - cg;
        }
    }
}

void CKordelDoc::ComputeTendonForces() {
    std::fill(std::begin(m_adPtEffForce1), std::end(m_adPtEffForce1), 0.0);
    std::fill(std::begin(m_adPtEffForce2), std::end(m_adPtEffForce2), 0.0);
    if (!HasPostTensioning(m_nPrestressType, m_nTendonCount)) return;

    const double fpjt = m_adPtTotalLoss[kPtJackingStress];  // ksi
    // With no jacking stress there is no tendon force to leave.
    if (fpjt == 0.0) return;
    const double stageLoss = m_adPtTotalLoss[kPtLossStage];  // ksi
    const double finalLoss = m_adPtTotalLoss[kPtLossFinal];  // ksi
    const double FR = m_adPtFrictionAnchorSet[kPtFrictionLoss];
    const double AM = m_adPtFrictionAnchorSet[kPtAnchorSetLoss];
    const bool computed = m_nTendonLossMode == kLossesComputed;

    for (int i = 0; i < kStationCount; ++i) {
        // Computed losses hold the friction and anchor set at mid-length; the station takes its
        // own, from the tendon stress left there after seating. Where no losses could be computed
        // that stress is 0 and the station keeps no force.
        const double local =
            computed ? -FR - AM + (fpjt - m_adTendonStressAtStation[i]) : 0.0;  // ksi
        m_adPtEffForce1[i] = (1.0 - (stageLoss + local) / fpjt) * m_adPtForce[i];
        m_adPtEffForce2[i] = (1.0 - (finalLoss + local) / fpjt) * m_adPtForce[i];
    }
}

void CKordelDoc::ComputeTendonStresses() {
    for (auto& row : m_aPtStress) std::fill(std::begin(row), std::end(row), 0.0);
    if (!HasPostTensioning(m_nPrestressType, m_nTendonCount)) return;

    PrestressMessages messages;
    const bool transformed = TransformsStrandsForDeadLoads(m_nTransformStrandsMode);
    const bool detailed = UsesDetailedLosses(m_nLossMethod, m_nLossMode);
    const int stageCase = transformed ? kSectionCaseRelease : kSectionCaseGirder;
    const int finalCase = transformed ? kSectionCaseFinal : kSectionCaseGirder;

    // Stress of force P at eccentricity e on section case c at station i, fibre `fibre`; 0 after
    // one message for the run where the section has no area or modulus.
    const auto stress = [&](double P, double e, int i, int c, int fibre) {
        const double A = m_adAreaAtStation[i][c];
        const double S = m_adSectionModulusAtStation[i][SectionModulusSlot(c, fibre)];
        const std::optional<double> f =
            PrestressFibreStress(P, A, e, S, fibre == kFibreGirderBottom);
        if (!f) {
            messages.Show(
                "Post-tensioning stresses: a section at some station has no area or no section "
                "modulus; the stresses of the tendon force there are taken as 0.");
        }
        return f.value_or(0.0);
    };

    for (int i = 0; i < kStationCount; ++i) {
        double* s = m_aPtStress[i];
        const double P1 = m_adPtEffForce1[i];
        const double e1 = m_adPtEccentricity[i][kEccentricityRelease];
        s[kPtStressStageBottom] = stress(P1, e1, i, stageCase, kFibreGirderBottom);
        s[kPtStressStageTop] = stress(P1, e1, i, stageCase, kFibreGirderTop);

        // With the detailed losses the tendon force stays unreduced on the first-stage section.
        const double P2 = detailed ? m_adPtForce[i] : m_adPtEffForce2[i];
        const int c2 = detailed ? stageCase : finalCase;
        const double e2 = m_adPtEccentricity[i][kEccentricityService];
        s[kPtStressFinalBottom] = stress(P2, e2, i, c2, kFibreGirderBottom);
        s[kPtStressFinalTop] = stress(P2, e2, i, c2, kFibreGirderTop);
    }
}

}  // namespace kordel
