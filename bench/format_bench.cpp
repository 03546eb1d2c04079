// Time of the text report alone (the long form of an analysed example design, page header and
// girder summary included) and of the formatter its lines go through.
#include <benchmark/benchmark.h>

#include "bench/bench_support.h"

#include <cstdio>
#include <string>

#include "report/format.h"

namespace {

void BM_BuildTextReport(benchmark::State& state) {
    kordel::bench::Session session;
    session.NewExample(static_cast<int>(state.range(0)));
    auto& doc = session.doc;
    doc->RunAnalysis();
    for (auto _ : state) {
        doc->BuildPageHeader();
        doc->BuildTextReport();
        doc->BuildGirderSummary();
        benchmark::DoNotOptimize(doc->m_saReport.data());
    }
    state.counters["lines"] = static_cast<double>(doc->m_saReport.size());
}

// A typical table row: thirteen fixed-point cells after a label.
constexpr const char* kRow = "%-14s%6.2f %6.2f %6.2f %6.2f %6.2f %6.2f %6.2f %6.2f %6.2f %6.2f";

void BM_FormatRow(benchmark::State& state) {
    double v = 0.0;
    for (auto _ : state) {
        v += 0.37;
        std::string line = kordel::Format(kRow, "Moment DL", v, -v, v * 3.1, v / 7.0, 1234.5, v,
                                          -0.001, v * 100.0, v + 0.125, 2.5);
        benchmark::DoNotOptimize(line.data());
    }
}

// The same row through the C library, for comparison.
void BM_SnprintfRow(benchmark::State& state) {
    double v = 0.0;
    char text[256];
    for (auto _ : state) {
        v += 0.37;
        std::snprintf(text, sizeof text, kRow, "Moment DL", v, -v, v * 3.1, v / 7.0, 1234.5, v,
                      -0.001, v * 100.0, v + 0.125, 2.5);
        std::string line(text);
        benchmark::DoNotOptimize(line.data());
    }
}

BENCHMARK(BM_BuildTextReport)->Arg(1)->Arg(3)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FormatRow);
BENCHMARK(BM_SnprintfRow);

}  // namespace
