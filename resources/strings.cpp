// The string table: messages, the document string, and each command's status-bar prompt and
// tool tip ("prompt\ntip").
#include <map>

#include "resources/resources.h"

namespace kordel::res {

namespace {

const std::map<int, std::string>& Table() {
    static const std::map<int, std::string> kStrings = {
        {IDR_MAINFRAME, "Kordel"},
        {IDR_KORDELTYPE,
         "\nKordel\nKordel\nKordel Files (*.kdx)\n.kdx\nKordel.Document\nKordel Document"},
        {IDP_SOCKETS_INIT_FAILED, "Windows sockets initialization failed."},
        {IDS_COMMAND_FAILED, "Command failed."},
        {IDS_IDLE_MESSAGE, "Ready"},  // F1 runs nothing: there is no help to point to
        {IDS_PRINT_SAVE_AS, "Print to PDF File"},

        {ID_FILE_NEW, "Start a new design from an example or a previous design\nNew Design"},
        {ID_FILE_OPEN, "Open an existing design\nOpen"},
        {ID_FILE_CLOSE, "Close the design\nClose"},
        {ID_FILE_SAVE, "Save the design\nSave Data"},
        {ID_FILE_SAVE_AS, "Save the design under a new name\nSave As"},
        {ID_FILE_PRINT_SETUP, "Change the printer and printing options\nPrint Setup"},
        {ID_FILE_PRINT, "Print the active view\nPrint Results"},
        {ID_FILE_PRINT_DIRECT, "Print the active view without asking\nPrint"},
        {ID_FILE_PRINT_PREVIEW, "Show the printed pages\nPrint Preview"},
        {ID_FILE_OPTIONS, "Set the user options\nOptions"},
        {ID_FILE_EXPORT_RESULTS, "Write the text report to a text file\nExport Results"},
        {ID_APP_EXIT, "Quit the program, asking to save the design\nExit"},
        {ID_APP_ABOUT, "Show the program's version\nAbout"},
        {ID_HELP_FINDER, "List the help topics\nHelp Contents"},
        {ID_HELP, "Show help for the current task\nHelp"},
        {ID_CONTEXT_HELP, "Show help for the item clicked next\nHelp"},
        {ID_VIEW_TOOLBAR, "Show or hide the tool bar\nToggle Toolbar"},
        {ID_VIEW_STATUS_BAR, "Show or hide the status bar\nToggle Status Bar"},
        {ID_WINDOW_CASCADE, "Arrange the windows so that they overlap\nCascade Windows"},
        {ID_WINDOW_TILE_HORZ, "Arrange the windows one above the other\nTile Windows"},
        {ID_WINDOW_ARRANGE, "Arrange the icons of minimised windows\nArrange Icons"},
        {ID_WINDOW_SPLIT, "Split the active window into panes\nSplit"},
        {ID_WINDOW_CHILD1, "Bring this window to the front\nActivate Window"},
        {ID_WINDOW_NEXT, "Bring the next window to the front\nNext Window"},
        {ID_NEXT_PANE, "Go to the next pane\nNext Pane"},
        {ID_PREV_PANE, "Go to the previous pane\nPrevious Pane"},

        {ID_INPUT_WIZARD, "Enter the design step by step\nDesign Wizard"},
        {ID_INPUT_JOB_INFO,
         "Enter the project, task, client, designer and job number\nJob Information"},
        {ID_INPUT_PROJECT_SETTINGS,
         "Choose the specification, units, structure and prestressing\nProject Settings"},
        {ID_INPUT_SPAN_LAYOUT, "Enter the spans of a continuous girder\nSpan Layout"},
        {ID_INPUT_GEOMETRY, "Enter the bridge section and the girder\nBridge Section Geometry"},
        {ID_INPUT_MATERIALS, "Enter the concrete, strand and reinforcement\nMaterials"},
        {ID_INPUT_LOADS, "Enter the dead and live loads\nLoads"},
        {ID_INPUT_LOAD_RESIST_FACTORS,
         "Enter the load and resistance factors\nLoad & Resistance Factors"},
        {ID_INPUT_STRESS_LIMITS, "Enter the allowable stresses\nStress Limits"},
        {ID_INPUT_CAMBER_MULTIPLIERS,
         "Enter the camber and deflection multipliers\nCamber Multipliers"},
        {ID_INPUT_ANALYSIS_OPTIONS, "Choose the analysis options\nAnalysis Options"},
        {ID_INPUT_STRIPPING_HANDLING,
         "Enter the stripping, lifting and shipping data\nStripping and Handling"},
        {ID_INPUT_PRETENSIONING,
         "Enter the pretensioned strand pattern\nPrestressing (Pretensioning)"},
        {ID_INPUT_DEBONDING,
         "Enter the debonding pattern and the detensioning order\nDebonding Pattern and "
         "Detensioning"},
        {ID_INPUT_POST_TENSIONING,
         "Enter the post-tensioning tendons\nPrestressing (Post-Tensioning)"},
        {ID_INPUT_REBAR_LONGITUDINAL, "Enter the longitudinal reinforcement\nRebar - Longitudinal"},
        {ID_INPUT_REBAR_TRANSVERSE, "Enter the stirrups\nRebar- Transverse"},
        {ID_INPUT_PRELIM_STRAND_DESIGN, "Perform preliminary design of strand pattern"},
        {ID_INPUT_STRAND_PATTERN, "Edit strand pattern"},
        {ID_INPUT_PRELIM_DEBOND_DESIGN, "Perform preliminary design of end debonding pattern"},

        {ID_RESULTS_GRAPHS, "Show the stresses and strengths as graphs\nGraphs"},
        {ID_RESULTS_TEXT_SHORT, "Displays results in text form\nResults (short form text)"},
        {ID_RESULTS_TEXT_LONG, "Displays results in text form\nResults (long form text)"},
        {ID_RESULTS_CODE_COMPLIANCE,
         "Show the girder summary and the code checks\nCode Compliance"},
        {ID_RESULTS_3D_RENDERING, "Show the girder in three dimensions\n3D Rendering"},
        {ID_RESULTS_GRID, "Show the results in a grid\nResults Grid"},
        {ID_LIBRARIES_BEAM_SECTIONS, "Keep the library of girder sections\nBeam Sections"},
        {ID_LIBRARIES_LIVE_LOAD_VEHICLES,
         "Keep the library of live-load vehicles\nLive Load Vehicles"},
        {ID_TOOLS_LOAD_TABLES, "Generate load tables for a range of spans\nLoad Tables"},
    };
    return kStrings;
}

}  // namespace

std::string LoadString(int id) {
    auto it = Table().find(id);
    return it == Table().end() ? std::string() : it->second;
}

std::string CommandPrompt(int id) {
    std::string s = LoadString(id);
    return s.substr(0, s.find('\n'));
}

std::string CommandTip(int id) {
    std::string s = LoadString(id);
    auto nl = s.find('\n');
    return nl == std::string::npos ? std::string() : s.substr(nl + 1);
}

std::string DocumentStringField(int index) {
    std::string s = LoadString(IDR_KORDELTYPE);
    for (int i = 0; i < index; ++i) {
        auto nl = s.find('\n');
        if (nl == std::string::npos) return {};
        s = s.substr(nl + 1);
    }
    return s.substr(0, s.find('\n'));
}

}  // namespace kordel::res
