// Dynamic load allowance: the LRFD fixed values and the Standard Specifications impact fraction
// for moment and at every station, computed or specified per vehicle.
#include "engine/liveload/dynamic_load_allowance.h"

#include <cmath>

#include "test_support.h"

namespace kordel::test {
namespace {

TEST(StandardImpact, FractionAndLoadedLength) {
    struct Case {
        double L, expected;
        const char* derivation;
    };
    const Case cases[] = {
        {40.0, 0.30, "50 / 165 = 0.3030, lowered to 0.30"},
        {100.0, 0.222222, "50 / 225"},
        {75.0, 0.25, "50 / 200"},
        {0.0, 0.30, "50 / 125 = 0.4, lowered to 0.30"},
        {-400.0, 0.30, "a loaded length below zero is taken as zero"},
    };
    for (const Case& c : cases) {
        EXPECT_NEAR(StandardImpactFraction(c.L), c.expected, 1e-6) << c.derivation;
    }
    // From the station to the far support: the longer part of the span.
    EXPECT_EQ(StandardShearLoadedLength(0.0, 100.0), 100.0);
    EXPECT_EQ(StandardShearLoadedLength(25.0, 100.0), 75.0);
    EXPECT_EQ(StandardShearLoadedLength(50.0, 100.0), 50.0);  // mid-span takes x itself
    EXPECT_EQ(StandardShearLoadedLength(80.0, 100.0), 80.0);
}

class ImpactTest : public EngineTest {
  protected:
    /// A simple span of 100 ft with hundredth-point stations and two special ones.
    ImpactTest() : doc(NewDoc()) {
        doc->m_nSpecification = kSpecLrfd;
        doc->m_bContinuous = 0;
        doc->m_nSpans = 1;
        doc->m_nCurrentSpan = 1;
        doc->m_dDesignSpan = doc->m_adSpanLength[1] = 100.0;
        for (int i = 0; i < kHundredthStations; ++i) doc->m_adStationX[i] = i;
        doc->m_adStationX[kStationLeftBearingFace] = 0.5;
        doc->m_adStationX[kStationFixed2] = 0.1;
        doc->m_nVehicle1ImpactMode = kValueComputed;
        doc->m_nVehicle2ImpactMode = kValueComputed;
        doc->m_dVehicle1ImpactSpecified = 0.33;
        doc->m_dVehicle2ImpactSpecified = 0.33;
    }

    void ExpectEveryValue(double expected) {
        EXPECT_EQ(doc->m_dImpactPositiveMoment, expected);
        EXPECT_EQ(doc->m_dImpactNegativeMomentLeft, expected);
        EXPECT_EQ(doc->m_dImpactNegativeMomentRight, expected);
        for (int i = 0; i < kStationCount; ++i) {
            EXPECT_EQ(doc->m_adImpactAtPoint[i], expected) << "station " << i;
        }
    }

    std::unique_ptr<CKordelDoc> doc;
};

TEST_F(ImpactTest, LrfdIsThirtyThreePercentWhateverTheSpan) {
    doc->m_nVehicle2ImpactMode = kValueSpecified;
    doc->m_dVehicle2ImpactSpecified = 0.25;
    doc->m_adVehicle1ImpactFactors[0] = -7.0;  // the report arrays are Standard only
    doc->m_dPointImpact = -7.0;

    doc->ComputeImpactFactors(1);
    ExpectEveryValue(0.33);
    EXPECT_EQ(doc->m_dFatigueImpact, 0.15);
    EXPECT_EQ(doc->m_dVehicle1Impact, 0.33);
    EXPECT_EQ(doc->m_dVehicle2Impact, 0.25);

    doc->m_dDesignSpan = 40.0;  // no effect under LRFD
    doc->ComputeImpactFactors(2);
    ExpectEveryValue(0.25);
    EXPECT_EQ(doc->m_dVehicle1Impact, 0.33);
    EXPECT_EQ(doc->m_adVehicle1ImpactFactors[0], -7.0);
    EXPECT_EQ(doc->m_dPointImpact, -7.0);
}

TEST_F(ImpactTest, StandardSimpleSpanPerStation) {
    doc->m_nSpecification = kSpecStandard;
    doc->m_dFatigueImpact = doc->m_dVehicle1Impact = -7.0;  // not written by the Standard rules
    doc->ComputeImpactFactors(1);
    // L = 100 ft: moment 50 / 225 = 0.2222 at mid-span and both supports.
    EXPECT_NEAR(doc->m_dImpactPositiveMoment, 50.0 / 225.0, 1e-12);
    EXPECT_NEAR(doc->m_dImpactNegativeMomentLeft, 50.0 / 225.0, 1e-12);
    EXPECT_NEAR(doc->m_dImpactNegativeMomentRight, 50.0 / 225.0, 1e-12);
    struct Case {
        int station;
        double expected;
        const char* derivation;
    };
    const Case cases[] = {
        {0, 50.0 / 225.0, "x = 0: the whole span is loaded"},
        {25, 50.0 / 200.0, "x = 25: 75 ft to the far support"},
        {50, 50.0 / 175.0, "x = L / 2 exactly takes x: 50 / (50 + 125)"},
        {49, 50.0 / 176.0, "x = 49 < 50: 51 ft loaded"},
        {80, 50.0 / 205.0, "x = 80"},
        {kStationLeftBearingFace, 50.0 / 224.5, "x = 0.5: 99.5 ft loaded"},
        {kStationFixed2, 50.0 / 224.9, "x = 0.1: 99.9 ft loaded"},
    };
    for (const Case& c : cases) {
        EXPECT_NEAR(doc->m_adImpactAtPoint[c.station], c.expected, 1e-12) << c.derivation;
    }
    EXPECT_EQ(doc->m_dPointImpact, doc->m_adImpactAtPoint[kStationCount - 1]);  // the last one
    EXPECT_NEAR(doc->m_adVehicle1ImpactFactors[kImpactPositive], 50.0 / 225.0, 1e-12);
    EXPECT_NEAR(doc->m_adVehicle1ImpactFactors[kImpactNegativeRight], 50.0 / 225.0, 1e-12);
    EXPECT_EQ(doc->m_dFatigueImpact, -7.0);
    EXPECT_EQ(doc->m_dVehicle1Impact, -7.0);

    // A 40 ft span reaches the cap: 50 / 165 = 0.303, stored as 0.30.
    doc->m_dDesignSpan = 40.0;
    doc->ComputeImpactFactors(1);
    EXPECT_EQ(doc->m_dImpactPositiveMoment, 0.30);
}

TEST_F(ImpactTest, StandardContinuousNegativeMomentAveragesTheAdjacentSpans) {
    doc->m_nSpecification = kSpecStandard;
    doc->m_bContinuous = 1;
    doc->m_nSpans = 3;
    doc->m_adSpanLength[1] = 80.0;
    doc->m_adSpanLength[2] = 100.0;
    doc->m_adSpanLength[3] = 120.0;
    doc->m_dDesignSpan = 999.0;  // a continuous girder uses its span lengths
    struct Case {
        int span;
        double positive, left, right;
        const char* derivation;
    };
    const Case cases[] = {
        {1, 50.0 / 205.0, 50.0 / 205.0, 50.0 / 215.0, "first span: own length on the left"},
        {2, 50.0 / 225.0, 50.0 / 215.0, 50.0 / 235.0, "inner span: (80 + 100) / 2 = 90 left"},
        {3, 50.0 / 245.0, 50.0 / 235.0, 50.0 / 245.0, "last span: own length on the right"},
    };
    for (const Case& c : cases) {
        doc->m_nCurrentSpan = c.span;
        doc->ComputeImpactFactors(2);
        EXPECT_NEAR(doc->m_dImpactPositiveMoment, c.positive, 1e-12) << c.derivation;
        EXPECT_NEAR(doc->m_dImpactNegativeMomentLeft, c.left, 1e-12) << c.derivation;
        EXPECT_NEAR(doc->m_dImpactNegativeMomentRight, c.right, 1e-12) << c.derivation;
        EXPECT_NEAR(doc->m_adVehicle2ImpactFactors[kImpactNegativeLeft], c.left, 1e-12);
    }
    // Inner span of 100 ft after one of 80 ft: 50 / (90 + 125) = 0.2326.
    doc->m_nCurrentSpan = 2;
    doc->ComputeImpactFactors(1);
    EXPECT_NEAR(doc->m_dImpactNegativeMomentLeft, 0.2326, 5e-5);
    // Stations are measured in the current span: x = 0 loads the 100 ft span.
    EXPECT_NEAR(doc->m_adImpactAtPoint[0], 50.0 / 225.0, 1e-12);
    EXPECT_TRUE(host.Messages().empty());
}

TEST_F(ImpactTest, StandardSpecifiedValueIsUsedUnchanged) {
    doc->m_nSpecification = kSpecStandard;
    doc->m_nVehicle2ImpactMode = kValueSpecified;
    doc->m_dVehicle2ImpactSpecified = 0.45;  // above 0.30, and kept
    doc->ComputeImpactFactors(2);
    ExpectEveryValue(0.45);
    EXPECT_EQ(doc->m_dPointImpact, 0.45);
    EXPECT_EQ(doc->m_adVehicle2ImpactFactors[kImpactPositive], 0.45);
    EXPECT_EQ(doc->m_adVehicle2ImpactFactors[kImpactNegativeRight], 0.45);

    // Vehicle 1 is still computed, and keeps its own report copy.
    doc->ComputeImpactFactors(1);
    EXPECT_NEAR(doc->m_dImpactPositiveMoment, 50.0 / 225.0, 1e-12);
    EXPECT_NEAR(doc->m_adVehicle1ImpactFactors[kImpactPositive], 50.0 / 225.0, 1e-12);
    EXPECT_EQ(doc->m_adVehicle2ImpactFactors[kImpactPositive], 0.45);
}

TEST_F(ImpactTest, StandardCurrentSpanOutsideTheChainTakesTheCap) {
    doc->m_nSpecification = kSpecStandard;
    doc->m_bContinuous = 1;
    doc->m_nSpans = 2;
    doc->m_nCurrentSpan = 0;
    doc->ComputeImpactFactors(1);
    ASSERT_EQ(host.Messages().size(), 1u);
    EXPECT_EQ(host.Messages()[0].text,
              "The current span is not one of the spans of the girder. The impact fraction is "
              "taken as 0.30.");
    ExpectEveryValue(0.30);
}

}  // namespace
}  // namespace kordel::test
