// "Girder Segment Details": the segments of a spliced girder (up to four) with the closure pour
// after each but the last, in a grid; OK refuses a table whose segments and closures do not add
// up to the girder length. Opened by the geometry dialog's "Segments..." button.
#pragma once

#include <string>

#include "controls/grid_ctrl.h"
#include "controls/grid_types.h"
#include "platform/ui/dialog.h"

namespace kordel {

class CKordelDoc;

inline constexpr int IDD_GIRDER_SEGMENTS = 215;
inline constexpr int IDC_SEGMENT_COUNT = 1622;
inline constexpr int IDC_SEGMENT_COUNT_SPIN = 1623;
inline constexpr int IDC_SEGMENT_GRID = 1624;
inline constexpr int IDC_SEGMENT_SUM = 1644;
inline constexpr int IDC_SEGMENT_OVERALL = 1645;
inline constexpr int IDC_SEGMENT_SUM_LABEL = 1659;
inline constexpr int IDC_SEGMENT_OVERALL_LABEL = 1660;

/// Segments a spliced girder has at most.
inline constexpr int kMaxSegments = 4;

class CGirderSegementDetailsDlg : public platform::ui::Dialog, public GridOwner {
  public:
    CGirderSegementDetailsDlg();
    bool OnInitDialog() override;
    void OnOK() override;
    void DoDataExchange(platform::ui::DataExchange& dx) override;
    bool OnGridEndEdit(CGridCtrl& grid, CCellID cell) override;

    static const platform::ui::DialogTemplate& Template();
    static constexpr const char* kSumMessage =
        "Sum of segment lengths and closure pours \nmust equal overall girder length.";

    CKordelDoc* m_pDoc = nullptr;  ///< handed on by the geometry dialog, not used
    double m_dOverallLength = 0;   ///< ft | m
    int m_nUnits = 1;
    int m_nSegments = 1;
    /// Per segment its length and the closure pour after it: feet in and out, shown units
    /// while open.
    double m_adSegments[kMaxSegments][2] = {};
    float m_fSegmentSum = 0;
    std::string m_strOverallLength;
    std::string m_strSegmentSum;
    CGridCtrl m_grid;

  private:
    /// The segment table as handed in, ft, for a metric design.
    double m_adFeetHandedIn[kMaxSegments][2] = {};

    void FillGrid();
    void ReadGrid();
    void ComputeSum();
    bool OnCountSpin(int pos, int delta);
};

}  // namespace kordel
