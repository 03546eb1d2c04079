// Tension and compression development lengths of one longitudinal reinforcing bar by the
// Standard Specifications and by the LRFD Specifications. Pure functions; the document's
// GetBarDevelopmentLengthStd and GetBarDevelopmentLengthLrfd pass its bar table and girder
// height.
#pragma once

namespace kordel {

/// Anchorage kinds of a bar.
enum BarAnchorage : int {
    kBarStraight = 0,  ///< straight bar
    kBarHooked = 1,    ///< standard hook
    kBarNoAnchorage = 2,  ///< none: developed 0.01 in from its end
};

/// Development length, in, of a bar given as BarAnchorage kBarNoAnchorage (and, in tension, of
/// any anchorage code not known): the bar counts as developed right at its end.
inline constexpr double kBarNoDevelopment = 0.01;

/// Development length, ft, given where the concrete strength (or the LRFD density factor) is not
/// a positive number: no bond can be counted, so the bar is taken as undeveloped over a length
/// longer than any girder.
inline constexpr double kBarUndevelopedLength = 10000.0;

/// One bar and its concrete.
struct BarDevelopmentInput {
    int barSize = 0;        ///< bar number
    double db = 0;          ///< nominal diameter, in
    double Ab = 0;          ///< nominal area, in2
    bool topBar = false;    ///< more than half the girder height above the girder bottom
    int anchorage = kBarStraight;  ///< BarAnchorage
    double fy = 0;          ///< yield strength, ksi
    double fc = 0;          ///< concrete strength, ksi
    int concreteClass = 1;  ///< 1 normal weight, 2 sand-lightweight, 3 all-lightweight, 4 lightweight
    double lambda = 1.0;    ///< concrete density modification factor (LRFD only)
    int edition = 2;        ///< specification edition index; 4 "LRFD 7th" (LRFD only)
};

/// Tension and compression development lengths, ft.
struct BarDevelopmentLengths {
    double tension = 0;      ///< ld, ft
    double compression = 0;  ///< ldc, ft
};

/// Standard Specifications, fy and sqrt(f'c) in psi, lengths in in then ft. Tension, straight:
/// bars up to #11 max(0.04 Ab fy / sqrt(f'c), 0.0004 db fy), #14 0.085 fy / sqrt(f'c), larger
/// 0.11 fy / sqrt(f'c); times 1.4 for a top bar, 1.18 sand-lightweight, 1.33 all-lightweight;
/// at least 12 in. Hooked: 1200 db / sqrt(f'c) x fy / 60000, times 1.3 lightweight (classes 2
/// and 3), at least 8 db and 6 in. Compression: max(0.02 db fy / sqrt(f'c), 0.0003 db fy), at
/// least 8 in.
/// AASHTO Standard Specifications 17th ed. Art. 8.25.1, 8.25.2, 8.26 and 8.29
BarDevelopmentLengths BarDevelopmentLengthStd(const BarDevelopmentInput& in);

/// LRFD Specifications, ksi and in, then ft. Tension, straight, 7th edition: 2.4 db fy /
/// sqrt(f'c) x lambda_rl x lambda_rc / lambda with lambda_rl 1.3 for a top bar or f'c above
/// 10 ksi and lambda_rc = db / 1.6666666666666665 within 0.4 to 1.0, at least 12 in. Earlier
/// editions: bars up to #11 max(1.25 Ab fy / sqrt(f'c), 0.4 db fy), #14 2.7 fy / sqrt(f'c),
/// larger 3.5 fy / sqrt(f'c); times 1.4 for a top bar, 1.2 sand-lightweight, 1.3
/// all-lightweight; at least 12 in. Hooked: 38 db / (lambda sqrt(f'c)) x fy / 60, times 1.3
/// lightweight (classes 2 and 3), at least 8 db and 6 in. Compression: max(0.63 db fy /
/// sqrt(f'c), 0.3 db fy), at least 8 in.
/// AASHTO LRFD 7th ed. Art. 5.10.8.2.1a, Eq. 5.10.8.2.1a-2; AASHTO LRFD 6th ed. Art. 5.11.2.1.1,
/// 5.11.2.2.1 and 5.11.2.4.1
BarDevelopmentLengths BarDevelopmentLengthLrfd(const BarDevelopmentInput& in);

}  // namespace kordel
