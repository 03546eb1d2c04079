// Pretensioning entered as one jacking force with its centroids instead of a strand pattern: the
// anchored force, the losses and the effective prestress of example design 1 whose strand groups
// still hold its 36-strand pattern. The force must count once, at the entered centroids; the
// pattern takes no part.
#include <cmath>
#include <memory>

#include "test_support.h"

namespace kordel::test {
namespace {

class ForceEntryTest : public EngineTest {
  protected:
    /// Example 1 analysed with the pretensioning given as `Pj` (kip) at `cgEnd` / `cgMid` (in).
    std::unique_ptr<CKordelDoc> Analysed(double Pj, double cgEnd, double cgMid, int lossMethod) {
        auto doc = NewDoc();
        doc->BuildExampleDesign(1);
        doc->m_nLossMethod = lossMethod;
        doc->m_nPretensionEntryMode = kEntryPrestressForce;
        doc->m_dPForceJacking = Pj;
        doc->m_dPForceCgEnd = cgEnd;
        doc->m_dPForceCgMid = cgMid;
        doc->RunAnalysis();
        return doc;
    }
};

TEST_F(ForceEntryTest, LossesAndFinalForceOfTheEnteredForce) {
    // Pj = 1100 kip at 9.0 in (end and midspan), LRFD refined losses (method 2), strands not
    // transformed. Example 1 at midspan: gross girder A = 767 in2, I = 545894 in4, yb = 36.6 in;
    // composite Ic = 1120100 in4, ybc = 55.4766 in; girder moment at release M0 = 1122.14
    // kip-ft; deck 1240.31 kip-ft, barriers + wearing surface 230.147 + 268.734 kip-ft;
    // Ep = 28500 ksi, Eci = 4286.83 ksi, fpj = 0.75 x 270 = 202.5 ksi, fpy = 243 ksi, transfer
    // at 0.75 day, H = 75 %, low-relaxation strands.
    //   e = 36.6 - 9.0 = 27.6 in, Aps = Pj / fpj = 5.4321 in2
    //   RE1 = log10(24 x 0.75) / 40 x (202.5 / 243 - 0.55) x 202.5 = 1.80053 ksi
    //   n = Ep / Eci = 6.648269; k = 1/A + e^2/I = 0.00269922 /in2; 12 M0 e / I = 0.680815 ksi
    //   fcgp = Pi k - 12 M0 e / I with Pi = Pj (1 - (n fcgp + RE1) / fpj):
    //   fcgp = (Pj (1 - RE1/fpj) k - 0.680815) / (1 + Pj n k / fpj) = 2.061016 ksi
    //   ES = n fcgp = 13.70219 ksi; Pi = 1100 (1 - 15.50272 / 202.5) = 1015.788 kip
    //   dfcdp = 12 x 1240.31 x 27.6 / I + 12 x 498.881 x (55.4766 - 9.0) / Ic = 1.000912 ksi
    //   CR = 12 fcgp - 7 dfcdp = 17.72581; SH = 17 - 0.15 x 75 = 5.75;
    //   RE2 = 0.3 (20 - 0.4 ES - 0.2 (SH + CR)) = 2.94719 ksi
    //   final loss = ES + SH + CR + RE2 = 40.12519 ksi; Pf = 1100 (1 - 40.12519 / 202.5) = 882.036
    // The fault counted Pj once per pattern strand, 36 x 1100 kip at the pattern's 4.22 in:
    // fcgp 126.6 ksi and Pf = -6753 kip. Tolerances: 1e-4 ksi and 0.01 kip (the rounded inputs
    // above).
    auto doc = Analysed(1100.0, 9.0, 9.0, kLossLrfd3rd);
    const int mid = kStationMidspan;
    EXPECT_NEAR(doc->m_adJackingForceAtStation[mid], 1100.0, 1e-9);
    EXPECT_NEAR(doc->m_adStrandCgAtStation[mid], 9.0, 1e-12);
    EXPECT_NEAR(doc->m_dStrandArea, 1100.0 / 202.5, 1e-12);
    EXPECT_NEAR(doc->m_adLossElasticShortening[kElasticFcgp], 2.061016, 1e-4);
    EXPECT_NEAR(doc->m_adLossElasticShortening[kElasticLoss], 13.70219, 1e-3);
    EXPECT_NEAR(doc->m_adLossWork[kLossWorkPi], 1015.788, 0.01);
    EXPECT_NEAR(doc->m_adLossCreep[kCreepLoss], 17.72581, 1e-3);
    EXPECT_NEAR(doc->m_adTotalLoss[kTotalLossFinal], 40.12519, 1e-3);
    EXPECT_NEAR(doc->m_adEffectivePrestress[mid], 882.036, 0.01);
    EXPECT_NEAR(doc->m_adStrandStressFinal[kFinalStrandForce], 882.036, 0.01);
    // The centroids printed with the prestress are the entered ones, not the pattern's 11.78 in.
    EXPECT_EQ(doc->m_dStrandCgEnd, 9.0);
    EXPECT_EQ(doc->m_dStrandCgMid, 9.0);
}

TEST_F(ForceEntryTest, AForceEntryMatchesThePatternItStandsFor) {
    // Example 1's own pattern: 36 strands x 0.153 in2 x 202.5 ksi = 1115.37 kip, centroid 424/36
    // in at the ends and 152/36 in from the drape points on, every strand bonded from the girder
    // ends. The same force entered at the same centroids must give the same losses, midspan forces,
    // stresses and developed strand area under every loss method. The detailed method works on
    // the sections with the strands transformed: one resultant at the centroid lacks the pattern
    // rows' own spread about it (sum of n As (y - cg)^2 in the inertia), which moves its results
    // by about 1e-4 of their value; the other methods take the gross sections and agree exactly.
    const struct {
        int method;
        double relative;  // tolerance, share of the pattern's value
    } cases[] = {
        {kLossStandardSpecs, 1e-12},
        {kLossLrfd3rd, 1e-12},
        {kLossLrfd6thDetailed, 3e-4},
        {kLossLrfd6thApproximate, 1e-12},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.method);
        auto pattern = NewDoc();
        pattern->BuildExampleDesign(1);
        pattern->m_nLossMethod = c.method;
        pattern->RunAnalysis();
        auto force = Analysed(36 * 0.153 * 202.5, 424.0 / 36.0, 152.0 / 36.0, c.method);

        const int mid = kStationMidspan;
        const auto same = [&](double actual, double expected, const char* what) {
            EXPECT_NEAR(actual, expected, c.relative * std::abs(expected) + 1e-9) << what;
        };
        same(force->m_adJackingForceAtStation[mid], pattern->m_adJackingForceAtStation[mid],
             "anchored force");
        same(force->m_adLossElasticShortening[kElasticFcgp],
             pattern->m_adLossElasticShortening[kElasticFcgp], "fcgp");
        same(force->m_adTotalLoss[kTotalLossRelease], pattern->m_adTotalLoss[kTotalLossRelease],
             "release loss");
        same(force->m_adTotalLoss[kTotalLossFinal], pattern->m_adTotalLoss[kTotalLossFinal],
             "final loss");
        same(force->m_adEffectivePrestress[mid], pattern->m_adEffectivePrestress[mid],
             "final force");
        same(force->m_aPrestressStress[mid][kPrestressReleaseBottom],
             pattern->m_aPrestressStress[mid][kPrestressReleaseBottom], "release bottom stress");
        same(force->m_aPrestressStress[mid][kPrestressFinalBottom],
             pattern->m_aPrestressStress[mid][kPrestressFinalBottom], "final bottom stress");
        same(force->m_adDevelopedStrandArea[mid], pattern->m_adDevelopedStrandArea[mid],
             "developed strand area");
        same(force->m_adDevelopedStrandCg[mid], pattern->m_adDevelopedStrandCg[mid],
             "developed strand centroid");
    }
}

}  // namespace
}  // namespace kordel::test
