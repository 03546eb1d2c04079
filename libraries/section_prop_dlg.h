// "Section Properties": one beam section's name, summary properties and dimensions, with its
// sketch; through sub-dialogs its strand template, its coordinates and a parametric generation;
// "Library..." takes a section from the section library and "Save" writes the section as a .ksl
// file. In library mode (the library's New... and Edit...) OK reads "Save" and saves.
//
// The caller sets m_nMode, m_nUnits and the record members in inches (CopySectionFromDesign
// fills them from a design), runs the dialog and, after OK, takes the record members back in
// inches (CopySectionToDesign) and reads m_bSectionReplaced. While the dialog runs, the summary
// values, Iyy, the web location, the decking thickness and the template rows are in the
// design's units; the outline, voids and generator tables stay in inches. A value the user left
// alone comes back to its last bit.
#pragma once

#include <functional>

#include "libraries/section_lib_doc.h"
#include "platform/ui/dialog.h"

namespace kordel {

inline constexpr int IDD_SECTION_PROPERTIES = 146;
inline constexpr int IDC_SECTION_SAVE = 1006;
inline constexpr int IDC_SECTION_DECKING = 1007;
inline constexpr int IDC_SECTION_BOTTOM_FLANGE_THICKNESS = 1017;
inline constexpr int IDC_SECTION_J = 1018;
inline constexpr int IDC_SECTION_VS = 1022;
inline constexpr int IDC_SECTION_BOTTOM_FLANGE_WIDTH = 1032;
inline constexpr int IDC_SECTION_BWO = 1033;
inline constexpr int IDC_SECTION_AREA = 1108;
inline constexpr int IDC_SECTION_NAME = 1134;
inline constexpr int IDC_SECTION_HEIGHT = 1136;
inline constexpr int IDC_SECTION_CG = 1137;
inline constexpr int IDC_SECTION_IXX = 1138;
inline constexpr int IDC_SECTION_TOP_FLANGE_WIDTH = 1139;
inline constexpr int IDC_SECTION_TOP_FLANGE_THICKNESS = 1140;
inline constexpr int IDC_SECTION_WEB_WIDTH = 1141;
inline constexpr int IDC_SECTION_LIBRARY = 1214;
inline constexpr int IDC_SECTION_J_LABEL = 1247;
inline constexpr int IDC_SECTION_HEIGHT_LABEL = 1271;
inline constexpr int IDC_SECTION_CG_LABEL = 1272;
inline constexpr int IDC_SECTION_AREA_LABEL = 1273;
inline constexpr int IDC_SECTION_IXX_LABEL = 1274;
inline constexpr int IDC_SECTION_BWO_LABEL = 1278;
inline constexpr int IDC_SECTION_TEMPLATE = 1329;
inline constexpr int IDC_SECTION_TYPE_PICTURE = 1338;
inline constexpr int IDC_SECTION_COORDINATES = 1375;
inline constexpr int IDC_SECTION_SKETCH = 1376;
inline constexpr int IDC_SECTION_WEB_LOCATION = 1380;
inline constexpr int IDC_SECTION_VS_LABEL = 1455;
inline constexpr int IDC_SECTION_TYPE_COMBO = 1498;
inline constexpr int IDC_SECTION_GENERATE = 1499;
inline constexpr int IDC_SECTION_WEB_LOCATION_LABEL = 1597;
inline constexpr int IDC_SECTION_FLANGE_GROUP = 1642;
inline constexpr int IDC_SECTION_WEB_GROUP = 1643;
inline constexpr int IDC_SECTION_IYY_LABEL = 1695;
inline constexpr int IDC_SECTION_TYPE_NAME = 1713;
inline constexpr int IDC_SECTION_WEB_COUNT = 1726;
inline constexpr int IDC_SECTION_WEB_COUNT_SPIN = 1727;
inline constexpr int IDC_SECTION_IYY = 1748;
inline constexpr int IDC_SECTION_DECKING_LABEL = 1795;

/// Modes of the dialog.
inline constexpr int kSectionPropNormal = 1;
inline constexpr int kSectionPropLibrary = 2;
/// The longest section name.
inline constexpr int kMaxSectionNameChars = 20;

/// What the strand template dialog is handed and gives back: lengths in the design's units.
struct StrandTemplateEdit {
    int units = kUnitsUS;
    int sectionType = 0;
    double height = 0;
    int rowCount = 0;
    double webLocation = 0;
    int columnCount = 0;
    int layout = 0;
    double values[kMaxPatternRows][kMaxPatternColumns] = {};
    int sectionReplaced = 0;  ///< set by the editor when it ends with OK
};
/// The strand template dialog as the properties dialog's "Template..." runs it: true when it
/// ended with OK, with the template changed in place. An empty editor leaves the button
/// disabled.
using StrandTemplateEditor = std::function<bool(StrandTemplateEdit&)>;
/// Installs the editor "Template..." runs; returns the one installed before.
StrandTemplateEditor SetStrandTemplateEditor(StrandTemplateEditor editor);

/// The section's type name as the dialog shows it (the seven names, "" for another code).
const char* SectionTypeName(int sectionType);
/// Draws the 48 x 48 picture of a section type: the shape of the type's generator defaults.
void DrawSectionTypePicture(int sectionType, platform::ui::DC& dc);

/// `inches` in the units of `units` (metric: m, m2, m4), and back: a value still shown as it
/// was converted from `before` comes back as that value of `before`.
SectionLibRecord SectionInUnits(const SectionLibRecord& inches, int units);
SectionLibRecord SectionFromUnits(const SectionLibRecord& shown, const SectionLibRecord& before,
                                  int units);

class CSectionPropDlg : public platform::ui::Dialog, public SectionLibRecord {
  public:
    CSectionPropDlg();
    bool OnInitDialog() override;
    void OnOK() override;
    void DoDataExchange(platform::ui::DataExchange& dx) override;
    void OnDrawItem(int id, platform::ui::DC& dc, platform::ui::Size clientSize) override;
    static const platform::ui::DialogTemplate& Template();

    /// Writes the section into a .ksl file the user names (the library folder proposed): 1
    /// when it was written, 0 when the user cancelled or writing failed (the error shown).
    int Save();

    int m_nMode = kSectionPropNormal;  ///< 1 normal, 2 library mode
    int m_nUnits = kUnitsUS;           ///< 1 US customary, 2 metric
    int m_bSectionReplaced = 0;        ///< a section came from the library, the generator or
                                       ///< the template dialog

  private:
    bool Metric() const { return m_nUnits != kUnitsUS; }
    /// The members as a record in inches.
    SectionLibRecord InInches() const;
    /// The members become `inches`, in the design's units.
    void TakeInches(const SectionLibRecord& inches);
    void ShowType();
    void ShowWebCount();
    bool OnWebCountSpin(int pos, int delta);
    void OnLibrary();
    void OnTemplate();
    void OnCoordinates();
    void OnGenerateNew();

    SectionLibRecord m_inches;  ///< the section last handed in or taken, in inches
};

}  // namespace kordel
