#include "app/splash_wnd.h"

#include "platform/ui/dc.h"
#include "platform/ui/toolkit.h"
#include "resources/resources.h"

namespace kordel {

using platform::ui::MessageKind;

bool CSplashWnd::s_enabled = false;
CSplashWnd* CSplashWnd::s_instance = nullptr;

CSplashWnd::~CSplashWnd() {
    if (s_instance == this) s_instance = nullptr;
}

void CSplashWnd::ShowOnce(platform::ui::FramePeer* parent) {
    if (!s_enabled || s_instance) return;
    s_instance = new CSplashWnd();
    if (!s_instance->CreateFromBitmap(parent)) {
        delete s_instance;
        return;
    }
    s_instance->m_peer->Update();
}

bool CSplashWnd::HideOnInput(const platform::ui::InputMessage& message) {
    if (!s_instance) return false;
    switch (message.kind) {
        case MessageKind::KeyDown:
        case MessageKind::SysKeyDown:
        case MessageKind::LButtonDown:
        case MessageKind::RButtonDown:
        case MessageKind::MButtonDown:
        case MessageKind::NcLButtonDown:
        case MessageKind::NcRButtonDown:
        case MessageKind::NcMButtonDown:
            s_instance->Hide();
            return true;
        default:
            return false;
    }
}

bool CSplashWnd::CreateFromBitmap(platform::ui::FramePeer* parent) {
    auto& toolkit = platform::ui::GetToolkit();
    const platform::ui::Size size = res::PictureSize(IDB_SPLASH);
    m_bitmap =
        toolkit.RenderBitmap(size, [](platform::ui::DC& dc) { res::DrawPicture(IDB_SPLASH, dc); });
    if (m_bitmap.IsNull()) return false;
    m_peer = toolkit.CreatePopup(*this, parent, {m_bitmap.width, m_bitmap.height});
    if (!m_peer) return false;
    m_owner = parent;
    m_toolkit = &toolkit;
    m_timer = toolkit.SetTimer(kShowMilliseconds, [this] { OnTimer(); });
    return true;
}

void CSplashWnd::Hide() {
    if (m_timer && m_toolkit) m_toolkit->KillTimer(m_timer);
    m_timer = 0;
    platform::ui::FramePeer* owner = m_owner;
    std::unique_ptr<platform::ui::PopupPeer> peer = std::move(m_peer);
    if (peer) peer->Destroy();
    delete this;  // the window is gone: so is its object
    if (owner) owner->Update();
}

void CSplashWnd::Paint(platform::ui::DC& dc) {
    dc.DrawBitmap(m_bitmap, {0, 0});
}

}  // namespace kordel
