// Closed-form simple-span effects, moving-load envelopes on a simple span, tenth-point
// interpolation and the LRFD permit-vehicle distribution.
#include "engine/liveload/beam_formulas.h"

#include <algorithm>
#include <cmath>

#include "document/results_stations.h"
#include "engine/liveload/double2.h"

namespace kordel {

namespace {

constexpr double kInchesPerFoot = 12.0;

/// Rotation of a bending moment area `A` (kip-ft^2, the closed-form numerator) on a section of
/// modulus `E` (ksi) and inertia `I` (in4): A 144 / (E I); 0 when E I is not positive or the
/// result would not be a number.
double RotationOf(double A, double E, double I) {
    const double EI = E * I;  // kip-in2
    if (!(EI > 0.0) || !std::isfinite(EI)) return 0.0;
    const double theta = A * kInchesPerFoot * kInchesPerFoot / EI;
    return std::isfinite(theta) ? theta : 0.0;
}

/// Point loads of one placement.
struct Placement {
    double P[kMaxVehicleAxles];  ///< kip
    double p[kMaxVehicleAxles];  ///< ft from the left support
    int count = 0;

    void Add(double load, double position) {
        P[count] = load;
        p[count] = position;
        ++count;
    }
};

// The placement search runs four stations at a time (Double4, double2.h); each lane computes
// exactly what the scalar expressions would.

/// Room for every station, padded to a multiple of four.
constexpr int kPaddedStations = (kStationCount + 3) / 4 * 4;

/// The loads of one placement as the search takes them: per load its position and its
/// reactions times L as a load right or left of a station.
struct PlacementTerms {
    double p[kMaxVehicleAxles];          ///< ft
    double PR[kMaxVehicleAxles];         ///< left reaction times L, kip-ft
    double PL[kMaxVehicleAxles];         ///< right reaction times L, kip-ft
    double leftShear[kMaxVehicleAxles];  ///< kip-ft
    int count = 0;
};

/// Keeps `value` in the four `kept` and `with` in the four `concurrent` where it is not less than
/// the kept value: a placement that equals the kept one replaces it.
[[gnu::always_inline]] inline void KeepLarger(double* kept, double* concurrent,
                                              const Double4& value, const Double4& with) {
    Double4 k, c;
    Load4(k, kept);
    Load4(c, concurrent);
    const auto larger = value >= k;
    Select4(k, larger, value, k);
    Select4(c, larger, with, c);
    Store4(kept, k);
    Store4(concurrent, c);
}

/// The running extremes, times L, at `padded` stations `x` (a multiple of four), updated with the
/// moments and shears of one placement `t` on a span `L`.
KORDEL_WIDE_CLONES
void UpdateExtremes(const PlacementTerms& t, double L, int padded, const double* x, double* moment,
                    double* shearWithMoment, double* shear, double* momentWithShear,
                    bool updateShear) {
    Double4 L4;
    Splat4(L4, L);
    for (int i = 0; i < padded; i += 4) {
        Double4 xi;
        Load4(xi, x + i);
        Double4 M{};  // moment times L, kip-ft2
        Double4 V{};  // shear times L, kip-ft
        for (int k = 0; k < t.count; ++k) {
            Double4 p, PR, PL, leftShear;
            Splat4(p, t.p[k]);
            Splat4(PR, t.PR[k]);
            Splat4(PL, t.PL[k]);
            Splat4(leftShear, t.leftShear[k]);
            const auto loadRight = p >= xi;
            Double4 m, v;
            Select4(m, loadRight, xi * PR, (L4 - xi) * PL);
            Select4(v, loadRight, PR, leftShear);
            M += m;
            V += v;
        }
        KeepLarger(moment + i, shearWithMoment + i, M, V);
        if (updateShear) KeepLarger(shear + i, momentWithShear + i, V, M);
    }
}

/// The running extremes of a moving-load search at the stations it keeps, every value times the
/// span length L (moments kip-ft2, shears kip-ft) so that a placement is compared without a
/// division.
class StationSearch {
  public:
    StationSearch(StationPositions x, double L, std::span<const int> stations,
                  const StationExtremes& e)
        : m_L(L) {
        for (int i = 0; i < kStationCount; ++i) {
            if (!stations.empty() &&
                std::find(stations.begin(), stations.end(), i) == stations.end())
                continue;
            m_index[m_count] = i;
            m_x[m_count] = x[i];
            m_moment[m_count] = e.moment[i] * L;
            m_shearWithMoment[m_count] = e.shearWithMoment[i] * L;
            m_shear[m_count] = e.shear[i] * L;
            m_momentWithShear[m_count] = e.momentWithShear[i] * L;
            ++m_count;
        }
        // The padding repeats the last station; its values are never stored.
        m_padded = (m_count + 3) / 4 * 4;
        for (int k = m_count; k < m_padded; ++k) m_x[k] = m_count > 0 ? m_x[m_count - 1] : 0.0;
    }

    /// Updates the extremes with the moment and the shear of placement `load`; the shear of a
    /// tandem (`positiveShearOnly`) counts only the loads at or right of the station, and the
    /// shear extremes take the placement only when `updateShear`.
    void Update(const Placement& load, bool positiveShearOnly, bool updateShear) {
        PlacementTerms t;
        t.count = load.count;
        for (int k = 0; k < load.count; ++k) {
            t.p[k] = load.p[k];
            t.PR[k] = load.P[k] * (m_L - load.p[k]);
            t.PL[k] = load.P[k] * load.p[k];
            t.leftShear[k] = positiveShearOnly ? 0.0 : -t.PL[k];
        }
        UpdateExtremes(t, m_L, m_padded, m_x, m_moment, m_shearWithMoment, m_shear,
                       m_momentWithShear, updateShear);
    }

    /// The extremes of the kept stations into `e`.
    void Store(StationExtremes& e) const {
        for (int k = 0; k < m_count; ++k) {
            const int i = m_index[k];
            e.moment[i] = m_moment[k] / m_L;
            e.shearWithMoment[i] = m_shearWithMoment[k] / m_L;
            e.shear[i] = m_shear[k] / m_L;
            e.momentWithShear[i] = m_momentWithShear[k] / m_L;
        }
    }

  private:
    double m_L;                             ///< ft
    int m_count = 0;                        ///< stations kept
    int m_padded = 0;                       ///< m_count rounded up to a multiple of four
    int m_index[kPaddedStations] = {};      ///< station of each entry
    double m_x[kPaddedStations] = {};       ///< ft
    double m_moment[kPaddedStations] = {};  ///< kip-ft2
    double m_shearWithMoment[kPaddedStations] = {};
    double m_shear[kPaddedStations] = {};  ///< kip-ft
    double m_momentWithShear[kPaddedStations] = {};
};

}  // namespace

// ---- Static loads -------------------------------------------------------------------------------

// AISC Steel Construction Manual, 14th ed., Table 3-23, case 1 (uniformly distributed load)
double UniformLoadMoment(double w, double L, double x) {
    return w * x * (L - x) / 2.0;
}

double UniformLoadShear(double w, double L, double x) {
    return w * (L / 2.0 - x);
}

// End slope w L^3 / (24 E I) of the same beam case.
double UniformLoadLeftRotation(double w, double L, double E, double I) {
    return -RotationOf(w * L * L * L / 24.0, E, I);
}

// AISC Steel Construction Manual, 14th ed., Table 3-23, case 9 (two equal concentrated loads
// symmetrically placed) and case 7 (concentrated load at center, as a pair of halves)
double SymmetricPairMoment(double P, double a, double L, double x) {
    if (x <= a) return P * x;
    if (x <= L - a) return P * a;
    return P * (L - x);
}

double SymmetricPairShear(double P, double a, double L, double x) {
    if (!PositionBeyond(x, a)) return P;
    if (PositionBefore(x, L - a)) return 0.0;
    return -P;
}

double SymmetricPairLeftRotation(double P, double a, double L, double E, double I) {
    return -RotationOf(P * a * (L - a) / 2.0, E, I);
}

// ---- Moving loads -------------------------------------------------------------------------------

double SimpleSpanMomentInfluence(double x, double p, double L) {
    return p >= x ? x * (L - p) / L : (L - x) * p / L;
}

double SimpleSpanShearInfluence(double x, double p, double L) {
    return p >= x ? (L - p) / L : -p / L;
}

void SimpleSpanLaneLoad(StationPositions x, double L, double w, double PM, double PV,
                        double (&M)[kStationCount], double (&V)[kStationCount]) {
    constexpr int kSegments = kHundredthStations - 1;  // segments start at x[0] .. x[99]
    std::fill(std::begin(M), std::end(M), 0.0);
    std::fill(std::begin(V), std::end(V), 0.0);
    if (!(L > 0.0)) return;
    const double dx = x[1] - x[0];  // ft
    const double wdx = w * dx;      // kip, one segment
    for (int i = 0; i < kStationCount; ++i) {
        const double xi = x[i];
        // Sums times L: the segments, and the largest effect of each concentrated load.
        double mL = 0.0;   // kip-ft2
        double vL = 0.0;   // kip-ft
        double mPL = 0.0;  // kip-ft2, not less than 0
        double vPL = 0.0;  // kip-ft, not less than 0
        for (int j = 0; j < kSegments; ++j) {
            const double a = x[j];  // ft, start of the segment and place of the point loads
            if (a >= xi) {
                const double RL = wdx * (L - a - dx / 2.0);  // left reaction times L
                mL += xi * RL;
                vL += RL;
                mPL = std::max(mPL, PM * xi * (L - a));
                vPL = std::max(vPL, PV * (L - a));
            } else {
                const double RR = wdx * (a + dx / 2.0);  // right reaction times L
                mL += (L - xi) * RR;
                mPL = std::max(mPL, PM * (L - xi) * a);
                vPL = std::max(vPL, -PV * a);
            }
        }
        M[i] = (mL + mPL) / L;
        V[i] = (vL + vPL) / L;
    }
}

void EnvelopeAxleTrain(StationPositions x, double L, std::span<const double> weights,
                       std::span<const double> gaps, StationExtremes& e,
                       std::span<const int> kept) {
    const int n = std::min(static_cast<int>(weights.size()), kMaxVehicleAxles);
    if (n == 0 || !(L > 0.0)) return;
    StationSearch search(x, L, kept, e);
    double w[kMaxVehicleAxles];  // kip, in the order of the pass
    double o[kMaxVehicleAxles];  // ft, distance of each axle behind the first of the pass
    for (bool reversed : {false, true}) {
        for (int a = 0; a < n; ++a) w[a] = weights[static_cast<size_t>(reversed ? n - 1 - a : a)];
        o[0] = 0.0;
        for (int a = 1; a < n; ++a) {
            // Gap a - 1 of the pass joins axles a - 1 and a; reversed, that is the vehicle's gap
            // n - 1 - a, stored with the axle ahead of it.
            const int gap = reversed ? n - 1 - a : a - 1;
            o[a] = o[a - 1] + (static_cast<size_t>(gap) < gaps.size() ? gaps[gap] : 0.0);
        }
        for (int r = 0; r < kStationCount; ++r) {
            for (int j = 0; j < n; ++j) {
                Placement load;
                for (int a = 0; a < n; ++a) {
                    const double p = x[r] + o[j] - o[a];  // ft, axle a with axle j on station r
                    if (p > 0.0 && p < L) load.Add(w[a], p);
                }
                search.Update(load, false, true);
            }
        }
    }
    search.Store(e);
}

void EnvelopeTandem(StationPositions x, double L, double P1, double P2, double s,
                    StationExtremes& e, std::span<const int> kept) {
    if (!(L > 0.0)) return;
    StationSearch search(x, L, kept, e);
    for (int r = 0; r < kStationCount; ++r) {
        const double xr = x[r];
        Placement behind;  // P1 on the station, P2 behind it
        behind.Add(P1, xr);
        if (xr - s >= 0.0) behind.Add(P2, xr - s);
        Placement ahead;  // P1 ahead of the station, P2 on it
        if (xr + s < L) ahead.Add(P1, xr + s);
        ahead.Add(P2, xr);
        for (const Placement* load : {&behind, &ahead}) {
            double Vr = 0.0;  // kip, positive shear at the station the tandem stands on
            for (int k = 0; k < load->count; ++k) {
                if (load->p[k] >= xr) Vr += load->P[k] * (L - load->p[k]) / L;
            }
            search.Update(*load, true, Vr > 0.0);
        }
    }
    search.Store(e);
}

// ---- Tenth points -------------------------------------------------------------------------------

double TenthPointValueAt(const SpanEnvelope& span, int value, double L, double X) {
    constexpr int kLast = kSpanTenthPoints - 1;
    if (X <= 0.0) return span[0][value];
    if (X >= L) return span[kLast][value];
    const double step = L / kLast;  // ft
    double T0 = 0.0;
    for (int k = 1; k <= kLast; ++k) {
        const double T1 = T0 + step;
        if (X <= T1) {
            const double v0 = span[k - 1][value];
            return v0 + (X - T0) / (T1 - T0) * (span[k][value] - v0);
        }
        T0 = T1;
    }
    return span[kLast][value];
}

// ---- Permit vehicle -----------------------------------------------------------------------------

double LrfdPermitWithTrafficEffect(double EPermit, double EDesign, double g, double g1, double gm,
                                   double Z) {
    if (g == 0.0 || Z == 0.0) return 0.0;
    return EPermit / g * (g1 / Z) + EDesign / g * (gm - g1 / Z);
}

}  // namespace kordel
