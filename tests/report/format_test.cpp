// Format and AppendFormat write their own conversions for speed, so every line of the report
// depends on them writing exactly what the C library's printf writes. Each case here formats
// the same format and arguments through them and through vsnprintf and wants the same bytes:
// the formats the reports use, rounding ties and the edges of the double range, every flag,
// width and precision mixed at random (fixed seed), and the cases left to vsnprintf.
#include "report/format.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <climits>
#include <clocale>
#include <cmath>
#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <cwchar>
#include <limits>
#include <random>
#include <string>
#include <vector>

// The formats below are built at run time on purpose.
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
#pragma GCC diagnostic ignored "-Wformat-security"

namespace kordel::test {
namespace {

// The C library's text for `format`, of any length.
std::string Library(const char* format, ...) {
    va_list args;
    va_start(args, format);
    va_list copy;
    va_copy(copy, args);
    const int n = std::vsnprintf(nullptr, 0, format, args);
    va_end(args);
    std::string out;
    if (n > 0) {
        out.resize(static_cast<size_t>(n) + 1);
        std::vsnprintf(out.data(), out.size(), format, copy);
        out.resize(static_cast<size_t>(n));
    }
    va_end(copy);
    return out;
}

// Format (and AppendFormat after some text) and vsnprintf of the same call; on a difference
// prints the format and both texts.
template <typename... Args>
void ExpectSame(const std::string& format, Args... args) {
    const std::string expected = Library(format.c_str(), args...);
    const std::string actual = Format(format.c_str(), args...);
    EXPECT_EQ(actual, expected) << "format \"" << format << "\"";
    std::string appended = "line so far:";
    AppendFormat(appended, format.c_str(), args...);
    EXPECT_EQ(appended, "line so far:" + expected) << "appended format \"" << format << "\"";
}

// Doubles at the edges: zeros of both signs, halfway cases that printf rounds to even (0.125
// at two places is exactly halfway between 0.12 and 0.13 and prints 0.12; 2.5 at none prints
// 2), values just either side of a tie (0.135 is stored a little above, 0.145 a little below),
// negative values that round to zero ("-0.00"), the ends of the normal and subnormal ranges,
// numbers past 2^53 and 1e21, and the non-finite values.
std::vector<double> EdgeDoubles() {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    return {0.0,
            -0.0,
            0.125,
            -0.125,
            0.375,
            2.5,
            3.5,
            -2.5,
            0.5,
            1.5,
            0.135,
            0.145,
            1.005,
            2.675,
            -0.001,
            -0.004999,
            -0.005,
            -0.0051,
            1e21,
            -1e21,
            1e-7,
            1.5e-7,
            9.9999995,
            99.995,
            999.9995,
            0.05,
            0.95,
            9.5,
            99.5,
            1e15 + 0.5,
            4503599627370497.5,
            9007199254740993.0,
            123456789012345678.0,
            DBL_MIN,
            -DBL_MIN,
            DBL_TRUE_MIN,
            -DBL_TRUE_MIN,
            DBL_MAX,
            -DBL_MAX,
            1e308,
            1e-308,
            5e-324,
            0.1,
            0.2,
            0.3,
            1.0 / 3.0,
            2.0 / 3.0,
            29000.0,
            4030.5,
            -65.25,
            1e100,
            1e-100,
            inf,
            -inf,
            nan,
            -nan};
}

TEST(FormatTest, FormatsTheReportsUseMatchPrintfAtTheEdgesOfTheDoubleRange) {
    // Every fixed-point and general format the report and status texts write, and the other
    // floating conversions with flags mixed in.
    const char* formats[] = {
        "%6.2f",   "%5.3f",     "%5.2f",   "%6.3f",      "%6.1f",     "%7.1f",    "%5.1f", "%6.4f",
        "%4.2f",   "%7.3f",     "%5.0f",   "%2.0f",      "%8.5f",     "%6.0f",    "%8.2f", "%g",
        "%8.1f",   "%4.1f",     "%7.2f",   "%8.0f",      "%3.1f",     "%1.0f",    "%8.6f", "%4.0f",
        "%.3f",    "%7.5f",     "%7.4f",   "%7.0f",      "%8.3f",     "%4.3f",    "%3.0f", "%.2f",
        "%f",      "%e",        "%E",      "%G",         "%F",        "%.0f",     "%.0e",  "%.0g",
        "%5.1f%%", "x=%+8.3f|", "%-9.2f|", "%09.3f",     "% .4e",     "%+.10g",   "%.17g", "%.20f",
        "%.40e",   "%.330f",    "%.1000e", "%-+012.4f|", "%0-12.4f|", "%030.20g", "%lf",   "%.15f",
        "%.16f",   "%+.15e"};
    for (const char* format : formats) {
        for (double v : EdgeDoubles()) ExpectSame(format, v);
    }
}

TEST(FormatTest, StarWidthAndPrecisionMatchPrintfIncludingNegativeValues) {
    // A negative '*' width means left-justified; a negative '*' precision means none.
    for (int width : {-12, -1, 0, 1, 8, 40}) {
        for (int precision : {-3, 0, 1, 3, 6, 12}) {
            for (double v : {0.0, -0.0, 2.5, -1234.5678, 1e-7, 1e21}) {
                ExpectSame("%*.*f|", width, precision, v);
                ExpectSame("%8.*f|", precision, v);
                ExpectSame("%*.*e|", width, precision, v);
                ExpectSame("%*.*g|", width, precision, v);
            }
            ExpectSame("[%*s]", width, "abc");
            ExpectSame("[%-*s]", width, "abc");
            ExpectSame("[%*d]", width, -42);
            ExpectSame("[%.*s]", precision, "abcdef");
        }
    }
}

TEST(FormatTest, IntegersOfEveryLengthMatchPrintf) {
    const char* flagSets[] = {"", "-", "+", " ", "0", "-+", "+0", " 0", "- "};
    const char* widths[] = {"", "1", "2", "3", "8", "25"};
    const char* precisions[] = {"", ".", ".0", ".1", ".5", ".22"};
    const long long signedValues[] = {0,       1,         -1,        7,   42,   -42, 99999, INT_MAX,
                                      INT_MIN, LLONG_MAX, LLONG_MIN, 127, -128, 255, 32768};
    for (const char* flags : flagSets) {
        for (const char* width : widths) {
            for (const char* precision : precisions) {
                const std::string head = std::string("<%") + flags + width + precision;
                for (long long v : signedValues) {
                    ExpectSame(head + "d>", static_cast<int>(v));
                    ExpectSame(head + "i>", static_cast<int>(v));
                    ExpectSame(head + "hhd>", static_cast<int>(v));
                    ExpectSame(head + "hd>", static_cast<int>(v));
                    ExpectSame(head + "ld>", static_cast<long>(v));
                    ExpectSame(head + "lld>", v);
                    ExpectSame(head + "jd>", static_cast<intmax_t>(v));
                    ExpectSame(head + "zd>", static_cast<ptrdiff_t>(v));
                    ExpectSame(head + "td>", static_cast<ptrdiff_t>(v));
                    const auto u = static_cast<unsigned long long>(v);
                    for (const char* conversion : {"u", "x", "X", "o"}) {
                        ExpectSame(head + conversion + ">", static_cast<unsigned>(u));
                        ExpectSame(head + "hh" + conversion + ">", static_cast<unsigned>(u));
                        ExpectSame(head + "h" + conversion + ">", static_cast<unsigned>(u));
                        ExpectSame(head + "l" + conversion + ">", static_cast<unsigned long>(u));
                        ExpectSame(head + "ll" + conversion + ">", u);
                        ExpectSame(head + "z" + conversion + ">", static_cast<size_t>(u));
                    }
                }
                if (HasFailure()) return;  // one reported combination is enough to go on
            }
        }
    }
}

TEST(FormatTest, TextAndCharactersMatchPrintfPastAnyInternalBuffer) {
    const std::string longText(5000, 'w');
    const std::string mixed = "Girder 1 \t \xC3\xA9 ~!@#$^&*()_+{}|:<>?";
    for (const std::string& text : {std::string(), std::string("abc"), mixed, longText}) {
        for (const char* format :
             {"%s", "%-30s|", "%30s|", "%.3s|", "%-8.2s|", "%7s", "%3s", "%-6s", "%-20s", "%+s",
              "% s", "%.0s|", "%.5000s", "%6000s|", "%-6000s|"}) {
            ExpectSame(format, text.c_str());
        }
        ExpectSame("%s%s%s%s", text.c_str(), text.c_str(), text.c_str(), text.c_str());
    }
    // A NUL character is written like any other (printf counts it in the length).
    for (int c : {int{'A'}, int{' '}, int{'%'}, 0x7f, 0xe9, 0}) {
        for (const char* format : {"%c", "[%c]", "[%3c]", "[%-3c]", "[%.0c]"}) {
            ExpectSame(format, c);
        }
    }
    // Literal text around and past the stack buffer, "%%" and a format of plain text.
    ExpectSame(std::string(3000, '.') + "%6.2f" + std::string(3000, '-'), 1.005);
    ExpectSame("100%% of %d%%", 3);
    ExpectSame("plain text");
    ExpectSame("");
    // A line longer than the stack buffer built from many conversions.
    std::string many;
    for (int i = 0; i < 100; ++i) many += "%8.3f ";
    ExpectSame(many, 1.0, 2.0, 3.0, 4.0, 5.0, 6.0, 7.0, 8.0, 9.0, 10.0, 11.0, 12.0, 13.0, 14.0,
               15.0, 16.0, 17.0, 18.0, 19.0, 20.0, 21.0, 22.0, 23.0, 24.0, 25.0, 26.0, 27.0, 28.0,
               29.0, 30.0, 31.0, 32.0, 33.0, 34.0, 35.0, 36.0, 37.0, 38.0, 39.0, 40.0, 41.0, 42.0,
               43.0, 44.0, 45.0, 46.0, 47.0, 48.0, 49.0, 50.0, 51.0, 52.0, 53.0, 54.0, 55.0, 56.0,
               57.0, 58.0, 59.0, 60.0, 61.0, 62.0, 63.0, 64.0, 65.0, 66.0, 67.0, 68.0, 69.0, 70.0,
               71.0, 72.0, 73.0, 74.0, 75.0, 76.0, 77.0, 78.0, 79.0, 80.0, 81.0, 82.0, 83.0, 84.0,
               85.0, 86.0, 87.0, 88.0, 89.0, 90.0, 91.0, 92.0, 93.0, 94.0, 95.0, 96.0, 97.0, 98.0,
               99.0, 100.0);
}

TEST(FormatTest, FormsLeftToTheCLibraryStillMatchPrintf) {
    // '#', positional arguments, long double, hexadecimal floats, pointers, wide text, a null
    // string and widths or precisions past the fast path's limit go through vsnprintf.
    ExpectSame("%#x %#o %#X", 255u, 8u, 0u);
    ExpectSame("%#.0f %#g %#.3e", 2.0, 1.5, 0.0);
    ExpectSame("%2$s-%1$s", "one", "two");
    ExpectSame("%Lf|%10.3Le", 1.25L, -3.5L);
    ExpectSame("%a %A", 1.0, -0.1);
    static int anything = 0;
    ExpectSame("%p", static_cast<const void*>(&anything));
    ExpectSame("%ls|%lc", L"wide", static_cast<wint_t>(L'x'));
    ExpectSame("[%s] [%10s] [%.3s]", static_cast<const char*>(nullptr),
               static_cast<const char*>(nullptr), static_cast<const char*>(nullptr));
    ExpectSame("%05s|%05c", "ab", 'c');
    ExpectSame("%'d %'.2f", 1234567, 1234567.891);
    ExpectSame("%.5000f", 1e-300);
    ExpectSame("%20000.3f|", -2.5);
    ExpectSame("%*d|", 20000, 7);
    ExpectSame("%.*f|", 20000, 0.5);
    ExpectSame("%k %d", 1);
    ExpectSame("%5%|");
    ExpectSame("trailing %");
    ExpectSame("%hhf %lf", 1.5, 2.5);
}

TEST(FormatTest, FixedPointTiesAndTheirNeighboursMatchPrintf) {
    // A double lies exactly halfway between two p-place decimals only as an odd multiple of
    // 2^-(p+1) (0.125 at two places, 2.5 at none); printf rounds those to the even neighbour
    // and the doubles either side of them away from the tie.
    std::mt19937_64 rng(7);
    for (int p = 0; p <= 17; ++p) {
        const std::string format = "%." + std::to_string(p) + "f";
        for (int i = 0; i < 2000; ++i) {
            const int bits = std::uniform_int_distribution<int>(1, 60)(rng);
            const std::uint64_t odd = (rng() >> (64 - bits)) | 1;
            const double tie = std::ldexp(static_cast<double>(odd), -(p + 1));
            for (double v : {tie, std::nextafter(tie, 0.0), std::nextafter(tie, 1e300), -tie}) {
                ExpectSame(format, v);
            }
        }
        if (HasFailure()) break;
    }
}

TEST(FormatTest, UnderALocaleWithADecimalCommaNumbersStillMatchPrintf) {
    // printf writes the locale's decimal point; Format leaves such numbers to it. Needs one
    // of these locales installed on the machine.
    const std::string saved = std::setlocale(LC_NUMERIC, nullptr);
    const char* chosen = nullptr;
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "fr_FR.utf8", "de_DE"}) {
        if (std::setlocale(LC_NUMERIC, name) != nullptr) {
            chosen = name;
            break;
        }
    }
    if (chosen == nullptr) GTEST_SKIP() << "no locale with a decimal comma is installed";
    for (double v : {0.125, -2.5, 1234.5678, 1e21}) {
        ExpectSame("%6.2f|%e|%g|%d", v, v, v, 7);
    }
    std::setlocale(LC_NUMERIC, saved.c_str());
}

// A random double: mostly short decimals in the ranges reports print (many of them exact
// ties at the printed precision, such as k/8 and k/1024), the rest any bit pattern.
double RandomDouble(std::mt19937_64& rng) {
    std::uniform_int_distribution<int> kind(0, 5);
    std::uniform_int_distribution<long long> mantissa(-2000000, 2000000);
    std::uniform_int_distribution<int> power(-12, 12);
    switch (kind(rng)) {
        case 0:
            return static_cast<double>(mantissa(rng)) / 8.0;
        case 1:
            return static_cast<double>(mantissa(rng)) / 1024.0;
        case 2:
            return static_cast<double>(mantissa(rng)) * std::pow(10.0, power(rng));
        case 3:
            return static_cast<double>(mantissa(rng)) / 1000.0 + 0.0005;
        case 4: {
            const std::uint64_t bits = rng();
            double v;
            std::memcpy(&v, &bits, sizeof v);
            return v;
        }
        default:
            return std::uniform_real_distribution<double>(-1e4, 1e4)(rng);
    }
}

TEST(FormatTest, RandomFlagsWidthsPrecisionsAndDoublesMatchPrintf) {
    std::mt19937_64 rng(20261210);
    const char conversions[] = "fFeEgG";
    std::uniform_int_distribution<int> pick(0, 5);
    std::uniform_int_distribution<int> coin(0, 1);
    std::uniform_int_distribution<int> size(0, 25);
    for (int i = 0; i < 60000; ++i) {
        std::string format = "|%";
        for (char flag : {'-', '+', ' ', '0'}) {
            if (std::uniform_int_distribution<int>(0, 3)(rng) == 0) format += flag;
        }
        if (coin(rng)) format += std::to_string(size(rng));
        if (coin(rng)) {
            format += '.';
            if (coin(rng)) format += std::to_string(size(rng));
        }
        format += conversions[pick(rng)];
        format += '|';
        const double v = RandomDouble(rng);
        ExpectSame(format, v);
        if (HasFailure()) break;  // one reported difference is enough to go on
    }
}

TEST(FormatTest, NegativeZerosLoseTheirSignAndKeepTheirWidth) {
    const struct {
        const char* text;
        const char* shown;
    } cases[] = {
        {"   -0.0", "    0.0"},
        {"-0", " 0"},
        {"min = -0.000", "min =  0.000"},
        {"-0.001 -0.000 -1.000", "-0.001  0.000 -1.000"},
        {"@-0.000 m (0.00L)", "@ 0.000 m (0.00L)"},
        {"-0.", " 0."},
        {"-", "-"},
        {"--0", "- 0"},
        {"-.5", "-.5"},
        {"1.5e-00", "1.5e-00"},
        {"-0e5", "-0e5"},
        {"2026-00", "2026-00"},
        {"L1-0 -0.00L", "L1-0  0.00L"},
    };
    for (const auto& c : cases) EXPECT_EQ(WithoutNegativeZeros(c.text), c.shown) << c.text;
    EXPECT_EQ(WithoutNegativeZeros(Format("%7.1f", -0.04)), Format("%7.1f", 0.0));
}

TEST(PadToWidth, PadsAndCuts) {
    EXPECT_EQ(PadToWidth("abc", 5), "abc  ");
    EXPECT_EQ(PadToWidth("abcdef", 3), "abc");
    EXPECT_EQ(PadToWidth("abc", 0), "");
    EXPECT_EQ(PadToWidth("abc", -3), "");
}

}  // namespace
}  // namespace kordel::test
