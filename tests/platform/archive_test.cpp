#include "platform/archive.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <bit>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <limits>
#include <new>

namespace platform {
namespace {

using Bytes = std::vector<std::uint8_t>;

// ---------------------------------------------------------------------------------------------
// Primitives: exact little-endian bytes and a bit-exact round trip

TEST(ArchivePrimitives, Int32IsLittleEndianAndRoundTrips) {
    Archive out;
    out.WriteInt32(0x01020304);
    EXPECT_EQ(out.Bytes(), (Bytes{0x04, 0x03, 0x02, 0x01}));

    const std::int32_t values[] = {0,
                                   1,
                                   -1,
                                   44,
                                   std::numeric_limits<std::int32_t>::min(),
                                   std::numeric_limits<std::int32_t>::max()};
    Archive store;
    for (std::int32_t v : values) store.WriteInt32(v);
    Archive load(store.Bytes());
    for (std::int32_t v : values) EXPECT_EQ(load.ReadInt32(), v);
    EXPECT_TRUE(load.AtEnd());
}

TEST(ArchivePrimitives, UnsignedAndByteRoundTrip) {
    Archive store;
    store.WriteByte(0xAB);
    store.WriteUInt16(0xFFFE);
    store.WriteUInt32(0xDEADBEEF);
    EXPECT_EQ(store.Bytes(), (Bytes{0xAB, 0xFE, 0xFF, 0xEF, 0xBE, 0xAD, 0xDE}));
    Archive load(store.Bytes());
    EXPECT_EQ(load.ReadByte(), 0xAB);
    EXPECT_EQ(load.ReadUInt16(), 0xFFFE);
    EXPECT_EQ(load.ReadUInt32(), 0xDEADBEEFu);
    EXPECT_TRUE(load.AtEnd());
}

TEST(ArchivePrimitives, FloatsAreIeeeLittleEndianAndBitExact) {
    Archive one;
    one.WriteFloat32(1.0f);  // 0x3F800000
    one.WriteFloat64(1.0);   // 0x3FF0000000000000
    EXPECT_EQ(one.Bytes(), (Bytes{0x00, 0x00, 0x80, 0x3F, 0, 0, 0, 0, 0, 0, 0xF0, 0x3F}));

    const float floats[] = {0.0f,
                            -0.0f,
                            0.1f,
                            -1234.5f,
                            std::numeric_limits<float>::infinity(),
                            std::numeric_limits<float>::denorm_min(),
                            std::numeric_limits<float>::quiet_NaN()};
    const double doubles[] = {0.0,
                              -0.0,
                              0.1,
                              29000.0,
                              -std::numeric_limits<double>::infinity(),
                              std::numeric_limits<double>::denorm_min(),
                              std::numeric_limits<double>::quiet_NaN()};
    Archive store;
    for (float f : floats) store.WriteFloat32(f);
    for (double d : doubles) store.WriteFloat64(d);
    Archive load(store.Bytes());
    for (float f : floats)
        EXPECT_EQ(std::bit_cast<std::uint32_t>(load.ReadFloat32()), std::bit_cast<std::uint32_t>(f))
            << "float " << f;
    for (double d : doubles)
        EXPECT_EQ(std::bit_cast<std::uint64_t>(load.ReadFloat64()), std::bit_cast<std::uint64_t>(d))
            << "double " << d;
    EXPECT_TRUE(load.AtEnd());
}

TEST(ArchivePrimitives, BoolIsOneByteOneOrZero) {
    Archive store;
    store.WriteBool(0);
    store.WriteBool(1);
    store.WriteBool(-7);
    store.WriteBool(256);  // would be 0 if the flag were cut to its low byte
    EXPECT_EQ(store.Bytes(), (Bytes{0, 1, 1, 1}));

    // Any non-zero byte reads back as 1.
    Archive load(Bytes{0x00, 0x01, 0x7F, 0x80, 0xFF});
    EXPECT_EQ(load.ReadBool(), 0);
    EXPECT_EQ(load.ReadBool(), 1);
    EXPECT_EQ(load.ReadBool(), 1);
    EXPECT_EQ(load.ReadBool(), 1);
    EXPECT_EQ(load.ReadBool(), 1);
}

// ---------------------------------------------------------------------------------------------
// Strings

struct PrefixCase {
    std::size_t length;
    Bytes prefix;
};

TEST(ArchiveStrings, LengthPrefixHasOneThreeOrSevenBytes) {
    const PrefixCase cases[] = {
        {0, {0x00}},                                            // one byte
        {254, {0xFE}},                                          // largest one-byte length
        {255, {0xFF, 0xFF, 0x00}},                              // 0xFF escape, uint16
        {0xFFFD, {0xFF, 0xFD, 0xFF}},                           // largest uint16 length
        {0xFFFE, {0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00}},   // 0xFFFE is the wide marker
        {0x10000, {0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x01, 0x00}},  // uint32
    };
    for (const PrefixCase& c : cases) {
        std::string text(c.length, 'x');
        if (!text.empty()) text.back() = 'z';  // the last character survives
        Archive store;
        store.WriteString(text);
        store.WriteInt32(-2);  // the next value starts right after the characters
        const Bytes& bytes = store.Bytes();
        ASSERT_EQ(bytes.size(), c.prefix.size() + c.length + 4) << "length " << c.length;
        EXPECT_EQ(
            Bytes(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(c.prefix.size())),
            c.prefix)
            << "length " << c.length;

        Archive load(bytes);
        EXPECT_EQ(load.ReadString(), text) << "length " << c.length;
        EXPECT_EQ(load.ReadInt32(), -2) << "length " << c.length;
    }
}

TEST(ArchiveStrings, EightBitCharactersAndEmbeddedZerosSurvive) {
    const std::string text("a\0\xE9\xFF", 4);
    Archive store;
    store.WriteString(text);
    Archive load(store.Bytes());
    EXPECT_EQ(load.ReadString(), text);
}

TEST(ArchiveStrings, WideMarkerAnnouncesSixteenBitCharacters) {
    // Marker, 1-byte length 3, then 'A', e-acute (0xE9) and Greek Omega (0x03A9), which has no
    // 8-bit form; then an int that must start right after.
    Archive load(Bytes{0xFF, 0xFE, 0xFF, 0x03, 'A', 0x00, 0xE9, 0x00, 0xA9, 0x03, 7, 0, 0, 0});
    EXPECT_EQ(load.ReadString(), "A\xE9?");
    EXPECT_EQ(load.ReadInt32(), 7);
    EXPECT_TRUE(load.AtEnd());

    // With a 3-byte length after the marker: 300 characters.
    Bytes wide{0xFF, 0xFE, 0xFF, 0xFF, 0x2C, 0x01};
    for (int i = 0; i < 300; ++i) wide.insert(wide.end(), {'w', 0x00});
    Archive longLoad(wide);
    EXPECT_EQ(longLoad.ReadString(), std::string(300, 'w'));
    EXPECT_TRUE(longLoad.AtEnd());
}

TEST(ArchiveStrings, SaveNeverWritesTheWideMarker) {
    // The 8-bit text that a wide read produces goes back out as plain 8-bit text.
    Archive store;
    store.WriteString("A\xE9?");
    EXPECT_EQ(store.Bytes(), (Bytes{0x03, 'A', 0xE9, '?'}));
}

TEST(ArchiveStrings, MalformedPrefixesAreRefused) {
    const Bytes cases[] = {
        {0xFF, 0xFE, 0xFF, 0xFF, 0xFE, 0xFF, 0x00},  // marker twice
        {0xFF, 0xFE, 0xFF},                          // marker with no length after it
        {0xFF, 0xFE, 0xFF, 0x02, 'a', 0x00, 'b'},    // odd byte count of wide characters
        {0x05, 'a', 'b'},                            // fewer characters than announced
        {0xFF, 0x10},                                // cut uint16 length
        {0xFF, 0xFF, 0xFF, 0x01, 0x00},              // cut uint32 length
    };
    for (const Bytes& bytes : cases) {
        Archive load(bytes);
        EXPECT_THROW(load.ReadString(), ArchiveError) << "case of " << bytes.size() << " bytes";
    }
}

TEST(ArchiveStrings, HostileLengthIsRefusedBeforeAnyAllocation) {
    // 0xFFFFFFFF characters announced, four bytes present; wide doubles the byte count.
    const Bytes narrow{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 'a', 'b', 'c', 'd'};
    const Bytes wide{0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 'a', 0, 'b', 0};
    for (const Bytes& bytes : {narrow, wide}) {
        Archive load(bytes);
        EXPECT_THROW(load.ReadString(), ArchiveError);
    }
}

#if defined(__SANITIZE_ADDRESS__)
#define KORDEL_TEST_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define KORDEL_TEST_ASAN 1
#endif
#endif

/// Caps the address space of this (child) process at its current size plus `extra` bytes.
void LimitAddressSpace(std::size_t extra) {
    std::ifstream statm("/proc/self/statm");
    std::size_t pages = 0;
    statm >> pages;
    const auto current = pages * static_cast<std::size_t>(::sysconf(_SC_PAGESIZE));
    const rlimit limit{current + extra, current + extra};
    ::setrlimit(RLIMIT_AS, &limit);
}

TEST(ArchiveDeathTest, HostileLengthDoesNotAllocateItsSize) {
#ifdef KORDEL_TEST_ASAN
    GTEST_SKIP() << "address-space limits cannot be used with AddressSanitizer";
#endif
    // In a child with only 256 MiB of address space to spare, a reader that allocated the
    // announced 4 GiB before checking would fail with bad_alloc instead of ArchiveError.
    EXPECT_EXIT(
        {
            LimitAddressSpace(256u << 20);
            Archive load(Bytes{0xFF, 0xFF, 0xFF, 0xF0, 0xFF, 0xFF, 0xFF, 'a'});
            try {
                load.ReadString();
            } catch (const ArchiveError&) {
                std::_Exit(0);
            } catch (const std::bad_alloc&) {
                std::_Exit(2);
            }
            std::_Exit(1);
        },
        ::testing::ExitedWithCode(0), "");
}

// ---------------------------------------------------------------------------------------------
// A mixed record: every prefix of it is refused, the whole of it reads back

struct Mixed {
    int count = 0;
    int flag = 0;
    float ratio = 0;
    double length = 0;
    std::string name;
    std::string note;
    int tail = 0;

    /// One layout for both directions, as the document's Serialize writes it.
    void Serialize(Archive& ar) {
        ar.Int32(count);
        ar.Bool(flag);
        ar.Float32(ratio);
        ar.Float64(length);
        ar.String(name);
        ar.String(note);
        ar.Int32(tail);
    }
};

Bytes MixedRecordBytes() {
    Mixed m{-5, 1, 0.75f, 120.5, "AASHTO Type IV", std::string(300, 'n'), 0x7FFFFFFF};
    Archive store;
    m.Serialize(store);
    Bytes bytes = store.Bytes();
    // And a wide string, as an older file would carry it: "Ok".
    bytes.insert(bytes.end(), {0xFF, 0xFE, 0xFF, 0x02, 'O', 0x00, 'k', 0x00});
    return bytes;
}

TEST(ArchiveRecord, WholeRecordReadsBack) {
    Archive load(MixedRecordBytes());
    Mixed m;
    m.Serialize(load);
    EXPECT_EQ(m.count, -5);
    EXPECT_EQ(m.flag, 1);
    EXPECT_EQ(m.ratio, 0.75f);
    EXPECT_EQ(m.length, 120.5);
    EXPECT_EQ(m.name, "AASHTO Type IV");
    EXPECT_EQ(m.note, std::string(300, 'n'));
    EXPECT_EQ(m.tail, 0x7FFFFFFF);
    EXPECT_EQ(load.ReadString(), "Ok");
    EXPECT_TRUE(load.AtEnd());
}

TEST(ArchiveRecord, EveryTruncationIsRefused) {
    const Bytes full = MixedRecordBytes();
    for (std::size_t n = 0; n < full.size(); ++n) {
        Archive load(Bytes(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(n)));
        Mixed m;
        EXPECT_THROW(
            {
                m.Serialize(load);
                load.ReadString();
            },
            ArchiveError)
            << "file cut to " << n << " of " << full.size() << " bytes";
        EXPECT_LE(load.Position(), n) << "read past the end of " << n << " bytes";
    }
}

TEST(ArchiveRecord, SeekReadsAgainFromAnEarlierByte) {
    const Bytes full = MixedRecordBytes();
    Archive load(full);
    Mixed first;
    first.Serialize(load);
    const std::size_t afterRecord = load.Position();
    // Back to the start: the same record reads again, as a reader that tries a second layout
    // needs.
    load.Seek(0);
    Mixed again;
    again.Serialize(load);
    EXPECT_EQ(load.Position(), afterRecord);
    EXPECT_EQ(again.name, first.name);
    EXPECT_EQ(again.tail, first.tail);
    // Into the middle, to the end, and not past it.
    load.Seek(4);
    EXPECT_EQ(load.ReadByte(), 1) << "the flag follows the int32 count";
    load.Seek(full.size());
    EXPECT_TRUE(load.AtEnd());
    EXPECT_THROW(load.ReadByte(), ArchiveError);
    EXPECT_THROW(load.Seek(full.size() + 1), ArchiveError);
    EXPECT_EQ(load.Position(), full.size()) << "a refused seek leaves the position";
}

// ---------------------------------------------------------------------------------------------
// Misuse

TEST(ArchiveMisuse, WrongDirectionIsAProgrammingError) {
    Archive store;
    EXPECT_THROW(store.ReadInt32(), std::logic_error);
    EXPECT_THROW(store.ReadString(), std::logic_error);
    EXPECT_THROW(store.Seek(0), std::logic_error);
    Archive load(Bytes{1, 2, 3, 4, 5, 6, 7, 8});
    EXPECT_THROW(load.WriteInt32(1), std::logic_error);
    EXPECT_THROW(load.WriteString("a"), std::logic_error);
    EXPECT_THROW(load.WriteFloat64(1.0), std::logic_error);
    EXPECT_EQ(load.Position(), 0u);
    EXPECT_EQ(load.Remaining(), 8u);
}

}  // namespace
}  // namespace platform
