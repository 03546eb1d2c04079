#include "platform/ui/menu.h"

namespace platform::ui {

namespace {
template <typename Item>
Item* FindIn(std::vector<Item>& items, int id) {
    for (Item& item : items) {
        if (item.id == id && !item.separator && id != 0) return &item;
        if (!item.items.empty()) {
            if (Item* found = FindIn(item.items, id)) return found;
        }
    }
    return nullptr;
}
}  // namespace

MenuItem* Menu::Find(int id) {
    return FindIn(items, id);
}

const MenuItem* Menu::Find(int id) const {
    return FindIn(const_cast<std::vector<MenuItem>&>(items), id);
}

MenuItem* Menu::PopupAt(int position) {
    if (position < 0 || position >= static_cast<int>(items.size())) return nullptr;
    return &items[static_cast<size_t>(position)];
}

const MenuItem* Menu::PopupAt(int position) const {
    return const_cast<Menu*>(this)->PopupAt(position);
}

std::string Menu::PlainText(const std::string& text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '\t') break;
        if (c == '&') {
            if (i + 1 < text.size() && text[i + 1] == '&') {
                out += '&';
                ++i;
            }
            continue;
        }
        out += c;
    }
    return out;
}

}  // namespace platform::ui
