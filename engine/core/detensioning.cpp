// Detensioning of a pretensioned girder: the strands are cut one strand group at a time in the
// user's cutting order, and after each cut the concrete stresses at the bottom and top of the
// girder are computed at the critical sections near its ends. Each group already cut acts with
// its jacking stress less the relaxation before transfer and less its share of the elastic
// shortening (growing with the strands cut so far); the girder carries its own weight on its two
// ends from the first cut on.
#include "engine/core/detensioning.h"

#include <algorithm>
#include <optional>

#include "document/kordel_doc.h"
#include "engine/checks/handling_statics.h"
#include "engine/core/fibre_stress.h"
#include "engine/core/prestress_messages.h"
#include "engine/core/strand_development.h"
#include "engine/core/strand_force.h"

namespace kordel {
namespace {

/// The message of the strand force routine for a group of debonding case `c` at a section off
/// the girder.
const char* OffGirderMessage(DebondCase c) {
    switch (c) {
        case DebondCase::Both:
            return "Error in debonding strand force reduction routine.";
        case DebondCase::Mid:
            return "Error in strand force reduction routine. Code:mid.";
        case DebondCase::End:
        case DebondCase::None:
            break;
    }
    return "Error in strand force reduction routine. Code:none.";
}

/// Section values at one critical section.
struct DetensionSection {
    double A = 0;   ///< area, in2
    double yb = 0;  ///< centroid above the girder bottom, in
    double Sb = 0;  ///< bottom section modulus, in3; 0 when yb is 0
    double St = 0;  ///< top section modulus, in3; 0 when h - yb is 0
    double M = 0;   ///< self-weight moment, kip-ft, sagging positive
};

}  // namespace

bool IsValidCuttingOrder(const int* order, int count) {
    std::vector<bool> seen(static_cast<std::size_t>(std::max(count, 0)) + 1, false);
    for (int p = 0; p < count; ++p) {
        const int g = order[p];
        if (g < 1 || g > count || seen[g]) return false;
        seen[g] = true;
    }
    return true;
}

std::vector<double> DetensionSections(const StrandGroup* groups, int count, double Lg, double Lt,
                                      int maxSections) {
    std::vector<double> x = {Lt};
    const auto add = [&](double position) {
        if (static_cast<int>(x.size()) >= maxSections) return;
        if (std::find(x.begin(), x.end(), position) == x.end()) x.push_back(position);
    };
    for (int g = 0; g < count && static_cast<int>(x.size()) < maxSections; ++g) {
        const double dE = groups[g][kGroupDebondEnd];
        const double dM = groups[g][kGroupDebondMid];
        if (dE > 0.0) add(dE + Lt);
        if (dM > 0.0) add(Lg / 2.0 - dM - Lt);
    }
    std::stable_sort(x.begin(), x.end());
    return x;
}

void CKordelDoc::CheckDetensioning() {
    if (m_nPrestressType == kPostTensioned || m_nPretensionEntryMode == kEntryPrestressForce)
        return;

    PrestressMessages messages;
    const int nGroups = std::clamp(m_nStrandGroupCount, 0, kMaxStrandGroups);
    if (!IsValidCuttingOrder(m_anDetensionOrder, nGroups)) {
        for (int p = 0; p < nGroups; ++p) m_anDetensionOrder[p] = p + 1;
    }

    const double Lg = m_dGirderLength;                                   // ft
    const double Lt = m_dTransferLength;                                 // ft
    const double xd = m_adStationX[kStationLeftDrape] + m_dEndDistance;  // ft from the left end
    const double h = m_dSectionHeight;                                   // in

    // Critical sections.
    const std::vector<double> x =
        DetensionSections(m_aStrandGroup, nGroups, Lg, Lt, kMaxDetensionSections);
    m_nDetensionSections = static_cast<int>(x.size());
    std::copy(x.begin(), x.end(), m_adDetensionSection);

    // The girder's own weight on supports at its two ends (handling load group 0).
    std::fill(std::begin(m_aHandlingDistLoad), std::end(m_aHandlingDistLoad), HandlingDistLoad{});
    std::fill(std::begin(m_aHandlingPointLoad), std::end(m_aHandlingPointLoad),
              HandlingPointLoad{});
    m_nHandlingPointLoads = 0;
    m_nHandlingDistLoads = 0;
    m_aHandlingDistLoad[m_nHandlingDistLoads++] = {0, m_dBeamWeight, m_dBeamWeight, 0.0, Lg};
    if (m_bIncludeEndBlocks == 1) {
        double A0 = 0, yb0 = 0, I0 = 0, bw0 = 0;
        GetStationSectionProps(0, 0, A0, yb0, I0, bw0);
        const double w =
            m_dSelfWeightMultiplier * m_dBeamDensity * (A0 - m_dSectionArea) / 144.0;  // klf
        m_aHandlingDistLoad[m_nHandlingDistLoads++] = {0, w, w, 0.0, m_dEndBlockLength};
        m_aHandlingDistLoad[m_nHandlingDistLoads++] = {0, w, w, Lg - m_dEndBlockLength, Lg};
    }

    DetensionSection sections[kMaxDetensionSections];
    for (int i = 0; i < m_nDetensionSections; ++i) {
        DetensionSection& sec = sections[i];
        double I = 0, bw = 0;
        GetEndZoneSectionProps(x[i], sec.A, sec.yb, I, bw);
        sec.Sb = sec.yb != 0.0 ? I / sec.yb : 0.0;
        sec.St = h - sec.yb != 0.0 ? I / (h - sec.yb) : 0.0;
        double V = 0, V2 = 0, R4 = 0, R5 = 0;
        ComputeHandlingEffects(x[i], 0, 0, 0.0, Lg, sec.M, V, V2, R4, R5);
    }

    // Relaxation before transfer and elastic shortening, ksi.
    double RE = 0.0, ES = 0.0;
    if (m_nLossMode == kLossesComputed) {
        switch (m_nLossMethod) {
            case kLossStandardSpecs:
            case kLossLrfd3rd:
                RE = m_adLossRelaxation[kRelaxationBeforeTransfer];
                ES = m_adLossElasticShortening[kElasticLoss];
                break;
            case kLossLrfd6thDetailed:
                ES = m_adLossApprox[kApproxDetailedEs];
                break;
            case kLossLrfd6thApproximate:
                ES = m_adLossElasticShortening[kElasticLoss];
                break;
            default:
                break;
        }
    } else {
        ES = m_adTotalLoss[kTotalLossRelease];
    }

    const double N = m_nStrandCount;  // strands of the whole pattern
    if (N <= 0 && nGroups > 0) {
        messages.Show(
            "Detensioning: the pattern's strand count is 0 while strand groups exist; the elastic "
            "shortening of the strands cut is taken as 0.");
    }
    const double Ap = m_dStrandUnitArea;  // in2
    const auto fibre = [&](std::optional<double> f) {
        if (!f) {
            messages.Show(
                "Detensioning: a critical section has no area or no section modulus; its stresses "
                "are taken as 0.");
        }
        return f.value_or(0.0);
    };

    double Ncut = 0.0;
    for (int p = 0; p < nGroups; ++p) {
        const StrandGroup& g = m_aStrandGroup[m_anDetensionOrder[p] - 1];
        const double n = g[kGroupStrands];
        Ncut += n;
        for (int i = 0; i < m_nDetensionSections; ++i) {
            const double dE = g[kGroupDebondEnd], dM = g[kGroupDebondMid];
            const std::optional<double> bonded = BondedStrandFraction(x[i], Lg, Lt, dE, dM);
            if (!bonded) messages.Show(OffGirderMessage(DebondCaseOf(dE, dM)));
            const double f = bonded.value_or(0.0);
            const double y = f == 0.0 ? 0.0
                                      : DrapedStrandElevation(x[i], Lg, xd, g[kGroupElevationEnd],
                                                              g[kGroupElevationDrape]);
            m_aDetensionStress[kDetensionElevation][p][i] = y;
            m_aDetensionStress[kDetensionBondedFraction][p][i] = f;
        }
        m_adDetensionStrandCount[p] = n;
        m_adDetensionPullFraction[p] = g[kGroupPullFraction];

        // Every group cut so far, with the elastic shortening of all strands cut so far.
        const double esShare = N > 0 ? ES * Ncut / N : 0.0;  // ksi
        for (int i = 0; i < m_nDetensionSections; ++i) {
            const DetensionSection& sec = sections[i];
            double sb = 0.0, st = 0.0;
            for (int q = 0; q <= p; ++q) {
                const double f = m_aDetensionStress[kDetensionBondedFraction][q][i];
                const double F = f * m_adDetensionStrandCount[q] *
                                 (m_adDetensionPullFraction[q] * m_dStrandFpu - RE - esShare) * Ap;
                const double e = sec.yb - m_aDetensionStress[kDetensionElevation][q][i];
                sb += fibre(PrestressFibreStress(F, sec.A, e, sec.Sb, true));
                st += fibre(PrestressFibreStress(F, sec.A, e, sec.St, false));
            }
            m_aDetensionStress[kDetensionBottom][p][i] =
                sb + fibre(MomentFibreStress(sec.M, sec.Sb, true));
            m_aDetensionStress[kDetensionTop][p][i] =
                st + fibre(MomentFibreStress(sec.M, sec.St, false));
        }
    }
}

}  // namespace kordel
