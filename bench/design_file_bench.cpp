// Time of loading and saving a design file from and to memory. A design of three spans with
// tendons, bars and rating vehicles; most of the file is the fixed arrays every design writes.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "bench/bench_support.h"
#include "platform/archive.h"

namespace {

void FillCountedGroups(kordel::CKordelDoc& d) {
    d.m_nSpecification = kordel::kSpecLrfd;
    d.m_nSpans = 3;
    d.m_saSpanSectionNames = {"BT-72", "BT-72", "BT-72"};
    d.m_nCurrentSpan = 2;
    d.m_nTendonCount = 6;
    for (int t = 0; t < d.m_nTendonCount; ++t)
        d.m_aTendons[t].m_strName = "Tendon " + std::to_string(t + 1);
    d.m_nGirderBarCount = 40;
    d.m_nDeckBarCount = 40;
    for (int i = 0; i < 40; ++i) {
        for (kordel::RebarBar* bar : {&d.m_aGirderBars[i], &d.m_aDeckBars[i]}) {
            bar->m_nBarSize = 5;
            bar->m_strTag1 = bar->m_strTag2 = "S";
            bar->m_strTag3 = "B";
            bar->m_strTag4 = "X";
        }
    }
    d.m_nRatingVehicleCount = 5;
    for (int v = 0; v < d.m_nRatingVehicleCount; ++v) {
        d.m_aRatingVehicles[v].m_strName = "Rating " + std::to_string(v + 1);
        d.m_aRatingVehicles[v].m_nAxleCount = 6;
    }
}

struct Fixture : kordel::bench::Session {
    Fixture() {
        FillCountedGroups(*doc);
        platform::Archive ar;
        doc->Serialize(ar);
        bytes = ar.Bytes();
    }
    std::vector<std::uint8_t> bytes;
};

void BM_LoadDesignFile(benchmark::State& state) {
    Fixture f;
    auto target = kordel::CKordelDoc::CreateObject();
    for (auto _ : state) {
        platform::Archive ar(f.bytes);
        target->Serialize(ar);
        benchmark::DoNotOptimize(target->m_nSpans);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * f.bytes.size()));
}
BENCHMARK(BM_LoadDesignFile)->Unit(benchmark::kMicrosecond);

void BM_SaveDesignFile(benchmark::State& state) {
    Fixture f;
    for (auto _ : state) {
        platform::Archive ar;
        f.doc->Serialize(ar);
        benchmark::DoNotOptimize(ar.Bytes().data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * f.bytes.size()));
}
BENCHMARK(BM_SaveDesignFile)->Unit(benchmark::kMicrosecond);

}  // namespace
