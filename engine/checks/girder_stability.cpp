#include "engine/checks/girder_stability.h"

#include <algorithm>
#include <cmath>

#include "engine/core/round_off.h"

namespace kordel {

double StabilityModulus(double density, double fc) {
    if (!(density > 0) || !(fc > 0)) return 0.0;
    return 33000.0 * std::pow(density, 1.5) * std::sqrt(fc);
}

double SupportArcFactor(double l, double L) {
    if (!(L > 0)) return 0.0;
    const double ratio = l / L;
    return ratio * ratio - 0.333;
}

double CrackingTiltAngle(double fr, double ft, double Iyy, double btf, double M) {
    const double lateral = btf / 2 * 12.0 * std::fabs(M);  // flange edge stress per radian x Iyy
    if (!(lateral > 0) || !(Iyy > 0)) return 0.0;
    return (fr + ft) * Iyy / lateral;
}

HangingStability ComputeHangingStability(const HangingGirder& g) {
    HangingStability s;
    const double l = g.L - g.a - g.b;
    const double r = SupportArcFactor(l, g.L);
    s.ei = g.L / 10 * 0.0625 * r + 0.25;
    s.yr = g.yt - g.camber * r;

    const double stiffness = 12.0 * g.E * g.Iyy * g.L;
    if (!(stiffness > 0)) return s;
    const double am = (g.a + g.b) / 2;  // mean overhang
    s.z0 = 12.0 * 12.0 * 12.0 * g.w / stiffness *
           (0.1 * std::pow(l, 5) - am * am * std::pow(l, 3) + 3 * std::pow(am, 4) * l +
            1.2 * std::pow(am, 5));
    s.thetaI = s.yr > 0 ? s.ei / s.yr : 0.0;
    s.thetaMax = CrackingTiltAngle(g.fr, g.ft, g.Iyy, g.btf, g.Mg);

    if (!(s.yr > 0) || !(s.thetaMax > 0)) return s;  // no margin: fs stays 0
    const double demand = s.z0 / s.yr + s.thetaI / s.thetaMax;
    if (demand > 0) s.fs = 1.0 / demand;
    return s;
}

RollStability ComputeRollStability(const TruckGirder& g) {
    RollStability s;
    const double W = g.L * g.w;  // girder weight, kip
    if (!(W > 0) || !(g.Ktheta > 0)) return s;
    s.r = g.Ktheta / W;
    s.ei = g.L / 10 * 0.125 * SupportArcFactor(g.l, g.L) + 1.0;
    s.y = g.camber + g.cgAboveRoad - g.hr;

    // Factor of safety of a girder tilted to theta with lateral deflection z at theta = 1.
    const auto factor = [&](double theta, double z) {
        const double denominator = z * theta + s.ei + s.y * theta;
        return denominator > 0 ? std::max(0.0, (theta - g.alpha) * s.r / denominator) : 0.0;
    };
    if (g.thetaMax > 0) s.fsCracking = factor(g.thetaMax, g.z0);
    s.thetaFailure = (g.zmax - g.hr * g.alpha) / s.r + g.alpha;
    s.z0Failure = (1 + 2.5 * s.thetaFailure) * g.z0;
    s.fsRollover = factor(s.thetaFailure, s.z0Failure);
    return s;
}

TruckGirder UnderVerticalLoad(const TruckGirder& g, const TopFlangeAtMidspan& top, double k) {
    TruckGirder loaded = g;
    loaded.w = k * g.w;
    loaded.z0 = k * g.z0;
    const double M = k * top.M;  // k-ft
    loaded.thetaMax = CrackingTiltAngle(top.fr, top.fps + 12 * M / top.St, top.Iyy, top.btf, M);
    return loaded;
}

ShippingStability ComputeShippingStability(const TruckGirder& g, const TopFlangeAtMidspan& top,
                                           double impact) {
    ShippingStability s;
    bool cracking = false;  // a direction has set the cracking results
    bool rollover = false;
    for (const double k : {1 + impact, 1 - impact}) {
        if (IsRoundOffZero(k, std::max(1.0, std::fabs(impact))) || !(k > 0)) {
            // No downward weight: nothing tilts the girder. Only a flange that the prestress
            // alone cracks has no margin.
            if (!(top.fr + top.fps > 0)) {
                s.thetaMax = 0;
                s.z0 = 0;
                s.fsCracking = 0;
                cracking = true;
            }
            continue;
        }
        const TruckGirder loaded = UnderVerticalLoad(g, top, k);
        const RollStability r = ComputeRollStability(loaded);
        if (!cracking || r.fsCracking < s.fsCracking) {
            s.thetaMax = loaded.thetaMax;
            s.z0 = loaded.z0;
            s.fsCracking = r.fsCracking;
            cracking = true;
        }
        if (!rollover || r.fsRollover < s.fsRollover) {
            s.thetaFailure = r.thetaFailure;
            s.z0Failure = r.z0Failure;
            s.fsRollover = r.fsRollover;
            rollover = true;
        }
    }
    return s;
}

double ShippingLateralDeflection(double z0Lift, double fci, double fc, double E, double Eci) {
    if (!(fc > 0) || !(Eci > 0) || !(fci >= 0) || !(E >= 0)) return 0.0;
    return std::sqrt(E / Eci) * std::sqrt(fci) * z0Lift / std::sqrt(fc);
}

}  // namespace kordel
