// The design status line in status-bar panes 2 to 5: worst bottom stress and smallest Mr / Mu with
// their locations, strand count and debonded length, concrete strengths, design code.
#include "engine/checks/design_status.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>

#include "document/kordel_doc.h"
#include "document/main_frame_state.h"
#include "document/model_limits.h"
#include "document/results_flexure.h"
#include "report/format.h"

namespace kordel {
namespace {

constexpr double kMpaPerKsi = 6.8948;      // ksi -> MPa
constexpr double kMetresPerFoot = 0.3048;  // ft -> m

/// `value` as printf's "%<width>.<precision>f", or dashes of that width when it is not a number.
std::string Field(double value, int width, int precision) {
    if (!std::isfinite(value)) return std::string(static_cast<size_t>(width), '-');
    return Format("%*.*f", width, precision, value);
}

/// The station that a result keeps as an int in the first four bytes of a double slot.
int StationInSlot(const double& slot) {
    std::int32_t station = 0;
    std::memcpy(&station, &slot, sizeof station);
    return station;
}

}  // namespace

std::string StationAsSpanFraction(int station) {
    return Format("%4.2fL", static_cast<double>(station) / 100.0);
}

DesignStatusTexts FormatDesignStatus(const DesignStatusValues& v) {
    const bool us = v.units == kUnitsUS;
    const double stressFactor = us ? 1.0 : kMpaPerKsi;
    DesignStatusTexts t;
    t.stress = "fb:" + Field(v.fb * stressFactor, 7, 3) + " (at " +
               StationAsSpanFraction(v.fbStation) + "), Mr/Mu:" + Field(v.minRatio, 4, 2) +
               " (at " + StationAsSpanFraction(v.ratioStation) + ")";
    t.strands = Format("s:%3d, d:", v.strands) +
                (us ? Field(v.debonded, 5, 0) : Field(v.debonded * kMetresPerFoot, 5, 1));
    t.concrete =
        "f'c:" + Field(v.fc * stressFactor, 4, 1) + ", f'ci:" + Field(v.fci * stressFactor, 4, 1);
    t.code = IsLrfd(v.designCode) ? "LRFD" : "STND";
    return t;
}

DesignStatusTexts WidestDesignStatus(int units, int designCode) {
    const bool us = units == kUnitsUS;
    const double stressFactor = us ? 1.0 : kMpaPerKsi;
    DesignStatusValues v;
    v.fb = -88.888 / stressFactor;      // "-88.888" ksi or MPa
    v.fbStation = 888;                  // "8.88L"
    v.minRatio = kMinFlexureRatioNone;  // no station qualified: "999999.90 (at -0.01L)"
    v.ratioStation = -1;
    v.strands = 888;
    v.debonded = us ? 88888.0 : 888.8 / kMetresPerFoot;  // "88888" ft, "888.8" m
    v.fc = us ? 88.8 : 188.8 / kMpaPerKsi;               // "88.8" ksi, "188.8" MPa
    v.fci = v.fc;
    v.designCode = designCode;
    v.units = units;
    return FormatDesignStatus(v);
}

void CKordelDoc::ShowDesignStatus() {
    DesignStatusValues v;
    v.fb = m_dWorstBottomStress;
    v.fbStation = m_nWorstBottomStation;
    v.minRatio = m_adMinFlexureRatio[kMinRatioValue];
    v.ratioStation = StationInSlot(m_adMinFlexureRatio[kMinRatioStation]);
    v.strands = m_nStrandCount;
    v.debonded = m_dDebondedStrandLength;
    v.fc = m_dBeamFc;
    v.fci = m_dBeamFci;
    v.designCode = m_nSpecification;
    v.units = m_nUnits;
    const DesignStatusTexts t = FormatDesignStatus(v);

    CMainFrameState& frame = GetMainFrame();
    frame.SetStatusText(kPaneStress, t.stress);
    frame.SetStatusText(kPaneStrands, t.strands);
    frame.SetStatusText(kPaneConcrete, t.concrete);
    frame.SetStatusText(kPaneDesignCode, t.code);
}

}  // namespace kordel
