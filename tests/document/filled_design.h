// A design with every member the design file carries set to a value of its own, and the
// comparison of those members group by group: the fixture of the design-file tests.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <string>

#include "document/kordel_doc.h"

namespace kordel::test {

// ---- A design with every stored member set ------------------------------------------------------

/// Distinct numbers for filling arrays; none is 0, 20 or 24, which a load would rewrite, and all
/// are exact in single precision.
class Distinct {
  public:
    double Next() { return m_next += 0.5; }
    float NextFloat() { return static_cast<float>(Next()); }
    template <std::size_t N>
    void Fill(double (&a)[N]) {
        for (double& v : a) v = Next();
    }
    template <std::size_t N, std::size_t M>
    void Fill(double (&a)[N][M]) {
        for (auto& row : a) Fill(row);
    }

  private:
    double m_next = 1.25;
};

/// Sets every member the file carries to a value of its own, different from the constructor's
/// where the member can hold one (flags flipped, counts within their arrays). The values are
/// what a 4.62 load gives back: Es is 29000, the debonding limits those of agency 1, and the
/// camber entries 3 to 5, which the file leaves out, stay 0.
inline void FillDesign(CKordelDoc& d) {
    Distinct n;
    // Group 1
    d.m_strDesigner = "JQE";
    d.m_strProject = std::string(300, 'P');  // a 3-byte length prefix
    d.m_strTask = "Girder design";
    d.m_strClient = "County DOT";
    d.m_strJobNumber = "J-2291";
    d.m_nSpecification = kSpecLrfd;
    d.m_strSpecCode = "LRFD";
    d.m_nUnits = kUnitsMetric;
    d.m_bTransformPsStrand = 1;
    d.m_bContinuous = 1;
    d.m_nSpans = 3;
    d.m_saSpanSectionNames = {"BT-72", "BT-72 end", "BT-63"};
    n.Fill(d.m_adSpanLength);
    n.Fill(d.m_adSpanGirderLength);
    n.Fill(d.m_adSpanSectionProps);
    n.Fill(d.m_adGirderOffsetLeft);
    n.Fill(d.m_adPadOffsetLeft);
    n.Fill(d.m_adPadOffsetRight);
    d.m_nCurrentSpan = 2;
    d.m_nCurrentGirder = 4;
    // Group 2
    d.m_nSectionAuxValue = 17;
    d.m_strSectionName = "PCI BT-72";
    d.m_dSectionArea = n.Next();
    d.m_dSectionYb = n.Next();
    d.m_dTopFlangeThickness = n.Next();
    d.m_dTopFlangeWidth = n.Next();
    d.m_dSectionHeight = n.Next();
    d.m_dSectionIxx = n.Next();
    d.m_dTorsionConstant = n.Next();
    d.m_dVolumeToSurface = n.Next();
    d.m_dBottomFlangeWidth = n.Next();
    d.m_dBottomFlangeThickness = n.Next();
    d.m_dBwo = n.Next();
    d.m_nWebCount = 2;
    d.m_dWebWidth = n.Next();
    d.m_nTemplateRowCount = 12;
    d.m_nTemplateLayout = 2;
    d.m_nTemplateColumnCount = 9;
    n.Fill(d.m_adStrandTemplate);
    d.m_adStrandTemplate[kMaxPatternRows - 1][kTemplateElevation] = 41.25;  // no force entry
    d.m_nSectionType = kSectionBoxBeam;
    d.m_dWebLocation = n.Next();
    d.m_nOutlinePointCount = 7;
    n.Fill(d.m_adOutline);
    d.m_nVoidPointCount = 5;
    n.Fill(d.m_adVoidOutline);
    d.m_nCircularVoidCount = 2;
    n.Fill(d.m_adCircularVoid);
    n.Fill(d.m_adGenWidth);
    n.Fill(d.m_adGenDepth);
    n.Fill(d.m_adGenExtra);
    d.m_nSuperstructureType = 7;
    d.m_strSuperstructureType = "LRFD (k) I-Beam composite";
    d.m_bSufficientlyConnected = 1;
    // Group 3
    d.m_dGirderLength = n.Next();
    d.m_dDesignSpan = n.Next();
    d.m_dReleaseSpan = n.Next();
    d.m_nSegments = 3;
    n.Fill(d.m_adSegments);
    d.m_dBearingPadLength = n.Next();
    d.m_nBeams = 6;
    d.m_nLanes = 3;
    d.m_dBeamSpacing = n.Next();
    d.m_dSkewAngle = n.Next();
    d.m_dDe = n.Next();
    d.m_dOverhang = n.Next();
    d.m_nGirderLocation = 2;
    d.m_strGirderLocation = "Ext";
    d.m_dBridgeWidth = n.Next();
    d.m_dCurbToCurb = n.Next();
    d.m_bCompositeDeck = 1;
    d.m_dDeckThickness = n.Next();
    d.m_dHaunchThickness = n.Next();
    d.m_dOverlayThickness = n.Next();
    d.m_dDeckWidth = n.Next();
    d.m_dHaunchWidth = n.Next();
    // Group 4
    d.m_dBeamFc = n.Next();
    d.m_dBeamFci = n.Next();
    d.m_dBeamDensity = n.Next();
    d.m_dSelfWeightMultiplier = n.Next();
    d.m_dDeckFc = n.Next();
    d.m_dDeckDensity = n.Next();
    d.m_dDeckAuxValue = n.Next();
    d.m_nBeamConcreteType = 2;
    d.m_nInterfaceSurface = 2;
    d.m_dEcFactor = n.Next();
    d.m_dBeamEc = n.Next();
    d.m_dBeamEci = n.Next();
    d.m_dDeckEc = n.Next();
    d.m_dRelativeHumidity = n.Next();
    d.m_dAgeAtContinuity = n.Next();
    d.m_dAgeAtDeckCasting = n.Next();
    d.m_dUltimateCreep = n.Next();
    d.m_dBeamUltimateShrinkage = n.Next();
    d.m_dDeckUltimateShrinkage = n.Next();
    d.m_bShrinkageAuxFlag = 1;
    d.m_nStrandType = 5;
    d.m_strStrandName = "0.6in 270 LR";
    d.m_dStrandUnitArea = n.Next();
    d.m_dStrandDiameter = n.Next();
    d.m_dStrandFpu = n.Next();
    d.m_nStrandKind = kStrandStressRelieved;
    d.m_strStrandKind = "Stress-Relieved";
    d.m_nLossMode = kLossesSpecified;
    d.m_dSpecifiedReleaseLoss = n.Next();
    d.m_dSpecifiedFinalLoss = n.Next();
    d.m_nLossMethod = kLossLrfd6thDetailed;
    d.m_nDeckVolumeToSurfaceMode = 0;
    d.m_dDeckVolumeToSurface = n.Next();
    d.m_dDevLengthFactor = n.Next();
    d.m_dTransferLengthFactor = n.Next();
    d.m_dStrandEp = n.Next();
    d.m_dTransferAge = n.Next();
    d.m_dStrandK = n.Next();
    d.m_dStrandFpy = n.Next();
    d.m_nStirrupGrade = kBarGradeSpecified;
    d.m_dStirrupFy = n.Next();
    d.m_dEcUnitWeight = 0.145;
    d.m_dRebarEs = 29000.0;
    d.m_nLongitudinalGrade = kBarGradeSpecified;
    d.m_dLongitudinalFy = n.Next();
    // Group 5
    d.m_dPointImpact = n.Next();
    d.m_dVehicle1Impact = n.Next();
    d.m_dVehicle2Impact = n.Next();
    d.m_dPhiFlexure = n.Next();
    d.m_dPhiShear = n.Next();
    d.m_dServiceIIILiveLoadFactor = n.Next();
    d.m_dStrengthIDeadLoadFactor = n.Next();
    d.m_dStrengthIWearingSurfaceFactor = n.Next();
    d.m_dStrengthILiveLoadFactor = n.Next();
    d.m_nReleaseTensionLimit = 3;
    d.m_dReleaseTensionCoef = n.Next();
    d.m_nReleaseCompressionLimit = 2;
    d.m_dReleaseCompressionCoef = n.Next();
    d.m_dAllowReleaseTension = n.Next();
    d.m_dAllowReleaseCompression = n.Next();
    d.m_nFinalTensionLimitAllLoads = 4;
    d.m_dFinalTensionCoefAllLoads = n.Next();
    d.m_nFinalCompressionLimitPermanent = 2;
    d.m_dFinalCompressionCoefPermanent = n.Next();
    d.m_nFinalCompressionLimitAllLoads = 2;
    d.m_dFinalCompressionCoefAllLoads = n.Next();
    d.m_nFinalCompressionLimitHalfPermanentLL = 2;
    d.m_dFinalCompressionCoefHalfPermanentLL = n.Next();
    d.m_dAllowFinalTensionAllLoads = n.Next();
    d.m_dAllowFinalCompressionPermanent = n.Next();
    d.m_dAllowFinalCompressionAllLoads = n.Next();
    d.m_dAllowFinalCompressionHalfPermanentLL = n.Next();
    d.m_dBeamWeight = n.Next();
    d.m_dDeckWeight = n.Next();
    d.m_dOverlayWeight = n.Next();
    d.m_bDiaphragmAtHalf = 1;
    d.m_strDiaphragmAtHalf = "L/2 ";
    d.m_bDiaphragmAtThird = 1;
    d.m_strDiaphragmAtThird = "L/3 ";
    d.m_bDiaphragmAtQuarter = 1;
    d.m_strDiaphragmAtQuarter = "L/4 ";
    d.m_bDiaphragmAtUserLocation = 1;
    d.m_dDiaphragmUserLocation = n.Next();
    d.m_dDiaphragmWeight = n.Next();
    d.m_dOtherNonCompositeLoad = n.Next();
    d.m_dWearingSurfaceLoad = n.Next();
    d.m_dBarrierLoad = n.Next();
    d.m_dOtherCompositeLoad = n.Next();
    d.m_nPTJackingBasis = kJackingOfFpu;
    // Group 6
    LiveLoadVehicle& v1 = d.m_recVehicle1;
    v1.m_strName = "HL-93";
    for (VehicleAxle& a : v1.m_aAxles) a = {n.Next(), n.Next(), n.Next()};
    v1.m_nAxleCount = 3;
    v1.m_dLaneLoad = n.Next();
    v1.m_dLaneMomentLoad = n.Next();
    v1.m_dLaneShearLoad = n.Next();
    v1.m_bIncludeTandem = 1;
    v1.m_dTandemAxle1 = n.Next();
    v1.m_dTandemAxle2 = n.Next();
    v1.m_dTandemSpacing = n.Next();
    v1.m_nCombination = kCombineTruckOrTandemOrLane;
    v1.m_dMultiplier = n.Next();
    d.m_bCheckMilitary = 1;
    d.m_nDistFactorMode = kValueSpecified;
    d.m_dUserDfMoment = n.Next();
    d.m_dUserDfShear = n.Next();
    d.m_dUserDfFatigue = n.Next();
    d.m_dPedestrianLoad = n.Next();
    d.m_bComputeRestraintMoments = 1;
    d.m_nVehicle1ImpactMode = kValueSpecified;
    d.m_dVehicle1ImpactSpecified = n.Next();
    d.m_bCheckSingleLane = 7;  // stored as a whole int32: comes back as 7, not 1
    d.m_bAutoFactors = 1;
    d.m_dServiceILiveLoadFactor = n.Next();
    d.m_nEcMethod = 3;
    // Group 7
    d.m_dPullFraction = n.Next();
    d.m_nPatternType = kPatternDraped;
    d.m_dDrapeFraction = n.Next();
    d.m_nDrapePointMode = kDrapeByDistance;
    d.m_dDrapePointDistance = n.Next();
    d.m_bDesignIncludeTopStrands = 1;
    d.m_dDesignTopStrandCount = n.Next();
    d.m_dTopPullFraction = n.Next();
    for (StrandPatternRow& row : d.m_aEndRows) n.Fill(row.m_adValue);
    for (StrandPatternRow& row : d.m_aDrapeRows) n.Fill(row.m_adValue);
    d.m_nStrandCount = 38;
    d.m_nTopPullStrandCount = 4;
    d.m_dStrandAuxValue = n.Next();
    d.m_dStrandCgEnd = n.Next();
    d.m_dStrandCgMid = n.Next();
    d.m_nDrapedStrandRows = 1;
    for (StrandGroup& group : d.m_aStrandGroup) n.Fill(group.m_adValue);
    d.m_nStrandGroupCount = 24;
    d.m_dDebondLengthStep = n.Next();
    // Group 8
    d.m_nGirderRebarRowCount = 3;
    n.Fill(d.m_adGirderRebarRows);
    d.m_nDeckRebarRowCount = 2;
    n.Fill(d.m_adDeckRebarRows);
    for (int r = 0; r < 3; ++r) d.m_adGirderRebarRows[r][kRebarRowBarSize] = 5 + r;
    for (int r = 0; r < 2; ++r) d.m_adDeckRebarRows[r][kRebarRowBarSize] = 4 + r;
    d.m_bStirrupsSymmetric = 1;
    d.m_nStirrupZoneCount = 14;  // more than the 11 zones every version holds
    d.m_nStirrupLegs = 2;
    n.Fill(d.m_adStirrupZones);
    for (int z = 0; z < 14; ++z) d.m_adStirrupZones[z][kZoneBarSize] = 4 + z % 2;
    n.Fill(d.m_adCamberMultiplierInput);
    n.Fill(d.m_adCamberMultiplier);
    n.Fill(d.m_adCamberSummary);
    for (int i = 3; i <= 5; ++i) d.m_adCamberSummary[i] = 0;
    d.m_bVcQuarterPtsReinforced = 1;
    // Group 9
    d.m_dWearingSurfaceAuxValue = n.Next();
    d.m_dWearingSurfaceThickness = n.Next();
    d.m_nBarrierLoadMode = kLoadVariable;
    d.m_nBarrierDistribution = kBarriersFdot;
    d.m_nBarrierCount = 2;
    d.m_dBarrierWeight = n.Next();
    d.m_nFwsLoadMode = kLoadVariable;
    d.m_dFwsPressure = n.Next();
    d.m_nLoadTableSpacingCount = 3;
    n.Fill(d.m_adLoadTableSpacing);
    n.Fill(d.m_adLoadTableSlab);
    d.m_dLoadTableSpanMin = n.Next();
    d.m_dLoadTableSpanMax = n.Next();
    d.m_dLoadTableSpanInc = n.Next();
    d.m_dLoadTableFciMin = n.Next();
    d.m_dLoadTableFciMax = n.Next();
    d.m_dLoadTableStrandsMin = n.Next();
    d.m_dLoadTableStrandsMax = n.Next();
    for (int i = 0; i < kLoadTableModeCount; ++i) d.m_anLoadTableModes[i] = i % 3;
    // Group 10
    d.m_nPrestressType = kPostTensioned;
    d.m_nTendonLossMode = kLossesSpecified;
    d.m_dPTSpecifiedReleaseLoss = n.Next();
    d.m_dPTSpecifiedFinalLoss = n.Next();
    d.m_dPtJackingFraction = n.Next();
    d.m_dPtAnchorSet = n.Next();
    d.m_dPtFrictionMu = n.Next();
    d.m_dPtAuxValue = n.Next();
    d.m_dPtWobbleK = n.Next();
    d.m_nTendonCount = 4;
    for (int t = 0; t < 4; ++t) {
        PostTensioningTendon& tendon = d.m_aTendons[t];
        tendon.m_strName = "Tendon " + std::to_string(t + 1);
        tendon.m_nStrands = 12 + t;
        tendon.m_fDuctDiameter = n.NextFloat();
        n.Fill(tendon.m_adProfile);
        tendon.m_fZ = n.NextFloat();
        tendon.m_strStressingEnd = t % 2 ? "L" : "B";
    }
    auto fillBars = [&](int& count, RebarBar* bars, int used) {
        count = used;
        for (int i = 0; i < used; ++i) {
            bars[i].m_nBarSize = 3 + i % 9;
            n.Fill(bars[i].m_adStart);
            n.Fill(bars[i].m_adEnd);
            bars[i].m_strTag1 = "S" + std::to_string(i);
            bars[i].m_strTag2 = "S";
            bars[i].m_strTag3 = "B";
            bars[i].m_strTag4 = "X" + std::to_string(i);
        }
    };
    fillBars(d.m_nGirderBarCount, d.m_aGirderBars, 5);
    fillBars(d.m_nDeckBarCount, d.m_aDeckBars, 3);
    d.m_nTransformStrandsMode = kTransformAll;
    d.m_nPTStrandType = 3;
    d.m_strPTStrandName = "0.5in 270 LR";
    d.m_dPTStrandUnitArea = n.Next();
    d.m_dPTStrandDiameter = n.Next();
    d.m_dPTStrandFpu = n.Next();
    d.m_nPTStrandKind = kStrandStressRelieved;
    d.m_strPTStrandKind = "Stress-Relieved";
    d.m_dPTStrandEp = n.Next();
    d.m_dPTStrandK = n.Next();
    d.m_dPTStrandFpy = n.Next();
    // Group 11
    LiveLoadVehicle& v2 = d.m_recVehicle2;
    v2.m_strName = "Permit P-13";
    v2.m_nAxleCount = 5;
    for (VehicleAxle& a : v2.m_aAxles) a = {n.Next(), n.Next(), n.Next()};
    v2.m_dLaneLoad = n.Next();
    v2.m_dLaneMomentLoad = n.Next();
    v2.m_dLaneShearLoad = n.Next();
    v2.m_bIncludeTandem = 1;
    v2.m_dTandemAxle1 = n.Next();
    v2.m_dTandemAxle2 = n.Next();
    v2.m_dTandemSpacing = n.Next();
    v2.m_nCombination = kCombineTruckOrTandemOrLane;
    v2.m_dMultiplier = n.Next();
    v2.m_bIncluded = 1;
    v2.m_nAuxFlag = 5;
    d.m_nVehicleCombineMode = kCombineOverload;
    d.m_nVehicleAuxOption = 7;
    // Gate 1
    d.m_nPretensionEntryMode = kEntryPrestressForce;
    d.m_dPForceJacking = n.Next();
    d.m_dPForceCgEnd = n.Next();
    d.m_dPForceCgMid = n.Next();
    // Gate 2; agency 1 brings its debonding limits with it
    d.m_nAgency = 1;
    d.m_adDebondSummary[kDebondLimitPattern] = 33.0;
    d.m_adDebondSummary[kDebondLimitRow] = 50.0;
    d.m_bIncludeStrengthII = 1;
    d.m_bCheckLowboy = 1;
    d.m_nAnalysisAuxOption = 5;
    d.m_nDeckConcreteType = kConcreteSandLightweight;
    v1.m_bIncluded = 0;
    d.m_nShearMethod = kShearLrfdSimplified;
    d.m_dStrengthIIDeadLoadFactor = n.Next();
    d.m_dStrengthIIWearingSurfaceFactor = n.Next();
    d.m_dStrengthIILiveLoadFactor = n.Next();
    d.m_nFinalTensionLimitPermanent = 4;
    d.m_dFinalTensionCoefPermanent = n.Next();
    d.m_dAllowFinalTensionPermanent = n.Next();
    d.m_nVehicle2ImpactMode = kValueSpecified;
    d.m_dVehicle2ImpactSpecified = n.Next();
    // Gate 3
    d.m_bCheckProduction = 1;
    d.m_dLiftSupportLeft = n.Next();
    d.m_dLiftSupportRight = n.Next();
    d.m_dImpactFormSuction = n.Next();
    d.m_dImpactHandling = n.Next();
    d.m_dShipSupportLeft = n.Next();
    d.m_dShipSupportRight = n.Next();
    d.m_dImpactShipping = n.Next();
    for (int k = 0; k < kMaxStrandGroups; ++k) d.m_anDetensionOrder[k] = kMaxStrandGroups - k;
    d.m_bDetensionAuxFlag = 1;
    d.m_dTransportStiffness = n.Next();
    d.m_dSuperElevation = n.Next();
    d.m_dBeamCgAboveRoad = n.Next();
    d.m_dRollCenterAboveRoad = n.Next();
    d.m_dDualTireDistance = n.Next();
    d.m_bIncludeLoadRating = 1;
    d.m_bRatingInventory = 1;
    d.m_bRatingOperating = 1;
    d.m_nEffWidthMethod = kEffWidthUser;
    d.m_dUserEffWidth = n.Next();
    d.m_bIncludeEndBlocks = 1;
    d.m_dEndBlockWidth = n.Next();
    d.m_dEndBlockLength = n.Next();
    d.m_dEndBlockTransition = n.Next();
    d.m_bShearAuxFlag = 1;
    d.m_nFwsWidthBasis = kFwsWidthCurbToCurb;
    d.m_dConcreteUltimateStrain = n.Next();
    d.m_dLoadModDuctility = n.Next();
    d.m_dLoadModRedundancy = n.Next();
    d.m_dLoadModImportance = n.Next();
    d.m_bInteriorPiersReinforced = 1;
    d.m_bShipUseFc = 1;
    d.m_bDvAllSteel = 1;
    d.m_bStrainCompatibility = 1;
    d.m_bServiceComboI = 1;
    d.m_bSkewAdjustMomentDf = 0;
    d.m_bRatingIgnoreFws = 1;
    d.m_bIncreasedDoubleTruck = 1;
    d.m_dSectionXbar = n.Next();
    d.m_dSectionIyy = n.Next();
    d.m_dOutlineWidth = n.Next();
    d.m_bDetensioningAnalysis = 1;
    // Gates 4 to 8
    d.m_bOmitElasticGain = 1;
    d.m_dFinalAge = n.Next();
    d.m_bSectionFlag1 = 1;
    d.m_bSectionFlag2 = 1;
    d.m_dDeflLimitRatio = n.Next();
    d.m_dWct = n.Next();
    d.m_dEctFactor = n.Next();
    d.m_bShowAsterisks = 0;
    // Gate 9
    d.m_bSectionAuxFlag = 0;
    d.m_bOptionAuxFlag = 1;
    d.m_bShearAppendixB5 = 0;
    d.m_nRatingVehicleCount = 3;
    const int ratingAxles[3] = {2, 5, kMaxVehicleRecordAxles};
    for (int r = 0; r < 3; ++r) {
        VehicleRecord& v = d.m_aRatingVehicles[r];
        v.m_strName = "Rating " + std::to_string(r + 1);
        v.m_nAxleCount = ratingAxles[r];
        for (int a = 0; a < v.m_nAxleCount; ++a) {
            for (float& value : v.m_afAxles[a]) value = n.NextFloat();
        }
        v.m_fLaneLoad = n.NextFloat();
        v.m_fLaneMomentLoad = n.NextFloat();
        v.m_fLaneShearLoad = n.NextFloat();
        v.m_bIncludeTandem = r % 2;
        v.m_fTandemAxle1 = n.NextFloat();
        v.m_fTandemAxle2 = n.NextFloat();
        v.m_fTandemSpacing = n.NextFloat();
        v.m_nCombination = 1 + r % 2;
    }
    d.m_fDbtTopFlangeThickness = n.NextFloat();
    d.m_bStirrupLayout = 0;
    d.m_nDetailedLossBasis = 1;
    d.m_fDeckForcePercent = n.NextFloat();
    d.m_bFatigueOneTruck = 1;
    d.m_fMcrGamma1 = n.NextFloat();
    d.m_fMcrGamma2 = n.NextFloat();
    d.m_fMcrGamma3 = n.NextFloat();
    d.m_fFrGeneric = n.NextFloat();
    d.m_fFrMinReinf = n.NextFloat();
    d.m_fFrShear = n.NextFloat();
    d.m_fFrSandLightweight = n.NextFloat();
    d.m_fFrAllLightweight = n.NextFloat();
    d.m_nSpecEdition = 4;
    // Gate 10
    d.m_bCheckStripping = 0;
    d.m_bCheckHandling = 1;
    d.m_dRestrainingMomentFactor = 0.75;
}

// ---- Comparing designs ------------------------------------------------------------------------

/// The members a design file carries, by group, copied out of a document.
struct StoredGroups : ProjectModel,
                      SectionModel,
                      MaterialsModel,
                      LoadsModel,
                      PrestressModel,
                      OptionsModel,
                      StoredResults {
    explicit StoredGroups(const CKordelDoc& d)
        : ProjectModel(d),
          SectionModel(d),
          MaterialsModel(d),
          LoadsModel(d),
          PrestressModel(d),
          OptionsModel(d),
          StoredResults(d),
          m_adImpact{d.m_dPointImpact, d.m_dVehicle1Impact, d.m_dVehicle2Impact} {
        // The one model member the file does not hold; a load gives it the specification's
        // value, which its own test pins.
        m_dStrengthIRestraintFactor = 0;
    }
    double m_adImpact[3];  ///< point, vehicle 1 and vehicle 2 allowances
};

/// Every group equal, or the names of the groups that differ.
inline testing::AssertionResult SameGroups(const StoredGroups& actual,
                                           const StoredGroups& expected) {
    std::string differ;
    auto check = [&](bool same, const char* name) {
        if (!same) differ += std::string(differ.empty() ? "" : ", ") + name;
    };
    check(static_cast<const ProjectModel&>(actual) == static_cast<const ProjectModel&>(expected),
          "project");
    check(static_cast<const SectionModel&>(actual) == static_cast<const SectionModel&>(expected),
          "section");
    check(
        static_cast<const MaterialsModel&>(actual) == static_cast<const MaterialsModel&>(expected),
        "materials");
    check(static_cast<const LoadsModel&>(actual) == static_cast<const LoadsModel&>(expected),
          "loads");
    check(
        static_cast<const PrestressModel&>(actual) == static_cast<const PrestressModel&>(expected),
        "prestress");
    check(static_cast<const OptionsModel&>(actual) == static_cast<const OptionsModel&>(expected),
          "options");
    check(static_cast<const StoredResults&>(actual) == static_cast<const StoredResults&>(expected),
          "stored results");
    check(std::equal(std::begin(actual.m_adImpact), std::end(actual.m_adImpact),
                     std::begin(expected.m_adImpact)),
          "impact allowances");
    if (differ.empty()) return testing::AssertionSuccess();
    return testing::AssertionFailure() << "groups that differ: " << differ;
}

}  // namespace kordel::test
