// The UI layer's data: command maps, menus, the placement record, the recent-file list in its
// settings store, the command line and child-window layouts.
#include <gtest/gtest.h>

#include "platform/ini.h"
#include "platform/ui/command.h"
#include "platform/ui/command_line.h"
#include "platform/ui/mdi_layout.h"
#include "platform/ui/menu.h"
#include "platform/ui/recent_files.h"
#include "platform/ui/settings_store.h"
#include "platform/ui/window_placement.h"
#include "tests/platform/platform_test_support.h"

namespace platform::ui {
namespace {

TEST(CommandMap, RunsHandlersByIdAndRange) {
    CommandMap map;
    int ran = 0;
    int rangeId = 0;
    map.On(10, [&] { ran = 10; });
    map.OnRange(20, 25, [&](int id) { rangeId = id; });
    map.OnUpdate(10, [](CmdUI& ui) { ui.Enable(false); });

    EXPECT_TRUE(map.Dispatch(10));
    EXPECT_EQ(ran, 10);
    EXPECT_TRUE(map.Dispatch(23));
    EXPECT_EQ(rangeId, 23);
    EXPECT_FALSE(map.Dispatch(26));
    EXPECT_TRUE(map.Handles(25));
    EXPECT_FALSE(map.Handles(11));

    CmdUI ui;
    ui.id = 10;
    EXPECT_TRUE(map.DispatchUpdate(ui));
    EXPECT_FALSE(ui.enabled);
    CmdUI none;
    none.id = 23;
    EXPECT_FALSE(map.DispatchUpdate(none)) << "a range of commands has no update handler";
}

TEST(Menu, FindsItemsAndStripsMnemonics) {
    Menu m;
    m.items = {
        MenuItem::Popup("&File", {MenuItem::Command(1, "&Open...\tCtrl+O"), MenuItem::Separator()}),
        MenuItem::Popup("&Input", {MenuItem::Command(2, "Load && Resistance Factors...")})};
    ASSERT_NE(m.Find(2), nullptr);
    EXPECT_EQ(Menu::PlainText(m.Find(1)->text), "Open...");
    EXPECT_EQ(Menu::PlainText(m.Find(2)->text), "Load & Resistance Factors...");
    EXPECT_EQ(m.Find(0), nullptr) << "separators and pop-ups have no command";
    EXPECT_EQ(m.PopupAt(1)->text, "&Input");
    EXPECT_EQ(m.PopupAt(2), nullptr);
}

TEST(WindowPlacement, EncodesElevenLittleEndianFields) {
    WindowPlacement p;
    p.showCommand = kShowMaximized;
    p.normal = {10, 20, 1034, 788};
    const auto bytes = EncodePlacement(p);
    // The record length 44 comes first, low byte first.
    EXPECT_EQ(bytes[0], 0x2C);
    EXPECT_EQ(bytes[1], 0);
    EXPECT_EQ(bytes[8], kShowMaximized);
    EXPECT_EQ(bytes[12], 0xFF) << "minimised x of -1";
    EXPECT_EQ(bytes[36], 0x0A) << "normal right 1034 = 0x040A";
    EXPECT_EQ(bytes[37], 0x04);
    EXPECT_EQ(DecodePlacement(bytes.data(), bytes.size()), p);
}

TEST(WindowPlacement, AShortRecordKeepsTheRestFromItsBase) {
    WindowPlacement base;
    base.normal = {1, 2, 3, 4};
    WindowPlacement full;
    full.showCommand = kShowMaximized;
    full.normal = {100, 200, 300, 400};
    const auto bytes = EncodePlacement(full);
    // Ten bytes reach into the show command's low bytes only.
    WindowPlacement p = DecodePlacement(bytes.data(), 10, base);
    EXPECT_EQ(p.showCommand, kShowMaximized);
    EXPECT_EQ(p.normal, base.normal);
}

class RecentFilesTest : public ::testing::Test {
  protected:
    platform_test::TempFolder folder;
    SettingsStore store{folder / "company/Kordel.ini"};
};

TEST_F(RecentFilesTest, KeepsTheNewestFirstAndAtMostSix) {
    RecentFileList list(6);
    for (int i = 1; i <= 7; ++i) list.Add("/d/design" + std::to_string(i) + ".kdx");
    ASSERT_EQ(list.Count(), 6);
    EXPECT_EQ(list[0], "/d/design7.kdx");
    EXPECT_EQ(list[5], "/d/design2.kdx") << "the oldest fell off";
    list.Add("/d/design4.kdx");
    EXPECT_EQ(list[0], "/d/design4.kdx") << "an entry opened again moves up";
    EXPECT_EQ(list.Count(), 6);
    list.Remove(0);
    EXPECT_EQ(list[0], "/d/design7.kdx");
}

TEST_F(RecentFilesTest, SurvivesInTheSettingsStore) {
    RecentFileList list(6);
    list.Add("/d/a.kdx");
    list.Add("/d/b.kdx");
    list.Save(store);  // creates the folders of the store
    EXPECT_EQ(store.GetString(RecentFileList::kSection, "File1"), "/d/b.kdx");
    EXPECT_EQ(store.GetString(RecentFileList::kSection, "File3"), "");

    // Repeated and empty entries of a hand-edited file are dropped.
    store.WriteString(RecentFileList::kSection, "File3", "/d/b.kdx");
    store.WriteString(RecentFileList::kSection, "File5", "/d/e.kdx");
    RecentFileList loaded(6);
    loaded.Load(store);
    ASSERT_EQ(loaded.Count(), 3);
    EXPECT_EQ(loaded[1], "/d/a.kdx");
    EXPECT_EQ(loaded[2], "/d/e.kdx");
}

TEST_F(RecentFilesTest, MenuTextsNumberShortenAndEscape) {
    RecentFileList list(6);
    list.Add("/home/eng/bridges/R&D/girder.kdx");
    list.Add("/srv/projects/a-very-long-folder-name/another-long-folder/span-3-girder-b.kdx");
    EXPECT_EQ(list.MenuText(1, "/home/eng"), "&2 ~/bridges/R&&D/girder.kdx");
    const std::string shortened = list.MenuText(0, "/home/eng", 40);
    EXPECT_EQ(shortened.substr(0, 11), "&1 /srv/...");
    EXPECT_EQ(shortened.size(), 43u);
    EXPECT_EQ(shortened.substr(shortened.size() - 20), "/span-3-girder-b.kdx");

    // The entries keep the system's UTF-8 bytes; the menu shows program text, where "\xFC" is
    // the one character that UTF-8 writes as C3 BC, so a cut never splits a character.
    list.Add("/home/eng/Br\xC3\xBC" "cken/Br\xC3\xBC" "cke.kdx");
    EXPECT_EQ(list.MenuText(0, "/home/eng"), "&1 ~/Br\xFC" "cken/Br\xFC" "cke.kdx");
    std::string umlauts;
    for (int i = 0; i < 30; ++i) umlauts += "\xC3\xBC";
    list.Add("/srv/" + umlauts + "/g.kdx");
    // 41 characters cut to 20: the head "/srv/", "..." and the last 12 characters.
    EXPECT_EQ(list.MenuText(0, "/home/eng", 20), "&1 /srv/..." + std::string(6, '\xFC') + "/g.kdx");
}

TEST(CommandLine, ReadsTheFileAndTheSwitches) {
    using C = CommandLineInfo;
    struct Case {
        std::vector<std::string> args;
        C::ShellCommand command;
        std::string file;
        bool splash;
    };
    const Case cases[] = {
        {{}, C::FileNew, "", true},
        {{"bridge.kdx"}, C::FileOpen, "bridge.kdx", true},
        {{"--nosplash", "bridge.kdx"}, C::FileOpen, "bridge.kdx", false},
        {{"--print", "bridge.kdx"}, C::FilePrint, "bridge.kdx", false},
        {{"--print"}, C::FilePrint, "", false},
        {{"--print-to", "lp0", "bridge.kdx"}, C::FilePrintTo, "bridge.kdx", false},
        {{"--register"}, C::AppRegister, "", true},
        {{"--frobnicate"}, C::FileNew, "", true},
    };
    for (const Case& c : cases) {
        const C info = ParseCommandLine(c.args);
        const std::string what = c.args.empty() ? "(none)" : c.args.front();
        EXPECT_EQ(info.shellCommand, c.command) << what;
        EXPECT_EQ(info.fileName, c.file) << what;
        EXPECT_EQ(info.showSplash, c.splash) << what;
    }
    EXPECT_EQ(ParseCommandLine({"--print-to", "lp0", "x.kdx"}).printerName, "lp0");
    EXPECT_EQ(ParseCommandLine({"--frobnicate"}).unknownSwitches.size(), 1u);
}

TEST(ChildLayouts, TileCascadeAndSplit) {
    const auto rows = TileLayout({800, 601}, 3, true);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0], (Rect{0, 0, 800, 200}));
    EXPECT_EQ(rows[2], (Rect{0, 400, 800, 601})) << "the remainder goes to the last";
    const auto columns = TileLayout({800, 600}, 2, false);
    EXPECT_EQ(columns[1], (Rect{400, 0, 800, 600}));

    const auto cascade = CascadeLayout({800, 600}, 3, 24);
    EXPECT_EQ(cascade[0], (Rect{0, 0, 752, 552}));
    EXPECT_EQ(cascade[2], (Rect{48, 48, 800, 600})) << "the last reaches the far corner";

    const auto panes = SplitterLayout({406, 306}, 2, 2, {200, 150}, 6);
    ASSERT_EQ(panes.size(), 4u);
    EXPECT_EQ(panes[0], (Rect{0, 0, 200, 150}));
    EXPECT_EQ(panes[3], (Rect{206, 156, 406, 306}));
    EXPECT_EQ(SplitterLayout({400, 300}, 1, 1, {0, 0}).front(), (Rect{0, 0, 400, 300}));
}

}  // namespace
}  // namespace platform::ui
