// The default load table as the load-table tool designs it: for each girder spacing of the
// document's default load-table settings (7.5 and 10 ft, 8 in slabs), the spans from 90 ft up to
// 140 ft in steps of 4 ft (90, 94, ..., 138), each case designed by the load-table strand design.
// A spacing ends at its first case that fails, as in the tool. The benchmark times this loop and
// the design-loop tests compare its cells; the geometry of a case is set as the tool sets it.
#pragma once

#include "document/kordel_doc.h"
#include "engine/checks/load_tables.h"

namespace kordel::bench {

/// One case of the table, after its strand design.
struct LoadTableCell {
    double spacing;  ///< girder spacing, ft
    double span;     ///< design span, ft
    int result;      ///< DesignLoadTableStrands on both checks: 1 passes
};

/// Designs every case of the default load table on `d`, raising draped strands by `search`;
/// `visit(cell)` sees the document right after the design of each case.
template <class Visit>
void DesignDefaultLoadTable(CKordelDoc& d, DrapeSearch search, Visit&& visit) {
    const OptionsModel defaults;
    for (int p = 1; p <= kMaxLoadTableSpacings; ++p) {
        const double s = defaults.m_adLoadTableSpacing[p];  // ft
        if (!(s > 0.0)) continue;
        kordel::SetLoadTableSpacing(d, s, defaults.m_adLoadTableSlab[p]);
        for (double L = defaults.m_dLoadTableSpanMin; L <= defaults.m_dLoadTableSpanMax;
             L += defaults.m_dLoadTableSpanInc) {
            kordel::SetLoadTableSpan(d, L);
            const int result = d.DesignLoadTableStrands(kLoadTableBothChecks, search);
            visit(LoadTableCell{s, L, result});
            if (result != 1) break;
        }
    }
}

}  // namespace kordel::bench
