// "Longitudinal Rebar": the mild longitudinal bars of the girder and of the deck, each group
// held as layout rows (edited in "Girder Rebar" and "Deck Rebar", then expanded into bars) and
// as individual bars (whose transverse locations "Edit Rebar List" adjusts). Three drawings
// show them: the girder's elevation, and the sections at the face of the left bearing and at
// midspan.
#pragma once

#include "document/model_limits.h"
#include "document/model_records.h"
#include "platform/ui/dialog.h"

namespace kordel {

class CKordelDoc;

inline constexpr int IDD_LONGITUDINAL_REBAR = 201;
inline constexpr int IDC_LONGIT_MAGNIFY_BARS = 1339;
inline constexpr int IDC_LONGIT_EXPAND_VERTICAL = 1549;
inline constexpr int IDC_LONGIT_ELEVATION = 1565;
inline constexpr int IDC_LONGIT_SECTION_BEARING = 1566;
inline constexpr int IDC_LONGIT_SECTION_MIDSPAN = 1567;
inline constexpr int IDC_LONGIT_GIRDER_LAYOUT = 1570;
inline constexpr int IDC_LONGIT_DECK_LAYOUT = 1571;
inline constexpr int IDC_LONGIT_GIRDER_BAR_LIST = 1576;
inline constexpr int IDC_LONGIT_DECK_BAR_LIST = 1582;

/// Colour of the bars in the drawings.
inline constexpr platform::ui::Colour kRebarBlue = platform::ui::Rgb(0, 51, 153);

class CLongitRebarPat : public platform::ui::Dialog {
  public:
    CLongitRebarPat();
    bool OnInitDialog() override;
    void DoDataExchange(platform::ui::DataExchange& dx) override;
    void OnDrawItem(int id, platform::ui::DC& dc, platform::ui::Size clientSize) override;

    static const platform::ui::DialogTemplate& Template();

    /// Rebuilds the girder bars (the deck bars) from their rows, in the units shown.
    void ExpandGirderRows();
    void ExpandDeckRows();

    CKordelDoc* m_pDoc = nullptr;  ///< the open design (US units), read by the drawings
    int m_nUnits = 1;              ///< 1 US customary, 2 metric

    // The groups, in the units shown (heights and transverse locations in or m, lengths along
    // the girder ft or m, row areas in2 or mm2).
    int m_nGirderRowCount = 0;
    double m_aGirderRows[kMaxLongitRebarRows][kRebarRowValueCount] = {};
    int m_nDeckRowCount = 0;
    double m_aDeckRows[kMaxLongitRebarRows][kRebarRowValueCount] = {};
    int m_nGirderBarCount = 0;
    RebarBar m_aGirderBars[kMaxRebarBars];
    int m_nDeckBarCount = 0;
    RebarBar m_aDeckBars[kMaxRebarBars];
    /// Whether the group's bars are those its rows expand to (a layout was confirmed and no
    /// bar moved since): the opener then expands the stored rows itself, in the design's units.
    int m_bGirderBarsFromRows = 0;
    int m_bDeckBarsFromRows = 0;

    int m_bEndBlocks = 0;  ///< the design's end blocks are included
    /// Outline of the section at the face of the left bearing, in; 0 points: none drawn.
    double m_adBearingOutline[kMaxOutlinePoints][kPointValueCount] = {};
    int m_nBearingOutlineCount = 0;

    int m_bExpandVertical = 0;
    int m_bMagnifyBars = 0;
    double m_dBarDiameterFactor = 1.0;  ///< 2 while the bars are magnified

    // Pixels per inch of the last drawings, and the shown units in feet and inches.
    double m_dElevScaleX = 0;
    double m_dElevScaleY = 0;
    double m_dSectionScale = 0;
    double m_dLengthToFeet = 1.0;
    double m_dHeightToInches = 1.0;

  private:
    /// Bars from shown rows, their heights raised by `raiseInches`; returns their count.
    int ExpandShownRows(const double (*rows)[kRebarRowValueCount], int rowCount, double raiseInches,
                        RebarBar* bars) const;
    void OnGirderLayout();
    void OnDeckLayout();
    void OnGirderBarList();
    void OnDeckBarList();
    void DrawElevation(platform::ui::DC& dc, platform::ui::Size client);
    /// The section `k` (1: face of the left bearing, 2: midspan).
    void DrawSection(platform::ui::DC& dc, platform::ui::Size client, int k);
};

}  // namespace kordel
