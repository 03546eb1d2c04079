// printf-style formatting into a std::string, for the report lines and status texts.
#pragma once

#include <string>

namespace kordel {

/// The text printf would write for `format` and its arguments, of any length.
std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));

}  // namespace kordel
