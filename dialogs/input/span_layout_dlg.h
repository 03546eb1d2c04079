// "Span Layout": the spans of a continuous chain, one line each in a list, one span at a time in
// the row of edits above it: centreline-to-centreline length, the girder in the span (section
// from the library, length, left offset) and the bearing pads at both ends; an elevation of the
// spans and girders across the top.
#pragma once

#include <string>
#include <vector>

#include "document/model_limits.h"
#include "platform/ui/dialog.h"

namespace kordel {

inline constexpr int IDD_SPAN_LAYOUT = 165;
inline constexpr int IDC_SPAN_GIRDER_PICKER = 1003;
inline constexpr int IDC_SPAN_GIRDER_OFFSET_LEFT = 1007;
inline constexpr int IDC_SPAN_LENGTH = 1009;
inline constexpr int IDC_SPAN_GIRDER_LENGTH = 1016;
inline constexpr int IDC_SPAN_COUNT = 1022;
inline constexpr int IDC_SPAN_PAD_LEFT = 1033;
inline constexpr int IDC_SPAN_PAD_RIGHT = 1034;
inline constexpr int IDC_SPAN_COUNT_SPIN = 1306;
inline constexpr int IDC_SPAN_LIST = 1308;
inline constexpr int IDC_SPAN_GIRDER_OFFSET_RIGHT = 1309;
inline constexpr int IDC_SPAN_PIER_LEFT = 1310;
inline constexpr int IDC_SPAN_PIER_RIGHT = 1311;
inline constexpr int IDC_SPAN_NUMBER = 1312;
inline constexpr int IDC_SPAN_PICTURE = 1322;
inline constexpr int IDC_SPAN_EXPAND_VERTICAL = 1339;
inline constexpr int IDC_SPAN_COUNT_LABEL = 1363;
inline constexpr int IDC_SPAN_SPAN_LENGTH_LABEL = 1421;
inline constexpr int IDC_SPAN_GIRDER_LENGTH_LABEL = 1422;
inline constexpr int IDC_SPAN_GIRDER_OFFSETS_LABEL = 1423;
inline constexpr int IDC_SPAN_PAD_OFFSETS_LABEL = 1424;
inline constexpr int IDC_SPAN_ELEVATION = 1564;

/// Slots of the per-span tables: slot s for span s, slot 0 unused.
inline constexpr int kSpanLayoutSlots = 21;
/// Library sections the girder picker lists; a folder with more files lists the first ones.
inline constexpr int kMaxLibrarySections = 301;
/// Span counts the count edit takes.
inline constexpr int kSpanLayoutMinSpans = 1;
inline constexpr int kSpanLayoutMaxSpans = 10;

class CSpanLayoutDlg : public platform::ui::Dialog {
  public:
    CSpanLayoutDlg();
    bool OnInitDialog() override;
    void OnOK() override;
    void DoDataExchange(platform::ui::DataExchange& dx) override;
    void OnDrawItem(int id, platform::ui::DC& dc, platform::ui::Size clientSize) override;

    static const platform::ui::DialogTemplate& Template();
    /// The line of the list for span `s` (1-based) from the stored tables.
    std::string SpanLine(int s) const;

    int m_bContinuous = 1;
    int m_nUnits = 1;
    int m_nSpans = 1;
    int m_nCurrentSpan = 1;
    double m_adSpanLength[kSpanLayoutSlots] = {};        ///< ft | m
    double m_adGirderLength[kSpanLayoutSlots] = {};      ///< ft | m
    double m_adGirderOffsetLeft[kSpanLayoutSlots] = {};  ///< ft | m
    double m_adPadOffsetLeft[kSpanLayoutSlots] = {};     ///< ft | m
    double m_adPadOffsetRight[kSpanLayoutSlots] = {};    ///< ft | m
    double m_adSpanSectionProps[kSpanLayoutSlots][kSpanSectionPropCount] = {};  ///< I, A, yb
    std::vector<std::string> m_saGirderIds;              ///< element s-1 for span s
    double m_dDrawHeight = 0;                            ///< girder depth drawn, in
    /// The library folder (ends in '/'); set by the opener, read from the settings when empty.
    std::string m_strLibraryFolder;

    // Library sections in picker order.
    std::vector<std::string> m_saLibrarySections;
    double m_adLibArea[kMaxLibrarySections] = {};
    double m_adLibInertia[kMaxLibrarySections] = {};
    double m_adLibCentroid[kMaxLibrarySections] = {};
    double m_adLibHeight[kMaxLibrarySections] = {};

    int m_nRow = 0;  ///< the edit row shows span m_nRow + 1
    int m_bExpandVerticalScale = 0;

    // The edit row.
    std::string m_strPierLeft, m_strPierRight, m_strSpanNumber, m_strGirderOffsetRight;
    double m_dSpanLength = 0;
    double m_dGirderLength = 0;
    double m_dGirderOffsetLeft = 0;
    double m_dPadOffsetLeft = 0;
    double m_dPadOffsetRight = 0;

  private:
    void FillGirderPicker();
    void FillList();
    void ShowSpan(int k);
    /// The girder picker's field shows the girder ID of the span in the edit row, whether or
    /// not the library holds that section.
    void ShowGirderId();
    void StoreEditRow();
    /// Spans `last` + 1 to `count` become copies of span `last` (not its section properties),
    /// so that every span has its lengths and girder ID.
    void AddSpans(int last, int count);
    void OnListSelection();
    void OnGirderPicked();
    bool OnSpanCountSpin(int pos, int delta);
};

}  // namespace kordel
