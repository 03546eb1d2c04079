// Dialog templates: a dialog's caption, size and controls with their ids, texts and places, in
// dialog units (a quarter of the dialog font's average character width across, an eighth of its
// height down), so a layout keeps its proportions whatever font the desktop gives.
#pragma once

#include <string>
#include <vector>

#include "platform/ui/geometry.h"

namespace platform::ui {

/// Standard dialog results and button ids.
inline constexpr int kIdOk = 1;
inline constexpr int kIdCancel = 2;
/// The id of controls that no code addresses (labels, group boxes).
inline constexpr int kIdStatic = -1;

enum class ControlKind {
    PushButton,
    DefPushButton,  ///< the button Return presses
    RadioButton,    ///< automatic: a click checks it and clears the others of its group
    CheckBox,       ///< automatic: a click toggles it
    GroupBox,
    Label,        ///< static text
    SunkenFrame,  ///< a sunken static: shows text, or is painted by the dialog
    Icon,         ///< the program icon
    Edit,
    ComboBox,  ///< a drop-down list; with kStyleComboEdit a drop-down with an edit field
    ListBox,   ///< a list with one selection; the dialog sets its tab stops (dialog units)
    Spin,      ///< up and down arrows; its buddy is the control before it in the template
    Picture,   ///< a bitmap that the dialog sets, and may switch, at run time
    Custom,    ///< a control window of the program (the grid) made in this place; the text
               ///< names its window class
    Slider,    ///< a vertical track bar: its lower end at the top; the dialog sets its range
               ///< and position as a spin's, and hears of a move as Notification::Scroll
};

enum ControlStyle : unsigned {
    kStyleNone = 0,
    kStyleGroup = 1,       ///< starts a group of radio buttons
    kStyleDisabled = 2,    ///< starts disabled
    kStyleCenter = 4,      ///< centred text
    kStyleRight = 8,       ///< right-aligned text
    kStyleOwnerDraw = 16,  ///< the dialog paints the control (OnDrawItem)
    kStyleHidden = 32,     ///< made without the visible style: hidden until the dialog shows it
    kStyleReadOnly = 64,   ///< an edit the user reads but cannot change
    kStyleNumber = 128,    ///< an edit that takes digits only
    kStyleSorted = 256,    ///< a list or combo that keeps its items in alphabetical order
    kStyleComboEdit = 512, ///< a combo with an edit field (a drop-down list without it)
    kStyleBuddyInt = 1024, ///< a spin that writes its position into its buddy as a number
};

struct ControlTemplate {
    ControlKind kind = ControlKind::Label;
    int id = kIdStatic;
    std::string text;
    Rect rect;  ///< dialog units: left, top, right, bottom
    unsigned style = kStyleNone;
};

struct DialogTemplate {
    int id = 0;
    std::string caption;
    Size size;  ///< client size in dialog units
    std::vector<ControlTemplate> controls;

    const ControlTemplate* Control(int controlId) const {
        for (const ControlTemplate& c : controls) {
            if (c.id == controlId && controlId != kIdStatic) return &c;
        }
        return nullptr;
    }
};

/// Builds a control template: x, y, width and height in dialog units.
inline ControlTemplate MakeControl(ControlKind kind, int id, std::string text, int x, int y, int w,
                                   int h, unsigned style = kStyleNone) {
    return ControlTemplate{kind, id, std::move(text), Rect{x, y, x + w, y + h}, style};
}

/// Dialog units of the program's dialog font, in pixels per unit at 96 pixels per inch: the
/// average character width (6 pixels) over 4 and the character height (13 pixels) over 8.
inline constexpr double kDialogUnitX = 1.5;
inline constexpr double kDialogUnitY = 1.625;

/// The control a spin steps: the one before it in the template (kIdStatic when none).
inline int SpinBuddy(const DialogTemplate& tmpl, int spinId) {
    int previous = kIdStatic;
    for (const ControlTemplate& c : tmpl.controls) {
        if (c.id == spinId && c.kind == ControlKind::Spin) return previous;
        previous = c.id;
    }
    return kIdStatic;
}

}  // namespace platform::ui
