// The design status line: the pane texts in US and metric units, the station read from the
// flexure result slot, and the panes written through the main frame in order.
#include "engine/checks/design_status.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "report/format.h"
#include "test_support.h"

namespace kordel::test {
namespace {

TEST(FormatDesignStatusTest, PaneTextsByUnitsAndSpecification) {
    struct Case {
        const char* name;
        DesignStatusValues v;
        DesignStatusTexts expected;
    };
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const Case cases[] = {
        // US: the values as stored; d: without decimals.
        {"us lrfd",
         {-0.2556, 49, 1.1912, 49, 36, 125.0, 6.0, 5.0, kSpecLrfd, kUnitsUS},
         {"fb: -0.256 (at 0.49L), Mr/Mu:1.19 (at 0.49L)", "s: 36, d:  125", "f'c: 6.0, f'ci: 5.0",
          "LRFD"}},
        // Metric: -0.2556 ksi x 6.8948 = -1.7623 MPa; 125 ft x 0.3048 = 38.10 m;
        // 6 ksi x 6.8948 = 41.37 MPa, 5 ksi x 6.8948 = 34.47 MPa. Mr/Mu has no unit.
        {"metric lrfd",
         {-0.2556, 49, 1.1912, 49, 36, 125.0, 6.0, 5.0, kSpecLrfd, kUnitsMetric},
         {"fb: -1.762 (at 0.49L), Mr/Mu:1.19 (at 0.49L)", "s: 36, d: 38.1", "f'c:41.4, f'ci:34.5",
          "LRFD"}},
        // Any unit code other than 1 is metric; any design code other than 1 the Standard.
        {"unit code 0 and standard specs",
         {0.5, 102, 2.5, 0, 8, 0.0, 5.0, 4.0, kSpecStandard, 0},
         {"fb:  3.447 (at 1.02L), Mr/Mu:2.50 (at 0.00L)", "s:  8, d:  0.0", "f'c:34.5, f'ci:27.6",
          "STND"}},
        // No station qualified for the smallest ratio: the start value and station -1 show.
        {"no smallest ratio",
         {-0.1, 50, 999999.9, -1, 2, 0.0, 6.0, 5.0, 3, kUnitsUS},
         {"fb: -0.100 (at 0.50L), Mr/Mu:999999.90 (at -0.01L)", "s:  2, d:    0",
          "f'c: 6.0, f'ci: 5.0", "STND"}},
        // A value that is not a number never prints as "nan": dashes of its field width.
        {"not a number",
         {nan, 50, nan, 50, 2, nan, nan, 5.0, kSpecLrfd, kUnitsUS},
         {"fb:------- (at 0.50L), Mr/Mu:---- (at 0.50L)", "s:  2, d:-----", "f'c:----, f'ci: 5.0",
          "LRFD"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const DesignStatusTexts t = FormatDesignStatus(c.v);
        EXPECT_EQ(t.stress, c.expected.stress);
        EXPECT_EQ(t.strands, c.expected.strands);
        EXPECT_EQ(t.concrete, c.expected.concrete);
        EXPECT_EQ(t.code, c.expected.code);
    }
}

/// A main frame that keeps every status text in the order written.
class RecordingFrame : public CMainFrameState {
  public:
    void SetStatusText(int pane, const std::string& text) override {
        written.emplace_back(pane, text);
        CMainFrameState::SetStatusText(pane, text);
    }
    std::vector<std::pair<int, std::string>> written;
};

class DesignStatusTest : public EngineTest {
  protected:
    /// A document whose results the status line reads are set by hand.
    std::unique_ptr<CKordelDoc> DocWithResults() {
        auto doc = NewDoc();
        doc->m_dWorstBottomStress = -0.4123;
        doc->m_nWorstBottomStation = 45;
        doc->m_adMinFlexureRatio[kMinRatioValue] = 1.237;
        // The station sits as an int in the first four bytes of its slot; the other four bytes
        // hold something else, so a conversion of the whole double would not give 62.
        const std::int32_t station = 62;
        doc->m_adMinFlexureRatio[kMinRatioStation] = 123.456;
        std::memcpy(&doc->m_adMinFlexureRatio[kMinRatioStation], &station, sizeof station);
        doc->m_nStrandCount = 42;
        doc->m_dDebondedStrandLength = 47.6;
        doc->m_dBeamFc = 7.0;
        doc->m_dBeamFci = 5.5;
        doc->m_nSpecification = kSpecLrfd;
        return doc;
    }
};

TEST_F(DesignStatusTest, WritesPanesTwoToFiveInOrderThroughTheMainFrame) {
    RecordingFrame recording;
    ScopedMainFrame guard(recording);
    auto doc = DocWithResults();
    recording.written.clear();  // the constructor has nothing to say here, but be sure
    doc->m_nUnits = kUnitsUS;
    doc->ShowDesignStatus();
    const std::vector<std::pair<int, std::string>> expected = {
        {kPaneStress, "fb: -0.412 (at 0.45L), Mr/Mu:1.24 (at 0.62L)"},
        {kPaneStrands, "s: 42, d:   48"},
        {kPaneConcrete, "f'c: 7.0, f'ci: 5.5"},
        {kPaneDesignCode, "LRFD"},
    };
    EXPECT_EQ(recording.written, expected);
    // The frame passes them on to the host's status bar.
    EXPECT_EQ(host.StatusText(kPaneStrands), "s: 42, d:   48");
}

TEST_F(DesignStatusTest, MetricDesignShowsMetresWithOneDecimal) {
    auto doc = DocWithResults();
    doc->m_nUnits = kUnitsMetric;
    doc->m_nSpecification = kSpecStandard;
    doc->ShowDesignStatus();
    // -0.4123 x 6.8948 = -2.8427 MPa; 47.6 x 0.3048 = 14.51 m; 7 x 6.8948 = 48.26 MPa,
    // 5.5 x 6.8948 = 37.92 MPa.
    EXPECT_EQ(host.StatusText(kPaneStress), "fb: -2.843 (at 0.45L), Mr/Mu:1.24 (at 0.62L)");
    EXPECT_EQ(host.StatusText(kPaneStrands), "s: 42, d: 14.5");
    EXPECT_EQ(host.StatusText(kPaneConcrete), "f'c:48.3, f'ci:37.9");
    EXPECT_EQ(host.StatusText(kPaneDesignCode), "STND");
}

TEST_F(DesignStatusTest, EveryAnalysisEndsWithTheStatusOfItsOwnResults) {
    auto doc = NewDoc();
    ASSERT_TRUE(doc->BuildExampleDesign(SeedSimpleSpan));
    doc->RunAnalysis();
    // Example 1: 36 strands, no debonding, f'c 6 ksi, f'ci 5 ksi, LRFD. The worst bottom stress
    // and the smallest ratio come from the analysis; the line shows them as stored.
    std::int32_t ratioStation = 0;
    std::memcpy(&ratioStation, &doc->m_adMinFlexureRatio[kMinRatioStation], sizeof ratioStation);
    ASSERT_GE(ratioStation, 0);
    ASSERT_LE(ratioStation, 100);
    EXPECT_EQ(host.StatusText(kPaneStress),
              Format("fb:%7.3f (at %4.2fL), Mr/Mu:%4.2f (at %4.2fL)", doc->m_dWorstBottomStress,
                     doc->m_nWorstBottomStation / 100.0, doc->m_adMinFlexureRatio[kMinRatioValue],
                     ratioStation / 100.0));
    EXPECT_EQ(host.StatusText(kPaneStrands), "s: 36, d:    0");
    EXPECT_EQ(host.StatusText(kPaneConcrete), "f'c: 6.0, f'ci: 5.0");
    EXPECT_EQ(host.StatusText(kPaneDesignCode), "LRFD");
}

}  // namespace
}  // namespace kordel::test
