// The section-property stage on a document: example design 1 (PCI BT-72 under an 8 in composite
// deck) at midspan and at a station inside an end block against hand calculations, a design of
// our own with haunch, wearing surface and overlay under the Standard Specifications, the
// developed strand area the stage asks for, the effective width by method and specification, the
// non-composite deck, the slots the stage leaves alone, the weak-axis properties, and the guards
// that keep every result a number.
//
// Hand calculations: a deck layer is turned into girder concrete by multiplying its width by
// n_d = Ec,deck/Ec; sections are composed with the parallel-axis theorem
// I = sum (I_j + A_j (yb - y_j)^2); strands are added as (Ep/E - 1) times their developed area at
// their own elevation, their own inertia neglected. Values are to nine significant digits and are
// compared to a relative 1e-8.
#include <cmath>
#include <string>

#include "test_support.h"

namespace kordel::test {
namespace {

constexpr double kRel = 1e-8;

void ExpectClose(double actual, double expected, const std::string& what) {
    EXPECT_NEAR(actual, expected, kRel * std::max(1.0, std::abs(expected)))
        << what << ": actual " << actual << ", expected " << expected;
}

/// One section case: area in2, centroid in above the girder bottom, inertia in4.
struct Case {
    int k;
    double A, yb, I;
};

/// One section modulus, in3.
struct Modulus {
    int slot;
    double S;
};

void ExpectStation(const CKordelDoc& d, int i, std::initializer_list<Case> cases,
                   std::initializer_list<Modulus> moduli) {
    for (const Case& c : cases) {
        const std::string what = "station " + std::to_string(i) + " case " + std::to_string(c.k);
        ExpectClose(d.m_adAreaAtStation[i][c.k], c.A, what + " area");
        ExpectClose(d.m_adCentroidAtStation[i][c.k], c.yb, what + " centroid");
        ExpectClose(d.m_adInertiaAtStation[i][c.k], c.I, what + " inertia");
    }
    for (const Modulus& m : moduli) {
        ExpectClose(d.m_adSectionModulusAtStation[i][m.slot], m.S,
                    "station " + std::to_string(i) + " modulus slot " + std::to_string(m.slot));
    }
}

/// Every result of the stage is a number.
void ExpectAllFinite(const CKordelDoc& d) {
    for (double v : {d.m_dKernLower, d.m_dKernUpper, d.m_dTransformFactorRelease,
                     d.m_dTransformFactorFinal, d.m_dDeckModularRatio, d.m_dEffFlangeWidth,
                     d.m_dEffFlangeWidth2, d.m_dSectionXbar, d.m_dSectionIyy, d.m_dOutlineWidth}) {
        EXPECT_TRUE(std::isfinite(v)) << v;
    }
    for (int i = 0; i < kStationCount; ++i) {
        ASSERT_TRUE(std::isfinite(d.m_adDevelopedStrandArea[i])) << "station " << i;
        ASSERT_TRUE(std::isfinite(d.m_adDevelopedStrandCg[i])) << "station " << i;
        ASSERT_TRUE(std::isfinite(d.m_adWebWidthAtStation[i])) << "station " << i;
        for (int k = 0; k < kSectionCaseCount; ++k) {
            ASSERT_TRUE(std::isfinite(d.m_adAreaAtStation[i][k])) << i << " " << k;
            ASSERT_TRUE(std::isfinite(d.m_adCentroidAtStation[i][k])) << i << " " << k;
            ASSERT_TRUE(std::isfinite(d.m_adInertiaAtStation[i][k])) << i << " " << k;
        }
        for (int s = 0; s < kSectionModulusSlots; ++s) {
            ASSERT_TRUE(std::isfinite(d.m_adSectionModulusAtStation[i][s])) << i << " " << s;
        }
    }
}

class SectionPropertiesTest : public EngineTest {
  protected:
    /// Example design 1, built and analysed.
    std::unique_ptr<CKordelDoc> Example(int n = 1) {
        frame.m_nSeedChoice = n;
        auto d = NewDoc();
        d->OnNewDocument();
        AtSectionStage(*d);
        return d;
    }

    /// The flexure stage later refills the developed strand area and centroid with its own
    /// development lengths; the section stage is run again so its own values are the ones read.
    static void AtSectionStage(CKordelDoc& d) { d.ComputeSectionProperties(); }

    static void Analyse(CKordelDoc& d) {
        d.RunAnalysis();
        AtSectionStage(d);
    }

    /// The texts of the messages shown so far.
    std::string MessageTexts() const {
        std::string all;
        for (const auto& m : host.Messages()) all += m.text + "\n";
        return all;
    }
};

// ---- Example design 1 against the hand calculation ----------------------------------------------

// Inputs the hand calculation rests on, from the example and the earlier stages:
//   Ec  = 33000 x 0.15^1.5 x sqrt(6) = 4695.98233 ksi (f'c 6)
//   Eci = 33000 x 0.15^1.5 x sqrt(5) = 4286.82575 ksi (f'ci 5)
//   Ed  = 33000 x 0.15^1.5 x sqrt(4) = 3834.25351 ksi (deck f'c 4)
//   phi_r = 28500/4286.82575 - 1 = 5.64827583; phi_f = 28500/4695.98233 - 1 = 5.06901773;
//   n_d = 3834.25351/4695.98233 = sqrt(4/6) = 0.816496581
//   LRFD, method 0: effective width = deck width = 108 in; t_s = 8 in, no haunch, no overlay,
//   so cases 2 and 6 equal cases 1 and 5, and hc = 80 in.
//   Deck layer: 0.816496581 x 108 x 8 = 705.453046 in2 at 72 + 4 = 76 in,
//   own I = 705.453046 x 8^2/12 = 3762.41624 in4.
//   Strands: 18 groups of 2 x 0.153 = 0.306 in2; lt = 60 x 0.5/12 = 2.5 ft.
TEST_F(SectionPropertiesTest, Example1InputsOfTheHandCalculation) {
    const auto d = Example();
    ExpectClose(d->m_dBeamEc, 4695.98233, "Ec");
    ExpectClose(d->m_dBeamEci, 4286.82575, "Eci");
    ExpectClose(d->m_dDeckEc, 3834.25351, "Ed");
    ExpectClose(d->m_dTransformFactorRelease, 5.64827583, "Ep/Eci - 1");
    ExpectClose(d->m_dTransformFactorFinal, 5.06901773, "Ep/Ec - 1");
    ExpectClose(d->m_dDeckModularRatio, 0.816496581, "n_d");
    EXPECT_EQ(d->m_dEffFlangeWidth, 108.0);
    EXPECT_EQ(d->m_dEffFlangeWidth2, 108.0);
    EXPECT_EQ(d->m_dTransferLength, 2.5);
    EXPECT_EQ(d->m_dCompositeHeight, 80.0);
    // Kern points of the stored gross section:
    //   36.6 - 545894/(35.4 x 767) = 16.4947399; 36.6 + 545894/(767 x 36.6) = 56.0460712 in.
    ExpectClose(d->m_dKernLower, 16.4947399, "lower kern");
    ExpectClose(d->m_dKernUpper, 56.0460712, "upper kern");
    EXPECT_TRUE(host.Messages().empty()) << MessageTexts();
}

TEST_F(SectionPropertiesTest, Example1AtMidspan) {
    const auto d = Example();
    const int i = kStationMidspan;
    EXPECT_EQ(d->m_adWebWidthAtStation[i], 6.0);
    // Every strand is developed at midspan (53 ft from the end): As = 36 x 0.153 = 5.508 in2 at
    // the drape-point elevations, ys = 2 x (2 + 8 + 6 + 4 + 2 + 8 + 3 x 6 + 5 x 4 + 4 x 2)/36
    // = 152/36 = 4.22222222 in.
    ExpectClose(d->m_adDevelopedStrandArea[i], 5.508, "As");
    ExpectClose(d->m_adDevelopedStrandCg[i], 152.0 / 36.0, "ys");

    ExpectStation(
        *d, i,
        {
            // Case 0, the stored gross section: 767, 36.6, 545894.
            {kSectionCaseGirder, 767, 36.6, 545894},
            // Case 1: A = 767 + 705.453046 = 1472.45305;
            // yb = (767 x 36.6 + 705.453046 x 76)/1472.45305 = (28072.2 + 53614.4315)/1472.45305
            //    = 55.4765612;
            // I = 545894 + 767 x 18.8765612^2 + 3762.41624 + 705.453046 x 20.5234388^2
            //   = 545894 + 273300.939 + 3762.41624 + 297144.965 = 1120102.32.
            {kSectionCaseDeck, 1472.45305, 55.4765612, 1120102.32},
            {kSectionCaseOverlay, 1472.45305, 55.4765612, 1120102.32},
            // Case 3: phi_r As = 5.64827583 x 5.508 = 31.1107033 at 4.22222222 in;
            // A = 798.110703; yb = (131.356303 + 28072.2)/798.110703 = 35.3379001;
            // I = 545894 + 767 x 1.2620999^2 + 5.64827583 x sum 0.306 (yb - e_g)^2
            //   = 545894 + 1221.75135 + 5.64827583 x 5354.52524 = 577359.587.
            {kSectionCaseRelease, 798.110703, 35.3379001, 577359.587},
            // Case 4: phi_f As = 27.9201497; A = 794.920150;
            // yb = (117.885076 + 28072.2)/794.920150 = 35.4627884;
            // I = 545894 + 991.922891 + 27359.6134 = 574245.536.
            {kSectionCaseFinal, 794.920150, 35.4627884, 574245.536},
            // Case 5: case 4 + deck; A = 794.920150 + 705.453046 = 1500.37320;
            // yb = (794.920150 x 35.4627884 + 705.453046 x 76)/1500.37320 = 54.5227793;
            // I = 574245.536 + 794.920150 x 19.0599909^2 + 3762.41624
            //     + 705.453046 x 21.4772207^2
            //   = 574245.536 + 288781.177 + 3762.41624 + 325405.039 = 1192194.17.
            {kSectionCaseTransformedDeck, 1500.37320, 54.5227793, 1192194.17},
            {kSectionCaseTransformedOverlay, 1500.37320, 54.5227793, 1192194.17},
        },
        {
            // 545894/36.6 = 14915.1366; 545894/35.4 = 15420.7345.
            {0, 14915.1366},
            {1, 15420.7345},
            // 1120102.32/55.4765612 = 20190.5507; /16.5234388 = 67788.6929;
            // /(24.5234388 x 0.816496581) = 55939.9349 (deck top at 80 in, in deck concrete).
            {4, 20190.5507},
            {5, 67788.6929},
            {6, 55939.9349},
            {8, 20190.5507},
            {9, 67788.6929},
            {10, 55939.9349},
            {11, 55939.9349},  // overlay top = deck top without an overlay
                               // 577359.587/35.3379001 = 16338.2540; /36.6620999 = 15748.1320.
            {12, 16338.2540},
            {13, 15748.1320},
            // 574245.536/35.4627884 = 16192.9042; /36.5372116 = 15716.7313.
            {16, 16192.9042},
            {17, 15716.7313},
            // 1192194.17/54.5227793 = 21865.9831; /17.4772207 = 68214.1736;
            // /(25.4772207 x 0.816496581) = 57311.3413.
            {20, 21865.9831},
            {21, 68214.1736},
            {22, 57311.3413},
            {24, 21865.9831},
            {25, 68214.1736},
            {26, 57311.3413},
            {27, 57311.3413},
        });
}

// End blocks of 26 in (the bottom flange width) over 4 ft with a 2 ft transition. Station 3 lies
// 0.03 x 105 + 0.5 = 3.65 ft from the girder end, inside the end block: the web faces at x = -3
// and 3 move out to -13 and 13 with the points of the top fillet, giving
//   26 x 66.5 rectangle   A 1729 at 33.25,        own I 26 x 66.5^3/12 = 637172.521
//   taper 26 -> 42 over 2 A 68 at 67.5784314,     own I 8 (26^2 + 4 x 26 x 42 + 42^2)/(36 x 68)
//                                                       = 22.2483660
//   42 x 3.5 flange       A 147 at 70.25,         own I 42 x 3.5^3/12 = 150.0625
//   A = 1944; yb = (57489.25 + 4595.33333 + 10326.75)/1944 = 72411.3333/1944 = 37.2486283;
//   I = 637344.832 + 1729 x 3.9986283^2 + 68 x 30.3298031^2 + 147 x 33.0013717^2
//     = 637344.832 + 27645.0293 + 62552.9931 + 160096.309 = 887639.163; bw = 26.
// The strands are developed (3.65 ft > lt + 0.01 = 2.51 ft); the draped groups lie
// 34 x 3.65/47.75 = 2.598953 in below their end elevations 42, 40, 38, 36 (drape point at
// 0.45 x 105 + 0.5 = 47.75 ft): ys = (2 x 56 + 2 x (156 - 4 x 2.598953))/36 = 11.2002327 in.
TEST_F(SectionPropertiesTest, Example1InsideAnEndBlock) {
    auto d = Example();
    d->m_bIncludeEndBlocks = 1;
    d->m_dEndBlockWidth = 26;
    d->m_dEndBlockLength = 4;
    d->m_dEndBlockTransition = 2;
    Analyse(*d);
    const int i = 3;
    ExpectClose(d->m_adStationX[i], 3.15, "station 3, ft");
    EXPECT_EQ(d->m_adWebWidthAtStation[i], 26.0);
    ExpectClose(d->m_adDevelopedStrandArea[i], 5.508, "As");
    ExpectClose(d->m_adDevelopedStrandCg[i], 11.2002327, "ys");

    ExpectStation(
        *d, i,
        {
            {kSectionCaseGirder, 1944, 37.2486283, 887639.163},
            // Case 1: A = 1944 + 705.453046 = 2649.45305;
            // yb = (72411.3333 + 53614.4315)/2649.45305 = 47.5667100;
            // I = 887639.163 + 1944 x 10.3180818^2 + 3762.41624 + 705.453046 x 28.4332900^2
            //   = 887639.163 + 206963.706 + 3762.41624 + 570324.910 = 1668690.20.
            {kSectionCaseDeck, 2649.45305, 47.5667100, 1668690.20},
            {kSectionCaseOverlay, 2649.45305, 47.5667100, 1668690.20},
            // Case 3: 31.1107033 in2 at 11.2002327; A = 1975.11070;
            // yb = (348.447116 + 72411.3333)/1975.11070 = 36.8383303;
            // I = 887639.163 + 327.261555 + 26212.0603 = 914178.485.
            {kSectionCaseRelease, 1975.11070, 36.8383303, 914178.485},
            // Case 4: 27.9201497 in2; A = 1971.92015; yb = 36.8798126;
            // I = 887639.163 + 264.432634 + 23583.3220 = 911486.918.
            {kSectionCaseFinal, 1971.92015, 36.8798126, 911486.918},
            // Case 5: A = 2677.37320; yb = 47.1874736;
            // I = 911486.918 + 209512.328 + 3762.41624 + 585640.084 = 1710401.75.
            {kSectionCaseTransformedDeck, 2677.37320, 47.1874736, 1710401.75},
            {kSectionCaseTransformedOverlay, 2677.37320, 47.1874736, 1710401.75},
        },
        {
            // 887639.163/37.2486283 = 23830.1168; /34.7513717 = 25542.5648.
            {0, 23830.1168},
            {1, 25542.5648},
            // 1668690.20/47.5667100 = 35081.0513; /24.4332900 = 68295.7636;
            // /(32.4332900 x 0.816496581) = 63013.0265.
            {4, 35081.0513},
            {5, 68295.7636},
            {6, 63013.0265},
            {11, 63013.0265},
            {12, 24815.9587},
            {13, 25999.2911},
            {16, 24715.0637},
            {17, 25953.3614},
            // 1710401.75/47.1874736 = 36246.9447; /24.8125264 = 68932.9945;
            // /(32.8125264 x 0.816496581) = 63841.6482.
            {20, 36246.9447},
            {21, 68932.9945},
            {22, 63841.6482},
            {27, 63841.6482},
        });
    // Midspan lies outside the end zone and keeps the stored gross section.
    ExpectStation(*d, kStationMidspan, {{kSectionCaseGirder, 767, 36.6, 545894}}, {});
    EXPECT_EQ(d->m_adWebWidthAtStation[kStationMidspan], 6.0);
}

// ---- A design of our own
// --------------------------------------------------------------------------

// A 12 x 36 in rectangular girder (A 432, yb 18, I 12 x 36^3/12 = 46656) over a 40 ft span
// under the Standard Specifications: a 12 x 1 in haunch, a 7.5 in deck with a 0.5 in integral
// wearing surface (t_s = 7) and a 2 in overlay (t_2 = 9), deck width 100 in; flange t_f 6,
// b_tf 12, bwo 12. Moduli entered: Ec 5000, Eci 4000, deck 4000 ksi, so n_d = 0.8,
// phi_r = 28500/4000 - 1 = 6.125, phi_f = 28500/5000 - 1 = 4.7. One pair of strands at 3 in.
//   b_we = min(12 x 6 + 12, 12) = 12; deck width min(12 x 40/4 = 120, 100, 12 x 7 + 12 = 96) = 96;
//   with the overlay min(120, 100, 12 x 9 + 12 = 120) = 100.
//   hc = 36 + 1 + 7.5 + 2 - 0.5 = 46 in; deck top at 36 + 1 + 7 = 44 in.
//   haunch 0.8 x 12 x 1 = 9.6 in2 at 36.5, own I 0.8; deck 0.8 x 96 x 7 = 537.6 in2 at 40.5,
//   own I 0.8 x 96 x 7^3/12 = 2195.2; layer 0.8 x 100 x 9 = 720 in2 at 41.5, own I 4860.
class OwnDesignTest : public SectionPropertiesTest {
  protected:
    std::unique_ptr<CKordelDoc> Design() {
        auto d = Example();
        d->m_nSpecification = kSpecStandard;
        d->m_nEffWidthMethod = kEffWidthAashto;
        d->m_dDesignSpan = 40;
        d->m_dGirderLength = 41;
        d->m_dReleaseSpan = 41;
        d->m_dSectionArea = 432;
        d->m_dSectionYb = 18;
        d->m_dSectionIxx = 46656;
        d->m_dSectionHeight = 36;
        d->m_dTopFlangeThickness = 6;
        d->m_dTopFlangeWidth = 12;
        d->m_dBwo = 12;
        d->m_nWebCount = 1;
        d->m_dWebWidth = 12;
        const double outline[][2] = {{-6, 0}, {-6, 36}, {6, 36}, {6, 0}, {-6, 0}};
        d->m_nOutlinePointCount = 5;
        for (int k = 0; k < 5; ++k) {
            d->m_adOutline[k][kPointX] = outline[k][0];
            d->m_adOutline[k][kPointY] = outline[k][1];
        }
        d->m_dSectionXbar = 0;
        d->m_dSectionIyy = 0;
        d->m_dOutlineWidth = 0;
        d->m_dHaunchWidth = 12;
        d->m_dHaunchThickness = 1;
        d->m_dDeckThickness = 7.5;
        d->m_dWearingSurfaceThickness = 0.5;
        d->m_dOverlayThickness = 2;
        d->m_dDeckWidth = 100;
        d->m_nEcMethod = 3;
        d->m_dBeamEc = 5000;
        d->m_dBeamEci = 4000;
        d->m_dDeckEc = 4000;
        d->m_nStrandGroupCount = 1;
        d->m_aStrandGroup[0] = StrandGroup{{2, 3, 3, 0, 0, 0.75, 3}};
        d->RunAnalysis();
        return d;
    }
};

TEST_F(OwnDesignTest, HaunchWearingSurfaceAndOverlay) {
    const auto d = Design();
    EXPECT_EQ(d->m_dEffFlangeWidth, 96.0);
    EXPECT_EQ(d->m_dEffFlangeWidth2, 100.0);
    EXPECT_EQ(d->m_dCompositeHeight, 46.0);
    ExpectClose(d->m_dDeckModularRatio, 0.8, "n_d");
    ExpectClose(d->m_dTransformFactorRelease, 6.125, "phi_r");
    ExpectClose(d->m_dTransformFactorFinal, 4.7, "phi_f");
    // Kern of a rectangle: the middle third, 12 and 24 in.
    ExpectClose(d->m_dKernLower, 12, "lower kern");
    ExpectClose(d->m_dKernUpper, 24, "upper kern");
    const int i = kStationMidspan;
    ExpectClose(d->m_adDevelopedStrandArea[i], 0.306, "As");
    ExpectClose(d->m_adDevelopedStrandCg[i], 3, "ys");

    ExpectStation(
        *d, i,
        {
            {kSectionCaseGirder, 432, 18, 46656},
            // Case 1: A = 432 + 9.6 + 537.6 = 979.2;
            // yb = (7776 + 350.4 + 21772.8)/979.2 = 29899.2/979.2 = 30.5343137;
            // I = 46656 + 432 x 12.5343137^2 + 0.8 + 9.6 x 5.9656863^2 + 2195.2
            //     + 537.6 x 9.9656863^2 = 170456.447.
            {kSectionCaseDeck, 979.2, 30.5343137, 170456.447},
            // Case 2: A = 432 + 9.6 + 720 = 1161.6; yb = (7776 + 350.4 + 29880)/1161.6
            // = 32.7190083; I = 46656 + 432 x 14.7190083^2 + 0.8 + 9.6 x 3.7809917^2 + 4860
            // + 720 x 8.7809917^2 = 200762.684.
            {kSectionCaseOverlay, 1161.6, 32.7190083, 200762.684},
            // Case 3: 6.125 x 0.306 = 1.87425 in2 at 3; A = 433.87425;
            // yb = (5.62275 + 7776)/433.87425 = 17.9352030;
            // I = 46656 + 432 x 0.0647970^2 + 1.87425 x 14.9352030^2 = 47075.8846.
            {kSectionCaseRelease, 433.87425, 17.9352030, 47075.8846},
            // Case 4: 4.7 x 0.306 = 1.4382; A = 433.4382; yb = 7780.3146/433.4382 = 17.9502282;
            // I = 46656 + 432 x 0.0497718^2 + 1.4382 x 14.9502282^2 = 46978.5213.
            {kSectionCaseFinal, 433.4382, 17.9502282, 46978.5213},
            // Cases 5 and 6: case 4 with the layers of cases 1 and 2.
            {kSectionCaseTransformedDeck, 980.6382, 30.4939320, 171545.203},
            {kSectionCaseTransformedOverlay, 1163.0382, 32.6822581, 202031.360},
        },
        {
            // Case 1: 170456.447/30.5343137 = 5582.45548; /5.4656863 = 31186.6504;
            // deck top 44 in: /(13.4656863 x 0.8) = 15823.2232.
            {4, 5582.45548},
            {5, 31186.6504},
            {6, 15823.2232},
            // Case 2: 200762.684/32.7190083 = 6135.96484; /3.2809917 = 61189.6343;
            // deck top: /(11.2809917 x 0.8) = 22245.6821; overlay top 46 in:
            // /(13.2809917 x 0.8) = 18895.6789.
            {8, 6135.96484},
            {9, 61189.6343},
            {10, 22245.6821},
            {11, 18895.6789},
            {12, 2624.77568},
            {13, 2605.94595},
            {16, 2617.15454},
            {17, 2602.72106},
            {20, 5625.55208},
            {21, 31155.6637},
            {22, 15876.6788},
            {24, 6181.68302},
            {25, 60894.2359},
            {26, 22313.5676},
            {27, 18962.6140},
        });
    // Weak axis of the 12 x 36 rectangle: 36 x 12^3/12 = 5184 in4 about x = 6 in; width 12 in.
    EXPECT_EQ(d->m_dSectionIyy, 5184.0);
    ExpectClose(d->m_dSectionXbar, 6, "xbar");
    ExpectClose(d->m_dOutlineWidth, 12, "width");
    EXPECT_TRUE(host.Messages().empty()) << MessageTexts();
}

// ---- Developed strand area
// ------------------------------------------------------------------------

TEST_F(SectionPropertiesTest, DevelopedStrandsGrowOverTheTransferLength) {
    const auto d = Example();
    // Station 0 lies 0.5 ft from the girder end, a fifth of lt = 2.5 ft. With
    // fe0 = 0.8 x 0.75 x 270 = 162 ksi and fps = 162.01 ksi every strand carries
    // (162 x 0.5/2.5)/162.01 = 0.199987655 of its area: 5.508 x 0.199987655 = 1.10153200 in2.
    ExpectClose(d->m_adDevelopedStrandArea[kStationLeftBearing], 1.10153200, "As at 0.5 ft");
    ExpectClose(d->m_adDevelopedStrandArea[kStationRightBearing], 1.10153200, "As at 105.5 ft");
    // Beyond lt + 0.01 ft every strand counts in full.
    ExpectClose(d->m_adDevelopedStrandArea[kStationTenth], 5.508, "As at station 10");
    // The transformed case 3 follows the developed area: 767 + 5.64827583 x 1.10153200.
    ExpectClose(d->m_adAreaAtStation[kStationLeftBearing][kSectionCaseRelease],
                767 + 5.64827583 * 1.10153200, "case 3 area at station 0");
}

TEST_F(SectionPropertiesTest, StrandsAboveTheGirderAddNothing) {
    auto d = Example();
    // Group 1 (two strands, 42 in at the end, 8 in at the drape point) lifted to 80 in, above
    // the 72 in girder: midspan keeps 34 strands, As = 5.202 in2 at (152 - 16)/34 = 4 in.
    d->m_aStrandGroup[1][kGroupElevationEnd] = 80;
    d->m_aStrandGroup[1][kGroupElevationDrape] = 80;
    Analyse(*d);
    const int i = kStationMidspan;
    ExpectClose(d->m_adDevelopedStrandArea[i], 5.202, "As");
    ExpectClose(d->m_adDevelopedStrandCg[i], 4, "ys");
    // Case 4: 5.06901773 x 5.202 = 26.3690302 in2 at 4 in; A = 793.369030;
    // yb = (105.476121 + 28072.2)/793.369030 = 35.5161578; the lifted group adds no inertia:
    // I = 545894 + 767 x 1.0838422^2 + 5.06901773 x 0.306 x (sum over the other 17 groups).
    ExpectClose(d->m_adAreaAtStation[i][kSectionCaseFinal], 767 + 5.06901773 * 5.202, "A");
    const double y = (5.06901773 * 5.202 * 4 + 767 * 36.6) / (767 + 5.06901773 * 5.202);
    ExpectClose(d->m_adCentroidAtStation[i][kSectionCaseFinal], y, "yb");
    const double drape[] = {2, 6, 4, 2, 8, 6, 6, 6, 4, 4, 4, 4, 4, 2, 2, 2, 2};
    double steel = 0;
    for (double e : drape) steel += 0.306 * (y - e) * (y - e);
    ExpectClose(d->m_adInertiaAtStation[i][kSectionCaseFinal],
                545894 + 767 * (y - 36.6) * (y - 36.6) + 5.06901773 * steel, "I");
}

// ---- Effective width by method and specification ------------------------------------------------

TEST_F(SectionPropertiesTest, EffectiveWidthByMethodAndSpecification) {
    // Example 1: L = 105 ft, S = 9 ft, deck width 108, t_s = 8, t_f = 2.5, b_tf = 42, bwo = 6.
    struct Row {
        const char* what;
        int method;
        int specification;
        double user;
        double deck, overlay;
    };
    const Row rows[] = {
        // LRFD, AASHTO: the deck width whatever the span.
        {"LRFD AASHTO", kEffWidthAashto, kSpecLrfd, 0, 108, 108},
        // Standard: b_we = min(30 + 6, 42) = 36; min(315, 108, 96 + 36 = 132) = 108.
        {"Standard AASHTO", kEffWidthAashto, kSpecStandard, 0, 108, 108},
        // Caltrans: S/L = 9/105 = 0.0857 <= 0.32: the deck width.
        {"Caltrans", kEffWidthCaltrans, kSpecLrfd, 0, 108, 108},
        {"user", kEffWidthUser, kSpecLrfd, 77.5, 77.5, 77.5},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        auto d = Example();
        d->m_nEffWidthMethod = r.method;
        d->m_nSpecification = r.specification;
        d->m_dUserEffWidth = r.user;
        d->RunAnalysis();
        EXPECT_EQ(d->m_dEffFlangeWidth, r.deck);
        EXPECT_EQ(d->m_dEffFlangeWidth2, r.overlay);
    }

    // An unknown method leaves the widths of the last run: 77.5 from the user's width.
    {
        auto d = Example();
        d->m_nEffWidthMethod = kEffWidthUser;
        d->m_dUserEffWidth = 77.5;
        d->RunAnalysis();
        d->m_nEffWidthMethod = 7;
        d->m_dUserEffWidth = 60;
        d->RunAnalysis();
        EXPECT_EQ(d->m_dEffFlangeWidth, 77.5);
        EXPECT_EQ(d->m_dEffFlangeWidth2, 77.5);
    }

    // LRFD ignores the span: a 10 ft span still gets the 108 in deck width, where the
    // Standard Specifications take 12 x 10/4 = 30 in.
    auto d = Example();
    d->m_dDesignSpan = 10;
    d->m_dGirderLength = 11;
    d->RunAnalysis();
    EXPECT_EQ(d->m_dEffFlangeWidth, 108.0);
    d->m_nSpecification = kSpecStandard;
    d->RunAnalysis();
    EXPECT_EQ(d->m_dEffFlangeWidth, 30.0);
    EXPECT_EQ(d->m_dEffFlangeWidth2, 30.0);
    // The cases take the effective width: case 1 at midspan with b = 30 in,
    // deck 0.816496581 x 30 x 8 = 195.959179 in2 at 76 in.
    ExpectClose(d->m_adAreaAtStation[kStationMidspan][kSectionCaseDeck], 767 + 195.959179, "A1");
}

TEST_F(SectionPropertiesTest, NonCompositeDeckEntersWithRatioOne) {
    auto d = Example();
    d->m_bCompositeDeck = 0;
    d->RunAnalysis();
    EXPECT_EQ(d->m_dDeckModularRatio, 1.0);
    // Case 1 at midspan with n_d = 1: A = 767 + 108 x 8 = 1631;
    // yb = (28072.2 + 864 x 76)/1631 = 93736.2/1631 = 57.4716125;
    // I = 545894 + 767 x 20.8716125^2 + 4608 + 864 x 18.5283875^2
    //   = 545894 + 334123.768 + 4608 + 296612.188 = 1181237.96;
    // deck top modulus I/((80 - yb) x 1).
    const int i = kStationMidspan;
    const double y = 93736.2 / 1631;
    const double I = 545894 + 767 * (y - 36.6) * (y - 36.6) + 4608 + 864 * (76 - y) * (76 - y);
    ExpectClose(y, 57.4716125, "hand yb");
    ExpectClose(I, 1181237.96, "hand I");
    ExpectStation(*d, i, {{kSectionCaseDeck, 1631, y, I}, {kSectionCaseOverlay, 1631, y, I}},
                  {{6, I / (80 - y)}, {11, I / (80 - y)}});
}

// ---- What the stage leaves alone --------------------------------------------------------------

TEST_F(SectionPropertiesTest, ModulusSlotsWithoutAFibreAreNeverWritten) {
    auto d = Example();
    const int untouched[] = {2, 3, 7, 14, 15, 18, 19, 23};
    for (int i = 0; i < kStationCount; ++i) {
        for (int s : untouched) d->m_adSectionModulusAtStation[i][s] = 1234.5;
    }
    d->RunAnalysis();
    for (int i = 0; i < kStationCount; ++i) {
        for (int s : untouched) {
            ASSERT_EQ(d->m_adSectionModulusAtStation[i][s], 1234.5) << i << " " << s;
        }
    }
    EXPECT_EQ(SectionModulusSlot(kSectionCaseTransformedOverlay, kFibreOverlayTop), 27);
    EXPECT_EQ(SectionModulusSlot(kSectionCaseRelease, kFibreGirderTop), 13);
}

// ---- Weak-axis properties
// -------------------------------------------------------------------------

TEST_F(SectionPropertiesTest, WeakAxisComputedWhileNotGivenAndRounded) {
    // BT-72: Iyy = 37634.333 in4 about x = 21 in (see the polygon pieces in
    // aashto_section_test), kept as 37634.
    auto d = Example();
    EXPECT_EQ(d->m_dSectionIyy, 37634.0);
    EXPECT_EQ(d->m_dSectionXbar, 21.0);
    EXPECT_EQ(d->m_dOutlineWidth, 42.0);

    struct Row {
        const char* what;
        double iyy, xbar, width;  // given before the run
        double iyyAfter, xbarAfter, widthAfter;
    };
    const Row rows[] = {
        {"given Iyy is rounded down", 12345.4, 21, 42, 12345, 21, 42},
        {"a half rounds up", 12345.5, 21, 42, 12346, 21, 42},
        {"Iyy 0 is computed", 0, 21, 42, 37634, 21, 42},
        {"Iyy 1 is computed", 1, 21, 42, 37634, 21, 42},
        // A given centroid 1 in off the centreline: Iyy = 37634.333 + 767 x 1^2 = 38401.333.
        {"given xbar moves the axis", 0, 22, 42, 38401, 22, 42},
        {"given width is kept", 0, 0, 40, 37634, 21, 40},
        {"a width of 1 is computed", 0, 0, 1, 37634, 21, 42},
        {"not a number is computed", std::nan(""), std::nan(""), std::nan(""), 37634, 21, 42},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        d->m_dSectionIyy = r.iyy;
        d->m_dSectionXbar = r.xbar;
        d->m_dOutlineWidth = r.width;
        d->RunAnalysis();
        EXPECT_EQ(d->m_dSectionIyy, r.iyyAfter);
        EXPECT_DOUBLE_EQ(d->m_dSectionXbar, r.xbarAfter);
        EXPECT_DOUBLE_EQ(d->m_dOutlineWidth, r.widthAfter);
    }
}

TEST_F(SectionPropertiesTest, WeakAxisOfTheBoxBeamNetsTheVoid) {
    // Example 2: 352327.735 - 122193.667 = 230134.068 in4 (aashto_section_test), about the
    // centreline 24 in from the left, width 48 in.
    const auto d = Example(2);
    EXPECT_EQ(d->m_dSectionIyy, 230134.0);
    EXPECT_DOUBLE_EQ(d->m_dSectionXbar, 24.0);
    EXPECT_DOUBLE_EQ(d->m_dOutlineWidth, 48.0);
    // No deck: n_d = 1 and the deck layers have no width or thickness, so the composite cases
    // repeat the girder: case 1 = case 0 = the stored 813, 19.29, 168367.
    EXPECT_EQ(d->m_dDeckModularRatio, 1.0);
    ExpectStation(
        *d, kStationMidspan,
        {{kSectionCaseGirder, 813, 19.29, 168367}, {kSectionCaseDeck, 813, 19.29, 168367}},
        {{0, 168367 / 19.29}, {1, 168367 / (39 - 19.29)}});
}

// ---- Guards -------------------------------------------------------------------------------------

TEST_F(SectionPropertiesTest, UnusableInputsGiveNeutralValuesAndOneMessageEach) {
    struct Row {
        const char* what;
        void (*change)(CKordelDoc&);
        const char* message;  // start of the message expected
    };
    const Row rows[] = {
        {"Eci 0",
         [](CKordelDoc& d) {
             d.m_nEcMethod = 3;
             d.m_dBeamEci = 0;
         },
         "Ep/Eci - 1 cannot be computed"},
        {"Ec 0",
         [](CKordelDoc& d) {
             d.m_nEcMethod = 3;
             d.m_dBeamEc = 0;
         },
         "Ep/Ec - 1 cannot be computed"},
        {"centroid at the bottom", [](CKordelDoc& d) { d.m_dSectionYb = 0; },
         "The kern points cannot be computed"},
        {"no span for Caltrans",
         [](CKordelDoc& d) {
             d.m_nEffWidthMethod = kEffWidthCaltrans;
             d.m_dDesignSpan = 0;
         },
         "The Caltrans effective deck width needs a design span"},
        {"no gross area", [](CKordelDoc& d) { d.m_dSectionArea = 0; },
         "The kern points cannot be computed"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        auto d = Example();
        host.ClearMessages();
        r.change(*d);
        d->RunAnalysis();
        ExpectAllFinite(*d);
        bool found = false;
        for (const auto& m : host.Messages()) {
            if (m.text.rfind(r.message, 0) == 0) {
                EXPECT_FALSE(found) << "shown twice: " << m.text;
                found = true;
            }
        }
        EXPECT_TRUE(found) << MessageTexts();
    }
}

TEST_F(SectionPropertiesTest, NeutralValuesOfTheGuards) {
    auto d = Example();
    d->m_nEcMethod = 3;
    d->m_dBeamEc = 0;
    d->RunAnalysis();
    // Ec 0: the strands are not transformed at final (case 4 = case 0) and the deck ratio is 1.
    EXPECT_EQ(d->m_dTransformFactorFinal, 0.0);
    EXPECT_EQ(d->m_dDeckModularRatio, 1.0);
    ExpectStation(*d, kStationMidspan, {{kSectionCaseFinal, 767, 36.6, 545894}}, {});

    // A centroid at the girder bottom: the kern points at the centroid, the bottom moduli 0.
    d = Example();
    d->m_dSectionYb = 0;
    d->RunAnalysis();
    EXPECT_EQ(d->m_dKernLower, 0.0);
    EXPECT_EQ(d->m_dKernUpper, 0.0);
    EXPECT_EQ(d->m_adSectionModulusAtStation[kStationMidspan][0], 0.0);
    ExpectClose(d->m_adSectionModulusAtStation[kStationMidspan][1], 545894.0 / 72, "St");
    bool shown = false;
    for (const auto& m : host.Messages()) {
        shown |= m.text.rfind("A section modulus of section case 0", 0) == 0;
    }
    EXPECT_TRUE(shown) << MessageTexts();
}

TEST_F(SectionPropertiesTest, BlankDesignAnalysesSilently) {
    // The constructor's design of File New has no section yet: nothing to compute, nothing to
    // report, and still no result that is not a number.
    frame.m_nSeedChoice = 0;
    auto d = NewDoc();
    d->OnNewDocument();
    ExpectAllFinite(*d);
    EXPECT_EQ(d->m_dSectionIyy, 0.0);
    EXPECT_EQ(d->m_adAreaAtStation[kStationMidspan][kSectionCaseTransformedOverlay], 0.0);
    EXPECT_TRUE(host.Messages().empty()) << MessageTexts();
}

TEST_F(SectionPropertiesTest, EveryExampleAnalysesCleanly) {
    for (int n = 1; n <= 4; ++n) {
        SCOPED_TRACE("example " + std::to_string(n));
        host.ClearMessages();
        const auto d = Example(n);
        ExpectAllFinite(*d);
        EXPECT_TRUE(host.Messages().empty()) << MessageTexts();
        // Every station has a section of positive area and stiffness in every case.
        for (int i = 0; i < kStationCount; ++i) {
            for (int k = 0; k < kSectionCaseCount; ++k) {
                ASSERT_GT(d->m_adAreaAtStation[i][k], 0.0) << i << " " << k;
                ASSERT_GT(d->m_adInertiaAtStation[i][k], 0.0) << i << " " << k;
            }
        }
    }
}

TEST_F(SectionPropertiesTest, PostTensionedExampleTransformsItsTendons) {
    // Example 4: six tendons of 12 strands of 0.217 in2 (2.604 in2 each, as the tendon stage
    // gives them); each tendon's developed area and elevation at midspan enters case 4 with the
    // pretensioned groups, I adding phi a_t (yb - e_t)^2 per tendon.
    auto d = Example(4);
    for (int t = 0; t < d->m_nTendonCount; ++t) d->m_afTendonArea[t] = 12 * 0.217f;
    d->RunAnalysis();
    const int i = kStationMidspan;
    double As = 0.0;
    double moment = 0.0;
    for (int g = 0; g < d->m_nStrandGroupCount; ++g) {
        As += d->m_aStrandRowDevelopment[g][kDevArea + i];
        moment += d->m_aStrandRowDevelopment[g][kDevArea + i] *
                  d->m_aStrandRowDevelopment[g][kDevElevation + i];
    }
    double tendons = 0.0;
    for (int t = 0; t < d->m_nTendonCount; ++t) {
        tendons += d->m_aTendonDevelopment[t][kDevArea + i];
        As += d->m_aTendonDevelopment[t][kDevArea + i];
        moment += d->m_aTendonDevelopment[t][kDevArea + i] *
                  d->m_aTendonDevelopment[t][kDevElevation + i];
    }
    ASSERT_GT(tendons, 0.0) << "the tendons count at midspan";
    ExpectClose(d->m_adDevelopedStrandArea[i], As, "As with tendons");
    const double phi = d->m_dTransformFactorFinal;
    const double A0 = d->m_adAreaAtStation[i][kSectionCaseGirder];
    const double y0 = d->m_adCentroidAtStation[i][kSectionCaseGirder];
    const double y = (phi * moment + A0 * y0) / (A0 + phi * As);
    double I = d->m_adInertiaAtStation[i][kSectionCaseGirder] + A0 * (y - y0) * (y - y0);
    for (int g = 0; g < d->m_nStrandGroupCount; ++g) {
        const double e = d->m_aStrandRowDevelopment[g][kDevElevation + i];
        I += phi * d->m_aStrandRowDevelopment[g][kDevArea + i] * (y - e) * (y - e);
    }
    for (int t = 0; t < d->m_nTendonCount; ++t) {
        const double e = d->m_aTendonDevelopment[t][kDevElevation + i];
        I += phi * d->m_aTendonDevelopment[t][kDevArea + i] * (y - e) * (y - e);
    }
    ExpectClose(d->m_adAreaAtStation[i][kSectionCaseFinal], A0 + phi * As, "A4");
    ExpectClose(d->m_adCentroidAtStation[i][kSectionCaseFinal], y, "yb4");
    ExpectClose(d->m_adInertiaAtStation[i][kSectionCaseFinal], I, "I4");
}

}  // namespace
}  // namespace kordel::test
