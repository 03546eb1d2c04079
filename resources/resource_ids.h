// Ids of the program's resources, commands and dialog controls.
#pragma once

namespace kordel {

// ---- Resources --------------------------------------------------------------------------------
inline constexpr int IDR_MAINFRAME =
    128;  ///< menu, icon, accelerators, tool bar, title: no design open
inline constexpr int IDR_KORDELTYPE = 129;  ///< menu, icon, document string: a design open
inline constexpr int IDD_ABOUTBOX = 100;
inline constexpr int IDB_SPLASH = 102;
inline constexpr int IDD_SEED_FILE = 168;  ///< "Initialize New Design"

// ---- Strings ----------------------------------------------------------------------------------
inline constexpr int IDP_SOCKETS_INIT_FAILED = 104;
inline constexpr int IDS_COMMAND_FAILED = 61705;
inline constexpr int IDS_IDLE_MESSAGE = 57345;
inline constexpr int IDS_PRINT_SAVE_AS = 2001;  ///< caption of the print-to-PDF file dialog

// ---- Commands of the application framework ----------------------------------------------------
inline constexpr int ID_FILE_NEW = 57600;
inline constexpr int ID_FILE_OPEN = 57601;
inline constexpr int ID_FILE_CLOSE = 57602;
inline constexpr int ID_FILE_SAVE = 57603;
inline constexpr int ID_FILE_SAVE_AS = 57604;
inline constexpr int ID_FILE_PRINT_SETUP = 57606;
inline constexpr int ID_FILE_PRINT = 57607;
inline constexpr int ID_FILE_PRINT_DIRECT = 57608;
inline constexpr int ID_FILE_PRINT_PREVIEW = 57609;
inline constexpr int ID_FILE_MRU_FILE1 = 57616;
inline constexpr int ID_FILE_MRU_FILE6 = 57621;
inline constexpr int kRecentFileCount = 6;
inline constexpr int ID_EDIT_COPY = 57634;
inline constexpr int ID_EDIT_CUT = 57635;
inline constexpr int ID_EDIT_PASTE = 57637;
inline constexpr int ID_EDIT_UNDO = 57643;
inline constexpr int ID_WINDOW_ARRANGE = 57649;
inline constexpr int ID_WINDOW_CASCADE = 57650;
inline constexpr int ID_WINDOW_TILE_HORZ = 57651;
inline constexpr int ID_WINDOW_SPLIT = 57653;
/// The window list at the foot of the Window menu: one entry per child window, oldest first.
inline constexpr int ID_WINDOW_CHILD1 = 65280;
inline constexpr int kWindowListCount = 9;
inline constexpr int ID_APP_ABOUT = 57664;
inline constexpr int ID_APP_EXIT = 57665;
inline constexpr int ID_HELP_FINDER = 57667;
inline constexpr int ID_CONTEXT_HELP = 57669;
inline constexpr int ID_HELP = 57670;
inline constexpr int ID_NEXT_PANE = 57680;
inline constexpr int ID_PREV_PANE = 57681;
inline constexpr int ID_VIEW_TOOLBAR = 59392;
inline constexpr int ID_VIEW_STATUS_BAR = 59393;

// ---- Commands of the program ------------------------------------------------------------------
inline constexpr int ID_INPUT_STRAND_PATTERN = 32786;  ///< edit strand pattern (no menu)
inline constexpr int ID_INPUT_GEOMETRY = 32783;
inline constexpr int ID_INPUT_MATERIALS = 32784;
inline constexpr int ID_INPUT_LOADS = 32785;
inline constexpr int ID_INPUT_PROJECT_SETTINGS = 32788;
inline constexpr int ID_RESULTS_TEXT_SHORT = 32790;
inline constexpr int ID_RESULTS_TEXT_LONG = 32791;
inline constexpr int ID_LIBRARIES_BEAM_SECTIONS = 32793;
inline constexpr int ID_INPUT_JOB_INFO = 32800;
inline constexpr int ID_INPUT_STRESS_LIMITS = 32802;
inline constexpr int ID_INPUT_CAMBER_MULTIPLIERS = 32803;
inline constexpr int ID_INPUT_WIZARD = 32804;
inline constexpr int ID_INPUT_DEBONDING = 32807;
inline constexpr int ID_INPUT_PRELIM_STRAND_DESIGN = 32816;  ///< no menu
inline constexpr int ID_INPUT_PRELIM_DEBOND_DESIGN = 32817;  ///< no menu
inline constexpr int ID_RESULTS_GRAPHS = 32822;
inline constexpr int ID_FILE_EXPORT_RESULTS = 32830;
inline constexpr int ID_LIBRARIES_LIVE_LOAD_VEHICLES = 32832;
inline constexpr int ID_INPUT_SPAN_LAYOUT = 32834;
inline constexpr int ID_INPUT_UNUSED_32835 = 32835;  ///< no menu, tool bar or accelerator
inline constexpr int ID_INPUT_LOAD_RESIST_FACTORS = 32842;
inline constexpr int ID_INPUT_ANALYSIS_OPTIONS = 32843;
inline constexpr int ID_TOOLS_LOAD_TABLES = 32847;
inline constexpr int ID_INPUT_PRETENSIONING = 32853;
inline constexpr int ID_RESULTS_3D_RENDERING = 32855;
inline constexpr int ID_INPUT_REBAR_LONGITUDINAL = 32859;
inline constexpr int ID_INPUT_REBAR_TRANSVERSE = 32860;
inline constexpr int ID_INPUT_POST_TENSIONING = 32862;
inline constexpr int ID_RESULTS_GRID = 32863;
inline constexpr int ID_WINDOW_NEXT =
    32900;  ///< the next child window (Ctrl+F6, Ctrl+Tab; no menu)
inline constexpr int ID_INPUT_STRIPPING_HANDLING = 32864;
inline constexpr int ID_FILE_OPTIONS = 32867;
inline constexpr int ID_RESULTS_CODE_COMPLIANCE = 32870;

// ---- Controls ---------------------------------------------------------------------------------
// "About Kordel"
inline constexpr int IDC_VERSION = 1321;
// "Initialize New Design"
inline constexpr int IDC_SEED_SIMPLE_SPAN = 1014;
inline constexpr int IDC_SEED_SPLICED = 1015;
inline constexpr int IDC_SEED_FROM_FILE = 1023;
inline constexpr int IDC_SEED_SELECT_FILE = 1358;
inline constexpr int IDC_SEED_NAME = 1359;
inline constexpr int IDC_SEED_CONTINUOUS = 1362;
inline constexpr int IDC_SEED_SKETCH = 1583;
inline constexpr int IDC_SEED_ADJACENT_BOX = 1584;

}  // namespace kordel
