// Strand development at the stations: per strand group (or, in a spliced girder, per segment) the
// developed fraction of the strand area, summed with the group elevations into the developed area
// and its centroid; the post-tensioning tendons are added in full. Also the pattern totals (strand
// count and centroid of a row pattern) and the test for debonded groups.
#include "engine/core/strand_development.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstdio>
#include <string>

#include "document/kordel_doc.h"
#include "engine/core/strand_groups.h"
#include "platform/host.h"

namespace kordel {
namespace {

/// Fraction of a spliced girder's strand force at positions inside a closure pour.
constexpr double kClosureFraction = 1e-6;

/// d / length, the linear rise over `length`; a length of 0 or less rises at once.
double Ramp(double d, double length) {
    if (length > 0.0) return d / length;
    return d > 0.0 ? 1.0 : 0.0;
}

/// Stress at `d` ft from the start of a bond, whose strand develops over `length` (ft): the
/// effective stress built up over the transfer length, then the full stress at `length`.
double RiseFromBondStart(double d, double length, const StrandBond& b) {
    if (!(d > 0.0)) return 0.0;
    if (d < b.lt) return b.fe * d / b.lt;
    if (d < length) return b.fe + (d - b.lt) * (b.fps - b.fe) / (length - b.lt);
    return b.fps;
}

/// Stress at `x` in the bonded zone from `start` to `end`, whose ends develop over `startLength`
/// and `endLength`; 0 outside the zone.
double ZoneStress(double x, double start, double startLength, double end, double endLength,
                  const StrandBond& b) {
    if (x < start || x > end) return 0.0;
    return std::min(RiseFromBondStart(x - start, startLength, b),
                    RiseFromBondStart(end - x, endLength, b));
}

/// Elevation (in) at `x` ft of a group running straight from `yEnd` at the girder ends to `yDrape`
/// at the drape points `xd` ft from either end.
double GroupElevation(double x, double G, double xd, double yEnd, double yDrape) {
    if (yDrape == yEnd) return yEnd;
    // A drape point at the girder end holds the strands at the drape elevation throughout.
    if (!(xd > 0.0)) return yDrape;
    if (x < xd) return yEnd - (yEnd - yDrape) * x / xd;
    if (x < G - xd) return yDrape;
    return yDrape + (yEnd - yDrape) * (x - G + xd) / xd;
}

void ShowDevelopmentMessage(const std::string& text) {
    platform::ShowMessage(text, platform::MsgButtons::Ok);
}

}  // namespace

DebondCase DebondCaseOf(double dE, double dM) {
    const bool end = dE > 0.0;
    const bool mid = dM > 0.0;
    if (end && mid) return DebondCase::Both;
    if (end) return DebondCase::End;
    if (mid) return DebondCase::Mid;
    return DebondCase::None;
}

const char* DebondCaseText(DebondCase c) {
    switch (c) {
        case DebondCase::None:
            return "None";
        case DebondCase::End:
            return "E";
        case DebondCase::Mid:
            return "M";
        case DebondCase::Both:
            return "E&M";
    }
    return "None";
}

DebondClasses DebondClassesOf(const StrandGroup* groups, int n) {
    const auto bits = [](double v) { return std::bit_cast<std::uint64_t>(v); };
    DebondClasses classes;
    for (int g = 0; g < n; ++g) {
        const std::uint64_t dE = bits(groups[g][kGroupDebondEnd]);
        const std::uint64_t dM = bits(groups[g][kGroupDebondMid]);
        int c = 0;
        while (c < classes.count) {
            const StrandGroup& first = groups[classes.firstGroup[c]];
            if (bits(first[kGroupDebondEnd]) == dE && bits(first[kGroupDebondMid]) == dM) break;
            ++c;
        }
        if (c == classes.count) classes.firstGroup[classes.count++] = g;
        classes.classOf[g] = c;
    }
    return classes;
}

bool DevelopedStrandStress(double x, double G, double dE, double dM, const StrandBond& b,
                           double& stress) {
    if (x < 0.0 || x > G) return false;
    const double G2 = G / 2.0;
    const double ld = b.ld;
    const double ldd = b.ldDebonded;
    switch (DebondCaseOf(dE, dM)) {
        case DebondCase::None:
            stress = ZoneStress(x, 0.0, ld, G, ld, b);
            break;
        case DebondCase::End:
            stress = 2.0 * dE >= G ? 0.0 : ZoneStress(x, dE, ldd, G - dE, ldd, b);
            break;
        case DebondCase::Mid:
            stress = x <= G2 ? ZoneStress(x, 0.0, ld, G2 - dM, ldd, b)
                             : ZoneStress(x, G2 + dM, ldd, G, ld, b);
            break;
        case DebondCase::Both:
            if (dE + dM >= G2)
                stress = 0.0;
            else if (x <= G2)
                stress = ZoneStress(x, dE, ldd, G2 - dM, ldd, b);
            else
                stress = ZoneStress(x, G2 + dM, ldd, G - dE, ldd, b);
            break;
    }
    return true;
}

void CKordelDoc::ComputeStrandDevelopment(double h, const StrandGroup* groups,
                                          double (&area)[kStationCount],
                                          double (&centroid)[kStationCount], double lt, double fe,
                                          double ld, double ldDebonded, double fps) {
    // A prestress given as one jacking force is developed as one strand at the entered centroids,
    // never debonded, whose area is scaled below to Pj / fpj; the pattern's strands take no part
    // (each of them scaled to the whole force would count it once per strand).
    const bool forceEntry = m_nPretensionEntryMode != kEntryStrandPattern;
    StrandGroup forceResultant;
    forceResultant[kGroupStrands] = 1.0;
    forceResultant[kGroupElevationEnd] = m_dPForceCgEnd;    // in
    forceResultant[kGroupElevationDrape] = m_dPForceCgMid;  // in
    if (forceEntry) groups = &forceResultant;
    const int nGroups = forceEntry ? 1 : std::clamp(m_nStrandGroupCount, 0, kMaxStrandGroups);
    const int nTendons =
        m_nPrestressType == kPostTensioned ? std::clamp(m_nTendonCount, 0, kMaxTendons) : 0;
    const int nSegments = std::clamp(m_nSegments, 0, kMaxSegmentSlots);
    // A one-piece girder is one segment of length G: the drape and the debonding apply. Only a
    // girder of several segments is developed segment by segment.
    const bool segmented = m_nSegments > 1;
    const double As = m_dStrandUnitArea;  // in2
    const double G = m_dGirderLength;     // ft
    const StrandBond bond{lt, ld, ldDebonded, fe, fps};
    const double xd = m_adStationX[kStationLeftDrape] + m_dEndDistance;  // drape point, ft

    // A pattern given as a jacking force: every strand stands for that force at the pull stress.
    double scale = 1.0;
    if (forceEntry) {
        const double perStrand = m_dPullFraction * m_dStrandFpu * As;  // kip
        if (perStrand != 0.0) {
            scale = m_dPForceJacking / perStrand;
        } else {
            ShowDevelopmentMessage(
                "Error in Aps routine. The strand pull fraction, fpu or area is 0: the strand "
                "area is not scaled to the jacking force.");
        }
    }

    // Profile length of each tendon; a profile of zero length has no parabola and is taken at
    // its end elevation.
    double tendonLength[kMaxTendons] = {};  // ft
    for (int t = 0; t < nTendons; ++t) {
        const auto& p = m_aTendons[t].m_adProfile;
        tendonLength[t] = p[kProfileEnd][kProfileX] - p[kProfileStart][kProfileX];
        if (tendonLength[t] == 0.0) {
            char text[160];
            std::snprintf(text, sizeof text,
                          "Error in Aps routine. Tendon %d has a profile of zero length: it is "
                          "taken at its end elevation.",
                          t + 1);
            ShowDevelopmentMessage(text);
        }
    }

    // Every tendon record starts cleared; only those that a call has written can hold values.
    m_nTendonRecordsUsed =
        std::clamp(std::max(m_nTendonRecordsUsed, nTendons), 0, kTendonDevelopmentRecords);
    for (int t = 0; t < m_nTendonRecordsUsed; ++t) {
        StrandDevelopment& rec = m_aTendonDevelopment[t];
        rec[kDevStrandCount] = 0.0;
        for (int i = 0; i < kStationCount; ++i) {
            rec[kDevElevation + i] = 0.0;
            rec[kDevArea + i] = 0.0;
            rec[kDevStress + i] = 0.0;
        }
    }

    // Groups that debond alike develop alike: each class's stress is computed once a station.
    const DebondClasses classes = DebondClassesOf(groups, nGroups);
    double classStress[kMaxStrandGroups];    // ksi
    bool classOnGirder[kMaxStrandGroups];    // the station lies on the girder
    double classFraction[kMaxStrandGroups];  // developed fraction, when fps is not 0

    double F = 0.0;  // developed fraction; carried over where a position has none
    bool fpsZeroShown = false;
    bool offSegmentsShown = false;
    for (int i = 0; i < kStationCount; ++i) {
        const double x = m_adStationX[i] + m_dEndDistance;  // ft from the left girder end
        double Aps = 0.0;                                   // in2
        double moment = 0.0;                                // in3

        if (segmented) {
            // Each segment end is a bond start or end over the development length; a closure
            // pour carries practically nothing.
            bool found = false;
            double running = 0.0;  // ft
            for (int s = 0; s < nSegments && !found && x >= 0.0; ++s) {
                const double length = m_adSegments[s][kSegmentLength];
                running += length;
                if (x <= running) {
                    const double start = running - length;
                    if (x <= start + ld)
                        F = Ramp(x - start, ld);
                    else if (x < running - ld)
                        F = 1.0;
                    else
                        F = Ramp(running - x, ld);
                    found = true;
                    break;
                }
                running += m_adSegments[s][kSegmentClosure];
                if (x <= running) {
                    F = kClosureFraction;
                    found = true;
                }
            }
            if (!found && !offSegmentsShown) {
                char text[160];
                std::snprintf(text, sizeof text,
                              "Error in Aps routine. The position %.2f ft lies outside the girder "
                              "segments.",
                              x);
                ShowDevelopmentMessage(text);
                offSegmentsShown = true;
            }
        } else {
            for (int c = 0; c < classes.count; ++c) {
                const StrandGroup& first = groups[classes.firstGroup[c]];
                classStress[c] = 0.0;
                classOnGirder[c] = DevelopedStrandStress(
                    x, G, first[kGroupDebondEnd], first[kGroupDebondMid], bond, classStress[c]);
                if (fps != 0.0) classFraction[c] = classStress[c] / fps;
            }
        }

        for (int g = 0; g < nGroups; ++g) {
            const StrandGroup& grp = groups[g];
            StrandDevelopment& rec = m_aStrandRowDevelopment[g];
            const double n = grp[kGroupStrands];
            rec[kDevStrandCount] = n;
            rec[kDevElevation + i] = 0.0;
            rec[kDevArea + i] = 0.0;
            rec[kDevStress + i] = 0.0;

            double y = grp[kGroupElevationEnd];  // in
            if (!segmented) {
                const int c = classes.classOf[g];
                if (!classOnGirder[c]) {
                    ShowDevelopmentMessage(
                        std::string("Error in Aps routine. Case: ") +
                        DebondCaseText(DebondCaseOf(grp[kGroupDebondEnd], grp[kGroupDebondMid])));
                } else if (fps != 0.0) {
                    F = classFraction[c];
                } else {
                    if (!fpsZeroShown) {
                        ShowDevelopmentMessage(
                            "Error in Aps routine. The full strand stress is 0: the strands are "
                            "taken as undeveloped.");
                        fpsZeroShown = true;
                    }
                    F = 0.0;
                }
                if (F == 0.0) continue;
                y = GroupElevation(x, G, xd, grp[kGroupElevationEnd], grp[kGroupElevationDrape]);
            }
            if (y <= h) {
                const double a = F * n * As;  // in2
                Aps += a;
                moment += a * y;
                rec[kDevArea + i] = a;
                rec[kDevStress + i] = F * fe;
                rec[kDevElevation + i] = y;
            }
        }

        area[i] = Aps;
        if (Aps != 0.0)
            centroid[i] = moment / Aps;
        else if (segmented)
            centroid[i] = 0.0;
        if (scale != 1.0) {
            area[i] *= scale;
            if (nGroups > 0) m_aStrandRowDevelopment[0][kDevArea + i] *= scale;
        }

        if (nTendons == 0) continue;
        double At = 0.0;  // in2
        double Mt = 0.0;  // in3
        for (int t = 0; t < nTendons; ++t) {
            const PostTensioningTendon& tendon = m_aTendons[t];
            const auto& p = tendon.m_adProfile;
            const double cgEnd = p[kProfileStart][kProfileCg];
            const double cgMid = p[kProfileVertex][kProfileCg];
            const double Z = static_cast<double>(tendon.m_fZ);
            const double Lt = tendonLength[t];
            const double yt =
                Lt != 0.0
                    ? cgMid + 4.0 * (cgEnd - cgMid) * (x - Lt / 2.0) * (x - Lt / 2.0) / (Lt * Lt) +
                          Z
                    : cgEnd + Z;  // in
            StrandDevelopment& rec = m_aTendonDevelopment[t];
            rec[kDevStrandCount] = tendon.m_nStrands;
            if (yt <= h) {
                const double a = static_cast<double>(m_afTendonArea[t]);
                At += a;
                Mt += a * yt;
                rec[kDevArea + i] = a;
                rec[kDevStress + i] = fe;
                rec[kDevElevation + i] = yt;
            }
        }
        const double yT = At > 0.0 ? Mt / At : 0.0;
        const double total = area[i] + At;
        centroid[i] = total != 0.0 ? (At * yT + area[i] * centroid[i]) / total : 0.0;
        area[i] = total;
    }
}

int CKordelDoc::HasDebonding(const StrandGroup* groups, int k) const {
    const int value = k + 2;
    if (value < 0 || value >= kStrandGroupValueCount) return 0;
    const int n = std::clamp(m_nStrandGroupCount, 0, kMaxStrandGroups);
    for (int g = 0; g < n; ++g) {
        if (groups[g][value] > 0.0) return 1;
    }
    return 0;
}

void CKordelDoc::GetStrandCountAndCentroid(const StrandPatternRow* rows, int& count,
                                           double& centroid) const {
    count = 0;
    double moment = 0.0;  // strand-in
    const int n = std::clamp(m_nTemplateRowCount, 0, kMaxPatternRows);
    for (int r = 0; r < n; ++r) {
        const StrandPatternRow& row = rows[r];
        count += WholeCount(row[kRowStraightCount]) + WholeCount(row[kRowDrapedCount]);
        moment += row[kRowStraightCount] * row[kRowStraightElevation] +
                  row[kRowDrapedCount] * row[kRowDrapedElevation];
    }
    centroid = count != 0 ? moment / count : 0.0;
}

}  // namespace kordel
