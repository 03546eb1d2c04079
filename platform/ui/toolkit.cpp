#include "platform/ui/toolkit.h"

#include <stdexcept>

namespace platform::ui {

namespace {
Toolkit* g_toolkit = nullptr;
}

Toolkit& GetToolkit() {
    if (!g_toolkit) throw std::logic_error("no UI toolkit installed");
    return *g_toolkit;
}

Toolkit* FindToolkit() {
    return g_toolkit;
}

Toolkit* SetToolkit(Toolkit* toolkit) {
    Toolkit* previous = g_toolkit;
    g_toolkit = toolkit;
    return previous;
}

}  // namespace platform::ui
