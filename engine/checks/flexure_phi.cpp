#include "engine/checks/flexure_phi.h"

#include <algorithm>

namespace kordel {

namespace {
constexpr double kCrushingStrain = 0.003;  // ecu
}  // namespace

double NetTensileStrain(double dt, double c) { return kCrushingStrain * (dt / c - 1.0); }

double FlexureResistanceFactor(const FlexurePhiRule& rule, double c, double dt) {
    if (!rule.lrfd) return rule.phiDefault;
    const double phiMax = rule.reinforced ? 0.9 : 1.0;
    const double slope = rule.reinforced ? 0.15 : 0.25;
    if (!(c > 0)) return phiMax;
    if (!(dt > 0)) return 0.75;

    if (rule.oldEdition) {
        // The older editions' closed forms of the same strain rule with limits 0.002 and 0.005.
        const double phi = rule.reinforced ? 0.65 + 0.15 * (dt / c - 1) : 0.583 + 0.25 * (dt / c - 1);
        return std::clamp(phi, 0.75, phiMax);
    }
    double ecl = 0.002;
    double etl = 0.005;
    // A limit ratio that is not a positive c/dt has no strain; keep the code's defaults.
    if (rule.cdtCompression > 0) ecl = kCrushingStrain * (1.0 / rule.cdtCompression - 1.0);
    if (rule.cdtTension > 0) etl = kCrushingStrain * (1.0 / rule.cdtTension - 1.0);
    const double et = NetTensileStrain(dt, c);
    double phi = 0;
    if (etl > ecl) {
        phi = 0.75 + slope * (et - ecl) / (etl - ecl);
    } else {
        phi = et >= etl ? phiMax : 0.75;  // equal limits: a step at the limit
    }
    return std::clamp(phi, 0.75, phiMax);
}

}  // namespace kordel
