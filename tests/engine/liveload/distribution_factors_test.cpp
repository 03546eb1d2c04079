// The distribution-factor stage on hand-built designs: every cross-section type of both
// specifications against the AASHTO formulas written out again here, the skew corrections, the
// one-lane multiple presence, the single-lane check, continuous spans, user factors, one beam,
// the type names the stage writes, and the guards that keep the factors finite.
#include <cmath>
#include <functional>
#include <string>

#include "engine/liveload/aashto_distribution.h"
#include "engine/liveload/standard_distribution.h"
#include "test_support.h"

namespace kordel::test {
namespace {

// ---- The AASHTO formulas, written out from the tables ------------------------------------------
// AASHTO LRFD 6th ed. Tables 4.6.2.2.2b-1, 4.6.2.2.2d-1, 4.6.2.2.3a-1, 4.6.2.2.3b-1 and the
// lever rule; units as the tables mix them (S, L, W, de ft; b, d, ts in; I, J, Kg in^4).
namespace lrfd {
double MI1(double S, double L, double Kg, double ts) {
    return 0.06 + std::pow(S / 14.0, 0.4) * std::pow(S / L, 0.3) *
                      std::pow(Kg / (12.0 * L * std::pow(ts, 3)), 0.1);
}
double MI2(double S, double L, double Kg, double ts) {
    return 0.075 + std::pow(S / 9.5, 0.6) * std::pow(S / L, 0.2) *
                       std::pow(Kg / (12.0 * L * std::pow(ts, 3)), 0.1);
}
double VI1(double S) {
    return 0.36 + S / 25.0;
}
double VI2(double S) {
    return 0.2 + S / 12.0 - std::pow(S / 35.0, 2);
}
double MB1(double S, double d, double L) {
    return std::pow(S / 3.0, 0.35) * std::pow(S * d / (12.0 * L * L), 0.25);
}
double MB2(double S, double d, double L) {
    return std::pow(S / 6.3, 0.6) * std::pow(S * d / (12.0 * L * L), 0.125);
}
double VB1(double S, double d, double L) {
    return std::pow(S / 10.0, 0.6) * std::pow(d / (12.0 * L), 0.1);
}
double VB2(double S, double d, double L) {
    return std::pow(S / 7.4, 0.8) * std::pow(d / (12.0 * L), 0.1);
}
double MA1(double k, double b, double L, double IJ) {
    return k * std::sqrt(b / (33.3 * L)) * std::pow(IJ, 0.25);
}
double MA2(double k, double b, double L, double IJ) {
    return k * std::pow(b / 305.0, 0.6) * std::pow(b / (12.0 * L), 0.2) * std::pow(IJ, 0.06);
}
double VA1(double b, double L, double IJ) {
    return std::pow(b / (130.0 * L), 0.15) * std::pow(IJ, 0.05);
}
double VA2(double b, double L, double IJ) {
    return std::pow(b / 156.0, 0.4) * std::pow(b / (12.0 * L), 0.1) * std::pow(IJ, 0.05);
}
double SD(double S, double K, double W, double L, double NL) {
    const double C = std::min(K * W / L, K);
    const double D = C <= 5.0 ? 11.5 - NL + 1.4 * NL * std::pow(1.0 - 0.2 * C, 2) : 11.5 - NL;
    return S / D;
}
double LR(double S, double de) {  // exterior lever rule, lanes
    return S + de > 8.0 ? (S + de - 5.0) / S : (S + de - 2.0) / (2.0 * S);
}
}  // namespace lrfd

// ---- Hand-built designs with the example designs' sections and framing ------------------------

/// Example 1: PCI BT-72 girders at 9 ft under an 8-in composite deck, 105 ft span, 5 beams,
/// 3 lanes, LRFD (k). Ed / Eb set by hand to 0.8, and yb at mid-span to the section's 36.6 in:
/// eg = (72 - 36.6) + 8 / 2 = 39.4 in, n = 1.25, Kg = 1.25 (545894 + 767 x 39.4^2)
///    = 2170692.65 in^4; Kg / (12 L ts^3) = 2170692.65 / (12 x 105 x 512) = 3.3647.
void BuildIBeamBridge(CKordelDoc& d) {
    d.m_nSpecification = kSpecLrfd;
    d.m_nSpecEdition = 2;
    d.m_nAgency = 0;
    d.m_nDistFactorMode = kValueComputed;
    d.m_bCheckSingleLane = 0;
    d.m_bSkewAdjustMomentDf = 1;
    d.m_bContinuous = 0;
    d.m_nSpans = 1;
    d.m_nCurrentSpan = 1;
    d.m_adSpanLength[1] = 105.0;
    d.m_dDesignSpan = 105.0;
    d.m_nBeams = 5;
    d.m_nLanes = 3;
    d.m_dBeamSpacing = 9.0;
    d.m_dSkewAngle = 0.0;
    d.m_dDe = 1.5;
    d.m_dOverhang = 3.0;
    d.m_dBridgeWidth = 42.0;
    d.m_dCurbToCurb = 39.0;  // de of the lever rule: 3 - (42 - 39) / 2 = 1.5 ft
    d.m_nGirderLocation = 1;
    d.m_nSuperstructureType = kLrfdIBeamComposite;
    d.m_strSuperstructureType = "LRFD (k) I-Beam composite";
    d.m_bSufficientlyConnected = 0;
    d.m_bCompositeDeck = 1;
    d.m_dDeckThickness = 8.0;
    d.m_dHaunchThickness = 0.0;
    d.m_dOverlayThickness = 0.0;
    d.m_dWearingSurfaceThickness = 0.0;
    d.m_dSectionHeight = 72.0;
    d.m_dTopFlangeWidth = 42.0;
    d.m_dTopFlangeThickness = 2.5;
    d.m_dSectionIxx = 545894.0;
    d.m_dSectionArea = 767.0;
    d.m_dTorsionConstant = 1.0;
    d.m_adCentroidAtStation[kStationMidspan][kSectionCaseGirder] = 36.6;
    d.m_dDeckModularRatio = 0.8;
}
constexpr double kIBeamKg = 1.25 * (545894.0 + 767.0 * 39.4 * 39.4);  // in^4
/// The same girder without a composite deck: ts is the 2.5-in top flange, n = 1.0,
/// eg = 72 - 36.6 = 35.4 in, Kg = 545894 + 767 x 35.4^2 = 1507067.72 in^4.
constexpr double kIBeamBareKg = 545894.0 + 767.0 * 35.4 * 35.4;

/// Example 2: AASHTO BIII-48 boxes (b = 48 in, d = 39 in, I = 168367 in^4, J = 285854 in^4),
/// 7 beams at 4 ft, 2 lanes, 95 ft span, non-composite, sufficiently connected, LRFD (g);
/// de = -1.29 ft; de of the lever rule 2 - (28 - 25) / 2 = 0.5 ft.
void BuildAdjacentBoxBridge(CKordelDoc& d) {
    BuildIBeamBridge(d);
    d.m_adSpanLength[1] = d.m_dDesignSpan = 95.0;
    d.m_nBeams = 7;
    d.m_nLanes = 2;
    d.m_dBeamSpacing = 4.0;
    d.m_dDe = -1.29;
    d.m_dOverhang = 2.0;
    d.m_dBridgeWidth = 28.0;
    d.m_dCurbToCurb = 25.0;
    d.m_nSuperstructureType = kLrfdAdjacentBoxNonComposite;
    d.m_strSuperstructureType = "LRFD (g) Adj Box non-comp";
    d.m_bSufficientlyConnected = 1;
    d.m_bCompositeDeck = 0;
    d.m_dDeckThickness = 0.0;
    d.m_dSectionHeight = 39.0;
    d.m_dTopFlangeWidth = 48.0;
    d.m_dTopFlangeThickness = 5.5;
    d.m_dSectionIxx = 168367.0;
    d.m_dSectionArea = 813.0;
    d.m_dTorsionConstant = 285854.0;
    d.m_adCentroidAtStation[kStationMidspan][kSectionCaseGirder] = 19.29;
    d.m_dDeckModularRatio = 1.0;
}
constexpr double kBoxIJ = 168367.0 / 285854.0;
const double kBoxK7 = 2.5 * std::pow(7.0, -0.2);      // k of 7 beams = 1.7084
const double kBoxTorsionK = std::sqrt(1.2 * kBoxIJ);  // K = 0.8407

/// Spread boxes 48 in deep at 9 ft on an 80 ft span, 2 lanes, the I-beam bridge's deck and
/// curbs, LRFD (b).
void BuildSpreadBoxBridge(CKordelDoc& d) {
    BuildIBeamBridge(d);
    d.m_adSpanLength[1] = d.m_dDesignSpan = 80.0;
    d.m_nLanes = 2;
    d.m_nSuperstructureType = kLrfdSpreadBoxClosed;
    d.m_dSectionHeight = 48.0;
}

// ---- Every cross-section type
// --------------------------------------------------------------------

struct Expected {
    double moment, shear, fatigue;
    int leverFlags[3];  // moment, shear, fatigue
    int approx;         // m_bDfApprox
    int jLow;           // m_bDfJLow
};

struct TypeCase {
    const char* what;
    std::function<void(CKordelDoc&)> build;
    Expected expected;
};

class DistributionFactorsTest : public EngineTest {
  protected:
    DistributionFactorsTest() : doc(NewDoc()) {}

    void ExpectFactors(const char* what, const Expected& e) {
        SCOPED_TRACE(what);
        const double tol = 1e-9;
        // A simple span: every support region and support takes the span's factor.
        EXPECT_NEAR(doc->m_dDfMoment, e.moment, tol) << "moment";
        EXPECT_NEAR(doc->m_adDfMomentLeftRight[kDfLeft], e.moment, tol) << "moment, left";
        EXPECT_NEAR(doc->m_adDfMomentLeftRight[kDfRight], e.moment, tol) << "moment, right";
        EXPECT_NEAR(doc->m_dDfShear, e.shear, tol) << "shear";
        if (IsLrfd(doc->m_nSpecification)) {
            EXPECT_NEAR(doc->m_adDfShearAtBearing[1], e.shear, tol) << "shear, support 1";
            EXPECT_NEAR(doc->m_adDfShearAtBearing[2], e.shear, tol) << "shear, support 2";
        }
        EXPECT_NEAR(doc->m_dDfFatigue, e.fatigue, tol) << "fatigue";
        EXPECT_NEAR(doc->m_adDfFatigueLeftRight[kDfLeft], e.fatigue, tol) << "fatigue, left";
        EXPECT_NEAR(doc->m_adDfFatigueLeftRight[kDfRight], e.fatigue, tol) << "fatigue, right";
        for (int f = 0; f < kDfFamilyCount; ++f) {
            EXPECT_EQ(doc->m_anDfLeverRuleFlags[f], e.leverFlags[f]) << "lever-rule flag " << f;
        }
        EXPECT_EQ(doc->m_bDfApprox, e.approx) << "approximate K";
        EXPECT_EQ(doc->m_bDfJLow, e.jLow) << "J low";
    }

    void RunCases(const TypeCase* cases, std::size_t count) {
        for (std::size_t i = 0; i < count; ++i) {
            doc = NewDoc();
            cases[i].build(*doc);
            doc->ComputeDistributionFactors();
            ExpectFactors(cases[i].what, cases[i].expected);
        }
        EXPECT_TRUE(host.Messages().empty());
    }

    std::unique_ptr<CKordelDoc> doc;
};

TEST_F(DistributionFactorsTest, LrfdIBeamsAndTheBeamsThatActLikeThem) {
    using namespace lrfd;
    const double S = 9.0, L = 105.0, Kg = kIBeamKg, ts = 8.0;
    const double LRx = LR(9.0, 1.5);  // (10.5 - 5) / 9 = 0.6111
    const double eI = 0.77 + 1.5 / 9.1, eIV = 0.6 + 1.5 / 10.0;
    const double bareKg = kIBeamBareKg, bareTs = 2.5;  // non-composite: ts is the top flange
    // Channel and T-beams not connected: S / D with the preliminary K (J = 1.0 is not usable).
    const double sdChannel3 = SD(S, 2.2, 42.0, L, 3.0), sdTee2 = SD(S, 2.0, 42.0, L, 2.0);
    auto ibeam = [](int code, int location, int lanes, int composite, int connected) {
        return [=](CKordelDoc& d) {
            BuildIBeamBridge(d);
            d.m_nSuperstructureType = code;
            d.m_nGirderLocation = location;
            d.m_nLanes = lanes;
            d.m_bCompositeDeck = composite;
            d.m_dDeckModularRatio = composite ? 0.8 : 1.0;
            d.m_bSufficientlyConnected = connected;
        };
    };
    const TypeCase cases[] = {
        {"(k) interior, 3 lanes: MI2, VI2, MI1 / 1.2",
         ibeam(7, 1, 3, 1, 0),
         {MI2(S, L, Kg, ts), VI2(S), MI1(S, L, Kg, ts) / 1.2, {0, 0, 0}, 1, 0}},
        {"(k) interior, 1 lane: MI1, VI1",
         ibeam(7, 1, 1, 1, 0),
         {MI1(S, L, Kg, ts), VI1(S), MI1(S, L, Kg, ts) / 1.2, {0, 0, 0}, 1, 0}},
        {"(k) exterior, 3 lanes: eI MI2, eIV VI2, lever-rule fatigue",
         ibeam(7, 2, 3, 1, 0),
         {eI * MI2(S, L, Kg, ts), eIV * VI2(S), LRx, {0, 0, 1}, 1, 0}},
        {"(k) exterior, 1 lane: lever rule x 1.2, fatigue without",
         ibeam(7, 2, 1, 1, 0),
         {1.2 * LRx, 1.2 * LRx, LRx, {1, 1, 1}, 1, 0}},
        {"code 12 on a composite deck is (k)",
         ibeam(12, 1, 3, 1, 0),
         {MI2(S, L, Kg, ts), VI2(S), MI1(S, L, Kg, ts) / 1.2, {0, 0, 0}, 1, 0}},
        {"(j) connected, interior, 2 lanes: MI2 with the bare girder's Kg",
         ibeam(6, 1, 2, 0, 1),
         {MI2(S, L, bareKg, bareTs), VI2(S), MI1(S, L, bareKg, bareTs) / 1.2, {0, 0, 0}, 1, 0}},
        {"(j) not connected, interior: S / D, K = 2.0, lever-rule shear",
         ibeam(6, 1, 2, 0, 0),
         {sdTee2, LRx, sdTee2 / 1.2, {0, 1, 0}, 1, 1}},
        {"(i) connected, exterior, 2 lanes: eI MI2, eIV VI2",
         ibeam(5, 2, 2, 0, 1),
         {eI * MI2(S, L, bareKg, bareTs), eIV * VI2(S), LRx, {0, 0, 1}, 1, 0}},
        {"(i) not connected, exterior, 2 lanes: lever rule",
         ibeam(5, 2, 2, 0, 0),
         {LRx, LRx, LRx, {1, 1, 1}, 1, 0}},
        {"(h) interior, 3 lanes: S / D, K = 2.2",
         ibeam(4, 1, 3, 1, 0),
         {sdChannel3, LRx, sdChannel3 / 1.2, {0, 1, 0}, 1, 1}},
        {"(h) exterior, 3 lanes: lever rule, fatigue not divided",
         ibeam(4, 2, 3, 1, 0),
         {LRx, LRx, LRx, {1, 1, 1}, 1, 0}},
        {"(h) exterior, 1 lane: the fatigue factor is the bare lever rule",
         ibeam(4, 2, 1, 1, 0),
         {1.2 * LRx, 1.2 * LRx, LRx, {1, 1, 1}, 1, 0}},
    };
    RunCases(cases, std::size(cases));
}

TEST_F(DistributionFactorsTest, LrfdSpreadBoxes) {
    using namespace lrfd;
    const double d = 48.0, L = 80.0;
    const double LRx = LR(9.0, 1.5);
    const double eB = 0.97 + 1.5 / 28.5, eBV = 0.8 + 1.5 / 10.0;
    auto box = [](int code, int location, int lanes, double S) {
        return [=](CKordelDoc& design) {
            BuildSpreadBoxBridge(design);
            design.m_nSuperstructureType = code;
            design.m_nGirderLocation = location;
            design.m_nLanes = lanes;
            design.m_dBeamSpacing = S;
        };
    };
    // S = 18.01 ft: (18.01 + 1.5 - 5) / 18.01 = 0.80566.
    const double LRwide = LR(18.01, 1.5);
    const TypeCase cases[] = {
        {"(b) interior, 2 lanes: MB2, VB2, MB1 / 1.2",
         box(0, 1, 2, 9.0),
         {MB2(9, d, L), VB2(9, d, L), MB1(9, d, L) / 1.2, {0, 0, 0}, 1, 0}},
        {"(c) interior, 1 lane: MB1, VB1",
         box(1, 1, 1, 9.0),
         {MB1(9, d, L), VB1(9, d, L), MB1(9, d, L) / 1.2, {0, 0, 0}, 1, 0}},
        {"(b) exterior, 2 lanes: eB MB2, eBV VB2",
         box(0, 2, 2, 9.0),
         {eB * MB2(9, d, L), eBV * VB2(9, d, L), LRx, {0, 0, 1}, 1, 0}},
        {"(c) exterior, 1 lane: lever rule x 1.2",
         box(1, 2, 1, 9.0),
         {1.2 * LRx, 1.2 * LRx, LRx, {1, 1, 1}, 1, 0}},
        {"(b) interior, S = 18.0 ft exactly: still the formulas",
         box(0, 1, 2, 18.0),
         {MB2(18, d, L), VB2(18, d, L), MB1(18, d, L) / 1.2, {0, 0, 0}, 1, 0}},
        {"(b) interior, S = 18.01 ft: lever rule; fatigue MB1 / 1.2 still",
         box(0, 1, 2, 18.01),
         {LRwide, LRwide, MB1(18.01, d, L) / 1.2, {1, 1, 0}, 1, 0}},
        {"(b) exterior, 2 lanes, S = 18.01 ft: lever rule",
         box(0, 2, 2, 18.01),
         {LRwide, LRwide, LRwide, {1, 1, 1}, 1, 0}},
    };
    RunCases(cases, std::size(cases));
}

TEST_F(DistributionFactorsTest, LrfdAdjacentBoxesAndRectangularBeams) {
    using namespace lrfd;
    const double b = 48.0, L = 95.0, S = 4.0, W = 28.0, k = kBoxK7, IJ = kBoxIJ;
    // de = -1.29 ft: eA1 = 1.125 - 0.043 = 1.082; eA2 = 1.04 - 0.0516 = 0.9884 -> 1.0;
    // eAV1 = 1.25 - 0.0645 = 1.1855; eAV2 = 1 + ((4 - 1.29 - 2) / 40)^0.5 = 1.13323.
    const double eA1 = 1.082, eA2 = 1.0, eAV1 = 1.1855, eAV2 = 1.0 + std::sqrt(0.71 / 40.0);
    const double K = kBoxTorsionK;
    auto adjacent = [](int code, int location, int lanes, int connected, int edition) {
        return [=](CKordelDoc& d) {
            BuildAdjacentBoxBridge(d);
            d.m_nSuperstructureType = code;
            d.m_nGirderLocation = location;
            d.m_nLanes = lanes;
            d.m_bSufficientlyConnected = connected;
            d.m_nSpecEdition = edition;
            if (code == kLrfdAdjacentBoxComposite) {
                d.m_bCompositeDeck = 1;
                d.m_dDeckThickness = 5.0;
            }
        };
    };
    auto voidedWithLowJ = [](CKordelDoc& d) {
        BuildAdjacentBoxBridge(d);
        d.m_nSuperstructureType = kLrfdVoidedRectangular;
        d.m_bSufficientlyConnected = 0;
        d.m_dTorsionConstant = 0.5;
    };
    const double lowIJ = 168367.0 / 0.5;
    auto wideBoxes = [](CKordelDoc& d) {
        BuildAdjacentBoxBridge(d);
        d.m_dTopFlangeWidth = 60.0;  // b / 48 = 1.25
    };
    const TypeCase cases[] = {
        {"(g) connected, interior, 2 lanes: MA2, VA2 x b/48",
         adjacent(3, 1, 2, 1, 2),
         {MA2(k, b, L, IJ), VA2(b, L, IJ) * 1.0, MA1(k, b, L, IJ) / 1.2, {0, 0, 0}, 0, 0}},
        {"(g) connected, interior, 2 lanes, b = 60 in: VA2 x 1.25",
         wideBoxes,
         {MA2(k, 60, L, IJ), VA2(60, L, IJ) * 1.25, MA1(k, 60, L, IJ) / 1.2, {0, 0, 0}, 0, 0}},
        {"(g) connected, exterior, 2 lanes: eA2 MA2, eAV2 VA2",
         adjacent(3, 2, 2, 1, 2),
         {eA2 * MA2(k, b, L, IJ),
          eAV2 * VA2(b, L, IJ),
          eA1 * MA1(k, b, L, IJ) / 1.2,
          {0, 0, 0},
          0,
          0}},
        {"(g) connected, exterior, 1 lane: eA1 MA1, eAV1 VA1",
         adjacent(3, 2, 1, 1, 2),
         {eA1 * MA1(k, b, L, IJ),
          eAV1 * VA1(b, L, IJ),
          eA1 * MA1(k, b, L, IJ) / 1.2,
          {0, 0, 0},
          0,
          0}},
        {"(g) not connected, 6th edition: S / D with K from J",
         adjacent(3, 1, 2, 0, 2),
         {SD(S, K, W, L, 2), VA2(b, L, IJ), SD(S, K, W, L, 2) / 1.2, {0, 0, 0}, 0, 0}},
        {"(g) not connected, 7th edition: the unit form",
         adjacent(3, 1, 2, 0, 4),
         {MA2(k, b, L, IJ), VA2(b, L, IJ), MA1(k, b, L, IJ) / 1.2, {0, 0, 0}, 0, 0}},
        {"(g) not connected, exterior, 1 lane: eA1 x S / D",
         adjacent(3, 2, 1, 0, 2),
         {eA1 * SD(S, K, W, L, 1),
          eAV1 * VA1(b, L, IJ),
          eA1 * SD(S, K, W, L, 1) / 1.2,
          {0, 0, 0},
          0,
          0}},
        {"(f) composite, interior, 1 lane: MA1, VA1; no K",
         adjacent(2, 1, 1, 0, 2),
         {MA1(k, b, L, IJ), VA1(b, L, IJ), MA1(k, b, L, IJ) / 1.2, {0, 0, 0}, 1, 0}},
        {"(g) circular voids, J = 0.5: S / D with K = 0.8; I / J as given in shear",
         voidedWithLowJ,
         {SD(S, 0.8, W, L, 2), VA2(b, L, lowIJ), SD(S, 0.8, W, L, 2) / 1.2, {0, 0, 0}, 1, 1}},
        {"(g) solid, connected, exterior, 2 lanes",
         adjacent(9, 2, 2, 1, 2),
         {eA2 * MA2(k, b, L, IJ),
          eAV2 * VA2(b, L, IJ),
          eA1 * MA1(k, b, L, IJ) / 1.2,
          {0, 0, 0},
          0,
          0}},
        {"code 12 on a non-composite deck, 7th edition, not connected: still S / D",
         adjacent(12, 1, 2, 0, 4),
         {SD(S, K, W, L, 2), VA2(b, L, IJ), SD(S, K, W, L, 2) / 1.2, {0, 0, 0}, 0, 0}},
    };
    RunCases(cases, std::size(cases));
}

TEST_F(DistributionFactorsTest, StandardSpecificationsTypes) {
    const double LRx = lrfd::LR(9.0, 1.5);  // 0.6111
    auto standard = [](void (*build)(CKordelDoc&), int code, int location, int lanes) {
        return [=](CKordelDoc& d) {
            build(d);
            d.m_nSpecification = kSpecStandard;
            d.m_nSuperstructureType = code;
            d.m_nGirderLocation = location;
            d.m_nLanes = lanes;
        };
    };
    auto wideSpacing = [](CKordelDoc& d) {
        BuildIBeamBridge(d);
        d.m_nSpecification = kSpecStandard;
        d.m_nSuperstructureType = kStdGirder;
        d.m_nLanes = 2;
        d.m_dBeamSpacing = 14.0;
    };
    auto channelLowJ = [](CKordelDoc& d) {
        BuildAdjacentBoxBridge(d);
        d.m_nSpecification = kSpecStandard;
        d.m_nSuperstructureType = kStdMultiBeamChannel;
        d.m_dTorsionConstant = 1.0;
    };
    // Box beams of example 2: K = 0.8407, W / L = 28 / 95 < 1: C = 0.2948 K = 0.2478;
    // D = 4.75 + 1.4 (1 - 0.2 C)^2; the fraction (48/12) / D x 0.5.
    const double Cbox = 28.0 / 95.0 * kBoxTorsionK;
    const double box = 4.0 / (4.75 + 1.4 * std::pow(1.0 - 0.2 * Cbox, 2)) * 0.5;
    const double Cch = 28.0 / 95.0 * 2.2;  // channel, preliminary K = 2.2
    const double channel = 4.0 / (4.75 + 1.4 * std::pow(1.0 - 0.2 * Cch, 2)) * 0.5;
    const double Cother = 28.0 / 95.0;  // K = 1.0 whatever J
    const double other = 4.0 / (4.75 + 1.4 * std::pow(1.0 - 0.2 * Cother, 2)) * 0.5;
    // Spread boxes, 5 beams at 9 ft, curb to curb 39 ft, 2 lanes, L = 80 ft:
    // k = 0.07 x 39 - 2 (0.2 - 0.26) - 0.2 x 5 - 0.12 = 1.73; (4/5 + 1.73 x 9/80) x 0.5.
    const double spread = (0.8 + 1.73 * 9.0 / 80.0) * 0.5;
    const TypeCase cases[] = {
        {"girders, interior, 3 lanes: S / 5.5 x 0.5",
         standard(BuildIBeamBridge, 0, 1, 3),
         {9.0 / 11.0, 9.0 / 11.0, 9.0 / 11.0, {0, 0, 0}, 1, 0}},
        {"girders, interior, 1 lane: S / 7.0 x 0.5",
         standard(BuildIBeamBridge, 0, 1, 1),
         {9.0 / 14.0, 9.0 / 14.0, 9.0 / 14.0, {0, 0, 0}, 1, 0}},
        {"girders, exterior: the lever rule for every family",
         standard(BuildIBeamBridge, 0, 2, 3),
         {LRx, LRx, LRx, {1, 0, 1}, 1, 0}},
        {"girders, interior, S = 14 ft, 2 lanes: 0.5 (1 + 10/14 + 8/14 + 4/14)",
         wideSpacing,
         {18.0 / 14.0, 18.0 / 14.0, 18.0 / 14.0, {1, 0, 1}, 1, 0}},
        {"code 12 on a composite deck: girders",
         standard(BuildIBeamBridge, 12, 1, 3),
         {9.0 / 11.0, 9.0 / 11.0, 9.0 / 11.0, {0, 0, 0}, 1, 0}},
        {"multi-beam box beams, K from J",
         standard(BuildAdjacentBoxBridge, 3, 1, 2),
         {box, box, box, {0, 0, 0}, 0, 0}},
        {"multi-beam box beams, exterior: the location plays no part",
         standard(BuildAdjacentBoxBridge, 3, 2, 2),
         {box, box, box, {0, 0, 0}, 0, 0}},
        {"multi-beam channels, J = 1.0: K = 2.2",
         channelLowJ,
         {channel, channel, channel, {0, 0, 0}, 1, 0}},
        {"code 12 on a non-composite deck: K = 1.0 whatever J",
         standard(BuildAdjacentBoxBridge, 12, 1, 2),
         {other, other, other, {0, 0, 0}, 1, 0}},
        {"spread boxes, interior",
         standard(BuildSpreadBoxBridge, 5, 1, 2),
         {spread, spread, spread, {0, 0, 0}, 1, 0}},
        {"spread boxes, exterior: lever rule 0.6111 above NL / NB = 0.4",
         standard(BuildSpreadBoxBridge, 5, 2, 2),
         {LRx, LRx, LRx, {1, 0, 1}, 1, 0}},
    };
    RunCases(cases, std::size(cases));
}

TEST_F(DistributionFactorsTest, LrfdTermsForTheReport) {
    BuildIBeamBridge(*doc);
    doc->ComputeDistributionFactors();
    EXPECT_NEAR(doc->m_adDfKgTerms[kDfEg], 39.4, 1e-9);  // (72 - 36.6) + 8 / 2
    EXPECT_NEAR(doc->m_adDfKgTerms[kDfN], 1.25, 1e-12);  // 1 / 0.8
    EXPECT_NEAR(doc->m_adDfKgTerms[kDfKg], 2170692.65, 0.01);
    EXPECT_NEAR(doc->m_dDfAdjacentBoxK, 2.5 * std::pow(5.0, -0.2), 1e-12);  // 1.8114
    EXPECT_EQ(doc->m_adDfWork[kDfWorkMomentE], 0.0);  // an interior girder writes no e

    doc->m_nGirderLocation = 2;
    doc->ComputeDistributionFactors();
    EXPECT_NEAR(doc->m_adDfWork[kDfWorkMomentE], 0.77 + 1.5 / 9.1, 1e-12);
    EXPECT_NEAR(doc->m_adDfWork[kDfWorkShearE], 0.75, 1e-12);

    // S / D of example 2 not connected: C and D of the current span, K from J.
    doc = NewDoc();
    BuildAdjacentBoxBridge(*doc);
    doc->m_bSufficientlyConnected = 0;
    doc->ComputeDistributionFactors();
    const double C = kBoxTorsionK * 28.0 / 95.0;
    EXPECT_NEAR(doc->m_dDfK, kBoxTorsionK, 1e-12);
    EXPECT_NEAR(doc->m_adDfBoxKC[kDfBoxC], C, 1e-12);
    EXPECT_NEAR(doc->m_adDfBoxKC[kDfBoxD], 9.5 + 2.8 * std::pow(1.0 - 0.2 * C, 2), 1e-12);
}

TEST_F(DistributionFactorsTest, StandardTermsForTheReport) {
    BuildSpreadBoxBridge(*doc);
    doc->m_nSpecification = kSpecStandard;
    doc->m_nSuperstructureType = kStdSpreadBox;
    doc->m_nBeams = 3;
    doc->m_dBeamSpacing = 6.0;
    doc->m_dCurbToCurb = 30.0;
    doc->ComputeDistributionFactors();
    // Nb = 3, S = 6 ft, curb to curb 30 ft, 2 lanes, L = 80 ft: NB = 4, S' = 6.57, W' = 32,
    // k = 1.44, factor 0.5591.
    EXPECT_EQ(doc->m_adDfStandardTerms[kDfStdBeams], 4.0);
    EXPECT_EQ(doc->m_adDfStandardTerms[kDfStdWidth], 32.0);
    EXPECT_EQ(doc->m_adDfStandardTerms[kDfStdSpacing], 6.57);
    EXPECT_NEAR(doc->m_dDfK, 1.44, 1e-12);
    EXPECT_NEAR(doc->m_dDfMoment, 0.5591, 5e-5);
    EXPECT_EQ(doc->m_dDfWork2, 2.0);

    // Exterior with NL / NB above the lever rule: 3 lanes on NB = 4 gives 0.75 against
    // (6 + 1.5 - 2) / 12 = 0.4583; the flag stays set.
    doc->m_nGirderLocation = 2;
    doc->m_nLanes = 3;
    doc->ComputeDistributionFactors();
    EXPECT_EQ(doc->m_dDfMoment, 0.75);
    EXPECT_EQ(doc->m_anDfLeverRuleFlags[kDfFamilyMoment], 1);
    EXPECT_EQ(doc->m_anDfLeverRuleFlags[kDfFamilyFatigue], 1);

    // Multi-beam: D, C and S' = b / 12, J = 0.5 giving the preliminary K of a box.
    doc = NewDoc();
    BuildAdjacentBoxBridge(*doc);
    doc->m_nSpecification = kSpecStandard;
    doc->m_dTorsionConstant = 0.5;
    doc->m_dBridgeWidth = 40.0;
    doc->m_adSpanLength[1] = doc->m_dDesignSpan = 60.0;
    doc->ComputeDistributionFactors();
    // K = 1.0, C = 0.6667, D = 5.8016, factor 0.3447.
    EXPECT_EQ(doc->m_dDfK, 1.0);
    EXPECT_EQ(doc->m_bDfApprox, 1);
    EXPECT_EQ(doc->m_bDfJLow, 0);  // the Standard rules leave the flag alone
    EXPECT_NEAR(doc->m_adDfChannelTerms[kDfChannelC], 0.6667, 5e-5);
    EXPECT_NEAR(doc->m_adDfChannelTerms[kDfChannelD], 5.8016, 5e-5);
    EXPECT_EQ(doc->m_adDfStandardTerms[kDfStdSpacing], 4.0);
    EXPECT_NEAR(doc->m_dDfMoment, 0.3447, 5e-5);
}

// ---- Skew corrections ------------------------------------------------------------------------

// I-beams of example 1, interior, 3 lanes; Kg / (12 L ts^3) = 3.3647, S / L = 9 / 105:
// c1 = 0.25 x 3.3647^0.25 x (9/105)^0.5 = 0.0991 from 30 degrees on;
// CFm = 1 - c1 tan^1.5; CFv = 1 + 0.2 (1 / 3.3647)^0.3 tan.
TEST_F(DistributionFactorsTest, IBeamSkewAcrossAngles) {
    struct Case {
        double degrees, c1, CFm, CFv;
    };
    const Case cases[] = {
        {0.0, 0.0, 1.0, 1.0},            // no skew
        {25.0, 0.0, 1.0, 1.0648},        // below 30: shear only
        {30.0, 0.0991, 0.9565, 1.0802},  // tan = 0.5774
        {45.0, 0.0991, 0.9009, 1.1390},  // tan = 1
        {60.0, 0.0991, 0.7740, 1.2407},  // tan = 1.7321
        {70.0, 0.0991, 0.7740, 1.2407},  // taken as 60
    };
    const double MI2 = lrfd::MI2(9, 105, kIBeamKg, 8), VI2 = lrfd::VI2(9);
    const double fatigue = lrfd::MI1(9, 105, kIBeamKg, 8) / 1.2;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.degrees);
        for (int agency : {0, 1}) {
            SCOPED_TRACE(agency == 1 ? "Caltrans" : "no agency");
            doc = NewDoc();
            BuildIBeamBridge(*doc);
            doc->m_dSkewAngle = c.degrees;
            doc->m_nAgency = agency;
            doc->ComputeDistributionFactors();
            // The agency keeps every moment factor unreduced; shear is corrected as ever.
            const double CFm = agency == 1 ? 1.0 : c.CFm;
            EXPECT_NEAR(doc->m_adSkewCorrection[kSkewC1], c.c1, 5e-5);
            EXPECT_NEAR(doc->m_adSkewCorrection[kSkewCFm], CFm, 5e-5);
            EXPECT_NEAR(doc->m_adSkewCorrection[kSkewCFv], c.CFv, 5e-5);
            const double cfm = doc->m_adSkewCorrection[kSkewCFm];
            const double cfv = doc->m_adSkewCorrection[kSkewCFv];
            EXPECT_NEAR(doc->m_dDfMoment, MI2 * cfm, 1e-12);
            EXPECT_NEAR(doc->m_adDfMomentLeftRight[kDfRight], MI2 * cfm, 1e-12);
            EXPECT_NEAR(doc->m_dDfFatigue, fatigue * cfm, 1e-12);
            EXPECT_NEAR(doc->m_adDfFatigueLeftRight[kDfLeft], fatigue * cfm, 1e-12);
            EXPECT_NEAR(doc->m_dDfShear, VI2 * cfv, 1e-12);
            EXPECT_NEAR(doc->m_adDfShearAtBearing[2], VI2 * cfv, 1e-12);
        }
    }
}

TEST_F(DistributionFactorsTest, SkewCorrectionOfBoxesAndItsOptions) {
    struct Case {
        const char* what;
        std::function<void(CKordelDoc&)> build;
        double CFm, c1, CFv;
    };
    // 45 degrees: tan = 1. Spread box S = 9, d = 48, L = 80: CFm = 1.05 - 0.25 = 0.8,
    // CFv = 1 + sqrt(80 x 48 / 12) / 54 = 1.33127. Adjacent box d = 39, L = 95:
    // CFv = 1 + 12 x 95 / (90 x 39) = 1.32479.
    const Case cases[] = {
        {"spread box", [](CKordelDoc& d) { BuildSpreadBoxBridge(d); }, 0.8, 0.0, 1.331269},
        {"adjacent box", [](CKordelDoc& d) { BuildAdjacentBoxBridge(d); }, 0.8, 0.0, 1.324786},
        {"adjacent box, moment skew option off",
         [](CKordelDoc& d) {
             BuildAdjacentBoxBridge(d);
             d.m_bSkewAdjustMomentDf = 0;
         },
         1.0, 0.0, 1.324786},
        {"I-beam, moment skew option off: c1 is still stored",
         [](CKordelDoc& d) {
             BuildIBeamBridge(d);
             d.m_bSkewAdjustMomentDf = 0;
         },
         1.0, 0.099130, 1.138977},
        {"a skew of -45 degrees is the same skew",
         [](CKordelDoc& d) {
             BuildIBeamBridge(d);
             d.m_dSkewAngle = -45.0;
         },
         0.900870, 0.099130, 1.138977},
        {"channels on a composite deck: no skew correction",
         [](CKordelDoc& d) {
             BuildIBeamBridge(d);
             d.m_nSuperstructureType = kLrfdChannelComposite;
         },
         1.0, 0.0, 1.0},
        {"T-beams not connected: no skew correction",
         [](CKordelDoc& d) {
             BuildIBeamBridge(d);
             d.m_nSuperstructureType = kLrfdTeeBeamNonComposite;
             d.m_bCompositeDeck = 0;
         },
         1.0, 0.0, 1.0},
        {"Standard Specifications: no skew correction",
         [](CKordelDoc& d) {
             BuildIBeamBridge(d);
             d.m_nSpecification = kSpecStandard;
         },
         1.0, 0.0, 1.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        doc = NewDoc();
        c.build(*doc);
        if (doc->m_dSkewAngle == 0.0) doc->m_dSkewAngle = 45.0;
        doc->ComputeDistributionFactors();
        EXPECT_NEAR(doc->m_adSkewCorrection[kSkewCFm], c.CFm, 1e-6);
        EXPECT_NEAR(doc->m_adSkewCorrection[kSkewC1], c.c1, 1e-6);
        EXPECT_NEAR(doc->m_adSkewCorrection[kSkewCFv], c.CFv, 1e-6);
    }

    // The correction applies to lever-rule values too, before the one-lane factor 1.2:
    // exterior I-beam, one lane, 45 degrees: moment 1.2 x LR x CFm, fatigue LR x CFm.
    doc = NewDoc();
    BuildIBeamBridge(*doc);
    doc->m_nGirderLocation = 2;
    doc->m_nLanes = 1;
    doc->m_dSkewAngle = 45.0;
    doc->ComputeDistributionFactors();
    const double LRx = lrfd::LR(9.0, 1.5);
    EXPECT_NEAR(doc->m_dDfMoment, 1.2 * LRx * 0.900870, 1e-6);
    EXPECT_NEAR(doc->m_dDfShear, 1.2 * LRx * 1.138977, 1e-6);
    EXPECT_NEAR(doc->m_dDfFatigue, LRx * 0.900870, 1e-6);
}

// ---- Span lengths of continuous girders
// ----------------------------------------------------------

TEST_F(DistributionFactorsTest, ContinuousSpansGiveEachRegionItsLength) {
    // Spread boxes on spans of 100, 120 and 100 ft: moment MB2(L), shear VB2(L), fatigue
    // MB1(L) / 1.2. Support lengths: 100, (100 + 120) / 2 = 110, 110, 100.
    struct Case {
        int span;
        double L0, left, right;
    };
    const Case cases[] = {{1, 100, 100, 110}, {2, 120, 110, 110}, {3, 100, 110, 100}};
    const double supports[] = {0, 100, 110, 110, 100};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.span);
        doc = NewDoc();
        BuildSpreadBoxBridge(*doc);
        doc->m_bContinuous = 1;
        doc->m_nSpans = 3;
        doc->m_adSpanLength[1] = 100;
        doc->m_adSpanLength[2] = 120;
        doc->m_adSpanLength[3] = 100;
        doc->m_dDesignSpan = 999;  // not read by the LRFD formulas of a continuous girder
        doc->m_nCurrentSpan = c.span;
        doc->ComputeDistributionFactors();
        EXPECT_NEAR(doc->m_dDfMoment, lrfd::MB2(9, 48, c.L0), 1e-12);
        EXPECT_NEAR(doc->m_adDfMomentLeftRight[kDfLeft], lrfd::MB2(9, 48, c.left), 1e-12);
        EXPECT_NEAR(doc->m_adDfMomentLeftRight[kDfRight], lrfd::MB2(9, 48, c.right), 1e-12);
        EXPECT_NEAR(doc->m_dDfFatigue, lrfd::MB1(9, 48, c.L0) / 1.2, 1e-12);
        EXPECT_NEAR(doc->m_adDfFatigueLeftRight[kDfRight], lrfd::MB1(9, 48, c.right) / 1.2, 1e-12);
        EXPECT_NEAR(doc->m_dDfShear, lrfd::VB2(9, 48, c.L0), 1e-12);
        for (int j = 1; j <= 4; ++j) {
            EXPECT_NEAR(doc->m_adDfShearAtBearing[j], lrfd::VB2(9, 48, supports[j]), 1e-12)
                << "support " << j;
        }
    }

    // A continuous Standard design uses the design span for every factor.
    doc->m_nSpecification = kSpecStandard;
    doc->m_nSuperstructureType = kStdSpreadBox;
    doc->m_dDesignSpan = 80.0;
    doc->ComputeDistributionFactors();
    const double spread = (0.8 + 1.73 * 9.0 / 80.0) * 0.5;
    EXPECT_NEAR(doc->m_dDfMoment, spread, 1e-12);
    EXPECT_NEAR(doc->m_adDfMomentLeftRight[kDfLeft], spread, 1e-12);
    EXPECT_NEAR(doc->m_adDfMomentLeftRight[kDfRight], spread, 1e-12);
}

// ---- One beam, user factors, type names
// ----------------------------------------------------------

TEST_F(DistributionFactorsTest, OneBeamCarriesTheWholeLaneWhateverElse) {
    for (int spec : {kSpecLrfd, kSpecStandard}) {
        for (int mode : {kValueComputed, kValueSpecified}) {
            doc = NewDoc();
            BuildIBeamBridge(*doc);
            doc->m_nSpecification = spec;
            doc->m_nDistFactorMode = mode;
            doc->m_dUserDfMoment = doc->m_dUserDfShear = doc->m_dUserDfFatigue = 0.4;
            doc->m_nBeams = 1;
            doc->m_bContinuous = 1;
            doc->m_nSpans = 3;
            doc->m_adSpanLength[2] = doc->m_adSpanLength[3] = 100.0;
            doc->m_bCheckSingleLane = 1;
            doc->ComputeDistributionFactors();
            SCOPED_TRACE(spec * 10 + mode);
            EXPECT_EQ(doc->m_dDfMoment, 1.0);
            EXPECT_EQ(doc->m_adDfMomentLeftRight[kDfLeft], 1.0);
            EXPECT_EQ(doc->m_adDfMomentLeftRight[kDfRight], 1.0);
            EXPECT_EQ(doc->m_dDfShear, 1.0);
            for (int j = 1; j <= 4; ++j) EXPECT_EQ(doc->m_adDfShearAtBearing[j], 1.0) << j;
            EXPECT_EQ(doc->m_dDfFatigue, 1.0);
            EXPECT_EQ(doc->m_adDfFatigueLeftRight[kDfRight], 1.0);
            EXPECT_EQ(doc->m_strSuperstructureType, "LRFD (k) I-Beam composite");  // kept
        }
    }
}

TEST_F(DistributionFactorsTest, UserFactorsOnEverySupportOfAContinuousGirder) {
    BuildIBeamBridge(*doc);
    doc->m_nDistFactorMode = kValueSpecified;
    doc->m_dUserDfMoment = 0.71;
    doc->m_dUserDfShear = 0.82;
    doc->m_dUserDfFatigue = 0.43;
    doc->m_bContinuous = 1;
    doc->m_nSpans = 3;
    doc->m_dSkewAngle = 45.0;  // no skew correction on typed factors
    doc->m_nLanes = 1;         // and no multiple presence
    doc->ComputeDistributionFactors();
    EXPECT_EQ(doc->m_dDfMoment, 0.71);
    EXPECT_EQ(doc->m_adDfMomentLeftRight[kDfLeft], 0.71);
    EXPECT_EQ(doc->m_adDfMomentLeftRight[kDfRight], 0.71);
    EXPECT_EQ(doc->m_dDfShear, 0.82);
    for (int j = 1; j <= 4; ++j) EXPECT_EQ(doc->m_adDfShearAtBearing[j], 0.82) << j;
    EXPECT_EQ(doc->m_dDfFatigue, 0.43);
    EXPECT_EQ(doc->m_adDfFatigueLeftRight[kDfLeft], 0.43);
    EXPECT_EQ(doc->m_adSkewCorrection[kSkewCFv], 1.0);
    EXPECT_EQ(doc->m_anDfLeverRuleFlags[kDfFamilyMoment], 0);
    EXPECT_TRUE(host.Messages().empty());
}

// The stage rewrites m_strSuperstructureType. The example designs carry the names of an older
// list ("LRFD (k) I-Beam composite"); the first analysis puts the current name in.
TEST_F(DistributionFactorsTest, TypeNameWrittenByTheStage) {
    struct Case {
        int spec, mode, code, composite;
        const char* before;
        const char* after;
    };
    const Case cases[] = {
        // Examples 1, 3 and 4 (type 7) and example 2 (type 3), factors computed.
        {kSpecLrfd, kValueComputed, 7, 1, "LRFD (k) I-Beam composite", "LRFD(k) I-Beam comp"},
        {kSpecLrfd, kValueComputed, 3, 0, "LRFD (g) Adj Box non-comp", "LRFD(g) Adj Box non-comp"},
        // The same with typed factors: the user-factor names.
        {kSpecLrfd, kValueSpecified, 7, 1, "LRFD (k) I-Beam composite", "LRFD(k) I-Beam comp"},
        {kSpecLrfd, kValueSpecified, 3, 0, "LRFD (g) Adj Box non-comp",
         "LRFD(g) Adj Box non-comp - cellular"},
        // Every other LRFD code, computed.
        {kSpecLrfd, kValueComputed, 0, 1, "", "LRFD(b) Spread Box closed"},
        {kSpecLrfd, kValueComputed, 1, 1, "", "LRFD(c) Spead Box open"},
        {kSpecLrfd, kValueComputed, 2, 1, "", "LRFD(f) Adj Box comp"},
        {kSpecLrfd, kValueComputed, 4, 1, "", "LRFD(h) Channel comp"},
        {kSpecLrfd, kValueComputed, 5, 0, "", "LRFD(i) Channel non-comp"},
        {kSpecLrfd, kValueComputed, 6, 0, "", "LRFD(j) T-Beam non-comp"},
        {kSpecLrfd, kValueComputed, 8, 0, "", "LRFD(g) Rectangular Beam with circular voids"},
        {kSpecLrfd, kValueComputed, 9, 0, "", "LRFD(g) Nonvoided Rectangular beam"},
        {kSpecLrfd, kValueComputed, 99, 1, "", "LRFD(k) I-Beam comp"},
        {kSpecLrfd, kValueComputed, 99, 0, "", "LRFD(g) Adj Box non-comp - cellular"},
        // Typed factors: the names that differ from the computed ones.
        {kSpecLrfd, kValueSpecified, 8, 0, "", "LRFD(g) Adj Box non-comp - circ voids"},
        {kSpecLrfd, kValueSpecified, 9, 0, "", "LRFD(g) Adj Box non-comp - solid"},
        {kSpecLrfd, kValueSpecified, 99, 0, "", "LRFD(k) I-Beam comp"},
        // Standard Specifications.
        {kSpecStandard, kValueComputed, 0, 1, "", "Std I-Beam"},
        {kSpecStandard, kValueComputed, 1, 0, "", "Std MultBm:non-void rect"},
        {kSpecStandard, kValueComputed, 2, 0, "", "Std MultBm:rect circ voids"},
        {kSpecStandard, kValueComputed, 3, 0, "", "Std MultBm:box beam"},
        {kSpecStandard, kValueComputed, 4, 0, "", "Std MultBm:channel"},
        {kSpecStandard, kValueComputed, 5, 1, "", "Std Spread box beam"},
        {kSpecStandard, kValueComputed, 99, 1, "", "Std I-Beam"},
        {kSpecStandard, kValueComputed, 99, 0, "", "Std MultBm:box beam"},
        {kSpecStandard, kValueSpecified, 99, 0, "", "Std I-Beam"},
        {kSpecStandard, kValueSpecified, 3, 0, "", "Std MultBm:box beam"},
    };
    for (const Case& c : cases) {
        doc = NewDoc();
        c.code == 3 || c.composite == 0 ? BuildAdjacentBoxBridge(*doc) : BuildIBeamBridge(*doc);
        doc->m_nSpecification = c.spec;
        doc->m_nDistFactorMode = c.mode;
        doc->m_nSuperstructureType = c.code;
        doc->m_bCompositeDeck = c.composite;
        doc->m_strSuperstructureType = c.before;
        doc->m_bCheckSingleLane = 1;
        doc->ComputeDistributionFactors();
        EXPECT_EQ(doc->m_strSuperstructureType, c.after)
            << "specification " << c.spec << ", mode " << c.mode << ", type " << c.code;
    }
    EXPECT_TRUE(host.Messages().empty());
}

// ---- The single-lane check
// -----------------------------------------------------------------------

TEST_F(DistributionFactorsTest, SingleLaneCheckTiesGoToTheLanesAsSet) {
    BuildIBeamBridge(*doc);
    doc->m_nDistFactorMode = kValueSpecified;  // the same factors for every lane count
    doc->m_dUserDfMoment = doc->m_dUserDfShear = doc->m_dUserDfFatigue = 0.6;
    doc->m_bCheckSingleLane = 1;
    doc->ComputeDistributionFactors();
    EXPECT_EQ(doc->m_anDfGoverningLaneCount[kDfGoverningMoment], 3);
    EXPECT_EQ(doc->m_anDfGoverningLaneCount[kDfGoverningShear], 3);
    EXPECT_EQ(doc->m_nLanes, 3);
}

TEST_F(DistributionFactorsTest, SingleLaneCheckOneLaneGovernsMomentTheLanesAsSetShear) {
    // Exterior spread box, S = 9 ft, de = 3 ft (both de), 2 lanes, L = 80 ft:
    //   one lane: moment and shear 1.2 x (12 - 5) / 9 = 0.9333 (lever rule);
    //   two lanes: moment (0.97 + 3/28.5) MB2 = 0.6970, shear (0.8 + 0.3) VB2 = 0.9535.
    // One lane governs moment, the lanes as set govern shear.
    BuildSpreadBoxBridge(*doc);
    doc->m_nGirderLocation = 2;
    doc->m_dDe = 3.0;
    doc->m_dOverhang = 4.5;  // 4.5 - (42 - 39) / 2 = 3.0
    doc->m_bCheckSingleLane = 1;
    doc->m_bContinuous = 1;
    doc->m_nSpans = 2;
    doc->m_adSpanLength[1] = doc->m_adSpanLength[2] = 80.0;
    doc->ComputeDistributionFactors();

    const double oneLane = 1.2 * 7.0 / 9.0;
    const double twoLaneMoment = (0.97 + 3.0 / 28.5) * lrfd::MB2(9, 48, 80);
    const double twoLaneShear = 1.1 * lrfd::VB2(9, 48, 80);
    ASSERT_GT(oneLane, twoLaneMoment);
    ASSERT_LT(oneLane, twoLaneShear);
    EXPECT_NEAR(doc->m_adDfMomentByLanes[kDfLanesAsSet], twoLaneMoment, 1e-12);
    EXPECT_NEAR(doc->m_adDfMomentByLanes[kDfOneLane], oneLane, 1e-12);
    EXPECT_NEAR(doc->m_adDfShearByLanes[kDfLanesAsSet], twoLaneShear, 1e-12);
    EXPECT_NEAR(doc->m_adDfShearByLanes[kDfOneLane], oneLane, 1e-12);
    EXPECT_NEAR(doc->m_adDfSupportMomentByLanes[kDfOneLaneRight], oneLane, 1e-12);
    EXPECT_NEAR(doc->m_adDfSupportMomentByLanes[kDfLanesAsSetLeft], twoLaneMoment, 1e-12);
    EXPECT_EQ(doc->m_anDfOneLaneLeverFlags[kDfFamilyMoment], 1);
    EXPECT_EQ(doc->m_anDfOneLaneLeverFlags[kDfFamilyShear], 1);

    EXPECT_EQ(doc->m_anDfGoverningLaneCount[kDfGoverningMoment], 1);
    EXPECT_NEAR(doc->m_dDfMoment, oneLane, 1e-12);
    EXPECT_NEAR(doc->m_adDfMomentLeftRight[kDfRight], oneLane, 1e-12);
    // Shear from the computation with the lanes as set, every support included ...
    EXPECT_EQ(doc->m_anDfGoverningLaneCount[kDfGoverningShear], 2);
    EXPECT_NEAR(doc->m_dDfShear, twoLaneShear, 1e-12);
    for (int j = 1; j <= 3; ++j) {
        EXPECT_NEAR(doc->m_adDfShearAtBearing[j], twoLaneShear, 1e-12) << j;
        EXPECT_NEAR(doc->m_adDfSaved1[j], twoLaneShear, 1e-12) << j;
        EXPECT_NEAR(doc->m_adDfSaved2[j], oneLane, 1e-12) << j;
    }
    // ... while the flags and the fatigue factors are the one-lane computation's.
    EXPECT_EQ(doc->m_anDfLeverRuleFlags[kDfFamilyMoment], 1);
    EXPECT_EQ(doc->m_anDfLeverRuleFlags[kDfFamilyShear], 1);
    EXPECT_NEAR(doc->m_dDfFatigue, 7.0 / 9.0, 1e-12);
    EXPECT_EQ(doc->m_nLanes, 2);
}

TEST_F(DistributionFactorsTest, SingleLaneCheckTheLanesAsSetGovernMomentOneLaneShear) {
    // Exterior I-beam of example 1 with de = 0: two lanes give moment 0.77 MI2 = 0.5726 and
    // shear 0.6 VI2 = 0.5303; one lane 1.2 x (9 - 5) / 9 = 0.5333 for both (S + de = 9 > 8).
    BuildIBeamBridge(*doc);
    doc->m_nGirderLocation = 2;
    doc->m_nLanes = 2;
    doc->m_dDe = 0.0;
    doc->m_dOverhang = 1.5;  // 1.5 - 1.5 = 0
    doc->m_bCheckSingleLane = 1;
    doc->ComputeDistributionFactors();
    const double oneLane = 1.2 * 4.0 / 9.0;
    const double twoLaneMoment = 0.77 * lrfd::MI2(9, 105, kIBeamKg, 8);
    const double twoLaneShear = 0.6 * lrfd::VI2(9);
    ASSERT_LT(oneLane, twoLaneMoment);
    ASSERT_GT(oneLane, twoLaneShear);
    EXPECT_EQ(doc->m_anDfGoverningLaneCount[kDfGoverningMoment], 2);
    EXPECT_EQ(doc->m_anDfGoverningLaneCount[kDfGoverningShear], 1);
    EXPECT_NEAR(doc->m_dDfMoment, twoLaneMoment, 1e-12);
    EXPECT_NEAR(doc->m_dDfShear, oneLane, 1e-12);
    EXPECT_NEAR(doc->m_adDfShearAtBearing[2], oneLane, 1e-12);
    EXPECT_EQ(doc->m_anDfLeverRuleFlags[kDfFamilyMoment], 0);  // the two-lane computation's
    EXPECT_EQ(doc->m_nLanes, 2);
}

// ---- Inputs the formulas cannot take ------------------------------------------------------------

TEST_F(DistributionFactorsTest, UnusableDesignsGetNeutralFactorsAndAMessage) {
    struct Case {
        const char* what;
        std::function<void(CKordelDoc&)> change;
        const char* message;
    };
    const Case cases[] = {
        {"no beams", [](CKordelDoc& d) { d.m_nBeams = 0; },
         "The number of beams is less than 1. The live-load distribution factors are taken as "
         "1.0."},
        {"zero span", [](CKordelDoc& d) { d.m_dDesignSpan = 0.0; },
         "The design span is zero or less. The live-load distribution factors are taken as 1.0."},
        {"zero span, Standard",
         [](CKordelDoc& d) {
             d.m_nSpecification = kSpecStandard;
             d.m_nSuperstructureType = kStdMultiBeamBox;
             d.m_dDesignSpan = 0.0;
         },
         "The design span is zero or less. The live-load distribution factors are taken as 1.0."},
        {"continuous, a span of zero",
         [](CKordelDoc& d) {
             d.m_bContinuous = 1;
             d.m_nSpans = 2;
             d.m_adSpanLength[2] = 0.0;
         },
         "A span length is zero or less. The live-load distribution factors are taken as 1.0."},
        {"continuous, current span outside the chain",
         [](CKordelDoc& d) {
             d.m_bContinuous = 1;
             d.m_nSpans = 2;
             d.m_adSpanLength[2] = 100.0;
             d.m_nCurrentSpan = 3;
         },
         "The current span is not one of the spans of the girder. The live-load distribution "
         "factors are taken as 1.0."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        host.ClearMessages();
        doc = NewDoc();
        BuildIBeamBridge(*doc);
        doc->m_bCheckSingleLane = 1;  // three computations, one message
        c.change(*doc);
        doc->ComputeDistributionFactors();
        ASSERT_EQ(host.Messages().size(), 1u);
        EXPECT_EQ(host.Messages()[0].text, c.message);
        EXPECT_EQ(doc->m_dDfMoment, 1.0);
        EXPECT_EQ(doc->m_adDfMomentLeftRight[kDfRight], 1.0);
        EXPECT_EQ(doc->m_dDfShear, 1.0);
        EXPECT_EQ(doc->m_adDfShearAtBearing[1], 1.0);
        EXPECT_EQ(doc->m_dDfFatigue, 1.0);
        EXPECT_EQ(doc->m_adDfMomentByLanes[kDfOneLane], 1.0);
        EXPECT_EQ(doc->m_nLanes, 3);
    }
}

TEST_F(DistributionFactorsTest, ZeroTorsionConstantTakesIOverJFromThePreliminaryK) {
    // Adjacent boxes (f) and (g) with J = 0: I / J from K = 1.0 of a box, 1 / 1.2; the flag
    // warns as for any J of 1.0 in^4 or less.
    for (int code : {kLrfdAdjacentBoxComposite, kLrfdAdjacentBoxNonComposite}) {
        SCOPED_TRACE(code);
        host.ClearMessages();
        doc = NewDoc();
        BuildAdjacentBoxBridge(*doc);
        doc->m_nSuperstructureType = code;
        doc->m_dTorsionConstant = 0.0;
        doc->ComputeDistributionFactors();
        ASSERT_EQ(host.Messages().size(), 1u);
        EXPECT_EQ(host.Messages()[0].text,
                  "The torsional constant J of the girder is zero or less. The live-load "
                  "distribution factors take I/J from the preliminary K of the section.");
        const double IJ = 1.0 / 1.2;
        EXPECT_NEAR(doc->m_dDfMoment, lrfd::MA2(kBoxK7, 48, 95, IJ), 1e-12);
        EXPECT_NEAR(doc->m_dDfShear, lrfd::VA2(48, 95, IJ), 1e-12);
        EXPECT_NEAR(doc->m_dDfFatigue, lrfd::MA1(kBoxK7, 48, 95, IJ) / 1.2, 1e-12);
        EXPECT_EQ(doc->m_bDfJLow, 1);
    }
    // Solid rectangular beams: K = 0.7, I / J = 0.49 / 1.2.
    host.ClearMessages();
    doc = NewDoc();
    BuildAdjacentBoxBridge(*doc);
    doc->m_nSuperstructureType = kLrfdSolidRectangular;
    doc->m_dTorsionConstant = -5.0;
    doc->ComputeDistributionFactors();
    EXPECT_EQ(host.Messages().size(), 1u);
    EXPECT_NEAR(doc->m_dDfMoment, lrfd::MA2(kBoxK7, 48, 95, 0.49 / 1.2), 1e-12);

    // J = 0 where no formula divides by it (channels by S / D): the preliminary K, no message.
    host.ClearMessages();
    doc = NewDoc();
    BuildIBeamBridge(*doc);
    doc->m_nSuperstructureType = kLrfdChannelComposite;
    doc->m_dTorsionConstant = 0.0;
    doc->ComputeDistributionFactors();
    EXPECT_TRUE(host.Messages().empty());
    EXPECT_EQ(doc->m_dDfK, 2.2);
    EXPECT_EQ(doc->m_bDfJLow, 1);
    EXPECT_NEAR(doc->m_dDfMoment, lrfd::SD(9, 2.2, 42, 105, 3), 1e-12);
}

TEST_F(DistributionFactorsTest, ModularRatioNotComputedTakesNOfOne) {
    BuildIBeamBridge(*doc);
    doc->m_dDeckModularRatio = 0.0;
    doc->ComputeDistributionFactors();
    ASSERT_EQ(host.Messages().size(), 1u);
    EXPECT_EQ(host.Messages()[0].text,
              "The modular ratio of the deck is zero or less. The live-load distribution factors "
              "take n = 1.0 in Kg.");
    const double Kg = 545894.0 + 767.0 * 39.4 * 39.4;
    EXPECT_EQ(doc->m_adDfKgTerms[kDfN], 1.0);
    EXPECT_NEAR(doc->m_adDfKgTerms[kDfKg], Kg, 1e-6);
    EXPECT_NEAR(doc->m_dDfMoment, lrfd::MI2(9, 105, Kg, 8), 1e-12);
}

TEST_F(DistributionFactorsTest, ExteriorAdjacentBoxShearWithNothingUnderTheRoot) {
    // b / 12 + de = 4 - 3 = 1 ft < 2 ft: e = 1.0 where the root has no real value.
    BuildAdjacentBoxBridge(*doc);
    doc->m_nGirderLocation = 2;
    doc->m_dDe = -3.0;
    doc->ComputeDistributionFactors();
    EXPECT_EQ(doc->m_adDfWork[kDfWorkShearE], 1.0);
    EXPECT_NEAR(doc->m_dDfShear, lrfd::VA2(48, 95, kBoxIJ), 1e-12);
    EXPECT_TRUE(host.Messages().empty());
}

TEST_F(DistributionFactorsTest, FormulasWithoutAFiniteValueAreReplacedAndReported) {
    // No beam spacing: the lever rule divides by S.
    BuildIBeamBridge(*doc);
    doc->m_nGirderLocation = 2;
    doc->m_dBeamSpacing = 0.0;
    doc->m_bCheckSingleLane = 1;
    doc->ComputeDistributionFactors();
    ASSERT_EQ(host.Messages().size(), 1u);
    EXPECT_EQ(host.Messages()[0].text,
              "The live-load distribution factors have no finite value for this design (check the "
              "beam spacing, girder depth, deck thickness and section properties). 1.0 is used "
              "where none was found.");
    const double* all[] = {&doc->m_dDfMoment,
                           &doc->m_dDfShear,
                           &doc->m_dDfFatigue,
                           &doc->m_adDfMomentLeftRight[kDfLeft],
                           &doc->m_adDfShearAtBearing[1],
                           &doc->m_adDfFatigueLeftRight[kDfRight],
                           &doc->m_adDfMomentByLanes[kDfOneLane],
                           &doc->m_adDfShearByLanes[kDfOneLane]};
    for (const double* v : all) EXPECT_TRUE(std::isfinite(*v));

    // No deck on an I-beam: Kg / (12 L ts^3) divides by zero.
    host.ClearMessages();
    doc = NewDoc();
    BuildIBeamBridge(*doc);
    doc->m_dDeckThickness = 0.0;
    doc->m_dSkewAngle = 45.0;
    doc->ComputeDistributionFactors();
    EXPECT_EQ(host.Messages().size(), 1u);
    EXPECT_EQ(doc->m_dDfMoment, 1.0);
    for (double v : doc->m_adSkewCorrection) EXPECT_TRUE(std::isfinite(v));
}

// ---- Through the analysis
// --------------------------------------------------------------------------

TEST_F(DistributionFactorsTest, TheAnalysisRunsTheStage) {
    BuildIBeamBridge(*doc);
    doc->m_dGirderLength = 106.0;
    doc->RunAnalysis();
    EXPECT_EQ(doc->m_strSuperstructureType, "LRFD(k) I-Beam comp");
    EXPECT_GT(doc->m_dDfMoment, 0.0);
    EXPECT_TRUE(std::isfinite(doc->m_dDfMoment));
}

// The example designs carry the names of an older list; their first analysis writes the
// current ones. Examples 1, 3 and 4 are interior I-beams: MI2 and VI2 with Kg from the section
// stage's yb and modular ratio (example 3 in its first span of 106, 120, 106 ft: L0 = 106 ft,
// right support region (106 + 120) / 2 = 113 ft).
TEST_F(DistributionFactorsTest, ExampleDesignsAfterTheAnalysis) {
    struct Case {
        int example;
        const char* name;
        double S, L0, Lright, ts;
    };
    const Case cases[] = {
        {1, "LRFD(k) I-Beam comp", 9.0, 105.0, 105.0, 8.0},
        {2, "LRFD(g) Adj Box non-comp", 0, 0, 0, 0},
        {3, "LRFD(k) I-Beam comp", 9.0, 106.0, 113.0, 8.0},
        {4, "LRFD(k) I-Beam comp", 8.0, 192.0, 192.0, 8.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.example);
        frame.m_nSeedChoice = c.example;
        doc = NewDoc();
        ASSERT_TRUE(doc->OnNewDocument());
        EXPECT_EQ(doc->m_strSuperstructureType, c.name);
        if (c.S == 0) {
            // Example 2, BIII-48 boxes acting as a unit, 2 lanes, 7 beams: MA2 and VA2.
            EXPECT_NEAR(doc->m_dDfMoment, lrfd::MA2(kBoxK7, 48, 95, kBoxIJ), 1e-12);
            EXPECT_NEAR(doc->m_dDfShear, lrfd::VA2(48, 95, kBoxIJ), 1e-12);
            continue;
        }
        const double yb = doc->m_adCentroidAtStation[kStationMidspan][kSectionCaseGirder];
        const double eg = doc->m_dSectionHeight - yb + c.ts / 2.0;
        const double Kg =
            (doc->m_dSectionIxx + doc->m_dSectionArea * eg * eg) / doc->m_dDeckModularRatio;
        EXPECT_NEAR(doc->m_dDfMoment, lrfd::MI2(c.S, c.L0, Kg, c.ts), 1e-9);
        EXPECT_NEAR(doc->m_adDfMomentLeftRight[kDfRight], lrfd::MI2(c.S, c.Lright, Kg, c.ts), 1e-9);
        EXPECT_NEAR(doc->m_dDfShear, lrfd::VI2(c.S), 1e-12);
        EXPECT_NEAR(doc->m_dDfFatigue, lrfd::MI1(c.S, c.L0, Kg, c.ts) / 1.2, 1e-9);
    }
    EXPECT_TRUE(host.Messages().empty());
}

}  // namespace
}  // namespace kordel::test
