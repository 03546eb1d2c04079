// The picture button: its layout in the two worked cases and at the edges, what it draws
// enabled, pushed, focused and disabled, and the clicks it reports.
#include "controls/image_button.h"

#include <gtest/gtest.h>

#include "tests/controls/grid_test_support.h"

namespace kordel::test {
namespace {

using platform::ui::Bitmap;
using platform::ui::HeadlessControl;
using platform::ui::MouseAction;
using platform::ui::RecordingDC;
using platform::ui::Rect;
using platform::ui::Rgb;
using platform::ui::Size;

/// A picture of `w` x `h` pixels: white (the transparent colour) with a blue square inside.
Bitmap Picture(int w, int h) {
    Bitmap b{w, h, std::vector<std::uint32_t>(static_cast<std::size_t>(w) * h, 0xFFFFFFFFu)};
    for (int y = h / 4; y < h - h / 4; ++y)
        for (int x = w / 4; x < w - w / 4; ++x)
            b.pixels[static_cast<std::size_t>(y) * w + x] = 0xFF0000C0u;
    return b;
}

std::string Str(const Rect& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + " " + std::to_string(r.right) +
           "," + std::to_string(r.bottom);
}

class ImageButtonTest : public GridTest {
  protected:
    HeadlessControl& Show(CImageButton& button, Size size) {
        auto peer =
            std::make_unique<HeadlessControl>(button, Rect{10, 20, 10 + size.cx, 20 + size.cy});
        HeadlessControl& window = *peer;
        button.Attach(std::move(peer));
        return window;
    }
};

TEST_F(ImageButtonTest, WorkedLayouts) {
    // The add-vehicles arrow: 62 x 25 centred both ways in 110 x 54, no caption.
    CImageButton arrow;
    Show(arrow, {110, 54});
    arrow.SetAlignment(kImageButtonVCenter | kImageButtonHCenter);
    ASSERT_TRUE(arrow.SetBitmap(Picture(62, 25), platform::ui::kWhite));
    EXPECT_EQ(Str(arrow.ImageRect()), "24,14 86,39");
    EXPECT_EQ(Str(arrow.TextRect()), "0,0 0,0");
    EXPECT_EQ(Str(arrow.FocusRect()), "0,0 0,0");

    // The default style: 16 x 16 at the left of 100 x 30, the caption to its right.
    CImageButton labelled;
    Show(labelled, {100, 30});
    ASSERT_TRUE(labelled.SetBitmap(Picture(16, 16), platform::ui::kWhite));
    EXPECT_EQ(Str(labelled.ImageRect()), "6,7 22,23");
    EXPECT_EQ(Str(labelled.TextRect()), "28,6 94,24");
    EXPECT_EQ(Str(labelled.FocusRect()), "26,4 96,26");
}

TEST_F(ImageButtonTest, LayoutAtTheEdges) {
    CImageButton button;
    // A picture taller than the button, centred vertically, keeps its top at 6.
    button.SetBitmap(Picture(16, 40), platform::ui::kWhite);
    button.ComputeLayout({100, 30});
    EXPECT_EQ(Str(button.ImageRect()), "6,6 22,46");
    // At the right with the caption to its left.
    button.SetAlignment(kImageButtonDefaultStyle | kImageButtonRight);
    button.SetBitmap(Picture(16, 16), platform::ui::kWhite);
    button.ComputeLayout({100, 30});
    EXPECT_EQ(Str(button.ImageRect()), "78,7 94,23");
    EXPECT_EQ(Str(button.TextRect()), "6,6 72,24");
    // At the bottom with the caption above; a button too short keeps the picture's top at 6.
    button.SetAlignment(kImageButtonCaption | kImageButtonBottom);
    button.ComputeLayout({100, 60});
    EXPECT_EQ(Str(button.ImageRect()), "6,38 22,54");
    EXPECT_EQ(Str(button.TextRect()), "6,6 94,32");
    button.ComputeLayout({100, 20});
    EXPECT_EQ(button.ImageRect().top, 6);
    // Caption below the picture when neither 0x04 nor 0x08 is set.
    button.SetAlignment(kImageButtonCaption | kImageButtonHCenter);
    button.ComputeLayout({100, 60});
    EXPECT_EQ(Str(button.ImageRect()), "42,6 58,22");
    EXPECT_EQ(Str(button.TextRect()), "6,28 94,54");
    EXPECT_EQ(Str(button.FocusRect()), "4,26 96,56");
}

TEST_F(ImageButtonTest, APictureThatCouldNotBeLoadedLeavesTheButtonWithout) {
    CImageButton button;
    ASSERT_TRUE(button.SetBitmap(Picture(16, 16), platform::ui::kWhite));
    EXPECT_FALSE(button.SetBitmap(Bitmap{}, platform::ui::kWhite));
    EXPECT_FALSE(button.HasPicture());
    HeadlessControl& window = Show(button, {100, 30});
    EXPECT_TRUE(window.PaintNow()->OpsOf(RecordingDC::OpKind::Bitmap).empty());
}

TEST_F(ImageButtonTest, DrawsItsLooks) {
    CImageButton button;
    HeadlessControl& window = Show(button, {100, 30});
    button.SetCaption("Add");
    ASSERT_TRUE(button.SetBitmap(Picture(16, 16), platform::ui::kWhite));

    // Enabled, not focused: the raised edge, the picture at its place, the caption in black.
    auto dc = window.PaintNow();
    EXPECT_TRUE(SummaryOf(*dc, "frame").empty());
    EXPECT_EQ(SummaryOf(*dc, "text"), (std::vector<std::string>{"text 'Add' 50.2,18.6 000000"}));
    auto pictures = dc->OpsOf(RecordingDC::OpKind::Bitmap);
    ASSERT_EQ(pictures.size(), 1u);
    EXPECT_EQ(pictures[0].points[0].x, 6);
    EXPECT_EQ(pictures[0].points[0].y, 7);

    // Focused and pushed: black frames on the button and one pixel in, a dotted focus
    // rectangle, the picture and the caption one pixel down and right.
    window.Mouse(MouseAction::LeftDown, {50, 15});
    EXPECT_TRUE(window.HasFocus());
    dc = window.PaintNow();
    EXPECT_EQ(SummaryOf(*dc, "frame"),
              (std::vector<std::string>{"frame 0,0,100,30 000000", "frame 1,1,99,29 000000",
                                        "frame 26,4,96,26 000000"}));
    pictures = dc->OpsOf(RecordingDC::OpKind::Bitmap);
    EXPECT_EQ(pictures[0].points[0].x, 7);
    EXPECT_EQ(SummaryOf(*dc, "text"), (std::vector<std::string>{"text 'Add' 51.2,19.6 000000"}));
    window.Mouse(MouseAction::LeftUp, {50, 15});

    // Disabled: no black frame nor focus rectangle, the caption embossed in white and grey, the
    // grey picture.
    button.Enable(false);
    dc = window.PaintNow();
    for (const std::string& frame : SummaryOf(*dc, "frame"))
        EXPECT_EQ(frame.find("000000"), std::string::npos) << frame;
    EXPECT_EQ(SummaryOf(*dc, "text"), (std::vector<std::string>{"text 'Add' 51.2,19.6 ffffff",
                                                                "text 'Add' 50.2,18.6 a0a0a0"}));
    pictures = dc->OpsOf(RecordingDC::OpKind::Bitmap);
    ASSERT_EQ(pictures.size(), 1u);
    EXPECT_EQ(pictures[0].points[1].x - pictures[0].points[0].x, 17);  // the embossed copy
}

TEST_F(ImageButtonTest, PicturesLeaveOutTheTransparentColourAndEmbossTheDarkShapeWhenDisabled) {
    /// A recording that keeps the last picture drawn.
    class PictureDC : public RecordingDC {
      public:
        Bitmap kept;

      protected:
        void DevBitmap(const Bitmap& b, platform::ui::PointD p) override {
            kept = b;
            RecordingDC::DevBitmap(b, p);
        }
    };
    CImageButton button;
    Bitmap picture = Picture(8, 8);   // white around a 4 x 4 blue square at (2, 2)
    picture.pixels[0] = 0xFFF0F0F0u;  // light, but not the transparent colour
    ASSERT_TRUE(button.SetBitmap(picture, platform::ui::kWhite));
    button.ComputeLayout({40, 30});

    PictureDC enabled;
    button.DrawItem(enabled, {40, 30}, {});
    EXPECT_EQ(enabled.kept.pixels[0], 0xFFF0F0F0u);
    EXPECT_EQ(enabled.kept.pixels[1], 0u);  // white: transparent
    EXPECT_EQ(enabled.kept.pixels[2 * 8 + 2], 0xFF0000C0u);

    PictureDC disabled;
    button.DrawItem(disabled, {40, 30}, {false, true, false});
    const Bitmap& d = disabled.kept;
    ASSERT_EQ(d.width, 9);
    EXPECT_EQ(d.At(2, 2), Rgb(160, 160, 160));  // the square in the shadow grey
    EXPECT_EQ(d.At(5, 5), Rgb(160, 160, 160));
    EXPECT_EQ(d.At(6, 6), platform::ui::kWhite);  // lit one pixel below and right
    EXPECT_EQ(d.pixels[0], 0u);                   // light pixels are left out
    EXPECT_EQ(d.pixels[1], 0u);
}

TEST_F(ImageButtonTest, ClicksOnlyWhenReleasedOverAnEnabledButton) {
    CImageButton button;
    HeadlessControl& window = Show(button, {100, 30});
    int clicks = 0;
    button.OnClick = [&clicks] { ++clicks; };
    window.Mouse(MouseAction::LeftDown, {10, 10});
    window.Mouse(MouseAction::LeftUp, {10, 10});
    EXPECT_EQ(clicks, 1);
    window.Mouse(MouseAction::LeftDown, {10, 10});
    window.Mouse(MouseAction::Move, {150, 10});  // dragged off: released elsewhere
    window.Mouse(MouseAction::LeftUp, {150, 10});
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(window.HasCapture());
    window.KeyDown(' ');
    EXPECT_EQ(clicks, 2);
    button.Enable(false);
    window.Mouse(MouseAction::LeftDown, {10, 10});
    window.Mouse(MouseAction::LeftUp, {10, 10});
    window.KeyDown(' ');
    EXPECT_EQ(clicks, 2);
}

}  // namespace
}  // namespace kordel::test
