#include "engine/liveload/standard_distribution.h"

#include <algorithm>
#include <cmath>

#include "engine/liveload/aashto_distribution.h"

namespace kordel {

namespace {

struct StandardTypeRow {
    const char* name;     // written whether the factors are computed or typed
    double preliminaryK;  // Art. 3.23.4.3; 0 where the rule needs no K
};

// AASHTO Standard Specifications 17th ed. Art. 3.23.4.3 (preliminary K of multi-beam decks).
// Rows: type code. Columns: name (computed or typed), preliminary K.
static const StandardTypeRow kStandardTypes[kStdSectionTypeCount] = {
    /* 0 girders       */ {"Std I-Beam", 0.0},
    /* 1 non-voided    */ {"Std MultBm:non-void rect", 0.7},
    /* 2 circ. voids   */ {"Std MultBm:rect circ voids", 0.8},
    /* 3 box           */ {"Std MultBm:box beam", 1.0},
    /* 4 channel       */ {"Std MultBm:channel", 2.2},
    /* 5 spread box    */ {"Std Spread box beam", 0.0},
};

bool KnownType(int code) {
    return code >= 0 && code < kStdSectionTypeCount;
}

// Limits of the spread box rule, Art. 3.28.1.
constexpr double kSpreadBoxMinBeams = 4.0, kSpreadBoxMaxBeams = 10.0;
constexpr double kSpreadBoxMinSpacing = 6.57, kSpreadBoxMaxSpacing = 11.0;  // ft
constexpr double kSpreadBoxMinWidth = 32.0, kSpreadBoxMaxWidth = 66.0;      // ft

}  // namespace

const char* StandardSectionTypeName(int code, bool composite) {
    if (KnownType(code)) return kStandardTypes[code].name;
    return composite ? kStandardTypes[kStdGirder].name : kStandardTypes[kStdMultiBeamBox].name;
}

const char* StandardUserFactorTypeName(int code) {
    return KnownType(code) ? kStandardTypes[code].name : kStandardTypes[kStdGirder].name;
}

double StandardPreliminaryK(int code) {
    return KnownType(code) ? kStandardTypes[code].preliminaryK : 0.0;
}

double StandardInteriorGirderFactor(double S, int lanes, bool& leverRule) {
    const double wheelLinesPerFt = lanes == 1 ? 1.0 / 7.0 : 1.0 / 5.5;
    const double maxSpacing = lanes == 1 ? 10.0 : 14.0;  // ft
    leverRule = S >= maxSpacing;
    if (leverRule) return LeverRuleInterior(S, lanes);
    return S * wheelLinesPerFt * kLanesPerWheelLine;
}

MultiBeamFactor StandardMultiBeamFactor(double b, double K, double W, double L, double lanes,
                                        MultiBeamRule rule) {
    MultiBeamFactor r{};
    const double WoverL = W / L;
    if (rule == MultiBeamRule::kArticle) {
        r.C = WoverL < 1.0 ? WoverL * K : K;
    } else {
        r.C = WoverL * K;
    }
    const bool curve = rule == MultiBeamRule::kArticle || r.C <= 5.0;
    r.D = curve ? (5.75 - 0.5 * lanes) + 0.7 * lanes * std::pow(1.0 - 0.2 * r.C, 2.0)  // ft
                : 5.75 - 0.5 * lanes;
    r.S = b / 12.0;  // ft
    r.g = r.S / r.D * kLanesPerWheelLine;
    return r;
}

SpreadBoxFactor StandardSpreadBoxInterior(double Nb, double S, double curbToCurb, double lanes,
                                          double L) {
    SpreadBoxFactor r{};
    r.NB = std::clamp(Nb, kSpreadBoxMinBeams, kSpreadBoxMaxBeams);
    r.S = std::clamp(S, kSpreadBoxMinSpacing, kSpreadBoxMaxSpacing);
    r.W = std::clamp(curbToCurb, kSpreadBoxMinWidth, kSpreadBoxMaxWidth);
    r.k = 0.07 * r.W - lanes * (0.10 * lanes - 0.26) - 0.20 * r.NB - 0.12;
    r.g = (2.0 * lanes / r.NB + r.k * r.S / L) * kLanesPerWheelLine;
    return r;
}

SpreadBoxFactor StandardSpreadBoxExterior(double Nb, double lanes, double leverRule) {
    SpreadBoxFactor r{};
    r.NB = std::clamp(Nb, kSpreadBoxMinBeams, kSpreadBoxMaxBeams);
    const double least = 2.0 * lanes / r.NB * kLanesPerWheelLine;
    r.g = least >= leverRule ? least : leverRule;
    return r;
}

}  // namespace kordel
