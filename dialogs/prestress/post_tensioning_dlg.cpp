#include "dialogs/prestress/post_tensioning_dlg.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "dialogs/prestress/tendon_layout_dlg.h"
#include "document/kordel_doc.h"
#include "platform/ui/dc.h"
#include "platform/ui/picture.h"

namespace kordel {

using namespace platform::ui;

namespace {

constexpr Colour kTendonRed = Rgb(255, 0, 0);
constexpr Colour kDuctCyan = Rgb(0, 255, 255);
/// Points of a drawn tendon profile: 100 segments.
constexpr int kProfileSegments = 100;

const Pen kBlackPen{PenStyle::Solid, 0, kBlack};
const Brush kWhiteBrush{BrushStyle::Solid, kWhite};

/// A circle of `radius` drawing units about (x, y), with the pen and brush selected.
void Circle(DC& dc, const PictureMapping& at, double x, double y, double radius) {
    const Point a = at.At(x - radius, y + radius);
    const Point b = at.At(x + radius, y - radius);
    dc.Ellipse({a.x, a.y, b.x, b.y});
}

/// The polyline through `count` outline points, in order.
void Outline(DC& dc, const PictureMapping& at, const double (*points)[kPointValueCount],
             int count) {
    count = std::clamp(count, 0, kMaxOutlinePoints);
    if (!points || count < 2) return;
    std::vector<Point> line;
    for (int i = 0; i < count; ++i) line.push_back(at.At(points[i][kPointX], points[i][kPointY]));
    dc.Polyline(line);
}

}  // namespace

// ---- The drawings -------------------------------------------------------------------------------

void DrawPostTensioningElevation(DC& dc, Size client, const PostTensioningPicture& p) {
    PaintPictureGround(dc, client);
    const double length = p.girderLength * 12.0;  // in
    if (!(length > 0.0) || !(p.height > 0.0)) return;
    // One scale for both directions, unless the vertical one may be larger.
    PictureScale scale = FitPicture(client, kPictureMargin, length, p.height);
    if (p.expandVertical) {
        const PictureScale own = FitPicture(client, kPictureMargin, length, p.height, true);
        if (own.y > own.x) scale = own;
    }
    if (!(scale.x > 0.0) || !(scale.y > 0.0)) return;
    const int cx = client.cx / 2;
    const int cy = client.cy / 2;
    const Point origin{cx - PicturePixels(length / 2.0 * scale.x),
                       cy + PicturePixels(scale.y * p.height / 2.0)};
    const PictureMapping at(origin, scale);

    Pen oldPen = dc.SelectPen(kBlackPen);
    Brush oldBrush = dc.SelectBrush(kWhiteBrush);
    const Point top = at.At(0.0, p.height);
    const Point bottom = at.At(length, 0.0);
    dc.Rectangle({top.x, top.y, bottom.x, bottom.y});

    // Closure pours of a spliced girder, after every segment but the last.
    if (p.segments > 1 && p.segmentLengths) {
        dc.SelectBrush(Brush{BrushStyle::Solid, kPictureGrey});
        double x = 0.0;  // in
        for (int i = 0; i + 1 < std::min(p.segments, kMaxSegmentSlots); ++i) {
            x += p.segmentLengths[i][kSegmentLength] * 12.0;
            const double closure = p.segmentLengths[i][kSegmentClosure] * 12.0;
            const Point a = at.At(x, p.height);
            const Point b = at.At(x + closure, 0.0);
            dc.Rectangle({a.x, a.y, b.x, b.y});
            x += closure;
        }
    }

    // Each tendon a parabola through its centroid at both ends and at mid-length.
    dc.SelectPen(Pen{PenStyle::Dot, 0, kTendonRed});
    const int tendons = std::clamp(p.tendonCount, 0, kMaxTendons);
    for (int t = 0; p.tendons && t < tendons; ++t) {
        const auto& profile = p.tendons[t].m_adProfile;
        const double start = profile[kProfileStart][kProfileX];          // ft
        const double Lt = profile[kProfileEnd][kProfileX] - start;       // ft
        const double sag = profile[kProfileStart][kProfileCg] - profile[kProfileVertex][kProfileCg];
        const double mid = profile[kProfileVertex][kProfileCg];          // in
        if (!(Lt > 0.0) || !std::isfinite(sag) || !std::isfinite(mid)) continue;
        std::vector<Point> line;
        for (int k = 0; k <= kProfileSegments; ++k) {
            // Single precision, as the profile is kept.
            const double x = static_cast<double>(static_cast<float>(k) / kProfileSegments *
                                                 static_cast<float>(Lt));
            const double y = static_cast<double>(
                static_cast<float>(sag * 4.0 / (Lt * Lt) * (x - Lt / 2.0) * (x - Lt / 2.0) + mid));
            line.push_back(at.At((start + x) * 12.0, y));
        }
        dc.Polyline(line);
    }
    dc.SelectPen(oldPen);
    dc.SelectBrush(oldBrush);
}

double PostTensioningSectionScale(Size client, const PostTensioningPicture& p) {
    if (!(p.width > 0.0) || !(p.height > 0.0)) return 0.0;
    const double m = std::min(std::fabs((client.cx - 2.0 * kPictureMargin) / p.width),
                              std::fabs((client.cy - 2.0 * kPictureMargin) / p.height));
    return std::isfinite(m) ? m : 0.0;
}

void DrawPostTensioningSection(DC& dc, Size client, const PostTensioningPicture& p,
                               TendonSectionView view, double scale) {
    PaintPictureGround(dc, client);
    if (!(scale > 0.0) || !(p.height > 0.0)) return;
    const PictureMapping at({client.cx / 2, client.cy / 2 + PicturePixels(scale * p.height / 2.0)},
                            {scale, scale});
    Pen oldPen = dc.SelectPen(kBlackPen);
    Brush oldBrush = dc.SelectBrush(kWhiteBrush);
    const bool end = view == TendonSectionView::End;
    if (end) {
        Outline(dc, at, p.endOutline, p.endOutlineCount);
    } else {
        Outline(dc, at, p.outline, p.outlineCount);
    }
    if (!end || !p.endBlocks) {
        Outline(dc, at, p.voidOutline, p.voidCount);
        const int voids = std::clamp(p.circularVoidCount, 0, kMaxCircularVoids);
        for (int v = 0; p.circularVoids && v < voids; ++v) {
            const double* c = p.circularVoids[v];
            Circle(dc, at, c[kVoidCentreX], c[kVoidCentreY], c[kVoidRadius]);
        }
    }
    dc.SelectBrush(Brush{BrushStyle::Solid, kDuctCyan});
    const int tendons = std::clamp(p.tendonCount, 0, kMaxTendons);
    const int point = end ? kProfileStart : kProfileVertex;
    for (int t = 0; p.tendons && t < tendons; ++t) {
        const PostTensioningTendon& T = p.tendons[t];
        Circle(dc, at, T.m_adProfile[point][kProfileLocation], T.m_adProfile[point][kProfileCg],
               static_cast<double>(T.m_fDuctDiameter) / 2.0);
    }
    dc.SelectPen(oldPen);
    dc.SelectBrush(oldBrush);
}

// ---- The dialog ---------------------------------------------------------------------------------

const DialogTemplate& CPostTensioningDlg::Template() {
    static const DialogTemplate t = [] {
        DialogTemplate d;
        d.id = IDD_POST_TENSIONING;
        d.caption = "Post-Tensioning";
        d.size = {351, 327};
        d.controls = {
            MakeControl(ControlKind::GroupBox, kIdStatic, "Post-Tensioning Pattern Profile", 7, 4,
                        337, 112),
            MakeControl(ControlKind::SunkenFrame, IDC_PT_ELEVATION, "", 14, 16, 323, 94,
                        kStyleOwnerDraw),
            MakeControl(ControlKind::GroupBox, kIdStatic, "Post-Tensioning Pattern at End", 7,
                        121, 166, 176),
            MakeControl(ControlKind::SunkenFrame, IDC_PT_SECTION_END, "", 14, 133, 152, 158,
                        kStyleOwnerDraw),
            MakeControl(ControlKind::GroupBox, kIdStatic, "Post-Tensioning Pattern at Midspan",
                        178, 121, 166, 176),
            MakeControl(ControlKind::SunkenFrame, IDC_PT_SECTION_MID, "", 185, 133, 152, 158,
                        kStyleOwnerDraw),
            MakeControl(ControlKind::PushButton, IDC_PT_EDIT_PATTERN,
                        "Edit Post-Tensioning Pattern...", 7, 306, 124, 14),
            MakeControl(ControlKind::CheckBox, IDC_PT_EXPAND_VERTICAL, "Expand vertical scale",
                        138, 308, 92, 10),
            MakeControl(ControlKind::DefPushButton, kIdOk, "OK", 238, 306, 50, 14, kStyleGroup),
            MakeControl(ControlKind::PushButton, kIdCancel, "Cancel", 294, 306, 50, 14),
        };
        return d;
    }();
    return t;
}

CPostTensioningDlg::CPostTensioningDlg() : Dialog(Template()) {
    m_commands.On(IDC_PT_EDIT_PATTERN, [this] { OnEditPattern(); });
    m_commands.On(IDC_PT_EXPAND_VERTICAL, [this] {
        m_bExpandVertical = IsDlgButtonChecked(IDC_PT_EXPAND_VERTICAL) ? 1 : 0;
        InvalidateItem(kIdStatic);
    });
}

void CPostTensioningDlg::DoDataExchange(DataExchange& dx) {
    dx.Check(IDC_PT_EXPAND_VERTICAL, m_bExpandVertical);
}

PostTensioningPicture CPostTensioningDlg::Picture() const {
    PostTensioningPicture p;
    p.girderLength = m_dGirderLength;
    p.tendonCount = m_nTendonCount;
    p.tendons = m_aTendons;
    p.expandVertical = m_bExpandVertical != 0;
    p.endBlocks = m_bIncludeEndBlocks != 0;
    p.endOutlineCount = m_nEndOutlinePointCount;
    p.endOutline = m_adEndOutline;
    if (const CKordelDoc* doc = m_pDoc) {
        p.girderLength = doc->m_dGirderLength;
        p.height = doc->m_dSectionHeight;
        p.width = std::max(doc->m_dTopFlangeWidth, doc->m_dBottomFlangeWidth);
        p.segments = doc->m_nSegments;
        p.segmentLengths = doc->m_adSegments;
        p.outlineCount = doc->m_nOutlinePointCount;
        p.outline = doc->m_adOutline;
        p.voidCount = doc->m_nVoidPointCount;
        p.voidOutline = doc->m_adVoidOutline;
        p.circularVoidCount = doc->m_nCircularVoidCount;
        p.circularVoids = doc->m_adCircularVoid;
    }
    return p;
}

void CPostTensioningDlg::OnDrawItem(int id, DC& dc, Size clientSize) {
    const PostTensioningPicture p = Picture();
    if (id == IDC_PT_ELEVATION) {
        DrawPostTensioningElevation(dc, clientSize, p);
        return;
    }
    if (id != IDC_PT_SECTION_END && id != IDC_PT_SECTION_MID) return;
    // Both sections at the scale that fits the end section's frame.
    const double scale = PostTensioningSectionScale(GetItemClientSize(IDC_PT_SECTION_END), p);
    DrawPostTensioningSection(
        dc, clientSize, p,
        id == IDC_PT_SECTION_END ? TendonSectionView::End : TendonSectionView::Midspan, scale);
}

void CPostTensioningDlg::OnEditPattern() {
    UpdateData(true);
    CGirderTendonLayoutDlg table;
    const int used = std::clamp(m_nTendonCount, 0, kMaxTendons);
    const bool ok = RunSubDialog(
        table,
        [&](CGirderTendonLayoutDlg& t) {
            t.m_dGirderLength = m_dGirderLength;
            t.m_dPtJackingFraction = m_dPtJackingFraction;
            t.m_dPTStrandFpy = m_dPTStrandFpy;
            t.m_dPTStrandFpu = m_dPTStrandFpu;
            t.m_nPTJackingBasis = m_nPTJackingBasis;
            t.m_dPTStrandUnitArea = m_dPTStrandUnitArea;
            t.m_nTendonCount = used;
            std::copy(m_aTendons, m_aTendons + used, t.m_aTendons);
        },
        [this](CGirderTendonLayoutDlg& t) {
            m_dPtJackingFraction = t.m_dPtJackingFraction;
            m_nPTJackingBasis = t.m_nPTJackingBasis;
            m_nTendonCount = std::clamp(t.m_nTendonCount, 0, kMaxTendons);
            for (int k = 0; k < m_nTendonCount; ++k) {
                m_aTendons[k] = t.m_aTendons[k];
                m_aTendons[k].m_adProfile[kProfileEnd][kProfileX] = m_dGirderLength;
            }
        });
    UpdateData(false);
    if (ok) InvalidateItem(kIdStatic);
}

}  // namespace kordel
