#include "platform/ini.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string_view>
#include <vector>

#include "platform/file_io.h"
#include "platform/folders.h"

namespace platform {

namespace {

// ---------------------------------------------------------------------------------------------
// Text helpers. Everything is byte-wise ASCII: the file may hold any bytes, and no locale
// decides what a blank or a letter is.

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

char LowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EqualNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
    return true;
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
    return s;
}

std::string_view TrimRight(std::string_view s) {
    while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
    return s;
}

int DigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'z') return c - 'a' + 10;
    if (c >= 'A' && c <= 'Z') return c - 'A' + 10;
    return 99;
}

bool IsHexDigit(char c) {
    return DigitValue(c) < 16;
}

/// The first `kIniNumberBufferSize` - 1 characters, as the fixed number buffers hold them.
std::string CutToNumberBuffer(std::string s) {
    if (s.size() > kIniNumberBufferSize - 1) s.resize(kIniNumberBufferSize - 1);
    return s;
}

/// A text as an unsigned 32-bit number, by the rules of strtoul with a 32-bit unsigned long
/// (as the settings file has always been read, whatever this host's long): leading blanks, an
/// optional sign, a "0x" prefix in base 16, then the leading digits; saturation at 0xFFFFFFFF;
/// a minus sign negates modulo 2^32.
std::uint32_t ParseUnsigned32(std::string_view s, int base) {
    std::size_t i = 0;
    while (i < s.size() && IsBlank(s[i])) ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
    if (base == 16 && i + 2 < s.size() && s[i] == '0' && LowerAscii(s[i + 1]) == 'x' &&
        IsHexDigit(s[i + 2]))
        i += 2;
    std::uint64_t magnitude = 0;
    bool overflow = false;
    for (; i < s.size() && DigitValue(s[i]) < base; ++i) {
        magnitude =
            magnitude * static_cast<unsigned>(base) + static_cast<unsigned>(DigitValue(s[i]));
        if (magnitude > 0xFFFFFFFFu) {
            overflow = true;
            magnitude = 0xFFFFFFFFu;  // keep the accumulator small; the result is saturated
        }
    }
    if (overflow) return 0xFFFFFFFFu;
    const auto value = static_cast<std::uint32_t>(magnitude);
    return negative ? static_cast<std::uint32_t>(0u - value) : value;
}

// ---------------------------------------------------------------------------------------------
// The file as lines

enum class LineKind { Section, Key, Other };

struct ParsedLine {
    LineKind kind = LineKind::Other;
    std::string_view name;   ///< section or key name, trimmed
    std::string_view value;  ///< raw text after the first '=' (keys only)
};

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

ParsedLine ParseLine(std::string_view line, bool firstLine) {
    if (firstLine && line.substr(0, kUtf8Bom.size()) == kUtf8Bom) line.remove_prefix(3);
    const std::string_view t = Trim(line);
    ParsedLine parsed;
    if (t.empty() || t.front() == ';') return parsed;
    if (t.front() == '[') {
        const std::string_view rest = t.substr(1);
        parsed.kind = LineKind::Section;
        parsed.name = Trim(rest.substr(0, rest.find(']')));
        return parsed;
    }
    const std::size_t eq = t.find('=');
    if (eq == std::string_view::npos) return parsed;
    parsed.kind = LineKind::Key;
    parsed.name = Trim(t.substr(0, eq));
    parsed.value = t.substr(eq + 1);
    return parsed;
}

/// A stored value as readers see it: cut at a NUL byte (the value is a C string to the
/// callers), trimmed, and without one pair of matching quotes around it.
std::string CleanValue(std::string_view raw) {
    raw = raw.substr(0, raw.find('\0'));
    raw = Trim(raw);
    if (raw.size() >= 2 && (raw.front() == '"' || raw.front() == '\'') && raw.back() == raw.front())
        raw = raw.substr(1, raw.size() - 2);
    return std::string(raw);
}

/// One line of the file, seen in place: its text without the line end, where it starts and
/// where the next line starts.
struct Line {
    std::string_view text;
    std::size_t begin = 0;
    std::size_t next = 0;     ///< one past the line end
    bool terminated = false;  ///< false for a last line without a line end
};

/// Walks the lines of a text without copying them. A line ends at "\n"; a "\r" right before
/// it belongs to the line end.
class LineReader {
  public:
    explicit LineReader(std::string_view content) : m_content(content) {}

    bool Next(Line& line) {
        if (m_pos >= m_content.size()) return false;
        const std::size_t newline = m_content.find('\n', m_pos);
        line.terminated = newline != std::string_view::npos;
        std::size_t end = line.terminated ? newline : m_content.size();
        if (line.terminated && end > m_pos && m_content[end - 1] == '\r') --end;
        line.text = m_content.substr(m_pos, end - m_pos);
        line.begin = m_pos;
        line.next = line.terminated ? newline + 1 : m_content.size();
        m_pos = line.next;
        return true;
    }

  private:
    std::string_view m_content;
    std::size_t m_pos = 0;
};

/// Where a key of a section stands in the file. Only the first section of a name counts, and
/// in it only the first line of the key.
struct Location {
    bool sectionFound = false;
    std::optional<Line> key;  ///< the key's line, when present
    Line lastFilled;          ///< the section's last non-blank line before the key (or header)
};

Location Locate(std::string_view content, std::string_view section, std::string_view key) {
    Location location;
    LineReader reader(content);
    Line line;
    bool inSection = false;
    while (reader.Next(line)) {
        const ParsedLine parsed = ParseLine(line.text, line.begin == 0);
        if (parsed.kind == LineKind::Section) {
            if (inSection) break;
            if (EqualNoCase(parsed.name, section)) {
                inSection = location.sectionFound = true;
                location.lastFilled = line;
            }
            continue;
        }
        if (!inSection) continue;
        if (parsed.kind == LineKind::Key && EqualNoCase(parsed.name, key)) {
            location.key = line;
            break;
        }
        if (!Trim(line.text).empty()) location.lastFilled = line;
    }
    return location;
}

/// The line end new lines get: the one of the file's first line, "\n" for a new file.
std::string_view LineEndOf(std::string_view content) {
    const std::size_t newline = content.find('\n');
    if (newline != std::string_view::npos && newline > 0 && content[newline - 1] == '\r')
        return "\r\n";
    return "\n";
}

// ---------------------------------------------------------------------------------------------
// Loading the file

enum class LoadResult { Loaded, Missing, Unreadable };

LoadResult LoadFile(const std::string& path, std::string& content) {
    content.clear();
    if (path.empty()) return LoadResult::Unreadable;
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        // No settings file yet is the usual case, told without the cost of an exception.
        if (errno == ENOENT) return LoadResult::Missing;
    } else if (S_ISREG(st.st_mode) && static_cast<std::uint64_t>(st.st_size) > kIniMaxFileBytes) {
        return LoadResult::Unreadable;
    }
    try {
        const std::vector<std::uint8_t> bytes = ReadWholeFile(path);
        if (bytes.size() > kIniMaxFileBytes) return LoadResult::Unreadable;
        content.assign(bytes.begin(), bytes.end());
        return LoadResult::Loaded;
    } catch (const FileError& e) {
        return e.cause() == FileError::Cause::NotFound ? LoadResult::Missing
                                                       : LoadResult::Unreadable;
    }
}

std::optional<std::string> LookUp(const std::string& path, std::string_view section,
                                  std::string_view key) {
    std::string content;
    if (LoadFile(path, content) != LoadResult::Loaded) return std::nullopt;
    const Location location = Locate(content, section, key);
    if (!location.key) return std::nullopt;
    return CleanValue(ParseLine(location.key->text, location.key->begin == 0).value);
}

bool HasLineBreak(std::string_view s) {
    return s.find_first_of("\r\n") != std::string_view::npos;
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// Location

bool CIni::SetUserFile(const char* fileName) {
    const std::string path = JoinPath(KordelUserFolder(), fileName != nullptr ? fileName : "");
    SetPathName(path.c_str());
    return true;
}

void CIni::SetPathName(const char* path) {
    if (path == nullptr)
        m_strPathName.clear();
    else
        m_strPathName = path;
}

// ---------------------------------------------------------------------------------------------
// Reading

std::string CIni::ReadRawString(const char* section, const char* key, const char* def) const {
    const std::string_view fallback = def != nullptr ? def : "";
    if (section == nullptr || key == nullptr) return std::string(fallback);
    if (auto value = LookUp(m_strPathName, section, key)) return std::move(*value);
    return std::string(TrimRight(fallback));
}

std::string CIni::GetString(const char* section, const char* key, const char* def) const {
    return ReadRawString(section, key, def);
}

std::size_t CIni::GetStringToBuffer(const char* section, const char* key, char* buffer,
                                    std::size_t size, const char* def) const {
    if (buffer != nullptr && size > 0) buffer[0] = '\0';
    const std::string value = ReadRawString(section, key, def);
    if (buffer != nullptr && size > 0) {
        const std::size_t n = std::min(value.size(), size - 1);
        std::memcpy(buffer, value.data(), n);
        buffer[n] = '\0';
    }
    return std::min(value.size(), size);
}

int CIni::GetInt(const char* section, const char* key, int def, int base) const {
    const std::string text = CutToNumberBuffer(ReadRawString(section, key, nullptr));
    if (text.empty()) return def;
    return static_cast<int>(static_cast<std::int32_t>(ParseUnsigned32(text, ValidBase(base))));
}

int CIni::GetBool(const char* section, const char* key, int def) const {
    const std::string text = CutToNumberBuffer(ReadRawString(section, key, nullptr));
    return StringToBool(text.c_str(), def);
}

std::size_t CIni::GetDataBlock(const char* section, const char* key, void* buffer, std::size_t size,
                               std::size_t offset) const {
    const std::string value = ReadRawString(section, key, nullptr);
    const std::size_t bytes = value.size() / 2;
    if (offset >= bytes) return 0;
    if (!std::all_of(value.begin(), value.end(), IsHexDigit)) return 0;
    if (buffer == nullptr) return bytes - offset;
    const std::size_t count = std::min(bytes - offset, size);
    auto* out = static_cast<std::uint8_t*>(buffer);
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t at = 2 * (offset + i);
        out[i] = static_cast<std::uint8_t>(DigitValue(value[at]) * 16 + DigitValue(value[at + 1]));
    }
    return count;
}

// ---------------------------------------------------------------------------------------------
// Writing

bool CIni::WriteString(const char* section, const char* key, const char* value) {
    if (section == nullptr || key == nullptr) return false;
    const std::string_view sectionName = section;
    const std::string_view keyName = key;
    const std::string_view text = value != nullptr ? value : "";
    // Names and values that would read back as something else, or break the line structure.
    if (HasLineBreak(sectionName) || sectionName.find(']') != std::string_view::npos ||
        HasLineBreak(keyName) || keyName.find('=') != std::string_view::npos ||
        (!keyName.empty() && (keyName.front() == '[' || keyName.front() == ';')) ||
        HasLineBreak(text))
        return false;

    std::string content;
    const LoadResult loaded = LoadFile(m_strPathName, content);
    if (loaded == LoadResult::Unreadable) return false;

    // Every line that is not changed stays as it is, byte for byte.
    const Location location = Locate(content, sectionName, keyName);
    const std::string_view eol = LineEndOf(content);
    std::string updated;
    if (location.key) {
        // Keep the key as the file spells it; only the value changes.
        const Line& line = *location.key;
        updated = content.substr(0, line.begin);
        updated += ParseLine(line.text, line.begin == 0).name;
        updated += '=';
        updated += text;
        updated += content.substr(line.begin + line.text.size());
    } else if (location.sectionFound) {
        // After the section's last non-blank line, so that blank lines before the next section
        // stay where they are.
        const Line& after = location.lastFilled;
        std::string added = std::string(keyName) + "=" + std::string(text) + std::string(eol);
        if (!after.terminated) added.insert(0, eol);
        updated = content;
        updated.insert(after.next, added);
    } else {
        updated = content;
        if (!updated.empty() && updated.back() != '\n') updated += eol;
        updated += "[" + std::string(sectionName) + "]" + std::string(eol);
        updated += std::string(keyName) + "=" + std::string(text) + std::string(eol);
    }

    if (loaded == LoadResult::Loaded && updated == content) return true;
    try {
        WriteFileAtomically(m_strPathName, updated);
    } catch (const FileError&) {
        return false;
    }
    return true;
}

bool CIni::WriteInt(const char* section, const char* key, int value, int base) {
    return WriteString(section, key, IntToString(value, base).c_str());
}

bool CIni::WriteBool(const char* section, const char* key, int flag) {
    return WriteInt(section, key, flag != 0 ? 1 : 0, 10);
}

bool CIni::WriteDataBlock(const char* section, const char* key, const void* data,
                          std::size_t size) {
    if (data == nullptr) return false;
    static constexpr char kHex[] = "0123456789ABCDEF";
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    std::string text;
    text.reserve(2 * size);
    for (std::size_t i = 0; i < size; ++i) {
        text += kHex[bytes[i] >> 4];
        text += kHex[bytes[i] & 0x0F];
    }
    return WriteString(section, key, text.c_str());
}

// ---------------------------------------------------------------------------------------------
// Conversions

int CIni::ValidBase(int base) {
    return (base == 2 || base == 8 || base == 16) ? base : 10;
}

std::string CIni::IntToString(int value, int base) {
    if (base == 2 || base == 8 || base == 16)
        return FormatInBase(static_cast<unsigned>(value), base);
    return std::to_string(value);
}

std::string CIni::FormatInBase(unsigned value, int base) {
    if (base == 2) return FormatBinary(value, 64);
    char buffer[32];
    if (base == 8)
        std::snprintf(buffer, sizeof buffer, "%o", value);
    else if (base == 16)
        std::snprintf(buffer, sizeof buffer, "%X", value);
    else
        std::snprintf(buffer, sizeof buffer, "%u", value);
    return buffer;
}

std::string CIni::FormatBinary(unsigned value, std::size_t size) {
    std::string digits;
    do {
        digits.insert(digits.begin(), static_cast<char>('0' + (value & 1u)));
        value >>= 1;
    } while (value != 0);
    if (digits.size() > size) digits.resize(size);
    return digits;
}

int CIni::StringToBool(const char* text, int def) {
    if (text == nullptr || *text == '\0') return def;
    const std::string_view s = text;
    if (EqualNoCase(s, "true") || EqualNoCase(s, "yes")) return 1;
    std::size_t i = 0;
    while (i < s.size() && IsBlank(s[i])) ++i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    for (; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i)
        if (s[i] != '0') return 1;
    return 0;
}

}  // namespace platform
