// The factors, limits, options and handling commands of the Input menu, driven as a user would:
// Load & Resistance Factors, Stress Limits, Camber Multipliers, Analysis Options (with its
// additional rating vehicles) and Stripping and Handling, on example 1.
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <fstream>
#include <iterator>
#include <sstream>

#include "dialogs/input/add_vehicles_dlg.h"
#include "dialogs/input/analysis_options_dlg.h"
#include "dialogs/input/camber_mult_dlg.h"
#include "dialogs/input/load_resist_factors_dlg.h"
#include "dialogs/input/shipping_handling_dlg.h"
#include "dialogs/input/stress_lim_dlg.h"
#include "document/unit_conversions.h"
#include "platform/ui/headless_controls.h"
#include "tests/app/desktop_test_support.h"
#include "tests/libraries/truck_dialog_fixture.h"

namespace kordel::test {
namespace {

using platform::ui::DialogDriver;

/// The bottom-fibre line of the final stresses under prestress, permanent loads and the factored
/// live load (Service III) of the long-form report: "(SIII)b: ..." with 13 stations.
std::string FinalBottomStresses(const std::vector<std::string>& report) {
    const auto combos = std::find_if(report.begin(), report.end(), [](const std::string& line) {
        return line.rfind("STRESS COMBOS @ FINAL:", 0) == 0;
    });
    const auto line = std::find_if(combos, report.end(), [](const std::string& l) {
        return l.rfind("(SIII)b:", 0) == 0;
    });
    return line != report.end() ? *line : "(none)";
}

class FactorCommandTest : public TruckDialogTest {
  protected:
    void SetUp() override {
        ASSERT_TRUE(Start());
        NewDesign();
        ASSERT_NE(Doc(), nullptr);
    }
    /// Runs menu command `id` with `script` played in its dialog.
    void Run(int id, std::function<void(DialogDriver&)> script) {
        toolkit.QueueDialog(std::move(script));
        ASSERT_TRUE(Choose(id));
    }
};

/// The value at 0.5L (the seventh of the 13 stations) of a "(SIII)b:" line.
double MidspanValue(const std::string& line) {
    std::string values = line.substr(std::min<std::size_t>(line.size(), 8));
    std::replace(values.begin(), values.end(), '*', ' ');  // the mark of a failing station
    std::istringstream in(values);
    double value = 0;
    for (int column = 0; column < 7; ++column) in >> value;
    return value;
}

// ---- Load & Resistance Factors -------------------------------------------------------------------

TEST_F(FactorCommandTest, AServiceIIITensionFactorTypedChangesTheFinalBottomStressCheck) {
    CKordelDoc& doc = *Doc();
    ASSERT_EQ(doc.m_bAutoFactors, 1);
    ASSERT_EQ(doc.m_dServiceIIILiveLoadFactor, 0.8);
    const std::string before = FinalBottomStresses(doc.Report());
    Run(ID_INPUT_LOAD_RESIST_FACTORS, [](DialogDriver& d) {
        EXPECT_EQ(d.Caption(), "Load & Resistance Factors");
        EXPECT_FALSE(d.IsVisible(IDC_FACTOR_SERVICE_III_LL)) << "automatic factors are hidden";
        d.Click(IDC_FACTORS_MANUAL);
        EXPECT_EQ(d.Text(IDC_FACTOR_SERVICE_III_LL), "0.8");
        d.Type(IDC_FACTOR_SERVICE_III_LL, "1.0");
        d.Ok();
    });
    EXPECT_EQ(doc.m_bAutoFactors, 0);
    EXPECT_EQ(doc.m_dServiceIIILiveLoadFactor, 1.0);
    const std::vector<std::string> report = doc.Report();
    const std::string after = FinalBottomStresses(report);
    // Example 1 at mid-span: -0.255 ksi with 0.8 LL passes the allowable -0.465 ksi; the full
    // live load pulls the bottom fibre to 0.812 - 1.334 = -0.522 ksi (permanent plus the live
    // load stress of the long form at 0.5L), past it, and the check marks it.
    EXPECT_EQ(MidspanValue(before), -0.255) << before;
    EXPECT_EQ(MidspanValue(after), -0.522) << after;
    EXPECT_EQ(before.find('*'), std::string::npos) << before;
    EXPECT_NE(after.find("-0.522*"), std::string::npos) << after;
    EXPECT_NE(std::find(report.begin(), report.end(),
                        "Load Factors  : Service III: LL Tension= 1.00"),
              report.end());
}

TEST_F(FactorCommandTest, AutomaticFactorsAreTheSpecificationsWhateverTheHiddenFieldsHeld) {
    CKordelDoc& doc = *Doc();
    doc.m_nShearMethod = kShearLrfdSimplified;
    Run(ID_INPUT_LOAD_RESIST_FACTORS, [](DialogDriver& d) {
        d.Click(IDC_FACTORS_MANUAL);
        for (int id : CLoadResistFactorsDlg::kFactorControls) EXPECT_TRUE(d.IsVisible(id)) << id;
        d.Type(IDC_FACTOR_STRENGTH_I_DC, "1.5");
        d.Click(IDC_FACTORS_AUTOMATIC);
        for (int id : CLoadResistFactorsDlg::kFactorControls) EXPECT_FALSE(d.IsVisible(id)) << id;
        d.Click(IDC_FACTORS_MANUAL);
        EXPECT_EQ(d.Text(IDC_FACTOR_STRENGTH_I_DC), "1.5") << "shown again as it was";
        d.Click(IDC_FACTORS_AUTOMATIC);
        d.Ok();
    });
    EXPECT_EQ(doc.m_bAutoFactors, 1);
    EXPECT_EQ(doc.m_dStrengthIDeadLoadFactor, 1.25);
    EXPECT_EQ(doc.m_dStrengthIWearingSurfaceFactor, 1.5);
    EXPECT_EQ(doc.m_dStrengthILiveLoadFactor, 1.75);
    EXPECT_EQ(doc.m_nShearMethod, kShearLrfdSectional) << "the design code's shear method too";
}

TEST_F(FactorCommandTest, LoadModifiersAreCheckedOnOkInEitherMode) {
    struct Case {
        const char* what;
        const char* ductility;
        const char* redundancy;
        const char* importance;
        bool manual;
        std::vector<std::string> messages;  // empty: accepted
        int focus;                          // after a refusal
    };
    const std::string product =
        "The product of the load modifiers must be greater than or equal to 0.95.";
    const Case cases[] = {
        {"0.947625", "0.95", "0.95", "1.05", false, {product}, IDC_LOAD_MOD_DUCTILITY},
        {"0.947625, manual", "0.95", "0.95", "1.05", true, {product}, IDC_LOAD_MOD_DUCTILITY},
        {"two negative modifiers whose product is 1", "1", "-1", "-1", false,
         {"The redundancy load modifier must not be negative."}, IDC_LOAD_MOD_REDUNDANCY},
        {"not a number", "1", "1", "x", false, {"Enter a number."}, IDC_LOAD_MOD_IMPORTANCE},
        {"a factor that is not a number", "1", "1", "1", true, {"Enter a number."},
         IDC_FACTOR_PHI_SHEAR},
        {"exactly 0.95", "0.95", "1.0", "1.0", false, {}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        host.ClearMessages();
        CKordelDoc& doc = *Doc();
        const double ductility = doc.m_dLoadModDuctility;
        bool ended = false;
        int focus = 0;
        Run(ID_INPUT_LOAD_RESIST_FACTORS, [&](DialogDriver& d) {
            if (c.manual) d.Click(IDC_FACTORS_MANUAL);
            if (std::string(c.what) == "a factor that is not a number")
                d.Type(IDC_FACTOR_PHI_SHEAR, "0.9.");
            d.Type(IDC_LOAD_MOD_DUCTILITY, c.ductility);
            d.Type(IDC_LOAD_MOD_REDUNDANCY, c.redundancy);
            d.Type(IDC_LOAD_MOD_IMPORTANCE, c.importance);
            d.Ok();
            ended = d.Ended();
            focus = d.FocusId();
            if (!ended) d.Cancel();
        });
        EXPECT_EQ(Messages(), c.messages);
        EXPECT_EQ(ended, c.messages.empty());
        if (!ended) {
            EXPECT_EQ(focus, c.focus);
            EXPECT_EQ(doc.m_dLoadModDuctility, ductility) << "nothing reached the design";
        } else {
            EXPECT_EQ(doc.m_dLoadModDuctility, 0.95);
        }
    }
}

// ---- Stress Limits --------------------------------------------------------------------------------

TEST_F(FactorCommandTest, StressLimitLabelsAndRuleCoefficientsFollowUnitsSpecificationAndEdition) {
    struct Case {
        const char* what;
        int units, designCode, edition;
        std::vector<std::pair<int, std::string>> labels;
        std::vector<std::pair<int, std::string>> edits;  // radio clicked, edit text after it
    };
    const Case cases[] = {
        {"US, LRFD 6th", kUnitsUS, kSpecLrfd, kEditionLrfd6th,
         {{IDC_LIMIT_RELEASE_GROUP, "Release,KSI"}, {IDC_LIMIT_FINAL_GROUP, "Final,KSI"},
          {IDC_RELEASE_TENSION_1, "-0.0948sqrt(f'ci)"}, {IDC_RELEASE_TENSION_2, "-0.24sqrt(f'ci)"},
          {IDC_RELEASE_COMPRESSION_1, ".6f'ci"}, {IDC_PERMANENT_COMPRESSION_1, "0.45f'c"},
          {IDC_ALL_TENSION_3, "-0.19sqrt(f'c)"}},
         {{IDC_RELEASE_TENSION_2, "-0.24"}, {IDC_RELEASE_COMPRESSION_1, "0.6"},
          {IDC_ALL_TENSION_2, "-0.0948"}, {IDC_PERMANENT_TENSION_3, "-0.19"},
          {IDC_PERMANENT_COMPRESSION_1, "0.45"}, {IDC_ALL_COMPRESSION_1, "0.6"},
          {IDC_HALF_COMPRESSION_1, "0.4"}, {IDC_ALL_TENSION_NONE, "0"}}},
        {"metric, LRFD 7th", kUnitsMetric, kSpecLrfd, kEditionLrfd7th,
         {{IDC_LIMIT_RELEASE_GROUP, "Release,MPa"}, {IDC_LIMIT_FINAL_GROUP, "Final,MPa"},
          {IDC_RELEASE_TENSION_1, "-0.25sqrt(f'ci)"}, {IDC_RELEASE_TENSION_2, "-0.63sqrt(f'ci)"},
          {IDC_ALL_TENSION_2, "-0.25sqrt(f'c)"}, {IDC_PERMANENT_TENSION_2, "-0.25sqrt(f'c)"},
          {IDC_ALL_TENSION_3, "-0.50sqrt(f'c)"}, {IDC_PERMANENT_TENSION_3, "-0.50sqrt(f'c)"},
          {IDC_RELEASE_COMPRESSION_1, ".65f'ci"}},
         {{IDC_RELEASE_TENSION_2, "-0.63"}, {IDC_RELEASE_TENSION_1, "-0.25"},
          {IDC_RELEASE_COMPRESSION_1, "0.65"}, {IDC_ALL_TENSION_3, "-0.5"}}},
        {"US, Standard Specifications", kUnitsUS, kSpecStandard, kEditionStandardSpecs,
         {{IDC_PERMANENT_COMPRESSION_1, "0.40f'c"}, {IDC_RELEASE_COMPRESSION_1, ".6f'ci"}},
         {{IDC_PERMANENT_COMPRESSION_1, "0.4"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CKordelDoc& doc = *Doc();
        doc.m_nUnits = c.units;
        doc.m_nSpecification = c.designCode;
        doc.m_nSpecEdition = c.edition;
        doc.m_nFinalCompressionLimitPermanent = 2;  // so that its fixed rule can be clicked
        Run(ID_INPUT_STRESS_LIMITS, [&](DialogDriver& d) {
            EXPECT_EQ(d.Caption(), "Stress Limits");
            for (const auto& [id, text] : c.labels) EXPECT_EQ(d.Text(id), text) << id;
            for (const auto& [radio, text] : c.edits) {
                const int limit = [radio] {
                    for (int l = 0; l < kStressLimitCount; ++l) {
                        const auto& r = CStressLimDlg::kLimits[l].radios;
                        if (std::find(std::begin(r), std::end(r), radio) != std::end(r)) return l;
                    }
                    return 0;
                }();
                EXPECT_TRUE(d.Click(radio)) << radio;
                EXPECT_TRUE(d.IsChecked(radio));
                EXPECT_EQ(d.Text(CStressLimDlg::kLimits[limit].edit), text) << radio;
                EXPECT_FALSE(d.IsEnabled(CStressLimDlg::kLimits[limit].edit));
            }
            d.Cancel();
        });
    }
}

TEST_F(FactorCommandTest, AFixedStressRuleStoresTheSameCoefficientInEitherUnits) {
    CKordelDoc& doc = *Doc();
    doc.m_nUnits = kUnitsMetric;
    ASSERT_EQ(doc.m_nReleaseTensionLimit, 1);
    const double stored = doc.m_dReleaseTensionCoef;
    ASSERT_EQ(stored, -0.0948);
    // Opened and confirmed as shown: the coefficients keep their bits.
    Run(ID_INPUT_STRESS_LIMITS, [](DialogDriver& d) {
        EXPECT_TRUE(d.IsChecked(IDC_RELEASE_TENSION_1));
        EXPECT_EQ(d.Text(IDC_RELEASE_TENSION_COEF), "-0.25");
        EXPECT_EQ(d.Text(IDC_ALL_TENSION_COEF), "-0.5");
        d.Ok();
    });
    EXPECT_EQ(std::bit_cast<std::uint64_t>(doc.m_dReleaseTensionCoef),
              std::bit_cast<std::uint64_t>(stored));
    // The rule "0.24 sqrt(f'ci)" chosen on a metric design is 0.24, not 0.58 / 2.637 or
    // 0.63 / 2.637; back on a US design it reads -0.24 as chosen there.
    Run(ID_INPUT_STRESS_LIMITS, [](DialogDriver& d) {
        d.Click(IDC_RELEASE_TENSION_2);
        d.Click(IDC_PERMANENT_TENSION_2);
        d.Ok();
    });
    EXPECT_EQ(doc.m_nReleaseTensionLimit, 2);
    EXPECT_EQ(doc.m_dReleaseTensionCoef, -0.24);
    EXPECT_EQ(doc.m_nFinalTensionLimitPermanent, 2);
    EXPECT_EQ(doc.m_dFinalTensionCoefPermanent, -0.0948);
    // A specified metric coefficient is converted: -0.5 MPa-based is -0.19 ksi-based.
    Run(ID_INPUT_STRESS_LIMITS, [](DialogDriver& d) {
        d.Click(IDC_ALL_TENSION_SPECIFY);
        EXPECT_TRUE(d.IsEnabled(IDC_ALL_TENSION_COEF));
        EXPECT_TRUE(d.IsEnabled(IDC_ALL_TENSION_SQRT));
        EXPECT_EQ(d.Text(IDC_ALL_TENSION_COEF), "-0.5") << "it starts from the rule before";
        d.Type(IDC_ALL_TENSION_COEF, "-0.4");
        d.Ok();
    });
    EXPECT_EQ(doc.m_nFinalTensionLimitAllLoads, 4);
    EXPECT_DOUBLE_EQ(doc.m_dFinalTensionCoefAllLoads, -0.4 / (0.5 / 0.19));
}

TEST_F(FactorCommandTest, SpecifyStartsFromTheRuleBeforeExceptFinalTensionUnderPermanentLoads) {
    CKordelDoc& doc = *Doc();
    doc.m_nFinalTensionLimitPermanent = 0;  // no rule of its four
    doc.m_dFinalTensionCoefPermanent = -0.3;
    Run(ID_INPUT_STRESS_LIMITS, [](DialogDriver& d) {
        for (int id : {IDC_PERMANENT_TENSION_NONE, IDC_PERMANENT_TENSION_2,
                       IDC_PERMANENT_TENSION_3, IDC_PERMANENT_TENSION_SPECIFY})
            EXPECT_FALSE(d.IsChecked(id)) << id;
        d.Type(IDC_RELEASE_COMPRESSION_COEF, "abc");  // disabled: the typing is refused
        d.Click(IDC_RELEASE_COMPRESSION_SPECIFY);
        EXPECT_EQ(d.Text(IDC_RELEASE_COMPRESSION_COEF), "0.6");
        d.Type(IDC_RELEASE_COMPRESSION_COEF, "0.7");
        d.Click(IDC_HALF_COMPRESSION_SPECIFY);
        EXPECT_EQ(d.Text(IDC_HALF_COMPRESSION_COEF), "0.4");
        d.Type(IDC_HALF_COMPRESSION_COEF, "0.42x");
        d.Click(IDC_ALL_COMPRESSION_SPECIFY);  // a text that is no number: refused, shown back
        EXPECT_EQ(d.Text(IDC_HALF_COMPRESSION_COEF), "0.4");
        d.Ok();
    });
    EXPECT_EQ(Messages(), (std::vector<std::string>{"Enter a number."}));
    EXPECT_EQ(doc.m_nFinalTensionLimitPermanent, 0) << "stored back unchanged";
    EXPECT_EQ(doc.m_dFinalTensionCoefPermanent, -0.3);
    EXPECT_EQ(doc.m_nReleaseCompressionLimit, 2);
    EXPECT_EQ(doc.m_dReleaseCompressionCoef, 0.7) << "typed before another radio was clicked";
    EXPECT_EQ(doc.m_nFinalCompressionLimitHalfPermanentLL, 2);
    EXPECT_EQ(doc.m_dFinalCompressionCoefHalfPermanentLL, 0.4);

    Run(ID_INPUT_STRESS_LIMITS, [](DialogDriver& d) {
        d.Click(IDC_PERMANENT_TENSION_SPECIFY);
        EXPECT_EQ(d.Text(IDC_PERMANENT_TENSION_COEF), "0");
        d.Ok();
    });
    EXPECT_EQ(doc.m_nFinalTensionLimitPermanent, 4);
    EXPECT_EQ(doc.m_dFinalTensionCoefPermanent, 0.0);
}

// ---- Camber Multipliers ---------------------------------------------------------------------------

TEST_F(FactorCommandTest, CamberMultipliersStoreTheElevenTypedAndPickTheWorkingSet) {
    CKordelDoc& doc = *Doc();
    Run(ID_INPUT_CAMBER_MULTIPLIERS, [](DialogDriver& d) {
        EXPECT_EQ(d.Caption(), "Camber and Deflection Multipliers");
        for (int i = 0; i < kCamberMultiplierCount; ++i)
            d.Type(kCamberMultiplierEdits[i], std::to_string(1 + i) + ".5");
        d.Ok();
    });
    for (int i = 0; i < kCamberMultiplierCount; ++i)
        EXPECT_EQ(doc.m_adCamberMultiplierInput[i], 1.5 + i) << "entry " << i;
    EXPECT_EQ(doc.m_adCamberMultiplier[kWPrestressErection], 4.5) << "entry 3";
    EXPECT_EQ(doc.m_adCamberMultiplier[kWDeckFinal], 11.5) << "entry 10";
    EXPECT_EQ(doc.m_adCamberMultiplier[kWBarriersFinal], 10.5) << "entry 9";
}

// ---- Analysis Options -----------------------------------------------------------------------------

TEST_F(FactorCommandTest, AnalysisOptionsLocksAndSwitchesAndWhatOkStores) {
    CKordelDoc& doc = *Doc();
    doc.m_nLossMethod = kLossLrfd6thDetailed;
    doc.m_nTransformStrandsMode = kTransformAll;
    doc.m_bIncludeLoadRating = 1;
    doc.m_bRatingInventory = 1;
    doc.m_bRatingIgnoreFws = 1;
    doc.m_bShearAppendixB5 = 1;
    const double width = doc.m_dEffFlangeWidth;
    ASSERT_GT(width, 0);
    Run(ID_INPUT_ANALYSIS_OPTIONS, [&](DialogDriver& d) {
        EXPECT_EQ(d.Caption(), "Analysis Options");
        // The refined losses lock the transformation, shown as stored.
        EXPECT_TRUE(d.IsChecked(IDC_TRANSFORM_ALL));
        for (int id : {IDC_TRANSFORM_NONE, IDC_TRANSFORM_LIVE_LOAD, IDC_TRANSFORM_ALL,
                       IDC_TRANSFORM_ALL_BUT_LIVE_LOAD})
            EXPECT_FALSE(d.IsEnabled(id)) << id;
        // Rating off greys its options and keeps their checks.
        EXPECT_TRUE(d.IsEnabled(IDC_ADDITIONAL_VEHICLES));
        d.Click(IDC_INCLUDE_LOAD_RATING);
        for (int id : {IDC_RATING_INVENTORY, IDC_RATING_OPERATING, IDC_RATING_IGNORE_FWS,
                       IDC_ADDITIONAL_VEHICLES})
            EXPECT_FALSE(d.IsEnabled(id)) << id;
        EXPECT_TRUE(d.IsChecked(IDC_RATING_INVENTORY));
        // "User specified:" starts from the width of the last analysis; typing after it counts.
        EXPECT_FALSE(d.IsEnabled(IDC_USER_EFF_WIDTH));
        d.Click(IDC_EFF_WIDTH_USER);
        EXPECT_TRUE(d.IsEnabled(IDC_USER_EFF_WIDTH));
        EXPECT_EQ(d.Text(IDC_USER_EFF_WIDTH), platform::ui::FormatDouble(width));
        d.Type(IDC_USER_EFF_WIDTH, "80");
        // Methods 2 and 3 grey Appendix B5 and keep its check.
        d.Click(IDC_SHEAR_SIMPLIFIED);
        EXPECT_FALSE(d.IsEnabled(IDC_SHEAR_APPENDIX_B5));
        EXPECT_TRUE(d.IsChecked(IDC_SHEAR_APPENDIX_B5));
        d.Click(IDC_CHECK_SINGLE_LANE);
        d.Type(IDC_RESTRAINING_MOMENT_FACTOR, "1.1");
        d.Ok();
    });
    EXPECT_EQ(doc.m_nTransformStrandsMode, kTransformAll);
    EXPECT_EQ(doc.m_bIncludeLoadRating, 0);
    EXPECT_EQ(doc.m_bRatingInventory, 1);
    EXPECT_EQ(doc.m_bRatingIgnoreFws, 1);
    EXPECT_EQ(doc.m_nEffWidthMethod, kEffWidthUser);
    EXPECT_EQ(doc.m_dUserEffWidth, 80.0);
    EXPECT_EQ(doc.m_nShearMethod, kShearLrfdSimplified);
    EXPECT_EQ(doc.m_bShearAppendixB5, 1);
    EXPECT_EQ(doc.m_bCheckSingleLane, 0);
    EXPECT_EQ(doc.m_dRestrainingMomentFactor, 1.1);
}

TEST_F(FactorCommandTest, RatingVehiclesComeBackOnlyWithTheOptionsOk) {
    Write(Vehicle("Permit", 3), "Permit.ktl");
    CKordelDoc& doc = *Doc();
    const auto addPermit = [](DialogDriver& d) {
        d.Click(IDC_INCLUDE_LOAD_RATING);
        d.Click(IDC_ADDITIONAL_VEHICLES);
    };
    const auto pickPermit = [](DialogDriver& v) {
        EXPECT_EQ(v.Caption(), "Add Additional Vehicles");
        v.Choose(IDC_LIBRARY_VEHICLES, "Permit");
        platform::ui::HeadlessControl* arrow = v.ControlWindow(IDC_ADD_VEHICLE);
        ASSERT_NE(arrow, nullptr);
        arrow->Mouse(platform::ui::MouseAction::LeftDown, {5, 5});
        arrow->Mouse(platform::ui::MouseAction::LeftUp, {5, 5});
        v.Ok();
    };
    // Added, then the options cancelled: the design keeps its empty list.
    toolkit.QueueDialog([&](DialogDriver& d) {
        addPermit(d);
        d.Cancel();
    });
    toolkit.QueueDialog(pickPermit);
    ASSERT_TRUE(Choose(ID_INPUT_ANALYSIS_OPTIONS));
    EXPECT_EQ(doc.m_nRatingVehicleCount, 0);
    EXPECT_EQ(doc.m_aRatingVehicles[0], VehicleRecord{});
    // Added and confirmed.
    toolkit.QueueDialog([&](DialogDriver& d) {
        addPermit(d);
        d.Ok();
    });
    toolkit.QueueDialog(pickPermit);
    ASSERT_TRUE(Choose(ID_INPUT_ANALYSIS_OPTIONS));
    ASSERT_EQ(doc.m_nRatingVehicleCount, 1);
    EXPECT_EQ(doc.m_aRatingVehicles[0], VehicleRecordOf(Vehicle("Permit", 3)));
}

TEST_F(FactorCommandTest, AMetricUserWidthIsShownInMetresAndStoredInInches) {
    CKordelDoc& doc = *Doc();
    doc.m_nUnits = kUnitsMetric;
    doc.m_nEffWidthMethod = kEffWidthUser;
    doc.m_dUserEffWidth = 90.1;  // in
    Run(ID_INPUT_ANALYSIS_OPTIONS, [](DialogDriver& d) {
        EXPECT_EQ(d.Text(IDC_USER_EFF_WIDTH_UNIT), "m");
        EXPECT_EQ(d.Text(IDC_USER_EFF_WIDTH), platform::ui::FormatDouble(90.1 * 0.0254));
        d.Ok();
    });
    EXPECT_EQ(doc.m_dUserEffWidth, 90.1) << "to the last bit";
    Run(ID_INPUT_ANALYSIS_OPTIONS, [](DialogDriver& d) {
        d.Type(IDC_USER_EFF_WIDTH, "2.54");
        d.Ok();
    });
    EXPECT_DOUBLE_EQ(doc.m_dUserEffWidth, 100.0);
}

// ---- Stripping and Handling -----------------------------------------------------------------------

TEST_F(FactorCommandTest, HandlingFieldsShowTheirFormatsAndUnits) {
    CKordelDoc& doc = *Doc();
    doc.m_dLiftSupportLeft = 5.456;
    doc.m_dTransportStiffness = 40000;
    doc.m_dSuperElevation = 0.06;
    doc.m_dImpactShipping = 20;
    doc.m_dBeamCgAboveRoad = 72;
    doc.m_dLiftSupportRight = 9;
    doc.m_dShipSupportLeft = 10;
    doc.m_dShipSupportRight = 10.5;
    doc.m_dImpactFormSuction = 10;
    doc.m_dImpactHandling = 25;
    doc.m_dRollCenterAboveRoad = 24;
    doc.m_dDualTireDistance = 36;
    struct Case {
        int units;
        std::vector<std::pair<int, std::string>> texts;
    };
    const Case cases[] = {
        {kUnitsUS,
         {{IDC_LIFT_SUPPORT_LEFT, "5.46"}, {IDC_LIFT_SUPPORT_RIGHT, "9.00"},
          {IDC_SHIP_SUPPORT_LEFT, "10.00"}, {IDC_SHIP_SUPPORT_RIGHT, "10.50"},
          {IDC_IMPACT_FORM_SUCTION, "10.00"}, {IDC_IMPACT_HANDLING, "25.00"},
          {IDC_ROLL_CENTER_ABOVE_ROAD, "24.00"}, {IDC_DUAL_TIRE_DISTANCE, "36.00"},
          {IDC_TRANSPORT_STIFFNESS, "40000.000"},
          {IDC_SUPER_ELEVATION, "0.060"}, {IDC_IMPACT_SHIPPING, "20.00"},
          {IDC_BEAM_CG_ABOVE_ROAD, "72.00"}, {IDC_SUPPORT_GROUP, "Support Locations,ft"},
          {IDC_TRANSPORT_STIFFNESS_LABEL, "Total transport stiffness, in-k/radian:"}}},
        {kUnitsMetric,
         // 5.456 x 0.3048 = 1.6629888; 10.5 x 0.3048 = 3.2004; 40000 x 0.0254 x 4.4482 =
         // 4519.3712; 72 x 0.0254 = 1.8288; 24 x 0.0254 = 0.6096; 36 x 0.0254 = 0.9144
         {{IDC_LIFT_SUPPORT_LEFT, "1.663"}, {IDC_LIFT_SUPPORT_RIGHT, "2.743"},
          {IDC_SHIP_SUPPORT_LEFT, "3.048"}, {IDC_SHIP_SUPPORT_RIGHT, "3.200"},
          {IDC_IMPACT_FORM_SUCTION, "10.00"}, {IDC_IMPACT_HANDLING, "25.00"},
          {IDC_ROLL_CENTER_ABOVE_ROAD, "0.61"}, {IDC_DUAL_TIRE_DISTANCE, "0.91"},
          {IDC_TRANSPORT_STIFFNESS, "4519.371"},
          {IDC_SUPER_ELEVATION, "0.060"}, {IDC_IMPACT_SHIPPING, "20.00"},
          {IDC_BEAM_CG_ABOVE_ROAD, "1.83"}, {IDC_SUPPORT_GROUP, "Support Locations, m"},
          {IDC_TRANSPORT_STIFFNESS_LABEL, "Total transport stiffness, m-kN/radian:"},
          {IDC_BEAM_CG_LABEL, "Height of the cg of the beam above the road, m:"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.units);
        doc.m_nUnits = c.units;
        Run(ID_INPUT_STRIPPING_HANDLING, [&](DialogDriver& d) {
            EXPECT_EQ(d.Caption(), "Stripping and Handling");
            for (const auto& [id, text] : c.texts) EXPECT_EQ(d.Text(id), text) << id;
            EXPECT_FALSE(d.IsVisible(IDC_CHECK_PRODUCTION));
            d.Ok();
        });
        EXPECT_EQ(doc.m_dLiftSupportLeft, 5.456) << "a field left alone keeps its value";
        EXPECT_EQ(doc.m_dTransportStiffness, 40000.0);
    }
    // Typed in metric: converted back.
    Run(ID_INPUT_STRIPPING_HANDLING, [](DialogDriver& d) {
        d.Type(IDC_LIFT_SUPPORT_LEFT, "1.524");
        d.Type(IDC_DUAL_TIRE_DISTANCE, "0.9144");
        d.Type(IDC_IMPACT_HANDLING, "15");
        d.Click(IDC_CHECK_STRIPPING);
        d.Ok();
    });
    EXPECT_DOUBLE_EQ(doc.m_dLiftSupportLeft, 5.0);
    EXPECT_DOUBLE_EQ(doc.m_dDualTireDistance, 36.0);
    EXPECT_EQ(doc.m_dImpactHandling, 15.0) << "percentages are never converted";
    EXPECT_EQ(doc.m_bCheckStripping, 1);
}

TEST_F(FactorCommandTest, HandlingOkRefusesEmptyFieldsAndSupportsOrStiffnessTheChecksCannotUse) {
    CKordelDoc& doc = *Doc();
    const double L = doc.m_dGirderLength;  // ft
    ASSERT_GT(L, 20);
    char length[32];
    std::snprintf(length, sizeof length, "%.2f ft", L);
    struct Case {
        const char* what;
        std::vector<std::pair<int, std::string>> typed;
        std::string message;
        int focus;
    };
    const std::string half = std::to_string(L / 2);
    const Case cases[] = {
        {"an emptied field", {{IDC_IMPACT_HANDLING, ""}},
         "Impact: Handling: Enter a number.", IDC_IMPACT_HANDLING},
        {"a lone minus", {{IDC_ROLL_CENTER_ABOVE_ROAD, "-"}},
         "Height of the roll center above the road: Enter a number.",
         IDC_ROLL_CENTER_ABOVE_ROAD},
        {"lifting supports meeting", {{IDC_LIFT_SUPPORT_LEFT, half}, {IDC_LIFT_SUPPORT_RIGHT, half}},
         std::string("Lifting/Handling supports: Left + Right must be less than the girder "
                     "length (") + length + "), so that a length of girder lies between the supports.",
         IDC_LIFT_SUPPORT_LEFT},
        {"shipping supports past each other",
         {{IDC_SHIP_SUPPORT_LEFT, half}, {IDC_SHIP_SUPPORT_RIGHT, std::to_string(L)}},
         std::string("Shipping supports: Left + Right must be less than the girder length (") +
             length + "), so that a length of girder lies between the supports.",
         IDC_SHIP_SUPPORT_LEFT},
        {"no transport stiffness", {{IDC_TRANSPORT_STIFFNESS, "0"}},
         "Total transport stiffness: enter a stiffness greater than 0.", IDC_TRANSPORT_STIFFNESS},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        host.ClearMessages();
        const std::string bytes = [&] {
            std::ostringstream out;
            out << doc.m_dImpactHandling << doc.m_dLiftSupportLeft << doc.m_dShipSupportLeft
                << doc.m_dTransportStiffness << doc.m_dRollCenterAboveRoad;
            return out.str();
        }();
        Run(ID_INPUT_STRIPPING_HANDLING, [&](DialogDriver& d) {
            for (const auto& [id, text] : c.typed) d.Type(id, text);
            d.Ok();
            EXPECT_FALSE(d.Ended());
            EXPECT_EQ(d.FocusId(), c.focus);
            d.Cancel();
        });
        EXPECT_EQ(Messages(), (std::vector<std::string>{c.message}));
        std::ostringstream after;
        after << doc.m_dImpactHandling << doc.m_dLiftSupportLeft << doc.m_dShipSupportLeft
              << doc.m_dTransportStiffness << doc.m_dRollCenterAboveRoad;
        EXPECT_EQ(after.str(), bytes) << "nothing reached the design";
    }
}

TEST_F(FactorCommandTest, HandlingFieldsLoseWhatIsNoPartOfANumberAsItIsTyped) {
    Run(ID_INPUT_STRIPPING_HANDLING, [](DialogDriver& d) {
        d.Type(IDC_IMPACT_SHIPPING, "12a");
        EXPECT_EQ(d.Text(IDC_IMPACT_SHIPPING), "12");
        d.Type(IDC_SUPER_ELEVATION, "-0.05 rad");
        EXPECT_EQ(d.Text(IDC_SUPER_ELEVATION), "-0.05");
        d.Ok();
    });
    EXPECT_EQ(Doc()->m_dImpactShipping, 12.0);
    EXPECT_EQ(Doc()->m_dSuperElevation, -0.05);
}

// ---- Every dialog cancelled -----------------------------------------------------------------------

TEST_F(FactorCommandTest, CancelLeavesTheDesignAsItWasToTheLastByte) {
    Write(Vehicle("Permit", 3), "Permit.ktl");
    const std::string path = temp / "cancel.kdx";
    host.QueueFileName(path);
    Choose(ID_FILE_SAVE_AS);
    const std::string bytes = ReadFileBytes(path);
    const std::vector<std::string> report = Doc()->Report();
    Run(ID_INPUT_LOAD_RESIST_FACTORS, [](DialogDriver& d) {
        d.Click(IDC_FACTORS_MANUAL);
        d.Type(IDC_FACTOR_STRENGTH_I_LL, "2");
        d.Cancel();
    });
    Run(ID_INPUT_STRESS_LIMITS, [](DialogDriver& d) {
        d.Click(IDC_RELEASE_TENSION_2);
        d.Click(IDC_PERMANENT_TENSION_SPECIFY);
        d.Cancel();
    });
    Run(ID_INPUT_CAMBER_MULTIPLIERS, [](DialogDriver& d) {
        d.Type(kCamberMultiplierEdits[0], "3");
        d.Cancel();
    });
    toolkit.QueueDialog([](DialogDriver& d) {
        d.Click(IDC_INCLUDE_LOAD_RATING);
        d.Click(IDC_EFF_WIDTH_USER);
        d.Click(IDC_ADDITIONAL_VEHICLES);
        d.Cancel();
    });
    toolkit.QueueDialog([](DialogDriver& v) {
        v.Choose(IDC_LIBRARY_VEHICLES, "Permit");
        v.ControlWindow(IDC_ADD_VEHICLE)->Mouse(platform::ui::MouseAction::LeftDown, {5, 5});
        v.ControlWindow(IDC_ADD_VEHICLE)->Mouse(platform::ui::MouseAction::LeftUp, {5, 5});
        v.Ok();
    });
    ASSERT_TRUE(Choose(ID_INPUT_ANALYSIS_OPTIONS));
    Run(ID_INPUT_STRIPPING_HANDLING, [](DialogDriver& d) {
        d.Click(IDC_CHECK_HANDLING);
        d.Type(IDC_LIFT_SUPPORT_LEFT, "7");
        d.Cancel();
    });
    EXPECT_FALSE(Doc()->IsModified());
    EXPECT_EQ(Doc()->Report(), report);
    Choose(ID_FILE_SAVE);
    EXPECT_TRUE(ReadFileBytes(path) == bytes) << "the file saved again is the same";
}

}  // namespace
}  // namespace kordel::test
