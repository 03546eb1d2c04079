// The design model of a new document (section, loads, prestressing, materials, options) and the
// routines that reset parts of it: SetDefaultFactors, SetDefaultModelColors and
// ApplyCamberMultiplierSet.
#include <algorithm>
#include <iterator>
#include <string>
#include <vector>

#include "test_support.h"

namespace kordel::test {
namespace {

using ModelDefaultsTest = EngineTest;

/// One member of the model: its name, its value and the value expected.
struct MemberCase {
    const char* name;
    double actual;
    double expected;
};

/// A float member's default as the float it is stored in.
double F(double value) {
    return static_cast<double>(static_cast<float>(value));
}

void ExpectMembers(const std::vector<MemberCase>& cases, const char* what) {
    for (const MemberCase& c : cases) {
        EXPECT_EQ(c.actual, c.expected) << what << ": " << c.name;
    }
}

// Every value that the constructor sets in the design model, group by group.
TEST_F(ModelDefaultsTest, ConstructorSetsTheModelDefaults) {
    auto doc = NewDoc();
    const CKordelDoc& d = *doc;
    ExpectMembers(
        {
            {"m_nTemplateColumnCount", double(d.m_nTemplateColumnCount), 1},
            {"m_nTemplateLayout", double(d.m_nTemplateLayout), 1},  // from the centreline
            {"m_bIncludeEndBlocks", double(d.m_bIncludeEndBlocks), 0},
            {"m_dEndBlockWidth", d.m_dEndBlockWidth, 0},
            {"m_dEndBlockLength", d.m_dEndBlockLength, 0},
            {"m_dEndBlockTransition", d.m_dEndBlockTransition, 0},
            {"m_fDbtTopFlangeThickness", double(d.m_fDbtTopFlangeThickness), 0},
            {"m_bSectionFlag1", double(d.m_bSectionFlag1), 0},
            {"m_bSectionFlag2", double(d.m_bSectionFlag2), 0},
            {"m_bSectionAuxFlag", double(d.m_bSectionAuxFlag), 0},
            {"m_bOptionAuxFlag", double(d.m_bOptionAuxFlag), 0},
        },
        "section");
    ExpectMembers(
        {
            {"m_nBarrierLoadMode", double(d.m_nBarrierLoadMode), 0},
            {"m_dBarrierLoad", d.m_dBarrierLoad, 0.2},
            {"m_nBarrierCount", double(d.m_nBarrierCount), 0},
            {"m_dBarrierWeight", d.m_dBarrierWeight, 0.65},
            {"m_nBarrierDistribution", double(d.m_nBarrierDistribution), 0},
            {"m_nFwsLoadMode", double(d.m_nFwsLoadMode), 0},
            {"m_dWearingSurfaceLoad", d.m_dWearingSurfaceLoad, 0.2},
            {"m_dFwsPressure", d.m_dFwsPressure, 0},
            {"m_nFwsWidthBasis", double(d.m_nFwsWidthBasis), 0},
            {"m_dRestrainingMomentFactor", d.m_dRestrainingMomentFactor, 0.5},
            {"m_nVehicleCombineMode", double(d.m_nVehicleCombineMode), 0},
            {"m_nVehicle2ImpactMode", double(d.m_nVehicle2ImpactMode), 1},
            {"m_dVehicle2ImpactSpecified", d.m_dVehicle2ImpactSpecified, 0.33},
            {"m_bCheckSingleLane", double(d.m_bCheckSingleLane), 1},
            {"m_bFatigueOneTruck", double(d.m_bFatigueOneTruck), 0},
            {"m_bIncreasedDoubleTruck", double(d.m_bIncreasedDoubleTruck), 0},
            {"m_bCheckLowboy", double(d.m_bCheckLowboy), 0},
            {"m_bIncludeStrengthII", double(d.m_bIncludeStrengthII), 0},
            {"m_nRatingVehicleCount", double(d.m_nRatingVehicleCount), 0},
            {"m_nVehicleAuxOption", double(d.m_nVehicleAuxOption), 2},
            {"m_dStrengthIIDeadLoadFactor", d.m_dStrengthIIDeadLoadFactor, 1.25},
            {"m_dStrengthIIWearingSurfaceFactor", d.m_dStrengthIIWearingSurfaceFactor, 1.5},
            {"m_dStrengthIILiveLoadFactor", d.m_dStrengthIILiveLoadFactor, 1.35},
            {"m_dLoadModDuctility", d.m_dLoadModDuctility, 1.0},
            {"m_dLoadModRedundancy", d.m_dLoadModRedundancy, 1.0},
            {"m_dLoadModImportance", d.m_dLoadModImportance, 1.0},
            {"m_nFinalTensionLimitPermanent", double(d.m_nFinalTensionLimitPermanent), 3},
            {"m_dFinalTensionCoefPermanent", d.m_dFinalTensionCoefPermanent, -0.19},
        },
        "loads");
    ExpectMembers(
        {
            {"m_nPrestressType", double(d.m_nPrestressType), 1},
            {"m_nPretensionEntryMode", double(d.m_nPretensionEntryMode), 1},
            {"m_dPForceJacking", d.m_dPForceJacking, 0},
            {"m_dPForceCgEnd", d.m_dPForceCgEnd, 0},
            {"m_dPForceCgMid", d.m_dPForceCgMid, 0},
            {"m_nTopPullStrandCount", double(d.m_nTopPullStrandCount), 0},
            {"m_nDrapePointMode", double(d.m_nDrapePointMode), 1},
            {"m_dDrapePointDistance", d.m_dDrapePointDistance, 0},
            {"m_adDebondSummary[2]", d.m_adDebondSummary[kDebondLimitPattern], 25},
            {"m_adDebondSummary[3]", d.m_adDebondSummary[kDebondLimitRow], 40},
            {"m_nTendonCount", double(d.m_nTendonCount), 0},
            {"m_nPTJackingBasis", double(d.m_nPTJackingBasis), 1},
            {"m_dPtJackingFraction", d.m_dPtJackingFraction, 0.9},
            {"m_dPtAnchorSet", d.m_dPtAnchorSet, 0.25},
            {"m_dPtFrictionMu", d.m_dPtFrictionMu, 0.2},
            {"m_dPtWobbleK", d.m_dPtWobbleK, 0.0002},
            {"m_dPtAuxValue", d.m_dPtAuxValue, 4.0},
            {"m_dBarSpacing", d.m_dBarSpacing, 2.0},
            {"m_nGirderBarCount", double(d.m_nGirderBarCount), 0},
            {"m_nDeckBarCount", double(d.m_nDeckBarCount), 0},
            {"m_bStirrupLayout", double(d.m_bStirrupLayout), 1},
        },
        "prestressing");
    ExpectMembers(
        {
            {"m_nDeckConcreteType", double(d.m_nDeckConcreteType), 1},
            {"m_dEctFactor", d.m_dEctFactor, 33.0},
            {"m_dWct", d.m_dWct, 0.15},
            {"m_dConcreteUltimateStrain", d.m_dConcreteUltimateStrain, 0.003},
            {"m_fFrGeneric", double(d.m_fFrGeneric), F(0.24)},
            {"m_fFrMinReinf", double(d.m_fFrMinReinf), F(0.37)},
            {"m_fFrShear", double(d.m_fFrShear), F(0.20)},
            {"m_fFrSandLightweight", double(d.m_fFrSandLightweight), F(0.20)},
            {"m_fFrAllLightweight", double(d.m_fFrAllLightweight), F(0.17)},
            {"m_fMcrGamma1", double(d.m_fMcrGamma1), F(1.6)},
            {"m_fMcrGamma2", double(d.m_fMcrGamma2), F(1.1)},
            {"m_fMcrGamma3", double(d.m_fMcrGamma3), F(1.0)},
            {"m_dAgeAtDeckCasting", d.m_dAgeAtDeckCasting, 60},
            {"m_dFinalAge", d.m_dFinalAge, 20000},
            {"m_nDeckVolumeToSurfaceMode", double(d.m_nDeckVolumeToSurfaceMode), 1},
            {"m_dDeckVolumeToSurface", d.m_dDeckVolumeToSurface, 3.0},
            {"m_nLossMethod", double(d.m_nLossMethod), 2},
            {"m_nDetailedLossBasis", double(d.m_nDetailedLossBasis), 0},
            {"m_fDeckForcePercent", double(d.m_fDeckForcePercent), 0},
            {"m_bOmitElasticGain", double(d.m_bOmitElasticGain), 0},
            {"m_nTendonLossMode", double(d.m_nTendonLossMode), 1},
            {"m_dPTSpecifiedReleaseLoss", d.m_dPTSpecifiedReleaseLoss, 5},
            {"m_dPTSpecifiedFinalLoss", d.m_dPTSpecifiedFinalLoss, 15},
            {"m_nPTStrandType", double(d.m_nPTStrandType), 4},
            {"m_dPTStrandUnitArea", d.m_dPTStrandUnitArea, 0.217},
            {"m_dPTStrandDiameter", d.m_dPTStrandDiameter, 0.6},
            {"m_dPTStrandFpu", d.m_dPTStrandFpu, 270},
            {"m_dPTStrandFpy", d.m_dPTStrandFpy, 243},
            {"m_nPTStrandKind", double(d.m_nPTStrandKind), 1},
            {"m_dPTStrandEp", d.m_dPTStrandEp, 28500},
            {"m_dPTStrandK", d.m_dPTStrandK, 0.28},
            {"m_dLongitudinalFy", d.m_dLongitudinalFy, 60},
            {"m_dRebarEs", d.m_dRebarEs, 29000},
            {"m_dSplittingSteelStress", d.m_dSplittingSteelStress, 20},
            {"m_dTensionTieSteelStress", d.m_dTensionTieSteelStress, 30},  // 0.5 x 60 ksi
        },
        "materials");
    EXPECT_EQ(d.m_strPTStrandName, "0.6in 270 LR");
    EXPECT_EQ(d.m_strPTStrandKind, "Low-Relaxation");
    ExpectMembers(
        {
            {"m_nTransformStrandsMode", double(d.m_nTransformStrandsMode), 0},
            {"m_nEffWidthMethod", double(d.m_nEffWidthMethod), 0},
            {"m_dUserEffWidth", d.m_dUserEffWidth, 0},
            {"m_nShearMethod", double(d.m_nShearMethod), 1},  // LRFD sectional
            {"m_bShearAppendixB5", double(d.m_bShearAppendixB5), 1},
            {"m_bDvAllSteel", double(d.m_bDvAllSteel), 0},
            {"m_bStrainCompatibility", double(d.m_bStrainCompatibility), 0},
            {"m_bInteriorPiersReinforced", double(d.m_bInteriorPiersReinforced), 0},
            {"m_bServiceComboI", double(d.m_bServiceComboI), 0},
            {"m_bSkewAdjustMomentDf", double(d.m_bSkewAdjustMomentDf), 1},
            {"m_bIncludeLoadRating", double(d.m_bIncludeLoadRating), 0},
            {"m_bRatingInventory", double(d.m_bRatingInventory), 0},
            {"m_bRatingOperating", double(d.m_bRatingOperating), 0},
            {"m_bRatingIgnoreFws", double(d.m_bRatingIgnoreFws), 0},
            {"m_dDeflLimitRatio", d.m_dDeflLimitRatio, 800},
            {"m_bShowAsterisks", double(d.m_bShowAsterisks), 1},
            {"m_nAnalysisAuxOption", double(d.m_nAnalysisAuxOption), 1},
            {"m_bShearAuxFlag", double(d.m_bShearAuxFlag), 0},
            {"m_bCheckStripping", double(d.m_bCheckStripping), 0},
            {"m_bCheckHandling", double(d.m_bCheckHandling), 0},
            {"m_bCheckProduction", double(d.m_bCheckProduction), 0},
            {"m_dTransportStiffness", d.m_dTransportStiffness, 40500},
            {"m_dSuperElevation", d.m_dSuperElevation, 0.06},
            {"m_dBeamCgAboveRoad", d.m_dBeamCgAboveRoad, 108},
            {"m_dRollCenterAboveRoad", d.m_dRollCenterAboveRoad, 24},
            {"m_dDualTireDistance", d.m_dDualTireDistance, 36},
            {"m_bShipUseFc", double(d.m_bShipUseFc), 0},
            {"m_bDetensioningAnalysis", double(d.m_bDetensioningAnalysis), 0},
            {"m_bDetensionAuxFlag", double(d.m_bDetensionAuxFlag), 0},
            {"m_dLoadTableSpanMin", d.m_dLoadTableSpanMin, 90},
            {"m_dLoadTableSpanMax", d.m_dLoadTableSpanMax, 140},
            {"m_dLoadTableSpanInc", d.m_dLoadTableSpanInc, 4},
            {"m_nLoadTableSpacingCount", double(d.m_nLoadTableSpacingCount), 2},
            {"m_dLoadTableFciMin", d.m_dLoadTableFciMin, 3.0},
            {"m_dLoadTableFciMax", d.m_dLoadTableFciMax, 6.0},
            {"m_dLoadTableStrandsMin", d.m_dLoadTableStrandsMin, 0},
            {"m_dLoadTableStrandsMax", d.m_dLoadTableStrandsMax, 999},
            {"m_dLoadTableDeflRatio", d.m_dLoadTableDeflRatio, 2000},
        },
        "options");
}

// The arrays that the constructor fills: load-table slots, check modes, cutting order, bar table.
TEST_F(ModelDefaultsTest, ConstructorFillsTheFixedTables) {
    auto doc = NewDoc();
    const double spacing[kLoadTableSpacingSlots] = {0, 7.5, 10.0, 0, 0};  // slots 1 and 2 used
    const double slab[kLoadTableSpacingSlots] = {0, 8.0, 8.0, 0, 0};
    for (int i = 0; i < kLoadTableSpacingSlots; ++i) {
        EXPECT_EQ(doc->m_adLoadTableSpacing[i], spacing[i]) << "load-table spacing slot " << i;
        EXPECT_EQ(doc->m_adLoadTableSlab[i], slab[i]) << "load-table slab slot " << i;
    }
    for (int i = 0; i < kLoadTableModeCount; ++i) {
        EXPECT_EQ(doc->m_anLoadTableModes[i], i < 2 ? 1 : 0) << "load-table mode " << i;
    }
    for (int k = 0; k < kMaxStrandGroups; ++k) {
        ASSERT_EQ(doc->m_anDetensionOrder[k], k + 1) << "cutting order entry " << k;
    }

    // Bar number: diameter in, area in2; 0, 0 for the bars the table does not hold.
    struct Bar {
        double diameter, area;
    };
    const Bar bars[kBarTableSlots] = {
        {0, 0},        {0, 0},       {0, 0},        {0.375, 0.11}, {0.5, 0.20},
        {0.625, 0.31}, {0.75, 0.44}, {0.875, 0.60}, {1.0, 0.79},   {1.128, 1.00},
        {1.27, 1.27},  {1.41, 1.56}, {0, 0},        {0, 0},        {1.693, 2.25},
        {0, 0},        {0, 0},       {0, 0},        {0, 0},        {0, 0},
    };
    for (int n = 0; n < kBarTableSlots; ++n) {
        EXPECT_EQ(doc->m_adBarTable[n][kBarDiameter], bars[n].diameter) << "bar #" << n;
        EXPECT_EQ(doc->m_adBarTable[n][kBarArea], bars[n].area) << "bar #" << n;
    }
}

TEST_F(ModelDefaultsTest, ConstructorVehicles) {
    auto doc = NewDoc();
    struct Case {
        const char* name;
        const LiveLoadVehicle& vehicle;
        int included, tandem, auxFlag;
    };
    const Case cases[] = {
        {"vehicle 1", doc->m_recVehicle1, 1, 0, 0},
        {"vehicle 2", doc->m_recVehicle2, 0, 0, 1},
        {"current vehicle", doc->m_recCurrentVehicle, 1, 1, 0},
    };
    for (const Case& c : cases) {
        const LiveLoadVehicle& v = c.vehicle;
        EXPECT_EQ(v.m_strName, "NONE") << c.name;
        EXPECT_EQ(v.m_nAxleCount, 0) << c.name;
        for (const VehicleAxle& axle : v.m_aAxles) EXPECT_EQ(axle, VehicleAxle{}) << c.name;
        EXPECT_EQ(v.m_dLaneLoad + v.m_dLaneMomentLoad + v.m_dLaneShearLoad, 0.0) << c.name;
        EXPECT_EQ(v.m_dTandemAxle1 + v.m_dTandemAxle2 + v.m_dTandemSpacing, 0.0) << c.name;
        EXPECT_EQ(v.m_bIncludeTandem, c.tandem) << c.name;
        EXPECT_EQ(v.m_nCombination, 1) << c.name;  // "(Truck+Lane) OR (Tandem + Lane)"
        EXPECT_EQ(v.m_dMultiplier, 1.0) << c.name;
        EXPECT_EQ(v.m_bIncluded, c.included) << c.name;
        EXPECT_EQ(v.m_nAuxFlag, c.auxFlag) << c.name;
    }
    for (const VehicleRecord& r : doc->m_aRatingVehicles) EXPECT_EQ(r, VehicleRecord{});
}

// Members the constructor leaves for the new-design road or the file start at zero: the empty
// patterns, groups, tables and lists of a new design, and the unset factors.
TEST_F(ModelDefaultsTest, UnsetMembersStartAtZero) {
    auto doc = NewDoc();
    const CKordelDoc& d = *doc;
    for (int r = 0; r < kMaxPatternRows; ++r) {
        EXPECT_EQ(d.m_aEndRows[r], StrandPatternRow{}) << "end row " << r;
        EXPECT_EQ(d.m_aDrapeRows[r], StrandPatternRow{}) << "drape row " << r;
        for (double v : d.m_adStrandTemplate[r]) ASSERT_EQ(v, 0.0) << "template row " << r;
    }
    for (int p = 0; p < kMaxOutlinePoints; ++p) {
        for (int k = 0; k < kPointValueCount; ++k) {
            ASSERT_EQ(d.m_adOutline[p][k], 0.0) << "outline point " << p;
            ASSERT_EQ(d.m_adVoidOutline[p][k], 0.0) << "void point " << p;
        }
    }
    for (const StrandGroup& g : d.m_aStrandGroup) ASSERT_EQ(g, StrandGroup{});
    for (const PostTensioningTendon& t : d.m_aTendons) ASSERT_EQ(t, PostTensioningTendon{});
    for (const RebarBar& b : d.m_aGirderBars) ASSERT_EQ(b, RebarBar{});
    for (const RebarBar& b : d.m_aDeckBars) ASSERT_EQ(b, RebarBar{});
    for (const auto& zone : d.m_adStirrupZones) {
        for (double v : zone) ASSERT_EQ(v, 0.0);
    }
    for (int r = 0; r < kMaxLongitRebarRows; ++r) {
        for (int k = 0; k < kRebarRowValueCount; ++k) {
            ASSERT_EQ(d.m_adGirderRebarRows[r][k], 0.0);
            ASSERT_EQ(d.m_adDeckRebarRows[r][k], 0.0);
        }
    }
    for (const HandlingDistLoad& l : d.m_aHandlingDistLoad) ASSERT_EQ(l, HandlingDistLoad{});
    for (const HandlingPointLoad& l : d.m_aHandlingPointLoad) ASSERT_EQ(l, HandlingPointLoad{});
    ExpectMembers(
        {
            {"m_adDebondSummary[0]", d.m_adDebondSummary[kDebondedStrands], 0},
            {"m_adDebondSummary[1]", d.m_adDebondSummary[kDebondedPercent], 0},
            {"m_nOutlinePointCount", double(d.m_nOutlinePointCount), 0},
            {"m_nTemplateRowCount", double(d.m_nTemplateRowCount), 0},
            {"m_nSectionType", double(d.m_nSectionType), 0},
            {"m_nPatternType", double(d.m_nPatternType), 0},
            {"m_nStrandGroupCount", double(d.m_nStrandGroupCount), 0},
            {"m_nHandlingDistLoads", double(d.m_nHandlingDistLoads), 0},
            {"m_nHandlingPointLoads", double(d.m_nHandlingPointLoads), 0},
            {"m_bAutoFactors", double(d.m_bAutoFactors), 0},
            {"m_dPhiFlexure", d.m_dPhiFlexure, 0},
            {"m_dStrengthILiveLoadFactor", d.m_dStrengthILiveLoadFactor, 0},
            {"m_dStrengthIRestraintFactor", d.m_dStrengthIRestraintFactor, 0},
            {"m_dFinalCompressionCoefPermanent", d.m_dFinalCompressionCoefPermanent, 0},
            {"m_dStrandEp", d.m_dStrandEp, 0},
            {"m_dTransferLengthFactor", d.m_dTransferLengthFactor, 0},
            {"m_dBeamFc", d.m_dBeamFc, 0},
            {"m_nVehicle1ImpactMode", double(d.m_nVehicle1ImpactMode), 0},
        },
        "unset");
    for (int w = 0; w < kCamberMultiplierCount; ++w) {
        EXPECT_EQ(d.m_adCamberMultiplierInput[w], 0.0);
        EXPECT_EQ(d.m_adCamberMultiplier[w], 0.0);
    }
    for (const auto& colour : d.m_afModelColour) {
        for (float component : colour) EXPECT_EQ(component, 0.0f);
    }
}

// ---- SetDefaultFactors --------------------------------------------------------------------------

/// The values SetDefaultFactors writes for one specification branch.
struct FactorSet {
    double Ep, ltFactor, fcPermanent;
    int shearMethod;
    double serviceIII, serviceI, strIDead, strIWearing, strILive, strIRestraint, phiShear,
        phiFlexure, strIIDead, strIIWearing, strIILive;
};

// AASHTO LRFD: Ep 28500 ksi, 60 db, 0.45 f'c; Table 3.4.1-1 Strength I 1.25 DC, 1.50 DW, 1.75 LL,
// Strength II 1.35 LL, Service III 0.8 LL.
const FactorSet kLrfd = {.Ep = 28500,
                         .ltFactor = 60,
                         .fcPermanent = 0.45,
                         .shearMethod = 1,  // sectional method
                         .serviceIII = 0.8,
                         .serviceI = 1.0,
                         .strIDead = 1.25,
                         .strIWearing = 1.5,
                         .strILive = 1.75,
                         .strIRestraint = 1.2,
                         .phiShear = 0.9,
                         .phiFlexure = 1.0,
                         .strIIDead = 1.25,
                         .strIIWearing = 1.5,
                         .strIILive = 1.35};
// Standard Specifications: Ep 28000 ksi, 50 db, 0.40 f'c; Group I 1.3 D and 1.3 x 1.67 (L + I).
const FactorSet kStandard = {.Ep = 28000,
                             .ltFactor = 50,
                             .fcPermanent = 0.40,
                             .shearMethod = 3,  // Vci/Vcw
                             .serviceIII = 1.0,
                             .serviceI = 1.0,
                             .strIDead = 1.3,
                             .strIWearing = 1.3,
                             .strILive = 2.171,
                             .strIRestraint = 1.0,
                             .phiShear = 0.9,
                             .phiFlexure = 1.0,
                             .strIIDead = 1.3,
                             .strIIWearing = 1.3,
                             .strIILive = 1.3};

/// Puts a value that no branch writes into every member SetDefaultFactors may touch.
void FillFactorsWithMarkers(CKordelDoc& d) {
    constexpr double kMarker = -7.25;
    d.m_dStrandEp = d.m_dTransferLengthFactor = d.m_dTensionTieSteelStress = kMarker;
    d.m_dFinalCompressionCoefPermanent = kMarker;
    d.m_dServiceIIILiveLoadFactor = d.m_dServiceILiveLoadFactor = kMarker;
    d.m_dStrengthIDeadLoadFactor = d.m_dStrengthIWearingSurfaceFactor = kMarker;
    d.m_dStrengthILiveLoadFactor = d.m_dStrengthIRestraintFactor = kMarker;
    d.m_dPhiShear = d.m_dPhiFlexure = kMarker;
    d.m_dStrengthIIDeadLoadFactor = d.m_dStrengthIIWearingSurfaceFactor = kMarker;
    d.m_dStrengthIILiveLoadFactor = kMarker;
    d.m_nShearMethod = 99;
}

/// Writes onto copies of the model groups what SetDefaultFactors is expected to write, so that a
/// comparison of whole groups also shows that nothing else changed.
void ApplyExpected(const FactorSet& f, double tensionTie, bool autoFactors, bool specLimit,
                   LoadsModel& loads, MaterialsModel& materials, OptionsModel& options) {
    materials.m_dStrandEp = f.Ep;
    materials.m_dTransferLengthFactor = f.ltFactor;
    materials.m_dTensionTieSteelStress = tensionTie;
    if (specLimit) loads.m_dFinalCompressionCoefPermanent = f.fcPermanent;
    if (autoFactors) {
        loads.m_dServiceIIILiveLoadFactor = f.serviceIII;
        loads.m_dServiceILiveLoadFactor = f.serviceI;
        loads.m_dStrengthIDeadLoadFactor = f.strIDead;
        loads.m_dStrengthIWearingSurfaceFactor = f.strIWearing;
        loads.m_dStrengthILiveLoadFactor = f.strILive;
        loads.m_dStrengthIRestraintFactor = f.strIRestraint;
        loads.m_dPhiShear = f.phiShear;
        loads.m_dPhiFlexure = f.phiFlexure;
        loads.m_dStrengthIIDeadLoadFactor = f.strIIDead;
        loads.m_dStrengthIIWearingSurfaceFactor = f.strIIWearing;
        loads.m_dStrengthIILiveLoadFactor = f.strIILive;
    }
    options.m_nShearMethod = f.shearMethod;
}

// Every specification code, with and without automatic factors and with either compression limit
// choice: the branch's values land in the members the branch writes, and no other member of the
// design model changes.
TEST_F(ModelDefaultsTest, SetDefaultFactorsByBranchAndSwitches) {
    struct Case {
        int specification;
        const FactorSet& expected;
        double tensionTie;  // ksi, with fy 60 and Grade 60 bars
    };
    const Case cases[] = {
        {1, kLrfd, 30.0},      // 0.5 x 60
        {2, kStandard, 24.0},  // Grade 60
        {0, kStandard, 24.0},  // every code but 1 is the Standard Specifications
        {3, kStandard, 24.0},
    };
    for (const Case& c : cases) {
        for (int autoFactors : {1, 0, 2}) {
            for (int limitChoice : {1, 2}) {
                SCOPED_TRACE(testing::Message()
                             << "specification " << c.specification << ", m_bAutoFactors "
                             << autoFactors << ", limit choice " << limitChoice);
                auto doc = NewDoc();
                doc->m_nSpecification = c.specification;
                doc->m_bAutoFactors = autoFactors;
                doc->m_nFinalCompressionLimitPermanent = limitChoice;
                doc->m_nLongitudinalGrade = kBarGrade60;
                doc->m_dLongitudinalFy = 60;
                FillFactorsWithMarkers(*doc);

                LoadsModel loads = *doc;
                MaterialsModel materials = *doc;
                OptionsModel options = *doc;
                const SectionModel section = *doc;
                const PrestressModel prestress = *doc;
                ApplyExpected(c.expected, c.tensionTie, autoFactors != 0, limitChoice == 1, loads,
                              materials, options);

                doc->SetDefaultFactors();

                EXPECT_EQ(doc->m_dStrandEp, c.expected.Ep);
                EXPECT_EQ(doc->m_nShearMethod, c.expected.shearMethod);
                EXPECT_EQ(doc->m_dStrengthILiveLoadFactor,
                          autoFactors ? c.expected.strILive : -7.25);
                EXPECT_TRUE(static_cast<const LoadsModel&>(*doc) == loads) << "loads group";
                EXPECT_TRUE(static_cast<const MaterialsModel&>(*doc) == materials)
                    << "materials group";
                EXPECT_TRUE(static_cast<const OptionsModel&>(*doc) == options) << "options group";
                EXPECT_TRUE(static_cast<const SectionModel&>(*doc) == section) << "section group";
                EXPECT_TRUE(static_cast<const PrestressModel&>(*doc) == prestress)
                    << "prestressing group";
                EXPECT_EQ(doc->m_nSpecification, c.specification);
            }
        }
    }
}

// The tension-tie steel stress: LRFD half of fy up to 30 ksi; Standard Specifications by grade.
TEST_F(ModelDefaultsTest, SetDefaultFactorsTensionTieStress) {
    struct Case {
        int specification;
        double fy;  // ksi
        int grade;
        double expected;  // ksi
    };
    const Case cases[] = {
        {1, 75, 2, 30.0},  // 0.5 x 75 = 37.5, limited to 30
        {1, 50, 2, 25.0},  // 0.5 x 50
        {1, 60, 1, 30.0},  // 0.5 x 60, at the limit
        {1, 40, 1, 20.0},  // the grade does not enter the LRFD value
        {2, 60, 1, 24.0},  // Grade 60
        {2, 75, 1, 24.0},  // fy does not enter the Standard value
        {2, 40, 2, 20.0},  // specified yield
        {0, 75, 1, 24.0}, {3, 50, 2, 20.0},
        {2, 60, 0, 20.0},  // a grade that was never set is not Grade 60
    };
    for (const Case& c : cases) {
        auto doc = NewDoc();
        doc->m_nSpecification = c.specification;
        doc->m_dLongitudinalFy = c.fy;
        doc->m_nLongitudinalGrade = c.grade;
        doc->SetDefaultFactors();
        EXPECT_EQ(doc->m_dTensionTieSteelStress, c.expected)
            << "specification " << c.specification << ", fy " << c.fy << ", grade " << c.grade;
    }
}

// Switching the specification back and forth leaves no trace of the other branch.
TEST_F(ModelDefaultsTest, SetDefaultFactorsAfterASpecificationChange) {
    auto doc = NewDoc();
    doc->m_bAutoFactors = 1;
    doc->m_nFinalCompressionLimitPermanent = 1;
    doc->m_nLongitudinalGrade = kBarGrade60;
    doc->m_nSpecification = 2;
    doc->SetDefaultFactors();
    const LoadsModel standardLoads = *doc;
    const MaterialsModel standardMaterials = *doc;
    doc->m_nSpecification = 1;
    doc->SetDefaultFactors();
    EXPECT_EQ(doc->m_dStrengthIDeadLoadFactor, 1.25);
    EXPECT_EQ(doc->m_dTensionTieSteelStress, 30.0);
    doc->m_nSpecification = 2;
    doc->SetDefaultFactors();
    EXPECT_TRUE(static_cast<const LoadsModel&>(*doc) == standardLoads);
    EXPECT_TRUE(static_cast<const MaterialsModel&>(*doc) == standardMaterials);
}

// ---- SetDefaultModelColors and ApplyCamberMultiplierSet -----------------------------------------

TEST_F(ModelDefaultsTest, SetDefaultModelColorsGreysTheModel) {
    auto doc = NewDoc();
    for (auto& colour : doc->m_afModelColour) {
        for (float& component : colour) component = 0.125f;
    }
    doc->SetDefaultModelColors();
    for (int c = 0; c < kModelColourCount; ++c) {
        for (int k = 0; k < kColourComponents; ++k) {
            EXPECT_EQ(doc->m_afModelColour[c][k], c == 0 ? 0.6f : 0.8f)
                << "colour " << c << " component " << k;
        }
    }
}

TEST_F(ModelDefaultsTest, ApplyCamberMultiplierSetMapsTheCompositeColumn) {
    struct Case {
        const char* name;
        double input[kCamberMultiplierCount];
        double expected[kCamberMultiplierCount];
    };
    const Case cases[] = {
        // Entry i holds i + 0.5, so each working value names the entry it came from:
        // W0 = [3], W1 = [7], W2 = [1], W3 = [5], W4..W6 = [10], W7..W10 = [9].
        {"distinct entries",
         {0.5, 1.5, 2.5, 3.5, 4.5, 5.5, 6.5, 7.5, 8.5, 9.5, 10.5},
         {3.5, 7.5, 1.5, 5.5, 10.5, 10.5, 10.5, 9.5, 9.5, 9.5, 9.5}},
        // The multipliers of the example designs and the working set they publish.
        {"example designs",
         {1.85, 1.85, 1.8, 1.8, 2.7, 2.4, 2.45, 2.2, 3.0, 3.0, 2.3},
         {1.8, 2.2, 1.85, 2.4, 2.3, 2.3, 2.3, 3.0, 3.0, 3.0, 3.0}},
    };
    for (const Case& c : cases) {
        auto doc = NewDoc();
        std::copy(std::begin(c.input), std::end(c.input), doc->m_adCamberMultiplierInput);
        doc->m_adCamberSummary[0] = 4.5;
        const OptionsModel before = *doc;
        doc->ApplyCamberMultiplierSet();
        OptionsModel expected = before;
        std::copy(std::begin(c.expected), std::end(c.expected), expected.m_adCamberMultiplier);
        for (int w = 0; w < kCamberMultiplierCount; ++w) {
            EXPECT_EQ(doc->m_adCamberMultiplier[w], c.expected[w]) << c.name << ", W" << w;
        }
        // The entered multipliers and everything else stay as they were.
        EXPECT_TRUE(static_cast<const OptionsModel&>(*doc) == expected) << c.name;
    }
}

}  // namespace
}  // namespace kordel::test
