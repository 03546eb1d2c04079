#include "libraries/truck_prop_dlg.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>

#include "app/input_commands.h"
#include "document/unit_conversions.h"
#include "libraries/library_folders.h"
#include "libraries/truck_lib_dlg.h"
#include "platform/folders.h"
#include "platform/ini.h"
#include "platform/ui/dc.h"
#include "platform/ui/toolkit.h"

namespace kordel {

using namespace platform::ui;
using platform::MsgButtons;
using platform::MsgIcon;

namespace {

/// Size of the axle pictures, pixels.
constexpr Size kAxlePictureSize{66, 26};
/// Tab stops of the two lists, dialog units.
const std::vector<int> kWeightTabStops{24, 50};
const std::vector<int> kSpacingTabStops{25, 50};
/// The longest vehicle name the .ktl file holds.
constexpr int kMaxVehicleName = 254;

/// "%2.0d" of axle `row` + 1.
std::string AxleLabel(int row) {
    char text[32];
    std::snprintf(text, sizeof text, "%2.0d", row + 1);
    return text;
}

/// "%2.0d-%2.0d" of the axles of spacing `row`.
std::string SpacingLabel(int row) {
    char text[32];
    std::snprintf(text, sizeof text, "%2.0d-%2.0d", row + 1, row + 2);
    return text;
}

/// `question` with the vehicle name in the place of its "%s".
std::string AskAbout(std::string question, const std::string& name) {
    if (const auto at = question.find("%s"); at != std::string::npos) question.replace(at, 2, name);
    return question;
}

/// Each value of a vehicle with its conversion, in one place for both directions.
template <class Visit>
void ForEachConvertedValue(TruckLibRecord& a, const TruckLibRecord& b, Visit&& visit) {
    for (int i = 0; i < kMaxVehicleAxles; ++i) {
        visit(a.m_aAxles[i].m_dWeight, b.m_aAxles[i].m_dWeight, ConvertKipsKilonewtons);
        visit(a.m_aAxles[i].m_dMinSpacing, b.m_aAxles[i].m_dMinSpacing, ConvertFeetMeters);
        visit(a.m_aAxles[i].m_dMaxSpacing, b.m_aAxles[i].m_dMaxSpacing, ConvertFeetMeters);
    }
    visit(a.m_dLaneLoad, b.m_dLaneLoad, ConvertKlfKnPerM);
    visit(a.m_dLaneMomentLoad, b.m_dLaneMomentLoad, ConvertKipsKilonewtons);
    visit(a.m_dLaneShearLoad, b.m_dLaneShearLoad, ConvertKipsKilonewtons);
    visit(a.m_dTandemAxle1, b.m_dTandemAxle1, ConvertKipsKilonewtons);
    visit(a.m_dTandemAxle2, b.m_dTandemAxle2, ConvertKipsKilonewtons);
    visit(a.m_dTandemSpacing, b.m_dTandemSpacing, ConvertFeetMeters);
}

}  // namespace

int AxlePictureId(int count) {
    switch (count) {
        case 0: return IDB_AXLES_NONE;
        case 1: return IDB_AXLES_ONE;
        case 2: return IDB_AXLES_TWO;
        case 3: return IDB_AXLES_THREE;
        default: return IDB_AXLES_MORE;
    }
}

void DrawAxlePicture(int pictureId, DC& dc) {
    if (pictureId == IDB_AXLES_NONE) return;
    const int arrows = pictureId == IDB_AXLES_ONE ? 1 : pictureId == IDB_AXLES_TWO ? 2 : 3;
    const Colour ink = Rgb(0, 0, 128);
    dc.SelectPen(Pen{PenStyle::Solid, 0, ink});
    dc.SelectBrush(Brush{BrushStyle::Solid, ink});
    // The beam, then a load arrow above it for each axle.
    dc.FillSolidRect({4, 19, 62, 22}, kBlack);
    const int step = pictureId == IDB_AXLES_MORE ? 12 : 58 / (arrows + 1);
    for (int i = 0; i < arrows; ++i) {
        const int x = 4 + step * (i + 1);
        dc.MoveTo({x, 3});
        dc.LineTo({x, 14});
        dc.Polygon({{x - 3, 13}, {x + 3, 13}, {x, 18}});
    }
    if (pictureId == IDB_AXLES_MORE) {
        for (int i = 0; i < 3; ++i) dc.FillSolidRect({46 + 5 * i, 12, 48 + 5 * i, 14}, ink);
    }
}

TruckLibRecord VehicleInUnits(const TruckLibRecord& us, int units) {
    const UnitExchange exchange(units == kUnitsUS ? kUnitsUS : kUnitsMetric);
    TruckLibRecord shown = us;
    ForEachConvertedValue(shown, us, [&](double& s, double stored, UnitConversion convert) {
        s = exchange.In(stored, convert);
    });
    return shown;
}

TruckLibRecord VehicleFromUnits(const TruckLibRecord& shown, const TruckLibRecord& before,
                                int units) {
    const UnitExchange exchange(units == kUnitsUS ? kUnitsUS : kUnitsMetric);
    TruckLibRecord us = shown;
    ForEachConvertedValue(us, before, [&](double& u, double stored, UnitConversion convert) {
        double value = stored;
        exchange.Back(value, u, convert);
        u = value;
    });
    return us;
}

bool AxleCountFits(Dialog& dialog, const TruckLibRecord& vehicle) {
    if (vehicle.m_nAxleCount >= 0 && vehicle.m_nAxleCount <= kMaxDialogAxles) return true;
    dialog.MessageBox("Vehicle " + vehicle.m_strName + " has " +
                      std::to_string(vehicle.m_nAxleCount) + " axles; a vehicle may have at most " +
                      std::to_string(kMaxDialogAxles) + ".");
    return false;
}

bool WriteLibraryVehicle(Dialog& dialog, const TruckLibRecord& vehicle, const std::string& folder,
                         const char* question) {
    const std::string file = MakeLibraryFileName(vehicle.m_strName, kVehicleFileExtension);
    // A name of forbidden characters only would make the hidden file ".ktl", which no list shows.
    if (file.size() <= 1 + std::string_view(kVehicleFileExtension).size()) {
        dialog.MessageBox("Enter a vehicle name that can name a file.");
        return false;
    }
    const std::string target = platform::JoinPath(folder, file);
    // The file name drops characters and the file system may ignore case, so different names
    // can make one file: what decides is whether the file is there.
    std::error_code ec;
    if (question && std::filesystem::exists(std::filesystem::symlink_status(target, ec)) &&
        !dialog.AskYesNo(AskAbout(question, vehicle.m_strName), MsgIcon::Question))
        return false;
    platform::CreateFolders(folder);
    CTruckLibDoc doc;
    static_cast<TruckLibRecord&>(doc) = vehicle;
    return doc.OnSaveDocument(target);
}

const DialogTemplate& CTruckPropDlg::Template() {
    static const DialogTemplate t = [] {
        DialogTemplate d;
        d.id = IDD_VEHICLE_PROPERTIES;
        d.caption = "Vehicle Properties";
        d.size = {332, 266};
        d.controls = {
            MakeControl(ControlKind::Label, kIdStatic, "Vehicle &Name:", 7, 9, 64, 9),
            MakeControl(ControlKind::Edit, IDC_VEHICLE_NAME, "", 73, 7, 100, 12),
            MakeControl(ControlKind::Label, kIdStatic, "No. A&xles:", 179, 9, 50, 9),
            MakeControl(ControlKind::Edit, IDC_AXLE_COUNT, "", 229, 7, 16, 12),
            MakeControl(ControlKind::Spin, IDC_AXLE_COUNT_SPIN, "", 245, 7, 10, 12,
                        kStyleBuddyInt),

            MakeControl(ControlKind::GroupBox, IDC_AXLE_WEIGHT_GROUP, "Axle Weight,Kip", 7, 25,
                        100, 118),
            MakeControl(ControlKind::ListBox, IDC_AXLE_WEIGHT_LIST, "", 13, 37, 88, 74),
            MakeControl(ControlKind::Label, kIdStatic, "Axle", 13, 114, 28, 9),
            MakeControl(ControlKind::Label, kIdStatic, "Weight", 45, 114, 50, 9),
            MakeControl(ControlKind::SunkenFrame, IDC_AXLE_LABEL, "", 13, 124, 28, 12),
            MakeControl(ControlKind::Edit, IDC_AXLE_WEIGHT, "", 45, 124, 56, 12),

            MakeControl(ControlKind::GroupBox, IDC_AXLE_SPACING_GROUP, "Axle Spacing,FT", 113,
                        25, 142, 118),
            MakeControl(ControlKind::ListBox, IDC_AXLE_SPACING_LIST, "", 119, 37, 130, 74),
            MakeControl(ControlKind::Label, kIdStatic, "Axles", 119, 114, 34, 9),
            MakeControl(ControlKind::Label, kIdStatic, "Min.", 157, 114, 44, 9),
            MakeControl(ControlKind::Label, kIdStatic, "Max.", 205, 114, 44, 9),
            MakeControl(ControlKind::SunkenFrame, IDC_SPACING_LABEL, "", 119, 124, 34, 12),
            MakeControl(ControlKind::Edit, IDC_MIN_SPACING, "", 157, 124, 44, 12),
            MakeControl(ControlKind::Edit, IDC_MAX_SPACING, "", 205, 124, 44, 12),

            MakeControl(ControlKind::CheckBox, IDC_INCLUDE_TANDEM, "Include &Tandem", 7, 149, 100,
                        10, kStyleGroup),
            MakeControl(ControlKind::GroupBox, IDC_TANDEM_WEIGHT_GROUP, "Axle Weights, K", 7, 162,
                        100, 48),
            MakeControl(ControlKind::Label, kIdStatic, "Axle &1:", 13, 176, 34, 9),
            MakeControl(ControlKind::Edit, IDC_TANDEM_AXLE1, "", 51, 174, 50, 12),
            MakeControl(ControlKind::Label, kIdStatic, "Axle &2:", 13, 192, 34, 9),
            MakeControl(ControlKind::Edit, IDC_TANDEM_AXLE2, "", 51, 190, 50, 12),
            MakeControl(ControlKind::Label, IDC_TANDEM_SPACING_LABEL, "Axle Spacing,FT:", 7, 217,
                        66, 9),
            MakeControl(ControlKind::Edit, IDC_TANDEM_SPACING, "", 74, 215, 33, 12),

            MakeControl(ControlKind::GroupBox, kIdStatic, "Lane Load", 113, 147, 142, 63),
            MakeControl(ControlKind::Label, IDC_LANE_LOAD_LABEL, "&Uniform,KLF:", 119, 161, 70, 9),
            MakeControl(ControlKind::Edit, IDC_LANE_LOAD, "", 193, 159, 56, 12),
            MakeControl(ControlKind::Label, IDC_LANE_MOMENT_LABEL, "P-&moment,K:", 119, 176, 70,
                        9),
            MakeControl(ControlKind::Edit, IDC_LANE_MOMENT_LOAD, "", 193, 174, 56, 12),
            MakeControl(ControlKind::Label, IDC_LANE_SHEAR_LABEL, "P-&shear,K:", 119, 192, 70, 9),
            MakeControl(ControlKind::Edit, IDC_LANE_SHEAR_LOAD, "", 193, 190, 56, 12),

            MakeControl(ControlKind::GroupBox, kIdStatic, "Combine (LRFD or Std Specs)", 7, 233,
                        318, 27),
            MakeControl(ControlKind::RadioButton, IDC_TRUCK_OR_TANDEM_PLUS_LANE,
                        "(Truck+Lane) OR (Tandem + Lane)", 13, 245, 150, 10, kStyleGroup),
            MakeControl(ControlKind::RadioButton, IDC_TRUCK_OR_TANDEM_OR_LANE,
                        "Truck OR Tandem OR Lane", 170, 245, 130, 10),

            MakeControl(ControlKind::Picture, IDC_AXLE_PICTURE, "", 266, 120, 44, 16),
            MakeControl(ControlKind::DefPushButton, kIdOk, "OK", 266, 7, 59, 14, kStyleGroup),
            MakeControl(ControlKind::PushButton, kIdCancel, "Cancel", 266, 24, 59, 14),
            MakeControl(ControlKind::PushButton, IDC_TRUCK_SAVE, "Sa&ve", 266, 48, 59, 14),
            MakeControl(ControlKind::PushButton, IDC_TRUCK_LIBRARY, "&Library...", 266, 65, 59,
                        14),
        };
        return d;
    }();
    return t;
}

CTruckPropDlg::CTruckPropDlg() : Dialog(Template()) {
    m_nCombination = kCombineTruckOrTandemPlusLane;
    OnNotify(Notification::SelChange, IDC_AXLE_WEIGHT_LIST, [this] { OnSelchangeWeights(); });
    OnNotify(Notification::SelChange, IDC_AXLE_SPACING_LIST, [this] { OnSelchangeSpacings(); });
    OnNotify(Notification::KillFocus, IDC_AXLE_WEIGHT, [this] { OnKillfocusAxleWeight(); });
    OnNotify(Notification::KillFocus, IDC_MIN_SPACING, [this] { OnKillfocusSpacing(true); });
    OnNotify(Notification::KillFocus, IDC_MAX_SPACING, [this] { OnKillfocusSpacing(false); });
    OnSpin(IDC_AXLE_COUNT_SPIN, [this](int pos, int delta) { return OnDeltaposAxleCount(pos, delta); });
    m_commands.On(IDC_TRUCK_OR_TANDEM_PLUS_LANE,
                  [this] { OnCombination(kCombineTruckOrTandemPlusLane); });
    m_commands.On(IDC_TRUCK_OR_TANDEM_OR_LANE,
                  [this] { OnCombination(kCombineTruckOrTandemOrLane); });
    m_commands.On(IDC_TRUCK_SAVE, [this] { OnSave(); });
    m_commands.On(IDC_TRUCK_LIBRARY, [this] { OnLibrary(); });
}

void CTruckPropDlg::SetVehicle(const TruckLibRecord& us, int units) {
    m_nUnits = units;
    m_usVehicle = us;
    static_cast<TruckLibRecord&>(*this) = VehicleInUnits(us, units);
}

TruckLibRecord CTruckPropDlg::GetVehicle() const {
    return VehicleFromUnits(*this, m_usVehicle, m_nUnits);
}

void CTruckPropDlg::DoDataExchange(DataExchange& dx) {
    dx.Text(IDC_VEHICLE_NAME, m_strName, kMaxVehicleName);
    dx.Int(IDC_AXLE_COUNT, m_nAxleCount, 0, kMaxDialogAxles);
    dx.Double(IDC_AXLE_WEIGHT, m_dAxleWeight);
    dx.Double(IDC_MIN_SPACING, m_dMinSpacing);
    dx.Double(IDC_MAX_SPACING, m_dMaxSpacing);
    dx.Check(IDC_INCLUDE_TANDEM, m_bIncludeTandem);
    dx.Double(IDC_TANDEM_AXLE1, m_dTandemAxle1);
    dx.Double(IDC_TANDEM_AXLE2, m_dTandemAxle2);
    dx.Double(IDC_TANDEM_SPACING, m_dTandemSpacing);
    dx.Double(IDC_LANE_LOAD, m_dLaneLoad);
    dx.Double(IDC_LANE_MOMENT_LOAD, m_dLaneMomentLoad);
    dx.Double(IDC_LANE_SHEAR_LOAD, m_dLaneShearLoad);
    if (!dx.Saving()) {
        SetDlgItemText(IDC_AXLE_LABEL, m_strAxleLabel);
        SetDlgItemText(IDC_SPACING_LABEL, m_strSpacingLabel);
    }
}

bool CTruckPropDlg::OnInitDialog() {
    Dialog::OnInitDialog();
    m_strLibraryFolder =
        ResolveLibraryFolder(platform::kIniKeyTruckLibraryFolder, kVehicleLibraryDefaultSuffix);
    if (Metric()) {
        SetDlgItemText(IDC_AXLE_WEIGHT_GROUP, "Axle Weight,kN");
        SetDlgItemText(IDC_AXLE_SPACING_GROUP, "Axle Spacing,m");
        SetDlgItemText(IDC_TANDEM_WEIGHT_GROUP, "Axle Weights,kN");
        SetDlgItemText(IDC_TANDEM_SPACING_LABEL, "Axle Spacing,m");
        SetDlgItemText(IDC_LANE_LOAD_LABEL, "&Uniform,kN/m:");
        SetDlgItemText(IDC_LANE_MOMENT_LABEL, "P-&moment,kN:");
        SetDlgItemText(IDC_LANE_SHEAR_LABEL, "P-&shear,kN:");
    }
    SetCombinationButtons(m_nCombination);
    SelectFirstRows();
    // A count no row holds is shown as it is; OK refuses it.
    const int count = m_nAxleCount;
    FillWeightList(count);
    FillSpacingList(count);
    ShowAxlePicture(count);
    SetSpinRange(IDC_AXLE_COUNT_SPIN, 0, kMaxDialogAxles);
    SetSpinPos(IDC_AXLE_COUNT_SPIN, std::clamp(count, 0, kMaxDialogAxles));
    if (m_bHideLibraryButtons) {
        ShowItem(IDC_TRUCK_SAVE, false);
        ShowItem(IDC_TRUCK_LIBRARY, false);
    }
    UpdateData(false);
    return true;
}

void CTruckPropDlg::SelectFirstRows() {
    m_nCurrentAxle = 0;
    m_strAxleLabel = AxleLabel(0);
    m_dAxleWeight = m_aAxles[0].m_dWeight;
    m_nCurrentSpacing = 0;
    m_strSpacingLabel = SpacingLabel(0);
    m_dMinSpacing = m_aAxles[0].m_dMinSpacing;
    m_dMaxSpacing = m_aAxles[0].m_dMaxSpacing;
}

std::string CTruckPropDlg::WeightLine(int row) const {
    char text[64];
    std::snprintf(text, sizeof text, "%2.0d\t%5.2f", row + 1, m_aAxles[row].m_dWeight);
    return text;
}

std::string CTruckPropDlg::SpacingLine(int row) const {
    char text[96];
    std::snprintf(text, sizeof text, "%2.0d-%2.0d\t%5.2f\t%5.2f", row + 1, row + 2,
                  m_aAxles[row].m_dMinSpacing, m_aAxles[row].m_dMaxSpacing);
    return text;
}

void CTruckPropDlg::FillWeightList(int count) {
    const int rows = std::clamp(count, 0, kMaxVehicleAxles);
    ResetContent(IDC_AXLE_WEIGHT_LIST);
    SetTabStops(IDC_AXLE_WEIGHT_LIST, kWeightTabStops);
    for (int i = 0; i < rows; ++i) AddString(IDC_AXLE_WEIGHT_LIST, WeightLine(i));
    SetCurSel(IDC_AXLE_WEIGHT_LIST, m_nCurrentAxle);
    UpdateData(false);
}

void CTruckPropDlg::FillSpacingList(int count) {
    const int rows = std::clamp(count, 0, kMaxVehicleAxles);
    ResetContent(IDC_AXLE_SPACING_LIST);
    SetTabStops(IDC_AXLE_SPACING_LIST, kSpacingTabStops);
    for (int i = 0; i + 1 < rows; ++i) AddString(IDC_AXLE_SPACING_LIST, SpacingLine(i));
    SetCurSel(IDC_AXLE_SPACING_LIST, m_nCurrentSpacing);
    UpdateData(false);
}

void CTruckPropDlg::ShowAxlePicture(int count) {
    const int id = AxlePictureId(count);
    SetItemBitmap(IDC_AXLE_PICTURE,
                  GetToolkit().RenderBitmap(kAxlePictureSize,
                                            [id](DC& dc) { DrawAxlePicture(id, dc); }));
}

void CTruckPropDlg::SetCombinationButtons(int code) {
    CheckRadioButton(code == kCombineTruckOrTandemOrLane ? IDC_TRUCK_OR_TANDEM_OR_LANE
                                                         : IDC_TRUCK_OR_TANDEM_PLUS_LANE);
}

void CTruckPropDlg::StoreCurrentRows() {
    if (m_nCurrentAxle >= 0 && m_nCurrentAxle < kMaxVehicleAxles)
        m_aAxles[m_nCurrentAxle].m_dWeight = m_dAxleWeight;
    if (m_nCurrentSpacing >= 0 && m_nCurrentSpacing < kMaxVehicleAxles) {
        m_aAxles[m_nCurrentSpacing].m_dMinSpacing = m_dMinSpacing;
        m_aAxles[m_nCurrentSpacing].m_dMaxSpacing = m_dMaxSpacing;
    }
}

void CTruckPropDlg::OnSelchangeWeights() {
    const int picked = GetCurSel(IDC_AXLE_WEIGHT_LIST);
    if (!UpdateData(true)) return;
    StoreCurrentRows();
    if (picked >= 0 && picked < kMaxVehicleAxles) {
        m_nCurrentAxle = picked;
        m_strAxleLabel = AxleLabel(picked);
        m_dAxleWeight = m_aAxles[picked].m_dWeight;
    }
    FillWeightList(GetCount(IDC_AXLE_WEIGHT_LIST));
}

void CTruckPropDlg::OnSelchangeSpacings() {
    const int picked = GetCurSel(IDC_AXLE_SPACING_LIST);
    if (!UpdateData(true)) return;
    StoreCurrentRows();
    if (picked >= 0 && picked < kMaxVehicleAxles) {
        m_nCurrentSpacing = picked;
        m_strSpacingLabel = SpacingLabel(picked);
        m_dMinSpacing = m_aAxles[picked].m_dMinSpacing;
        m_dMaxSpacing = m_aAxles[picked].m_dMaxSpacing;
    }
    FillSpacingList(GetCount(IDC_AXLE_SPACING_LIST) + 1);
}

void CTruckPropDlg::OnKillfocusAxleWeight() {
    if (!UpdateData(true)) return;
    if (m_nCurrentAxle < 0 || m_nCurrentAxle >= kMaxVehicleAxles) return;
    m_aAxles[m_nCurrentAxle].m_dWeight = m_dAxleWeight;
    FillWeightList(GetCount(IDC_AXLE_WEIGHT_LIST));
}

void CTruckPropDlg::OnKillfocusSpacing(bool minimum) {
    if (!UpdateData(true)) return;
    if (m_nCurrentSpacing < 0 || m_nCurrentSpacing >= kMaxVehicleAxles) return;
    VehicleAxle& row = m_aAxles[m_nCurrentSpacing];
    (minimum ? row.m_dMinSpacing : row.m_dMaxSpacing) = minimum ? m_dMinSpacing : m_dMaxSpacing;
    FillSpacingList(GetCount(IDC_AXLE_SPACING_LIST) + 1);
}

bool CTruckPropDlg::OnDeltaposAxleCount(int pos, int delta) {
    const int count = pos + delta;
    if (count < 0 || count > kMaxDialogAxles) return false;
    if (!UpdateData(true)) return false;
    m_nAxleCount = count;
    FillWeightList(count);
    FillSpacingList(count);
    ShowAxlePicture(count);
    return true;
}

void CTruckPropDlg::OnCombination(int code) {
    if (!UpdateData(true)) return;
    SetCombinationButtons(code);
    m_nCombination = code;
    UpdateData(false);
}

void CTruckPropDlg::OnSave() {
    if (!UpdateData(true)) return;
    StoreCurrentRows();
    TruckLibRecord vehicle = GetVehicle();
    // The file holds the rows of the vehicle's axles only.
    for (int i = vehicle.m_nAxleCount; i < kMaxVehicleAxles; ++i) vehicle.m_aAxles[i] = {};
    WriteLibraryVehicle(*this, vehicle, m_strLibraryFolder,
                        "Truck name %s already exists.\nOverwrite existing truck?");
}

void CTruckPropDlg::OnLibrary() {
    CTruckLibDlg pick;
    if (pick.DoModal() != kIdOk) return;
    if (!AxleCountFits(*this, pick)) return;
    SetVehicle(pick, m_nUnits);
    SetCombinationButtons(m_nCombination);
    SelectFirstRows();
    SetSpinPos(IDC_AXLE_COUNT_SPIN, m_nAxleCount);
    FillWeightList(m_nAxleCount);
    FillSpacingList(m_nAxleCount);
    ShowAxlePicture(m_nAxleCount);
    UpdateData(false);
    InvalidateItem();
}

void CTruckPropDlg::OnOK() {
    if (!UpdateData(true)) return;
    // The weight and spacing being edited belong to their rows, whichever control had the focus.
    StoreCurrentRows();
    EndDialog(kIdOk);
}

}  // namespace kordel
