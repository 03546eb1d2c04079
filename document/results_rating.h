// Inventory and operating load rating factors.
#pragma once

#include "document/model_limits.h"

namespace kordel {

/// Rows of m_aRatingFactor.
enum RatingRow : int {
    kRatingInvTension = 0,      ///< inventory, tension stress at the girder bottom
    kRatingInvCompression = 1,  ///< inventory, compression stress at the girder top
    kRatingInvFlexurePos = 2,   ///< inventory, flexure, positive moment
    kRatingInvFlexureNeg = 3,   ///< inventory, flexure, negative moment
    kRatingInvShear = 4,        ///< inventory, shear
    kRatingOprFlexurePos = 5,   ///< operating, flexure, positive moment
    kRatingOprFlexureNeg = 6,   ///< operating, flexure, negative moment
    kRatingOprShear = 7,        ///< operating, shear
};
inline constexpr int kRatingRowCount = 8;

/// Rows of m_aRatingFactor2 (Standard Specifications only).
enum RatingRow2 : int {
    kRatingInvAltCompression = 0,  ///< inventory, compression of 0.5 (prestress + permanent) + live
    kRatingInvStrand = 1,          ///< inventory, strand stress (0.8 fpy)
    kRatingOprStrand = 2,          ///< operating, strand stress (0.9 fpy)
};
inline constexpr int kRatingRow2Count = 3;

/// Pairs (factor, station x in ft) of m_adRatingMinimum: the factor at the entry, x at entry + 1.
enum RatingMinimum : int {
    kRatingMinTension = 0,      ///< [0] factor, [1] x: inventory tension stress
    kRatingMinCompression = 2,  ///< [2], [3]: inventory compression stress
    kRatingMinInvFlexure = 4,   ///< [4], [5]: inventory flexure, both signs
    kRatingMinInvShear = 6,     ///< [6], [7]: inventory shear
    kRatingMinOprFlexure = 8,   ///< [8], [9]: operating flexure, both signs
    kRatingMinOprShear = 10,    ///< [10], [11]: operating shear
};
inline constexpr int kRatingMinimumCount = 12;

/// Pairs (factor, station x in ft) of m_adRatingMinimum2.
enum RatingMinimum2 : int {
    kRatingMinAltCompression = 0,  ///< [0], [1]: inventory alternative compression
    kRatingMinInvStrand = 2,       ///< [2], [3]: inventory strand stress
    kRatingMinOprStrand = 4,       ///< [4], [5]: operating strand stress
};
inline constexpr int kRatingMinimum2Count = 6;

/// A rating factor of a station with no live-load effect of its kind.
inline constexpr double kRatingNoLiveLoad = 999.0;
/// Start value of every minimum search; kept when no station of the range qualifies.
inline constexpr double kRatingMinimumStart = 99999.0;

/// Load rating of the design live load (dimensionless factors). Rows of a rating that is not
/// asked for keep their previous values; the Standard Specifications rows are written only under
/// that specification.
struct RatingResults {
    double m_aRatingFactor[kRatingRowCount][kStationCount] = {};    ///< [RatingRow][station]
    double m_aRatingFactor2[kRatingRow2Count][kStationCount] = {};  ///< [RatingRow2][station]
    double m_adRatingMinimum[kRatingMinimumCount] = {};    ///< RatingMinimum pairs (factor, x ft)
    double m_adRatingMinimum2[kRatingMinimum2Count] = {};  ///< RatingMinimum2 pairs (factor, x ft)
};

}  // namespace kordel
