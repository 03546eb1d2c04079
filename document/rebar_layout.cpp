#include "document/rebar_layout.h"

#include <cmath>

#include "document/model_prestress.h"
#include "document/unit_conversions.h"

namespace kordel {

namespace {

/// Feet in a spacing unit's worth of zone length: 12 in a foot, 1000 mm in a metre.
double SpacingsPerLength(bool metric) {
    return metric ? 1000.0 : 12.0;
}

}  // namespace

double RebarRowBarCount(const double (*rows)[kRebarRowValueCount], int rowCount) {
    double total = 0.0;
    for (int r = 0; r < rowCount; ++r) {
        const double quantity = rows[r][kRebarRowBars];
        if (quantity > 0) total += std::trunc(quantity);
    }
    return total;
}

int ExpandRebarRows(const double (*rows)[kRebarRowValueCount], int rowCount, double inch,
                    double spacing, double raise, RebarBar* bars) {
    int i = 0;
    for (int r = 0; r < rowCount; ++r) {
        const double* row = rows[r];
        if (!(row[kRebarRowBars] > 0)) continue;
        const double whole = std::trunc(row[kRebarRowBars]);
        const double n = whole < kMaxRebarBars ? whole : kMaxRebarBars + 1.0;
        const int count = static_cast<int>(n);
        const double y = row[kRebarRowElevation] + raise;
        auto add = [&](double z) {
            if (i >= kMaxRebarBars) return;
            RebarBar& bar = bars[i++];
            bar.m_nBarSize = static_cast<int>(row[kRebarRowBarSize]);
            bar.m_adStart[kBarX] = row[kRebarRowStart];
            bar.m_adStart[kBarY] = y;
            bar.m_adStart[kBarZ] = z;
            bar.m_strTag1 = kExpandedBarTags[0];
            bar.m_adEnd[kBarX] = row[kRebarRowEnd];
            bar.m_adEnd[kBarY] = y;
            bar.m_adEnd[kBarZ] = z;
            bar.m_strTag2 = kExpandedBarTags[1];
            bar.m_strTag3 = kExpandedBarTags[2];
            bar.m_strTag4 = kExpandedBarTags[3];
        };
        double c = inch * kEvenRowFirstOffset;
        if (count % 2 != 0) {
            add(0.0);  // the odd bar on the centreline
            c = inch * spacing;
        }
        for (int pair = 0; pair < count / 2; ++pair, c += inch * spacing) {
            add(c);
            add(-c);
        }
    }
    return i;
}

double StandardBarArea(int size) {
    static const PrestressModel defaults;
    if (size < 0 || size >= kBarTableSlots) return 0.0;
    return defaults.m_adBarTable[size][kBarArea];
}

double RebarRowArea(double quantity, double size, bool metric) {
    // Whole bars of a whole size; a size too large for an int has no bar either.
    const double q = std::trunc(quantity);
    const int s = std::fabs(size) < kBarTableSlots ? static_cast<int>(size) : -1;
    const double area = (std::isfinite(q) ? q : 0.0) * StandardBarArea(s);  // in2
    return metric ? area * kSqMmPerSqIn : area;
}

double StirrupAreaPerLength(int size, double spacing, int legs, bool metric) {
    const double a = StandardBarArea(size);  // in2
    if (spacing == 0) return 0.0;
    const double area = metric ? kSqMmPerSqIn * a * legs / spacing : legs * a * 12.0 / spacing;
    return std::isfinite(area) ? area : 0.0;
}

double StirrupZoneEnd(const double (*zones)[kStirrupZoneValueCount], int k, bool stirrups,
                      bool metric) {
    double end = 0.0;
    for (int i = 0; i <= k; ++i) {
        const double* z = zones[i];
        end += stirrups ? z[kZoneGap] + z[kZoneSpaces] * z[kZoneSpacing] / SpacingsPerLength(metric)
                        : z[kZoneLength];
    }
    return end;
}

double StirrupZoneStart(const double (*zones)[kStirrupZoneValueCount], int k) {
    double start = 0.0;
    for (int i = 0; i < k; ++i) start += zones[i][kZoneLength];
    return start;
}

void MirrorStirrupZones(double (*zones)[kStirrupZoneValueCount], int& count, int legs,
                        bool stirrups, bool metric, double length) {
    const int n = count;
    if (n <= 0 || 2 * n > kMaxStirrupZones) return;
    const double D = SpacingsPerLength(metric);
    double sum = 0.0;
    if (stirrups) {
        for (int i = 0; i < n; ++i) {
            const int j = 2 * n - 1 - i;
            if (i < n - 1) {
                zones[j][kZoneGap] = zones[i + 1][kZoneGap];
                sum += zones[j][kZoneGap];
            }
            zones[j][kZoneBarSize] = zones[i][kZoneBarSize];
            zones[j][kZoneSpaces] = zones[i][kZoneSpaces];
            zones[j][kZoneSpacing] = zones[i][kZoneSpacing];
            sum += zones[j][kZoneSpaces] * zones[j][kZoneSpacing] / D;
        }
        // The gap between the halves puts the last stirrup as far from the right end as the
        // first lies from the left end.
        zones[n][kZoneGap] = length - zones[n - 1][kZoneEnd] - zones[0][kZoneGap] - sum;
        count = 2 * n;
        for (int i = 0; i < count; ++i) {
            zones[i][kZoneEnd] = StirrupZoneEnd(zones, i, true, metric);
            zones[i][kZoneArea] = StirrupAreaPerLength(static_cast<int>(zones[i][kZoneBarSize]),
                                                       zones[i][kZoneSpacing], legs, metric);
        }
    } else {
        for (int i = 0; i < n; ++i) {
            const int j = 2 * n - 1 - i;
            zones[j][kZoneLength] = zones[i][kZoneLength];
            zones[j][kZoneArea] = zones[i][kZoneArea];
            sum += zones[j][kZoneLength];
        }
        // The right half is pushed along to end exactly at the girder's end.
        const double offset = length - zones[n - 1][kZoneEnd] - sum;
        count = 2 * n;
        for (int i = 0; i < count; ++i)
            zones[i][kZoneEnd] = StirrupZoneEnd(zones, i, false, metric) + (i >= n ? offset : 0.0);
    }
}

}  // namespace kordel
