// Steel layers for strain compatibility: strands, tendons and bar rows per station.
#include <gtest/gtest.h>

#include "test_support.h"

namespace kordel {
namespace {

using test::EngineTest;

// Example design 1 (simple-span composite I-girder, LRFD 6th ed.): span 105 ft, girder 106 ft,
// end distance 0.5 ft, so station i of the span (0 to 100) lies at p = 1.05 i + 0.5 ft from the
// girder end. Girder f'c 6 ksi, deck f'c 4 ksi, fy 60 ksi, normal-weight concrete, girder height
// 72 in, no haunch; 36 strands of 0.153 in2 in 18 pairs, fpu 270 ksi, transfer length 2.5 ft.
class SteelLayers : public EngineTest {
  protected:
    void SetUp() override {
        doc = NewDoc();
        ASSERT_TRUE(doc->BuildExampleDesign(1));
        doc->RunAnalysis();
        ASSERT_EQ(doc->m_nSpecification, kSpecLrfd);
        ASSERT_EQ(doc->m_nSpecEdition, 2);
        ASSERT_NEAR(doc->m_dDesignSpan, 105.0, 1e-9);
        ASSERT_NEAR(doc->m_dEndDistance, 0.5, 1e-9);
        ASSERT_EQ(doc->m_nStrandGroupCount, 18);
    }

    /// Position of station i from the girder end, ft.
    double P(int i) const { return doc->m_adStationX[i] + doc->m_dEndDistance; }

    /// One girder row and one deck row, both starting exactly at station 10 and ending exactly at
    /// station 90.
    void AddBarRows() {
        double* g = doc->m_adGirderRebarRows[0];
        g[kRebarRowBars] = 4;  // 4 #5 bars 3 in above the girder bottom
        g[kRebarRowBarSize] = 5;
        g[kRebarRowElevation] = 3.0;
        g[kRebarRowStart] = P(10);
        g[kRebarRowEnd] = P(90);
        doc->m_nGirderRebarRowCount = 1;
        double* k = doc->m_adDeckRebarRows[0];
        k[kRebarRowBars] = 10;  // 10 #4 bars 5 in above the deck bottom
        k[kRebarRowBarSize] = 4;
        k[kRebarRowElevation] = 5.0;
        k[kRebarRowStart] = P(10);
        k[kRebarRowEnd] = P(90);
        doc->m_nDeckRebarRowCount = 1;
    }

    std::unique_ptr<CKordelDoc> doc;
};

TEST_F(SteelLayers, StrandGroupsThenGirderRowsThenDeckRows) {
    AddBarRows();
    doc->BuildSteelLayers();
    ASSERT_EQ(doc->m_nSteelLayers, 18 + 1 + 1);
    for (int k = 0; k < 18; ++k) {
        EXPECT_EQ(doc->m_aSteelLayer[k].m_nKind, kLayerStrand) << "layer " << k;  // fpu 270
        EXPECT_EQ(doc->m_aSteelLayer[k].m_dCount, 2.0) << "layer " << k;
    }
    EXPECT_EQ(doc->m_aSteelLayer[18].m_nKind, kLayerBar);
    EXPECT_EQ(doc->m_aSteelLayer[18].m_dCount, 4.0);
    EXPECT_EQ(doc->m_aSteelLayer[19].m_nKind, kLayerBar);
    EXPECT_EQ(doc->m_aSteelLayer[19].m_dCount, 10.0);

    // 250 ksi strands keep a code of their own.
    doc->m_dStrandFpu = 250.0;
    doc->BuildSteelLayers();
    EXPECT_EQ(doc->m_aSteelLayer[0].m_nKind, kLayerStrand250);
}

// Development lengths of the two rows (LRFD 6th ed. Art. 5.11.2.1.1 and 5.11.2.2.1):
//   girder #5 (db 0.625, Ab 0.31), bottom bar, f'c 6:
//     tension     max(1.25 x 0.31 x 60 / sqrt 6 = 9.49, 0.4 x 0.625 x 60 = 15.0) = 15.0 in = 1.25
//     ft compression max(0.63 x 0.625 x 60 / sqrt 6 = 9.65, 0.3 x 0.625 x 60 = 11.25) = 0.9375 ft
//   deck #4 (db 0.5, Ab 0.20) at 72 + 5 = 77 in, a top bar, f'c 4:
//     tension     max(1.25 x 0.20 x 60 / 2 = 7.5, 0.4 x 0.5 x 60 = 12.0) x 1.4 = 16.8 in = 1.4 ft
//     compression max(0.63 x 0.5 x 60 / 2 = 9.45, 0.3 x 0.5 x 60 = 9.0) = 9.45 in = 0.7875 ft
// Station 11 lies 1.05 ft inside both rows: girder tension 4 x 0.31 x 1.05/1.25 = 1.0416 in2,
// compression in full 1.24 in2; deck tension 10 x 0.20 x 1.05/1.4 = 1.5 in2, compression 2.0.
TEST_F(SteelLayers, BarRowsCrossingAndNotCrossingStations) {
    AddBarRows();
    doc->BuildSteelLayers();
    const SteelLayer& girder = doc->m_aSteelLayer[18];
    const SteelLayer& deck = doc->m_aSteelLayer[19];
    struct Case {
        const char* what;
        int station;
        double girderY, girderAt, girderAc;
        double deckY, deckAt, deckAc;
    } cases[] = {
        {"before the rows", 0, 0, 0, 0, 0, 0, 0},
        // A girder row counts only strictly between its ends; a deck row at its ends too, with
        // its elevation and no area.
        {"at the row starts", 10, 0, 0, 0, 77, 0, 0},
        {"inside the development length", 11, 3, 1.0416, 1.24, 77, 1.5, 2.0},
        {"mid-span, fully developed", 50, 3, 1.24, 1.24, 77, 2.0, 2.0},
        {"at the row ends", 90, 0, 0, 0, 77, 0, 0},
        {"after the rows", 100, 0, 0, 0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const int i = c.station;
        EXPECT_NEAR(girder.m_adElevation[i], c.girderY, 1e-9);
        EXPECT_NEAR(girder.m_adTensionArea[i], c.girderAt, 1e-4);
        EXPECT_NEAR(girder.m_adCompressionArea[i], c.girderAc, 1e-4);
        EXPECT_NEAR(deck.m_adElevation[i], c.deckY, 1e-9);
        EXPECT_NEAR(deck.m_adTensionArea[i], c.deckAt, 1e-4);
        EXPECT_NEAR(deck.m_adCompressionArea[i], c.deckAc, 1e-4);
        EXPECT_EQ(girder.m_adPrestress[i], 0.0);
        EXPECT_EQ(deck.m_adPrestress[i], 0.0);
    }
}

// A pair of strands (2 x 0.153 = 0.306 in2) acts in full at mid-span with the effective
// prestress fpe. Station 0 lies 0.5 ft from the girder end, a fifth of the 2.5-ft transfer
// length: the strand stress there is fpe / 5, its developed fraction (fpe / 5) / fpu with fpu
// standing for fps, so the area is 0.306 x fpe / (5 x 270) and the prestress fpe x that fraction.
// Every group has the same fpe, so the stress shown as fps is fpe at mid-span.
TEST_F(SteelLayers, StrandLayersCarryTheirDevelopedAreaAndPrestress) {
    doc->BuildSteelLayers();
    const double fpe = doc->m_adStrandStressFinal[kFinalStrandStress];
    ASSERT_GT(fpe, 100.0);
    const double fraction = (fpe / 5.0) / 270.0;
    for (int k = 0; k < 18; ++k) {
        const SteelLayer& layer = doc->m_aSteelLayer[k];
        SCOPED_TRACE(k);
        EXPECT_NEAR(layer.m_adTensionArea[50], 0.306, 1e-9);
        EXPECT_NEAR(layer.m_adCompressionArea[50], 0.306, 1e-9);
        EXPECT_NEAR(layer.m_adPrestress[50], fpe, 1e-9);
        EXPECT_NEAR(layer.m_adTensionArea[0], 0.306 * fraction, 1e-9);
        EXPECT_NEAR(layer.m_adPrestress[0], fpe * fraction, 1e-9);
        EXPECT_GE(layer.m_adElevation[50], 2.0);
        EXPECT_LE(layer.m_adElevation[50], 8.0);
    }
    EXPECT_NEAR(doc->m_aFlexureFps[50][kFlexurePositive], fpe, 1e-9);
    EXPECT_NEAR(doc->m_aFlexureFps[50][kFlexureNegative], fpe, 1e-9);
}

// Example 4 is post-tensioned: six tendons of 12 strands of 0.217 in2 (2.604 in2 each) follow
// the five strand groups, at full area, their elevation at mid-length the vertex of the parabola.
TEST_F(SteelLayers, TendonsFollowTheStrandGroups) {
    ASSERT_TRUE(doc->BuildExampleDesign(4));
    doc->RunAnalysis();
    ASSERT_EQ(doc->m_nPrestressType, kPostTensioned);
    doc->BuildSteelLayers();
    const int groups = doc->m_nStrandGroupCount;
    ASSERT_EQ(doc->m_nSteelLayers, groups + doc->m_nTendonCount);
    ASSERT_GT(doc->m_nTendonCount, 0);
    for (int t = 0; t < doc->m_nTendonCount; ++t) {
        const SteelLayer& layer = doc->m_aSteelLayer[groups + t];
        const PostTensioningTendon& tendon = doc->m_aTendons[t];
        SCOPED_TRACE(t);
        EXPECT_EQ(layer.m_nKind, kLayerTendon);
        EXPECT_EQ(layer.m_dCount, tendon.m_nStrands);
        EXPECT_NEAR(layer.m_adTensionArea[50], tendon.m_nStrands * 0.217, 1e-6);
        EXPECT_NEAR(layer.m_adElevation[50],
                    tendon.m_adProfile[kProfileVertex][kProfileCg] + double(tendon.m_fZ), 1e-6);
    }
}

TEST_F(SteelLayers, NoSteelGivesNoLayersAndLeavesFpsAlone) {
    doc->m_nStrandGroupCount = 0;
    doc->m_nGirderRebarRowCount = 0;
    doc->m_nDeckRebarRowCount = 0;
    doc->m_aFlexureFps[50][kFlexurePositive] = 123.0;
    doc->BuildSteelLayers();
    EXPECT_EQ(doc->m_nSteelLayers, 0);
    EXPECT_EQ(doc->m_aFlexureFps[50][kFlexurePositive], 123.0);
}

// A bar size the bar table does not hold has no area; a row of it adds a layer of no area
// rather than reading outside the table.
TEST_F(SteelLayers, BarSizeOutsideTheTableHasNoArea) {
    AddBarRows();
    doc->m_adGirderRebarRows[0][kRebarRowBarSize] = 57;
    doc->BuildSteelLayers();
    EXPECT_EQ(doc->m_aSteelLayer[18].m_adTensionArea[50], 0.0);
    EXPECT_EQ(doc->m_aSteelLayer[18].m_adCompressionArea[50], 0.0);
}

}  // namespace
}  // namespace kordel
