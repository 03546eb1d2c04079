// The picture button: a push button that shows a picture with one of its colours transparent,
// with or without its caption, and draws its own raised, pushed, focused and disabled looks
// through the device context. It lives in a control window of its own; a click (the left
// button pressed and released over it, or the space bar while it has the focus) calls OnClick.
//
// The layout style places the picture and the caption in the client area; ComputeLayout works
// out the three rectangles (picture, caption, focus) in client pixels, right and bottom
// exclusive, from the style and the client size.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "platform/ui/bitmap.h"
#include "platform/ui/control_window.h"

namespace kordel {

/// Layout style bits of CImageButton::SetAlignment.
enum ImageButtonStyle : unsigned {
    kImageButtonCaption = 0x01,      ///< the caption is laid out and drawn
    kImageButtonRight = 0x02,        ///< picture at the right edge instead of the left
    kImageButtonVCenter = 0x04,      ///< picture centred vertically, caption beside it
    kImageButtonBottom = 0x08,       ///< picture at the bottom, caption above (without 0x04)
    kImageButtonHCenter = 0x10,      ///< picture centred horizontally
    kImageButtonLayoutFocus = 0x20,  ///< the focus rectangle comes from the layout
};
/// Caption shown, picture centred vertically at the left, focus rectangle from the layout.
inline constexpr unsigned kImageButtonDefaultStyle = 0x25;

/// The state a picture button is drawn in.
struct ImageButtonState {
    bool focused = false;
    bool disabled = false;
    bool pushed = false;
};

class CImageButton : public platform::ui::ControlHandler {
  public:
    CImageButton();
    ~CImageButton() override;
    CImageButton(const CImageButton&) = delete;
    CImageButton& operator=(const CImageButton&) = delete;

    /// Makes the button's window at `rect` of `parent`; false when it cannot be made.
    bool Create(platform::ui::ControlParent& parent, const platform::ui::Rect& rect,
                std::string caption = {});
    /// Gives the button a window made elsewhere (a test's headless one).
    void Attach(std::unique_ptr<platform::ui::ControlPeer> peer);
    platform::ui::ControlPeer* GetPeer() const { return m_peer.get(); }

    /// Takes `picture` as the button's picture, every pixel of colour `transparent` left out;
    /// lays out and repaints. A null picture (a picture that could not be loaded) leaves the
    /// button without one and answers false.
    bool SetBitmap(const platform::ui::Bitmap& picture, platform::ui::Colour transparent);
    /// Stores the style bits (ImageButtonStyle); the layout follows at the next SetBitmap or
    /// resize. Returns true.
    bool SetAlignment(unsigned style);
    unsigned GetAlignment() const { return m_nAlignment; }
    void SetCaption(const std::string& caption);
    const std::string& GetCaption() const { return m_strCaption; }
    void SetTextColour(platform::ui::Colour colour) { m_crText = colour; }
    /// The caption's font; unset, the desktop font.
    void SetFont(const platform::ui::Font& font) { m_font = font; }
    void Enable(bool enabled);
    bool IsEnabled() const { return m_bEnabled; }
    bool HasPicture() const { return m_bLoaded; }

    /// Lays the picture, caption and focus rectangles out for a client area of `client`.
    void ComputeLayout(platform::ui::Size client);
    const platform::ui::Rect& ImageRect() const { return m_rcImage; }
    const platform::ui::Rect& TextRect() const { return m_rcText; }
    const platform::ui::Rect& FocusRect() const { return m_rcFocus; }

    /// Draws the whole button in `state` on `dc` (device pixels of a `client`-sized area).
    void DrawItem(platform::ui::DC& dc, platform::ui::Size client,
                  const ImageButtonState& state) const;

    /// Called on every click of an enabled button.
    std::function<void()> OnClick;

    // ---- The control window's messages ---------------------------------------------------
    void Paint(platform::ui::DC& dc) override;
    void OnSize(platform::ui::Size client) override;
    void OnMouse(const platform::ui::MouseEvent& event) override;
    void OnKeyDown(int key, unsigned modifiers) override;
    void OnSetFocus() override;
    void OnKillFocus() override;
    void OnCaptureLost() override;

  private:
    void Invalidate();
    void Click();

    std::unique_ptr<platform::ui::ControlPeer> m_peer;
    platform::ui::Bitmap m_bitmap;          ///< the picture, transparent pixels cleared
    platform::ui::Bitmap m_disabledBitmap;  ///< the picture's embossed grey look
    bool m_bLoaded = false;
    unsigned m_nAlignment = kImageButtonDefaultStyle;
    platform::ui::Rect m_rcImage;
    platform::ui::Rect m_rcText;
    platform::ui::Rect m_rcFocus;
    platform::ui::Colour m_crText;
    std::optional<platform::ui::Font> m_font;
    std::string m_strCaption;
    bool m_bEnabled = true;
    bool m_bTracking = false;  ///< the left button went down on the button and is held
    bool m_bPushed = false;    ///< drawn pushed: tracking over the button, or space held
};

}  // namespace kordel
