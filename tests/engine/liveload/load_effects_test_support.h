// Shared pieces of the load-effect tests: an analysed example design, the messages shown, a
// relative tolerance, and the hand-calculation helpers the dead-load, live-load and simple-span
// tests have in common.
#pragma once

#include <cmath>
#include <string>

#include "test_support.h"

namespace kordel::test {

/// Tests of the load-effect stages on the example designs.
class LoadEffectsTestBase : public EngineTest {
  protected:
    /// Example design `n` built and analysed as File New does.
    std::unique_ptr<CKordelDoc> Example(int n) {
        frame.m_nSeedChoice = n;
        auto d = NewDoc();
        d->OnNewDocument();
        return d;
    }

    /// Every message shown so far, one a line.
    std::string MessageTexts() const {
        std::string all;
        for (const auto& m : host.Messages()) all += m.text + "\n";
        return all;
    }
};

/// |actual - expected| within `relative` of |expected| (or of 1 near 0).
inline ::testing::AssertionResult NearRelative(double actual, double expected,
                                               double relative = 1e-9) {
    const double tolerance = relative * std::max(1.0, std::abs(expected));
    if (std::abs(actual - expected) <= tolerance) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "actual " << actual << ", expected " << expected
                                         << " (tolerance " << tolerance << ")";
}

/// The HL-93 design vehicle of the examples. AASHTO LRFD 6th ed. Art. 3.6.1.2: design truck 8,
/// 32, 32 kip at 14 ft and 14 to 30 ft, design tandem 2 x 25 kip at 4 ft, lane 0.64 klf.
inline LiveLoadVehicle Hl93Vehicle() {
    LiveLoadVehicle v;
    v.m_strName = "HL-93";
    v.m_nAxleCount = 3;
    v.m_aAxles[0] = {8, 14, 14};
    v.m_aAxles[1] = {32, 14, 30};
    v.m_aAxles[2] = {32, 0, 0};
    v.m_dLaneLoad = 0.64;
    v.m_bIncludeTandem = 1;
    v.m_dTandemAxle1 = 25;
    v.m_dTandemAxle2 = 25;
    v.m_dTandemSpacing = 4;
    v.m_nCombination = kCombineTruckOrTandemPlusLane;
    v.m_dMultiplier = 1.0;
    v.m_bIncluded = 1;
    return v;
}

}  // namespace kordel::test
