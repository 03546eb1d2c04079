// "Strand Template": the rows of possible strand positions of a girder section, each with its
// elevation, its number of positions, how many of them draped strands may use and their
// horizontal locations from the centreline (each location a symmetric pair; 0 the strand on the
// centreline). "Generate" lays the locations out on a 2-in grid from the centreline outward
// ("Interior") or from the web inward ("Exterior").
//
// Opened by the strand layout dialog of the pretensioning pattern and by the section properties
// dialog of the section library; the simplest way in is EditStrandTemplate below.
#pragma once

#include "controls/grid_ctrl.h"
#include "controls/grid_types.h"
#include "document/model_limits.h"
#include "platform/ui/dialog.h"

namespace kordel {

inline constexpr int IDD_STRAND_TEMPLATE = 198;
inline constexpr int IDC_TEMPLATE_ROWS_SPIN = 1306;
inline constexpr int IDC_TEMPLATE_COLUMNS_SPIN = 1315;
inline constexpr int IDC_TEMPLATE_ROWS = 1334;
inline constexpr int IDC_TEMPLATE_GENERATE = 1336;
inline constexpr int IDC_TEMPLATE_GRID = 1535;
inline constexpr int IDC_TEMPLATE_COLUMNS = 1537;
inline constexpr int IDC_TEMPLATE_INTERIOR = 1538;
inline constexpr int IDC_TEMPLATE_EXTERIOR = 1539;

/// Rows a template holds in this dialog.
inline constexpr int kMaxTemplateRows = 49;
/// Grid columns before the locations: "Row", "Total", "Draped", the elevation.
inline constexpr int kTemplateGridLocationColumn = 4;

class CStrandTemplateDlgV3 : public platform::ui::Dialog, public GridOwner {
  public:
    CStrandTemplateDlgV3();
    bool OnInitDialog() override;
    void OnOK() override;
    void DoDataExchange(platform::ui::DataExchange& dx) override;

    static const platform::ui::DialogTemplate& Template();
    static constexpr const char* kLimitMessage =
        "Max. columns is 27 and max. rows is 49 in strand template.";

    CGridCtrl m_grid;
    int m_nUnits = 1;
    int m_nRowCount = 1;     ///< rows in use, 1 to 49 (in and back)
    int m_nRowsEdit = 1;     ///< the number in "No. Rows:"
    int m_nColumnCount = 1;  ///< locations per row, "No. Cols:" (in and back)
    double m_dWebLocation = 0;  ///< in | m
    int m_nLocation = 1;        ///< 1 "Interior", 2 "Exterior" (in and back)
    int m_bNewTemplate = 0;     ///< set by OK
    /// [row][TemplateValue]; elevations and locations in in | m.
    double m_adTemplate[kMaxPatternRows][kMaxPatternColumns] = {};

  private:
    void FillGrid();
    /// Reads the edits, then the grid's rows in use back into the template; false when an edit
    /// holds no whole number.
    bool ReadGrid();
    /// The typed counts within their limits; shows the limit message when not.
    bool CountsWithinLimits();
    /// Makes `rows` rows in use; the rows added come in empty.
    void SetRows(int rows);
    /// Makes `columns` locations per row; the locations added come in empty.
    void SetColumns(int columns);
    void OnGenerate();
    bool OnRowsSpin(int pos, int delta);
    bool OnColumnsSpin(int pos, int delta);
};

/// A strand template as the design and the section library keep it, in inches.
struct StrandTemplateData {
    int rowCount = 1;
    int columnCount = 1;
    int layout = 1;  ///< 1 "Interior", 2 "Exterior"
    double webLocation = 0;
    double values[kMaxPatternRows][kMaxPatternColumns] = {};
};

/// Runs the strand template dialog over `data` (inches), showing metres when `units` is 2;
/// on OK the edited template, its row and column counts and its layout choice come back into
/// `data` and the answer is true. Cancel leaves `data` as it was.
bool EditStrandTemplate(StrandTemplateData& data, int units);
/// The same over `data` already in the units the dialog shows (metres when `units` is 2), as
/// the section properties dialog holds its template: nothing is converted either way.
bool EditShownStrandTemplate(StrandTemplateData& data, int units);

}  // namespace kordel
