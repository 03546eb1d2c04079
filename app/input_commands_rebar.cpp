// Input/Rebar - Longitudinal and Input/Rebar- Transverse: the bars and the stirrup zones of the
// active design through their dialogs, converted for a metric design at the dialog's edge.
#include <algorithm>

#include "app/input_commands.h"
#include "app/main_frame.h"
#include "dialogs/input/longit_rebar_dlg.h"
#include "dialogs/input/transverse_rebar_dlg.h"
#include "document/kordel_doc.h"
#include "document/rebar_layout.h"
#include "document/unit_conversions.h"
#include "resources/resource_ids.h"

namespace kordel {

namespace {

using RebarRows = double[kMaxLongitRebarRows][kRebarRowValueCount];

/// The conversions of a layout row's columns (none for the count and the bar size; the area is
/// taken back apart, see TakeRowsBack).
constexpr UnitConversion kRowConversions[kRebarRowValueCount] = {
    nullptr, nullptr, ConvertInchesMeters, ConvertFeetMeters, ConvertFeetMeters, ConvertSqInSqMm};
/// The conversions of a bar end point's x, y and z.
constexpr UnitConversion kBarPointConversions[kBarPointValueCount] = {
    ConvertFeetMeters, ConvertInchesMeters, ConvertInchesMeters};
/// The conversions of a stirrup zone's columns: the bar size and the spaces are numbers.
constexpr UnitConversion kZoneConversions[kStirrupZoneValueCount] = {
    ConvertFeetMeters,        nullptr,           nullptr,
    ConvertInchesMillimeters, ConvertFeetMeters, ConvertSqInPerFtSqMmPerMm,
    ConvertFeetMeters};

void RowsIn(const UnitExchange& units, const RebarRows& stored, RebarRows& shown) {
    for (int r = 0; r < kMaxLongitRebarRows; ++r) {
        for (int c = 0; c < kRebarRowValueCount; ++c) {
            shown[r][c] =
                kRowConversions[c] ? units.In(stored[r][c], kRowConversions[c]) : stored[r][c];
        }
    }
}

/// The rows back from the dialog. The dialog works a row's area out from its bars; where it
/// did, the design takes the same area worked out in its own units.
void RowsBack(const UnitExchange& units, const RebarRows& shown, RebarRows& stored) {
    for (int r = 0; r < kMaxLongitRebarRows; ++r) {
        const double* from = shown[r];
        double* to = stored[r];
        to[kRebarRowBars] = from[kRebarRowBars];
        to[kRebarRowBarSize] = from[kRebarRowBarSize];
        for (int c : {kRebarRowElevation, kRebarRowStart, kRebarRowEnd})
            units.Back(to[c], from[c], kRowConversions[c]);
        double& area = to[kRebarRowArea];
        const double shownArea = from[kRebarRowArea];
        if (!units.Metric()) {
            area = shownArea;
        } else if (shownArea == units.In(area, ConvertSqInSqMm)) {
            // shown as stored: kept to the last bit
        } else if (shownArea == RebarRowArea(from[kRebarRowBars], from[kRebarRowBarSize], true)) {
            area = RebarRowArea(from[kRebarRowBars], from[kRebarRowBarSize], false);
        } else {
            area = ConvertSqInSqMm(0, shownArea);
        }
    }
}

void BarsIn(const UnitExchange& units, const RebarBar* stored, int count, RebarBar* shown) {
    for (int i = 0; i < count; ++i) {
        shown[i] = stored[i];
        for (int v = 0; v < kBarPointValueCount; ++v) {
            shown[i].m_adStart[v] = units.In(stored[i].m_adStart[v], kBarPointConversions[v]);
            shown[i].m_adEnd[v] = units.In(stored[i].m_adEnd[v], kBarPointConversions[v]);
        }
    }
}

void BarsBack(const UnitExchange& units, const RebarBar* shown, int count, RebarBar* stored) {
    for (int i = 0; i < count; ++i) {
        RebarBar& to = stored[i];
        const RebarBar& from = shown[i];
        to.m_nBarSize = from.m_nBarSize;
        for (int v = 0; v < kBarPointValueCount; ++v) {
            units.Back(to.m_adStart[v], from.m_adStart[v], kBarPointConversions[v]);
            units.Back(to.m_adEnd[v], from.m_adEnd[v], kBarPointConversions[v]);
        }
        to.m_strTag1 = from.m_strTag1;
        to.m_strTag2 = from.m_strTag2;
        to.m_strTag3 = from.m_strTag3;
        to.m_strTag4 = from.m_strTag4;
    }
}

}  // namespace

void CMainFrame::RegisterRebarCommands() {
    m_commands.On(ID_INPUT_REBAR_LONGITUDINAL, [this] { OnInputRebarLongitudinal(); });
    m_commands.On(ID_INPUT_REBAR_TRANSVERSE, [this] { OnInputRebarTransverse(); });
}

void CMainFrame::OnInputRebarLongitudinal() {
    CKordelDoc* design = ActiveDesign();
    if (!design) return;
    const UnitExchange units(design->m_nUnits);
    CLongitRebarPat dlg;
    RunInputDialog(
        dlg,
        [&](CKordelDoc& doc) {
            dlg.m_pDoc = &doc;
            dlg.m_nUnits = doc.m_nUnits;
            dlg.m_nGirderRowCount = std::clamp(doc.m_nGirderRebarRowCount, 0, kMaxLongitRebarRows);
            dlg.m_nDeckRowCount = std::clamp(doc.m_nDeckRebarRowCount, 0, kMaxLongitRebarRows);
            RowsIn(units, doc.m_adGirderRebarRows, dlg.m_aGirderRows);
            RowsIn(units, doc.m_adDeckRebarRows, dlg.m_aDeckRows);
            dlg.m_nGirderBarCount = std::clamp(doc.m_nGirderBarCount, 0, kMaxRebarBars);
            dlg.m_nDeckBarCount = std::clamp(doc.m_nDeckBarCount, 0, kMaxRebarBars);
            BarsIn(units, doc.m_aGirderBars, dlg.m_nGirderBarCount, dlg.m_aGirderBars);
            BarsIn(units, doc.m_aDeckBars, dlg.m_nDeckBarCount, dlg.m_aDeckBars);
            dlg.m_bEndBlocks = doc.m_bIncludeEndBlocks;
            dlg.m_nBearingOutlineCount = 0;
            if (doc.m_bIncludeEndBlocks) {
                doc.GetSectionOutlineAt(0.0, dlg.m_adBearingOutline, dlg.m_nBearingOutlineCount);
            } else {
                dlg.m_nBearingOutlineCount =
                    std::clamp(doc.m_nOutlinePointCount, 0, kMaxOutlinePoints);
                std::copy(&doc.m_adOutline[0][0],
                          &doc.m_adOutline[0][0] + kMaxOutlinePoints * kPointValueCount,
                          &dlg.m_adBearingOutline[0][0]);
            }
        },
        [&](CKordelDoc& doc) {
            doc.m_nGirderRebarRowCount = dlg.m_nGirderRowCount;
            doc.m_nDeckRebarRowCount = dlg.m_nDeckRowCount;
            RowsBack(units, dlg.m_aGirderRows, doc.m_adGirderRebarRows);
            RowsBack(units, dlg.m_aDeckRows, doc.m_adDeckRebarRows);
            // Bars the dialog expanded from their rows are expanded again here from the rows
            // as stored, so that a metric design gets the very bars of its US rows.
            if (units.Metric() && dlg.m_bGirderBarsFromRows) {
                doc.m_nGirderBarCount =
                    ExpandRebarRows(doc.m_adGirderRebarRows, doc.m_nGirderRebarRowCount, 1.0,
                                    doc.m_dBarSpacing, 0.0, doc.m_aGirderBars);
            } else {
                doc.m_nGirderBarCount = dlg.m_nGirderBarCount;
                BarsBack(units, dlg.m_aGirderBars, dlg.m_nGirderBarCount, doc.m_aGirderBars);
            }
            if (units.Metric() && dlg.m_bDeckBarsFromRows) {
                doc.m_nDeckBarCount = ExpandRebarRows(
                    doc.m_adDeckRebarRows, doc.m_nDeckRebarRowCount, 1.0, doc.m_dBarSpacing,
                    doc.m_dSectionHeight + doc.m_dHaunchThickness, doc.m_aDeckBars);
            } else {
                doc.m_nDeckBarCount = dlg.m_nDeckBarCount;
                BarsBack(units, dlg.m_aDeckBars, dlg.m_nDeckBarCount, doc.m_aDeckBars);
            }
        });
}

void CMainFrame::OnInputRebarTransverse() {
    CKordelDoc* design = ActiveDesign();
    if (!design) return;
    const UnitExchange units(design->m_nUnits);
    CTransverseRebarPatDlg dlg;
    RunInputDialog(
        dlg,
        [&](CKordelDoc& doc) {
            dlg.m_pDoc = &doc;
            dlg.m_nUnits = doc.m_nUnits;
            dlg.m_dGirderLength = units.In(doc.m_dGirderLength, ConvertFeetMeters);
            dlg.m_bSymmetric = doc.m_bStirrupsSymmetric;
            dlg.m_nZoneCount = std::clamp(doc.m_nStirrupZoneCount, 0, kMaxStirrupZones);
            dlg.m_nLegs = doc.m_nStirrupLegs;
            dlg.m_bStirrupLayout = doc.m_bStirrupLayout;
            for (int k = 0; k < kMaxStirrupZones; ++k) {
                for (int c = 0; c < kStirrupZoneValueCount; ++c) {
                    const double v = doc.m_adStirrupZones[k][c];
                    dlg.m_aZones[k][c] = kZoneConversions[c] ? units.In(v, kZoneConversions[c]) : v;
                }
            }
        },
        [&](CKordelDoc& doc) {
            doc.m_bStirrupsSymmetric = dlg.m_bSymmetric;
            doc.m_nStirrupZoneCount = dlg.m_nZoneCount;
            doc.m_nStirrupLegs = dlg.m_nLegs;
            doc.m_bStirrupLayout = dlg.m_bStirrupLayout;
            for (int k = 0; k < std::clamp(dlg.m_nZoneCount, 0, kMaxStirrupZones); ++k) {
                for (int c = 0; c < kStirrupZoneValueCount; ++c) {
                    double& stored = doc.m_adStirrupZones[k][c];
                    const double shown = dlg.m_aZones[k][c];
                    if (kZoneConversions[c]) {
                        units.Back(stored, shown, kZoneConversions[c]);
                    } else {
                        stored = shown;
                    }
                }
            }
        });
}

}  // namespace kordel
