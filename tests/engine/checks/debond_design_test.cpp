// The preliminary end-debonding design: the hand-calculation estimate against worked numbers,
// the elevations of straight and draped groups along the girder, every outcome of the design on
// example 1, and the refusal of a step that would never end the search.
#include "engine/checks/debond_design.h"

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "test_support.h"

namespace kordel::test {
namespace {

StrandGroup Group(double n, double yEnd, double yDrape) {
    StrandGroup g;
    g[kGroupStrands] = n;
    g[kGroupElevationEnd] = yEnd;
    g[kGroupElevationDrape] = yDrape;
    return g;
}

TEST(DebondDesignTest, DevelopmentLengthsAtTheEstimatedEffectiveStress) {
    // fpe = 0.6 x 270 = 162 ksi; fpu - 2/3 fpe = 270 - 108 = 162 ksi; db = 0.6 in:
    // K = 1.6: 1.6 x 162 x 0.6 / 12 = 12.96 ft; debonded K = 2.0: 16.2 ft.
    EXPECT_NEAR(DebondDevelopmentLength(1.6, 270.0, 0.6), 12.96, 1e-12);
    EXPECT_NEAR(DebondDevelopmentLength(2.0, 270.0, 0.6), 16.2, 1e-12);
}

TEST(DebondDesignTest, LossConstantsByStrandKindAndSpecification) {
    struct Case {
        int kind;
        bool lrfd;
        double r, K2;
    };
    const Case cases[] = {
        {kStrandLowRelaxation, true, 0.06666666666666676, 40},
        {kStrandLowRelaxation, false, 0.08000000000000007, 40},
        {kStrandStressRelieved, true, 0.07142857142857129, 10},
        {kStrandStressRelieved, false, 0.09999999999999998, 10},
        {0, true, 0.07142857142857129, 10},  // any other kind is taken as stress-relieved
    };
    for (const Case& c : cases) {
        const DebondLossConstants k = DebondLossConstantsFor(c.kind, c.lrfd);
        EXPECT_EQ(k.r, c.r) << c.kind << " " << c.lrfd;
        EXPECT_EQ(k.K2, c.K2) << c.kind << " " << c.lrfd;
    }
}

TEST(DebondDesignTest, GroupElevationAlongTheGirder) {
    // Girder 100 ft, hold-down points 40 ft from each end; draped group 40 in at the ends,
    // 4 in between the hold-down points.
    const StrandGroup draped = Group(2, 40, 4);
    const StrandGroup straight = Group(2, 6, 6);
    struct Case {
        double L, draped, straight;  // ft; in, in
    };
    const Case cases[] = {
        {0, 40, 6},   {10, 31, 6},  // 40 - 36 x 10 / 40
        {40, 4, 6},                 // at the hold-down point
        {59.9, 4, 6},               // between the hold-down points
        {80, 22, 6},                // past the right one: 4 + 36 x (80 - 100 + 40) / 40
    };
    for (const Case& c : cases) {
        EXPECT_NEAR(GroupElevationAt(draped, c.L, 40, 100), c.draped, 1e-12) << c.L;
        EXPECT_EQ(GroupElevationAt(straight, c.L, 40, 100), c.straight) << c.L;
    }
    // No run to a hold-down point: the drape-point elevation, never a division by zero.
    EXPECT_EQ(GroupElevationAt(draped, 10, 0, 100), 4);
}

/// A 12 x 24 in rectangle: A = 288 in2, yb = 12 in, I = 12 x 24^3 / 12 = 13824 in4, so
/// Sb = St = 1152 in3; 0.153 in2 strands of 270 ksi pulled to 0.75 fpu = 202.5 ksi.
DebondEstimateInput Rectangle() {
    DebondEstimateInput in;
    in.A = 288;
    in.yb = 12;
    in.I = 13824;
    in.h = 24;
    in.aps = 0.153;
    in.fpu = 270;
    in.fpy = 243;
    in.Ep = 28500;
    in.Eci = 4000;
    in.pull = 0.75;
    in.fpj = 202.5;
    in.loss = DebondLossConstantsFor(kStrandLowRelaxation, true);
    in.transferAge = 1;
    in.computedLoss = false;
    in.specifiedLossPercent = 10;
    in.allowCompression = 3.0;
    in.allowTension = -0.2;
    return in;
}

TEST(DebondDesignTest, TippingGroupWithTheSpecifiedLoss) {
    // Two groups of two strands at 4 in: e = 8 in. One group: Pj = 0.75 x 0.306 x 270 =
    // 61.965 kip, P = 0.9 Pj = 55.7685 kip; fb = P (1/288 + 8/1152) = 0.58092 ksi,
    // ft = P (1/288 - 8/1152) = -0.19364 ksi. Both groups: 1.16184 and -0.38728 ksi.
    // A girder moment of 19.2 k-ft adds -/+ 12 x 19.2 / 1152 = 0.2 ksi at bottom and top.
    struct Case {
        const char* name;
        double allowTension, allowCompression, Mg;
        int tipping;
    };
    const Case cases[] = {
        {"second group breaks the tension limit", -0.2, 3.0, 0, 1},
        {"first group already does", -0.19, 3.0, 0, 0},
        {"second group breaks the compression limit", -0.5, 1.0, 0, 1},
        {"within both limits", -0.5, 3.0, 0, -1},
        {"girder weight relieves the top", -0.2, 3.0, 19.2, -1},
    };
    const StrandGroup groups[] = {Group(2, 4, 4), Group(2, 4, 4)};
    for (const Case& c : cases) {
        DebondEstimateInput in = Rectangle();
        in.allowTension = c.allowTension;
        in.allowCompression = c.allowCompression;
        const DebondSection s = FindTippingGroup(groups, 2, 5.0, 40, 100, c.Mg, in);
        EXPECT_EQ(s.tippingGroup, c.tipping) << c.name;
        EXPECT_FALSE(s.SpsWritten) << c.name;
    }
}

TEST(DebondDesignTest, TippingGroupWithTheComputedLoss) {
    // One group of two strands at 4 in, LRFD low-relaxation (r = 1/15, K2 = 40), transfer at
    // 1 day: Pi = (1 - 1/15) x 61.965 = 57.834 kip; fcgp = Pi (1/288 + 64/13824) = 0.468563 ksi;
    // ES = 28500 / 4000 x fcgp = 3.338508 ksi; RE = log10(24) / 40 x (202.5/243 - 0.55) x 202.5
    // = 1.979740 ksi; P = (1 - 5.318248 / 202.5) x 61.965 = 60.337616 kip;
    // ft = P (1/288 - 8/1152) = -0.2095056 ksi. A limit a hair either side of it decides.
    const StrandGroup groups[] = {Group(2, 4, 4)};
    DebondEstimateInput in = Rectangle();
    in.computedLoss = true;
    in.allowCompression = 3.0;
    in.allowTension = -0.20950;
    DebondSection s = FindTippingGroup(groups, 1, 5.0, 40, 100, 0, in);
    EXPECT_EQ(s.tippingGroup, 0);
    in.allowTension = -0.20951;
    s = FindTippingGroup(groups, 1, 5.0, 40, 100, 0, in);
    EXPECT_EQ(s.tippingGroup, -1);
    ASSERT_TRUE(s.SpsWritten);
    EXPECT_NEAR(s.Sps, 1728.0, 1e-9);  // I / e = 13824 / 8

    // Strands at the centroid: e = 0, a finite estimate and Sps 0 instead of I / 0.
    const StrandGroup centred[] = {Group(2, 12, 12)};
    s = FindTippingGroup(centred, 1, 5.0, 40, 100, 0, in);
    EXPECT_EQ(s.tippingGroup, -1);
    EXPECT_EQ(s.Sps, 0.0);
}

class StageCounter : public AnalysisObserver {
  public:
    void OnStage(AnalysisStage) override { ++stages; }
    int stages = 0;
};

class DebondDesignDocTest : public EngineTest {
  protected:
    /// Example 1 analysed (36 strands in 18 groups, 0.5 in strands, transfer length 2.5 ft,
    /// debonding step 5 ft), every group given a debond length of 7 ft beforehand.
    std::unique_ptr<CKordelDoc> Example1() {
        auto doc = NewDoc();
        doc->BuildExampleDesign(SeedSimpleSpan);
        for (int g = 0; g < doc->m_nStrandGroupCount; ++g)
            doc->m_aStrandGroup[g][kGroupDebondEnd] = 7.0;
        return doc;
    }
    /// Release limits -coef sqrt(f'ci) without the 0.2 ksi cap, then the analysis.
    static void AnalyseWithReleaseTension(CKordelDoc& d, double coef) {
        d.m_dReleaseTensionCoef = coef;
        d.m_nReleaseTensionLimit = 0;
        d.RunAnalysis();
    }
};

TEST_F(DebondDesignDocTest, EveryOutcomeWithItsMessage) {
    struct Case {
        const char* name;
        double tensionCoef;  // release tension limit coefficient of sqrt(f'ci), ksi
        double step;         // ft
        const char* message;
        platform::MsgIcon icon;
        bool debonded;
    };
    const Case cases[] = {
        // -1.0 x sqrt(5) = -2.24 ksi: no section of example 1 comes near it.
        {"limits never reached", -1.0, 5.0, "Debonding not necessary.",
         platform::MsgIcon::Information, false},
        // -0.03 x sqrt(5) = -0.067 ksi: the upper groups tip the top fibre near the end.
        {"tight tension limit", -0.03, 5.0,
         "Preliminary debonding pattern found.\nPlease review it.", platform::MsgIcon::Information,
         true},
        // A step longer than the girder: the only section is the transfer length, 2.5 ft; it
        // tips, and 2.5 + 106 ft lies past the last section (53 - 13.4 ft) plus 2.5 ft.
        {"no room for another step", -0.01, 106.0,
         "Preliminary debonding pattern could not be found.", platform::MsgIcon::None, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        host.ClearMessages();
        auto doc = Example1();
        AnalyseWithReleaseTension(*doc, c.tensionCoef);
        doc->m_dDebondLengthStep = c.step;
        (void)doc->Report();  // built: only a new analysis leaves a report to build
        doc->m_saReport.clear();
        doc->DesignDebonding();

        ASSERT_EQ(host.Messages().size(), 1u);
        EXPECT_EQ(host.Messages()[0].text, c.message);
        EXPECT_EQ(host.Messages()[0].icon, c.icon);
        EXPECT_FALSE(doc->Report().empty()) << "the design is analysed whatever the outcome";
        EXPECT_EQ(doc->m_anDebondFlags[kDebondFlagEnd] != 0, c.debonded);
        // The 7 ft of before are gone; what is left is whole steps, never shorter for a later
        // group (a tipping group lengthens itself and every group after it).
        double previous = 0.0;
        bool any = false;
        for (int g = 0; g < doc->m_nStrandGroupCount; ++g) {
            const double Ld = doc->m_aStrandGroup[g][kGroupDebondEnd];
            EXPECT_EQ(std::fmod(Ld, c.step), 0.0) << "group " << g << ": " << Ld << " ft";
            EXPECT_GE(Ld, previous) << "group " << g;
            previous = Ld;
            any = any || Ld > 0.0;
        }
        EXPECT_EQ(any, c.debonded);
    }
}

TEST_F(DebondDesignDocTest, StepThatCannotAdvanceTheSearchIsRefused) {
    struct Case {
        double step;  // ft
        const char* message;
    };
    const char* notPositive =
        "The debonding length step must be greater than 0.\nThe debonding design is not run.";
    const char* tooSmall =
        "The debonding length step is too small for the length of the girder.\n"
        "The debonding design is not run.";
    const Case cases[] = {
        {0.0, notPositive},
        {-5.0, notPositive},
        {std::numeric_limits<double>::quiet_NaN(), notPositive},
        {std::numeric_limits<double>::infinity(), notPositive},
        // 40 ft of search in steps of 1e-9 ft: far more sections than any girder has.
        {1e-9, tooSmall},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.step);
        host.ClearMessages();
        auto doc = Example1();
        doc->RunAnalysis();
        doc->m_dDebondLengthStep = c.step;
        StageCounter counter;
        doc->m_pAnalysisObserver = &counter;
        doc->DesignDebonding();
        doc->m_pAnalysisObserver = nullptr;
        ASSERT_EQ(host.Messages().size(), 1u);
        EXPECT_EQ(host.Messages()[0].text, c.message);
        EXPECT_EQ(counter.stages, 0) << "no analysis runs";
        for (int g = 0; g < doc->m_nStrandGroupCount; ++g)
            EXPECT_EQ(doc->m_aStrandGroup[g][kGroupDebondEnd], 7.0) << "group " << g;
    }
}

TEST_F(DebondDesignDocTest, SectionWithoutPropertiesIsRefused) {
    auto doc = Example1();
    doc->RunAnalysis();
    doc->m_dSectionIxx = 0.0;
    doc->DesignDebonding();
    ASSERT_EQ(host.Messages().size(), 1u);
    EXPECT_EQ(host.Messages()[0].text.rfind("The debonding design needs a girder section", 0), 0u);
    EXPECT_EQ(doc->m_aStrandGroup[0][kGroupDebondEnd], 7.0);
}

}  // namespace
}  // namespace kordel::test
