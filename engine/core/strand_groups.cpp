// The strand-group builder and the document's rebuild of its strand groups from the pattern.
#include "engine/core/strand_groups.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <memory>

#include "document/kordel_doc.h"
#include "platform/host.h"

namespace kordel {
namespace {

/// Strands of the next group from a row holding `left` strands: a pair, or the last single
/// strand. `left` drops by the group's count.
int TakeStrands(int& left) {
    const int n = left == 1 ? 1 : 2;
    left -= n;
    return n;
}

/// Uses up a strand of the drape-point pattern for a draped group: the first row with strands
/// left in the order given (lowest first when `fromTop` is false) drops by 1 when it holds one
/// strand, else by 2. Returns that row, -1 when no row has strands left.
int TakeDrapePointRow(int (&M)[kMaxPatternRows], bool fromTop) {
    for (int i = 0; i < kMaxPatternRows; ++i) {
        const int r = fromTop ? kMaxPatternRows - 1 - i : i;
        if (M[r] > 0) {
            M[r] -= M[r] == 1 ? 1 : 2;
            return r;
        }
    }
    return -1;
}

int LowestRowWith(const int (&counts)[kMaxPatternRows]) {
    for (int r = 0; r < kMaxPatternRows; ++r) {
        if (counts[r] > 0) return r;
    }
    return -1;
}

}  // namespace

int WholeCount(double v) {
    constexpr double kLargest = 1.0e6;
    if (std::isnan(v)) return 0;
    return static_cast<int>(std::clamp(v, -kLargest, kLargest));
}

DebondedRow WorstDebondedRow(const StrandGroup* groups, int groupCount,
                             const StrandPatternRow* endRows, int rowCount) {
    groupCount = std::clamp(groupCount, 0, kMaxStrandGroups);
    rowCount = std::clamp(rowCount, 0, kMaxPatternRows);
    DebondedRow worst;
    double worstRowStrands = 0.0;  // straight and draped strands of the worst row
    for (int r = 0; r < rowCount; ++r) {
        const double y = endRows[r][kRowStraightElevation];  // in
        double sum = 0.0;
        for (int g = 0; g < groupCount; ++g) {
            const StrandGroup& G = groups[g];
            if (G[kGroupDebondEnd] > 0.0 &&
                std::fabs(G[kGroupElevationEnd] - y) <= kRowElevationTolerance)
                sum += G[kGroupStrands];
        }
        if (sum > worst.strands) {
            worst.strands = sum;
            worstRowStrands = endRows[r][kRowStraightCount] + endRows[r][kRowDrapedCount];
        }
    }
    worst.percent = worst.strands > 0.0 && worstRowStrands > 0.0
                        ? worst.strands / worstRowStrands * 100.0
                        : 0.0;
    return worst;
}

int StrandGroups::UsedRows() const {
    return std::clamp(m_nRowCount, 0, kMaxPatternRows);
}

int StrandGroups::UsedColumns() const {
    return std::clamp(m_nColumnCount, 0, kMaxTemplateLocations);
}

double StrandGroups::TakeNextLocation(int row, int /*layout*/, double strands) {
    if (strands == 1.0 || row < 0 || row >= kMaxPatternRows) return 0.0;
    double* work = m_adTemplateWork[row];
    for (int c = kTemplateFirstLocation; c < kTemplateFirstLocation + UsedColumns(); ++c) {
        if (work[c] != 0.0) {
            const double location = work[c];
            work[c] = 0.0;
            return location;
        }
    }
    return 0.0;
}

double StrandGroups::TakeLastLocation(int row, int /*layout*/) {
    if (row < 0 || row >= kMaxPatternRows) return 0.0;
    double* work = m_adTemplateWork[row];
    int c = kTemplateFirstLocation + 1;
    while (c < kTemplateFirstLocation + UsedColumns() && work[c] != 0.0) ++c;
    const double location = work[c - 1];
    work[c - 1] = 0.0;
    return location;
}

void StrandGroups::ClearDrapedLocations() {
    for (int r = 0; r < UsedRows(); ++r) {
        const float draped = static_cast<float>(m_adTemplateWork[r][kTemplateDrapedPositions]);
        const int n = std::clamp(WholeCount(static_cast<double>(draped / 2.0f + 0.5f)), 0,
                                 kMaxTemplateLocations);
        for (int c = kTemplateFirstLocation; c < kTemplateFirstLocation + n; ++c) {
            m_adTemplateWork[r][c] = 0.0;
        }
    }
}

bool StrandGroups::HasRoomFor(int& left) {
    if (m_nGroupCount < kMaxStrandGroups) return true;
    m_bGroupLimitReached = 1;
    m_nStrandsLeftOut += left;
    left = 0;
    return false;
}

void StrandGroups::Build() {
    for (auto& g : m_aGroups) g = StrandGroup{};
    m_nGroupCount = 0;
    m_nTopPullStrandCount = 0;
    m_bHasDraped = 0;
    m_bGroupLimitReached = 0;
    m_nStrandsLeftOut = 0;

    // Strands left to place per row: straight (S) and draped (D) at the girder end, draped at the
    // drape point (M).
    int S[kMaxPatternRows] = {};
    int D[kMaxPatternRows] = {};
    int M[kMaxPatternRows] = {};
    for (int r = 0; r < UsedRows(); ++r) {
        S[r] = WholeCount(m_aEndRows[r][kRowStraightCount]);
        D[r] = WholeCount(m_aEndRows[r][kRowDrapedCount]);
        M[r] = WholeCount(m_aDrapeRows[r][kRowDrapedCount]);
    }
    std::memcpy(m_adTemplateWork, m_adTemplate, sizeof m_adTemplateWork);

    // Group 0, always counted: the lowest straight strands, or with none the lowest draped ones.
    StrandGroup first;
    if (const int r = LowestRowWith(S); r >= 0) {
        first[kGroupStrands] = TakeStrands(S[r]);
        first[kGroupElevationEnd] = m_aEndRows[r][kRowStraightElevation];
        first[kGroupElevationDrape] = m_aDrapeRows[r][kRowStraightElevation];
        first[kGroupPullFraction] = m_dPullFraction;
        first[kGroupLocation] = TakeLastLocation(0, m_nTemplateLayout);
    } else if (const int rd = LowestRowWith(D); rd >= 0) {
        first[kGroupStrands] = TakeStrands(D[rd]);
        first[kGroupElevationEnd] = m_aEndRows[rd][kRowDrapedElevation];
        if (const int r2 = TakeDrapePointRow(M, false); r2 >= 0) {
            first[kGroupElevationDrape] = m_aDrapeRows[r2][kRowDrapedElevation];
        }
        first[kGroupPullFraction] = m_dPullFraction;
        first[kGroupLocation] = TakeLastLocation(0, m_nTemplateLayout);
    }
    m_aGroups[0] = first;
    m_nGroupCount = 1;

    // Draped groups from the top row down.
    if (m_nPatternType == kPatternDraped) {
        for (int r = kMaxPatternRows - 1; r >= 0; --r) {
            if (D[r] <= 0) continue;
            m_bHasDraped = 1;
            while (D[r] > 0) {
                if (!HasRoomFor(D[r])) break;
                StrandGroup g;
                const int n = TakeStrands(D[r]);
                g[kGroupStrands] = n;
                g[kGroupElevationEnd] = m_aEndRows[r][kRowDrapedElevation];
                if (const int r2 = TakeDrapePointRow(M, true); r2 >= 0) {
                    g[kGroupElevationDrape] = m_aDrapeRows[r2][kRowDrapedElevation];
                }
                g[kGroupPullFraction] = m_dPullFraction;
                g[kGroupLocation] = TakeNextLocation(r, m_nTemplateLayout, n);
                m_aGroups[m_nGroupCount++] = g;
            }
        }
        ClearDrapedLocations();
    }

    // Straight groups from the top row down; the highest row is pulled at the top fraction.
    bool topRow = true;
    for (int r = kMaxPatternRows - 1; r >= 0; --r) {
        if (S[r] <= 0) continue;
        while (S[r] > 0) {
            if (!HasRoomFor(S[r])) break;
            StrandGroup g;
            const int n = TakeStrands(S[r]);
            g[kGroupStrands] = n;
            g[kGroupElevationEnd] = m_aEndRows[r][kRowStraightElevation];
            g[kGroupElevationDrape] = m_aDrapeRows[r][kRowStraightElevation];
            g[kGroupPullFraction] = topRow ? m_dTopPullFraction : m_dPullFraction;
            g[kGroupLocation] = TakeNextLocation(r, m_nTemplateLayout, n);
            if (topRow && m_dPullFraction != m_dTopPullFraction) m_nTopPullStrandCount += n;
            m_aGroups[m_nGroupCount++] = g;
        }
        topRow = false;
    }
}

void CKordelDoc::RebuildStrandGroups() {
    auto work = std::make_unique<StrandGroups>();
    work->m_bHasDraped = m_nDrapedStrandRows;
    work->m_dPullFraction = m_dPullFraction;
    work->m_dTopPullFraction = m_dTopPullFraction;
    work->m_nTopPullStrandCount = m_nTopPullStrandCount;
    work->m_nGroupCount = m_nStrandGroupCount;
    work->m_nRowCount = m_nTemplateRowCount;
    work->m_nColumnCount = m_nTemplateColumnCount;
    work->m_nTemplateLayout = m_nTemplateLayout;
    work->m_nPatternType = m_nPatternType;
    std::copy(std::begin(m_aStrandGroup), std::end(m_aStrandGroup), work->m_aGroups);
    std::copy(std::begin(m_aEndRows), std::end(m_aEndRows), work->m_aEndRows);
    std::copy(std::begin(m_aDrapeRows), std::end(m_aDrapeRows), work->m_aDrapeRows);
    std::memcpy(work->m_adTemplate, m_adStrandTemplate, sizeof work->m_adTemplate);

    work->Build();

    std::copy(std::begin(work->m_aGroups), std::end(work->m_aGroups), m_aStrandGroup);
    m_nStrandGroupCount = work->m_nGroupCount;
    m_nTopPullStrandCount = work->m_nTopPullStrandCount;
    m_nDrapedStrandRows = work->m_bHasDraped;

    // A pattern beyond the group table is analysed with the groups that fit; say so, since the
    // prestress of the analysis then falls short of the pattern's.
    m_bStrandGroupsTruncated = work->m_bGroupLimitReached;
    m_nStrandsLeftOut = work->m_nStrandsLeftOut;
    if (m_bStrandGroupsTruncated != 0) {
        char text[240];
        std::snprintf(text, sizeof text,
                      "The strand pattern needs more than %d strand groups. Only the first %d "
                      "groups are analysed: %d strands of the pattern are left out.",
                      kMaxStrandGroups, kMaxStrandGroups, m_nStrandsLeftOut);
        platform::ShowMessage(text, platform::MsgButtons::Ok);
    }
}

}  // namespace kordel
