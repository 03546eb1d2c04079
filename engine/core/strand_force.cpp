// Strand force reduction at the girder ends: the pretensioning force anchored in the concrete at
// every station before any loss (each strand group builds up its force over the transfer length
// from where its bond begins, carries nothing where it is debonded, and follows its drape), the
// elevation of that force and the strand eccentricities of the release and service sections. A
// girder of several segments is taken segment by segment: each segment end is a transfer zone and
// the closure pours carry practically nothing.
#include "engine/core/strand_force.h"

#include <algorithm>

#include "document/kordel_doc.h"
#include "engine/core/prestress_messages.h"
#include "engine/core/strand_development.h"

namespace kordel {
namespace {

/// d / Lt, the build-up over the transfer length; with no transfer length the force is anchored
/// at once wherever the strand is bonded.
double BuildUp(double d, double Lt) {
    if (Lt > 0.0) return d / Lt;
    return d > 0.0 ? 1.0 : 0.0;
}

/// Fraction at `x` in the bonded zone from `start` to `end`; 0 outside it.
double ZoneFraction(double x, double start, double end, double Lt) {
    if (!(start < end) || x < start || x > end) return 0.0;
    return std::clamp(std::min(BuildUp(x - start, Lt), BuildUp(end - x, Lt)), 0.0, 1.0);
}

/// The message of the routine for a group of debonding case `c` at a position off the girder.
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

}  // namespace

std::optional<double> BondedStrandFraction(double x, double Lg, double Lt, double dE, double dM) {
    if (x < 0.0 || x > Lg) return std::nullopt;
    Lt = std::max(Lt, 0.0);
    const double h = Lg / 2.0;
    switch (DebondCaseOf(dE, dM)) {
        case DebondCase::None:
            return ZoneFraction(x, 0.0, Lg, Lt);
        case DebondCase::End:
            return ZoneFraction(x, dE, Lg - dE, Lt);
        case DebondCase::Mid:
            return x <= h ? ZoneFraction(x, 0.0, h - dM, Lt) : ZoneFraction(x, h + dM, Lg, Lt);
        case DebondCase::Both:
            return x <= h ? ZoneFraction(x, dE, h - dM, Lt) : ZoneFraction(x, h + dM, Lg - dE, Lt);
    }
    return 0.0;
}

double DrapedStrandElevation(double x, double Lg, double xd, double yE, double yD) {
    if (yD == yE) return yE;
    if (!(xd > 0.0)) return yD;
    if (x < xd) return yE - (yE - yD) * x / xd;
    if (x < Lg - xd) return yD;
    return yD + (yE - yD) * (x - (Lg - xd)) / xd;
}

std::optional<double> SegmentedStrandFraction(double x, std::span<const double[2]> segments,
                                              double Lt) {
    if (x < 0.0) return std::nullopt;
    Lt = std::max(Lt, 0.0);
    double a = 0.0;  // running length from the left girder end, ft
    for (const auto& segment : segments) {
        const double length = segment[kSegmentLength];
        a += length;
        if (x <= a) return ZoneFraction(x, a - length, a, Lt);
        a += segment[kSegmentClosure];
        if (x <= a) return kClosurePourFraction;
    }
    return std::nullopt;
}

void CKordelDoc::ComputeStrandForceReduction() {
    PrestressMessages messages;
    // A girder of one piece (m_nSegments 1, or a count that names no segments) takes the drape and
    // the debonding; only a girder of several segments is taken segment by segment.
    const bool segmented = m_nSegments > 1;
    const std::span<const double[2]> segments(m_adSegments,
                                              std::clamp(m_nSegments, 0, kMaxSegmentSlots));
    const double Lg = m_dGirderLength;    // ft
    const double Lt = m_dTransferLength;  // ft
    // Drape point from the left girder end, ft; the drape is symmetric about mid-length.
    const double xd = m_adStationX[kStationLeftDrape] + m_dEndDistance;
    // A prestress given as one jacking force is one resultant at the entered centroids (at the
    // girder end and at midspan, draped between them like a strand), bonded from the girder ends
    // and never debonded. Whatever the strand pattern still holds takes no part: summing the force
    // once per pattern strand would multiply it by the strand count and put it at the pattern's
    // centroid. The losses and the stresses read Pj as the whole force, so must this stage.
    const bool forceEntry = m_nPretensionEntryMode != kEntryStrandPattern;
    StrandGroup forceResultant;
    forceResultant[kGroupStrands] = 1.0;
    forceResultant[kGroupElevationEnd] = m_dPForceCgEnd;    // in
    forceResultant[kGroupElevationDrape] = m_dPForceCgMid;  // in
    const StrandGroup* groups = forceEntry ? &forceResultant : m_aStrandGroup;
    const int nGroups = forceEntry ? 1 : std::clamp(m_nStrandGroupCount, 0, kMaxStrandGroups);
    if (forceEntry) {
        // The reports and the drape-dependent checks print and use these centroids.
        m_dStrandCgEnd = m_dPForceCgEnd;
        m_dStrandCgMid = m_dPForceCgMid;
    }

    m_anDebondFlags[kDebondFlagEnd] =
        segmented || forceEntry ? 0 : HasDebonding(m_aStrandGroup, 1);
    m_anDebondFlags[kDebondFlagMid] =
        segmented || forceEntry ? 0 : HasDebonding(m_aStrandGroup, 2);

    const bool transformed = TransformsStrandsForDeadLoads(m_nTransformStrandsMode);
    const bool detailed = UsesDetailedLosses(m_nLossMethod, m_nLossMode);

    // Groups that debond alike are bonded alike: each class's fraction is computed once a station.
    const DebondClasses classes = DebondClassesOf(groups, nGroups);
    std::optional<double> classBonded[kMaxStrandGroups];

    for (int i = 0; i < kStationCount; ++i) {
        const double x = m_adStationX[i] + m_dEndDistance;  // ft from the left girder end
        double F = 0.0;                                     // kip
        double M = 0.0;                                     // kip-in about the girder bottom

        double segmentFraction = 0.0;
        if (segmented) {
            const std::optional<double> f = SegmentedStrandFraction(x, segments, Lt);
            if (!f) {
                messages.Show(
                    "Error in strand force reduction routine. A station lies outside the girder "
                    "segments; the strands are taken as carrying no force there.");
            }
            segmentFraction = f.value_or(0.0);
        } else {
            for (int c = 0; c < classes.count; ++c) {
                const StrandGroup& first = groups[classes.firstGroup[c]];
                classBonded[c] =
                    BondedStrandFraction(x, Lg, Lt, first[kGroupDebondEnd], first[kGroupDebondMid]);
            }
        }

        for (int g = 0; g < nGroups; ++g) {
            const StrandGroup& group = groups[g];
            const double n = group[kGroupStrands];
            // Force of one strand at jacking stress, kip.
            const double P1 = forceEntry
                                  ? m_dPForceJacking
                                  : group[kGroupPullFraction] * m_dStrandUnitArea * m_dStrandFpu;
            double f = segmentFraction;
            double y = group[kGroupElevationEnd];  // in
            if (!segmented) {
                const std::optional<double>& bonded = classBonded[classes.classOf[g]];
                if (!bonded)
                    messages.Show(OffGirderMessage(
                        DebondCaseOf(group[kGroupDebondEnd], group[kGroupDebondMid])));
                f = bonded.value_or(0.0);
                if (f == 0.0) continue;
                y = DrapedStrandElevation(x, Lg, xd, group[kGroupElevationEnd],
                                          group[kGroupElevationDrape]);
            }
            F += f * P1 * n;
            M += f * P1 * n * y;
        }

        m_adJackingForceAtStation[i] = F;
        const double cg = F != 0.0 ? M / F : 0.0;  // in
        m_adStrandCgAtStation[i] = cg;

        const double* yb = m_adCentroidAtStation[i];
        double* e = m_adStrandEccentricity[i];
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

}  // namespace kordel
