#include "platform/ini.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "platform/folders.h"
#include "platform/platform_test_support.h"

namespace platform {
namespace {

using platform_test::Exists;
using platform_test::ReadText;
using platform_test::ScopedEnv;
using platform_test::TempFolder;
using platform_test::WriteText;

/// A home folder of its own for each test, with the per-user program folder made, and a CIni
/// pointed at "private.ini" there. The real home folder is never touched.
class IniTest : public ::testing::Test {
  protected:
    IniTest()
        : m_home("HOME", m_dir.path()),
          m_config("XDG_CONFIG_HOME", m_dir / ".config"),
          m_documents("XDG_DOCUMENTS_DIR", m_dir / "Documents") {
        EXPECT_TRUE(CreateFolders(KordelUserFolder()));
        m_ini.SetUserFile(kIniFileName);
    }

    std::string Path() const { return m_ini.GetPathName(); }
    void Store(const std::string& text) const { WriteText(Path(), text); }
    std::string Stored() const { return ReadText(Path()); }
    /// A file with one "Options" key holding `value`.
    void StoreOption(const char* key, const std::string& value) const {
        Store("[Options]\n" + std::string(key) + "=" + value + "\n");
    }

    TempFolder m_dir;
    ScopedEnv m_home;
    ScopedEnv m_config;
    ScopedEnv m_documents;
    CIni m_ini;
};

// ---------------------------------------------------------------------------------------------
// Location

TEST_F(IniTest, UserFileIsInThePerUserProgramFolder) {
    EXPECT_EQ(Path(), m_dir / "Documents/Dravnick Technologies/Kordel V4/private.ini");

    CIni other;
    EXPECT_EQ(other.GetPathName(), "");
    other.SetPathName("/some/where.ini");
    EXPECT_EQ(other.GetPathName(), "/some/where.ini");
    other.SetPathName(nullptr);
    EXPECT_EQ(other.GetPathName(), "");
}

TEST_F(IniTest, NoPathReadsDefaultsAndWritesNothing) {
    CIni none;
    EXPECT_EQ(none.GetString(kIniSectionOptions, kIniKeyLibraryFolder, "null"), "null");
    EXPECT_EQ(none.GetInt(kIniSectionOptions, kIniKeyTextReportFont, 3), 3);
    EXPECT_FALSE(none.WriteString(kIniSectionOptions, kIniKeyLibraryFolder, "null"));
}

// ---------------------------------------------------------------------------------------------
// Reading

TEST_F(IniTest, NoFileGivesEveryDefaultAndCreatesNothing) {
    EXPECT_EQ(m_ini.GetString(kIniSectionOptions, kIniKeyLibraryFolder, kIniDefaultFolder), "null");
    EXPECT_EQ(m_ini.GetString(kIniSectionOptions, kIniKeyTruckLibraryFolder, kIniDefaultFolder),
              "null");
    EXPECT_EQ(m_ini.GetInt(kIniSectionOptions, kIniKeyTextReportFont, 0, 10), 0);
    for (const char* key :
         {kIniKeyShowInputData, kIniKeyShowAnalysisResults, kIniKeyShowContinuityAnalysis,
          kIniKeyShowStresses, kIniKeyShowVerticalShear, kIniKeyShowCamberAndDeflection,
          kIniKeyShowInterfaceShear, kIniKeyShowFlexure})
        EXPECT_EQ(m_ini.GetBool(kIniSectionOptions, key, 1), 1) << key;
    EXPECT_EQ(m_ini.GetString(kIniSectionWindowState, kIniKeyWindowPlacement, "No File"),
              "No File");
    EXPECT_EQ(m_ini.GetBool(kIniSectionWindowState, kIniKeyToolbar, 1), 1);
    EXPECT_EQ(m_ini.GetBool(kIniSectionWindowState, kIniKeyStatusBar, 1), 1);
    std::array<std::uint8_t, kWindowPlacementBytes> placement{};
    EXPECT_EQ(m_ini.GetDataBlock(kIniSectionWindowState, kIniKeyWindowPlacement, placement.data(),
                                 placement.size()),
              0u);
    EXPECT_FALSE(Exists(Path()));
}

TEST_F(IniTest, MissingSectionOrKeyOrNullNameGivesTheDefault) {
    Store("[Options]\nText Report Font=2\n");
    EXPECT_EQ(m_ini.GetInt("Other", kIniKeyTextReportFont, 9), 9);
    EXPECT_EQ(m_ini.GetInt(kIniSectionOptions, "Other", 9), 9);
    EXPECT_EQ(m_ini.GetString(nullptr, kIniKeyTextReportFont, "d"), "d");
    EXPECT_EQ(m_ini.GetString(kIniSectionOptions, nullptr, "d"), "d");
    EXPECT_EQ(m_ini.GetString(kIniSectionOptions, "Other"), "");
    // Trailing blanks of the default go, as they do when the file is asked.
    EXPECT_EQ(m_ini.GetString(kIniSectionOptions, "Other", "No File  "), "No File");
}

TEST_F(IniTest, NamesMatchWithoutCaseAndValuesLoseBlanksAndQuotes) {
    Store(
        "[ options ]\n"
        "  text report FONT  =  2  \n"
        "Library File Location=\"/data/Section Library/\"\n"
        "Truck Library File Location='/data/trucks/'\n"
        "Quoted=\"only one side\n");
    EXPECT_EQ(m_ini.GetInt(kIniSectionOptions, kIniKeyTextReportFont, 0), 2);
    EXPECT_EQ(m_ini.GetString("OPTIONS", kIniKeyLibraryFolder), "/data/Section Library/");
    EXPECT_EQ(m_ini.GetString(kIniSectionOptions, kIniKeyTruckLibraryFolder), "/data/trucks/");
    EXPECT_EQ(m_ini.GetString(kIniSectionOptions, "Quoted"), "\"only one side");
}

TEST_F(IniTest, FirstOfTwoEqualKeysOrSectionsWins) {
    Store(
        "[Options]\nText Report Font=1\nTEXT REPORT FONT=2\n[Window State]\nToolbar=0\n"
        "[Options]\nText Report Font=3\nLibrary File Location=/second/\n");
    EXPECT_EQ(m_ini.GetInt(kIniSectionOptions, kIniKeyTextReportFont, 0), 1);
    EXPECT_EQ(m_ini.GetString(kIniSectionOptions, kIniKeyLibraryFolder, "null"), "null");
}

TEST_F(IniTest, EveryReadSeesTheFileAsItIsNow) {
    StoreOption(kIniKeyTextReportFont, "1");
    EXPECT_EQ(m_ini.GetInt(kIniSectionOptions, kIniKeyTextReportFont, 0), 1);
    StoreOption(kIniKeyTextReportFont, "2");
    EXPECT_EQ(m_ini.GetInt(kIniSectionOptions, kIniKeyTextReportFont, 0), 2);
    ASSERT_EQ(std::remove(Path().c_str()), 0);
    EXPECT_EQ(m_ini.GetInt(kIniSectionOptions, kIniKeyTextReportFont, 0), 0);
}

TEST_F(IniTest, GetStringToBufferCutsAndReportsTheLength) {
    StoreOption("Name", "abcdef");
    struct Case {
        std::size_t size;
        std::size_t returned;
        const char* text;
    };
    const Case cases[] = {
        {10, 6, "abcdef"},  // room enough: the value's length
        {7, 6, "abcdef"},   // exactly enough for the terminator
        {4, 4, "abc"},      // cut: size - 1 characters, the return capped at size
        {1, 1, ""},
    };
    for (const Case& c : cases) {
        char buffer[16];
        std::memset(buffer, '#', sizeof buffer);
        EXPECT_EQ(m_ini.GetStringToBuffer(kIniSectionOptions, "Name", buffer, c.size), c.returned)
            << "size " << c.size;
        EXPECT_STREQ(buffer, c.text) << "size " << c.size;
    }
    char buffer[8] = "old";
    EXPECT_EQ(m_ini.GetStringToBuffer(kIniSectionOptions, "Missing", buffer, sizeof buffer, "d"),
              1u);
    EXPECT_STREQ(buffer, "d");
    EXPECT_EQ(m_ini.GetStringToBuffer(kIniSectionOptions, "Name", nullptr, 100), 6u);
    EXPECT_EQ(m_ini.GetStringToBuffer(kIniSectionOptions, "Name", nullptr, 0), 0u);
}

struct IntCase {
    const char* stored;
    int base;
    int expected;
    const char* why;
};

TEST_F(IniTest, GetIntConvertsLikeAThirtyTwoBitStrtoul) {
    const std::string sixtyThreeZeros(63, '0');
    const IntCase cases[] = {
        {"2", 10, 2, "plain"},
        {"abc", 10, 0, "no digits"},
        {"12abc", 10, 12, "leading digits only"},
        {"+5", 10, 5, "plus sign"},
        {"-1", 10, -1, "minus wraps: 0xFFFFFFFF"},
        {"-4294967295", 10, 1, "minus wraps: 2^32 - 4294967295"},
        {"4294967295", 10, -1, "largest 32-bit value"},
        {"4294967296", 10, -1, "beyond 32 bits saturates"},
        {"99999999999999999999999", 10, -1, "far beyond 64 bits saturates"},
        {"1F", 16, 31, "upper-case hex"},
        {"1f", 16, 31, "lower-case hex"},
        {"0x1F", 16, 31, "0x prefix in base 16"},
        {"0x", 16, 0, "0x prefix without digits reads the 0"},
        {"0x1F", 10, 0, "no prefix in base 10"},
        {"101", 2, 5, "binary"},
        {"102", 2, 2, "binary stops at 2"},
        {"17", 8, 15, "octal"},
        {"9", 8, 0, "octal has no 9"},
        {"19", 7, 19, "base 7 is taken as 10"},
        {"1F", 0, 1, "base 0 is taken as 10"},
        {"", 10, 77, "empty gives the default"},
        {"   ", 10, 77, "blanks only give the default"},
    };
    for (const IntCase& c : cases) {
        StoreOption(kIniKeyTextReportFont, c.stored);
        EXPECT_EQ(m_ini.GetInt(kIniSectionOptions, kIniKeyTextReportFont, 77, c.base), c.expected)
            << "\"" << c.stored << "\" base " << c.base << ": " << c.why;
    }

    // The value is read through a 64-character buffer: a digit at position 64 is cut off.
    StoreOption(kIniKeyTextReportFont, sixtyThreeZeros + "1");
    EXPECT_EQ(m_ini.GetInt(kIniSectionOptions, kIniKeyTextReportFont, 77), 0);
    StoreOption(kIniKeyTextReportFont, sixtyThreeZeros.substr(1) + "1");
    EXPECT_EQ(m_ini.GetInt(kIniSectionOptions, kIniKeyTextReportFont, 77), 1);
}

TEST_F(IniTest, GetBoolReadsWordsAndLeadingNumbers) {
    struct Case {
        const char* stored;
        int expected;
    };
    const Case cases[] = {
        {"yes", 1},  {"Yes", 1}, {"TRUE", 1}, {"true", 1},    {"1", 1},   {"-3", 1},
        {"2abc", 1}, {" 7", 1},  {"0", 0},    {"no", 0},      {"off", 0}, {"false", 0},
        {"on", 0},   {"-0", 0},  {"000", 0},  {"yes sir", 0}, {"", 1},
    };
    for (const Case& c : cases) {
        StoreOption(kIniKeyShowFlexure, c.stored);
        EXPECT_EQ(m_ini.GetBool(kIniSectionOptions, kIniKeyShowFlexure, 1), c.expected)
            << "\"" << c.stored << "\"";
    }
    // The default comes back as it was given, also when it is neither 0 nor 1.
    StoreOption(kIniKeyShowFlexure, "");
    EXPECT_EQ(m_ini.GetBool(kIniSectionOptions, kIniKeyShowFlexure, 0), 0);
    EXPECT_EQ(m_ini.GetBool(kIniSectionOptions, kIniKeyShowFlexure, 5), 5);
    // Cut at 63 characters like GetInt.
    StoreOption(kIniKeyShowFlexure, std::string(63, '0') + "1");
    EXPECT_EQ(m_ini.GetBool(kIniSectionOptions, kIniKeyShowFlexure, 1), 0);
}

TEST(IniConversions, StringToBoolWithoutAFile) {
    EXPECT_EQ(CIni::StringToBool(nullptr, 1), 1);
    EXPECT_EQ(CIni::StringToBool(nullptr, 0), 0);
    EXPECT_EQ(CIni::StringToBool("", 0), 0);
    EXPECT_EQ(CIni::StringToBool("YeS", 0), 1);
    EXPECT_EQ(CIni::StringToBool("99999999999999999999", 0), 1);
}

// ---------------------------------------------------------------------------------------------
// Data blocks

TEST_F(IniTest, GetDataBlockDecodesHexDigitsOrNothing) {
    struct Case {
        const char* stored;
        std::size_t offset;
        std::vector<std::uint8_t> expected;
        const char* why;
    };
    const Case cases[] = {
        {"2C000000", 0, {0x2C, 0, 0, 0}, "four bytes"},
        {"2c0aFf", 0, {0x2C, 0x0A, 0xFF}, "either case"},
        {"ABC", 0, {0xAB}, "odd digit ignored"},
        {"A", 0, {}, "a single digit is no byte"},
        {"2C 00", 0, {}, "a space inside"},
        {"2C0G", 0, {}, "a non-hex character"},
        {"2C000-", 0, {}, "a sign"},
        {"", 0, {}, "empty"},
        {"0102030405", 3, {0x04, 0x05}, "from an offset"},
        {"0102030405", 5, {}, "offset at the end"},
        {"0102030405", 9, {}, "offset past the end"},
        {"010203ZZ", 4, {}, "offset checked before the digits"},
    };
    for (const Case& c : cases) {
        StoreOption("Block", c.stored);
        EXPECT_EQ(m_ini.GetDataBlock(kIniSectionOptions, "Block", nullptr, 0, c.offset),
                  c.expected.size())
            << c.why;
        std::vector<std::uint8_t> buffer(16, 0xEE);
        const std::size_t n =
            m_ini.GetDataBlock(kIniSectionOptions, "Block", buffer.data(), buffer.size(), c.offset);
        ASSERT_EQ(n, c.expected.size()) << c.why;
        EXPECT_EQ(std::vector<std::uint8_t>(buffer.begin(), buffer.begin() + n), c.expected)
            << c.why;
        EXPECT_EQ(buffer[n], 0xEE) << c.why << ": wrote past the count";
    }

    // A buffer smaller than the block takes only what fits.
    StoreOption("Block", "0102030405");
    std::array<std::uint8_t, 3> small{};
    std::array<std::uint8_t, 4> guarded{};
    EXPECT_EQ(m_ini.GetDataBlock(kIniSectionOptions, "Block", guarded.data(), small.size()), 3u);
    EXPECT_EQ(guarded, (std::array<std::uint8_t, 4>{1, 2, 3, 0}));
}

/// The window placement record: eleven 32-bit little-endian fields.
std::array<std::uint8_t, kWindowPlacementBytes> PlacementRecord() {
    const std::int32_t fields[11] = {44, 0, 1, -1, -1, -1, -1, 10, 20, 810, 620};
    std::array<std::uint8_t, kWindowPlacementBytes> record{};
    for (std::size_t i = 0; i < 11; ++i)
        for (std::size_t b = 0; b < 4; ++b)
            record[4 * i + b] =
                static_cast<std::uint8_t>(static_cast<std::uint32_t>(fields[i]) >> (8 * b));
    return record;
}

TEST_F(IniTest, PlacementRecordIsStoredAsEightyEightUpperCaseDigits) {
    const auto record = PlacementRecord();
    ASSERT_TRUE(m_ini.WriteDataBlock(kIniSectionWindowState, kIniKeyWindowPlacement, record.data(),
                                     record.size()));
    const std::string stored = m_ini.GetString(kIniSectionWindowState, kIniKeyWindowPlacement);
    ASSERT_EQ(stored.size(), 88u);
    EXPECT_EQ(stored.substr(0, 8), "2C000000");            // the record length 44, low byte first
    EXPECT_EQ(stored.substr(16, 16), "01000000FFFFFFFF");  // show command 1, minimised x -1
    EXPECT_EQ(stored.find_first_not_of("0123456789ABCDEF"), std::string::npos) << stored;

    std::array<std::uint8_t, kWindowPlacementBytes> back{};
    EXPECT_EQ(m_ini.GetDataBlock(kIniSectionWindowState, kIniKeyWindowPlacement, nullptr, 0), 44u);
    EXPECT_EQ(m_ini.GetDataBlock(kIniSectionWindowState, kIniKeyWindowPlacement, back.data(),
                                 back.size()),
              44u);
    EXPECT_EQ(back, record);
}

TEST_F(IniTest, DataBlockEdgeCases) {
    EXPECT_FALSE(m_ini.WriteDataBlock(kIniSectionWindowState, kIniKeyWindowPlacement, nullptr, 4));
    EXPECT_FALSE(Exists(Path()));
    const std::uint8_t bytes[] = {0x00, 0x0F, 0xF0, 0xFF};
    ASSERT_TRUE(m_ini.WriteDataBlock(kIniSectionWindowState, "Block", bytes, sizeof bytes));
    EXPECT_EQ(m_ini.GetString(kIniSectionWindowState, "Block"), "000FF0FF");
    ASSERT_TRUE(m_ini.WriteDataBlock(kIniSectionWindowState, "Block", bytes, 0));
    EXPECT_EQ(m_ini.GetString(kIniSectionWindowState, "Block", "gone"), "");
}

// ---------------------------------------------------------------------------------------------
// Writing

TEST_F(IniTest, FirstWriteCreatesTheFileButNeverAFolder) {
    // A reader that finds "null" writes it back, so the key exists afterwards.
    ASSERT_EQ(m_ini.GetString(kIniSectionOptions, kIniKeyLibraryFolder, kIniDefaultFolder), "null");
    ASSERT_TRUE(m_ini.WriteString(kIniSectionOptions, kIniKeyLibraryFolder, kIniDefaultFolder));
    EXPECT_EQ(Stored(), "[Options]\nLibrary File Location=null\n");

    CIni elsewhere;
    elsewhere.SetPathName((m_dir / "no such folder/private.ini").c_str());
    EXPECT_FALSE(elsewhere.WriteString(kIniSectionOptions, kIniKeyLibraryFolder, "null"));
    EXPECT_FALSE(Exists(m_dir / "no such folder"));
}

TEST_F(IniTest, WriteIntFormatsInItsBase) {
    const IntCase cases[] = {
        {"1F", 16, 31, "upper case, no prefix"},
        {"101", 2, 5, "binary"},
        {"0", 2, 0, "binary zero"},
        {"17", 8, 15, "octal"},
        {"FFFFFFFF", 16, -1, "negative as unsigned"},
        {"37777777777", 8, -1, "negative as unsigned"},
        {"11111111111111111111111111111111", 2, -1, "32 binary digits"},
        {"-5", 10, -5, "base 10 is signed"},
        {"-5", 7, -5, "other bases are base 10"},
    };
    for (const IntCase& c : cases) {
        ASSERT_TRUE(m_ini.WriteInt(kIniSectionOptions, "Number", c.expected, c.base)) << c.why;
        EXPECT_EQ(Stored(), std::string("[Options]\nNumber=") + c.stored + "\n") << c.why;
        EXPECT_EQ(m_ini.GetInt(kIniSectionOptions, "Number", 77, c.base), c.expected) << c.why;
    }
    EXPECT_EQ(CIni::FormatBinary(5, 2), "10");  // at most `size` digits, the leading ones
    EXPECT_EQ(CIni::FormatInBase(4294967295u, 10), "4294967295");
}

TEST_F(IniTest, WriteBoolStoresOneOrZero) {
    ASSERT_TRUE(m_ini.WriteBool(kIniSectionWindowState, kIniKeyToolbar, 0));
    ASSERT_TRUE(m_ini.WriteBool(kIniSectionWindowState, kIniKeyStatusBar, -8));
    EXPECT_EQ(Stored(), "[Window State]\nToolbar=0\nStatus Bar=1\n");
    EXPECT_EQ(m_ini.GetBool(kIniSectionWindowState, kIniKeyToolbar, 1), 0);
    EXPECT_EQ(m_ini.GetBool(kIniSectionWindowState, kIniKeyStatusBar, 0), 1);
}

TEST_F(IniTest, WriteKeepsEverythingElseOfTheFile) {
    Store(
        "; settings\n"
        "[Window State]\n"
        "Toolbar=0\n"
        "\n"
        "[options]\n"
        "library file location = /old/\n"
        "odd line without equals\n"
        "Text Report Font=1\n"
        "\n"
        "[Last]\n"
        "x=y");  // no line end at the very end
    ASSERT_TRUE(m_ini.WriteString(kIniSectionOptions, kIniKeyLibraryFolder, "/new/"));
    ASSERT_TRUE(m_ini.WriteInt(kIniSectionOptions, kIniKeyTextReportFont, 2));
    ASSERT_TRUE(m_ini.WriteBool(kIniSectionOptions, kIniKeyShowFlexure, 0));
    ASSERT_TRUE(m_ini.WriteString(kIniSectionWindowState, kIniKeyStatusBar, "1"));
    ASSERT_TRUE(m_ini.WriteString("New", "k", "v"));
    EXPECT_EQ(Stored(),
              "; settings\n"
              "[Window State]\n"
              "Toolbar=0\n"
              "Status Bar=1\n"
              "\n"
              "[options]\n"
              "library file location=/new/\n"
              "odd line without equals\n"
              "Text Report Font=2\n"
              "Text Report Show Flexure=0\n"
              "\n"
              "[Last]\n"
              "x=y\n"
              "[New]\n"
              "k=v\n");
}

TEST_F(IniTest, WritePlacesKeysAndSectionsAtTheirEdges) {
    struct Case {
        const char* before;
        const char* section;
        const char* value;
        const char* after;
        const char* why;
    };
    const Case cases[] = {
        {"[A]\nx=1", "A", "v", "[A]\nx=1\nk=v\n", "added after an unterminated last line"},
        {"[A]", "A", "v", "[A]\nk=v\n", "added after a lone unterminated header"},
        {"[A]\n\n\n[B]\n", "A", "v", "[A]\nk=v\n\n\n[B]\n", "added before the blank lines"},
        {"", "A", "v", "[A]\nk=v\n", "empty file"},
        {"x", "A", "v", "x\n[A]\nk=v\n", "new section after an unterminated line"},
        {"[A]\nk=1", "A", "2", "[A]\nk=2", "replaced: the missing line end stays missing"},
        {"[A]\r\nk=1\r\n", "A", "2", "[A]\r\nk=2\r\n", "replaced: CRLF kept"},
        {"[A]\nK=1\n[a]\nk=1\n", "a", "2", "[A]\nK=2\n[a]\nk=1\n", "first of two sections"},
        {"[A]\n  k = 1 ; note\n", "A", "2", "[A]\nk=2\n", "replaced line rewritten plainly"},
    };
    for (const Case& c : cases) {
        Store(c.before);
        ASSERT_TRUE(m_ini.WriteString(c.section, "k", c.value)) << c.why;
        EXPECT_EQ(Stored(), c.after) << c.why;
        EXPECT_EQ(m_ini.GetString(c.section, "k"), c.value) << c.why;
    }
}

TEST_F(IniTest, WriteKeepsWindowsLineEnds) {
    Store("[Options]\r\nText Report Font=1\r\n");
    ASSERT_TRUE(m_ini.WriteInt(kIniSectionOptions, kIniKeyTextReportFont, 2));
    ASSERT_TRUE(m_ini.WriteString("New", "k", "v"));
    EXPECT_EQ(Stored(), "[Options]\r\nText Report Font=2\r\n[New]\r\nk=v\r\n");
    EXPECT_EQ(m_ini.GetInt(kIniSectionOptions, kIniKeyTextReportFont, 0), 2);
}

TEST_F(IniTest, NullValueWritesAnEmptyValueAndNullNamesWriteNothing) {
    StoreOption(kIniKeyLibraryFolder, "/old/");
    ASSERT_TRUE(m_ini.WriteString(kIniSectionOptions, kIniKeyLibraryFolder, nullptr));
    EXPECT_EQ(Stored(), "[Options]\nLibrary File Location=\n");
    EXPECT_EQ(m_ini.GetString(kIniSectionOptions, kIniKeyLibraryFolder, "null"), "");

    EXPECT_FALSE(m_ini.WriteString(nullptr, kIniKeyLibraryFolder, "x"));
    EXPECT_FALSE(m_ini.WriteString(kIniSectionOptions, nullptr, "x"));
    EXPECT_EQ(Stored(), "[Options]\nLibrary File Location=\n");
}

TEST_F(IniTest, TextThatWouldBreakTheLinesIsRefused) {
    StoreOption(kIniKeyLibraryFolder, "/old/");
    const std::array<std::array<const char*, 3>, 6> cases = {{
        {"Options", kIniKeyLibraryFolder, "/a/\n[Window State]"},
        {"Options", kIniKeyLibraryFolder, "/a/\r"},
        {"Opt]ions", "k", "v"},
        {"Opt\nions", "k", "v"},
        {"Options", "k=v", "w"},
        {"Options", "[k", "v"},
    }};
    for (const auto& c : cases) {
        EXPECT_FALSE(m_ini.WriteString(c[0], c[1], c[2])) << c[0] << " / " << c[1];
        EXPECT_EQ(Stored(), "[Options]\nLibrary File Location=/old/\n");
    }
}

TEST_F(IniTest, UnreadableOrOversizedFileIsLeftAlone) {
    // Too large to be a settings file: reads give defaults, writes fail, nothing is lost.
    const std::string big = "[Options]\nText Report Font=2\n" + std::string(kIniMaxFileBytes, 'x');
    Store(big);
    EXPECT_EQ(m_ini.GetInt(kIniSectionOptions, kIniKeyTextReportFont, 0), 0);
    EXPECT_FALSE(m_ini.WriteInt(kIniSectionOptions, kIniKeyTextReportFont, 1));
    EXPECT_EQ(Stored().size(), big.size());

    // A folder in the file's place.
    ASSERT_EQ(std::remove(Path().c_str()), 0);
    ASSERT_EQ(::mkdir(Path().c_str(), 0700), 0);
    EXPECT_EQ(m_ini.GetInt(kIniSectionOptions, kIniKeyTextReportFont, 4), 4);
    EXPECT_FALSE(m_ini.WriteInt(kIniSectionOptions, kIniKeyTextReportFont, 1));
}

TEST_F(IniTest, DamagedFilesReadAndRewriteWithoutLoss) {
    std::string binary;
    for (int i = 0; i < 256; ++i) binary += static_cast<char>(i);
    const std::string cases[] = {
        binary + binary,
        "[Options]\nText Report Font=" + std::string(1 << 20, '7'),  // huge line, no line end
        "[Options\nText Report Font=2\n",                            // unclosed section name
        "\xEF\xBB\xBF[Options]\nText Report Font=2\n",               // byte-order mark
        "[Options]\nText Report Font\n=2\n==\n[\n]\n",               // lines without keys
        "\r\r\r\n\n\r\n",
        std::string("[Options]\nText Report Font=3\0\n", 30),  // zero byte inside the value
        "Text Report Font=5\n[Options]\n",                     // key before any section
    };
    for (const std::string& damaged : cases) {
        Store(damaged);
        m_ini.GetInt(kIniSectionOptions, kIniKeyTextReportFont, 9);
        m_ini.GetString(kIniSectionOptions, kIniKeyLibraryFolder, "null");
        m_ini.GetBool(kIniSectionOptions, kIniKeyShowFlexure, 1);
        m_ini.GetDataBlock(kIniSectionWindowState, kIniKeyWindowPlacement, nullptr, 0);

        ASSERT_TRUE(m_ini.WriteString("Added", "key", "value"));
        const std::string rewritten = Stored();
        // What was there is still there, byte for byte (a last line gets its line end).
        EXPECT_EQ(rewritten.compare(0, damaged.size(), damaged), 0);
        EXPECT_EQ(m_ini.GetString("Added", "key"), "value");
    }

    Store("\xEF\xBB\xBF[Options]\nText Report Font=2\n");
    EXPECT_EQ(m_ini.GetInt(kIniSectionOptions, kIniKeyTextReportFont, 9), 2);
    Store(std::string("[Options]\nText Report Font=3\0\n", 30));
    EXPECT_EQ(m_ini.GetInt(kIniSectionOptions, kIniKeyTextReportFont, 9), 3);
}

TEST_F(IniTest, DataBlockRoundTripsThroughTheFileWithOtherKeys) {
    Store("[Window State]\nToolbar=1\n[Options]\nText Report Font=1\n");
    const std::uint8_t block[] = {0xDE, 0xAD, 0xBE, 0xEF, 0x00, 0x7F};
    ASSERT_TRUE(m_ini.WriteDataBlock(kIniSectionWindowState, "Block", block, sizeof block));
    std::uint8_t back[sizeof block] = {};
    EXPECT_EQ(m_ini.GetDataBlock(kIniSectionWindowState, "Block", back, sizeof back), sizeof block);
    EXPECT_EQ(std::memcmp(back, block, sizeof block), 0);
    EXPECT_EQ(m_ini.GetBool(kIniSectionWindowState, kIniKeyToolbar, 0), 1);
    EXPECT_EQ(m_ini.GetInt(kIniSectionOptions, kIniKeyTextReportFont, 0), 1);
}

}  // namespace
}  // namespace platform
