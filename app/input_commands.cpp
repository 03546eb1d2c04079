// The input commands of the main frame. Each builds its dialog, fills it from the active
// design (converted for a metric design), runs it, and only on OK writes the values back,
// runs its own follow-up and then what every input command does (RunInputDialog).
#include "app/input_commands.h"

#include <algorithm>
#include <array>

#include "app/child_frame.h"
#include "app/kordel_app.h"
#include "app/main_frame.h"
#include "dialogs/input/design_options_dlg.h"
#include "dialogs/input/job_dlg.h"
#include "dialogs/input/span_layout_dlg.h"
#include "document/kordel_doc.h"
#include "document/main_frame_state.h"
#include "document/unit_conversions.h"
#include "platform/ui/toolkit.h"
#include "resources/resource_ids.h"

namespace kordel {

using namespace platform::ui;

namespace {

/// The edition switch between an edition and the 7th, whose concrete rules differ.
void SwitchSeventhEdition(CKordelDoc& doc, int oldEdition, int newEdition) {
    if (oldEdition == kEditionLrfd7th && newEdition != kEditionLrfd7th) {
        doc.m_dEcFactor = 33.0;
        doc.m_dEctFactor = 33.0;
        for (int* type : {&doc.m_nBeamConcreteType, &doc.m_nDeckConcreteType}) {
            if (*type == kConcreteLightweight) *type = kConcreteAllLightweight;
        }
        doc.m_dReleaseCompressionCoef = 0.6;
    } else if (oldEdition != kEditionLrfd7th && newEdition == kEditionLrfd7th) {
        doc.m_dEcFactor = 120.0;
        doc.m_dEctFactor = 120.0;
        for (int* type : {&doc.m_nBeamConcreteType, &doc.m_nDeckConcreteType}) {
            if (*type != kConcreteNormalWeight) *type = kConcreteLightweight;
        }
        doc.m_dReleaseCompressionCoef = 0.65;
    }
}

/// Span 1 made to match the girder of a simple span, or a continuous chain of at least two.
void SwitchStructureType(CKordelDoc& doc) {
    if (!doc.m_bContinuous) {
        doc.m_nSpans = 1;
        doc.m_adSpanLength[1] = doc.m_dDesignSpan;
        doc.m_adSpanGirderLength[1] = doc.m_dGirderLength;
        doc.m_adGirderOffsetLeft[1] = (doc.m_dDesignSpan - doc.m_dGirderLength) / 2.0;
        doc.m_adPadOffsetLeft[1] = (doc.m_dGirderLength - doc.m_dDesignSpan) / 2.0;
        doc.m_adPadOffsetRight[1] = doc.m_adPadOffsetLeft[1];
    } else if (doc.m_nSpans == 1) {
        for (double* perSpan : {doc.m_adSpanLength, doc.m_adSpanGirderLength,
                                doc.m_adGirderOffsetLeft, doc.m_adPadOffsetLeft,
                                doc.m_adPadOffsetRight}) {
            perSpan[2] = perSpan[1];
        }
        doc.m_saSpanSectionNames.push_back(
            doc.m_saSpanSectionNames.empty() ? std::string() : doc.m_saSpanSectionNames.front());
        doc.m_nSpans = 2;
    }
}

/// Post-tensioned girders take straight strands only: the draped strands go.
void StraightenForPostTensioning(CKordelDoc& doc) {
    if (doc.m_nPatternType != kPatternDraped) return;
    doc.m_nPatternType = kPatternStraight;
    const int rows = std::clamp(doc.m_nTemplateRowCount, 0, kMaxPatternRows);
    for (int r = 0; r < rows; ++r) {
        doc.m_aEndRows[r][kRowDrapedCount] = 0;
        doc.m_aDrapeRows[r][kRowDrapedCount] = 0;
    }
    doc.GetStrandCountAndCentroid(doc.m_aEndRows, doc.m_nStrandCount, doc.m_dStrandCgEnd);
    doc.GetStrandCountAndCentroid(doc.m_aDrapeRows, doc.m_nStrandCount, doc.m_dStrandCgMid);
    doc.RebuildStrandGroups();
}

/// Vehicle 2 of the Caltrans preset: the permit truck "CA_LongDeck_P15", eight axles of 26 and
/// 7 x 54 kip at 18 ft, the fourth spacing varying from 18 to 60 ft.
void SetCaltransPermitVehicle(LiveLoadVehicle& v) {
    v.m_strName = "CA_LongDeck_P15";
    v.m_bIncluded = 1;
    v.m_nAuxFlag = 1;
    v.m_dMultiplier = 1.0;
    std::fill(std::begin(v.m_aAxles), std::end(v.m_aAxles), VehicleAxle{});
    v.m_nAxleCount = 8;
    for (int a = 0; a < v.m_nAxleCount; ++a) {
        VehicleAxle& axle = v.m_aAxles[a];
        axle.m_dWeight = a == 0 ? 26.0 : 54.0;  // kip
        const bool last = a == v.m_nAxleCount - 1;
        axle.m_dMinSpacing = last ? 0.0 : 18.0;  // ft
        axle.m_dMaxSpacing = last ? 0.0 : a == 3 ? 60.0 : 18.0;
    }
    v.m_dLaneLoad = 0;
    v.m_dLaneMomentLoad = 0;
    v.m_dLaneShearLoad = 0;
    v.m_bIncludeTandem = 0;
    v.m_dTandemAxle1 = 0;
    v.m_dTandemAxle2 = 0;
    v.m_dTandemSpacing = 0;
}

}  // namespace

std::string JobFieldText(const std::string& stored, int width) {
    std::string text = stored.substr(0, static_cast<std::size_t>(std::max(0, width)));
    text.erase(text.find_last_not_of(' ') + 1);
    return text;
}

void ApplyAgencyPresets(CKordelDoc& doc, int agency) {
    switch (agency) {
        case kAgencyNone:
            doc.m_nEffWidthMethod = 0;
            doc.m_bIncludeStrengthII = 0;
            doc.m_bCheckLowboy = 0;
            doc.m_bOmitElasticGain = 0;
            break;
        case kAgencyCaltrans:
            doc.m_nEffWidthMethod = 1;
            doc.m_bIncludeStrengthII = 1;
            doc.m_bCheckLowboy = 1;
            doc.m_nReleaseTensionLimit = 2;
            doc.m_dReleaseTensionCoef = -0.24;
            doc.m_nFinalTensionLimitPermanent = 1;
            doc.m_dFinalTensionCoefPermanent = 0;
            doc.m_nLossMethod = kLossLrfd6thDetailed;
            doc.m_nShearMethod = 1;
            doc.m_bShearAppendixB5 = 1;
            doc.m_nVehicle2ImpactMode = 2;
            doc.m_dVehicle2ImpactSpecified = 0.25;
            doc.m_nVehicleCombineMode = 2;
            SetCaltransPermitVehicle(doc.m_recVehicle2);
            doc.m_nPTJackingBasis = kJackingOfFpu;
            doc.m_dPtJackingFraction = 0.75;
            break;
        case kAgencyMN:
            doc.m_nLossMethod = kLossLrfd6thApproximate;
            doc.m_nTransformStrandsMode = 0;
            doc.m_bRatingIgnoreFws = 1;
            doc.m_bSkewAdjustMomentDf = 0;
            doc.m_bIncreasedDoubleTruck = 1;
            doc.m_dBeamDensity = 0.155;  // kcf
            std::fill_n(doc.m_adCamberMultiplierInput, 4, 1.5);
            doc.m_dRelativeHumidity = 73;
            doc.m_nEcMethod = 2;
            doc.m_dEcUnitWeight = 0.145;  // kcf
            doc.m_nStrandType = 4;
            doc.m_strStrandName = "0.6in 270 LR";
            doc.m_dStrandUnitArea = 0.217;  // in2
            doc.m_dStrandDiameter = 0.6;    // in
            doc.m_dStrandFpu = 270;         // ksi
            doc.m_nStrandKind = 1;
            doc.m_strStrandKind = "Low-Relaxation";
            break;
        case kAgencyMT:
            doc.m_bDvAllSteel = 1;
            break;
        case kAgencyND:
            doc.m_bInteriorPiersReinforced = 1;
            break;
        case kAgencyODOT:
            doc.m_bOmitElasticGain = 1;
            break;
        case kAgencyFDOT:
            doc.m_nBarrierLoadMode = 1;
            doc.m_nBarrierDistribution = 2;
            break;
        default:
            break;
    }
    ApplyAgencyDebondLimits(agency, doc);
}

void ApplyProjectSettings(CKordelDoc& doc, const CDesignOptionsDlg& dlg, CMainFrameState& frame) {
    const int oldEdition = doc.m_nSpecEdition;
    int edition = std::clamp(dlg.m_nSpecEdition, 0, kEditionCount - 1);
    const bool agencyPicked = dlg.m_bAgencyChanged != 0;
    if (agencyPicked && dlg.m_nAgency == kAgencyCaltrans && edition == kEditionStandardSpecs)
        edition = kEditionLrfd6th;

    // The edition, and the specification that follows it.
    SwitchSeventhEdition(doc, oldEdition, edition);
    doc.m_nSpecEdition = edition;
    doc.m_nSpecification = edition == kEditionStandardSpecs ? kSpecStandard : kSpecLrfd;
    doc.m_strSpecCode = IsLrfd(doc.m_nSpecification) ? "LRFD" : "STND";

    doc.m_nUnits = dlg.m_nUnits;
    frame.m_nUnits = dlg.m_nUnits;
    doc.m_bContinuous = dlg.m_bContinuous;
    frame.m_nStructureType = dlg.m_bContinuous;
    SwitchStructureType(doc);

    // A new specification: the cross-section type is to be chosen again for it, and the
    // factors are its defaults.
    if (edition != oldEdition) {
        doc.m_nSuperstructureType = 99;
        doc.SetDefaultFactors();
    }

    doc.m_nPrestressType = dlg.m_nPrestressType;
    frame.m_nPrestressType = dlg.m_nPrestressType;
    doc.m_nLossMethod = dlg.m_nLossMethod;
    doc.m_nCurrentSpan = dlg.m_nCurrentSpan;
    if (doc.m_nPrestressType == kPostTensioned) {
        doc.m_nLossMethod = IsLrfd(doc.m_nSpecification) ? kLossLrfd3rd : kLossStandardSpecs;
        StraightenForPostTensioning(doc);
    }

    doc.m_nAgency = dlg.m_nAgency;
    if (agencyPicked) ApplyAgencyPresets(doc, dlg.m_nAgency);
}

// ---- The commands -------------------------------------------------------------------------------

CKordelDoc* CMainFrame::ActiveDesign() const {
    CChildFrame* active = MDIGetActive();
    return active ? active->GetActiveDocument() : nullptr;
}

bool CMainFrame::RunInputDialog(Dialog& dialog, const std::function<void(CKordelDoc&)>& copyIn,
                                const std::function<void(CKordelDoc&)>& copyBack) {
    CKordelDoc* doc = ActiveDesign();
    if (!doc) return false;
    copyIn(*doc);
    if (dialog.DoModal() != kIdOk) return false;
    copyBack(*doc);
    // Any input may change the live-load results the design keeps between analyses (a span, a
    // spacing, a vehicle, the section, the supports): they are always worked out again.
    doc->m_bLoadEffectsDirty = 1;
    doc->RunAnalysis();
    if (m_peer) m_peer->Invalidate();
    doc->SetModifiedFlag(true);
    m_app.UpdateAllViews();
    return true;
}

void CMainFrame::RepaintDesign() {
    if (m_peer) m_peer->Invalidate();
    m_app.UpdateAllViews();
}

void CMainFrame::RegisterInputCommands() {
    m_commands.On(ID_INPUT_WIZARD, [this] { OnInputWizard(); });
    m_commands.On(ID_INPUT_JOB_INFO, [this] { OnInputJobInformation(); });
    m_commands.On(ID_INPUT_PROJECT_SETTINGS, [this] { OnInputProjectSettings(); });
    m_commands.On(ID_INPUT_SPAN_LAYOUT, [this] { OnInputSpanLayout(); });
    RegisterDebondCommands();
    m_commands.On(ID_INPUT_GEOMETRY, [this] { OnInputGeometry(); });
    RegisterMaterialsCommands();
    RegisterFactorCommands();
    RegisterPretensioningCommands();
    RegisterRebarCommands();
    RegisterToolCommands();
    RegisterLibraryCommands();
}

void CMainFrame::OnInputWizard() {
    // Each step as if chosen from the menu, whatever the one before it returned; a step whose
    // command is not available is passed over.
    OnFrameCommand(ID_INPUT_JOB_INFO);
    OnFrameCommand(ID_INPUT_PROJECT_SETTINGS);
    if (CKordelDoc* doc = ActiveDesign(); doc && doc->m_bContinuous)
        OnFrameCommand(ID_INPUT_SPAN_LAYOUT);
    for (int id : {ID_INPUT_GEOMETRY, ID_INPUT_MATERIALS, ID_INPUT_LOADS, ID_INPUT_PRETENSIONING})
        OnFrameCommand(id);
}

void CMainFrame::OnInputJobInformation() {
    CJobDlg dlg;
    RunInputDialog(
        dlg,
        [&dlg](const CKordelDoc& doc) {
            dlg.m_strProject = JobFieldText(doc.m_strProject, kJobFieldWidth);
            dlg.m_strTask = JobFieldText(doc.m_strTask, kJobFieldWidth);
            dlg.m_strClient = JobFieldText(doc.m_strClient, kJobFieldWidth);
            dlg.m_strDesigner = JobFieldText(doc.m_strDesigner, kDesignerWidth);
            dlg.m_strJobNumber = JobFieldText(doc.m_strJobNumber, kJobFieldWidth);
        },
        [&dlg](CKordelDoc& doc) {
            doc.m_strProject = dlg.m_strProject;
            doc.m_strTask = dlg.m_strTask;
            doc.m_strClient = dlg.m_strClient;
            doc.m_strDesigner = dlg.m_strDesigner;
            doc.m_strJobNumber = dlg.m_strJobNumber;
        });
}

void CMainFrame::OnInputProjectSettings() {
    CDesignOptionsDlg dlg;
    RunInputDialog(
        dlg,
        [&dlg](const CKordelDoc& doc) {
            dlg.m_nSpecification = doc.m_nSpecification;
            dlg.m_nUnits = doc.m_nUnits;
            dlg.m_bContinuous = doc.m_bContinuous;
            dlg.m_nPrestressType = doc.m_nPrestressType;
            dlg.m_nCurrentSpan = doc.m_nCurrentSpan;
            dlg.m_nLossMethod = doc.m_nLossMethod;
            dlg.m_nAgency = doc.m_nAgency;
            dlg.m_saAgencies = doc.m_saAgencies;
            dlg.m_nSpecEdition = doc.m_nSpecEdition;
            dlg.m_saSpecEditions = doc.m_saSpecEditions;
            dlg.m_bAgencyChanged = 0;
        },
        [this, &dlg](CKordelDoc& doc) { ApplyProjectSettings(doc, dlg, *this); });
}

void CMainFrame::OnInputSpanLayout() {
    CSpanLayoutDlg dlg;
    CKordelDoc* design = ActiveDesign();
    if (!design) return;
    const UnitExchange units(design->m_nUnits);
    // The span tables of the dialog alongside those of the design, converted for metric.
    const auto tables = [](auto& owner, auto& doc) {
        return std::array{std::pair{owner.m_adSpanLength, doc.m_adSpanLength},
                          std::pair{owner.m_adGirderLength, doc.m_adSpanGirderLength},
                          std::pair{owner.m_adGirderOffsetLeft, doc.m_adGirderOffsetLeft},
                          std::pair{owner.m_adPadOffsetLeft, doc.m_adPadOffsetLeft},
                          std::pair{owner.m_adPadOffsetRight, doc.m_adPadOffsetRight}};
    };
    RunInputDialog(
        dlg,
        [&](CKordelDoc& doc) {
            dlg.m_bContinuous = doc.m_bContinuous;
            dlg.m_nUnits = doc.m_nUnits;
            dlg.m_nSpans = std::clamp(doc.m_nSpans, 1, kSpanLayoutSlots - 1);
            dlg.m_nCurrentSpan = doc.m_nCurrentSpan;
            dlg.m_dDrawHeight = doc.m_dSectionHeight;
            for (auto [shown, stored] : tables(dlg, doc)) {
                for (int s = 1; s < kSpanLayoutSlots; ++s)
                    shown[s] = units.In(stored[s], ConvertFeetMeters);
            }
            for (int s = 1; s < kSpanLayoutSlots; ++s) {
                for (int c = 0; c < kSpanSectionPropCount; ++c)
                    dlg.m_adSpanSectionProps[s][c] = doc.m_adSpanSectionProps[s][c];
            }
            const std::size_t names = std::min(doc.m_saSpanSectionNames.size(),
                                               static_cast<std::size_t>(dlg.m_nSpans));
            dlg.m_saGirderIds.assign(doc.m_saSpanSectionNames.begin(),
                                     doc.m_saSpanSectionNames.begin() +
                                         static_cast<std::ptrdiff_t>(names));
        },
        [&](CKordelDoc& doc) {
            doc.m_bContinuous = dlg.m_bContinuous;
            doc.m_nSpans = dlg.m_nSpans;
            doc.m_nCurrentSpan = dlg.m_nCurrentSpan;
            for (auto [shown, stored] : tables(dlg, doc)) {
                for (int s = 1; s <= dlg.m_nSpans; ++s)
                    units.Back(stored[s], shown[s], ConvertFeetMeters);
            }
            doc.m_saSpanSectionNames.clear();
            for (int s = 1; s <= dlg.m_nSpans; ++s) {
                for (int c = 0; c < kSpanSectionPropCount; ++c)
                    doc.m_adSpanSectionProps[s][c] = dlg.m_adSpanSectionProps[s][c];
                const std::size_t i = static_cast<std::size_t>(s - 1);
                doc.m_saSpanSectionNames.push_back(i < dlg.m_saGirderIds.size()
                                                       ? dlg.m_saGirderIds[i]
                                                       : std::string());
            }
        });
}

}  // namespace kordel
