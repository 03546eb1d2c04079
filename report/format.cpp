#include "report/format.h"

#include <langinfo.h>

#include <charconv>
#include <climits>
#include <cmath>
#include <cstdarg>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>

namespace kordel {

namespace {

// The report writes several thousand short lines per analysis, mostly fixed-point numbers in
// narrow columns, and the C library's printf takes its slow multi-precision path for every one
// of them. The formatter here parses the format itself and applies printf's sign, width,
// padding and precision rules. Fixed-point numbers of ordinary size are rounded exactly in
// integer arithmetic from the double's binary value; all other numbers go through
// std::to_chars. Both are correctly rounded with ties to even, which is what printf does in the
// default rounding mode, so the digits are the same. Whatever the formatter does not cover
// (positional arguments, '#', long double, wide characters, %n, %p, %a, a null string, huge
// widths or precisions, a locale whose decimal point is not '.') sends the whole call to vsnprintf,
// so the text is always what the C library would write.

// Widths and precisions above this go to vsnprintf (no line of ours comes near it).
constexpr int kMaxFieldSize = 4096;

// Copies n characters; short runs (the usual cell or label) without a library call.
inline void CopyChars(char* to, const char* from, size_t n) {
    if (n >= 8) {
        if (n > 16) {
            std::memcpy(to, from, n);
            return;
        }
        std::uint64_t head = 0;
        std::uint64_t tail = 0;
        std::memcpy(&head, from, 8);
        std::memcpy(&tail, from + n - 8, 8);
        std::memcpy(to, &head, 8);
        std::memcpy(to + n - 8, &tail, 8);
    } else if (n >= 4) {
        std::uint32_t head = 0;
        std::uint32_t tail = 0;
        std::memcpy(&head, from, 4);
        std::memcpy(&tail, from + n - 4, 4);
        std::memcpy(to, &head, 4);
        std::memcpy(to + n - 4, &tail, 4);
    } else if (n > 0) {
        to[0] = from[0];
        to[n / 2] = from[n / 2];
        to[n - 1] = from[n - 1];
    }
}

// Output being built: a stack buffer that moves to the heap when a line outgrows it. Room()
// always leaves kSlack characters spare past what it was asked for, so that short fills can
// write a whole block and keep only what they need.
class Sink {
  public:
    static constexpr size_t kSlack = 32;

    Sink() = default;
    Sink(const Sink&) = delete;
    Sink& operator=(const Sink&) = delete;

    void Append(const char* text, size_t n) {
        CopyChars(Room(n), text, n);
        size_ += n;
    }
    void Fill(char c, size_t n) {
        char* to = Room(n);
        if (n <= kSlack) {
            std::memset(to, c, kSlack);
        } else {
            std::memset(to, c, n);
        }
        size_ += n;
    }
    const char* data() const { return data_; }
    size_t size() const { return size_; }

  private:
    // Room for n more characters (and kSlack spare) at the end.
    char* Room(size_t n) {
        if (cap_ - size_ < n + kSlack) Grow(n + kSlack);
        return data_ + size_;
    }
    __attribute__((noinline)) void Grow(size_t n) {
        size_t cap = cap_ * 2;
        while (cap - size_ < n) cap *= 2;
        auto grown = std::make_unique<char[]>(cap);
        std::memcpy(grown.get(), data_, size_);
        heap_ = std::move(grown);
        data_ = heap_.get();
        cap_ = cap;
    }

    char local_[384];
    char* data_ = local_;
    size_t size_ = 0;
    size_t cap_ = sizeof local_;
    std::unique_ptr<char[]> heap_;
};

// One conversion directive after its '%'.
struct Directive {
    bool left = false;   // '-'
    bool plus = false;   // '+'
    bool space = false;  // ' '
    bool zero = false;   // '0'
    int width = 0;
    int precision = -1;  // -1: none given
    enum class Length { kNone, kChar, kShort, kLong, kLongLong, kIntMax, kSize, kPtrDiff };
    Length length = Length::kNone;
};

// Reads a decimal field of the format; false when it exceeds kMaxFieldSize.
bool ReadNumber(const char*& p, int& value) {
    long v = 0;
    while (*p >= '0' && *p <= '9') {
        v = v * 10 + (*p - '0');
        if (v > kMaxFieldSize) return false;
        ++p;
    }
    value = static_cast<int>(v);
    return true;
}

// Writes the sign (if any), `zeros` zeros and the digits, padded to the field width as printf
// pads numbers: spaces ahead, zeros after the sign (`zeroPad`), or spaces behind ('-').
inline __attribute__((always_inline)) void PadNumber(Sink& out, const Directive& dir, char sign,
                                                     size_t zeros, const char* digits, size_t n,
                                                     bool zeroPad) {
    const size_t total = (sign ? 1 : 0) + zeros + n;
    const size_t width = static_cast<size_t>(dir.width);
    const size_t pad = width > total ? width - total : 0;
    if (!dir.left && !zeroPad) out.Fill(' ', pad);
    if (sign) out.Append(&sign, 1);
    if (!dir.left && zeroPad) out.Fill('0', pad);
    out.Fill('0', zeros);
    out.Append(digits, n);
    if (dir.left) out.Fill(' ', pad);
}

void PadText(Sink& out, const Directive& dir, const char* text, size_t n) {
    const size_t width = static_cast<size_t>(dir.width);
    const size_t pad = width > n ? width - n : 0;
    if (!dir.left) out.Fill(' ', pad);
    out.Append(text, n);
    if (dir.left) out.Fill(' ', pad);
}

// The digits of an integer conversion with its precision: no digits for zero at precision 0,
// else zeros ahead up to the precision. The '0' flag counts only without a precision.
void WriteDigits(Sink& out, const Directive& dir, char sign, unsigned long long magnitude, int base,
                 bool upper) {
    char digits[24];
    char* end = digits;
    if (magnitude != 0 || dir.precision != 0) {
        end = std::to_chars(digits, digits + sizeof digits, magnitude, base).ptr;
        if (upper) {
            for (char* c = digits; c != end; ++c) {
                if (*c >= 'a' && *c <= 'f') *c = static_cast<char>(*c - 'a' + 'A');
            }
        }
    }
    const size_t n = static_cast<size_t>(end - digits);
    const size_t precision = dir.precision > 0 ? static_cast<size_t>(dir.precision) : 0;
    PadNumber(out, dir, sign, precision > n ? precision - n : 0, digits, n,
              dir.zero && !dir.left && dir.precision < 0);
}

// d and i.
void WriteSigned(Sink& out, const Directive& dir, long long value) {
    char sign = 0;
    unsigned long long magnitude = static_cast<unsigned long long>(value);
    if (value < 0) {
        sign = '-';
        magnitude = 0ULL - magnitude;
    } else if (dir.plus) {
        sign = '+';
    } else if (dir.space) {
        sign = ' ';
    }
    WriteDigits(out, dir, sign, magnitude, 10, false);
}

// u, x, X and o.
void WriteUnsigned(Sink& out, const Directive& dir, unsigned long long value, char conversion) {
    const int base = conversion == 'u' ? 10 : (conversion == 'o' ? 8 : 16);
    WriteDigits(out, dir, 0, value, base, conversion == 'X');
}

constexpr std::uint64_t kPowersOfTen[] = {1ULL,
                                          10ULL,
                                          100ULL,
                                          1000ULL,
                                          10000ULL,
                                          100000ULL,
                                          1000000ULL,
                                          10000000ULL,
                                          100000000ULL,
                                          1000000000ULL,
                                          10000000000ULL,
                                          100000000000ULL,
                                          1000000000000ULL,
                                          10000000000000ULL,
                                          100000000000000ULL,
                                          1000000000000000ULL};
constexpr int kMaxFastPrecision = 15;

__extension__ typedef unsigned __int128 Uint128;

// Fixed-point digits of a finite `magnitude` >= 0 with `precision` places, the common case of
// the report: the exact binary value times 10^precision rounded to the nearest integer, ties
// to even, as printf rounds. False (nothing written) when that integer could pass 64 bits;
// std::to_chars then does it. The text ends at `bodyEnd` (room for 40 characters ahead of it)
// and starts at `begin`.
bool WriteFixedFast(double magnitude, int precision, char* bodyEnd, char*& begin) {
    if (precision > kMaxFastPrecision) return false;
    const std::uint64_t scale = kPowersOfTen[precision];
    // Below 1e19 / 10^p the rounded integer stays below 2^64 with a wide margin.
    static constexpr double kLimits[kMaxFastPrecision + 1] = {
        1e19, 1e18, 1e17, 1e16, 1e15, 1e14, 1e13, 1e12, 1e11, 1e10, 1e9, 1e8, 1e7, 1e6, 1e5, 1e4};
    if (!(magnitude < kLimits[precision])) return false;

    // magnitude = m * 2^e exactly, m < 2^53.
    std::uint64_t bits = 0;
    std::memcpy(&bits, &magnitude, sizeof bits);
    const int biased = static_cast<int>(bits >> 52);  // the sign bit is clear
    std::uint64_t m = bits & ((1ULL << 52) - 1);
    int e = 1 - 1075;  // subnormal
    if (biased != 0) {
        m |= 1ULL << 52;
        e = biased - 1075;
    }

    std::uint64_t q = 0;
    if (m == 0) {
        q = 0;
    } else if (e >= 0) {
        q = (m << e) * scale;  // an integer below 1e19, so nothing to round
    } else {
        const Uint128 n = static_cast<Uint128>(m) * scale;  // < 2^103
        const int shift = -e;
        if (shift >= 110) {
            q = 0;  // n < 2^103 is far below half of 2^shift
        } else {
            q = static_cast<std::uint64_t>(n >> shift);
            const Uint128 rest = n & ((static_cast<Uint128>(1) << shift) - 1);
            const Uint128 half = static_cast<Uint128>(1) << (shift - 1);
            if (rest > half || (rest == half && (q & 1) != 0)) ++q;
        }
    }

    // q's digits from the right, two at a time: `precision` places, the point, then at least
    // one digit.
    static constexpr char kPairs[] =
        "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
        "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
        "8081828384858687888990919293949596979899";
    char* d = bodyEnd;
    int places = precision;
    for (; places >= 2; places -= 2) {
        d -= 2;
        std::memcpy(d, kPairs + 2 * (q % 100), 2);
        q /= 100;
    }
    if (places == 1) {
        *--d = static_cast<char>('0' + q % 10);
        q /= 10;
    }
    if (precision > 0) *--d = '.';
    for (; q >= 100; q /= 100) {
        d -= 2;
        std::memcpy(d, kPairs + 2 * (q % 100), 2);
    }
    if (q >= 10) {
        d -= 2;
        std::memcpy(d, kPairs + 2 * q, 2);
    } else {
        *--d = static_cast<char>('0' + q);
    }
    begin = d;
    return true;
}

// The digits of a finite `magnitude` >= 0 in the form of `conversion` (any precision), 'e'
// upper-cased for E and G. Kept out of line: its buffer is large and the report seldom needs it.
__attribute__((noinline)) void WriteDoubleDigits(Sink& out, const Directive& dir, char sign,
                                                 double magnitude, char conversion, int precision) {
    std::chars_format form = std::chars_format::fixed;
    if (conversion == 'e' || conversion == 'E') form = std::chars_format::scientific;
    if (conversion == 'g' || conversion == 'G') form = std::chars_format::general;
    // The integer part of a double has at most 309 digits; the exponent at most 5 characters.
    char body[kMaxFieldSize + 400];
    const auto result = std::to_chars(body, body + sizeof body, magnitude, form, precision);
    if (conversion == 'E' || conversion == 'G') {
        for (char* c = body; c != result.ptr; ++c) {
            if (*c == 'e') *c = 'E';
        }
    }
    PadNumber(out, dir, sign, 0, body, static_cast<size_t>(result.ptr - body),
              dir.zero && !dir.left);
}

// True when the C library writes '.' as the decimal point (the "C" locale and most others);
// under a locale with another radix character printf's text is left to printf.
bool RadixIsPoint() {
    const char* radix = nl_langinfo(RADIXCHAR);
    return radix != nullptr && radix[0] == '.' && radix[1] == '\0';
}

// f, F, e, E, g and G.
void WriteDouble(Sink& out, const Directive& dir, double value, char conversion) {
    char sign = 0;
    if (std::signbit(value)) {
        sign = '-';
    } else if (dir.plus) {
        sign = '+';
    } else if (dir.space) {
        sign = ' ';
    }
    if (!std::isfinite(value)) {
        // printf pads "inf" and "nan" with spaces even under '0'.
        const bool upper = conversion == 'F' || conversion == 'E' || conversion == 'G';
        const char* word = std::isnan(value) ? (upper ? "NAN" : "nan") : (upper ? "INF" : "inf");
        PadNumber(out, dir, sign, 0, word, 3, false);
        return;
    }
    const int precision = dir.precision < 0 ? 6 : dir.precision;
    const double magnitude = std::fabs(value);
    if (conversion == 'f' || conversion == 'F') {
        char digits[40];
        char* const end = digits + sizeof digits;
        char* begin = nullptr;
        if (WriteFixedFast(magnitude, precision, end, begin)) {
            PadNumber(out, dir, sign, 0, begin, static_cast<size_t>(end - begin),
                      dir.zero && !dir.left);
            return;
        }
    }
    WriteDoubleDigits(out, dir, sign, magnitude, conversion, precision);
}

// Formats `format` into `out`; false when it meets something it leaves to vsnprintf. Consumes
// `args` either way.
bool FormatFast(Sink& out, const char* format, va_list args) {
    const char* p = format;
    bool radixChecked = false;  // the locale's decimal point, checked at the first number
    for (;;) {
        // Literal text up to the next conversion (formats are short: no library call).
        const char* percent = p;
        while (*percent != '%' && *percent != '\0') ++percent;
        out.Append(p, static_cast<size_t>(percent - p));
        if (*percent == '\0') return true;
        p = percent + 1;
        if (*p == '%') {
            out.Append("%", 1);
            ++p;
            continue;
        }

        Directive dir;
        for (;; ++p) {
            if (*p == '-') {
                dir.left = true;
            } else if (*p == '+') {
                dir.plus = true;
            } else if (*p == ' ') {
                dir.space = true;
            } else if (*p == '0') {
                dir.zero = true;
            } else {
                break;
            }
        }
        if (*p == '*') {
            ++p;
            const int width = va_arg(args, int);
            if (width < -kMaxFieldSize || width > kMaxFieldSize) return false;
            if (width < 0) {
                dir.left = true;
                dir.width = -width;
            } else {
                dir.width = width;
            }
        } else if (!ReadNumber(p, dir.width)) {
            return false;
        }
        if (*p == '$') return false;  // positional arguments
        if (*p == '.') {
            ++p;
            if (*p == '*') {
                ++p;
                const int precision = va_arg(args, int);
                if (precision > kMaxFieldSize) return false;
                dir.precision = precision < 0 ? -1 : precision;
            } else {
                // "%.f" is precision 0; a '-' here is not printf's.
                if (!ReadNumber(p, dir.precision)) return false;
            }
        }
        switch (*p) {
            case 'h':
                ++p;
                dir.length = Directive::Length::kShort;
                if (*p == 'h') {
                    ++p;
                    dir.length = Directive::Length::kChar;
                }
                break;
            case 'l':
                ++p;
                dir.length = Directive::Length::kLong;
                if (*p == 'l') {
                    ++p;
                    dir.length = Directive::Length::kLongLong;
                }
                break;
            case 'j':
                ++p;
                dir.length = Directive::Length::kIntMax;
                break;
            case 'z':
                ++p;
                dir.length = Directive::Length::kSize;
                break;
            case 't':
                ++p;
                dir.length = Directive::Length::kPtrDiff;
                break;
            default:
                break;
        }

        const char conversion = *p++;
        switch (conversion) {
            case 'd':
            case 'i': {
                long long v = 0;
                switch (dir.length) {
                    case Directive::Length::kNone:
                        v = va_arg(args, int);
                        break;
                    case Directive::Length::kChar:
                        v = static_cast<signed char>(va_arg(args, int));
                        break;
                    case Directive::Length::kShort:
                        v = static_cast<short>(va_arg(args, int));
                        break;
                    case Directive::Length::kLong:
                        v = va_arg(args, long);
                        break;
                    case Directive::Length::kLongLong:
                        v = va_arg(args, long long);
                        break;
                    case Directive::Length::kIntMax:
                        v = va_arg(args, intmax_t);
                        break;
                    case Directive::Length::kSize:
                        v = va_arg(args, ptrdiff_t);
                        break;
                    case Directive::Length::kPtrDiff:
                        v = va_arg(args, ptrdiff_t);
                        break;
                }
                WriteSigned(out, dir, v);
                break;
            }
            case 'u':
            case 'x':
            case 'X':
            case 'o': {
                unsigned long long v = 0;
                switch (dir.length) {
                    case Directive::Length::kNone:
                        v = va_arg(args, unsigned);
                        break;
                    case Directive::Length::kChar:
                        v = static_cast<unsigned char>(va_arg(args, unsigned));
                        break;
                    case Directive::Length::kShort:
                        v = static_cast<unsigned short>(va_arg(args, unsigned));
                        break;
                    case Directive::Length::kLong:
                        v = va_arg(args, unsigned long);
                        break;
                    case Directive::Length::kLongLong:
                        v = va_arg(args, unsigned long long);
                        break;
                    case Directive::Length::kIntMax:
                        v = va_arg(args, uintmax_t);
                        break;
                    case Directive::Length::kSize:
                        v = va_arg(args, size_t);
                        break;
                    case Directive::Length::kPtrDiff:
                        v = va_arg(args, size_t);
                        break;
                }
                WriteUnsigned(out, dir, v, conversion);
                break;
            }
            case 'f':
            case 'F':
            case 'e':
            case 'E':
            case 'g':
            case 'G':
                if (dir.length != Directive::Length::kNone &&
                    dir.length != Directive::Length::kLong) {
                    return false;
                }
                if (!radixChecked) {
                    if (!RadixIsPoint()) return false;
                    radixChecked = true;
                }
                WriteDouble(out, dir, va_arg(args, double), conversion);
                break;
            case 'c': {
                if (dir.length != Directive::Length::kNone || dir.zero) return false;
                const char c = static_cast<char>(static_cast<unsigned char>(va_arg(args, int)));
                PadText(out, dir, &c, 1);
                break;
            }
            case 's': {
                if (dir.length != Directive::Length::kNone || dir.zero) return false;
                const char* text = va_arg(args, const char*);
                if (text == nullptr) return false;
                const size_t n = dir.precision < 0
                                     ? std::strlen(text)
                                     : ::strnlen(text, static_cast<size_t>(dir.precision));
                PadText(out, dir, text, n);
                break;
            }
            default:
                return false;
        }
    }
}

// The C library's own text, of any length; empty when it reports an error.
__attribute__((format(printf, 1, 0))) std::string FormatWithLibrary(const char* format,
                                                                    va_list args) {
    va_list copy;
    va_copy(copy, args);
    char small[256];
    const int n = std::vsnprintf(small, sizeof small, format, args);
    std::string out;
    if (n < 0) {
        out.clear();
    } else if (static_cast<size_t>(n) < sizeof small) {
        out.assign(small, static_cast<size_t>(n));
    } else {
        out.resize(static_cast<size_t>(n) + 1);
        std::vsnprintf(out.data(), out.size(), format, copy);
        out.resize(static_cast<size_t>(n));
    }
    va_end(copy);
    return out;
}

}  // namespace

std::string Format(const char* format, ...) {
    Sink sink;
    va_list args;
    va_start(args, format);
    const bool done = FormatFast(sink, format, args);
    va_end(args);
    if (done) {
        // printf cannot report a length past INT_MAX and fails.
        if (sink.size() > static_cast<size_t>(INT_MAX)) return std::string();
        return std::string(sink.data(), sink.size());
    }
    va_start(args, format);
    std::string out = FormatWithLibrary(format, args);
    va_end(args);
    return out;
}

void AppendFormat(std::string& text, const char* format, ...) {
    Sink sink;
    va_list args;
    va_start(args, format);
    const bool done = FormatFast(sink, format, args);
    va_end(args);
    if (done) {
        if (sink.size() <= static_cast<size_t>(INT_MAX)) text.append(sink.data(), sink.size());
        return;
    }
    va_start(args, format);
    text += FormatWithLibrary(format, args);
    va_end(args);
}

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
std::string FormatValue(const char* format, double value) {
    return Format(format, value);
}

std::string FormatCount(const char* format, int value) {
    return Format(format, value);
}
#pragma GCC diagnostic pop

std::string WithoutNegativeZeros(std::string text) {
    const auto digit = [&](std::size_t i) {
        return i < text.size() && text[i] >= '0' && text[i] <= '9';
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        // A minus after a digit, a point or an exponent's e is no number's sign.
        if (text[i] != '-' || (i > 0 && (digit(i - 1) || text[i - 1] == '.' || text[i - 1] == 'e' ||
                                         text[i - 1] == 'E')))
            continue;
        std::size_t j = i + 1;
        bool digits = false;
        bool zero = true;
        for (; j < text.size() && (digit(j) || text[j] == '.'); ++j) {
            if (text[j] == '.') continue;
            digits = true;
            zero = zero && text[j] == '0';
        }
        // An exponent follows: the number is not what its digits so far say.
        const bool exponent = j < text.size() && (text[j] == 'e' || text[j] == 'E');
        if (digits && zero && !exponent) text[i] = ' ';
    }
    return text;
}

std::string PadToWidth(const std::string& text, int width) {
    if (width <= 0) return std::string();
    std::string padded = text + std::string(static_cast<size_t>(width), ' ');
    return padded.substr(0, static_cast<size_t>(width));
}

}  // namespace kordel
