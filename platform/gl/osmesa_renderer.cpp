#include "platform/gl/osmesa_renderer.h"

#include <GL/osmesa.h>

#include <algorithm>

namespace platform::gl {

OsMesaRenderer::OsMesaRenderer(int width, int height)
    : m_width(std::max(width, 1)), m_height(std::max(height, 1)),
      m_buffer(static_cast<std::size_t>(m_width) * m_height * 4) {}

OsMesaRenderer::~OsMesaRenderer() {
    if (!m_context) return;
    ReleaseGl();
    OSMesaDestroyContext(static_cast<OSMesaContext>(m_context));
}

std::string OsMesaRenderer::CreateContext() {
    if (m_context) return {};
    // RGBA with a 24-bit depth buffer and a stencil buffer.
    m_context = OSMesaCreateContextExt(OSMESA_RGBA, 24, 8, 0, nullptr);
    if (!m_context) return ui::kGlNoPixelFormat;
    if (!MakeCurrent()) {
        OSMesaDestroyContext(static_cast<OSMesaContext>(m_context));
        m_context = nullptr;
        return ui::kGlCannotSetPixelFormat;
    }
    return {};
}

bool OsMesaRenderer::MakeCurrent() {
    return m_context && OSMesaMakeCurrent(static_cast<OSMesaContext>(m_context), m_buffer.data(),
                                          GL_UNSIGNED_BYTE, m_width, m_height);
}

void OsMesaRenderer::Resize(int width, int height) {
    width = std::max(width, 1);
    height = std::max(height, 1);
    if (width != m_width || height != m_height) {
        m_width = width;
        m_height = height;
        m_buffer.assign(static_cast<std::size_t>(m_width) * m_height * 4, 0);
    }
    GlModelRenderer::Resize(width, height);
}

ui::Bitmap OsMesaRenderer::Picture() {
    if (MakeCurrent()) glFinish();
    ui::Bitmap picture;
    picture.width = m_width;
    picture.height = m_height;
    picture.pixels.resize(static_cast<std::size_t>(m_width) * m_height);
    for (int y = 0; y < m_height; ++y) {
        const std::uint8_t* row = &m_buffer[static_cast<std::size_t>(m_height - 1 - y) * m_width * 4];
        for (int x = 0; x < m_width; ++x) {
            const std::uint8_t* p = row + 4 * x;
            picture.pixels[static_cast<std::size_t>(y) * m_width + x] =
                0xFF000000u | (std::uint32_t(p[0]) << 16) | (std::uint32_t(p[1]) << 8) | p[2];
        }
    }
    return picture;
}

}  // namespace platform::gl
