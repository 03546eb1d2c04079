// The load-table strand design of one case: the result and the status codes for cases that pass
// by tension or by strength, each check left out in turn, the kern stop of a straight pattern, a
// draped pattern with a deep compression zone, the silence of the loop, and the default load table
// designed alike by the bisection and by the row walk of the drape raising.
#include <memory>
#include <vector>

#include "bench/default_load_table.h"
#include "engine/checks/design_loop_snapshot.h"
#include "test_support.h"

namespace kordel::test {
namespace {

class LoadTableDesignTest : public EngineTest {
  protected:
    /// Example 1 (PCI BT-72 at 9 ft spacing, f'c 6 ksi) on a simple span of `span` ft, the
    /// girder 1 ft longer and released on its ends, as the load-table tool sets a case.
    std::unique_ptr<CKordelDoc> Case(double span, int patternType) {
        auto doc = NewDoc();
        doc->BuildExampleDesign(SeedSimpleSpan);
        doc->m_dDesignSpan = doc->m_adSpanLength[1] = span;
        doc->m_dGirderLength = doc->m_dReleaseSpan = doc->m_adSpanGirderLength[1] = span + 1.0;
        doc->m_nPatternType = patternType;
        doc->RunAnalysis();
        return doc;
    }

    /// The stress checks of the result (final tension and compression at mid-span), read from
    /// the document's final analysis.
    static bool StressPasses(const CKordelDoc& d) {
        const double* fin = d.m_aServiceStress[kStationMidspan][kServiceAllLoadsPositive];
        return d.m_dAllowFinalTensionAllLoads <= fin[kServiceBottom] &&
               fin[kServiceTop] <= d.m_dAllowFinalCompressionAllLoads;
    }
    /// The strength check of the result: Mr >= Mu at mid-span.
    static bool StrengthPasses(const CKordelDoc& d) {
        return d.m_aFlexureMr[kStationMidspan][kFlexurePositive] >=
               d.m_aMuFlexure[kStationMidspan][kStrengthIPositive];
    }
    static bool FinalChecksPass(const CKordelDoc& d) {
        return StressPasses(d) && StrengthPasses(d);
    }
};

TEST_F(LoadTableDesignTest, ResultAndStatusCodesByCase) {
    struct Row {
        const char* name;
        double span;  // ft
        int patternType;
        int result;
        int governing;   // m_anLoadTableStatus[0]
        int depthRatio;  // m_anLoadTableStatus[1]
    };
    const Row rows[] = {
        // Two strands carry a 12 ft span: no growth step, the status stays 1.
        {"starting pattern suffices", 12, kPatternStraight, 1, kLoadTableTensionGoverned, 0},
        // At 30 ft the bottom tension passes early and the strength asks for more strands.
        {"strength governs", 30, kPatternDraped, 1, kLoadTableStrengthGoverned, 0},
        {"tension governs", 140, kPatternDraped, 1, kLoadTableTensionGoverned, 0},
        // A straight pattern would have to go above the upper kern point (56.0 in) to pass at
        // 140 ft: it stops below it and fails.
        {"straight pattern stops at the kern", 140, kPatternStraight, 0, kLoadTableTensionGoverned,
         0},
        // At 160 ft every template row fills; c / de at mid-span ends above 0.42.
        {"too long a span", 160, kPatternDraped, 0, kLoadTableTensionGoverned,
         kLoadTableDepthRatioHigh},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        auto doc = Case(r.span, r.patternType);
        host.ClearMessages();
        const int result = doc->DesignLoadTableStrands(kLoadTableBothChecks);
        EXPECT_EQ(result, r.result);
        EXPECT_EQ(doc->m_anLoadTableStatus[kLoadTableGoverningCheck], r.governing);
        EXPECT_EQ(doc->m_anLoadTableStatus[kLoadTableDepthRatio], r.depthRatio);
        // The result tells what the analysed design in the document shows; no message box.
        EXPECT_EQ(result == 1, FinalChecksPass(*doc));
        EXPECT_TRUE(host.Messages().empty());
    }
}

TEST_F(LoadTableDesignTest, ACheckLeftOutAddsNoStrandsAndTheResultIsTheOtherCheckAlone) {
    // Example 1, draped. Designed on both checks at 90 ft the strength asks for more strands
    // than the bottom tension; at 120 and 160 ft the tension asks for more than the strength
    // (at 160 ft both together fill every template row and fail).
    constexpr LoadTableChecks kStress{true, false};
    constexpr LoadTableChecks kStrength{false, true};
    struct Row {
        const char* name;
        double span;  // ft
        LoadTableChecks checks;
        int governing;  // m_anLoadTableStatus[0]
        bool fewer;     // fewer strands than on both checks (else as many)
    };
    const Row rows[] = {
        {"90 ft, stress only: the strength strands left out", 90, kStress,
         kLoadTableTensionGoverned, true},
        {"90 ft, strength only: as on both", 90, kStrength, kLoadTableStrengthGoverned, false},
        {"120 ft, stress only: as on both", 120, kStress, kLoadTableTensionGoverned, false},
        {"120 ft, strength only: the tension strands left out", 120, kStrength,
         kLoadTableStrengthGoverned, true},
        {"160 ft, strength only: passes where both fail", 160, kStrength,
         kLoadTableStrengthGoverned, true},
        // Two strands carry 12 ft: no growth names the one check made, never the stress.
        {"12 ft, strength only: no growth", 12, kStrength, kLoadTableStrengthGoverned, false},
        {"12 ft, stress only: no growth", 12, kStress, kLoadTableTensionGoverned, false},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        auto both = Case(r.span, kPatternDraped);
        both->DesignLoadTableStrands(kLoadTableBothChecks);
        auto doc = Case(r.span, kPatternDraped);
        host.ClearMessages();
        EXPECT_EQ(doc->DesignLoadTableStrands(r.checks), 1);
        EXPECT_EQ(doc->m_anLoadTableStatus[kLoadTableGoverningCheck], r.governing);
        if (r.fewer)
            EXPECT_LT(doc->m_nStrandCount, both->m_nStrandCount);
        else
            EXPECT_EQ(doc->m_nStrandCount, both->m_nStrandCount);
        // The check made passes; the one left out fails wherever it would have added strands.
        const bool stress = StressPasses(*doc);
        const bool strength = StrengthPasses(*doc);
        EXPECT_TRUE(r.checks.stress ? stress : strength);
        if (r.fewer) {
            EXPECT_FALSE(r.checks.stress ? strength : stress);
        }
        EXPECT_TRUE(host.Messages().empty());
    }
}

TEST_F(LoadTableDesignTest, NoCheckDesignsNothing) {
    auto doc = Case(105, kPatternDraped);
    const DesignLoopSnapshot before(*doc, 0, {});
    EXPECT_EQ(doc->DesignLoadTableStrands(LoadTableChecks{false, false}), 0);
    DesignLoopSnapshot(*doc, 0, {}).ExpectSameAs(before);
}

TEST_F(LoadTableDesignTest, KernStopLeavesNoStraightStrandAboveTheKern) {
    auto doc = Case(140, kPatternStraight);
    ASSERT_EQ(doc->DesignLoadTableStrands(kLoadTableBothChecks), 0);
    const double kern = doc->m_dKernUpper;  // in
    for (int r = 0; r < doc->m_nTemplateRowCount; ++r) {
        if (doc->m_aEndRows[r][kRowStraightCount] == 0) continue;
        EXPECT_LE(doc->m_aEndRows[r][kRowStraightElevation], kern) << "row " << r;
    }
    // The row just below the kern was reached: the pattern did grow up to it.
    EXPECT_GT(doc->m_nStrandCount, 40);
}

TEST_F(LoadTableDesignTest, StatusCodesAreResetForEveryCase) {
    // One document designs case after case, as the load-table tool does.
    auto doc = Case(160, kPatternDraped);
    doc->DesignLoadTableStrands(kLoadTableBothChecks);
    ASSERT_EQ(doc->m_anLoadTableStatus[kLoadTableDepthRatio], kLoadTableDepthRatioHigh);
    doc->m_dDesignSpan = doc->m_adSpanLength[1] = 30.0;
    doc->m_dGirderLength = doc->m_dReleaseSpan = doc->m_adSpanGirderLength[1] = 31.0;
    EXPECT_EQ(doc->DesignLoadTableStrands(kLoadTableBothChecks), 1);
    EXPECT_EQ(doc->m_anLoadTableStatus[kLoadTableGoverningCheck], kLoadTableStrengthGoverned);
    EXPECT_EQ(doc->m_anLoadTableStatus[kLoadTableDepthRatio], 0);
}

TEST_F(LoadTableDesignTest, DefaultLoadTableBisectionMatchesTheRowWalk) {
    // Every case of the default load table of example 1 (spans 90 to 138 ft at 7.5 and 10 ft
    // spacing, 26 cases, all passing): the same design, bit for bit, whichever search raises the
    // draped strands.
    struct Run {
        std::vector<bench::LoadTableCell> cells;
        std::vector<DesignLoopSnapshot> snapshots;
    };
    Run runs[2];
    const DrapeSearch searches[] = {DrapeSearch::RowWalk, DrapeSearch::Bisection};
    for (int r = 0; r < 2; ++r) {
        auto doc = NewDoc();
        doc->BuildExampleDesign(SeedSimpleSpan);
        doc->RunAnalysis();
        host.ClearMessages();
        bench::DesignDefaultLoadTable(*doc, searches[r], [&](const bench::LoadTableCell& cell) {
            runs[r].cells.push_back(cell);
            runs[r].snapshots.emplace_back(*doc, cell.result, host.Messages());
            host.ClearMessages();
        });
    }
    ASSERT_EQ(runs[0].cells.size(), 26u);
    ASSERT_EQ(runs[1].cells.size(), 26u);
    for (size_t i = 0; i < runs[0].cells.size(); ++i) {
        const bench::LoadTableCell& cell = runs[0].cells[i];
        SCOPED_TRACE(testing::Message() << cell.spacing << " ft spacing, " << cell.span << " ft");
        EXPECT_EQ(cell.result, 1);
        EXPECT_EQ(runs[1].cells[i].span, cell.span);
        runs[1].snapshots[i].ExpectSameAs(runs[0].snapshots[i]);
    }
}

}  // namespace
}  // namespace kordel::test
