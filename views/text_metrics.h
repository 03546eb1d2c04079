// Layout numbers of the views that show a document line array in a fixed-pitch font (the text
// report and the girder summary): line height and average character width on the screen and on
// the printer, the widest line, lines per printed page, the page count and the printable
// rectangle of the default printer. Each object computes on the first request and keeps its
// numbers until it is invalidated.
//
// All lengths are logical units of one mapping mode shared by every metrics object (the views set
// MapMode::LoEnglish, 0.01 inch with y up); device units appear only where a comment says so.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/ui/dc.h"

namespace kordel {

class CKordelDoc;

class CMetrics {
  public:
    virtual ~CMetrics() = default;

    /// The next request computes again.
    virtual void Invalidate() { m_bValid = 0; }
    /// Computes the numbers (the base only marks them computed).
    virtual void Calculate() { m_bValid = 1; }
    bool IsValid() const { return m_bValid != 0; }

    /// The mapping mode every metrics object measures in.
    static void SetMapMode(platform::ui::MapMode mode) { s_mapMode = mode; }
    static platform::ui::MapMode GetMapMode() { return s_mapMode; }

    /// A device context for the "printer" values: the default printer's, or the screen's when
    /// there is no printer; nullptr when neither can be had. Already in the shared mapping mode.
    static std::unique_ptr<platform::ui::DC> CreateMeasureDC();
    /// The screen's device context, in the shared mapping mode; nullptr when there is none.
    static std::unique_ptr<platform::ui::DC> CreateScreenDC();

  protected:
    /// The start of every Calculate: false when the numbers are already computed, otherwise
    /// marks them computed and returns true.
    bool BeginCalculate();

    int m_bValid = 0;  ///< BOOL: the numbers are computed

  private:
    static platform::ui::MapMode s_mapMode;
};

/// Line and character sizes of one line array in one font, on the screen and on the printer.
class CViewMetrics : public CMetrics {
  public:
    /// Measures `lines` (not owned), or the document's report lines when none are given.
    explicit CViewMetrics(CKordelDoc& doc, const std::vector<std::string>* lines = nullptr);

    void Calculate() override;
    /// (widest line, screen line height), logical units.
    virtual platform::ui::Size GetExtent();
    /// (average character width, line height = tmHeight + tmExternalLeading) on the printer
    /// when `printer` is set, else on the screen, logical units.
    virtual platform::ui::Size GetCharSize(bool printer);

    /// The font to measure with (not owned); the next request measures again. Giving the same
    /// font again keeps the numbers, which cannot change.
    void SetFont(const platform::ui::Font* font);
    const platform::ui::Font* GetFont() const { return m_pFont; }
    int LogPixelsX() const { return m_nLogPixelsX; }
    int LogPixelsY() const { return m_nLogPixelsY; }
    int ExternalLeading() const { return m_nExternalLeading; }

  private:
    /// Selects the font on `dc` and reads (average width, line height).
    platform::ui::Size MeasureCharSize(platform::ui::DC& dc);

    platform::ui::Size m_sizePrinterChar;         ///< printer (tmAveCharWidth, tmHeight + leading)
    platform::ui::Size m_sizeScreenChar;          ///< the same on the screen
    platform::ui::Size m_sizeExtent;              ///< (widest line, screen line height)
    int m_nLogPixelsX = 0;                        ///< screen pixels per inch across
    int m_nLogPixelsY = 0;                        ///< screen pixels per inch down
    const CKordelDoc* m_pDocument;                ///< not owned
    const std::vector<std::string>* m_pLines;     ///< the measured array, not owned
    int m_nExternalLeading = 0;                   ///< the screen font's tmExternalLeading
    const platform::ui::Font* m_pFont = nullptr;  ///< the font measured, not owned
};

/// Margins of the printed page and the rectangle the text goes in, on the default printer.
class CMargins : public CMetrics {
  public:
    /// The requested margins from the sheet's edges: 0.65 inch left, 0.40 inch on the others.
    static constexpr int kLeftMargin = 65;
    static constexpr int kTopMargin = 40;
    static constexpr int kRightMargin = 40;
    static constexpr int kBottomMargin = 40;

    CMargins() = default;

    void Calculate() override;

    /// The requested margins (left, top, right, bottom), logical units from the sheet's edges.
    platform::ui::Rect GetMargins();
    /// The sheet, device units of the measuring printer.
    platform::ui::Size GetPhysicalPageSize();
    /// Where printed text goes: logical units with the origin at the printable area's top-left
    /// corner (y up, so top is 0 or below and bottom negative).
    platform::ui::Rect GetPrintableRect();
    /// The margins less the unprintable strips; negative where a strip is wider than its
    /// margin.
    platform::ui::Rect GetMarginsLessOffsets() const;

  private:
    int m_nLeftMargin = kLeftMargin;
    int m_nTopMargin = kTopMargin;
    int m_nRightMargin = kRightMargin;
    int m_nBottomMargin = kBottomMargin;
    platform::ui::Point m_ptPrintingOffset;  ///< left and top unprintable strips, logical
    int m_nRightUnprintable = 0;             ///< right unprintable strip, logical
    int m_nBottomUnprintable = 0;            ///< bottom unprintable strip, logical
    platform::ui::Point m_ptOrigin;          ///< the printable area's corner, logical
    int m_nHorzRes = 0;                      ///< printable width, logical
    int m_nVertRes = 0;                      ///< printable height, logical (negative)
    platform::ui::Rect m_rcPrintable;        ///< the text rectangle, logical
    platform::ui::Size m_sizePhysicalPage;   ///< the sheet, device units
};

/// Lines per printed page and the page count of the document's report lines.
class CPageMetrics : public CMetrics {
  public:
    CPageMetrics(CKordelDoc& doc, CMargins& margins, CViewMetrics& viewMetrics);

    void Calculate() override;
    virtual int GetPageCount();
    /// Whether line `index` ends a page. Never calculates: false for every line until the
    /// numbers have been computed.
    virtual bool IsPageBreak(int index) const;
    int GetLinesPerPage();

  private:
    int m_nLinesPerPage = 0;
    int m_nPageCount = 0;
    CKordelDoc* m_pDocument;       ///< not owned
    CViewMetrics* m_pViewMetrics;  ///< not owned
    CMargins* m_pMargins;          ///< not owned
};

}  // namespace kordel
