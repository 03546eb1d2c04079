#include "engine/checks/handling_statics.h"

#include <algorithm>
#include <cmath>

#include "document/kordel_doc.h"

namespace kordel {

namespace {

// A linearly varying load w1 at a to w2 at b: its resultant and first moments, computed from
// the ordinates directly so that loads of opposite sign at the two ends keep their couple.
struct LinearLoad {
    double a, b, w1, w2;

    double Length() const { return b - a; }
    double Resultant() const { return (w1 + w2) * Length() / 2; }
    /// Moment of the load about a point at `x` to its right, positive sagging when subtracted:
    /// the integral of w(s) (x - s) ds over [a, b].
    double MomentAbout(double x) const {
        const double L = Length();
        return w1 * ((x - a) * L - L * L / 2) + (w2 - w1) * ((x - a) * L / 2 - L * L / 3);
    }
    /// First moment about the origin of the girder, the integral of w(s) s ds.
    double FirstMoment() const {
        const double L = Length();
        return Resultant() * a + w1 * L * L / 2 + (w2 - w1) * L * L / 3;
    }
    /// The part of the load left of `x`, cut there with its ordinate interpolated.
    LinearLoad LeftOf(double x) const {
        if (x >= b) return *this;
        const double we = w1 + (w2 - w1) * (x - a) / Length();
        return {a, x, w1, we};
    }
};

}  // namespace

HandlingEffects ComputeHandlingStatics(const HandlingDistLoad* dist, int distCount,
                                       const HandlingPointLoad* points, int pointCount, double x,
                                       int firstGroup, int lastGroup, double xl, double d) {
    HandlingEffects e;
    if (!(d >= 0) || !std::isfinite(d) || !std::isfinite(xl) || !std::isfinite(x)) return e;
    distCount = std::clamp(distCount, 0, kMaxHandlingLoads);
    pointCount = std::clamp(pointCount, 0, kMaxHandlingLoads);
    const double xr = xl + d;
    auto addMoment = [&e](double term) {
        e.M += term;
        e.Mscale = std::max(e.Mscale, std::fabs(term));
    };

    // Left and right reactions of a load of resultant W and first moment Wx about the origin.
    auto addReactions = [&](double W, double Wx) {
        const double left = d > 0 ? (W * xr - Wx) / d : W;
        const double right = W - left;
        if (xl <= x) {
            e.V += left;
            addMoment(left * (x - xl));
        }
        if (xr <= x) {
            e.V += right;
            addMoment(right * (x - xr));
        }
    };

    for (int g = firstGroup; g <= lastGroup; ++g) {
        for (int i = 0; i < distCount; ++i) {
            const HandlingDistLoad& q = dist[i];
            if (q.m_nGroup != g || (q.m_dW1 == 0 && q.m_dW2 == 0)) continue;
            const LinearLoad load{q.m_dX1, q.m_dX2, q.m_dW1, q.m_dW2};
            if (!(load.Length() > 0)) continue;  // a load of no length carries nothing
            addReactions(load.Resultant(), load.FirstMoment());
            if (load.a < x) {
                const LinearLoad left = load.LeftOf(x);
                e.V -= left.Resultant();
                addMoment(-left.MomentAbout(x));
            }
        }
        for (int i = 0; i < pointCount; ++i) {
            const HandlingPointLoad& p = points[i];
            if (p.m_nGroup != g || p.m_dP == 0) continue;
            addReactions(p.m_dP, p.m_dP * p.m_dX);
            if (p.m_dX <= x) {
                e.V -= p.m_dP;
                addMoment(-p.m_dP * (x - p.m_dX));
            }
        }
    }

    e.V2 = e.V;
    for (int g = firstGroup; g <= lastGroup; ++g) {
        for (int i = 0; i < pointCount; ++i) {
            const HandlingPointLoad& p = points[i];
            if (p.m_nGroup == g && p.m_dP != 0 && p.m_dX == x) e.V2 += p.m_dP;
        }
    }
    return e;
}

HandlingEffects HandlingEffectsOf(const CKordelDoc& doc, double x, int group, double xl, double d) {
    return ComputeHandlingStatics(doc.m_aHandlingDistLoad, doc.m_nHandlingDistLoads,
                                  doc.m_aHandlingPointLoad, doc.m_nHandlingPointLoads, x, group,
                                  group, xl, d);
}

void CKordelDoc::ComputeHandlingEffects(double x, int firstGroup, int lastGroup, double xl,
                                        double d, double& M, double& V, double& V2, double& R4,
                                        double& R5) const {
    const HandlingEffects e =
        ComputeHandlingStatics(m_aHandlingDistLoad, m_nHandlingDistLoads, m_aHandlingPointLoad,
                               m_nHandlingPointLoads, x, firstGroup, lastGroup, xl, d);
    M = e.M;
    V = e.V;
    V2 = e.V2;
    R4 = e.R4;
    R5 = e.R5;
}

}  // namespace kordel
