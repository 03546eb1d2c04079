#include "dialogs/input/longit_rebar_dlg.h"

#include <algorithm>
#include <cmath>

#include "dialogs/input/edit_rebar_list_dlg.h"
#include "dialogs/input/rebar_layout_dlg.h"
#include "document/kordel_doc.h"
#include "document/rebar_layout.h"
#include "document/unit_conversions.h"
#include "platform/ui/dc.h"
#include "platform/ui/picture.h"

namespace kordel {

using namespace platform::ui;

namespace {

constexpr double kFeetPerMetre = 1.0 / kMetresPerFoot;
constexpr double kInchesPerMetre = 1.0 / kMetresPerInch;
constexpr double kDefaultBarSpacing = 2.0;  ///< in, when no design gives its own

/// Runs the layout dialog `Layout` on a group's rows; on OK takes the rows back and answers
/// true.
template <class Layout>
bool RunLayout(int units, int& rowCount, double (&rows)[kMaxLongitRebarRows][kRebarRowValueCount]) {
    Layout sub;
    return RunSubDialog(
        sub,
        [&](Layout& d) {
            d.m_nUnits = units;
            d.m_nLevels = std::clamp(rowCount, 0, kMaxLongitRebarRows);
            std::copy(&rows[0][0], &rows[0][0] + kMaxLongitRebarRows * kRebarRowValueCount,
                      &d.m_aRows[0][0]);
        },
        [&](Layout& d) {
            rowCount = d.m_nLevels;
            for (int r = 0; r < d.m_nLevels; ++r)
                std::copy(d.m_aRows[r], d.m_aRows[r] + kRebarRowValueCount, rows[r]);
        });
}

/// Runs "Edit Rebar List" on a group's bars; on OK takes back the five values it shows and
/// answers whether a transverse location moved.
bool RunBarList(int units, int count, RebarBar (&bars)[kMaxRebarBars]) {
    CEditRebarListDlg sub;
    bool moved = false;
    RunSubDialog(
        sub,
        [&](CEditRebarListDlg& d) {
            d.m_nUnits = units;
            d.m_nBarCount = std::clamp(count, 0, kMaxRebarBars);
            std::copy(bars, bars + d.m_nBarCount, d.m_aBars);
        },
        [&](CEditRebarListDlg& d) {
            for (int i = 0; i < d.m_nBarCount; ++i) {
                RebarBar& bar = bars[i];
                const RebarBar& shown = d.m_aBars[i];
                moved = moved || bar.m_adStart[kBarZ] != shown.m_adStart[kBarZ];
                bar.m_nBarSize = shown.m_nBarSize;
                bar.m_adStart[kBarX] = shown.m_adStart[kBarX];
                bar.m_adStart[kBarY] = shown.m_adStart[kBarY];
                bar.m_adStart[kBarZ] = shown.m_adStart[kBarZ];
                bar.m_adEnd[kBarX] = shown.m_adEnd[kBarX];
            }
        });
    return moved;
}

}  // namespace

const DialogTemplate& CLongitRebarPat::Template() {
    static const DialogTemplate t = [] {
        DialogTemplate d;
        d.id = IDD_LONGITUDINAL_REBAR;
        d.caption = "Longitudinal Rebar";
        d.size = {409, 357};
        d.controls = {
            MakeControl(ControlKind::GroupBox, kIdStatic, "Longitudinal Rebar - Elevation View", 7,
                        7, 395, 120),
            MakeControl(ControlKind::SunkenFrame, IDC_LONGIT_ELEVATION, "", 14, 19, 381, 101,
                        kStyleOwnerDraw),
            MakeControl(ControlKind::GroupBox, kIdStatic, "Section@ Face of L Bearing", 7, 132, 160,
                        176),
            MakeControl(ControlKind::SunkenFrame, IDC_LONGIT_SECTION_BEARING, "", 14, 144, 146, 157,
                        kStyleOwnerDraw),
            MakeControl(ControlKind::GroupBox, kIdStatic, "Section @ Midspan", 172, 132, 160, 176),
            MakeControl(ControlKind::SunkenFrame, IDC_LONGIT_SECTION_MIDSPAN, "", 179, 144, 146,
                        157, kStyleOwnerDraw),
            MakeControl(ControlKind::GroupBox, kIdStatic, "Girder Rebar", 337, 132, 65, 56),
            MakeControl(ControlKind::PushButton, IDC_LONGIT_GIRDER_LAYOUT, "Layout...", 344, 145,
                        51, 14),
            MakeControl(ControlKind::PushButton, IDC_LONGIT_GIRDER_BAR_LIST, "Bar List...", 344,
                        165, 51, 14),
            MakeControl(ControlKind::GroupBox, kIdStatic, "Deck Rebar", 337, 194, 65, 56),
            MakeControl(ControlKind::PushButton, IDC_LONGIT_DECK_LAYOUT, "Layout...", 344, 207, 51,
                        14),
            MakeControl(ControlKind::PushButton, IDC_LONGIT_DECK_BAR_LIST, "Bar List...", 344, 227,
                        51, 14),
            MakeControl(ControlKind::CheckBox, IDC_LONGIT_EXPAND_VERTICAL,
                        "Expand elev view vertical scale", 7, 316, 150, 10),
            MakeControl(ControlKind::CheckBox, IDC_LONGIT_MAGNIFY_BARS, "Magnify rebar dia 2X", 7,
                        330, 150, 10),
            MakeControl(ControlKind::DefPushButton, kIdOk, "OK", 296, 336, 50, 14, kStyleGroup),
            MakeControl(ControlKind::PushButton, kIdCancel, "Cancel", 352, 336, 50, 14),
        };
        return d;
    }();
    return t;
}

CLongitRebarPat::CLongitRebarPat() : Dialog(Template()) {
    m_commands.On(IDC_LONGIT_GIRDER_LAYOUT, [this] { OnGirderLayout(); });
    m_commands.On(IDC_LONGIT_DECK_LAYOUT, [this] { OnDeckLayout(); });
    m_commands.On(IDC_LONGIT_GIRDER_BAR_LIST, [this] { OnGirderBarList(); });
    m_commands.On(IDC_LONGIT_DECK_BAR_LIST, [this] { OnDeckBarList(); });
    m_commands.On(IDC_LONGIT_EXPAND_VERTICAL, [this] {
        UpdateData(true);
        InvalidateItem(kIdStatic);
    });
    m_commands.On(IDC_LONGIT_MAGNIFY_BARS, [this] {
        UpdateData(true);
        m_dBarDiameterFactor = m_bMagnifyBars ? 2.0 : 1.0;
        InvalidateItem(kIdStatic);
    });
}

void CLongitRebarPat::DoDataExchange(DataExchange& dx) {
    dx.Check(IDC_LONGIT_EXPAND_VERTICAL, m_bExpandVertical);
    dx.Check(IDC_LONGIT_MAGNIFY_BARS, m_bMagnifyBars);
}

bool CLongitRebarPat::OnInitDialog() {
    m_bMagnifyBars = 0;
    m_bExpandVertical = 0;
    m_dBarDiameterFactor = 1.0;
    const bool metric = m_nUnits != kUnitsUS;
    m_dLengthToFeet = metric ? kFeetPerMetre : 1.0;
    m_dHeightToInches = metric ? kInchesPerMetre : 1.0;
    m_nGirderBarCount = std::clamp(m_nGirderBarCount, 0, kMaxRebarBars);
    m_nDeckBarCount = std::clamp(m_nDeckBarCount, 0, kMaxRebarBars);
    m_nBearingOutlineCount = std::clamp(m_nBearingOutlineCount, 0, kMaxOutlinePoints);
    return Dialog::OnInitDialog();
}

// ---- The groups ---------------------------------------------------------------------------------

int CLongitRebarPat::ExpandShownRows(const double (*rows)[kRebarRowValueCount], int rowCount,
                                     double raiseInches, RebarBar* bars) const {
    const double inch = m_nUnits == kUnitsUS ? 1.0 : kMetresPerInch;  // the shown inch
    const double spacing = m_pDoc ? m_pDoc->m_dBarSpacing : kDefaultBarSpacing;
    return ExpandRebarRows(rows, std::clamp(rowCount, 0, kMaxLongitRebarRows), inch, spacing,
                           inch * raiseInches, bars);
}

void CLongitRebarPat::ExpandGirderRows() {
    m_nGirderBarCount = ExpandShownRows(m_aGirderRows, m_nGirderRowCount, 0.0, m_aGirderBars);
}

void CLongitRebarPat::ExpandDeckRows() {
    // Deck rows count their heights from the top of the haunch.
    const double deckSeat = m_pDoc ? m_pDoc->m_dSectionHeight + m_pDoc->m_dHaunchThickness : 0.0;
    m_nDeckBarCount = ExpandShownRows(m_aDeckRows, m_nDeckRowCount, deckSeat, m_aDeckBars);
}

void CLongitRebarPat::OnGirderLayout() {
    UpdateData(true);
    if (!RunLayout<CGirderRebarDlg>(m_nUnits, m_nGirderRowCount, m_aGirderRows)) return;
    ExpandGirderRows();
    m_bGirderBarsFromRows = 1;
    InvalidateItem(kIdStatic);
}

void CLongitRebarPat::OnDeckLayout() {
    UpdateData(true);
    if (!RunLayout<CDeckRebarDlg>(m_nUnits, m_nDeckRowCount, m_aDeckRows)) return;
    ExpandDeckRows();
    m_bDeckBarsFromRows = 1;
    InvalidateItem(kIdStatic);
}

void CLongitRebarPat::OnGirderBarList() {
    UpdateData(true);
    if (RunBarList(m_nUnits, m_nGirderBarCount, m_aGirderBars)) m_bGirderBarsFromRows = 0;
    InvalidateItem(kIdStatic);
}

void CLongitRebarPat::OnDeckBarList() {
    UpdateData(true);
    if (RunBarList(m_nUnits, m_nDeckBarCount, m_aDeckBars)) m_bDeckBarsFromRows = 0;
    InvalidateItem(kIdStatic);
}

// ---- Drawings -----------------------------------------------------------------------------------

void CLongitRebarPat::OnDrawItem(int id, DC& dc, Size clientSize) {
    if (id != IDC_LONGIT_ELEVATION && id != IDC_LONGIT_SECTION_BEARING &&
        id != IDC_LONGIT_SECTION_MIDSPAN)
        return;
    PaintPictureGround(dc, clientSize);
    if (!m_pDoc) return;
    const Pen oldPen = dc.SelectPen(Pen{PenStyle::Solid, 0, kPictureInk});
    const Brush oldBrush = dc.SelectBrush(Brush{BrushStyle::Solid, kPictureGround});
    dc.SetBkMode(BkMode::Transparent);
    if (id == IDC_LONGIT_ELEVATION) {
        DrawElevation(dc, clientSize);
    } else {
        DrawSection(dc, clientSize, id == IDC_LONGIT_SECTION_BEARING ? 1 : 2);
    }
    dc.SelectPen(oldPen);
    dc.SelectBrush(oldBrush);
}

void CLongitRebarPat::DrawElevation(DC& dc, Size client) {
    const CKordelDoc& doc = *m_pDoc;
    const double Hg = doc.m_dSectionHeight;                                  // in
    const double Htot = Hg + doc.m_dHaunchThickness + doc.m_dDeckThickness;  // in
    const double length = doc.m_dGirderLength * 12.0;                        // in
    // Nothing to draw along no length or across no height.
    if (!(length > 0.0) || !(Htot > 0.0)) return;
    PictureScale scale = FitPicture(client, kPictureMargin, length, Htot, m_bExpandVertical != 0);
    // The vertical is exaggerated only where its own fit is the larger.
    if (scale.y < scale.x) scale.x = scale.y;
    m_dElevScaleX = scale.x;
    m_dElevScaleY = scale.y;
    if (!(scale.x > 0.0) || !(scale.y > 0.0)) return;
    const double sx = scale.x;
    const double sy = scale.y;

    const int x0 = client.cx / 2 - PicturePixels(length / 2.0 * sx);
    const int y0 = client.cy / 2 + PicturePixels(Htot * sy / 2.0);
    const int x1 = x0 + PicturePixels(sx * length);
    dc.Rectangle({x0, y0 - PicturePixels(sy * Hg), x1, y0});
    if (doc.m_bCompositeDeck) {
        dc.SelectBrush(Brush{BrushStyle::Solid, kPictureGrey});
        dc.Rectangle({x0, y0 - PicturePixels(Htot * sy), x1, y0 - PicturePixels(sy * Hg)});
    }
    dc.SelectPen(Pen{PenStyle::Solid, m_bMagnifyBars ? 2 : 1, kRebarBlue});
    auto bars = [&](const RebarBar* list, int count) {
        for (int i = 0; i < count; ++i) {
            const RebarBar& bar = list[i];
            const int y = y0 - PicturePixels(sy * bar.m_adStart[kBarY] * m_dHeightToInches);
            dc.MoveTo({x0 + PicturePixels(sx * bar.m_adStart[kBarX] * 12.0 * m_dLengthToFeet), y});
            dc.LineTo({x0 + PicturePixels(sx * bar.m_adEnd[kBarX] * 12.0 * m_dLengthToFeet), y});
        }
    };
    bars(m_aGirderBars, m_nGirderBarCount);
    bars(m_aDeckBars, m_nDeckBarCount);
}

void CLongitRebarPat::DrawSection(DC& dc, Size client, int k) {
    const CKordelDoc& doc = *m_pDoc;
    const double Hg = doc.m_dSectionHeight;                                  // in
    const double Htot = Hg + doc.m_dHaunchThickness + doc.m_dDeckThickness;  // in
    const double width =
        doc.m_dDeckWidth < doc.m_dTopFlangeWidth ? doc.m_dTopFlangeWidth : doc.m_dDeckWidth;
    if (!(width > 0.0) || !(Htot > 0.0)) return;
    const double s = FitPicture(client, kPictureMargin, width, Htot).x;
    m_dSectionScale = s;
    if (!(s > 0.0)) return;

    const double xs =
        doc.m_adStationX[k == 1 ? kStationLeftBearingFace : kStationMidspan] + doc.m_dEndDistance;
    const int cx = client.cx / 2;
    const int cy = client.cy / 2 + PicturePixels(Htot * s / 2.0);
    const PictureMapping at({cx, cy}, {s, s});

    auto outline = [&](const double(*points)[kPointValueCount], int count) {
        std::vector<Point> line;
        for (int i = 0; i < std::clamp(count, 0, kMaxOutlinePoints); ++i)
            line.push_back(at.At(points[i][kPointX], points[i][kPointY]));
        if (line.size() >= 2) dc.Polyline(line);
    };
    const bool voids = k == 2 || !m_bEndBlocks;
    if (k == 1) {
        outline(m_adBearingOutline, m_nBearingOutlineCount);
    } else {
        outline(doc.m_adOutline, doc.m_nOutlinePointCount);
    }
    if (voids) {
        outline(doc.m_adVoidOutline, doc.m_nVoidPointCount);
        for (int v = 0; v < std::clamp(doc.m_nCircularVoidCount, 0, kMaxCircularVoids); ++v) {
            const double* c = doc.m_adCircularVoid[v];
            const double r = c[kVoidRadius];
            const Point a = at.At(c[kVoidCentreX] - r, c[kVoidCentreY] + r);
            const Point b = at.At(c[kVoidCentreX] + r, c[kVoidCentreY] - r);
            dc.Ellipse({a.x, a.y, b.x, b.y});
        }
    }
    if (doc.m_bCompositeDeck) {
        dc.SelectBrush(Brush{BrushStyle::Solid, kPictureGrey});
        const int half = PicturePixels(s * doc.m_dDeckWidth / 2.0);
        dc.Rectangle(
            {cx - half, cy - PicturePixels(s * Htot), cx + half, cy - PicturePixels(s * Hg)});
    }

    dc.SelectPen(Pen{PenStyle::Solid, 1, kRebarBlue});
    dc.SelectBrush(Brush{BrushStyle::Solid, kRebarBlue});
    auto bars = [&](const RebarBar* list, int count) {
        for (int i = 0; i < count; ++i) {
            const RebarBar& bar = list[i];
            // A bar ending exactly at the section is cut by it.
            if (!(bar.m_adStart[kBarX] * m_dLengthToFeet <= xs &&
                  xs <= bar.m_adEnd[kBarX] * m_dLengthToFeet))
                continue;
            const double r = m_dBarDiameterFactor * s * (bar.m_nBarSize / 8.0) / 2.0;  // px
            const double X = cx + s * bar.m_adStart[kBarZ] * m_dHeightToInches;
            const double Y = cy - s * bar.m_adStart[kBarY] * m_dHeightToInches;
            dc.Ellipse({PicturePixels(X - r + 0.5), PicturePixels(Y - r + 0.5),
                        PicturePixels(X + r + 0.5), PicturePixels(Y + r + 0.5)});
        }
    };
    bars(m_aGirderBars, m_nGirderBarCount);
    bars(m_aDeckBars, m_nDeckBarCount);
}

}  // namespace kordel
