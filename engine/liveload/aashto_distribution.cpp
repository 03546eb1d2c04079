#include "engine/liveload/aashto_distribution.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace kordel {

namespace {

struct LrfdTypeRow {
    const char* computedName;  // written when the factors are computed
    const char* userName;      // written when the user typed the factors
    double preliminaryK;       // Table C4.6.2.2.1-1; 0 where no formula needs K
};

// AASHTO LRFD 6th ed. Table 4.6.2.2.1-1 (cross-section letters) and Table C4.6.2.2.1-1 (K).
// Rows: type code (cross-section letter). Columns: name when computed, name when typed by the
// user, preliminary K.
static const LrfdTypeRow kLrfdTypes[kLrfdSectionTypeCount] = {
    /* 0 (b) */ {"LRFD(b) Spread Box closed", "LRFD(b) Spread Box closed", 0.0},
    /* 1 (c) */ {"LRFD(c) Spead Box open", "LRFD(c) Spead Box open", 0.0},
    /* 2 (f) */ {"LRFD(f) Adj Box comp", "LRFD(f) Adj Box comp", 0.0},
    /* 3 (g) */ {"LRFD(g) Adj Box non-comp", "LRFD(g) Adj Box non-comp - cellular", 1.0},
    /* 4 (h) */ {"LRFD(h) Channel comp", "LRFD(h) Channel comp", 2.2},
    /* 5 (i) */ {"LRFD(i) Channel non-comp", "LRFD(i) Channel non-comp", 2.2},
    /* 6 (j) */ {"LRFD(j) T-Beam non-comp", "LRFD(j) T-Beam non-comp", 2.0},
    /* 7 (k) */ {"LRFD(k) I-Beam comp", "LRFD(k) I-Beam comp", 0.0},
    /* 8 (g) */
    {"LRFD(g) Rectangular Beam with circular voids", "LRFD(g) Adj Box non-comp - circ voids", 0.8},
    /* 9 (g) */ {"LRFD(g) Nonvoided Rectangular beam", "LRFD(g) Adj Box non-comp - solid", 0.7},
};
constexpr const char* kOtherCompositeName = "LRFD(k) I-Beam comp";
constexpr const char* kOtherNonCompositeName = "LRFD(g) Adj Box non-comp - cellular";
constexpr double kOtherPreliminaryK = 1.0;  // box section beams

bool KnownType(int code) {
    return code >= 0 && code < kLrfdSectionTypeCount;
}

}  // namespace

const char* LrfdSectionTypeName(int code, bool composite) {
    if (KnownType(code)) return kLrfdTypes[code].computedName;
    return composite ? kOtherCompositeName : kOtherNonCompositeName;
}

const char* LrfdUserFactorTypeName(int code) {
    return KnownType(code) ? kLrfdTypes[code].userName : kOtherCompositeName;
}

double LrfdPreliminaryK(int code) {
    return KnownType(code) ? kLrfdTypes[code].preliminaryK : kOtherPreliminaryK;
}

double LeverRuleExterior(double S, double de) {
    if (S + de > 8.0) return (S + de - 5.0) / S;  // both wheels of the truck in the bay
    return (S + de - 2.0) / (2.0 * S);            // the outer wheel only
}

double LeverRuleInterior(double S, int lanes) {
    // Distances (ft) of the other wheels from the wheel over the girder, by loaded lanes.
    static const double kOneLane[] = {6.0};
    static const double kTwoLanes[] = {4.0, 6.0, 10.0};
    static const double kMoreLanes[] = {4.0, 6.0, 10.0, 12.0};
    const double* first = kMoreLanes;
    const double* last = kMoreLanes + std::size(kMoreLanes);
    if (lanes == 1) {
        first = kOneLane;
        last = kOneLane + std::size(kOneLane);
    } else if (lanes == 2) {
        first = kTwoLanes;
        last = kTwoLanes + std::size(kTwoLanes);
    }
    double wheels = 1.0;
    for (const double* x = first; x != last; ++x) {
        if (S > *x) wheels += (S - *x) / S;
    }
    return 0.5 * wheels;
}

LongitudinalStiffness ComputeLongitudinalStiffness(double d, double yb, double I, double A,
                                                   double EdOverEb, bool composite, double haunch,
                                                   double ts, double overlay) {
    LongitudinalStiffness r{};
    r.eg = composite ? (d - yb) + haunch + (ts + overlay) / 2.0 : d - yb;  // in
    r.n = EdOverEb > 0.0 ? 1.0 / EdOverEb : 1.0;
    r.Kg = r.n * (I + A * r.eg * r.eg);  // in^4
    return r;
}

double AdjacentBoxK(int Nb) {
    return std::max(2.5 * std::pow(static_cast<double>(Nb), -0.2), 1.5);
}

double TorsionalK(double I, double J, double preliminaryK, bool& approximate) {
    approximate = !(J > kUsableTorsionConstant);
    return approximate ? preliminaryK : std::sqrt(1.2 * I / J);
}

double IOverJFromK(double K) {
    return K * K / 1.2;
}

double SpreadBoxMomentOneLane(double S, double d, double L) {
    return std::pow(S / 3.0, 0.35) * std::pow(S * d / (12.0 * L * L), 0.25);
}

double SpreadBoxMomentMultiLane(double S, double d, double L) {
    return std::pow(S / 6.3, 0.6) * std::pow(S * d / (12.0 * L * L), 0.125);
}

double SpreadBoxShearOneLane(double S, double d, double L) {
    return std::pow(S / 10.0, 0.6) * std::pow(d / (12.0 * L), 0.1);
}

double SpreadBoxShearMultiLane(double S, double d, double L) {
    return std::pow(S / 7.4, 0.8) * std::pow(d / (12.0 * L), 0.1);
}

double AdjacentBoxMomentOneLane(double k, double b, double L, double IoverJ) {
    return k * std::pow(b / (33.3 * L), 0.5) * std::pow(IoverJ, 0.25);
}

double AdjacentBoxMomentMultiLane(double k, double b, double L, double IoverJ) {
    return k * std::pow(b / 305.0, 0.6) * std::pow(b / (12.0 * L), 0.2) * std::pow(IoverJ, 0.06);
}

double AdjacentBoxShearOneLane(double b, double L, double IoverJ) {
    return std::pow(b / (130.0 * L), 0.15) * std::pow(IoverJ, 0.05);
}

double AdjacentBoxShearMultiLane(double b, double L, double IoverJ) {
    return std::pow(b / 156.0, 0.4) * std::pow(b / (12.0 * L), 0.1) * std::pow(IoverJ, 0.05);
}

double AdjacentBoxShearWidthFactor(double b) {
    return std::max(b / 48.0, 1.0);
}

double IBeamMomentOneLane(double S, double L, double Kg, double ts) {
    return 0.06 + std::pow(S / 14.0, 0.4) * std::pow(S / L, 0.3) *
                      std::pow(Kg / (12.0 * L * ts * ts * ts), 0.1);
}

double IBeamMomentMultiLane(double S, double L, double Kg, double ts) {
    return 0.075 + std::pow(S / 9.5, 0.6) * std::pow(S / L, 0.2) *
                       std::pow(Kg / (12.0 * L * ts * ts * ts), 0.1);
}

double IBeamShearOneLane(double S) {
    return 0.36 + S / 25.0;
}

double IBeamShearMultiLane(double S) {
    return 0.2 + S / 12.0 - std::pow(S / 35.0, 2.0);
}

SpacingOverD SpacingOverDFactor(double S, double K, double W, double L, double lanes) {
    SpacingOverD r{};
    r.C = std::min(K * W / L, K);
    r.D = r.C <= 5.0 ? 11.5 - lanes + 1.4 * lanes * std::pow(1.0 - 0.2 * r.C, 2.0)  // ft
                     : 11.5 - lanes;
    r.g = S / r.D;
    return r;
}

double SpreadBoxMomentE(double de) {
    return 0.97 + de / 28.5;
}

double SpreadBoxShearE(double de) {
    return 0.8 + de / 10.0;
}

double AdjacentBoxMomentOneLaneE(double de) {
    return std::max(1.125 + de / 30.0, 1.0);
}

double AdjacentBoxMomentMultiLaneE(double de) {
    return std::max(1.04 + de / 25.0, 1.0);
}

double AdjacentBoxShearOneLaneE(double de) {
    return std::max(1.25 + de / 20.0, 1.0);
}

double AdjacentBoxShearMultiLaneE(double b, double de) {
    const double underRoot = std::max((b / 12.0 + de - 2.0) / 40.0, 0.0);
    return std::max(1.0 + std::sqrt(underRoot), 1.0);
}

double IBeamMomentE(double de) {
    return 0.77 + de / 9.1;
}

double IBeamShearE(double de) {
    return 0.6 + de / 10.0;
}

double SkewTangent(double skewDegrees) {
    const double theta = std::min(std::fabs(skewDegrees), kMaxSkewAngle);
    return std::tan(theta * 3.141592654 / 180.0);
}

double BoxSkewMomentFactor(double tanTheta) {
    return std::min(1.05 - 0.25 * tanTheta, 1.0);
}

double SpreadBoxSkewShearFactor(double tanTheta, double L, double d, double S) {
    return 1.0 + tanTheta * std::sqrt(L * d / 12.0) / (6.0 * S);
}

double AdjacentBoxSkewShearFactor(double tanTheta, double L, double d) {
    return 1.0 + (12.0 * L / (90.0 * d)) * std::sqrt(tanTheta);
}

double IBeamSkewC1(double Kg, double L, double ts, double S) {
    return 0.25 * std::pow(Kg / (12.0 * L * ts * ts * ts), 0.25) * std::pow(S / L, 0.5);
}

double IBeamSkewMomentFactor(double c1, double tanTheta) {
    return 1.0 - c1 * std::pow(tanTheta, 1.5);
}

double IBeamSkewShearFactor(double Kg, double L, double ts, double tanTheta) {
    return 1.0 + 0.2 * std::pow(12.0 * L * ts * ts * ts / Kg, 0.3) * tanTheta;
}

}  // namespace kordel
