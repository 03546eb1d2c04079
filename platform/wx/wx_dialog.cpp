// Modal dialogs from our dialog templates on wxWidgets: GTK's own widgets placed and sized in
// dialog units of the dialog's font, with a few controls of our own where GTK has none of the
// kind (a list box with tab stops, the small up and down arrows of a spin).
// wx_support.h brings wx/wx.h, which the other wx headers need first.
#include "platform/wx/wx_support.h"

#include <wx/evtloop.h>
#include <wx/renderer.h>
#include <wx/statline.h>
#include <wx/valtext.h>
#include <wx/vlbox.h>
#include <wx/weakref.h>

#include <cctype>
#include <cmath>
#include <functional>
#include <map>
#include <memory>
#include <set>

#include "platform/ui/dialog_template.h"
#include "platform/ui/gl_view.h"
#include "platform/wx/wx_gl.h"
#include "platform/wx/wx_toolkit.h"

namespace platform::wx {

using namespace platform::ui;

namespace {

/// The toolkit's ids of the standard buttons, and ours.
int ToWxId(int id) {
    if (id == kIdOk) return wxID_OK;
    if (id == kIdCancel) return wxID_CANCEL;
    return id == kIdStatic ? wxID_ANY : id;
}

int FromWxId(int id) {
    if (id == wxID_OK) return kIdOk;
    if (id == wxID_CANCEL) return kIdCancel;
    return id;
}

/// The program's font with the face and size of `window`'s.
Font FontOf(const wxWindow* window) {
    const wxFont font = window->GetFont();
    // The character height (em) in pixels at the screen's 96 pixels per inch.
    const double em = font.GetFractionalPointSize() * 96.0 / 72.0;
    return {FromWx(font.GetFaceName()), em > 0 ? -static_cast<int>(std::lround(em)) : -12,
            kFontWeightNormal};
}

/// A sunken static: shows its text, or lets the dialog paint it.
class SunkenFrame : public wxWindow {
  public:
    /// `ownerDraw`, when given, paints the frame in place of its text.
    SunkenFrame(wxWindow* parent, int id, const wxPoint& pos, const wxSize& size,
                std::function<void(DC&, Size)> ownerDraw)
        : wxWindow(parent, id, pos, size, wxBORDER_SUNKEN | wxFULL_REPAINT_ON_RESIZE),
          m_ownerDraw(std::move(ownerDraw)) {
        SetBackgroundStyle(wxBG_STYLE_PAINT);
        Bind(wxEVT_PAINT, [this](wxPaintEvent&) {
            PaintWindow(this, [this](DC& dc) {
                const Size s = dc.DeviceSize();
                const wxColour bg = GetParent()->GetBackgroundColour();
                dc.FillSolidRect({0, 0, s.cx, s.cy}, Rgb(bg.Red(), bg.Green(), bg.Blue()));
                if (m_ownerDraw) {
                    m_ownerDraw(dc, s);
                    return;
                }
                const wxColour fg = GetParent()->GetForegroundColour();
                dc.SetBkMode(BkMode::Transparent);
                dc.SetTextColour(Rgb(fg.Red(), fg.Green(), fg.Blue()));
                dc.SelectFont(FontOf(GetParent()));
                Rect r{4, 0, s.cx - 4, s.cy};
                dc.DrawText(m_text, r, kDtLeft | kDtVCenter | kDtSingleLine);
            });
        });
    }
    void SetText(const std::string& text) {
        m_text = text;
        Refresh();
    }
    const std::string& Text() const { return m_text; }

  private:
    std::function<void(DC&, Size)> m_ownerDraw;
    std::string m_text;
};

/// A list box with one selection whose lines are split at tabs into columns at tab stops
/// given in dialog units, as the Windows list box draws them: a sunken frame (GTK draws no
/// frame around a scrolled window of its own) holding the lines.
class TabbedList : public wxWindow {
  public:
    TabbedList(wxWindow* parent, int id, const wxPoint& pos, const wxSize& size)
        : wxWindow(parent, wxID_ANY, pos, size, wxBORDER_SUNKEN),
          m_lines(new LineBox(this, id)) {
        Bind(wxEVT_SIZE, [this](wxSizeEvent& e) {
            m_lines->SetSize(GetClientSize());
            e.Skip();
        });
        m_lines->SetSize(GetClientSize());
    }

    std::vector<std::string> items;
    std::vector<int> stops;  ///< dialog units from the left edge

    /// The window of the lines, which takes the focus and sends the list's events.
    wxWindow* Box() const { return m_lines; }
    void Reload() {
        m_lines->SetItemCount(items.size());
        m_lines->Refresh();
    }
    int GetSelection() const { return m_lines->GetSelection(); }
    void SetSelection(int index) {
        m_lines->SetSelection(index);
        if (index != wxNOT_FOUND) m_lines->ScrollToRow(static_cast<size_t>(index));
    }
    void SetStops(const std::vector<int>& units) {
        stops = units;
        m_lines->Refresh();
    }

  private:
    class LineBox : public wxVListBox {
      public:
        LineBox(TabbedList* owner, int id)
            : wxVListBox(owner, id, wxDefaultPosition, wxDefaultSize, wxBORDER_NONE),
              m_owner(owner) {}

      private:
        void OnDrawItem(wxDC& dc, const wxRect& rect, size_t n) const override {
            const std::vector<std::string>& items = m_owner->items;
            if (n >= items.size()) return;
            dc.SetFont(GetFont());
            dc.SetTextForeground(
                wxSystemSettings::GetColour(IsSelected(n) ? wxSYS_COLOUR_HIGHLIGHTTEXT
                                                          : wxSYS_COLOUR_LISTBOXTEXT));
            const int margin = 2;
            const wxWindow* dialog = m_owner->GetParent();
            auto stopPixels = [&](int units) {
                return dialog->ConvertDialogToPixels(wxPoint(units, 0)).x;
            };
            const std::string& line = items[n];
            int x = margin;
            std::size_t start = 0;
            for (;;) {
                const std::size_t tab = line.find('\t', start);
                const wxString part = ToWx(line.substr(
                    start, tab == std::string::npos ? std::string::npos : tab - start));
                dc.DrawText(part, rect.x + x, rect.y + 1);
                if (tab == std::string::npos) break;
                // The next tab stop beyond the text drawn (every 32 units when none are set).
                const int end = x + dc.GetTextExtent(part).x;
                int next = 0;
                for (int units : m_owner->stops) {
                    if (margin + stopPixels(units) > end) {
                        next = margin + stopPixels(units);
                        break;
                    }
                }
                if (next == 0) {
                    const int pitch = std::max(1, stopPixels(32));
                    next = margin + ((end - margin) / pitch + 1) * pitch;
                }
                x = next;
                start = tab + 1;
            }
        }
        wxCoord OnMeasureItem(size_t) const override { return GetCharHeight() + 2; }

        TabbedList* m_owner;
    };

    LineBox* m_lines;
};

/// The two small arrows of a spin, one above the other. The dialog decides what a press does
/// (Dialog::NotifySpin); a held arrow repeats.
class SpinArrows : public wxWindow {
  public:
    /// `step(up)` is told of each press of an arrow.
    SpinArrows(wxWindow* parent, int id, const wxPoint& pos, const wxSize& size,
               std::function<void(bool up)> step)
        : wxWindow(parent, id, pos, size, wxBORDER_NONE | wxFULL_REPAINT_ON_RESIZE),
          m_step(std::move(step)),
          m_repeat(this) {
        SetBackgroundStyle(wxBG_STYLE_PAINT);
        Bind(wxEVT_PAINT, [this](wxPaintEvent&) { Paint(); });
        Bind(wxEVT_LEFT_DOWN, [this](wxMouseEvent& e) {
            m_up = e.GetY() < GetClientSize().y / 2;
            m_pressed = true;
            if (!HasCapture()) CaptureMouse();
            Refresh();
            Step();
            m_repeat.StartOnce(400);
        });
        Bind(wxEVT_LEFT_DCLICK, [this](wxMouseEvent& e) {
            m_up = e.GetY() < GetClientSize().y / 2;
            Step();
        });
        Bind(wxEVT_LEFT_UP, [this](wxMouseEvent&) { Release(); });
        Bind(wxEVT_MOUSE_CAPTURE_LOST, [this](wxMouseCaptureLostEvent&) { Release(); });
        Bind(wxEVT_TIMER, [this](wxTimerEvent&) {
            if (!m_pressed) return;
            Step();
            m_repeat.StartOnce(60);
        });
    }
    ~SpinArrows() override { m_repeat.Stop(); }

    int rangeLower = 100;  ///< the range as a new spin has it: 100 at the lower arrow
    int rangeUpper = 0;
    int position = 0;

  private:
    void Step() { m_step(m_up); }
    void Release() {
        m_pressed = false;
        m_repeat.Stop();
        if (HasCapture()) ReleaseMouse();
        Refresh();
    }
    void Paint() {
        wxPaintDC dc(this);
        const wxSize s = GetClientSize();
        dc.SetBackground(GetParent()->GetBackgroundColour());
        dc.Clear();
        wxRendererNative& renderer = wxRendererNative::Get();
        const int half = s.y / 2;
        const wxRect top(0, 0, s.x, half);
        const wxRect bottom(0, half, s.x, s.y - half);
        const int flags = IsEnabled() ? 0 : static_cast<int>(wxCONTROL_DISABLED);
        renderer.DrawPushButton(this, dc, top,
                                flags | (m_pressed && m_up ? static_cast<int>(wxCONTROL_PRESSED) : 0));
        renderer.DrawPushButton(this, dc, bottom,
                                flags | (m_pressed && !m_up ? static_cast<int>(wxCONTROL_PRESSED) : 0));
        const wxColour ink = wxSystemSettings::GetColour(IsEnabled() ? wxSYS_COLOUR_BTNTEXT
                                                                     : wxSYS_COLOUR_GRAYTEXT);
        dc.SetPen(ink);
        dc.SetBrush(ink);
        auto arrow = [&dc](const wxRect& r, bool up) {
            const int w = std::max(3, std::min(r.width - 4, r.height) / 2);
            const int cx = r.x + r.width / 2;
            const int cy = r.y + r.height / 2;
            const int h = std::max(2, w / 2);
            wxPoint p[3];
            if (up) {
                p[0] = {cx - w / 2, cy + h / 2};
                p[1] = {cx + w / 2, cy + h / 2};
                p[2] = {cx, cy - h / 2};
            } else {
                p[0] = {cx - w / 2, cy - h / 2};
                p[1] = {cx + w / 2, cy - h / 2};
                p[2] = {cx, cy + h / 2};
            }
            dc.DrawPolygon(3, p);
        };
        arrow(top, true);
        arrow(bottom, false);
    }

    std::function<void(bool)> m_step;
    wxTimer m_repeat;
    bool m_up = true;
    bool m_pressed = false;
};

class DialogPeerImpl : public DialogPeer {
    std::shared_ptr<bool> m_alive = std::make_shared<bool>(true);

    /// `handler`, run only while the peer lives.
    template <class Handler>
    auto Guarded(Handler handler) {
        return [alive = m_alive, handler = std::move(handler)](auto&&... args) {
            if (*alive) handler(std::forward<decltype(args)>(args)...);
        };
    }

  public:
    DialogPeerImpl(WxToolkit& toolkit, Dialog& dialog, const DialogTemplate& tmpl)
        : m_dialog(dialog), m_template(tmpl) {
        m_window = new wxDialog(ModalOwner(), wxID_ANY, ToWx(tmpl.caption), wxDefaultPosition,
                                wxDefaultSize, wxDEFAULT_DIALOG_STYLE);
        auto dlu = [this](int x, int y) { return m_window->ConvertDialogToPixels(wxPoint(x, y)); };
        const wxPoint client = dlu(tmpl.size.cx, tmpl.size.cy);
        m_window->SetClientSize(client.x, client.y);

        for (const ControlTemplate& c : tmpl.controls) {
            const wxPoint pos = dlu(c.rect.left, c.rect.top);
            const wxPoint ext = dlu(c.rect.Width(), c.rect.Height());
            const wxSize size(ext.x, ext.y);
            wxWindow* w = MakeControl(toolkit, c, pos, size);
            if (!w) continue;
            if (c.style & kStyleDisabled) w->Enable(false);
            if (c.style & kStyleHidden) w->Show(false);
            if (c.id != kIdStatic) m_controls[c.id] = w;
            if (c.id != kIdStatic && TakesFocus(c.kind)) {
                const int id = c.id;
                if (auto* list = dynamic_cast<TabbedList*>(w)) w = list->Box();
                w->Bind(wxEVT_KILL_FOCUS, Guarded([this, id](wxFocusEvent& e) {
                    e.Skip();
                    m_dialog.Notify(Notification::KillFocus, id);
                }));
            }
        }
        // The arrow keys in a spin's buddy step the spin.
        for (const ControlTemplate& c : tmpl.controls) {
            if (c.kind != ControlKind::Spin) continue;
            const int spin = c.id;
            if (wxWindow* buddy = Control(SpinBuddy(tmpl, spin))) {
                buddy->Bind(wxEVT_KEY_DOWN, Guarded([this, spin](wxKeyEvent& e) {
                    if (e.GetKeyCode() == WXK_UP || e.GetKeyCode() == WXK_DOWN) {
                        m_dialog.NotifySpin(spin, e.GetKeyCode() == WXK_UP);
                        return;
                    }
                    e.Skip();
                }));
            }
        }

        auto notify = Guarded(
            [this](wxCommandEvent& e) { m_dialog.NotifyCommand(TemplateId(e.GetId())); });
        m_window->Bind(wxEVT_BUTTON, notify);
        m_window->Bind(wxEVT_RADIOBUTTON, notify);
        m_window->Bind(wxEVT_CHECKBOX, notify);
        auto selChange = Guarded([this](wxCommandEvent& e) {
            m_dialog.Notify(Notification::SelChange, FromWxId(e.GetId()));
        });
        m_window->Bind(wxEVT_CHOICE, selChange);
        m_window->Bind(wxEVT_COMBOBOX, selChange);
        m_window->Bind(wxEVT_LISTBOX, selChange);
        m_window->Bind(wxEVT_LISTBOX_DCLICK, Guarded([this](wxCommandEvent& e) {
            m_dialog.Notify(Notification::DblClick, FromWxId(e.GetId()));
        }));
        m_window->Bind(wxEVT_TEXT, Guarded([this](wxCommandEvent& e) {
            m_dialog.Notify(Notification::Change, FromWxId(e.GetId()));
        }));
        m_window->Bind(wxEVT_CLOSE_WINDOW,
                       Guarded([this](wxCloseEvent&) { m_dialog.NotifyCommand(kIdCancel); }));
        m_window->Bind(wxEVT_CHAR_HOOK, Guarded([this](wxKeyEvent& e) {
            const int key = e.GetKeyCode();
            if (key == WXK_ESCAPE) {
                m_dialog.NotifyCommand(kIdCancel);
                return;
            }
            // Tab leaves a control window, which takes every other key, for the next control.
            if (key == WXK_TAB && !e.ControlDown() && !e.AltDown() &&
                m_controlWindows.count(FocusItem()) != 0) {
                const int next = m_dialog.NextTabItem(FocusItem(), !e.ShiftDown());
                if (next != kIdStatic) SetFocusItem(next);
                return;
            }
            // Return presses the default button, or the push button that has the focus.
            if ((key == WXK_RETURN || key == WXK_NUMPAD_ENTER) && !e.HasAnyModifiers()) {
                m_dialog.NotifyReturn();
                return;
            }
            if (e.AltDown() && !e.ControlDown() && key > 0 && key < 128 &&
                std::isalnum(key) && m_dialog.NotifyMnemonic(static_cast<char>(key))) {
                return;
            }
            e.Skip();
        }));
        m_window->CentreOnParent();
    }

    ~DialogPeerImpl() override {
        // The window goes later, with its events: none of them may reach the dialog.
        *m_alive = false;
        if (m_window) m_window->Destroy();
    }

    int RunModal() override {
        const bool firstControl = m_dialog.NotifyInit();
        if (m_ended) return m_result;
        // The focus goes to the first control that takes it, unless the dialog placed it.
        if (firstControl) {
            m_window->CallAfter(Guarded([this] {
                if (wxWindow* first = Control(m_dialog.NextTabItem(kIdStatic))) first->SetFocus();
            }));
        }
        OwnedModal owned(m_window->GetParent());
        m_window->ShowModal();
        return m_result;
    }
    void EndModal(int result) override {
        m_ended = true;
        m_result = result;
        if (m_window && m_window->IsModal()) m_window->EndModal(result);
    }
    void SetItemText(int id, const std::string& text) override {
        if (auto f = m_frames.find(id); f != m_frames.end()) {
            f->second->SetText(text);
        } else if (wxWindow* w = Control(id)) {
            if (auto* t = dynamic_cast<wxTextCtrl*>(w)) {
                t->ChangeValue(ToWx(text));
            } else if (auto* cb = dynamic_cast<wxComboBox*>(w)) {
                cb->ChangeValue(ToWx(text));
            } else if (auto* s = dynamic_cast<wxStaticText*>(w)) {
                // A new text (a metric label, an edition's) wraps within the label's place.
                s->SetLabel(ToWx(text));
                s->Wrap(s->GetSize().x);
            } else if (!dynamic_cast<wxChoice*>(w)) {
                w->SetLabel(ToWx(text));
            }
        }
    }
    std::string GetItemText(int id) const override {
        if (auto f = m_frames.find(id); f != m_frames.end()) return f->second->Text();
        wxWindow* w = Control(id);
        if (!w) return {};
        if (auto* t = dynamic_cast<wxTextCtrl*>(w)) return FromWx(t->GetValue());
        if (auto* cb = dynamic_cast<wxComboBox*>(w)) return FromWx(cb->GetValue());
        if (auto* ch = dynamic_cast<wxChoice*>(w)) return FromWx(ch->GetStringSelection());
        return FromWx(w->GetLabel());
    }
    void SetCheck(int id, bool checked) override {
        if (auto* r = dynamic_cast<wxRadioButton*>(Control(id))) r->SetValue(checked);
        if (auto* c = dynamic_cast<wxCheckBox*>(Control(id))) c->SetValue(checked);
    }
    bool GetCheck(int id) const override {
        if (auto* r = dynamic_cast<wxRadioButton*>(Control(id))) return r->GetValue();
        if (auto* c = dynamic_cast<wxCheckBox*>(Control(id))) return c->GetValue();
        return false;
    }
    void EnableItem(int id, bool enabled) override {
        if (wxWindow* w = Control(id)) w->Enable(enabled);
    }
    bool IsItemEnabled(int id) const override {
        wxWindow* w = Control(id);
        return w && w->IsEnabled();
    }
    void ShowItem(int id, bool shown) override {
        if (wxWindow* w = Control(id)) w->Show(shown);
    }
    bool IsItemVisible(int id) const override {
        wxWindow* w = Control(id);
        return w && w->IsShown();
    }
    void SetFocusItem(int id) override {
        wxWindow* w = Control(id);
        if (auto* list = dynamic_cast<TabbedList*>(w)) w = list->Box();
        if (!w) return;
        w->SetFocus();
        if (auto* t = dynamic_cast<wxTextCtrl*>(w)) t->SelectAll();
    }
    int FocusItem() const override {
        for (wxWindow* w = wxWindow::FindFocus(); w && w != m_window; w = w->GetParent()) {
            for (const auto& [id, control] : m_controls) {
                if (control == w) return id;
            }
        }
        return kIdStatic;
    }
    void SetLimitText(int id, int maxChars) override {
        if (auto* t = dynamic_cast<wxTextCtrl*>(Control(id)))
            t->SetMaxLength(static_cast<unsigned long>(std::max(0, maxChars)));
    }
    void InvalidateItem(int id) override {
        if (id == kIdStatic) {
            for (auto& [cid, f] : m_frames) f->Refresh();
        } else if (wxWindow* w = Control(id)) {
            w->Refresh();
        }
    }
    Size ItemClientSize(int id) const override {
        wxWindow* w = Control(id);
        if (!w) return {};
        const wxSize s = w->GetClientSize();
        return {s.x, s.y};
    }
    Rect ItemRect(int id) const override {
        wxWindow* w = Control(id);
        if (!w) return {};
        const wxRect r = w->GetRect();
        return {r.x, r.y, r.x + r.width, r.y + r.height};
    }

    void ResetContent(int id) override {
        if (auto* list = dynamic_cast<TabbedList*>(Control(id))) {
            list->items.clear();
            list->Reload();
            list->SetSelection(wxNOT_FOUND);
        } else if (auto* items = dynamic_cast<wxItemContainer*>(Control(id))) {
            items->Clear();
        }
    }
    int AddString(int id, const std::string& text) override {
        const ControlTemplate* c = m_template.Control(id);
        if (!c) return -1;
        const bool sorted = (c->style & kStyleSorted) != 0;
        if (auto* list = dynamic_cast<TabbedList*>(Control(id))) {
            const int at = sorted ? SortedInsertIndex(list->items, text)
                                  : static_cast<int>(list->items.size());
            const int selected = list->GetSelection();
            list->items.insert(list->items.begin() + at, text);
            list->Reload();
            if (selected != wxNOT_FOUND && selected >= at) list->SetSelection(selected + 1);
            return at;
        }
        auto* items = dynamic_cast<wxItemContainer*>(Control(id));
        if (!items) return -1;
        int at = static_cast<int>(items->GetCount());
        if (sorted) {
            std::vector<std::string> present;
            for (unsigned i = 0; i < items->GetCount(); ++i)
                present.push_back(FromWx(items->GetString(i)));
            at = SortedInsertIndex(present, text);
        }
        return items->Insert(ToWx(text), static_cast<unsigned>(at));
    }
    int GetCount(int id) const override {
        if (auto* list = dynamic_cast<TabbedList*>(Control(id)))
            return static_cast<int>(list->items.size());
        auto* items = dynamic_cast<wxItemContainer*>(Control(id));
        return items ? static_cast<int>(items->GetCount()) : 0;
    }
    std::string GetItemString(int id, int index) const override {
        if (index < 0 || index >= GetCount(id)) return {};
        if (auto* list = dynamic_cast<TabbedList*>(Control(id)))
            return list->items[static_cast<std::size_t>(index)];
        auto* items = dynamic_cast<wxItemContainer*>(Control(id));
        return items ? FromWx(items->GetString(static_cast<unsigned>(index))) : std::string();
    }
    void SetCurSel(int id, int index) override {
        const int sel = index >= 0 && index < GetCount(id) ? index : wxNOT_FOUND;
        if (auto* list = dynamic_cast<TabbedList*>(Control(id))) {
            list->SetSelection(sel);
        } else if (auto* items = dynamic_cast<wxItemContainer*>(Control(id))) {
            items->SetSelection(sel);
        }
    }
    int GetCurSel(int id) const override {
        if (auto* list = dynamic_cast<TabbedList*>(Control(id))) return list->GetSelection();
        auto* items = dynamic_cast<wxItemContainer*>(Control(id));
        return items ? items->GetSelection() : -1;
    }
    void SetTabStops(int id, const std::vector<int>& stops) override {
        if (auto* list = dynamic_cast<TabbedList*>(Control(id))) list->SetStops(stops);
    }

    void SetSpinRange(int id, int lower, int upper) override {
        if (auto* spin = dynamic_cast<SpinArrows*>(Control(id))) {
            spin->rangeLower = lower;
            spin->rangeUpper = upper;
        }
        if (auto* slider = dynamic_cast<wxSlider*>(Control(id))) {
            slider->SetRange(std::min(lower, upper), std::max(lower, upper));
        }
    }
    std::pair<int, int> GetSpinRange(int id) const override {
        if (auto* slider = dynamic_cast<wxSlider*>(Control(id))) {
            return {slider->GetMin(), slider->GetMax()};
        }
        auto* spin = dynamic_cast<SpinArrows*>(Control(id));
        return spin ? std::pair{spin->rangeLower, spin->rangeUpper} : std::pair{0, 0};
    }
    void SetSpinPos(int id, int pos) override {
        if (auto* spin = dynamic_cast<SpinArrows*>(Control(id))) spin->position = pos;
        if (auto* slider = dynamic_cast<wxSlider*>(Control(id))) slider->SetValue(pos);
    }
    int GetSpinPos(int id) const override {
        if (auto* slider = dynamic_cast<wxSlider*>(Control(id))) return slider->GetValue();
        auto* spin = dynamic_cast<SpinArrows*>(Control(id));
        return spin ? spin->position : 0;
    }
    void SetItemBitmap(int id, const Bitmap& bitmap) override {
        if (auto* picture = dynamic_cast<wxStaticBitmap*>(Control(id)))
            picture->SetBitmap(ToWxBitmap(bitmap));
    }
    std::unique_ptr<ControlPeer> CreateControlWindow(int id, ControlHandler& handler) override {
        const ControlTemplate* c = m_template.Control(id);
        wxWindow* place = Control(id);
        if (!c || c->kind != ControlKind::Custom || !place || !m_window) return nullptr;
        const wxRect r = place->GetRect();
        wxWindow* made = nullptr;
        wxWindow* canvas = nullptr;
        std::unique_ptr<ControlPeer> peer = CreateControlWindowPeer(
            m_window, handler, {r.x, r.y, r.x + r.width, r.y + r.height}, made, canvas);
        canvas->Bind(wxEVT_KILL_FOCUS, Guarded([this, id](wxFocusEvent& e) {
            e.Skip();
            m_dialog.Notify(Notification::KillFocus, id);
        }));
        m_controlWindows.insert(id);
        // The window takes the place's turn in the tab order, its state and its id.
        made->MoveAfterInTabOrder(place);
        made->Enable(place->IsEnabled());
        made->Show(place->IsShown());
        const bool hadFocus = wxWindow::FindFocus() == place;
        m_controls[id] = made;
        place->Destroy();
        if (hadFocus) made->SetFocus();
        return peer;
    }
    std::unique_ptr<GlRenderer> CreateGlCanvas(int id, GlCanvasHandler& handler) override {
        const ControlTemplate* c = m_template.Control(id);
        wxWindow* place = Control(id);
        if (!c || c->kind != ControlKind::Custom || c->text != kGlCanvasClass || !place ||
            !m_window) {
            return nullptr;
        }
        // The canvas takes the place, and reports to the dialog only while the peer lives.
        place->Hide();
        return platform::wx::CreateGlCanvas(m_window, place->GetRect(),
                                            std::make_shared<GuardedGlHandler>(m_alive, handler));
    }
    void UpdateNow() override {
        if (!m_window) return;
        // Paint and size events only: the user's clicks and keys wait until the task is done.
        if (wxEventLoopBase* loop = wxEventLoopBase::GetActive())
            loop->YieldFor(wxEVT_CATEGORY_UI);
        m_window->Update();
    }
    wxDialog* Window() const { return m_window; }

  private:
    /// Passes a canvas's reports on while the peer lives.
    class GuardedGlHandler : public GlCanvasHandler {
      public:
        GuardedGlHandler(std::shared_ptr<bool> alive, GlCanvasHandler& handler)
            : m_alive(std::move(alive)), m_handler(handler) {}
        void OnGlPaint(Size client) override {
            if (*m_alive) m_handler.OnGlPaint(client);
        }
        void OnGlMouse(const MouseEvent& event) override {
            if (*m_alive) m_handler.OnGlMouse(event);
        }

      private:
        std::shared_ptr<bool> m_alive;
        GlCanvasHandler& m_handler;
    };

    wxWindow* Control(int id) const {
        auto it = m_controls.find(id);
        return it == m_controls.end() ? nullptr : it->second;
    }

    /// A GTK widget is as tall as its theme needs: one taller than its place in the template
    /// keeps the place's middle line.
    /// The template id of the control whose wx id is `wxId`.
    int TemplateId(int wxId) const {
        const auto command = m_commandButtons.find(wxId);
        return command != m_commandButtons.end() ? command->second : FromWxId(wxId);
    }

    static void FitHeight(wxWindow* w, const wxPoint& pos, const wxSize& size) {
        const int best = w->GetBestSize().y;
        if (best <= size.y) return;
        w->SetSize(pos.x, pos.y - (best - size.y) / 2, size.x, best);
    }

    wxWindow* MakeControl(WxToolkit& toolkit, const ControlTemplate& c, const wxPoint& pos,
                          const wxSize& size) {
        int id = ToWxId(c.id);
        // A button that carries a command of the main window has an id past the range wx takes
        // for its windows: it gets an id of its own, and its click is told by its template id.
        if (IsCommandId(c.id)) {
            id = wxWindow::NewControlId();
            m_commandButtons[id] = c.id;
        }
        switch (c.kind) {
            case ControlKind::PushButton:
            case ControlKind::DefPushButton: {
                auto* b = new wxButton(m_window, id, ToWx(c.text), pos, size);
                if (c.kind == ControlKind::DefPushButton) b->SetDefault();
                FitHeight(b, pos, size);
                return b;
            }
            case ControlKind::RadioButton: {
                // GTK groups radio buttons from one made with wxRB_GROUP to the next.
                const std::vector<int> group = m_dialog.RadioGroupOf(c.id);
                const bool first = group.empty() || group.front() == c.id;
                return new wxRadioButton(m_window, id, ToWx(c.text), pos, size,
                                         first ? wxRB_GROUP : 0);
            }
            case ControlKind::CheckBox:
                return new wxCheckBox(m_window, id, ToWx(c.text), pos, size);
            case ControlKind::GroupBox:
                return new wxStaticBox(m_window, id, ToWx(c.text), pos, size);
            case ControlKind::Label: {
                long align = (c.style & kStyleCenter)  ? wxALIGN_CENTRE_HORIZONTAL
                             : (c.style & kStyleRight) ? wxALIGN_RIGHT
                                                       : wxALIGN_LEFT;
                auto* t = new wxStaticText(m_window, id, wxString(), pos, size,
                                           align | wxST_NO_AUTORESIZE);
                t->SetLabel(ToWx(c.text));
                t->Wrap(size.x);
                return t;
            }
            case ControlKind::SunkenFrame: {
                std::function<void(DC&, Size)> paint;
                if (c.style & kStyleOwnerDraw) {
                    paint = Guarded([this, cid = c.id](DC& dc, Size s) {
                        m_dialog.NotifyDrawItem(cid, dc, s);
                    });
                }
                auto* f = new SunkenFrame(m_window, id, pos, size, std::move(paint));
                f->SetText(c.text);
                m_frames[c.id] = f;
                return f;
            }
            case ControlKind::Icon:
                return new wxStaticBitmap(m_window, id, ToWxBitmap(toolkit.Icon()), pos, size);
            case ControlKind::Edit: {
                long style = (c.style & kStyleReadOnly) ? wxTE_READONLY : 0;
                if (c.style & kStyleRight) style |= wxTE_RIGHT;
                auto* t = new wxTextCtrl(m_window, id, ToWx(c.text), pos, size, style);
                if (c.style & kStyleNumber) t->SetValidator(wxTextValidator(wxFILTER_DIGITS));
                FitHeight(t, pos, size);
                return t;
            }
            case ControlKind::ComboBox: {
                // The template's height includes the dropped list; the widget takes its own.
                wxControl* combo = nullptr;
                if (c.style & kStyleComboEdit) {
                    combo = new wxComboBox(m_window, id, wxString(), pos, wxSize(size.x, -1), 0,
                                           nullptr, wxCB_DROPDOWN);
                } else {
                    combo = new wxChoice(m_window, id, pos, wxSize(size.x, -1));
                }
                return combo;
            }
            case ControlKind::ListBox:
                return new TabbedList(m_window, id, pos, size);
            case ControlKind::Spin:
                return new SpinArrows(m_window, id, pos, size, Guarded([this, cid = c.id](bool up) {
                                          m_dialog.NotifySpin(cid, up);
                                      }));
            case ControlKind::Picture:
                return new wxStaticBitmap(m_window, id, wxBitmap(), pos, size);
            case ControlKind::Custom:
                return new wxWindow(m_window, id, pos, size, wxBORDER_SUNKEN);
            case ControlKind::Slider: {
                auto* slider = new wxSlider(m_window, id, 0, 0, 100, pos, size, wxSL_VERTICAL);
                slider->Bind(wxEVT_SLIDER, Guarded([this, cid = c.id](wxCommandEvent&) {
                    m_dialog.Notify(Notification::Scroll, cid);
                }));
                return slider;
            }
        }
        return nullptr;
    }

    Dialog& m_dialog;
    const DialogTemplate& m_template;
    wxWeakRef<wxDialog> m_window;
    std::map<int, wxWindow*> m_controls;
    std::map<int, int> m_commandButtons;  ///< the wx id of a command button, its template id
    std::map<int, SunkenFrame*> m_frames;
    std::set<int> m_controlWindows;  ///< Custom controls that hold a control window
    bool m_ended = false;
    int m_result = kIdCancel;
};

}  // namespace

std::unique_ptr<DialogPeer> CreateDialogPeer(WxToolkit& toolkit, Dialog& dialog,
                                             const DialogTemplate& tmpl) {
    return std::make_unique<DialogPeerImpl>(toolkit, dialog, tmpl);
}

wxWindow* ModalOwner() {
    if (Dialog* dialog = Dialog::ActiveModal()) {
        if (auto* peer = dynamic_cast<DialogPeerImpl*>(dialog->Peer())) {
            wxDialog* window = peer->Window();
            if (window && window->IsShown()) return window;
        }
    }
    return MainWindow();
}

OwnedModal::OwnedModal(wxWindow* owner) : m_owner(owner) {
    wxWindow* focus = wxWindow::FindFocus();
    if (m_owner && focus && wxGetTopLevelParent(focus) == m_owner) m_focus = focus;
}

OwnedModal::~OwnedModal() {
    if (!m_owner || !m_owner->IsShown()) return;
    // Raising a top-level window also gives it the keyboard focus when no window manager
    // does.
    m_owner->Raise();
    if (m_focus) {
        m_focus->SetFocus();
    } else {
        m_owner->SetFocus();
    }
}

}  // namespace platform::wx
