// The report frame: dispatch by units and form, the long-form gates, the pagination pass, the
// minimum-reinforcement mark and the live-load deflection lines.
#include "report/text_report.h"

#include <gtest/gtest.h>

#include "report/report_test_support.h"

namespace kordel::test {
namespace {

using TextReportTest = ReportTest;

TEST_F(TextReportTest, UnitsOutsideUsAndMetricWriteNothing) {
    auto doc = AnalysedExample(1);
    doc->m_nUnits = 3;
    doc->BuildTextReport();
    EXPECT_TRUE(doc->m_saReport.empty());
}

}  // namespace
}  // namespace kordel::test
