// The 3D view drawn off screen with OSMesa: example 1 solid and wireframe where the perspective
// puts it, an empty model drawn as nothing, and the picture moved by rotation, pan, zoom and
// reset; a view with no OpenGL says so once. The pictures go to the artefacts folder as PNG.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <numbers>

#include "document/kordel_doc.h"
#include "document/main_frame_state.h"
#include "platform/gl/osmesa_renderer.h"
#include "platform/headless_host.h"
#include "platform/ui/gl_view.h"
#include "tests/platform/gl/gl_test_support.h"

namespace platform::gl {
namespace {

using ui::Bitmap;
using ui::CGlView;
using test::Box;
using test::Drawn;
using test::Lit;

constexpr int kWidth = 400;
constexpr int kHeight = 300;
constexpr float kDistance = 106.0f;  // ft, the camera's starting distance

/// The pixel column where the perspective (45 degrees of field upright) puts x ft across at a
/// depth of `depth` ft in front of the camera.
double Column(double x, double depth) {
    const double aspect = double(kWidth) / kHeight;
    const double t = std::tan(22.5 * std::numbers::pi / 180.0);
    return kWidth / 2.0 * (1.0 + x / (depth * t * aspect));
}
double Row(double y, double depth) {
    const double t = std::tan(22.5 * std::numbers::pi / 180.0);
    return kHeight / 2.0 * (1.0 - y / (depth * t));
}

class GlViewTest : public ::testing::Test {
protected:
    GlViewTest() : m_hostGuard(host), m_frameGuard(frame) {
        frame.m_nSeedChoice = kordel::SeedSimpleSpan;
        doc = kordel::CKordelDoc::CreateObject();
        EXPECT_TRUE(doc->OnNewDocument());
        doc->SetDefaultModelColors();
        doc->BuildModel3D();
    }

    /// A view of `model` with its context, sized and at the starting distance.
    std::unique_ptr<CGlView> View(const Model3D& model, int mode = ui::kRenderSolid) {
        auto renderer = std::make_unique<OsMesaRenderer>(kWidth, kHeight);
        m_renderer = renderer.get();
        auto view = std::make_unique<CGlView>(std::move(renderer));
        view->m_model = model;
        view->m_nRenderMode = mode;
        EXPECT_EQ(view->CreateContext(), 0);
        view->Resize(kWidth, kHeight);
        view->InitGL();
        view->SetTranslation(0, 0, -kDistance);
        return view;
    }
    Bitmap Picture() { return m_renderer->Picture(); }

    HeadlessHost host;
    kordel::CMainFrameState frame;
    std::unique_ptr<kordel::CKordelDoc> doc;

private:
    ScopedHost m_hostGuard;
    kordel::ScopedMainFrame m_frameGuard;
    OsMesaRenderer* m_renderer = nullptr;
};

TEST_F(GlViewTest, TheSolidGirderLiesWhereThePerspectivePutsIt) {
    auto view = View(doc->m_model3D);
    const Bitmap picture = Picture();
    test::SavePicture(picture, "gl-example1-solid.png");

    // Seen from the side: the girder's near face is half the top flange width nearer than the
    // model's centre, its far face as much farther.
    const double halfL = doc->m_dGirderLength / 2, halfH = doc->m_dSectionHeight / 24;  // ft
    const double halfWidth = 42.0 / 24;                                                 // ft
    const double nearDepth = double(kDistance) - halfWidth, farDepth = double(kDistance) + halfWidth;
    const Box box = Drawn(picture);
    ASSERT_FALSE(box.Empty());
    EXPECT_GE(box.left, Column(-halfL, nearDepth) - 2);
    EXPECT_LE(box.left, Column(-halfL, farDepth) + 2);
    EXPECT_LE(box.right, Column(halfL, nearDepth) + 2);
    EXPECT_GE(box.right, Column(halfL, farDepth) - 2);
    EXPECT_GE(box.top, Row(halfH, nearDepth) - 2);
    EXPECT_LE(box.top, Row(halfH, farDepth) + 2);
    EXPECT_LE(box.bottom, Row(-halfH, nearDepth) + 2);
    // The face is solid: every pixel inside the far outline is drawn (lit, not background).
    for (int x = int(Column(-halfL, farDepth)) + 2; x < int(Column(halfL, farDepth)) - 2; x += 7) {
        for (int y = int(Row(halfH, farDepth)) + 2; y < int(Row(-halfH, farDepth)) - 2; y += 3) {
            ASSERT_TRUE(Lit(picture, x, y)) << "at " << x << ", " << y;
        }
    }
    // Grey faces: red, green and blue alike.
    const ui::Colour centre = picture.At(kWidth / 2, kHeight / 2);
    EXPECT_EQ(centre.r, centre.b);
}

TEST_F(GlViewTest, TheWireframeShowsWhiteEdgesAndBlueStrands) {
    auto view = View(doc->m_model3D, ui::kRenderWireframe);
    const Bitmap picture = Picture();
    test::SavePicture(picture, "gl-example1-wireframe.png");
    int white = 0, blue = 0;
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            const ui::Colour c = picture.At(x, y);
            if (c == ui::Rgb(255, 255, 255)) ++white;
            if (c == ui::Rgb(0, 0, 255)) ++blue;
        }
    }
    EXPECT_GT(white, kWidth / 2) << "edge lines along the girder";
    EXPECT_GT(blue, kWidth / 4) << "strand lines";
    // Lines only: most of the girder's side stays background.
    const Box box = Drawn(picture);
    EXPECT_LT(box.count, (box.right - box.left + 1) * (box.bottom - box.top + 1) / 2);
}

TEST_F(GlViewTest, AnEmptyModelDrawsNothing) {
    for (int mode : {ui::kRenderSolid, ui::kRenderWireframe}) {
        auto view = View(Model3D{}, mode);
        EXPECT_TRUE(Drawn(Picture()).Empty()) << "mode " << mode;
    }
}

TEST_F(GlViewTest, RotationPanZoomAndResetMoveThePicture) {
    auto view = View(doc->m_model3D);
    const Bitmap start = Picture();
    const Box side = Drawn(start);

    // Turned a quarter about the vertical: the end face, as wide as the section.
    view->SetRotation(90, 0, 1, 0);
    const Box end = Drawn(Picture());
    EXPECT_LT(end.right - end.left, (side.right - side.left) / 4);
    EXPECT_NEAR((end.left + end.right) / 2.0, kWidth / 2.0, 3);
    view->SetRotation(0, 0, 1, 0);

    // Pan 10 ft up.
    view->SetTranslation(0, 10, -kDistance);
    const Box up = Drawn(Picture());
    const double rise = Row(10, kDistance) - kHeight / 2.0;  // negative: rows count down
    EXPECT_NEAR(up.top - side.top, rise, 2);
    EXPECT_NEAR(up.bottom - side.bottom, rise, 2);
    EXPECT_EQ(up.left, side.left);

    // Twice as far: half as wide; there, a pan of 20 ft to the right.
    view->SetTranslation(0, 0, -2 * kDistance);
    const Box far = Drawn(Picture());
    EXPECT_NEAR(far.right - far.left, (side.right - side.left) / 2.0, 3);
    view->SetTranslation(20, 0, -2 * kDistance);
    const Box right = Drawn(Picture());
    const double shift = Column(20, 2 * double(kDistance)) - kWidth / 2.0;
    EXPECT_NEAR(right.left - far.left, shift, 2);
    EXPECT_NEAR(right.right - far.right, shift, 2);
    view->SetTranslation(0, 0, -kDistance);

    // A drag from the centre to the right turns the girder about the vertical: its near end
    // swings towards the viewer, the picture changes; a second press starts from there.
    view->m_bRotating = true;
    view->m_afMousePoint[0] = kWidth / 2.0f, view->m_afMousePoint[1] = kHeight / 2.0f;
    view->DragRotate();
    EXPECT_TRUE(view->m_bDragging);
    view->m_afMousePoint[0] = kWidth / 2.0f + 60;
    view->DragRotate();
    view->Render();
    const Box turned = Drawn(Picture());
    EXPECT_NE(turned.left, side.left);
    EXPECT_GT(std::abs(view->m_afTransform[8]), 0.1f) << "x now has a part along z";
    EXPECT_NEAR(view->m_afTransform[0] * view->m_afTransform[0] +
                    view->m_afTransform[8] * view->m_afTransform[8],
                1.0f, 1e-4f)
        << "a rotation, unscaled";
    view->m_bRotating = false;
    view->DragRotate();
    EXPECT_FALSE(view->m_bDragging);

    view->ResetTransform();
    view->Render();
    EXPECT_EQ(Picture().pixels, start.pixels);
}

TEST_F(GlViewTest, ManyDragsKeepTheModelsSize) {
    // The rotation's scale is kept from step to step: a long drag neither shrinks nor grows
    // the girder.
    auto view = View(doc->m_model3D);
    view->m_bRotating = true;
    for (int step = 0; step <= 200; ++step) {
        view->m_afMousePoint[0] = kWidth / 2.0f + 0.2f * step;
        view->m_afMousePoint[1] = kHeight / 2.0f;
        view->DragRotate();
    }
    float sum = 0;
    for (int c = 0; c < 3; ++c) {
        for (int r = 0; r < 3; ++r) sum += view->m_afTransform[c * 4 + r] * view->m_afTransform[c * 4 + r];
    }
    EXPECT_NEAR(sum, 3.0f, 1e-3f) << "three unit columns";
}

TEST_F(GlViewTest, AViewWithoutOpenGlSaysSoOnce) {
    CGlView view(nullptr);
    EXPECT_EQ(view.CreateContext(), -1);
    EXPECT_EQ(view.CreateContext(), -1);
    view.Resize(kWidth, kHeight);
    view.InitGL();
    view.Render();
    ASSERT_EQ(host.Messages().size(), 1u);
    EXPECT_EQ(host.Messages()[0].text, "SetPixelformat Failed!");
    EXPECT_EQ(host.Messages()[0].caption, "Error");
}

}  // namespace
}  // namespace platform::gl
