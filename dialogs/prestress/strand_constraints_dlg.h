// "Strand Pattern Design Constraints": asked before the preliminary strand design runs from a
// strand-pattern editor: whether the top template row takes strands (and how many), and for a
// draped pattern whether the draped strands keep their end-template elevations at the drape
// point or are stacked touching one another. The callers apply the answers.
#pragma once

#include "platform/ui/dialog.h"

namespace kordel {

inline constexpr int IDD_STRAND_PATTERN_DESIGN_CONSTRAINTS = 159;
inline constexpr int IDC_CONSTRAINT_SPACING_TEMPLATE = 1015;
inline constexpr int IDC_CONSTRAINT_INCLUDE_TOP = 1021;
inline constexpr int IDC_CONSTRAINT_TOP_COUNT = 1022;
inline constexpr int IDC_CONSTRAINT_SPACING_TOUCHING = 1024;
inline constexpr int IDC_CONSTRAINT_TOP_COUNT_LABEL = 1236;
inline constexpr int IDC_CONSTRAINT_SPACING_LABEL = 1248;

/// m_nDrapedSpacing.
inline constexpr int kDrapedPerTemplate = 1;
inline constexpr int kDrapedTouching = 2;

class CStrandPatParamDlg : public platform::ui::Dialog {
  public:
    CStrandPatParamDlg();
    bool OnInitDialog() override;
    void DoDataExchange(platform::ui::DataExchange& dx) override;

    static const platform::ui::DialogTemplate& Template();

    int m_nPatternType = 1;  ///< 1 straight, 2 draped (in)
    int m_nUnits = 1;        ///< in; nothing here depends on it
    int m_nDrapedSpacing = kDrapedPerTemplate;
    int m_bIncludeTopStrands = 0;
    double m_dTopStrandCount = 0;
};

}  // namespace kordel
