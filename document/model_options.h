// Design model: analysis options, camber multipliers, the stripping, lifting and shipping inputs
// with the handling load lists, detensioning, the load-table settings and the 3D model colours.
#pragma once

#include <string>

#include "document/model_limits.h"
#include "document/model_records.h"

namespace kordel {

/// m_nTransformStrandsMode: "Transform pretensioned strands for:".
inline constexpr int kTransformNone = 0;            ///< "Don't transform strands"
inline constexpr int kTransformLiveLoad = 1;        ///< "Live load stresses only"
inline constexpr int kTransformAll = 2;             ///< "All stresses"
inline constexpr int kTransformAllButLiveLoad = 3;  ///< "All stresses except live load"

/// m_nEffWidthMethod: "Compute effective composite deck width per:".
inline constexpr int kEffWidthAashto = 0;    ///< "AASHTO (LRFD/STD)"
inline constexpr int kEffWidthCaltrans = 1;  ///< "Caltrans Art. 4.6.2.6"
inline constexpr int kEffWidthUser = 2;      ///< "User specified:"

/// m_nShearMethod. Any other value computes no vertical shear.
inline constexpr int kShearLrfdSectional = 1;
inline constexpr int kShearLrfdSimplified = 2;
inline constexpr int kShearStandardVciVcw = 3;

/// Entries of m_adCamberMultiplierInput: pairs of a non-composite and a composite value, then the
/// deck weight of a composite girder.
enum CamberMultiplierInput : int {
    kCamberErectionGirderNonComposite = 0,
    kCamberErectionGirderComposite = 1,
    kCamberErectionPrestressNonComposite = 2,
    kCamberErectionPrestressComposite = 3,
    kCamberFinalGirderNonComposite = 4,
    kCamberFinalGirderComposite = 5,
    kCamberFinalPrestressNonComposite = 6,
    kCamberFinalPrestressComposite = 7,
    kCamberFinalSuperimposedNonComposite = 8,
    kCamberFinalSuperimposedComposite = 9,
    kCamberFinalDeckComposite = 10,
};

/// Entries W of the working multipliers m_adCamberMultiplier.
enum CamberMultiplier : int {
    kWPrestressErection = 0,
    kWPrestressFinal = 1,
    kWGirderErection = 2,
    kWGirderFinal = 3,
    kWDeckFinal = 4,
    kWOverlayFinal = 5,
    kWDiaphragmsFinal = 6,
    kWOtherNonCompositeFinal = 7,
    kWBarriersFinal = 8,
    kWWearingSurfaceFinal = 9,
    kWOtherCompositeFinal = 10,
};

/// Entries of m_anLoadTableModes with a meaning; entries 2 to 9 are carried unchanged.
enum LoadTableMode : int { kLoadTableModeStress = 0, kLoadTableModeStrength = 1 };

struct OptionsModel {
    // ---- Analysis options -----------------------------------------------------------------------
    /// "Transform pretensioned strands for:" 0 none, 1 live load only, 2 all, 3 all but live load.
    int m_nTransformStrandsMode = kTransformNone;
    int m_bTransformPsStrand = 0;  ///< "Transform PS strand"; stored, read by no computation
    int m_nEffWidthMethod = kEffWidthAashto;  ///< 0 AASHTO, 1 Caltrans, 2 user specified
    double m_dUserEffWidth = 0;               ///< the user's effective deck width, in
    /// Vertical shear: 1 LRFD sectional, 2 LRFD simplified, 3 Standard Specifications Vci/Vcw.
    int m_nShearMethod = kShearLrfdSectional;
    int m_bShearAppendixB5 = 1;          ///< "Use Appendix B5 for Theta and Beta"
    int m_bDvAllSteel = 0;               ///< "Use all steel to calculate dv"
    int m_bVcQuarterPtsReinforced = 0;   ///< "Evaluate Vc between quarter-pts as reinforced"
    int m_bStrainCompatibility = 0;      ///< strain-compatibility flexure runs when 1
    int m_bInteriorPiersReinforced = 0;  ///< "Treat interior piers as reinforced"
    int m_bServiceComboI = 0;            ///< "Use Service Combo I"
    int m_bSkewAdjustMomentDf = 1;       ///< "Adjust moment DF with skew"
    int m_bIncludeLoadRating = 0;        ///< load rating runs when nonzero
    int m_bRatingInventory = 0;          ///< rating at the inventory level
    int m_bRatingOperating = 0;          ///< rating at the operating level
    int m_bRatingIgnoreFws = 0;          ///< "Ignore FWS load for ratings"
    double m_dDeflLimitRatio = 800;      ///< live-load deflection limit is span / this
    int m_bShowAsterisks = 1;            ///< reports mark the minimum flexure check with "*"
    int m_nAnalysisAuxOption = 1;        ///< stored with the options; read by no computation
    int m_bShearAuxFlag = 0;             ///< stored with the options; read by no computation

    // ---- Camber multipliers ---------------------------------------------------------------------
    /// The multipliers as entered [CamberMultiplierInput].
    double m_adCamberMultiplierInput[kCamberMultiplierCount] = {};
    /// The working multipliers W that the camber stage applies [CamberMultiplier].
    double m_adCamberMultiplier[kCamberMultiplierCount] = {};
    /// Mid-span camber and deflections, in, written by the camber stage and stored with the design
    /// (entries 3 to 5 not stored): [0] pretensioning, [1] W0 x [0], [2] W1 x [0]; [3] to [5] the
    /// same for post-tensioning; [6] girder weight, [7] W2 x [6], [8] W3 x [6]; then pairs of a
    /// value and its final value: deck, overlay, diaphragms, other non-composite, barriers, future
    /// wearing surface, other composite ([9] to [22]).
    double m_adCamberSummary[kCamberSummaryCount] = {};

    // ---- Stripping, lifting and shipping (distances from the girder ends) -----------------------
    int m_bCheckStripping = 0;       ///< "Check Stripping"; the handling checks run when 1
    int m_bCheckHandling = 0;        ///< "Check Handling/Stability"; the handling checks run when 1
    int m_bCheckProduction = 0;      ///< "Check Production" of older files
    double m_dLiftSupportLeft = 0;   ///< lifting point from the left end, ft
    double m_dLiftSupportRight = 0;  ///< lifting point from the right end, ft
    double m_dImpactFormSuction = 0;       ///< "Form suction:" at stripping, percent of the weight
    double m_dImpactHandling = 0;          ///< "Handling:" impact, percent of the weight
    double m_dShipSupportLeft = 0;         ///< truck support from the left end, ft
    double m_dShipSupportRight = 0;        ///< truck support from the right end, ft
    double m_dImpactShipping = 0;          ///< "Shipping:" impact, percent of the weight
    double m_dTransportStiffness = 40500;  ///< total transport stiffness K_theta, in-k/radian
    double m_dSuperElevation = 0.06;       ///< superelevation of the roadway alpha, radian
    double m_dBeamCgAboveRoad = 108;       ///< height of the girder's cg above the road, in
    double m_dRollCenterAboveRoad = 24;    ///< height of the roll centre above the road hr, in
    double m_dDualTireDistance = 36;       ///< girder centreline to dual tire centre zmax, in
    int m_bShipUseFc = 0;                  ///< "Use f'c in Shipping Analysis"
    /// Distributed handling loads; the stripping check fills the list, the handling statics read
    /// it.
    HandlingDistLoad m_aHandlingDistLoad[kMaxHandlingLoads] = {};
    int m_nHandlingDistLoads = 0;  ///< distributed handling loads used
    /// Point handling loads, filled and read like the distributed ones.
    HandlingPointLoad m_aHandlingPointLoad[kMaxHandlingLoads] = {};
    int m_nHandlingPointLoads = 0;  ///< point handling loads used

    // ---- Detensioning ---------------------------------------------------------------------------
    int m_bDetensioningAnalysis = 0;  ///< the check runs when 1, cutting by m_anDetensionOrder
    int m_bDetensionAuxFlag = 0;      ///< stored with the options; read by no computation

    // ---- Load tables ----------------------------------------------------------------------------
    double m_dLoadTableSpanMin = 90;   ///< shortest span, ft
    double m_dLoadTableSpanMax = 140;  ///< longest span, ft
    double m_dLoadTableSpanInc = 4;    ///< span step, ft
    int m_nLoadTableSpacingCount = 2;  ///< girder spacings used, at most 4
    /// Girder spacings in slots 1 to 4 (slot 0 unused), ft.
    double m_adLoadTableSpacing[kLoadTableSpacingSlots] = {0, 7.5, 10.0};
    /// Slab thickness for each spacing, same slots, in.
    double m_adLoadTableSlab[kLoadTableSpacingSlots] = {0, 8.0, 8.0};
    double m_dLoadTableFciMin = 3.0;      ///< lowest release strength a row may need, ksi
    double m_dLoadTableFciMax = 6.0;      ///< highest release strength a row may need, ksi
    double m_dLoadTableStrandsMin = 0;    ///< fewest strands a row may have
    double m_dLoadTableStrandsMax = 999;  ///< most strands a row may have
    /// Check modes of the load-table strand design, 1 on [LoadTableMode].
    int m_anLoadTableModes[kLoadTableModeCount] = {1, 1};
    double m_dLoadTableDeflRatio = 2000;  ///< the load tables' "L/" deflection ratio; not stored

    // ---- 3D model -------------------------------------------------------------------------------
    /// Colours of the 3D model [colour][red, green, blue], each 0 to 1; colour 0 is the girder's
    /// side faces. SetDefaultModelColors sets them.
    float m_afModelColour[kModelColourCount][kColourComponents] = {};

    bool operator==(const OptionsModel&) const = default;
};

}  // namespace kordel
