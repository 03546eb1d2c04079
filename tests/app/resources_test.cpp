// The program's resources: the menus carry the commands and texts the program is known by, the
// tool bar's every button has its tool tip, and the dialog templates are laid out soundly.
#include "resources/resources.h"

#include <gtest/gtest.h>

#include <set>

namespace kordel {
namespace {

using platform::ui::Menu;
using platform::ui::MenuItem;

std::vector<std::string> PopupTexts(const Menu& menu) {
    std::vector<std::string> texts;
    for (const MenuItem& popup : menu.items) texts.push_back(popup.text);
    return texts;
}

TEST(Resources, MenusHaveTheirPopupsAndItems) {
    const Menu& none = res::LoadMenu(IDR_MAINFRAME);
    const Menu& design = res::LoadMenu(IDR_KORDELTYPE);
    EXPECT_EQ(PopupTexts(none), (std::vector<std::string>{"&File", "&View", "&Help"}));
    EXPECT_EQ(PopupTexts(design),
              (std::vector<std::string>{"&File", "&View", "&Input", "Results", "Libraries", "Tools",
                                        "&Window", "&Help"}));
    struct Case {
        const Menu& menu;
        int id;
        const char* text;
    };
    const Case cases[] = {
        {none, ID_FILE_NEW, "&New Design\tCtrl+N"},
        {none, ID_FILE_OPEN, "&Open...\tCtrl+O"},
        {none, ID_FILE_MRU_FILE1, "Recent File"},
        {none, ID_HELP_FINDER, "&Help Topics"},
        {none, ID_APP_ABOUT, "&About Kordel..."},
        {design, ID_FILE_NEW, "&New Design"},
        {design, ID_FILE_SAVE, "&Save Data\tCtrl+S"},
        {design, ID_FILE_PRINT, "&Print Results...\tCtrl+P"},
        {design, ID_INPUT_LOAD_RESIST_FACTORS, "Load && Resistance Factors..."},
        {design, ID_INPUT_REBAR_TRANSVERSE, "Rebar- Transverse..."},
        {design, ID_INPUT_POST_TENSIONING, "Prestressing (Post-Tensioning)"},
        {design, ID_RESULTS_GRAPHS, "Graphs: (stresses, Mn/Mr)"},
        {design, ID_WINDOW_SPLIT, "S&plit"},
        {design, ID_HELP_FINDER, "Kordel &Help Contents"},
    };
    for (const Case& c : cases) {
        const MenuItem* item = c.menu.Find(c.id);
        ASSERT_NE(item, nullptr) << c.text;
        EXPECT_EQ(item->text, c.text);
    }
    // The View menu is item 1 of both bars, Toolbar first: the saved bar states depend on it.
    for (const Menu* m : {&none, &design}) {
        EXPECT_EQ(m->PopupAt(1)->items[0].id, ID_VIEW_TOOLBAR);
        EXPECT_EQ(m->PopupAt(1)->items[1].id, ID_VIEW_STATUS_BAR);
    }
    EXPECT_EQ(design.Find(ID_INPUT_PRELIM_STRAND_DESIGN), nullptr) << "no menu carries 32816";
}

TEST(Resources, EveryToolBarButtonHasItsToolTip) {
    const auto& bar = res::LoadToolBar(IDR_MAINFRAME);
    int buttons = 0;
    for (int id : bar.buttons) {
        if (id == 0) continue;
        ++buttons;
        EXPECT_FALSE(res::CommandTip(id).empty()) << "command " << id;
        EXPECT_FALSE(res::CommandPrompt(id).empty()) << "command " << id;
    }
    EXPECT_EQ(buttons, 26);
    EXPECT_EQ(res::CommandTip(ID_INPUT_WIZARD), "Design Wizard");
    EXPECT_EQ(res::CommandTip(ID_RESULTS_TEXT_SHORT), "Results (short form text)");
    EXPECT_EQ(res::LoadString(IDS_COMMAND_FAILED), "Command failed.");
    EXPECT_EQ(res::DocumentStringField(3), "Kordel Files (*.kdx)");
    EXPECT_EQ(res::DocumentStringField(4), ".kdx");
}

TEST(Resources, DialogTemplatesKeepTheirControlsInsideAndApart) {
    for (int id : {IDD_ABOUTBOX, IDD_SEED_FILE}) {
        const auto& d = res::LoadDialog(id);
        std::set<int> ids;
        for (size_t i = 0; i < d.controls.size(); ++i) {
            const auto& c = d.controls[i];
            EXPECT_GE(c.rect.left, 0) << d.caption << " control " << c.id;
            EXPECT_GE(c.rect.top, 0) << d.caption << " control " << c.id;
            EXPECT_LE(c.rect.right, d.size.cx) << d.caption << " control " << c.id;
            EXPECT_LE(c.rect.bottom, d.size.cy) << d.caption << " control " << c.id;
            if (c.id != platform::ui::kIdStatic) {
                EXPECT_TRUE(ids.insert(c.id).second) << d.caption << " repeats " << c.id;
            }
            for (size_t k = i + 1; k < d.controls.size(); ++k) {
                const auto overlap = platform::ui::Intersect(c.rect, d.controls[k].rect);
                EXPECT_TRUE(overlap.IsEmpty())
                    << d.caption << ": controls " << c.id << " and " << d.controls[k].id;
            }
        }
    }
    EXPECT_EQ(res::LoadDialog(IDD_SEED_FILE).caption, "Initialize New Design");
    EXPECT_THROW(res::LoadDialog(999), std::out_of_range);
}

}  // namespace
}  // namespace kordel
