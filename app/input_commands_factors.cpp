// The input commands of the factors, limits, options and handling: Load & Resistance Factors,
// Stress Limits, Camber Multipliers, Analysis Options and Stripping and Handling. Each fills its
// dialog from the active design, and only on OK writes the values back with its follow-up
// before what every input command does (RunInputDialog).
#include <algorithm>
#include <array>

#include "app/input_commands.h"
#include "app/main_frame.h"
#include "dialogs/input/analysis_options_dlg.h"
#include "dialogs/input/camber_mult_dlg.h"
#include "dialogs/input/load_resist_factors_dlg.h"
#include "dialogs/input/shipping_handling_dlg.h"
#include "dialogs/input/stress_lim_dlg.h"
#include "document/kordel_doc.h"
#include "document/unit_conversions.h"
#include "resources/resource_ids.h"

namespace kordel {

namespace {

/// The load and resistance factors that the dialog and the design share, side by side.
template <class Dlg, class Doc>
auto FactorMembers(Dlg& dlg, Doc& doc) {
    return std::array{
        std::pair{&dlg.m_dServiceILiveLoadFactor, &doc.m_dServiceILiveLoadFactor},
        std::pair{&dlg.m_dServiceIIILiveLoadFactor, &doc.m_dServiceIIILiveLoadFactor},
        std::pair{&dlg.m_dStrengthIDeadLoadFactor, &doc.m_dStrengthIDeadLoadFactor},
        std::pair{&dlg.m_dStrengthIWearingSurfaceFactor, &doc.m_dStrengthIWearingSurfaceFactor},
        std::pair{&dlg.m_dStrengthILiveLoadFactor, &doc.m_dStrengthILiveLoadFactor},
        std::pair{&dlg.m_dStrengthIIDeadLoadFactor, &doc.m_dStrengthIIDeadLoadFactor},
        std::pair{&dlg.m_dStrengthIIWearingSurfaceFactor, &doc.m_dStrengthIIWearingSurfaceFactor},
        std::pair{&dlg.m_dStrengthIILiveLoadFactor, &doc.m_dStrengthIILiveLoadFactor},
        std::pair{&dlg.m_dPhiShear, &doc.m_dPhiShear},
        std::pair{&dlg.m_dPhiFlexure, &doc.m_dPhiFlexure},
        std::pair{&dlg.m_dLoadModDuctility, &doc.m_dLoadModDuctility},
        std::pair{&dlg.m_dLoadModRedundancy, &doc.m_dLoadModRedundancy},
        std::pair{&dlg.m_dLoadModImportance, &doc.m_dLoadModImportance},
    };
}

/// The stress-limit codes and coefficients of the design [StressLimit].
int& LimitCode(CKordelDoc& doc, int limit) {
    int* codes[kStressLimitCount] = {&doc.m_nReleaseTensionLimit,
                                     &doc.m_nReleaseCompressionLimit,
                                     &doc.m_nFinalTensionLimitPermanent,
                                     &doc.m_nFinalTensionLimitAllLoads,
                                     &doc.m_nFinalCompressionLimitPermanent,
                                     &doc.m_nFinalCompressionLimitAllLoads,
                                     &doc.m_nFinalCompressionLimitHalfPermanentLL};
    return *codes[limit];
}

double& LimitCoefficient(CKordelDoc& doc, int limit) {
    double* coefficients[kStressLimitCount] = {&doc.m_dReleaseTensionCoef,
                                               &doc.m_dReleaseCompressionCoef,
                                               &doc.m_dFinalTensionCoefPermanent,
                                               &doc.m_dFinalTensionCoefAllLoads,
                                               &doc.m_dFinalCompressionCoefPermanent,
                                               &doc.m_dFinalCompressionCoefAllLoads,
                                               &doc.m_dFinalCompressionCoefHalfPermanentLL};
    return *coefficients[limit];
}

/// The handling members that the dialog and the design share.
template <class Dlg, class Doc>
auto HandlingMembers(Dlg& dlg, Doc& doc) {
    return std::array{
        std::pair{&dlg.m_dLiftSupportLeft, &doc.m_dLiftSupportLeft},
        std::pair{&dlg.m_dLiftSupportRight, &doc.m_dLiftSupportRight},
        std::pair{&dlg.m_dShipSupportLeft, &doc.m_dShipSupportLeft},
        std::pair{&dlg.m_dShipSupportRight, &doc.m_dShipSupportRight},
        std::pair{&dlg.m_dImpactFormSuction, &doc.m_dImpactFormSuction},
        std::pair{&dlg.m_dImpactHandling, &doc.m_dImpactHandling},
        std::pair{&dlg.m_dImpactShipping, &doc.m_dImpactShipping},
        std::pair{&dlg.m_dTransportStiffness, &doc.m_dTransportStiffness},
        std::pair{&dlg.m_dSuperElevation, &doc.m_dSuperElevation},
        std::pair{&dlg.m_dBeamCgAboveRoad, &doc.m_dBeamCgAboveRoad},
        std::pair{&dlg.m_dRollCenterAboveRoad, &doc.m_dRollCenterAboveRoad},
        std::pair{&dlg.m_dDualTireDistance, &doc.m_dDualTireDistance},
    };
}

/// The analysis-option switches that the dialog and the design share.
template <class Dlg, class Doc>
auto OptionSwitches(Dlg& dlg, Doc& doc) {
    return std::array{
        std::pair{&dlg.m_bVcQuarterPtsReinforced, &doc.m_bVcQuarterPtsReinforced},
        std::pair{&dlg.m_bTransformPsStrand, &doc.m_bTransformPsStrand},
        std::pair{&dlg.m_nTransformStrandsMode, &doc.m_nTransformStrandsMode},
        std::pair{&dlg.m_bCheckSingleLane, &doc.m_bCheckSingleLane},
        std::pair{&dlg.m_nEffWidthMethod, &doc.m_nEffWidthMethod},
        std::pair{&dlg.m_bIncludeStrengthII, &doc.m_bIncludeStrengthII},
        std::pair{&dlg.m_bCheckLowboy, &doc.m_bCheckLowboy},
        std::pair{&dlg.m_nShearMethod, &doc.m_nShearMethod},
        std::pair{&dlg.m_bShearAppendixB5, &doc.m_bShearAppendixB5},
        std::pair{&dlg.m_bDvAllSteel, &doc.m_bDvAllSteel},
        std::pair{&dlg.m_bInteriorPiersReinforced, &doc.m_bInteriorPiersReinforced},
        std::pair{&dlg.m_bStrainCompatibility, &doc.m_bStrainCompatibility},
        std::pair{&dlg.m_bServiceComboI, &doc.m_bServiceComboI},
        std::pair{&dlg.m_bSkewAdjustMomentDf, &doc.m_bSkewAdjustMomentDf},
        std::pair{&dlg.m_bIncreasedDoubleTruck, &doc.m_bIncreasedDoubleTruck},
        std::pair{&dlg.m_bFatigueOneTruck, &doc.m_bFatigueOneTruck},
        std::pair{&dlg.m_bIncludeLoadRating, &doc.m_bIncludeLoadRating},
        std::pair{&dlg.m_bRatingInventory, &doc.m_bRatingInventory},
        std::pair{&dlg.m_bRatingOperating, &doc.m_bRatingOperating},
        std::pair{&dlg.m_bRatingIgnoreFws, &doc.m_bRatingIgnoreFws},
    };
}

}  // namespace

void CMainFrame::RegisterFactorCommands() {
    m_commands.On(ID_INPUT_LOAD_RESIST_FACTORS, [this] { OnInputLoadResistFactors(); });
    m_commands.On(ID_INPUT_STRESS_LIMITS, [this] { OnInputStressLimits(); });
    m_commands.On(ID_INPUT_CAMBER_MULTIPLIERS, [this] { OnInputCamberMultipliers(); });
    m_commands.On(ID_INPUT_ANALYSIS_OPTIONS, [this] { OnInputAnalysisOptions(); });
    m_commands.On(ID_INPUT_STRIPPING_HANDLING, [this] { OnInputStrippingHandling(); });
}

void CMainFrame::OnInputLoadResistFactors() {
    CLoadResistFactorsDlg dlg;
    RunInputDialog(
        dlg,
        [&dlg](CKordelDoc& doc) {
            dlg.m_bAutoFactors = doc.m_bAutoFactors;
            for (auto [shown, stored] : FactorMembers(dlg, doc)) *shown = *stored;
        },
        [&dlg](CKordelDoc& doc) {
            doc.m_bAutoFactors = dlg.m_bAutoFactors;
            for (auto [shown, stored] : FactorMembers(dlg, doc)) *stored = *shown;
            // Automatic factors are the design code's, whatever the hidden fields held.
            if (doc.m_bAutoFactors) doc.SetDefaultFactors();
        });
}

void CMainFrame::OnInputStressLimits() {
    CStressLimDlg dlg;
    RunInputDialog(
        dlg,
        [&dlg](CKordelDoc& doc) {
            dlg.m_nUnits = doc.m_nUnits;
            dlg.m_nSpecification = doc.m_nSpecification;
            dlg.m_nSpecEdition = doc.m_nSpecEdition;
            const bool metric = doc.m_nUnits == kUnitsMetric;
            for (int limit = 0; limit < kStressLimitCount; ++limit) {
                dlg.Code(limit) = LimitCode(doc, limit);
                const double stored = LimitCoefficient(doc, limit);
                dlg.Coefficient(limit) =
                    metric ? stored * StressLimitTensionFactor(limit) : stored;
            }
        },
        [&dlg](CKordelDoc& doc) {
            const bool metric = doc.m_nUnits == kUnitsMetric;
            for (int limit = 0; limit < kStressLimitCount; ++limit) {
                const int code = dlg.Code(limit);
                const double shown = dlg.Coefficient(limit);
                double& stored = LimitCoefficient(doc, limit);
                LimitCode(doc, limit) = code;
                const double factor = metric ? StressLimitTensionFactor(limit) : 1.0;
                // A value shown as it came keeps its bits; a fixed rule stores its own US
                // coefficient, whatever the units it was chosen in.
                if (shown == stored * factor) continue;
                const auto fixed = [&](bool inMetric) {
                    return StressLimitRuleCoefficient(limit, code, inMetric, doc.m_nSpecification,
                                                      doc.m_nSpecEdition);
                };
                if (fixed(metric) && *fixed(metric) == shown) {
                    stored = *fixed(false);
                } else {
                    stored = shown / factor;
                }
            }
        });
}

void CMainFrame::OnInputCamberMultipliers() {
    CCamberMultDlg dlg;
    RunInputDialog(
        dlg,
        [&dlg](CKordelDoc& doc) {
            std::copy_n(doc.m_adCamberMultiplierInput, kCamberMultiplierCount,
                        dlg.m_adCamberMultiplierInput);
        },
        [&dlg](CKordelDoc& doc) {
            std::copy_n(dlg.m_adCamberMultiplierInput, kCamberMultiplierCount,
                        doc.m_adCamberMultiplierInput);
            doc.ApplyCamberMultiplierSet();
        });
}

void CMainFrame::OnInputAnalysisOptions() {
    CAnalysisOptionsDlg dlg;
    CKordelDoc* design = ActiveDesign();
    if (!design) return;
    const UnitExchange units(design->m_nUnits);
    RunInputDialog(
        dlg,
        [&](CKordelDoc& doc) {
            for (auto [shown, stored] : OptionSwitches(dlg, doc)) *shown = *stored;
            dlg.m_dUserEffWidth = units.In(doc.m_dUserEffWidth, ConvertInchesMeters);
            dlg.m_dRestrainingMomentFactor = doc.m_dRestrainingMomentFactor;
            dlg.m_nRatingVehicleCount =
                std::clamp(doc.m_nRatingVehicleCount, 0, kMaxAdditionalVehicles);
            std::copy_n(doc.m_aRatingVehicles, dlg.m_nRatingVehicleCount, dlg.m_aRatingVehicles);
            dlg.m_nLossMethod = doc.m_nLossMethod;
            dlg.m_nUnits = doc.m_nUnits;
            dlg.m_pDoc = &doc;
        },
        [&](CKordelDoc& doc) {
            for (auto [shown, stored] : OptionSwitches(dlg, doc)) *stored = *shown;
            units.Back(doc.m_dUserEffWidth, dlg.m_dUserEffWidth, ConvertInchesMeters);
            doc.m_dRestrainingMomentFactor = dlg.m_dRestrainingMomentFactor;
            doc.m_nRatingVehicleCount = dlg.m_nRatingVehicleCount;
            std::copy_n(dlg.m_aRatingVehicles, dlg.m_nRatingVehicleCount, doc.m_aRatingVehicles);
        });
}

void CMainFrame::OnInputStrippingHandling() {
    CShippingAndHandlingDlg dlg;
    RunInputDialog(
        dlg,
        [&dlg](CKordelDoc& doc) {
            dlg.m_bCheckStripping = doc.m_bCheckStripping;
            dlg.m_bCheckHandling = doc.m_bCheckHandling;
            dlg.m_bCheckProduction = doc.m_bCheckProduction;
            dlg.m_bShipUseFc = doc.m_bShipUseFc;
            for (auto [shown, stored] : HandlingMembers(dlg, doc)) *shown = *stored;
            dlg.m_nUnits = doc.m_nUnits;
            dlg.m_dGirderLength = doc.m_dGirderLength;
        },
        [&dlg](CKordelDoc& doc) {
            doc.m_bCheckStripping = dlg.m_bCheckStripping;
            doc.m_bCheckHandling = dlg.m_bCheckHandling;
            doc.m_bCheckProduction = dlg.m_bCheckProduction;
            doc.m_bShipUseFc = dlg.m_bShipUseFc;
            for (auto [shown, stored] : HandlingMembers(dlg, doc)) *stored = *shown;
        });
}

}  // namespace kordel
