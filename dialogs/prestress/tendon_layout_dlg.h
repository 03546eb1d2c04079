// "Post-Tensioning Tendons": the table of the post-tensioning tendons (strands, duct, centroid at
// the end and at midspan, horizontal location, Z and the stressing end, which every tendon takes
// from the first), with each tendon's steel area and jacking force. US units whatever the design's.
// Opened by "Edit Post-Tensioning Pattern..." of the post-tensioning dialog.
#pragma once

#include "controls/grid_ctrl.h"
#include "controls/grid_types.h"
#include "document/model_limits.h"
#include "document/model_prestress.h"
#include "document/model_records.h"
#include "platform/ui/dialog.h"

namespace kordel {

inline constexpr int IDD_POST_TENSIONING_TENDONS = 208;
inline constexpr int IDC_TENDON_BASIS_FPY = 1023;
inline constexpr int IDC_TENDON_BASIS_FPU = 1024;
inline constexpr int IDC_TENDON_GRID = 1589;
inline constexpr int IDC_TENDON_COUNT = 1590;
inline constexpr int IDC_TENDON_COUNT_SPIN = 1591;
inline constexpr int IDC_TENDON_JACKING_FRACTION = 1607;

/// Tendons the count spin offers; a design may hold more (up to kMaxTendons), all shown.
inline constexpr int kTendonSpinMax = 6;

/// Columns of the tendon grid.
enum TendonColumn : int {
    kTendonColNumber = 0,
    kTendonColStrands = 1,
    kTendonColDuct = 2,
    kTendonColCgEnd = 3,
    kTendonColCgMid = 4,
    kTendonColLocation = 5,
    kTendonColZ = 6,
    kTendonColStressEnd = 7,
    kTendonColArea = 8,
    kTendonColPjack = 9,
};
inline constexpr int kTendonColumnCount = 10;

class CGirderTendonLayoutDlg : public platform::ui::Dialog, public GridOwner {
  public:
    CGirderTendonLayoutDlg();
    bool OnInitDialog() override;
    void OnOK() override;
    void DoDataExchange(platform::ui::DataExchange& dx) override;
    bool OnGridEndEdit(CGridCtrl& grid, CCellID cell) override;

    static const platform::ui::DialogTemplate& Template();

    CGridCtrl m_grid;
    double m_dGirderLength = 0;      ///< ft
    double m_dPTStrandUnitArea = 0;  ///< in2
    double m_dPTStrandFpy = 0;       ///< ksi
    double m_dPTStrandFpu = 0;       ///< ksi
    int m_nPTJackingBasis = 0;       ///< 1 fpy, 2 fpu, else no jacking force
    PostTensioningTendon m_aTendons[kMaxTendons] = {};
    float m_afArea[kMaxTendons] = {};   ///< in2
    float m_afPjack[kMaxTendons] = {};  ///< kip
    int m_nTendonCount = 0;
    double m_dPtJackingFraction = 0;

  private:
    int UsedTendons() const;
    void ComputeForces();
    void FillGrid();
    void ReadGrid();
    bool OnTendonsDeltaPos(int pos, int delta);
};

/// A new tendon of the table: "Tendon%2d" with `number`, a straight profile over the girder of
/// `girderLength` ft with its vertex at mid-length, Z 0.75 in, stressed from the left end.
PostTensioningTendon NewTendon(int number, double girderLength);

}  // namespace kordel
