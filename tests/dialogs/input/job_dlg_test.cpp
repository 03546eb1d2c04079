// "Job Information", opened from the Input menu: the five strings come back padded to their
// widths, the edits take no more than those widths, and the fields show the stored strings
// without the blanks that pad them.
#include "dialogs/input/job_dlg.h"
#include "report/format.h"

#include <gtest/gtest.h>

#include "tests/app/desktop_test_support.h"

namespace kordel::test {
namespace {

using platform::ui::DialogDriver;

class JobDlgTest : public DesktopTest {
  protected:
    void SetUp() override {
        ASSERT_TRUE(Start());
        NewDesign();
    }
    void JobInformation(std::function<void(DialogDriver&)> script) {
        toolkit.QueueDialog(std::move(script));
        ASSERT_TRUE(Choose(ID_INPUT_JOB_INFO));
    }
};

TEST_F(JobDlgTest, TheFiveStringsComeBackPaddedToTheirWidths) {
    const std::string thirty = "Route 9 over the Kettle Creek.";
    ASSERT_EQ(thirty.size(), 30u);
    struct Field {
        int id;
        const char* typed;
        std::string CKordelDoc::*member;
        std::string stored;
    };
    const Field fields[] = {
        {IDC_JOB_PROJECT, "", &CKordelDoc::m_strProject, std::string(30, ' ')},
        {IDC_JOB_TASK, "Girder G2 ok", &CKordelDoc::m_strTask,
         "Girder G2 ok" + std::string(18, ' ')},
        {IDC_JOB_CLIENT, thirty.c_str(), &CKordelDoc::m_strClient, thirty},
        {IDC_JOB_NUMBER, "", &CKordelDoc::m_strJobNumber, std::string(30, ' ')},
        {IDC_JOB_DESIGNER, "", &CKordelDoc::m_strDesigner, "    "},
    };
    JobInformation([&](DialogDriver& d) {
        for (const Field& f : fields) EXPECT_TRUE(d.Type(f.id, f.typed)) << f.id;
        d.Ok();
    });
    for (const Field& f : fields) EXPECT_EQ(Doc()->*f.member, f.stored) << f.id;
}

TEST_F(JobDlgTest, TheEditsTakeNoMoreThanTheirWidths) {
    JobInformation([](DialogDriver& d) {
        EXPECT_EQ(d.LimitText(IDC_JOB_PROJECT), 30);
        EXPECT_EQ(d.LimitText(IDC_JOB_DESIGNER), 4);
        d.Type(IDC_JOB_PROJECT, std::string(40, 'x'));
        d.Type(IDC_JOB_DESIGNER, "ABCDE");
        EXPECT_EQ(d.Text(IDC_JOB_DESIGNER), "ABCD");
        d.Ok();
        EXPECT_TRUE(d.Ended()) << "nothing to refuse";
    });
    EXPECT_EQ(Doc()->m_strProject, std::string(30, 'x'));
    EXPECT_EQ(Doc()->m_strDesigner, "ABCD");
    EXPECT_TRUE(Messages().empty());
}

TEST_F(JobDlgTest, FieldsShowTheStringsWithoutTheirPaddingAndOkGivesThemBackAlike) {
    Doc()->m_strProject = PadToWidth("Bridge 12", 30);
    Doc()->m_strDesigner = "JB";
    Doc()->m_strTask = std::string(45, 'T');  // longer than its field, from an older file
    JobInformation([](DialogDriver& d) {
        EXPECT_EQ(d.Text(IDC_JOB_PROJECT), "Bridge 12") << "room to type at its end";
        EXPECT_EQ(d.Text(IDC_JOB_DESIGNER), "JB");
        EXPECT_EQ(d.Text(IDC_JOB_TASK), std::string(30, 'T'));
        EXPECT_EQ(d.FocusId(), IDC_JOB_PROJECT);
        EXPECT_FALSE(d.IsVisible(IDC_WIZARD_BACK));
        EXPECT_FALSE(d.IsVisible(IDC_WIZARD_NEXT));
        d.PressKey(platform::ui::kKeyReturn);
    });
    EXPECT_EQ(Doc()->m_strProject, PadToWidth("Bridge 12", 30));
    EXPECT_EQ(Doc()->m_strDesigner, "JB  ");
    EXPECT_EQ(Doc()->m_strTask, std::string(30, 'T'));
    EXPECT_TRUE(Messages().empty());
}

}  // namespace
}  // namespace kordel::test
