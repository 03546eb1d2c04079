// "Generate Load Tables": the girder section of the open design over a range of spans at up to
// four girder spacings. "Generate" designs the strands of every case and keeps the cases within
// the limits of f'ci and strand count as one table per spacing, drawn as a chart of strands
// against span; "Print..." prints the chart and the tables, "Results..." lists the rows and can
// make one of them the current design. The design itself comes back unchanged from a
// generation: only "Set as Current Design" changes it.
#pragma once

#include <string>

#include "document/load_tables.h"
#include "document/model_limits.h"
#include "platform/ui/dialog.h"

namespace kordel {

class CKordelDoc;

inline constexpr int IDD_LOAD_TABLES = 188;
inline constexpr int IDC_LT_SECTION_NAME = 1478;
inline constexpr int IDC_LT_SECTION_HEIGHT = 1136;
inline constexpr int IDC_LT_SECTION_YB = 1137;
inline constexpr int IDC_LT_SECTION_AREA = 1108;
inline constexpr int IDC_LT_SECTION_IXX = 1138;
inline constexpr int IDC_LT_SPACING_A = 1492;
inline constexpr int IDC_LT_SPACING_B = 1493;
inline constexpr int IDC_LT_SPACING_C = 1494;
inline constexpr int IDC_LT_SPACING_D = 1495;
inline constexpr int IDC_LT_SLAB_A = 1496;
inline constexpr int IDC_LT_SLAB_B = 1344;
inline constexpr int IDC_LT_SLAB_C = 1346;
inline constexpr int IDC_LT_SLAB_D = 1349;
inline constexpr int IDC_LT_FCI_MIN = 1022;
inline constexpr int IDC_LT_FCI_MAX = 1009;
inline constexpr int IDC_LT_STRANDS_MIN = 1010;
inline constexpr int IDC_LT_STRANDS_MAX = 1340;
inline constexpr int IDC_LT_STRESS = 1339;
inline constexpr int IDC_LT_STRENGTH = 1508;
inline constexpr int IDC_LT_SPAN_MIN = 1033;
inline constexpr int IDC_LT_SPAN_MAX = 1342;
inline constexpr int IDC_LT_SPAN_INC = 1347;
inline constexpr int IDC_LT_SPACING_NOW = 1628;
inline constexpr int IDC_LT_SPAN_NOW = 1629;
inline constexpr int IDC_LT_DEFL_RATIO = 1507;
inline constexpr int IDC_LT_GENERATE = 1485;
inline constexpr int IDC_LT_PRINT = 1481;
inline constexpr int IDC_LT_RESULTS = 1482;
inline constexpr int IDC_LT_CHART = 1483;

class CLoadTablesDlg : public platform::ui::Dialog {
  public:
    explicit CLoadTablesDlg(CKordelDoc& doc);
    bool OnInitDialog() override;
    void OnOK() override;
    void DoDataExchange(platform::ui::DataExchange& dx) override;
    void OnDrawItem(int id, platform::ui::DC& dc, platform::ui::Size clientSize) override;

    static const platform::ui::DialogTemplate& Template();

    /// "Generate": refuses a request that cannot be generated (with its reason; neither box
    /// under "Modes to Chk" ticked is one), else builds the tables on the checks ticked and
    /// puts the design back as it was.
    void OnGenerate();
    /// "Print...": the chart and the tables in the print job "KordelLoadTable".
    void OnPrint();
    /// "Results...": the rows listed; the row chosen with "Set as Current Design" becomes the
    /// design, its strands designed on the checks the tables were generated with.
    void OnResults();

    CKordelDoc& m_doc;

    std::string m_strSectionName;
    double m_dSectionHeight = 0;  ///< in
    double m_dSectionYb = 0;      ///< in
    double m_dSectionArea = 0;    ///< in2
    double m_dSectionIxx = 0;     ///< in4
    double m_dSpacingA = 0, m_dSpacingB = 0, m_dSpacingC = 0, m_dSpacingD = 0;  ///< ft
    double m_dSlabA = 0, m_dSlabB = 0, m_dSlabC = 0, m_dSlabD = 0;              ///< in
    double m_dFciMin = 0;  ///< ksi
    double m_dFciMax = 0;  ///< ksi
    int m_nStrandsMin = 0;
    int m_nStrandsMax = 0;
    int m_bStress = 1;
    int m_bStrength = 1;
    double m_dSpanMin = 0;  ///< ft
    double m_dSpanMax = 0;  ///< ft
    double m_dSpanInc = 0;  ///< ft
    std::string m_strSpacingNow;
    std::string m_strSpanNow;
    double m_dDeflRatio = 0;

    /// The spacings and slabs the document exchanges, entries 1 to 4 (A to D).
    double m_adSpacing[kLoadTableSpacingSlots] = {};
    double m_adSlab[kLoadTableSpacingSlots] = {};
    int m_anModes[kLoadTableModeCount] = {};
    int m_nSpacingCount = 0;
    /// The tables: those the design kept from an earlier opening, then each generation's.
    LoadTableSet m_tables;
    /// Whether "Set as Current Design" changed the design while the dialog was open.
    bool m_bDesignApplied = false;

  private:
    /// The spacing and slab fields into m_adSpacing and m_adSlab, the check boxes into the
    /// first two modes.
    void KeepFields();
    void EnableTableButtons();
};

}  // namespace kordel
