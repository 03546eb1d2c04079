// Interface shear: the shear-friction factors and the Standard Specifications' ties against hand
// calculations, and the stage on a composite example design under both specifications.
#include "engine/checks/interface_shear.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "test_support.h"

namespace kordel::test {
namespace {

TEST(LrfdInterfaceFactorsTest, SurfaceAndGirderConcreteGiveTheTableFactors) {
    // LRFD Art. 5.8.4.3: roughened to 0.25 in amplitude c = 0.28 ksi, mu = 1.0, K1 = 0.3,
    // K2 = 1.8 ksi (normal weight) or 1.3 ksi (lightweight); not roughened c = 0.075 ksi,
    // mu = 0.6, K1 = 0.2, K2 = 0.8 ksi whatever the concrete.
    struct Case {
        const char* name;
        int surface, concrete;
        double c, mu, K1, K2;
        bool rough;
    };
    const Case cases[] = {
        {"rough, normal weight", 1, kConcreteNormalWeight, 0.28, 1.0, 0.3, 1.8, true},
        {"rough, sand-lightweight", 1, kConcreteSandLightweight, 0.28, 1.0, 0.3, 1.3, true},
        {"rough, all-lightweight", 1, kConcreteAllLightweight, 0.28, 1.0, 0.3, 1.3, true},
        {"rough, lightweight", 1, kConcreteLightweight, 0.28, 1.0, 0.3, 1.3, true},
        {"surface code 0 counts as rough", 0, kConcreteNormalWeight, 0.28, 1.0, 0.3, 1.8, true},
        {"smooth, normal weight", 2, kConcreteNormalWeight, 0.075, 0.6, 0.2, 0.8, false},
        {"smooth ignores the concrete class", 2, kConcreteSandLightweight, 0.075, 0.6, 0.2, 0.8,
         false},
    };
    for (const Case& k : cases) {
        const InterfaceFactors f = LrfdInterfaceFactors(k.surface, k.concrete);
        EXPECT_DOUBLE_EQ(f.c, k.c) << k.name;
        EXPECT_DOUBLE_EQ(f.mu, k.mu) << k.name;
        EXPECT_DOUBLE_EQ(f.K1, k.K1) << k.name;
        EXPECT_DOUBLE_EQ(f.K2, k.K2) << k.name;
        EXPECT_EQ(f.rough, k.rough) << k.name;
    }
}

TEST(StandardInterfaceSteelTest, TiesFollowTheThresholdsOfBothSurfaces) {
    // bv = 42 in, d = 60 in, fy = 60 ksi:
    //   80 bv d / 1000 = 80 x 42 x 60 / 1000 = 201.6 kip; 350 bv d / 1000 = 882.0 kip;
    //   Vnh1 = 160 x (60 / 40) x 42 x 60 / 1000 = 604.8 kip per percent of ties;
    //   one percent = 0.01 x 12 x 42 = 5.04 in2/ft; Avh,min = 50 x 42 x 12 / 60000 = 0.42 in2/ft.
    const double bv = 42, d = 60;
    const double Vnh1 = StandardTiePercentResistance(60, bv, d);
    const double avhMin = StandardMinimumTies(bv, 60);
    EXPECT_NEAR(Vnh1, 604.8, 1e-9);
    EXPECT_NEAR(avhMin, 0.42, 1e-12);
    struct Case {
        const char* name;
        double Vnh;                              // kip
        double avhNotRough, vnhRough, avhRough;  // in2/ft, kip, in2/ft
    };
    const double v80 = 80.0 * bv * d / 1000.0;
    const Case cases[] = {
        {"below 80 bv d: rough needs no ties", 100, 0.42, 201.6, 0.0},
        // Exactly at the threshold: no ties on the roughened surface, the minimum on the other.
        {"exactly 80 bv d", v80, 0.42, 201.6, 0.0},
        // 0.42 + (500 - 201.6) / 604.8 x 5.04 = 0.42 + 2.486667 = 2.906667
        {"between the thresholds", 500, 2.906667, 882.0, 0.42},
        {"exactly 350 bv d: the minimum on the rough surface", 882.0, 0.42 + 680.4 / 604.8 * 5.04,
         882.0, 0.42},
        // not rough: 0.42 + 798.4 / 604.8 x 5.04 = 7.073333; rough: 0.42 + 118 / 604.8 x 5.04
        // = 1.403333
        {"above 350 bv d", 1000, 7.073333, 882.0, 1.403333},
    };
    for (const Case& k : cases) {
        StandardInterfaceTies t;
        EXPECT_TRUE(StandardInterfaceSteel(k.Vnh, bv, d, Vnh1, avhMin, t)) << k.name;
        EXPECT_NEAR(t.VnhNotRough, 201.6, 1e-9) << k.name;
        EXPECT_NEAR(t.AvhNotRough, k.avhNotRough, 1e-6) << k.name;
        EXPECT_NEAR(t.VnhRough, k.vnhRough, 1e-9) << k.name;
        EXPECT_NEAR(t.AvhRough, k.avhRough, 1e-6) << k.name;
    }
    // Without Vnh1 (fy = 0) the excess cannot be turned into ties: reported, not divided.
    StandardInterfaceTies t;
    EXPECT_FALSE(StandardInterfaceSteel(1000, bv, d, 0.0, avhMin, t));
    EXPECT_TRUE(std::isfinite(t.AvhNotRough) && std::isfinite(t.AvhRough));
    EXPECT_DOUBLE_EQ(StandardMaximumTieSpacing(5), 20.0);  // 4 x 5 in
    EXPECT_DOUBLE_EQ(StandardMaximumTieSpacing(7), 24.0);  // 28 in held to 24 in
}

/// Example 1 (simple-span composite PCI BT-72, top flange 42 in), analysed once; each case then
/// sets the shear results the stage reads at two stations and reruns the stage alone.
class InterfaceShearStageTest : public EngineTest {
  protected:
    void SetUp() override {
        doc = NewDoc();
        doc->BuildExampleDesign(1);
        doc->RunAnalysis();
        host.ClearMessages();
        ASSERT_EQ(doc->m_bCompositeDeck, 1);
        doc->m_dTopFlangeWidth = 42;  // in
        doc->m_dPhiShear = 0.9;
        doc->m_dDeckFc = 4;  // ksi
        for (int i = 0; i < kStationCount; ++i) {
            doc->m_adVu[i] = 0;
            doc->m_adShearDv[i] = 60;
            doc->m_adShearD[i] = 60;
            doc->m_adShearBv[i] = 7;
        }
        // Low shear at the quarter point, high shear at the left critical section.
        doc->m_adVu[25] = 300;
        doc->m_adShearDv[25] = 70;
        doc->m_adVu[kStationLeftCritical] = 900;
        doc->m_adShearDv[kStationLeftCritical] = 30;
    }
    std::unique_ptr<CKordelDoc> doc;
};

TEST_F(InterfaceShearStageTest, LrfdShearFrictionAtLowAndHighShear) {
    struct Case {
        const char* name;
        int surface, concrete;
        double stirrupFy, deckFc;
        double avfcHigh;  // in2/ft at the critical section
        double avfcLow;   // in2/ft at the quarter point
        double limit;     // [4], kip/ft
        double k1fc, k2;  // [6], [7], kip/ft
        const char* label;
    };
    // Acv = 12 x 42 = 504 in2/ft; fy = min(stirrup fy, 60) = 60 ksi in every case.
    // Critical section: vuh = 900 / (30 x 42) = 0.714286 ksi; Vnh = 0.714286 / 0.9 x 504 = 400.0.
    const Case cases[] = {
        // (400 - 0.28 x 504) / (1.0 x 60) = (400 - 141.12) / 60 = 4.314667;
        // K1 f'c = 1.2 < K2 = 1.8: limit = 0.3 x 4 x 504 = 604.8; K2 Acv = 907.2
        {"rough, normal weight, 75 ksi stirrups held to 60", 1, kConcreteNormalWeight, 75, 4,
         4.314667, 0.0, 604.8, 604.8, 907.2, "Rough "},
        // K2 = 1.3: K2 Acv = 655.2; K1 f'c = 1.5 > 1.3, so the limit is K2 Acv; K1 f'c Acv = 756
        {"rough, sand-lightweight, deck 5 ksi", 1, kConcreteSandLightweight, 60, 5, 4.314667, 0.0,
         655.2, 756.0, 655.2, "Rough "},
        // (400 - 0.075 x 504) / (0.6 x 60) = 362.2 / 36 = 10.061111; quarter point
        // (57.142857 - 37.8) / 36 = 0.537302, above the minimum;
        // K1 f'c = 0.2 x 5 = 1.0 > K2 = 0.8: limit = 0.8 x 504 = 403.2; K1 f'c Acv = 504
        {"smooth, lightweight", 2, kConcreteSandLightweight, 60, 5, 10.061111, 0.537302, 403.2,
         504.0, 403.2, "Smooth"},
    };
    for (const Case& k : cases) {
        doc->m_nSpecification = kSpecLrfd;
        doc->m_nInterfaceSurface = k.surface;
        doc->m_nBeamConcreteType = k.concrete;
        doc->m_dStirrupFy = k.stirrupFy;
        doc->m_dDeckFc = k.deckFc;
        doc->ComputeInterfaceShear();
        const double* P = doc->m_adInterfaceParams;
        EXPECT_EQ(doc->m_strInterfaceSurface, k.label) << k.name;
        EXPECT_NEAR(P[kInterfaceAcv], 504.0, 1e-9) << k.name;
        // Avf,min = 0.05 x 504 / 60 = 0.42 in2/ft (75 ksi would give 0.336).
        EXPECT_NEAR(P[kInterfaceAvfMin], 0.42, 1e-9) << k.name;
        EXPECT_NEAR(P[kInterfaceLimit], k.limit, 1e-9) << k.name;
        EXPECT_NEAR(P[kInterfaceK1FcAcv], k.k1fc, 1e-9) << k.name;
        EXPECT_NEAR(P[kInterfaceK2Acv], k.k2, 1e-9) << k.name;

        const int hi = kStationLeftCritical;
        EXPECT_NEAR(doc->m_adInterfaceVuh[hi], 0.714286, 1e-6) << k.name;
        EXPECT_NEAR(doc->m_adInterfaceVnh[hi], 400.0, 1e-9) << k.name;
        EXPECT_NEAR(doc->m_adInterfaceAvfc[hi], k.avfcHigh, 1e-6) << k.name;
        EXPECT_NEAR(doc->m_adInterfaceAvf[hi], k.avfcHigh, 1e-6) << k.name;

        // Quarter point: vuh = 300 / (70 x 42) = 0.102041 ksi; Vnh = 0.102041 / 0.9 x 504 =
        // 57.142857 kip/ft, below the cohesion of the rough surface (0.28 x 504 = 141.12): no
        // shear-friction steel there, but the minimum 0.42 in2/ft.
        EXPECT_NEAR(doc->m_adInterfaceVuh[25], 0.102041, 1e-6) << k.name;
        EXPECT_NEAR(doc->m_adInterfaceVnh[25], 57.142857, 1e-6) << k.name;
        EXPECT_NEAR(doc->m_adInterfaceAvfc[25], k.avfcLow, 1e-6) << k.name;
        EXPECT_NEAR(doc->m_adInterfaceAvf[25], std::max(k.avfcLow, 0.42), 1e-6) << k.name;
        EXPECT_TRUE(host.Messages().empty()) << k.name;
    }
}

TEST_F(InterfaceShearStageTest, StandardTiesAndTheLrfdResultsKept) {
    doc->m_nSpecification = kSpecLrfd;
    doc->ComputeInterfaceShear();
    const double lrfdAvf = doc->m_adInterfaceAvf[kStationLeftCritical];

    doc->m_nSpecification = kSpecStandard;
    doc->m_dStirrupFy = 60;
    doc->m_dLongitudinalFy = 60;
    doc->m_adVu[kStationLeftCritical] = 900;  // Vnh = 900 / 0.9 = 1000 kip
    doc->m_adShearD[kStationLeftCritical] = 60;
    doc->m_adVu[25] = 450;  // Vnh = 500 kip
    doc->m_adShearD[25] = 60;
    doc->ComputeInterfaceShear();

    // bv = 42 in, d = 60 in: thresholds 201.6 and 882 kip, Vnh1 = 604.8 kip, one percent of
    // ties 5.04 in2/ft, Avh,min = 0.42 in2/ft (see the tie table above).
    const double* P = doc->m_adInterfaceParams;
    EXPECT_DOUBLE_EQ(P[kInterfaceBv], 42.0);
    EXPECT_DOUBLE_EQ(P[kInterfaceContactArea], 504.0);
    EXPECT_NEAR(P[kInterfaceAvhMin], 0.42, 1e-12);
    EXPECT_DOUBLE_EQ(P[kInterfaceMaxTieSpacing], 24.0);  // 4 x 7 = 28 in, held to 24 in
    struct Row {
        int station;
        double Vnh, avhNotRough, vnhRough, avhRough;
    };
    const Row rows[] = {{25, 500, 2.906667, 882.0, 0.42},
                        {kStationLeftCritical, 1000, 7.073333, 882.0, 1.403333}};
    for (const Row& r : rows) {
        const int i = r.station;
        EXPECT_NEAR(doc->m_adInterfaceVnh[i], r.Vnh, 1e-9) << i;
        EXPECT_NEAR(doc->m_adInterfaceVnh1[i], 604.8, 1e-9) << i;
        EXPECT_NEAR(doc->m_adInterfaceVnhNotRough[i], 201.6, 1e-9) << i;
        EXPECT_NEAR(doc->m_adInterfaceAvhNotRough[i], r.avhNotRough, 1e-6) << i;
        EXPECT_NEAR(doc->m_adInterfaceVnhRough[i], r.vnhRough, 1e-9) << i;
        EXPECT_NEAR(doc->m_adInterfaceAvhRough[i], r.avhRough, 1e-6) << i;
    }
    // A station with no shear: the roughened surface needs nothing, the other the minimum.
    EXPECT_EQ(doc->m_adInterfaceAvhRough[60], 0.0);
    EXPECT_NEAR(doc->m_adInterfaceAvhNotRough[60], 0.42, 1e-12);
    // The LRFD members keep what the LRFD run wrote.
    EXPECT_EQ(doc->m_adInterfaceAvf[kStationLeftCritical], lrfdAvf);
    EXPECT_EQ(P[kInterfaceAcv], 504.0);
}

TEST_F(InterfaceShearStageTest, UnusableInputsGiveAMessageAndNoInfinity) {
    struct Case {
        const char* name;
        int specification;
        double stirrupFy, flangeWidth, phi, dv;
        const char* cause;
    };
    const Case cases[] = {
        {"LRFD, no stirrup fy", kSpecLrfd, 0, 42, 0.9, 30, "yield strength"},
        {"LRFD, no top flange", kSpecLrfd, 60, 0, 0.9, 30, "top flange width"},
        {"LRFD, phi 0", kSpecLrfd, 60, 42, 0.0, 30, "resistance factor"},
        {"LRFD, no shear depth", kSpecLrfd, 60, 42, 0.9, 0, "shear depth"},
        {"Standard, no stirrup fy", kSpecStandard, 0, 42, 0.9, 30, "yield strength"},
        {"Standard, phi 0", kSpecStandard, 60, 42, 0.0, 30, "resistance factor"},
        {"Standard, no depth", kSpecStandard, 60, 42, 0.9, 0, "shear depth"},
    };
    for (const Case& k : cases) {
        host.ClearMessages();
        doc->m_nSpecification = k.specification;
        doc->m_dStirrupFy = k.stirrupFy;
        doc->m_dTopFlangeWidth = k.flangeWidth;
        doc->m_dPhiShear = k.phi;
        doc->m_adShearDv[kStationLeftCritical] = k.dv;
        doc->m_adShearD[kStationLeftCritical] = k.dv;
        doc->ComputeInterfaceShear();
        for (int i = 0; i < kStationCount; ++i) {
            for (const double v :
                 {doc->m_adInterfaceVuh[i], doc->m_adInterfaceVnh[i], doc->m_adInterfaceAvfc[i],
                  doc->m_adInterfaceAvf[i], doc->m_adInterfaceVnh1[i],
                  doc->m_adInterfaceAvhNotRough[i], doc->m_adInterfaceAvhRough[i]}) {
                ASSERT_TRUE(std::isfinite(v)) << k.name << " station " << i;
            }
        }
        for (const double v : doc->m_adInterfaceParams) ASSERT_TRUE(std::isfinite(v)) << k.name;
        ASSERT_EQ(host.Messages().size(), 1u) << k.name;
        EXPECT_NE(host.Messages()[0].text.find(k.cause), std::string::npos)
            << k.name << ": " << host.Messages()[0].text;
    }
}

TEST_F(InterfaceShearStageTest, NonCompositeGirderLeavesTheMembersAlone) {
    doc->m_bCompositeDeck = 0;
    for (int i = 0; i < kStationCount; ++i) doc->m_adInterfaceAvf[i] = -7.0;
    doc->m_adInterfaceParams[kInterfaceAcv] = -7.0;
    doc->m_strInterfaceSurface = "kept";
    doc->RunAnalysis();
    for (int i = 0; i < kStationCount; ++i) ASSERT_EQ(doc->m_adInterfaceAvf[i], -7.0) << i;
    EXPECT_EQ(doc->m_adInterfaceParams[kInterfaceAcv], -7.0);
    EXPECT_EQ(doc->m_strInterfaceSurface, "kept");
}

/// Example 1 with the shear results of the analysis itself, under each specification.
using InterfaceShearExampleTest = EngineTest;

TEST_F(InterfaceShearExampleTest, AnalysedExampleNeedsFiniteSteelAndNoMessage) {
    for (const int specification : {kSpecLrfd, kSpecStandard}) {
        auto doc = NewDoc();
        doc->BuildExampleDesign(1);
        if (specification == kSpecStandard) {
            doc->m_nSpecification = kSpecStandard;
            doc->m_nSpecEdition = 0;
            doc->m_nShearMethod = 3;
            doc->SetDefaultFactors();
        }
        doc->RunAnalysis();
        const CKordelDoc& d = *doc;
        for (int i = 0; i < kStationCount; ++i) {
            for (const double v : {d.m_adInterfaceVnh[i], d.m_adInterfaceAvf[i],
                                   d.m_adInterfaceAvhNotRough[i], d.m_adInterfaceAvhRough[i]}) {
                ASSERT_TRUE(std::isfinite(v)) << specification << " station " << i;
            }
        }
        const int c = kStationLeftCritical;
        ASSERT_GT(d.m_adVu[c], 0.0);
        if (specification == kSpecLrfd) {
            // Every station carries at least the minimum; the critical section's vuh is its
            // shear over dv bf.
            for (int i = 0; i < kStationCount; ++i)
                ASSERT_GE(d.m_adInterfaceAvf[i], d.m_adInterfaceParams[kInterfaceAvfMin]) << i;
            EXPECT_NEAR(d.m_adInterfaceVuh[c] * d.m_adShearDv[c] * d.m_dTopFlangeWidth, d.m_adVu[c],
                        1e-9 * d.m_adVu[c]);
        } else {
            // Vnh = Vu / phi; a roughened surface never needs more ties than one that is not.
            EXPECT_NEAR(d.m_adInterfaceVnh[c] * d.m_dPhiShear, d.m_adVu[c], 1e-9 * d.m_adVu[c]);
            for (int i = 0; i < kStationCount; ++i)
                ASSERT_LE(d.m_adInterfaceAvhRough[i], d.m_adInterfaceAvhNotRough[i] + 1e-12) << i;
        }
        EXPECT_TRUE(host.Messages().empty()) << specification;
    }
}

}  // namespace
}  // namespace kordel::test
