// "Results Grid": one result of the analysed design tabulated at 4, 10, 20 or 100 equally spaced
// points of the span, in a read-only grid whose cells the user copies out as tab-separated text
// (Ctrl+A, Ctrl+C). The dialog reads the stored results only; it analyses nothing and writes
// nothing back.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "controls/grid_ctrl.h"
#include "platform/ui/dialog.h"

namespace kordel {

class CKordelDoc;

inline constexpr int IDD_RESULTS_GRID = 219;
inline constexpr int IDC_RESULT_TYPE = 1497;
inline constexpr int IDC_POINTS_4 = 1014;
inline constexpr int IDC_POINTS_10 = 1015;
inline constexpr int IDC_POINTS_20 = 1023;
inline constexpr int IDC_POINTS_100 = 1024;
inline constexpr int IDC_RESULTS_GRID = 1693;

/// The grid's fixed heading rows: the column names, then their units.
inline constexpr int kGridHeadingRows = 2;
/// Added to x/L before it becomes a station, so that a point held a little low in single
/// precision (0.7 as 0.69999999) still lands on its hundredth point.
inline constexpr float kResultIndexBias = 0.0001f;

/// The texts of the 24 result types, in the order the list offers them.
extern const char* const kResultTypeNames[24];

/// One value column of a result type: its two heading cells, the metric factor of its unit
/// (1 for a value without one), its number format (nullptr: the design's general format) and
/// the stored value at a station, in US units.
struct ResultColumn {
    std::string name;
    const char* usUnit;
    const char* metricUnit;
    double metricFactor;
    const char* format;
    std::function<double(int station)> value;
};

/// The result types the design offers, in list order.
std::vector<std::string> OfferedResultTypes(const CKordelDoc& doc);
/// The value columns (from column 2 on) of result type `type`; empty for a text that names no
/// type.
std::vector<ResultColumn> ResultColumns(const CKordelDoc& doc, const std::string& type);
/// x/L of point `i` of `points` intervals, held in single precision.
float PointFraction(int i, int points);
/// The station (0 to 100) of point `i` of `points` intervals.
int ResultStation(int i, int points);

class CResultsGridDlg : public platform::ui::Dialog {
  public:
    explicit CResultsGridDlg(const CKordelDoc& doc);
    bool OnInitDialog() override;
    void DoDataExchange(platform::ui::DataExchange& dx) override;

    /// The dialog's template (219 "Results Grid").
    static const platform::ui::DialogTemplate& Template();

    /// Rebuilds the whole grid for result type `type` and the current point count; a text that
    /// names no type leaves the grid as it is.
    void FillGrid(const std::string& type);
    /// A point count chosen (4, 10, 20 or 100): the same type refilled.
    void OnPoints(int radioId, int points);
    /// A list entry chosen: the grid refilled with that type.
    void OnSelchangeResultType();

    CGridCtrl m_grid;
    const CKordelDoc& m_doc;
    int m_nResultType = 0;
    std::string m_strResultType;
    int m_nPoints = 4;
    int m_nRows = 0;
    int m_nCols = 0;
};

}  // namespace kordel
