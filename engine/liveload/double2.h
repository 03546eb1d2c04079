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

// Four doubles, for loops built for AVX2 as well (KORDEL_WIDE_CLONES); without AVX the compiler
// splits each operation into two of two lanes, which compute the same.
using Double4 = double __attribute__((vector_size(32)));
using Mask4 = std::int64_t __attribute__((vector_size(32)));

[[gnu::always_inline]] inline void Splat4(Double4& v, double d) {
    v = Double4{d, d, d, d};
}
[[gnu::always_inline]] inline void Load4(Double4& v, const double* p) {
    std::memcpy(&v, p, sizeof v);
}
[[gnu::always_inline]] inline void Store4(double* p, const Double4& v) {
    std::memcpy(p, &v, sizeof v);
}
/// Lane by lane, `a` where `mask` (a lane comparison) is set, else `b`, into `to`.
template <class Mask>
[[gnu::always_inline]] inline void Select4(Double4& to, const Mask& mask, const Double4& a,
                                           const Double4& b) {
    // The builtin, not std::bit_cast: a function returning a 32-byte vector would have an ABI of
    // its own in the baseline build.
    const Mask4 m = __builtin_bit_cast(Mask4, mask);
    to = __builtin_bit_cast(
        Double4, (__builtin_bit_cast(Mask4, a) & m) | (__builtin_bit_cast(Mask4, b) & ~m));
}

}  // namespace kordel

// A loop that runs on Double4 is built twice on x86-64, for the baseline and for AVX2 (never
// FMA: every product is rounded before its sum, as in the scalar code), and the program takes
// the build its processor runs.
#if defined(__x86_64__)
#define KORDEL_WIDE_CLONES __attribute__((target_clones("avx2", "default")))
#else
#define KORDEL_WIDE_CLONES
#endif
