// Modal dialogs from our dialog templates on wxWidgets.
#include <wx/statline.h>
#include <wx/weakref.h>

#include <map>

#include "platform/ui/dialog_template.h"
#include "platform/wx/wx_support.h"
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

/// A sunken static: shows its text, or lets the dialog paint it.
class SunkenFrame : public wxWindow {
  public:
    SunkenFrame(wxWindow* parent, int id, const wxPoint& pos, const wxSize& size, bool ownerDraw,
                Dialog& dialog)
        : wxWindow(parent, id, pos, size, wxBORDER_SUNKEN | wxFULL_REPAINT_ON_RESIZE),
          m_ownerDraw(ownerDraw),
          m_dialog(dialog),
          m_id(id) {
        SetBackgroundStyle(wxBG_STYLE_PAINT);
        Bind(wxEVT_PAINT, [this](wxPaintEvent&) {
            PaintWindow(this, [this](DC& dc) {
                const Size s = dc.DeviceSize();
                const wxColour bg = GetParent()->GetBackgroundColour();
                dc.FillSolidRect({0, 0, s.cx, s.cy}, Rgb(bg.Red(), bg.Green(), bg.Blue()));
                if (m_ownerDraw) {
                    m_dialog.NotifyDrawItem(m_id, dc, s);
                    return;
                }
                dc.SetBkMode(BkMode::Transparent);
                dc.SelectFont({"Arial", -12, kFontWeightNormal});
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
    bool m_ownerDraw;
    Dialog& m_dialog;
    int m_id;
    std::string m_text;
};

class DialogPeerImpl : public DialogPeer {
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
            const int id = ToWxId(c.id);
            wxWindow* w = nullptr;
            switch (c.kind) {
                case ControlKind::PushButton:
                case ControlKind::DefPushButton: {
                    auto* b = new wxButton(m_window, id, ToWx(c.text), pos, size);
                    if (c.kind == ControlKind::DefPushButton) b->SetDefault();
                    w = b;
                    break;
                }
                case ControlKind::RadioButton:
                    w = new wxRadioButton(m_window, id, ToWx(c.text), pos, size,
                                          (c.style & kStyleGroup) ? wxRB_GROUP : 0);
                    break;
                case ControlKind::CheckBox:
                    w = new wxCheckBox(m_window, id, ToWx(c.text), pos, size);
                    break;
                case ControlKind::GroupBox:
                    w = new wxStaticBox(m_window, id, ToWx(c.text), pos, size);
                    break;
                case ControlKind::Label: {
                    long align = (c.style & kStyleCenter)  ? wxALIGN_CENTRE_HORIZONTAL
                                 : (c.style & kStyleRight) ? wxALIGN_RIGHT
                                                           : wxALIGN_LEFT;
                    auto* t = new wxStaticText(m_window, id, wxString(), pos, size,
                                               align | wxST_NO_AUTORESIZE);
                    t->SetLabelText(ToWx(c.text));
                    t->Wrap(size.x);
                    w = t;
                    break;
                }
                case ControlKind::SunkenFrame: {
                    auto* f = new SunkenFrame(m_window, id, pos, size,
                                              (c.style & kStyleOwnerDraw) != 0, dialog);
                    f->SetText(c.text);
                    m_frames[c.id] = f;
                    w = f;
                    break;
                }
                case ControlKind::Icon:
                    w = new wxStaticBitmap(m_window, id, ToWxBitmap(toolkit.Icon()), pos, size);
                    break;
                case ControlKind::Edit:
                    w = new wxTextCtrl(m_window, id, ToWx(c.text), pos, size);
                    break;
            }
            if (w && (c.style & kStyleDisabled)) w->Enable(false);
            if (w && c.id != kIdStatic) m_controls[c.id] = w;
        }

        auto notify = [this](wxCommandEvent& e) { m_dialog.NotifyCommand(FromWxId(e.GetId())); };
        m_window->Bind(wxEVT_BUTTON, notify);
        m_window->Bind(wxEVT_RADIOBUTTON, notify);
        m_window->Bind(wxEVT_CHECKBOX, notify);
        m_window->Bind(wxEVT_CLOSE_WINDOW,
                       [this](wxCloseEvent&) { m_dialog.NotifyCommand(kIdCancel); });
        m_window->Bind(wxEVT_CHAR_HOOK, [this](wxKeyEvent& e) {
            if (e.GetKeyCode() == WXK_ESCAPE) {
                m_dialog.NotifyCommand(kIdCancel);
                return;
            }
            e.Skip();
        });
        m_window->CentreOnParent();
    }

    ~DialogPeerImpl() override {
        if (m_window) m_window->Destroy();
    }

    int RunModal() override {
        m_dialog.NotifyInit();
        if (m_ended) return m_result;
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
            } else if (auto* s = dynamic_cast<wxStaticText*>(w)) {
                s->SetLabelText(ToWx(text));
            } else {
                w->SetLabel(ToWx(text));
            }
        }
    }
    std::string GetItemText(int id) const override {
        if (auto f = m_frames.find(id); f != m_frames.end()) return f->second->Text();
        wxWindow* w = Control(id);
        if (!w) return {};
        if (auto* t = dynamic_cast<wxTextCtrl*>(w)) return FromWx(t->GetValue());
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
    wxDialog* Window() const { return m_window; }

  private:
    wxWindow* Control(int id) const {
        auto it = m_controls.find(id);
        return it == m_controls.end() ? nullptr : it->second;
    }

    Dialog& m_dialog;
    const DialogTemplate& m_template;
    wxWeakRef<wxDialog> m_window;
    std::map<int, wxWindow*> m_controls;
    std::map<int, SunkenFrame*> m_frames;
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
