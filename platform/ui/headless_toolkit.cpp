#include "platform/ui/headless_toolkit.h"

#include <algorithm>
#include <cmath>

namespace platform::ui {

namespace {

constexpr double kScreenDpi = 96.0;
constexpr int kStatusPanes = 6;

/// Lends a kept recording surface to a print job.
class LentPrintSurface : public PrintSurface {
  public:
    explicit LentPrintSurface(RecordingPrintSurface& surface) : m_surface(surface) {}
    DC* StartPage() override { return m_surface.StartPage(); }
    void EndPage() override { m_surface.EndPage(); }
    bool Finish() override { return m_surface.Finish(); }
    DC& AttributeDC() override { return m_surface.AttributeDC(); }
    Rect PrintableArea() const override { return m_surface.PrintableArea(); }

  private:
    RecordingPrintSurface& m_surface;
};

}  // namespace

// ---- Views ----------------------------------------------------------------------------------

HeadlessView::~HeadlessView() {
    if (!m_child) return;
    if (HeadlessFrame* frame = m_child->Frame(); frame && frame->FocusedView() == this)
        frame->SetFocusedView(nullptr);
    m_child->ForgetView(this);
}

void HeadlessView::SetScrollBars(Size total, Point position, Size) {
    m_scrollTotal = total;
    m_scrollPosition = position;
}

void HeadlessView::SetFocus() {
    if (m_child && m_child->Frame()) m_child->Frame()->SetFocusedView(this);
}

bool HeadlessView::HasFocus() const {
    return m_child && m_child->Frame() && m_child->Frame()->FocusedView() == this;
}

void HeadlessView::Resize(Size client) {
    m_client = client;
    m_handler.OnSize(client);
}

std::unique_ptr<RecordingDC> HeadlessView::PaintNow() {
    auto dc = std::make_unique<RecordingDC>(kScreenDpi, false, m_client);
    m_handler.Paint(*dc);
    return dc;
}

// ---- Child frames ---------------------------------------------------------------------------

HeadlessChild::~HeadlessChild() {
    for (HeadlessView* view : m_views) view->ForgetChild();
    if (m_frame) m_frame->ForgetChild(this);
}

std::unique_ptr<ViewPeer> HeadlessChild::CreateView(ViewHandler& handler) {
    auto view = std::make_unique<HeadlessView>(handler, this);
    m_views.push_back(view.get());
    return view;
}

void HeadlessChild::LayoutPanes(int rows, int columns, const std::vector<ViewPeer*>&) {
    m_rows = rows;
    m_columns = columns;
}

void HeadlessChild::ActivateMaximized() {
    m_maximized = true;
    Activate();
}

void HeadlessChild::Activate() {
    if (m_frame) m_frame->SetActiveChild(this);
}

void HeadlessChild::ForgetView(HeadlessView* view) {
    m_views.erase(std::remove(m_views.begin(), m_views.end(), view), m_views.end());
}

// ---- The main frame -------------------------------------------------------------------------

HeadlessFrame::HeadlessFrame(FrameHandler& handler, const FrameSpec& spec)
    : m_handler(handler),
      m_spec(spec),
      m_title(spec.title),
      m_menu(spec.menu),
      m_status(kStatusPanes),
      m_statusWidths(spec.statusWidths) {
    m_status[0] = spec.idleMessage;
    // The toolkit's own first placement of a new window.
    m_placement.normal = {26, 26, 1050, 794};
}

HeadlessFrame::~HeadlessFrame() {
    for (HeadlessChild* child : m_children) child->ForgetFrame();
    if (m_toolkit) m_toolkit->ForgetFrame(this);
}

void HeadlessFrame::SetMenuItemCheck(int id, bool checked) {
    if (MenuItem* item = m_menu.Find(id)) item->checked = checked;
}

void HeadlessFrame::ShowControlBar(ControlBar bar, bool show) {
    (bar == ControlBar::ToolBar ? m_toolBar : m_statusBar) = show;
}

bool HeadlessFrame::IsControlBarVisible(ControlBar bar) const {
    return bar == ControlBar::ToolBar ? m_toolBar : m_statusBar;
}

void HeadlessFrame::SetStatusText(int pane, const std::string& text) {
    if (pane < 0 || pane >= kStatusPanes) return;
    m_status[static_cast<size_t>(pane)] = text;
    m_statusShown.emplace_back(pane, text);
}

std::vector<std::string> HeadlessFrame::StatusTextsShown(int pane) const {
    std::vector<std::string> texts;
    for (const auto& [p, text] : m_statusShown) {
        if (p == pane) texts.push_back(text);
    }
    return texts;
}

int HeadlessFrame::StatusPaneWidth(const std::string& text) const {
    RecordingDC dc(kScreenDpi, false, {1280, 1024});
    dc.SelectFont(kStatusFont);
    return dc.GetTextExtent(text).cx + kStatusPaneMargins;
}

std::string HeadlessFrame::GetStatusText(int pane) const {
    return pane >= 0 && pane < kStatusPanes ? m_status[static_cast<size_t>(pane)] : std::string();
}

void HeadlessFrame::Show(int showCommand) {
    const bool show = showCommand != kShowHide;
    m_handler.OnFrameShowWindow(show, m_visible);
    m_visible = show;
    m_showCommand = showCommand;
}

std::unique_ptr<ChildPeer> HeadlessFrame::CreateChild(ChildHandler& handler,
                                                      const std::string& title) {
    auto child = std::make_unique<HeadlessChild>(handler, title, this);
    m_children.push_back(child.get());
    return child;
}

void HeadlessFrame::ArrangeChildren(ChildArrangement how) {
    m_arrangements.push_back(how);
    if (how == ChildArrangement::TileHorizontal || how == ChildArrangement::TileVertical ||
        how == ChildArrangement::Cascade) {
        for (HeadlessChild* child : m_children) child->SetNotMaximized();
    }
}

void HeadlessFrame::ForgetChild(HeadlessChild* child) {
    m_children.erase(std::remove(m_children.begin(), m_children.end(), child), m_children.end());
    // The newest child left comes to the front, as the window backend does.
    if (m_active == child) m_active = m_children.empty() ? nullptr : m_children.back();
}

bool HeadlessFrame::PressKey(int key, unsigned modifiers) {
    if (m_focus && m_focus->Handler().OnKeyDown(key, 1, modifiers)) return true;
    for (const Accelerator& a : m_spec.accelerators.entries) {
        if (a.key == key && a.modifiers == modifiers) {
            Choose(a.command);
            return true;
        }
    }
    return false;
}

CmdUI HeadlessFrame::Query(int id) {
    CmdUI ui;
    ui.id = id;
    m_handler.OnFrameUpdateCmdUI(ui);
    return ui;
}

bool HeadlessFrame::Choose(int id) {
    if (!Query(id).enabled) return false;
    // A check item of a real menu flips its own mark before the command arrives.
    if (MenuItem* item = m_menu.Find(id); item && item->checkable) item->checked = !item->checked;
    m_handler.OnFrameCommand(id);
    return true;
}

void HeadlessFrame::RefreshItems(std::vector<MenuItem>& items) {
    for (MenuItem& item : items) {
        if (item.IsPopup()) {
            RefreshItems(item.items);
        } else if (!item.separator) {
            CmdUI ui = Query(item.id);
            item.enabled = ui.enabled;
            item.checked = ui.checked;
        }
    }
}

void HeadlessFrame::RefreshMenu() {
    RefreshItems(m_menu.items);
}

// ---- Pop-ups --------------------------------------------------------------------------------

HeadlessPopup::~HeadlessPopup() {
    m_toolkit.ForgetPopup(this);
}

void HeadlessPopup::Destroy() {
    if (m_destroyed) return;
    m_destroyed = true;
    m_handler.OnDestroyed();
}

std::unique_ptr<RecordingDC> HeadlessPopup::PaintNow() {
    auto dc =
        std::make_unique<RecordingDC>(kScreenDpi, false, Size{m_rect.Width(), m_rect.Height()});
    m_handler.Paint(*dc);
    return dc;
}

// ---- Dialogs --------------------------------------------------------------------------------

HeadlessDialog::HeadlessDialog(HeadlessToolkit& toolkit, Dialog& dialog, const DialogTemplate& tmpl)
    : m_toolkit(toolkit), m_dialog(dialog), m_template(tmpl) {
    for (const ControlTemplate& c : tmpl.controls) {
        if (c.id == kIdStatic) continue;
        ControlState state;
        state.text = c.text;
        state.enabled = !(c.style & kStyleDisabled);
        m_controls[c.id] = state;
    }
}

int HeadlessDialog::RunModal() {
    m_dialog.NotifyInit();
    if (!m_ended) {
        if (auto script = m_toolkit.NextScript()) {
            DialogDriver driver(*this, m_dialog, m_template);
            (*script)(driver);
        }
    }
    // A dialog the script leaves open is closed with its close box.
    if (!m_ended) m_dialog.NotifyCommand(kIdCancel);
    if (!m_ended) EndModal(kIdCancel);
    return m_result;
}

void HeadlessDialog::EndModal(int result) {
    m_ended = true;
    m_result = result;
}

bool HeadlessDialog::HasControl(int id) const {
    return m_controls.count(id) != 0;
}

void HeadlessDialog::SetItemText(int id, const std::string& text) {
    if (auto it = m_controls.find(id); it != m_controls.end()) it->second.text = text;
}

std::string HeadlessDialog::GetItemText(int id) const {
    auto it = m_controls.find(id);
    return it == m_controls.end() ? std::string() : it->second.text;
}

void HeadlessDialog::SetCheck(int id, bool checked) {
    if (auto it = m_controls.find(id); it != m_controls.end()) it->second.checked = checked;
}

bool HeadlessDialog::GetCheck(int id) const {
    auto it = m_controls.find(id);
    return it != m_controls.end() && it->second.checked;
}

void HeadlessDialog::EnableItem(int id, bool enabled) {
    if (auto it = m_controls.find(id); it != m_controls.end()) it->second.enabled = enabled;
}

bool HeadlessDialog::IsItemEnabled(int id) const {
    auto it = m_controls.find(id);
    return it != m_controls.end() && it->second.enabled;
}

Size HeadlessDialog::ItemClientSize(int id) const {
    const ControlTemplate* c = m_template.Control(id);
    if (!c) return {};
    return {static_cast<int>(std::lround(c->rect.Width() * kDialogUnitX)),
            static_cast<int>(std::lround(c->rect.Height() * kDialogUnitY))};
}

std::vector<int> HeadlessDialog::RadioGroupOf(int id) const {
    // A group runs from a control with kStyleGroup to the control before the next one.
    std::vector<std::vector<int>> groups(1);
    for (const ControlTemplate& c : m_template.controls) {
        if (c.style & kStyleGroup) groups.emplace_back();
        if (c.kind == ControlKind::RadioButton && c.id != kIdStatic) groups.back().push_back(c.id);
    }
    for (const auto& g : groups) {
        if (std::find(g.begin(), g.end(), id) != g.end()) return g;
    }
    return {};
}

bool DialogDriver::Click(int id) {
    if (m_peer.Ended() || !m_peer.HasControl(id) || !m_peer.IsItemEnabled(id)) return false;
    if (const ControlTemplate* c = m_template.Control(id)) {
        if (c->kind == ControlKind::RadioButton) {
            for (int other : m_peer.RadioGroupOf(id)) m_peer.SetCheck(other, other == id);
        } else if (c->kind == ControlKind::CheckBox) {
            m_peer.SetCheck(id, !m_peer.GetCheck(id));
        }
    }
    m_dialog.NotifyCommand(id);
    return true;
}

void DialogDriver::Type(int id, const std::string& text) {
    m_peer.SetItemText(id, text);
}

std::string DialogDriver::Text(int id) const {
    return m_peer.GetItemText(id);
}

bool DialogDriver::IsChecked(int id) const {
    return m_peer.GetCheck(id);
}

bool DialogDriver::IsEnabled(int id) const {
    return m_peer.IsItemEnabled(id);
}

std::unique_ptr<RecordingDC> DialogDriver::Paint(int id) {
    Size size = m_peer.ItemClientSize(id);
    auto dc = std::make_unique<RecordingDC>(kScreenDpi, false, size);
    m_dialog.NotifyDrawItem(id, *dc, size);
    return dc;
}

bool DialogDriver::Ended() const {
    return m_peer.Ended();
}

int DialogDriver::Result() const {
    return m_peer.Result();
}

// ---- The toolkit ----------------------------------------------------------------------------

HeadlessToolkit::HeadlessToolkit(HeadlessHost& host) : m_host(host) {
    m_host.SetOwnerSource([] {
        const Dialog* dialog = Dialog::ActiveModal();
        return dialog ? dialog->Template().caption : std::string();
    });
}

HeadlessToolkit::~HeadlessToolkit() {
    m_host.SetOwnerSource(nullptr);
}

std::unique_ptr<FramePeer> HeadlessToolkit::CreateFrame(FrameHandler& handler,
                                                        const FrameSpec& spec) {
    if (m_failFrame) {
        m_failFrame = false;
        return nullptr;
    }
    auto frame = std::make_unique<HeadlessFrame>(handler, spec);
    frame->SetToolkit(this);
    m_frame = frame.get();
    return frame;
}

void HeadlessToolkit::ForgetFrame(HeadlessFrame* frame) {
    if (m_frame == frame) m_frame = nullptr;
}

std::unique_ptr<DialogPeer> HeadlessToolkit::CreateDialog(Dialog& dialog,
                                                          const DialogTemplate& tmpl) {
    m_dialogsShown.push_back(tmpl.id);
    return std::make_unique<HeadlessDialog>(*this, dialog, tmpl);
}

std::unique_ptr<HeadlessToolkit::DialogScript> HeadlessToolkit::NextScript() {
    if (m_scripts.empty()) return nullptr;
    auto script = std::make_unique<DialogScript>(std::move(m_scripts.front()));
    m_scripts.pop_front();
    return script;
}

std::unique_ptr<PopupPeer> HeadlessToolkit::CreatePopup(PopupHandler& handler, FramePeer* owner,
                                                        Size size) {
    Rect area{0, 0, 1024, 768};
    if (owner) area = owner->GetPlacement().normal;
    const int left = area.left + (area.Width() - size.cx) / 2;
    const int top = area.top + (area.Height() - size.cy) / 2;
    auto popup = std::make_unique<HeadlessPopup>(*this, handler,
                                                 Rect{left, top, left + size.cx, top + size.cy});
    m_popups.push_back(popup.get());
    return popup;
}

void HeadlessToolkit::ForgetPopup(HeadlessPopup* popup) {
    m_popups.erase(std::remove(m_popups.begin(), m_popups.end(), popup), m_popups.end());
}

int HeadlessToolkit::SetTimer(int milliseconds, std::function<void()> onTimer) {
    const int id = m_nextTimer++;
    m_timers[id] =
        Timer{std::max(1, milliseconds), m_now + std::max(1, milliseconds), std::move(onTimer)};
    return id;
}

void HeadlessToolkit::KillTimer(int timerId) {
    m_timers.erase(timerId);
}

void HeadlessToolkit::AdvanceTime(int milliseconds) {
    const long long end = m_now + milliseconds;
    for (;;) {
        // The timer that falls due first; ties go to the older timer.
        auto next = m_timers.end();
        for (auto it = m_timers.begin(); it != m_timers.end(); ++it) {
            if (it->second.due <= end &&
                (next == m_timers.end() || it->second.due < next->second.due))
                next = it;
        }
        if (next == m_timers.end()) break;
        m_now = next->second.due;
        next->second.due += next->second.interval;
        std::function<void()> fn = next->second.fn;  // the handler may kill its own timer
        fn();
    }
    m_now = end;
}

Bitmap HeadlessToolkit::RenderBitmap(Size size, const std::function<void(DC&)>& paint, bool) {
    ++m_bitmapsRendered;
    RecordingDC dc(kScreenDpi, false, size);
    if (paint) paint(dc);
    Bitmap b;
    b.width = size.cx;
    b.height = size.cy;
    return b;
}

std::unique_ptr<PrintSurface> HeadlessToolkit::CreatePrintSurface(const std::string& path) {
    m_keptJobs.push_back(std::make_unique<RecordingPrintSurface>(
        path, m_printer.value_or(PageGeometry::Letter(100.0))));
    m_printJobs.push_back(m_keptJobs.back().get());
    return std::make_unique<LentPrintSurface>(*m_keptJobs.back());
}

std::unique_ptr<DC> HeadlessToolkit::CreateScreenMeasureDC() {
    return std::make_unique<RecordingDC>(kScreenDpi, false, Size{1280, 1024});
}

std::unique_ptr<DC> HeadlessToolkit::CreatePrinterMeasureDC() {
    if (!m_printer) return nullptr;
    auto dc = std::make_unique<RecordingDC>(m_printer->dpi, true, m_printer->printableSize);
    m_printer->ApplyTo(*dc);
    return dc;
}

}  // namespace platform::ui
