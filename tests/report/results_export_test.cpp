// The plain-text export: header once, report lines with CR LF, a form feed and the header again
// at each page break, the last line included.
#include "report/results_export.h"

#include "test_support.h"

namespace kordel::test {
namespace {

using ResultsExportTest = EngineTest;

TEST_F(ResultsExportTest, PageBreaksRepeatTheHeader) {
    auto doc = NewDoc();
    doc->m_saReportHeader = {"H1", "H2"};
    doc->m_saReport = {"first", kPageBreak, "second"};
    EXPECT_EQ(FormatResultsExport(*doc), "H1\r\nH2\r\nfirst\r\n\fH1\r\nH2\r\nsecond\r\n");
}

TEST_F(ResultsExportTest, ClosingPageBreakGivesItsFormFeedAndHeader) {
    auto doc = NewDoc();
    doc->m_saReportHeader = {"H"};
    doc->m_saReport = {"only", kPageBreak};
    EXPECT_EQ(FormatResultsExport(*doc), "H\r\nonly\r\n\fH\r\n");
}

TEST_F(ResultsExportTest, EmptyReportExportsTheHeaderOnly) {
    auto doc = NewDoc();
    doc->m_saReportHeader = {"H1", "H2", "H3"};
    EXPECT_EQ(FormatResultsExport(*doc), "H1\r\nH2\r\nH3\r\n");
}

TEST_F(ResultsExportTest, LinesAreWrittenAsStored) {
    auto doc = NewDoc();
    doc->m_saReport = {std::string("f'c \xB0 8-bit"), ""};
    EXPECT_EQ(FormatResultsExport(*doc), std::string("f'c \xB0 8-bit\r\n\r\n"));
}

}  // namespace
}  // namespace kordel::test
