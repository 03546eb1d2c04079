// Input/Materials and Input/Loads: the dialogs filled from the design (converted for a metric
// design) and, on OK, their values stored with what follows from them: the strands of the
// chosen types, the bar yield strengths the Standard Specifications allow, the shear resistance
// factor of the girder concrete, and the diaphragm labels.
#include <algorithm>
#include <array>
#include <tuple>
#include <utility>

#include "app/input_commands.h"
#include "app/main_frame.h"
#include "dialogs/input/loads_dlg.h"
#include "dialogs/input/materials_dlg.h"
#include "document/kordel_doc.h"
#include "document/unit_conversions.h"
#include "resources/resource_ids.h"

namespace kordel {

namespace {

/// A coefficient per foot as one per metre (divided by 0.3048), or back.
double ConvertPerFootPerMetre(int toMetric, double value) {
    return toMetric ? value / kMetresPerFoot : value * kMetresPerFoot;
}

/// Highest bar yield strength the Standard Specifications let a design use, ksi.
// AASHTO Standard Specifications 17th ed. Art. 8.3.2 (fy not to exceed 60,000 psi)
constexpr double kStandardSpecsMaxFy = 60.0;

/// Resistance factors for shear by the girder's concrete.
// AASHTO LRFD 6th ed. Art. 5.5.4.2.1 (shear: 0.90 normal weight, 0.70 lightweight concrete);
// AASHTO LRFD 7th ed. Art. 5.5.4.2 (0.90 with the density factor lambda)
constexpr double kPhiShearNormalWeight = 0.9;
constexpr double kPhiShearLightweight = 0.7;

void ApplyStrand(CKordelDoc& doc, bool postTensioning) {
    const StrandTableRow s =
        StrandOfType(postTensioning ? doc.m_nPTStrandType : doc.m_nStrandType, postTensioning);
    if (postTensioning) {
        doc.m_strPTStrandName = s.name;
        doc.m_strPTStrandKind = s.kindText;
        doc.m_dPTStrandUnitArea = s.area;
        doc.m_dPTStrandDiameter = s.diameter;
        doc.m_dPTStrandFpu = s.fpu;
        doc.m_nPTStrandKind = s.kind;
        doc.m_dPTStrandFpy = StrandFpy(s.kind, s.fpu);
    } else {
        doc.m_strStrandName = s.name;
        doc.m_strStrandKind = s.kindText;
        doc.m_dStrandUnitArea = s.area;
        doc.m_dStrandDiameter = s.diameter;
        doc.m_dStrandFpu = s.fpu;
        doc.m_nStrandKind = s.kind;
        doc.m_dStrandFpy = StrandFpy(s.kind, s.fpu);
    }
}

}  // namespace

void CMainFrame::RegisterMaterialsCommands() {
    m_commands.On(ID_INPUT_MATERIALS, [this] { OnInputMaterials(); });
    m_commands.On(ID_INPUT_LOADS, [this] { OnInputLoads(); });
}

void CMainFrame::OnInputMaterials() {
    CKordelDoc* design = ActiveDesign();
    if (!design) return;
    const UnitExchange units(design->m_nUnits);
    CMaterialsDlg dlg;
    // The values the dialog shows in the design's units, with the conversion of each.
    const auto converted = [](auto& d, auto& doc) {
        return std::array{
            std::tuple{&d.m_dBeamFc, &doc.m_dBeamFc, &ConvertKsiMpa},
            std::tuple{&d.m_dBeamFci, &doc.m_dBeamFci, &ConvertKsiMpa},
            std::tuple{&d.m_dDeckFc, &doc.m_dDeckFc, &ConvertKsiMpa},
            std::tuple{&d.m_dStirrupFy, &doc.m_dStirrupFy, &ConvertKsiMpa},
            std::tuple{&d.m_dLongitudinalFy, &doc.m_dLongitudinalFy, &ConvertKsiMpa},
            std::tuple{&d.m_dBeamEc, &doc.m_dBeamEc, &ConvertKsiMpa},
            std::tuple{&d.m_dBeamEci, &doc.m_dBeamEci, &ConvertKsiMpa},
            std::tuple{&d.m_dDeckEc, &doc.m_dDeckEc, &ConvertKsiMpa},
            std::tuple{&d.m_dBeamDensity, &doc.m_dBeamDensity, &ConvertKcfKgPerM3},
            std::tuple{&d.m_dDeckDensity, &doc.m_dDeckDensity, &ConvertKcfKgPerM3},
            std::tuple{&d.m_dEcUnitWeight, &doc.m_dEcUnitWeight, &ConvertKcfKgPerM3},
            std::tuple{&d.m_dWct, &doc.m_dWct, &ConvertKcfKgPerM3},
            std::tuple{&d.m_dVolumeToSurface, &doc.m_dVolumeToSurface, &ConvertInchesMillimeters},
            std::tuple{&d.m_dDeckVolumeToSurface, &doc.m_dDeckVolumeToSurface,
                       &ConvertInchesMillimeters},
            std::tuple{&d.m_dPtAnchorSet, &doc.m_dPtAnchorSet, &ConvertInchesMillimeters},
            std::tuple{&d.m_dPtWobbleK, &doc.m_dPtWobbleK, &ConvertPerFootPerMetre},
        };
    };
    // The values shown as the design keeps them.
    const auto plain = [](auto& d, auto& doc) {
        return std::array{
            std::pair{&d.m_dEcFactor, &doc.m_dEcFactor},
            std::pair{&d.m_dEctFactor, &doc.m_dEctFactor},
            std::pair{&d.m_dAgeAtContinuity, &doc.m_dAgeAtContinuity},
            std::pair{&d.m_dAgeAtDeckCasting, &doc.m_dAgeAtDeckCasting},
            std::pair{&d.m_dBeamUltimateShrinkage, &doc.m_dBeamUltimateShrinkage},
            std::pair{&d.m_dUltimateCreep, &doc.m_dUltimateCreep},
            std::pair{&d.m_dDeckUltimateShrinkage, &doc.m_dDeckUltimateShrinkage},
            std::pair{&d.m_dSpecifiedReleaseLoss, &doc.m_dSpecifiedReleaseLoss},
            std::pair{&d.m_dSpecifiedFinalLoss, &doc.m_dSpecifiedFinalLoss},
            std::pair{&d.m_dDevLengthFactor, &doc.m_dDevLengthFactor},
            std::pair{&d.m_dTransferLengthFactor, &doc.m_dTransferLengthFactor},
            std::pair{&d.m_dPTSpecifiedReleaseLoss, &doc.m_dPTSpecifiedReleaseLoss},
            std::pair{&d.m_dPTSpecifiedFinalLoss, &doc.m_dPTSpecifiedFinalLoss},
            std::pair{&d.m_dRelativeHumidity, &doc.m_dRelativeHumidity},
            std::pair{&d.m_dTransferAge, &doc.m_dTransferAge},
            std::pair{&d.m_dFinalAge, &doc.m_dFinalAge},
            std::pair{&d.m_dPtFrictionMu, &doc.m_dPtFrictionMu},
        };
    };
    const auto codes = [](auto& d, auto& doc) {
        return std::array{
            std::pair{&d.m_nBeamConcreteType, &doc.m_nBeamConcreteType},
            std::pair{&d.m_nDeckConcreteType, &doc.m_nDeckConcreteType},
            std::pair{&d.m_nEcMethod, &doc.m_nEcMethod},
            std::pair{&d.m_nStirrupGrade, &doc.m_nStirrupGrade},
            std::pair{&d.m_nLongitudinalGrade, &doc.m_nLongitudinalGrade},
            std::pair{&d.m_nStrandType, &doc.m_nStrandType},
            std::pair{&d.m_nPTStrandType, &doc.m_nPTStrandType},
            std::pair{&d.m_nLossMode, &doc.m_nLossMode},
            std::pair{&d.m_nPostTensionLossMode, &doc.m_nTendonLossMode},
            std::pair{&d.m_nLossMethod, &doc.m_nLossMethod},
            std::pair{&d.m_bComputeDeckVolumeToSurface, &doc.m_nDeckVolumeToSurfaceMode},
            std::pair{&d.m_nDetailedLossBasis, &doc.m_nDetailedLossBasis},
        };
    };
    const auto factors = [](auto& d, auto& doc) {
        return std::array{
            std::pair{&d.m_fDeckForcePercent, &doc.m_fDeckForcePercent},
            std::pair{&d.m_fMcrGamma1, &doc.m_fMcrGamma1},
            std::pair{&d.m_fMcrGamma2, &doc.m_fMcrGamma2},
            std::pair{&d.m_fMcrGamma3, &doc.m_fMcrGamma3},
            std::pair{&d.m_fFrGeneric, &doc.m_fFrGeneric},
            std::pair{&d.m_fFrMinReinf, &doc.m_fFrMinReinf},
            std::pair{&d.m_fFrShear, &doc.m_fFrShear},
            std::pair{&d.m_fFrSandLightweight, &doc.m_fFrSandLightweight},
            std::pair{&d.m_fFrAllLightweight, &doc.m_fFrAllLightweight},
        };
    };
    RunInputDialog(
        dlg,
        [&](CKordelDoc& doc) {
            dlg.m_nUnits = doc.m_nUnits;
            dlg.m_nSpecEdition = doc.m_nSpecEdition;
            dlg.m_nPrestressType = doc.m_nPrestressType;
            dlg.m_bCompositeDeck = doc.m_bCompositeDeck;
            dlg.m_nSectionType = doc.m_nSectionType;
            dlg.m_bContinuous = doc.m_bContinuous;
            for (auto [shown, stored, convert] : converted(dlg, doc))
                *shown = units.In(*stored, convert);
            for (auto [shown, stored] : plain(dlg, doc)) *shown = *stored;
            for (auto [shown, stored] : codes(dlg, doc)) *shown = *stored;
            for (auto [shown, stored] : factors(dlg, doc)) *shown = *stored;
        },
        [&](CKordelDoc& doc) {
            for (auto [shown, stored, convert] : converted(dlg, doc))
                units.Back(*stored, *shown, convert);
            for (auto [shown, stored] : plain(dlg, doc)) *stored = *shown;
            for (auto [shown, stored] : codes(dlg, doc)) *stored = *shown;
            for (auto [shown, stored] : factors(dlg, doc)) *stored = *shown;

            if (!IsLrfd(doc.m_nSpecification)) {
                doc.m_dStirrupFy = std::min(doc.m_dStirrupFy, kStandardSpecsMaxFy);
                doc.m_dLongitudinalFy = std::min(doc.m_dLongitudinalFy, kStandardSpecsMaxFy);
            }
            ApplyStrand(doc, false);
            ApplyStrand(doc, true);
            if (IsLrfd(doc.m_nSpecification)) {
                switch (doc.m_nBeamConcreteType) {
                    case kConcreteSandLightweight:
                    case kConcreteAllLightweight:
                        doc.m_dPhiShear = kPhiShearLightweight;
                        break;
                    case kConcreteNormalWeight:
                    case kConcreteLightweight:
                        doc.m_dPhiShear = kPhiShearNormalWeight;
                        break;
                    default:
                        break;
                }
            }
        });
}

void CMainFrame::OnInputLoads() {
    CKordelDoc* design = ActiveDesign();
    if (!design) return;
    const UnitExchange units(design->m_nUnits);
    CLoadsDlg dlg;
    const auto converted = [](auto& d, auto& doc) {
        return std::array{
            std::tuple{&d.m_dDiaphragmWeight, &doc.m_dDiaphragmWeight, &ConvertKipsKilonewtons},
            std::tuple{&d.m_dDiaphragmUserLocation, &doc.m_dDiaphragmUserLocation,
                       &ConvertFeetMeters},
            std::tuple{&d.m_dOtherNonCompositeLoad, &doc.m_dOtherNonCompositeLoad,
                       &ConvertKlfKnPerM},
            std::tuple{&d.m_dBarrierLoad, &doc.m_dBarrierLoad, &ConvertKlfKnPerM},
            std::tuple{&d.m_dBarrierWeight, &doc.m_dBarrierWeight, &ConvertKlfKnPerM},
            std::tuple{&d.m_dWearingSurfaceLoad, &doc.m_dWearingSurfaceLoad, &ConvertKlfKnPerM},
            std::tuple{&d.m_dOtherCompositeLoad, &doc.m_dOtherCompositeLoad, &ConvertKlfKnPerM},
            std::tuple{&d.m_dPedestrianLoad, &doc.m_dPedestrianLoad, &ConvertKlfKnPerM},
            std::tuple{&d.m_dFwsPressure, &doc.m_dFwsPressure, &ConvertKsfKpa},
        };
    };
    const auto plain = [](auto& d, auto& doc) {
        return std::array{
            std::pair{&d.m_dSelfWeightMultiplier, &doc.m_dSelfWeightMultiplier},
            std::pair{&d.m_dVehicle1ImpactSpecified, &doc.m_dVehicle1ImpactSpecified},
            std::pair{&d.m_dVehicle2ImpactSpecified, &doc.m_dVehicle2ImpactSpecified},
            std::pair{&d.m_dDeflLimitRatio, &doc.m_dDeflLimitRatio},
            std::pair{&d.m_dUserDfMoment, &doc.m_dUserDfMoment},
            std::pair{&d.m_dUserDfShear, &doc.m_dUserDfShear},
            std::pair{&d.m_dUserDfFatigue, &doc.m_dUserDfFatigue},
        };
    };
    const auto codes = [](auto& d, auto& doc) {
        return std::array{
            std::pair{&d.m_bDiaphragmAtQuarter, &doc.m_bDiaphragmAtQuarter},
            std::pair{&d.m_bDiaphragmAtThird, &doc.m_bDiaphragmAtThird},
            std::pair{&d.m_bDiaphragmAtHalf, &doc.m_bDiaphragmAtHalf},
            std::pair{&d.m_bDiaphragmAtUserLocation, &doc.m_bDiaphragmAtUserLocation},
            std::pair{&d.m_bComputeRestraintMoments, &doc.m_bComputeRestraintMoments},
            std::pair{&d.m_nBarrierLoadMode, &doc.m_nBarrierLoadMode},
            std::pair{&d.m_nBarrierDistribution, &doc.m_nBarrierDistribution},
            std::pair{&d.m_nBarrierCount, &doc.m_nBarrierCount},
            std::pair{&d.m_nFwsLoadMode, &doc.m_nFwsLoadMode},
            std::pair{&d.m_nFwsWidthBasis, &doc.m_nFwsWidthBasis},
            std::pair{&d.m_nVehicle1ImpactMode, &doc.m_nVehicle1ImpactMode},
            std::pair{&d.m_nVehicle2ImpactMode, &doc.m_nVehicle2ImpactMode},
            std::pair{&d.m_nVehicleCombineMode, &doc.m_nVehicleCombineMode},
            std::pair{&d.m_nDistFactorMode, &doc.m_nDistFactorMode},
            std::pair{&d.m_bLoadEffectsDirty, &doc.m_bLoadEffectsDirty},
        };
    };
    RunInputDialog(
        dlg,
        [&](CKordelDoc& doc) {
            dlg.m_nUnits = doc.m_nUnits;
            dlg.m_nSpecification = doc.m_nSpecification;
            dlg.m_nAgency = doc.m_nAgency;
            dlg.m_bCompositeDeck = doc.m_bCompositeDeck;
            dlg.m_bContinuous = doc.m_bContinuous;
            dlg.m_nBeams = doc.m_nBeams;
            dlg.m_strProgramFolder = doc.m_strProgramFolder;
            dlg.m_strVehicleLibraryFile = doc.m_strVehicleLibraryFile;
            for (auto [shown, stored, convert] : converted(dlg, doc))
                *shown = units.In(*stored, convert);
            for (auto [shown, stored] : plain(dlg, doc)) *shown = *stored;
            for (auto [shown, stored] : codes(dlg, doc)) *shown = *stored;
            dlg.m_recVehicle1 = doc.m_recVehicle1;
            dlg.m_recVehicle2 = doc.m_recVehicle2;
        },
        [&](CKordelDoc& doc) {
            for (auto [shown, stored, convert] : converted(dlg, doc))
                units.Back(*stored, *shown, convert);
            for (auto [shown, stored] : plain(dlg, doc)) *stored = *shown;
            for (auto [shown, stored] : codes(dlg, doc)) *stored = *shown;
            doc.m_recVehicle1 = dlg.m_recVehicle1;
            doc.m_recVehicle2 = dlg.m_recVehicle2;
            // The labels the sheet and the report print for the diaphragms.
            doc.m_strDiaphragmAtQuarter = doc.m_bDiaphragmAtQuarter ? "L/4 " : "";
            doc.m_strDiaphragmAtThird = doc.m_bDiaphragmAtThird ? "L/3 " : "";
            doc.m_strDiaphragmAtHalf = doc.m_bDiaphragmAtHalf ? "L/2 " : "";
            if (doc.m_bDiaphragmAtQuarter != 1 && doc.m_bDiaphragmAtThird != 1 &&
                doc.m_bDiaphragmAtHalf != 1)
                doc.m_strDiaphragmAtQuarter = "NONE";
        });
}

}  // namespace kordel
