// "Prestressing  (Pretensioning)": the pretensioned strands of the design, entered either as a
// strand pattern on the rows of the section's strand template (straight, or draped at a point
// given as a fraction of the span or as a distance) or as one jacking force with its centroid
// at the girder end and at midspan. Shows the running totals and three drawings (the profile
// with the strand centroid line, the section at the girder end and at the drape point with the
// strand groups). "Design..." runs the preliminary strand design on the design itself,
// "Layout and Pull..." and "Strand List..." edit the pattern and its groups.
#pragma once

#include <functional>
#include <string>

#include "document/model_limits.h"
#include "document/model_records.h"
#include "platform/ui/dialog.h"

namespace kordel {

class CKordelDoc;

inline constexpr int IDD_PRETENSIONING = 196;
inline constexpr int IDC_PRETENSION_CG_END = 1010;
inline constexpr int IDC_PRETENSION_ENTRY_PATTERN = 1014;
inline constexpr int IDC_PRETENSION_ENTRY_FORCE = 1015;
inline constexpr int IDC_PRETENSION_VAR = 1023;
inline constexpr int IDC_PRETENSION_FIX = 1024;
inline constexpr int IDC_PRETENSION_DRAPE_FRACTION = 1110;
inline constexpr int IDC_PRETENSION_STRAIGHT = 1111;
inline constexpr int IDC_PRETENSION_DRAPED = 1112;
inline constexpr int IDC_PRETENSION_XL = 1175;
inline constexpr int IDC_PRETENSION_STRAND_COUNT = 1180;
inline constexpr int IDC_PRETENSION_CG_END_TEXT = 1182;
inline constexpr int IDC_PRETENSION_CG_DRAPE_TEXT = 1183;
inline constexpr int IDC_PRETENSION_TOTAL_LENGTH = 1227;
inline constexpr int IDC_PRETENSION_DESIGN = 1337;
inline constexpr int IDC_PRETENSION_SHOW_STRAIGHT = 1339;
inline constexpr int IDC_PRETENSION_CG_MID = 1340;
inline constexpr int IDC_PRETENSION_PULL_FRAME = 1509;
inline constexpr int IDC_PRETENSION_TOP_PULL = 1510;
inline constexpr int IDC_PRETENSION_BALANCE_PULL = 1511;
inline constexpr int IDC_PRETENSION_JACKING_FRAME = 1512;
inline constexpr int IDC_PRETENSION_PJACK = 1513;
inline constexpr int IDC_PRETENSION_TOP_LABEL = 1514;
inline constexpr int IDC_PRETENSION_BALANCE_LABEL = 1515;
inline constexpr int IDC_PRETENSION_TOP_FPU = 1516;
inline constexpr int IDC_PRETENSION_BALANCE_FPU = 1517;
inline constexpr int IDC_PRETENSION_PJACK_LABEL = 1518;
inline constexpr int IDC_PRETENSION_CG_END_LABEL = 1519;
inline constexpr int IDC_PRETENSION_CG_MID_LABEL = 1520;
inline constexpr int IDC_PRETENSION_PROFILE = 1521;
inline constexpr int IDC_PRETENSION_END_SECTION = 1522;
inline constexpr int IDC_PRETENSION_DRAPE_SECTION = 1523;
inline constexpr int IDC_PRETENSION_LAYOUT = 1524;
inline constexpr int IDC_PRETENSION_STRAND_LIST = 1525;
inline constexpr int IDC_PRETENSION_SHOW_CG = 1529;
inline constexpr int IDC_PRETENSION_SHOW_DRAPED = 1532;
inline constexpr int IDC_PRETENSION_EXPAND_VERTICAL = 1549;
inline constexpr int IDC_PRETENSION_DRAPE_DISTANCE = 1626;
inline constexpr int IDC_PRETENSION_FT = 1627;
inline constexpr int IDC_PRETENSION_CG_END_UNIT = 1646;
inline constexpr int IDC_PRETENSION_CG_DRAPE_UNIT = 1647;
inline constexpr int IDC_PRETENSION_LENGTH_UNIT = 1648;

class CStrandPatDlgV3 : public platform::ui::Dialog {
  public:
    CStrandPatDlgV3();
    bool OnInitDialog() override;
    void OnOK() override;
    void DoDataExchange(platform::ui::DataExchange& dx) override;
    void OnDrawItem(int id, platform::ui::DC& dc, platform::ui::Size clientSize) override;

    static const platform::ui::DialogTemplate& Template();

    CKordelDoc* m_pDoc = nullptr;
    /// Runs after "Design..." changed the design (the opener updates the views).
    std::function<void()> m_onDesigned;
    int m_bDesignRan = 0;  ///< "Design..." wrote a design into the document

    int m_nEntryMode = 1;  ///< 1 "Strand Pattern", 999 "P-Force"
    int m_nPatternType = 1;
    int m_nDrapePointMode = 1;
    int m_nPrestressType = 1;
    double m_dGirderLength = 0;  ///< ft | m
    double m_dDesignSpan = 0;    ///< ft | m
    int m_nRowCount = 0;
    int m_nTemplateLayout = 1;
    int m_nColumnCount = 1;
    double m_adTemplate[kMaxPatternRows][kMaxPatternColumns] = {};  ///< in | m
    StrandPatternRow m_aEndRows[kMaxPatternRows] = {};              ///< in | m
    StrandPatternRow m_aDrapeRows[kMaxPatternRows] = {};            ///< in | m
    int m_bHasDraped = 0;
    int m_nTopPullStrandCount = 0;
    int m_nGroupCount = 0;
    StrandGroup m_aGroups[kMaxStrandGroups] = {};  ///< in
    int m_nStrandCount = 0;
    double m_dEndCount = 0;
    double m_dDrapeCount = 0;
    double m_dCgEnd = 0;       ///< in | m
    double m_dCgDrape = 0;     ///< in | m
    double m_dTotalLength = 0; ///< ft | m
    int m_nUnits = 1;
    double m_dWebLocation = 0;    ///< in
    double m_dSectionHeight = 0;  ///< in | m
    int m_bIncludeEndBlocks = 0;
    double m_adEndOutline[kMaxOutlinePoints][kPointValueCount] = {};  ///< in
    int m_nEndOutlineCount = 0;
    double m_dTopPull = 0;
    double m_dBalancePull = 0;
    double m_dDrapeFraction = 0;
    double m_dDrapeDistance = 0;  ///< ft in both unit systems
    double m_dPjack = 0;          ///< kip | kN
    double m_dPForceCgEnd = 0;    ///< in | m
    double m_dPForceCgMid = 0;    ///< in | m
    std::string m_strStrandCount, m_strTotalLength, m_strCgEnd, m_strCgDrape;
    int m_bShowCg = 0, m_bShowDraped = 0, m_bShowStraight = 0, m_bExpandVertical = 0;

    double m_dProfileScaleX = 0;
    double m_dProfileScaleY = 0;
    double m_dSectionScale = 0;

  private:
    /// The pattern lengths of the rows in use in US units, and the values they came from.
    struct UsPattern {
        StrandPatternRow end[kMaxPatternRows] = {};
        StrandPatternRow drape[kMaxPatternRows] = {};
        double strandTemplate[kMaxPatternRows][kMaxPatternColumns] = {};
        double cgEnd = 0, cgDrape = 0, totalLength = 0;
    };
    /// The shown pattern in US units: a value still as it was shown keeps its own digits.
    void PatternInUs(UsPattern& us) const;
    /// Takes `us` as the pattern and shows it in the design's units.
    void ShowPattern(const UsPattern& us);
    void SetEntryControls(bool pattern);
    void SetProfileControls();
    void ComputeTotals();
    void RebuildGroups();
    void OnStrandPattern();
    void OnPForce();
    void OnStraight();
    void OnDraped();
    void OnDesign();
    void OnLayoutAndPull();
    void OnStrandList();

    void ComputeProfileScales(platform::ui::Size client);
    void DrawProfile(platform::ui::DC& dc, platform::ui::Size client);
    double ComputeSectionScale(platform::ui::Size client) const;
    void DrawSection(platform::ui::DC& dc, platform::ui::Size client, bool atEnd);

    bool Metric() const { return m_nUnits != 1; }
    UsPattern m_usBase;  ///< what the shown metric pattern was converted from
    double m_dPjackBase = 0, m_dPForceCgEndBase = 0, m_dPForceCgMidBase = 0;
};

}  // namespace kordel
