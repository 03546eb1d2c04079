// "Debonding Pattern and Detensioning": the debonded lengths of the pretensioned strands, group by
// group (End: from each girder end; Mid: either side of midspan), with the debonded totals
// against the design's limits, the preliminary debonding design, and the detensioning check with
// its cutting order. "Debonding Design Constraints" asks for the length step of the design.
#pragma once

#include <functional>
#include <string>

#include "document/model_limits.h"
#include "document/model_records.h"
#include "platform/ui/dialog.h"

namespace kordel {

class CKordelDoc;

inline constexpr int IDD_DEBONDING_DETENSIONING = 157;
inline constexpr int IDD_DEBONDING_DESIGN_CONSTRAINTS = 184;
inline constexpr int IDC_DEBOND_CLEAR = 1006;
inline constexpr int IDC_DEBOND_END = 1008;
inline constexpr int IDC_DEBOND_MID = 1009;
inline constexpr int IDC_DEBOND_GROUPS = 1212;
inline constexpr int IDC_DEBOND_GROUP = 1220;
inline constexpr int IDC_DEBOND_STRANDS = 1221;
inline constexpr int IDC_DEBOND_ELEVATION_END = 1222;
inline constexpr int IDC_DEBOND_ELEVATION_DRAPE = 1223;
inline constexpr int IDC_DEBOND_LENGTH_LABEL = 1227;
inline constexpr int IDC_DEBOND_TOTAL_PERCENT = 1228;
inline constexpr int IDC_DEBOND_LENGTH = 1229;
inline constexpr int IDC_DEBOND_ELEVATION_LABEL = 1288;
inline constexpr int IDC_DEBOND_DEBONDING_LABEL = 1289;
inline constexpr int IDC_DEBOND_DESIGN = 1351;
inline constexpr int IDC_DEBOND_LOCATION_LABEL = 1661;
inline constexpr int IDC_DEBOND_TOTAL_COUNT = 1665;
inline constexpr int IDC_DEBOND_ROW_PERCENT = 1688;
inline constexpr int IDC_DEBOND_ROW_COUNT = 1689;
inline constexpr int IDC_DEBOND_SEQUENCE = 1712;
inline constexpr int IDC_DEBOND_CHECK_DETENSIONING = 1750;
inline constexpr int IDC_DEBOND_INCREMENT = 1008;
inline constexpr int IDC_DEBOND_INCREMENT_LABEL = 1453;

/// "Debonding Design Constraints": the length step of the preliminary debonding design.
class CDebondingConstraintsDlg : public platform::ui::Dialog {
  public:
    CDebondingConstraintsDlg();
    bool OnInitDialog() override;
    void OnOK() override;
    void DoDataExchange(platform::ui::DataExchange& dx) override;

    static const platform::ui::DialogTemplate& Template();
    static constexpr const char* kStepMessage = "The debonding increment must be greater than 0.";

    int m_nUnits = 1;
    double m_dIncrement = 0;  ///< ft | m
};

class CDebondingDlg : public platform::ui::Dialog {
  public:
    CDebondingDlg();
    bool OnInitDialog() override;
    void OnOK() override;
    void DoDataExchange(platform::ui::DataExchange& dx) override;

    static const platform::ui::DialogTemplate& Template();
    static constexpr const char* kAllDebondedMessage = "Cannot debond 100% of strands.";
    static constexpr const char* kClearQuestion = "Are you sure you want to clear all debonding?";

    /// The list line of group `g` (from 0) as the members hold it.
    std::string GroupLine(int g) const;

    CKordelDoc* m_pDoc = nullptr;  ///< the design, for the Design button only
    /// Redraws every view of the design after the Design button changed it (set by the opener).
    std::function<void()> m_updateViews;
    int m_nGroupCount = 0;
    /// The groups: elevations and location in | m, End and Mid ft | m while open.
    StrandGroup m_aGroups[kMaxStrandGroups] = {};
    int m_nRowCount = 0;
    StrandPatternRow m_aEndRows[kMaxPatternRows] = {};  ///< always in
    int m_nCurGroup = 0;              ///< the group of the top line and the two edits
    double m_dDebondedLength = 0;     ///< total debonded strand length, ft | m
    double m_dDebondedCount = 0;      ///< strands debonded at the ends
    double m_dDebondedPercent = 0;    ///< of all strands
    double m_dStrandCount = 0;        ///< all strands of the groups
    double m_dDebondLengthStep = 0;   ///< ft | m
    float m_fRowDebondedPercent = 0;  ///< of the worst row's strands
    float m_fRowDebondedCount = 0;    ///< end-debonded strands of the worst row
    double m_dTotalLimit = 0;         ///< percent, shown only
    double m_dRowLimit = 0;           ///< percent, shown only
    int m_nUnits = 1;
    int m_bCheckDetensioning = 0;
    int m_anDetensionOrder[kMaxStrandGroups] = {};
    double m_dEndDebond = 0;  ///< End of the selected group, ft | m
    double m_dMidDebond = 0;  ///< Mid of the selected group, ft | m
    std::string m_strGroup, m_strStrands, m_strElevationEnd, m_strElevationDrape;
    std::string m_strLength, m_strTotalCount, m_strTotalPercent, m_strRowCount, m_strRowPercent;

  private:
    bool Metric() const { return m_nUnits != 1; }
    int UsedGroups() const;
    /// The top line and the two edits from group `g`.
    void ShowGroup(int g);
    void FillGroupList();
    /// The debonded length, count and strand count from the groups.
    void ComputeTotals();
    void UpdateTotals();
    /// The used groups (and the step) from US units to the units shown, and back.
    void ToShownUnits(bool withStep);
    void StoreEdits();
    void OnSelChangeGroups();
    void OnClear();
    void OnDesign();
    void OnDetensioningSequence();

    /// The groups and the step as handed in, US units: a value handed back as shown keeps
    /// its stored bits.
    StrandGroup m_aGroupsIn[kMaxStrandGroups] = {};
    double m_dDebondLengthStepIn = 0;
    double m_dDebondedLengthIn = 0;
};

}  // namespace kordel
