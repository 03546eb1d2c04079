// The analysis driver: every stage in one fixed order after each change of the design. A stage
// reads the model and the results of the stages before it and writes its own results; the
// options decide which stages run (some test for 1, others for nonzero).
#include <iterator>

#include "document/kordel_doc.h"
#include "engine/checks/strain_compatibility.h"

namespace kordel {

void CKordelDoc::RunStage(AnalysisStage stage, void (CKordelDoc::*compute)()) {
    Notify(stage);
    (this->*compute)();
}

void CKordelDoc::RunAnalysis() {
    m_bAnalyzing = 1;
    ShowProgress();

    // The drawing height starts from the full girder on every run, whatever the last run left.
    m_dDrawingSectionHeight = m_dSectionHeight;

    const bool deckedBulbTee = m_nSectionType == kSectionDeckedBulbTee;
    if (deckedBulbTee) {
        Notify(AnalysisStage::AdjustDeckedBulbTee);
        AdjustDeckedBulbTee(1);
    }

    RunStage(AnalysisStage::ComputeStations, &CKordelDoc::ComputeStations);
    RunStage(AnalysisStage::ComputeTendonGeometry, &CKordelDoc::ComputeTendonGeometry);
    RunStage(AnalysisStage::ComputeCreepShrinkage, &CKordelDoc::ComputeCreepShrinkage);
    RunStage(AnalysisStage::ComputeSectionProperties, &CKordelDoc::ComputeSectionProperties);
    RunStage(AnalysisStage::ComputeDistributionFactors, &CKordelDoc::ComputeDistributionFactors);
    RunStage(AnalysisStage::ComputeLoadEffects, &CKordelDoc::ComputeLoadEffects);
    if (m_bContinuous == 0) {
        RunStage(AnalysisStage::ComputeSimpleSpanLoadEffects, &CKordelDoc::ComputeSimpleSpanLoadEffects);
    }
    RunStage(AnalysisStage::ComputeSpanEndValues, &CKordelDoc::ComputeSpanEndValues);
    if (m_bContinuous != 0 && m_bComputeRestraintMoments != 0) {
        RunStage(AnalysisStage::ComputeContinuityRestraint, &CKordelDoc::ComputeContinuityRestraint);
    }

    RunStage(AnalysisStage::ComputeLoadCaseStresses, &CKordelDoc::ComputeLoadCaseStresses);
    RunStage(AnalysisStage::ComputeStrandForceReduction, &CKordelDoc::ComputeStrandForceReduction);
    RunStage(AnalysisStage::ComputeTendonEccentricity, &CKordelDoc::ComputeTendonEccentricity);
    RunStage(AnalysisStage::ComputeLosses, &CKordelDoc::ComputeLosses);
    RunStage(AnalysisStage::ComputeEffectivePrestress, &CKordelDoc::ComputeEffectivePrestress);
    RunStage(AnalysisStage::ComputeTendonForces, &CKordelDoc::ComputeTendonForces);
    RunStage(AnalysisStage::ComputePrestressStresses, &CKordelDoc::ComputePrestressStresses);
    RunStage(AnalysisStage::ComputeTendonStresses, &CKordelDoc::ComputeTendonStresses);
    RunStage(AnalysisStage::CombineServiceStresses, &CKordelDoc::CombineServiceStresses);
    RunStage(AnalysisStage::ComputeAllowableStresses, &CKordelDoc::ComputeAllowableStresses);
    RunStage(AnalysisStage::ComputeReleaseTensionSteel, &CKordelDoc::ComputeReleaseTensionSteel);
    RunStage(AnalysisStage::ComputeFactoredEffects, &CKordelDoc::ComputeFactoredEffects);

    RunStage(AnalysisStage::ComputeFlexuralStrength, &CKordelDoc::ComputeFlexuralStrength);
    if (m_bStrainCompatibility == 1) {
        RunStage(AnalysisStage::BuildSteelLayers, &CKordelDoc::BuildSteelLayers);
        Notify(AnalysisStage::StrainCompatibility);
        TheStrainCompatibility().ComputeFlexuralStrength(this);
    }
    RunStage(AnalysisStage::ComputeSplittingSteel, &CKordelDoc::ComputeSplittingSteel);
    RunStage(AnalysisStage::ComputeVerticalShear, &CKordelDoc::ComputeVerticalShear);
    if (m_bCompositeDeck != 0) {
        RunStage(AnalysisStage::ComputeInterfaceShear, &CKordelDoc::ComputeInterfaceShear);
    }
    RunStage(AnalysisStage::ComputeCamber, &CKordelDoc::ComputeCamber);
    RunStage(AnalysisStage::SummarizeStrandPattern, &CKordelDoc::SummarizeStrandPattern);
    if (m_bIncludeLoadRating != 0) {
        RunStage(AnalysisStage::ComputeLoadRating, &CKordelDoc::ComputeLoadRating);
    }
    RunStage(AnalysisStage::ShowDesignStatus, &CKordelDoc::ShowDesignStatus);
    if (m_bCheckStripping == 1 || m_bCheckHandling == 1) {
        RunStage(AnalysisStage::CheckStripping, &CKordelDoc::CheckStripping);
        RunStage(AnalysisStage::CheckLifting, &CKordelDoc::CheckLifting);
        RunStage(AnalysisStage::CheckShipping, &CKordelDoc::CheckShipping);
    }
    if (m_bDetensioningAnalysis == 1) {
        RunStage(AnalysisStage::CheckDetensioning, &CKordelDoc::CheckDetensioning);
    }

    // The page header carries the time of this analysis. The text report and the girder summary
    // are built when first read (BuildDueReports), with the deck and section values this analysis
    // used: a decked bulb-tee's adjusted values are kept for them before the user's come back.
    RunStage(AnalysisStage::BuildPageHeader, &CKordelDoc::BuildPageHeader);
    m_bGirderSummaryDue = 1;
    TextReportDue();
    m_bReportSectionAdjusted = deckedBulbTee ? 1 : 0;
    if (deckedBulbTee) {
        KeepAdjustedSection();
        Notify(AnalysisStage::RestoreDeckedBulbTee);
        AdjustDeckedBulbTee(0);
    }

    m_bAnalyzing = 0;
    ShowProgress();
}

const char* AnalysisStageName(AnalysisStage stage) {
    static constexpr const char* kNames[] = {
        "AdjustDeckedBulbTee",
        "ComputeStations",
        "ComputeTendonGeometry",
        "ComputeCreepShrinkage",
        "ComputeSectionProperties",
        "ComputeDistributionFactors",
        "ComputeLoadEffects",
        "ComputeSimpleSpanLoadEffects",
        "ComputeSpanEndValues",
        "ComputeContinuityRestraint",
        "ComputeLoadCaseStresses",
        "ComputeStrandForceReduction",
        "ComputeTendonEccentricity",
        "ComputeLosses",
        "ComputeEffectivePrestress",
        "ComputeTendonForces",
        "ComputePrestressStresses",
        "ComputeTendonStresses",
        "CombineServiceStresses",
        "ComputeAllowableStresses",
        "ComputeReleaseTensionSteel",
        "ComputeFactoredEffects",
        "ComputeFlexuralStrength",
        "BuildSteelLayers",
        "StrainCompatibility",
        "ComputeSplittingSteel",
        "ComputeVerticalShear",
        "ComputeInterfaceShear",
        "ComputeCamber",
        "SummarizeStrandPattern",
        "ComputeLoadRating",
        "ShowDesignStatus",
        "CheckStripping",
        "CheckLifting",
        "CheckShipping",
        "CheckDetensioning",
        "BuildPageHeader",
        "BuildTextReport",
        "BuildGirderSummary",
        "RestoreDeckedBulbTee",
    };
    const auto i = static_cast<size_t>(stage);
    return i < std::size(kNames) ? kNames[i] : "?";
}

}  // namespace kordel
