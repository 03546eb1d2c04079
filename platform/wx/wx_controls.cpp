// Control windows, their floating pop-ups and plain top-level tool windows on wxWidgets, and the
// desktop's look as the GTK theme gives it.
//
// A control window is a frame holding a drawing area and two native scroll bars that the
// control shows and hides itself, so its client area is always the window less the bars it
// asked for. A pop-up never takes the pointer from the control: while it "holds the capture"
// the control's own mouse messages are handed to it, and its own moves, presses and the pointer
// leaving it are reported as well.
#include <wx/clipbrd.h>
#include <wx/combobox.h>
#include <wx/dnd.h>
#include <wx/popupwin.h>
#include <wx/scrolbar.h>
#include <wx/textctrl.h>
#include <wx/settings.h>
#include <wx/stattext.h>
#include <wx/weakref.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "platform/draw/render.h"
#include "platform/ui/clipboard.h"
#include "platform/ui/control_window.h"
#include "platform/ui/menu.h"
#include "platform/wx/wx_support.h"
#include "platform/wx/wx_toolkit.h"

namespace platform::wx {

using namespace platform::ui;

namespace {

unsigned MouseKeysOf(const wxMouseState& m) {
    unsigned keys = 0;
    if (m.LeftIsDown()) keys |= kMouseLeft;
    if (m.RightIsDown()) keys |= kMouseRight;
    if (m.MiddleIsDown()) keys |= kMouseMiddle;
    if (m.ShiftDown()) keys |= kMouseShift;
    if (m.ControlDown()) keys |= kMouseCtrl;
    return keys;
}

unsigned ModifiersOf(const wxKeyboardState& k) {
    unsigned m = kModNone;
    if (k.ShiftDown()) m |= kModShift;
    if (k.ControlDown()) m |= kModCtrl;
    if (k.AltDown()) m |= kModAlt;
    return m;
}

/// The mouse action of a wxWidgets mouse event; false for events the UI layer has no name for.
bool ActionOf(const wxMouseEvent& e, MouseAction& action) {
    const wxEventType t = e.GetEventType();
    if (t == wxEVT_MOTION) {
        action = MouseAction::Move;
    } else if (t == wxEVT_LEFT_DOWN) {
        action = MouseAction::LeftDown;
    } else if (t == wxEVT_LEFT_UP) {
        action = MouseAction::LeftUp;
    } else if (t == wxEVT_LEFT_DCLICK) {
        action = MouseAction::LeftDoubleClick;
    } else if (t == wxEVT_RIGHT_DOWN) {
        action = MouseAction::RightDown;
    } else if (t == wxEVT_RIGHT_UP) {
        action = MouseAction::RightUp;
    } else if (t == wxEVT_MIDDLE_DOWN) {
        action = MouseAction::MiddleDown;
    } else if (t == wxEVT_LEAVE_WINDOW) {
        action = MouseAction::Leave;
    } else {
        return false;
    }
    return true;
}

const wxEventTypeTag<wxMouseEvent> kMouseEvents[] = {
    wxEVT_MOTION,     wxEVT_LEFT_DOWN, wxEVT_LEFT_UP,     wxEVT_LEFT_DCLICK,
    wxEVT_RIGHT_DOWN, wxEVT_RIGHT_UP,  wxEVT_MIDDLE_DOWN, wxEVT_LEAVE_WINDOW};

// ---- Edit fields over a control ---------------------------------------------------------------

/// The handler an edit field reports to, until the field's peer goes (the window may outlive
/// it by a moment: it is destroyed when the events of the moment are done).
struct EditLink {
    EditHandler* handler = nullptr;
};

/// A character of a key event in the program's 8-bit encoding; -1 when it has none.
int CharOf(const wxKeyEvent& e) {
    switch (e.GetKeyCode()) {
        case WXK_TAB:
            return kKeyTab;
        case WXK_RETURN:
        case WXK_NUMPAD_ENTER:
            return kKeyReturn;
        case WXK_ESCAPE:
            return kKeyEscape;
        case WXK_BACK:
            return kKeyBack;
        default:
            break;
    }
    const wxChar c = e.GetUnicodeKey();
    if (c == WXK_NONE || c < ' ') return -1;
    const std::string text = FromWx(wxString(c));
    return text.size() == 1 ? static_cast<unsigned char>(text[0]) : -1;
}

/// The font of `font` on the 96-dpi screen: a negative height is the em in pixels, a positive
/// one the cell height (taken as 1.15 em).
wxFont ToWxFont(const Font& font) {
    constexpr double kPointsPerPixel = 72.0 / 96.0;
    constexpr double kCellPerEm = 1.15;
    const double em = font.height < 0 ? -font.height
                      : font.height > 0 ? font.height / kCellPerEm
                                        : 12.0;
    wxFontInfo info(em * kPointsPerPixel);
    info.FaceName(ToWx(MapFontFace(font.face)));
    if (font.weight >= kFontWeightBold) info.Bold();
    if (font.italic) info.Italic();
    return wxFont(info);
}

class EditPeerImpl : public EditPeer {
  public:
    EditPeerImpl(wxWindow* parent, EditHandler& handler, const Rect& r, const EditSpec& spec)
        : m_link(std::make_shared<EditLink>(EditLink{&handler})), m_dropDown(spec.dropDown) {
        const wxPoint pos(r.left, r.top);
        if (spec.dropDown) {
            wxArrayString choices;
            for (const std::string& c : spec.choices) choices.Add(ToWx(c));
            auto* combo = new wxComboBox(
                parent, wxID_ANY, wxString(), pos, wxSize(r.Width(), -1), choices,
                (spec.chooseOnly ? wxCB_READONLY : wxCB_DROPDOWN) | wxTE_PROCESS_ENTER);
            m_window = combo;
        } else {
            long style = wxBORDER_SIMPLE | wxTE_PROCESS_ENTER | wxTE_PROCESS_TAB;
            if (spec.align & kDtRight) style |= wxTE_RIGHT;
            if (spec.align & kDtCenter) style |= wxTE_CENTRE;
            m_window = new wxTextCtrl(parent, wxID_ANY, wxString(), pos,
                                      wxSize(r.Width(), r.Height()), style);
        }
        if (spec.font) m_window->SetFont(ToWxFont(*spec.font));
        std::shared_ptr<EditLink> link = m_link;
        m_window->Bind(wxEVT_KEY_DOWN, [link](wxKeyEvent& e) {
            if (link->handler && link->handler->OnKeyDown(ToKeyCode(e), ToModifiers(e))) return;
            e.Skip();
        });
        m_window->Bind(wxEVT_KEY_UP, [link](wxKeyEvent& e) {
            if (link->handler && link->handler->OnKeyUp(ToKeyCode(e), ToModifiers(e))) return;
            e.Skip();
        });
        m_window->Bind(wxEVT_CHAR, [link](wxKeyEvent& e) {
            const int c = CharOf(e);
            if (c >= 0 && link->handler && link->handler->OnChar(c, ToModifiers(e))) return;
            e.Skip();
        });
        m_window->Bind(wxEVT_TEXT, [link](wxCommandEvent& e) {
            if (link->handler) link->handler->OnChange();
            e.Skip();
        });
        m_window->Bind(wxEVT_KILL_FOCUS, [link](wxFocusEvent& e) {
            e.Skip();
            if (link->handler) link->handler->OnKillFocus();
        });
    }
    ~EditPeerImpl() override {
        m_link->handler = nullptr;
        if (m_window) {
            m_window->Hide();
            wxTheApp->ScheduleForDestruction(m_window.get());
        }
    }
    void SetText(const std::string& text) override {
        if (wxTextEntry* e = Entry()) {
            e->ChangeValue(ToWx(text));
            e->SetInsertionPointEnd();
        }
    }
    std::string GetText() const override {
        const wxTextEntry* e = Entry();
        return e ? FromWx(e->GetValue()) : std::string();
    }
    void SetSelection(int start, int end) override {
        wxTextEntry* e = Entry();
        if (!e) return;
        const long last = e->GetLastPosition();
        e->SetSelection(start < 0 ? last : start, end < 0 ? last : end);
    }
    void GetSelection(int& start, int& end) const override {
        long from = 0;
        long to = 0;
        if (const wxTextEntry* e = Entry()) e->GetSelection(&from, &to);
        start = static_cast<int>(from);
        end = static_cast<int>(to);
    }
    void SetRect(const Rect& r) override {
        if (m_window) m_window->SetSize(r.left, r.top, r.Width(), m_dropDown ? -1 : r.Height());
    }
    Rect GetRect() const override {
        if (!m_window) return {};
        const wxRect r = m_window->GetRect();
        return {r.x, r.y, r.x + r.width, r.y + r.height};
    }
    void SetFocus() override {
        if (m_window) m_window->SetFocus();
    }
    bool HasFocus() const override {
        for (wxWindow* w = wxWindow::FindFocus(); w; w = w->GetParent()) {
            if (w == m_window) return true;
        }
        return false;
    }
    void TypeChar(int character) override {
        wxTextEntry* e = Entry();
        if (!e) return;
        if (character == kKeyBack) {
            long from = 0;
            long to = 0;
            e->GetSelection(&from, &to);
            if (from == to && from > 0) --from;
            e->Remove(from, to);
        } else if (character >= ' ' && character <= 0xFF) {
            e->WriteText(ToWx(std::string(1, static_cast<char>(character))));
        }
    }
    void Paste() override {
        if (wxTextEntry* e = Entry()) e->Paste();
    }
    int GetListIndex() const override {
        auto* combo = dynamic_cast<wxComboBox*>(m_window.get());
        return combo ? combo->GetSelection() : -1;
    }
    void SetListIndex(int index) override {
        auto* combo = dynamic_cast<wxComboBox*>(m_window.get());
        if (!combo) return;
        if (index < 0 || index >= static_cast<int>(combo->GetCount())) {
            combo->SetSelection(wxNOT_FOUND);
            return;
        }
        combo->SetSelection(index);
        combo->ChangeValue(combo->GetString(static_cast<unsigned>(index)));
    }

  private:
    wxTextEntry* Entry() const { return dynamic_cast<wxTextEntry*>(m_window.get()); }

    std::shared_ptr<EditLink> m_link;
    wxWeakRef<wxWindow> m_window;
    bool m_dropDown;
};

// ---- Text dragged over a control -------------------------------------------------------------

DropEffect EffectOf(wxDragResult r) {
    switch (r) {
        case wxDragCopy:
            return DropEffect::Copy;
        case wxDragMove:
            return DropEffect::Move;
        default:
            return DropEffect::None;
    }
}

wxDragResult ResultOf(DropEffect e) {
    switch (e) {
        case DropEffect::Copy:
            return wxDragCopy;
        case DropEffect::Move:
            return wxDragMove;
        case DropEffect::None:
            break;
    }
    return wxDragNone;
}

unsigned DragKeys() {
    const wxMouseState m = wxGetMouseState();
    return MouseKeysOf(m);
}

/// Hands text dragged over a control to its handler.
class TextDropTarget : public wxDropTarget {
  public:
    explicit TextDropTarget(ControlHandler& handler)
        : wxDropTarget(new wxTextDataObject), m_handler(handler) {}
    wxDragResult OnEnter(wxCoord x, wxCoord y, wxDragResult) override {
        return ResultOf(m_handler.OnDragEnter(true, DragKeys(), {x, y}));
    }
    wxDragResult OnDragOver(wxCoord x, wxCoord y, wxDragResult) override {
        return ResultOf(m_handler.OnDragOver(true, DragKeys(), {x, y}));
    }
    void OnLeave() override { m_handler.OnDragLeave(); }
    wxDragResult OnData(wxCoord x, wxCoord y, wxDragResult def) override {
        if (!GetData()) return wxDragNone;
        const auto* text = static_cast<wxTextDataObject*>(GetDataObject());
        return m_handler.OnDrop(FromWx(text->GetText()), EffectOf(def), {x, y}) ? def
                                                                                 : wxDragNone;
    }

  private:
    ControlHandler& m_handler;
};

// ---- Floating pop-ups -----------------------------------------------------------------------

class FloatWindow : public wxPopupWindow {
  public:
    FloatWindow(wxWindow* parent, FloatHandler& handler)
        : wxPopupWindow(parent, wxBORDER_NONE), m_handler(handler) {
        SetBackgroundStyle(wxBG_STYLE_PAINT);
        Bind(wxEVT_PAINT,
             [this](wxPaintEvent&) { PaintWindow(this, [this](DC& dc) { m_handler.Paint(dc); }); });
        for (const auto& t : kMouseEvents) {
            Bind(t, [this](wxMouseEvent& e) {
                MouseAction action;
                if (!ActionOf(e, action)) return;
                // The pop-up tells double clicks apart itself.
                if (action == MouseAction::LeftDoubleClick) action = MouseAction::LeftDown;
                m_handler.OnMouse(MouseEvent{action, {e.GetX(), e.GetY()}, MouseKeysOf(e)});
            });
        }
    }
    FloatHandler& Handler() { return m_handler; }

  private:
    FloatHandler& m_handler;
};

class ControlWindow;

class FloatPeerImpl : public FloatPeer {
  public:
    FloatPeerImpl(ControlWindow* control, FloatWindow* window)
        : m_control(control), m_window(window) {}
    ~FloatPeerImpl() override;
    void ShowAt(const Rect& screenRect) override {
        m_rect = screenRect;
        if (!m_window) return;
        m_window->SetSize(screenRect.left, screenRect.top, screenRect.Width(), screenRect.Height());
        m_window->Show();
        m_window->Raise();
    }
    void Hide() override {
        if (m_window) m_window->Hide();
    }
    bool IsVisible() const override { return m_window && m_window->IsShown(); }
    Rect ScreenRect() const override { return m_rect; }
    void CaptureMouse() override;
    void ReleaseMouse() override;
    bool HasCapture() const override;
    void Invalidate() override {
        if (m_window) m_window->Refresh(false);
    }
    FloatWindow* Window() const { return m_window; }
    void ForgetControl() { m_control = nullptr; }

  private:
    ControlWindow* m_control;
    wxWeakRef<FloatWindow> m_window;
    Rect m_rect;
};

// ---- Control windows ------------------------------------------------------------------------

class ControlWindow : public wxWindow {
  public:
    ControlWindow(wxWindow* parent, ControlHandler& handler, const Rect& rect)
        : wxWindow(parent, wxID_ANY, wxPoint(rect.left, rect.top),
                   wxSize(rect.Width(), rect.Height()), wxBORDER_THEME | wxTAB_TRAVERSAL),
          m_handler(handler) {
        m_canvas = new wxWindow(this, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                                wxWANTS_CHARS | wxBORDER_NONE);
        m_canvas->SetBackgroundStyle(wxBG_STYLE_PAINT);
        m_vbar = new wxScrollBar(this, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxSB_VERTICAL);
        m_hbar = new wxScrollBar(this, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxSB_HORIZONTAL);
        m_vbar->Hide();
        m_hbar->Hide();
        m_barSizes = {std::max(1, m_vbar->GetBestSize().x), std::max(1, m_hbar->GetBestSize().y)};
        Relayout();

        m_canvas->Bind(wxEVT_PAINT, [this](wxPaintEvent&) {
            // The control paints what lies in the clip box: the area to repaint.
            const wxRect update = m_canvas->GetUpdateClientRect();
            PaintWindow(m_canvas, [&](DC& dc) {
                if (!update.IsEmpty())
                    dc.IntersectClipRect(
                        {update.x, update.y, update.x + update.width, update.y + update.height});
                m_handler.Paint(dc);
            });
        });
        Bind(wxEVT_SIZE, [this](wxSizeEvent& e) {
            Relayout();
            m_canvas->Refresh(false);
            m_handler.OnSize(ClientSize());
            e.Skip();
        });
        for (const auto& t : kMouseEvents) {
            m_canvas->Bind(t, [this](wxMouseEvent& e) {
                MouseAction action;
                if (ActionOf(e, action)) Mouse(action, {e.GetX(), e.GetY()}, MouseKeysOf(e));
                e.Skip();
            });
        }
        m_canvas->Bind(wxEVT_MOUSEWHEEL, [this](wxMouseEvent& e) {
            const int delta = e.GetWheelRotation() * 120 / std::max(1, e.GetWheelDelta());
            if (e.GetWheelAxis() == wxMOUSE_WHEEL_VERTICAL)
                m_handler.OnMouseWheel(delta, MouseKeysOf(e), {e.GetX(), e.GetY()});
        });
        m_canvas->Bind(wxEVT_KEY_DOWN, [this](wxKeyEvent& e) {
            m_handler.OnKeyDown(ToKeyCode(e), ModifiersOf(e));
            e.Skip();
        });
        m_canvas->Bind(wxEVT_CHAR, [this](wxKeyEvent& e) {
            const wxChar c = e.GetUnicodeKey();
            if (c != WXK_NONE) {
                const std::string text = FromWx(wxString(c));
                if (text.size() == 1)
                    m_handler.OnChar(static_cast<unsigned char>(text[0]), ModifiersOf(e));
            }
        });
        m_canvas->Bind(wxEVT_SET_FOCUS, [this](wxFocusEvent& e) {
            m_handler.OnSetFocus();
            e.Skip();
        });
        m_canvas->Bind(wxEVT_KILL_FOCUS, [this](wxFocusEvent& e) {
            m_handler.OnKillFocus();
            e.Skip();
        });
        m_canvas->Bind(wxEVT_MOUSE_CAPTURE_LOST,
                       [this](wxMouseCaptureLostEvent&) { m_handler.OnCaptureLost(); });
        BindScroll(m_vbar, true);
        BindScroll(m_hbar, false);
        // The focus given to the control (by a dialog, say) goes to its drawing area.
        Bind(wxEVT_SET_FOCUS, [this](wxFocusEvent&) { m_canvas->SetFocus(); });
    }
    ~ControlWindow() override {
        for (FloatPeerImpl* f : m_floats) f->ForgetControl();
    }

    Size ClientSize() const {
        const wxSize s = GetClientSize();
        return {std::max(0, s.x - (m_vbar->IsShown() ? m_barSizes.cx : 0)),
                std::max(0, s.y - (m_hbar->IsShown() ? m_barSizes.cy : 0))};
    }
    Size BarSizes() const { return m_barSizes; }
    ControlHandler& Handler() const { return m_handler; }
    wxScrollBar* Bar(bool vertical) const { return vertical ? m_vbar : m_hbar; }
    wxWindow* Canvas() const { return m_canvas; }

    void ShowBar(bool vertical, bool show) {
        Bar(vertical)->Show(show);
        Relayout();
    }
    void Relayout() {
        const Size client = ClientSize();
        m_canvas->SetSize(0, 0, client.cx, client.cy);
        if (m_vbar->IsShown()) m_vbar->SetSize(client.cx, 0, m_barSizes.cx, client.cy);
        if (m_hbar->IsShown()) m_hbar->SetSize(0, client.cy, client.cx, m_barSizes.cy);
    }

    void AddFloat(FloatPeerImpl* f) { m_floats.push_back(f); }
    void RemoveFloat(FloatPeerImpl* f) {
        m_floats.erase(std::remove(m_floats.begin(), m_floats.end(), f), m_floats.end());
        if (m_captureHolder == f) m_captureHolder = nullptr;
    }
    void SetCaptureHolder(FloatPeerImpl* f) { m_captureHolder = f; }
    FloatPeerImpl* CaptureHolder() const { return m_captureHolder; }

  private:
    /// A mouse message of the drawing area: to the pop-up holding the capture, else the control.
    void Mouse(MouseAction action, Point p, unsigned keys) {
        if (m_captureHolder && m_captureHolder->Window()) {
            const wxPoint screen = m_canvas->ClientToScreen(wxPoint(p.x, p.y));
            const Rect r = m_captureHolder->ScreenRect();
            // Leaving the control for the pop-up over it is no message for the pop-up.
            if (action == MouseAction::Leave) return;
            m_captureHolder->Window()->Handler().OnMouse(
                MouseEvent{action, {screen.x - r.left, screen.y - r.top}, keys});
            return;
        }
        if (action == MouseAction::Leave) return;
        m_handler.OnMouse(MouseEvent{action, p, keys});
    }

    void BindScroll(wxScrollBar* bar, bool vertical) {
        auto bind = [this, bar, vertical](const wxEventTypeTag<wxScrollEvent>& type,
                                          ScrollCode code) {
            bar->Bind(type, [this, vertical, code](wxScrollEvent& e) {
                m_handler.OnScroll(vertical, code, e.GetPosition());
            });
        };
        bind(wxEVT_SCROLL_LINEUP, ScrollCode::LineUp);
        bind(wxEVT_SCROLL_LINEDOWN, ScrollCode::LineDown);
        bind(wxEVT_SCROLL_PAGEUP, ScrollCode::PageUp);
        bind(wxEVT_SCROLL_PAGEDOWN, ScrollCode::PageDown);
        bind(wxEVT_SCROLL_TOP, ScrollCode::Top);
        bind(wxEVT_SCROLL_BOTTOM, ScrollCode::Bottom);
        bind(wxEVT_SCROLL_THUMBTRACK, ScrollCode::ThumbTrack);
        bind(wxEVT_SCROLL_THUMBRELEASE, ScrollCode::ThumbTrack);
    }

    ControlHandler& m_handler;
    wxWindow* m_canvas = nullptr;
    wxScrollBar* m_vbar = nullptr;
    wxScrollBar* m_hbar = nullptr;
    Size m_barSizes;
    std::vector<FloatPeerImpl*> m_floats;
    FloatPeerImpl* m_captureHolder = nullptr;
};

FloatPeerImpl::~FloatPeerImpl() {
    if (m_control) m_control->RemoveFloat(this);
    if (m_window) m_window->Destroy();
}

void FloatPeerImpl::CaptureMouse() {
    if (m_control) m_control->SetCaptureHolder(this);
}

void FloatPeerImpl::ReleaseMouse() {
    if (m_control && m_control->CaptureHolder() == this) m_control->SetCaptureHolder(nullptr);
}

bool FloatPeerImpl::HasCapture() const {
    return m_control && m_control->CaptureHolder() == this;
}

class ControlPeerImpl : public ControlPeer {
  public:
    explicit ControlPeerImpl(ControlWindow* window) : m_window(window) {}
    ~ControlPeerImpl() override {
        if (m_window) m_window->Destroy();
    }
    Size ClientSize() const override { return m_window ? m_window->ClientSize() : Size{}; }
    Size ScrollBarSizes() const override { return m_window ? m_window->BarSizes() : Size{}; }
    void ShowScrollBar(bool vertical, bool show) override {
        if (m_window) m_window->ShowBar(vertical, show);
    }
    bool IsScrollBarShown(bool vertical) const override {
        return m_window && m_window->Bar(vertical)->IsShown();
    }
    void SetScrollBar(bool vertical, int maximum, int page, int position) override {
        if (!m_window) return;
        // Positions 0 to maximum with a thumb of a page: the bar's range counts them all.
        const int thumb = std::max(1, page);
        m_window->Bar(vertical)->SetScrollbar(position, thumb, maximum + 1, thumb);
    }
    void Invalidate() override {
        if (m_window) m_window->Canvas()->Refresh(false);
    }
    void InvalidateRect(const Rect& r) override {
        if (m_window)
            m_window->Canvas()->RefreshRect(wxRect(r.left, r.top, r.Width(), r.Height()), false);
    }
    void Update() override {
        if (m_window) m_window->Canvas()->Update();
    }
    Point ClientToScreen(Point p) const override {
        if (!m_window) return p;
        const wxPoint s = m_window->Canvas()->ClientToScreen(wxPoint(p.x, p.y));
        return {s.x, s.y};
    }
    Point ScreenToClient(Point p) const override {
        if (!m_window) return p;
        const wxPoint c = m_window->Canvas()->ScreenToClient(wxPoint(p.x, p.y));
        return {c.x, c.y};
    }
    void SetFocus() override {
        if (m_window) m_window->Canvas()->SetFocus();
    }
    bool HasFocus() const override {
        return m_window && wxWindow::FindFocus() == m_window->Canvas();
    }
    bool ApplicationHasFocus() const override { return wxWindow::FindFocus() != nullptr; }
    void CaptureMouse() override {
        if (m_window && !m_window->Canvas()->HasCapture()) m_window->Canvas()->CaptureMouse();
    }
    void ReleaseMouse() override {
        if (m_window && m_window->Canvas()->HasCapture()) m_window->Canvas()->ReleaseMouse();
    }
    bool HasCapture() const override { return m_window && m_window->Canvas()->HasCapture(); }
    void SetCursor(CursorShape shape) override {
        if (!m_window) return;
        wxStockCursor id = wxCURSOR_ARROW;
        switch (shape) {
            case CursorShape::Arrow:
                id = wxCURSOR_ARROW;
                break;
            case CursorShape::SizeNS:
                id = wxCURSOR_SIZENS;
                break;
            case CursorShape::SizeWE:
                id = wxCURSOR_SIZEWE;
                break;
            case CursorShape::Wait:
                id = wxCURSOR_WAIT;
                break;
        }
        m_window->Canvas()->SetCursor(wxCursor(id));
    }
    std::unique_ptr<DC> CreateMeasureDC() const override {
        const wxSize screen = wxGetDisplaySize();
        return draw::CreateScreenMeasureDC({screen.x, screen.y});
    }
    std::unique_ptr<FloatPeer> CreateFloat(FloatHandler& handler) override {
        if (!m_window) return nullptr;
        auto* window = new FloatWindow(m_window->Canvas(), handler);
        auto peer = std::make_unique<FloatPeerImpl>(m_window.get(), window);
        m_window->AddFloat(peer.get());
        return peer;
    }
    void SetRect(const Rect& r) override {
        if (m_window) m_window->SetSize(r.left, r.top, r.Width(), r.Height());
    }
    std::unique_ptr<EditPeer> CreateEdit(EditHandler& handler, const Rect& rect,
                                         const EditSpec& spec) override {
        if (!m_window) return nullptr;
        auto edit = std::make_unique<EditPeerImpl>(m_window->Canvas(), handler, rect, spec);
        edit->SetRect(rect);
        return edit;
    }
    DropEffect DragText(const std::string& text) override {
        if (!m_window) return DropEffect::None;
        wxTextDataObject data(ToWx(text));
        wxDropSource source(data, m_window->Canvas());
        return EffectOf(source.DoDragDrop(wxDrag_AllowMove));
    }
    void AcceptTextDrops(bool accept) override {
        if (!m_window) return;
        // The window owns its drop target.
        m_window->Canvas()->SetDropTarget(accept ? new TextDropTarget(m_window->Handler())
                                                 : nullptr);
    }
    bool PointerPosition(Point& client) const override {
        if (!m_window) return false;
        const wxPoint p = m_window->Canvas()->ScreenToClient(wxGetMousePosition());
        client = {p.x, p.y};
        return true;
    }
    std::string AncestorText() const override {
        if (!m_window) return {};
        for (wxWindow* w = m_window->GetParent(); w; w = w->GetParent()) {
            const wxString text = w->GetLabel();
            if (!text.empty()) return FromWx(text);
        }
        return {};
    }

  private:
    wxWeakRef<ControlWindow> m_window;
};

// ---- Top-level tool windows -----------------------------------------------------------------

class ToolFrame : public wxFrame {
  public:
    ToolFrame(TopWindowHandler& handler, const std::string& title, Size client)
        : wxFrame(MainWindow(), wxID_ANY, ToWx(title)), m_handler(handler) {
        m_panel = new wxPanel(this);
        SetClientSize(client.cx, client.cy);
        Bind(wxEVT_CLOSE_WINDOW, [this](wxCloseEvent& e) {
            if (e.CanVeto()) {
                e.Veto();
                m_handler.OnClose();
            } else {
                Destroy();
            }
        });
        Bind(wxEVT_SIZE, [this](wxSizeEvent& e) {
            const wxSize s = GetClientSize();
            m_handler.OnSize({s.x, s.y});
            e.Skip();
        });
    }
    wxPanel* Panel() const { return m_panel; }

  private:
    TopWindowHandler& m_handler;
    wxPanel* m_panel;
};

class TopWindowPeerImpl : public TopWindowPeer {
  public:
    explicit TopWindowPeerImpl(ToolFrame* frame) : m_frame(frame) {}
    ~TopWindowPeerImpl() override {
        if (m_frame) m_frame->Destroy();
    }
    std::unique_ptr<ControlPeer> CreateControl(ControlHandler& handler, const Rect& rect) override {
        if (!m_frame) return nullptr;
        return std::make_unique<ControlPeerImpl>(
            new ControlWindow(m_frame->Panel(), handler, rect));
    }
    void SetTitle(const std::string& title) override {
        if (m_frame) m_frame->SetTitle(ToWx(title));
    }
    void AddLabel(const std::string& text, const Rect& r) override {
        if (m_frame)
            new wxStaticText(m_frame->Panel(), wxID_ANY, ToWx(text), wxPoint(r.left, r.top),
                             wxSize(r.Width(), r.Height()));
    }
    Size ClientSize() const override {
        if (!m_frame) return {};
        const wxSize s = m_frame->GetClientSize();
        return {s.x, s.y};
    }
    void Show(bool show) override {
        if (m_frame) m_frame->Show(show);
    }
    bool IsVisible() const override { return m_frame && m_frame->IsShown(); }

  private:
    wxWeakRef<ToolFrame> m_frame;
};

Colour FromWxColour(const wxColour& c) {
    return Rgb(c.Red(), c.Green(), c.Blue());
}

}  // namespace

std::unique_ptr<ControlPeer> CreateControlWindowPeer(wxWindow* parent, ControlHandler& handler,
                                                     const Rect& rect, wxWindow*& window,
                                                     wxWindow*& canvas) {
    auto* control = new ControlWindow(parent, handler, rect);
    window = control;
    canvas = control->Canvas();
    return std::make_unique<ControlPeerImpl>(control);
}

std::unique_ptr<TopWindowPeer> WxToolkit::CreateTopWindow(TopWindowHandler& handler,
                                                          const std::string& title,
                                                          Size clientSize) {
    return std::make_unique<TopWindowPeerImpl>(new ToolFrame(handler, title, clientSize));
}

SystemLook WxToolkit::Look() const {
    SystemLook look = SystemLook::Classic();
    struct Pair {
        SysColour ours;
        wxSystemColour theirs;
    };
    static const Pair kColours[] = {
        {SysColour::Window, wxSYS_COLOUR_WINDOW},
        {SysColour::WindowText, wxSYS_COLOUR_WINDOWTEXT},
        {SysColour::ButtonFace, wxSYS_COLOUR_BTNFACE},
        {SysColour::ButtonShadow, wxSYS_COLOUR_BTNSHADOW},
        {SysColour::ButtonHighlight, wxSYS_COLOUR_BTNHIGHLIGHT},
        {SysColour::Light3D, wxSYS_COLOUR_3DLIGHT},
        // GTK themes have no darker 3-D shadow than their border colour (the toolkit answers
        // black, which no GTK widget draws): edges of headings take the border colour.
        {SysColour::DarkShadow3D, wxSYS_COLOUR_BTNSHADOW},
        {SysColour::Highlight, wxSYS_COLOUR_HIGHLIGHT},
        {SysColour::HighlightText, wxSYS_COLOUR_HIGHLIGHTTEXT},
        {SysColour::InfoBackground, wxSYS_COLOUR_INFOBK},
        {SysColour::InfoText, wxSYS_COLOUR_INFOTEXT},
    };
    for (const Pair& p : kColours) {
        const wxColour c = wxSystemSettings::GetColour(p.theirs);
        if (c.IsOk()) look.Set(p.ours, FromWxColour(c));
    }
    const wxFont font = wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT);
    if (font.IsOk()) {
        // Points to pixels of the screen the cairo device context draws at.
        const double pixels = font.GetFractionalPointSize() * draw::kScreenDpi / 72.0;
        look.messageFont =
            Font{FromWx(font.GetFaceName()), -static_cast<int>(std::lround(pixels)),
                 font.GetWeight() >= wxFONTWEIGHT_BOLD ? kFontWeightBold : kFontWeightNormal};
    }
    const int doubleClick = wxSystemSettings::GetMetric(wxSYS_DCLICK_MSEC);
    if (doubleClick > 0) look.doubleClickMs = doubleClick;
    return look;
}

// ---- The desktop's clipboard ------------------------------------------------------------------

bool WxClipboard::SetText(const std::string& text) {
    wxClipboardLocker lock;
    if (!lock) return false;
    const bool ok = wxTheClipboard->SetData(new wxTextDataObject(ToWx(text)));
    // The text stays for other programs after this one ends.
    wxTheClipboard->Flush();
    return ok;
}

bool WxClipboard::HasText() const {
    wxClipboardLocker lock;
    if (!lock) return false;
    return wxTheClipboard->IsSupported(wxDF_UNICODETEXT);
}

std::optional<std::string> WxClipboard::GetText() const {
    wxClipboardLocker lock;
    if (!lock || !wxTheClipboard->IsSupported(wxDF_UNICODETEXT)) return std::nullopt;
    wxTextDataObject data;
    if (!wxTheClipboard->GetData(data)) return std::nullopt;
    return FromWx(data.GetText());
}

}  // namespace platform::wx
