// A document template: pairs the design document with the child frame and one kind of view,
// under a menu and icon resource. The main template creates, opens and saves designs; the
// others only open extra views of the open design.
#pragma once

#include <functional>
#include <memory>

#include "platform/ui/view.h"

namespace kordel {

class CDocTemplate {
  public:
    using ViewFactory = std::function<std::unique_ptr<platform::ui::View>()>;

    /// `makeView` may be empty for a kind of view the program does not have yet: such a
    /// template makes no frames.
    CDocTemplate(int resourceId, ViewFactory makeView)
        : m_resourceId(resourceId), m_makeView(std::move(makeView)) {}

    int ResourceId() const { return m_resourceId; }
    bool CanCreateView() const { return static_cast<bool>(m_makeView); }
    std::unique_ptr<platform::ui::View> CreateView() const {
        return m_makeView ? m_makeView() : nullptr;
    }

  private:
    int m_resourceId;
    ViewFactory m_makeView;
};

}  // namespace kordel
