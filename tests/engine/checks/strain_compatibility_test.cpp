// Flexural strength by strain compatibility: the material laws, the section width, the force
// balance of the example designs against the code formulas, and what a station that cannot be
// solved keeps.
#include "engine/checks/strain_compatibility.h"

#include <gtest/gtest.h>

#include <cmath>

#include "test_support.h"

namespace kordel {
namespace {

using test::EngineTest;

// ---- Material laws and section width ------------------------------------------------------------

// Deck concrete of example 1: f'c 4 ksi, Ec 3834 ksi.
//   n = 0.4 x 4 + 0.8 = 2.4; e0 = (2.4 / 1.4) x 4 / 3834 = 0.00178851; k = 4000/9000 + 0.67
//   = 1.11444 e = e0:      r = 1, f = f'c n / n = 4.0 e = e0 / 2:  r = 0.5, f = 4 x 2.4 x 0.5 /
//   (1.4 + 0.5^2.4) = 4.8 / 1.589463 = 3.019885 e = 0.003:   r = 1.677376, r^(n k) = r^2.674667
//   = 3.988399,
//                f = 4 x 2.4 x 1.677376 / (1.4 + 3.988399) = 2.988358
TEST(StrainCompatLaws, ConcreteCurve) {
    const ConcreteCurve curve = ConcreteCurve::Of(4.0, 3834.0);
    EXPECT_NEAR(curve.n, 2.4, 1e-12);
    EXPECT_NEAR(curve.e0, 0.00178851, 1e-8);
    EXPECT_NEAR(curve.k, 1.114444, 1e-6);
    EXPECT_NEAR(curve.Stress(curve.e0), 4.0, 1e-12);
    EXPECT_NEAR(curve.Stress(curve.e0 / 2.0), 3.019885, 1e-6);
    EXPECT_NEAR(curve.Stress(0.003), 2.988358, 1e-6);
    EXPECT_EQ(curve.Stress(0.0), 0.0);     // no strain
    EXPECT_EQ(curve.Stress(-0.001), 0.0);  // tension: concrete carries none
    // k is at least 1: f'c 2 ksi gives 2000/9000 + 0.67 = 0.892, raised to 1.
    EXPECT_EQ(ConcreteCurve::Of(2.0, 2700.0).k, 1.0);
    // A concrete without modulus, or too weak for a peak (n <= 1 below 0.5 ksi), gives no stress
    // rather than a division by zero.
    EXPECT_EQ(ConcreteCurve::Of(4.0, 0.0).Stress(0.002), 0.0);
    EXPECT_EQ(ConcreteCurve::Of(0.4, 1000.0).Stress(0.002), 0.0);
}

// Power formula, fpu 270 ksi:
//   e = 0.005: (112.4 x 0.005)^7.36 = 0.562^7.36 = 0.0143911; (1.0143911)^(1/7.36) = 1.0019432;
//              f = 0.005 (887 + 27613 / 1.0019432) = 142.232 ksi
//   e = 0.010: 1.124^7.36 = 2.36..., f = 243.040 ksi
//   e = 0.05:  beyond fpu, held at 270; the same in compression
TEST(StrainCompatLaws, StrandPowerFormula) {
    struct Case {
        double e, f;
    } cases[] = {
        {0.005, 142.232},   {0.010, 243.040}, {0.05, 270.0},
        {-0.005, -142.232}, {-0.05, -270.0},  {0.0, 0.0},
    };
    for (const Case& c : cases) EXPECT_NEAR(StrandPowerStress(c.e, 270.0), c.f, 1e-3) << c.e;
}

TEST(StrainCompatLaws, PolygonWidth) {
    // I-shape, closed: bottom flange 26 wide from 0 to 6, web 6 wide to 66, top flange 42 wide
    // to 72.
    const double I[][2] = {{-13, 0},  {13, 0},   {13, 6},  {3, 6},  {3, 66},  {21, 66}, {21, 72},
                           {-21, 72}, {-21, 66}, {-3, 66}, {-3, 6}, {-13, 6}, {-13, 0}};
    // Inverted channel, not closed: two stems 6 wide from 0 to 20 under a slab 48 wide to 28.
    const double U[][2] = {{-24, 0}, {-18, 0}, {-18, 20}, {18, 20},
                           {18, 0},  {24, 0},  {24, 28},  {-24, 28}};
    struct Case {
        const char* what;
        int count;
        const double (*points)[2];
        double y, width;
    } cases[] = {
        {"bottom flange", 13, I, 3.0, 26.0},
        {"web", 13, I, 30.0, 6.0},
        {"top flange", 13, I, 70.0, 42.0},
        // A line through the flange-to-web corners takes the part above it, once.
        {"at the web's foot", 13, I, 6.0, 6.0},
        {"below the section", 13, I, -1.0, 0.0},
        {"both stems", 8, U, 10.0, 12.0},
        {"slab over the stems", 8, U, 25.0, 48.0},
        {"two points are no polygon", 2, U, 10.0, 0.0},
    };
    for (const Case& c : cases)
        EXPECT_NEAR(PolygonWidthAt(c.count, c.points, c.y), c.width, 1e-12) << c.what;
}

// ---- Whole designs
// -------------------------------------------------------------------------------

class StrainCompat : public EngineTest {
  protected:
    /// Example `n` analysed with strain compatibility on.
    std::unique_ptr<CKordelDoc> Analysed(int n, bool strainCompatibility = true) {
        auto doc = NewDoc();
        EXPECT_TRUE(doc->BuildExampleDesign(n));
        doc->m_bStrainCompatibility = strainCompatibility ? 1 : 0;
        doc->RunAnalysis();
        return doc;
    }
};

// Example 1 at mid-span is tension-controlled: 36 strands in a 108-in wide, 8-in deck.
// Code formulas (LRFD 6th ed. Art. 5.7.3.1.1 and 5.7.3.2.2), rectangular section:
//   Aps = 36 x 0.153 = 5.508 in2; strand centroid (12 x 2 + 12 x 4 + 8 x 6 + 4 x 8) / 36
//   = 4.222 in; dp = 80 - 4.222 = 75.778 in; deck f'c 4 ksi: alpha1 = beta1 = 0.85; k = 0.28
//   c  = 5.508 x 270 / (0.85 x 4 x 0.85 x 108 + 0.28 x 5.508 x 270 / 75.778)
//      = 1487.16 / (312.12 + 5.495) = 4.682 in  (< hf = 8: rectangular)
//   fps = 270 (1 - 0.28 x 4.682 / 75.778) = 265.33 ksi; a = 0.85 x 4.682 = 3.980 in
//   Mn = 5.508 x 265.33 x (75.778 - 3.980 / 2) / 12 = 8986 k-ft; phi = 1.0
// Strain compatibility lands within 3 %: with c/dp = 0.06 the strands run far past yield, where
// the power formula and the code's fps = fpu (1 - k c/dp) differ by 1 to 2 %, and the curved
// concrete block moves the lever arm by a fraction of c, well under 1 % of dp.
TEST_F(StrainCompat, AgreesWithTheCodeFormulasOnATensionControlledSection) {
    auto doc = Analysed(1);
    const StrainCompatResult& r = doc->m_aStrainCompat[kStationMidspan];
    ASSERT_EQ(r.m_anConverged[kFlexurePositive], 1);
    const double phiMn = doc->m_aFlexureMn[kStationMidspan][kFlexurePositive];
    EXPECT_NEAR(phiMn, 8986.0, 0.03 * 8986.0);
    EXPECT_EQ(doc->m_aFlexurePhi[kStationMidspan][kFlexurePositive], 1.0);
    EXPECT_NEAR(doc->m_aFlexureMr[kStationMidspan][kFlexurePositive], phiMn, 1e-9);
    EXPECT_NEAR(doc->m_aFlexureC[kStationMidspan][kFlexurePositive], 4.682, 0.05 * 4.682);
    // The tension resultant is the strand centroid; the forces balance and, with no steel in
    // compression, Mn is the steel force on the lever arm (within the balance tolerance).
    EXPECT_NEAR(r.m_adTensionDepth[kFlexurePositive], 75.778, 1e-3);
    EXPECT_NEAR(r.m_adConcreteForce[kFlexurePositive], r.m_adSteelForce[kFlexurePositive],
                1e-3 * r.m_adConcreteForce[kFlexurePositive]);
    EXPECT_NEAR(phiMn, r.m_adSteelForce[kFlexurePositive] * r.m_adLeverArm[kFlexurePositive] / 12.0,
                2e-3 * phiMn);
    EXPECT_EQ(r.m_adCompressionArea[kFlexurePositive], 0.0);
    EXPECT_NEAR(r.m_adTensionArea[kFlexurePositive], 5.508, 1e-9);
    // The strands are past the power formula's reach: fps = fpu at nominal strength.
    EXPECT_NEAR(doc->m_aFlexureFps[kStationMidspan][kFlexurePositive], 270.0, 1e-9);
}

bool Finite(double v) {
    return std::isfinite(v);
}

// Every station of every example balances: the simple spans in positive moment, the continuous
// example 3 in both; all results are numbers, c lies within the section, and the smallest Mr/Mu
// is the smallest over stations 0 to 100 with a positive Mu.
TEST_F(StrainCompat, EveryStationOfTheExamplesBalances) {
    for (int n = 1; n <= 4; ++n) {
        SCOPED_TRACE(n);
        auto doc = Analysed(n);
        EXPECT_EQ(doc->m_nStrainCompatFailures, 0);
        const double D = doc->m_dSectionHeight + doc->m_dHaunchThickness +
                         (doc->m_bCompositeDeck ? doc->m_dDeckThickness : 0.0) -
                         doc->m_dWearingSurfaceThickness;
        const int signs = doc->m_bContinuous == 1 ? 2 : 1;
        for (int i = 0; i < kStationCount; ++i) {
            SCOPED_TRACE(i);
            const StrainCompatResult& r = doc->m_aStrainCompat[i];
            for (int s = 0; s < signs; ++s) {
                EXPECT_EQ(r.m_anConverged[s], 1) << "sign " << s;
                EXPECT_EQ(r.m_anConcreteDone[s], 1) << "sign " << s;
                const double c = doc->m_aFlexureC[i][s];
                EXPECT_GT(c, 0.0);
                EXPECT_LT(c, D);
                EXPECT_GT(doc->m_aFlexureMr[i][s], 0.0);
                EXPECT_GE(doc->m_aFlexurePhi[i][s], 0.75);
                EXPECT_LE(doc->m_aFlexurePhi[i][s], 1.0);
            }
            for (int s = 0; s < kFlexureSignCount; ++s) {
                for (double v :
                     {doc->m_aFlexureC[i][s], doc->m_aFlexurePhi[i][s], doc->m_aFlexureMn[i][s],
                      doc->m_aFlexureMr[i][s], doc->m_aFlexureDepthRatio[i][s],
                      doc->m_aFlexureMrMuRatio[i][s], doc->m_aFlexureMrMcrRatio[i][s],
                      doc->m_aFlexureFps[i][s], r.m_adConcreteForce[s], r.m_adConcreteDepth[s],
                      r.m_adCompressionDepth[s], r.m_adLeverArm[s], r.m_adTensionDepth[s],
                      r.m_adPrestressStress[s]}) {
                    EXPECT_TRUE(Finite(v)) << "sign " << s;
                }
            }
        }
        const int at = MinFlexureRatioStation(doc->m_adMinFlexureRatio);
        ASSERT_GE(at, 0);
        ASSERT_LE(at, kStationRightBearing);
        const double smallest = doc->m_adMinFlexureRatio[kMinRatioValue];
        EXPECT_EQ(smallest, doc->m_aFlexureMrMuRatio[at][kFlexurePositive]);
        for (int i = 0; i <= kStationRightBearing; ++i) {
            if (doc->m_aMuFlexure[i][kStrengthIPositive] > 0.0) {
                EXPECT_GE(doc->m_aFlexureMrMuRatio[i][kFlexurePositive], smallest) << i;
            }
        }
    }
}

// On a simple span the negative-moment entries hold no strength; a zero factored moment gives
// Mr/Mu 99.99 (station 0 of example 1 sits on the bearing).
TEST_F(StrainCompat, SimpleSpanNegativeEntriesAndZeroMoment) {
    auto doc = Analysed(1);
    for (int i = 0; i < kStationCount; ++i) {
        EXPECT_EQ(doc->m_aFlexureMr[i][kFlexureNegative], 0.0) << i;
        EXPECT_EQ(doc->m_aFlexureMn[i][kFlexureNegative], 0.0) << i;
        EXPECT_EQ(doc->m_aFlexureMrMuRatio[i][kFlexureNegative], 0.0) << i;
        EXPECT_EQ(doc->m_aFlexurePhi[i][kFlexureNegative], doc->m_dPhiFlexure) << i;
        EXPECT_EQ(doc->m_aStrainCompat[i].m_anConverged[kFlexureNegative], 0) << i;
    }
    ASSERT_EQ(doc->m_aMuFlexure[kStationLeftBearing][kStrengthIPositive], 0.0);
    EXPECT_EQ(doc->m_aFlexureMrMuRatio[kStationLeftBearing][kFlexurePositive], 99.99);
}

// Under the Standard Specifications phi stays the design's phi for flexure (0.95 here, which
// no strain rule gives a tension-controlled section), with no cap on Mr.
TEST_F(StrainCompat, StandardSpecificationsKeepTheDesignPhi) {
    auto lrfd = Analysed(1);
    auto doc = NewDoc();
    ASSERT_TRUE(doc->BuildExampleDesign(1));
    doc->m_nSpecification = kSpecStandard;
    doc->m_nSpecEdition = 0;
    doc->SetDefaultFactors();
    doc->m_dPhiFlexure = 0.95;
    doc->m_bStrainCompatibility = 1;
    doc->RunAnalysis();
    ASSERT_EQ(doc->m_nStrainCompatFailures, 0);
    for (int i = 0; i <= kStationRightBearing; ++i) {
        EXPECT_EQ(doc->m_aFlexurePhi[i][kFlexurePositive], 0.95) << i;
        // No maximum-reinforcement cap: Mr is phi Mn itself.
        EXPECT_EQ(doc->m_aFlexureMr[i][kFlexurePositive], doc->m_aFlexureMn[i][kFlexurePositive]);
    }
    // The same section and steel: Mr is 0.95 of the LRFD value (phi 1.0 there), to the few
    // tenths of a percent by which the losses of the two specifications move fpe.
    EXPECT_NEAR(doc->m_aFlexureMr[kStationMidspan][kFlexurePositive],
                0.95 * lrfd->m_aFlexureMr[kStationMidspan][kFlexurePositive],
                0.005 * lrfd->m_aFlexureMr[kStationMidspan][kFlexurePositive]);
}

// The concrete force of a composite deck stops at the compression face, below the integral
// wearing surface: with a 0.5-in wearing surface the face lies at 72 + 8 - 0.5 = 79.5 in; with
// the neutral axis at 75 in, c = 4.5 in of the 108-in deck is in compression (deck f'c 4, Ec
// 3834, ecu 0.003). Integrating the curve above over 0 to ecu (numerically, 200 000 steps):
// mean stress 3.02019 ksi, so Cc = 108 x 4.5 x 3.02019 = 1467.81 kip, its resultant 1.9277 in
// below the face, at 77.572 in.
TEST_F(StrainCompat, DeckConcreteStopsBelowTheWearingSurface) {
    auto doc = Analysed(1);
    doc->m_dDeckFc = 4.0;
    doc->m_dDeckEc = 3834.0;
    doc->m_dWearingSurfaceThickness = 0.5;
    StrainCompatibility& solver = TheStrainCompatibility();
    solver.ComputeFlexuralStrength(doc.get());  // sets the curves
    double Cc = 0.0, yc = 0.0;
    ASSERT_EQ(solver.SumConcreteForce(*doc, 75.0, true, kStationMidspan, 0.1, Cc, yc), 1);
    EXPECT_NEAR(Cc, 1467.81, 1e-3 * 1467.81);
    EXPECT_NEAR(yc, 77.572, 2e-3);
}

// Bars of a deck that does not act with the girder take no part: example 2's box beams carry no
// composite deck, and deck bars 44 in up (39-in box + 5 in) leave the strength as it was.
TEST_F(StrainCompat, BarsOfANonCompositeDeckTakeNoPart) {
    auto doc = Analysed(2);
    ASSERT_EQ(doc->m_bCompositeDeck, 0);
    const double before = doc->m_aFlexureMr[kStationMidspan][kFlexurePositive];
    double* row = doc->m_adDeckRebarRows[0];
    row[kRebarRowBars] = 10;
    row[kRebarRowBarSize] = 5;
    row[kRebarRowElevation] = 5.0;
    row[kRebarRowStart] = 0.0;
    row[kRebarRowEnd] = doc->m_dGirderLength;
    doc->m_nDeckRebarRowCount = 1;
    doc->RunAnalysis();
    ASSERT_GT(doc->m_aSteelLayer[doc->m_nSteelLayers - 1].m_adTensionArea[kStationMidspan], 0.0);
    EXPECT_EQ(doc->m_aFlexureMr[kStationMidspan][kFlexurePositive], before);
}

// A station that cannot be solved is flagged and keeps the code-formula strength, never a
// partial search's value: (a) no girder outline to integrate, (b) a concrete without a
// stress-strain curve, whose force can never balance the steel.
TEST_F(StrainCompat, AStationThatCannotBeSolvedKeepsTheCodeFormulas) {
    struct Case {
        const char* what;
        void (*breakDesign)(CKordelDoc&);
        int concreteDone;
    } cases[] = {
        {"no outline", [](CKordelDoc& d) { d.m_nOutlinePointCount = 0; }, 0},
        {"no concrete curve",
         [](CKordelDoc& d) {
             d.m_dBeamEc = 0.0;
             d.m_dDeckEc = 0.0;
         },
         1},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.what);
        auto doc = Analysed(3, false);  // code formulas only
        auto codeMr = std::make_unique<double[]>(kStationCount * 2);
        auto codeC = std::make_unique<double[]>(kStationCount * 2);
        for (int i = 0; i < kStationCount; ++i) {
            for (int s = 0; s < 2; ++s) {
                codeMr[i * 2 + s] = doc->m_aFlexureMr[i][s];
                codeC[i * 2 + s] = doc->m_aFlexureC[i][s];
            }
        }
        doc->BuildSteelLayers();
        k.breakDesign(*doc);
        TheStrainCompatibility().ComputeFlexuralStrength(doc.get());
        // Example 3 is continuous and has steel in tension at every station for both signs.
        EXPECT_EQ(doc->m_nStrainCompatFailures, 2 * kStationCount);
        for (int i = 0; i < kStationCount; ++i) {
            for (int s = 0; s < 2; ++s) {
                const StrainCompatResult& r = doc->m_aStrainCompat[i];
                EXPECT_EQ(r.m_anConverged[s], 0);
                EXPECT_EQ(r.m_anConcreteDone[s], k.concreteDone);
                EXPECT_EQ(doc->m_aFlexureMr[i][s], codeMr[i * 2 + s]) << i << " " << s;
                EXPECT_EQ(doc->m_aFlexureC[i][s], codeC[i * 2 + s]) << i << " " << s;
                EXPECT_TRUE(Finite(r.m_adConcreteForce[s]) && Finite(r.m_adLeverArm[s]));
            }
        }
    }
}

// A station with no steel in tension is not solved: its strength is 0 and phi the design's.
TEST_F(StrainCompat, AStationWithoutSteelIsSkipped) {
    auto doc = Analysed(1);
    for (int k = 0; k < doc->m_nSteelLayers; ++k)
        doc->m_aSteelLayer[k].m_adTensionArea[kStationMidspan] = 0.0;
    TheStrainCompatibility().ComputeFlexuralStrength(doc.get());
    EXPECT_EQ(doc->m_nStrainCompatFailures, 0);
    EXPECT_EQ(doc->m_aStrainCompat[kStationMidspan].m_anConverged[kFlexurePositive], 0);
    EXPECT_EQ(doc->m_aFlexureMr[kStationMidspan][kFlexurePositive], 0.0);
    EXPECT_EQ(doc->m_aFlexureC[kStationMidspan][kFlexurePositive], 0.0);
    EXPECT_EQ(doc->m_aFlexurePhi[kStationMidspan][kFlexurePositive], doc->m_dPhiFlexure);
}

// Steel inside the compression zone stands where the concrete force counts concrete: its force
// is relieved by the concrete stress at its level, whether the steel is in compression (a bar)
// or still in tension from its prestrain (a strand). Deck concrete f'c 4, Ec 3834 (the curve
// above); neutral axis c = 10 in below the top; ecu 0.003.
//   strand 2 in deep, 1 in2, fpe 150 ksi: e = 150/28500 + (2 - 10) 0.003/10 = 0.0028632,
//     power formula 81.597 ksi; concrete at 0.003 x 8/10 = 0.0024: 3.582 ksi; force 85.180 kip
//   bar 3 in deep, 1 in2: (3 - 10) 0.003/10 x 29000 = -60.9, held at -60 ksi; concrete at
//     0.0021: 3.839 ksi; force -56.161 kip
//   sum 29.019 kip; the strand counts as tension steel, the bar as compression steel.
TEST_F(StrainCompat, SteelInTheCompressionZoneIsRelievedByTheConcrete) {
    auto doc = Analysed(1);
    doc->m_dDeckFc = 4.0;
    doc->m_dDeckEc = 3834.0;
    TheStrainCompatibility().ComputeFlexuralStrength(doc.get());  // sets the curves

    doc->m_nSteelLayers = 2;
    SteelLayer& strand = doc->m_aSteelLayer[0];
    strand = SteelLayer{};
    strand.m_nKind = kLayerStrand;
    strand.m_adElevation[kStationMidspan] = 78.0;
    strand.m_adTensionArea[kStationMidspan] = 1.0;
    strand.m_adCompressionArea[kStationMidspan] = 1.0;
    strand.m_adPrestress[kStationMidspan] = 150.0;
    strand.m_dDepth = 2.0;
    SteelLayer& bar = doc->m_aSteelLayer[1];
    bar = SteelLayer{};
    bar.m_nKind = kLayerBar;
    bar.m_adElevation[kStationMidspan] = 77.0;
    bar.m_adTensionArea[kStationMidspan] = 1.0;
    bar.m_adCompressionArea[kStationMidspan] = 1.0;
    bar.m_dDepth = 3.0;

    const StrainForceBalance b = TheStrainCompatibility().SumSteelForces(
        *doc, kFlexurePositive, 10.0, kStationMidspan, true, 80.0);
    EXPECT_NEAR(b.Fs, 29.019, 2e-3);
    const StrainCompatResult& r = doc->m_aStrainCompat[kStationMidspan];
    EXPECT_EQ(r.m_adTensionArea[kFlexurePositive], 1.0);
    EXPECT_EQ(r.m_adCompressionArea[kFlexurePositive], 1.0);
    EXPECT_EQ(r.m_adTensionDepth[kFlexurePositive], 2.0);
    EXPECT_EQ(r.m_adCompressionSteelDepth[kFlexurePositive], 3.0);
}

}  // namespace
}  // namespace kordel
