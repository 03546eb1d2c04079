#include "controls/image_button.h"

#include <algorithm>
#include <cstdint>

#include "platform/ui/system_look.h"

namespace kordel {

using platform::ui::Bitmap;
using platform::ui::BkMode;
using platform::ui::Colour;
using platform::ui::DC;
using platform::ui::MouseAction;
using platform::ui::Pen;
using platform::ui::PenStyle;
using platform::ui::Rect;
using platform::ui::Size;
using platform::ui::SysColour;

namespace {

/// Space between the client edge and the picture or caption, and between them, pixels.
constexpr int kGap = 6;
/// Space between the client edge and the focus rectangle, pixels.
constexpr int kFocusGap = 4;

constexpr std::uint32_t kOpaque = 0xFF000000u;

std::uint32_t Word(Colour c) {
    return kOpaque | (static_cast<std::uint32_t>(c.r) << 16) |
           (static_cast<std::uint32_t>(c.g) << 8) | c.b;
}

Rect Deflated(const Rect& r, int by) {
    return {r.left + by, r.top + by, r.right - by, r.bottom - by};
}

Rect Offset(const Rect& r, int by) {
    return {r.left + by, r.top + by, r.right + by, r.bottom + by};
}

/// A one-pixel frame just inside `r` (right and bottom exclusive).
void Frame(DC& dc, const Rect& r, const Pen& pen) {
    const Pen oldPen = dc.SelectPen(pen);
    const platform::ui::Brush oldBrush = dc.SelectBrush({platform::ui::BrushStyle::Null});
    dc.Rectangle(r);
    dc.SelectBrush(oldBrush);
    dc.SelectPen(oldPen);
}

/// The two-pixel raised edge of a push button just inside `r`: lit above and left, dark
/// below and right.
void DrawRaisedEdge(DC& dc, const Rect& r, const platform::ui::SystemLook& look) {
    const auto edge = [&dc](const Rect& e, Colour lit, Colour dark) {
        dc.SelectPen({PenStyle::Solid, 0, lit});
        dc.MoveTo({e.left, e.bottom - 2});
        dc.LineTo({e.left, e.top});
        dc.LineTo({e.right - 1, e.top});
        dc.SelectPen({PenStyle::Solid, 0, dark});
        dc.MoveTo({e.left, e.bottom - 1});
        dc.LineTo({e.right - 1, e.bottom - 1});
        dc.LineTo({e.right - 1, e.top - 1});
    };
    const Pen oldPen = dc.GetPen();
    edge(r, look.Get(SysColour::ButtonHighlight), look.Get(SysColour::DarkShadow3D));
    edge(Deflated(r, 1), look.Get(SysColour::Light3D), look.Get(SysColour::ButtonShadow));
    dc.SelectPen(oldPen);
}

}  // namespace

CImageButton::CImageButton() : m_crText(platform::ui::CurrentLook().Get(SysColour::WindowText)) {}

CImageButton::~CImageButton() = default;

bool CImageButton::Create(platform::ui::ControlParent& parent, const Rect& rect,
                          std::string caption) {
    m_strCaption = std::move(caption);
    std::unique_ptr<platform::ui::ControlPeer> peer = parent.CreateControl(*this, rect);
    if (!peer) return false;
    Attach(std::move(peer));
    return true;
}

void CImageButton::Attach(std::unique_ptr<platform::ui::ControlPeer> peer) {
    m_peer = std::move(peer);
    if (m_peer) ComputeLayout(m_peer->ClientSize());
}

bool CImageButton::SetBitmap(const Bitmap& picture, Colour transparent) {
    m_bitmap = {};
    m_disabledBitmap = {};
    m_bLoaded = false;
    if (!picture.HasPixels()) return false;

    // The picture with its transparent colour cleared, and the disabled look: its darker
    // pixels as one grey shape over the same shape lit and moved one pixel down and right.
    const platform::ui::SystemLook look = platform::ui::CurrentLook();
    const int w = picture.width;
    const int h = picture.height;
    m_bitmap = picture;
    m_disabledBitmap = Bitmap{
        w + 1, h + 1, std::vector<std::uint32_t>(static_cast<std::size_t>(w + 1) * (h + 1), 0)};
    const auto dark = [&](int x, int y) {
        const Colour c = picture.At(x, y);
        return c != transparent && c.r * 30 + c.g * 59 + c.b * 11 < 192 * 100;
    };
    const std::uint32_t lit = Word(look.Get(SysColour::ButtonHighlight));
    const std::uint32_t grey = Word(look.Get(SysColour::ButtonShadow));
    const auto at = [w](int x, int y) { return static_cast<std::size_t>(y) * (w + 1) + x; };
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const Colour c = picture.At(x, y);
            m_bitmap.pixels[static_cast<std::size_t>(y) * w + x] = c == transparent ? 0 : Word(c);
            if (dark(x, y)) m_disabledBitmap.pixels[at(x + 1, y + 1)] = lit;
        }
    }
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            if (dark(x, y)) m_disabledBitmap.pixels[at(x, y)] = grey;
        }
    }
    m_bLoaded = true;
    if (m_peer) ComputeLayout(m_peer->ClientSize());
    Invalidate();
    return true;
}

bool CImageButton::SetAlignment(unsigned style) {
    m_nAlignment = style;
    return true;
}

void CImageButton::SetCaption(const std::string& caption) {
    m_strCaption = caption;
    Invalidate();
}

void CImageButton::Enable(bool enabled) {
    m_bEnabled = enabled;
    if (!enabled) m_bTracking = m_bPushed = false;
    Invalidate();
}

void CImageButton::ComputeLayout(Size client) {
    const int W = client.cx;
    const int H = client.cy;
    const int w = m_bitmap.width;
    const int h = m_bitmap.height;
    const unsigned style = m_nAlignment;
    m_rcText = m_rcFocus = {};

    Rect& image = m_rcImage;
    image = {kGap, kGap, kGap + w, kGap + h};
    if (style & kImageButtonRight) {
        image.left = W - w - kGap;
        image.right = image.left + w;
    }
    if (style & kImageButtonVCenter) {
        if (H - h > 0) {
            image.top = std::max((H - h) / 2, kFocusGap);
            image.bottom = image.top + h;
        }
    } else if (style & kImageButtonBottom) {
        image.top = std::max(H - h - kGap, kGap);
        image.bottom = image.top + h;
    }
    if ((style & kImageButtonHCenter) && W - w > 0) {
        image.left = std::max((W - w) / 2, kFocusGap);
        image.right = image.left + w;
    }
    if (!(style & kImageButtonCaption)) return;

    if (style & kImageButtonVCenter) {
        m_rcText.top = kGap;
        m_rcText.bottom = H - kGap;
        m_rcFocus.top = kFocusGap;
        m_rcFocus.bottom = H - kFocusGap;
    } else if (style & kImageButtonBottom) {
        m_rcText.top = kGap;
        m_rcText.bottom = image.top - kGap;
        m_rcFocus.top = kFocusGap;
        m_rcFocus.bottom = image.top - kFocusGap;
    } else {
        m_rcText.top = image.bottom + kGap;
        m_rcText.bottom = H - kGap;
        m_rcFocus.top = image.bottom + kFocusGap;
        m_rcFocus.bottom = H - kFocusGap;
    }
    if ((style & kImageButtonVCenter) && (style & kImageButtonRight)) {
        m_rcText.left = kGap;
        m_rcText.right = image.left - kGap;
        m_rcFocus.left = kFocusGap;
        m_rcFocus.right = image.left - kFocusGap;
    } else if (style & kImageButtonVCenter) {
        m_rcText.left = image.right + kGap;
        m_rcText.right = W - kGap;
        m_rcFocus.left = image.right + kFocusGap;
        m_rcFocus.right = W - kFocusGap;
    } else {
        m_rcText.left = kGap;
        m_rcText.right = W - kGap;
        m_rcFocus.left = kFocusGap;
        m_rcFocus.right = W - kFocusGap;
    }
}

void CImageButton::DrawItem(DC& dc, Size client, const ImageButtonState& state) const {
    const platform::ui::SystemLook look = platform::ui::CurrentLook();
    const int saved = dc.SaveDC();
    const Rect r{0, 0, client.cx, client.cy};
    dc.FillSolidRect(r, look.Get(SysColour::ButtonFace));

    const Rect r2 = state.focused ? Deflated(r, 1) : r;
    const Rect r3 = Deflated(r2, 3);
    if (!state.pushed) DrawRaisedEdge(dc, r2, look);
    if (!state.disabled) {
        const Pen black{PenStyle::Solid, 0, platform::ui::kBlack};
        if (state.focused) Frame(dc, r, black);
        if (state.pushed) Frame(dc, r2, black);
    }
    if (state.focused && !state.disabled) {  // a disabled button takes no keys
        Frame(dc, (m_nAlignment & kImageButtonLayoutFocus) ? m_rcFocus : r3,
              {PenStyle::Dot, 0, look.Get(SysColour::WindowText)});
    }

    if (m_bLoaded) {
        const int o = state.pushed ? 1 : 0;
        dc.DrawBitmap(state.disabled ? m_disabledBitmap : m_bitmap,
                      {m_rcImage.left + o, m_rcImage.top + o});
    }

    if ((m_nAlignment & kImageButtonCaption) && !m_strCaption.empty()) {
        dc.SelectFont(m_font ? *m_font : look.messageFont);
        dc.SetBkMode(BkMode::Transparent);
        const unsigned format =
            platform::ui::kDtCenter | platform::ui::kDtVCenter | platform::ui::kDtSingleLine;
        Rect text = state.pushed ? Offset(m_rcText, 1) : m_rcText;
        if (state.disabled) {
            // Embossed: the caption lit one pixel down and right, then grey in its place.
            Rect lit = Offset(text, 1);
            dc.SetTextColour(look.Get(SysColour::ButtonHighlight));
            dc.DrawText(m_strCaption, lit, format);
            dc.SetTextColour(look.Get(SysColour::ButtonShadow));
        } else {
            dc.SetTextColour(m_crText);
        }
        dc.DrawText(m_strCaption, text, format);
    }
    dc.RestoreDC(saved);
}

void CImageButton::Paint(DC& dc) {
    if (!m_peer) return;
    ImageButtonState state;
    state.focused = m_peer->HasFocus();
    state.disabled = !m_bEnabled;
    state.pushed = m_bPushed;
    DrawItem(dc, m_peer->ClientSize(), state);
}

void CImageButton::OnSize(Size client) {
    ComputeLayout(client);
    Invalidate();
}

void CImageButton::OnMouse(const platform::ui::MouseEvent& event) {
    if (!m_peer || !m_bEnabled) return;
    const Size client = m_peer->ClientSize();
    const bool over = event.point.x >= 0 && event.point.y >= 0 && event.point.x < client.cx &&
                      event.point.y < client.cy;
    switch (event.action) {
        case MouseAction::LeftDown:
        case MouseAction::LeftDoubleClick:
            m_peer->SetFocus();
            m_peer->CaptureMouse();
            m_bTracking = true;
            m_bPushed = true;
            Invalidate();
            break;
        case MouseAction::Move:
            if (m_bTracking && over != m_bPushed) {
                m_bPushed = over;
                Invalidate();
            }
            break;
        case MouseAction::LeftUp:
            if (!m_bTracking) break;
            m_bTracking = false;
            m_bPushed = false;
            if (m_peer->HasCapture()) m_peer->ReleaseMouse();
            Invalidate();
            if (over) Click();
            break;
        default:
            break;
    }
}

void CImageButton::OnKeyDown(int key, unsigned /*modifiers*/) {
    if (m_bEnabled && key == ' ') Click();
}

void CImageButton::OnSetFocus() {
    Invalidate();
}

void CImageButton::OnKillFocus() {
    Invalidate();
}

void CImageButton::OnCaptureLost() {
    m_bTracking = m_bPushed = false;
    Invalidate();
}

void CImageButton::Invalidate() {
    if (m_peer) m_peer->Invalidate();
}

void CImageButton::Click() {
    if (OnClick) OnClick();
}

}  // namespace kordel
