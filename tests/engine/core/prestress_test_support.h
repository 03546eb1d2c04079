// Shared pieces of the prestress and stress tests: the moments of example design 1 at midspan,
// worked by hand so that these tests do not lean on the load-effect stages.
#pragma once

#include "document/kordel_doc.h"

namespace kordel::test {

/// Writes the moments of example 1 at midspan (station 50, 52.5 ft from the left bearing, 53 ft
/// from the girder end) into m_aMoment, every other load case 0, kip-ft:
///   girder w = 767 / 144 x 0.15 = 0.798958 klf: M0 = w x 106^2 / 8 = 1122.137 on the release span
///   (supports at the girder ends, 53 ft is its midpoint), M1 = w x 105^2 / 8 = 1101.064;
///   deck 8 x 108 / 144 x 0.15 = 0.9 klf: M2 = 0.9 x 105^2 / 8 = 1240.3125;
///   barrier 0.167 klf: M6 = 0.167 x 1378.125 = 230.147; wearing surface 0.195 klf:
///   M7 = 0.195 x 1378.125 = 268.734; live load per girder with impact: M13 = 2000 (a round value).
inline void SetExample1MidspanMoments(CKordelDoc& doc) {
    LoadEffectRecord& M = doc.m_aMoment[kStationMidspan];
    M = {};
    M[kCaseGirderRelease] = 1122.137;
    M[kCaseGirder] = 1101.064;
    M[kCaseDeck] = 1240.3125;
    M[kCaseBarriers] = 230.147;
    M[kCaseWearingSurface] = 268.734;
    M[kCaseLiveLoad] = 2000.0;
}

}  // namespace kordel::test
