// "Materials", opened from the Input menu on example 1: the moduli worked out as the user leaves
// a field (by edition), "Specify" rounding, the 7th edition's density classes, the refusals of
// OK, the loss parameters with the deck force kept within 0 to 100, the bar grades, and the
// "Stress Limits..." button that carries the main window's command.
#include "dialogs/input/materials_dlg.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <vector>

#include "dialogs/input/fr_factors_dlg.h"
#include "dialogs/input/loss_params_pre_dlg.h"
#include "dialogs/input/mcr_factors_dlg.h"
#include "document/model_project.h"
#include "document/unit_conversions.h"
#include "tests/app/desktop_test_support.h"

namespace kordel::test {
namespace {

using platform::ui::DialogDriver;

class MaterialsDlgTest : public DesktopTest {
  protected:
    void SetUp() override {
        ASSERT_TRUE(Start());
        NewDesign();
    }
    using Script = std::function<void(DialogDriver&)>;
    /// Input/Materials with `script` played in the dialog, and `subs` in the dialogs it opens.
    void Materials(Script script, std::vector<Script> subs = {}) {
        toolkit.QueueDialog(std::move(script));
        for (Script& sub : subs) toolkit.QueueDialog(std::move(sub));
        ASSERT_TRUE(Choose(ID_INPUT_MATERIALS));
    }
    static double Number(const DialogDriver& d, int id) {
        return std::stod(d.Text(id));
    }
};

TEST_F(MaterialsDlgTest, LeavingAStrengthRecomputesItsModulusByTheEditionsEquation) {
    struct Case {
        const char* what;
        int edition;
        int units;
        double K;
        int field;        // the strength typed into
        const char* typed;
        int modulus;      // the modulus that follows it
        double expected;  // ksi | MPa
    };
    // Metric: 34.474 MPa = 5 ksi and 2402.81 kg/m3 = 0.15 kcf; the result x 6.8948.
    const double metricEc = 33000 * std::pow(0.15, 1.5) * std::sqrt(34.474 / 6.8948) * 6.8948;
    const Case cases[] = {
        // 33000 x 0.15^1.5 x sqrt(5) = 4286.83 ksi
        {"6th edition, girder f'c", kEditionLrfd6th, kUnitsUS, 33, IDC_MAT_BEAM_FC, "5",
         IDC_MAT_BEAM_EC, 4286.83},
        // 120000 x 0.15^2 x 5^0.33 = 4592.23 ksi
        {"7th edition, girder f'c", kEditionLrfd7th, kUnitsUS, 120, IDC_MAT_BEAM_FC, "5",
         IDC_MAT_BEAM_EC, 4592.23},
        // 33000 x 0.15^1.5 x sqrt(4.5) = 4066.84 ksi
        {"Standard Specs, girder f'ci", kEditionStandardSpecs, kUnitsUS, 33, IDC_MAT_BEAM_FCI,
         "4.5", IDC_MAT_BEAM_ECI, 4066.84},
        // the deck's own K (33) and wct (0.15): 33000 x 0.15^1.5 x sqrt(5) = 4286.83 ksi
        {"6th edition, deck f'c", kEditionLrfd6th, kUnitsUS, 33, IDC_MAT_DECK_FC, "5",
         IDC_MAT_DECK_EC, 4286.83},
        {"metric, 6th edition", kEditionLrfd6th, kUnitsMetric, 33, IDC_MAT_BEAM_FC, "34.474",
         IDC_MAT_BEAM_EC, metricEc},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CKordelDoc& doc = *Doc();
        doc.m_nSpecEdition = c.edition;
        doc.m_nUnits = c.units;
        doc.m_dEcFactor = c.K;
        doc.m_dEctFactor = 33;
        doc.m_dEcUnitWeight = doc.m_dWct = 0.15;  // kcf
        Materials([&](DialogDriver& d) {
            d.Type(c.field, c.typed);
            d.Focus(IDC_MAT_LD_FACTOR);
            EXPECT_NEAR(Number(d, c.modulus), c.expected, 0.01);
            d.Cancel();
        });
    }
}

TEST_F(MaterialsDlgTest, OtherMethodsLeaveTheModulusAndANegativeStrengthGivesNoNumber) {
    for (int radio : {IDC_MAT_EC_HS, IDC_MAT_EC_SPECIFY, IDC_MAT_EC_SPEC_EQ}) {
        SCOPED_TRACE(radio);
        Materials([radio](DialogDriver& d) {
            d.Click(radio);
            const std::string before = d.Text(IDC_MAT_BEAM_EC);
            d.Type(IDC_MAT_BEAM_FC, radio == IDC_MAT_EC_SPEC_EQ ? "-2" : "9");
            d.Focus(IDC_MAT_LD_FACTOR);
            EXPECT_EQ(d.Text(IDC_MAT_BEAM_EC), before) << "the modulus as it was";
            d.Cancel();
        });
    }
}

TEST_F(MaterialsDlgTest, SpecifyBringsTheModuliToOneDecimal) {
    // f'c 5 ksi gives Ec = 4286.83 ksi as the focus leaves its field (where it opens); the
    // other two keep the values they open with.
    CKordelDoc& doc = *Doc();
    doc.m_dBeamFc = 5;
    doc.m_dBeamEci = 4031.25;
    doc.m_dDeckEc = 3834.349;
    Materials([](DialogDriver& d) {
        EXPECT_FALSE(d.IsEnabled(IDC_MAT_BEAM_EC));
        EXPECT_EQ(d.FocusId(), IDC_MAT_BEAM_FC);
        d.Click(IDC_MAT_EC_SPECIFY);
        EXPECT_EQ(d.Text(IDC_MAT_BEAM_EC), "4286.8");
        EXPECT_EQ(d.Text(IDC_MAT_BEAM_ECI), "4031.3");
        EXPECT_EQ(d.Text(IDC_MAT_DECK_EC), "3834.3");
        EXPECT_TRUE(d.IsEnabled(IDC_MAT_BEAM_EC));
        EXPECT_FALSE(d.IsEnabled(IDC_MAT_EC_FACTOR));
        d.Ok();
    });
    EXPECT_EQ(doc.m_nEcMethod, kEcSpecified);
    EXPECT_EQ(doc.m_dBeamEc, 4286.8) << "the analysis keeps a modulus entered";
}

TEST_F(MaterialsDlgTest, TheSeventhEditionShowsTheDensityClassOfTheDensityTyped) {
    struct Case {
        int units;
        const char* density;
        const char* shown;
        int stored;
    };
    const Case cases[] = {
        {kUnitsUS, "0.135", "Light weight", kConcreteLightweight},
        {kUnitsUS, "0.136", "Normal weight", kConcreteNormalWeight},
        {kUnitsMetric, "2162", "Light weight", kConcreteLightweight},  // 0.13497 kcf
        {kUnitsMetric, "2400", "Normal weight", kConcreteNormalWeight},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.density);
        CKordelDoc& doc = *Doc();
        doc.m_nSpecEdition = kEditionLrfd7th;
        doc.m_nUnits = c.units;
        Materials([&](DialogDriver& d) {
            EXPECT_FALSE(d.IsVisible(IDC_MAT_BEAM_NORMAL));
            EXPECT_FALSE(d.IsVisible(IDC_MAT_HEAD_SAND));
            EXPECT_TRUE(d.IsVisible(IDC_MAT_BEAM_CLASS));
            d.Type(IDC_MAT_BEAM_DENSITY, c.density);
            d.Focus(IDC_MAT_LD_FACTOR);
            EXPECT_EQ(d.Text(IDC_MAT_BEAM_CLASS), c.shown);
            d.Ok();
        });
        EXPECT_EQ(doc.m_nBeamConcreteType, c.stored);
    }
    // Under any other edition the class radios show, and a density changes no class.
    Doc()->m_nSpecEdition = kEditionLrfd6th;
    Doc()->m_nUnits = kUnitsUS;
    Doc()->m_nBeamConcreteType = kConcreteSandLightweight;
    Materials([](DialogDriver& d) {
        EXPECT_TRUE(d.IsVisible(IDC_MAT_BEAM_NORMAL));
        EXPECT_FALSE(d.IsVisible(IDC_MAT_BEAM_CLASS));
        EXPECT_TRUE(d.IsChecked(IDC_MAT_BEAM_SAND_LIGHT));
        d.Type(IDC_MAT_BEAM_DENSITY, "0.100");
        d.Focus(IDC_MAT_LD_FACTOR);
        d.Ok();
    });
    EXPECT_EQ(Doc()->m_nBeamConcreteType, kConcreteSandLightweight);
}

TEST_F(MaterialsDlgTest, OkRefusesAStrengthOfZeroOrLessAndAReleaseStrengthAboveThe28Day) {
    struct Case {
        const char* what;
        const char* fc;
        const char* fci;
        const char* deckFc;
        const char* message;  // nullptr: accepted
        int focus;
    };
    const Case cases[] = {
        {"f'ci equal to f'c", "6", "6", "4", nullptr, 0},
        {"f'ci above f'c", "6", "6.5", "4",
         "Release strength (f'ci) cannot \nexceed 28-day strength (f'c).", 0},
        {"f'c of 0", "0", "0", "4", "The 28-day strength (f'c) must be greater than 0.",
         IDC_MAT_BEAM_FC},
        {"negative f'ci", "6", "-1", "4", "The release strength (f'ci) must be greater than 0.",
         IDC_MAT_BEAM_FCI},
        {"deck f'c of 0", "6", "5", "0", "The deck strength (f'c) must be greater than 0.",
         IDC_MAT_DECK_FC},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::size_t shown = host.Messages().size();
        const double fc = Doc()->m_dBeamFc;
        Materials([&](DialogDriver& d) {
            d.Type(IDC_MAT_BEAM_FC, c.fc);
            d.Type(IDC_MAT_BEAM_FCI, c.fci);
            d.Type(IDC_MAT_DECK_FC, c.deckFc);
            d.Ok();
            EXPECT_EQ(d.Ended(), c.message == nullptr);
            if (!c.message) return;
            ASSERT_EQ(host.Messages().size(), shown + 1);
            EXPECT_EQ(host.Messages().back().text, c.message);
            EXPECT_EQ(host.Messages().back().icon, platform::MsgIcon::Error);
            if (c.focus) {
                EXPECT_EQ(d.FocusId(), c.focus);
            }
            EXPECT_EQ(d.Text(IDC_MAT_BEAM_FCI), c.fci) << "every entry as typed";
            d.Cancel();
        });
        if (c.message) {
            EXPECT_EQ(Doc()->m_dBeamFc, fc);
        } else {
            EXPECT_EQ(Doc()->m_dBeamFci, 6.0);
        }
        EXPECT_TRUE(std::isfinite(Doc()->m_dBeamEc));
    }
}

TEST_F(MaterialsDlgTest, TheDeckStrengthOfADesignWithoutDeckIsNeitherEditableNorChecked) {
    Doc()->m_bCompositeDeck = 0;
    Doc()->m_dDeckFc = 0;
    Materials([](DialogDriver& d) {
        EXPECT_FALSE(d.IsEnabled(IDC_MAT_DECK_FC));
        EXPECT_FALSE(d.IsEnabled(IDC_MAT_DECK_DENSITY));
        d.Ok();
        EXPECT_TRUE(d.Ended());
    });
}

TEST_F(MaterialsDlgTest, TheLossParametersComeBackWithTheDeckForceWithinZeroAndHundred) {
    struct Case {
        const char* typed;
        float expected;
    };
    for (const Case& c : {Case{"150", 100.0f}, Case{"-5", 0.0f}, Case{"37.5", 37.5f}}) {
        SCOPED_TRACE(c.typed);
        Doc()->m_nDetailedLossBasis = 0;
        Materials(
            [&](DialogDriver& d) {
                d.Click(IDC_MAT_PARAMETERS);
                EXPECT_EQ(d.Text(IDC_MAT_AGE_DECK_CASTING), "45") << "the age typed there";
                d.Ok();
            },
            {[&](DialogDriver& p) {
                EXPECT_EQ(p.Caption(), "Prestress Loss Parameters");
                EXPECT_FALSE(p.IsEnabled(IDC_LOSS_DECK_FORCE)) << "the spec's equations first";
                p.Click(IDC_LOSS_PCI_GUIDELINES);
                p.Type(IDC_LOSS_DECK_FORCE, c.typed);
                p.Type(IDC_LOSS_DECK_CASTING, "45");
                p.Ok();
            }});
        EXPECT_EQ(Doc()->m_fDeckForcePercent, c.expected);
        EXPECT_EQ(Doc()->m_nDetailedLossBasis, 1);
        EXPECT_EQ(Doc()->m_dAgeAtDeckCasting, 45.0);
    }
}

TEST_F(MaterialsDlgTest, CancelledSubDialogsChangeNothingAndTheirValuesShowInBothUnits) {
    CKordelDoc& doc = *Doc();
    doc.m_nUnits = kUnitsMetric;
    doc.m_dPtWobbleK = 0.0002;   // per ft
    doc.m_dPtAnchorSet = 0.25;   // in
    doc.m_fMcrGamma1 = 1.6f;
    Materials(
        [](DialogDriver& d) {
            d.Click(IDC_MAT_PARAMETERS);
            d.Click(IDC_MAT_MCR_FACTORS);
            d.Click(IDC_MAT_FR_FACTORS);
            d.Ok();
        },
        {[](DialogDriver& p) {
             EXPECT_EQ(p.Text(IDC_LOSS_VS_GROUP), "Volume/Surface Ratio, mm");
             EXPECT_EQ(p.Text(IDC_LOSS_ANCHOR_SET), "6.35");
             // Per m, cut to the six digits the narrow field shows.
             EXPECT_EQ(p.Text(IDC_LOSS_WOBBLE), "0.000656168");
             p.Type(IDC_LOSS_ANCHOR_SET, "99");
             p.Cancel();
         },
         [](DialogDriver& m) {
             EXPECT_EQ(m.Caption(), "Mcr Factors");
             EXPECT_EQ(m.Text(IDC_MCR_GAMMA1), "1.6");
             m.Type(IDC_MCR_GAMMA1, "1.2");
             m.Ok();
         },
         [](DialogDriver& f) {
             EXPECT_EQ(f.Caption(), "Modulus of Rupture Factors");
             EXPECT_EQ(f.Text(IDC_FR_GENERIC), "0.24");
             f.Type(IDC_FR_GENERIC, "0.3");
             f.Cancel();
         }});
    EXPECT_EQ(doc.m_dPtAnchorSet, 0.25) << "the cancelled parameters";
    EXPECT_EQ(doc.m_dPtWobbleK, 0.0002) << "unchanged to the last bit";
    EXPECT_EQ(doc.m_fMcrGamma1, 1.2f);
    EXPECT_EQ(doc.m_fFrGeneric, 0.24f);
}

TEST_F(MaterialsDlgTest, McrFactorsWaitForTheSixthEdition) {
    for (int edition : {kEditionStandardSpecs, kEditionLrfd5th, kEditionLrfd6th, kEditionLrfd7th}) {
        Doc()->m_nSpecEdition = edition;
        Materials([edition](DialogDriver& d) {
            EXPECT_EQ(d.IsEnabled(IDC_MAT_MCR_FACTORS), edition >= kEditionLrfd6th) << edition;
            d.Cancel();
        });
    }
}

TEST_F(MaterialsDlgTest, Grade60PutsItsYieldStrengthInTheUnitsShown) {
    for (int units : {kUnitsUS, kUnitsMetric}) {
        Doc()->m_nUnits = units;
        Doc()->m_nStirrupGrade = kBarGradeSpecified;
        Doc()->m_dStirrupFy = 75;  // ksi
        Materials([units](DialogDriver& d) {
            EXPECT_TRUE(d.IsEnabled(IDC_MAT_STIRRUP_FY));
            d.Click(IDC_MAT_STIRRUP_GR60);
            EXPECT_EQ(d.Text(IDC_MAT_STIRRUP_FY), units == kUnitsUS ? "60" : "420");
            EXPECT_FALSE(d.IsEnabled(IDC_MAT_STIRRUP_FY));
            d.Click(IDC_MAT_LONG_SPECIFY);
            EXPECT_TRUE(d.IsEnabled(IDC_MAT_LONG_FY));
            d.Ok();
        });
        EXPECT_EQ(Doc()->m_nStirrupGrade, kBarGrade60);
        EXPECT_NEAR(Doc()->m_dStirrupFy, units == kUnitsUS ? 60.0 : 420 / 6.8948, 1e-9);
        EXPECT_EQ(Doc()->m_nLongitudinalGrade, kBarGradeSpecified);
    }
}

TEST_F(MaterialsDlgTest, StressLimitsIsTheMainWindowsCommandRunOverTheDialog) {
    ASSERT_EQ(IDC_MAT_STRESS_LIMITS, ID_INPUT_STRESS_LIMITS);
    std::vector<int> routed;
    platform::ui::DialogCommandRoute previous =
        platform::ui::SetDialogCommandRoute([&routed](int id) { routed.push_back(id); });
    Materials([&routed](DialogDriver& d) {
        d.Type(IDC_MAT_BEAM_FC, "7");
        EXPECT_TRUE(d.Click(IDC_MAT_STRESS_LIMITS));
        EXPECT_EQ(routed, std::vector<int>{ID_INPUT_STRESS_LIMITS});
        EXPECT_FALSE(d.Ended());
        EXPECT_EQ(d.Text(IDC_MAT_BEAM_FC), "7") << "nothing in the dialog changes";
        d.Cancel();
    });
    platform::ui::SetDialogCommandRoute(std::move(previous));
}

}  // namespace
}  // namespace kordel::test
