// Section properties of a precast girder and its composite deck; see aashto_section.h.
#include "engine/core/aashto_section.h"

#include <algorithm>
#include <cmath>

namespace kordel {
namespace {

/// Skew above which the Caltrans width is limited by the girder spacing, degrees.
constexpr double kCaltransSkewLimit = 60.0;
/// Spacing-to-span ratio up to which the Caltrans width is the full deck width.
constexpr double kCaltransFullWidthRatio = 0.32;

std::optional<double> Finite(double v) {
    if (std::isfinite(v)) return v;
    return std::nullopt;
}

}  // namespace

std::optional<KernPoints> KernPointsOf(double A, double yb, double I, double h) {
    const double ct = h - yb;  // in
    if (A == 0.0 || yb == 0.0 || ct == 0.0) return std::nullopt;
    const KernPoints k{yb - I / (ct * A), yb + I / (A * yb)};
    if (!std::isfinite(k.lower) || !std::isfinite(k.upper)) return std::nullopt;
    return k;
}

std::optional<double> StrandTransformFactor(double Ep, double Ec) {
    if (Ec == 0.0) return std::nullopt;
    return Finite(Ep / Ec - 1.0);
}

std::optional<double> DeckModularRatio(double EcDeck, double EcGirder, bool composite) {
    if (!composite) return 1.0;
    if (EcGirder == 0.0) return std::nullopt;
    return Finite(EcDeck / EcGirder);
}

EffectiveWidths StandardEffectiveWidths(double L, double deckWidth, double ts, double t2, double tf,
                                        double btf, double bwo) {
    const double bwe = std::min(12.0 * tf + bwo, btf);  // effective web width, in
    const double quarterSpan = 12.0 * L / 4.0;          // in
    return {std::min({quarterSpan, deckWidth, 12.0 * ts + bwe}),
            std::min({quarterSpan, deckWidth, 12.0 * t2 + bwe})};
}

std::optional<double> CaltransEffectiveWidth(const CaltransDeck& d) {
    const double Lc = d.exterior ? 12.0 * d.L / 8.0 : 12.0 * d.L / 4.0;  // in
    const double bc = d.exterior ? 6.0 * d.ts + std::max(d.bwo / 2.0, d.btf / 4.0)
                                 : 12.0 * d.ts + std::max(d.bwo, d.btf / 2.0);  // in
    if (d.skew > kCaltransSkewLimit) return std::min({12.0 * d.S, Lc, bc});
    if (d.L == 0.0) return std::nullopt;
    const double ratio = d.S / d.L;
    if (ratio <= kCaltransFullWidthRatio) return d.deckWidth;
    return Finite(std::max((1.24 - 0.74 * ratio) * d.deckWidth, std::min(Lc, bc)));
}

std::optional<SectionPart> ComposeSection(std::span<const SectionPart> parts) {
    double A = 0.0;       // in2
    double moment = 0.0;  // in3
    for (const SectionPart& p : parts) {
        A += p.A;
        moment += p.A * p.y;
    }
    if (A == 0.0) return std::nullopt;
    const double y = moment / A;  // in
    double I = 0.0;               // in4
    for (const SectionPart& p : parts) I += p.I + p.A * (y - p.y) * (y - p.y);
    if (!std::isfinite(y) || !std::isfinite(I)) return std::nullopt;
    return SectionPart{A, y, I};
}

SectionPart TransformedLayer(double b, double t, double bottom, double n) {
    return {n * b * t, bottom + t / 2.0, n * b * t * t * t / 12.0};
}

std::optional<SectionPart> TransformStrands(const SectionPart& girder, double phi, double As,
                                            double ys, std::span<const SectionPart> steel) {
    const double A = girder.A + phi * As;  // in2
    if (A == 0.0) return std::nullopt;
    const double y = (phi * As * ys + girder.A * girder.y) / A;  // in
    double I = girder.I + girder.A * (y - girder.y) * (y - girder.y);
    for (const SectionPart& s : steel) I += phi * s.A * (y - s.y) * (y - s.y);
    if (!std::isfinite(y) || !std::isfinite(I)) return std::nullopt;
    return SectionPart{A, y, I};
}

std::optional<double> SectionModulus(double I, double c, double n) {
    const double d = c * n;
    if (d == 0.0) return std::nullopt;
    return Finite(I / d);
}

SectionPart PolygonPart(int count, PointList points, double sign) {
    double area = 0.0;
    double centroid = 0.0;
    GetPointListAreaAndCentroid(count, points, area, centroid);
    // The centroid height is the same whichever way the points run; area and inertia change
    // sign with the direction. A centroid below the reference line stays below it.
    double inertia = 0.0;
    GetPointListInertia(count, points, centroid, inertia);
    return {sign * std::abs(area), centroid, sign * std::abs(inertia)};
}

NetSectionParts NetSectionPartsOf(int outlineCount, PointList outline, int voidCount,
                                  PointList voidOutline, int circleCount,
                                  const double (*circles)[kCircularVoidValueCount], double pi) {
    NetSectionParts r{};
    const int nOutline = std::clamp(outlineCount, 0, kMaxOutlinePoints);
    const int nVoid = std::clamp(voidCount, 0, kMaxOutlinePoints);
    const int nCircles = std::clamp(circleCount, 0, kMaxCircularVoids);
    r.outline = PolygonPart(nOutline, outline, 1.0);
    if (nVoid > 0) r.polygonalVoid = PolygonPart(nVoid, voidOutline, -1.0);
    if (nCircles > 0) {
        double area = 0.0;    // in2
        double moment = 0.0;  // in3
        for (int k = 0; k < nCircles; ++k) {
            const double radius = circles[k][kVoidRadius];
            const double a = pi * radius * radius;
            area += a;
            moment += a * circles[k][kVoidCentreY];
        }
        // Circles of no size have no centroid; they add nothing wherever it is taken.
        const double c = area != 0.0 ? moment / area : 0.0;
        double inertia = 0.0;  // in4
        for (int k = 0; k < nCircles; ++k) {
            const double radius = circles[k][kVoidRadius];
            const double a = pi * radius * radius;
            const double d = c - circles[k][kVoidCentreY];
            inertia += a * d * d + pi * radius * radius * radius * radius / 4.0;
        }
        r.circularVoids = {-std::abs(area), c, -std::abs(inertia)};
    }
    return r;
}

WeakAxisParts WeakAxisPartsOf(int outlineCount, PointList outline, int voidCount,
                              PointList voidOutline, int circleCount,
                              const double (*circles)[kCircularVoidValueCount], double pi) {
    WeakAxisParts r{};
    const int nOutline = std::clamp(outlineCount, 0, kMaxOutlinePoints);
    const int nVoid = std::clamp(voidCount, 0, kMaxOutlinePoints);
    const int nCircles = std::clamp(circleCount, 0, kMaxCircularVoids);
    if (nOutline == 0) return r;

    // The quarter turn: x_min the leftmost outline point, m centres -y over the outline.
    double xMin = outline[0][kPointX];
    double negYMax = -outline[0][kPointY];
    double negYMin = negYMax;
    for (int k = 1; k < nOutline; ++k) {
        xMin = std::min(xMin, outline[k][kPointX]);
        negYMax = std::max(negYMax, -outline[k][kPointY]);
        negYMin = std::min(negYMin, -outline[k][kPointY]);
    }
    const double m = (negYMax + negYMin) / 2.0;  // in
    const auto turn = [&](int n, PointList p, double(*turned)[kPointValueCount]) {
        for (int k = 0; k < n; ++k) {
            turned[k][kPointX] = -p[k][kPointY] - m;
            turned[k][kPointY] = p[k][kPointX] - xMin;
        }
    };
    double turnedOutline[kMaxOutlinePoints][kPointValueCount];
    double turnedVoid[kMaxOutlinePoints][kPointValueCount];
    double turnedCircles[kMaxCircularVoids][kCircularVoidValueCount];
    turn(nOutline, outline, turnedOutline);
    turn(nVoid, voidOutline, turnedVoid);
    for (int k = 0; k < nCircles; ++k) {
        turnedCircles[k][kVoidCentreX] = -circles[k][kVoidCentreY] - m;
        turnedCircles[k][kVoidCentreY] = circles[k][kVoidCentreX] - xMin;
        turnedCircles[k][kVoidRadius] = circles[k][kVoidRadius];
    }
    static_cast<NetSectionParts&>(r) =
        NetSectionPartsOf(nOutline, turnedOutline, nVoid, turnedVoid, nCircles, turnedCircles, pi);
    r.width = GetPointListHeight(nOutline, turnedOutline);
    return r;
}

std::optional<double> WeakAxisCentroid(const WeakAxisParts& p) {
    const double A = p.outline.A + p.polygonalVoid.A + p.circularVoids.A;  // in2
    if (A == 0.0) return std::nullopt;
    return Finite((p.circularVoids.A * p.circularVoids.y + p.polygonalVoid.A * p.polygonalVoid.y +
                   p.outline.A * p.outline.y) /
                  A);
}

double WeakAxisInertia(const WeakAxisParts& p, double xbar) {
    double I = 0.0;  // in4
    for (const SectionPart& s : {p.circularVoids, p.polygonalVoid, p.outline}) {
        I += (xbar - s.y) * (xbar - s.y) * s.A + s.I;
    }
    return I;
}

}  // namespace kordel
