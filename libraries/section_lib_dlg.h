// "Section Library": the section library folder in a folder browser, the summary and a sketch
// of one section. In pick mode (the properties dialog's "Library...") a click on a .ksl file
// loads it into the caller's record and OK (or a double click) takes it; in maintenance mode
// (Libraries/Beam Sections) New... and Edit... run the properties dialog in library mode,
// which saves the section itself, and Import... writes the sections of an older section archive
// into the folder shown, as .ksl files.
#pragma once

#include <string>

#include "controls/folder_browser.h"
#include "libraries/library_archives.h"
#include "libraries/section_lib_doc.h"
#include "platform/ui/dc.h"
#include "platform/ui/dialog.h"
#include "platform/ui/geometry.h"

namespace kordel {

inline constexpr int IDD_SECTION_LIBRARY = 142;
inline constexpr int IDC_SECLIB_HEIGHT = 1136;
inline constexpr int IDC_SECLIB_CG = 1137;
inline constexpr int IDC_SECLIB_AREA = 1108;
inline constexpr int IDC_SECLIB_INERTIA = 1138;
inline constexpr int IDC_SECLIB_WEB_WIDTH = 1141;
inline constexpr int IDC_SECLIB_HEIGHT_LABEL = 1271;
inline constexpr int IDC_SECLIB_CG_LABEL = 1272;
inline constexpr int IDC_SECLIB_AREA_LABEL = 1273;
inline constexpr int IDC_SECLIB_INERTIA_LABEL = 1274;
inline constexpr int IDC_SECLIB_SKETCH = 1376;
inline constexpr int IDC_SECLIB_NAME = 1478;
inline constexpr int IDC_SECLIB_BOTTOM_FLANGE_WIDTH = 1609;
inline constexpr int IDC_SECLIB_TOP_FLANGE_WIDTH = 1610;
inline constexpr int IDC_SECLIB_IMPORT = 1613;
inline constexpr int IDC_SECLIB_NEW = 1616;
inline constexpr int IDC_SECLIB_EDIT = 1617;
inline constexpr int IDC_SECLIB_FUNCTIONS = 1618;
inline constexpr int IDC_SECLIB_TOP_FLANGE_LABEL = 1652;
inline constexpr int IDC_SECLIB_BOTTOM_FLANGE_LABEL = 1653;
inline constexpr int IDC_SECLIB_WEB_WIDTH_LABEL = 1654;
inline constexpr int IDC_SECLIB_DRIVES = 2000;
inline constexpr int IDC_SECLIB_FILES = 2001;
inline constexpr int IDC_SECLIB_FOLDER = 2002;
inline constexpr int IDC_SECLIB_FILE_TYPE = 2004;

// ---- The section sketch ------------------------------------------------------------------------
// The sketch of a beam section that the section dialogs draw into a frame of their own: the
// outer outline and the polygonal void as chains of lines, the circular voids as white circles,
// scaled so that the outline and the origin fill nine tenths of the frame. The coordinates
// dialog adds its axes and the centroid cross; the library and properties dialogs mark the
// origin with a black dot.

/// What a sketch draws: the coordinates (in any one length unit) and the marks around them.
struct SectionSketchData {
    int outlineCount = 0;
    const double (*outline)[kPointValueCount] = nullptr;
    int voidCount = 0;
    const double (*voidOutline)[kPointValueCount] = nullptr;
    int circleCount = 0;
    const double (*circles)[kCircularVoidValueCount] = nullptr;
    /// Radius of the black dot at the origin, in the coordinates' unit (0: no dot).
    double originDotRadius = 0;
    /// The green axes at the origin and the centroid cross at `centroid` (coordinates dialog).
    bool axesAndCentroid = false;
    double centroid = 0;
};

/// The sketch data of anything that holds a section's counts and coordinates (a record, a
/// dialog), with the origin dot `dotRadius` in their unit.
template <class Section>
SectionSketchData SketchOf(const Section& s, double dotRadius) {
    SectionSketchData data;
    data.outlineCount = s.m_nOutlinePointCount;
    data.outline = s.m_adOutline;
    data.voidCount = s.m_nVoidPointCount;
    data.voidOutline = s.m_adVoidOutline;
    data.circleCount = s.m_nCircularVoidCount;
    data.circles = s.m_adCircularVoid;
    data.originDotRadius = dotRadius;
    return data;
}

/// Draws the sketch over `client` (the frame's pixels): the frame, then the section. A count
/// outside its array draws as none; an outline with no extent across or up (no scale to draw
/// it at), or with a coordinate that is not finite, leaves the bare frame.
void DrawSectionSketch(platform::ui::DC& dc, platform::ui::Size client,
                       const SectionSketchData& data);

/// Modes of the dialog.
inline constexpr int kSectionLibPick = 1;
inline constexpr int kSectionLibMaintenance = 2;

/// The file type the section browser lists.
inline constexpr const char* kSectionFileType = "Kordel Section Library files (*.ksl)";

class CSectionLibDlg : public platform::ui::Dialog {
  public:
    CSectionLibDlg();
    bool OnInitDialog() override;
    void OnOK() override;
    void OnDrawItem(int id, platform::ui::DC& dc, platform::ui::Size clientSize) override;
    static const platform::ui::DialogTemplate& Template();

    CSectionLibDoc* m_pSection = nullptr;  ///< the caller's record: shown, loaded into (inches)
    int m_nMode = kSectionLibPick;         ///< 1 pick, 2 maintenance
    int m_bSectionReplaced = 0;            ///< a section was picked, or saved by New/Edit
    std::string m_strLibraryTag = kSectionLibraryTag;  ///< identity of an importable archive
    int m_nUnits = kUnitsUS;               ///< 1 US customary, 2 metric (the details only)
    std::string m_strLibraryFolder;        ///< the library folder, found at opening
    std::string m_strCurrentFolder;        ///< the folder the browser lists
    std::string m_strArchivePath;          ///< the archive of the last import

    /// The folder shown now.
    const std::string& BrowsePath() const { return m_browser.Folder(); }

  private:
    void ListCurrentFolder();
    void ShowDetails();
    void OnSelchangeDrive();
    void OnClickFileList();
    void OnDblclkFileList();
    void OnNew();
    void OnEdit();
    void OnImport();
    /// Runs the properties dialog in library mode on `section`; on OK the record takes it.
    void EditInPropertiesDialog(const SectionLibRecord& section);
    /// Reads the head of the archive at m_strArchivePath and decides whether to go on.
    bool CheckLegacyHeader(const std::vector<std::uint8_t>& bytes);

    CFolderBrowser m_browser;
};

}  // namespace kordel
