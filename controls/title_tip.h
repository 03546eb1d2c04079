// The title tip: when the pointer rests on a cell whose text is cut off, the whole text shows in
// a small pop-up with a thin border laid exactly over the cell. While it is up it holds the
// mouse capture; it goes away as soon as the pointer leaves the cell or a button is pressed on
// it, and hands that move or press on to the control below, so a click on the tip is a click on
// the cell.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "controls/grid_types.h"
#include "platform/ui/control_window.h"

namespace kordel {

class CTitleTip : public platform::ui::FloatHandler {
  public:
    CTitleTip();
    ~CTitleTip() override;
    CTitleTip(const CTitleTip&) = delete;
    CTitleTip& operator=(const CTitleTip&) = delete;

    /// The control the tip belongs to: Show takes its client coordinates, and moves and clicks
    /// off the tip go to its handler.
    void SetParent(platform::ui::ControlPeer* parent, platform::ui::ControlHandler* handler);
    /// Makes the tip's window (once); false when there is no parent or it cannot be made.
    bool Create();
    /// Shows `text` over `rectTitle` (parent client pixels, right and bottom inclusive) when it
    /// does not fit there with a blank on either side. `hoverRect` (nullptr: rectTitle) is
    /// where the pointer may move without hiding the tip; `font` nullptr takes the desktop
    /// font; colours left at none keep the tip's own (the desktop's tool-tip colours).
    void Show(platform::ui::Rect rectTitle, const std::string& text, int xoffset = 0,
              const platform::ui::Rect* hoverRect = nullptr,
              const platform::ui::Font* font = nullptr, GridColour textColour = std::nullopt,
              GridColour backColour = std::nullopt);
    void Hide();
    bool IsVisible() const { return m_peer && m_peer->IsVisible(); }
    void DestroyWindow();
    bool IsWindowMade() const { return m_bWindowMade; }
    /// Milliseconds of a clock for telling double clicks (a test may give its own).
    void SetClock(std::function<long long()> clock) { m_clock = std::move(clock); }
    platform::ui::FloatPeer* GetPeer() const { return m_peer.get(); }

    // ---- FloatHandler -------------------------------------------------------------------------
    void Paint(platform::ui::DC& dc) override;
    void OnMouse(const platform::ui::MouseEvent& e) override;
    void OnKeyDown(int key, unsigned modifiers) override;
    void OnCaptureLost() override;

  private:
    /// Hands a mouse message at screen point `screen` on to the parent when the point is over
    /// its client area.
    void ForwardToParent(platform::ui::MouseAction action, platform::ui::Point screen,
                         unsigned keys);

    platform::ui::ControlPeer* m_pTipParent = nullptr;
    platform::ui::ControlHandler* m_pParentHandler = nullptr;
    std::unique_ptr<platform::ui::FloatPeer> m_peer;
    platform::ui::Rect m_rcHover;  ///< screen pixels, right and bottom outside
    std::optional<long long> m_dwLastButtonDown;
    int m_dwDoubleClickTime;
    bool m_bWindowMade = false;
    std::function<long long()> m_clock;

    // What the window shows.
    std::string m_sText;  ///< with a blank before and after
    platform::ui::Font m_font;
    platform::ui::Colour m_crText;
    platform::ui::Colour m_crBack;
};

}  // namespace kordel
