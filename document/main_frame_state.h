// The state of the main frame that the design document reads and writes: which design is open,
// the new-design choice, the program folder, the copies of the design settings that enable
// commands, the single-view flags and the status bar. Kept free of window code so that the
// engine, the tests and the batch front can run with no window; the desktop main frame builds
// on it.
#pragma once

#include <string>

namespace kordel {

/// The choice of the "Initialize New Design" dialog.
enum SeedChoice : int {
    SeedSimpleSpan = 1,    ///< example design 1: simple-span composite I-girder
    SeedAdjacentBox = 2,   ///< example design 2: non-composite adjacent box beam
    SeedContinuous = 3,    ///< example design 3: continuous composite 3-span I-girder
    SeedSpliced = 4,       ///< example design 4: spliced post-tensioned I-girder
    SeedFromFile = 999,    ///< a previous design file as seed (path in m_strSeedName)
};

/// Status-bar panes the document writes (pane 0 is the frame's own message pane).
enum StatusPane : int {
    kPaneProgress = 1,  ///< "Analyzing: |||" / "Done"
    kPaneStress = 2,    ///< worst bottom stress and smallest Mr/Mu
    kPaneStrands = 3,   ///< strand count and length
    kPaneConcrete = 4,  ///< f'c and f'ci
    kPaneDesignCode = 5,      ///< "LRFD" or "STND"
};

class CMainFrameState {
public:
    CMainFrameState() = default;
    virtual ~CMainFrameState() = default;

    /// Sets the text of status-bar pane `pane` (1 to 5) through the host.
    virtual void SetStatusText(int pane, const std::string& text);

    int m_bDocumentOpen = 0;  ///< BOOL: 1 while a design is open
    int m_bNoDocument = 1;    ///< BOOL: 1 while no design is open
    std::string m_strProgramFolder;  ///< folder of the program file, ending with a separator

    int m_nStructureType = 1;  ///< copy of the design's m_bContinuous (1 here also for none)
    int m_nPrestressType = 1;  ///< copy of the design's m_nPrestressType
    int m_nUnits = 1;          ///< copy of the design's m_nUnits

    int m_bGraphViewOpen = 0;       ///< BOOL: the graph view is open
    int m_bShortTextViewOpen = 0;   ///< BOOL: the short-form text view is open
    int m_bLongTextViewOpen = 0;    ///< BOOL: the long-form text view is open
    int m_bComplianceViewOpen = 0;  ///< BOOL: the code-compliance view is open

    int m_nSeedChoice = SeedSimpleSpan;  ///< SeedChoice of the last File New
    std::string m_strSeedName;           ///< seed file path for SeedFromFile
};

/// The application's main frame. A built-in one serves until a program or test installs its
/// own, so that a document always finds a main frame.
CMainFrameState& GetMainFrame();
/// Installs `frame` (not owned; nullptr restores the built-in one); returns the previous one.
CMainFrameState* SetMainFrame(CMainFrameState* frame);

/// Installs a main frame for the lifetime of the guard.
class ScopedMainFrame {
public:
    explicit ScopedMainFrame(CMainFrameState& frame) : m_previous(SetMainFrame(&frame)) {}
    ~ScopedMainFrame() { SetMainFrame(m_previous); }
    ScopedMainFrame(const ScopedMainFrame&) = delete;
    ScopedMainFrame& operator=(const ScopedMainFrame&) = delete;

private:
    CMainFrameState* m_previous;
};

}  // namespace kordel
