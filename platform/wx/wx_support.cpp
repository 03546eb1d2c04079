#include "platform/wx/wx_support.h"

#include <cairo.h>

#include <vector>

#include "platform/draw/cairo_dc.h"
#include "platform/draw/render.h"
#include "platform/text_encoding.h"
#include "platform/ui/menu.h"

namespace platform::wx {

namespace {
wxWindow* g_mainWindow = nullptr;
ui::FramePeer* g_mainFramePeer = nullptr;
}  // namespace

wxString ToWx(const std::string& text) {
    return wxString::FromUTF8(platform::Cp1252ToUtf8(text).c_str());
}

std::string FromWx(const wxString& text) {
    return platform::Utf8ToCp1252(std::string(text.utf8_str()));
}

wxBitmap ToWxBitmap(const ui::Bitmap& bitmap) {
    if (!bitmap.HasPixels()) return wxBitmap();
    wxImage image(bitmap.width, bitmap.height);
    image.InitAlpha();
    unsigned char* rgb = image.GetData();
    unsigned char* alpha = image.GetAlpha();
    for (int i = 0; i < bitmap.width * bitmap.height; ++i) {
        const std::uint32_t v = bitmap.pixels[static_cast<size_t>(i)];
        const unsigned a = v >> 24;
        auto channel = [&](unsigned c) {
            return static_cast<unsigned char>(a ? (c * 255 + a / 2) / a : 0);
        };
        rgb[3 * i] = channel((v >> 16) & 0xFF);
        rgb[3 * i + 1] = channel((v >> 8) & 0xFF);
        rgb[3 * i + 2] = channel(v & 0xFF);
        alpha[i] = static_cast<unsigned char>(a);
    }
    return wxBitmap(image);
}

void PaintWindow(wxWindow* window, const std::function<void(ui::DC&)>& paint) {
    wxPaintDC pdc(window);
    const wxSize size = window->GetClientSize();
    const ui::Size client{size.x, size.y};
    auto* cr = static_cast<cairo_t*>(pdc.GetImpl() ? pdc.GetImpl()->GetCairoContext() : nullptr);
    if (cr) {
        draw::CairoDC dc(cr, draw::kScreenDpi, false, client);
        paint(dc);
        return;
    }
    // No cairo context from the toolkit: draw into a picture and copy it.
    pdc.DrawBitmap(ToWxBitmap(draw::RenderBitmap(client, paint)), 0, 0);
}

int ToKeyCode(const wxKeyEvent& event) {
    const int k = event.GetKeyCode();
    switch (k) {
        case WXK_BACK:
            return ui::kKeyBack;
        case WXK_TAB:
            return ui::kKeyTab;
        case WXK_RETURN:
            return ui::kKeyReturn;
        case WXK_ESCAPE:
            return ui::kKeyEscape;
        case WXK_PAGEUP:
            return ui::kKeyPageUp;
        case WXK_PAGEDOWN:
            return ui::kKeyPageDown;
        case WXK_END:
            return ui::kKeyEnd;
        case WXK_HOME:
            return ui::kKeyHome;
        case WXK_LEFT:
            return ui::kKeyLeft;
        case WXK_UP:
            return ui::kKeyUp;
        case WXK_RIGHT:
            return ui::kKeyRight;
        case WXK_DOWN:
            return ui::kKeyDown;
        case WXK_INSERT:
            return ui::kKeyInsert;
        case WXK_DELETE:
            return ui::kKeyDelete;
        default:
            break;
    }
    if (k >= WXK_F1 && k <= WXK_F24) return ui::kKeyF1 + (k - WXK_F1);
    if (k >= 'a' && k <= 'z') return k - 'a' + 'A';
    return k;
}

unsigned ToModifiers(const wxKeyEvent& event) {
    unsigned modifiers = ui::kModNone;
    if (event.ControlDown()) modifiers |= ui::kModCtrl;
    if (event.ShiftDown()) modifiers |= ui::kModShift;
    if (event.AltDown()) modifiers |= ui::kModAlt;
    return modifiers;
}

wxWindow* MainWindow() {
    return g_mainWindow;
}
void SetMainWindow(wxWindow* window) {
    g_mainWindow = window;
}
ui::FramePeer* MainFramePeer() {
    return g_mainFramePeer;
}
void SetMainFramePeer(ui::FramePeer* peer) {
    g_mainFramePeer = peer;
}

}  // namespace platform::wx
