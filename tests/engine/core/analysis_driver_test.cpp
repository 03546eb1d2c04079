// The analysis driver: the fixed stage order, the option tests (equal to 1 versus nonzero), the
// busy flag and the progress texts.
#include <algorithm>
#include <vector>

#include "test_support.h"

namespace kordel::test {
namespace {

class StageRecorder : public AnalysisObserver {
public:
    void OnStage(AnalysisStage stage) override { stages.push_back(stage); }
    bool Ran(AnalysisStage s) const {
        return std::find(stages.begin(), stages.end(), s) != stages.end();
    }
    std::vector<AnalysisStage> stages;
};

class AnalysisDriverTest : public EngineTest {
protected:
    std::vector<AnalysisStage> Run(CKordelDoc& doc) {
        StageRecorder rec;
        doc.m_pAnalysisObserver = &rec;
        doc.RunAnalysis();
        doc.m_pAnalysisObserver = nullptr;
        recorder = rec;
        return rec.stages;
    }
    StageRecorder recorder;
};

using S = AnalysisStage;

TEST_F(AnalysisDriverTest, SimpleSpanRunsEveryAlwaysStageInOrder) {
    auto doc = NewDoc();
    doc->m_bContinuous = 0;
    doc->m_bCompositeDeck = 1;
    const std::vector<S> expected = {
        S::ComputeStations,           S::ComputeTendonGeometry,     S::ComputeCreepShrinkage,
        S::ComputeSectionProperties,  S::ComputeDistributionFactors, S::ComputeLoadEffects,
        S::ComputeSimpleSpanLoadEffects, S::ComputeSpanEndValues,    S::ComputeLoadCaseStresses,
        S::ComputeStrandForceReduction, S::ComputeTendonEccentricity, S::ComputeLosses,
        S::ComputeEffectivePrestress, S::ComputeTendonForces,       S::ComputePrestressStresses,
        S::ComputeTendonStresses,     S::CombineServiceStresses,    S::ComputeAllowableStresses,
        S::ComputeReleaseTensionSteel, S::ComputeFactoredEffects,   S::ComputeFlexuralStrength,
        S::ComputeSplittingSteel,     S::ComputeVerticalShear,      S::ComputeInterfaceShear,
        S::ComputeCamber,             S::SummarizeStrandPattern,    S::ShowDesignStatus,
        S::BuildPageHeader,
    };
    EXPECT_EQ(Run(*doc), expected);
}

TEST_F(AnalysisDriverTest, EveryOptionalStageInOrderWhenAllAreOn) {
    auto doc = NewDoc();
    doc->m_nSectionType = 1;
    doc->m_bContinuous = 1;
    doc->m_bComputeRestraintMoments = 1;
    doc->m_bStrainCompatibility = 1;
    doc->m_bCompositeDeck = 1;
    doc->m_bIncludeLoadRating = 1;
    doc->m_bCheckStripping = 1;
    doc->m_bDetensioningAnalysis = 1;
    const auto stages = Run(*doc);
    // 40 steps, less the simple-span stage, the two decked bulb-tee steps and the two reports
    // (built when read).
    ASSERT_EQ(stages.size(), 35u);
    // Every stage appears in enum order, which is the driver's order.
    EXPECT_TRUE(std::is_sorted(stages.begin(), stages.end()));
    EXPECT_FALSE(recorder.Ran(S::ComputeSimpleSpanLoadEffects));
}

TEST_F(AnalysisDriverTest, DeckedBulbTeeAdjustmentBracketsTheAnalysisAndPageHeader) {
    auto doc = NewDoc();
    doc->m_nSectionType = kSectionDeckedBulbTee;
    const auto stages = Run(*doc);
    ASSERT_GE(stages.size(), 3u);
    EXPECT_EQ(stages.front(), S::AdjustDeckedBulbTee);
    EXPECT_EQ(stages[stages.size() - 2], S::BuildPageHeader);
    EXPECT_EQ(stages.back(), S::RestoreDeckedBulbTee);
    EXPECT_TRUE(std::is_sorted(stages.begin(), stages.end()));
}

// Which optional stages run for a given option value: flags tested for 1 skip at 2, flags tested
// for nonzero run at 2.
struct OptionCase {
    const char* name;
    void (*set)(CKordelDoc&);
    std::vector<S> runs;
    std::vector<S> skips;
};

const OptionCase kOptionCases[] = {
    {"simple span ignores the restraint option",
     [](CKordelDoc& d) { d.m_bContinuous = 0; d.m_bComputeRestraintMoments = 1; },
     {S::ComputeSimpleSpanLoadEffects}, {S::ComputeContinuityRestraint}},
    {"continuous without restraint runs neither",
     [](CKordelDoc& d) { d.m_bContinuous = 1; d.m_bComputeRestraintMoments = 0; },
     {}, {S::ComputeSimpleSpanLoadEffects, S::ComputeContinuityRestraint}},
    {"continuous flag 2 with restraint 2 runs restraint",
     [](CKordelDoc& d) { d.m_bContinuous = 2; d.m_bComputeRestraintMoments = 2; },
     {S::ComputeContinuityRestraint}, {S::ComputeSimpleSpanLoadEffects}},
    {"strain compatibility 2 skips",
     [](CKordelDoc& d) { d.m_bStrainCompatibility = 2; },
     {}, {S::BuildSteelLayers, S::StrainCompatibility}},
    {"strain compatibility 1 runs both",
     [](CKordelDoc& d) { d.m_bStrainCompatibility = 1; },
     {S::BuildSteelLayers, S::StrainCompatibility}, {}},
    {"stripping 2 skips all handling",
     [](CKordelDoc& d) { d.m_bCheckStripping = 2; },
     {}, {S::CheckStripping, S::CheckLifting, S::CheckShipping}},
    {"handling 2 skips all handling",
     [](CKordelDoc& d) { d.m_bCheckHandling = 2; },
     {}, {S::CheckStripping, S::CheckLifting, S::CheckShipping}},
    {"handling alone runs stripping too",
     [](CKordelDoc& d) { d.m_bCheckHandling = 1; },
     {S::CheckStripping, S::CheckLifting, S::CheckShipping}, {}},
    {"detensioning 2 skips",
     [](CKordelDoc& d) { d.m_bDetensioningAnalysis = 2; },
     {}, {S::CheckDetensioning}},
    {"composite deck 2 runs interface shear",
     [](CKordelDoc& d) { d.m_bCompositeDeck = 2; },
     {S::ComputeInterfaceShear}, {}},
    {"no composite deck skips interface shear",
     [](CKordelDoc& d) { d.m_bCompositeDeck = 0; },
     {}, {S::ComputeInterfaceShear}},
    {"load rating 2 runs",
     [](CKordelDoc& d) { d.m_bIncludeLoadRating = 2; },
     {S::ComputeLoadRating}, {}},
    {"section type 5 is no decked bulb-tee",
     [](CKordelDoc& d) { d.m_nSectionType = 5; },
     {}, {S::AdjustDeckedBulbTee, S::RestoreDeckedBulbTee}},
};

TEST_F(AnalysisDriverTest, OptionFlagsDecideWhichStagesRun) {
    for (const OptionCase& c : kOptionCases) {
        SCOPED_TRACE(c.name);
        auto doc = NewDoc();
        c.set(*doc);
        Run(*doc);
        for (S s : c.runs) EXPECT_TRUE(recorder.Ran(s)) << AnalysisStageName(s) << " should run";
        for (S s : c.skips) EXPECT_FALSE(recorder.Ran(s)) << AnalysisStageName(s) << " should not run";
    }
}

TEST_F(AnalysisDriverTest, BusyFlagAndProgressTexts) {
    auto doc = NewDoc();
    doc->m_nProgressStep = 3;  // left by an earlier run; the driver neither sets nor resets it,
                               // the load-effect stage starts it again at 1

    // The busy flag is up while the stages run.
    struct BusyProbe : AnalysisObserver {
        CKordelDoc* doc;
        bool allBusy = true;
        void OnStage(AnalysisStage) override { allBusy = allBusy && doc->m_bAnalyzing == 1; }
    } probe;
    probe.doc = doc.get();
    doc->m_pAnalysisObserver = &probe;
    doc->RunAnalysis();
    EXPECT_TRUE(probe.allBusy);

    EXPECT_EQ(doc->m_bAnalyzing, 0);
    EXPECT_EQ(doc->m_nProgressStep, 1);
    const auto& pane1 = host.StatusHistory(kPaneProgress);
    ASSERT_GE(pane1.size(), 3u);
    EXPECT_EQ(pane1.front(), "Analyzing: |||");
    EXPECT_EQ(pane1[pane1.size() - 2], "Analyzing: |");
    EXPECT_EQ(pane1.back(), "Done");
}

TEST_F(AnalysisDriverTest, ProgressTextCountsSteps) {
    auto doc = NewDoc();
    const std::pair<int, const char*> cases[] = {
        {0, "Analyzing: "}, {-2, "Analyzing: "}, {1, "Analyzing: |"}, {5, "Analyzing: |||||"}};
    doc->m_bAnalyzing = 1;
    for (auto [step, text] : cases) {
        doc->m_nProgressStep = step;
        doc->ShowProgress();
        EXPECT_EQ(host.StatusText(kPaneProgress), text) << "step " << step;
    }
    doc->m_bAnalyzing = 0;
    doc->ShowProgress();
    EXPECT_EQ(host.StatusText(kPaneProgress), "Done");
}

TEST_F(AnalysisDriverTest, DrawingHeightRestartsFromTheGirderHeight) {
    auto doc = NewDoc();
    doc->m_dSectionHeight = 72.0;
    doc->m_dDrawingSectionHeight = 11.0;  // whatever an earlier run left
    doc->RunAnalysis();
    EXPECT_EQ(doc->m_dDrawingSectionHeight, 72.0);
}

TEST_F(AnalysisDriverTest, ReportsAreRebuiltOnEveryRun) {
    auto doc = NewDoc();
    doc->m_saReportHeader = {"stale"};
    doc->RunAnalysis();
    ASSERT_EQ(doc->m_saReportHeader.size(), 3u);
    EXPECT_EQ(doc->m_saReportHeader[2].substr(0, 23), "Filename: Untitled.kdx ");
}

}  // namespace
}  // namespace kordel::test
