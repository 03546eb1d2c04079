#include "platform/archive.h"

#include <bit>
#include <limits>
#include <stdexcept>

namespace platform {

namespace {

// String length prefixes: one byte below kLengthEscape; kLengthEscape then a uint16 below
// kWideMarker; kLengthEscape, 0xFFFF and a uint32 beyond that. kLengthEscape followed by
// kWideMarker ahead of a prefix announces 16-bit characters.
constexpr std::uint8_t kLengthEscape = 0xFF;
constexpr std::uint16_t kWideMarker = 0xFFFE;
constexpr std::uint16_t kLength32 = 0xFFFF;

void RequireStoring(bool storing) {
    if (!storing) throw std::logic_error("Archive: write to a loading archive");
}

void RequireLoading(bool loading) {
    if (!loading) throw std::logic_error("Archive: read from a storing archive");
}

}  // namespace

Archive::Archive() : m_mode(Mode::Store) {}

Archive::Archive(std::vector<std::uint8_t> bytes) : m_mode(Mode::Load), m_bytes(std::move(bytes)) {}

// ---------------------------------------------------------------------------------------------
// Storing. Multi-byte values are written low byte first whatever the host's byte order.

void Archive::WriteByte(std::uint8_t v) {
    RequireStoring(IsStoring());
    m_bytes.push_back(v);
}

void Archive::WriteUInt16(std::uint16_t v) {
    RequireStoring(IsStoring());
    m_bytes.push_back(static_cast<std::uint8_t>(v));
    m_bytes.push_back(static_cast<std::uint8_t>(v >> 8));
}

void Archive::WriteUInt32(std::uint32_t v) {
    RequireStoring(IsStoring());
    for (int shift = 0; shift < 32; shift += 8)
        m_bytes.push_back(static_cast<std::uint8_t>(v >> shift));
}

void Archive::WriteInt32(std::int32_t v) {
    WriteUInt32(static_cast<std::uint32_t>(v));
}

void Archive::WriteBool(int flag) {
    WriteByte(flag != 0 ? 1 : 0);
}

void Archive::WriteFloat32(float v) {
    WriteUInt32(std::bit_cast<std::uint32_t>(v));
}

void Archive::WriteFloat64(double v) {
    RequireStoring(IsStoring());
    const auto bits = std::bit_cast<std::uint64_t>(v);
    for (int shift = 0; shift < 64; shift += 8)
        m_bytes.push_back(static_cast<std::uint8_t>(bits >> shift));
}

void Archive::WriteString(std::string_view s) {
    RequireStoring(IsStoring());
    const std::size_t n = s.size();
    if (n < kLengthEscape) {
        WriteByte(static_cast<std::uint8_t>(n));
    } else if (n < kWideMarker) {
        WriteByte(kLengthEscape);
        WriteUInt16(static_cast<std::uint16_t>(n));
    } else {
        if (n > std::numeric_limits<std::uint32_t>::max())
            throw std::length_error("Archive: string longer than 4 GiB");
        WriteByte(kLengthEscape);
        WriteUInt16(kLength32);
        WriteUInt32(static_cast<std::uint32_t>(n));
    }
    m_bytes.insert(m_bytes.end(), s.begin(), s.end());
}

// ---------------------------------------------------------------------------------------------
// Loading. Take() is the only place that moves the cursor, and it checks the end first.

const std::uint8_t* Archive::Take(std::size_t n) {
    RequireLoading(IsLoading());
    if (n > Remaining())
        throw ArchiveError("unexpected end of file: " + std::to_string(n) + " bytes needed at " +
                           std::to_string(m_pos) + ", " + std::to_string(Remaining()) + " left");
    const std::uint8_t* p = m_bytes.data() + m_pos;
    m_pos += n;
    return p;
}

void Archive::Seek(std::size_t position) {
    RequireLoading(IsLoading());
    if (position > m_bytes.size())
        throw ArchiveError("seek to byte " + std::to_string(position) + " of a file of " +
                           std::to_string(m_bytes.size()) + " bytes");
    m_pos = position;
}

std::uint8_t Archive::ReadByte() {
    return *Take(1);
}

std::uint16_t Archive::ReadUInt16() {
    const std::uint8_t* p = Take(2);
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

std::uint32_t Archive::ReadUInt32() {
    const std::uint8_t* p = Take(4);
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i) v = (v << 8) | p[i];
    return v;
}

std::int32_t Archive::ReadInt32() {
    return static_cast<std::int32_t>(ReadUInt32());
}

int Archive::ReadBool() {
    return ReadByte() != 0 ? 1 : 0;
}

float Archive::ReadFloat32() {
    return std::bit_cast<float>(ReadUInt32());
}

double Archive::ReadFloat64() {
    const std::uint8_t* p = Take(8);
    std::uint64_t bits = 0;
    for (int i = 7; i >= 0; --i) bits = (bits << 8) | p[i];
    return std::bit_cast<double>(bits);
}

std::size_t Archive::ReadStringLength(bool& wide) {
    wide = false;
    for (;;) {
        const std::uint8_t b = ReadByte();
        if (b < kLengthEscape) return b;
        const std::uint16_t w = ReadUInt16();
        if (w == kWideMarker) {
            // The marker may stand once, ahead of the real prefix.
            if (wide) throw ArchiveError("malformed string length: repeated 16-bit marker");
            wide = true;
            continue;
        }
        if (w < kLength32) return w;
        return ReadUInt32();
    }
}

std::string Archive::ReadString() {
    RequireLoading(IsLoading());
    bool wide = false;
    const std::size_t n = ReadStringLength(wide);
    // Check the length against what is left before allocating anything: a damaged prefix
    // must not ask for gigabytes.
    const std::size_t charBytes = wide ? 2 : 1;
    if (n > Remaining() / charBytes)
        throw ArchiveError("string of " + std::to_string(n) + " characters runs past the end (" +
                           std::to_string(Remaining()) + " bytes left)");
    const std::uint8_t* p = Take(n * charBytes);
    if (!wide) return std::string(reinterpret_cast<const char*>(p), n);

    std::string s(n, '\0');
    for (std::size_t i = 0; i < n; ++i) {
        const unsigned c = p[2 * i] | (p[2 * i + 1] << 8);
        s[i] = c > 0xFF ? '?' : static_cast<char>(static_cast<unsigned char>(c));
    }
    return s;
}

}  // namespace platform
