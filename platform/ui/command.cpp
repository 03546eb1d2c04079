#include "platform/ui/command.h"

namespace platform::ui {

void CommandMap::OnRange(int first, int last, RangeHandler handler) {
    m_ranges.push_back({first, last, std::move(handler)});
}

void CommandMap::OnUpdateRange(int first, int last, UpdateHandler handler) {
    m_updateRanges.push_back({first, last, std::move(handler)});
}

bool CommandMap::Dispatch(int id) const {
    if (auto it = m_handlers.find(id); it != m_handlers.end()) {
        it->second();
        return true;
    }
    for (const Range& r : m_ranges) {
        if (id >= r.first && id <= r.last) {
            r.handler(id);
            return true;
        }
    }
    return false;
}

bool CommandMap::DispatchUpdate(CmdUI& ui) const {
    if (auto it = m_updates.find(ui.id); it != m_updates.end()) {
        it->second(ui);
        ui.handled = true;
        return true;
    }
    for (const UpdateRange& r : m_updateRanges) {
        if (ui.id >= r.first && ui.id <= r.last) {
            r.handler(ui);
            ui.handled = true;
            return true;
        }
    }
    return false;
}

bool CommandMap::Handles(int id) const {
    if (m_handlers.count(id)) return true;
    for (const Range& r : m_ranges) {
        if (id >= r.first && id <= r.last) return true;
    }
    return false;
}

}  // namespace platform::ui
