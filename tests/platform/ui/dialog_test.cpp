// The dialog layer as the input dialogs use it, played on the headless backend as a person at
// the keyboard: typing into fields the data exchange refuses, the focus returned, numbers that
// pass through unchanged, spins, lists and combos, keys, the checks of OK, sub-dialogs and a
// button that carries a command of the main window.
#include "platform/ui/dialog.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <limits>

#include "platform/ui/headless_toolkit.h"
#include "platform/ui/picture.h"

namespace platform::ui {
namespace {

enum : int {
    kName = 200,
    kLength,
    kRatio,
    kCount,
    kFactor,
    kSpinBuddy,
    kSpin,
    kFreeSpin,
    kList,
    kCombo,
    kComboEdit,
    kRadioA,
    kRadioB,
    kHiddenBox,
    kSub,
    kLabelledEdit,
    kCommandButton = 0x8123,  ///< an id of the main window's commands
};

const DialogTemplate& FormTemplate() {
    static const DialogTemplate t = [] {
        DialogTemplate d;
        d.id = 901;
        d.caption = "Form";
        d.size = {300, 200};
        d.controls = {
            MakeControl(ControlKind::Label, kIdStatic, "&Name:", 0, 0, 40, 9),
            MakeControl(ControlKind::Edit, kName, "", 50, 0, 100, 12),
            MakeControl(ControlKind::Edit, kLength, "", 50, 14, 100, 12),
            MakeControl(ControlKind::Edit, kRatio, "", 50, 28, 100, 12),
            MakeControl(ControlKind::Edit, kCount, "", 50, 42, 100, 12),
            MakeControl(ControlKind::Edit, kFactor, "", 50, 56, 100, 12),
            MakeControl(ControlKind::Edit, kSpinBuddy, "", 50, 70, 30, 12, kStyleReadOnly),
            MakeControl(ControlKind::Spin, kSpin, "", 80, 70, 10, 12, kStyleBuddyInt),
            MakeControl(ControlKind::Spin, kFreeSpin, "", 95, 70, 10, 12),
            MakeControl(ControlKind::ListBox, kList, "", 160, 0, 100, 60, kStyleSorted),
            MakeControl(ControlKind::ComboBox, kCombo, "", 160, 70, 100, 60),
            MakeControl(ControlKind::ComboBox, kComboEdit, "", 160, 90, 100, 60, kStyleComboEdit),
            MakeControl(ControlKind::RadioButton, kRadioA, "&Alpha", 0, 100, 50, 10, kStyleGroup),
            MakeControl(ControlKind::RadioButton, kRadioB, "&Beta", 0, 112, 50, 10),
            MakeControl(ControlKind::CheckBox, kHiddenBox, "Hidden", 0, 124, 50, 10,
                        kStyleGroup | kStyleHidden),
            MakeControl(ControlKind::PushButton, kSub, "&Sub...", 0, 140, 50, 14),
            MakeControl(ControlKind::PushButton, kCommandButton, "&Limits...", 60, 140, 50, 14),
            MakeControl(ControlKind::Label, kIdStatic, "&Width:", 0, 160, 40, 9),
            MakeControl(ControlKind::Edit, kLabelledEdit, "", 50, 160, 40, 12),
            MakeControl(ControlKind::DefPushButton, kIdOk, "OK", 190, 180, 50, 14, kStyleGroup),
            MakeControl(ControlKind::PushButton, kIdCancel, "Cancel", 245, 180, 50, 14),
        };
        return d;
    }();
    return t;
}

const DialogTemplate& SubTemplate() {
    static const DialogTemplate t = [] {
        DialogTemplate d;
        d.id = 902;
        d.caption = "Sub";
        d.size = {100, 50};
        d.controls = {
            MakeControl(ControlKind::Edit, kName, "", 0, 0, 100, 12),
            MakeControl(ControlKind::DefPushButton, kIdOk, "OK", 0, 30, 40, 14),
            MakeControl(ControlKind::PushButton, kIdCancel, "Cancel", 50, 30, 40, 14),
        };
        return d;
    }();
    return t;
}

class SubDialog : public Dialog {
  public:
    SubDialog() : Dialog(SubTemplate()) {}
    void DoDataExchange(DataExchange& dx) override { dx.Text(kName, text); }
    std::string text;
};

/// The members of a form, with the data exchange of each kind the input dialogs use.
class FormDialog : public Dialog {
  public:
    FormDialog() : Dialog(FormTemplate()) {
        OnNotify(Notification::KillFocus, kLength, [this] { ++lengthLeft; });
        OnNotify(Notification::Change, kName, [this] { ++nameChanges; });
        OnNotify(Notification::SelChange, kList, [this] { ++listPicks; });
        OnNotify(Notification::DblClick, kList, [this] { ++listDoubleClicks; });
        OnSpin(kSpin, [this](int pos, int delta) {
            steps.emplace_back(pos, delta);
            return pos + delta != refusedPosition;
        });
        OnSpin(kFreeSpin, [this](int pos, int delta) {
            steps.emplace_back(pos, delta);
            return true;
        });
        m_commands.On(kSub, [this] {
            SubDialog sub;
            RunSubDialog(
                sub, [this](SubDialog& s) { s.text = name; },
                [this](SubDialog& s) { name = s.text; });
            UpdateData(false);
        });
    }
    bool OnInitDialog() override {
        // The lists are filled before the exchange selects their members' items.
        for (const char* item : {"pear", "Apple", "fig", "apple"}) AddString(kList, item);
        SetTabStops(kList, {20, 40});
        for (const char* item : {"None", "Caltrans", "MN"}) AddString(kCombo, item);
        for (const char* item : {"Bulb-tee", "Box beam"}) AddString(kComboEdit, item);
        Dialog::OnInitDialog();
        SetSpinRange(kSpin, 1, 5);
        SetSpinPos(kSpin, 2);
        SetDlgItemText(kSpinBuddy, "2");
        return true;
    }
    void DoDataExchange(DataExchange& dx) override {
        dx.Text(kName, name, 8);
        dx.Double(kLength, length);
        dx.Double(kRatio, ratio, 0.01, 1000);
        dx.Int(kCount, count, 1, 10);
        dx.Float(kFactor, factor);
        dx.Check(kHiddenBox, hidden);
        dx.ComboIndex(kCombo, agency);
        dx.ComboText(kComboEdit, section);
    }
    void OnOK() override {
        if (!UpdateData(true)) return;
        const OkCheck checks[] = {
            {[this] { return length > 500; }, "Too long.", MsgButtons::Ok, MsgIcon::Error,
             kLength},
            {[this] { return ratio < 0.35; }, "Small ratio. Proceed anyway?", MsgButtons::YesNo,
             MsgIcon::None, kRatio},
        };
        if (!PassChecks(checks)) return;
        EndDialog(kIdOk);
    }

    std::string name = "girder";
    double length = 0.1 + 0.2;  // 0.30000000000000004: more digits than a field shows
    double ratio = 1.0;
    int count = 3;
    float factor = 1.0f / 3.0f;
    int hidden = 1;
    int agency = 1;
    std::string section = "Box";
    int lengthLeft = 0;
    int nameChanges = 0;
    int listPicks = 0;
    int listDoubleClicks = 0;
    int refusedPosition = -99;
    std::vector<std::pair<int, int>> steps;
};

class DialogTest : public ::testing::Test {
  protected:
    DialogTest() : hostGuard(host), toolkitGuard(toolkit) {}
    int Run(std::function<void(DialogDriver&)> script) {
        toolkit.QueueDialog(std::move(script));
        return form.DoModal();
    }
    std::vector<std::string> Messages() const {
        std::vector<std::string> texts;
        for (const auto& m : host.Messages()) texts.push_back(m.text);
        return texts;
    }
    HeadlessHost host;
    HeadlessToolkit toolkit{host};
    ScopedHost hostGuard;
    ScopedToolkit toolkitGuard;
    FormDialog form;
};

TEST_F(DialogTest, NumbersAreShownWithFifteenOrSixDigitsWhateverTheValue) {
    const std::pair<double, const char*> doubles[] = {
        {0.1 + 0.2, "0.3"},
        {1.0 / 3.0, "0.333333333333333"},
        {100.0, "100"},
        {-0.0254, "-0.0254"},
        {1e20, "1e+20"},
        {123456789012345678.0, "1.23456789012346e+17"},
    };
    for (auto [value, text] : doubles) EXPECT_EQ(FormatDouble(value), text) << value;
    EXPECT_EQ(FormatFloat(1.0f / 3.0f), "0.333333");
    EXPECT_EQ(FormatFloat(0.75f), "0.75");
    EXPECT_EQ(FormatFloat(1234567.0f), "1.23457e+06");
}

TEST_F(DialogTest, ANarrowFieldShowsFewerDigitsButNeverCutsTheWholeNumber) {
    struct Case {
        double value;
        int widthDlu;
        const char* text;
    };
    const Case cases[] = {
        {0.150 * 16018.732824867224, 44, "2402.81"},  // 0.150 kcf in kg/m3
        {0.150 * 16018.732824867224, 200, "2402.80992373008"},
        {6.0 * 6.8948, 34, "41.369"},                  // 6 ksi in MPa
        {0.0002 / 0.3048, 34, "0.00065617"},           // never fewer than five digits
        {-1.0 / 3.0, 34, "-0.33333"},
        {100.0, 20, "100"},
        {123456789.125, 34, "123456789"},              // the whole digits stay, no exponent
        {1e20, 30, "1e+20"},                            // an exponent already: as it stands
        {999999.96, 34, "1000000"},  // rounded up a digit more, never written "1e+06"
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatDoubleToFit(c.value, c.widthDlu), c.text) << c.value << " in " << c.widthDlu;
}

TEST_F(DialogTest, ANumberCutToItsFieldComesBackToTheLastBitAndTakesWhatIsTyped) {
    static const DialogTemplate narrow = [] {
        DialogTemplate d;
        d.id = 902;
        d.caption = "Narrow";
        d.size = {100, 40};
        d.controls = {MakeControl(ControlKind::Edit, kLength, "", 4, 4, 44, 12),
                      MakeControl(ControlKind::DefPushButton, kIdOk, "OK", 4, 20, 40, 14)};
        return d;
    }();
    struct NarrowDialog : Dialog {
        NarrowDialog() : Dialog(narrow) {}
        double density = 0.150 * 16018.732824867224;
        void DoDataExchange(DataExchange& dx) override { dx.Double(kLength, density); }
    } dialog;
    const double before = dialog.density;
    toolkit.QueueDialog([](DialogDriver& d) {
        EXPECT_EQ(d.Text(kLength), "2402.81");
        d.Ok();
    });
    EXPECT_EQ(dialog.DoModal(), kIdOk);
    EXPECT_EQ(std::bit_cast<std::uint64_t>(dialog.density), std::bit_cast<std::uint64_t>(before));
    toolkit.QueueDialog([](DialogDriver& d) {
        d.Type(kLength, "2400.5");
        d.Ok();
    });
    EXPECT_EQ(dialog.DoModal(), kIdOk);
    EXPECT_EQ(dialog.density, 2400.5);
}

TEST_F(DialogTest, OnlyPlainDecimalNumbersAreNumbers) {
    const std::pair<const char*, std::optional<double>> cases[] = {
        {" 12.5 ", 12.5}, {"-.5", -0.5},       {"+2", 2.0},        {"1e3", 1000.0},
        {"7.", 7.0},      {"2.5E-2", 0.025},   {"1e-400", 0.0},    {"", std::nullopt},
        {" ", std::nullopt}, {".", std::nullopt}, {"1.2.3", std::nullopt}, {"1,5", std::nullopt},
        {"inf", std::nullopt}, {"nan", std::nullopt}, {"0x10", std::nullopt},
        {"1e999", std::nullopt}, {"12ft", std::nullopt}, {"1e", std::nullopt},
        {"--1", std::nullopt},
    };
    for (auto [text, expected] : cases) EXPECT_EQ(ParseNumber(text), expected) << '"' << text << '"';
    const std::pair<const char*, std::optional<int>> integers[] = {
        {" 42 ", 42}, {"-7", -7},          {"+3", 3},           {"3.0", std::nullopt},
        {"", std::nullopt}, {"2147483648", std::nullopt}, {"1e2", std::nullopt},
    };
    for (auto [text, expected] : integers)
        EXPECT_EQ(ParseInteger(text), expected) << '"' << text << '"';
}

TEST_F(DialogTest, EveryRefusalKeepsTheDialogOpenWithTheFocusOnItsField) {
    struct Case {
        const char* what;
        int field;
        const char* typed;
        const char* message;
    };
    const Case cases[] = {
        {"a length that is no number", kLength, "ten", "Enter a number."},
        {"an empty length", kLength, "", "Enter a number."},
        {"a count that is no integer", kCount, "2.5", "Enter an integer."},
        {"a count out of its range", kCount, "11", "Enter a number between 1 and 10."},
        {"a ratio out of its range", kRatio, "0.001", "Enter a number between 0.01 and 1000."},
        {"a factor that is no number", kFactor, "1/3", "Enter a number."},
        {"a factor beyond single precision", kFactor, "1e39", "Enter a number."},
    };
    for (const Case& c : cases) {
        host.ClearMessages();
        const double lengthBefore = form.length;
        const int result = Run([&](DialogDriver& d) {
            d.Type(kName, "beam");
            d.Type(c.field, c.typed);
            EXPECT_TRUE(d.Ok());
            EXPECT_FALSE(d.Ended()) << c.what;
            EXPECT_EQ(d.FocusId(), c.field) << c.what;
            EXPECT_EQ(d.Text(c.field), c.typed) << c.what << ": the entry stays as typed";
            d.Cancel();
        });
        EXPECT_EQ(result, kIdCancel) << c.what;
        EXPECT_EQ(Messages(), std::vector<std::string>{c.message}) << c.what;
        ASSERT_FALSE(host.Messages().empty());
        EXPECT_EQ(host.Messages()[0].icon, MsgIcon::Warning) << c.what;
        EXPECT_EQ(form.length, lengthBefore) << c.what;
    }
    // The fields before the refused one were taken in, as the exchange goes in order.
    EXPECT_EQ(form.name, "beam");
}

TEST_F(DialogTest, AFieldTakesNoMoreCharactersThanItsLimit) {
    Run([&](DialogDriver& d) {
        EXPECT_EQ(d.LimitText(kName), 8);
        EXPECT_TRUE(d.Type(kName, "Prestressed girder"));
        EXPECT_EQ(d.Text(kName), "Prestres") << "typing stops at the limit";
        // Text the program puts there is not cut, but OK refuses it.
        form.SetDlgItemText(kName, "Prestressed girder");
        d.Ok();
        EXPECT_FALSE(d.Ended());
        EXPECT_EQ(d.FocusId(), kName);
        d.Cancel();
    });
    EXPECT_EQ(Messages(), std::vector<std::string>{"Enter no more than 8 characters."});
    EXPECT_EQ(form.name, "girder");
}

TEST_F(DialogTest, NumbersLeftAloneComeBackToTheLastBit) {
    const double length = form.length;
    const float factor = form.factor;
    Run([](DialogDriver& d) {
        EXPECT_EQ(d.Text(kLength), "0.3");
        EXPECT_EQ(d.Text(kFactor), "0.333333");
        d.Type(kRatio, "2");
        d.Ok();
    });
    EXPECT_EQ(std::bit_cast<std::uint64_t>(form.length), std::bit_cast<std::uint64_t>(length));
    EXPECT_EQ(std::bit_cast<std::uint32_t>(form.factor), std::bit_cast<std::uint32_t>(factor));
    EXPECT_EQ(form.ratio, 2.0);
    // Typed over, even with the text it showed, a field takes what it shows.
    Run([](DialogDriver& d) {
        d.Type(kLength, "0.30");
        d.Ok();
    });
    EXPECT_EQ(form.length, 0.3);
}

TEST_F(DialogTest, HiddenControlsPassTheirValuesThroughUntouched) {
    Run([](DialogDriver& d) {
        EXPECT_FALSE(d.IsVisible(kHiddenBox));
        EXPECT_FALSE(d.Click(kHiddenBox)) << "nobody can click a hidden control";
        d.Ok();
    });
    EXPECT_EQ(form.hidden, 1);
}

TEST_F(DialogTest, ASpinStepsOnlyWhereItsHandlerAndItsRangeLetIt) {
    form.refusedPosition = 4;
    Run([&](DialogDriver& d) {
        EXPECT_EQ(d.SpinRange(kSpin), (std::pair{1, 5}));
        EXPECT_TRUE(d.Spin(kSpin, true));
        EXPECT_EQ(d.SpinPos(kSpin), 3);
        EXPECT_EQ(d.Text(kSpinBuddy), "3") << "the buddy shows the position";
        d.Spin(kSpin, true);  // to 4: the handler refuses
        EXPECT_EQ(d.SpinPos(kSpin), 3);
        d.Spin(kSpin, false);
        d.Spin(kSpin, false);
        d.Spin(kSpin, false);  // below 1: told, but the spin stays
        EXPECT_EQ(d.SpinPos(kSpin), 1);
        EXPECT_EQ(d.Text(kSpinBuddy), "1");
        // A spin with the range it is made with runs from 100 at its lower arrow to 0 at its
        // upper one: the upper arrow steps by -1, and from 0 it stays.
        EXPECT_EQ(d.SpinRange(kFreeSpin), (std::pair{100, 0}));
        d.Spin(kFreeSpin, true);
        EXPECT_EQ(d.SpinPos(kFreeSpin), 0);
        d.Spin(kFreeSpin, false);
        EXPECT_EQ(d.SpinPos(kFreeSpin), 1);
        d.Cancel();
    });
    const std::vector<std::pair<int, int>> told = {{2, 1}, {3, 1}, {3, -1}, {2, -1},
                                                   {1, -1}, {0, -1}, {0, 1}};
    EXPECT_EQ(form.steps, told) << "(position, step) as the handlers were told";
}

TEST_F(DialogTest, ListsAndCombosKeepTheirOrderAndTellTheirSelection) {
    Run([&](DialogDriver& d) {
        const std::vector<std::string> sorted = {"Apple", "apple", "fig", "pear"};
        EXPECT_EQ(d.Items(kList), sorted) << "a sorted list ignores case, equal items in turn";
        EXPECT_EQ(d.TabStops(kList), (std::vector<int>{20, 40}));
        EXPECT_EQ(d.Items(kCombo), (std::vector<std::string>{"None", "Caltrans", "MN"}));
        EXPECT_EQ(d.Selection(kCombo), 1) << "the exchange selected the member's item";
        EXPECT_EQ(d.Text(kComboEdit), "Box beam") << "the first item that begins with it";
        EXPECT_TRUE(d.Choose(kList, "fig"));
        EXPECT_TRUE(d.DoubleClick(kList, 3));
        EXPECT_EQ(form.listPicks, 2);
        EXPECT_EQ(form.listDoubleClicks, 1);
        EXPECT_FALSE(d.Choose(kCombo, "Texas"));
        EXPECT_TRUE(d.Choose(kCombo, "MN"));
        EXPECT_TRUE(d.Type(kComboEdit, "Voided slab"));
        EXPECT_EQ(d.Selection(kComboEdit), -1);
        d.Ok();
    });
    EXPECT_EQ(form.agency, 2);
    EXPECT_EQ(form.section, "Voided slab");
}

TEST_F(DialogTest, FocusMovesTellTheFieldLeftAndTypingTellsTheChange) {
    Run([&](DialogDriver& d) {
        EXPECT_EQ(d.FocusId(), kName) << "the first control that takes the focus";
        d.Type(kName, "b");
        EXPECT_EQ(form.nameChanges, 1);
        d.Type(kLength, "12");
        EXPECT_EQ(form.lengthLeft, 0);
        d.Type(kRatio, "2");
        EXPECT_EQ(form.lengthLeft, 1);
        d.Focus(kLength);
        d.Ok();  // the OK button takes the focus first
        EXPECT_EQ(form.lengthLeft, 2);
    });
}

TEST_F(DialogTest, KeysWorkAsOnAnyDialog) {
    // Escape cancels.
    EXPECT_EQ(Run([](DialogDriver& d) {
                  d.Type(kName, "changed");
                  EXPECT_TRUE(d.PressKey(kKeyEscape));
              }),
              kIdCancel);
    EXPECT_EQ(form.name, "girder");
    // Return from a field presses the default button; Tab walks the controls in template
    // order, a radio group being one stop; Alt and a label's letter goes to the field after
    // the label, a button's letter clicks it.
    EXPECT_EQ(Run([](DialogDriver& d) {
                  d.Click(kRadioB);
                  d.Focus(kCombo);
                  d.PressKey(kKeyTab);
                  EXPECT_EQ(d.FocusId(), kComboEdit);
                  d.PressKey(kKeyTab);
                  EXPECT_EQ(d.FocusId(), kRadioB) << "the checked button of the group";
                  d.PressKey(kKeyTab, kModShift);
                  EXPECT_EQ(d.FocusId(), kComboEdit);
                  EXPECT_TRUE(d.PressKey('W', kModAlt));
                  EXPECT_EQ(d.FocusId(), kLabelledEdit);
                  EXPECT_TRUE(d.PressKey('A', kModAlt));
                  EXPECT_TRUE(d.IsChecked(kRadioA));
                  EXPECT_FALSE(d.IsChecked(kRadioB));
                  EXPECT_FALSE(d.PressKey('Q', kModAlt)) << "no control has it";
                  d.Type(kName, "typed");
                  d.Type(kLength, "2");
                  EXPECT_TRUE(d.PressKey(kKeyReturn));
              }),
              kIdOk);
    EXPECT_EQ(form.name, "typed");
    EXPECT_EQ(form.lengthLeft, 0) << "Return presses OK with the focus left in the field";
}

TEST_F(DialogTest, OkMakesItsChecksInOrderAndTheFirstThatFailsStopsIt) {
    // A refusal: its message with its icon, the dialog open with every entry as typed.
    host.QueueAnswer(MsgResult::Ok);
    Run([](DialogDriver& d) {
        d.Type(kLength, "600");
        d.Type(kRatio, "0.2");
        d.Ok();
        EXPECT_FALSE(d.Ended());
        EXPECT_EQ(d.FocusId(), kLength);
        EXPECT_EQ(d.Text(kLength), "600");
        EXPECT_EQ(d.Text(kRatio), "0.2");
        d.Cancel();
    });
    ASSERT_EQ(host.Messages().size(), 1u) << "the second check was not made";
    EXPECT_EQ(host.Messages()[0].text, "Too long.");
    EXPECT_EQ(host.Messages()[0].icon, MsgIcon::Error);
    EXPECT_EQ(host.Messages()[0].buttons, MsgButtons::Ok);

    // A question: No keeps the dialog open, Yes goes on.
    host.ClearMessages();
    host.QueueAnswer(MsgResult::No);
    host.QueueAnswer(MsgResult::Yes);
    EXPECT_EQ(Run([](DialogDriver& d) {
                  d.Type(kLength, "12");
                  d.Type(kRatio, "0.2");
                  d.Ok();
                  EXPECT_FALSE(d.Ended());
                  EXPECT_EQ(d.FocusId(), kRatio);
                  d.Ok();
              }),
              kIdOk);
    ASSERT_EQ(host.Messages().size(), 2u);
    EXPECT_EQ(host.Messages()[1].buttons, MsgButtons::YesNo);
    EXPECT_EQ(host.Messages()[1].icon, MsgIcon::None);
    EXPECT_EQ(form.ratio, 0.2);
}

TEST_F(DialogTest, ASubDialogTakesACopyAndGivesItBackOnOkOnly) {
    toolkit.QueueDialog([](DialogDriver& d) {
        d.Click(kSub);  // Cancelled
        EXPECT_EQ(d.Text(kName), "girder");
        d.Click(kSub);  // OK
        EXPECT_EQ(d.Text(kName), "deck");
        d.Cancel();
    });
    toolkit.QueueDialog([](DialogDriver& d) {
        EXPECT_EQ(d.Text(kName), "girder") << "the copy went in";
        d.Type(kName, "slab");
        d.Cancel();
    });
    toolkit.QueueDialog([](DialogDriver& d) {
        d.Type(kName, "deck");
        d.Ok();
    });
    form.DoModal();
    EXPECT_EQ(toolkit.DialogsShown(), (std::vector<int>{901, 902, 902}));
}

TEST_F(DialogTest, AButtonWithACommandIdSendsItToTheMainWindow) {
    std::vector<int> routed;
    DialogCommandRoute previous = SetDialogCommandRoute([&](int id) { routed.push_back(id); });
    Run([](DialogDriver& d) {
        EXPECT_TRUE(d.Click(kCommandButton));
        EXPECT_TRUE(d.PressKey('L', kModAlt));
        EXPECT_FALSE(d.Ended()) << "the dialog stays open under the command";
        d.Cancel();
    });
    SetDialogCommandRoute(std::move(previous));
    EXPECT_EQ(routed, (std::vector<int>{kCommandButton, kCommandButton}));
}

/// A control window's handler that notes what reaches it.
class NotingControl : public ControlHandler {
  public:
    void Paint(DC& dc) override { dc.TextOut({2, 2}, "cells"); }
    void OnKeyDown(int key, unsigned) override { keys.push_back(key); }
    void OnSetFocus() override { events.push_back("focus"); }
    void OnKillFocus() override { events.push_back("lost"); }
    std::vector<int> keys;
    std::vector<std::string> events;
};

enum : int { kBefore = 300, kGridPlace, kAfter };

const DialogTemplate& GridPlaceTemplate() {
    static const DialogTemplate t = [] {
        DialogTemplate d;
        d.id = 904;
        d.caption = "With a grid";
        d.size = {200, 120};
        d.controls = {
            MakeControl(ControlKind::Edit, kBefore, "", 5, 5, 60, 12),
            MakeControl(ControlKind::Custom, kGridPlace, "MFCGridCtrl", 10, 20, 180, 80),
            MakeControl(ControlKind::Edit, kAfter, "", 5, 102, 60, 12),
            MakeControl(ControlKind::DefPushButton, kIdOk, "OK", 140, 102, 50, 14),
        };
        return d;
    }();
    return t;
}

/// A dialog that makes its control window in the grid's place when it opens.
class GridPlaceDialog : public Dialog {
  public:
    GridPlaceDialog() : Dialog(GridPlaceTemplate()) {
        OnNotify(Notification::KillFocus, kGridPlace, [this] { ++placeLeft; });
    }
    bool OnInitDialog() override {
        Dialog::OnInitDialog();
        EXPECT_EQ(CreateControlWindow(kBefore, control), nullptr) << "an edit is no place";
        window = CreateControlWindow(kGridPlace, control);
        return true;
    }
    NotingControl control;
    std::unique_ptr<ControlPeer> window;
    int placeLeft = 0;
};

TEST_F(DialogTest, AControlWindowTakesTheCustomControlsPlaceAndTurn) {
    GridPlaceDialog dlg;
    EXPECT_EQ(dlg.CreateControlWindow(kGridPlace, dlg.control), nullptr) << "not running";
    toolkit.QueueDialog([&](DialogDriver& d) {
        ASSERT_NE(dlg.window, nullptr);
        HeadlessControl* window = d.ControlWindow(kGridPlace);
        ASSERT_EQ(window, dlg.window.get());
        // The place in pixels: 10 x 1.5 and 20 x 1.625 dialog units, 180 x 80 units large.
        EXPECT_EQ(window->ClientSize(), (Size{270, 130}));
        const Point origin = HeadlessDialog::kScreenOrigin;
        EXPECT_EQ(window->ClientToScreen({0, 0}), (Point{origin.x + 15, origin.y + 33}));
        EXPECT_EQ(d.FocusId(), kBefore);
        // Tab goes into the window and on out of it, each move told.
        d.PressKey(kKeyTab);
        EXPECT_EQ(d.FocusId(), kGridPlace);
        EXPECT_TRUE(window->HasFocus());
        // Keys that are not the dialog's go to the window; Tab and Return stay the dialog's.
        EXPECT_TRUE(d.PressKey(kKeyDown));
        EXPECT_TRUE(d.PressKey('7'));
        EXPECT_EQ(dlg.control.keys, (std::vector<int>{kKeyDown, '7'}));
        d.PressKey(kKeyTab);
        EXPECT_EQ(d.FocusId(), kAfter);
        EXPECT_FALSE(window->HasFocus());
        EXPECT_EQ(dlg.control.events, (std::vector<std::string>{"focus", "lost"}));
        EXPECT_EQ(dlg.placeLeft, 1);
        EXPECT_EQ(window->PaintNow()->Ops().size(), 1u);
        d.PressKey(kKeyReturn);
    });
    EXPECT_EQ(dlg.DoModal(), kIdOk);
    // The window outlives the dialog in its owner; dropping it later is safe.
    ASSERT_NE(dlg.window, nullptr);
    dlg.window->Invalidate();
    dlg.window.reset();

    // A window dropped while the dialog runs is no longer the driver's.
    toolkit.QueueDialog([&](DialogDriver& d) {
        dlg.window.reset();
        EXPECT_EQ(d.ControlWindow(kGridPlace), nullptr);
        d.Focus(kGridPlace);
        EXPECT_FALSE(d.PressKey(kKeyDown)) << "no window takes the key";
        d.Ok();
    });
    dlg.control.keys.clear();
    EXPECT_EQ(dlg.DoModal(), kIdOk);
    EXPECT_TRUE(dlg.control.keys.empty());
}

TEST(Picture, AScaleIsNeverInfiniteAndEveryPixelIsAnInt) {
    const Size frame{200, 100};
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Case {
        const char* what;
        double width, height;
        bool expand;
        double x, y;
    };
    // The frame less its margins is 192 x 92 pixels.
    const Case cases[] = {
        {"one scale, the tighter direction's", 96, 23, false, 2.0, 2.0},  // 192/96, 92/23 = 4
        {"each direction its own", 96, 23, true, 2.0, 4.0},
        {"nothing to draw", 0, 0, false, 0.0, 0.0},
        {"flat: the width decides", 96, 0, false, 2.0, 2.0},
        {"an infinite extent", inf, 23, false, 4.0, 4.0},
        {"extents that are no numbers", nan, nan, false, 0.0, 0.0},
        {"a negative extent", -96, 23, true, 0.0, 4.0},
    };
    for (const Case& c : cases) {
        const PictureScale s = FitPicture(frame, kPictureMargin, c.width, c.height, c.expand);
        EXPECT_EQ(s.x, c.x) << c.what;
        EXPECT_EQ(s.y, c.y) << c.what;
    }
    EXPECT_EQ(FitPicture({8, 8}, kPictureMargin, 10, 10).x, 0.0) << "no room inside the margin";
    EXPECT_EQ(PicturePixels(2.9), 2);
    EXPECT_EQ(PicturePixels(-2.9), -2) << "truncated towards zero";
    EXPECT_EQ(PicturePixels(nan), 0);
    EXPECT_EQ(PicturePixels(1e300), kMaxPictureOffset);
    EXPECT_EQ(PicturePixels(-inf), -kMaxPictureOffset);
    const PictureMapping m({100, 90}, {2.0, 2.0});
    EXPECT_EQ(m.At(10.6, 5.0), (Point{121, 80})) << "y grows upward";
}

}  // namespace
}  // namespace platform::ui
