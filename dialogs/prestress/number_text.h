// A number as the prestressing dialogs show it in their lists, grids and texts: one value through
// a printf format of the dialog's ("%6.3f", "%2.0d"), or a message with one number in it.
#pragma once

#include <cstdio>
#include <string>

namespace kordel {

template <class T>
std::string NumberText(const char* format, T value) {
    const int length = std::snprintf(nullptr, 0, format, value);
    if (length <= 0) return {};
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    std::snprintf(text.data(), text.size(), format, value);
    text.pop_back();
    return text;
}

}  // namespace kordel
