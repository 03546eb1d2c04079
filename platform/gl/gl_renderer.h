// The OpenGL drawing of the 3D girder model, shared by the on-screen canvas and the off-screen
// context: fixed-function OpenGL 1.1 and GLU. A subclass supplies the rendering context.
#pragma once

#include <string>

#include "platform/ui/gl_view.h"

struct GLUquadric;

namespace platform::gl {

class GlModelRenderer : public ui::GlRenderer {
public:
    GlModelRenderer() = default;
    GlModelRenderer(const GlModelRenderer&) = delete;
    GlModelRenderer& operator=(const GlModelRenderer&) = delete;

    void Resize(int width, int height) override;
    void InitGL() override;
    void BuildDisplayList(const Model3D& model, int mode, bool showVoids) override;
    void Render(const ui::GlCamera& camera) override;

protected:
    /// Makes the context current for the calls that follow; false when it cannot.
    virtual bool MakeCurrent() = 0;
    /// Shows the frame just drawn (swaps the buffers of a double-buffered surface).
    virtual void ShowFrame() = 0;
    /// Deletes the quadrics, and the display list while the context can still be made
    /// current: a subclass calls this before it destroys its context.
    void ReleaseGl();

private:
    GLUquadric* m_pCylinderQuadric = nullptr;
    GLUquadric* m_pDiskQuadric = nullptr;
    unsigned m_nList = 0;  ///< the display list, 0 before the first
};

}  // namespace platform::gl
