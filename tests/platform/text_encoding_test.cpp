// Program text (Windows-1252) and UTF-8: the conversions at the toolkit's and cairo's edge, and
// file names (UTF-8 bytes from the system) shown as program text.
#include "platform/text_encoding.h"

#include <gtest/gtest.h>

namespace platform {
namespace {

TEST(TextEncoding, ConvertsWindows1252AndUtf8) {
    const std::string cp1252 =
        "f\xB4"
        "c \xB0"
        "F \x80 \x96";  // f´c °F € –
    const std::string utf8 = Cp1252ToUtf8(cp1252);
    EXPECT_EQ(utf8,
              "f\xC2\xB4"
              "c \xC2\xB0"
              "F \xE2\x82\xAC \xE2\x80\x93");
    EXPECT_EQ(Utf8ToCp1252(utf8), cp1252);
    EXPECT_EQ(Utf8ToCp1252("\xE2\x88\x9A"), "?") << "a character Windows-1252 lacks";
    EXPECT_EQ(Utf8ToCp1252("a\xC3"), "a?") << "a cut sequence";
}

TEST(TextEncoding, PathTextShowsAFileNameAsProgramText) {
    struct Case {
        const char* what;
        std::string path;   // the system's bytes
        std::string shown;  // program text
    };
    const Case cases[] = {
        {"plain ASCII", "/home/al/Bridge 12.kdx", "/home/al/Bridge 12.kdx"},
        {"u umlaut (C3 BC) is Windows-1252 FC", "Br\xC3\xBC" "cke.kdx", "Br\xFC" "cke.kdx"},
        {"euro sign (E2 82 AC) is Windows-1252 80", "\xE2\x82\xAC" "5.kdx", "\x80" "5.kdx"},
        {"Cyrillic has no Windows-1252 code", "\xD0\x9C\xD0\xBE\xD1\x81\xD1\x82.kdx", "????.kdx"},
        {"a byte that is no UTF-8 (a Latin-1 name)", "Br\xFC" "cke.kdx", "Br?cke.kdx"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PathText(c.path), c.shown) << c.what;
    }
    // What the window layer shows again.
    EXPECT_EQ(Cp1252ToUtf8(PathText("Br\xC3\xBC" "cke.kdx")), "Br\xC3\xBC" "cke.kdx");
}

}  // namespace
}  // namespace platform
