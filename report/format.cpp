#include "report/format.h"

#include <cstdarg>
#include <cstdio>

namespace kordel {

std::string Format(const char* format, ...) {
    va_list args;
    va_start(args, format);
    va_list copy;
    va_copy(copy, args);
    char small[256];
    const int n = std::vsnprintf(small, sizeof small, format, args);
    va_end(args);
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

}  // namespace kordel
