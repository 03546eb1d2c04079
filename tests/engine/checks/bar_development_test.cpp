// Development lengths of one reinforcing bar by the Standard Specifications and by the LRFD
// Specifications, against hand calculations, and the document's forms with their top-bar rule.
// Bar table: #3 0.375 in / 0.11 in2, #4 0.5 / 0.20, #5 0.625 / 0.31, #6 0.75 / 0.44,
// #8 1.0 / 0.79, #9 1.128 / 1.00, #14 1.693 / 2.25. Lengths in ft to 1e-5 unless stated.
#include "engine/checks/bar_development.h"

#include <cmath>

#include "test_support.h"

namespace kordel::test {
namespace {

BarDevelopmentInput Bar(int size, double db, double Ab, int anchorage, double fc,
                        int concreteClass = kConcreteNormalWeight, bool top = false) {
    BarDevelopmentInput in;
    in.barSize = size;
    in.db = db;
    in.Ab = Ab;
    in.anchorage = anchorage;
    in.fy = 60;
    in.fc = fc;
    in.concreteClass = concreteClass;
    in.topBar = top;
    return in;
}

struct Case {
    const char* name;
    BarDevelopmentInput in;
    double tension, compression;  // ft
};

TEST(BarDevelopmentTest, StandardSpecificationsAgainstHandCalculations) {
    // fy = 60000 psi; f'c 5 ksi: sqrt(5000) = 70.71068 psi.
    const Case cases[] = {
        // #3, bottom: 0.04 x 0.11 x 60000 / 70.71068 = 3.733524; 0.0004 x 0.375 x 60000 = 9.0;
        // raised to 12 in = 1.0 ft. Compression: 0.02 x 0.375 x 60000 / 70.71068 = 6.363961,
        // 0.0003 x 0.375 x 60000 = 6.75, raised to 8 in = 0.6666667 ft.
        {"#3 at the minimums", Bar(3, 0.375, 0.11, kBarStraight, 5), 1.0, 8.0 / 12},
        // #8 top bar in sand-lightweight concrete: 0.04 x 0.79 x 60000 / 70.71068 = 26.81349
        // (> 24); x 1.4 x 1.18 = 44.29588 in = 3.691324 ft. Compression: 16.97056 or 18.0 in:
        // 1.5 ft.
        {"#8 top, sand-lightweight", Bar(8, 1.0, 0.79, kBarStraight, 5, kConcreteSandLightweight,
                                         true),
         3.691324, 1.5},
        // All-lightweight: x 1.33 instead: 26.81349 x 1.33 = 35.66194 in = 2.971828 ft.
        {"#8 bottom, all-lightweight",
         Bar(8, 1.0, 0.79, kBarStraight, 5, kConcreteAllLightweight), 2.971828, 1.5},
        // #14: 0.085 x 60000 / 70.71068 = 72.12489 in = 6.010408 ft. Compression:
        // 0.02 x 1.693 x 60000 / 70.71068 = 28.73098, 0.0003 x 1.693 x 60000 = 30.474 in
        // = 2.5395 ft.
        {"#14 area-free formula", Bar(14, 1.693, 2.25, kBarStraight, 5), 6.010408, 2.5395},
        // #18 (and #12, #13: no table row, db 0): 0.11 x 60000 / 70.71068 = 93.33810 in
        // = 7.778175 ft; compression 8 in.
        {"#18", Bar(18, 0, 0, kBarStraight, 5), 7.778175, 8.0 / 12},
        {"#12 falls into the #18 formula", Bar(12, 0, 0, kBarStraight, 5), 7.778175, 8.0 / 12},
        // Hooked #6, all-lightweight: 1200 x 0.75 / 70.71068 x 1 = 12.72792; x 1.3 = 16.54630
        // in (> 8 db = 6) = 1.378858 ft. Compression: 12.72792 or 13.5 in = 1.125 ft.
        {"hooked #6, lightweight", Bar(6, 0.75, 0.44, kBarHooked, 5, kConcreteAllLightweight),
         1.378858, 1.125},
        // Hooked #3, f'c 10 ksi: 1200 x 0.375 / 100 = 4.5 in; 8 db = 3.0; at least 6 in: 0.5 ft.
        {"hooked #3 at 6 in", Bar(3, 0.375, 0.11, kBarHooked, 10), 0.5, 8.0 / 12},
        // No anchorage: a hundredth of an inch both ways.
        {"bar type 2", Bar(8, 1.0, 0.79, kBarNoAnchorage, 5), 0.01 / 12, 0.01 / 12},
        // An unknown code: 0.01 in in tension, the formula in compression.
        {"unknown anchorage code", Bar(8, 1.0, 0.79, 7, 5), 0.01 / 12, 1.5},
    };
    for (const Case& k : cases) {
        const BarDevelopmentLengths L = BarDevelopmentLengthStd(k.in);
        EXPECT_NEAR(L.tension, k.tension, 1e-5) << k.name;
        EXPECT_NEAR(L.compression, k.compression, 1e-5) << k.name;
    }
}

TEST(BarDevelopmentTest, LrfdAgainstHandCalculations) {
    // fy 60 ksi; f'c 5 ksi: sqrt = 2.236068.
    BarDevelopmentInput seventh = Bar(4, 0.5, 0.20, kBarStraight, 5);
    seventh.edition = 4;
    BarDevelopmentInput large = Bar(18, 2.0, 4.0, kBarStraight, 12);
    large.edition = 4;
    large.lambda = 0.75;
    BarDevelopmentInput hookedLight = Bar(6, 0.75, 0.44, kBarHooked, 5, kConcreteAllLightweight);
    hookedLight.lambda = 0.75;
    const Case cases[] = {
        // #5 bottom, 6th edition: 1.25 x 0.31 x 60 / 2.236068 = 10.39775; 0.4 x 0.625 x 60 = 15
        // in = 1.25 ft. Compression: 0.63 x 0.625 x 60 / 2.236068 = 10.56541; 0.3 x 0.625 x 60
        // = 11.25 in = 0.9375 ft.
        {"#5 bottom", Bar(5, 0.625, 0.31, kBarStraight, 5), 1.25, 0.9375},
        // #9 top, all-lightweight: 1.25 x 1.0 x 60 / 2.236068 = 33.54102 (> 27.072); x 1.4 x 1.3
        // = 61.04466 in = 5.087055 ft. Compression: 0.63 x 1.128 x 60 / 2.236068 = 19.06803;
        // 0.3 x 1.128 x 60 = 20.304 in = 1.692 ft.
        {"#9 top, all-lightweight",
         Bar(9, 1.128, 1.0, kBarStraight, 5, kConcreteAllLightweight, true), 5.087055, 1.692},
        // Sand-lightweight x 1.2: 33.54102 x 1.2 = 40.24922 in = 3.354102 ft.
        {"#9 bottom, sand-lightweight",
         Bar(9, 1.128, 1.0, kBarStraight, 5, kConcreteSandLightweight), 3.354102, 1.692},
        // #14: 2.7 x 60 / 2.236068 = 72.44860 in = 6.037384 ft; compression 0.3 x 1.693 x 60
        // = 30.474 in = 2.5395 ft.
        {"#14", Bar(14, 1.693, 2.25, kBarStraight, 5), 6.037384, 2.5395},
        // #18 (db 0 here): 3.5 x 60 / 2.236068 = 93.91486 in = 7.826238 ft.
        {"#18", Bar(18, 0, 0, kBarStraight, 5), 7.826238, 8.0 / 12},
        // 7th edition, #4 bottom: lambda_rc = 0.5 / 1.666667 = 0.3 -> 0.4;
        // 2.4 x 0.5 x 60 / 2.236068 x 1.0 x 0.4 / 1.0 = 12.87984 in = 1.073320 ft.
        // Compression: 0.63 x 0.5 x 60 / 2.236068 = 8.452 or 0.3 x 0.5 x 60 = 9 in = 0.75 ft.
        {"7th edition, lambda_rc at its floor", seventh, 1.073320, 0.75},
        // 7th edition, 2 in bar at f'c 12 ksi (lambda_rl 1.3 above 10 ksi), lambda 0.75:
        // lambda_rc = 1.2 -> 1.0; 2.4 x 2 x 60 / 3.464102 x 1.3 / 0.75 = 144.1066 in
        // = 12.00888 ft. Compression: 0.63 x 2 x 60 / 3.464102 = 21.82384; 0.3 x 2 x 60 = 36 in
        // = 3.0 ft.
        {"7th edition, lambda_rc at its ceiling", large, 12.00888, 3.0},
        // Hooked #6, lightweight, lambda 0.75: 38 x 0.75 / (0.75 x 2.236068) x 1 = 16.99412;
        // x 1.3 = 22.09236 in = 1.841030 ft. Compression 0.3 x 0.75 x 60 = 13.5 in = 1.125 ft.
        {"hooked #6, lightweight", hookedLight, 1.841030, 1.125},
        {"bar type 2", Bar(8, 1.0, 0.79, kBarNoAnchorage, 5), 0.01 / 12, 0.01 / 12},
    };
    for (const Case& k : cases) {
        const BarDevelopmentLengths L = BarDevelopmentLengthLrfd(k.in);
        EXPECT_NEAR(L.tension, k.tension, 1e-5) << k.name;
        EXPECT_NEAR(L.compression, k.compression, 1e-5) << k.name;
    }
}

TEST(BarDevelopmentTest, ConcreteWithoutStrengthDevelopsNothing) {
    // f'c of 0 (or a density factor of 0 under LRFD) would divide by zero: the bar is taken as
    // undeveloped over kBarUndevelopedLength, never as developed at once.
    BarDevelopmentInput in = Bar(5, 0.625, 0.31, kBarStraight, 0);
    for (const BarDevelopmentLengths& L :
         {BarDevelopmentLengthStd(in), BarDevelopmentLengthLrfd(in)}) {
        EXPECT_EQ(L.tension, kBarUndevelopedLength);
        EXPECT_EQ(L.compression, kBarUndevelopedLength);
    }
    in.fc = 5;
    in.lambda = 0;
    EXPECT_EQ(BarDevelopmentLengthLrfd(in).tension, kBarUndevelopedLength);
    in.fc = NAN;
    in.lambda = 1;
    EXPECT_EQ(BarDevelopmentLengthStd(in).tension, kBarUndevelopedLength);
}

TEST_F(EngineTest, DocumentFormsReadTheBarTableAndTheTopBarRule) {
    auto d = NewDoc();
    d->m_dSectionHeight = 72;
    d->m_nSpecEdition = 2;
    // #5 at exactly half the girder height (36 in) is a bottom bar: LRFD 15 in = 1.25 ft; just
    // above it a top bar: 15 x 1.4 = 21 in = 1.75 ft.
    double tension = 0, compression = 0;
    d->GetBarDevelopmentLengthLrfd(36.0, 5, kBarStraight, 60, 5, kConcreteNormalWeight, 1.0,
                                   &tension, &compression);
    EXPECT_NEAR(tension, 1.25, 1e-12);
    EXPECT_NEAR(compression, 0.9375, 1e-12);
    d->GetBarDevelopmentLengthLrfd(36.001, 5, kBarStraight, 60, 5, kConcreteNormalWeight, 1.0,
                                   &tension, &compression);
    EXPECT_NEAR(tension, 1.75, 1e-12);
    // Standard form, #3 bottom and top: 12 in minimum either way (9 x 1.4 = 12.6 in on top).
    d->GetBarDevelopmentLengthStd(10, 3, kBarStraight, 60, 5, kConcreteNormalWeight, &tension,
                                  &compression);
    EXPECT_NEAR(tension, 1.0, 1e-12);
    EXPECT_NEAR(compression, 8.0 / 12, 1e-12);
    d->GetBarDevelopmentLengthStd(60, 3, kBarStraight, 60, 5, kConcreteNormalWeight, &tension,
                                  &compression);
    EXPECT_NEAR(tension, 12.6 / 12, 1e-12);
    // A size outside the table has no diameter and no area: the minimums.
    d->GetBarDevelopmentLengthStd(10, 40, kBarStraight, 60, 5, kConcreteNormalWeight, &tension,
                                  &compression);
    EXPECT_TRUE(std::isfinite(tension));
    EXPECT_NEAR(compression, 8.0 / 12, 1e-12);
}

}  // namespace
}  // namespace kordel::test
