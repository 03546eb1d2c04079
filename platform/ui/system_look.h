// The desktop's look as controls draw it: the system colours, the desktop (message) font and the
// few metrics of scroll bars and the mouse. The toolkit of the desktop answers from its theme; the
// headless toolkit, and a program with no toolkit installed, take the classic look below, whose
// values are fixed so that tests can work out what a control draws.
#pragma once

#include <array>
#include <cstddef>

#include "platform/ui/dc.h"
#include "platform/ui/geometry.h"

namespace platform::ui {

enum class SysColour : std::size_t {
    Window,           ///< background of editable content
    WindowText,       ///< text on Window
    ButtonFace,       ///< face of buttons and headings
    ButtonShadow,     ///< shadow edge of raised things; the ground behind tables
    ButtonHighlight,  ///< lit edge of raised things
    Light3D,          ///< light inner edge of sunken things
    DarkShadow3D,     ///< darkest edge of raised and sunken things
    Highlight,        ///< background of selected items
    HighlightText,    ///< text of selected items
    InfoBackground,   ///< background of tool tips
    InfoText,         ///< text of tool tips
};
inline constexpr std::size_t kSysColourCount = 11;

struct SystemLook {
    std::array<Colour, kSysColourCount> colours{};
    /// The desktop font that controls write their text in (height in pixels, negative: the em).
    Font messageFont;
    int doubleClickMs = 500;   ///< the longest time between the presses of a double click
    int wheelScrollLines = 3;  ///< lines scrolled by one wheel notch; -1 a page per notch

    Colour Get(SysColour c) const { return colours[static_cast<std::size_t>(c)]; }
    void Set(SysColour c, Colour value) { colours[static_cast<std::size_t>(c)] = value; }

    /// The classic look: white windows, light grey faces, a 9-point sans-serif font.
    static SystemLook Classic();
};

/// The look of the installed toolkit; the classic look when no toolkit is installed.
SystemLook CurrentLook();

}  // namespace platform::ui
