// The input commands of the main frame around their dialogs (the commands themselves are
// CMainFrame members, in input_commands.cpp): the conversion of a metric design's values at the
// dialog boundary, and the work of Job Information and Project Settings after OK.
#pragma once

#include <string>

#include "document/model_limits.h"

namespace kordel {

class CDesignOptionsDlg;
class CKordelDoc;
class CMainFrameState;

/// One conversion routine of document/unit_conversions.h.
using UnitConversion = double (*)(int toMetric, double value);

/// The units a command's dialog works in: the design's own US units, or metric units for a
/// metric design. A value handed back exactly as it was handed in keeps the stored value to
/// its last bit, so that opening and confirming a dialog without an edit changes nothing even
/// where converting there and back would not give the same number.
class UnitExchange {
  public:
    explicit UnitExchange(int units) : m_metric(units == kUnitsMetric) {}
    bool Metric() const { return m_metric; }

    /// `stored` (US units) as the dialog shows it.
    double In(double stored, UnitConversion convert) const {
        return m_metric ? convert(1, stored) : stored;
    }
    float In(float stored, UnitConversion convert) const {
        return m_metric ? static_cast<float>(convert(1, stored)) : stored;
    }
    /// The dialog's `shown` value back into `stored`.
    void Back(double& stored, double shown, UnitConversion convert) const {
        if (!m_metric) {
            stored = shown;
        } else if (shown != In(stored, convert)) {
            stored = convert(0, shown);
        }
    }
    void Back(float& stored, float shown, UnitConversion convert) const {
        if (!m_metric) {
            stored = shown;
        } else if (shown != In(stored, convert)) {
            stored = static_cast<float>(convert(0, shown));
        }
    }

  private:
    bool m_metric;
};

/// A job string as its field shows it: cut to the field's width, without the blanks that pad
/// it there (OK pads it again, so a field left alone gives back the same string).
std::string JobFieldText(const std::string& stored, int width);

/// What "Project Settings" changes in the design after OK, in order: the 7th-edition switch,
/// the edition with the design code it decides, the units and structure type (with the
/// frame's copies), the spans of the new structure type, the resets of a new design code,
/// the prestressing type with its loss method and straight strands for post-tensioning, and
/// the presets of an agency picked. Caltrans designs by LRFD: picked together with "Standard
/// Specs" it takes the edition "LRFD 6th", so that the design code still follows the edition.
void ApplyProjectSettings(CKordelDoc& doc, const CDesignOptionsDlg& dlg, CMainFrameState& frame);

/// Writes the presets of agency `agency` (m_nAgency) into the design; every member the
/// agency does not preset keeps its value. Caltrans's LRFD is left to the edition.
void ApplyAgencyPresets(CKordelDoc& doc, int agency);

}  // namespace kordel
