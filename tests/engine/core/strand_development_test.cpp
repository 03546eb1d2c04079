// Strand development: the stress along bonded, end-debonded, mid-debonded and doubly debonded
// strands; the groups sorted by their debonding; the developed area and centroid of straight,
// draped and debonded groups at the stations; groups of several debond lengths mixed; the
// jacking-force scaling; the segments of a spliced girder; the tendons; impossible positions; and
// the pattern totals.
#include "engine/core/strand_development.h"

#include <cmath>
#include <utility>
#include <vector>

#include "test_support.h"

namespace kordel::test {
namespace {

// lt 2.5 ft, ld 10 ft, ld debonded 20 ft, fe 150 ksi, fps 250 ksi: the slope over the development
// is 100 / 7.5 = 13.333 ksi/ft from a girder end and 100 / 17.5 = 5.714 ksi/ft from a debonded
// length.
constexpr StrandBond kBond{2.5, 10.0, 20.0, 150.0, 250.0};

TEST(StrandStressTest, AlongTheGirder) {
    struct Case {
        const char* name;
        double G, dE, dM;  // ft
        double x;          // ft from the left end
        double expected;   // ksi
    };
    const Case cases[] = {
        // Bonded, 100 ft.
        {"bonded, lt / 2: fe / 2", 100, 0, 0, 1.25, 75.0},
        {"bonded, just inside lt: 150 x 2.4 / 2.5", 100, 0, 0, 2.4, 144.0},
        {"bonded, at lt: fe", 100, 0, 0, 2.5, 150.0},
        {"bonded, halfway from lt to ld: (fe + fps) / 2", 100, 0, 0, 6.25, 200.0},
        {"bonded, at ld: fps", 100, 0, 0, 10.0, 250.0},
        {"bonded, midspan", 100, 0, 0, 50.0, 250.0},
        {"bonded, 5 ft from the right end: 150 + 2.5 x 13.333", 100, 0, 0, 95.0,
         150.0 + 2.5 * 100.0 / 7.5},
        {"bonded, 1 ft from the right end: 150 x 1 / 2.5", 100, 0, 0, 99.0, 60.0},
        {"bonded, at the right end", 100, 0, 0, 100.0, 0.0},
        // Debonded 5 ft at each end: bond from 5 to 95 ft.
        {"end debonded, inside the debonded length", 100, 5, 0, 4.99, 0.0},
        {"end debonded, at the bond start", 100, 5, 0, 5.0, 0.0},
        {"end debonded, 1.25 past it: fe / 2", 100, 5, 0, 6.25, 75.0},
        {"end debonded, lt past it: fe", 100, 5, 0, 7.5, 150.0},
        {"end debonded, 11.25 past it: 150 + 8.75 x 5.714", 100, 5, 0, 16.25, 200.0},
        {"end debonded, midspan", 100, 5, 0, 50.0, 250.0},
        {"end debonded, 1 ft before the right bond end", 100, 5, 0, 94.0, 60.0},
        {"end debonded, last 5 ft", 100, 5, 0, 96.0, 0.0},
        // Debonded 5 ft either side of mid-length: bond up to 45 and from 55 ft.
        {"mid debonded, 15 ft before the zone: 150 + 12.5 x 5.714", 100, 0, 5, 30.0,
         150.0 + 12.5 * 100.0 / 17.5},
        {"mid debonded, 25 ft before the zone: fps", 100, 0, 5, 20.0, 250.0},
        {"mid debonded, 1 ft before the zone", 100, 0, 5, 44.0, 60.0},
        {"mid debonded, zone start", 100, 0, 5, 45.0, 0.0},
        {"mid debonded, mid-length", 100, 0, 5, 50.0, 0.0},
        {"mid debonded, zone end", 100, 0, 5, 55.0, 0.0},
        {"mid debonded, lt past the zone: fe again", 100, 0, 5, 57.5, 150.0},
        {"mid debonded, 1 ft from the right end", 100, 0, 5, 99.0, 60.0},
        // Both: bond from 5 to 45 and from 55 to 95 ft.
        {"both, end zone", 100, 5, 5, 3.0, 0.0},
        {"both, lt past the end zone", 100, 5, 5, 7.5, 150.0},
        {"both, middle of the first bond: 20 ft from each end, fps", 100, 5, 5, 25.0, 250.0},
        {"both, mid-length", 100, 5, 5, 50.0, 0.0},
        {"both, 1 ft before the right end zone", 100, 5, 5, 94.0, 60.0},
        {"both, right end zone", 100, 5, 5, 97.0, 0.0},
        {"both, debonded lengths that meet: nothing", 100, 30, 25, 10.0, 0.0},
        {"end debonded over half the girder: nothing", 100, 50, 0, 50.0, 0.0},
    };
    for (const Case& c : cases) {
        double stress = -1.0;
        ASSERT_TRUE(DevelopedStrandStress(c.x, c.G, c.dE, c.dM, kBond, stress)) << c.name;
        EXPECT_NEAR(stress, c.expected, 1e-9) << c.name;
    }
}

TEST(StrandStressTest, ShortBondedZonesNeverExceedWhatTheirEndsDevelop) {
    // lt 2 ft, ld 6 ft, ld debonded 10 ft: slopes 100 / 4 = 25 and 100 / 8 = 12.5 ksi/ft.
    const StrandBond b{2.0, 6.0, 10.0, 150.0, 250.0};
    struct Case {
        const char* name;
        double G, dE, dM, x;
        double expected;  // ksi
    };
    const Case cases[] = {
        // 40 ft girder debonded 0.5 ft about mid-length: bond 0 to 19.5 and 20.5 to 40 ft.
        // x = 8: 8 ft from the end (past ld) and 11.5 ft from the debonded zone (past ld
        // debonded): fps, no more (the falling development line alone would give 268.75).
        {"short girder, mid debonded, left", 40, 0, 0.5, 8.0, 250.0},
        // x = 30: 9.5 ft past the debonded zone, 150 + 7.5 x 12.5 = 243.75, still developing;
        // 10 ft from the end it is fully developed. The smaller governs.
        {"short girder, mid debonded, right", 40, 0, 0.5, 30.0, 243.75},
        // 20 ft girder debonded 9 ft at each end: a 2 ft bond from 9 to 11 ft. Each point is
        // limited by its distance to the nearer bond end: 0.5 ft -> 150 x 0.5 / 2 = 37.5.
        {"2 ft bond, middle", 20, 9, 0, 10.0, 75.0},
        {"2 ft bond, 0.5 ft from its end", 20, 9, 0, 10.5, 37.5},
        {"2 ft bond, at its end", 20, 9, 0, 11.0, 0.0},
    };
    for (const Case& c : cases) {
        double stress = -1.0;
        ASSERT_TRUE(DevelopedStrandStress(c.x, c.G, c.dE, c.dM, b, stress)) << c.name;
        EXPECT_NEAR(stress, c.expected, 1e-9) << c.name;
    }
}

TEST(StrandStressTest, OffTheGirderHasNoStress) {
    double stress = 42.0;
    EXPECT_FALSE(DevelopedStrandStress(100.5, 100, 0, 0, kBond, stress));
    EXPECT_FALSE(DevelopedStrandStress(-0.1, 100, 0, 0, kBond, stress));
    EXPECT_EQ(stress, 42.0);
    EXPECT_STREQ(DebondCaseText(DebondCaseOf(0, 0)), "None");
    EXPECT_STREQ(DebondCaseText(DebondCaseOf(5, 0)), "E");
    EXPECT_STREQ(DebondCaseText(DebondCaseOf(0, 5)), "M");
    EXPECT_STREQ(DebondCaseText(DebondCaseOf(5, 5)), "E&M");
}

TEST(DebondClassesTest, GroupsThatDebondAlikeShareAClass) {
    struct Case {
        const char* name;
        std::vector<std::pair<double, double>> debond;  // (end, mid) per group, ft
        std::vector<int> classOf;
        std::vector<int> firstGroup;
    };
    const Case cases[] = {
        {"no groups", {}, {}, {}},
        {"none debonded: one class", {{0, 0}, {0, 0}, {0, 0}}, {0, 0, 0}, {0}},
        // Classes numbered as their first groups come; a class keeps its groups wherever they lie.
        {"mixed",
         {{0, 0}, {5, 0}, {0, 0}, {5, 5}, {5, 0}, {0, 5}},
         {0, 1, 0, 2, 1, 3},
         {0, 1, 3, 5}},
        // Alike means the same bits: -0 is a class of its own, the same NaN shares one.
        {"signed zero and NaN", {{0, 0}, {-0.0, 0}, {NAN, 0}, {NAN, 0}}, {0, 1, 2, 2}, {0, 1, 2}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<StrandGroup> groups(c.debond.size());
        for (size_t g = 0; g < groups.size(); ++g) {
            groups[g][kGroupStrands] = 2;
            groups[g][kGroupDebondEnd] = c.debond[g].first;
            groups[g][kGroupDebondMid] = c.debond[g].second;
        }
        const DebondClasses classes =
            DebondClassesOf(groups.data(), static_cast<int>(groups.size()));
        ASSERT_EQ(classes.count, static_cast<int>(c.firstGroup.size()));
        for (size_t g = 0; g < groups.size(); ++g)
            EXPECT_EQ(classes.classOf[g], c.classOf[g]) << "group " << g;
        for (size_t k = 0; k < c.firstGroup.size(); ++k)
            EXPECT_EQ(classes.firstGroup[k], c.firstGroup[k]) << "class " << k;
    }
}

// ---- Developed area at the stations -------------------------------------------------------------

constexpr double kAs = 0.153;  // in2, 0.5 in strand
constexpr double kPair = 2 * kAs;

class StrandDevelopmentTest : public EngineTest {
  protected:
    /// A 100 ft girder on a 100 ft design span (e = 0: station i < 101 lies at i ft from the left
    /// end), drape point at 0.4 L = 40 ft. Groups: a straight pair at 2 in, a draped pair from
    /// 20 in at the ends to 6 in at the drape points, a straight pair at 4 in debonded 10 ft at
    /// each end.
    std::unique_ptr<CKordelDoc> Girder() {
        auto doc = NewDoc();
        doc->m_dGirderLength = 100;
        doc->m_dDesignSpan = 100;
        doc->m_nDrapePointMode = kDrapeByFraction;
        doc->m_dDrapeFraction = 0.4;
        doc->m_dStrandUnitArea = kAs;
        doc->m_dStrandDiameter = 0.6;
        doc->m_dTransferLengthFactor = 60;  // lt = 60 x 0.6 / 12 = 3 ft: station 102 at 3 ft
        doc->m_nPrestressType = kPretensionOnly;
        doc->m_nPretensionEntryMode = kEntryStrandPattern;
        doc->m_nStrandGroupCount = 3;
        SetGroup(doc->m_aStrandGroup[0], 2, 2, 2, 0);
        SetGroup(doc->m_aStrandGroup[1], 2, 20, 6, 0);
        SetGroup(doc->m_aStrandGroup[2], 2, 4, 4, 10);
        doc->ComputeStations();
        return doc;
    }
    static void SetGroup(StrandGroup& g, double n, double yEnd, double yDrape, double dE) {
        g[kGroupStrands] = n;
        g[kGroupElevationEnd] = yEnd;
        g[kGroupElevationDrape] = yDrape;
        g[kGroupDebondEnd] = dE;
    }

    /// The section-property call: h 72 in, lt 3 ft, fe 150 ksi, ld = ld debonded = lt + 0.01,
    /// fps = fe + 0.01.
    void Develop(CKordelDoc& doc, double h = 72.0) {
        for (double& c : centroid) c = -1.0;  // marks a centroid the routine leaves alone
        doc.ComputeStrandDevelopment(h, doc.m_aStrandGroup, area, centroid, 3.0, 150.0, 3.01, 3.01,
                                     150.01);
    }

    double area[kStationCount] = {};
    double centroid[kStationCount] = {};
};

TEST_F(StrandDevelopmentTest, AtInsideAndBeyondTheTransferLength) {
    auto doc = Girder();
    Develop(*doc);
    // F = sigma / fps with fps = 150.01. Draped pair: y = 20 - 14 x / 40 up to the drape point.
    struct Case {
        const char* name;
        int station;
        double area;      // in2
        double centroid;  // in
    };
    const Case cases[] = {
        // x = 2: sigma = 150 x 2 / 3 = 100, F = 0.666622 for both bonded pairs, the debonded one
        // nothing: 2 x 0.306 x 0.666622; (2 + 19.3) / 2.
        {"just inside lt", 2, 2 * kPair * 100.0 / 150.01, 10.65},
        // x = 3: sigma = fe = 150, F = 0.999933; (2 + 18.95) / 2.
        {"at lt", 3, 2 * kPair * 150.0 / 150.01, 10.475},
        {"at lt, transfer station", kStationLeftTransfer, 2 * kPair * 150.0 / 150.01, 10.475},
        // x = 4: past ld = 3.01, F = 1; (2 + 18.6) / 2.
        {"beyond lt", 4, 2 * kPair, 10.3},
        // x = 11: the debonded pair 1 ft past its bond start, F = 50 / 150.01 = 0.333311:
        // area 0.612 + 0.306 x 0.333311 = 0.713993; moment 0.306 x 2 + 0.306 x 16.15
        // + 0.101993 x 4 = 5.961873; centroid 8.350041.
        {"debonded pair starting", 11, 2 * kPair + kPair * 50.0 / 150.01, 8.350041},
        // Midspan: all three pairs full; (2 + 6 + 4) / 3.
        {"midspan", 50, 3 * kPair, 4.0},
        // x = 60 = G - x_d: the draped pair still at 6 in, rising from there to the end.
        {"right drape point", 60, 3 * kPair, 4.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_NEAR(area[c.station], c.area, 1e-9) << "developed area, in2";
        EXPECT_NEAR(centroid[c.station], c.centroid, 1e-6) << "centroid, in";
    }
    // The girder end (x = G with e = 0): nothing developed, the centroid left as it was, and no
    // message: the end is on the girder.
    EXPECT_EQ(area[kStationRightBearing], 0.0);
    EXPECT_EQ(centroid[kStationRightBearing], -1.0);
    EXPECT_EQ(area[kStationLeftBearing], 0.0);
    EXPECT_EQ(host.Messages().size(), 0u);

    // The records of the draped pair at midspan and at x = 2.
    const StrandDevelopment& draped = doc->m_aStrandRowDevelopment[1];
    EXPECT_EQ(draped[kDevStrandCount], 2.0);
    EXPECT_EQ(draped[kDevElevation + 50], 6.0);
    EXPECT_NEAR(draped[kDevArea + 50], kPair, 1e-12);
    EXPECT_NEAR(draped[kDevStress + 50], 150.0, 1e-12);  // F fe
    EXPECT_NEAR(draped[kDevElevation + 2], 19.3, 1e-12);
    EXPECT_NEAR(draped[kDevStress + 2], 150.0 * 100.0 / 150.01, 1e-9);
    // The debonded pair at x = 5: nothing, every slot 0.
    EXPECT_EQ(doc->m_aStrandRowDevelopment[2][kDevArea + 5], 0.0);
    EXPECT_EQ(doc->m_aStrandRowDevelopment[2][kDevElevation + 5], 0.0);
}

TEST_F(StrandDevelopmentTest, GroupsOfSeveralDebondLengthsMixedKeepTheirOwn) {
    // Straight pairs at 2, 4, 6, 8 and 10 in, debonded 0, 10, 0, 20 and 10 ft at each end: three
    // classes, their groups interleaved. Pull 0.75 x 270 ksi on 0.153 in2: 30.9825 kip a strand.
    auto doc = Girder();
    doc->m_dStrandFpu = 270;
    const double debond[] = {0, 10, 0, 20, 10};  // ft
    doc->m_nStrandGroupCount = 5;
    for (int g = 0; g < 5; ++g) {
        SetGroup(doc->m_aStrandGroup[g], 2, 2.0 + 2.0 * g, 2.0 + 2.0 * g, debond[g]);
        doc->m_aStrandGroup[g][kGroupPullFraction] = 0.75;
    }
    Develop(*doc);
    doc->ComputeStrandForceReduction();
    const double P1 = 0.75 * 270 * kAs;  // kip

    struct Case {
        int station;  // x = station ft
        double F[5];  // developed fraction of each group
        double f[5];  // anchored fraction of each group (transfer length 3 ft)
    };
    const Case cases[] = {
        // x = 11: the 10 ft groups 1 ft into their bond (sigma 150 x 1 / 3 = 50 ksi, 1/3 of the
        // force), the 20 ft group debonded.
        {11, {1, 50 / 150.01, 1, 0, 50 / 150.01}, {1, 1.0 / 3, 1, 0, 1.0 / 3}},
        // x = 21: the 10 ft groups fully developed, the 20 ft group 1 ft into its bond.
        {21, {1, 1, 1, 50 / 150.01, 1}, {1, 1, 1, 1.0 / 3, 1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.station);
        double force = 0.0;  // kip
        for (int g = 0; g < 5; ++g) {
            EXPECT_NEAR(doc->m_aStrandRowDevelopment[g][kDevArea + c.station], kPair * c.F[g],
                        1e-12)
                << "developed area of group " << g << ", in2";
            force += 2 * P1 * c.f[g];
        }
        EXPECT_NEAR(doc->m_adJackingForceAtStation[c.station], force, 1e-9) << "kip";
    }
    EXPECT_TRUE(host.Messages().empty());
}

TEST_F(StrandDevelopmentTest, GroupsAboveTheHeightLimitAddNothing) {
    // h = 10 in: the draped pair counts only where it has come down to 10 in (x >= 28.57 ft).
    auto doc = Girder();
    Develop(*doc, 10.0);
    EXPECT_NEAR(area[4], kPair, 1e-12);  // the straight pair alone
    EXPECT_NEAR(centroid[4], 2.0, 1e-12);
    EXPECT_EQ(doc->m_aStrandRowDevelopment[1][kDevArea + 4], 0.0);
    EXPECT_EQ(doc->m_aStrandRowDevelopment[1][kDevElevation + 4], 0.0);
    EXPECT_NEAR(area[50], 3 * kPair, 1e-12);
}

TEST_F(StrandDevelopmentTest, JackingForceEntryScalesTheArea) {
    // Pj = 30 kip at 0.75 x 270 = 202.5 ksi: Aps = 30 / 202.5 = 0.148148 in2, developed as one
    // strand at the entered centroids (6 in at the end, 5 in at midspan, so 5 in at station 50),
    // whatever the three pattern pairs of the girder hold. Scaling every pattern strand to the
    // whole force gave 6 x 0.148148 in2 at the pattern's centroid.
    auto doc = Girder();
    doc->m_nPretensionEntryMode = kEntryPrestressForce;
    doc->m_dPForceJacking = 30;
    doc->m_dPForceCgEnd = 6;
    doc->m_dPForceCgMid = 5;
    doc->m_dPullFraction = 0.75;
    doc->m_dStrandFpu = 270;
    Develop(*doc);
    EXPECT_NEAR(area[50], 30.0 / 202.5, 1e-12);
    EXPECT_NEAR(doc->m_aStrandRowDevelopment[0][kDevArea + 50], 30.0 / 202.5, 1e-12);
    EXPECT_NEAR(centroid[50], 5.0, 1e-12);

    // No pull fraction: there is no force per strand to scale by. Said, and left as one strand.
    doc->m_dPullFraction = 0;
    Develop(*doc);
    EXPECT_NEAR(area[50], kAs, 1e-12);
    EXPECT_EQ(host.Messages().size(), 1u);
}

TEST_F(StrandDevelopmentTest, SplicedGirderDevelopsSegmentBySegment) {
    // Segments 30 + 2 closure, 30 + 2, 36: 100 ft. ld = 10 ft over each segment end; a closure
    // carries 1e-6; the groups stand at their end elevations, without drape or debonding, also
    // for a girder with pretensioning only.
    auto doc = Girder();
    doc->m_nSegments = 3;
    const double segments[3][2] = {{30, 2}, {30, 2}, {36, 0}};
    for (int s = 0; s < 3; ++s) {
        doc->m_adSegments[s][kSegmentLength] = segments[s][0];
        doc->m_adSegments[s][kSegmentClosure] = segments[s][1];
    }
    for (double& c : centroid) c = -1.0;
    doc->ComputeStrandDevelopment(72.0, doc->m_aStrandGroup, area, centroid, 2.5, 150, 10, 20, 250);
    struct Case {
        int station;  // = x, ft
        double F;
    };
    // Every pair (three of them) counts F x 0.306; centroid (2 + 20 + 4) / 3 = 8.6667.
    for (const Case c : {Case{5, 0.5}, Case{15, 1.0}, Case{25, 0.5}, Case{31, 1e-6}, Case{32, 1e-6},
                         Case{33, 0.1}, Case{50, 1.0}, Case{99, 0.1}}) {
        SCOPED_TRACE(::testing::Message() << "x = " << c.station << " ft");
        EXPECT_NEAR(area[c.station], 3 * kPair * c.F, 1e-12);
        EXPECT_NEAR(centroid[c.station], 26.0 / 3.0, 1e-9);
    }
    // At the girder end F = 0: area 0 and, in this mode, centroid 0.
    EXPECT_EQ(area[0], 0.0);
    EXPECT_EQ(centroid[0], 0.0);
    EXPECT_EQ(host.Messages().size(), 0u);

    // Segments that stop short of the girder end, the last closure ending at 72 ft: positions
    // beyond keep the fraction before them (the closure's 1e-6), and the user is told once.
    doc->m_adSegments[1][kSegmentClosure] = 10;
    doc->m_adSegments[2][kSegmentLength] = 0;
    doc->ComputeStrandDevelopment(72.0, doc->m_aStrandGroup, area, centroid, 2.5, 150, 10, 20, 250);
    EXPECT_EQ(host.Messages().size(), 1u);
    EXPECT_NEAR(area[72], 3 * kPair * 1e-6, 1e-15);
    EXPECT_NEAR(area[90], 3 * kPair * 1e-6, 1e-15);
    for (int i = 0; i < kStationCount; ++i) EXPECT_TRUE(std::isfinite(area[i])) << i;
}

TEST_F(StrandDevelopmentTest, TendonsJoinTheStrandsOfAOnePieceGirder) {
    // Post-tensioning on a one-piece girder: the strands keep their drape and debonding, and the
    // tendon adds its full area. Tendon of 12 strands (2.604 in2) over the girder, cg 12 in at
    // the ends and 3.5 in at mid-length, Z 0.75 in: 12.75 in at the ends, 4.25 in at midspan.
    auto doc = Girder();
    doc->m_nPrestressType = kPostTensioned;
    doc->m_nTendonCount = 1;
    PostTensioningTendon& t = doc->m_aTendons[0];
    t.m_nStrands = 12;
    t.m_fZ = 0.75f;
    t.m_adProfile[kProfileStart][kProfileX] = 0;
    t.m_adProfile[kProfileStart][kProfileCg] = 12;
    t.m_adProfile[kProfileVertex][kProfileX] = 50;
    t.m_adProfile[kProfileVertex][kProfileCg] = 3.5;
    t.m_adProfile[kProfileEnd][kProfileX] = 100;
    t.m_adProfile[kProfileEnd][kProfileCg] = 12;
    doc->m_afTendonArea[0] = 2.604f;
    const double At = static_cast<double>(2.604f);
    Develop(*doc);
    // Midspan: strands 0.918 in2 at 4 in, tendon at 4.25 in.
    EXPECT_NEAR(area[50], 3 * kPair + At, 1e-12);
    EXPECT_NEAR(centroid[50], (3 * kPair * 4.0 + At * 4.25) / (3 * kPair + At), 1e-9);
    // x = 4: strands as without the tendon (0.612 in2 at 10.3 in, drape kept); tendon at
    // 3.5 + 4 x 8.5 x (4 - 50)^2 / 100^2 + 0.75 = 11.4446 in.
    const double y4 = 3.5 + 4.0 * 8.5 * 46.0 * 46.0 / 10000.0 + 0.75;
    EXPECT_NEAR(area[4], 2 * kPair + At, 1e-12);
    EXPECT_NEAR(centroid[4], (2 * kPair * 10.3 + At * y4) / (2 * kPair + At), 1e-9);
    // At the girder end only the tendon: 12.75 in.
    EXPECT_NEAR(area[0], At, 1e-12);
    EXPECT_NEAR(centroid[0], 12.75, 1e-12);
    const StrandDevelopment& rec = doc->m_aTendonDevelopment[0];
    EXPECT_EQ(rec[kDevStrandCount], 12.0);
    EXPECT_NEAR(rec[kDevElevation + 50], 4.25, 1e-12);
    EXPECT_NEAR(rec[kDevArea + 50], At, 1e-12);
    EXPECT_EQ(rec[kDevStress + 50], 150.0);

    // Above the height limit (h 10 in) the tendon counts only near midspan.
    Develop(*doc, 10.0);
    EXPECT_EQ(rec[kDevArea + 0], 0.0);
    EXPECT_NEAR(area[50], 3 * kPair + At, 1e-12);

    // A profile of zero length: said once, the tendon taken at its end elevation, 12.75 in.
    t.m_adProfile[kProfileEnd][kProfileX] = 0;
    Develop(*doc);
    EXPECT_EQ(host.Messages().size(), 1u);
    EXPECT_NEAR(rec[kDevElevation + 50], 12.75, 1e-12);

    // Pretensioning only: no tendon terms, whatever the tendon table holds.
    doc->m_nPrestressType = kPretensionOnly;
    Develop(*doc);
    EXPECT_NEAR(area[50], 3 * kPair, 1e-12);
    EXPECT_EQ(rec[kDevArea + 50], 0.0);

    // A tendon fewer than the call before: the record of the tendon gone reads 0 again.
    doc->m_nPrestressType = kPostTensioned;
    doc->m_nTendonCount = 2;
    doc->m_aTendons[1] = t;
    doc->m_afTendonArea[1] = 2.604f;
    Develop(*doc);
    const StrandDevelopment& second = doc->m_aTendonDevelopment[1];
    ASSERT_EQ(second[kDevStrandCount], 12.0);
    doc->m_nTendonCount = 1;
    Develop(*doc);
    EXPECT_EQ(second[kDevStrandCount], 0.0);
    for (int i = 0; i < kStationCount; ++i) {
        ASSERT_EQ(second[kDevElevation + i], 0.0) << "station " << i;
        ASSERT_EQ(second[kDevArea + i], 0.0) << "station " << i;
        ASSERT_EQ(second[kDevStress + i], 0.0) << "station " << i;
    }
}

TEST_F(StrandDevelopmentTest, PositionsOffTheGirderAreReportedByCase) {
    // A 100 ft girder on a 102 ft design span (e = -1 ft): station 0 lies 1 ft before the girder
    // and station 100 1 ft beyond it. One group of each debonding case.
    auto doc = Girder();
    doc->m_dDesignSpan = 102;
    doc->ComputeStations();
    doc->m_nStrandGroupCount = 4;
    SetGroup(doc->m_aStrandGroup[0], 2, 2, 2, 0);
    SetGroup(doc->m_aStrandGroup[1], 2, 4, 4, 5);
    SetGroup(doc->m_aStrandGroup[2], 2, 6, 6, 0);
    doc->m_aStrandGroup[2][kGroupDebondMid] = 5;
    SetGroup(doc->m_aStrandGroup[3], 2, 8, 8, 5);
    doc->m_aStrandGroup[3][kGroupDebondMid] = 5;
    Develop(*doc);
    bool seen[4] = {};
    const char* texts[4] = {"Error in Aps routine. Case: None", "Error in Aps routine. Case: E",
                            "Error in Aps routine. Case: M", "Error in Aps routine. Case: E&M"};
    for (const auto& m : host.Messages()) {
        for (int k = 0; k < 4; ++k) seen[k] = seen[k] || m.text == texts[k];
    }
    for (int k = 0; k < 4; ++k) EXPECT_TRUE(seen[k]) << texts[k];
    for (int i = 0; i < kStationCount; ++i) {
        EXPECT_TRUE(std::isfinite(area[i])) << "station " << i;
        EXPECT_TRUE(std::isfinite(centroid[i])) << "station " << i;
        EXPECT_GE(area[i], 0.0) << "station " << i;
    }
}

TEST_F(StrandDevelopmentTest, NoFullStressIsReportedNotDividedBy) {
    auto doc = Girder();
    doc->ComputeStrandDevelopment(72.0, doc->m_aStrandGroup, area, centroid, 3.0, 0.0, 3.01, 3.01,
                                  0.0);
    EXPECT_EQ(host.Messages().size(), 1u);
    for (int i = 0; i < kStationCount; ++i) EXPECT_EQ(area[i], 0.0) << "station " << i;
}

TEST_F(StrandDevelopmentTest, PatternTotalsAndDebondTest) {
    auto doc = NewDoc();
    doc->m_nTemplateRowCount = 2;
    StrandPatternRow rows[kMaxPatternRows] = {};
    // Row 0: 2.9 straight strands at 2 in count 2 in the count and 2.9 in the moment (5.8).
    // Row 1: 2 straight at 4 in and 2 draped at 10 in: count 4, moment 8 + 20 = 28.
    // Row 2 lies beyond the used rows.
    rows[0][kRowStraightElevation] = 2;
    rows[0][kRowStraightCount] = 2.9;
    rows[1][kRowStraightElevation] = 4;
    rows[1][kRowStraightCount] = 2;
    rows[1][kRowDrapedElevation] = 10;
    rows[1][kRowDrapedCount] = 2;
    rows[2][kRowStraightCount] = 50;
    int count = -1;
    double cg = -1;
    doc->GetStrandCountAndCentroid(rows, count, cg);
    EXPECT_EQ(count, 6);
    EXPECT_NEAR(cg, (5.8 + 28.0) / 6.0, 1e-12);
    const StrandPatternRow empty[kMaxPatternRows] = {};
    doc->GetStrandCountAndCentroid(empty, count, cg);
    EXPECT_EQ(count, 0);
    EXPECT_EQ(cg, 0.0);

    // Debonding of the first m_nStrandGroupCount groups: k 1 the end lengths, k 2 the mid ones.
    EXPECT_EQ(doc->HasDebonding(doc->m_aStrandGroup, 1), 0) << "no groups";
    doc->m_nStrandGroupCount = 2;
    doc->m_aStrandGroup[1][kGroupDebondEnd] = 6;
    doc->m_aStrandGroup[2][kGroupDebondMid] = 4;  // beyond the count
    EXPECT_EQ(doc->HasDebonding(doc->m_aStrandGroup, 1), 1);
    EXPECT_EQ(doc->HasDebonding(doc->m_aStrandGroup, 2), 0);
    EXPECT_EQ(doc->HasDebonding(doc->m_aStrandGroup, 9), 0) << "no such value";
}

}  // namespace
}  // namespace kordel::test
