// Moment-area integration against closed forms, and the camber stage on the example designs.
#include "engine/checks/camber.h"

#include <cmath>
#include <string>

#include "test_support.h"

namespace kordel::test {
namespace {

constexpr int N = kHundredthStations;

/// A prismatic span: E = 4000 ksi, I = 200000 in4, L = 100 ft.
struct Prismatic {
    double E = 4000;   // ksi
    double L = 100;    // ft
    double I[N];       // in4
    double M[N] = {};  // kip-ft
    double defl[N];    // in
    double rot[2];     // radian
    Prismatic() {
        for (double& v : I) v = 200000;
    }
    double x(int i) const { return L * i / (N - 1); }
    bool Run() { return IntegrateMomentArea(E, I, M, L, defl, rot); }
};

TEST(IntegrateMomentAreaTest, UniformLoadGives5wL4Over384EI) {
    Prismatic p;
    const double w = 2.0;  // klf
    for (int i = 0; i < N; ++i) p.M[i] = w * p.x(i) * (p.L - p.x(i)) / 2;
    ASSERT_TRUE(p.Run());
    // EI = 4000 ksi x 200000 in4 = 8.0e8 kip-in2 = 5.5556e6 kip-ft2.
    const double EI = 4000.0 * 200000.0 / 144.0;  // kip-ft2
    // 5 w L^4 / 384 EI = 5 x 2 x 1e8 / (384 x 5.5556e6) = 0.46875 ft = 5.625 in, downward.
    const double midspan = -5.0 * w * std::pow(p.L, 4) / (384 * EI) * 12;  // in
    EXPECT_NEAR(midspan, -5.625, 1e-9);
    // The first segment (M[0] = 0) is left out of the deflection sum: its area,
    // phi_1 = (0 + 98.99)/2 x 1 ft / EI, at an arm of 49.5 ft adds about 0.0052 in upward
    // (0.1 %); the midpoint rule adds another few thousandths.
    EXPECT_NEAR(p.defl[50], midspan, 0.01 * std::abs(midspan)) << p.defl[50];
    // Quarter point: 57 w L^4 / (6144 EI) (Roark, simple beam, uniform load) = 4.0078 in.
    EXPECT_NEAR(p.defl[25], -57.0 * w * std::pow(p.L, 4) / (6144 * EI) * 12, 0.01 * 4.0078);
    // End rotations w L^3 / 24 EI = 2 x 1e6 / (24 x 5.5556e6) = 0.015 rad, equal at both ends.
    EXPECT_NEAR(p.rot[0], 0.015, 0.015 * 1e-3);
    EXPECT_NEAR(p.rot[1], 0.015, 0.015 * 1e-3);
    EXPECT_EQ(p.defl[0], 0.0);
    // At the right bearing the left-out end segments remain: M1 = 99 k-ft, phi_1 = 49.5 x 1 /
    // 8e8 = 6.1875e-8 ft2/in2 at 99.5 ft, phi_100 the same at 0.5 ft:
    // -(6.1875e-8 x 100) x 1728 = -0.010692 in.
    EXPECT_NEAR(p.defl[100], -0.010692, 1e-6);
}

TEST(IntegrateMomentAreaTest, PrestressPatternsMatchClosedForms) {
    // Force P = 1000 kip; eccentricity e_e at the ends and e_c between the drape points at
    // a = 0.4 L from each end (linear between): camber = P e_e L^2 / 8EI
    // + P (e_c - e_e) (L^2/8 - a^2/6) / EI (moment-area, two-point drape).
    struct Case {
        const char* name;
        double ee, ec;  // in
    };
    const Case cases[] = {{"straight, e = 20 in", 20, 20},
                          {"two-point drape, 10 in at the ends, 22 in between", 10, 22}};
    const double P = 1000;                        // kip
    const double EI = 4000.0 * 200000.0 / 144.0;  // kip-ft2
    for (const Case& c : cases) {
        Prismatic p;
        const double a = 0.4 * p.L;  // ft
        for (int i = 0; i < N; ++i) {
            const double x = std::min(p.x(i), p.L - p.x(i));
            const double e = x >= a ? c.ec : c.ee + (c.ec - c.ee) * x / a;  // in
            p.M[i] = -P * e / 12;
        }
        ASSERT_TRUE(p.Run()) << c.name;
        // Straight: 1000 x 20/12 x 1e4 / (8 x 5.5556e6) = 0.375 ft = 4.5 in.
        const double L = p.L;
        const double camber =
            (P * c.ee / 12 * L * L / 8 + P * (c.ec - c.ee) / 12 * (L * L / 8 - a * a / 6)) / EI *
            12;  // in
        EXPECT_NEAR(p.defl[50], camber, 1e-3 * camber) << c.name;
        // No zero moment anywhere: nothing is left out, the rotations are equal and opposite
        // to a sagging load (negative).
        EXPECT_NEAR(p.rot[0], p.rot[1], 1e-12) << c.name;
        EXPECT_LT(p.rot[0], 0.0) << c.name;
    }
}

TEST(IntegrateMomentAreaTest, UnusableInputsGiveZeroNotNaN) {
    struct Case {
        const char* name;
        double E, L, I50;
    };
    const Case cases[] = {{"E = 0", 0, 100, 200000},
                          {"L = 0", 4000, 0, 200000},
                          {"I = 0 at one station", 4000, 100, 0}};
    for (const Case& c : cases) {
        Prismatic p;
        p.E = c.E;
        p.L = c.L;
        p.I[50] = c.I50;
        for (int i = 0; i < N; ++i) p.M[i] = 100;
        EXPECT_FALSE(p.Run()) << c.name;
        for (double v : p.defl) EXPECT_EQ(v, 0.0) << c.name;
        EXPECT_EQ(p.rot[0], 0.0) << c.name;
    }
}

class CamberTest : public EngineTest {
  protected:
    std::unique_ptr<CKordelDoc> Example(int n) {
        frame.m_nSeedChoice = n;
        auto d = NewDoc();
        d->OnNewDocument();
        return d;
    }
};

TEST_F(CamberTest, Example1ReleaseCamberMatchesHandCalculation) {
    auto d = Example(SeedSimpleSpan);
    const CKordelDoc& D = *d;
    const int m = kStationMidspan;
    const double I = D.m_adInertiaAtStation[m][kSectionCaseGirder];  // in4
    // Girder weight on the release span: 5 w L^4 / 384 EI with w = 8 M_mid / Lr^2.
    const double Lr = D.m_dReleaseSpan;                                                    // ft
    const double w = 8 * D.m_aMoment[m][kCaseGirderRelease] / (Lr * Lr);                   // klf
    const double girder = -5 * w * std::pow(Lr, 4) / (384 * D.m_dBeamEci * I / 144) * 12;  // in
    EXPECT_NEAR(D.m_adCamberSummary[kCamberGirder], girder, 0.01 * std::abs(girder))
        << "girder weight: " << D.m_adCamberSummary[kCamberGirder] << " against " << girder;
    // Prestress: P e G^2 / 8 Eci I at mid-span, P = (1 - loss/fpj) x developed force; the
    // strand pattern's drape and the transfer length at the ends make the integral smaller
    // than this bound, by the drape term for a harped pattern.
    const double G = D.m_dGirderLength;  // ft
    const double P = (1 - D.m_adTotalLoss[kTotalLossRelease] / D.m_dStrandStressJacking) *
                     D.m_adJackingForceAtStation[m];                                  // kip
    const double ec = D.m_adStrandEccentricity[m][kEccentricityRelease];              // in
    const double ee = D.m_adStrandEccentricity[0][kEccentricityRelease];              // in
    const double straight = P * ec / 12 * G * G / 8 / (D.m_dBeamEci * I / 144) * 12;  // in
    // Two-point drape: the diagram of stations 0 to 100 spread over the girder length G, so the
    // drape point sits at a = G x X104 / L = 106 x 47.25 / 105 = 47.7 ft. With P = 1014.9 kip,
    // e_e = 24.90 in, e_c = 32.38 in, Eci I = 4287 x 545894 / 144 = 1.6252e7 kip-ft2:
    // P [e_e G^2/8 + (e_c - e_e)(G^2/8 - a^2/6)] / 12 / EI = 0.2219 ft = 2.663 in; the transfer
    // length at the ends takes off a little.
    const double a = G * D.m_adStationX[kStationLeftDrape] / D.m_dDesignSpan;  // ft
    const double harped = P * (ee * G * G / 8 + (ec - ee) * (G * G / 8 - a * a / 6)) / 12 /
                          (D.m_dBeamEci * I / 144) * 12;  // in
    EXPECT_NEAR(D.m_adCamberSummary[kCamberPretension], harped, 0.01 * harped)
        << "release camber " << D.m_adCamberSummary[kCamberPretension] << " against " << harped;
    EXPECT_LT(D.m_adCamberSummary[kCamberPretension], straight) << "the drape lowers the camber";
    // Erection and final: x 1.80 and x 2.20 (composite column), girder x 1.85 and x 2.40.
    EXPECT_NEAR(D.m_adCamberSummary[kCamberPretensionErection],
                1.80 * D.m_adCamberSummary[kCamberPretension], 1e-12);
    EXPECT_NEAR(D.m_adCamberSummary[kCamberPretensionFinal],
                2.20 * D.m_adCamberSummary[kCamberPretension], 1e-12);
    EXPECT_NEAR(D.m_adCamberSummary[kCamberGirderFinal], 2.40 * D.m_adCamberSummary[kCamberGirder],
                1e-12);
    EXPECT_GT(D.m_adCamberSummary[kCamberPretension], 0.0);
}

TEST_F(CamberTest, AllExamplesGiveFiniteResults) {
    for (int n : {SeedSimpleSpan, SeedAdjacentBox, SeedContinuous, SeedSpliced}) {
        auto d = Example(n);
        for (const auto& table : d->m_adDeflectionResults) {
            for (double v : table) ASSERT_TRUE(std::isfinite(v)) << "example " << n;
        }
        for (double v : d->m_adCamberSummary) ASSERT_TRUE(std::isfinite(v)) << "example " << n;
        for (double v : d->m_adDeflectionSummary) ASSERT_TRUE(std::isfinite(v)) << "example " << n;
        for (double v : d->m_adSupportPrestress) ASSERT_TRUE(std::isfinite(v)) << "example " << n;
        EXPECT_NE(d->m_adCamberSummary[kCamberPretension], 0.0) << "example " << n;
        EXPECT_LT(d->m_adCamberSummary[kCamberGirder], 0.0) << "example " << n;
        for (int i = kHundredthStations; i < kStationCount; ++i) {
            EXPECT_EQ(d->m_adDeflectionResults[kDeflPretension][i], 0.0) << "example " << n;
        }
    }
}

TEST_F(CamberTest, MultipliersTotalsAndContinuousTablesPerExample) {
    struct Case {
        int example;
        bool composite, continuous, postTensioned;
    };
    const Case cases[] = {{SeedSimpleSpan, true, false, false},
                          {SeedAdjacentBox, false, false, false},
                          {SeedContinuous, true, true, false},
                          {SeedSpliced, true, false, true}};
    for (const Case& c : cases) {
        auto d = Example(c.example);
        const std::string name = "example " + std::to_string(c.example);
        ASSERT_EQ(d->m_bCompositeDeck != 0, c.composite) << name;
        ASSERT_EQ(d->m_bContinuous != 0, c.continuous) << name;
        const double* C = d->m_adCamberSummary;
        const double* W = d->m_adCamberMultiplier;
        // Non-composite: deck 3.00 / composite-girder 2.30 not used, W4 to W6 are 0; W7 is the
        // non-composite superimposed entry, 3.00 in every example.
        EXPECT_EQ(W[kWDeckFinal], c.composite ? 2.30 : 0.0) << name;
        EXPECT_EQ(W[kWDiaphragmsFinal], c.composite ? 2.30 : 0.0) << name;
        EXPECT_EQ(W[kWPrestressFinal], c.composite ? 2.20 : 2.45) << name;
        EXPECT_EQ(W[kWGirderFinal], c.composite ? 2.40 : 2.70) << name;
        EXPECT_EQ(W[kWBarriersFinal], 3.00) << name;
        // Final total: every final value of the mid-span summary.
        const double total =
            C[2] + C[5] + C[8] + C[10] + C[12] + C[14] + C[16] + C[18] + C[20] + C[22];
        EXPECT_NEAR(d->m_adDeflectionSummary[kDeflSummaryFinalTotal], total, 1e-12) << name;
        // Quarter-point block repeats the layout at station 25.
        EXPECT_EQ(d->m_adDeflectionSummary[int{kDeflSummaryQuarterFirst} + kCamberGirder],
                  d->m_adDeflectionResults[kDeflGirder][25])
            << name;
        if (c.continuous) {
            for (int i : {25, 50, 75}) {
                EXPECT_EQ(d->m_adDeflectionResults[kDeflBarriers][i],
                          d->m_adBarrierDeflection[i][kDeflectionContinuousBeam])
                    << name << " station " << i;
                EXPECT_EQ(d->m_adDeflectionResults[kDeflWearingSurface][i],
                          d->m_adFwsDeflection[i][kDeflectionContinuousBeam])
                    << name << " station " << i;
            }
        }
        if (!HasPostTensioning(d->m_nPrestressType, d->m_nTendonCount)) {
            EXPECT_EQ(C[kCamberPostTension], 0.0) << name;
            EXPECT_EQ(d->m_adSupportPrestress[kSupportPostTensionLeft], 0.0) << name;
        } else {
            EXPECT_NE(C[kCamberPostTension], 0.0) << name;
        }
        // The pretensioning end rotations: both ends turn upward by the same amount on a
        // symmetric pattern, stored as -left and right.
        EXPECT_NEAR(d->m_adSupportPrestress[kSupportPretensionLeft],
                    -d->m_adSupportPrestress[kSupportPretensionRight],
                    1e-3 * std::abs(d->m_adSupportPrestress[kSupportPretensionRight]))
            << name;
    }
    for (const auto& m : host.Messages()) {
        EXPECT_EQ(m.text.find("deflection under"), std::string::npos) << m.text;
    }
}

}  // namespace
}  // namespace kordel::test
