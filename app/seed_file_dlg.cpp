#include "app/seed_file_dlg.h"

#include <algorithm>
#include <filesystem>

#include "document/example_designs.h"
#include "platform/host.h"
#include "platform/text_encoding.h"
#include "platform/ui/dc.h"
#include "platform/ui/picture.h"
#include "resources/resources.h"

namespace kordel {

using namespace platform::ui;

namespace {

/// The radio button of each example choice, in choice order 1 to 4.
constexpr int kChoiceRadio[] = {IDC_SEED_SIMPLE_SPAN, IDC_SEED_ADJACENT_BOX, IDC_SEED_CONTINUOUS,
                                IDC_SEED_SPLICED};

/// Pixels kept free inside the sketch's border.
constexpr int kSketchMargin = 6;

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
    // The static only shows the name: a seed file's path as program text, while the member
    // keeps the path's own bytes to read the file by.
    if (dx.Saving()) return;
    std::string shown = platform::PathText(m_strSeedName);
    dx.Text(IDC_SEED_NAME, shown);
}

void CSeedFile::LoadSketch(int choice) {
    // The sketch shows the example's own section and deck, so it cannot drift from the design
    // that File/New builds.
    const ExampleDesign* example = FindExampleDesign(choice);

    m_adPreviewOutline = {};
    m_adPreviewVoid = {};
    m_adPreviewCircle = {};
    m_nPreviewCircleCount = 0;
    if (!example) {
        m_nPreviewOutlineCount = 0;
        m_nPreviewVoidCount = 0;
        m_dPreviewTopWidth = m_dPreviewHeight = 0.0;
        m_bPreviewComposite = 0;
        m_dPreviewDeckThickness = m_dPreviewHaunchThickness = 0.0;
        m_dPreviewDeckWidth = m_dPreviewHaunchWidth = m_dPreviewSpacing = 0.0;
        return;
    }
    const ExampleSection& section = *example->section;
    auto copyPoints = [](std::span<const ExamplePoint> from, auto& to) {
        const size_t n = std::min(from.size(), to.size());
        for (size_t i = 0; i < n; ++i) to[i] = {from[i].x, from[i].y};
        return static_cast<int>(n);
    };
    m_nPreviewOutlineCount = copyPoints(section.outline, m_adPreviewOutline);
    m_nPreviewVoidCount = copyPoints(section.voidOutline, m_adPreviewVoid);
    m_dPreviewTopWidth = section.topFlangeWidth;
    m_dPreviewHeight = section.height;
    m_bPreviewComposite = example->deck.composite;
    m_dPreviewSpacing = example->geometry.beamSpacing;
    // The examples have no haunch; a composite deck is one beam spacing wide and its haunch as
    // wide as the top flange.
    m_dPreviewHaunchThickness = 0.0;
    m_dPreviewDeckThickness = m_bPreviewComposite ? example->deck.thickness : 0.0;
    m_dPreviewDeckWidth = m_bPreviewComposite ? m_dPreviewSpacing * 12.0 : 0.0;
    m_dPreviewHaunchWidth = m_bPreviewComposite ? m_dPreviewTopWidth : 0.0;
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
    const Pen black{PenStyle::Solid, 0, kBlack};
    const Brush white{BrushStyle::Solid, kWhite};
    const Brush grey{BrushStyle::Solid, kPictureGrey};
    dc.SetBkMode(BkMode::Transparent);
    PaintPictureGround(dc, clientSize);

    const double horizontal = std::max(m_dPreviewDeckWidth, m_dPreviewSpacing * 12.0);
    const double vertical = m_dPreviewHeight + m_dPreviewDeckThickness + m_dPreviewHaunchThickness;
    // Pixels per inch, with a margin of 6 pixels on every side. Sketches of nothing (a seed file)
    // have no extent and scale by 0: nothing but the frame shows.
    const PictureScale scale = FitPicture(clientSize, kSketchMargin, horizontal, vertical);
    const int x0 = clientSize.cx / 2;
    const int y0 = clientSize.cy / 2 + PicturePixels(vertical * scale.y / 2.0);
    const PictureMapping at({x0, y0}, scale);

    Pen oldPen = dc.SelectPen(black);
    Brush oldBrush = dc.SelectBrush(white);
    for (int i = 0; i + 1 < m_nPreviewOutlineCount; ++i) {
        dc.MoveTo(at.At(m_adPreviewOutline[i][0], m_adPreviewOutline[i][1]));
        dc.LineTo(at.At(m_adPreviewOutline[i + 1][0], m_adPreviewOutline[i + 1][1]));
    }
    for (int i = 0; i + 1 < m_nPreviewVoidCount; ++i) {
        dc.MoveTo(at.At(m_adPreviewVoid[i][0], m_adPreviewVoid[i][1]));
        dc.LineTo(at.At(m_adPreviewVoid[i + 1][0], m_adPreviewVoid[i + 1][1]));
    }
    for (int i = 0; i < m_nPreviewCircleCount; ++i) {
        const auto& c = m_adPreviewCircle[static_cast<size_t>(i)];
        Point a = at.At(c[0] - c[2], c[1] + c[2]);
        Point b = at.At(c[0] + c[2], c[1] - c[2]);
        dc.Ellipse({a.x, a.y, b.x, b.y});
    }

    const int girderTop = y0 - at.Height(m_dPreviewHeight);
    const int haunchTop = girderTop - at.Height(m_dPreviewHaunchThickness);
    dc.SelectBrush(grey);
    if (m_dPreviewHaunchThickness > 0.0) {
        const int half = at.Width(m_dPreviewHaunchWidth / 2.0);
        dc.Rectangle({x0 - half, haunchTop, x0 + half, girderTop});
    }
    if (m_dPreviewDeckThickness > 0.0) {
        const int half = at.Width(m_dPreviewDeckWidth / 2.0);
        const int deckTop = haunchTop - at.Height(m_dPreviewDeckThickness);
        dc.Rectangle({x0 - half, deckTop, x0 + half, haunchTop});
    }
    dc.SelectPen(oldPen);
    dc.SelectBrush(oldBrush);
}

}  // namespace kordel
