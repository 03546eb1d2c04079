// "Generate Section Properties": one of the seven parametric section types, its dimensions in a
// grid (and the slab's circular voids in a second one), the fillet options; "Generate
// Properties" builds the outline, the gross properties, the torsion constant and a default
// strand template, shown in the summary boxes and the sketch. "Coordinate List..." opens the
// coordinates dialog on the result. Lengths in the design's unit (m in a metric design).
#pragma once

#include <string>
#include <vector>

#include "controls/grid_ctrl.h"
#include "libraries/section_lib_dlg.h"
#include "document/model_limits.h"
#include "platform/ui/dialog.h"

namespace kordel {

inline constexpr int IDD_SECTION_GENERATOR = 191;
inline constexpr int IDC_GEN_J = 1018;
inline constexpr int IDC_GEN_AREA = 1108;
inline constexpr int IDC_GEN_HEIGHT = 1136;
inline constexpr int IDC_GEN_CG = 1137;
inline constexpr int IDC_GEN_IXX = 1138;
inline constexpr int IDC_GEN_J_LABEL = 1247;
inline constexpr int IDC_GEN_HEIGHT_LABEL = 1271;
inline constexpr int IDC_GEN_CG_LABEL = 1272;
inline constexpr int IDC_GEN_AREA_LABEL = 1273;
inline constexpr int IDC_GEN_IXX_LABEL = 1274;
inline constexpr int IDC_GEN_WEB_FILLETS = 1318;
inline constexpr int IDC_GEN_SHAPE_PICTURE = 1338;
inline constexpr int IDC_GEN_FLANGE_FILLETS = 1341;
inline constexpr int IDC_GEN_COORDINATE_LIST = 1375;
inline constexpr int IDC_GEN_SKETCH = 1376;
inline constexpr int IDC_GEN_CIRCLE_COUNT = 1383;
inline constexpr int IDC_GEN_TYPE = 1498;
inline constexpr int IDC_GEN_DIMENSION_GRID = 1500;
inline constexpr int IDC_GEN_GENERATE = 1504;
inline constexpr int IDC_GEN_CIRCLE_GRID = 1598;
inline constexpr int IDC_GEN_CIRCLE_SPIN = 1599;

/// Size of the dimensioned shape picture, pixels.
inline constexpr platform::ui::Size kShapePictureSize{250, 246};
/// The smallest fillet radius; a smaller one is no fillet.
inline constexpr double kMinFilletRadius = 0.1;

/// One row of the dimension grid: its label and the slot it stands for.
struct DimensionRow {
    std::string label;  ///< "B1", ..., "R1"
    bool width;         ///< a width slot (B), else a depth slot (D)
    int slot;           ///< 1 to 10
};
/// The rows of the dimension grid of generator type `genType` with the fillet options.
std::vector<DimensionRow> DimensionRows(int genType, bool webFillets, bool flangeFillets);
struct SectionShape;
/// The sketch data of a generated shape (no origin dot).
SectionSketchData ShapeSketch(const SectionShape& shape);
/// Draws the dimensioned picture of a generator type: its default shape with the names of its
/// dimensions.
void DrawShapePicture(int genType, bool webFillets, bool flangeFillets, platform::ui::DC& dc);

class CSectionPropGenDlg : public platform::ui::Dialog, public GridOwner {
  public:
    CSectionPropGenDlg();
    bool OnInitDialog() override;
    void OnOK() override;
    void DoDataExchange(platform::ui::DataExchange& dx) override;
    void OnDrawItem(int id, platform::ui::DC& dc, platform::ui::Size clientSize) override;
    static const platform::ui::DialogTemplate& Template();

    /// Lays out the grids and the picture of type `genType` and writes the slots into them.
    void FillDimensionGrid(int genType);
    /// Reads the grids back into the slots (with the corrections of the legs, the flange and
    /// the radii).
    void ReadDimensionGrid();
    /// "Generate Properties".
    void OnGenerateProperties();

    int m_nGenType = 0;  ///< generator type 0 to 6
    CGridCtrl m_gridDimensions;
    CGridCtrl m_gridCircularVoids;
    int m_nOutlinePointCount = 0;
    double m_adOutline[kMaxOutlinePoints][kPointValueCount] = {};
    int m_nVoidPointCount = 0;
    double m_adVoidOutline[kMaxOutlinePoints][kPointValueCount] = {};
    double m_adCircularVoid[kMaxCircularVoids][kCircularVoidValueCount] = {};
    double m_dWebLocation = 0;
    int m_nSectionType = 0;  ///< section shape code 1 to 7
    double m_dTopFlangeThickness = 0, m_dTopFlangeWidth = 0, m_dWebWidth = 0;
    double m_dVolumeToSurface = 0, m_dInertiaY = 0;
    double m_dBottomFlangeWidth = 0, m_dBottomFlangeThickness = 0, m_dBwo = 0;
    int m_nWebCount = 0;
    int m_bSectionFlag1 = 0, m_bSectionFlag2 = 0;
    int m_bCurvedWebFillets = 0, m_bCurvedFlangeFillets = 0;
    int m_nTemplateLayout = 0, m_nTemplateColumnCount = 0, m_nTemplateRowCount = 0;
    double m_adStrandTemplate[kMaxPatternRows][kMaxPatternColumns] = {};
    int m_nUnits = kUnitsUS;  ///< 1 US customary (in); any other value metric (m)
    double m_adGenWidth[kSectionGeneratorSlots] = {};  ///< B1 to B10 in slots 1 to 10
    double m_adGenDepth[kSectionGeneratorSlots] = {};  ///< D1 to D10 in slots 1 to 10
    double m_dHeight = 0, m_dArea = 0, m_dCentroid = 0, m_dInertia = 0, m_dTorsionConstant = 0;
    int m_nCircularVoidCount = 0;

  private:
    bool Metric() const { return m_nUnits != kUnitsUS; }
    void OnSelChangeSectionType();
    void OnFillets(int& option, int checkId);
    void OnCoordinateList();
    bool OnCircleCountSpin(int pos, int delta);
    void EnableFilletBoxes(bool enabled);
    void WriteCircleRows();
};

}  // namespace kordel
