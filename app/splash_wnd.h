// The splash window: the program's picture over the main window while it starts. It closes by
// itself after two seconds, or at the first key or mouse-button press anywhere in the program.
#pragma once

#include <memory>

#include "platform/ui/bitmap.h"
#include "platform/ui/window.h"

namespace platform::ui {
class Toolkit;
}

namespace kordel {

class CSplashWnd : public platform::ui::PopupHandler {
  public:
    /// Milliseconds the splash stays up when nothing closes it before.
    static constexpr int kShowMilliseconds = 2000;

    /// Whether a splash may show at all (set once at start-up from the command line).
    static void SetEnabled(bool enabled) { s_enabled = enabled; }
    static bool IsEnabled() { return s_enabled; }
    /// Shows the splash over `parent` when splashes are enabled and none exists.
    static void ShowOnce(platform::ui::FramePeer* parent);
    /// Hides the splash on a key press or a mouse-button press (client or frame area) and
    /// returns true, so the message goes no further; any other message, or no splash, false.
    static bool HideOnInput(const platform::ui::InputMessage& message);
    /// The splash that exists, or nullptr.
    static CSplashWnd* Instance() { return s_instance; }

    ~CSplashWnd() override;
    CSplashWnd(const CSplashWnd&) = delete;
    CSplashWnd& operator=(const CSplashWnd&) = delete;

    /// Draws the splash picture and makes the window of its size, centred over `parent`, with
    /// the timer started; false when the picture or the window cannot be made.
    bool CreateFromBitmap(platform::ui::FramePeer* parent);
    /// Destroys the window (and this object) and repaints the main window behind it at once.
    void Hide();
    void OnTimer() { Hide(); }

    // PopupHandler
    void Paint(platform::ui::DC& dc) override;

    const platform::ui::Bitmap& Picture() const { return m_bitmap; }

  private:
    CSplashWnd() = default;

    platform::ui::Bitmap m_bitmap;  ///< the splash picture, IDB_SPLASH
    std::unique_ptr<platform::ui::PopupPeer> m_peer;
    platform::ui::FramePeer* m_owner = nullptr;
    platform::ui::Toolkit* m_toolkit = nullptr;  ///< the toolkit that made the window
    int m_timer = 0;

    static bool s_enabled;
    static CSplashWnd* s_instance;
};

}  // namespace kordel
