// Formats one conversion built from the input (conversion, flags, width and precision, given
// or taken from '*' arguments, the value's bits, literal text around it) through Format,
// AppendFormat and the C library's snprintf; any difference aborts.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "report/format.h"

// The format is built from the input on purpose.
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
#pragma GCC diagnostic ignored "-Wformat-security"

namespace {

template <typename... Args>
void Check(const std::string& format, Args... args) {
    const int n = std::snprintf(nullptr, 0, format.c_str(), args...);
    std::string expected;
    if (n > 0) {
        std::vector<char> buffer(static_cast<size_t>(n) + 1);
        std::snprintf(buffer.data(), buffer.size(), format.c_str(), args...);
        expected.assign(buffer.data(), static_cast<size_t>(n));
    }
    const std::string actual = kordel::Format(format.c_str(), args...);
    std::string appended = "x";
    kordel::AppendFormat(appended, format.c_str(), args...);
    if (actual != expected || appended != "x" + expected) {
        std::fprintf(stderr, "format \"%s\"\nprintf: \"%s\"\nFormat: \"%s\"\n", format.c_str(),
                     expected.c_str(), actual.c_str());
        std::abort();
    }
}

// Passes the '*' arguments the format asks for, then the value.
template <typename T>
void CheckWithStars(const std::string& format, bool starWidth, bool starPrecision, int width,
                    int precision, T value) {
    if (starWidth && starPrecision) {
        Check(format, width, precision, value);
    } else if (starWidth) {
        Check(format, width, value);
    } else if (starPrecision) {
        Check(format, precision, value);
    } else {
        Check(format, value);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 13) return 0;
    static const char* const kConversions[] = {"d",   "i",  "u",   "x",  "X", "o", "ld",
                                               "lld", "hd", "hhu", "zu", "f", "F", "e",
                                               "E",   "g",  "G",   "lf", "s", "c", "%"};
    constexpr size_t kConversionCount = sizeof kConversions / sizeof kConversions[0];
    const char* conversion = kConversions[data[0] % kConversionCount];
    const std::uint8_t flags = data[1];
    const auto widthByte = static_cast<std::int8_t>(data[2]);
    const auto precisionByte = static_cast<std::int8_t>(data[3]);
    const std::uint8_t fieldMode = data[4];
    std::uint64_t bits = 0;
    std::memcpy(&bits, data + 5, sizeof bits);
    // Literal text: the rest, without '%' and NUL; also the text of "%s".
    std::string text;
    for (size_t i = 13; i < size; ++i) {
        const char c = static_cast<char>(data[i]);
        if (c != '%' && c != '\0') text += c;
    }

    std::string format = text.substr(0, text.size() / 2) + "%";
    if (flags & 1) format += '-';
    if (flags & 2) format += '+';
    if (flags & 4) format += ' ';
    if (flags & 8) format += '0';
    if (flags & 16) format += '#';
    const bool starWidth = (fieldMode & 3) == 1;
    const bool starPrecision = (fieldMode & 12) == 4;
    if (starWidth) {
        format += '*';
    } else if ((fieldMode & 3) == 2) {
        format += std::to_string(widthByte < 0 ? -widthByte : widthByte);
    }
    if (starPrecision) {
        format += ".*";
    } else if ((fieldMode & 12) == 8) {
        format += '.' + std::to_string(precisionByte < 0 ? -precisionByte : precisionByte);
    } else if ((fieldMode & 12) == 12) {
        format += '.';
    }
    format += conversion;
    format += text.substr(text.size() / 2);

    const int width = widthByte * 4;  // negative widths mean '-'
    const int precision = precisionByte;
    const std::string c = conversion;
    if (c == "%") {
        Check(text.substr(0, text.size() / 2) + "%%" + text.substr(text.size() / 2));
    } else if (c == "d" || c == "i" || c == "hd" || c == "c") {
        CheckWithStars(format, starWidth, starPrecision, width, precision, static_cast<int>(bits));
    } else if (c == "u" || c == "x" || c == "X" || c == "o" || c == "hhu") {
        CheckWithStars(format, starWidth, starPrecision, width, precision,
                       static_cast<unsigned>(bits));
    } else if (c == "ld") {
        CheckWithStars(format, starWidth, starPrecision, width, precision, static_cast<long>(bits));
    } else if (c == "lld") {
        CheckWithStars(format, starWidth, starPrecision, width, precision,
                       static_cast<long long>(bits));
    } else if (c == "zu") {
        CheckWithStars(format, starWidth, starPrecision, width, precision,
                       static_cast<size_t>(bits));
    } else if (c == "s") {
        CheckWithStars(format, starWidth, starPrecision, width, precision, text.c_str());
    } else {
        double value = 0;
        std::memcpy(&value, &bits, sizeof value);
        CheckWithStars(format, starWidth, starPrecision, width, precision, value);
    }
    return 0;
}
