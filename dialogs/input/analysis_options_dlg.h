// "Analysis Options": the switches and method codes that steer the analysis (strand
// transformation in the section properties, the effective deck width, load rating with its
// additional rating vehicles, load combinations, the vertical shear method, strength and live
// load options). Every member holds the design's own value; only the user-specified deck width
// is shown in metres for a metric design (the command converts it).
#pragma once

#include "document/model_limits.h"
#include "document/model_records.h"
#include "platform/ui/dialog.h"

namespace kordel {

class CKordelDoc;

inline constexpr int IDD_ANALYSIS_OPTIONS = 183;
inline constexpr int IDC_TRANSFORM_NONE = 1024;
inline constexpr int IDC_TRANSFORM_LIVE_LOAD = 1014;
inline constexpr int IDC_TRANSFORM_ALL = 1015;
inline constexpr int IDC_TRANSFORM_ALL_BUT_LIVE_LOAD = 1023;
inline constexpr int IDC_EFF_WIDTH_AASHTO = 1025;
inline constexpr int IDC_EFF_WIDTH_CALTRANS = 1026;
inline constexpr int IDC_EFF_WIDTH_USER = 1361;
inline constexpr int IDC_USER_EFF_WIDTH = 1662;
inline constexpr int IDC_USER_EFF_WIDTH_UNIT = 1663;
inline constexpr int IDC_INCLUDE_LOAD_RATING = 1690;
inline constexpr int IDC_RATING_INVENTORY = 1691;
inline constexpr int IDC_RATING_OPERATING = 1692;
inline constexpr int IDC_RATING_IGNORE_FWS = 1746;
inline constexpr int IDC_ADDITIONAL_VEHICLES = 1779;
inline constexpr int IDC_INCLUDE_STRENGTH_II = 1341;
inline constexpr int IDC_SERVICE_COMBO_I = 1744;
inline constexpr int IDC_RESTRAINING_MOMENT_FACTOR = 1806;
inline constexpr int IDC_VC_QUARTER_PTS_REINFORCED = 1339;
inline constexpr int IDC_DV_ALL_STEEL = 1741;
inline constexpr int IDC_SHEAR_SECTIONAL = 1672;
inline constexpr int IDC_SHEAR_SIMPLIFIED = 1678;
inline constexpr int IDC_SHEAR_STANDARD = 1671;
inline constexpr int IDC_SHEAR_APPENDIX_B5 = 1732;
inline constexpr int IDC_STRAIN_COMPATIBILITY = 1743;
inline constexpr int IDC_INTERIOR_PIERS_REINFORCED = 1739;
inline constexpr int IDC_CHECK_SINGLE_LANE = 1318;
inline constexpr int IDC_CHECK_LOWBOY = 1667;
inline constexpr int IDC_SKEW_ADJUST_MOMENT_DF = 1745;
inline constexpr int IDC_INCREASED_DOUBLE_TRUCK = 1747;
inline constexpr int IDC_FATIGUE_ONE_TRUCK = 1750;
inline constexpr int IDC_TRANSFORM_PS_STRAND = 1021;

class CAnalysisOptionsDlg : public platform::ui::Dialog {
  public:
    CAnalysisOptionsDlg();
    bool OnInitDialog() override;
    void DoDataExchange(platform::ui::DataExchange& dx) override;
    static const platform::ui::DialogTemplate& Template();

    int m_nTransformStrandsMode = 0;
    int m_nEffWidthMethod = 0;
    double m_dUserEffWidth = 0;  ///< in (m for a metric design)
    int m_bIncludeLoadRating = 0;
    int m_bRatingInventory = 0;
    int m_bRatingOperating = 0;
    int m_bRatingIgnoreFws = 0;
    VehicleRecord m_aRatingVehicles[kMaxAdditionalVehicles] = {};
    int m_nRatingVehicleCount = 0;  ///< records in use, 0 to 30
    int m_bIncludeStrengthII = 0;
    int m_bServiceComboI = 0;
    double m_dRestrainingMomentFactor = 0;
    int m_bVcQuarterPtsReinforced = 0;
    int m_bDvAllSteel = 0;
    int m_nShearMethod = 0;
    int m_bShearAppendixB5 = 0;
    int m_bStrainCompatibility = 0;
    int m_bInteriorPiersReinforced = 0;
    int m_bCheckSingleLane = 0;
    int m_bCheckLowboy = 0;
    int m_bSkewAdjustMomentDf = 0;
    int m_bIncreasedDoubleTruck = 0;
    int m_bFatigueOneTruck = 0;
    int m_bTransformPsStrand = 0;  ///< hidden "Transform PS strand": carried through
    int m_nLossMethod = 0;         ///< read only: kLossLrfd6thDetailed locks the transformation
    int m_nUnits = 1;              ///< read only: 1 US customary, 2 metric
    /// Read only: the design whose last analysis gives the effective deck width.
    const CKordelDoc* m_pDoc = nullptr;

  private:
    bool Metric() const;
    void OnEffWidth(int method);
    void OnShearMethod(int method);
    void EnableRatingControls();
    void OnAdditionalVehicles();
};

}  // namespace kordel
