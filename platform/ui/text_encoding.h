// The program keeps its texts (design strings, report lines, labels) in the 8-bit Windows-1252
// encoding its design files use; the toolkit and cairo take UTF-8. These convert at that edge.
#pragma once

#include <string>

namespace platform::ui {

/// Windows-1252 to UTF-8. The five codes that Windows-1252 leaves undefined pass as the C1
/// controls of the same value.
std::string Cp1252ToUtf8(const std::string& text);

/// UTF-8 to Windows-1252; a character the encoding lacks (or a malformed sequence) becomes '?'.
std::string Utf8ToCp1252(const std::string& text);

}  // namespace platform::ui
