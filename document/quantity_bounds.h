// Bounds on the numbers a design or library file carries. A number the analysis uses must be
// finite and no larger (either sign) than a bound for what it measures, in the file's US units.
// The bounds lie far beyond any bridge, so that no real design meets them, and far below what
// would overflow or fill a report with 300-digit figures: a file holding 1e300 as a span or a
// strand count is damaged. The design file (design_file.cpp) and the section and vehicle library
// files check every such number against the same bounds, so that a library section or vehicle
// copied into a design can always be saved with it.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "document/model_limits.h"

namespace kordel {

enum class Quantity {
    Length,   ///< ft or in: spans, dimensions, elevations, positions, spacings
    Section,  ///< in2, in3, in4: areas and moments of inertia
    Force,    ///< kip, klf, ksf, and the transport stiffness in kip-in per radian
    Stress,   ///< ksi: strengths, stresses, moduli
    Count,    ///< strands, strand positions, bars, stirrup spaces and bar numbers held as numbers
    Factor,   ///< factors, fractions, percents, coefficients, strains, unit weights, days, angles
};

struct QuantityBound {
    const char* name;  ///< as a message names it
    double largest;    ///< largest magnitude a design may hold
};

/// [Quantity]. A chain of twenty 300-ft spans is 6,000 ft (72,000 in) long; the deepest girders
/// have an inertia of a few million in4; jacking forces reach a few thousand kip; the moduli of
/// steel are 29,000 ksi; a row holds tens of strands; a 100-year life is 36,500 days.
inline constexpr QuantityBound kQuantityBounds[] = {
    {"length", 1e6}, {"section property", 1e12}, {"force", 1e7}, {"stress", 1e7}, {"count", 1e6},
    {"factor", 1e6},
};

/// Quantities of the columns of a strand template row: the elevation and the horizontal
/// locations are lengths, the two position counts counts.
inline constexpr std::array<Quantity, kMaxPatternColumns> kTemplateColumnQuantities = [] {
    std::array<Quantity, kMaxPatternColumns> columns{};
    columns.fill(Quantity::Length);
    columns[kTemplatePositions] = Quantity::Count;
    columns[kTemplateDrapedPositions] = Quantity::Count;
    return columns;
}();

/// A number as a message shows it: up to six significant digits, no trailing zeros.
std::string FormatNumber(double v);

/// What is wrong with `v` as a `q`: "a number that is not finite", or "a length of 2e+06,
/// beyond 1e+06"; nullopt when it is finite and within the bound.
std::optional<std::string> MagnitudeFault(double v, Quantity q);

}  // namespace kordel
