// The default load table as the load-table tool designs it: for each girder spacing of the
// document's default load-table settings (7.5 and 10 ft, 8 in slabs), the spans from 90 ft up to
// 140 ft in steps of 4 ft (90, 94, ..., 138), each case designed by the load-table strand design.
// A spacing ends at its first case that fails, as in the tool. The benchmark times this loop and
// the design-loop tests compare its cells; the geometry of a case is set as the tool sets it.
#pragma once

#include "document/kordel_doc.h"

namespace kordel::bench {

/// One case of the table, after its strand design.
struct LoadTableCell {
    double spacing;  ///< girder spacing, ft
    double span;     ///< design span, ft
    int result;      ///< DesignLoadTableStrands: 1 passes
};

/// Girder spacing `s` (ft) and slab `slab` (in) set into `d`: the girder count that the bridge
/// width gives at that spacing, the overhang, and the deck width of a composite deck.
inline void SetLoadTableSpacing(CKordelDoc& d, double s, double slab) {
    const double W = d.m_dBridgeWidth;  // ft
    d.m_dBeamSpacing = s;
    if (d.m_bCompositeDeck != 0) d.m_dDeckWidth = 12.0 * s;  // in
    d.m_nBeams = static_cast<int>((W - s) / s + 0.5) + 1;
    d.m_dDeckThickness = slab;
    d.m_dOverhang = (W - (d.m_nBeams - 1) * s) / 2.0;  // ft
    d.m_bLoadEffectsDirty = 1;
}

/// A simple span of `L` ft, the girder 1 ft longer and released on its ends.
inline void SetLoadTableSpan(CKordelDoc& d, double L) {
    d.m_dDesignSpan = d.m_adSpanLength[1] = L;
    d.m_dGirderLength = d.m_dReleaseSpan = d.m_adSpanGirderLength[1] = L + 1.0;
    d.m_bLoadEffectsDirty = 1;
}

/// Designs every case of the default load table on `d`, raising draped strands by `search`;
/// `visit(cell)` sees the document right after the design of each case.
template <class Visit>
void DesignDefaultLoadTable(CKordelDoc& d, DrapeSearch search, Visit&& visit) {
    const OptionsModel defaults;
    for (int p = 1; p <= kMaxLoadTableSpacings; ++p) {
        const double s = defaults.m_adLoadTableSpacing[p];  // ft
        if (!(s > 0.0)) continue;
        SetLoadTableSpacing(d, s, defaults.m_adLoadTableSlab[p]);
        for (double L = defaults.m_dLoadTableSpanMin; L <= defaults.m_dLoadTableSpanMax;
             L += defaults.m_dLoadTableSpanInc) {
            SetLoadTableSpan(d, L);
            const int result = d.DesignLoadTableStrands(search);
            visit(LoadTableCell{s, L, result});
            if (result != 1) break;
        }
    }
}

}  // namespace kordel::bench
