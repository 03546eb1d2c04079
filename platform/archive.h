// Binary archive of the design and library files: a plain little-endian sequence of values
// with no tags. Loading reads from a memory copy of the whole file and checks every read
// against its end; storing collects the bytes in memory so that the file is written in one go
// (see file_io.h), never half.
#pragma once

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

/// Raised by a loading archive on any short or malformed read. The document turns it into the
/// user message "Unexpected file format.".
class ArchiveError : public std::runtime_error {
public:
    explicit ArchiveError(const std::string& what) : std::runtime_error(what) {}
};

class Archive {
public:
    enum class Mode { Load, Store };

    /// A storing archive, empty.
    Archive();
    /// A loading archive over a copy of the given bytes.
    explicit Archive(std::vector<std::uint8_t> bytes);

    bool IsStoring() const { return m_mode == Mode::Store; }
    bool IsLoading() const { return m_mode == Mode::Load; }

    // Storing.
    void WriteInt32(std::int32_t v);
    void WriteByte(std::uint8_t v);
    void WriteBool(int flag);  ///< one byte: 1 when flag is non-zero, else 0
    void WriteFloat32(float v);
    void WriteFloat64(double v);
    void WriteUInt16(std::uint16_t v);
    void WriteUInt32(std::uint32_t v);
    /// Length prefix of 1, 3 or 7 bytes, then the 8-bit characters; no terminator.
    void WriteString(std::string_view s);

    // Loading. Each throws ArchiveError when the bytes run out.
    std::int32_t ReadInt32();
    std::uint8_t ReadByte();
    int ReadBool();  ///< 1 for any non-zero byte, else 0
    float ReadFloat32();
    double ReadFloat64();
    std::uint16_t ReadUInt16();
    std::uint32_t ReadUInt32();
    /// Reads a length-prefixed string; a 0xFF 0xFFFE marker ahead of the prefix announces
    /// 16-bit characters, which are narrowed to 8-bit text ('?' for characters above 0xFF).
    std::string ReadString();

    // Both directions: store the value, or load into it, by the archive's mode. A layout
    // written once with these serves the writer and the reader alike.
    void Int32(int& v) { IsStoring() ? WriteInt32(v) : void(v = ReadInt32()); }
    void Bool(int& v) { IsStoring() ? WriteBool(v) : void(v = ReadBool()); }
    void Float32(float& v) { IsStoring() ? WriteFloat32(v) : void(v = ReadFloat32()); }
    void Float64(double& v) { IsStoring() ? WriteFloat64(v) : void(v = ReadFloat64()); }
    void String(std::string& v) { IsStoring() ? WriteString(v) : void(v = ReadString()); }

    /// Bytes stored so far (storing archive).
    const std::vector<std::uint8_t>& Bytes() const { return m_bytes; }
    /// Read position and bytes left (loading archive).
    std::size_t Position() const { return m_pos; }
    /// Moves the read position to byte `position` (loading archive), so that a reader can read
    /// the file again from an earlier byte; ArchiveError past the end.
    void Seek(std::size_t position);
    std::size_t Remaining() const { return m_bytes.size() - m_pos; }
    bool AtEnd() const { return m_pos >= m_bytes.size(); }

private:
    const std::uint8_t* Take(std::size_t n);  // bounds-checked read cursor
    std::size_t ReadStringLength(bool& wide);

    Mode m_mode;
    std::vector<std::uint8_t> m_bytes;
    std::size_t m_pos = 0;
};

}  // namespace platform
