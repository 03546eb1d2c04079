// The steps of the analysis, in the order the driver runs them. An observer can follow which
// ran; the engine itself never looks at these values.
#pragma once

namespace kordel {

enum class AnalysisStage : int {
    AdjustDeckedBulbTee,
    ComputeStations,
    ComputeTendonGeometry,
    ComputeCreepShrinkage,
    ComputeSectionProperties,
    ComputeDistributionFactors,
    ComputeLoadEffects,
    ComputeSimpleSpanLoadEffects,
    ComputeSpanEndValues,
    ComputeContinuityRestraint,
    ComputeLoadCaseStresses,
    ComputeStrandForceReduction,
    ComputeTendonEccentricity,
    ComputeLosses,
    ComputeEffectivePrestress,
    ComputeTendonForces,
    ComputePrestressStresses,
    ComputeTendonStresses,
    CombineServiceStresses,
    ComputeAllowableStresses,
    ComputeReleaseTensionSteel,
    ComputeFactoredEffects,
    ComputeFlexuralStrength,
    BuildSteelLayers,
    StrainCompatibility,
    ComputeSplittingSteel,
    ComputeVerticalShear,
    ComputeInterfaceShear,
    ComputeCamber,
    SummarizeStrandPattern,
    ComputeLoadRating,
    ShowDesignStatus,
    CheckStripping,
    CheckLifting,
    CheckShipping,
    CheckDetensioning,
    BuildPageHeader,
    BuildTextReport,
    BuildGirderSummary,
    RestoreDeckedBulbTee,
};

const char* AnalysisStageName(AnalysisStage stage);

/// Told of each stage as the driver starts it.
class AnalysisObserver {
public:
    virtual ~AnalysisObserver() = default;
    virtual void OnStage(AnalysisStage stage) = 0;
};

}  // namespace kordel
