#include "libraries/section_prop_gen_dlg.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "libraries/section_coords_dlg.h"
#include "libraries/section_generator.h"
#include "libraries/section_lib_dlg.h"
#include "platform/ui/toolkit.h"
#include "report/format.h"

namespace kordel {

using namespace platform::ui;

namespace {

const char* const kGeneratorTypeNames[kGeneratorTypeCount] = {
    "I-Girder/Bulb-tee", "Box beam",           "U-Beam Type A",  "U-Beam Type B",
    "Voided/solid slab", "Double tee/channel", "Decked Bulb-tee"};

/// The decimal number a cell's text starts with (blanks skipped); 0 when it starts with none.
double CellNumber(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
    // Only a sign, a digit or a point starts a number: no "inf", "nan" or hexadecimal.
    std::size_t j = i;
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
    if (j < text.size() && text[j] == '0' && j + 1 < text.size() &&
        (text[j + 1] == 'x' || text[j + 1] == 'X'))
        return 0;
    if (j >= text.size() || !(std::isdigit(static_cast<unsigned char>(text[j])) || text[j] == '.'))
        return 0;
    const double value = std::strtod(text.c_str() + i, nullptr);
    return std::isfinite(value) ? value : 0;
}

/// The generator type of a section code, and whether its fillet boxes apply.
int GeneratorTypeOfCode(int code, bool& fillets) {
    fillets = true;
    switch (code) {
        case kSectionIGirder:
            return kGenIGirder;
        case kSectionBoxBeam:
            fillets = false;
            return kGenBoxBeam;
        case kSectionUBeam:
            fillets = false;
            return kGenUBeamA;
        case kSectionSlab:
            fillets = false;
            return kGenSlab;
        case kSectionChannel:
            fillets = false;
            return kGenDoubleTee;
        case kSectionDeckedBulbTee:
            return kGenDeckedBulbTee;
        default:
            fillets = false;
            return kGenIGirder;
    }
}

bool HasFillets(int genType) {
    return genType == kGenIGirder || genType == kGenDeckedBulbTee;
}

}  // namespace

std::vector<DimensionRow> DimensionRows(int genType, bool webFillets, bool flangeFillets) {
    // "B3" a width slot, "D8" a depth slot, "R1=D8" a radius row standing for a slot.
    std::vector<const char*> names;
    const bool fillets = HasFillets(genType);
    const bool web = fillets && webFillets, flange = fillets && flangeFillets;
    switch (genType) {
        case kGenIGirder:
            if (web && flange)
                names = {"B1", "B2", "B3",    "D1",    "D2",    "D3",
                         "D6", "D7", "R1=D8", "R2=D9", "R3=B6", "R4=B7"};
            else if (web)
                names = {"B1", "B2", "B3", "D1", "D2", "D3", "D6", "D7", "R1=D8", "R2=D9"};
            else if (flange)
                names = {"B1", "B2", "B3", "B4", "B5", "D1",    "D2",
                         "D3", "D4", "D5", "D6", "D7", "R1=B6", "R2=B7"};
            else
                names = {"B1", "B2", "B3", "B4", "B5", "D1", "D2", "D3", "D4", "D5", "D6", "D7"};
            break;
        case kGenBoxBeam:
            names = {"B1", "B2", "B3", "B4", "D1", "D2", "D3", "D4"};
            break;
        case kGenUBeamA:
            names = {"B1", "B2", "B3", "B4", "B5", "D1", "D2", "D3", "D4", "D5", "D6", "D7"};
            break;
        case kGenUBeamB:
            names = {"B1", "B2", "B3", "B4", "B5", "B6", "D1", "D2", "D3", "D4", "D5", "D6"};
            break;
        case kGenSlab:
            names = {"B1", "D1"};
            break;
        case kGenDoubleTee:
            names = {"B1", "B2", "B3", "B4", "B5", "B6", "D1", "D2"};
            break;
        case kGenDeckedBulbTee:
            if (web && flange)
                names = {"B1", "B2", "B3", "B6",    "D1",     "D2",    "D3",
                         "D6", "D7", "D8", "R1=D9", "R2=D10", "R3=B7", "R4=B8"};
            else if (web)
                names = {"B1", "B2", "B3", "B6", "D1",    "D2",
                         "D3", "D6", "D7", "D8", "R1=D9", "R2=D10"};
            else if (flange)
                names = {"B1", "B2", "B3", "B4", "B5", "B6", "D1",    "D2",
                         "D3", "D4", "D5", "D6", "D7", "D8", "R1=B7", "R2=B8"};
            else
                names = {"B1", "B2", "B3", "B4", "B5", "B6", "D1",
                         "D2", "D3", "D4", "D5", "D6", "D7", "D8"};
            break;
        default:
            break;
    }
    std::vector<DimensionRow> rows;
    for (const std::string name : names) {
        const std::size_t eq = name.find('=');
        const std::string slot = eq == std::string::npos ? name : name.substr(eq + 1);
        rows.push_back({name.substr(0, eq == std::string::npos ? name.size() : eq), slot[0] == 'B',
                        std::atoi(slot.c_str() + 1)});
    }
    return rows;
}

SectionSketchData ShapeSketch(const SectionShape& shape) {
    SectionSketchData data;
    data.outlineCount = shape.outlineCount;
    data.outline = shape.outline;
    data.voidCount = shape.voidCount;
    data.voidOutline = shape.voidOutline;
    data.circleCount = shape.circleCount;
    data.circles = shape.circles;
    return data;
}

void DrawShapePicture(int genType, bool webFillets, bool flangeFillets, DC& dc) {
    dc.FillSolidRect({0, 0, kShapePictureSize.cx, kShapePictureSize.cy}, kWhite);
    if (genType < 0 || genType >= kGeneratorTypeCount) return;
    GeneratorInput in = DefaultGeneratorInput(genType, kUnitsUS);
    in.curvedWebFillets = webFillets;
    in.curvedFlangeFillets = flangeFillets;
    const SectionShape shape = BuildSectionShape(in);
    const SectionSketchData data = ShapeSketch(shape);
    // The shape above, the names of its dimensions below it.
    DrawSectionSketch(dc, {kShapePictureSize.cx, kShapePictureSize.cy - 40}, data);
    dc.SelectFont(Font{"Arial", -11});
    dc.SetBkMode(BkMode::Transparent);
    std::string line;
    int y = kShapePictureSize.cy - 36;
    for (const DimensionRow& row : DimensionRows(genType, webFillets, flangeFillets)) {
        std::string name = row.label;
        if (row.label[0] == 'R')
            name += "=" + std::string(row.width ? "B" : "D") + std::to_string(row.slot);
        if (line.size() + name.size() > 40) {
            dc.TextOut({6, y}, line);
            y += 14;
            line.clear();
        }
        line += (line.empty() ? "" : " ") + name;
    }
    if (!line.empty()) dc.TextOut({6, y}, line);
    if (genType == kGenDoubleTee) dc.TextOut({150, y}, "B6 = no. of legs");
}

const DialogTemplate& CSectionPropGenDlg::Template() {
    static const DialogTemplate t = [] {
        DialogTemplate d;
        d.id = IDD_SECTION_GENERATOR;
        d.caption = "Generate Section Properties";
        d.size = {446, 240};
        d.controls = {
            MakeControl(ControlKind::Label, kIdStatic, "Section &Type:", 7, 9, 50, 9),
            MakeControl(ControlKind::ComboBox, IDC_GEN_TYPE, "", 59, 7, 100, 100),
            MakeControl(ControlKind::CheckBox, IDC_GEN_WEB_FILLETS, "Include Curved &Web Fillets",
                        7, 24, 120, 10),
            MakeControl(ControlKind::CheckBox, IDC_GEN_FLANGE_FILLETS,
                        "Include Curved &Flange Fillets", 7, 36, 120, 10),
            MakeControl(ControlKind::Custom, IDC_GEN_DIMENSION_GRID, "MFCGridCtrl", 7, 50, 92, 130),
            MakeControl(ControlKind::Label, kIdStatic, "No. Voids:", 105, 52, 36, 9),
            MakeControl(ControlKind::Edit, IDC_GEN_CIRCLE_COUNT, "", 143, 50, 20, 12, kStyleNumber),
            MakeControl(ControlKind::Spin, IDC_GEN_CIRCLE_SPIN, "", 163, 50, 10, 12),
            MakeControl(ControlKind::Custom, IDC_GEN_CIRCLE_GRID, "MFCGridCtrl", 105, 66, 78, 92),
            MakeControl(ControlKind::Picture, IDC_GEN_SHAPE_PICTURE, "", 189, 7, 167, 152),
            MakeControl(ControlKind::PushButton, IDC_GEN_GENERATE, "&Generate Properties", 7, 186,
                        82, 14),
            MakeControl(ControlKind::GroupBox, kIdStatic, "Summary Section Properties", 105, 164,
                        251, 69),
            MakeControl(ControlKind::Label, IDC_GEN_HEIGHT_LABEL, "Height,in:", 111, 178, 40, 9),
            MakeControl(ControlKind::Edit, IDC_GEN_HEIGHT, "", 153, 176, 75, 12),
            MakeControl(ControlKind::Label, IDC_GEN_CG_LABEL, "cg,in:", 111, 194, 40, 9),
            MakeControl(ControlKind::Edit, IDC_GEN_CG, "", 153, 192, 75, 12),
            MakeControl(ControlKind::Label, IDC_GEN_AREA_LABEL, "Area,in2:", 111, 210, 40, 9),
            MakeControl(ControlKind::Edit, IDC_GEN_AREA, "", 153, 208, 75, 12),
            MakeControl(ControlKind::Label, IDC_GEN_IXX_LABEL, "Ix'x',in4:", 234, 178, 38, 9),
            MakeControl(ControlKind::Edit, IDC_GEN_IXX, "", 274, 176, 76, 12),
            MakeControl(ControlKind::Label, IDC_GEN_J_LABEL, "J,in4", 234, 194, 38, 9),
            MakeControl(ControlKind::Edit, IDC_GEN_J, "", 274, 192, 76, 12),
            MakeControl(ControlKind::SunkenFrame, IDC_GEN_SKETCH, "", 362, 7, 77, 152,
                        kStyleOwnerDraw),
            MakeControl(ControlKind::PushButton, IDC_GEN_COORDINATE_LIST, "&Coordinate List...",
                        362, 164, 77, 14),
            MakeControl(ControlKind::DefPushButton, kIdOk, "OK", 362, 200, 77, 14, kStyleGroup),
            MakeControl(ControlKind::PushButton, kIdCancel, "Cancel", 362, 219, 77, 14),
        };
        return d;
    }();
    return t;
}

CSectionPropGenDlg::CSectionPropGenDlg() : Dialog(Template()) {
    m_commands.On(IDC_GEN_GENERATE, [this] { OnGenerateProperties(); });
    m_commands.On(IDC_GEN_COORDINATE_LIST, [this] { OnCoordinateList(); });
    m_commands.On(IDC_GEN_WEB_FILLETS,
                  [this] { OnFillets(m_bCurvedWebFillets, IDC_GEN_WEB_FILLETS); });
    m_commands.On(IDC_GEN_FLANGE_FILLETS,
                  [this] { OnFillets(m_bCurvedFlangeFillets, IDC_GEN_FLANGE_FILLETS); });
    OnNotify(Notification::SelChange, IDC_GEN_TYPE, [this] { OnSelChangeSectionType(); });
    OnSpin(IDC_GEN_CIRCLE_SPIN,
           [this](int pos, int delta) { return OnCircleCountSpin(pos, delta); });
}

void CSectionPropGenDlg::DoDataExchange(DataExchange& dx) {
    dx.Double(IDC_GEN_HEIGHT, m_dHeight);
    dx.Double(IDC_GEN_CG, m_dCentroid);
    dx.Double(IDC_GEN_AREA, m_dArea);
    dx.Double(IDC_GEN_IXX, m_dInertia);
    dx.Double(IDC_GEN_J, m_dTorsionConstant);
    // A typed count beyond the slab's voids is refused before any grid is read.
    dx.Int(IDC_GEN_CIRCLE_COUNT, m_nCircularVoidCount, 0, kMaxSlabVoids);
}

bool CSectionPropGenDlg::OnInitDialog() {
    Dialog::OnInitDialog();
    if (Metric()) {
        SetDlgItemText(IDC_GEN_HEIGHT_LABEL, "Height,m:");
        SetDlgItemText(IDC_GEN_CG_LABEL, "cg,m:");
        SetDlgItemText(IDC_GEN_AREA_LABEL, "Area,m2:");
        SetDlgItemText(IDC_GEN_IXX_LABEL, "MI,m4");
        SetDlgItemText(IDC_GEN_J_LABEL, "J,m4:");
    }
    m_nCircularVoidCount = std::clamp(m_nCircularVoidCount, 0, kMaxSlabVoids);
    ResetContent(IDC_GEN_TYPE);
    for (const char* name : kGeneratorTypeNames) AddString(IDC_GEN_TYPE, name);
    bool fillets = false;
    m_nGenType = GeneratorTypeOfCode(m_nSectionType, fillets);
    EnableFilletBoxes(fillets);
    SetCurSel(IDC_GEN_TYPE, m_nGenType);

    m_gridDimensions.Attach(CreateControlWindow(IDC_GEN_DIMENSION_GRID, m_gridDimensions),
                            IDC_GEN_DIMENSION_GRID);
    m_gridDimensions.SetOwner(this);
    m_gridDimensions.SetRowCount(2);
    m_gridDimensions.SetColumnCount(2);
    m_gridDimensions.SetFixedRowCount(1);
    m_gridDimensions.SetFixedColumnCount(1);
    m_gridDimensions.m_bAllowDragDrop = true;
    m_gridDimensions.SetColumnWidth(0, 40);
    m_gridDimensions.SetColumnWidth(1, 65);
    m_gridDimensions.FitColumnsToWidth(true);
    m_gridDimensions.SetCellText(0, 0, "Dim");
    m_gridDimensions.SetCellText(0, 1, Metric() ? "Val,m" : "Val,in");

    m_gridCircularVoids.Attach(CreateControlWindow(IDC_GEN_CIRCLE_GRID, m_gridCircularVoids),
                               IDC_GEN_CIRCLE_GRID);
    m_gridCircularVoids.SetOwner(this);
    m_gridCircularVoids.SetRowCount(1);
    m_gridCircularVoids.SetColumnCount(3);
    m_gridCircularVoids.SetFixedRowCount(1);
    m_gridCircularVoids.m_bAllowDragDrop = true;
    for (int c = 0; c < 3; ++c) m_gridCircularVoids.SetColumnWidth(c, 40);
    m_gridCircularVoids.FitColumnsToWidth(true);
    const char* headings[2][3] = {{"x,in", "y,in", "R,in"}, {"x,m", "y,m", "R,m"}};
    for (int c = 0; c < 3; ++c) m_gridCircularVoids.SetCellText(0, c, headings[Metric()][c]);

    SetSpinRange(IDC_GEN_CIRCLE_SPIN, 0, kMaxSlabVoids);
    SetSpinPos(IDC_GEN_CIRCLE_SPIN, m_nCircularVoidCount);
    CheckDlgButton(IDC_GEN_WEB_FILLETS, m_bCurvedWebFillets != 0);
    CheckDlgButton(IDC_GEN_FLANGE_FILLETS, m_bCurvedFlangeFillets != 0);
    // Opening generates nothing: the outline and the summary are those handed in.
    FillDimensionGrid(m_nGenType);
    return true;
}

void CSectionPropGenDlg::EnableFilletBoxes(bool enabled) {
    EnableItem(IDC_GEN_WEB_FILLETS, enabled);
    EnableItem(IDC_GEN_FLANGE_FILLETS, enabled);
}

void CSectionPropGenDlg::WriteCircleRows() {
    const char* format = Metric() ? "%8.4f" : "%6.2f";
    const int count = m_nGenType == kGenSlab ? m_nCircularVoidCount : 0;
    m_gridCircularVoids.SetRowCount(count + 1);
    for (int k = 0; k < count; ++k)
        for (int c = 0; c < kCircularVoidValueCount; ++c)
            m_gridCircularVoids.SetCellText(k + 1, c, FormatValue(format, m_adCircularVoid[k][c]));
}

void CSectionPropGenDlg::FillDimensionGrid(int genType) {
    const char* format = Metric() ? "%8.4f" : "%6.2f";
    if (genType >= 0 && genType < kGeneratorTypeCount) {
        const bool web = m_bCurvedWebFillets != 0, flange = m_bCurvedFlangeFillets != 0;
        if (FindToolkit())
            SetItemBitmap(IDC_GEN_SHAPE_PICTURE,
                          GetToolkit().RenderBitmap(kShapePictureSize, [=](DC& dc) {
                              DrawShapePicture(genType, web, flange, dc);
                          }));
        const std::vector<DimensionRow> rows = DimensionRows(genType, web, flange);
        m_gridDimensions.SetRowCount(static_cast<int>(rows.size()) + 1);
        m_gridDimensions.SetColumnCount(2);
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const DimensionRow& row = rows[i];
            const double value = row.width ? m_adGenWidth[row.slot] : m_adGenDepth[row.slot];
            const bool legs = genType == kGenDoubleTee && row.width && row.slot == 6;
            m_gridDimensions.SetCellText(static_cast<int>(i) + 1, 0, row.label);
            m_gridDimensions.SetCellText(static_cast<int>(i) + 1, 1,
                                         FormatValue(legs ? "%3.0f" : format, value));
        }
        // The rows may have brought a scroll bar: the columns fit the width left.
        m_gridDimensions.FitColumnsToWidth(true);
        m_gridCircularVoids.SetRowCount(1);
        if (genType == kGenSlab) WriteCircleRows();
    }
    UpdateData(false);
    InvalidateItem(kIdStatic);
}

void CSectionPropGenDlg::ReadDimensionGrid() {
    const char* format = Metric() ? "%8.4f" : "%6.2f";
    const bool web = m_bCurvedWebFillets != 0, flange = m_bCurvedFlangeFillets != 0;
    const std::vector<DimensionRow> rows = DimensionRows(m_nGenType, web, flange);
    // Radii below the smallest fillet are no fillet, except the flange edges of an I-girder.
    const bool keepSmallRadii = m_nGenType == kGenIGirder && flange && !web;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const DimensionRow& row = rows[i];
        const int r = static_cast<int>(i) + 1;
        double value = r < m_gridDimensions.GetRowCount()
                           ? CellNumber(m_gridDimensions.GetCellText(r, 1))
                           : 0.0;
        if (row.label[0] == 'R' && !keepSmallRadii && value < kMinFilletRadius) value = 0;
        if (m_nGenType == kGenDoubleTee && row.width && row.slot == 6) {
            value = std::trunc(value);
            if (value > kMaxDoubleTeeLegs) {
                value = kMaxDoubleTeeLegs;
                MessageBox("Number of legs cannot be greater than 3.", platform::MsgButtons::Ok,
                           platform::MsgIcon::None);
            } else if (value < kMinDoubleTeeLegs) {
                value = kMinDoubleTeeLegs;
            }
            m_gridDimensions.SetCellText(r, 1, FormatValue("%3.0f", value));
        }
        (row.width ? m_adGenWidth : m_adGenDepth)[row.slot] = value;
    }
    if (m_nGenType == kGenDoubleTee) {
        const double* B = m_adGenWidth;
        const double needed = (B[6] - 1) * B[5] + B[4] + B[2] / 2;
        if (needed > B[1]) {
            m_adGenWidth[1] = needed;
            m_gridDimensions.SetCellText(1, 1, FormatValue(format, needed));
        }
    }
    if (m_nGenType == kGenSlab) {
        for (int k = 0; k < m_nCircularVoidCount; ++k)
            for (int c = 0; c < kCircularVoidValueCount; ++c)
                m_adCircularVoid[k][c] = k + 1 < m_gridCircularVoids.GetRowCount()
                                             ? CellNumber(m_gridCircularVoids.GetCellText(k + 1, c))
                                             : 0.0;
    }
}

void CSectionPropGenDlg::OnGenerateProperties() {
    if (!UpdateData(true)) return;
    ReadDimensionGrid();
    if (m_nGenType < 0 || m_nGenType >= kGeneratorTypeCount) return;
    GeneratorInput in;
    in.type = m_nGenType;
    std::copy(std::begin(m_adGenWidth), std::end(m_adGenWidth), in.widths);
    std::copy(std::begin(m_adGenDepth), std::end(m_adGenDepth), in.depths);
    in.curvedWebFillets = m_bCurvedWebFillets;
    in.curvedFlangeFillets = m_bCurvedFlangeFillets;
    in.units = Metric() ? kUnitsMetric : kUnitsUS;
    in.circularVoidCount = m_nGenType == kGenSlab ? m_nCircularVoidCount : 0;
    for (int k = 0; k < in.circularVoidCount; ++k)
        for (int c = 0; c < kCircularVoidValueCount; ++c)
            in.circularVoids[k][c] = m_adCircularVoid[k][c];
    const Generation g = GenerateSection(in);
    if (!g.Ok()) {
        // Dimensions that make no section leave the last generation as it was.
        MessageBox(g.error);
        return;
    }
    const SectionShape& s = g.section.shape;
    m_nSectionType = s.sectionType;
    m_nOutlinePointCount = s.outlineCount;
    m_nVoidPointCount = s.voidCount;
    m_nCircularVoidCount = s.circleCount;
    std::copy(&s.outline[0][0], &s.outline[0][0] + kMaxOutlinePoints * kPointValueCount,
              &m_adOutline[0][0]);
    std::copy(&s.voidOutline[0][0], &s.voidOutline[0][0] + kMaxOutlinePoints * kPointValueCount,
              &m_adVoidOutline[0][0]);
    std::copy(&s.circles[0][0], &s.circles[0][0] + kMaxCircularVoids * kCircularVoidValueCount,
              &m_adCircularVoid[0][0]);
    m_dHeight = s.height;
    m_dTopFlangeThickness = s.topFlangeThickness;
    m_dTopFlangeWidth = s.topFlangeWidth;
    m_dWebWidth = s.webWidth;
    m_dBottomFlangeWidth = s.bottomFlangeWidth;
    m_dBottomFlangeThickness = s.bottomFlangeThickness;
    m_dBwo = s.bwo;
    m_nWebCount = s.webCount;
    m_dWebLocation = s.webLocation;
    const OutlineSectionProperties& p = g.section.properties;
    m_dArea = p.area;
    m_dCentroid = p.centroid;
    m_dInertia = p.inertia;
    m_dVolumeToSurface = p.volumeToSurface;
    m_dInertiaY = p.inertiaY;
    m_dTorsionConstant = g.section.torsionConstant;
    const StrandTemplate& t = g.section.strandTemplate;
    m_nTemplateRowCount = t.rowCount;
    m_nTemplateColumnCount = t.columnCount;
    m_nTemplateLayout = t.layout;
    std::copy(&t.values[0][0], &t.values[0][0] + kMaxPatternRows * kMaxPatternColumns,
              &m_adStrandTemplate[0][0]);
    SetSpinPos(IDC_GEN_CIRCLE_SPIN, m_nCircularVoidCount);
    UpdateData(false);
    InvalidateItem(kIdStatic);
}

void CSectionPropGenDlg::OnSelChangeSectionType() {
    const int index = GetCurSel(IDC_GEN_TYPE);
    if (index < 0) return;
    m_nGenType = index;
    // A new type starts from its own defaults: what was entered for the last one is dropped.
    const GeneratorInput in = DefaultGeneratorInput(m_nGenType, Metric() ? kUnitsMetric : kUnitsUS);
    std::copy(std::begin(in.widths), std::end(in.widths), m_adGenWidth);
    std::copy(std::begin(in.depths), std::end(in.depths), m_adGenDepth);
    if (m_nGenType == kGenSlab) {
        m_nCircularVoidCount = in.circularVoidCount;
        for (int k = 0; k < in.circularVoidCount; ++k)
            for (int c = 0; c < kCircularVoidValueCount; ++c)
                m_adCircularVoid[k][c] = in.circularVoids[k][c];
        SetSpinPos(IDC_GEN_CIRCLE_SPIN, m_nCircularVoidCount);
    }
    m_nSectionType = SectionTypeOfGenerator(m_nGenType);
    EnableFilletBoxes(HasFillets(m_nGenType));
    FillDimensionGrid(m_nGenType);
    OnGenerateProperties();
}

void CSectionPropGenDlg::OnFillets(int& option, int checkId) {
    option = !option;
    CheckDlgButton(checkId, option != 0);
    if (!HasFillets(m_nGenType)) return;
    FillDimensionGrid(m_nGenType);
    OnGenerateProperties();
}

bool CSectionPropGenDlg::OnCircleCountSpin(int pos, int delta) {
    const int count = pos + delta;
    if (count < 0 || count > kMaxSlabVoids) return false;
    m_nCircularVoidCount = count;
    if (delta > 0)
        for (double& v : m_adCircularVoid[count]) v = 0;
    UpdateData(false);
    const char* format = "%6.2f";
    m_gridCircularVoids.SetRowCount(count + 1);
    for (int k = 0; k < count; ++k)
        for (int c = 0; c < kCircularVoidValueCount; ++c)
            m_gridCircularVoids.SetCellText(
                k + 1, c, FormatValue(Metric() ? "%8.4f" : format, m_adCircularVoid[k][c]));
    InvalidateItem(kIdStatic);
    return true;
}

void CSectionPropGenDlg::OnCoordinateList() {
    if (!UpdateData(true)) return;
    CSectionCoordsDlg coords;
    coords.m_nUnits = m_nUnits;
    SetCoordinates(coords, *this, 1.0);
    CopyGrossProperties(coords, *this);
    coords.m_nSectionType = m_nSectionType;
    if (coords.DoModal() != kIdOk) return;
    GetCoordinates(coords, *this, 1.0);
    CopyGrossProperties(*this, coords);
    UpdateData(false);
    InvalidateItem(kIdStatic);
}

void CSectionPropGenDlg::OnOK() {
    if (!UpdateData(true)) return;
    ReadDimensionGrid();
    EndDialog(kIdOk);
}

void CSectionPropGenDlg::OnDrawItem(int id, DC& dc, Size clientSize) {
    if (id != IDC_GEN_SKETCH) return;
    DrawSectionSketch(dc, clientSize, SketchOf(*this, Metric() ? 0.0254 : 1.0));  // one inch
}

}  // namespace kordel
