#include "libraries/section_prop_dlg.h"

#include <algorithm>
#include <cstdio>

#include "libraries/library_folders.h"
#include "libraries/section_coords_dlg.h"
#include "libraries/section_generator.h"
#include "libraries/section_lib_dlg.h"
#include "libraries/section_prop_gen_dlg.h"
#include "platform/folders.h"
#include "platform/ini.h"
#include "platform/ui/toolkit.h"

namespace kordel {

using namespace platform::ui;
using platform::MsgButtons;
using platform::MsgIcon;

namespace {

/// Metric factors from inches: m, m2, m4.
constexpr double kLengthFactor = 0.0254;
constexpr double kAreaFactor = 0.00064516;
constexpr double kInertiaFactor = 4.162314256e-7;
/// Size of the type picture, pixels.
constexpr Size kTypePictureSize{48, 48};

const char* const kTypeNames[] = {"I-Girder/Bulb-tee", "Box beam",          "U-Beam",
                                  "Voided/solid slab", "Double tee/channel", "Decked bulbed tee",
                                  "Special type"};

StrandTemplateEditor& InstalledEditor() {
    static StrandTemplateEditor editor;
    return editor;
}

/// Each converted value of a section with its factor from inches, in one place for both
/// directions. Every template row is converted: the rows past the count carry their values.
template <class Visit>
void ForEachConvertedValue(SectionLibRecord& a, const SectionLibRecord& b, Visit&& visit) {
    visit(a.m_dArea, b.m_dArea, kAreaFactor);
    for (auto m : {&SectionLibRecord::m_dInertia, &SectionLibRecord::m_dTorsionConstant,
                   &SectionLibRecord::m_dInertiaY})
        visit(a.*m, b.*m, kInertiaFactor);
    for (auto m : {&SectionLibRecord::m_dCentroid, &SectionLibRecord::m_dTopFlangeThickness,
                   &SectionLibRecord::m_dTopFlangeWidth, &SectionLibRecord::m_dHeight,
                   &SectionLibRecord::m_dWebWidth, &SectionLibRecord::m_dBwo,
                   &SectionLibRecord::m_dBottomFlangeWidth,
                   &SectionLibRecord::m_dBottomFlangeThickness,
                   &SectionLibRecord::m_dVolumeToSurface, &SectionLibRecord::m_dDeckingThickness,
                   &SectionLibRecord::m_dWebLocation})
        visit(a.*m, b.*m, kLengthFactor);
    for (int r = 0; r < kMaxPatternRows; ++r) {
        visit(a.m_adStrandTemplate[r][kTemplateElevation],
              b.m_adStrandTemplate[r][kTemplateElevation], kLengthFactor);
        for (int c = kTemplateFirstLocation; c < kMaxPatternColumns; ++c)
            visit(a.m_adStrandTemplate[r][c], b.m_adStrandTemplate[r][c], kLengthFactor);
    }
}

/// `shown` back from a unit `factor` times inches; `before` when it is still shown unchanged.
double Back(double shown, double before, double factor) {
    return shown == before * factor ? before : shown / factor;
}

/// The generator type that edits a section of `sectionType`.
int GeneratorTypeOf(int sectionType) {
    switch (sectionType) {
        case kSectionBoxBeam: return kGenBoxBeam;
        case kSectionUBeam: return kGenUBeamA;
        case kSectionSlab: return kGenSlab;
        case kSectionChannel: return kGenDoubleTee;
        case kSectionDeckedBulbTee: return kGenDeckedBulbTee;
        default: return kGenIGirder;
    }
}

}  // namespace

StrandTemplateEditor SetStrandTemplateEditor(StrandTemplateEditor editor) {
    StrandTemplateEditor previous = std::move(InstalledEditor());
    InstalledEditor() = std::move(editor);
    return previous;
}

const char* SectionTypeName(int sectionType) {
    return sectionType >= 1 && sectionType <= kSectionSpecial ? kTypeNames[sectionType - 1] : "";
}

void DrawSectionTypePicture(int sectionType, DC& dc) {
    dc.FillSolidRect({0, 0, kTypePictureSize.cx, kTypePictureSize.cy}, kWhite);
    SectionShape shape;
    if (sectionType >= kSectionIGirder && sectionType <= kSectionDeckedBulbTee) {
        shape = BuildSectionShape(DefaultGeneratorInput(GeneratorTypeOf(sectionType), kUnitsUS));
    } else {
        // A special section: a free outline.
        const double special[][2] = {{-20, 0}, {-20, 30}, {0, 40}, {20, 30}, {20, 0}, {-20, 0}};
        shape.outlineCount = 6;
        for (int i = 0; i < 6; ++i) {
            shape.outline[i][kPointX] = special[i][0];
            shape.outline[i][kPointY] = special[i][1];
        }
    }
    const SectionSketchData data = ShapeSketch(shape);
    DrawSectionSketch(dc, kTypePictureSize, data);
}

SectionLibRecord SectionInUnits(const SectionLibRecord& inches, int units) {
    SectionLibRecord shown = inches;
    if (units == kUnitsUS) return shown;
    ForEachConvertedValue(shown, inches,
                          [](double& s, double in, double factor) { s = in * factor; });
    return shown;
}

SectionLibRecord SectionFromUnits(const SectionLibRecord& shown, const SectionLibRecord& before,
                                  int units) {
    SectionLibRecord inches = shown;
    if (units == kUnitsUS) return inches;
    ForEachConvertedValue(inches, before, [](double& v, double in, double factor) {
        v = Back(v, in, factor);
    });
    return inches;
}

const DialogTemplate& CSectionPropDlg::Template() {
    static const DialogTemplate t = [] {
        DialogTemplate d;
        d.id = IDD_SECTION_PROPERTIES;
        d.caption = "Section Properties";
        d.size = {450, 172};
        const int lx = 7, ex = 66, ew = 82;  // the value column
        auto row = [&](int labelId, const char* label, int editId, int y, unsigned style = 0) {
            d.controls.push_back(MakeControl(ControlKind::Label, labelId, label, lx, y + 2, 57, 9,
                                             style & kStyleHidden));
            d.controls.push_back(MakeControl(ControlKind::Edit, editId, "", ex, y, ew, 12, style));
        };
        d.controls = {
            MakeControl(ControlKind::Label, kIdStatic, "&Name:", 7, 9, 24, 9),
            MakeControl(ControlKind::Edit, IDC_SECTION_NAME, "", 33, 7, 100, 12),
            MakeControl(ControlKind::Label, kIdStatic, "Type:", 141, 9, 22, 9),
            MakeControl(ControlKind::Label, IDC_SECTION_TYPE_NAME, "", 165, 9, 90, 9),
            MakeControl(ControlKind::ComboBox, IDC_SECTION_TYPE_COMBO, "", 165, 7, 90, 80,
                        kStyleHidden),
            MakeControl(ControlKind::Picture, IDC_SECTION_TYPE_PICTURE, "", 313, 3, 32, 30),
        };
        row(IDC_SECTION_HEIGHT_LABEL, "height, in", IDC_SECTION_HEIGHT, 38);
        row(IDC_SECTION_CG_LABEL, "cg, in", IDC_SECTION_CG, 54);
        row(IDC_SECTION_AREA_LABEL, "Area,in2:", IDC_SECTION_AREA, 70);
        row(IDC_SECTION_IXX_LABEL, "Ixx,in4:", IDC_SECTION_IXX, 86);
        row(IDC_SECTION_J_LABEL, "J,in4:", IDC_SECTION_J, 102);
        row(IDC_SECTION_BWO_LABEL, "bwo, in:", IDC_SECTION_BWO, 118);
        row(IDC_SECTION_VS_LABEL, "V/S, in:", IDC_SECTION_VS, 134);
        row(IDC_SECTION_DECKING_LABEL, "decking, in", IDC_SECTION_DECKING, 150);
        row(IDC_SECTION_IYY_LABEL, "Iyy,in4:", IDC_SECTION_IYY, 166, kStyleHidden);
        const std::vector<ControlTemplate> rest = {
            MakeControl(ControlKind::GroupBox, IDC_SECTION_FLANGE_GROUP, "Flange Dimensions,in",
                        154, 36, 118, 62),
            MakeControl(ControlKind::Label, kIdStatic, "Width", 194, 48, 34, 9, kStyleCenter),
            MakeControl(ControlKind::Label, kIdStatic, "Thick", 232, 48, 34, 9, kStyleCenter),
            MakeControl(ControlKind::Label, kIdStatic, "Top", 160, 62, 30, 9),
            MakeControl(ControlKind::Edit, IDC_SECTION_TOP_FLANGE_WIDTH, "", 194, 60, 34, 12),
            MakeControl(ControlKind::Edit, IDC_SECTION_TOP_FLANGE_THICKNESS, "", 232, 60, 34, 12),
            MakeControl(ControlKind::Label, kIdStatic, "Bottom", 160, 80, 30, 9),
            MakeControl(ControlKind::Edit, IDC_SECTION_BOTTOM_FLANGE_WIDTH, "", 194, 78, 34, 12),
            MakeControl(ControlKind::Edit, IDC_SECTION_BOTTOM_FLANGE_THICKNESS, "", 232, 78, 34,
                        12),
            MakeControl(ControlKind::GroupBox, IDC_SECTION_WEB_GROUP, "Web,in", 154, 102, 118,
                        62),
            MakeControl(ControlKind::Label, kIdStatic, "Width", 160, 116, 30, 9),
            MakeControl(ControlKind::Edit, IDC_SECTION_WEB_WIDTH, "", 194, 114, 34, 12),
            MakeControl(ControlKind::Label, kIdStatic, "No", 160, 132, 30, 9),
            MakeControl(ControlKind::SunkenFrame, IDC_SECTION_WEB_COUNT, "", 194, 130, 24, 12,
                        kStyleCenter),
            MakeControl(ControlKind::Spin, IDC_SECTION_WEB_COUNT_SPIN, "", 218, 130, 10, 12),
            MakeControl(ControlKind::Label, IDC_SECTION_WEB_LOCATION_LABEL, "Loc:", 160, 148,
                        30, 9),
            MakeControl(ControlKind::Edit, IDC_SECTION_WEB_LOCATION, "", 194, 146, 34, 12),
            MakeControl(ControlKind::SunkenFrame, IDC_SECTION_SKETCH, "", 280, 36, 98, 128,
                        kStyleOwnerDraw),
            MakeControl(ControlKind::DefPushButton, kIdOk, "OK", 386, 7, 57, 14, kStyleGroup),
            MakeControl(ControlKind::PushButton, kIdCancel, "Cancel", 386, 24, 57, 14),
            MakeControl(ControlKind::PushButton, IDC_SECTION_LIBRARY, "&Library...", 386, 50, 57,
                        14),
            MakeControl(ControlKind::PushButton, IDC_SECTION_SAVE, "&Save", 386, 67, 57, 14),
            MakeControl(ControlKind::PushButton, IDC_SECTION_TEMPLATE, "&Template...", 386, 93,
                        57, 14),
            MakeControl(ControlKind::PushButton, IDC_SECTION_COORDINATES, "&Coordinates...", 386,
                        110, 57, 14),
            MakeControl(ControlKind::PushButton, IDC_SECTION_GENERATE, "&Generate New...", 386,
                        127, 57, 14),
        };
        d.controls.insert(d.controls.end(), rest.begin(), rest.end());
        return d;
    }();
    return t;
}

CSectionPropDlg::CSectionPropDlg() : Dialog(Template()) {
    OnSpin(IDC_SECTION_WEB_COUNT_SPIN,
           [this](int pos, int delta) { return OnWebCountSpin(pos, delta); });
    m_commands.On(IDC_SECTION_LIBRARY, [this] { OnLibrary(); });
    m_commands.On(IDC_SECTION_SAVE, [this] { Save(); });
    m_commands.On(IDC_SECTION_TEMPLATE, [this] { OnTemplate(); });
    m_commands.On(IDC_SECTION_COORDINATES, [this] { OnCoordinates(); });
    m_commands.On(IDC_SECTION_GENERATE, [this] { OnGenerateNew(); });
}

void CSectionPropDlg::DoDataExchange(DataExchange& dx) {
    dx.Text(IDC_SECTION_NAME, m_strName, kMaxSectionNameChars);
    dx.Double(IDC_SECTION_HEIGHT, m_dHeight);
    dx.Double(IDC_SECTION_CG, m_dCentroid);
    dx.Double(IDC_SECTION_AREA, m_dArea);
    dx.Double(IDC_SECTION_IXX, m_dInertia);
    dx.Double(IDC_SECTION_J, m_dTorsionConstant);
    dx.Double(IDC_SECTION_BWO, m_dBwo);
    dx.Double(IDC_SECTION_VS, m_dVolumeToSurface);
    dx.Double(IDC_SECTION_DECKING, m_dDeckingThickness);
    dx.Double(IDC_SECTION_TOP_FLANGE_WIDTH, m_dTopFlangeWidth);
    dx.Double(IDC_SECTION_TOP_FLANGE_THICKNESS, m_dTopFlangeThickness);
    dx.Double(IDC_SECTION_BOTTOM_FLANGE_WIDTH, m_dBottomFlangeWidth);
    dx.Double(IDC_SECTION_BOTTOM_FLANGE_THICKNESS, m_dBottomFlangeThickness);
    dx.Double(IDC_SECTION_WEB_WIDTH, m_dWebWidth);
    dx.Double(IDC_SECTION_WEB_LOCATION, m_dWebLocation);
    dx.Double(IDC_SECTION_IYY, m_dInertiaY);
}

SectionLibRecord CSectionPropDlg::InInches() const {
    return SectionFromUnits(*this, m_inches, m_nUnits);
}

void CSectionPropDlg::TakeInches(const SectionLibRecord& inches) {
    m_inches = inches;
    static_cast<SectionLibRecord&>(*this) = SectionInUnits(inches, m_nUnits);
}

bool CSectionPropDlg::OnInitDialog() {
    Dialog::OnInitDialog();
    m_bSectionReplaced = 0;
    if (Metric()) {
        const std::pair<int, const char*> labels[] = {
            {IDC_SECTION_HEIGHT_LABEL, "Height, m"},  {IDC_SECTION_CG_LABEL, "cg, m"},
            {IDC_SECTION_AREA_LABEL, "Area, m2"},     {IDC_SECTION_IXX_LABEL, "Ixx, m4"},
            {IDC_SECTION_J_LABEL, "J, m4"},           {IDC_SECTION_BWO_LABEL, "bwo, m"},
            {IDC_SECTION_VS_LABEL, "VS, m"},          {IDC_SECTION_FLANGE_GROUP, "Flange Dimensions, m"},
            {IDC_SECTION_WEB_GROUP, "Web, m"},        {IDC_SECTION_IYY_LABEL, "Iyy, m4"},
            {IDC_SECTION_DECKING_LABEL, "thickness, m"},
        };
        for (const auto& [id, text] : labels) SetDlgItemText(id, text);
    }
    TakeInches(static_cast<const SectionLibRecord&>(*this));
    ResetContent(IDC_SECTION_TYPE_COMBO);
    for (const char* name : kTypeNames) AddString(IDC_SECTION_TYPE_COMBO, name);
    ShowType();
    // The spin's range follows the type as opened; its position is the web count, so that
    // each arrow steps from the count shown.
    if (m_nSectionType == kSectionChannel) {
        SetSpinRange(IDC_SECTION_WEB_COUNT_SPIN, 1,
                     std::max(3, static_cast<int>(std::clamp(m_adGenWidth[6], 0.0, 1000.0))));
    } else if (m_nSectionType >= kSectionIGirder && m_nSectionType <= kSectionDeckedBulbTee) {
        SetSpinRange(IDC_SECTION_WEB_COUNT_SPIN, 1, 2);
    }
    SetSpinPos(IDC_SECTION_WEB_COUNT_SPIN, m_nWebCount);
    if (m_nMode == kSectionPropLibrary) {
        ShowItem(IDC_SECTION_SAVE, false);
        ShowItem(IDC_SECTION_LIBRARY, false);
        SetDlgItemText(kIdOk, "Save");
    }
    // "Template..." runs the strand template dialog where the program has one.
    EnableItem(IDC_SECTION_TEMPLATE, static_cast<bool>(InstalledEditor()));
    UpdateData(false);
    return true;
}

void CSectionPropDlg::ShowType() {
    const int index = m_nSectionType >= 1 && m_nSectionType <= kSectionSpecial ? m_nSectionType - 1
                                                                              : -1;
    SetCurSel(IDC_SECTION_TYPE_COMBO, index);
    SetDlgItemText(IDC_SECTION_TYPE_NAME, SectionTypeName(m_nSectionType));
    const int type = m_nSectionType;
    if (FindToolkit())
        SetItemBitmap(IDC_SECTION_TYPE_PICTURE,
                      GetToolkit().RenderBitmap(kTypePictureSize,
                                                [type](DC& dc) { DrawSectionTypePicture(type, dc); }));
    EnableItem(IDC_SECTION_DECKING, m_nSectionType == kSectionDeckedBulbTee);
    ShowWebCount();
}

void CSectionPropDlg::ShowWebCount() {
    SetDlgItemText(IDC_SECTION_WEB_COUNT, std::to_string(m_nWebCount));
    EnableItem(IDC_SECTION_WEB_LOCATION, m_nWebCount != 1);
    EnableItem(IDC_SECTION_WEB_LOCATION_LABEL, m_nWebCount != 1);
}

bool CSectionPropDlg::OnWebCountSpin(int pos, int delta) {
    const int count = pos + delta;
    bool taken = false;
    if (m_nSectionType == kSectionChannel) {
        taken = count >= 1 && count <= 3;
    } else if (m_nSectionType >= kSectionIGirder && m_nSectionType <= kSectionDeckedBulbTee) {
        taken = count >= 1 && count <= 2;
    }
    if (taken) m_nWebCount = count;
    ShowWebCount();
    return true;
}

int CSectionPropDlg::Save() {
    if (!UpdateData(true)) return 0;
    const std::string folder =
        ResolveLibraryFolder(platform::kIniKeyLibraryFolder, kSectionLibraryDefaultSuffix);
    platform::FileDialogRequest request;
    request.defaultExtension = kSectionFileExtension;
    request.initialName =
        platform::JoinPath(folder, MakeLibraryFileName(m_strName, kSectionFileExtension));
    request.filter = "Kordel Section Libraries (*.ksl)|*.ksl|";
    request.promptOverwrite = true;
    const std::optional<std::string> path = platform::GetHost().GetSaveFileName(request);
    if (!path) return 0;
    CSectionLibDoc doc;
    static_cast<SectionLibRecord&>(doc) = InInches();
    // A section saved on its own carries no Iyy: a design that takes it works Iyy out from the
    // outline.
    doc.m_dAuxProperty1 = 0;
    doc.m_dInertiaY = 0;
    doc.m_dAuxProperty2 = 0;
    // A write that fails says why and leaves the dialog open with the edits.
    return doc.OnSaveDocument(*path) ? 1 : 0;
}

void CSectionPropDlg::OnOK() {
    if (!UpdateData(true)) return;
    // Only a generated decked bulb-tee knows the depth of its deck (D8); no other section has
    // a depth to hold the decking against.
    const double deckDepth = m_adGenDepth[8];
    const double decking = Metric() ? m_dDeckingThickness / kLengthFactor : m_dDeckingThickness;
    if (m_nSectionType == kSectionDeckedBulbTee && deckDepth > 0 && decking > deckDepth) {
        char text[160];
        std::snprintf(text, sizeof text,
                      "Decking cannot be greater than the overall height of the deck (%5.2f).",
                      deckDepth);
        MessageBox(text);
        GotoDlgCtrl(IDC_SECTION_DECKING);
        return;
    }
    if (m_nMode == kSectionPropLibrary && !Save()) return;
    static_cast<SectionLibRecord&>(*this) = InInches();
    EndDialog(kIdOk);
}

void CSectionPropDlg::OnLibrary() {
    if (!UpdateData(true)) return;
    CSectionLibDoc section;
    static_cast<SectionLibRecord&>(section) = InInches();
    CSectionLibDlg lib;
    lib.m_pSection = &section;
    lib.m_nMode = kSectionLibPick;
    lib.m_nUnits = m_nUnits;
    if (lib.DoModal() == kIdOk) {
        TakeInches(section);
        m_bSectionReplaced = lib.m_bSectionReplaced;
        ShowType();
    } else {
        TakeInches(InInches());
    }
    UpdateData(false);
    InvalidateItem(IDC_SECTION_SKETCH);
}

void CSectionPropDlg::OnTemplate() {
    const StrandTemplateEditor& editor = InstalledEditor();
    if (!editor) return;
    StrandTemplateEdit edit;
    edit.units = m_nUnits;
    edit.sectionType = m_nSectionType;
    edit.height = m_dHeight;
    edit.rowCount = m_nTemplateRowCount;
    edit.webLocation = m_dWebLocation;
    edit.columnCount = m_nTemplateColumnCount;
    edit.layout = m_nTemplateLayout;
    const int values = std::clamp(m_nTemplateColumnCount + kTemplateFirstLocation, 0,
                                  kMaxPatternColumns);
    for (int r = 0; r < kMaxPatternRows; ++r)
        for (int c = 0; c < values; ++c) edit.values[r][c] = m_adStrandTemplate[r][c];
    if (!editor(edit)) return;
    m_nTemplateRowCount = edit.rowCount;
    m_bSectionReplaced = edit.sectionReplaced;
    m_nTemplateColumnCount = edit.columnCount;
    m_nTemplateLayout = edit.layout;
    std::copy(&edit.values[0][0], &edit.values[0][0] + kMaxPatternRows * kMaxPatternColumns,
              &m_adStrandTemplate[0][0]);
    m_dWebLocation = edit.webLocation;
    UpdateData(false);
}

void CSectionPropDlg::OnCoordinates() {
    if (!UpdateData(true)) return;
    const double f = Metric() ? kLengthFactor : 1.0;
    CSectionCoordsDlg coords;
    coords.m_nUnits = m_nUnits;
    coords.m_nSectionType = m_nSectionType;
    SetCoordinates(coords, *this, f);
    CopyGrossProperties(coords, *this);
    if (coords.DoModal() != kIdOk) return;
    GetCoordinates(coords, *this, f);
    CopyGrossProperties(*this, coords);
    UpdateData(false);
    InvalidateItem(IDC_SECTION_SKETCH);
}

void CSectionPropDlg::OnGenerateNew() {
    if (!UpdateData(true)) return;
    const double f = Metric() ? kLengthFactor : 1.0;
    CSectionPropGenDlg gen;
    gen.m_nUnits = m_nUnits;
    gen.m_nSectionType = m_nSectionType;
    gen.m_dArea = m_dArea;
    gen.m_dCentroid = m_dCentroid;
    gen.m_dHeight = m_dHeight;
    gen.m_dInertia = m_dInertia;
    gen.m_dTorsionConstant = m_dTorsionConstant;
    gen.m_dVolumeToSurface = m_dVolumeToSurface;
    gen.m_dInertiaY = m_dInertiaY;
    gen.m_dTopFlangeThickness = m_dTopFlangeThickness;
    gen.m_dTopFlangeWidth = m_dTopFlangeWidth;
    gen.m_dBottomFlangeWidth = m_dBottomFlangeWidth;
    gen.m_dBottomFlangeThickness = m_dBottomFlangeThickness;
    gen.m_dBwo = m_dBwo;
    gen.m_nWebCount = m_nWebCount;
    gen.m_dWebWidth = m_dWebWidth;
    gen.m_dWebLocation = m_dWebLocation;
    for (int i = 0; i < kSectionGeneratorSlots; ++i) {
        gen.m_adGenWidth[i] = m_adGenWidth[i] * f;
        gen.m_adGenDepth[i] = m_adGenDepth[i] * f;
    }
    SetCoordinates(gen, *this, f);
    gen.m_nTemplateColumnCount = m_nTemplateColumnCount;
    gen.m_nTemplateLayout = m_nTemplateLayout;
    gen.m_nTemplateRowCount = m_nTemplateRowCount;
    const int values = std::clamp(m_nTemplateColumnCount + kTemplateFirstLocation, 0,
                                  kMaxPatternColumns);
    for (int r = 0; r < kMaxPatternRows; ++r)
        for (int c = 0; c < values; ++c) gen.m_adStrandTemplate[r][c] = m_adStrandTemplate[r][c];
    gen.m_bSectionFlag1 = m_bSectionFlag1;
    gen.m_bSectionFlag2 = m_bSectionFlag2;
    gen.m_bCurvedWebFillets = m_bCurvedWebFillets;
    gen.m_bCurvedFlangeFillets = m_bCurvedFlangeFillets;
    if (gen.DoModal() == kIdOk) {
        m_nSectionType = gen.m_nSectionType;
        m_dArea = gen.m_dArea;
        m_dCentroid = gen.m_dCentroid;
        m_dHeight = gen.m_dHeight;
        m_dInertia = gen.m_dInertia;
        m_dTorsionConstant = gen.m_dTorsionConstant;
        m_dVolumeToSurface = gen.m_dVolumeToSurface;
        m_dInertiaY = gen.m_dInertiaY;
        m_dTopFlangeThickness = gen.m_dTopFlangeThickness;
        m_dTopFlangeWidth = gen.m_dTopFlangeWidth;
        m_dBottomFlangeWidth = gen.m_dBottomFlangeWidth;
        m_dBottomFlangeThickness = gen.m_dBottomFlangeThickness;
        m_dBwo = gen.m_dBwo;
        m_nWebCount = gen.m_nWebCount;
        m_dWebWidth = gen.m_dWebWidth;
        m_dWebLocation = gen.m_dWebLocation;
        for (int i = 0; i < kSectionGeneratorSlots; ++i) {
            m_adGenWidth[i] = Back(gen.m_adGenWidth[i], m_adGenWidth[i], f);
            m_adGenDepth[i] = Back(gen.m_adGenDepth[i], m_adGenDepth[i], f);
        }
        GetCoordinates(gen, *this, f);
        m_nTemplateColumnCount = gen.m_nTemplateColumnCount;
        m_nTemplateLayout = gen.m_nTemplateLayout;
        m_nTemplateRowCount = gen.m_nTemplateRowCount;
        std::copy(&gen.m_adStrandTemplate[0][0],
                  &gen.m_adStrandTemplate[0][0] + kMaxPatternRows * kMaxPatternColumns,
                  &m_adStrandTemplate[0][0]);
        m_bSectionFlag1 = gen.m_bSectionFlag1;
        m_bSectionFlag2 = gen.m_bSectionFlag2;
        m_bCurvedWebFillets = gen.m_bCurvedWebFillets;
        m_bCurvedFlangeFillets = gen.m_bCurvedFlangeFillets;
        m_dDeckingThickness = 0;
        m_bSectionReplaced = 1;
        ShowType();
    }
    UpdateData(false);
    InvalidateItem(IDC_SECTION_SKETCH);
}

void CSectionPropDlg::OnDrawItem(int id, DC& dc, Size clientSize) {
    if (id != IDC_SECTION_SKETCH) return;
    DrawSectionSketch(dc, clientSize, SketchOf(*this, 1.0));  // a dot of one inch
}

}  // namespace kordel
