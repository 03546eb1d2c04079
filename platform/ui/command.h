// Commands: every menu item, tool bar button and accelerator sends a command id; before a menu
// or the tool bar shows, each id is asked for its state (enabled, checked) through a CmdUI.
// A CommandTarget answers through its command map; the application routes a command along a
// chain of targets (active view, its frame, the main frame, the application) until one takes it.
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace platform::ui {

/// The state of one command's user interface, filled by update handlers.
struct CmdUI {
    int id = 0;
    bool enabled = true;
    bool checked = false;
    bool handled = false;  ///< an update handler answered for this id

    void Enable(bool on = true) {
        enabled = on;
        handled = true;
    }
    void SetCheck(bool on = true) {
        checked = on;
        handled = true;
    }
};

/// Handlers by command id.
class CommandMap {
  public:
    using Handler = std::function<void()>;
    using RangeHandler = std::function<void(int id)>;
    using UpdateHandler = std::function<void(CmdUI&)>;

    void On(int id, Handler handler) { m_handlers[id] = std::move(handler); }
    /// One handler for ids first to last.
    void OnRange(int first, int last, RangeHandler handler);
    void OnUpdate(int id, UpdateHandler handler) { m_updates[id] = std::move(handler); }
    void OnUpdateRange(int first, int last, UpdateHandler handler);

    /// Runs the handler of `id`; false when there is none.
    bool Dispatch(int id) const;
    /// Runs the update handler of `ui.id`; false when there is none.
    bool DispatchUpdate(CmdUI& ui) const;
    bool Handles(int id) const;

  private:
    struct Range {
        int first;
        int last;
        RangeHandler handler;
    };
    struct UpdateRange {
        int first;
        int last;
        UpdateHandler handler;
    };
    std::map<int, Handler> m_handlers;
    std::map<int, UpdateHandler> m_updates;
    std::vector<Range> m_ranges;
    std::vector<UpdateRange> m_updateRanges;
};

/// Something that takes commands: a view, a frame, a dialog, the application.
class CommandTarget {
  public:
    virtual ~CommandTarget() = default;
    /// Runs the command when this target handles it.
    virtual bool OnCmdMsg(int id) { return m_commands.Dispatch(id); }
    /// Fills `ui` when this target has an update handler for it.
    virtual bool OnUpdateCmdUI(CmdUI& ui) { return m_commands.DispatchUpdate(ui); }
    /// Whether this target has a command handler for `id`.
    virtual bool HandlesCommand(int id) const { return m_commands.Handles(id); }

  protected:
    CommandMap m_commands;
};

}  // namespace platform::ui
