// The strand design of one load-table case: the preliminary strand design without messages, on
// the checks the load tables ask for, with the kern stop for straight patterns, the status codes
// of the load-table row and a pass/fail result on those checks.
#include "document/kordel_doc.h"
#include "engine/checks/strand_design.h"

namespace kordel {
namespace {

/// Mr / Mu >= 1 for positive moment at mid-span; a mid-span without factored moment passes.
bool MidspanRatioOk(const CKordelDoc& doc) {
    const double Mu = doc.m_aMuFlexure[kStationMidspan][kStrengthIPositive];  // kip-ft
    const double Mr = doc.m_aFlexureMr[kStationMidspan][kFlexurePositive];    // kip-ft
    if (Mu == 0.0) return true;
    return Mr / Mu >= 1.0;
}

}  // namespace

int CKordelDoc::DesignLoadTableStrands(LoadTableChecks checks, DrapeSearch search) {
    // Nothing asked for passes nothing; the design is left as it is.
    if (!checks.Any()) return 0;
    StrandPatternGrowth growth(*this);
    growth.Start();
    m_anLoadTableStatus[kLoadTableDepthRatio] = 0;
    RebuildStrandGroups();
    RunAnalysis();
    m_anLoadTableStatus[kLoadTableGoverningCheck] =
        checks.stress ? kLoadTableTensionGoverned : kLoadTableStrengthGoverned;

    // A check not asked for counts as passed: it neither adds strands nor names the mode.
    for (;;) {
        const bool tension = !checks.stress || FinalTensionOk(*this);
        const bool strength = !checks.strength || MidspanStrengthOk(*this);
        if (tension && strength) break;
        m_anLoadTableStatus[kLoadTableGoverningCheck] =
            tension ? kLoadTableStrengthGoverned : kLoadTableTensionGoverned;
        if (growth.AddStrands(true) != GrowthStep::Added) break;
        RunDesignAnalysis(DesignAnalysis::LoadTableGrowth);
    }

    if (growth.Draped()) {
        const double c = m_aFlexureC[kStationMidspan][kFlexurePositive];    // in
        const double de = m_aFlexureDe[kStationMidspan][kFlexurePositive];  // in
        const double ratio = de == 0.0 ? 0.0 : c / de;
        if (ratio > kLoadTableMaxDepthRatio)
            m_anLoadTableStatus[kLoadTableDepthRatio] = kLoadTableDepthRatioHigh;
        growth.RaiseDrapedStrands(search);
    }
    RunAnalysis();

    const bool stressOk = !checks.stress || (FinalTensionOk(*this) && FinalCompressionOk(*this));
    const bool strengthOk = !checks.strength || MidspanRatioOk(*this);
    return stressOk && strengthOk ? 1 : 0;
}

}  // namespace kordel
