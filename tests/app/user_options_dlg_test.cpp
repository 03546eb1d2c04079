// File/Options ("User Options") driven as a user would: what the dialog shows of the settings
// file, what OK writes there (and Cancel does not), the design's "Show Asterisks", the folder
// browser behind "Browse...", and a report and text view that follow the new settings, also
// after the program is started again.
#include "app/user_options_dlg.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>

#include "app/child_frame.h"
#include "controls/file_pick_ctrl.h"
#include "platform/folders.h"
#include "tests/app/desktop_test_support.h"
#include "views/text_view.h"

namespace kordel::test {
namespace {

using platform::ui::DialogDriver;

constexpr const char* kStressHeading = "CONCRETE STRESSES @ FINAL:";

class UserOptionsTest : public DesktopTest {
  protected:
    void SetUp() override {
        ASSERT_TRUE(Start());
        NewDesign();
        ASSERT_NE(Doc(), nullptr);
    }
    /// File/Options with `play` in the dialog (then nothing more: `play` ends it).
    void Options(const std::function<void(DialogDriver&)>& play) {
        toolkit.QueueDialog(play);
        ASSERT_TRUE(Choose(ID_FILE_OPTIONS));
    }
    std::string Default(const char* library) {
        return platform::UserDocumentsFolder() + "/Dravnick Technologies/Kordel V4/" + library +
               "/";
    }
    bool ReportHas(const std::string& line) {
        const auto& r = Doc()->Report();
        return std::find(r.begin(), r.end(), line) != r.end();
    }
};

TEST_F(UserOptionsTest, FirstOpeningShowsTheDefaultFoldersAndOkStoresThem) {
    std::string shownSection, shownVehicle;
    Options([&](DialogDriver& d) {
        EXPECT_EQ(d.Caption(), "User Options");
        shownSection = d.Text(IDC_OPTIONS_SECTION_FOLDER);
        shownVehicle = d.Text(IDC_OPTIONS_VEHICLE_FOLDER);
        // Opening writes "null" back, so both keys exist from now on.
        EXPECT_EQ(Ini("Options", "Library File Location"), "null");
        EXPECT_EQ(Ini("Options", "Truck Library File Location"), "null");
        EXPECT_TRUE(d.IsChecked(IDC_OPTIONS_FONT_NORMAL));
        for (int id :
             {IDC_OPTIONS_SHOW_INPUT_DATA, IDC_OPTIONS_SHOW_STRESSES, IDC_OPTIONS_SHOW_FLEXURE})
            EXPECT_TRUE(d.IsChecked(id)) << id;
        d.Ok();
    });
    EXPECT_EQ(shownSection, Default("Section Library"));
    EXPECT_EQ(shownVehicle, Default("Vehicle Library"));
    EXPECT_EQ(Ini("Options", "Library File Location"), Default("Section Library"));
    EXPECT_EQ(Ini("Options", "Truck Library File Location"), Default("Vehicle Library"));
    EXPECT_EQ(Ini("Options", "Text Report Font"), "0");
    EXPECT_EQ(Ini("Options", "Text Report Show Stresses"), "1");
}

TEST_F(UserOptionsTest, AnEmptyStoredFolderIsTheDefaultFolder) {
    platform::CIni ini;
    ini.SetUserFile(platform::kIniFileName);
    ASSERT_TRUE(ini.WriteString("Options", "Library File Location", ""));
    std::string shown;
    Options([&](DialogDriver& d) {
        shown = d.Text(IDC_OPTIONS_SECTION_FOLDER);
        d.Ok();
    });
    EXPECT_EQ(shown, Default("Section Library"));
    EXPECT_EQ(Ini("Options", "Library File Location"), Default("Section Library"));
}

TEST_F(UserOptionsTest, AFontSettingOutOfRangeIsVeryLarge) {
    platform::CIni ini;
    ini.SetUserFile(platform::kIniFileName);
    ASSERT_TRUE(ini.WriteInt("Options", "Text Report Font", 7));
    Options([](DialogDriver& d) {
        EXPECT_TRUE(d.IsChecked(IDC_OPTIONS_FONT_VERY_LARGE));
        EXPECT_FALSE(d.IsChecked(IDC_OPTIONS_FONT_NORMAL));
        d.Ok();
    });
    EXPECT_EQ(Ini("Options", "Text Report Font"), "2");
}

TEST_F(UserOptionsTest, CancelWritesNothingAndLeavesTheDesign) {
    const int asterisks = Doc()->m_bShowAsterisks;
    Doc()->SetModifiedFlag(false);
    const auto report = Doc()->Report();
    Options([](DialogDriver& d) {
        d.Click(IDC_OPTIONS_SHOW_ASTERISKS);
        d.Click(IDC_OPTIONS_FONT_LARGE);
        d.Click(IDC_OPTIONS_SHOW_STRESSES);
        d.Cancel();
    });
    EXPECT_EQ(Doc()->m_bShowAsterisks, asterisks);
    EXPECT_FALSE(Doc()->IsModified());
    EXPECT_EQ(Doc()->Report(), report);
    EXPECT_EQ(Ini("Options", "Text Report Font"), "(missing)");
    EXPECT_EQ(Ini("Options", "Text Report Show Stresses"), "(missing)");
}

TEST_F(UserOptionsTest, OkChangesTheReportAndTheNextTextViewAlsoAfterARestart) {
    ASSERT_TRUE(ReportHas(kStressHeading));
    const int asterisks = Doc()->m_bShowAsterisks;
    Options([](DialogDriver& d) {
        d.Click(IDC_OPTIONS_FONT_LARGE);
        d.Click(IDC_OPTIONS_SHOW_STRESSES);  // unchecks it
        d.Click(IDC_OPTIONS_SHOW_ASTERISKS);
        d.Ok();
    });
    EXPECT_EQ(Ini("Options", "Text Report Font"), "1");
    EXPECT_EQ(Ini("Options", "Text Report Show Stresses"), "0");
    EXPECT_EQ(Ini("Options", "Text Report Show Flexure"), "1");
    EXPECT_EQ(Doc()->m_bShowAsterisks, asterisks ? 0 : 1);
    EXPECT_TRUE(Doc()->IsModified());
    EXPECT_FALSE(ReportHas(kStressHeading)) << "the report was written again without stresses";

    ASSERT_TRUE(Choose(ID_RESULTS_TEXT_LONG));
    auto* view = dynamic_cast<CTextView*>(app->ActiveFrame()->GetActiveView());
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->TextFont().height, -17) << "12 points";

    // A new run of the program reads the same settings.
    Doc()->SetModifiedFlag(false);
    Exit();
    ASSERT_TRUE(Start());
    NewDesign();
    EXPECT_FALSE(ReportHas(kStressHeading));
    Options([](DialogDriver& d) {
        EXPECT_TRUE(d.IsChecked(IDC_OPTIONS_FONT_LARGE));
        EXPECT_FALSE(d.IsChecked(IDC_OPTIONS_SHOW_STRESSES));
        EXPECT_TRUE(d.IsChecked(IDC_OPTIONS_SHOW_FLEXURE));
        d.Cancel();
    });
    ASSERT_TRUE(Choose(ID_RESULTS_TEXT_LONG));
    view = dynamic_cast<CTextView*>(app->ActiveFrame()->GetActiveView());
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->TextFont().height, -17);
}

TEST_F(UserOptionsTest, BrowseTakesTheFolderPickedWithItsSeparator) {
    const std::string libraries = temp / "Libraries";
    ASSERT_EQ(::mkdir(libraries.c_str(), 0755), 0);
    ASSERT_EQ(::mkdir((libraries + "/Beams").c_str(), 0755), 0);
    platform::CIni ini;
    ini.SetUserFile(platform::kIniFileName);
    ASSERT_TRUE(ini.WriteString("Options", "Library File Location", libraries.c_str()));

    std::string shown;
    std::vector<std::string> listed;
    Options([&](DialogDriver& d) {
        toolkit.QueueDialog([&](DialogDriver& picker) {
            EXPECT_EQ(picker.Caption(), kBrowseSectionFolderTitle);
            EXPECT_FALSE(picker.IsVisible(IDC_PICK_TYPES));
            EXPECT_EQ(picker.Text(IDC_PICK_PATH), FolderLabel(libraries + "/", kPickPathChars));
            listed = picker.Items(IDC_PICK_LIST);
            picker.DoubleClick(IDC_PICK_LIST, 1);  // into "Beams"
            EXPECT_EQ(picker.Text(IDC_PICK_PATH), FolderLabel(libraries + "/Beams/", kPickPathChars));
            picker.Ok();  // no row selected: the folder it stands in
        });
        d.Click(IDC_OPTIONS_BROWSE_SECTION);
        shown = d.Text(IDC_OPTIONS_SECTION_FOLDER);
        d.Ok();
    });
    EXPECT_EQ(listed, (std::vector<std::string>{"[Up one directory]", "Beams"}));
    EXPECT_EQ(shown, libraries + "/Beams/");
    EXPECT_EQ(Ini("Options", "Library File Location"), libraries + "/Beams/");
}

TEST_F(UserOptionsTest, TheCommandNeedsADesign) {
    EXPECT_TRUE(Query(ID_FILE_OPTIONS).enabled);
    Doc()->SetModifiedFlag(false);
    Choose(ID_FILE_CLOSE);
    ASSERT_EQ(Doc(), nullptr);
    EXPECT_FALSE(Query(ID_FILE_OPTIONS).enabled);
}

}  // namespace
}  // namespace kordel::test
