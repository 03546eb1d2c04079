#include "libraries/truck_lib_maint_dlg.h"

#include <filesystem>

#include "libraries/library_archives.h"
#include "libraries/library_folders.h"
#include "libraries/truck_prop_dlg.h"
#include "platform/archive.h"
#include "platform/file_io.h"
#include "platform/folders.h"

namespace kordel {

using namespace platform::ui;
using platform::MsgButtons;
using platform::MsgIcon;

namespace {

constexpr const char* kVehicleExists = "Vehicle name %s already exists.\nOverwrite existing section?";

/// Whether `a` and `b` name one existing file (the same path, a link to it, or a name that
/// differs only where the file system does not tell).
bool SameFile(const std::string& a, const std::string& b) {
    if (a.empty() || b.empty()) return false;
    std::error_code ec;
    return std::filesystem::equivalent(a, b, ec) && !ec;
}

}  // namespace

const DialogTemplate& CTruckLibMaintDlg::Template() {
    static const DialogTemplate t = MakeTruckBrowserTemplate(
        IDD_TRUCK_LIBRARY_MAINTENANCE, "Truck Library Maintenance",
        {{IDC_TRUCK_EDIT, "&Edit..."}, {IDC_TRUCK_NEW, "&New..."}, {IDC_TRUCK_IMPORT, "&Import..."}});
    return t;
}

CTruckLibMaintDlg::CTruckLibMaintDlg() : CTruckBrowserDlg(Template()) {
    m_commands.On(IDC_TRUCK_EDIT, [this] { OnEdit(); });
    m_commands.On(IDC_TRUCK_NEW, [this] { OnNew(); });
    m_commands.On(IDC_TRUCK_IMPORT, [this] { OnImport(); });
}

void CTruckLibMaintDlg::EditAndWrite(const TruckLibRecord& vehicle, const std::string& loadedFrom) {
    if (!AxleCountFits(*this, vehicle)) return;
    CTruckPropDlg dlg;
    dlg.m_bHideLibraryButtons = 1;
    dlg.SetVehicle(vehicle, m_nUnits);
    if (dlg.DoModal() != kIdOk) return;
    const TruckLibRecord edited = dlg.GetVehicle();
    const std::string target = platform::JoinPath(
        m_strLibraryFolder, MakeLibraryFileName(edited.m_strName, kVehicleFileExtension));
    // Writing a vehicle back over the file it was read from is what Edit is for; any other file
    // of that name is someone else's vehicle.
    if (WriteLibraryVehicle(*this, edited, m_strLibraryFolder,
                            SameFile(target, loadedFrom) ? nullptr : kVehicleExists))
        TakeVehicle(edited, target);
    ListBrowsePath();
}

void CTruckLibMaintDlg::OnEdit() {
    if (!RequireVehicle()) return;
    EditAndWrite(m_docVehicle, LoadedPath());
}

void CTruckLibMaintDlg::OnNew() { EditAndWrite(StandardVehicle(), ""); }

void CTruckLibMaintDlg::OnImport() {
    platform::FileDialogRequest request;
    request.defaultExtension = "dat";
    request.initialName = "*.dat";
    request.filter = "Vehicle archives (*.dat)|*.dat|All files (*.*)|*.*||";
    request.promptOverwrite = false;
    const std::optional<std::string> path = platform::GetHost().GetOpenFileName(request);
    if (!path) return;
    std::vector<std::uint8_t> bytes;
    try {
        bytes = platform::ReadWholeFile(*path);
    } catch (const platform::FileError& e) {
        MessageBox(e.what(), MsgButtons::Ok, MsgIcon::Error);
        return;
    }
    platform::Archive archive(std::move(bytes));
    // Each vehicle is written as it is read: those before a damaged record stay in the library.
    try {
        const LegacyArchiveRead read =
            ReadLegacyVehicleArchive(archive, [this](const TruckLibRecord& vehicle) {
                WriteLibraryVehicle(*this, vehicle, m_strLibraryFolder,
                                    "%s already exists. Overwrite?");
            });
        if (!read.Complete()) MessageBox(read.fault, MsgButtons::Ok, MsgIcon::Error);
    } catch (const platform::ArchiveError&) {
        MessageBox("Unexpected file format.", MsgButtons::Ok, MsgIcon::Error);
    }
}

}  // namespace kordel
