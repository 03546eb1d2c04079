// "3D Rendering" from the Results menu, drawn off screen: the box beam of example 2 solid and in
// wireframe with and without its void, the arcball drag, the Ctrl-drag pan, the zoom slider and
// Reset View as a person at the mouse would use them, and a canvas without OpenGL that says so
// once and closes the dialog.
#include "dialogs/results/rendering_3d_dlg.h"

#include <gtest/gtest.h>

#include "platform/gl/osmesa_renderer.h"
#include "tests/app/desktop_test_support.h"
#include "tests/platform/gl/gl_test_support.h"

namespace kordel::test {
namespace {

using platform::gl::OsMesaRenderer;
using platform::gl::test::Drawn;
using platform::gl::test::SavePicture;
using platform::ui::Bitmap;
using platform::ui::DialogDriver;
using platform::ui::MouseAction;
using platform::ui::kMouseCtrl;
using platform::ui::kMouseLeft;
using platform::ui::kMouseShift;

class Rendering3DTest : public DesktopTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(Start());
        toolkit.SetGlRendererFactory([this](platform::ui::Size size) {
            auto renderer = std::make_unique<OsMesaRenderer>(size.cx, size.cy);
            m_renderer = renderer.get();
            return renderer;
        });
    }
    /// Results/3D Rendering with `script`.
    void Rendering3D(std::function<void(DialogDriver&)> script) {
        toolkit.QueueDialog(std::move(script));
        ASSERT_TRUE(Choose(ID_RESULTS_3D_RENDERING));
    }
    /// The canvas painted, and what it shows.
    Bitmap Paint(DialogDriver& d) {
        EXPECT_TRUE(d.PaintGl(IDC_3D_CANVAS));
        return m_renderer ? m_renderer->Picture() : Bitmap{};
    }
    static void Drag(DialogDriver& d, platform::ui::Point from, platform::ui::Point to,
                     unsigned keys) {
        d.MouseGl(IDC_3D_CANVAS, MouseAction::LeftDown, from, keys);
        d.MouseGl(IDC_3D_CANVAS, MouseAction::Move, {(from.x + to.x) / 2, (from.y + to.y) / 2},
                  keys);
        d.MouseGl(IDC_3D_CANVAS, MouseAction::Move, to, keys);
        d.MouseGl(IDC_3D_CANVAS, MouseAction::LeftUp, to, keys & ~unsigned(kMouseLeft));
    }
    OsMesaRenderer* m_renderer = nullptr;
};

TEST_F(Rendering3DTest, TheBoxBeamSolidAndInWireframeWithItsVoid) {
    NewDesign(IDC_SEED_ADJACENT_BOX);
    ASSERT_EQ(Doc()->m_nVoidPointCount, 9) << "example 2, the box beam";
    const bool modified = Doc()->IsModified();
    Rendering3D([&](DialogDriver& d) {
        EXPECT_EQ(d.Caption(), "3D Rendering");
        auto& dlg = static_cast<C3DViewDlg&>(d.Target());
        EXPECT_FALSE(dlg.m_model.voidQuads.empty());
        EXPECT_TRUE(d.IsChecked(IDC_3D_SOLID));
        EXPECT_TRUE(d.IsChecked(IDC_3D_VOID)) << "the model has a void";
        EXPECT_FALSE(d.IsEnabled(IDC_3D_VOID)) << "only the wireframe shows voids";
        EXPECT_EQ(d.SpinPos(IDC_3D_ZOOM), 25);

        const Bitmap solid = Paint(d);
        SavePicture(solid, "3d-example2-solid.png");
        const auto s = Drawn(solid);
        EXPECT_GT(s.count, solid.width * 10) << "the girder's side";

        d.Click(IDC_3D_WIREFRAME);
        EXPECT_TRUE(d.IsEnabled(IDC_3D_VOID));
        const Bitmap withVoid = Paint(d);
        SavePicture(withVoid, "3d-example2-wireframe.png");
        d.Click(IDC_3D_VOID);
        EXPECT_FALSE(dlg.View()->m_bShowVoids);
        const Bitmap lines = Paint(d);
        EXPECT_LT(Drawn(lines).count, Drawn(withVoid).count) << "the void's faces are gone";
        EXPECT_LT(Drawn(lines).count, s.count) << "lines only";

        d.Click(IDC_3D_SOLID);
        EXPECT_FALSE(d.IsEnabled(IDC_3D_VOID));
        EXPECT_EQ(Paint(d).pixels, solid.pixels) << "the same view, solid again";
        d.Ok();
    });
    EXPECT_EQ(Doc()->IsModified(), modified) << "nothing of the design changed";
    EXPECT_EQ(Doc()->m_model3D.voidQuads.size(), 20u) << "8 walls and 6 triangles at each end";
}

TEST_F(Rendering3DTest, DragsRotateCtrlDragsPanAndOtherDragsDoNothing) {
    NewDesign();
    Rendering3D([&](DialogDriver& d) {
        auto& dlg = static_cast<C3DViewDlg&>(d.Target());
        const Bitmap start = Paint(d);
        const platform::ui::Point centre{start.width / 2, start.height / 2};

        // Ctrl+Shift and the left button: neither pan nor turn.
        Drag(d, centre, {centre.x + 50, centre.y}, kMouseLeft | kMouseCtrl | kMouseShift);
        EXPECT_EQ(Paint(d).pixels, start.pixels);

        // Ctrl and the left button: 0.2 ft per pixel, the model unturned.
        Drag(d, centre, {centre.x + 50, centre.y - 20}, kMouseLeft | kMouseCtrl);
        EXPECT_DOUBLE_EQ(dlg.m_dPanTotalX, 10.0);
        EXPECT_DOUBLE_EQ(dlg.m_dPanTotalY, 4.0);
        EXPECT_EQ(d.Text(IDC_3D_PAN_X), "10");
        EXPECT_EQ(d.Text(IDC_3D_PAN_Y), "4");
        EXPECT_EQ(dlg.View()->m_afTransform[0], 1.0f) << "not turned";
        const auto panned = Drawn(Paint(d));
        EXPECT_GT(panned.left, Drawn(start).left);
        // A second pan goes on from the first.
        Drag(d, centre, {centre.x - 25, centre.y}, kMouseLeft | kMouseCtrl);
        EXPECT_DOUBLE_EQ(dlg.m_dPanTotalX, 5.0);

        // The left button alone turns the model.
        Drag(d, centre, {centre.x + 60, centre.y}, kMouseLeft);
        EXPECT_LT(dlg.View()->m_afTransform[0], 0.999f);
        EXPECT_FALSE(dlg.View()->m_bDragging) << "the drag ended with the button";

        // Reset View: the first picture again.
        d.Click(IDC_3D_RESET_VIEW);
        EXPECT_EQ(Paint(d).pixels, start.pixels);
        d.Cancel();
    });
}

TEST_F(Rendering3DTest, TheSliderZooms) {
    NewDesign();
    Rendering3D([&](DialogDriver& d) {
        auto& dlg = static_cast<C3DViewDlg&>(d.Target());
        const auto start = Drawn(Paint(d));
        EXPECT_TRUE(d.Slide(IDC_3D_ZOOM, 50));
        EXPECT_DOUBLE_EQ(dlg.m_dZoomDistance, -212.0) << "twice the first distance";
        const auto out = Drawn(Paint(d));
        EXPECT_NEAR(out.right - out.left, (start.right - start.left) / 2.0, 3);
        EXPECT_TRUE(d.Slide(IDC_3D_ZOOM, 500));
        EXPECT_EQ(d.SpinPos(IDC_3D_ZOOM), 100) << "kept within the range";
        EXPECT_DOUBLE_EQ(dlg.m_dZoomDistance, -424.0);
        d.Click(IDC_3D_RESET_VIEW);
        EXPECT_EQ(d.SpinPos(IDC_3D_ZOOM), 25);
        d.Ok();
    });
}

TEST_F(Rendering3DTest, AGirderWithoutVoidsHasNoVoidToShow) {
    NewDesign();
    Rendering3D([&](DialogDriver& d) {
        auto& dlg = static_cast<C3DViewDlg&>(d.Target());
        EXPECT_TRUE(dlg.m_model.voidQuads.empty());
        EXPECT_TRUE(dlg.m_model.cylinders.empty());
        EXPECT_FALSE(d.IsChecked(IDC_3D_VOID));
        d.Click(IDC_3D_WIREFRAME);
        EXPECT_FALSE(d.IsEnabled(IDC_3D_VOID));
        d.Ok();
    });
}

TEST_F(Rendering3DTest, WithoutOpenGlTheDialogSaysSoOnceAndCloses) {
    toolkit.SetGlRendererFactory(nullptr);
    NewDesign();
    bool ended = false;
    Rendering3D([&](DialogDriver& d) {
        EXPECT_TRUE(d.PaintGl(IDC_3D_CANVAS));
        ended = d.Ended();
        EXPECT_EQ(d.Result(), platform::ui::kIdCancel);
        EXPECT_FALSE(d.PaintGl(IDC_3D_CANVAS)) << "nothing more to paint";
    });
    EXPECT_TRUE(ended);
    EXPECT_EQ(Messages(), std::vector<std::string>{"SetPixelformat Failed!"});
}

}  // namespace
}  // namespace kordel::test
