#include "libraries/section_lib_dlg.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "libraries/library_folders.h"
#include "libraries/section_prop_dlg.h"
#include "platform/archive.h"
#include "platform/file_io.h"
#include "platform/folders.h"
#include "platform/ini.h"
#include "platform/text_encoding.h"
#include "platform/ui/picture.h"
#include "report/format.h"

namespace kordel {

using namespace platform::ui;
using platform::MsgButtons;
using platform::MsgIcon;

namespace {

constexpr const char* kRootDrive = "/";
/// The characters the current-directory line shows of a folder.
constexpr std::size_t kSectionFolderChars = 54;
constexpr const char* kOlderArchive =
    "Version 1.xx of SectionLib.dat detected.\n Use Kordel Version 2.xx to convert this file to "
    "version 2 format first.";
constexpr const char* kConvertArchive =
    "Earlier version of SectionLib.dat detected. \nConvert to Version 3? \n\nNote: If you have "
    "not made a backup of this file, \nclick 'No' and do so now. Otherwise, click 'Yes' \nto "
    "convert file to Version 3 format.";

/// The green of the axes and of the centroid cross.
constexpr Colour kSketchGreen = Rgb(0, 102, 51);
/// Part of the frame the section fills.
constexpr double kSketchFill = 0.9;

int Clamped(int count, int limit) {
    return count < 0 || count > limit ? 0 : count;
}

}  // namespace

void DrawSectionSketch(DC& dc, Size client, const SectionSketchData& data) {
    const Pen black{PenStyle::Solid, 0, kBlack};
    const Brush white{BrushStyle::Solid, kWhite};
    const Pen oldPen = dc.SelectPen(black);
    const Brush oldBrush = dc.SelectBrush(white);
    dc.Rectangle({0, 0, client.cx, client.cy});

    const int outlines = data.outline ? Clamped(data.outlineCount, kMaxOutlinePoints) : 0;
    const int voids = data.voidOutline ? Clamped(data.voidCount, kMaxOutlinePoints) : 0;
    const int circles = data.circles ? Clamped(data.circleCount, kMaxCircularVoids) : 0;
    // The extent always holds the origin.
    double xmin = 0, xmax = 0, ymin = 0, ymax = 0;
    bool finite = true;
    for (int i = 0; i < outlines; ++i) {
        const double x = data.outline[i][kPointX], y = data.outline[i][kPointY];
        finite = finite && std::isfinite(x) && std::isfinite(y);
        xmin = std::min(xmin, x);
        xmax = std::max(xmax, x);
        ymin = std::min(ymin, y);
        ymax = std::max(ymax, y);
    }
    for (int i = 0; i < voids; ++i)
        finite = finite && std::isfinite(data.voidOutline[i][kPointX]) &&
                 std::isfinite(data.voidOutline[i][kPointY]);
    for (int i = 0; i < circles; ++i)
        for (int k = 0; k < kCircularVoidValueCount; ++k)
            finite = finite && std::isfinite(data.circles[i][k]);
    const double width = xmax - xmin, height = ymax - ymin;
    if (!finite || !(width > 0) || !(height > 0) || client.cx <= 0 || client.cy <= 0) {
        dc.SelectPen(oldPen);
        dc.SelectBrush(oldBrush);
        return;
    }
    const double s = std::min(std::fabs(kSketchFill * client.cx / width),
                              std::fabs(kSketchFill * client.cy / height));
    const int x0 = client.cx / 2;
    const int y0 = client.cy / 2 + PicturePixels(s * height / 2);
    auto at = [&](double x, double y) {
        return Point{x0 + PicturePixels(s * x), y0 - PicturePixels(s * y)};
    };
    auto chain = [&](int count, const double(*points)[kPointValueCount]) {
        for (int i = 0; i + 1 < count; ++i) {
            dc.MoveTo(at(points[i][kPointX], points[i][kPointY]));
            dc.LineTo(at(points[i + 1][kPointX], points[i + 1][kPointY]));
        }
    };
    chain(outlines, data.outline);
    chain(voids, data.voidOutline);
    for (int i = 0; i < circles; ++i) {
        const double x = data.circles[i][kVoidCentreX], y = data.circles[i][kVoidCentreY];
        const double r = data.circles[i][kVoidRadius];
        const Point a = at(x - r, y + r), b = at(x + r, y - r);
        dc.Ellipse({a.x, a.y, b.x, b.y});
    }
    if (data.originDotRadius > 0) {
        const int r = PicturePixels(s * data.originDotRadius);
        dc.SelectBrush(Brush{BrushStyle::Solid, kBlack});
        dc.Ellipse({x0 - r, y0 - r, x0 + r, y0 + r});
    }
    if (data.axesAndCentroid) {
        dc.SelectPen(Pen{PenStyle::Solid, 0, kSketchGreen});
        dc.SelectFont(Font{"Arial", -11});
        dc.SetBkMode(BkMode::Transparent);
        const unsigned oldAlign = dc.SetTextAlign(kAlignLeft | kAlignBaseline);
        dc.MoveTo({x0, y0});
        dc.LineTo({x0 + 10, y0});
        dc.TextOut({x0 + 12, y0}, "x'");
        dc.MoveTo({x0, y0});
        dc.LineTo({x0, y0 - 10});
        dc.TextOut({x0, y0 - 12}, "y'");
        const int yc = y0 - PicturePixels(s * data.centroid);
        dc.MoveTo({x0 - 15, yc});
        dc.LineTo({x0 + 15, yc});
        dc.TextOut({x0 - 22, yc}, "x");
        dc.TextOut({x0 + 17, yc}, "x");
        dc.MoveTo({x0, yc + 15});
        dc.LineTo({x0, yc - 15});
        dc.TextOut({x0, yc - 17}, "y");
        dc.TextOut({x0, yc + 23}, "y");
        dc.SetTextAlign(oldAlign);
    }
    dc.SelectPen(oldPen);
    dc.SelectBrush(oldBrush);
}

const DialogTemplate& CSectionLibDlg::Template() {
    static const DialogTemplate t = [] {
        DialogTemplate d;
        d.id = IDD_SECTION_LIBRARY;
        d.caption = "Section Library";
        d.size = {428, 222};
        d.controls = {
            MakeControl(ControlKind::Label, kIdStatic, "Current &drive:", 7, 7, 80, 9),
            MakeControl(ControlKind::ComboBox, IDC_SECLIB_DRIVES, "", 7, 17, 190, 60),
            MakeControl(ControlKind::Label, kIdStatic, "Current directory:", 7, 35, 80, 9),
            MakeControl(ControlKind::SunkenFrame, IDC_SECLIB_FOLDER, "", 7, 45, 190, 12),
            MakeControl(ControlKind::ListBox, IDC_SECLIB_FILES, "", 7, 62, 190, 153),
            MakeControl(ControlKind::ComboBox, IDC_SECLIB_FILE_TYPE, "", 7, 62, 190, 60,
                        kStyleHidden),
            MakeControl(ControlKind::Label, kIdStatic, "Section:", 205, 9, 32, 9),
            MakeControl(ControlKind::Edit, IDC_SECLIB_NAME, "", 239, 7, 101, 12, kStyleReadOnly),
            MakeControl(ControlKind::SunkenFrame, IDC_SECLIB_SKETCH, "", 205, 24, 135, 95,
                        kStyleOwnerDraw),
        };
        const std::tuple<int, const char*, int> rows[] = {
            {IDC_SECLIB_HEIGHT_LABEL, "Height,in:", IDC_SECLIB_HEIGHT},
            {IDC_SECLIB_CG_LABEL, "cg,in:", IDC_SECLIB_CG},
            {IDC_SECLIB_AREA_LABEL, "Area,in2:", IDC_SECLIB_AREA},
            {IDC_SECLIB_INERTIA_LABEL, "MI,in4:", IDC_SECLIB_INERTIA},
            {IDC_SECLIB_TOP_FLANGE_LABEL, "T flange width,in", IDC_SECLIB_TOP_FLANGE_WIDTH},
            {IDC_SECLIB_BOTTOM_FLANGE_LABEL, "B flange width,in", IDC_SECLIB_BOTTOM_FLANGE_WIDTH},
            {IDC_SECLIB_WEB_WIDTH_LABEL, "Web width,in", IDC_SECLIB_WEB_WIDTH},
        };
        int y = 124;
        for (const auto& [labelId, label, editId] : rows) {
            d.controls.push_back(
                MakeControl(ControlKind::Label, labelId, label, 205, y + 2, 78, 9));
            d.controls.push_back(
                MakeControl(ControlKind::Edit, editId, "", 285, y, 55, 12, kStyleReadOnly));
            y += 13;
        }
        const std::vector<ControlTemplate> buttons = {
            MakeControl(ControlKind::DefPushButton, kIdOk, "OK", 358, 7, 62, 14, kStyleGroup),
            MakeControl(ControlKind::PushButton, kIdCancel, "Cancel", 358, 24, 62, 14),
            MakeControl(ControlKind::GroupBox, IDC_SECLIB_FUNCTIONS, "Library Functions", 348, 46,
                        76, 70, kStyleHidden),
            MakeControl(ControlKind::PushButton, IDC_SECLIB_NEW, "&New...", 358, 59, 62, 14,
                        kStyleHidden),
            MakeControl(ControlKind::PushButton, IDC_SECLIB_EDIT, "&Edit...", 358, 77, 62, 14,
                        kStyleHidden),
            MakeControl(ControlKind::PushButton, IDC_SECLIB_IMPORT, "&Import...", 358, 95, 62, 14,
                        kStyleHidden),
        };
        d.controls.insert(d.controls.end(), buttons.begin(), buttons.end());
        return d;
    }();
    return t;
}

CSectionLibDlg::CSectionLibDlg() : Dialog(Template()) {
    OnNotify(Notification::SelChange, IDC_SECLIB_DRIVES, [this] { OnSelchangeDrive(); });
    OnNotify(Notification::SelChange, IDC_SECLIB_FILES, [this] { OnClickFileList(); });
    OnNotify(Notification::DblClick, IDC_SECLIB_FILES, [this] { OnDblclkFileList(); });
    m_commands.On(IDC_SECLIB_NEW, [this] { OnNew(); });
    m_commands.On(IDC_SECLIB_EDIT, [this] { OnEdit(); });
    m_commands.On(IDC_SECLIB_IMPORT, [this] { OnImport(); });
}

bool CSectionLibDlg::OnInitDialog() {
    Dialog::OnInitDialog();
    m_strLibraryFolder =
        ResolveLibraryFolder(platform::kIniKeyLibraryFolder, kSectionLibraryDefaultSuffix);
    // The library's own folder is made on first use, so that the browser opens in it.
    platform::CreateFolders(m_strLibraryFolder);
    m_strCurrentFolder = m_strLibraryFolder;

    ResetContent(IDC_SECLIB_FILE_TYPE);
    AddString(IDC_SECLIB_FILE_TYPE, kSectionFileType);
    AddString(IDC_SECLIB_FILE_TYPE, kBrowserAllFiles);
    SetCurSel(IDC_SECLIB_FILE_TYPE, 0);
    m_browser.SetFoldersOnly(false);
    m_browser.SetFileType(kSectionFileType);
    ResetContent(IDC_SECLIB_DRIVES);
    AddString(IDC_SECLIB_DRIVES, kRootDrive);
    SetCurSel(IDC_SECLIB_DRIVES, 0);
    m_browser.SetFolder(m_strLibraryFolder);
    ListCurrentFolder();

    if (m_nUnits != kUnitsUS) {
        const std::pair<int, const char*> labels[] = {
            {IDC_SECLIB_HEIGHT_LABEL, "Height,m:"},
            {IDC_SECLIB_CG_LABEL, "cg,m:"},
            {IDC_SECLIB_AREA_LABEL, "Area,m2:"},
            {IDC_SECLIB_INERTIA_LABEL, "MI,m4:"},
            {IDC_SECLIB_TOP_FLANGE_LABEL, "T flange width,m"},
            {IDC_SECLIB_BOTTOM_FLANGE_LABEL, "B flange width,m"},
            {IDC_SECLIB_WEB_WIDTH_LABEL, "Web width,m"},
        };
        for (const auto& [id, text] : labels) SetDlgItemText(id, text);
    }
    if (m_nMode == kSectionLibMaintenance) {
        for (int id : {IDC_SECLIB_FUNCTIONS, IDC_SECLIB_NEW, IDC_SECLIB_EDIT, IDC_SECLIB_IMPORT})
            ShowItem(id, true);
        ShowItem(kIdOk, false);
        SetDlgItemText(kIdCancel, "Close");
    }
    ShowDetails();
    return true;
}

void CSectionLibDlg::ListCurrentFolder() {
    m_browser.Fill();
    m_strCurrentFolder = m_browser.Folder();
    ResetContent(IDC_SECLIB_FILES);
    for (const BrowserRow& row : m_browser.Rows()) AddString(IDC_SECLIB_FILES, row.Text());
    SetDlgItemText(IDC_SECLIB_FOLDER,
                   FolderLabel(platform::PathText(m_browser.Folder()), kSectionFolderChars));
}

void CSectionLibDlg::ShowDetails() {
    if (!m_pSection) return;
    const SectionLibRecord& s = *m_pSection;
    const bool us = m_nUnits == kUnitsUS;
    const char* format = us ? "%7.2f" : "%7.3f";
    const double length = us ? 1.0 : 0.0254;
    const double area = us ? 1.0 : 0.00064516;
    const double inertia = us ? 1.0 : 4.162314256e-7;
    SetDlgItemText(IDC_SECLIB_NAME, s.m_strName);
    SetDlgItemText(IDC_SECLIB_HEIGHT, FormatValue(format, s.m_dHeight * length));
    SetDlgItemText(IDC_SECLIB_CG, FormatValue(format, s.m_dCentroid * length));
    SetDlgItemText(IDC_SECLIB_AREA, FormatValue(format, s.m_dArea * area));
    SetDlgItemText(IDC_SECLIB_INERTIA, FormatValue(format, s.m_dInertia * inertia));
    SetDlgItemText(IDC_SECLIB_TOP_FLANGE_WIDTH, FormatValue(format, s.m_dTopFlangeWidth * length));
    SetDlgItemText(IDC_SECLIB_BOTTOM_FLANGE_WIDTH,
                   FormatValue(format, s.m_dBottomFlangeWidth * length));
    SetDlgItemText(IDC_SECLIB_WEB_WIDTH, FormatValue(format, s.m_dWebWidth * length));
    InvalidateItem(IDC_SECLIB_SKETCH);
}

void CSectionLibDlg::OnSelchangeDrive() {
    if (GetCurSel(IDC_SECLIB_DRIVES) < 0) return;
    m_browser.SetFolder(kRootDrive);
    ListCurrentFolder();
}

void CSectionLibDlg::OnClickFileList() {
    const int row = GetCurSel(IDC_SECLIB_FILES);
    const std::vector<BrowserRow>& rows = m_browser.Rows();
    if (!m_pSection || row < 0 || row >= static_cast<int>(rows.size())) return;
    if (rows[row].kind != BrowserRow::Kind::File) return;
    // A file the record refuses is reported by the document; the record keeps what it held.
    m_pSection->OnOpenDocument(platform::JoinPath(m_browser.Folder(), rows[row].name));
    ShowDetails();
}

void CSectionLibDlg::OnDblclkFileList() {
    const int row = GetCurSel(IDC_SECLIB_FILES);
    const std::vector<BrowserRow>& rows = m_browser.Rows();
    if (row < 0 || row >= static_cast<int>(rows.size())) return;
    if (rows[row].kind == BrowserRow::Kind::File) {
        if (m_nMode == kSectionLibMaintenance) {
            OnEdit();
        } else {
            OnOK();
        }
        return;
    }
    const bool entered = m_browser.Open(row);
    ListCurrentFolder();
    if (!entered && !m_browser.Message().empty()) MessageBox(m_browser.Message());
}

void CSectionLibDlg::OnOK() {
    if (m_nMode == kSectionLibMaintenance) return;
    if (!UpdateData(true)) return;
    m_bSectionReplaced = 1;
    EndDialog(kIdOk);
}

void CSectionLibDlg::EditInPropertiesDialog(const SectionLibRecord& section) {
    CSectionPropDlg dlg;
    static_cast<SectionLibRecord&>(dlg) = section;
    dlg.m_nMode = kSectionPropLibrary;
    dlg.m_nUnits = m_nUnits;
    if (dlg.DoModal() == kIdOk) {
        if (m_pSection) static_cast<SectionLibRecord&>(*m_pSection) = dlg;
        m_bSectionReplaced = dlg.m_bSectionReplaced;
        ShowDetails();
    }
    ListCurrentFolder();
}

void CSectionLibDlg::OnNew() {
    SectionLibRecord section;
    section.m_strName = "NewSection";
    section.m_nWebCount = 1;
    section.m_nSectionType = kSectionIGirder;
    EditInPropertiesDialog(section);
}

void CSectionLibDlg::OnEdit() {
    // The section loaded last, whole: the decking thickness goes in with every other member.
    EditInPropertiesDialog(m_pSection ? static_cast<const SectionLibRecord&>(*m_pSection)
                                      : SectionLibRecord{});
}

bool CSectionLibDlg::CheckLegacyHeader(const std::vector<std::uint8_t>& bytes) {
    LegacySectionHeader head;
    try {
        platform::Archive ar{std::vector<std::uint8_t>(bytes)};
        head = ReadLegacySectionHeader(ar);
    } catch (const platform::ArchiveError&) {
        MessageBox("Unexpected file format.", MsgButtons::Ok, MsgIcon::Error);
        return false;
    }
    if (head.libraryTag != m_strLibraryTag) {
        MessageBox(kOlderArchive, MsgButtons::Ok, MsgIcon::None);
        return false;
    }
    if (LeadingVersionNumber(head.formatVersion) < kLegacySectionFormat3)
        return AskYesNo(kConvertArchive);
    return true;
}

void CSectionLibDlg::OnImport() {
    platform::FileDialogRequest request;
    request.defaultExtension = "dat";
    request.initialName = "*.dat";
    request.promptOverwrite = false;
    const std::optional<std::string> path = platform::GetHost().GetOpenFileName(request);
    if (!path) return;
    m_strArchivePath = *path;
    // The archive is only read: older records are converted in memory as they are read, and the
    // file stays as it was.
    std::vector<std::uint8_t> bytes;
    try {
        bytes = platform::ReadWholeFile(m_strArchivePath);
    } catch (const platform::FileError& e) {
        MessageBox(e.what(), MsgButtons::Ok, MsgIcon::Error);
        return;
    }
    if (!CheckLegacyHeader(bytes)) {
        EndDialog(kIdCancel);
        return;
    }
    platform::Archive archive(std::move(bytes));
    const std::string folder = m_strCurrentFolder;
    try {
        const LegacyArchiveRead read =
            ReadLegacySectionArchive(archive, [this, &folder](const SectionLibRecord& section) {
                const std::string target = platform::JoinPath(
                    folder, MakeLibraryFileName(section.m_strName, kSectionFileExtension));
                std::error_code ec;
                if (std::filesystem::exists(std::filesystem::symlink_status(target, ec)) &&
                    !AskYesNo(section.m_strName + " already exists. Overwrite?", MsgIcon::Question))
                    return;
                CSectionLibDoc doc;
                static_cast<SectionLibRecord&>(doc) = section;
                // A file that cannot be written is reported; the import goes on.
                doc.OnSaveDocument(target);
            });
        if (!read.Complete()) MessageBox(read.fault, MsgButtons::Ok, MsgIcon::Error);
    } catch (const platform::ArchiveError&) {
        MessageBox("Unexpected file format.", MsgButtons::Ok, MsgIcon::Error);
    }
    ListCurrentFolder();
}

void CSectionLibDlg::OnDrawItem(int id, DC& dc, Size clientSize) {
    if (id != IDC_SECLIB_SKETCH || !m_pSection) return;
    DrawSectionSketch(dc, clientSize, SketchOf(*m_pSection, 1.0));  // a dot of one inch
}

}  // namespace kordel
