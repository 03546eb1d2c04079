// Strand force reduction at the girder ends: the bonded fraction of bonded, end-debonded,
// mid-debonded and doubly debonded groups, the drape, the segments of a spliced girder; then the
// stage on example design 1 (anchored force, centroid and eccentricities by section option), the
// girder end itself, stations off the girder, the force entry and the debonding flags.
//
// Example 1: girder 106 ft, design span 105 ft, end distance 0.5 ft, transfer length 60 x 0.5 /
// 12 = 2.5 ft, drape point 0.45 x 105 + 0.5 = 47.75 ft from the girder end; 18 groups of 2
// strands, one strand 0.75 x 0.153 x 270 = 30.9825 kip, all 36 strands 1115.37 kip. The 14
// straight groups hold 2 x 2 + 2 x 8 + 6 x 6 + 10 x 4 + 8 x 2 = 112 strand-in; the four draped
// groups run from 42, 40, 38, 36 in at the ends to 8, 6, 4, 2 in (34 in of drape each).
#include "engine/core/strand_force.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "test_support.h"

namespace kordel::test {
namespace {

TEST(BondedStrandFractionTest, AlongTheGirder) {
    struct Case {
        const char* name;
        double dE, dM;  // ft
        double x;       // ft from the left end of a 100 ft girder, Lt = 2.5 ft
        double expected;
    };
    const Case cases[] = {
        {"bonded, at the end", 0, 0, 0.0, 0.0},
        {"bonded, Lt / 2", 0, 0, 1.25, 0.5},
        {"bonded, at Lt", 0, 0, 2.5, 1.0},
        {"bonded, midspan", 0, 0, 50.0, 1.0},
        {"bonded, Lt / 2 from the right end", 0, 0, 98.75, 0.5},
        {"bonded, at the right end itself", 0, 0, 100.0, 0.0},
        {"end debonded 5 ft, inside", 5, 0, 4.99, 0.0},
        {"end debonded, at the bond start", 5, 0, 5.0, 0.0},
        {"end debonded, (6.25 - 5) / 2.5", 5, 0, 6.25, 0.5},
        {"end debonded, full at dE + Lt", 5, 0, 7.5, 1.0},
        {"end debonded, (95 - 93.75) / 2.5", 5, 0, 93.75, 0.5},
        {"end debonded, right debonded length", 5, 0, 97.0, 0.0},
        {"end debonded, right end", 5, 0, 100.0, 0.0},
        {"mid debonded 10 ft, from the left end", 0, 10, 1.25, 0.5},
        {"mid debonded, (40 - 38.75) / 2.5", 0, 10, 38.75, 0.5},
        {"mid debonded, at 50 - dM", 0, 10, 40.0, 0.0},
        {"mid debonded, mid-length", 0, 10, 50.0, 0.0},
        {"mid debonded, just before 50 + dM", 0, 10, 59.99, 0.0},
        {"mid debonded, (61.25 - 60) / 2.5", 0, 10, 61.25, 0.5},
        {"mid debonded, full again at 62.5", 0, 10, 62.5, 1.0},
        {"mid debonded, (100 - 99) / 2.5", 0, 10, 99.0, 0.4},
        {"both, inside the end length", 5, 10, 4.0, 0.0},
        {"both, (6.25 - 5) / 2.5", 5, 10, 6.25, 0.5},
        {"both, full between", 5, 10, 30.0, 1.0},
        {"both, (40 - 39) / 2.5", 5, 10, 39.0, 0.4},
        {"both, mid zone", 5, 10, 45.0, 0.0},
        {"both, (61.25 - 60) / 2.5", 5, 10, 61.25, 0.5},
        {"both, (95 - 94) / 2.5", 5, 10, 94.0, 0.4},
        {"both, right end length", 5, 10, 96.0, 0.0},
        // A bonded zone shorter than 2 Lt (48.5 to 51.5 ft) counts no more than the nearer end
        // has anchored: at 50.9 ft the zone end is 0.6 ft away, 0.6 / 2.5 = 0.24 (not 2.4 / 2.5).
        {"short zone, midpoint 1.5 / 2.5", 48.5, 0, 50.0, 0.6},
        {"short zone, near its end", 48.5, 0, 50.9, 0.24},
        {"short zone, past its end", 48.5, 0, 51.6, 0.0},
        {"end debonding over half the girder", 50, 0, 50.0, 0.0},
        {"end and mid debonding that meet", 30, 20, 40.0, 0.0},
    };
    for (const Case& c : cases) {
        const std::optional<double> f = BondedStrandFraction(c.x, 100.0, 2.5, c.dE, c.dM);
        ASSERT_TRUE(f) << c.name;
        EXPECT_NEAR(*f, c.expected, 1e-12) << c.name;
    }
    // No transfer length: full force wherever the strand is bonded, 0 at the ends.
    EXPECT_EQ(BondedStrandFraction(0.1, 100.0, 0.0, 0, 0), 1.0);
    EXPECT_EQ(BondedStrandFraction(0.0, 100.0, 0.0, 0, 0), 0.0);
    // Off the girder: no value, whatever the debonding.
    for (double dE : {0.0, 5.0}) {
        for (double dM : {0.0, 10.0}) {
            EXPECT_FALSE(BondedStrandFraction(-0.1, 100.0, 2.5, dE, dM));
            EXPECT_FALSE(BondedStrandFraction(100.1, 100.0, 2.5, dE, dM));
        }
    }
}

TEST(DrapedStrandElevationTest, EndsDrapePointsAndStraightGroups) {
    // 100 ft girder, drape points 40 ft from either end, 40 in at the ends, 4 in at the drape.
    const struct {
        double x, expected;
    } cases[] = {
        {0, 40},   {20, 22},                     // 40 - 36 x 20 / 40
        {40, 4},   {50, 4},  {60, 4}, {80, 22},  // 4 + 36 x 20 / 40
        {100, 40},
    };
    for (const auto& c : cases)
        EXPECT_NEAR(DrapedStrandElevation(c.x, 100, 40, 40, 4), c.expected, 1e-12) << c.x;
    EXPECT_EQ(DrapedStrandElevation(20, 100, 40, 6, 6), 6.0) << "straight group";
    EXPECT_EQ(DrapedStrandElevation(20, 100, 0, 40, 4), 4.0) << "drape point at the end";
}

TEST(SegmentedStrandFractionTest, SegmentsAndClosurePours) {
    // Three segments of 63 ft with closures of 2 ft after the first two (193 ft), Lt = 2.5 ft.
    const double segments[3][2] = {{63, 2}, {63, 2}, {63, 0}};
    const struct {
        double x, expected;
        const char* name;
    } cases[] = {
        {1.25, 0.5, "1.25 / 2.5"},
        {30, 1.0, "inside the first segment"},
        {62, 0.4, "(63 - 62) / 2.5"},
        {63, 0.0, "end of the first segment"},
        {64, kClosurePourFraction, "closure"},
        {65, kClosurePourFraction, "end of the closure"},
        {65.5, 0.2, "(65.5 - 65) / 2.5 into the second segment"},
        {193, 0.0, "end of the last segment"},
    };
    for (const auto& c : cases) {
        const std::optional<double> f = SegmentedStrandFraction(c.x, segments, 2.5);
        ASSERT_TRUE(f) << c.name;
        EXPECT_NEAR(*f, c.expected, 1e-12) << c.name;
    }
    EXPECT_FALSE(SegmentedStrandFraction(193.5, segments, 2.5)) << "beyond the last segment";
    EXPECT_FALSE(SegmentedStrandFraction(-1, segments, 2.5)) << "before the girder";
}

class StrandForceTest : public EngineTest {
  protected:
    void SetUp() override { Reset(); }

    /// A fresh example 1 with no messages recorded.
    void Reset() {
        frame.m_nSeedChoice = SeedSimpleSpan;
        doc = NewDoc();
        ASSERT_TRUE(doc->OnNewDocument());
        host.ClearMessages();
    }
    std::unique_ptr<CKordelDoc> doc;
};

TEST_F(StrandForceTest, Example1AnchoredForceAndCentroid) {
    doc->ComputeStrandForceReduction();
    const struct {
        int station;
        double force, cg;
        const char* derivation;
    } cases[] = {
        // x = 53 ft: every strand bonded, draped groups at 8, 6, 4, 2 in: (112 + 40) / 36.
        {kStationMidspan, 1115.37, 152.0 / 36.0, "midspan"},
        // x = 0.5 ft: 0.5 / 2.5 = 0.2 of the force; draped groups 34 x 0.5 / 47.75 = 0.35602 in
        // below their end elevations: (112 + 2 x (156 - 4 x 0.35602)) / 36 = 421.1518 / 36.
        {kStationLeftBearing, 0.2 * 1115.37, 421.1518 / 36.0, "left bearing"},
        {kStationRightBearing, 0.2 * 1115.37, 421.1518 / 36.0, "right bearing (symmetric)"},
        // x = 2.5 ft = Lt: full force; drape 34 x 2.5 / 47.75 = 1.78010 in:
        // (112 + 2 x (156 - 7.12042)) / 36 = 409.7592 / 36.
        {kStationLeftTransfer, 1115.37, 409.7592 / 36.0, "left transfer point"},
        // The drape point itself, x = 47.75: the drape elevations.
        {kStationLeftDrape, 1115.37, 152.0 / 36.0, "left drape point"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.derivation);
        EXPECT_NEAR(doc->m_adJackingForceAtStation[c.station], c.force, 1e-9);
        EXPECT_NEAR(doc->m_adStrandCgAtStation[c.station], c.cg, 1e-4);
    }
    EXPECT_EQ(doc->m_anDebondFlags[kDebondFlagEnd], 0);
    EXPECT_EQ(doc->m_anDebondFlags[kDebondFlagMid], 0);
    EXPECT_TRUE(host.Messages().empty());
}

TEST_F(StrandForceTest, EccentricityBySectionOption) {
    // At midspan, cg = 4.2222 in; centroids: gross 36.6, case 3 35.3379, case 4 35.4628.
    const double cg = 152.0 / 36.0;
    const struct {
        int mode, lossMethod;
        double release, service;
        const char* name;
    } cases[] = {
        {kTransformNone, kLossLrfd3rd, 36.6, 36.6, "gross girder"},
        {kTransformLiveLoad, kLossLrfd3rd, 36.6, 36.6, "live load only: gross girder"},
        {kTransformAll, kLossLrfd3rd, 35.3379, 35.4628, "transformed at release and in service"},
        {kTransformAllButLiveLoad, kLossLrfd3rd, 35.3379, 35.4628, "the same"},
        {kTransformAll, kLossLrfd6thDetailed, 35.3379, 35.3379,
         "detailed losses computed: the release section in service too"},
        {kTransformNone, kLossLrfd6thDetailed, 36.6, 36.6, "gross girder whatever the method"},
    };
    for (const auto& c : cases) {
        doc->m_nTransformStrandsMode = c.mode;
        doc->m_nLossMethod = c.lossMethod;
        doc->ComputeStrandForceReduction();
        const double* e = doc->m_adStrandEccentricity[kStationMidspan];
        EXPECT_NEAR(e[kEccentricityRelease], c.release - cg, 1e-4) << c.name;
        EXPECT_NEAR(e[kEccentricityService], c.service - cg, 1e-4) << c.name;
    }
    // Specified losses are not the detailed losses computed: case 4 in service.
    doc->m_nTransformStrandsMode = kTransformAll;
    doc->m_nLossMethod = kLossLrfd6thDetailed;
    doc->m_nLossMode = kLossesSpecified;
    doc->ComputeStrandForceReduction();
    EXPECT_NEAR(doc->m_adStrandEccentricity[kStationMidspan][kEccentricityService], 35.4628 - cg,
                1e-4);
}

TEST_F(StrandForceTest, DesignSpanEqualToTheGirderLengthAnalysesWithoutAMessage) {
    // End distance 0: stations 0 and 100 lie on the girder ends, where the strands have anchored
    // nothing yet.
    doc->m_dDesignSpan = doc->m_dGirderLength;
    doc->RunAnalysis();
    EXPECT_TRUE(host.Messages().empty())
        << host.Messages().size() << " messages, the first: " << host.Messages().front().text;
    EXPECT_EQ(doc->m_dEndDistance, 0.0);
    EXPECT_EQ(doc->m_adJackingForceAtStation[kStationLeftBearing], 0.0);
    EXPECT_EQ(doc->m_adJackingForceAtStation[kStationRightBearing], 0.0);
    EXPECT_EQ(doc->m_adStrandCgAtStation[kStationRightBearing], 0.0);
    // 1.06 ft from either end: 1.06 / 2.5 of the force.
    EXPECT_NEAR(doc->m_adJackingForceAtStation[1], 1.06 / 2.5 * 1115.37, 1e-9);
    EXPECT_NEAR(doc->m_adJackingForceAtStation[99], 1.06 / 2.5 * 1115.37, 1e-9);
}

TEST_F(StrandForceTest, StationsOffTheGirderCountNothingAndAreReportedOncePerCase) {
    // A girder 104 ft long on a 105 ft span: stations 0 and 100 lie 0.5 ft beyond its ends.
    // Group 0 is end-debonded, group 1 mid-debonded, group 2 both, the rest bonded.
    doc->m_dGirderLength = 104.0;
    doc->m_aStrandGroup[0][kGroupDebondEnd] = 5.0;
    doc->m_aStrandGroup[1][kGroupDebondMid] = 5.0;
    doc->m_aStrandGroup[2][kGroupDebondEnd] = 5.0;
    doc->m_aStrandGroup[2][kGroupDebondMid] = 5.0;
    doc->ComputeStations();
    ASSERT_EQ(doc->m_dEndDistance, -0.5);
    // A value left from an earlier run must not survive at the stations off the girder.
    doc->m_adJackingForceAtStation[kStationLeftBearing] = 999.0;
    doc->ComputeStrandForceReduction();
    EXPECT_EQ(doc->m_adJackingForceAtStation[kStationLeftBearing], 0.0);
    EXPECT_EQ(doc->m_adJackingForceAtStation[kStationRightBearing], 0.0);
    EXPECT_EQ(doc->m_adStrandCgAtStation[kStationLeftBearing], 0.0);
    // One message per debonding case, however many groups and stations meet it.
    std::vector<std::string> texts;
    for (const auto& m : host.Messages()) {
        texts.push_back(m.text);
        EXPECT_EQ(m.buttons, platform::MsgButtons::Ok);
    }
    std::sort(texts.begin(), texts.end());
    const std::vector<std::string> expected = {
        "Error in debonding strand force reduction routine.",
        "Error in strand force reduction routine. Code:mid.",
        "Error in strand force reduction routine. Code:none.",
    };
    EXPECT_EQ(texts, expected);
    EXPECT_EQ(doc->m_anDebondFlags[kDebondFlagEnd], 1);
    EXPECT_EQ(doc->m_anDebondFlags[kDebondFlagMid], 1);
}

TEST_F(StrandForceTest, ForceEntryNoGroupsAndSegments) {
    // Force entry on example 1 whose groups still hold the 36-strand pattern (one of them end
    // debonded): the force is Pj = 1100 kip once, at the entered centroids 20 in at the end and
    // 9 in at midspan, draped to the drape point 47.75 ft, built up over Lt = 2.5 ft and never
    // debonded. Counting Pj once per pattern strand gave 36 x 1100 kip at the pattern's 4.22 in.
    doc->m_aStrandGroup[0][kGroupDebondEnd] = 5.0;
    doc->m_nPretensionEntryMode = kEntryPrestressForce;
    doc->m_dPForceJacking = 1100.0;
    doc->m_dPForceCgEnd = 20.0;
    doc->m_dPForceCgMid = 9.0;
    doc->ComputeStrandForceReduction();
    const struct {
        int station;
        double force, cg;
        const char* derivation;
    } forceCases[] = {
        {kStationMidspan, 1100.0, 9.0, "midspan, beyond the drape point"},
        // x = 0.5 ft: 0.5 / 2.5 = 0.2 of Pj; 20 - 11 x 0.5 / 47.75 = 19.884817 in.
        {kStationLeftBearing, 0.2 * 1100.0, 19.884817, "left bearing"},
        // x = 2.5 ft: full Pj (the debonded pattern group does not count); 20 - 11 x 2.5 /
        // 47.75 = 19.424084 in.
        {kStationLeftTransfer, 1100.0, 19.424084, "left transfer point"},
    };
    for (const auto& c : forceCases) {
        SCOPED_TRACE(c.derivation);
        EXPECT_NEAR(doc->m_adJackingForceAtStation[c.station], c.force, 1e-9);
        EXPECT_NEAR(doc->m_adStrandCgAtStation[c.station], c.cg, 1e-6);
    }
    EXPECT_EQ(doc->m_anDebondFlags[kDebondFlagEnd], 0);
    // The centroids the reports print and the drape checks use are the entered ones.
    EXPECT_EQ(doc->m_dStrandCgEnd, 20.0);
    EXPECT_EQ(doc->m_dStrandCgMid, 9.0);
    doc->m_aStrandGroup[0][kGroupDebondEnd] = 0.0;

    // No strand groups: no force, centroid 0, eccentricity the section centroid.
    doc->m_nPretensionEntryMode = kEntryStrandPattern;
    doc->m_nStrandGroupCount = 0;
    doc->ComputeStrandForceReduction();
    for (int i = 0; i < kStationCount; ++i) {
        EXPECT_EQ(doc->m_adJackingForceAtStation[i], 0.0);
        EXPECT_EQ(doc->m_adStrandCgAtStation[i], 0.0);
        EXPECT_EQ(doc->m_adStrandEccentricity[i][kEccentricityService],
                  doc->m_adCentroidAtStation[i][kSectionCaseGirder]);
    }

    // Three segments of 35 ft with closures of 0.5 ft (106 ft). Station 33 (x = 33 x 1.05 + 0.5 =
    // 35.15 ft) lies in the first closure: 1e-6 of the force at the end elevations' centroid,
    // (112 + 2 x 156) / 36 = 424 / 36; no drape and no debonding in this mode.
    Reset();
    doc->m_aStrandGroup[0][kGroupDebondEnd] = 5.0;
    doc->m_nSegments = 3;
    const double segments[3][2] = {{35, 0.5}, {35, 0.5}, {35, 0}};
    std::copy(&segments[0][0], &segments[0][0] + 6, &doc->m_adSegments[0][0]);
    doc->ComputeStrandForceReduction();
    EXPECT_NEAR(doc->m_adJackingForceAtStation[33], 1e-6 * 1115.37, 1e-12);
    EXPECT_NEAR(doc->m_adStrandCgAtStation[33], 424.0 / 36.0, 1e-9);
    // Midspan, x = 53 ft, inside the second segment (35.5 to 70.5 ft): full force.
    EXPECT_NEAR(doc->m_adJackingForceAtStation[kStationMidspan], 1115.37, 1e-9);
    EXPECT_NEAR(doc->m_adStrandCgAtStation[kStationMidspan], 424.0 / 36.0, 1e-9);
    // Station 32 (x = 34.1 ft): (35 - 34.1) / 2.5 = 0.36 of the force.
    EXPECT_NEAR(doc->m_adJackingForceAtStation[32], 0.36 * 1115.37, 1e-9);
    EXPECT_EQ(doc->m_anDebondFlags[kDebondFlagEnd], 0) << "no debonding in a segmented girder";
    EXPECT_TRUE(host.Messages().empty());
}

}  // namespace
}  // namespace kordel::test
