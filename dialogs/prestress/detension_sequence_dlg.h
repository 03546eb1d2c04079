// "Detension Sequence": the order in which the strand groups are cut at release, for the
// detensioning check; one grid row per cut. OK takes only a permutation of the group numbers.
// Opened by "Detensioning Sequence..." of the debonding dialog.
#pragma once

#include "controls/grid_ctrl.h"
#include "controls/grid_types.h"
#include "document/model_limits.h"
#include "platform/ui/dialog.h"

namespace kordel {

inline constexpr int IDD_DETENSION_SEQUENCE = 226;
inline constexpr int IDC_DETENSION_GRID = 1725;

class CDetensionSequenceDlg : public platform::ui::Dialog, public GridOwner {
  public:
    CDetensionSequenceDlg();
    bool OnInitDialog() override;
    void OnOK() override;
    void DoDataExchange(platform::ui::DataExchange& dx) override;

    static const platform::ui::DialogTemplate& Template();
    /// The refusals of OK, with %d for the number of groups.
    static constexpr const char* kRangeMessage =
        "Sequence values must be positive integers from 1 through %d";
    static constexpr const char* kMissingMessage =
        "Sequence values must contain all of the integers from 1 through %d";

    int m_nGroupCount = 0;                   ///< N: groups in use
    int m_anOrder[kMaxStrandGroups] = {};    ///< entry k: the group (from 1) cut at step k + 1
    CGridCtrl m_grid;

  private:
    /// The message `format` with the group count in it, shown as a refusal of OK.
    void Refuse(const char* format);
};

}  // namespace kordel
