// "Transverse Rebar": the girder's shear reinforcement as zones along the girder, either as
// stirrups (a gap, then equal spaces of one bar size) or as steel areas per length over a zone
// length. A symmetric pattern is edited as its left half and mirrored on OK. A profile of the
// girder shows where the zones lie.
#pragma once

#include <string>

#include "controls/grid_ctrl.h"
#include "controls/grid_types.h"
#include "document/model_limits.h"
#include "platform/ui/dialog.h"

namespace kordel {

class CKordelDoc;

inline constexpr int IDD_TRANSVERSE_REBAR = 202;
inline constexpr int IDC_TRANSVERSE_USE_STIRRUPS = 1014;
inline constexpr int IDC_TRANSVERSE_USE_AREA = 1015;
inline constexpr int IDC_TRANSVERSE_ZONES_SPIN = 1316;
inline constexpr int IDC_TRANSVERSE_SYMMETRIC = 1339;
inline constexpr int IDC_TRANSVERSE_PROFILE = 1568;
inline constexpr int IDC_TRANSVERSE_GRID = 1574;
inline constexpr int IDC_TRANSVERSE_ZONES = 1579;
inline constexpr int IDC_TRANSVERSE_LEGS = 1580;
inline constexpr int IDC_TRANSVERSE_LEGS_SPIN = 1581;
inline constexpr int IDC_TRANSVERSE_LENGTH = 1760;
inline constexpr int IDC_TRANSVERSE_LEGS_LABEL = 1788;

/// Zones a pattern edits: its left half when symmetric, else the whole girder.
inline constexpr int kMaxStirrupZonesSymmetric = 10;
inline constexpr int kMaxStirrupZonesAsymmetric = 20;
/// Legs of a stirrup the legs spin takes.
inline constexpr int kMinStirrupLegs = 1;
inline constexpr int kMaxStirrupLegs = 4;

class CTransverseRebarPatDlg : public platform::ui::Dialog, public GridOwner {
  public:
    CTransverseRebarPatDlg();
    bool OnInitDialog() override;
    void OnOK() override;
    void DoDataExchange(platform::ui::DataExchange& dx) override;
    void OnDrawItem(int id, platform::ui::DC& dc, platform::ui::Size clientSize) override;
    bool OnGridEndEdit(CGridCtrl& grid, CCellID cell) override;

    static const platform::ui::DialogTemplate& Template();
    static constexpr const char* kBeyondMidspan =
        "Symmetric patterns cannot extend beyond midspan.";
    static constexpr const char* kBeyondRightEnd =
        "Asymmetric patterns cannot extend beyond R end of beam.";

    CKordelDoc* m_pDoc = nullptr;  ///< the open design (US units), read by the profile
    int m_nUnits = 1;              ///< 1 US customary, 2 metric
    double m_dGirderLength = 0;    ///< ft | m
    int m_bSymmetric = 0;
    /// Zones in use: the whole pattern outside the dialog, its left half while a symmetric
    /// pattern is open.
    int m_nZoneCount = 0;
    int m_nLegs = 2;
    /// The zones [zone][StirrupZoneValue]: gap, end and length ft (m), spacing in (mm), area
    /// in2/ft (mm2/mm).
    double m_aZones[kMaxStirrupZones][kStirrupZoneValueCount] = {};
    int m_bStirrupLayout = 1;  ///< 1 stirrups, 0 shear steel areas
    double m_dScaleX = 0;      ///< profile scales of the last drawing, pixels per inch
    double m_dScaleY = 0;
    std::string m_strLength;  ///< the girder (half) length line
    CGridCtrl m_grid;

  private:
    void FillGrid();
    /// Takes the cells the user changed into the zones and works their ends and areas out.
    void ReadGrid();
    void Recompute();
    void ResetZone(int k);
    void ShowLengthText();
    void SetStirrupControls(bool enabled);
    bool OnZonesSpin(int pos, int delta);
    bool OnLegsSpin(int pos, int delta);
    void OnSymmetric();
    void OnUseStirrups();
    void OnUseShearSteelArea();
    bool Metric() const { return m_nUnits != kUnitsUS; }

    int m_nOpenedZoneCount = 0;  ///< the count the pattern came with
    /// Whether anything of the pattern changed since it opened; OK leaves an unchanged
    /// pattern exactly as it came.
    bool m_bChanged = false;
};

}  // namespace kordel
