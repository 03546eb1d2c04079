// "Add Additional Vehicles": rating vehicles taken out of the vehicle library with the arrow
// button, removed, the list's 30 places, files that cannot be read or do not fit a record, and
// another folder listed through "Browse...".
#include "dialogs/input/add_vehicles_dlg.h"

#include <gtest/gtest.h>

#include "controls/file_pick_ctrl.h"
#include "dialogs/input/analysis_options_dlg.h"
#include "controls/folder_browser.h"
#include "platform/file_io.h"
#include "platform/ui/headless_controls.h"
#include "tests/libraries/truck_dialog_fixture.h"

namespace kordel::test {
namespace {

using platform::ui::DialogDriver;
using platform::ui::kIdOk;
using platform::ui::MouseAction;

/// Presses and releases the arrow button, as a click of the mouse does.
void ClickAdd(DialogDriver& d) {
    platform::ui::HeadlessControl* arrow = d.ControlWindow(IDC_ADD_VEHICLE);
    ASSERT_NE(arrow, nullptr) << "the arrow button's window";
    arrow->Mouse(MouseAction::LeftDown, {10, 10});
    arrow->Mouse(MouseAction::LeftUp, {10, 10});
}

class AddVehiclesDlgTest : public TruckDialogTest {
  protected:
    int Run(std::function<void(DialogDriver&)> script) {
        toolkit.QueueDialog(std::move(script));
        return dlg.DoModal();
    }
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (int v = 0; v < dlg.m_nVehicleCount; ++v) names.push_back(dlg.m_aVehicles[v].m_strName);
        return names;
    }
    CAddVehiclesDlg dlg;
};

TEST_F(AddVehiclesDlgTest, AddTakesTheWholeVehicleInSinglePrecisionAndRemoveKeepsTheOrder) {
    TruckLibRecord heavy = Vehicle("Heavy", 4);
    heavy.m_dLaneLoad = 0.64;  // klf: held as the nearest float
    Write(heavy, "Heavy.ktl");
    Write(Vehicle("Alpha", 2), "Alpha.ktl");
    platform::WriteFileAtomically(platform::JoinPath(library, "notes.txt"), std::string("x"));
    dlg.m_nVehicleCount = 1;
    dlg.m_aVehicles[0].m_strName = "Kept";
    EXPECT_EQ(Run([&](DialogDriver& d) {
                  EXPECT_EQ(d.Caption(), "Add Additional Vehicles");
                  EXPECT_EQ(d.Items(IDC_LIBRARY_VEHICLES),
                            (std::vector<std::string>{"Alpha", "Heavy"}))
                      << "the file titles of the .ktl files, sorted";
                  EXPECT_EQ(d.Items(IDC_SELECTED_VEHICLES), (std::vector<std::string>{"Kept"}));
                  EXPECT_EQ(d.Text(IDC_SELECTED_FOLDER), FolderLabel(library, kSelectedFolderChars));
                  EXPECT_FALSE(d.IsVisible(IDC_EDIT_VEHICLE));
                  ClickAdd(d);  // nothing chosen in the library: nothing added
                  d.Choose(IDC_LIBRARY_VEHICLES, "Heavy");
                  ClickAdd(d);
                  ClickAdd(d);  // the same vehicle again
                  d.Choose(IDC_LIBRARY_VEHICLES, "Alpha");
                  ClickAdd(d);
                  EXPECT_EQ(d.Items(IDC_SELECTED_VEHICLES),
                            (std::vector<std::string>{"Kept", "Heavy", "Heavy", "Alpha"}));
                  d.Choose(IDC_SELECTED_VEHICLES, 1);
                  d.Click(IDC_REMOVE_VEHICLE);
                  EXPECT_EQ(d.Items(IDC_SELECTED_VEHICLES),
                            (std::vector<std::string>{"Kept", "Heavy", "Alpha"}));
                  d.Ok();
              }),
              kIdOk);
    ASSERT_EQ(Names(), (std::vector<std::string>{"Kept", "Heavy", "Alpha"}));
    const VehicleRecord& r = dlg.m_aVehicles[1];
    EXPECT_EQ(r.m_nAxleCount, 4);
    for (int a = 0; a < 4; ++a) {
        EXPECT_EQ(r.m_afAxles[a][kAxleWeight], static_cast<float>(heavy.m_aAxles[a].m_dWeight));
        EXPECT_EQ(r.m_afAxles[a][kAxleMinSpacing],
                  static_cast<float>(heavy.m_aAxles[a].m_dMinSpacing));
        EXPECT_EQ(r.m_afAxles[a][kAxleMaxSpacing],
                  static_cast<float>(heavy.m_aAxles[a].m_dMaxSpacing));
    }
    EXPECT_EQ(r.m_afAxles[4][kAxleWeight], 0.0f);
    EXPECT_EQ(r.m_fLaneLoad, 0.64f);
    EXPECT_EQ(r.m_fLaneMomentLoad, 18.0f);
    EXPECT_EQ(r.m_fLaneShearLoad, 26.0f);
    EXPECT_EQ(r.m_bIncludeTandem, 1);
    EXPECT_EQ(r.m_fTandemAxle1, 24.0f);
    EXPECT_EQ(r.m_fTandemAxle2, 23.0f);
    EXPECT_EQ(r.m_fTandemSpacing, 5.0f);
    EXPECT_EQ(r.m_nCombination, kCombineTruckOrTandemOrLane);
    EXPECT_TRUE(Messages().empty());
}

TEST_F(AddVehiclesDlgTest, ThirtyVehiclesAtMostAndNoRecordFromAFileThatCannotBeTaken) {
    Write(Vehicle("Good", 2), "Good.ktl");
    Write(Vehicle("Long", 31), "Long.ktl");  // the library file holds it; a record cannot
    platform::WriteFileAtomically(platform::JoinPath(library, "Bad.ktl"), std::string("abc"));
    dlg.m_nVehicleCount = 29;
    for (int v = 0; v < 29; ++v) dlg.m_aVehicles[v].m_strName = "V" + std::to_string(v);
    Run([&](DialogDriver& d) {
        d.Choose(IDC_LIBRARY_VEHICLES, "Bad");
        ClickAdd(d);
        d.Choose(IDC_LIBRARY_VEHICLES, "Long");
        ClickAdd(d);
        EXPECT_EQ(d.Items(IDC_SELECTED_VEHICLES).size(), 29u) << "neither file gave a record";
        d.Choose(IDC_LIBRARY_VEHICLES, "Good");
        ClickAdd(d);
        EXPECT_EQ(d.Items(IDC_SELECTED_VEHICLES).size(), 30u);
        ClickAdd(d);
        EXPECT_EQ(d.Items(IDC_SELECTED_VEHICLES).size(), 30u);
        // Removing the last entry only shortens the list.
        d.Choose(IDC_SELECTED_VEHICLES, 29);
        d.Click(IDC_REMOVE_VEHICLE);
        d.Ok();
    });
    EXPECT_EQ(dlg.m_nVehicleCount, 29);
    EXPECT_EQ(dlg.m_aVehicles[28].m_strName, "V28");
    EXPECT_EQ(dlg.m_aVehicles[29], VehicleRecord{}) << "no record left behind the list";
    EXPECT_EQ(Messages(),
              (std::vector<std::string>{"Unexpected file format.",
                                        "Vehicle Long has 31 axles; a vehicle may have at most 30.",
                                        "Cannot add more than 30 vehicles."}));
}

TEST_F(AddVehiclesDlgTest, BrowseListsAnotherFolderForThisDialogOnly) {
    Write(Vehicle("Here", 2), "Here.ktl");
    const std::string other = platform::JoinPath(library, "More/");
    Write(Vehicle("There", 2), "There.ktl", other);
    Run([&](DialogDriver& d) {
        // Cancelled: the same folder and list again.
        toolkit.QueueDialog([](DialogDriver& pick) {
            EXPECT_EQ(pick.Caption(), CAddVehiclesDlg::kBrowseTitle);
            pick.Cancel();
        });
        d.Click(IDC_BROWSE_VEHICLE_FOLDER);
        EXPECT_EQ(d.Items(IDC_LIBRARY_VEHICLES), (std::vector<std::string>{"Here"}));
        EXPECT_EQ(d.Text(IDC_SELECTED_FOLDER), FolderLabel(library, kSelectedFolderChars));
        // Another folder chosen: its vehicles, which can be added.
        toolkit.QueueDialog([](DialogDriver& pick) {
            pick.DoubleClick(IDC_PICK_LIST, 1);  // into "More"
            pick.Ok();
        });
        d.Click(IDC_BROWSE_VEHICLE_FOLDER);
        EXPECT_EQ(d.Items(IDC_LIBRARY_VEHICLES), (std::vector<std::string>{"There"}));
        EXPECT_EQ(d.Text(IDC_SELECTED_FOLDER), FolderLabel(other, kSelectedFolderChars));
        d.Choose(IDC_LIBRARY_VEHICLES, "There");
        ClickAdd(d);
        d.Ok();
    });
    EXPECT_EQ(Names(), (std::vector<std::string>{"There"}));
    EXPECT_EQ(Ini(platform::kIniSectionOptions, platform::kIniKeyTruckLibraryFolder), "null")
        << "the settings keep the default library folder, the key written as it opened";
}

}  // namespace
}  // namespace kordel::test
