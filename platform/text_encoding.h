// The program keeps its texts (design strings, report lines, labels, messages) in the 8-bit
// Windows-1252 encoding its design files use; the toolkit and cairo take UTF-8, and the system
// names files in UTF-8. These convert at those edges.
#pragma once

#include <string>

namespace platform {

/// Windows-1252 to UTF-8. The five codes that Windows-1252 leaves undefined pass as the C1
/// controls of the same value.
std::string Cp1252ToUtf8(const std::string& text);

/// UTF-8 to Windows-1252; a character the encoding lacks (or a malformed sequence) becomes '?'.
std::string Utf8ToCp1252(const std::string& text);

/// A path or file name, in the system's UTF-8 bytes, as program text for a title, a menu, a
/// message or a report header: a character Windows-1252 lacks (or a byte that is no UTF-8)
/// shows as '?'. Only for showing: files are always opened and listed by their own bytes.
inline std::string PathText(const std::string& path) { return Utf8ToCp1252(path); }

}  // namespace platform
