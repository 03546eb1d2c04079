// Time of the moving-load analysis of the continuous-beam model (AnalyzeContinuousBeam with the
// vehicle's lane load, truck, two trucks, tandem and fatigue truck): example design 3 (three
// spans of 106, 120 and 106 ft with the HL-93), and chains of 8 and 20 spans of 100 ft.
#include <benchmark/benchmark.h>

#include "bench/bench_support.h"

namespace {

using namespace kordel;

/// The composite section and modulus the model takes, when the section stage has left none:
/// a 72-in bulb tee with an 8-in deck (values of the right size; the time does not depend on them).
void EnsureSection(CKordelDoc& d) {
    double& A = d.m_adAreaAtStation[50][kSectionCaseOverlay];
    double& I = d.m_adInertiaAtStation[50][kSectionCaseOverlay];
    if (!(A > 0.0)) A = 1480.0;                      // in2
    if (!(I > 0.0)) I = 1200000.0;                   // in4
    if (!(d.m_dBeamEc > 0.0)) d.m_dBeamEc = 4696.0;  // ksi
}

void RunMovingLoads(benchmark::State& state, CKordelDoc& doc) {
    doc.m_recCurrentVehicle = doc.m_recVehicle1;
    for (auto _ : state) {
        doc.m_bFatigueTruckPending = 1;
        doc.AnalyzeContinuousBeam(kBeamMovingLoads, 0.0);
        benchmark::DoNotOptimize(doc.m_aMovingLoadEnvelope[kEnvMinMoment][1][10]);
    }
    if (doc.m_bFrameSolveFailed) state.SkipWithError("the continuous-beam model was not solved");
}

void BM_MovingLoadsExample3(benchmark::State& state) {
    kordel::bench::Session session;
    auto& doc = session.doc;
    doc->BuildExampleDesign(3);
    doc->RunAnalysis();
    EnsureSection(*doc);
    RunMovingLoads(state, *doc);
}
BENCHMARK(BM_MovingLoadsExample3)->Unit(benchmark::kMicrosecond);

void BM_MovingLoadsChain(benchmark::State& state) {
    kordel::bench::Session session;
    auto& doc = session.doc;
    doc->BuildExampleDesign(3);
    doc->RunAnalysis();
    EnsureSection(*doc);
    doc->m_nSpans = static_cast<int>(state.range(0));
    for (int p = 1; p <= doc->m_nSpans; ++p) doc->m_adSpanLength[p] = 100.0;  // ft
    RunMovingLoads(state, *doc);
}
BENCHMARK(BM_MovingLoadsChain)->ArgName("spans")->Arg(8)->Arg(20)->Unit(benchmark::kMicrosecond);

}  // namespace
