// "Project Settings": the specification edition, the display units, simple span or continuous,
// pretensioning alone or with post-tensioning, and a state or agency whose presets the design
// takes. The dialog only reports the choices (with two flags: the edition changed, an agency
// was picked); what follows from them is the Project Settings command's work.
#pragma once

#include <string>
#include <vector>

#include "platform/ui/dialog.h"

namespace kordel {

inline constexpr int IDD_PROJECT_SETTINGS = 134;
inline constexpr int IDC_UNITS_US = 1014;
inline constexpr int IDC_UNITS_METRIC = 1015;
inline constexpr int IDC_SIMPLE_SPAN = 1023;
inline constexpr int IDC_CONTINUOUS = 1024;
inline constexpr int IDC_PRETENSIONING_ONLY = 1025;
inline constexpr int IDC_POST_TENSIONING = 1026;
/// The specification radios, made hidden: the edition decides the specification.
inline constexpr int IDC_SPEC_LRFD = 1071;
inline constexpr int IDC_SPEC_STANDARD = 1072;
inline constexpr int IDC_AGENCY = 1497;
inline constexpr int IDC_SPEC_EDITION = 1796;

class CDesignOptionsDlg : public platform::ui::Dialog {
  public:
    CDesignOptionsDlg();
    bool OnInitDialog() override;
    void OnOK() override;

    /// The dialog's template (134 "Project Settings").
    static const platform::ui::DialogTemplate& Template();

    int m_nSpecification = 1;          ///< the design's specification at opening (in only)
    int m_bSpecEditionChanged = 0;     ///< out: another edition was chosen
    int m_nUnits = 1;                  ///< 1 US customary, 2 metric
    int m_bContinuous = 0;             ///< 0 simple span, 1 continuous
    int m_nPrestressType = 1;          ///< 1 pretensioning only, 2 with post-tensioning
    int m_nLossMethod = 0;             ///< the design's loss method code
    int m_nCurrentSpan = 1;            ///< span of the girder designed, from 1
    std::vector<std::string> m_saAgencies;      ///< the choices of the agency list
    int m_nAgency = 0;                 ///< index into m_saAgencies
    int m_bAgencyChanged = 0;          ///< out: an agency was picked (the same one too)
    std::vector<std::string> m_saSpecEditions;  ///< the choices of the edition list
    int m_nSpecEdition = 0;            ///< index into m_saSpecEditions

  private:
    void OnAgencyPicked();
};

}  // namespace kordel
