#include "dialogs/input/add_vehicles_dlg.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "controls/file_pick_ctrl.h"
#include "controls/folder_browser.h"
#include "libraries/library_folders.h"
#include "libraries/truck_lib_doc.h"
#include "libraries/truck_prop_dlg.h"
#include "platform/folders.h"
#include "platform/ini.h"
#include "platform/text_encoding.h"
#include "platform/ui/dc.h"
#include "platform/ui/toolkit.h"

namespace kordel {

using namespace platform::ui;

namespace {

constexpr const char* kListFull = "Cannot add more than 30 vehicles.";

/// The file titles (names without ".ktl") of the vehicle files in `folder`, in no order.
std::vector<std::string> VehicleFileTitles(const std::string& folder) {
    std::vector<std::string> titles;
    std::error_code ec;
    const std::string extension = std::string(".") + kVehicleFileExtension;
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end;
         it.increment(ec)) {
        const std::filesystem::path& path = it->path();
        if (path.extension() != extension || !it->is_regular_file(ec)) continue;
        titles.push_back(path.stem().string());
    }
    return titles;
}

}  // namespace

void DrawAddArrow(DC& dc) {
    const Colour blue = Rgb(0, 0, 192);
    dc.SelectPen({PenStyle::Solid, 0, blue});
    dc.SelectBrush({BrushStyle::Solid, blue});
    const int w = kAddArrowSize.cx, h = kAddArrowSize.cy;
    const int head = 22;  // pixels from the tip to the shaft
    dc.Polygon({{1, h / 2}, {head, 0}, {head, 6}, {w - 2, 6}, {w - 2, h - 7}, {head, h - 7},
                {head, h - 1}});
}

VehicleRecord VehicleRecordOf(const TruckLibRecord& vehicle) {
    VehicleRecord r;
    r.m_strName = vehicle.m_strName;
    r.m_nAxleCount = std::clamp(vehicle.m_nAxleCount, 0, kMaxVehicleRecordAxles);
    for (int a = 0; a < r.m_nAxleCount; ++a) {
        const VehicleAxle& axle = vehicle.m_aAxles[a];
        r.m_afAxles[a][kAxleWeight] = static_cast<float>(axle.m_dWeight);
        r.m_afAxles[a][kAxleMinSpacing] = static_cast<float>(axle.m_dMinSpacing);
        r.m_afAxles[a][kAxleMaxSpacing] = static_cast<float>(axle.m_dMaxSpacing);
    }
    r.m_fLaneLoad = static_cast<float>(vehicle.m_dLaneLoad);
    r.m_fLaneMomentLoad = static_cast<float>(vehicle.m_dLaneMomentLoad);
    r.m_fLaneShearLoad = static_cast<float>(vehicle.m_dLaneShearLoad);
    r.m_bIncludeTandem = vehicle.m_bIncludeTandem;
    r.m_fTandemAxle1 = static_cast<float>(vehicle.m_dTandemAxle1);
    r.m_fTandemAxle2 = static_cast<float>(vehicle.m_dTandemAxle2);
    r.m_fTandemSpacing = static_cast<float>(vehicle.m_dTandemSpacing);
    r.m_nCombination = vehicle.m_nCombination;
    return r;
}

const DialogTemplate& CAddVehiclesDlg::Template() {
    static const DialogTemplate t = [] {
        DialogTemplate d;
        d.id = IDD_ADD_VEHICLES;
        d.caption = "Add Additional Vehicles";
        d.size = {450, 278};
        d.controls = {
            MakeControl(ControlKind::Label, kIdStatic, "Selected Vehicles:", 7, 7, 120, 9),
            MakeControl(ControlKind::ListBox, IDC_SELECTED_VEHICLES, "", 7, 17, 170, 196),
            MakeControl(ControlKind::Custom, IDC_ADD_VEHICLE, "ImageButton", 188, 96, 64, 30),
            MakeControl(ControlKind::PushButton, IDC_REMOVE_VEHICLE, "&Remove", 7, 218, 60, 14),
            MakeControl(ControlKind::PushButton, IDC_EDIT_VEHICLE, "Edit...", 72, 218, 60, 14,
                        kStyleHidden),
            MakeControl(ControlKind::Label, kIdStatic, "Vehicle Library:", 263, 7, 120, 9),
            MakeControl(ControlKind::ListBox, IDC_LIBRARY_VEHICLES, "", 263, 17, 180, 196,
                        kStyleSorted),
            MakeControl(ControlKind::PushButton, IDC_BROWSE_VEHICLE_FOLDER, "&Browse...", 263,
                        218, 60, 14),
            MakeControl(ControlKind::Label, kIdStatic, "Selected Folder:", 7, 241, 60, 9),
            MakeControl(ControlKind::SunkenFrame, IDC_SELECTED_FOLDER, "", 70, 239, 373, 12),
            MakeControl(ControlKind::DefPushButton, kIdOk, "OK", 337, 258, 50, 14, kStyleGroup),
            MakeControl(ControlKind::PushButton, kIdCancel, "Cancel", 393, 258, 50, 14),
        };
        return d;
    }();
    return t;
}

CAddVehiclesDlg::CAddVehiclesDlg() : Dialog(Template()) {
    m_commands.On(IDC_REMOVE_VEHICLE, [this] { OnRemove(); });
    m_commands.On(IDC_BROWSE_VEHICLE_FOLDER, [this] { OnBrowse(); });
    m_addButton.OnClick = [this] { OnAdd(); };
}

bool CAddVehiclesDlg::OnInitDialog() {
    Dialog::OnInitDialog();
    m_addButton.Attach(CreateControlWindow(IDC_ADD_VEHICLE, m_addButton));
    m_addButton.SetAlignment(kImageButtonVCenter | kImageButtonHCenter);
    m_addButton.SetBitmap(GetToolkit().RenderBitmap(kAddArrowSize, DrawAddArrow), kWhite);

    m_strLibraryFolder =
        ResolveLibraryFolder(platform::kIniKeyTruckLibraryFolder, kVehicleLibraryDefaultSuffix);
    m_strCurrentFolder = m_strLibraryFolder;
    SetDlgItemText(IDC_SELECTED_FOLDER, FolderLabel(platform::PathText(m_strCurrentFolder), kSelectedFolderChars));
    FillLibraryList();
    FillSelectedList();
    return true;
}

void CAddVehiclesDlg::FillLibraryList() {
    ResetContent(IDC_LIBRARY_VEHICLES);
    for (const std::string& title : VehicleFileTitles(m_strCurrentFolder))
        AddString(IDC_LIBRARY_VEHICLES, title);
}

void CAddVehiclesDlg::FillSelectedList() {
    ResetContent(IDC_SELECTED_VEHICLES);
    m_nVehicleCount = std::clamp(m_nVehicleCount, 0, kMaxAdditionalVehicles);
    for (int v = 0; v < m_nVehicleCount; ++v)
        AddString(IDC_SELECTED_VEHICLES, m_aVehicles[v].m_strName);
}

void CAddVehiclesDlg::OnAdd() {
    if (m_nVehicleCount >= kMaxAdditionalVehicles) {
        MessageBox(kListFull);
        return;
    }
    const int picked = GetCurSel(IDC_LIBRARY_VEHICLES);
    if (picked < 0) return;
    const std::string path = platform::JoinPath(
        m_strCurrentFolder,
        GetItemString(IDC_LIBRARY_VEHICLES, picked) + "." + kVehicleFileExtension);
    // A file that cannot be read is reported by the document and adds nothing; nor does a
    // vehicle with more axles than the record holds.
    CTruckLibDoc vehicle;
    if (!vehicle.OnOpenDocument(path)) return;
    if (!AxleCountFits(*this, vehicle)) return;
    m_aVehicles[m_nVehicleCount] = VehicleRecordOf(vehicle);
    ++m_nVehicleCount;
    FillSelectedList();
}

void CAddVehiclesDlg::OnRemove() {
    const int picked = GetCurSel(IDC_SELECTED_VEHICLES);
    if (picked < 0 || picked >= m_nVehicleCount) return;
    std::move(m_aVehicles + picked + 1, m_aVehicles + m_nVehicleCount, m_aVehicles + picked);
    --m_nVehicleCount;
    m_aVehicles[m_nVehicleCount] = VehicleRecord{};
    FillSelectedList();
}

void CAddVehiclesDlg::OnBrowse() {
    // The folder chosen holds for this dialog only; the settings keep the library folder.
    CFilePickCtrl picker;
    picker.SetFoldersOnly(true);
    picker.ShowPathControls(true);
    picker.SetStartFolder(m_strCurrentFolder);
    if (picker.DoModalWithTitle(kBrowseTitle) == kIdOk && !picker.GetSelectedFolder().empty())
        m_strCurrentFolder = platform::AsFolder(picker.GetSelectedFolder());
    SetDlgItemText(IDC_SELECTED_FOLDER, FolderLabel(platform::PathText(m_strCurrentFolder), kSelectedFolderChars));
    FillLibraryList();
}

}  // namespace kordel
