// Two doubles in one register (SSE2 or NEON) through the compiler's vector extension, for the
// moving-load searches that run two stations or tenth points at a time. Every lane computes
// exactly what the scalar expression would, and Select chooses lane by lane without a branch,
// so a vector loop gives the scalar loop's numbers to the last bit.
#pragma once

#include <bit>
#include <cstdint>
#include <cstring>

namespace kordel {

using Double2 = double __attribute__((vector_size(16)));
using Mask2 = std::int64_t __attribute__((vector_size(16)));

inline Double2 Splat(double v) {
    return Double2{v, v};
}
inline Double2 Load2(const double* p) {
    Double2 v;
    std::memcpy(&v, p, sizeof v);
    return v;
}
inline void Store2(double* p, Double2 v) {
    std::memcpy(p, &v, sizeof v);
}
/// Lane by lane, `a` where `mask` (a lane comparison) is set, else `b`.
template <class Mask>
Double2 Select(Mask mask, Double2 a, Double2 b) {
    const Mask2 m = std::bit_cast<Mask2>(mask);
    return std::bit_cast<Double2>((std::bit_cast<Mask2>(a) & m) | (std::bit_cast<Mask2>(b) & ~m));
}

}  // namespace kordel
