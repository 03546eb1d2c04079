#include "dialogs/input/span_layout_dlg.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "dialogs/input/job_dlg.h"
#include "libraries/library_folders.h"
#include "libraries/section_lib_doc.h"
#include "platform/archive.h"
#include "platform/file_io.h"
#include "platform/ini.h"
#include "platform/ui/dc.h"
#include "platform/ui/picture.h"
#include "report/format.h"

namespace kordel {

using namespace platform::ui;

namespace {

constexpr double kFeetPerMetre = 3.280839895013123;
constexpr double kPierWidth = 96.0;   // in
constexpr double kPierHeight = 48.0;  // in
constexpr double kPierGap = 4.0;      // in, pier top to girder bottom
/// A girder ID as the list and the command keep it.
constexpr std::size_t kGirderIdWidth = 15;

std::string FormatSpan(int value) {
    char text[32];
    std::snprintf(text, sizeof text, "%2.0d", value);
    return text;
}

}  // namespace

const DialogTemplate& CSpanLayoutDlg::Template() {
    static const DialogTemplate t = [] {
        DialogTemplate d;
        d.id = IDD_SPAN_LAYOUT;
        d.caption = "Span Layout";
        d.size = {476, 236};
        const int top = 78;  // group boxes of the edit row
        const int row = top + 24;
        // The offsets show up to seven characters ("-0.1524" m), with room for the frame.
        const int offset = 40;
        const int offsets = 2 * offset + 12;  // a group of two offsets
        const int girderOffsets = 281;
        const int padOffsets = girderOffsets + offsets + 4;
        d.controls = {
            MakeControl(ControlKind::SunkenFrame, IDC_SPAN_ELEVATION, "", 7, 7, 462, 50,
                        kStyleOwnerDraw),
            MakeControl(ControlKind::CheckBox, IDC_SPAN_EXPAND_VERTICAL, "Expand vertical scale",
                        300, 61, 110, 10, kStyleHidden),
            MakeControl(ControlKind::Label, IDC_SPAN_COUNT_LABEL, "No. Spans:", 7, 63, 40, 9),
            MakeControl(ControlKind::Edit, IDC_SPAN_COUNT, "", 50, 61, 24, 12, kStyleNumber),
            MakeControl(ControlKind::Spin, IDC_SPAN_COUNT_SPIN, "", 74, 61, 10, 12),
            MakeControl(ControlKind::Picture, IDC_SPAN_PICTURE, "", 100, 59, 100, 16, kStyleHidden),

            MakeControl(ControlKind::GroupBox, kIdStatic, "Piers", 7, top, 44, 42),
            MakeControl(ControlKind::Label, kIdStatic, "L", 13, top + 12, 16, 9, kStyleCenter),
            MakeControl(ControlKind::Label, kIdStatic, "R", 31, top + 12, 16, 9, kStyleCenter),
            MakeControl(ControlKind::SunkenFrame, IDC_SPAN_PIER_LEFT, "", 13, row, 16, 12,
                        kStyleCenter),
            MakeControl(ControlKind::SunkenFrame, IDC_SPAN_PIER_RIGHT, "", 31, row, 16, 12,
                        kStyleCenter),
            MakeControl(ControlKind::GroupBox, kIdStatic, "Span (CL-to-CL)", 55, top, 84, 42),
            MakeControl(ControlKind::Label, kIdStatic, "No.", 61, top + 12, 18, 9, kStyleCenter),
            MakeControl(ControlKind::Label, IDC_SPAN_SPAN_LENGTH_LABEL, "Length,FT", 83, top + 12,
                        50, 9, kStyleCenter),
            MakeControl(ControlKind::SunkenFrame, IDC_SPAN_NUMBER, "", 61, row, 18, 12,
                        kStyleCenter),
            MakeControl(ControlKind::Edit, IDC_SPAN_LENGTH, "", 83, row, 50, 12),
            MakeControl(ControlKind::GroupBox, kIdStatic, "Girder", 143, top, 134, 42),
            MakeControl(ControlKind::Label, kIdStatic, "Girder ID", 149, top + 12, 70, 9,
                        kStyleCenter),
            MakeControl(ControlKind::Label, IDC_SPAN_GIRDER_LENGTH_LABEL, "Length,FT", 223,
                        top + 12, 48, 9, kStyleCenter),
            // A drop-down with its field: the field shows the span's girder ID, the list the
            // library's sections.
            MakeControl(ControlKind::ComboBox, IDC_SPAN_GIRDER_PICKER, "", 149, row, 70, 100,
                        kStyleComboEdit),
            MakeControl(ControlKind::Edit, IDC_SPAN_GIRDER_LENGTH, "", 223, row, 48, 12),
            MakeControl(ControlKind::GroupBox, IDC_SPAN_GIRDER_OFFSETS_LABEL, "Girder Offsets,FT",
                        girderOffsets, top, offsets, 42),
            MakeControl(ControlKind::Label, kIdStatic, "Left", girderOffsets + 4, top + 12, offset,
                        9, kStyleCenter),
            MakeControl(ControlKind::Label, kIdStatic, "Right", girderOffsets + 8 + offset,
                        top + 12, offset, 9, kStyleCenter),
            MakeControl(ControlKind::Edit, IDC_SPAN_GIRDER_OFFSET_LEFT, "", girderOffsets + 4, row,
                        offset, 12),
            MakeControl(ControlKind::SunkenFrame, IDC_SPAN_GIRDER_OFFSET_RIGHT, "",
                        girderOffsets + 8 + offset, row, offset, 12),
            MakeControl(ControlKind::GroupBox, IDC_SPAN_PAD_OFFSETS_LABEL, "Pad Offsets,FT",
                        padOffsets, top, offsets, 42),
            MakeControl(ControlKind::Label, kIdStatic, "Left", padOffsets + 4, top + 12, offset, 9,
                        kStyleCenter),
            MakeControl(ControlKind::Label, kIdStatic, "Right", padOffsets + 8 + offset, top + 12,
                        offset, 9, kStyleCenter),
            MakeControl(ControlKind::Edit, IDC_SPAN_PAD_LEFT, "", padOffsets + 4, row, offset, 12),
            MakeControl(ControlKind::Edit, IDC_SPAN_PAD_RIGHT, "", padOffsets + 8 + offset, row,
                        offset, 12),

            MakeControl(ControlKind::ListBox, IDC_SPAN_LIST, "", 7, top + 48, 462, 82),
            MakeControl(ControlKind::PushButton, IDC_WIZARD_BACK, "< Back", 301, 215, 50, 14,
                        kStyleHidden),
            MakeControl(ControlKind::PushButton, IDC_WIZARD_NEXT, "Next >", 351, 215, 50, 14,
                        kStyleHidden),
            MakeControl(ControlKind::DefPushButton, kIdOk, "OK", 363, 215, 50, 14, kStyleGroup),
            MakeControl(ControlKind::PushButton, kIdCancel, "Cancel", 419, 215, 50, 14),
        };
        return d;
    }();
    return t;
}

CSpanLayoutDlg::CSpanLayoutDlg() : Dialog(Template()) {
    OnNotify(Notification::SelChange, IDC_SPAN_LIST, [this] { OnListSelection(); });
    OnNotify(Notification::SelChange, IDC_SPAN_GIRDER_PICKER, [this] { OnGirderPicked(); });
    OnNotify(Notification::KillFocus, IDC_SPAN_LENGTH, [this] { UpdateData(true); });
    OnSpin(IDC_SPAN_COUNT_SPIN, [this](int pos, int delta) { return OnSpanCountSpin(pos, delta); });
    m_commands.On(IDC_SPAN_EXPAND_VERTICAL, [this] {
        m_bExpandVerticalScale = !m_bExpandVerticalScale;
        InvalidateItem(kIdStatic);
    });
}

void CSpanLayoutDlg::DoDataExchange(DataExchange& dx) {
    dx.Int(IDC_SPAN_COUNT, m_nSpans, kSpanLayoutMinSpans, kSpanLayoutMaxSpans);
    dx.Text(IDC_SPAN_PIER_LEFT, m_strPierLeft);
    dx.Text(IDC_SPAN_PIER_RIGHT, m_strPierRight);
    dx.Text(IDC_SPAN_NUMBER, m_strSpanNumber);
    dx.Double(IDC_SPAN_LENGTH, m_dSpanLength);
    dx.Double(IDC_SPAN_GIRDER_LENGTH, m_dGirderLength);
    dx.Double(IDC_SPAN_GIRDER_OFFSET_LEFT, m_dGirderOffsetLeft);
    dx.Text(IDC_SPAN_GIRDER_OFFSET_RIGHT, m_strGirderOffsetRight);
    dx.Double(IDC_SPAN_PAD_LEFT, m_dPadOffsetLeft);
    dx.Double(IDC_SPAN_PAD_RIGHT, m_dPadOffsetRight);
    dx.Check(IDC_SPAN_EXPAND_VERTICAL, m_bExpandVerticalScale);
    // A count typed above the spans that have data gives the new spans the last one's data,
    // as the spin does: every span handed back has its lengths and its girder ID.
    if (dx.Saving() && !dx.Failed()) AddSpans(GetCount(IDC_SPAN_LIST), m_nSpans);
}

bool CSpanLayoutDlg::OnInitDialog() {
    Dialog::OnInitDialog();
    for (int i = 0; i < kMaxLibrarySections; ++i) m_adLibArea[i] = m_adLibInertia[i] = 0;
    if (m_nUnits != 1) {
        SetDlgItemText(IDC_SPAN_SPAN_LENGTH_LABEL, "Length,m");
        SetDlgItemText(IDC_SPAN_GIRDER_LENGTH_LABEL, "Length,m");
        SetDlgItemText(IDC_SPAN_GIRDER_OFFSETS_LABEL, "Girder Offsets,m");
        SetDlgItemText(IDC_SPAN_PAD_OFFSETS_LABEL, "Pad Offsets,m");
    }
    if (!m_bContinuous) {
        for (int id : {IDC_SPAN_COUNT_LABEL, IDC_SPAN_COUNT, IDC_SPAN_COUNT_SPIN, IDC_SPAN_PICTURE})
            EnableItem(id, false);
    }
    m_nRow = 0;
    m_nSpans = std::clamp(m_nSpans, 1, kSpanLayoutSlots - 1);
    // Spans without a girder ID of their own (a short name list) get an empty one.
    if (static_cast<int>(m_saGirderIds.size()) < m_nSpans)
        m_saGirderIds.resize(static_cast<std::size_t>(m_nSpans));
    SetSpinRange(IDC_SPAN_COUNT_SPIN, 2, 8);
    SetSpinPos(IDC_SPAN_COUNT_SPIN, m_nSpans);
    if (m_strLibraryFolder.empty())
        m_strLibraryFolder =
            ResolveLibraryFolder(platform::kIniKeyLibraryFolder, kSectionLibraryDefaultSuffix);
    FillGirderPicker();
    for (std::string& id : m_saGirderIds) {
        if (id.size() > kGirderIdWidth) id.resize(kGirderIdWidth);
    }
    FillList();
    ShowSpan(m_nRow + 1);
    m_bExpandVerticalScale = 0;
    UpdateData(false);
    ShowGirderId();
    return true;
}

void CSpanLayoutDlg::ShowGirderId() {
    const std::size_t i = static_cast<std::size_t>(m_nRow);
    SetDlgItemText(IDC_SPAN_GIRDER_PICKER, i < m_saGirderIds.size() ? m_saGirderIds[i] : "");
}

std::string CSpanLayoutDlg::SpanLine(int s) const {
    const double right = m_adSpanLength[s] - m_adGirderLength[s] - m_adGirderOffsetLeft[s];
    const std::string& id =
        s - 1 < static_cast<int>(m_saGirderIds.size()) ? m_saGirderIds[s - 1] : std::string();
    return "\t" + FormatSpan(s) + "\t" + FormatSpan(s + 1) + "\t" + FormatSpan(s) + "\t" +
           FormatValue("%6.3f", m_adSpanLength[s]) + "\t" + id + "\t" +
           FormatValue("%6.3f", m_adGirderLength[s]) + "\t" +
           FormatValue("%6.3f", m_adGirderOffsetLeft[s]) + "\t" + FormatValue("%6.3f", right) +
           "\t" + FormatValue("%6.3f", m_adPadOffsetLeft[s]) + "\t" +
           FormatValue("%6.3f", m_adPadOffsetRight[s]);
}

void CSpanLayoutDlg::FillGirderPicker() {
    ResetContent(IDC_SPAN_GIRDER_PICKER);
    m_saLibrarySections.clear();
    std::error_code ec;
    std::filesystem::directory_iterator it(m_strLibraryFolder, ec);
    if (ec) return;
    bool more = false;
    for (const auto& entry : it) {
        std::error_code typeError;
        if (!entry.is_regular_file(typeError)) continue;
        if (entry.path().extension() != std::string(".") + kSectionFileExtension) continue;
        const int index = static_cast<int>(m_saLibrarySections.size());
        if (index == kMaxLibrarySections) {
            more = true;
            break;
        }
        // A file that is no section record is not listed.
        SectionLibRecord record;
        try {
            platform::Archive ar(platform::ReadWholeFile(entry.path().string()));
            SerializeSectionLibRecord(ar, record);
        } catch (const std::exception&) {
            continue;
        }
        AddString(IDC_SPAN_GIRDER_PICKER, record.m_strName);
        m_saLibrarySections.push_back(record.m_strName);
        m_adLibArea[index] = record.m_dArea;
        m_adLibInertia[index] = record.m_dInertia;
        m_adLibCentroid[index] = record.m_dCentroid;
        m_adLibHeight[index] = record.m_dHeight;
    }
    if (more) {
        MessageBox(
            "The section library folder holds more than 301 sections; only the first 301 "
            "are listed.",
            platform::MsgButtons::Ok, platform::MsgIcon::Information);
    }
}

void CSpanLayoutDlg::FillList() {
    ResetContent(IDC_SPAN_LIST);
    SetTabStops(IDC_SPAN_LIST, {5, 25, 45, 65, 110, 200, 245, 270, 305, 335});
    for (int s = 1; s <= m_nSpans; ++s) AddString(IDC_SPAN_LIST, SpanLine(s));
    SetCurSel(IDC_SPAN_LIST, m_nRow);
    UpdateData(false);
}

void CSpanLayoutDlg::ShowSpan(int k) {
    m_strPierLeft = FormatSpan(k);
    m_strPierRight = FormatSpan(k + 1);
    m_strSpanNumber = FormatSpan(k);
    m_dSpanLength = m_adSpanLength[k];
    m_dGirderLength = m_adGirderLength[k];
    m_dGirderOffsetLeft = m_adGirderOffsetLeft[k];
    m_dPadOffsetLeft = m_adPadOffsetLeft[k];
    m_dPadOffsetRight = m_adPadOffsetRight[k];
    m_strGirderOffsetRight =
        FormatValue("%6.3f", m_dSpanLength - m_dGirderLength - m_dGirderOffsetLeft);
}

void CSpanLayoutDlg::StoreEditRow() {
    const int s = m_nRow + 1;
    m_adSpanLength[s] = m_dSpanLength;
    m_adGirderLength[s] = m_dGirderLength;
    m_adGirderOffsetLeft[s] = m_dGirderOffsetLeft;
    m_adPadOffsetLeft[s] = m_dPadOffsetLeft;
    m_adPadOffsetRight[s] = m_dPadOffsetRight;
}

void CSpanLayoutDlg::AddSpans(int last, int count) {
    count = std::min(count, kSpanLayoutSlots - 1);
    last = std::clamp(last, 1, kSpanLayoutSlots - 1);
    if (count <= last) return;
    m_saGirderIds.resize(static_cast<std::size_t>(last));
    for (int s = last + 1; s <= count; ++s) {
        m_adSpanLength[s] = m_adSpanLength[last];
        m_adGirderLength[s] = m_adGirderLength[last];
        m_adGirderOffsetLeft[s] = m_adGirderOffsetLeft[last];
        m_adPadOffsetLeft[s] = m_adPadOffsetLeft[last];
        m_adPadOffsetRight[s] = m_adPadOffsetRight[last];
        const std::string id = m_saGirderIds[static_cast<std::size_t>(last - 1)];
        m_saGirderIds.push_back(id);
    }
}

void CSpanLayoutDlg::OnListSelection() {
    if (!UpdateData(true)) return;
    StoreEditRow();
    // The line of the span left, rewritten from what is stored now.
    const int selected = GetCurSel(IDC_SPAN_LIST);
    FillList();
    if (selected >= 0 && selected < m_nSpans) {
        m_nRow = selected;
        SetCurSel(IDC_SPAN_LIST, m_nRow);
        ShowSpan(selected + 1);
        UpdateData(false);
    }
    ShowGirderId();
    InvalidateItem(kIdStatic);
}

void CSpanLayoutDlg::OnGirderPicked() {
    if (!UpdateData(true)) return;
    const int j = GetCurSel(IDC_SPAN_GIRDER_PICKER);
    if (j >= 0 && j < static_cast<int>(m_saLibrarySections.size())) {
        const int s = m_nRow + 1;
        m_adSpanSectionProps[s][kSpanPropInertia] = m_adLibInertia[j];
        m_adSpanSectionProps[s][kSpanPropArea] = m_adLibArea[j];
        m_adSpanSectionProps[s][kSpanPropYb] = m_adLibCentroid[j];
        if (static_cast<int>(m_saGirderIds.size()) < s)
            m_saGirderIds.resize(static_cast<std::size_t>(s));
        m_saGirderIds[s - 1] = m_saLibrarySections[j].substr(0, kGirderIdWidth);
        m_dDrawHeight = m_adLibHeight[j];
    }
    SetCurSel(IDC_SPAN_GIRDER_PICKER, -1);
    FillList();
    ShowGirderId();
    InvalidateItem(kIdStatic);
}

bool CSpanLayoutDlg::OnSpanCountSpin(int pos, int delta) {
    const int k = pos + delta;
    if (k < 2 || k > 8) return false;
    if (delta <= 0) {
        m_nSpans = k;
        UpdateData(false);
        FillList();
    } else {
        AddSpans(m_nSpans, k);
        m_nSpans = k;
        FillList();
    }
    InvalidateItem(kIdStatic);
    return true;
}

void CSpanLayoutDlg::OnOK() {
    if (!UpdateData(true)) return;
    StoreEditRow();
    if (m_nCurrentSpan > m_nSpans) m_nCurrentSpan = m_nSpans;
    EndDialog(kIdOk);
}

void CSpanLayoutDlg::OnDrawItem(int id, DC& dc, Size clientSize) {
    if (id != IDC_SPAN_ELEVATION) return;
    PaintPictureGround(dc, clientSize);
    const double toFeet = m_nUnits == 1 ? 1.0 : kFeetPerMetre;
    const int spans = std::clamp(m_nSpans, 1, kSpanLayoutSlots - 1);
    double total = 0.0;
    for (int s = 1; s <= spans; ++s) total += m_adSpanLength[s] * toFeet * 12.0;
    const double width = total + kPierWidth;
    const double height = m_dDrawHeight + kPierHeight + kPierGap;
    // Nothing to draw across no length or no height (and no scale to draw it at).
    if (!(width > 0.0) || !(height > 0.0) || !(total >= 0.0)) return;
    const PictureScale scale =
        FitPicture(clientSize, kPictureMargin, width, height, m_bExpandVerticalScale != 0);
    if (!(scale.x > 0.0) || !(scale.y > 0.0)) return;
    const int x0 = kPictureMargin;
    const int y0 = clientSize.cy / 2 + PicturePixels(scale.y * height / 2.0);
    const PictureMapping at({x0, y0}, scale);

    const Pen black{PenStyle::Solid, 0, kBlack};
    const Brush grey{BrushStyle::Solid, kPictureGrey};
    Pen oldPen = dc.SelectPen(black);
    Brush oldBrush = dc.SelectBrush(grey);
    double pierLeft = 0.0;
    for (int s = 1; s <= spans + 1; ++s) {
        const Point a = at.At(pierLeft, kPierHeight);
        const Point b = at.At(pierLeft + kPierWidth, 0.0);
        dc.Rectangle({a.x, a.y, b.x, b.y});
        if (s <= spans) pierLeft += m_adSpanLength[s] * toFeet * 12.0;
    }
    double spanStart = kPierWidth / 2.0;
    for (int s = 1; s <= spans; ++s) {
        const double left = spanStart + m_adGirderOffsetLeft[s] * toFeet * 12.0;
        const double right = left + m_adGirderLength[s] * toFeet * 12.0;
        const Point a = at.At(left, kPierHeight + kPierGap + m_dDrawHeight);
        const Point b = at.At(right, kPierHeight + kPierGap);
        dc.Rectangle({a.x, a.y, b.x, b.y});
        spanStart += m_adSpanLength[s] * toFeet * 12.0;
    }
    dc.SelectPen(oldPen);
    dc.SelectBrush(oldBrush);
}

}  // namespace kordel
