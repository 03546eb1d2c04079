// "Truck Library": picking a vehicle out of the library folder with the browser.
#include "libraries/truck_lib_dlg.h"

#include <gtest/gtest.h>

#include "platform/file_io.h"
#include "tests/libraries/truck_dialog_fixture.h"

namespace kordel::test {
namespace {

using platform::ui::DialogDriver;
using platform::ui::kIdOk;

class TruckLibDlgTest : public TruckDialogTest {
  protected:
    int Run(std::function<void(DialogDriver&)> script) {
        toolkit.QueueDialog(std::move(script));
        return dlg.DoModal();
    }
    CTruckLibDlg dlg;
};

TEST_F(TruckLibDlgTest, TheLastFileClickedIsTheVehicleOkReturnsWithNothingBeyondItsAxles) {
    Write(Vehicle("Five", 5), "Five.ktl");
    Write(Vehicle("Three", 3), "Three.ktl");
    platform::WriteFileAtomically(platform::JoinPath(library, "notes.txt"), std::string("x"));
    platform::CreateFolders(platform::JoinPath(library, "Older"));
    EXPECT_EQ(Run([&](DialogDriver& d) {
                  EXPECT_EQ(d.Caption(), "Truck Library");
                  EXPECT_EQ(dlg.BrowsePath(), library) << "it opens on the library";
                  EXPECT_EQ(d.Text(IDC_TRUCK_FOLDER), FolderLabel(library, kTruckFolderChars));
                  EXPECT_EQ(d.Items(IDC_TRUCK_FILES),
                            (std::vector<std::string>{"[Up one directory]", "Older", "Five.ktl",
                                                      "Three.ktl"}))
                      << "folders and .ktl files only";
                  EXPECT_FALSE(d.IsVisible(IDC_TRUCK_FILE_TYPE));
                  d.Choose(IDC_TRUCK_FILES, "Five.ktl");
                  d.Choose(IDC_TRUCK_FILES, "Three.ktl");
                  d.Ok();
              }),
              kIdOk);
    EXPECT_EQ(static_cast<const TruckLibRecord&>(dlg), Vehicle("Three", 3))
        << "the file clicked last, rows 3 and 4 of the five-axle vehicle gone";
}

TEST_F(TruckLibDlgTest, ADoubleClickWalksTheFoldersAndPicksAFileInOneStep) {
    const std::string other = platform::JoinPath(library, "Older/");
    Write(Vehicle("Old", 2), "Old.ktl", other);
    EXPECT_EQ(Run([&](DialogDriver& d) {
                  d.DoubleClick(IDC_TRUCK_FILES, 1);  // "Older"
                  EXPECT_EQ(dlg.BrowsePath(), other);
                  d.DoubleClick(IDC_TRUCK_FILES, 0);  // "[Up one directory]"
                  EXPECT_EQ(dlg.BrowsePath(), library);
                  d.DoubleClick(IDC_TRUCK_FILES, 1);
                  d.DoubleClick(IDC_TRUCK_FILES, 1);  // "Old.ktl"
                  EXPECT_TRUE(d.Ended());
              }),
              kIdOk);
    EXPECT_EQ(dlg.m_strName, "Old");
    // The next opening starts in the library folder again.
    Run([&](DialogDriver&) { EXPECT_EQ(dlg.BrowsePath(), library); });
}

TEST_F(TruckLibDlgTest, ADamagedFileOrNoFileAtAllIsNoVehicle) {
    Write(Vehicle("Good", 2), "Good.ktl");
    platform::WriteFileAtomically(platform::JoinPath(library, "Bad.ktl"), std::string("abc"));
    EXPECT_EQ(Run([&](DialogDriver& d) {
                  d.Ok();
                  EXPECT_FALSE(d.Ended()) << "OK before any file was clicked";
                  d.Choose(IDC_TRUCK_FILES, "Good.ktl");
                  d.Choose(IDC_TRUCK_FILES, "Bad.ktl");
                  d.Ok();
              }),
              kIdOk);
    EXPECT_EQ(Messages(),
              (std::vector<std::string>{"Click a vehicle file first.", "Unexpected file format."}));
    EXPECT_EQ(dlg.m_strName, "Good") << "the vehicle read before the damaged file";
}

}  // namespace
}  // namespace kordel::test
