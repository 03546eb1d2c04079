// The OpenGL view of the 3D girder model: the model's lists, the render mode, the camera
// (translation and a rotation about an axis) and the arcball rotation of the model. The view
// keeps the state and works the arcball; a GlRenderer of the window backend (or an off-screen
// one in tests) owns the rendering context and makes the OpenGL calls. No GL header here.
#pragma once

#include <memory>
#include <string>

#include "platform/model_3d.h"
#include "platform/ui/arcball.h"
#include "platform/ui/control_window.h"
#include "platform/ui/geometry.h"

namespace platform::ui {

/// Render modes of the 3D view.
inline constexpr int kRenderSolid = 1;      ///< the girder's faces, lit
inline constexpr int kRenderWireframe = 2;  ///< edges, strand lines and, on request, the voids

/// The messages of a view that cannot get a rendering context.
inline constexpr const char* kGlNoContext = "SetPixelformat Failed!";
inline constexpr const char* kGlNoPixelFormat = "ChoosePixelFormat failed";
inline constexpr const char* kGlCannotSetPixelFormat = "SetPixelFormat failed";

/// Where the camera stands and how the model is turned, as a frame is drawn: translate by
/// `translation`, rotate by `angle` degrees about `axis`, then multiply by `transform`
/// (column-major 4 x 4).
struct GlCamera {
    float translation[3] = {};
    float angle = 0;
    float axis[3] = {0, 1, 0};
    float transform[16] = {};
};

/// The OpenGL side of a 3D view: one rendering context, two quadrics and one display list, all
/// made once and released with the renderer.
class GlRenderer {
public:
    virtual ~GlRenderer() = default;
    /// Makes the rendering context and makes it current. Empty on success, otherwise the
    /// message that says what failed (kGlNoPixelFormat, kGlCannotSetPixelFormat).
    virtual std::string CreateContext() = 0;
    /// The drawing surface is `width` x `height` pixels: the viewport and the perspective.
    virtual void Resize(int width, int height) = 0;
    /// The fixed state: clear colour, depth test, shading, material, light; the quadrics when
    /// they do not exist yet.
    virtual void InitGL() = 0;
    /// Compiles the display list of `model` in `mode`, replacing the one before.
    virtual void BuildDisplayList(const Model3D& model, int mode, bool showVoids) = 0;
    /// Draws one frame and shows it.
    virtual void Render(const GlCamera& camera) = 0;
};

/// What an OpenGL canvas of a dialog reports to the program: that it must be drawn, and the
/// mouse over it (in the canvas's pixels).
class GlCanvasHandler {
public:
    virtual ~GlCanvasHandler() = default;
    virtual void OnGlPaint(Size client) = 0;
    virtual void OnGlMouse(const MouseEvent& event) = 0;
};

/// The window class text of a Custom dialog control that is an OpenGL canvas.
inline constexpr const char* kGlCanvasClass = "OpenGLCanvas";

class CGlView {
public:
    /// A view drawn by `renderer`; with none (a toolkit that has no OpenGL) CreateContext fails.
    explicit CGlView(std::unique_ptr<GlRenderer> renderer);
    ~CGlView();
    CGlView(const CGlView&) = delete;
    CGlView& operator=(const CGlView&) = delete;

    /// Makes the rendering context once: 0 when the view has one, -1 when it cannot get one.
    /// The first failure shows why ("Error" box); later calls fail quietly.
    int CreateContext();
    /// The view is `width` x `height` pixels (a height of 0 counts as 1).
    void Resize(int width, int height);
    /// The OpenGL state, then the display list of the present mode.
    void InitGL();
    void BuildDisplayList();
    /// Draws the model; nothing without a context.
    void Render();
    /// Store the camera's rotation (degrees about (x, y, z)) or position, and draw.
    void SetRotation(float angle, float x, float y, float z);
    void SetTranslation(float x, float y, float z);
    /// One step of the arcball: starts a drag when the button went down, turns the model while
    /// it is held, ends the drag when it is up.
    void DragRotate();
    /// The model unturned.
    void ResetTransform();

    bool HasContext() const { return m_bContext; }

    bool m_bRotating = false;  ///< the left button is down for a rotation
    bool m_bDragging = false;  ///< a rotation drag is under way
    float m_afMousePoint[2] = {};
    Model3D m_model;
    int m_nRenderMode = kRenderSolid;
    bool m_bShowVoids = false;
    float m_fRotationAngle = 0;
    float m_afRotationAxis[3] = {0, 1, 0};
    float m_afTranslation[3] = {0, 0, -30};
    float m_afTransform[16] = {};
    float m_afLastRotation[9] = {};
    float m_afThisRotation[9] = {};
    /// The arcball of this view, sized with it (640 x 480 until the first Resize).
    ArcBall m_arcBall{640, 480};

private:
    std::unique_ptr<GlRenderer> m_renderer;
    bool m_bContext = false;
    bool m_bFailed = false;
};

}  // namespace platform::ui
