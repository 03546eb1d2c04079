#include "engine/checks/strain_compatibility.h"

#include <algorithm>
#include <cmath>

#include "document/kordel_doc.h"
#include "engine/checks/flexure_phi.h"

namespace kordel {
namespace {

/// Most trials of the neutral-axis search at one station and sign.
constexpr int kMaxTrials = 60;
/// The search stops when the interval holding the neutral axis is narrower than this, in.
constexpr double kSmallestInterval = 1e-6;
/// Shallowest neutral axis tried, in.
constexpr double kShallowestC = 0.01;
/// Forces balance when |Cc - Fs| is at most this part of Cc: 0.1 %, which puts Mn within a
/// small fraction of a percent.
constexpr double kBalanceTolerance = 1e-3;
/// Thickness of the concrete slices, in.
constexpr double kSliceThickness = 0.1;
/// Most slices of one concrete region: bounds the work on a section of absurd size.
constexpr int kMaxSlices = 20000;

/// Concrete curve entries: the girder's and the deck's.
constexpr int kGirderCurve = 0;
constexpr int kDeckCurve = 1;

/// The compression zone of a station: which face, where the neutral axis lies and the section's
/// heights. Heights in inches above the girder bottom.
struct CompressionZone {
    bool top = true;   ///< compression at the top face, else at the girder bottom
    double y0 = 0;     ///< neutral axis
    double c = 0;      ///< depth of the neutral axis below the compression face
    double yFace = 0;  ///< compression face (the top of the section, or 0)
};

/// Height of the section's top compression face: the deck less its integral wearing surface on a
/// composite girder, else the girder top less the wearing surface, in.
double SectionTop(const CKordelDoc& d) {
    if (d.m_bCompositeDeck != 0) {
        return d.m_dSectionHeight + d.m_dHaunchThickness + d.m_dDeckThickness -
               d.m_dWearingSurfaceThickness;
    }
    return d.m_dSectionHeight - d.m_dWearingSurfaceThickness;
}

/// True where the girder's voids are open: outside the solid end zones when end blocks are
/// included (an I-girder's zone ends after its transition), everywhere otherwise.
bool VoidsOpen(const CKordelDoc& d, double x) {
    if (d.m_bIncludeEndBlocks == 0) return true;
    const double G = d.m_dGirderLength;
    double zone = d.m_dEndBlockLength;  // ft
    if (d.m_nSectionType == kSectionIGirder) zone += d.m_dEndBlockTransition;
    return zone < x && x < G - zone;
}

/// Strain at height `y` of the zone (compression positive).
double StrainAt(const CompressionZone& z, double ecu, double y) {
    const double fromAxis = z.top ? y - z.y0 : z.y0 - y;  // in
    return ecu * fromAxis / z.c;
}

/// Adds the force and moment about the girder bottom of the region from `lo` to `hi` (in) of
/// width `width(y)` under curve `curve`, in slices about `slice` in thick (at least two, at
/// most kMaxSlices).
template <typename Width>
void IntegrateRegion(double lo, double hi, double slice, const CompressionZone& z, double ecu,
                     const ConcreteCurve& curve, Width width, double& force, double& moment) {
    if (!(hi > lo)) return;
    const double range = hi - lo;
    const int n = static_cast<int>(std::clamp(range / slice, 2.0, double(kMaxSlices)));
    const double dy = range / n;
    for (int j = 0; j < n; ++j) {
        const double y = lo + dy * (j + 0.5);
        const double w = width(y);
        if (!(w > 0.0)) continue;
        const double f = curve.Stress(StrainAt(z, ecu, y)) * w * dy;  // kip
        force += f;
        moment += f * y;
    }
}

}  // namespace

ConcreteCurve ConcreteCurve::Of(double fc, double Ec) {
    ConcreteCurve k;
    k.fc = fc;
    k.Ec = Ec;
    k.n = 0.4 * fc + 0.8;
    k.e0 = (k.n > 1.0 && Ec > 0.0) ? k.n / (k.n - 1.0) * fc / Ec : 0.0;
    k.k = std::max(1.0, fc * 1000.0 / 9000.0 + 0.67);
    return k;
}

double ConcreteCurve::Stress(double e) const {
    if (!(e > 0.0) || !(e0 > 0.0) || !(fc > 0.0)) return 0.0;
    const double r = e / e0;
    const double kk = r > 1.0 ? k : 1.0;
    return fc * n * r / (n - 1.0 + std::pow(r, n * kk));
}

double StrandPowerStress(double e, double fpu) {
    const double a = std::abs(112.4 * e);
    const double f = e * (887.0 + 27613.0 / std::pow(1.0 + std::pow(a, 7.36), 1.0 / 7.36));
    return std::clamp(f, -std::abs(fpu), std::abs(fpu));
}

double PolygonWidthAt(int count, const double (*points)[2], double y) {
    if (count < 3) return 0.0;
    double xs[kMaxOutlinePoints + 1];
    int m = 0;
    for (int k = 0; k < count && m < kMaxOutlinePoints + 1; ++k) {
        const double* a = points[k];
        const double* b = points[(k + 1) % count];
        const double ya = a[kPointY];
        const double yb = b[kPointY];
        if (ya == yb) continue;  // a level edge runs along the line
        // Half-open in y, so that a line through a vertex meets its two edges once in all.
        const bool crosses = (ya <= y && y < yb) || (yb <= y && y < ya);
        if (!crosses) continue;
        xs[m++] = a[kPointX] + (y - ya) * (b[kPointX] - a[kPointX]) / (yb - ya);
    }
    std::sort(xs, xs + m);
    double w = 0.0;
    for (int k = 0; k + 1 < m; k += 2) w += xs[k + 1] - xs[k];
    return w;
}

int StrainCompatibility::SumConcreteForce(const CKordelDoc& d, double y0, bool top, int station,
                                          double slice, double& force, double& yc) {
    force = 0.0;
    yc = 0.0;
    if (station < 0 || station >= kStationCount) return 0;
    if (!(slice > 0.0)) slice = kSliceThickness;
    const double x = d.m_adStationX[station] + d.m_dEndDistance;  // ft from the girder end
    double outline[kMaxOutlinePoints][kPointValueCount];
    int n = 0;
    if (d.GetSectionOutlineAt(x, outline, n) == 0 || n < 3) return 0;

    CompressionZone z;
    z.top = top;
    z.y0 = y0;
    z.yFace = top ? SectionTop(d) : 0.0;
    z.c = top ? z.yFace - y0 : y0;
    if (!(z.c > 0.0)) return 1;
    const double lo = top ? y0 : 0.0;      // in
    const double hi = top ? z.yFace : y0;  // in
    const double ecu = d.m_dConcreteUltimateStrain;

    // Girder: the outline less its voids where they are open.
    double yMin = outline[0][kPointY];
    double yMax = outline[0][kPointY];
    for (int k = 1; k < n; ++k) {
        yMin = std::min(yMin, outline[k][kPointY]);
        yMax = std::max(yMax, outline[k][kPointY]);
    }
    yMax = std::min(yMax, d.m_dSectionHeight);
    const bool voids = VoidsOpen(d, x);
    const int nv = voids ? std::clamp(d.m_nVoidPointCount, 0, kMaxOutlinePoints) : 0;
    const int nCircles = voids ? std::clamp(d.m_nCircularVoidCount, 0, kMaxCircularVoids) : 0;
    auto girderWidth = [&](double y) {
        double w = PolygonWidthAt(n, outline, y);
        if (nv > 0) w -= PolygonWidthAt(nv, d.m_adVoidOutline, y);
        for (int k = 0; k < nCircles; ++k) {
            const double* c = d.m_adCircularVoid[k];
            const double dy = y - c[kVoidCentreY];
            const double r = c[kVoidRadius];
            if (std::abs(dy) < r) w -= 2.0 * std::sqrt(r * r - dy * dy);
        }
        return w;
    };
    double moment = 0.0;  // kip-in about the girder bottom
    IntegrateRegion(std::max(lo, yMin), std::min(hi, yMax), slice, z, ecu,
                    m_aConcrete[kGirderCurve], girderWidth, force, moment);

    // Haunch and deck of a composite girder, with the deck concrete.
    if (d.m_bCompositeDeck != 0) {
        const double G = d.m_dSectionHeight;
        const double H = std::max(0.0, d.m_dHaunchThickness);
        const double t = std::max(0.0, d.m_dDeckThickness);
        const double bh = d.m_dHaunchWidth;
        const double bd = d.m_dDeckWidth;
        IntegrateRegion(
            std::max(lo, G), std::min(hi, G + H), slice, z, ecu, m_aConcrete[kDeckCurve],
            [bh](double) { return bh; }, force, moment);
        IntegrateRegion(
            std::max(lo, G + H), std::min(hi, G + H + t), slice, z, ecu, m_aConcrete[kDeckCurve],
            [bd](double) { return bd; }, force, moment);
    }
    if (force > 0.0) yc = moment / force;
    return 1;
}

void StrainCompatibility::SetLayerDepths(CKordelDoc& d, int station, bool top, double D) {
    m_dTopDepth = top ? D : 0.0;
    const int nLayers = std::clamp(d.m_nSteelLayers, 0, kMaxSteelLayers);
    for (int k = 0; k < nLayers; ++k) {
        SteelLayer& layer = d.m_aSteelLayer[k];
        const double y = layer.m_adElevation[station];
        layer.m_dDepth = top ? D - y : y;
    }
}

StrainForceBalance StrainCompatibility::SumSteelForces(CKordelDoc& d, int sign, double c,
                                                       int station, bool top, double D) {
    StrainForceBalance b;
    StrainCompatResult& rec = d.m_aStrainCompat[station];
    const double ecu = d.m_dConcreteUltimateStrain;
    const double G = d.m_dSectionHeight;
    const double sectionTop = SectionTop(d);

    const double y0 = top ? D - c : c;  // neutral axis above the girder bottom, in
    double yc = 0.0;
    b.concreteDone = SumConcreteForce(d, y0, top, station, kSliceThickness, b.Cc, yc);
    b.dc = top ? D - yc : yc;
    if (b.Cc == 0.0) b.dc = 0.0;

    double At = 0.0, Ac = 0.0;     // in2
    double FAt = 0.0, FAtd = 0.0;  // kip, kip-in: tension steel
    double FAc = 0.0, FAcd = 0.0;  // kip, kip-in: compression steel
    double psA = 0.0, psF = 0.0;   // prestressing steel in tension: in2, kip
    const int nLayers = std::clamp(d.m_nSteelLayers, 0, kMaxSteelLayers);
    for (int k = 0; k < nLayers; ++k) {
        const SteelLayer& layer = d.m_aSteelLayer[k];
        const double at = layer.m_adTensionArea[station];
        const double ac = layer.m_adCompressionArea[station];
        const double y = layer.m_adElevation[station];
        // Steel above the section's compression face (bars of a deck that does not act with
        // the girder) takes no part.
        if ((at == 0.0 && ac == 0.0) || y > sectionTop) continue;
        const double dd = layer.m_dDepth;
        const double ef = (dd - c) * ecu / c;  // flexural strain, tension positive
        double f = 0.0;                        // ksi, tension positive
        const bool prestressing = IsPrestressingLayer(layer.m_nKind);
        if (prestressing) {
            const bool tendon = layer.m_nKind == kLayerTendon || layer.m_nKind == kLayerTendon250;
            const double Ep = tendon ? d.m_dPTStrandEp : d.m_dStrandEp;
            const double fpu = tendon ? d.m_dPTStrandFpu : d.m_dStrandFpu;
            const double prestrain = Ep > 0.0 ? layer.m_adPrestress[station] / Ep : 0.0;
            f = StrandPowerStress(prestrain + ef, fpu);
        } else {
            const double fy = std::abs(d.m_dLongitudinalFy);
            f = std::clamp(ef * d.m_dRebarEs, -fy, fy);
        }
        double area = at;
        if (c > dd) {
            // In the compression zone the steel takes the place of concrete that the concrete
            // force counts: its force is relieved by the concrete stress at its level.
            const int curve = y > G ? kDeckCurve : kGirderCurve;
            const double e = ecu * (c - dd) / c;
            f += m_aConcrete[curve].Stress(e);
            area = ac;
        }
        const double force = f * area;  // kip
        if (f <= 0.0) {
            Ac += ac;
            FAc += force;
            FAcd += force * dd;
        } else {
            At += at;
            FAt += force;
            FAtd += force * dd;
        }
        b.Fs += force;
        if (prestressing) {
            psA += at;
            psF += std::abs(f * at);
        }
    }

    b.dt = FAt != 0.0 ? FAtd / FAt : 0.0;
    const double dsc = FAc != 0.0 ? FAcd / FAc : 0.0;
    const double denominator = std::abs(FAc) + b.Cc;
    b.dcomp = denominator != 0.0 ? (std::abs(dsc * FAc) + b.dc * b.Cc) / denominator : 0.0;
    b.M = -b.Cc * b.dc + FAtd + FAcd;

    rec.m_adTensionArea[sign] = At;
    rec.m_adCompressionArea[sign] = Ac;
    rec.m_adTensionDepth[sign] = b.dt;
    rec.m_adCompressionSteelDepth[sign] = dsc;
    rec.m_adTotalArea[sign] = At + Ac;
    rec.m_adSteelDepth[sign] = FAt + FAc > 0.0 ? (FAtd + FAcd) / (FAt + FAc) : 0.0;
    rec.m_adPrestressStress[sign] = psA > 0.0 ? psF / psA : 0.0;
    rec.m_anConcreteDone[sign] = b.concreteDone;
    return b;
}

bool StrainCompatibility::SolveStation(CKordelDoc& d, int station, int sign, bool top, double D) {
    SetLayerDepths(d, station, top, D);
    StrainCompatResult& rec = d.m_aStrainCompat[station];

    // The forces' imbalance Cc - Fs grows with c: bracket the neutral axis between the
    // shallowest depth and the full depth, start at D / 10 and narrow the bracket by regula
    // falsi (Illinois), halving it whenever a step would not fall well inside. Bounded by
    // kMaxTrials evaluations.
    double lo = kShallowestC, hi = D;
    double rLo = 0.0, rHi = 0.0;
    bool haveLo = false, haveHi = false;
    int lastSide = 0;  // -1 the last trial moved lo, +1 hi
    double c = D / 10.0;
    bool converged = false;
    StrainForceBalance b;
    for (int trial = 0; trial < kMaxTrials && hi - lo > kSmallestInterval; ++trial) {
        c = std::clamp(c, lo, hi);
        b = SumSteelForces(d, sign, c, station, top, D);
        if (b.concreteDone == 0) break;
        const double r = b.Cc - b.Fs;
        if (b.Cc > 0.0 && std::abs(r) <= kBalanceTolerance * b.Cc) {
            converged = true;
            break;
        }
        if (r < 0.0) {  // the steel pulls harder: deepen the neutral axis
            lo = c;
            rLo = r;
            haveLo = true;
            if (lastSide == -1 && haveHi) rHi /= 2.0;
            lastSide = -1;
        } else {
            hi = c;
            rHi = r;
            haveHi = true;
            if (lastSide == 1 && haveLo) rLo /= 2.0;
            lastSide = 1;
        }
        // Until the far side is found, double the depth rather than leap to mid-depth: a deep
        // trial slices the whole section.
        const double mid = 0.5 * (lo + hi);
        c = haveHi ? mid : std::min(2.0 * lo, mid);
        if (haveLo && haveHi && rHi != rLo) {
            const double next = lo - rLo * (hi - lo) / (rHi - rLo);
            const double margin = 0.01 * (hi - lo);
            if (next > lo + margin && next < hi - margin) c = next;
        }
    }

    rec.m_anConverged[sign] = converged ? 1 : 0;
    rec.m_adConcreteForce[sign] = std::abs(b.Cc);
    rec.m_adConcreteDepth[sign] = b.dc;
    rec.m_adCompressionDepth[sign] = b.dcomp;
    rec.m_adSteelForce[sign] = std::abs(b.Fs);
    rec.m_adLastTrialDt[sign] = b.dt;
    rec.m_adLeverArm[sign] = std::abs(b.dt - b.dcomp);
    if (!converged) {
        // A trial on inputs that are not numbers leaves none in the record.
        for (double* v :
             {&rec.m_adTensionArea[sign], &rec.m_adCompressionArea[sign],
              &rec.m_adTensionDepth[sign], &rec.m_adCompressionSteelDepth[sign],
              &rec.m_adTotalArea[sign], &rec.m_adSteelDepth[sign], &rec.m_adLeverArm[sign],
              &rec.m_adConcreteForce[sign], &rec.m_adConcreteDepth[sign],
              &rec.m_adCompressionDepth[sign], &rec.m_adSteelForce[sign],
              &rec.m_adLastTrialDt[sign], &rec.m_adPrestressStress[sign]}) {
            if (!std::isfinite(*v)) *v = 0.0;
        }
        return false;
    }

    // Resistance.
    FlexurePhiRule rule;
    rule.lrfd = IsLrfd(d.m_nSpecification);
    rule.oldEdition = d.m_nSpecEdition <= 1;
    rule.reinforced = sign == kFlexureNegative && d.m_bInteriorPiersReinforced == 1;
    rule.phiDefault = d.m_dPhiFlexure;
    rule.cdtCompression = d.m_dCdtCompressionLimit;
    rule.cdtTension = d.m_dCdtTensionLimit;
    const double phi = FlexureResistanceFactor(rule, c, b.dt);
    const double phiMn = phi * b.M / 12.0;  // k-ft
    const double Mr = std::abs(phiMn);      // k-ft
    const double Mu = sign == kFlexurePositive
                          ? d.m_aMuFlexure[station][kStrengthIPositive]
                          : d.m_aFactoredMomentEnvelope[station][kStrengthINegative];  // k-ft
    const double Mcr = d.m_aFlexureMcr[station][sign];                                 // k-ft
    auto capped = [](double ratio) { return ratio >= kFlexureRatioCap ? kFlexureRatioCap : ratio; };

    d.m_aFlexureC[station][sign] = c;
    d.m_aFlexurePhi[station][sign] = phi;
    d.m_aFlexureMn[station][sign] = phiMn;
    d.m_aFlexureMr[station][sign] = Mr;
    d.m_aFlexureDepthRatio[station][sign] = b.dt != 0.0 ? c / b.dt : 0.0;
    d.m_aFlexureMrMuRatio[station][sign] = Mu == 0.0 ? kFlexureRatioCap : capped(std::abs(Mr / Mu));
    double mrMcr = kFlexureRatioCap;
    if (Mcr != 0.0) mrMcr = capped(sign == kFlexurePositive ? Mr / Mcr : std::abs(Mr / Mcr));
    d.m_aFlexureMrMcrRatio[station][sign] = mrMcr;
    // The prestressing steel's stress at nominal strength, where there is any in tension.
    if (rec.m_adPrestressStress[sign] > 0.0)
        d.m_aFlexureFps[station][sign] = rec.m_adPrestressStress[sign];
    return true;
}

void StrainCompatibility::ComputeFlexuralStrength(CKordelDoc* doc) {
    if (doc == nullptr) return;
    CKordelDoc& d = *doc;
    for (auto& rec : d.m_aStrainCompat) rec = StrainCompatResult{};
    d.m_nStrainCompatFailures = 0;

    m_aConcrete[kGirderCurve] = ConcreteCurve::Of(d.m_dBeamFc, d.m_dBeamEc);
    m_aConcrete[kDeckCurve] = ConcreteCurve::Of(d.m_dDeckFc, d.m_dDeckEc);
    m_nConcreteCount = kCurveCount;

    const int nLayers = std::clamp(d.m_nSteelLayers, 0, kMaxSteelLayers);
    d.m_nSteelLayers = nLayers;
    const double D = SectionTop(d);  // depth of the section below its top face, in

    // A station with no steel to pull, or a simple span's negative moment, has no strength here.
    auto clear = [&d](int i, int sign) {
        d.m_aFlexureC[i][sign] = 0.0;
        d.m_aFlexurePhi[i][sign] = d.m_dPhiFlexure;
        d.m_aFlexureMn[i][sign] = 0.0;
        d.m_aFlexureMr[i][sign] = 0.0;
        d.m_aFlexureMrMuRatio[i][sign] = 0.0;
        d.m_aFlexureDepthRatio[i][sign] = 0.0;
        d.m_aFlexureMrMcrRatio[i][sign] = 0.0;
    };
    auto pass = [&](int sign) {
        for (int i = 0; i < kStationCount; ++i) {
            double tension = 0.0;  // in2
            for (int k = 0; k < nLayers; ++k) tension += d.m_aSteelLayer[k].m_adTensionArea[i];
            if (tension == 0.0 || !(D > kShallowestC)) {
                clear(i, sign);
                continue;
            }
            // Positive moment takes the top face unless the factored moment is negative there;
            // negative moment the bottom face unless its moment is positive there.
            const bool top = sign == kFlexurePositive
                                 ? !(d.m_aMuFlexure[i][kStrengthIPositive] < 0.0)
                                 : d.m_aFactoredMomentEnvelope[i][kStrengthINegative] > 0.0;
            // A station that does not balance keeps the code-formula strength.
            if (!SolveStation(d, i, sign, top, D)) ++d.m_nStrainCompatFailures;
        }
    };

    pass(kFlexurePositive);
    if (d.m_bContinuous == 1) {
        pass(kFlexureNegative);
    } else {
        for (int i = 0; i < kStationCount; ++i) clear(i, kFlexureNegative);
    }

    // Smallest positive-moment Mr / Mu over the span's stations with a positive Mu.
    double smallest = kMinFlexureRatioNone;
    int at = -1;
    for (int i = 0; i <= kStationRightBearing; ++i) {
        if (!(d.m_aMuFlexure[i][kStrengthIPositive] > 0.0)) continue;
        if (d.m_aFlexureMrMuRatio[i][kFlexurePositive] < smallest) {
            smallest = d.m_aFlexureMrMuRatio[i][kFlexurePositive];
            at = i;
        }
    }
    d.m_adMinFlexureRatio[kMinRatioValue] = smallest;
    SetMinFlexureRatioStation(d.m_adMinFlexureRatio, at);
}

StrainCompatibility& TheStrainCompatibility() {
    static StrainCompatibility solver;
    return solver;
}

}  // namespace kordel
