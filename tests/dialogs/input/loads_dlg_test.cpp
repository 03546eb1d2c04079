// "Loads", opened from the Input menu on example 1: diaphragms, barriers and wearing surface,
// the vehicles' inclusion and how their results combine, the distribution factors of a girder
// alone, the deflection limit, the refusals of OK, and each vehicle's round trip through
// "Vehicle Properties" in US and metric units.
#include "dialogs/input/loads_dlg.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <set>
#include <vector>

#include "document/model_loads.h"
#include "document/model_project.h"
#include "libraries/truck_prop_dlg.h"
#include "tests/app/desktop_test_support.h"

namespace kordel::test {
namespace {

using platform::ui::DialogDriver;
using Script = std::function<void(DialogDriver&)>;

class LoadsDlgTest : public DesktopTest {
  protected:
    void SetUp() override {
        ASSERT_TRUE(Start());
        NewDesign();
    }
    /// Input/Loads with `script` played in the dialog, and `subs` in the dialogs it opens.
    void Loads(Script script, std::vector<Script> subs = {}) {
        toolkit.QueueDialog(std::move(script));
        for (Script& sub : subs) toolkit.QueueDialog(std::move(sub));
        ASSERT_TRUE(Choose(ID_INPUT_LOADS));
    }
};

TEST_F(LoadsDlgTest, TheDiaphragmWeightIsOpenWhileAnyLocationIsTicked) {
    Doc()->m_bDiaphragmAtQuarter = 1;
    Loads([](DialogDriver& d) {
        EXPECT_TRUE(d.IsEnabled(IDC_LOADS_DIAPHRAGM_WEIGHT));
        EXPECT_FALSE(d.IsEnabled(IDC_LOADS_DIAPHRAGM_LOCATION));
        d.Click(IDC_LOADS_DIAPHRAGM_OTHER);
        EXPECT_TRUE(d.IsEnabled(IDC_LOADS_DIAPHRAGM_LOCATION));
        EXPECT_TRUE(d.IsEnabled(IDC_LOADS_LOCATION_UNIT));
        d.Click(IDC_LOADS_DIAPHRAGM_QUARTER);
        EXPECT_TRUE(d.IsEnabled(IDC_LOADS_WEIGHT_LABEL)) << "Other: is still ticked";
        EXPECT_TRUE(d.IsEnabled(IDC_LOADS_DIAPHRAGM_WEIGHT));
        d.Click(IDC_LOADS_DIAPHRAGM_OTHER);
        EXPECT_FALSE(d.IsEnabled(IDC_LOADS_WEIGHT_LABEL)) << "no location left";
        EXPECT_FALSE(d.IsEnabled(IDC_LOADS_DIAPHRAGM_WEIGHT));
        EXPECT_FALSE(d.IsEnabled(IDC_LOADS_DIAPHRAGM_LOCATION));
        d.Click(IDC_LOADS_DIAPHRAGM_HALF);
        d.Type(IDC_LOADS_DIAPHRAGM_WEIGHT, "3.5");
        d.Ok();
    });
    CKordelDoc& doc = *Doc();
    EXPECT_EQ(doc.m_bDiaphragmAtHalf, 1);
    EXPECT_EQ(doc.m_bDiaphragmAtQuarter, 0);
    EXPECT_EQ(doc.m_dDiaphragmWeight, 3.5);
    EXPECT_EQ(doc.m_strDiaphragmAtQuarter, "");
    EXPECT_EQ(doc.m_strDiaphragmAtHalf, "L/2 ");
}

TEST_F(LoadsDlgTest, TheDiaphragmLabelsFollowTheLocations) {
    struct Case {
        std::vector<int> ticks;  // clicked on example 1, which has none
        const char* quarter;
        const char* third;
        const char* half;
    };
    const Case cases[] = {
        {{}, "NONE", "", ""},
        {{IDC_LOADS_DIAPHRAGM_OTHER}, "NONE", "", ""},
        {{IDC_LOADS_DIAPHRAGM_QUARTER, IDC_LOADS_DIAPHRAGM_THIRD}, "L/4 ", "L/3 ", ""},
        {{IDC_LOADS_DIAPHRAGM_THIRD}, "", "L/3 ", ""},
    };
    for (const Case& c : cases) {
        for (int* flag : {&Doc()->m_bDiaphragmAtQuarter, &Doc()->m_bDiaphragmAtThird,
                          &Doc()->m_bDiaphragmAtHalf, &Doc()->m_bDiaphragmAtUserLocation})
            *flag = 0;
        Loads([&c](DialogDriver& d) {
            for (int id : c.ticks) d.Click(id);
            d.Ok();
        });
        EXPECT_EQ(Doc()->m_strDiaphragmAtQuarter, c.quarter);
        EXPECT_EQ(Doc()->m_strDiaphragmAtThird, c.third);
        EXPECT_EQ(Doc()->m_strDiaphragmAtHalf, c.half);
    }
}

TEST_F(LoadsDlgTest, BarriersAndWearingSurfaceAreALineLoadOrWorkedOutFromTheirParts) {
    Doc()->m_nBarrierDistribution = kBarriersPcap;
    Loads([](DialogDriver& d) {
        EXPECT_TRUE(d.IsChecked(IDC_LOADS_BARRIER_CONSTANT));
        EXPECT_TRUE(d.IsEnabled(IDC_LOADS_BARRIER_LOAD));
        for (int id : {IDC_LOADS_BARRIER_DISTRIBUTION, IDC_LOADS_BARRIER_COUNT,
                       IDC_LOADS_BARRIER_WEIGHT, IDC_LOADS_BARRIER_DIST_LABEL})
            EXPECT_FALSE(d.IsEnabled(id)) << id;
        EXPECT_EQ(d.Items(IDC_LOADS_BARRIER_DISTRIBUTION),
                  (std::vector<std::string>{"Equal", "PCAP", "FDOT"}));
        EXPECT_EQ(d.Selection(IDC_LOADS_BARRIER_DISTRIBUTION), 1);
        d.Click(IDC_LOADS_BARRIER_VARIABLE);
        EXPECT_FALSE(d.IsEnabled(IDC_LOADS_BARRIER_LOAD));
        EXPECT_FALSE(d.IsEnabled(IDC_LOADS_BARRIER_LOAD_UNIT));
        EXPECT_TRUE(d.IsEnabled(IDC_LOADS_BARRIER_WEIGHT_UNIT));
        d.Choose(IDC_LOADS_BARRIER_DISTRIBUTION, "FDOT");
        d.Type(IDC_LOADS_BARRIER_COUNT, "3");

        EXPECT_TRUE(d.IsEnabled(IDC_LOADS_FWS_LOAD));
        EXPECT_FALSE(d.IsEnabled(IDC_LOADS_FWS_WIDTH_BASIS));
        d.Click(IDC_LOADS_FWS_VARIABLE);
        EXPECT_FALSE(d.IsEnabled(IDC_LOADS_FWS_LOAD));
        EXPECT_TRUE(d.IsEnabled(IDC_LOADS_FWS_PRESSURE));
        EXPECT_TRUE(d.IsEnabled(IDC_LOADS_FWS_DIST_LABEL));
        d.Choose(IDC_LOADS_FWS_WIDTH_BASIS, "Curb to Curb");
        d.Type(IDC_LOADS_FWS_PRESSURE, "0.035");
        d.Ok();
    });
    CKordelDoc& doc = *Doc();
    EXPECT_EQ(doc.m_nBarrierLoadMode, kLoadVariable);
    EXPECT_EQ(doc.m_nBarrierDistribution, kBarriersFdot);
    EXPECT_EQ(doc.m_nBarrierCount, 3);
    EXPECT_EQ(doc.m_nFwsLoadMode, kLoadVariable);
    EXPECT_EQ(doc.m_nFwsWidthBasis, kFwsWidthCurbToCurb);
    EXPECT_EQ(doc.m_dFwsPressure, 0.035);
}

TEST_F(LoadsDlgTest, TheCombinationNeedsBothVehiclesAndCaltransKeepsThemApart) {
    struct Case {
        const char* what;
        int agency;
        int combinationAfterRetick;
        bool governingEnabled;
    };
    const Case cases[] = {
        {"no agency", kAgencyNone, kCombineGoverning, true},
        {"Caltrans", kAgencyCaltrans, kCombineNotCombined, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CKordelDoc& doc = *Doc();
        doc.m_nAgency = c.agency;
        doc.m_recVehicle2.m_bIncluded = 1;
        doc.m_nVehicleCombineMode = kCombineOverload;
        doc.m_nVehicle2ImpactMode = kValueSpecified;
        Loads([&c](DialogDriver& d) {
            EXPECT_TRUE(d.IsChecked(IDC_LOADS_COMBINE_OVERLOAD));
            EXPECT_TRUE(d.IsEnabled(IDC_LOADS_COMBINE_LABEL));
            EXPECT_EQ(d.IsEnabled(IDC_LOADS_COMBINE_OVERLOAD), c.governingEnabled);
            EXPECT_TRUE(d.IsEnabled(IDC_LOADS_V2_DLA));
            d.Click(IDC_LOADS_V2_INCLUDE);
            EXPECT_TRUE(d.IsChecked(IDC_LOADS_COMBINE_GOVERNING));
            EXPECT_FALSE(d.IsChecked(IDC_LOADS_COMBINE_OVERLOAD));
            for (int id : {IDC_LOADS_COMBINE_LABEL, IDC_LOADS_COMBINE_GOVERNING,
                           IDC_LOADS_COMBINE_OVERLOAD, IDC_LOADS_COMBINE_NONE, IDC_LOADS_V2_DLA,
                           IDC_LOADS_V2_PROPERTIES, IDC_LOADS_V2_MULTIPLIER,
                           IDC_LOADS_V2_DLA_COMPUTE})
                EXPECT_FALSE(d.IsEnabled(id)) << id;
            d.Click(IDC_LOADS_V2_INCLUDE);
            EXPECT_TRUE(d.IsEnabled(IDC_LOADS_COMBINE_NONE));
            EXPECT_EQ(d.IsEnabled(IDC_LOADS_COMBINE_GOVERNING), c.governingEnabled);
            EXPECT_EQ(d.IsChecked(IDC_LOADS_COMBINE_NONE),
                      c.combinationAfterRetick == kCombineNotCombined);
            EXPECT_TRUE(d.IsEnabled(IDC_LOADS_V2_DLA)) << "its Specify: is still chosen";
            d.Ok();
        });
        EXPECT_EQ(doc.m_nVehicleCombineMode, c.combinationAfterRetick);
        EXPECT_EQ(doc.m_recVehicle2.m_bIncluded, 1);
    }
}

TEST_F(LoadsDlgTest, AnExcludedVehicleOpensWithItsAllowanceClosedWhateverItsMode) {
    Doc()->m_recVehicle2.m_bIncluded = 0;
    Doc()->m_nVehicle2ImpactMode = kValueSpecified;
    Doc()->m_nVehicleCombineMode = kCombineNotCombined;
    Loads([](DialogDriver& d) {
        EXPECT_TRUE(d.IsChecked(IDC_LOADS_V2_DLA_SPECIFY));
        EXPECT_FALSE(d.IsEnabled(IDC_LOADS_V2_DLA));
        EXPECT_FALSE(d.IsEnabled(IDC_LOADS_V2_DLA_SPECIFY));
        EXPECT_FALSE(d.IsEnabled(IDC_LOADS_COMBINE_NONE));
        EXPECT_TRUE(d.IsEnabled(IDC_LOADS_V1_DLA_COMPUTE));
        EXPECT_FALSE(d.IsEnabled(IDC_LOADS_V1_DLA)) << "vehicle 1 computes its allowance";
        d.Click(IDC_LOADS_V1_DLA_SPECIFY);
        EXPECT_TRUE(d.IsEnabled(IDC_LOADS_V1_DLA));
        d.Type(IDC_LOADS_V1_DLA, "0.25");
        d.Ok();
    });
    EXPECT_EQ(Doc()->m_nVehicle1ImpactMode, kValueSpecified);
    EXPECT_EQ(Doc()->m_dVehicle1ImpactSpecified, 0.25);
    EXPECT_EQ(Doc()->m_nVehicleCombineMode, kCombineNotCombined) << "kept as stored";
}

TEST_F(LoadsDlgTest, AGirderAloneHasItsDistributionFactorGroupAndNothingElseDisabled) {
    const auto enabledStates = [this](int beams, int mode) {
        Doc()->m_nBeams = beams;
        Doc()->m_nDistFactorMode = mode;
        std::map<int, bool> enabled;
        Loads([&enabled](DialogDriver& d) {
            for (const auto& c : CLoadsDlg::Template().controls) {
                if (c.id != platform::ui::kIdStatic) enabled[c.id] = d.IsEnabled(c.id);
            }
            d.Cancel();
        });
        return enabled;
    };
    for (int mode : {kValueComputed, kValueSpecified}) {
        SCOPED_TRACE(mode);
        const std::map<int, bool> several = enabledStates(5, mode);
        const std::map<int, bool> alone = enabledStates(1, mode);
        const std::set<int> group(kLiveLoadDfGroup.begin(), kLiveLoadDfGroup.end());
        for (const auto& [id, on] : alone) {
            if (group.count(id)) {
                EXPECT_FALSE(on) << id << " belongs to the group";
            } else {
                EXPECT_EQ(on, several.at(id)) << id << " is outside the group";
            }
        }
        EXPECT_EQ(several.at(IDC_LOADS_DF_MOMENT), mode == kValueSpecified);
        EXPECT_TRUE(several.at(IDC_LOADS_DF_FRAME));
    }
}

TEST_F(LoadsDlgTest, TheDeflectionRadiosChooseTheRatio) {
    struct Case {
        double stored;
        int radio;
        const char* shown;
    };
    const Case cases[] = {
        {800.005, IDC_LOADS_DEFL_800, "800.005"},
        {800.02, IDC_LOADS_DEFL_USER, "800.02"},
        {999.995, IDC_LOADS_DEFL_1000, "999.995"},
        {1200, IDC_LOADS_DEFL_USER, "1200"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored);
        Doc()->m_dDeflLimitRatio = c.stored;
        Loads([&c](DialogDriver& d) {
            EXPECT_TRUE(d.IsChecked(c.radio));
            EXPECT_EQ(d.IsEnabled(IDC_LOADS_DEFL_RATIO), c.radio == IDC_LOADS_DEFL_USER);
            EXPECT_EQ(d.Text(IDC_LOADS_DEFL_RATIO), c.shown);
            d.Cancel();
        });
    }
    Loads([](DialogDriver& d) {
        d.Click(IDC_LOADS_DEFL_1000);
        EXPECT_EQ(d.Text(IDC_LOADS_DEFL_RATIO), "1000");
        EXPECT_FALSE(d.IsEnabled(IDC_LOADS_DEFL_RATIO_LABEL));
        d.Click(IDC_LOADS_DEFL_USER);
        EXPECT_TRUE(d.IsEnabled(IDC_LOADS_DEFL_RATIO));
        d.Type(IDC_LOADS_DEFL_RATIO, "1500");
        d.Ok();
    });
    EXPECT_EQ(Doc()->m_dDeflLimitRatio, 1500.0);
    Loads([](DialogDriver& d) {
        d.Click(IDC_LOADS_DEFL_800);
        d.Ok();
    });
    EXPECT_EQ(Doc()->m_dDeflLimitRatio, 800.0);
}

TEST_F(LoadsDlgTest, OkRefusesWhatIsNoNumberAndASelfWeightMultiplierOutOfRange) {
    struct Case {
        int field;
        const char* typed;
        const char* message;  // nullptr: accepted
    };
    const Case cases[] = {
        {IDC_LOADS_SELF_WEIGHT, "0", "Enter a number between 0.01 and 1000."},
        {IDC_LOADS_SELF_WEIGHT, "0.01", nullptr},
        {IDC_LOADS_SELF_WEIGHT, "1000", nullptr},
        {IDC_LOADS_BARRIER_LOAD, "heavy", "Enter a number."},
        {IDC_LOADS_PEDESTRIAN, "-0.1", nullptr},
    };
    Doc()->m_nBarrierLoadMode = kLoadVariable;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        Doc()->m_nBarrierLoadMode = kLoadConstant;
        const std::size_t shown = host.Messages().size();
        Loads([&](DialogDriver& d) {
            d.Type(c.field, c.typed);
            d.Ok();
            EXPECT_EQ(d.Ended(), c.message == nullptr);
            if (!c.message) return;
            EXPECT_EQ(host.Messages().back().text, c.message);
            EXPECT_EQ(host.Messages().size(), shown + 1);
            EXPECT_EQ(d.FocusId(), c.field);
            d.Cancel();
        });
    }
    Doc()->m_nBarrierLoadMode = kLoadVariable;
    Loads([this](DialogDriver& d) {
        d.Type(IDC_LOADS_BARRIER_COUNT, "2.5");
        d.Ok();
        EXPECT_FALSE(d.Ended());
        EXPECT_EQ(host.Messages().back().text, "Enter an integer.");
        d.Cancel();
    });
}

TEST_F(LoadsDlgTest, AMetricDesignShowsItsDeadLoadsInMetricUnits) {
    CKordelDoc& doc = *Doc();
    doc.m_nUnits = kUnitsMetric;
    doc.m_dBarrierLoad = 0.5;     // klf
    doc.m_dFwsPressure = 0.035;   // ksf
    doc.m_dDiaphragmWeight = 10;  // kip
    Loads([](DialogDriver& d) {
        EXPECT_EQ(d.Text(IDC_LOADS_BARRIER_LOAD), "7.29695");   // 0.5 x 14.5939
        EXPECT_EQ(d.Text(IDC_LOADS_FWS_PRESSURE), "1.675835");  // 0.035 x 47.881
        EXPECT_EQ(d.Text(IDC_LOADS_DIAPHRAGM_WEIGHT), "44.482");
        EXPECT_EQ(d.Text(IDC_LOADS_BARRIER_LOAD_UNIT), "kN/m/beam");
        EXPECT_EQ(d.Text(IDC_LOADS_FWS_PRESSURE_UNIT), "kN/m2/beam");
        EXPECT_EQ(d.Text(IDC_LOADS_WEIGHT_LABEL), "Wt.,kN:");
        EXPECT_EQ(d.Text(IDC_LOADS_LOCATION_UNIT), "m");
        d.Type(IDC_LOADS_BARRIER_LOAD, "14.5939");
        d.Ok();
    });
    EXPECT_EQ(doc.m_dBarrierLoad, 1.0);
    EXPECT_EQ(doc.m_dFwsPressure, 0.035) << "left as shown, to the last bit";
}

TEST_F(LoadsDlgTest, AVehicleGoesThroughItsPropertiesAndComesBackInUSUnits) {
    for (int units : {kUnitsUS, kUnitsMetric}) {
        SCOPED_TRACE(units);
        CKordelDoc& doc = *Doc();
        doc.m_nUnits = units;
        const LiveLoadVehicle before = doc.m_recVehicle1;
        ASSERT_EQ(before.m_aAxles[1].m_dWeight, 32.0);
        doc.m_recVehicle1.m_dMultiplier = 1.25;
        doc.m_recVehicle1.m_nAuxFlag = 7;
        Loads(
            [](DialogDriver& d) {
                d.Click(IDC_LOADS_V1_PROPERTIES);
                EXPECT_EQ(d.Text(IDC_LOADS_V1_ID), "Heavy");
                d.Ok();
            },
            {[units](DialogDriver& p) {
                EXPECT_EQ(p.Caption(), "Vehicle Properties");
                EXPECT_TRUE(p.IsVisible(IDC_TRUCK_SAVE));
                p.Choose(IDC_AXLE_WEIGHT_LIST, 1);
                EXPECT_EQ(p.Text(IDC_AXLE_WEIGHT), units == kUnitsUS ? "32" : "142.3424");
                p.Type(IDC_AXLE_WEIGHT, units == kUnitsUS ? "40" : "177.928");  // 40 kip
                p.Type(IDC_VEHICLE_NAME, "Heavy");
                p.Ok();
            }});
        const LiveLoadVehicle& v = doc.m_recVehicle1;
        EXPECT_EQ(v.m_strName, "Heavy");
        EXPECT_EQ(v.m_aAxles[1].m_dWeight, 40.0);
        EXPECT_EQ(v.m_aAxles[2].m_dWeight, 32.0) << "an axle left alone keeps its last bit";
        EXPECT_EQ(v.m_aAxles[0].m_dMaxSpacing, before.m_aAxles[0].m_dMaxSpacing);
        EXPECT_EQ(v.m_dLaneLoad, before.m_dLaneLoad);
        EXPECT_EQ(v.m_dMultiplier, 1.25) << "never part of the exchange";
        EXPECT_EQ(v.m_nAuxFlag, 7);
        doc.m_recVehicle1 = before;
    }
}

TEST_F(LoadsDlgTest, ACancelledPropertiesDialogOrOneWithTooManyAxlesLeavesTheVehicle) {
    CKordelDoc& doc = *Doc();
    // A vehicle of the design with more axles than the dialogs take (an older file).
    doc.m_recVehicle2.m_nAxleCount = 40;
    doc.m_recVehicle2.m_bIncluded = 1;
    const LiveLoadVehicle v1 = doc.m_recVehicle1;
    const LiveLoadVehicle v2 = doc.m_recVehicle2;
    CLoadsDlg* dialog = nullptr;
    Loads(
        [&dialog](DialogDriver& d) {
            dialog = static_cast<CLoadsDlg*>(&d.Target());
            d.Click(IDC_LOADS_V1_PROPERTIES);
            EXPECT_EQ(dialog->m_bLoadEffectsDirty, 0) << "a cancel marks nothing";
            d.Click(IDC_LOADS_V2_PROPERTIES);
            EXPECT_EQ(dialog->m_bLoadEffectsDirty, 0);
            d.Click(IDC_LOADS_V2_PROPERTIES);
            EXPECT_EQ(dialog->m_bLoadEffectsDirty, 0);
            d.Ok();
        },
        {[](DialogDriver& p) {
             p.Type(IDC_VEHICLE_NAME, "Changed");
             p.Cancel();
         },
         [this](DialogDriver& p) {
             p.Type(IDC_VEHICLE_NAME, "Changed");
             p.Ok();
             EXPECT_FALSE(p.Ended()) << "40 axles are refused";
             EXPECT_EQ(host.Messages().back().text, "Enter a number between 0 and 30.");
             p.Cancel();
         },
         [](DialogDriver& p) {
             p.Type(IDC_AXLE_COUNT, "31");
             p.Ok();
             EXPECT_FALSE(p.Ended()) << "31 axles typed are refused";
             p.Cancel();
         }});
    EXPECT_EQ(doc.m_recVehicle1, v1);
    EXPECT_EQ(doc.m_recVehicle2, v2);
}

}  // namespace
}  // namespace kordel::test
