// The main frame, the child windows and their views, and the splash pop-up on wxWidgets.
#include <wx/dnd.h>
#include <wx/timer.h>
#include <wx/weakref.h>

#include <algorithm>
#include <set>

#include "platform/ui/mdi_layout.h"
#include "platform/wx/wx_support.h"
#include "platform/wx/wx_toolkit.h"

namespace platform::wx {

using namespace platform::ui;

namespace {

constexpr int kFrameWidth = 1;      ///< child window frame line, pixels
constexpr int kCaptionHeight = 22;  ///< child window caption strip, pixels
constexpr int kCloseBox = 16;       ///< its close box, pixels square
constexpr int kSplitterBar = 6;     ///< splitter bar between panes, pixels
const wxColour kWorkspace(171, 171, 171);
const wxColour kActiveCaption(0, 84, 147);
const wxColour kInactiveCaption(128, 128, 128);
const wxColour kChildFrame(64, 64, 64);

std::vector<wxWindow*> g_splashes;

// ---- Views ----------------------------------------------------------------------------------

class ViewWindow : public wxWindow {
  public:
    ViewWindow(wxWindow* parent, ViewHandler& handler, std::function<void()> onActivate)
        : wxWindow(
              parent, wxID_ANY, wxDefaultPosition, wxDefaultSize,
              wxHSCROLL | wxVSCROLL | wxWANTS_CHARS | wxFULL_REPAINT_ON_RESIZE | wxBORDER_NONE),
          m_handler(handler),
          m_onActivate(std::move(onActivate)) {
        SetBackgroundStyle(wxBG_STYLE_PAINT);
        Bind(wxEVT_PAINT, [this](wxPaintEvent&) {
            PaintWindow(this, [this](DC& dc) {
                const Size s = dc.DeviceSize();
                dc.FillSolidRect({0, 0, s.cx, s.cy}, kWhite);
                m_handler.Paint(dc);
            });
        });
        Bind(wxEVT_SIZE, [this](wxSizeEvent& e) {
            m_handler.OnSize({e.GetSize().x, e.GetSize().y});
            Refresh();
            e.Skip();
        });
        Bind(wxEVT_KEY_DOWN, [this](wxKeyEvent& e) {
            const int key = ToKeyCode(e);
            const unsigned modifiers = ToModifiers(e);
            if (m_handler.OnKeyDown(key, 1, modifiers)) return;
            // The keys the toolkit would move the focus with stay in the view; the others go on
            // to the accelerators (Ctrl+Tab among them).
            if (!(modifiers & kModCtrl) && IsFocusKey(key)) return;
            e.Skip();
        });
        Bind(wxEVT_LEFT_DOWN, [this](wxMouseEvent& e) {
            // Activating the child focuses its first pane: the pane clicked takes it after.
            if (m_onActivate) m_onActivate();
            SetFocus();
            e.Skip();
        });
        Bind(wxEVT_MOUSEWHEEL, [this](wxMouseEvent& e) {
            const int lines = e.GetWheelRotation() / std::max(1, e.GetWheelDelta());
            m_handler.OnMouseWheel(lines * e.GetLinesPerAction());
        });
        auto scroll = [this](ScrollCode code) {
            return [this, code](wxScrollWinEvent& e) {
                m_handler.OnScroll(e.GetOrientation() == wxVERTICAL, code, e.GetPosition());
            };
        };
        Bind(wxEVT_SCROLLWIN_LINEUP, scroll(ScrollCode::LineUp));
        Bind(wxEVT_SCROLLWIN_LINEDOWN, scroll(ScrollCode::LineDown));
        Bind(wxEVT_SCROLLWIN_PAGEUP, scroll(ScrollCode::PageUp));
        Bind(wxEVT_SCROLLWIN_PAGEDOWN, scroll(ScrollCode::PageDown));
        Bind(wxEVT_SCROLLWIN_TOP, scroll(ScrollCode::Top));
        Bind(wxEVT_SCROLLWIN_BOTTOM, scroll(ScrollCode::Bottom));
        Bind(wxEVT_SCROLLWIN_THUMBTRACK, scroll(ScrollCode::ThumbTrack));
        Bind(wxEVT_SCROLLWIN_THUMBRELEASE, scroll(ScrollCode::ThumbTrack));
    }

  private:
    static bool IsFocusKey(int key) {
        switch (key) {
            case kKeyTab:
            case kKeyLeft:
            case kKeyRight:
            case kKeyUp:
            case kKeyDown:
            case kKeyHome:
            case kKeyEnd:
            case kKeyPageUp:
            case kKeyPageDown:
                return true;
            default:
                return false;
        }
    }

    ViewHandler& m_handler;
    std::function<void()> m_onActivate;
};

class ViewPeerImpl : public ViewPeer {
  public:
    explicit ViewPeerImpl(ViewWindow* window) : m_window(window) {}
    ~ViewPeerImpl() override {
        if (m_window) m_window->Destroy();
    }
    void Invalidate() override {
        if (m_window) m_window->Refresh();
    }
    void Update() override {
        if (m_window) m_window->Update();
    }
    Size ClientSize() const override {
        if (!m_window) return {};
        const wxSize s = m_window->GetClientSize();
        return {s.x, s.y};
    }
    void SetScrollBars(Size total, Point position, Size) override {
        if (!m_window) return;
        const Size client = ClientSize();
        auto set = [&](int orient, int totalSize, int pos, int clientSize) {
            if (totalSize > clientSize) {
                m_window->SetScrollbar(orient, pos, clientSize, totalSize);
            } else {
                m_window->SetScrollbar(orient, 0, 0, 0);
            }
        };
        set(wxHORIZONTAL, total.cx, position.x, client.cx);
        set(wxVERTICAL, total.cy, position.y, client.cy);
    }
    void SetFocus() override {
        if (m_window) m_window->SetFocus();
    }
    wxWindow* Window() const { return m_window; }

  private:
    wxWeakRef<ViewWindow> m_window;
};

// ---- Child windows and the client area ------------------------------------------------------

class MdiClient;

/// A child window: a frame line round its edge, a caption strip with the title and a close box,
/// and the view panes. The window draws its frame itself, inside its own area, so a window in
/// front covers the windows behind it whole and nothing of theirs shows over it.
class ChildWindow : public wxWindow {
  public:
    ChildWindow(MdiClient* client, ChildHandler& handler, const std::string& title);

    ChildHandler& Handler() { return m_handler; }
    void SetTitleText(const std::string& title) {
        m_title = title;
        Refresh();
    }
    const std::string& TitleText() const { return m_title; }
    bool maximized = false;
    Rect normalRect{0, 0, 400, 300};

    void LayoutPanes(int rows, int columns, const std::vector<ViewPeer*>& panes) {
        m_rows = rows;
        m_columns = columns;
        m_panes.clear();
        for (ViewPeer* p : panes) m_panes.push_back(static_cast<ViewPeerImpl*>(p)->Window());
        PlacePanes();
    }
    void PlacePanes() {
        const Rect inside = PaneArea();
        const Size area{inside.Width(), inside.Height()};
        const std::vector<Rect> rects = SplitterLayout(
            area, m_rows, m_columns, {(area.cx - kSplitterBar) / 2, (area.cy - kSplitterBar) / 2},
            kSplitterBar);
        for (size_t i = 0; i < m_panes.size(); ++i) {
            if (!m_panes[i]) continue;
            if (i < rects.size()) {
                const Rect& r = rects[i];
                m_panes[i]->SetSize(inside.left + r.left, inside.top + r.top, r.Width(),
                                    r.Height());
                m_panes[i]->Show();
            } else {
                m_panes[i]->Hide();
            }
        }
    }
    void Activate();
    bool IsActive() const;

  private:
    Rect CaptionRect() const {
        const wxSize s = GetClientSize();
        return {kFrameWidth, kFrameWidth, std::max(kFrameWidth, s.x - kFrameWidth),
                kFrameWidth + kCaptionHeight};
    }
    Rect PaneArea() const {
        const wxSize s = GetClientSize();
        const Rect caption = CaptionRect();
        return {caption.left, caption.bottom, caption.right,
                std::max(caption.bottom, s.y - kFrameWidth)};
    }
    Rect CloseBoxRect() const {
        const Rect caption = CaptionRect();
        const int top = caption.top + (kCaptionHeight - kCloseBox) / 2;
        return {caption.right - kCloseBox - 4, top, caption.right - 4, top + kCloseBox};
    }

    MdiClient* m_client;
    ChildHandler& m_handler;
    std::string m_title;
    int m_rows = 1;
    int m_columns = 1;
    std::vector<wxWeakRef<wxWindow>> m_panes;
};

/// The main window's client area holding the child windows.
class MdiClient : public wxWindow {
  public:
    explicit MdiClient(wxWindow* parent)
        : wxWindow(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxBORDER_NONE) {
        SetBackgroundColour(kWorkspace);
        m_shelf = new wxWindow(this, wxID_ANY, wxDefaultPosition, wxSize(0, 0));
        m_shelf->Hide();
        m_restack.Bind(wxEVT_TIMER, [this](wxTimerEvent&) { PutOnTopWhenReleased(); });
        Bind(wxEVT_SIZE, [this](wxSizeEvent& e) {
            Relayout();
            e.Skip();
        });
    }

    void Add(ChildWindow* child) {
        m_children.push_back(child);
        m_active = child;
    }
    void Remove(ChildWindow* child) {
        m_children.erase(std::remove(m_children.begin(), m_children.end(), child),
                         m_children.end());
        if (m_active == child) {
            m_active = m_children.empty() ? nullptr : m_children.back();
            if (m_active) PutOnTopLater(m_active);
        }
        if (m_active) m_active->Handler().OnActivate();
        Relayout();
    }
    void Activate(ChildWindow* child) {
        if (m_active == child) return;
        m_active = child;
        for (ChildWindow* c : m_children) c->Refresh();
        Relayout();
        PutOnTopLater(child);
        child->Handler().OnActivate();
    }
    ChildWindow* Active() const { return m_active; }

    void Arrange(ChildArrangement how) {
        const wxSize s = GetClientSize();
        const Size client{s.x, s.y};
        const int count = static_cast<int>(m_children.size());
        std::vector<Rect> rects;
        std::vector<ChildWindow*> order = m_children;
        if (how == ChildArrangement::Cascade) {
            // Back to front, the active window in front: each window's frame and caption lie
            // over the windows behind it.
            rects = CascadeLayout(client, count);
            std::stable_partition(order.begin(), order.end(),
                                  [this](ChildWindow* c) { return c != m_active; });
        } else if (how == ChildArrangement::TileHorizontal ||
                   how == ChildArrangement::TileVertical) {
            rects = TileLayout(client, count, how == ChildArrangement::TileHorizontal);
        } else {
            return;  // no child window is ever minimised to an icon here
        }
        for (size_t i = 0; i < order.size(); ++i) {
            order[i]->maximized = false;
            order[i]->normalRect = rects[i];
        }
        Relayout();
        if (how == ChildArrangement::Cascade) {
            for (ChildWindow* c : order) PutOnTop(c);
        }
    }

    void Relayout() {
        const wxSize s = GetClientSize();
        const bool anyMaximized = std::any_of(m_children.begin(), m_children.end(),
                                              [](ChildWindow* c) { return c->maximized; });
        for (ChildWindow* c : m_children) {
            if (anyMaximized) {
                if (c == m_active) {
                    c->SetSize(0, 0, s.x, s.y);
                    c->Show();
                } else {
                    c->Hide();
                }
            } else {
                const Rect& r = c->normalRect;
                c->SetSize(r.left, r.top, r.Width(), r.Height());
                c->Show();
            }
            c->PlacePanes();
        }
    }

  private:
    /// Puts `child` over its siblings. The toolkit paints sibling windows in the order they
    /// were added, whatever they are raised to, so the child is taken out and put back last.
    void PutOnTop(ChildWindow* child) {
        const wxWindowList& siblings = GetChildren();
        if (!siblings.empty() && siblings.GetLast()->GetData() == child) return;
        // The focus waits in the client area while the child is out: keys must not reach a
        // window the toolkit has not set up again yet.
        wxWindow* focus = wxWindow::FindFocus();
        const bool focusInside = focus && (focus == child || child->IsDescendant(focus));
        if (focusInside) SetFocus();
        child->Reparent(m_shelf);
        child->Reparent(this);
        if (focusInside) {
            wxWeakRef<wxWindow> ref(focus);
            CallAfter([ref] {
                if (ref) ref->SetFocus();
            });
        }
    }
    /// PutOnTop once the event being handled is over and no mouse button is held: a click on
    /// the child itself must find its window in place when the button is released.
    void PutOnTopLater(ChildWindow* child) {
        m_pendingTop = child;
        m_restack.StartOnce(1);
    }
    void PutOnTopWhenReleased() {
        if (!m_pendingTop) return;
        if (wxGetMouseState().ButtonIsDown(wxMOUSE_BTN_ANY)) {
            m_restack.StartOnce(kRestackPollMs);
            return;
        }
        ChildWindow* child = m_pendingTop.get();
        m_pendingTop = nullptr;
        PutOnTop(child);
    }

    static constexpr int kRestackPollMs = 50;
    std::vector<ChildWindow*> m_children;
    ChildWindow* m_active = nullptr;
    wxWindow* m_shelf = nullptr;  ///< hidden; children pass through it to be restacked
    wxTimer m_restack;
    wxWeakRef<ChildWindow> m_pendingTop;
};

ChildWindow::ChildWindow(MdiClient* client, ChildHandler& handler, const std::string& title)
    : wxWindow(client, wxID_ANY, wxDefaultPosition, wxDefaultSize,
               wxBORDER_NONE | wxFULL_REPAINT_ON_RESIZE),
      m_client(client),
      m_handler(handler),
      m_title(title) {
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    Bind(wxEVT_PAINT, [this](wxPaintEvent&) {
        PaintWindow(this, [this](DC& dc) {
            const Size s = dc.DeviceSize();
            auto rgb = [](const wxColour& c) { return Rgb(c.Red(), c.Green(), c.Blue()); };
            dc.FillSolidRect({0, 0, s.cx, s.cy}, rgb(kChildFrame));
            const Rect caption = CaptionRect();
            dc.FillSolidRect(caption, rgb(IsActive() ? kActiveCaption : kInactiveCaption));
            dc.FillSolidRect(PaneArea(), rgb(kWorkspace));
            dc.SetBkMode(BkMode::Transparent);
            dc.SetTextColour(kWhite);
            dc.SelectFont({"Arial", -12, kFontWeightBold});
            Rect text{caption.left + 6, caption.top, CloseBoxRect().left - 6, caption.bottom};
            dc.DrawText(m_title, text, kDtLeft | kDtVCenter | kDtSingleLine);
            const Rect box = CloseBoxRect();
            dc.SelectPen({PenStyle::Solid, 2, kWhite});
            dc.MoveTo({box.left + 4, box.top + 4});
            dc.LineTo({box.right - 4, box.bottom - 4});
            dc.MoveTo({box.right - 4, box.top + 4});
            dc.LineTo({box.left + 4, box.bottom - 4});
        });
    });
    Bind(wxEVT_SIZE, [this](wxSizeEvent& e) {
        PlacePanes();
        Refresh();
        e.Skip();
    });
    Bind(wxEVT_LEFT_DOWN, [this](wxMouseEvent& e) {
        Activate();
        if (CloseBoxRect().Contains({e.GetX(), e.GetY()})) {
            CallAfter([this] { m_handler.OnClose(); });
        }
    });
    Bind(wxEVT_LEFT_DCLICK, [this](wxMouseEvent& e) {
        if (CaptionRect().Contains({e.GetX(), e.GetY()}) &&
            !CloseBoxRect().Contains({e.GetX(), e.GetY()})) {
            maximized = !maximized;
            m_client->Relayout();
        }
    });
}

void ChildWindow::Activate() {
    m_client->Activate(this);
}

bool ChildWindow::IsActive() const {
    return m_client->Active() == this;
}

class ChildPeerImpl : public ChildPeer {
  public:
    ChildPeerImpl(MdiClient* client, ChildWindow* window) : m_client(client), m_window(window) {}
    ~ChildPeerImpl() override {
        if (m_window) {
            if (m_client) m_client->Remove(m_window.get());
            m_window->Destroy();
        }
    }
    void SetTitle(const std::string& title) override {
        if (m_window) m_window->SetTitleText(title);
    }
    std::string GetTitle() const override { return m_window ? m_window->TitleText() : ""; }
    std::unique_ptr<ViewPeer> CreateView(ViewHandler& handler) override {
        if (!m_window) return nullptr;
        ChildWindow* child = m_window.get();
        return std::make_unique<ViewPeerImpl>(
            new ViewWindow(child, handler, [child] { child->Activate(); }));
    }
    void LayoutPanes(int rows, int columns, const std::vector<ViewPeer*>& panes) override {
        if (m_window) m_window->LayoutPanes(rows, columns, panes);
    }
    void ActivateMaximized() override {
        if (!m_window || !m_client) return;
        m_window->maximized = true;
        m_client->Activate(m_window.get());
        m_client->Relayout();
    }
    void Activate() override {
        if (m_window && m_client) m_client->Activate(m_window.get());
    }
    bool IsMaximized() const override { return m_window && m_window->maximized; }

  private:
    wxWeakRef<MdiClient> m_client;
    wxWeakRef<ChildWindow> m_window;
};

// ---- The main frame -------------------------------------------------------------------------

class MainFrame : public wxFrame {
  public:
    MainFrame(WxToolkit& toolkit, FrameHandler& handler, const FrameSpec& spec)
        : wxFrame(nullptr, wxID_ANY, ToWx(spec.title), wxDefaultPosition, wxSize(1200, 800)),
          m_handler(handler),
          m_spec(spec) {
        if (!spec.icon.IsNull()) {
            wxIcon icon;
            icon.CopyFromBitmap(ToWxBitmap(spec.icon));
            SetIcon(icon);
            toolkit.SetIcon(spec.icon);
        }
        for (size_t i = 0; i < spec.promptIds.size(); ++i) {
            m_prompts[spec.promptIds[i]] = spec.menuPrompts[i];
        }
        m_client = new MdiClient(this);
        CreateBars();
        SetMenuModel(spec.menu);

        Bind(wxEVT_MENU, [this](wxCommandEvent& e) {
            const int command = CommandOf(e.GetId());
            if (command && m_commandIds.count(command)) {
                m_handler.OnFrameCommand(command);
            } else {
                e.Skip();
            }
        });
        Bind(wxEVT_UPDATE_UI, [this](wxUpdateUIEvent& e) {
            const int command = CommandOf(e.GetId());
            if (!command || !m_commandIds.count(command)) {
                e.Skip();
                return;
            }
            CmdUI ui;
            ui.id = command;
            m_handler.OnFrameUpdateCmdUI(ui);
            e.Enable(ui.enabled);
            if (m_checkable.count(command)) e.Check(ui.checked);
        });
        Bind(wxEVT_CLOSE_WINDOW, [this](wxCloseEvent& e) {
            if (e.CanVeto()) {
                e.Veto();
                m_handler.OnFrameClose();
            } else {
                Destroy();
            }
        });
        Bind(wxEVT_DROP_FILES, [this](wxDropFilesEvent& e) {
            std::vector<std::string> paths;
            for (int i = 0; i < e.GetNumberOfFiles(); ++i) {
                paths.emplace_back(e.GetFiles()[i].utf8_str());
            }
            m_handler.OnDropFiles(paths);
        });
        auto track = [this](wxEvent& e) {
            if (!IsMaximized() && !IsIconized() && IsShown()) {
                const wxRect r = GetRect();
                m_normal = {r.x, r.y, r.x + r.width, r.y + r.height};
            }
            e.Skip();
        };
        Bind(wxEVT_SIZE, track);
        Bind(wxEVT_MOVE, track);
        const wxRect r = GetRect();
        m_normal = {r.x, r.y, r.x + r.width, r.y + r.height};
    }

    void CreateBars() {
        m_toolBar = CreateToolBar(wxTB_FLAT | wxTB_HORIZONTAL | wxTB_NODIVIDER);
        m_toolBar->SetToolBitmapSize(wxSize(m_spec.toolBar.imageWidth, m_spec.toolBar.imageHeight));
        for (size_t i = 0; i < m_spec.toolBar.buttons.size(); ++i) {
            const int id = m_spec.toolBar.buttons[i];
            if (id == 0) {
                m_toolBar->AddSeparator();
                continue;
            }
            const std::string tip = i < m_spec.toolTips.size() ? m_spec.toolTips[i] : "";
            wxBitmap bitmap =
                i < m_spec.toolImages.size() ? ToWxBitmap(m_spec.toolImages[i]) : wxBitmap();
            if (!bitmap.IsOk())
                bitmap = wxBitmap(m_spec.toolBar.imageWidth, m_spec.toolBar.imageHeight);
            m_toolBar->AddTool(WxId(id), ToWx(tip), bitmap, bitmap.ConvertToDisabled(),
                               wxITEM_NORMAL, ToWx(tip));
            m_commandIds.insert(id);
        }
        m_toolBar->Realize();
        for (int id : m_spec.toolBar.buttons) {
            if (id && m_prompts.count(id))
                m_toolBar->SetToolLongHelp(WxId(id), ToWx(m_prompts[id]));
        }

        // No size grip: the window manager's frame resizes the window, and a grip would take
        // the last pane's room.
        const int panes = static_cast<int>(m_spec.statusWidths.size());
        m_statusBar = CreateStatusBar(std::max(1, panes), wxSTB_DEFAULT_STYLE & ~wxSTB_SIZEGRIP);
        if (panes > 0) {
            m_statusBar->SetStatusWidths(panes, m_spec.statusWidths.data());
            std::vector<int> styles(static_cast<size_t>(panes), wxSB_SUNKEN);
            styles[0] = wxSB_FLAT;
            m_statusBar->SetStatusStyles(panes, styles.data());
        }
        SetStatusBarPane(0);
        m_statusBar->SetStatusText(ToWx(m_spec.idleMessage), 0);
    }

    void SetMenuModel(const Menu& menu) {
        m_menu = menu;
        m_checkable.clear();
        auto* bar = new wxMenuBar();
        std::set<std::string> labelShortcuts;
        for (const MenuItem& popup : menu.items) {
            bar->Append(BuildMenu(popup.items, labelShortcuts), ToWx(popup.text));
        }
        wxMenuBar* old = GetMenuBar();
        SetMenuBar(bar);
        delete old;
        // Keys of the accelerator table that no menu item of this bar carries.
        std::vector<wxAcceleratorEntry> entries;
        for (const Accelerator& a : m_spec.accelerators.entries) {
            int flags = wxACCEL_NORMAL;
            if (a.modifiers & kModCtrl) flags |= wxACCEL_CTRL;
            if (a.modifiers & kModShift) flags |= wxACCEL_SHIFT;
            if (a.modifiers & kModAlt) flags |= wxACCEL_ALT;
            const int key = WxKey(a.key);
            wxAcceleratorEntry entry(flags, key, WxId(a.command));
            if (labelShortcuts.count(std::string(entry.ToString().utf8_str()))) continue;
            entries.push_back(entry);
            m_commandIds.insert(a.command);
        }
        SetAcceleratorTable(wxAcceleratorTable(static_cast<int>(entries.size()), entries.data()));
    }

    const Menu& MenuModel() {
        // The model as shown: enabled states and check marks read back from the bar.
        wxMenuBar* bar = GetMenuBar();
        std::function<void(std::vector<MenuItem>&)> sync = [&](std::vector<MenuItem>& items) {
            for (MenuItem& item : items) {
                if (item.IsPopup()) {
                    sync(item.items);
                } else if (!item.separator && bar) {
                    if (wxMenuItem* w = bar->FindItem(WxId(item.id))) {
                        item.enabled = w->IsEnabled();
                        item.checked = w->IsCheckable() && w->IsChecked();
                    }
                }
            }
        };
        sync(m_menu.items);
        return m_menu;
    }

    void SetCheck(int id, bool checked) {
        if (wxMenuBar* bar = GetMenuBar()) {
            if (wxMenuItem* w = bar->FindItem(WxId(id)); w && w->IsCheckable()) w->Check(checked);
        }
        if (MenuItem* item = m_menu.Find(id)) item->checked = checked;
    }

    MdiClient* Client() const { return m_client; }
    wxToolBar* Tools() const { return m_toolBar; }
    wxStatusBar* Status() const { return m_statusBar; }
    Rect NormalRect() const { return m_normal; }
    void SetNormalRect(const Rect& r) { m_normal = r; }
    FrameHandler& Handler() { return m_handler; }

  private:
    static int WxKey(int key) {
        switch (key) {
            case kKeyBack:
                return WXK_BACK;
            case kKeyInsert:
                return WXK_INSERT;
            case kKeyDelete:
                return WXK_DELETE;
            default:
                break;
        }
        if (key >= kKeyF1 && key < kKeyF1 + 24) return WXK_F1 + (key - kKeyF1);
        return key;
    }

    wxMenu* BuildMenu(const std::vector<MenuItem>& items, std::set<std::string>& shortcuts) {
        auto* menu = new wxMenu();
        for (const MenuItem& item : items) {
            if (item.separator) {
                menu->AppendSeparator();
            } else if (item.IsPopup()) {
                menu->AppendSubMenu(BuildMenu(item.items, shortcuts), ToWx(item.text));
            } else {
                const auto prompt = m_prompts.find(item.id);
                const wxString help = prompt == m_prompts.end() ? wxString() : ToWx(prompt->second);
                wxMenuItem* w = menu->Append(WxId(item.id), ToWx(item.text), help,
                                             item.checkable ? wxITEM_CHECK : wxITEM_NORMAL);
                if (item.checkable) {
                    m_checkable.insert(item.id);
                    w->Check(item.checked);
                }
                if (!item.enabled) w->Enable(false);
                m_commandIds.insert(item.id);
                if (wxAcceleratorEntry* accel = w->GetAccel()) {
                    shortcuts.insert(std::string(accel->ToString().utf8_str()));
                    delete accel;
                }
            }
        }
        return menu;
    }

    /// The toolkit's id of a command (the toolkit takes ids below 0x7FFF only).
    int WxId(int command) {
        auto it = m_toWx.find(command);
        if (it != m_toWx.end()) return it->second;
        const int id = wxID_HIGHEST + 1 + static_cast<int>(m_toWx.size());
        m_toWx[command] = id;
        m_fromWx[id] = command;
        return id;
    }
    int CommandOf(int wxId) const {
        auto it = m_fromWx.find(wxId);
        return it == m_fromWx.end() ? 0 : it->second;
    }

    FrameHandler& m_handler;
    FrameSpec m_spec;
    Menu m_menu;
    std::map<int, int> m_toWx;
    std::map<int, int> m_fromWx;
    std::map<int, std::string> m_prompts;
    std::set<int> m_commandIds;
    std::set<int> m_checkable;
    MdiClient* m_client = nullptr;
    wxToolBar* m_toolBar = nullptr;
    wxStatusBar* m_statusBar = nullptr;
    Rect m_normal;
};

class FramePeerImpl : public FramePeer {
  public:
    explicit FramePeerImpl(MainFrame* frame) : m_frame(frame) {
        SetMainWindow(frame);
        SetMainFramePeer(this);
    }
    ~FramePeerImpl() override {
        if (MainFramePeer() == this) SetMainFramePeer(nullptr);
        if (m_frame) {
            if (MainWindow() == m_frame.get()) SetMainWindow(nullptr);
            m_frame->Destroy();
        }
    }
    void SetTitle(const std::string& title) override {
        if (m_frame) m_frame->SetTitle(ToWx(title));
    }
    std::string GetTitle() const override { return m_frame ? FromWx(m_frame->GetTitle()) : ""; }
    void SetMenu(const Menu& menu) override {
        if (m_frame) m_frame->SetMenuModel(menu);
        m_menu = menu;
    }
    const Menu& GetMenu() const override { return m_frame ? m_frame->MenuModel() : m_menu; }
    void SetMenuItemCheck(int id, bool checked) override {
        if (m_frame) m_frame->SetCheck(id, checked);
    }
    void ShowControlBar(ControlBar bar, bool show) override {
        if (!m_frame) return;
        wxWindow* w = bar == ControlBar::ToolBar ? static_cast<wxWindow*>(m_frame->Tools())
                                                 : static_cast<wxWindow*>(m_frame->Status());
        if (w) w->Show(show);
        m_frame->SendSizeEvent();
    }
    bool IsControlBarVisible(ControlBar bar) const override {
        if (!m_frame) return false;
        wxWindow* w = bar == ControlBar::ToolBar ? static_cast<wxWindow*>(m_frame->Tools())
                                                 : static_cast<wxWindow*>(m_frame->Status());
        return w && w->IsShown();
    }
    void SetStatusText(int pane, const std::string& text) override {
        if (!m_frame || !m_frame->Status()) return;
        if (pane < 0 || pane >= m_frame->Status()->GetFieldsCount()) return;
        m_frame->Status()->SetStatusText(ToWx(text), pane);
        m_frame->Status()->Update();
    }
    std::string GetStatusText(int pane) const override {
        if (!m_frame || !m_frame->Status()) return "";
        if (pane < 0 || pane >= m_frame->Status()->GetFieldsCount()) return "";
        return FromWx(m_frame->Status()->GetStatusText(pane));
    }
    int StatusPaneWidth(const std::string& text) const override {
        if (!m_frame || !m_frame->Status()) return 0;
        // The bar draws a pane's text inside its borders, two pixels from each edge, and cuts
        // what does not fit; two pixels more each side keep the text off the edges.
        constexpr int kTextMargin = 2 + 2;
        const wxStatusBar* bar = m_frame->Status();
        return bar->GetTextExtent(ToWx(text)).x + 2 * bar->GetBorderX() + 2 * kTextMargin;
    }
    void SetStatusWidths(const std::vector<int>& widths) override {
        if (!m_frame || !m_frame->Status()) return;
        if (static_cast<int>(widths.size()) != m_frame->Status()->GetFieldsCount()) return;
        m_frame->Status()->SetStatusWidths(static_cast<int>(widths.size()), widths.data());
    }
    WindowPlacement GetPlacement() const override {
        WindowPlacement p;
        if (!m_frame) return p;
        p.showCommand = m_frame->IsMaximized()  ? kShowMaximized
                        : m_frame->IsIconized() ? kShowMinimized
                                                : kShowNormal;
        p.normal = m_frame->NormalRect();
        return p;
    }
    void SetPlacement(const WindowPlacement& p) override {
        if (!m_frame) return;
        const Rect& r = p.normal;
        if (r.Width() > 100 && r.Height() > 100) {
            m_frame->SetSize(r.left, r.top, r.Width(), r.Height());
            m_frame->SetNormalRect(r);
        }
        // A window closed while minimised comes back as a normal one.
        m_maximize = p.showCommand == kShowMaximized;
        if (m_frame->IsShown()) m_frame->Maximize(m_maximize);
    }
    void Show(int showCommand) override {
        if (!m_frame) return;
        const bool show = showCommand != kShowHide;
        m_frame->Handler().OnFrameShowWindow(show, m_frame->IsShown());
        m_frame->Show(show);
        if (show && (m_maximize || showCommand == kShowMaximized)) m_frame->Maximize(true);
        if (show) RaisePopups();
    }
    bool IsVisible() const override { return m_frame && m_frame->IsShown(); }
    void Invalidate() override {
        if (m_frame) m_frame->Refresh();
    }
    void Update() override {
        if (m_frame) m_frame->Update();
    }
    void DragAcceptFiles(bool accept) override {
        if (m_frame) m_frame->DragAcceptFiles(accept);
    }
    std::unique_ptr<ChildPeer> CreateChild(ChildHandler& handler,
                                           const std::string& title) override {
        if (!m_frame) return nullptr;
        MdiClient* client = m_frame->Client();
        auto* window = new ChildWindow(client, handler, title);
        client->Add(window);
        client->Relayout();
        return std::make_unique<ChildPeerImpl>(client, window);
    }
    void ArrangeChildren(ChildArrangement how) override {
        if (m_frame) m_frame->Client()->Arrange(how);
    }
    void Destroy() override {
        if (!m_frame) return;
        if (MainWindow() == m_frame.get()) SetMainWindow(nullptr);
        m_frame->Destroy();
        m_frame = nullptr;
    }

  private:
    wxWeakRef<MainFrame> m_frame;
    Menu m_menu;
    bool m_maximize = false;
};

// ---- The splash pop-up ----------------------------------------------------------------------

class PopupWindow : public wxFrame {
  public:
    PopupWindow(PopupHandler& handler, const wxRect& rect)
        : wxFrame(nullptr, wxID_ANY, wxEmptyString, rect.GetPosition(), rect.GetSize(),
                  wxFRAME_NO_TASKBAR | wxSTAY_ON_TOP | wxBORDER_NONE | wxFRAME_TOOL_WINDOW),
          m_handler(handler) {
        SetBackgroundStyle(wxBG_STYLE_PAINT);
        SetCursor(wxCursor(wxCURSOR_ARROW));
        Bind(wxEVT_PAINT,
             [this](wxPaintEvent&) { PaintWindow(this, [this](DC& dc) { m_handler.Paint(dc); }); });
    }

  private:
    PopupHandler& m_handler;
};

class PopupPeerImpl : public PopupPeer {
  public:
    PopupPeerImpl(PopupHandler& handler, PopupWindow* window)
        : m_handler(handler), m_window(window) {
        g_splashes.push_back(window);
    }
    ~PopupPeerImpl() override { Destroy(); }
    void Update() override {
        if (m_window) m_window->Update();
    }
    void Destroy() override {
        if (!m_window) return;
        wxWindow* w = m_window.get();
        g_splashes.erase(std::remove(g_splashes.begin(), g_splashes.end(), w), g_splashes.end());
        m_window->Destroy();
        m_window = nullptr;
        m_handler.OnDestroyed();
    }
    Rect WindowRect() const override {
        if (!m_window) return {};
        const wxRect r = m_window->GetScreenRect();
        return {r.x, r.y, r.x + r.width, r.y + r.height};
    }

  private:
    PopupHandler& m_handler;
    wxWeakRef<PopupWindow> m_window;
};

}  // namespace

void RaisePopups() {
    for (wxWindow* w : g_splashes) w->Raise();
}

std::unique_ptr<FramePeer> CreateFramePeer(WxToolkit& toolkit, FrameHandler& handler,
                                           const FrameSpec& spec) {
    auto* frame = new MainFrame(toolkit, handler, spec);
    wxTheApp->SetTopWindow(frame);
    return std::make_unique<FramePeerImpl>(frame);
}

std::unique_ptr<PopupPeer> CreatePopupPeer(WxToolkit&, PopupHandler& handler, FramePeer* owner,
                                           Size size) {
    wxRect area = wxGetClientDisplayRect();
    if (owner) {
        const Rect r = owner->GetPlacement().normal;
        if (r.Width() > 0 && r.Height() > 0) area = wxRect(r.left, r.top, r.Width(), r.Height());
    }
    const wxRect rect(area.x + (area.width - size.cx) / 2, area.y + (area.height - size.cy) / 2,
                      size.cx, size.cy);
    auto* window = new PopupWindow(handler, rect);
    window->Show();
    return std::make_unique<PopupPeerImpl>(handler, window);
}

}  // namespace platform::wx
