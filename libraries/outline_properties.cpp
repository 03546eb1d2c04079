#include "libraries/outline_properties.h"

#include <cmath>

namespace kordel {

double RoundWhole(double v) {
    return std::trunc(v + 0.5);
}

double RoundTwoDecimals(double v) {
    return std::trunc((v + 0.005) * 100.0) / 100.0;
}

std::optional<OutlineSectionProperties> ComputeSectionProperties(
    int outlineCount, PointList outline, int voidCount, PointList voidOutline, int circleCount,
    const double (*circles)[kCircularVoidValueCount], bool roundUS) {
    if (outlineCount < 0 || outlineCount > kMaxOutlinePoints || voidCount < 0 ||
        voidCount > kMaxOutlinePoints || circleCount < 0 || circleCount > kMaxCircularVoids) {
        return std::nullopt;
    }

    // About the horizontal axis.
    OutlineSectionProperties r{};
    r.parts = NetSectionPartsOf(outlineCount, outline, voidCount, voidOutline, circleCount, circles,
                                kSectionPi);
    const SectionPart strong[] = {r.parts.outline, r.parts.polygonalVoid, r.parts.circularVoids};
    const std::optional<SectionPart> net = ComposeSection(strong);
    r.perimeter = PolylineLength(outlineCount, outline);
    if (!net || !(net->A > 0.0) || !(r.perimeter > 0.0)) return std::nullopt;
    r.area = net->A;
    r.centroid = net->y;
    r.inertia = net->I;
    r.volumeToSurface = r.area / r.perimeter;

    // About the vertical axis: the same parts of the section turned a quarter turn.
    const WeakAxisParts turned = WeakAxisPartsOf(outlineCount, outline, voidCount, voidOutline,
                                                 circleCount, circles, kSectionPi);
    const SectionPart weak[] = {turned.outline, turned.polygonalVoid, turned.circularVoids};
    // An outline left open away from y = 0 encloses nothing about the vertical axis: it has no
    // values there, 0 standing for none.
    if (const std::optional<SectionPart> netY = ComposeSection(weak)) {
        r.centroidX = netY->y;
        r.inertiaY = netY->I;
    }

    if (roundUS) {
        r.area = RoundWhole(r.area);
        r.inertia = RoundWhole(r.inertia);
        r.inertiaY = RoundWhole(r.inertiaY);
        r.centroid = RoundTwoDecimals(r.centroid);
        r.volumeToSurface = RoundTwoDecimals(r.volumeToSurface);
    }
    for (const double v :
         {r.area, r.centroid, r.inertia, r.perimeter, r.volumeToSurface, r.centroidX, r.inertiaY}) {
        if (!std::isfinite(v)) return std::nullopt;
    }
    return r;
}

}  // namespace kordel
