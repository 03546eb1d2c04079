// The cairo device context: pixels drawn into pictures, text laid out alike at every
// resolution, PNG files, and the pages of a PDF print job.
#include "platform/draw/cairo_dc.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>
#include <string>

#include "platform/draw/pdf_print.h"
#include "platform/draw/render.h"
#include "platform/ui/print.h"
#include "tests/platform/platform_test_support.h"

namespace platform::draw {
namespace {

using namespace platform::ui;

bool IsDark(Colour c) {
    return c.r < 100 && c.g < 100 && c.b < 100;
}

TEST(CairoDC, FillsAndOutlinesOnWholePixels) {
    const Bitmap b = RenderBitmap({40, 30}, [](DC& dc) {
        dc.SelectPen({PenStyle::Solid, 0, kBlack});
        dc.SelectBrush({BrushStyle::Solid, Rgb(255, 0, 0)});
        dc.Rectangle({10, 5, 30, 25});
    });
    ASSERT_TRUE(b.HasPixels());
    EXPECT_EQ(b.At(0, 0), kWhite) << "outside";
    EXPECT_EQ(b.At(10, 15), kBlack) << "the left edge is the first pixel inside";
    EXPECT_EQ(b.At(29, 15), kBlack) << "the right edge is the last pixel inside";
    EXPECT_EQ(b.At(30, 15), kWhite) << "the right coordinate lies outside";
    EXPECT_EQ(b.At(20, 15), Rgb(255, 0, 0)) << "filled with the brush";
}

// A picture drawn on a pixel grid rendered four times as large: each grid pixel becomes a 4 x 4
// block, outline and fill alike (the desktop icons render the 32-pixel program icon this way).
TEST(CairoDC, AScaledPictureGrowsEveryPixelOfItsGrid) {
    const Bitmap b = RenderScaledBitmap({40, 30}, 4.0, [](DC& dc) {
        dc.SelectPen({PenStyle::Solid, 0, kBlack});
        dc.SelectBrush({BrushStyle::Solid, Rgb(255, 0, 0)});
        dc.Rectangle({10, 5, 30, 25});
    });
    ASSERT_EQ(b.width, 160);
    ASSERT_EQ(b.height, 120);
    EXPECT_EQ(b.At(39, 60), kWhite) << "left of grid pixel 10";
    EXPECT_EQ(b.At(40, 60), kBlack) << "grid pixel 10, the outline";
    EXPECT_EQ(b.At(43, 60), kBlack) << "the outline is one grid pixel wide";
    EXPECT_EQ(b.At(44, 60), Rgb(255, 0, 0)) << "filled with the brush";
    EXPECT_EQ(b.At(119, 60), kBlack) << "grid pixel 29, the right edge";
    EXPECT_EQ(b.At(120, 60), kWhite) << "grid pixel 30 lies outside";
}

TEST(CairoDC, LoEnglishDrawsWithYUpFromTheOrigin) {
    // 100 pixels per inch: logical (20, -10) is pixel (20, 10).
    const Bitmap b = RenderBitmap(
        {60, 60},
        [](DC& dc) {
            dc.SetMapMode(MapMode::LoEnglish);
            dc.FillSolidRect({20, -10, 40, -30}, Rgb(0, 0, 255));
        },
        100.0);
    EXPECT_EQ(b.At(25, 15), Rgb(0, 0, 255));
    EXPECT_EQ(b.At(25, 5), kWhite);
    EXPECT_EQ(b.At(25, 35), kWhite);
}

TEST(CairoDC, ClipKeepsDrawingInside) {
    const Bitmap b = RenderBitmap({50, 50}, [](DC& dc) {
        dc.IntersectClipRect({10, 10, 20, 20});
        dc.FillSolidRect({0, 0, 50, 50}, kBlack);
        dc.RemoveClip();
        dc.FillSolidRect({40, 40, 50, 50}, kBlack);
    });
    EXPECT_EQ(b.At(15, 15), kBlack);
    EXPECT_EQ(b.At(25, 25), kWhite) << "clipped away";
    EXPECT_EQ(b.At(45, 45), kBlack) << "drawn after the clip was removed";
}

TEST(CairoDC, EvenOddPolygonsLeaveTheirHoles) {
    // A square with a square inside, as one contour crossing itself: the inner part is a hole.
    const Bitmap b = RenderBitmap({40, 40}, [](DC& dc) {
        dc.SelectPen({PenStyle::Null, 0, kBlack});
        dc.SelectBrush({BrushStyle::Solid, kBlack});
        dc.Polygon({{0, 0},
                    {40, 0},
                    {40, 40},
                    {0, 40},
                    {0, 0},
                    {10, 10},
                    {30, 10},
                    {30, 30},
                    {10, 30},
                    {10, 10}});
    });
    EXPECT_EQ(b.At(5, 5), kBlack);
    EXPECT_EQ(b.At(20, 20), kWhite);
}

TEST(CairoDC, DrawsTextInTheLiberationFaces) {
    const Bitmap b = RenderBitmap({120, 40}, [](DC& dc) {
        dc.SelectFont({"Arial", -24, kFontWeightBold});
        dc.TextOut({4, 4}, "Kordel");
    });
    int dark = 0;
    for (int y = 0; y < b.height; ++y)
        for (int x = 0; x < b.width; ++x) dark += IsDark(b.At(x, y)) ? 1 : 0;
    EXPECT_GT(dark, 100) << "the text left its ink";
    EXPECT_FALSE(IsDark(b.At(118, 38))) << "and nothing past its end";
}

/// The smallest box around the pixels `is` picks, as left, top, right, bottom (inclusive);
/// left > right when there are none.
template <class Pick>
Rect BoxOf(const Bitmap& b, Pick is) {
    Rect box{b.width, b.height, -1, -1};
    for (int y = 0; y < b.height; ++y) {
        for (int x = 0; x < b.width; ++x) {
            if (!is(b.At(x, y))) continue;
            box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x),
                   std::max(box.bottom, y)};
        }
    }
    return box;
}

TEST(CairoDC, TurnedTextRunsUpOrDownFromItsReferencePoint) {
    // "Strands" at 20 pixels, top left at (60, 100), on an opaque yellow cell. Reading down
    // (-900) the letters' tops face right, so ink and cell lie left of x = 60 and below y = 100;
    // reading up (900) they lie right of it and above. Either way the word is taller than wide.
    const Colour yellow = Rgb(255, 255, 0);
    struct Case {
        const char* what;
        int escapement;
        bool leftOfPoint;
        bool belowPoint;
    };
    for (const Case& c : {Case{"down", -900, true, true}, Case{"up", 900, false, false}}) {
        SCOPED_TRACE(c.what);
        const Bitmap b = RenderBitmap({120, 200}, [&](DC& dc) {
            Font font{"Arial", -20, kFontWeightBold};
            font.escapement = c.escapement;
            dc.SelectFont(font);
            dc.SetBkMode(BkMode::Opaque);
            dc.SetBkColour(yellow);
            dc.SetTextAlign(kAlignLeft | kAlignTop);
            dc.TextOut({60, 100}, "Strands");
        });
        const Rect ink = BoxOf(b, IsDark);
        const Rect cell = BoxOf(b, [&](Colour p) { return p == yellow; });
        ASSERT_LE(ink.left, ink.right) << "the text left no ink";
        ASSERT_LE(cell.left, cell.right) << "the cell was not filled";
        const int inkWide = ink.right - ink.left + 1;
        const int inkHigh = ink.bottom - ink.top + 1;
        EXPECT_GT(inkHigh, 2 * inkWide) << "ink " << inkWide << " wide, " << inkHigh << " high";
        // The cell is the font's height across (about 22 pixels) and the word's length along.
        EXPECT_NEAR(cell.right - cell.left + 1, 22, 2);
        EXPECT_GT(cell.bottom - cell.top + 1, inkHigh);
        for (const Rect& box : {ink, cell}) {
            if (c.leftOfPoint) {
                EXPECT_LE(box.right, 60);
                EXPECT_GE(box.left, 60 - 23);
            } else {
                EXPECT_GE(box.left, 59);
                EXPECT_LE(box.right, 60 + 23);
            }
            if (c.belowPoint) {
                EXPECT_GE(box.top, 99);
            } else {
                EXPECT_LE(box.bottom, 100);
            }
        }
    }
}

TEST(CairoDC, MonospacedFacesHaveOnePitch) {
    RenderBitmap({10, 10}, [](DC& dc) {
        dc.SelectFont({"Lucida Console", -14});
        EXPECT_EQ(dc.GetTextExtent("iiiiiiiiii").cx, dc.GetTextExtent("WWWWWWWWWW").cx);
        dc.SelectFont({"Arial", -14});
        EXPECT_LT(dc.GetTextExtent("iiiiiiiiii").cx, dc.GetTextExtent("WWWWWWWWWW").cx);
    });
}

TEST(CairoDC, TextLaysOutAlikeOnScreenAndOnPaper) {
    // With metric hinting off a line's width in logical units does not depend on the device.
    const std::string line = "Kordel - Prestressed concrete bridge beam design, version 4.62";
    int screen = 0;
    int paper = 0;
    RenderBitmap(
        {10, 10},
        [&](DC& dc) {
            dc.SetMapMode(MapMode::LoEnglish);
            dc.SelectFont({"Arial", -14});
            screen = dc.GetTextExtent(line).cx;
        },
        96.0);
    PdfPrintSurface pdf("/dev/null");
    pdf.AttributeDC().SetMapMode(MapMode::LoEnglish);
    pdf.AttributeDC().SelectFont({"Arial", -14});
    paper = pdf.AttributeDC().GetTextExtent(line).cx;
    EXPECT_GT(screen, 300) << "a line of some 60 characters";
    EXPECT_NEAR(screen, paper, 1) << "screen " << screen << " against paper " << paper;
}

TEST(CairoDC, WritesPngFiles) {
    platform_test::TempFolder folder;
    const Bitmap b = RenderBitmap({8, 8}, [](DC& dc) { dc.FillSolidRect({0, 0, 4, 4}, kBlack); });
    ASSERT_TRUE(WritePng(b, folder / "picture.png"));
    std::ifstream in(folder / "picture.png", std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    ASSERT_GT(bytes.size(), 8u);
    EXPECT_EQ(bytes.substr(1, 3), "PNG");
    EXPECT_FALSE(WritePng(Bitmap{}, folder / "empty.png"));
    EXPECT_FALSE(WritePng(b, folder / "no-such-folder/picture.png"));
}

/// Prints `pages` pages, each with its number, through the print loop.
class NumberedPages : public Printable {
  public:
    explicit NumberedPages(int pages) : m_pages(pages) {}
    bool OnPreparePrinting(PrintInfo& info) override {
        info.SetMaxPage(m_pages);
        return true;
    }
    void OnPrepareDC(DC& dc, PrintInfo*) override { dc.SetMapMode(MapMode::LoEnglish); }
    void OnPrint(DC& dc, PrintInfo& info) override {
        dc.SelectFont({"Arial", -14});
        dc.TextOut({0, 0}, "Kordel p. " + std::to_string(info.curPage));
        dc.Rectangle({1, -1, 735, -1015});
    }

  private:
    int m_pages;
};

int CountPages(const std::string& pdf) {
    int count = 0;
    for (size_t at = pdf.find("/Type /Page"); at != std::string::npos;
         at = pdf.find("/Type /Page", at + 1)) {
        if (pdf.compare(at, 12, "/Type /Pages") != 0) ++count;
    }
    return count;
}

TEST(PdfPrintSurface, PrintsTheChosenPagesIntoOnePdf) {
    platform_test::TempFolder folder;
    const std::string path = folder / "results.pdf";
    NumberedPages doc(10);
    PrintInfo info;
    ASSERT_TRUE(doc.OnPreparePrinting(info));
    info.fromPage = 2;
    info.toPage = 3;
    PdfPrintSurface surface(path);
    // Letter paper less a quarter inch each side, at 600 dots per inch.
    EXPECT_EQ(surface.PrintableArea(), (Rect{0, 0, 4800, 6300}));
    EXPECT_EQ(RunPrintLoop(doc, surface, info), 2);

    std::ifstream in(path, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(bytes.substr(0, 5), "%PDF-");
    EXPECT_EQ(CountPages(bytes), 2);
}

TEST(PdfPrintSurface, AFileThatCannotBeWrittenFailsTheJob) {
    NumberedPages doc(1);
    PrintInfo info;
    doc.OnPreparePrinting(info);
    PdfPrintSurface surface("/no-such-folder/results.pdf");
    EXPECT_EQ(RunPrintLoop(doc, surface, info), -1);
}

}  // namespace
}  // namespace platform::draw
