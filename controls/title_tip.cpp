#include "controls/title_tip.h"

#include <chrono>

#include "platform/ui/system_look.h"

namespace kordel {

using platform::ui::Colour;
using platform::ui::DC;
using platform::ui::MouseAction;
using platform::ui::MouseEvent;
using platform::ui::Point;
using platform::ui::Rect;
using platform::ui::SysColour;

namespace {

long long SteadyMilliseconds() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

}  // namespace

CTitleTip::CTitleTip()
    : m_dwDoubleClickTime(platform::ui::CurrentLook().doubleClickMs), m_clock(SteadyMilliseconds) {}

CTitleTip::~CTitleTip() {
    DestroyWindow();
}

void CTitleTip::SetParent(platform::ui::ControlPeer* parent,
                          platform::ui::ControlHandler* handler) {
    if (parent != m_pTipParent) DestroyWindow();
    m_pTipParent = parent;
    m_pParentHandler = handler;
}

bool CTitleTip::Create() {
    if (m_bWindowMade) return true;
    if (!m_pTipParent) return false;
    m_peer = m_pTipParent->CreateFloat(*this);
    m_bWindowMade = m_peer != nullptr;
    return m_bWindowMade;
}

void CTitleTip::DestroyWindow() {
    if (m_peer) Hide();
    m_peer.reset();
    m_bWindowMade = false;
}

void CTitleTip::Show(Rect rectTitle, const std::string& text, int xoffset, const Rect* hoverRect,
                     const platform::ui::Font* font, GridColour textColour, GridColour backColour) {
    if (!Create()) return;
    if (rectTitle.IsEmpty() || m_peer->IsVisible()) return;

    // Where the pointer may move: the hover rectangle with its right and bottom pixel.
    const Rect hover = hoverRect ? *hoverRect : rectTitle;
    const Point hoverTopLeft = m_pTipParent->ClientToScreen({hover.left, hover.top});
    m_rcHover = {hoverTopLeft.x, hoverTopLeft.y, hoverTopLeft.x + hover.Width() + 1,
                 hoverTopLeft.y + hover.Height() + 1};

    if (!m_pTipParent->ApplicationHasFocus()) return;

    const Point titleTopLeft = m_pTipParent->ClientToScreen({rectTitle.left, rectTitle.top});
    const std::string padded = " " + text + " ";
    const platform::ui::SystemLook look = platform::ui::CurrentLook();
    const platform::ui::Font tipFont = font ? *font : look.messageFont;
    auto dc = m_pTipParent->CreateMeasureDC();
    if (!dc) return;
    dc->SelectFont(tipFont);
    const int w = dc->GetTextExtent(padded).cx;

    const int left = rectTitle.left + xoffset;
    const int right = left + w + xoffset;
    if (right <= rectTitle.right - xoffset) return;  // the padded text fits in the cell

    m_sText = padded;
    m_font = tipFont;
    m_crText = textColour.value_or(look.Get(SysColour::InfoText));
    m_crBack = backColour.value_or(look.Get(SysColour::InfoBackground));
    const int screenLeft = titleTopLeft.x + xoffset;
    m_peer->ShowAt({screenLeft, titleTopLeft.y, screenLeft + w + xoffset,
                    titleTopLeft.y + rectTitle.Height()});
    m_peer->Invalidate();
    m_peer->CaptureMouse();
}

void CTitleTip::Hide() {
    if (!m_peer) return;
    if (m_peer->HasCapture()) m_peer->ReleaseMouse();
    m_peer->Hide();
}

void CTitleTip::Paint(DC& dc) {
    const platform::ui::Size s = dc.DeviceSize();
    dc.FillSolidRect({0, 0, s.cx, s.cy}, m_crBack);
    dc.SelectPen({platform::ui::PenStyle::Solid, 0, m_crText});
    dc.SelectBrush({platform::ui::BrushStyle::Null, m_crBack});
    dc.Rectangle({0, 0, s.cx, s.cy});
    // The text sits where the cell's own text does: after a blank, centred in the height.
    dc.SelectFont(m_font);
    dc.SetTextColour(m_crText);
    dc.SetBkMode(platform::ui::BkMode::Transparent);
    Rect r{0, 0, s.cx, s.cy};
    dc.DrawText(m_sText, r,
                platform::ui::kDtLeft | platform::ui::kDtVCenter | platform::ui::kDtSingleLine |
                    platform::ui::kDtNoClip);
}

void CTitleTip::ForwardToParent(MouseAction action, Point screen, unsigned keys) {
    if (!m_pTipParent || !m_pParentHandler) return;
    const Point p = m_pTipParent->ScreenToClient(screen);
    const platform::ui::Size client = m_pTipParent->ClientSize();
    if (p.x < 0 || p.y < 0 || p.x >= client.cx || p.y >= client.cy) return;
    m_pParentHandler->OnMouse(MouseEvent{action, p, keys});
}

void CTitleTip::OnMouse(const MouseEvent& e) {
    if (!m_peer) return;
    const Rect r = m_peer->ScreenRect();
    const Point screen{r.left + e.point.x, r.top + e.point.y};
    switch (e.action) {
        case MouseAction::Move:
            if (m_rcHover.Contains(screen)) return;
            Hide();
            ForwardToParent(MouseAction::Move, screen, e.keys);
            return;
        case MouseAction::Leave:
            Hide();
            ForwardToParent(MouseAction::Move, screen, e.keys);
            return;
        case MouseAction::LeftDown:
        case MouseAction::LeftDoubleClick: {
            const long long now = m_clock();
            const bool doubleClick =
                m_dwLastButtonDown && now - *m_dwLastButtonDown <= m_dwDoubleClickTime;
            m_dwLastButtonDown = now;
            Hide();
            ForwardToParent(doubleClick ? MouseAction::LeftDoubleClick : MouseAction::LeftDown,
                            screen, e.keys);
            return;
        }
        case MouseAction::RightDown:
        case MouseAction::MiddleDown:
            Hide();
            ForwardToParent(e.action, screen, e.keys);
            return;
        default:
            return;
    }
}

void CTitleTip::OnKeyDown(int key, unsigned modifiers) {
    Hide();
    if (m_pParentHandler) m_pParentHandler->OnKeyDown(key, modifiers);
}

void CTitleTip::OnCaptureLost() {
    if (m_peer) m_peer->Hide();
}

}  // namespace kordel
