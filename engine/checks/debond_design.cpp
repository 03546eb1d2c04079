// The preliminary end-debonding design. From the transfer length toward mid-length, at sections a
// debonding step apart, the release stresses are estimated by hand-calculation with the strand
// groups added one by one; the group whose addition overstresses the section, and every group
// after it, gets one more step of debonding.
#include "engine/checks/debond_design.h"

#include <algorithm>
#include <cmath>

#include "document/kordel_doc.h"
#include "engine/core/aashto_losses.h"
#include "platform/host.h"

namespace kordel {
namespace {

/// Sections of the search at most; a step so small that the search would need more is refused.
constexpr double kMaxDebondSections = 100000;

/// Development-length factor of debonded strands.
constexpr double kDebondedStrandK = 2.0;

}  // namespace

DebondLossConstants DebondLossConstantsFor(int strandKind, bool lrfd) {
    // Release share r of the estimate and the relaxation divisor K2 (40 low-relaxation, 10
    // stress-relieved): AASHTO LRFD 3rd ed. Art. 5.9.5.4.4b, Eq. 5.9.5.4.4b-1 and -2;
    // AASHTO Standard Specifications Art. 9.16.2.
    if (strandKind == kStrandLowRelaxation)
        return lrfd ? DebondLossConstants{0.06666666666666676, 40.0}
                    : DebondLossConstants{0.08000000000000007, 40.0};
    return lrfd ? DebondLossConstants{0.07142857142857129, 10.0}
                : DebondLossConstants{0.09999999999999998, 10.0};
}

// AASHTO LRFD 6th ed. Art. 5.11.4.2, Eq. 5.11.4.2-1 (K = 2.0 for debonded strands: Art. 5.11.4.3);
// AASHTO Standard Specifications Art. 9.28.1. fpe estimated as 0.6 fpu.
double DebondDevelopmentLength(double K, double fpu, double db) {
    const double fpe = 0.6 * fpu;                    // ksi
    return K * (fpu - 2.0 / 3.0 * fpe) * db / 12.0;  // ft
}

double GroupElevationAt(const StrandGroup& g, double L, double xd, double Lg) {
    const double ye = g[kGroupElevationEnd];    // in
    const double ym = g[kGroupElevationDrape];  // in
    if (ye == ym || !(xd > 0.0)) return ye == ym ? ye : ym;
    if (L < xd) return ye - (ye - ym) * L / xd;
    if (L < Lg - xd) return ym;
    return ym + (ye - ym) * (L - Lg + xd) / xd;
}

DebondSection FindTippingGroup(const StrandGroup* groups, int count, double L, double xd, double Lg,
                               double Mg, const DebondEstimateInput& in) {
    DebondSection out;
    const double Sb = in.I / in.yb;           // in3, bottom fibre
    const double St = in.I / (in.h - in.yb);  // in3, top fibre
    const double fgb = -12.0 * Mg / Sb;       // ksi, girder weight at the bottom
    const double fgt = 12.0 * Mg / St;        // ksi, girder weight at the top

    double Aps = 0.0;  // in2
    double ycg = 0.0;  // in, strand centroid above the bottom
    for (int g = 0; g < count; ++g) {
        const double Ag = groups[g][kGroupStrands] * in.aps;  // in2
        if (Ag != 0.0) {
            const double y = GroupElevationAt(groups[g], L, xd, Lg);
            const double sum = Aps + Ag;  // in2
            ycg = sum != 0.0 ? (ycg * Aps + y * Ag) / sum : 0.0;
            Aps = sum;
        }
        const double e = in.yb - ycg;              // in, below the centroid positive
        const double Pj = in.pull * Aps * in.fpu;  // kip

        double loss = 0.0;  // ksi
        if (in.computedLoss) {
            // Elastic shortening, AASHTO LRFD 6th ed. Art. 5.9.5.2.3a, Eq. 5.9.5.2.3a-1, with
            // fcgp at the strand centroid (I / e written as e / I so that e = 0 needs no guard);
            // relaxation before transfer, LRFD 3rd ed. Eq. 5.9.5.4.4b-1.
            const double Pi = (1.0 - in.loss.r) * Pj;                                      // kip
            const double fcgp = Pi / in.A + Pi * e * e / in.I - 12.0 * in.M50 * e / in.I;  // ksi
            const double ES = std::max(in.Ep / in.Eci * fcgp, 0.0);                        // ksi
            const double RE =
                RelaxationBeforeTransfer(in.transferAge, in.fpj, in.fpy, in.loss.K2).value_or(0.0);
            loss = ES + RE;
            out.Sps = e != 0.0 ? in.I / e : 0.0;
            out.SpsWritten = true;
        } else {
            loss = in.specifiedLossPercent / 100.0 * in.fpj;
        }
        const double P = in.fpj != 0.0 ? (1.0 - loss / in.fpj) * Pj : 0.0;  // kip
        const double fb = P * (1.0 / in.A + e / Sb) + fgb;                  // ksi
        const double ft = P * (1.0 / in.A - e / St) + fgt;                  // ksi
        if (fb > in.allowCompression || ft < in.allowTension) {
            out.tippingGroup = g;
            return out;
        }
    }
    return out;
}

bool CKordelDoc::DesignDebonding() {
    const double step = m_dDebondLengthStep;  // ft
    if (!(step > 0.0) || !std::isfinite(step)) {
        platform::ShowMessage(
            "The debonding length step must be greater than 0.\nThe debonding design is not run.");
        return false;
    }
    DebondEstimateInput in;
    in.A = m_dSectionArea;
    in.yb = m_dSectionYb;
    in.I = m_dSectionIxx;
    in.h = m_dSectionHeight;
    in.Eci = m_dBeamEci;
    const bool computedLoss = m_nLossMode == kLossesComputed;
    if (!(in.A > 0.0) || !(in.I > 0.0) || !(in.yb > 0.0) || !(in.h > in.yb) ||
        (computedLoss && !(in.Eci > 0.0))) {
        platform::ShowMessage(
            "The debonding design needs a girder section with a positive area and moment of "
            "inertia, its centroid inside its height, and Eci above 0.\n"
            "The debonding design is not run.");
        return false;
    }

    const DebondLossConstants loss =
        DebondLossConstantsFor(m_nStrandKind, IsLrfd(m_nSpecification));
    const double Ld = DebondDevelopmentLength(m_dDevLengthFactor, m_dStrandFpu, m_dStrandDiameter);
    const double LdDebonded =
        DebondDevelopmentLength(kDebondedStrandK, m_dStrandFpu, m_dStrandDiameter);  // ft
    const double Lmax = m_dGirderLength / 2.0 - LdDebonded;  // ft, last section of the search
    const double lt = m_dTransferLength;                     // ft, first section
    const double sections = Lmax >= lt ? std::floor((Lmax - lt) / step) + 1.0 : 0.0;
    if (!(sections <= kMaxDebondSections)) {
        platform::ShowMessage(
            "The debonding length step is too small for the length of the girder.\n"
            "The debonding design is not run.");
        return false;
    }

    const int count = std::clamp(m_nStrandGroupCount, 0, kMaxStrandGroups);
    for (int g = 0; g < count; ++g) m_aStrandGroup[g][kGroupDebondEnd] = 0.0;
    m_anDebondFlags[kDebondFlagEnd] = 0;
    m_adDevelopmentLengths[kDevelopmentBonded] = Ld;
    m_adDevelopmentLengths[kDevelopmentDebonded] = LdDebonded;

    in.aps = m_dStrandUnitArea;
    in.fpu = m_dStrandFpu;
    in.fpy = m_dStrandFpy;
    in.Ep = m_dStrandEp;
    in.pull = m_dPullFraction;
    in.fpj = m_dStrandStressJacking;
    in.loss = loss;
    in.transferAge = m_dTransferAge;
    in.computedLoss = computedLoss;
    in.specifiedLossPercent = m_dSpecifiedReleaseLoss;
    in.M50 = m_aMoment[kStationMidspan][kCaseGirderRelease];
    in.allowTension = m_dAllowReleaseTension;
    in.allowCompression = m_dAllowReleaseCompression;

    const double Lg = m_dGirderLength;                                   // ft
    const double xd = m_adStationX[kStationLeftDrape] + m_dEndDistance;  // ft, hold-down point
    const double w = m_dBeamWeight;                                      // klf
    const double Lr = m_dReleaseSpan;                                    // ft
    const double c = m_adReleaseSpanShift[kReleaseStationShift];         // ft

    const long n = static_cast<long>(sections);
    for (long i = 0; i < n; ++i) {
        const double L = lt + static_cast<double>(i) * step;  // ft from the girder end
        const double x = L + c;                               // ft on the release span
        const double Mg = w * x * (Lr - x) / 2.0;             // kip-ft
        const DebondSection s = FindTippingGroup(m_aStrandGroup, count, L, xd, Lg, Mg, in);
        if (s.SpsWritten) m_adLossWork[kLossWorkSps] = s.Sps;
        if (s.tippingGroup < 0) continue;

        if (L + step > Lmax + lt) {
            RunAnalysis();
            platform::ShowMessage("Preliminary debonding pattern could not be found.",
                                  platform::MsgButtons::Ok, platform::MsgIcon::None);
            return false;
        }
        for (int g = s.tippingGroup; g < count; ++g) m_aStrandGroup[g][kGroupDebondEnd] += step;
        m_anDebondFlags[kDebondFlagEnd] = 1;
    }

    RunAnalysis();
    platform::ShowMessage(m_anDebondFlags[kDebondFlagEnd] != 0
                              ? "Preliminary debonding pattern found.\nPlease review it."
                              : "Debonding not necessary.",
                          platform::MsgButtons::Ok, platform::MsgIcon::Information);
    return true;
}

}  // namespace kordel
