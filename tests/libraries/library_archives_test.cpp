// The readers of the older section archive and of the vehicle archive, against archives written
// byte by byte: records of either section format converted in memory, and archives that end or
// go wrong part way stopping cleanly with the count of records read.
#include "libraries/library_archives.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "libraries/library_fixtures.h"

namespace kordel::test {
namespace {

/// A section archive whose records are each as long as their format lays out.
Bytes SectionArchive(int count, const std::string& version, int records, bool format3,
                     const std::string& tag = kSectionLibraryTag) {
    Bytes bytes = SectionArchiveFixture(count, version, records, format3, tag);
    const std::size_t head = 4 + 1 + tag.size() + 1 + version.size();
    const std::size_t record = (format3 ? 15897u : 4825u) + 2u;  // names "S1" ... "S9"
    EXPECT_EQ(bytes.size(), head + static_cast<std::size_t>(records) * record);
    return bytes;
}

struct SectionsRead {
    LegacyArchiveRead result;
    std::vector<SectionLibRecord> records;
};

SectionsRead ReadSections(const Bytes& bytes) {
    SectionsRead r;
    platform::Archive ar(bytes);
    r.result =
        ReadLegacySectionArchive(ar, [&](const SectionLibRecord& s) { r.records.push_back(s); });
    return r;
}

TEST(LegacySectionArchive, Format3RecordsAreKslRecordsWithoutTheirTail) {
    const SectionsRead r = ReadSections(SectionArchive(2, "3.00", 2, true));
    EXPECT_TRUE(r.result.Complete()) << r.result.fault;
    ASSERT_EQ(r.result.recordsRead, 2);
    ASSERT_EQ(r.records.size(), 2u);
    const SectionLibRecord& s = r.records[1];
    EXPECT_EQ(s.m_strName, "S2");
    EXPECT_EQ(s.m_dArea, 767);
    EXPECT_EQ(s.m_adStrandTemplate[49][29], TemplateValue(49, 29));
    EXPECT_EQ(s.m_adOutline[100][kPointY], OutlineValue(100, 1));
    EXPECT_EQ(s.m_adVoidOutline[100][kPointX], VoidValue(100, 0));
    EXPECT_EQ(s.m_adGenExtra[10], GenValue(10, 2));
    EXPECT_EQ(s.m_nTemplateColumnCount, 6);
    EXPECT_EQ(s.m_nTemplateLayout, 1);
    // What a format-3 record lacks stays at the new record's defaults.
    EXPECT_EQ(s.m_dInertiaY, 0.0);
    EXPECT_EQ(s.m_dAuxProperty1, 0.0);
    EXPECT_EQ(s.m_bSectionFlag1, 0);
    EXPECT_EQ(s.m_bCurvedWebFillets, 0);
    EXPECT_EQ(s.m_dDeckingThickness, 0.0);
}

TEST(LegacySectionArchive, EarlierRecordsAreConvertedToFormat3) {
    // A version text below 3, or one that starts with no number, reads the earlier records: three
    // values a template row, nothing after the circles.
    for (const char* version : {"2.50", "1.00", "", "v3"}) {
        SCOPED_TRACE(std::string("version text \"") + version + "\"");
        Bytes bytes = SectionArchive(2, version, 2, false);
        // Record 2 a box beam: "Exterior" layout.
        const std::size_t record2 = 4 + 1 + 14 + 1 + std::string(version).size() + 4825 + 2;
        const std::size_t typeOffset = record2 + 3 + 48 + 4 + 48 + 4 + 1200;
        ByteWriter box;
        box.I32(kSectionBoxBeam);
        std::copy(box.Data().begin(), box.Data().end(),
                  bytes.begin() + static_cast<long>(typeOffset));

        const SectionsRead r = ReadSections(bytes);
        EXPECT_TRUE(r.result.Complete()) << r.result.fault;
        ASSERT_EQ(r.records.size(), 2u);
        const SectionLibRecord& girder = r.records[0];
        EXPECT_EQ(girder.m_nSectionType, kSectionIGirder);
        EXPECT_EQ(girder.m_nTemplateLayout, 1) << "Interior for an I-girder";
        EXPECT_EQ(r.records[1].m_nSectionType, kSectionBoxBeam);
        EXPECT_EQ(r.records[1].m_nTemplateLayout, 2) << "Exterior otherwise";
        EXPECT_EQ(girder.m_nTemplateColumnCount, 0);
        for (int row = 0; row < kMaxPatternRows; ++row) {
            for (int c = 0; c < kMaxPatternColumns; ++c) {
                EXPECT_EQ(girder.m_adStrandTemplate[row][c], c < 3 ? TemplateValue(row, c) : 0.0)
                    << "row " << row << ", column " << c;
            }
        }
        for (int k = 0; k < kSectionGeneratorSlots; ++k) {
            EXPECT_EQ(girder.m_adGenWidth[k], 0.0);
            EXPECT_EQ(girder.m_adGenDepth[k], 0.0);
            EXPECT_EQ(girder.m_adGenExtra[k], 0.0);
        }
        EXPECT_EQ(girder.m_adCircularVoid[10][2], CircleValue(10, 2));
    }
}

TEST(LegacySectionArchive, AnUnsoundArchiveStopsWithTheCountRead) {
    struct Case {
        const char* what;
        Bytes bytes;
        int read;
    };
    Bytes badRecord = SectionArchive(3, "3.00", 3, true);
    // Record 2's outline count (101 points at most): the head is 4 + 15 + 5 bytes, a record
    // named S1 15899, and the count lies where the .ksl record has it, less the version's 8.
    const std::size_t record2 = 4 + 15 + 5 + 15897 + 2;
    ByteWriter count;
    count.I32(102);
    std::copy(count.Data().begin(), count.Data().end(),
              badRecord.begin() + static_cast<long>(record2 + 12125 + 2 - 8));
    Bytes truncated = SectionArchive(2, "3.00", 2, true);
    truncated.resize(truncated.size() - 1);
    const Case cases[] = {
        {"a negative count", SectionArchive(-1, "3.00", 0, true), 0},
        {"more records announced than held", SectionArchive(5, "3.00", 2, true), 2},
        {"the last record cut short", truncated, 1},
        {"a record with 102 outline points", badRecord, 1},
        {"a head cut short", Bytes{2, 0, 0}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const SectionsRead r = ReadSections(c.bytes);
        EXPECT_FALSE(r.result.Complete());
        EXPECT_EQ(r.result.recordsRead, c.read);
        EXPECT_EQ(r.records.size(), static_cast<std::size_t>(c.read));
    }
    // An archive of no records holds its head alone.
    const SectionsRead none = ReadSections(SectionArchive(0, "3.00", 0, true));
    EXPECT_TRUE(none.result.Complete());
    EXPECT_EQ(none.result.recordsRead, 0);
}

TEST(LegacySectionArchive, TheHeadAndTheVersionNumber) {
    platform::Archive ar(SectionArchive(4, "3.00", 0, true, "sectionlib.dat"));
    const LegacySectionHeader h = ReadLegacySectionHeader(ar);
    EXPECT_EQ(h.sectionCount, 4);
    EXPECT_EQ(h.libraryTag, "sectionlib.dat");
    EXPECT_EQ(h.formatVersion, "3.00");

    struct Case {
        const char* text;
        double number;
    };
    const Case cases[] = {{"3.00", 3.0}, {"2.50", 2.5}, {"3", 3.0},  {"12.5x", 12.5},
                          {"", 0.0},     {"v3", 0.0},   {".5", 0.5}, {" 3.00", 0.0}};
    for (const Case& c : cases) EXPECT_DOUBLE_EQ(LeadingVersionNumber(c.text), c.number) << c.text;
}

// ---- Vehicle archive ---------------------------------------------------------------------------

struct VehiclesRead {
    LegacyArchiveRead result;
    std::vector<TruckLibRecord> records;
};

VehiclesRead ReadVehicles(const Bytes& bytes) {
    VehiclesRead r;
    platform::Archive ar(bytes);
    r.result =
        ReadLegacyVehicleArchive(ar, [&](const TruckLibRecord& v) { r.records.push_back(v); });
    return r;
}

TEST(LegacyVehicleArchive, RecordsFollowEachOtherWithNoSeparator) {
    for (const char* version : {kLegacyVehicleLibVersion, "9.99", ""}) {
        SCOPED_TRACE(std::string("version text \"") + version + "\"");
        ByteWriter w;
        w.Str(version).I32(3);
        const std::size_t first = w.Size();
        WriteVehicleBody(w, "Empty", 0);
        EXPECT_EQ(w.Size() - first, 58u + 5u) << "a record of no axles is 58 + n bytes";
        WriteVehicleBody(w, "Two", 2, 0);
        WriteVehicleBody(w, "HL-93", 3);
        const VehiclesRead r = ReadVehicles(w.Data());
        EXPECT_TRUE(r.result.Complete()) << r.result.fault;
        ASSERT_EQ(r.records.size(), 3u);
        EXPECT_EQ(r.records[0].m_strName, "Empty");
        EXPECT_EQ(r.records[0].m_nAxleCount, 0);
        EXPECT_EQ(r.records[1].m_strName, "Two");
        EXPECT_EQ(r.records[1].m_aAxles[1].m_dMaxSpacing, 29.0);
        EXPECT_EQ(r.records[1].m_bIncludeTandem, 0);
        EXPECT_EQ(r.records[2].m_nAxleCount, 3);
        EXPECT_EQ(r.records[2].m_aAxles[2].m_dWeight, 12.0);
        EXPECT_EQ(r.records[2].m_aAxles[3], VehicleAxle{}) << "rows beyond N of a fresh record";
        EXPECT_EQ(r.records[2].m_nCombination, 2);
    }
}

TEST(LegacyVehicleArchive, AnUnsoundArchiveStopsWithTheCountRead) {
    const auto archive = [](int count, const std::vector<int>& axles) {
        ByteWriter w;
        w.Str("1.00").I32(count);
        for (std::size_t i = 0; i < axles.size(); ++i) {
            if (axles[i] < 0 || axles[i] > kMaxVehicleAxles) {
                w.Str("Bad").I32(axles[i]);  // the rest does not matter
            } else {
                WriteVehicleBody(w, "V" + std::to_string(i + 1), axles[i]);
            }
        }
        return w.Data();
    };
    struct Case {
        const char* what;
        Bytes bytes;
        int read;
    };
    Bytes truncated = archive(2, {3, 3});
    truncated.resize(truncated.size() - 4);
    const Case cases[] = {
        {"a negative count", archive(-2, {}), 0},
        {"a count past the end of the file", archive(4, {1, 2}), 2},
        {"a record of 101 axles", archive(3, {1, 101, 1}), 1},
        {"a record of -1 axles", archive(2, {-1, 1}), 0},
        {"the last record cut short", truncated, 1},
        {"an empty file", Bytes{}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const VehiclesRead r = ReadVehicles(c.bytes);
        EXPECT_FALSE(r.result.Complete());
        EXPECT_EQ(r.result.recordsRead, c.read);
        EXPECT_EQ(r.records.size(), static_cast<std::size_t>(c.read));
    }
    const VehiclesRead none = ReadVehicles(archive(0, {}));
    EXPECT_TRUE(none.result.Complete());
    EXPECT_EQ(none.result.recordsRead, 0);
}

}  // namespace
}  // namespace kordel::test
