// The report frame: dispatch by units and form, the long-form gates, the pagination pass, the
// minimum-reinforcement mark and the live-load deflection lines.
#include "report/text_report.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <string>
#include <vector>

#include "report/report_test_support.h"

namespace kordel::test {
namespace {

using TextReportTest = ReportTest;

TEST_F(TextReportTest, UnitsOutsideUsAndMetricWriteNothing) {
    auto doc = AnalysedExample(1);
    doc->m_nUnits = 3;
    doc->BuildTextReport();
    EXPECT_TRUE(doc->Report().empty());
}

/// Lines "L1" to "Ln", with "---page break---" in place of the lines whose numbers are listed.
std::vector<std::string> NumberedLines(int n, std::initializer_list<int> breaks = {}) {
    std::vector<std::string> lines;
    for (int i = 1; i <= n; ++i) {
        bool isBreak = false;
        for (int b : breaks) isBreak = isBreak || b == i;
        lines.push_back(isBreak ? std::string(kPageBreakLine) : "L" + std::to_string(i));
    }
    return lines;
}

/// Lengths of the pages of `lines`, each counting its lines up to (not including) its break.
std::vector<int> PageLengths(const std::vector<std::string>& lines, std::size_t end) {
    std::vector<int> pages{0};
    for (std::size_t i = 0; i < end && i < lines.size(); ++i) {
        if (lines[i] == kPageBreakLine) pages.push_back(0);
        else ++pages.back();
    }
    return pages;
}

// The pass counts the lines of a page; when the 88th would stand on it, " ", the break and " "
// go in front of it, so that line opens the next page after its blank.
TEST_F(TextReportTest, PaginationPassBreaksPagesBeforeTheir88thLine) {
    struct Case {
        const char* what;
        std::vector<std::string> in;
        std::vector<int> insertedBefore;  // 1-based numbers of the lines a break goes in front of
    };
    const Case cases[] = {
        // 100 lines: L88 is counted 88th, so the break goes before it.
        {"100 lines", NumberedLines(100), {88}},
        {"87 lines fit on one page", NumberedLines(87), {}},
        // L88 opens page 2 as its second line (after the blank), so page 2 reaches 88 at
        // L88 + 86 = L174.
        {"250 lines", NumberedLines(250), {88, 174}},
        // A break at line 60 resets the count: L61 is line 1 of page 2, L148 its 88th.
        {"a break restarts the count", NumberedLines(200, {60}), {148}},
        {"short pages stay", NumberedLines(180, {60, 120}), {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<std::string> expected;
        for (const std::string& line : c.in) {
            for (int n : c.insertedBefore) {
                if (line == "L" + std::to_string(n)) expected.insert(expected.end(), {" ", kPageBreakLine, " "});
            }
            expected.push_back(line);
        }
        std::vector<std::string> lines = c.in;
        PaginateReport(lines);
        EXPECT_EQ(lines, expected);
        for (int length : PageLengths(lines, lines.size())) EXPECT_LE(length, kReportPageLines);
    }
}

// The frame runs the pass after the stresses, over everything written so far, in the US long
// form only and only when the stresses are shown.
TEST_F(TextReportTest, PaginationRunsInTheUsLongFormWithTheStresses) {
    auto build = [&](int units) {
        auto doc = NewDoc();
        doc->BuildExampleDesign(1);
        doc->m_nUnits = units;
        doc->m_nReportForm = kReportLongForm;
        doc->m_bCheckStripping = 1;
        doc->m_bCheckHandling = 1;
        doc->m_bDetensioningAnalysis = 1;
        doc->RunAnalysis();
        // Forty cutting stages (the groups repeated) make the shipping and detensioning page
        // of the stress section run past 88 lines before its own break.
        const int groups = doc->m_nStrandGroupCount;
        for (int j = groups; j < 40; ++j) doc->m_aStrandGroup[j] = doc->m_aStrandGroup[j % groups];
        for (int j = 0; j < 40; ++j) doc->m_anDetensionOrder[j] = j + 1;
        doc->m_nStrandGroupCount = 40;
        doc->BuildTextReport();
        return doc;
    };
    auto blockOf = [](const CKordelDoc& doc) {
        std::vector<std::string> lines;
        ReportContext ctx{doc, lines, doc.m_nUnits == kUnitsMetric, {}, {}, {}, {}, {}};
        WriteStressBlock(ctx);
        return lines;
    };
    auto holdsRun = [](const std::vector<std::string>& report, const std::vector<std::string>& run) {
        return std::search(report.begin(), report.end(), run.begin(), run.end()) != report.end();
    };

    // US: the pages up to the end of the stress section hold at most 88 lines.
    auto us = build(kUnitsUS);
    const std::vector<std::string> usBlock = blockOf(*us);
    const std::vector<int> usBlockPages = PageLengths(usBlock, usBlock.size());
    ASSERT_GT(*std::max_element(usBlockPages.begin(), usBlockPages.end()), kReportPageLines);
    const auto usEnd = std::find(us->Report().begin(), us->Report().end(), usBlock.back());
    ASSERT_NE(usEnd, us->Report().end());
    for (int length : PageLengths(us->Report(),
                                  static_cast<std::size_t>(usEnd - us->Report().begin()))) {
        EXPECT_LE(length, kReportPageLines);
    }
    EXPECT_FALSE(holdsRun(us->Report(), usBlock));

    // Metric: the stress section stands in the report as written, with no break put in.
    auto metric = build(kUnitsMetric);
    EXPECT_TRUE(holdsRun(metric->Report(), blockOf(*metric)));

    // Stresses off: nothing of the section, handling tables included.
    SetOption(platform::kIniKeyShowStresses, "0");
    us->BuildTextReport();
    EXPECT_FALSE(holdsRun(us->Report(), {"STRIPPING ANALYSIS"}));
    EXPECT_FALSE(holdsRun(us->Report(), {"Service Limit State: Stresses (ksi)"}));
}

}  // namespace
}  // namespace kordel::test
