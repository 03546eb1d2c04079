// Modal dialogs: a dialog template (resources/) plus a thin class that moves data in and out of
// its controls, validates and answers its controls' commands. The backend's peer shows the
// template's controls and reports clicks; a headless peer plays a script instead.
#pragma once

#include <memory>
#include <string>

#include "platform/ui/command.h"
#include "platform/ui/dialog_template.h"
#include "platform/ui/geometry.h"

namespace platform::ui {

class DC;
class Dialog;

/// The backend's dialog window with the template's controls.
class DialogPeer {
  public:
    virtual ~DialogPeer() = default;
    /// Shows the dialog, calls Dialog::NotifyInit, and returns the result given to EndModal.
    virtual int RunModal() = 0;
    virtual void EndModal(int result) = 0;
    virtual void SetItemText(int id, const std::string& text) = 0;
    virtual std::string GetItemText(int id) const = 0;
    virtual void SetCheck(int id, bool checked) = 0;
    virtual bool GetCheck(int id) const = 0;
    virtual void EnableItem(int id, bool enabled) = 0;
    virtual bool IsItemEnabled(int id) const = 0;
    /// Marks a control (or, for kIdStatic, the whole dialog) for repainting.
    virtual void InvalidateItem(int id) = 0;
    /// Client size of a control in pixels.
    virtual Size ItemClientSize(int id) const = 0;
};

/// Moves values between a dialog's members and its controls (UpdateData).
class DataExchange {
  public:
    DataExchange(Dialog& dialog, bool saving) : m_dialog(dialog), m_saving(saving) {}
    bool Saving() const { return m_saving; }
    /// A control's text and a string member.
    void Text(int id, std::string& value);
    /// A check box and a BOOL member (0 or 1).
    void Check(int id, int& value);

  private:
    Dialog& m_dialog;
    bool m_saving;
};

class Dialog : public CommandTarget {
  public:
    explicit Dialog(const DialogTemplate& tmpl) : m_template(tmpl) {}
    ~Dialog() override = default;
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;

    /// Runs the dialog modally through the installed toolkit; returns kIdOk, kIdCancel or the
    /// value given to EndDialog.
    int DoModal();

    const DialogTemplate& Template() const { return m_template; }
    bool IsRunning() const { return m_peer != nullptr; }
    /// The peer of a running dialog, or nullptr.
    DialogPeer* Peer() const { return m_peer; }
    /// The innermost dialog whose modal run is under way, or nullptr: a message box or a file
    /// dialog raised now belongs to it (and to the main window when there is none).
    static Dialog* ActiveModal();

    // ---- Overridables ------------------------------------------------------------------
    /// After the controls exist: moves the members into them. Returns true.
    virtual bool OnInitDialog();
    /// The OK button: moves the controls into the members and ends with kIdOk.
    virtual void OnOK();
    /// The Cancel button or the close box: ends with kIdCancel.
    virtual void OnCancel();
    virtual void DoDataExchange(DataExchange&) {}
    /// Paints an owner-drawn control; `dc` in the control's pixels.
    virtual void OnDrawItem(int /*id*/, DC& /*dc*/, Size /*clientSize*/) {}

    // ---- Called by the peer ------------------------------------------------------------
    void NotifyInit();
    /// A button or check box was clicked (its state already changed).
    void NotifyCommand(int id);
    void NotifyDrawItem(int id, DC& dc, Size clientSize) { OnDrawItem(id, dc, clientSize); }

    // ---- Operations on the controls ------------------------------------------------------
    bool UpdateData(bool save = true);
    void EndDialog(int result);
    void SetDlgItemText(int id, const std::string& text);
    std::string GetDlgItemText(int id) const;
    void CheckDlgButton(int id, bool checked);
    bool IsDlgButtonChecked(int id) const;
    void EnableItem(int id, bool enabled);
    bool IsItemEnabled(int id) const;
    /// Repaints a control (kIdStatic: the whole dialog).
    void InvalidateItem(int id = kIdStatic);
    Size GetItemClientSize(int id) const;

  private:
    const DialogTemplate& m_template;
    DialogPeer* m_peer = nullptr;
    int m_result = kIdCancel;
    bool m_ended = false;
};

}  // namespace platform::ui
