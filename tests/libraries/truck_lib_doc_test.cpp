// The .ktl file against vehicles written byte by byte from the layout table, the standard HL-93
// vehicle, and files refused whole.
#include "libraries/truck_lib_doc.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <limits>
#include <string>

#include "libraries/library_fixtures.h"
#include "platform/file_io.h"
#include "test_support.h"

namespace kordel::test {
namespace {

class TruckLibDocTest : public EngineTest {
  protected:
    std::string Write(const std::string& file, const Bytes& bytes) {
        const std::string path = folder.Path(file);
        platform::WriteFileAtomically(path, bytes);
        return path;
    }
    TempFolder folder;
};

TEST_F(TruckLibDocTest, Hl93IsTheStandardVehicleAndSavesAs143Bytes) {
    // AASHTO LRFD Art. 3.6.1.2: axles of 8, 32 and 32 kip, 14 ft and 14 to 30 ft apart (the
    // library takes 14 to 28 ft for both), 0.64 klf lane load, two 25-kip tandem axles 4 ft
    // apart; truck or tandem, each with the lane load.
    CTruckLibDoc doc;
    static_cast<TruckLibRecord&>(doc) = StandardVehicle();
    ASSERT_TRUE(doc.OnSaveDocument(folder.Path("HL-93.ktl")));
    const Bytes saved = platform::ReadWholeFile(folder.Path("HL-93.ktl"));
    ASSERT_EQ(saved.size(), 143u) << "66 + 5 + 24 x 3";

    ByteWriter expected;
    expected.F64(1.0).Str("HL-93").I32(3);
    expected.F64(8).F64(14).F64(28).F64(32).F64(14).F64(28).F64(32).F64(0).F64(0);
    expected.F64(0.64).F64(0).F64(0).Byte(1).F64(25).F64(25).F64(4).I32(1);
    EXPECT_TRUE(saved == expected.Data());

    CTruckLibDoc back;
    ASSERT_TRUE(back.OnOpenDocument(folder.Path("HL-93.ktl")));
    EXPECT_TRUE(static_cast<const TruckLibRecord&>(back) == StandardVehicle());
    for (int i = 3; i < kMaxVehicleAxles; ++i) {
        EXPECT_EQ(back.m_aAxles[i], VehicleAxle{}) << "row " << i;
    }
}

TEST_F(TruckLibDocTest, HandWrittenFilesLoad) {
    struct Case {
        const char* what;
        double version;
        int axles;
        std::uint8_t tandem;
        int tandemRead;
    };
    const Case cases[] = {
        {"two axles", 1.0, 2, 1, 1},
        // The version is not read: 2.0 loads as 1.0 does.
        {"version 2.0", 2.0, 2, 1, 1},
        {"no axles: 66 + n bytes", 1.0, 0, 0, 0},
        {"any non-zero tandem byte is true", 1.0, 1, 0x80, 1},
        {"the most axles", 1.0, 100, 1, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const Bytes bytes = KtlFixture(c.version, "Permit", c.axles, c.tandem);
        ASSERT_EQ(bytes.size(), 66u + 6u + 24u * static_cast<unsigned>(c.axles));
        // The object held HL-93: rows beyond N come back 0, not HL-93's.
        CTruckLibDoc doc;
        static_cast<TruckLibRecord&>(doc) = StandardVehicle();
        ASSERT_TRUE(doc.OnOpenDocument(Write("permit.ktl", bytes)));
        TruckLibRecord expected;
        expected.m_strName = "Permit";
        expected.m_nAxleCount = c.axles;
        for (int i = 0; i < c.axles; ++i) expected.m_aAxles[i] = {10.0 + i, 14.0 + i, 28.0 + i};
        expected.m_dLaneLoad = 0.64;
        expected.m_dLaneMomentLoad = 18;
        expected.m_dLaneShearLoad = 26;
        expected.m_bIncludeTandem = c.tandemRead;
        expected.m_dTandemAxle1 = 25;
        expected.m_dTandemAxle2 = 24;
        expected.m_dTandemSpacing = 4;
        expected.m_nCombination = 2;
        EXPECT_TRUE(static_cast<const TruckLibRecord&>(doc) == expected);
        // Saved again: version 1.0, and the tandem flag as the byte 1.
        ASSERT_TRUE(doc.OnSaveDocument(folder.Path("again.ktl")));
        EXPECT_TRUE(platform::ReadWholeFile(folder.Path("again.ktl")) ==
                    KtlFixture(1.0, "Permit", c.axles, c.tandemRead ? 1 : 0));
    }
    EXPECT_TRUE(host.Messages().empty());
}

TEST_F(TruckLibDocTest, ATandemFlagOfFiveIsWrittenAsOne) {
    CTruckLibDoc doc;
    static_cast<TruckLibRecord&>(doc) = StandardVehicle();
    doc.m_bIncludeTandem = 5;
    ASSERT_TRUE(doc.OnSaveDocument(folder.Path("five.ktl")));
    EXPECT_EQ(platform::ReadWholeFile(folder.Path("five.ktl")).at(37 + 5 + 72), 1);

    // A name of 255 characters or more: 0xFF and a 16-bit length, read back equal.
    doc.m_strName = std::string(255, 'V');
    ASSERT_TRUE(doc.OnSaveDocument(folder.Path("long.ktl")));
    const Bytes bytes = platform::ReadWholeFile(folder.Path("long.ktl"));
    EXPECT_EQ(bytes.size(), 66u + 255u + 2u + 72u);
    CTruckLibDoc back;
    ASSERT_TRUE(back.OnOpenDocument(folder.Path("long.ktl")));
    EXPECT_EQ(back.m_strName, doc.m_strName);
}

TEST_F(TruckLibDocTest, AFileRefusedLeavesTheVehicleAsItWas) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Case {
        const char* what;
        Bytes bytes;
    };
    auto withValue = [](std::size_t offset, auto write) {
        Bytes b = KtlFixture(1.0, "Bad", 2);  // n = 3
        ByteWriter v;
        write(v);
        std::copy(v.Data().begin(), v.Data().end(), b.begin() + static_cast<long>(offset));
        return b;
    };
    auto cut = [](std::size_t size) {
        Bytes b = KtlFixture(1.0, "Bad", 2);
        b.resize(size);
        return b;
    };
    const Case cases[] = {
        {"an empty file", {}},
        {"axle count -1", withValue(12, [](ByteWriter& v) { v.I32(-1); })},
        {"axle count 101", withValue(12, [](ByteWriter& v) { v.I32(101); })},
        {"an axle weight not a number", withValue(16, [&](ByteWriter& v) { v.F64(nan); })},
        {"a lane load of 1e300", withValue(16 + 48, [](ByteWriter& v) { v.F64(1e300); })},
        {"cut before the combination code", cut(66 + 3 + 48 - 1)},
        {"cut inside the axles", cut(30)},
        {"the version alone", cut(8)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CTruckLibDoc doc;
        static_cast<TruckLibRecord&>(doc) = StandardVehicle();
        host.ClearMessages();
        EXPECT_FALSE(doc.OnOpenDocument(Write("bad.ktl", c.bytes)));
        ASSERT_EQ(host.Messages().size(), 1u);
        EXPECT_EQ(host.Messages()[0].text, "Unexpected file format.");
        EXPECT_TRUE(static_cast<const TruckLibRecord&>(doc) == StandardVehicle());
    }
}

TEST_F(TruckLibDocTest, ASaveRefusesWhatALoadWouldRefuse) {
    CTruckLibDoc doc;
    doc.m_nAxleCount = 101;
    EXPECT_FALSE(doc.OnSaveDocument(folder.Path("refused.ktl")));
    EXPECT_FALSE(std::filesystem::exists(folder.Path("refused.ktl")));
    doc.m_nAxleCount = 1;
    doc.m_aAxles[0].m_dWeight = std::numeric_limits<double>::infinity();
    EXPECT_FALSE(doc.OnSaveDocument(folder.Path("refused.ktl")));
    EXPECT_FALSE(std::filesystem::exists(folder.Path("refused.ktl")));
}

TEST(TruckLibRecord, ANewRecordIsAllZero) {
    // Nothing is left undefined before the first load or copy.
    const TruckLibRecord r;
    EXPECT_EQ(r.m_nAxleCount, 0);
    EXPECT_EQ(r.m_dLaneLoad, 0.0);
    EXPECT_EQ(r.m_bIncludeTandem, 0);
    EXPECT_EQ(r.m_nCombination, 0);
    for (const VehicleAxle& a : r.m_aAxles) EXPECT_EQ(a, VehicleAxle{});
}

}  // namespace
}  // namespace kordel::test
