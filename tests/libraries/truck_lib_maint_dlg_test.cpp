// "Truck Library Maintenance": New..., Edit... and Import... write .ktl files into the library
// folder and ask before replacing one.
#include "libraries/truck_lib_maint_dlg.h"

#include <gtest/gtest.h>

#include "libraries/truck_prop_dlg.h"
#include "platform/file_io.h"
#include "tests/libraries/library_fixtures.h"
#include "tests/libraries/truck_dialog_fixture.h"

namespace kordel::test {
namespace {

using platform::MsgResult;
using platform::ui::DialogDriver;
using Lines = std::vector<std::string>;

constexpr const char* kAskNew = "Vehicle name HL-93 already exists.\nOverwrite existing section?";

class TruckLibMaintDlgTest : public TruckDialogTest {
  protected:
    /// Runs the maintenance dialog with `script`, then the properties dialogs it opens with
    /// `properties` in order.
    void Run(std::function<void(DialogDriver&)> script,
             std::vector<std::function<void(DialogDriver&)>> properties = {}) {
        toolkit.QueueDialog(std::move(script));
        for (auto& p : properties) toolkit.QueueDialog(std::move(p));
        dlg.DoModal();
    }
    CTruckLibMaintDlg dlg;
};

TEST_F(TruckLibMaintDlgTest, NewInMetricStartsFromHL93AndWritesItBackInUsUnitsExactly) {
    dlg.m_nUnits = kUnitsMetric;
    Run([](DialogDriver& d) {
            EXPECT_EQ(d.Caption(), "Truck Library Maintenance");
            d.Click(IDC_TRUCK_NEW);
            EXPECT_EQ(d.Items(IDC_TRUCK_FILES), (Lines{"[Up one directory]", "HL-93.ktl"}))
                << "listed again";
            d.Ok();
        },
        {[](DialogDriver& d) {
            EXPECT_EQ(d.Caption(), "Vehicle Properties");
            EXPECT_FALSE(d.IsVisible(IDC_TRUCK_SAVE));
            EXPECT_FALSE(d.IsVisible(IDC_TRUCK_LIBRARY));
            EXPECT_EQ(d.Items(IDC_AXLE_WEIGHT_LIST)[0], " 1\t35.59");
            EXPECT_EQ(d.Items(IDC_AXLE_SPACING_LIST)[0], " 1- 2\t 4.27\t 8.53");
            EXPECT_EQ(d.Text(IDC_LANE_LOAD), "9.340096");
            EXPECT_EQ(d.Text(IDC_TANDEM_SPACING), "1.2192");
            d.Ok();
        }});
    EXPECT_TRUE(Messages().empty());
    const TruckLibRecord written = Read("HL-93.ktl");
    EXPECT_EQ(written, StandardVehicle()) << "8 kip, 14 to 28 ft, 0.64 klf and 4 ft exactly";
}

TEST_F(TruckLibMaintDlgTest, NewAsksBeforeReplacingAVehicleOfTheSameName) {
    const TruckLibRecord mine = Vehicle("HL-93", 2);
    Write(mine, "HL-93.ktl");
    host.QueueAnswer(MsgResult::No);
    Run([](DialogDriver& d) {
            d.Click(IDC_TRUCK_NEW);
            d.Click(IDC_TRUCK_NEW);
            d.Cancel();
        },
        {[](DialogDriver& d) { d.Ok(); }, [](DialogDriver& d) { d.Cancel(); }});
    EXPECT_EQ(Messages(), (Lines{kAskNew}));
    EXPECT_EQ(Read("HL-93.ktl"), mine) << "No keeps the file";
}

TEST_F(TruckLibMaintDlgTest, EditRewritesItsOwnFileAndARenamedVehicleGoesToANewOne) {
    Write(Vehicle("Mine", 2), "Mine.ktl");
    Write(Vehicle("Other", 2), "Other.ktl");
    host.QueueAnswer(MsgResult::Ok);  // "Click a vehicle file first."
    host.QueueAnswer(MsgResult::No);  // replace Other.ktl?
    Run([](DialogDriver& d) {
            d.Click(IDC_TRUCK_EDIT);  // nothing clicked yet
            d.DoubleClick(IDC_TRUCK_FILES, 1);  // "Mine.ktl"
            d.Click(IDC_TRUCK_EDIT);  // the vehicle as written, with no click in between
            d.Click(IDC_TRUCK_EDIT);
            d.Ok();
        },
        {[](DialogDriver& d) {
             EXPECT_EQ(d.Text(IDC_VEHICLE_NAME), "Mine");
             EXPECT_FALSE(d.IsVisible(IDC_TRUCK_SAVE));
             d.Type(IDC_TANDEM_SPACING, "6");
             d.Ok();  // over its own file: no question
         },
         [](DialogDriver& d) {
             EXPECT_EQ(d.Text(IDC_TANDEM_SPACING), "6");
             d.Type(IDC_VEHICLE_NAME, "Renamed");
             d.Ok();
         },
         [](DialogDriver& d) {
             d.Type(IDC_VEHICLE_NAME, "Other");
             d.Ok();  // someone else's file: asked, and No keeps it
         }});
    EXPECT_EQ(Messages(), (Lines{"Click a vehicle file first.",
                                 "Vehicle name Other already exists.\nOverwrite existing section?"}));
    EXPECT_EQ(LibraryFiles(), (Lines{"Mine.ktl", "Other.ktl", "Renamed.ktl"}));
    EXPECT_EQ(Read("Mine.ktl").m_dTandemSpacing, 6.0);
    EXPECT_EQ(Read("Renamed.ktl").m_dTandemSpacing, 6.0);
    EXPECT_EQ(Read("Other.ktl"), Vehicle("Other", 2)) << "No kept it";
}

TEST_F(TruckLibMaintDlgTest, AVehicleFromAnotherFolderIsWrittenIntoTheLibrary) {
    const std::string elsewhere = temp / "elsewhere/";
    const std::string far = Write(Vehicle("Far", 2), "Far.ktl", elsewhere);
    const auto doubleClickRow = [](DialogDriver& d, const std::string& text) {
        const Lines rows = d.Items(IDC_TRUCK_FILES);
        const auto it = std::find(rows.begin(), rows.end(), text);
        ASSERT_NE(it, rows.end()) << text;
        d.DoubleClick(IDC_TRUCK_FILES, static_cast<int>(it - rows.begin()));
    };
    Run([&](DialogDriver& d) {
            // Up from ".../Documents/Dravnick Technologies/Kordel V4/Vehicle Library/".
            for (int i = 0; i < 4; ++i) doubleClickRow(d, "[Up one directory]");
            doubleClickRow(d, "elsewhere");
            EXPECT_EQ(dlg.BrowsePath(), elsewhere);
            doubleClickRow(d, "Far.ktl");
            d.Ok();
        },
        {[](DialogDriver& d) {
            d.Type(IDC_LANE_LOAD, "0.7");
            d.Ok();
        }});
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(Read("Far.ktl").m_dLaneLoad, 0.7);
    CTruckLibDoc original;
    ASSERT_TRUE(original.OnOpenDocument(far));
    EXPECT_EQ(original.m_dLaneLoad, 0.5) << "the file it came from stays as it was";
}

TEST_F(TruckLibMaintDlgTest, ImportWritesEachArchiveVehicleAndAsksForThoseThatExist) {
    Write(Vehicle("HL-93", 2), "HL-93.ktl");
    ByteWriter w;
    w.Str("1.00").I32(5);
    WriteVehicleBody(w, "HL-93", 3);
    WriteVehicleBody(w, "A/B", 2);
    WriteVehicleBody(w, "AB", 4);
    WriteVehicleBody(w, "Last", 1);
    // The fifth record is cut short.
    w.Str("Cut").I32(3).F64(1);
    const std::string archive = temp / "trucks.dat";
    platform::WriteFileAtomically(archive, w.Data());
    host.QueueFileName(archive);
    host.QueueAnswer(MsgResult::No);   // HL-93: keep the old file
    host.QueueAnswer(MsgResult::Yes);  // AB: replace A/B's file
    Run([](DialogDriver& d) {
        d.Click(IDC_TRUCK_IMPORT);
        d.Cancel();
    });
    ASSERT_EQ(Messages().size(), 3u);
    EXPECT_EQ(Messages()[0], "HL-93 already exists. Overwrite?");
    EXPECT_EQ(Messages()[1], "AB already exists. Overwrite?") << "A/B was written as AB.ktl";
    EXPECT_EQ(LibraryFiles(), (Lines{"AB.ktl", "HL-93.ktl", "Last.ktl"}));
    EXPECT_EQ(Read("HL-93.ktl").m_nAxleCount, 2) << "No kept it";
    EXPECT_EQ(Read("AB.ktl").m_strName, "AB");
    EXPECT_EQ(Read("Last.ktl").m_nAxleCount, 1) << "written before the damaged record";
}

}  // namespace
}  // namespace kordel::test
