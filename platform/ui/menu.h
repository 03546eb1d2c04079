// Menus, accelerators and tool bars as data: the resources describe them, the backends build
// their widgets from them, and the headless backend keeps them as they are so tests can read
// every item's text, state and check mark.
#pragma once

#include <string>
#include <vector>

namespace platform::ui {

/// One menu item: a command (id > 0), a separator, or a pop-up with items of its own. Texts
/// mark the mnemonic with '&' ("&&" is a literal '&') and may carry a shortcut text after a
/// tab ("&Open...\tCtrl+O").
struct MenuItem {
    int id = 0;
    std::string text;
    bool separator = false;
    bool enabled = true;
    bool checked = false;
    bool checkable = false;       ///< the item may carry a check mark
    std::vector<MenuItem> items;  ///< the items of a pop-up

    bool IsPopup() const { return id == 0 && !separator; }

    static MenuItem Command(int id, std::string text) {
        MenuItem m;
        m.id = id;
        m.text = std::move(text);
        return m;
    }
    static MenuItem CheckCommand(int id, std::string text) {
        MenuItem m = Command(id, std::move(text));
        m.checkable = true;
        return m;
    }
    static MenuItem Separator() {
        MenuItem m;
        m.separator = true;
        return m;
    }
    static MenuItem Popup(std::string text, std::vector<MenuItem> items) {
        MenuItem m;
        m.text = std::move(text);
        m.items = std::move(items);
        return m;
    }
};

/// A menu bar: its pop-ups in order.
struct Menu {
    int resourceId = 0;
    std::vector<MenuItem> items;

    /// The item of command `id` anywhere in the menu, or nullptr.
    MenuItem* Find(int id);
    const MenuItem* Find(int id) const;
    /// The pop-up at `position` of the bar, or nullptr.
    MenuItem* PopupAt(int position);
    const MenuItem* PopupAt(int position) const;
    /// The text of a menu item without '&' marks and shortcut ("&Open...\tCtrl+O" is
    /// "Open...").
    static std::string PlainText(const std::string& text);
};

/// Modifier keys of an accelerator.
enum KeyModifier : unsigned { kModNone = 0, kModShift = 1, kModCtrl = 2, kModAlt = 4 };

/// Key codes of accelerators: printable keys by their upper-case character, the others below.
enum KeyCode : int {
    kKeyBack = 0x08,
    kKeyTab = 0x09,
    kKeyReturn = 0x0D,
    kKeyEscape = 0x1B,
    kKeyPageUp = 0x21,
    kKeyPageDown = 0x22,
    kKeyEnd = 0x23,
    kKeyHome = 0x24,
    kKeyLeft = 0x25,
    kKeyUp = 0x26,
    kKeyRight = 0x27,
    kKeyDown = 0x28,
    kKeyInsert = 0x2D,
    kKeyDelete = 0x2E,
    kKeyF1 = 0x70,
    kKeyF6 = 0x75,
};

struct Accelerator {
    int key = 0;
    unsigned modifiers = kModNone;
    int command = 0;
};

struct AcceleratorTable {
    int resourceId = 0;
    std::vector<Accelerator> entries;
};

/// A tool bar: buttons (command ids) and separators (id 0), and the size of the button images.
struct ToolBar {
    int resourceId = 0;
    int imageWidth = 0;
    int imageHeight = 0;
    std::vector<int> buttons;
};

}  // namespace platform::ui
