// Modal dialogs: a dialog template (resources/) plus a thin class that moves data in and out of
// its controls, validates and answers its controls' notifications. The backend's peer shows the
// template's controls and reports what the user does; a headless peer plays a script instead.
//
// What both backends share lives here: the data exchange with its refusals ("Enter a
// number." and the rest, the focus returned to the field), the radio groups, the spin steps,
// mnemonics, Return and Escape, the ordered checks of OK, the sub-dialogs and the route of a
// button that carries a command of the main window.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "platform/host.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/command.h"
#include "platform/ui/control_window.h"
#include "platform/ui/dialog_template.h"
#include "platform/ui/geometry.h"

namespace platform::ui {

class DC;
class Dialog;
class GlCanvasHandler;
class GlRenderer;

/// The backend's dialog window with the template's controls. Ids are template control ids;
/// an id the template does not hold is ignored (reads give empty values).
class DialogPeer {
  public:
    virtual ~DialogPeer() = default;
    /// Shows the dialog, calls Dialog::NotifyInit, and returns the result given to EndModal.
    virtual int RunModal() = 0;
    virtual void EndModal(int result) = 0;

    // ---- Every control ---------------------------------------------------------------------
    /// The text of an edit, label, button, sunken static or a combo's edit field.
    virtual void SetItemText(int id, const std::string& text) = 0;
    virtual std::string GetItemText(int id) const = 0;
    virtual void SetCheck(int id, bool checked) = 0;
    virtual bool GetCheck(int id) const = 0;
    virtual void EnableItem(int id, bool enabled) = 0;
    virtual bool IsItemEnabled(int id) const = 0;
    virtual void ShowItem(int id, bool shown) = 0;
    virtual bool IsItemVisible(int id) const = 0;
    /// Gives a control the keyboard focus; an edit gets its whole text selected.
    virtual void SetFocusItem(int id) = 0;
    /// The control with the focus (kIdStatic when none of the template's has it).
    virtual int FocusItem() const = 0;
    /// The longest text an edit takes from the user (0: no limit of its own).
    virtual void SetLimitText(int id, int maxChars) = 0;
    /// Marks a control (or, for kIdStatic, every painted control) for repainting.
    virtual void InvalidateItem(int id) = 0;
    /// Client size of a control in pixels.
    virtual Size ItemClientSize(int id) const = 0;
    /// A control's rectangle in the dialog's client pixels (where a Custom control goes).
    virtual Rect ItemRect(int id) const = 0;

    // ---- Lists and combos --------------------------------------------------------------------
    virtual void ResetContent(int id) = 0;
    /// Adds an item (in its alphabetical place in a sorted control); returns its index.
    virtual int AddString(int id, const std::string& text) = 0;
    virtual int GetCount(int id) const = 0;
    virtual std::string GetItemString(int id, int index) const = 0;
    /// Selects item `index`; -1 (or an index out of range) selects nothing.
    virtual void SetCurSel(int id, int index) = 0;
    /// The selected item, -1 when none.
    virtual int GetCurSel(int id) const = 0;
    /// Tab stops of a list box, dialog units from its left edge.
    virtual void SetTabStops(int id, const std::vector<int>& stops) = 0;

    // ---- Spins, sliders and pictures ----------------------------------------------------------
    /// A spin's or a slider's range and position.
    virtual void SetSpinRange(int id, int lower, int upper) = 0;
    virtual std::pair<int, int> GetSpinRange(int id) const = 0;
    virtual void SetSpinPos(int id, int pos) = 0;
    virtual int GetSpinPos(int id) const = 0;
    virtual void SetItemBitmap(int id, const Bitmap& bitmap) = 0;

    // ---- Control windows -------------------------------------------------------------------
    /// A control window of the program (a grid) made in the place of Custom control `id`, in
    /// its tab order, drawn and driven by `handler`; nullptr when `id` is no Custom control.
    /// The window goes when the peer returned is dropped or when the dialog closes, whichever
    /// comes first; the peer stays safe to call (and does nothing) after the dialog closed.
    virtual std::unique_ptr<ControlPeer> CreateControlWindow(int id, ControlHandler& handler) = 0;
    /// An OpenGL canvas in the place of Custom control `id` whose text is kGlCanvasClass, its
    /// painting and mouse reported to `handler`, and the renderer that draws into it; nullptr
    /// when `id` is no such control or the toolkit has no OpenGL.
    virtual std::unique_ptr<GlRenderer> CreateGlCanvas(int id, GlCanvasHandler& handler) = 0;
    /// Repaints at once what waits to be repainted (texts set, controls invalidated), without
    /// taking the user's input: a long task run from a handler shows its progress this way.
    virtual void UpdateNow() {}
};

// ---- Numbers as the data exchange writes and reads them -----------------------------------------

/// A double as an edit shows it: up to 15 significant digits ("%.15g"), whatever the locale.
std::string FormatDouble(double value);
/// A double as an edit `widthDlu` dialog units wide shows it: FormatDouble's text while it fits
/// in the field, else fewer significant digits until it does, but never fewer than 5 nor fewer
/// than the digits before the point (no exponent for such a number). A converted value such as
/// 0.150 kcf in kg/m3 (2402.80992373) shows as 2402.81 in a narrow field rather than being cut.
std::string FormatDoubleToFit(double value, int widthDlu);
/// A single-precision value as an edit shows it: up to 6 significant digits ("%.6g").
std::string FormatFloat(float value);
/// The number a field holds: blanks around it, an optional sign, digits with at most one
/// point, an optional exponent. Nothing else is a number (no "inf", "nan", hex or thousands
/// separators), and neither is a value beyond the range of a double.
std::optional<double> ParseNumber(const std::string& text);
/// The integer a field holds: blanks around an optional sign and digits, within int.
std::optional<int> ParseInteger(const std::string& text);

/// The refusals of the data exchange, with %1 and %2 for the bounds.
inline constexpr const char* kEnterNumber = "Enter a number.";
inline constexpr const char* kEnterInteger = "Enter an integer.";
inline constexpr const char* kEnterNumberBetween = "Enter a number between %1 and %2.";
inline constexpr const char* kEnterNoMoreThan = "Enter no more than %1 characters.";

/// Moves values between a dialog's members and its controls (UpdateData). Loading writes each
/// member into its control; saving reads each control into its member and stops at the first
/// field it refuses: the refusal is shown, the focus goes to that field (its text selected), the
/// members after it keep their values and UpdateData answers false.
///
/// A number field whose text is still exactly what its member shows keeps the member as it is,
/// so that a value with more digits than the field shows passes through a dialog unchanged.
class DataExchange {
  public:
    DataExchange(Dialog& dialog, bool saving) : m_dialog(dialog), m_saving(saving) {}
    bool Saving() const { return m_saving; }
    /// A field was refused; nothing more is exchanged.
    bool Failed() const { return m_failed; }

    /// A control's text and a string member.
    void Text(int id, std::string& value);
    /// The same, for an edit that takes at most `maxChars` characters.
    void Text(int id, std::string& value, int maxChars);
    void Double(int id, double& value);
    void Double(int id, double& value, double minimum, double maximum);
    void Float(int id, float& value);
    void Float(int id, float& value, float minimum, float maximum);
    void Int(int id, int& value);
    void Int(int id, int& value, int minimum, int maximum);
    /// A check box and a BOOL member (0 or 1).
    void Check(int id, int& value);
    /// The selected item of a combo (-1: none).
    void ComboIndex(int id, int& index);
    /// A combo's text: its edit field, or the selected item of a drop-down list. Loading selects
    /// the first item that begins with the text (any case), else writes the text into the field.
    void ComboText(int id, std::string& value);
    /// The selected item of a list box (-1: none).
    void ListIndex(int id, int& index);

  private:
    bool Skip() const { return m_failed; }
    void Fail(int id, const std::string& message);
    template <class T>
    void Number(int id, T& value, const std::optional<std::pair<T, T>>& range);

    Dialog& m_dialog;
    bool m_saving;
    bool m_failed = false;
};

/// One check of a dialog's OK, made in the order given: when `fails` answers true, `message`
/// is shown with `buttons` and `icon`. A refusal (an OK button) stops OK; a question (Yes and
/// No) goes on to the next check with Yes and stops OK with No. A stopped OK leaves every entry
/// as typed and the focus on `focusId` (when given).
struct OkCheck {
    std::function<bool()> fails;
    std::string message;
    MsgButtons buttons = MsgButtons::Ok;
    MsgIcon icon = MsgIcon::Warning;
    int focusId = kIdStatic;
};

/// Notifications of controls other than clicks (clicks are commands: Dialog::m_commands).
enum class Notification {
    SelChange,  ///< a list or combo selection the user changed
    DblClick,   ///< a list item double-clicked
    KillFocus,  ///< a control lost the focus
    Change,     ///< the user changed an edit's text
    Scroll,     ///< the user moved a slider
};

/// Where a dialog sends a click of a button whose id is a command of the main window, which the
/// dialog does not handle itself: the program's own command routing (as a menu would send it).
using DialogCommandRoute = std::function<void(int commandId)>;
/// Installs the route (an empty function removes it); returns the previous one.
DialogCommandRoute SetDialogCommandRoute(DialogCommandRoute route);
/// Whether `id` is a command id of the main window (0x8000 to 0xEFFF) rather than a control's.
constexpr bool IsCommandId(int id) {
    return id >= 0x8000 && id < 0xF000;
}

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
    /// After the controls exist: moves the members into them. Returns true to let the focus go
    /// to the first control that takes it, false when it placed the focus itself.
    virtual bool OnInitDialog();
    /// The OK button: moves the controls into the members and ends with kIdOk.
    virtual void OnOK();
    /// The Cancel button, Escape or the close box: ends with kIdCancel.
    virtual void OnCancel();
    virtual void DoDataExchange(DataExchange&) {}
    /// Paints an owner-drawn control; `dc` in the control's pixels.
    virtual void OnDrawItem(int /*id*/, DC& /*dc*/, Size /*clientSize*/) {}

    // ---- Called by the peer ------------------------------------------------------------
    /// Runs OnInitDialog; returns its answer.
    bool NotifyInit();
    /// A button or check box was clicked (its state already changed).
    void NotifyCommand(int id);
    void NotifyDrawItem(int id, DC& dc, Size clientSize) { OnDrawItem(id, dc, clientSize); }
    void Notify(Notification what, int id);
    /// An arrow of spin `id` was pressed (`up`: the upper arrow, or the Up key in its buddy).
    void NotifySpin(int id, bool up);
    /// The user clicks control `id`: a radio button checks itself and clears its group, a
    /// check box toggles, then the click is sent. Refused (false) when the control is missing,
    /// hidden or disabled.
    bool ClickItem(int id);
    /// Return: presses the push button with the focus, else the default button (when enabled
    /// and shown), leaving the focus where it is.
    void NotifyReturn();
    /// Alt and a letter: the control whose text marks that letter with '&': a button is
    /// clicked, a label or group box gives the focus to the next control that takes it. False
    /// when no enabled, visible control has the mnemonic.
    bool NotifyMnemonic(char letter);
    /// The next (or previous) control in tab order after `id` that takes the focus now.
    int NextTabItem(int id, bool forward = true) const;
    /// The other radio buttons of `id`'s group, `id` included, in template order.
    std::vector<int> RadioGroupOf(int id) const;

    // ---- Operations on the controls ------------------------------------------------------
    bool UpdateData(bool save = true);
    void EndDialog(int result);
    void SetDlgItemText(int id, const std::string& text);
    std::string GetDlgItemText(int id) const;
    void CheckDlgButton(int id, bool checked);
    bool IsDlgButtonChecked(int id) const;
    /// Checks `id` and clears the other radio buttons of its group.
    void CheckRadioButton(int id);
    void EnableItem(int id, bool enabled);
    bool IsItemEnabled(int id) const;
    void ShowItem(int id, bool shown);
    bool IsItemVisible(int id) const;
    /// Puts the focus on a control (an edit with its whole text selected).
    void GotoDlgCtrl(int id);
    int GetFocusItem() const;
    void SetLimitText(int id, int maxChars);
    /// Repaints a control (kIdStatic: the whole dialog).
    void InvalidateItem(int id = kIdStatic);
    Size GetItemClientSize(int id) const;
    Rect GetItemRect(int id) const;

    void ResetContent(int id);
    int AddString(int id, const std::string& text);
    int GetCount(int id) const;
    std::string GetItemString(int id, int index) const;
    void SetCurSel(int id, int index);
    int GetCurSel(int id) const;
    void SetTabStops(int id, const std::vector<int>& stops);

    void SetSpinRange(int id, int lower, int upper);
    std::pair<int, int> GetSpinRange(int id) const;
    void SetSpinPos(int id, int pos);
    int GetSpinPos(int id) const;
    void SetItemBitmap(int id, const Bitmap& bitmap);
    /// A control window in the place of Custom control `id` of the running dialog (see
    /// DialogPeer::CreateControlWindow), for example from OnInitDialog:
    /// `m_grid.Attach(CreateControlWindow(IDC_GRID, m_grid), IDC_GRID)`. nullptr when the
    /// dialog is not running or `id` is no Custom control.
    std::unique_ptr<ControlPeer> CreateControlWindow(int id, ControlHandler& handler);
    /// An OpenGL canvas in the place of Custom control `id` of the running dialog (see
    /// DialogPeer::CreateGlCanvas); nullptr when there is none.
    std::unique_ptr<GlRenderer> CreateGlCanvas(int id, GlCanvasHandler& handler);
    /// Repaints the dialog at once (DialogPeer::UpdateNow).
    void UpdateNow();

    // ---- Messages -----------------------------------------------------------------------------
    MsgResult MessageBox(const std::string& text, MsgButtons buttons = MsgButtons::Ok,
                         MsgIcon icon = MsgIcon::Warning);
    /// A question with Yes and No; true for Yes.
    bool AskYesNo(const std::string& text, MsgIcon icon = MsgIcon::None);
    /// Makes `checks` in order (see OkCheck); true when OK may go on.
    bool PassChecks(std::span<const OkCheck> checks);

  protected:
    /// Runs `handler` when the user makes `what` happen to control `id`.
    void OnNotify(Notification what, int id, std::function<void()> handler);
    /// Runs `handler` before spin `id` steps, with its position and the step (+1 or -1; the
    /// upper arrow steps towards the upper end of the range). The spin moves only when the
    /// handler answers true and the new position lies within its range.
    void OnSpin(int id, std::function<bool(int pos, int delta)> handler);

  private:
    const DialogTemplate& m_template;
    DialogPeer* m_peer = nullptr;
    int m_result = kIdCancel;
    bool m_ended = false;
    std::map<std::pair<Notification, int>, std::function<void()>> m_notifications;
    std::map<int, std::function<bool(int, int)>> m_spins;
};

/// Runs dialog `sub` modally over the open one: `copyIn(sub)` fills it first, and only when it
/// ends with OK does `copyBack(sub)` take its values. Returns whether it ended with OK.
template <class Sub, class CopyIn, class CopyBack>
bool RunSubDialog(Sub& sub, CopyIn&& copyIn, CopyBack&& copyBack) {
    copyIn(sub);
    if (sub.DoModal() != kIdOk) return false;
    copyBack(sub);
    return true;
}

/// Where a sorted list or combo puts a new item: after every item that does not sort after
/// it, letters compared without regard to case.
int SortedInsertIndex(const std::vector<std::string>& items, const std::string& text);
/// The letter a control's text marks with '&' (upper case), 0 when none ("&&" is a '&').
char MnemonicOf(const std::string& text);
/// Whether a control of this kind can hold the keyboard focus.
bool TakesFocus(ControlKind kind);

}  // namespace platform::ui
