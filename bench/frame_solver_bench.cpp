// Time of one plane-frame solution of a continuous beam at tenth points under a uniform load on
// every member: 3 spans (31 nodes, 30 members) and the longest chain, 20 spans (201 nodes,
// 200 members). The moving-load analysis repeats such a solution for every load placement.
#include <benchmark/benchmark.h>

#include "bench/bench_support.h"

namespace {

using namespace kordel;

/// Equal spans of 100 ft, 10 members each, a pin at the left end, rollers at the others;
/// 2 klf down on every member.
void BuildLoadedBeam(CKordelDoc& d, int spans) {
    const double span = 100.0;  // ft
    d.m_nFrameNodes = kFrameMembersPerSpan * spans + 1;
    d.m_nFrameMembers = kFrameMembersPerSpan * spans;
    d.m_nFrameSupports = spans + 1;
    d.m_nFramePointLoads = 0;
    d.m_nFrameMemberLoads = d.m_nFrameMembers;
    for (int n = 1; n <= d.m_nFrameNodes; ++n) {
        d.m_aFrameNode[n][kNodeX] = span * (n - 1) / kFrameMembersPerSpan;
        d.m_aFrameNode[n][kNodeY] = 0.0;
    }
    for (int e = 1; e <= d.m_nFrameMembers; ++e) {
        double* m = d.m_aFrameMember[e];
        m[kMemberStartNode] = e;
        m[kMemberEndNode] = e + 1;
        m[kMemberArea] = 7.0;      // ft^2
        m[kMemberInertia] = 48.0;  // ft^4
        m[kMemberRelease] = kReleaseNone;
        m[kMemberModulus] = 576000.0;  // ksf
        double* load = d.m_aFrameMemberLoad[e];
        load[kMemberLoadStartNode] = e;
        load[kMemberLoadEndNode] = e + 1;
        load[kMemberLoadType] = kMemberLoadUniform;
        load[kMemberLoadValue] = -2.0;  // klf
        load[kMemberLoadDistance] = 0.0;
    }
    for (int k = 1; k <= d.m_nFrameSupports; ++k) {
        d.m_aFrameSupport[k][kSupportNode] = kFrameMembersPerSpan * (k - 1) + 1;
        d.m_aFrameSupport[k][kSupportRestraint] = k == 1 ? kRestraintXY : kRestraintY;
    }
}

void BM_SolveFrame(benchmark::State& state) {
    kordel::bench::Session session;
    auto& doc = session.doc;
    BuildLoadedBeam(*doc, static_cast<int>(state.range(0)));
    for (auto _ : state) {
        doc->SolveFrame();
        benchmark::DoNotOptimize(doc->m_aFrameReaction[1][kReactionY]);
    }
    if (doc->m_bFrameSolveFailed) state.SkipWithError("the solver refused the beam");
}
BENCHMARK(BM_SolveFrame)->ArgName("spans")->Arg(3)->Arg(20)->Unit(benchmark::kMicrosecond);

}  // namespace
