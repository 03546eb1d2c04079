#include "app/seed_file_dlg.h"

#include <cmath>
#include <filesystem>
#include <vector>

#include "platform/host.h"
#include "platform/ui/dc.h"
#include "resources/resources.h"

namespace kordel {

using namespace platform::ui;

namespace {

/// The radio button of each example choice, in choice order 1 to 4.
constexpr int kChoiceRadio[] = {IDC_SEED_SIMPLE_SPAN, IDC_SEED_ADJACENT_BOX, IDC_SEED_CONTINUOUS,
                                IDC_SEED_SPLICED};

struct SketchData {
    std::vector<std::array<double, 2>> outline;
    std::vector<std::array<double, 2>> voidOutline;
    double topWidth;
    double height;
    int composite;
    double deck;
    double haunch;
    double deckWidth;
    double spacing;  // ft
};

// Cross sections of the example designs, inches, each outline ending on its first point.
const SketchData kIGirder = {{{-13, 0},
                              {-13, 6},
                              {-3, 10.5},
                              {-3, 64.5},
                              {-5, 66.5},
                              {-21, 68.5},
                              {-21, 72},
                              {21, 72},
                              {21, 68.5},
                              {5, 66.5},
                              {3, 64.5},
                              {3, 10.5},
                              {13, 6},
                              {13, 0},
                              {-13, 0}},
                             {},
                             42,
                             72,
                             1,
                             8,
                             0,
                             108,
                             9};

// The box outline is not quite symmetric, as the example's own section is not.
const SketchData kBoxBeam = {{{-24, 0},
                              {-24, 27},
                              {-23.35, 27.75},
                              {-23.25, 32.35},
                              {-23.63, 33},
                              {-23.63, 39},
                              {23.63, 39},
                              {23.63, 33},
                              {23.25, 32.25},
                              {23.25, 27.75},
                              {24, 27},
                              {24, 0},
                              {-24, 0}},
                             {{-16, 5.5},
                              {-19, 8.5},
                              {-19, 30.5},
                              {-16, 33.5},
                              {16, 33.5},
                              {19, 30.5},
                              {19, 8.5},
                              {16, 5.5},
                              {-16, 5.5}},
                             48,
                             39,
                             0,
                             0,
                             0,
                             0,
                             4};

const SketchData kSplicedGirder = {{{-20.5, 0},
                                    {-20.5, 5.125},
                                    {-7, 9.625},
                                    {-4, 12.625},
                                    {-4, 86},
                                    {-7, 89},
                                    {-25.438, 92},
                                    {-25.438, 95},
                                    {25.438, 95},
                                    {25.438, 92},
                                    {7, 89},
                                    {4, 86},
                                    {4, 12.625},
                                    {7, 9.625},
                                    {20.5, 5.125},
                                    {20.5, 0},
                                    {-20.5, 0}},
                                   {},
                                   50.875,
                                   95,
                                   1,
                                   8,
                                   0,
                                   72.6,
                                   6.05};

/// The pale grey of the deck and haunch in the sketch.
constexpr Colour kSketchGrey = Rgb(195, 195, 195);

}  // namespace

CSeedFile::CSeedFile() : Dialog(res::LoadDialog(IDD_SEED_FILE)) {
    m_commands.On(IDC_SEED_SIMPLE_SPAN,
                  [this] { OnSeedChoice(SeedSimpleSpan, IDC_SEED_SIMPLE_SPAN); });
    m_commands.On(IDC_SEED_ADJACENT_BOX,
                  [this] { OnSeedChoice(SeedAdjacentBox, IDC_SEED_ADJACENT_BOX); });
    m_commands.On(IDC_SEED_CONTINUOUS,
                  [this] { OnSeedChoice(SeedContinuous, IDC_SEED_CONTINUOUS); });
    m_commands.On(IDC_SEED_SPLICED, [this] { OnSeedChoice(SeedSpliced, IDC_SEED_SPLICED); });
    m_commands.On(IDC_SEED_FROM_FILE, [this] { OnSeedFromFile(); });
    m_commands.On(IDC_SEED_SELECT_FILE, [this] { OnSelectFile(); });
}

void CSeedFile::DoDataExchange(DataExchange& dx) {
    dx.Text(IDC_SEED_NAME, m_strSeedName);
}

void CSeedFile::LoadSketch(int choice) {
    const SketchData* data = nullptr;
    if (choice == SeedSimpleSpan || choice == SeedContinuous) data = &kIGirder;
    if (choice == SeedAdjacentBox) data = &kBoxBeam;
    if (choice == SeedSpliced) data = &kSplicedGirder;

    m_adPreviewOutline = {};
    m_adPreviewVoid = {};
    m_adPreviewCircle = {};
    m_nPreviewCircleCount = 0;
    if (!data) {
        m_nPreviewOutlineCount = 0;
        m_nPreviewVoidCount = 0;
        m_dPreviewTopWidth = m_dPreviewHeight = 0.0;
        m_bPreviewComposite = 0;
        m_dPreviewDeckThickness = m_dPreviewHaunchThickness = 0.0;
        m_dPreviewDeckWidth = m_dPreviewHaunchWidth = m_dPreviewSpacing = 0.0;
        return;
    }
    m_nPreviewOutlineCount = static_cast<int>(data->outline.size());
    for (size_t i = 0; i < data->outline.size(); ++i) m_adPreviewOutline[i] = data->outline[i];
    m_nPreviewVoidCount = static_cast<int>(data->voidOutline.size());
    for (size_t i = 0; i < data->voidOutline.size(); ++i) m_adPreviewVoid[i] = data->voidOutline[i];
    m_dPreviewTopWidth = data->topWidth;
    m_dPreviewHeight = data->height;
    m_bPreviewComposite = data->composite;
    m_dPreviewDeckThickness = data->deck;
    m_dPreviewHaunchThickness = data->haunch;
    m_dPreviewDeckWidth = data->deckWidth;
    // The haunch is as wide as the top flange on the composite examples, none on the box.
    m_dPreviewHaunchWidth = data->composite ? data->topWidth : 0.0;
    m_dPreviewSpacing = data->spacing;
}

bool CSeedFile::OnInitDialog() {
    Dialog::OnInitDialog();
    m_strSeedName = "default1";
    m_nSeedChoice = SeedSimpleSpan;
    LoadSketch(SeedSimpleSpan);
    UpdateData(false);
    CheckDlgButton(IDC_SEED_SIMPLE_SPAN, true);
    CheckDlgButton(IDC_SEED_CONTINUOUS, false);
    CheckDlgButton(IDC_SEED_FROM_FILE, false);
    EnableItem(IDC_SEED_SELECT_FILE, false);
    return true;
}

void CSeedFile::OnSeedChoice(int choice, int radioId) {
    UpdateData(true);
    m_strSeedName = "default" + std::to_string(choice);
    m_nSeedChoice = choice;
    for (int radio : kChoiceRadio) CheckDlgButton(radio, radio == radioId);
    CheckDlgButton(IDC_SEED_FROM_FILE, false);
    EnableItem(IDC_SEED_SELECT_FILE, false);
    LoadSketch(choice);
    UpdateData(false);
    Redraw();
}

void CSeedFile::OnSeedFromFile() {
    UpdateData(true);
    m_strSeedName.clear();
    m_nSeedChoice = SeedFromFile;
    CheckDlgButton(IDC_SEED_FROM_FILE, true);
    CheckDlgButton(IDC_SEED_SIMPLE_SPAN, false);
    EnableItem(IDC_SEED_SELECT_FILE, true);
    LoadSketch(SeedFromFile);
    UpdateData(false);
    Redraw();
}

void CSeedFile::OnSelectFile() {
    platform::FileDialogRequest request;
    request.title = "Open";
    request.defaultExtension = "kdx";
    request.initialName = "*.kdx";
    request.filter = res::DocumentStringField(3) + "|*" + res::DocumentStringField(4) + "||";
    auto chosen = platform::GetHost().GetOpenFileName(request);
    if (!chosen || chosen->empty()) return;
    std::error_code ec;
    std::filesystem::path full = std::filesystem::absolute(*chosen, ec);
    m_strSeedName = ec ? *chosen : full.lexically_normal().string();
    UpdateData(false);
}

void CSeedFile::OnOK() {
    if (m_strSeedName.empty()) {
        platform::ShowMessage("Specify a Kordel file (.KDX) or \nselect one of the default jobs.",
                              platform::MsgButtons::Ok, platform::MsgIcon::Error);
        return;
    }
    EndDialog(kIdOk);
}

void CSeedFile::Redraw() {
    InvalidateItem(kIdStatic);
}

void CSeedFile::OnDrawItem(int id, DC& dc, Size clientSize) {
    if (id != IDC_SEED_SKETCH) return;
    const int w = clientSize.cx;
    const int h = clientSize.cy;

    const Pen black{PenStyle::Solid, 0, kBlack};
    const Brush white{BrushStyle::Solid, kWhite};
    const Brush grey{BrushStyle::Solid, kSketchGrey};
    dc.SetBkMode(BkMode::Transparent);

    const double horizontal = std::max(m_dPreviewDeckWidth, m_dPreviewSpacing * 12.0);
    const double vertical = m_dPreviewHeight + m_dPreviewDeckThickness + m_dPreviewHaunchThickness;
    // Pixels per inch, with a margin of 6 pixels on every side. Sketches of nothing (a seed file)
    // have no extent; their scale does not matter because nothing but the frame is drawn.
    double scale = 0.0;
    if (horizontal > 0.0 && vertical > 0.0) {
        scale = std::min(std::abs((w - 12) / horizontal), std::abs((h - 12) / vertical));
    }
    const int x0 = w / 2;
    const int y0 = h / 2 + static_cast<int>(vertical * scale / 2.0);
    auto at = [&](double x, double y) {
        return Point{x0 + static_cast<int>(scale * x), y0 - static_cast<int>(scale * y)};
    };

    Pen oldPen = dc.SelectPen(black);
    Brush oldBrush = dc.SelectBrush(white);
    dc.Rectangle({0, 0, w, h});

    for (int i = 0; i + 1 < m_nPreviewOutlineCount; ++i) {
        dc.MoveTo(at(m_adPreviewOutline[i][0], m_adPreviewOutline[i][1]));
        dc.LineTo(at(m_adPreviewOutline[i + 1][0], m_adPreviewOutline[i + 1][1]));
    }
    for (int i = 0; i + 1 < m_nPreviewVoidCount; ++i) {
        dc.MoveTo(at(m_adPreviewVoid[i][0], m_adPreviewVoid[i][1]));
        dc.LineTo(at(m_adPreviewVoid[i + 1][0], m_adPreviewVoid[i + 1][1]));
    }
    for (int i = 0; i < m_nPreviewCircleCount; ++i) {
        const auto& c = m_adPreviewCircle[static_cast<size_t>(i)];
        Point a = at(c[0] - c[2], c[1] + c[2]);
        Point b = at(c[0] + c[2], c[1] - c[2]);
        dc.Ellipse({a.x, a.y, b.x, b.y});
    }

    const int girderTop = y0 - static_cast<int>(scale * m_dPreviewHeight);
    const int haunchTop = girderTop - static_cast<int>(scale * m_dPreviewHaunchThickness);
    dc.SelectBrush(grey);
    if (m_dPreviewHaunchThickness > 0.0) {
        const int half = static_cast<int>(scale * m_dPreviewHaunchWidth / 2.0);
        dc.Rectangle({x0 - half, haunchTop, x0 + half, girderTop});
    }
    if (m_dPreviewDeckThickness > 0.0) {
        const int half = static_cast<int>(scale * m_dPreviewDeckWidth / 2.0);
        const int deckTop = haunchTop - static_cast<int>(scale * m_dPreviewDeckThickness);
        dc.Rectangle({x0 - half, deckTop, x0 + half, haunchTop});
    }
    dc.SelectPen(oldPen);
    dc.SelectBrush(oldBrush);
}

}  // namespace kordel
