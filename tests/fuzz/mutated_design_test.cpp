// Mutated designs replayed: example designs with a few numbers changed, each within what an
// engineer could enter, whose reports once printed a number that was round-off divided by
// round-off, "nan" or "inf". Every line of every report (page header, text report and girder
// summary, short and long form, US and metric units) holds only finite numbers with at most
// twelve digits before the decimal point. New rows come from the fuzz target
// mutated_design_fuzz, which prints a finding in this form.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "fuzz/mutated_design.h"
#include "test_support.h"

namespace kordel::test {
namespace {

using kordel::fuzz::MutatedDesign;

class MutatedDesignTest : public EngineTest {
  protected:
    std::unique_ptr<CKordelDoc> Analysed(const MutatedDesign& m) {
        auto doc = NewDoc();
        EXPECT_TRUE(fuzz::Build(*doc, m)) << "a value names no input: " << fuzz::Describe(m);
        doc->RunAnalysis();
        return doc;
    }
};

struct Replay {
    const char* what;
    MutatedDesign design;
};

const Replay kReplays[] = {
    // The moment of the girder weight at mid-span between the truck supports (10 ft from each
    // end of the 40 ft girder) is round-off: "Tilt Angle at Cracking :-1813227125620714.250 rad".
    {"example 2, 39 ft span, sand-lightweight 0.111 kcf, handling",
     {2,
      fuzz::kOptionHandling,
      {{"design span, ft", 39}, {"girder concrete class", 2}, {"girder density, kcf", 0.111}}}},
    // The lifting devices a quarter of the girder from each end leave the moment of the weight
    // at mid-span round-off: "Tilt Angle at Cracking :-56339985836402.695 rad" (found by the fuzz
    // target).
    {"example 1, 250 ft span, lifting devices at the quarter points",
     {1,
      fuzz::kOptionHandling,
      {{"design span, ft", 250}, {"lifting devices a quarter of the girder from each end", 0}}}},
    // The live-load stress at the end bearing of the chain is round-off: a stress rating factor
    // of 2.4e15 there ("Stress-Tens RF=-28580720480215280.00 @ 0.00 ft" when it is the least).
    {"example 3, rating with a pedestrian load",
     {3,
      fuzz::kOptionRating,
      {{"beam spacing, ft", 6},
       {"deck thickness, in", 9.25},
       {"haunch thickness, in", 2.75},
       {"girder f'c, ksi", 9},
       {"deck f'c, ksi", 6},
       {"girder concrete class", 2},
       {"girder density, kcf", 0.113},
       {"pedestrian load, klf", 0.29}}}},
    // The shipping factor of safety against cracking was negative (-0.83).
    {"example 1, 0.6 in strands, handling", {1, fuzz::kOptionHandling, {{"strand diameter, in", 0.6}}}},
};

TEST_F(MutatedDesignTest, EveryReportLineHoldsSoundNumbers) {
    for (const Replay& r : kReplays) {
        SCOPED_TRACE(r.what);
        auto doc = Analysed(r.design);
        EXPECT_EQ(fuzz::ReportsProblem(*doc), "") << fuzz::Describe(r.design);
        // The results behind the report lines are as sound: every rating factor (the least of
        // them is what the report prints) and the stability factors.
        for (const auto& factors : doc->m_aRatingFactor) {
            for (const double rf : factors) EXPECT_LT(std::fabs(rf), 1e12) << rf;
        }
        for (const double fs : {doc->m_dLiftSafetyFactor, doc->m_dShipCrackingSafetyFactor,
                                doc->m_dShipFailureSafetyFactor}) {
            EXPECT_TRUE(std::isfinite(fs) && fs >= 0) << fs;
        }
    }
}

}  // namespace
}  // namespace kordel::test
