#include "engine/checks/handling_loads.h"

#include "document/kordel_doc.h"

namespace kordel {

int BuildHandlingLoadList(const HandlingLoadGirder& g, const HandlingImpact* impacts,
                          int impactCount, HandlingDistLoad (&list)[kMaxHandlingLoads]) {
    int n = 0;
    const auto add = [&](int group, double w1, double w2, double x1, double x2) {
        if (n < kMaxHandlingLoads) list[n++] = {group, w1, w2, x1, x2};
    };

    const double L = g.L;
    add(kHandlingGroupSelfWeight, g.w, g.w, 0.0, L);
    for (int k = 0; k < impactCount; ++k) {
        add(impacts[k].group, impacts[k].fraction * g.w, impacts[k].fraction * g.w, 0.0, L);
    }
    if (!g.endBlocks) return n;

    const double Le = g.Le;
    const double wEB = g.wEB;
    add(kHandlingGroupSelfWeight, wEB, wEB, 0.0, Le);
    add(kHandlingGroupSelfWeight, wEB, wEB, L - Le, L);
    for (int k = 0; k < impactCount; ++k) {
        const double f = impacts[k].fraction * wEB;
        add(impacts[k].group, f, f, 0.0, Le);
        add(impacts[k].group, f, f, L - Le, L);
    }
    if (!g.taper || !(g.T > 0)) return n;

    const double T = g.T;
    add(kHandlingGroupSelfWeight, wEB, 0.0, Le, Le + T);
    add(kHandlingGroupSelfWeight, 0.0, wEB, L - Le - T, L - Le);
    for (int k = 0; k < impactCount; ++k) {
        const double f = impacts[k].fraction * wEB;
        add(impacts[k].group, f, 0.0, Le, Le + T);
        add(impacts[k].group, 0.0, f, L - Le - T, L - Le);
    }
    return n;
}

double EndBlockExtraWeight(double multiplier, double density, double endBlockArea,
                           double grossArea) {
    return multiplier * density * (endBlockArea - grossArea) / 144.0;
}

void CKordelDoc::BuildHandlingLoads(const HandlingImpact* impacts, int impactCount) {
    HandlingLoadGirder g;
    g.L = m_dGirderLength;
    g.w = m_dBeamWeight;
    g.endBlocks = m_bIncludeEndBlocks == 1;
    if (g.endBlocks) {
        double A0 = 0, yb = 0, I = 0, bw = 0;
        GetStationSectionProps(kStationLeftBearing, 0, A0, yb, I, bw);
        g.wEB = EndBlockExtraWeight(m_dSelfWeightMultiplier, m_dBeamDensity, A0, m_dSectionArea);
        g.Le = m_dEndBlockLength;
        g.taper = m_nSectionType == kSectionIGirder && m_dEndBlockTransition > 0;
        g.T = m_dEndBlockTransition;
    }
    m_nHandlingDistLoads = BuildHandlingLoadList(g, impacts, impactCount, m_aHandlingDistLoad);
    m_nHandlingPointLoads = 0;  // the handling checks load the girder with its weight alone
}

}  // namespace kordel
