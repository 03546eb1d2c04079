// The report page header with a fixed clock and the file-name line.
#include "test_support.h"

namespace kordel::test {
namespace {

using PageHeaderTest = EngineTest;

TEST_F(PageHeaderTest, ThreeLinesWithVersionDesignerDateAndFile) {
    auto doc = NewDoc();
    doc->m_strDesigner = "JQP";
    host.FixTime({2019, 4, 1, 9, 5, 0});
    doc->BuildPageHeader();
    ASSERT_EQ(doc->m_saReportHeader.size(), 3u);
    const std::string& title = doc->m_saReportHeader[0];
    EXPECT_EQ(title.substr(0, 16), "Kordel v. 4.62  ");
    EXPECT_EQ(title.substr(title.find("By : ")), "By : JQP  Ck:________");
    const std::string& dated = doc->m_saReportHeader[1];
    EXPECT_EQ(dated.substr(88), "4/1/19 @ 09:05:00");  // date right after the 88-column notice
    // "By : " stands over the date.
    EXPECT_EQ(title.find("By : "), 88u);
    EXPECT_EQ(doc->m_saReportHeader[2], "Filename: Untitled.kdx " + std::string(64, '-'));
}

TEST_F(PageHeaderTest, DateAndTimeFields) {
    auto doc = NewDoc();
    const std::pair<platform::LocalTime, const char*> cases[] = {
        {{2019, 1, 5, 10, 3, 7}, "1/5/19 @ 10:03:07"},   // no zero before month and day
        {{2026, 12, 31, 0, 0, 0}, "12/31/26 @ 00:00:00"},
        {{2000, 10, 10, 23, 59, 59}, "10/10/00 @ 23:59:59"},
    };
    for (const auto& [t, text] : cases) {
        host.FixTime(t);
        doc->BuildPageHeader();
        EXPECT_EQ(doc->m_saReportHeader[1].substr(88), text);
    }
}

TEST(FileNameLine, PadsWithDashesOrCutsAt87Columns) {
    const std::string name76(76, 'n');
    EXPECT_EQ(CKordelDoc::FormatFileNameLine(name76), "Filename: " + name76 + " ");
    const std::string name80(80, 'n');
    EXPECT_EQ(CKordelDoc::FormatFileNameLine(name80), ("Filename: " + name80).substr(0, 87));
    EXPECT_EQ(CKordelDoc::FormatFileNameLine("").size(), 87u);
}

}  // namespace
}  // namespace kordel::test
