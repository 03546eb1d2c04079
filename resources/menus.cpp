// Menus IDR_MAINFRAME and IDR_KORDELTYPE, accelerator table IDR_MAINFRAME and tool bar
// IDR_MAINFRAME.
#include <stdexcept>

#include "resources/resources.h"

namespace kordel::res {

using platform::ui::AcceleratorTable;
using platform::ui::Menu;
using platform::ui::MenuItem;
using platform::ui::ToolBar;

namespace {

MenuItem Cmd(int id, const char* text) {
    return MenuItem::Command(id, text);
}
MenuItem Check(int id, const char* text) {
    return MenuItem::CheckCommand(id, text);
}
MenuItem Sep() {
    return MenuItem::Separator();
}

MenuItem ViewMenu() {
    return MenuItem::Popup(
        "&View", {Check(ID_VIEW_TOOLBAR, "&Toolbar"), Check(ID_VIEW_STATUS_BAR, "&Status Bar")});
}

Menu MakeMainFrameMenu() {
    Menu m;
    m.resourceId = IDR_MAINFRAME;
    m.items = {
        MenuItem::Popup(
            "&File",
            {Cmd(ID_FILE_NEW, "&New Design\tCtrl+N"), Cmd(ID_FILE_OPEN, "&Open...\tCtrl+O"), Sep(),
             Cmd(ID_FILE_PRINT_SETUP, "P&rint Setup..."), Cmd(ID_FILE_OPTIONS, "Options..."), Sep(),
             Cmd(ID_FILE_MRU_FILE1, "Recent File"), Sep(), Cmd(ID_APP_EXIT, "E&xit")}),
        ViewMenu(),
        MenuItem::Popup("&Help", {Cmd(ID_HELP_FINDER, "&Help Topics"), Sep(),
                                  Cmd(ID_APP_ABOUT, "&About Kordel...")}),
    };
    return m;
}

Menu MakeDesignMenu() {
    Menu m;
    m.resourceId = IDR_KORDELTYPE;
    m.items = {
        MenuItem::Popup(
            "&File",
            {Cmd(ID_FILE_NEW, "&New Design"), Cmd(ID_FILE_OPEN, "&Open..."),
             Cmd(ID_FILE_CLOSE, "&Close"), Sep(), Cmd(ID_FILE_SAVE, "&Save Data\tCtrl+S"),
             Cmd(ID_FILE_SAVE_AS, "Save &As..."), Sep(),
             Cmd(ID_FILE_PRINT, "&Print Results...\tCtrl+P"),
             Cmd(ID_FILE_PRINT_PREVIEW, "Print Pre&view"),
             Cmd(ID_FILE_PRINT_SETUP, "P&rint Setup..."), Sep(), Cmd(ID_FILE_OPTIONS, "Options..."),
             Cmd(ID_FILE_EXPORT_RESULTS, "Export Results..."), Sep(),
             Cmd(ID_FILE_MRU_FILE1, "Recent File"), Sep(), Cmd(ID_APP_EXIT, "E&xit")}),
        ViewMenu(),
        MenuItem::Popup("&Input",
                        {Cmd(ID_INPUT_WIZARD, "Input Wizard..."),
                         Sep(),
                         Cmd(ID_INPUT_JOB_INFO, "Job Information..."),
                         Cmd(ID_INPUT_PROJECT_SETTINGS, "Project Settings..."),
                         Sep(),
                         Cmd(ID_INPUT_SPAN_LAYOUT, "Span Layout..."),
                         Cmd(ID_INPUT_GEOMETRY, "Bridge Section Geometry..."),
                         Cmd(ID_INPUT_MATERIALS, "Materials..."),
                         Cmd(ID_INPUT_LOADS, "Loads..."),
                         Sep(),
                         Cmd(ID_INPUT_LOAD_RESIST_FACTORS, "Load && Resistance Factors..."),
                         Cmd(ID_INPUT_STRESS_LIMITS, "Stress Limits..."),
                         Cmd(ID_INPUT_CAMBER_MULTIPLIERS, "Camber Multipliers..."),
                         Cmd(ID_INPUT_ANALYSIS_OPTIONS, "Analysis Options..."),
                         Cmd(ID_INPUT_STRIPPING_HANDLING, "Stripping and Handling..."),
                         Sep(),
                         Cmd(ID_INPUT_PRETENSIONING, "Prestressing (Pretensioning)..."),
                         Cmd(ID_INPUT_DEBONDING, "Debonding Pattern and Detensioning..."),
                         Cmd(ID_INPUT_POST_TENSIONING, "Prestressing (Post-Tensioning)"),
                         Sep(),
                         Cmd(ID_INPUT_REBAR_LONGITUDINAL, "Rebar - Longitudinal..."),
                         Cmd(ID_INPUT_REBAR_TRANSVERSE, "Rebar- Transverse...")}),
        MenuItem::Popup("Results", {Check(ID_RESULTS_GRAPHS, "Graphs: (stresses, Mn/Mr)"),
                                    Check(ID_RESULTS_TEXT_LONG, "Text Printout (long form)"),
                                    Check(ID_RESULTS_TEXT_SHORT, "Text Printout (short form)"),
                                    Check(ID_RESULTS_CODE_COMPLIANCE, "Code Compliance"), Sep(),
                                    Cmd(ID_RESULTS_3D_RENDERING, "3D Rendering"),
                                    Cmd(ID_RESULTS_GRID, "Results Grid")}),
        MenuItem::Popup("Libraries",
                        {Cmd(ID_LIBRARIES_BEAM_SECTIONS, "Beam Sections..."),
                         Cmd(ID_LIBRARIES_LIVE_LOAD_VEHICLES, "Live Load Vehicles...")}),
        MenuItem::Popup("Tools", {Cmd(ID_TOOLS_LOAD_TABLES, "Load Tables...")}),
        MenuItem::Popup("&Window",
                        {Cmd(ID_WINDOW_CASCADE, "&Cascade"), Cmd(ID_WINDOW_TILE_HORZ, "&Tile"),
                         Cmd(ID_WINDOW_ARRANGE, "&Arrange Icons"), Cmd(ID_WINDOW_SPLIT, "S&plit")}),
        MenuItem::Popup("&Help", {Cmd(ID_HELP_FINDER, "Kordel &Help Contents"), Sep(),
                                  Cmd(ID_APP_ABOUT, "&About Kordel...")}),
    };
    return m;
}

AcceleratorTable MakeAccelerators() {
    using namespace platform::ui;
    AcceleratorTable t;
    t.resourceId = IDR_MAINFRAME;
    t.entries = {
        {'N', kModCtrl, ID_FILE_NEW},       {'O', kModCtrl, ID_FILE_OPEN},
        {'S', kModCtrl, ID_FILE_SAVE},      {'P', kModCtrl, ID_FILE_PRINT},
        {kKeyF1, kModNone, ID_HELP},        {kKeyF1, kModShift, ID_CONTEXT_HELP},
        {kKeyF6, kModNone, ID_NEXT_PANE},   {kKeyF6, kModShift, ID_PREV_PANE},
        {kKeyF6, kModCtrl, ID_WINDOW_NEXT}, {kKeyTab, kModCtrl, ID_WINDOW_NEXT},
        {'Z', kModCtrl, ID_EDIT_UNDO},      {kKeyBack, kModAlt, ID_EDIT_UNDO},
        {'X', kModCtrl, ID_EDIT_CUT},       {kKeyDelete, kModShift, ID_EDIT_CUT},
        {'C', kModCtrl, ID_EDIT_COPY},      {kKeyInsert, kModCtrl, ID_EDIT_COPY},
        {'V', kModCtrl, ID_EDIT_PASTE},     {kKeyInsert, kModShift, ID_EDIT_PASTE},
    };
    return t;
}

ToolBar MakeToolBar() {
    ToolBar t;
    t.resourceId = IDR_MAINFRAME;
    t.imageWidth = 18;
    t.imageHeight = 19;
    t.buttons = {
        ID_FILE_NEW,
        0,
        ID_FILE_OPEN,
        ID_FILE_SAVE,
        0,
        ID_FILE_PRINT,
        0,
        ID_INPUT_WIZARD,
        0,
        ID_INPUT_JOB_INFO,
        ID_INPUT_PROJECT_SETTINGS,
        0,
        ID_INPUT_SPAN_LAYOUT,
        ID_INPUT_GEOMETRY,
        0,
        ID_INPUT_MATERIALS,
        0,
        ID_INPUT_LOADS,
        ID_INPUT_LOAD_RESIST_FACTORS,
        0,
        ID_INPUT_PRETENSIONING,
        ID_INPUT_DEBONDING,
        ID_INPUT_POST_TENSIONING,
        0,
        ID_INPUT_REBAR_LONGITUDINAL,
        ID_INPUT_REBAR_TRANSVERSE,
        0,
        ID_INPUT_STRIPPING_HANDLING,
        0,
        ID_INPUT_ANALYSIS_OPTIONS,
        0,
        ID_RESULTS_GRAPHS,
        ID_RESULTS_TEXT_LONG,
        ID_RESULTS_TEXT_SHORT,
        ID_RESULTS_CODE_COMPLIANCE,
        ID_RESULTS_3D_RENDERING,
        0,
        ID_TOOLS_LOAD_TABLES,
        0,
        ID_HELP_FINDER,
    };
    return t;
}

}  // namespace

const Menu& LoadMenu(int id) {
    static const Menu kMainFrame = MakeMainFrameMenu();
    static const Menu kDesign = MakeDesignMenu();
    if (id == IDR_MAINFRAME) return kMainFrame;
    if (id == IDR_KORDELTYPE) return kDesign;
    throw std::out_of_range("no menu resource " + std::to_string(id));
}

const AcceleratorTable& LoadAccelerators(int id) {
    static const AcceleratorTable kTable = MakeAccelerators();
    if (id != IDR_MAINFRAME) throw std::out_of_range("no accelerator resource");
    return kTable;
}

const ToolBar& LoadToolBar(int id) {
    static const ToolBar kToolBar = MakeToolBar();
    if (id != IDR_MAINFRAME) throw std::out_of_range("no tool bar resource");
    return kToolBar;
}

}  // namespace kordel::res
