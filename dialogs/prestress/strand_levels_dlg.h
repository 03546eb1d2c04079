// "Strand Pattern": the pretensioned strand pattern edited level by level in three lists (the
// straight and the draped group at the girder end, the draped group at the drape point), each
// level a row of the section's strand template, with the profile, the pull fractions, running
// totals and "Design Pattern", which runs the preliminary strand design on the design.
#pragma once

#include <string>

#include "document/model_limits.h"
#include "document/model_records.h"
#include "platform/ui/dialog.h"

namespace kordel {

class CKordelDoc;

inline constexpr int IDD_STRAND_PATTERN = 140;
inline constexpr int IDC_LEVELS_CLEAR = 1006;
inline constexpr int IDC_LEVELS_DRAPE_QTY = 1007;
inline constexpr int IDC_LEVELS_TOP_PULL = 1008;
inline constexpr int IDC_LEVELS_END_DRAPED_QTY = 1022;
inline constexpr int IDC_LEVELS_BACK = 1027;
inline constexpr int IDC_LEVELS_NEXT = 1035;
inline constexpr int IDC_LEVELS_DRAPE_FRACTION = 1110;
inline constexpr int IDC_LEVELS_STRAIGHT = 1111;
inline constexpr int IDC_LEVELS_DRAPED = 1112;
inline constexpr int IDC_LEVELS_STRAIGHT_LIST = 1113;
inline constexpr int IDC_LEVELS_DRAPE_LIST = 1114;
inline constexpr int IDC_LEVELS_BALANCE_PULL = 1115;
inline constexpr int IDC_LEVELS_STRAIGHT_QTY = 1116;
inline constexpr int IDC_LEVELS_DRAPE_ELEV = 1119;
inline constexpr int IDC_LEVELS_SECTION = 1171;
inline constexpr int IDC_LEVELS_STRAND = 1172;
inline constexpr int IDC_LEVELS_XL = 1175;
inline constexpr int IDC_LEVELS_STRAIGHT_LEV = 1176;
inline constexpr int IDC_LEVELS_STRAIGHT_CAP = 1177;
inline constexpr int IDC_LEVELS_DRAPE_LEV = 1178;
inline constexpr int IDC_LEVELS_DRAPE_CAP = 1179;
inline constexpr int IDC_LEVELS_COUNT = 1180;
inline constexpr int IDC_LEVELS_CG_END = 1182;
inline constexpr int IDC_LEVELS_CG_DRAPE = 1183;
inline constexpr int IDC_LEVELS_DRAPE_HEAD_ELEV = 1189;
inline constexpr int IDC_LEVELS_END_DRAPED_LIST = 1191;
inline constexpr int IDC_LEVELS_STRAIGHT_ELEV = 1192;
inline constexpr int IDC_LEVELS_END_DRAPED_ELEV = 1193;
inline constexpr int IDC_LEVELS_END_DRAPED_LEV = 1194;
inline constexpr int IDC_LEVELS_END_DRAPED_CAP = 1195;
inline constexpr int IDC_LEVELS_END_DRAPED_HEAD_ELEV = 1202;
inline constexpr int IDC_LEVELS_LENGTH = 1227;
inline constexpr int IDC_LEVELS_STRAIGHT_HEAD_ELEV = 1285;
inline constexpr int IDC_LEVELS_LENGTH_LABEL = 1286;
inline constexpr int IDC_LEVELS_CG_LABEL = 1287;
inline constexpr int IDC_LEVELS_DESIGN = 1337;

class CStrandPatDlg : public platform::ui::Dialog {
  public:
    CStrandPatDlg();
    bool OnInitDialog() override;
    void OnOK() override;
    void DoDataExchange(platform::ui::DataExchange& dx) override;

    static const platform::ui::DialogTemplate& Template();

    /// Fills the dialog from the design (US units).
    void CopyIn(CKordelDoc& doc);
    /// Writes the edited pattern back; the top pull fraction too when `topPull`.
    void CopyBack(CKordelDoc& doc, bool topPull) const;

    CKordelDoc* m_pDoc = nullptr;
    int m_bDesignRan = 0;  ///< "Design Pattern" wrote a design into the document
    int m_nDlgState = 0;
    int m_nPatternType = 1;
    double m_dGirderLength = 0;  ///< ft
    double m_dDesignSpan = 0;    ///< ft
    int m_nRowCount = 0;
    /// The pattern and the template are held in inches while the dialog is open; a metric
    /// design shows them in metres.
    double m_adTemplate[kMaxPatternRows][kMaxPatternColumns] = {};
    StrandPatternRow m_aEndRows[kMaxPatternRows] = {};
    StrandPatternRow m_aDrapeRows[kMaxPatternRows] = {};
    int m_nStraightLevel = 0, m_nDrapedEndLevel = 0, m_nDrapePointLevel = 0;
    int m_nStrandCount = 0;
    double m_dEndCount = 0, m_dDrapeCount = 0;
    double m_dCgEnd = 0, m_dCgDrape = 0;  ///< in
    double m_dTotalLength = 0;            ///< ft
    int m_nUnits = 1;
    double m_dTopPull = 0, m_dBalancePull = 0;
    double m_dDrapeFraction = 0;
    double m_dStraightQty = 0, m_dDrapedEndQty = 0, m_dDrapePointQty = 0;
    double m_dDrapePointElev = 0;  ///< in | m
    std::string m_strSectionName, m_strStrandName;
    std::string m_strStraightLev, m_strStraightCap, m_strStraightElev;
    std::string m_strEndDrapedLev, m_strEndDrapedCap, m_strEndDrapedElev;
    std::string m_strDrapeLev, m_strDrapeCap;
    std::string m_strCount, m_strLength, m_strCgEnd, m_strCgDrape;

  private:
    enum List { kStraight, kDrapedEnd, kDrapePoint };
    int RowOfLine(int line) const { return m_nRowCount - 1 - line; }
    double Shown(double inches) const;
    std::string Line(List list, int row) const;
    void FillLists();
    void ShowLevel(List list);
    /// Stores the edits of `list` into its selected level; false when an edit is refused.
    bool StoreLevel(List list);
    void ComputeTotals();
    void SetDrapedControls(bool on);
    void ResetSelection();
    void OnSelChange(List list);
    void OnStraight();
    void OnDraped();
    void OnClear();
    void OnDesignPattern();
};

}  // namespace kordel
