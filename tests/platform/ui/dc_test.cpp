// The device context's mapping, objects, text layout and clipping, on the recording backend
// (100 pixels per inch, so one MapMode::LoEnglish unit is one pixel with y flipped; every
// character 0.6 em wide, ascent 0.8 em, descent 0.2 em).
#include "platform/ui/dc.h"

#include <gtest/gtest.h>

#include <cmath>

#include "platform/ui/recording_dc.h"

namespace platform::ui {
namespace {

using Op = RecordingDC::Op;
using Kind = RecordingDC::OpKind;

TEST(DeviceContext, MapsLogicalPointsByModeAndOrigins) {
    struct Case {
        const char* what;
        MapMode mode;
        Point windowOrg;
        Point viewportOrg;
        Point logical;
        Point device;
    };
    const Case cases[] = {
        {"text mode is one to one", MapMode::Text, {0, 0}, {0, 0}, {12, 34}, {12, 34}},
        {"lo-english flips y", MapMode::LoEnglish, {0, 0}, {0, 0}, {250, -400}, {250, 400}},
        // Window origin (-60, T + 30) of printed page 2 (T = -1060): logical (-60, -1030) lands
        // on the device's top-left corner.
        {"window origin moves the page",
         MapMode::LoEnglish,
         {-60, -1030},
         {0, 0},
         {-60, -1030},
         {0, 0}},
        {"window origin, a point inside",
         MapMode::LoEnglish,
         {-60, -1030},
         {0, 0},
         {0, -1060},
         {60, 30}},
        {"viewport origin adds device pixels",
         MapMode::LoEnglish,
         {0, 0},
         {-5, -200},
         {10, -300},
         {5, 100}},
    };
    for (const Case& c : cases) {
        RecordingDC dc;
        dc.SetMapMode(c.mode);
        dc.SetWindowOrg(c.windowOrg);
        dc.SetViewportOrg(c.viewportOrg);
        EXPECT_EQ(dc.LPtoDP(c.logical), c.device) << c.what;
        EXPECT_EQ(dc.DPtoLP(c.device), c.logical) << c.what << " (back)";
    }
}

TEST(DeviceContext, ScalesLoEnglishByTheDeviceResolution) {
    RecordingDC printer(600.0, true);  // 6 pixels per 0.01 inch
    printer.SetMapMode(MapMode::LoEnglish);
    EXPECT_EQ(printer.LPtoDP(Point{100, -100}), (Point{600, 600}));
    EXPECT_EQ(printer.LPtoDP(Size{735, 1015}), (Size{4410, 6090}));
    EXPECT_TRUE(printer.IsPrinting());
}

TEST(DeviceContext, DoublesBecomeCoordinatesByTruncationTowardZero) {
    // An outline point at (-12.7, 33.9) inches is (-12, 33).
    EXPECT_EQ(ToLogical(-12.7), -12);
    EXPECT_EQ(ToLogical(33.9), 33);
    EXPECT_EQ(ToLogical(-0.99), 0);
}

TEST(DeviceContext, PensKeepTheirStyleAndWidthInDevicePixels) {
    RecordingDC dc(600.0, true);
    dc.SetMapMode(MapMode::LoEnglish);
    struct Case {
        const char* what;
        Pen pen;
        double width;
    };
    const Case cases[] = {
        {"width 0 is one pixel", {PenStyle::Solid, 0, kBlack}, 1.0},
        {"width 1 is 0.01 inch", {PenStyle::Solid, 1, kBlack}, 6.0},
        {"dotted page line", {PenStyle::Dot, 1, Rgb(55, 155, 155)}, 6.0},
        {"dashed", {PenStyle::Dash, 2, kBlack}, 12.0},
    };
    for (const Case& c : cases) {
        dc.Clear();
        dc.SelectPen(c.pen);
        dc.MoveTo({0, -1000});
        dc.LineTo({32000, -1000});
        ASSERT_EQ(dc.Ops().size(), 1u) << c.what;
        const Op& op = dc.Ops()[0];
        EXPECT_EQ(op.penStyle, c.pen.style) << c.what;
        EXPECT_DOUBLE_EQ(op.penWidth, c.width) << c.what;
        EXPECT_EQ(op.penColour, c.pen.colour) << c.what;
        EXPECT_EQ(op.points[0], (PointD{0, 6000})) << c.what;
        EXPECT_EQ(op.points[1], (PointD{192000, 6000})) << c.what;
    }
    dc.Clear();
    dc.SelectPen({PenStyle::Null, 0, kBlack});
    dc.LineTo({10, 10});
    EXPECT_TRUE(dc.Ops().empty()) << "a null pen draws no line";
}

TEST(DeviceContext, ShapesUseThePenAndTheBrush) {
    RecordingDC dc;
    dc.SelectPen({PenStyle::Solid, 0, kBlack});
    dc.SelectBrush({BrushStyle::Solid, Rgb(195, 195, 195)});
    dc.Rectangle({10, 20, 30, 40});
    dc.SelectBrush({BrushStyle::Null, kWhite});
    dc.Ellipse({0, 0, 8, 4});
    dc.SelectPen({PenStyle::Null, 0, kBlack});
    dc.SelectBrush({BrushStyle::Solid, kBlack});
    dc.Polygon({{0, 0}, {10, 0}, {0, 10}});

    ASSERT_EQ(dc.Ops().size(), 3u);
    EXPECT_EQ(dc.Ops()[0].kind, Kind::Rectangle);
    EXPECT_TRUE(dc.Ops()[0].hasPen && dc.Ops()[0].hasFill);
    EXPECT_EQ(dc.Ops()[0].fill, Rgb(195, 195, 195));
    EXPECT_EQ(dc.Ops()[0].points[0], (PointD{10, 20}));
    EXPECT_EQ(dc.Ops()[0].points[1], (PointD{30, 40}));
    EXPECT_EQ(dc.Ops()[1].kind, Kind::Ellipse);
    EXPECT_FALSE(dc.Ops()[1].hasFill) << "a null brush leaves the inside";
    EXPECT_EQ(dc.Ops()[2].kind, Kind::Polygon);
    EXPECT_FALSE(dc.Ops()[2].hasPen) << "a null pen leaves the outline";
    EXPECT_EQ(dc.Ops()[2].points.size(), 3u);
}

TEST(DeviceContext, RectanglesInYUpModesAreNormalisedOnTheDevice) {
    RecordingDC dc;
    dc.SetMapMode(MapMode::LoEnglish);
    dc.Rectangle({1, -1, 735, -1015});  // the page frame of sheet 1
    ASSERT_EQ(dc.Ops().size(), 1u);
    EXPECT_EQ(dc.Ops()[0].points[0], (PointD{1, 1}));
    EXPECT_EQ(dc.Ops()[0].points[1], (PointD{735, 1015}));
}

TEST(DeviceContext, FontsAreMappedToTheLiberationFaces) {
    struct Case {
        const char* face;
        const char* family;
    };
    const Case cases[] = {{"Arial", "Liberation Sans"},
                          {"Courier New", "Liberation Mono"},
                          {"Lucida Console", "Liberation Mono"},
                          {"Times New Roman", "Liberation Serif"},
                          {"MS Shell Dlg", "Liberation Sans"},
                          {"DejaVu Sans", "DejaVu Sans"},
                          {"", "Liberation Sans"}};
    for (const Case& c : cases) EXPECT_EQ(MapFontFace(c.face), c.family) << c.face;
}

TEST(DeviceContext, FontHeightsAreCharacterOrCellHeightsInLogicalUnits) {
    RecordingDC dc(600.0, true);
    dc.SetMapMode(MapMode::LoEnglish);
    // -14 (10 points): a character height of 0.14 inch, 84 printer pixels.
    dc.SelectFont({"Lucida Console", -14, kFontWeightNormal});
    dc.TextOut({0, 0}, "A");
    // +20: a cell of 0.20 inch; the recording's cell is exactly one em.
    dc.SelectFont({"Arial", 20, kFontWeightBold});
    dc.TextOut({0, 0}, "B");
    const auto texts = dc.OpsOf(Kind::Text);
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].family, "Liberation Mono");
    EXPECT_DOUBLE_EQ(texts[0].fontSize, 84.0);
    EXPECT_DOUBLE_EQ(texts[1].fontSize, 120.0);
    EXPECT_TRUE(texts[1].bold);

    const TextMetrics m = dc.GetTextMetrics();
    EXPECT_EQ(m.height, 20);
    EXPECT_EQ(m.ascent, 16);
    EXPECT_EQ(m.aveCharWidth, 12);
}

TEST(DeviceContext, TextIsPlacedByItsAlignmentAlongItsTurnedBaseline) {
    // Font of 20 pixels: "abcd" is 48 wide, ascent 16, descent 4; reference point (100, 100).
    // Turned text keeps its alignment along its own baseline and across it: at 900 the baseline
    // runs up the screen (the letters' bottoms to the right), so "top" puts the baseline 16 to
    // the right of the point and "right" puts its start 48 below it; at -900 the baseline runs
    // down with the letters' tops to the right, and both offsets change sign.
    struct Case {
        const char* what;
        unsigned align;
        int escapement;
        PointD baseline;
    };
    const Case cases[] = {
        {"top left", kAlignLeft | kAlignTop, 0, {100, 116}},
        {"top right", kAlignRight | kAlignTop, 0, {52, 116}},
        {"top centre", kAlignCenter | kAlignTop, 0, {76, 116}},
        {"baseline", kAlignLeft | kAlignBaseline, 0, {100, 100}},
        {"bottom", kAlignLeft | kAlignBottom, 0, {100, 96}},
        {"top left, up", kAlignLeft | kAlignTop, 900, {116, 100}},
        {"top right, up", kAlignRight | kAlignTop, 900, {116, 148}},
        {"top centre, up", kAlignCenter | kAlignTop, 900, {116, 124}},
        {"baseline centre, up", kAlignCenter | kAlignBaseline, 900, {100, 124}},
        {"bottom right, up", kAlignRight | kAlignBottom, 900, {96, 148}},
        {"top left, down", kAlignLeft | kAlignTop, -900, {84, 100}},
        {"top right, down", kAlignRight | kAlignTop, -900, {84, 52}},
        {"top centre, down", kAlignCenter | kAlignTop, -900, {84, 76}},
        {"baseline centre, down", kAlignCenter | kAlignBaseline, -900, {100, 76}},
        {"bottom right, down", kAlignRight | kAlignBottom, -900, {104, 52}},
    };
    for (const Case& c : cases) {
        RecordingDC dc;
        Font font{"Arial", -20};
        font.escapement = c.escapement;
        dc.SelectFont(font);
        dc.SetTextAlign(c.align);
        dc.TextOut({100, 100}, "abcd");
        ASSERT_EQ(dc.Ops().size(), 1u) << c.what;
        EXPECT_EQ(dc.Ops()[0].points[0], c.baseline) << c.what;
        EXPECT_EQ(dc.Ops()[0].angle, c.escapement / 10.0) << c.what;
        EXPECT_EQ(dc.Ops()[0].text, "abcd") << c.what;
    }
}

TEST(DeviceContext, EscapementIsCounterClockwiseOnThePageWhateverTheMapping) {
    // In LoEnglish (y up) logical (100, -100) is pixel (100, 100): a title reading down the page
    // lands where it does in the pixel mapping, and its angle is the same.
    RecordingDC dc;
    dc.SetMapMode(MapMode::LoEnglish);
    Font font{"Arial", -20};
    font.escapement = -900;
    dc.SelectFont(font);
    dc.SetTextAlign(kAlignCenter | kAlignTop);
    dc.TextOut({100, -100}, "abcd");
    ASSERT_EQ(dc.Ops().size(), 1u);
    EXPECT_EQ(dc.Ops()[0].points[0], (PointD{84, 76}));
    EXPECT_EQ(dc.Ops()[0].angle, -90.0);
    // An angle that is no quarter turn: 30 degrees up from the point, baseline aligned.
    font.escapement = 300;
    dc.SelectFont(font);
    dc.SetTextAlign(kAlignRight | kAlignBaseline);
    dc.TextOut({100, -100}, "abcd");
    const PointD start = dc.Ops()[1].points[0];
    EXPECT_NEAR(start.x, 100 - 48 * std::sqrt(3.0) / 2.0, 1e-9);  // 48 cos 30 to the left
    EXPECT_NEAR(start.y, 100 + 48 / 2.0, 1e-9);                   // and 48 sin 30 below
}

TEST(DeviceContext, OnlyTextOutTurnsText) {
    // The escapement belongs to the font (two fonts that differ in it differ), but tabbed and
    // formatted text runs across, and the extent is measured along the baseline.
    Font turned{"Arial", -10};
    turned.escapement = 900;
    EXPECT_NE(turned, (Font{"Arial", -10}));
    RecordingDC dc;
    dc.SelectFont(turned);
    dc.TabbedTextOut({0, 0}, "ab\tc");
    Rect box{0, 0, 100, 30};
    dc.DrawText("abc", box, kDtSingleLine);
    for (const Op& op : dc.OpsOf(Kind::Text)) EXPECT_EQ(op.angle, 0.0) << op.text;
    EXPECT_EQ(dc.GetTextExtent("abc"), (Size{18, 10}));
}

TEST(DeviceContext, TextBackgroundFollowsTheBackgroundMode) {
    RecordingDC dc;
    dc.SetBkColour(Rgb(1, 2, 3));
    dc.TextOut({0, 0}, "x");
    dc.SetBkMode(BkMode::Transparent);
    dc.TextOut({0, 0}, "y");
    const auto texts = dc.OpsOf(Kind::Text);
    EXPECT_TRUE(texts[0].hasFill);
    EXPECT_EQ(texts[0].fill, Rgb(1, 2, 3));
    EXPECT_FALSE(texts[1].hasFill);
}

TEST(DeviceContext, TabbedTextStopsAtTheGivenOrDefaultStops) {
    RecordingDC dc;  // font -10: 6 pixels a character
    dc.SelectFont({"Arial", -10});
    dc.SetMapMode(MapMode::Text);

    // One stop of 70 units: "Project" (42 wide) then ": x" at 70.
    dc.TabbedTextOut({4, 0}, "Project\t: x", {70}, 0);
    // No stops: every eight average characters (48 pixels) from the tab origin.
    dc.TabbedTextOut({0, 20}, "ab\tc\td");
    const auto texts = dc.OpsOf(Kind::Text);
    ASSERT_EQ(texts.size(), 5u);
    EXPECT_EQ(texts[0].text, "Project");
    EXPECT_DOUBLE_EQ(texts[0].points[0].x, 4);
    EXPECT_EQ(texts[1].text, ": x");
    EXPECT_DOUBLE_EQ(texts[1].points[0].x, 70);
    EXPECT_DOUBLE_EQ(texts[2].points[0].x, 0);
    EXPECT_DOUBLE_EQ(texts[3].points[0].x, 48);
    EXPECT_DOUBLE_EQ(texts[4].points[0].x, 96);

    EXPECT_EQ(dc.GetTabbedTextExtent("ab\tc").cx, 54);
    // A plain extent counts a tab as a character.
    EXPECT_EQ(dc.GetTextExtent("ab\tc").cx, 24);
}

TEST(DeviceContext, DrawTextAlignsInItsRectangleAndMeasures) {
    RecordingDC dc;
    dc.SelectFont({"Arial", -10});  // 6 wide, 10 high a character
    Rect box{0, 0, 100, 30};
    dc.DrawText("abc", box, kDtCenter | kDtVCenter | kDtSingleLine);
    Rect right{0, 0, 100, 30};
    dc.DrawText("abc", right, kDtRight | kDtSingleLine | kDtNoClip);
    Rect calc{5, 5, 0, 0};
    const int height = dc.DrawText("ab\nabcd", calc, kDtCalcRect);

    const auto texts = dc.OpsOf(Kind::Text);
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].points[0], (PointD{41, 18}));  // x (100 - 18) / 2, top 10 + ascent 8
    EXPECT_EQ(texts[1].points[0], (PointD{82, 8}));
    EXPECT_EQ(height, 20);
    EXPECT_EQ(calc, (Rect{5, 5, 29, 25}));
    // Drawing clips to the rectangle and removes that clip again.
    const auto clips = dc.OpsOf(Kind::Clip);
    ASSERT_EQ(clips.size(), 2u);
    EXPECT_EQ(clips[0].points[1], (PointD{100, 30}));
    EXPECT_TRUE(clips[1].clipRemoved);
}

TEST(DeviceContext, AnEndEllipsisCutsOnlyALineThatDoesNotFit) {
    RecordingDC dc;
    dc.SelectFont({"Arial", -10});  // 6 pixels a character
    struct Case {
        const char* what;
        std::string text;
        int width;
        unsigned format;
        std::string drawn;
    };
    const Case cases[] = {
        {"fits exactly", "abcde", 30, kDtEndEllipsis | kDtSingleLine, "abcde"},
        {"a pixel short: as much as fits with the dots", "abcde", 29,
         kDtEndEllipsis | kDtSingleLine, "a..."},
        {"room for the dots only", "abcde", 20, kDtEndEllipsis | kDtSingleLine, "..."},
        {"no ellipsis asked for", "abcde", 20, kDtSingleLine, "abcde"},
        {"right-aligned text starts at the left once cut", "abcdefgh", 40,
         kDtRight | kDtEndEllipsis | kDtSingleLine, "abc..."},
    };
    for (const Case& c : cases) {
        dc.Clear();
        Rect box{10, 0, 10 + c.width, 20};
        dc.DrawText(c.text, box, c.format);
        const auto texts = dc.OpsOf(Kind::Text);
        ASSERT_EQ(texts.size(), 1u) << c.what;
        EXPECT_EQ(texts[0].text, c.drawn) << c.what;
        if (c.drawn != c.text) {
            EXPECT_DOUBLE_EQ(texts[0].points[0].x, 10) << c.what;
        }
    }
}

TEST(DeviceContext, ClipNarrowsReportsAndRestores) {
    RecordingDC dc(100.0, true, {750, 1000});
    dc.SetMapMode(MapMode::LoEnglish);
    // The band of printed sheet 2 with the page's window origin.
    dc.SetWindowOrg({-60, -1030});
    const int saved = dc.SaveDC();
    dc.IntersectClipRect({0, -1060, 755, -2120});
    const Rect box = dc.GetClipBox();
    EXPECT_EQ(box.left, 0);
    EXPECT_EQ(box.top, -1060);
    EXPECT_EQ(box.right, 690) << "cut by the device's right edge";
    EXPECT_EQ(box.bottom, -2030) << "cut by the device's bottom edge";

    dc.IntersectClipRect({100, -1100, 200, -1200});
    EXPECT_EQ(dc.GetClipBox(), (Rect{100, -1100, 200, -1200}));
    dc.RestoreDC(saved);
    EXPECT_EQ(dc.GetClipBox(), (Rect{-60, -1030, 690, -2030})) << "the whole device again";
    EXPECT_EQ(dc.GetWindowOrg(), (Point{-60, -1030}));
    EXPECT_TRUE(dc.Ops().back().clipRemoved);
}

TEST(DeviceContext, SaveAndRestoreKeepObjectsAndMapping) {
    RecordingDC dc;
    dc.SelectPen({PenStyle::Dot, 1, kBlack});
    dc.SaveDC();
    dc.SetMapMode(MapMode::LoEnglish);
    dc.SelectPen({PenStyle::Solid, 3, kWhite});
    dc.SetViewportOrg({5, 5});
    dc.RestoreDC();
    EXPECT_EQ(dc.GetMapMode(), MapMode::Text);
    EXPECT_EQ(dc.GetPen().style, PenStyle::Dot);
    EXPECT_EQ(dc.GetViewportOrg(), (Point{0, 0}));
    dc.RestoreDC();  // nothing saved: no change
    EXPECT_EQ(dc.GetPen().style, PenStyle::Dot);
}

TEST(DeviceContext, BitmapsAreCopiedPixelForPixel) {
    RecordingDC dc;
    dc.SetMapMode(MapMode::LoEnglish);
    Bitmap b;
    b.width = 520;
    b.height = 250;
    dc.DrawBitmap(b, {10, -20});
    dc.DrawBitmap(Bitmap{}, {0, 0});
    ASSERT_EQ(dc.Ops().size(), 1u) << "an empty bitmap draws nothing";
    EXPECT_EQ(dc.Ops()[0].points[0], (PointD{10, 20}));
    EXPECT_EQ(dc.Ops()[0].points[1], (PointD{530, 270}));
}

}  // namespace
}  // namespace platform::ui
