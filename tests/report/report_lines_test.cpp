// The text report and the girder summary of an analysis, built when first read after it: once per
// analysis, with what the analysis used (a decked bulb-tee's adjusted deck and section), in the
// form asked for after it, and an unknown form told by the analysis itself.
#include <algorithm>

#include "report/report_test_support.h"

namespace kordel::test {
namespace {

class StageRecorder : public AnalysisObserver {
  public:
    void OnStage(AnalysisStage stage) override { stages.push_back(stage); }
    std::vector<AnalysisStage> stages;
};

class ReportLinesTest : public ReportTest {
  protected:
    /// Example 1, analysed, followed by `recorder` from now on.
    std::unique_ptr<CKordelDoc> Example1() {
        auto doc = AnalysedExample(1);
        doc->m_pAnalysisObserver = &recorder;
        return doc;
    }

    /// The stages seen since the last call.
    std::vector<AnalysisStage> Seen() { return std::exchange(recorder.stages, {}); }

    StageRecorder recorder;
};

using S = AnalysisStage;

TEST_F(ReportLinesTest, ReportsAreBuiltOnceAtTheFirstReadAfterEachAnalysis) {
    auto doc = Example1();
    doc->RunAnalysis();
    std::vector<S> seen = Seen();
    EXPECT_EQ(std::count(seen.begin(), seen.end(), S::BuildTextReport), 0);
    EXPECT_EQ(std::count(seen.begin(), seen.end(), S::BuildGirderSummary), 0);
    EXPECT_EQ(seen.back(), S::BuildPageHeader) << "the header carries the analysis's time";

    // The first read builds both, the reads after it build nothing.
    const std::vector<std::string> report = doc->Report();
    EXPECT_EQ(Seen(), (std::vector<S>{S::BuildTextReport, S::BuildGirderSummary}));
    const std::vector<std::string> summary = doc->GirderSummary();
    EXPECT_EQ(doc->Report(), report);
    EXPECT_TRUE(Seen().empty());

    // What the builders write when called themselves.
    doc->BuildTextReport();
    doc->BuildGirderSummary();
    EXPECT_EQ(doc->m_saReport, report);
    EXPECT_EQ(doc->m_saGirderSummary, summary);
    EXPECT_FALSE(report.empty());
    EXPECT_FALSE(summary.empty());

    // A new analysis leaves new reports to build, whichever is read first.
    doc->m_strProject = "Bridge over the river";
    doc->RunAnalysis();
    Seen();
    const std::string* line = nullptr;
    for (const std::string& l : doc->GirderSummary())
        if (l.rfind("Project: Bridge over the river", 0) == 0) line = &l;
    EXPECT_NE(line, nullptr) << "the girder summary names the new project";
    EXPECT_EQ(Seen(), (std::vector<S>{S::BuildTextReport, S::BuildGirderSummary}));
    EXPECT_NE(doc->Report()[1].find("Bridge over the river"), std::string::npos);
}

TEST_F(ReportLinesTest, FormChosenAfterTheAnalysisIsBuiltWithoutAnotherAnalysis) {
    auto doc = Example1();
    const std::vector<std::string> longForm = doc->Report();
    Seen();
    doc->SetReportForm(kReportShortForm);
    EXPECT_TRUE(Seen().empty()) << "no stage runs until the report is read";
    EXPECT_EQ(doc->Report(), AnalysedExample(1, 1, kReportShortForm)->Report());
    EXPECT_EQ(Seen(), (std::vector<S>{S::BuildTextReport}));
    doc->SetReportForm(kReportLongForm);
    EXPECT_EQ(doc->Report(), longForm);
}

TEST_F(ReportLinesTest, UnknownFormIsToldByTheAnalysisNotByTheRead) {
    auto doc = Example1();
    doc->m_nReportForm = 3;
    host.ClearMessages();
    doc->RunAnalysis();
    ASSERT_EQ(host.Messages().size(), 1u);
    EXPECT_EQ(host.Messages()[0].text, "No output form selected.");
    EXPECT_TRUE(doc->Report().empty());
    EXPECT_FALSE(doc->GirderSummary().empty());
    EXPECT_EQ(host.Messages().size(), 1u) << "reading says nothing more";
}

TEST_F(ReportLinesTest, DeckedBulbTeeReportsShowTheAdjustedDeckAndSection) {
    auto doc = Example1();
    doc->m_nSectionType = kSectionDeckedBulbTee;
    doc->m_fDbtTopFlangeThickness = 6.0f;  // in, taken from the flange as the deck
    doc->RunAnalysis();
    const double userHeight = doc->m_dSectionHeight;  // in
    const int userComposite = doc->m_bCompositeDeck;

    const std::vector<std::string> report = doc->Report();
    const std::vector<std::string> summary = doc->GirderSummary();
    EXPECT_EQ(doc->m_dSectionHeight, userHeight) << "the user's section is back after the read";
    EXPECT_EQ(doc->m_bCompositeDeck, userComposite);

    // The reports as built in the adjustment's presence, as the analysis had it...
    doc->AdjustDeckedBulbTee(1);
    doc->BuildTextReport();
    doc->BuildGirderSummary();
    EXPECT_EQ(doc->m_saReport, report);
    EXPECT_EQ(doc->m_saGirderSummary, summary);
    doc->AdjustDeckedBulbTee(0);
    // ...whose section data differ from those of the user's values.
    doc->BuildTextReport();
    EXPECT_NE(doc->m_saReport, report);
}

}  // namespace
}  // namespace kordel::test
