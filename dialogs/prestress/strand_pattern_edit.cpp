#include "dialogs/prestress/strand_pattern_edit.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "document/unit_conversions.h"
#include "engine/core/strand_groups.h"

namespace kordel {

using namespace platform::ui;

double LeadingNumber(const std::string& text) {
    // Only a decimal number counts: no "inf", "nan" or hexadecimal.
    const char* p = text.c_str();
    while (*p == ' ' || *p == '\t') ++p;
    const char* digits = p;
    if (*digits == '+' || *digits == '-') ++digits;
    if (!(std::isdigit(static_cast<unsigned char>(*digits)) ||
          (*digits == '.' && std::isdigit(static_cast<unsigned char>(digits[1])))))
        return 0.0;
    if (digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X')) return 0.0;
    const double value = std::strtod(p, nullptr);
    return std::isfinite(value) ? value : 0.0;
}

const char* PatternCountRefusal(double endCount, double drapeCount) {
    if (drapeCount != endCount) return kUnequalPatterns;
    if (!(endCount > 0.0)) return kEmptyPattern;
    return nullptr;
}

PatternTotals PatternCountAndCentroid(const StrandPatternRow* rows, int rowsInUse) {
    const int n = std::clamp(rowsInUse, 0, kMaxPatternRows);
    double sum = 0.0;
    double moment = 0.0;
    double whole = 0.0;
    for (int r = 0; r < n; ++r) {
        const StrandPatternRow& row = rows[r];
        sum += row[kRowStraightCount] + row[kRowDrapedCount];
        moment += row[kRowStraightCount] * row[kRowStraightElevation] +
                  row[kRowDrapedCount] * row[kRowDrapedElevation];
        whole += WholeCount(row[kRowStraightCount]) + WholeCount(row[kRowDrapedCount]);
    }
    PatternTotals totals;
    totals.count = std::isfinite(sum) ? std::trunc(sum) : 0.0;
    totals.centroid = whole != 0.0 && std::isfinite(moment) ? moment / whole : 0.0;
    return totals;
}

double TotalStrandLength(double count, double girderLength, double span, double fraction,
                         double cgEnd, double cgDrape, bool metric) {
    const double a = fraction * span;  // bearing to drape point
    const double rise = metric ? cgEnd - cgDrape : (cgEnd - cgDrape) / 12.0;
    const double theta = a != 0.0 ? std::atan(rise / a) : 0.0;
    const double overhang = (girderLength - span) / 2.0;
    const double sloped = overhang + a;
    const double total = count * (2.0 * sloped / std::cos(theta) + (girderLength - 2.0 * sloped));
    return std::isfinite(total) ? total : 0.0;
}

void ConvertPatternLengths(StrandPatternRow* endRows, StrandPatternRow* drapeRows,
                           StrandTemplate& strandTemplate, int rowsInUse, bool toMetric) {
    const int n = std::clamp(rowsInUse, 0, kMaxPatternRows);
    const int metric = toMetric ? 1 : 0;
    for (int r = 0; r < n; ++r) {
        for (StrandPatternRow* rows : {endRows, drapeRows}) {
            rows[r][kRowStraightElevation] =
                ConvertInchesMeters(metric, rows[r][kRowStraightElevation]);
            rows[r][kRowDrapedElevation] =
                ConvertInchesMeters(metric, rows[r][kRowDrapedElevation]);
        }
        strandTemplate[r][kTemplateElevation] =
            ConvertInchesMeters(metric, strandTemplate[r][kTemplateElevation]);
        for (int c = kTemplateFirstLocation; c < kMaxPatternColumns; ++c)
            strandTemplate[r][c] = ConvertInchesMeters(metric, strandTemplate[r][c]);
    }
}

std::string CheckPatternCounts(const StrandPatternRow* endRows, const StrandPatternRow* drapeRows,
                               const StrandTemplate& strandTemplate, int rowsInUse) {
    const int n = std::clamp(rowsInUse, 0, kMaxPatternRows);
    for (int r = 0; r < n; ++r) {
        const double positions = strandTemplate[r][kTemplatePositions];
        const double drapedPositions = strandTemplate[r][kTemplateDrapedPositions];
        struct Count {
            double value;
            double capacity;
            const char* what;
        };
        const Count counts[] = {
            {endRows[r][kRowStraightCount], positions, "straight strands at the girder end"},
            {endRows[r][kRowDrapedCount], drapedPositions, "draped strands at the girder end"},
            {drapeRows[r][kRowDrapedCount], drapedPositions, "draped strands at the drape point"},
        };
        char text[240];
        for (const Count& c : counts) {
            if (!(c.value >= 0.0) || c.value != std::trunc(c.value)) {
                std::snprintf(text, sizeof text,
                              "Level %d: the number of %s must be a whole number of 0 or more.",
                              r + 1, c.what);
                return text;
            }
            if (c.value > c.capacity) {
                std::snprintf(text, sizeof text,
                              "Level %d: %g %s are more than the %g positions the level holds.",
                              r + 1, c.value, c.what, std::max(0.0, c.capacity));
                return text;
            }
        }
        const double atEnd = endRows[r][kRowStraightCount] + endRows[r][kRowDrapedCount];
        if (atEnd > positions) {
            std::snprintf(text, sizeof text,
                          "Level %d: %g strands at the girder end are more than the %g positions "
                          "the level holds.",
                          r + 1, atEnd, std::max(0.0, positions));
            return text;
        }
    }
    return {};
}

bool AcceptDrapeFraction(Dialog& dialog, double fraction) {
    if (!(fraction > 0.0) || fraction > 0.5) {
        dialog.MessageBox(kDrapeFractionRange, platform::MsgButtons::Ok, platform::MsgIcon::Error);
        return false;
    }
    if (fraction < 0.35) return dialog.AskYesNo(kDrapeFractionLow);
    return true;
}

void StackDrapedStrands(StrandPatternRow* drapeRows, int rows, double diameter, double height) {
    const int n = std::clamp(rows, 0, kMaxPatternRows);
    if (n == 0) return;
    double e = drapeRows[0][kRowDrapedElevation];
    for (int r = 0; r < n; ++r) {
        drapeRows[r][kRowDrapedElevation] = e;
        if (e + diameter <= height + 2.0) e += diameter;
    }
}

void RebuildGroups(GroupRebuild& state, StrandGroup* groups, const StrandPatternRow* endRows,
                   const StrandPatternRow* drapeRows, const StrandTemplate& strandTemplate) {
    auto work = std::make_unique<StrandGroups>();
    work->m_bHasDraped = state.hasDraped;
    work->m_dPullFraction = state.pullFraction;
    work->m_dTopPullFraction = state.topPullFraction;
    work->m_nTopPullStrandCount = state.topPullStrandCount;
    work->m_nGroupCount = state.groupCount;
    work->m_nRowCount = state.rowCount;
    work->m_nColumnCount = state.columnCount;
    work->m_nTemplateLayout = state.templateLayout;
    work->m_nPatternType = state.patternType;
    std::copy(groups, groups + kMaxStrandGroups, work->m_aGroups);
    std::copy(endRows, endRows + kMaxPatternRows, work->m_aEndRows);
    std::copy(drapeRows, drapeRows + kMaxPatternRows, work->m_aDrapeRows);
    std::memcpy(work->m_adTemplate, strandTemplate, sizeof work->m_adTemplate);
    work->Build();
    std::copy(std::begin(work->m_aGroups), std::end(work->m_aGroups), groups);
    state.hasDraped = work->m_bHasDraped;
    state.topPullStrandCount = work->m_nTopPullStrandCount;
    state.groupCount = work->m_nGroupCount;
}

void MarkReadOnly(CGridCtrl& grid, int row, int col, Colour grey) {
    grid.SetCellState(row, col, grid.GetCellState(row, col) | kGridCellStateReadOnly);
    grid.SetCellBackColor(row, col, grey);
}

}  // namespace kordel
