// The concrete section at a position along the girder: the gross section, the widened web of an
// I-girder's end block, the closed end of a U-beam, the solid end of a box beam or slab; the area
// of the section below a height; and the slope of a parabolic tendon.
#include <algorithm>
#include <cmath>
#include <cstring>

#include "document/kordel_doc.h"
#include "engine/core/aashto_section.h"
#include "engine/core/polygon.h"

namespace kordel {
namespace {

/// Value of pi in the void areas of GetAreaBelow.
constexpr double kPiAreaBelow = 3.1415;
/// Tolerance on the end-zone limits of an I-girder, ft.
constexpr double kZoneTolerance = 0.01;
/// A web face is vertical when its ends differ in x by less than this, in.
constexpr double kVerticalTolerance = 0.001;
/// Points at the same height differ by less than this, in.
constexpr double kLevelTolerance = 0.001;
/// The two web faces of a symmetric I-girder differ in length by at most this, in.
constexpr double kFaceLengthTolerance = 0.01;
/// Points of a U-beam lying within this of the girder top belong to the top of a web, in.
constexpr double kUBeamTopBand = 0.1;

using Outline = double[kMaxOutlinePoints][kPointValueCount];

/// The least horizontal distance between two points on opposite sides of the centreline that lie
/// at the same height, in; 0 when no such pair exists.
double WebWidthFromOutline(int n, PointList p) {
    double bw = 0.0;
    for (int i = 0; i < n; ++i) {
        for (int j = 0; j < n; ++j) {
            if (p[i][kPointX] * p[j][kPointX] >= 0.0) continue;
            if (std::abs(p[i][kPointY] - p[j][kPointY]) >= kLevelTolerance) continue;
            const double d = std::abs(p[i][kPointX] - p[j][kPointX]);
            if (std::abs(bw) < 1e-6 || d < bw) bw = d;
        }
    }
    return bw;
}

/// The web-face edge k -> k + 1 nearest the centreline on one side (`left` x < 0, else x > 0):
/// both ends on that side and vertical. -1 when there is none.
int FindWebFace(int n, PointList p, bool left) {
    int face = -1;
    double best = 0.0;  // |x| of the face found, in
    for (int k = 0; k + 1 < n; ++k) {
        const double xa = p[k][kPointX];
        const double xb = p[k + 1][kPointX];
        const bool onSide = left ? (xa < 0.0 && xb < 0.0) : (xa > 0.0 && xb > 0.0);
        if (!onSide || std::abs(xa - xb) >= kVerticalTolerance) continue;
        if (best < 0.01 || std::abs(xa) < best) {
            face = k;
            best = std::abs(xa);
        }
    }
    return face;
}

}  // namespace

int CKordelDoc::GetStationSectionProps(int station, int /*flag*/, double& A, double& yb, double& I,
                                       double& bw) const {
    if (m_bIncludeEndBlocks == 0 || station < 0 || station >= kStationCount) {
        A = m_dSectionArea;
        yb = m_dSectionYb;
        I = m_dSectionIxx;
        bw = m_nWebCount * m_dWebWidth;
        return 1;
    }
    return GetEndZoneSectionProps(m_adStationX[station] + m_dEndDistance, A, yb, I, bw);
}

int CKordelDoc::GetEndZoneSectionProps(double x, double& A, double& yb, double& I,
                                       double& bw) const {
    A = m_dSectionArea;
    yb = m_dSectionYb;
    I = m_dSectionIxx;
    bw = m_nWebCount * m_dWebWidth;

    const double G = m_dGirderLength;
    const double Leb = m_dEndBlockLength;
    const double Ltr = m_dEndBlockTransition;
    // The end zone: an I-girder's end block with its transition, the end block alone of a U-beam,
    // box beam or slab.
    double zone = 0.0;  // ft
    switch (m_nSectionType) {
        case kSectionIGirder:
            zone = Leb + Ltr;
            break;
        case kSectionUBeam:
        case kSectionBoxBeam:
        case kSectionSlab:
            zone = Leb;
            break;
        default:
            return 1;
    }
    if (zone < x && x < G - zone) return 1;

    Outline outline;
    int n = 0;
    if (m_nSectionType == kSectionBoxBeam || m_nSectionType == kSectionSlab) {
        // The solid end: the outline alone, its voids filled.
        n = std::clamp(m_nOutlinePointCount, 0, kMaxOutlinePoints);
        std::memcpy(outline, m_adOutline, sizeof outline);
    } else if (GetSectionOutlineAt(x, outline, n) == 0) {
        return 0;
    }
    // The outline alone, its voids not deducted.
    const SectionPart solid = PolygonPart(n, outline);
    A = solid.A;
    yb = solid.y;
    I = solid.I;
    bw = WebWidthFromOutline(n, outline);
    return 1;
}

int CKordelDoc::GetSectionOutlineAt(double x, double (&points)[kMaxOutlinePoints][kPointValueCount],
                                    int& count) const {
    const int n = std::clamp(m_nOutlinePointCount, 0, kMaxOutlinePoints);
    std::memcpy(points, m_adOutline, sizeof points);
    count = n;
    if (m_bIncludeEndBlocks == 0) return 1;

    const double G = m_dGirderLength;
    const double Leb = m_dEndBlockLength;
    const double Ltr = m_dEndBlockTransition;

    if (m_nSectionType == kSectionIGirder) {
        if (Leb + Ltr < x + kZoneTolerance && x - kZoneTolerance < G - Leb - Ltr) return 1;

        const int L = FindWebFace(n, m_adOutline, true);
        const int R = FindWebFace(n, m_adOutline, false);
        if (L < 0 || R < 0) return 0;
        const double lengthL = std::abs(m_adOutline[L + 1][kPointY] - m_adOutline[L][kPointY]);
        const double lengthR = std::abs(m_adOutline[R + 1][kPointY] - m_adOutline[R][kPointY]);
        if (lengthL < kVerticalTolerance || lengthR < kVerticalTolerance) return 0;
        if (std::abs(lengthL - lengthR) > kFaceLengthTolerance) return 0;
        if (std::abs(m_adOutline[R][kPointX]) - std::abs(m_adOutline[L][kPointX]) >
            kVerticalTolerance) {
            return 0;
        }

        // Half width of the web: the end block's, then a straight taper to the web's over the
        // transition.
        double w = m_dEndBlockWidth / 2.0;  // in
        if (x > Leb && x < G - Leb && Ltr > 0.0) {
            const double d = x < Leb + Ltr ? x : G - x;  // ft from the nearer girder end
            w = m_dEndBlockWidth / 2.0 +
                (d - Leb) * (m_dWebWidth / 2.0 - m_dEndBlockWidth / 2.0) / Ltr;
        }

        // Move the web faces to -w and +w and, along the outline on either side of each face,
        // every point that lies inside the widened web (fillets and tapers the block swallows).
        auto insideLeft = [&](int j) {
            return -w < points[j][kPointX] && points[j][kPointX] < 0.0;
        };
        auto insideRight = [&](int j) {
            return 0.0 < points[j][kPointX] && points[j][kPointX] < w;
        };
        points[L][kPointX] = -w;
        for (int j = L - 1; j >= 0 && insideLeft(j); --j) points[j][kPointX] = -w;
        points[L + 1][kPointX] = -w;
        for (int j = L + 2; j < R && insideLeft(j); ++j) points[j][kPointX] = -w;
        points[R][kPointX] = w;
        for (int j = R - 1; j > L + 1 && insideRight(j); --j) points[j][kPointX] = w;
        points[R + 1][kPointX] = w;
        for (int j = R + 2; j < n && insideRight(j); ++j) points[j][kPointX] = w;

        // A closed outline repeats its first point last; the walks above reach only one of the
        // two copies, so carry the move over to the other.
        const bool closed = n >= 2 && m_adOutline[0][kPointX] == m_adOutline[n - 1][kPointX] &&
                            m_adOutline[0][kPointY] == m_adOutline[n - 1][kPointY];
        if (closed) {
            if (points[0][kPointX] != m_adOutline[0][kPointX]) {
                points[n - 1][kPointX] = points[0][kPointX];
            } else if (points[n - 1][kPointX] != m_adOutline[n - 1][kPointX]) {
                points[0][kPointX] = points[n - 1][kPointX];
            }
        }
        return 1;
    }

    if (m_nSectionType == kSectionUBeam) {
        if (Leb < x && x < G - Leb) return 1;
        // Close the U across its top: keep the points up the first web and across its top, skip
        // the inside of the U down and up again, keep the rest from the top of the second web.
        const double top = m_dSectionHeight - kUBeamTopBand;  // in
        auto below = [&](int j) { return m_adOutline[j][kPointY] < top; };
        int m = 0;
        int j = 0;
        auto keep = [&](int k) {
            points[m][kPointX] = m_adOutline[k][kPointX];
            points[m][kPointY] = m_adOutline[k][kPointY];
            ++m;
        };
        for (; j < n && below(j); ++j) keep(j);
        bool found = j < n;
        for (; found && j < n && !below(j); ++j) keep(j);
        found = found && j < n;
        for (; found && j < n && below(j); ++j) {
        }
        found = found && j < n;
        if (!found) {
            std::memcpy(points, m_adOutline, sizeof points);
            count = n;
            return 0;
        }
        for (; j < n; ++j) keep(j);
        count = m;
        return 1;
    }
    return 1;
}

double CKordelDoc::GetAreaBelow(int station, double y) const {
    if (station < 0 || station >= kStationCount) return 0.0;
    const double x = m_adStationX[station] + m_dEndDistance;  // ft from the left girder end
    Outline outline;
    int n = 0;
    GetSectionOutlineAt(x, outline, n);
    double area = PointListAreaBelow(n, outline, y);

    const double G = m_dGirderLength;
    const double Leb = m_dEndBlockLength;
    const double Ltr = m_dEndBlockTransition;
    bool solidEnd = false;
    if (m_bIncludeEndBlocks != 0) {
        solidEnd = m_nSectionType == kSectionIGirder
                       ? (x + kZoneTolerance <= Leb + Ltr || x - kZoneTolerance >= G - Leb - Ltr)
                       : (x <= Leb || x >= G - Leb);
    }
    if (solidEnd) return area;

    const int nv = std::clamp(m_nVoidPointCount, 0, kMaxOutlinePoints);
    if (nv > 0) {
        double clipped[kMaxClippedPoints][kPointValueCount];
        const int nc = ClipPointListBelow(nv, m_adVoidOutline, y, clipped, kMaxClippedPoints);
        if (nc >= 1) {
            double voidArea = 0.0;
            double yc = 0.0;
            GetPointListAreaAndCentroid(nc, clipped, voidArea, yc);
            area -= std::abs(voidArea);
        }
    }
    const int nCircles = std::clamp(m_nCircularVoidCount, 0, kMaxCircularVoids);
    for (int k = 0; k < nCircles; ++k) {
        const double* c = m_adCircularVoid[k];
        area -= CircleAreaBelow(c[kVoidCentreY], c[kVoidRadius], y, kPiAreaBelow);
    }
    return area;
}

double CKordelDoc::GetTendonAngle(int tendon, int station) const {
    if (tendon < 0 || tendon >= kMaxTendons || station < 0 || station >= kStationCount) return 0.0;
    const auto& profile = m_aTendons[tendon].m_adProfile;
    const double e =
        (profile[kProfileStart][kProfileCg] - profile[kProfileVertex][kProfileCg]) / 12.0;  // ft
    const double L = profile[kProfileEnd][kProfileX] - profile[kProfileStart][kProfileX];   // ft
    if (L == 0.0) return 0.0;
    const double x = m_adStationX[station] + m_dEndDistance;  // ft from the left girder end
    return std::atan((4.0 * e / L) * (2.0 * x / L - 1.0));
}

}  // namespace kordel
