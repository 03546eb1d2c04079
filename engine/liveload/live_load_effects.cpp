// The live-load half of the load-effect stage: the moving-load envelopes of the continuous-beam
// model for the two stored vehicles turned into design live loads per girder (two design trucks
// and the lowboy for negative moment, truck or tandem, the lane load by the vehicle's combination
// code, distribution factors, dynamic load allowance and the live-load multiplier), interpolated
// to the stations of the girder being designed; then, on every run, the combination of the two
// vehicles, the fatigue truck and the pedestrian load.
#include <algorithm>
#include <cmath>
#include <utility>

#include "document/kordel_doc.h"
#include "engine/liveload/beam_formulas.h"

namespace kordel {

namespace {

constexpr double kInchesPerFoot = 12.0;
constexpr int kLastTenth = kSpanTenthPoints - 1;

/// A moment closer to zero than this takes the impact of positive moment.
constexpr double kNegativeMoment = -0.0001;  // kip-ft
/// A shear closer to zero than this takes the lane load of positive shear.
constexpr double kNegativeShear = -0.0001;  // kip

/// 90 percent of two design trucks and of the lane load for negative moment and interior
/// reactions. AASHTO LRFD 6th ed. Art. 3.6.1.3.1
constexpr double kTwoTruckLaneFactor = 0.90;

/// Name of the LRFD design vehicle that takes two design trucks for negative moment.
constexpr const char* kHl93 = "HL-93";

/// The span tables of one set: the working tables of the stage, or the copies of one vehicle.
struct SpanTableSet {
    SpanEnvelope* M;   ///< moment, kip-ft
    SpanEnvelope* S;   ///< shear, kip
    SpanEnvelope* Mc;  ///< moment with the shear extreme of the same value, kip-ft
    SpanEnvelope* Vc;  ///< shear with the moment extreme of the same value, kip
    SpanEnvelope* R;   ///< rotation, radian
    SpanEnvelope* D;   ///< deflection, in
};

SpanTableSet WorkingTables(CKordelDoc& d) {
    return {d.m_aSpanEnvelope1, d.m_aSpanEnvelope2,  d.m_aSpanEnvelope3,
            d.m_aSpanEnvelope4, d.m_aSpanEnvelope13, d.m_aSpanEnvelope14};
}

/// The copies of vehicle 1 (`vehicle` 1) or vehicle 2.
SpanTableSet VehicleTables(CKordelDoc& d, int vehicle) {
    if (vehicle == 1) {
        return {d.m_aSpanEnvelope5, d.m_aSpanEnvelope6,  d.m_aSpanEnvelope7,
                d.m_aSpanEnvelope8, d.m_aSpanEnvelope16, d.m_aSpanEnvelope15};
    }
    return {d.m_aSpanEnvelope9,  d.m_aSpanEnvelope10, d.m_aSpanEnvelope11,
            d.m_aSpanEnvelope12, d.m_aSpanEnvelope18, d.m_aSpanEnvelope17};
}

// The value ranges are template arguments and each run of values is written out as single
// assignments: a few vector stores per tenth point, where a length known only at run time (or a
// loop the compiler turns back into one) costs a string instruction or a library call for every
// tenth point of every span slot.

/// Values `first + I...` of `to` set from `value(v)`.
template <int first, class Value, std::size_t... I>
void AssignRun(double* to, Value value, std::index_sequence<I...>) {
    ((to[first + static_cast<int>(I)] = value(first + static_cast<int>(I))), ...);
}

/// Sets values `first` to `last` of every tenth point of span slots 0 to `slots` of `table` to 0.
template <int first, int last>
void ClearValues(SpanEnvelope* table, int slots) {
    for (int p = 0; p <= slots; ++p) {
        for (auto& point : table[p]) {
            AssignRun<first>(point, [](int) { return 0.0; },
                             std::make_index_sequence<last - first + 1>());
        }
    }
}

/// Copies values `first` to `last` of every tenth point of span slots 0 to `slots` from `from`
/// to `to`.
template <int first, int last>
void CopyValues(const SpanEnvelope* from, SpanEnvelope* to, int slots) {
    for (int p = 0; p <= slots; ++p) {
        for (int t = 0; t < kSpanTenthPoints; ++t) {
            const double* source = from[p][t];
            AssignRun<first>(to[p][t], [source](int v) { return source[v]; },
                             std::make_index_sequence<last - first + 1>());
        }
    }
}

/// The one of `a` and `b` of the larger magnitude; ties take `b`.
double LargerMagnitude(double a, double b) {
    return std::abs(a) > std::abs(b) ? a : b;
}

/// The moving-load envelopes of one vehicle turned into the span tables and the per-girder
/// design live loads of the current vehicle.
class VehicleLiveLoad {
  public:
    VehicleLiveLoad(CKordelDoc& doc, int regionStart, int regionEnd)
        : d(doc),
          T(WorkingTables(doc)),
          spans(std::clamp(doc.m_nSpans, 0, kMaxSpans)),
          slots(doc.UsedSpanSlots()),
          ia(regionStart),
          ib(regionEnd) {}

    /// Moving-load case `c` of m_aMovingLoadEnvelope into values `value` (maximum) and
    /// `value` + 1 (minimum) of the span tables and the support reactions.
    void CopyCase(int c, int value) {
        for (int p = 1; p <= spans; ++p) {
            for (int t = 0; t < kSpanTenthPoints; ++t) {
                auto env = [&](int table) {
                    return d.m_aMovingLoadEnvelope[table][p][t][c][kMovingLoadValue];
                };
                T.M[p][t][value] = env(kEnvMaxMoment);
                T.M[p][t][value + 1] = env(kEnvMinMoment);
                T.Vc[p][t][value] = env(kEnvShearAtMaxMoment);
                T.Vc[p][t][value + 1] = env(kEnvShearAtMinMoment);
                T.S[p][t][value] = env(kEnvMaxShear);
                T.S[p][t][value + 1] = env(kEnvMinShear);
                T.Mc[p][t][value] = env(kEnvMomentAtMaxShear);
                T.Mc[p][t][value + 1] = env(kEnvMomentAtMinShear);
                T.D[p][t][value] = kInchesPerFoot * env(kEnvMaxDeflection);
                T.D[p][t][value + 1] = kInchesPerFoot * env(kEnvMinDeflection);
                T.R[p][t][value] = env(kEnvMaxRotation);
                T.R[p][t][value + 1] = env(kEnvMinRotation);
            }
        }
        for (int k = 1; k <= spans + 1; ++k) {
            d.m_aSpanSummary[k][value] = d.m_aFrameSupportEnvelope[k][kReactionBoundMax][c];
            d.m_aSpanSummary[k][value + 1] = d.m_aFrameSupportEnvelope[k][kReactionBoundMin][c];
        }
    }

    /// Two design trucks at 90 percent with 90 percent of the lane load where they give the
    /// larger negative moment, and at interior supports where they give the larger reaction.
    /// The shear that goes with the two-truck moment replaces the truck's.
    /// AASHTO LRFD 6th ed. Art. 3.6.1.3.1
    void ApplyTwoTrucks() {
        for (int p = 1; p <= spans; ++p) {
            for (int t = 0; t < kSpanTenthPoints; ++t) {
                double* M = T.M[p][t];
                const double W = M[kSpanLaneMin];
                const double X = d.m_aMovingLoadEnvelope[kEnvMinMoment][p][t][kMovingTwoTrucks]
                                                        [kMovingLoadValue];
                if (M[kSpanTruckMin] + W > kTwoTruckLaneFactor * W + X) {
                    M[kSpanTruckMin] = X;
                    T.Vc[p][t][kSpanTruckMin] =
                        d.m_aMovingLoadEnvelope[kEnvShearAtMinMoment][p][t][kMovingTwoTrucks]
                                               [kMovingLoadValue];
                    M[kSpanLaneMin] *= kTwoTruckLaneFactor;
                    T.Mc[p][t][kSpanLaneMin] *= kTwoTruckLaneFactor;
                }
            }
        }
        for (int k = 2; k <= spans; ++k) {
            double* R = d.m_aSpanSummary[k];
            const double two = d.m_aFrameSupportEnvelope[k][kReactionBoundMax][kMovingTwoTrucks];
            if (R[kSpanTruckMax] + R[kSpanLaneMax] < kTwoTruckLaneFactor * R[kSpanLaneMax] + two) {
                R[kSpanTruckMax] = two;
                R[kSpanLaneMax] *= kTwoTruckLaneFactor;
            }
        }
    }

    /// The lowboy where it gives a larger negative moment than the tandem (with its shear), and
    /// a larger interior reaction. Caltrans Amendments to AASHTO LRFD, CA 3.6.1.3.1
    void ApplyLowboy() {
        for (int p = 1; p <= spans; ++p) {
            for (int t = 0; t < kSpanTenthPoints; ++t) {
                const double low =
                    d.m_aMovingLoadEnvelope[kEnvMinMoment][p][t][kMovingLowboy][kMovingLoadValue];
                if (T.M[p][t][kSpanTandemMin] > low) {
                    T.M[p][t][kSpanTandemMin] = low;
                    T.Vc[p][t][kSpanTandemMin] =
                        d.m_aMovingLoadEnvelope[kEnvShearAtMinMoment][p][t][kMovingLowboy]
                                               [kMovingLoadValue];
                }
            }
        }
        for (int k = 2; k <= spans; ++k) {
            const double low = d.m_aFrameSupportEnvelope[k][kReactionBoundMax][kMovingLowboy];
            d.m_aSpanSummary[k][kSpanTandemMax] =
                std::max(d.m_aSpanSummary[k][kSpanTandemMax], low);
        }
    }

    /// The fatigue truck, unfactored, into values 22 and 23 and into the copies of vehicle 1.
    void StoreFatigueTruck() {
        CopyCase(kMovingFatigue, kSpanFatigueMax);
        const SpanTableSet V = VehicleTables(d, 1);
        const std::pair<const SpanEnvelope*, SpanEnvelope*> copies[] = {
            {T.M, V.M}, {T.S, V.S}, {T.Mc, V.Mc}, {T.Vc, V.Vc}, {T.D, V.D}, {T.R, V.R}};
        for (const auto& [from, to] : copies) {
            CopyValues<kSpanFatigueMax, kSpanFatigueMin>(from, to, slots);
        }
        for (int k = 0; k < kMaxSupportSlots; ++k) {
            d.m_aSpanMaxReaction1[k][kSpanFatigueMax] = d.m_aSpanSummary[k][kSpanFatigueMax];
            d.m_aSpanMaxReaction1[k][kSpanFatigueMin] = d.m_aSpanSummary[k][kSpanFatigueMin];
        }
    }

    /// Truck or tandem, whichever governs, with the values that go with it.
    void Govern() {
        for (int p = 1; p <= spans; ++p) {
            for (int t = 0; t < kSpanTenthPoints; ++t) {
                GovernPair(T.M[p][t], T.Vc[p][t], T.S[p][t]);
                GovernPair(T.S[p][t], T.Mc[p][t], T.M[p][t]);
                for (SpanEnvelope* table : {T.R, T.D}) {
                    double* v = table[p][t];
                    v[kSpanGoverningMax] = std::max(v[kSpanTruckMax], v[kSpanTandemMax]);
                    v[kSpanGoverningMin] = std::min(v[kSpanTruckMin], v[kSpanTandemMin]);
                }
            }
        }
        for (int k = 1; k <= spans + 1; ++k) {
            double* R = d.m_aSpanSummary[k];
            R[kSpanGoverningMax] = std::max(R[kSpanTruckMax], R[kSpanTandemMax]);
            R[kSpanGoverningMin] = std::min(R[kSpanTruckMin], R[kSpanTandemMin]);
        }
    }

    /// The lane load combined with the governing vehicle by `code`, per girder with the
    /// distribution factors, dynamic load allowance and multiplier `m`. A code other than
    /// "Truck OR Tandem OR Lane" adds the lane load to the vehicle.
    /// AASHTO LRFD 6th ed. Art. 3.6.1.3.1; AASHTO Standard Specifications 17th ed. Art. 3.7.1.2
    void CombineLane(int code, double m) {
        for (int p = 1; p <= spans; ++p) {
            for (int t = 0; t < kSpanTenthPoints; ++t) {
                if (code == kCombineTruckOrTandemOrLane) {
                    CombineTruckOrLane(p, t, m);
                } else {
                    CombineTruckPlusLane(p, t, m);
                }
            }
        }
        const double IMr = 1.0 + d.m_adImpactAtPoint[kStationLeftBearing];
        for (int k = 1; k <= spans + 1; ++k) {
            double* R = d.m_aSpanSummary[k];
            const double f = m * ReactionFactor(k) * IMr;
            if (code == kCombineTruckOrTandemOrLane) {
                R[kSpanDesignMax] = f * std::max(R[kSpanGoverningMax], R[kSpanLaneMax]);
                R[kSpanDesignMin] = f * std::min(R[kSpanGoverningMin], R[kSpanLaneMin]);
            } else {
                R[kSpanDesignMax] =
                    m * ReactionFactor(k) * (IMr * R[kSpanGoverningMax] + R[kSpanLaneMax]);
                R[kSpanDesignMin] =
                    m * ReactionFactor(k) * (IMr * R[kSpanGoverningMin] + R[kSpanLaneMin]);
            }
        }
    }

    /// The design live load of the current span at the stations and in the end records.
    void StoreStations() {
        const int s = d.CurrentSpanSlot();
        if (s == 0) return;
        for (int i = 0; i < kStationCount; ++i) {
            d.m_aMoment[i][kCaseLiveLoad] = d.SpanTableAtStation(T.M, kSpanDesignMax, i);
            d.m_aMoment[i][kCaseLiveLoadNegative] = d.SpanTableAtStation(T.M, kSpanDesignMin, i);
            d.m_aMoment[i][kCaseLiveLoadGoverning] = d.SpanTableAtStation(T.M, kSpanValue15, i);
            d.m_aMoment[i][kCaseLiveLoadConcurrent] = d.SpanTableAtStation(T.M, kSpanValue16, i);
            d.m_aShear[i][kCaseLiveLoad] = d.SpanTableAtStation(T.S, kSpanDesignMax, i);
            d.m_aShear[i][kCaseLiveLoadNegative] = d.SpanTableAtStation(T.S, kSpanDesignMin, i);
            d.m_aShear[i][kCaseLiveLoadGoverning] = d.SpanTableAtStation(T.S, kSpanValue15, i);
            d.m_aShear[i][kCaseLiveLoadConcurrent] = d.SpanTableAtStation(T.S, kSpanValue16, i);
        }
        StoreEndRotations(kSpanDesignMax, kCaseLiveLoad);
        StoreEndRotations(kSpanDesignMin, kCaseLiveLoadNegative);
        LoadEffectRecord& left = d.m_aSupportEffect[kSupportLeftReaction];
        LoadEffectRecord& right = d.m_aSupportEffect[kSupportRightReaction];
        for (auto [value, k] : {std::pair{kSpanDesignMax, kCaseLiveLoad},
                                std::pair{kSpanDesignMin, kCaseLiveLoadNegative}}) {
            left[k] = std::max(left[k], d.m_aSpanSummary[s][value]);
            right[k] = std::max(right[k], d.m_aSpanSummary[s + 1][value]);
        }
    }

    /// Rotation `value` at the ends of the current span into end records 5 and 6 of load case
    /// `k`, when larger in magnitude than what they hold (both vehicles are enveloped).
    void StoreEndRotations(int value, int k) {
        const int s = d.CurrentSpanSlot();
        if (s == 0) return;
        double& left = d.m_aSupportEffect[kSupportLeftRotation][k];
        double& right = d.m_aSupportEffect[kSupportRightRotation][k];
        const double atLeft = T.R[s][0][value];
        const double atRight = T.R[s][kLastTenth][value];
        if (std::abs(atLeft) > std::abs(left)) left = atLeft;
        if (std::abs(atRight) > std::abs(right)) right = atRight;
    }

    /// Values 3 to 17 of the span tables and the reactions, and the station entries, into the
    /// copies and envelopes of vehicle `vehicle`.
    void CopyToVehicle(int vehicle) {
        const SpanTableSet V = VehicleTables(d, vehicle);
        const std::pair<const SpanEnvelope*, SpanEnvelope*> copies[] = {
            {T.M, V.M}, {T.S, V.S}, {T.Mc, V.Mc}, {T.Vc, V.Vc}, {T.D, V.D}, {T.R, V.R}};
        for (const auto& [from, to] : copies)
            CopyValues<kSpanLaneMax, kSpanValue17>(from, to, slots);
        auto& reactions = vehicle == 1 ? d.m_aSpanMaxReaction1 : d.m_aSpanMaxReaction2;
        for (int k = 0; k < kMaxSupportSlots; ++k) {
            std::copy(d.m_aSpanSummary[k] + kSpanLaneMax, d.m_aSpanSummary[k] + kSpanValue17 + 1,
                      reactions[k] + kSpanLaneMax);
        }
        auto& moment = vehicle == 1 ? d.m_aVehicle1Moment : d.m_aVehicle2Moment;
        auto& shear = vehicle == 1 ? d.m_aVehicle1Shear : d.m_aVehicle2Shear;
        for (int i = 0; i < kStationCount; ++i) {
            for (auto [entry, k] : kEnvelopeCases) {
                moment[i][entry] = d.m_aMoment[i][k];
                shear[i][entry] = d.m_aShear[i][k];
            }
        }
    }

    /// The load case behind each entry of a vehicle envelope.
    static constexpr std::pair<int, int> kEnvelopeCases[] = {
        {kVehiclePositive, kCaseLiveLoad},
        {kVehicleNegative, kCaseLiveLoadNegative},
        {kVehicleGoverning, kCaseLiveLoadGoverning},
        {kVehicleConcurrent, kCaseLiveLoadConcurrent},
    };

  private:
    /// Truck or tandem for table `v` (moment or shear) with the concurrent table `c` (of the
    /// other quantity) and the other quantity's own table `o`, which takes into its value 16
    /// the value concurrent with the governing one.
    static void GovernPair(double* v, double* c, double* o) {
        const int iMax = v[kSpanTandemMax] < v[kSpanTruckMax] ? kSpanTruckMax : kSpanTandemMax;
        v[kSpanGoverningMax] = v[iMax];
        v[kSpanValue15] = v[kSpanGoverningMax];
        o[kSpanValue16] = c[iMax];
        c[kSpanGoverningMax] = c[iMax];
        const int iMin = v[kSpanTandemMin] > v[kSpanTruckMin] ? kSpanTruckMin : kSpanTandemMin;
        v[kSpanGoverningMin] = v[iMin];
        c[kSpanGoverningMin] = c[iMin];
        if (std::abs(v[kSpanValue15]) < std::abs(v[kSpanGoverningMin])) {
            v[kSpanValue15] = v[kSpanGoverningMin];
            o[kSpanValue16] = c[iMin];
        }
    }

    /// Allowance on a moment `x` at tenth point `t`: negative moment (left support region for
    /// t <= 5, right for t >= 6) below -0.0001 kip-ft, else positive moment.
    double IM(double x, int t) const {
        if (x < kNegativeMoment) {
            return t <= kLastTenth / 2 ? d.m_dImpactNegativeMomentLeft
                                       : d.m_dImpactNegativeMomentRight;
        }
        return d.m_dImpactPositiveMoment;
    }

    /// Moment factor of the negative moments at tenth point t: the support-region factor outside
    /// the positive-moment region of the current span.
    double NegativeMomentFactor(int t) const {
        if (kLastTenth * t < ia) return d.m_adDfMomentLeftRight[kDfLeft];
        if (kLastTenth * t > ib) return d.m_adDfMomentLeftRight[kDfRight];
        return d.m_dDfMoment;
    }

    /// Shear factor of the reaction of support k.
    double ReactionFactor(int k) const {
        return IsLrfd(d.m_nSpecification) ? d.m_adDfShearAtBearing[k] : d.m_dDfShear;
    }

    void CombineTruckPlusLane(int p, int t, double m) {
        double* M = T.M[p][t];
        double* S = T.S[p][t];
        double* R = T.R[p][t];
        double* D = T.D[p][t];
        const double g = d.m_dDfMoment;
        const double gn = NegativeMomentFactor(t);
        const double gv = d.m_dDfShear;
        const double IMv = 1.0 + d.m_adImpactAtPoint[kLastTenth * t];
        const double IMmax = 1.0 + IM(M[kSpanGoverningMax], t);
        const double IMmin = 1.0 + IM(M[kSpanGoverningMin], t);

        M[kSpanDesignMax] = m * g * (M[kSpanLaneMax] + M[kSpanGoverningMax] * IMmax);
        R[kSpanDesignMax] = m * g * (IMmax * R[kSpanGoverningMax] + R[kSpanLaneMax]);
        D[kSpanDesignMax] = m * g * (IMmax * D[kSpanGoverningMax] + D[kSpanLaneMax]);
        D[kSpanValue14] = m * g * IMmax * D[kSpanGoverningMax];
        D[kSpanValue16] = m * g * D[kSpanLaneMax];

        M[kSpanDesignMin] = m * gn * (M[kSpanLaneMin] + M[kSpanGoverningMin] * IMmin);
        R[kSpanDesignMin] = m * gn * (IMmin * R[kSpanGoverningMin] + R[kSpanLaneMin]);
        D[kSpanDesignMin] = m * gn * (IMmin * D[kSpanGoverningMin] + D[kSpanLaneMin]);
        D[kSpanValue15] = m * gn * IMmin * D[kSpanGoverningMin];
        D[kSpanValue17] = m * gn * D[kSpanLaneMin];

        S[kSpanDesignMax] = m * gv * (IMv * S[kSpanGoverningMax] + S[kSpanLaneMax]);
        S[kSpanDesignMin] = m * gv * (IMv * S[kSpanGoverningMin] + S[kSpanLaneMin]);

        // The governing moment with its shear: the lane load, the factor and the allowance of
        // the moment's sign, as for the design moments above.
        const bool negative15 = M[kSpanValue15] < kNegativeMoment;
        const int lane15 = negative15 ? kSpanLaneMin : kSpanLaneMax;
        M[kSpanValue15] = m * (negative15 ? gn : g) *
                          (M[kSpanValue15] * (1.0 + IM(M[kSpanValue15], t)) + M[lane15]);
        S[kSpanValue16] = m * gv * (IMv * S[kSpanValue16] + S[lane15]);
        // The governing shear with its moment: each with the lane load of its own sign.
        const bool negative16 = M[kSpanValue16] < kNegativeMoment;
        const int lane16 = negative16 ? kSpanLaneMin : kSpanLaneMax;
        M[kSpanValue16] = m * (negative16 ? gn : g) *
                          (M[kSpanValue16] * (1.0 + IM(M[kSpanValue16], t)) + M[lane16]);
        const int laneS15 = S[kSpanValue15] < kNegativeShear ? kSpanLaneMin : kSpanLaneMax;
        S[kSpanValue15] = m * gv * (IMv * S[kSpanValue15] + S[laneS15]);
    }

    void CombineTruckOrLane(int p, int t, double m) {
        double* M = T.M[p][t];
        double* S = T.S[p][t];
        double* R = T.R[p][t];
        double* D = T.D[p][t];
        double* Mc = T.Mc[p][t];
        double* Vc = T.Vc[p][t];

        // The larger of vehicle and lane, each way, with the governing values of step 8 replaced
        // when the lane gives the larger magnitude.
        auto choose = [](double* v, double* c, double* o) {
            const int iMax =
                v[kSpanGoverningMax] < v[kSpanLaneMax] ? kSpanLaneMax : kSpanGoverningMax;
            v[kSpanDesignMax] = v[iMax];
            v[kSpanValue15] = v[kSpanDesignMax];
            o[kSpanValue16] = c[iMax];
            const int iMin =
                v[kSpanGoverningMin] > v[kSpanLaneMin] ? kSpanLaneMin : kSpanGoverningMin;
            v[kSpanDesignMin] = v[iMin];
            if (std::abs(v[kSpanValue15]) < std::abs(v[kSpanDesignMin])) {
                v[kSpanValue15] = v[kSpanDesignMin];
                o[kSpanValue16] = c[iMin];
            }
        };
        choose(M, Vc, S);
        choose(S, Mc, M);
        for (double* v : {R, D}) {
            v[kSpanDesignMax] = std::max(v[kSpanGoverningMax], v[kSpanLaneMax]);
            v[kSpanDesignMin] = std::min(v[kSpanGoverningMin], v[kSpanLaneMin]);
        }
        D[kSpanValue14] = D[kSpanGoverningMax];
        D[kSpanValue16] = D[kSpanLaneMax];
        D[kSpanValue15] = D[kSpanGoverningMin];
        D[kSpanValue17] = D[kSpanLaneMin];

        const double g = d.m_dDfMoment;
        const double gn = NegativeMomentFactor(t);
        const double gv = d.m_dDfShear;
        const double fMax = m * g * (1.0 + IM(M[kSpanDesignMax], t));
        const double fMin = m * gn * (1.0 + IM(M[kSpanDesignMin], t));
        for (double* v :
             {&M[kSpanDesignMax], &R[kSpanDesignMax], &D[kSpanDesignMax], &D[kSpanValue14]}) {
            *v *= fMax;
        }
        D[kSpanValue16] *= m * g;
        for (double* v :
             {&M[kSpanDesignMin], &R[kSpanDesignMin], &D[kSpanDesignMin], &D[kSpanValue15]}) {
            *v *= fMin;
        }
        D[kSpanValue17] *= m * gn;
        const double fv = m * gv * (1.0 + d.m_adImpactAtPoint[kLastTenth * t]);
        for (int value : {kSpanDesignMax, kSpanDesignMin, kSpanValue15, kSpanValue16}) {
            S[value] *= fv;
        }
        for (int value : {kSpanValue15, kSpanValue16}) {
            const double gm = M[value] < kNegativeMoment ? gn : g;
            M[value] *= m * gm * (1.0 + IM(M[value], t));
        }
    }

    CKordelDoc& d;
    SpanTableSet T;
    int spans;
    int slots;  ///< the span slots the tables may hold values in: 0 to this one
    int ia;
    int ib;
};

}  // namespace

void CKordelDoc::ComputeLiveLoadEffects(int ia, int ib, bool modelUsable) {
    const int spans = std::clamp(m_nSpans, 0, kMaxSpans);
    const int slots = UsedSpanSlots();
    const int s = CurrentSpanSlot();
    const bool lrfd = IsLrfd(m_nSpecification);
    const bool frameUsable = modelUsable;
    VehicleLiveLoad live(*this, ia, ib);

    // The permit-vehicle combination divides the envelopes by the factors they were distributed
    // with: the one-lane factors are set up before any vehicle is distributed.
    if (m_nVehicleCombineMode == kCombineOverload) UseSingleLaneFactors();

    // 1. The moving-load analysis, while the inputs that change it have changed.
    if (m_bLoadEffectsDirty != 0) {
        for (SpanEnvelope* table :
             {m_aSpanEnvelope1, m_aSpanEnvelope2, m_aSpanEnvelope4, m_aSpanEnvelope5,
              m_aSpanEnvelope6, m_aSpanEnvelope7, m_aSpanEnvelope8, m_aSpanEnvelope9,
              m_aSpanEnvelope10, m_aSpanEnvelope11, m_aSpanEnvelope12, m_aSpanEnvelope14,
              m_aSpanEnvelope15, m_aSpanEnvelope16, m_aSpanEnvelope17, m_aSpanEnvelope18}) {
            ClearValues<kSpanLaneMax, kSpanFatigueMin>(table, slots);
        }
        for (auto* reactions : {m_aSpanSummary, m_aSpanMaxReaction1, m_aSpanMaxReaction2}) {
            for (int k = 0; k < kMaxSupportSlots; ++k) {
                AssignRun<kSpanLaneMax>(
                    reactions[k], [](int) { return 0.0; },
                    std::make_index_sequence<kSpanFatigueMin - kSpanLaneMax + 1>());
            }
        }
        for (auto* envelope :
             {m_aVehicle1Moment, m_aVehicle1Shear, m_aVehicle2Moment, m_aVehicle2Shear}) {
            std::fill(&envelope[0][0], &envelope[0][0] + kStationCount * kVehicleEnvelopeEntries,
                      0.0);
        }
        m_bFatigueTruckPending = m_bFatigueOneTruck;

        for (int v : {1, 2}) {
            const LiveLoadVehicle& vehicle = v == 1 ? m_recVehicle1 : m_recVehicle2;
            m_recCurrentVehicle = vehicle;
            ComputeImpactFactors(v);
            if (vehicle.m_bIncluded != 1 || !frameUsable) continue;

            AnalyzeContinuousBeam(kBeamMovingLoads, 0.0);
            m_bLoadEffectsDirty = 0;
            live.CopyCase(kMovingLane, kSpanLaneMax);
            live.CopyCase(kMovingTruck, kSpanTruckMax);
            live.CopyCase(kMovingTandem, kSpanTandemMax);
            if (lrfd && vehicle.m_strName == kHl93) live.ApplyTwoTrucks();
            if (m_bCheckLowboy != 0) live.ApplyLowboy();
            if (lrfd && m_bFatigueTruckPending == 1) {
                m_bFatigueTruckPending = 0;
                live.StoreFatigueTruck();
            }
            live.Govern();
            live.CombineLane(vehicle.m_nCombination, vehicle.m_dMultiplier);
            live.StoreStations();
            live.CopyToVehicle(v);
        }
    }

    // 2. The two vehicles combined, on every run.
    auto envelopeAt = [&](int v, bool moment, int i) -> const double* {
        if (v == 1) return moment ? m_aVehicle1Moment[i] : m_aVehicle1Shear[i];
        return moment ? m_aVehicle2Moment[i] : m_aVehicle2Shear[i];
    };
    const SpanTableSet T = WorkingTables(*this);
    const SpanTableSet V1 = VehicleTables(*this, 1);
    const SpanTableSet V2 = VehicleTables(*this, 2);
    switch (m_nVehicleCombineMode) {
        case kCombineGoverning:
            for (int i = 0; i < kStationCount; ++i) {
                const double* M1 = envelopeAt(1, true, i);
                const double* M2 = envelopeAt(2, true, i);
                const double* S1 = envelopeAt(1, false, i);
                const double* S2 = envelopeAt(2, false, i);
                m_aMoment[i][kCaseLiveLoad] = std::max(M1[kVehiclePositive], M2[kVehiclePositive]);
                m_aMoment[i][kCaseLiveLoadNegative] =
                    std::min(M1[kVehicleNegative], M2[kVehicleNegative]);
                m_aShear[i][kCaseLiveLoad] =
                    LargerMagnitude(S1[kVehiclePositive], S2[kVehiclePositive]);
                m_aShear[i][kCaseLiveLoadNegative] =
                    LargerMagnitude(S1[kVehicleNegative], S2[kVehicleNegative]);
                // The governing moment of either sign, by its magnitude like the shear.
                const bool moment1 =
                    std::abs(M1[kVehicleGoverning]) > std::abs(M2[kVehicleGoverning]);
                m_aMoment[i][kCaseLiveLoadGoverning] = (moment1 ? M1 : M2)[kVehicleGoverning];
                m_aShear[i][kCaseLiveLoadConcurrent] = (moment1 ? S1 : S2)[kVehicleConcurrent];
                const bool shear1 =
                    std::abs(S1[kVehicleGoverning]) > std::abs(S2[kVehicleGoverning]);
                m_aShear[i][kCaseLiveLoadGoverning] = (shear1 ? S1 : S2)[kVehicleGoverning];
                m_aMoment[i][kCaseLiveLoadConcurrent] = (shear1 ? M1 : M2)[kVehicleConcurrent];
            }
            for (int p = 1; p <= spans; ++p) {
                for (int t = 0; t < kSpanTenthPoints; ++t) {
                    T.M[p][t][kSpanDesignMax] =
                        std::max(V1.M[p][t][kSpanDesignMax], V2.M[p][t][kSpanDesignMax]);
                    T.M[p][t][kSpanDesignMin] =
                        std::min(V1.M[p][t][kSpanDesignMin], V2.M[p][t][kSpanDesignMin]);
                    for (int value : {kSpanDesignMax, kSpanDesignMin}) {
                        T.S[p][t][value] = LargerMagnitude(V1.S[p][t][value], V2.S[p][t][value]);
                    }
                }
            }
            break;
        case kCombineOverload: {
            // AASHTO LRFD 6th ed. Art. 4.6.2.2.5: vehicle 2 is the permit vehicle in one lane.
            const double ZM = m_anDfOneLaneLeverFlags[kDfFamilyMoment] != 0 ? 1.2 : 1.0;
            const double ZV = m_anDfOneLaneLeverFlags[kDfFamilyShear] != 0 ? 1.2 : 1.0;
            auto momentRule = [&](double E1, double E2) {
                return LrfdPermitWithTrafficEffect(E2, E1, m_dDfMoment,
                                                   m_adDfMomentByLanes[kDfOneLane],
                                                   m_adDfMomentByLanes[kDfLanesAsSet], ZM);
            };
            auto shearRule = [&](double E1, double E2) {
                return LrfdPermitWithTrafficEffect(E2, E1, m_dDfShear,
                                                   m_adDfShearByLanes[kDfOneLane],
                                                   m_adDfShearByLanes[kDfLanesAsSet], ZV);
            };
            for (int i = 0; i < kStationCount; ++i) {
                for (auto [entry, k] : VehicleLiveLoad::kEnvelopeCases) {
                    m_aMoment[i][k] =
                        momentRule(envelopeAt(1, true, i)[entry], envelopeAt(2, true, i)[entry]);
                    m_aShear[i][k] =
                        shearRule(envelopeAt(1, false, i)[entry], envelopeAt(2, false, i)[entry]);
                }
            }
            for (int p = 1; p <= spans; ++p) {
                for (int t = 0; t < kSpanTenthPoints; ++t) {
                    for (int value : {kSpanDesignMax, kSpanDesignMin}) {
                        T.M[p][t][value] = momentRule(V1.M[p][t][value], V2.M[p][t][value]);
                        T.S[p][t][value] = shearRule(V1.S[p][t][value], V2.S[p][t][value]);
                    }
                }
            }
            break;
        }
        case kCombineNotCombined:
            for (int i = 0; i < kStationCount; ++i) {
                for (auto [entry, k] : VehicleLiveLoad::kEnvelopeCases) {
                    m_aMoment[i][k] = m_aVehicle1Moment[i][entry];
                    m_aShear[i][k] = m_aVehicle1Shear[i][entry];
                }
            }
            for (int p = 1; p <= spans; ++p) {
                for (int t = 0; t < kSpanTenthPoints; ++t) {
                    for (int value : {kSpanDesignMax, kSpanDesignMin}) {
                        T.M[p][t][value] = V1.M[p][t][value];
                        T.S[p][t][value] = V1.S[p][t][value];
                    }
                }
            }
            break;
        default:
            break;
    }

    // 3. The fatigue truck per girder, from the unfactored values kept with vehicle 1, so that
    // a run without the moving-load analysis factors them once again.
    // AASHTO LRFD 6th ed. Art. 3.6.1.4, 3.6.2.1
    if (lrfd && m_bFatigueOneTruck == 1) {
        const double IMF = 1.0 + m_dFatigueImpact;
        for (int p = 1; p <= spans; ++p) {
            for (int t = 0; t < kSpanTenthPoints; ++t) {
                double gF = m_dDfFatigue;
                if (kLastTenth * t < ia) gF = m_adDfFatigueLeftRight[kDfLeft];
                if (kLastTenth * t > ib) gF = m_adDfFatigueLeftRight[kDfRight];
                for (auto [from, to] :
                     {std::pair{V1.M, T.M}, std::pair{V1.R, T.R}, std::pair{V1.D, T.D}}) {
                    to[p][t][kSpanFatigueMax] = from[p][t][kSpanFatigueMax] * IMF * m_dDfFatigue;
                    to[p][t][kSpanFatigueMin] = from[p][t][kSpanFatigueMin] * IMF * gF;
                }
                for (int value : {kSpanFatigueMax, kSpanFatigueMin}) {
                    T.S[p][t][value] = V1.S[p][t][value] * IMF * m_dDfShear;
                }
            }
        }
        const double IMr = 1.0 + m_adImpactAtPoint[kStationLeftBearing];
        const double m = m_recCurrentVehicle.m_dMultiplier;
        for (int k = 1; k <= spans + 1; ++k) {
            const double gr = lrfd ? m_adDfShearAtBearing[k] : m_dDfShear;
            for (int value : {kSpanFatigueMax, kSpanFatigueMin}) {
                m_aSpanSummary[k][value] = m_aSpanMaxReaction1[k][value] * m * gr * IMr;
            }
        }
        if (s != 0) {
            for (int i = 0; i < kStationCount; ++i) {
                m_aMoment[i][kCaseFatigue] = SpanTableAtStation(T.M, kSpanFatigueMax, i);
                m_aMoment[i][kCaseFatigueNegative] = SpanTableAtStation(T.M, kSpanFatigueMin, i);
                m_aShear[i][kCaseFatigue] = SpanTableAtStation(T.S, kSpanFatigueMax, i);
                m_aShear[i][kCaseFatigueNegative] = SpanTableAtStation(T.S, kSpanFatigueMin, i);
            }
            live.StoreEndRotations(kSpanFatigueMax, kCaseFatigue);
            live.StoreEndRotations(kSpanFatigueMin, kCaseFatigueNegative);
        }
    }

    // 4. The pedestrian load on every span, per girder, without factors.
    // AASHTO LRFD 6th ed. Art. 3.6.1.6
    const double wp = m_dPedestrianLoad;  // klf
    const bool solve = frameUsable && wp != 0.0;
    if (solve) AnalyzeContinuousBeam(kBeamStaticLoad, wp);
    StoreStaticBeamSolution(kSpanPedestrian, solve && !m_bFrameSolveFailed);
    for (int i = 0; i < kStationCount; ++i) {
        m_aMoment[i][kCasePedestrian] = SpanTableAtStation(T.M, kSpanPedestrian, i);
        m_aShear[i][kCasePedestrian] = SpanTableAtStation(T.S, kSpanPedestrian, i);
    }
    if (s != 0) {
        m_aSupportEffect[kSupportLeftReaction][kCasePedestrian] =
            m_aSpanSummary[s][kSpanPedestrian];
        m_aSupportEffect[kSupportRightReaction][kCasePedestrian] =
            m_aSpanSummary[s + 1][kSpanPedestrian];
        m_aSupportEffect[kSupportLeftRotation][kCasePedestrian] = T.R[s][0][kSpanPedestrian];
        m_aSupportEffect[kSupportRightRotation][kCasePedestrian] =
            T.R[s][kLastTenth][kSpanPedestrian];
    }

    // 5. The live-load deflection of each vehicle at the stations of the current span, for the
    // deflection criterion. The downward (minimum) envelope of the moving-load model, which
    // carries the composite girder (Ec, I of the final composite section) and kept the lane
    // part and the vehicle part of the design minimum apart: the vehicle (truck or tandem,
    // whichever deflects more) with its distribution factor, dynamic load allowance and
    // multiplier, the lane load with its distribution factor and multiplier, and no allowance.
    // The criterion combines them itself (truck alone; lane plus 25 percent of the truck), so
    // the two are stored separately. Downward is negative, in. A vehicle that is not included,
    // or a model that could not be solved, leaves its tables cleared and gives 0.
    // AASHTO LRFD 6th ed. Art. 2.5.2.6.2, 3.6.1.3.2
    for (int v = 1; v <= kDeflectionVehicles; ++v) {
        const SpanTableSet V = VehicleTables(*this, v);
        auto& deflection = m_adVehicleDeflection[v - 1];
        for (int i = 0; i < kStationCount; ++i) {
            const bool onSpan = i <= kStationRightBearing;
            deflection[kVehicleDeflLane][i] = onSpan ? SpanTableAtStation(V.D, kSpanValue17, i)
                                                     : 0.0;
            deflection[kVehicleDeflTruck][i] = onSpan ? SpanTableAtStation(V.D, kSpanValue15, i)
                                                      : 0.0;
        }
    }
}

}  // namespace kordel
