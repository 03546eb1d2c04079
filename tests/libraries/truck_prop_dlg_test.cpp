// "Vehicle Properties": what it shows of a vehicle in US and metric units, the editing of the
// axle rows, and what it hands back and saves.
#include "libraries/truck_prop_dlg.h"

#include <gtest/gtest.h>

#include "document/unit_conversions.h"
#include "libraries/truck_lib_dlg.h"
#include "platform/ui/recording_dc.h"
#include "tests/libraries/truck_dialog_fixture.h"

namespace kordel::test {
namespace {

using platform::ui::DialogDriver;
using platform::ui::kIdCancel;
using platform::ui::kIdOk;
using platform::ui::kKeyReturn;
using Lines = std::vector<std::string>;

class TruckPropDlgTest : public TruckDialogTest {
  protected:
    int Run(std::function<void(DialogDriver&)> script) {
        toolkit.QueueDialog(std::move(script));
        return dlg.DoModal();
    }
    /// Runs the dialog with `script`, whose Library... picks `file`.
    void RunWithPick(std::function<void(DialogDriver&)> script, const std::string& file) {
        toolkit.QueueDialog(std::move(script));
        toolkit.QueueDialog([file](DialogDriver& d) {
            d.Choose(IDC_TRUCK_FILES, file);
            d.Ok();
        });
        dlg.DoModal();
    }
    CTruckPropDlg dlg;
};

TEST_F(TruckPropDlgTest, HL93InUsUnitsListsItsAxlesInTheListFormats) {
    dlg.SetVehicle(StandardVehicle(), kUnitsUS);
    Run([](DialogDriver& d) {
        EXPECT_EQ(d.Caption(), "Vehicle Properties");
        EXPECT_EQ(d.Text(IDC_VEHICLE_NAME), "HL-93");
        EXPECT_EQ(d.Text(IDC_AXLE_COUNT), "3");
        // "%2.0d\t%5.2f" and "%2.0d-%2.0d\t%5.2f\t%5.2f"; the third row's spacings are not shown.
        EXPECT_EQ(d.Items(IDC_AXLE_WEIGHT_LIST), (Lines{" 1\t 8.00", " 2\t32.00", " 3\t32.00"}));
        EXPECT_EQ(d.Items(IDC_AXLE_SPACING_LIST), (Lines{" 1- 2\t14.00\t28.00", " 2- 3\t14.00\t28.00"}));
        EXPECT_EQ(d.TabStops(IDC_AXLE_WEIGHT_LIST), (std::vector<int>{24, 50}));
        EXPECT_EQ(d.TabStops(IDC_AXLE_SPACING_LIST), (std::vector<int>{25, 50}));
        EXPECT_EQ(d.Selection(IDC_AXLE_WEIGHT_LIST), 0);
        EXPECT_EQ(d.Text(IDC_AXLE_LABEL), " 1");
        EXPECT_EQ(d.Text(IDC_SPACING_LABEL), " 1- 2");
        EXPECT_EQ(d.Text(IDC_AXLE_WEIGHT), "8");
        EXPECT_EQ(d.Text(IDC_MIN_SPACING), "14");
        EXPECT_EQ(d.Text(IDC_MAX_SPACING), "28");
        EXPECT_EQ(d.Text(IDC_LANE_LOAD), "0.64");
        EXPECT_EQ(d.Text(IDC_AXLE_WEIGHT_GROUP), "Axle Weight,Kip");
        EXPECT_EQ(d.Text(IDC_LANE_LOAD_LABEL), "&Uniform,KLF:");
        EXPECT_TRUE(d.IsChecked(IDC_TRUCK_OR_TANDEM_PLUS_LANE));
        EXPECT_TRUE(d.IsChecked(IDC_INCLUDE_TANDEM));
        EXPECT_EQ(d.SpinRange(IDC_AXLE_COUNT_SPIN), (std::pair{0, 30}));
        EXPECT_EQ(d.SpinPos(IDC_AXLE_COUNT_SPIN), 3);
        EXPECT_TRUE(d.IsVisible(IDC_TRUCK_SAVE));
        EXPECT_TRUE(d.IsVisible(IDC_TRUCK_LIBRARY));
        d.Cancel();
    });
    EXPECT_EQ(AxlePictureId(0), IDB_AXLES_NONE);
    EXPECT_EQ(AxlePictureId(3), IDB_AXLES_THREE);
    EXPECT_EQ(AxlePictureId(4), IDB_AXLES_MORE);
}

TEST_F(TruckPropDlgTest, HL93InMetricShowsKilonewtonsAndMetresAndComesBackToTheLastBit) {
    dlg.SetVehicle(StandardVehicle(), kUnitsMetric);
    EXPECT_EQ(Run([](DialogDriver& d) {
                  // 8 kip x 4.4482 = 35.5856 kN; 14 and 28 ft x 0.3048 = 4.2672 and 8.5344 m.
                  EXPECT_EQ(d.Items(IDC_AXLE_WEIGHT_LIST),
                            (Lines{" 1\t35.59", " 2\t142.34", " 3\t142.34"}));
                  EXPECT_EQ(d.Items(IDC_AXLE_SPACING_LIST)[0], " 1- 2\t 4.27\t 8.53");
                  EXPECT_EQ(d.Text(IDC_LANE_LOAD), "9.340096") << "0.64 x 14.5939 kN/m";
                  EXPECT_EQ(d.Text(IDC_TANDEM_SPACING), "1.2192") << "4 x 0.3048 m";
                  EXPECT_EQ(d.Text(IDC_AXLE_WEIGHT_GROUP), "Axle Weight,kN");
                  EXPECT_EQ(d.Text(IDC_AXLE_SPACING_GROUP), "Axle Spacing,m");
                  EXPECT_EQ(d.Text(IDC_TANDEM_WEIGHT_GROUP), "Axle Weights,kN");
                  EXPECT_EQ(d.Text(IDC_TANDEM_SPACING_LABEL), "Axle Spacing,m");
                  EXPECT_EQ(d.Text(IDC_LANE_LOAD_LABEL), "&Uniform,kN/m:");
                  EXPECT_EQ(d.Text(IDC_LANE_MOMENT_LABEL), "P-&moment,kN:");
                  EXPECT_EQ(d.Text(IDC_LANE_SHEAR_LABEL), "P-&shear,kN:");
                  // Visiting every row and edit changes nothing.
                  d.Choose(IDC_AXLE_WEIGHT_LIST, 1);
                  d.Focus(IDC_MIN_SPACING);
                  d.Focus(IDC_MAX_SPACING);
                  d.Choose(IDC_AXLE_SPACING_LIST, 1);
                  d.Ok();
              }),
              kIdOk);
    // 14 x 0.3048 / 0.3048 is not 14 in doubles: the values left alone keep their US bits.
    ASSERT_NE(ConvertFeetMeters(0, ConvertFeetMeters(1, 14.0)), 14.0);
    EXPECT_EQ(dlg.GetVehicle(), StandardVehicle());
}

TEST_F(TruckPropDlgTest, OkTakesTheWeightAndSpacingBeingEditedWhereverTheFocusIs) {
    dlg.SetVehicle(StandardVehicle(), kUnitsUS);
    Run([](DialogDriver& d) {
        d.Type(IDC_MIN_SPACING, "15");
        d.Type(IDC_AXLE_WEIGHT, "9");
        d.PressKey(kKeyReturn);  // Return leaves the focus in the weight edit
        EXPECT_TRUE(d.Ended());
    });
    const TruckLibRecord v = dlg.GetVehicle();
    EXPECT_EQ(v.m_aAxles[0].m_dWeight, 9.0);
    EXPECT_EQ(v.m_aAxles[0].m_dMinSpacing, 15.0);
}

TEST_F(TruckPropDlgTest, RowsAreEditedThroughTheListsAndTheCountThroughTheSpin) {
    dlg.SetVehicle(StandardVehicle(), kUnitsUS);
    Run([](DialogDriver& d) {
        d.Choose(IDC_AXLE_WEIGHT_LIST, 2);
        EXPECT_EQ(d.Text(IDC_AXLE_LABEL), " 3");
        d.Type(IDC_AXLE_WEIGHT, "40");
        d.Choose(IDC_AXLE_WEIGHT_LIST, 0);
        EXPECT_EQ(d.Items(IDC_AXLE_WEIGHT_LIST)[2], " 3\t40.00") << "the row left is rewritten";
        EXPECT_EQ(d.Selection(IDC_AXLE_WEIGHT_LIST), 0);
        d.Choose(IDC_AXLE_SPACING_LIST, 1);
        d.Type(IDC_MAX_SPACING, "30");
        d.Focus(IDC_VEHICLE_NAME);
        EXPECT_EQ(d.Items(IDC_AXLE_SPACING_LIST)[1], " 2- 3\t14.00\t30.00");
        d.Spin(IDC_AXLE_COUNT_SPIN, true);
        EXPECT_EQ(d.Text(IDC_AXLE_COUNT), "4");
        EXPECT_EQ(d.Items(IDC_AXLE_WEIGHT_LIST).size(), 4u);
        EXPECT_EQ(d.Items(IDC_AXLE_SPACING_LIST).size(), 3u);
        for (int i = 0; i < 5; ++i) d.Spin(IDC_AXLE_COUNT_SPIN, false);
        EXPECT_EQ(d.Text(IDC_AXLE_COUNT), "0") << "the spin stops at 0";
        EXPECT_TRUE(d.Items(IDC_AXLE_WEIGHT_LIST).empty());
        EXPECT_TRUE(d.Items(IDC_AXLE_SPACING_LIST).empty());
        d.Type(IDC_AXLE_COUNT, "30");
        d.Spin(IDC_AXLE_COUNT_SPIN, true);
        EXPECT_EQ(d.Text(IDC_AXLE_COUNT), "30") << "and at 30";
        d.Type(IDC_AXLE_COUNT, "1");
        d.Click(IDC_TRUCK_OR_TANDEM_OR_LANE);
        d.Ok();
    });
    EXPECT_EQ(dlg.m_nAxleCount, 1);
    EXPECT_EQ(dlg.m_aAxles[2].m_dWeight, 40.0);
    EXPECT_EQ(dlg.m_aAxles[1].m_dMaxSpacing, 30.0);
    EXPECT_EQ(dlg.m_nCombination, kCombineTruckOrTandemOrLane);
}

TEST_F(TruckPropDlgTest, AxleCountsBeyondWhatAVehicleHoldsAreRefused) {
    // Typed: the data exchange refuses the count and keeps the dialog open.
    dlg.SetVehicle(StandardVehicle(), kUnitsUS);
    Run([](DialogDriver& d) {
        d.Type(IDC_AXLE_COUNT, "31");
        d.Ok();
        EXPECT_FALSE(d.Ended());
        EXPECT_EQ(d.FocusId(), IDC_AXLE_COUNT);
        d.Type(IDC_AXLE_COUNT, "-1");
        d.Ok();
        EXPECT_FALSE(d.Ended());
        d.Cancel();
    });
    EXPECT_EQ(Messages(), (Lines{"Enter a number between 0 and 30.",
                                 "Enter a number between 0 and 30."}));
    // Read: a library vehicle of 40 axles (the file holds up to 100) is not taken.
    host.ClearMessages();
    Write(Vehicle("Long", 40), "Long.ktl");
    RunWithPick(
        [](DialogDriver& d) {
            d.Click(IDC_TRUCK_LIBRARY);
            EXPECT_EQ(d.Text(IDC_VEHICLE_NAME), "HL-93");
            EXPECT_EQ(d.Items(IDC_AXLE_WEIGHT_LIST).size(), 3u);
            d.Ok();
        },
        "Long.ktl");
    EXPECT_EQ(Messages(), (Lines{"Vehicle Long has 40 axles; a vehicle may have at most 30."}));
    EXPECT_EQ(dlg.GetVehicle(), StandardVehicle());
    // Handed in: a count no row holds is shown without a line past the rows, and OK refuses it.
    host.ClearMessages();
    dlg.m_nAxleCount = 1000;
    Run([](DialogDriver& d) {
        EXPECT_EQ(d.Items(IDC_AXLE_WEIGHT_LIST).size(), 100u);
        d.Ok();
        EXPECT_FALSE(d.Ended());
    });
}

TEST_F(TruckPropDlgTest, LibraryTakesThePickedVehicleInTheDialogsUnits) {
    Write(Vehicle("Picked", 2), "Picked.ktl");
    dlg.SetVehicle(StandardVehicle(), kUnitsMetric);
    RunWithPick([](DialogDriver& d) {
        d.Choose(IDC_AXLE_WEIGHT_LIST, 1);
        d.Click(IDC_TRUCK_LIBRARY);
        EXPECT_EQ(d.Text(IDC_VEHICLE_NAME), "Picked");
        // 10 and 11 kip, 4 to 9 ft.
        EXPECT_EQ(d.Items(IDC_AXLE_WEIGHT_LIST), (Lines{" 1\t44.48", " 2\t48.93"}));
        EXPECT_EQ(d.Items(IDC_AXLE_SPACING_LIST), (Lines{" 1- 2\t 1.22\t 2.74"}));
        EXPECT_EQ(d.Selection(IDC_AXLE_WEIGHT_LIST), 0) << "row 0 current again";
        EXPECT_TRUE(d.IsChecked(IDC_TRUCK_OR_TANDEM_OR_LANE));
        EXPECT_EQ(d.SpinPos(IDC_AXLE_COUNT_SPIN), 2);
        d.Ok();
    }, "Picked.ktl");
    EXPECT_EQ(dlg.GetVehicle(), Vehicle("Picked", 2));
}

TEST_F(TruckPropDlgTest, SaveWritesTheLibraryFileInUsUnitsAndAsksBeforeReplacingOne) {
    dlg.SetVehicle(Vehicle("A/B", 2), kUnitsMetric);
    Write(Vehicle("AB", 3), "AB.ktl");
    host.QueueAnswer(platform::MsgResult::No);
    Run([](DialogDriver& d) {
        d.Type(IDC_AXLE_WEIGHT, "100");
        d.Click(IDC_TRUCK_SAVE);  // "A/B" is the file AB.ktl: No keeps the other vehicle
        d.Click(IDC_TRUCK_SAVE);  // Yes replaces it
        EXPECT_EQ(d.Text(IDC_AXLE_WEIGHT), "100") << "the dialog stays in kN";
        EXPECT_EQ(d.Items(IDC_AXLE_WEIGHT_LIST)[0], " 1\t100.00");
        d.Type(IDC_VEHICLE_NAME, "a/b");
        d.Click(IDC_TRUCK_SAVE);  // another file where case counts
        d.Cancel();
    });
    EXPECT_EQ(Messages(), (Lines{"Truck name A/B already exists.\nOverwrite existing truck?",
                                 "Truck name A/B already exists.\nOverwrite existing truck?"}));
    const TruckLibRecord saved = Read("AB.ktl");
    EXPECT_EQ(saved.m_strName, "A/B");
    EXPECT_EQ(saved.m_aAxles[0].m_dWeight, 100 / 4.4482);
    EXPECT_EQ(saved.m_aAxles[1], Vehicle("A/B", 2).m_aAxles[1]) << "left alone: its US value";
    EXPECT_EQ(LibraryFiles(), (Lines{"AB.ktl", "ab.ktl"}));
}

TEST_F(TruckPropDlgTest, ForTheLibraryDialogsSaveAndLibraryAreHidden) {
    TruckLibRecord v = StandardVehicle();
    v.m_nCombination = 3;  // no code of its own: shown as the first, kept until clicked
    dlg.SetVehicle(v, kUnitsUS);
    dlg.m_bHideLibraryButtons = 1;
    Run([](DialogDriver& d) {
        EXPECT_FALSE(d.IsVisible(IDC_TRUCK_SAVE));
        EXPECT_FALSE(d.IsVisible(IDC_TRUCK_LIBRARY));
        EXPECT_TRUE(d.IsChecked(IDC_TRUCK_OR_TANDEM_PLUS_LANE));
        d.Ok();
    });
    EXPECT_EQ(dlg.m_nCombination, 3);
}

TEST(AxlePicture, EachCountDrawsItsArrows) {
    const std::pair<int, std::size_t> cases[] = {{0, 0}, {1, 1}, {2, 2}, {3, 3}, {7, 3}};
    for (const auto& [count, arrows] : cases) {
        platform::ui::RecordingDC dc;
        DrawAxlePicture(AxlePictureId(count), dc);
        EXPECT_EQ(dc.OpsOf(platform::ui::RecordingDC::OpKind::Polygon).size(), arrows)
            << count << " axles";
    }
}

}  // namespace
}  // namespace kordel::test
