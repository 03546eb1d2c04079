// The decked bulb-tee adjustment: the top slice of the flange taken as the deck for the analysis,
// and the user's deck and section values back afterwards.
#include <initializer_list>
#include <utility>

#include "test_support.h"

namespace kordel::test {
namespace {

using Pt = std::pair<double, double>;

class DeckedBulbTeeTest : public EngineTest {
  protected:
    /// A decked bulb-tee 60 in high: bottom flange 30 x 8 tapering to a 6 in web at 14 in, the
    /// web to 50 in, a flange taper to 96 in wide at 54 in and a flange 96 x 6 on top.
    /// A = 240 + 108 + 216 + 204 + 576 = 1344 in2. The user's deck values are those of a girder
    /// without a cast deck (a 1.5 in haunch, no deck); the flange slice is 6 in.
    std::unique_ptr<CKordelDoc> Girder() {
        auto doc = NewDoc();
        doc->m_nSectionType = kSectionDeckedBulbTee;
        SetOutline(*doc, {{-15, 0},
                          {-15, 8},
                          {-3, 14},
                          {-3, 50},
                          {-48, 54},
                          {-48, 60},
                          {48, 60},
                          {48, 54},
                          {3, 50},
                          {3, 14},
                          {15, 8},
                          {15, 0},
                          {-15, 0}});
        doc->m_dSectionArea = 1344;
        doc->m_dSectionYb = 39.1;
        doc->m_dSectionIxx = 644427;
        doc->m_dSectionHeight = 60;
        doc->m_bCompositeDeck = 0;
        doc->m_dDeckThickness = 0;
        doc->m_dHaunchThickness = 1.5;
        doc->m_dDeckWidth = 0;
        doc->m_dHaunchWidth = 12;
        doc->m_fDbtTopFlangeThickness = 6.0f;
        doc->m_dGirderLength = 80;
        doc->m_dDesignSpan = 79;
        return doc;
    }

    static void SetOutline(CKordelDoc& doc, std::initializer_list<Pt> points) {
        doc.m_nOutlinePointCount = 0;
        for (const Pt& p : points) {
            doc.m_adOutline[doc.m_nOutlinePointCount][kPointX] = p.first;
            doc.m_adOutline[doc.m_nOutlinePointCount][kPointY] = p.second;
            ++doc.m_nOutlinePointCount;
        }
    }

    /// The user's values, to compare after a restore.
    struct UserValues {
        int composite;
        double deck, haunch, deckWidth, haunchWidth, A, yb, I, h;
        double outline[kMaxOutlinePoints][kPointValueCount];
    };
    static UserValues Snapshot(const CKordelDoc& d) {
        UserValues u{d.m_bCompositeDeck,   d.m_dDeckThickness,
                     d.m_dHaunchThickness, d.m_dDeckWidth,
                     d.m_dHaunchWidth,     d.m_dSectionArea,
                     d.m_dSectionYb,       d.m_dSectionIxx,
                     d.m_dSectionHeight,   {}};
        for (int k = 0; k < kMaxOutlinePoints; ++k) {
            u.outline[k][kPointX] = d.m_adOutline[k][kPointX];
            u.outline[k][kPointY] = d.m_adOutline[k][kPointY];
        }
        return u;
    }
    static void ExpectRestored(const CKordelDoc& d, const UserValues& u) {
        EXPECT_EQ(d.m_bCompositeDeck, u.composite);
        EXPECT_EQ(d.m_dDeckThickness, u.deck);
        EXPECT_EQ(d.m_dHaunchThickness, u.haunch);
        EXPECT_EQ(d.m_dDeckWidth, u.deckWidth);
        EXPECT_EQ(d.m_dHaunchWidth, u.haunchWidth);
        EXPECT_EQ(d.m_dSectionArea, u.A);
        EXPECT_EQ(d.m_dSectionYb, u.yb);
        EXPECT_EQ(d.m_dSectionIxx, u.I);
        EXPECT_EQ(d.m_dSectionHeight, u.h);
        for (int k = 0; k < d.m_nOutlinePointCount; ++k) {
            EXPECT_EQ(d.m_adOutline[k][kPointX], u.outline[k][kPointX]) << "point " << k;
            EXPECT_EQ(d.m_adOutline[k][kPointY], u.outline[k][kPointY]) << "point " << k;
        }
    }
};

TEST_F(DeckedBulbTeeTest, FlangeSliceBecomesTheDeck) {
    auto doc = Girder();
    const UserValues user = Snapshot(*doc);
    doc->AdjustDeckedBulbTee(1);

    // The corners (-48, 60) and (48, 60) drop to 54: the girder loses the 96 x 6 top,
    // 1344 - 576 = 768 in2; yb and I of the lowered outline edge by edge: 25.671875 in and
    // 319,661.3125 in4.
    EXPECT_EQ(doc->m_bCompositeDeck, 1);
    EXPECT_EQ(doc->m_dDeckThickness, 6.0);
    EXPECT_EQ(doc->m_dHaunchThickness, 0.0);
    EXPECT_EQ(doc->m_dDeckWidth, 96.0);
    EXPECT_EQ(doc->m_dHaunchWidth, 12.0) << "saved and restored, never changed";
    EXPECT_NEAR(doc->m_dSectionArea, 768.0, 1e-9);
    EXPECT_NEAR(doc->m_dSectionYb, 25.671875, 1e-9);
    EXPECT_NEAR(doc->m_dSectionIxx, 319661.3125, 1e-6);
    EXPECT_EQ(doc->m_dSectionHeight, 54.0);
    EXPECT_EQ(doc->m_dDrawingSectionHeight, 54.0);
    EXPECT_EQ(doc->m_adOutline[5][kPointY], 54.0);
    EXPECT_EQ(doc->m_adOutline[6][kPointY], 54.0);

    doc->AdjustDeckedBulbTee(0);
    ExpectRestored(*doc, user);
    EXPECT_EQ(doc->m_dDrawingSectionHeight, 54.0) << "the drawings keep the lowered height";
}

TEST_F(DeckedBulbTeeTest, AnalysisRunsOnTheAdjustedGirderAndHandsBackTheUsersValues) {
    auto doc = Girder();
    const UserValues user = Snapshot(*doc);
    doc->RunAnalysis();
    // The stations ran on the adjusted girder: hc = 54 + 0 (haunch) + 6 + 0 - 0 = 60 in; on the
    // user's values it would be 60 + 1.5 + 0 = 61.5 in.
    EXPECT_EQ(doc->m_dCompositeHeight, 60.0);
    ExpectRestored(*doc, user);
    EXPECT_EQ(doc->m_adOutline[5][kPointY], 60.0);
    EXPECT_EQ(doc->m_dDrawingSectionHeight, 54.0);
    for (const auto& m : host.Messages()) {
        EXPECT_EQ(m.text.find("Decked bulb-tee"), std::string::npos) << m.text;
    }

    // A second run starts again from the full height.
    doc->RunAnalysis();
    EXPECT_EQ(doc->m_dCompositeHeight, 60.0);
    ExpectRestored(*doc, user);
}

TEST_F(DeckedBulbTeeTest, NoFlangeSliceAnalysesWithoutADeck) {
    auto doc = Girder();
    doc->m_fDbtTopFlangeThickness = 0.0f;
    doc->m_bCompositeDeck = 1;
    doc->m_dDeckThickness = 8;
    const UserValues user = Snapshot(*doc);
    doc->RunAnalysis();
    // Non-composite, no deck, no haunch, section as entered: hc = 60 + 0 + 0 = 60 in.
    EXPECT_EQ(doc->m_dCompositeHeight, 60.0);
    EXPECT_EQ(doc->m_dDrawingSectionHeight, 60.0);
    ExpectRestored(*doc, user);
}

TEST_F(DeckedBulbTeeTest, OtherSectionTypesAreNeverAdjusted) {
    auto doc = Girder();
    doc->m_nSectionType = kSectionIGirder;
    const UserValues user = Snapshot(*doc);
    doc->RunAnalysis();
    EXPECT_EQ(doc->m_dCompositeHeight, 61.5);  // 60 + 1.5 + 0
    EXPECT_EQ(doc->m_dDrawingSectionHeight, 60.0);
    ExpectRestored(*doc, user);
}

TEST_F(DeckedBulbTeeTest, OutlineListedFromItsCrownKeepsItsWholeTop) {
    // A crowned flange listed from its crown (0, 61), which the outline repeats last. The copy of
    // the crown is not the second corner: the top surface (crown and both corners at 60) drops
    // by 6 in, the deck spans the corners, 96 in, and the outline stays closed. The girder loses
    // the slice between the old and the new top, 96 x 6 = 576 in2: 1392 - 576 = 816 in2.
    auto doc = Girder();
    SetOutline(*doc, {{0, 61},
                      {48, 60},
                      {48, 54},
                      {3, 50},
                      {3, 14},
                      {15, 8},
                      {15, 0},
                      {-15, 0},
                      {-15, 8},
                      {-3, 14},
                      {-3, 50},
                      {-48, 54},
                      {-48, 60},
                      {0, 61}});
    doc->AdjustDeckedBulbTee(1);
    EXPECT_EQ(doc->m_dDeckWidth, 96.0);
    EXPECT_NEAR(doc->m_dSectionArea, 816.0, 1e-9);
    EXPECT_NEAR(doc->m_dSectionYb, 27.357843, 1e-6);  // the lowered outline edge by edge
    EXPECT_EQ(doc->m_adOutline[0][kPointY], 55.0);
    EXPECT_EQ(doc->m_adOutline[13][kPointY], 55.0);
    EXPECT_EQ(doc->m_adOutline[1][kPointY], 54.0);
    EXPECT_EQ(doc->m_adOutline[12][kPointY], 54.0);
    doc->AdjustDeckedBulbTee(0);
    EXPECT_EQ(doc->m_adOutline[0][kPointY], 61.0);
    EXPECT_EQ(doc->m_adOutline[12][kPointY], 60.0);
}

TEST_F(DeckedBulbTeeTest, SliceDeeperThanTheGirderIsRefused) {
    auto doc = Girder();
    doc->m_fDbtTopFlangeThickness = 60.0f;  // the whole girder
    const UserValues user = Snapshot(*doc);
    doc->AdjustDeckedBulbTee(1);
    ASSERT_EQ(host.Messages().size(), 1u);
    EXPECT_EQ(doc->m_bCompositeDeck, 0);
    EXPECT_EQ(doc->m_dSectionHeight, 60.0);
    EXPECT_EQ(doc->m_dSectionArea, 1344.0);
    doc->AdjustDeckedBulbTee(0);
    ExpectRestored(*doc, user);
}

}  // namespace
}  // namespace kordel::test
