// Mutates the numbers of a valid design, not its bytes: the input chooses an example design, the
// options that switch whole checks on, and a few numeric inputs with their new values (a scale
// of the example's value, any value in the input's range, its low or high end, or zero), always
// within what an engineer could enter. The design is analysed, and every line of its page header,
// text report and girder summary, in both forms and both unit systems, must hold only finite
// numbers with at most twelve digits before the decimal point. A finding prints the design as a
// row for the replay table of tests/fuzz/mutated_design_test.cpp.
#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>

#include "fuzz/fuzz_host.h"
#include "fuzz/mutated_design.h"

namespace {

/// How a mutation picks the new value of an input.
enum class Pick { Scale, Anywhere, LowEnd, HighEnd, Zero };

double NewValue(FuzzedDataProvider& in, const kordel::fuzz::MutableInput& input, double current) {
    switch (in.PickValueInArray({Pick::Scale, Pick::Anywhere, Pick::LowEnd, Pick::HighEnd,
                                 Pick::Zero})) {
        case Pick::Scale:
            return current * std::exp2(in.ConsumeFloatingPointInRange(-2.0, 2.0));
        case Pick::Anywhere:
            return in.ConsumeFloatingPointInRange(input.lo, input.hi);
        case Pick::LowEnd:
            return input.lo;
        case Pick::HighEnd:
            return input.hi;
        case Pick::Zero:
            break;
    }
    return 0.0;  // clamped to the low end where the range holds no zero
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    platform::HeadlessHost& host = kordel::fuzz::FuzzHost();
    using namespace kordel::fuzz;

    host.ClearMessages();
    FuzzedDataProvider in(data, size);
    MutatedDesign m;
    m.example = in.ConsumeIntegralInRange(1, 4);
    m.options = in.ConsumeIntegral<std::uint8_t>() & ((1u << kOptionBits) - 1);
    auto doc = kordel::CKordelDoc::CreateObject();
    BuildExample(*doc, m.example, m.options);
    const int changes = in.ConsumeIntegralInRange(0, 6);
    for (int k = 0; k < changes && in.remaining_bytes() > 0; ++k) {
        const MutableInput& input =
            kMutableInputs[in.ConsumeIntegralInRange<std::size_t>(0, kMutableInputCount - 1)];
        const double value = Clamped(input, NewValue(in, input, input.get(*doc)));
        m.values.push_back({input.name, value});
        ApplyValue(*doc, input, value);
    }
    doc->RunAnalysis();
    const std::string problem = ReportsProblem(*doc);
    if (!problem.empty()) {
        std::fprintf(stderr, "Unsound report line: \"%s\"\nDesign: %s\n", problem.c_str(),
                     Describe(m).c_str());
        __builtin_trap();
    }
    return 0;
}
