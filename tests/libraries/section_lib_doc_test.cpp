// The .ksl file against records written byte by byte from the layout table: every format version
// with the defaults of what it lacks, the size and bytes of a saved record, files refused whole,
// and the mirror of the design's girder-section block.
#include "libraries/section_lib_doc.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <limits>
#include <string>

#include "document/model_section.h"
#include "libraries/library_fixtures.h"
#include "platform/file_io.h"
#include "test_support.h"

namespace kordel::test {
namespace {

/// The record the fixture holds when its file carries the items up to format `items`; the
/// items of later formats keep the defaults of a new record.
SectionLibRecord Expected(const std::string& name, double items) {
    SectionLibRecord r;
    r.m_strName = name;
    r.m_dArea = 767;
    r.m_dCentroid = 36.6;
    r.m_dInertia = 545894;
    r.m_dTopFlangeThickness = 3.5;
    r.m_dTopFlangeWidth = 42;
    r.m_dHeight = 72;
    r.m_nWebCount = 1;
    r.m_dWebWidth = 6;
    r.m_dBottomFlangeWidth = 26;
    r.m_dBottomFlangeThickness = 6;
    r.m_dBwo = 6.5;
    r.m_dTorsionConstant = 14827;
    r.m_dVolumeToSurface = 3.01;
    r.m_nTemplateRowCount = 35;
    for (int row = 0; row < kMaxPatternRows; ++row) {
        for (int c = 0; c < kMaxPatternColumns; ++c) {
            r.m_adStrandTemplate[row][c] = TemplateValue(row, c);
        }
    }
    r.m_nSectionType = 1;
    r.m_dWebLocation = 0.5;
    r.m_nOutlinePointCount = 15;
    r.m_nVoidPointCount = 9;
    r.m_nCircularVoidCount = 3;
    for (int i = 0; i < kMaxOutlinePoints; ++i) {
        for (int c = 0; c < kPointValueCount; ++c) {
            r.m_adOutline[i][c] = OutlineValue(i, c);
            r.m_adVoidOutline[i][c] = VoidValue(i, c);
        }
    }
    for (int k = 0; k < kMaxCircularVoids; ++k) {
        for (int c = 0; c < kCircularVoidValueCount; ++c)
            r.m_adCircularVoid[k][c] = CircleValue(k, c);
    }
    for (int k = 0; k < kSectionGeneratorSlots; ++k) {
        r.m_adGenWidth[k] = GenValue(k, 0);
        r.m_adGenDepth[k] = GenValue(k, 1);
        r.m_adGenExtra[k] = GenValue(k, 2);
    }
    r.m_nTemplateColumnCount = 6;
    r.m_nTemplateLayout = 1;
    r.m_dAuxProperty1 = 11.5;
    r.m_dInertiaY = 37634;
    r.m_dAuxProperty2 = 22.5;
    if (items > 1.00) {
        r.m_bSectionFlag1 = 1;
        r.m_bSectionFlag2 = 1;  // the byte 2
    }
    if (items > 1.01) {
        r.m_bCurvedWebFillets = 1;
        r.m_bCurvedFlangeFillets = 1;  // the byte 0x80
    }
    if (items > 1.02) r.m_dDeckingThickness = 4.0;
    return r;
}

/// Points of a record, so that a failing comparison says which member differs.
void ExpectRecord(const SectionLibRecord& actual, const SectionLibRecord& expected) {
    EXPECT_EQ(actual.m_strName, expected.m_strName);
    EXPECT_EQ(actual.m_bSectionFlag1, expected.m_bSectionFlag1) << "first section flag";
    EXPECT_EQ(actual.m_bSectionFlag2, expected.m_bSectionFlag2) << "second section flag";
    EXPECT_EQ(actual.m_bCurvedWebFillets, expected.m_bCurvedWebFillets) << "web fillets";
    EXPECT_EQ(actual.m_bCurvedFlangeFillets, expected.m_bCurvedFlangeFillets) << "flange fillets";
    EXPECT_EQ(actual.m_dDeckingThickness, expected.m_dDeckingThickness) << "decking";
    EXPECT_TRUE(actual == expected) << "the whole record";
}

class SectionLibDocTest : public EngineTest {
  protected:
    std::string Write(const std::string& file, const Bytes& bytes) {
        const std::string path = folder.Path(file);
        platform::WriteFileAtomically(path, bytes);
        return path;
    }
    /// A record object that last held another section: a 1.03 record with every later item set.
    void Prime(CSectionLibDoc& doc) {
        ASSERT_TRUE(doc.OnOpenDocument(Write("primed.ksl", KslFixture(1.03, "Primed", 1.03))));
        doc.m_dDeckingThickness = 9.0;
    }
    TempFolder folder;
};

TEST_F(SectionLibDocTest, EveryFormatLoadsWithTheDefaultsOfWhatItLacks) {
    const std::string name = "PCI_BT_72";  // n = 9
    struct Case {
        const char* what;
        double version;    // in the version field
        double items;      // the format whose items the file holds
        std::size_t size;  // the layout table's size for n = 9
    };
    const Case cases[] = {
        {"format 1.00", 1.00, 1.00, 15929 + 9},
        {"format 1.01", 1.01, 1.01, 15931 + 9},
        {"format 1.02", 1.02, 1.02, 15933 + 9},
        {"format 1.03", 1.03, 1.03, 15941 + 9},
        // Newer than 1.00 by the strict comparison: the reader takes the 1.01 flags.
        {"version 1.005", 1.005, 1.01, 15931 + 9},
        // Read like 1.03; bytes after the decking are not read.
        {"version 2.0 with more bytes", 2.0, 1.03, 15941 + 9},
        {"version 0.5", 0.5, 1.00, 15929 + 9},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Bytes bytes = KslFixture(c.version, name, c.items);
        ASSERT_EQ(bytes.size(), c.size);
        if (c.version > 1.03) bytes.insert(bytes.end(), {1, 2, 3, 4});
        // The object held another section: the items this file lacks still come back with the
        // defaults of a new record, not that section's.
        CSectionLibDoc doc;
        Prime(doc);
        ASSERT_TRUE(doc.OnOpenDocument(Write("section.ksl", bytes)));
        ExpectRecord(doc, Expected(name, c.items));
    }
    EXPECT_TRUE(host.Messages().empty());
}

TEST_F(SectionLibDocTest, ASavedRecordIsTheLayoutsSizeAndBytes) {
    CSectionLibDoc doc;
    const Bytes fixture = KslFixture(1.03, "PCI_BT_72", 1.03);
    ASSERT_TRUE(doc.OnOpenDocument(Write("in.ksl", fixture)));
    ASSERT_TRUE(doc.OnSaveDocument(folder.Path("out.ksl")));
    const Bytes saved = platform::ReadWholeFile(folder.Path("out.ksl"));
    ASSERT_EQ(saved.size(), 15941u + 9u);
    // The same bytes as the fixture but for the flags read as true from 2 and 0x80, written 1.
    Bytes expected = fixture;
    expected[15929 + 9 + 1] = 1;
    expected[15931 + 9 + 1] = 1;
    EXPECT_TRUE(saved == expected);
    EXPECT_EQ(F64At(saved, 0), 1.03) << "version first";
    // Point i lies interleaved: outline x, void x, outline y, void y (point 2 here).
    const std::size_t point2 = 12137 + 9 + 2 * 32;
    EXPECT_EQ(F64At(saved, point2), OutlineValue(2, 0));
    EXPECT_EQ(F64At(saved, point2 + 8), VoidValue(2, 0));
    EXPECT_EQ(F64At(saved, point2 + 16), OutlineValue(2, 1));
    EXPECT_EQ(F64At(saved, point2 + 24), VoidValue(2, 1));

    // An older record saved again is written whole, as 1.03.
    CSectionLibDoc old;
    ASSERT_TRUE(old.OnOpenDocument(Write("old.ksl", KslFixture(1.00, "PCI_BT_72", 1.00))));
    ASSERT_TRUE(old.OnSaveDocument(folder.Path("old-saved.ksl")));
    const Bytes resaved = platform::ReadWholeFile(folder.Path("old-saved.ksl"));
    EXPECT_EQ(resaved.size(), 15941u + 9u);
    EXPECT_EQ(F64At(resaved, 0), 1.03);

    // A name of 300 characters takes the prefix 0xFF and a 16-bit length, and comes back.
    CSectionLibDoc named;
    named.m_strName = std::string(300, 'N');
    ASSERT_TRUE(named.OnSaveDocument(folder.Path("long.ksl")));
    const Bytes longBytes = platform::ReadWholeFile(folder.Path("long.ksl"));
    EXPECT_EQ(longBytes.size(), 15941u + 300u + 2u);
    EXPECT_EQ(longBytes[8], 0xFF);
    EXPECT_EQ(longBytes[9] | (longBytes[10] << 8), 300);
    CSectionLibDoc back;
    ASSERT_TRUE(back.OnOpenDocument(folder.Path("long.ksl")));
    EXPECT_TRUE(static_cast<const SectionLibRecord&>(back) ==
                static_cast<const SectionLibRecord&>(named));
}

TEST_F(SectionLibDocTest, AFileRefusedLeavesTheRecordAsItWas) {
    const std::string name = "Bad";  // n = 3
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    struct Case {
        const char* what;
        std::size_t offset;  // of the value replaced; npos to cut the file at `cut`
        bool isInt;
        double value;
        std::size_t cut;
    };
    constexpr std::size_t n = 3;
    constexpr std::size_t keep = std::string::npos;
    const Case cases[] = {
        {"outline count 102", 12125 + n, true, 102, keep},
        {"outline count -1", 12125 + n, true, -1, keep},
        {"void count 102", 12129 + n, true, 102, keep},
        {"circle count 12", 12133 + n, true, 12, keep},
        {"template rows 51", 109 + n, true, 51, keep},
        {"template locations 28", 15897 + n, true, 28, keep},
        {"area not a number", 9 + n, false, nan, keep},
        {"an infinite outline point", 12137 + n + 16, false, inf, keep},
        {"a template elevation of 1e300", 113 + n, false, 1e300, keep},
        {"Iyy not a number", 15913 + n, false, nan, keep},
        {"decking not a number", 15933 + n, false, nan, keep},
        {"version not a number", 0, false, nan, keep},
        {"an empty file", keep, false, 0, 0},
        {"the version alone", keep, false, 0, 8},
        {"cut inside the template", keep, false, 0, 5000},
        {"cut inside the decking", keep, false, 0, 15940 + n},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Bytes bytes = KslFixture(1.03, name, 1.03);
        if (c.offset != keep) {
            ByteWriter v;
            c.isInt ? v.I32(static_cast<int>(c.value)) : v.F64(c.value);
            std::copy(v.Data().begin(), v.Data().end(),
                      bytes.begin() + static_cast<long>(c.offset));
        } else {
            bytes.resize(c.cut);
        }
        CSectionLibDoc doc;
        Prime(doc);
        const SectionLibRecord before = doc;
        host.ClearMessages();
        EXPECT_FALSE(doc.OnOpenDocument(Write("bad.ksl", bytes)));
        ASSERT_EQ(host.Messages().size(), 1u);
        EXPECT_EQ(host.Messages()[0].text, "Unexpected file format.");
        EXPECT_TRUE(static_cast<const SectionLibRecord&>(doc) == before) << "record untouched";
    }
}

TEST_F(SectionLibDocTest, TheFurtherValuesAreCarriedBitForBit) {
    // Read by nothing: a not-a-number there is carried, not refused.
    Bytes bytes = KslFixture(1.03, "Aux", 1.03);
    ByteWriter nan;
    nan.F64(std::numeric_limits<double>::quiet_NaN());
    std::copy(nan.Data().begin(), nan.Data().end(), bytes.begin() + 15905 + 3);
    bytes[15929 + 3 + 1] = 1;  // flags as a save writes them
    bytes[15931 + 3 + 1] = 1;
    CSectionLibDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(Write("aux.ksl", bytes)));
    EXPECT_TRUE(std::isnan(doc.m_dAuxProperty1));
    ASSERT_TRUE(doc.OnSaveDocument(folder.Path("aux-saved.ksl")));
    EXPECT_TRUE(platform::ReadWholeFile(folder.Path("aux-saved.ksl")) == bytes);
}

TEST_F(SectionLibDocTest, ASaveRefusesWhatALoadWouldRefuse) {
    struct Case {
        const char* what;
        void (*spoil)(SectionLibRecord&);
    };
    const Case cases[] = {
        {"outline count 102", [](SectionLibRecord& r) { r.m_nOutlinePointCount = 102; }},
        {"template locations 28", [](SectionLibRecord& r) { r.m_nTemplateColumnCount = 28; }},
        {"area not a number",
         [](SectionLibRecord& r) { r.m_dArea = std::numeric_limits<double>::quiet_NaN(); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CSectionLibDoc doc;
        c.spoil(doc);
        host.ClearMessages();
        const std::string path = folder.Path("refused.ksl");
        EXPECT_FALSE(doc.OnSaveDocument(path));
        EXPECT_FALSE(std::filesystem::exists(path)) << "nothing written";
        ASSERT_EQ(host.Messages().size(), 1u);
        EXPECT_EQ(host.Messages()[0].text.rfind("Failed to save document.", 0), 0u);
    }
}

TEST_F(SectionLibDocTest, TheDesignsSectionBlockMirrorsTheRecord) {
    const SectionLibRecord record = Expected("PCI_BT_72", 1.03);
    auto doc = NewDoc();
    SectionModel& design = *doc;
    design.m_dSectionXbar = 5;  // of the section before
    design.m_dOutlineWidth = 30;
    CopySectionToDesign(record, design);
    EXPECT_EQ(design.m_strSectionName, "PCI_BT_72");
    EXPECT_EQ(design.m_dSectionArea, 767);
    EXPECT_EQ(design.m_dSectionYb, 36.6);
    EXPECT_EQ(design.m_dSectionIxx, 545894);
    EXPECT_EQ(design.m_dSectionHeight, 72);
    EXPECT_EQ(design.m_dSectionIyy, 37634);
    EXPECT_EQ(design.m_fDbtTopFlangeThickness, 4.0f);
    EXPECT_EQ(design.m_adOutline[14][kPointY], OutlineValue(14, 1));
    EXPECT_EQ(design.m_adStrandTemplate[49][29], TemplateValue(49, 29));
    // Computed again by the analysis for the new outline, not kept from the old one.
    EXPECT_EQ(design.m_dSectionXbar, 0);
    EXPECT_EQ(design.m_dOutlineWidth, 0);

    // Back into a record that holds the further values and fillet options: they stay, and
    // everything else comes back as it went.
    SectionLibRecord again;
    again.m_dAuxProperty1 = 11.5;
    again.m_dAuxProperty2 = 22.5;
    again.m_bCurvedWebFillets = 1;
    again.m_bCurvedFlangeFillets = 1;
    CopySectionFromDesign(design, again);
    ExpectRecord(again, record);
}

}  // namespace
}  // namespace kordel::test
