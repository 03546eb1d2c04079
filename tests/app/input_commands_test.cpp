// The input commands of the main frame, driven through the Input menu as a user would: what
// Project Settings does to the design after OK, Cancel leaving the design as it was to the last
// byte, the Input Wizard's order, results after a change equal to a fresh analysis, a metric
// design through every dialog unchanged, and a dialog's button that runs a menu command.
#include "app/input_commands.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <fstream>
#include <iterator>

#include "dialogs/input/design_options_dlg.h"
#include "dialogs/input/job_dlg.h"
#include "dialogs/input/loads_dlg.h"
#include "dialogs/input/materials_dlg.h"
#include "document/filled_design.h"
#include "document/unit_conversions.h"
#include "report/format.h"
#include "tests/app/desktop_test_support.h"

namespace kordel::test {
namespace {

using platform::MsgResult;
using platform::ui::DialogDriver;

class InputCommandTest : public DesktopTest {
  protected:
    void SetUp() override { ASSERT_TRUE(Start()); }
    /// Input/Project Settings with `choose` played in the dialog, then OK.
    void ProjectSettings(const std::function<void(DialogDriver&)>& choose = {}) {
        toolkit.QueueDialog([choose](DialogDriver& d) {
            if (choose) choose(d);
            d.Ok();
        });
        ASSERT_TRUE(Choose(ID_INPUT_PROJECT_SETTINGS));
    }
    std::unique_ptr<StoredGroups> Model() { return std::make_unique<StoredGroups>(*Doc()); }
    /// File/New Design with example `radio`, the open design closed without saving.
    void FreshDesign(int radio = 0) {
        if (Doc()) Doc()->SetModifiedFlag(false);
        NewDesign(radio);
        ASSERT_NE(Doc(), nullptr);
        ASSERT_FALSE(Doc()->IsModified());
    }
};

/// The Caltrans permit vehicle as the preset writes it.
void ExpectCaltransVehicle(const LiveLoadVehicle& v, int combination) {
    EXPECT_EQ(v.m_strName, "CA_LongDeck_P15");
    EXPECT_EQ(v.m_bIncluded, 1);
    EXPECT_EQ(v.m_nAuxFlag, 1);
    EXPECT_EQ(v.m_dMultiplier, 1.0);
    ASSERT_EQ(v.m_nAxleCount, 8);
    const double weights[] = {26, 54, 54, 54, 54, 54, 54, 54};  // kip
    const double maxSpacing[] = {18, 18, 18, 60, 18, 18, 18, 0};  // ft, after each axle
    for (int a = 0; a < 8; ++a) {
        EXPECT_EQ(v.m_aAxles[a].m_dWeight, weights[a]) << "axle " << a + 1;
        EXPECT_EQ(v.m_aAxles[a].m_dMinSpacing, a == 7 ? 0.0 : 18.0) << "axle " << a + 1;
        EXPECT_EQ(v.m_aAxles[a].m_dMaxSpacing, maxSpacing[a]) << "axle " << a + 1;
    }
    EXPECT_EQ(v.m_aAxles[8], VehicleAxle{}) << "the rows after the last axle are cleared";
    EXPECT_EQ(v.m_dLaneLoad + v.m_dLaneMomentLoad + v.m_dLaneShearLoad, 0.0);
    EXPECT_EQ(v.m_bIncludeTandem, 0);
    EXPECT_EQ(v.m_dTandemAxle1 + v.m_dTandemAxle2 + v.m_dTandemSpacing, 0.0);
    EXPECT_EQ(v.m_nCombination, combination) << "the combination code is kept";
}

TEST_F(InputCommandTest, ProjectSettingsAppliesWhatFollowsFromEachChoice) {
    using Before = const StoredGroups&;
    struct Case {
        const char* what;
        int example;                                    // radio of "Initialize New Design"
        std::function<void(CKordelDoc&)> prepare;       // before the dialog opens
        std::function<void(DialogDriver&)> choose;      // in the dialog, before OK
        std::function<void(const CKordelDoc&, Before)> expect;
    };
    auto pick = [](int combo, const char* item) {
        return [combo, item](DialogDriver& d) { EXPECT_TRUE(d.Choose(combo, item)) << item; };
    };
    auto click = [](int radio) { return [radio](DialogDriver& d) { EXPECT_TRUE(d.Click(radio)); }; };
    const Case cases[] = {
        {"OK without a change changes nothing", IDC_SEED_SIMPLE_SPAN, {}, {},
         [](const CKordelDoc& d, Before b) {
             EXPECT_TRUE(SameGroups(StoredGroups(d), b));
         }},
        {"Standard Specs: the design code, its number, no cross-section type, its factors",
         IDC_SEED_SIMPLE_SPAN, {}, pick(IDC_SPEC_EDITION, "Standard Specs"),
         [](const CKordelDoc& d, Before) {
             EXPECT_EQ(d.m_nSpecEdition, kEditionStandardSpecs);
             EXPECT_EQ(d.m_nSpecification, kSpecStandard);
             EXPECT_EQ(d.m_strSpecCode, "STND");
             EXPECT_EQ(d.m_nSuperstructureType, 99);
             EXPECT_EQ(d.m_dStrengthILiveLoadFactor, 2.171) << "1.3 x 1.67, automatic factors";
             EXPECT_EQ(d.m_nShearMethod, kShearStandardVciVcw);
         }},
        {"another LRFD edition resets the cross-section type and the factors",
         IDC_SEED_SIMPLE_SPAN, [](CKordelDoc& d) { d.m_dStrengthILiveLoadFactor = 1.9; },
         pick(IDC_SPEC_EDITION, "LRFD 5th"),
         [](const CKordelDoc& d, Before) {
             EXPECT_EQ(d.m_nSpecification, kSpecLrfd);
             EXPECT_EQ(d.m_strSpecCode, "LRFD");
             EXPECT_EQ(d.m_nSuperstructureType, 99);
             EXPECT_EQ(d.m_dStrengthILiveLoadFactor, 1.75);
         }},
        {"LRFD 7th on a sand-lightweight design", IDC_SEED_SIMPLE_SPAN,
         [](CKordelDoc& d) { d.m_nBeamConcreteType = d.m_nDeckConcreteType = 2; },
         pick(IDC_SPEC_EDITION, "LRFD 7th"),
         [](const CKordelDoc& d, Before) {
             EXPECT_EQ(d.m_nBeamConcreteType, kConcreteLightweight);
             EXPECT_EQ(d.m_nDeckConcreteType, kConcreteLightweight);
             EXPECT_EQ(d.m_dEcFactor, 120.0);
             EXPECT_EQ(d.m_dEctFactor, 120.0);
             EXPECT_EQ(d.m_dReleaseCompressionCoef, 0.65);
         }},
        {"from LRFD 7th back to LRFD 6th", IDC_SEED_SIMPLE_SPAN,
         [](CKordelDoc& d) {
             d.m_nSpecEdition = kEditionLrfd7th;
             d.m_nBeamConcreteType = d.m_nDeckConcreteType = kConcreteLightweight;
         },
         pick(IDC_SPEC_EDITION, "LRFD 6th"),
         [](const CKordelDoc& d, Before) {
             EXPECT_EQ(d.m_nBeamConcreteType, kConcreteAllLightweight);
             EXPECT_EQ(d.m_nDeckConcreteType, kConcreteAllLightweight);
             EXPECT_EQ(d.m_dEcFactor, 33.0);
             EXPECT_EQ(d.m_dEctFactor, 33.0);
             EXPECT_EQ(d.m_dReleaseCompressionCoef, 0.6);
         }},
        {"metric units: the design and the frame's copy", IDC_SEED_SIMPLE_SPAN, {},
         click(IDC_UNITS_METRIC),
         [this](const CKordelDoc& d, Before b) {
             EXPECT_EQ(d.m_nUnits, kUnitsMetric);
             EXPECT_EQ(Main().m_nUnits, kUnitsMetric);
             EXPECT_EQ(d.m_dDesignSpan, b.m_dDesignSpan) << "the design keeps US units";
         }},
        {"simple span made continuous: two equal spans", IDC_SEED_SIMPLE_SPAN, {},
         click(IDC_CONTINUOUS),
         [this](const CKordelDoc& d, Before) {
             EXPECT_EQ(d.m_bContinuous, 1);
             EXPECT_EQ(Main().m_nStructureType, 1);
             ASSERT_EQ(d.m_nSpans, 2);
             EXPECT_EQ(d.m_adSpanLength[2], d.m_adSpanLength[1]);
             EXPECT_EQ(d.m_adSpanGirderLength[2], d.m_adSpanGirderLength[1]);
             EXPECT_EQ(d.m_adGirderOffsetLeft[2], d.m_adGirderOffsetLeft[1]);
             EXPECT_EQ(d.m_adPadOffsetLeft[2], d.m_adPadOffsetLeft[1]);
             EXPECT_EQ(d.m_adPadOffsetRight[2], d.m_adPadOffsetRight[1]);
             EXPECT_EQ(d.m_saSpanSectionNames,
                       (std::vector<std::string>{"PCI_BT_72", "PCI_BT_72"}));
         }},
        {"continuous made simple: one span as the girder's", IDC_SEED_CONTINUOUS,
         [](CKordelDoc& d) { d.m_nCurrentSpan = 2; }, click(IDC_SIMPLE_SPAN),
         [this](const CKordelDoc& d, Before) {
             EXPECT_EQ(d.m_bContinuous, 0);
             EXPECT_EQ(Main().m_nStructureType, 0);
             EXPECT_EQ(d.m_nSpans, 1);
             EXPECT_EQ(d.m_nCurrentSpan, 1);
             EXPECT_EQ(d.m_adSpanLength[1], 105.0);        // the design span
             EXPECT_EQ(d.m_adSpanGirderLength[1], 106.0);  // the girder length
             EXPECT_EQ(d.m_adGirderOffsetLeft[1], -0.5);   // (105 - 106) / 2
             EXPECT_EQ(d.m_adPadOffsetLeft[1], 0.5);       // (106 - 105) / 2
             EXPECT_EQ(d.m_adPadOffsetRight[1], 0.5);
         }},
        {"post-tensioning of a draped design: straight strands, LRFD losses",
         IDC_SEED_SIMPLE_SPAN, {}, click(IDC_POST_TENSIONING),
         [this](const CKordelDoc& d, Before b) {
             EXPECT_EQ(d.m_nPrestressType, kPostTensioned);
             EXPECT_EQ(Main().m_nPrestressType, kPostTensioned);
             EXPECT_EQ(d.m_nLossMethod, kLossLrfd3rd);
             EXPECT_EQ(d.m_nPatternType, kPatternStraight);
             int draped = 0;
             for (int r = 0; r < b.m_nTemplateRowCount; ++r) {
                 draped += static_cast<int>(b.m_aEndRows[r][kRowDrapedCount]);
                 EXPECT_EQ(d.m_aEndRows[r][kRowDrapedCount], 0.0) << "row " << r;
                 EXPECT_EQ(d.m_aDrapeRows[r][kRowDrapedCount], 0.0) << "row " << r;
             }
             EXPECT_GT(draped, 0);
             EXPECT_EQ(d.m_nStrandCount, b.m_nStrandCount - draped);
         }},
        {"post-tensioning under the Standard Specifications: its losses", IDC_SEED_SIMPLE_SPAN,
         {},
         [](DialogDriver& d) {
             d.Choose(IDC_SPEC_EDITION, "Standard Specs");
             d.Click(IDC_POST_TENSIONING);
         },
         [](const CKordelDoc& d, Before) { EXPECT_EQ(d.m_nLossMethod, kLossStandardSpecs); }},
        {"Caltrans picked", IDC_SEED_SIMPLE_SPAN, {}, pick(IDC_AGENCY, "Caltrans"),
         [](const CKordelDoc& d, Before b) {
             EXPECT_EQ(d.m_nAgency, kAgencyCaltrans);
             EXPECT_EQ(d.m_nSpecification, kSpecLrfd);
             EXPECT_EQ(d.m_nSpecEdition, kEditionLrfd6th);
             EXPECT_EQ(d.m_nEffWidthMethod, 1);
             EXPECT_EQ(d.m_bIncludeStrengthII, 1);
             EXPECT_EQ(d.m_bCheckLowboy, 1);
             EXPECT_EQ(d.m_nReleaseTensionLimit, 2);
             EXPECT_EQ(d.m_dReleaseTensionCoef, -0.24);
             EXPECT_EQ(d.m_nFinalTensionLimitPermanent, 1);
             EXPECT_EQ(d.m_dFinalTensionCoefPermanent, 0.0);
             EXPECT_EQ(d.m_nLossMethod, kLossLrfd6thDetailed);
             EXPECT_EQ(d.m_nShearMethod, kShearLrfdSectional);
             EXPECT_EQ(d.m_bShearAppendixB5, 1);
             EXPECT_EQ(d.m_nVehicle2ImpactMode, 2);
             EXPECT_EQ(d.m_dVehicle2ImpactSpecified, 0.25);
             EXPECT_EQ(d.m_nVehicleCombineMode, 2);
             ExpectCaltransVehicle(d.m_recVehicle2, b.m_recVehicle2.m_nCombination);
             EXPECT_EQ(d.m_adDebondSummary[kDebondLimitPattern], 33.0);
             EXPECT_EQ(d.m_adDebondSummary[kDebondLimitRow], 50.0);
             EXPECT_EQ(d.m_nPTJackingBasis, kJackingOfFpu);
             EXPECT_EQ(d.m_dPtJackingFraction, 0.75);
             EXPECT_EQ(d.m_nSuperstructureType, b.m_nSuperstructureType) << "same edition";
         }},
        {"Caltrans kept without being picked again presets nothing", IDC_SEED_SIMPLE_SPAN,
         [](CKordelDoc& d) {
             d.m_nAgency = kAgencyCaltrans;
             d.m_bCheckLowboy = 0;
         },
         {}, [](const CKordelDoc& d, Before) { EXPECT_EQ(d.m_bCheckLowboy, 0); }},
        {"Caltrans picked again, the item already chosen, presets again", IDC_SEED_SIMPLE_SPAN,
         [](CKordelDoc& d) {
             d.m_nAgency = kAgencyCaltrans;
             d.m_bCheckLowboy = 0;
         },
         pick(IDC_AGENCY, "Caltrans"),
         [](const CKordelDoc& d, Before) { EXPECT_EQ(d.m_bCheckLowboy, 1); }},
        // Caltrans designs by LRFD: with "Standard Specs" chosen in the same dialog the
        // specification still follows the edition, an LRFD one.
        {"Standard Specs with Caltrans: LRFD 6th, its specification and its factors",
         IDC_SEED_SIMPLE_SPAN, [](CKordelDoc& d) { d.m_nShearMethod = kShearLrfdSimplified; },
         [](DialogDriver& d) {
             d.Choose(IDC_SPEC_EDITION, "Standard Specs");
             d.Choose(IDC_AGENCY, "Caltrans");
         },
         [](const CKordelDoc& d, Before b) {
             EXPECT_EQ(d.m_nSpecEdition, kEditionLrfd6th);
             EXPECT_EQ(d.m_nSpecification, kSpecLrfd);
             EXPECT_EQ(d.m_strSpecCode, "LRFD");
             EXPECT_EQ(d.m_dStrengthILiveLoadFactor, 1.75) << "LRFD factors";
             EXPECT_EQ(d.m_nShearMethod, kShearLrfdSectional) << "Caltrans's, after the reset";
             EXPECT_EQ(d.m_nSuperstructureType, b.m_nSuperstructureType)
                 << "the edition did not change in the end";
         }},
        {"Caltrans on a Standard design: LRFD 6th with the resets of a new design code",
         IDC_SEED_SIMPLE_SPAN,
         [](CKordelDoc& d) {
             d.m_nSpecEdition = kEditionStandardSpecs;
             d.m_nSpecification = kSpecStandard;
             d.m_strSpecCode = "STND";
             d.SetDefaultFactors();
         },
         pick(IDC_AGENCY, "Caltrans"),
         [](const CKordelDoc& d, Before) {
             EXPECT_EQ(d.m_nSpecEdition, kEditionLrfd6th);
             EXPECT_EQ(d.m_nSpecification, kSpecLrfd);
             EXPECT_EQ(d.m_strSpecCode, "LRFD");
             EXPECT_EQ(d.m_nSuperstructureType, 99);
             EXPECT_EQ(d.m_dStrengthILiveLoadFactor, 1.75);
             EXPECT_EQ(d.m_nShearMethod, kShearLrfdSectional);
             EXPECT_EQ(d.m_nLossMethod, kLossLrfd6thDetailed);
         }},
        {"MN picked", IDC_SEED_SIMPLE_SPAN, {}, pick(IDC_AGENCY, "MN"),
         [](const CKordelDoc& d, Before b) {
             EXPECT_EQ(d.m_nLossMethod, kLossLrfd6thApproximate);
             EXPECT_EQ(d.m_nTransformStrandsMode, 0);
             EXPECT_EQ(d.m_bRatingIgnoreFws, 1);
             EXPECT_EQ(d.m_bSkewAdjustMomentDf, 0);
             EXPECT_EQ(d.m_bIncreasedDoubleTruck, 1);
             EXPECT_EQ(d.m_dBeamDensity, 0.155);
             for (int k = 0; k < 4; ++k) EXPECT_EQ(d.m_adCamberMultiplierInput[k], 1.5) << k;
             EXPECT_EQ(d.m_adCamberMultiplierInput[4], b.m_adCamberMultiplierInput[4]);
             EXPECT_EQ(d.m_dRelativeHumidity, 73.0);
             EXPECT_EQ(d.m_nEcMethod, 2);
             EXPECT_EQ(d.m_dEcUnitWeight, 0.145);
             EXPECT_EQ(d.m_nStrandType, 4);
             EXPECT_EQ(d.m_strStrandName, "0.6in 270 LR");
             EXPECT_EQ(d.m_dStrandUnitArea, 0.217);
             EXPECT_EQ(d.m_dStrandDiameter, 0.6);
             EXPECT_EQ(d.m_dStrandFpu, 270.0);
             EXPECT_EQ(d.m_nStrandKind, 1);
             EXPECT_EQ(d.m_strStrandKind, "Low-Relaxation");
             EXPECT_EQ(d.m_recVehicle2, b.m_recVehicle2);
         }},
        {"MT picked", IDC_SEED_SIMPLE_SPAN, {}, pick(IDC_AGENCY, "MT"),
         [](const CKordelDoc& d, Before) { EXPECT_EQ(d.m_bDvAllSteel, 1); }},
        {"ND picked", IDC_SEED_SIMPLE_SPAN, {}, pick(IDC_AGENCY, "ND"),
         [](const CKordelDoc& d, Before) { EXPECT_EQ(d.m_bInteriorPiersReinforced, 1); }},
        {"ODOT picked", IDC_SEED_SIMPLE_SPAN, {}, pick(IDC_AGENCY, "ODOT"),
         [](const CKordelDoc& d, Before) { EXPECT_EQ(d.m_bOmitElasticGain, 1); }},
        {"FDOT picked", IDC_SEED_SIMPLE_SPAN, {}, pick(IDC_AGENCY, "FDOT"),
         [](const CKordelDoc& d, Before) {
             EXPECT_EQ(d.m_nBarrierLoadMode, 1);
             EXPECT_EQ(d.m_nBarrierDistribution, 2);
         }},
        {"None picked takes the agency settings back", IDC_SEED_SIMPLE_SPAN,
         [](CKordelDoc& d) {
             d.m_nAgency = kAgencyCaltrans;
             d.m_nEffWidthMethod = 1;
             d.m_bIncludeStrengthII = d.m_bCheckLowboy = d.m_bOmitElasticGain = 1;
             d.m_adDebondSummary[kDebondLimitPattern] = 33;
             d.m_adDebondSummary[kDebondLimitRow] = 50;
         },
         pick(IDC_AGENCY, "None"),
         [](const CKordelDoc& d, Before) {
             EXPECT_EQ(d.m_nAgency, kAgencyNone);
             EXPECT_EQ(d.m_nEffWidthMethod, 0);
             EXPECT_EQ(d.m_bIncludeStrengthII + d.m_bCheckLowboy + d.m_bOmitElasticGain, 0);
             EXPECT_EQ(d.m_adDebondSummary[kDebondLimitPattern], 25.0);
             EXPECT_EQ(d.m_adDebondSummary[kDebondLimitRow], 40.0);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FreshDesign(c.example);
        if (c.prepare) c.prepare(*Doc());
        const std::unique_ptr<StoredGroups> before = Model();
        ProjectSettings(c.choose);
        c.expect(*Doc(), *before);
    }
}

TEST_F(InputCommandTest, CancelLeavesTheDesignAsItWasToTheLastByte) {
    const std::string path = SavedDesign("cancel.kdx");
    Doc()->m_nAgency = kAgencyCaltrans;  // a design that is not the example's any more
    Choose(ID_FILE_SAVE);
    const std::string bytes = ReadFileBytes(path);
    const std::unique_ptr<StoredGroups> before = Model();
    const double restraintFactor = Doc()->m_dStrengthIRestraintFactor;  // not in the groups
    const std::vector<std::string> report = Doc()->Report();          // the results
    const int loadEffectsDirty = Doc()->m_bLoadEffectsDirty;
    // Each dialog with every kind of change made in it, then cancelled; the wizard with each
    // of its steps cancelled.
    toolkit.QueueDialog([](DialogDriver& d) {
        d.Type(IDC_JOB_PROJECT, "Another bridge");
        d.Cancel();
    });
    Choose(ID_INPUT_JOB_INFO);
    toolkit.QueueDialog([](DialogDriver& d) {
        d.Choose(IDC_SPEC_EDITION, "Standard Specs");
        d.Choose(IDC_AGENCY, "MN");
        d.Click(IDC_UNITS_METRIC);
        d.Click(IDC_CONTINUOUS);
        d.Click(IDC_POST_TENSIONING);
        d.PressKey(platform::ui::kKeyEscape);
    });
    Choose(ID_INPUT_PROJECT_SETTINGS);
    toolkit.QueueDialog([](DialogDriver& d) { d.Cancel(); });
    toolkit.QueueDialog([](DialogDriver& d) { d.Cancel(); });
    toolkit.QueueDialog([](DialogDriver& d) { d.Cancel(); });
    Choose(ID_INPUT_WIZARD);

    EXPECT_TRUE(SameGroups(StoredGroups(*Doc()), *before));
    EXPECT_EQ(Doc()->m_dStrengthIRestraintFactor, restraintFactor);
    EXPECT_EQ(Doc()->Report(), report);
    EXPECT_EQ(Doc()->m_bLoadEffectsDirty, loadEffectsDirty);
    EXPECT_FALSE(Doc()->IsModified());
    EXPECT_EQ(Main().m_nUnits, kUnitsUS);
    EXPECT_EQ(Main().m_nStructureType, 0);
    EXPECT_EQ(Main().m_nPrestressType, kPretensionOnly);
    Choose(ID_FILE_SAVE);
    EXPECT_TRUE(ReadFileBytes(path) == bytes) << "the file saved again is the same";
}

TEST_F(InputCommandTest, OkAnalysesMarksTheDesignModifiedAndRepaints) {
    NewDesign();
    const int repaints = Frame().Invalidations();
    toolkit.QueueDialog([](DialogDriver& d) {
        d.Type(IDC_JOB_PROJECT, "Bridge 7");
        d.Ok();
    });
    Choose(ID_INPUT_JOB_INFO);
    EXPECT_TRUE(Doc()->IsModified());
    EXPECT_GT(Frame().Invalidations(), repaints);
    EXPECT_EQ(Doc()->m_strProject, PadToWidth("Bridge 7", 30));
}

TEST_F(InputCommandTest, OkRedoesTheMovingLoadsWhateverTheDialogChanged) {
    // The design keeps its moving-load results between analyses. Heavier truck axles written
    // straight into the design, analysed without asking for the moving loads again, leave
    // results of the lighter truck; an input command confirmed without an edit must bring
    // the heavier truck's results.
    struct Case {
        const char* what;
        int command;
    };
    const Case cases[] = {
        {"Job Information", ID_INPUT_JOB_INFO},
        {"Project Settings", ID_INPUT_PROJECT_SETTINGS},
        {"Bridge Section Geometry", ID_INPUT_GEOMETRY},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        NewDesign();
        CKordelDoc& doc = *Doc();
        ASSERT_EQ(doc.m_bLoadEffectsDirty, 0) << "the moving loads are kept after an analysis";
        for (VehicleAxle& axle : doc.m_recVehicle1.m_aAxles) axle.m_dWeight *= 1.5;
        doc.RunAnalysis();
        const std::vector<std::string> stale = doc.Report();

        toolkit.QueueDialog([](DialogDriver& d) { d.Ok(); });
        ASSERT_TRUE(Choose(c.command));
        const std::vector<std::string> afterOk = doc.Report();
        doc.m_bLoadEffectsDirty = 1;
        doc.RunAnalysis();
        EXPECT_TRUE(afterOk == doc.Report()) << "the results are those of a fresh analysis";
        EXPECT_FALSE(afterOk == stale) << "the heavier truck shows in the results";
    }
}

TEST_F(InputCommandTest, TheWizardRunsItsStepsInOrderWhateverEachReturns) {
    NewDesign();
    // Job Information cancelled, Project Settings made continuous: the steps after it come
    // all the same; those whose dialogs the program has not yet are passed over.
    toolkit.QueueDialog([](DialogDriver& d) {
        EXPECT_EQ(d.Caption(), "Job Information");
        d.Cancel();
    });
    toolkit.QueueDialog([](DialogDriver& d) {
        EXPECT_EQ(d.Caption(), "Project Settings");
        d.Click(IDC_CONTINUOUS);
        d.Ok();
    });
    toolkit.QueueDialog([](DialogDriver& d) {
        EXPECT_EQ(d.Caption(), "Span Layout");
        d.Cancel();
    });
    toolkit.QueueDialog([](DialogDriver& d) {
        EXPECT_EQ(d.Caption(), "Geometry");
        d.Cancel();
    });
    const std::size_t shown = toolkit.DialogsShown().size();
    ASSERT_TRUE(Choose(ID_INPUT_WIZARD));
    const std::vector<int> dialogs(toolkit.DialogsShown().begin() + static_cast<long>(shown),
                                   toolkit.DialogsShown().end());
    EXPECT_EQ(dialogs, (std::vector<int>{IDD_JOB_INFO, IDD_PROJECT_SETTINGS, 165, 135,
                                         IDD_MATERIALS, IDD_LOADS, 196}));
    EXPECT_EQ(Doc()->m_bContinuous, 1) << "the second step took effect after the first's Cancel";
}

/// The report of the open design once saved, and that of the same file opened afresh.
class FreshAnalysisTest : public InputCommandTest {
  protected:
    std::pair<std::vector<std::string>, std::vector<std::string>> ReportAndFresh(
        const std::string& name) {
        const std::string path = temp / name;
        host.QueueFileName(path);
        Choose(ID_FILE_SAVE_AS);
        // The report again with the file's name in its header; an analysis reuses the live-load
        // results the design holds.
        Doc()->RunAnalysis();
        std::vector<std::string> report = Doc()->Report();
        Choose(ID_FILE_CLOSE);
        host.QueueFileName(path);
        Choose(ID_FILE_OPEN);
        return {report, Doc()->Report()};
    }
};

TEST_F(FreshAnalysisTest, ResultsAfterAProjectSettingsChangeAreThoseOfAFreshAnalysis) {
    struct Case {
        const char* what;
        std::function<void(DialogDriver&)> choose;
    };
    const Case cases[] = {
        {"made continuous", [](DialogDriver& d) { d.Click(IDC_CONTINUOUS); }},
        {"Caltrans with its permit vehicle", [](DialogDriver& d) { d.Choose(IDC_AGENCY, "Caltrans"); }},
        {"Standard Specs", [](DialogDriver& d) { d.Choose(IDC_SPEC_EDITION, "Standard Specs"); }},
        {"metric", [](DialogDriver& d) { d.Click(IDC_UNITS_METRIC); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FreshDesign();
        const std::vector<std::string> initial = Doc()->Report();
        ProjectSettings(c.choose);
        auto [report, fresh] = ReportAndFresh("fresh.kdx");
        EXPECT_EQ(report, fresh);
        EXPECT_NE(report, initial) << "the change shows in the report";
    }
}

TEST_F(InputCommandTest, AMetricDesignComesBackUnchangedThroughEveryDialogConfirmedAsShown) {
    NewDesign(IDC_SEED_SPLICED);
    ProjectSettings([](DialogDriver& d) { d.Click(IDC_UNITS_METRIC); });
    // Job Information pads the example's job strings the first time, as it always does; a
    // design that has been through it comes back alike.
    toolkit.QueueDialog([](DialogDriver& d) { d.Ok(); });
    Choose(ID_INPUT_JOB_INFO);
    const std::string path = temp / "metric.kdx";
    host.QueueFileName(path);
    Choose(ID_FILE_SAVE_AS);
    Choose(ID_FILE_CLOSE);
    host.QueueFileName(path);
    Choose(ID_FILE_OPEN);
    ASSERT_EQ(Doc()->m_nUnits, kUnitsMetric);
    const std::string bytes = ReadFileBytes(path);
    const std::unique_ptr<StoredGroups> before = Model();

    // Every step confirmed as shown but Materials, whose OK writes the strand's kind in the
    // words of its table.
    for (const char* caption : {"Job Information", "Project Settings", "Geometry", "Materials",
                                "Loads", "Prestressing  (Pretensioning)"}) {
        toolkit.QueueDialog([caption](DialogDriver& d) {
            EXPECT_EQ(d.Caption(), caption);
            if (d.Caption() == "Materials") {
                d.Cancel();
            } else {
                d.Ok();
            }
        });
    }
    ASSERT_TRUE(Choose(ID_INPUT_WIZARD));
    EXPECT_EQ(toolkit.DialogsShown().back(), 196) << "Prestressing (Pretensioning) last";
    EXPECT_TRUE(Doc()->IsModified());
    EXPECT_TRUE(SameGroups(StoredGroups(*Doc()), *before));
    Choose(ID_FILE_SAVE);
    EXPECT_TRUE(ReadFileBytes(path) == bytes) << "the file saved again is the same";
}

TEST(UnitExchange, AValueHandedBackAsShownKeepsTheStoredBits) {
    // 1.7 ft shows as 0.51816 m, which divided by 0.3048 is not 1.7 again to the last bit.
    ASSERT_NE(ConvertFeetMeters(0, ConvertFeetMeters(1, 1.7)), 1.7);
    const UnitExchange metric(kUnitsMetric);
    const UnitExchange us(kUnitsUS);
    struct Case {
        const char* what;
        const UnitExchange& units;
        double stored;
        std::function<double(double shown)> edit;
        double expected;
    };
    const Case cases[] = {
        {"metric, left alone", metric, 1.7, [](double shown) { return shown; }, 1.7},
        {"metric, edited", metric, 1.7, [](double) { return 3.048; }, 3.048 / 0.3048},
        {"US, edited", us, 1.7, [](double) { return 12.5; }, 12.5},
        {"US, left alone", us, 1.7, [](double shown) { return shown; }, 1.7},
    };
    for (const Case& c : cases) {
        double stored = c.stored;
        const double shown = c.units.In(stored, ConvertFeetMeters);
        c.units.Back(stored, c.edit(shown), ConvertFeetMeters);
        EXPECT_EQ(std::bit_cast<std::uint64_t>(stored), std::bit_cast<std::uint64_t>(c.expected))
            << c.what << ": " << stored << " for " << c.expected;
    }
    float f = 0.1f;
    metric.Back(f, metric.In(f, ConvertKsiMpa), ConvertKsiMpa);
    EXPECT_EQ(f, 0.1f);
}

/// A dialog whose one button carries the About command of the main window.
const platform::ui::DialogTemplate& CommandButtonTemplate() {
    using namespace platform::ui;
    static const DialogTemplate t = [] {
        DialogTemplate d;
        d.id = 903;
        d.caption = "With a command button";
        d.size = {120, 40};
        d.controls = {
            MakeControl(ControlKind::PushButton, ID_APP_ABOUT, "&About...", 5, 5, 50, 14),
            MakeControl(ControlKind::DefPushButton, kIdOk, "OK", 65, 20, 50, 14),
        };
        return d;
    }();
    return t;
}

TEST_F(InputCommandTest, AButtonCarryingAMenuCommandRunsItOverTheDialog) {
    platform::ui::Dialog dlg(CommandButtonTemplate());
    toolkit.QueueDialog([](DialogDriver& d) {
        EXPECT_TRUE(d.Click(ID_APP_ABOUT));
        EXPECT_FALSE(d.Ended());
        d.Ok();
    });
    toolkit.QueueDialog([](DialogDriver& d) {
        EXPECT_EQ(d.Caption(), "About Kordel");
        d.Ok();
    });
    EXPECT_EQ(dlg.DoModal(), platform::ui::kIdOk);
    EXPECT_EQ(toolkit.DialogsShown(), (std::vector<int>{903, IDD_ABOUTBOX}));
}

}  // namespace
}  // namespace kordel::test
