// An off-screen 3D view: Mesa's OSMesa renders into a buffer in memory, with no display. Tests
// draw the model with it and read the picture back.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/gl/gl_renderer.h"
#include "platform/ui/bitmap.h"

namespace platform::gl {

class OsMesaRenderer : public GlModelRenderer {
public:
    /// A buffer of `width` x `height` pixels; Resize to another size reallocates it.
    OsMesaRenderer(int width, int height);
    ~OsMesaRenderer() override;

    std::string CreateContext() override;
    void Resize(int width, int height) override;
    /// The last frame drawn, top row first.
    ui::Bitmap Picture();

protected:
    bool MakeCurrent() override;
    void ShowFrame() override {}

private:
    void* m_context = nullptr;  ///< the OSMesaContext
    int m_width;
    int m_height;
    std::vector<std::uint8_t> m_buffer;  ///< RGBA, bottom row first
};

}  // namespace platform::gl
