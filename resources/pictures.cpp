// Pictures drawn through the device context (MapMode::Text, pixels): the splash picture, the
// program and document icons, and the tool bar button images. Drawing them keeps them sharp on
// every device and leaves no binary files to maintain.
#include <stdexcept>
#include <vector>

#include "resources/resources.h"

namespace kordel::res {

using namespace platform::ui;

namespace {

// The sixteen colours of the pictures.
constexpr Colour kNavy = Rgb(0, 0, 128);
constexpr Colour kTeal = Rgb(0, 128, 128);
constexpr Colour kSilver = Rgb(192, 192, 192);
constexpr Colour kGrey = Rgb(128, 128, 128);
constexpr Colour kYellow = Rgb(255, 255, 0);
constexpr Colour kRed = Rgb(128, 0, 0);
constexpr Colour kGreen = Rgb(0, 128, 0);
constexpr Colour kBlue = Rgb(0, 0, 255);

constexpr Size kSplashSize{520, 250};
constexpr Size kIconSize{32, 32};

/// The I-girder outline of the example designs (x from the centre line, y up, inches).
const std::vector<std::pair<double, double>>& GirderOutline() {
    static const std::vector<std::pair<double, double>> kOutline = {
        {-13, 0}, {-13, 6},   {-3, 10.5}, {-3, 64.5}, {-5, 66.5}, {-21, 68.5}, {-21, 72},
        {21, 72}, {21, 68.5}, {5, 66.5},  {3, 64.5},  {3, 10.5},  {13, 6},     {13, 0}};
    return kOutline;
}

/// The girder outline scaled by `scale` pixels per inch, its bottom centre at `base`.
std::vector<Point> GirderPolygon(Point base, double scale) {
    std::vector<Point> pts;
    for (auto [x, y] : GirderOutline()) {
        pts.push_back({base.x + ToLogical(x * scale), base.y - ToLogical(y * scale)});
    }
    return pts;
}

void DrawSplash(DC& dc) {
    dc.FillSolidRect({0, 0, kSplashSize.cx, kSplashSize.cy}, kNavy);
    dc.SetBkMode(BkMode::Transparent);

    // Title and subject.
    dc.SelectFont({"Arial", -64, kFontWeightBold});
    dc.SetTextColour(kWhite);
    dc.TextOut({28, 14}, "Kordel");
    dc.SelectFont({"Arial", -16, kFontWeightNormal});
    dc.SetTextColour(kSilver);
    dc.TextOut({32, 96}, "Precast, prestressed concrete bridge girders");
    dc.TextOut({32, 118}, "AASHTO LRFD and Standard Specifications");
    dc.SelectFont({"Arial", -15, kFontWeightBold});
    dc.SetTextColour(kYellow);
    dc.TextOut({32, 146}, "Version 4.62");

    // A composite I-girder section: deck slab over the girder, strands in the bottom flange.
    const Point base{430, 162};
    const double scale = 1.55;
    dc.SelectPen({PenStyle::Solid, 0, kBlack});
    dc.SelectBrush({BrushStyle::Solid, kGrey});
    dc.Rectangle({base.x - 62, base.y - ToLogical(72 * scale) - 13, base.x + 62,
                  base.y - ToLogical(72 * scale)});
    dc.SelectBrush({BrushStyle::Solid, kSilver});
    dc.Polygon(GirderPolygon(base, scale));
    dc.SelectBrush({BrushStyle::Solid, kYellow});
    for (int row = 0; row < 2; ++row) {
        for (int k = -3; k <= 3; ++k) {
            const int cx = base.x + k * 5;
            const int cy = base.y - 4 - row * 5;
            dc.Ellipse({cx - 2, cy - 2, cx + 2, cy + 2});
        }
    }

    // Elevation: a girder on its bearings with the draped strands.
    dc.FillSolidRect({0, 182, kSplashSize.cx, kSplashSize.cy}, kWhite);
    dc.SelectPen({PenStyle::Solid, 0, kBlack});
    dc.SelectBrush({BrushStyle::Solid, kSilver});
    dc.Rectangle({20, 194, 500, 212});
    dc.SelectBrush({BrushStyle::Solid, kGrey});
    dc.Polygon({{40, 212}, {33, 222}, {47, 222}});
    dc.Polygon({{480, 212}, {473, 222}, {487, 222}});
    dc.SelectPen({PenStyle::Dash, 0, kTeal});
    dc.Polyline({{20, 200}, {200, 208}, {320, 208}, {500, 200}});
    dc.SelectPen({PenStyle::Solid, 0, kTeal});
    dc.MoveTo({20, 209});
    dc.LineTo({500, 209});

    dc.SelectFont({"Arial", -12, kFontWeightNormal});
    dc.SetTextColour(kGrey);
    dc.TextOut({20, 230}, "Dravnick Technologies");
}

void DrawIcon(DC& dc, bool document) {
    dc.FillSolidRect({0, 0, kIconSize.cx, kIconSize.cy}, kWhite);
    dc.SelectPen({PenStyle::Solid, 0, kBlack});
    if (document) {
        dc.SelectBrush({BrushStyle::Solid, kWhite});
        dc.Polygon({{4, 1}, {22, 1}, {28, 7}, {28, 30}, {4, 30}});
    }
    dc.SelectBrush({BrushStyle::Solid, kGrey});
    dc.Rectangle({5, 4, 27, 8});
    dc.SelectBrush({BrushStyle::Solid, kNavy});
    dc.Polygon(GirderPolygon({16, 29}, 0.29));
    dc.SelectPen({PenStyle::Null, 0, kBlack});
    dc.SelectBrush({BrushStyle::Solid, kYellow});
    dc.Rectangle({13, 25, 15, 27});
    dc.Rectangle({17, 25, 19, 27});
}

// ---- Tool bar buttons (18 x 19) -------------------------------------------------------------

void Page(DC& dc, Colour fill = kWhite) {
    dc.SelectPen({PenStyle::Solid, 0, kBlack});
    dc.SelectBrush({BrushStyle::Solid, fill});
    dc.Polygon({{3, 1}, {11, 1}, {15, 5}, {15, 17}, {3, 17}});
}

void Lines(DC& dc, int from, int to, int step, int left = 5, int right = 13) {
    dc.SelectPen({PenStyle::Solid, 0, kGrey});
    for (int y = from; y <= to; y += step) {
        dc.MoveTo({left, y});
        dc.LineTo({right, y});
    }
}

void Beam(DC& dc, int top = 8, int bottom = 11) {
    dc.SelectPen({PenStyle::Solid, 0, kBlack});
    dc.SelectBrush({BrushStyle::Solid, kSilver});
    dc.Rectangle({1, top, 17, bottom});
}

void Section(DC& dc, Colour fill) {
    dc.SelectPen({PenStyle::Solid, 0, kBlack});
    dc.SelectBrush({BrushStyle::Solid, fill});
    dc.Polygon({{3, 2},
                {15, 2},
                {15, 4},
                {10, 5},
                {10, 13},
                {13, 14},
                {13, 17},
                {5, 17},
                {5, 14},
                {8, 13},
                {8, 5},
                {3, 4}});
}

void Letters(DC& dc, const char* text, Colour colour) {
    dc.SetBkMode(BkMode::Transparent);
    dc.SetTextColour(colour);
    dc.SelectFont({"Arial", -10, kFontWeightBold});
    dc.SetTextAlign(kAlignCenter | kAlignTop);
    dc.TextOut({9, 4}, text);
    dc.SetTextAlign(kAlignLeft | kAlignTop);
}

}  // namespace

Size PictureSize(int id) {
    if (id == IDB_SPLASH) return kSplashSize;
    if (id == IDR_MAINFRAME || id == IDR_KORDELTYPE) return kIconSize;
    throw std::out_of_range("no picture resource " + std::to_string(id));
}

void DrawPicture(int id, DC& dc) {
    if (id == IDB_SPLASH) {
        DrawSplash(dc);
    } else if (id == IDR_MAINFRAME || id == IDR_KORDELTYPE) {
        DrawIcon(dc, id == IDR_KORDELTYPE);
    } else {
        throw std::out_of_range("no picture resource " + std::to_string(id));
    }
}

void DrawToolButton(int commandId, DC& dc) {
    dc.SelectPen({PenStyle::Solid, 0, kBlack});
    switch (commandId) {
        case ID_FILE_NEW:
            Page(dc);
            dc.MoveTo({11, 1});
            dc.LineTo({11, 5});
            dc.LineTo({15, 5});
            break;
        case ID_FILE_OPEN:
            dc.SelectBrush({BrushStyle::Solid, kYellow});
            dc.Polygon({{1, 5}, {6, 5}, {8, 7}, {15, 7}, {15, 16}, {1, 16}});
            dc.SelectBrush({BrushStyle::Solid, Rgb(128, 128, 0)});
            dc.Polygon({{1, 16}, {4, 10}, {17, 10}, {15, 16}});
            break;
        case ID_FILE_SAVE:
            dc.SelectBrush({BrushStyle::Solid, kNavy});
            dc.Rectangle({2, 2, 16, 17});
            dc.SelectBrush({BrushStyle::Solid, kWhite});
            dc.Rectangle({4, 2, 14, 8});
            dc.SelectBrush({BrushStyle::Solid, kSilver});
            dc.Rectangle({5, 11, 13, 17});
            break;
        case ID_FILE_PRINT:
            dc.SelectBrush({BrushStyle::Solid, kWhite});
            dc.Rectangle({5, 1, 13, 8});
            dc.SelectBrush({BrushStyle::Solid, kSilver});
            dc.Rectangle({1, 7, 17, 14});
            dc.SelectBrush({BrushStyle::Solid, kWhite});
            dc.Rectangle({4, 12, 14, 18});
            break;
        case ID_INPUT_WIZARD:
            dc.SelectPen({PenStyle::Solid, 2, kNavy});
            dc.MoveTo({3, 16});
            dc.LineTo({11, 8});
            dc.SelectPen({PenStyle::Solid, 0, kYellow});
            dc.SelectBrush({BrushStyle::Solid, kYellow});
            dc.Polygon({{13, 1}, {14, 5}, {17, 6}, {14, 7}, {13, 11}, {12, 7}, {9, 6}, {12, 5}});
            break;
        case ID_INPUT_JOB_INFO:
            Page(dc);
            Letters(dc, "i", kBlue);
            break;
        case ID_INPUT_PROJECT_SETTINGS:
            Page(dc);
            dc.SelectBrush({BrushStyle::Solid, kWhite});
            for (int y = 4; y <= 12; y += 4) {
                dc.Rectangle({5, y, 8, y + 3});
                Lines(dc, y + 1, y + 1, 1, 9, 13);
                dc.SelectPen({PenStyle::Solid, 0, kBlack});
            }
            break;
        case ID_INPUT_SPAN_LAYOUT:
            Beam(dc, 6, 9);
            dc.SelectBrush({BrushStyle::Solid, kGrey});
            for (int x : {2, 9, 16}) dc.Polygon({{x, 9}, {x - 2, 14}, {x + 2, 14}});
            break;
        case ID_INPUT_GEOMETRY:
            Section(dc, kSilver);
            break;
        case ID_INPUT_MATERIALS:
            dc.SelectBrush({BrushStyle::Solid, kSilver});
            dc.Polygon({{2, 7}, {7, 3}, {16, 3}, {16, 12}, {11, 16}, {2, 16}});
            dc.MoveTo({2, 7});
            dc.LineTo({11, 7});
            dc.LineTo({16, 3});
            dc.MoveTo({11, 7});
            dc.LineTo({11, 16});
            break;
        case ID_INPUT_LOADS:
            Beam(dc, 12, 15);
            dc.SelectPen({PenStyle::Solid, 0, kRed});
            for (int x : {4, 9, 14}) {
                dc.MoveTo({x, 2});
                dc.LineTo({x, 11});
                dc.MoveTo({x - 2, 8});
                dc.LineTo({x, 11});
                dc.LineTo({x + 3, 7});
            }
            break;
        case ID_INPUT_LOAD_RESIST_FACTORS:
            Letters(dc, "LF", kNavy);
            break;
        case ID_INPUT_PRETENSIONING:
            Section(dc, kSilver);
            dc.SelectPen({PenStyle::Null, 0, kBlack});
            dc.SelectBrush({BrushStyle::Solid, kRed});
            for (int x : {6, 9, 12}) dc.Rectangle({x - 1, 14, x + 1, 16});
            break;
        case ID_INPUT_DEBONDING:
            Beam(dc, 4, 15);
            dc.SelectPen({PenStyle::Solid, 0, kRed});
            dc.MoveTo({1, 12});
            dc.LineTo({17, 12});
            dc.MoveTo({6, 9});
            dc.LineTo({12, 9});
            dc.SelectPen({PenStyle::Dot, 0, kRed});
            dc.MoveTo({1, 9});
            dc.LineTo({6, 9});
            dc.MoveTo({12, 9});
            dc.LineTo({17, 9});
            break;
        case ID_INPUT_POST_TENSIONING:
            Beam(dc, 4, 15);
            dc.SelectPen({PenStyle::Solid, 0, kGreen});
            dc.Polyline({{1, 7}, {5, 11}, {9, 13}, {13, 11}, {17, 7}});
            break;
        case ID_INPUT_REBAR_LONGITUDINAL:
            Beam(dc, 4, 15);
            dc.SelectPen({PenStyle::Solid, 0, kRed});
            for (int y : {6, 13}) {
                dc.MoveTo({1, y});
                dc.LineTo({17, y});
            }
            break;
        case ID_INPUT_REBAR_TRANSVERSE:
            Beam(dc, 4, 15);
            dc.SelectPen({PenStyle::Solid, 0, kRed});
            for (int x = 3; x <= 15; x += 3) {
                dc.MoveTo({x, 5});
                dc.LineTo({x, 14});
            }
            break;
        case ID_INPUT_STRIPPING_HANDLING:
            dc.MoveTo({4, 10});
            dc.LineTo({9, 1});
            dc.LineTo({14, 10});
            Beam(dc, 10, 14);
            break;
        case ID_INPUT_ANALYSIS_OPTIONS:
            dc.SelectBrush({BrushStyle::Solid, kWhite});
            for (int y : {2, 8, 14}) dc.Rectangle({2, y, 6, y + 4});
            dc.SelectPen({PenStyle::Solid, 0, kGreen});
            dc.Polyline({{2, 9}, {4, 11}, {7, 6}});
            Lines(dc, 4, 16, 6, 8, 16);
            break;
        case ID_RESULTS_GRAPHS:
            dc.MoveTo({2, 1});
            dc.LineTo({2, 16});
            dc.LineTo({17, 16});
            dc.SelectPen({PenStyle::Solid, 0, kRed});
            dc.Polyline({{3, 13}, {6, 7}, {9, 4}, {12, 4}, {15, 8}});
            dc.SelectPen({PenStyle::Solid, 0, kBlue});
            dc.Polyline({{3, 15}, {8, 10}, {13, 10}, {16, 13}});
            break;
        case ID_RESULTS_TEXT_LONG:
            Page(dc);
            Lines(dc, 4, 15, 2);
            break;
        case ID_RESULTS_TEXT_SHORT:
            Page(dc);
            Lines(dc, 5, 9, 2);
            break;
        case ID_RESULTS_CODE_COMPLIANCE:
            Page(dc);
            dc.SelectPen({PenStyle::Solid, 2, kGreen});
            dc.Polyline({{5, 9}, {8, 13}, {14, 4}});
            break;
        case ID_RESULTS_3D_RENDERING:
            dc.SelectBrush({BrushStyle::Solid, kSilver});
            dc.Polygon({{2, 6}, {6, 2}, {16, 2}, {12, 6}});
            dc.SelectBrush({BrushStyle::Solid, kGrey});
            dc.Polygon({{12, 6}, {16, 2}, {16, 12}, {12, 16}});
            dc.SelectBrush({BrushStyle::Solid, kWhite});
            dc.Rectangle({2, 6, 13, 17});
            break;
        case ID_TOOLS_LOAD_TABLES:
            dc.SelectBrush({BrushStyle::Solid, kWhite});
            dc.Rectangle({1, 2, 17, 17});
            dc.SelectBrush({BrushStyle::Solid, kNavy});
            dc.Rectangle({1, 2, 17, 6});
            Lines(dc, 9, 13, 4, 2, 16);
            dc.SelectPen({PenStyle::Solid, 0, kGrey});
            dc.MoveTo({7, 6});
            dc.LineTo({7, 16});
            dc.MoveTo({12, 6});
            dc.LineTo({12, 16});
            break;
        case ID_HELP_FINDER:
            Letters(dc, "?", kNavy);
            break;
        default:
            break;
    }
}

}  // namespace kordel::res
