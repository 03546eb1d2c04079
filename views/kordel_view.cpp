#include "views/kordel_view.h"

#include <algorithm>

#include "document/kordel_doc.h"
#include "resources/resource_ids.h"
#include "views/sheet_page1.h"
#include "views/sheet_page2.h"
#include "views/sheet_page3.h"
#include "views/sheet_page4.h"
#include "views/title_block.h"
#include "views/view_paging.h"

namespace kordel {

using namespace platform::ui;

CKordelView::CKordelView() {
    // The results commands answer here while this view is active: the text printouts are
    // enabled, and no results command carries a check mark.
    auto uncheck = [](CmdUI& ui) { ui.SetCheck(false); };
    m_commands.OnUpdate(ID_RESULTS_GRAPHS, uncheck);
    m_commands.OnUpdate(ID_RESULTS_CODE_COMPLIANCE, uncheck);
    auto textPrintout = [](CmdUI& ui) {
        ui.Enable(true);
        ui.SetCheck(false);
    };
    m_commands.OnUpdate(ID_RESULTS_TEXT_SHORT, textPrintout);
    m_commands.OnUpdate(ID_RESULTS_TEXT_LONG, textPrintout);
}

CKordelDoc* CKordelView::GetDocument() const {
    return dynamic_cast<CKordelDoc*>(View::GetDocument());
}

int CKordelView::SheetPages() const {
    const CKordelDoc* doc = GetDocument();
    return doc && doc->m_nPrestressType == kPostTensioned ? 4 : 3;
}

Size CKordelView::SheetExtent() const {
    return SheetPages() == 4 ? kPostTensionedSheetExtent : kSheetExtent;
}

void CKordelView::CopyOutline() {
    const CKordelDoc* doc = GetDocument();
    if (!doc) return;
    m_nOutlinePointCount = std::clamp(doc->m_nOutlinePointCount, 0, kMaxOutlinePoints);
    for (int i = 0; i < m_nOutlinePointCount; ++i) {
        m_aptOutline[i] = {ToLogical(doc->m_adOutline[i][kPointX]),
                           ToLogical(doc->m_adOutline[i][kPointY])};
    }
}

void CKordelView::OnInitialUpdate() {
    CopyOutline();
    m_scrollExtent = kInitialScrollSize;
    SetScrollSizes(MapMode::LoEnglish, kInitialScrollSize);
    ScrollView::OnInitialUpdate();
}

// ---- The sheet ------------------------------------------------------------------------------

void CKordelView::OnDraw(DC& dc) {
    CKordelDoc* doc = GetDocument();
    if (!doc) return;
    const bool printing = dc.IsPrinting();

    // 1. The scroll area follows the design's prestressing (a print leaves the window alone).
    const Size extent = SheetExtent();
    if (!printing && !(extent == m_scrollExtent)) {
        m_scrollExtent = extent;
        SetScrollSizes(MapMode::LoEnglish, extent);
    }

    // 2. What the drawing prepares: the outline copy, the end outline, the span data, the plan
    // width and the debonding symbols.
    CopyOutline();
    SheetDrawing sheet(*doc, m_adUnitFactor, m_astrUnitLabel);

    // 3. The drawing objects, the line height and the unit table.
    const Font previousFont = dc.SelectFont(sheet::kLargeFont);
    const Pen previousPen = dc.SelectPen(sheet::kBlackPen);
    const Brush previousBrush = dc.SelectBrush(sheet::kWhiteBrush);
    sheet.h = MeasureLineHeight(dc);
    FillUnitTable(doc->m_nUnits, m_adUnitFactor, m_astrUnitLabel);

    // Each printed page begins with its title block, filled white whatever brush the page
    // before left, and its content starts at the offset the block returns.
    auto pageOffset = [&](int page) {
        dc.SelectBrush(sheet::kWhiteBrush);
        return printing ? DrawTitleBlock(dc, page) : 0;
    };

    // 4. Page 1: the input data, the framing plan, the cross sections and the properties.
    DrawSheetPage1(dc, sheet, pageOffset(1));
    if (!printing) DrawPageBreakLine(dc, kPageLines[0]);

    // 5. Page 2: the strand profile and patterns, the debonding and the casting data.
    DrawSheetPage2(dc, sheet, pageOffset(2));
    dc.SelectFont(sheet::kLargeFont);
    dc.SetTextAlign(kAlignLeft | kAlignTop);
    if (!printing) DrawPageBreakLine(dc, kPageLines[1]);

    // 6. Page 3: the shear reinforcement and the longitudinal bars.
    DrawSheetPage3(dc, sheet, pageOffset(3));

    // 7. Page 4 of a post-tensioned design: the tendons and the girder segments.
    if (SheetPages() == 4) {
        if (!printing) DrawPageBreakLine(dc, kPageLines[2]);
        DrawSheetPage4(dc, sheet, pageOffset(4));
    }

    // 8. The objects selected before come back.
    dc.SelectPen(previousPen);
    dc.SelectBrush(previousBrush);
    dc.SelectFont(previousFont);
}

// ---- Printing -------------------------------------------------------------------------------

int CKordelView::DrawTitleBlock(DC& dc, int page) {
    const CKordelDoc* doc = GetDocument();
    return doc ? DrawPageTitleBlock(dc, *doc, page, m_nPrintPages) : 0;
}

bool CKordelView::OnPreparePrinting(PrintInfo& info) {
    m_nPrintPages = SheetPages();
    info.SetMaxPage(m_nPrintPages);
    info.previewPages = 1;
    return true;
}

CKordelView::SheetPlacement CKordelView::PlaceSheet(Size printable) {
    SheetPlacement place;
    const double across = static_cast<double>(printable.cx) / kPrintedSheet.cx;
    const double down = static_cast<double>(printable.cy) / kPrintedSheet.cy;
    place.zoom = std::min({1.0, across, down});
    if (!(place.zoom > 0.0)) place.zoom = 1.0;  // no printable area to fit
    const int roomAcross = ToLogical(printable.cx / place.zoom) - kPrintedSheet.cx;
    const int roomDown = ToLogical(printable.cy / place.zoom) - kPrintedSheet.cy;
    place.left = std::clamp(roomAcross, 0, kPrintLeftOffset);
    place.top = std::clamp(roomDown, 0, kPrintTopOffset);
    return place;
}

void CKordelView::OnPrint(DC& dc, PrintInfo& info) {
    PrintSheetBand(dc, info.curPage, [&] { OnDraw(dc); });
}

void CKordelView::PrintSheetBand(DC& dc, int page, const std::function<void()>& draw) {
    dc.SetMapMode(MapMode::LoEnglish);
    const double previousZoom = dc.SetZoom(1.0);
    const SheetPlacement place = PlaceSheet(dc.DPtoLP(dc.DeviceSize()));
    dc.SetZoom(place.zoom);
    // The sheet's band of the drawing, its top-left corner placed on the printable area and
    // everything outside the band clipped away.
    const int top = SheetBandTop(page);
    const Point previousOrigin = dc.SetWindowOrg({-place.left, top + place.top});
    dc.IntersectClipRect({0, top, kPrintBand.cx, top - kPrintBand.cy});
    draw();
    dc.RemoveClip();
    dc.SetWindowOrg(previousOrigin);
    dc.SetZoom(previousZoom);
}

bool CKordelView::OnKeyDown(int key, int repeat, unsigned modifiers) {
    if (ScrollByPageKey(*this, key)) return true;
    return ScrollView::OnKeyDown(key, repeat, modifiers);
}

}  // namespace kordel
