#include "document/quantity_bounds.h"

#include <cmath>
#include <cstdio>

namespace kordel {

std::string FormatNumber(double v) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", v);
    return text;
}

std::optional<std::string> MagnitudeFault(double v, Quantity q) {
    if (!std::isfinite(v)) return std::string("a number that is not finite");
    const QuantityBound& bound = kQuantityBounds[static_cast<int>(q)];
    if (std::fabs(v) > bound.largest) {
        return "a " + std::string(bound.name) + " of " + FormatNumber(v) + ", beyond " +
               FormatNumber(bound.largest);
    }
    return std::nullopt;
}

}  // namespace kordel
