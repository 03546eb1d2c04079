#include "platform/ui/dialog.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <climits>
#include <cmath>
#include <limits>
#include <vector>

#include "platform/ui/gl_view.h"
#include "platform/ui/toolkit.h"

namespace platform::ui {

namespace {

DialogCommandRoute& CommandRoute() {
    static DialogCommandRoute route;
    return route;
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

/// `text` without the blanks around it.
std::string_view Trimmed(const std::string& text) {
    std::string_view s(text);
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
    return s;
}

/// Roughly the power of ten of a well-formed unsigned decimal number: above 0 for a number of
/// 1 or more, 0 or below for a smaller one. It tells a value too large for a double from one
/// too small.
long DecimalMagnitude(std::string_view s) {
    long magnitude = 0;
    bool point = false;
    bool significant = false;
    std::size_t i = 0;
    for (; i < s.size() && (std::isdigit(static_cast<unsigned char>(s[i])) || s[i] == '.'); ++i) {
        if (s[i] == '.') {
            point = true;
        } else if (s[i] != '0' || significant) {
            significant = true;
            if (!point) ++magnitude;
        } else if (point) {
            --magnitude;  // a zero after the point and before the first significant digit
        }
    }
    if (!significant) return -1;
    if (i < s.size()) {
        long exponent = 0;
        std::from_chars(s.data() + i + 1 + (s[i + 1] == '+'), s.data() + s.size(), exponent);
        magnitude += exponent;
    }
    return magnitude;
}

/// "%1" and "%2" of `pattern` replaced by `a` and `b`.
std::string FormatMessage(std::string pattern, const std::string& a, const std::string& b = {}) {
    for (auto [mark, value] : {std::pair<const char*, const std::string*>{"%1", &a}, {"%2", &b}}) {
        if (auto at = pattern.find(mark); at != std::string::npos) pattern.replace(at, 2, *value);
    }
    return pattern;
}

std::string Bound(double value) {
    return FormatDouble(value);
}
std::string Bound(float value) {
    return FormatFloat(value);
}
std::string Bound(int value) {
    return std::to_string(value);
}

std::string Format(float value) {
    return FormatFloat(value);
}
std::string Format(int value) {
    return std::to_string(value);
}

/// The text of a number member in its field: a double cut to the digits that fit the field.
std::string Shown(const Dialog& dialog, int id, double value) {
    const ControlTemplate* control = dialog.Template().Control(id);
    return control ? FormatDoubleToFit(value, control->rect.right - control->rect.left)
                   : FormatDouble(value);
}
template <class T>
std::string Shown(const Dialog&, int, T value) {
    return Format(value);
}

/// The number in `text` as the member's type, or nothing with the refusal to show.
std::optional<double> Parse(const std::string& text, double*, const char*& refusal) {
    refusal = kEnterNumber;
    return ParseNumber(text);
}
std::optional<float> Parse(const std::string& text, float*, const char*& refusal) {
    refusal = kEnterNumber;
    std::optional<double> d = ParseNumber(text);
    // A value beyond single precision is not a number the field can hold.
    if (!d || std::abs(*d) > static_cast<double>(std::numeric_limits<float>::max()))
        return std::nullopt;
    return static_cast<float>(*d);
}
std::optional<int> Parse(const std::string& text, int*, const char*& refusal) {
    refusal = kEnterInteger;
    return ParseInteger(text);
}

/// The dialogs whose modal runs are under way, outermost first.
std::vector<Dialog*>& RunningDialogs() {
    static std::vector<Dialog*> running;
    return running;
}

/// Keeps a dialog on the running list for the length of its modal run.
class ModalRun {
  public:
    explicit ModalRun(Dialog* dialog) : m_dialog(dialog) { RunningDialogs().push_back(dialog); }
    ~ModalRun() {
        auto& running = RunningDialogs();
        running.erase(std::remove(running.begin(), running.end(), m_dialog), running.end());
    }
    ModalRun(const ModalRun&) = delete;
    ModalRun& operator=(const ModalRun&) = delete;

  private:
    Dialog* m_dialog;
};

}  // namespace

Dialog* Dialog::ActiveModal() {
    return RunningDialogs().empty() ? nullptr : RunningDialogs().back();
}

// ---- Numbers ------------------------------------------------------------------------------------

namespace {

std::string FormatDoubleDigits(double value, int digits) {
    char buffer[64];
    auto r = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, digits);
    return std::string(buffer, r.ptr);
}

}  // namespace

std::string FormatDouble(double value) {
    return FormatDoubleDigits(value, 15);
}

std::string FormatDoubleToFit(double value, int widthDlu) {
    // A digit of the dialog font is about as wide as the average character, 4 dialog units;
    // the edit's frame and inner padding take about 10 (as measured on GTK's entries).
    constexpr int kDigitDlu = 4;
    constexpr int kFrameDlu = 10;
    constexpr int kFewestDigits = 5;
    const int fits = (widthDlu - kFrameDlu) / kDigitDlu;
    std::string text = FormatDouble(value);
    if (static_cast<int>(text.size()) <= fits || !std::isfinite(value)) return text;
    const double magnitude = std::abs(value);
    const int whole = magnitude >= 1.0 ? static_cast<int>(std::floor(std::log10(magnitude))) + 1 : 0;
    // Beyond 15 whole digits the full text has an exponent already; leave it.
    if (whole > 15) return text;
    for (int digits = 14; digits >= std::max(kFewestDigits, whole); --digits) {
        std::string shorter = FormatDoubleDigits(value, digits);
        // Rounding up can carry into one more whole digit, which the general format then
        // writes with an exponent (999999.96 to "1e+06"): keep the last text without one.
        if (shorter.find('e') != std::string::npos) break;
        text = std::move(shorter);
        if (static_cast<int>(text.size()) <= fits) break;
    }
    return text;
}

std::string FormatFloat(float value) {
    char buffer[64];
    auto r = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 6);
    return std::string(buffer, r.ptr);
}

std::optional<double> ParseNumber(const std::string& text) {
    std::string_view s = Trimmed(text);
    bool negative = false;
    if (!s.empty() && (s.front() == '+' || s.front() == '-')) {
        negative = s.front() == '-';
        s.remove_prefix(1);
    }
    // Digits with at most one point, then an optional exponent: checked here because the
    // conversion below would also take "inf" and "nan".
    std::size_t i = 0;
    int digits = 0;
    bool point = false;
    for (; i < s.size(); ++i) {
        if (std::isdigit(static_cast<unsigned char>(s[i]))) {
            ++digits;
        } else if (s[i] == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (digits == 0) return std::nullopt;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
        const std::size_t firstDigit = j;
        while (j < s.size() && std::isdigit(static_cast<unsigned char>(s[j]))) ++j;
        if (j == firstDigit) return std::nullopt;
        i = j;
    }
    if (i != s.size()) return std::nullopt;

    double value = 0.0;
    auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (end != s.data() + s.size()) return std::nullopt;
    if (ec == std::errc::result_out_of_range) {
        // Too small to tell from 0 is 0; too large is no number at all.
        if (DecimalMagnitude(s) > 0) return std::nullopt;
        value = 0.0;
    } else if (ec != std::errc()) {
        return std::nullopt;
    }
    if (!std::isfinite(value)) return std::nullopt;
    return negative ? -value : value;
}

std::optional<int> ParseInteger(const std::string& text) {
    std::string_view s = Trimmed(text);
    if (!s.empty() && s.front() == '+') s.remove_prefix(1);
    if (s.empty() || s.front() == '+') return std::nullopt;
    int value = 0;
    auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (ec != std::errc() || end != s.data() + s.size()) return std::nullopt;
    return value;
}

int SortedInsertIndex(const std::vector<std::string>& items, const std::string& text) {
    auto lower = [](const std::string& a, const std::string& b) {
        return std::lexicographical_compare(
            a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
                return std::tolower(static_cast<unsigned char>(x)) <
                       std::tolower(static_cast<unsigned char>(y));
            });
    };
    return static_cast<int>(std::upper_bound(items.begin(), items.end(), text, lower) -
                            items.begin());
}

char MnemonicOf(const std::string& text) {
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != '&') continue;
        if (text[i + 1] == '&') {
            ++i;
            continue;
        }
        return static_cast<char>(std::toupper(static_cast<unsigned char>(text[i + 1])));
    }
    return 0;
}

bool TakesFocus(ControlKind kind) {
    switch (kind) {
        case ControlKind::PushButton:
        case ControlKind::DefPushButton:
        case ControlKind::RadioButton:
        case ControlKind::CheckBox:
        case ControlKind::Edit:
        case ControlKind::ComboBox:
        case ControlKind::ListBox:
        case ControlKind::Custom:
        case ControlKind::Slider:
            return true;
        default:
            return false;
    }
}

DialogCommandRoute SetDialogCommandRoute(DialogCommandRoute route) {
    return std::exchange(CommandRoute(), std::move(route));
}

// ---- Data exchange ------------------------------------------------------------------------------

void DataExchange::Fail(int id, const std::string& message) {
    m_failed = true;
    m_dialog.MessageBox(message, MsgButtons::Ok, MsgIcon::Warning);
    m_dialog.GotoDlgCtrl(id);
}

void DataExchange::Text(int id, std::string& value) {
    if (Skip()) return;
    if (m_saving) {
        value = m_dialog.GetDlgItemText(id);
    } else {
        m_dialog.SetDlgItemText(id, value);
    }
}

void DataExchange::Text(int id, std::string& value, int maxChars) {
    if (Skip()) return;
    if (m_saving) {
        std::string text = m_dialog.GetDlgItemText(id);
        // The edit refuses longer typing; a text set by the program may still be longer.
        if (static_cast<int>(text.size()) > maxChars) {
            Fail(id, FormatMessage(kEnterNoMoreThan, std::to_string(maxChars)));
            return;
        }
        value = std::move(text);
    } else {
        m_dialog.SetLimitText(id, maxChars);
        m_dialog.SetDlgItemText(id, value);
    }
}

template <class T>
void DataExchange::Number(int id, T& value, const std::optional<std::pair<T, T>>& range) {
    if (Skip()) return;
    if (!m_saving) {
        m_dialog.SetDlgItemText(id, Shown(m_dialog, id, value));
        return;
    }
    const std::string text = m_dialog.GetDlgItemText(id);
    T parsed = value;
    // The member's own text unchanged keeps the member to its last bit.
    if (text != Shown(m_dialog, id, value)) {
        const char* refusal = nullptr;
        std::optional<T> number = Parse(text, static_cast<T*>(nullptr), refusal);
        if (!number) {
            Fail(id, refusal);
            return;
        }
        parsed = *number;
    }
    if (range && (parsed < range->first || parsed > range->second)) {
        Fail(id, FormatMessage(kEnterNumberBetween, Bound(range->first), Bound(range->second)));
        return;
    }
    value = parsed;
}

void DataExchange::Double(int id, double& value) {
    Number<double>(id, value, std::nullopt);
}
void DataExchange::Double(int id, double& value, double minimum, double maximum) {
    Number<double>(id, value, std::pair{minimum, maximum});
}
void DataExchange::Float(int id, float& value) {
    Number<float>(id, value, std::nullopt);
}
void DataExchange::Float(int id, float& value, float minimum, float maximum) {
    Number<float>(id, value, std::pair{minimum, maximum});
}
void DataExchange::Int(int id, int& value) {
    Number<int>(id, value, std::nullopt);
}
void DataExchange::Int(int id, int& value, int minimum, int maximum) {
    Number<int>(id, value, std::pair{minimum, maximum});
}

void DataExchange::Check(int id, int& value) {
    if (Skip()) return;
    if (m_saving) {
        value = m_dialog.IsDlgButtonChecked(id) ? 1 : 0;
    } else {
        m_dialog.CheckDlgButton(id, value != 0);
    }
}

void DataExchange::ComboIndex(int id, int& index) {
    if (Skip()) return;
    if (m_saving) {
        index = m_dialog.GetCurSel(id);
    } else {
        m_dialog.SetCurSel(id, index);
    }
}

void DataExchange::ListIndex(int id, int& index) {
    ComboIndex(id, index);
}

void DataExchange::ComboText(int id, std::string& value) {
    if (Skip()) return;
    const ControlTemplate* c = m_dialog.Template().Control(id);
    const bool editField = c && (c->style & kStyleComboEdit);
    if (m_saving) {
        const int sel = m_dialog.GetCurSel(id);
        value = editField ? m_dialog.GetDlgItemText(id)
                : sel >= 0 ? m_dialog.GetItemString(id, sel)
                           : std::string();
        return;
    }
    auto startsWith = [&value](const std::string& item) {
        return item.size() >= value.size() &&
               std::equal(value.begin(), value.end(), item.begin(), [](char a, char b) {
                   return std::tolower(static_cast<unsigned char>(a)) ==
                          std::tolower(static_cast<unsigned char>(b));
               });
    };
    for (int i = 0, n = m_dialog.GetCount(id); i < n; ++i) {
        if (startsWith(m_dialog.GetItemString(id, i))) {
            m_dialog.SetCurSel(id, i);
            if (editField) m_dialog.SetDlgItemText(id, m_dialog.GetItemString(id, i));
            return;
        }
    }
    m_dialog.SetCurSel(id, -1);
    if (editField) m_dialog.SetDlgItemText(id, value);
}

// ---- The dialog ---------------------------------------------------------------------------------

int Dialog::DoModal() {
    std::unique_ptr<DialogPeer> peer = GetToolkit().CreateDialog(*this, m_template);
    if (!peer) return kIdCancel;
    m_peer = peer.get();
    m_ended = false;
    m_result = kIdCancel;
    int result = kIdCancel;
    {
        ModalRun run(this);
        result = peer->RunModal();
    }
    m_peer = nullptr;
    return m_ended ? m_result : result;
}

bool Dialog::OnInitDialog() {
    UpdateData(false);
    return true;
}

void Dialog::OnOK() {
    if (!UpdateData(true)) return;
    EndDialog(kIdOk);
}

void Dialog::OnCancel() {
    EndDialog(kIdCancel);
}

bool Dialog::NotifyInit() {
    return OnInitDialog();
}

void Dialog::NotifyCommand(int id) {
    if (m_commands.Dispatch(id)) return;
    if (id == kIdOk) {
        OnOK();
    } else if (id == kIdCancel) {
        OnCancel();
    } else if (IsCommandId(id) && CommandRoute()) {
        // A copy: the command may open a dialog that installs a route of its own.
        DialogCommandRoute route = CommandRoute();
        route(id);
    }
}

void Dialog::Notify(Notification what, int id) {
    auto it = m_notifications.find({what, id});
    if (it == m_notifications.end()) return;
    std::function<void()> handler = it->second;
    handler();
}

void Dialog::OnNotify(Notification what, int id, std::function<void()> handler) {
    m_notifications[{what, id}] = std::move(handler);
}

void Dialog::OnSpin(int id, std::function<bool(int, int)> handler) {
    m_spins[id] = std::move(handler);
}

void Dialog::NotifySpin(int id, bool up) {
    if (!m_peer) return;
    const ControlTemplate* c = m_template.Control(id);
    if (!c || c->kind != ControlKind::Spin) return;
    const int buddy = SpinBuddy(m_template, id);
    const bool buddyInt = (c->style & kStyleBuddyInt) && buddy != kIdStatic;
    int pos = GetSpinPos(id);
    // A number typed into the buddy is where the spin steps from.
    if (buddyInt) {
        if (std::optional<int> typed = ParseInteger(GetDlgItemText(buddy))) pos = *typed;
    }
    const auto [lower, upper] = GetSpinRange(id);
    const int towardsUpper = upper >= lower ? 1 : -1;
    const int delta = up ? towardsUpper : -towardsUpper;
    if (auto it = m_spins.find(id); it != m_spins.end()) {
        std::function<bool(int, int)> handler = it->second;
        if (!handler(pos, delta)) return;
    }
    const long long next = static_cast<long long>(pos) + delta;
    if (next < std::min(lower, upper) || next > std::max(lower, upper)) return;
    SetSpinPos(id, static_cast<int>(next));
    if (buddyInt) SetDlgItemText(buddy, std::to_string(next));
}

std::vector<int> Dialog::RadioGroupOf(int id) const {
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

bool Dialog::ClickItem(int id) {
    const ControlTemplate* c = m_template.Control(id);
    if (!m_peer || !c || !IsItemEnabled(id) || !IsItemVisible(id)) return false;
    if (c->kind == ControlKind::RadioButton) {
        CheckRadioButton(id);
    } else if (c->kind == ControlKind::CheckBox) {
        CheckDlgButton(id, !IsDlgButtonChecked(id));
    }
    if (TakesFocus(c->kind)) GotoDlgCtrl(id);
    NotifyCommand(id);
    return true;
}

void Dialog::NotifyReturn() {
    // The button is pressed where it is: the focus stays in the field, so that a refused OK
    // gives it back to the control the user was in.
    auto press = [this](int id) {
        if (IsItemEnabled(id) && IsItemVisible(id)) NotifyCommand(id);
    };
    const ControlTemplate* focus = m_template.Control(GetFocusItem());
    if (focus &&
        (focus->kind == ControlKind::PushButton || focus->kind == ControlKind::DefPushButton)) {
        press(focus->id);
        return;
    }
    for (const ControlTemplate& c : m_template.controls) {
        if (c.kind == ControlKind::DefPushButton) {
            press(c.id);
            return;
        }
    }
    NotifyCommand(kIdOk);
}

int Dialog::NextTabItem(int id, bool forward) const {
    const auto& controls = m_template.controls;
    const int n = static_cast<int>(controls.size());
    int start = -1;
    for (int i = 0; i < n; ++i) {
        if (controls[static_cast<std::size_t>(i)].id == id && id != kIdStatic) start = i;
    }
    for (int step = 1; step <= n; ++step) {
        const int k = ((start + (forward ? step : -step)) % n + n) % n;
        const ControlTemplate& c = controls[static_cast<std::size_t>(k)];
        if (c.id == kIdStatic || !TakesFocus(c.kind)) continue;
        if (!IsItemEnabled(c.id) || !IsItemVisible(c.id)) continue;
        // A radio group is one stop: its checked button, or its first when none is.
        if (c.kind == ControlKind::RadioButton) {
            const std::vector<int> group = RadioGroupOf(c.id);
            const auto checked = std::find_if(group.begin(), group.end(),
                                              [this](int r) { return IsDlgButtonChecked(r); });
            const int stop = checked != group.end() ? *checked : group.front();
            if (c.id != stop) continue;
        }
        return c.id;
    }
    return kIdStatic;
}

bool Dialog::NotifyMnemonic(char letter) {
    letter = static_cast<char>(std::toupper(static_cast<unsigned char>(letter)));
    const auto& controls = m_template.controls;
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const ControlTemplate& c = controls[i];
        if (MnemonicOf(c.text) != letter) continue;
        if (c.kind == ControlKind::Label || c.kind == ControlKind::GroupBox) {
            // The control that follows the label in the template.
            for (std::size_t k = i + 1; k < controls.size(); ++k) {
                const ControlTemplate& next = controls[k];
                if (next.id == kIdStatic || !TakesFocus(next.kind)) continue;
                if (!IsItemEnabled(next.id) || !IsItemVisible(next.id)) return false;
                GotoDlgCtrl(next.id);
                return true;
            }
            return false;
        }
        if (c.id != kIdStatic && ClickItem(c.id)) return true;
    }
    return false;
}

bool Dialog::UpdateData(bool save) {
    if (!m_peer) return false;
    DataExchange dx(*this, save);
    DoDataExchange(dx);
    return !dx.Failed();
}

void Dialog::EndDialog(int result) {
    m_result = result;
    m_ended = true;
    if (m_peer) m_peer->EndModal(result);
}

void Dialog::SetDlgItemText(int id, const std::string& text) {
    if (m_peer) m_peer->SetItemText(id, text);
}

std::string Dialog::GetDlgItemText(int id) const {
    return m_peer ? m_peer->GetItemText(id) : std::string();
}

void Dialog::CheckDlgButton(int id, bool checked) {
    if (m_peer) m_peer->SetCheck(id, checked);
}

bool Dialog::IsDlgButtonChecked(int id) const {
    return m_peer && m_peer->GetCheck(id);
}

void Dialog::CheckRadioButton(int id) {
    for (int other : RadioGroupOf(id)) CheckDlgButton(other, other == id);
}

void Dialog::EnableItem(int id, bool enabled) {
    if (m_peer) m_peer->EnableItem(id, enabled);
}

bool Dialog::IsItemEnabled(int id) const {
    return m_peer && m_peer->IsItemEnabled(id);
}

void Dialog::ShowItem(int id, bool shown) {
    if (m_peer) m_peer->ShowItem(id, shown);
}

bool Dialog::IsItemVisible(int id) const {
    return m_peer && m_peer->IsItemVisible(id);
}

void Dialog::GotoDlgCtrl(int id) {
    if (m_peer) m_peer->SetFocusItem(id);
}

int Dialog::GetFocusItem() const {
    return m_peer ? m_peer->FocusItem() : kIdStatic;
}

void Dialog::SetLimitText(int id, int maxChars) {
    if (m_peer) m_peer->SetLimitText(id, maxChars);
}

void Dialog::InvalidateItem(int id) {
    if (m_peer) m_peer->InvalidateItem(id);
}

Size Dialog::GetItemClientSize(int id) const {
    return m_peer ? m_peer->ItemClientSize(id) : Size{};
}

Rect Dialog::GetItemRect(int id) const {
    return m_peer ? m_peer->ItemRect(id) : Rect{};
}

void Dialog::ResetContent(int id) {
    if (m_peer) m_peer->ResetContent(id);
}

int Dialog::AddString(int id, const std::string& text) {
    return m_peer ? m_peer->AddString(id, text) : -1;
}

int Dialog::GetCount(int id) const {
    return m_peer ? m_peer->GetCount(id) : 0;
}

std::string Dialog::GetItemString(int id, int index) const {
    return m_peer ? m_peer->GetItemString(id, index) : std::string();
}

void Dialog::SetCurSel(int id, int index) {
    if (m_peer) m_peer->SetCurSel(id, index);
}

int Dialog::GetCurSel(int id) const {
    return m_peer ? m_peer->GetCurSel(id) : -1;
}

void Dialog::SetTabStops(int id, const std::vector<int>& stops) {
    if (m_peer) m_peer->SetTabStops(id, stops);
}

void Dialog::SetSpinRange(int id, int lower, int upper) {
    if (m_peer) m_peer->SetSpinRange(id, lower, upper);
}

std::pair<int, int> Dialog::GetSpinRange(int id) const {
    return m_peer ? m_peer->GetSpinRange(id) : std::pair{0, 0};
}

void Dialog::SetSpinPos(int id, int pos) {
    if (m_peer) m_peer->SetSpinPos(id, pos);
}

int Dialog::GetSpinPos(int id) const {
    return m_peer ? m_peer->GetSpinPos(id) : 0;
}

void Dialog::SetItemBitmap(int id, const Bitmap& bitmap) {
    if (m_peer) m_peer->SetItemBitmap(id, bitmap);
}

std::unique_ptr<ControlPeer> Dialog::CreateControlWindow(int id, ControlHandler& handler) {
    return m_peer ? m_peer->CreateControlWindow(id, handler) : nullptr;
}

void Dialog::UpdateNow() {
    if (m_peer) m_peer->UpdateNow();
}

std::unique_ptr<GlRenderer> Dialog::CreateGlCanvas(int id, GlCanvasHandler& handler) {
    return m_peer ? m_peer->CreateGlCanvas(id, handler) : nullptr;
}

MsgResult Dialog::MessageBox(const std::string& text, MsgButtons buttons, MsgIcon icon) {
    return ShowMessage(text, buttons, icon);
}

bool Dialog::AskYesNo(const std::string& text, MsgIcon icon) {
    return MessageBox(text, MsgButtons::YesNo, icon) == MsgResult::Yes;
}

bool Dialog::PassChecks(std::span<const OkCheck> checks) {
    for (const OkCheck& check : checks) {
        if (!check.fails || !check.fails()) continue;
        const MsgResult answer = MessageBox(check.message, check.buttons, check.icon);
        const bool question =
            check.buttons == MsgButtons::YesNo || check.buttons == MsgButtons::YesNoCancel;
        if (question && answer == MsgResult::Yes) continue;
        if (check.focusId != kIdStatic) GotoDlgCtrl(check.focusId);
        return false;
    }
    return true;
}

}  // namespace platform::ui
