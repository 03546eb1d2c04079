// The stiffness reduced once and solved for many load vectors (FactorBandedEquations with
// SolveFactoredBandedEquations) against the one-shot elimination, and the moving-load analysis
// that uses it: the same numbers to the last bit, and the frame tables left as a plain solution.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <vector>

#include "engine/liveload/frame_math.h"
#include "test_support.h"

namespace kordel {
namespace {

/// Band storage with room for the largest model.
struct Band {
    std::unique_ptr<double[][kStiffnessRowStride]> K{
        new double[kMaxFrameEquations + 2][kStiffnessRowStride]()};
    double (*Rows())[kStiffnessRowStride] { return K.get(); }
};

/// A symmetric, diagonally dominant band matrix of order n and half band w, with uneven entries
/// (so that the elimination rounds) and some zero couplings (so that its skips are taken).
void FillBand(Band& b, int n, int w) {
    for (int i = 1; i <= n; ++i) {
        b.K[i][1] = 3.0 * w + (i % 5) / 3.0;
        for (int j = 2; j <= w && i + j - 1 <= n; ++j)
            b.K[i][j] = (i + j) % 4 == 0 ? 0.0 : -1.0 / (j + 0.3) - 0.07 * ((i * j) % 3);
    }
}

bool SameBits(double a, double b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// Every load vector solved with the reduced matrix is bit for bit the one the one-shot
// elimination gives, and the reduced matrices are the same: the load vector takes the same
// operations in the same order.
TEST(FactoredFrameTest, SolutionsMatchTheOneShotEliminationBitForBit) {
    const int shapes[][2] = {{1, 1}, {7, 3}, {4, 8}, {63, 6}, {200, kMaxFrameBandWidth}};
    for (const auto& shape : shapes) {
        const int n = shape[0], w = shape[1];
        SCOPED_TRACE(::testing::Message() << "n = " << n << ", w = " << w);
        Band factored;
        FillBand(factored, n, w);
        std::vector<double> pivot(n + 1);
        ASSERT_TRUE(FactorBandedEquations(factored.Rows(), pivot.data(), n, w));
        // Unit loads at the first, a middle and the last equation, and a mixed load.
        for (int load = 0; load < 4; ++load) {
            std::vector<double> q(n + 2, 0.0);
            if (load < 3) {
                q[load == 0 ? 1 : load == 1 ? (n + 1) / 2 : n] = 1.0;
            } else {
                for (int i = 1; i <= n; ++i) q[i] = (i % 3 - 1) * 0.37 + i / 11.0;
            }
            Band oneShot;
            FillBand(oneShot, n, w);
            std::vector<double> expected = q;
            ASSERT_TRUE(ReduceBandedEquations(oneShot.Rows(), expected.data(), n, w));
            SolveFactoredBandedEquations(factored.Rows(), pivot.data(), q.data(), n, w);
            for (int i = 1; i <= n; ++i) {
                EXPECT_TRUE(SameBits(q[i], expected[i]))
                    << "load " << load << ", x" << i << ": " << q[i] << " vs " << expected[i];
            }
            for (int i = 1; i <= n; ++i) {
                for (int j = 1; j <= w; ++j) ASSERT_TRUE(SameBits(factored.K[i][j], oneShot.K[i][j]));
            }
        }
    }
}

// An unstable matrix is refused by the reduction alone exactly as by the one-shot elimination.
TEST(FactoredFrameTest, RefusesWhatTheOneShotEliminationRefuses) {
    struct Case {
        const char* name;
        int n, w;
        std::vector<std::vector<double>> band;
    };
    const Case cases[] = {
        {"singular pair", 2, 2, {{1, -1}, {1, 0}}},
        {"negative pivot", 1, 1, {{-3}}},
        {"too many equations", kMaxFrameEquations + 1, 1, {}},
        {"band too wide", 2, kMaxFrameBandWidth + 1, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Band b;
        for (std::size_t i = 0; i < c.band.size(); ++i)
            for (std::size_t j = 0; j < c.band[i].size(); ++j) b.K[i + 1][j + 1] = c.band[i][j];
        std::vector<double> pivot(kMaxFrameEquations + 2);
        EXPECT_FALSE(FactorBandedEquations(b.Rows(), pivot.data(), c.n, c.w));
    }
}

class FactoredMovingLoadTest : public test::EngineTest {};

// The moving-load analysis solves its unit loads with the stiffness reduced once, except the
// last, which it solves with SolveFrame: the frame tables are left exactly as a solution of that
// last unit load alone. Solving them again must change nothing.
TEST_F(FactoredMovingLoadTest, LeavesTheFrameTablesOfItsLastUnitLoad) {
    auto doc = NewDoc();
    doc->BuildExampleDesign(3);
    doc->RunAnalysis();
    doc->m_recCurrentVehicle = doc->m_recVehicle1;
    doc->AnalyzeContinuousBeam(kBeamMovingLoads, 0.0);
    ASSERT_FALSE(doc->m_bFrameSolveFailed);
    auto copy = NewDoc();
    std::memcpy(copy->m_aFrameDisplacement, doc->m_aFrameDisplacement,
                sizeof doc->m_aFrameDisplacement);
    std::memcpy(copy->m_aFrameEndMoment, doc->m_aFrameEndMoment, sizeof doc->m_aFrameEndMoment);
    std::memcpy(copy->m_aFrameEndShear, doc->m_aFrameEndShear, sizeof doc->m_aFrameEndShear);
    std::memcpy(copy->m_aFrameReaction, doc->m_aFrameReaction, sizeof doc->m_aFrameReaction);
    doc->SolveFrame();
    ASSERT_FALSE(doc->m_bFrameSolveFailed);
    EXPECT_EQ(std::memcmp(copy->m_aFrameDisplacement, doc->m_aFrameDisplacement,
                          sizeof doc->m_aFrameDisplacement),
              0);
    EXPECT_EQ(std::memcmp(copy->m_aFrameEndMoment, doc->m_aFrameEndMoment,
                          sizeof doc->m_aFrameEndMoment),
              0);
    EXPECT_EQ(
        std::memcmp(copy->m_aFrameEndShear, doc->m_aFrameEndShear, sizeof doc->m_aFrameEndShear),
        0);
    EXPECT_EQ(
        std::memcmp(copy->m_aFrameReaction, doc->m_aFrameReaction, sizeof doc->m_aFrameReaction),
        0);
}

// Nothing of one analysis carries into the next: after a change of the spans and the girder
// modulus, a document analysed before gives bit for bit the envelopes, load effects and report
// of a fresh document of the changed design, with the moving loads redone and with them kept.
TEST_F(FactoredMovingLoadTest, AnAnalysisAfterADesignChangeMatchesAFreshOne) {
    auto change = [](CKordelDoc& d) {
        d.m_adSpanLength[2] += 8.0;  // ft
        d.m_dBeamFc += 0.5;          // ksi
    };
    auto used = NewDoc();
    used->BuildExampleDesign(3);
    used->RunAnalysis();
    change(*used);
    used->m_bLoadEffectsDirty = 1;
    used->RunAnalysis();
    used->RunAnalysis();  // the load effects kept

    auto fresh = NewDoc();
    fresh->BuildExampleDesign(3);
    change(*fresh);
    fresh->RunAnalysis();

    EXPECT_EQ(std::memcmp(used->m_aMovingLoadEnvelope, fresh->m_aMovingLoadEnvelope,
                          sizeof fresh->m_aMovingLoadEnvelope),
              0);
    EXPECT_EQ(std::memcmp(used->m_aFrameSupportEnvelope, fresh->m_aFrameSupportEnvelope,
                          sizeof fresh->m_aFrameSupportEnvelope),
              0);
    EXPECT_EQ(std::memcmp(used->m_aMoment, fresh->m_aMoment, sizeof fresh->m_aMoment), 0);
    EXPECT_EQ(std::memcmp(used->m_aShear, fresh->m_aShear, sizeof fresh->m_aShear), 0);
    EXPECT_EQ(std::memcmp(used->m_adDeflectionResults, fresh->m_adDeflectionResults,
                          sizeof fresh->m_adDeflectionResults),
              0);
    EXPECT_EQ(used->Report(), fresh->Report());
}

}  // namespace
}  // namespace kordel
