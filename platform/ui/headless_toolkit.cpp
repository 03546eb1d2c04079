#include "platform/ui/headless_toolkit.h"

#include <algorithm>
#include <cctype>
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
        if (c.kind != ControlKind::ComboBox && c.kind != ControlKind::ListBox) state.text = c.text;
        state.enabled = !(c.style & kStyleDisabled);
        state.visible = !(c.style & kStyleHidden);
        m_controls[c.id] = state;
    }
}

HeadlessDialog::~HeadlessDialog() {
    // The control windows outlive the dialog in their owners; they forget it.
    for (auto& [id, window] : m_windows) window->SetOnDestroyed(nullptr);
}

int HeadlessDialog::RunModal() {
    // The focus goes to the first control that takes it, unless the dialog placed it.
    if (m_dialog.NotifyInit() && m_focus == kIdStatic && !m_ended)
        m_focus = m_dialog.NextTabItem(kIdStatic);
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

HeadlessDialog::ControlState* HeadlessDialog::State(int id) {
    auto it = m_controls.find(id);
    return it == m_controls.end() ? nullptr : &it->second;
}

const HeadlessDialog::ControlState* HeadlessDialog::State(int id) const {
    auto it = m_controls.find(id);
    return it == m_controls.end() ? nullptr : &it->second;
}

void HeadlessDialog::SetItemText(int id, const std::string& text) {
    ControlState* c = State(id);
    if (!c) return;
    c->text = text;
    // An editable combo's field showing an item's text selects nothing by itself.
}

std::string HeadlessDialog::GetItemText(int id) const {
    const ControlState* c = State(id);
    if (!c) return {};
    const ControlTemplate* t = m_template.Control(id);
    // A drop-down list shows its selected item.
    if (t && t->kind == ControlKind::ComboBox && !(t->style & kStyleComboEdit))
        return c->selection >= 0 ? c->items[static_cast<std::size_t>(c->selection)] : std::string();
    return c->text;
}

void HeadlessDialog::SetCheck(int id, bool checked) {
    if (ControlState* c = State(id)) c->checked = checked;
}

bool HeadlessDialog::GetCheck(int id) const {
    const ControlState* c = State(id);
    return c && c->checked;
}

void HeadlessDialog::EnableItem(int id, bool enabled) {
    if (ControlState* c = State(id)) c->enabled = enabled;
}

bool HeadlessDialog::IsItemEnabled(int id) const {
    const ControlState* c = State(id);
    return c && c->enabled;
}

void HeadlessDialog::ShowItem(int id, bool shown) {
    if (ControlState* c = State(id)) c->visible = shown;
}

bool HeadlessDialog::IsItemVisible(int id) const {
    const ControlState* c = State(id);
    return c && c->visible;
}

void HeadlessDialog::SetFocusItem(int id) {
    if (!HasControl(id) || id == m_focus) return;
    const int previous = m_focus;
    m_focus = id;
    if (HeadlessControl* window = ControlWindow(previous)) window->LoseFocus();
    if (previous != kIdStatic) m_dialog.Notify(Notification::KillFocus, previous);
    if (HeadlessControl* window = ControlWindow(id)) window->SetFocus();
}

void HeadlessDialog::SetLimitText(int id, int maxChars) {
    if (ControlState* c = State(id)) c->limit = std::max(0, maxChars);
}

int HeadlessDialog::LimitText(int id) const {
    const ControlState* c = State(id);
    return c ? c->limit : 0;
}

Size HeadlessDialog::ItemClientSize(int id) const {
    const ControlTemplate* c = m_template.Control(id);
    if (!c) return {};
    return {static_cast<int>(std::lround(c->rect.Width() * kDialogUnitX)),
            static_cast<int>(std::lround(c->rect.Height() * kDialogUnitY))};
}

Rect HeadlessDialog::ItemRect(int id) const {
    const ControlTemplate* c = m_template.Control(id);
    if (!c) return {};
    const int left = static_cast<int>(std::lround(c->rect.left * kDialogUnitX));
    const int top = static_cast<int>(std::lround(c->rect.top * kDialogUnitY));
    const Size size = ItemClientSize(id);
    return {left, top, left + size.cx, top + size.cy};
}

void HeadlessDialog::ResetContent(int id) {
    if (ControlState* c = State(id)) {
        c->items.clear();
        c->selection = -1;
    }
}

int HeadlessDialog::AddString(int id, const std::string& text) {
    ControlState* c = State(id);
    const ControlTemplate* t = m_template.Control(id);
    if (!c || !t) return -1;
    const int at = (t->style & kStyleSorted) ? SortedInsertIndex(c->items, text)
                                             : static_cast<int>(c->items.size());
    c->items.insert(c->items.begin() + at, text);
    if (c->selection >= at) ++c->selection;
    return at;
}

int HeadlessDialog::GetCount(int id) const {
    const ControlState* c = State(id);
    return c ? static_cast<int>(c->items.size()) : 0;
}

std::string HeadlessDialog::GetItemString(int id, int index) const {
    const ControlState* c = State(id);
    if (!c || index < 0 || index >= static_cast<int>(c->items.size())) return {};
    return c->items[static_cast<std::size_t>(index)];
}

void HeadlessDialog::SetCurSel(int id, int index) {
    ControlState* c = State(id);
    if (!c) return;
    c->selection = index >= 0 && index < static_cast<int>(c->items.size()) ? index : -1;
    // An editable combo's field shows the item chosen.
    const ControlTemplate* t = m_template.Control(id);
    if (t && (t->style & kStyleComboEdit) && c->selection >= 0)
        c->text = c->items[static_cast<std::size_t>(c->selection)];
}

int HeadlessDialog::GetCurSel(int id) const {
    const ControlState* c = State(id);
    return c ? c->selection : -1;
}

std::vector<std::string> HeadlessDialog::Items(int id) const {
    const ControlState* c = State(id);
    return c ? c->items : std::vector<std::string>{};
}

void HeadlessDialog::SetTabStops(int id, const std::vector<int>& stops) {
    if (ControlState* c = State(id)) c->tabStops = stops;
}

std::vector<int> HeadlessDialog::TabStops(int id) const {
    const ControlState* c = State(id);
    return c ? c->tabStops : std::vector<int>{};
}

void HeadlessDialog::SetSpinRange(int id, int lower, int upper) {
    if (ControlState* c = State(id)) {
        c->lower = lower;
        c->upper = upper;
    }
}

std::pair<int, int> HeadlessDialog::GetSpinRange(int id) const {
    const ControlState* c = State(id);
    return c ? std::pair{c->lower, c->upper} : std::pair{0, 0};
}

void HeadlessDialog::SetSpinPos(int id, int pos) {
    if (ControlState* c = State(id)) c->pos = pos;
}

int HeadlessDialog::GetSpinPos(int id) const {
    const ControlState* c = State(id);
    return c ? c->pos : 0;
}

void HeadlessDialog::SetItemBitmap(int id, const Bitmap& bitmap) {
    if (ControlState* c = State(id)) c->bitmap = bitmap;
}

std::unique_ptr<ControlPeer> HeadlessDialog::CreateControlWindow(int id, ControlHandler& handler) {
    const ControlTemplate* c = m_template.Control(id);
    if (!c || c->kind != ControlKind::Custom) return nullptr;
    auto window = std::make_unique<HeadlessControl>(handler, ItemRect(id), kScreenOrigin);
    HeadlessControl* made = window.get();
    // A second window in the same place replaces the first, as the dialog's own window would.
    if (HeadlessControl* old = ControlWindow(id)) old->SetOnDestroyed(nullptr);
    m_windows[id] = made;
    made->SetOnDestroyed([this, id, made] {
        if (ControlWindow(id) == made) m_windows.erase(id);
    });
    if (m_focus == id) made->SetFocus();
    return window;
}

std::unique_ptr<GlRenderer> HeadlessDialog::CreateGlCanvas(int id, GlCanvasHandler& handler) {
    const ControlTemplate* c = m_template.Control(id);
    if (!c || c->kind != ControlKind::Custom || c->text != kGlCanvasClass) return nullptr;
    m_glCanvases[id] = &handler;
    const auto& factory = m_toolkit.GlFactory();
    return factory ? factory(ItemClientSize(id)) : nullptr;
}

GlCanvasHandler* HeadlessDialog::GlCanvas(int id) const {
    auto it = m_glCanvases.find(id);
    return it == m_glCanvases.end() ? nullptr : it->second;
}

HeadlessControl* HeadlessDialog::ControlWindow(int id) const {
    auto it = m_windows.find(id);
    return it == m_windows.end() ? nullptr : it->second;
}

Bitmap HeadlessDialog::Picture(int id) const {
    const ControlState* c = State(id);
    return c ? c->bitmap : Bitmap{};
}

void HeadlessDialog::UpdateNow() {
    std::map<int, std::string> texts;
    for (const auto& [id, state] : m_controls) texts[id] = state.text;
    m_updates.push_back(std::move(texts));
}

std::vector<std::string> HeadlessDialog::UpdatedTexts(int id) const {
    std::vector<std::string> texts;
    for (const auto& update : m_updates) {
        auto it = update.find(id);
        texts.push_back(it == update.end() ? std::string() : it->second);
    }
    return texts;
}

int HeadlessDialog::Invalidations(int id) const {
    auto it = m_invalidations.find(id);
    return it == m_invalidations.end() ? 0 : it->second;
}

const ControlTemplate* DialogDriver::Usable(int id) const {
    if (m_peer.Ended() || !m_peer.HasControl(id)) return nullptr;
    if (!m_peer.IsItemEnabled(id) || !m_peer.IsItemVisible(id)) return nullptr;
    return m_template.Control(id);
}

bool DialogDriver::Click(int id) {
    if (!Usable(id)) return false;
    return m_dialog.ClickItem(id);
}

bool DialogDriver::Type(int id, const std::string& text) {
    const ControlTemplate* c = Usable(id);
    if (!c) return false;
    const bool edit = c->kind == ControlKind::Edit && !(c->style & kStyleReadOnly);
    const bool comboEdit = c->kind == ControlKind::ComboBox && (c->style & kStyleComboEdit);
    if (!edit && !comboEdit) return false;
    m_dialog.GotoDlgCtrl(id);
    std::string typed;
    for (char ch : text) {
        if ((c->style & kStyleNumber) && !std::isdigit(static_cast<unsigned char>(ch))) continue;
        typed += ch;
    }
    // The edit takes no more characters than its limit.
    if (const int limit = m_peer.LimitText(id); limit > 0 && static_cast<int>(typed.size()) > limit)
        typed.resize(static_cast<std::size_t>(limit));
    m_peer.SetItemText(id, typed);
    if (comboEdit) m_peer.SetCurSel(id, -1);
    m_dialog.Notify(Notification::Change, id);
    return true;
}

bool DialogDriver::Choose(int id, int index) {
    const ControlTemplate* c = Usable(id);
    if (!c || (c->kind != ControlKind::ComboBox && c->kind != ControlKind::ListBox)) return false;
    if (index < 0 || index >= m_peer.GetCount(id)) return false;
    m_dialog.GotoDlgCtrl(id);
    m_peer.SetCurSel(id, index);
    m_dialog.Notify(Notification::SelChange, id);
    return true;
}

bool DialogDriver::Choose(int id, const std::string& item) {
    const std::vector<std::string> items = m_peer.Items(id);
    auto it = std::find(items.begin(), items.end(), item);
    return it != items.end() && Choose(id, static_cast<int>(it - items.begin()));
}

bool DialogDriver::DoubleClick(int id, int index) {
    const ControlTemplate* c = Usable(id);
    if (!c || c->kind != ControlKind::ListBox || !Choose(id, index)) return false;
    m_dialog.Notify(Notification::DblClick, id);
    return true;
}

bool DialogDriver::Spin(int id, bool up) {
    const ControlTemplate* c = Usable(id);
    if (!c || c->kind != ControlKind::Spin) return false;
    m_dialog.NotifySpin(id, up);
    return true;
}

bool DialogDriver::Slide(int id, int pos) {
    const ControlTemplate* c = Usable(id);
    if (!c || c->kind != ControlKind::Slider) return false;
    const auto [lower, upper] = m_peer.GetSpinRange(id);
    m_peer.SetSpinPos(id, std::clamp(pos, std::min(lower, upper), std::max(lower, upper)));
    m_dialog.Notify(Notification::Scroll, id);
    return true;
}

bool DialogDriver::PaintGl(int id) {
    GlCanvasHandler* canvas = m_peer.Ended() ? nullptr : m_peer.GlCanvas(id);
    if (!canvas) return false;
    canvas->OnGlPaint(m_peer.ItemClientSize(id));
    return true;
}

bool DialogDriver::MouseGl(int id, MouseAction action, Point point, unsigned keys) {
    GlCanvasHandler* canvas = m_peer.Ended() ? nullptr : m_peer.GlCanvas(id);
    if (!canvas) return false;
    canvas->OnGlMouse(MouseEvent{action, point, keys});
    return true;
}

bool DialogDriver::Focus(int id) {
    const ControlTemplate* c = Usable(id);
    if (!c || !TakesFocus(c->kind)) return false;
    m_dialog.GotoDlgCtrl(id);
    return true;
}

bool DialogDriver::PressKey(int key, unsigned modifiers) {
    if (m_peer.Ended()) return false;
    if (key == kKeyReturn && modifiers == kModNone) {
        m_dialog.NotifyReturn();
        return true;
    }
    if (key == kKeyEscape && modifiers == kModNone) {
        m_dialog.NotifyCommand(kIdCancel);
        return true;
    }
    if (key == kKeyTab && (modifiers & ~kModShift) == 0) {
        const int next = m_dialog.NextTabItem(m_peer.FocusItem(), !(modifiers & kModShift));
        if (next != kIdStatic) m_dialog.GotoDlgCtrl(next);
        return next != kIdStatic;
    }
    if (modifiers == kModAlt && key > 0 && key < 128 && std::isalnum(key))
        return m_dialog.NotifyMnemonic(static_cast<char>(key));
    // Any other key goes to the control window with the focus.
    if (HeadlessControl* window = m_peer.ControlWindow(m_peer.FocusItem())) {
        window->KeyDown(key, modifiers);
        return true;
    }
    return false;
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

bool DialogDriver::IsVisible(int id) const {
    return m_peer.IsItemVisible(id);
}

int DialogDriver::FocusId() const {
    return m_peer.FocusItem();
}

std::vector<std::string> DialogDriver::Items(int id) const {
    return m_peer.Items(id);
}

int DialogDriver::Selection(int id) const {
    return m_peer.GetCurSel(id);
}

std::vector<int> DialogDriver::TabStops(int id) const {
    return m_peer.TabStops(id);
}

int DialogDriver::LimitText(int id) const {
    return m_peer.LimitText(id);
}

int DialogDriver::SpinPos(int id) const {
    return m_peer.GetSpinPos(id);
}

std::pair<int, int> DialogDriver::SpinRange(int id) const {
    return m_peer.GetSpinRange(id);
}

Bitmap DialogDriver::Picture(int id) const {
    return m_peer.Picture(id);
}

std::vector<std::string> DialogDriver::UpdatedTexts(int id) const {
    return m_peer.UpdatedTexts(id);
}

std::unique_ptr<RecordingDC> DialogDriver::Paint(int id) {
    Size size = m_peer.ItemClientSize(id);
    auto dc = std::make_unique<RecordingDC>(kScreenDpi, false, size);
    m_dialog.NotifyDrawItem(id, *dc, size);
    return dc;
}

HeadlessControl* DialogDriver::ControlWindow(int id) const {
    return m_peer.ControlWindow(id);
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

PageGeometry HeadlessToolkit::PrinterPage() const {
    return m_printer.value_or(PageGeometry::ForPaper(GetPageSetup(), 100.0));
}

std::unique_ptr<PrintSurface> HeadlessToolkit::CreatePrintSurface(const std::string& path) {
    m_keptJobs.push_back(std::make_unique<RecordingPrintSurface>(path, PrinterPage()));
    m_printJobs.push_back(m_keptJobs.back().get());
    return std::make_unique<LentPrintSurface>(*m_keptJobs.back());
}

void HeadlessToolkit::SetPageSetup(const PageSetup& setup) {
    Toolkit::SetPageSetup(setup);
    if (m_printer) m_printer = PageGeometry::ForPaper(setup, m_printer->dpi);
}

PrintOutcome HeadlessToolkit::Print(Printable& printable, PrintInfo& info, const PrintJob& job) {
    HeadlessPrintRequest request;
    request.job = job;
    PrintDialogChoice& choice = request.choice;
    choice.minPage = info.minPage;
    choice.maxPage = info.maxPage;
    choice.fromPage = info.fromPage;
    choice.toPage = info.LastPage();
    choice.printToFile = !m_printer;
    choice.fileName = job.fileName;
    if (job.prompt) {
        if (!m_printScripts.empty()) {
            PrintDialogScript script = std::move(m_printScripts.front());
            m_printScripts.pop_front();
            script(choice);
        }
        if (choice.cancel) request.outcome.status = PrintOutcome::Status::Cancelled;
    } else if (!m_printer) {
        request.outcome = PrintOutcome::Failed(kNoDefaultPrinter);
    }
    if (request.outcome.status == PrintOutcome::Status::Printed) {
        info.fromPage = choice.fromPage;
        info.toPage = choice.toPage;
        const std::string path = choice.printToFile ? choice.fileName : std::string();
        std::unique_ptr<PrintSurface> surface = CreatePrintSurface(path);
        request.outcome = PrintToSurface(printable, info, surface.get(), path);
    }
    m_printRequests.push_back(request);
    return request.outcome;
}

std::vector<std::unique_ptr<RecordingDC>> PreviewDriver::Paint() {
    std::vector<std::unique_ptr<RecordingDC>> pages;
    const PageGeometry& page = m_preview.Page();
    for (int i = 0; i < m_preview.PagesShown(); ++i) {
        auto dc = std::make_unique<RecordingDC>(page.dpi, true, page.printableSize);
        page.ApplyTo(*dc);
        m_preview.DrawPage(m_preview.FirstPage() + i, *dc);
        pages.push_back(std::move(dc));
    }
    return pages;
}

PrintPreview::Result HeadlessToolkit::RunPrintPreview(Printable& printable, const PrintInfo& info) {
    ++m_previewsShown;
    PrintPreview preview(printable, info, PrinterPage());
    PreviewDriver driver(preview);
    if (!m_previewScripts.empty()) {
        PreviewScript script = std::move(m_previewScripts.front());
        m_previewScripts.pop_front();
        script(driver);
    }
    return driver.Result();
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
